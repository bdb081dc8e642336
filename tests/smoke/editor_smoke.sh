#!/usr/bin/env bash
# Starts the real game from a copy of its folder in a virtual X display, opens the level editor
# from the menu bar, places tiles with the mouse, saves the level with the keyboard and the save
# dialog, and reads the file back. Exits 77 (skipped) when Xvfb or xdotool is not installed.
# Usage: editor_smoke.sh <pondrake binary> [folder for the screenshots]
set -euo pipefail
game=${1:?pondrake binary}
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
. "$(dirname "$0")/xvfb.sh"
need_tools Xvfb xdotool import

# The editor writes into the program's folder: work on a copy.
folder=$(mktemp -d)
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$folder"
}
trap cleanup EXIT
cp "$game" "$folder/"
for data in images audio levels; do cp -r "$(dirname "$game")/$data" "$folder/"; done

start_xvfb 1280x1024x24
own_home "$folder"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
"$folder/pondrake" &
game_pid=$!
main=$(wait_for_window Pondrake)
sleep 1
xdotool windowfocus --sync "$main"
# Game menu, then right along the bar to the Level Editor command, which is no menu: Enter runs it.
xdotool key alt+g
sleep 0.3
xdotool key Right Right Return
editor=$(wait_for_window 'Level Editor - Untitled')
sleep 1

# The editor's client starts under its menu bar and is 692 pixels high on a wide screen.
eval "$(xdotool getwindowgeometry --shell "$editor")"
top=$((Y + HEIGHT - 692))
cell() { xdotool mousemove $((X + 34 * $1 + 17)) $((top + 34 * $2 + 17)) click 1; sleep 0.1; }
palette() { xdotool mousemove $((X + 707)) $((top + 291 + 40 * $1)) click 1; sleep 0.2; }
palette 6  # Rocks
cell 0 0
cell 5 3
cell 19 19
palette 2  # Water
cell 7 10
import -window root "$shots/editor-placed.png"

xdotool windowfocus --sync "$editor"
xdotool key alt+f
sleep 0.3
xdotool key Down Down Return  # Save Level
wait_for_window 'Save Level' >/dev/null
sleep 0.5
xdotool type --delay 20 "$folder/levels/smoke"
xdotool key Return
saved="$folder/levels/smoke.txt"
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.1; done
import -window root "$shots/editor-saved.png"
[ -s "$saved" ] || { echo "FAIL: the level was not saved as $saved"; exit 1; }

# Line 5 + row holds the row; every line ends with CR LF.
row() { sed -n "$((5 + $1))p" "$saved" | tr -d '\r'; }
expect_row() {
  [ "$(row "$1")" = "$2" ] || { echo "FAIL: row $1 reads '$(row "$1")', expected '$2'"; exit 1; }
}
expect_row 0 rbbbbbbbbbbbbbbbbbbb
expect_row 3 bbbbbrbbbbbbbbbbbbbb
expect_row 10 'bbbbbbb$bbbbbbbbbbbb'
expect_row 19 bbbbbbbbbbbbbbbbbbbr
[ "$(sed -n 2,4p "$saved" | tr -d '\r' | tr '\n' ' ')" = "100 1500 1000 " ] || { echo "FAIL: settings"; exit 1; }
echo "PASS: the editor opened from the menu bar, placed four tiles and saved them (screenshots in $shots)"
