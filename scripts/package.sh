#!/usr/bin/env bash
# Builds the release for players: dist/XpTableEditor-<version>.zip with the program, the
# command xptable.exe, a short note in Russian and the licences (ours and those of the code
# compiled in), and beside it the Debian packages of the command (scripts/package-deb.sh);
# dist/SHA256SUMS lists them. Uses the Windows build folder of scripts/test.sh when it is
# there. The same commit gives the same files, byte for byte (tests/scripts/rebuild_check.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build=build-win
umask 022

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
# Our licence, then the notices of the code compiled into the programs; the Apache License
# that one piece of JSON for Modern C++ comes under closes it (base-files has its text).
{
  printf '\xef\xbb\xbf'
  { cat LICENSE; echo; cat packaging/notices.txt; echo
    printf '=%.0s' {1..78}; printf '\nThe Apache License 2.0\n'; printf '=%.0s' {1..78}; printf '\n\n'
    cat /usr/share/common-licenses/Apache-2.0; } | sed 's/$/\r/'
} >"$stage/LICENSE.txt"
chmod 0644 "$stage"/*

# The files carry the last commit's time rather than the build's and the archive no owners,
# so the same sources give the same zip.
stamp="$(bash scripts/source-date.sh)"
touch -d "@$stamp" "$stage"/*
zip="dist/XpTableEditor-$version.zip"
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -q -X -9 "$root/$zip" XpTableEditor.exe xptable.exe readme.txt LICENSE.txt)
echo "$zip: $(stat -c %s "$zip") bytes (program $(stat -c %s "$stage/XpTableEditor.exe") bytes, command $(stat -c %s "$stage/xptable.exe") bytes)"

SOURCE_DATE_EPOCH="$stamp" bash scripts/package-deb.sh
