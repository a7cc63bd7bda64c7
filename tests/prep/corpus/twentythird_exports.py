"""Twenty-third held-out set: a Leipzig firm's contact manager, a Hildesheim
council's members, Bavarian volunteer card holders, a Göttingen course's
participants, Bremen psychotherapists, Swiss customers, a Bonn foundation's
newsletter readers and a Czech address book. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from twentythird_headers import SOURCES
from twentythird_people import (ADDRESSES23, CONTACTS23, COUNCIL23, CUSTOMERS23, READERS23, STUDENTS23,
                                THERAPISTS23, VOLUNTEERS23)

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm or an office


def dmy(text):
    d, m, y = (int(x) for x in text.split("."))
    return (y, m, d)


def kontakte_crm():
    """A Leipzig firm's contacts: every field quoted, academic titles apart,
    the position and department, firm's lines with extensions ('-30'), a
    Polish and a Czech partner, a private customer without a firm, notes
    with ';'; UTF-8 with a signature, CRLF."""
    s = SOURCES["kontakte_crm"]
    rows, want = [s["header"]], []
    for (salutation, title, given, family, job, dept, firm, mail, phone, mobile, fax, street, post, town, country,
         note) in CONTACTS23:
        rows.append([salutation, title, given, family, job, dept, firm, mail, phone, mobile, fax, street, post, town,
                     country, note])
        # The salutation and title are the prefix; the position the job, the department no organisation. Telefon
        # is the contact's line at the firm (a business's contact list), Mobil a mobile, Fax a fax. The address
        # names neither home nor work. A row without a firm is the private customer alone.
        p = person(given, family, " ".join(x for x in (salutation, title) if x), org=firm, job=job, emails=[mail])
        tels = ([(BUSINESS, phone)] if phone else []) + ([("CELL", mobile)] if mobile else []) + \
            ([("FAX", fax)] if fax else [])
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", post, country)]))
    return dict(source="kontakte_crm", rows=rows, want=want, quote_all=True, bom=True)


def ratsmitglieder():
    """A Hildesheim council's members: keys P1 to P13, titles apart, the
    address whole in one cell (empty for two), the account holder (a law
    firm for one), IBANs, BICs for some, the delivery way, mandate dates, a
    member who left ('aktiv' empty, an end date); UTF-8, LF."""
    s = SOURCES["ratsmitglieder"]
    rows, want = [s["header"]], []
    for (key, salutation, title, given, family, mail, phone, address, holder, iban, bic, way, start, end,
         active) in COUNCIL23:
        rows.append([key, salutation, title, given, family, mail, phone, address, holder, iban, bic, way, start,
                     end, active])
        # The salutation and title are the prefix. 'telefon' names no kind. The address is street, postal code and
        # town, neither home nor work. The account holder is whoever the allowance is paid to, no organisation of
        # the member's even where it is a firm; IBAN, BIC, delivery way and mandate dates are nobody's.
        p = person(given, family, " ".join(x for x in (salutation, title) if x), emails=[mail] if mail else [])
        adrs = []
        if address:
            street, rest = address.split(", ")
            post, town = rest.split(" ", 1)
            adrs = [(None, street, town, "", post, "")]
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="ratsmitglieder", rows=rows, want=want, line_end="\n")


def ehrenamtskarte():
    """A Franconian county's volunteer card holders: the card's colour in
    typographic quotes, its date (none for the gold card), its status, a
    c/o name for two, salutation and title; code page 1252, CRLF."""
    s = SOURCES["ehrenamtskarte"]
    rows, want = [s["header"]], []
    for colour, date, status, care_of, salutation, title, given, family, street, post, town in VOLUNTEERS23:
        rows.append([f"\u201e{colour}\u201c", date, status, care_of, salutation, title, given, family, street, post,
                     town])
        # The c/o name is whom the card's letter goes through, nobody on the holder's card (neither the holder's
        # firm nor the holder). The card, its date and status are nobody's. The address names neither home nor
        # work.
        p = person(given, family, " ".join(x for x in (salutation, title) if x))
        want.append(card(p, adrs=[(None, street, town, "", post, "")]))
    return dict(source="ehrenamtskarte", rows=rows, want=want)


def studip_teilnehmer():
    """A Göttingen biology course's participants: every field quoted, a
    degree after the name for two ('B.Sc.'), user names, the private
    address whole in one cell (empty for one), a private phone for some,
    sign-up times, two study programmes in one cell, matriculation numbers,
    remarks; UTF-8 with a signature, CRLF."""
    s = SOURCES["studip_teilnehmer"]
    rows, want = [s["header"]], []
    for (salutation, title, given, family, after, user, address, phone, mail, signed, programmes, number,
         remark) in STUDENTS23:
        rows.append([salutation, title, given, family, after, user, address, phone, mail, signed, programmes,
                     number, remark])
        # 'Privatadr' and 'Privatnr' are the student's home address and phone. 'Titel2' is the degree after the
        # name, its suffix. User name, sign-up, programmes, number and remark are nobody's.
        p = person(given, family, salutation, after, emails=[mail])
        adrs = []
        if address:
            street, rest = address.split(", ")
            post, town = rest.split(" ", 1)
            adrs = [("HOME", street, town, "", post, "")]
        want.append(card(p, tels=[("HOME", phone)] if phone else [], adrs=adrs))
    return dict(source="studip_teilnehmer", rows=rows, want=want, quote_all=True, bom=True)


def therapeuten():
    """Bremen's psychotherapists from a search: academic titles as written
    ('Dipl.-Psych.', 'M.Sc. Psych.'), 'nur privat' ja/nein, the town before
    the street, the practice's phone, mailboxes and home pages for some,
    practice and phone hours ('Mo 8:00-8:50, Do 13:00-13:50'); code page
    1252, LF."""
    s = SOURCES["therapeuten"]
    rows, want = [s["header"]], []
    for (salutation, title, given, family, private, town, street, phone, mail, home, hours, phone_hours) in \
            THERAPISTS23:
        rows.append([salutation, title, given, family, private, town, street, phone, mail, home, hours,
                     phone_hours])
        # The phone is the practice's, a business's line. The address is the practice's, but the column says
        # neither home nor work. 'nur privat' (private patients only) and the hours are nobody's.
        p = person(given, family, " ".join(x for x in (salutation, title) if x), emails=[mail] if mail else [])
        want.append(card(p, tels=[(BUSINESS, phone)], adrs=[(None, street, town, "", "", "")]))
    return dict(source="therapeuten", rows=rows, want=want, line_end="\n")


def kunden_ch():
    """A Zurich agency's customers: Swiss numbers with blanks, a business
    phone, a mobile or both, dd.mm.yyyy birth dates, 'm'/'w', a status;
    code page 1252, CRLF."""
    s = SOURCES["kunden_ch"]
    rows, want = [s["header"]], []
    for salutation, title, given, family, born, sex, work, mobile, mail, status in CUSTOMERS23:
        rows.append([salutation, title, given, family, born, sex, work, mobile, mail, status])
        # 'TelefonGeschaeft' is the work phone, 'Mobiltelefon' the mobile; the birth date the customer's; sex and
        # status are nobody's.
        p = person(given, family, " ".join(x for x in (salutation, title) if x), emails=[mail], birthday=dmy(born))
        tels = ([("WORK", work)] if work else []) + ([("CELL", mobile)] if mobile else [])
        want.append(card(p, tels=tels, birthday=True))
    return dict(source="kunden_ch", rows=rows, want=want)


def newsletter_personen():
    """A Bonn foundation's newsletter readers: a running number, titles
    apart, birth dates for most, the house number apart ('201a'), phone,
    mobile and fax, no mailbox for three, ja/nein, the entry date; a
    family name with 'Gräfin von'; UTF-8, LF."""
    s = SOURCES["newsletter_personen"]
    rows, want = [s["header"]], []
    for (no, salutation, title, given, family, born, street, number, post, town, phone, mobile, fax, mail, letter,
         entered) in READERS23:
        rows.append([no, salutation, title, given, family, born, street, number, post, town, phone, mobile, fax,
                     mail, letter, entered])
        # Private readers: 'Telefon' names no kind, 'Mobil' is a mobile, 'Telefax' a fax. The street is its name
        # and number together. The birth date is the reader's; number, flag and entry date are nobody's.
        p = person(given, family, " ".join(x for x in (salutation, title) if x), emails=[mail] if mail else [],
                   birthday=dmy(born) if born else None)
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else []) + \
            ([("FAX", fax)] if fax else [])
        want.append(card(p, tels=tels, adrs=[(None, f"{street} {number}", town, "", post, "")], birthday=True))
    return dict(source="newsletter_personen", rows=rows, want=want, line_end="\n")


def adresar():
    """A Czech address book's table: the street and its house number apart
    ('1024/18'), postal codes with a blank, 'Praha 1' as the town, no
    mailbox for two; UTF-8 with a signature, CRLF, nothing quoted."""
    s = SOURCES["adresar"]
    rows, want = [s["header"]], []
    for given, family, street, number, post, town, mail in ADDRESSES23:
        rows.append([given, family, street, number, post, town, mail])
        # The street is its name and number together; the address names neither home nor work.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, adrs=[(None, f"{street} {number}", town, "", post, "")]))
    return dict(source="adresar", rows=rows, want=want, bom=True)
