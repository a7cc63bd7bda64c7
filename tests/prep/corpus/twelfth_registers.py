"""Twelfth held-out set, the rest: a university's receivables customers, a
glassworks' customers in an order manager, a print shop's suppliers'
people, a web shop's customers in a shipping program, a family practice's
patients on a portal, a screening program's patients. Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card, csv_text, fill
from people import company, person
from twelfth_clients import ACCOUNTS12, PATIENTS12, SCREENED12, SHOPPERS12, SUPPLIERS12, TRADE12
from twelfth_exports import given_first
from twelfth_headers import SOURCES


def kfs_customers():
    """A university's receivables customers in Kuali's Customer CSV Upload:
    universities and firms abroad and in Hawaii, a contact's name and number
    beside the customer's main line, toll-free numbers, the billing mailbox
    beside the contact's, foreign provinces and mail codes in their own
    columns, US states and ZIP codes in theirs, type and tax codes, credit
    limits, three customers with an alternate address on the next row with
    no customer name."""
    s = SOURCES["kfs_customers"]
    rows, want, lines = [s["header"]], [], [s["header"]]
    for k, (number, name, contact, phone, free, contact_phone, fax, mail, billing_mail, street, street2, town,
            state, zip_code, country, province, mail_code, alternate) in enumerate(ACCOUNTS12, 1):
        foreign = country != "US"
        row = fill(s["header"], {
            "customerNumber": number, "customerName": name, "customerTypeCode": "05" if foreign else "02",
            "customerLastActivityDate": f"{1 + k % 12:02d}/{10 + k:02d}/2025", "customerTaxTypeCode": "FEIN"
            if not foreign else "", "customerTaxNbr": f"{990000000 + 4321 * k}" if not foreign else "",
            "customerActiveIndicator": "Y", "customerPhoneNumber": phone, "customer800PhoneNumber": free,
            "customerContactName": contact, "customerContactPhoneNumber": contact_phone, "customerFaxNumber": fax,
            "customerTaxExemptIndicator": "Y" if foreign else "N",
            "customerCreditLimitAmount": f"{5000 + 2500 * (k % 4)}.00",
            "customerCreditApprovedByName": "Lani Fujimoto" if k % 2 else "", "customerEmailAddress": mail,
            "customerAddressName": name, "customerLine1StreetAddress": street, "customerLine2StreetAddress": street2,
            "customerCityName": town, "customerStateCode": state, "customerZipCode": zip_code,
            "customerCountryCode": country, "customerAddressInternationalProvinceName": province,
            "customerInternationalMailCode": mail_code, "customerAddressEmail": billing_mail,
            "customerAddressTypeCode": "P"})
        rows.append(row)
        lines.append(row)
        # A US address's region and code are its state and ZIP; a foreign one's its province and mail code. The
        # second line is no part of the street. The country is the code written.
        adrs = [(None, street, town, state if not foreign else province, zip_code if not foreign else mail_code,
                 country)]
        if alternate:
            a_name, a_street, a_town, a_region, a_code, a_country = alternate
            a_foreign = a_country != "US"
            lines.append(fill(s["header"], {
                "customerAddressName": a_name, "customerLine1StreetAddress": a_street, "customerCityName": a_town,
                "customerStateCode": "" if a_foreign else a_region, "customerZipCode": "" if a_foreign else a_code,
                "customerCountryCode": a_country,
                "customerAddressInternationalProvinceName": a_region if a_foreign else "",
                "customerInternationalMailCode": a_code if a_foreign else "", "customerAddressTypeCode": "A"}))
            # A row without a customer name is the preceding customer's alternate address: a second address
            # of that card, no card of its own.
            adrs.append((None, a_street, a_town, a_region, a_code, a_country))
        emails = [m for m in (mail, billing_mail) if m]
        firm_tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("WORK|VOICE", free), ("FAX", fax)) if n]
        if contact:
            # The contact is the person at the customer; the customer's lines are WORK or VOICE, the contact's
            # own number names no kind; both mailboxes are e-mails of the card.
            given, family = given_first(contact)
            tels = firm_tels + ([(ANY, contact_phone)] if contact_phone else [])
            want.append(card(person(given, family, org=name, emails=emails), fn=contact, tels=tels, adrs=adrs))
        else:
            want.append(card(company(name, emails=emails), tels=firm_tels, adrs=adrs))
    return dict(source="kfs_customers", rows=rows, want=want, text=csv_text(lines, ","))


def bizwizard_customers():
    """A Czech glassworks' trading customers in BizWizard Order Manager's
    tab-delimited file: upper-case headers, an attention line (a person, or
    a department for one), the seller's own sales representatives, credit
    limits and terms, billing and shipping addresses, the shipping one the
    same for most, elsewhere for four, empty for two; US states; countries
    named in English; no mailbox column."""
    s = SOURCES["bizwizard_customers"]
    rows, want = [s["header"]], []
    for k, (number, name, attention, phone, fax, rep, street, street2, town, state, code, country,
            shipping) in enumerate(TRADE12, 1):
        v = {"CUSTOMER ACCOUNT NUMBER": number, "CUSTOMER NAME": name, "ATTENTION LINE": attention,
             "MAIN VOICE TELEPHONE": phone, "MAIN FAX TELEPHONE": fax, "SALES REPRESENTATIVE": rep,
             "TAX EXEMPTION NUMBER": f"EX-{70400 + k}" if country == "United States" and k % 2 else "",
             "CREDIT LIMIT": f"{2000 + 1000 * (k % 5)}.00", "PAYMENT TERMS": "Net 30" if k % 3 else "Prepaid",
             "BILLING ADDRESS LINE ONE": street, "BILLING ADDRESS LINE TWO": street2, "BILLING CITY": town,
             "BILLING STATE": state, "BILLING ZIP CODE": code, "BILLING ADDRESS COUNTRY": country,
             "SHIPPING METHOD": "UPS Ground" if country == "United States" else ("DPD" if k % 2 else "PPL")}
        adrs = [(None, street, town, state, code, country)]
        if shipping == "same":
            v.update({"SHIPPING ADDRESS LINE ONE": street, "SHIPPING ADDRESS LINE TWO": street2,
                      "SHIPPING CITY": town, "SHIPPING STATE": state, "SHIPPING ZIP CODE": code,
                      "SHIPPING ADDRESS COUNTRY": country})
        elif shipping:
            s_street, s_street2, s_town, s_state, s_code, s_country = shipping
            v.update({"SHIPPING ADDRESS LINE ONE": s_street, "SHIPPING ADDRESS LINE TWO": s_street2,
                      "SHIPPING CITY": s_town, "SHIPPING STATE": s_state, "SHIPPING ZIP CODE": s_code,
                      "SHIPPING ADDRESS COUNTRY": s_country})
            adrs.append((None, s_street, s_town, s_state, s_code, s_country))
        rows.append(fill(s["header"], v))
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("FAX", fax)) if n]
        # An address written twice is one address; a shipping address elsewhere is a second one; line two is no
        # part of the street; the sales representative is the seller's, nobody on the card; the attention line
        # is the person at the customer unless it names a department ('Nákupní oddělení'), which is nobody.
        if attention and attention != "Nákupní oddělení":
            # 'Kovácsné Tóth Mária' is a Hungarian married name, family name first: given 'Mária'.
            if attention.startswith("Kovácsné"):
                given, family = "Mária", "Kovácsné Tóth"
            else:
                given, family = given_first(attention)
            want.append(card(person(given, family, org=name), fn=attention, tels=tels, emails=[], adrs=adrs))
        else:
            want.append(card(company(name), tels=tels, emails=[], adrs=adrs))
    return dict(source="bizwizard_customers", rows=rows, want=want)


def docketmanager_vendor_contacts():
    """A Brno print shop's suppliers' people from DocketManager: ids, the
    whole name, job titles in Czech, Slovak, Polish and Slovene, vendor
    numbers and names, two people at one bindery, role, login and password
    left blank as the import asks, one contact marked deleted, a haulier
    without a mailbox."""
    s = SOURCES["docketmanager_vendor_contacts"]
    rows, want = [s["header"]], []
    for ident, name, title, vendor_no, vendor, phone, fax, mail, deleted in SUPPLIERS12:
        rows.append(fill(s["header"], {
            "Id": ident, "Name": name, "Title": title, "Vendor Number": vendor_no, "Vendor Name": vendor,
            "Phone Number": phone, "Fax Number": fax, "Email Address": mail, "Is Deleted": deleted}))
        given, family = given_first(name)
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax)) if n]
        # The contact at the vendor; 'Title' is the job; 'Phone Number' names no kind; a contact marked deleted
        # is a row of the file and a card all the same.
        want.append(card(person(given, family, org=vendor, job=title, emails=[mail] if mail else []), fn=name,
                         tels=tels, adrs=[]))
    return dict(source="docketmanager_vendor_contacts", rows=rows, want=want)


def webship_customers():
    """A Viennese stationery web shop's customers in Webship Online's
    template: firms with their contact, private customers by name, a firm
    without a contact, VAT ids, an address addition ('Top 4', '3. Stock'),
    federal states for Austria and Bavaria only, country codes, shipping
    addresses the same, elsewhere (a warehouse, a c/o address) or empty."""
    s = SOURCES["webship_customers"]
    rows, want = [s["header"]], []
    for number, name, contact, mail, phone, mobile, vat, billing, shipping in SHOPPERS12:
        street, extra, code, town, state, country = billing
        v = {"client_number": number, "name": name, "contact": contact, "email": mail, "phone": phone,
             "mobile": mobile, "vat": vat, "billing_address_1": street, "billing_address_2": extra,
             "billing_postal_code": code, "billing_city": town, "billing_province_state": state,
             "billing_country": country}
        adrs = [(None, street, town, state, code, country)]
        if shipping == "same":
            v.update({"shipping_name": name, "shipping_address_1": street, "shipping_address_2": extra,
                      "shipping_postal_code": code, "shipping_city": town, "shipping_province_state": state,
                      "shipping_country": country})
        elif shipping:
            s_name, s_street, s_extra, s_code, s_town, s_state, s_country = shipping
            v.update({"shipping_name": s_name, "shipping_address_1": s_street, "shipping_address_2": s_extra,
                      "shipping_postal_code": s_code, "shipping_city": s_town, "shipping_province_state": s_state,
                      "shipping_country": s_country})
            adrs.append((None, s_street, s_town, s_state, s_code, s_country))
        rows.append(fill(s["header"], v))
        # 'name' is the firm where a contact is given or a VAT id says it is one, else the private customer; the
        # address addition and the shipping name are no part of the address; an address written twice is one
        # address; 'phone' is WORK or VOICE for a firm, untyped for a private customer; 'mobile' is CELL.
        firm = bool(contact or vat)
        tels = [(t, n) for t, n in (("WORK|VOICE" if firm else ANY, phone), ("CELL", mobile)) if n]
        if firm and contact:
            given, family = given_first(contact)
            want.append(card(person(given, family, org=name, emails=[mail]), tels=tels, adrs=adrs))
        elif firm:
            want.append(card(company(name, emails=[mail]), tels=tels, adrs=adrs))
        else:
            given, family = given_first(name)
            want.append(card(person(given, family, emails=[mail]), tels=tels, adrs=adrs))
    return dict(source="webship_customers", rows=rows, want=want)


def mdy(text):
    m, d, y = text.split("/")
    return int(y), int(m), int(d)


def link2md_patients():
    """A Chicago family practice's patients for its Link2MD portal: logins,
    suffixes, US dates, a child's row under a parent's mailbox and number
    with the parent as the insured and as the primary record, an apartment
    as address2, time zones, the practice's name as 'client', languages."""
    s = SOURCES["link2md_patients"]
    rows, want = [s["header"]], []
    for k, (login, mail, given, family, suffix, born, sex, phone, cell, street, apartment, town, code, record,
            primary, insured, language) in enumerate(PATIENTS12, 1):
        holder = (given, family, born, sex) if insured == "self" else insured
        rows.append(fill(s["header"], {
            "username": login, "portal_user_id": str(48210 + 3 * k) if k % 4 else "", "email": mail,
            "first_name": given, "last_name": family, "suffix": suffix, "dob": born, "sex": sex,
            "timezone": "America/Chicago", "phone": phone, "cell": cell, "address1": street, "address2": apartment,
            "city": town, "state": "IL", "zip": code, "country": "US", "client_identifier": record,
            "primary_client_identifier": primary, "active": "TRUE", "insurance_first_name": holder[0],
            "insurance_last_name": holder[1], "insurance_dob": holder[2], "insurance_sex": holder[3],
            "insurance_member_id": f"XOF{700120000 + 977 * k}" if insured == "self" else
            f"XOF{700120000 + 977 * (k - 1)}", "insurance_group_id": "GRP-55120", "insurance_payer_id": "00621",
            "client": "Jefferson Park Family Medicine", "language": language}))
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", cell)) if n]
        # The insured is nobody on the card, even where it is the patient; the practice ('client') is no
        # organisation of the patient; the apartment is no part of the street; the suffix is the name's.
        p = person(given, family, suffix=suffix, emails=[mail] if mail else [], birthday=mdy(born))
        want.append(card(p, tels=tels, adrs=[(None, street, town, "IL", code, "US")], birthday=True))
    return dict(source="link2md_patients", rows=rows, want=want)


def workflowhealth_patients():
    """A Pittsburgh screening program's patients in Workflow Health's
    template: middle names for most, US dates without leading zeros,
    ethnicity and race, dashed numbers, mailboxes missing for four, the
    county, the care organization and its clinic, authorization and
    screening status."""
    s = SOURCES["workflowhealth_patients"]
    rows, want = [s["header"]], []
    for k, (given, middle, family, born, gender, phone, mail, street, town, code, county, location) in enumerate(
            SCREENED12, 1):
        rows.append(fill(s["header"], {
            "patient_first_name": given, "patient_middle_name": middle, "patient_last_name": family,
            "patient_dob": born, "patient_gender": gender, "patient_ethnicity": "Not Hispanic or Latino",
            "patient_race": "White", "patient_phone_number": phone, "patient_email": mail, "patient_street": street,
            "patient_city": town, "patient_state": "PA", "patient_zip_code": code, "patient_county": county,
            "patient_organization": "Three Rivers Community Health", "patient_location": location,
            "patient_authorization_status": "Authorized - Digital" if mail else "Authorized - Verbal",
            "patient_screening_status": "Active" if k % 5 else "Completed"}))
        # The middle name is no part of FN; the care organization and clinic are no organisation of the patient;
        # the county is no part of the address; the state is the region; no column names a country.
        p = person(given, family, emails=[mail] if mail else [], birthday=mdy(born))
        want.append(card(p, tels=[(ANY, phone)], adrs=[(None, street, town, "PA", code, "")], birthday=True))
    return dict(source="workflowhealth_patients", rows=rows, want=want)
