"""Forty-third held-out set: HR and school tools' people files (a café
group's rostering, a college tutoring centre's student feed, a university's
alumni upload, an onboarding service's new hires, a Polish school office's
pupils, a German school cloud's pupils and teachers). Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card
from fortythird_headers import SOURCES
from fortythird_people import (ALG24_43, CLICKBOARDING43, DEPUTY43, PORTFOLIUM43, SCHULCLOUD43,
                               TRACCLOUD43)
from people import person


def iso_date(text):
    """'1998-03-14' as (1998, 3, 14), or None where the cell is empty."""
    return tuple(int(x) for x in text.split("-")) if text else None


def dotted_date(text):
    """'04.03.2015' as (2015, 3, 4), or None where the cell is empty."""
    if not text:
        return None
    day, month, year = (int(x) for x in text.split("."))
    return year, month, day


def deputy_team():
    """A Sydney café group's team members for Deputy's bulk import: preferred
    names ('Liv', 'Kuba'), Australian mobiles with the trunk zero, ISO birth
    dates (one missing), units in the street ('4/88 Crown Street'), emergency
    contacts with Polish and Croatian numbers, a leaver's termination date,
    'Y'/'N' invitations, one without a mailbox and one with nothing but name,
    mobile, mailbox and location; Polish, Czech, Hungarian, Slovak and
    Croatian staff among them."""
    s = SOURCES["deputy_team"]
    rows, want = [s["header"]], []
    for row in DEPUTY43:
        (given, family, preferred, mobile, mail, _, _, born, _, street, city, code, state, country) = row[:14]
        rows.append(list(row))
        # Each row is a team member: 'First Name' and 'Last Name'; 'Preferred Name (Display Name)' is what the
        # roster shows, a nickname, not the given name. 'Mobile' is CELL; 'DOB' the birthday. 'Address', 'City',
        # 'State', 'Post Code' and 'Country' the untyped address. The emergency contact is another person: neither
        # name nor phone is on the card. Location, user name, termination date and the invitation are nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=iso_date(born), nickname=preferred)
        adrs = [(None, street, city, state, code, country)] if street else []
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [], adrs=adrs, birthday=bool(born),
                         nickname=bool(preferred)))
    return dict(source="deputy_team", rows=rows, want=want)


def traccloud_students():
    """A Chicago college tutoring centre's students as its information system
    writes them for TracCloud, every field quoted: ids, barcodes, statuses,
    the legal first name beside the preferred one ('Katarzyna' and 'Kasia'),
    middle names and initials, the apartment apart ('Apt 2F', '#12'), home,
    work and cell phones, a preferred-contact code, ISO birth dates; Polish,
    Ukrainian, Czech and Slovak students among Chicago's, one with nothing
    but a mailbox."""
    s = SOURCES["traccloud_students"]
    rows, want = [s["header"]], []
    for row in TRACCLOUD43:
        (_, _, _, _, _, _, legal, preferred, family, _, street, _, city, state, code, country, home, work, cell,
         mail, _, _, born) = row[:23]
        rows.append(list(row))
        # Each row is a student: 'Legal_First' is the given name and 'Last_Name' the family name; 'First_Name',
        # the preferred first name, is a nickname where it differs ('Kasia'), as a preferred name is elsewhere.
        # 'Middle' may give the middle name. 'Street' the street, 'Apt' its second line, apart or after it; with
        # 'City', 'State', 'Zip' and 'Country' the untyped address. 'Home_Phone' HOME, 'Work_Phone' WORK,
        # 'Cell_Phone' CELL; 'Email' the mailbox; 'Birthdate' the birthday. Ids, barcode, statuses, the
        # preferred-contact code, user name, gender and ethnicity are nobody's.
        nickname = preferred if preferred != legal else ""
        p = person(legal, family, emails=[mail], birthday=iso_date(born), nickname=nickname)
        tels = [(kind, n) for kind, n in (("HOME", home), ("WORK", work), ("CELL", cell)) if n]
        adrs = [(None, street, city, state, code, country)] if street else []
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born), nickname=bool(nickname)))
    return dict(source="traccloud_students", rows=rows, want=want, quote_all=True, line_end="\n")


def portfolium_alumni():
    """A Pittsburgh university's alumni for Portfolium's admin upload in the
    lower-case column names of its guide: graduation years, majors and
    degrees, phones written four ways ('412-555-0142', '(412) 555-0177',
    '412.555.0190', '+420 603 111 222'), two without a phone, one without a
    student id; Czech, Slovak, Hungarian and Polish graduates among them."""
    s = SOURCES["portfolium_alumni"]
    rows, want = [s["header"]], []
    for row in PORTFOLIUM43:
        given, family, mail, _, _, _, phone, _ = row
        rows.append(list(row))
        # Each row is a graduate: 'firstname' and 'lastname'; 'email' the mailbox; 'phone' names no kind. The
        # graduation year, major and degree are the university's record, no job title nor organisation; the
        # student id nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="portfolium_alumni", rows=rows, want=want)


def clickboarding_candidates():
    """A Cleveland manufacturer's new hires for Click Boarding's candidate
    import, saved as 'CSV UTF-8' by Excel: the mailbox first, middle names and
    initials, phones as bare digits ('2165550143', Czech and Hungarian ones
    with their country's code but no plus), one without a phone, ids of the
    sign-on and the HR system (one missing); Czech, Polish, Croatian,
    Hungarian and Slovene hires among them."""
    s = SOURCES["clickboarding_candidates"]
    rows, want = [s["header"]], []
    for row in CLICKBOARDING43:
        mail, given, family, _, phone, _, _ = row
        rows.append(list(row))
        # Each row is a candidate: 'First Name' and 'Last Name'; 'Middle Name' may give the middle name, never the
        # given name. 'Email Address' the mailbox; 'Phone Number' names no kind and is kept as its digits stand:
        # '420731456789' is not rewritten with a plus. The two identifiers are nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="clickboarding_candidates", rows=rows, want=want, bom=True)


def alg24_uczniowie():
    """A Cieszyn primary school's pupils for ALG24 Sekretariat, in code page
    1250: lower-case Polish column names without their letters ('imie',
    'plec'), second given names, PESEL numbers (none for the pupils from
    abroad), birth dates 'dd.mm.rrrr', birthplaces with their locative
    ('Cieszynie'), class level and letter apart, register numbers,
    citizenship flags 't'/'n'; Czech, Slovak and Ukrainian pupils among
    them."""
    s = SOURCES["alg24_uczniowie"]
    rows, want = [s["header"]], []
    for row in ALG24_43:
        _, family, given, _, _, born = row[:6]
        rows.append(list(row))
        # Each row is a pupil: 'imie' the given name and 'nazwisko' the family name; 'imie2', the second given
        # name, may be the middle name, never part of the given one. 'data_ur' the birthday, day first. The
        # birthplace and its locative are no address; sex, PESEL, class, numbers and citizenship nobody's.
        p = person(given, family, birthday=dotted_date(born))
        want.append(card(p, birthday=True))
    return dict(source="alg24_uczniowie", rows=rows, want=want)


def schulcloud_nutzer():
    """A Frankfurt (Oder) school's pupils and teachers for the Schul-Cloud's
    import: the English camel-case names of its guide, the school's
    mailboxes, classes joined by '+' for the teachers ('7a+8a+9c'), birthdays
    'dd.mm.yyyy' for the pupils only; Polish, Czech and Hungarian names
    among them, a double family name."""
    s = SOURCES["schulcloud_nutzer"]
    rows, want = [s["header"]], []
    for given, family, mail, classes, born in SCHULCLOUD43:
        rows.append([given, family, mail, classes, born])
        # Each row is a user, pupil or teacher: 'firstName' and 'lastName'; 'email' the mailbox; 'birthday' the
        # birthday, day first. The classes are the school's, no organisation nor job title.
        p = person(given, family, emails=[mail], birthday=dotted_date(born))
        want.append(card(p, birthday=True))
    return dict(source="schulcloud_nutzer", rows=rows, want=want)
