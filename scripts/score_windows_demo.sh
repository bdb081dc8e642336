#!/usr/bin/env bash
# Plays the end of two games on a virtual screen: a handwritten name, then a typed one, then the
# top-ten table; saves a screenshot of each window. Needs Xvfb, xdotool and ImageMagick.
# Usage: scripts/score_windows_demo.sh [build folder] [screenshot folder]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shots=${2:-$here/build/shots}
demo=$build/bin/score_windows_demo
[ -x "$demo" ] || { echo "build $demo first (ninja -C $build)"; exit 1; }
mkdir -p "$shots"

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
folder=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$folder"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Starts a window and waits until it has printed where its controls stand.
start() {
  "$demo" "$folder" "$@" >"$folder/controls" &
  window=$!
  for _ in $(seq 100); do [ -s "$folder/controls" ] && break; sleep 0.1; done
  sleep 0.5
}
# The screen position of a point inside a named control: at <name> <dx> <dy>.
at() { awk -v n="$1" -v dx="$2" -v dy="$3" '$1 == n { print $2 + dx, $3 + dy }' "$folder/controls"; }
click() { xdotool mousemove $(at "$1" 10 10) click 1; }
# One pen stroke through points "x,y x,y ..." of a control.
stroke() {
  local name=$1 first=1 args=()
  shift
  for p in "$@"; do
    # A pause after each move, or the X server merges the moves and the curve loses its points.
    args+=(mousemove $(at "$name" "${p%,*}" "${p#*,}") sleep 0.02)
    if ((first)); then args+=(mousedown 1); first=0; fi
  done
  xdotool "${args[@]}" mouseup 1
}
shot() { sleep 0.3; import -window root "$folder/full.png"; convert "$folder/full.png" -crop "$1" +repage "$shots/$2"; }

# A game ends with 340 points: the name is written by hand.
start gameover 340
stroke InkPicture1 86,10 84,9 81,7 77,6 74,5 71,5 68,5 65,5 62,5 59,6 55,8 51,10 49,12 50,16 53,19 56,20 \
  59,22 63,23 66,24 69,25 73,26 76,28 79,29 82,32 83,36 81,38 78,40 74,42 71,43 69,43 65,44 62,44 59,44 56,44 \
  52,43 49,42 45,41 42,40 40,39
stroke InkPicture1 123,29 120,26 116,24 113,24 109,24 106,25 103,27 101,29 99,31 99,35 100,39 104,41 108,42 \
  111,41 114,39 117,37 119,34 121,31 123,29 124,32 124,37 126,41 128,43 131,43 134,42 136,40 139,36 140,32 \
  141,28 142,26 143,28 144,31 144,35 144,40 144,43 145,41 146,36 147,32 150,28 153,26 157,27 160,30 161,33 \
  161,37 161,41 161,43 161,41 162,36 163,32 165,29 167,27 170,26 174,27 177,29 178,32 178,35 178,38 181,43 \
  184,43 187,42 190,41
stroke InkPicture1 30,47 100,45 180,46 262,42 290,38
shot 563x286+40+40 game-over-handwritten.png
click butOKWrite
wait $window || true

# Another game ends with 215 points: the name is typed.
start gameover 215
xdotool type --delay 30 "Kim Lee"
shot 563x286+40+40 game-over-typed.png
xdotool key Return
wait $window || true

# A game of 0 points does not make the table.
start gameover 0
shot 563x286+40+40 game-over-not-top.png
click butBummer
wait $window || true

start topten
shot 547x652+40+40 top-ten.png
xdotool key q
wait $window || true
echo "screenshots in $shots"
