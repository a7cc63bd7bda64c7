"""Sixtieth held-out set: internet providers' billing (ISPBills, Zal Ultra,
Zal Pro, a Platypus migration file), a power and water retailer's customer
activation file and a county emergency operations centre's alert recipients.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtieth_headers import SOURCES
from sixtieth_people import ISPBILLS60, PLATYPUS60, UTILMATE60, WEBEOC60, ZALPRO60, ZALULTRA60

# Words that make a name in a single name column a firm's.
LEGAL_FORMS = ("Ltd", "Ltd.", "LLC", "Inc", "Inc.")


def whole_name(name):
    """A person from one name column, parted at the first blank ('Rakesh
    Kumar Das' is Rakesh, of Kumar Das)."""
    given, _, family = name.partition(" ")
    return person(given, family)


def is_firm(name):
    return name.split()[-1].rstrip(",") in LEGAL_FORMS


def ispbills_customers():
    """A Siliguri internet provider's PPPoE customers for ISPBills: logins and
    passwords first, whole names, mobiles with and without +91 (Czech, Polish,
    Hungarian and Slovak ones among them), one without a number, one without a
    mailbox, the reselling cable operator (empty for direct customers), one
    address cell that is a flat, a bungalow or a hotel room, one left empty."""
    s = SOURCES["ispbills_customers"]
    rows, want = [s["header"]], []
    for row in ISPBILLS60:
        (_, _, name, phone, mail, _, _, _, _, address) = row
        rows.append(list(row))
        # Each row is a customer: 'Full Name' is FN as written, parted at the first blank. 'Phone' says no kind
        # in its name (the help calls it the mobile): untyped. 'Address' is one cell, the street as written, no
        # town or country of its own. The operator is the reseller, another business, no part of the card;
        # login, password, package, profile and zone are nobody's.
        p = whole_name(name)
        p["emails"] = [mail] if mail else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, address, "", "", "", "")] if address else []))
    return dict(source="ispbills_customers", rows=rows, want=want)


def zalultra_subscribers():
    """A Chattogram fibre provider's subscribers for Zal Ultra: whole names, a
    textile firm among them, national identity numbers for Bangladeshis only,
    mobiles written '01711223344', '+8801819556677' and foreign, a landline
    for the firm, two without a mailbox, the city, area and subarea as ids,
    the country and division by name, the fibre box's own address, ports,
    fibre codes and colours, one row without any of the network columns."""
    s = SOURCES["zalultra_subscribers"]
    rows, want = [s["header"]], []
    for row in ZALULTRA60:
        (name, _, _, _, phone, mail, address, _, _, country, province) = row[:11]
        rows.append(list(row))
        # 'Fullname' is FN as written, a person's parted at the first blank; a name with a legal form ('Rahman
        # Textiles Ltd.') is the organisation alone. 'Phone' is untyped. 'Address' is the street as written,
        # 'Province' the region, 'Country' as written; 'City', 'Area' and 'Subarea' hold ids, no town. 'Box
        # Address' is where the provider's box stands, not the subscriber's. Identity, salesperson, package and
        # the network columns are nobody's.
        p = person(org=name) if is_firm(name) else whole_name(name)
        p["emails"] = [mail] if mail else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, address, "", province, "", country)]))
    return dict(source="zalultra_subscribers", rows=rows, want=want)


def zalpro_users():
    """A Sylhet internet provider's users for Zal Pro: whole names, a tea
    trading firm, identity numbers for Bangladeshis only, mobiles with the
    country code as the help asks and one without, Czech, Hungarian and
    Polish users, expiry dates '31 Jan 2026 23:59', ids, two static
    addresses."""
    s = SOURCES["zalpro_users"]
    rows, want = [s["header"]], []
    for row in ZALPRO60:
        name, _, mobile = row[:3]
        rows.append(list(row))
        # 'Full Name' is FN as written, a person's parted at the first blank, a firm's ('Ltd') the organisation
        # alone. 'Mobile Number' is the cell phone. Identity, login, password, type, expiry, ids and the static
        # IP address are nobody's.
        p = person(org=name) if is_firm(name) else whole_name(name)
        want.append(card(p, tels=[("CELL", mobile)]))
    return dict(source="zalpro_users", rows=rows, want=want)


def platimport_customers():
    """A Cache Valley wireless provider's customers in the Platypus
    migration file: lower-case column names, people and firms in one 'name'
    column (a dairy LLC, a ranch 'Inc.', the town library without a legal
    form), barn offices, apartments and units on the second line, a PO box,
    statuses 'active', 'hold' and 'cancel', phones as ten digits, one
    without, one firm without a mailbox; Czech, Polish, Hungarian and
    Croatian names."""
    s = SOURCES["platimport_customers"]
    rows, want = [s["header"]], []
    for row in PLATYPUS60:
        (name, line1, _, _, _, _, city, state, zipc, phone, mail, _) = row
        rows.append(list(row))
        # 'name' is a person, given name first, or a business (the help: 'or company name if business
        # account'): a legal form or an institution's name ('Logan Regional Library') makes the card that
        # organisation alone. 'phone' is untyped, as written. The billing address is untyped, 'address2' the
        # street's second line, 'state' the region, no country. Held and cancelled customers are customers all
        # the same; login, password and statement method are nobody's.
        firm = is_firm(name) or name.endswith("Library")
        p = person(org=name) if firm else whole_name(name)
        p["emails"] = [mail] if mail else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, line1, city, state, zipc, "")]))
    return dict(source="platimport_customers", rows=rows, want=want)


def utilmate_caf():
    """A Dunedin power and water retailer's new accounts in Utilmate's
    customer activation file, saved by Excel: account names for a couple
    ('Aroha & Wiremu Ngata', 'J & K McLeod'), firms and a club with their
    contact person, owners, tenants and an occupier, the retailer's account
    managers, direct debit and card holders with their numbers, bonds and
    notes, landlines as area code and number apart, mobiles as prefix and
    number apart; Polish, Czech, Hungarian and German customers."""
    s = SOURCES["utilmate_caf"]
    rows, want = [s["header"]], []
    for row in UTILMATE60:
        account, kind = row[0], row[3]
        given, family, std, number, mstd, mnumber = row[18:24]
        rows.append(list(row))
        # 'contact1_first_name' and 'contact1_last_name' are the contact, FN the two. A COMPANY account's name
        # is the organisation the contact stands for; a RESIDENT's or OCCUPIER's is the account's own name (a
        # couple, initials), neither organisation nor FN. The landline is 'contact1_phone_std' and
        # 'contact1_phone_no' together ('03 4771234'), untyped; the mobile likewise from its two columns, CELL.
        # Account manager, bank and card holders are other people; numbers, codes, bond and notes nobody's.
        p = person(given, family, org=account if kind == "COMPANY" else "")
        tels = []
        if number:
            tels.append((ANY, f"{std} {number}"))
        if mnumber:
            tels.append(("CELL", f"{mstd} {mnumber}"))
        want.append(card(p, tels=tels))
    return dict(source="utilmate_caf", rows=rows, want=want, bom=True)


def webeoc_recipients():
    """A Solano County emergency operations centre's external recipients for
    WebEOC alerts: capitals with underscores, family name first, a main
    mailbox and up to two more (one repeating the main one, one repeating
    the other), 'Active' and 'Inactive', the address as one quoted cell
    'street, town, ST zip' or empty, numbers for texts, voice calls and fax
    in three forms; Czech, Polish, Hungarian and German recipients."""
    s = SOURCES["webeoc_recipients"]
    rows, want = [s["header"]], []
    for row in WEBEOC60:
        (family, given, mail, _, address, mail1, mail2, text, voice, fax) = row
        rows.append(list(row))
        # 'FIRST_NAME' and 'LAST_NAME' are the recipient. 'EMAIL', 'CONTACT_EMAIL_1' and 'CONTACT_EMAIL_2' are
        # the mailboxes in that order, a repeated one once (the help: duplicates 'are disregarded'). The number
        # for texts is the cell phone, the voice number untyped, the fax FAX. 'ADDRESS' holds the whole address:
        # the street before the first comma, then the town, then the state and the ZIP code; untyped, no
        # country. 'STATUS' is nobody's: an inactive recipient is a contact all the same.
        emails = []
        for m in (mail, mail1, mail2):
            if m and m not in emails:
                emails.append(m)
        tels = [(kind, n) for kind, n in (("CELL", text), (ANY, voice), ("FAX", fax)) if n]
        adrs = []
        if address:
            street, town, rest = (x.strip() for x in address.split(","))
            state, zipc = rest.split()
            adrs.append((None, street, town, state, zipc, ""))
        want.append(card(person(given, family, emails=emails), tels=tels, adrs=adrs))
    return dict(source="webeoc_recipients", rows=rows, want=want)
