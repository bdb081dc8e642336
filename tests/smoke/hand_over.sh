#!/usr/bin/env bash
# One game at a time: with a game running (headless, from a copy of its program folder without
# images/ and audio/, which it says once each on stderr), a second start with a level set file hands
# the file over and exits; the running game imports the set and plays it. After the game is killed
# (its socket left behind), the next start still becomes the game, takes files in turn, and ends on
# a plain kill.
# Usage: hand_over.sh <pondrake binary> <a level set file>
set -euo pipefail
set_file=${2:?level set file}
work=$(mktemp -d)
mkdir "$work/program"
cp "${1:?pondrake binary}" "$work/program/"
cp -r "$(dirname "$1")/levels" "$work/program/"
game=$work/program/$(basename "$1")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work"/*.err 2>/dev/null || true; exit 1; }

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy HOME=$work/home TMPDIR=$work/tmp
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Pondrake/settings.ini

# start_game <name>: a game in the background, running once its socket is there.
start_game() {
  "$game" 2>"$work/$1.err" &
  pids+=($!)
  for _ in $(seq 100); do
    [ -n "$(find "$TMPDIR" -maxdepth 1 -type s -name 'pondrake-*')" ] && return 0
    kill -0 "${pids[-1]}" 2>/dev/null || fail "the game $1 ended by itself"
    sleep 0.1
  done
  fail "the game $1 never listened"
}

# hand <file>: a second start that must hand the file over and exit 0 at once.
hand() {
  timeout 10 "$game" "$1" 2>"$work/second.err" || fail "the second start exited $? with $1"
}

start_game first
hand "$set_file"
for _ in $(seq 50); do
  grep -q '^levelSet=.*/sets/' "$settings" 2>/dev/null && break
  sleep 0.1
done
grep -q '^levelSet=.*/sets/' "$settings" || fail "the running game did not choose the imported set"
[ -s "$XDG_DATA_HOME/Pondrake/sets/Rocks/level2.txt" ] || fail "the set was not imported into sets/Rocks"
kill -0 "${pids[0]}" || fail "the running game ended"
for part in images audio; do
  told=$(grep -c "the folder $work/program/$part is missing" "$work/first.err" || true)
  [ "$told" -eq 1 ] || fail "the missing $part folder was told $told times"
done

# Killed: its socket stays, refusing. The next start removes it and becomes the game.
kill -9 "${pids[0]}"
wait "${pids[0]}" 2>/dev/null || true
[ -n "$(find "$TMPDIR" -maxdepth 1 -type s -name 'pondrake-*')" ] || fail "the killed game left no socket to test"
start_game after-kill
sleep 1
kill -0 "${pids[1]}" || fail "the game started after the kill ended"
hand "$set_file"
kill -0 "${pids[1]}" || fail "the game ended when a file was handed over"
# A plain kill ends it (the sound library must not turn it into a quit event nobody reads).
kill "${pids[1]}"
timeout 10 tail --pid="${pids[1]}" -f /dev/null || fail "the game did not end on SIGTERM"
echo "PASS: the game ran without images/ and audio/, telling each once; a file handed to it was imported; after a kill -9 the next start took over"
