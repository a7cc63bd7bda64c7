"""Fifty-third held-out set: field service, courier, property and building
tools (a plumbing service's client import, a courier's customer delivery
addresses, an HVAC contractor's customer list, a property manager's contact
template, a commercial building operations platform's users, and a strata
building's residents). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fiftythird_headers import SOURCES
from fiftythird_people import FIELDIFIED53, HVACBIZPRO53, MANAGECASA53, PRISM53, RESVU53, SKYNET53

PHONE_TYPES = {"Home": "HOME", "Mobile": "CELL", "Work": "WORK", "Fax": "FAX"}


def fieldified_clients():
    """A Chicago plumbing and drain service's clients for Fieldified's import:
    honorifics in 'Title', a bakery and a condominium association as
    companies ('Is Company?' TRUE) beside households, a dentist and a
    remodeler with their firms, main, mobile and work phones in US form, two
    mailboxes in one cell, one client without a mailbox, an archived client
    without a country, balances (one with a thousands comma), notes, tags
    joined by commas; Polish, Czech and Hungarian names among them."""
    s = SOURCES["fieldified_clients"]
    rows, want = [s["header"]], []
    for row in FIELDIFIED53:
        (given, family, title, firm, is_company, main, mobile, work, mails, street, city, state, code,
         country) = row[:14]
        rows.append(list(row))
        # 'First Name' and 'Last Name' the client, 'Title' (Mr., Dr.) the name's prefix, 'Company Name' the
        # organisation; a row marked 'Is Company?' TRUE with no names is the company alone. 'Main Phone' names
        # no kind, 'Mobile Phone' is the cell, 'Work Phone' work. 'Email' holds one or more mailboxes joined by
        # commas, each its own. Street, City, State, Postal Code and Country are the service property's
        # address, untyped, the country as written. Balance, archived flag, note, tags and lead source are the
        # service's own.
        tels = [(kind, number) for kind, number in ((ANY, main), ("CELL", mobile), ("WORK", work)) if number]
        emails = [m.strip() for m in mails.split(",") if m.strip()]
        adrs = [(None, street, city, state, code, country)]
        if is_company == "TRUE":
            want.append(card(person(org=firm, emails=emails), tels=tels, adrs=adrs))
        else:
            p = person(given, family, prefix=title, org=firm, emails=emails)
            want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="fieldified_clients", rows=rows, want=want)


def skynet_addresses():
    """A Midlands courier's customer delivery addresses for Skynet's address
    import: account numbers repeated over several addresses, firms with
    their assigned contact's whole name in one cell, unit and park lines over
    the street, counties (one missing), the Irish-only fifth line empty,
    faxes for some, 1/0 flags, an inactive old address, address names."""
    s = SOURCES["skynet_addresses"]
    rows, want = [s["header"]], []
    for row in SKYNET53:
        (_, firm, phone, line1, _, town, county, _, postcode, fax, _, _, _, contact, _) = row
        rows.append(list(row))
        # Each row is one delivery address of a customer account, and its card the assigned contact ('Forename
        # and Surname', given name first) at 'Delivery Company Name'. 'Phone Number' names no kind, 'Fax Number'
        # is the fax. The address lines, 'Town/City', 'County' and 'Postcode' the address, untyped, no country;
        # a second line continues the first. An account with two addresses gives a card for each row, as the
        # file holds them. Account id, flags and the address's name are the courier's own.
        given, family = contact.rsplit(" ", 1)
        tels = [(kind, number) for kind, number in ((ANY, phone), ("FAX", fax)) if number]
        want.append(card(person(given, family, org=firm), tels=tels,
                         adrs=[(None, line1, town, county, postcode, "")]))
    return dict(source="skynet_addresses", rows=rows, want=want)


def hvacbizpro_customers():
    """A Florida HVAC contractor's customer list for HVAC Biz Pro: the
    contractor's own company id in 'Company' on the first rows only, each
    customer's whole name in one cell, names without their accents (the
    service asks for plain letters), phones written with dashes,
    brackets or dots, one customer without a phone, no mailboxes."""
    s = SOURCES["hvacbizpro_customers"]
    rows, want = [s["header"]], []
    for row in HVACBIZPRO53:
        (_, name, street, city, state, zip_code, phone) = row
        rows.append(list(row))
        # 'Company' is the contractor's id with the service, no organisation: never the card's. 'Customer Name'
        # is the customer, given name first. 'Phone' names no kind. Address, City, State and ZIP the untyped
        # address, no country.
        given, family = name.rsplit(" ", 1)
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family), tels=tels, adrs=[(None, street, city, state, zip_code, "")]))
    return dict(source="hvacbizpro_customers", rows=rows, want=want)


def managecasa_contacts():
    """A Philadelphia property manager's contacts for ManageCasa's template:
    tenants, owners, a landlord, service pros and vendors, firms shown as
    the contact ('Show as Company' Yes) with or without a person, phone types
    in their own column, Czech numbers with their country code, two contacts
    without a mailing address, one without a mailbox, one abroad."""
    s = SOURCES["managecasa_contacts"]
    rows, want = [s["header"]], []
    for row in MANAGECASA53:
        (_, given, family, firm, show_firm, mail, phone, phone_type, street, city, state, zip_code, country) = row
        rows.append(list(row))
        # 'First Name' and 'Last Name' the contact, 'Company' the organisation. 'Show as Company' Yes shows the
        # firm instead of the names: FN is then the firm, the names stay the card's; a firm with no names is
        # the organisation alone. 'Phone Type' (Home, Mobile, Work, Fax) is the kind of 'Phone Number'. The
        # mailing address is untyped, the country as written. 'Contact Type' is the manager's own.
        tels = [(PHONE_TYPES[phone_type], phone)] if phone else []
        emails = [mail] if mail else []
        adrs = [(None, street, city, state, zip_code, country)] if street else []
        if not given and not family:
            want.append(card(person(org=firm, emails=emails), tels=tels, adrs=adrs))
        else:
            p = person(given, family, org=firm, emails=emails)
            want.append(card(p, fn=firm if show_firm == "Yes" else None, tels=tels, adrs=adrs))
    return dict(source="managecasa_contacts", rows=rows, want=want)


def prism_users():
    """A Boston office portfolio's users for Building Engines Prism: several
    properties in one quoted cell, one a line, engineers and managers of the
    property firm, tenants' administrators and vendors with their companies,
    job titles beside job functions, two users without a phone, one without
    a title, external keys; Polish, Czech, Hungarian and Slovak names."""
    s = SOURCES["prism_users"]
    rows, want = [s["header"]], []
    for row in PRISM53:
        (given, family, _, mail, phone, title, _, firm, _) = row
        rows.append(list(row))
        # 'First Name' and 'Last Name' the user, 'Company Name' the organisation, 'Title' the job title;
        # 'Email' the mailbox, 'Phone' of no kind. The properties (building names, however many lines the cell
        # holds) are no address of the user's; job function and external key are the platform's own.
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family, org=firm, job=title, emails=[mail]), tels=tels))
    return dict(source="prism_users", rows=rows, want=want)


def resvu_users():
    """A Melbourne apartment building's residents for Resvu's user import:
    unit numbers ('1203', 'PH2', 'G03'), owners, tenants, an investor and a
    committee member, Australian mobiles in national form and one with +61;
    Polish, Czech, Hungarian and Slovak residents among them."""
    s = SOURCES["resvu_users"]
    rows, want = [s["header"]], []
    for given, family, unit, mail, user_type, mobile in RESVU53:
        rows.append([given, family, unit, mail, user_type, mobile])
        # 'First Name' and 'Last Name' the resident, 'Primary Email' the mailbox, 'Mobile Phone' the cell. The
        # unit number is no address without the building's street, and the user type is the building's own.
        want.append(card(person(given, family, emails=[mail]), tels=[("CELL", mobile)]))
    return dict(source="resvu_users", rows=rows, want=want)
