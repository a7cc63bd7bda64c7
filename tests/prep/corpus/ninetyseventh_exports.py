"""Ninety-seventh held-out set: payment and banking tools for small firms: a
Direct Debit collector's customers, a business payments account's batch of
payees, a business bank account's beneficiaries, a payment gateway's bulk
payment links, a crowdfunding pledge manager's backers and a German payments
program's payees. Each maker returns a dict as crm_exports.py's do."""
import re

from export_kit import ANY, card
from people import person
from ninetyseventh_headers import SOURCES
from ninetyseventh_people import CENTTRIP97, GOCARDLESS97, INDIEGOGO97, MULTIVIA97, PEACH97, QONTO97

# Words that make a payee's name a body's rather than a person's: legal forms, and the trades a sole
# trader's shop is named by.
BODY_WORDS = re.compile(r"\b(GmbH|UG|KG|e\.K\.|s\.r\.o\.|Kft\.|Sp\. z o\.o\.|druzstvo|Imkerei)(?=\W|$)")
# A postal code before the town, as German, Czech and Polish addresses write it.
CODE_FIRST = re.compile(r"^(\d{5}|\d{3} \d{2}|\d{2}-\d{3}) (.+)$")

# The banks behind the payees' BICs, as a payments program fills them in.
BANKS = {
    "OSDDDE81XXX": ("Ostsächsische Sparkasse Dresden", "Güntzplatz 5", "Dresden"),
    "COBADEFFXXX": ("Commerzbank AG", "Kaiserplatz", "Frankfurt am Main"),
    "GIBACZPX": ("Ceska sporitelna a.s.", "Olbrachtova 1929/62", "Praha 4"),
    "WBKPPLPP": ("Santander Bank Polska S.A.", "al. Jana Pawla II 17", "Warszawa"),
    "INGBPLPW": ("ING Bank Slaski S.A.", "ul. Sokolska 34", "Katowice"),
}


def is_body(name):
    return bool(BODY_WORDS.search(name))


def gocardless_customers():
    """A Bristol yoga studio's members and corporate clients in GoCardless's
    customers export: 'CU' ids, ISO timestamps, a flat and a unit on the
    first address line with the street on the second, districts on the
    third, two companies with nobody named, two people with their business,
    members in Munich and Vienna with 'de' notices, an empty Swedish
    identity column, inactive mandates as '0'; Czech, Polish, Hungarian and
    Slovak members among them."""
    s = SOURCES["gocardless_customers"]
    rows, want = [s["header"]], []
    for row in GOCARDLESS97:
        (_, _, mail, given, family, firm, line1, _, _, city, region, code, country, _, _, _) = row
        rows.append(list(row))
        # Each row is a customer: 'given_name' and 'family_name', 'company_name' the organisation; a company
        # with no name beside it is the organisation alone. 'email' the mailbox. 'address_line1' the street,
        # 'address_line2' and 'address_line3' further lines of it, then 'city', 'region', 'postal_code' and
        # 'country_code' as written, untyped. Id, date, language and mandates are nobody's.
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, adrs=[(None, line1, city, region, code, country)]))
    return dict(source="gocardless_customers", rows=rows, want=want)


def centtrip_payments():
    """A London events firm's batch of payments in Centtrip's one-time
    template: amounts, reasons and references, the bank's country and the
    currency, crew paid as people (first and last name) and suppliers as
    companies (company name alone), addresses in London, Prague, Kraków,
    Leipzig, Budapest, New York (with its state), Bratislava, Manchester,
    Graz and Ljubljana, account numbers and sort codes or IBAN and BIC, an
    ABA, default reasons, some empty."""
    s = SOURCES["centtrip_payments"]
    rows, want = [s["header"]], []
    for row in CENTTRIP97:
        (_, _, _, _, _, given, family, firm, street, city, code, state) = row[:12]
        rows.append(list(row))
        # Each row is a payee: 'FirstName' and 'LastName' a person, else 'CompanyName' the organisation alone.
        # 'Address', 'City', 'State' and 'PostCode' the payee's untyped address; 'CountryCode' is the country of
        # the payee's bank, not of the address, so the address has none. Amount, reason, reference, currency
        # and bank details are nobody's.
        p = person(given, family) if given or family else person(org=firm)
        want.append(card(p, adrs=[(None, street, city, state, code, "")]))
    return dict(source="centtrip_payments", rows=rows, want=want)


def qonto_beneficiaries():
    """A Berlin design studio's payees for Qonto's beneficiary upload,
    separated by ';': people and firms in one NAME column (a GmbH, a UG with
    its bracketed note, a Czech s.r.o., a Hungarian Kft.), a double given
    name, IBANs from five countries, two without a mailbox."""
    s = SOURCES["qonto_beneficiaries"]
    rows, want = [s["header"]], []
    for name, iban, mail in QONTO97:
        rows.append([name, iban, mail])
        # 'NAME' is a firm where it carries a legal form, the organisation alone; else a person written given
        # name first, the last word the family name ('Anna Maria Kowalska': given 'Anna Maria'). 'EMAIL' the
        # mailbox. The IBAN is nobody's.
        emails = [mail] if mail else []
        if is_body(name):
            want.append(card(person(org=name, emails=emails)))
        else:
            given, family = name.rsplit(" ", 1)
            want.append(card(person(given, family, emails=emails)))
    return dict(source="qonto_beneficiaries", rows=rows, want=want)


def peach_paymentlinks():
    """A Cape Town guesthouse's deposit requests for Peach Payments' bulk
    payment links: invoice ids, amounts in ZAR and EUR, the surname before the
    given name ('van der Merwe', 'Annelie'), mobiles as '+27...' and foreign
    ones, the WhatsApp number mostly the same as the mobile, once another one,
    once the only number, a guest without a mailbox; Czech, German, Polish,
    Hungarian, Slovene and Swiss guests among them."""
    s = SOURCES["peach_paymentlinks"]
    rows, want = [s["header"]], []
    for row in PEACH97:
        (_, _, family, given, _, mail, mobile, whatsapp) = row
        rows.append(list(row))
        # Each row is a guest: 'CUSTOMER_GIVEN_NAME' and 'CUSTOMER_SURNAME' in whichever order the columns
        # stand. 'CUSTOMER_MOBILE' is a CELL phone and 'CUSTOMER_WHATSAPP' a mobile too: the same number twice is
        # one phone, another number a second CELL. Invoice, amount and currency are nobody's.
        numbers = [n for n in (mobile, whatsapp) if n]
        tels = [("CELL", n) for k, n in enumerate(numbers) if n not in numbers[:k]]
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    return dict(source="peach_paymentlinks", rows=rows, want=want)


def indiegogo_pledges():
    """A Brno board game's backers for Indiegogo's pledge manager, saved as
    'CSV UTF-8' by Excel: backer numbers with two missing, one name cell
    each, a hyphenated given name, a Dutch family name of three words, an
    apostrophe, rewards with a dash and brackets; Czech, Polish, German,
    Hungarian, Croatian, Slovak, Dutch, Irish and US backers."""
    s = SOURCES["indiegogo_pledges"]
    rows, want = [s["header"]], []
    for number, name, mail, reward in INDIEGOGO97:
        rows.append([number, name, mail, reward])
        # Each row is a backer: 'Backer name' is written given name first, its first word the given name and
        # the rest the family name ('Jan van der Berg': family 'van der Berg'), FN as written. 'Email' the
        # mailbox. Number and reward are nobody's.
        given, family = name.split(" ", 1)
        want.append(card(person(given, family, emails=[mail]), fn=name))
    return dict(source="indiegogo_pledges", rows=rows, want=want, bom=True)


def multivia_empfaenger():
    """A Dresden bakery chain's payees for Multivia's account import, in ISO
    8859-1 with ';': suppliers with legal forms (GmbH, e.K., GmbH & Co. KG,
    Sp. z o.o.), a cooperative and a beekeeper without one, people written
    'Schulze, Andreas' or 'Katrin Vogel', the postal code in the city cell
    for some ('01744 Dippoldiswalde', '407 46 Krasna Lipa', '59-900
    Zgorzelec') and not for others, German numbers without a country code,
    Czech and Polish names written plain as bank files take them, the bank's
    own name, street and city beside the payee's, descriptions."""
    s = SOURCES["multivia_empfaenger"]
    rows, want = [s["header"]], []
    for name, key, street, city, country, phone, mail, account_country, iban, bic, note in MULTIVIA97:
        bank, bank_street, bank_city = BANKS[bic]
        rows.append([name, key, street, city, country, phone, mail, account_country, iban, bic, "", "", "", bank,
                     bank_street, bank_city, "", "", "", note])
        # 'RECIPIENT_NAME' is a body where it carries a legal form or names a trade ('Imkerei', 'druzstvo'),
        # the organisation alone; else a person, 'Family, Given' or given name first. 'RECIPIENT_STREET',
        # 'RECIPIENT_CITY' and 'RECIPIENT_COUNTRY_CODE_ISO' the untyped address; a postal code written before
        # the town in the city cell is the postal code. 'RECIPIENT_PHONE' names no kind. The bank's name,
        # street and city are the bank's, never the payee's; id, account and description are nobody's.
        match = CODE_FIRST.match(city)
        code, town = match.groups() if match else ("", city)
        emails = [mail] if mail else []
        if is_body(name):
            p = person(org=name, emails=emails)
        elif ", " in name:
            family, given = name.split(", ")
            p = person(given, family, emails=emails)
        else:
            given, family = name.rsplit(" ", 1)
            p = person(given, family, emails=emails)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, country)]))
    return dict(source="multivia_empfaenger", rows=rows, want=want)
