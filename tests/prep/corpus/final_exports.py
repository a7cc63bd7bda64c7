"""Fourth held-out set: the addressees of a Czech postal service, a Slovene
payroll's employees, a Polish CRM's contractors, German and Swiss customer
lists, a carrier's Slovak address book and a community's members. Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of, persons
from final_headers import SOURCES
from final_kit import at_home, dial, dmy, first_phone, full_name, whole_address
from final_people import POLISH4, SLOVENE_STAFF, SWISS, TWO_CONTACTS
from fresh_people import CZECH3, POLISH3, SLOVENE3
from people import CZECH, GERMAN, POLISH, SLOVAK, SLOVENE
from unseen_kit import code_of, first_adr, split_street, want_adr, woman
from unseen_people import CZECH2, GERMAN2, POLISH2, SLOVAK2

# Prague's districts by street: the post writes the town and its part apart.
PRAGUE_PARTS = {"Jugoslávských partyzánů": "Dejvice", "Vinohradská": "Vinohrady", "Duhová": "Michle",
                "Seifertova": "Žižkov"}


def ceska_posta_adresati():
    """A postal service's addressees: the street's descriptive and
    orientation numbers apart, Prague's part of town apart from the town,
    postal codes with and without the blank, two e-mails in one cell, bank
    accounts in three cells, birth dates, two columns without a name."""
    s = SOURCES["ceska_posta_adresati"]
    rows, want = [s["header"]], []
    people = [p for p in persons(CZECH) + persons(CZECH2) + CZECH3 if p["adr"]] \
        + [c for c in CZECH + CZECH2 if not c["given"]]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        name, number, orientation = split_street(a[1])
        town = "Praha" if a[2].startswith("Praha") else a[2]
        code = a[4].replace(" ", "") if k % 2 else a[4]
        _, mobile = first_phone(p, "CELL")
        _, phone = first_phone(p, "WORK", "HOME")
        mobile = mobile.replace("+420 ", "").replace(" ", "") if mobile and k % 3 == 0 else mobile
        phone = phone.replace("+420 ", "") if phone and k % 2 == 0 else phone
        v = {"Jméno": p["given"], "Příjmení / Název": p["family"] or p["org"],
             "Doplňující údaj": {2: "3. patro", 9: "vchod B"}.get(k, ""),
             "DIČ": f"CZ{25596641 + 1009 * k}" if alone else "", "Č. adresáta": f"ADR{k:04d}",
             "Datum narození": dmy(p, padded=False), "Ulice": name, "Č. popisné": number,
             "Č. orientační": orientation, "Část obce": PRAGUE_PARTS.get(name, ""), "Obec": town, "PSČ": code,
             "Stát": "CZ", "Předčíslí účtu": "19" if k % 4 == 0 else "",
             "Číslo účtu": f"{2000145399 + 311 * k}" if alone or k % 4 == 0 else "",
             "Kód banky": "0800" if alone or k % 4 == 0 else "", "Mobil": mobile, "Telefon": phone,
             "E-mail": ", ".join(p["emails"]), "Subjekt": "PO" if alone else "FO"}
        rows.append(fill(s["header"], v))
        tels = [("CELL", mobile), ("WORK|VOICE" if alone else ANY, phone)]
        # No column names the addressee's firm or post: a person's card has no organisation.
        want.append(card(p, org=None if alone else "", title="", prefix="", suffix="",
                         tels=[t for t in tels if t[1]],
                         adrs=[want_adr(a, city=town, region="", code=code, country="CZ")], birthday=True))
    return dict(source="ceska_posta_adresati", rows=rows, want=want)


MEN_ENDING_A = {"Miha", "Luka"}


def minimax_delavci():
    """A payroll's employees: birth dates unpadded, EMŠO of thirteen digits,
    tax numbers of eight, accounts in two cells, the countries of residence
    and tax residence as codes, one of them living abroad."""
    s = SOURCES["minimax_delavci"]
    rows, want = [s["header"]], []
    people = SLOVENE_STAFF + [p for p in SLOVENE + SLOVENE3 if p["family"] in ("Kranjc", "Golob")]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        y, m, d = p["birthday"]
        v = {"Šifra": str(k), "Ime": p["given"], "Priimek": p["family"], "Datum rojstva": dmy(p, padded=False),
             "Spol": "Z" if woman(p) and p["given"] not in MEN_ENDING_A else "M",
             "EMŠO": f"{d:02d}{m:02d}{y % 1000:03d}50{k:03d}{k % 10}",
             "Davčna številka": f"{10000000 + 7919 * k}", "Naslov": a[1], "Pošta": a[4], "Kraj pošte": a[2],
             "Država prebivanja": code_of(a[5]), "Država rezidentstva": "SI", "Začetek IBAN": "SI56",
             "TRR": f"0510 0801 {2345 + k:04d} {k % 10}78"}
        rows.append(fill(s["header"], v))
        # The address is where the employee lives: its country is the residence's, not the tax residence's.
        want.append(card(p, tels=[], emails=[], adrs=[want_adr(a, region="", country=code_of(a[5]))],
                         birthday=True))
    return dict(source="minimax_delavci", rows=rows, want=want)


SITES = {"Budimex S.A.": "www.budimex.pl", "Orlen S.A.": "www.orlen.pl", "Uniwersytet Jagielloński": "www.uj.edu.pl",
         "Spółdzielnia Mleczarska Łowicz": "www.smlowicz.pl"}


def edokumenty_kontrahenci():
    """A CRM's contractors: the street and its number apart, no town, the
    contact person's whole name, two people in one quoted cell for some,
    numbers with and without +48."""
    s = SOURCES["edokumenty_kontrahenci"]
    rows, want = [s["header"]], []
    firms = [c for c in POLISH + POLISH2 if not c["given"]] + POLISH4
    people = [p for p in persons(POLISH + POLISH2) + POLISH3 if p["org"]] + firms
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        name, number, flat = split_street(a[1]) if a else ("", "", "")
        _, phone = first_phone(p, "WORK", "CELL")
        phone = at_home(phone) if k % 2 else phone
        site = SITES.get(p["org"], p["url"])
        v = {"NAZWA": p["org"], "ULICA": name, "NUMER": number + (f"/{flat}" if flat else ""), "TELEFON": phone,
             "OSOBA KONTAKTOWA": full_name(p) if p["given"] else TWO_CONTACTS.get(p["org"], ""), "WWW": site}
        rows.append(fill(s["header"], v))
        adrs = [(None, a[1], "", "", "", "")] if a else []
        # Two people in the one cell are neither the card's: the row is the firm's alone.
        tels = [(ANY if p["given"] else "WORK|VOICE", phone)] if phone else []
        want.append(card(dict(p, url=site), title="", prefix="", suffix="", tels=tels, emails=[], adrs=adrs,
                         url=True))
    return dict(source="edokumenty_kontrahenci", rows=rows, want=want)


LEGAL_FORMS = {"GmbH": "2", "AG": "3", "KG": "6"}


def meindialog_kunden():
    """A German customer sheet: numbers for salutation, sex, country and
    legal form; the street and house number apart; a firm's name over two
    cells; national numbers; Excel's rows of separators below."""
    s = SOURCES["meindialog_kunden"]
    rows, want = [s["header"]], []
    people = persons(GERMAN) + persons(GERMAN2) + [c for c in GERMAN + GERMAN2 if not c["given"]]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        words = p["org"].split()
        split = bool(words) and words[-1] in LEGAL_FORMS and k % 2 == 1
        firm1, firm2 = (" ".join(words[:-1]), words[-1]) if split else (p["org"], "")
        _, phone = first_phone(p, "WORK", "HOME")
        phone = at_home(phone) if k % 2 == 0 else phone
        mobile = first_of(p, "CELL")
        mobile = at_home(mobile) if mobile and k % 3 == 0 else mobile
        v = {"KundenID": str(10400 + k), "AnredeNr": "3" if alone else ("2" if woman(p) else "1"),
             "Vorname": p["given"], "Nachname": p["family"], "Geburtsdatum": dmy(p),
             "GeschlechtNr": "" if alone else ("2" if woman(p) else "1"),
             "Adresszusatz": {4: "Hinterhaus", 8: "3. OG"}.get(k, ""), "Mailadresse": p["emails"][0],
             "Telefon": phone, "Telefax": first_of(p, "FAX"), "Mobil": mobile, "Webadresse": p["url"],
             "Firmenname1": firm1, "Firmenname2": firm2,
             "GesellschaftsformNr": LEGAL_FORMS.get(words[-1], "") if words else "1"}
        if a:
            name, number, _ = split_street(a[1])
            v.update({"Strasse": name, "Hausnummer": number, "Postleitzahl": a[4], "Wohnort": a[2],
                      "LandNr": {"Deutschland": "1", "Österreich": "12"}[a[5]]})
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if alone else ANY, phone), ("FAX", v["Telefax"]), ("CELL", mobile)]
        # LandNr is the tool's own number for a country, no country's name or code: the card has none.
        want.append(card(p, title="", prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[want_adr(a, region="", country="")] if a else [], birthday=True, url=True))
    return dict(source="meindialog_kunden", rows=rows, want=want, footer=(";" * 19 + "\r\n") * 2)


KOLEO_NOTES = {2: "Termine nur dienstags, nicht vor 9 Uhr\nRechnung per Post", 5: "Stammkunde seit 2018, 10 % Rabatt",
               9: "Betreut durch m.keller@velo-werkstatt.ch"}


def koleo_kunden():
    """A Swiss booking tool's customers: the whole name or a firm's in one
    cell, the whole address in another, the country after some; national
    numbers; notes with commas, a line break and a staff member's e-mail."""
    s = SOURCES["koleo_kunden"]
    rows, want = [s["header"]], []
    people = [p for p in SWISS if p["given"]] + [p for p in persons(GERMAN + GERMAN2) if not p["org"]] \
        + [c for c in SWISS if not c["given"]] + [c for c in GERMAN + GERMAN2 if not c["given"]]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        phone = p["phones"][0][1] if p["phones"] else ""
        phone = at_home(phone) if phone and k % 2 else phone
        country = k % 3 == 0
        v = {"Kundennummer": "" if k == 6 else str(2000 + k), "Name": p["org"] if alone else full_name(p),
             "Adresse": whole_address(a, country=country) if a else "",
             "E-Mail": p["emails"][0] if p["emails"] else "", "Telefon": phone, "Notizen": KOLEO_NOTES.get(k, "")}
        rows.append(fill(s["header"], v))
        adrs = [want_adr(a, kind=None, region="", country=a[5] if country else "")] if a else []
        # A name with a legal form (GmbH, AG, KG) is a firm's: the row is the company alone.
        want.append(card(p, title="", prefix="", suffix="", emails=p["emails"][:1], adrs=adrs,
                         tels=[("WORK|VOICE" if alone else ANY, phone)] if phone else []))
    return dict(source="koleo_kunden", rows=rows, want=want)


DHL_KINDS = {"CELL": "M", "HOME": "D", "WORK": "K"}


def mydhl_adresar():
    """A carrier's address book: the whole name, the company (the person's
    own name again where there is none), nicknames, up to five e-mails, the
    number's kind as a letter, its calling code apart and its digits bare."""
    s = SOURCES["mydhl_adresar"]
    rows, want = [s["header"]], []
    people = persons(SLOVAK) + persons(SLOVAK2) + CZECH3[:1] + [c for c in SLOVAK + SLOVAK2 if not c["given"]]
    for k, p in enumerate(people, 1):
        alone = not p["given"]
        name = p["org"] if alone else full_name(p)
        kind, number = first_phone(p, "CELL", "WORK", "HOME")
        code, digits = dial(number) if number else ("", "")
        fax = first_of(p, "FAX")
        v = {"Meno": name, "Spoločnosť": p["org"] or name,
             "Prezývka": f"{p['given']} v {p['org'].split(',')[0]}" if p["given"] and p["org"] and k % 2 else "",
             "Typ kontaktu": DHL_KINDS.get(kind, ""), "Telefónne číslo Kód krajiny": code, "Telefónne číslo": digits,
             "Fax": dial(fax)[1] if fax else ""}
        v.update({f"Emailová adresa {n}": e for n, e in enumerate(p["emails"], 1)})
        rows.append(fill(s["header"], v))
        tels = [(kind, f"+{code}{digits}")] if number else []
        # The fax's digits take the row's calling code, as the number's do.
        tels += [("FAX", f"+{code}{v['Fax']}")] if fax else []
        # Spoločnosť repeating the person's own name is no company.
        want.append(card(p, title="", prefix="", suffix="", tels=tels, adrs=[]))
    return dict(source="mydhl_adresar", rows=rows, want=want, bom=True)


STATUSES = ("active", "active", "pending_confirm", "active", "revoked", "expired")


def thosedays_members():
    """A community's member list: the display name whole, cohort years,
    statuses, ISO times blank for pending memberships."""
    s = SOURCES["thosedays_members"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(POLISH) + persons(POLISH2) + POLISH3 + CZECH3, 1):
        status = STATUSES[k % len(STATUSES)]
        v = {"name": full_name(p), "email": p["emails"][0], "cohort_year": str(2012 + k % 9), "status": status,
             "joined_at": "" if status == "pending_confirm" else f"2024-0{1 + k % 9}-1{k % 10}T09:{k:02d}:00Z"}
        rows.append(fill(s["header"], v))
        want.append(card(p, org="", title="", prefix="", suffix="", tels=[], emails=p["emails"][:1]))
    return dict(source="thosedays_members", rows=rows, want=want, line_end="\n")
