#!/usr/bin/env bash
# xptable.exe under Wine against the native command: the same JSON on a copy of each game
# folder under a Cyrillic name (apart from the paths), the same bytes of text, the same
# exit codes, and Russian messages under a Russian locale.
#   bash tests/cli/xptable_wine_test.sh path/to/xptable.exe path/to/native/xptable
# Run by CTest in the Windows build inside the Wine environment of scripts/test.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
exe="$(realpath "$1")"
native="$(realpath "$2")"
[ -x "$native" ] || { echo "xptable wine test: no native command at $2 (build the native folder first)" >&2; exit 1; }
source "$root/tests/cli/games.sh"

failures=0
fail() { echo "xptable wine test: $*" >&2; failures=$((failures + 1)); }
# Wine turns the arguments into UTF-16 by the locale's character set: UTF-8 here.
export LC_ALL=C.UTF-8
wine_xptable() { bash "$root/scripts/wine-run.sh" "$exe" "$@"; }
# The JSON without the lines that hold paths.
pathless() { grep -vE '^    "(path|archive)": '; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
make_games "$work"
cyrillic="$work/Игры"
mkdir -p "$cyrillic"
for game in stock bifc cbf modded empty table.2da; do
  cp -r "$work/$game" "$cyrillic/Игра $game"
  windows="$(bash "$root/scripts/wine-run.sh" winepath -w "$cyrillic/Игра $game" 2>/dev/null)"
  "$native" show "$work/$game" --json | pathless >"$work/native.json"
  wine_xptable show "$windows" --json >"$work/wine.raw" || fail "$game: wine exit $?"
  pathless <"$work/wine.raw" >"$work/wine.json"
  cmp -s "$work/native.json" "$work/wine.json" || fail "$game: JSON differs: $(diff "$work/native.json" "$work/wine.json" | head -5)"
  grep -qF "Игры\\\\Игра $game" "$work/wine.raw" || fail "$game: the path is not the Cyrillic one as opened"
done
[ "$(wine_xptable show "$(bash "$root/scripts/wine-run.sh" winepath -w "$cyrillic/Игра stock")" --json | grep -c '"template": 1$')" = 3 ] ||
  fail "the stock game is not template 1 for all three activities"

# Text: the same bytes in both builds (no CR added), the source line apart.
wine_xptable show "$(bash "$root/scripts/wine-run.sh" winepath -w "$cyrillic/Игра modded")" | tail -n +2 >"$work/wine.txt"
"$native" show "$work/modded" | tail -n +2 >"$work/native.txt"
cmp -s "$work/native.txt" "$work/wine.txt" || fail "show text differs: $(diff "$work/native.txt" "$work/wine.txt" | head -5)"
cmp -s <("$native" templates) <(wine_xptable templates) || fail "templates text differs"

# Exit codes.
while IFS='|' read -r code what args; do
  status=0
  # shellcheck disable=SC2086
  wine_xptable $args >/dev/null 2>"$work/err" || status=$?
  [ "$status" = "$code" ] || fail "$what: exit $status, not $code ($(head -c 300 "$work/err"))"
done <<TABLE
0|version|--version
1|missing folder|show Z:\\nothing\\here
1|not a game|show $(bash "$root/scripts/wine-run.sh" winepath -w "$work/notgame")
2|no command|
2|unknown option|templates --xml
TABLE

# write -> backups -> restore -> restore in a Cyrillic game folder past 260 characters: the
# same files as the native command's, each step keeping what it replaces.
long="$cyrillic/$(printf 'длинная-папка-%.0s' 1 2 3 4 5 6)1/$(printf 'ещё-глубже-%.0s' 1 2 3 4 5 6 7)2/$(printf 'уровень-%.0s' 1 2 3 4 5 6 7 8)3/$(printf 'Игра-%.0s' 1 2 3 4 5 6 7 8 9 10)4"
mkdir -p "$long" && cp -r "$work/stock/." "$long"
cp -r "$work/stock" "$work/native-game"
# Wine shows the Linux root as Z: (winepath itself stops at 260 characters).
game="Z:${long//\//\\}"
[ "${#game}" -gt 260 ] || fail "the game folder is only ${#game} characters long"
# step WHAT ARGS...: the Wine command on the long folder, the native one on its copy. A
# back-up is named by each command's own listing: the names carry the time of the write.
step() {
  local what="$1" status=0 native_args; shift
  native_args=("${@:2}")
  if [ "${1}" = restore ] && [ "${2:-}" = MARKER ]; then
    set -- restore "$(wine_xptable backups "$game" | tail -1 | cut -d' ' -f1)"
    native_args=("$("$native" backups "$work/native-game" | tail -1 | cut -d' ' -f1)")
  fi
  wine_xptable "$1" "$game" "${@:2}" >"$work/wine.out" 2>"$work/err" || status=$?
  [ "$status" = 0 ] || fail "$what: wine exit $status ($(head -c 300 "$work/err"))"
  "$native" "$1" "$work/native-game" "${native_args[@]}" >/dev/null || fail "$what: native exit $?"
  if [ -e "$work/native-game/override/xpbonus.2da" ]; then
    cmp -s "$long/override/xpbonus.2da" "$work/native-game/override/xpbonus.2da" || fail "$what: the files differ"
  else
    [ ! -e "$long/override/xpbonus.2da" ] || fail "$what: the table was not removed"
  fi
}
step "first write" write --traps 3 --locks 0 --scrolls 5:1234,7
grep -qF 'Written: ' "$work/wine.out" || fail "first write: $(cat "$work/wine.out")"
# The folder is flushed where Wine allows it, and a refusal is no failure: no warning.
[ ! -s "$work/err" ] || fail "first write warned: $(head -c 300 "$work/err")"
step "second write" write --locks 2
step "backups" backups
head -1 "$work/wine.out" | grep -qE '^xpbonus-000002-.*\.2da  Locks 0, Traps 3, Scrolls custom$' || fail "backups: $(cat "$work/wine.out")"
step "first restore" restore
step "second restore" restore
cmp -s "$long/override/xpbonus.2da" <("$native" write "$work/stock" --traps 3 --locks 2 --scrolls 5:1234,7 --dry-run) ||
  fail "two restores did not come back to the second write"
step "restore the marker" restore MARKER
[ "$(ls "$long/xpbonus-backup" | wc -l)" = 5 ] || fail "not five back-ups: $(ls "$long/xpbonus-backup")"

# A game folder as typed with a trailing space, in the device form, and with slashes after
# "//?/" and ".." in it: made full once where it comes in, so the names joined to it are found.
stock="$(bash "$root/scripts/wine-run.sh" winepath -w "$work/stock" 2>/dev/null)"
for typed in "$stock " "\\\\.\\$stock" "//?/${stock//\\//}/../stock"; do
  wine_xptable show "$typed" --json >/dev/null 2>"$work/err" || fail "show '$typed': $(head -c 300 "$work/err")"
done

# Russian: Wine takes the user's interface language from the locale.
status=0
LC_ALL=ru_RU.UTF-8 wine_xptable show 'Z:\nothing\here' 2>"$work/err" || status=$?
[ "$status" = 1 ] && grep -qF 'нет такого файла или каталога' "$work/err" || fail "Russian message: $(cat "$work/err")"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "xptable wine test: passed"
