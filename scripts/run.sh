#!/usr/bin/env bash
# Builds the program and starts it (under Wine on Linux).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build-win -j "$(nproc)" --target XpTableEditor

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start desktop
if [ -n "$_xvfb_pid" ]; then
  echo "no display: the program runs on the virtual display $DISPLAY"
fi
wine build-win/XpTableEditor.exe
