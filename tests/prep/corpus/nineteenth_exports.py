"""Nineteenth held-out set: a law firm's contacts in its practice program, a
contractors' CRM in Polish, a housing developer's buyers in Norwegian and a
desktop address book's file. Each maker returns a dict as crm_exports.py's
do."""
from export_kit import ANY, card
from people import person
from nineteenth_headers import SOURCES
from nineteenth_people import APEX19, CLIO19, CONTRACTORS19, PALM19


def dmy(text):
    """'14.03.1985' as (1985, 3, 14)."""
    d, m, y = text.split(".")
    return int(y), int(m), int(d)


def clio_contacts():
    """A Toronto law firm's clients, counterparts and courts as its Clio
    migration template holds them: Mr/Ms/Mrs/Dr, job titles for some,
    companies alone (a court among them), suites and floors in the street's
    cell, provinces as codes, numbers typed in four ways, one with its
    extension ('x204'), a client without an address, one without a phone;
    'CSV UTF-8' with its signature, CRLF."""
    s = SOURCES["clio_contacts"]
    rows, want = [s["header"]], []
    for row in CLIO19:
        title, job, given, family, company, street, city, state, code, mail, phone = row
        rows.append(list(row))
        # 'title' is the salutation (the name's prefix, not scored), 'job_title' the job title, 'company' the
        # organisation; a row without names is the company alone. The business_* cells are a work address (the
        # suite stays in the street's cell as written, the province is the region, no country); 'primary_phone'
        # says no kind, so any type will do; the extension stays with its number as written.
        adrs = [("WORK", street, city, state, code, "")] if street or city else []
        p = person(given, family, prefix=title, org=company, job=job, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="clio_contacts", rows=rows, want=want, bom=True)


def contractors_kontakty():
    """A Kraków heating firm's contacts as its contractors' CRM takes them
    with Polish headers: academic titles ('inż.', 'dr inż.', 'prof. dr hab.'),
    several people of one firm with its record and external ids, office
    phones, mobiles and faxes written as at home ('12 411 22 30', '601 234
    567') or with +48/+420, a flat or suite as the second address line, no
    postal code column, the voivodeship and its code, departments, groups
    parted by '|' or ',', private clients without a firm; a Czech supplier
    with 'Czechy' and 'CZ'; UTF-8 with its signature, ';', CRLF."""
    s = SOURCES["contractors_kontakty"]
    rows, want = [s["header"]], []
    for row in CONTRACTORS19:
        (given, family, degree, firm, _, _, office, mobile, fax, mail, web, line1, _, town, country, _, region, _,
         _, _) = row
        rows.append(list(row))
        # 'Tytuł' is the academic title (the name's prefix, not scored), not a job; 'Firma' the organisation;
        # 'Dział' is a department, no organisation and no job title; 'Telefon służbowy' WORK, 'Telefon komórkowy'
        # CELL, 'Faks' FAX. 'Adres 1' is the street ('Adres 2', the flat or suite, may follow it), with the town,
        # the voivodeship as the region and the country as written ('Polska'); the address says neither home nor
        # work. Record ids, the ISO and voivodeship codes and the groups are nobody's.
        tels = [(k, n) for k, n in (("WORK", office), ("CELL", mobile), ("FAX", fax)) if n]
        p = person(given, family, prefix=degree, org=firm, emails=[mail] if mail else [], url=web)
        want.append(card(p, tels=tels, adrs=[(None, line1, town, region, "", country)], url=bool(web)))
    return dict(source="contractors_kontakty", rows=rows, want=want, bom=True)


def apex_kunder():
    """An Oslo project's flat buyers as the developer imports them into
    Apex: one full-name column (a double given name, Polish, Czech, Slovak,
    Serbian and Hungarian buyers), two buyers of one flat on two rows,
    mobiles with +47 or +48 or as at home, one turned by a spreadsheet into
    '4,79123E+10', a postal code that lost its leading zero ('658'), birth
    dates day first (one missing), Mann/Kvinne, private and work phones for
    a few, flat numbers; one buyer without a mailbox; UTF-8 with its
    signature, ';', CRLF."""
    s = SOURCES["apex_kunder"]
    rows, want = [s["header"]], []
    for row in APEX19:
        name, mail, mobile, street, code, town, born, _, private, work, _ = row
        rows.append(list(row))
        # 'Navn' is the whole name as written (FN), the given names before the family name, the last word; 'Mobil'
        # CELL (none where a spreadsheet damaged it), 'Telefon (private)' HOME, 'Telefon (jobb)' WORK. The address
        # is where the buyer lives now, but its column says neither home nor work; the postal code as the file
        # has it; no country. 'Fødselsdato' is the birthday; sex and flat number are nobody's.
        given, family = name.rsplit(" ", 1)
        tels = [(k, n) for k, n in (("CELL", mobile), ("HOME", private), ("WORK", work)) if n and "E+" not in n]
        p = person(given, family, emails=[mail] if mail else [], birthday=dmy(born) if born else None)
        want.append(card(p, fn=name, tels=tels, adrs=[(None, street, town, "", code, "")], birthday=bool(born)))
    return dict(source="apex_kunder", rows=rows, want=want, bom=True)


def palm_address_csv():
    """A Prague accountant's Palm address book written out by Address2CSV:
    record ids, categories by label, five phone slots each with its label's
    index (the labels live in a separate IFO file), mailboxes kept in a
    phone slot as Palm users do, firms alone (a bakery, a tax office), a
    street of two lines in one quoted cell, towns without postal codes,
    birthdays and nicknames in custom fields, notes; code page 1250, ',',
    CRLF."""
    s = SOURCES["palm_address_csv"]
    rows, want = [s["header"]], []
    for row in PALM19:
        (_, _, family, given, job, company, *slots) = row
        phones = [(slots[k], slots[k + 1]) for k in range(0, 10, 2)]
        street, town, region, country = slots[11], slots[12], slots[13], slots[14]
        rows.append(list(row))
        # 'Title' is Palm's job title; a row without names is the firm alone. A slot's label index means nothing
        # without the IFO file, so each number is untyped; a slot holding a mailbox is an e-mail, not a phone.
        # The address (both lines of the cell as the street), town, region and country as written, neither home
        # nor work; no postal code in the file. Ids, categories, the shown label, custom fields and notes are
        # nobody's.
        mails = [v for _, v in phones if "@" in v]
        tels = [(ANY, v) for _, v in phones if v and "@" not in v]
        adrs = [(None, street, town, region, "", country)] if street or town or country else []
        p = person(given, family, org=company, job=job, emails=mails)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="palm_address_csv", rows=rows, want=want)
