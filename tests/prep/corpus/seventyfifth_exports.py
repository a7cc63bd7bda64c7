"""Seventy-fifth held-out set: travel tools (a tour operator's rooming list,
an air booking tool's traveller profiles, a tour operator's travel agents and
corporate clients, a travel management company's traveller profiles, a trip
organiser's participants and a tour booking platform's customers). Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, csv_text
from people import person
from seventyfifth_headers import SOURCES
from seventyfifth_people import (AIRGATEWAY75, PODIUMIO75, TOURPILOT75, TOURPLAN75, TRAVELBOOSTER75,
                                 UMBRELLA75)


def day_first(text, sep):
    """'14/03/1958' as (1958, 3, 14)."""
    day, month, year = (int(x) for x in text.split(sep))
    return year, month, day


def any_of_four(text):
    """A birth date in one of BookingPad's four formats, or None."""
    if not text:
        return None
    sep = "/" if "/" in text else "-"
    parts = text.split(sep)
    if len(parts[0]) == 4:
        return tuple(int(x) for x in parts)
    return day_first(text, sep)


def tourplan_rooming():
    """An Auckland inbound operator's rooming list for a Czech and Polish
    coach group, saved as 'CSV UTF-8' by Excel: room keys shared by the room's
    guests, room and pax types, 'Mr'/'Mrs'/'Master', birth dates as dates, as
    an age ('67') or '0' for unknown, passports, meal and seat notes, the New
    Zealand driver guide without a passport."""
    s = SOURCES["tourplan_rooming"]
    rows, want = [s["header"]], []
    for row in TOURPLAN75:
        _, _, title, given, family, _, born, _, _ = row
        rows.append(list(row))
        # Each row is a passenger: 'Forename' and 'Surname'; 'Title' the salutation, no job title. 'BirthDate' is
        # the birthday only where it is a date: an age or the '0' for unknown gives none. Room key and type, pax
        # type, passport and notes are nobody's name, phone or address.
        birthday = day_first(born, "/") if "/" in born else None
        want.append(card(person(given, family, birthday=birthday), prefix=title, birthday=bool(birthday)))
    return dict(source="tourplan_rooming", rows=rows, want=want, bom=True)


def airgateway_travelers():
    """A Barcelona agency's traveller profiles for a Prague firm's corporate
    account in BookingPad: traveller codes, Czech, Spanish, Hungarian and
    Polish staff, a double family name ('Ferrer Soler'), birth dates in all
    four allowed formats (one a leap day, one missing), two without a
    mailbox and one without a phone, home airports."""
    s = SOURCES["airgateway_travelers"]
    rows, want = [s["header"]], []
    for row in AIRGATEWAY75:
        _, given, family, mail, phone, born, _, _ = row
        rows.append(list(row))
        # Each row is a traveller: 'first_name' and 'last_name' (both family names of a Spaniard are the family
        # name); 'email' the mailbox; 'phone' names no kind; 'date_of_birth' the birthday whichever of the four
        # formats it is in, a four-digit first part being the year. Code, sex and airport are nobody's.
        birthday = any_of_four(born)
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], birthday=bool(birthday)))
    return dict(source="airgateway_travelers", rows=rows, want=want)


def travelbooster_agents():
    """A Tel Aviv tour operator's travel agents and corporate clients from
    Travel Booster's sheet: Czech, Polish, Slovak, Hungarian, Slovene and
    Austrian agencies beside Israeli ones, currencies, credit limits and
    payment terms, a manager's name for some, one agency without a mailbox,
    faxes for half, markets."""
    s = SOURCES["travelbooster_agents"]
    rows, want = [s["header"]], []
    for (name, currency, limit, kind, terms, days, manager, street, city, region, country, code, mail, phone, fax,
         market) in TRAVELBOOSTER75:
        rows.append([name, currency, limit, kind, terms, days, "", "", "", "", "", "", "", "", "", "",
                     "Email" if mail else "Fax", manager, "", street, city, region, country, code, mail, phone, fax,
                     market, ""])
        # Each row is a firm, an agency or a corporate client: the card is that organisation alone, FN and ORG
        # 'Company Name'. 'Manager' names the firm's manager on its record, not whom the card is for. 'E-mail' the
        # mailbox; 'MainPhone' of no kind, 'Main fax' a fax; 'Address', 'City', 'Province/State', 'Postal code'
        # and 'Country' the untyped address. Currency, credit, terms and market are nobody's.
        tels = [(ANY, phone)] + ([("FAX", fax)] if fax else [])
        p = person(org=name, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[(None, street, city, region, code, country)]))
    return dict(source="travelbooster_agents", rows=rows, want=want, bom=True)


UMBRELLA_LABELS = ["Action", "Database No.", "Faces Username", "E-Mail Address", "User language",
                   'Gender (Faces field"Greeting")', "Title", "Surname", "Middlename", "Firstname", "Date of birth",
                   "Citizenship", "Other forms of payment", "Hotel guarantee", "Guarantee rental car", "Webcard",
                   "Phone Business", "Phone private", "Mobile", "Itinerary / e-ticket (yes/no)", "Seat Request",
                   "Meal Request", "Smoker", "Traveller", "Arranger / Assistance", "Approver", "general.comment",
                   "Company / Profile no.", "Database No. Company", "Company / Company Name"]


def umbrella_travellers():
    """A Zurich travel management company's traveller profiles from Umbrella
    Faces: the second line naming each field in words, new profiles without
    a uuid, Czech, Polish, Hungarian, Slovak and Slovene travellers among the
    Swiss, 'MR'/'MRS'/'U' and 'DR'/'PROF', business, private and mobile
    phones, meal and seat wishes, two companies by profile number and name."""
    s = SOURCES["umbrella_travellers"]
    header = s["header"]
    rows, want = [header], []
    for (action, uuid, user, mail, language, greeting, title, family, middle, given, born, nationality, business,
         private, mobile, meal, comment, locator, firm) in UMBRELLA75:
        seat = comment if comment.endswith("seat") else ""
        note = "" if seat else comment
        rows.append([action, uuid, user, mail, language, greeting, title, family, middle, given, born, nationality,
                     "", "", "", "", business, private, mobile, "", seat, meal, "", "", "", "", note, locator, "",
                     firm])
        # Each row after the line of field names is a traveller: 'firstname' and 'name'; 'title' the prefix,
        # 'gender' a greeting and no part of the name; 'company.name' the organisation. 'phoneBusiness' WORK,
        # 'phonePrivate' HOME, 'phoneMobile' CELL; 'email' the mailbox, the user name none; 'birthdate' the
        # birthday. The second line names the fields and is nobody's card.
        tels = [(t, n) for t, n in (("WORK", business), ("HOME", private), ("CELL", mobile)) if n]
        birthday = day_first(born, ".") if born else None
        p = person(given, family, org=firm, emails=[mail], birthday=birthday)
        want.append(card(p, tels=tels, prefix=title, birthday=bool(birthday)))
    text = csv_text([header, UMBRELLA_LABELS] + rows[1:], s["separator"])
    return dict(source="umbrella_travellers", rows=rows, want=want, text=text)


def tourpilot_participants():
    """A Kraków walking-tour organiser's participants for TourPilot: Polish,
    Czech, German, English, Hungarian and Slovak guests, a double family name,
    birth dates 'DD.MM.YYYY' (one missing), one without a mailbox and one
    without a phone."""
    s = SOURCES["tourpilot_participants"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, born in TOURPILOT75:
        rows.append([given, family, mail, phone, born])
        # Each row is a participant: 'First Name' and 'Last Name'; 'Email' the mailbox; 'Phone' names no kind;
        # 'Date of Birth' the birthday, day first.
        birthday = day_first(born, ".") if born else None
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], birthday=bool(birthday)))
    return dict(source="tourpilot_participants", rows=rows, want=want)


def podiumio_customers():
    """A Vancouver whale-watching operator's customers for PodiumIO: customer
    numbers (two blank, to be made), Canadian and Central European guests,
    a unit apart from the street ('1504'), a second street line for two,
    provinces and countries written out, phones as '+1 (604) 555-0142',
    a phone, a mobile or both."""
    s = SOURCES["podiumio_customers"]
    rows, want = [s["header"]], []
    for row in PODIUMIO75:
        (_, mail, given, family, _, street, street2, unit, city, region, country, code, phone, mobile) = row
        rows.append(list(row))
        # Each row is a customer: 'First Name' and 'Last Name'; 'Email Address' the mailbox. 'Address1' the street,
        # 'Address2' and 'Address Unit' further lines after it or apart; 'City', 'Province/State' (the region),
        # 'Postal Code/Zipcode' and 'Country' as written, the address untyped. 'Phone Number' of no kind, 'Mobile
        # Number' CELL. Customer number and sex are nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, street, city, region, code, country)]))
    return dict(source="podiumio_customers", rows=rows, want=want)
