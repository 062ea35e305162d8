#!/usr/bin/env bash
# Installs what is missing, configures every build folder afresh, builds and runs all tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

jobs="$(nproc)"
rm -rf build-native build-win build-fuzz

echo "== native build (g++, AddressSanitizer + UBSan)"
cmake -S . -B build-native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-native -j "$jobs"

echo "== Windows build (mingw-w64, i686)"
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build-win -j "$jobs"

echo "== clang build (libFuzzer)"
# No build type: cmake/Fuzz.cmake sets the optimisation the fuzzer needs.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE= -DXP_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$jobs"

status=0
echo "== native tests"
ctest --test-dir build-native --output-on-failure -j "$jobs" || status=1

echo "== fuzz targets"
# One target at a time: each fuzzes for a fixed time on one core, and its inputs a second
# are its own, not shared with another target's (two at once ran 10-50% slower each).
ctest --test-dir build-fuzz --output-on-failure -j 1 || status=1
cat build-fuzz/*.summary 2>/dev/null || true

# The Windows suites run twice: in English (code page 1252) and in the players' Russian
# (code page 1251, Russian interface), each time with Wine's own programs started anew in
# that locale. Their prefix is the tests' own, never the player's.
source scripts/wine-env.sh
source scripts/wine-test-prefix.sh
wine_test_env
trap wine_env_stop EXIT
for locale in C.UTF-8 ru_RU.UTF-8; do
  echo "== Windows tests under Wine, LC_ALL=$locale"
  export LC_ALL="$locale" LANG="$locale"
  wineserver -k 2>/dev/null && wineserver -w
  wine_env_start
  started=$SECONDS
  ctest --test-dir build-win --output-on-failure || status=1
  echo "Windows tests, LC_ALL=$locale: $((SECONDS - started)) s"
done
export LC_ALL=C.UTF-8 LANG=C.UTF-8

echo "== release zip and Debian package"
{ bash scripts/package.sh && bash tests/scripts/release_check.sh; } || status=1

echo "== Debian package (never installed here) and desktop entry"
bash tests/scripts/deb_check.sh || status=1

echo "== the Debian packages built again elsewhere, compared byte for byte"
bash tests/scripts/rebuild_check.sh || status=1
bash tests/scripts/install_desktop_test.sh || status=1

exit $status
