"""Fifty-eighth held-out set: a day spa's client import, a concept store's
till, a wellness store's till, a guest house's bookings, a fishing guide's
reservations and a conference venue's function bookings. Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card
from fiftyeighth_headers import SOURCES
from fiftyeighth_people import EPOS58, GUESTBOOK58, HIBOUTIK58, IBOOKFISHING58, IVVY58, JEYLA58
from people import person


def month_first(text):
    """'04/12/1985' as (1985, 4, 12)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def short_year(text):
    """'14/03/85' as (1985, 3, 14): every member is an adult or nearly, so a
    year up to the export's own (26) is this century's."""
    day, month, year = (int(x) for x in text.split("/"))
    return (2000 + year if year <= 26 else 1900 + year), month, day


def jeyla_clients():
    """A Chicago day spa's clients for Jeyla Studio's import: honorifics in
    'Title', birth dates month first (one missing), a cell phone and another
    phone (a German cell for one), occupations, two without a street and one
    with nothing but a name and a cell; Polish, Czech, Hungarian, German and
    Croatian clients among them."""
    s = SOURCES["jeyla_clients"]
    rows, want = [s["header"]], []
    for row in JEYLA58:
        (title, given, family, street, city, state, code, born, _, cell, other, mail, job) = row
        rows.append(list(row))
        # Each row is a client: 'First-Name' and 'Last-Name'; 'Title' (Ms., Dr.) the name's prefix, never a job
        # title; 'Occupation' is. 'Cell-Phone' the cell, 'Other-Phone' of no kind; 'Date-Of-Birth' the birthday,
        # month first. The address is untyped, 'State' the region, no country; gender nobody's.
        tels = ([("CELL", cell)] if cell else []) + ([(ANY, other)] if other else [])
        adrs = [(None, street, city, state, code, "")] if any((street, city, state, code)) else []
        p = person(given, family, title, job=job, emails=[mail] if mail else [],
                   birthday=month_first(born) if born else None)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="jeyla_clients", rows=rows, want=want)


def hiboutik_clients():
    """A Strasbourg concept store's customers from Hiboutik's template,
    semicolons: 'Title' as the sex's code (1, 2, empty), firms for two and a
    café with no person, countries as alpha-3, a French mobile that lost its
    leading zero, notes in French, loyalty points and EAN codes, one customer
    with nothing but a mailbox; Czech, Polish, German and Hungarian customers
    among them."""
    s = SOURCES["hiboutik_clients"]
    rows, want = [s["header"]], []
    for row in HIBOUTIK58:
        (family, given, mail, _, firm, street, code, city, state, country, phone, born) = row[:12]
        rows.append(list(row))
        # 'First name' and 'Last name' the person, 'Company' the organisation; a row with a company and no names
        # is that firm alone. 'Title' is the sex as 1 or 2: no prefix. 'Phone' of no kind, kept as written;
        # 'Date of birth' the birthday. The address is untyped, 'State' the region, the country as written.
        # Note, points and EAN are the shop's own.
        adrs = [(None, street, city, state, code, country)] if any((street, city, code, country)) else []
        tels = [(ANY, phone)] if phone else []
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, org=firm, emails=[mail], birthday=birthday)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="hiboutik_clients", rows=rows, want=want)


def epos_customers():
    """A Singapore wellness store's members for EPOS's bulk import, saved as
    'CSV UTF-8' by Excel: the whole name in one cell, units in the second
    street line ('#08-1234'), NRIC and FIN numbers, birth dates 'DD/MM/YY',
    honorifics apart ('Mdm'), the mobile again as the lookup id, tiers,
    points, credits and TRUE/FALSE flags, groups joined by a comma, countries
    as 'Singapore' and 'SG', one member in Košice; Czech, Polish, Hungarian
    and Slovak members among them."""
    s = SOURCES["epos_customers"]
    rows, want = [s["header"]], []
    for row in EPOS58:
        (name, street, _, code, city, state, country, _, mail, phone, _, _, born, _, prefix, mobile, fax) = row[:17]
        rows.append(list(row))
        # 'full_name' is given name then family name. 'prefix' the name's prefix. 'phone_number' (home, office)
        # of no kind, 'mobile_number' the cell, 'fax_number' the fax; 'lookup_id' is the till's key even where it
        # repeats the mobile, no second phone. 'date_of_birth' the birthday, day first, the century the one
        # that makes an adult. 'address_street_1' the street, 'address_street_2' its second line, untyped; the
        # country as written. Identifiers, tiers, points, credits, groups and flags are the store's own.
        given, family = name.rsplit(" ", 1)
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else []) + (
            [("FAX", fax)] if fax else [])
        adrs = [(None, street, city, state, code, country)] if street else []
        p = person(given, family, prefix, emails=[mail] if mail else [],
                   birthday=short_year(born) if born else None)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="epos_customers", rows=rows, want=want, bom=True)


def guestbook247_bookings():
    """A Keswick guest house's bookings for Guestbook 24/7's import: channel
    ids of Booking.com, Expedia, its web site and the telephone, dates
    'dd-mmm-yy', a cancelled, a no-show and a requested booking, honorifics
    apart, one guest without a mailbox and two without a phone, room names
    joined by a comma; Czech, Polish, Hungarian, Austrian and Slovene guests
    among them."""
    s = SOURCES["guestbook247_bookings"]
    rows, want = [s["header"]], []
    for row in GUESTBOOK58:
        (_, _, _, _, _, _, _, title, given, family, mail, phone, _) = row
        rows.append(list(row))
        # Each row is a booking and its main guest: 'MainGuestFirstname' and 'MainGuestSurname', 'MainGuestTitle'
        # the name's prefix; 'MainGuestEmail' the mailbox, 'MainGuestPhone' of no kind. A cancelled or missed
        # booking still names its guest. Dates, rates, guests' count, status and rooms are the booking's.
        p = person(given, family, title, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="guestbook247_bookings", rows=rows, want=want)


def ibookfishing_reservations():
    """A Soča valley fishing guide's reservations for ibookfishing's import:
    guided days, licences, a course and an apartment as resources, start and
    end as date and time or as dates alone; Austrian, Czech, Italian,
    Hungarian, German, Polish and Slovene anglers."""
    s = SOURCES["ibookfishing_reservations"]
    rows, want = [s["header"]], []
    for resource, given, family, mail, start, end in IBOOKFISHING58:
        rows.append([resource, given, family, mail, start, end])
        # Each row is a reservation and its customer: 'First name', 'Last name' and 'Email'. The resource and
        # the times are the reservation's, nobody's on a card.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="ibookfishing_reservations", rows=rows, want=want)


def ivvy_bookings():
    """A Melbourne conference venue's function bookings for iVvy's import:
    'Contact - Full Name' as 'Lastname, Firstname' (quoted for its comma), a
    two-day event on two rows with the same contact, the venue's own
    coordinators' user names, firms, associations and private bookings
    without one, Australian phones in several forms, one without a phone;
    Czech, Polish, Hungarian, Croatian and German contacts among them."""
    s = SOURCES["ivvy_bookings"]
    rows, want = [s["header"]], []
    for row in IVVY58:
        (_, _, _, _, _, _, _, _, _, _, firm, contact, mail, phone) = row
        rows.append(list(row))
        # Each row is a booking and its contact: 'Contact - Full Name' is family name, comma, given name, and the
        # card names that person given name first; 'Company Name' the organisation. 'Coordinator' is the venue's
        # staff, not the contact; 'Booking Name' names the event, no organisation. 'Contact - Phone' of no kind.
        # A multi-day event's rows each give the same card.
        family, given = (x.strip() for x in contact.split(",", 1))
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="ivvy_bookings", rows=rows, want=want)
