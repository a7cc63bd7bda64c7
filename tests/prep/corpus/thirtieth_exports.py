"""Thirtieth held-out set: German, Czech, Polish and Hungarian sources (a time
tracker, a B2B shop, an accounting front end's address book, a sports club,
a football camp, an athletics start list, a coach's attendance report and a
garden firm's partner sheet). Each maker returns a dict as crm_exports.py's
do."""
from export_kit import ANY, card
from people import person
from thirtieth_headers import SOURCES
from thirtieth_people import (CLENOVE30, FLEXI30, MATOWNIK30, MATOWNIK_DATES30, OSG30, PARTNEREK30, PZLA30,
                              TABOR30, XPERT30)


def given_first(name):
    """'Stefanie Huber' as ('Stefanie', 'Huber'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def ymd(text, order):
    """A date cell as (year, month, day); `order` says where each part stands."""
    parts = [int(x) for x in text.replace(".", "-").split("-")]
    return tuple(parts[i] for i in order)


DMY, ISO = (2, 1, 0), (0, 1, 2)

# The customers under 'Kundenname' that are firms, a university, a practice or a utility: no person's name.
XPERT_BODIES = {"Brunner Maschinenbau GmbH", "Kovács Logistik KG", "Ostbayerische Technische Hochschule Regensburg",
                "Müller & Söhne Bau AG", "Praxis Dr. Lehner", "Szabó Reisen GmbH", "Weinhaus Pfeiffer e.K.",
                "Stadtwerke Kelheim"}


def xperttimer_kunden():
    """A Regensburg IT consultancy's customers for Xpert-Timer's import, as
    its manual writes the file: every value in double quotes, nothing
    between the ';' for an empty one; firms with a VAT id, a university, a
    practice and a utility by name alone, private customers by whole name
    (Czech and Polish ones among them), web pages with and without
    'https://', 'Land' blank for two, a customer in Salzburg; code page
    1252, CRLF."""
    s = SOURCES["xperttimer_kunden"]
    rows, want = [s["header"]], []
    for number, name, street, code, town, country, vat, phone, fax, mail, web, mobile in XPERT30:
        rows.append([number, name, street, code, town, country, vat, phone, fax, mail, web, mobile])
        # 'Kundenname' is a firm or body alone where it is one, else FN as written, its first word the given
        # name; 'Telefon' names no kind, 'Fax' is FAX, 'Mobiltelefonnummer' CELL; 'WWWAdresse' the web page; the
        # address untyped, a blank 'Land' stays blank; customer number and VAT id nobody's.
        emails = [mail] if mail else []
        if name in XPERT_BODIES:
            p, fn = person(org=name, emails=emails, url=web), None
        else:
            p, fn = person(*given_first(name), emails=emails, url=web), name
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax), ("CELL", mobile)) if n]
        want.append(card(p, fn=fn, tels=tels, adrs=[(None, street, town, "", code, country)], url=bool(web)))
    text = ";".join(rows[0]) + "\r\n" + "".join(";".join(f'"{v}"' if v else "" for v in row) + "\r\n"
                                                 for row in rows[1:])
    return dict(source="xperttimer_kunden", rows=rows, want=want, text=text)


def osgtrade_kunden():
    """A Nuremberg tool wholesaler's trade customers for OSG Trade's import:
    logins, a mailbox, given and family name and the firm for every one
    (Czech, Polish, Hungarian, Slovene and Turkish names among them), one
    firm's second line a branch ('Niederlassung Wien'), user levels 1 to 3;
    UTF-8, CRLF."""
    s = SOURCES["osgtrade_kunden"]
    rows, want = [s["header"]], []
    for login, mail, given, family, firm, firm2, firm3, level in OSG30:
        rows.append([login, mail, given, family, firm, firm2, firm3, level])
        # 'Vorname' and 'Nachname' are the person's, 'Firma' the organisation; 'Firma 2' here names a branch of
        # the firm, no part of the firm's name; login and level nobody's.
        want.append(card(person(given, family, org=firm, emails=[mail])))
    return dict(source="osgtrade_kunden", rows=rows, want=want)


def flexi_adresar():
    """A Brno accountant's address book from the Flexi front end: firms only
    (a bakery, a dentist, a farm, a Bratislava builder), company and VAT
    numbers (a sole trader's VAT number his birth number), postal codes with
    and without the blank, numbers with and without +420, two without a
    mailbox, one without a phone; nothing quoted, LF, no line end after the
    last row, no signature."""
    s = SOURCES["flexi_adresar"]
    rows, want = [s["header"]], []
    for name, ic, dic, street, town, code, mail, phone in FLEXI30:
        rows.append([name, ic, dic, street, town, code, mail, phone])
        # Every entry is a firm: the firm alone, 'Název' its name; 'Telefon' names no kind; the address untyped,
        # no country; IČ and DIČ nobody's.
        p = person(org=name, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, "")]))
    text = "\n".join(";".join(row) for row in rows)
    return dict(source="flexi_adresar", rows=rows, want=want, text=text)


def clenove_klubu():
    """A Brno floorball club's members from its administration app: ages as
    '27 let' or '--' for the invited, jersey numbers, positions on the court
    ('Útočník', 'Brankářka'), statuses, teams and roles joined by ', ',
    coaches and an administrator without a team or position; a signature,
    LF, no line end after the last row."""
    s = SOURCES["clenove_klubu"]
    rows, want = [s["header"]], []
    for given, family, mail, age, jersey, position, status, teams, roles in CLENOVE30:
        rows.append([given, family, mail, age, jersey, position, status, teams, roles])
        # 'Jméno' and 'Příjmení' are the member's names, 'Email' the mailbox; 'Pozice' is the place on the court
        # (a goalkeeper, a forward), no job title; age, jersey, status, teams and roles nobody's.
        want.append(card(person(given, family, emails=[mail])))
    text = ";".join(rows[0]) + "\n" + "\n".join(";".join(row) for row in rows[1:])
    return dict(source="clenove_klubu", rows=rows, want=want, text=text, bom=True)


def tabor_registrace():
    """A Zlín football camp's registrations: each row a parent with the
    child registered (the child's name, birth date 'd.m.Y', club, position
    and size), the family's address, Slovak, Polish and Hungarian families,
    numbers with and without the country code, notes on diets and pick-up,
    languages, consent 'Ano'/'Ne', registration times; a signature, LF."""
    s = SOURCES["tabor_registrace"]
    rows, want = [s["header"]], []
    for row in TABOR30:
        (given, family, mail, phone, _, _, _, _, _, _, street, town, code, country, *_rest) = row
        rows.append(list(row))
        # Each row is a registration and its card the parent's: 'Jméno rodiče' and 'Příjmení rodiče' the names,
        # 'Email' and 'Telefon' (no kind) the parent's, the address the family's, untyped, 'Země' the country as
        # written. The player has no card of its own: the player's name, birth date, club, position and size,
        # the variant, note, language, consent and time are nobody's.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)],
                         adrs=[(None, street, town, "", code, country)]))
    return dict(source="tabor_registrace", rows=rows, want=want, bom=True, line_end="\n")


def pzla_startlista():
    """A Kraków indoor meeting's 60 m start lists in the PZLA file: event
    codes and names, heats and lanes, start numbers, family names in
    capitals, ISO birth dates, clubs with voivodeship and licence, season
    bests (two in quotes), personal bests, federation licences, coaches;
    guests from Prague and Banská Bystrica without licences; every row
    closed by ';'; UTF-8, LF."""
    s = SOURCES["pzla_startlista"]
    rows, want = [s["header"]], []
    for (code, event, heat, lane, bib, family, given, born, club, region, club_licence, sb, pb, licence, number,
         coach) in PZLA30:
        season = "2026" if licence else ""
        rows.append(["58", "3" if code.startswith("K") else "4", code, event, "e", heat, lane, "", bib, family,
                     given, born, club, region, club_licence, "2026" if club_licence else "", "", "", "", sb, pb, "",
                     "", "", licence, season, number, "", "", "", "", "", " " if licence else "", "", "",
                     "2026-02-10 09:15:00", coach, ""])
        # Each row is an athlete's entry: 'Imię' the given name, 'Nazwisko' the family name as written (in
        # capitals), 'Klub' the club the athlete competes for, the organisation; 'DataUr' the birthday; the
        # coach under 'Trener' has no card; event, heat, lane, bests, licences and numbers nobody's.
        want.append(card(person(given, family, org=club, birthday=ymd(born, ISO)), birthday=True))
    return dict(source="pzla_startlista", rows=rows, want=want, line_end="\n")


def matownik_raport():
    """A Tarnów wrestling club's youngsters in Matownik's September report:
    family name first, a double given name, birth years (one missing), a
    column per session with 'X' where the child came, one child who never
    came; a signature, LF."""
    s = SOURCES["matownik_raport"]
    rows, want = [s["header"] + MATOWNIK_DATES30], []
    for family, given, year, attended in MATOWNIK30:
        rows.append([family, given, year] + ["X" if ch == "X" else "" for ch in attended])
        # 'Imię' is the given name (both words of 'Jan Paweł'), 'Nazwisko' the family name; the birth year alone
        # is no birthday; the sessions nobody's.
        want.append(card(person(given, family)))
    return dict(source="matownik_raport", rows=rows, want=want, bom=True, line_end="\n")


def portal_partnerek():
    """A Budapest garden firm's partners kept for its Portal's import: firms,
    an association, a town council and a university's botanic garden by name
    alone, numbers as '+36 ...' and '06 ...', one without a mailbox, one
    without a phone, a column the Portal does not know ('Kedvenc szín'); a
    signature, CRLF."""
    s = SOURCES["portal_partnerek"]
    rows, want = [s["header"]], []
    for name, mail, phone, colour in PARTNEREK30:
        rows.append([name, mail, phone, colour])
        # 'Cégnév' is the partner, a body alone; 'Telefonszám' names no kind; the favourite colour nobody's.
        p = person(org=name, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="portal_partnerek", rows=rows, want=want, bom=True)
