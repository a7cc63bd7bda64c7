"""Seventh held-out set: two HR systems' employees, a Swiss one-person
business's customers, a field service's customers, a B2B gateway's trading
partners, a restaurant's guests and an SMS tool's contacts. Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of
from final_kit import at_home, dmy, full_name, plain
from seventh_clients import AUSTRIAN7, CZECH7, FIRMS7, SWISS7
from seventh_exports import female, street_and_number
from seventh_headers import SOURCES
from seventh_people import GERMAN7, HUNGARIAN7, POLISH7
from unseen_kit import first_adr, want_adr


def peopleforce_employees():
    """A software firm's staff in PeopleForce's template saved from Excel:
    ids, second given names apart, work and private mailboxes, day-first
    dates as the company's setting has them, the work number and the
    mobile (national, international, or as a spreadsheet shows it once),
    full- or part-time, the position and the department."""
    s = SOURCES["peopleforce_employees"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CZECH7, 1):
        cell, work = first_of(p, "CELL"), first_of(p, "WORK")
        cell = cell.replace("+420 ", "") if k % 3 == 0 else cell
        lost = ["4,20777E+11"] if k == 7 else []
        rows.append(fill(s["header"], {
            "employee_id": f"KS-{k:03d}", "first_name": p["given"], "middle_name": p["middle"],
            "last_name": p["family"], "email": p["emails"][0], "personal_email": p["emails"][1],
            "date_of_birth": dmy(p), "gender": "female" if female(p) else "male",
            "hired_on": f"{1 + k % 28:02d}.{1 + k % 12:02d}.{2010 + k % 14}", "phone_number": work,
            "mobile_number": lost[0] if lost else cell, "employment_type": "Part-time" if k in (8, 16) else "Full-time",
            "position": p["job"], "department": p["department"]}))
        tels = [("WORK|VOICE", work)] + ([] if lost else [("CELL", cell)])
        # No column names the firm: no organisation; a department is none either. 'phone_number' names no
        # office in the file itself (only the help calls it the work number): a business's phone, work or voice.
        want.append(dict(card(p, tels=tels, adrs=[], birthday=True), lost=lost))
    return dict(source="peopleforce_employees", rows=rows, want=want, bom=True)


DEPARTMENTS7 = ("Rezeption", "Etage", "Küche", "Service")


def personeelssysteem_employees():
    """A Vienna hotel's staff for a staff planner: ISO birth dates, places of
    birth, ten-digit social insurance numbers, the street whole, no
    country, IBANs, a home number where one is kept and the mobile, the
    contract's description under 'title', hours and wages, a planned day
    as its hours."""
    s = SOURCES["personeelssysteem_employees"]
    rows, want = [s["header"]], []
    staff = [p for p in AUSTRIAN7 if p["given"]] + [p for p in HUNGARIAN7 if p["family"] in ("Varga", "Lakatos",
                                                                                          "Molnár")]
    for k, p in enumerate(staff, 1):
        a = first_adr(p)
        y, m, d = p["birthday"]
        home, cell = first_of(p, "HOME"), first_of(p, "CELL")
        home = at_home(home) if k % 2 else home
        hungarian = a[5] == "Magyarország"
        department = DEPARTMENTS7[k % 4]
        hours = "40" if k % 3 else "24"
        rows.append(fill(s["header"], {
            "email": p["emails"][0], "first_name": p["given"], "last_name": p["family"],
            "date_of_birth": f"{y}-{m:02d}-{d:02d}", "birthplace": "Győr" if hungarian else a[2],
            "nationality": "Hungarian" if hungarian else "Austrian", "SSN": f"{1200 + 37 * k}{d:02d}{m:02d}{y % 100:02d}",
            "address": a[1], "postal_code": a[4], "city": a[2], "iban": f"AT{10 + k} 2011 1{k:03d} 4420 {7100 + k}",
            "phone": home, "mobile": cell, "employee_nr": str(300 + k), "department": department,
            "team": "Früh" if k % 2 else "Spät", "contract_type": "Vollzeit" if hours == "40" else "Teilzeit",
            "title": f"Dienstvertrag {department} {hours} h", "start_date": f"20{15 + k % 9}-0{1 + k % 9}-01",
            "contract_hours": hours, "hourly_wage": f"{13 + k % 5}.{20 + k:02d}",
            **{f"works_on_{day}": ("8" if hours == "40" else "0") for day in ("monday", "tuesday", "wednesday",
                                                                             "thursday", "friday")},
            "works_on_saturday": "0" if k % 2 else "8", "works_on_sunday": "0"}))
        # 'title' describes the contract, not the person; 'phone' says nothing of its kind.
        tels = [(ANY, home), ("CELL", cell)]
        want.append(card(p, org="", title="", prefix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country="")], birthday=True))
    return dict(source="personeelssysteem_employees", rows=rows, want=want)


def einzly_kunden():
    """A Swiss one-person business's customers for einzly: the firm's or the
    private customer's name in 'firma_name', the contact's whole name in
    'kontakt_person' (a private customer's repeated there or left empty),
    the house number apart or left in the street, CH, LI, DE and AT."""
    s = SOURCES["einzly_kunden"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SWISS7, 1):
        a = first_adr(p)
        name, number = street_and_number(a[1])
        street, house = (a[1], "") if k % 5 == 0 else (name, number)
        private = p["given"] and not p["org"]
        contact = "" if not p["given"] else ("" if private and k % 2 else full_name(p))
        rows.append(fill(s["header"], {"firma_name": full_name(p) if private else p["org"], "kontakt_person": contact,
                                       "email": p["emails"][0], "adresse_strasse": street, "adresse_nr": house,
                                       "adresse_plz": a[4], "adresse_ort": a[2], "adresse_land": a[5]}))
        # A private customer's own name is no organisation; a firm's row with a contact is that person at the firm.
        want.append(card(p, title="", tels=[], adrs=[want_adr(a, street=f"{name} {number}", region="")]))
    return dict(source="einzly_kunden", rows=rows, want=want)


GLENO_NOTES = {2: "Schlüssel beim Nachbarn, Nr. 6", 5: "Zufahrt über den Hof,\nHund im Garten",
               9: "Wartungsvertrag seit 2019", 14: "Rechnung per Mail, bitte mit Bestellnummer"}


def gleno_kunden():
    """A field service's customers in Gleno's template, saved by Excel as
    CSV UTF-8: one number a row (a firm's office, a person's mobile or home
    number), national or international; notes with commas and a line
    break; firms with no one's name."""
    s = SOURCES["gleno_kunden"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GERMAN7, 1):
        a = first_adr(p)
        alone = not p["given"]
        number = first_of(p, "WORK") if alone else (first_of(p, "CELL") or first_of(p, "HOME"))
        number = at_home(number) if k % 3 else number
        rows.append(fill(s["header"], {"first_name": p["given"], "last_name": p["family"], "company": p["org"],
                                       "street": a[1], "zip": a[4], "city": a[2], "email": p["emails"][0],
                                       "phone": number, "notes": GLENO_NOTES.get(k, "")}))
        want.append(card(p, title="", prefix="", tels=[("WORK|VOICE" if alone else ANY, number)],
                         emails=p["emails"][:1], adrs=[want_adr(a, region="", country="")]))
    return dict(source="gleno_kunden", rows=rows, want=want, bom=True)


def sterling_trading_partners():
    """Trading partners for a B2B gateway's BasicCustomerImport, as a script
    writes them: the tag 'A', the web address without its scheme, nine-digit
    DUNS numbers, Address_2 empty, the region, an offset for the time zone,
    country codes, numbers international or dialled at home; LF."""
    s = SOURCES["sterling_trading_partners"]
    rows, want = [s["header"]], []
    for k, p in enumerate(FIRMS7, 1):
        a = first_adr(p)
        work = first_of(p, "WORK")
        work = at_home(work) if k % 4 == 0 else work
        rows.append(fill(s["header"], {"Tag": "A", "Company_Name": p["org"],
                                       "Reference_URL": p["url"].replace("https://", ""),
                                       "DUNS_Number": f"{368104215 + 7919 * k}", "Address_1": a[1], "City": a[2],
                                       "State": a[3], "Zip_Code": a[4], "TimeZone": "+01", "Country": a[5],
                                       "Email_address": p["emails"][0], "Phone_number": work}))
        want.append(card(p, tels=[("WORK|VOICE", work)], adrs=[want_adr(a)], url=True))
    return dict(source="sterling_trading_partners", rows=rows, want=want, line_end="\n")


TAGS7 = {1: "VIP,terraza", 4: "cumpleaños,mesa 12", 7: "empresa", 10: "VIP", 13: "vegetariano,terraza"}


def hiro_clientes():
    """A restaurant's Polish guests in Hiro CRM's columns: the number's
    calling code apart ('+48'), the digits bare; day-first birthdays; the
    firm and post of some; the home address whole in one cell; tags
    joined by commas."""
    s = SOURCES["hiro_clientes"]
    rows, want = [s["header"]], []
    for k, p in enumerate(POLISH7, 1):
        a = first_adr(p)
        digits = plain(first_of(p, "CELL")).replace("+48", "")
        rows.append(fill(s["header"], {"email": p["emails"][0], "phone": digits, "código país": "+48",
                                       "nombre": p["given"], "apellido": p["family"],
                                       "cumpleaños": dmy(p).replace(".", "/"), "empresa": p["org"],
                                       "cargo": p["job"], "dirección": f"{a[1]}, {a[4]} {a[2]}",
                                       "etiquetas": TAGS7.get(k, "")}))
        # The number is the calling code and the digits together.
        want.append(card(p, tels=[(ANY, "+48" + digits)], adrs=[want_adr(a, region="", country="")],
                         birthday=True))
    return dict(source="hiro_clientes", rows=rows, want=want)


SOURCES7 = ("Facebook hirdetés", "weboldal", "ajánlás", "vásár")
NOTES7 = {3: "Érdeklődött a tavaszi akcióról, visszahívni", 8: "Csak délután hívható", 12: "Nem kér SMS-t hétvégén"}


def rumbleup_contacts():
    """Hungarian contacts for an SMS tool: numbers as '+36' and bare digits,
    the whole name as Hungarians write it (family name first), the given
    name again in first_name for some; web pages, lead sources, notes with
    commas, a yes/no answer, the town in a custom field; LF."""
    s = SOURCES["rumbleup_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(HUNGARIAN7, 1):
        phone = plain(first_of(p, "CELL"))
        name = f"{p['family']} {p['given']}"
        rows.append(fill(s["header"], {"phone": phone, "name": name, "first_name": p["given"] if k % 2 else "",
                                       "email": p["emails"][0], "url": p["url"], "source": SOURCES7[k % 4],
                                       "notes": NOTES7.get(k, ""), "question": "igen" if k % 3 else "nem",
                                       "custom1": first_adr(p)[2], "custom2": "törzsvásárló" if k % 5 == 0 else ""}))
        # FN is the name as written; the town in a custom field is no address.
        want.append(card(p, fn=name, org="", title="", prefix="", tels=[(ANY, phone)], emails=p["emails"][:1], adrs=[],
                         url=True))
    return dict(source="rumbleup_contacts", rows=rows, want=want, line_end="\n")
