#!/usr/bin/env python3
"""Every common export layout, end to end: exports built from the headers that
Google Contacts (current and legacy), Outlook (English, German, Czech, Slovak,
Polish, Hungarian), Thunderbird, LinkedIn, Yahoo and national spreadsheets
write, each with Czech, Slovak, Polish, Hungarian and German contacts, go
through rowcard-prep and rowcard in a fresh folder. The cards are read by
python3-vobject and, where it is installed, by Evolution's parser, and every
field of every contact must be what the export says, as rowcard cleans it.

Usage: layouts_test.py ROWCARD_PREP ROWCARD
"""
import os
import subprocess
import sys
import tempfile
import unicodedata

import vobject

from card_values import CYRILLIC, SPELLED, space_signs

try:
    import gi
    gi.require_version("EBookContacts", "1.2")
    from gi.repository import EBookContacts
except (ImportError, ValueError):
    EBookContacts = None

# Share of each layout's contacts that must come out right in every field.
PASS_SHARE = 0.95


def clean(value):
    """The value as a card holds it: letters plain, line breaks as spaces,
    then only letters, digits, spaces, '@', '+' and '.' (and '-', '_' in a
    value with '@'; elsewhere a sign between two words is a space)."""
    value = " ".join(value.replace("\r\n", "\n").split("\n")).strip()
    value = "".join(CYRILLIC.get(ch, ch) for ch in value)
    plain = "".join(SPELLED.get(ch, ch) for ch in unicodedata.normalize("NFKD", value)
                    if not unicodedata.combining(ch))
    plain = space_signs(plain)
    keep = " @+." + ("-_" if "@" in plain else "")
    return "".join(ch for ch in plain if ch.isascii() and (ch.isalnum() or ch in keep))


def person(given="", family="", prefix="", suffix="", org="", job="", phones=(), emails=(), adr=(), full=""):
    return dict(given=given, family=family, prefix=prefix, suffix=suffix, org=org, job=job,
                phones=list(phones), emails=list(emails), adr=list(adr), full=full)


# Addresses: (type, street, street 2, city, region, postal code, country).
CZECH = [
    person("Jiří", "Dvořák", org="Stavby Brno, s.r.o.", job="Stavbyvedoucí",
           phones=[("CELL", "+420 777 123 456"), ("WORK", "+420 541 000 111")],
           emails=["jiri.dvorak@stavby-brno.cz"],
           adr=[("WORK", "Křenová 12", "2. patro", "Brno", "Jihomoravský", "602 00", "Česko")]),
    person("Přemysl", "Ondříček", prefix="Ing.", suffix="Ph.D.", org="VUT v Brně",
           phones=[("CELL", "603 222 333")], emails=["premysl_ondricek@vut.cz"]),
    person("Anna Marie", "Nováková", phones=[("HOME", "+420 222 111 000")], emails=["anna.novakova@seznam.cz"],
           adr=[("HOME", "Dlouhá 5, byt 3", "", "Praha 1", "", "110 00", "Česko")]),
    person("Šárka", "Černá", prefix="Mgr.", emails=["sarka-cerna@email.cz", "cerna@skola.cz"]),
    person(org="Pekárna U Zlatého klasu", phones=[("WORK", "+420 499 555 666"), ("FAX", "+420 499 555 667")],
           emails=["objednavky@pekarna-klas.cz"]),
    person(emails=["info_desk@firma-x.cz"]),
    person("Ondřej", "Růžička", org="Ruzicka a syn", job="Jednatel", phones=[("WORK", "+420 606 707 808")]),
    person("Věra", "Šťastná", prefix="MUDr.", phones=[("CELL", "+420 731 000 222")],
           adr=[("WORK", "Nemocniční 1", "pavilon B", "Ostrava", "Moravskoslezský", "708 52", "Česko")]),
    person("Karel", "Procházka", prefix="prof. Ing.", suffix="CSc.", org="ČVUT v Praze", job="Děkan",
           phones=[("WORK", "+420 224 353 111"), ("VOICE", "+420 224 000 999")], emails=["karel.prochazka@cvut.cz"],
           adr=[("WORK", "Jugoslávských partyzánů 1580/3", "", "Praha 6", "", "160 00", "Česko")]),
]
SLOVAK = [
    person("Ľubomír", "Kováč", prefix="Ing.", suffix="PhD.", org="Tatry Invest, a.s.",
           phones=[("CELL", "+421 905 123 456")], emails=["lubomir.kovac@tatry-invest.sk"]),
    person("Zuzana", "Hrušovská", phones=[("HOME", "+421 2 4444 5555")], emails=["zuzka_h@azet.sk"],
           adr=[("HOME", "Obchodná 7", "", "Bratislava", "Bratislavský", "811 06", "Slovensko")]),
    person("Ján", "Mäsiar", prefix="Mgr.", emails=["jan.masiar@gov.sk"]),
    person("Mária", "Nováková-Tóthová", phones=[("CELL", "0905 111 222")], emails=["maria.tothova@gmail.com"]),
]
POLISH = [
    person("Łukasz", "Wąsowski", org="Budimex S.A.", job="Kierownik", phones=[("CELL", "+48 600 100 200")],
           emails=["lukasz.wasowski@budimex.pl", "l.w@gmail.com"],
           adr=[("WORK", "ul. Siedmiogrodzka 9", "lok. 4", "Warszawa", "mazowieckie", "01-204", "Polska")]),
    person("Małgorzata", "Ślęczka", emails=["gosia-s@wp.pl"],
           adr=[("HOME", "ul. Długa 5, m. 3", "", "Kraków", "małopolskie", "30-001", "Polska")]),
    person("Grzegorz", "Brzęczyszczykiewicz", phones=[("HOME", "+48 12 345 67 89")]),
    person("Zofia", "Żółkiewska", org="Uniwersytet Jagielloński", phones=[("WORK", "+48 12 663 11 00")],
           emails=["zofia.zolkiewska@uj.edu.pl"]),
]
HUNGARIAN = [
    person("János", "Kovács", org="Magyar Posta Zrt.", phones=[("WORK", "+36 1 234 5678")],
           emails=["kovacs.janos@posta.hu"]),
    person("Éva", "Szőke", prefix="dr.", phones=[("CELL", "+36 30 123 4567")], emails=["szoke_eva@freemail.hu"],
           adr=[("HOME", "Fő utca 12, 3. em.", "", "Budapest", "", "1011", "Magyarország")]),
    person("Ödön", "Nagy", emails=["nagy.odon@gmail.com"]),
    person("Gábor", "Tóth", org="OTP Bank", job="Fiókvezető",
           phones=[("WORK", "+36 1 473 5000"), ("CELL", "+36 20 555 1234")], emails=["toth.gabor@otpbank.hu"],
           adr=[("WORK", "Nádor utca 16", "", "Budapest", "", "1051", "Magyarország")]),
]
GERMAN = [
    person("Michèle", "Müller", prefix="Frau", org="Groß & Söhne GmbH", job="Leiterin Einkauf",
           phones=[("WORK", "+43 1 234 567"), ("CELL", "+43 660 111 222")], emails=["michele_mueller@gross-soehne.at"],
           adr=[("WORK", "Hauptstraße 5", "Hinterhaus", "Wien", "Wien", "1010", "Österreich")]),
    person("Jürgen", "Groß", prefix="Herr", suffix="MBA", phones=[("HOME", "+49 30 123456")],
           emails=["j.gross@web.de"]),
    person("Françoise", "Weiß", emails=["f.weiss@t-online.de"]),
    person("Lukas", "Schröder", org="Schröder & Partner", phones=[("FAX", "+49 89 1234 99")],
           emails=["l.schroeder@schroeder-partner.de"],
           adr=[("HOME", "Am Markt 3", "Wohnung 7", "München", "Bayern", "80331", "Deutschland")]),
]
EVERYONE = CZECH + SLOVAK + POLISH + HUNGARIAN + GERMAN


def street(a):
    return a[1] + (", " + a[2] if a[2] else "")


def display(p, full_column):
    """The card's FN: the full name as the export writes it, else given and
    family name, else the organisation, else the e-mail."""
    if full_column and p["full"]:
        return p["full"]
    names = " ".join(x for x in (p["given"], p["family"]) if x)
    return names or p["org"] or (p["emails"][0] if p["emails"] else "")


def expected(p, full_column=False, job=True, prefix=True, suffix=True, adr=True, phones=True, org=True,
             emails=99, adr_type=True):
    """What the card of `p` must hold, where the layout carries each field."""
    return dict(
        fn=clean(display(p, full_column)), given=clean(p["given"]), family=clean(p["family"]),
        prefix=clean(p["prefix"]) if prefix else "", suffix=clean(p["suffix"]) if suffix else "",
        org=clean(p["org"]) if org else "", title=clean(p["job"]) if job else "",
        tels=sorted((t, clean(n)) for t, n in p["phones"]) if phones else [],
        emails=sorted(clean(m) for m in p["emails"][:emails]),
        adrs=sorted((a[0] if adr_type else "POSTAL", clean(street(a)), clean(a[3]), clean(a[4]), clean(a[5]),
                     clean(a[6])) for a in p["adr"]) if adr else [])


def csv_text(rows, separator=",", quote_all=False, line_end="\r\n"):
    def field(value):
        if quote_all or any(ch in value for ch in (separator, '"', "\n", "\r")):
            return '"' + value.replace('"', '""') + '"'
        return value
    return "".join(separator.join(field(v) for v in row) + line_end for row in rows)


def fill(header, values):
    """One row of `header`, with `values` (a dict by header) and the rest empty."""
    missing = set(values) - set(header)
    assert not missing, missing
    return [values.get(h, "") for h in header]


def place_phones(p, columns):
    """Puts the phones of `p` into `columns` ({type: [header, ...]}); returns the
    values by header and the (type, number) pairs the card must hold. A phone
    of a type the layout has no column for goes into its 'VOICE' column."""
    values, tels, free = {}, [], {t: list(c) for t, c in columns.items()}
    for kind, number in p["phones"]:
        kind_used = kind if free.get(kind) else "VOICE"
        if not free.get(kind_used):
            continue
        values[free[kind_used].pop(0)] = number
        tels.append((kind_used, clean(number)))
    return values, sorted(tels)


def place_address(p, columns, joined=False):
    """Puts the addresses of `p` into `columns` ({type: (street, street 2, city,
    region, code, country)}); a layout with one street column gets both lines."""
    values, adrs = {}, []
    for a in p["adr"]:
        kind = a[0] if a[0] in columns else next(iter(columns))
        names = columns[kind]
        parts = [street(a) if joined or not names[1] else a[1], a[2], a[3], a[4], a[5], a[6]]
        for name, value in zip(names, parts):
            if name and value:
                values[name] = value
        shown = [clean(v) if n else "" for n, v in zip(names[2:], parts[2:])]
        adrs.append(tuple([kind if kind != "ANY" else "POSTAL", clean(street(a))] + shown))
    return values, sorted(adrs)


def outlook(people, header, names, phones, addresses, emails, extra, encoding, family_first=False):
    """An Outlook export: every field quoted, as Outlook writes them."""
    rows, want = [header], []
    for p in people:
        values = {names[k]: p[k] for k in ("prefix", "given", "family", "suffix", "org", "job") if p[k]}
        tel_values, tels = place_phones(p, phones)
        adr_values, adrs = place_address(p, addresses)
        values.update(tel_values)
        values.update(adr_values)
        for (address, kind, shown), mail in zip(emails, p["emails"]):
            values.update({address: mail, kind: "SMTP", shown: f"{p['given']} {p['family']} ({mail})".strip()})
        values.update(extra)
        rows.append(fill(header, values))
        e = expected(p)
        if family_first and p["given"] and p["family"]:
            e["fn"] = clean(p["family"] + " " + p["given"])
        e.update(tels=tels, adrs=adrs, emails=sorted(clean(m) for m in p["emails"][:len(emails)]))
        want.append(e)
    return csv_text(rows, ",", True), encoding, want


def outlook_english():
    h = ("Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,Business Street,"
         "Business Street 2,Business Street 3,Business City,Business State,Business Postal Code,"
         "Business Country/Region,Home Street,Home Street 2,Home Street 3,Home City,Home State,Home Postal Code,"
         "Home Country/Region,Other Street,Other Street 2,Other Street 3,Other City,Other State,Other Postal Code,"
         "Other Country/Region,Assistant's Phone,Business Fax,Business Phone,Business Phone 2,Callback,Car Phone,"
         "Company Main Phone,Home Fax,Home Phone,Home Phone 2,ISDN,Mobile Phone,Other Fax,Other Phone,Pager,"
         "Primary Phone,Radio Phone,TTY/TDD Phone,Telex,Account,Anniversary,Assistant's Name,Billing Information,"
         "Birthday,Business Address PO Box,Categories,Children,Directory Server,E-mail Address,E-mail Type,"
         "E-mail Display Name,E-mail 2 Address,E-mail 2 Type,E-mail 2 Display Name,E-mail 3 Address,E-mail 3 Type,"
         "E-mail 3 Display Name,Gender,Government ID Number,Hobby,Home Address PO Box,Initials,Internet Free Busy,"
         "Keywords,Language,Location,Manager's Name,Mileage,Notes,Office Location,Organizational ID Number,"
         "Other Address PO Box,Priority,Private,Profession,Referred By,Sensitivity,Spouse,User 1,User 2,User 3,"
         "User 4,Web Page").split(",")
    names = dict(prefix="Title", given="First Name", family="Last Name", suffix="Suffix", org="Company", job="Job Title")
    phones = {"WORK": ["Business Phone", "Business Phone 2"], "HOME": ["Home Phone"], "CELL": ["Mobile Phone"],
              "FAX": ["Business Fax"], "VOICE": ["Other Phone"]}
    addresses = {"WORK": ("Business Street", "Business Street 2", "Business City", "Business State",
                          "Business Postal Code", "Business Country/Region"),
                 "HOME": ("Home Street", "Home Street 2", "Home City", "Home State", "Home Postal Code",
                          "Home Country/Region")}
    emails = [("E-mail Address", "E-mail Type", "E-mail Display Name"),
              ("E-mail 2 Address", "E-mail 2 Type", "E-mail 2 Display Name")]
    extra = {"Gender": "Unspecified", "Priority": "Normal", "Private": "False", "Sensitivity": "Normal"}
    return outlook(CZECH + HUNGARIAN[:1], h, names, phones, addresses, emails, extra, "cp1250")


def outlook_german():
    h = ("Anrede,Vorname,Weitere Vornamen,Nachname,Suffix,Firma,Abteilung,Position,Straße geschäftlich,"
         "Straße geschäftlich 2,Straße geschäftlich 3,Ort geschäftlich,Region geschäftlich,"
         "Postleitzahl geschäftlich,Land/Region geschäftlich,Straße privat,Straße privat 2,Straße privat 3,"
         "Ort privat,Bundesland/Kanton privat,Postleitzahl privat,Land/Region privat,Weitere Straße,Weiterer Ort,"
         "Weiteres/r Bundesland/Kanton,Weitere Postleitzahl,Weiteres/r Land/Region,Telefon Assistent,"
         "Fax geschäftlich,Telefon geschäftlich,Telefon geschäftlich 2,Rückmeldung,Autotelefon,Telefon Firma,"
         "Fax privat,Telefon privat,Telefon privat 2,ISDN,Mobiltelefon,Weiteres Fax,Weiteres Telefon,Pager,"
         "Haupttelefon,Mobiltelefon 2,Telefon für Hörbehinderte,Telex,Abrechnungsinformation,Benutzer 1,"
         "Benutzer 2,Büro,E-Mail-Adresse,E-Mail-Typ,E-Mail: Angezeigter Name,E-Mail 2: Adresse,E-Mail 2: Typ,"
         "E-Mail 2: Angezeigter Name,Geburtstag,Geschlecht,Initialen,Kategorien,Notizen,Priorität,Privat,"
         "Vertraulichkeit,Webseite").split(",")
    names = dict(prefix="Anrede", given="Vorname", family="Nachname", suffix="Suffix", org="Firma", job="Position")
    phones = {"WORK": ["Telefon geschäftlich", "Telefon geschäftlich 2"], "HOME": ["Telefon privat"],
              "CELL": ["Mobiltelefon"], "FAX": ["Fax geschäftlich"], "VOICE": ["Weiteres Telefon"]}
    addresses = {"WORK": ("Straße geschäftlich", "Straße geschäftlich 2", "Ort geschäftlich", "Region geschäftlich",
                          "Postleitzahl geschäftlich", "Land/Region geschäftlich"),
                 "HOME": ("Straße privat", "Straße privat 2", "Ort privat", "Bundesland/Kanton privat",
                          "Postleitzahl privat", "Land/Region privat")}
    emails = [("E-Mail-Adresse", "E-Mail-Typ", "E-Mail: Angezeigter Name"),
              ("E-Mail 2: Adresse", "E-Mail 2: Typ", "E-Mail 2: Angezeigter Name")]
    extra = {"Geschlecht": "Unbestimmt", "Priorität": "Normal", "Privat": "Aus", "Vertraulichkeit": "Normal"}
    return outlook(GERMAN + CZECH[4:6], h, names, phones, addresses, emails, extra, "cp1252")


def outlook_czech():
    h = ("Oslovení,Křestní jméno,Druhé jméno,Příjmení,Přípona,Společnost,Oddělení,Funkce,Ulice v zaměstnání,"
         "Ulice 2 v zaměstnání,Ulice 3 v zaměstnání,Město v zaměstnání,Kraj v zaměstnání,PSČ v zaměstnání,"
         "Země nebo oblast v zaměstnání,Ulice (domů),Ulice 2 (domů),Město (domů),Kraj (domů),PSČ (domů),"
         "Země nebo oblast (domů),Telefon asistenta,Fax do zaměstnání,Telefon do zaměstnání,"
         "Telefon 2 do zaměstnání,Fax domů,Telefon domů,Mobilní telefon,Jiný telefon,Pager,Hlavní telefon,"
         "E-mailová adresa,Typ e-mailu,Zobrazované jméno e-mailu,E-mailová adresa 2,Typ e-mailu 2,"
         "Zobrazované jméno e-mailu 2,Narozeniny,Pohlaví,Iniciály,Kategorie,Poznámky,Priorita,Soukromé,"
         "Citlivost,Webová stránka").split(",")
    names = dict(prefix="Oslovení", given="Křestní jméno", family="Příjmení", suffix="Přípona", org="Společnost",
                 job="Funkce")
    phones = {"WORK": ["Telefon do zaměstnání", "Telefon 2 do zaměstnání"], "HOME": ["Telefon domů"],
              "CELL": ["Mobilní telefon"], "FAX": ["Fax do zaměstnání"], "VOICE": ["Jiný telefon"]}
    addresses = {"WORK": ("Ulice v zaměstnání", "Ulice 2 v zaměstnání", "Město v zaměstnání", "Kraj v zaměstnání",
                          "PSČ v zaměstnání", "Země nebo oblast v zaměstnání"),
                 "HOME": ("Ulice (domů)", "Ulice 2 (domů)", "Město (domů)", "Kraj (domů)", "PSČ (domů)",
                          "Země nebo oblast (domů)")}
    emails = [("E-mailová adresa", "Typ e-mailu", "Zobrazované jméno e-mailu"),
              ("E-mailová adresa 2", "Typ e-mailu 2", "Zobrazované jméno e-mailu 2")]
    extra = {"Pohlaví": "Neurčeno", "Priorita": "Normální", "Soukromé": "Nepravda", "Citlivost": "Normální"}
    return outlook(CZECH + SLOVAK[:1], h, names, phones, addresses, emails, extra, "cp1250")


def outlook_slovak():
    h = ("Oslovenie,Meno,Stredné meno,Priezvisko,Prípona,Spoločnosť,Oddelenie,Funkcia,Ulica (práca),"
         "Ulica 2 (práca),Mesto (práca),Kraj (práca),PSČ (práca),Krajina (práca),Ulica (domov),Ulica 2 (domov),"
         "Mesto (domov),Kraj (domov),PSČ (domov),Krajina (domov),Fax (práca),Telefón (práca),Telefón 2 (práca),"
         "Fax (domov),Telefón (domov),Mobilný telefón,Iný telefón,Pager,E-mailová adresa,Typ e-mailu,"
         "Zobrazované meno e-mailu,E-mailová adresa 2,Typ e-mailu 2,Zobrazované meno e-mailu 2,Narodeniny,"
         "Pohlavie,Kategórie,Poznámky,Priorita,Súkromné,Citlivosť").split(",")
    names = dict(prefix="Oslovenie", given="Meno", family="Priezvisko", suffix="Prípona", org="Spoločnosť",
                 job="Funkcia")
    phones = {"WORK": ["Telefón (práca)", "Telefón 2 (práca)"], "HOME": ["Telefón (domov)"],
              "CELL": ["Mobilný telefón"], "FAX": ["Fax (práca)"], "VOICE": ["Iný telefón"]}
    addresses = {"WORK": ("Ulica (práca)", "Ulica 2 (práca)", "Mesto (práca)", "Kraj (práca)", "PSČ (práca)",
                          "Krajina (práca)"),
                 "HOME": ("Ulica (domov)", "Ulica 2 (domov)", "Mesto (domov)", "Kraj (domov)", "PSČ (domov)",
                          "Krajina (domov)")}
    emails = [("E-mailová adresa", "Typ e-mailu", "Zobrazované meno e-mailu"),
              ("E-mailová adresa 2", "Typ e-mailu 2", "Zobrazované meno e-mailu 2")]
    extra = {"Priorita": "Normálna", "Súkromné": "Nepravda", "Citlivosť": "Normálna"}
    return outlook(SLOVAK + CZECH[:6], h, names, phones, addresses, emails, extra, "cp1250")


def outlook_polish():
    h = ("Tytuł,Imię,Drugie imię,Nazwisko,Sufiks,Firma,Dział,Stanowisko,Adres służbowy - ulica,"
         "Adres służbowy - ulica 2,Adres służbowy - miejscowość,Adres służbowy - województwo,"
         "Adres służbowy - kod pocztowy,Adres służbowy - kraj/region,Adres domowy - ulica,Adres domowy - ulica 2,"
         "Adres domowy - miejscowość,Adres domowy - województwo,Adres domowy - kod pocztowy,"
         "Adres domowy - kraj/region,Faks służbowy,Telefon służbowy,Telefon służbowy 2,Faks domowy,Telefon domowy,"
         "Telefon komórkowy,Inny telefon,Pager,Adres e-mail,Typ e-mail,Nazwa wyświetlana e-mail,Adres e-mail 2,"
         "Typ e-mail 2,Nazwa wyświetlana e-mail 2,Urodziny,Płeć,Kategorie,Notatki,Priorytet,Prywatne,"
         "Poufność").split(",")
    names = dict(prefix="Tytuł", given="Imię", family="Nazwisko", suffix="Sufiks", org="Firma", job="Stanowisko")
    phones = {"WORK": ["Telefon służbowy", "Telefon służbowy 2"], "HOME": ["Telefon domowy"],
              "CELL": ["Telefon komórkowy"], "FAX": ["Faks służbowy"], "VOICE": ["Inny telefon"]}
    addresses = {"WORK": ("Adres służbowy - ulica", "Adres służbowy - ulica 2", "Adres służbowy - miejscowość",
                          "Adres służbowy - województwo", "Adres służbowy - kod pocztowy",
                          "Adres służbowy - kraj/region"),
                 "HOME": ("Adres domowy - ulica", "Adres domowy - ulica 2", "Adres domowy - miejscowość",
                          "Adres domowy - województwo", "Adres domowy - kod pocztowy", "Adres domowy - kraj/region")}
    emails = [("Adres e-mail", "Typ e-mail", "Nazwa wyświetlana e-mail"),
              ("Adres e-mail 2", "Typ e-mail 2", "Nazwa wyświetlana e-mail 2")]
    extra = {"Płeć": "Nieokreślona", "Priorytet": "Normalny", "Prywatne": "Fałsz", "Poufność": "Normalna"}
    return outlook(POLISH + CZECH[4:8], h, names, phones, addresses, emails, extra, "cp1250")


def outlook_hungarian():
    h = ("Megszólítás,Utónév,További utónevek,Vezetéknév,Utótag,Cég,Részleg,Beosztás,Munkahelyi cím utca,"
         "Munkahelyi cím 2. utca,Munkahelyi cím város,Munkahelyi cím megye,Munkahelyi cím irányítószám,"
         "Munkahelyi cím ország/régió,Otthoni cím utca,Otthoni cím 2. utca,Otthoni cím város,Otthoni cím megye,"
         "Otthoni cím irányítószám,Otthoni cím ország/régió,Munkahelyi fax,Munkahelyi telefon,"
         "Munkahelyi telefon 2,Otthoni fax,Otthoni telefon,Mobiltelefon,Egyéb telefon,Személyhívó,"
         "Elektronikus levélcím,Elektronikus levél típusa,Elektronikus levél megjelenítendő neve,"
         "Elektronikus levél 2 címe,Elektronikus levél 2 típusa,Elektronikus levél 2 megjelenítendő neve,"
         "Születésnap,Nem,Kategóriák,Jegyzetek,Prioritás,Magánjellegű").split(",")
    names = dict(prefix="Megszólítás", given="Utónév", family="Vezetéknév", suffix="Utótag", org="Cég", job="Beosztás")
    phones = {"WORK": ["Munkahelyi telefon", "Munkahelyi telefon 2"], "HOME": ["Otthoni telefon"],
              "CELL": ["Mobiltelefon"], "FAX": ["Munkahelyi fax"], "VOICE": ["Egyéb telefon"]}
    addresses = {"WORK": ("Munkahelyi cím utca", "Munkahelyi cím 2. utca", "Munkahelyi cím város",
                          "Munkahelyi cím megye", "Munkahelyi cím irányítószám", "Munkahelyi cím ország/régió"),
                 "HOME": ("Otthoni cím utca", "Otthoni cím 2. utca", "Otthoni cím város", "Otthoni cím megye",
                          "Otthoni cím irányítószám", "Otthoni cím ország/régió")}
    emails = [("Elektronikus levélcím", "Elektronikus levél típusa", "Elektronikus levél megjelenítendő neve"),
              ("Elektronikus levél 2 címe", "Elektronikus levél 2 típusa",
               "Elektronikus levél 2 megjelenítendő neve")]
    extra = {"Nem": "Nem meghatározott", "Prioritás": "Normál", "Magánjellegű": "Hamis"}
    return outlook(HUNGARIAN + CZECH[4:6], h, names, phones, addresses, emails, extra, "cp1250", family_first=True)


GOOGLE_LABELS = {"CELL": "Mobile", "WORK": "Work", "HOME": "Home", "FAX": "Work Fax", "VOICE": "Other"}


def google_fields(p, number_label):
    """Google's numbered fields for `p`: phones of one label in one ' ::: '
    list, every e-mail in the first list, each address with its lines."""
    values, kinds = {}, []
    for kind, _ in p["phones"]:
        if kind not in kinds:
            kinds.append(kind)
    for k, kind in enumerate(kinds, 1):
        values[f"Phone {k} - {number_label}"] = ("* " if k == 1 else "") + GOOGLE_LABELS[kind]
        values[f"Phone {k} - Value"] = " ::: ".join(n for t, n in p["phones"] if t == kind)
    if p["emails"]:
        values[f"E-mail 1 - {number_label}"] = "* Other"
        values["E-mail 1 - Value"] = " ::: ".join(p["emails"])
    for k, a in enumerate(p["adr"], 1):
        lines = a[1] + ("\n" + a[2] if a[2] else "")
        values.update({f"Address {k} - {number_label}": a[0].title(), f"Address {k} - Street": lines,
                       f"Address {k} - City": a[3], f"Address {k} - Region": a[4],
                       f"Address {k} - Postal Code": a[5], f"Address {k} - Country": a[6],
                       f"Address {k} - Formatted": "\n".join(x for x in (lines, a[5] + " " + a[3], a[6]) if x.strip())})
    return values


def numbered(stem, count, parts):
    return [f"{stem} {k} - {part}" for k in range(1, count + 1) for part in parts]


def google_current():
    h = ["First Name", "Middle Name", "Last Name", "Phonetic First Name", "Phonetic Middle Name", "Phonetic Last Name",
         "Name Prefix", "Name Suffix", "Nickname", "File As", "Organization Name", "Organization Title",
         "Organization Department", "Birthday", "Notes", "Photo", "Labels"] + \
        numbered("E-mail", 2, ["Label", "Value"]) + numbered("Phone", 3, ["Label", "Value"]) + \
        numbered("Address", 1, ["Label", "Formatted", "Street", "City", "PO Box", "Region", "Postal Code", "Country",
                                "Extended Address"]) + numbered("Website", 1, ["Label", "Value"])
    rows, want = [h], []
    for p in CZECH + POLISH:
        values = {"First Name": p["given"], "Last Name": p["family"], "Name Prefix": p["prefix"],
                  "Name Suffix": p["suffix"], "Organization Name": p["org"], "Organization Title": p["job"],
                  "Labels": "* myContacts ::: Práce", "Notes": "Potkali jsme se 😀 v Brně"}
        values.update(google_fields(p, "Label"))
        rows.append(fill(h, values))
        want.append(expected(p))
    return csv_text(rows), "utf-8", want


def google_legacy():
    h = ["Name", "Given Name", "Additional Name", "Family Name", "Yomi Name", "Given Name Yomi",
         "Additional Name Yomi", "Family Name Yomi", "Name Prefix", "Name Suffix", "Initials", "Nickname",
         "Short Name", "Maiden Name", "Birthday", "Gender", "Location", "Billing Information", "Directory Server",
         "Mileage", "Occupation", "Hobby", "Sensitivity", "Priority", "Subject", "Notes", "Language", "Photo",
         "Group Membership"] + numbered("E-mail", 2, ["Type", "Value"]) + numbered("Phone", 3, ["Type", "Value"]) + \
        numbered("Address", 1, ["Type", "Formatted", "Street", "City", "PO Box", "Region", "Postal Code", "Country",
                                "Extended Address"]) + \
        numbered("Organization", 1, ["Type", "Name", "Yomi Name", "Title", "Department", "Symbol", "Location",
                                     "Job Description"]) + numbered("Website", 1, ["Type", "Value"])
    rows, want = [h], []
    for p in SLOVAK + HUNGARIAN + CZECH[:6]:
        p = dict(p, full=" ".join(x for x in (p["prefix"], p["given"], p["family"], p["suffix"]) if x))
        values = {"Name": p["full"], "Given Name": p["given"], "Family Name": p["family"], "Name Prefix": p["prefix"],
                  "Name Suffix": p["suffix"], "Organization 1 - Name": p["org"], "Organization 1 - Title": p["job"],
                  "Group Membership": "* myContacts"}
        values.update(google_fields(p, "Type"))
        rows.append(fill(h, values))
        want.append(expected(p, full_column=True))
    return csv_text(rows), "utf-8", want


def thunderbird():
    h = ("First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,"
         "Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home State,"
         "Home ZipCode,Home Country,Work Address,Work Address 2,Work City,Work State,Work ZipCode,Work Country,"
         "Job Title,Department,Organization,Web Page 1,Web Page 2,Birth Year,Birth Month,Birth Day,Custom 1,"
         "Custom 2,Custom 3,Custom 4,Notes,").split(",")
    phones = {"WORK": ["Work Phone"], "HOME": ["Home Phone"], "FAX": ["Fax Number"], "CELL": ["Mobile Number"]}
    addresses = {"HOME": ("Home Address", "Home Address 2", "Home City", "Home State", "Home ZipCode", "Home Country"),
                 "WORK": ("Work Address", "Work Address 2", "Work City", "Work State", "Work ZipCode", "Work Country")}
    rows, want = [h], []
    for p in CZECH + GERMAN:
        p = dict(p, full=" ".join(x for x in (p["given"], p["family"]) if x))
        values = {"First Name": p["given"], "Last Name": p["family"], "Display Name": p["full"],
                  "Job Title": p["job"], "Organization": p["org"]}
        values.update(zip(["Primary Email", "Secondary Email"], p["emails"]))
        tel_values, tels = place_phones(p, phones)
        adr_values, adrs = place_address(p, addresses)
        values.update(tel_values)
        values.update(adr_values)
        rows.append(fill(h, values))
        e = expected(p, full_column=True, prefix=False, suffix=False)
        e.update(tels=tels, adrs=adrs)
        want.append(e)
    return csv_text(rows), "utf-8", want


def linkedin():
    h = ["First Name", "Last Name", "URL", "Email Address", "Company", "Position", "Connected On"]
    rows, want = [h], []
    for k, p in enumerate(x for x in CZECH + SLOVAK + POLISH if x["given"]):
        mail = p["emails"][0] if p["emails"] and k % 2 == 0 else ""
        rows.append([p["given"], p["family"], f"https://www.linkedin.com/in/user-{k}", mail, p["org"], p["job"],
                     "12 Mar 2024"])
        e = expected(dict(p, emails=[mail] if mail else []), prefix=False, suffix=False, phones=False, adr=False)
        want.append(e)
    preamble = ('Notes:\r\n"When exporting your connection data, you may notice that some of the email addresses '
                'are missing. You will only see email addresses for connections who have allowed their connections '
                'to see or download their email address using this setting '
                'https://www.linkedin.com/psettings/privacy/email. You can learn more about email visibility here '
                'https://www.linkedin.com/help/linkedin/answer/261"\r\n\r\n')
    return preamble + csv_text(rows, line_end="\n"), "utf-8", want


def yahoo():
    h = ("First,Middle,Last,Nickname,Email,Category,Distribution Lists,Messenger ID,Home,Work,Pager,Fax,Mobile,"
         "Other,Yahoo Phone,Primary,Alternate Email 1,Alternate Email 2,Personal Website,Business Website,Title,"
         "Company,Work Address,Work City,Work State,Work ZIP,Work Country,Home Address,Home City,Home State,"
         "Home ZIP,Home Country,Birthday,Anniversary,Custom 1,Custom 2,Custom 3,Custom 4,Comments").split(",")
    phones = {"HOME": ["Home"], "WORK": ["Work"], "FAX": ["Fax"], "CELL": ["Mobile"], "VOICE": ["Other"]}
    addresses = {"WORK": ("Work Address", "", "Work City", "Work State", "Work ZIP", "Work Country"),
                 "HOME": ("Home Address", "", "Home City", "Home State", "Home ZIP", "Home Country")}
    rows, want = [h], []
    for p in POLISH + HUNGARIAN + GERMAN + CZECH[4:6]:
        values = {"First": p["given"], "Last": p["family"], "Title": p["job"], "Company": p["org"]}
        values.update(zip(["Email", "Alternate Email 1"], p["emails"]))
        tel_values, tels = place_phones(p, phones)
        adr_values, adrs = place_address(p, addresses)
        values.update(tel_values)
        values.update(adr_values)
        rows.append(fill(h, values))
        e = expected(p, prefix=False, suffix=False)
        e.update(tels=tels, adrs=adrs)
        want.append(e)
    return csv_text(rows), "utf-8", want


def sheet(people, header, names, phones, address, encoding, separator, name_of=None, bom="",
          family_first=False):
    """A spreadsheet saved as text: national headers, one row per contact;
    `name_of` writes the whole name into one column."""
    rows, want = [header], []
    for p in people:
        values = {names[k]: p[k] for k in names if k not in ("emails", "full") and p[k]}
        e = expected(p, prefix="prefix" in names or name_of is not None, suffix=name_of is not None,
                     job="job" in names)
        if name_of:
            written, fn = name_of(p)
            if written:
                values[names["full"]] = written
            e["fn"] = clean(fn)
        elif family_first and p["given"] and p["family"]:
            e["fn"] = clean(p["family"] + " " + p["given"])
        values.update(zip(names.get("emails", []), p["emails"]))
        e["emails"] = sorted(clean(m) for m in p["emails"][:len(names.get("emails", []))])
        tel_values, e["tels"] = place_phones(p, phones)
        adr_values, e["adrs"] = place_address(p, {"ANY": address}, joined=True)
        values.update(tel_values)
        values.update(adr_values)
        rows.append(fill(header, values))
        want.append(e)
    return bom + csv_text(rows, separator), encoding, want


def hungarian_sheet():
    """Excel's "Unicode text": UTF-16 with tabs; the whole name in one column, family name first."""
    h = ["Név", "Cég", "Telefon", "Mobil", "E-mail cím", "Cím", "Város", "Irányítószám", "Ország"]
    names = {"full": "Név", "org": "Cég", "emails": ["E-mail cím"]}

    def name_of(p):
        written = " ".join(x for x in (p["prefix"], p["family"], p["given"]) if x)
        return written, written or p["org"] or (p["emails"][0] if p["emails"] else "")
    return sheet(HUNGARIAN + CZECH[4:6], h, names, {"CELL": ["Mobil"], "VOICE": ["Telefon"]},
                 ("Cím", "", "Város", "", "Irányítószám", "Ország"), "utf-16-le", "\t", name_of, "\ufeff")


def slovak_sheet():
    """Excel's "CSV UTF-8": a signature, ';', and one full-name column with titles."""
    h = ["Meno", "Firma", "Telefón", "E-mail", "Ulica", "Mesto", "PSČ", "Krajina"]
    names = {"full": "Meno", "org": "Firma", "emails": ["E-mail"]}
    novak = person("Jan", "Novák", emails=["jan.novak@centrum.sk"])

    def name_of(p):
        if p is novak:
            return "Novák, Jan", "Jan Novák"
        written = " ".join(x for x in (p["prefix"], p["given"], p["family"]) if x)
        written += (", " + p["suffix"]) if p["suffix"] else ""
        return written, written or p["org"] or (p["emails"][0] if p["emails"] else "")
    return sheet(SLOVAK + CZECH[:6] + [novak], h, names, {"VOICE": ["Telefón"]},
                 ("Ulica", "", "Mesto", "", "PSČ", "Krajina"), "utf-8", ";", name_of, "\ufeff")


def polish_sheet():
    """LibreOffice Calc in code page 1250: 'Kraj' is the country."""
    h = ["Imię", "Nazwisko", "Firma", "Stanowisko", "Telefon", "Telefon komórkowy", "E-mail", "Ulica", "Miasto",
         "Województwo", "Kod pocztowy", "Kraj"]
    names = {"given": "Imię", "family": "Nazwisko", "org": "Firma", "job": "Stanowisko", "emails": ["E-mail"]}
    return sheet(POLISH + CZECH[4:6], h, names, {"CELL": ["Telefon komórkowy"], "VOICE": ["Telefon"]},
                 ("Ulica", "", "Miasto", "Województwo", "Kod pocztowy", "Kraj"), "cp1250", ",")


def czech_sheet():
    """A Czech spreadsheet saved as CSV: ';', code page 1250, and 'Kraj' is the region."""
    h = ["Titul", "Jméno", "Příjmení", "Firma", "Funkce", "Mobil", "Telefon", "E-mail", "E-mail 2", "Ulice", "Město",
         "PSČ", "Kraj", "Země"]
    names = {"prefix": "Titul", "given": "Jméno", "family": "Příjmení", "org": "Firma", "job": "Funkce",
             "emails": ["E-mail", "E-mail 2"]}
    return sheet(CZECH + SLOVAK, h, names, {"CELL": ["Mobil"], "VOICE": ["Telefon"]},
                 ("Ulice", "", "Město", "Kraj", "PSČ", "Země"), "cp1250", ";")


def german_sheet():
    """A German spreadsheet saved as CSV on Windows: ';' and code page 1252."""
    h = ["Anrede", "Vorname", "Nachname", "Firma", "Telefon", "Handy", "E-Mail", "Straße", "PLZ", "Ort", "Land"]
    names = {"prefix": "Anrede", "given": "Vorname", "family": "Nachname", "org": "Firma", "emails": ["E-Mail"]}
    return sheet(GERMAN + CZECH[4:6], h, names, {"CELL": ["Handy"], "VOICE": ["Telefon"]},
                 ("Straße", "", "Ort", "", "PLZ", "Land"), "cp1252", ";")


def by_vobject(text):
    """Each card's fields as python3-vobject reads them."""
    cards = []
    for card in vobject.readComponents(text):
        c = card.contents
        n = card.n.value if "n" in c else vobject.vcard.Name()
        org = c["org"][0].value if "org" in c else [""]
        tels = [(",".join(t.params.get("TYPE", [""])), t.value) for t in c.get("tel", []) if t.value]
        adrs = []
        for a in c.get("adr", []):
            v = a.value
            parts = [v.street, v.city, v.region, v.code, v.country]
            if any(parts):
                adrs.append(tuple([",".join(a.params.get("TYPE", [""]))] + parts))
        cards.append(dict(
            fn=c["fn"][0].value if "fn" in c else "", given=n.given, family=n.family, prefix=n.prefix,
            suffix=n.suffix, org=org[0] if org else "", title=c["title"][0].value if "title" in c else "",
            tels=sorted(tels), emails=sorted(e.value for e in c.get("email", []) if e.value), adrs=sorted(adrs)))
    return cards


def by_evolution(text):
    """Each card's fields as Evolution's parser reads them."""
    cards = []
    for chunk in text.split("END:VCARD")[:-1]:
        contact = EBookContacts.Contact.new_from_vcard(chunk.strip() + "\r\nEND:VCARD\r\n")
        attributes = {}
        for a in EBookContacts.VCard.get_attributes(contact):
            attributes.setdefault(a.get_name().upper(), []).append(a)

        def values(name):
            return [a.get_values() for a in attributes.get(name, [])]

        def kind(a):
            return ",".join(v for p in a.get_params() if p.get_name().upper() == "TYPE" for v in p.get_values())
        n = (values("N") or [[""] * 5])[0] + [""] * 5
        org = (values("ORG") or [[""]])[0]
        tels = [(kind(a), a.get_values()[0]) for a in attributes.get("TEL", []) if a.get_values()[0]]
        adrs = [tuple([kind(a)] + (a.get_values() + [""] * 7)[2:7]) for a in attributes.get("ADR", [])
                if any(a.get_values())]
        cards.append(dict(
            fn=contact.get_property("full-name") or "", given=n[1], family=n[0], prefix=n[3], suffix=n[4],
            org=org[0], title=(values("TITLE") or [[""]])[0][0],
            tels=sorted(tels), emails=sorted(v[0] for v in values("EMAIL") if v[0]), adrs=sorted(adrs)))
    return cards


LAYOUTS = {
    "Google Contacts": google_current, "Google Contacts (legacy)": google_legacy,
    "Outlook English": outlook_english, "Outlook German": outlook_german, "Outlook Czech": outlook_czech,
    "Outlook Slovak": outlook_slovak, "Outlook Polish": outlook_polish, "Outlook Hungarian": outlook_hungarian,
    "Thunderbird": thunderbird, "LinkedIn": linkedin, "Yahoo": yahoo,
    "Excel Unicode text (Hungarian)": hungarian_sheet, "Excel CSV UTF-8 (Slovak)": slovak_sheet,
    "LibreOffice cp1250 (Polish)": polish_sheet, "Czech sheet": czech_sheet, "German sheet (cp1252)": german_sheet,
}


def typed_by_card(w):
    """`w` with the type of an address or phone that no column types, as the
    card it is on gives it: a firm alone has a work address and line, a person
    alone a home address; a person at a firm keeps the neutral POSTAL."""
    person, firm = bool(w["given"] or w["family"]), bool(w["org"])
    kind = "WORK" if firm and not person else "HOME" if person and not firm else "POSTAL"
    adrs = sorted((kind if a[0] == "POSTAL" else a[0],) + tuple(a[1:]) for a in w["adrs"])
    tels = sorted(("WORK" if t == "VOICE" and firm and not person else t, n) for t, n in w["tels"])
    return dict(w, adrs=adrs, tels=tels)


def run_layout(name, make, prep, rowcard):
    """Returns the contacts right and the total for one layout, and what went wrong."""
    text, encoding, want = make()
    want = [typed_by_card(w) for w in want]
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "export.csv")
        with open(path, "wb") as out:
            out.write(text.encode(encoding))
        # One drop writes the cards, and rowcard-check finds nothing to say.
        run = subprocess.run([prep, path], capture_output=True, text=True)
        if run.returncode != 0:
            return 0, len(want), [f"rowcard-prep exited {run.returncode}: {run.stderr.strip()} {run.stdout}"]
        cards_path = os.path.join(folder, "cards.vcf")
        if f"Wrote {len(want)} cards from {len(want)} rows to {cards_path}." not in run.stdout:
            return 0, len(want), [f"no summary of {len(want)} cards in: {run.stdout}"]
        with open(cards_path, "rb") as cards:
            dropped = cards.read()
        run = subprocess.run([rowcard], cwd=folder, capture_output=True)
        if run.returncode != 0 or run.stdout or run.stderr:
            return 0, len(want), [f"rowcard exited {run.returncode}"]
        with open(cards_path, "rb") as cards:
            again = cards.read()
        if again != dropped:
            return 0, len(want), ["rowcard-prep's cards differ from rowcard's"]
        cards_text = again.decode("cp1250")
    readers = [("vobject", by_vobject)] + ([("Evolution", by_evolution)] if EBookContacts else [])
    wrong = set()
    failures = []
    for reader, read in readers:
        got = read(cards_text)
        if len(got) != len(want):
            return 0, len(want), [f"{reader}: {len(got)} cards for {len(want)} contacts"]
        for k, (g, w) in enumerate(zip(got, want)):
            if not g["fn"]:
                failures.append(f"{reader}: card {k + 1} has a blank FN")
            if g != w:
                wrong.add(k)
                diff = {f: (g[f], w[f]) for f in w if g[f] != w[f]}
                failures.append(f"{reader}: contact {k + 1}: got/want {diff}")
    right = len(want) - len(wrong)
    return right, len(want), failures


def main():
    prep, rowcard = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    status = 0
    for name, make in LAYOUTS.items():
        right, total, failures = run_layout(name, make, prep, rowcard)
        ok = right >= PASS_SHARE * total and not any("blank FN" in f or "cards for" in f for f in failures)
        print(f"{name}: {right}/{total} contacts right in every field" + ("" if ok else "  FAILED"))
        for failure in failures:
            print("   " + failure)
        status |= not ok
    if not EBookContacts:
        print("(Evolution's parser is not installed: read by python3-vobject alone)")
    return status


if __name__ == "__main__":
    sys.exit(main())
