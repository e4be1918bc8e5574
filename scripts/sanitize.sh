#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize
# (LEXO_SANITIZE=ON, no benchmarks) and runs the test suite there, LeakSanitizer included:
# a memory fault, undefined behaviour or a leak fails the test it happens in.
#   scripts/sanitize.sh [CTEST ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/build.sh build-sanitize -DLEXO_SANITIZE=ON -DLEXO_BUILD_BENCHMARKS=OFF

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
cd build-sanitize
ctest --output-on-failure --parallel 2 --timeout 900 "$@"
