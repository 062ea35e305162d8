# Sourced by the scripts: one quiet Wine prefix and a display for programs run under Wine.
# After sourcing, call wine_env_start; call wine_env_stop when done.
#
# wine_env_start leaves windows unmanaged: on a virtual display there is no window manager,
# and hiding a managed window waits two seconds for one to answer. "wine_env_start desktop"
# (the start script) takes a display given by the caller for a desktop and leaves the
# windows to its window manager; on a display the scripts start themselves it changes nothing.
export WINEDEBUG=-all
export WINEARCH=win32
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/xptable-editor/wine}"
# No Mono or Gecko download dialog can stop an unattended run.
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "${BASH_SOURCE[0]}")/wine-font-files.sh"

_xvfb_pid=""

wine_env_start() {
  local windows=unmanaged
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" = desktop ]; then
    windows=managed
  fi
  if [ -z "${DISPLAY:-}" ]; then
    local n="${XP_DISPLAY_FROM:-99}"  # the first display number to try
    while [ -e "/tmp/.X${n}-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    echo "creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Before the run's wineserver starts: every program of the run sees the same fonts.
  wine_fonts_sync "$WINEPREFIX"
  _wine_env_windows "$windows"
  # One wineserver for the whole run: later wine starts skip its start-up.
  wineserver -p 2>/dev/null || true  # already running is fine
  # Start Wine's own background processes now, away from any output pipe: started by the
  # first test they would inherit CTest's pipe and keep it open long after the test ends.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Sets the prefix's window management. A mark in the prefix keeps the last setting, so only
# a change costs a registry write. The next Wine process reads the value from the running
# wineserver; waiting for that to end would wait forever for one left running (wineserver -p).
_wine_env_windows() {
  local mark="$WINEPREFIX/.xptable-windows"
  [ "$(cat "$mark" 2>/dev/null)" = "$1" ] && return 0
  local value=N
  [ "$1" = managed ] && value=Y
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$value" /f >/dev/null 2>&1
  echo "$1" >"$mark"
}

wine_env_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$_xvfb_pid" ]; then
    kill "$_xvfb_pid" 2>/dev/null || true
    wait "$_xvfb_pid" 2>/dev/null || true
  fi
}
