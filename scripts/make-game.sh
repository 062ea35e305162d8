#!/usr/bin/env bash
# Builds a game folder for trying the reader by hand, in tests and in the benchmark:
# chitin.key and data archives holding the stock XP table (plain BIFF, or --bifc / --cbf),
# and with --override FILE that file as override/xpbonus.2da.
#   scripts/make-game.sh DIR [--bifc | --cbf] [--override FILE] [--archives N] [--resources N]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${XP_NATIVE_BUILD:-$root/build-native}"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target make_game >/dev/null
exec "$build/make_game" "$@"
