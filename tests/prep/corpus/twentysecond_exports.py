"""Twenty-second held-out set: a Berlin district's birthday letters, an
insurance broker's transfer list, a sports club's membership applications, a
Brno club's accommodation list, a Slovene charity's donor contracts, a
Kraków school's class list, a plant nursery's customers, a flood defence's
licensed firms, and two Romanian client lists. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import company, person
from twentysecond_headers import SOURCES
from twentysecond_people import (APPLICATIONS22, CITIZENS22, CLIENTS22, CUSTOMERS22, DONORS22, FIRMS22,
                                 FIRMS22_RO, LODGERS22, MANDATES22, PUPILS22)

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm or an office


def ymd(text, order="ymd", sep="-"):
    parts = [int(x) for x in text.split(sep)]
    return tuple(parts) if order == "ymd" else (parts[2], parts[1], parts[0])


def geburtstage():
    """Reinickendorf's citizens with a round birthday as the registry's list
    is imported: the salutation apart, the house number apart from the
    street ('104a'), no town but the part of town, ISO birth dates, a phone
    or mailbox for a few; UTF-8, LF."""
    s = SOURCES["geburtstage"]
    rows, want = [s["header"]], []
    for salutation, given, family, street, number, post, part, born, phone, mail in CITIZENS22:
        rows.append([salutation, given, family, street, number, post, part, born, phone, mail])
        # The salutation is the name's prefix. The street is its name and house number together. No column
        # names the town (the app adds 'Berlin' itself): the part of town ('Ortsteil') is the only place the row
        # names, taken as the address's locality. 'Telefon' names no kind. The birth date is the citizen's.
        p = person(given, family, salutation, emails=[mail] if mail else [], birthday=ymd(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, f"{street} {number}", part, "",
                                                                       post, "")], birthday=True))
    return dict(source="geburtstage", rows=rows, want=want, line_end="\n")


def bestandsuebertragung():
    """A broker's mandates for one insurer: the mandate's id first, the
    salutation, the street empty for most, the area code and the number in
    two cells, dd.mm.yyyy dates, the insurer's number, the mandate's PDF
    name, twenty empty contract columns; two clients named Lea Müller(-Çelik);
    code page 1252, LF."""
    s = SOURCES["bestandsuebertragung"]
    rows, want = [s["header"]], []
    for mid, salutation, given, family, street, post, town, area, number, born, signed in MANDATES22:
        pdf = f"kunde-{given}-{family}.pdf".lower().replace(" ", "-")
        rows.append([str(mid), salutation, given, family, street, post, town, area, number, born, "6036007275",
                     pdf, signed] + [""] * 20)
        # The area code and the number are one phone, written with a space between them; nothing says its kind.
        # The salutation is the prefix; the birth date the client's; the mandate's id, file and date, the
        # insurer's number are nobody's. The address names neither home nor work.
        p = person(given, family, salutation, birthday=ymd(born, "dmy", "."))
        want.append(card(p, tels=[(ANY, f"{area} {number}")] if number else [],
                         adrs=[(None, street, town, "", post, "")], birthday=True))
    return dict(source="bestandsuebertragung", rows=rows, want=want, line_end="\n")


def mitgliedsantraege():
    """A Göttingen club's chosen membership applications: an empty UID, the
    salutation and a gender made from it, the country written out, ISO
    dates, two children with a parent's mailbox or none of their own and the
    parent's name under 'GehörtZu', IBANs with blanks, a Czech member; the
    header ends with ';' but the rows do not; UTF-8, LF."""
    s = SOURCES["mitgliedsantraege"]
    rows, want = [s["header"]], []
    lines = [";".join(s["header"])]
    for (salutation, given, family, street, post, town, country, born, mail, phone, start, department, iban,
         payment, belongs) in APPLICATIONS22:
        gender = {"Herr": "männlich", "Frau": "weiblich"}.get(salutation, "")
        row = ["", salutation, given, family, street, post, town, country, born, gender, mail, phone, start,
               "aktiv", department, iban, payment, belongs]
        lines.append(";".join(row))
        rows.append(row + [""])
        # The salutation is the prefix; the mailbox in a child's row is on the child's card, as the row gives
        # it. 'GehörtZu' names another member (whom the child's or partner's fee goes with): nobody on this
        # card. 'Telefon' names no kind. The birth date is the applicant's; the entry date, department, IBAN
        # and payment are nobody's.
        p = person(given, family, salutation, emails=[mail] if mail else [], birthday=ymd(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", post, country)],
                         birthday=True))
    return dict(source="mitgliedsantraege", rows=rows, want=want, text="".join(line + "\n" for line in lines))


def ubytovani():
    """A Brno club's members for a trip's lodging: identity card numbers and
    their validity (none for two children), dd.mm.yyyy birth dates, the
    address whole in one cell ('Nádražní 1249/7, 664 42 Modřice'); UTF-8,
    CRLF."""
    s = SOURCES["ubytovani"]
    rows, want = [s["header"]], []
    for given, family, card_no, valid, born, street, post, town in LODGERS22:
        rows.append([given, family, card_no, valid, born, f"{street}, {post} {town}"])
        # The address is street, postal code and town, neither home nor work; the identity card and its
        # validity are nobody's contact; the birth date is the member's.
        p = person(given, family, birthday=ymd(born, "dmy", "."))
        want.append(card(p, adrs=[(None, street, town, "", post, "")], birthday=True))
    return dict(source="ubytovani", rows=rows, want=want)


def donatorji():
    """A Slovene charity's donor contracts of August 2009: 13-digit contract
    ids, two columns named twice, a legal person flag '1' and the firm's
    name (a sole trader's with his own name too), 'Gospa'/'Gospod', a
    village as the street ('Mošenik') and the house number apart ('5 A'), no
    town, ids of the clerk, project, employee and event, dd/mm/yyyy; code
    page 1250, LF."""
    s = SOURCES["donatorji"]
    rows, want = [s["header"]], []
    for (contract, donor, legal, firm, salutation, given, family, street, number, clerk, project, employee,
         event, instalment, active) in DONORS22:
        rows.append([contract, donor, legal, firm, salutation, given, family, street, number, "", clerk, project,
                     employee, event, contract, "", instalment, active])
        # 'prednaziv' is the salutation, the name's prefix. A firm's row ('pravna oseba' 1) without a name is the
        # firm alone; with one, that person at the firm. The street is 'ulica' and its number together (a
        # village's name where the place has no streets); no column names a town. Ids and dates are nobody's.
        p = person(given, family, salutation, org=firm) if given else company(firm)
        want.append(card(p, adrs=[(None, f"{street} {number}", "", "", "", "")]))
    return dict(source="donatorji", rows=rows, want=want, line_end="\n")


def lista_klasy():
    """A Kraków class's list for a school project: the pupils' school
    mailboxes, birth years, the class, phones written three ways for some,
    a guardian's mailbox for the minors; UTF-8, LF."""
    s = SOURCES["lista_klasy"]
    rows, want = [s["header"]], []
    for given, family, mail, year, klass, phone, guardian in PUPILS22:
        rows.append([given, family, mail, year, klass, phone, guardian])
        # The guardian's mailbox is someone else's: not on the pupil's card. 'telefon' names no kind; the birth
        # year is no birth date; the class is nobody's.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="lista_klasy", rows=rows, want=want, line_end="\n")


def kontrahenci():
    """A nursery's customers from its old sales program: a title line above
    the header, NIPs with dashes, blanks or 'CZ', an empty NIP and price
    group, price groups ('Rabat 10%', 'Hurt', 'Auchan 8%'), Czech customers
    with Czech postal codes, phones as written; UTF-8, CRLF."""
    s = SOURCES["kontrahenci"]
    rows, want = [s["header"]], []
    for name, nip, mail, group, street, post, town, phone in CUSTOMERS22:
        rows.append([name, nip, mail, group, street, post, town, phone])
        # Every customer is a firm alone, a sole trader's firm with his name in it too ('Kwiaciarnia Bratek Anna
        # Kubiak'): the name is the firm's, no person's. The phone is the firm's line; the address neither home
        # nor work, without a country (none is written). NIP and price group are nobody's.
        want.append(card(company(name, emails=[mail]), tels=[(BUSINESS, phone)],
                         adrs=[(None, street, town, "", post, "")]))
    return dict(source="kontrahenci", rows=rows, want=want, preamble="Kontrahenci;;;;;;;\r\n")


def licencirane_firme():
    """A flood defence's licensed firms as the program exports them: OIBs as
    '=\"...\"' formulas, the address whole in one cell, the firm's person for
    the defence by name, where it works as a list parted by ',', 'ne' for
    two inactive firms, notes; UTF-8 with a signature, CRLF."""
    s = SOURCES["licencirane_firme"]
    rows, want = [s["header"]], []
    for name, short, oib, address, phone, mail, given, family, where, active, note in FIRMS22:
        rows.append([name, short, f'="{oib}"', address, phone, mail, f"{given} {family}", where, active, note])
        # The person for the defence is the card's person, the firm its organisation (as the pharmacist of a
        # pharmacy). The phone is the firm's line and the mailbox the firm's, on the card. The address is street,
        # postal code and town, neither home nor work. The short name, OIB, areas, flag and note are nobody's.
        street, rest = address.split(", ")
        post, town = rest.split(" ", 1)
        p = person(given, family, org=name, emails=[mail] if mail else [])
        want.append(card(p, tels=[(BUSINESS, phone)], adrs=[(None, street, town, "", post, "")]))
    return dict(source="licencirane_firme", rows=rows, want=want, bom=True)


def clienti_livrare():
    """A distributor's shops in Suceava and Botoşani counties: names in
    capitals, CUIs (one empty), the sales agent of each, the delivery
    street and place, a 'TOTAL' row at the end; code page 1250 (ş and ţ with
    a cedilla), CRLF."""
    s = SOURCES["clienti_livrare"]
    rows, want = [s["header"]], []
    for name, cui, agent, street, place in CLIENTS22:
        rows.append([name, cui, agent, street, place])
        # Each client is a firm alone, a PFA or II with its owner's name too: the name is the firm's. The agent is
        # the distributor's salesman, nobody on the client's card. The delivery address is street and place.
        want.append(card(company(name), adrs=[(None, street, place, "", "", "")]))
    return dict(source="clienti_livrare", rows=rows, want=want, footer="TOTAL;;;;\r\n")


def clienti_contabilitate():
    """An accounting firm's clients: firms, a practice, an owners'
    association; CUIs with and without 'RO', trade register numbers, the
    address as street and town in one cell, a status, the contact person by
    name, a phone and a WhatsApp number (the same for some); UTF-8, CRLF."""
    s = SOURCES["clienti_contabilitate"]
    rows, want = [s["header"]], []
    for name, cui, reg, address, status, given, family, mail, phone, whatsapp in FIRMS22_RO:
        rows.append([name, cui, reg, address, status, f"{given} {family}", mail, phone, whatsapp])
        # The contact person is the card's person, the client its organisation. Neither 'Telefon' nor 'WhatsApp'
        # names home or work; a number written in both is one phone. The address is street and town.
        street, town = address.split(", ")
        numbers = [phone] + ([whatsapp] if whatsapp and whatsapp != phone else [])
        p = person(given, family, org=name, emails=[mail])
        want.append(card(p, tels=[(ANY, n) for n in numbers], adrs=[(None, street, town, "", "", "")]))
    return dict(source="clienti_contabilitate", rows=rows, want=want)
