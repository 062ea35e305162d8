#!/usr/bin/env bash
# The native command end to end on game folders made by scripts/make-game.sh: every kind of
# source in text and JSON, every exit code, the Russian messages.
#   bash tests/cli/xptable_test.sh path/to/xptable
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
xptable="$(realpath "$1")"
source "$root/tests/cli/games.sh"

failures=0
fail() { echo "xptable test: $*" >&2; failures=$((failures + 1)); }
# expect CODE WHAT ARGS...: runs the command in English, keeps stdout and stderr
expect() {
  local code="$1" what="$2"; shift 2
  local status=0
  LC_ALL=C.UTF-8 "$xptable" "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" = "$code" ] || fail "$what: exit $status, not $code ($(head -c 300 "$work/err"))"
}
has() { grep -qF -- "$2" "$work/$1" || fail "$3: no '$2' in $1: $(head -c 400 "$work/$1")"; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
make_games "$work"
echo notes >"$work/notes.txt"

# JSON: where the table came from, per kind of source.
while read -r game kind compression; do
  expect 0 "$game --json" show "$work/$game" --json
  has out "\"kind\": \"$kind\"" "$game"
  has out "\"compression\": \"$compression\"" "$game"
done <<'TABLE'
stock archive none
bifc archive bifc
cbf archive bif
modded override none
table.2da file none
empty none none
TABLE
expect 0 "stock --json" show "$work/stock" --json
[ "$(grep -c '"template": 1$' "$work/out")" = 3 ] || fail "the stock game is not template 1 for all three activities"
has out '"cap": 40' "the stock cap"

# A path the user names is followed through a link.
ln -s "$work/stock" "$work/stock-link"
expect 0 "show through a link" show "$work/stock-link" --json
has out '"kind": "archive"' "show through a link"

# Text, once per kind of source.
while IFS='|' read -r game line; do
  expect 0 "$game text" show "$work/$game"
  has out "$line" "$game text"
done <<TABLE
stock|Source: archive $work/stock/data/
stock|.bif (not compressed), listed in $work/stock/chitin.key
stock|Locks (row 0, label PICK_LOCK), template: Таблица опыта, используемая в оригинальном Baldur's Gate 2
stock|  1-5: 250, 6-10: 400, 11-15: 950, 16-40: 1550
modded|Source: override file $work/modded/override/xpbonus.2da
modded|[leading-zero]
table.2da|Source: file $work/table.2da
empty|Source: none, the game has no table and pays the default
TABLE

# Exit codes: 1 for data that cannot be read, 2 for wrong usage; one line on stderr.
while IFS='|' read -r code what args; do
  # shellcheck disable=SC2086
  expect "$code" "$what" $args
  [ "$code" = 0 ] || [ "$(wc -l <"$work/err")" = 1 ] || fail "$what: not one line on stderr"
done <<TABLE
0|help|--help
0|version|--version
0|templates|templates --json
1|missing folder|show $work/nothing
1|not a game|show $work/notgame
1|not a table|show $work/notes.txt
1|broken key|show $work/broken
2|no command|
2|unknown option|show $work/stock --xml
2|no path|show
TABLE

# write -> backups -> restore -> restore: each step keeps what it replaces, two restores
# come back to the table before them, the marker removes the table again.
game="$work/roundtrip"
cp -r "$work/stock" "$game"
table="$game/override/xpbonus.2da"
expect 0 "dry run" write "$game" --traps 3 --locks 0 --scrolls 5:1234,7 --dry-run
[ ! -e "$game/override" ] && [ ! -e "$game/xpbonus-backup" ] || fail "the dry run wrote"
has out 'PICK_LOCK' "the dry run's table"
expect 0 "first write" write "$game" --traps 3 --locks 0 --scrolls 5:1234,7
has out "Written: $table" "first write"
has out "There was no table in override" "first write's marker"
cp "$table" "$work/first.2da"
expect 0 "show after write" show "$game" --json
[ "$(grep -cE '"template": (0|3|null)$' "$work/out")" = 3 ] || fail "not locks 0, traps 3, custom scrolls: $(cat "$work/out")"
expect 0 "second write" write "$game" --locks 2
has out "The replaced table was kept in: $game/xpbonus-backup/" "second write"
cp "$table" "$work/second.2da"
expect 0 "backups" backups "$game"
[ "$(wc -l <"$work/out")" = 2 ] || fail "backups: not two lines: $(cat "$work/out")"
head -1 "$work/out" | grep -qE '^xpbonus-000002-[0-9]{8}-[0-9]{6}\.2da  Locks 0, Traps 3, Scrolls custom$' || fail "newest back-up: $(cat "$work/out")"
tail -1 "$work/out" | grep -qE '\.none  no table$' || fail "the marker: $(cat "$work/out")"
marker="$(tail -1 "$work/out" | cut -d' ' -f1)"
expect 0 "backups --json" backups "$game" --json
has out '"templates": {' "backups --json"
has out '"table": false' "backups --json marker"
expect 0 "first restore" restore "$game"
cmp -s "$table" "$work/first.2da" || fail "the first restore did not bring back the first write"
expect 0 "second restore" restore "$game"
cmp -s "$table" "$work/second.2da" || fail "two restores did not come back to the start"
expect 0 "restore the marker" restore "$game" "$marker"
has out "Removed: $table" "restore the marker"
[ ! -e "$table" ] || fail "the marker did not remove the table"
expect 0 "backups after" backups "$game"
[ "$(wc -l <"$work/out")" = 5 ] || fail "not five back-ups after three restores: $(cat "$work/out")"

# What the command refuses: the game's current values that would not be written as read, and
# a back-up name that leaves the back-up folder.
cp -r "$work/modded" "$work/refused"
expect 1 "current with a leading zero" write "$work/refused" --traps 1
has err '[leading-zero] line 4' "refused current"
[ ! -e "$work/refused/xpbonus-backup" ] || fail "a refused write left a back-up"
expect 0 "explicit locks" write "$work/refused" --locks 1 --dry-run
expect 1 "no table to take" write "$work/empty" --locks 1
has err '[missing]' "no table"
expect 2 "a path as back-up name" restore "$game" ../x
expect 2 "an empty back-up name" restore "$game" ""

# A fourth row: shown, not a reason to refuse current, and named when a write leaves it out.
game4="$work/fourrows"
cp -r "$work/stock" "$game4"
mkdir -p "$game4/override"
printf '2DA V1.0\r\n0\r\n   1 2\r\nPICK_LOCK 1 2\r\nDISARM_TRAP 1 2\r\nLEARN_SPELL 1 2\r\nPICK_POCKET 5 5\r\n' >"$game4/override/xpbonus.2da"
expect 0 "show a fourth row" show "$game4"
has out '[extra-rows] Row 3 ("PICK_POCKET")' "show a fourth row"
expect 0 "write over a fourth row" write "$game4" --locks current --traps 2
has out 'The replaced table had rows past the third that this one lacks: "PICK_POCKET"; the back-up just made keeps them.' "write over a fourth row"

# Output that cannot be written is a failure, said on stderr in the system's words.
while IFS='|' read -r locale args want; do
  status=0
  # shellcheck disable=SC2086
  LC_ALL="$locale" "$xptable" $args >/dev/full 2>"$work/err" || status=$?
  [ "$status" = 1 ] && [ "$(cat "$work/err")" = "$want" ] || fail "$args >/dev/full: exit $status, $(cat "$work/err")"
done <<EOF
C.UTF-8|templates|xptable: cannot write the output: No space left on device
C.UTF-8|show $work/stock --json|xptable: cannot write the output: No space left on device
ru_RU.UTF-8|--version|xptable: не удаётся вывести результат: На устройстве не осталось свободного места
EOF
expect 1 "no back-up" restore "$work/stock"
has err 'no back-up' "no back-up"

# Russian, by the first locale variable that is set.
status=0
LANG=ru_RU.UTF-8 LC_ALL= LC_MESSAGES= "$xptable" show "$work/nothing" 2>"$work/err" || status=$?
[ "$status" = 1 ] && grep -qF 'нет такого файла или каталога' "$work/err" || fail "Russian missing-path message: $(cat "$work/err")"
status=0
LC_ALL=ru_RU.UTF-8 "$xptable" show "$work/broken" 2>"$work/err" || status=$?
[ "$status" = 1 ] && grep -qF 'chitin.key, смещение 0: заголовок обрезан' "$work/err" || fail "Russian read error: $(cat "$work/err")"
LC_ALL=ru_RU.UTF-8 "$xptable" show "$work/stock" >"$work/out"
has out "Взлом замков (ряд 0, метка PICK_LOCK), шаблон: Таблица опыта, используемая в оригинальном Baldur's Gate 2" "Russian text"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "xptable test: passed"
