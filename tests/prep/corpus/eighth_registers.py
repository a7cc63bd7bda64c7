"""Eighth held-out set, the rest: a hotel booking program's customers, a
leisure venue's guests, a billing platform's accounts, a voice campaign's
contacts, a shift planner's staff, a shop's address table. Each maker returns
a dict as crm_exports.py's do."""
from eighth_exports import female
from eighth_headers import SOURCES
from eighth_people import CZECH8, FIRMS8, GERMAN8, HU_OWNERS8, HUNGARIAN8, SECOND8, SLOVAK8, SOUTH8
from export_kit import ANY, card, fill, first_of
from final_kit import at_home, plain
from unseen_kit import first_adr, split_street, want_adr


def hotelsystems_customers():
    """A Tatra hotel's customers as Hotel Systems' program writes them: a
    comma and a blank between fields, an empty one left as a comma, the
    house number apart, Address2 empty, the region as the county, the
    country in English, Windows code page 1250."""
    s = SOURCES["hotelsystems_customers"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SLOVAK8, 1):
        a = first_adr(p)
        name, number, flat = split_street(a[1])
        number = f"{number}/{flat}" if flat else number
        title = p["prefix"] or ("Mrs" if female(p) else "Mr")
        phone = first_of(p, "HOME") or first_of(p, "CELL")
        phone = at_home(phone) if k % 2 else phone
        fax = first_of(p, "FAX")
        rows.append([title, p["given"], p["family"], number, name, "", a[2], a[3], a[4], a[5], phone, fax,
                     p["emails"][0]])
        # 'Telephone' names no kind; the street is its name and house number; Title is the name's prefix.
        want.append(card(p, org="", title="", prefix=title, tels=[t for t in ((ANY, phone), ("FAX", fax)) if t[1]],
                         adrs=[want_adr(a, street=f"{name} {number}")]))
    text = "".join(", ".join(row) + "\r\n" for row in rows)
    return dict(source="hotelsystems_customers", rows=rows, want=want, text=text)


def aluvii_guests():
    """Guests of an Istrian water park for Aluvii's template saved as CSV:
    row ids, second given names apart, US dates with 1/1/1900 where the
    birthday is unknown, made-up mailboxes '@none.com' as its help advises,
    numbers as digits dialled at home with a flag saying mobile or not."""
    s = SOURCES["aluvii_guests"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SOUTH8, 1):
        y, m, d = p["birthday"]
        known = k not in (3, 10, 14)
        landline = k in (6, 11)
        number = at_home(first_of(p, "WORK") if landline else first_of(p, "CELL")).replace(" ", "")
        email = f"{p['given']}{p['family']}{k}@none.com" if k in (5, 13) else p["emails"][0]
        second = f"{p['family'].lower()}.obitelj@gmail.com" if k in (9, 12) else ""
        rows.append(fill(s["header"], {
            "RowId": str(k), "FirstName": p["given"], "LastName": p["family"], "MiddleName": SECOND8.get(p["given"], ""),
            "BirthDate": f"{m}/{d}/{y}" if known else "1/1/1900", "PrimaryEmail": email, "SecondaryEmail": second,
            "PrimaryPhone": number, "IsPrimaryPhoneMobile": "FALSE" if landline else "TRUE"}))
        # The flag makes the number a mobile; without it the number is untyped; the middle name is no part of FN.
        want.append(card(p, org="", title="", tels=[(ANY if landline else "CELL", number)],
                         emails=[e for e in (email, second) if e], adrs=[], birthday=known))
    return dict(source="aluvii_guests", rows=rows, want=want)


NOTES_Z8 = {1: "Migrated from Fakturoid, invoices in CZK", 5: "Pays by SEPA, reminder after 14 days",
            9: "Contract 2024/117, annual"}
PERSONAL8 = {4: "agnieszka.stepien@gmail.com", 11: "tkraemer@web.de"}


def zuora_accounts():
    """Subscription customers for Zuora's data loader: account notes with
    commas, account numbers, flags, batches and billing days, the bill-to
    contact's names, work and personal mailboxes, work phone and country
    (names, or the ISO code of three letters); the additional addresses
    column left empty."""
    s = SOURCES["zuora_accounts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(FIRMS8, 1):
        work = first_of(p, "WORK")
        country = p["adr"][0][5]
        personal = PERSONAL8.get(k, "")
        rows.append(fill(s["header"], {
            "Account Name": p["org"], "Account Notes": NOTES_Z8.get(k, ""), "Account Number": f"A000{2210 + k}",
            "autoPay": "true" if k % 2 else "false", "Batch": f"Batch{1 + k % 3}",
            "Bill Cycle Day": ("1", "15", "0")[k % 3], "BillToContact.FirstName": p["given"],
            "BillToContact.LastName": p["family"], "BillToContact.WorkEmail": p["emails"][0],
            "BillToContact.PersonalEmail": personal, "BillToContact.WorkPhone": work,
            "BillToContact.Country": country}))
        # The account is the contact's organisation; the work phone is WORK; the address is the country alone.
        want.append(card(p, title="", tels=[("WORK", work)], emails=[e for e in (p["emails"][0], personal) if e],
                         adrs=[(None, "", "", "", "", country)]))
    return dict(source="zuora_accounts", rows=rows, want=want)


TIERS8 = ("premium", "standard", "basic")
DAYS8 = ("March 3", "April 15", "May 1", "June 30", "September 1")


def vapi_campaign_contacts():
    """An insurance broker's Hungarian customers for a voice campaign: the
    number in E.164, the name family name first, and the campaign's own
    variables, among them the broker's staff member who owns the account."""
    s = SOURCES["vapi_campaign_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(HUNGARIAN8, 1):
        number = plain(first_of(p, "CELL"))
        name = f"{p['family']} {p['given']}"
        rows.append([number, name, TIERS8[k % 3], DAYS8[k % 5], HU_OWNERS8[k % 4]])
        # FN is the name as written, split the Hungarian way; the account owner is the broker's, nobody on the card.
        want.append(card(p, fn=name, org="", title="", tels=[(ANY, number)], emails=[], adrs=[]))
    return dict(source="vapi_campaign_contacts", rows=rows, want=want, line_end="\n")


GROUPS8 = ("Wohnbereich 1", "Wohnbereich 2", "Nachtdienst", "Küche", "Verwaltung")


def openschichtplaner_mitarbeiter():
    """A Franconian care home's staff for the shift planner's bulk import:
    staff numbers, the team, the entry date; nothing else about anyone."""
    s = SOURCES["openschichtplaner_mitarbeiter"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GERMAN8, 1):
        rows.append([str(1000 + 3 * k), p["given"], p["family"], GROUPS8[k % 5], f"20{10 + k % 14:02d}-0{1 + k % 9}-01"])
        # The team is no organisation and no title.
        want.append(card(p, org="", title="", tels=[], emails=[], adrs=[]))
    return dict(source="openschichtplaner_mitarbeiter", rows=rows, want=want, bom=True)


ALIASES8 = ("Domů", "Moje adresa", "Práce", "doručovací")


def prestashop_addresses():
    """A Brno sports shop's addresses table dumped by phpMyAdmin: every value
    in quotes, ids for the customer and the country (no country's name),
    zeros for unused keys, the shopper's label for the address, the firm and
    its VAT number where one was given, a delivery note, the mobile typed
    into either phone field, the flag and the times of the row."""
    s = SOURCES["prestashop_addresses"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CZECH8[1:], 1):
        a = first_adr(p)
        cell = first_of(p, "CELL")
        cell = cell.replace("+420 ", "") if k % 2 else cell
        in_phone = k % 4 == 0
        rows.append(fill(s["header"], {
            "id_customer": str(310 + 7 * k), "id_manufacturer": "0", "id_supplier": "0", "id_warehouse": "0",
            "id_country": "16", "id_state": "0", "alias": ALIASES8[k % 4], "company": p["org"],
            "lastname": p["family"], "firstname": p["given"], "vat_number": f"CZ{27140000 + 311 * k}" if p["org"] else "",
            "address1": a[1], "address2": "", "postcode": a[4], "city": a[2],
            "other": "zvonit 2x" if k % 5 == 0 else "", "phone": cell if in_phone else "",
            "phone_mobile": "" if in_phone else cell, "dni": "", "deleted": "0",
            "date_add": f"2024-0{1 + k % 9}-1{k % 10} 1{k % 10}:2{k % 6}:05",
            "date_upd": f"2025-0{1 + k % 9}-0{1 + k % 9} 09:1{k % 10}:44"}))
        # id_country is a key, no country; 'phone' is untyped, 'phone_mobile' CELL; the alias is no address kind.
        want.append(card(p, title="", tels=[(ANY if in_phone else "CELL", cell)], emails=[],
                         adrs=[want_adr(a, region="", country="")]))
    return dict(source="prestashop_addresses", rows=rows, want=want, quote_all=True, line_end="\n")
