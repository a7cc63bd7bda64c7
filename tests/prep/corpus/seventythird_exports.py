"""Seventy-third held-out set: trades and installers (a window and door
installer's business system, a handyman and heating firm's field-service
tool, a roofing contractor's CRM, a solar installer's lead list, an
auto-glass shop's accounts and a carpet cleaner's accounts). Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventythird_headers import SOURCES
from seventythird_people import (JOBSITEON73, OMEGAEDI73, SERVICEMONSTER73, SERVICEWORKS73, SOLARNEXUS73,
                                 SOLATECH73)

# Solatech's phone labels are its own words for the kinds a card knows.
SOLATECH_PHONE_KINDS = {"Mobile": "CELL", "Home": "HOME", "Work": "WORK", "Fax": "FAX"}

# Omega EDI's account types that stand for a person rather than a firm.
OMEGA_PEOPLE = {"individual"}


def solatech_customers():
    """A Minneapolis window and door installer's customers for Solatech
    Focus: lower-case run-together column names with numbers (phone1,
    phonelabel1, address1_1), middle initials, account numbers, terms, lead
    sources and reps, phones labelled Mobile, Home, Work and Fax (one
    unlabelled), second mailboxes for a few, firms for three, a suite in the
    second street line, 'US', 'USA' and an empty country; Polish, Czech,
    Hungarian, Slovak and Austrian customers among them."""
    s = SOURCES["solatech_customers"]
    rows, want = [s["header"]], []
    for row in SOLATECH73:
        (given, _, family, _, firm, _, _, _, phone1, label1, phone2, label2, mail1, _, mail2, _, _, street, _, city,
         state, code, country) = row
        rows.append(list(row))
        # Each row is a customer: 'customername' is the given name beside 'middleinitial' and 'lastname', so FN
        # is the given and family name (with the initial between them as right); 'companyname' the organisation.
        # Each phone takes its kind from its own label, an unlabelled one none; both mailboxes are the
        # customer's, their labels no kind. 'address1_1' the street, 'address2_1' its second line, then city,
        # state, zip and country as written. Account, terms, lead source and rep are nobody's.
        tels = [(SOLATECH_PHONE_KINDS.get(label, ANY), number)
                for number, label in ((phone1, label1), (phone2, label2)) if number]
        p = person(given, family, org=firm, emails=[m for m in (mail1, mail2) if m])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="solatech_customers", rows=rows, want=want)


def serviceworks_customers():
    """An Austin handyman and heating firm's customers for ServiceWorks: two
    mailboxes in one cell for two customers (with and without a space after
    the comma), one customer without a mailbox, a landlord known by his
    family name alone, phones written four ways (one German mobile), units
    in 'Address2', a ZIP+4; Polish, Czech, German, Hungarian and Croatian
    customers among them."""
    s = SOURCES["serviceworks_customers"]
    rows, want = [s["header"]], []
    for row in SERVICEWORKS73:
        given, family, mails, phone, phone2, street, _, city, state, code = row
        rows.append(list(row))
        # Each row is a customer: 'First Name' and 'Last name'; 'Email' holds one mailbox or several, comma
        # separated, each the customer's. 'Phone' and 'Secondary Phone' name no kind. 'Address1' the street,
        # 'Address2' its second line, 'City', 'State', 'Zip'; no country.
        emails = [m.strip() for m in mails.split(",") if m.strip()]
        tels = [(ANY, n) for n in (phone, phone2) if n]
        p = person(given, family, emails=emails)
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, "")]))
    return dict(source="serviceworks_customers", rows=rows, want=want)


def jobsiteon_contacts():
    """A Chicago roofing contractor's contacts for JobsiteOn: homeowners, a
    property manager, an insurer's adjuster and a builder at their firms,
    one contact without a phone and one without a mailbox, suites and units
    in the second line, a ZIP+4, notes with numbers in them (a gate code, a
    date, squares) and comma-separated tags; Polish, Czech, Hungarian and
    Croatian homeowners among them."""
    s = SOURCES["jobsiteon_contacts"]
    rows, want = [s["header"]], []
    for row in JOBSITEON73:
        given, family, mail, phone, firm, street, _, city, state, code, _, _ = row
        rows.append(list(row))
        # Each row is a contact: 'First Name' and 'Last Name', 'Company' the organisation. 'Phone' names no kind.
        # 'Address Line 1' the street, 'Address Line 2' its second line, 'City', 'State', 'ZIP'; no country.
        # Notes and tags are the roofer's own words: a gate code or a date in them is no phone.
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, state, code, "")]))
    return dict(source="jobsiteon_contacts", rows=rows, want=want)


def solarnexus_leads():
    """A Pittsburgh solar installer's leads for SolarNexus: salutations
    ('Mr.', 'Rev.', 'Dr.', some empty), a church, a farm and a body shop as
    companies with their person, up to three phones, times to call,
    comments about roofs with numbers and commas, the address's parts in
    the order City, Address 1, Postal Code, Country, State, the electricity
    supplier and the monthly bill ('$1,450', '220', empty); Slovak,
    Hungarian, Polish and Serbian names among the Pennsylvanians."""
    s = SOURCES["solarnexus_leads"]
    rows, want = [s["header"]], []
    for row in SOLARNEXUS73:
        (given, family, mail, phone1, firm, salutation, phone2, phone3, _, _, city, street, code, country,
         state) = row[:15]
        rows.append(list(row))
        # Each row is a lead: 'First Name' and 'Last Name'; 'Salutation' the name's prefix; 'Company Name' the
        # organisation where the lead is a business. 'Phone 1' to 'Phone 3' name no kind. 'Address 1', 'City',
        # 'State', 'Postal Code' and 'Country' are one address, untyped, whatever their order. The electricity
        # supplier is the household's utility, no organisation of the lead; time to call, comments and the bill
        # are nobody's.
        tels = [(ANY, n) for n in (phone1, phone2, phone3) if n]
        p = person(given, family, prefix=salutation, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="solarnexus_leads", rows=rows, want=want)


def omegaedi_accounts():
    """A Columbus auto-glass shop's accounts for Omega EDI: insurers, fleets,
    a dealership, a body shop (its type written 'commercial_body Shop', as
    the vendor writes it), a rental firm, a supplier and private customers
    whose account name is their own; primary contacts for most firms, none
    for the insurer and the supplier; PO box, suite and dock lines; pricing,
    manager and processor numbers, SGC ids, tax exemptions, 0/1 flags,
    campaigns; Czech, Hungarian, Polish and German names among them."""
    s = SOURCES["omegaedi_accounts"]
    rows, want = [s["header"]], []
    for row in OMEGAEDI73:
        name, kind, street, _, city, state, code, phone, phone2, contact = row[:10]
        rows.append(list(row))
        # An account is a firm or, typed 'individual', a person: then 'Company' is that person's whole name,
        # first word given, the rest family. A firm with a 'contact_name' is that person at the organisation; a
        # firm without one is the organisation alone. 'telephone' and 'alternate_phone' name no kind (WORK or
        # VOICE for a firm alone). 'address' the street, 'address2' its second line, 'city', 'State',
        # 'postal_code'; no country. Profiles, managers, terms, tax, processor, ids, flags and campaign are
        # nobody's.
        adrs = [(None, street, city, state, code, "")]
        numbers = [n for n in (phone, phone2) if n]
        if kind in OMEGA_PEOPLE:
            given, family = name.split(" ", 1)
            want.append(card(person(given, family), tels=[(ANY, n) for n in numbers], adrs=adrs))
        elif contact:
            given, family = contact.split(" ", 1)
            want.append(card(person(given, family, org=name), tels=[(ANY, n) for n in numbers], adrs=adrs))
        else:
            want.append(card(person(org=name), tels=[("WORK|VOICE", n) for n in numbers], adrs=adrs))
    return dict(source="omegaedi_accounts", rows=rows, want=want)


def servicemonster_accounts():
    """A Denver carpet cleaner's accounts for ServiceMonster: 'True'/'False'
    active flags, salutations ('Mr.', 'Mrs.', 'Miss', 'Dr.', one empty),
    given and family names; Czech, Polish and Hungarian customers among
    them."""
    s = SOURCES["servicemonster_accounts"]
    rows, want = [s["header"]], []
    for row in SERVICEMONSTER73:
        _, salutation, given, family = row
        rows.append(list(row))
        # Each row is an account holder: 'First Name' and 'Last Name', 'Salutation' the name's prefix and no part
        # of the given name; the active flag is nobody's.
        want.append(card(person(given, family, prefix=salutation)))
    return dict(source="servicemonster_accounts", rows=rows, want=want)
