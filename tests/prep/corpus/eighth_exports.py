"""Eighth held-out set: a contact centre's upload, the Czech sports register,
a library's patrons, an e-learning site's users, an Austrian recruiting tool's
applicants, an Austrian hotel's guests. Each maker returns a dict as
crm_exports.py's do."""
from eighth_headers import SOURCES
from eighth_people import AUSTRIAN8, CZECH8, MIDDLE8, POLISH8, SOUTH8, WOMEN8, firm
from export_kit import ANY, card, fill, first_of
from final_kit import at_home, plain
from unseen_kit import first_adr, split_street, want_adr

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm alone


def female(p):
    return p["given"] in WOMEN8 or p["given"].endswith("a")


EXOTEL_FIRMS = [firm("Kopeček Elektro s.r.o.", "+420 541 212 880", "info@kopecek-elektro.cz"),
                firm("Jelínek Sport", "+420 545 110 734", "obchod@jelinek-sport.cz")]


def exotel_contacts():
    """A club office's callers for a contact centre: numbers in E.164 as the
    upload asks, a few typed with blanks anyway; a tag and a free custom
    field; two firms with no one's name; LF line ends."""
    s = SOURCES["exotel_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CZECH8[:14] + EXOTEL_FIRMS, 1):
        alone = not p["given"]
        number = p["phones"][0][1]
        number = number if k % 5 == 0 else plain(number)
        rows.append(fill(s["header"], {
            "phone_number": number, "first_name": p["given"], "last_name": p["family"],
            "email": p["emails"][0], "company": p["org"], "tag": "premium" if k % 3 == 0 else "standard",
            "custom_field_1": "dodavatel" if alone else (f"člen od {2004 + k}" if k % 2 else f"ZK-{1040 + k}")}))
        # The number's column names no kind: untyped for a person, WORK or VOICE for a firm alone.
        want.append(card(p, title="", tels=[(BUSINESS if alone else ANY, number)], adrs=[]))
    return dict(source="exotel_contacts", rows=rows, want=want, line_end="\n")


def birth_number(p, k):
    """The Czech birth number, ten digits without the slash; a spreadsheet
    drops the leading zero of those born after 1999."""
    y, m, d = p["birthday"]
    digits = f"{y % 100:02d}{m + (50 if female(p) else 0):02d}{d:02d}{3100 + 41 * k:04d}"
    return digits.lstrip("0")


def rejstrik_sportu():
    """A Brno athletics club's athletes and coaches for the state register:
    second given names apart, birth numbers (those born after 1999 without
    their leading zero, as the club's spreadsheet keeps numbers), two Slovak
    members without one, their citizenship's code and unpadded birth dates,
    athlete and coach flags with their years."""
    s = SOURCES["rejstrik_sportu"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CZECH8, 1):
        y, m, d = p["birthday"]
        foreign = k in (5, 12)
        coach = k in (1, 3, 7, 13)
        written = foreign or k % 3 == 0
        rows.append(fill(s["header"], {
            "JMENO": p["given"], "DALSI_JMENA": MIDDLE8.get(p["given"], ""), "PRIJMENI": p["family"],
            "RODNE_CISLO": "" if foreign else birth_number(p, k), "OBCANSTVI": "703" if foreign else "203",
            "DATUM_NAROZENI": f"{d}.{m}.{y}" if written else "", "SPORTOVEC": "0" if k in (7, 13) else "1",
            "TRENER": "1" if coach else "0", "SPORTOVCEM_OD": "" if k in (7, 13) else str(max(y + 8, 2010)),
            "SPORTOVCEM_DO": "2022" if k == 16 else "", "TRENEREM_OD": str(2012 + k % 6) if coach else ""}))
        # The register holds names and dates only; the birth number is no phone, the second given name no part of FN.
        want.append(card(p, org="", title="", tels=[], emails=[], adrs=[], birthday=written))
    return dict(source="rejstrik_sportu", rows=rows, want=want)


HOMETOWNS8 = {2: ("Rynek 4", "Nowy Targ", "34-400"), 9: ("Jagiellońska 12", "Tarnów", "33-100")}
GUARDIANS8 = {6: ("Wrona", "Agata", "matka"), 9: ("Sowiński", "Marek", "ojciec"), 15: ("Nowicka", "Ewa", "matka")}


def koha_borrowers():
    """A Kraków library's patrons for Koha's loader: the house number apart
    from the street, 'contry' so spelt, home numbers dialled at home, a
    student's home town as the alternate address, a parent as the contact of
    children, card numbers, branch and category codes, dd/mm/yyyy dates."""
    s = SOURCES["koha_borrowers"]
    rows, want = [s["header"]], []
    for k, p in enumerate(POLISH8, 1):
        a = first_adr(p)
        name, number, _ = split_street(a[1])
        home, work, cell = first_of(p, "HOME"), first_of(p, "WORK"), first_of(p, "CELL")
        home = home.replace("+48 ", "") if k % 2 else home
        y, m, d = p["birthday"]
        alt = HOMETOWNS8.get(k)
        guardian = GUARDIANS8.get(k, ("", "", ""))
        child = y >= 2006
        values = {
            "cardnumber": f"2300010{4410 + 7 * k}", "surname": p["family"], "firstname": p["given"],
            "title": "dr" if p["given"] == "Grzegorz" else "", "initials": p["given"][0] + p["family"][0],
            "streetnumber": number, "address line ": name, "city": a[2], "zipcode": a[4], "contry": a[5],
            "email": p["emails"][0], "phone": home, "mobile": cell, "work phone": work,
            "date of birth": f"{d:02d}/{m:02d}/{y}", "branchcode": "KRK-GL" if k % 3 else "KRK-PODG",
            "categorycode": "DZ" if child else ("ST" if y >= 1999 else "PT"),
            "enrollment date": f"0{1 + k % 9}/09/20{10 + k}", "expiry date": f"0{1 + k % 9}/09/20{30 + k % 5}",
            "noaddress": "0", "lost": "0", "debarred": "0", "contact surname": guardian[0],
            "contact firstname": guardian[1], "contact relationship": guardian[2],
            "gender": "F" if female(p) else "M", "username": (p["given"][0] + p["family"]).lower(),
            "sort one": "czytelnik" if k % 4 else "senior"}
        if alt:
            values.update({"alternate streetnumber": alt[0].rsplit(" ", 1)[1],
                           "alternate address line 1": alt[0].rsplit(" ", 1)[0], "alternate city": alt[1],
                           "alternate zipcode": alt[2], "alternate country": "Polska"})
        rows.append(fill(s["header"], values))
        tels = [(ANY, home), ("CELL", cell), ("WORK", work)]
        adrs = [want_adr(a, street=f"{name} {number}", region="")]
        adrs += [(None, alt[0], alt[1], "", alt[2], "Polska")] if alt else []
        # 'phone' names no kind; the contact (a parent) is nobody on the card; the street is its name and number.
        want.append(card(p, org="", title="", prefix="dr" if p["given"] == "Grzegorz" else "",
                         tels=[t for t in tels if t[1]], adrs=adrs, birthday=True))
    return dict(source="koha_borrowers", rows=rows, want=want)


INSTITUTIONS8 = {"SI": ("Univerza v Mariboru", "FERI"),
                 "HR": ("Sveučilište u Zagrebu", "FER")}


def moodle_users():
    """Students and staff of two universities for a shared Moodle: a comma
    and a blank between fields as Moodle's help writes them, logins and
    first passwords, the institution and department, the country as a code,
    no postal code, numbers as each person typed them, LF line ends."""
    s = SOURCES["moodle_users"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SOUTH8, 1):
        a = first_adr(p)
        institution, department = INSTITUTIONS8[a[5]]
        cell, work = first_of(p, "CELL"), first_of(p, "WORK")
        cell = at_home(cell) if k % 3 == 0 else cell
        staff = bool(p["job"])
        rows.append([p["emails"][0].split("@")[0], f"Zacetno{2024 + k}", p["given"], p["family"], p["emails"][0],
                     institution, department, a[2], a[5], "hr" if a[5] == "HR" else ("en" if k == 4 else "sl"),
                     "" if staff else f"E{1098700 + 13 * k}", cell, work, a[1],
                     "osebje" if staff else ("Erasmus student" if k in (4, 12) else "")])
        # The institution is the organisation, the department none; each number is untyped; no postal code.
        want.append(card(p, org=institution, title="", tels=[(ANY, n) for n in (cell, work) if n],
                         adrs=[want_adr(a, region="", code="")]))
    text = "".join(", ".join(row) + "\n" for row in rows)
    return dict(source="moodle_users", rows=rows, want=want, text=text)


JOBS8 = ("Rezeption", "Küche", "Spa & Wellness", "Service", "Housekeeping")
REGIONS8 = ("Salzkammergut", "Mühlviertel", "Innviertel", "Zentralraum Linz")


def erecruiter_applicants():
    """Applicants of a spa hotel for eRecruiter's importer, tab-separated:
    the academic title apart, a phone and a mobile, the nationality beside
    the country of the address, paths to CVs, the job and the region wished
    for, the career level and where they heard of the job."""
    s = SOURCES["erecruiter_applicants"]
    rows, want = [s["header"]], []
    for k, p in enumerate(AUSTRIAN8[:15], 1):
        a = first_adr(p)
        phone = first_of(p, "HOME") or first_of(p, "WORK")
        cell = first_of(p, "CELL")
        cell = at_home(cell) if k % 4 == 0 else cell
        y, m, d = p["birthday"]
        rows.append(fill(s["header"], {
            "Gender": "F" if female(p) else "M", "FirstName": p["given"], "LastName": p["family"],
            "Title": p["prefix"], "Email": p["emails"][0], "Phone": phone, "MobilePhone": cell, "Street": a[1],
            "ZipCode": a[4], "City": a[2], "Country": a[5], "Nationality": "AT",
            "Birthdate": f"{y}-{m:02d}-{d:02d}",
            "Cv": f"C:\\Bewerbungen\\2025\\{p['family'].lower()}_lebenslauf.pdf" if k % 3 else "",
            "JobProfile": JOBS8[k % 5], "Region": REGIONS8[k % 4], "BeginDate": f"2025-0{3 + k % 6}-01",
            "Careerlevel": "Lehrling" if y > 2000 else ("Führungskraft" if p["prefix"] else "Berufserfahrung"),
            "Referrer": ("karriere.at", "AMS", "Empfehlung")[k % 3]}))
        # JobProfile is the job sought, no title; Region is the region wished for work, not the address's.
        want.append(card(p, org="", title="", tels=[t for t in ((ANY, phone), ("CELL", cell)) if t[1]],
                         adrs=[want_adr(a, region="")], birthday=True))
    return dict(source="erecruiter_applicants", rows=rows, want=want)


NOTES8 = {2: "Stammgast; Zimmer 214 bevorzugt", 6: "Allergie: Nüsse; Laktose", 9: "Rollator", 13: "Hund; 8 kg"}


def hotelmeister_guests():
    """A spa hotel's guest profiles for hotelmeister: no quotes, a contained
    semicolon escaped with a backslash as its import asks, the profession
    and the title, numbers international, dates in any of its formats, a
    tour operator without a person, LF line ends."""
    s = SOURCES["hotelmeister_guests"]
    rows, want = [s["header"]], []
    for k, p in enumerate(AUSTRIAN8, 1):
        a = first_adr(p)
        alone = not p["given"]
        phone = first_of(p, "WORK") if alone else (first_of(p, "HOME") or first_of(p, "WORK"))
        cell, fax = first_of(p, "CELL"), first_of(p, "FAX")
        born = ""
        if p["birthday"]:
            y, m, d = p["birthday"]
            born = f"{d:02d}.{m:02d}.{y}" if k % 2 else f"{y}-{m:02d}-{d:02d}"
        rows.append(fill(s["header"], {
            "ID": f"G{4100 + k}", "guestProfileId": str(88210 + k) if k % 5 == 0 else "", "company": p["org"],
            "profession": p["job"], "title": p["prefix"], "firstName": p["given"], "lastName": p["family"],
            "gender": "" if alone else ("w" if female(p) else "m"), "nationality": "" if alone else "AT",
            "language": "de", "birthDate": born, "comment": NOTES8.get(k, ""), "street": a[1], "city": a[2],
            "zipCode": a[4], "countryCode": "AT", "email": p["emails"][0], "phone": phone, "mobile": cell,
            "fax": fax, "newsletter": ("yes", "no", "true")[k % 3]}))
        tels = [(BUSINESS if alone else ANY, phone), ("CELL", cell), ("FAX", fax)]
        # profession is the title, title the name's prefix; the country is the code written.
        want.append(card(p, tels=[t for t in tels if t[1]], adrs=[want_adr(a, region="", country="AT")],
                         birthday=True))
    text = "".join(";".join(v.replace("\\", "\\\\").replace(";", "\\;") for v in row) + "\n" for row in rows)
    return dict(source="hotelmeister_guests", rows=rows, want=want, text=text)
