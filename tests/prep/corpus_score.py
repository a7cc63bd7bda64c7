#!/usr/bin/env python3
"""Scores rowcard-prep on exports of layouts it was not built for: each export
in tests/prep/corpus/exports goes through rowcard-prep in a fresh folder, the
cards are read by python3-vobject, by Evolution's parser and by ical.js (each
where installed), and a contact counts as right only when every reader finds
every field as the export says, cleaned as rowcard cleans it: given and family
name, display name (FN), job title, organisation, each phone with its type,
each e-mail and the postal address parts. A company-only contact is right when
FN and ORG are the company and it has no person's name.

Separately it counts cards that hold another column's data: a value in a
property where the contact's export row has it in another column (an opt-out
flag as an e-mail, a phone's type as a phone, a job title as the name's
prefix), and stray cards that belong to no contact (a title line, a footer).

Usage: corpus_score.py [--thresholds] [--fields extended] [--only NAME[,NAME]]
                       [--verbose] [--node NODE --icaljs MODULE_FILE] [--exports DIR] ROWCARD_PREP

--exports scores another folder of exports with their expectations, such as
the held-out set tests/prep/corpus/unseen/exports (default: corpus/exports).

Without --thresholds it only reports, and exits 0 unless the harness itself
breaks (2). With --thresholds it exits 1 unless every export has at least 90%
of its contacts right, all of them together at least 95%, and no card holds
another column's data or belongs to no contact. --fields extended also scores
birthdays, nicknames and web pages.
"""
import argparse
import glob
import json
import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
import vobject  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from layouts_test import clean  # noqa: E402  (the one rule for a value as a card holds it)

try:
    import gi
    gi.require_version("EBookContacts", "1.2")
    from gi.repository import EBookContacts
except (ImportError, ValueError):
    EBookContacts = None

EXPORTS = os.path.join(HERE, "corpus", "exports")
# The thresholds the integrator turns on once rowcard-prep reads these layouts.
EXPORT_SHARE = 0.90
OVERALL_SHARE = 0.95
SCORED = ("fn", "given", "family", "title", "org", "tels", "emails", "adrs")
EXTENDED = ("bday", "nickname", "url")
# Salutations, whose place on a card is the name's prefix, which is not scored:
# a salutation column's value there is no other column's data, as a job title is.
SALUTATIONS = {"herr", "frau", "hr", "fr", "mr", "mrs", "ms", "miss", "pan", "pani", "ur", "holgy", "asszony",
               "domnul", "doamna", "dl", "dna", "gospod", "gospa", "g", "ga", "monsieur", "madame"}


def card_types(types):
    """A property's TYPE values as one set of upper-case words."""
    out = set()
    for t in types:
        out.update(x.strip().upper() for x in t.split(",") if x.strip())
    return out - {"PREF", "INTERNET"}


def plain_card(fn="", n=("", "", "", "", ""), org="", title="", tels=(), emails=(), adrs=(), bday="", nickname="",
               url=""):
    n = (list(n) + [""] * 5)[:5]
    return dict(fn=fn, family=n[0], given=n[1], middle=n[2], prefix=n[3], suffix=n[4], org=org, title=title,
                tels=[(card_types(t), v) for t, v in tels if v], emails=[e for e in emails if e],
                adrs=[(card_types(t), list(p)) for t, p in adrs if any(p)], bday=bday, nickname=nickname, url=url)


def kinds(line):
    """The types of a vobject line: TYPE's values, and vCard 2.1's bare words."""
    return list(line.params.get("TYPE", [])) + list(getattr(line, "singletonparams", []))


def by_vobject(text):
    cards = []
    for card in vobject.readComponents(text):
        c = card.contents

        def first(name):
            return c[name][0].value if name in c else ""
        n = card.n.value if "n" in c else vobject.vcard.Name()
        org = c["org"][0].value if "org" in c else [""]
        adrs = [(kinds(a), [a.value.street, a.value.city, a.value.region, a.value.code,
                                             a.value.country]) for a in c.get("adr", [])]
        cards.append(plain_card(
            first("fn"), (n.family, n.given, n.additional, n.prefix, n.suffix), org[0] if org else "", first("title"),
            [(kinds(t), t.value) for t in c.get("tel", [])], [e.value for e in c.get("email", [])],
            adrs, str(first("bday")), first("nickname"), first("url")))
    return cards


def by_evolution(text):
    cards = []
    for chunk in text.split("END:VCARD")[:-1]:
        contact = EBookContacts.Contact.new_from_vcard(chunk.strip() + "\r\nEND:VCARD\r\n")
        attributes = {}
        for a in EBookContacts.VCard.get_attributes(contact):
            attributes.setdefault(a.get_name().upper(), []).append(a)

        def values(name):
            return [a.get_values() for a in attributes.get(name, [])]

        def first(name):
            return (values(name) or [[""]])[0][0]

        def kind(a):
            return [v for p in a.get_params() if p.get_name().upper() == "TYPE" for v in p.get_values()]
        n = (values("N") or [[""] * 5])[0] + [""] * 5
        cards.append(plain_card(
            contact.get_property("full-name") or "", n[:5], first("ORG"), first("TITLE"),
            [(kind(a), a.get_values()[0]) for a in attributes.get("TEL", [])], [v[0] for v in values("EMAIL")],
            [(kind(a), (a.get_values() + [""] * 7)[2:7]) for a in attributes.get("ADR", [])],
            first("BDAY"), first("NICKNAME"), first("URL")))
    return cards


def icaljs_reader(node, module):
    script = os.path.join(HERE, "corpus", "icaljs_read.mjs")

    def by_icaljs(text, path):
        run = subprocess.run([node, script, module, path], capture_output=True, text=True)
        if run.returncode != 0:
            raise RuntimeError(f"ical.js reader failed: {run.stderr.strip()}")
        cards = []
        for props in json.loads(run.stdout):
            got = {}
            for p in props:
                got.setdefault(p["name"].upper(), []).append(p)

            def first(name):
                v = got.get(name, [{"values": [""]}])[0]["values"]
                v = v[0] if v else ""
                return v if isinstance(v, str) else (v[0] if v else "")

            def parts(name, count):
                v = got.get(name, [{"values": [[""] * count]}])[0]["values"]
                v = v[0] if v else []
                v = [v] if isinstance(v, str) else v
                return (list(v) + [""] * count)[:count]
            adrs = []
            for a in got.get("ADR", []):
                v = a["values"][0] if a["values"] else []
                v = ([v] if isinstance(v, str) else list(v)) + [""] * 7
                adrs.append((a["types"], v[2:7]))
            cards.append(plain_card(
                first("FN"), parts("N", 5), parts("ORG", 1)[0], first("TITLE"),
                [(t["types"], t["values"][0] if t["values"] else "") for t in got.get("TEL", [])],
                [e["values"][0] for e in got.get("EMAIL", []) if e["values"]], adrs,
                first("BDAY"), first("NICKNAME"), first("URL")))
        return cards
    return by_icaljs


def type_fits(want, got):
    """Whether a card's TYPE words fit the type the export gives: '*' is any;
    'WORK|VOICE' either; a fax is never a voice line nor the reverse."""
    if want == "*":
        return True
    alternatives = want.split("|")
    if ("FAX" in got) != ("FAX" in alternatives):
        return False
    return any(a in got for a in alternatives) or (not got and "VOICE" in alternatives)


def same_list(wanted, got, match):
    """Whether each wanted item is matched by its own item of `got`, with none left over."""
    free = list(got)
    for w in wanted:
        hit = next((g for g in free if match(w, g)), None)
        if hit is None:
            return False
        free.remove(hit)
    return not free


def bday_text(value):
    digits = "".join(ch for ch in value if ch.isdigit())
    return f"{digits[:4]}-{digits[4:6]}-{digits[6:8]}" if len(digits) >= 8 else value


def web_host(url):
    """A web address as a card carries it: its host, without the scheme, which
    rowcard's cleaning would spoil; nothing where the host holds a sign the
    cleaning drops ('-', '_') or a letter it folds, since another host is worse
    than none."""
    host = re.sub(r"^https?://", "", url.strip(), flags=re.I)
    host = re.split(r"[/?#:]", host, maxsplit=1)[0]
    return host if re.fullmatch(r"[A-Za-z0-9]+(\.[A-Za-z0-9]+)+", host) else ""


def fn_fits(want, got):
    """True when the card's FN is the contact's display name: as expected, or,
    where that is the given and family name put together, with the middle
    name the card holds, a cell of the row, between them (or after the given
    name, family name first): a display name with the middle name is as right."""
    if clean(want["fn"]) == got["fn"]:
        return True
    given, family, middle = clean(want["given"]), clean(want["family"]), got.get("middle", "")
    if not (given and family and middle) or middle not in {clean(c) for c in want["cells"]}:
        return False
    return (clean(want["fn"]) == f"{given} {family}" and got["fn"] == f"{given} {middle} {family}") or \
        (clean(want["fn"]) == f"{family} {given}" and got["fn"] == f"{family} {given} {middle}")


def field_errors(want, got, extended):
    """The fields of one contact that a card does not hold as the export says."""
    wrong = [] if fn_fits(want, got) else ["fn"]
    for field in ("given", "family", "title", "org"):
        if clean(want[field]) != got[field]:
            wrong.append(field)
    tels = [(t, clean(n)) for t, n in want["tels"]]
    if not same_list(tels, got["tels"], lambda w, g: w[1] == g[1] and type_fits(w[0], g[0])):
        wrong.append("tels")
    if sorted(clean(m) for m in want["emails"]) != sorted(got["emails"]):
        wrong.append("emails")

    # Further street lines are either apart from the street or after it, as
    # the layouts of the last round join them ('Křenová 12, 2. patro'), one
    # line or several ('Arch 12 Granary Wharf Dark Neville Street').
    lines = {clean(c) for c in want["cells"]} - {""} - {clean(x) for a in want["adrs"] for x in a[2:]}

    def of_lines(rest):
        return rest in lines or any(rest.startswith(x + " ") and of_lines(rest[len(x) + 1:]) for x in lines)

    def adr_fits(w, g):
        kind, parts = w[0], [clean(x) for x in w[1:]]
        street = g[1][0]
        if parts[0] and street.startswith(parts[0] + " ") and of_lines(street[len(parts[0]) + 1:]):
            street = parts[0]
        return parts == [street] + g[1][1:] and (kind is None or kind in g[0])
    if not same_list(want["adrs"], got["adrs"], adr_fits):
        wrong.append("adrs")
    if extended:
        e = want["extended"]
        if e["bday"] != bday_text(got["bday"]):
            wrong.append("bday")
        if clean(e["nickname"]) != got["nickname"]:
            wrong.append("nickname")
        if web_host(e["url"]) != got["url"]:
            wrong.append("url")
    return wrong


def foreign_values(want, got):
    """Values of the card that the contact's row holds in another column: each
    (property, value) where the value is a cell of the row, or a part of one
    (of three letters or more), and is not what the export gives for that
    property nor a part of it, nor holds it ('602 00 Brno' may stand for the
    city 'Brno', 'Jan' for the name 'Jan Novák'). A number a spreadsheet
    damaged is its own column's, and no other."""
    lost = {clean(c) for c in want.get("lost", [])}
    cells = {clean(c) for c in want["cells"]} - {""} - lost
    expected = {f: [clean(want[f])] for f in ("fn", "given", "family", "prefix", "suffix", "org", "title")}
    expected["tel"] = [clean(n) for _, n in want["tels"]]
    expected["email"] = [clean(m) for m in want["emails"]]
    for k, name in enumerate(("street", "city", "region", "code", "country")):
        expected["adr " + name] = [clean(a[1 + k]) for a in want["adrs"]]

    def foreign(field, value):
        if field == "prefix" and all(w.strip(".").lower() in SALUTATIONS for w in value.split()):
            return False
        wanted = [w for w in expected[field] if w]
        if not value or any(w in value or value in w for w in wanted):
            return False
        return value in cells or (len(value) >= 3 and any(value in c for c in cells))
    got_values = [(f, got[f]) for f in ("fn", "given", "family", "prefix", "suffix", "org", "title")]
    got_values += [("tel", v) for _, v in got["tels"]] + [("email", v) for v in got["emails"]]
    for k, name in enumerate(("street", "city", "region", "code", "country")):
        got_values += [("adr " + name, g[1][k]) for g in got["adrs"]]
    return [(f, v) for f, v in got_values if foreign(f, v)]


def pair_cards(wants, cards):
    """Each contact's card: in order when the counts agree, else the card that
    shares most of its values, in order of appearance. Returns the cards (None
    where a contact has none) and the cards left over."""
    if len(wants) == len(cards):
        return list(cards), []
    free = list(range(len(cards)))
    paired = []
    for w in wants:
        keys = {clean(w["fn"]), clean(w["org"])} | {clean(m) for m in w["emails"]} \
            | {clean(n) for _, n in w["tels"]}
        keys.discard("")

        def overlap(i):
            c = cards[i]
            vals = {c["fn"], c["org"]} | set(c["emails"]) | {v for _, v in c["tels"]}
            return len(keys & vals)
        best = max(free, key=overlap, default=None)
        if best is not None and overlap(best) > 0:
            free.remove(best)
            paired.append(cards[best])
        else:
            paired.append(None)
    return paired, [cards[i] for i in free]


def run_prep(prep, export_path, folder, vcard=None):
    """Runs rowcard-prep on a copy of the export in `folder` (writing vCard
    `vcard` where given); returns the cards' text or None, and what it said."""
    path = os.path.join(folder, os.path.basename(export_path))
    with open(export_path, "rb") as src, open(path, "wb") as dst:
        dst.write(src.read())
    run = subprocess.run([prep] + (["--vcard", vcard] if vcard else []) + [path], capture_output=True, text=True,
                         errors="replace")
    cards = os.path.join(folder, "cards.vcf")
    said = (run.stdout + run.stderr).strip()
    if run.returncode not in (0, 3) or not os.path.exists(cards):
        return None, f"rowcard-prep exited {run.returncode}: {said[:300]}"
    with open(cards, "rb") as f:
        return f.read().decode("cp1250"), said


def score_export(name, prep, readers, extended, verbose, exports=EXPORTS, vcard=None):
    with open(os.path.join(exports, name + ".expected.json"), encoding="utf-8") as f:
        meta = json.load(f)
    wants = meta["contacts"]
    result = dict(name=name, source=meta["source_name"], total=len(wants), right=0, wrong_column=0, stray=0,
                  fields={}, notes=[])
    with tempfile.TemporaryDirectory() as folder:
        text, said = run_prep(prep, os.path.join(exports, name + ".csv"), folder, vcard)
        if text is None:
            result["notes"].append(said)
            return result
        cards_path = os.path.join(folder, "cards.vcf")
        bad, foreign_cards, strays = set(), set(), 0
        for reader, read in readers:
            try:
                cards = read(text, cards_path) if reader == "ical.js" else read(text)
            except Exception as error:  # a parser refusing the cards is a finding, not a harness fault
                result["notes"].append(f"{reader} could not read the cards: {error}")
                bad.update(range(len(wants)))
                continue
            paired, left = pair_cards(wants, cards)
            strays = max(strays, len(left))
            for k, (w, c) in enumerate(zip(wants, paired)):
                if c is None:
                    bad.add(k)
                    if reader == readers[0][0]:
                        result["fields"]["no card"] = result["fields"].get("no card", 0) + 1
                    continue
                errors = field_errors(w, c, extended)
                if errors:
                    bad.add(k)
                    if reader == readers[0][0]:
                        for e in errors:
                            result["fields"][e] = result["fields"].get(e, 0) + 1
                    if verbose:
                        result["notes"].append(f"{reader}: contact {k + 1} ({w['fn']}): " + "; ".join(
                            f"{e}: got {c.get(e)!r}, want {w.get(e, w['extended'].get(e))!r}" for e in errors))
                foreign = foreign_values(w, c)
                if foreign:
                    foreign_cards.add(k)
                    if verbose:
                        result["notes"].append(f"{reader}: contact {k + 1} ({w['fn']}) holds other columns' data:"
                                               f" {foreign}")
            if verbose and left:
                result["notes"].append(f"{reader}: {len(left)} cards belong to no contact, first: {left[0]['fn']!r}")
        result.update(right=len(wants) - len(bad), wrong_column=len(foreign_cards), stray=strays)
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("prep")
    parser.add_argument("--thresholds", action="store_true")
    parser.add_argument("--fields", choices=("card", "extended"), default="card")
    parser.add_argument("--only")
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--node", default="node")
    parser.add_argument("--icaljs", help="ical.js's module file (node_modules/ical.js/dist/ical.js)")
    parser.add_argument("--exports", default=EXPORTS, help="the folder of exports and their .expected.json")
    parser.add_argument("--vcard", choices=("2.1", "3.0", "4.0"), help="the version rowcard-prep writes (its default: 3.0)")
    args = parser.parse_args()
    prep = os.path.abspath(args.prep)
    exports = os.path.abspath(args.exports)
    names = sorted(os.path.basename(p)[:-len(".expected.json")]
                   for p in glob.glob(os.path.join(exports, "*.expected.json")))
    if args.only:
        names = [n for n in names if n in args.only.split(",")]
    if not names:
        print("no exports to score")
        return 2
    readers = [("vobject", by_vobject)]
    if EBookContacts:
        readers.append(("Evolution", by_evolution))
    # ical.js reads no vCard 2.1: its bare type words are no parameters to it.
    if args.icaljs and os.path.exists(args.icaljs) and args.vcard != "2.1":
        readers.append(("ical.js", icaljs_reader(args.node, os.path.abspath(args.icaljs))))
    results = [score_export(n, prep, readers, args.fields == "extended", args.verbose, exports, args.vcard)
               for n in names]

    width = max(len(r["name"]) for r in results)
    print(f"{'export':<{width}}  {'right/total':>11}  {'share':>6}  {'wrong-column':>12}  {'stray':>5}  source")
    for r in results:
        share = r["right"] / r["total"] if r["total"] else 0
        print(f"{r['name']:<{width}}  {r['right']:>5}/{r['total']:<5}  {share:>6.0%}  {r['wrong_column']:>12}  "
              f"{r['stray']:>5}  {r['source']}")
        if r["fields"]:
            print(" " * (width + 2) + "fields wrong: " + ", ".join(f"{k} {v}" for k, v in
                                                               sorted(r["fields"].items(), key=lambda x: -x[1])))
        for note in r["notes"]:
            print(" " * (width + 2) + note)
    right = sum(r["right"] for r in results)
    total = sum(r["total"] for r in results)
    wrong = sum(r["wrong_column"] for r in results)
    strays = sum(r["stray"] for r in results)
    print(f"overall: {right}/{total} contacts right ({right / total:.1%}), {wrong} cards with another column's data,"
          f" {strays} stray cards; read by " + ", ".join(r for r, _ in readers)
          + ("; fields: extended" if args.fields == "extended" else ""))
    missing = [r for r in ("Evolution", "ical.js") if r not in [x for x, _ in readers]]
    if missing:
        print("(left out, not installed or not given: " + ", ".join(missing) + ")")
    if not args.thresholds:
        return 0
    failed = [r["name"] for r in results if r["right"] < EXPORT_SHARE * r["total"]]
    ok = not failed and right >= OVERALL_SHARE * total and wrong == 0 and strays == 0
    if not ok:
        print(f"FAILED: exports under {EXPORT_SHARE:.0%}: {', '.join(failed) or 'none'}; overall"
              f" {right / total:.1%} (at least {OVERALL_SHARE:.0%}); {wrong} wrong-column and {strays} stray cards"
              " (none allowed)")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
