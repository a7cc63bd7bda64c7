"""Sixty-fifth held-out set: three wineries' club and direct-sale customers
(a Sonoma club importer, a Paso Robles customer template, an Adelaide Hills
club), a Riyadh bakery-café chain's delivery customers, a Nebraska crop-input
retailer's growers and an Auckland bakery's wholesale customers and
suppliers. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtyfifth_headers import SOURCES
from sixtyfifth_people import CAMOAG65, CIN765, COMPLETEDTC65, FOODICS65, ONCLOUDWINE65, WINEDIRECT65


def iso_date(text):
    """'1968-05-14' as (1968, 5, 14); None for an empty cell."""
    return tuple(int(x) for x in text.split("-")) if text else None


def compact_date(text):
    """'19620314' as (1962, 3, 14); None for an empty cell."""
    return (int(text[:4]), int(text[4:6]), int(text[6:])) if text else None


def winedirect_clubmembers():
    """A Sonoma winery's wine club for WineDirect's Club Member Importer:
    numeric customer numbers (two left blank for the platform to assign),
    ISO birth dates (one missing), 'Lastname' so spelt, a law firm for one
    member and a bistro for another, apartments and suites in 'Address2',
    two-letter state codes, phones written four ways and one missing; Czech,
    Polish, Hungarian members among them."""
    s = SOURCES["winedirect_clubmembers"]
    rows, want = [s["header"]], []
    for row in WINEDIRECT65:
        (_, born, given, family, firm, street, _, city, state, code, phone) = row
        rows.append(list(row))
        # Each row is a member: 'FirstName' and 'Lastname'; 'Company' the organisation; 'BirthDate' the birthday.
        # 'Address' the street, 'Address2' (a unit, a suite) its second line, 'City', 'StateCode' (the region)
        # and 'ZipCode' the address, of no kind: a club's billing address is neither home nor work for sure.
        # 'MainPhone' names no kind. The customer number is the platform's.
        p = person(given, family, org=firm, birthday=iso_date(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, state, code, "")],
                         birthday=bool(born)))
    return dict(source="winedirect_clubmembers", rows=rows, want=want)


def completedtc_customers():
    """A Paso Robles winery's direct customers for CompleteDTC: partners'
    names, salutations that are nicknames ('Bill') or a couple ('Lucy &
    Steve'), ISO birth dates (one missing), a law firm in 'bill_addr2',
    notes on where the data came from, and ship-to columns: mostly empty, a
    summer home and an office of the customer's own, and one gift recipient
    with his own address, phone and mailbox; Czech, Polish, Hungarian and
    Croatian customers among them."""
    s = SOURCES["completedtc_customers"]
    rows, want = [s["header"]], []
    for row in COMPLETEDTC65:
        (mail, given, family, _, salutation, born, street, _, code, city, state, phone, _, _, ship_name,
         ship_street, _, ship_city, ship_state, ship_code) = row[:20]
        rows.append(list(row))
        # Each row is a customer: 'name_first' and 'name_last'; 'bill_email' the mailbox; 'bill_phone' untyped;
        # 'bill_dob' the birthday. The billing address ('bill_addr2' its second line, even where it names a
        # firm) is of no kind. 'partner' is another person, no part of the card. 'salutation' is the name the
        # customer goes by: one name is the nickname, a couple's ('Lucy & Steve') nobody's. The ship-to
        # columns are the customer's second address only where 'ship_name' is the customer; a gift
        # recipient's address, phone and mailbox are the recipient's. Notes, method and preference nobody's.
        nickname = salutation if salutation and " " not in salutation else ""
        p = person(given, family, emails=[mail], birthday=iso_date(born), nickname=nickname)
        adrs = [(None, street, city, state, code, "")]
        if ship_street and ship_name == f"{given} {family}":
            adrs.append((None, ship_street, ship_city, ship_state, ship_code, ""))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs, birthday=bool(born),
                         nickname=bool(nickname)))
    return dict(source="completedtc_customers", rows=rows, want=want)


def oncloudwine_contacts():
    """An Adelaide Hills winery's club for OnCloudWine: E.164 phones (a
    landline, a Czech mobile, one missing), every status from ACTIVE to
    CANCELLED, several clubs and tags in one quoted cell, ISO birth and start
    dates, a unit in the street ('3/21 King William St'), a pickup member
    without an address and one without a mailbox; Polish, Hungarian, Czech
    and Slovak members among them."""
    s = SOURCES["oncloudwine_contacts"]
    rows, want = [s["header"]], []
    for row in ONCLOUDWINE65:
        (given, family, mail, phone, _, _, _, born, _, street, city, state) = row
        rows.append(list(row))
        # Each row is a member, whatever the status: 'firstName' and 'lastName'; 'email' the mailbox; 'phone'
        # untyped; 'dateOfBirth' the birthday. The shipping columns are the member's address, of no kind, with
        # no postal code in this list. Clubs, tags and the start date are nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=iso_date(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, street, city, state, "", "")] if street else [], birthday=bool(born)))
    return dict(source="oncloudwine_contacts", rows=rows, want=want)


def foodics_customers():
    """A Riyadh bakery-café chain's delivery customers for Foodics, saved as
    'CSV UTF-8' by Excel: the dial code apart from the number ('966',
    '420'), one name column, 'MALE' and 'Female', birth dates for all (the
    template wants them), delivery zones, 'Home' or 'Work' as an address's
    name with no address, YES/NO flags, house account limits, two without a
    mailbox; Czech, Polish, Hungarian and Emirati customers among them."""
    s = SOURCES["foodics_customers"]
    rows, want = [s["header"]], []
    for row in FOODICS65:
        (code, number, name, _, mail, born) = row[:6]
        rows.append(list(row))
        # Each row is a customer: 'name' is given name then family name ('Al-Harbi' whole); the phone is
        # 'dial code' and 'phone' together with a '+' ('+966 501234567'), of no kind; 'email' the mailbox;
        # 'birth date' the birthday. 'address name' names no address the file holds; zone, gender and flags
        # are nobody's.
        given, family = name.split(" ", 1)
        p = person(given, family, emails=[mail] if mail else [], birthday=iso_date(born))
        want.append(card(p, tels=[(ANY, f"+{code} {number}")], birthday=True))
    return dict(source="foodics_customers", rows=rows, want=want, bom=True)


def camoag_contacts():
    """A Nebraska seed and crop-input retailer's growers for CamoAg: contact
    ids, one name column for people and for farm businesses, contact types
    ('account', 'contact', 'lead', 'prospect'), birth dates as YYYYMMDD and
    approximate ones beside them, networks that group a family farm's people,
    pipe-delimited segments and products; Czech and Polish family names of
    the Plains among them."""
    s = SOURCES["camoag_contacts"]
    rows, want = [s["header"]], []
    for row in CAMOAG65:
        (_, mail, name, kind, born, _, _, network) = row[:8]
        rows.append(list(row))
        # An 'account' is a farm business or a co-op: the card is that organisation alone, with its mailbox.
        # Any other type is a person: 'name' given name then family name, 'network_name' the farm business
        # the person belongs to, the organisation; 'date_of_birth' the birthday. An approximate birth date is
        # a guess at an age, no birthday. Ids, segments and products are nobody's.
        emails = [mail] if mail else []
        if kind == "account":
            want.append(card(person(org=name, emails=emails)))
            continue
        given, family = name.split(" ", 1)
        p = person(given, family, org=network, emails=emails, birthday=compact_date(born))
        want.append(card(p, birthday=bool(born)))
    return dict(source="camoag_contacts", rows=rows, want=want)


def cin7_crm():
    """An Auckland artisan bakery's customers and suppliers for Cin7 Omni's
    CRM template: cafés, delis and grocers with their buyers, suppliers
    (a flour mill with nobody named), 'Customer' and 'Supplier' in their own
    column, a group's restaurants with 'Primary Company', two people at the
    same grocer, a private cake customer with no company, NZ tax numbers,
    payment terms, mobiles and landlines as written at home; Czech,
    Hungarian and Polish names among them."""
    s = SOURCES["cin7_crm"]
    rows, want = [s["header"]], []
    for row in CIN765:
        (firm, given, family, job) = row[:4]
        mobile, phone = row[13], row[14]
        rows.append(list(row))
        # A row with 'First Name' is that person, at 'Company' where given; a row with 'Company' alone is the
        # firm, customer or supplier alike. 'Job Title' the title; 'Mobile' CELL, 'Phone' untyped. 'Primary
        # Company' files the record under another account: the card's organisation stays 'Company'. Contact
        # type, pricing, terms, ledger, tax and groups are nobody's.
        tels = ([("CELL", mobile)] if mobile else []) + ([(ANY, phone)] if phone else [])
        if given or family:
            want.append(card(person(given, family, org=firm, job=job), tels=tels))
        else:
            want.append(card(person(org=firm), tels=tels))
    return dict(source="cin7_crm", rows=rows, want=want)
