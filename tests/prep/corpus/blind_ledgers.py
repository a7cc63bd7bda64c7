"""Fifth held-out set: an Austrian waste collector's customer list, a Swiss
accounting table, a business account's contacts, a charity gala's guests,
an e-signature tool's contacts, a German landscaper's addresses and a
professional-services system's contacts. Each maker returns a dict as
crm_exports.py's do."""
from blind_exports import female, national
from blind_headers import SOURCES
from blind_people import AUSTRIAN5, AUSTRIAN_MORE, CROATIAN5, CZECH5, GERMAN5, GERMAN_MORE, HAULIERS, \
    HUNGARIAN5, SLOVAK5, SLOVAK_SHOPPERS, SOUTH_TYROL, SWISS5
from export_kit import ANY, card, fill, first_of, persons
from final_kit import first_phone, full_name, plain, whole_address
from unseen_kit import first_adr, split_street, want_adr

SHORT_NAMES = {"Immotreu Hausverwaltung GmbH": "HV Immotreu", "Hausverwaltung Steiner & Co": "HV Steiner",
               "WBG Donaustadt Wohnbau eGen": "WBG Donaustadt", "Pichler Bau GmbH": "Pichler Bau",
               "Gemeinnützige Wohnungsgesellschaft Alpenland": "GWG Alpenland"}


def infeo_kundenliste():
    """A waste collector's customers: private people by their whole name,
    property managers by a short name beside the firm's full one and the
    person responsible; the street and house number apart, property ids,
    the short spellings of the column names."""
    s = SOURCES["infeo_kundenliste"]
    rows, want = [s["header"]], []
    for k, p in enumerate(AUSTRIAN5 + AUSTRIAN_MORE, 1):
        a = first_adr(p)
        firm, alone = bool(p["org"]), not p["given"]
        street, number, _ = split_street(a[1])
        phone = p["phones"][0][1] if p["phones"] else ""
        phone = national(phone) if phone and k % 2 else phone
        v = {"ID": f"K-{k:05d}", "Name": SHORT_NAMES[p["org"]] if firm else full_name(p),
             "Firmenname": p["org"], "Strasse": street, "HNr.": number, "PLZ": a[4], "Ort": a[2],
             "Objekt": f"OBJ-{a[4]}-{k * 7:03d}",
             "Kontaktperson": full_name(p) if p["given"] and (firm or k % 4 == 0) else "", "Tel.": phone,
             "Mail": p["emails"][0] if p["emails"] else ""}
        rows.append(fill(s["header"], v))
        # A firm's row is the person responsible at the firm's full name; a firm with nobody named is the firm alone.
        want.append(card(p, title="", prefix="", suffix="", tels=[("WORK|VOICE" if alone else ANY, phone)] if phone
                         else [], emails=p["emails"][:1], adrs=[want_adr(a, region="", country="")]))
    return dict(source="infeo_kundenliste", rows=rows, want=want)


def banana_kontakte():
    """A Swiss accounting file's contacts table as tab-separated text: the
    salutation as the prefix, the house number in its own column or left in
    the street, c/o lines, post office boxes, country codes (CH, LI, DE)."""
    s = SOURCES["banana_kontakte"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SWISS5, 1):
        a = first_adr(p)
        alone = not p["given"]
        street, number, _ = split_street(a[1])
        apart = k % 2 == 0
        salutation = "" if alone else (p["prefix"] or ("Frau" if female(p) else "Herr"))
        v = {"ID": str(100 + k), "Organisation": p["org"], "Anrede": salutation, "Vorname": p["given"],
             "Nachname": p["family"], "Strasse": street if apart else a[1], "Haus-Nr.": number if apart else "",
             "Extra": {3: "c/o Treuhand Schmid & Partner", 12: "2. Stock"}.get(k, ""),
             "Postfach": "Postfach 412" if k in (9, 15) else "", "PLZ": a[4], "Ort": a[2],
             "Nationskennzeichen": a[5]}
        rows.append(fill(s["header"], v))
        # Extra and Postfach are no part of the street; Anrede is the prefix, as the table's help says.
        want.append(card(p, title="", prefix=salutation, suffix="", tels=[], emails=[],
                         adrs=[want_adr(a, region="")]))
    return dict(source="banana_kontakte", rows=rows, want=want, bom=True)


def finom_kontakte():
    """A business account's contacts: firms with the whole name of their
    contact person, private customers by given and family name, tax numbers,
    an Italian recipient code and province for South Tyroleans, IBANs."""
    s = SOURCES["finom_kontakte"]
    rows, want = [s["header"]], []
    people = SOUTH_TYROL + GERMAN5 + [p for p in AUSTRIAN_MORE if p["family"] in ("Lechner", "Eder")]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        firm, alone = bool(p["org"]), not p["given"]
        italian = a[5] == "Italien"
        _, phone = first_phone(p, "WORK", "CELL", "HOME")
        phone = national(phone) if phone and k % 3 == 1 else phone
        v = {"Geschäftlicher Name": p["org"], "Vorname": "" if firm else p["given"],
             "Nachname": "" if firm else p["family"], "Kundennummer": f"{k:04d}",
             "Umsatzsteuer-Nr./Steuernummer": (f"IT0{2845610219 + k}" if italian else f"DE{318400000 + 977 * k}")
             if firm else "", "Empfängernummer": ("M5UXCR1" if firm else "0000000") if italian else "",
             "Land": a[5], "Adresse": a[1], "Stadt": a[2], "Postleitzahl": a[4], "Provinz": a[3] if italian else "",
             "Name der Kontaktperson": full_name(p) if firm and not alone else "",
             "E-Mail": p["emails"][0] if p["emails"] else "", "Telefon": phone,
             "IBAN": f"DE{20 + k} 1001 0010 {4400 + k:04d} 1234 56" if k % 4 == 0 else ""}
        rows.append(fill(s["header"], v))
        # Provinz is the region (BZ); the country is the name written.
        want.append(card(p, title="", prefix="", suffix="", tels=[("WORK|VOICE" if alone else ANY, phone)] if phone
                         else [], emails=p["emails"][:1], adrs=[want_adr(a, region=a[3] if italian else "")]))
    return dict(source="finom_kontakte", rows=rows, want=want)


TICKETS = ("Tisch 4 – Gönner", "Einzelkarte", "Tisch 7 – Sponsor", "Einzelkarte", "Ehrengast")


def tofino_guests():
    """A charity gala's guests: bidder numbers, the whole name as typed,
    some 'Family, Given'; the whole address in one cell, the country after
    some; numbers in any format; ticket names."""
    s = SOURCES["tofino_guests"]
    rows, want = [s["header"]], []
    guests = persons(AUSTRIAN5) + AUSTRIAN_MORE + [p for p in CZECH5 if not p["org"]][:3]
    for k, p in enumerate(guests, 1):
        a = first_adr(p)
        country = k % 4 == 0
        phone = p["phones"][0][1]
        phone = national(phone) if k % 2 else phone
        name = f"{p['family']}, {p['given']}" if k % 3 == 0 else full_name(p)
        rows.append(fill(s["header"], {"Bidder Number": str(100 + k), "Guest Full Name": name,
                                       "Full Address": whole_address(a, country=country),
                                       "Email Primary": p["emails"][0], "Phone Primary": phone,
                                       "Ticket Type or Name": TICKETS[k % len(TICKETS)]}))
        # 'Family, Given' is a sorting form: the card's full name is given name first, as for the others.
        want.append(card(p, org="", title="", prefix="", suffix="", tels=[(ANY, phone)], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country=a[5] if country else "")]))
    return dict(source="tofino_guests", rows=rows, want=want)


def docendorse_contacts():
    """An e-signature tool's contacts: the whole name (Hungarians family name
    first, as they write it), an e-mail and a telephone column, empty for
    some, numbers as people type them."""
    s = SOURCES["docendorse_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CROATIAN5 + HUNGARIAN5 + SLOVAK_SHOPPERS[:2], 1):
        hungarian = p in HUNGARIAN5
        name = f"{p['family']} {p['given']}" if hungarian else full_name(p)
        phone = p["phones"][0][1] if p["phones"] else ""
        phone = {0: national(phone), 1: plain(phone), 2: phone}[k % 3] if phone else ""
        rows.append(fill(s["header"], {"name": name, "email address": p["emails"][0], "telephone": phone}))
        want.append(card(p, fn=name, org="", title="", prefix="", suffix="", tels=[(ANY, phone)] if phone else [],
                         emails=p["emails"][:1], adrs=[]))
    return dict(source="docendorse_contacts", rows=rows, want=want)


def dataflor_adressen():
    """A landscaper's addresses: salutation and academic title, a customer
    number, second given names, name suffixes, an addition to the address,
    a post office box; firms under 'Firma' with their name in Nachname;
    Excel's rows of separators below."""
    s = SOURCES["dataflor_adressen"]
    rows, want = [s["header"]], []
    people = persons(GERMAN5) + GERMAN_MORE + [c for c in GERMAN5 if not c["given"]]
    middles = {2: "Karl", 10: "Marie"}
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        v = {"Anrede": "Firma" if alone else ("Frau" if female(p) else "Herr"), "Titel": p["prefix"],
             "Kundennummer": f"D{20100 + k}", "Vorname": p["given"], "2. Vorname": middles.get(k, ""),
             "Nachname": p["org"] if alone else p["family"], "Namenszusatz": p["suffix"],
             "Zusatz": {4: "Gartenhaus hinten", 11: "Eingang Hofseite"}.get(k, ""), "Straße": a[1],
             "Postfach": "Postfach 12 03 44" if k == 13 else "", "PLZ": a[4], "Ort": a[2], "Bundesland": a[3],
             "Land": a[5]}
        rows.append(fill(s["header"], v))
        # 'Firma' as the salutation makes the row the firm alone; a second given name is no part of FN.
        # No column names a person's firm: a person's card has no organisation.
        want.append(card(p, org=None if alone else "", title="", tels=[], emails=[], adrs=[want_adr(a)]))
    return dict(source="dataflor_adressen", rows=rows, want=want, footer=(";" * 13 + "\r\n") * 3)


ENGLISH_COUNTRIES = {"Česko": "Czech Republic", "Slovensko": "Slovakia", "Deutschland": "Germany",
                     "Österreich": "Austria", "CZ": "Czech Republic", "SK": "Slovakia"}


def openair_contacts():
    """A professional-services system's contacts in its alphabetical field
    order: account codes, flags, creation times, the customer's company and
    ids beside the contact's, a job title, fax and mobile; no postal code."""
    s = SOURCES["openair_contacts"]
    rows, want = [s["header"]], []
    people = [p for p in persons(CZECH5 + SLOVAK5 + GERMAN5 + AUSTRIAN5) if p["org"]] \
        + [p for p in HAULIERS if p["family"] in ("Cibulka", "Straka")]
    for k, p in enumerate(people[:16], 1):
        a = first_adr(p)
        country = ENGLISH_COUNTRIES[a[5]]
        v = {"acct_code": f"C{3100 + k}", "active": "1", "address1": a[1], "can_bill_to": "1" if k % 3 else "0",
             "can_ship_to": "1", "can_sold_to": "0" if k % 4 == 0 else "1", "city": a[2], "country": country,
             "created": f"2023-0{1 + k % 9}-{10 + k} 0{k % 10}:14:5{k % 10}", "customer_company": p["org"],
             "customer_externalid": f"NS-{44000 + 13 * k}", "customer_id": str(200 + k), "email": p["emails"][0],
             "external_id": f"NS-C-{7700 + k}", "fax": first_of(p, "FAX"), "firstname": p["given"], "id": str(k),
             "job_title": p["job"], "lastname": p["family"], "mobile": first_of(p, "CELL")}
        rows.append(fill(s["header"], v))
        tels = [("FAX", v["fax"]), ("CELL", v["mobile"])]
        want.append(card(p, prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", code="", country=country)]))
    return dict(source="openair_contacts", rows=rows, want=want)
