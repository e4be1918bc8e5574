#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz (AddressSanitizer, UndefinedBehavior-
# Sanitizer, coverage on every library they reach) and runs them.
#
#   scripts/fuzz.sh TARGET SECONDS     one target, its progress on the terminal
#   scripts/fuzz.sh all SECONDS        every target in turn, one summary line each
#
# Targets: text_lines str_to_int mon_reader dft bmp import history apkg. Each starts from its saved inputs
# (tests/fuzz/corpus/TARGET, plus the hostile content fixtures of its kind) and keeps what it
# learns in build-fuzz/corpus/TARGET, so a later run goes on from there. An input that breaks a
# target is written to build-fuzz/findings/TARGET/; copy it into tests/fuzz/corpus/TARGET/ as
# regression-WHAT so that every build replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

all_targets=(text_lines str_to_int mon_reader dft bmp import history apkg)
usage() {
  echo "usage: $0 {$(IFS='|'; echo "${all_targets[*]}")|all} SECONDS" >&2
  exit 2
}
(($# == 2)) || usage
[[ "$2" =~ ^[0-9]+$ ]] || usage
if [[ "$1" == all ]]; then
  targets=("${all_targets[@]}")
else
  [[ " ${all_targets[*]} " == *" $1 "* ]] || usage
  targets=("$1")
fi
seconds=$2

# clang 16 has what libstdc++ 12's <expected> needs (conditionally trivial special members) but
# does not yet say so in __cpp_concepts, which that header tests; the toolkit's std::expected
# needs it.
expected_flags="-Wno-builtin-macro-redefined -Wno-macro-redefined -D__cpp_concepts=202002L"
build_dir=$root/build-fuzz
mkdir -p "$build_dir"
build_log=$build_dir/build.log
if ! { cmake -S . -B "$build_dir" -G Ninja \
         -DCMAKE_C_COMPILER=clang-16 -DCMAKE_CXX_COMPILER=clang++-16 \
         "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $expected_flags" -DLEXO_SANITIZE=ON \
         -DLEXO_BUILD_BENCHMARKS=OFF &&
       cmake --build "$build_dir" --target fuzzers --parallel "$(nproc)"; } >"$build_log" 2>&1; then
  echo "building the fuzzers failed; the end of $build_log:"
  tail -n 40 "$build_log"
  exit 1
fi

# Hostile content fixtures that make good starting points, by target.
declare -A fixtures=(
  [text_lines]=tests/fixtures/hostile/dictionaries
  [mon_reader]=tests/fixtures/hostile/mon
  [dft]=tests/fixtures/hostile/dft
  [bmp]=tests/fixtures/hostile/bmp
  [import]=tools/dictionaries
)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
  corpus=$build_dir/corpus/$target
  findings=$build_dir/findings/$target
  mkdir -p "$corpus" "$findings"
  seeds=("$root/tests/fuzz/corpus/$target")
  fixture=${fixtures[$target]:-}
  [[ -n "$fixture" && -d "$root/$fixture" ]] && seeds+=("$root/$fixture")
  command=("$build_dir/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10
    -max_len=8192 -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "${seeds[@]}")
  if ((${#targets[@]} == 1)); then
    "${command[@]}" || failed+=("$target")
    continue
  fi
  log=$build_dir/findings/$target.log
  if "${command[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${seconds} s, ${runs:-?} inputs, no fault"
  else
    echo "fuzz $target: FAULT (the input is in $findings); the end of its log:"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done
if ((${#failed[@]} > 0)); then
  echo "fuzzing found faults in: ${failed[*]}"
  exit 1
fi
