"""Ninth held-out set, the rest: a German ERP's business partners, a
newsletter's readers, a chamber's members, a survey's respondents, a parcel
carrier's consignments, an SMS service's contacts. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of
from final_kit import at_home, plain
from ninth_headers import SOURCES
from ninth_people import BALTIC9, GYM9, MEMBERS9, PARTNER_PLACES9, PARTNERS9, POLES9, READERS9, SECOND_MAIL9, female
from unseen_kit import first_adr, want_adr

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm alone


def metasfresh_bpartners():
    """A Munich wholesaler's business partners in metasfresh's import
    columns: search keys, the firm's name twice (as firm and as partner
    name) beside its buyer's names, private customers whose firm and partner
    name are their own names, the country as its ISO code, the region as
    the wholesaler's acronym, the group's and the wholesaler's own keys;
    Excel on a German desk: ';' and code page 1252."""
    s = SOURCES["metasfresh_bpartners"]
    rows, want = [s["header"]], []
    for k, p in enumerate(PARTNERS9, 1):
        country, region = PARTNER_PLACES9[k - 1]
        private = not p["org"]
        name = f"{p['given']} {p['family']}" if private else p["org"]
        rows.append(fill(s["header"], {
            "Value_Suchschlüssel": f"BP{10040 + 3 * k}", "Companyname_Firmenname": name, "Name_Name": name,
            "Firstname_Vorname": p["given"], "Lastname_Nachname": p["family"],
            "CountryCode_ISO-Ländercode": country, "GroupValue_Gruppen-Schlüssel": "1000002" if private else "Standard",
            "RegionName_Region": region, "OrgValue_Organisations-Schlüssel": "HGS-M"}))
        # A private customer's own name as firm is no organisation; the keys are the ERP's; region and country
        # as written.
        want.append(card(p, title="", tels=[], emails=[], adrs=[(None, "", "", region, "", country)]))
    return dict(source="metasfresh_bpartners", rows=rows, want=want)


def sendgrid_contacts():
    """A Budapest bookshop's newsletter readers as SendGrid's reserved
    fields: the county in state_province_region outside Budapest, the second
    address line empty, the country named or coded, numbers international
    or dialled at home, extra mailboxes joined with a comma in
    alternate_emails."""
    s = SOURCES["sendgrid_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(READERS9, 1):
        a = first_adr(p)
        phone = first_of(p, "CELL")
        phone = at_home(phone) if k % 3 == 0 else phone
        country = "HU" if k % 4 == 0 else a[5]
        extra = SECOND_MAIL9.get(k, "")
        rows.append(fill(s["header"], {
            "email": p["emails"][0], "first_name": p["given"], "last_name": p["family"], "address_line_1": a[1],
            "city": a[2], "state_province_region": a[3], "postal_code": a[4], "country": country,
            "phone_number": phone, "alternate_emails": extra}))
        emails = p["emails"] + [e.strip() for e in extra.split(",") if e.strip()]
        # 'phone_number' names no kind; every alternate mailbox is an e-mail of the card.
        want.append(card(p, org="", title="", tels=[(ANY, phone)] if phone else [], emails=emails,
                         adrs=[want_adr(a, country=country)]))
    return dict(source="sendgrid_contacts", rows=rows, want=want)


LEVELS9 = ("Corporate", "Corporate Plus", "Individual")
TAGLINES9 = {1: "Logistik zwischen Wien und Bratislava", 3: "Maschinen, Service, Ersatzteile",
             5: "Wirtschaftsrecht AT/SK", 8: "Vína z Malých Karpát"}


def membershipworks_members():
    """An Austrian-Slovak chamber's members for MembershipWorks: firms as
    accounts with their contact's name, position, phone, mobile and fax,
    Skype names, web sites, taglines and descriptions with commas;
    individual members as accounts of their own name; labels, levels,
    add-ons, join and renewal dates written 'MMM DD YYYY', the directory
    flag."""
    s = SOURCES["membershipworks_members"]
    rows, want = [s["header"]], []
    for k, p in enumerate(MEMBERS9, 1):
        a = first_adr(p)
        firm = bool(p["org"])
        name = f"{p['given']} {p['family']}"
        site = "https://www." + p["emails"][0].split("@")[1] if firm else ""
        work, cell, fax = first_of(p, "WORK"), first_of(p, "CELL"), first_of(p, "FAX")
        level = LEVELS9[2] if not firm else LEVELS9[k % 2]
        rows.append(fill(s["header"], {
            "Account name": p["org"] if firm else name, "Contact name": name if firm else "",
            "Organization name": p["org"], "Position": p["job"], "Phone": work, "Mobile": cell, "Fax": fax,
            "Skype": f"live:{p['family'].lower()}.{k}" if k % 3 == 0 else "", "Email": p["emails"][0],
            "Website": site, "Address 1": a[1], "City": a[2], "Country": a[5], "Zip": a[4],
            "Tagline": TAGLINES9.get(k, ""),
            "Profile description": f"Mitglied seit {2008 + k}, Sektion {'Industrie' if k % 2 else 'Handel'}, "
                                   f"Arbeitskreis {'Export' if k % 3 else 'Recht'}" if firm else "",
            "Label": "AT" if a[5] == "Austria" else "SK", "Membership level": level,
            "Membership add-on": "Newsletter print" if k % 4 == 0 else "",
            "Join date": f"{('Jan', 'Mar', 'Jun', 'Sep', 'Nov')[k % 5]} {10 + k:02d} {2008 + k}",
            "Renewal date": f"{('Jan', 'Mar', 'Jun', 'Sep', 'Nov')[k % 5]} {10 + k:02d} 2026",
            "Directory": "Y" if firm else ""}))
        q = dict(p, url=site)
        tels = [(ANY, work), ("CELL", cell), ("FAX", fax)]
        # A firm's account is its contact at the organization, Position the title; the Skype name is no number.
        want.append(card(q, tels=[t for t in tels if t[1]], adrs=[want_adr(a, region="")], url=bool(site)))
    return dict(source="membershipworks_members", rows=rows, want=want)


PRODUCTS9 = ("OC/AC", "dom", "życie", "turystyczne")
BRANCHES9 = ("WAW-02", "KRK-01", "POZ-03", "GDA-01")
SEGMENTS9 = ("promotor", "pasywny", "krytyk")


def surveylab_contacts():
    """A Polish insurer's customers for a satisfaction survey in SurveyLab's
    recommended layout: '; ' between values as its example writes them,
    numbers as 48 and nine digits or nine digits alone, and the survey's
    own values in the custom columns (product, wave, branch, segment)."""
    s = SOURCES["surveylab_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(POLES9, 1):
        phone = first_of(p, "CELL")
        phone = phone[2:] if k % 3 == 0 else phone
        rows.append([p["emails"][0], p["given"], p["family"], phone, PRODUCTS9[k % 4], "2025-Q3",
                     BRANCHES9[k % 4], SEGMENTS9[k % 3], "", "", "", ""])
        # 'Phone' names no kind; C1 to C8 hold the survey's values, nothing of the card.
        want.append(card(p, org="", title="", tels=[(ANY, phone)], adrs=[]))
    text = "".join("; ".join(row) + "\r\n" for row in rows)
    return dict(source="surveylab_contacts", rows=rows, want=want, text=text)


CONTENTS9 = ("raamatud", "riided", "kosmeetika", "mänguasjad", "books")


def dpd_csv_import():
    """A Tallinn web shop's consignments for DPD's CSV import: the firm
    beside the recipient where the parcel goes to work, the additional
    address empty, the country as its code, numbers in E.164 without
    blanks as the 15 characters allow, customer numbers, order references
    and contents."""
    s = SOURCES["dpd_csv_import"]
    rows, want = [s["header"]], []
    for k, p in enumerate(BALTIC9, 1):
        a = first_adr(p)
        phone = plain(first_of(p, "CELL"))
        rows.append(fill(s["header"], {
            "Company": p["org"], "Name": f"{p['given']} {p['family']}", "Road": a[1], "Postal code": a[4],
            "City": a[2], "Country": a[5], "Telephone number": phone, "E-mail": p["emails"][0],
            "Customer No": f"K{20400 + 13 * k}", "Reference": f"TS-2025-{3300 + k}", "contents": CONTENTS9[k % 5]}))
        # The recipient at the firm; 'Telephone number' names no kind; the country is the code written.
        want.append(card(p, title="", tels=[(ANY, phone)], adrs=[want_adr(a, region="")]))
    return dict(source="dpd_csv_import", rows=rows, want=want)


PLANS9 = ("Premium", "Basic", "Student", "Off-peak")


def smscentral_contacts():
    """A Ljubljana gym's members for SMS Central in its fixed order: the
    mobile with the country's code and no plus, birthdays DD/MM/YY, the
    country left empty, gender and plan in the custom columns as its
    example has them."""
    s = SOURCES["smscentral_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GYM9, 1):
        mobile = plain(first_of(p, "CELL")).lstrip("+")
        y, m, d = p["birthday"]
        rows.append([mobile, p["given"], p["family"], p["emails"][0], f"{d:02d}/{m:02d}/{y % 100:02d}", "",
                     "Female" if female(p) else "Male", PLANS9[k % 4], ""])
        # 'mobile phone' is CELL; the custom columns hold gender and plan.
        want.append(card(p, org="", title="", tels=[("CELL", mobile)], adrs=[], birthday=True))
    return dict(source="smscentral_contacts", rows=rows, want=want)

