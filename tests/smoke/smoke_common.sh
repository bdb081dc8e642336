# Shared by the smoke tests (source it): tools, a virtual display, waiting for windows, clean-up.

# Exits 77 (skipped) when a tool is missing.
require_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "skipped: $tool is missing"
      exit 77
    fi
  done
}

# Everything started is ended, and every folder made is removed, on exit.
smoke_pids=()
smoke_folders=()
smoke_cleanup() {
  for pid in "${smoke_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for folder in "${smoke_folders[@]}"; do rm -rf "$folder"; done
}
trap smoke_cleanup EXIT

# A folder of its own for the test, removed on exit.
make_folder() {
  smoke_folder=$(mktemp -d)
  smoke_folders+=("$smoke_folder")
}

# Starts Xvfb with the given screen (WIDTHxHEIGHTxDEPTH) and points the programs at it. The display
# is SMOKE_DISPLAY_BASE plus the second argument when that variable is set (so that smoke tests
# running side by side keep apart), else one picked at random.
start_xvfb() {
  local display=":$((90 + RANDOM % 400))"
  [ -n "${SMOKE_DISPLAY_BASE:-}" ] && display=":$((SMOKE_DISPLAY_BASE + ${2:-0}))"
  Xvfb "$display" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
  smoke_pids+=($!)
  export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
}

# Starts a program in the background; it is ended on exit.
start_program() {
  "$@" &
  smoke_pids+=($!)
  smoke_program=$!
}

# Prints the id of the first window whose name matches, waiting up to ten seconds; fails without.
wait_for_window() {
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "FAIL: no window named $1 appeared" >&2; return 1; }
  echo "$window"
}
