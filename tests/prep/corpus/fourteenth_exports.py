"""Fourteenth held-out set, the Central European part: an advisers' CRM's
clients, a studio's clients, a school's recipients, a CRM's firms and people,
an address book, a questionnaire's leads, a postal region's staff and a
rowing club's members. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill
from people import company, person
from fourteenth_headers import SOURCES
from fourteenth_people import (ADDRESS_BOOK14, CLIENTS14, CONTACTS14, LEADS14, MEMBERS14, POSTAL_STAFF14,
                               RECIPIENTS14, STUDIO14)


def dmy(text):
    """'3.7.1958' as (1958, 7, 3)."""
    d, m, y = text.split(".")
    return int(y), int(m), int(d)


def blogic_klienti():
    """An Olomouc advisers' firm's clients as BlogicCRM exports them: the
    number and the birth number each as a formula ('=\"737 550 129\"'), so
    quoted with their quotes doubled; numbers at home or international, one
    Slovak; ages; two without a mailbox, two without a number."""
    s = SOURCES["blogic_klienti"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, birth_number, age in CLIENTS14:
        rows.append([given, family, mail, f'="{phone}"' if phone else "", f'="{birth_number}"', age])
        # The formula's '="' and '"' are no part of the number; 'Telefon' names no kind; the birth number and the
        # age are nobody's (the birth number is no phone and no birthday to read).
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=[(ANY, phone)] if phone else []))
    return dict(source="blogic_klienti", rows=rows, want=want, bom=True)


def studio_klienti():
    """A Brno studio's clients for its booking app's import: credits,
    entries left on a pass and its last day, 'ano'/'ne' for the newsletter;
    numbers grouped, bare, with +420, +421 or 00420; one without a mailbox,
    one without a number; LF line ends."""
    s = SOURCES["studio_klienti"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, credits, entries, until, newsletter in STUDIO14:
        rows.append([given, family, mail, phone, credits, entries, until, newsletter])
        # Credits, entries, the pass's date and the newsletter flag are nobody's; 'Telefon' names no kind.
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=[(ANY, phone)] if phone else []))
    return dict(source="studio_klienti", rows=rows, want=want, line_end="\n")


def szkola_odbiorcy():
    """A Gdańsk primary school's parents and pupils for its messaging app,
    typed by the secretary in Excel and saved as 'CSV UTF-8': parents with a
    number, a mailbox or both, pupils with the school's mailbox only, stray
    spaces around some cells, numbers dashed or grouped, a landline."""
    s = SOURCES["szkola_odbiorcy"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, kind, form in RECIPIENTS14:
        rows.append([given, family, mail, phone, kind, form])
        # Parents and pupils alike are the card's person, their names without the stray spaces; the kind
        # ('Rodzic', 'uczeń') and the class are no title and no organisation; 'Telefon' names no kind.
        p = person(given.strip(), family.strip(), emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone.strip())] if phone else []))
    return dict(source="szkola_odbiorcy", rows=rows, want=want, bom=True)


def crm_kontakty():
    """A Warsaw merchandise firm's CRM contacts saved from Excel: firms alone
    with their NIP, people at a firm, people alone; a firm's name with a
    comma (quoted), one with '&', one with '/'; numbers with +48 or without;
    one firm without a number, one person without a mailbox."""
    s = SOURCES["crm_kontakty"]
    rows, want = [s["header"]], []
    for firm, given, family, mail, phone, nip in CONTACTS14:
        rows.append([firm, given, family, mail, phone, nip])
        # A row with a name is that person at the firm; a firm alone is a company-only card, its number WORK or
        # VOICE; a person's number names no kind; the NIP is nobody's.
        emails = [mail] if mail else []
        if given:
            want.append(card(person(given, family, org=firm, emails=emails), tels=[(ANY, phone)] if phone else []))
        else:
            tels = [("WORK|VOICE", phone)] if phone else []
            want.append(card(company(firm, emails=emails), tels=tels))
    return dict(source="crm_kontakty", rows=rows, want=want, bom=True)


def imenik_kontakti():
    """A Ljubljana household's address book as the program saves it, in code
    page 1250 with no quoting: ids, the whole address in one cell ('Slovenska
    cesta 12, 1000 Ljubljana'), one whose street has a comma of its own, two
    without an address; home and mobile numbers as dialled at home; notes."""
    s = SOURCES["imenik_kontakti"]
    rows, want = [s["header"]], []
    for number, given, family, adr, mail, phone, mobile, note in ADDRESS_BOOK14:
        address = f"{adr[0]}, {adr[1]} {adr[2]}" if adr else ""
        rows.append([str(number), given, family, address, mail, phone, mobile, note])
        # 'naslov' is street, postal code and town (the last comma parts them); no country; 'telefon' names no
        # kind, 'mobilniTelefon' is CELL; the id and the note are nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        adrs = [(None, adr[0], adr[2], "", adr[1], "")] if adr else []
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels, adrs=adrs))
    return dict(source="imenik_kontakti", rows=rows, want=want, line_end="\n")


def score_leadi():
    """Leads of a Ljubljana consultancy's questionnaire as its CSV export
    gives them: the person, the mailbox, the number as typed in the form
    (mobile or landline, with +386 or not) and the firm, sole traders' names
    with 's.p.' among them."""
    s = SOURCES["score_leadi"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, firm in LEADS14:
        rows.append([given, family, mail, phone, firm])
        # 'Podjetje' is the organisation; 'Telefon' names no kind.
        want.append(card(person(given, family, org=firm, emails=[mail]), tels=[(ANY, phone)]))
    return dict(source="score_leadi", rows=rows, want=want, bom=True)


def posta_destinatari():
    """A postal region's staff in Olt and Dolj as a spreadsheet for an SMS
    app, saved in code page 1250 (cedilla letters: 'Ţurcanu', 'şef
    oficiu'): family name first, the post, badge numbers, numbers with the
    zero, international or with the zero lost in Excel, county, locality
    (one written 'Slatina, jud. Olt', so quoted) and post office."""
    s = SOURCES["posta_destinatari"]
    rows, want = [s["header"]], []
    for family, given, post, badge, phone, county, locality, office in POSTAL_STAFF14:
        rows.append([family, given, post, badge, phone, county, locality, office])
        # 'Functie' is the job title; the badge is nobody's; county, locality and office say where the person
        # works, no postal address and no organisation; 'Telefon' names no kind; a number whose zero Excel dropped
        # ('722815306') is still written, so it stays as written.
        want.append(card(person(given, family, job=post), tels=[(ANY, phone)]))
    return dict(source="posta_destinatari", rows=rows, want=want)


def mitglieder_export():
    """A Görlitz rowing club's members as its web app exports them: member
    numbers, members from Zgorzelec and Liberec with their country's code
    and 'DE' filled in for the rest, landlines and mobiles, a mother and her
    son under one mailbox and landline, status and fee class, dates as
    'de-DE' writes them ('3.7.1958'), notes with their ';' turned into a
    space; LF line ends."""
    s = SOURCES["mitglieder_export"]
    rows, want = [s["header"]], []
    for (number, given, family, mail, phone, mobile, street, code, town, country, status, fee, born, since,
         notes) in MEMBERS14:
        land = country or "DE"
        rows.append(fill(s["header"], {
            "Mitglieds-Nr.": number, "Vorname": given, "Nachname": family, "E-Mail": mail, "Telefon": phone,
            "Mobil": mobile, "Straße": street, "PLZ": code, "Ort": town, "Land": land, "Status": status,
            "Beitragsklasse": fee, "Geburtsdatum": born, "Mitglied seit": since,
            "Notizen": notes.replace(";", " ")}))
        # 'Telefon' names no kind, 'Mobil' is CELL; the address says neither home nor work, its country the code
        # written; the son's card has his mother's mailbox and landline; the member number, status, fee class,
        # the date of joining and the notes are nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        p = person(given, family, emails=[mail], birthday=dmy(born))
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, land)], birthday=True))
    return dict(source="mitglieder_export", rows=rows, want=want, bom=True, line_end="\n")
