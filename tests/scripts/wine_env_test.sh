#!/usr/bin/env bash
# Tests the window-management choice and the font placement of scripts/wine-env.sh, and the
# tests' prefix of scripts/wine-run.sh, in a fake display environment: Xvfb, wine, wineboot
# and wineserver are stand-ins that log their calls; the fonts are small stand-in files.
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
# Wine and the wineserver also log how many fonts the prefix holds when they start; Wine
# also its prefix, its DLL overrides and how many links the user folders hold.
for tool in wine wineserver; do
  printf '#!/usr/bin/env bash\necho "%s $*" >>"$FAKE_LOG"\n' "$tool" >"$fake/bin/$tool"
  printf 'echo "%s $* started with fonts=$(ls "$WINEPREFIX/drive_c/windows/Fonts" 2>/dev/null | wc -l)" >>"$FAKE_LOG"\n' \
    "$tool" >>"$fake/bin/$tool"
done
printf 'echo "wine in $WINEPREFIX overrides=$WINEDLLOVERRIDES links=$(find "$WINEPREFIX/drive_c/users" -type l 2>/dev/null | wc -l)" >>"$FAKE_LOG"\n' \
  >>"$fake/bin/wine"
printf '#!/usr/bin/env bash\necho "wineboot $*" >>"$FAKE_LOG"\ntouch "$WINEPREFIX/system.reg"\n' >"$fake/bin/wineboot"
chmod +x "$fake/bin"/*
mkdir -p /tmp/.X11-unix "$fake/fonts"
for font in sserife.fon sserifer.fon marlett.ttf tahoma.ttf tahomabd.ttf; do echo "package-$font" >"$fake/fonts/$font"; done
export XP_SYSTEM_WINE_FONTS="$fake/fonts"

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
  grep -q '^wineserver -w ' "$log" && left="$left (waited for the wineserver)"
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

# One start (by the set-up's start, or by CTest's emulator) with the prefix's Fonts folder
# as given (before: "name=content" entries, "new" for no prefix at all): the folder
# afterwards, the files copied (by their changed inode), and that Wine and the wineserver
# only ever started with all fonts there (waiting for the wineserver that made a new prefix
# to end starts nothing).
check_fonts() {
  local name="$1" how="$2" before="$3" expect_copied="$4"
  local prefix="$fake/fonts-$name" entry
  local folder="$prefix/drive_c/windows/Fonts"
  if [ "$before" != new ]; then
    mkdir -p "$folder"
    touch "$prefix/system.reg"
    for entry in $before; do echo "${entry#*=}" >"$folder/${entry%%=*}"; done
  fi
  local inodes
  inodes="$(ls -i "$folder" 2>/dev/null || true)"
  : >"$log"
  (
    export PATH="$fake/bin:$PATH" FAKE_LOG="$log" WINEPREFIX="$prefix" XP_TEST_WINEPREFIX="$prefix" DISPLAY=:55
    if [ "$how" = emulator ]; then
      bash "$root/scripts/wine-run.sh" test.exe
    else
      source "$root/scripts/wine-env.sh"
      wine_env_start
    fi
  )
  local copied="" font problems="" after
  after="$(ls -i "$folder" 2>/dev/null || true)"
  for font in sserife.fon sserifer.fon marlett.ttf tahoma.ttf tahomabd.ttf; do
    local from="$font"
    [ "$font" = sserife.fon ] && from=sserifer.fon  # the Cyrillic font under the Western name
    cmp -s "$folder/$font" "$fake/fonts/$from" || problems="$problems $font differs;"
    [ "$(grep " $font\$" <<<"$inodes")" = "$(grep " $font\$" <<<"$after")" ] || copied="$copied $font"
  done
  [ "$(ls -A "$folder" | wc -l)" -eq 5 ] || problems="$problems left $(ls -A "$folder" | tr '\n' ' ');"
  grep -q ' started with fonts=5$' "$log" || problems="$problems no Wine start saw all fonts;"
  grep -v '^wineserver -w ' "$log" | grep -q ' started with fonts=[0-4]$' && problems="$problems Wine started before the fonts were in place;"
  if [ "${copied# }" != "$expect_copied" ] || [ -n "$problems" ]; then
    echo "FAIL fonts-$name: copied '${copied# }' (want '$expect_copied');$problems"
    failures=$((failures + 1))
  else
    echo "ok   fonts-$name"
  fi
}

all="sserife.fon sserifer.fon marlett.ttf tahoma.ttf tahomabd.ttf"
rest="marlett.ttf=package-marlett.ttf tahoma.ttf=package-tahoma.ttf tahomabd.ttf=package-tahomabd.ttf"
#          name                 started by Fonts folder before                                   copied
check_fonts new-prefix          set-up     new                                                   "$all"
check_fonts empty-folder        set-up     ""                                                    "$all"
check_fonts all-in-place        set-up     "sserife.fon=package-sserifer.fon sserifer.fon=package-sserifer.fon $rest" ""
check_fonts western-one-missing set-up     "sserife.fon=western $rest"                           "sserife.fon sserifer.fon"
check_fonts emulator-new        emulator   new                                                   "$all"
check_fonts emulator-one-old    emulator   "sserife.fon=package-sserifer.fon sserifer.fon=old $rest" "sserifer.fon"

# The emulator runs in the tests' prefix whatever WINEPREFIX names (here the player's), with
# no menu entries written by Wine, and before Wine starts every user folder that Wine linked
# out of the prefix, or that is missing, is a real folder inside it. The links' targets, a
# real folder's files, the Public folders and the player's prefix stay as they were.
check_user_folders() {
  local tests="$fake/tests-prefix" player="$fake/player-prefix" home="$fake/home" problems="" folder
  local user="$tests/drive_c/users/someone"
  mkdir -p "$user/AppData" "$tests/drive_c/users/Public/Desktop" "$player" "$home/Desktop" "$user/Music"
  touch "$tests/system.reg" "$player/system.reg"
  echo mine >"$home/Desktop/file"
  echo song >"$user/Music/song"
  ln -s "$home/Desktop" "$user/Desktop"
  ln -s "$home" "$user/Documents"
  ln -s "$home" "$user/Templates"  # a name the list does not hold
  : >"$log"
  (
    export PATH="$fake/bin:$PATH" FAKE_LOG="$log" WINEPREFIX="$player" XP_TEST_WINEPREFIX="$tests" DISPLAY=:55
    unset WINEDLLOVERRIDES
    bash "$root/scripts/wine-run.sh" test.exe
  )
  for folder in Desktop Documents Downloads Music Pictures Videos Templates; do
    [ -d "$user/$folder" ] && [ ! -L "$user/$folder" ] || problems="$problems $folder is no real folder;"
    [ "$folder" = Music ] || [ -f "$user/$folder/.xptable-tests" ] || problems="$problems $folder has no note;"
  done
  [ "$(cat "$user/Music/song")" = song ] || problems="$problems Music's file changed;"
  [ "$(ls -A "$home")" = Desktop ] && [ "$(ls -A "$home/Desktop")" = file ] || problems="$problems the home folder changed;"
  [ -z "$(ls -A "$tests/drive_c/users/Public/Desktop")" ] || problems="$problems Public changed;"
  [ "$(ls -A "$player")" = system.reg ] || problems="$problems the player's prefix changed;"
  grep -qxF "wine in $tests overrides=mscoree,mshtml=;winemenubuilder.exe=d links=0" "$log" ||
    problems="$problems Wine started as: $(grep '^wine in ' "$log");"
  if [ -n "$problems" ]; then
    echo "FAIL user-folders:$problems"
    failures=$((failures + 1))
  else
    echo "ok   user-folders"
  fi
}
check_user_folders

[ "$failures" -eq 0 ]
