#!/usr/bin/env bash
# Makes the shipped dictionary folders game/<name>/ from the UTF-8 sources beside this script
# with `lexodrome-dict import`, then checks them with `lexodrome-dict check`, which must find
# nothing to report.
# Usage: build.sh [FOLDER]   writes into FOLDER instead of the repo's game/ (for checks).
# The program is $LEXODROME_DICT, by default build/game/lexodrome-dict (scripts/build.sh makes it).
#
# Each source folder holds:
#   about.txt  the title line, then the description; import adds the word count below it.
#   words.txt  one "word = translation, translation" per line; lines starting with "#" and
#              empty lines only group the list for reading.
#   words.tsv  instead of words.txt, for words in other scripts: "word TAB translation,
#              translation TAB reading, reading", the readings going to readings.txt.
#   languages.txt  the words' and the translations' language tags ("de ru"), for the
#              folder's languages.txt, by which the game speaks the words.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
game=$(cd "${1:-$repo/game}" && pwd)
dict=${LEXODROME_DICT:-$repo/build/game/lexodrome-dict}
[[ -x $dict ]] || { echo "build.sh: $dict not found; run scripts/build.sh first" >&2; exit 1; }

for source in "$here"/*/; do
    source=${source%/}
    name=$(basename "$source")
    [[ -f $source/about.txt && -f $source/languages.txt ]] || continue
    if [[ -f $source/words.tsv ]]; then
        words=("$source/words.tsv" --format tsv --readings 3)
    elif [[ -f $source/words.txt ]]; then
        words=("$source/words.txt" --format pairs)
    else
        continue
    fi
    "$dict" import "${words[@]}" --force --out "$game/$name" \
        --languages "$(cat "$source/languages.txt")" --title "$(head -n 1 "$source/about.txt")" --about "$(tail -n +2 "$source/about.txt")"
    report=$(cd "$game" && "$dict" check --game "$repo/game" "$name")
    if grep -q ': \(error\|warning\): ' <<<"$report"; then
        echo "$report" >&2
        exit 1
    fi
done
