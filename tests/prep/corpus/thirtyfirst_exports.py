"""Thirty-first held-out set: Dutch, Flemish, English (US, Canadian, UK) and
Portuguese sources (a payroll bureau's clients, a bookkeeper's relations, a
pool's members, a business association's members, two invoicing and ERP
customer files and a GP surgery's patients). Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtyfirst_headers import SOURCES
from thirtyfirst_people import ACCESS31, GROUPFIRE31, MOLONI31, NMBRS31, OCTOPUS31, PAYTRAQ31, VERIPATH31


def given_first(name):
    """'Tomáš Novák' as ('Tomáš', 'Novák'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def nmbrs_debiteuren():
    """A Utrecht payroll bureau's clients on Nmbrs' 'Debiteuren' tab, saved
    from a Dutch Excel as 'CSV UTF-8': firms with a contact person (Czech, Polish, Hungarian
    and Slovak ones among them), an attention line ('t.a.v. administratie'),
    house numbers and additions apart ('7' 'a'), a post box as the postal
    address for three, a German client, IBANs and service levels, ten empty
    tag columns and three empty note columns."""
    s = SOURCES["nmbrs_debiteuren"]
    rows, want = [s["header"]], []
    for (number, firm, attention, phone, fax, mail, web, street, house, extra, code, town, province, country,
         pstreet, phouse, pextra, pcode, ptown, pcountry, contact, cphone, cmail, iban, level) in NMBRS31:
        rows.append([number, firm, attention, phone, fax, mail, web, street, house, extra, code, town, province,
                     country, pstreet, phouse, pextra, pcode, ptown, pcountry, contact, cphone, cmail, iban,
                     "", "", "", level, "", ""] + [""] * 13)
        # The debtor is a firm: with 'ContactNaam' the card is that person at the firm (FN the name as written,
        # its first word the given name), else the firm alone. 'Contacttelefoonnr' and 'Telefoon' are business
        # numbers that name no kind (WORK or VOICE), 'Faxnr' FAX; both mailboxes are the card's, the contact's
        # first; 'Website' the web page. The invoice address is the street with its number and addition written
        # together ('7a'), the province the region, the country the code written; a 'PostAdres' (a post box) is
        # a second address. 'FactuurTAV' is an attention line, nobody's name; bank, level and numbers nobody's.
        adrs = [(None, f"{street} {house}{extra}", town, province, code, country)]
        if pstreet:
            adrs.append((None, f"{pstreet} {phouse}{pextra}", ptown, "", pcode, pcountry))
        tels = [(t, n) for t, n in (("WORK|VOICE", cphone), ("WORK|VOICE", phone), ("FAX", fax)) if n]
        emails = [m for m in (cmail, mail) if m]
        if contact:
            p = person(*given_first(contact), org=firm, emails=emails, url=web)
            want.append(card(p, fn=contact, tels=tels, adrs=adrs, url=bool(web)))
        else:
            p = person(org=firm, emails=emails, url=web)
            want.append(card(p, tels=tels, adrs=adrs, url=bool(web)))
    return dict(source="nmbrs_debiteuren", rows=rows, want=want, bom=True)


def octopus_relaties():
    """A Ghent bookkeeper's relations for Octopus's import, saved as 'CSV
    UTF-8' by a Flemish Excel: 'A' in every 'Actief', the id repeated as the external
    number, firms under 'Naam' (some with a contact person), private persons
    with their family name under 'Naam' and the given name apart (Polish,
    Czech and Hungarian ones among them), 'bus 3' in a street, a client in
    Wallonia; no phone or mailbox columns."""
    s = SOURCES["octopus_relaties"]
    rows, want = [s["header"]], []
    for active, number, external, name, given, contact, street, code, town in OCTOPUS31:
        rows.append([active, number, external, name, given, contact, street, code, town])
        # With 'Voornaam' the row is a natural person: 'Naam' the family name, no organisation. Without it 'Naam'
        # is a firm: with 'Contactpersoon' the card is that person at the firm (FN as written, its first word the
        # given name), else the firm alone. The address is untyped, without a country; 'Actief' and the numbers
        # are nobody's.
        adrs = [(None, street, town, "", code, "")]
        if given:
            want.append(card(person(given, name), adrs=adrs))
        elif contact:
            want.append(card(person(*given_first(contact), org=name), fn=contact, adrs=adrs))
        else:
            want.append(card(person(org=name), adrs=adrs))
    return dict(source="octopus_relaties", rows=rows, want=want, bom=True)


def accessgranted_members():
    """A Naperville subdivision's pool members for Access Granted: family
    memberships of several rows under one id, children without a mailbox,
    barcodes, the street alone as the address, birth dates 'm/d/yyyy' and
    '1/1/1900' where the date is unknown, emergency contacts with their
    relation, passes, expiry dates and suspension columns left empty."""
    s = SOURCES["accessgranted_members"]
    rows, want = [s["header"]], []
    for (number, family, given, barcode, street, phone1, phone2, mail, born, kind, emergency, relation, guests,
         entries, expiry) in ACCESS31:
        rows.append([number, family, given, barcode, street, phone1, phone2, mail, born, "", kind, emergency,
                     relation, "", guests, entries, expiry, "", ""])
        # Each row is a member: 'FIRSTNAME' and 'LASTNAME'; 'PRIMARY_PHONE' and 'SECONDARY_PHONE' name no kind;
        # 'ADDRESS' is the street alone (the pool's own subdivision), untyped, no town; 'BIRTHDATE' is the
        # birthday, month first, but '1/1/1900' is the vendor's stand-in for an unknown date and no birthday;
        # the emergency contact is another person and no part of the card; ids, passes and dates nobody's.
        month, day, year = (int(x) for x in born.split("/"))
        birthday = None if (year, month, day) == (1900, 1, 1) else (year, month, day)
        tels = [(ANY, n) for n in (phone1, phone2) if n]
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=tels, adrs=[(None, street, "", "", "", "")], birthday=bool(birthday)))
    return dict(source="accessgranted_members", rows=rows, want=want)


def groupfire_members():
    """A Toronto Czech and Slovak business association's members for
    GroupFire: Czech and Slovak names with their letters, firms for most, the
    business address as one cell 'street, city, province postal code', two
    members without a firm or address, one without a phone."""
    s = SOURCES["groupfire_members"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, firm, address in GROUPFIRE31:
        rows.append([given, family, mail, phone, firm, address])
        # 'Company' is the organisation; 'Phone' names no kind; 'Business Address' is a WORK address: the street
        # before the first comma, the city after it, then the province and the postal code; no country.
        adrs = []
        if address:
            street, city, rest = address.split(", ")
            province, _, code = rest.partition(" ")
            adrs = [("WORK", street, city, province, code, "")]
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="groupfire_members", rows=rows, want=want)


def moloni_clientes():
    """A Porto translation and printing shop's clients for Moloni, saved as
    'CSV UTF-8' by a Portuguese Excel: firms with taxpayer numbers beginning 5 and 6 and
    foreign ones with VAT numbers, some with a contact person, private clients
    by whole name (a Czech and a Polish one among them), languages, a floor
    in the street ('2.º Esq.'), countries as names and as codes, phones with
    blanks, payment and note columns."""
    s = SOURCES["moloni_clientes"]
    rows, want = [s["header"]], []
    for (number, name, nif, language, street, code, town, country, mail, site, phone, fax, contact, cmail,
         cphone, note) in MOLONI31:
        rows.append([number, name, nif, language, street, code, town, country, mail, site, phone, fax, contact,
                     cmail, cphone, "", "", "", "", note])
        # A Portuguese taxpayer number beginning 1, 2 or 3 is a private person: 'Nome' is FN as written, its
        # first word the given name, no organisation. Any other (5 and 6, or a foreign VAT number) is a body:
        # with 'Nome Contacto' the card is that person at it, else the body alone. 'Telefone' and 'Telefone
        # Contacto' name no kind, 'Fax' is FAX; both mailboxes are the card's, the contact's first; 'Site' the
        # web page; 'Morada', 'Código Postal', 'Localidade' and 'País' the address, the country as written.
        adrs = [(None, street, town, "", code, country)]
        tels = [(t, n) for t, n in ((ANY, cphone), (ANY, phone), ("FAX", fax)) if n]
        emails = [m for m in (cmail, mail) if m]
        if nif[0] in "123":
            p, fn = person(*given_first(name), emails=emails, url=site), name
        elif contact:
            p, fn = person(*given_first(contact), org=name, emails=emails, url=site), contact
        else:
            p, fn = person(org=name, emails=emails, url=site), None
        want.append(card(p, fn=fn, tels=tels, adrs=adrs, url=bool(site)))
    return dict(source="moloni_clientes", rows=rows, want=want, bom=True)


def veripath_patients():
    """A Leeds GP surgery's patients for Veripath's import: legacy ids, ISO
    birth dates, NHS numbers (some missing), UK mobiles, MALE/FEMALE/
    NOT_STATED, a flat in the street, a mother and her son at one address,
    emergency contacts with their phones, a clinician and the practice
    manager with the surgery's address; LF."""
    s = SOURCES["veripath_patients"]
    rows, want = [s["header"]], []
    for row in VERIPATH31:
        (_, given, family, born, _, mail, mobile, _, street, city, code, _, _, _) = row
        rows.append(list(row))
        # Each row is a person, whatever the role: 'First Name' and 'Last Name'; 'Mobile Phone' CELL; 'Email
        # Address' the mailbox; 'Date of Birth' the birthday; the address untyped, no country. The emergency
        # contact and their phone are another person's and no part of the card; ids, sex and role nobody's.
        year, month, day = (int(x) for x in born.split("-"))
        p = person(given, family, emails=[mail] if mail else [], birthday=(year, month, day))
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [], adrs=[(None, street, city, "", code, "")],
                         birthday=True))
    return dict(source="veripath_patients", rows=rows, want=want, line_end="\n")


def paytraq_clientes():
    """A Lisbon language school's clients for PayTraq's import: private
    students by whole name (Czech, Hungarian, Polish and Slovene ones among
    them) and organisations (an embassy, firms, a school group), the address
    as one cell 'street, town, region' (so quoted), a header with commas
    (quoted), country codes, VAT and bank details for firms, contracts,
    groups and terms."""
    s = SOURCES["paytraq_clientes"]
    rows, want = [s["header"]], []
    for (name, kind, reg, vat, address, code, country, phone, mail, bank, bic, iban, contract, group, discount,
         terms, days) in PAYTRAQ31:
        rows.append([name, kind, reg, vat, address, code, country, phone, mail, bank, bic, iban, contract, group,
                     discount, terms, days, ""])
        # 'Tipo' 1 is a person: 'Nome' FN as written, its first word the given name, no organisation; 'Tipo' 2
        # an organisation alone. 'Endereço (Rua, Cidade, Região)' holds the street (with its door number after
        # a comma), then the town and the region, the last two after the last two commas; the postal code and
        # the country code as written; 'Telefone' names no kind. Numbers, bank, contract, group and terms are
        # nobody's.
        parts = address.split(", ")
        adrs = [(None, ", ".join(parts[:-2]), parts[-2], parts[-1], code, country)]
        tels = [(ANY, phone)] if phone else []
        if kind == "1":
            want.append(card(person(*given_first(name), emails=[mail]), fn=name, tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=name, emails=[mail]), tels=tels, adrs=adrs))
    return dict(source="paytraq_clientes", rows=rows, want=want)
