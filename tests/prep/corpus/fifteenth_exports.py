"""Fifteenth held-out set, the Central European part: an occupational health
practice's patients, a work camp's workers, a school's app users, an
orienteering race's entries, a dance competition's judges, a university's
staff, a tea shop's and an outdoor shop's customers. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card, csv_text
from people import person
from fifteenth_headers import SOURCES
from fifteenth_people import ENTRIES15, JUDGES15, PATIENTS15, SCHOOL_USERS15, SHOP15, SHOP_AT15, STAFF15, WORKERS15


def dmy(text):
    """'15.03.1985' as (1985, 3, 15)."""
    d, m, y = text.split(".")
    return int(y), int(m), int(d)


def pls_pacienti():
    """Two firms' employees as an occupational health practice imports
    them, saved by Excel as 'CSV (MS-DOS)': a municipality's four and a farm
    cooperative's nine over two branches; birth numbers, one of them without
    its leading zero (Excel took it for a number); groups, positions, dates,
    results of the last check-up; most without a mobile, a mailbox or an
    address, a village's address with the village as its street; the street's
    descriptive and orientation numbers apart; suspensions ('MdRd', 'Dpn')."""
    s = SOURCES["pls_pacienti"]
    rows, want = [s["header"]], []
    for row in PATIENTS15:
        (_, branch, family, given, _, _, _, _, _, position, _, _, _, _, _, _, mobile, mail, street, descriptive,
         orientation, code, town, _, _) = row
        rows.append(list(row))
        # The branch is the employer as the practice knows it: the organisation; 'Pozice' is the job title (the
        # PLS groups and the cost centre are not); the street is its name and numbers ('Na Výsluní 312/4'), the
        # village's own name where it has no streets ('Kotvrdovice 215'); the address says neither home nor work
        # and has no country; 'Mobil' is CELL; IČO, sex, dates, birth number, results and codes are nobody's.
        number = f"{descriptive}/{orientation}" if orientation else descriptive
        adrs = [(None, f"{street} {number}", town, "", code, "")] if street else []
        p = person(given, family, org=branch, job=position, emails=[mail] if mail else [])
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [], adrs=adrs))
    return dict(source="pls_pacienti", rows=rows, want=want)


def pracanti():
    """A summer work camp's workers as its app exports them: family name
    first, birth dates day first (two not given), numbers at home, with
    +420, +421 or 00420, one cell with two numbers parted by '; ' (so quoted),
    one worker without a number; the signature and CRLF."""
    s = SOURCES["pracanti"]
    rows, want = [s["header"]], []
    for family, given, born, mail, phone in WORKERS15:
        rows.append([family, given, born, mail, phone])
        # 'Telefon' names no kind; a cell with two numbers is two numbers; the birth date is the birthday.
        tels = [(ANY, n.strip()) for n in phone.split(";") if n.strip()]
        p = person(given, family, emails=[mail], birthday=dmy(born) if born else None)
        want.append(card(p, tels=tels, birthday=bool(born)))
    return dict(source="pracanti", rows=rows, want=want, bom=True)


def skola_uzivatele():
    """A Pardubice primary school's users as its app exports them: the
    school's mailboxes, roles and statuses in English capitals, workloads in
    per cent, ISO times of the last login and the creation; two invited by
    mailbox alone (no name yet); unquoted, LF, none after the last row."""
    s = SOURCES["skola_uzivatele"]
    rows, want = [s["header"]], []
    for family, given, mail, role, status, workload, login, created in SCHOOL_USERS15:
        rows.append([family, given, mail, role, status, workload, login, created])
        # Role is a permission in the app, no job title; status, workload and times are nobody's; an invited user
        # without a name is a card whose FN is the mailbox.
        want.append(card(person(given, family, emails=[mail])))
    text = "\n".join(";".join(r) for r in rows)
    return dict(source="skola_uzivatele", rows=rows, want=want, text=text)


def _oe_field(value, text):
    """OE quotes its texts, empty ones too, and writes numbers bare."""
    return '"' + value.replace('"', '""') + '"' if text else value


# Which of OE0001's 57 columns OE writes as text (quoted, empty ones too): the rest are numbers, times or flags.
# The address block (38 to 47) is quoted only where it holds something, as the sample row has it empty and bare.
OE_TEXT = {4, 5, 6, 17, 19, 20, 21, 22, 23, 25, 26, 28, 29, 35, 36, 37, 49, 54}


def oe_prihlasky():
    """A Pardubice club's race entries as OE2010 exports them (OE0001):
    chips, registrations, years of birth, the club's number, whole name
    (under the first 'Město') and code, classes twice, the fee '120,00';
    entries from the national registry without an address, the home club's
    members entered by hand with their address block (the second 'Příjmení',
    'Jméno', street, a second line for one, postal code, town, phone,
    mobile, fax, mailbox); texts quoted, numbers bare; code page 1250."""
    s = SOURCES["oe_prihlasky"]
    rows, want = [s["header"]], []
    lines = [";".join(s["header"])]
    for k, (start, chip, reg, family, given, born, sex, club_no, club, club_code, klass, fee,
            home) in enumerate(ENTRIES15):
        row = [""] * 57
        row[1], row[3], row[4], row[5], row[6], row[7], row[8] = start, chip, reg, family, given, born, sex
        row[10], row[14], row[18], row[20], row[21], row[23] = "0", "0", club_no, club, "CZE", club_code
        row[24], row[25], row[26], row[27], row[28], row[29] = f"{1000 + k}", klass, klass, f"{1000 + k}", klass, klass
        row[48], row[49], row[50], row[52], row[53] = "0", fee, "0", f"{9000 + k}", klass
        if home:
            street, second, code, town, phone, mobile, fax, mail = home
            row[38:48] = [family, given, street, second, code, town, phone, mobile, fax, mail]
        rows.append(row)
        lines.append(";".join(_oe_field(v, i in OE_TEXT or (38 <= i <= 47 and v != ""))
                              for i, v in enumerate(row)))
        # The first 'Příjmení' and 'Jméno' are the name; the club's name under the first 'Město', its nation and
        # code are no organisation and no address; the address block is the runner's own: street (the second line
        # no part of it), postal code and the second 'Město', no country ('Stát' is the club's nation); 'Tel' names
        # no kind, 'Mobil' is CELL, 'Fax' FAX; chips, registration, year, class and fee are nobody's.
        tels, adrs, emails = [], [], []
        if home:
            tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile), ("FAX", fax)) if n]
            adrs = [(None, street, town, "", code, "")]
            emails = [mail] if mail else []
        want.append(card(person(given, family, emails=emails), tels=tels, adrs=adrs))
    text = "\r\n".join(lines) + "\r\n"
    return dict(source="oe_prihlasky", rows=rows, want=want, text=text)


def sedziowie():
    """A Poznań ballroom competition's judges and scrutineers as the results
    program writes them: the head judge's 'Główny', letters for the panel,
    an empty seat 'H' with its cells empty, then the scrutineers numbered;
    judges from Olomouc, Leipzig and Bratislava with their country in Polish and
    no licence number; code page 1250."""
    s = SOURCES["sedziowie"]
    rows, want = [s["header"]], []
    lines = [s["header"]]
    for symbol, family, given, town, country, licence, klass in JUDGES15:
        row = [symbol, family, given, town, country, licence, klass]
        if symbol == "1":
            lines.append(["H", "", "", "", "", "", ""])
        rows.append(row)
        lines.append(row)
        # The town and the country are where the judge comes from: an address without a street, neither home nor
        # work; the symbol, licence and class are nobody's; the empty seat is no contact.
        want.append(card(person(given, family), adrs=[(None, "", town, "", "", country)]))
    return dict(source="sedziowie", rows=rows, want=want, text=csv_text(lines, ";"))


def pracownicy_bpp():
    """A Lublin university's staff for its bibliography's import: family
    name first, two given names in one cell, double-barrelled family names,
    the chair, department or institute; UTF-8 without a signature, LF."""
    s = SOURCES["pracownicy_bpp"]
    rows, want = [s["header"]], []
    for family, given, unit in STAFF15:
        rows.append([family, given, unit])
        # 'Nazwa jednostki' is a unit of the university, no organisation of the card's (as a department is not).
        want.append(card(person(given, family)))
    return dict(source="pracownicy_bpp", rows=rows, want=want, line_end="\n")


def zencart_kundendaten():
    """A Dresden tea shop's customers as Zen Cart's German export gives them:
    customers in Saxony, Bohemia and Lower Silesia, three firms, a second
    address line for four ('Halle 3', 'c/o Familie Haase', 'm. 5'), a firm's
    name with '&', two without a number."""
    s = SOURCES["zencart_kundendaten"]
    rows, want = [s["header"]], []
    for given, family, mail, firm, street, second, code, town, phone in SHOP15:
        rows.append([given, family, mail, firm, street, second, code, town, phone])
        # 'Firma' is the organisation; the second address line is no part of the street; no country; the address
        # says neither home nor work; 'Telefonnummer' names no kind.
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, "")]))
    return dict(source="zencart_kundendaten", rows=rows, want=want)


def oscmax_kunden():
    """A Salzburg outdoor shop's customers as osCmax's German export gives
    them, ';' chosen as the separator, ISO-8859-1: ids, newsletter 0/1, sex
    m/f, birthdays day first, two firms (a club among them), the Bundesland
    (none for the Hungarian customers), an empty 'Ortsteil', countries in
    German, a fax for three."""
    s = SOURCES["oscmax_kunden"]
    rows, want = [s["header"]], []
    for (number, given, family, mail, newsletter, sex, born, firm, street, code, town, state, country, phone,
         fax) in SHOP_AT15:
        rows.append([number, given, family, mail, newsletter, sex, born, firm, street, code, town, state, "",
                     country, phone, fax])
        # 'Firma' is the organisation; the Bundesland is the region, the country the name written; 'Telefon' names
        # no kind, 'Fax' is FAX; the id, newsletter flag and sex are nobody's; 'Geburtstag' is the birthday.
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax)) if n]
        p = person(given, family, org=firm, emails=[mail], birthday=dmy(born))
        want.append(card(p, tels=tels, adrs=[(None, street, town, state, code, country)], birthday=True))
    return dict(source="oscmax_kunden", rows=rows, want=want)
