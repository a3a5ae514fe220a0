#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a reader's fuzz target with clang and runs it from its seeds with a
# fixed random seed, so that a run is repeatable.
# usage: run.sh TARGET BUILD_DIR [RUNS]
#   TARGET: letter (the letters), bundle (a program's bundle) or words (a words file)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
usage="usage: run.sh letter|bundle|words BUILD_DIR [RUNS]"
target=${1:?$usage}
build=${2:?$usage}
runs=${3:-300000}
case $target in
  letter) max_len=512 ;;
  bundle | words) max_len=4096 ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed (scripts/ensure-packages test installs it)" >&2
  exit 77
fi
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' |
  clang++ -x c++ -fsanitize=fuzzer -o /dev/null - 2>/dev/null; then
  echo "clang's libFuzzer is not installed (scripts/ensure-packages test installs it)" >&2
  exit 77
fi
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${target}_fuzzer" -j"$(nproc)"

# The fuzzer adds what it finds to the first folder; the seeds stay as they are.
# An input that fails is kept in BUILD_DIR as TARGET-crash-*.
corpus="$build/$target-corpus"
rm -rf "$corpus" && mkdir -p "$corpus"
seeds=("$here/seeds/$target")
if [[ $target == bundle ]]; then
  cmake --build "$build" --target bundle_seeds -j"$(nproc)"
  made="$build/bundle-seeds"
  rm -rf "$made" && mkdir -p "$made"
  "$build/bundle_seeds" "$made"
  seeds+=("$made")
fi
dictionary=()
[[ -f $here/$target.dict ]] && dictionary=(-dict="$here/$target.dict")
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/${target}_fuzzer" -seed=1 -runs="$runs" -max_len="$max_len" -timeout=30 \
  -print_final_stats=1 -error_exitcode=1 -artifact_prefix="$build/$target-" "${dictionary[@]}" \
  "$corpus" "${seeds[@]}"
