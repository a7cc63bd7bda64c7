"""Forty-fourth held-out set: sports clubs', federations' and associations'
member files (a futsal competition's players, a cycling club's members of an
events plugin, a camera club's competition entrants, an athletics meet's
entries, a provincial cycling association's bulk upload, a Danish football
club's players). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from fortyfourth_headers import SOURCES
from fortyfourth_people import (EME44, IMAGEPREPARE44, KLUBOFFICE44, ROSTER44, SPORTLOMO44, SPORTSM8_44)
from people import person


def iso_date(text):
    """'2008-04-17' as (2008, 4, 17), or None where the cell is empty."""
    return tuple(int(x) for x in text.split("-")) if text else None


def danish_date(text):
    """'14-03-2011' or the short '150312' as (year, month, day); a two-digit
    year is this century's when that puts it in the past, as for every junior
    player, else the last century's."""
    if "-" in text:
        day, month, year = (int(x) for x in text.split("-"))
    else:
        day, month, year = int(text[:2]), int(text[2:4]), int(text[4:])
        year += 2000 if year <= 26 else 1900
    return year, month, day


def sportsm8_members():
    """A Sydney social futsal competition's players for SportsM8: a record's
    Guid for carried-over players only, the association's player numbers (one
    missing), Australian mobiles and a Sydney landline in brackets, one Czech
    and one with the country's code, a player without a phone and one without
    a mailbox, notes with commas and another person's name and number in
    them; Czech, Polish, Hungarian and Slovak players among them."""
    s = SOURCES["sportsm8_members"]
    rows, want = [s["header"]], []
    for guid, login, number, given, family, phone, mail, notes in SPORTSM8_44:
        rows.append([guid, login, number, given, family, phone, mail, notes])
        # Each row is a player: 'firstname' and 'surname'; 'phone' names no kind; 'email' the mailbox. The notes
        # are free text: a name or a number in them is someone else's or a remark, never the player's card.
        # The Guid, login id and player number are nobody's.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="sportsm8_members", rows=rows, want=want)


def eme_members():
    """A Ghent cycling club's members for Events Made Easy, every field
    quoted as its examples are: family name first, a bus and a flat number
    in 'address2', provinces, countries as 'BE', 'Belgium' and 'CZ', mobiles
    and landlines with and without the country's code, two without a phone,
    '0'/'1' flags, memberships, statuses and ISO dates; Czech, Polish and
    Hungarian members among them."""
    s = SOURCES["eme_members"]
    rows, want = [s["header"]], []
    for row in EME44:
        family, given, mail, phone, street, _, city, state, code, country = row[:10]
        rows.append(list(row))
        # Each row is a member: 'firstname' and 'lastname' (family first in the file); 'email' the mailbox;
        # 'phone' names no kind. 'address1' the street, 'address2' its second line, then 'city', 'state' (the
        # province), 'zip' and 'country' as written, untyped. Flags, membership, status and dates are nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, state, code, country)]))
    return dict(source="eme_members", rows=rows, want=want, quote_all=True)


def imageprepare_members():
    """A Leeds camera club's members for ImagePrepare: photographic
    distinctions after some names ('ARPS', 'LRPS CPAGB', 'ARPS EFIAP'), code
    numbers, a member without a mailbox; Czech, Polish and Hungarian members
    among them."""
    s = SOURCES["imageprepare_members"]
    rows, want = [s["header"]], []
    for given, family, distinctions, mail, number in IMAGEPREPARE44:
        rows.append([given, family, distinctions, mail, number])
        # Each row is a member: 'First Name' and 'Last Name'; 'Email Address' the mailbox. 'Distinctions' are
        # the letters after the name, the card's suffix where kept, never part of the family name nor of FN,
        # nor a title or an organisation. The code number is nobody's.
        p = person(given, family, suffix=distinctions, emails=[mail] if mail else [])
        want.append(card(p))
    return dict(source="imageprepare_members", rows=rows, want=want)


def rosterathletics_entries():
    """A Kraków youth athletics meet's entries for Roster Athletics, saved
    as 'CSV UTF-8' by Excel: entry and start list numbers, second given names
    in 'MiddleName', two athletes with only 'FullName', birth dates and for
    three only the year, 'Male'/'Female', POL, CZE, SVK and HUN, Tilastopaja
    ids for a few, empty relay and school grade columns; Polish, Czech,
    Slovak and Hungarian athletes."""
    s = SOURCES["rosterathletics_entries"]
    rows, want = [s["header"]], []
    for row in ROSTER44:
        (_, _, _, full, given, middle, family, _, _, _, born, _, _, _) = row
        rows.append(list(row))
        # Each row is an athlete: 'FirstName' and 'LastName', 'MiddleName' never part of the given name. Where
        # only 'FullName' is given it is FN as written, its first word the given name and its last the family
        # name. 'DateOfBirth' the birthday; a year of birth alone is no birthday. Country, sex and ids nobody's.
        if full:
            words = full.split()
            p = person(words[0], words[-1], birthday=iso_date(born))
            want.append(card(p, fn=full, birthday=True))
        else:
            p = person(given, family, birthday=iso_date(born))
            want.append(card(p, birthday=True))
    return dict(source="rosterathletics_entries", rows=rows, want=want, bom=True)


def sportlomo_members():
    """An Ontario provincial cycling association's bulk upload for
    Sportlomo: the five highlighted columns, a family's one mailbox on two
    children's rows, clubs and membership types; Polish, Czech, Hungarian,
    Ukrainian and Slovak members among them."""
    s = SOURCES["sportlomo_members"]
    rows, want = [s["header"]], []
    for given, family, mail, club, membership in SPORTLOMO44:
        rows.append([given, family, mail, club, membership])
        # Each row is a member: 'First name' and 'Last name'; 'Email' the mailbox, on each card that has it.
        # 'Club name' is the club the member rides for, the card's organisation; the membership type nobody's.
        p = person(given, family, org=club, emails=[mail])
        want.append(card(p))
    return dict(source="sportlomo_members", rows=rows, want=want)


def kluboffice_spillere():
    """A Valby football club's youth players for DBU's KlubOffice, saved as
    'CSV UTF-8' by a Danish Excel: floors and sides after the street ('2.
    th.'), postal codes without a town, birth dates 'dd-mm-åååå' and once the
    short 'ddmmåå', '0'/'1' for the sex, a parent's mailbox for some, two
    without one, joining dates; Polish, Czech and Hungarian players among
    them."""
    s = SOURCES["kluboffice_spillere"]
    rows, want = [s["header"]], []
    for given, family, street, code, born, sex, mail, joined in KLUBOFFICE44:
        rows.append([given, family, street, code, born, sex, mail, joined])
        # Each row is a player: 'Fornavn' and 'Efternavn'; 'Email1' the mailbox, a parent's included, as the
        # club reaches the player there. 'Adresse 1' the street with its floor and side, 'Postnummer' its
        # postal code, no town and no country, untyped. 'Fødselsdato' the birthday, day first, the short form
        # too; the joining date no birthday, the sex nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=danish_date(born))
        want.append(card(p, adrs=[(None, street, "", "", code, "")], birthday=True))
    return dict(source="kluboffice_spillere", rows=rows, want=want, bom=True)
