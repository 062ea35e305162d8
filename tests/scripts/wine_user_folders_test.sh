#!/usr/bin/env bash
# With the real Wine: a tests' prefix made by scripts/wine-run.sh holds its user folders
# (Desktop, Documents, ...) as real folders inside it, and still does after Wine updates the
# prefix, as it does after a Wine upgrade. The home folder is a scratch one: Wine would link
# the folders there, and nothing of the prefix's making may land in it.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
export XP_TEST_WINEPREFIX="$work/prefix" WINEPREFIX="$work/prefix" HOME="$work/home"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$HOME"
unset DISPLAY WINEDLLOVERRIDES

failures=0
# check WHEN: every user folder a real folder, no link anywhere under the users, the home empty.
check() {
  local user folder problems=""
  for user in "$WINEPREFIX"/drive_c/users/*/; do
    [ "$(basename "$user")" = Public ] && continue
    for folder in Desktop Documents Downloads Music Pictures Videos; do
      [ -d "$user$folder" ] && [ ! -L "$user$folder" ] || problems="$problems $(basename "$user")/$folder is no real folder;"
    done
  done
  [ -n "$(ls "$WINEPREFIX/drive_c/users")" ] || problems="$problems the prefix has no users;"
  local links
  links="$(find "$WINEPREFIX/drive_c/users" -type l)"
  [ -z "$links" ] || problems="$problems links: $links;"
  [ -z "$(ls -A "$HOME")" ] || problems="$problems the home folder holds: $(ls -A "$HOME" | tr '\n' ' ');"
  if [ -n "$problems" ]; then
    echo "FAIL $1:$problems"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

bash "$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1
wineserver -w
check "made"

# Wine updates a prefix whose time stamp differs from its own set-up's: the first program
# started does it before it runs.
stamp="$(cat "$WINEPREFIX/.update-timestamp")"
echo 0 >"$WINEPREFIX/.update-timestamp"
bash "$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1
wineserver -w
if [ "$(cat "$WINEPREFIX/.update-timestamp")" != "$stamp" ]; then
  echo "FAIL updated: Wine did not update the prefix"
  failures=$((failures + 1))
fi
check "updated"
[ "$failures" -eq 0 ]
