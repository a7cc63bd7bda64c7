"""Eleventh held-out set: an office suite's users, a school's users for its
directory sync, an e-learning platform's learners, a mail host's
mailboxes, an online shop's customers, a merchandise management program's
customers. Each maker returns a dict as crm_exports.py's do."""
from eleventh_headers import SOURCES
from eleventh_people import LEARNERS11, MAILBOXES11, SCHOOL11, SHOPPERS11, STAFF11, WAWI11
from export_kit import ANY, card, fill
from people import person

PAIRS11 = ("Kb", "Xm", "Rt", "Pq", "Lz", "Wn", "Gd", "Hs", "Fv", "Jc", "Ty", "Me", "Ud", "Ao", "Sk", "Nr")


def first_password(k, word):
    """A first password as an administrator types it into the sheet."""
    return f"{word[:3].capitalize()}{PAIRS11[k % 16]}{(k * 37) % 90 + 10}!"


def m365_users():
    """A Brno architects' office's staff for Microsoft 365's 'Add multiple
    users': the login, display names with academic titles for two, room
    numbers, office, mobile and fax lines, private mailboxes as alternates,
    the Brno office or the Olomouc branch as the address."""
    s = SOURCES["m365_users"]
    rows, want = [s["header"]], []
    for (login, given, family, display, job, dept, room, office, mobile, fax, alternate, adr) in STAFF11:
        street, city, region, code, country = adr
        rows.append(fill(s["header"], {
            "User Name": login, "First Name": given, "Last Name": family, "Display Name": display, "Job Title": job,
            "Department": dept, "Office Number": room, "Office Phone": office, "Mobile Phone": mobile, "Fax": fax,
            "Alternate email address": alternate, "Address": street, "City": city, "State or Province": region,
            "ZIP or Postal Code": code, "Country or Region": country}))
        tels = [(t, n) for t, n in (("WORK", office), ("CELL", mobile), ("FAX", fax)) if n]
        # The academic titles before the name in the display name are the name's prefix.
        p = person(given, family, prefix=display[:display.index(given)].strip(), job=job, phones=tels,
                   emails=[login] + ([alternate] if alternate else []))
        # FN is the display name as written, titles and all; the login is the work mailbox; the department
        # names no firm; 'Address' says neither home nor work.
        want.append(card(p, fn=display, tels=tels, adrs=[(None, street, city, region, code, country)]))
    return dict(source="m365_users", rows=rows, want=want)


def sds_users():
    """A Žilina grammar school's users for School Data Sync: ids, teachers'
    and pupils' logins matched in the directory, first passwords, parents
    with a private mailbox as login, numbers as bare digits with 421, the
    same digits in phone and sms for three parents."""
    s = SOURCES["sds_users"]
    rows, want = [s["header"]], []
    for k, (sid, role, given, family, login, mail, phone, sms) in enumerate(SCHOOL11):
        rows.append(fill(s["header"], {
            "sourcedId": sid, "username": login or mail, "givenName": given, "familyName": family,
            "password": first_password(k, family), "activeDirectoryMatchId": login, "email": mail, "phone": phone,
            "sms": sms}))
        numbers = [phone] + ([sms] if sms and sms != phone else [])
        tels = [(ANY, n) for n in numbers if n]
        # One mailbox a person (login and email are the same address); a number written twice is one number,
        # whose kind neither column names.
        want.append(card(person(given, family, emails=[mail]), tels=tels, adrs=[]))
    return dict(source="sds_users", rows=rows, want=want, line_end="\n")


def chamilo_users():
    """A Zagreb adult education centre's learners and teachers for
    Chamilo: family name first as its example has it, logins, passwords
    left empty for some, OIB numbers as the official code, numbers at home
    or international, courses joined by '|'."""
    s = SOURCES["chamilo_users"]
    rows, want = [s["header"]], []
    for family, given, mail, login, password, oib, phone, status, courses in LEARNERS11:
        rows.append([family, given, mail, login, password, "platform", oib, phone, status, courses])
        # The OIB is no number to call; the course codes name no firm.
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=[(ANY, phone)] if phone else [],
                         adrs=[]))
    return dict(source="chamilo_users", rows=rows, want=want, line_end="\n")


def hostingca_exchange_accounts():
    """A Kraków accounting office's mailboxes for hosted Exchange: first
    passwords, quotas, the office's label, street and town, the
    voivodeship as the state, Polish numbers with and without +48; one row
    without first and last name, which the help lets be left empty."""
    s = SOURCES["hostingca_exchange_accounts"]
    rows, want = [s["header"]], []
    for k, (given, family, mail, display, office, (street, city, code), phone, mobile) in enumerate(MAILBOXES11):
        rows.append(fill(s["header"], {
            "FirstName": given, "LastName": family, "EmailID": mail, "Password": first_password(k, display),
            "Size": "2000" if k % 5 == 0 else "500", "OfficeLocation": office, "City": city, "Country": "Poland",
            "State": "małopolskie", "ZipCode": code, "DisplayName": display, "Address": street, "Phone": phone,
            "Mobile": mobile, "Type": "User"}))
        named_given, named_family = (given, family) if given else display.split(" ", 1)
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile)) if n]
        # FN is the display name; where the names were left empty, it is the person's name all the same.
        # The office's label is no part of the address; 'Phone' names no kind.
        want.append(card(person(named_given, named_family, emails=[mail]), fn=display, tels=tels,
                         adrs=[(None, street, city, "małopolskie", code, "Poland")]))
    return dict(source="hostingca_exchange_accounts", rows=rows, want=want)


def jtl_shop_kunden():
    """A Graz outdoor shop's customers in JTL-Shop's import columns:
    password hashes, salutation and academic title apart, the street and
    its house number apart, an address addition for three, the federal
    state, national and international numbers, four firms with their VAT
    ids and web sites, two Slovenian customers, credit, newsletter and
    activity flags, ISO birth and creation dates, customer numbers."""
    s = SOURCES["jtl_shop_kunden"]
    rows, want = [s["header"]], []
    for k, c in enumerate(SHOPPERS11, 1):
        p = c["p"]
        a = p["adr"][0]
        tel, mobil, fax = (next((n for t, n in p["phones"] if t == kind), "") for kind in ("*", "CELL", "FAX"))
        y, m, d = p["birthday"] or (0, 0, 0)
        rows.append(fill(s["header"], {
            "cPasswort": f"$2y$10${(k * 7919) % 100000:05d}kQ8e{'Zt' * (k % 3 + 1)}Vb3mHqPwL0aXoN{k:02d}",
            "cAnrede": c["anrede"], "cTitel": c["titel"], "cVorname": p["given"], "cNachname": p["family"],
            "cFirma": p["org"], "cStrasse": c["street"], "cHausnummer": c["number"], "cAdressZusatz": c["extra"],
            "cPLZ": a[4], "cOrt": a[2], "cBundesland": a[3], "cLand": a[5], "cTel": tel, "cMobil": mobil,
            "cFax": fax, "cMail": p["emails"][0], "cUSTID": c["vat"], "cWWW": p["url"],
            "fGuthaben": "15.50" if k % 6 == 0 else "0.00", "cNewsletter": "Y" if k % 3 else "N",
            "dGeburtstag": f"{y:04d}-{m:02d}-{d:02d}" if y else "", "fRabatt": "5" if p["org"] else "0",
            "cHerkunft": ("Google", "Messe Graz", "", "Newsletter")[k % 4],
            "dErstellt": f"20{21 + k % 4}-{1 + k % 12:02d}-{3 + k:02d} 10:{k * 3:02d}:00", "cAktiv": "Y",
            "cKundenNr": f"K{10200 + 17 * k}", "cZusatz": "Stammkunde" if k % 5 == 0 else ""}))
        # The street is its name and house number; the address addition is no part of it; salutation and
        # title are the name's prefix; 'cTel' names no kind; the country is the name written.
        want.append(card(p, tels=p["phones"], adrs=p["adr"], birthday=True, url=bool(p["url"])))
    return dict(source="jtl_shop_kunden", rows=rows, want=want)


def jtl_wawi_kunden():
    """A Bavarian wholesaler's customers for JTL-Ameise as its example
    writes them: family name, given name, street with its number, postal
    code, town, the country's code, mailbox (two empty) and customer group;
    customers in Austria and one in Czechia; saved by a German Windows."""
    s = SOURCES["jtl_wawi_kunden"]
    rows, want = [s["header"]], []
    for family, given, street, code, town, land, mail, group in WAWI11:
        rows.append([family, given, street, code, town, land, mail, group])
        # 'Name' beside 'Vorname' is the family name; the customer group is no firm; the country is the code.
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=[],
                         adrs=[(None, street, town, "", code, land)]))
    return dict(source="jtl_wawi_kunden", rows=rows, want=want)
