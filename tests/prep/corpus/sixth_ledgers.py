"""Sixth held-out set: an integration platform's customers for Sage, a small
CRM's connections, a salon's customer list, a delivery tool's receivers, a
direct mailing's addressees, a craftsman's contacts and a shop's customers.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of, persons
from final_kit import at_home, full_name
from sixth_headers import SOURCES
from sixth_people import GERMAN_FIRMS6, POLISH6, PRIVATE6
from unseen_kit import first_adr, split_street, want_adr, woman

WOMEN6 = {"Sophie", "Stefanie", "Elke", "Kathrin", "Birgit", "Heike", "Susanne", "Katrin", "Ute"}
LOCATIONS = {"Flensburg": ("54.7937", "9.4469"), "Kiel": ("54.3233", "10.1228"), "Hamburg": ("53.5511", "9.9937"),
             "Lübeck": ("53.8655", "10.6866"), "Rostock": ("54.0924", "12.0991")}


def female(p):
    return p["given"] in WOMEN6 or woman(p)


def academic(p):
    return "" if p["prefix"] in ("Herr", "Frau") else p["prefix"]


def domain(p):
    return p["emails"][0].split("@")[1]


def zynk_customers():
    """Customers for Sage in Zynk's CSV: the account's reference and credit
    limit, the main contact's title and names, the firm's name twice, the
    county, the account's own mailbox beside its contact's, a delivery
    address for some, empty Address2-4 and delivery columns, tax codes."""
    s = SOURCES["zynk_customers"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GERMAN_FIRMS6, 1):
        a = first_adr(p)
        alone = not p["given"]
        work, cell, fax = first_of(p, "WORK"), first_of(p, "CELL"), first_of(p, "FAX")
        accounts = not alone and k % 3 == 0
        own = p["emails"][0]
        depot = k in (2, 5, 11)
        v = {"Id": str(k), "AccountReference": "".join(ch for ch in p["org"].upper() if ch.isalpha())[:4] + "001",
             "CompanyName": p["org"], "CreditLimit": "5000.00" if k % 2 else "2500.00", "Currency": "EUR",
             "Title": p["prefix"], "Forename": p["given"], "Surname": p["family"], "Company": p["org"],
             "Address1": a[1], "Town": a[2], "Postcode": a[4], "County": a[3], "Country": "DE",
             "Telephone": work, "Email": f"buchhaltung@{domain(p)}" if accounts else own,
             "Website": "www." + domain(p), "DefaultDelAddress1": "Gewerbering 7" if depot else "",
             "DefaultDelTown": a[2] if depot else "", "DefaultDelPostcode": a[4] if depot else "",
             "DefaultDelCounty": a[3] if depot else "", "DefaultDelCountry": "DE" if depot else "",
             "TermsAgreed": "1", "TaxCode": "T1", "VatNumber": f"DE{284410000 + 1009 * k}", "NominalCode": "4000",
             "Department": "Einkauf" if k % 4 == 1 and not alone else "",
             "Contact1Title": p["prefix"], "Contact1Forename": p["given"], "Contact1Surname": p["family"],
             "Contact1Mobile": cell, "Contact1Fax": "" if alone else fax,
             "Contact1Email": own if accounts else ""}
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if alone else ANY, work), ("CELL", cell), ("FAX", v["Contact1Fax"])]
        emails = [v["Email"]] + ([own] if accounts else [])
        adrs = [want_adr(a, country="DE")]
        adrs += [want_adr(a, street="Gewerbering 7", country="DE")] if depot else []
        # The contact repeated as Contact1 is the same person; a department is no title; the depot is a second address.
        want.append(card(p, title="", tels=[t for t in tels if t[1]], emails=emails, adrs=adrs))
    return dict(source="zynk_customers", rows=rows, want=want)


def busibricks_connections():
    """A small CRM's connections: Mr/Mrs/Ms, the gender, British-style birth
    dates, the voivodeship under Region/County, two columns both named
    'Phone' (the landline in the first, the mobile in the second)."""
    s = SOURCES["busibricks_connections"]
    rows, want = [s["header"]], []
    for k, p in enumerate(POLISH6, 1):
        a = first_adr(p)
        her = female(p)
        home, cell = first_of(p, "HOME"), first_of(p, "CELL")
        cell = at_home(cell) if k % 2 == 0 else cell
        born = "%02d/%02d/%04d" % (p["birthday"][2], p["birthday"][1], p["birthday"][0]) if p["birthday"] else ""
        salutation = ("Ms" if k % 3 == 0 else "Mrs") if her else "Mr"
        rows.append([salutation, p["given"], p["family"], "Female" if her else "Male", born, a[1], "", a[2], a[3],
                     a[4], p["emails"][0], home, cell, ""])
        want.append(card(p, org="", title="", prefix=salutation, tels=[(ANY, n) for n in (home, cell) if n],
                         emails=p["emails"][:1], adrs=[want_adr(a, country="")], birthday=True))
    return dict(source="busibricks_connections", rows=rows, want=want)


SALON_NOTES = {1: "Färbung immer mit Olaplex", 4: "Allergie: PPD; nur Pflanzenfarbe", 8: "kommt mit Tochter, Termine"
               " vormittags", 13: "Gutschein 50 € eingelöst"}
TAGS = {1: "VIP,Kosmetik", 3: "Kosmetik", 6: "PrioA", 8: "VIP", 11: "Nägel,Kosmetik"}


def shore_kunden():
    """A salon's customers for Shore, as a German Excel saves them: mobile
    numbers as dialled at home or with their country code, birthdays with
    or without the year ('31.12.'), notes with a semicolon, tags joined by
    commas, true/false; no country column."""
    s = SOURCES["shore_kunden"]
    rows, want = [s["header"]], []
    for k, p in enumerate(PRIVATE6, 1):
        a = first_adr(p)
        cell = first_of(p, "CELL")
        mobile = at_home(cell) if k % 2 else cell
        y, m, d = p["birthday"] or (0, 0, 0)
        yearless = bool(p["birthday"]) and k % 3 == 0
        born = "" if not p["birthday"] else (f"{d:02d}.{m:02d}." if yearless else f"{d:02d}.{m:02d}.{y}")
        rows.append(fill(s["header"], {"first_name": p["given"], "last_name": p["family"],
                                       "gender": "female" if female(p) else "male", "email": p["emails"][0],
                                       "mobile": mobile, "birthday": born, "address_street": a[1],
                                       "address_postal_code": a[4], "address_city": a[2],
                                       "notes": SALON_NOTES.get(k, ""), "tags": TAGS.get(k, ""),
                                       "newsletter_status": "false" if k % 4 == 0 else "true"}))
        # A birthday without its year is no date the card can hold.
        want.append(card(p, org="", title="", tels=[("CELL", mobile)], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country="")], birthday=not yearless))
    return dict(source="shore_kunden", rows=rows, want=want)


EXTRA = {3: "2. OG", 7: "Hintereingang", 12: "Rampe 4"}
DELIVERY_NOTES = {2: "Bitte beim Nachbarn abgeben", 9: "Anlieferung nur Mo-Fr", 15: "Klingel defekt, bitte anrufen"}


def dropboy_deliveries():
    """A delivery tool's receiver columns: the receiving firm and the person
    to ask for, the street with its number, a note on the entrance, the
    country code under its misspelt name, coordinates, the number's prefix
    and digits apart, time windows, true/false for every notice."""
    s = SOURCES["dropboy_deliveries"]
    rows, want = [s["header"]], []
    people = persons(GERMAN_FIRMS6) + [c for c in GERMAN_FIRMS6 if not c["given"]][:3] \
        + [p for p in PRIVATE6 if first_adr(p)[5] == "DE"]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        number = first_of(p, "WORK") if alone else (first_of(p, "CELL") or first_of(p, "WORK"))
        code, digits = number.split(" ", 1)
        digits = digits.replace(" ", "")
        lat, lng = LOCATIONS.get(a[2], ("", ""))
        cell = number == first_of(p, "CELL")
        rows.append(fill(s["header"], {
            "destinationCompanyName": p["org"], "destinationAttention": "" if alone else full_name(p),
            "destinationAddress": a[1], "destinationExtraInfo": EXTRA.get(k, ""), "destinationZipCode": a[4],
            "destinationCity": a[2], "destinationContryCode": "DE", "destinationCoordinatesLat": lat,
            "destinationCoordinatesLng": lng, "destinationEmail": p["emails"][0], "destinationPhonePrefix": code,
            "destinationPhoneNumber": digits, "destinationTimeWindowStart": "08:00",
            "destinationTimeWindowEnd": "12:00" if k % 3 == 0 else "16:00", "destinationTimeWindowLock": "false",
            "destinationComments": DELIVERY_NOTES.get(k, ""), "destinationSendPod": "true",
            "destinationSendSMS": "true" if cell else "false", "destinationSmsSettingsDriveNow": "true",
            "destinationSmsSettingsDeliverOrder": "true", "destinationSmsSettingsDeliverOrderFailed": "false",
            "destinationSmsSettingsTaskStatus": "true"}))
        # The number is its prefix and digits together; the entrance note is no part of the street.
        want.append(card(p, title="", prefix="", suffix="", tels=[("WORK|VOICE" if alone else ANY, code + digits)],
                         emails=p["emails"][:1], adrs=[want_adr(a, region="", country="DE")]))
    return dict(source="dropboy_deliveries", rows=rows, want=want, bom=True)


def chroma_adresy():
    """A mailing's address list as the direct-mail service shows it: postal
    code first, the street's name and its house or flat number apart, the
    addressee's whole name; 'ul.' kept by some and dropped by others."""
    s = SOURCES["chroma_adresy"]
    rows, want = [s["header"]], []
    for k, p in enumerate(POLISH6, 1):
        a = first_adr(p)
        name, number, flat = split_street(a[1])
        name = name if k % 2 else name.replace("ul. ", "")
        house = f"{number}/{flat}" if flat else number
        rows.append(fill(s["header"], {"kod pocztowy": a[4], "miejscowość": a[2], "ulica": name,
                                       "adresat": full_name(p), "nr domu / apartamentu": house}))
        want.append(card(p, org="", title="", prefix="", suffix="", tels=[], emails=[],
                         adrs=[want_adr(a, street=f"{name} {house}", region="", country="")]))
    return dict(source="chroma_adresy", rows=rows, want=want)


CATEGORIES = ("Kunde", "Lieferant", "Kunde", "Interessent")
DEPARTMENTS6 = {3: "Kundendienst", 5: "Werkstatt", 9: "Geschäftsleitung"}


def werkherz_kontakte():
    """A craftsman's contacts pasted as comma-separated lines: salutation and
    academic title, the firm and its short name, department and position,
    the country spelt out, a web address, a category; firms alone under
    'Firma'."""
    s = SOURCES["werkherz_kontakte"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GERMAN_FIRMS6, 1):
        a = first_adr(p)
        alone = not p["given"]
        work, cell, fax = first_of(p, "WORK"), first_of(p, "CELL"), first_of(p, "FAX")
        work = at_home(work) if k % 2 else work
        salutation = "Firma" if alone else ("Frau" if female(p) else "Herr")
        rows.append(fill(s["header"], {"Anrede": salutation, "Titel": academic(p), "Vorname": p["given"],
                                       "Nachname": p["family"], "Telefon": work, "Mobil": cell, "Fax": fax,
                                       "Email": p["emails"][0], "Firma": p["org"],
                                       "Firma Abkürzung": p["org"].split(" ")[0],
                                       "Abteilung": DEPARTMENTS6.get(k, "") if not alone else "",
                                       "Position": p["job"], "Straße": a[1], "Land": "Deutschland", "PLZ": a[4],
                                       "Ort": a[2], "www": "www." + domain(p),
                                       "Kategorie": CATEGORIES[k % 4]}))
        tels = [("WORK|VOICE" if alone else ANY, work), ("CELL", cell), ("FAX", fax)]
        # Position is the title, Abteilung none; the short name is no organisation.
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country="Deutschland")]))
    return dict(source="werkherz_kontakte", rows=rows, want=want)


PROVINCE_CODES = {"Salzburg": "5", "Tirol": "7", "Kärnten": "2", "Steiermark": "6", "Bayern": "BY"}


def shopify_customers():
    """A shop's customers for Shopify's Transporter: names, e-mail, the
    street, the town, the province's name and its ISO code without the
    country's part; no postal code or country (the list breaks off)."""
    s = SOURCES["shopify_customers"]
    rows, want = [s["header"]], []
    for p in PRIVATE6:
        a = first_adr(p)
        rows.append(fill(s["header"], {"First name": p["given"], "Last name": p["family"], "Email": p["emails"][0],
                                       "Address1": a[1], "City": a[2], "Province": a[3],
                                       "Province code": PROVINCE_CODES[a[3]]}))
        # The province is the region; its code says nothing more.
        want.append(card(p, org="", title="", tels=[], emails=p["emails"][:1],
                         adrs=[want_adr(a, code="", country="")]))
    return dict(source="shopify_customers", rows=rows, want=want)
