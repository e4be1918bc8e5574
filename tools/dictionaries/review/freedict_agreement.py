#!/usr/bin/env python3
"""Spot check of the concept tables against a FreeDict dictionary (Debian's dict-freedict-*).

    freedict_agreement.py SRC TGT   e.g. en de, with /usr/share/dictd/freedict-eng-deu.*

For every concept with both forms it looks the first SRC form up (without its article, note or
"to ") and counts the concept as agreeing when one of the TGT forms appears in an entry found.
Prints the agreement rate and the concepts that differ, for a person to review.
"""
import glob
import gzip
import re
import sys
from pathlib import Path

ISO3 = {"en": "eng", "de": "deu", "fr": "fra", "es": "spa", "it": "ita", "pl": "pol",
        "ru": "rus", "uk": "ukr"}
B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
ARTICLE = re.compile(r"^(der|die|das|le|la|les|l'|el|los|las|il|lo|i|gli|to) ", re.I)


def number(text):
    value = 0
    for c in text:
        value = value * 64 + B64.index(c)
    return value


def forms(cell):
    out, depth, start = [], 0, 0
    for i, c in enumerate(cell):
        depth += (c == "(") - (c == ")")
        if c == "," and depth == 0 and cell[i + 1:i + 2] == " ":
            out.append(cell[start:i])
            start = i + 2
    out.append(cell[start:])
    return [re.sub(r" \([^()]*\)$", "", f) for f in out]


def plain(form):
    form = re.sub(r"^l'", "", form)
    return ARTICLE.sub("", form).replace("ё", "е").lower()


def main(src, tgt):
    base = f"/usr/share/dictd/freedict-{ISO3[src]}-{ISO3[tgt]}"
    data = gzip.open(base + ".dict.dz").read()
    index = {}
    for line in open(base + ".index", encoding="utf-8"):
        parts = line.rstrip("\n").split("\t")
        if len(parts) >= 3:
            index.setdefault(parts[0].lower(), []).append((number(parts[1]), number(parts[2])))
    tables = Path(__file__).resolve().parent.parent / "words"
    agree, differ, unknown = 0, [], 0
    for table in sorted(glob.glob(str(tables / "*.tsv"))):
        rows = [line.rstrip("\n").split("\t") for line in open(table, encoding="utf-8")]
        head = rows[0]
        for row in rows[1:]:
            cell = dict(zip(head, row))
            if cell[src] == "-" or cell[tgt] == "-":
                continue
            word = plain(forms(cell[src])[0])
            entries = index.get(word)
            if not entries:
                unknown += 1
                continue
            text = " ".join(data[o:o + n].decode("utf-8", "replace") for o, n in entries)
            text = text.replace("ё", "е").lower()
            if any(plain(f) in text for f in forms(cell[tgt])):
                agree += 1
            else:
                differ.append(f"{cell['id']}: {word} -> {cell[tgt]}")
    looked = agree + len(differ)
    print(f"{src}-{tgt}: {agree} of {looked} found agree ({100 * agree / max(looked, 1):.0f} %), "
          f"{unknown} not in FreeDict")
    for line in differ:
        print("  " + line)


if __name__ == "__main__":
    main(*sys.argv[1:3])
