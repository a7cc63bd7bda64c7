"""Twenty-sixth held-out set: a Slovak faculty's admission test list, a
German therapy practice's treatments with its patients, a Polish engineering
group's address book, a Brno orienteering club's members, a parish's
service registrations, a Romanian retired officers' association's members
and a Hungarian webshop's parcels for GLS. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card, csv_text
from people import person
from twentysixth_headers import SOURCES
from twentysixth_people import APPLICANTS26, CLUB26, DIRECTORY26, OFFICERS26, PARCELS26, PATIENTS26, VISITORS26


def dmy(text):
    """'30. 01. 2007', '7.5.2007' as (2007, 1, 30), (2007, 5, 7)."""
    d, m, y = text.replace(" ", "").split(".")
    return int(y), int(m), int(d)


def prijimacky_uchadzaci():
    """A Košice faculty's applicants for one test day as its admissions
    office exports them: order numbers, family name first, birth dates typed
    four ways ('14.03.2007', '3. 9. 2007', '30. 01. 2007', '7.5.2007'),
    registration numbers with a slash, private mailboxes, three sittings in
    three rooms, the programme; no phone and no address."""
    s = SOURCES["prijimacky_uchadzaci"]
    rows, want = [s["header"]], []
    for row in APPLICANTS26:
        _, family, given, born, _, mail, _, _, _, _, _ = row
        rows.append(list(row))
        # 'Narodenie' is the birthday however it is typed; the order, registration number, term, time, date, room
        # and programme are nobody's (the programme is no organisation: the applicant is not in it yet).
        want.append(card(person(given, family, emails=[mail], birthday=dmy(born)), birthday=True))
    return dict(source="prijimacky_uchadzaci", rows=rows, want=want)


def praxisakte_export():
    """A Biberach physiotherapy practice's treatments of one week as
    PraxisAkte exports them, one row per treatment with the patient's data:
    patient numbers, birth dates, German, Czech, Polish, Hungarian, Slovene
    and Romanian patients, three without a mailbox, numbers at home and
    abroad, another recipient of the bill for three (a parent, a firm, a
    son: the whole address in one quoted cell), services, a quantity '1.5',
    remarks (one with ';', quoted); the signature and CRLF."""
    s = SOURCES["praxisakte_export"]
    rows, want = [s["header"]], []
    for row in PATIENTS26:
        _, family, given, born, street, code, town, mail, phone, _, _, _, _, _, _, _, _ = row
        rows.append(list(row))
        # The address is the patient's, neither home nor work by its column, no country; 'Telefon' names no kind;
        # the other recipient is someone else (or a firm) and nobody on the card, its address no second address;
        # the patient number, service, quantity, section, therapist and remark are nobody's; 'Geburtsdatum' is
        # the birthday.
        p = person(given, family, emails=[mail] if mail else [], birthday=dmy(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, "")],
                         birthday=True))
    return dict(source="praxisakte_export", rows=rows, want=want, bom=True)


def ksiazka_adresowa():
    """A Katowice engineering group's address book as its intranet imports
    it: the header bare, every cell of the rows quoted, departments, office phones and mobiles (some
    missing), a display name 'Name - Firm' for most (the firm one of two
    companies of the group), empty for four, positions, the office's town."""
    s = SOURCES["ksiazka_adresowa"]
    rows, want = [s["header"]], []
    for row in DIRECTORY26:
        given, family, _, office, mobile, mail, display, position, town = row
        rows.append(list(row))
        # The display name is 'Name - Firm' as the address book reads it: the part after ' - ' is the organisation,
        # and FN is the given and family name (the display name with the firm is no name); where it is empty there
        # is no organisation. 'Dział' is a department, no organisation; 'Stanowisko' the job title; 'Telefon
        # służbowy' WORK, 'Telefon komórkowy' CELL; 'Lokalizacja' the office's town, an address of the town alone,
        # whose kind the column does not say.
        org = display.split(" - ", 1)[1] if " - " in display else ""
        tels = [(t, n) for t, n in (("WORK", office), ("CELL", mobile)) if n]
        p = person(given, family, org=org, job=position, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, "", town, "", "", "")]))
    # The header is written bare, the rows with every cell quoted, as the address book's sample has them.
    text = ";".join(s["header"]) + "\r\n" + csv_text(rows[1:], ";", quote_all=True)
    return dict(source="ksiazka_adresowa", rows=rows, want=want, text=text)


def _members_cell(value):
    """The club site writes each cell quoted, with an apostrophe before a
    value that is a number (for the spreadsheet), an empty one as '\"\"'."""
    return '"' + ("'" if value.isdigit() else "") + value + '"'


def oddil_adresar():
    """A Brno orienteering club's members as its members' site exports its
    directory with the defaults (';', cells quoted, an apostrophe before
    numbers): family name first, birth dates, registrations, a family at one
    address, postal codes with and without the blank (the bare ones with
    the apostrophe), numbers at home, at work and mobiles, some as bare
    digits (with the apostrophe), SI chips, licences; the header unquoted
    and ending with ';' (a nameless last column), every row too; code page
    1250, LF, an empty line at the end."""
    s = SOURCES["oddil_adresar"]
    rows, want = [s["header"]], []
    lines = [";".join(s["header"])]
    for row in CLUB26:
        (family, given, born, reg, mail, street, town, code, home, work, mobile, chip, lic_ob, lic_mtbo,
         lic_lob) = row
        y, m, d = born.split("-")
        cells = [family, given, f"{d}.{m}.{y}", reg, mail, street, town, code, home, work, mobile, chip, lic_ob,
                 lic_mtbo, lic_lob]
        rows.append([("'" if v.isdigit() else "") + v for v in cells] + [""])
        lines.append(";".join(_members_cell(v) for v in cells) + ";")
        # The apostrophe is the site's mark for the spreadsheet, no part of the value: the postal code '60200 and
        # the mobile '603228117 are 60200 and 603228117. 'adresa' is the street, 'mesto' the town, 'psc' the postal
        # code, the address neither home nor work, no country; 'tel.domů' HOME, 'tel.práce' WORK, 'tel.mobilní'
        # CELL; 'datum narození' the birthday; registration, chip and licences are nobody's.
        tels = [(t, n) for t, n in (("HOME", home), ("WORK", work), ("CELL", mobile)) if n]
        p = person(given, family, emails=[mail] if mail else [], birthday=(int(y), int(m), int(d)))
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "")], birthday=True))
    text = "\n".join(lines) + "\n\n"
    return dict(source="oddil_adresar", rows=rows, want=want, text=text)


def _fputcsv(row):
    """A row as PHP's fputcsv writes it: ',' between, a cell quoted where it
    holds a space, a comma, a quote or a line break, LF after."""
    def cell(v):
        if any(ch in v for ch in ' ,"\n\r\t\\'):
            return '"' + v.replace('"', '""') + '"'
        return v
    return ",".join(cell(v) for v in row) + "\n"


def gottesdienst_besucher():
    """A Westerwald parish's registrations for a Christmas Eve service as its
    registration site exports them (PHP's fputcsv): a running number, family
    name first, a couple at one address with their own numbers and
    mailboxes, the pastor's office, numbers written every way, no mailbox
    for three, 'Bestätigt' 0/1; LF."""
    s = SOURCES["gottesdienst_besucher"]
    rows, want = [s["header"]], []
    for k, (family, given, street, code, town, phone, mail, confirmed) in enumerate(VISITORS26, 1):
        rows.append([str(k), family, given, street, code, town, phone, mail, confirmed])
        # 'Name' is the family name, 'Vorname' the given name; the address is the registrant's, neither home nor
        # work, no country; 'Telefon' names no kind; the number and the confirmation are nobody's.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, "")]))
    return dict(source="gottesdienst_besucher", rows=rows, want=want, text="".join(_fputcsv(r) for r in rows))


def _whole_address(text):
    """'Str. Zizinului nr. 5, bl. 12, ap. 14, 500407 Brașov' as its street
    (all before the last comma), postal code and town."""
    street, _, place = text.rpartition(", ")
    code, _, town = place.partition(" ")
    if not code.isdigit():
        code, town = "", place
    return street, town, code


def membri_asociatie():
    """A Brașov branch's members of a retired officers' association as its
    register app exports them with every field (an administrator's export):
    member codes, the member's first name under 'Nume' and family name
    under 'Prenume' as the app writes them, ages, birth dates, CNP, ranks,
    units, branches of service, statuses, years, provenance, phones and
    mailboxes (some missing), the whole address in one cell (quoted where
    it has a comma: all do); ',' and LF, none after the last row."""
    s = SOURCES["membri_asociatie"]
    rows, want = [s["header"]], []
    for (code, given, family, born, cnp, rank, unit, branch, status, joined, retired, provenance, phone, mail,
         address) in OFFICERS26:
        y, m, d = (int(x) for x in born.split("-"))
        age = str(2026 - y - (1 if (m, d) > (9, 14) else 0))
        rows.append([code, given, family, age, f"{d:02d}.{m:02d}.{y}", cnp, rank, unit, branch, status, joined,
                     retired, provenance, phone, mail, address])
        # The app writes its firstName under 'Nume' and its lastName under 'Prenume' (it sorts by lastName, then
        # firstName: the family names are under 'Prenume'); the card has the member's real given and family name.
        # The rank is no job title nor part of the name; the unit, branch and provenance are no organisation (a
        # retired member's service); 'Telefon' names no kind; the address cell is street (with block, staircase
        # and flat), postal code where written and town, neither home nor work, no country; 'Data Nașterii' the
        # birthday; code, age, CNP, status and years are nobody's.
        street, town, postal = _whole_address(address)
        p = person(given, family, emails=[mail] if mail else [], birthday=(y, m, d))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", postal, "")],
                         birthday=True))
    text = "\n".join(csv_text([r], ",", line_end="") for r in rows)
    return dict(source="membri_asociatie", rows=rows, want=want, text=text)


def gls_csomagok():
    """A Hungarian webshop's orders for GLS as its cart's shipping export
    writes them: amounts, the customer's name family name first, 'HU', the
    street with house number, floor and door joined by spaces, delivery
    notes, numbers written three ways, order numbers, two empty service
    columns; ';' and no quoting, LF after every row."""
    s = SOURCES["gls_csomagok"]
    rows, want = [s["header"]], []
    for amount, name, country, code, town, street, note, phone, mail, order in PARCELS26:
        rows.append([amount, name, country, code, town, street, note, phone, mail, order, "", ""])
        # FN is the name as written, family name first (its first word the family name); the country is the code
        # written; 'Utca/Hsz' is the street as written (floor and door numbers after the house number); the address
        # says neither home nor work; 'Telefon' names no kind; amount, note and order number are nobody's.
        family, given = name.split(" ", 1)
        p = person(given, family, emails=[mail])
        want.append(card(p, fn=name, tels=[(ANY, phone)], adrs=[(None, street, town, "", code, country)]))
    text = "".join(";".join(r) + "\n" for r in rows)
    return dict(source="gls_csomagok", rows=rows, want=want, text=text)
