#!/bin/sh
# Composes a still of a game in progress from the content of a game folder, as the game would
# draw it: background, corpses, the player, monsters (mirrored on the right half) with their
# words in blue 20 pixels above them. Needs ImageMagick's convert.
#   usage: tools/art/preview-scene.sh <game folder> <out.png>
set -eu
game=$1
out=$2
d="$game/data"

# frame <sheet> <frame width> <frame height> <columns> <frame number> <mirror 0|1>
frame() {
    col=$(( ($5 - 1) % $4 ))
    row=$(( ($5 - 1) / $4 ))
    flop=""
    [ "$6" = 1 ] && flop="-flop"
    printf '( %s -crop %sx%s+%s+%s +repage -transparent #0000FF %s )' \
        "$d/$1" "$2" "$3" $((col * $2)) $((row * $3)) "$flop"
}

# place <x> <y>: the position of the frame given just before it
place() { printf ' -geometry +%s+%s -composite ' "$1" "$2"; }

word() { printf ' -annotate +%s+%s %s ' "$1" $(($2 - 20 + 14)) "$3"; }

# The words of the walking monsters below; drawn twice, outlined in white like the word font.
words() {
    word 90 150 window; word 250 60 mountain; word 640 240 butterfly
    word 700 400 thunder; word 20 380 garden; word 560 20 river
}

# shellcheck disable=SC2046
convert "$d/fon.bmp" \
    $(frame troll_die.bmp 72 72 3 6 0) $(place 150 300) \
    $(frame slime_die.bmp 56 36 3 6 0) $(place 560 130) \
    $(frame skeleton_die.bmp 64 72 3 6 0) $(place 300 400) \
    $(frame player.bmp 78 84 3 2 1) $(place 400 200) \
    $(frame bat_fly.bmp 56 40 3 2 0) $(place 90 150) \
    $(frame troll_walk.bmp 64 72 4 3 0) $(place 250 60) \
    $(frame slime_ooze.bmp 56 36 4 5 1) $(place 640 240) \
    $(frame skeleton_walk.bmp 48 72 4 7 1) $(place 700 400) \
    $(frame beetle_walk.bmp 64 48 6 4 0) $(place 20 380) \
    $(frame bat_fly.bmp 56 40 3 4 1) $(place 560 20) \
    -font DejaVu-Sans-Bold -pointsize 16 -fill '#0000FF' \
    -stroke white -strokewidth 3 $(words) -stroke none $(words) \
    "$out"
