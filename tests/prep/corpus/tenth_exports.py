"""Tenth held-out set: a field service tool's job sites, a builders' CRM's
clients, a facility service tool's accounts, a restaurant's guests, a
publisher's subscribers, a salon's clients. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card, fill, first_of
from final_kit import at_home
from people import person
from tenth_headers import SOURCES
from tenth_people import ACCOUNTS10, CLIENTS10, GUESTS10, MANAGERS10, READERS10, SALON10, SHIPPED10, SITES10
from unseen_kit import first_adr, want_adr

BUSINESS = "WORK|VOICE"  # a number that says only 'phone', of a firm alone


def servicetrade_locations():
    """A Slovak fire-safety firm's job sites for ServiceTrade: the region as
    its two-letter code, coordinates, the site's main line, the caretaker's
    whole name, kind, numbers and mailbox; two sites without a caretaker."""
    s = SOURCES["servicetrade_locations"]
    rows, want = [s["header"]], []
    for (site, street, city, region, code, lat, lon, line), contact in SITES10:
        given, family, kind, phone, mobile, email = contact or ("", "", "", "", "", "")
        rows.append(fill(s["header"], {
            "location_name": site, "street": street, "city": city, "state": region, "postalcode": code,
            "latitude": lat, "longitude": lon, "phone": line,
            "primary_contact": f"{given} {family}".strip(), "primary_contact_type": kind,
            "primary_contact_phone": phone, "primary_contact_mobile": mobile, "primary_contact_email": email}))
        p = person(given, family, org=site, emails=[email] if email else [])
        tels = [(BUSINESS, line)] + [(ANY, phone), ("CELL", mobile)]
        # The site is the organisation; its main line is the firm's; the caretaker's own number names no kind.
        want.append(card(p, tels=[t for t in tels if t[1]], adrs=[(None, street, city, region, code, "")]))
    return dict(source="servicetrade_locations", rows=rows, want=want)


SOURCES10 = ("Polecenie", "Facebook", "Strona www", "Targi Budma", "Google")
STAGES10 = ("Wycena", "Umowa", "Realizacja", "Zakończone")


def readybuild_contacts():
    """A Silesian renovation firm's clients for ReadyBuild: households with
    no company, firms with their contact and the firm's line as the second
    number, two firms alone; the voivodeship as state; lead sources,
    campaigns, stages, notes with commas, the old system's ids, ISO dates."""
    s = SOURCES["readybuild_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(CLIENTS10, 1):
        a = first_adr(p)
        alone = not p["given"]
        phone = first_of(p, "WORK") if alone else first_of(p, "CELL")
        second = "" if alone else first_of(p, "WORK")
        rows.append(fill(s["header"], {
            "company_name": p["org"], "first_name": p["given"], "last_name": p["family"],
            "email": p["emails"][0] if p["emails"] else "", "phone_number": phone, "secondary_phone": second,
            "job_title": p["job"], "address": a[1], "city": a[2], "state": a[3], "zip": a[4],
            "source": SOURCES10[k % 5], "campaign": "Wiosna 2025" if k % 3 == 0 else "",
            "status": "Active" if k % 4 else "Inactive", "sales_stage": STAGES10[k % 4], "website": p["url"],
            "notes": f"Łazienka, kuchnia, {('elewacja', 'dach', 'podłogi')[k % 3]}; oddzwonić po 16:00" if k % 2
            else "", "legacy_id": f"KL-{40 + 7 * k:04d}", "created_date": f"2024-{1 + k % 12:02d}-{3 + k:02d}"}))
        tels = [(BUSINESS if alone else ANY, phone), (ANY, second)]
        # A household has no company; the firm's line beside a person says only 'secondary'.
        want.append(card(p, tels=[t for t in tels if t[1]], adrs=[want_adr(a)], url=bool(p["url"])))
    return dict(source="readybuild_contacts", rows=rows, want=want)


COUNTRY_AS10 = {4: "AT", 10: "HU", 13: "AT"}


def moralius_accounts():
    """A Vienna cleaning firm's client accounts in Austria and Hungary for
    Moralius: the firm's own account managers' names, mailboxes and lines in
    every row, the client's contact with phone and mobile, TRUE/FALSE
    flags, the country named or coded; three accounts without a contact."""
    s = SOURCES["moralius_accounts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(ACCOUNTS10, 1):
        a = first_adr(p)
        mg, mf, me, mp = MANAGERS10[0] if a[5] == "Austria" else MANAGERS10[1]
        country = COUNTRY_AS10.get(k, a[5])
        phone, mobile = first_of(p, "WORK"), first_of(p, "CELL")
        rows.append(fill(s["header"], {
            "AccountName": p["org"], "AccountAddress": a[1], "AccountCity": a[2], "AccountPostCode": a[4],
            "AccountCountry": country, "AccountManagerFirstName": mg, "AccountManagerLastName": mf,
            "AccountManagerEmail": me, "AccountManagerPhone": mp, "AccountContactFirstName": p["given"],
            "AccountContactLastName": p["family"], "AccountContactEmail": p["emails"][0] if p["emails"] else "",
            "AccountContactPhone": phone, "AccountContactMobile": mobile,
            "AccountContactCanReceiveSiteVisitEmail": ("TRUE" if k % 3 else "FALSE") if p["given"] else "",
            "AccountContactCanLogin": ("FALSE" if k % 4 else "TRUE") if p["given"] else ""}))
        tels = [(ANY, phone), ("CELL", mobile)]
        # The account managers are the cleaning firm's staff: nobody on the card.
        want.append(card(p, title="", tels=[t for t in tels if t[1]], adrs=[want_adr(a, country=country)]))
    return dict(source="moralius_accounts", rows=rows, want=want)


def nowbookit_customers():
    """A Zagreb restaurant's guests for Now Book It: the mobile international
    or dialled at home, a landline as the additional number, the birthday
    in three columns (the year left out for some), TRUE/FALSE subscribed."""
    s = SOURCES["nowbookit_customers"]
    rows, want = [s["header"]], []
    for k, p in enumerate(GUESTS10, 1):
        a = first_adr(p)
        phone = first_of(p, "CELL")
        phone = at_home(phone) if k % 4 == 0 else phone
        extra = first_of(p, "HOME")
        y, m, d = p["birthday"] or ("", "", "")
        year = k % 5 != 0
        rows.append(fill(s["header"], {
            "First Name": p["given"], "Last Name": p["family"], "Phone": phone, "Additional Phone": extra,
            "Email": p["emails"][0] if p["emails"] else "", "Street Address": a[1] if a else "",
            "Suburb": a[2] if a else "", "Postcode": a[4] if a else "", "BirthdayDate": str(d), "BirthdayMonth": str(m),
            "BirthdayYear": str(y) if year else "", "Subscribed": "TRUE" if k % 3 else "FALSE"}))
        tels = [(ANY, phone), (ANY, extra)]
        # 'Phone' names no kind (the help only prefers a mobile); the suburb is the town.
        want.append(card(p, tels=[t for t in tels if t[1]], adrs=[want_adr(a)] if a else [],
                         birthday=year and bool(p["birthday"])))
    return dict(source="nowbookit_customers", rows=rows, want=want)


def pelcro_import():
    """A Prague travel magazine's subscribers for Pelcro's Import Tool: the
    language, the billing address, the shipping address written again the
    same for some and elsewhere (the reader's office) for three, plan, site
    and agency ids, the agency's own customer numbers for Slovak readers."""
    s = SOURCES["pelcro_import"]
    rows, want = [s["header"]], []
    for k, p in enumerate(READERS10, 1):
        a = first_adr(p)
        slovak = a[5] == "SK"
        ship = SHIPPED10.get(k) or ((a[1], a[2], a[4], a[5]) if k % 4 == 0 else None)
        values = {
            "first_name": p["given"], "last_name": p["family"], "email": p["emails"][0],
            "phone": first_of(p, "CELL"), "language": "sk" if slovak else "cs", "address_billing_line1": a[1],
            "address_billing_city": a[2], "address_billing_country": a[5], "address_billing_zip": a[4],
            "quantity": "2" if k % 6 == 0 else "1", "plan_id": "plan_tr12print" if k % 3 else "plan_tr12digi",
            "site_id": "1187", "agency_id": "AG-204" if slovak else "", "action": "create",
            "agency_customer_id": f"PNS{770410 + 13 * k}" if slovak else ""}
        if ship:
            values.update({"address_shipping_first_name": p["given"], "address_shipping_last_name": p["family"],
                           "address_shipping_line1": ship[0], "address_shipping_city": ship[1],
                           "address_shipping_zip": ship[2], "address_shipping_country": ship[3]})
        rows.append(fill(s["header"], values))
        adrs = [want_adr(a)]
        if k in SHIPPED10:
            adrs.append((None, ship[0], ship[1], "", ship[2], ship[3]))
        # An address written twice is one address; a reader's other shipping address is a second one.
        want.append(card(p, tels=[(ANY, first_of(p, "CELL"))] if first_of(p, "CELL") else [], adrs=adrs))
    return dict(source="pelcro_import", rows=rows, want=want)


def schedulista_clients():
    """A Kraków salon's clients for Schedulista: four columns, numbers as
    the stylists typed them (with or without +48, blanks or dashes, a
    landline), some without a family name, a mailbox or a number."""
    s = SOURCES["schedulista_clients"]
    rows, want = [s["header"]], []
    for p in SALON10:
        phone = first_of(p, "CELL")
        rows.append([p["given"], p["family"], p["emails"][0] if p["emails"] else "", phone])
        # FN is what names the client: the given name alone where no family name was typed.
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[]))
    return dict(source="schedulista_clients", rows=rows, want=want, line_end="\n")
