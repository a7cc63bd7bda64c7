"""Seventy-fourth held-out set: freelancers' and creatives' tools (a
consultancy's time and invoicing service, a photographers' website
platform, a freelancer's invoicing app, a Portuguese invoicing service's
batch of invoices, a Mexican invoicing service's contacts and a platform
that pays freelance translators). Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventyfourth_headers import SOURCES
from seventyfourth_people import ALEGRA74, CLERQ74, HARVEST74, INVOICEXPRESS74, PHOTOBIZ74, SOLARSTAFF74

# Words that make a client's one name a firm's or a public body's, not a person's.
BODY_WORDS = {"Lda", "Lda.", "s.r.o.", "GmbH", "Unipessoal", "Município"}


def harvest_contacts():
    """A Chicago brand consultancy's client contacts for Harvest: several
    people at one client, Czech, Polish, Hungarian, German and Austrian
    clients with their own job titles, a title with a comma ('VP,
    Communications'), US phones in brackets, a fax for a few, one client
    whose contact is its accounts payable mailbox, one without any phone."""
    s = SOURCES["harvest_contacts"]
    rows, want = [s["header"]], []
    for client, given, family, title, mail, office, mobile, fax in HARVEST74:
        rows.append([client, given, family, title, mail, office, mobile, fax])
        # Each row is a person at the client: 'Client' the organisation, 'Title' the job title. 'Office Phone'
        # is WORK, 'Mobile Phone' CELL, 'Fax' FAX. 'Accounts' 'Payable' names a mailbox's role, no person: that
        # card is the client alone, with the mailbox and the office phone.
        tels = [(kind, n) for kind, n in (("WORK", office), ("CELL", mobile), ("FAX", fax)) if n]
        if (given, family) == ("Accounts", "Payable"):
            want.append(card(person(org=client, emails=[mail]), tels=tels))
            continue
        p = person(given, family, org=client, job=title, emails=[mail])
        want.append(card(p, tels=tels))
    return dict(source="harvest_contacts", rows=rows, want=want)


def us_date(text):
    """'4/23/1994' as (1994, 4, 23): month first, as a US Excel writes it."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def photobiz_contacts():
    """A Denver photographer's contacts for PhotoBiz: couples, families and
    a Czech, a Polish, a German and a Hungarian client, a florist and a hotel
    with nothing but their firm, birthdays month first ('11/2/1989'), an
    empty Facebook column, units in 'Address Line 2', a shipping address for
    two, one contact with neither address nor birthday, dates and people's
    names in the notes."""
    s = SOURCES["photobiz_contacts"]
    rows, want = [s["header"]], []
    for row in PHOTOBIZ74:
        (mail, given, family, phone, work, firm, born, _, street, _, city, country, state, code, ship_street,
         ship_city, ship_country, ship_state, ship_code, _) = row
        rows.append(list(row))
        # 'First Name' and 'Last Name' the person, 'Company Name' the organisation; a row with only 'Company
        # Name' is that firm alone. 'Phone' names no kind, 'Work Phone Number' is WORK. 'Birthday' month first.
        # The address is 'Address Line 1' ('Address Line 2' its second line), 'City', 'State or Province', 'Zip
        # Code', 'Country', untyped; the shipping address a second one, untyped too. A name or a date in the notes
        # is nobody's.
        tels = [(kind, n) for kind, n in ((ANY, phone), ("WORK", work)) if n]
        adrs = [(None, street, city, state, code, country)] if street else []
        if ship_street:
            adrs.append((None, ship_street, ship_city, ship_state, ship_code, ship_country))
        p = person(given, family, org=firm, emails=[mail], birthday=us_date(born) if born else None)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="photobiz_contacts", rows=rows, want=want)


def clerq_clients():
    """A Manchester freelance web developer's clients for Clerq: firms with
    their contact's whole name in one cell ('Tomáš Černý', 'Dr Priya Shah'),
    two firms without a contact, UK, Czech, Polish, German, Hungarian and
    Slovene VAT numbers (some empty), hourly rates in GBP or EUR."""
    s = SOURCES["clerq_clients"]
    rows, want = [s["header"]], []
    for company, contact, mail, vat, rate, currency in CLERQ74:
        rows.append([company, contact, mail, vat, rate, currency])
        # 'company' the organisation; 'contact_name' that person's whole name, FN as written, the last word the
        # family name and a leading 'Dr' the prefix. Without a contact the card is the firm alone. 'email' the
        # mailbox; VAT number, rate and currency are nobody's.
        if not contact:
            want.append(card(person(org=company, emails=[mail])))
            continue
        prefix, names = ("Dr", contact[3:]) if contact.startswith("Dr ") else ("", contact)
        given, family = names.rsplit(" ", 1)
        want.append(card(person(given, family, prefix, org=company, emails=[mail]), fn=contact))
    return dict(source="clerq_clients", rows=rows, want=want)


def invoicexpress_faturas():
    """A Lisbon freelance translator's batch of invoices for InvoiceXpress,
    saved as 'CSV UTF-8' by a Portuguese Excel: ISO dates, invoice
    references, notes with commas, withholding and discount columns, NIFs
    (the final consumer's '999999990' for two, foreign VAT numbers), the
    client's name a firm ('Atlântico Editores, Lda.'), a town council or a
    private person, countries in Portuguese ('República Checa', 'Polónia'),
    floors after the street ('Rua da Prata 112, 3.º'), one client without a
    phone."""
    s = SOURCES["invoicexpress_faturas"]
    rows, want = [s["header"]], []
    for row in INVOICEXPRESS74:
        (_, _, _, _, _, _, _, _, _, country, name, _, mail, street, code, city, phone) = row
        rows.append(list(row))
        # Each row is an invoice to one client. 'cliente_name' with a legal form ('Lda.', 's.r.o.', 'GmbH',
        # 'Unipessoal') or a public body's name ('Município de Sintra') is that organisation alone; else a private
        # client's whole name, FN as written, the last word the family name. 'cliente_email' the mailbox,
        # 'cliente_Phone' of no kind; 'cliente_Address', 'cliente_City', 'cliente_Postcode' and 'cliente_Country'
        # the untyped address, the country as written. Dates, references, notes, NIF, code and amounts are
        # nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, "", code, country)]
        if BODY_WORDS & set(name.replace(",", "").split()):
            want.append(card(person(org=name, emails=[mail]), tels=tels, adrs=adrs))
            continue
        given, family = name.rsplit(" ", 1)
        want.append(card(person(given, family, emails=[mail]), fn=name, tels=tels, adrs=adrs))
    return dict(source="invoicexpress_faturas", rows=rows, want=want, bom=True)


def alegra_contactos():
    """A Mexico City freelance illustrator's contacts for Alegra México, saved
    as 'CSV UTF-8' by a Mexican Excel: RFCs of 12 characters for firms and 13
    for people, the foreigners' generic 'XEXX010101000' with the country as
    'CZE' or 'POL', one without an RFC; 'Razón social' a firm ('Editorial
    Jacarandá, S.A. de C.V.') or a person's given names and both family names;
    two phones, fax and mobile apart; the street apart from its outer and
    inner numbers, the neighbourhood and the borough beside the town."""
    s = SOURCES["alegra_contactos"]
    rows, want = [s["header"]], []
    for row in ALEGRA74:
        (rfc, name, mail, phone1, phone2, fax, mobile, _, street, number, _, _, town, _, state, country,
         code) = row
        rows.append(list(row))
        # An RFC of 12 characters is a firm's ('persona moral'): the card is that organisation alone. Otherwise
        # (13 characters, the foreigners' 'XEXX010101000' or none) 'Razón social' is a person's whole name, FN as
        # written: a Mexican's last two words are the family name (father's and mother's), anyone else's last
        # word. 'Teléfono 1' and 'Teléfono 2' name no kind, 'Celular' is CELL, 'Fax' FAX. 'Calle' with 'Exterior'
        # is the street ('Interior', 'Colonia' and the borough may follow it, never in the town); 'Localidad' the
        # town, 'Estado' the region, 'Código postal' and 'País' as written, untyped. RFC and comments nobody's.
        tels = [(kind, n) for kind, n in ((ANY, phone1), (ANY, phone2), ("FAX", fax), ("CELL", mobile)) if n]
        adrs = [(None, f"{street} {number}".strip(), town, state, code, country)] if street else []
        if len(rfc) == 12:
            want.append(card(person(org=name, emails=[mail]), tels=tels, adrs=adrs))
            continue
        words = name.split()
        cut = -2 if country == "México" and len(words) > 2 else -1
        given, family = " ".join(words[:cut]), " ".join(words[cut:])
        want.append(card(person(given, family, emails=[mail]), fn=name, tels=tels, adrs=adrs))
    return dict(source="alegra_contactos", rows=rows, want=want, bom=True)


def solarstaff_freelancers():
    """A Prague translation agency's freelance translators for Solar Staff,
    saved by a Czech Excel in code page 1250: international numbers without
    their '+' ('420604123456'), one of them turned into '4,20777E+11', one
    translator without a phone, specialisation codes, 0/1 invitation flags,
    language pairs in the notes ('EN>CS legal'); Czech, Polish, German,
    Slovak, Hungarian, Slovene, Austrian, British and Croatian names."""
    s = SOURCES["solarstaff_freelancers"]
    rows, want = [s["header"]], []
    for mail, phone, given, family, code, invite, note in SOLARSTAFF74:
        rows.append([mail, phone, given, family, code, invite, note])
        # Each row is a freelancer: 'fname' and 'sname', 'email' the mailbox. 'phone' is the international number
        # written without its '+': the card gives it back ('+420604123456'), of no kind. A phone in a
        # spreadsheet's exponent form is lost, and no card may hold it. Code, flag and note are nobody's.
        lost = [phone] if "E+" in phone else []
        tels = [(ANY, "+" + phone)] if phone and not lost else []
        want.append(dict(card(person(given, family, emails=[mail]), tels=tels), lost=lost))
    return dict(source="solarstaff_freelancers", rows=rows, want=want)
