"""Seventy-sixth held-out set: sports clubs and gyms (a tennis club's family
package, a badminton club's club-night roster, a swim team's meet roster, a
CrossFit box's members, a judo tournament's entry lists and a gym's
athletes). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventysixth_headers import SOURCES
from seventysixth_people import BOXSCORE76, CLUBSPARK76, EPEGBOARD76, HYTEK76, JUDOSHIAI76, WODGURU76


def day_first(text):
    """'14/03/1981' as (1981, 3, 14)."""
    day, month, year = (int(x) for x in text.split("/"))
    return year, month, day


def month_first(text):
    """'03/15/2012' as (2012, 3, 15)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def clubspark_members():
    """A Melbourne tennis club's family package for ClubSpark: four families
    and a single member, each child's row pointing to the parent's contact id,
    juniors without a mailbox as the guide allows, Polish, Czech and
    Hungarian members, Australian birth dates, costs and payments in dollars
    ('$0' on the family's other rows), a postcode as the only address."""
    s = SOURCES["clubspark_members"]
    rows, want = [s["header"]], []
    for row in CLUBSPARK76:
        _, _, given, family, born, mail, _, _, _, _, postcode = row
        rows.append(list(row))
        # Each row is a member, a child as much as a parent: 'First Name' and 'Last Name'; 'Email Address' the
        # mailbox where there is one (a junior's card has none, the parent's is the parent's); 'Date of Birth'
        # the birthday, day first. 'Postcode' is an address with its postal code alone. The contact ids, dates
        # of the package, its cost and the amount paid are nobody's phone, name or address.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born))
        want.append(card(p, adrs=[(None, "", "", "", postcode, "")], birthday=True))
    return dict(source="clubspark_members", rows=rows, want=want)


def epegboard_roster():
    """A Leeds badminton club's club-night roster for ePegboard: whole names
    (a double family name among them), gender written every way the guide
    accepts ('Female', 'M', 'Woman'), UK mobiles and a Leeds landline, a
    Czech number, two without a mailbox, one with neither mailbox nor phone,
    membership types and ratings, some blank."""
    s = SOURCES["epegboard_roster"]
    rows, want = [s["header"]], []
    for name, gender, mail, phone, kind, rating in EPEGBOARD76:
        rows.append([name, gender, mail, phone, kind, rating])
        # 'Name' is FN as written, its first word the given and its last the family name ('Wójcik-Baker' one
        # word). 'Email' the mailbox, 'Phone' a number of no kind. Gender, membership type and rating are
        # nobody's: a rating is no phone.
        given, family = name.split(" ", 1)
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, fn=name, tels=[(ANY, phone)] if phone else []))
    return dict(source="epegboard_roster", rows=rows, want=want)


def hytek_rosters():
    """A Chicago-area swim team's roster for a dual meet in HY-TEK's MEET
    MANAGER: USA Swimming ids built from birth date and names ('031512KATMNOWA',
    an asterisk for no middle name), middle names for most, Polish, Czech and
    Hungarian swimmers, 'F'/'M', birth dates month first (one a leap day), the
    team on every row, preferred names for half ('Kasia', 'Olek')."""
    s = SOURCES["hytek_rosters"]
    rows, want = [s["header"]], []
    for row in HYTEK76:
        _, given, _, family, _, born, _, preferred = row
        rows.append(list(row))
        # Each row is a swimmer: 'Athlete First Name' and 'Athlete Last Name'; FN the two, the middle name at
        # most between them, never the given name. 'Pref name' is what the swimmer is called: the nickname.
        # 'Athlete date of birth' the birthday, month first. The team is the meet's entry, no organisation of
        # the child's; the swimming id is nobody's phone.
        p = person(given, family, birthday=month_first(born), nickname=preferred)
        want.append(card(p, birthday=True, nickname=True))
    return dict(source="hytek_rosters", rows=rows, want=want)


def wodguru_members():
    """A Kraków CrossFit box's members for WodGuru's migration file: family
    and given name in one cell ('Nowak Anna', a double family name among
    them), phones written every way the sheet allows ('+48600100200',
    '601-234-567', '+36-30-123-4567'), a flat or a dorm room in address_2,
    Czech members from Praha and Brno, countries as 'Polska', 'Czechia' and
    'CZ', one member without a mailbox, one without a phone, two without a
    birthday, passes with expiry dates or sessions left, scanner codes,
    injuries in a note column and ten-digit VAT ids for two paid by a firm."""
    s = SOURCES["wodguru_members"]
    rows, want = [s["header"]], []
    for row in WODGURU76:
        (name, mail, phone, _, _, _, _, _, street, _, city, code, born, country, _, _) = row
        rows.append(list(row))
        # 'last_first_name' is FN as written; its first word is the family name and the rest the given name.
        # 'email' the mailbox, 'phone' a number of no kind, kept as written. 'address_1' the street, 'address_2'
        # its second line (a flat, a room), then 'city', 'postal_code' and 'country' as written, untyped.
        # 'birthday' the birthday. Gender, pass, expiry, sessions, card code, the injury note and the VAT id
        # are nobody's phone, name or address: a ten-digit VAT id is no number to call.
        family, given = name.split(" ", 1)
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, fn=name, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, street, city, "", code, country)], birthday=bool(born)))
    return dict(source="wodguru_members", rows=rows, want=want)


def judoshiai_meldungen():
    """A judo tournament's entries in Görlitz, the host club's and its Czech
    and Polish neighbours' lists joined into one Meldungen file: family name
    first, birth years only, kyu and dan grades ('2k', '1d'), clubs,
    'GER'/'CZE'/'POL'/'HUN', weight categories, 'm'/'w', remarks with commas
    that name a coach and his number."""
    s = SOURCES["judoshiai_meldungen"]
    rows, want = [s["header"]], []
    for row in JUDOSHIAI76:
        family, given = row[0], row[1]
        rows.append(list(row))
        # Each row is a fighter: 'Vorname' and 'Name'. A birth year is no birthday; 'Land' the team's nation, no
        # address; 'Verein' the club the fighter starts for, no organisation. The remark's coach and number are
        # another person's, no part of the card; grade, category and sex nobody's.
        want.append(card(person(given, family)))
    return dict(source="judoshiai_meldungen", rows=rows, want=want)


def boxscore_athletes():
    """A Chicago CrossFit gym's athletes for BoxScore Fitness: the mailbox
    first, US phones written four ways ('(773) 555-0142', '773.555.0199',
    '7735550123'), Czech and Slovak members with their own numbers and a
    Plzeň address, apartments and a suite in 'Address Line 2', countries as
    'US', 'USA', 'United States' and 'Czech Republic', one empty, one athlete
    without a phone and one without an address, membership uids shared by
    many."""
    s = SOURCES["boxscore_athletes"]
    rows, want = [s["header"]], []
    for row in BOXSCORE76:
        mail, given, family, phone, street, _, city, state, code, country, _ = row
        rows.append(list(row))
        # Each row is an athlete: 'First Name' and 'Last Name'; 'Email Address' the mailbox; 'Phone Number' a
        # number of no kind. 'Address Line 1' the street, 'Address Line 2' its second line, then 'City',
        # 'State' (the region), 'Zip Code' and 'Country' as written, untyped. The membership uid is nobody's.
        adrs = [(None, street, city, state, code, country)] if street or city or code else []
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="boxscore_athletes", rows=rows, want=want)
