"""Fourth held-out set: directories of a phone system, an e-signature
service, an intranet, a ticketing system, an e-learning site, a Moldovan
invoicing tool and an employee app. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card, companies, fill, first_of, persons
from final_headers import SOURCES
from final_kit import at_home, dmy, first_phone, full_name, plain, whole_address
from final_people import MOLDOVAN
from fresh_kit import COUNTIES
from fresh_people import CROATIAN3, CZECH3, HUNGARIAN3, SLOVENE3
from people import CROATIAN, CZECH, HUNGARIAN, ROMANIAN, SLOVAK, SLOVENE
from unseen_kit import code_of, first_adr, want_adr, woman
from unseen_people import CROATIAN2, CZECH2, GERMAN2, HUNGARIAN2, ROMANIAN2, SLOVAK2

SPLICE_DEPARTMENTS = {"Končar d.d.": "Projekti", "KBC Split": "Interna klinika", "Podravka d.d.": "Prodaja"}
SPLICE_NOTES = {3: "Dogovor o isporuci, rok plaćanja 30 dana\nzvati prije 10 sati", 12: "Ključni kupac, R1 račun"}


def splicecom_contacts():
    """A phone system's contacts: the entry's name beside the first and last
    name, a number of each kind, counties, account codes of both sides, a
    description with commas and a line break; companies alone."""
    s = SOURCES["splicecom_contacts"]
    rows, want = [s["header"]], []
    people = persons(CROATIAN) + CROATIAN3 + [c for c in CROATIAN if not c["given"]] + CROATIAN2
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        phone = first_of(p, "WORK")
        phone = at_home(phone) if phone and k % 2 else phone
        county = COUNTIES.get(a[2], "") if a and k % 3 else ""
        v = {"company": p["org"], "name": p["org"] if alone else full_name(p), "phone": phone,
             "fax": first_of(p, "FAX"), "mobile": first_of(p, "CELL"), "home": first_of(p, "HOME"),
             "mail": p["emails"][0] if p["emails"] else "", "firstname": p["given"], "lastname": p["family"],
             "description": SPLICE_NOTES.get(k, ""), "department": SPLICE_DEPARTMENTS.get(p["org"], ""),
             "job": p["job"], "ourAccount": f"K{1000 + k}", "theirAccount": f"HR-{5000 + 3 * k}" if k % 4 == 0 else "",
             "URL": p["url"]}
        if a:
            v.update(street=a[1], city=a[2], county=county, postcode=a[4], country=a[5])
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if alone else ANY, phone), ("FAX", v["fax"]), ("CELL", v["mobile"]),
                ("HOME", v["home"])]
        want.append(card(p, prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[want_adr(a, region=county)] if a else [], url=True))
    return dict(source="splicecom_contacts", rows=rows, want=want)


def namirial_address_book():
    """An e-signature address book written as its help shows it, a comma and
    a blank between values: the business address whole in one quoted cell,
    code and town first or last, the country after some; firms alone."""
    s = SOURCES["namirial_address_book"]
    rows, want = [s["header"]], []
    people = persons(HUNGARIAN) + persons(HUNGARIAN2) + HUNGARIAN3 \
        + [c for c in HUNGARIAN + HUNGARIAN2 if not c["given"]][:2]
    for k, p in enumerate(people, 1):
        a = first_adr(p, "WORK")
        alone = not p["given"]
        phone = p["phones"][0][1] if p["phones"] else ""
        phone = at_home(phone) if phone and k % 3 == 1 else phone
        country = k % 3 == 0
        v = {"first name": p["given"], "last name": p["family"], "e-mail address": p["emails"][0],
             "primary phone": phone, "business address": whole_address(a, k % 2 == 1, country) if a else "",
             "company": p["org"]}
        rows.append(fill(s["header"], v))
        # 'business address' says work: the address is typed so.
        adrs = [want_adr(a, kind="WORK", region="", country=a[5] if country else "")] if a else []
        want.append(card(p, title="", prefix="", suffix="", emails=p["emails"][:1], adrs=adrs,
                         tels=[("WORK|VOICE" if alone else ANY, phone)] if phone else []))
    return dict(source="namirial_address_book", rows=rows, want=want)


DEPARTMENTS = (("Obchod", "Export"), ("Výroba", ""), ("Ekonomické oddělení", "Účtárna"), ("Vedení", ""))


def bitrix24_users():
    """An intranet's employees: the family name first, photos' paths, a
    number of each kind beside an inner extension and an ICQ number, logins,
    the department over up to four cells; every separator kept."""
    s = SOURCES["bitrix24_users"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH) + persons(CZECH2) + CZECH3[:1] + persons(SLOVAK2)[:1], 1):
        login = p["emails"][0].split("@")[0]
        department, team = DEPARTMENTS[k % len(DEPARTMENTS)]
        v = {"LAST_NAME": p["family"], "PERSONAL_PHOTO": f"/upload/main/{login}.jpg" if k % 4 == 1 else "",
             "NAME": p["given"], "WORK_POSITION": p["job"], "EMAIL": p["emails"][0], "PERSONAL_BIRTHDAY": dmy(p),
             "PERSONAL_GENDER": "F" if woman(p) else "M", "WORK_PHONE": first_of(p, "WORK"),
             "UF_1C_PHONE_INNER": str(200 + k) if k % 3 == 0 else "", "PERSONAL_MOBILE": first_of(p, "CELL"),
             "PERSONAL_ICQ": str(31415926 + 977 * k) if k in (2, 7, 11) else "", "LOGIN": login,
             "IBLOCK_SECTION_NAME_1": department, "IBLOCK_SECTION_NAME_2": team}
        rows.append(fill(s["header"], v))
        tels = [("WORK", v["WORK_PHONE"]), ("CELL", v["PERSONAL_MOBILE"])]
        # An inner extension and an ICQ number are no numbers to call from outside; no column names the firm.
        want.append(card(p, org="", prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[], birthday=True))
    return dict(source="bitrix24_users", rows=rows, want=want)


SECUTIX_REMARKS = {4: "|| abonent od 2019, sedadlo 12/7", 9: "Skupinová objednávka, faktura na firmu\nkontakt přes"
                   " sekretariát"}
LANGUAGES = {"CZ": "cs", "SK": "sk", "AT": "de", "DE": "de"}


def secutix_contacts():
    """A ticketing system's contacts, every value quoted: institution and
    organisation codes, TITLE as MR or MRS beside FUNCTION, the structure's
    official name, contact numbers with leading zeros, dd.mm.yyyy birth
    dates, the region in DEPARTMENT, ISO country codes."""
    s = SOURCES["secutix_contacts"]
    rows, want = [s["header"]], []
    people = persons(CZECH2) + persons(SLOVAK2) + CZECH3 + persons(GERMAN2)[2:3] \
        + [c for c in CZECH2 + SLOVAK2 + GERMAN2 if not c["given"]][:5]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        title = "UNDEFINED" if alone else ("MRS" if woman(p) else "MR")
        country = code_of(a[5]) if a else ("SK" if p["phones"][0][1].startswith("+421") else "CZ")
        v = {"INSTITUTION": "NDBRNO", "ORGANIZATION": "NDB", "OPERATION": "INSERT", "CONTACT_NR": f"{4700 + k:08d}",
             "TITLE": title, "FUNCTION": p["job"], "REMARK": SECUTIX_REMARKS.get(k, ""), "FIRSTNAME": p["given"],
             "LASTNAME": p["family"], "BIRTHDATE": dmy(p), "PREF_LANG": LANGUAGES.get(country, "en"),
             "OFFICIAL_NAME": p["org"], "ADDRESS_NAME1": p["org"] if p["org"] and k % 3 == 0 else "",
             "STRUCT_TYPE": "COMPANY" if p["org"] else "", "ADMIN_NUMBER": f"{36570000 + 1013 * k}" if alone else "",
             "NB_EMPLOYEES": str(12 * k) if alone else "", "WEB_SITE": p["url"], "ADDR_TYPE": "MB" if alone else ""}
        if a:
            v.update(LINE1=a[1], ZIPCODE=a[4], TOWN=a[2], DEPARTMENT=a[3], COUNTRY=country)
        rows.append(fill(s["header"], v))
        # ORGANIZATION is the seller's own code in SecuTix; the contact's firm is OFFICIAL_NAME.
        want.append(card(p, prefix="" if alone else title, suffix="", tels=[], emails=[],
                         adrs=[want_adr(a, country=country)] if a else [], birthday=True, url=True))
    return dict(source="secutix_contacts", rows=rows, want=want, quote_all=True)


def skillsoft_contacts():
    """An e-learning site's contacts saved as Unicode text: the whole name
    in 'Name', firms first with their own name, people pointing at their
    firm's contact id, an alternate or mobile number, a deactivated status."""
    s = SOURCES["skillsoft_contacts"]
    rows, want = [s["header"]], []
    firms = [c for c in companies([SLOVENE]) if c["org"] in ("Krka, d. d.", "Gorenje d.o.o.", "Mercator d.d.")] \
        + [c for c in SLOVENE3 if not c["given"]]
    people = firms + persons(SLOVENE) + persons(SLOVENE3)
    ids = {}
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        if alone:
            ids.setdefault(p["org"], f"SI{k:04d}")
        _, phone = first_phone(p, "WORK", "HOME")
        mobile = first_of(p, "CELL")
        v = {"Name": p["org"] if alone else full_name(p), "Status": "0" if k % 6 == 0 else "1",
             "Contact ID": f"SI{k:04d}", "Contact Function/Title": p["job"],
             "Related Contact ID": "" if alone else ids.get(p["org"], ""), "Company Name": p["org"],
             "Primary E-mail": p["emails"][0] if p["emails"] else "",
             "Alternate E-mail": p["emails"][1] if len(p["emails"]) > 1 else "", "Primary URL": p["url"],
             "Phone Number": phone, "Alternate/Mobile": mobile, "Fax": first_of(p, "FAX")}
        if a:
            v.update({"Address 1": a[1], "City": a[2], "State/Province": a[3], "ZIP/Postal": a[4]})
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if alone else ANY, phone), (ANY, mobile), ("FAX", v["Fax"])]
        # A row whose Name is its Company Name is the firm alone; 'Alternate/Mobile' may be either, so untyped.
        want.append(card(p, prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:2],
                         adrs=[want_adr(a, country="")] if a else [], url=True))
    return dict(source="skillsoft_contacts", rows=rows, want=want, bom=True)


SHORT = {"Dacia Automobile SA": "Dacia", "Banca Transilvania SA": "BT", "Spitalul Județean Iași": "SJU Iași",
         "Universitatea din București": "UniBuc", "Neagu Logistic S.R.L.": "Neagu Logistic", "UMF Iași": "UMF"}
ORG_FORMS = {"Dacia Automobile SA": "SA", "Banca Transilvania SA": "SA", "eMAG": "SRL", "Neagu Logistic S.R.L.": "SRL"}


def econt_clients():
    """A Moldovan invoicing tool's clients as tab-separated values: fiscal
    codes of thirteen digits, VAT codes of seven, J/I/F types, a short
    caption beside the registered name, the contact's name, the postal
    address whole, the invoice's language."""
    s = SOURCES["econt_clients"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(ROMANIAN) + persons(ROMANIAN2) + MOLDOVAN, 1):
        a = first_adr(p)
        kind = "F" if not p["org"] else ("I" if p["org"].startswith("Î.I.") else "J")
        country = k % 3 == 0
        registered = p["org"] or full_name(p)
        v = {"IDNO": f"{1003600000000 + 7919 * k}" if kind != "F" or k % 2 else "",
             "TVA": f"{1200000 + 37 * k}" if kind == "J" else "",
             "Short Caption": SHORT.get(p["org"], f"{p['family']} {p['given'][0]}." if kind == "I" else
                                        (registered if kind == "F" else p["org"])),
             "Registered Name": registered, "Type": kind,
             "Org. form": {"F": "PF", "I": "ÎI"}.get(kind, ORG_FORMS.get(registered, "IP")),
             "First Name": p["given"], "Last Name": p["family"], "E-Mail": p["emails"][0],
             "Phone": plain(p["phones"][0][1]) if k % 2 else p["phones"][0][1],
             "Postal Address": whole_address(a, country=country) if a else "",
             "Language": "ru" if p in MOLDOVAN[2:] else ("en" if k % 5 == 0 else "ro")}
        rows.append(fill(s["header"], v))
        adrs = [want_adr(a, kind=None, region="", country=a[5] if country else "")] if a else []
        # The registered name is the organisation (not the short caption); an individual's (F) is no organisation.
        want.append(card(p, org="" if kind == "F" else registered, title="", prefix="", suffix="",
                         tels=[(ANY, v["Phone"])], emails=p["emails"][:1], adrs=adrs))
    return dict(source="econt_clients", rows=rows, want=want, line_end="\n")


JOBKA_DEPARTMENTS = ("Vedení", "Projekce", "Provoz", "Personální oddělení", "Ekonomika")


def jobka_contacts():
    """An employee app's contacts: academic titles before and after the name
    beside the function, departments, one number written with or without
    blanks and the country's code."""
    s = SOURCES["jobka_contacts"]
    rows, want = [s["header"]], []
    titled = [p for p in persons(CZECH) + persons(CZECH2) + persons(SLOVAK) + persons(SLOVAK2) if p["prefix"]]
    plain_named = [p for p in persons(CZECH) + persons(CZECH2) if not p["prefix"]][:4]
    for k, p in enumerate(titled + plain_named, 1):
        _, phone = first_phone(p, "CELL", "WORK", "HOME")
        phone = plain(phone) if k % 3 == 0 else (at_home(phone) if k % 3 == 1 else phone)
        v = {"Title before name": p["prefix"], "First name": p["given"], "Surname": p["family"],
             "Title after first name": p["suffix"], "Function": p["job"],
             "Department": JOBKA_DEPARTMENTS[k % len(JOBKA_DEPARTMENTS)], "Phone": phone, "Email": p["emails"][0]}
        rows.append(fill(s["header"], v))
        want.append(card(p, org="", tels=[(ANY, phone)], emails=p["emails"][:1], adrs=[]))
    return dict(source="jobka_contacts", rows=rows, want=want, bom=True)
