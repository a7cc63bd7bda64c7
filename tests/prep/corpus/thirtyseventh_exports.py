"""Thirty-seventh held-out set: two parcel carriers' recipient files (Royal
Mail's Click & Drop, Worldwide Express), a multi-carrier shipping address
book (SendPro Enterprise), a Finnish web shop platform's customers
(MyCashflow), a ticketing tool's attendees (alf.io) and a cloud phone
system's shared contacts (Aircall). Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtyseventh_headers import SOURCES
from thirtyseventh_people import AIRCALL37, ALFIO37, CLICKDROP37, MYCASHFLOW37, SENDPRO37, WWEX37


def given_first(name):
    """'Marek Kowalski' as ('Marek', 'Kowalski'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def royalmail_clickdrop():
    """A Leeds Central European grocery web shop's recipients for Royal Mail
    Click & Drop: names without their accents (Roman letters only), titles,
    a flat number alone on the first address line, a wholesaler with no
    person, two firms with a person, countries as names and as 'GBR' and
    'HRV', phones without a plus, the business flag as 'Yes', 'N', '0',
    'False' and 'Y', one recipient without a mailbox."""
    s = SOURCES["royalmail_clickdrop"]
    rows, want = [s["header"]], []
    for row in CLICKDROP37:
        (_, title, given, family, firm, line1, _, _, city, county, code, country, mail, phone, _) = row
        rows.append(list(row))
        # 'First Name' and 'Last Name' the recipient, as written (the accents are the shop's loss, not ours to
        # guess); 'Customer title' the name's prefix; 'Company Name' the organisation, alone on the card where
        # no name is given. 'Address Line 1' is the street, lines 2 and 3 after it or apart; 'County' the
        # region; 'Country' as written. The address is untyped: a parcel's destination is neither home nor
        # work by its columns. 'Phone' names no kind. The reference and the business flag are nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, line1, city, county, code, country)]
        p = person(given, family, prefix=title, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="royalmail_clickdrop", rows=rows, want=want)


def wwex_receivers():
    """A Chicago importer's receivers for Worldwide Express: receiver ids, a
    firm on every row and the person in 'Attention To' (two firms with
    none), a suite and a shipping department in 'Suite/Department', bill-to
    codes, account numbers, delivery notes, a Toronto receiver with its
    province and a tax id; Polish, Czech, Hungarian, Croatian and Slovak
    names among them."""
    s = SOURCES["wwex_receivers"]
    rows, want = [s["header"]], []
    for row in WWEX37:
        (_, firm, line1, _, _, city, state, code, attention, phone, mail) = row[:11]
        country = row[15]
        rows.append(list(row))
        # The receiver is the firm; a name in 'Attention To' is that person at the firm (FN as written, its
        # first word the given name), else the firm alone. 'Address Line 1' the street, 'Address Line 2' and
        # 'Suite/Department' after it or apart, never the organisation's unit; 'State' the region, 'Country'
        # as written. 'Phone Number' names no kind. Receiver id, bill-to, accounts, notes and tax id are
        # nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, line1, city, state, code, country)]
        p = person(*given_first(attention), org=firm, emails=[mail] if mail else [])
        want.append(card(p, fn=attention or None, tels=tels, adrs=adrs))
    return dict(source="wwex_receivers", rows=rows, want=want)


def mycashflow_customers():
    """A Tampere web shop's customers for MyCashflow's CSV import, the
    identifiers' row on top: customer numbers (one missing), login flags,
    languages, Finnish, Swedish-speaking, Polish, Czech, Hungarian and
    Slovene customers, a street address with staircase and flat ('12 B 7')
    and two without one."""
    s = SOURCES["mycashflow_customers"]
    rows, want = [s["header"]], []
    for code, login, language, mail, given, family, street in MYCASHFLOW37:
        rows.append([code, login, language, mail, given, family, street])
        # 'CustomerFirstName' and 'CustomerLastName' the customer, 'CustomerEmail' the mailbox. The street
        # address is all the address the file holds: the card's street, untyped, nothing else guessed.
        # Customer number, login flag and language are nobody's.
        adrs = [(None, street, "", "", "", "")] if street else []
        want.append(card(person(given, family, emails=[mail]), adrs=adrs))
    return dict(source="mycashflow_customers", rows=rows, want=want)


def alfio_attendees():
    """A Ljubljana developers' conference's attendees uploaded to alf.io:
    the five fixed columns, languages 'en', 'de', 'it', 'fr', the organiser's
    own ids for speakers, partners and a volunteer (often empty); Slovene,
    Croatian, Hungarian, Polish, Czech, Austrian, Italian and French names,
    a double given name with a hyphen."""
    s = SOURCES["alfio_attendees"]
    rows, want = [s["header"]], []
    for given, family, mail, language, reference in ALFIO37:
        rows.append([given, family, mail, language, reference])
        # Each row is an attendee: 'firstName', 'lastName' and 'email'. The ticket's language and the
        # organiser's reference are nobody's.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="alfio_attendees", rows=rows, want=want)


def aircall_contacts():
    """A Budapest freight forwarder's shared contacts for Aircall: E.164
    numbers without blanks, up to three of four phone columns filled (one
    with the fourth but not the third), two firms with no person, two people
    with no firm, Hungarian, Czech, Slovak, Croatian, Slovene, German and
    Romanian contacts."""
    s = SOURCES["aircall_contacts"]
    rows, want = [s["header"]], []
    for row in AIRCALL37:
        given, family, firm = row[:3]
        rows.append(list(row))
        # 'first_name' and 'last_name' the person, 'company_name' the organisation, alone on the card where no
        # name is given. 'phone1' to 'phone4' are numbers of no kind, each as written, in their order.
        tels = [(ANY, n) for n in row[3:] if n]
        want.append(card(person(given, family, org=firm), tels=tels))
    return dict(source="aircall_contacts", rows=rows, want=want)


def sendpro_addressbook():
    """A Vienna mail-order pharmacy's address book for SendPro Enterprise:
    references, the person in 'AttentionTo' at a pharmacy or a firm, three
    private recipients, two bodies with no person, a flat ('Top 14') and a
    building with its goods entrance on the further lines, regions for
    Austria only, countries as 'AT' and 'Austria', a second phone for a few,
    delivery notes, 'true'/'false'."""
    s = SOURCES["sendpro_addressbook"]
    rows, want = [s["header"]], []
    for row in SENDPRO37:
        (_, attention, firm, line1, _, _, city, region, code, country, phone, phone2) = row[:12]
        rows.append(list(row))
        # 'AttentionTo' is the person (FN as written, its first word the given name), at 'Organization' where
        # there is one; an organisation with no person is that body alone. 'Address1' the street, 'Address2'
        # and 'Address3' after it or apart; 'Region' the region, 'Country' as written; untyped, as the
        # residential flag is the carrier's surcharge, not the card's type. 'Phone' and 'AlternatePhone' name
        # no kind. Reference and notes are nobody's.
        tels = [(ANY, n) for n in (phone, phone2) if n]
        adrs = [(None, line1, city, region, code, country)]
        p = person(*given_first(attention), org=firm)
        want.append(card(p, fn=attention or None, tels=tels, adrs=adrs))
    return dict(source="sendpro_addressbook", rows=rows, want=want)
