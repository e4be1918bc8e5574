#!/usr/bin/env bash
# Regenerates all of the game's own content into game/ from the content tools:
#   tools/art    -> game/data/fon.bmp, player.bmp, dethplayer.bmp, the monster sheets and
#                   .mon files, and game/monsters.txt; the application's icons in dist/icons
#   tools/sound  -> game/data/fire.wav, die.wav, and the music loop, encoded here with lame
#                   to game/data/music.mp3
#   tools/fontmaker/make-fonts.sh -> game/data/font.dft, font2.dft
# The output is the same on every run, so a regenerated tree shows no change in git.
# Usage: tools/make-content.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

if ! command -v lame >/dev/null; then
  echo "make-content: lame is needed to encode the music (apt-get install lame)" >&2
  exit 1
fi
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -G Ninja
fi
cmake --build "$build" --target lexo_art lexo_sound

mkdir -p "$root/game/data"
"$build/tools/art/lexo_art" "$root/game" "$root/dist/icons"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/tools/sound/lexo_sound" "$root/game/data" "$scratch/music.wav"
# 112 kbit/s constant rate: small enough to ship, clean enough for soft instruments.
lame --quiet --noreplaygain -b 112 -q 2 "$scratch/music.wav" "$root/game/data/music.mp3"

if [[ -x $root/tools/fontmaker/make-fonts.sh ]]; then
  cmake --build "$build" --target fontmaker
  "$root/tools/fontmaker/make-fonts.sh" "$build"
fi
