"""Thirty-fourth held-out set: German school tools (an enrolment portal, a
school-bus ticket program, a school management service), an optician's web
shop, a home-care booking service and a Slovak till's loyalty cards. Each
maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtyfourth_headers import SOURCES
from thirtyfourth_people import ANMELDUNG34, AYLOCARE34, ELAISA34, EYECARE34, PORTOS34, SCHULMANAGER34


def german_date(text):
    """'03.02.2014' as (2014, 2, 3)."""
    day, month, year = (int(x) for x in text.split("."))
    return year, month, day


def anmeldung_schueler():
    """A Görlitz secondary school's new pupils for anmeldung.schule: German,
    Polish, Czech and Hungarian names, birth dates 'dd.mm.yyyy', birthplaces
    across the border, 'D' and an empty sex, two pupils without a mailbox."""
    s = SOURCES["anmeldung_schueler"]
    rows, want = [s["header"]], []
    for family, given, born, birthplace, sex, mail in ANMELDUNG34:
        rows.append([family, given, born, birthplace, sex, mail])
        # Each row is a pupil: 'schueler_vorname' and 'schueler_nachname'; 'schueler_email' the mailbox;
        # 'schueler_geburtsdatum' the birthday, day first. The birthplace is no address; the sex nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=german_date(born))
        want.append(card(p, birthday=True))
    return dict(source="anmeldung_schueler", rows=rows, want=want)


def elaisa_schueler():
    """A district's pupils for Elaisa's school-bus tickets, saved as 'CSV
    UTF-8' by a German Excel: classes, birth dates, street with house number,
    the municipality and its district apart ('Peine', 'Dungelbeck'), an 'X'
    for a ticket, empty stop and title columns, the mother's and the father's
    names (some missing); Polish, Czech and Hungarian pupils among them."""
    s = SOURCES["elaisa_schueler"]
    rows, want = [s["header"]], []
    for (family, given, klass, born, street, code, town, district, line, mfamily, mgiven, ffamily,
         fgiven) in ELAISA34:
        rows.append([family, given, klass, born, street, code, town, district, line, "", "", mfamily, mgiven, "",
                     ffamily, fgiven])
        # Each row is a pupil: 'VORNAME' and 'NAME'; 'GEBOREN' the birthday, day first. 'STRASSE', 'PLZ' and
        # 'ORT' the address, untyped, no country; 'ORT' alone is the town: 'ORTSTEIL' (the district) may stand
        # after the street or apart from it, never in the town. The parents' names are other people's, no part
        # of the card; class, line and stop nobody's.
        p = person(given, family, birthday=german_date(born))
        want.append(card(p, adrs=[(None, street, town, "", code, "")], birthday=True))
    return dict(source="elaisa_schueler", rows=rows, want=want, bom=True)


def schulmanager_schueler():
    """A Munich grammar school's pupils for Schulmanager, saved as 'CSV UTF-8'
    by a German Excel: the called name beside all given names ('Sophie' and
    'Sophie Marie'), keys, entry and one leaving date, classes, birth dates
    and places, two parents' mailboxes and phones (the second often empty),
    the school's mailbox of each pupil but one; Polish, Czech, Hungarian,
    Croatian and Slovene pupils among them."""
    s = SOURCES["schulmanager_schueler"]
    rows, want = [s["header"]], []
    for row in SCHULMANAGER34:
        (_, called, _, family, _, _, _, _, born, _, _, _, _, _, _, mail) = row
        rows.append(list(row))
        # Each row is a pupil: 'Rufname' is the given name and 'Nachname' the family name; FN the two. 'Alle
        # Vornamen' may give the card's middle name but is not the given name. 'E-Mail-Adresse Schüler:in' is
        # the pupil's mailbox; 'Geburtsdatum' the birthday. The parents' mailboxes and phones are theirs, other
        # people's, no part of the pupil's card; keys, dates, class and year nobody's.
        p = person(called, family, emails=[mail] if mail else [], birthday=german_date(born))
        want.append(card(p, birthday=True))
    return dict(source="schulmanager_schueler", rows=rows, want=want, bom=True)


def eyecare_customers():
    """An optician's web shop customers for Eyecare Studio's import:
    Singapore addresses with the unit in 'Address 2' ('#05-112'), foreign
    customers (Czech, Polish, Hungarian, Croatian, German, US), firms for two,
    countries as alpha-2, alpha-3 and English names, ISO birth dates (one
    missing), a phone a spreadsheet turned into '6.59876E+07', reward and
    membership columns, 'Yes'/'No'."""
    s = SOURCES["eyecare_customers"]
    rows, want = [s["header"]], []
    for row in EYECARE34:
        (_, given, family, mail, phone, born, firm, street, street2, city, code, state, country) = row[:13]
        rows.append(list(row))
        # Each row is a customer: 'First Name' and 'Last Name'; 'Company' the organisation; 'Email' the mailbox;
        # 'Phone' names no kind; 'DOB' the birthday. 'Address 1' the street, 'Address 2' (a unit, a flat) its
        # second line, then 'City', 'State' (the region), 'Postal Code' and 'Country' as written, untyped. A
        # phone in a spreadsheet's exponent form is lost. User name, group, points and tier are nobody's.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        tels = [(ANY, phone)] if phone and "E+" not in phone else []
        p = person(given, family, org=firm, emails=[mail], birthday=birthday)
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)], birthday=bool(born)))
    return dict(source="eyecare_customers", rows=rows, want=want)


def aylocare_customers():
    """A Brighton home-care agency's clients for Aylocare: the country's code
    ('+44', '+420') apart from the national number, which has no trunk zero,
    Czech, Polish, Hungarian, Irish and Slovak clients among them, two
    without a mailbox, 'Yes'/'No' invitations."""
    s = SOURCES["aylocare_customers"]
    rows, want = [s["header"]], []
    for given, family, country_code, number, mail, invite in AYLOCARE34:
        rows.append([given, family, country_code, number, mail, invite])
        # Each row is a client: 'First Name' and 'Last Name'; the phone is 'Country Code' and 'Phone Number'
        # together ('+44 7700900101'), of no kind; 'Email' the mailbox; the invitation flag nobody's.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, f"{country_code} {number}")]))
    return dict(source="aylocare_customers", rows=rows, want=want)


def portos_zakaznici():
    """A Banská Bystrica café-bakery's loyalty cards from PORTOS, in code page
    1250: card numbers, Slovak and Hungarian names with their letters, a
    card's name for a few ('Ing. Ján Horváth'), cards of a restaurant, the
    town hall and a school with nothing but the card's name, discounts and
    credit rates with decimals."""
    s = SOURCES["portos_zakaznici"]
    rows, want = [s["header"]], []
    for number, given, family, full, discount, credit in PORTOS34:
        rows.append([number, given, family, full, discount, credit])
        # 'FirstName' and 'LastName' are the holder's names; 'FullName', the card's name, is FN as written where
        # it is given, else the two names make it. A card with only 'FullName' belongs to a body: the card is
        # that organisation alone. Card number, discount and credit rate are nobody's.
        if given or family:
            want.append(card(person(given, family), fn=full or None))
        else:
            want.append(card(person(org=full)))
    return dict(source="portos_zakaznici", rows=rows, want=want)
