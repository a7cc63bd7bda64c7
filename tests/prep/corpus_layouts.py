#!/usr/bin/env python3
"""Layout changes must not change the cards: each file in
tests/prep/corpus/variants (made by corpus/make_exports.py) is an export of
tests/prep/corpus/exports with its columns shuffled, its headers in another
language Outlook writes, columns of ids, dates, flags and empty ones added, or
a title line and a footer around it. rowcard-prep reads the export and each
variant in fresh folders, python3-vobject reads their cards, and every card
must be the same, property by property.

Usage: corpus_layouts.py [--strict] ROWCARD_PREP

Without --strict it only reports (exit 0 unless the harness breaks); with
--strict it exits 1 when a variant's cards differ from its export's.
"""
import glob
import os
import sys
import tempfile

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from corpus_score import by_vobject, run_prep  # noqa: E402

CORPUS = os.path.join(HERE, "corpus")


def cards_of(prep, path):
    """The cards rowcard-prep makes of one export, as vobject reads them; or
    None and what rowcard-prep said."""
    with tempfile.TemporaryDirectory() as folder:
        text, said = run_prep(prep, path, folder)
    if text is None:
        return None, said
    cards = by_vobject(text)
    for c in cards:
        c["tels"] = sorted((sorted(t), v) for t, v in c["tels"])
        c["adrs"] = sorted((sorted(t), p) for t, p in c["adrs"])
        c["emails"] = sorted(c["emails"])
    return cards, said


def first_difference(base, variant):
    if len(base) != len(variant):
        return f"{len(variant)} cards for the export's {len(base)}"
    for k, (b, v) in enumerate(zip(base, variant)):
        for field in b:
            if b[field] != v[field]:
                return f"card {k + 1} ({b['fn']}): {field} {v[field]!r}, the export's {b[field]!r}"
    return ""


def main():
    args = sys.argv[1:]
    strict = "--strict" in args
    args = [a for a in args if a != "--strict"]
    if len(args) != 1:
        print(__doc__)
        return 2
    prep = os.path.abspath(args[0])
    variants = sorted(glob.glob(os.path.join(CORPUS, "variants", "*.csv")))
    if not variants:
        print("no variants to compare")
        return 2
    bases, same, differ = {}, 0, 0
    for path in variants:
        name = os.path.basename(path)[:-len(".csv")]
        base = name.split(".")[0]
        if base not in bases:
            bases[base] = cards_of(prep, os.path.join(CORPUS, "exports", base + ".csv"))
        base_cards, base_said = bases[base]
        cards, said = cards_of(prep, path)
        if base_cards is None and cards is None:
            verdict = "neither read: " + said[:150]
        elif base_cards is None or cards is None:
            verdict = "only one read: " + (said if cards is None else base_said)[:150]
        else:
            verdict = first_difference(base_cards, cards)
        if verdict:
            differ += 1
            print(f"{name}: DIFFERS: {verdict}")
        else:
            same += 1
            print(f"{name}: same {len(cards)} cards")
    print(f"{same} of {same + differ} layout changes give the same cards")
    return 1 if strict and differ else 0


if __name__ == "__main__":
    sys.exit(main())
