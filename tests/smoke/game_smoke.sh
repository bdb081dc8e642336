#!/usr/bin/env bash
# Starts the real game in a virtual X display, starts a new game from the menu and checks that
# the board changes as the creatures move. Exits 77 (skipped) when Xvfb is not installed.
# Usage: game_smoke.sh <pondrake binary> [folder for the screenshots]
set -euo pipefail
game=${1:?pondrake binary}
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

for tool in Xvfb xdotool import compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing"
    exit 77
  fi
done

display=":$((90 + RANDOM % 400))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$game" &
game_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Pondrake$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window named Pondrake appeared"; exit 1; }
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
