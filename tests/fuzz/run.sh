#!/usr/bin/env bash
# Builds the letter reader's fuzz target with clang and runs it briefly from
# the seeds with a fixed random seed, so that a run is repeatable.
# usage: run.sh BUILD_DIR [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: run.sh BUILD_DIR [RUNS]}
runs=${2:-300000}
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed (scripts/ensure-packages test installs it)" >&2
  exit 77
fi
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
corpus="$build/corpus"
rm -rf "$corpus" && mkdir -p "$corpus"
# The fuzzer adds what it finds to the first folder; the seeds stay as they are.
# An input that fails is kept in BUILD_DIR as crash-*.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/letter_fuzzer" -seed=1 -runs="$runs" -max_len=512 -print_final_stats=1 \
  -error_exitcode=1 -artifact_prefix="$build/" \
  "$corpus" "$here/seeds"
