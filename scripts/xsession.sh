# Sourced: starts a virtual X display with a window manager when there is no display.
# Sets DISPLAY and registers clean-up of both on exit.
start_virtual_display() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1280x800x24}" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$fd_file")"
  rm -f "$fd_file"
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  # Give the window manager time to take the screen before windows appear.
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done
  trap 'kill $WM_PID $XVFB_PID 2>/dev/null || true' EXIT
}
