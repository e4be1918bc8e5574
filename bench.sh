#!/usr/bin/env bash
# Installs what is missing, builds a Release build in build-bench/ and runs the benchmarks. Every
# figure is printed beside its floor, measured in the same run:
#   bench NAME: VALUE UNIT vs floor VALUE UNIT = ratio R (target <= T)
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
build_dir=build-bench
log="$build_dir/bench-build.log"
mkdir -p "$build_dir"
if ! { cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXO_BUILD_BENCHMARKS=ON &&
       cmake --build "$build_dir" --parallel "$(nproc)" \
         --target frame_bench game_logic_bench play_bench; } >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
"$build_dir/bench/frame_bench" "$build_dir/game"
"$build_dir/bench/game_logic_bench"
"$build_dir/bench/play_bench" "$build_dir/game" "$build_dir/bench/minimal_window"
