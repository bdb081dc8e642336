#!/usr/bin/env bash
# Starts the real game from a copy of its program folder without images/ and audio/ (headless):
# it must keep running, and say once on stderr which folders are missing.
# Usage: missing_parts.sh <pondrake binary>
set -euo pipefail
game=${1:?pondrake binary}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$game" "$folder/"
cp -r "$(dirname "$game")/levels" "$folder/"

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# A home of its own: a game already running on the same data folder would be handed this start.
export HOME=$folder/home XDG_DATA_HOME=$folder/data XDG_CONFIG_HOME=$folder/config
mkdir -p "$HOME"
status=0
timeout -s TERM 4 "$folder/$(basename "$game")" 2>"$folder/stderr.txt" || status=$?
if [ "$status" -ne 124 ]; then
  echo "FAIL: the game ended by itself with status $status"; cat "$folder/stderr.txt"; exit 1
fi
for part in images audio; do
  count=$(grep -c "the folder $folder/$part is missing" "$folder/stderr.txt" || true)
  if [ "$count" -ne 1 ]; then
    echo "FAIL: the missing $part folder was told $count times"; cat "$folder/stderr.txt"; exit 1
  fi
done
echo "PASS: ran 4 s without images/ and audio/, telling each once:"
grep 'is missing' "$folder/stderr.txt"
