#!/usr/bin/env python3
"""End to end through a real vCard parser: sample exports of Google Contacts,
Outlook and Excel ("Unicode text"), with Czech and Polish names, go through
rowcard-prep and then rowcard, each in a fresh folder; every card's name,
phone numbers and e-mail addresses must be the export's, as rowcard cleans them.

Usage: vcards_test.py ROWCARD_PREP ROWCARD
"""
import os
import subprocess
import sys
import tempfile
import unicodedata

import vobject

from card_values import SPELLED, space_signs


def as_rowcard_keeps(value):
    """The value as a card shows it: letters plain, then only letters, digits,
    spaces, '@', '+' and '.' kept (and '-' and '_' in an e-mail address,
    elsewhere a sign between two words is a space),
    trailing spaces trimmed first."""
    value = value.split(" ::: ")[0].replace("\r\n", " ").replace("\n", " ").strip()
    plain = "".join(SPELLED.get(ch, ch) for ch in unicodedata.normalize("NFKD", value)
                    if not unicodedata.combining(ch))
    plain = plain.rstrip(" ")
    plain = space_signs(plain)
    signs = " @+.-_" if "@" in plain else " @+."
    return "".join(ch for ch in plain if ch.isascii() and (ch.isalnum() or ch in signs))


def csv_text(rows, separator, quote_all):
    def field(value):
        if quote_all or any(ch in value for ch in (separator, '"', "\n", "\r")):
            return '"' + value.replace('"', '""') + '"'
        return value
    return "".join(separator.join(field(v) for v in row) + "\r\n" for row in rows)


PEOPLE = [
    # given, family, phones, e-mails
    ("Jiří", "Dvořák", ["+420 777 123 456", "+420 602 000 111"], ["jiri.dvorak@example.cz"]),
    ("Łukasz", "Wąsowski-Żółć", ["+48 600 100 200"], ["lukasz@example.pl", "l.w@firma.pl"]),
    ("Šárka", "Nováková", ["(+420) 221-333-444"], ["sarka_novakova@example.cz"]),
    ("Małgorzata", "Ślęczka", [], ["gosia@example.pl"]),
    ("Ondřej", "Müller", ["+420 731 555 666"], []),
]

OUTLOOK_HEADER = (
    "Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,Business Street,"
    "Business Street 2,Business Street 3,Business City,Business State,Business Postal Code,"
    "Business Country/Region,Home Street,Home Street 2,Home Street 3,Home City,Home State,"
    "Home Postal Code,Home Country/Region,Other Street,Other Street 2,Other Street 3,Other City,"
    "Other State,Other Postal Code,Other Country/Region,Assistant's Phone,Business Fax,Business Phone,"
    "Business Phone 2,Callback,Car Phone,Company Main Phone,Home Fax,Home Phone,Home Phone 2,ISDN,"
    "Mobile Phone,Other Fax,Other Phone,Pager,Primary Phone,Radio Phone,TTY/TDD Phone,Telex,Account,"
    "Anniversary,Assistant's Name,Billing Information,Birthday,Business Address PO Box,Categories,"
    "Children,Directory Server,E-mail Address,E-mail Type,E-mail Display Name,E-mail 2 Address,"
    "E-mail 2 Type,E-mail 2 Display Name,E-mail 3 Address,E-mail 3 Type,E-mail 3 Display Name,Gender,"
    "Government ID Number,Hobby,Home Address PO Box,Initials,Internet Free Busy,Keywords,Language,"
    "Location,Manager's Name,Mileage,Notes,Office Location,Organizational ID Number,"
    "Other Address PO Box,Priority,Private,Profession,Referred By,Sensitivity,Spouse,User 1,User 2,"
    "User 3,User 4,Web Page").split(",")


def google_export():
    header = ["First Name", "Middle Name", "Last Name", "Organization Name", "Notes", "E-mail 1 - Label",
              "E-mail 1 - Value", "E-mail 2 - Label", "E-mail 2 - Value", "Phone 1 - Label", "Phone 1 - Value",
              "Address 1 - Formatted", "Address 1 - City"]
    rows = [header]
    for given, family, phones, mails in PEOPLE:
        rows.append([given, "", family, "Firma, s.r.o.", "pozn. 😀", "* Home", mails[0] if mails else "",
                     "Work" if len(mails) > 1 else "", mails[1] if len(mails) > 1 else "",
                     "Mobile", " ::: ".join(phones), "Dlouhá 5\nPraha 1", "Praha"])
    # Each number of a ' ::: ' list gets a line of its own.
    expected = [(g, f, p, m) for g, f, p, m in PEOPLE]
    return "\ufeff" + csv_text(rows, ",", False), "utf-8", expected


def outlook_export():
    index = {name: k for k, name in enumerate(OUTLOOK_HEADER)}
    rows = [OUTLOOK_HEADER]
    for given, family, phones, mails in PEOPLE:
        row = [""] * len(OUTLOOK_HEADER)
        row[index["First Name"]] = given
        row[index["Last Name"]] = family
        row[index["Company"]] = "Stavby, a.s."
        row[index["Business Street"]] = "Náměstí 1, vchod B"
        for name, phone in zip(["Mobile Phone", "Business Phone"], phones):
            row[index[name]] = phone
        for name, mail in zip(["E-mail Address", "E-mail 2 Address"], mails):
            row[index[name]] = mail
            row[index[name.replace("Address", "Type")]] = "SMTP"
            row[index[name.replace("Address", "Display Name")]] = f"{given} {family} ({mail})"
        for name, value in (("Gender", "Unspecified"), ("Priority", "Normal"), ("Private", "False"),
                            ("Sensitivity", "Normal"), ("Initials", given[0] + "." + family[0] + ".")):
            row[index[name]] = value
        rows.append(row)
    # The card lists the mobile phone after the business phone: column order.
    expected = [(g, f, list(reversed(p[:2])), m) for g, f, p, m in PEOPLE]
    return csv_text(rows, ",", True), "cp1250", expected


def excel_export():
    rows = [["Jméno", "Příjmení", "Mobil", "Telefon", "E-mail", "Poznámka"]]
    for given, family, phones, mails in PEOPLE:
        rows.append([given, family, phones[0] if phones else "", phones[1] if len(phones) > 1 else "",
                     mails[0] if mails else "", "řádek 1\třádek 2"])
    expected = [(g, f, p[:2], m[:1]) for g, f, p, m in PEOPLE]
    return "\ufeff" + csv_text(rows, "\t", False), "utf-16-le", expected


def check(name, export, prep, rowcard):
    text, encoding, expected = export
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "export.csv")
        with open(path, "wb") as out:
            out.write(text.encode(encoding))
        run = subprocess.run([prep, path], capture_output=True, text=True)
        if run.returncode != 0:
            return [f"{name}: rowcard-prep exited {run.returncode}: {run.stderr.strip()}"]
        run = subprocess.run([rowcard], cwd=folder, capture_output=True)
        if run.returncode != 0 or run.stdout or run.stderr:
            return [f"{name}: rowcard exited {run.returncode}"]
        with open(os.path.join(folder, "cards.vcf"), "rb") as cards:
            cards_text = cards.read().decode("cp1250")
        cards = list(vobject.readComponents(cards_text))
        if len(cards) != len(expected):
            return [f"{name}: {len(cards)} cards for {len(expected)} rows"]
        for card, (given, family, phones, mails) in zip(cards, expected):
            got = (card.n.value.given, card.n.value.family,
                   [t.value for t in card.contents.get("tel", []) if t.value],
                   [e.value for e in card.contents.get("email", []) if e.value])
            want = (as_rowcard_keeps(given), as_rowcard_keeps(family),
                    [as_rowcard_keeps(p) for p in phones], [as_rowcard_keeps(m) for m in mails])
            if got != want:
                failures.append(f"{name}: card {got} where the export says {want}")
    return failures


def main():
    prep, rowcard = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    failures = []
    exports = {"google": google_export(), "outlook": outlook_export(), "excel": excel_export()}
    for name, export in exports.items():
        failures += check(name, export, prep, rowcard)
    for failure in failures:
        print(failure)
    passed = len(exports) - len({f.split(":")[0] for f in failures})
    print(f"{passed} passed, {len(exports) - passed} failed")
    return 1 if failures else 0


sys.exit(main())
