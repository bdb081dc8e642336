#!/usr/bin/env bash
# Builds the fuzzers of the file readers and of the server's paths for a submitted game and for a
# set sent to be published (clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for SECONDS, as many at a time as there are cores,
# starting from its seed corpus in tests/fuzz/corpus/. Prints how many inputs each one ran. Fails
# when a fuzzer finds a crash, a broken property, a hang (10 s on one input) or a memory blow-up
# (one allocation over 64 MB); the input that did it is kept in <build>/findings/.
# The inputs each run finds are kept in <build>/corpus/, so later runs go on from there.
# Usage: scripts/fuzz.sh SECONDS [build folder] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?seconds per fuzzer}
build=${2:-$here/build-fuzz}
shift $(($# < 2 ? $# : 2))
mkdir -p "$build"
build=$(cd "$build" && pwd)

"$here/scripts/setup.sh" "$build" -DPONDRAKE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
readers=(level score base64 ink midi replay set server publish)
mkdir -p "$build/findings" "$build/logs"

run() {
  local reader=$1
  mkdir -p "$build/corpus/$reader"
  "$build/bin/fuzz_$reader" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=64 -rss_limit_mb=1024 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$reader-" \
    "$build/corpus/$reader" "$here/tests/fuzz/corpus/$reader" >"$build/logs/$reader.log" 2>&1
}

status=0
pids=()
for reader in "${readers[@]}"; do
  run "$reader" &
  pids+=($!)
  if ((${#pids[@]} >= $(nproc))); then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

for reader in "${readers[@]}"; do
  runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$build/logs/$reader.log")
  if grep -qE '^==[0-9]+==ERROR|^SUMMARY|deadly signal|property broken' "$build/logs/$reader.log"; then
    echo "fuzz_$reader: FINDING after ${runs:-?} inputs; see $build/logs/$reader.log and $build/findings/"
    status=1
  else
    echo "fuzz_$reader: ${runs:-?} inputs in ${seconds} s, nothing found"
  fi
done
exit $status
