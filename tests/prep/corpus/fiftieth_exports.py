"""Fiftieth held-out set: guests, clients and leads of property, travel,
insurance and motor trades: a holiday park's guests, an insurance agency's
book, a repair shop and used-car dealer's customers, a cruise's guest master
file, a real estate agent's website leads and an architecture firm's leads
among property developers. Each maker returns a dict as crm_exports.py's
do."""
from export_kit import ANY, card
from fiftieth_headers import SOURCES
from fiftieth_people import BUYINGBUDDY50, DELTEK50, GEMCAR50, NEXSURE50, RMS50, SPMS50
from people import person

# Names in one cell that belong to a body, not a person: their legal form or their kind says so.
GEMCAR_FIRMS = {"Transport Lévesque inc.", "Plomberie Roy et Fils ltée"}


def split_name(whole):
    """'Anna Kowalski' as ('Anna', 'Kowalski'): the first word is the given
    name, the rest the family name."""
    given, _, family = whole.partition(" ")
    return given, family


def rms_guests():
    """A Gold Coast holiday park's guests for RMS's guest import: groups
    (a seniors' club, a school's rowing crew) with no surname, units and
    'Unit 5' over the street in two address lines, after-hours, business-
    hours and mobile phones apart, a guest without a mailbox, Czech, Polish,
    Hungarian, Irish and Vietnamese names, legacy ids and notes."""
    s = SOURCES["rms_guests"]
    rows, want = [s["header"]], []
    for row in RMS50:
        (group, surname, given, title, line1, line2, _, town, state, code, after_hours, business, mobile, fax,
         mail) = row[:15]
        rows.append(list(row))
        # 'Given' and 'Surname' are the guest's names, 'Title' the name's prefix; a row with only 'Groupname' is a
        # group (a club, a school's crew) and its card that organisation alone. 'AH Phone' (after hours) is the
        # home phone, 'BH Phone' (business hours) the work phone, 'Mobile Phone' the cell, 'Fax' the fax.
        # 'Address Line 1' the street, a second line ('22 Marine Parade' under 'Unit 5') its continuation; then
        # 'Town/City', 'State', 'Postcode', untyped, no country. Spare field, legacy id and notes are nobody's.
        tels = [(kind, number) for kind, number in (("HOME", after_hours), ("WORK", business), ("CELL", mobile),
                                                    ("FAX", fax)) if number]
        adrs = [(None, line1, town, state, code, "")]
        emails = [mail] if mail else []
        if surname:
            want.append(card(person(given, surname, prefix=title, org=group, emails=emails), tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=group, emails=emails), tels=tels, adrs=adrs))
    return dict(source="rms_guests", rows=rows, want=want)


def nexsure_policies():
    """A Chicago insurance agency's book for Nexsure's basic import, saved as
    'CSV UTF-8' by Excel: one policy a row with its line, number, dates,
    premium with a thousands comma, businesses (a bakery, a roofer, a law
    office, a condominium association without a contact) beside households,
    the primary contact's name in one cell, business phones and faxes in
    US form, the agency's branch, producer and the insurer's NAIC code."""
    s = SOURCES["nexsure_policies"]
    rows, want = [s["header"]], []
    for row in NEXSURE50:
        (_, _, _, _, insured, kind, _, _, contact, mail, street, city, state, zip_code, phone, fax) = row[:16]
        rows.append(list(row))
        # Each row is a client's policy: 'Named Insured' is the client. A 'Commercial' client is the
        # organisation, and its 'Primary Contact' (one cell, given name first) the person on its card; without
        # a contact the card is the organisation alone. A 'Personal' client is the person named, whatever
        # 'Primary Contact' repeats. 'Primary Contact Email' the mailbox; 'Business Phone' the work phone and
        # 'Business Fax' the fax; 'Location Address', 'City', 'State', 'Zip' the insured place, untyped, no
        # country. Line, policy, dates, premium, SIC, agency, branch, department, the producer (the agency's
        # own) and NAIC (the insurer's) are no part of the client's card.
        tels = [(kind_, number) for kind_, number in (("WORK", phone), ("FAX", fax)) if number]
        adrs = [(None, street, city, state, zip_code, "")]
        emails = [mail] if mail else []
        if kind == "Commercial":
            given, family = split_name(contact) if contact else ("", "")
            p = person(given, family, org=insured, emails=emails)
        else:
            given, family = split_name(insured)
            p = person(given, family, emails=emails)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="nexsure_policies", rows=rows, want=want, bom=True)


def gemcar_customers():
    """A Laval repair shop and used-car dealer's customers for GEM-CAR's
    customer importation, saved as 'CSV UTF-8' by Excel: customer numbers,
    people and firms ('Transport Lévesque inc.') under one 'Customer name',
    French street names ('boul. Curé-Labelle'), Québec postal codes, a
    customer without a phone, each one's car with its VIN (one missing) and
    mileage; Polish, Czech, Hungarian and Slovak customers among them."""
    s = SOURCES["gemcar_customers"]
    rows, want = [s["header"]], []
    for row in GEMCAR50:
        _, name, street, city, province, code, phone = row[:7]
        rows.append(list(row))
        # 'Customer name' is a person, given name first, or a firm (its legal form says so: 'inc.', 'ltée'),
        # whose card is the organisation alone. 'Telephone' names no kind; 'Address', 'City', 'Province/State',
        # 'Postal/Zip code' the untyped address, no country. Customer number, make, model, year, VIN and
        # mileage are the car's, nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, province, code, "")]
        if name in GEMCAR_FIRMS:
            want.append(card(person(org=name), tels=tels, adrs=adrs))
        else:
            given, family = split_name(name)
            want.append(card(person(given, family), tels=tels, adrs=adrs))
    return dict(source="gemcar_customers", rows=rows, want=want, bom=True)


def spms_master():
    """A Mediterranean cruise's guest master file for the shipboard property
    management system: guest ids of ten digits starting '99', capitalised
    column names ('PAX_FSTN'), a Greek, a Russian and a Japanese guest with
    their names in their own script in 'PAX_OTHNAME', greetings and
    academic titles apart ('Mr', 'Ing.', 'MUDr.'), middle names, floors and
    flats in the second street line, cities in their own language, no
    country; Czech, Slovak, Polish, German, Italian and Hungarian guests."""
    s = SOURCES["spms_master"]
    rows, want = [s["header"]], []
    for row in SPMS50:
        _, surname, forename, _, _, _, title, street, _, code, state, city = row
        rows.append(list(row))
        # 'PAX_FSTN' is the given name and 'PAX_NAME' the family name, FN the two; the middle name is no part
        # of FN. 'PAX_TITEL' (an academic title) is the name's prefix; 'PAX_SALUT' a greeting only. The name in
        # another script ('PAX_OTHNAME') is the same person's, not the card's name. 'PAX_STREET' the street,
        # 'PAX_STREET2' its second line, then 'PAX_CITY', 'PAX_STATE', 'PAX_ZIP', untyped, no country. The
        # guest id is nobody's.
        p = person(forename, surname, prefix=title)
        want.append(card(p, adrs=[(None, street, city, state, code, "")]))
    return dict(source="spms_master", rows=rows, want=want)


def buyingbuddy_leads():
    """A Denver agent's website leads for Buying Buddy's import: lower-case
    field names ('fname', 'lname'), US and foreign phones ('+420 604 112
    233'), a lead without a mailbox and one with a given name only, inquiry
    subjects and messages, ratings, buyer statuses ('0-3 months', 'Seller',
    'Renter'), tags joined by ';', 0/1 welcome flags; Czech, Polish and
    Hungarian leads among them."""
    s = SOURCES["buyingbuddy_leads"]
    rows, want = [s["header"]], []
    for row in BUYINGBUDDY50:
        mail, given, family, phone = row[:4]
        rows.append(list(row))
        # Each row is a lead: 'fname' and 'lname' the names (one may be missing), 'email' the mailbox, 'phone'
        # of no kind. Subject, message, notes, campaign, rating, status, tags and welcome flag are the agent's
        # record of the inquiry, nobody's.
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    return dict(source="buyingbuddy_leads", rows=rows, want=want)


def deltek_leads():
    """A Chicago architecture firm's leads for Deltek Vision's import:
    developers, property managers, a condominium board and a private owner
    without a company, prefixes and suffixes ('AIA', 'Jr.', 'PhD'), middle
    initials, job titles in 'Title', ratings and statuses, a Prague
    developer with its country, countries as 'United States', 'USA' or
    empty, suites and floors in 'Address2', business, fax, mobile and home
    phones, an empty pager column."""
    s = SOURCES["deltek_leads"]
    rows, want = [s["header"]], []
    for row in DELTEK50:
        (_, prefix, given, _, family, suffix, job, _, company, _, _, _, _, _, street, _, _, city, state, code,
         country, business, fax, mobile, home, _) = row
        rows.append(list(row))
        # Each row is a lead, a person: 'FirstName' and 'LastName' (FN the two, the middle initial left out),
        # 'Prefix' and 'Suffix' the name's; 'Title' is the job title, not an honorific; 'Company' the
        # organisation. 'BusinessPhone' the work phone, 'BusinessFax' the fax, 'Mobile' the cell, 'Home' the
        # home phone. 'Address1' the street ('Address2', a suite or floor, its second line), then 'City',
        # 'State', 'Zip' and 'Country' as written, untyped. Id, description, rating, status, reason, source and
        # industry are the firm's own record.
        tels = [(kind, number) for kind, number in (("WORK", business), ("FAX", fax), ("CELL", mobile),
                                                    ("HOME", home)) if number]
        p = person(given, family, prefix=prefix, suffix=suffix, org=company, job=job)
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="deltek_leads", rows=rows, want=want)
