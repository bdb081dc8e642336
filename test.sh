#!/usr/bin/env bash
# Sets up what is missing, builds Pondrake and runs every test: once in an ordinary build and once
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the tests that run threads once more
# under ThreadSanitizer; then fuzzes the file readers for a short while. Checks the format,
# clang-tidy's findings and that every include runs down the layers too. Fails when any test
# fails, a check finds anything or a fuzzer does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=suppressions=$here/tests/tsan.supp:second_deadlock_stack=1
export PONDRAKE_SETUP_TESTS=1  # the set-up installs the browser of the pages' test too

"$here/scripts/setup.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
"$here/scripts/setup.sh" "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DPONDRAKE_SANITIZE=ON \
  -DPONDRAKE_BUILD_APP=OFF -DPONDRAKE_BUILD_BENCH=OFF
"$here/scripts/setup.sh" "$here/build-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPONDRAKE_TSAN=ON

status=0
echo "== Format =="
"$here/scripts/check_format.sh" || status=1
echo "== Layers =="
"$here/scripts/check_layers.sh" || status=1
echo "== Tests =="
ctest --test-dir "$here/build" --output-on-failure --parallel "$(nproc)" || status=1
echo "== clang-tidy =="
"$here/scripts/check_tidy.sh" "$here/build" || status=1
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
ctest --test-dir "$here/build-sanitize" --output-on-failure --parallel "$(nproc)" || status=1
echo "== Tests that run threads, under ThreadSanitizer =="
# FluidSynth renders with OpenMP (Debian builds it so), whose runtime is not built for ThreadSanitizer
# either: one thread keeps its workers from starting, so every report left is about our threads.
OMP_NUM_THREADS=1 ctest --test-dir "$here/build-tsan" --output-on-failure --parallel "$(nproc)" || status=1
echo "== Fuzzing the file readers, 20 s each =="
"$here/scripts/fuzz.sh" 20 "$here/build-fuzz" || status=1
exit $status
