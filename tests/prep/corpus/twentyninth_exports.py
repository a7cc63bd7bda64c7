"""Twenty-ninth held-out set: Norwegian, Swedish, English, French, Spanish,
Italian and Dutch sources (accounting, a contact centre, a gym, web shops, an
ERP, invoicing, a show calendar, a repair shop's CRM, e-invoicing and a
football club). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from twentyninth_headers import SOURCES
from twentyninth_people import (BRP29, EVER29, FIKEN29, FRESHBOOKS29, GODADDY29, NORDISK29, PUZZEL29, QHUB29,
                                REMONLINE29, SEVENOFFICE29, SHOWS29, TWELVE29)


def given_first(name):
    """'Anne-Lise Bråthen' as ('Anne-Lise', 'Bråthen'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def ymd(text, order):
    """A date cell as (year, month, day); `order` says where each part stands."""
    parts = [int(x) for x in text.replace("/", "-").replace(".", "-").split("-")]
    return tuple(parts[i] for i in order)


DMY, ISO = (2, 1, 0), (0, 1, 2)


def fiken_kunder():
    """A Drammen plumbing firm's customers in Fiken's template, saved from a
    Norwegian Excel as 'CSV UTF-8': firms with their organisation number (one written with
    blanks), private persons by their whole name (Polish, Czech and
    Hungarian customers among them), 'Land' mostly blank, a flat and a board's
    'v/ styreleder' as the second line, one without a phone, a blank row and
    the sheet's total below."""
    s = SOURCES["fiken_kunder"]
    rows, want = [s["header"]], []
    for name, orgnr, street, second, code, town, country, mail, phone, number in FIKEN29:
        rows.append([name, orgnr, street, second, code, town, country, mail, phone, number])
        # A row with 'Orgnr' is a firm: the firm alone, 'Navn' its name; without it a private person, FN the name
        # as written, its first word the given name. The second line is no part of the street; a blank 'Land'
        # stays blank (Norway is the importer's default, not the file's); 'Telefon' names no kind; the member
        # number is nobody's.
        if orgnr:
            p = person(org=name, emails=[mail])
            fn = None
        else:
            p = person(*given_first(name), emails=[mail])
            fn = name
        want.append(card(p, fn=fn, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, street, town, "", code, country)]))
    footer = ";" * 9 + "\r\n" + "Antall kunder;13" + ";" * 8 + "\r\n"
    return dict(source="fiken_kunder", rows=rows, want=want, bom=True, footer=footer)


def puzzel_kontakter():
    """A Bergen hospital switchboard's contact list for Puzzel: external ids,
    numbers in E.164 without blanks, a second mailbox for two, titles,
    departments, street name and house number apart, suppliers in Sweden and
    Brno (the country in Norwegian), two staff without an address."""
    s = SOURCES["puzzel_kontakter"]
    rows, want = [s["header"]], []
    for (ident, given, family, phone, mobile, mail1, mail2, title, org, dept, street, number, code, town,
         country) in PUZZEL29:
        rows.append([ident, given, family, phone, mobile, mail1, mail2, title, org, dept, street, number, code, town,
                     country])
        # 'Tittel' is the job title, 'Organisasjon' the organisation, 'Avdeling' a department of it (no
        # organisation); 'Telefon' is a business contact's, WORK or VOICE, 'Mobil' CELL; both mailboxes are the
        # contact's; the street is 'Gatenavn' and 'Gatenummer' together; the country as written; the id nobody's.
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("CELL", mobile)) if n]
        adrs = [(None, f"{street} {number}".strip(), town, "", code, country)] if street else []
        p = person(given, family, org=org, job=title, emails=[m for m in (mail1, mail2) if m])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="puzzel_kontakter", rows=rows, want=want, bom=True)


def brp_kunder():
    """A Gothenburg climbing gym's customers as BRP's import sheet holds them,
    saved from a Swedish Excel: the empty 'id', customer and card numbers,
    ISO birthdays, personal numbers, 'Man'/'Kvinna', firms for three,
    home, work and mobile numbers, one mobile Excel turned into '4,67012E+10'
    and one that lost its leading zero, memberships with dates, groups joined
    by ';' (so quoted), clip cards."""
    s = SOURCES["brp_kunder"]
    rows, want = [s["header"]], []
    for (number, given, family, org, card_no, born, pnr, sex, mail, street, code, town, home, work, mobile, plan,
         start, end, category, region, groups, value_card, clips) in BRP29:
        rows.append(["", number, given, family, org, card_no, born, pnr, sex, mail, street, code, town, home, work,
                     mobile, plan, start, end, category, region, groups, "", value_card, clips])
        # 'organisation' is the organisation; 'telefon hem' HOME, 'jobb' WORK, 'mobil' CELL; the number Excel
        # wrote as '4,67012E+10' is lost; 'region' is the chain's area, no part of the address; the address
        # untyped, no country; 'födelsedag' the birthday; numbers, sex, membership, groups and clips nobody's.
        tels = [(t, n) for t, n in (("HOME", home), ("WORK", work), ("CELL", mobile)) if n and "E+" not in n]
        adrs = [(None, street, town, "", code, "")] if street else []
        p = person(given, family, org=org, emails=[mail], birthday=ymd(born, ISO))
        want.append(card(p, tels=tels, adrs=adrs, birthday=True))
    return dict(source="brp_kunder", rows=rows, want=want, bom=True)


def nordisk_kunder():
    """A Malmö deli's web shop customers in Nordisk e-handel's simplified
    import, tab-separated: private customers (a login that is the mailbox for
    two), firms with their buyer, a university and a Polish shop alone,
    second lines ('lgh 1102', 'c/o Ekström', '2. tv'), customers in
    Copenhagen and Brno, countries as ISO codes, 'GOVERMENT' as the platform
    spells it."""
    s = SOURCES["nordisk_kunder"]
    rows, want = [s["header"]], []
    for (number, firm, given, family, mail, login, line1, line2, code, town, phone, mobile, fax, country, kind,
         orgnr) in NORDISK29:
        rows.append([number, firm, given, family, mail, login, line1, line2, code, town, phone, mobile, fax, country,
                     kind, orgnr])
        # 'Företagsnamn' is the organisation; a firm or authority without a person's name is the firm alone;
        # 'Telefonnr' names no kind, 'Mobilnr' is CELL, 'Fax' FAX; the second line no part of the street; the
        # country the code written; number, login, type and personal or organisation number nobody's.
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile), ("FAX", fax)) if n]
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, line1, town, "", code, country)]))
    return dict(source="nordisk_kunder", rows=rows, want=want)


def sevenoffice_kontakter():
    """A Västerås IT consultancy's contacts and private customers for
    24SevenOffice's import: business contacts with their work numbers and
    mailbox only, private customers with the private ones and a birth date
    'dd.mm.yyyy', two with the whole name in 'ContactName' instead of the
    parts, nicknames, a second (Polish) mobile, a note with ';' (quoted),
    employees flagged, the owner's employee number."""
    s = SOURCES["sevenoffice_kontakter"]
    rows, want = [s["header"]], []
    for row in SEVENOFFICE29:
        (given, family, rphone, rmail, rmobile, rfax, position, _, _, born, street, code, town, country, phone, mail,
         mobile, fax, mobile2, name, _, _, _, nickname, _, _) = row
        rows.append(list(row))
        # The 'ContactRole...' fields are the work ones: phone WORK, mobile CELL, fax FAX, mailbox the contact's,
        # position the job title; the private phone is HOME, the private mobiles CELL, the private fax FAX; where
        # the name is in 'ContactName' alone, FN is it as written and its first word the given name; the address
        # untyped; 'ContactDateOfBirth' the birthday, 'ContactNickname' the nickname; dates of the record, flags,
        # ids, note and owner nobody's.
        fn = None
        if name and not given:
            given, family = given_first(name)
            fn = name
        tels = [(t, n) for t, n in (("WORK", rphone), ("CELL", rmobile), ("FAX", rfax), ("HOME", phone),
                                    ("CELL", mobile), ("FAX", fax), ("CELL", mobile2)) if n]
        adrs = [(None, street, town, "", code, country)] if street else []
        p = person(given, family, job=position, emails=[m for m in (rmail, mail) if m],
                   birthday=ymd(born, DMY) if born else None, nickname=nickname)
        want.append(card(p, fn=fn, tels=tels, adrs=adrs, birthday=bool(born), nickname=bool(nickname)))
    return dict(source="sevenoffice_kontakter", rows=rows, want=want, bom=True)


def freshbooks_clients():
    """A Montreal translation agency's clients for FreshBooks: law firms,
    a utility, a foundation and a consulate by company name alone, private
    clients, suites and flats as the second line ('Bureau 2200', 'App. 3'),
    French street names with accents, provinces as codes, numbers written
    three ways, one client with a town alone."""
    s = SOURCES["freshbooks_clients"]
    rows, want = [s["header"]], []
    for given, family, firm, mail, phone, line1, line2, city, state, code, country in FRESHBOOKS29:
        rows.append([given, family, firm, mail, phone, line1, line2, city, state, code, country])
        # 'Company Name' is the organisation, alone where no name is given; 'Phone Number' names no kind; the
        # second line no part of the street; the province the region, the country as written.
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, line1, city, state, code, country)]))
    return dict(source="freshbooks_clients", rows=rows, want=want)


def godaddy_clients():
    """A Chicago remodeling firm's clients for GoDaddy Bookkeeping: whole
    names (Polish, Czech and Croatian ones among them), a law firm with its
    contact, an owners' association and a museum by company alone, web pages
    written with and without 'https://', apartments as the second line, one
    without a phone."""
    s = SOURCES["godaddy_clients"]
    rows, want = [s["header"]], []
    for name, mail, firm, line1, line2, city, state, code, country, phone, url in GODADDY29:
        rows.append([name, mail, firm, line1, line2, city, state, code, country, phone, url])
        # 'Name' is FN as written, its first word the given name; 'Company' the organisation, alone where no name
        # is given; 'Phone' names no kind; 'URL' the web page; 'State/Province' the region, the country as written.
        given, family = given_first(name)
        p = person(given, family, org=firm, emails=[mail], url=url)
        want.append(card(p, fn=name or None, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, line1, city, state, code, country)], url=bool(url)))
    return dict(source="godaddy_clients", rows=rows, want=want)


# The bodies the school keeps under 'Name': no person's name.
EVER_BODIES = {"Cork City Council", "Polish Community Centre Cork"}


def everaccounting_customers():
    """A Cork Polish and Czech weekend school's customers in WP Ever
    Accounting: parents by whole name (Polish and Czech given names with Irish
    family names), the council and a community centre under 'Name', ISO
    birth dates for most, Irish numbers three ways, a grandfather in Łódź
    paying in PLN, notes with commas and quotes (quoted); LF."""
    s = SOURCES["everaccounting_customers"]
    rows, want = [s["header"]], []
    for name, mail, phone, fax, born, street, country, web, tax, currency, note in EVER29:
        rows.append([name, mail, phone, fax, born, street, country, web, tax, currency, note])
        # 'Name' is FN as written, its first word the given name, except for the two bodies, which are the body
        # alone (the plugin has no company column); 'Address' is the street alone, 'Country' as written;
        # 'Phone' names no kind, 'Fax' is FAX; 'Birth Date' the birthday, 'Website' the page; tax number,
        # currency and note nobody's.
        if name in EVER_BODIES:
            p, fn = person(org=name, emails=[mail], url=web), None
        else:
            p = person(*given_first(name), emails=[mail], birthday=ymd(born, ISO) if born else None, url=web)
            fn = name
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax)) if n]
        want.append(card(p, fn=fn, tels=tels, adrs=[(None, street, "", "", "", country)], birthday=bool(born),
                         url=bool(web)))
    return dict(source="everaccounting_customers", rows=rows, want=want, line_end="\n")


def manifestations_chats():
    """Cat shows sent to a French breed calendar in its template: shows in
    France, Freiburg, Bratislava, Prague, Geneva and Kraków, dates
    'jj/mm/aaaa', awards, breeds, each organiser's contact by whole name,
    the hall and its street, the country in French, an open day sent in by
    mailbox alone, comments with ':' and ';' (quoted)."""
    s = SOURCES["manifestations_chats"]
    rows, want = [s["header"]], []
    for (show, kind, first, last, award, breed, contact, street, code, town, country, phone, mail, visitors,
         comment) in SHOWS29:
        rows.append([show, kind, first, last, award, breed, contact, street, code, town, country, phone, mail,
                     visitors, comment])
        # Each row is a show; its card is the contact's: 'Nom contact' FN as written, its first word the given
        # name, 'EMail contact' and 'Téléphone contact' (no kind) theirs; the show's name is no organisation;
        # 'Adresse', 'Code postal', 'Ville' and 'Pays' are where the show is held (required to place it in the
        # calendar), no address of the contact's; a row without a contact is a card of the mailbox.
        given, family = given_first(contact)
        want.append(card(person(given, family, emails=[mail]), fn=contact or None,
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="manifestations_chats", rows=rows, want=want, bom=True)


def remonline_clientes():
    """A Barcelona phone repair shop's clients in RemOnline's template:
    ids, given names and both surnames ('Vidal i Roca'), two firms under
    'Nombre' alone, two numbers in one cell parted by ', ' (quoted only where
    needed: the separator is ';'), the address as one cell 'street, postal
    code town', foreign clients without one, one without a mailbox."""
    s = SOURCES["remonline_clientes"]
    rows, want = [s["header"]], []
    for ident, given, family, phones, address, mail in REMONLINE29:
        rows.append([ident, given, family, phones, address, mail])
        # 'Nombre' is the given name and 'Apellidos' the family names; a firm's name under 'Nombre' with no
        # 'Apellidos' (an 'S.L.', an 'S.A.') is the firm alone; each number of 'Teléfono' is a phone of no kind;
        # 'Dirección' is the street, then the postal code and the town after the comma; the id is nobody's.
        if not family and (given.endswith("S.L.") or given.endswith("S.A.")):
            p = person(org=given, emails=[mail] if mail else [])
        else:
            p = person(given, family, emails=[mail] if mail else [])
        adrs = []
        if address:
            street, _, place = address.partition(", ")
            code, _, town = place.partition(" ")
            adrs = [(None, street, town, "", code, "")]
        want.append(card(p, tels=[(ANY, n.strip()) for n in phones.split(",") if n.strip()], adrs=adrs))
    return dict(source="remonline_clientes", rows=rows, want=want)


def qhub_clienti():
    """A Trieste accounting office's e-invoicing clients in QHub's import
    sheet: firms, the bilingual municipality (a public body), two
    condominiums, private clients with 'Denominazione' their name family
    first and 'Cognome' and 'Nome' apart (Slovene, Croatian and Hungarian
    names), recipient codes and '0000000', the house number apart ('1/A'),
    PEC mailboxes, banks with IBAN, ABI and CAB, split payment 0/1."""
    s = SOURCES["qhub_clienti"]
    rows, want = [s["header"]], []
    for row in QHUB29:
        (kind, name, family, given, _, street, number, town, code, country, phone, fax, mail, pec, *_rest) = row
        rows.append(list(row))
        # A private client (3) is a person: 'Nome' and 'Cognome', no organisation ('Denominazione' repeats the
        # name); a firm, a public body or a condominium is that body alone under 'Denominazione'; the street is
        # 'Indirizzo' and 'Civico' together; 'Comune' the town, 'Nazione' the country as written; 'Telefono'
        # names no kind, 'Fax' is FAX; 'E-Mail' and 'PEC' both the client's; codes, bank and flags nobody's.
        emails = [m for m in (mail, pec) if m]
        p = person(given, family, emails=emails) if kind == "3" else person(org=name, emails=emails)
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax)) if n]
        want.append(card(p, tels=tels, adrs=[(None, f"{street} {number}".strip(), town, "", code, country)]))
    return dict(source="qhub_clienti", rows=rows, want=want, bom=True)


def twelve_leden():
    """A Breda football club's members for Twelve, from All United:
    federation numbers, initials, particles apart ('van der', ''t'), the name
    the member goes by, birth dates 'dd-mm-yyyy', youth players (Polish and
    Czech among them) with a parent's mailbox."""
    s = SOURCES["twelve_leden"]
    rows, want = [s["header"]], []
    for number, initials, particle, family, given, born, mail in TWELVE29:
        rows.append([number, initials, particle, family, given, born, mail])
        # 'Roepnaam' is the given name; the particle is part of the family name ('van der Linden'); the initials
        # are no name of the card's; the mailbox is on the member's card even where a parent reads it; the
        # birth date is the birthday; the federation number is nobody's.
        p = person(given, f"{particle} {family}".strip(), emails=[mail], birthday=ymd(born, DMY))
        want.append(card(p, birthday=True))
    return dict(source="twelve_leden", rows=rows, want=want, bom=True)
