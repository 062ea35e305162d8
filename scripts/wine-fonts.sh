#!/usr/bin/env bash
# Puts Wine's versions of the interface fonts (MS Sans Serif, Marlett, Tahoma) into an
# existing Wine prefix, so the program's windows look and measure there as on Windows:
#   bash scripts/wine-fonts.sh [PREFIX]            (default ~/.wine)
#   bash scripts/wine-fonts.sh --remove [PREFIX]   takes away what this script placed
# A font file already in the prefix is left as it is. What is placed is listed in
# PREFIX/.xptable-fonts, and --remove removes exactly those files.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-font-files.sh"

remove=""
if [ "${1:-}" = "--remove" ]; then
  remove=1
  shift
fi
prefix="${1:-$HOME/.wine}"
if [ ! -f "$prefix/system.reg" ]; then
  echo "not a Wine prefix: $prefix (it has no system.reg)" >&2
  exit 1
fi
prefix="$(cd "$prefix" && pwd)"
fonts="$(wine_fonts_folder "$prefix")"
record="$prefix/.xptable-fonts"

if [ -n "$remove" ]; then
  if [ ! -f "$record" ]; then
    echo "nothing to remove: this script placed no fonts in $prefix"
    exit 0
  fi
  while read -r name; do
    [ -n "$name" ] && rm -f "$fonts/$name" && echo "removed $fonts/$name"
  done <"$record"
  rm -f "$record"
  exit 0
fi

if ! source_dir="$(wine_fonts_source)"; then
  echo "Wine's fonts are in neither ${XP_SYSTEM_WINE_FONTS:-/usr/share/wine/fonts} nor the share/wine/fonts" \
    "beside the wine program: install the package fonts-wine (Debian, Ubuntu: apt-get install fonts-wine)" >&2
  exit 1
fi
echo "fonts from $source_dir"
mkdir -p "$fonts"
placed=0
while read -r target source; do
  # Windows' names know no letter case: TAHOMA.TTF is the font tahoma.ttf too.
  existing="$(find "$fonts" -maxdepth 1 -iname "$target" -print -quit)"
  if [ -n "$existing" ]; then
    echo "kept $existing (already there)"
    continue
  fi
  cp "$source_dir/$source" "$fonts/$target"
  grep -qxF "$target" "$record" 2>/dev/null || echo "$target" >>"$record"
  echo "placed $fonts/$target"
  placed=$((placed + 1))
done < <(wine_font_files)

if [ "$placed" -gt 0 ]; then
  echo "These fonts serve every program in $prefix; there the Cyrillic MS Sans Serif also stands" \
    "under the Western name sserife.fon, in place of the Western one. Undo: bash $0 --remove $prefix"
fi
