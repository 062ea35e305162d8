# Sourced by the scripts: one quiet Wine prefix and a display for programs run under Wine.
# After sourcing, call wine_env_start; call wine_env_stop when done.
export WINEDEBUG=-all
export WINEARCH=win32
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/xptable-editor/wine}"
# No Mono or Gecko download dialog can stop an unattended run.
export WINEDLLOVERRIDES="mscoree,mshtml="

_xvfb_pid=""

wine_env_start() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=99
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
  if [ ! -f "$WINEPREFIX/.xptable-configured" ]; then
    # Unmanaged windows: with no window manager on the virtual display, hiding a managed
    # window waits two seconds for an answer that never comes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.xptable-configured"
  fi
  # One wineserver for the whole run: later wine starts skip its start-up.
  wineserver -p 2>/dev/null || true  # already running is fine
  # Start Wine's own background processes now, away from any output pipe: started by the
  # first test they would inherit CTest's pipe and keep it open long after the test ends.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_env_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$_xvfb_pid" ]; then
    kill "$_xvfb_pid" 2>/dev/null || true
    wait "$_xvfb_pid" 2>/dev/null || true
  fi
}
