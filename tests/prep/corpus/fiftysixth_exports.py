"""Fifty-sixth held-out set: landlord, coworking, hostel and holiday-rental
tools (a hostel's booking import, a student residence's tenant template, a
short-term rental screening service's reservations, a coworking operator's
member upload, a holiday-flat manager's reservation import and a booking
platform's guest list). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fiftysixth_headers import SOURCES
from fiftysixth_people import AUTOHOST56, ENSO56, HOSTAWAY56, RENTYOURNEST56, SIRVOY56, WEWORK56


def whole_name(text):
    """'Anna Kowalska-Nowak' as ('Anna', 'Kowalska-Nowak'): these sources write the given name first."""
    given, _, family = text.partition(" ")
    return given, family


def sirvoy_bookings():
    """A Södermalm hostel's bookings for Sirvoy's import: dorm beds and room
    numbers, ISO dates, prices with and without decimals, booking ids, a
    firm's booking, a walk-in with nothing but a given name and a mailbox, a
    guest with a town and no street, countries as English names, native
    names and a code, Swedish numbers dialled at home, guests' messages (one
    with a comma, quoted), staff comments, 0/1 confirmations, two-letter
    languages; Polish, Czech, Hungarian, Croatian, Slovak and German guests."""
    s = SOURCES["sirvoy_bookings"]
    rows, want = [s["header"]], []
    for row in SIRVOY56:
        (_, _, _, _, _, given, _, family, firm, street, code, city, country, phone, mail) = row[:15]
        rows.append(list(row))
        # Each row is a booking and its booker: 'First Name' and 'Last Name' (the last may be missing: the card
        # is then the given name alone), 'Company' the organisation when a firm books. 'Address', 'City',
        # 'Post/Zip Code' and 'Country' are the booker's address, untyped, the country as written. 'Phone'
        # names no kind; 'Email' the mailbox. Rooms, dates, prices, messages, comments, the confirmed flag and
        # the language are the booking's own.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, "", code, country)] if (street or city or code or country) else []
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="sirvoy_bookings", rows=rows, want=want)


def rentyournest_tenants():
    """A Bologna student residence's tenants in RentYourNest's template,
    saved as 'CSV UTF-8' by an Italian Excel: 'Name' for the given name
    beside 'Surname', birth dates day first, Italian tax codes for the
    Italian tenants only, home addresses across Europe with regions (some
    empty) and countries in Italian ('Polonia', 'Repubblica Ceca'), Italian
    mobiles with and without +39, one tenant without a phone, a guarantor
    (a parent) with a phone for all but one."""
    s = SOURCES["rentyournest_tenants"]
    rows, want = [s["header"]], []
    for row in RENTYOURNEST56:
        (given, family, born, _, _, street, city, code, region, country, mail, phone) = row[:12]
        rows.append(list(row))
        # Each row is a tenant: 'Name' is the given name (the layout's 'Surname' beside it says so), 'Surname'
        # the family name; 'DoB' the birthday, day first. 'Address', 'City', 'Postal Code', 'Region' and
        # 'Country' are the tenant's home address, untyped, the region and the country as written. 'Email' the
        # mailbox; 'Phone' names no kind. The guarantor is another person, no part of the tenant's card; sex
        # and tax code are nobody's on a card.
        day, month, year = (int(x) for x in born.split("/"))
        p = person(given, family, emails=[mail], birthday=(year, month, day))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, region, code, country)],
                         birthday=True))
    return dict(source="rentyournest_tenants", rows=rows, want=want, bom=True)


def autohost_reservations():
    """A Toronto short-term rental operator's reservations for Autohost's
    import: confirmed, inquiry and cancelled bookings from Airbnb, Vrbo,
    Booking.com, Expedia and direct, check-in and check-out month first with
    times, listing ids, Booking.com's relay mailboxes, Airbnb guests without
    a mailbox, North American numbers in three shapes, the guest's home town,
    ISO birth dates for some; Polish, Czech, Hungarian, Slovak and Austrian
    guests among Canadians."""
    s = SOURCES["autohost_reservations"]
    rows, want = [s["header"]], []
    for row in AUTOHOST56:
        (_, _, _, _, _, _, _, _, given, family, mail, phone, town, born) = row
        rows.append(list(row))
        # Each row is a reservation and its guest: 'first_name' and 'last_name'; 'email' the mailbox (a
        # channel's relay address is the one the guest is reached at); 'phone' names no kind; 'location', the
        # guest's home town, is the town of an untyped address with nothing else; 'birth_date' the birthday. A
        # cancelled or inquiring guest is still a guest. Status, channel, codes, counts, price, dates and
        # listing are the booking's own.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, "", town, "", "", "")] if town else [], birthday=bool(born)))
    return dict(source="autohost_reservations", rows=rows, want=want)


def wework_members():
    """A Warsaw software firm's team uploaded to WeWork's Account Central:
    lower-case headers, whole names given name first (one double-barrelled
    family name), Polish numbers with and without +48, one landline, Czech,
    German, Hungarian, Slovak and Ukrainian colleagues, one without a phone,
    and the keycards' hotstamps, nine or ten digits on the left and six or
    seven on the right, beside the phone."""
    s = SOURCES["wework_members"]
    rows, want = [s["header"]], []
    for mail, name, phone, left, right in WEWORK56:
        rows.append([mail, name, phone, left, right])
        # Each row is a member: 'name' is the whole name, given name first, so FN as written and parted at the
        # first blank; 'email' the mailbox; 'phone number' names no kind. The hotstamps are the keycards'
        # numbers, runs of digits that are no phone of anyone's. The file names no company: no organisation.
        given, family = whole_name(name)
        p = person(given, family, emails=[mail])
        want.append(card(p, fn=name, tels=[(ANY, phone)] if phone else []))
    return dict(source="wework_members", rows=rows, want=want)


def hostaway_reservations():
    """A Zell am See holiday-flat manager's earlier reservations for
    Hostaway's import (the documented columns): mailboxes (one a Booking.com
    relay), given and family names, 'guestName' empty for most, as the two
    names for some, with a doctor's title for one and family name first for
    a Hungarian guest, guest, adult, child, infant and pet counts, arrival
    and departure day first; Austrian, German, Czech, Polish, Slovak,
    Hungarian and Slovene guests."""
    s = SOURCES["hostaway_reservations"]
    rows, want = [s["header"]], []
    for row in HOSTAWAY56:
        mail, given, family, shown = row[:4]
        rows.append(list(row))
        # Each row is a reservation and its guest: 'guestFirstName' and 'guestLastName'; 'guestEmail' the
        # mailbox. 'guestName' is the name the booking shows, FN as written where given ('Kiss András' stays
        # so), else the two names make it; a title in it ('Dr.') is the name's prefix. Counts and dates are the
        # stay's own.
        prefix = shown.split(" ")[0] if shown.startswith("Dr.") else ""
        p = person(given, family, prefix=prefix, emails=[mail])
        want.append(card(p, fn=shown or None))
    return dict(source="hostaway_reservations", rows=rows, want=want)


def enso_guests():
    """A Dubrovnik apartment host's guest list for Enso Booking's import:
    whole names given name first, a mailbox on every row as required,
    numbers international and one dialled at home ('020 412 345'), one guest
    without a phone, and a travel agency ('d.o.o.') that books for its
    clients; Croatian, German, Polish, Czech, Hungarian, Austrian and Slovene
    guests."""
    s = SOURCES["enso_guests"]
    rows, want = [s["header"]], []
    for name, mail, phone in ENSO56:
        rows.append([name, mail, phone])
        # 'Name' is the guest's full name, given name first: FN as written, parted at the first blank. A name
        # that is a firm's ('d.o.o.') makes the card that organisation alone. 'Email' the mailbox; 'Phone'
        # names no kind.
        tels = [(ANY, phone)] if phone else []
        if name.endswith("d.o.o."):
            want.append(card(person(org=name, emails=[mail]), tels=tels))
            continue
        given, family = whole_name(name)
        want.append(card(person(given, family, emails=[mail]), fn=name, tels=tels))
    return dict(source="enso_guests", rows=rows, want=want)
