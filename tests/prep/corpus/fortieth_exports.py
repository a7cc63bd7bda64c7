"""Fortieth held-out set: a Danish membership system's group members, a Dutch
member administration of a parish choir, a volunteer center's partner
agencies, a food bank's volunteers, a festival's volunteers and staff, and a
parish's gifts from a church management system. Each maker returns a dict as
crm_exports.py's do."""
import re

from export_kit import ANY, card
from fortieth_headers import SOURCES
from fortieth_people import FELLOWSHIPONE40, GALAXY40, ITERAS40, PCLEDEN40, VOME40, VTEVENTS40
from people import person

# A line of a postal code and its town, as Danish, Swedish, Polish and Czech letters write it.
POSTAL_LINE = re.compile(r"^(\d{4}|\d{3} \d{2}|\d{2}-\d{3}|\d{5}) (.+)$")


def split_name(name):
    """'Anne Marie Bech' as ('Anne Marie', 'Bech'): the last word the family name."""
    words = name.split()
    return " ".join(words[:-1]), words[-1]


def iteras_medlemmer():
    """A Copenhagen choir association's group memberships for ITERAS, saved as
    'CSV UTF-8' by a Danish Excel: the whole name in 'Navn', the address as
    lines with the postal code and town in one ('2200 København N', '211 42
    Malmö', '30-001 Kraków', '110 00 Praha 1'), a Swedish flat number on a line
    of its own, members abroad, a firm's staff club with and without a person,
    the password column empty."""
    s = SOURCES["iteras_medlemmer"]
    rows, want = [s["header"]], []
    for row in ITERAS40:
        mail, _, phone, name, firm = row[:5]
        lines = [x for x in row[5:10] if x]
        country = row[10]
        rows.append(list(row))
        # 'Navn' is FN as written; its last word the family name, the words before it the given names. 'Firma'
        # with a name is that person's organisation, alone it is the card. The first line is the street, further
        # lines before the postal one follow it; the line of the postal code gives code and town apart; 'Land'
        # the country as written. 'Telefonnummer' names no kind; the password nobody's.
        postal = next(x for x in lines if POSTAL_LINE.match(x))
        code, town = POSTAL_LINE.match(postal).groups()
        adrs = [(None, lines[0], town, "", code, country)]
        tels = [(ANY, phone)] if phone else []
        if name:
            given, family = split_name(name)
            want.append(card(person(given, family, org=firm, emails=[mail]), fn=name, tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=firm, emails=[mail]), tels=tels, adrs=adrs))
    return dict(source="iteras_medlemmer", rows=rows, want=want, bom=True)


def dutch_date(text):
    """'14-03-1958' as (1958, 3, 14)."""
    day, month, year = (int(x) for x in text.split("-"))
    return year, month, day


def pcleden_leden():
    """A Utrecht parish choir's members from PC Leden, code page 1252: initials
    ('J.A.') and particles ('van der') apart from the family name, a
    co-resident wife under her husband's address and phone, academic titles
    ('dr.', 'ir.', 'mr.'), house number additions ('bis', 'A', 'II'), a German
    member, a bakery among the donors with only 'naam', IBANs, fees with a
    decimal comma, dates 'dd-mm-jjjj'."""
    s = SOURCES["pcleden_leden"]
    rows, want = [s["header"]], []
    for row in PCLEDEN40:
        (_, _, sex, title, initials, particle, family, _, street, number, addition, code, town, country, phone,
         mobile, mail, born) = row[:18]
        rows.append(list(row))
        # 'voorletters' is the given name as the file has it (initials only); 'tussenvoegsel' and 'naam' together
        # the family name ('van der Berg'); FN the three ('J.A. van der Berg'). 'titulatuur' the name's prefix.
        # The street is 'straat', 'huisnummer' and 'toevoeging' with single spaces ('Biltstraat 24 bis'); then
        # 'postcode', 'plaats', 'landnaam', untyped. 'telefoonnummer' the home phone, 'mobielenummer' CELL;
        # 'geboortedatum' the birthday. A row with neither initials nor sex holds a body in 'naam': the card is
        # that organisation. Number, dates of joining and leaving, category, fees and IBAN are nobody's.
        adrs = [(None, " ".join(x for x in (street, number, addition) if x), town, "", code, country)]
        tels = ([("HOME", phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        emails = [mail] if mail else []
        if initials or sex:
            family_name = " ".join(x for x in (particle, family) if x)
            p = person(initials, family_name, prefix=title, emails=emails,
                       birthday=dutch_date(born) if born else None)
            want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
        else:
            want.append(card(person(org=family, emails=emails), tels=[(ANY, phone)], adrs=adrs))
    return dict(source="pcleden_leden", rows=rows, want=want)


def galaxy_agencies():
    """A Richmond volunteer center's partner agencies for Galaxy Digital: each
    agency with its manager, a public contact who is the manager in some rows
    and someone else in others, suites on the second street line, faxes,
    extra notification mailboxes joined by ', ', descriptions with commas,
    Polish, Czech, Romanian and Croatian managers."""
    s = SOURCES["galaxy_agencies"]
    rows, want = [s["header"]], []
    for row in GALAXY40:
        (given, family, mail, agency, street, _, city, state, zip_code, contact, contact_title, contact_mail, phone,
         _, fax) = row[:15]
        rows.append(list(row))
        # Each row is an agency and its manager: the card is the manager at the agency, the manager's mailbox.
        # The agency's phone is WORK, its fax FAX, its address WORK (street, suite after it, city, state, ZIP).
        # 'Contact Name' is a person of the agency: where it is the manager, 'Contact Title Name' is the
        # manager's job title and 'Contact Email' a mailbox of theirs; where it is someone else, neither is on
        # the card. The notification mailboxes are other people's; location notes and 'Who We Are' nobody's.
        same = contact == f"{given} {family}"
        emails = [mail] + ([contact_mail] if same and contact_mail and contact_mail != mail else [])
        tels = [("WORK", phone)] + ([("FAX", fax)] if fax else [])
        p = person(given, family, org=agency, job=contact_title if same else "", emails=emails)
        want.append(card(p, tels=tels, adrs=[("WORK", street, city, state, zip_code, "")]))
    return dict(source="galaxy_agencies", rows=rows, want=want)


def vome_volunteers():
    """A Montréal food bank's volunteers for Vome: phones as ten digits and as
    '(514) 555-0190', the address in one cell ('4820 Rue Saint-Denis,
    Montréal, QC H2J 2L6, Canada'), sex and occupation as numbers, an
    employer for professionals only, one birth date missing, an emergency
    contact's name; Polish, Slovak, Hungarian and Serbian volunteers among
    Québécois ones."""
    s = SOURCES["vome_volunteers"]
    rows, want = [s["header"]], []
    for row in VOME40:
        mail, given, family, phone, _, born, _, _, occupation, organisation, address = row[:11]
        rows.append(list(row))
        # 'First Name' and 'Last Name'; 'Email' the mailbox; 'Phone Number' names no kind; 'Date of Birth' the
        # birthday. 'Organization' is the employer where 'Occupation' is 1 (professional). 'Address' is street,
        # town, 'province postal code' and country parted by commas: each its part, untyped. The emergency
        # contact is another person, no part of the card; sex and occupation codes nobody's.
        street, town, region_code, country = address.split(", ")
        region, code = region_code.split(" ", 1)
        org = organisation if occupation == "1" else ""
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, org=org, emails=[mail], birthday=birthday)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, region, code, country)],
                         birthday=bool(born)))
    return dict(source="vome_volunteers", rows=rows, want=want)


def vtevents_people():
    """A Melbourne festival's volunteers and staff for VT Events, tab-delimited:
    honorifics in 'Title' ('Ms', 'Dr'), 'OAM' and 'Jr' as suffixes, preferred
    names ('Liv', 'Kuba'), reference numbers, units and levels on the second
    address line, a PO Box and a locked bag as postal addresses for two, home,
    work and mobile phones as Australians write them, one without a mailbox."""
    s = SOURCES["vtevents_people"]
    rows, want = [s["header"]], []
    for row in VTEVENTS40:
        (given, family, mail, title, suffix, preferred, _, street, _, city, state, code, postal, _, postal_city,
         postal_state, postal_code, home, work, mobile) = row
        rows.append(list(row))
        # 'First name' and 'Last name'; 'Title' is an honorific, the name's prefix, no job title; 'Suffix' the
        # name's suffix; 'Preferred first name' the nickname, not the given name. The residential address is
        # HOME (line 2 after the street), the postal one a second address of no kind where given. 'Phone (Home)'
        # HOME, 'Phone (Work)' WORK, 'Phone (Mobile)' CELL. The reference number is nobody's.
        adrs = [("HOME", street, city, state, code, "")]
        if postal:
            adrs.append((None, postal, postal_city, postal_state, postal_code, ""))
        tels = [(kind, n) for kind, n in (("HOME", home), ("WORK", work), ("CELL", mobile)) if n]
        p = person(given, family, prefix=title, suffix=suffix, emails=[mail] if mail else [], nickname=preferred)
        want.append(card(p, tels=tels, adrs=adrs, nickname=bool(preferred)))
    return dict(source="vtevents_people", rows=rows, want=want)


def fellowshipone_giving():
    """A Chicago parish's gifts from FellowshipOne, one row a gift: the
    contributor's whole name in one column, a parish society and a council of
    the Knights of Columbus as organisations, funds and payment types, check
    numbers and card references, an amount with a thousands comma (quoted),
    dates 'mm/dd/yyyy', apartments and suites on the second street line;
    Polish and Czech parishioners."""
    s = SOURCES["fellowshipone_giving"]
    rows, want = [s["header"]], []
    for row in FELLOWSHIPONE40:
        (_, name, phone, mail, _, _, _, _, _, _, city, kind, code, state, street) = row[:15]
        rows.append(list(row))
        # 'Contributor_Name' is FN as written; for an 'Individual' its last word the family name, the rest the
        # given name; an 'Organization' is the card alone. 'Preferred_Phone' and 'Preferred_Email' the phone (no
        # kind) and mailbox. 'Street_1' the street, 'Street_2' and 'Street_3' after it, then 'City',
        # 'State_Province', 'Postal_Code', untyped. The gift (fund, date, type, reference, amount) is nobody's.
        tels = [(ANY, phone)] if phone else []
        emails = [mail] if mail else []
        adrs = [(None, street, city, state, code, "")]
        if kind == "Organization":
            want.append(card(person(org=name, emails=emails), tels=tels, adrs=adrs))
        else:
            given, family = split_name(name)
            want.append(card(person(given, family, emails=emails), fn=name, tels=tels, adrs=adrs))
    return dict(source="fellowshipone_giving", rows=rows, want=want)
