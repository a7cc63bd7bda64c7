"""Twenty-fourth held-out set: a Reutlingen home care service's clients, a
Berlin billing portal's tenants, an Austrian craft firm's customers, a Fulda
trade firm's customers, a Prešov firm's payroll addresses, a Czech course
organiser's carers, a Nitra competition's entrants and a Romanian school's
refused user rows. Each maker returns a dict as crm_exports.py's do."""
import re

from export_kit import ANY, card
from people import person
from twentyfourth_headers import SOURCES
from twentyfourth_people import (BUYERS24, CARERS24, CLIENTS24, CUSTOMERS24, EMPLOYEES24, ENTRANTS24, REFUSED24,
                                 TENANTS24)

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm or an office


def dmy(text):
    """A d.m.yyyy date, or None where the cell is no such date."""
    found = re.fullmatch(r"(\d{1,2})\.(\d{1,2})\.(\d{4})", text)
    if not found:
        return None
    d, m, y = (int(x) for x in found.groups())
    if m > 12 or d > (29 if m == 2 else 30 if m in (4, 6, 9, 11) else 31):
        return None
    return (y, m, d)


def ymd(text):
    found = re.fullmatch(r"(\d{4})-(\d{2})-(\d{2})", text)
    return tuple(int(x) for x in found.groups()) if found else None


def joined(rows, line_end):
    """Rows joined by `line_end` with none after the last, as a program that
    joins its lines writes them (nothing quoted)."""
    return line_end.join(";".join(row) for row in rows)


def pflege_kunden():
    """A Reutlingen home care service's clients from its weekly backup:
    ids out of order (sorted by name), the care grade, the paragraph the
    care is paid by ('§ 36 SGB XI', empty for one), Ja/Nein, dates without
    leading zeros; UTF-8 with a signature, LF, no line end after the last
    row, nothing quoted."""
    s = SOURCES["pflege_kunden"]
    rows, want = [s["header"]], []
    for key, given, family, street, post, town, phone, grade, paragraph, active, created in \
            sorted(CLIENTS24, key=lambda r: (r[2], r[1])):
        rows.append([key, given, family, street, post, town, phone, grade, paragraph, active, created])
        # The clients are people at home: 'Telefon' names no kind, the address neither home nor work. The care
        # grade, paragraph, flag and date are nobody's.
        p = person(given, family)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", post, "")]))
    return dict(source="pflege_kunden", rows=rows, want=want, bom=True, text=joined(rows, "\n"))


def portal_nutzer():
    """A Berlin and Potsdam billing portal's tenants: several tenants at one
    address, the property named as well ('Rosenthaler Str. 14'), customer
    numbers, a status, created dates; no phone or mailbox for some; UTF-8,
    LF."""
    s = SOURCES["portal_nutzer"]
    rows, want = [s["header"]], []
    for salutation, given, family, street, post, town, phone, mail, estate, number, status, created in TENANTS24:
        rows.append([salutation, given, family, street, post, town, phone, mail, estate, number, status, created])
        # The salutation is the prefix. 'Telefon' names no kind (a tenant's own). The address is the tenant's
        # profile address, neither home nor work by its column; the property ('Objekt') is the building billed,
        # no second address and no organisation. Number, status and date are nobody's.
        p = person(given, family, salutation, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", post, "")]))
    return dict(source="portal_nutzer", rows=rows, want=want, line_end="\n")


def kunden_vorlage():
    """An Austrian craft firm's customers in its import template: firms
    with a contact person, firms alone, private customers without a firm,
    UID numbers (ATU...), notes with a comma, a flat number after the
    street ('51/8'), an extension ('47155-12'); code page 1252, CRLF."""
    s = SOURCES["kunden_vorlage"]
    rows, want = [s["header"]], []
    for firm, given, family, street, post, town, phone, mail, vat, note in CUSTOMERS24:
        rows.append([firm, given, family, street, post, town, phone, mail, vat, note])
        # A row with a firm is a business customer: its phone the firm's line (WORK or VOICE), its address the
        # firm's but untyped by the column. A row without a firm is a private customer, whose phone names no
        # kind. A firm without a person is company-only. UID and note are nobody's.
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        kind = BUSINESS if firm else ANY
        want.append(card(p, tels=[(kind, phone)] if phone else [], adrs=[(None, street, town, "", post, "")]))
    return dict(source="kunden_vorlage", rows=rows, want=want)


def kunden_export():
    """A Fulda trade firm's customers: numbers from 10001, salutation and
    title apart, the firm for most, the street and house number written
    together by the export, phone and mobile, 'Kunde seit' as ISO dates, no
    mailbox for one; UTF-8, LF, nothing quoted."""
    s = SOURCES["kunden_export"]
    rows, want = [s["header"]], []
    for (number, salutation, title, given, family, firm, street, house, post, town, phone, mobile, mail,
         since) in BUYERS24:
        rows.append([number, salutation, title, given, family, firm, f"{street} {house}", post, town, phone, mobile,
                     mail, since])
        # Salutation and title are the prefix. 'Telefon' of a customer with a firm is the firm's line (WORK or
        # VOICE); of a private customer it names no kind. 'Mobil' is a mobile. The address is untyped. Number and
        # date are nobody's.
        p = person(given, family, " ".join(x for x in (salutation, title) if x), org=firm,
                   emails=[mail] if mail else [])
        tels = ([(BUSINESS if firm else ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        want.append(card(p, tels=tels, adrs=[(None, f"{street} {house}", town, "", post, "")]))
    return dict(source="kunden_export", rows=rows, want=want, line_end="\n")


def mzdy_adresy():
    """A Prešov firm's employees' addresses for the wage certificates: a
    title line above the header, a ';' closing every line (an empty last
    column without a name), titles in their own column, villages whose
    street is the village and house number ('Záborské 214'); code page
    1250, CRLF."""
    s = SOURCES["mzdy_adresy"]
    rows, want = [s["header"]], []
    for given, family, title, street, town, post in EMPLOYEES24:
        rows.append([given, family, title, street, town, post, ""])
        # 'Titul' is the prefix. The address is the employee's permanent one, but its columns say neither home
        # nor work. The title line is nobody's.
        p = person(given, family, title)
        want.append(card(p, adrs=[(None, street, town, "", post, "")]))
    return dict(source="mzdy_adresy", rows=rows, want=want,
                preamble="Zoznam adries pre zaslanie potvrdení o zdaniteľnej mzde\r\n")


def pecouni():
    """A Czech course organiser's carers: family name first, birth numbers
    (10 digits or with '/') or a birth date where there is none, two
    Slovak carers whose postal code carries 'SK-', the organiser's code and
    the course year, a role on the course for some, numbers with blanks,
    no phone or mailbox for one or two; code page 1250, CRLF."""
    s = SOURCES["pecouni"]
    rows, want = [s["header"]], []
    for family, given, street, town, post, number, born, organiser, year, role, phone, mail in CARERS24:
        rows.append([family, given, street, town, post, number, born, organiser, year, role, phone, mail])
        # The postal code is the cell as written ('SK-811 01'): the file has no country column. 'funkce' is the
        # carer's role on one course (cook, medic), no job title. The phone names no kind. The birth number is
        # nobody's field; the birth date is the carer's where written.
        p = person(given, family, emails=[mail] if mail else [], birthday=dmy(born) if born else None)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", post, "")],
                         birthday=True))
    return dict(source="pecouni", rows=rows, want=want)


def policka():
    """A Nitra competition's entrants by category and plot: the town they
    live in only, ISO birth dates (none for one), plot numbers starting
    again in each category, a father and son; UTF-8 without a signature,
    CRLF between rows and none after the last."""
    s = SOURCES["policka"]
    rows, want = [s["header"]], []
    for category, given, family, town, born, plot in ENTRANTS24:
        rows.append([category, given, family, town, born, plot])
        # 'Bydlisko' is where the entrant lives: an address with the town alone, untyped. Category and plot are
        # nobody's; the birth date is the entrant's.
        p = person(given, family, birthday=ymd(born) if born else None)
        want.append(card(p, adrs=[(None, "", town, "", "", "")], birthday=True))
    return dict(source="policka", rows=rows, want=want, text=joined(rows, "\r\n"))


def import_erori():
    """A Romanian school's refused user rows: Excel's '"sep=;"' line above
    the header, pupils' school mailboxes, birth dates as typed (some
    invalid or in another form: '2009-07-22', '31.02.2009', '5/6/2009'),
    user names, temporary passwords, the reason; UTF-8, LF."""
    s = SOURCES["import_erori"]
    rows, want = [s["header"]], []
    for family, given, mail, born, user, password, reason in REFUSED24:
        rows.append([family, given, mail, born, user, password, reason])
        # 'Nume' is the family name, 'Prenume' the given name. A birth date is the pupil's where it is a date (an
        # ISO one too); an impossible or ambiguous one is none. User name, password and reason are nobody's.
        p = person(given, family, emails=[mail], birthday=dmy(born) or ymd(born))
        want.append(card(p, birthday=True))
    return dict(source="import_erori", rows=rows, want=want, line_end="\n", preamble='"sep=;"\n')
