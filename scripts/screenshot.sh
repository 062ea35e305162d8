#!/usr/bin/env bash
# Starts the program under Wine on a fresh virtual display and saves a screenshot of its
# main window, or with --about of its About window (opened by a click on the About
# button):  bash scripts/screenshot.sh [--about] [out.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
about=""
if [ "${1:-}" = "--about" ]; then
  about=1
  shift
fi
out="${1:-docs/main-window.png}"
[ -n "$about" ] && out="${1:-docs/about-window.png}"

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
if [ -n "$about" ]; then
  # The About button's middle is 28, 406 in the main window's client area, whose frame
  # is as wide left as at the bottom (no window manager on this display).
  main="$(xdotool search --name 'BG2 / BGT' | tail -n 1)"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  frame=$(( (WIDTH - 392) / 2 ))
  xdotool mousemove $(( X + frame + 28 )) $(( Y + HEIGHT - frame - 426 + 406 )) click 1
  sleep 2
  import -window "$(xdotool search --name 'О программе' | tail -n 1)" "$out"
else
  # The window is the only thing on the black root window: trimming the black leaves it.
  import -window root -trim +repage "$out"
fi
kill "$app" 2>/dev/null || true
echo "saved $out"
