"""Headers of the eighth held-out set (tests/prep/corpus/eighth): none of
these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py nor
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "exotel_contacts": dict(
        source="Exotel (contact centre: contacts uploaded as CSV for campaigns and queues)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="developer.exotel.com/docs/contact-center/api-reference/upload-contacts: 'The CSV file should contain"
              " the following columns': phone_number ('E.164 format'), first_name, last_name, email, company, tag,"
              " custom_field_1; its sample CSV shows the row phone_number,first_name,last_name,email,company,tag",
        header=["phone_number", "first_name", "last_name", "email", "company", "tag", "custom_field_1"]),
    "rejstrik_sportu": dict(
        source="Rejstřík sportu, MŠMT (Czech register of athletes and coaches: a club's CSV)", language="cs",
        separator=";", encoding="cp1250", documented_as="field list",
        where="rejstriksportu.msmt.cz/user/struktura-csv ('Struktura CSV souborů'): 'hodnoty v souboru CSV jsou"
              " oddělovány středníkem', names without blanks: JMENO, DALSI_JMENA, PRIJMENI, RODNE_CISLO ('9-10"
              " čísel bez mezer a bez lomítka'), OBCANSTVI (a number from the country list), DATUM_NAROZENI"
              " ('DD.MM.RRRR bez nul (1.1.2018)'), SPORTOVEC and TRENER (1/0), SPORTOVCEM_OD, SPORTOVCEM_DO,"
              " TRENEREM_OD; the stored copy breaks off there, so the list ends with TRENEREM_OD; the file is"
              " saved from the register's Excel sheet, so code page 1250",
        header=["JMENO", "DALSI_JMENA", "PRIJMENI", "RODNE_CISLO", "OBCANSTVI", "DATUM_NAROZENI", "SPORTOVEC",
                "TRENER", "SPORTOVCEM_OD", "SPORTOVCEM_DO", "TRENEREM_OD"]),
    "koha_borrowers": dict(
        source="Koha ILS, LibLime edition (library patrons loaded by import_borrowers-cli.pl)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="github.com/liblime/LibLime-Koha misc/import_borrowers-cli.pl, its comment 'File format':"
              " cardnumber,surname,firstname,title,othernames,initials,streetnumber,streettype, address line ,"
              " address line 2, city, zipcode, contry, email, phone, mobile, fax, work email, work phone, alternate"
              " streetnumber, ... sort one, sort two (names as written there, 'contry' so spelt); 'the number of"
              " fields must match'; 'dates should be in the format you have set up Koha to expect'",
        header=["cardnumber", "surname", "firstname", "title", "othernames", "initials", "streetnumber",
                "streettype", "address line ", "address line 2", "city", "zipcode", "contry", "email", "phone",
                "mobile", "fax", "work email", "work phone", "alternate streetnumber", "alternate streettype",
                "alternate address line 1", "alternate city", "alternate zipcode", "alternate country",
                "alternate email", "alternate phone", "date of birth", "branchcode", "categorycode",
                "enrollment date", "expiry date", "noaddress", "lost", "debarred", "contact surname",
                "contact firstname", "contact title", "borrower notes", "contact relationship", "ethnicity",
                "ethnicity notes", "gender", "username", "opac note", "contact note", "password", "sort one",
                "sort two"]),
    "moodle_users": dict(
        source="Moodle (e-learning: users uploaded from a text file)", language="en",
        separator=", ", encoding="utf-8", documented_as="field list",
        where="github.com/moodle/moodle lang/en/help/uploadusers.html ('Upload users'): required 'username,"
              " password, firstname, lastname, email', default 'institution, department, city, country, lang,"
              " timezone', optional 'idnumber, icq, phone1, phone2, address, url, description, ...'; 'The first"
              " record ... defines the format of the rest of the file'; its example file writes a comma and a"
              " blank between fields ('jonest, verysecret, Tom, Jones, ...'); 'avoid commas within the data'."
              " A subset in the help's order is the header here, as the help allows",
        header=["username", "password", "firstname", "lastname", "email", "institution", "department", "city",
                "country", "lang", "idnumber", "phone1", "phone2", "address", "description"]),
    "erecruiter_applicants": dict(
        source="eRecruiter (Austrian recruiting software: applicants from CSV by eRecruiter.ApplicantImport)",
        language="en", separator="\t", encoding="utf-8", documented_as="field list",
        where="github.com/eRecruiter/eRecruiter.ApplicantImport README.md 'Supported applicant attributes':"
              " Gender, FirstName, LastName, Title, Email, Phone, MobilePhone, Street, ZipCode, City, Country,"
              " Nationality, Birthdate, Cv, Photo, Document, JobProfile, Region, BeginDate ('default is"
              " yyyy-MM-dd'), Id, Careerlevel, Referrer, ...; 'Use UTF8 encoding and TAB-separated CSV'. The"
              " columns are named in a configuration file; the attributes' names are the header here, Document"
              " and Knowledge (which need a sub-type) left out",
        header=["Gender", "FirstName", "LastName", "Title", "Email", "Phone", "MobilePhone", "Street", "ZipCode",
                "City", "Country", "Nationality", "Birthdate", "Cv", "Photo", "JobProfile", "Region", "BeginDate",
                "Id", "Careerlevel", "Referrer"]),
    "hotelmeister_guests": dict(
        source="hotelmeister (Austrian hotel software: guest profile import)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="apidocs.hotelmeister.io/guest-profile-import: 'CSV, UTF-8, Separator ; (Semicolon), Record Spacer"
              " \\n, Escape \\ (Backslash) e.g. \\; will escape a contained semicolon, Quotes: no, First record as"
              " header: yes'; fields ID, guestProfileId, company, profession, title, firstName, lastName, gender,"
              " nationality, language, birthDate, comment, street, city, zipCode, countryCode, email, phone,"
              " mobile, fax ('preferably in international format (e.g. +43 660 737 88 90)'), newsletter,"
              " categories, relationships ('DO NOT USE'); dates dd.MM.yyyy, dd/MM/yyyy, yyyy-MM-dd, dd-MM-yyyy",
        header=["ID", "guestProfileId", "company", "profession", "title", "firstName", "lastName", "gender",
                "nationality", "language", "birthDate", "comment", "street", "city", "zipCode", "countryCode",
                "email", "phone", "mobile", "fax", "newsletter", "categories", "relationships"]),
    "hotelsystems_customers": dict(
        source="Hotel Systems' Hotel Booking System (customers import and export file)", language="en",
        separator=", ", encoding="cp1250", documented_as="field list",
        where="hotelsystems.co.uk/software/hotel-booking-system/help-guide/import.asp: 'The imported customer"
              " details file must be in the following format: Title, Firstname, Surname, House Number, Address1,"
              " Address2, City, County, Postcode, Country, Telephone, Fax, Email Address', its example 'Mr,"
              " Tristan, Collings, 5, Some Road, , Some City, ...' (a comma and a blank between fields, a missing"
              " one left as a comma); 'The import format ... is also the same as the export format'. The format"
              " has no header line, so its names are written as the header row here; the code page is the"
              " Windows setting of a Slovak desk",
        header=["Title", "Firstname", "Surname", "House Number", "Address1", "Address2", "City", "County",
                "Postcode", "Country", "Telephone", "Fax", "Email Address"]),
    "aluvii_guests": dict(
        source="Aluvii (leisure venue and ticketing software: guest import)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.aluvii.com/hc/en-us/articles/360055483391-Guest-Import, the template's fields: RowId,"
              " FirstName, LastName, MiddleName, BirthDate ('use 1/1/1900 as the default'), PrimaryEmail ('use"
              " FirstName + LastName + RowId + @none.com' where none), SecondaryEmail, PrimaryPhone ('10 digit"
              " number with no dashes is preferred'), IsPrimaryPhoneMobile ('TRUE = Yes | FALSE = No'); the"
              " stored copy breaks off there, so the list ends with IsPrimaryPhoneMobile; the template is saved"
              " as CSV",
        header=["RowId", "FirstName", "LastName", "MiddleName", "BirthDate", "PrimaryEmail", "SecondaryEmail",
                "PrimaryPhone", "IsPrimaryPhoneMobile"]),
    "zuora_accounts": dict(
        source="Zuora (subscription billing: accounts and contacts through the Data Loader)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.zuora.com/zuora-platform/data-management/data-loader/data-dictionary-for-data-loader/import/"
              "accounts-and-contacts: Account Name*, Account Notes, Account Number, Additional Email Addresses"
              " ('pipe symbol | as a separator'), autoPay, Batch, Bill Cycle Day*, BillToContact.FirstName*,"
              " BillToContact.LastName*, BillToContact.WorkEmail, BillToContact.PersonalEmail,"
              " BillToContact.WorkPhone, BillToContact.Country ('Valid country name or a ...'); the stored copy"
              " breaks off there, so the list ends with BillToContact.Country",
        header=["Account Name", "Account Notes", "Account Number", "Additional Email Addresses", "autoPay", "Batch",
                "Bill Cycle Day", "BillToContact.FirstName", "BillToContact.LastName", "BillToContact.WorkEmail",
                "BillToContact.PersonalEmail", "BillToContact.WorkPhone", "BillToContact.Country"]),
    "vapi_campaign_contacts": dict(
        source="Vapi (voice agents: an outbound campaign's contacts)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="docs.vapi.ai/outbound-campaigns/contact-data: 'The header must include a lowercase number column."
              " A lowercase name column is optional. Every other populated column becomes a dynamic variable',"
              " its example 'number,name,account_tier,renewal_date,account_owner' with '+14155550100,Ada,premium,"
              "September 1,Jordan'",
        header=["number", "name", "account_tier", "renewal_date", "account_owner"]),
    "openschichtplaner_mitarbeiter": dict(
        source="OpenSchichtplaner5 (shift planning: staff by bulk import)", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="github.com/mschabhuettl/openschichtplaner5/wiki/Bulk-Import: the example 'Personalnummer;Vorname;"
              "Nachname;Gruppe;Eintritt' with '1001;Max;Mustermann;Gruppe A;2026-01-15'; 'Pflichtfelder:"
              " Personalnummer, Vorname, Nachname'; the signature is Excel's 'CSV UTF-8' setting",
        header=["Personalnummer", "Vorname", "Nachname", "Gruppe", "Eintritt"]),
    "prestashop_addresses": dict(
        source="PrestaShop (online shop: the customers' addresses table, dumped to CSV)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="devdocs.prestashop-project.org/9/webservice/resources/addresses: the Address resource's fields"
              " id_customer, id_manufacturer, id_supplier, id_warehouse, id_country, id_state, alias, company,"
              " lastname, firstname, vat_number, address1, address2, postcode, city, other, phone, phone_mobile,"
              " dni, deleted, date_add, date_upd, in this order; the rows as phpMyAdmin's CSV export writes a"
              " table (its settings: ';', every field in quotes, the names in the first row)",
        header=["id_customer", "id_manufacturer", "id_supplier", "id_warehouse", "id_country", "id_state", "alias",
                "company", "lastname", "firstname", "vat_number", "address1", "address2", "postcode", "city",
                "other", "phone", "phone_mobile", "dni", "deleted", "date_add", "date_upd"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs and pages), beyond the other header modules' lists.
NOT_FOUND = [
    "Swiss and German invoicing: bexio (an Excel template not listed), sevDesk (a template download), CashCtrl",
    "HR: Kenjo (a template download per language), OrangeHRM",
    "Hotels: Previo (imports run by its staff from a template), Cloudbeds, Resort Data Processing (a template"
    " download)",
    "Medical: Cliniko (its importers take other tools' files), ClinicAid (the headers are a download)",
    "Czech, Slovak and Polish tools: 1CLICK (a template download), Vyfakturuj (invoices only), Comarch ERP"
    " Optima (attributes only), skladonline.sk (a sample file)",
    "Shipping: DHL Online Frankierung (the same carrier as final_headers.py's MyDHL+)",
    "Event tools: pretix (attendee columns only in plugins' code), Planning Center People (the stored copy"
    " lists names only)",
]
