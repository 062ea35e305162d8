#!/usr/bin/env bash
# Tests scripts/install-desktop.sh with the release zip, each case in a home folder of its
# own (with a space in its name) under a temporary folder: what it installs, the entry's
# Exec and validity, the icons' sizes, its notes on Wine and the fonts, and that --remove
# leaves the home folder as it was.
#   bash tests/scripts/install_desktop_test.sh [release.zip]   (default: the one in dist/)
set -euo pipefail
export LC_ALL=C  # listings in one order everywhere
root="$(cd "$(dirname "$0")/../.." && pwd)"
zip="${1:-$root/dist/XpTableEditor-$(sed -n 's/^#define XP_VERSION_TEXT "\(.*\)"$/\1/p' "$root/build-win/generated/app/Version.h").zip}"
[ -f "$zip" ] || { echo "no release zip: $zip" >&2; exit 1; }
zip="$(cd "$(dirname "$zip")" && pwd)/$(basename "$zip")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unzip -p "$zip" XpTableEditor.exe >"$work/program.exe"
(cd "$work" && echo note >readme.txt && zip -q no-program.zip readme.txt)

failures=0
fail() {
  echo "FAIL $1: $2"
  echo "$3" | sed 's/^/     | /'
  failures=$((failures + 1))
}
listing() { (cd "$1" && find . | sort); }

# One case: its name, what its home holds first (prefix: a Wine prefix without the fonts,
# prefix-fonts: one with them, under Windows' letter case, own-entry: another program's
# entry, apps-file: a file where the entries' folder goes), WINEPREFIX (relative to the home; "-" unset), WINE ("-" unset, "none" a missing
# one), the zip (or --remove), how many runs; then the exit status, the prefix Exec must name
# ("-": nothing installed), a line the output must hold and one it must not. Then --remove
# must leave the home folder as it was, whatever the install did.
check() {
  local name="$1" holds="$2" prefix="$3" wine="$4" zip_file="$5" installs="$6"
  local want_rc="$7" want_prefix="$8" want_line="$9" unwanted="${10}"
  local home="$work/$name home" out="" rc=0 problems="" each
  local apps="$home/.local/share/applications" icons="$home/.local/share/icons/hicolor"
  mkdir -p "$home"
  for each in $holds; do
    case "$each" in
      prefix | prefix-fonts)
        mkdir -p "$home/pfx/drive_c/windows/Fonts"
        echo "WINE REGISTRY" >"$home/pfx/system.reg"
        [ "$each" = prefix-fonts ] &&
          touch "$home/pfx/drive_c/windows/Fonts/"{SSERIFE.FON,sserifer.fon,marlett.ttf,TAHOMA.TTF,tahomabd.ttf}
        ;;
      own-entry) mkdir -p "$apps" && echo "[Desktop Entry]" >"$apps/other.desktop" ;;
      apps-file) mkdir -p "$(dirname "$apps")" && touch "$apps" ;;
    esac
  done
  local before
  before="$(listing "$home")"
  local -a env=(env -u XDG_DATA_HOME -u WINEPREFIX -u WINE HOME="$home")
  [ "$prefix" != - ] && env+=(WINEPREFIX="$home/$prefix")
  [ "$wine" = none ] && env+=(WINE="$work/none/wine")
  for ((i = 0; i < installs; i++)); do
    rc=0
    out="$("${env[@]}" bash "$root/scripts/install-desktop.sh" "$zip_file" 2>&1)" || rc=$?
  done

  [ "$rc" = "$want_rc" ] || problems="$problems exit $rc (want $want_rc);"
  grep -qF -- "$want_line" <<<"$out" || problems="$problems no line '$want_line';"
  [ -n "$unwanted" ] && grep -qF -- "$unwanted" <<<"$out" && problems="$problems a line '$unwanted';"
  if [ "$want_prefix" != - ]; then
    local entry="$apps/xptable-editor.desktop" exe="$home/.local/share/xptable-editor/XpTableEditor.exe"
    local program=wine
    [ "$wine" = none ] && program="$work/none/wine"
    local exec_line="Exec=env \"WINEPREFIX=$home/$want_prefix\" $program \"$exe\""
    grep -qxF -- "$exec_line" "$entry" || problems="$problems Exec is '$(grep '^Exec=' "$entry" || true)';"
    grep -qxF -- "TryExec=$program" "$entry" || problems="$problems TryExec is '$(grep '^TryExec=' "$entry" || true)';"
    desktop-file-validate "$entry" >"$work/validate" 2>&1 || problems="$problems invalid entry: $(cat "$work/validate");"
    cmp -s "$exe" "$work/program.exe" || problems="$problems the program is not the zip's;"
    local sizes
    sizes="$(for size in 16 32 48; do identify -format '%w %h %m,' "$icons/${size}x$size/apps/xptable-editor.png" 2>&1 || true; done)"
    [ "$sizes" = "16 16 PNG,32 32 PNG,48 48 PNG," ] || problems="$problems icons '$sizes';"
  fi
  "${env[@]}" bash "$root/scripts/install-desktop.sh" --remove >/dev/null 2>&1 || problems="$problems --remove failed;"
  [ "$(listing "$home")" = "$before" ] || problems="$problems left behind: $(diff <(echo "$before") <(listing "$home") | tr '\n' ' ' || true);"
  if [ -n "$problems" ]; then fail "$name" "$problems" "$out"; else echo "ok   $name"; fi
}

#     name         home holds          WINEPREFIX WINE zip                    runs
#                  exit  Exec's prefix  a line of the output / a line it must not hold
check no-fonts     prefix               pfx       -    "$zip"                 1 \
  0 pfx "add them with: bash $root/scripts/wine-fonts.sh $work/no-fonts\\ home/pfx" "Wine with 32-bit"
check fonts        "prefix-fonts own-entry" pfx   -    "$zip"                 2 \
  0 pfx "installed $work/fonts home/.local/share/applications/xptable-editor.desktop" "note:"
check default      ""                   -         -    "$zip"                 1 \
  0 .wine "Wine makes the prefix $work/default home/.wine at the program's first start" ""
check no-wine      prefix-fonts         pfx       none "$zip"                 1 \
  0 pfx "needs Wine with 32-bit support" "interface fonts"
check not-release  ""                   -         -    "$work/no-program.zip" 1 \
  1 - "holds no XpTableEditor.exe" ""
check failed-entry apps-file            pfx       -    "$zip"                 1 \
  1 - "mkdir: cannot create directory" ""
check nothing      ""                   -         -    --remove               1 \
  0 - "nothing to remove" ""
[ "$failures" -eq 0 ]
