"""Forty-seventh held-out set: public and non-profit registers and lists (a
church's members, a parish's members, a town library's patrons, a school's
conference people, a digital library's patrons, a charity's donors). Each
maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from fortyseventh_headers import SOURCES
from fortyseventh_people import (ACTIVEDONOR47, CANTOOK47, CHURCHSOCIAL47, PARISHSOFT47, PICKATIME47,
                                 WEBLIBRARIAN47)
from people import person


def us_date(text):
    """'04/11/1951' as (1951, 4, 11)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def churchsocial_members():
    """A Hamilton (Ontario) Reformed congregation's members for Church Social's
    member import: names at birth beside the names now (a maiden name, middle
    names), baptism and profession of faith with their churches and ministers
    (Dutch, Hungarian, Czech and Polish ones), ISO dates, one birth date
    missing, country and province codes ('CA', 'ON'), one member across the
    border in Buffalo, one without an address, an empty mailing address."""
    s = SOURCES["churchsocial_members"]
    rows, want = [s["header"]], []
    for row in CHURCHSOCIAL47:
        given, family, born = row[0], row[1], row[6]
        street, city, country, region, code = row[16:21]
        rows.append(list(row))
        # Each row is a member: 'first_name' and 'last_name' the names now; the birth names are the past (a
        # maiden name is no family name). 'birth_date' the birthday. 'address', 'city', 'region', 'postal_code'
        # and 'country' the address, untyped, the codes as written. The churches and ministers of baptism and
        # profession are other bodies and people, no organisation and no name on the card.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, birthday=birthday)
        adrs = [(None, street, city, region, code, country)] if street else []
        want.append(card(p, adrs=adrs, birthday=bool(born)))
    return dict(source="churchsocial_members", rows=rows, want=want)


def parishsoft_members():
    """A Chicago parish's members for ParishSOFT Family Suite's contact import:
    the parish's member keys, Polish, Czech, Hungarian, Irish and Mexican
    names, nicknames, middle and maiden names, the household's name beside the
    member's own ('Kowalska' in the 'Kowalski' family, 'Dvořáková' in the
    'Svoboda' one), a home phone two members share, home, mobile and work
    phones, a pager and a fax, US phone notation, birth dates mm/dd/yyyy,
    empty dates of death, the language of each member."""
    s = SOURCES["parishsoft_members"]
    rows, want = [s["header"]], []
    for row in PARISHSOFT47:
        (_, family, given, nick, _, _, _, mail, home, mobile, work, pager, fax, _, born, _, _) = row
        rows.append(list(row))
        # Each row is a member: 'Member First' and 'Member Last' the names, whatever the household is called
        # ('Family Last Name' names the household, not the member); 'Middle Name' may stand in the card's middle
        # name; 'Maiden Name' is past. 'Nick Name' the nickname; 'Member E-Mail' the mailbox; 'Birth Date' the
        # birthday, month first. Each phone keeps its column's kind: home HOME, mobile CELL, work WORK, pager
        # PAGER, fax FAX. Key, gender and language are nobody's.
        tels = [(kind, number) for kind, number in (("HOME", home), ("CELL", mobile), ("WORK", work),
                                                    ("PAGER", pager), ("FAX", fax)) if number]
        p = person(given, family, emails=[mail] if mail else [], birthday=us_date(born), nickname=nick)
        want.append(card(p, tels=tels, birthday=True, nickname=True))
    return dict(source="parishsoft_members", rows=rows, want=want)


def weblibrarian_patrons():
    """A Pennsylvania town library's patrons for Web Librarian's bulk upload:
    card numbers, Slovak, Polish and Pennsylvania names (some with Slovak
    letters), middle names and initials in 'extraname', flats and a post
    office box on the second street line, two-letter states, ZIP codes, one
    patron without a phone, fines with cents, expiry dates."""
    s = SOURCES["weblibrarian_patrons"]
    rows, want = [s["header"]], []
    for row in WEBLIBRARIAN47:
        (_, given, family, _, street, _, city, state, code, phone, _, _) = row
        rows.append(list(row))
        # Each row is a patron: 'firstname' and 'lastname' the names; 'extraname' (a middle name or initial) may
        # stand in the card's middle name. 'address1' the street, 'address2' its second line (a flat, a box),
        # then 'city', 'state' (the region) and 'zip', untyped, no country. 'telephone' names no kind. Card
        # number, fines and expiry are nobody's.
        p = person(given, family)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, state, code, "")]))
    return dict(source="weblibrarian_patrons", rows=rows, want=want)


def pickatime_people():
    """A Vienna international school's people for a Pick-A-Time conference
    event, tab-delimited: teachers, parents and students with their ids
    ('T014', 'P2031', 'S5520'), Austrian, Czech, Slovak, Croatian, Hungarian
    and English names, one mailbox each, parents and children sharing a
    family name."""
    s = SOURCES["pickatime_people"]
    rows, want = [s["header"]], []
    for pid, given, family, mail in PICKATIME47:
        rows.append([pid, given, family, mail])
        # Each row is a person, teacher, parent or student alike: 'First' and 'Last' the names; 'Email' the
        # mailbox. The id's letter tells the role, no job title; the school is not named, so no organisation.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="pickatime_people", rows=rows, want=want)


def cantook_patrons():
    """A Québec town library's patrons for Cantook Library's batch import:
    card numbers as identifiers, one 'Name' column (given then family name,
    hyphenated given and family names, Czech, Slovak, Polish, Hungarian and
    Slovene names), two patrons with a mailbox and no name, two with a
    password and no mailbox."""
    s = SOURCES["cantook_patrons"]
    rows, want = [s["header"]], []
    for ident, name, mail, password in CANTOOK47:
        rows.append([ident, name, mail, password])
        # 'Name' is the given name followed by the family name: the last word the family name ('Côté-Lavoie'
        # one word). A mailbox without a name is a card whose FN is the mailbox: nothing says it is a body. The
        # identifier (the card number) and the password are nobody's.
        given, _, family = name.rpartition(" ")
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p))
    return dict(source="cantook_patrons", rows=rows, want=want)


def activedonor_donors():
    """A Cape Town animal welfare charity's donors for ActiveDonor's import,
    saved as 'CSV UTF-8' by Excel: salutations, individuals and entities (a
    company, a trust, an NPC, a close corporation) in one file, ten-digit tax
    numbers that look like phone numbers ('0123456789'), thirteen-digit ID
    numbers, registration numbers with slashes, passports of Czech, Polish and
    Austrian donors, a double family name."""
    s = SOURCES["activedonor_donors"]
    rows, want = [s["header"]], []
    for salutation, given, family, entity, tax, ident, country in ACTIVEDONOR47:
        rows.append([salutation, given, family, entity, tax, ident, country])
        # With 'First Name' and 'Last Name' the donor is that person ('Salutation' the name's prefix); with
        # 'Entity Name' alone the donor is that body, the organisation alone. Tax, ID and registration numbers
        # are numbers, no phones; the country of issue belongs to the document, no address.
        if given or family:
            want.append(card(person(given, family, prefix=salutation)))
        else:
            want.append(card(person(org=entity)))
    return dict(source="activedonor_donors", rows=rows, want=want, bom=True)
