"""Third held-out set: partner and customer lists of invoicing tools and ERPs
in Slovene, German, Polish and Croatian, where a row is a company, a sole
trader, a private person or a company's contact. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import card, companies, fill, first_of, persons
from fresh_headers import SOURCES
from fresh_kit import COUNTIES, country_name, house_parts, slovak_slash, trunk, whole_street
from fresh_people import POLISH3, SLOVENE3
from people import CROATIAN, CZECH, GERMAN, POLISH, SLOVAK, SLOVENE
from unseen_kit import code_of, first_adr, want_adr
from unseen_people import CROATIAN2, CZECH2, GERMAN2, POLISH2, SLOVAK2


def full_name(p):
    return f"{p['given']} {p['family']}"


def party(p):
    """'company', 'trader' (a person trading under a name) or 'private'."""
    return "private" if not p["org"] else ("company" if not p["given"] else "trader")


def party_card(p, kind, tels, emails, adrs, name=None, url=False):
    """A private person's name stands in the party's name column and is no organisation."""
    if kind == "private":
        return card(p, fn=name or full_name(p), org="", title="", prefix="", suffix="", tels=tels, emails=emails,
                    adrs=adrs, url=url)
    return card(p, title="", prefix="", suffix="", tels=tels, emails=emails, adrs=adrs, url=url)


def legal_form(p, kind):
    if kind != "company":
        return "s.p." if kind == "trader" else "fizična oseba"
    plain = p["org"].replace(" ", "")
    return "d.d." if "d.d." in plain else "d.o.o." if "d.o.o." in plain else "javni zavod" \
        if p["org"].startswith("Univerza") else ""


def tax_number(kind, croatian, k):
    """A private person's tax number (eight digits), else the VAT id."""
    if kind == "private":
        return f"{41230000 + 917 * k}"
    return f"HR{60412300000 + 7 * k}" if croatian else f"SI{51230000 + 37 * k}"


def e_racuni_partners():
    """A Slovene ledger's partners: companies, sole traders (s.p.) with their
    names, private people; the postal code written in the town's cell for
    some rows, numbers as dialled at home, tax and bank numbers; an empty row
    of separators below, as Excel leaves it."""
    s = SOURCES["e_racuni_partners"]
    rows, want = [s["header"]], []
    people = companies([SLOVENE]) + SLOVENE3 + persons(SLOVENE)[1:5:3] + companies([CROATIAN2])[:3]
    for k, p in enumerate(people, 1):
        kind = party(p)
        a = first_adr(p)
        phone = first_of(p, "HOME" if kind == "private" else "WORK")
        phone = trunk(phone) if k % 3 == 0 and phone.startswith("+386") else phone
        croatian = bool(a) and a[5] == "Hrvatska"
        v = {"Šifra partnerja": str(100 + k), "Naziv partnerja": p["org"] or full_name(p),
             "Priimek partnerja": p["family"], "Ime partnerja": p["given"], "Telefon": phone,
             "FAX": first_of(p, "FAX"), "Email naslov": p["emails"][0] if p["emails"] else "",
             "ID št. za DDV ali davčna številka": tax_number(kind, croatian, k),
             "Matična številka": "" if kind == "private" else f"{5043600 + 11 * k}000",
             "Šifra kupca": f"K{k:04d}", "STM kupca": "100", "Šifra dobavitelja": f"D{k:04d}" if k % 4 == 0 else "",
             "STM dobavitelja": "200" if k % 4 == 0 else "", "TRR": f"SI56 0510 0801 {2345 + k:04d} 678",
             "Homepage naslov": p["url"], "Mobilni telefon": first_of(p, "CELL"), "Pravna oblika": legal_form(p, kind)}
        adrs = []
        if a:
            v.update({"Ulica": a[1], "Poštna številka": a[4], "Pošta kraj": a[2]})
            if k in (2, 7, 12):   # the code typed before the town, its own cell left empty, as the help allows
                v.update({"Poštna številka": "", "Pošta kraj": f"{a[4]} {a[2]}"})
            adrs.append(want_adr(a, region="", country=""))
        rows.append(fill(s["header"], v))
        tels = [("*" if kind == "private" else "WORK|VOICE", phone), ("FAX", v["FAX"]), ("CELL", v["Mobilni telefon"])]
        want.append(party_card(p, kind, [t for t in tels if t[1]], p["emails"][:1], adrs, url=True))
    return dict(source="e_racuni_partners", rows=rows, want=want, footer=";" * 19 + "\r\n")


def name_cells(org, k):
    """A long name over Name1 to Name3, as the sheet keeps it: the legal form,
    or the second word on, in the next cell."""
    words = org.split()
    if k % 4 == 1 and len(words) > 2:
        return words[0], " ".join(words[1:-1]), words[-1]
    if k % 4 == 3 and len(words) > 1:
        return " ".join(words[:-1]), words[-1], ""
    return org, "", ""


def comarch_erp_xt_partners():
    """A German ERP's business partners: the name over three cells, street,
    house and flat number apart, countries named in German, national numbers,
    tax numbers; a title line above the sheet."""
    s = SOURCES["comarch_erp_xt_partners"]
    rows, want = [s["header"]], []
    for k, p in enumerate((companies([GERMAN2, GERMAN]) + companies([CZECH2]))[:16], 1):
        a = first_adr(p)
        land = country_name(a[5], "de") if a else ""
        code = code_of(a[5]) if a else "DE"
        name1, name2, name3 = name_cells(p["org"], k)
        phone = first_of(p, "WORK")
        phone = trunk(phone) if k % 2 == 0 and code in ("DE", "AT") else phone
        v = {"Zeilennummer": str(k), "Name1": name1, "Name2": name2, "Name3": name3, "Telefonnr": phone,
             "Fax": first_of(p, "FAX"), "Email": p["emails"][0] if p["emails"] else "", "WWW": p["url"],
             "Steuernummer": f"{201 + k}/{123 + k}/{45600 + 13 * k}" if code == "DE" else "",
             "Klassifikation": "0" if code == "DE" else "3", "Rabatt": "3,00" if k % 5 == 0 else "0,00",
             "Präfix": code, "Umsatzsteuer-ID": f"{code}{812345670 + 101 * k}" if p["org"] != "Landratsamt Rosenheim"
             else ""}
        adrs = []
        if a:
            name, number, _ = house_parts(a[1])
            flat = "Top 4" if p["org"] == "Groß & Söhne GmbH" else ""
            v.update({"Straße": name, "Hausnr": number, "Wohnungsnr": flat, "PLZ": a[4], "Ort": a[2], "Land": land})
            adrs.append(want_adr(a, street=whole_street(name, number, flat), region="", country=land))
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", phone), ("FAX", v["Fax"])]
        # Name1 to Name3 are the one name, so the organisation is the three together.
        want.append(card(p, org=" ".join(x for x in (name1, name2, name3) if x),
                         tels=[t for t in tels if t[1]], emails=p["emails"][:1], adrs=adrs, url=True))
    return dict(source="comarch_erp_xt_partners", rows=rows, want=want, bom=True,
                preamble="Geschäftspartner - Export vom 02.03.2026" + ";" * 20 + "\r\n")


ISOLTA_DEPARTMENTS = {"Siemens AG": "Einkauf", "Universität Leipzig": "Institut für Informatik"}


def isolta_contacts():
    """Customers of an invoicing tool: a company's contact in 'Abteilung /
    Kontakt' beside its name, or a department there; private customers by
    their whole name; memos with commas and line breaks."""
    s = SOURCES["isolta_contacts"]
    rows, want = [s["header"]], []
    people = [p for p in persons(GERMAN) + persons(GERMAN2) if p["org"] not in ISOLTA_DEPARTMENTS] \
        + [c for c in companies([GERMAN]) if c["org"] in ISOLTA_DEPARTMENTS] \
        + [c for c in GERMAN + GERMAN2 if not c["given"]] + [CZECH2[1], SLOVAK2[0]]
    for k, p in enumerate(people, 1):
        kind = party(p)
        a = first_adr(p, "HOME" if kind == "private" else "WORK")
        phone = first_of(p, "WORK") if p["org"] else p["phones"][0][1]
        contact = ISOLTA_DEPARTMENTS.get(p["org"], full_name(p) if kind == "trader" else "")
        v = {"Name": p["org"] or full_name(p), "Abteilung / Kontakt": contact, "Telefonnummer": phone,
             "E-Mail-Adresse": p["emails"][0] if p["emails"] else "", "Kundennummer": str(10040 + k),
             "Reg. Nr.": f"HRB {18000 + 97 * k}" if kind != "private" and "GmbH" in p["org"] else "",
             "Memo": {3: "Rechnung per E-Mail, nicht per Post\nZahlungsziel 30 Tage",
                      8: "Kunde seit 2019, Rabatt 5 %"}.get(k, ""),
             "Privatkunde": "1" if kind == "private" else "0", "Sprache": "de" if not a or a[5] in (
                 "Deutschland", "Österreich") else "en",
             "e-invoice-Adresse": "09187000-12345-67" if p["org"] == "Landratsamt Rosenheim" else ""}
        adrs = []
        if a:
            v.update({"Rechnungsadresse": a[1], "Postleitzahl": a[4], "Ort": a[2], "Ländercode": code_of(a[5])})
            adrs.append(want_adr(a, region="", country=code_of(a[5])))
        rows.append(fill(s["header"], v))
        tels = [("*" if kind == "private" else "WORK|VOICE", phone)] if phone else []
        want.append(party_card(p, kind, tels, p["emails"][:1], adrs, name=v["Name"]))
    return dict(source="isolta_contacts", rows=rows, want=want)


SYMFONIA_EMAILS = {"Drukarnia Świt S.A.": ["biuro@drukarnia-swit.pl", "zamowienia@drukarnia-swit.pl"],
                   "Ślęczka": ["gosia-s@wp.pl", "m.sleczka@onet.pl"]}


def symfonia_contractors():
    """A Polish ERP's contractors saved by Excel as Unicode text: companies,
    sole traders, private people by Podmiot; PESEL and REGON numbers; street,
    building and flat apart; two e-mails in one cell; PRAWDA/FAŁSZ flags; a
    title line above."""
    s = SOURCES["symfonia_contractors"]
    rows, want = [s["header"]], []
    people = companies([POLISH, POLISH2]) + POLISH3 + [p for p in persons(POLISH + POLISH2) if not p["org"]]
    for k, p in enumerate(people, 1):
        kind = party(p)
        a = first_adr(p)
        emails = SYMFONIA_EMAILS.get(p["org"] or p["family"], p["emails"][:1])
        first = first_of(p, "HOME") or first_of(p, "CELL") if kind == "private" else first_of(p, "WORK")
        second = first_of(p, "CELL") if kind == "private" and first_of(p, "HOME") else ""
        first = first.replace("+48 ", "") if k % 2 else first
        v = {"Nazwa": p["org"] or full_name(p), "Kod": (p["org"] or p["family"]).split()[0].upper()[:12],
             "Podmiot": {"company": "Firma", "trader": "Osoba fizyczna (firma)", "private": "Osoba Fizyczna"}[kind],
             "NIP": "" if kind == "private" else f"{521 + k}-{300 + k}-{10 + k}-{20 + k}",
             "REGON": "" if kind == "private" else f"{140000000 + 1117 * k}",
             "PESEL": f"{74040200000 + 1231 * k}" if kind != "company" else "",
             "Zarejestrowany w VIES": "PRAWDA" if kind == "company" else "FAŁSZ",
             "Podatnik VAT czynny": "FAŁSZ" if kind == "private" else "PRAWDA", "Jednostka powiązana": "FAŁSZ",
             "Imię": p["given"], "Nazwisko": p["family"], "Telefon 1": first, "Telefon 2": second,
             "Fax": first_of(p, "FAX"), "Email": "; ".join(emails), "Rejestr płatności": "PKO BP",
             "Forma płatności": "gotówka" if kind == "private" else "przelew 14 dni",
             "% Rabatu": "5,00" if k % 4 == 0 else "0,00", "Limit kredytu": "" if kind == "private" else "20 000,00"}
        adrs = []
        if a:
            name, number, flat = house_parts(a[1], slash_is_flat=True)
            v.update({"Kod pocztowy": a[4], "Miejscowość": a[2], "Ulica": name, "Nr budynku": number,
                      "Nr lokalu": flat, "Województwo": a[3], "Kraj": a[5]})
            adrs.append(want_adr(a, street=whole_street(name, number, flat)))
        rows.append(fill(s["header"], v))
        kind_of_phone = "*" if kind == "private" else "WORK|VOICE"
        tels = [(kind_of_phone, first), (kind_of_phone, second), ("FAX", v["Fax"])]
        want.append(party_card(p, kind, [t for t in tels if t[1]], emails, adrs))
    return dict(source="symfonia_contractors", rows=rows, want=want, bom=True,
                preamble="Lista kontrahentów\r\n")


def faqt_contractors():
    """A Polish seller's foreign customers as FileMaker writes its base with
    tabs: countries named in Polish, Slovak landlines with a slash, a line
    break in a note written as FileMaker does (a vertical tab)."""
    s = SOURCES["faqt_contractors"]
    rows, want = [s["header"]], []
    people = companies([SLOVAK, SLOVAK2]) + [p for p in persons(SLOVAK + SLOVAK2) if not p["org"]] \
        + companies([CZECH])[:2]
    for k, p in enumerate(people, 1):
        kind = party(p)
        a = first_adr(p)
        phone = p["phones"][0][1] if kind == "private" and p["phones"] else first_of(p, "WORK")
        phone = slovak_slash(phone) if k % 2 else phone
        prefix = code_of(a[5]) if a else "SK"
        v = {"KontrID_k1": str(7000 + k), "KontrNazwa": p["org"] or full_name(p),
             "KontrIdent": (p["org"] or p["family"]).split()[0].rstrip(",").upper(),
             "KontrNip": "" if kind == "private" else f"20{20316000 + 41 * k}",
             "KontrNipPrefUE": "" if kind == "private" else prefix,
             "KontrPoziomCen": ("Detaliczne", "Partner A", "Partner B")[k % 3],
             "KontrRodzajPlatosci": "Gotówka" if kind == "private" else "Przelew", "KontrTel1": phone,
             "KontrFaks": first_of(p, "FAX"), "KontrEmail": p["emails"][0] if p["emails"] else "",
             "KontrUwagi": {4: "Faktury po słowacku\x0bwysyłka kurierem", 9: "Kontakt tylko mailowo"}.get(k, ""),
             "KontrKontoNr": "" if kind == "private" else f"SK{31 + k} 1100 0000 0029 4012 {3400 + k}",
             "KontrKontoBank": "" if kind == "private" else "Tatra banka",
             "KontrFirma": "Prywatny" if kind == "private" else "Firma"}
        adrs = []
        if a:
            v.update({"KontrAdres": a[1], "KontrAdresKod": a[4], "KontrAdresMiasto": a[2],
                      "KontrAdresKraj": country_name(a[5], "pl")})
            adrs.append(want_adr(a, region="", country=country_name(a[5], "pl")))
        rows.append(fill(s["header"], v))
        tels = [("*" if kind == "private" else "WORK|VOICE", phone), ("FAX", v["KontrFaks"])]
        want.append(party_card(p, kind, [t for t in tels if t[1]], p["emails"][:1], adrs))
    return dict(source="faqt_contractors", rows=rows, want=want)


NECTO_SHORT = {"Zagrebačka banka d.d.": "ZABA", "Hrvatski Telekom d.d.": "HT", "Univerza v Mariboru": "UM"}


def necto_partners():
    """Company-only partners of a Croatian invoicing tool: OIB numbers, a
    trade name beside the company's, counties and ISO country codes, a total
    below."""
    s = SOURCES["necto_partners"]
    rows, want = [s["header"]], []
    people = companies([CROATIAN2, CROATIAN]) + companies([SLOVENE])[:3]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        cc = code_of(a[5]) if a else ""
        county = COUNTIES.get(a[2], "") if a and cc == "HR" else ""
        v = {"companyName": p["org"], "tradeName": NECTO_SHORT.get(p["org"], p["org"].split()[0].rstrip(",")),
             "oib": f"{18683136487 + 7919 * k}"[-11:], "classification": "eu_intra_community" if cc == "SI"
             else "domestic", "paymentNetDays": ("15", "30", "8")[k % 3], "isSupplier": ("no", "yes", "1")[k % 3],
             "notes": {5: "Plaćanje virmanom, R1 račun", 11: "Ugovor do 2027."}.get(k, "")}
        adrs = []
        if a:
            v.update(addressStreet=a[1], addressCity=a[2], addressPostalCode=a[4], addressCounty=county,
                     addressCountry=cc)
            adrs.append(want_adr(a, region=county, country=cc))
        rows.append(fill(s["header"], v))
        want.append(card(p, tels=[], emails=[], adrs=adrs))
    footer = f"Ukupno partnera: {len(want)}" + ";" * 11 + "\r\n"
    return dict(source="necto_partners", rows=rows, want=want, footer=footer)
