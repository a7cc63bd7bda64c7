"""Sixty-seventh held-out set: client files of a Singapore financial adviser,
a Chicago wealth manager's broker accounts, a Boston advisory firm's account
aggregation, a Minneapolis planning firm's fee billing, a Reading adviser's
employer pension clients and a Cleveland insurance agency's named insureds.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtyseventh_headers import SOURCES
from sixtyseventh_people import (ADVICEPAY67, ADVISERCOT67, BYALLACCOUNTS67, CERTIFICATEHERO67, IBKR67,
                                 SMARTPENSION67)

IBKR_PHONE_TYPES = {"Mobile": "CELL", "Home": "HOME", "Work": "WORK"}


def day_first(text):
    """'12/05/1978' or '03-11-1982' as (1978, 5, 12) and (1982, 11, 3)."""
    day, month, year = (int(x) for x in text.replace("-", "/").split("/"))
    return year, month, day


def advisercot_clients():
    """A Singapore financial adviser's clients for AdviserCOT: the name the
    adviser calls them by ('Kasia', 'Mrs Horváth') beside the full name as
    on the NRIC or passport, tiers, stages, 'Yes'/'Y'/'N'/'false' flags,
    NRIC and FIN numbers, ISO birth dates, phones with their country code
    (one spaced, a Hungarian and a Czech one), the home address in one cell
    with the postal code again in its own column, occupations and employers;
    a prospect known only by his first name and a phone; Czech, Polish,
    Hungarian and Croatian expatriates among them."""
    s = SOURCES["advisercot_clients"]
    rows, want = [s["header"]], []
    for row in ADVISERCOT67:
        (common, _, _, _, full, _, mail, _, born, phone, home, job, firm, code) = row
        rows.append(list(row))
        # 'Full name' is the card's name, given name first, as the NRIC or passport has it; 'Common Name', how
        # the adviser speaks of the client ('Mrs Horváth', 'Kasia'), is no part of it unless it is all there
        # is. 'Occupation' the job, 'Company Name' the organisation; 'Phone number' untyped as written; 'Date
        # of birth' the birthday. 'Home address' is one cell: its last part is the town with the postal code
        # ('Singapore 460123'), the rest the street with the unit ('Blk 123 ..., #05-112'); it is HOME.
        # Tier, stage, flag, NRIC/FIN and gender are nobody's.
        name = full or common
        given, _, family = name.partition(" ")
        adrs = []
        if home:
            parts = home.split(", ")
            town = parts[-1][:-len(code)].strip() if code and parts[-1].endswith(code) else parts[-1]
            adrs.append(("HOME", ", ".join(parts[:-1]), town, "", code, ""))
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, org=firm, job=job, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, fn=name, tels=[(ANY, phone)], adrs=adrs, birthday=bool(birthday)))
    return dict(source="advisercot_clients", rows=rows, want=want)


def ibkr_customer_information():
    """A Chicago wealth manager's clients on the Customer Information sheet of
    Interactive Brokers' Mass Upload workbook, saved by Excel as 'CSV UTF-8':
    customer ids, salutations with a full stop, middle initials, 'Jr.' and
    'III', birth dates month first, the phone's type and country in their own
    columns, countries as three letters, SSNs and an ITIN shaped like
    phones, passports, margin and market data flags; Polish, Czech,
    Hungarian emigrants, a Slovak and a Slovene client abroad."""
    s = SOURCES["ibkr_customer_information"]
    rows, want = [s["header"]], []
    for row in IBKR67:
        (_, salutation, given, family, _, suffix, born, _, _, _, _, street, city, state, country, zipcode, phone,
         kind) = row[:18]
        rows.append(list(row))
        # 'First name' and 'Last name' the client; 'Middle name' a middle initial, no part of either; 'Salutation'
        # the prefix and 'Suffix' the suffix. 'Phone Number' typed by 'Phone Type' (Mobile CELL, Home HOME,
        # Work WORK), the number as written: 'Phone Country' is a country, not a calling code. 'Home street
        # address', 'City', 'State/Province', 'Zip' and 'Country' (as written, 'USA', 'SVK') the HOME address.
        # 'Date of birth' the birthday, month first. Tax numbers, document type, dependents, margin and
        # market data are nobody's: an SSN ('321-54-9876') is no phone.
        month, day, year = (int(x) for x in born.split("/"))
        p = person(given, family, prefix=salutation, suffix=suffix, birthday=(year, month, day))
        want.append(card(p, tels=[(IBKR_PHONE_TYPES[kind], phone)],
                         adrs=[("HOME", street, city, state, zipcode, country)], birthday=True))
    return dict(source="ibkr_customer_information", rows=rows, want=want, bom=True)


def byallaccounts_clients():
    """A Boston advisory firm's clients for ByAllAccounts' import: upper-case
    column names, middle names and initials ('J', 'A.'), two without a
    mailbox, SSNs with dashes, an EIN-shaped TIN and two empty; Czech,
    Polish, Croatian and Hungarian names among them."""
    s = SOURCES["byallaccounts_clients"]
    rows, want = [s["header"]], []
    for given, middle, family, mail, tax_id in BYALLACCOUNTS67:
        rows.append([given, middle, family, mail, tax_id])
        # Each row is a client: 'FIRST_NAME' and 'LAST_NAME'; 'MIDDLE_NAME' is neither; 'EMAIL' the mailbox.
        # 'TAX_ID' is the taxpayer's number, never a phone.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="byallaccounts_clients", rows=rows, want=want)


def advicepay_clients():
    """A Minneapolis planning firm's clients for AdvicePay: every row with the
    adviser's own mailbox beside the client's, a name for invoices for some
    (a couple's names, three businesses, one with a comma), client ids, one
    missing; Czech, Polish, Slovak and Hungarian clients among them."""
    s = SOURCES["advicepay_clients"]
    rows, want = [s["header"]], []
    for given, family, mail, adviser, display, client_id, business in ADVICEPAY67:
        rows.append([given, family, mail, adviser, display, client_id])
        # Each row is a client: 'First Name' and 'Last Name' make FN; 'Email' the mailbox. 'Advisor Email' is
        # the planner's mailbox, no part of the client's card. 'Display Name', the name on invoices, is the
        # organisation where it names the client's business ('Kovac Architects LLC'); a couple's names ('Lisa &
        # Daniel Reyes') are not this client's name and stay off the card. 'Client ID' is nobody's.
        want.append(card(person(given, family, org=display if business else "", emails=[mail])))
    return dict(source="advicepay_clients", rows=rows, want=want)


def smartpension_clients():
    """A Reading adviser's employer clients for Smart Pension: limited
    companies, a sole trader, a charity, a partnership and an LLP,
    registration numbers (some empty, 'OC412345'), the registered address
    with its town on line 2, a trading address for two, a director's
    mailbox, names, birth date (dd/mm/yyyy or dd-mm-yyyy) and home postcode,
    a second director for some; Polish, Czech, Hungarian and Irish names."""
    s = SOURCES["smartpension_clients"]
    rows, want = [s["header"]], []
    for row in SMARTPENSION67:
        (company, _, _, street, town, code, trade_street, trade_town, trade_code, mail, given, family,
         born) = row[:13]
        rows.append(list(row))
        # Each row is an employer, and its card is the first director at it: 'Director Forename' and 'Director
        # Surname', 'Company Name' the organisation, 'Director Email' the mailbox, 'Director Date of Birth' the
        # birthday, day first. The registered address is WORK: 'Registered Address 1' the street, line 2 (a town
        # alone here) the town, the postcode; a trading address given apart is a second WORK address. The
        # director's home postcode alone is no address; the second director is another person, no part of
        # this card; legal structure and registration number are nobody's.
        adrs = [("WORK", street, town, "", code, "")]
        if trade_street:
            adrs.append(("WORK", trade_street, trade_town, "", trade_code, ""))
        p = person(given, family, org=company, emails=[mail], birthday=day_first(born))
        want.append(card(p, adrs=adrs, birthday=True))
    return dict(source="smartpension_clients", rows=rows, want=want)


def certificatehero_named_insureds():
    """A Cleveland insurance agency's named insureds for Certificate Hero's
    bulk upload: businesses, a parish and clubs only, legal forms with and
    without a full stop, a comma inside one name ('Slovenian National Home,
    Inc.'), suites and a building on line 2, two-letter states."""
    s = SOURCES["certificatehero_named_insureds"]
    rows, want = [s["header"]], []
    for name, street, street2, city, state, zipcode in CERTIFICATEHERO67:
        rows.append([name, street, street2, city, state, zipcode])
        # Each row is an insured body: 'Name' the organisation alone, no person's name. 'Address1' the street,
        # 'Address2' its second line, 'City', 'State' (the region) and 'Zip Code', untyped, no country.
        want.append(card(person(org=name), adrs=[(None, street, city, state, zipcode, "")]))
    return dict(source="certificatehero_named_insureds", rows=rows, want=want)
