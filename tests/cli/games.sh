# Sourced by the command's tests: make_games DIR makes the game folders they read.
#   stock, bifc, cbf  the stock table in a plain, a BIFC and a BIF V1.0 archive
#   modded            an override table with a leading zero
#   table.2da         a table file on its own
#   empty             a chitin.key that lists no table
#   notgame, broken   a folder without game files, and one whose chitin.key is cut short
make_games() {
  local dir="$1" root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  printf '2DA V1.0\r\n0\r\n   1 2 3\r\nPICK_LOCK 010 20 30\r\nDISARM_TRAP 1 2 3\r\nLEARN_SPELL 1 2 3\r\n' >"$dir/table.2da"
  bash "$root/scripts/make-game.sh" "$dir/stock" >/dev/null
  bash "$root/scripts/make-game.sh" "$dir/bifc" --bifc >/dev/null
  bash "$root/scripts/make-game.sh" "$dir/cbf" --cbf >/dev/null
  bash "$root/scripts/make-game.sh" "$dir/modded" --override "$dir/table.2da" >/dev/null
  mkdir -p "$dir/empty" "$dir/notgame" "$dir/broken"
  # KEY V1 with no archives and no resources: both tables start right after the header.
  printf 'KEY V1  \0\0\0\0\0\0\0\0\x18\0\0\0\x18\0\0\0' >"$dir/empty/chitin.key"
  printf 'KEY V1  \1\0' >"$dir/broken/chitin.key"
}
