#!/usr/bin/env bash
# Regenerates the shipped fonts from DejaVu Sans Bold with the build's fontmaker:
#   game/data/font.dft   the monsters' words: 17 px with a white 1.5 px outline, so words drawn
#                        in pure blue stay readable over any part of the meadow
#   game/data/font2.dft  the game-over banner: 48 px with a dark 2 px outline
# Usage: tools/fontmaker/make-fonts.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
fontmaker=$build/tools/fontmaker/fontmaker
ttf=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" --target fontmaker >/dev/null
"$fontmaker" --font "$ttf" --size 17 --outline 1.5 --outline-colour 0xFFFFFF \
  --out "$root/game/data/font.dft"
"$fontmaker" --font "$ttf" --size 48 --outline 2 --outline-colour 0x202020 \
  --out "$root/game/data/font2.dft"
