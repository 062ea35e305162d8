#!/usr/bin/env bash
# Checks the release zip made by scripts/package.sh: its entries, that the program is a
# 32-bit windowed PE without symbols needing only Windows' own DLLs, that its version
# resource read back under Wine gives the project's version, that it starts without the
# shell, and the players' note.
#   bash tests/scripts/release_check.sh [build-folder]
# Run by scripts/test.sh inside its Wine environment; alone, it starts one.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
build="${1:-build-win}"
objdump=i686-w64-mingw32-objdump

failures=0
fail() { echo "release check: $*" >&2; failures=$((failures + 1)); }

version="$(sed -n 's/^#define XP_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/app/Version.h")"
zip="dist/XpTableEditor-$version.zip"
[ -f "$zip" ] || { echo "release check: no $zip" >&2; exit 1; }

entries="$(unzip -Z1 "$zip" | sort | tr '\n' ' ')"
[ "$entries" = "XpTableEditor.exe readme.txt " ] || fail "entries are: $entries"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
exe="$work/XpTableEditor.exe"

headers="$($objdump -p "$exe")"
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit x86 PE"
grep -qE '^Magic\s+010b\s+\(PE32\)' <<<"$headers" || fail "not PE32"
grep -qE '^Subsystem\s+00000002\s+\(Windows GUI\)' <<<"$headers" || fail "not a windowed program"
grep -q 'symbols stripped' <<<"$headers" || fail "symbols not stripped"
if $objdump -h "$exe" | grep -q '\.debug'; then fail "has debug sections"; fi
symbols="$(i686-w64-mingw32-nm "$exe" 2>&1 || true)"
if grep -vq 'no symbols' <<<"$symbols"; then fail "has a symbol table"; fi

# Windows' own DLLs only: no runtime of the compiler beside the program. The shell and COM
# libraries are loaded when first needed: imported, they would load at every start.
while read -r dll; do
  case "${dll,,}" in
    advapi32.dll | comctl32.dll | comdlg32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | user32.dll | \
      uxtheme.dll | version.dll) ;;
    ole32.dll | oleaut32.dll | shell32.dll | shlwapi.dll) fail "imports $dll, which loads only when first needed" ;;
    *) fail "imports $dll" ;;
  esac
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

note="$work/readme.txt"
[ "$(head -c 3 "$note" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "note has no UTF-8 mark"
iconv -f UTF-8 -t UTF-8 "$note" >/dev/null 2>&1 || fail "note is not UTF-8"
[ "$(grep -c $'\r$' "$note")" = "$(wc -l <"$note")" ] || fail "note lines do not all end in CR LF"
grep -q "XP Table Editor $version" "$note" || fail "note does not name version $version"
grep -qF 'override\xpbonus.2da' "$note" || fail "note does not say where the file goes"

if [ -z "${DISPLAY:-}" ]; then
  source scripts/wine-env.sh
  trap 'wine_env_stop; rm -rf "$work"' EXIT
  wine_env_start
fi
XP_PROGRAM="$(bash scripts/wine-run.sh winepath -w "$exe" 2>/dev/null)" \
  bash scripts/wine-run.sh "$build/win_gui_tests.exe" --gtest_filter='VersionResource.*:StartLibraries.*' \
  --gtest_brief=1 || fail "version resource or libraries at start of the released program"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "release check: $zip passed ($(stat -c %s "$exe") bytes program, version $version)"
