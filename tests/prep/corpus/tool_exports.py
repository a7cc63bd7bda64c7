"""Exports of other tools: a phone system, mailing and event tools, an import
sheet, Dolibarr in five languages, and Google, Thunderbird and Outlook with
what people write into them. Each maker returns a dict as crm_exports.py's do."""
import datetime

from export_kit import ANY, card, companies, fill, first_of, iso, persons
from headers import OUTLOOK_COLUMNS, SOURCES
from people import CROATIAN, CZECH, GERMAN, HUNGARIAN, POLISH, ROMANIAN, SLOVAK, SLOVENE


def yeastar_pbx_contacts():
    """A phone system's contacts: postal code and town typed into one cell in
    some rows, and a mobile number a spreadsheet turned into 3,86415E+10."""
    s = SOURCES["yeastar_pbx_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(SLOVENE) + persons(CROATIAN) + persons(SLOVAK)[:3], 1):
        a = p["adr"][0] if p["adr"] else None
        cells = {"WORK": ["Work Number", "Work Number 2"], "CELL": ["Mobile", "Mobile 2"], "HOME": ["Home", "Home 2"],
                 "FAX": ["Work Fax"]}
        lost = []
        v, tels = {"First Name": p["given"], "Last Name": p["family"],
                   "Email": p["emails"][0] if p["emails"] else "", "Company": p["org"]}, []
        for kind, number in p["phones"]:
            column = cells[kind].pop(0)
            if k == 5 and kind == "CELL":
                v[column] = "3,86415E+10"   # the number is lost: no card may hold it as a phone
                lost = [v[column]]
                continue
            v[column] = number
            tels.append((kind, number))
        if a:
            if k % 4 == 2:
                v.update({"City": f"{a[4]} {a[2]}", "Street": a[1], "State": a[3], "Country": a[5]})
            else:
                v.update({"ZIP Code": a[4], "Street": a[1], "City": a[2], "State": a[3], "Country": a[5]})
        rows.append(fill(s["header"], v))
        want.append(dict(card(p, title="", tels=tels, emails=p["emails"][:1],
                              adrs=[(None,) + tuple(a[1:])] if a else []), lost=lost))
    return dict(source="yeastar_pbx_contacts", rows=rows, want=want)


def mapp_engage_export():
    """A mailing tool's member export: counts, flags and codes beside the
    person; the postal code alone makes an address."""
    s = SOURCES["mapp_engage_export"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(GERMAN) + persons(CZECH)[:8], 1):
        a = p["adr"][0] if p["adr"] else None
        v = {"user.Email": p["emails"][0], "user.FirstName": p["given"], "user.Identifier": p["emails"][0],
             "user.Bounced": "false", "User.DateOfBirth": iso(p) if p["birthday"] else "",
             "user.ISOCountryCode": "DE" if k <= 7 else "CZ", "user.ISOLanguageCode": "de" if k <= 7 else "cs",
             "user.LastName": p["family"], "user.MobileNumber": first_of(p, "CELL"), "user.Nickname": p["nickname"],
             "user.PK": str(1000020 + k), "user.RegistrationDate": f"2022-01-{k:02d} 14:33:00",
             "user.Source": "Website", "user.ZipCode": a[4] if a else "",
             "member.CreationDate": f"2022-01-{k:02d} 14:33:00", "member.Delivery": "true",
             "member.EmailFormat": "html", "member.MessageCounter": str((k * 7) % 5), "member.MobileFormat": "sms",
             "member.Role": "member"}
        rows.append(fill(s["header"], v))
        tels = [("CELL", v["user.MobileNumber"])] if v["user.MobileNumber"] else []
        want.append(card(p, org="", title="", tels=tels, emails=p["emails"][:1],
                         adrs=[(None, "", "", "", a[4], "")] if a else [], birthday=True, nickname=True))
    return dict(source="mapp_engage_export", rows=rows, want=want, separator=";")


def lyris_listmanager_report():
    s = SOURCES["lyris_listmanager_report"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH) + persons(SLOVAK), 1):
        full = " ".join(x for x in (p["prefix"] if k in (1, 3) else "", p["given"], p["family"]) if x)
        v = {"Member ID": str(1800 + k), "Email Address": p["emails"][0], "Full Name": full,
             "List": "novinky-cz" if k <= 7 else "novinky-sk", "Date Joined": f"2021-03-{k:02d} 10:11:12"}
        rows.append(fill(s["header"], v))
        want.append(card(p, fn=full, org="", title="", prefix=p["prefix"] if k in (1, 3) else "", suffix="",
                         emails=p["emails"][:1]))
    return dict(source="lyris_listmanager_report", rows=rows, want=want,
                preamble="ListManager report: members of novinky-cz, novinky-sk\r\n")


def coss_contacts_export():
    s = SOURCES["coss_contacts_export"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(SLOVAK) + persons(POLISH) + persons(HUNGARIAN)[:2], 1):
        a = p["adr"][0] if p["adr"] else None
        phone = p["phones"][0][1] if p["phones"] else ""
        v = {"email": p["emails"][0], "first_name": p["given"], "last_name": p["family"],
             "status": "unsubscribed" if k % 5 == 0 else "subscribed", "company": p["org"], "phone": phone,
             "city": a[2] if a else "", "created_at": f"2025-10-{k:02d}T08:15:00Z", "id": f"ct_01HZX{k:04d}QW"}
        rows.append(fill(s["header"], v))
        want.append(card(p, title="", tels=[(ANY, phone)] if phone else [], emails=p["emails"][:1],
                         adrs=[(None, "", a[2], "", "", "")] if a else []))
    return dict(source="coss_contacts_export", rows=rows, want=want, line_end="\n")


def emailit_contacts():
    s = SOURCES["emailit_contacts"]
    rows, want = [s["header"]], []
    people = persons(POLISH) + persons(CROATIAN) + companies([POLISH, CROATIAN])[:3]
    for p in people:
        v = {"email": p["emails"][0] if p["emails"] else "", "first_name": p["given"], "last_name": p["family"],
             "company": p["org"], "birthday": iso(p) if p["birthday"] else ""}
        rows.append(fill(s["header"], v))
        want.append(card(p, title="", emails=p["emails"][:1], birthday=True))
    return dict(source="emailit_contacts", rows=rows, want=want, line_end="\n")


def cvent_contacts():
    """Saved from a spreadsheet as "Unicode text": UTF-16 with tabs."""
    s = SOURCES["cvent_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(GERMAN) + persons(SLOVENE) + persons(CROATIAN)[:2], 1):
        v = {"SourceId": f"CV-{7000 + k}", "FirstName": p["given"], "LastName": p["family"],
             "EmailAddress": p["emails"][0], "CCEmailAddress": p["emails"][1] if len(p["emails"]) > 1 else "",
             "Company": p["org"], "Title": p["job"], "ContactType": "Attendee", "ContactTypeCode": "ATT",
             "Salutation": p["prefix"], "Nickname": p["nickname"], "Active": "True", "ExcludedFromEmail": "False",
             "OptedIn": "True" if k % 2 else "False", "CreatedDate": f"2024-0{1 + k % 9}-15T10:00:00",
             "CreatedBy": "cvent.admin", "LastModifiedDate": "2025-01-20T08:30:00", "LastModifiedBy": "cvent.admin",
             "EmailAddressStatus": "Valid", "HomePhone": first_of(p, "HOME"),
             "HomeFax": "", "PrimaryAddressType": "Work"}
        adrs = []
        for a in p["adr"]:
            side = "Home" if a[0] == "HOME" else "Work"
            v.update({f"{side}Address1": a[1], f"{side}City": a[2], f"{side}State": a[3], f"{side}PostalCode": a[4],
                      f"{side}Country": a[5]})
            adrs.append((a[0],) + tuple(a[1:]))
        rows.append(fill(s["header"], v))
        tels = [("HOME", v["HomePhone"])] if v["HomePhone"] else []
        want.append(card(p, tels=tels, emails=p["emails"][:2], adrs=adrs, nickname=True))
    return dict(source="cvent_contacts", rows=rows, want=want, separator="\t", encoding="utf-16-le", bom=True,
                quote_all=False)


def alamode_contact_import():
    """A sheet made for an import, saved by a Czech Excel: ';', code page 1250,
    birthdays as the spreadsheet's date numbers, a mobile number in exponent form."""
    s = SOURCES["alamode_contact_import"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH) + persons(HUNGARIAN), 1):
        v = {"FirstName": p["given"], "LastName": p["family"], "JobTitle": p["job"], "Company": p["org"],
             "Suffix": p["suffix"], "Title": p["prefix"], "Fax": first_of(p, "FAX"),
             "HomePhone": first_of(p, "HOME"), "BusinessPhone": first_of(p, "WORK"), "CellPhone": first_of(p, "CELL"),
             "Notes": "volat dopoledne" if k == 2 else ""}
        tels = [("HOME", v["HomePhone"]), ("WORK", v["BusinessPhone"]), ("CELL", v["CellPhone"]), ("FAX", v["Fax"])]
        if k == 6 and v["CellPhone"]:
            v["CellPhone"] = "4,20739E+11"   # the number is lost: no card may hold it as a phone
            tels = [t for t in tels if t[0] != "CELL"]
            lost = [v["CellPhone"]]
        else:
            lost = []
        mails = p["emails"][:2]
        if p["org"]:
            v.update(BusinessEmail=mails[0], BusinessEmailDisplayName=f"{p['given']} {p['family']}")
            if len(mails) > 1:
                v.update(HomeEmail=mails[1], HomeEmailDisplayName=f"{p['given']} {p['family']}")
        else:
            v.update(HomeEmail=mails[0], HomeEmailDisplayName=f"{p['given']} {p['family']}")
            if len(mails) > 1:
                v.update(BusinessEmail=mails[1], BusinessEmailDisplayName=f"{p['given']} {p['family']}")
        adrs = []
        for a in p["adr"]:
            if a[0] == "HOME":
                v.update(HomeAddress1=a[1], HomeCity=a[2], HomeState=a[3], HomeZip=a[4], HomeCountry=a[5])
            else:
                v.update(BusinessAddress1=a[1], BusinessCity=a[2], BusinessState=a[3], BusinessZip=a[4],
                         BusinessCountry=a[5])
            adrs.append(a)
        if p["birthday"]:
            y, m, d = p["birthday"]
            v["BirthDate"] = str((datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days)
        rows.append(fill(s["header"], v))
        want.append(dict(card(p, tels=[t for t in tels if t[1]], emails=mails, adrs=adrs, birthday=True), lost=lost))
    return dict(source="alamode_contact_import", rows=rows, want=want, separator=";", encoding="cp1250")


# Dolibarr's contact export fields, in the module's order (Mobile left out:
# no stored translation names it).
DOLIBARR_FIELDS = ["IdContact", "CivilityCode", "Lastname", "Firstname", "PostOrFunction", "DateCreation",
                   "DateLastModification", "ContactPrivate", "Address", "Zip", "Town", "State", "Country",
                   "CountryCode", "Phone", "Fax", "EMail", "IdCompany", "CompanyName", "Status", "CustomerCode",
                   "SupplierCode", "Customer", "Supplier"]


def dolibarr(source, people, separator, encoding, left_out=(), footer="", country_code=""):
    """Dolibarr's contacts export: the labels of the chosen fields in the interface language."""
    s = SOURCES[source]
    fields = [f for f in DOLIBARR_FIELDS if f not in left_out]
    assert len(fields) == len(s["header"])
    rows, want = [s["header"]], []
    for k, p in enumerate(people, 1):
        a = p["adr"][0] if p["adr"] else None
        v = dict(IdContact=str(40 + k), Lastname=p["family"], Firstname=p["given"], PostOrFunction=p["job"],
                 DateCreation=f"2024-02-{k:02d} 10:11:12", DateLastModification=f"2025-0{1 + k % 9}-0{1 + k % 9} 09:00:00",
                 ContactPrivate="0", Phone=first_of(p, "WORK"), Fax=first_of(p, "FAX"),
                 EMail=p["emails"][0] if p["emails"] else "", IdCompany=str(10 + k), CompanyName=p["org"],
                 Status="1", CustomerCode=f"CU2402-{k:04d}" if p["org"] else "", Customer="1" if p["org"] else "0",
                 Supplier="0", CountryCode=country_code)
        if a:
            v.update(Address=a[1], Zip=a[4], Town=a[2], State=a[3], Country=a[5])
        rows.append([v.get(f, "") for f in fields])
        tels = [("WORK|VOICE", first_of(p, "WORK")), ("FAX", first_of(p, "FAX"))]
        # A Hungarian layout names people family name first, as Outlook in Hungarian does.
        fn = f"{p['family']} {p['given']}" if s["language"] == "hu" else None
        want.append(card(p, fn=fn, tels=[t for t in tels if t[1]],
                         emails=p["emails"][:1] if "EMail" in fields else [], prefix="",
                         adrs=[(None,) + tuple(a[1:])] if a else []))
    return dict(source=source, rows=rows, want=want, separator=separator, encoding=encoding, footer=footer)


def dolibarr_contacts_sl():
    return dolibarr("dolibarr_contacts_sl", persons(SLOVENE) + persons(CROATIAN) + persons(GERMAN)[:2], ",", "utf-8")


def dolibarr_contacts_hr():
    return dolibarr("dolibarr_contacts_hr", persons(CROATIAN) + persons(SLOVENE) + persons(HUNGARIAN)[:2], ";",
                    "cp1250", footer=f"Ukupno: {len(persons(CROATIAN) + persons(SLOVENE)) + 2} kontakata\r\n")


def dolibarr_contacts_ro():
    return dolibarr("dolibarr_contacts_ro", persons(ROMANIAN) + persons(HUNGARIAN) + persons(SLOVENE)[:2], ";", "utf-8",
                    left_out=["EMail"])


def dolibarr_contacts_cs():
    return dolibarr("dolibarr_contacts_cs", persons(CZECH) + persons(SLOVAK), ";", "cp1250", country_code="CZ")


def dolibarr_contacts_hu():
    return dolibarr("dolibarr_contacts_hu", persons(HUNGARIAN) + persons(POLISH), ",", "utf-8",
                    left_out=["DateCreation", "DateLastModification", "EMail"], country_code="HU")


GOOGLE_LABELS = {"cs": {"CELL": "mobil", "WORK": "práce", "HOME": "domů", "FAX": "fax práce"},
                 "hu": {"CELL": "mobil", "WORK": "munkahelyi", "HOME": "otthoni", "FAX": "fax"}}
ADR_LABELS = {"cs": {"WORK": "práce", "HOME": "domů"}, "hu": {"WORK": "Munkahelyi", "HOME": "Otthoni"}}


def google_contacts_custom_labels():
    """Google's own layout, with the labels people type in their language:
    the label says the type, and is no phone nor street itself."""
    s = SOURCES["google_contacts"]
    h = s["header"]
    rows, want = [h], []
    for k, p in enumerate(persons(CZECH) + persons(HUNGARIAN), 1):
        lang = "cs" if k <= len(persons(CZECH)) else "hu"
        v = {"First Name": p["given"], "Last Name": p["family"], "Name Prefix": p["prefix"],
             "Name Suffix": p["suffix"], "Nickname": p["nickname"], "Organization Name": p["org"],
             "Organization Title": p["job"], "Birthday": iso(p) if p["birthday"] else "",
             "Labels": "* myContacts", "Website 1 - Label": "Work" if p["url"] else "", "Website 1 - Value": p["url"]}
        for n, mail in enumerate(p["emails"][:2], 1):
            v[f"E-mail {n} - Label"] = ("* " if n == 1 else "") + ("práce" if lang == "cs" else "munkahelyi")
            v[f"E-mail {n} - Value"] = mail
        for n, (kind, number) in enumerate(p["phones"][:3], 1):
            v[f"Phone {n} - Label"] = GOOGLE_LABELS[lang][kind]
            v[f"Phone {n} - Value"] = number
        adrs = []
        for a in p["adr"][:1]:
            v.update({"Address 1 - Label": ADR_LABELS[lang][a[0]], "Address 1 - Street": a[1],
                      "Address 1 - City": a[2], "Address 1 - Region": a[3], "Address 1 - Postal Code": a[4],
                      "Address 1 - Country": a[5],
                      "Address 1 - Formatted": "\n".join(x for x in (a[1], f"{a[4]} {a[2]}", a[5]) if x.strip())})
            adrs.append(a)
        rows.append(fill(h, v))
        want.append(card(p, tels=p["phones"][:3], emails=p["emails"][:2], adrs=adrs, birthday=True, nickname=True,
                         url=True))
    return dict(source="google_contacts", rows=rows, want=want)


def thunderbird():
    """Thunderbird's own layout; the birthday in three columns."""
    s = SOURCES["thunderbird"]
    h = s["header"]
    rows, want = [h], []
    phones = {"WORK": "Work Phone", "HOME": "Home Phone", "FAX": "Fax Number", "CELL": "Mobile Number"}
    for p in persons(GERMAN) + persons(POLISH) + persons(SLOVAK)[:2]:
        full = f"{p['given']} {p['family']}"
        v = {"First Name": p["given"], "Last Name": p["family"], "Display Name": full, "Nickname": p["nickname"],
             "Job Title": p["job"], "Organization": p["org"], "Web Page 1": p["url"]}
        v.update(zip(["Primary Email", "Secondary Email"], p["emails"]))
        tels = []
        for kind, number in p["phones"]:
            if phones[kind] not in v:
                v[phones[kind]] = number
                tels.append((kind, number))
        adrs = []
        for a in p["adr"]:
            side = "Work" if a[0] == "WORK" else "Home"
            v.update({f"{side} Address": a[1], f"{side} City": a[2], f"{side} State": a[3], f"{side} ZipCode": a[4],
                      f"{side} Country": a[5]})
            adrs.append(a)
        if p["birthday"]:
            v.update({"Birth Year": str(p["birthday"][0]), "Birth Month": str(p["birthday"][1]),
                      "Birth Day": str(p["birthday"][2])})
        rows.append(fill(h, v))
        want.append(card(p, fn=full, prefix="", suffix="", tels=tels, emails=p["emails"][:2], adrs=adrs,
                         birthday=True, nickname=True, url=True))
    return dict(source="thunderbird", rows=rows, want=want)


def outlook(lang):
    """Outlook's export in one of its languages: every field quoted."""
    source = {"en": "outlook_english", "de": "outlook_german", "cs": "outlook_czech"}[lang]
    s = SOURCES[source]
    c = OUTLOOK_COLUMNS[lang]
    h = s["header"]
    rows, want = [h], []
    extra = {"en": dict(gender="Unspecified", priority="Normal", private="False", sensitivity="Normal"),
             "de": dict(gender="Unbestimmt", priority="Normal", private="Aus", sensitivity="Normal"),
             "cs": dict(gender="Neurčeno", priority="Normální", private="Nepravda", sensitivity="Normální")}[lang]
    for k, p in enumerate(persons(CZECH) + persons(SLOVAK) + companies([CZECH, SLOVAK])[:3], 1):
        v = {c[key]: value for key, value in extra.items()}
        v.update({c["prefix"]: p["prefix"], c["given"]: p["given"], c["family"]: p["family"], c["org"]: p["org"],
                  c["job"]: p["job"], c["fax"]: first_of(p, "FAX"), c["work"]: first_of(p, "WORK"),
                  c["home"]: first_of(p, "HOME"), c["cell"]: first_of(p, "CELL"), c["web"]: p["url"]})
        if p["birthday"]:
            y, m, d = p["birthday"]
            v[c["birthday"]] = {"en": f"{m}/{d}/{y}", "de": f"{d:02d}.{m:02d}.{y}", "cs": f"{d}.{m}.{y}"}[lang]
        for a in p["adr"]:
            side = "work" if a[0] == "WORK" else "home"
            v.update({c[f"{side}_street"]: a[1], c[f"{side}_city"]: a[2], c[f"{side}_code"]: a[4],
                      c[f"{side}_country"]: a[5]})
        if p["emails"]:
            shown = " ".join(x for x in (p["given"], p["family"]) if x) or p["org"]
            v.update({c["email"]: p["emails"][0], c["email_type"]: "SMTP",
                      c["email_shown"]: f"{shown} ({p['emails'][0]})"})
        if len(p["emails"]) > 1:
            v[c["email2"]] = p["emails"][1]
        rows.append(fill(h, {k2: v2 for k2, v2 in v.items() if v2}))
        tels = [("WORK", first_of(p, "WORK")), ("HOME", first_of(p, "HOME")), ("CELL", first_of(p, "CELL")),
                ("FAX", first_of(p, "FAX"))]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:2],
                         adrs=[(a[0], a[1], a[2], "", a[4], a[5]) for a in p["adr"]], birthday=True, url=True))
    return dict(source=source, rows=rows, want=want, quote_all=True, encoding="cp1250")


def outlook_english():
    return outlook("en")
