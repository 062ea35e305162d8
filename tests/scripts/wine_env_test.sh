#!/usr/bin/env bash
# Tests the window-management choice of scripts/wine-env.sh in a fake display environment:
# Xvfb, wine, wineboot and wineserver are stand-ins that log their calls.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
fake="$(mktemp -d)"
trap 'rm -rf "$fake"' EXIT
mkdir -p "$fake/bin"
log="$fake/calls"

# The stand-in display makes the lock and socket a real one makes, and removes them on exit.
cat >"$fake/bin/Xvfb" <<'STUB'
#!/usr/bin/env bash
n="${1#:}"
echo "Xvfb $*" >>"$FAKE_LOG"
touch "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
sleep 60 &
trap 'kill $! 2>/dev/null; rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"; exit 0' TERM INT
wait
STUB
for tool in wine wineserver; do
  printf '#!/usr/bin/env bash\necho "%s $*" >>"$FAKE_LOG"\n' "$tool" >"$fake/bin/$tool"
done
printf '#!/usr/bin/env bash\necho "wineboot $*" >>"$FAKE_LOG"\ntouch "$WINEPREFIX/system.reg"\n' >"$fake/bin/wineboot"
chmod +x "$fake/bin"/*
mkdir -p /tmp/.X11-unix

failures=0
# One start: display (empty for none), argument, the prefix's mark before, expected Managed
# value written (empty for no write), expected mark after, whether a display is started.
check() {
  local name="$1" display="$2" arg="$3" mark_before="$4" expect_value="$5" expect_mark="$6" expect_xvfb="$7"
  local prefix="$fake/prefix-$name"
  mkdir -p "$prefix"
  touch "$prefix/system.reg"
  [ -n "$mark_before" ] && echo "$mark_before" >"$prefix/.xptable-windows"
  : >"$log"
  (
    # Display numbers far from those real displays take, apart for each run of this test.
    export PATH="$fake/bin:$PATH" FAKE_LOG="$log" WINEPREFIX="$prefix" XP_DISPLAY_FROM=$((4000 + $$ % 1000 * 4))
    if [ -n "$display" ]; then export DISPLAY="$display"; else unset DISPLAY; fi
    source "$root/scripts/wine-env.sh"
    wine_env_start $arg
    wine_env_stop
  )
  local written
  written="$(sed -n 's/^wine reg add HKCU\\Software\\Wine\\X11 Driver \/v Managed \/d \([YN]\) \/f$/\1/p' "$log")"
  local started=no left=""
  if grep -q '^Xvfb ' "$log"; then
    started=yes
    local n
    n="$(sed -n 's/^Xvfb :\([0-9]*\) .*/\1/p' "$log")"
    [ -e "/tmp/.X$n-lock" ] && left=" (display :$n left running)"
  fi
  local mark_after
  mark_after="$(cat "$prefix/.xptable-windows" 2>/dev/null || true)"
  # The prefix exists: waiting for the wineserver to end would hang on one left running.
  grep -q '^wineserver -w' "$log" && left="$left (waited for the wineserver)"
  if [ "$written" != "$expect_value" ] || [ "$mark_after" != "$expect_mark" ] || [ "$started" != "$expect_xvfb" ] ||
    [ -n "$left" ]; then
    echo "FAIL $name: wrote '${written}' (want '${expect_value}'), mark '${mark_after}' (want '${expect_mark}')," \
      "display started $started (want $expect_xvfb)$left"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

#     name                      display  argument  mark before  writes  mark after  own display
check own-display-tests         ""       ""        ""           N       unmanaged   yes
check own-display-start-script  ""       desktop   ""           N       unmanaged   yes
check own-display-after-desktop ""       desktop   managed      N       unmanaged   yes
check desktop-start-script      :55      desktop   ""           Y       managed     no
check desktop-already-managed   :55      desktop   managed      ""      managed     no
check desktop-tests             :55      ""        ""           N       unmanaged   no
check desktop-tests-after-run   :55      ""        managed      N       unmanaged   no
check desktop-tests-again       :55      ""        unmanaged    ""      unmanaged   no
[ "$failures" -eq 0 ]
