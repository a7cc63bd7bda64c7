"""Twenty-seventh held-out set: a Galway joinery's customers in GnuCash, a
Bristol translator's contacts for FreeAgent, a Leeds car dealer's contacts
for DealerKit, a Cork agency's Kanboard users, a Utrecht pottery supplier's
debtors for Kleisteen, a Rotterdam wholesaler's contacts for Yoursminc, a
Bologna mail operator's senders, a Valencia designer's Banktrack contacts, a
Granada oil shop's customers for DataWeb and a Trondheim outdoor shop's
customers for Quickbutik. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from twentyseventh_headers import SOURCES
from twentyseventh_people import (BANKTRACK27, DATAWEB27, DEALERKIT27, FREEAGENT27, GNUCASH27, KANBOARD27,
                                  KLEISTEEN27, POM27, QUICKBUTIK27, YOURSMINC27)

PREFIXES = {"Dr", "Dr.", "Mr", "Mrs", "Ms", "Miss"}


def given_first(name):
    """'Máirtín Ó Conghaile' as ('', 'Máirtín', 'Ó Conghaile'); 'Dr Niamh Coen' as ('Dr', 'Niamh', 'Coen'):
    a title in front, the first word and the rest."""
    words = name.split()
    prefix = words.pop(0) if words and words[0] in PREFIXES else ""
    return prefix, (words[0] if words else ""), " ".join(words[1:])


def gnucash_customers():
    """A Galway joinery's customers as GnuCash's customer import takes them:
    ids, firms with their contact's name, private customers with their name
    in both 'company' and 'name', firms without a contact, the address as four
    free lines (street, town, county, Eircode), faxes for three, notes with
    ';', a delivery site for three; ',' and LF."""
    s = SOURCES["gnucash_customers"]
    rows, want = [s["header"]], []
    for row in GNUCASH27:
        (number, company, name, a1, a2, a3, a4, phone, fax, mail, notes, shipname, s1, s2, s3, s4) = row
        rows.append([number, company, name, a1, a2, a3, a4, phone, fax, mail, notes, shipname, s1, s2, s3, s4,
                     "", "", ""])
        # 'company' is the customer: a firm is the organisation, but where it repeats 'name' it is a private
        # customer's own name and no organisation; 'name' is the person, FN as written, a title in front the
        # prefix; the four lines are street, town, county (the region) and Eircode, neither home nor work, no
        # country; a delivery site is a second address; 'phone' names no kind, 'fax' is FAX; id and notes are
        # nobody's.
        org = "" if company == name else company
        prefix, given, family = given_first(name)
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax)) if n]
        adrs = [(None, a1, a2, a3, a4, "")] + ([(None, s1, s2, s3, s4, "")] if s1 else [])
        p = person(given, family, prefix, org=org, emails=[mail] if mail else [])
        want.append(card(p, fn=name or None, tels=tels, adrs=adrs))
    return dict(source="gnucash_customers", rows=rows, want=want, line_end="\n")


def freeagent_contacts():
    """A Bristol translator's clients as a sheet for FreeAgent's contact
    import: firms with a person, firms alone, private clients, second
    mailboxes, flat and unit numbers as a second street line, counties for
    some, clients in Budapest and Karlovy Vary, one with a mobile alone;
    Excel's 'CSV UTF-8' with its signature, CRLF."""
    s = SOURCES["freeagent_contacts"]
    rows, want = [s["header"]], []
    for row in FREEAGENT27:
        given, family, company, mail, mail2, st1, st2, st3, city, state, code, phone, mobile = row
        rows.append(list(row))
        # 'Company' is the organisation (alone: the firm only); both mailboxes are the contact's; the 'Business'
        # address is WORK, its second street line no part of the street, the state the region, no country;
        # 'Business Phone' is WORK, 'Mobile Phone' CELL.
        tels = [(t, n) for t, n in (("WORK", phone), ("CELL", mobile)) if n]
        adrs = [("WORK", st1, city, state, code, "")] if st1 or city else []
        p = person(given, family, org=company, emails=[m for m in (mail, mail2) if m])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="freeagent_contacts", rows=rows, want=want, bom=True)


def dealerkit_contacts():
    """A Leeds used-car dealer's contacts for DealerKit's import: private
    buyers with Mr, Mrs, Ms, Miss or Dr, trade customers as a firm with a
    person, a finance provider and a supplier as firms alone, flats and house
    names over two lines, 'GB', numbers as '0044 7539 433 999' once, referral
    sources, references, types and 1/0 marketing flags; one without a
    mailbox; CRLF."""
    s = SOURCES["dealerkit_contacts"]
    rows, want = [s["header"]], []
    for row in DEALERKIT27:
        (company, title, given, family, l1, l2, l3, town, county, code, country, phone1, phone2, mail, _, _, _, _,
         _, _) = row
        rows.append(list(row))
        # 'title' is the salutation, the prefix; 'company_name' the organisation (alone: the firm only); the
        # second and third lines no part of the street; the county the region, the country as written ('GB');
        # the address neither home nor work; both phones name no kind; referral source, reference, type and flags
        # are nobody's.
        tels = [(ANY, n) for n in (phone1, phone2) if n]
        p = person(given, family, title, org=company, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, l1, town, county, code, country)]))
    return dict(source="dealerkit_contacts", rows=rows, want=want)


def kanboard_users():
    """A Cork web agency's board users for Kanboard's import: user names,
    no passwords (sent by mail), full names with fadas, hyphens and Central
    European letters, two clients' contacts, an intern's account without a
    name; 0/1 flags; LF."""
    s = SOURCES["kanboard_users"]
    rows, want = [s["header"]], []
    for row in KANBOARD27:
        user, _, mail, name, _, _, _ = row
        rows.append(list(row))
        # 'Full Name' is FN as written, its first word the given name; a user without one is a card of the mailbox;
        # the user name is no nickname; password and flags are nobody's.
        _, given, family = given_first(name)
        want.append(card(person(given, family, emails=[mail]), fn=name or None))
    return dict(source="kanboard_users", rows=rows, want=want, line_end="\n")


def kleisteen_relaties():
    """A Utrecht pottery supplier's debtors on Kleisteen's sheet, saved by a
    Dutch Excel: firms with their contact (Kleisteen's own rule: a family
    name beside a firm is its contact person), firms alone, private buyers in
    the Netherlands, Flanders and the Lower Rhine; particles ('de Vries',
    'van den Heuvel'); m/v; VAT, KvK, IBAN and BIC; code page 1252, ';'."""
    s = SOURCES["kleisteen_relaties"]
    rows, want = [s["header"]], []
    for row in KLEISTEEN27:
        firm, family, given, _, street, code, town, country, phone, mail, _, _, _, _ = row
        rows.append(list(row))
        # 'naam bedrijf' is the organisation (alone: the firm only), the names its contact person, the particle
        # part of the family name; the address neither home nor work, the country code as written; 'tel' names
        # no kind; sex, VAT, KvK, IBAN and BIC are nobody's.
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)], adrs=[(None, street, town, "", code, country)]))
    return dict(source="kleisteen_relaties", rows=rows, want=want)


def yoursminc_contacten():
    """A Rotterdam packaging wholesaler's customers for Yoursminc, as its
    sample has them: a firm twice with two contact persons (its number
    twice), firms without a contact, whole names with particles, Belgian
    and German customers, numbers as '010-4291100'."""
    s = SOURCES["yoursminc_contacten"]
    rows, want = [s["header"]], []
    for row in YOURSMINC27:
        firm, contact, street, town, code, country, mail, phone = row
        rows.append(list(row))
        # 'BEDRIJF' is the organisation (alone: the firm only); 'CONTACTPERSOON' is FN as written, its first word
        # the given name, the rest (particles too) the family name; each row is a card, a firm's second contact
        # too; the address neither home nor work; 'TELEFOONNUMMER' names no kind.
        _, given, family = given_first(contact)
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, fn=contact or None, tels=[(ANY, phone)],
                         adrs=[(None, street, town, "", code, country)]))
    return dict(source="yoursminc_contacten", rows=rows, want=want)


def pom_mittenti():
    """A Bologna private mail operator's senders: firms, a condominium, a
    parish and an association under 'Nome' alone, people with their firm or
    department under 'Società', the house number apart ('212/A'), province
    codes, VAT numbers and tax codes, two phones, faxes, web sites, discounts,
    a note, storage days (-1: the default) and 0/1; code page 1252, ';'."""
    s = SOURCES["pom_mittenti"]
    rows, want = [s["header"]], []
    for row in POM27:
        (_, name, code, town, province, street, number, country, firm, _, _, phone1, phone2, fax, mail, web, _, _,
         _, _, _, _, _) = row
        rows.append(list(row))
        # 'Nome' is a person where 'Società' holds the firm (FN as written, its first word the given name, the firm
        # the organisation), else the sender's firm alone; the street is 'Indirizzo' and 'Numero' together; the
        # province code is the region, 'Stato' the country; 'Telefono 1' and '2' name no kind, 'Fax' is FAX; 'Web'
        # the page; VAT, tax code, discounts, free fields, days and flag are nobody's.
        tels = [(t, n) for t, n in ((ANY, phone1), (ANY, phone2), ("FAX", fax)) if n]
        adrs = [(None, f"{street} {number}", town, province, code, country)]
        if firm:
            _, given, family = given_first(name)
            p = person(given, family, org=firm, emails=[mail], url=web)
            want.append(card(p, fn=name, tels=tels, adrs=adrs, url=bool(web)))
        else:
            p = person(org=name, emails=[mail], url=web)
            want.append(card(p, tels=tels, adrs=adrs, url=bool(web)))
    return dict(source="pom_mittenti", rows=rows, want=want)


def banktrack_contactos():
    """A Valencia designer's contacts in Banktrack: freelancers by their
    whole name with both surnames (a Catalan 'i'), companies, a Czech and a
    Slovak freelancer, a Portuguese one without a tax id, a floor and door
    ('3º 6ª'), ISO country codes of three letters, categorisation terms
    joined by ',' (quoted); two companies without mailbox or phone."""
    s = SOURCES["banktrack_contactos"]
    rows, want = [s["header"]], []
    for row in BANKTRACK27:
        name, kind, _, mail, phone, street, code, city, province, country, _ = row
        rows.append(list(row))
        # 'Nombre' of a 'company' is the firm alone; of a 'freelancer' the person, FN as written, the first word
        # the given name and both surnames the family name; the province is the region, the country as written
        # ('ESP'); 'Teléfono' names no kind; tax id and terms are nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, province, code, country)]
        emails = [mail] if mail else []
        if kind == "company":
            want.append(card(person(org=name, emails=emails), tels=tels, adrs=adrs))
        else:
            _, given, family = given_first(name)
            want.append(card(person(given, family, emails=emails), fn=name, tels=tels, adrs=adrs))
    return dict(source="banktrack_contactos", rows=rows, want=want)


def dataweb_clientes():
    """A Granada olive oil shop's customers in DataWeb's update file: the
    bracketed field names, customer codes, both surnames in '[apellidos]',
    restaurants, hotels and shops with their buyer, customers in France,
    Portugal, Prague, Budapest and Vienna, where they heard of the shop, tax
    ids, tariffs; every value quoted, ';', CRLF."""
    s = SOURCES["dataweb_clientes"]
    rows, want = [s["header"]], []
    for row in DATAWEB27:
        _, given, family, firm, street, _, town, code, province, country, phone, _, _, mail = row
        rows.append(list(row))
        # '[nombre]' is the given name, '[apellidos]' the family name, '[empresa]' the organisation; the province
        # the region, '[pais]' the country as written; '[telefono]' names no kind; code, source, NIF and tariff
        # are nobody's.
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, province, code,
                                                                         country)]))
    return dict(source="dataweb_clientes", rows=rows, want=want, quote_all=True)


def quickbutik_kunder():
    """A Trondheim outdoor shop's customers for Quickbutik's import, the
    mailbox first as it asks: three clubs and firms, Polish, Czech and
    Hungarian customers, numbers with and without +47 or in blocks, postal
    codes with a leading zero, one without a phone."""
    s = SOURCES["quickbutik_kunder"]
    rows, want = [s["header"]], []
    for row in QUICKBUTIK27:
        mail, given, family, street, city, code, phone, firm = row
        rows.append(list(row))
        # 'company_name' is the organisation; the address neither home nor work, no country; 'phone' names no kind.
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, "", code, "")]))
    return dict(source="quickbutik_kunder", rows=rows, want=want)
