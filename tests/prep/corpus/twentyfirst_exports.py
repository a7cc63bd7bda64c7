"""Twentyfirst held-out set: a salon's Acuity appointments, a wholesaler's
MYOB customer cards written by webERP, a seller's Amazon order report, a
club's Stripe payments, a pottery's Etsy orders, a woodturner's PayPal
payments, a podcast's Patreon members and a board game's Kickstarter
backers. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import company, person
from twentyfirst_headers import SOURCES
from twentyfirst_people import (AMAZON21, APPOINTMENTS21, BACKERS21, CUSTOMERS21, ETSY21, PATREON21, PAYPAL21,
                                STRIPE21)

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm


def split_name(full):
    """Given name and family name of a name written given name first (the family name may be two words)."""
    given, _, family = full.partition(" ")
    return given, family


def acuity():
    """A Manchester salon's week in Acuity: every cell quoted, long dates
    ('March 3, 2026 9:00 am'), the number behind an apostrophe, British
    numbers as '+44...' or '07...', a client who gave no last name, one who
    came twice, services, staff calendars and prices; UTF-8, LF."""
    s = SOURCES["acuity"]
    rows, want = [s["header"]], []
    for start, end, given, family, phone, mail, kind, calendar, price, booked in APPOINTMENTS21:
        rows.append([start, end, "Europe/London", given, family, phone, mail, kind, calendar, price, booked])
        # The client is the card; each appointment a card, as the file lists them. The apostrophe keeps a
        # spreadsheet from reading the number as a sum: it is no part of it. 'Phone' names no kind. The
        # calendar is a member of staff, the service and price nobody's.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone.lstrip("'"))]))
    return dict(source="acuity", rows=rows, want=want, quote_all=True, line_end="\n")


def split_phone(number):
    """A number as webERP writes it for MYOB: a space after its fourth character."""
    return number[:4] + " " + number[4:]


def myob_cards():
    """A Melbourne wholesaler's customers as webERP writes them for MYOB:
    118 columns named, rows shorter (only the first two address blocks
    filled), every cell followed by ','; the firm under 'Co./Last Name', its
    code under 'Card ID', 'N' under 'Card Status'; suburb, state and
    postcode in their columns; numbers with a space after their fourth
    character (so '03 9417 2260' becomes '03 9 417 2260'); the contact's
    whole name in one cell; two customers with no contact; UTF-8, LF."""
    s = SOURCES["myob_cards"]
    rows, want = [s["header"]], []
    for (firm, code, street, suburb, state, post, phone, contact, given, family, b_street, b_suburb, b_state,
         b_post, b_phone, mail) in CUSTOMERS21:
        main = [firm, "", code, "N", "", street, "", "", "", suburb, state, post, "", split_phone(phone), "", "",
                "", "", "", contact, ""]
        branch = [b_street, "", "", "", b_suburb, b_state, b_post, "", split_phone(b_phone), "", "", "", mail, "",
                  contact, ""]
        rows.append(main + branch)
        # The contact is the card's person and the customer its organisation; FN is the contact's name as
        # written; a customer with no contact is the firm alone. Both addresses (the office and the branch
        # goods go to) are the customer's, neither home nor work, with no country; each 'Phone # 1' is a
        # number of the business. The card code and status are nobody's.
        p = person(given, family, org=firm, emails=[mail]) if contact else company(firm, emails=[mail])
        want.append(card(p, tels=[(BUSINESS, split_phone(phone)), (BUSINESS, split_phone(b_phone))],
                         adrs=[(None, street, suburb, state, post, ""), (None, b_street, b_suburb, b_state, b_post,
                                                                        "")]))
    text = "".join("".join(cell + "," for cell in row) + "\n" for row in rows)
    return dict(source="myob_cards", rows=rows, want=want, text=text)


def amazon_orders():
    """A Pennsylvania seller's Amazon order report: tab separated, one row
    per item (an order of two items on two rows), ISO dates with the
    Pacific offset, Amazon's relay mailboxes, US numbers '412-555-0187',
    ZIP+4 codes, a second line 'Apt 3'; two gifts sent to another person
    with that person's number; four empty delivery columns; UTF-8, LF."""
    s = SOURCES["amazon_orders"]
    rows, want = [s["header"]], []
    for row in AMAZON21:
        rows.append(list(row) + ["", "", "", ""])
        (_, _, _, _, mail, buyer, phone, _, _, _, _, _, _, _, _, _, recipient, line1, _, _, city, state, post,
         country, _) = row
        # The buyer is the card ('buyer-name', 'buyer-email', 'buyer-phone-number', which names no kind); each
        # row a card, as the report lists them. Where the recipient is the buyer, the address is the buyer's,
        # neither home nor work ('ship-address-2' a second line); a gift's address and number are the
        # recipient's, on no card of the buyer's.
        given, family = split_name(buyer)
        adrs = [(None, line1, city, state, post, country)] if recipient == buyer else []
        want.append(card(person(given, family, emails=[mail]), fn=buyer, tels=[(ANY, phone)], adrs=adrs))
    return dict(source="amazon_orders", rows=rows, want=want, separator="\t", line_end="\n")


def stripe_payments():
    """A Galway club's Stripe payments: charge ids, UTC times, amounts in
    euro, a refund, customer ids with a membership number as the
    customer's description, the name on the card with Irish accents
    ('Siobhán', 'Ó Conaire'), billing addresses with a county and an
    Eircode, the country as 'IE', two guest payments with no customer or
    mailbox, one member who paid twice; UTF-8, LF."""
    s = SOURCES["stripe_payments"]
    rows, want = [s["header"]], []
    for k, (charge, desc, created, amount, refunded, status, customer, cust_desc, mail, brand, last4, name, line1,
            line2, city, county, country, post) in enumerate(STRIPE21):
        fee = f"{float(amount) * 0.015 + 0.25:.2f}"
        rows.append([charge, desc, created, amount, refunded, "eur", amount, refunded, fee, "0.00", "eur", "Live",
                     status, "GALWAY GAA CLUB", customer, cust_desc, mail, "true", f"card_1Pq{k:02d}Xb2eZvKYlo2C",
                     last4, brand, "credit", str(1 + (k * 5) % 12), str(2028 + k % 4), name, line1, line2, city,
                     county, country, post, "IE", f"Fp{k:02d}kQ7xLm2ZtR9w", "pass", "pass", "pass", "", "0.00", "",
                     "", "", "", "", "card", "", "", "", ""])
        # The name on the card is the payer's, the customer's mailbox theirs; each payment a card, as the file
        # lists them. The billing address is theirs, neither home nor work (the second line apart from the
        # street or after it; the county its region; 'IE' its country as written). A membership number as the
        # customer's description is nobody's name.
        given, family = split_name(name)
        want.append(card(person(given, family, emails=[mail] if mail else []), fn=name,
                         adrs=[(None, line1, city, county, post, country)]))
    return dict(source="stripe_payments", rows=rows, want=want, line_end="\n")


def etsy_orders():
    """A Kelowna pottery's Etsy orders: MM/DD/YY dates, buyer user ids (one
    guest without), the ship-to name whole and in two parts, suites and
    flats in 'Street 2', Canadian provinces and postal codes and one US
    order, coupons, fees, several SKUs in one quoted cell, one not yet
    shipped, one buyer twice; UTF-8, LF."""
    s = SOURCES["etsy_orders"]
    rows, want = [s["header"]], []
    for (sale, order, uid, full, first, last, items, pay, shipped, street1, street2, city, state, post, country,
         currency, value, coupon, total, status, fees, net, buyer, sku) in ETSY21:
        discount = f"{float(value) * 0.1:.2f}" if coupon else "0"
        rows.append([sale, order, uid, full, first, last, items, pay, shipped, street1, street2, city, state, post,
                     country, currency, value, coupon, "10% off" if coupon else "", discount, "0", "8.00",
                     f"{float(total) - float(value) - 8 + float(discount):.2f}", total, status, fees, net, "0.00",
                     "0.00", "0.00", buyer, "online", "online_cc", "", "", sku])
        # 'Full Name' is FN, 'First Name' and 'Last Name' the name's parts; each order a card. The address is
        # where the order goes, neither home nor work ('Street 2' a second line, the province its region, the
        # country as written). User ids, sums and SKUs are nobody's.
        want.append(card(person(first, last), fn=full, adrs=[(None, street1, city, state, post, country)]))
    return dict(source="etsy_orders", rows=rows, want=want, line_end="\n")


def paypal_activity():
    """A Bristol woodturner's PayPal payments: every cell quoted, dates day
    first, the payer's name (two firms), the shop's own mailbox under 'To
    Email Address' on every row, transaction ids, items, a running balance,
    shipping addresses with a flat or a house name on the first line and
    the street on the second, post codes, some payers with a number, one
    payer twice; UTF-8 with a signature, CRLF."""
    s = SOURCES["paypal_activity"]
    rows, want = [s["header"]], []
    balance = 412.30
    for (date, time, zone, name, kind, gross, fee, net, mail, txn, item, line1, line2, town, county, post, country,
         phone) in PAYPAL21:
        balance += float(net)
        rows.append([date, time, zone, name, kind, "Completed", "GBP", gross, fee, net, mail,
                     "sales@avonwoodturning.co.uk", txn, "Verified" if phone else "Non-Verified", "Confirmed", item,
                     "", "0.00", "0.00", "0.00", "", "", "", "", "", "", "", "", "", "", "", "", "",
                     f"{balance:.2f}", line1, line2, town, county, post, country, phone])
        # The payer is the card: 'Name' (a firm's name makes the firm alone) and 'From Email Address'; the
        # account's own mailbox under 'To Email Address' is nobody's on it. The shipping address is the payer's,
        # neither home nor work (line 2 apart from line 1 or after it); 'Contact Phone Number' names no kind.
        # Each payment a card, as the download lists them.
        tels = [(ANY, phone)] if phone else []
        adrs = [(None, line1, town, county, post, country)]
        if name.endswith(("Ltd", "Café")):
            want.append(card(company(name, emails=[mail]), tels=tels, adrs=adrs))
        else:
            given, family = split_name(name)
            want.append(card(person(given, family, emails=[mail]), fn=name, tels=tels, adrs=adrs))
    return dict(source="paypal_activity", rows=rows, want=want, quote_all=True, bom=True)


def patreon_members():
    """A Philadelphia podcast's Patreon members: one name cell, Discord
    handles, statuses (a former and a declined patron), Yes/No flags,
    lifetime and pledge amounts, tiers; the shipping addressee, address,
    two-letter country and phone only for the tiers that ship; timestamps
    with microseconds, user ids; UTF-8, LF."""
    s = SOURCES["patreon_members"]
    rows, want = [s["header"]], []
    for (name, mail, discord, status, follows, lifetime, pledge, tier, addressee, street, city, state, post, country,
         phone, since, last, uid) in PATREON21:
        rows.append([name, mail, discord, status, follows, "No", "No", lifetime, pledge, "monthly", tier, addressee,
                     street, city, state, post, country, phone, since, last,
                     "Declined" if status == "Declined patron" else "Paid", "", uid, last[:10] + " 07:30:00.000000",
                     "USD", "", "", "2026-11-01 07:00:00" if status != "Former patron" else "",
                     "United States" if country else "", "Patreon"])
        # 'Name' and 'Email' are the member's; the addressee is the member, the shipping address theirs,
        # neither home nor work, the country as written; 'Phone' names no kind. Discord handles, statuses,
        # amounts and ids are nobody's.
        given, family = split_name(name)
        adrs = [(None, street, city, state, post, country)] if street else []
        want.append(card(person(given, family, emails=[mail]), fn=name, tels=[(ANY, phone)] if phone else [],
                         adrs=adrs))
    return dict(source="patreon_members", rows=rows, want=want, line_end="\n")


def kickstarter_backers():
    """A Toronto board game's backers of one reward: backer numbers and
    uids, one name cell, the shipping country alone, amounts as 'CA$
    15.00', pledge times 'yyyy/mm/dd hh:mm', a dropped pledge with a note,
    a note on an add-on, Twitter handles; UTF-8, CRLF."""
    s = SOURCES["kickstarter_backers"]
    rows, want = [s["header"]], []
    for row in BACKERS21:
        rows.append(list(row))
        name, mail, country = row[2], row[3], row[4]
        # The backer is the card ('Backer Name', 'Email'); the shipping country an address with the country
        # alone, neither home nor work. Numbers, amounts, notes and Twitter handles are nobody's.
        given, family = split_name(name)
        want.append(card(person(given, family, emails=[mail]), fn=name, adrs=[(None, "", "", "", "", country)]))
    return dict(source="kickstarter_backers", rows=rows, want=want)
