"""Third held-out set: the customers of a Czech till and of a Slovak e-shop,
an event's purchases from a Hungarian ticketing service, the address book of
an e-signature service and the contacts of an e-mail follow-up tool. Each
maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of, iso, persons
from fresh_headers import SOURCES
from fresh_kit import DIAL_CODES, bare, dial_code
from fresh_people import CZECH3, HUNGARIAN3
from people import CROATIAN, CZECH, GERMAN, HUNGARIAN, POLISH, SLOVAK
from unseen_kit import code_of, first_adr, want_adr, woman
from unseen_people import CZECH2, HUNGARIAN2, POLISH2, ROMANIAN2, SLOVAK2


def full_name(p):
    return f"{p['given']} {p['family']}"


def dotypos_customers():
    """A till's customer accounts: numbers without blanks, with 00420 or
    without the country, a bar code of thirteen digits, country codes; a
    company's name beside some people, two companies alone."""
    s = SOURCES["dotypos_customers"]
    rows, want = [s["header"]], []
    people = persons(CZECH) + persons(CZECH2) + CZECH3 + [c for c in CZECH if not c["given"]]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        alone = not p["given"]
        org = p["org"] if alone or (p["org"] and k % 2) else ""
        number = p["phones"][0][1] if p["phones"] else ""
        phone = bare(number, "00" if k % 2 else "national") if number else ""
        v = {"externalId": str(100 + k), "vatNo": f"{25596641 + 1009 * k}" if org else "",
             "firstName": p["given"], "lastName": p["family"], "barCode": f"2990000{100000 + 37 * k}",
             "email": p["emails"][0] if p["emails"] else "", "phone": phone,
             "birthDay": iso(p) if p["birthday"] else "", "companyName": org,
             "discountGroup_id": ("1", "2", "")[k % 3]}
        adrs = []
        if a:
            code = a[4].replace(" ", "") if k % 3 == 0 else a[4]
            v.update(address=a[1], city=a[2], zip=code, country=code_of(a[5]))
            adrs.append(want_adr(a, region="", code=code, country=code_of(a[5])))
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE" if alone else ANY, phone)] if phone else []
        want.append(card(p, org=org, title="", prefix="", suffix="", tels=tels, emails=p["emails"][:1], adrs=adrs,
                         birthday=True))
    return dict(source="dotypos_customers", rows=rows, want=want, bom=True)


# Other addresses some customers have their parcels sent to.
DELIVERY = {3: ("Námestie SNP 12", "Banská Bystrica", "974 01", "sk"),
            7: ("Bottova 2", "Žilina", "010 01", "sk"),
            12: ("Kossuth Lajos utca 15.", "Komárom", "2900", "hu")}
BCRYPT = "$2y$10$Qm9vdGNhbXAgaXMgbm90IGEgcGFzc3dvcmQuLi4uLi4uLi4uLi4u"


def shoptec_customers():
    """An e-shop's customers: the delivery and invoice address each with a
    whole name, the same address twice for some, country ids in small
    letters, password hashes and salts, flags; a company's details beside
    some people."""
    s = SOURCES["shoptec_customers"]
    rows, want = [s["header"]], []
    people = persons(SLOVAK) + persons(SLOVAK2) + persons(HUNGARIAN2) + CZECH3[:1]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        firm = bool(p["org"]) and k % 3 == 0
        billed = p["org"] if firm else full_name(p)
        v = {"email": p["emails"][0], "first_name": p["given"], "last_name": p["family"],
             "phone": (first_of(p, "CELL") or p["phones"][0][1]) if p["phones"] else "", "web": p["url"],
             "gender": "female" if woman(p) else "male", "birthday": iso(p) if p["birthday"] else "",
             "enabled": "0" if k % 7 == 0 else "1", "password": BCRYPT[:-2] + f"{k:02d}" if k % 2 else "",
             "password_salt": f"{(k * 2654435761) % (1 << 32):08x}" if k % 2 else ""}
        adrs = []
        if a:
            cc = code_of(a[5]).lower()
            v.update(invoice_name=billed, invoice_street=a[1], invoice_postcode=a[4], invoice_city=a[2],
                     invoice_country_id=cc)
            adrs.append(want_adr(a, region="", country=cc))
            if k % 4 == 1:   # the same address as the invoice's: one address on the card
                v.update(delivery_name=billed, delivery_street=a[1], delivery_postcode=a[4], delivery_city=a[2],
                         delivery_country_id=cc)
        if k in DELIVERY:
            street, city, code, cc = DELIVERY[k]
            v.update(delivery_name=full_name(p), delivery_street=street, delivery_postcode=code, delivery_city=city,
                     delivery_country_id=cc)
            adrs.append((None, street, city, "", code, cc))
        if firm:
            v.update(company_name=p["org"], company_uid=f"{35700000 + 4231 * k}",
                     company_taxid=f"20{21000000 + 377 * k}", company_vatid=f"SK20{21000000 + 377 * k}",
                     company_vatpayer="1")
        rows.append(fill(s["header"], v))
        tels = [(ANY, v["phone"])] if v["phone"] else []
        want.append(card(p, org=p["org"] if firm else "", title="", prefix="", suffix="", tels=tels,
                         emails=p["emails"][:1], adrs=adrs, birthday=True, url=True))
    return dict(source="shoptec_customers", rows=rows, want=want, line_end="\n")


def cooltix_address(a, k):
    """The billing address whole, as a buyer types it: Hungarian ones code
    and town first, the country written after some."""
    if a[5] == "Magyarország":
        line = f"{a[4]} {a[2]}, {a[1]}"
    else:
        line = f"{a[1]}, {a[4]} {a[2]}"
    return (line + f", {a[5]}", a[5]) if k % 2 else (line, "")


def cooltix_purchases():
    """An event's purchases: ids, order and occasion dates, the buyer's name
    as typed (Hungarians family name first), a company in the invoice's name
    for some, the billing address whole, an invoice number or 0."""
    s = SOURCES["cooltix_purchases"]
    rows, want = [s["header"]], []
    people = persons(HUNGARIAN) + persons(HUNGARIAN2) + HUNGARIAN3 + persons(SLOVAK2)[:1] + persons(ROMANIAN2)[:1]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        magyar = p in HUNGARIAN + HUNGARIAN2 + HUNGARIAN3
        shown = f"{p['family']} {p['given']}" if magyar else full_name(p)
        billed_to_firm = bool(p["org"]) and k % 3 != 1
        free = k % 5 == 0
        v = {"Attendee ID": f"A-{77310 + 3 * k}", "Order ID": f"CTX-2025-{8800 + k // 2:05d}",
             "Order Date": f"2025-05-{10 + k:02d} 1{k % 10}:0{k % 6}:11", "Customer Email": p["emails"][0],
             "Occasion Start Date": "2025-06-21 19:00" if k % 4 == 0 else "",
             "Occasion End Date": "2025-06-21 23:00" if k % 4 == 0 else "", "Customer Name": shown,
             "Invoice Name": p["org"] if billed_to_firm else shown,
             "Invoice Number": "0" if free else f"CTX-E-2025/{1200 + k}"}
        adrs = []
        if a:
            v["Invoice Address"], country = cooltix_address(a, k)
            adrs.append(want_adr(a, region="", country=country))
        rows.append(fill(s["header"], v))
        # The invoice's name is the buyer's firm where it is not the buyer's own name.
        want.append(card(p, fn=shown, org=p["org"] if billed_to_firm else "", title="", prefix="", suffix="",
                         emails=p["emails"][:1], adrs=adrs))
    return dict(source="cooltix_purchases", rows=rows, want=want, bom=True)


def autenti_contacts():
    """An e-signature service's address book: the number without its dial
    code, the dial code apart with an apostrophe before the '+', tax numbers,
    PESEL and REGON, countries as codes, the tax country beside."""
    s = SOURCES["autenti_contacts"]
    rows, want = [s["header"]], []
    people = persons(POLISH2) + persons(HUNGARIAN)[:5] + persons(CZECH2) + persons(POLISH)[:2]
    for k, p in enumerate(people, 1):
        a = first_adr(p)
        number = first_of(p, "CELL")   # the form asks for a mobile's number
        home = {"Polska": "+48", "Magyarország": "+36"}.get(p["adr"][0][5] if p["adr"] else "", "") \
            or dial_code(p["phones"][0][1])
        polish = home == DIAL_CODES["Polska"]
        tax_country = "PL" if polish else "HU" if home == "+36" else "CZ"
        v = {"firstName": p["given"], "lastName": p["family"], "email": p["emails"][0],
             "phoneNumber": bare(number, "national") if number else "",
             "dialCode": "'" + dial_code(number) if number else ""}
        if p["org"]:
            v.update(companyName=p["org"], taxNumber=f"{5213000000 + 7331 * k}"[:10], taxCountry=tax_country,
                     jobTitle=p["job"], regon=f"{140000000 + 977 * k}" if polish else "")
        elif polish:
            v["pesel"] = f"{50052800000 + 1021 * k}"
        adrs = []
        if a:
            v.update(street=a[1], postalCode=a[4], city=a[2], country=code_of(a[5]))
            adrs.append(want_adr(a, region="", country=code_of(a[5])))
        rows.append(fill(s["header"], v))
        # The dial code and the number make one number; 'phoneNumber' says nothing of its kind (only the
        # help calls it a mobile's), so the card's number is untyped.
        want.append(card(p, title=p["job"] if p["org"] else "", prefix="", suffix="",
                         tels=[(ANY, bare(number, "plus"))] if number else [], emails=p["emails"][:1],
                         adrs=adrs))
    return dict(source="autenti_contacts", rows=rows, want=want, line_end="\n")


OWNERS = ("Andrei Popa", "Ioana Marin")


def bluetick_contacts():
    """A follow-up tool's contacts: tags joined by commas in quotes, custom
    fields with a source and a user of the tool as the owner, one contact
    known only by the e-mail."""
    s = SOURCES["bluetick_contacts"]
    rows, want = [s["header"]], []
    people = persons(ROMANIAN2) + persons(GERMAN) + persons(CROATIAN)[:5]
    for k, p in enumerate(people, 1):
        named = k != 14
        v = {"FirstName": p["given"] if named else "", "LastName": p["family"] if named else "",
             "Email": p["emails"][0], "Phone": p["phones"][0][1] if p["phones"] and named else "",
             "TitleOrPosition": p["job"] if named else "", "Company": p["org"] if named else "",
             "Tags": ("lead,webinar-2025", "customer", "lead,trade-fair,de")[k % 3],
             "cf_Source": ("LinkedIn", "Website", "Referral")[k % 3], "cf_Owner": OWNERS[k % 2]}
        rows.append(fill(s["header"], v))
        tels = [(ANY, v["Phone"])] if v["Phone"] else []
        if named:
            want.append(card(p, prefix="", suffix="", tels=tels, emails=p["emails"][:1]))
        else:
            want.append(card(p, fn=p["emails"][0], given="", family="", org="", title="", prefix="", suffix="",
                             tels=tels, emails=p["emails"][:1]))
    return dict(source="bluetick_contacts", rows=rows, want=want)

