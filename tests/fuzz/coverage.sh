#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lines of the readers a fuzz target's inputs reach, by clang's
# source-based coverage (a build of its own, without the sanitizers).
# usage: coverage.sh TARGET BUILD_DIR INPUT_DIR...
#   e.g. after run.sh bundle F: coverage.sh bundle F-coverage F/bundle-corpus F/bundle-seeds
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
usage="usage: coverage.sh letter|bundle|words BUILD_DIR INPUT_DIR..."
target=${1:?$usage}
build=${2:?$usage}
shift 2
(($# > 0)) || { echo "$usage" >&2; exit 2; }
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_FUZZ_COVERAGE=ON >/dev/null
cmake --build "$build" --target "${target}_fuzzer" -j"$(nproc)"
rm -f "$build/$target.profraw"
# -runs=0: each input once, nothing new made.
LLVM_PROFILE_FILE="$build/$target.profraw" "$build/${target}_fuzzer" -runs=0 "$@" 2>/dev/null
llvm-profdata merge -sparse "$build/$target.profraw" -o "$build/$target.profdata"
llvm-cov report "$build/${target}_fuzzer" -instr-profile="$build/$target.profdata" \
  -ignore-filename-regex='(tests/|generated/)'
