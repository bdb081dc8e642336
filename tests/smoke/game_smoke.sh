#!/usr/bin/env bash
# Starts the real game in a virtual X display, starts a new game from the menu and checks that
# the board changes as the creatures move. Exits 77 (skipped) when Xvfb is not installed.
# Usage: game_smoke.sh <pondrake binary> [folder for the screenshots]
set -euo pipefail
game=${1:?pondrake binary}
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool import compare
start_xvfb 1024x768x24
home=$(mktemp -d)
own_home "$home"
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$home"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

"$game" &
game_pid=$!
window=$(wait_for_window Pondrake)
sleep 1

# The board area of the window, in screen pixels: the client starts under the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
board="600x560+$((X + 40))+$((Y + 60))"

import -window root "$shots/idle.png"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" alt+g
sleep 0.5
xdotool key --window "$window" n
sleep 9  # the countdown, then a few ticks
import -window root "$shots/playing1.png"
sleep 3
import -window root "$shots/playing2.png"

kill -0 "$game_pid" || { echo "FAIL: the game is no longer running"; exit 1; }
changed=$(compare -metric AE -extract "$board" "$shots/playing1.png" "$shots/playing2.png" null: 2>&1 || true)
echo "board pixels changed between two moments of play: $changed"
if [ "${changed%%.*}" -gt 0 ] 2>/dev/null; then
  echo "PASS: the board moves (screenshots in $shots)"
  exit 0
fi
echo "FAIL: the board did not change during play (screenshots in $shots)"
exit 1
