"""Held-out exports of CRMs, a mailing tool and phone systems: SugarCRM's
contacts as a migration script writes them and its accounts table as a
database client dumps it, a Mailchimp audience, co*pilot CRM, and the phone
books of Wazo, NethCTI and a webphone. Each maker returns a dict as
crm_exports.py's do, with `text` where the file is no plain CSV."""
from export_kit import ANY, card, companies, fill, first_of, iso, persons
from people import CROATIAN, CZECH, GERMAN, POLISH, SLOVAK, SLOVENE
from unseen_headers import SOURCES
from unseen_kit import (academic, csv_when, first_adr, mysql_batch_text, national, salutation,
                        sugar_migration_text, want_adr, code_of)
from unseen_people import CROATIAN2, CZECH2, GERMAN2, HUNGARIAN2, POLISH2, ROMANIAN2, SLOVAK2


def sugarcrm_contacts_migration():
    """No company name (the table keeps only ids), an assistant's name beside
    the person, one town written with its postal code, notes with a comma and
    a line break inside the quotes."""
    s = SOURCES["sugarcrm_contacts_migration"]
    rows, want = [s["header"]], []
    people = persons(CZECH2) + persons(SLOVAK2) + persons(CZECH)[:4] + persons(SLOVAK)[:3]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        v = {"id": f"{k:08x}-5c1e-4f2a-9d3b-{k * 7919:012x}", "date_entered": f"2009-03-{k:02d} 10:15:00",
             "date_modified": f"2011-11-{k:02d} 16:40:12", "modified_user_id": "1", "created_by": "seed_sally_id",
             "description": {2: "Zná jednatele, volat po 14:00\nPreferuje e-mail",
                             7: "Veľtrh Nitra, 2008"}.get(k, ""),
             "deleted": "0", "assigned_user_id": "seed_sally_id" if k % 2 else "seed_max_id",
             "salutation": p["prefix"], "first_name": p["given"], "last_name": p["family"], "title": p["job"],
             "department": "Obchod" if k % 5 == 1 else "", "phone_home": first_of(p, "HOME"),
             "phone_mobile": first_of(p, "CELL"), "phone_work": first_of(p, "WORK"), "phone_fax": first_of(p, "FAX"),
             "assistant": {1: "Hana Malá", 9: "Peter Kráľ"}.get(k, ""),
             "lead_source": ("Web Site", "Cold Call", "Trade Show")[k % 3],
             "birthdate": iso(p) if p["birthday"] else "",
             "email1": p["emails"][0], "email2": p["emails"][1] if len(p["emails"]) > 1 else "",
             "portal_name": (p["given"][0] + p["family"]).lower() if k % 4 == 0 else ""}
        if a:
            v.update(primary_address_street=a[1], primary_address_city=a[2], primary_address_state=a[3],
                     primary_address_postalcode=a[4], primary_address_country=a[5])
            if k == 6:   # the town typed with its postal code, the code's own column left empty
                v.update(primary_address_city=f"{a[4]} {a[2]}", primary_address_postalcode="")
        rows.append(fill(s["header"], v))
        tels = [("HOME", v["phone_home"]), ("CELL", v["phone_mobile"]), ("WORK", v["phone_work"]),
                ("FAX", v["phone_fax"])]
        want.append(card(p, org="", tels=[t for t in tels if t[1]], emails=p["emails"][:2],
                         adrs=[want_adr(a)] if a else [], birthday=True))
    return dict(source="sugarcrm_contacts_migration", rows=rows, want=want, text=sugar_migration_text(rows))


def sugarcrm_accounts_table():
    """Company-only rows as a database client dumps the table: NULL for what
    was never set, a line break escaped as '\\n', a shipping address beside
    the billing one for two of them."""
    s = SOURCES["sugarcrm_accounts_table"]
    rows, want = [s["header"]], []
    shipping = {3: ("Svitavská 12", "Blansko", "", "678 01", "Česko"),
                12: ("Budafoki út 79.", "Budapest", "", "1117", "Magyarország")}
    for k, p in enumerate(companies([CZECH2, SLOVAK2, HUNGARIAN2, POLISH2, CZECH])[:17], 1):
        a = first_adr(p)
        v = {h: "NULL" for h in s["header"]}
        v.update(id=f"{k * 104729:08x}-77aa-4e0b-8c1d-{k:012d}", name=p["org"],
                 date_entered=f"2012-0{1 + k % 9}-1{k % 10} 08:00:00", date_modified="2015-03-11 11:11:37",
                 modified_user_id="1", created_by="seed_will_id", deleted="0", assigned_user_id="seed_sally_id",
                 account_type=("Customer", "Reseller", "Partner")[k % 3], industry="Energy" if k % 4 == 0 else "Other",
                 phone_office=first_of(p, "WORK"), employees=str(12 + 9 * k))
        if k == 2:
            v["description"] = "Rámcová smlouva do 2027\nSleva 5 %, platba do 14 dnů"
        if k % 5 == 0:
            v.update(annual_revenue="", rating="", ownership="")   # emptied in the form: '' rather than NULL
        if first_of(p, "FAX"):
            v["phone_fax"] = first_of(p, "FAX")
        if p["url"]:
            v["website"] = p["url"]
        if p["org"] == "MOL Nyrt.":
            v["ticker_symbol"] = "MOL"
        adrs = []
        if a:
            v.update(billing_address_street=a[1], billing_address_city=a[2], billing_address_state=a[3] or "NULL",
                     billing_address_postalcode=a[4], billing_address_country=a[5])
            adrs.append(want_adr(a))
        if k in shipping:
            ship = shipping[k]
            v.update(shipping_address_street=ship[0], shipping_address_city=ship[1],
                     shipping_address_postalcode=ship[3], shipping_address_country=ship[4])
            adrs.append((None,) + ship)
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["phone_office"]), ("FAX", first_of(p, "FAX"))]
        want.append(card(p, tels=[t for t in tels if t[1] and t[1] != "NULL"], emails=[], adrs=adrs,
                         url=bool(p["url"])))
    return dict(source="sugarcrm_accounts_table", rows=rows, want=want, text=mysql_batch_text(rows))


GEO = {"HU": ("47.4979000", "19.0402000", "Europe/Budapest", "BU"), "RO": ("44.4268000", "26.1025000",
       "Europe/Bucharest", "B"), "PL": ("52.2297000", "21.0122000", "Europe/Warsaw", "MZ"),
       "CZ": ("50.0755000", "14.4378000", "Europe/Prague", "PR")}


def mailchimp_audience():
    """Subscribers with the mailing tool's own columns beside them: ratings,
    times, IP addresses, coordinates, offsets; three without a name."""
    s = SOURCES["mailchimp_audience"]
    rows, want = [s["header"]], []
    people = [(p, "HU") for p in persons(HUNGARIAN2)] + [(p, "RO") for p in persons(ROMANIAN2)] \
        + [(p, "PL") for p in persons(POLISH2)[:4]] + [(p, "CZ") for p in persons(CZECH)[:2]]
    for k, (p, cc) in enumerate(people, 1):
        lat, lng, zone, region = GEO[cc]
        named = k not in (4, 9, 13)
        v = {"Email Address": p["emails"][0], "First Name": p["given"] if named else "",
             "Last Name": p["family"] if named else "", "MEMBER_RATING": str(2 + k % 4),
             "OPTIN_TIME": f"2024-0{1 + k % 9}-{10 + k} 09:12:31" if k % 3 else "",
             "OPTIN_IP": f"185.43.{k}.7" if k % 3 else "", "CONFIRM_TIME": f"2024-0{1 + k % 9}-{10 + k} 09:14:02",
             "CONFIRM_IP": f"91.219.{k * 3}.{40 + k}", "LATITUDE": lat, "LONGITUDE": lng, "GMTOFF": "1",
             "DSTOFF": "2", "TIMEZONE": zone, "CC": cc, "REGION": region,
             "LAST_CHANGED": f"2025-0{1 + k % 9}-02 18:00:{k:02d}", "LEID": str(44877845 + 37 * k),
             "EUID": f"{(k * 2654435761) % (1 << 40):010x}",
             "NOTES": {3: "Webinárium, 2024. május\nárlistát kér", 8: "Cupon PRIMAVARA10, folosit"}.get(k, "")}
        rows.append(fill(s["header"], v))
        if named:
            want.append(card(p, org="", title="", emails=p["emails"][:1]))
        else:
            want.append(card(p, fn=p["emails"][0], given="", family="", org="", title="", prefix="", suffix="",
                             emails=p["emails"][:1]))
    text = csv_when(rows, ",", lambda value: " " in value)
    return dict(source="mailchimp_audience", rows=rows, want=want, text=text)


def wazo_phonebook():
    """A phone system's directory file: '|' between fields, the salutation
    under 'title', the shown name family name first."""
    s = SOURCES["wazo_phonebook"]
    rows, want = [s["header"]], []
    people = persons(GERMAN2) + persons(CROATIAN) + persons(SLOVENE)[:3] + persons(CZECH)[:2]
    for p in people:
        shown = f"{p['family']} {p['given']}"
        cell = first_of(p, "CELL")
        v = {"title": salutation(p, "en"), "firstname": p["given"], "lastname": p["family"], "displayname": shown,
             "society": p["org"], "mobilenumber": cell, "email": p["emails"][0]}
        rows.append(fill(s["header"], v))
        want.append(card(p, fn=shown, title="", tels=[("CELL", cell)] if cell else [], emails=p["emails"][:1]))
    return dict(source="wazo_phonebook", rows=rows, want=want, line_end="\n")


def nethcti_phonebook():
    """Home and work kept apart in every column; the CTI user who owns the
    entry, public and private entries, companies without a person."""
    s = SOURCES["nethcti_phonebook"]
    rows, want = [s["header"]], []
    people = persons(ROMANIAN2) + persons(CROATIAN) + persons(SLOVENE)[:3] + companies([CROATIAN2[:3]])
    for k, p in enumerate(people, 1):
        mails = p["emails"][:2]
        work_first = bool(p["org"])
        v = {"owner_id": "admin" if k % 3 else "mkovac", "type": "public" if k % 3 else "private",
             "homephone": first_of(p, "HOME"), "workphone": first_of(p, "WORK"), "cellphone": first_of(p, "CELL"),
             "fax": first_of(p, "FAX"), "title": p["job"], "company": p["org"],
             "notes": {2: "Târg Cluj, 2024\nsunați dimineața", 9: "klijent od 2019., VIP"}.get(k, ""),
             "name": " ".join(x for x in (p["given"], p["family"]) if x), "url": p["url"]}
        if mails:
            v["workemail" if work_first else "homeemail"] = mails[0]
        if len(mails) > 1:
            v["homeemail" if work_first else "workemail"] = mails[1]
        adrs = []
        for a in p["adr"]:
            side = "home" if a[0] == "HOME" else "work"
            v.update({f"{side}street": a[1], f"{side}city": a[2], f"{side}province": a[3],
                      f"{side}postalcode": a[4], f"{side}country": a[5]})
            adrs.append(want_adr(a, kind=a[0]))
        rows.append(fill(s["header"], v))
        tels = [("HOME", v["homephone"]), ("WORK", v["workphone"]), ("CELL", v["cellphone"]), ("FAX", v["fax"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=mails, adrs=adrs, url=True))
    return dict(source="nethcti_phonebook", rows=rows, want=want, line_end="\n")


def innovate_webphone_contacts():
    """A webphone's contacts: numbers written with 00 for the country, the
    extra numbers saved as 'other', a comma closing every line."""
    s = SOURCES["innovate_webphone_contacts"]
    rows, want = [s["header"]], []
    people = persons(POLISH2) + persons(POLISH)[:6] + persons(SLOVAK)[:4]
    for p in people:
        full = f"{p['given']} {p['family']}"
        work = national(first_of(p, "WORK"), "", "00") if first_of(p, "WORK") else ""
        others = [national(n, "", "00") for n in (first_of(p, "CELL"), first_of(p, "HOME")) if n]
        v = {"contact-name": full, "position": p["job"], "email": p["emails"][0], "work-phone": work}
        v.update(zip(["optional-phone-1", "optional-phone-2"], others))
        rows.append(fill(s["header"], v))
        tels = ([("WORK", work)] if work else []) + [(ANY, n) for n in others]
        want.append(card(p, fn=full, org="", tels=tels, emails=p["emails"][:1]))
    return dict(source="innovate_webphone_contacts", rows=rows, want=want, line_end="\n")


def copilot_contacts():
    """A CRM's import file: the person's own address and phones apart from the
    company's, countries as ISO codes beside coordinates, tax numbers and
    groups; the academic title beside the salutation and the position."""
    s = SOURCES["copilot_contacts"]
    rows, want = [s["header"]], []
    people = persons(GERMAN2) + persons(GERMAN) + [c for c in GERMAN2 + GERMAN if not c["given"]]
    for k, p in enumerate(people, 1):
        v = {"firstName": p["given"], "lastName": p["family"], "company": p["org"], "position": p["job"],
             "department": "Einkauf" if k in (2, 6) else "", "companyUrl": p["url"],
             "group1": "Kunden", "group2": "Newsletter" if k % 2 else "",
             "memo": {3: "Rückruf erbeten, ab 15 Uhr\nnicht vor 9 Uhr"}.get(k, ""),
             "memoInfo1": "Messe Leipzig 2025" if k in (4, 11) else ""}
        if p["given"]:
            v.update(title=academic(p), salutation=salutation(p, "de"), gender="f" if salutation(p, "de") == "Frau"
                     else "m", personPhone=first_of(p, "HOME"), personMobile=first_of(p, "CELL"),
                     personEmail=p["emails"][0])
            if p["birthday"]:
                y, m, d = p["birthday"]
                v["birthday"] = f"{d:02d}.{m:02d}.{y}"
        else:
            v.update(companyEmail=p["emails"][0] if p["emails"] else "", companyMobile=first_of(p, "CELL"))
        if p["org"]:
            v.update({"companyPhone": first_of(p, "WORK"), "companyFax": first_of(p, "FAX"),
                      "infoUst-Id": f"DE81{4410 + k:07d}", "infoSteuer-Nr": f"201/123/{45600 + k}"})
        adrs = []
        for n, a in enumerate(p["adr"]):
            side = "person" if a[0] == "HOME" else "company"
            v.update({f"{side}Street": a[1], f"{side}Zip": a[4], f"{side}City": a[2],
                      f"{side}CountryIsoCode": code_of(a[5]), f"{side}Lat": f"{47.8 + k / 10:.4f}",
                      f"{side}Lng": f"{11.2 + k / 7:.4f}"})
            # 'company' and 'person' say whose address it is, not home or work: its kind is not scored.
            adrs.append(want_adr(a, region="", country=code_of(a[5])))
        rows.append(fill(s["header"], v))
        tels = [(ANY, v.get("personPhone", "")), ("CELL", v.get("personMobile", "")),
                ("WORK|VOICE", v.get("companyPhone", "")), ("CELL", v.get("companyMobile", "")),
                ("FAX", v.get("companyFax", ""))]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:1], prefix=academic(p), adrs=adrs,
                         birthday=True, url=True))
    return dict(source="copilot_contacts", rows=rows, want=want, bom=True)
