"""Twenty-eighth held-out set: a Regensburg rowing club's members for
JVerein, a Munich dental supplier's practices from cobra, a Dresden hotel's
guests and firms for protel and a Kraków tea shop's customers by their
orders. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from twentyeighth_headers import SOURCES
from twentyeighth_people import COBRA28, JVEREIN28, KLIENCI28, PROTEL28

DOCTORS = ("Dr. med. dent.", "Dr.")


def jverein_mitglieder():
    """A Regensburg rowing club's members in SPG-Verein's layout as JVerein
    reads it: member numbers, 'Herrn'/'Frau', 'Dr.' and 'Prof. Dr.', a double
    given name, a mother and son at one address, Czech, Polish, Hungarian,
    Slovak and Romanian members, IBANs and BICs for the direct debits,
    'xxx,xx' fees, one who has given notice, two without a mailbox; ISO-8859-1,
    ';', nothing quoted (it holds no 'ř' nor 'č': the Czech and Slovak members
    stand as the club typed them, 'Dvorak', 'Kovacova')."""
    s = SOURCES["jverein_mitglieder"]
    rows, want = [s["header"]], []
    for row in JVEREIN28:
        (_, salutation, title, family, given, street, code, town, _, _, _, _, _, _, _, _, private, business, mail,
         _, _, _, _, _) = row
        rows.append(list(row))
        # 'Anrede' and 'Titel' are the name's prefix; 'Telefon_privat' is HOME, 'Telefon_dienstlich' WORK; the
        # address neither home nor work, no country; birth date, bank, mandate, fees and dates are nobody's (the
        # birth date is left out of the card's fields here, as the club's letters do not use it).
        tels = [(t, n) for t, n in (("HOME", private), ("WORK", business)) if n]
        prefix = " ".join(x for x in (salutation, title) if x)
        p = person(given, family, prefix, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "")]))
    return dict(source="jverein_mitglieder", rows=rows, want=want)


def cobra_praxen():
    """A Munich dental supplier's practices as cobra exports them: the
    doctor's title inside 'Nachname' ('Dr. Brandl', 'Dr. med. dent.
    Kaltenbach'), the practice's name, a former name for three, cobra's
    numbers and sales codes, up to five office numbers and two mobiles, no
    mailbox column; UTF-8, ';', LF."""
    s = SOURCES["cobra_praxen"]
    rows, want = [s["header"]], []
    for row in COBRA28:
        (salutation, family, given, street, code, town, _, _, _, practice, _, phone, direct, private, phone2, phone3,
         mobile, mobile_private) = row
        rows.append(list(row))
        # The title cobra keeps before the family name is the prefix, with 'Anrede', and no part of the family
        # name; 'Praxisname' is the organisation, the former name nobody's; 'Telefon', 'Telefon direkt',
        # 'Telefon2' and 'Telefon3' are the practice's, WORK; 'Telefon privat' HOME, 'Mobil' and 'Mobil privat'
        # CELL; the address neither home nor work, no country; VNUM1, DSC and DSCNEU are nobody's.
        title = next((d for d in DOCTORS if family.startswith(d + " ")), "")
        bare = family[len(title):].strip()
        tels = [(t, n) for t, n in (("WORK", phone), ("WORK", direct), ("HOME", private), ("WORK", phone2),
                                    ("WORK", phone3), ("CELL", mobile), ("CELL", mobile_private)) if n]
        p = person(given, bare, " ".join(x for x in (salutation, title) if x), org=practice)
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "")]))
    return dict(source="cobra_praxen", rows=rows, want=want, line_end="\n")


def protel_gaeste():
    """A Dresden hotel's guests and firms on the sheet its IT service turns
    into protel's import: firms with Karteityp 1 and their name under
    'Nachname', no given name and no sex; guests from Prague, Brno, Łódź,
    Wrocław and Budapest with the country as a German word and a language
    code; letter salutations; VIP and marketing codes; one without a mailbox,
    one without a phone; UTF-8 (the script reads it or code page 1252, and
    1252 cannot hold 'ł'), ';', CRLF."""
    s = SOURCES["protel_gaeste"]
    rows, want = [s["header"]], []
    for row in PROTEL28:
        family, given, street, code, town, country, _, _, mail, phone, _, kind, _, _ = row
        rows.append(list(row))
        # Karteityp 1: 'Nachname' is the firm, a card of the organisation alone; 0: a guest, 'Nachname' and
        # 'Vorname' the names; 'Land' is the country as written; 'Tel' names no kind; the address neither home
        # nor work; language, sex, salutation, VIP and marketing codes are nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, town, "", code, country)]
        emails = [mail] if mail else []
        if kind == "1":
            want.append(card(person(org=family, emails=emails), tels=tels, adrs=adrs))
        else:
            want.append(card(person(given, family, emails=emails), tels=tels, adrs=adrs))
    return dict(source="protel_gaeste", rows=rows, want=want)


def klienci_zamowienia():
    """A Kraków tea shop's customers by their orders, as its admin panel's
    report writes them: given and family name, mailbox, count and sum (four
    decimals), each value closed by ';' so that every row has one empty
    column more than the header; a Czech customer; LF, nothing quoted."""
    s = SOURCES["klienci_zamowienia"]
    rows, want = [s["header"]], []
    for row in KLIENCI28:
        given, family, mail, _, _ = row
        rows.append(list(row) + [""])
        # 'Imię' and 'Nazwisko' are the names, 'Adres email' the mailbox; the count and the sum are nobody's; the
        # trailing empty cell is nothing.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="klienci_zamowienia", rows=rows, want=want, line_end="\n")
