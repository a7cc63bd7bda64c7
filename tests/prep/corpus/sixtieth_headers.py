"""Headers of the sixtieth held-out set (tests/prep/corpus/sixtieth): none of
these sources is in headers.py nor in any of the later *_headers.py files
(unseen_headers.py to fiftyninth_headers.py), nor in layouts_test.py, nor in
their NOT_FOUND lists. The entries are as in headers.py: source, language of
the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "ispbills_customers": dict(
        source="ISPBills (billing and PPPoE management for internet providers: 'Import Customers')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Import Customers' (docs.ispbills.com/docs/en/customers/import_customers): 'The"
              " column order and headings must match exactly': Username ('The PPPoE login username'), Password, Full"
              " Name, Phone ('Customer's mobile number'), Email, Operator, Package, Billing Profile, Zone, Address"
              " ('Customer's physical address'); 'Leave optional fields blank ... do not delete the columns'. CSV or"
              " Excel; UTF-8 without a signature and CRLF taken",
        header=["Username", "Password", "Full Name", "Phone", "Email", "Operator", "Package", "Billing Profile",
                "Zone", "Address"]),
    "zalultra_subscribers": dict(
        source="Zal Ultra (OneZeroArt: internet provider's subscriber management, 'Import Subscriber')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Import Subscriber' (docs.onezeroart.com/zalultra/subscriber/import_subscriber.html),"
              " the numbered attributes: Fullname, Username, Connection Password, Identity ('User national identity"
              " number'), Phone, Email, Address ('Try to insert short address'), Salesperson, Package, Country,"
              " Province, City ('Insert city id not city name'), Area and Subarea (ids as well), Department, Isp,"
              " Branch, Nas, Profile Status, Connection Type ('1 (Radius PPPoE), 2 (Radius Hotspot) ...'), Box"
              " Number, Box Address ('where is the box or tower located'), Uplink Port, Fiber Code, Fiber Color,"
              " Switch Board, Switch Port, Backup Connection; the stored copy breaks off in the next attribute"
              " (Electric Socket), so the list ends before it. CSV or Excel; UTF-8 without a signature and CRLF"
              " taken",
        header=["Fullname", "Username", "Connection Password", "Identity", "Phone", "Email", "Address",
                "Salesperson", "Package", "Country", "Province", "City", "Area", "Subarea", "Department", "Isp",
                "Branch", "Nas", "Profile Status", "Connection Type", "Box Number", "Box Address", "Uplink Port",
                "Fiber Code", "Fiber Color", "Switch Board", "Switch Port", "Backup Connection"]),
    "zalpro_users": dict(
        source="Zal Pro (OneZeroArt's earlier internet provider's billing: 'User -> Import Users')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'User -> Import Users' (doc.onezeroart.com/zalpro/pages/user/import_mass_user.php):"
              " 'Make sure you did not changed any column name in Zal Pro CSV file', the numbered attributes: Full"
              " Name, Identity Number, Mobile Number ('You must insert mobile number with country code'), User Name,"
              " Password, Connection Type ('1 (Radius PPPoE), 2 (Radius Hotspot) ...'), Expiration Date ('01 Jan"
              " 2020 23:59'), Package Id, Nas Id, Static Ip; the stored copy breaks off after Static Ip, so the list"
              " ends there. UTF-8 without a signature and CRLF taken",
        header=["Full Name", "Identity Number", "Mobile Number", "User Name", "Password", "Connection Type",
                "Expiration Date", "Package Id", "Nas Id", "Static Ip"]),
    "platimport_customers": dict(
        source="Platypus billing's migration import (platimport.serverplus.com: 'customers.csv', one row per"
               " customer of a subscription billing system)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the import guide's page 'customer format' (platimport.serverplus.com/customer%20format.html),"
              " 'Filename: customers.csv ... The columns for this file are': name ('Full name of the customer (or"
              " company name if business account)'), address, address2, username, status ('active', 'hold' or"
              " 'cancel'), password, city, state ('2 character state abbreveation'), zip, phone ('10 digit"
              " including area code i.e. 8015551234'), email, statement_method ('CREDIT CARD', 'ECHECK', 'EMAIL' or"
              " 'PAPER'); the card and bank columns that follow (ccexp_year, ccnumber, bank_account_type ...) are"
              " left out, as in a file for customers billed by e-mail or paper. UTF-8 without a signature and"
              " CRLF taken",
        header=["name", "address", "address2", "username", "status", "password", "city", "state", "zip", "phone",
                "email", "statement_method"]),
    "utilmate_caf": dict(
        source="Utilmate (billing for New Zealand and Australian power, gas and water retailers: the Customer"
               " Activation File)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Customer activation file - available columns' (utilmate.zendesk.com/hc/en-us/"
              "articles/360036894994), its table: account_name ('Can be an individual, a husband and wife or a"
              " company/business name'), account_number, sales_cust_number, customer_type_code ('RESIDENT, COMPANY,"
              " OCCUPIER or SUNDRY'), customer_sub_type_code ('OWNER or TENANT'), account_manager, district_code,"
              " bill_cycle_code, promo_allowed, payment_method_type, dd_bank_account_name, dd_bank_account_number,"
              " dd_credit_card_name, dd_credit_card_number, dd_credit_card_expiry, invoice_delivery_class,"
              " bond_amount, customer_notes, contact1_first_name, contact1_last_name, contact1_phone_std ('The area"
              " code. E.g 03'), contact1_phone_no ('The landline phone number'), contact1_mobile_std,"
              " contact1_mobile_no; the stored copy ends there, so the list does. Saved as 'CSV UTF-8' by a New"
              " Zealand Excel (',', a signature, CRLF)",
        header=["account_name", "account_number", "sales_cust_number", "customer_type_code", "customer_sub_type_code",
                "account_manager", "district_code", "bill_cycle_code", "promo_allowed", "payment_method_type",
                "dd_bank_account_name", "dd_bank_account_number", "dd_credit_card_name", "dd_credit_card_number",
                "dd_credit_card_expiry", "invoice_delivery_class", "bond_amount", "customer_notes",
                "contact1_first_name", "contact1_last_name", "contact1_phone_std", "contact1_phone_no",
                "contact1_mobile_std", "contact1_mobile_no"]),
    "webeoc_recipients": dict(
        source="WebEOC (Juvare: emergency operations centres of counties and cities, Alerts, 'Import Account"
               " Contacts': the external recipients' template)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the product's help 'Import Account Contacts' (confluence.juvare.com/display/PKC/"
              "Import+Account+Contacts): 'ImportAccountsTemplate.csv ... Retain the header row, as is', 'Enter the"
              " recipients' information, including LAST_NAME, FIRST_NAME, EMAIL, STATUS, ADDRESS, CONTACT_EMAIL_1,"
              " CONTACT_EMAIL_2, CONTACT_PHONE_NUMBER_TEXT, CONTACT_PHONE_NUMBER_VOICE, and"
              " CONTACT_PHONE_NUMBER_FAX'; 'Duplicate email addresses and phone numbers for a contact are"
              " disregarded'. UTF-8 without a signature and CRLF taken",
        header=["LAST_NAME", "FIRST_NAME", "EMAIL", "STATUS", "ADDRESS", "CONTACT_EMAIL_1", "CONTACT_EMAIL_2",
                "CONTACT_PHONE_NUMBER_TEXT", "CONTACT_PHONE_NUMBER_VOICE", "CONTACT_PHONE_NUMBER_FAX"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Internet providers: Splynx, UISP / UCRM (nothing stored with a column list), Controllr (BRByte: the column"
    " order is in the stored copy's pictures only), Freeside (its import page is the"
    " program's own source, not read)",
    "Telecom: Deutsche Telekom Cloud PBX 'Arbeitsplatz Listenimport' (the columns are in the Excel template"
    " only), TeamSIP Web (a STARFACE white label, already in sixth_headers.py's list)",
    "Waste and municipal services: Trash Flow (columns in any order, mapped by hand), Roundsman (only the day"
    " columns' formats are described), Navusoft (the account import's columns are in a picture), Supatrak"
    " (an API resource, no file), Rave Alert (columns mapped by the vendor)",
    "Parking: ARMS Parking, FlashParking, Parkalot, Offstreet (templates downloaded from the product, columns"
    " not listed)",
    "Energy: EnergyForce's balances import (a pipe-delimited file without a header row), Chellow and the broker"
    " tools (supply and bill files, not customers)",
]
