"""Forty-second held-out set: online shops' customer files (a DNN shopping
cart, a hosted shop builder, a commerce platform's import file, OpenCart's
address sheet, a Dutch web shop system, an open e-commerce engine). Each
maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from fortysecond_headers import SOURCES
from fortysecond_people import EASYSTORE42, OPENCART42, PROXYCART42, SMITHCART42, SPRYKER42, WEBXPRESS42
from people import person


def dutch_date(text):
    """'14-03-1975' as (1975, 3, 14)."""
    day, month, year = (int(x) for x in text.split("-"))
    return year, month, day


def smithcart_customers():
    """A Chicago polka-music shop's customers from Smith Cart: Polish, Czech,
    Slovene, Hungarian and Irish-American names, two-letter countries and
    states, a ZIP+4, suites and flats in 'Address2', home, cell and work
    phones in their own columns (many empty), DNN logins that are sometimes
    the mailbox, firms for a few."""
    s = SOURCES["smithcart_customers"]
    rows, want = [s["header"]], []
    for row in SMITHCART42:
        given, family, street, _, city, country, state, code, home, cell, work, mail, _, firm = row
        rows.append(list(row))
        # Each row is a customer: 'FirstName' and 'LastName'; 'CompanyName' the organisation; 'Email' the mailbox.
        # The phones are typed by their columns: home, cell, work. 'Address1' the street ('Address2' its second
        # line), 'City', 'State' (the region), 'Zip' and 'Country' as written, untyped. The DNN login is a sign-in
        # name, nobody's field, even where it repeats the mailbox.
        tels = [(kind, number) for kind, number in (("HOME", home), ("CELL", cell), ("WORK", work)) if number]
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="smithcart_customers", rows=rows, want=want)


def easystorecreator_customers():
    """A Vermont maple syrup shop's customers from EasyStoreCreator: a billing
    and a shipping block each with its own names, firm, phone, fax and
    mailbox; the shipping block empty, a copy of the billing one, the same
    customer's other address, or a gift to someone else (in Prague, Olomouc,
    a colleague in Düsseldorf); a school's parents' association with no
    person; Y/N flags, an empty password column."""
    s = SOURCES["easystorecreator_customers"]
    rows, want = [s["header"]], []
    for ident, billing, shipping, promo, tax, same in EASYSTORE42:
        rows.append([ident, ""] + list(billing) + list(shipping) + [promo, tax, same, "N", "", "", "0", "0"])
        # The billing block is the customer: its names, firm, mailbox, phone (no kind) and fax, and its address,
        # untyped. The shipping block adds to the card only when it names the customer and another address (a
        # second, untyped one); a copy of the billing block adds nothing; a block naming someone else is that
        # person's, a gift's recipient, no part of the card. A billing firm without a name is the organisation
        # alone. Id, flags, budgets and rewards are nobody's.
        family, given, firm, street, _, city, state, code, country, phone, fax, mail = billing
        tels = [(ANY, phone)] if phone else []
        tels += [("FAX", fax)] if fax else []
        adrs = [(None, street, city, state, code, country)]
        sfamily, sgiven, _, sstreet, _, scity, sstate, scode, scountry = shipping[:9]
        if sstreet and (sgiven, sfamily) == (given, family) and (sstreet, scity) != (street, city):
            adrs.append((None, sstreet, scity, sstate, scode, scountry))
        if given or family:
            p = person(given, family, org=firm, emails=[mail])
        else:
            p = person(org=firm, emails=[mail])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="easystorecreator_customers", rows=rows, want=want)


def spryker_customers():
    """A Munich delicatessen's customers in Spryker's customer.csv: references
    ending with a number, locales, 'Mr', 'Mrs', 'Ms' and 'Dr', German,
    Austrian, Czech, Polish and Hungarian names, firms for a few, ISO birth
    dates (two missing), genders, an empty password column, LF line ends."""
    s = SOURCES["spryker_customers"]
    rows, want = [s["header"]], []
    for row in SPRYKER42:
        _, _, phone, mail, salutation, given, family, firm, _, born, _, _ = row
        rows.append(list(row))
        # Each row is a customer: 'first_name' and 'last_name'; 'company' the organisation; 'email' the mailbox;
        # 'phone' of no kind; 'date_of_birth' the birthday. 'Dr' is the name's prefix; 'Mr', 'Mrs' and 'Ms' a
        # salutation. Reference, locale, gender and registration date are nobody's.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, "Dr" if salutation == "Dr" else "", org=firm, emails=[mail], birthday=birthday)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], birthday=True))
    return dict(source="spryker_customers", rows=rows, want=want, line_end="\n")


def opencart_addresses():
    """A Leeds tea shop's customer addresses, ExcelPort's 'Addresses' sheet
    saved as 'CSV UTF-8': customer and address ids, every name under an
    'Address' prefix, firms for three, an old VAT number in 'Address Tax ID',
    unit and flat in 'Address 2', OpenCart's country and zone names (UK,
    Poland, Czech Republic, Hungary, Germany, Ireland), '[]' and a JSON
    object in 'Custom Field'."""
    s = SOURCES["opencart_addresses"]
    rows, want = [s["header"]], []
    for row in OPENCART42:
        _, _, given, family, firm, _, _, street, _, city, code, country, zone, _ = row
        rows.append(list(row))
        # Each row is a customer's address: 'Address First Name' and 'Address Last Name' the names, 'Address
        # Company' the organisation. 'Address 1' the street, 'Address 2' its second line, 'Address City',
        # 'Address Zone' (the region), 'Address Postcode' and 'Address Country' as written, untyped. Ids, tax
        # numbers and the custom fields' JSON are nobody's.
        p = person(given, family, org=firm)
        want.append(card(p, adrs=[(None, street, city, zone, code, country)]))
    return dict(source="opencart_addresses", rows=rows, want=want, bom=True)


def webxpress_klanten():
    """A Utrecht cheese shop's customers from WebXpress, saved as 'CSV UTF-8'
    by a Dutch Excel: relation codes, gender signs ('M', 'V', '0'), initials
    beside the given name, 'van' and 'van der' apart from the family name,
    the full name made for each person, birth dates 'DD-MM-JJJJ' (three
    missing), street and house number apart ('8 bis'), the country as a
    number, phone, mobile and emergency numbers, chamber and VAT numbers,
    web sites without a scheme, a restaurant with no person, Polish, Czech
    and Romanian customers."""
    s = SOURCES["webxpress_klanten"]
    rows, want = [s["header"]], []
    for row in WEBXPRESS42:
        (_, firm, _, given, _, prefix, family, full, born, street, number, code, town, province, _, phone,
         mobile, _, _, _, _, mail, site) = row[:23]
        rows.append(list(row))
        # 'Voornaam' is the given name ('Initialen' only beside it); 'Voorvoegsel' and 'Achternaam' together the
        # family name ('van der Berg'); 'Persoon' is FN. 'Bedrijfsnaam' the organisation, alone where no person
        # is named. 'Adres' and 'Huisnummer' make the street ('Kanaalweg 8 bis'), then 'Plaats', 'Provincie'
        # and 'Postcode', untyped; 'Land' is a number that names no country by itself, so none. 'Telefoonnummer'
        # of no kind, 'Telefoonnummer mobiel' a mobile; the emergency number is someone else's. 'E-mailadres'
        # the mailbox, 'URL website' the web page, 'Geboortedatum' the birthday, day first. Codes, gender signs,
        # chamber and VAT numbers, payment, terms, login, blocking and discount are nobody's.
        tels = [(ANY, phone)] if phone else []
        tels += [("CELL", mobile)] if mobile else []
        adrs = [(None, f"{street} {number}", town, province, code, "")]
        birthday = dutch_date(born) if born else None
        if given or family:
            p = person(given, f"{prefix} {family}".strip(), org=firm, emails=[mail], birthday=birthday, url=site)
            want.append(card(p, fn=full, tels=tels, adrs=adrs, birthday=True, url=True))
        else:
            p = person(org=firm, emails=[mail], url=site)
            want.append(card(p, tels=tels, adrs=adrs, url=True))
    return dict(source="webxpress_klanten", rows=rows, want=want, bom=True)


def proxycart_customers():
    """A Toronto coffee roaster's customers in Proxy Engine's cart upload:
    Ukrainian, Polish, Czech, Hungarian, Irish, French and German names,
    billing and shipping addresses (the same, empty, or the customer's other
    one), provinces and country codes, a café whose account has two users,
    tags and collections as lists with commas, Stripe accounts, one customer
    without a mailbox, LF line ends."""
    s = SOURCES["proxycart_customers"]
    rows, want = [s["header"]], []
    for mail, given, family, phone, billing, shipping, tags, collections, accounts, users in PROXYCART42:
        rows.append([mail, given, family, phone] + list(billing) + list(shipping)
                    + [tags, collections, accounts, users])
        # Each row is a customer: 'First Name' and 'Last Name'; 'Email' the mailbox; 'Phone' of no kind; 'Billing
        # Company' the organisation. The billing address is the customer's ('Billing Address 2' its second line),
        # untyped, with province, postal code and country code as written; the shipping address, which names no
        # one else, is the customer's second address where it differs, nothing where it repeats the billing one
        # or is empty. 'Users' are sign-ins to the account, other people's among them, no part of the card; tags,
        # collections and accounts are nobody's.
        street, _, _, firm, city, province, code, country = billing
        adrs = [(None, street, city, province, code, country)]
        sstreet, _, _, _, scity, sprovince, scode, scountry = shipping
        if sstreet and (sstreet, scity) != (street, city):
            adrs.append((None, sstreet, scity, sprovince, scode, scountry))
        p = person(given, family, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="proxycart_customers", rows=rows, want=want, line_end="\n")
