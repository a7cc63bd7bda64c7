"""Twentieth held-out set: a game's Google Forms registrations, a list of
pharmacies, a school programme's register, a list of municipalities, a
gym's member sheet, a pizzeria's order sheet, a shop's parcel sheet for the
post and a library's Microsoft Forms intake. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import company, person
from twentieth_headers import SOURCES
from twentieth_people import (ACCESSIONS20, MEMBERS20, MUNICIPALITIES20, ORDERS20, PARCELS20, PHARMACIES20,
                              REGISTRATIONS20, SCHOOLS20)

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm or an office


def prihlasky():
    """A Moravian game's registrations as Google Forms downloads them in
    Czech: every cell quoted, timestamps 'yyyy/MM/dd HH:mm:ss', the name in
    one cell as typed, birth dates typed three ways, free answers about
    food, and an emergency contact (someone else's name and number) in one
    cell; UTF-8, CRLF."""
    s = SOURCES["prihlasky"]
    rows, want = [s["header"]], []
    for stamp, mail, full, given, family, born, birthday, food, emergency in REGISTRATIONS20:
        rows.append([stamp, mail, full, born, food, emergency])
        # FN is the name as typed; the birth date is the registrant's. The emergency contact is another
        # person's name and number: no phone of the registrant, and no card of its own.
        want.append(card(person(given, family, emails=[mail], birthday=birthday), fn=full, birthday=True))
    return dict(source="prihlasky", rows=rows, want=want, quote_all=True)


def lekarny():
    """An Olomouc region's pharmacies from SÚKL's list: workplace, pharmacy,
    ICZ and ICO codes, the town before the street ('Horní náměstí 366/1'),
    postal codes without their space, the head pharmacist's family and given
    name (none for two dispensing branches), several mailboxes or numbers in
    one cell parted by ',', flags A/N and type codes; code page 1250, CRLF."""
    s = SOURCES["lekarny"]
    rows, want = [s["header"]], []
    for (name, workplace, code, icz, ico, town, street, post, family, given, web, mails, phones, erp, kind,
         by_mail, emergency) in PHARMACIES20:
        rows.append([name, workplace, code, icz, ico, town, street, post, family, given, web, ",".join(mails),
                     ",".join(phones), erp, kind, by_mail, emergency])
        # The head pharmacist is the person of the row, the pharmacy the organisation; a branch without one is
        # the pharmacy alone. 'TELEFON' is the pharmacy's; each number and mailbox of a cell is one of its own.
        # The address is the pharmacy's, neither home nor work; the codes and flags are nobody's.
        p = person(given, family, org=name, emails=mails, url=web) if family else \
            company(name, emails=mails, url=web)
        want.append(card(p, tels=[(BUSINESS, n) for n in phones], adrs=[(None, street, town, "", post, "")],
                         url=True))
    return dict(source="lekarny", rows=rows, want=want)


def skoly_kontakty():
    """A Czech programme's schools as its register exports them: the
    contact's name with titles before it (one with 'Ph.D.' after), two
    schools without a contact yet (their contact's cells empty), statuses
    and dd.mm.yyyy dates; unquoted, UTF-8, LF."""
    s = SOURCES["skoly_kontakty"]
    rows, want = [s["header"]], []
    for school, town, mail, full, prefix, given, family, phone, status, date in SCHOOLS20:
        rows.append([school, town, mail, full, phone, status, date])
        # The contact is the person of the row, the school the organisation; FN is the name as written, titles
        # and all. The town is an address with the town alone, neither home nor work; 'Telefon' is the
        # school's line. A school without a contact is the school alone.
        if full:
            suffix = "Ph.D." if full.endswith("Ph.D.") else ""
            p = person(given, family, prefix, suffix, org=school, emails=[mail])
            want.append(card(p, fn=full, tels=[(BUSINESS, phone)], adrs=[(None, "", town, "", "", "")]))
        else:
            want.append(card(company(school), adrs=[(None, "", town, "", "", "")]))
    return dict(source="skoly_kontakty", rows=rows, want=want, line_end="\n")


def gemeinden():
    """Styrian and Tyrolean municipalities as the public list holds them:
    Statistik Austria's codes, several postal codes in one cell parted by
    spaces, 'none' where no web page or mailbox was found, a mailbox with a
    stray quote before it; UTF-8, LF."""
    s = SOURCES["gemeinden"]
    rows, want = [s["header"]], []
    for code, name, post, web, mail in MUNICIPALITIES20:
        rows.append([code, name, post, web, mail])
        # Each municipality is a body alone. 'none' is no value; the quote before a mailbox is the scrape's,
        # not the address's. The postal code cell is the address's postal code as written (several codes
        # where the municipality has several); the municipality's name is not taken for a town.
        mails = [] if mail == "none" else [mail.lstrip('"')]
        url = "" if web == "none" else web
        want.append(card(company(name, emails=mails, url=url), adrs=[(None, "", "", "", post, "")], url=True))
    return dict(source="gemeinden", rows=rows, want=want, line_end="\n")


def clanovi():
    """A Split gym's members for the renewal reminders: one name cell (a
    hyphenated given name), numbers with +385 or at home ('091 ...'),
    prices and ISO end dates; unquoted, UTF-8, LF and no line end after the
    last row."""
    s = SOURCES["clanovi"]
    rows, want = [s["header"]], []
    for full, given, family, phone, price, until in MEMBERS20:
        rows.append([full, phone, price, until])
        # FN is the name as written; 'Telefon' names no kind; the price and date are nobody's.
        want.append(card(person(given, family), fn=full, tels=[(ANY, phone)]))
    text = "\n".join(";".join(r) for r in rows)
    return dict(source="clanovi", rows=rows, want=want, text=text)


def rendelesek():
    """A Komárom/Komárno pizzeria's Friday orders from its Google Sheet:
    Hungarian timestamps ('2026. 05. 15. 17:02:44'), Hungarian names family
    name first and Slovak names given name first, numbers from both
    countries as typed ('0036 ...', '0905 ...'), pizzas listed in one cell
    with ',', notes, statuses, totals with a decimal comma, one customer
    twice; UTF-8, CRLF."""
    s = SOURCES["rendelesek"]
    rows, want = [s["header"]], []
    for stamp, full, given, family, phone, pizzas, note, status, total, lang in ORDERS20:
        rows.append([stamp, full, phone, pizzas, note, status, total, lang])
        # FN is the name as typed (family name first where the customer wrote it so); 'Telefonszám' names no
        # kind; each order is a card, as the sheet lists them; pizzas, notes, status, total and language are
        # nobody's.
        want.append(card(person(given, family), fn=full, tels=[(ANY, phone)]))
    return dict(source="rendelesek", rows=rows, want=want)


def posiljke():
    """A Ljubljana shop's parcels in the post's sheet: 24 columns, nine
    without a name; the company under the nameless column after the name,
    a flat or floor under 'Opomba', the country's Slovene name, cash on
    delivery as 'ODKBN' with a decimal comma amount, invoice numbers under
    'Sklic '; a firm's parcel with the name cell a lone space; code page
    1250, LF."""
    s = SOURCES["posiljke"]
    rows, want = [s["header"]], []
    for (kind, given, family, firm, street, post, town, country, phone, mail, line2, pay, amount,
         invoice) in PARCELS20:
        rows.append([kind, "", f"{given} {family}", firm, street, post, town, country, phone, mail, "", line2, "",
                     pay, amount, "", "", "", "", invoice, "", "", "", ""])
        # The nameless column after the name holds the company; 'Opomba' a second address line (apart from the
        # street or after it); the address is where the parcel goes, neither home nor work. 'Telefon' names no
        # kind. A row whose name is a lone space is the firm alone.
        p = person(given, family, org=firm, emails=[mail]) if given else company(firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)], adrs=[(None, street, town, "", post, country)]))
    text = "".join(";".join(r) + "\n" for r in rows)
    return dict(source="posiljke", rows=rows, want=want, text=text)


def accessions():
    """A university library's accession intake from Microsoft Forms, saved
    by Excel: response ids, US date-times without seconds' zero padding,
    the staff member who filled the form (four of them twice), the donor
    (a person 'Family, Given', a firm or a club) and long answers with ','
    in them; code page 1252, CRLF."""
    s = SOURCES["accessions"]
    rows, want = [s["header"]], []
    for row in ACCESSIONS20:
        ident, start, end, mail, name, given, family = row[:7]
        rows.append([ident, start, end, mail, name] + list(row[7:]))
        # The card is the member of staff who answered ('Email', 'Name'); each response is a card, as the
        # sheet lists them. The donor, the creator and the answers are nobody's on it.
        want.append(card(person(given, family, emails=[mail]), fn=name))
    return dict(source="accessions", rows=rows, want=want)

