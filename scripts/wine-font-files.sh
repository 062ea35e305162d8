# Sourced by the Wine scripts: the interface fonts the program's windows use (MS Sans Serif,
# Marlett for the title-bar boxes, Tahoma), as Wine's own versions from the package
# fonts-wine, and where to find them. Wine reads fonts from the prefix's own Fonts folder.
#
# Wine uses a bitmap font only under the file name the prefix's font registry gives for the
# code page: sserife.fon for the Western one, sserifer.fon for the Cyrillic one. The
# Cyrillic MS Sans Serif stands under both, so the Russian texts draw under either page.

# One line per font: its name in the prefix's Fonts folder, then its name in the package.
wine_font_files() {
  printf '%s\n' "sserife.fon sserifer.fon" "sserifer.fon sserifer.fon" "marlett.ttf marlett.ttf" \
    "tahoma.ttf tahoma.ttf" "tahomabd.ttf tahomabd.ttf"
}

# The prefix's Fonts folder (the same in 32- and 64-bit prefixes).
wine_fonts_folder() {
  printf '%s/drive_c/windows/Fonts' "$1"
}

# Prints the first folder that holds every font: the system's (XP_SYSTEM_WINE_FONTS names
# another one), else share/wine/fonts beside the wine program on the PATH, as found and
# with its links resolved. Fails when none does.
wine_fonts_source() {
  local dirs=("${XP_SYSTEM_WINE_FONTS:-/usr/share/wine/fonts}") wine dir target source complete
  if wine="$(command -v wine)"; then
    dirs+=("$(dirname "$wine")/../share/wine/fonts" "$(dirname "$(readlink -f "$wine")")/../share/wine/fonts")
  fi
  for dir in "${dirs[@]}"; do
    complete=1
    while read -r target source; do
      [ -f "$dir/$source" ] || complete=""
    done < <(wine_font_files)
    if [ -n "$complete" ]; then
      (cd "$dir" && pwd)
      return 0
    fi
  done
  return 1
}

# Makes the prefix's fonts those of the package: copies each one that is missing or
# differs, so nothing is copied when all are in place. A copy lands under its name at once
# (written beside it, then renamed), so no Wine process sees half a font.
wine_fonts_sync() {
  local fonts source_dir target source
  fonts="$(wine_fonts_folder "$1")"
  if ! source_dir="$(wine_fonts_source)"; then
    echo "Wine's interface fonts are missing (package fonts-wine): run scripts/install-deps.sh" >&2
    return 0
  fi
  while read -r target source; do
    cmp -s "$source_dir/$source" "$fonts/$target" && continue
    mkdir -p "$fonts"
    cp "$source_dir/$source" "$fonts/.$target.$$" && mv -f "$fonts/.$target.$$" "$fonts/$target"
  done < <(wine_font_files)
}
