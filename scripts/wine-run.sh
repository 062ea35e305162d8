#!/usr/bin/env bash
# Runs a Windows program under Wine (CTest's emulator for the Windows build).
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win32
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/xptable-editor/wine}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The interface fonts are in place before Wine starts, also in a prefix made here.
source "$(dirname "${BASH_SOURCE[0]}")/wine-font-files.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
wine_fonts_sync "$WINEPREFIX"
exec wine "$@"
