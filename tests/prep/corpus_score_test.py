#!/usr/bin/env python3
"""The scorer measures what it claims: a stand-in for rowcard-prep that writes
each contact's expected card scores every contact right; one that also files
the street under EMAIL, or the job title as the name's prefix, is caught
holding another column's data; one that adds
a card for a footer line is caught with a stray card; one that drops the type
of every phone loses every contact with a phone.

Usage: corpus_score_test.py   (run by ctest as prep_corpus_score_harness)
"""
import json
import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from layouts_test import clean  # noqa: E402

EXPORTS = os.path.join(HERE, "corpus", "exports")
# Exports with company-only rows, addresses, typed and untyped phones, several e-mails.
SAMPLE = "oracle_crm_accounts,pipedrive_people,yeastar_pbx_contacts,outlook_english,alamode_import_sheet"


def fake_card(want, mode):
    """The card a rowcard-prep that reads the export right would write, spoilt as `mode` says."""
    prefix, title = clean(want["prefix"]), clean(want["title"])
    if mode == "job_as_prefix" and title:
        prefix, title = title, ""
    middle, fn = "", clean(want["fn"])
    if mode == "made_up_middle" and want["given"] and want["family"]:
        # A middle name of no cell of the row, in FN too: no display name of the export.
        middle, fn = "Xaver", " ".join((clean(want["given"]), "Xaver", clean(want["family"])))
    lines = ["BEGIN:VCARD", "VERSION:3.0",
             "N:" + ";".join(clean(want[f]) for f in ("family", "given")) + f";{middle};{prefix};" + clean(want["suffix"]),
             "FN:" + fn, "ORG:" + clean(want["org"]), "TITLE:" + title]
    for kind, number in want["tels"]:
        kind = "VOICE" if kind == "*" else kind.split("|")[0]
        lines.append(("TEL:" if mode == "untyped" else f"TEL;TYPE={kind}:") + clean(number))
    lines += ["EMAIL;TYPE=INTERNET:" + clean(m) for m in want["emails"]]
    for a in want["adrs"]:
        parts = [clean(x) for x in a[1:]]
        if mode == "city_in_street" and parts[0] and parts[1]:
            parts[0] += " " + parts[1]  # the town again after the street: no second street line
        lines.append(f"ADR;TYPE={a[0] or 'POSTAL'}:;;" + ";".join(parts))
        if mode == "street_as_email" and a[1]:
            lines.append("EMAIL;TYPE=INTERNET:" + clean(a[1]))
    return "\r\n".join(lines + ["END:VCARD", ""]) + "\r\n"


def fake_prep(mode, export):
    name = os.path.basename(export)[:-len(".csv")]
    with open(os.path.join(EXPORTS, name + ".expected.json"), encoding="utf-8") as f:
        wants = json.load(f)["contacts"]
    text = "".join(fake_card(w, mode) for w in wants)
    if mode == "footer_card":
        text += fake_card(dict(wants[0], fn="Celkem 3 kontakty", given="", family="", prefix="", suffix="",
                               org="", title="", tels=[], emails=[], adrs=[]), mode)
    with open(os.path.join(os.path.dirname(export), "cards.vcf"), "wb") as f:
        f.write(text.encode("cp1250"))
    return 0


def score(mode, folder):
    """The scorer's overall figures with the stand-in spoilt as `mode` says."""
    wrapper = os.path.join(folder, "fake-prep-" + mode)
    with open(wrapper, "w") as f:
        f.write(f"#!/bin/sh\nexec '{sys.executable}' '{os.path.abspath(__file__)}' --fake {mode} \"$@\"\n")
    os.chmod(wrapper, 0o755)
    run = subprocess.run([sys.executable, os.path.join(HERE, "corpus_score.py"), "--only", SAMPLE, wrapper],
                         capture_output=True, text=True)
    found = re.search(r"overall: (\d+)/(\d+) contacts right .*?, (\d+) cards with another column's data, "
                      r"(\d+) stray cards", run.stdout)
    if run.returncode != 0 or not found:
        raise SystemExit(f"the scorer broke ({run.returncode}): {run.stdout}{run.stderr}")
    return tuple(int(x) for x in found.groups())


def main():
    if sys.argv[1:2] == ["--fake"]:
        return fake_prep(sys.argv[2], sys.argv[3])
    names = SAMPLE.split(",")
    wants = []
    for name in names:
        with open(os.path.join(EXPORTS, name + ".expected.json"), encoding="utf-8") as f:
            wants += json.load(f)["contacts"]
    total = len(wants)
    with_address = sum(1 for w in wants if any(a[1] for a in w["adrs"]))
    with_phone = sum(1 for w in wants if w["tels"])
    with_title = sum(1 for w in wants if w["title"])
    with_names = sum(1 for w in wants if w["given"] and w["family"])
    with_street_and_city = sum(1 for w in wants if any(a[1] and a[2] for a in w["adrs"]))
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        cases = {"right": (total, total, 0, 0), "street_as_email": (total - with_address, total, with_address, 0),
                 "footer_card": (total, total, 0, len(names)), "untyped": (None, total, 0, 0),
                 "job_as_prefix": (total - with_title, total, with_title, 0),
                 "made_up_middle": (total - with_names, total, 0, 0),
                 "city_in_street": (total - with_street_and_city, total, 0, 0)}
        for mode, want in cases.items():
            got = score(mode, folder)
            if mode == "untyped":
                # A phone without a type fits only a column that gives none.
                untyped = sum(1 for w in wants if w["tels"] and all(t == "*" or "VOICE" in t.split("|")
                                                                    for t, _ in w["tels"]))
                want = (total - with_phone + untyped, total, 0, 0)
            status = "ok" if got == want else "FAILED"
            print(f"{mode}: right {got[0]}/{got[1]}, wrong-column {got[2]}, stray {got[3]}"
                  f" (want {want[0]}/{want[1]}, {want[2]}, {want[3]}): {status}")
            if got != want:
                failures.append(mode)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
