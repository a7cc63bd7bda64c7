"""Headers of the sixth held-out set (tests/prep/corpus/sixth): none of these
sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py nor layouts_test.py, nor in their
NOT_FOUND lists. The entries are as in headers.py: source, language of the
columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "packeta_zasilky": dict(
        source="Packeta / Zásilkovna (Czech parcel network: packets from a CSV file)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="docs.packetery.com/03-creating-packets/01-csv-import.html: 'First two rows of the file are header"
              " rows': the first holds 'version 7' in its first cell, the second is ignored; comma or semicolon"
              " separators, UTF-8; the fields by column number (1 Reserved, empty; 2 Order number; 3 Name; 4"
              " Surname; 5 Company; 6 E-mail; 7 Phone, 'in the valid destination country's format'; 8 COD; 9"
              " Currency; 10 Value); the stored copy breaks off after column 10, so the list ends there; the"
              " field names are written as the ignored second row",
        header=["Reserved", "Order number", "Name", "Surname", "Company", "E-mail", "Phone", "COD", "Currency",
                "Value"]),
    "zynk_customers": dict(
        source="Zynk Workflow (integration platform: customers in its CSV format for Sage 50 and Sage 200)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="docs.zynk.com/workflow/documentation/zynk-core/zynk-csv-to-zynk-xml.html: 'Below is an example of a"
              " Zynk customer in .csv format', the header row Id, AccountReference, CompanyName ... Contact1Website,"
              " Contact2Title, ...; the stored copy breaks off in the second contact, so the list ends with"
              " Contact1Website; the encoding is the file's setting",
        header=["Id", "AccountReference", "CompanyName", "CreditLimit", "Currency", "Title", "Forename", "Surname",
                "Company", "Address1", "Address2", "Address3", "Address4", "Town", "Postcode", "County", "Country",
                "Telephone", "Email", "Website", "DefaultDelTitle", "DefaultDelForename", "DefaultDelSurname",
                "DefaultDelCompany", "DefaultDelAddress1", "DefaultDelAddress2", "DefaultDelAddress3",
                "DefaultDelAddress4", "DefaultDelTown", "DefaultDelPostcode", "DefaultDelCounty",
                "DefaultDelCountry", "DefaultDelTelephone", "DefaultDelEmail", "DefaultDelWebsite", "TermsAgreed",
                "TaxCode", "OverrideTaxCode", "VatNumber", "NominalCode", "CostCentre", "Department",
                "Contact1Title", "Contact1Forename", "Contact1Middlename", "Contact1Surname", "Contact1Telephone",
                "Contact1Mobile", "Contact1Fax", "Contact1Email", "Contact1Website"]),
    "unleashed_supplier_contacts": dict(
        source="Unleashed (inventory management: Import Supplier Contacts template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.unleashedsoftware.com/hc/en-us/articles/4402216225817 ('Import Supplier Contacts Field"
              " Definitions'): Supplier Code, Supplier Name, First Name, Last Name, Email Address, Website,"
              " Primary and Purchasing (TRUE or FALSE), Toll Free No., Phone, OfficePhone, Fax, Mobile, DDI"
              " ('direct dial telephone number'), Notes, in this order; 'One of First Name, Last Name or Email"
              " Address is mandatory'; the template saved as CSV UTF-8 with its signature (that setting)",
        header=["Supplier Code", "Supplier Name", "First Name", "Last Name", "Email Address", "Website", "Primary",
                "Purchasing", "Toll Free No.", "Phone", "OfficePhone", "Fax", "Mobile", "DDI", "Notes"]),
    "kupshop_uzivatele": dict(
        source="KupShop / wpj shop (Czech e-shop platform: users' import sheet)", language="cs",
        separator=";", encoding="cp1250", documented_as="field list",
        where="napoveda.wpjshop.cz/article/52-import-uzivatelu ('Import uživatelů', 'Struktura souboru'): the"
              " first row the header, then Jméno, Přijmení (so spelt), Společnost, Email, Telefon ('v libovolném"
              " formátu (+420 123 456 789, nebo 123456789)'), Ulice ('včetně čísla popisného'), Město, PSČ,"
              " Skupiny ('oddělujeme středníkem'), Newsletter (ano/ne); the sheet is .xls, here saved as CSV the"
              " way a Czech Excel does, ';' and code page 1250 (that setting)",
        header=["Jméno", "Přijmení", "Společnost", "Email", "Telefon", "Ulice", "Město", "PSČ", "Skupiny",
                "Newsletter"]),
    "busibricks_connections": dict(
        source="Busibricks (small-business CRM: connections from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="busibricks.zendesk.com/hc/en-us/articles/200347358 ('How do I import Contacts?'): 'upload a CSV in"
              " the following format (column heading)': Salutation, First Name, Last Name, Gender, Date of Birth,"
              " Address Line 1, Address Line 2, City, Region/County, Postcode, Email, Phone, Phone, Website (the"
              " phone heading twice, for phone1 and phone2); the encoding is the file's setting",
        header=["Salutation", "First Name", "Last Name", "Gender", "Date of Birth", "Address Line 1",
                "Address Line 2", "City", "Region/County", "Postcode", "Email", "Phone", "Phone", "Website"]),
    "pkge_packages": dict(
        source="Pkge Business (parcel tracking: packages from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="business.pkge.net/docs/info/import ('Import packages from CSV file'): the sample CSV file's header"
              " row trackNumber,courierId,destinationCountry,departureAddress,destinationAddress,orderId,"
              "recipientName,recipientEmail,recipientPhone,comment; destinationCountry a two-letter code written"
              " in lower case ('ua'), the phone as bare digits ('79999991212'); the encoding is the file's setting",
        header=["trackNumber", "courierId", "destinationCountry", "departureAddress", "destinationAddress", "orderId",
                "recipientName", "recipientEmail", "recipientPhone", "comment"]),
    "zammad_users": dict(
        source="Zammad (help desk: users from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/zammad/zammad-admin-documentation, manage/users/via-csv-import.rst: 'For instance:"
              " login,firstname,lastname,email,web,active', the names and the web address quoted in the example"
              " rows ('jdoe,\"John\",\"Doe\",jdoe@example.com,\"https://zammad.com\",true'); only the example's"
              " columns are taken",
        header=["login", "firstname", "lastname", "email", "web", "active"]),
    "shore_kunden": dict(
        source="Shore (German appointment booking for salons: customer data list)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="help.shore.com/de/kundendaten-importieren ('Kundendaten importieren'): the template's column names"
              " first_name, last_name, gender, email, mobile ('Telefonnummer (z.B. 0176 2343 2332)'), birthday"
              " ('31.12. oder 31.12.1980'), address_street ('Straße und Hausnummer'), address_postal_code,"
              " address_city, notes, tags ('mit einem Komma ohne Leerzeichen getrennt'), newsletter_status"
              " (true/false); the template is an Excel sheet, here saved as a German Excel saves CSV, ';' and"
              " code page 1252 (that setting)",
        header=["first_name", "last_name", "gender", "email", "mobile", "birthday", "address_street",
                "address_postal_code", "address_city", "notes", "tags", "newsletter_status"]),
    "previsto_contacts": dict(
        source="Previsto (field service scheduling: contacts from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.previsto.com/en/articles/import-contacts: the columns' headings in this order, Customer"
              " number, Name ('the name of the contact, fx. John Doe'), Address, Apartment ('fx. apt 75'),"
              " 'Postcal code' (so spelt), City, Country code (two letters), Phone number ('+1-212-963-2764'),"
              " Email, Tax id ('in the case it is a company'); 'Export the file as CSV in utf-8 format'",
        header=["Customer number", "Name", "Address", "Apartment", "Postcal code", "City", "Country code",
                "Phone number", "Email", "Tax id"]),
    "dropboy_deliveries": dict(
        source="Dropboy (delivery management: orders' receiver and delivery columns)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="help.dropboy.com/en/article/rules-for-entering-data-into-receiver-and-delivery-section-columns-afpdod:"
              " the Receiver and Delivery section's columns destinationCompanyName ... destinationSmsSettingsTask"
              "Status in this order, 'destinationContryCode' so spelt, the phone as a prefix and a number apart;"
              " only this section of the order template is taken; the template is filled in a spreadsheet and"
              " saved as CSV UTF-8 with its signature and ';' (that setting)",
        header=["destinationCompanyName", "destinationAttention", "destinationAddress", "destinationExtraInfo",
                "destinationZipCode", "destinationCity", "destinationContryCode", "destinationCoordinatesLat",
                "destinationCoordinatesLng", "destinationEmail", "destinationPhonePrefix", "destinationPhoneNumber",
                "destinationTimeWindowStart", "destinationTimeWindowEnd", "destinationTimeWindowLock",
                "destinationComments", "destinationSendPod", "destinationSendSMS", "destinationSmsSettingsDriveNow",
                "destinationSmsSettingsDeliverOrder", "destinationSmsSettingsDeliverOrderFailed",
                "destinationSmsSettingsTaskStatus"]),
    "chroma_adresy": dict(
        source="chroma.pl (Polish direct mail: a mailing's address list)", language="pl",
        separator=";", encoding="cp1250", documented_as="header row",
        where="dm.chroma.pl/how-to-prepare-mailing-list-file ('Jak przygotowac bazę adresów?'): the first example"
              " sheet's header row 'kod pocztowy, miejscowość, ulica, adresat, nr domu / apartamentu' with rows"
              " such as '83-440 Abisynia Wąska Jan Nowak 112' and '410/2'; the sheet saved as CSV the way a Polish"
              " Excel does, ';' and code page 1250 (that setting)",
        header=["kod pocztowy", "miejscowość", "ulica", "adresat", "nr domu / apartamentu"]),
    "werkherz_kontakte": dict(
        source="werkherz (German craft business software: contacts import)", language="de",
        separator=",", encoding="utf-8", documented_as="field list",
        where="werkherz.com/de/dokumentation/profil-import: one contact a line, its details set apart by commas,"
              " 'Die Reihenfolge der Details in einer Zeile muss dieser Liste entsprechen: Anrede, Titel, Vorname,"
              " Nachname, Telefon, Mobil, Fax, Email, Firma, Firma Abkürzung, Abteilung, Position, Straße, Land,"
              " PLZ, Ort, www, Kategorie'; the list is pasted without a header, so the names are written as the"
              " header row here",
        header=["Anrede", "Titel", "Vorname", "Nachname", "Telefon", "Mobil", "Fax", "Email", "Firma",
                "Firma Abkürzung", "Abteilung", "Position", "Straße", "Land", "PLZ", "Ort", "www", "Kategorie"]),
    "shopify_customers": dict(
        source="Shopify (Transporter app: customers' CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="help.shopify.com/en/manual/migrating-to-shopify/transporter-app/csv-customers ('Customer CSV column"
              " descriptions'): First name, Last name, Email, Company, Address1, Address2 ('Unit 202'), City,"
              " Province (the region's name), Province code (the ISO 3166-2 subdivision code without the"
              " country's part), in this order; the stored copy breaks off after Province code, so the list ends"
              " there",
        header=["First name", "Last name", "Email", "Company", "Address1", "Address2", "City", "Province",
                "Province code"]),
    "nody_objednavky": dict(
        source="Nody (Czech order management: orders' export columns)", language="cs",
        separator=";", encoding="cp1250", documented_as="field list",
        where="napoveda.nody.cz/orders/export/columns ('Popis jednotlivých sloupců podle skupin', 'Doručovací"
              " údaje'): firm, deliveryName, deliverySurname, deliveryNameAndSurname, deliveryFirmOrSurname"
              " ('Pokud je vyplněna firma, obsahuje tento sloupec název firmy. Jinak Příjmení'), deliveryStreet,"
              " deliveryHouseNumber, each with its Czech label; the stored copy breaks off after the house number,"
              " so the list ends there; the column codes are the header; ';' and code page 1250 are the"
              " export's setting",
        header=["firm", "deliveryName", "deliverySurname", "deliveryNameAndSurname", "deliveryFirmOrSurname",
                "deliveryStreet", "deliveryHouseNumber"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs and pages), beyond the other header modules' lists.
NOT_FOUND = [
    "Accounting: Xero (its help describes a few columns, the template is a download), Square customers (a"
    " template made per account), KROS and iKros (Excel exports, no column list), Datalab Pantheon, Billdu",
    "E-shops: Shoptet (the stored copy lists email, billingFullName, guid and then breaks off), UPgates (named"
    " in fresh_headers.py's list), Unas and Shoprenter, IdoSell, Shoper (only Shopify's Polish page)",
    "Phones: Fritz!Box (XML phone book), STARFACE, Auerswald (import templates chosen in the device), Mitel"
    " MiVoice Office 400 (columns not listed), IPTAM (columns mapped at import)",
    "Directories: Microsoft Entra ID bulk create (the template's columns are shown only as a picture)",
    "Shipping: Deliveo (columns mapped), Sendparcel (the stored copy breaks off at column H), Polkurier and"
    " Furgonetka (columns mapped), Uloženka (the list of headers breaks off)",
]
