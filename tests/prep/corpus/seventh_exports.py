"""Seventh held-out set: a parish's register, a sports club's members, a team
address book, the Austrian post's address check, a housing developer's
consents, a paediatric and a dental practice's patients. Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of
from final_kit import at_home, dmy, full_name, plain
from seventh_clients import AUSTRIAN7, SLOVENE7
from seventh_headers import SOURCES
from seventh_people import GERMAN7, HUNGARIAN7, KIDS7, MIDDLE7, POLISH7, SLOVAK7, WEDDINGS7, WOMEN7
from unseen_kit import first_adr, want_adr


def female(p):
    return p["given"] in WOMEN7 or p["given"].endswith("a")


def street_and_number(street):
    """'Mariahilfer Straße 45/3/12' as ('Mariahilfer Straße', '45/3/12')."""
    name, _, number = street.rpartition(" ")
    return name, number


def churchcrm_people():
    """A parish's families as a spreadsheet for ChurchCRM saved by Excel:
    titles and second given names apart, envelope numbers, the region,
    home numbers dialled at home, one mobile a spreadsheet turned into
    '4,21918E+11', day-first birth dates, membership and wedding dates."""
    s = SOURCES["churchcrm_people"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SLOVAK7, 1):
        a = first_adr(p)
        cell, home, work = first_of(p, "CELL"), first_of(p, "HOME"), first_of(p, "WORK")
        home = at_home(home)
        cell = at_home(cell) if k % 2 == 0 else cell
        lost = ["4,21918E+11"] if k == 3 else []
        y, m, d = p["birthday"]
        rows.append(fill(s["header"], {
            "Title": p["prefix"], "First Name": p["given"], "Middle Name": MIDDLE7.get(p["given"], ""),
            "Last Name": p["family"], "Suffix": p["suffix"], "Gender": "Female" if female(p) else "Male",
            "Donation Envelope": str(100 + 7 * k), "Address1": a[1], "City": a[2], "State": a[3], "Zip": a[4],
            "Country": a[5], "Home Phone": home, "Work Phone": work, "Mobile Phone": lost[0] if lost else cell,
            "Work/Other Email": p["emails"][0] if p["emails"] else "", "Birth Date": f"{d:02d}-{m:02d}-{y}",
            "Membership Date": f"{1995 + k}-09-0{1 + k % 7}", "Wedding Date": WEDDINGS7.get(p["family"], "")}))
        tels = [("HOME", home), ("WORK", work), ("CELL", "" if lost else cell)]
        # The second given name is no part of FN; the damaged mobile is lost; a family's address is no one's work.
        want.append(dict(card(p, org="", title="", tels=[t for t in tels if t[1]], adrs=[want_adr(a)], birthday=True),
                         lost=lost))
    return dict(source="churchcrm_people", rows=rows, want=want, bom=True)


ROLES7 = {1: "Vorsitzender", 6: "Übungsleiterin", 9: "Kassenwart", 12: "Schriftführerin"}
SECTIONS7 = ("Volleyball", "Gymnastik", "Volleyball, Tischtennis", "Tischtennis", "Laufen, Gymnastik")
ADDITIONS7 = {4: "Hinterhaus", 10: "bei Förster", 13: "2. OG"}


def linear_mitglieder():
    """A sports club's members as a German Excel saves them for Linear: no
    street and no e-mail (the overview lists none), an addition to the
    address, bank details with old account and bank codes, club roles and
    occupations, day-first dates; sponsoring firms as members under
    'Firma' with no one's name."""
    s = SOURCES["linear_mitglieder"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GERMAN7, 1):
        a = first_adr(p)
        alone = not p["given"]
        home, work, cell, fax = (at_home(first_of(p, t)) for t in ("HOME", "WORK", "CELL", "FAX"))
        rows.append(fill(s["header"], {
            "Abteilungszugehörigkeit": "" if alone else SECTIONS7[k % 5], "Adressnummer": f"A{2300 + k}",
            "Adresszusatz": ADDITIONS7.get(k, ""), "Anrede": "Firma" if alone else ("Frau" if female(p) else "Herr"),
            "Bankbezeichnung": "Ostsächsische Sparkasse Dresden", "Beruf": p["job"], "BIC": "OSDDDE81XXX",
            "BLZ": "85050300" if k % 4 == 0 else "", "Ehrungen": "25 Jahre Mitglied" if k in (2, 7, 10) else "",
            "Eintrittsdatum": f"01.0{1 + k % 9}.{1990 + k}", "Familienstand": "" if alone else "verheiratet",
            "Fax": fax, "Firma": p["org"], "Funktion": ROLES7.get(k, ""), "Geburtsdatum": dmy(p),
            "Geschlecht": "" if alone else ("w" if female(p) else "m"),
            "IBAN": f"DE{40 + k} 8505 0300 {3120 + k:04d} {5580 + 13 * k:04d} 00",
            "Kontonummer": f"{3120045500 + 17 * k}" if k % 4 == 0 else "", "Land": "Deutschland",
            "Mitgliedsnummer": str(1000 + k), "Mobiltelefon": cell, "Nachname": p["family"], "Ort": a[2],
            "PLZ": a[4], "SEPA-Mandatsreferenz": f"SVE-{1000 + k}", "Staatsangehörigkeit": "" if alone else "deutsch",
            "Status": "Fördermitglied" if alone else "aktiv", "Telefon (privat)": home, "Telefon (geschäftlich)": work,
            "Titel": p["prefix"], "Versandart": "Post" if k % 3 == 0 else "E-Mail", "Vorname": p["given"],
            "Zahlungsart": "L" if k % 5 else "U", "Zahlungsweise": "jährlich" if k % 2 else "halbjährlich"}))
        tels = [("HOME", home), ("WORK", work), ("CELL", cell), ("FAX", fax)]
        # Beruf is the title, Funktion (the club's office) none; with no street the address is the town alone.
        want.append(card(p, tels=[t for t in tels if t[1]], emails=[],
                         adrs=[want_adr(a, street="", region="", country="Deutschland")], birthday=True))
    return dict(source="linear_mitglieder", rows=rows, want=want)


KINDS7 = {"WORK": "business", "HOME": "home", "CELL": "mobile"}


def tiimi_address_book():
    """A team address book's entries: a login, the names, the mailbox, a
    free description with commas, then up to three numbers each after its
    kind in English ('business', 'home', 'mobile'), in any order; numbers
    international or dialled at home (06 ...); LF line ends."""
    s = SOURCES["tiimi_address_book"]
    rows, want = [s["header"]], []
    for k, p in enumerate(HUNGARIAN7, 1):
        phones = [(t, n if k % 3 else at_home(n)) for t, n in p["phones"]]
        phones = phones[::-1] if k % 2 else phones
        pairs = [v for t, n in phones for v in (KINDS7[t], n)]
        pairs += [""] * (6 - len(pairs))
        about = ", ".join(x for x in (p["org"], p["job"]) if x) or ("régi ügyfél" if k % 4 == 0 else "")
        login = (p["given"][0] + p["family"]).lower().translate(str.maketrans("áéíóöőúüű", "aeiooouuu"))
        rows.append([login, p["family"], p["given"], p["emails"][0], about] + pairs)
        # The login and the description name no one on the card; each number takes its kind.
        want.append(card(p, org="", title="", prefix="", tels=phones, adrs=[]))
    return dict(source="tiimi_address_book", rows=rows, want=want, line_end="\n")


def post_at_adresscheck():
    """Customers' addresses for the Austrian post's check, saved by Excel as
    tab-separated text: a firm's name or a person's family name in 'Name',
    the house number apart (staircase and door after slashes) or left in
    the street, customer numbers, 'AT' or nothing for the country."""
    s = SOURCES["post_at_adresscheck"]
    rows, want = [s["header"]], []
    for k, p in enumerate(AUSTRIAN7, 1):
        a = first_adr(p)
        alone = not p["given"]
        name, number = street_and_number(a[1])
        street, house = (a[1], "") if k % 4 == 0 else (name, number)
        land = "" if k % 3 == 0 else a[5]
        salutation = "Firma" if alone else ("Frau" if female(p) else "Herr")
        rows.append(fill(s["header"], {"Name": p["org"] if alone else p["family"], "Vorname": p["given"],
                                       "Straße": street, "Hausnummer": house, "PLZ": a[4], "Ort": a[2],
                                       "Kundennummer": str(20400 + 17 * k), "Land": land,
                                       "Anrede": salutation}))
        # A firm's name in 'Name' is the company alone; the street is its name and house number; a person's
        # Anrede is the name's prefix, as the corpus takes an honorific.
        want.append(card(p, title="", prefix="" if alone else salutation, tels=[], emails=[],
                         adrs=[want_adr(a, street=f"{name} {number}", region="", country=land)]))
    return dict(source="post_at_adresscheck", rows=rows, want=want)


def deweloper_zgody():
    """Flat buyers' consents for a developer's system: e-mail first, a blank
    after every ';' as the help's example writes, numbers as nine bare
    digits or with +48, consent dates as yyyymmdd, consent ids after; a
    header line added (the file is read without one)."""
    s = SOURCES["deweloper_zgody"]
    lines, rows, want = [";".join(s["header"])], [s["header"]], []
    for k, p in enumerate(POLISH7, 1):
        cell = first_of(p, "CELL")
        phone = cell if k % 5 == 0 else plain(cell).replace("+48", "")
        consents = ["1", "2", "3"] if k % 3 else ["1", "", "3"]
        row = [p["emails"][0], p["given"], p["family"], phone, f"2024{1 + k % 12:02d}{10 + k:02d}"] + consents
        rows.append(row)
        lines.append("; ".join(row))
        want.append(card(p, org="", title="", tels=[(ANY, phone)], adrs=[]))
    return dict(source="deweloper_zgody", rows=rows, want=want, text="\r\n".join(lines) + "\r\n")


def birth_number(p, k):
    """A Czech birth number of ten digits, as the practice keeps it as the health number."""
    y, m, d = p["birthday"]
    return f"{y % 100:02d}{m + (50 if p['family'].endswith('á') else 0):02d}{d:02d}{1000 + 37 * k:04d}"


def docnote_patients():
    """A paediatric practice's children for Docnote: the birth number as the
    health number (two of them as a spreadsheet shows long numbers),
    dd-mm-yyyy birth dates, a parent's mailbox."""
    s = SOURCES["docnote_patients"]
    rows, want = [s["header"]], []
    for k, p in enumerate(KIDS7, 1):
        number = birth_number(p, k)
        if k in (4, 11):
            number = f"{number[0]},{number[1:6]}E+09"
        y, m, d = p["birthday"]
        rows.append([p["given"], p["family"], number, f"{d:02d}-{m:02d}-{y}", p["emails"][0]])
        want.append(card(p, org="", title="", tels=[], adrs=[], birthday=True))
    return dict(source="docnote_patients", rows=rows, want=want)


def smilepass_patients():
    """A dental practice's patients: the whole name, the mobile as digits
    dialled at home, the whole address in one cell ('Celovška cesta 150,
    1000 Ljubljana', Croatian ones with 'Hrvatska' after), DD/MM/YYYY."""
    s = SOURCES["smilepass_patients"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SLOVENE7, 1):
        a = first_adr(p)
        digits = at_home(first_of(p, "CELL")).replace(" ", "")
        country = "Hrvatska" if a[5] == "HR" else ""
        whole = f"{a[1]}, {a[4]} {a[2]}" + (f", {country}" if country else "")
        rows.append([full_name(p), p["emails"][0], digits, whole, dmy(p).replace(".", "/")])
        # 'phone' says nothing of the number's kind; the address's country is only the one written.
        want.append(card(p, org="", title="", tels=[(ANY, digits)], adrs=[want_adr(a, region="", country=country)],
                         birthday=True))
    return dict(source="smilepass_patients", rows=rows, want=want)
