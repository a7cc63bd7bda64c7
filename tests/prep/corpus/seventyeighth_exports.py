"""Seventy-eighth held-out set: couriers, parcel services and the tools that
feed them (a freight forwarder's manifest program, a label-buying web tool, a
courier booking service, a carriers' consignment program, a fulfilment
service's DHL address file and a postal service's list cleaning). Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventyeighth_headers import SOURCES
from seventyeighth_people import (CANADAPOST78, DEVEGA78, INSTANTLABELS78, SENDIT78, SPEEDI78,
                                  TRANSDIRECT78)

# Words that make a name line a body's rather than a person's, in the German file.
BODIES = ("GmbH", "Kanzlei", "Stadtbibliothek", "Café", "Hotel", "Druckerei")
SALUTATIONS = {"Frau": "Frau", "Herrn": "Herr", "Herr": "Herr"}


def split_name(full):
    """'Mary Ellen O'Brien' as ('Mary Ellen', 'O'Brien'): the last word is the
    family name, the words before it the given name, and an initial ('M.')
    only a middle name, which the card's given name does not take."""
    words = full.split()
    given = [w for w in words[:-1] if not (len(w) == 2 and w.endswith("."))]
    return " ".join(given), words[-1]


def speedi_contacts():
    """An Auckland customs broker's shippers and consignees from SpeEDI Cargo:
    importers and overseas shippers with their contact person, two firms and
    two private consignees with nobody in 'ContactPersonName', units and
    suburbs in 'Address2', Czech, Polish and Slovene regions and postcodes,
    'Y'/'N' flags, customs and quarantine codes, tax numbers, notes naming
    towns ('Gdańsk', 'Koper')."""
    s = SOURCES["speedi_contacts"]
    rows, want = [s["header"]], []
    for row in SPEEDI78:
        (name, _, street, _, city, region, code, country, contact, phone, mail) = row[:11]
        rows.append(list(row))
        # 'Name' is a business or a person: with a 'ContactPersonName' it is the organisation and the contact
        # the card's person (last word the family name); without one, a name with a legal form or a trade's
        # words is the firm alone, else a private consignee. 'Phone' and 'Email' are the contact's, the phone
        # untyped. 'Address1', 'City', 'Region', 'PostCode' and 'CountryCode' the address, untyped, the code as
        # written; 'Address2' the street's second line. Flags, customs codes, tax numbers and notes nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, region, code, country)]
        emails = [mail] if mail else []
        if contact:
            given, family = split_name(contact)
            want.append(card(person(given, family, org=name, emails=emails), tels=tels, adrs=adrs))
        elif name in ("Zsófia Kertész", "Liam O'Connor"):
            given, family = split_name(name)
            want.append(card(person(given, family, emails=emails), tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=name, emails=emails), tels=tels, adrs=adrs))
    return dict(source="speedi_contacts", rows=rows, want=want)


SHOP = ["Kolache Corner LLC", "2145 W 18th St", "", "Chicago", "IL", "60608", "US", "+1 312 555 0147",
        "orders@kolachecorner.com"]


def instantlabels_batch():
    """A Chicago bakery-supply shop's batch of labels for Instant Shipping
    Labels: the shop's own sender columns on every row, recipients in one
    'to_name' (a middle initial, a two-word given name, a kitchen and a
    parish bake sale), apartments and suites in 'to_street2', a Toronto and a
    Łódź recipient, some without phone or mailbox, parcel measures, carriers
    and service levels, insurance for a few, the paying account's mailbox."""
    s = SOURCES["instantlabels_batch"]
    rows, want = [s["header"]], []
    for (name, street, street2, city, state, code, country, phone, mail, length, width, height, weight, carrier,
         service, insured) in INSTANTLABELS78:
        rows.append(SHOP + [name, street, street2, city, state, code, country, phone, mail, length, width, height,
                            weight, "in", "lb", carrier, service, "", "", "", "billing@kolachecorner.com", "",
                            insured, "USD" if insured else ""])
        # Each row is a shipment to its recipient: the card is the 'to_' columns alone; the 'from_' columns
        # and 'email' are the shop's own, on every row, and no part of any card. 'to_name' is FN as written;
        # a person's last word is the family name, the words before it the given name, an initial no part of
        # it; a kitchen or a parish is the organisation alone. 'to_phone' untyped; the address untyped,
        # 'to_street2' the street's second line, 'to_state' the region, the country as written.
        tels = [(ANY, phone)] if phone else []
        emails = [mail] if mail else []
        adrs = [(None, street, city, state, code, country)]
        if name in ("Pilsen Community Kitchen", "St. Hedwig Parish Bake Sale"):
            want.append(card(person(org=name, emails=emails), tels=tels, adrs=adrs))
        else:
            given, family = split_name(name)
            want.append(card(person(given, family, emails=emails), fn=name, tels=tels, adrs=adrs))
    return dict(source="instantlabels_batch", rows=rows, want=want)


def transdirect_orders():
    """A Melbourne ceramics studio's courier orders for Transdirect: order
    ids, goods with counts in brackets, carriers' names and empty carriers,
    pickup dates day first, address types of every kind and one empty, each
    receiver's whole name in one cell (one of three words), one without a
    mailbox; Polish, Hungarian, Czech and Slovak receivers among them."""
    s = SOURCES["transdirect_orders"]
    rows, want = [s["header"]], []
    for row in TRANSDIRECT78:
        name, mail = row[5], row[6]
        rows.append(list(row))
        # Each row is one order to one person: 'Receiver name' is FN as written, its last word the family
        # name and the words before it the given name; 'Email address' the mailbox. 'Business' or 'Commercial'
        # says where the parcel goes, not whom the receiver works for: no organisation. The carrier is the
        # courier, nobody's firm; order id, goods and date nobody's.
        given, family = split_name(name)
        want.append(card(person(given, family, emails=[mail] if mail else []), fn=name))
    return dict(source="transdirect_orders", rows=rows, want=want)


def sendit_receivers():
    """A Dandenong wholesaler's receivers for SendIT, saved as 'CSV UTF-8':
    search terms, delis and bakeries with their contact, two private
    receivers whose name fills both 'Company Name' and 'Contact Name', two
    bodies without a contact, the shop's number in 'Address 1' and the street
    in 'Address 2', ten-digit phones without blanks, Darwin's postcode with
    its leading zero lost ('800'), delivery instructions."""
    s = SOURCES["sendit_receivers"]
    rows, want = [s["header"]], []
    for row in SENDIT78:
        (_, company, street, _, suburb, state, code, contact, phone, mail, _) = row
        rows.append(list(row))
        # 'Company Name' is the receiver's organisation and 'Contact Name' the person at it (last word the
        # family name); the same name in both is a private receiver, the person alone; no contact, the body
        # alone. 'Phone Number' names no kind; 'Email' the mailbox. 'Address 1' then 'Address 2' the street's
        # lines, 'Suburb' the town, 'State' the region, 'Postcode' as the cell holds it, no country. Search term
        # and delivery instructions nobody's.
        tels = [(ANY, phone)] if phone else []
        emails = [mail] if mail else []
        adrs = [(None, street, suburb, state, code, "")]
        if contact and contact != company:
            given, family = split_name(contact)
            want.append(card(person(given, family, org=company, emails=emails), tels=tels, adrs=adrs))
        elif contact:
            given, family = split_name(contact)
            want.append(card(person(given, family, emails=emails), tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=company, emails=emails), tels=tels, adrs=adrs))
    return dict(source="sendit_receivers", rows=rows, want=want, bom=True)


def devega_adressen():
    """A Leipzig web shop's parcel recipients in devega's address file, saved
    as 'CSV UTF-8' by a German Excel: 'Name 1' a person, a person with 'Dr.'
    or a body; 'Name 2' the person at a body, with 'z. Hd. Frau' or 'Herrn'
    before the name; 'Name 3' a goods entrance, a department, a reception
    desk or a floor; the house number apart from the street; postal codes
    whose leading zero Excel dropped ('4275') beside one typed as text."""
    s = SOURCES["devega_adressen"]
    rows, want = [s["header"]], []
    for name1, name2, name3, street, number, code, town in DEVEGA78:
        rows.append([name1, name2, name3, street, number, code, town])
        # 'Name 1' is a person, or a body where it has a legal form or a trade's word ('GmbH', 'Kanzlei',
        # 'Hotel'); 'Name 2' under a body is the person at it, 'z. Hd.' no part of the name, 'Frau' or 'Herrn'
        # a salutation (the prefix at most). 'Name 3' (a goods entrance, a department, a floor) is nobody's
        # name nor organisation: a further address line at most. 'Straße' and 'Hausnummer' are one street
        # ('Industriestraße 8'), 'Ort' the town, 'PLZ' as the cell holds it; no country, no phone, no mailbox.
        adrs = [(None, f"{street} {number}", town, "", code, "")]
        if any(word in name1 for word in BODIES):
            if name2:
                words = [w for w in name2.split() if w not in ("z.", "Hd.")]
                prefix = SALUTATIONS.get(words[0], "")
                given, family = split_name(" ".join(words[1:] if prefix else words))
                want.append(card(person(given, family, prefix, org=name1), adrs=adrs))
            else:
                want.append(card(person(org=name1), adrs=adrs))
        elif name1.startswith("Dr. "):
            given, family = split_name(name1[4:])
            want.append(card(person(given, family, "Dr."), fn=name1, adrs=adrs))
        else:
            given, family = split_name(name1)
            want.append(card(person(given, family), adrs=adrs))
    return dict(source="devega_adressen", rows=rows, want=want, bom=True)


def canadapost_sdc():
    """A Mississauga Polish deli's mailing list for Canada Post's Smart Data
    Cleaner: record ids, units and suites in 'Address2', 'Mr.', 'Mrs.',
    'Ms.', 'Dr.' and empty titles, a dentist and a travel agent with their
    businesses, a caterer and a credit union with nothing but 'Business
    Name'; Polish, Czech, Hungarian and Slovak names among Ontario's."""
    s = SOURCES["canadapost_sdc"]
    rows, want = [s["header"]], []
    for row in CANADAPOST78:
        (_, street, _, town, province, code, title, given, family, business) = row
        rows.append(list(row))
        # 'Title' is the prefix; 'First Name' and 'Last Name' the person; 'Business Name' the organisation, the
        # card of a business alone where no person is named. 'Address1' then 'Address2' the street's lines,
        # 'Muni' the town, 'Prov' the region, 'PC' the postal code, untyped, no country. Record id nobody's.
        adrs = [(None, street, town, province, code, "")]
        want.append(card(person(given, family, title, org=business), adrs=adrs))
    return dict(source="canadapost_sdc", rows=rows, want=want)
