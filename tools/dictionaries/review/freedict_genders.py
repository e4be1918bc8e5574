#!/usr/bin/env python3
"""Checks the articles of the tables' German, French and Spanish nouns against the genders
FreeDict gives (Debian's dict-freedict-deu-eng, -fra-rus, -spa-deu): a noun whose article (or
note, "l'œuf (m)") names a gender FreeDict never gives it is printed for review, with the rate
of nouns that agree.

    freedict_genders.py
"""
import gzip
import re
from pathlib import Path

from freedict_agreement import forms, number

CHECKS = {
    "de": ("deu-eng", {"der": "masc", "die": "fem", "das": "neut"}),
    "fr": ("fra-rus", {"le": "masc", "la": "fem", "l'": ""}),
    "es": ("spa-deu", {"el": "masc", "la": "fem"}),
}
TOKENS = {"masc": "masc", "fem": "fem", "neut": "neut", "m": "masc", "f": "fem"}
NOTED = {"(m)": "masc", "(f)": "fem"}


def notes(cell):
    """The forms with their notes, in the order forms() gives them without."""
    return [f + ")" if f.count("(") > f.count(")") else f
            for f in re.split(r", (?![^()]*\))", cell)]


def genders(base):
    data = gzip.open(f"/usr/share/dictd/freedict-{base}.dict.dz").read()
    found = {}
    for line in open(f"/usr/share/dictd/freedict-{base}.index", encoding="utf-8"):
        parts = line.rstrip("\n").split("\t")
        if len(parts) < 3:
            continue
        offset, size = number(parts[1]), number(parts[2])
        head = data[offset:offset + size].split(b"\n", 1)[0].decode("utf-8", "replace")
        for marks in re.findall(r"<([^<>]*)>", head):
            for token in re.split(r",\s*", marks):
                if token in TOKENS:
                    found.setdefault(parts[0], set()).add(TOKENS[token])
    return found


def main():
    tables = Path(__file__).resolve().parent.parent / "words"
    for language, (base, articles) in CHECKS.items():
        known = genders(base)
        agree, differ = 0, []
        for table in sorted(tables.glob("*.tsv")):
            rows = [line.rstrip("\n").split("\t") for line in open(table, encoding="utf-8")]
            column = rows[0].index(language)
            for row in rows[1:]:
                for raw, form in zip(notes(row[column]), forms(row[column])):
                    if form.startswith("l'"):
                        article, noun = "l'", form[2:]
                    else:
                        article, _, noun = form.partition(" ")
                    gender = NOTED.get(raw[len(form) + 1:], articles.get(article))
                    if not gender or " " in noun or noun.lower() not in known:
                        continue
                    if gender in known[noun.lower()]:
                        agree += 1
                    else:
                        differ.append(f"{row[0]}: {form} ({', '.join(sorted(known[noun.lower()]))})")
        print(f"{language}: {agree} of {agree + len(differ)} nouns agree with {base}")
        for line in differ:
            print("  " + line)


if __name__ == "__main__":
    main()
