#!/usr/bin/env bash
# Sets up and runs the whole test suite: the Release build, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, the fast search's
# verify build and the evaluator's fuzzer. Any failure or sanitizer report
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

scripts/setup.sh

echo "== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOLYVISTA_SANITIZE=ON \
  -DPOLYVISTA_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [ -x scripts/verify.sh ]; then
  echo "== Fast search verify build and differential test"
  scripts/verify.sh
fi

if [ -x scripts/fuzz.sh ]; then
  echo "== Evaluator fuzzing"
  scripts/fuzz.sh
fi

echo "== All tests passed"
