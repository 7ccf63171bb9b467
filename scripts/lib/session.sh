# Shared by scripts/test and scripts/play: a virtual display and a Wine
# prefix inside the build folder, started on demand and stopped on exit.
# Source it from the repository root.

export WINEDEBUG=-all
export WINEPREFIX="$PWD/build/win64/wineprefix"
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono/Gecko install prompts

XVFB_PID=""
WINESERVER_STARTED=""

# Starts Xvfb on a free display unless $DISPLAY already works.
start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# A persistent wineserver, so that Wine's services do not hold the output
# pipes of whatever runs the Windows programs.
start_wine() {
  mkdir -p "$WINEPREFIX"
  wineserver -p >/dev/null 2>&1 </dev/null
  WINESERVER_STARTED=1
  wine wineboot -i >/dev/null 2>&1 </dev/null || true
  # Wine draws the window frames itself: there is no window manager on the
  # virtual display, and screenshots should show what Windows shows.
  if [ ! -f "$WINEPREFIX/.kfp-unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null &&
      touch "$WINEPREFIX/.kfp-unmanaged"
  fi
}

stop_session() {
  if [ -n "$WINESERVER_STARTED" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}
trap stop_session EXIT
