"""Forty-ninth held-out set: accounting, bookkeeping and invoicing tools, a
Spanish accounting program's sub-accounts, a Belgian accountant's client
sheet, a Norwegian invoicing service's and a tradesmen's business system's
customer lists, a French bookkeeping service's sales clients and an
Australian tax agent's payers. Each maker returns a dict as crm_exports.py's
do."""
from export_kit import ANY, card
from fortyninth_headers import SOURCES
from fortyninth_people import BILLTOBOX49, BTM49, DEXT49, KEME49, MINUBA49, TIMERABBIT49
from people import person

# Spanish people carry two family names: the last two words are the family name, the rest (María José) the given
# name. Everyone else here gives one family name last.
KEME_PEOPLE = {
    "María José Sánchez Ruiz": ("María José", "Sánchez Ruiz"),
    "Antonio Pérez Martínez": ("Antonio", "Pérez Martínez"),
    "Francisco Javier López Gómez": ("Francisco Javier", "López Gómez"),
    "Lucía Fernández Torres": ("Lucía", "Fernández Torres"),
    "Tomasz Wiśniewski": ("Tomasz", "Wiśniewski"),
}

DEXT_PEOPLE = {
    "Claire Fontaine": ("Claire", "Fontaine"),
    "Pavel Dvořák": ("Pavel", "Dvořák"),
    "Anna Wójcik": ("Anna", "Wójcik"),
    "Jean-Marc Bernard": ("Jean-Marc", "Bernard"),
    "Réka Szabó": ("Réka", "Szabó"),
}


def split_name(whole):
    """'Pieter van Dijk' as ('Pieter', 'van Dijk'): the first word is the given
    name, the rest, particles too, the family name."""
    given, _, family = whole.partition(" ")
    return given, family


def keme_auxiliares():
    """A Murcia wholesaler's clients and suppliers for KEME's sub-account
    import, tab-separated without quotes: legal names with their form
    ('S.L.', 's.r.o.', 'Kft.'), private clients with two family names, self-
    employed people with a trade name ('Fontanería Pérez'), NIF and foreign
    VAT numbers, IBANs with spaces, a town hall, Czech, Polish, Hungarian and
    Slovak partners with countries in Spanish, a carrier without a phone."""
    s = SOURCES["keme_auxiliares"]
    rows, want = [s["header"]], []
    for row in KEME49:
        name, trade, _, street, town, code, province, country, _, phone, _ = row
        rows.append(list(row))
        # 'Nombre/Razón social' is a person's whole name or a body's legal name: a body (a legal form, a town
        # hall) is the organisation alone, the legal name being what its invoices carry; its trade name is no
        # part of its card. A person's trade name is the organisation the person trades under. 'Teléfono'
        # names no kind; 'Domicilio', 'Población', 'Provincia', 'Código Postal' and 'País' the untyped address,
        # the country as written. NIF, IBAN and remarks are nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, town, province, code, country)]
        if name in KEME_PEOPLE:
            given, family = KEME_PEOPLE[name]
            want.append(card(person(given, family, org=trade), tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=name), tels=tels, adrs=adrs))
    return dict(source="keme_auxiliares", rows=rows, want=want, line_end="\n")


def billtobox_clients():
    """A Namur accountant's clients for Billtobox's bulk activation, saved as
    'CSV UTF-8' by a Belgian Excel: firms with their contact person, two
    without one, countries as 'Belgique', 'belgique', 'BE', 'Belgium',
    'Roumanie'; Belgian company numbers of ten digits ('0712345678') beside
    French SIREN and Dutch KVK numbers; VAT numbers, IBANs, BICs; languages
    as 'fr', 'EN', 'Français', 'English'; Czech, Polish, Romanian, Hungarian
    and Dutch names ('Pieter van Dijk')."""
    s = SOURCES["billtobox_clients"]
    rows, want = [s["header"]], []
    for row in BILLTOBOX49:
        firm, street, code, town, country = row[:5]
        contact = row[10]
        rows.append(list(row))
        # 'Client name' is the firm and 'Contact name' the person at it, the first word the given name, the rest
        # (a particle too) the family name; a firm without a contact is the organisation alone. 'Address', 'ZIP',
        # 'City' and 'Country' the untyped address, the country as written. The company, VAT and bank numbers
        # are no phones; the languages nobody's.
        adrs = [(None, street, town, "", code, country)]
        if contact:
            given, family = split_name(contact)
            want.append(card(person(given, family, org=firm), adrs=adrs))
        else:
            want.append(card(person(org=firm), adrs=adrs))
    return dict(source="billtobox_clients", rows=rows, want=want, bom=True)


def timerabbit_kunder():
    """A Stavanger consultant's customers for Timerabbit: 'E-post' twice (the
    firm's, then the contact's), firms with their contact person, mobile and
    title, three without one, an empty 'Land' for some Norwegian firms, Czech,
    Polish and Hungarian customers with countries in Norwegian, numbers as
    '51 60 20 00' and '+420 543 210 987', web sites without a scheme."""
    s = SOURCES["timerabbit_kunder"]
    rows, want = [s["header"]], []
    for row in TIMERABBIT49:
        (firm, street, code, place, country, phone, firm_mail, site, contact, mobile, contact_mail, title) = row
        rows.append(list(row))
        # 'Navn' is the firm and 'Kontaktperson' the person at it, 'Tittel' the person's title. The first
        # 'E-post' is the firm's mailbox and the second the contact's: the contact's card holds both, as it
        # holds 'Telefon' (untyped) beside 'Mobil' (CELL). 'Adresse', 'Postnummer', 'Sted' and 'Land' the
        # untyped address; an empty 'Land' is left empty: Norway is Timerabbit's own default, not the file's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        mails = [m for m in (contact_mail, firm_mail) if m]
        adrs = [(None, street, place, "", code, country)]
        if contact:
            given, family = split_name(contact)
            p = person(given, family, org=firm, job=title, emails=mails, url=site)
        else:
            p = person(org=firm, emails=mails, url=site)
        want.append(card(p, tels=tels, adrs=adrs, url=bool(site)))
    return dict(source="timerabbit_kunder", rows=rows, want=want)


def minuba_kunder():
    """A Bergen electrician's customers for Minuba: 'Beskrivelse' twice (the
    customer's kind, then the address's), private customers and firms,
    organisation numbers ('987 654 321'), days to pay, customer numbers, an
    'Att:' that is a name, a role with a name ('Styreleder Jon Vik') or
    empty, flats and floors in 'Adresse 2', the postal code and town apart
    for some and together in 'Postnummer og by' for others, an empty
    country, a Polish mobile, a Czech dentist and a Hungarian customer."""
    s = SOURCES["minuba_kunder"]
    rows, want = [s["header"]], []
    for row in MINUBA49:
        (name, kind, _, _, _, att, street, _, code, town, code_town, country, _, phone, mobile, mail) = row
        rows.append(list(row))
        # A 'Privatkunde' row is a person, 'Kundenavn' the given then the family name; any other row is a firm,
        # and 'Att:' the person at it ('Styreleder Jon Vik': Jon Vik, whose title is Styreleder), else the firm
        # is the organisation alone. 'Telefonnummer' untyped, 'Mobilnummer' CELL. The address is untyped:
        # 'Adresse' the street, 'Adresse 2' its second line, 'Postnummer' and 'By', or 'Postnummer og by' split
        # into the two, 'Land' as written. Kinds, numbers, days to pay and the address's description nobody's.
        if code_town:
            code, town = code_town.split(" ", 1)
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        mails = [mail] if mail else []
        adrs = [(None, street, town, "", code, country)]
        if kind == "Privatkunde":
            given, family = split_name(name)
            p = person(given, family, emails=mails)
        elif att:
            words = att.split()
            job = " ".join(words[:-2]) if len(words) > 2 else ""
            p = person(words[-2], words[-1], org=name, job=job, emails=mails)
        else:
            p = person(org=name, emails=mails)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="minuba_kunder", rows=rows, want=want)


def dext_clients():
    """A Lyon accounting firm's sales clients for Dext's import, saved by a
    French spreadsheet with a signature: firms ('SARL Boulangerie Girard',
    'Garage Lefèvre et Fils') and private clients under one label, ledger
    accounts ('411GIRARD'), a firm without a mailbox, one client with the
    town alone, one without a country; Czech, Polish, Austrian and Hungarian
    clients with the country in French."""
    s = SOURCES["dext_clients"]
    rows, want = [s["header"]], []
    for row in DEXT49:
        label, _, mail, street, code, town, country = row
        rows.append(list(row))
        # 'Libellé du client' is a private client's given then family name or a firm's name: a firm is the
        # organisation alone. 'Adresse e-mail' the mailbox; 'Adresse', 'Code postal', 'Ville' and 'Pays' the
        # untyped address, the country as written. The ledger account ('411...') is nobody's.
        mails = [mail] if mail else []
        adrs = [(None, street, town, "", code, country)]
        if label in DEXT_PEOPLE:
            given, family = DEXT_PEOPLE[label]
            want.append(card(person(given, family, emails=mails), adrs=adrs))
        else:
            want.append(card(person(org=label, emails=mails), adrs=adrs))
    return dict(source="dext_clients", rows=rows, want=want, bom=True)


def btm_payers():
    """A Brisbane tax agent's payers for BTMSoft PAYG: individuals by first,
    last and other name, companies, a trust, a partnership and a super fund
    by name alone; ABNs with spaces ('51 824 753 556'), two missing;
    'Customer', 'Supplier', 'Other'; salutations ('Mr Šmíd'), 'M'/'F'; a
    second mailbox for some; '(07) 3844 1200' and '0412 345 678'; units and
    shops in 'Address 1' with the street in 'Address 2', a PO box; Czech,
    Polish, Hungarian, Slovene, Vietnamese and Irish names."""
    s = SOURCES["btm_payers"]
    rows, want = [s["header"]], []
    for row in BTM49:
        (_, _, _, company, given, family, _, _, _, _, mail, mail2, phone, phone2, street, _, suburb, region, code,
         country) = row
        rows.append(list(row))
        # An 'Individual' is a person by 'First name' and 'Last name' ('Other name' at most the middle name); any
        # other legal form is 'Contact/Company Name', the organisation alone. Both mailboxes are the contact's;
        # 'Main phone' and 'Other phone' name no kind. 'Address 1' the street and 'Address 2' its second line,
        # 'Suburb' the town, 'Region' the state, 'PostCode', 'Country' as written, untyped. 'Salut' is a letter's
        # greeting, no name; the ABN no phone; reference, contact type and sex nobody's.
        tels = [(ANY, n) for n in (phone, phone2) if n]
        mails = [m for m in (mail, mail2) if m]
        adrs = [(None, street, suburb, region, code, country)]
        p = person(given, family, emails=mails) if given else person(org=company, emails=mails)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="btm_payers", rows=rows, want=want)
