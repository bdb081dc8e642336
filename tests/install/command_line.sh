#!/usr/bin/env bash
# The game's command line is answered with no display at all (no DISPLAY, no WAYLAND_DISPLAY, no
# QT_QPA_PLATFORM, where the application object would abort): --help and --version print on the
# standard output and exit 0; a wrong option is told on the error stream with exit code 2.
# Usage: command_line.sh <pondrake program> <version>
set -euo pipefail
game=${1:?pondrake program}
version=${2:?version}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# run <expected status> <arguments...>: the program's output lands in $work/out and $work/err.
run() {
  local expected=$1 status=0
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq "$expected" ] || fail "pondrake $* exited $status, not $expected: $(cat "$work/out" "$work/err")"
}

run 0 --help
[ "$(head -n 1 "$work/out")" = "Usage: pondrake [options] [FILE]" ] || fail "--help printed: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "--help wrote on the error stream: $(cat "$work/err")"

run 0 --version
[ "$(cat "$work/out")" = "Pondrake $version" ] || fail "--version printed: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "--version wrote on the error stream: $(cat "$work/err")"

run 2 --no-such-option
[ ! -s "$work/out" ] || fail "a refused option printed on the standard output: $(cat "$work/out")"
grep -q "^pondrake: Unknown option 'no-such-option'\.$" "$work/err" || fail "the refusal said: $(cat "$work/err")"
echo "PASS: --help, --version and a refused option answered without a display"
