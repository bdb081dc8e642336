#!/usr/bin/env bash
# Runs clang-tidy (with the project's .clang-tidy) over every C++ source that git tracks and that
# the build compiles, using the build's compile_commands.json, and fails on any finding. The
# fuzzers, built only by scripts/fuzz.sh, are left out.
# About ten minutes of processor time. Usage: scripts/check_tidy.sh [build folder]    (default: build;
# build it first: some tests include what Qt's moc makes during the build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
database=$build/compile_commands.json
[ -f "$database" ] || { echo "No $database: build first (scripts/setup.sh build)" >&2; exit 2; }
command -v clang-tidy >/dev/null || { echo "clang-tidy is missing: apt-get install clang-tidy" >&2; exit 2; }

cd "$here"
sources=()
while IFS= read -r file; do
  grep -q "\"file\": \"$here/$file\"" "$database" && sources+=("$file")
done < <(git ls-files '*.cpp')

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Qt's moc output and the system's headers are not ours; -Werror of the build would turn clang's
# own warnings into errors that say nothing about the checks.
printf '%s\0' "${sources[@]}" |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$build" --quiet --extra-arg=-Wno-error \
    --extra-arg=-Wno-unknown-warning-option >"$log" 2>/dev/null || true
if grep -q ': \(warning\|error\):' "$log"; then
  grep -A3 ': \(warning\|error\):' "$log" >&2
  echo "clang-tidy: $(grep -c ': \(warning\|error\):' "$log") findings in ${#sources[@]} sources" >&2
  exit 1
fi
echo "clang-tidy: ${#sources[@]} sources, no findings"
