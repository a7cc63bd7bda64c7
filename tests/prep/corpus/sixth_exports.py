"""Sixth held-out set: a parcel network's packets, a Czech shop's users and
an order tool's delivery columns, a wholesaler's supplier contacts, a
tracking service's packages, a help desk's users and a field service's
contacts. Each maker returns a dict as crm_exports.py's do."""
import unicodedata

from export_kit import ANY, card, fill, first_of, persons
from final_kit import at_home, full_name, plain, whole_address
from people import company
from sixth_headers import SOURCES
from sixth_people import CROATIAN6, CZECH6, HUNGARIAN6, SLOVAK6, SLOVENE6, SUPPLIERS6
from unseen_kit import first_adr, split_street, want_adr


def ascii_word(text):
    return "".join(ch for ch in unicodedata.normalize("NFKD", text) if ch.isascii()).lower()


def packeta_zasilky():
    """A shop's packets for Packeta: 'version 7' on the first line, the field
    names on the second (which Packeta ignores), the first column empty,
    numbers in three spellings, cash on delivery with decimal commas."""
    s = SOURCES["packeta_zasilky"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH6), 1):
        cell = first_of(p, "CELL")
        phone = {0: cell, 1: at_home(cell).replace(" ", ""), 2: plain(cell)}[k % 3]
        cod = "" if k % 4 == 0 else f"{390 + 137 * k},00"
        rows.append(fill(s["header"], {"Order number": str(14 + k) if k < 4 else f"2024{k:05d}", "Name": p["given"],
                                       "Surname": p["family"], "Company": p["org"], "E-mail": p["emails"][0],
                                       "Phone": phone, "COD": cod, "Currency": "CZK",
                                       "Value": f"{390 + 137 * k},00"}))
        # The shop's packet: the firm the recipient works for is the organisation; the number is untyped.
        want.append(card(p, title="", prefix="", suffix="", tels=[(ANY, phone)], emails=p["emails"][:1], adrs=[]))
    return dict(source="packeta_zasilky", rows=rows, want=want, preamble="version 7" + ";" * 9 + "\r\n")


GROUPS = {1: "VIP;Velkoobchod", 4: "Newsletter", 6: "VIP", 9: "Stálý zákazník;Newsletter", 13: "B2B"}


def kupshop_uzivatele():
    """A Czech shop's users sheet saved by Excel: numbers with or without
    +420 and blanks, the street with its house number, postal codes with
    and without the blank, groups joined by semicolons in a quoted cell,
    ano/ne; two firms without a person."""
    s = SOURCES["kupshop_uzivatele"]
    rows, want = [s["header"]], []
    people = persons(CZECH6)[2:16] + [c for c in CZECH6 if not c["given"]]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        number = p["phones"][0][1]
        phone = number if k % 2 else at_home(number).replace(" ", "")
        code = a[4].replace(" ", "") if k % 3 == 0 else a[4]
        rows.append(fill(s["header"], {"Jméno": p["given"], "Přijmení": p["family"], "Společnost": p["org"],
                                       "Email": p["emails"][0], "Telefon": phone, "Ulice": a[1], "Město": a[2],
                                       "PSČ": code, "Skupiny": GROUPS.get(k, ""),
                                       "Newsletter": "ne" if k % 4 == 0 else "ano"}))
        want.append(card(p, title="", prefix="", suffix="", tels=[("WORK|VOICE" if alone else ANY, phone)],
                         emails=p["emails"][:1], adrs=[want_adr(a, region="", code=code, country="")]))
    return dict(source="kupshop_uzivatele", rows=rows, want=want)


def nody_objednavky():
    """An order tool's delivery columns: the recipient's name three ways
    (apart, whole, and 'firm or surname'), the street and its house number
    apart; no town, postal code nor country (the list breaks off there)."""
    s = SOURCES["nody_objednavky"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH6)[:10] + SLOVAK6[:6], 1):
        a = first_adr(p)
        name, number, orientation = split_street(a[1])
        house = f"{number}/{orientation}" if orientation else number
        rows.append(fill(s["header"], {"firm": p["org"], "deliveryName": p["given"], "deliverySurname": p["family"],
                                       "deliveryNameAndSurname": full_name(p),
                                       "deliveryFirmOrSurname": p["org"] or p["family"], "deliveryStreet": name,
                                       "deliveryHouseNumber": house}))
        # 'Firm or surname' repeats one of the others; the street is its name and house number.
        want.append(card(p, title="", prefix="", suffix="", tels=[], emails=[],
                         adrs=[want_adr(a, street=f"{name} {house}", city="", region="", code="", country="")]))
    return dict(source="nody_objednavky", rows=rows, want=want)


NOTES = {2: "Dodací lhůta 14 dní, min. odběr 50 ks", 6: "Volat dopoledne", 11: "Faktury jen e-mailem, prosím"}


def unleashed_supplier_contacts():
    """A wholesaler's supplier contacts: the supplier's code and name on each
    contact's row, two people at some suppliers, TRUE/FALSE flags, numbers
    under Phone, OfficePhone, DDI, Mobile, Fax and a firm's toll-free line;
    two contacts known only by a mailbox of the firm."""
    s = SOURCES["unleashed_supplier_contacts"]
    rows, want = [s["header"]], []
    mailboxes = [company("Obaly Lacina s.r.o.", emails=["objednavky@obaly-lacina.cz"]),
                 company("Papír Beneš v.o.s.", emails=["odbyt@papirbenes.cz"])]
    codes, seen = {}, set()
    for k, p in enumerate(SUPPLIERS6 + mailboxes, 1):
        codes.setdefault(p["org"], f"SUP{100 + 10 * len(codes):04d}")
        primary = p["org"] not in seen
        seen.add(p["org"])
        cell, work, fax = first_of(p, "CELL"), first_of(p, "WORK"), first_of(p, "FAX")
        in_phone = k in (5, 11)
        direct = k % 3 == 0
        toll = "800 100 250" if primary and p["org"].startswith("Kovo") else ""
        v = {"Supplier Code": codes[p["org"]], "Supplier Name": p["org"], "First Name": p["given"],
             "Last Name": p["family"], "Email Address": p["emails"][0],
             "Website": "www." + p["emails"][0].split("@")[1], "Primary": "TRUE" if primary else "FALSE",
             "Purchasing": "TRUE" if k % 2 else "FALSE", "Toll Free No.": toll, "Phone": cell if in_phone else "",
             "OfficePhone": "" if direct else work, "Fax": fax, "Mobile": "" if in_phone else cell,
             "DDI": work if direct else "", "Notes": NOTES.get(k, "")}
        rows.append(fill(s["header"], v))
        tels = [(ANY, toll), (ANY, v["Phone"]), ("WORK", v["OfficePhone"]), ("WORK|VOICE", v["DDI"]), ("FAX", fax),
                ("CELL", v["Mobile"])]
        # A row with no one's name is the supplier alone; the toll-free line says nothing of its kind, and a
        # direct line is only a business's phone (work or voice), where OfficePhone says the office.
        want.append(card(p, title="", prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[]))
    return dict(source="unleashed_supplier_contacts", rows=rows, want=want, bom=True)


COMMENTS = {2: "Kapucsengő: 14", 5: "Hívjon, ha nem vagyok otthon", 9: "Csomagautomata", 12: "Nechať v schránke"}


def pkge_packages():
    """A tracking service's packages: track numbers, courier ids, the country
    in lower case, the shop's own sending address, the recipient's whole
    address in one cell (Hungarian ones code and town first), the name as
    written (Hungarians family name first), numbers as bare digits."""
    s = SOURCES["pkge_packages"]
    rows, want = [s["header"]], []
    for k, p in enumerate(HUNGARIAN6 + SLOVAK6[:6], 1):
        a = first_adr(p)
        hungarian = a[5] == "HU"
        name = f"{p['family']} {p['given']}" if hungarian else full_name(p)
        digits = plain(p["phones"][0][1]).lstrip("+")
        rows.append(fill(s["header"], {"trackNumber": f"R{'B' if hungarian else 'E'}{402117 + 389 * k:09d}"
                                                      f"{a[5]}", "courierId": "-1" if k % 4 == 0 else "3",
                                       "destinationCountry": a[5].lower(),
                                       "departureAddress": "Váci út 178, 1138 Budapest",
                                       "destinationAddress": whole_address(a, code_first=hungarian),
                                       "orderId": str(51000 + k), "recipientName": name,
                                       "recipientEmail": p["emails"][0], "recipientPhone": digits,
                                       "comment": COMMENTS.get(k, "")}))
        # The sending address is the shop's, nobody's on the cards; the country is the code as written.
        want.append(card(p, fn=name, org="", title="", prefix="", suffix="", tels=[(ANY, digits)],
                         emails=p["emails"][:1], adrs=[want_adr(a, region="", country=a[5].lower())]))
    return dict(source="pkge_packages", rows=rows, want=want, line_end="\n")


def zammad_users():
    """A help desk's users as its example writes them: logins, the names and
    the web address quoted and the rest bare, true/false, LF line ends."""
    s = SOURCES["zammad_users"]
    lines, rows, want = [",".join(s["header"])], [s["header"]], []
    for k, p in enumerate(SLOVENE6, 1):
        login = ascii_word(p["given"][0] + p["family"])
        row = [login, p["given"], p["family"], p["emails"][0], p["url"], "false" if k == 9 else "true"]
        rows.append(row)
        lines.append(f'{row[0]},"{row[1]}","{row[2]}",{row[3]},"{row[4]}",{row[5]}')
        want.append(card(p, org="", title="", tels=[], adrs=[], url=True))
    return dict(source="zammad_users", rows=rows, want=want, text="\n".join(lines) + "\n")


APARTMENTS = {2: "stan 4", 8: "stan 11", 12: "2. kat"}


def previsto_contacts():
    """A field service's contacts: the whole name of a household or a firm in
    'Name', a flat apart from the street, two-letter countries, numbers
    written with hyphens as the help shows, a tax id for firms."""
    s = SOURCES["previsto_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CROATIAN6, 1):
        a = first_adr(p)
        firm = not p["given"]
        phone = p["phones"][0][1].replace(" ", "-")
        flat = APARTMENTS.get(k, "")
        tax = (f"HR{40218830000 + 7919 * k}" if a[5] == "HR" else f"SI{31870000 + 77 * k}") if firm else ""
        rows.append(fill(s["header"], {"Customer number": "" if k % 5 == 0 else f"K-{1000 + k}",
                                       "Name": p["org"] if firm else full_name(p), "Address": a[1], "Apartment": flat,
                                       "Postcal code": a[4], "City": a[2], "Country code": a[5], "Phone number": phone,
                                       "Email": p["emails"][0], "Tax id": tax}))
        street = f"{a[1]}, {flat}" if flat else a[1]
        # A tax id marks a firm: its name is the organisation and the card is the firm alone.
        want.append(card(p, org=p["org"], title="", prefix="", suffix="",
                         tels=[("WORK|VOICE" if firm else ANY, phone)], emails=p["emails"][:1],
                         adrs=[want_adr(a, street=street, region="")]))
    return dict(source="previsto_contacts", rows=rows, want=want)
