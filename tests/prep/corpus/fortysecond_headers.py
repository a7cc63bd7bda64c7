"""Headers of the forty-second held-out set (tests/prep/corpus/fortysecond):
online shops' customer files. None of these sources is in headers.py nor in
any of the later *_headers.py files (unseen_headers.py to
fortyfirst_headers.py), nor in layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "smithcart_customers": dict(
        source="Smith Cart (a shopping cart for DNN web sites: its customer import file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's manual, its page on the customer import file's fields (smith-consulting.com, Smith Cart"
              " manual, NetHelp documents): 'The Customer import"
              " requires a CSV file format': FirstName, LastName, Address1, Address2, City, Country ('String (2)'),"
              " State ('String (2)'), Zip, HomePhone, CellPhone, WorkPhone, Email, DNNLogin, CompanyName, in this"
              " order; UTF-8 without a signature and CRLF taken",
        header=["FirstName", "LastName", "Address1", "Address2", "City", "Country", "State", "Zip", "HomePhone",
                "CellPhone", "WorkPhone", "Email", "DNNLogin", "CompanyName"]),
    "easystorecreator_customers": dict(
        source="EasyStoreCreator (a hosted web shop builder: the customer export, which the import matches)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's notice of changes to the customer import (easystorecreator.com, its blog):"
              " 'We will be updating the customer import to match exactly with the customer export format', its"
              " table's 'New' column: User ID, Password, Billing last name, billing first name, billing company,"
              " billing address1, billing address 2, billing city, billing state, billing zip, billing country,"
              " billing phone, billing fax, billing email, shipping Last Name, shipping first name, shipping"
              " company, shipping address1 ... shipping email (as billing), promotional emails, tax exempt,"
              " shipping same, protected page access, budget original, budget left, reward total, reward left;"
              " the capitals as written. Separator ',', UTF-8 without a signature and CRLF taken; the export holds"
              " no passwords, so that column is empty",
        header=["User ID", "Password", "Billing last name", "billing first name", "billing company",
                "billing address1", "billing address 2", "billing city", "billing state", "billing zip",
                "billing country", "billing phone", "billing fax", "billing email", "shipping Last Name",
                "shipping first name", "shipping company", "shipping address1", "shipping address 2",
                "shipping city", "shipping state", "shipping zip", "shipping country", "shipping phone",
                "shipping fax", "shipping email", "promotional emails", "tax exempt", "shipping same",
                "protected page access", "budget original", "budget left", "reward total", "reward left"]),
    "spryker_customers": dict(
        source="Spryker Commerce OS (shop platform: the data import file customer.csv)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'File details - customer.csv' (docs.spryker.com/docs/scos/dev/data-import/202005.0/"
              "data-import-categories/commerce-setup/file-details-customer.csv.html), 'Headers & Mandatory Fields':"
              " customer_reference ('Must end with a number'), locale_name, phone, email, salutation ('Mr', 'Mrs',"
              " 'Dr' or 'Ms'), first_name, last_name, company, gender ('Male' or 'Female'), date_of_birth,"
              " password, registered, in this order; UTF-8 without a signature and LF taken, dates ISO",
        header=["customer_reference", "locale_name", "phone", "email", "salutation", "first_name", "last_name",
                "company", "gender", "date_of_birth", "password", "registered"]),
    "opencart_addresses": dict(
        source="OpenCart with iSenseLabs' ExcelPort (the customers' workbook, its sheet 'Addresses')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the extension's docs 'Customers: Sheet Addresses' (docs.isenselabs.com/excelport/"
              "file_customer_addresses): all columns present, in their order, their names neither"
              " changed nor translated: Customer ID, Address ID, Address First Name, Address"
              " Last Name, Address Company, Address Company ID and Address Tax ID ('Used in OpenCart 1.5.3 -"
              " OpenCart 1.5.6.4'), Address 1, Address 2, Address City, Address Postcode, Address Country ('A valid"
              " OpenCart country name'), Address Zone, Custom Field ('JSON-encoded custom field array'). The sheet"
              " saved as 'CSV UTF-8' by an English Excel (',', a signature, CRLF)",
        header=["Customer ID", "Address ID", "Address First Name", "Address Last Name", "Address Company",
                "Address Company ID", "Address Tax ID", "Address 1", "Address 2", "Address City",
                "Address Postcode", "Address Country", "Address Zone", "Custom Field"]),
    "webxpress_klanten": dict(
        source="WebXpress (a Dutch web shop system: its customer table as a CSV file)", language="nl",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's page 'klanten tabel CSV bestand' (webxpress.nl/klanten-tabel-CSV-bestand), its table"
              " with number, column letter and field name: Relatiecode, Bedrijfsnaam, Titel"
              " ('Gender indicatie: Onbekend=0, Man=1, M of m, Vrouw=2, V of v'), Voornaam, Initialen, Voorvoegsel,"
              " Achternaam, Persoon ('Wordt automatisch gegenereerd'), Geboortedatum ('DD-MM-JJJJ'), Adres,"
              " Huisnummer, Postcode, Plaats, Provincie, Land ('Landnummer ... 1 = Nederland'), Telefoonnummer,"
              " Telefoonnummer mobiel, Telefoonnummer noodgeval, KvK-nummer, BTW-nummer, BTW plichtig ('Ja of"
              " Nee'), E-mailadres, URL website, Default Betalingswijze, Default Akkoord leveringsvoorwaarden,"
              " Inlognaam, Wachtwoord, Geblokkeerd, Kortingspercentage; the stored copy breaks off there, so the"
              " list ends with column 29. Separator and encoding not shown: ';' and a Dutch Excel's 'CSV UTF-8'"
              " (a signature, CRLF) taken",
        header=["Relatiecode", "Bedrijfsnaam", "Titel", "Voornaam", "Initialen", "Voorvoegsel", "Achternaam",
                "Persoon", "Geboortedatum", "Adres", "Huisnummer", "Postcode", "Plaats", "Provincie", "Land",
                "Telefoonnummer", "Telefoonnummer mobiel", "Telefoonnummer noodgeval", "KvK-nummer", "BTW-nummer",
                "BTW plichtig", "E-mailadres", "URL website", "Default Betalingswijze",
                "Default Akkoord leveringsvoorwaarden", "Inlognaam", "Wachtwoord", "Geblokkeerd",
                "Kortingspercentage"]),
    "proxycart_customers": dict(
        source="Proxy Engine's cart (an open e-commerce engine: its 'Customer CSV file format' for uploads)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the package's upload template notes templates/uploads/customer_upload.md (trailpack-proxy-cart"
              " 2.1.97): 'The first line of your customer CSV has to include the field headers described below ...'"
              " Email ('can be left blank'), First Name, Last Name, Phone, Billing Address 1, Billing Address 2,"
              " Billing Address 3, Billing Company, Billing City, Billing Province, Billing Postal Code, Billing"
              " Country Code, the same eight for Shipping, Tags ('Comma-separated list'), Collections, Accounts"
              " ('stripe:cust_xxxxxxx'), Users ('Comma-separated list of user emails'); UTF-8 without a"
              " signature and LF taken",
        header=["Email", "First Name", "Last Name", "Phone", "Billing Address 1", "Billing Address 2",
                "Billing Address 3", "Billing Company", "Billing City", "Billing Province", "Billing Postal Code",
                "Billing Country Code", "Shipping Address 1", "Shipping Address 2", "Shipping Address 3",
                "Shipping Company", "Shipping City", "Shipping Province", "Shipping Postal Code",
                "Shipping Country Code", "Tags", "Collections", "Accounts", "Users"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: Squarespace (only links to its help), Spiffy Stores (the page's column table is not in the stored"
    " copy), X-Cart (only 'login', 'status' and two address parts shown), EasyStore and Selldone (the e-mail"
    " column's name is lost in the stored copies), OpenCart ExcelPort's sheet 'Customers' (the same loss),"
    " Shift4Shop and Volusion (nothing stored with a column list)",
    "German: plentymarkets, OXID and xt:Commerce (no customer column list; a plug-in's table for xt:Commerce"
    " gives a few fields out of order), ePages (the mandatory columns' names are missing from the stored manual),"
    " E/D/E's shop (the same importer as OSG Trade, already in thirtieth_headers.py), WEBSALE (format notes only)",
]
