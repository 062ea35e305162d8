#!/usr/bin/env bash
# Writers at once on one game: K processes, each writing M distinct tables in turn with the
# command (writer k runs the k-th of the commands given, round: native:PATH or wine:PATH.exe).
# Afterwards every table written is the final one or in exactly one back-up, the back-ups in
# number order replay each writer's tables in its order, and the one marker that says "no
# table" is the first. Prints the tables written, kept, lost and refused.
#   bash tests/cli/xptable_race_test.sh K M native:path/to/xptable [wine:path/to/xptable.exe]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
K="$1" M="$2" commands=("${@:3}")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
game="$work/game"
mkdir -p "$game"
# A chitin.key that lists no table: the writes name all three columns.
printf 'KEY V1  \0\0\0\0\0\0\0\0\x18\0\0\0\x18\0\0\0' >"$game/chitin.key"

# writer K: table m has 1000 + K*M + m for scrolls at level 1; lists those written or refused.
writer() {
  local command="${commands[$1 % ${#commands[@]}]}" at="$game" m v
  local run=("$(realpath "${command#*:}")")
  [ "${command%%:*}" = wine ] && run=(bash "$root/scripts/wine-run.sh" "${run[0]}") && at="Z:${game//\//\\}"
  for ((m = 0, v = 1000 + $1 * M; m < M; m++, v++)); do
    if LC_ALL=C.UTF-8 "${run[@]}" write "$at" --locks 0 --traps 0 --scrolls "0:$v" >/dev/null 2>"$work/err.$v"; then
      echo "$v" >>"$work/written.$1"
    elif grep -q "another program is writing" "$work/err.$v"; then
      echo "$v" >>"$work/refused"
    else
      echo "table $v: $(cat "$work/err.$v")" >>"$work/errors"
    fi
  done
}
touch "$work/refused" "$work/errors"
for ((k = 0; k < K; k++)); do touch "$work/written.$k" && writer "$k" & done
wait

# The chain: each back-up by number ("none" for a marker), then the final table.
level1() { awk '/^LEARN_SPELL/ { print $2 }' "$1"; }
for name in $(ls "$game/xpbonus-backup" | sort -t- -k2,2n) ../override/xpbonus.2da; do
  case "$name" in *.none) echo none ;; *) level1 "$game/xpbonus-backup/$name" ;; esac
done >"$work/chain"
failures=0
fail() { echo "xptable race test: $*" >&2; failures=$((failures + 1)); }
[ "$(grep -c none "$work/chain")$(head -1 "$work/chain")" = 1none ] || fail "a marker claims no table where one was"
sort "$work"/written.* >"$work/written"
grep -v none "$work/chain" | sort >"$work/kept"
written=$(wc -l <"$work/written") kept=$(comm -12 "$work/written" "$work/kept" | wc -l) refused=$(wc -l <"$work/refused")
[ ! -s "$work/errors" ] || fail "writes failed: $(head -3 "$work/errors")"
[ -z "$(uniq -d "$work/kept")" ] || fail "tables kept twice: $(uniq -d "$work/kept" | head -3 | tr '\n' ' ')"
[ -z "$(comm -13 "$work/written" "$work/kept")" ] || fail "tables kept that no write reported"
for ((k = 0; k < K; k++)); do
  cmp -s "$work/written.$k" <(grep -Fxf "$work/written.$k" "$work/chain") || fail "writer $k's tables out of order"
done
echo "xptable race test: $K writers x $M tables: written $written, kept $kept, lost $((written - kept)), refused $refused"
[ "$written" = "$kept" ] && [ "$written" -gt 0 ] || fail "$((written - kept)) of $written tables written are lost"
exit $((failures > 0))
