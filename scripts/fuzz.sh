#!/usr/bin/env bash
# Builds the libFuzzer target over evaluateExpression with clang++ and the
# address and undefined-behaviour sanitizers, and runs it for a bounded time
# on a copy of the seed corpus. Any crash, sanitizer report, leak, broken
# invariant or slow input fails the script.
#
# Environment: FUZZ_SECONDS (default 60), FUZZ_BUILD_DIR (default build-fuzz),
# CXX_FUZZ (default clang++).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
cxx="${CXX_FUZZ:-clang++}"

mkdir -p "$build/objects"
flags=(-std=c++20 -O1 -g -Wall -Wextra -Werror -ffp-contract=off -I"$root/src"
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

sources=("$root/fuzz/eval_fuzz.cpp" "$root/fuzz/print_text_stub.cpp"
         "$root/src/platform/number_text.cpp")
for source in "$root"/src/eval/*.cpp; do
  case "$source" in
    *_test.cpp | */evalexpr.cpp | */evalexpr_main.cpp) ;;
    *) sources+=("$source") ;;
  esac
done

objects=()
for source in "${sources[@]}"; do
  object="$build/objects/$(basename "${source%.cpp}").o"
  "$cxx" "${flags[@]}" -c "$source" -o "$object"
  objects+=("$object")
done
"$cxx" "${flags[@]}" "${objects[@]}" -o "$build/eval_fuzz"

# The run adds inputs to its corpus; the seeds in the tree stay as they are.
rm -rf "$build/corpus" "$build/artifacts"
mkdir -p "$build/corpus" "$build/artifacts"
cp "$root"/fuzz/corpus/* "$build/corpus/"

echo "fuzz: running eval_fuzz for ${seconds} s"
status=0
"$build/eval_fuzz" "$build/corpus" \
  -dict="$root/fuzz/eval.dict" \
  -max_total_time="$seconds" \
  -max_len=8192 \
  -timeout=3 \
  -rss_limit_mb=2048 \
  -artifact_prefix="$build/artifacts/" \
  -print_final_stats=1 || status=$?
if [ -n "$(ls -A "$build/artifacts")" ]; then
  echo "fuzz: findings in $build/artifacts" >&2
  exit 1
fi
if [ "$status" -ne 0 ]; then
  echo "fuzz: eval_fuzz exited with $status" >&2
  exit "$status"
fi
echo "fuzz: no findings"
