"""Held-out address registers of business software: swoppen's addresses in
German, Flox's companies from a Czech e-shop and CRM, and Minimax's
customers in Croatian. Each maker returns a dict as crm_exports.py's do."""
from export_kit import card, companies, fill, first_of, persons
from people import CROATIAN, CZECH, GERMAN, SLOVENE
from unseen_headers import SOURCES
from unseen_kit import academic, code_of, first_adr, salutation, split_street, want_adr
from unseen_people import CROATIAN2, CZECH2, GERMAN2, SLOVAK2


def letter_salutation(p):
    if not p["given"]:
        return "Sehr geehrte Damen und Herren,"
    title = f"{academic(p)} " if academic(p) else ""
    if salutation(p, "de") == "Frau":
        return f"Sehr geehrte Frau {title}{p['family']},"
    return f"Sehr geehrter Herr {title}{p['family']},"


def swoppen_addresses():
    """Business and private addresses of a German tool, every field quoted:
    the address's kind in 'Typ', the academic title beside the salutation and
    the position, a letter's salutation with its comma, a search key, ISO
    country codes."""
    s = SOURCES["swoppen_addresses"]
    rows, want = [s["header"]], []
    people = persons(GERMAN2) + persons(GERMAN) + [c for c in GERMAN2 + GERMAN if not c["given"]] \
        + [CZECH2[1], SLOVAK2[0]]
    for k, p in enumerate(people, 1):
        business = bool(p["org"])
        a = first_adr(p)
        v = {"Kunden-Nr.": str(10000 + k), "Suchname": (p["family"] or p["org"].split()[0]).upper(),
             "ADRESSE ID": f"A-{k:06d}", "Typ": "geschäftlich" if business else "privat",
             "Bemerkung": "Lieferung nur Di/Do, Tor 3\nRechnung per Post" if k == 4 else "",
             "Anrede": salutation(p, "de") if p["given"] else "Firma", "Firma": p["org"],
             "Zusatz": "z. Hd. Buchhaltung" if k == 6 else "", "Titel": academic(p), "Name": p["family"],
             "Vorname": p["given"], "Abteilung": "Einkauf" if k in (1, 8) else "", "Position": p["job"],
             "Telefon 1": first_of(p, "WORK" if business else "HOME"), "Fax": first_of(p, "FAX"),
             "Mobil": first_of(p, "CELL"), "E-Mail 1": p["emails"][0] if p["emails"] else "",
             "E-Mail 2": p["emails"][1] if len(p["emails"]) > 1 else "", "Internet": p["url"],
             "Briefanrede": letter_salutation(p), "Bearbeitet": f"{k:02d}.11.2025"}
        if p["birthday"]:
            y, m, d = p["birthday"]
            v["Geburtstag"] = f"{d:02d}.{m:02d}.{y}"
        adrs = []
        if a:
            v.update({"Straße": a[1], "PLZ": a[4], "Ort": a[2], "Land": code_of(a[5])})
            # The row's 'Typ' says whose address it is: the card's address has that kind.
            adrs.append(want_adr(a, kind="WORK" if business else "HOME", region="", country=code_of(a[5])))
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if business else "*", v["Telefon 1"]), ("CELL", v["Mobil"]), ("FAX", v["Fax"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:2], prefix=academic(p), adrs=adrs,
                         birthday=True, url=True))
    return dict(source="swoppen_addresses", rows=rows, want=want, quote_all=True)


def flox_companies():
    """Companies of a Czech e-shop: the street's name apart from its
    descriptive and orientation numbers, country codes in small letters, a
    shop user's e-mail beside the company's, one town written with its
    postal code."""
    s = SOURCES["flox_companies"]
    rows, want = [s["header"]], []
    for k, p in enumerate(companies([CZECH, CZECH2, SLOVAK2])[:17], 1):
        a = first_adr(p)
        ico = f"{26912147 + 1013 * k:08d}"
        slovak = bool(a) and a[5] == "Slovensko"
        v = {"cid": str(1000 + k), "company_id": ico, "name": p["org"], "vat_id": ("SK20" if slovak else "CZ") + ico,
             "vat_id2": f"SK20{ico}" if slovak else "", "website": p["url"],
             "email": p["emails"][0] if p["emails"] else "", "address_address_id": str(5500 + k),
             "address_phone": first_of(p, "WORK"), "main_user": "petra.svobodova@flox-obchod.cz",
             "group_assign": "Velkoobchod" if k % 3 else "B2B"}
        adrs = []
        if a:
            street, descriptive, orientation = split_street(a[1])
            v.update(address_street=street, address_descriptive_number=descriptive,
                     address_orientation_number=orientation, address_city=a[2], address_zip=a[4],
                     address_state=a[3], address_country=code_of(a[5]).lower())
            if k == 1:   # the postal code typed before the town, its own column left empty
                v.update(address_city=f"{a[4]} {a[2]}", address_zip="")
            adrs.append(want_adr(a, country=code_of(a[5]).lower()))
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["address_phone"])] if v["address_phone"] else []
        want.append(card(p, tels=tels, emails=p["emails"][:1], adrs=adrs, url=True))
    return dict(source="flox_companies", rows=rows, want=want, separator=";", encoding="cp1250")


def minimax_customers_hr():
    """A Croatian ledger's customers: company-only, a country as its code,
    the post office's town, a title line above."""
    s = SOURCES["minimax_customers_hr"]
    rows, want = [s["header"]], []
    picked = companies([CROATIAN, CROATIAN2, SLOVENE])
    picked = [c for c in picked if c["adr"]][:16]
    for k, p in enumerate(picked, 1):
        a = p["adr"][0]
        v = {"Šifra": str(1100 + k), "Naziv": p["org"], "Adresa": a[1], "Država": code_of(a[5]), "Pošta": a[4],
             "Mjesto pošte": a[2]}
        rows.append(fill(s["header"], v))
        want.append(card(p, tels=[], emails=[], adrs=[want_adr(a, region="", country=code_of(a[5]))]))
    return dict(source="minimax_customers_hr", rows=rows, want=want,
                preamble="Šifrarnik stranaka - izvoz 12.03.2026;;;;;\r\n")
