"""Ninety-fifth held-out set: people on the road. A motorcycle dealer's
rewards customers, a car rental agency's renters, a workshop's vehicles with
their owners, a firm's charging-card drivers, a fleet maintenance shop's
outside customers and a motor dealer's sales leads. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from ninetyfifth_headers import SOURCES
from ninetyfifth_people import AUTOLINE95, CHARGENOW95, MTR95, ONEBOOK95, RENTERRATED95, RTA95


def us_date(text):
    """'04/17/1968' as (1968, 4, 17)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def morethanrewards_customers():
    """A Pittsburgh Harley-Davidson dealer's customers as its Reynolds and
    Reynolds report gives them to More Than Rewards: customer ids, apartments,
    suites and a floor in 'Address2', numbers as '412-555-0142' in home, work
    and mobile columns, the rewards number in 'BeeperPhone', birthdays month
    first, a towing firm in 'LastName' with no first name, a fax for two,
    comments with commas; Polish, Czech, Slovak and Hungarian customers among
    American ones, one without a mailbox."""
    s = SOURCES["morethanrewards_customers"]
    rows, want = [s["header"]], []
    for (cid, given, family, street, street2, city, state, code, home, work, mobile, rewards, mail, born, fax,
         comments) in MTR95:
        rows.append([cid, given, family, street, street2, city, state, code, home, work, mobile, rewards, mail,
                     born, fax, "", "", "", "", comments, ""])
        # 'FirstName' and 'LastName' the customer; with no first name the last name is a firm's, the card that
        # firm alone. 'HomePhone' HOME, 'WorkPhone' WORK, 'MobilePhone' CELL, 'Fax' FAX; 'BeeperPhone' holds the
        # rewards number (the dealer system's pager field lent to it), no phone at all. 'Address1' the street,
        # 'Address2' its further line, 'State' the region, no country. 'Birthday' month first. Id, comments and
        # the empty user fields nobody's.
        tels = [(kind, number) for kind, number in (("HOME", home), ("WORK", work), ("CELL", mobile), ("FAX", fax))
                if number]
        adrs = [(None, street, city, state, code, "")]
        emails = [mail] if mail else []
        if given:
            p = person(given, family, emails=emails, birthday=us_date(born) if born else None)
        else:
            p = person(org=family, emails=emails)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="morethanrewards_customers", rows=rows, want=want)


def renterrated_renters():
    """A Chicago car rental agency's returned renters sent to Renter Rated:
    only the first name (two given names for one), the mailbox, reservation
    numbers, drop-off dates with and without a time, the renter's town
    (Kraków, Brno, Budapest and Vienna for visitors)."""
    s = SOURCES["renterrated_renters"]
    rows, want = [s["header"]], []
    for given, mail, reservation, dropoff, city in RENTERRATED95:
        rows.append([given, mail, reservation, dropoff, city])
        # 'Renter First Name' the given name and FN alone, no family name to be had; 'Renter Email Address' the
        # mailbox; 'Renter's City' an address of the town alone. Reservation and drop-off date the rental's.
        p = person(given, emails=[mail])
        want.append(card(p, adrs=[(None, "", city, "", "", "")]))
    return dict(source="renterrated_renters", rows=rows, want=want)


def onebookplus_vehicles():
    """A Melbourne workshop's vehicles for OneBookPlus's bulk import: one row
    a vehicle, the owner in the last three columns; whole names given first,
    two firms as owners (a plumber's fleet, a physio clinic), mobiles as
    '0412 345 678' and one as '+61 402 717 300', landlines '03 9555 0142', one
    owner without a mailbox; regos, VINs, odometers, service and expiry dates,
    an empty CTP column for most; Polish, Czech, Croatian and Hungarian owners
    among Australian ones."""
    s = SOURCES["onebookplus_vehicles"]
    rows, want = [s["header"]], []
    firms = ("Acme Plumbing Pty Ltd", "Eastside Physio Clinic")
    for row in ONEBOOK95:
        owner, mail, phone = row[13:]
        rows.append(list(row))
        # The owner is the contact: 'owner_name' the whole name, given name first; a firm's name is the
        # organisation alone. 'owner_email' the mailbox; 'owner_phone' untyped. The vehicle's columns (rego,
        # VIN, make, km, dates, state of registration) are no one's address or name.
        if owner in firms:
            p = person(org=owner, emails=[mail])
        else:
            given, family = owner.split(" ", 1)
            p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)]))
    return dict(source="onebookplus_vehicles", rows=rows, want=want)


def chargenow_contrats():
    """A Lyon logistics firm's charging-card drivers for CHARGE NOW for
    Business, saved as 'CSV UTF-8' by a French Excel: card numbers with
    asterisks, fleet groups, cost centres, tariffs, the driver or manager type,
    the managing person's name beside each driver (herself a driver), Madame
    and Monsieur, 'Nom et prénom' family name first, addresses in Lyon,
    Geneva and Košice with the country in French; Polish, Czech, Hungarian
    and Slovak drivers among French ones."""
    s = SOURCES["chargenow_contrats"]
    rows, want = [s["header"]], []
    for row in CHARGENOW95:
        (_, _, _, _, _, _, salutation, name, mail, street, code, town, country) = row
        rows.append(list(row))
        # 'Nom et prénom' is the family name, then the given name: FN given name first. 'Salutations' the
        # prefix. 'Adresse e-mail' the mailbox; street, postal code, town and country the driver's untyped
        # address, the country as written. 'Sélection du gestionnaire' names another person, no part of the
        # card; card number, groups, cost centre, tariff and type nobody's.
        family, given = name.split(" ", 1)
        p = person(given, family, prefix=salutation, emails=[mail])
        want.append(card(p, adrs=[(None, street, town, "", code, country)]))
    return dict(source="chargenow_contrats", rows=rows, want=want, bom=True)


def rtafleet_customers():
    """An Ohio fleet maintenance shop's outside customers from RTA: facility
    numbers, customer numbers and abbreviations, a city, a transit agency, a
    county, trades and a club under 'Name', a contact for most, numbers as
    '(216) 289-2700', billing blocks the same as the shipping one, elsewhere
    (a PO box, the county auditor) or with another number, billing names that
    are departments or the contact again; rates as '.0700'; Czech, Slovak,
    Polish and Hungarian contacts among American ones."""
    s = SOURCES["rtafleet_customers"]
    rows, want = [s["header"]], []
    for row in RTA95:
        (_, _, _, name, street, city, code, phone, contact, state, bstreet, bcity, bcode, bphone, _, bstate) = row[:16]
        rows.append(list(row))
        # 'Name' the customer, an organisation. 'Ship Contact' the person there, given name first; without one
        # the card is the firm alone. 'Billing Name' is whom the invoice goes to (a department, the contact
        # again), no person of the card. 'Ship Phone' untyped, 'Billing Phone' a second untyped number of the
        # firm where it differs. The ship block is the address ('Ship State' its region, no country), the
        # billing block a second address where it differs. Facility, numbers, abbreviation and rates nobody's.
        tels = [(ANY, n) for n in dict.fromkeys([phone, bphone]) if n]
        adrs = [(None, street, city, state, code, "")]
        if (bstreet, bcity, bcode) != (street, city, code):
            adrs.append((None, bstreet, bcity, bstate, bcode, ""))
        if contact:
            given, family = contact.split(" ", 1)
            p = person(given, family, org=name)
        else:
            p = person(org=name)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="rtafleet_customers", rows=rows, want=want)


def autoline_leads():
    """A Leeds Skoda and Volkswagen dealer's sales leads for Autoline's lead
    import, from a British Excel in code page 1252: titles (Mr, Mrs, Ms, Miss,
    Dr), a firm for some, a courier firm with no person, two untyped numbers
    as '0113 496 0142' and '07700 900142', registrations, vehicles wanted,
    notes with commas; Polish, Czech, Hungarian and Croatian names typed
    without their letters."""
    s = SOURCES["autoline_leads"]
    rows, want = [s["header"]], []
    for title, given, family, firm, phone1, phone2, reg, vehicle, notes in AUTOLINE95:
        rows.append([title, given, family, firm, phone1, phone2, reg, vehicle, notes])
        # 'first name' and 'surname' the lead, 'title' the prefix, 'company name' the organisation; a row with
        # only a company is that firm alone. 'telephone 1' and 'telephone 2' both untyped. Registration,
        # vehicle and notes the enquiry's, nobody's field.
        tels = [(ANY, n) for n in (phone1, phone2) if n]
        p = person(given, family, prefix=title, org=firm)
        want.append(card(p, tels=tels))
    return dict(source="autoline_leads", rows=rows, want=want)
