"""Tenth held-out set, the rest: a mail server's user accounts, an IP
phone's contacts, a cloud directory's users, a freight carrier's address
book, an inventory program's customers, a licensing service's contacts.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of
from final_kit import whole_address
from people import person
from tenth_headers import SOURCES
from tenth_people import STAFF10
from tenth_staff import (CONSIGNEES10, CUSTOMERS10, DEPARTMENTS10, DEPTS10, DIRECTORY10, EMPLOYEES10, HOME_MAIL10,
                         LICENSEES10, MIDDLE10)
from unseen_kit import first_adr, want_adr

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm alone


def kerio_connect_users():
    """A Brno engineering firm's mail users for Kerio Connect as its help
    writes them: ';' between fields and ',' between an alias's or a group's
    values, first passwords, the department as description, the mailbox as
    the part before the at-sign only; saved by a Czech Excel (code page
    1250)."""
    s = SOURCES["kerio_connect_users"]
    rows, want = [s["header"]], []
    for k, (login, full, department, aliases, groups) in enumerate(STAFF10, 1):
        rows.append([login, f"Zm{k * 37 % 89:02d}#{login[:3].upper()}q{k}", full, department, aliases, groups])
        given, family = full.split(" ", 1)
        # The aliases lack their domain, so no e-mail; the department is neither a title nor an organisation.
        want.append(card(person(given, family), fn=full, tels=[], adrs=[]))
    return dict(source="kerio_connect_users", rows=rows, want=want)


def huawei_espace_contacts():
    """A Split shipping agency's phone directory saved from its eSpace IP
    phones: the whole name, nicknames, SIP accounts and the enterprise
    domain, departments, posts, employee ids, ringtone, address book type,
    group and number preference codes; no numbers (the stored page lists
    none)."""
    s = SOURCES["huawei_espace_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(DIRECTORY10, 1):
        name = f"{p['given']} {p['family']}"
        rows.append(fill(s["header"], {
            "NAME": name, "NICKNAME": p["nickname"], "UCACCOUNT": str(2100 + k), "USERURI": "jadranagencija.hr",
            "COMPANY": p["org"], "DEPARTMENT": DEPARTMENTS10[k - 1], "POSITION": p["job"], "ID": f"JPA-{k * 11:04d}",
            "RING": "0", "ADDRTYPE": "0", "GROUP": "Split" if k % 4 else "Ploče", "DEFAULTNUM": "2" if k % 3 else "0",
            "CONTYPE": "1"}))
        # The account is the phone's SIP login, no number; the department is no organisation.
        want.append(card(p, fn=name, tels=[], adrs=[], nickname=True))
    return dict(source="huawei_espace_contacts", rows=rows, want=want)


def oci_identity_users():
    """A Budapest engineering office's staff as OCI identity users: login
    names, Active flags, the office's work address, display names family
    name first as Hungarians write them, middle names for three, work and
    home mailboxes, three kinds of number, departments, employee numbers,
    the manager's login."""
    s = SOURCES["oci_identity_users"]
    rows, want = [s["header"]], []
    for k, p in enumerate(EMPLOYEES10, 1):
        login = p["emails"][0].split("@")[0]
        display = f"{p['family']} {p['given']}"
        home_mail = HOME_MAIL10.get(k, "")
        rows.append(fill(s["header"], {
            "User Name": login, "Active": "true" if k != 13 else "false", "Work Address Street": "Bocskai út 134-146.",
            "Work Address Locality": "Budapest", "Work Address Postal Code": "1113", "Work Address Country": "HU",
            "Display Name": display, "Work Email": p["emails"][0], "Home Email": home_mail,
            "First Name": p["given"], "Middle Name": MIDDLE10.get(k, ""), "Last Name": p["family"],
            "Work Phone": first_of(p, "WORK"), "Mobile No": first_of(p, "CELL"), "Home Phone": first_of(p, "HOME"),
            "Title": p["job"], "Department": DEPTS10[k - 1], "Employee Number": f"{20140 + 3 * k}",
            "Manager": "" if k == 1 else "takacs.gergely", "Organization Name": p["org"]}))
        tels = [(t, n) for t, n in p["phones"]]
        # FN is the display name as written, family name first; the middle name is no part of it; the
        # manager's login names nobody on the card; the address is the work address, its country as written.
        want.append(card(p, fn=display, tels=tels, emails=p["emails"] + ([home_mail] if home_mail else []),
                         adrs=[("WORK", "Bocskai út 134-146.", "Budapest", "", "1113", "HU")]))
    return dict(source="oci_identity_users", rows=rows, want=want)


def dayross_contacts():
    """A Polish-Czech food importer's customers in Ontario and Quebec for
    Day & Ross: nicknames, the buyer and the shop, postal codes without the
    blank, digits-only numbers, the placeholder mailbox the help advises
    for two, the second address line, extension and contact type empty."""
    s = SOURCES["dayross_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CONSIGNEES10, 1):
        a = first_adr(p)
        phone = first_of(p, "WORK")
        rows.append(fill(s["header"], {
            "Nickname": f"{p['org'].split()[0]} {a[2][:3].upper()}", "ContactName": f"{p['given']} {p['family']}",
            "ContactCompanyName": p["org"], "Address1": a[1], "City": a[2], "Province": a[3], "Country": a[5],
            "PostalCode": a[4], "EmailAddress": p["emails"][0], "PhoneNumber": phone}))
        # The buyer at the shop; a placeholder mailbox is still the row's e-mail; 'PhoneNumber' names no kind.
        want.append(card(p, tels=[(ANY, phone)], adrs=[want_adr(a)]))
    return dict(source="dayross_contacts", rows=rows, want=want)


def fishbowl_customers():
    """A Bohemian glassworks' buyers across Europe in Fishbowl's customer
    columns: the address's own name, the contact as its first line, type
    50 (main office), true/false flags, countries named in English, the
    main line, a home number for one, mobiles; two firms without a
    contact."""
    s = SOURCES["fishbowl_customers"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CUSTOMERS10, 1):
        a = first_adr(p)
        alone = not p["given"]
        main, home, mobile = first_of(p, "WORK"), first_of(p, "HOME"), first_of(p, "CELL")
        rows.append(fill(s["header"], {
            "Name": p["org"], "AddressName": "Main Office", "AddressContact": f"{p['given']} {p['family']}".strip(),
            "AddressType": "50", "IsDefault": "true", "Address": a[1], "City": a[2], "Zip": a[4], "Country": a[5],
            "Residential": "false", "Main": main, "Home": home, "Mobile": mobile}))
        tels = [(BUSINESS if alone else ANY, main), ("HOME", home), ("CELL", mobile)]
        # The contact at the customer; 'Main' names no kind beside a person; no address name on the card.
        want.append(card(p, tels=[t for t in tels if t[1]], adrs=[want_adr(a)]))
    return dict(source="fishbowl_customers", rows=rows, want=want)


LOCALES10 = {"Slovenia": "sl_SI", "Croatia": "hr_HR", "Czech Republic": "cs_CZ", "Slovakia": "sk_SK",
             "Poland": "pl_PL", "Hungary": "hu_HU", "Romania": "ro_RO"}


def sentinel_ems_contacts():
    """Engineers licensing a design program in Sentinel EMS: first
    passwords, the whole name, the contact number left empty, locales, the
    reseller's and the ERP's references, the dongle's shipping address
    whole in one cell with its country."""
    s = SOURCES["sentinel_ems_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(LICENSEES10, 1):
        a = first_adr(p)
        rows.append(fill(s["header"], {
            "contactEmail": p["emails"][0], "contactPassword": f"Init{k * 53 % 97:02d}!lic",
            "contactName": f"{p['given']} {p['family']}", "locale": LOCALES10[a[5]], "refId1": f"SAP-{100400 + k}",
            "refId2": f"RES-{('SI', 'HR', 'CZ')[k % 3]}-{k:03d}" if k % 2 else "",
            "shipAddr": whole_address(a, country=True)}))
        # The shipping address is the card's address, in its parts; the references are nobody's numbers.
        want.append(card(p, tels=[], adrs=[want_adr(a)]))
    return dict(source="sentinel_ems_contacts", rows=rows, want=want)
