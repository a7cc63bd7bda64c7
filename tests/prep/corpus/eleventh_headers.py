"""Headers of the eleventh held-out set (tests/prep/corpus/eleventh): none of
these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py, ninth_headers.py, tenth_headers.py nor layouts_test.py,
nor in their NOT_FOUND lists. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself, in its
help or in a sample file it ships; "field list": it lists the names in this
order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "m365_users": dict(
        source="Microsoft 365 admin center (office suite: a firm's users added from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="support.office.com/en-us/article/"
              "add-multiple-users-using-bulk-import-1f5767ed-e717-4f24-969c-6ea9d412ca88 ('Add several users at the"
              " same time to Microsoft 365'): 'Your spreadsheet needs to include the exact"
              " same column headings as the sample one': User Name,First Name,Last Name,Display Name,Job Title,"
              "Department,Office Number,Office Phone,Mobile Phone,Fax,Alternate email address,Address,City,State or"
              " Province,ZIP or Postal Code,Country or Region, its rows 'chris@contoso.com,Chris,Green,Chris Green,IT"
              " Manager,Information Technology,123451,123-555-1211,...'",
        header=["User Name", "First Name", "Last Name", "Display Name", "Job Title", "Department", "Office Number",
                "Office Phone", "Mobile Phone", "Fax", "Alternate email address", "Address", "City",
                "State or Province", "ZIP or Postal Code", "Country or Region"]),
    "sds_users": dict(
        source="Microsoft School Data Sync, SDS V2.1 CSV format (a school's users.csv: staff, pupils, guardians)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/OfficeDev/O365-EDU-Tools, 'CSV Samples/SDS v2.1/users.csv' (the sample set the"
              " documentation points to): sourcedId,username,givenName,familyName,password,activeDirectoryMatchId,"
              "email,phone,sms, guardians' rows with a personal mailbox as username and email and the same digits in"
              " phone and sms ('1234567890'); learn.microsoft.com/schooldatasync/sds-v2.1-csv-file-format: 'CSV files"
              " must be in UTF-8 format ... we don't accept line breaks in incoming data'",
        header=["sourcedId", "username", "givenName", "familyName", "password", "activeDirectoryMatchId", "email",
                "phone", "sms"]),
    "chamilo_users": dict(
        source="Chamilo LMS (e-learning: users imported from a CSV file)", language="en", separator=";",
        encoding="utf-8", documented_as="header row",
        where="github.com/chamilo/chamilo-lms, main/admin/example.csv, the example the user import page offers:"
              " 'LastName;FirstName;Email;UserName;Password;AuthSource;OfficialCode;PhoneNumber;Status;Courses' with"
              " rows 'Mcfly;Marty;marty@example.com;marty;secret;platform;12345678;001-123-456-789;user;"
              "COURSE1|COURSE2|COURSE3' and 'Brown;Emmert;drbrown@example.net;emmert;;platform;;;teacher;COURSE2'",
        header=["LastName", "FirstName", "Email", "UserName", "Password", "AuthSource", "OfficialCode", "PhoneNumber",
                "Status", "Courses"]),
    "hostingca_exchange_accounts": dict(
        source="hosting.ca hosted Exchange (mail hosting: mailboxes created from a bulk import CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="hosting.ca/bulk-exchange-account-import ('Bulk Exchange Account Import'): 'Below is the CSV format:"
              " FirstName, LastName, EmailID, Password, Size, OfficeLocation, City, Country, State, ZipCode,"
              " DisplayName, Address, Phone, Mobile, Type (This line must be on top in the csv file)', rows"
              " 'mark,anthony,mark@matthew.com,password3,500,Broad Street,Toronto,Canada,Ontario,45648,mark,Test,"
              "45646546,32653453453,Shared' and 'Important: Don't insert space after comma', so the header is"
              " written without the blanks its listing shows; the encoding is the file's setting",
        header=["FirstName", "LastName", "EmailID", "Password", "Size", "OfficeLocation", "City", "Country", "State",
                "ZipCode", "DisplayName", "Address", "Phone", "Mobile", "Type"]),
    "jtl_shop_kunden": dict(
        source="JTL-Shop 5 (German online shop: customers imported from a CSV file)", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="guide.jtl-software.de/jtl-shop/jtl-shop-kauf-editionen/kunden-in-jtl-shop-importieren/, 'Format der"
              " CSV-Datei': cPasswort;cAnrede;cTitel;cVorname;cNachname;cFirma;cStrasse;cHausnummer;cAdressZusatz;"
              "cPLZ;cOrt;cBundesland;cLand;cTel;cMobil;cFax;cMail;cUSTID;cWWW;fGuthaben;cNewsletter;dGeburtstag;"
              "fRabatt;cHerkunft;dErstellt;cAktiv;cKundenNr;cZusatz; 'CSV-Dateien müssen immer im Zeichensatz UTF-8"
              " ohne BOM (Byte Order Mark) sein'",
        header=["cPasswort", "cAnrede", "cTitel", "cVorname", "cNachname", "cFirma", "cStrasse", "cHausnummer",
                "cAdressZusatz", "cPLZ", "cOrt", "cBundesland", "cLand", "cTel", "cMobil", "cFax", "cMail", "cUSTID",
                "cWWW", "fGuthaben", "cNewsletter", "dGeburtstag", "fRabatt", "cHerkunft", "dErstellt", "cAktiv",
                "cKundenNr", "cZusatz"]),
    "jtl_wawi_kunden": dict(
        source="JTL-Wawi with JTL-Ameise (German merchandise management on Windows: customers' CSV file)",
        language="de", separator=";", encoding="cp1252", documented_as="header row",
        where="guide.jtl-software.de/jtl-wawi/jtl-ameise/kundendaten-importieren/ ('Ameise-Tutorial: Kundendaten"
              " importieren'), 'Beispiel für eine CSV-Datei mit Kundendaten': 'Name;Vorname;Straße;PLZ;Ort;Land;"
              "E-Mail;Kundengruppe' with rows 'Müller;Franz;Mühlenstraße 12;10119;Berlin;DE;fmueller@jtl-beispiel.de;"
              "Endkunden'; the file is saved by a German Windows program, so code page 1252 (JTL-Ameise lets one"
              " pick the file's settings)",
        header=["Name", "Vorname", "Straße", "PLZ", "Ort", "Land", "E-Mail", "Kundengruppe"]),
    "magento_customer_address": dict(
        source="Magento Open Source 2 (online shop: customer addresses, its Import/Export format)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/magento/magento2, app/code/Magento/ImportExport/Files/Sample/customer_address.csv (the"
              " sample file the admin's import page offers for 'Customer Addresses'): _website,_email,_entity_id,"
              "city,company,country_id,fax,firstname,lastname,middlename,postcode,prefix,region,region_id,street,"
              "suffix,telephone,vat_id,vat_is_valid,vat_request_date,vat_request_id,vat_request_success,"
              "_address_default_billing_,_address_default_shipping_, with the row 'base,jondoe@example.com,1,"
              "\"New York\",,US,,Jon,Doe,,10044,,\"New York\",43,\"Main Street 1\",,123456789,,,,,,1,1'",
        header=["_website", "_email", "_entity_id", "city", "company", "country_id", "fax", "firstname", "lastname",
                "middlename", "postcode", "prefix", "region", "region_id", "street", "suffix", "telephone", "vat_id",
                "vat_is_valid", "vat_request_date", "vat_request_id", "vat_request_success",
                "_address_default_billing_", "_address_default_shipping_"]),
    "bagisto_customers": dict(
        source="Bagisto (Laravel online shop: customers by its data transfer import)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/bagisto/bagisto, storage/app/public/data-transfer/samples/csv/customers.csv (the sample"
              " the data transfer page offers): email,customer_group_code,first_name,last_name,phone,date_of_birth,"
              "gender, rows 'john@example.com,wholesale,John,Doe,,1991-05-15,Male'",
        header=["email", "customer_group_code", "first_name", "last_name", "phone", "date_of_birth", "gender"]),
    "snipeit_users": dict(
        source="Snipe-IT (IT asset management: the people assets are checked out to, by its user import)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/snipe/snipe-it, sample_csvs/MOCK_USERS.csv, the sample of its user import: First Name,"
              "Last Name,email,User name,Location,Phone Num,Job Title For User,Employee Number,Company,VIP, rows"
              " 'Pascale,Wimpeney,pwimpeney3@mtv.com,pwimpeney3,Kuče,385-(688)644-8322,Senior Sales Associate,"
              "9173736066,\"Paucek, Schmitt and Hagenes\",yes'",
        header=["First Name", "Last Name", "email", "User name", "Location", "Phone Num", "Job Title For User",
                "Employee Number", "Company", "VIP"]),
    "salontrac_clients": dict(
        source="SalonTrac Salon & Spa (Windows salon booking software: clients from a data file, its second layout)",
        language="en", separator=",", encoding="cp1250", documented_as="field list",
        where="salontrac.com/support/import.htm, 'Client and client history import', the second of its two client"
              " layouts: 'Filename: Clientxx.csv', the fields 'FirstName,LastName,Address,City & Province/state,"
              "zip/pc,email,primary phone number,secondary phone number,note'; 'standard csv (comma delimited text)"
              " files'; the salon's file is written on a Czech Windows, so code page 1250 (that setting)",
        header=["FirstName", "LastName", "Address", "City & Province/state", "zip/pc", "email",
                "primary phone number", "secondary phone number", "note"]),
    "krayin_persons": dict(
        source="Krayin CRM (Laravel CRM: persons by its data transfer import)", language="en", separator=",",
        encoding="utf-8", documented_as="header row",
        where="github.com/krayin/laravel-crm, storage/app/public/data-transfer/samples/persons.csv (the sample the"
              " import page offers): name,emails,contact_numbers,organization_id,job_title,user_id, rows 'Wilson"
              " Fisk,\"[{\"\"label\"\": \"\"work\"\", \"\"value\"\": \"\"contact@wilson.com\"\"}, {\"\"label\"\":"
              " \"\"home\"\", ...}]\",\"[{\"\"label\"\": \"\"work\"\", \"\"value\"\": \"\"5454445454\"\"}]\",1,Sales"
              " Executive,1'",
        header=["name", "emails", "contact_numbers", "organization_id", "job_title", "user_id"]),
    "informatica_b2b_web_users": dict(
        source="Informatica B2B Data Exchange 10.2.1 (partner portal: web users imported from a CSV file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="docs.informatica.com/data-integration/b2b-data-exchange/10-2-1/user-guide/users/web-users/"
              "import-web-users-from-csv/create-the-csv-file.html: WebUserTemplate, UserName, Password,"
              " PasswordAlgorithm, FirstName, LastName, Description, Organization ('The Web User's company'), Email,"
              " Phone, HTTPSFingerprint, AS2Fingerprint, FTPESFingerprint, ...; the stored copy breaks off after"
              " FTPESFingerprint, so the list ends there; the encoding is the file's setting",
        header=["WebUserTemplate", "UserName", "Password", "PasswordAlgorithm", "FirstName", "LastName",
                "Description", "Organization", "Email", "Phone", "HTTPSFingerprint", "AS2Fingerprint",
                "FTPESFingerprint"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and the sample files of the sources' own
# repositories), beyond the other header modules' lists.
NOT_FOUND = [
    "Office suites and mail: Google Workspace's bulk user upload (the columns are in a template download),"
    " Exchange Online's external contacts (only scripts of third parties), Windows Live Mail and Windows Contacts"
    " (no column list), Wix contacts (a sample download)",
    "Central European accounting and e-shops: Reservio, EduPage, Booksy, FGO, Stereo, SAOP (nothing stored or"
    " no column list), ALIS KEO4 (a town office's payers: the columns are in XLSX samples only), Shopware 5 (the"
    " stored copy breaks off after 'active'), WooCommerce and Ecwid customers (no list of their own)",
    "Clubs, schools, booking and HR: TeamSnap, Timely, Fresha, Calamari, ClubDesk, a.s.Verein, MGVO, SportsNow"
    " (templates are downloads, or columns mapped at import), Tiquo, reservation.studio and Freshservice"
    " (columns mapped at import), LimeSurvey participants (only a third party's paste)",
    "Phones: PhonerLite and other softphones (no column list found)",
]
