"""Eighty-third held-out set: hotels, holiday rentals, a campsite and a
restaurant (a cabin rental's reservations, a Tatra campsite's customers in a
reservation system, a Vienna restaurant's guests, a Bratislava hotel's guest
profiles, a Whistler hotel's guests from its property system's API and a
Brazilian holiday rental's contacts for e-mail marketing). Each maker returns
a dict as crm_exports.py's do."""
from datetime import date

from eightythird_headers import SOURCES
from eightythird_people import CLOCK83, PLANYO83, RESMIO83, ROOMKEY83, STAYS83, WAVEPM83
from export_kit import ANY, card
from people import person

# The cabins a reservation names: unit name, bedrooms, active flag, rate code.
WAVEPM_UNITS = {
    "BEAR": ("Bear Hollow Hideaway", "2", "Y", "STD"),
    "SUMMIT": ("Summit View Lodge", "5", "Y", "PEAK"),
    "CREEK": ("Creekside Cottage", "1", "Y", "STD"),
    "LAUREL": ("Laurel Ridge Retreat", "3", "Y", "FAM"),
}


def us_day(text):
    """'03/07/2025' as a date."""
    month, day, year = (int(x) for x in text.split("/"))
    return date(year, month, day)


def br_date(text):
    """'03/09/1988', day first as Brazil writes it, as (1988, 9, 3)."""
    day, month, year = (int(x) for x in text.split("/"))
    return year, month, day


def whole_name(name):
    """A whole name given name first, parted at its first blank."""
    given, _, family = name.partition(" ")
    return given, family


def wavepm_reservations():
    """A Gatlinburg cabin rental's reservations for WavePM's import: one
    guest a row with the stay's money, dates month first and taxes beside
    the guest's address; suites and flats in 'Address2', a ZIP+4, countries
    as 'USA', 'US', 'United States', empty or a European name, phones in four
    American styles and international ones, an Airbnb relay mailbox, a
    cancelled stay ('Cxcl'), the owner's own stay without a mailbox, notes
    with commas; Czech, Polish, Hungarian, Slovak and Canadian guests."""
    s = SOURCES["wavepm_reservations"]
    rows, want = [s["header"]], []
    for k, row in enumerate(WAVEPM83):
        (given, family, street, street2, city, state, code, country, phone, mail, unit, kind, booked, start, end,
         adults, children, pet, source, sub, rent, notes) = row
        name, bedrooms, active, rate = WAVEPM_UNITS[unit]
        nights = (us_day(end) - us_day(start)).days
        charge = "0.00" if kind != "Reservation" else "185.00"
        tax = f"{(float(rent) + float(charge)) * 0.1275:.2f}"
        total = f"{float(rent) + float(charge) + float(tax):.2f}"
        paid = total if kind == "Reservation" else "0.00"
        rows.append([given, family, street, street2, city, state, code, country, phone, mail, unit, name, bedrooms,
                     active, f"WV{24871 + k}", kind, booked, start, end, str(nights), adults, children, pet, source,
                     sub, rent, charge, tax, total, paid, notes, rate, "12.75", "9.75", "SEV-0417", "TN-1180223",
                     "N"])
        # Each row is a stay, and its guest the contact: 'FirstName' and 'Last Name'. A cancelled stay or the
        # owner's own still names a person worth keeping. 'Email' is the guest's mailbox as the booking gave it,
        # an Airbnb relay too; 'Phone' names no kind. 'Address1' the street, 'Address2' its second line, then
        # 'City', 'State' (the region), 'PostCode' and 'Country' as written, untyped. The unit, the dates, the
        # money, the taxes and the notes are the stay's, nobody's card.
        tels = [(ANY, phone)] if phone else []
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="wavepm_reservations", rows=rows, want=want)


def planyo_users():
    """A High Tatras campsite's customers typed into a sheet for Planyo's
    user import, a blank after every comma as the page's sample has it:
    countries in English, country codes without '+' apart from the numbers,
    a landline for some and a mobile for most, one German region, a guest
    with only a town, and one known only by a given name and a mailbox (the
    two obligatory fields); Slovak, Czech, Polish, Hungarian, German and
    English guests."""
    s = SOURCES["planyo_users"]
    rows, want = [s["header"]], []
    for row in PLANYO83:
        (given, family, mail, country, street, city, code, state, phone, phone_cc, mobile, mobile_cc, _) = row
        rows.append(list(row))
        # 'First name' and 'Last name' the customer; one with a given name alone is that name, FN too. 'email'
        # the mailbox. 'phone' names no kind, 'mobile number' is CELL; each is its country code with '+' and the
        # number as written ('+421 905 412 338'). 'address', 'city', 'zip', 'state' (the region) and 'country'
        # the untyped address; language nobody's. The blanks after the commas belong to no value.
        tels = []
        if phone:
            tels.append((ANY, f"+{phone_cc} {phone}"))
        if mobile:
            tels.append(("CELL", f"+{mobile_cc} {mobile}"))
        adrs = [(None, street, city, state, code, country)] if any((street, city, code, country)) else []
        want.append(card(person(given, family, emails=[mail]), tels=tels, adrs=adrs))
    return dict(source="planyo_users", rows=rows, want=want)


def resmio_gaeste():
    """A Vienna Gasthaus's guests for resmio's guest import, saved as 'CSV
    UTF-8' by an Austrian Excel: whole names in 'name' as resmio asks,
    Austrian numbers dialled at home ('0676 3341882', '01 5874412') and
    international ones, streets with staircase and door ('101/3/14'), no
    country, a bank booking its Christmas party, notes with a semicolon and
    with quotes, four guests without an address and one without a phone;
    Czech, Croatian, Hungarian, Polish, Slovak and Turkish-Austrian guests."""
    s = SOURCES["resmio_gaeste"]
    rows, want = [s["header"]], []
    for name, mail, phone, street, code, city, note in RESMIO83:
        rows.append([name, mail, phone, street, code, city, note])
        # 'name' is the guest's whole name, given name first: FN as written, parted at the first blank. A name
        # that is a firm's ('AG') makes the card that organisation alone. 'email' the mailbox; 'phone' names no
        # kind. 'street', 'zip' and 'city' the untyped address, no country. The note (a table, an allergy, a
        # birthday cake) is the restaurant's, nobody's card.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, "", code, "")] if street else []
        if name.endswith(" AG"):
            want.append(card(person(org=name, emails=[mail]), tels=tels, adrs=adrs))
            continue
        given, family = whole_name(name)
        want.append(card(person(given, family, emails=[mail]), fn=name, tels=tels, adrs=adrs))
    return dict(source="resmio_gaeste", rows=rows, want=want, bom=True)


def clock_guests():
    """A Bratislava boutique hotel's guest profiles from Clock PMS+'s guests
    table: ids, UTC timestamps, an empty 'deleted_at', 'true'/'false'
    consents, title ids as numbers, companions named in 'accompany' (a
    husband, a family, a dog), middle names for three, alpha-2 countries, two
    regions, a fax for two business guests, levels, ages and languages, a
    walk-in without a mailbox; Slovak, Czech, German, Hungarian, British,
    Polish, Romanian, Austrian and Croatian guests, written with LF."""
    s = SOURCES["clock_guests"]
    rows, want = [s["header"]], []
    for row in CLOCK83:
        (_, _, _, _, mail, _, _, _, given, _, family, country, state, city, street, code, phone, fax) = row[:18]
        rows.append(list(row))
        # 'first_name' and 'last_name' the guest, FN the two ('middle_name' may stand between). 'e_mail' the
        # mailbox; 'phone_number' names no kind, 'fax_number' is FAX. 'address', 'city', 'zip_code', 'state'
        # and 'country' (alpha-2, as written) the untyped address. 'person_title_id' is a number, no title;
        # 'accompany' names someone else; 'age' is no birthday; ids, times, consent, level and language nobody's.
        tels = [(kind, n) for kind, n in ((ANY, phone), ("FAX", fax)) if n]
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="clock_guests", rows=rows, want=want, line_end="\n")


def roomkey_guests():
    """A Whistler hotel's guests as its own script writes RoomKey's Guest
    resource to a file, columns in the API's alphabetical order: a main and
    a secondary address each spread over five columns (the second one an
    office in Prague, Toronto and Vancouver), two cells, two mailboxes and
    two phones for some, ISO countries and provinces, salutations in
    'Title' (one missing), guest ids, types, loyalty numbers, VIP flags and
    codes; Czech, Polish, Hungarian, Slovak and Austrian guests among
    Canadians and one from Seattle."""
    s = SOURCES["roomkey_guests"]
    rows, want = [s["header"]], []
    for row in ROOMKEY83:
        (street, street_2, cell, cell_2, city, city_2, country, country_2, _, mail, mail_2, _, given, _, _, _, _,
         family, _, phone, phone_2, state, state_2, title, _, _, code, code_2) = row
        rows.append(list(row))
        # 'FirstName' and 'LastName' the guest, 'Title' the name's prefix. Each '1' column belongs to the main
        # address, each '2' column to the secondary one, a second whole address (not a second street line):
        # both untyped, since 'e.g. work' only suggests. 'Cell1' and 'Cell2' are CELL, 'Phone1' and 'Phone2'
        # name no kind; 'Email1' then 'Email2'. Ids, types, flags, loyalty and VIP codes nobody's.
        tels = [(kind, n) for kind, n in (("CELL", cell), ("CELL", cell_2), (ANY, phone), (ANY, phone_2)) if n]
        adrs = [(None, a, c, r, z, n) for a, c, r, z, n in ((street, city, state, code, country),
                                                            (street_2, city_2, state_2, code_2, country_2)) if a]
        p = person(given, family, title, emails=[m for m in (mail, mail_2) if m])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="roomkey_guests", rows=rows, want=want)


def stays_contacts():
    """A Florianópolis holiday rental's contacts from Stays' e-mail marketing
    sheet, without the mailbox column the stored help leaves unnamed: two
    given names in 'FNAME' for some, locales, '1'/'0' user flags, dates day
    first, the birth date twice ('BIRTHDATE', 'DTBIRTH') and missing for
    four, owners among guests, reservation counts and the last stay's and
    request's dates, towns and countries in Portuguese ('República Tcheca',
    'Polônia'); Czech, Polish, Hungarian, Slovak, German and Argentinian
    guests among Brazilians."""
    s = SOURCES["stays_contacts"]
    rows, want = [s["header"]], []
    for row in STAYS83:
        given, family, _, _, _, born, _, _, _, _, _, _, city, country, _ = row
        rows.append(list(row))
        # 'FNAME' and 'LNAME' the contact, owners as well as guests: both are people the rental writes to.
        # 'BIRTHDATE' the birthday, day first ('DTBIRTH' says the same). 'CITY' and 'COUNTRY' are where the
        # contact lives: an untyped address with a town and a country only. Locale, flags, counts and stay dates
        # nobody's.
        p = person(given, family, birthday=br_date(born) if born else None)
        want.append(card(p, adrs=[(None, "", city, "", "", country)], birthday=bool(born)))
    return dict(source="stays_contacts", rows=rows, want=want)
