# Sourced by the tests that run the real game in a virtual X display.
# need_tools <tool>...    exits 77 (skipped) when one is missing
# start_xvfb <geometry>   starts a display of its own and exports DISPLAY; stop_xvfb ends it.
#   The number is drawn from PONDRAKE_TEST_DISPLAYS ("first-last", default 90-489) among those that
#   no server holds, so a test never drives someone else's screen.
# wait_for_window <title> prints the id of the first window of that exact title (fails after 10 s)

need_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
}

xvfb_pid=
start_xvfb() {
  local range=${PONDRAKE_TEST_DISPLAYS:-90-489} first last n
  first=${range%-*}
  last=${range#*-}
  for _ in $(seq 20); do
    n=$((first + RANDOM % (last - first + 1)))
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      kill -0 "$xvfb_pid" 2>/dev/null || break  # another server took the number first
      if DISPLAY=:$n xdotool getmouselocation >/dev/null 2>&1; then
        export DISPLAY=:$n
        return 0
      fi
      sleep 0.1
    done
    stop_xvfb
  done
  echo "FAIL: no virtual display could be started in $range"
  exit 1
}

stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
}

wait_for_window() {
  local window
  for _ in $(seq 100); do
    window=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  echo "FAIL: no window named $1 appeared" >&2
  return 1
}
