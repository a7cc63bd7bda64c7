"""Thirty-fifth held-out set: two webmails' contact files (an Australian
host's template, a UK schools' server), a cloud PBX's company phone book, a
speech auto attendant's directory, a contact centre's dialler contacts and an
e-mail platform's contact import. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card, fill
from people import person
from thirtyfifth_headers import SOURCES
from thirtyfifth_people import CHEAPERDOMAINS35, JTEL35, NETMANAGER35, PLUNK35, THEVOCO35, VOCA35

# Forms of address a webmail's single name cell starts with; a name made of one
# of these and a surname is how a school office files its staff.
ADDRESS_FORMS = ("Mr", "Mrs", "Ms", "Miss", "Dr")


def cheaperdomains_webmail():
    """A Sydney Polish-Australian club's webmail contacts in CheaperDomains'
    template, every cell quoted: display names that differ from the names
    ('Kasia Nowak' for Katarzyna), some empty, two addresses with no name at
    all, groups; Polish, Czech and Hungarian members among Australians."""
    s = SOURCES["cheaperdomains_webmail"]
    rows, want = [s["header"]], []
    for given, family, display, mail, group in CHEAPERDOMAINS35:
        rows.append([given, family, display, mail, group])
        # 'first_name' and 'last_name' are the names; 'display_name', where given, is FN as written (the name the
        # user chose to see), else the two names make it; a mailbox with no name is a card whose FN is the mailbox.
        # The group is the webmail's folder, no property of the person.
        want.append(card(person(given, family, emails=[mail]), fn=display or None))
    return dict(source="cheaperdomains_webmail", rows=rows, want=want, quote_all=True)


def split_shown_name(name):
    """'Ewa Kowalska' as ('', 'Ewa', 'Kowalska'); 'Mrs Patel' as ('Mrs', '', 'Patel')."""
    first, _, rest = name.partition(" ")
    if first in ADDRESS_FORMS:
        return first, "", rest
    return "", first, rest


def netmanager_webmail():
    """A Leicester primary school office's webmail contacts as NetManager
    takes them: one 'Name' cell, staff filed as 'Mrs Patel', parents from
    Poland, Romania, the Czech Republic and Hungary, a supplier's mailbox
    with no name, several groups joined by ';' in a comma file; unquoted, LF."""
    s = SOURCES["netmanager_webmail"]
    rows, want = [s["header"]], []
    for name, mail, groups in NETMANAGER35:
        rows.append([name, mail, groups])
        # 'Name' is the whole name, FN as written: its first word the given name and the rest the family name,
        # except a form of address ('Mrs Patel'), which is the prefix before a family name with no given name. An
        # empty name leaves the mailbox as FN. The groups (';' inside a comma file) are folders, nobody's.
        prefix, given, family = split_shown_name(name)
        p = person(given, family, prefix, emails=[mail])
        want.append(card(p, fn=name or None))
    return dict(source="netmanager_webmail", rows=rows, want=want, line_end="\n")


def thevoco_contacts():
    """A Vienna logistics firm's company contacts for TheVoĉo's cloud PBX:
    Austrian staff, Slovak, Polish, Czech, Hungarian, Slovene and Croatian
    customers and carriers, international mobiles with blanks, two without a
    firm, one without a mailbox, tags."""
    s = SOURCES["thevoco_contacts"]
    rows, want = [s["header"]], []
    for given, family, firm, mobile, mail, tags in THEVOCO35:
        rows.append([given, family, firm, mobile, mail, tags])
        # 'First Name' and 'Last Name' the person, 'Company' the organisation; 'Mobile Phone' CELL; 'Email' the
        # mailbox. The tags sort the phone book, no job title nor organisation.
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=[("CELL", mobile)]))
    return dict(source="thevoco_contacts", rows=rows, want=want)


def voca_contacts():
    """A Brno engineering firm's staff for AudioCodes Voca's auto attendant:
    employee ids, four-digit extensions, Czech mobiles (some missing),
    departments, spoken aliases ('Kuba', 'Agnes;Aga', 'Helpdesk;IT podpora')
    joined by ';' in a comma file; Polish and Hungarian engineers among them,
    the receptionist's card under the reception's mailbox."""
    s = SOURCES["voca_contacts"]
    rows, want = [s["header"]], []
    for row in VOCA35:
        _, given, family, extension, mobile, _, mail = row[:7]
        rows.append(list(row))
        # Each row is an employee: 'First name' and 'Last name'; 'Extension number' is the desk line, WORK, as
        # written; 'Mobile number' CELL; 'Email' the mailbox. 'Department' names a unit of a firm the file never
        # names: no organisation. The aliases are what callers may say to reach someone, neither names nor a
        # nickname; the UID is nobody's.
        tels = [("WORK", extension)] + ([("CELL", mobile)] if mobile else [])
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    return dict(source="voca_contacts", rows=rows, want=want)


def jtel_dialler():
    """A Leipzig utility's tariff campaign as jtel's dialler contacts, every
    cell quoted and ';' between them: the fixed 'DiallerContact' first,
    import times, keys, 'Name' for the surname beside 'FirstName',
    salutations and academic titles apart, three firms, E.164 numbers without
    blanks in numbered columns, two faxes, IBANs and amounts, a web page
    without its scheme, German comments; Polish, Czech, Hungarian and
    Romanian customers among Germans."""
    s = SOURCES["jtel_dialler"]
    rows, want = [s["header"]], []
    for (imported, campaign, key, client, service, reference, family, given, salutation, title, firm, street,
         code, city, country, iban, amount, phone1, phone2, phone3, fax, mail, web, comment) in JTEL35:
        rows.append(fill(s["header"], {
            "DiallerContact": "DiallerContact", "dtImported": imported, "DiallerCampaignsName": campaign,
            "UserData": key, "Client": client, "Service": service, "ReferenceNumber": reference, "Name": family,
            "FirstName": given, "Salutation": salutation, "Title": title, "Company": firm, "Address": street,
            "PostalCode": code, "City": city, "Country": country,
            "AccountOwner": f"{given} {family}" if iban else "", "AccountIBAN": iban, "Amount": amount,
            "PhoneNumber1": phone1, "PhoneNumber2": phone2, "PhoneNumber3": phone3, "FaxNumber": fax,
            "Email": mail, "Website": web, "Comment": comment}))
        # 'Name' is the surname and 'FirstName' the given name: FN the two, never the salutation. 'Title' (Dr.,
        # Prof. Dr.) is the name's prefix; 'Company' the organisation. 'Address', 'PostalCode', 'City' and
        # 'Country' one untyped address. The numbered phones say nothing of their kind; 'FaxNumber' is FAX.
        # 'Website' the web page as written. Campaign, keys, bank columns, amount and comment are nobody's.
        tels = [(ANY, n) for n in (phone1, phone2, phone3) if n] + ([("FAX", fax)] if fax else [])
        p = person(given, family, title, org=firm, emails=[mail] if mail else [], url=web)
        want.append(card(p, tels=tels, adrs=[(None, street, city, "", code, country)], url=bool(web)))
    return dict(source="jtel_dialler", rows=rows, want=want, quote_all=True)


def plunk_contacts():
    """A Bratislava co-working space's newsletter contacts for Plunk:
    mailbox first, a given name alone (none for two firms' mailboxes), plans,
    ISO sign-up times that are no birthdays; Slovak, Austrian, Polish and
    Hungarian members; LF."""
    s = SOURCES["plunk_contacts"]
    rows, want = [s["header"]], []
    for mail, given, plan, signed_up in PLUNK35:
        rows.append([mail, given, plan, signed_up])
        # 'email' the mailbox; 'firstName' the given name and FN alone, no family name to guess. A row without
        # a name is a card whose FN is the mailbox. The plan and the sign-up time are nobody's.
        want.append(card(person(given, emails=[mail])))
    return dict(source="plunk_contacts", rows=rows, want=want, line_end="\n")
