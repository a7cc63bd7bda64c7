"""Eighty-ninth held-out set: Nordic tools' customer and member registers (a
Finnish accounting service, a Finnish till's back office, a Swedish member
register, a Norwegian trade web shop, a Danish inventory and order system
and a Finnish financial management suite's invoicing). Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from eightyninth_headers import SOURCES
from eightyninth_people import HEEROS89, MEMLIST89, NETVISOR89, RACKBEAT89, SOLTEQ89, STORESHOP89
from people import person


def given_first(name):
    """'Matti Virtanen' as ('Matti', 'Virtanen'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def netvisor_asiakkaat():
    """A Tampere printing house's customer register for Netvisor, in code
    page 1252: codes, firms ('Oy', 'Oyj', 'Ky', 'ry', 's.r.o.', 'AB') and
    private persons in one 'Nimi' column, flats after the street ('38 B 12'),
    '0'/'1' for active, discounts, groups, web sites with and without the
    scheme, notes with commas, two firms abroad; Czech, Polish and German
    private customers in Tampere."""
    s = SOURCES["netvisor_asiakkaat"]
    rows, want = [s["header"]], []
    for row in NETVISOR89:
        (_, name, street, code, town, _, _, _, _, site, _, _, country) = row[:13]
        rows.append(list(row))
        # 'Nimi' is the customer: a name with a firm's or an association's legal form is the organisation alone,
        # any other a private person, first word the given name. 'Osoite', 'Postinumero', 'Postitoimipaikka' and
        # 'Maa' (as written) the untyped address; 'Kotisivut' the web page. A passive customer is still one;
        # codes, groups, discounts, language, notes, payment term and seller are nobody's.
        firm = any(name.endswith(x) for x in (" Oy", " Oyj", " Ky", " ry", " s.r.o.", " AB"))
        p = person(org=name, url=site) if firm else person(*given_first(name), url=site)
        want.append(card(p, adrs=[(None, street, town, "", code, country)], url=bool(site)))
    return dict(source="netvisor_asiakkaat", rows=rows, want=want)


def solteq_customers():
    """A Turku sports shop's customers exported from Solteq Commerce Cloud
    and saved as 'CSV UTF-8' by a Finnish Excel: ids as UUIDs, sequence
    numbers, 'TOSI'/'EPÄTOSI' for the flags, notes with ';' (quoted) and
    commas, one customer without a mailbox, one restricted under the GDPR,
    a double given name and a double family name; Czech, Polish and
    Hungarian customers among them; the hidden 'ssn' column empty."""
    s = SOURCES["solteq_customers"]
    rows, want = [s["header"]], []
    for row in SOLTEQ89:
        (_, _, mail, given, family) = row[:5]
        rows.append(list(row))
        # Each row is a customer: 'firstName' and 'lastName', 'email' the mailbox. A customer whose data is
        # restricted is still a contact of the shop; the flags, note, ids and the empty 'ssn' are nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="solteq_customers", rows=rows, want=want, bom=True)


def memlist_medlemmar():
    """An Uppsala orienteering club's members for Memlist, saved as 'CSV
    UTF-8' by a Swedish Excel: member and club numbers, sections, phones
    written as Swedes do ('070-123 45 67') and with the country, children
    without mailbox or phone whose parent pays (the invoice columns), two
    members with their employer, a sponsoring firm with no person, one member
    in Norway, 'M', 'F', 'O' and 'U', municipality and region codes; Czech,
    Polish and Hungarian members among them."""
    s = SOURCES["memlist_medlemmar"]
    rows, want = [s["header"]], []
    for row in MEMLIST89:
        (_, _, _, street, code, town, mail, phone, given, family, _, firm) = row[:12]
        country = row[22]
        rows.append(list(row))
        # 'Förnamn' and 'Efternamn' the member, 'Företagsnamn' the member's organisation; a row with a firm and no
        # name is that firm alone. 'Gatuadress', 'Postnummer', 'Postort' and 'Landskod' (as written) the untyped
        # address; 'Epost' the mailbox; 'Telefon' names no kind. The 'Faktura' columns are the payer's, a parent
        # for a child: another person, no part of the member's card. Numbers, section, sex, organisation number
        # and the municipality and region codes are nobody's.
        tels = [(ANY, phone)] if phone else []
        emails = [mail] if mail else []
        p = person(given, family, org=firm, emails=emails) if given or family else person(org=firm, emails=emails)
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, country)]))
    return dict(source="memlist_medlemmar", rows=rows, want=want, bom=True)


# Customers of the trade shops below whose names carry no legal form but are bodies all the same.
BODIES = {"Trondheim Studentsamskipnad", "Bergen Sjøfartsmuseum", "Odense Kommune", "Cykelkøkkenet"}


def storeshop_customers():
    """A Bergen coffee roaster's trade customers for Storeshop, saved as 'CSV
    UTF-8' by a Norwegian Excel: ids, cafés and firms ('AS', 'ENK'), a
    museum and a students' welfare body, a few persons buying on their own
    name (Czech, Polish and Hungarian among them), the county in 'State',
    no town, mobiles with '+47', bare, in pairs or foreign, one without a
    mailbox, one without a phone."""
    s = SOURCES["storeshop_customers"]
    rows, want = [s["header"]], []
    for ident, name, mail, street, county, code, mobile in STORESHOP89:
        rows.append([ident, name, mail, street, county, code, mobile])
        # 'Customer name' is a firm's or a body's name, the organisation alone, or a person's whole name, first
        # word the given name. 'Email' the mailbox; 'Mobile' CELL; 'Address', 'State' (the county: the region)
        # and 'ZIP code' the untyped address, no town and no country. The id is nobody's.
        body = name.endswith((" AS", " ENK")) or name in BODIES
        emails = [mail] if mail else []
        p = person(org=name, emails=emails) if body else person(*given_first(name), emails=emails)
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [], adrs=[(None, street, "", county, code, "")]))
    return dict(source="storeshop_customers", rows=rows, want=want, bom=True)


def rackbeat_kunder():
    """An Odense bicycle parts wholesaler's customers for Rackbeat, saved as
    'CSV UTF-8' by a Danish Excel: numbers, firms ('ApS', 'A/S', 'I/S',
    'GmbH', 's.r.o.', 'Sp. z o.o.'), the municipality and a workshop without
    a legal form, private customers, group numbers, a back house, a hall,
    the town hall and floors ('2. th.', 'st. tv.') in 'Adresse2', towns with
    their district ('Odense C'), countries in Danish."""
    s = SOURCES["rackbeat_kunder"]
    rows, want = [s["header"]], []
    for number, name, group, street, second, code, town, country in RACKBEAT89:
        rows.append([number, name, group, street, second, code, town, country])
        # 'Navn' is a firm's or a body's name, the organisation alone, or a person's, first word the given name.
        # 'Adresse1' the street, 'Adresse2' its second line (after it or apart), 'Postnummer', 'By' as written
        # ('Odense C') and 'Land' as written ('Tjekkiet') the untyped address. Number and group are nobody's.
        firm = name.endswith((" ApS", " A/S", " I/S", " GmbH", " s.r.o.", " Sp. z o.o.")) or name in BODIES
        p = person(org=name) if firm else person(*given_first(name))
        want.append(card(p, adrs=[(None, street, town, "", code, country)]))
    return dict(source="rackbeat_kunder", rows=rows, want=want, bom=True)


def heeros_customers():
    """An Oulu engineering consultancy's customer register for Heeros, saved
    as 'CSV UTF-8' by a Finnish Excel: codes, short names in capitals,
    business ids and VAT ids, firms in Finland, Estonia ('OÜ'), Latvia
    ('SIA'), Lithuania ('UAB') and Sweden with their letters ('Rīga',
    'Savanorių pr.'), a regional council, private customers whose
    nationality ('CZ', 'PL') is not their address's country, empty second
    name and delivery columns."""
    s = SOURCES["heeros_customers"]
    rows, want = [s["header"]], []
    for row in HEEROS89:
        (_, name, _, street, code, city, country, _, _, business_id, vat_id) = row[:11]
        rows.append(list(row))
        # 'Name' is the customer: with a business id or a VAT id a firm or a body, the organisation alone; without
        # either a private person, first word the given name. 'Address', 'Postal code', 'City' and 'Country' (as
        # written) the untyped address; 'Nationality' is no part of it. Code, short name and ids are nobody's.
        p = person(org=name) if business_id or vat_id else person(*given_first(name))
        want.append(card(p, adrs=[(None, street, city, "", code, country)]))
    return dict(source="heeros_customers", rows=rows, want=want, bom=True)
