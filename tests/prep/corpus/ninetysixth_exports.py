"""Ninety-sixth held-out set: people who back a cause. A volunteer platform's
import, a campaign's text list and another's phone-bank group, a tenants'
union's volunteer texters, a school's service-hours roster and a charity's
Gift Aid donors. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from ninetysixth_headers import SOURCES
from ninetysixth_people import (GETTHRU96, GIFTAID96, GIFTAID96_AGGREGATED, HUSTLE96, MOBILESERVE96, POINT96,
                                SPOKE96)

# Words the texting tools put where a name is unknown: no part of anybody's name.
NAME_PLACEHOLDERS = {"friend", "there", "Null"}


def iso_date(text):
    """'1986-03-14' as (1986, 3, 14)."""
    return tuple(int(x) for x in text.split("-"))


def us_date(text):
    """'03-14-2008' (month first) as (2008, 3, 14)."""
    month, day, year = (int(x) for x in text.split("-"))
    return year, month, day


def real(name):
    return "" if name in NAME_PLACEHOLDERS else name


def point_volunteers():
    """A Chicago refugee welcome centre's volunteers for POINT's import:
    camelCase columns, ISO birth dates (one missing), bios and notes with
    commas and semicolons, languages as 'pl, en', numbers in five shapes and
    one Polish mobile, flats and suites on the second line, one address pasted
    whole into addressLine1, a visitor with no address and one volunteer
    without a phone; Polish, Czech, Slovak, Hungarian and Ukrainian names."""
    s = SOURCES["point_volunteers"]
    rows, want = [s["header"]], []
    for row in POINT96:
        (given, family, mail, born, _, _, _, _, _, _, phone, line1, _, city, state, code) = row
        rows.append(list(row))
        # Each row is a volunteer: 'firstName' and 'lastName', 'email' the mailbox, 'birthdate' the birthday;
        # 'phone' names no kind. 'addressLine1' the street ('addressLine2', a flat or suite, its second line),
        # 'city', 'state' (the region) and 'zipCode', untyped, no country. An address pasted whole into
        # 'addressLine1', as the help allows, is still that address: street before the first comma, then the
        # town, then the state and the ZIP. Gender, bio, shirt size, diet, languages and notes are nobody's.
        if line1 and not city and "," in line1:
            street, city, rest = (x.strip() for x in line1.split(","))
            state, code = rest.split()
        else:
            street = line1
        adrs = [(None, street, city, state, code, "")] if street else []
        p = person(given, family, emails=[mail], birthday=iso_date(born) if born else None)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs, birthday=bool(born)))
    return dict(source="point_volunteers", rows=rows, want=want)


def spoke_contacts():
    """A Pittsburgh state House campaign's get-out-the-vote list for Spoke:
    cells in six US shapes, ZIP codes (one ZIP+4, one missing), VAN ids
    (some empty), the polling place as a custom column (two with a comma,
    quoted), 'friend' and 'there' for unknown first names, one name in
    capitals; Slovak, Polish, Hungarian and Croatian family names of the
    city's old parishes."""
    s = SOURCES["spoke_contacts"]
    rows, want = [s["header"]], []
    for row in SPOKE96:
        first, last, cell, code = row[:4]
        rows.append(list(row))
        # Each row is a voter: 'firstName' and 'lastName' as written (capitals kept); 'friend' and 'there' are
        # the tool's words for a first name nobody knows, so the card has the last name alone. 'cell' is CELL.
        # 'zip' is an address with its postal code alone. The VAN id is nobody's; the polling place is where
        # the voter votes, no address of the voter's.
        p = person(real(first), last)
        want.append(card(p, tels=[("CELL", cell)], adrs=[(None, "", "", "", code, "")] if code else []))
    return dict(source="spoke_contacts", rows=rows, want=want)


def getthru_group():
    """A Cleveland ballot-issue campaign's phone-bank group for GetThru: the
    three standard columns only, 'friend' for an unknown first name and
    'Null' for an unknown last name as the help advises, numbers in six
    shapes; Polish, Czech, Slovak and Hungarian names."""
    s = SOURCES["getthru_group"]
    rows, want = [s["header"]], []
    for first, last, phone in GETTHRU96:
        rows.append([first, last, phone])
        # Each row is a voter: 'first_name' and 'last_name', less the placeholders ('friend', 'Null'), which are
        # nobody's name: FN is what is left. 'phone' may be a landline (the group is called as well as texted),
        # so it names no kind.
        p = person(real(first), real(last))
        want.append(card(p, tels=[(ANY, phone)]))
    return dict(source="getthru_group", rows=rows, want=want)


def hustle_agents():
    """A Minneapolis tenants' union's volunteer texters for Hustle: the whole
    name in one cell (a hyphenated family name), the preferred name beside it
    ('Katka', 'Gosia', 'Peggy'), empty for two; Czech, Polish, Hungarian and
    Slovak volunteers among them."""
    s = SOURCES["hustle_agents"]
    rows, want = [s["header"]], []
    for full, preferred, mail in HUSTLE96:
        rows.append([full, preferred, mail])
        # Each row is a volunteer: 'Full name' is FN as written, its first word the given name and the rest the
        # family name; 'Preferred name' is what the volunteer is called, the card's nickname, never the given
        # name. 'Email' the mailbox.
        given, family = full.split(" ", 1)
        p = person(given, family, emails=[mail], nickname=preferred)
        want.append(card(p, fn=full, nickname=True))
    return dict(source="hustle_agents", rows=rows, want=want)


def mobileserve_users():
    """A Milwaukee high school's service-hours roster for MobileServe:
    lower-case mailboxes as the help asks, organisation codes (several in one
    quoted cell), TRUE/FALSE admin flags (empty for two), birth dates month
    first (a leap day), two teachers with no birth date, a double given
    name; Hungarian, Polish, Czech and Spanish names."""
    s = SOURCES["mobileserve_users"]
    rows, want = [s["header"]], []
    for mail, given, family, codes, admin, born in MOBILESERVE96:
        rows.append([mail, given, family, codes, admin, born])
        # Each row is a student or teacher: 'first_name' and 'last_name', 'email' the mailbox, 'dob' the
        # birthday, month first. The organisation codes name the school's programmes, no organisation; the
        # admin flag is nobody's.
        p = person(given, family, emails=[mail], birthday=us_date(born) if born else None)
        want.append(card(p, birthday=bool(born)))
    return dict(source="mobileserve_users", rows=rows, want=want)


def giftaid_schedule():
    """A Bradford food bank's Gift Aid donors on HMRC's schedule, saved as
    'CSV UTF-8' by Excel: titles up to four letters ('Prof', 'Rev'), one
    missing; a first initial for two; a double-barrelled name with a space
    for its hyphen; house names ('Rose Cottage', 'The Vicarage') or numbers
    ('27a', 'Flat 3') with the postcode and no street or town; two runners of
    a sponsored walk; DD/MM/YY dates and amounts; a last line of small gifts
    added together with no donor. Polish, Slovak, Hungarian and Czech donors
    among the Yorkshire ones."""
    s = SOURCES["giftaid_schedule"]
    rows, want = [s["header"]], []
    for title, first, last, house, postcode, sponsored, date, amount in GIFTAID96:
        rows.append([title, first, last, house, postcode, "", sponsored, date, amount])
        # Each row is a donor: 'Title' the name's prefix, never in FN; 'First name' (an initial for some) and
        # 'Last name' as written ('Kowalska Brown' keeps its space). 'House name or number' and 'Postcode' are
        # the donor's address as far as the schedule holds it: the house is the street line, no town; untyped,
        # no country. Sponsored-event flag, date and amount are nobody's.
        p = person(first, last, prefix=title)
        want.append(card(p, adrs=[(None, house, "", "", postcode, "")]))
    # The aggregated line is a sum of small gifts with a description and no donor: it must give no card.
    description, date, amount = GIFTAID96_AGGREGATED
    footer = ",,,,," + description + ",," + date + "," + amount + "\r\n"
    return dict(source="giftaid_schedule", rows=rows, want=want, bom=True, footer=footer)
