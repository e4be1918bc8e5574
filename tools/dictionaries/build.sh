#!/usr/bin/env bash
# Makes the shipped dictionary folders game/<name>/ from the concept tables beside this script
# (words/*.tsv) with `lexodrome-dict import`, writes their about.LL.txt, and checks each with
# `lexodrome-dict check`, which must find nothing to report.
# Usage: build.sh [FOLDER]   writes into FOLDER instead of the repo's game/ (for checks).
# The program is $LEXODROME_DICT, by default build/game/lexodrome-dict (scripts/build.sh makes it).
#
# Two kinds of list come out:
#   <language>-a1-<tag>  every concept, words in one language and translations in another, for
#                        each pair of the tables' languages (english-a1-de: English for German
#                        speakers).
#   <folder>/            a source folder that picks concepts, for the classic lists; it holds
#       concepts.txt     the concept ids in order ("id = word" keeps an older list's spelling)
#       languages.txt    the words' and the translations' language tags ("de ru")
#       about.txt        the title line, then the description; import adds the word count
#       kind.txt         which texts.tsv texts describe it in other languages: basics, travel
# texts.tsv holds those texts in every interface language; about.txt of the generated lists
# is the Russian one, as the classic lists' is.
#   <folder>/            a source folder of a list in another script (Chinese, Arabic ...);
#       words.tsv        "word TAB translation, translation TAB reading, reading", the readings
#                        going to readings.txt
#       languages.txt, about.txt  as above
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
game=$(cd "${1:-$repo/game}" && pwd)
dict=${LEXODROME_DICT:-$repo/build/game/lexodrome-dict}
[[ -x $dict ]] || { echo "build.sh: $dict not found; run scripts/build.sh first" >&2; exit 1; }

tables=("$here"/words/*.tsv)
languages=(ru uk en de fr es pl it)
interface=(en de uk fr es pl it)
declare -A folder_word=([ru]=russkij [uk]=ukrainska [en]=english [de]=deutsch [fr]=francais
                        [es]=espanol [pl]=polski [it]=italiano)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

awk -v check=1 -f "$here/pairs.awk" "${tables[@]}"

# text KEY LANGUAGE [VALUE]: the texts.tsv entry, with VALUE in place of its %s.
text() {
    awk -F'\t' -v key="$1" -v language="$2" -v value="${3-}" '
        NR == 1 { for (i = 2; i <= NF; i++) if ($i == language) column = i; next }
        $1 == key { line = $column; sub(/%s/, value, line); print line; found = 1 }
        END { if (!found || !column) { print "texts.tsv: no " key " in " language > "/dev/stderr"; exit 1 } }
    ' "$here/texts.tsv"
}

# describe WORDS TRANSLATIONS KIND LANGUAGE: title line, then the description lines.
describe() {
    text "name-$1" "$4" | tr -d '\n'
    echo ": $(text "$3-title" "$4")"
    text "$3-about" "$4"
    text translations "$4" "$(text "into-$2" "$4")"
    for variety in en es; do
        if [[ $1 == "$variety" || $2 == "$variety" ]]; then text "variety-$variety" "$4"; fi
    done
}

fail_on_report() {
    if grep -q ': \(error\|warning\): ' <<<"$1"; then
        echo "$1" >&2
        exit 1
    fi
}

# make NAME WORDS TRANSLATIONS KIND ABOUT_TXT [LIST]: imports the pairs into game/NAME, adds
# the about.LL.txt files and checks the folder.
make_folder() {
    local name=$1 words=$2 translations=$3 kind=$4 about=$5 list=${6-}
    local built=$scratch/$name
    awk -v words="$words" -v translations="$translations" -f "$here/pairs.awk" \
        "${tables[@]}" ${list:+"$list"} >"$scratch/$name.pairs"
    "$dict" import "$scratch/$name.pairs" --format pairs --out "$built" \
        --languages "$words $translations" --title "$(head -n 1 "$about")" \
        --about "$(tail -n +2 "$about")" >"$scratch/$name.log" 2>&1 ||
        { cat "$scratch/$name.log" >&2; exit 1; }
    local count
    count=$(awk 'END { print NR }' "$built/names.txt")
    for language in "${interface[@]}"; do
        { describe "$words" "$translations" "$kind" "$language"
          text words "$language" "$count"; } | sed 's/$/\r/' >"$built/about.$language.txt"
        # check reads about.txt only: each translation is checked in its place.
        mkdir -p "$scratch/.about/$name"
        cp "$built/names.txt" "$built/names2.txt" "$scratch/.about/$name/"
        cp "$built/about.$language.txt" "$scratch/.about/$name/about.txt"
        fail_on_report "$(cd "$scratch/.about" && "$dict" check --game "$repo/game" "$name")"
    done
    rm -rf "${game:?}/$name"
    mv "$built" "$game/$name"
    fail_on_report "$(cd "$game" && "$dict" check --game "$repo/game" "$name")"
}

for source in "$here"/*/; do
    source=${source%/}
    [[ -f $source/concepts.txt ]] || continue
    read -r words translations <"$source/languages.txt"
    make_folder "$(basename "$source")" "$words" "$translations" "$(cat "$source/kind.txt")" \
        "$source/about.txt" "$source/concepts.txt"
done

for words in "${languages[@]}"; do
    for translations in "${languages[@]}"; do
        [[ $words != "$translations" ]] || continue
        describe "$words" "$translations" stock ru >"$scratch/about.txt"
        make_folder "${folder_word[$words]}-a1-$translations" "$words" "$translations" stock \
            "$scratch/about.txt"
    done
done

# Lists in other scripts, with their readings: imported as they stand.
for source in "$here"/*/; do
    source=${source%/}
    [[ -f $source/words.tsv ]] || continue
    name=$(basename "$source")
    rm -rf "${game:?}/$name"
    "$dict" import "$source/words.tsv" --format tsv --readings 3 --out "$game/$name" \
        --languages "$(cat "$source/languages.txt")" --title "$(head -n 1 "$source/about.txt")" \
        --about "$(tail -n +2 "$source/about.txt")" >"$scratch/$name.log" 2>&1 ||
        { cat "$scratch/$name.log" >&2; exit 1; }
    fail_on_report "$(cd "$game" && "$dict" check --game "$repo/game" "$name")"
done
