"""Sixteenth held-out set: a Slovene consultancy's questionnaire leads, a
Romanian family practice's patients, a Romanian ticketing app's users, a
Slovak school's pupils and a Romanian choir's contacts in an organisations'
portal. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixteenth_headers import SOURCES
from sixteenth_people import CHOIR16, LEADS16, PATIENTS16, PUPILS16, USERS16


def ocena_kontakti():
    """A consultancy's questionnaire leads as its app exports them: five
    contact columns (the score columns after them are not taken); Slovene
    mobiles and landlines at home or with +386; three without a company,
    two without a number; one company with '&'; the signature and CRLF."""
    s = SOURCES["ocena_kontakti"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, company in LEADS16:
        rows.append([given, family, mail, phone, company])
        # 'Podjetje' is the organisation; 'Telefon' says no kind (the lead's own or the firm's).
        want.append(card(person(given, family, org=company, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="ocena_kontakti", rows=rows, want=want, bom=True, line_end="\r\n")


def pacienti():
    """A Cluj family practice's patients as its spreadsheet is saved for the
    import: family name first; two given names in one cell for two, a
    double-barrelled family name; CNPs, one as Excel shows a 13-digit number
    ('1,60123E+12'); mobiles, landlines, +40, two numbers in one cell parted
    by ' / ', one patient without a number; LF."""
    s = SOURCES["pacienti"]
    rows, want = [s["header"]], []
    for family, given, cnp, phone in PATIENTS16:
        rows.append([family, given, cnp, phone])
        # 'Nume' is the family name, 'Prenume' the given names; the CNP is nobody's on the card (the damaged one
        # too); 'Telefon' names no kind; two numbers in a cell are two numbers.
        tels = [(ANY, n.strip()) for n in phone.split("/") if n.strip()]
        want.append(card(person(given, family), tels=tels))
    return dict(source="pacienti", rows=rows, want=want, line_end="\n")


def bilete_utilizatori_evenimente():
    """A Cluj ticketing app's users file as the app saves it: ids, roles in
    capitals, user names and passwords in clear, family name before given
    name, an organiser's organisation under 'extra', one client without a
    phone; fields unquoted, LF."""
    s = SOURCES["bilete_utilizatori_evenimente"]
    rows, want = [s["header"]], []
    for row in USERS16:
        _, _, _, _, family, given, mail, phone, extra = row
        rows.append(list(row))
        # 'nume' the family name, 'prenume' the given name; an organiser's 'extra' is the organisation it runs
        # events for (one each here); role, user name and password are nobody's; 'telefon' names no kind.
        want.append(card(person(given, family, org=extra, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="bilete_utilizatori_evenimente", rows=rows, want=want, line_end="\n")


def ziaci_import():
    """A Žilina class's pupils as a school administrator saves them from
    Excel for the import: three columns, the school's mailboxes, one typed in
    capitals; the signature and LF."""
    s = SOURCES["ziaci_import"]
    rows, want = [s["header"]], []
    for given, family, mail in PUPILS16:
        rows.append([given, family, mail])
        # The mailbox is the pupil's as written (capitals and all).
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="ziaci_import", rows=rows, want=want, bom=True, line_end="\n")


def portal_contacte():
    """A Timișoara choir's contacts as its secretary writes them for the
    portal's import: given name first; phones in any form (spaces, none,
    +40, dots, a Hungarian member's +36); two without a mailbox, one
    without a phone; LF."""
    s = SOURCES["portal_contacte"]
    rows, want = [s["header"]], []
    for given, family, mail, phone in CHOIR16:
        rows.append([given, family, mail, phone])
        # 'prenume' the given name, 'nume' the family name; 'telefon' names no kind.
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="portal_contacte", rows=rows, want=want, line_end="\n")
