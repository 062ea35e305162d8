#!/usr/bin/env bash
# Starts the program under Wine on a fresh virtual display and saves a screenshot of its
# main window:  bash scripts/screenshot.sh [out.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
out="${1:-docs/main-window.png}"

bash scripts/install-deps.sh
if [ -z "${XP_BUILD_DIR:-}" ] && [ ! -x build-win/XpTableEditor.exe ]; then
  cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
  cmake --build build-win -j "$(nproc)" --target XpTableEditor
fi

unset DISPLAY  # always a clean virtual display, nothing else on it
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start

wine "${XP_BUILD_DIR:-build-win}/XpTableEditor.exe" &
app=$!
sleep "${XP_SCREENSHOT_WAIT:-4}"
mkdir -p "$(dirname "$out")"
# The window is the only thing on the black root window: trimming the black leaves it.
import -window root -trim +repage "$out"
kill "$app" 2>/dev/null || true
echo "saved $out"
