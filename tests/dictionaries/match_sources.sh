#!/usr/bin/env bash
# Rebuilds the dictionaries from tools/dictionaries with the given lexodrome-dict into a scratch
# folder and compares them byte for byte with the committed folders under game/.
set -euo pipefail

repo=$1
export LEXODROME_DICT=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$repo/tools/dictionaries/build.sh" "$scratch" >/dev/null
status=0
for built in "$scratch"/*/; do
    name=$(basename "$built")
    for file in about.txt names.txt names2.txt readings.txt; do
        [[ $file != readings.txt || -f $built/$file || -f $repo/game/$name/$file ]] || continue
        if ! cmp -s "$built/$file" "$repo/game/$name/$file"; then
            echo "game/$name/$file differs from its source; run tools/dictionaries/build.sh" >&2
            status=1
        fi
    done
done
exit $status
