#!/usr/bin/env bash
# Every shipped language is complete: lupdate reads the sources into a scratch copy of each .ts
# file, and no message may then be unfinished (new in the sources, or never translated), vanished
# from the sources, or translated as nothing. lrelease alone would let such gaps through. English
# (pondrake_en.ts) holds only the plural forms of messages with a count.
# Usage: complete.sh <lupdate> <source root> "<source folders>" <.ts files...>
set -euo pipefail
lupdate=$1 root=$2 folders=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "${@:4}"; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  only=()
  [[ $ts == *_en.ts ]] && only=(-pluralonly)
  # shellcheck disable=SC2086
  (cd "$root" && "$lupdate" -locations none "${only[@]}" -I . $folders -ts "$copy") >"$scratch/log" 2>&1 || { cat "$scratch/log"; exit 1; }
  gaps=$(grep -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<numerusform></numerusform>' "$copy" | grep '<source>' || true)
  echo "$(basename "$ts"): $(grep -c '<message' "$copy") messages, $(grep -c . <<<"$gaps") unfinished, vanished or empty"
  [ -z "$gaps" ] || { echo "$gaps"; status=1; }
done
exit $status
