"""Forty-eighth held-out set: tools of Estonia, Turkey and Greece (an
accounting firm's practice management, a CRM with call agents, an e-commerce
platform, a bulk SMS service). Each maker returns a dict as crm_exports.py's
do."""
from export_kit import ANY, card
from fortyeighth_headers import SOURCES
from fortyeighth_people import AIAGENTTR48, IKAS48, UKU48, WORLDSMS48
from people import person


def uku_kliendid():
    """A Tallinn accounting firm's client businesses for Uku, saved as 'CSV
    UTF-8' by an Estonian Excel: the town before the country code and the
    street, Latvian, Finnish and Lithuanian clients, register and VAT
    numbers, several client groups in one cell, the firm's own user in charge
    (a mailbox or a name), notes naming an owner, 1/0 flags, one client
    without a code."""
    s = SOURCES["uku_kliendid"]
    rows, want = [s["header"]], []
    for row in UKU48:
        town, country, street, code = row[:4]
        name = row[10]
        rows.append(list(row))
        # Each row is a client business: 'Nimi' is the organisation alone, no person. 'Aadress', 'Linn',
        # 'Postiindeks' and 'Riik' (a code, as written) its untyped address. 'Vaikimisi kasutaja' is the
        # accounting firm's own user, neither the client's mailbox nor its name; a name in 'Märkmed' is no
        # contact's. Group, language, initials, codes and flags are nobody's.
        want.append(card(person(org=name), adrs=[(None, street, town, "", code, country)]))
    return dict(source="uku_kliendid", rows=rows, want=want, bom=True)


def aiagenttr_musteriler():
    """An Izmir furniture maker's customers for AI Agent TR: the whole name
    in 'isim' (two given names for two of them), phones in E.164 from Turkey,
    Poland, Czechia and Hungary, firms for some, one customer without a
    mailbox, segments."""
    s = SOURCES["aiagenttr_musteriler"]
    rows, want = [s["header"]], []
    for name, phone, mail, firm, segment in AIAGENTTR48:
        rows.append([name, phone, mail, firm, segment])
        # 'isim' is the whole name, given names first: the last word is the family name ('Mehmet Ali' the
        # given names of 'Mehmet Ali Öztürk'), FN as written. 'telefon' names no kind; 'email' the mailbox;
        # 'sirket' the organisation. The segment is nobody's.
        given, family = name.rsplit(" ", 1)
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        want.append(card(p, fn=name, tels=[(ANY, phone)]))
    return dict(source="aiagenttr_musteriler", rows=rows, want=want)


def ikas_customers():
    """An Istanbul coffee roaster's web shop customers from ikas: customer ids
    (empty for two new ones), order counts, 'FALSE' deletion flags, phones
    with their country code (one missing), notes about grinding and
    invoices, account and newsletter states; Polish, Slovak and German
    customers among them."""
    s = SOURCES["ikas_customers"]
    rows, want = [s["header"]], []
    for row in IKAS48:
        _, given, family, mail, _, _, phone = row[:7]
        rows.append(list(row))
        # 'First Name' and 'Last Name' the names; 'E-Mail' the mailbox; 'Phone Number' names no kind. A note
        # that speaks of a company ('fatura şirkete') names none: no organisation. Ids, counts, flags and
        # states are nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="ikas_customers", rows=rows, want=want)


def worldsms_epafes():
    """A Thessaloniki language school's SMS contacts for WorldSMS, saved as
    'CSV UTF-8' by a Greek Excel: the phone first, Greek mobiles without
    their country code and foreign ones with it but without '+', the family
    name before the given name, Greek script beside Polish, Czech and
    Bulgarian Cyrillic names, comments about classes and payments."""
    s = SOURCES["worldsms_epafes"]
    rows, want = [s["header"]], []
    for phone, family, given, comment in WORLDSMS48:
        rows.append([phone, family, given, comment])
        # 'Όνομα' the given name, 'Επίθετο' the family name, FN given name first; 'Τηλέφωνο' the phone as
        # written, of no kind. The comment ('γονέας, τμήμα Β2') is no job title and no organisation.
        want.append(card(person(given, family), tels=[(ANY, phone)]))
    return dict(source="worldsms_epafes", rows=rows, want=want, bom=True)
