#!/bin/sh
# Builds the test program with every skip of the fast point search checked
# the slow way (a violated claim aborts), and runs the fast-scan tests and
# the differential test against the reference scan in it.
# Usage: scripts/verify.sh [build directory]   (default: build-verify)
set -eu
cd "$(dirname "$0")/.."
build_dir=${1:-build-verify}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DPOLYVISTA_VERIFY_SKIPS=ON \
  -DPOLYVISTA_BENCH=OFF
cmake --build "$build_dir" -j "$jobs" --target polyvista_tests
"$build_dir/bin/polyvista_tests" \
  --gtest_filter='SearchDifferential.*:AdvanceScanPositions.*:SignProvedSteady.*:DominantSignProved.*:SameNumberTextQuick.*:FindNextPoint*'
