#!/usr/bin/env bash
# Checks the release zip made by scripts/package.sh: its entries, that the program is a
# 32-bit windowed PE and the command a 32-bit console PE, both without symbols and needing
# only Windows' own DLLs, that their version resources read back under Wine give the
# project's version, that the program starts without the shell, and the players' note.
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

entries="$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')"
[ "$entries" = "LICENSE.txt XpTableEditor.exe readme.txt xptable.exe " ] || fail "entries are: $entries"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
exe="$work/XpTableEditor.exe"

# check_pe FILE SUBSYSTEM: a 32-bit PE of that subsystem, without symbols, needing only
# Windows' own DLLs.
check_pe() {
  local file="$1" subsystem="$2" name headers symbols
  name="$(basename "$file")"
  headers="$($objdump -p "$file")"
  grep -q 'file format pei-i386' <<<"$headers" || fail "$name: not a 32-bit x86 PE"
  grep -qE '^Magic\s+010b\s+\(PE32\)' <<<"$headers" || fail "$name: not PE32"
  grep -qE "^Subsystem\s+0000000.\s+\($subsystem\)" <<<"$headers" || fail "$name: not a $subsystem program"
  grep -q 'symbols stripped' <<<"$headers" || fail "$name: symbols not stripped"
  if $objdump -h "$file" | grep -q '\.debug'; then fail "$name: has debug sections"; fi
  symbols="$(i686-w64-mingw32-nm "$file" 2>&1 || true)"
  if grep -vq 'no symbols' <<<"$symbols"; then fail "$name: has a symbol table"; fi

  # Windows' own DLLs only: no runtime of the compiler beside the program. The shell and COM
  # libraries are loaded when first needed: imported, they would load at every start.
  while read -r dll; do
    case "${dll,,}" in
      advapi32.dll | comctl32.dll | comdlg32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | user32.dll | \
        uxtheme.dll | version.dll) ;;
      ole32.dll | oleaut32.dll | shell32.dll | shlwapi.dll) fail "$name imports $dll, which loads only when first needed" ;;
      *) fail "$name imports $dll" ;;
    esac
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
}
check_pe "$exe" "Windows GUI"
check_pe "$work/xptable.exe" "Windows CUI"

# imports FILE DLL: the functions the program imports from that library.
imports() {
  $objdump -p "$1" | awk -v dll="$2" '
    /DLL Name:/ { on = (tolower($3) == tolower(dll)); next }
    on && /^\t[0-9a-f]+\t/ { print $NF }
    on && /^$/ { on = 0 }'
}
# The C runtime's functions that take a path stop at 260 characters; the programs reach
# files through their own layer, which does not.
crt_path_functions() {
  imports "$1" msvcrt.dll | grep -E '^(_wstat.*|_stat.*|.*fopen|_wopen|_open|.*mkdir|.*rename|.*remove|_wunlink|_wfullpath|_wchdir|_wchmod|.*findfirst.*|_wutime.*)$' |
    LC_ALL=C sort | tr '\n' ' ' || true
}
# The same in the ANSI form, which takes the code page's characters only.
ansi_file_functions() {
  imports "$1" kernel32.dll | grep -E '^(CreateFileA|FindFirstFile.*A|GetFileAttributes.*A|CreateDirectoryA|RemoveDirectoryA|DeleteFileA|MoveFile.*A|ReplaceFileA|CopyFileA|GetFullPathNameA)$' |
    tr '\n' ' ' || true
}

# The window: small (it was 477,184 bytes before it wrote through the shared writer, 521,728
# before one writer at a time and the replace that raised, 525,824 after), and without
# std::filesystem, locales or streams, which weigh about 400 KB. Its sections' contents are
# counted, not the file, whose sections are page-aligned for a faster start.
section_bytes() {
  local total=0 index name size rest
  while read -r index name size rest; do
    [[ "$index" =~ ^[0-9]+$ ]] && total=$((total + 16#$size))
  done < <(i686-w64-mingw32-objdump -h "$1")
  echo "$total"
}
max_window=540672
window_bytes="$(section_bytes "$exe")"
[ "$window_bytes" -le "$max_window" ] || fail "XpTableEditor.exe holds $window_bytes bytes, over $max_window"
[ "$(i686-w64-mingw32-objdump -p "$exe" | awk '$1 == "FileAlignment" {print $2}')" = 00001000 ] ||
  fail "XpTableEditor.exe's sections are not page-aligned in the file"
map="$build/XpTableEditor.map"
if [ -f "$map" ]; then
  heavy="$(grep -oE 'libstdc\+\+\.a\([^)]*\)' "$map" | sed -E 's/.*\((.*)\)/\1/' | LC_ALL=C sort -u |
    grep -E '^fs_|locale|stream' | tr '\n' ' ' || true)"
  [ -z "$heavy" ] || fail "XpTableEditor.exe links libstdc++'s $heavy"
else
  fail "no link map $map"
fi
[ -z "$(crt_path_functions "$exe")" ] || fail "XpTableEditor.exe imports the C runtime's path functions $(crt_path_functions "$exe")"
# The command: only those CLI11's config reader brings (file streams), never called.
cli_crt_pinned="_stat _wfopen fopen "
[ "$(crt_path_functions "$work/xptable.exe")" = "$cli_crt_pinned" ] ||
  fail "xptable.exe imports the C runtime's path functions $(crt_path_functions "$work/xptable.exe")(pinned: $cli_crt_pinned)"
for program in "$exe" "$work/xptable.exe"; do
  ansi="$(ansi_file_functions "$program")"
  [ -z "$ansi" ] || fail "$(basename "$program") imports ANSI file functions $ansi"
done

note="$work/readme.txt"
[ "$(head -c 3 "$note" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "note has no UTF-8 mark"
iconv -f UTF-8 -t UTF-8 "$note" >/dev/null 2>&1 || fail "note is not UTF-8"
[ "$(grep -c $'\r$' "$note")" = "$(wc -l <"$note")" ] || fail "note lines do not all end in CR LF"
grep -q "XP Table Editor $version" "$note" || fail "note does not name version $version"
grep -qF 'override\xpbonus.2da' "$note" || fail "note does not say where the file goes"
grep -qE '^ +xptable\.exe show ' "$note" || fail "note has no example of the command"
grep -q 'LICENSE\.txt' "$note" || fail "note does not name LICENSE.txt"

# The licences: ours, then a notice for every library archive either link map takes code
# from, and every copyright line the header-only libraries' headers carry.
licences="$work/LICENSE.txt"
grep -q '^Copyright (c) 2026 The XP Table Editor authors' "$licences" || fail "LICENSE.txt lacks our licence"
maps=("$build/XpTableEditor.map" "$build/xptable.map")
taken="$(sed -n '/^Archive member included/,/^Discarded/p' "${maps[@]}" | grep -oE '/lib[^/ (]*\.a\([^)]*\)' | LC_ALL=C sort -u)"
# archive members in a link map (a pattern) ; the notice that must be there for them
while IFS=';' read -r member notice; do
  grep -qE "$member" <<<"$taken" && ! grep -qF -- "$notice" "$licences" &&
    fail "the programs take code from $member, LICENSE.txt lacks '$notice'"
done <<'NOTICES'
/libpthread\.a\(;Copyright (c) 2011-2016 mingw-w64 project
/libmingw(32|ex)\.a\(;Copyright (c) 2009-2016 the mingw-w64 project
/libmingwex\.a\([^)]*-(gdtoa|strtodg|dmisc)\.o;Copyright (C) 1997-2001 Lucent Technologies
/libmingwex\.a\([^)]*-strtodnrp\.o;Copyright (C) 2004, 2005 David M. Gay
/libmingwex\.a\([^)]*-mingw_pformat\.o;by Keith Marshall
/libz\.a\(;Copyright (C) 1995-2022 Jean-loup Gailly and Mark Adler
/lib(gcc|gcc_eh|stdc\+\+)\.a\(;GCC Runtime Library Exception
NOTICES
# Every archive the programs take code from has a row above, or is one of Windows' own.
others="$(grep -oE '/lib[^/ (]*\.a' <<<"$taken" | LC_ALL=C sort -u |
  grep -vxE '/lib(pthread|mingw32|mingwex|z|gcc|gcc_eh|stdc\+\+|msvcrt|kernel32|user32|gdi32|comctl32|uxtheme)\.a' || true)"
[ -z "$others" ] || fail "no notice known for the code the programs take from $others"
# Each copyright line the headers compiled into the command carry.
while IFS= read -r line; do
  grep -qF -- "Copyright (c) $line" "$licences" || fail "LICENSE.txt lacks the headers' line '$line'"
done < <(grep -rhoE '(SPDX-FileCopyrightText: |Copyright \(c\) )[0-9].*' /usr/include/nlohmann /usr/include/CLI |
  sed -E 's/^(SPDX-FileCopyrightText: |Copyright \(c\) )//; s/\.$//' | LC_ALL=C sort -u)
grep -q 'Apache License' "$licences" && grep -q 'Version 2.0, January 2004' "$licences" || fail "LICENSE.txt lacks the Apache License that Abseil's part comes under"

if [ -z "${DISPLAY:-}" ]; then
  source scripts/wine-env.sh
  source scripts/wine-test-prefix.sh
  wine_test_env
  trap 'wine_env_stop; rm -rf "$work"' EXIT
  wine_env_start
fi
XP_PROGRAM="$(bash scripts/wine-run.sh winepath -w "$exe" 2>/dev/null)" \
  bash scripts/wine-run.sh "$build/win_gui_tests.exe" --gtest_filter='VersionResource.*:ProgramManifest.*:StartLibraries.*' \
  --gtest_brief=1 || fail "version resource or libraries at start of the released program"
XP_PROGRAM="$(bash scripts/wine-run.sh winepath -w "$work/xptable.exe" 2>/dev/null)" \
  bash scripts/wine-run.sh "$build/win_gui_tests.exe" --gtest_filter='VersionResource.*:ProgramManifest.*' \
  --gtest_brief=1 || fail "version resource of the released command"
version_line="$(bash scripts/wine-run.sh "$work/xptable.exe" --version 2>/dev/null | head -n 1)"
[ "$version_line" = "xptable $version" ] || fail "the released command says: $version_line"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "release check: $zip passed ($(stat -c %s "$exe") bytes program holding $window_bytes, $(stat -c %s "$work/xptable.exe") bytes command, version $version)"
