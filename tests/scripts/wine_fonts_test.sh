#!/usr/bin/env bash
# Tests scripts/wine-fonts.sh on prefix folders made here (a system.reg and a Fonts folder),
# with small stand-in font files: what it places, keeps, records, reports and removes.
set -euo pipefail
export LC_ALL=C  # file names listed in one order everywhere
root="$(cd "$(dirname "$0")/../.." && pwd)"
fake="$(mktemp -d)"
trap 'rm -rf "$fake"' EXIT
fonts="sserife.fon sserifer.fon marlett.ttf tahoma.ttf tahomabd.ttf"
# The system's folder, a Wine of its own with its fonts beside it, and one without.
mkdir -p "$fake/system" "$fake/opt/bin" "$fake/opt/share/wine/fonts" "$fake/bare/bin" "$fake/home"
for font in sserifer.fon marlett.ttf tahoma.ttf tahomabd.ttf; do
  echo "system-$font" >"$fake/system/$font"
  echo "opt-$font" >"$fake/opt/share/wine/fonts/$font"
done
printf '#!/bin/sh\n' | tee "$fake/opt/bin/wine" >"$fake/bare/bin/wine"
chmod +x "$fake/opt/bin/wine" "$fake/bare/bin/wine"

failures=0
fail() {
  echo "FAIL $1: $2"
  echo "$3" | sed 's/^/     | /'
  failures=$((failures + 1))
}

# One run on the prefix `name`: its system.reg's first line (empty: no system.reg, "-": no
# folder), the Fonts folder before ("name=content" entries), the arguments, the system
# folder, whether the wine on the PATH has fonts beside it; then the exit status, the
# folder afterwards (name=content, sorted), the record and a line the output must hold.
check() {
  local name="$1" reg="$2" before="$3" args="$4" system="$5" opt="$6"
  local want_rc="$7" want_folder="$8" want_record="$9" want_line="${10}"
  local prefix="$fake/$name" entry
  local folder="$prefix/drive_c/windows/Fonts"
  if [ "$reg" != - ]; then
    mkdir -p "$folder"
    [ -n "$reg" ] && echo "$reg" >"$prefix/system.reg"
    for entry in $before; do echo "${entry#*=}" >"$folder/${entry%%=*}"; done
  fi
  local path="$fake/bare/bin:$PATH" out rc=0
  [ "$opt" = yes ] && path="$fake/opt/bin:$PATH"
  # shellcheck disable=SC2086  # the arguments split as typed
  out="$(cd "$fake" && HOME="$fake/home" PATH="$path" XP_SYSTEM_WINE_FONTS="$system" \
    bash "$root/scripts/wine-fonts.sh" $args 2>&1)" || rc=$?
  local after="" record=""
  [ -d "$folder" ] && after="$(cd "$folder" && for f in *; do [ -f "$f" ] && printf '%s=%s ' "$f" "$(cat "$f")"; done; true)"
  [ -f "$prefix/.xptable-fonts" ] && record="$(tr '\n' ' ' <"$prefix/.xptable-fonts")"
  local problems=""
  [ "$rc" = "$want_rc" ] || problems="$problems exit $rc (want $want_rc);"
  [ "${after% }" = "$want_folder" ] || problems="$problems folder '${after% }' (want '$want_folder');"
  [ "${record% }" = "$want_record" ] || problems="$problems record '${record% }' (want '$want_record');"
  grep -qF -- "$want_line" <<<"$out" || problems="$problems no line '$want_line';"
  if [ "$(grep -c 'serve every program' <<<"$out")" -gt 1 ]; then problems="$problems the note said twice;"; fi
  [ "$reg" = - ] && [ -e "$prefix" ] && problems="$problems a prefix was made;"
  if [ -n "$problems" ]; then fail "$name" "$problems" "$out"; else echo "ok   $name"; fi
}

sys="$fake/system"
placed="marlett.ttf=system-marlett.ttf sserife.fon=system-sserifer.fon sserifer.fon=system-sserifer.fon"
placed="$placed tahoma.ttf=system-tahoma.ttf tahomabd.ttf=system-tahomabd.ttf"
own="TAHOMA.TTF=own-tahoma tahomabd.ttf=own-bold"
kept="TAHOMA.TTF=own-tahoma marlett.ttf=system-marlett.ttf sserife.fon=system-sserifer.fon"
kept="$kept sserifer.fon=system-sserifer.fon tahomabd.ttf=own-bold"
#     name            system.reg     before    arguments         system folder  opt  exit
#                                                                  folder after / record / a line of the output
check win32           "WINE REGISTRY" ""       "win32"           "$sys"         no   0 \
  "$placed" "$fonts" "fonts from $sys"
check win32           "WINE REGISTRY" ""       "--remove win32"  "$sys"         no   0 \
  "" "" "removed"
check win64-own-fonts "#arch=win64"   "$own"   "win64-own-fonts" "$sys"         no   0 \
  "$kept" "sserife.fon sserifer.fon marlett.ttf" "kept $fake/win64-own-fonts/drive_c/windows/Fonts/TAHOMA.TTF"
check win64-own-fonts "#arch=win64"   ""       "win64-own-fonts" "$sys"         no   0 \
  "$kept" "sserife.fon sserifer.fon marlett.ttf" "kept"
check win64-own-fonts "#arch=win64"   ""       "--remove win64-own-fonts" "$sys" no  0 \
  "$own" "" "removed"
check home/.wine      "WINE REGISTRY" ""       ""                "$sys"         no   0 \
  "$placed" "$fonts" "placed $fake/home/.wine/drive_c/windows/Fonts/sserife.fon"
check no-system-reg   ""              ""       "no-system-reg"   "$sys"         no   1 \
  "" "" "not a Wine prefix"
check no-folder       -               ""       "no-folder"       "$sys"         no   1 \
  "" "" "not a Wine prefix"
check beside-wine     "WINE REGISTRY" ""       "beside-wine"     "$fake/none"   yes  0 \
  "${placed//system-/opt-}" "$fonts" "fonts from $fake/opt/share/wine/fonts"
check no-fonts        "WINE REGISTRY" ""       "no-fonts"        "$fake/none"   no   1 \
  "" "" "install the package fonts-wine"
check no-fonts        "WINE REGISTRY" ""       "--remove no-fonts" "$fake/none" no   0 \
  "" "" "nothing to remove"
[ "$failures" -eq 0 ]
