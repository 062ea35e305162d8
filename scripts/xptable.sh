#!/usr/bin/env bash
# Builds the native command xptable (once, in build-cli) and runs it with the arguments:
#   bash scripts/xptable.sh show ~/games/bg2
# No Wine needed. The command is build-cli/xptable; copy it anywhere on the PATH.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-cli"

if [ ! -f "$build/build.ninja" ]; then
  bash "$root/scripts/install-deps.sh" >&2
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target xptable >/dev/null
exec "$build/xptable" "$@"
