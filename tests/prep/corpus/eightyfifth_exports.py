"""Eighty-fifth held-out set: client lists of personal services (a personal
trainer's and a strength studio's coaching apps, a florist's shop, a salon
and day spa, a Swiss dance school's members and a coach's ICF client log).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from eightyfifth_headers import SOURCES
from eightyfifth_people import COGITO85, EVERFIT85, FLORANEXT85, ICF85, STX85, TRUECOACH85

# STX's further phones carry their kind in the name column beside them; a
# label that names no kind leaves the number untyped.
STX_LABELS = {"Work": "WORK", "Office": "WORK", "Home": "HOME", "Mobile": "CELL", "Cell": "CELL"}


def us_date(text):
    """'03/14/1968' as (1968, 3, 14)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def dotted_date(text):
    """'12.05.2014' as (2014, 5, 12)."""
    day, month, year = (int(x) for x in text.split("."))
    return year, month, day


def everfit_clients():
    """A Chicago personal trainer's clients for Everfit's bulk upload: the
    capitals of its template's header, Polish, Czech, Slovak and Hungarian
    clients among American ones, two given names in one cell ('Mary Ann'),
    two clients without a mailbox, categories and invitations left blank."""
    s = SOURCES["everfit_clients"]
    rows, want = [s["header"]], []
    for given, family, mail, category, invite in EVERFIT85:
        rows.append([given, family, mail, category, invite])
        # Each row is a client: 'FIRST NAME' and 'LAST NAME', 'EMAIL' the mailbox. The category (how the client
        # trains) and the invitation flag are nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="everfit_clients", rows=rows, want=want)


def truecoach_clients():
    """A Denver strength studio's clients for TrueCoach's import: every row
    names the client's coach by mailbox too, two coaches over twelve rows,
    one of them a client herself; groups joined by a comma, empty groups and
    metric sets, programs with slashes ('5/3/1 Base'), start dates m/d/yy."""
    s = SOURCES["truecoach_clients"]
    rows, want = [s["header"]], []
    for mail, given, family, kind, coach, groups, metrics, program, start in TRUECOACH85:
        rows.append([mail, given, family, kind, coach, groups, metrics, program, start])
        # Each row is a client: 'Client First Name' and 'Client Last Name'; 'Client Email' the mailbox. 'Coach
        # Email' is the coach's, another person's, and on no client's card, even where the same address is a
        # client's own in another row. Type, groups, metric sets and program are nobody's.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="truecoach_clients", rows=rows, want=want)


def floranext_customers():
    """A Pittsburgh florist's customers for Floranext: ids, a funeral home, a
    church and a hotel with no person named, a hospital and an events firm
    beside the person who orders, units and suites in 'Address Line 2', a
    ZIP+4, phones written four ways, one without a phone, one without an
    address, no country; Polish, Slovak, Czech, Hungarian and Serbian names."""
    s = SOURCES["floranext_customers"]
    rows, want = [s["header"]], []
    for cid, given, family, firm, street, street2, city, state, code, phone, mail in FLORANEXT85:
        rows.append([cid, given, family, firm, street, street2, city, state, code, phone, mail])
        # A row with names is the person, 'Company' the organisation; a row with only 'Company' is that body
        # alone. 'Phone' names no kind; 'Email' the mailbox. 'Address Line 1' is the street, 'Address Line 2' its
        # second line, then 'City', 'State' (the region) and 'Zip/Postal Code', untyped, no country. The
        # customer id is nobody's.
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        adrs = [(None, street, city, state, code, "")] if street or city else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="floranext_customers", rows=rows, want=want)


def stx_clients():
    """A Cleveland salon and day spa's clients for STX's import, saved as 'CSV
    UTF-8' by Excel for the Mac: camel-case column names, middle names for a
    few, evening, daytime and cell phones, further phones under a label of
    their own ('Work', 'Office', 'Mobile'), emergency contacts with their
    phones, birth dates month first, notes with commas, member ids and house
    charge balances; Slovene, Hungarian, Czech and Polish names among
    American ones, a walk-in with no address, a visitor with a Czech mobile."""
    s = SOURCES["stx_clients"]
    rows, want = [s["header"]], []
    for (given, middle, family, street, street2, city, state, code, sex, mail, evening, daytime, cell, others,
         emergency, born, notes, member, balance) in STX85:
        labels = [label for label, _ in others] + ["", ""]
        numbers = [number for _, number in others] + ["", ""]
        rows.append([given, middle, family, street, street2, city, state, code, sex, mail, "", evening, daytime,
                     cell, labels[0], numbers[0], labels[1], numbers[1], emergency[0], emergency[1], born, "",
                     notes, "", "", "", member, balance])
        # Each row is a client: 'firstName' and 'lastName', FN the two; 'middleName' the card's middle name at
        # most. 'eveningPhone' is HOME, 'cellPhone' CELL, 'daytimePhone' names no kind (work or not). Each
        # 'otherPhone' takes its kind from the 'otherPhoneName' beside it. The emergency contact and that
        # phone are another person's, on no card. 'addressLine1' the street, 'addressLine2' its second line,
        # 'state' the region; untyped, no country. 'birthDate' the birthday, month first. Sex, notes, member
        # id and balance are nobody's.
        tels = [("HOME", evening)] if evening else []
        tels += [(ANY, daytime)] if daytime else []
        tels += [("CELL", cell)] if cell else []
        tels += [(STX_LABELS.get(label, ANY), number) for label, number in others]
        adrs = [(None, street, city, state, code, "")] if street else []
        p = person(given, family, emails=[mail] if mail else [], birthday=us_date(born) if born else None)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="stx_clients", rows=rows, want=want, bom=True)


def cogito_membres():
    """A Lausanne dance and gymnastics school's members for Cogito-Sport,
    saved as 'CSV UTF-8' by a Swiss French Excel: children with their legal
    guardian's names beside them, maiden names for two, country codes for the
    address and the nationality apart, a member across the French border,
    'true'/'false' licences, dates day first with dots, the mobile ('Natel')
    and other phones (a Slovak one among them), one member with no mobile;
    Czech, Polish, Hungarian and Slovak members among Swiss ones."""
    s = SOURCES["cogito_membres"]
    rows, want = [s["header"]], []
    for row in COGITO85:
        (given, family, _, _, _, _, street, code, town, country, _, _, _, born, _, _, _,
         mobile, phone2, phone3, phone4) = row
        rows.append([""] + list(row))
        # Each row is a member: 'FIRST_NAME' and 'LAST_NAME'. 'MAIDEN_NAME' is a former name, not the family
        # name; the legal guardian's names are another person's, on no card. 'PHONE1' (the 'Natel') is CELL,
        # the other phones name no kind. 'ADDRESS', 'ZIP_CODE', 'CITY' and 'COUNTRY' (a code, kept as written)
        # the untyped address; 'NATIONALITY' is no address. 'BIRTHDATE' the birthday, day first. Civility
        # (empty), sex, licence, category and the club's dates are nobody's.
        tels = [("CELL", mobile)] if mobile else []
        tels += [(ANY, n) for n in (phone2, phone3, phone4) if n]
        p = person(given, family, birthday=dotted_date(born))
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, country)], birthday=True))
    return dict(source="cogito_membres", rows=rows, want=want, bom=True)


def icf_coaching_log():
    """A Prague coach's ICF client log from the coaching school's template,
    saved as CSV by a Czech Excel in code page 1250: running numbers, whole
    names, three groups named by one member, contact information that is a
    mailbox, a number, or both joined by ';', open end dates, a decimal
    comma in the hours, and the template's total row below the clients."""
    s = SOURCES["icf_coaching_log"]
    rows, want = [s["header"]], []
    for number, name, kind, size, contact, start, end, paid, pro_bono in ICF85:
        rows.append([number, name, kind, size, contact, start, end, paid, pro_bono])
        # Each row is a client: 'Client Name' the whole name, parted at its blank (given first); for a group
        # the named member is the contact. 'Contact Info' is a mailbox, a number of no kind, or both, parted
        # at the ';'. The group's size, the dates and the hours are nobody's.
        given, family = name.rsplit(" ", 1)
        parts = [x.strip() for x in contact.split(";") if x.strip()]
        mails = [x for x in parts if "@" in x]
        tels = [(ANY, x) for x in parts if "@" not in x]
        want.append(card(person(given, family, emails=mails), tels=tels))

    def hours(column):
        total = sum(float(row[column].replace(",", ".")) for row in ICF85)
        return f"{total:g}".replace(".", ",")
    # The template's total row is no client: it must give no card.
    footer = "Total Hours (Paid & Pro Bono):;;;;;;;" + hours(7) + ";" + hours(8) + "\r\n"
    return dict(source="icf_coaching_log", rows=rows, want=want, footer=footer)
