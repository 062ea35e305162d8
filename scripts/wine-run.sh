#!/usr/bin/env bash
# Runs a Windows program under Wine (CTest's emulator for the Windows build).
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win32
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/xptable-editor/wine}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
