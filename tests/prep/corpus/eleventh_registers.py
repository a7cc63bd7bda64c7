"""Eleventh held-out set, the rest: an online shop's customer addresses and
another shop's customers, an asset register's people, a salon's clients, a
CRM's persons, a partner portal's users. Each maker returns a dict as
crm_exports.py's do."""
import json

from eleventh_clients import ADDRESSES11, ASSETS11, BUYERS11, PERSONS11, PORTAL11, SALON11
from eleventh_headers import SOURCES
from export_kit import ANY, card, fill
from people import person
from unseen_kit import csv_when

LABEL_KINDS11 = {"work": "WORK", "home": "HOME"}


def magento_customer_address():
    """A Prague e-shop's customer addresses in Magento's import format:
    website code, entity ids, academic titles as the prefix, four firms
    with VAT ids and the VIES check's date, id and result, streets over two
    lines for two, regions for Czech customers only, postal codes with and
    without the blank, numbers with +420 or bare, default flags; values with
    a blank quoted as Magento's sample has them."""
    s = SOURCES["magento_customer_address"]
    rows, want = [s["header"]], []
    for k, (mail, prefix, given, family, firm, street, town, region, code, country, phone, fax, vat) in enumerate(
            ADDRESSES11, 1):
        rows.append(fill(s["header"], {
            "_website": "base", "_email": mail, "_entity_id": str(40 + 3 * k), "city": town, "company": firm,
            "country_id": country, "fax": fax, "firstname": given, "lastname": family, "postcode": code,
            "prefix": prefix, "region": region, "street": street, "telephone": phone, "vat_id": vat,
            "vat_is_valid": "1" if vat else "", "vat_request_date": f"2024-0{k % 9 + 1}-1{k % 10} 09:4{k % 10}:12"
            if vat else "", "vat_request_id": f"WAPIAAAAY{k * 7331:06d}" if vat else "",
            "vat_request_success": "1" if vat else "", "_address_default_billing_": "1",
            "_address_default_shipping_": "1"}))
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax)) if n]
        # The account's mailbox is the customer's; a street over two lines is one street; the country is the
        # code written; 'telephone' names no kind.
        p = person(given, family, prefix=prefix, org=firm, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, street, town, region, code, country)]))
    text = csv_when(rows, ",", lambda value: " " in value)
    return dict(source="magento_customer_address", rows=rows, want=want, text=text)


def bagisto_customers():
    """A Ljubljana e-shop's customers for Bagisto's import: customer groups,
    numbers at home or international, some without a number or a birth
    date, genders."""
    s = SOURCES["bagisto_customers"]
    rows, want = [s["header"]], []
    for mail, group, given, family, phone, born, gender in BUYERS11:
        rows.append([mail, group, given, family, phone, "%04d-%02d-%02d" % born if born else "", gender])
        # A wholesale customer's row names a person, no firm; 'phone' names no kind.
        want.append(card(person(given, family, emails=[mail], birthday=born), tels=[(ANY, phone)] if phone else [],
                         adrs=[], birthday=True))
    return dict(source="bagisto_customers", rows=rows, want=want, line_end="\n")


def snipeit_users():
    """A Hungarian machine builder's staff in Snipe-IT's user import as its
    sample writes them: logins, the site the assets stand at, numbers as
    '36-(30)441-2093', job titles, staff numbers, two firms of one group,
    VIP flags."""
    s = SOURCES["snipeit_users"]
    rows, want = [s["header"]], []
    for given, family, mail, login, site, phone, job, number, firm, vip in ASSETS11:
        rows.append([given, family, mail, login, site, phone, job, number, firm, vip])
        # The site is where the assets stand, no address; the layout is English, so FN is given name first.
        want.append(card(person(given, family, org=firm, job=job, emails=[mail]),
                         tels=[(ANY, phone)] if phone else [], adrs=[]))
    return dict(source="snipeit_users", rows=rows, want=want)


def salontrac_clients():
    """A Brno hair salon's clients in SalonTrac's client file: the town
    alone in 'City & Province/state', postal codes with and without the
    blank, mobiles with or without +420, landlines as second numbers,
    notes with commas; one client without an address, three without a
    mailbox; written on a Czech Windows."""
    s = SOURCES["salontrac_clients"]
    rows, want = [s["header"]], []
    for given, family, street, town, code, mail, first, second, note in SALON11:
        rows.append([given, family, street, town, code, mail, first, second, note])
        tels = [(ANY, n) for n in (first, second) if n]
        # Neither number's column names its kind; no column names a country.
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels,
                         adrs=[(None, street, town, "", code, "")] if street or town else []))
    return dict(source="salontrac_clients", rows=rows, want=want)


def krayin_persons():
    """A Cluj software firm's CRM persons in Krayin's import format: the
    whole name, mailboxes and numbers as JSON lists with their labels, the
    firm as a number, the owning user's id; two persons without a firm or a
    job."""
    s = SOURCES["krayin_persons"]
    rows, want = [s["header"]], []
    for name, mails, numbers, firm_id, job, owner in PERSONS11:
        rows.append([name, json.dumps([{"label": la, "value": v} for la, v in mails], ensure_ascii=False),
                     json.dumps([{"label": la, "value": v} for la, v in numbers]) if numbers else "",
                     str(firm_id), job, str(owner)])
        given, family = name.split(" ", 1)
        # Each label gives its number's kind; the firm is only an id, so no organisation; the owner is a CRM user.
        want.append(card(person(given, family, job=job, emails=[v for _, v in mails]), fn=name,
                         tels=[(LABEL_KINDS11[la], v) for la, v in numbers], adrs=[]))
    return dict(source="krayin_persons", rows=rows, want=want, line_end="\n")


def fingerprint(k):
    return ":".join(f"{(k * 53 + i * 29) % 256:02X}" for i in range(20))


def informatica_b2b_web_users():
    """Trading partners' users of a Ljubljana distributor's B2B portal in
    Informatica B2B Data Exchange: the template, logins, first passwords in
    clear or hashed with their algorithm, notes on what each user does,
    partner firms, numbers with or without the country's code, certificate
    fingerprints for those that send by AS2 or HTTPS."""
    s = SOURCES["informatica_b2b_web_users"]
    rows, want = [s["header"]], []
    for k, (login, given, family, note, firm, mail, phone, certificate) in enumerate(PORTAL11, 1):
        hashed = k % 3 == 0
        rows.append(fill(s["header"], {
            "WebUserTemplate": "PartnerDefault", "UserName": login,
            "Password": f"q{k * 4093:06d}Ukx9PmA3nZ7rT+Hw2s/{k:02d}Lc=" if hashed else f"Partner{2024 + k % 3}!{k}",
            "PasswordAlgorithm": "SHA-256" if hashed else "", "FirstName": given, "LastName": family,
            "Description": note, "Organization": firm, "Email": mail, "Phone": phone,
            "HTTPSFingerprint": fingerprint(k) if certificate and k % 2 else "",
            "AS2Fingerprint": fingerprint(k + 40) if certificate else "", "FTPESFingerprint": ""}))
        # The partner firm is the organisation; the description is no job title; fingerprints are nobody's.
        want.append(card(person(given, family, org=firm, emails=[mail]), tels=[(ANY, phone)] if phone else [],
                         adrs=[]))
    return dict(source="informatica_b2b_web_users", rows=rows, want=want)
