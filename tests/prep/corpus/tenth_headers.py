"""Headers of the tenth held-out set (tests/prep/corpus/tenth): none of these
sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py, ninth_headers.py nor layouts_test.py, nor in their
NOT_FOUND lists. The entries are as in headers.py: source, language of the
columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "servicetrade_locations": dict(
        source="ServiceTrade (field service management: customers' job sites by its location import template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="support.servicetrade.com/hc/en-us/articles/1500004685882-Bulk-Importing-Locations, 'Location Import"
              " Template Field Definitions': location_name, street, city, state ('Must be abbreviated to 2"
              " characters'), postalcode, latitude, longitude, phone ('The location's main phone number'),"
              " primary_contact ('The name of the person who is the primary contact'), primary_contact_type,"
              " primary_contact_phone, primary_contact_mobile, primary_contact_alternate_phone,"
              " primary_contact_email; the stored copy breaks off after primary_contact_email, so the list ends"
              " there; the template is a CSV download",
        header=["location_name", "street", "city", "state", "postalcode", "latitude", "longitude", "phone",
                "primary_contact", "primary_contact_type", "primary_contact_phone", "primary_contact_mobile",
                "primary_contact_alternate_phone", "primary_contact_email"]),
    "readybuild_contacts": dict(
        source="ReadyBuild (CRM and project management for builders: client contacts by its import template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="docs.readybuild.com/contacts/contacts-import, 'Template Fields' in its tables' order: company_name"
              " ('Company or household name'), first_name, last_name, email, phone_number, secondary_phone,"
              " job_title, address, city, state, zip, source, campaign, status, sales_stage, website, notes,"
              " legacy_id ('ID from previous system'), created_date ('2024-01-15'); its example row is"
              " comma-separated",
        header=["company_name", "first_name", "last_name", "email", "phone_number", "secondary_phone", "job_title",
                "address", "city", "state", "zip", "source", "campaign", "status", "sales_stage", "website", "notes",
                "legacy_id", "created_date"]),
    "moralius_accounts": dict(
        source="Moralius (quality and ticket management for facility services: client accounts by its import"
               " template)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="asc-moraliussite-prod-we.azurewebsites.net/support/guides/configuration/setup-wizard/"
              "property-management, 'Import Accounts': 'The columns of the file are the following': AccountName *,"
              " AccountAddress *, AccountCity *, AccountPostCode *, AccountCountry, AccountManagerFirstName *,"
              " AccountManagerLastName *, AccountManagerEmail *, AccountManagerPhone, AccountContactFirstName,"
              " AccountContactLastName, AccountContactEmail, AccountContactPhone, AccountContactMobile,"
              " AccountContactCanReceiveSiteVisitEmail, AccountContactCanLogin, PropertyName *, ...; the"
              " columns up to AccountContactCanLogin are taken (the property, service and subcontractor columns"
              " after them are left out); the template is an Excel file, saved as CSV (UTF-8, ',') here",
        header=["AccountName", "AccountAddress", "AccountCity", "AccountPostCode", "AccountCountry",
                "AccountManagerFirstName", "AccountManagerLastName", "AccountManagerEmail", "AccountManagerPhone",
                "AccountContactFirstName", "AccountContactLastName", "AccountContactEmail", "AccountContactPhone",
                "AccountContactMobile", "AccountContactCanReceiveSiteVisitEmail", "AccountContactCanLogin"]),
    "nowbookit_customers": dict(
        source="Now Book It (restaurant bookings: customers by its customer importer)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="kb.nowbookit.com/knowledge/import-customer-guide ('Customer Import CSV Format'): 'Each of the fields"
              " in the list below must appear on the first line verbatim in the order specified and must be"
              " separated by a comma': 1 First Name, 2 Last Name, 3 Phone ('primary phone number (preferably"
              " mobile) in international format'), 4 Additional Phone, 5 Email, 6 Street Address, 7 Suburb, 8"
              " Postcode, 9 BirthdayDate, 10 BirthdayMonth, 11 BirthdayYear, 12 Subscribed; the stored copy"
              " breaks off in Subscribed's description, so the list ends there",
        header=["First Name", "Last Name", "Phone", "Additional Phone", "Email", "Street Address", "Suburb",
                "Postcode", "BirthdayDate", "BirthdayMonth", "BirthdayYear", "Subscribed"]),
    "pelcro_import": dict(
        source="Pelcro (subscriptions for publishers: customers and subscriptions by its Import Tool)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="docs.pelcro.com/docs/import-tool, 'File Structure': 'Below are all the required headers. Copy and"
              " paste these columns, using comma as the separator: first_name,last_name,email,phone,language,"
              "address_billing_line1,address_billing_line2,address_billing_city,address_billing_state,"
              "address_billing_country,address_billing_zip,address_billing_phone,address_shipping_first_name,"
              "address_shipping_last_name,address_shipping_line1,address_shipping_line2,address_shipping_city,"
              "address_shipping_state,address_shipping_country,address_shipping_zip,address_shipping_phone,"
              "quantity,plan_id,site_id,agency_id,action,agency_customer_id'; 'Encoding: UTF-8'",
        header=["first_name", "last_name", "email", "phone", "language", "address_billing_line1",
                "address_billing_line2", "address_billing_city", "address_billing_state", "address_billing_country",
                "address_billing_zip", "address_billing_phone", "address_shipping_first_name",
                "address_shipping_last_name", "address_shipping_line1", "address_shipping_line2",
                "address_shipping_city", "address_shipping_state", "address_shipping_country",
                "address_shipping_zip", "address_shipping_phone", "quantity", "plan_id", "site_id", "agency_id",
                "action", "agency_customer_id"]),
    "schedulista_clients": dict(
        source="Schedulista (appointment booking: clients imported from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.schedulista.com/clients/your-client-list/importing-exporting-clients: 'you will need to make"
              " sure that columns in the file have headers ... Schedulista accepts the following client"
              " attributes: first name, last name, email, phone'; 'Only the first name field is required'",
        header=["first name", "last name", "email", "phone"]),
    "kerio_connect_users": dict(
        source="Kerio Connect (mail server from a Czech maker: user accounts imported from a CSV file)",
        language="en", separator=";", encoding="cp1250", documented_as="header row",
        where="kb.kerio.com/product/kerio-connect/server-configuration/export-and-migration/importing-users-in-"
              "kerio-connect-1170.html: 'Using semicolons (;). In this case, you can separate multiple values of a"
              " field with commas': 'Name;Password;FullName;Description;MailAddress;Groups' with rows"
              " 'abird;VbD66op1;Alexandra Bird;Development;abird;read,all'; manuals.kerio.com's admin guide:"
              " 'MailAddress — ... Only the part preceding the at-sign should be inserted'; the file is saved by"
              " a Czech office's Excel, so code page 1250 (the import dialog lets one pick the file's encoding)",
        header=["Name", "Password", "FullName", "Description", "MailAddress", "Groups"]),
    "huawei_espace_contacts": dict(
        source="Huawei eSpace 7910/7950 IP phone (contacts file exported and imported on its web page)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="manualshive.com, eSpace 7910&7950 IP Phone User Guide, Issue 03, p. 46, 'Table 5-2 Parameter"
              " description' of 'a contact file in .CSV format': NAME, NICKNAME, UCACCOUNT, USERURI ('Enterprise"
              " domain name'), COMPANY, DEPARTMENT, POSITION, ID ('Employee ID'), RING, ADDRTYPE ('0: local"
              " address book'), GROUP, DEFAULTNUM ('0: office number ... 2: mobile number'), CONTYPE ('The"
              " default value is 1'); 'the encoding format is UTF-8', '.CSV (Comma delimited)'; the stored page"
              " ends after CONTYPE, so the list (and the file) has no number columns",
        header=["NAME", "NICKNAME", "UCACCOUNT", "USERURI", "COMPANY", "DEPARTMENT", "POSITION", "ID", "RING",
                "ADDRTYPE", "GROUP", "DEFAULTNUM", "CONTYPE"]),
    "oci_identity_users": dict(
        source="Oracle Cloud Infrastructure Identity Domains (user accounts imported or exported as CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="docs.oracle.com/en-us/iaas/Content/Identity/datatransfer/list-user-attributes-csv-column-headers.htm"
              " ('Column Header User Attributes'): 'Use these user attributes as column headers while importing or"
              " exporting user accounts using a CSV file'; of its list (User Name, Active, Work Address Street,"
              " Work Address Locality, Work Address Region, ... Display Name, Work Email, Home Email, ... First"
              " Name, Middle Name, Last Name, ... Work Phone, Mobile No, Home Phone, ... Title, ... Department, ..."
              " Employee Number, Manager, Organization Name, ...) the columns a staff list uses are taken, in the"
              " list's order",
        header=["User Name", "Active", "Work Address Street", "Work Address Locality", "Work Address Region",
                "Work Address Postal Code", "Work Address Country", "Display Name", "Work Email", "Home Email",
                "First Name", "Middle Name", "Last Name", "Work Phone", "Mobile No", "Home Phone", "Title",
                "Department", "Employee Number", "Manager", "Organization Name"]),
    "dayross_contacts": dict(
        source="Day & Ross (freight carrier: its shippers' address book from the contacts import template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="dayross.com/Tutorials-Importing-Contacts, the template's 'Column Name | Instructions': Nickname*,"
              " ContactName* ('First and last name of Contact'), ContactCompanyName*, Address1*, Address2,"
              " City*, Province* ('province code (2 digits)'), Country* ('CA for Canada; US for United States'),"
              " PostalCode* ('There can be no spaces'), EmailAddress* ('If you do not have one, please use"
              " something like ...'), PhoneNumber* ('without spaces or dashes'), PhoneNumberExtension,"
              " ContactType*; the stored copy breaks off before ContactType's codes, so that column is left"
              " empty here",
        header=["Nickname", "ContactName", "ContactCompanyName", "Address1", "Address2", "City", "Province",
                "Country", "PostalCode", "EmailAddress", "PhoneNumber", "PhoneNumberExtension", "ContactType"]),
    "fishbowl_customers": dict(
        source="Fishbowl Inventory (customers by its CSV import, the same format as its export)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="fishbowlhelp.com/files/csv/importCustomer.html, 'Column Name | Type | Description': Name ('This"
              " must be the first column'), AddressName, AddressContact ('the attention/contact/firstline of the"
              " address'), AddressType ('10 - Ship To 20 - Bill To 30 - Remit To 40 - Home 50 - Main Office'),"
              " IsDefault, Address, City, State, Zip, Country ('The country name or code'), Residential, Main"
              " ('The Main contact information'), Home, Work, Mobile; the stored copy breaks off at Mobile, so the"
              " list ends there",
        header=["Name", "AddressName", "AddressContact", "AddressType", "IsDefault", "Address", "City", "State",
                "Zip", "Country", "Residential", "Main", "Home", "Work", "Mobile"]),
    "sentinel_ems_contacts": dict(
        source="Thales Sentinel EMS (software entitlements: contacts imported from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="docs.sentinel.thalesgroup.com/softwareandservices/ems/EMSdocs/FITUG/supportedCSVFormatsImport.htm,"
              " 'CSV File Format for Contacts': 'The following is a sample CSV file format for importing contact"
              " data: contactEmail,contactPassword,contactName,contactNumber,locale,refId1,refId2,shipAddr ...';"
              " the stored copy breaks off after shipAddr, so the header ends there; 'save the CSV file in UTF-8"
              " format'",
        header=["contactEmail", "contactPassword", "contactName", "contactNumber", "locale", "refId1", "refId2",
                "shipAddr"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs and pages), beyond the other header modules' lists.
NOT_FOUND = [
    "Central European accounting, ERP, e-shops and national services: DigiSign's address book (Czech; its"
    " columns are not in the stored copy), IPEX's company and contact samples (only file names), hromadnaposta.cz"
    " (columns mapped), Magyar Posta's newspaper subscribers' exchange (the stored copy holds only its contents),"
    " korocivis and PisHUB partners (forms, no file), InPost and Polkurier (columns mapped), Intellisent"
    " (transports, no contacts), Metakocka and Solo (nothing stored)",
    "Webmail and phones in Czech, Slovak, Polish, Hungarian, Slovene, Croatian or Romanian: flyweb webmail and"
    " czechia.com (columns mapped or named in earlier lists), IPTAM (columns mapped), Placetel, NFON, Gigaset"
    " (nothing stored), axeos (no column list), Linkmobility (columns mapped)",
    "Others: sproof sign (its column names are an image), AntsRoute (columns described, not named), resOS"
    " (columns mapped at import), culture.tech (columns described)",
]
