#!/usr/bin/env bash
# Puts the program into the user's desktop menu, to run under Wine: a desktop entry, the
# program's icon as PNG at each size app/app.ico holds, and a copy of XpTableEditor.exe
# taken from a release zip given here, else from the Windows build (build-win).
#   bash scripts/install-desktop.sh [XpTableEditor-<version>.zip]
#   bash scripts/install-desktop.sh --remove     takes away exactly what it installed
# The entry runs the program in the prefix WINEPREFIX names (else ~/.wine), resolved now:
# a desktop entry's Exec expands no variables. WINE names another wine program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/wine-font-files.sh"

data="${XDG_DATA_HOME:-$HOME/.local/share}"
home_dir="$data/xptable-editor"
record="$home_dir/installed"
entry="$data/applications/xptable-editor.desktop"

if [ "${1:-}" = "--remove" ]; then
  if [ ! -f "$record" ]; then
    echo "nothing to remove: nothing installed by this script in $data"
    exit 0
  fi
  mapfile -t lines <"$record"
  rm -f "$record"
  # Last made, first taken: files, then the folders this script made once they are empty.
  for ((i = ${#lines[@]} - 1; i >= 0; i--)); do
    kind="${lines[i]%% *}" path="${lines[i]#* }"
    case "$kind" in
      file) rm -f "$path" && echo "removed $path" ;;
      dir) rmdir "$path" 2>/dev/null && echo "removed $path/" || true ;;
    esac
  done
  exit 0
fi

zip="${1:-}"
for tool in convert identify; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: install ImageMagick (Debian: apt install imagemagick)" >&2; exit 1; }
done
if [ -n "$zip" ]; then
  [ -f "$zip" ] || { echo "no such release zip: $zip" >&2; exit 1; }
  command -v unzip >/dev/null || { echo "unzip is missing (Debian: apt install unzip)" >&2; exit 1; }
  unzip -Z1 "$zip" XpTableEditor.exe >/dev/null 2>&1 || { echo "$zip holds no XpTableEditor.exe" >&2; exit 1; }
elif [ ! -f "$root/build-win/XpTableEditor.exe" ]; then
  echo "no program to install: give the release zip (bash scripts/package.sh makes it in dist/)," \
    "or build the program first (bash scripts/run.sh)" >&2
  exit 1
fi

prefix="${WINEPREFIX:-$HOME/.wine}"
[[ "$prefix" == /* ]] || prefix="$PWD/$prefix"
wine="${WINE:-wine}"

# What this script made, one "file PATH" or "dir PATH" a line, kept across installs so that
# --remove also takes the folders an earlier install made.
made=()
[ -f "$record" ] && mapfile -t made <"$record"
note_made() {
  local line="$1 $2" each
  for each in "${made[@]}"; do [ "$each" = "$line" ] && return 0; done
  made+=("$line")
}
make_dir() {
  [ -d "$1" ] && return 0
  make_dir "$(dirname "$1")"
  mkdir "$1"
  note_made dir "$1"
}

# Kept on every exit, so what a failed install made is still taken by --remove.
save_record() {
  if [ "${#made[@]}" -gt 0 ] && [ -d "$home_dir" ]; then printf '%s\n' "${made[@]}" >"$record"; fi
}
work="$(mktemp -d)"
trap 'save_record; rm -rf "$work"' EXIT

make_dir "$home_dir"
exe="$home_dir/XpTableEditor.exe"
if [ -n "$zip" ]; then
  unzip -p "$zip" XpTableEditor.exe >"$work/XpTableEditor.exe"
else
  cp "$root/build-win/XpTableEditor.exe" "$work/XpTableEditor.exe"
fi
note_made file "$exe"
install -m 0644 "$work/XpTableEditor.exe" "$exe"

ico="$root/app/app.ico"
frame=0
while read -r width height; do
  if [ "$width" = "$height" ]; then
    icons="$data/icons/hicolor/${width}x${width}/apps"
    make_dir "$icons"
    convert "$ico[$frame]" -strip "PNG32:$work/icon.png"
    note_made file "$icons/xptable-editor.png"
    install -m 0644 "$work/icon.png" "$icons/xptable-editor.png"
  fi
  frame=$((frame + 1))
done < <(identify -format '%w %h\n' "$ico")

# One argument of Exec: quoted when it holds a reserved character, then its backslashes
# doubled once more for the entry's string value; % stands for itself as %%.
exec_arg() {
  local arg="${1//%/%%}" reserved='[[:space:]"'\''\\<>~|&;$*?#()`]'
  if [[ "$arg" =~ $reserved ]]; then
    arg="${arg//\\/\\\\}" arg="${arg//\"/\\\"}" arg="${arg//\`/\\\`}" arg="${arg//\$/\\\$}"
    arg="\"$arg\""
  fi
  printf '%s' "${arg//\\/\\\\}"
}
exec_line="$(exec_arg env) $(exec_arg "WINEPREFIX=$prefix") $(exec_arg "$wine") $(exec_arg "$exe")"

make_dir "$(dirname "$entry")"
while IFS= read -r line; do
  [ "$line" = "Exec=@EXEC@" ] && line="Exec=$exec_line"
  # A string value: only its backslashes are escaped.
  [ "$line" = "TryExec=@TRYEXEC@" ] && line="TryExec=${wine//\\/\\\\}"
  printf '%s\n' "$line"
done <"$root/packaging/xptable-editor.desktop" >"$work/entry"
note_made file "$entry"
install -m 0644 "$work/entry" "$entry"

save_record
echo "installed $entry, its icons and $exe; the entry runs it in the Wine prefix $prefix"

# What the program still needs to run: Wine that runs 32-bit programs, and the fonts.
wine_path="$(command -v "$wine" || true)"
if [ -z "$wine_path" ]; then
  echo "note: $wine is not installed; the program needs Wine with 32-bit support" \
    "(Debian: dpkg --add-architecture i386 && apt update && apt install wine wine32)"
elif [ "$wine_path" = /usr/bin/wine ] && command -v dpkg-query >/dev/null &&
  ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
  echo "note: Wine here has no 32-bit support, which the program needs" \
    "(Debian: dpkg --add-architecture i386 && apt update && apt install wine32)"
fi
fonts="$(wine_fonts_folder "$prefix")"
missing=""
while read -r target source; do
  [ -n "$(find "$fonts" -maxdepth 1 -iname "$target" -print -quit 2>/dev/null)" ] || missing=1
done < <(wine_font_files)
fonts_line="bash $(printf '%q' "$root/scripts/wine-fonts.sh") $(printf '%q' "$prefix")"
if [ ! -f "$prefix/system.reg" ]; then
  echo "note: Wine makes the prefix $prefix at the program's first start; then add the" \
    "interface fonts the window is drawn in with: $fonts_line"
elif [ -n "$missing" ]; then
  echo "note: the prefix lacks the interface fonts the window is drawn in; add them with:" \
    "$fonts_line"
fi
