#!/usr/bin/env bash
# Runs a Windows program under Wine (CTest's emulator for the Windows build), always in the
# tests' own prefix (scripts/wine-test-prefix.sh), never the player's.
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-test-prefix.sh"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win32
wine_test_env
# The interface fonts are in place before Wine starts, also in a prefix made here.
source "$here/wine-font-files.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
wine_user_folders_inside "$WINEPREFIX"
wine_fonts_sync "$WINEPREFIX"
exec wine "$@"
