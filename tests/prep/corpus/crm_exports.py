"""Exports of CRMs and mailing tools: Salesforce, Zoho CRM, HubSpot,
Pipedrive, Oracle CRM On Demand and CiviCRM. Each maker returns a dict:
source, rows (header first), want (one per data row), and optionally
preamble, footer, separator, encoding, bom, quote_all, line_end."""
from export_kit import ANY, card, companies, fill, first_of, ident, iso, persons, work_address
from headers import SOURCES
from people import CROATIAN, CZECH, GERMAN, HUNGARIAN, POLISH, ROMANIAN, SLOVAK, SLOVENE


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
