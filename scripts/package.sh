#!/usr/bin/env bash
# Builds the release for players: dist/XpTableEditor-<version>.zip with the program, the
# command xptable.exe and a short note in Russian, and beside it the Debian package of the
# command, dist/xptable_<version>_<arch>.deb (scripts/package-deb.sh). Uses the Windows
# build folder of scripts/test.sh when it is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build=build-win

bash scripts/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
fi
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt"; then
  echo "$build is not a release build: the program would keep its symbols" >&2
  exit 1
fi
cmake --build "$build" -j "$(nproc)" --target XpTableEditor xptable

version="$(sed -n 's/^#define XP_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/app/Version.h")"
stage="$build/release"
rm -rf "$stage"
mkdir -p "$stage" dist
cp "$build/XpTableEditor.exe" "$build/xptable.exe" "$stage/"
# Notepad on every Windows reads UTF-8 by its byte-order mark; lines end in CR LF.
{ printf '\xef\xbb\xbf'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' docs/release/readme.txt; } >"$stage/readme.txt"

# The files carry the last commit's time rather than the build's and the archive no owners,
# so the same sources give the same zip.
stamp="$(git log -1 --format=%ct 2>/dev/null || date +%s)"
touch -d "@$stamp" "$stage"/*
zip="dist/XpTableEditor-$version.zip"
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -q -X -9 "$root/$zip" XpTableEditor.exe xptable.exe readme.txt)
echo "$zip: $(stat -c %s "$zip") bytes (program $(stat -c %s "$stage/XpTableEditor.exe") bytes, command $(stat -c %s "$stage/xptable.exe") bytes)"

bash scripts/package-deb.sh
