"""Sixty-fourth held-out set: garages, transport booking and fleets (a German
garage's management program, a New Zealand garage's, a chauffeur firm's
booking and dispatch service, a van fleet's inspection app, a car hauler's
dispatch and a trucking carrier's management system). Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtyfourth_headers import SOURCES
from sixtyfourth_people import AUXO64, GAZOOP64, LOADSMART64, VEHICHAUL64, WERKSTATTNXT64, WHIPAROUND64

# Words put where a name belongs by a front desk booking for a firm: the row is the firm's.
ROLES = {"reception", "accounts", "concierge", "front desk"}


def whole_name(text):
    """'Magdalena Kowalczyk' as ('Magdalena', 'Kowalczyk'); 'Novák, Pavel' as ('Pavel', 'Novák')."""
    if "," in text:
        family, given = (x.strip() for x in text.split(",", 1))
        return given, family
    given, _, family = text.rpartition(" ")
    return (given, family) if given else (family, "")


def parted_address(text):
    """'12 Hastings Street, Napier, 4110' as its street, town and postal code."""
    street, town, code = (x.strip() for x in text.rsplit(",", 2))
    return street, town, code


def werkstattnxt_kunden():
    """A Cham garage's customers moved into Werkstatt.NXT, saved as 'CSV
    UTF-8' by a German Excel: old customer numbers in two forms (one
    missing), debtor numbers for some, 'Herr'/'Frau' and once 'keine
    Angabe', academic titles apart ('Dr.', 'Dipl.-Ing.', 'Prof. Dr.'), a
    haulier, a care service and a Czech car rental as organisations with the
    person's columns empty; Czech, Polish and Hungarian customers among
    them."""
    s = SOURCES["werkstattnxt_kunden"]
    rows, want = [s["header"]], []
    for old, debtor, salutation, title, given, family, org in WERKSTATTNXT64:
        rows.append([old, debtor, salutation, title, given, family, org])
        # 'Vorname' and 'Nachname' are a person's, 'Organisationsname' a body's: the help has the one left empty
        # where the other is given, so a row with the organisation is that organisation's card alone. 'Anrede'
        # and 'Titel' are the name's prefix; 'keine Angabe' says there is no salutation and is no part of the
        # name. Old customer number and debtor number are the garage's own.
        if org:
            want.append(card(person(org=org)))
            continue
        prefix = " ".join(x for x in (salutation if salutation in ("Herr", "Frau") else "", title) if x)
        want.append(card(person(given, family, prefix=prefix)))
    return dict(source="werkstattnxt_kunden", rows=rows, want=want, bom=True)


def auxo_customers():
    """A Napier garage's customers in Auxo Workshop's Customer template:
    'I' and 'C' customers, ids, firms with and without a contact's name,
    mobiles and landlines as bare digits without +64, business and GST
    numbers, billing addresses whole in one cell (a PO Box for a courier
    firm, whose vans go to a second, delivery address), tax rates, payment
    terms, notes with commas; Czech, Polish, Croatian and Hungarian
    customers among Māori and Pākehā ones, one without a mailbox, one
    without an address."""
    s = SOURCES["auxo_customers"]
    rows, want = [s["header"]], []
    for row in AUXO64:
        kind, _, given, family, firm, mobile, phone, mail, _, billing, delivery = row[:11]
        rows.append(list(row))
        # 'I' is a private customer, 'C' a company: 'Company Name' the organisation, with the contact's card where
        # a 'C' row names one, else the company's card alone. 'Mobile Number' is CELL; 'Phone Number' names no
        # kind for a person, and is a work or voice line for a company alone. 'Billing Address' is the card's
        # address, parted at its commas into street, town and postal code, untyped, no country (the template
        # has none); a 'Delivery Address' is a second one. Customer ID, business, GST number, rate, terms and
        # notes are the garage's own.
        alone = kind == "C" and not (given or family)
        tels = [("CELL", mobile)] if mobile else []
        if phone:
            tels.append(("WORK|VOICE" if alone else ANY, phone))
        adrs = []
        for whole in (billing, delivery):
            if whole:
                street, town, code = parted_address(whole)
                adrs.append((None, street, town, "", code, ""))
        p = person(given, family, org=firm if kind == "C" else "", emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="auxo_customers", rows=rows, want=want)


def gazoop_customers():
    """A London chauffeur and airport transfer firm's customers for Gazoop:
    the whole name in 'First Name' for two, a hotel's front desk booked as
    'Reception', firms for three, numbers as international digits without
    '+' (Hungarian and Czech visitors' among them), 'mobile', 'landline' or
    no kind, a flat and a floor in 'Address 2', the whole address in
    'Address 1' for one, counties for the Surrey and Berkshire customers,
    no postal code column; Polish, Czech and Hungarian names among them."""
    s = SOURCES["gazoop_customers"]
    rows, want = [s["header"]], []
    for row in GAZOOP64:
        given, family, firm, number, kind, mail, line1, _, city, county = row
        rows.append(list(row))
        # 'First Name' with 'Last Name', or, as the help allows, the whole name alone in 'First Name', given name
        # first; 'Company Name' the organisation. A role where the name belongs ('Reception') books for the firm:
        # the card is the company's alone. 'Phone Number Type' gives the kind: 'mobile' is CELL, 'landline' a
        # line of no named place (a work or voice line for a company alone), none no kind. 'Address 1' the street
        # with 'Address 2' after it or apart, 'City', and 'State/County' the region; where 'Address 1' holds the
        # whole address it is parted at its commas. No postal code, no country.
        alone = given.lower() in ROLES
        if not family and not alone:
            given, family = whole_name(given)
        if kind == "mobile":
            tel_kind = "CELL"
        elif alone:
            tel_kind = "WORK|VOICE"
        else:
            tel_kind = ANY
        street, region = line1, county
        if "," in line1 and not city:
            street, city, region = (x.strip() for x in line1.split(","))
        adrs = [(None, street, city, region, "", "")] if street else []
        p = person(org=firm, emails=[mail] if mail else []) if alone else \
            person(given, family, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=[(tel_kind, number)], adrs=adrs))
    return dict(source="gazoop_customers", rows=rows, want=want)


def whiparound_drivers():
    """A Dublin van delivery fleet's drivers for Whip Around's bulk upload:
    logins as the firm's mailbox, a private one or 'Firstname.Lastname',
    first passwords in clear, depots as teams, Irish mobiles dialled at home
    and a Polish one with +48, one driver without a mobile; Polish,
    Lithuanian, Slovak, Czech and Croatian drivers among Irish ones."""
    s = SOURCES["whiparound_drivers"]
    rows, want = [s["header"]], []
    for given, family, login, password, team, mobile in WHIPAROUND64:
        rows.append([given, family, login, password, team, mobile])
        # 'First Name' and 'Last Name' the driver; 'Mobile Phone' CELL. A login that is a mailbox (the help
        # recommends the company one) is the driver's e-mail; 'Firstname.Lastname' is only a login. The team is
        # a depot, no organisation; the password is the app's own.
        emails = [login] if "@" in login else []
        want.append(card(person(given, family, emails=emails), tels=[("CELL", mobile)] if mobile else []))
    return dict(source="whiparound_drivers", rows=rows, want=want)


def vehichaul_drivers():
    """A Chicago car hauler's drivers for Vehichaul: whole names, two of them
    'Family, Given', driver ids, US numbers in four forms, one without a
    number and one without a mailbox, the carrier's MC and DOT numbers (an
    owner-operator's own, one empty), licence numbers; Polish, Serbian,
    Ukrainian and Czech drivers among them."""
    s = SOURCES["vehichaul_drivers"]
    rows, want = [s["header"]], []
    for row in VEHICHAUL64:
        name, _, phone, mail = row[:4]
        rows.append(list(row))
        # 'name' is the whole name, given name first, family name first where a comma parts them; 'phone' names
        # no kind; 'email' the mailbox. The identifier, the MC and DOT numbers and the licence are numbers of
        # the driver's papers, never phones; no column names the carrier, so no organisation.
        given, family = whole_name(name)
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="vehichaul_drivers", rows=rows, want=want)


def loadsmart_drivers():
    """A Joliet trucking carrier's drivers for Loadsmart's Carrier TMS
    template: whole names, the firm's and private mailboxes, a second phone
    for three, TRUE/FALSE (two drivers inactive), truck and trailer numbers
    (some empty), social security numbers dotted as the template shows or
    dashed; Polish, Serbian, Czech and Hungarian drivers among them."""
    s = SOURCES["loadsmart_drivers"]
    rows, want = [s["header"]], []
    for row in LOADSMART64:
        name, mail, phone, second = row[:4]
        rows.append(list(row))
        # 'name' the whole name, given name first; 'email' the mailbox; 'phone' and 'second_phone' both the
        # driver's, of no named kind. An inactive driver is a card all the same. Truck and trailer numbers and
        # the social security number are never phones; no column names the carrier.
        given, family = whole_name(name)
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, n) for n in (phone, second) if n]))
    return dict(source="loadsmart_drivers", rows=rows, want=want)
