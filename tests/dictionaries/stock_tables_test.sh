#!/usr/bin/env bash
# The concept tables' own checks in pairs.awk: a faulty table is refused with its file and line,
# a language marked absent with its reason leaves the concept out of that language's pairs.
set -uo pipefail

awk_file=$1/tools/dictionaries/pairs.awk
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
expect() {  # expect WHAT GOT WANTED
    if [[ $2 != "$3" ]]; then
        printf '%s:\n  got:    %s\n  wanted: %s\n' "$1" "$2" "$3" >&2
        status=1
    fi
}

header=$'id\tru\tde\tnote'
printf '%s\n%s\n%s\n' "$header" $'dog\tсобака, пёс\tder Hund (Hunde)\t' \
    $'snow-shovel\tлопата\t-\tno one word in German' >"$scratch/good.tsv"
expect "pairs of a good table" \
    "$(awk -v words=de -v translations=ru -f "$awk_file" "$scratch/good.tsv")" \
    "der Hund (Hunde) = собака, пёс"
expect "Russian words from it" \
    "$(awk -v words=ru -v translations=de -f "$awk_file" "$scratch/good.tsv")" \
    "собака = der Hund"
printf '%s\n' "dog = der Hund" "dog = Katze" >"$scratch/list.txt"
expect "a list keeps only forms of the concept" \
    "$(awk -v words=de -v translations=ru -f "$awk_file" "$scratch/good.tsv" "$scratch/list.txt" 2>&1 >/dev/null)" \
    "$scratch/list.txt:2: \"Katze\" is not a de form of concept \"dog\""
expect "the list's pairs" \
    "$(awk -v words=de -v translations=ru -f "$awk_file" "$scratch/good.tsv" "$scratch/list.txt" 2>/dev/null)" \
    "der Hund = собака, пёс"

printf '%s\n%s\n%s\n%s\n%s\n' "$header" $'cat\tкошка\t-\t' $'cat\tкот\tdie Katze\t' \
    $'mouse\tмышь\tdie Maus, \t' $'fox\tлиса' >"$scratch/bad.tsv"
expect "faults of a bad table" "$(awk -v check=1 -f "$awk_file" "$scratch/bad.tsv" 2>&1)" \
    "$(printf '%s\n' \
        "$scratch/bad.tsv:2: concept \"cat\" has no de and no note why" \
        "$scratch/bad.tsv:3: concept \"cat\" is also in $scratch/bad.tsv" \
        "$scratch/bad.tsv:4: concept \"mouse\": de form \"\" is empty, has stray blanks or a separator" \
        "$scratch/bad.tsv:5: has 2 columns, the header 4")"
awk -v check=1 -f "$awk_file" "$scratch/bad.tsv" 2>/dev/null
expect "exit status of a bad table" "$?" 1
exit $status
