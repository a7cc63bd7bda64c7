"""Sixty-third held-out set: IT service tools' end users and requesters (an
MSP's PSA and RMM, a help desk, an MSP's service desk, an endpoint and
mobile device manager, a print manager and a work manager's service desk).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtythird_headers import SOURCES
from sixtythird_people import DESKPRO63, HEXNODE63, NABLE63, OPTIMIDOC63, SYNCRO63, TARGETPROCESS63


def whole_name(text):
    """'Seán Ó Briain' as ('Seán', 'Ó Briain'); 'Huber, Thomas' as ('Thomas', 'Huber')."""
    if "," in text:
        family, given = (x.strip() for x in text.split(",", 1))
        return given, family
    given, _, family = text.partition(" ")
    return given, family


def syncro_end_users():
    """A Denver MSP's end users at its clients, as Syncro's contact template
    holds them: customer and contact ids (one new contact without an id), the
    whole name in 'name', jobs, phones in three forms with extensions in
    their own column, mobiles, suites and floors in 'address2', a second
    mailbox for ticket matching, notes with commas, true/false flags; Polish,
    Czech, Hungarian, Croatian and Slovak names among them, one warehouse
    lead without a mailbox."""
    s = SOURCES["syncro_end_users"]
    rows, want = [s["header"]], []
    for row in SYNCRO63:
        (_, _, name, title, mail, phone, extension, mobile, street, _, city, state, code, _, _, matching) = row[:16]
        rows.append(list(row))
        # Each row is an end user: 'name' the whole name, given name first. 'title' the job title; the client
        # is only a 'customer_id', so no organisation. 'email' and 'ticket_matching_emails' are both the
        # user's mailboxes. 'phone' names no kind, its 'extension' kept after it ('303-555-0142 x12');
        # 'mobile' is CELL. 'address1' the street with 'address2' after it or apart, city, state (the region)
        # and zip, untyped, no country. Ids, notes and the flags are Syncro's own.
        given, family = whole_name(name)
        tels = []
        if phone:
            tels.append((ANY, f"{phone} x{extension}" if extension else phone))
        if mobile:
            tels.append(("CELL", mobile))
        p = person(given, family, job=title, emails=[m for m in (mail, matching) if m])
        adrs = [(None, street, city, state, code, "")] if street or city else []
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="syncro_end_users", rows=rows, want=want)


def deskpro_users():
    """A Manchester software firm's help desk users for Deskpro's user
    import, the columns named after the fields they map to: 'Name' beside
    the two names (a short form for one, alone for another), honorifics in
    'Title', second mailboxes, two initial passwords, positions in English
    and Czech, language and brand ids, numbers unspaced with their country
    code, web sites and social profiles for some, units on either address
    line; Polish, Czech and Slovak customers, one private customer without
    an organisation."""
    s = SOURCES["deskpro_users"]
    rows, want = [s["header"]], []
    for row in DESKPRO63:
        (given, family, name, title, mail, mail2, _, org, position, _, _, phone, url, _, _, _, _, street, _, city,
         county) = row
        rows.append(list(row))
        # Each row is a user: 'First Name' and 'Last Name', or 'Name' alone parted given name first; 'Name' is
        # FN as written ('Jim Whitaker' beside 'James'). 'Title' the prefix. 'Organization' the organisation
        # and 'Organization Position' the job. 'Primary Email' and 'Secondary Email' both the user's.
        # 'Phone Number' untyped. 'Address Line 1' the street, line 2 after it or apart, 'City' and 'State'
        # (the county) untyped, no code or country. 'Website URL' the web page. Password, language, brand, IM
        # and the social profiles are no field of the scored card.
        if not given and not family:
            given, family = whole_name(name)
        p = person(given, family, prefix=title, org=org, job=position, emails=[m for m in (mail, mail2) if m],
                   url=url)
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, county, "", "")] if street or city else []
        want.append(card(p, fn=name, tels=tels, adrs=adrs, url=bool(url)))
    return dict(source="deskpro_users", rows=rows, want=want)


def nable_servicedesk_users():
    """A Dublin MSP's clients' end users for N-able Service Desk: four
    columns, whole names with an Irish family name of two words ('Seán Ó
    Briain'), shared mailboxes under a role ('Accounts', 'Reception'), Irish
    numbers international and dialled at home, a Polish mobile, one end
    user with a private mailbox, some without a phone; Polish, Czech and
    Hungarian staff among them."""
    s = SOURCES["nable_servicedesk_users"]
    rows, want = [s["header"]], []
    for name, mail, customer, phone in NABLE63:
        rows.append([name, mail, customer, phone])
        # Each row is an end user at the client in 'Customer', the organisation. 'Name' is the whole name,
        # given name first, the rest the family name ('Ó Briain'). A role instead of a name ('Accounts',
        # 'Reception') is a shared mailbox of the client: the card is the client alone with that mailbox and
        # phone. 'Phone' names no kind.
        tels = [(ANY, phone)] if phone else []
        if name in ("Accounts", "Reception"):
            want.append(card(person(org=customer, emails=[mail]), tels=tels))
            continue
        given, family = whole_name(name)
        want.append(card(person(given, family, org=customer, emails=[mail]), tels=tels))
    return dict(source="nable_servicedesk_users", rows=rows, want=want)


def hexnode_users():
    """A Vienna freight forwarder's staff for Hexnode's bulk user import,
    saved as 'CSV UTF-8' by Excel: display names given name first or family
    name first with a comma ('Huber, Thomas'), Austrian mobiles with +43 or
    dialled at home, Polish, Hungarian, Croatian and Slovak ones, corporate
    and personal devices, device names with people's names in them, serial
    numbers (one of fifteen digits), platforms; some without a device, one
    without a mobile."""
    s = SOURCES["hexnode_users"]
    rows, want = [s["header"]], []
    for row in HEXNODE63:
        name, mail, mobile = row[:3]
        rows.append(list(row))
        # Each row is a user: 'Display Name' the whole name, given name first, or family name first where a
        # comma parts them. 'Email' the mailbox; 'Mobile' CELL. Ownership, device name, serial number (even
        # one of digits only) and platform describe the device, nobody's card. No column names the firm.
        given, family = whole_name(name)
        want.append(card(person(given, family, emails=[mail]), tels=[("CELL", mobile)] if mobile else []))
    return dict(source="hexnode_users", rows=rows, want=want, bom=True)


def optimidoc_users():
    """A Brno engineering works' print users for Optimidoc's CSV import, as a
    Czech Excel saves it (';', code page 1250): departments in Czech, single
    sign-on names, True/False flags, PINs (one with a leading zero, one
    empty), ten-digit badge numbers with leading zeros, two initial
    passwords; a Polish and a Hungarian colleague."""
    s = SOURCES["optimidoc_users"]
    rows, want = [s["header"]], []
    for row in OPTIMIDOC63:
        given, family, mail = row[:3]
        rows.append(list(row))
        # Each row is a print user: 'FirstName', 'LastName' and 'Email'. 'Department' is no organisation (the
        # firm is never named). PIN and badge number are digits but no phone; password, sign-on name and
        # flags are the print system's own.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="optimidoc_users", rows=rows, want=want)


def targetprocess_requesters():
    """A Wrocław software house's Service Desk requesters for Targetprocess:
    numeric ids for existing requesters and none for new ones, the client
    company beside each name, a client's shared IT mailbox without a name,
    a freelancer without a company, one requester with a given name only;
    Polish, Czech, German, Hungarian and Slovene requesters."""
    s = SOURCES["targetprocess_requesters"]
    rows, want = [s["header"]], []
    for row in TARGETPROCESS63:
        _, mail, given, family, company = row
        rows.append(list(row))
        # Each row is a requester: 'First Name' and 'Last Name' (a missing last name stays empty), 'Email' the
        # mailbox, 'Company' the organisation. A row with no name is the company's shared mailbox: the card
        # is the company alone with it. 'ID' is Targetprocess's own.
        want.append(card(person(given, family, org=company, emails=[mail])))
    return dict(source="targetprocess_requesters", rows=rows, want=want)
