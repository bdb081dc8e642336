# Sourced by the tests that run the real game in a virtual X display.
# need_tools <tool>...    exits 77 (skipped) when one is missing
# start_xvfb <geometry>   starts a display of its own and exports DISPLAY; stop_xvfb ends it.
#   The server picks a free number itself (-displayfd) and says which once it takes connections,
#   so two tests started together never share a screen. -noreset: by default the server resets
#   whenever its last client leaves, and a client connecting meanwhile is refused; a poll of
#   xdotool that ends just as the game connects would leave the game without a display.
# wait_for_window <title> prints the id of the first shown window of that exact title (fails after
#   10 s); Qt also keeps a hidden 1x1 window under the main window's title.

# A step that stops a test under set -e names itself, so that a rare failure leaves a trace.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

need_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
}

xvfb_pid=
start_xvfb() {
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$numberfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$numberfile" ]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numberfile")"
      rm -f "$numberfile"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numberfile"
  echo "FAIL: no virtual display could be started"
  exit 1
}

stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

wait_for_window() {
  local window
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  echo "FAIL: no window named $1 appeared" >&2
  return 1
}
