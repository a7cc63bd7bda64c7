"""Held-out exports of invoicing and accounting tools: their client and
partner lists in Slovak, Polish, Romanian and Hungarian, where a row is a
company, a company's contact person or a private client whose name stands in
the company's column. Each maker returns a dict as crm_exports.py's do."""
import re

from export_kit import ANY, card, companies, fill, first_of, persons
from people import CZECH, GERMAN, HUNGARIAN, POLISH, ROMANIAN, SLOVAK
from unseen_headers import SOURCES
from unseen_kit import code_of, csv_when, first_adr, national, split_street, want_adr, woman
from unseen_people import CZECH2, HUNGARIAN2, POLISH2, ROMANIAN2, SLOVAK2


def kind_of(p):
    return "private" if not p["org"] else ("company" if not p["given"] else "contact")


def full_name(p):
    return f"{p['given']} {p['family']}"


def client_card(p, kind, tels, emails, adrs, url=False):
    """A client's card: a private client's name stands where a company's would, and is no organisation."""
    if kind == "private":
        return card(p, fn=full_name(p), org="", title="", tels=tels, emails=emails, adrs=adrs, url=url)
    return card(p, title="", tels=tels, emails=emails, adrs=adrs, url=url)


BITFAKTURA_POST = {3: ("Hlavná 12", "Košice", "040 01"), 8: ("Štúrova 20", "Žilina", "010 01")}


def bitfaktura_clients():
    """Saved from a spreadsheet as Unicode text: UTF-16 with tabs. 'Firma' is
    1 for a company; a correspondence address whole in one cell."""
    s = SOURCES["bitfaktura_clients"]
    rows, want = [s["header"]], []
    people = persons(SLOVAK) + persons(SLOVAK2) + [c for c in SLOVAK + SLOVAK2 if not c["given"]] \
        + [CZECH[5], CZECH2[3]]
    for k, p in enumerate(people, 1):
        kind = kind_of(p)
        a = first_adr(p, "HOME" if kind == "private" else "WORK")
        country = {"Česko": "Česká republika"}.get(a[5], a[5]) if a else ""
        phone = first_of(p, "HOME" if kind == "private" else "WORK")
        v = {"Číslo": str(k), "ID": str(26 + k), "Názov firmy": p["org"] or full_name(p),
             "Skrátený názov": p["org"].split(",")[0] if p["org"] else f"{p['family']} {p['given'][0]}.",
             "DIČ": f"20{20316000 + 37 * k}" if kind != "private" else "", "Firma": "0" if kind == "private" else "1",
             "E-mail": p["emails"][0] if p["emails"] else "", "WWW stránky": p["url"], "Telefónne číslo": phone,
             "Mobilné číslo": first_of(p, "CELL"), "Fax": first_of(p, "FAX"), "Meno": p["given"],
             "Priezvisko ": p["family"], "Banka": "Tatra banka",
             "Bankový účet": f"SK{31 + k} 1100 0000 0029 4012 {k:04d}",
             "Poznámky": "Zľava 5 %, splatnosť 30 dní" if k == 5 else ""}
        adrs = []
        if a:
            v.update({"Mesto": a[2], "PSČ": a[4], "Ulica": a[1], "Krajina": country})
            adrs.append(want_adr(a, region="", country=country))
        if k in BITFAKTURA_POST:
            street, town, code = BITFAKTURA_POST[k]
            v["Korespondenčná adresa"] = f"{street}; {code} {town}"
            adrs.append((None, street, town, "", code, ""))
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if kind != "private" else ANY, phone), ("CELL", v["Mobilné číslo"]), ("FAX", v["Fax"])]
        want.append(client_card(p, kind, [t for t in tels if t[1]], p["emails"][:1], adrs, url=True))
    return dict(source="bitfaktura_clients", rows=rows, want=want, separator="\t", encoding="utf-16-le", bom=True)


def polish_number(number, k):
    """Polish numbers as people type them: without +48, grouped their way."""
    if not number.startswith("+48") or k % 3 == 0:
        return number
    return national(number, "+48", "dash" if k % 3 == 1 else "plain")


def fakturownia_clients():
    """Two e-mails in one cell, numbers without the country code, tax numbers
    and accounts that look like phones, and a total below."""
    s = SOURCES["fakturownia_clients"]
    rows, want = [s["header"]], []
    people = persons(POLISH) + persons(POLISH2) + [c for c in POLISH + POLISH2 if not c["given"]] \
        + [GERMAN[0], GERMAN[5]]
    countries = {"Polska": "Polska", "Österreich": "Austria", "Deutschland": "Niemcy"}
    for k, p in enumerate(people, 1):
        kind = kind_of(p)
        a = first_adr(p, "HOME" if kind == "private" else "WORK")
        phone = polish_number(first_of(p, "HOME" if kind == "private" else "WORK"), k)
        cell = polish_number(first_of(p, "CELL"), k + 1)
        v = {"Lp": str(k), "Nazwa skrócona (systemowa)": p["org"].split()[0] if p["org"] else
             f"{p['family']} {p['given'][0]}.", "Nazwa firmy": p["org"] or full_name(p),
             "Numer NIP": f"{521 + k}-{k * 7:03d}-{10 + k:02d}-{20 + k:02d}" if kind != "private" else "",
             "E-mail": ", ".join(p["emails"]), "Strona WWW": p["url"], "Telefon": phone, "Tel. komórkowy": cell,
             "Fax": polish_number(first_of(p, "FAX"), k), "Imię": p["given"], "Nazwisko": p["family"],
             "Bank": "PKO BP" if k % 2 else "mBank", "Numer rachunku": f"{12 + k} 1020 1026 0000 1202 0157 {4600 + k}",
             "Dodatkowy opis": {4: "Faktury e-mailem, termin 14 dni", 9: "stały klient"}.get(k, "")}
        adrs = []
        if a:
            v.update({"Miejscowość": a[2], "Kod pocztowy": a[4], "Ulica": a[1], "Kraj": countries[a[5]]})
            adrs.append(want_adr(a, region="", country=countries[a[5]]))
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if kind != "private" else ANY, phone), ("CELL", cell), ("FAX", v["Fax"])]
        want.append(client_card(p, kind, [t for t in tels if t[1]], p["emails"], adrs, url=True))
    footer = f"\r\nRazem: {len(want)} klientów\r\n"
    return dict(source="fakturownia_clients", rows=rows, want=want, bom=True, footer=footer)


def softpro_street(a, k, p):
    """The street as SoftPro takes it: whole in adr_par, or its name, number,
    block and flat apart; and the street a card must hold."""
    name, number, _ = split_street(a[1])
    if k % 3 == 0:
        return dict(adr_par=a[1]), a[1]
    if p["family"] == "Ionescu":
        return dict(str_adr=name, nr_adr=number, bloc_adr="A3", ap_adr="14"), f"{a[1]}, bl. A3, ap. 14"
    return dict(str_adr=name, nr_adr=number), a[1]


def softpro_partners():
    """Partners of a Romanian ledger: companies, public bodies and private
    people, CUI and CNP numbers, account codes, counties for regions and no
    postal code at all."""
    s = SOURCES["softpro_partners"]
    rows, want = [s["header"]], []
    people = companies([ROMANIAN, ROMANIAN2]) + persons(ROMANIAN)[1:5:3] + persons(ROMANIAN2)[1::2] \
        + [c for c in HUNGARIAN + HUNGARIAN2 if c["org"] in ("MOL Nyrt.", "Győri Keksz Kft.")]
    for k, p in enumerate(people, 1):
        kind = kind_of(p)
        public = p["org"].startswith(("Spitalul", "Universitatea", "UMF"))
        a = first_adr(p)
        code = code_of(a[5]) if a else ""
        county = (a[3] or (a[2] if a[2] == "București" else "")) if a and code == "RO" else ""
        phone = p["phones"][0][1] if p["phones"] else ""
        v = {"cod_par": f"{2 if woman(p) else 1}{850101 + k:06d}{123450 + k:06d}" if kind == "private"
             else str(1590082 + 7919 * k), "rrr_par": "--" if kind == "private" or public else code,
             "den_par": p["org"] or full_name(p), "reg_com_p": f"J{10 + k}/{300 + k}/199{k % 10}"
             if kind != "private" and not public else "", "jud_par": county, "loc_adr": a[2] if a else "",
             "tara_adr": code, "cont_cli": "4111" if k % 4 else "", "cont_fur": "401" if k % 4 == 0 else "",
             "entit_par": "2" if kind == "private" else ("3" if public else "1"), "target_par": "0.00",
             "e_mail_par": "; ".join(p["emails"]) if p["org"] != "Farmacia Tei S.R.L." else
             "contact@farmaciatei.ro; comenzi@farmaciatei.ro",
             "tel_par": national(phone, "+40", "0") if k % 2 and phone.startswith("+40") else phone}
        adrs = []
        if a:
            parts, street = softpro_street(a, k, p)
            v.update(parts)
            adrs.append(want_adr(a, street=street, region=county, code="", country=code))
        rows.append(fill(s["header"], v))
        emails = [m.strip() for m in v["e_mail_par"].split(";") if m.strip()]
        tels = [(ANY if kind == "private" else "WORK|VOICE", v["tel_par"])] if phone else []
        want.append(client_card(p, kind, tels, emails, adrs))
    # Texts between quotes, numbers bare, as the page asks.
    text = csv_when(rows, ",", lambda value: value != "" and not re.fullmatch(r"[\d.]+", value), "\r\n")
    return dict(source="softpro_partners", rows=rows, want=want, text=text)


def hungarian_number(number, k):
    if not number.startswith("+36"):
        return number
    return (number, national(number, "+36", "06"), national(number, "+36", "hu-slash"))[k % 3]


def europroof_customers():
    """A Hungarian customer list from an Excel sheet: code page 1250 and ';',
    a title line above, private customers by their name family name first,
    a header with commas inside its names."""
    s = SOURCES["europroof_customers"]
    rows, want = [s["header"]], []
    people = companies([HUNGARIAN, HUNGARIAN2]) + persons(HUNGARIAN)[1:6:4] + persons(HUNGARIAN2)[1::2] \
        + [c for c in SLOVAK2 if c["org"] == "Pekáreň Oravská, s.r.o."]
    for k, p in enumerate(people, 1):
        kind = kind_of(p)
        a = first_adr(p)
        country = code_of(a[5]) if a else "HU"
        name = p["org"] or " ".join(x for x in (p["prefix"], p["family"], p["given"]) if x)
        phone = hungarian_number(first_of(p, "HOME" if kind == "private" else "WORK"), k)
        cell = hungarian_number(first_of(p, "CELL"), k + 1)
        v = {"Név": name, "Telefonszám #1": phone, "Fax #1": hungarian_number(first_of(p, "FAX"), k),
             "Mobiltelefonszám #1": cell, "Email #1": p["emails"][0] if p["emails"] else "",
             "Email #2": p["emails"][1] if len(p["emails"]) > 1 else "",
             "Vevőcsoport": "Lakossági" if kind == "private" else "Nagyker", "Honlap": p["url"],
             "Bankszámlaszám": f"{11773016 + k}-{12345678 + 3 * k}-00000000",
             "Adóazonosító / adószám": f"{12345678 + k}-2-{41 + k % 3}"
             if kind == "company" and country == "HU" else "",
             "EU adószám": f"{country}{12345678 + k}" if kind == "company" else "", "Ár típus (1-10)": "1",
             "Fizetési mód (1 – kp, 2 - átutalás, 3 - bankkártya)": "1" if kind == "private" else "2",
             "Fizetési határidő (nap)": "0" if kind == "private" else "8",
             "Gazdasági típus (0-4)": "0" if kind == "private" else "1"}
        adrs = []
        if a:
            v.update({"Ország ISO kód (pl. HU)": code_of(a[5]), "Irányítószám": a[4], "Település": a[2],
                      "Utca": a[1]})
            adrs.append(want_adr(a, region="", country=code_of(a[5])))
        rows.append(fill(s["header"], v))
        tels = [(ANY if kind == "private" else "WORK|VOICE", phone), ("CELL", cell), ("FAX", v["Fax #1"])]
        tels = [t for t in tels if t[1]]
        if kind == "private":
            want.append(card(p, fn=name, org="", title="", tels=tels, emails=p["emails"][:2], adrs=adrs))
        else:
            want.append(card(p, tels=tels, emails=p["emails"][:2], adrs=adrs, url=True))
    return dict(source="europroof_customers", rows=rows, want=want,
                preamble="Vevőtörzs – export 2026.02.11.\r\n\r\n")
