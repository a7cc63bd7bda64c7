"""Seventy-ninth held-out set: practices and laboratories (a veterinary
practice's clients moved in by a generic connector, a direct primary care
practice's patients, a clinical trial's laboratories, an aesthetic clinic's
clients, a virtual care clinic's clients and a reference laboratory's staff
in an alerting service). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventyninth_headers import SOURCES
from seventyninth_people import ADRACARE79, AESTHETICC79, BEEFREE79, HINT79, INFORM79, KONEXUS79

# The kinds of phone each source's type column names, as a card types them; 'Other' says nothing.
HINT_KINDS = {"Mobile": "CELL", "Home": "HOME", "Office": "WORK"}
ADRACARE_KINDS = {"Mobile": "CELL", "Home": "HOME", "Work": "WORK", "Office": "WORK", "Fax": "FAX", "Other": ANY}


def us_date(text):
    """'03/14/1984' as (1984, 3, 14)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def iso_date(text):
    """'1985-04-15' as (1985, 4, 15)."""
    return tuple(int(x) for x in text.split("-"))


def beefree_clients():
    """A Vienna small-animal clinic's pet owners as Bee Free's connector
    takes them: every cell quoted, academic titles in their own column
    ('Mag.', 'DI', 'Prof. Dr.'), two clients no longer active, flats in the
    street ('Favoritenstraße 88/2/11'), countries as 'AT', 'Österreich' or
    nothing, Slovak and Czech postal codes with a space, a landline for some
    and a mobile for most, one owner without a mailbox."""
    s = SOURCES["beefree_clients"]
    rows, want = [s["header"]], []
    for row in BEEFREE79:
        (_, _, title, given, family, street, code, city, state, country, phone, mobile, mail) = row
        rows.append(list(row))
        # Each row is a pet owner, active or not: an owner who left is still someone the practice may need to
        # reach. 'title' is the name's prefix; 'telephone' names no kind, 'mobile_phone' is CELL. The address
        # is the owner's, untyped: the connector does not say home; 'state' the region, 'country' as written.
        tels = [(kind, n) for kind, n in ((ANY, phone), ("CELL", mobile)) if n]
        p = person(given, family, title, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="beefree_clients", rows=rows, want=want, quote_all=True)


def hint_patients():
    """A Chicago direct primary care practice's patients for Hint's
    uploader: middle names for some, US birth dates month first, the treating
    physician and the joining date in their own columns, apartments and
    suites in 'Address Line 2', a ZIP+4, 'US' and 'United States', the
    phone's kind in 'Phone type' ('Mobile', 'Home', 'Office') and a Czech
    mobile marked 'Is US phone' False; Polish, Czech and Hungarian patients
    among Chicago's own, two without a mailbox."""
    s = SOURCES["hint_patients"]
    rows, want = [s["header"]], []
    for row in HINT79:
        (given, _, family, born, _, mail, _, _, street, _, city, state, code, country, kind, _, phone) = row
        rows.append(list(row))
        # Each row is a patient: 'First name' and 'Last name', FN the two ('Middle name' may stand between).
        # 'Phone type' gives the kind of 'Phone number': Mobile CELL, Home HOME, Office WORK; 'Is US phone'
        # only says how the number is written. 'Address Line 2' is the street's second line; the address is
        # untyped. 'Provider' is the physician, another person; gender and joining date nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=us_date(born))
        want.append(card(p, tels=[(HINT_KINDS[kind], phone)], adrs=[(None, street, city, state, code, country)],
                         birthday=True))
    return dict(source="hint_patients", rows=rows, want=want)


def inform_lab_vendors():
    """A clinical trial's laboratories as Oracle InForm downloads and loads
    them back: vendor ids, firms' names with a comma ('Covance Central
    Laboratory Services, LP'), a building or floor in 'Address 2', regions
    for some, countries in English, international and US phone styles, a fax
    for most, comments, database ids, 'I'/'U' transactions with reasons and
    the trial sites joined by ';'."""
    s = SOURCES["inform_lab_vendors"]
    rows, want = [s["header"]], []
    for row in INFORM79:
        (_, name, street, _, city, state, code, country, phone, fax) = row[:10]
        rows.append(list(row))
        # Each row is a laboratory, a firm with no person: the card is the organisation alone. 'Phone Number'
        # names no kind, 'Fax Number' is FAX. 'Address 2' is the street's second line; the address untyped.
        # Comments, ids, the transaction, its reason and the sites are the trial's bookkeeping, nobody's.
        tels = [(kind, n) for kind, n in ((ANY, phone), ("FAX", fax)) if n]
        want.append(card(person(org=name), tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="inform_lab_vendors", rows=rows, want=want)


def aestheticc_clients():
    """A Bratislava aesthetic clinic's clients for Aestheticc: the address
    one cell, a flat or floor after a comma ('Panenská 24, byt 3', quoted),
    phones in any format ('0908 777 210', '(0910) 455 332', '+36 ...'), ISO
    birth dates (one missing), one client without a mailbox and one without
    an address, treatment notes; Hungarian and Czech clients among them."""
    s = SOURCES["aestheticc_clients"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, born, address, notes in AESTHETICC79:
        rows.append([given, family, mail, phone, born, address, notes])
        # Each row is a client: 'firstName' and 'lastName'; 'phone' names no kind; 'dateOfBirth' the birthday.
        # 'address' holds the street as the clinic wrote it, a flat or floor after a comma included; it names
        # no town, so the card's street is the whole cell and nothing else is filled. Notes are nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=iso_date(born) if born else None)
        adrs = [(None, address, "", "", "", "")] if address else []
        want.append(card(p, tels=[(ANY, phone)], adrs=adrs, birthday=bool(born)))
    return dict(source="aestheticc_clients", rows=rows, want=want)


def adracare_clients():
    """A Toronto virtual care clinic's clients for Adracare's bulk upload:
    French and English speakers, time zones, numbers with the country code
    and nothing else ('15145550187', '420602345678'), each with its kind in
    the next column ('Mobile', 'Home', 'Office', 'Fax', 'Other'), a second
    number for some, voice consent flags, salutations ('Dr.', 'Mrs.', one
    missing), US birth dates; Czech, Polish, Hungarian and Croatian clients
    among Canadian ones."""
    s = SOURCES["adracare_clients"]
    rows, want = [s["header"]], []
    for row in ADRACARE79:
        (given, family, _, _, mail, phone1, kind1, phone2, kind2, _, salutation, _, born) = row
        rows.append(list(row))
        # Each row is a client: 'First Name', 'Last Name', 'Salutation' the name's prefix. 'Email address' the
        # mailbox; each 'Phone number N' has its kind in 'Phone Type N': Mobile CELL, Home HOME, Work and Office
        # WORK, Fax FAX, Other none. 'Date of Birth' month first. Language, time zone, consent and gender are
        # nobody's.
        tels = [(ADRACARE_KINDS[kind], n) for n, kind in ((phone1, kind1), (phone2, kind2)) if n]
        p = person(given, family, salutation, emails=[mail], birthday=us_date(born))
        want.append(card(p, tels=tels, birthday=True))
    return dict(source="adracare_clients", rows=rows, want=want)


def konexus_users():
    """A Milwaukee reference laboratory's staff in Konexus: user names,
    several mailboxes in 'Email' joined by ';' (a shared night-shift or
    on-call box among them) and a private one in 'Email2', the business
    address with its suite in 'AddressLine2', a lat;long location, titles
    (one left empty), an outside pathologist at a hospital, business, home,
    cell and pager numbers and faxes, roles, asset ids, job functions and
    key=value metadata; Polish, Czech and Hungarian names among them."""
    s = SOURCES["konexus_users"]
    rows, want = [s["header"]], []
    for row in KONEXUS79:
        (given, family, _, mails, street, city, state, code, _, title, org, web, _, business, home, fax, cell,
         pager, mail2, _, country) = row[:21]
        rows.append(list(row))
        # Each row is a member of staff: 'Title' the job title, 'AgencyBusiness' the organisation, 'WebPage' the
        # web page. Every mailbox in 'Email' is the card's, then 'Email2'. 'BusinessPhone' WORK, 'HomePhone'
        # HOME, 'Fax' FAX, 'CellPhone' CELL, 'PagerNumber' PAGER. 'BusinessAddress' is the WORK address with
        # 'AddressLine2' its second line. User name, location, notes, ids, role, groups, asset, job functions
        # and metadata are the alerting service's, nobody's.
        emails = [m for m in mails.split(";") if m] + ([mail2] if mail2 else [])
        tels = [(kind, n) for kind, n in (("WORK", business), ("HOME", home), ("FAX", fax), ("CELL", cell),
                                          ("PAGER", pager)) if n]
        p = person(given, family, org=org, job=title, emails=emails, url=web)
        want.append(card(p, tels=tels, adrs=[("WORK", street, city, state, code, country)], url=True))
    return dict(source="konexus_users", rows=rows, want=want)
