#!/usr/bin/env bash
# Configures and builds into build/ (or $1 with extra CMake arguments after it), which also
# assembles the runnable game folder build/game.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
