"""Eighty-eighth held-out set: German-language club administration (a canoe
club's members, a golf club's members), an IT service firm's customers from
its ERP and a joinery's customers and suppliers from its office program.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from eightyeighth_headers import SOURCES
from eightyeighth_people import CENTRON88, ICE88, PCCADDIE88, VERBANDONLINE88


def german_date(text):
    """'14.03.1958' as (1958, 3, 14)."""
    day, month, year = (int(x) for x in text.split("."))
    return year, month, day


def prefix_of(salutation, title):
    """Salutation and academic title together, as the name's prefix."""
    return " ".join(x for x in (salutation, title) if x)


def verbandonline_mitglieder():
    """A Regensburg canoe club's members from VerbandOnline, saved as 'CSV
    UTF-8' by a German Excel: lower-case field names with 'p_' for the
    private and 'g_' for the business address, titles ('MUDr.', 'Prof.
    Dr.', 'Dipl.-Ing.'), club offices, a 'c/o' line, a private fax and web
    page, a member known only at his firm, a bakery supporting the club with
    no person named, a member who wants no mail and has no mailbox, members
    across the border in Cheb and Schärding; Czech, Polish, Hungarian and
    Slovak members among the Bavarian ones."""
    s = SOURCES["verbandonline_mitglieder"]
    rows, want = [s["header"]], []
    for row in VERBANDONLINE88:
        (_, salutation, title, given, family, _, _, _, _, _, _, _, _, _, _, street, country, code, town, phone, fax,
         mobile, mail, web, _, _, firm, _, work_street, work_country, work_code, work_town) = row[:32]
        rows.append(list(row))
        # 'vorname' and 'nachname' the member, 'anrede' and 'titel' the prefix, 'firma' the organisation. The
        # 'p_' address is HOME, the 'g_' address WORK, each with its country as written ('p_co' may follow the
        # street, it is no street of its own); 'p_telefon' HOME, 'p_fax' a fax, 'p_mobil' CELL, 'p_email' the
        # mailbox, 'p_homepage' the web page. 'funktion' is an office in the club, no job title at the firm;
        # id, number, photo, search words, what goes where, the address form, marital status and release are
        # nobody's. A row with only 'firma' is that firm alone, its mailbox and address its own.
        adrs = [("HOME", street, town, "", code, country)] if street or town else []
        adrs += [("WORK", work_street, work_town, "", work_code, work_country)] if work_street or work_town else []
        emails = [mail] if mail else []
        if not given and not family:
            want.append(card(person(org=firm, emails=emails), adrs=adrs))
            continue
        tels = [(kind, n) for kind, n in (("HOME", phone), ("FAX", fax), ("CELL", mobile)) if n]
        p = person(given, family, prefix_of(salutation, title), org=firm, emails=emails, url=web)
        want.append(card(p, tels=tels, adrs=adrs, url=bool(web)))
    return dict(source="verbandonline_mitglieder", rows=rows, want=want, bom=True)


def pccaddie_personen():
    """A Kitzbühel golf club's members prepared for PC CADDIE's person
    import as a German Excel's tab-separated text in code page 1252: Austrian
    titles ('DI', 'KR', 'Mag.'), a flat after the house number ('77/Top 4'),
    mother and son at one address, members in Munich, Prague and Budapest,
    a Polish name without its letters, two without a birth date."""
    s = SOURCES["pccaddie_personen"]
    rows, want = [s["header"]], []
    for title, given, family, code, town, street, born in PCCADDIE88:
        rows.append([title, given, family, code, town, street, born])
        # Each row is a member: 'Vorname' and 'Nachname', 'Titel' the prefix. 'Straße', 'Ort' and 'PLZ' the
        # address, untyped, no country; 'Geburtsdatum' the birthday, day first.
        p = person(given, family, title, birthday=german_date(born) if born else None)
        want.append(card(p, adrs=[(None, street, town, "", code, "")], birthday=True))
    return dict(source="pccaddie_personen", rows=rows, want=want)


def centron_kunden():
    """A Nuremberg IT service firm's customers in c-entron's sheet 'Kunden',
    saved as 'CSV UTF-8' by a German Excel: law and tax offices, dental,
    medical and veterinary practices, a notary, a municipality and a dealer
    under 'Name' with no person, match codes in capitals, two accounting
    numbers empty, numbers as '0911 234567-0' and '+49 (0)911 7660-0', two
    mailboxes in one cell, two customers without one, tax and VAT numbers,
    register entries, 0/1 flags; customers in Plzeň, Wrocław, Vienna and
    Zurich."""
    s = SOURCES["centron_kunden"]
    rows, want = [s["header"]], []
    for row in CENTRON88:
        _, _, _, name, phone, fax, mail, _, _, web = row[:10]
        rows.append(list(row))
        # 'Name' is the customer's firm ('Firmenbezeichnung des Kunden'), never a person's name, even where it
        # holds one ('Zahnarztpraxis Dr. Katharina Lenz'): every card is that organisation alone. 'Telefon' (the
        # switchboard) names no kind, 'Fax' a fax; 'Email' the mailbox, two where the cell holds two joined by
        # ';'; 'Website' the web page. Numbers, match code, flags, tax, VAT and register entries are nobody's.
        emails = [m.strip() for m in mail.split(";") if m.strip()]
        tels = [(kind, n) for kind, n in ((ANY, phone), ("FAX", fax)) if n]
        want.append(card(person(org=name, emails=emails, url=web), tels=tels, url=bool(web)))
    return dict(source="centron_kunden", rows=rows, want=want, bom=True)


def ice_adressen():
    """A Nuremberg joinery's customers and suppliers for ICE's address
    import, in code page 1252: firms with their contact person, private
    customers with no firm, two suppliers with no person, the country as 'D'
    or 'Deutschland', 'A', 'CZ', 'PL', 'CH', foreign postal codes ('301 00',
    '50-077'), 'Jun.' and 'Sen.', titles ('Dr. med. dent.'), categories."""
    s = SOURCES["ice_adressen"]
    rows, want = [s["header"]], []
    for number, kind, firm, country, code, category, family, suffix, salutation, title, given in ICE88:
        rows.append([number, kind, firm, country, code, category, family, suffix, salutation, title, given])
        # 'Name1' is the firm; 'AP-Vorname' and 'AP-name' its contact person, whose card it is, with the firm as
        # the organisation; without 'Name1' the person alone (the help's 'Einzelkontakt'), without a person the
        # firm alone. 'AP-anrede' and 'AP-Titel' the prefix, 'AP-zusatz' the suffix. 'PLZ' and 'Land' (as
        # written, letters or a name) are all the address there is, untyped. Number, type and category are
        # nobody's.
        adrs = [(None, "", "", "", code, country)]
        if not family:
            want.append(card(person(org=firm), adrs=adrs))
            continue
        p = person(given, family, prefix_of(salutation, title), suffix, org=firm)
        want.append(card(p, adrs=adrs))
    return dict(source="ice_adressen", rows=rows, want=want)
