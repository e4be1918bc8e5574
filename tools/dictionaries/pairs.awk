# Turns the concept tables into "word = translation, translation" lines for lexodrome-dict
# import (its pairs format).
#   awk -v words=de -v translations=ru -f pairs.awk TABLE.tsv...           every concept
#   awk -v words=de -v translations=ru -f pairs.awk TABLE.tsv... LIST.txt  the list's concepts
#   awk -v check=1 -f pairs.awk TABLE.tsv...                               only check the tables
# A table's first row names its columns: id, one per language tag, note. A cell holds the
# forms a learner may give, separated by ", "; a form may end in a note for learners of its
# language in parentheses ("der Hund (Hunde)", "l'œuf (m)"), which the word shows and an answer
# leaves out. "-" marks a language without the concept; the note then says why.
# A list (a file not ending in .tsv) names one concept id a line, in its order: "id" takes the
# word from the table, "id = word" keeps a word as an older list spelled it, which must be one
# of the concept's forms (also without its note or a leading "to "). "#" lines are comments.

function fail(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"
    failed = 1
}

# Splits a cell at ", " outside parentheses; returns the number of forms.
function split_forms(cell, forms,    n, depth, i, c, start) {
    n = 0
    depth = 0
    start = 1
    for (i = 1; i <= length(cell); i++) {
        c = substr(cell, i, 1)
        if (c == "(") depth++
        else if (c == ")") depth--
        else if (c == "," && depth == 0 && substr(cell, i + 1, 1) == " ") {
            forms[++n] = substr(cell, start, i - start)
            start = i + 2
        }
    }
    forms[++n] = substr(cell, start)
    return n
}

function bare(form) {
    sub(/ \([^()]*\)$/, "", form)
    return form
}

function answers(cell,    forms, n, i, joined) {
    n = split_forms(cell, forms)
    joined = bare(forms[1])
    for (i = 2; i <= n; i++) joined = joined ", " bare(forms[i])
    return joined
}

function check_row(    i, n, forms, f) {
    if (NF != columns) { fail("has " NF " columns, the header " columns); return }
    if ($1 in seen) fail("concept \"" $1 "\" is also in " seen[$1])
    seen[$1] = FILENAME
    for (i = 2; i < columns; i++) {
        if ($i == "-") {
            if ($columns == "") fail("concept \"" $1 "\" has no " header[i] " and no note why")
            continue
        }
        n = split_forms($i, forms)
        for (f = 1; f <= n; f++) {
            if (forms[f] == "" || forms[f] ~ /^ | $|  |[=;|\/\t]/)
                fail("concept \"" $1 "\": " header[i] " form \"" forms[f] "\" is empty, has stray blanks or a separator")
        }
    }
}

function emit(id, word,    w, t) {
    if (!(id in row_of)) { fail("no concept \"" id "\" in the tables"); return }
    w = cell[id, words]
    t = cell[id, translations]
    if (w == "-" || t == "-") return
    if (word == "") { split_forms(w, first); word = first[1] }
    print word " = " answers(t)
}

function is_form(id, word,    forms, n, i, f) {
    n = split_forms(cell[id, words], forms)
    for (i = 1; i <= n; i++) {
        f = forms[i]
        if (tolower(word) == tolower(f) || tolower(word) == tolower(bare(f))) return 1
        f = bare(f)
        if (sub(/^to /, "", f) && tolower(word) == tolower(f)) return 1
    }
    return 0
}

BEGIN { FS = "\t" }

FILENAME ~ /\.tsv$/ && FNR == 1 {
    if ($1 != "id" || $NF != "note") fail("the first row names the columns: id, languages…, note")
    columns = NF
    for (i = 1; i <= NF; i++) { header[i] = $i; column[$i] = i }
    if (!check && !(words in column && translations in column))
        fail("no column \"" words "\" or \"" translations "\"")
    next
}

FILENAME ~ /\.tsv$/ {
    check_row()
    order[++concepts] = $1
    row_of[$1] = concepts
    for (i = 2; i < columns; i++) cell[$1, header[i]] = $i
    next
}

/^#/ || /^$/ { next }

{
    listed = 1
    if (index($0, " = ")) {
        id = substr($0, 1, index($0, " = ") - 1)
        word = substr($0, index($0, " = ") + 3)
        if ((id in row_of) && !is_form(id, word))
            fail("\"" word "\" is not a " words " form of concept \"" id "\"")
        else
            emit(id, word)
    } else {
        emit($0, "")
    }
}

END {
    if (failed) exit 1
    if (check || listed) exit 0
    for (c = 1; c <= concepts; c++) emit(order[c], "")
}
