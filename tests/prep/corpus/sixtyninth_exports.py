"""Sixty-ninth held-out set: buyers of shops and marketplaces. A Leipzig
camera dealer's eBay order report, a Santiago yarn shop's Jumpseller
customers, a Kyoto tea shop's parcels for Ship&co, a Chicago band's
merchandise orders for a fulfilment house, a Seoul delicatessen's Cafe24
members and a Bristol yarn shop's orders from its ExpressionEngine Store
template. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtyninth_headers import SOURCES
from sixtyninth_people import CAFE2469, EBAY69, EESTORE69, JUMPSELLER69, MISSINGINK69, SHIPANDCO69

# Words that make a shipping label's name a body's rather than a person's.
BODY_WORDS = ("Center", "Shop", "Kultury", "Ltd", "Ltda.")


def is_body(name):
    return any(word in name.split() for word in BODY_WORDS)


def split_name(full):
    """'Dorota Nowicki' as ('Dorota', 'Nowicki'): the last word the family
    name, the words before it the given name."""
    words = full.split()
    return " ".join(words[:-1]), words[-1]


def ebay_orders():
    """A Leipzig second-hand camera shop's MIP order report: buyers on eBay's
    German, Austrian, Polish and British sites, order ids and the shop's own
    order numbers (some empty), ISO time stamps, eBay user IDs, one relay
    mailbox of eBay's, the buyer's name beside the first and last name (once
    in lower case without its letters, once in capitals), address ids; LF
    line ends."""
    s = SOURCES["ebay_orders"]
    rows, want = [s["header"]], []
    for row in EBAY69:
        (_, _, _, _, _, mail, _, given, family, _) = row
        rows.append(list(row))
        # Each row is a buyer: 'buyerFirstName' and 'buyerLastName' are the name, and FN is the two as they are
        # spelt there, whatever case or letters 'buyerName' has lost ('piotr zielinski', 'KATHARINA HUBER').
        # 'buyerEmail' is the mailbox, eBay's relay address too, since mail to it reaches the buyer. The user ID
        # is a login, no name; order ids, site, time stamp and address id are nobody's.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="ebay_orders", rows=rows, want=want, line_end="\n")


def jumpseller_customers():
    """A Santiago yarn shop's customers for Jumpseller's import: Chilean
    phones with and without '+56', regions and municipalities ('Región
    Metropolitana', 'Providencia'), a flat or an office after a comma in the
    address (quoted), Czech, Polish and German customers abroad, a Croatian
    one in Punta Arenas, a guest house with only a billing name, categories,
    languages, 'yes'/'no' and an empty password column."""
    s = SOURCES["jumpseller_customers"]
    rows, want = [s["header"]], []
    for row in JUMPSELLER69:
        (mail, phone, _, _, _, _, country, region, _, name, surname, street, city, code) = row
        rows.append(list(row))
        # 'Billing name' and 'Billing surname' are the customer; a billing name with no surname that is a firm's
        # ('Hostal Alemán Ltda.') is that organisation alone. 'Email' is the mailbox, 'Phone' names no kind. The
        # billing address is untyped: 'Billing address' the street, 'Billing city' the city (never the
        # municipality, which may follow the street or stay off), 'Billing region' the region, the country as
        # written. Category, language, password and the marketing flag are nobody's.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, region, code, country)]
        if not surname and is_body(name):
            want.append(card(person(org=name, emails=[mail]), tels=tels, adrs=adrs))
        else:
            want.append(card(person(name, surname, emails=[mail]), tels=tels, adrs=adrs))
    return dict(source="jumpseller_customers", rows=rows, want=want)


def shipandco_orders():
    """A Kyoto tea shop's parcels for Ship&co: recipients in Central Europe,
    Japan, the US and Australia, phones without their country's code (German
    and Japanese mobiles of eleven digits against the guide's ten), Japanese
    addresses and a Japanese name in Japanese script, prefectures and US and
    Australian state codes in 'Recipient Province', two tea houses with a
    company and no person, one buyer at a firm, a second address line with a
    comma, two without a mailbox, currencies and order dates."""
    s = SOURCES["shipandco_orders"]
    rows, want = [s["header"]], []
    for row in SHIPANDCO69:
        (_, _, province, country, code, given, family, phone, street, city, firm, _, mail, _) = row
        rows.append(list(row))
        # 'Recipient First Name' and 'Recipient Last Name' are the person, 'Recipient Company' the organisation; a
        # company with no names is that organisation alone. A Japanese name in Japanese script keeps its order
        # in FN, family name first ('田中 結衣'). 'Recipient Mail' is the mailbox, 'Recipient Phone' names no
        # kind and stays as written. The address is untyped: 'Recipient Address 1' the street, 'Recipient
        # Address 2' its second line, then 'Recipient City', 'Recipient Province' (the region), 'Recipient ZIP'
        # and the country's code as written. Order name, currency and date are nobody's.
        emails = [mail] if mail else []
        tels = [(ANY, phone)]
        adrs = [(None, street, city, province, code, country)]
        fn = f"{family} {given}" if country == "JP" and not given.isascii() else None
        want.append(card(person(given, family, org=firm, emails=emails), fn=fn, tels=tels, adrs=adrs))
    return dict(source="shipandco_orders", rows=rows, want=want)


def missingink_orders():
    """A Chicago polka band's merchandise orders for Missing Ink: the label
    name in one column, a parish gift shop with no person, a heritage centre
    and a Kraków culture house with a person under 'ship_attn', US phones
    written four ways, one order with neither mailbox nor phone, a Canadian
    and a Polish order, apartments and units in 'ship_address_2', one SKU a
    row."""
    s = SOURCES["missingink_orders"]
    rows, want = [s["header"]], []
    for row in MISSINGINK69:
        (_, name, attn, mail, phone, street, _, city, state, code, country, _, _, _) = row
        rows.append(list(row))
        # 'ship_name' is whom the label names. A person's name there is the buyer, the last word the family name.
        # A body's name there ('Polish Heritage Center') is the organisation, and 'ship_attn' the person at it;
        # without 'ship_attn' the card is that organisation alone. 'ship_email' is the mailbox, 'ship_phone'
        # names no kind. The address is untyped: 'ship_address_1' the street, 'ship_address_2' its second line,
        # 'ship_state' the region, the country's code as written. SKU, quantity and product are nobody's.
        emails = [mail] if mail else []
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, street, city, state, code, country)]
        if is_body(name):
            p = person(*split_name(attn), org=name, emails=emails) if attn else person(org=name, emails=emails)
        else:
            p = person(*split_name(name), emails=emails)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="missingink_orders", rows=rows, want=want)


def cafe24_members():
    """A Seoul delicatessen's web shop members downloaded from Cafe24, UTF-8
    with a signature: Korean names in one cell without a blank, Czech,
    Slovak, Polish, German and Hungarian members given name first, grades,
    ages (one empty), Korean mobiles with dashes and a German one, one member
    without a mailbox and one without a mobile, points and join times."""
    s = SOURCES["cafe24_members"]
    rows, want = [s["header"]], []
    for row in CAFE2469:
        (name, _, _, mail, phone, _, _, _) = row
        rows.append(list(row))
        # '이름' is the member's whole name and FN as written. A Korean name's first syllable is the family name
        # and the rest the given name ('김민준': 김, 민준); a European name's last word is the family name.
        # '이메일' is the mailbox, '휴대폰번호' the mobile (CELL). Grade, age, points and join time are nobody's.
        emails = [mail] if mail else []
        tels = [("CELL", phone)] if phone else []
        if name.isascii() or " " in name:
            given, family = split_name(name)
        else:
            given, family = name[1:], name[0]
        want.append(card(person(given, family, emails=emails), fn=name, tels=tels))
    return dict(source="cafe24_members", rows=rows, want=want, bom=True)


def eestore_orders():
    """A Bristol yarn shop's orders from its Store template: ', ' between the
    fields, so every name and value but the first starts with a blank; the
    shipping name in one cell, a flat on the first address line and the
    street on the second, states and countries by name (some states empty),
    a firm as the shipping name, Czech, Polish, Hungarian, Austrian and
    Slovene buyers, the items with a trailing blank."""
    s = SOURCES["eestore_orders"]
    rows, want = [s["header"]], []
    for row in EESTORE69:
        (_, mail, name, street, _, city, state, code, country, _) = row
        rows.append([row[0]] + [" " + value for value in row[1:]])
        # The blank after each comma is the template's, no part of a value. 'Shipping Name' is the buyer, the
        # last word the family name; a firm's name there ('The Woolly Fox Ltd') is that organisation alone,
        # with the order's mailbox. 'Email' is the mailbox. The address is untyped: 'Shipping Address 1' the
        # street (a flat, then the street as its second line), 'Shipping State' the region, the country as
        # written. Order id and items are nobody's.
        adrs = [(None, street, city, state, code, country)]
        if is_body(name):
            want.append(card(person(org=name, emails=[mail]), adrs=adrs))
        else:
            want.append(card(person(*split_name(name), emails=[mail]), adrs=adrs))
    return dict(source="eestore_orders", rows=rows, want=want)
