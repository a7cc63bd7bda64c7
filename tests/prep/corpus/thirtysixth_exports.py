"""Thirty-sixth held-out set: invoicing, accounting and CRM tools of Central
Europe and beyond (a Romanian ERP's partners, an open-source ERP's business
partners, an Icelandic invoicing service's customers, a Dutch venue CRM's
contacts, a Polish register of invoices, a Bulgarian ERP's counterparties).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtysixth_headers import SOURCES
from thirtysixth_people import IDEMPIERE36, INVOICER36, MICE36, NEXUS36, PAYDAY36, PRIM36


def full_name(text):
    """'Ioana Mureșan' as ('Ioana', 'Mureșan'): given names first, the family name last."""
    given, _, family = text.rpartition(" ")
    return given, family


def nexus_parteneri():
    """A Cluj-Napoca building supplier's partners for Nexus ERP's import,
    saved as 'CSV UTF-8' by a Romanian Excel: firms and private persons told
    apart by a 0/1 flag, tax codes and personal codes in one column, trade
    register numbers, banks and IBANs, the seat's address in one cell with
    the locality apart, a list of phones in one cell ('0264 431 118, 0744 512
    330'), a work phone and a fax, a manager's name, Hungarian, Czech, Polish
    and Slovak suppliers."""
    s = SOURCES["nexus_parteneri"]
    rows, want = [s["header"]], []
    for row in NEXUS36:
        (_, _, _, name, private, _, _, _, street, mail, web, fax, phones, work, _, country, _, town, _) = row
        rows.append(list(row))
        # 'denumire' is the partner: with 'pers_fizica' 1 a person, given names first; with 0 a body, whose
        # card is the organisation alone ('manager' names someone at the firm, not the card's). Each number
        # of 'telefon' is a phone of no kind, 'telefon_serv' the work phone, 'fax' the fax; 'adresa' the
        # street, 'den_localitate' the town, 'cod_tara' the country as written. Codes, register, bank and
        # classification are nobody's.
        tels = [(ANY, n) for n in phones.split(", ") if n] + ([("WORK", work)] if work else []) + \
            ([("FAX", fax)] if fax else [])
        emails = [mail] if mail else []
        adrs = [(None, street, town, "", "", country)]
        if private == "1":
            p = person(*full_name(name), emails=emails)
        else:
            p = person(org=name, emails=emails, url=web)
        want.append(card(p, tels=tels, adrs=adrs, url=bool(web)))
    return dict(source="nexus_parteneri", rows=rows, want=want, bom=True)


def idempiere_bpartner():
    """A Vienna electrical wholesaler's business partners for iDempiere's
    import, under the table's technical column names: keys, tax ids,
    customer and vendor groups, regions, contacts with their job title and
    birthday in one name column ('Thomas Huber'), two phones and a fax, two
    bodies without a contact, empty name 2, DUNS, NAICS and password
    columns; Czech, Hungarian, Slovak, Polish, Slovene, Croatian and Romanian
    customers."""
    s = SOURCES["idempiere_bpartner"]
    rows, want = [s["header"]], []
    for row in IDEMPIERE36:
        (_, name, _, _, _, _, _, _, street, _, code, _, city, region, country, title, contact, _, _, phone, phone2,
         fax, mail, _, born) = row
        rows.append(list(row))
        # 'ContactName' is the contact, given name first, at the partner 'Name'; 'Title' the contact's job
        # title; 'Birthday' the contact's. Without a contact the partner is the organisation alone. 'Phone' and
        # 'Phone2' are phones of no kind, 'Fax' the fax, 'EMail' the mailbox; 'Address1', 'City', 'RegionName',
        # 'Postal' and 'CountryCode' the address. Key, group, tax id and comments are nobody's.
        tels = [(ANY, n) for n in (phone, phone2) if n] + ([("FAX", fax)] if fax else [])
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        if contact:
            p = person(*full_name(contact), org=name, job=title, emails=[mail], birthday=birthday)
        else:
            p = person(org=name, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, street, city, region, code, country)], birthday=bool(born)))
    return dict(source="idempiere_bpartner", rows=rows, want=want, line_end="\n")


def payday_vidskiptavinir():
    """A Reykjavík translation office's customers on Payday's sheet, saved
    as 'CSV UTF-8' by an Icelandic Excel: national ids, firms ('ehf.', 'hf.',
    'Sp. z o.o.') with a contact person or without, private customers with
    patronymics ('Jón Guðmundsson') and a double given name ('Einar Þór'),
    Polish, Czech, Slovak and Hungarian names, seven-digit phones, IBAN and
    SWIFT text, notes, 'Já'/'Nei' for electronic invoices."""
    s = SOURCES["payday_vidskiptavinir"]
    rows, want = [s["header"]], []
    for row in PAYDAY36:
        (_, name, street, code, place, country, _, contact, phone, mail) = row[:10]
        rows.append(list(row))
        # 'Nafn' is the customer: a firm or a person. A firm with a 'Tengiliður' gives that person at the firm,
        # a firm without one the organisation alone; a person's 'Nafn' is the person, every name before the
        # last the given name ('Einar Þór'), the patronymic the family name. 'Sími' names no kind; 'Netfang' the
        # mailbox; 'Heimilisfang', 'Staður', 'Póstnúmer' and 'Land' the address. The national id is no birthday;
        # bank text, notes and the flag are nobody's.
        firm = any(name.endswith(x) for x in (" ehf.", " hf.", " Sp. z o.o.")) or name.startswith("Reykjavíkurborg")
        tels = [(ANY, phone)] if phone else []
        emails = [mail] if mail else []
        if firm and contact:
            p = person(*full_name(contact), org=name, emails=emails)
        elif firm:
            p = person(org=name, emails=emails)
        else:
            p = person(*full_name(name), emails=emails)
        want.append(card(p, tels=tels, adrs=[(None, street, place, "", code, country)]))
    return dict(source="payday_vidskiptavinir", rows=rows, want=want, bom=True)


def mice_contacts():
    """An Utrecht conference venue's customers for MICE Operations' import,
    saved as 'CSV UTF-8' by a Dutch Excel: a firm and its contact person in
    one row, each with a mailbox and a phone, Dutch family names with their
    particle ('de Vries', 'van den Berg'), a floor in the second street line,
    invoice addresses with a post box and an accounts department, VAT and KVK
    numbers, dietary notes, three bodies without a contact person; Czech,
    Polish, Belgian, Hungarian, German and Slovak customers."""
    s = SOURCES["mice_contacts"]
    rows, want = [s["header"]], []
    for row in MICE36:
        (firm, _, firm_mail, firm_phone, street, _, code, place, country) = row[:9]
        (first, last, mail, phone) = row[18:22]
        rows.append(list(row))
        # With a contact person the card is that person ('First name', 'Last name', the particle part of the
        # family name) at 'Customer: Name'; the contact's mailbox and phone first, then the firm's, through
        # which the contact is reached too. Without one the firm alone. 'Customer: Address line 1' (line 2 its
        # second line), 'Postal code', 'Location' and 'Country' the address. The invoice address is where the
        # invoices go, no part of the card; numbers and notes nobody's.
        emails = [m for m in (mail, firm_mail) if m]
        tels = [(ANY, n) for n in (phone, firm_phone) if n]
        if first or last:
            p = person(first, last, org=firm, emails=emails)
        else:
            p = person(org=firm, emails=emails)
        want.append(card(p, tels=tels, adrs=[(None, street, place, "", code, country)]))
    return dict(source="mice_contacts", rows=rows, want=want, bom=True)


def invoicer_rejestr():
    """A Gliwice bookkeeper's register of invoices for invoicer, in code page
    1250: one invoice to each client, firms with a person's name in them
    ('F.H.U. DACH Andrzej Nowak'), names with quotes inside, two private
    clients without a tax number, tax numbers with and without dashes and
    with a country prefix, Czech and Hungarian clients whose register has
    no country, amounts with a decimal comma, dates day first."""
    s = SOURCES["invoicer_rejestr"]
    rows, want = [s["header"]], []
    for row in INVOICER36:
        (_, _, client, street, code, place, tax) = row[:7]
        rows.append(list(row))
        # 'klient nazwa' is the contact: a firm's name is the organisation alone, the owner's name in it
        # included; a bare name without a tax number is a private client, given name first. 'ulica',
        # 'kod_pocztowy' and 'miejscowosc' the address, no country. Kind, number, tax number, amounts and
        # dates are nobody's.
        p = person(org=client) if tax else person(*full_name(client))
        want.append(card(p, adrs=[(None, street, place, "", code, "")]))
    return dict(source="invoicer_rejestr", rows=rows, want=want)


def prim_contractors():
    """A Sofia food distributor's counterparties for Prim's import, English
    column names over Bulgarian data in Cyrillic, saved as 'CSV UTF-8':
    'Legal person' and 'Natural person', three-part Bulgarian names ('Иван
    Петров Иванов'), a nickname and two firms' short names in 'Alias', UIC
    and VAT numbers, the MOL of each firm, street and number apart, districts,
    empty quarter, block, entrance, floor and apartment columns; Czech,
    Romanian, Polish and Hungarian suppliers."""
    s = SOURCES["prim_contractors"]
    rows, want = [s["header"]], []
    for row in PRIM36:
        (_, name, alias, kind, _, _, _, country, district, place, _, street, number) = row[:13]
        code = row[17]
        rows.append(list(row))
        # 'Name' is the counterparty: a 'Legal person' the organisation alone ('Alias', its short name, and
        # 'MOL', its accountable person, no part of it); a 'Natural person' given name first and family name
        # last, the father's name between them a middle name, FN the name as written, 'Alias' the nickname.
        # 'Street' and 'Number' together the street; 'Location' the town, 'District' the region, 'Postal code'
        # and 'Country' as written. Type, UIC and VAT are nobody's.
        adrs = [(None, f"{street} {number}".strip(), place, district, code, country)]
        if kind == "Natural person":
            words = name.split()
            p = person(words[0], words[-1], nickname=alias)
            want.append(card(p, fn=name, adrs=adrs, nickname=bool(alias)))
        else:
            want.append(card(person(org=name), adrs=adrs))
    return dict(source="prim_contractors", rows=rows, want=want, bom=True)
