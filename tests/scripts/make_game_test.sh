#!/usr/bin/env bash
# scripts/make-game.sh: each archive form, and an override table, where the game keeps them.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

starts_with() {  # FILE TEXT
  [ "$(head -c "${#2}" "$1")" = "$2" ] || { echo "FAIL: $1 does not start with '$2'"; exit 1; }
}

bash "$root/scripts/make-game.sh" "$dir/plain" >/dev/null
starts_with "$dir/plain/chitin.key" "KEY V1  "
starts_with "$dir/plain/data/Data0.bif" "BIFFV1  "

bash "$root/scripts/make-game.sh" "$dir/bifc" --bifc >/dev/null
starts_with "$dir/bifc/data/Data0.bif" "BIFCV1.0"

printf '2DA V1.0\r\n0\r\n' > "$dir/table.2da"
bash "$root/scripts/make-game.sh" "$dir/cbf" --cbf --override "$dir/table.2da" >/dev/null
starts_with "$dir/cbf/data/Data0.cbf" "BIF V1.0"
cmp "$dir/table.2da" "$dir/cbf/override/xpbonus.2da"

status=0
bash "$root/scripts/make-game.sh" "$dir/bad" --zip >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || { echo "FAIL: an unknown option gave status $status, not 2"; exit 1; }
echo "make-game: ok"
