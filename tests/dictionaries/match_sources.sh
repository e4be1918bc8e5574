#!/usr/bin/env bash
# Rebuilds the dictionaries from tools/dictionaries with the given lexodrome-dict into a scratch
# folder and compares them byte for byte with the committed folders under game/; a committed
# folder with languages.txt that the sources no longer make is reported too.
set -euo pipefail

repo=$1
export LEXODROME_DICT=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$repo/tools/dictionaries/build.sh" "$scratch" >/dev/null
status=0
for built in "$scratch"/*/; do
    name=$(basename "$built")
    for file in "$built"/*; do
        file=$(basename "$file")
        if ! cmp -s "$built/$file" "$repo/game/$name/$file"; then
            echo "game/$name/$file differs from its source; run tools/dictionaries/build.sh" >&2
            status=1
        fi
    done
done
for committed in "$repo"/game/*/languages.txt; do
    name=$(basename "$(dirname "$committed")")
    if [[ ! -d $scratch/$name ]]; then
        echo "game/$name is made by no source; remove it or add it to tools/dictionaries" >&2
        status=1
    fi
done
exit $status
