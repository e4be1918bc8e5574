#!/usr/bin/env bash
# Runs every form of the concept tables through hunspell in its language and prints, per
# language, the words hunspell does not know (Debian: hunspell and hunspell-ru, -uk, -en-gb,
# -de-de, -fr, -es, -pl, -it). Notes in parentheses are left out; the rest is split into words.
set -euo pipefail

words=$(cd "$(dirname "$0")/../words" && pwd)
declare -A dictionary=([ru]=ru_RU [uk]=uk_UA [en]=en_GB [de]=de_DE [fr]=fr_FR [es]=es_ES
                       [pl]=pl_PL [it]=it_IT)
for language in ru uk en de fr es pl it; do
    unknown=$(awk -F'\t' -v language="$language" '
            FNR == 1 { for (i = 1; i <= NF; i++) if ($i == language) column = i; next }
            $column != "-" { print $column }' "$words"/*.tsv |
        sed 's/([^()]*)//g' | tr ', ' '\n\n' | sed '/^$/d' | sort -u |
        hunspell -l -d "${dictionary[$language]}" | sort -u | tr '\n' ' ')
    echo "$language (${dictionary[$language]}): ${unknown:-nothing unknown}"
done
