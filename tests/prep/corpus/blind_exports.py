"""Fifth held-out set: a contact centre's phone book and campaign list, a
Polish haulage system's contractors, a licensing tool's and a shop's
customers, an e-signature address book and a German ERP's customers. Each
maker returns a dict as crm_exports.py's do."""
from blind_headers import SOURCES
from blind_people import AUSTRIAN5, CROATIAN5, CZECH5, GERMAN5, HAULIERS, HUNGARIAN5, POLISH5, SLOVAK5, \
    SLOVAK_SHOPPERS, SLOVENE5
from export_kit import ANY, card, fill, first_of, persons
from final_kit import TRUNK, first_phone, full_name, plain
from unseen_kit import code_of, first_adr, split_street, want_adr, woman

COUNTRY_CODES = {"Polska": "PL", "Česko": "CZ", "Slovensko": "SK", "Deutschland": "DE", "Österreich": "AT",
                 "Italien": "IT"}


# Given names of this set's women that do not end in -a, and of its men that do.
WOMEN5 = {"Friederike", "Annegret", "Dörte", "Ingrid", "Corinne", "Beatrice", "Margrit", "Dagmar", "Elisabeth",
          "Kerstin", "Noémi"}
MEN5 = {"Žiga"}


def female(p):
    return p["given"] not in MEN5 and (p["given"] in WOMEN5 or woman(p))


def national(number):
    """'+43 664 310 2274' as dialled at home: '0664 310 2274'; Italy keeps its 0."""
    code, rest = number.split(" ", 1)
    return dict(TRUNK, **{"+39": ""})[code] + rest


def country_code(country):
    return COUNTRY_CODES.get(country, country if len(country) == 2 else code_of(country))


def finesse_phonebook():
    """A contact centre's phone book as Finesse exports it, every value
    quoted: numbers as dialled digits (00420..., +421..., or national),
    notes of the agents."""
    s = SOURCES["finesse_phonebook"]
    rows, want = [s["header"]], []
    notes = {1: "Elektro Vondráček s.r.o., jednatel", 3: "volat po 14:00", 6: "reklamace č. 2024/118",
             10: "VIP", 13: "Obchod"}
    for k, p in enumerate(persons(CZECH5) + persons(SLOVAK5), 1):
        _, number = first_phone(p, "CELL", "WORK", "HOME")
        digits = {0: "00" + plain(number).lstrip("+"), 1: national(number).replace(" ", ""), 2: plain(number)}[k % 3]
        rows.append(fill(s["header"], {"First Name": p["given"], "Last Name": p["family"], "Phone Number": digits,
                                       "Notes": notes.get(k, "")}))
        # A note is the agents' own text: no organisation or title comes of it.
        want.append(card(p, org="", title="", prefix="", suffix="", tels=[(ANY, digits)], emails=[], adrs=[]))
    return dict(source="finesse_phonebook", rows=rows, want=want, quote_all=True)


def uccx_campaign_contacts():
    """An outbound campaign's contacts: an account number, three numbers
    that say nothing of their kind, as digits with or without 48; one a
    spreadsheet turned into 4,86014E+10; Dial Time left empty."""
    s = SOURCES["uccx_campaign_contacts"]
    rows, want = [s["header"]], []
    callers = persons(POLISH5) + [p for p in persons(HAULIERS) if p["phones"][0][1].startswith("+48")][:6]
    for k, p in enumerate(callers, 1):
        numbers = [first_of(p, "CELL"), first_of(p, "HOME"), first_of(p, "WORK")]
        numbers = [n and (plain(n).lstrip("+") if k % 2 else national(n).replace(" ", "")) for n in numbers]
        lost = []
        if k == 7:
            numbers[0], lost = "4,86048E+10", ["4,86048E+10"]   # no card may hold it as a phone
        v = {"Account Number": f"KL{41000 + 17 * k:06d}", "First Name": p["given"], "Last Name": p["family"],
             "Phone1": numbers[0], "Phone2": numbers[1], "Phone3": numbers[2]}
        rows.append(fill(s["header"], v))
        tels = [(ANY, n) for n in numbers if n and n not in lost]
        want.append(dict(card(p, org="", title="", prefix="", suffix="", tels=tels, emails=[], adrs=[]), lost=lost))
    return dict(source="uccx_campaign_contacts", rows=rows, want=want, line_end="\n")


ROLES = ("Przewoźnik", "Przewoźnik", "Klient i Przewoźnik", "Klient")


def firetms_kontrahenci():
    """A haulage system's contractors: the firm and its short name, the
    street with its number, country codes, tax and EU VAT numbers, the
    contractor's role and payment terms, the person the dispatcher calls;
    Excel's row of separators below."""
    s = SOURCES["firetms_kontrahenci"]
    rows, want = [s["header"]], []
    for k, p in enumerate(HAULIERS, 1):
        a = first_adr(p)
        code = country_code(a[5])
        role = ROLES[k % len(ROLES)]
        nip = f"{5250000000 + 7919 * k}"
        client, carrier = "Klient" in role, "Przewoźnik" in role
        v = {"Nazwa": p["org"], "Nazwa skrócona": p["org"].split(" Sp.")[0].split(" sp.")[0].split(" S.A.")[0][:20],
             "Ulica i numer": a[1], "Kod pocztowy": a[4], "Miasto": a[2], "Kod kraju": code,
             "Numer NIP": nip if code == "PL" else "", "Identyfikator EU VAT": f"{code}{nip}",
             "Klient / Przewoźnik": role, "Klient: Termin płatności dni": "14" if client else "",
             "Klient: Termin płatności punkt odniesienia": "Wystawienie dokumentu" if client else "",
             "Przewoźnik: Termin płatności dni": "60" if carrier else "",
             "Przewoźnik: Termin płatności punkt odniesienia": "Otrzymanie dokumentu" if carrier else "",
             "Osoba kontaktowa - imię": p["given"], "Osoba kontaktowa - nazwisko": p["family"],
             "Osoba kontaktowa - tel. komórkowy": first_of(p, "CELL"),
             "Osoba kontaktowa - e-mail": p["emails"][0] if p["emails"] else ""}
        rows.append(fill(s["header"], v))
        tels = [("CELL", v["Osoba kontaktowa - tel. komórkowy"])] if v["Osoba kontaktowa - tel. komórkowy"] else []
        # The firm is the organisation, the contact person the card's person; the country is the code written.
        want.append(card(p, title="", prefix="", suffix="", tels=tels, emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country=code)]))
    return dict(source="firetms_kontrahenci", rows=rows, want=want, footer=";" * 16 + "\r\n")


ENGLISH = {"Deutschland": "Germany", "Österreich": "Austria"}


def licensespring_customers():
    """A licensing tool's customers: snake_case, a CRM reference for some,
    numbers international or national, the federal state, the country in
    English; firms without a person."""
    s = SOURCES["licensespring_customers"]
    rows, want = [s["header"]], []
    people = GERMAN5 + [p for p in AUSTRIAN5 if p["org"]]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        _, phone = first_phone(p, "WORK", "CELL", "HOME")
        phone = national(phone) if phone and k % 3 == 0 else phone
        v = {"email": p["emails"][0] if p["emails"] else "", "first_name": p["given"], "last_name": p["family"],
             "company_name": p["org"], "phone": phone, "reference": f"HS-{20390 + k}" if k % 2 else "",
             "address": a[1], "postcode": a[4], "state": a[3], "city": a[2], "country": ENGLISH[a[5]]}
        rows.append(fill(s["header"], v))
        want.append(card(p, title="", prefix="", suffix="", tels=[("WORK|VOICE" if alone else ANY, phone)],
                         emails=p["emails"][:1], adrs=[want_adr(a, country=ENGLISH[a[5]])]))
    return dict(source="licensespring_customers", rows=rows, want=want, line_end="\n")


LEVELS = ("BRONZE", "SILVER", "GOLD", "BRONZE")
SEGMENTS = ("VIP,Local", "", "Newsletter", "Local", "VIP")
MESSAGES = {2: "Kapucsengő: 12, hívjon érkezés előtt", 5: "Csomagautomata, ha nem vagyok otthon", 9: "Zvoniť 2x",
            12: "Nechať u susedy, č. 4"}
COORDINATES = {"Debrecen": ("47.5316", "21.6273"), "Budapest": ("47.5030", "19.0614"), "Pécs": ("46.0727", "18.2323"),
               "Győr": ("47.6875", "17.6504"), "Szeged": ("46.2530", "20.1414"), "Kecskemét": ("46.9062", "19.6913")}


def selldone_customers():
    """A shop's customers: the whole name, numbers international or as
    dialled at home, levels and segments (commas in a quoted cell), ISO
    birthdays, the street's name, house number and flat apart, a delivery
    note, the delivery address's own number and recipient, coordinates."""
    s = SOURCES["selldone_customers"]
    rows, want = [s["header"]], []
    shoppers = HUNGARIAN5 + SLOVAK_SHOPPERS + persons(SLOVAK5)
    for k, p in enumerate(shoppers, 1):
        a = first_adr(p)
        code = country_code(a[5])
        name, number, _ = split_street(a[1])
        unit = str(k % 7 + 1) if k % 4 == 0 else ""
        phone = p["phones"][0][1]
        phone = national(phone) if k % 2 == 0 else phone
        other = first_of(p, "HOME")
        lat, lng = COORDINATES.get(a[2], ("", ""))
        v = {"Name": full_name(p), "Phone": phone, "Email": p["emails"][0], "Level": LEVELS[k % 4],
             "Segments": SEGMENTS[k % 5], "Birthday": "" if not p["birthday"] else "%04d-%02d-%02d" % p["birthday"],
             "Sex": "Female" if female(p) else "Male", "Currency": "HUF" if code == "HU" else "EUR", "Country": code,
             "City": a[2], "Address": name, "No": number, "Unit": unit, "Postal": a[4],
             "Message": MESSAGES.get(k, ""), "Address Phone": other or phone,
             "Address Name": f"{p['family']} {p['given']}" if code == "HU" and k % 3 == 0 else full_name(p),
             "Lat": lat, "Lng": lng}
        rows.append(fill(s["header"], v))
        street = f"{name} {number}" + (f"/{unit}" if unit else "")
        # The delivery address's own number, where it differs, is a second number; its recipient is nobody new.
        tels = [(ANY, phone)] + ([(ANY, other)] if other else [])
        want.append(card(p, org="", title="", prefix="", suffix="", tels=tels, emails=p["emails"][:1],
                         adrs=[want_adr(a, street=street, region="", country=code)], birthday=True))
    return dict(source="selldone_customers", rows=rows, want=want, bom=True)


def signinghub_contacts():
    """An e-signature address book: the e-mail first, the family name before
    the given name, mobile numbers written 00386... or +385 ...; two contacts
    known only by their e-mail."""
    s = SOURCES["signinghub_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(SLOVENE5 + CROATIAN5, 1):
        bare = k in (8, 13)
        mobile = first_of(p, "CELL")
        mobile = "00" + plain(mobile).lstrip("+") if mobile and k % 3 == 0 else mobile
        rows.append(fill(s["header"], {"Email Address": p["emails"][0], "Last Name": "" if bare else p["family"],
                                       "First Name": "" if bare else p["given"], "Mobile Number": mobile}))
        q = dict(p, given="", family="") if bare else p
        want.append(card(q, org="", title="", prefix="", suffix="", tels=[("CELL", mobile)] if mobile else [],
                         emails=p["emails"][:1], adrs=[]))
    return dict(source="signinghub_contacts", rows=rows, want=want)


DEPARTMENTS = {1: "Einkauf", 3: "Projektleitung", 7: "Buchhaltung"}


def collmex_kunden():
    """A German ERP's customers, record type CMXKND: the firm number, the
    salutation ('Firma' for a firm alone), academic titles, departments,
    a remark with a separator in it, an inactive customer, ISO country
    codes, national numbers, bank and tax numbers, coded terms."""
    s = SOURCES["collmex_kunden"]
    rows, want = [s["header"]], []
    people = GERMAN5 + [p for p in AUSTRIAN5 if p["family"] in ("Pichler", "Koller", "Steiner")] \
        + [c for c in AUSTRIAN5 if not c["given"]][:1]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        code = country_code(a[5])
        _, phone = first_phone(p, "WORK", "HOME", "CELL")
        phone = national(phone) if k % 2 == 0 else phone
        v = {"Satzart": "CMXKND", "Kundennummer": str(10000 + k), "Firma Nr": "1",
             "Anrede": "Firma" if alone else ("Frau" if female(p) else "Herr"), "Titel": p["prefix"],
             "Vorname": p["given"], "Name": p["family"], "Firma": p["org"], "Abteilung": DEPARTMENTS.get(k, ""),
             "Straße": a[1], "PLZ": a[4], "Ort": a[2],
             "Bemerkung": {2: "Lieferung nur vormittags; Tor 2", 6: "Rechnung per E-Mail"}.get(k, ""),
             "Inaktiv": "1" if k == 9 else "0", "Land": code, "Telefon": phone, "Telefax": first_of(p, "FAX"),
             "E-Mail": p["emails"][0] if p["emails"] else "",
             "Iban": f"DE{44 + k} 8605 0000 {1000 + 37 * k:04d} {k:04d} 00" if k % 3 == 0 else "",
             "USt.IdNr": f"{code}{281500000 + 1331 * k}" if p["org"] else "", "Zahlungsbedingung": "0",
             "Ausgabemedium": "1", "Adressgruppe": "2" if p["org"] else "1", "Währung (ISO-Codes)": "EUR",
             "Liefersperre": "0"}
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if alone else ANY, phone), ("FAX", v["Telefax"])]
        # Abteilung is a department, no post: the card has no title; the title is the name's prefix.
        want.append(card(p, title="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country=code)]))
    return dict(source="collmex_kunden", rows=rows, want=want)
