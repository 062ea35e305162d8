# shellcheck shell=bash
# Sourced by the test scripts: the Wine prefix the tests run in, apart from the player's
# (scripts/run.sh), and its user folders kept inside it.

# The tests' prefix: XP_TEST_WINEPREFIX, else .wine-tests in this checkout (kept between
# runs; delete it to start afresh).
wine_test_prefix() {
  printf '%s' "${XP_TEST_WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/.wine-tests}"
}

# Wine links the user's Desktop, Documents, Templates and the like to the home folder (or
# the desktop's own folders), so a test that writes into one of them writes outside the
# prefix. Each link under the users' folders becomes a real folder inside the prefix; a
# missing one is made too, since Wine links a folder that is missing when it updates the
# prefix (after a Wine upgrade) and leaves a real one as it is, empty or not (seen with
# Wine 8). A note inside keeps the folder from ever being empty.
wine_user_folders_inside() {
  local user folder
  local folders=()
  while IFS= read -r -d '' folder; do
    rm -f "$folder"
    folders+=("$folder")
  done < <(find "$1/drive_c/users" -type l -print0 2>/dev/null)
  for user in "$1"/drive_c/users/*/; do
    [ "$(basename "$user")" = Public ] && continue
    for folder in Desktop Documents Downloads Music Pictures Videos AppData/Roaming/Microsoft/Windows/Templates; do
      folders+=("$user$folder")
    done
  done
  for folder in "${folders[@]}"; do
    mkdir -p "$folder"
    [ -f "$folder/.xptable-tests" ] ||
      echo "A folder of the tests' own Wine prefix, in place of Wine's link out of it." >"$folder/.xptable-tests"
  done
}

# Points Wine at the tests' prefix, and keeps Wine from writing menu entries and file types
# for the prefix's programs into the home folder.
wine_test_env() {
  export WINEPREFIX
  WINEPREFIX="$(wine_test_prefix)"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  [[ ";$WINEDLLOVERRIDES;" == *";winemenubuilder.exe=d;"* ]] || WINEDLLOVERRIDES+=";winemenubuilder.exe=d"
}
