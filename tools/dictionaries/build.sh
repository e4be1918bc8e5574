#!/usr/bin/env bash
# Makes the shipped dictionary folders game/<name>/ from the UTF-8 sources beside this script.
# Usage: build.sh [folder]   writes into folder instead of the repo's game/ (for checks).
#
# Each source folder holds:
#   about.txt  the title line and the description; "@COUNT@" becomes the number of words.
#   words.txt  one "word = translation, translation" per line; lines starting with "#" and
#              empty lines only group the list for reading.
# The game files are CP1251 with CR LF line ends; ", " between translations becomes the two
# spaces the game expects.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
game=$(cd "${1:-$here/../../game}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "build.sh: $*" >&2
    exit 1
}

# Splits words.txt into the word and translation lists (UTF-8, LF).
split_words() {
    local source=$1
    awk -v source="$source" -v words="$work/names.txt" -v translations="$work/names2.txt" '
        { sub(/\r$/, "") }
        /^#/ || /^$/ { next }
        {
            n = split($0, part, " = ")
            if (n != 2 || part[1] == "" || part[2] == "") {
                printf "%s:%d: expected \"word = translation\"\n", source, NR > "/dev/stderr"
                bad = 1
                next
            }
            gsub(/, /, "  ", part[2])
            print part[1] > words
            print part[2] > translations
        }
        END { exit bad }
    ' "$source"
}

# Writes one UTF-8 text as a CP1251 game file with CR LF line ends, then reads it back.
write_cp1251() {
    local utf8=$1 target=$2 source=$3
    tr -d '\r' <"$utf8" | iconv -f UTF-8 -t CP1251 | sed 's/$/\r/' >"$target" ||
        fail "$source holds a character that CP1251 cannot hold"
    iconv -f CP1251 -t UTF-8 "$target" | tr -d '\r' | cmp -s - <(tr -d '\r' <"$utf8") ||
        fail "$target does not read back as its source"
    if LC_ALL=C grep -qP '[\xC2-\xDF][\x80-\xBF]|[\xE0-\xEF][\x80-\xBF]{2}|[\xF0-\xF4][\x80-\xBF]{3}' "$target"; then
        fail "$target still looks like UTF-8"
    fi
}

for source in "$here"/*/; do
    source=${source%/}
    name=$(basename "$source")
    [[ -f $source/words.txt && -f $source/about.txt ]] || continue
    split_words "$source/words.txt" || fail "$source/words.txt has malformed lines"
    [[ -s $work/names.txt ]] || fail "$source/words.txt holds no words"
    count=$(wc -l <"$work/names.txt")
    sed "s/@COUNT@/$count/g" "$source/about.txt" >"$work/about.txt"

    mkdir -p "$game/$name"
    write_cp1251 "$work/about.txt" "$game/$name/about.txt" "$source/about.txt"
    write_cp1251 "$work/names.txt" "$game/$name/names.txt" "$source/words.txt"
    write_cp1251 "$work/names2.txt" "$game/$name/names2.txt" "$source/words.txt"
    echo "$game/$name: $count words"
    rm -f "$work"/*.txt
done
