#!/usr/bin/env python3
"""Writes the evaluation exports: contacts from people.py under the headers of
headers.py, in the encodings and with the untidiness those tools' files have,
each beside what its cards must hold (<name>.expected.json).

Usage: make_exports.py [--check] [FOLDER]   (default: the folder of this file)

It writes FOLDER/exports/<name>.csv with <name>.expected.json, and the layout
changes of some of them, which must give the same cards, as
FOLDER/variants/<base>.<change>.csv.

--check writes nothing and fails when a committed file differs from what this
script makes, so the exports and their expectations never drift apart.
"""
import json
import os
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from headers import OUTLOOK_COLUMNS, SOURCES  # noqa: E402
from people import (CROATIAN, CZECH, GERMAN, HUNGARIAN, POLISH, ROMANIAN, SLOVAK,  # noqa: E402
                    SLOVENE)

ANY = "*"  # a phone whose column says nothing of its type


def persons(group):
    return [p for p in group if p["given"]]


def companies(groups):
    """Company-only contacts: the groups' own, then each employer once, with
    its employee's work phone, fax and work address."""
    seen, out = set(), []
    for group in groups:
        for p in group:
            if p["org"] in seen or not p["org"]:
                continue
            seen.add(p["org"])
            if not p["given"]:
                out.append(p)
                continue
            out.append(dict(p, given="", family="", prefix="", suffix="", job="", emails=[], birthday=None,
                            nickname="", url="",
                            phones=[t for t in p["phones"] if t[0] in ("WORK", "FAX")],
                            adr=[a for a in p["adr"] if a[0] == "WORK"]))
    return out


def first_of(p, kind):
    return next((n for t, n in p["phones"] if t == kind), "")


def work_address(p):
    return next((a for a in p["adr"] if a[0] == "WORK"), p["adr"][0] if p["adr"] else None)


def iso(p):
    y, m, d = p["birthday"]
    return f"{y:04d}-{m:02d}-{d:02d}"


def card(p, fn=None, org=None, title=None, given=None, family=None, tels=(), emails=None, adrs=(), prefix=None,
         suffix=None, birthday=False, nickname=False, url=False):
    """What the card of `p` must hold where the export carries what is given."""
    company_only = not p["given"] and not p["family"]
    names = " ".join(x for x in (p["given"], p["family"]) if x)
    emails = p["emails"] if emails is None else emails
    return dict(
        fn=fn if fn is not None else (names or p["org"] or (emails[0] if emails else "")),
        given=p["given"] if given is None else given, family=p["family"] if family is None else family,
        org=p["org"] if org is None else org, title=p["job"] if title is None else title,
        prefix=p["prefix"] if prefix is None else prefix, suffix=p["suffix"] if suffix is None else suffix,
        tels=[list(t) for t in tels], emails=list(emails), adrs=[list(a) for a in adrs], company_only=company_only,
        extended=dict(bday=iso(p) if birthday and p["birthday"] else "", nickname=p["nickname"] if nickname else "",
                      url=p["url"] if url else ""))


def csv_text(rows, separator, quote_all=False, line_end="\r\n"):
    def field(value):
        if quote_all or any(ch in value for ch in (separator, '"', "\n", "\r")):
            return '"' + value.replace('"', '""') + '"'
        return value
    return "".join(separator.join(field(v) for v in row) + line_end for row in rows)


def fill(header, values):
    missing = set(values) - set(header)
    assert not missing, missing
    return [values.get(h, "") for h in header]


def ident(prefix, k, width=6):
    return f"{prefix}{k:0{width}d}"


# Each maker returns a dict: source, rows (header first), want (one per data
# row), and optionally preamble, footer, separator, encoding, bom, quote_all,
# line_end, note.


def salesforce_contact_api():
    s = SOURCES["salesforce_contact_api"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH) + persons(SLOVAK) + persons(POLISH)[:3], 1):
        a = p["adr"][0] if p["adr"] else None
        v = {"ID": "0035g00000" + ident("AbC", k, 5), "ACCOUNTID": "0015g00000" + ident("XyZ", k, 5),
             "SALUTATION": p["prefix"], "FIRSTNAME": p["given"], "LASTNAME": p["family"], "TITLE": p["job"],
             "PHONE": first_of(p, "WORK"), "MOBILEPHONE": first_of(p, "CELL"), "HOMEPHONE": first_of(p, "HOME"),
             "FAX": first_of(p, "FAX"), "EMAIL": p["emails"][0] if p["emails"] else "",
             "BIRTHDATE": iso(p) if p["birthday"] else "", "ISEMAILBOUNCED": "true" if k == 4 else "false",
             "EMAILBOUNCEDREASON": "550 5.1.1 User unknown" if k == 4 else "",
             "CREATEDDATE": f"2023-05-{k:02d}T09:12:44.000Z", "LASTACTIVITYDATE": f"2024-11-{k:02d}"}
        if a:
            v.update(MAILINGSTREET=a[1], MAILINGCITY=a[2], MAILINGSTATE=a[3], MAILINGPOSTALCODE=a[4],
                     MAILINGCOUNTRY=a[5])
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["PHONE"]), ("CELL", v["MOBILEPHONE"]), ("HOME", v["HOMEPHONE"]), ("FAX", v["FAX"])]
        want.append(card(p, org="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[(None,) + tuple(a[1:])] if a else [], birthday=True))
    return dict(source="salesforce_contact_api", rows=rows, want=want, quote_all=True)


def salesforce_contact_labels():
    """A report saved as CSV: a title line above, totals and a notice below."""
    s = SOURCES["salesforce_contact_labels"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(SLOVAK) + persons(HUNGARIAN) + persons(CZECH)[:2], 1):
        a = p["adr"][0] if p["adr"] else None
        v = {"Contact ID": "0035g00001" + ident("QrS", k, 5), "First Name": p["given"], "Last Name": p["family"],
             "Title": p["job"], "Business Phone": first_of(p, "WORK"), "Home Phone": first_of(p, "HOME"),
             "Business Fax": first_of(p, "FAX"), "Email": p["emails"][0] if p["emails"] else "",
             "Email Opt Out": "1" if k % 3 == 0 else "0", "Is Email Bounced": "0",
             "Birthdate": f"{p['birthday'][1]}/{p['birthday'][2]}/{p['birthday'][0]}" if p["birthday"] else "",
             "Created Date": f"9/{k}/2024", "Last Activity": f"11/{k}/2024"}
        if a:
            v.update({"Mailing Street": a[1], "Mailing City": a[2], "Mailing State": a[3],
                      "Mailing Postal Code": a[4], "Mailing Country": a[5]})
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["Business Phone"]), ("HOME", v["Home Phone"]), ("FAX", v["Business Fax"])]
        want.append(card(p, org="", tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[(None,) + tuple(a[1:])] if a else [], birthday=True))
    footer = ['""', f'"Grand Totals ({len(want)} records)"', '""', '"Confidential Information - Do Not Distribute"',
              '"Copyright (c) 2000-2026 salesforce.com, inc. All rights reserved."']
    return dict(source="salesforce_contact_labels", rows=rows, want=want, quote_all=True,
                preamble='"Contacts with e-mail - Slovakia and Hungary"\r\n""\r\n', footer="\r\n".join(footer) + "\r\n")


def salesforce_account_export():
    """Accounts: company-only cards; some billing streets hold the whole
    formatted address, the parts standing beside it as well."""
    s = SOURCES["salesforce_account_export"]
    rows, want = [s["header"]], []
    for k, p in enumerate(companies([CZECH, SLOVAK, POLISH, HUNGARIAN, GERMAN])[:20], 1):
        a = work_address(p)
        v = {"NAME": p["org"], "TYPE": "Customer - Direct" if k % 2 else "Customer - Channel",
             "PHONE": first_of(p, "WORK"), "FAX": first_of(p, "FAX"), "ACCOUNTNUMBER": f"CD{451795 + k}",
             "WEBSITE": p["url"], "SIC": "3712", "INDUSTRY": "Manufacturing", "ANNUALREVENUE": "3.00E+07",
             "NUMBEROFEMPLOYEES": str(40 + 7 * k), "OWNERSHIP": "Private", "RATING": "Warm",
             "ACCOUNTSOURCE": "Web", "DESCRIPTION": "Rámcová smlouva do 2027" if k == 2 else ""}
        if a:
            street = a[1]
            if k % 3 == 1:
                street = "\n".join(x for x in (a[1], f"{a[4]} {a[2]}", a[5]) if x.strip())
            v.update(BILLINGSTREET=street, BILLINGCITY=a[2], BILLINGSTATE=a[3], BILLINGPOSTALCODE=a[4],
                     BILLINGCOUNTRY=a[5])
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["PHONE"]), ("FAX", v["FAX"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=[],
                         adrs=[(None,) + tuple(a[1:])] if a else [], url=True))
    return dict(source="salesforce_account_export", rows=rows, want=want)


def zoho_crm_contact_labels():
    s = SOURCES["zoho_crm_contact_labels"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(GERMAN) + persons(CROATIAN) + persons(SLOVENE)[:2], 1):
        a = p["adr"][0] if p["adr"] else None
        v = {"Salutation": p["prefix"], "First name": p["given"], "Last name": p["family"], "Title": p["job"],
             "Email": p["emails"][0] if p["emails"] else "", "Phone": first_of(p, "WORK"),
             "Mobile": first_of(p, "CELL"), "Fax": first_of(p, "FAX"), "Account name": p["org"],
             "Lead source": ("Trade Show", "Web Download", "Partner")[k % 3],
             "Date of birth": "{2:02d}/{1:02d}/{0}".format(*p["birthday"]) if p["birthday"] else "",
             "Email opt out": "true" if k % 4 == 0 else "false",
             "Secondary email": p["emails"][1] if len(p["emails"]) > 1 else "",
             "Created time": f"2024-03-{k:02d} 10:22:31", "Modified time": f"2025-01-{k:02d} 08:00:00",
             "Skype ID": f"live:{p['given'].lower()}.{k}" if k % 5 == 0 else ""}
        if a:
            v.update({"Mailing street": a[1], "Mailing city": a[2], "Mailing state": a[3], "Mailing zip": a[4],
                      "Mailing country": a[5]})
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["Phone"]), ("CELL", v["Mobile"]), ("FAX", v["Fax"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:2],
                         adrs=[(None,) + tuple(a[1:])] if a else [], birthday=True))
    return dict(source="zoho_crm_contact_labels", rows=rows, want=want, bom=True)


def zoho_crm_contact_api():
    s = SOURCES["zoho_crm_contact_api"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(POLISH) + persons(SLOVENE) + persons(ROMANIAN)[:2], 1):
        a = p["adr"][0] if p["adr"] else None
        full = f"{p['given']} {p['family']}"
        v = {"id": f"4876876000000{k:06d}", "Lead_Source": "Cold Call" if k % 2 else "Employee Referral",
             "First_Name": p["given"], "Last_Name": p["family"], "Email": p["emails"][0] if p["emails"] else "",
             "Title": p["job"], "Phone": first_of(p, "WORK"), "Home_Phone": first_of(p, "HOME"),
             "Fax": first_of(p, "FAX"), "Mobile": first_of(p, "CELL"),
             "Date_of_Birth": iso(p) if p["birthday"] else "", "Created_Time": f"2023-0{1 + k % 9}-1{k % 10}T09:00:00+01:00",
             "Full_Name": full, "Description": "Poznali na targach w Kielcach" if k == 3 else "",
             "Email_Opt_Out": "true" if k % 3 == 0 else "false", "Salutation": p["prefix"],
             "Secondary_Email": p["emails"][1] if len(p["emails"]) > 1 else "",
             "Twitter": f"@{p['given'].lower()}_{k}" if k in (2, 9) else "",
             "Unsubscribed_Mode": "Consent form" if k % 3 == 0 else ""}
        if a:
            v.update(Mailing_Street=a[1], Mailing_City=a[2], Mailing_State=a[3], Mailing_Zip=a[4],
                     Mailing_Country=a[5])
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["Phone"]), ("HOME", v["Home_Phone"]), ("FAX", v["Fax"]), ("CELL", v["Mobile"])]
        want.append(card(p, fn=full, org="", tels=[t for t in tels if t[1]], emails=p["emails"][:2],
                         adrs=[(None,) + tuple(a[1:])] if a else [], birthday=True))
    return dict(source="zoho_crm_contact_api", rows=rows, want=want)


def zoho_crm_account_fivetran():
    """Accounts with their CRM users' e-mail addresses beside them: none of
    those is the company's."""
    s = SOURCES["zoho_crm_account_fivetran"]
    rows, want = [s["header"]], []
    for k, p in enumerate(companies([HUNGARIAN, SLOVAK, CZECH, CROATIAN, POLISH])[:18], 1):
        a = work_address(p)
        v = {"account_name": p["org"], "account_number": str(88000 + k), "account_type": "Customer",
             "annual_revenue": str(150000 * k), "created_by_email": "petra.svobodova@crm-firma.cz",
             "created_by_id": "2941000000187001", "created_by_name": "Petra Svobodová",
             "created_time": f"2022-06-{k:02d} 12:00:00", "currency": "EUR", "employees": str(12 * k),
             "exchange_rate": "1.0", "fax": first_of(p, "FAX"), "id": f"2941000000{k:06d}",
             "industry": "Retail", "last_activity_time": f"2025-02-{k:02d} 15:30:00",
             "modified_by_email": "tamas.kiss@crm-firma.hu", "modified_by_id": "2941000000187002",
             "modified_by_name": "Tamás Kiss", "modified_time": f"2025-02-{k:02d} 15:30:00",
             "owner_email": "petra.svobodova@crm-firma.cz", "owner_id": "2941000000187001",
             "owner_name": "Petra Svobodová", "ownership": "Private", "phone": first_of(p, "WORK"),
             "rating": "Active", "website": p["url"]}
        if a:
            v.update(billing_street=a[1], billing_city=a[2], billing_state=a[3], billing_code=a[4],
                     billing_country=a[5])
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["phone"]), ("FAX", v["fax"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=[], adrs=[(None,) + tuple(a[1:])] if a else [],
                         url=True))
    return dict(source="zoho_crm_account_fivetran", rows=rows, want=want)


def hubspot_contacts():
    s = SOURCES["hubspot_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(HUNGARIAN) + persons(ROMANIAN) + persons(CZECH)[:3], 1):
        a = p["adr"][0] if p["adr"] else None
        v = {"Record ID": str(5100 + 37 * k), "First name": p["given"], "Last name": p["family"],
             "Email": p["emails"][0] if p["emails"] else "", "Phone number": first_of(p, "WORK"),
             "Mobile phone number": first_of(p, "CELL"), "Job title": p["job"], "Company name": p["org"],
             "Website URL": p["url"], "Lifecycle stage": ("Lead", "Customer", "Subscriber")[k % 3],
             "Lead status": ("New", "Open", "In progress")[k % 3], "Contact owner": "Petra Svobodová",
             "LinkedIn Bio": "Marketing és értékesítés" if k == 2 else ""}
        if a:
            v.update({"City": a[2], "State/Region": a[3], "Country/Region": a[5], "Zip code": a[4]})
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["Phone number"]), ("CELL", v["Mobile phone number"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:1],
                         adrs=[(None, "", a[2], a[3], a[4], a[5])] if a else [], url=True))
    return dict(source="hubspot_contacts", rows=rows, want=want)


def pipedrive_people():
    """Several e-mails or phones of a person in one cell, as Pipedrive joins them."""
    s = SOURCES["pipedrive_people"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CROATIAN) + persons(SLOVENE) + persons(GERMAN)[:2], 1):
        full = f"{p['given']} {p['family']}"
        v = {"Person - Name": full, "Person - Email": ", ".join(p["emails"]),
             "Person - Phone": ", ".join(n for _, n in p["phones"]), "Organization - Name": p["org"],
             "Person - Label": ("Hot lead", "Warm lead", "Customer")[k % 3],
             "Person - Note": "Sajam u Zagrebu, 2024" if k == 1 else ""}
        rows.append(fill(s["header"], v))
        want.append(card(p, fn=full, title="", tels=[(ANY, n) for _, n in p["phones"]]))
    return dict(source="pipedrive_people", rows=rows, want=want)


def oracle_crm_accounts():
    """Account data file: the whole billing address in one cell, its parts set
    apart by two spaces; a contact's name and a user's e-mail beside."""
    s = SOURCES["oracle_crm_accounts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(companies([ROMANIAN, SLOVENE, CROATIAN, GERMAN, HUNGARIAN])[:18], 1):
        a = work_address(p)
        v = {"Account Name": p["org"], "Location": a[2] if a else "", "Main Phone #": first_of(p, "WORK"),
             "Main Fax #": first_of(p, "FAX"), "Web Site": p["url"], "Account Currency": "EUR",
             "Account Type": "Customer", "Priority": "Medium", "Industry": "Energy", "Public Company": "Y" if k % 2 else "N",
             "Region": "East", "Annual Revenues": "10,000.00", "Number of Employees": str(100 + k),
             "Primary_Contact": "Andrei Ionescu" if k % 2 else "Maja Kranjc", "Description": "",
             "Billing Address": "  ".join(x for x in (a[1], a[2], a[4], a[5]) if x) if a else "",
             "Custom Checkbox 0": "Y", "Custom Date 0": "11/14/08", "Custom Number 0": "1",
             "Modified by Email Address": "crm.admin@firma-crm.ro", "Owner_Full_Name": "Andrei Ionescu",
             "Row Id": f"AAA_2100{k:04d}", "Status": "Active"}
        rows.append(fill(s["header"], v))
        tels = [("WORK|VOICE", v["Main Phone #"]), ("FAX", v["Main Fax #"])]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=[],
                         adrs=[(None, a[1], a[2], "", a[4], a[5])] if a else [], url=True))
    return dict(source="oracle_crm_accounts", rows=rows, want=want)


def yeastar_pbx_contacts():
    """A phone system's contacts: postal code and town typed into one cell in
    some rows, and a mobile number a spreadsheet turned into 3,86415E+10."""
    s = SOURCES["yeastar_pbx_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(SLOVENE) + persons(CROATIAN) + persons(SLOVAK)[:3], 1):
        a = p["adr"][0] if p["adr"] else None
        cells = {"WORK": ["Work Number", "Work Number 2"], "CELL": ["Mobile", "Mobile 2"], "HOME": ["Home", "Home 2"],
                 "FAX": ["Work Fax"]}
        lost = []
        v, tels = {"First Name": p["given"], "Last Name": p["family"],
                   "Email": p["emails"][0] if p["emails"] else "", "Company": p["org"]}, []
        for kind, number in p["phones"]:
            column = cells[kind].pop(0)
            if k == 5 and kind == "CELL":
                v[column] = "3,86415E+10"   # the number is lost: no card may hold it as a phone
                lost = [v[column]]
                continue
            v[column] = number
            tels.append((kind, number))
        if a:
            if k % 4 == 2:
                v.update({"City": f"{a[4]} {a[2]}", "Street": a[1], "State": a[3], "Country": a[5]})
            else:
                v.update({"ZIP Code": a[4], "Street": a[1], "City": a[2], "State": a[3], "Country": a[5]})
        rows.append(fill(s["header"], v))
        want.append(dict(card(p, title="", tels=tels, emails=p["emails"][:1],
                              adrs=[(None,) + tuple(a[1:])] if a else []), lost=lost))
    return dict(source="yeastar_pbx_contacts", rows=rows, want=want)


def mapp_engage_export():
    """A mailing tool's member export: counts, flags and codes beside the
    person; the postal code alone makes an address."""
    s = SOURCES["mapp_engage_export"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(GERMAN) + persons(CZECH)[:8], 1):
        a = p["adr"][0] if p["adr"] else None
        v = {"user.Email": p["emails"][0], "user.FirstName": p["given"], "user.Identifier": p["emails"][0],
             "user.Bounced": "false", "User.DateOfBirth": iso(p) if p["birthday"] else "",
             "user.ISOCountryCode": "DE" if k <= 7 else "CZ", "user.ISOLanguageCode": "de" if k <= 7 else "cs",
             "user.LastName": p["family"], "user.MobileNumber": first_of(p, "CELL"), "user.Nickname": p["nickname"],
             "user.PK": str(1000020 + k), "user.RegistrationDate": f"2022-01-{k:02d} 14:33:00",
             "user.Source": "Website", "user.ZipCode": a[4] if a else "",
             "member.CreationDate": f"2022-01-{k:02d} 14:33:00", "member.Delivery": "true",
             "member.EmailFormat": "html", "member.MessageCounter": str((k * 7) % 5), "member.MobileFormat": "sms",
             "member.Role": "member"}
        rows.append(fill(s["header"], v))
        tels = [("CELL", v["user.MobileNumber"])] if v["user.MobileNumber"] else []
        want.append(card(p, org="", title="", tels=tels, emails=p["emails"][:1],
                         adrs=[(None, "", "", "", a[4], "")] if a else [], birthday=True, nickname=True))
    return dict(source="mapp_engage_export", rows=rows, want=want, separator=";")


def lyris_listmanager_report():
    s = SOURCES["lyris_listmanager_report"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH) + persons(SLOVAK), 1):
        full = " ".join(x for x in (p["prefix"] if k in (1, 3) else "", p["given"], p["family"]) if x)
        v = {"Member ID": str(1800 + k), "Email Address": p["emails"][0], "Full Name": full,
             "List": "novinky-cz" if k <= 7 else "novinky-sk", "Date Joined": f"2021-03-{k:02d} 10:11:12"}
        rows.append(fill(s["header"], v))
        want.append(card(p, fn=full, org="", title="", prefix=p["prefix"] if k in (1, 3) else "", suffix="",
                         emails=p["emails"][:1]))
    return dict(source="lyris_listmanager_report", rows=rows, want=want,
                preamble="ListManager report: members of novinky-cz, novinky-sk\r\n")


def coss_contacts_export():
    s = SOURCES["coss_contacts_export"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(SLOVAK) + persons(POLISH) + persons(HUNGARIAN)[:2], 1):
        a = p["adr"][0] if p["adr"] else None
        phone = p["phones"][0][1] if p["phones"] else ""
        v = {"email": p["emails"][0], "first_name": p["given"], "last_name": p["family"],
             "status": "unsubscribed" if k % 5 == 0 else "subscribed", "company": p["org"], "phone": phone,
             "city": a[2] if a else "", "created_at": f"2025-10-{k:02d}T08:15:00Z", "id": f"ct_01HZX{k:04d}QW"}
        rows.append(fill(s["header"], v))
        want.append(card(p, title="", tels=[(ANY, phone)] if phone else [], emails=p["emails"][:1],
                         adrs=[(None, "", a[2], "", "", "")] if a else []))
    return dict(source="coss_contacts_export", rows=rows, want=want, line_end="\n")


def emailit_contacts():
    s = SOURCES["emailit_contacts"]
    rows, want = [s["header"]], []
    people = persons(POLISH) + persons(CROATIAN) + companies([POLISH, CROATIAN])[:3]
    for p in people:
        v = {"email": p["emails"][0] if p["emails"] else "", "first_name": p["given"], "last_name": p["family"],
             "company": p["org"], "birthday": iso(p) if p["birthday"] else ""}
        rows.append(fill(s["header"], v))
        want.append(card(p, title="", emails=p["emails"][:1], birthday=True))
    return dict(source="emailit_contacts", rows=rows, want=want, line_end="\n")


def civicrm_export():
    """Individuals and organisations in one export, with do-not flags."""
    s = SOURCES["civicrm_export"]
    rows, want = [s["header"]], []
    people = persons(HUNGARIAN) + persons(ROMANIAN) + companies([HUNGARIAN, ROMANIAN])[:4]
    for k, p in enumerate(people, 1):
        org_row = not p["given"]
        shown = p["org"] if org_row else f"{p['given']} {p['family']}"
        v = {"contact_id": str(100 + k), "contact_type": "Organization" if org_row else "Individual",
             "sort_name": p["org"] if org_row else f"{p['family']}, {p['given']}", "display_name": shown,
             "do_not_email": "1" if k % 4 == 0 else "0", "do_not_phone": "0", "do_not_mail": "0",
             "do_not_sms": "1" if k % 3 == 0 else "0", "do_not_trade": "0", "is_opt_out": "0",
             "external_identifier": f"EXT-{100 + k:05d}", "nick_name": p["nickname"],
             "legal_name": p["org"] if org_row else "", "preferred_communication_method": "Email",
             "preferred_language": "hu_HU" if k <= 7 else "ro_RO", "preferred_mail_format": "Both",
             "hash": f"a{k:02d}b3c4d5e", "contact_source": "Import 2023", "first_name": p["given"],
             "last_name": p["family"]}
        rows.append(fill(s["header"], v))
        want.append(card(p, fn=shown, org=p["org"] if org_row else "", title="", emails=[], nickname=True))
    return dict(source="civicrm_export", rows=rows, want=want)


def cvent_contacts():
    """Saved from a spreadsheet as "Unicode text": UTF-16 with tabs."""
    s = SOURCES["cvent_contacts"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(GERMAN) + persons(SLOVENE) + persons(CROATIAN)[:2], 1):
        v = {"SourceId": f"CV-{7000 + k}", "FirstName": p["given"], "LastName": p["family"],
             "EmailAddress": p["emails"][0], "CCEmailAddress": p["emails"][1] if len(p["emails"]) > 1 else "",
             "Company": p["org"], "Title": p["job"], "ContactType": "Attendee", "ContactTypeCode": "ATT",
             "Salutation": p["prefix"], "Nickname": p["nickname"], "Active": "True", "ExcludedFromEmail": "False",
             "OptedIn": "True" if k % 2 else "False", "CreatedDate": f"2024-0{1 + k % 9}-15T10:00:00",
             "CreatedBy": "cvent.admin", "LastModifiedDate": "2025-01-20T08:30:00", "LastModifiedBy": "cvent.admin",
             "EmailAddressStatus": "Valid", "HomePhone": first_of(p, "HOME"),
             "HomeFax": "", "PrimaryAddressType": "Work"}
        adrs = []
        for a in p["adr"]:
            side = "Home" if a[0] == "HOME" else "Work"
            v.update({f"{side}Address1": a[1], f"{side}City": a[2], f"{side}State": a[3], f"{side}PostalCode": a[4],
                      f"{side}Country": a[5]})
            adrs.append((a[0],) + tuple(a[1:]))
        rows.append(fill(s["header"], v))
        tels = [("HOME", v["HomePhone"])] if v["HomePhone"] else []
        want.append(card(p, tels=tels, emails=p["emails"][:2], adrs=adrs, nickname=True))
    return dict(source="cvent_contacts", rows=rows, want=want, separator="\t", encoding="utf-16-le", bom=True,
                quote_all=False)


def alamode_contact_import():
    """A sheet made for an import, saved by a Czech Excel: ';', code page 1250,
    birthdays as the spreadsheet's date numbers, a mobile number in exponent form."""
    s = SOURCES["alamode_contact_import"]
    rows, want = [s["header"]], []
    for k, p in enumerate(persons(CZECH) + persons(HUNGARIAN), 1):
        v = {"FirstName": p["given"], "LastName": p["family"], "JobTitle": p["job"], "Company": p["org"],
             "Suffix": p["suffix"], "Title": p["prefix"], "Fax": first_of(p, "FAX"),
             "HomePhone": first_of(p, "HOME"), "BusinessPhone": first_of(p, "WORK"), "CellPhone": first_of(p, "CELL"),
             "Notes": "volat dopoledne" if k == 2 else ""}
        tels = [("HOME", v["HomePhone"]), ("WORK", v["BusinessPhone"]), ("CELL", v["CellPhone"]), ("FAX", v["Fax"])]
        if k == 6 and v["CellPhone"]:
            v["CellPhone"] = "4,20739E+11"   # the number is lost: no card may hold it as a phone
            tels = [t for t in tels if t[0] != "CELL"]
            lost = [v["CellPhone"]]
        else:
            lost = []
        mails = p["emails"][:2]
        if p["org"]:
            v.update(BusinessEmail=mails[0], BusinessEmailDisplayName=f"{p['given']} {p['family']}")
            if len(mails) > 1:
                v.update(HomeEmail=mails[1], HomeEmailDisplayName=f"{p['given']} {p['family']}")
        else:
            v.update(HomeEmail=mails[0], HomeEmailDisplayName=f"{p['given']} {p['family']}")
            if len(mails) > 1:
                v.update(BusinessEmail=mails[1], BusinessEmailDisplayName=f"{p['given']} {p['family']}")
        adrs = []
        for a in p["adr"]:
            if a[0] == "HOME":
                v.update(HomeAddress1=a[1], HomeCity=a[2], HomeState=a[3], HomeZip=a[4], HomeCountry=a[5])
            else:
                v.update(BusinessAddress1=a[1], BusinessCity=a[2], BusinessState=a[3], BusinessZip=a[4],
                         BusinessCountry=a[5])
            adrs.append(a)
        if p["birthday"]:
            import datetime
            y, m, d = p["birthday"]
            v["BirthDate"] = str((datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days)
        rows.append(fill(s["header"], v))
        want.append(dict(card(p, tels=[t for t in tels if t[1]], emails=mails, adrs=adrs, birthday=True), lost=lost))
    return dict(source="alamode_contact_import", rows=rows, want=want, separator=";", encoding="cp1250")


# Dolibarr's contact export fields, in the module's order (Mobile left out:
# no stored translation names it).
DOLIBARR_FIELDS = ["IdContact", "CivilityCode", "Lastname", "Firstname", "PostOrFunction", "DateCreation",
                   "DateLastModification", "ContactPrivate", "Address", "Zip", "Town", "State", "Country",
                   "CountryCode", "Phone", "Fax", "EMail", "IdCompany", "CompanyName", "Status", "CustomerCode",
                   "SupplierCode", "Customer", "Supplier"]


def dolibarr(source, people, separator, encoding, left_out=(), footer="", country_code=""):
    """Dolibarr's contacts export: the labels of the chosen fields in the interface language."""
    s = SOURCES[source]
    fields = [f for f in DOLIBARR_FIELDS if f not in left_out]
    assert len(fields) == len(s["header"])
    rows, want = [s["header"]], []
    for k, p in enumerate(people, 1):
        a = p["adr"][0] if p["adr"] else None
        v = dict(IdContact=str(40 + k), Lastname=p["family"], Firstname=p["given"], PostOrFunction=p["job"],
                 DateCreation=f"2024-02-{k:02d} 10:11:12", DateLastModification=f"2025-0{1 + k % 9}-0{1 + k % 9} 09:00:00",
                 ContactPrivate="0", Phone=first_of(p, "WORK"), Fax=first_of(p, "FAX"),
                 EMail=p["emails"][0] if p["emails"] else "", IdCompany=str(10 + k), CompanyName=p["org"],
                 Status="1", CustomerCode=f"CU2402-{k:04d}" if p["org"] else "", Customer="1" if p["org"] else "0",
                 Supplier="0", CountryCode=country_code)
        if a:
            v.update(Address=a[1], Zip=a[4], Town=a[2], State=a[3], Country=a[5])
        rows.append([v.get(f, "") for f in fields])
        tels = [("WORK|VOICE", first_of(p, "WORK")), ("FAX", first_of(p, "FAX"))]
        # A Hungarian layout names people family name first, as Outlook in Hungarian does.
        fn = f"{p['family']} {p['given']}" if s["language"] == "hu" else None
        want.append(card(p, fn=fn, tels=[t for t in tels if t[1]],
                         emails=p["emails"][:1] if "EMail" in fields else [], prefix="",
                         adrs=[(None,) + tuple(a[1:])] if a else []))
    return dict(source=source, rows=rows, want=want, separator=separator, encoding=encoding, footer=footer)


def dolibarr_contacts_sl():
    return dolibarr("dolibarr_contacts_sl", persons(SLOVENE) + persons(CROATIAN) + persons(GERMAN)[:2], ",", "utf-8")


def dolibarr_contacts_hr():
    return dolibarr("dolibarr_contacts_hr", persons(CROATIAN) + persons(SLOVENE) + persons(HUNGARIAN)[:2], ";",
                    "cp1250", footer=f"Ukupno: {len(persons(CROATIAN) + persons(SLOVENE)) + 2} kontakata\r\n")


def dolibarr_contacts_ro():
    return dolibarr("dolibarr_contacts_ro", persons(ROMANIAN) + persons(HUNGARIAN) + persons(SLOVENE)[:2], ";", "utf-8",
                    left_out=["EMail"])


def dolibarr_contacts_cs():
    return dolibarr("dolibarr_contacts_cs", persons(CZECH) + persons(SLOVAK), ";", "cp1250", country_code="CZ")


def dolibarr_contacts_hu():
    return dolibarr("dolibarr_contacts_hu", persons(HUNGARIAN) + persons(POLISH), ",", "utf-8",
                    left_out=["DateCreation", "DateLastModification", "EMail"], country_code="HU")


GOOGLE_LABELS = {"cs": {"CELL": "mobil", "WORK": "práce", "HOME": "domů", "FAX": "fax práce"},
                 "hu": {"CELL": "mobil", "WORK": "munkahelyi", "HOME": "otthoni", "FAX": "fax"}}
ADR_LABELS = {"cs": {"WORK": "práce", "HOME": "domů"}, "hu": {"WORK": "Munkahelyi", "HOME": "Otthoni"}}


def google_contacts_custom_labels():
    """Google's own layout, with the labels people type in their language:
    the label says the type, and is no phone nor street itself."""
    s = SOURCES["google_contacts"]
    h = s["header"]
    rows, want = [h], []
    for k, p in enumerate(persons(CZECH) + persons(HUNGARIAN), 1):
        lang = "cs" if k <= len(persons(CZECH)) else "hu"
        v = {"First Name": p["given"], "Last Name": p["family"], "Name Prefix": p["prefix"],
             "Name Suffix": p["suffix"], "Nickname": p["nickname"], "Organization Name": p["org"],
             "Organization Title": p["job"], "Birthday": iso(p) if p["birthday"] else "",
             "Labels": "* myContacts", "Website 1 - Label": "Work" if p["url"] else "", "Website 1 - Value": p["url"]}
        for n, mail in enumerate(p["emails"][:2], 1):
            v[f"E-mail {n} - Label"] = ("* " if n == 1 else "") + ("práce" if lang == "cs" else "munkahelyi")
            v[f"E-mail {n} - Value"] = mail
        for n, (kind, number) in enumerate(p["phones"][:3], 1):
            v[f"Phone {n} - Label"] = GOOGLE_LABELS[lang][kind]
            v[f"Phone {n} - Value"] = number
        adrs = []
        for a in p["adr"][:1]:
            v.update({"Address 1 - Label": ADR_LABELS[lang][a[0]], "Address 1 - Street": a[1],
                      "Address 1 - City": a[2], "Address 1 - Region": a[3], "Address 1 - Postal Code": a[4],
                      "Address 1 - Country": a[5],
                      "Address 1 - Formatted": "\n".join(x for x in (a[1], f"{a[4]} {a[2]}", a[5]) if x.strip())})
            adrs.append(a)
        rows.append(fill(h, v))
        want.append(card(p, tels=p["phones"][:3], emails=p["emails"][:2], adrs=adrs, birthday=True, nickname=True,
                         url=True))
    return dict(source="google_contacts", rows=rows, want=want)


def thunderbird():
    """Thunderbird's own layout; the birthday in three columns."""
    s = SOURCES["thunderbird"]
    h = s["header"]
    rows, want = [h], []
    phones = {"WORK": "Work Phone", "HOME": "Home Phone", "FAX": "Fax Number", "CELL": "Mobile Number"}
    for p in persons(GERMAN) + persons(POLISH) + persons(SLOVAK)[:2]:
        full = f"{p['given']} {p['family']}"
        v = {"First Name": p["given"], "Last Name": p["family"], "Display Name": full, "Nickname": p["nickname"],
             "Job Title": p["job"], "Organization": p["org"], "Web Page 1": p["url"]}
        v.update(zip(["Primary Email", "Secondary Email"], p["emails"]))
        tels = []
        for kind, number in p["phones"]:
            if phones[kind] not in v:
                v[phones[kind]] = number
                tels.append((kind, number))
        adrs = []
        for a in p["adr"]:
            side = "Work" if a[0] == "WORK" else "Home"
            v.update({f"{side} Address": a[1], f"{side} City": a[2], f"{side} State": a[3], f"{side} ZipCode": a[4],
                      f"{side} Country": a[5]})
            adrs.append(a)
        if p["birthday"]:
            v.update({"Birth Year": str(p["birthday"][0]), "Birth Month": str(p["birthday"][1]),
                      "Birth Day": str(p["birthday"][2])})
        rows.append(fill(h, v))
        want.append(card(p, fn=full, prefix="", suffix="", tels=tels, emails=p["emails"][:2], adrs=adrs,
                         birthday=True, nickname=True, url=True))
    return dict(source="thunderbird", rows=rows, want=want)


def outlook(lang):
    """Outlook's export in one of its languages: every field quoted."""
    source = {"en": "outlook_english", "de": "outlook_german", "cs": "outlook_czech"}[lang]
    s = SOURCES[source]
    c = OUTLOOK_COLUMNS[lang]
    h = s["header"]
    rows, want = [h], []
    extra = {"en": dict(gender="Unspecified", priority="Normal", private="False", sensitivity="Normal"),
             "de": dict(gender="Unbestimmt", priority="Normal", private="Aus", sensitivity="Normal"),
             "cs": dict(gender="Neurčeno", priority="Normální", private="Nepravda", sensitivity="Normální")}[lang]
    for k, p in enumerate(persons(CZECH) + persons(SLOVAK) + companies([CZECH, SLOVAK])[:3], 1):
        v = {c[key]: value for key, value in extra.items()}
        v.update({c["prefix"]: p["prefix"], c["given"]: p["given"], c["family"]: p["family"], c["org"]: p["org"],
                  c["job"]: p["job"], c["fax"]: first_of(p, "FAX"), c["work"]: first_of(p, "WORK"),
                  c["home"]: first_of(p, "HOME"), c["cell"]: first_of(p, "CELL"), c["web"]: p["url"]})
        if p["birthday"]:
            y, m, d = p["birthday"]
            v[c["birthday"]] = {"en": f"{m}/{d}/{y}", "de": f"{d:02d}.{m:02d}.{y}", "cs": f"{d}.{m}.{y}"}[lang]
        for a in p["adr"]:
            side = "work" if a[0] == "WORK" else "home"
            v.update({c[f"{side}_street"]: a[1], c[f"{side}_city"]: a[2], c[f"{side}_code"]: a[4],
                      c[f"{side}_country"]: a[5]})
        if p["emails"]:
            shown = " ".join(x for x in (p["given"], p["family"]) if x) or p["org"]
            v.update({c["email"]: p["emails"][0], c["email_type"]: "SMTP",
                      c["email_shown"]: f"{shown} ({p['emails'][0]})"})
        if len(p["emails"]) > 1:
            v[c["email2"]] = p["emails"][1]
        rows.append(fill(h, {k2: v2 for k2, v2 in v.items() if v2}))
        tels = [("WORK", first_of(p, "WORK")), ("HOME", first_of(p, "HOME")), ("CELL", first_of(p, "CELL")),
                ("FAX", first_of(p, "FAX"))]
        want.append(card(p, tels=[t for t in tels if t[1]], emails=p["emails"][:2],
                         adrs=[(a[0], a[1], a[2], "", a[4], a[5]) for a in p["adr"]], birthday=True, url=True))
    return dict(source=source, rows=rows, want=want, quote_all=True, encoding="cp1250")


def outlook_english():
    return outlook("en")


EXPORTS = {
    "salesforce_contacts_dataloader": salesforce_contact_api,
    "salesforce_contacts_report": salesforce_contact_labels,
    "salesforce_accounts": salesforce_account_export,
    "zoho_contacts": zoho_crm_contact_labels,
    "zoho_contacts_api": zoho_crm_contact_api,
    "zoho_accounts_warehouse": zoho_crm_account_fivetran,
    "hubspot_contacts": hubspot_contacts,
    "pipedrive_people": pipedrive_people,
    "oracle_crm_accounts": oracle_crm_accounts,
    "yeastar_pbx_contacts": yeastar_pbx_contacts,
    "mapp_members": mapp_engage_export,
    "lyris_members_report": lyris_listmanager_report,
    "coss_contacts": coss_contacts_export,
    "emailit_contacts": emailit_contacts,
    "civicrm_contacts": civicrm_export,
    "cvent_contacts": cvent_contacts,
    "alamode_import_sheet": alamode_contact_import,
    "dolibarr_contacts_sl": dolibarr_contacts_sl,
    "dolibarr_contacts_hr": dolibarr_contacts_hr,
    "dolibarr_contacts_ro": dolibarr_contacts_ro,
    "dolibarr_contacts_cs": dolibarr_contacts_cs,
    "dolibarr_contacts_hu": dolibarr_contacts_hu,
    "google_custom_labels": google_contacts_custom_labels,
    "outlook_english": outlook_english,
    "thunderbird_birthdays": thunderbird,
}


def shuffled(made):
    """The same export with its columns in another order."""
    import random
    order = list(range(len(made["rows"][0])))
    random.Random(7).shuffle(order)
    return dict(made, rows=[[row[i] for i in order] for row in made["rows"]])


def with_extra_columns(made):
    """The same export with columns of ids, dates, flags and empty ones added
    at its start, middle and end (names as the documented CRMs write them)."""
    middle = len(made["rows"][0]) // 2
    rows = []
    for k, row in enumerate(made["rows"]):
        if k == 0:
            start, mid, end = ["Record ID", ""], ["Created Date", "Email Opt Out"], ["Is Email Bounced", "", "Row Id"]
        else:
            start = [f"00{48000 + k}", ""]
            mid = [f"2024-0{1 + k % 9}-1{k % 10} 08:30:00", "true" if k % 3 == 0 else "false"]
            end = ["false", "", f"AAA_{21000000 + k}"]
        rows.append(start + row[:middle] + mid + row[middle:] + end)
    return dict(made, rows=rows)


def with_title_and_footer(made):
    """The same export below a title line and above a footer, as reports are saved."""
    count = len(made["rows"]) - 1
    return dict(made, preamble=made.get("preamble", "") + "Adresář kontaktů - export 9. 12. 2026\r\n\r\n",
                footer=made.get("footer", "") + f"\r\nCelkem: {count} kontaktů\r\n")


# Layout changes that must leave every card as it is: variant -> (base export, change).
VARIANTS = {
    "outlook_english.german": ("outlook_english", lambda made: outlook("de")),
    "outlook_english.czech": ("outlook_english", lambda made: outlook("cs")),
    "outlook_english.shuffled": ("outlook_english", shuffled),
    "outlook_english.extra_columns": ("outlook_english", with_extra_columns),
    "outlook_english.title_footer": ("outlook_english", with_title_and_footer),
    "google_custom_labels.shuffled": ("google_custom_labels", shuffled),
    "google_custom_labels.extra_columns": ("google_custom_labels", with_extra_columns),
    "google_custom_labels.title_footer": ("google_custom_labels", with_title_and_footer),
    "emailit_contacts.shuffled": ("emailit_contacts", shuffled),
    "emailit_contacts.extra_columns": ("emailit_contacts", with_extra_columns),
    "emailit_contacts.title_footer": ("emailit_contacts", with_title_and_footer),
    "hubspot_contacts.shuffled": ("hubspot_contacts", shuffled),
    "hubspot_contacts.extra_columns": ("hubspot_contacts", with_extra_columns),
    "hubspot_contacts.title_footer": ("hubspot_contacts", with_title_and_footer),
    "yeastar_pbx_contacts.shuffled": ("yeastar_pbx_contacts", shuffled),
    "yeastar_pbx_contacts.extra_columns": ("yeastar_pbx_contacts", with_extra_columns),
    "yeastar_pbx_contacts.title_footer": ("yeastar_pbx_contacts", with_title_and_footer),
}


def render(made):
    """The export's bytes, and its expectations as stored beside it."""
    s = SOURCES[made["source"]]
    separator = made.get("separator", s["separator"])
    encoding = made.get("encoding", s["encoding"])
    line_end = made.get("line_end", "\r\n")
    text = made.get("preamble", "") + csv_text(made["rows"], separator, made.get("quote_all", False), line_end) \
        + made.get("footer", "")
    data = (("\ufeff" if made.get("bom") else "") + text).encode(encoding)
    header = made["rows"][0]
    contacts = []
    for row, want in zip(made["rows"][1:], made["want"]):
        want = dict(want, cells=[cell for cell in row if cell.strip()])
        contacts.append(want)
    meta = dict(source=made["source"], source_name=s["source"], language=s["language"], separator=separator,
                encoding=encoding + (" with signature" if made.get("bom") else ""), columns=len(header),
                contacts=contacts)
    return data, (json.dumps(meta, ensure_ascii=False, indent=1) + "\n").encode("utf-8")


def main():
    args = sys.argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    folder = args[0] if args else HERE
    files = []
    for name, make in EXPORTS.items():
        data, expected = render(make())
        files += [(os.path.join("exports", name + ".csv"), data),
                  (os.path.join("exports", name + ".expected.json"), expected)]
    for name, (base, change) in VARIANTS.items():
        data, _ = render(change(EXPORTS[base]()))
        files.append((os.path.join("variants", name + ".csv"), data))
    stale = []
    for relative, content in files:
        path = os.path.join(folder, relative)
        if check:
            try:
                with open(path, "rb") as f:
                    if f.read() != content:
                        stale.append(path)
            except OSError:
                stale.append(path)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(content)
    if stale:
        print("stale, run make_exports.py again: " + ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
