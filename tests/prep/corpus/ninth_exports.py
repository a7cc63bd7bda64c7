"""Ninth held-out set: a sales CRM's persons, another CRM's leads, an alumni
platform's contacts, a contact centre's address book, a phone book tool's
entries, a Slovak accounting program's contacts. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of
from final_kit import at_home, plain
from ninth_headers import SOURCES
from ninth_people import ALUMNI9, BAVARIA9, FIRMS9, HOLSTEIN9, LEADS9, SOUTH9
from unseen_kit import first_adr, want_adr

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm alone
TITLED9 = {4: "mag.", 9: "dipl. ing."}  # full names written with the academic title before them


def onpipeline_contacts():
    """A sales team's buyers for Onpipeline: every column present, as it
    asks, the full name beside its parts (two with a title before it), the
    number as each buyer gave it, 'Apt./Floor' and 'State' left empty, the
    country in the buyer's language; Excel's 'CSV UTF-8' with its signature."""
    s = SOURCES["onpipeline_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SOUTH9, 1):
        a = first_adr(p)
        phone = first_of(p, "CELL")
        phone = at_home(phone) if k % 3 == 0 else phone
        full = " ".join(x for x in (TITLED9.get(k, ""), p["given"], p["family"]) if x)
        rows.append(fill(s["header"], {
            "First Name": p["given"], "Family Name": p["family"], "Full Name": full, "Phone": phone,
            "Organization Name": p["org"], "Address": a[1], "City": a[2], "Postcode": a[4], "Country": a[5]}))
        # FN is the full name as written; 'Phone' names no kind; the job is in no column.
        want.append(card(p, fn=full, title="", tels=[(ANY, phone)], adrs=[want_adr(a, region="")]))
    return dict(source="onpipeline_contacts", rows=rows, want=want, bom=True)


TAGS9 = ("veletrh Brno, CRM", "web", "Targi Poznań, ERP", "newsletter", "web, demo")
STATUS9 = ("New", "Contacted", "Qualified", "New", "Lost")


def highimpact_contacts():
    """A Brno software firm's leads: numbers in E.164 as the help advises,
    a few typed with blanks anyway, tags joined with a comma and a blank,
    a status and the US date the lead came in; private leads without a
    company."""
    s = SOURCES["highimpact_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(LEADS9, 1):
        phone = first_of(p, "CELL")
        phone = phone if k % 4 == 0 else plain(phone)
        rows.append(fill(s["header"], {
            "First Name": p["given"], "Last Name": p["family"], "Email": p["emails"][0], "Phone": phone,
            "Company": p["org"], "Tags": TAGS9[k % 5], "Status": STATUS9[k % 5],
            "Created Date": f"{1 + k % 12:02d}/{10 + k:02d}/2025"}))
        # 'Phone' names no kind; tags and status are the CRM's, nobody's title.
        want.append(card(p, title="", tels=[(ANY, phone)], adrs=[]))
    return dict(source="highimpact_contacts", rows=rows, want=want)


def graduway_contacts():
    """A university's alumni for Graduway: the university's own ids, the
    salutation left empty, mobiles written at home or international, the
    texting consent, the CRM's account ids, birthdays as US dates, in the
    year-first form or missing."""
    s = SOURCES["graduway_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(ALUMNI9, 1):
        cell = first_of(p, "CELL")
        cell = at_home(cell) if k % 2 else cell
        y, m, d = p["birthday"]
        written = k % 5 != 0
        born = (f"{y}/{m:02d}/{d:02d}" if k % 3 == 0 else f"{m:02d}/{d:02d}/{y}") if written else ""
        rows.append(fill(s["header"], {
            "Email": p["emails"][0], "First Name": p["given"], "Last Name": p["family"],
            "Custom User Id": f"UK-{y + 23}-{4100 + 17 * k}", "Cell Number": cell,
            "Opted Into Text": "TRUE" if k % 4 else "FALSE", "Custom Account Id": f"001Q{k:03d}00003xYzAAI",
            "Birthday": born}))
        # The ids are the university's and the CRM's; the consent flag is no kind of number.
        want.append(card(p, org="", title="", prefix="", tels=[("CELL", cell)], adrs=[], birthday=written))
    return dict(source="graduway_contacts", rows=rows, want=want)


def avaya_line(values, compact):
    """A row as the WebClient's sample writes them: '; ' between values, and
    in some rows an empty value without the blanks ('Vera;;;;;mail')."""
    line = values[0]
    for before, value in zip(values, values[1:]):
        line += (";" if compact and (not value or not before) else "; ") + value
    return line


def avaya_cie_address_book():
    """A Holstein contact centre's personal address book for the WebClient:
    entry ids, the firms in LastName with FirstName empty as its sample has
    them, numbers dialled at home with a dash after the area code, no
    country, some values missing with their separators kept."""
    s = SOURCES["avaya_cie_address_book"]
    rows, want = [s["header"]], []
    for k, p in enumerate(HOLSTEIN9, 1):
        a = first_adr(p)
        alone = not p["given"]
        phone = first_of(p, "WORK") if alone else (first_of(p, "HOME") or first_of(p, "CELL"))
        email = p["emails"][0] if p["emails"] else ""
        rows.append([str(122 + k), p["org"] if alone else p["family"], p["given"], a[1], a[4], a[2], phone, email])
        tels = [(BUSINESS if alone else ANY, phone)]
        # A firm in LastName with no FirstName is a firm alone; 'PhoneNumber' names no kind; no country column.
        want.append(card(p, org=None if alone else "", title="", tels=tels, adrs=[want_adr(a, kind=None, country="")]))
    text = "".join(avaya_line(row, k % 3 == 2) + "\r\n" for k, row in enumerate(rows))
    return dict(source="avaya_cie_address_book", rows=rows, want=want, text=text)


def voipmanager_phonebook():
    """A Lower Bavarian office's phone book as VoIP-Manager exports it: the
    number as dialled, digits only, and the caller's name; every value in
    quotes; two firms among the people; LF line ends."""
    s = SOURCES["voipmanager_phonebook"]
    rows, want = [s["header"]], []
    for p in BAVARIA9:
        alone = not p["given"]
        number = (first_of(p, "CELL") or first_of(p, "HOME") or first_of(p, "WORK")).replace(" ", "")
        name = p["org"] if alone else f"{p['given']} {p['family']}"
        rows.append([number, name])
        # 'cid' is the number, untyped for a person, WORK or VOICE for a firm; 'cidname' the name as written.
        want.append(card(p, fn=name, title="", tels=[(BUSINESS if alone else ANY, number)], adrs=[]))
    return dict(source="voipmanager_phonebook", rows=rows, want=want, quote_all=True, line_end="\n")


VAT9 = {1: "SK2020145873", 2: "SK2020377104", 4: "SK2021558302", 7: "SK2020896041", 8: "SK2022113875",
        10: "SK2023007419", 11: "SK2020660182", 12: "CZ26814277", 13: "CZ46342411", 15: "SK2021904336"}
COUNTRY_WRITTEN9 = {3: "SK", 9: "SK", 12: "CZ"}


def uctoplus_kontakty():
    """A Slovak accounting firm's address book saved from Excel for Účto+:
    firms only, VAT ids where the firm pays VAT, IBANs, company numbers
    whose leading zeros Excel dropped, tax numbers, the state named or
    coded, a postal code typed without its blank; code page 1250."""
    s = SOURCES["uctoplus_kontakty"]
    rows, want = [s["header"]], []
    for k, p in enumerate(FIRMS9, 1):
        a = first_adr(p)
        code = a[4].replace(" ", "") if k % 6 == 0 else a[4]
        state = COUNTRY_WRITTEN9.get(k, a[5])
        ico = f"{(31000000 + 7919 * k) if k % 3 else (4123 * k)}"
        rows.append(fill(s["header"], {
            "Spoločnosť / Meno a Priezvisko": p["org"], "Ulica a číslo": a[1], "Mesto": a[2], "PSČ": code,
            "Štát": state, "IČ DPH": VAT9.get(k, ""),
            "IBAN": f"SK{31 + k} 1100 0000 0029 {4400 + k:04d} {1000 + 37 * k}",
            "IČO": ico, "DIČ": f"202{k % 10}{480000 + 911 * k}"}))
        # A firm alone; the state is the country as written; the ids are no phones.
        want.append(card(p, tels=[], emails=[], adrs=[want_adr(a, kind=None, code=code, country=state)]))
    return dict(source="uctoplus_kontakty", rows=rows, want=want)
