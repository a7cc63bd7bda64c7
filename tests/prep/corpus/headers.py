"""Export headers as their sources document them: the data the evaluation
exports are built from. Each entry names the source, the interface language,
the separator and encoding its export is written in, how the header is
documented ("header row": the source shows the row itself; "field list": the
source lists the column names, in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "salesforce_contact_api": dict(
        source="Salesforce (Data Loader export of Contact, API field names)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Contact field reference, developer.salesforce.com/docs/atlas.en-us.228.0.sfFieldRef.meta/"
              "sfFieldRef/salesforce_field_reference_Contact.htm (Id, AccountId, FirstName, LastName, Department,"
              " Phone, HomePhone, Fax, Birthdate, CreatedDate, LastActivityDate, IsEmailBounced, EmailBouncedReason);"
              " Salutation, MiddleName: the Contact schema of api-evangelist/salesforce-sales-cloud; Title (the"
              " job title), MobilePhone, Email and the Mailing* fields: docs.driveworkspro.com/topic/"
              "SFTaskCreateaNewContactinSalesforce, docs.skedulo.com/object-reference/standard-objects/contacts and"
              " docs.revenera.com (Salesforce Connector, Contact Object Field Mappings: MailingCountry; the e-mail"
              " field's name is blank in every stored copy, Email as Salesforce names it);"
              " upper-case names as Salesforce's own export files write them (jsforce test/data/Account.csv)",
        header=["ID", "ACCOUNTID", "SALUTATION", "FIRSTNAME", "MIDDLENAME", "LASTNAME", "TITLE", "DEPARTMENT",
                "PHONE", "MOBILEPHONE", "HOMEPHONE", "FAX", "EMAIL", "MAILINGSTREET", "MAILINGCITY", "MAILINGSTATE",
                "MAILINGPOSTALCODE", "MAILINGCOUNTRY", "BIRTHDATE", "ISEMAILBOUNCED", "EMAILBOUNCEDREASON",
                "CREATEDDATE", "LASTACTIVITYDATE"]),
    "salesforce_contact_labels": dict(
        source="Salesforce (report export of Contacts, field labels)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="labels in the Contact field reference (developer.salesforce.com ... salesforce_field_reference_"
              "Contact.htm: Contact ID, First Name, Last Name, Department, Business Phone, Home Phone, Business Fax,"
              " Birthdate, Created Date, Last Activity, Is Email Bounced); Mailing Street, Mailing City, Mailing"
              " State, Mailing Postal Code, Mailing Country, Title: docs.driveworkspro.com; Email Opt Out:"
              " docs.revenera.com (Salesforce Connector, Contact Object Field Mappings)",
        header=["Contact ID", "First Name", "Last Name", "Title", "Department", "Business Phone", "Home Phone",
                "Business Fax", "Email", "Email Opt Out", "Mailing Street", "Mailing City", "Mailing State",
                "Mailing Postal Code", "Mailing Country", "Birthdate", "Created Date", "Last Activity",
                "Is Email Bounced"]),
    "salesforce_account_export": dict(
        source="Salesforce (Account records in an export file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="jsforce 1.3.0 test/data/Account.csv (app.unpkg.com/jsforce@1.3.0/files/test/data/Account.csv)",
        header=["NAME", "TYPE", "PARENTID", "BILLINGSTREET", "BILLINGCITY", "BILLINGSTATE", "BILLINGPOSTALCODE",
                "BILLINGCOUNTRY", "SHIPPINGSTREET", "SHIPPINGCITY", "SHIPPINGSTATE", "SHIPPINGPOSTALCODE",
                "SHIPPINGCOUNTRY", "PHONE", "FAX", "ACCOUNTNUMBER", "WEBSITE", "SIC", "INDUSTRY", "ANNUALREVENUE",
                "NUMBEROFEMPLOYEES", "OWNERSHIP", "TICKERSYMBOL", "DESCRIPTION", "RATING", "SITE", "JIGSAW",
                "JIGSAWCOMPANYID", "ACCOUNTSOURCE", "SICDESC"]),
    "zoho_crm_contact_labels": dict(
        source="Zoho CRM (Contacts, field labels)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.workato.com/en/connectors/zoho-crm/actions/update-contact.html (Salutation ... Mailing city,"
              " in this order); Mailing state, Mailing zip, Mailing country, Email opt out, Secondary email,"
              " Created time, Modified time: the API names of the same fields in docs.useparagon.com/actionkit/"
              "integrations/zohocrm/ZOHO_CRM_UPDATE_RECORD_CONTACTS, written as labels",
        header=["Salutation", "First name", "Last name", "Department", "Title", "Email", "Phone", "Mobile", "Fax",
                "Account name", "Vendor name", "Campaign source", "Lead source", "Reports to", "Skype ID",
                "Date of birth", "Assistant", "Assistant phone", "Mailing street", "Mailing city", "Mailing state",
                "Mailing zip", "Mailing country", "Email opt out", "Secondary email", "Created time",
                "Modified time"]),
    "zoho_crm_contact_api": dict(
        source="Zoho CRM (Contacts, API names)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.useparagon.com/actionkit/integrations/zohocrm/ZOHO_CRM_UPDATE_RECORD_CONTACTS (the"
              " parameters, in this order; recordId written as id)",
        header=["id", "Lead_Source", "First_Name", "Last_Name", "Email", "Title", "Department", "Phone",
                "Home_Phone", "Other_Phone", "Fax", "Mobile", "Date_of_Birth", "Assistant", "Asst_Phone",
                "Created_Time", "Modified_Time", "Full_Name", "Mailing_Street", "Other_Street", "Mailing_City",
                "Other_City", "Mailing_State", "Other_State", "Mailing_Zip", "Other_Zip", "Mailing_Country",
                "Other_Country", "Description", "Email_Opt_Out", "Skype_ID", "Salutation", "Secondary_Email",
                "Last_Activity_Time", "Twitter", "Unsubscribed_Mode", "Unsubscribed_Time"]),
    "zoho_crm_account_fivetran": dict(
        source="Zoho CRM accounts as a warehouse table (Fivetran connector)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="fivetran.com/docs/connectors/applications/zoho-crm/connector-schema.md, table account (columns"
              " in the documented order)",
        header=["account_name", "account_number", "account_site", "account_type", "annual_revenue", "billing_city",
                "billing_code", "billing_country", "billing_state", "billing_street", "created_by_email",
                "created_by_id", "created_by_name", "created_time", "currency", "description", "employees",
                "exchange_rate", "fax", "id", "industry", "last_activity_time", "modified_by_email",
                "modified_by_id", "modified_by_name", "modified_time", "owner_email", "owner_id", "owner_name",
                "ownership", "phone", "rating", "shipping_city", "shipping_code", "shipping_country",
                "shipping_state", "shipping_street", "sic_code", "ticker_symbol", "website"]),
    "hubspot_contacts": dict(
        source="HubSpot (contact properties)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="default contact property names in wildandfreetools.com/blog/format-csv-for-hubspot-contact-import;"
              " Record ID, the key HubSpot matches records on besides the e-mail (strocido.com/blog/"
              "hubspot-import-file-setup); Contact owner:"
              " knowledge.hubspot.com/articles/kcs_article/contacts/how-do-i-import-contacts",
        header=["Record ID", "First name", "Last name", "Email", "Phone number", "Mobile phone number", "Job title",
                "Company name", "Website URL", "City", "State/Region", "Country/Region", "Zip code",
                "LinkedIn Bio", "Lifecycle stage", "Lead status", "Contact owner"]),
    "pipedrive_people": dict(
        source="Pipedrive (people, with their organization)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="getcapt.com/blog/pipedrive-import-csv: the Pipedrive fields Person - Name, Person - Email,"
              " Person - Phone, Organization - Name, Person - Label, Person - Note",
        header=["Person - Name", "Person - Email", "Person - Phone", "Organization - Name", "Person - Label",
                "Person - Note"]),
    "oracle_crm_accounts": dict(
        source="Oracle CRM On Demand (account objects, data file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="docs.oracle.com/cd/G29753_01/books/OnDemDataLoad/c-Sample-Data-File-ajw1023834.html",
        header=["Account Name", "Location", "Main Phone #", "Main Fax #", "Web Site", "Account Currency",
                "Account Type", "Priority", "Industry", "Public Company", "Region", "Annual Revenues",
                "Number of Employees", "Primary_Contact", "Description", "Billing Address", "Shipping Address",
                "Indexed Short Text 1", "Indexed Long Text", "Indexed Picklist 1", "Custom Checkbox 0",
                "Custom Currency 0", "Custom Date 0", "Custom Date/Time 0", "Custom Integer 0",
                "Custom Multi-Select Picklist 0", "Custom Number 0", "Custom Percent 0", "Custom Phone 0",
                "Custom Picklist 0", "Custom Text (Long) 0", "Custom Text (Short) 0", "# Physicians",
                "Indexed Checkbox", "Indexed Currency", "Indexed Number", "Modified by Email Address",
                "Owner_Full_Name", "Row Id", "Status"]),
    "yeastar_pbx_contacts": dict(
        source="Yeastar Cloud PBX (phone system contacts, import and export file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="help.yeastar.com/en/cloudpbx/references/import-parameters-contacts.html (and the same list for"
              " the K2 IPPBX)",
        header=["First Name", "Last Name", "Email", "Company", "Work Number", "Work Number 2", "Work Fax",
                "Mobile", "Mobile 2", "Home", "Home 2", "Home Fax", "Other", "ZIP Code", "Street", "City", "State",
                "Country"]),
    "mapp_engage_export": dict(
        source="Mapp Engage (group export, active members)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="docs.mapp.com/docs/exported-information-export-data.md: the standard user fields, then the"
              " member fields of 'Active Members' (the separator is the export's setting)",
        header=["user.Email", "user.FirstName", "user.Identifier", "user.Bounced", "User.DateOfBirth",
                "user.ISOCountryCode", "user.ISOLanguageCode", "user.LastName", "user.MobileNumber",
                "user.Nickname", "user.PK", "user.RegistrationDate", "user.Source", "user.Title", "user.ZipCode",
                "member.CreationDate", "member.Delivery", "member.EmailFormat", "member.MessageCounter",
                "member.MobileFormat", "member.Role", "user.PartnerId"]),
    "lyris_listmanager_report": dict(
        source="Lyris ListManager (members report as CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="lunar.lyris.com/help/lm_help/8.0/UsingReportToSynchronizeYo.html; the stored copy breaks off"
              " after Expire Date, so only these six are taken",
        header=["Member ID", "Email Address", "Full Name", "List", "Date Joined", "Expire Date"]),
    "coss_contacts_export": dict(
        source="coss.com e-mail contacts export", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="coss.com/docs/api-reference/contacts/export-contacts.md: email,first_name,last_name,status, one"
              " column per custom property (here the account's own company, phone and city), then created_at,id",
        header=["email", "first_name", "last_name", "status", "company", "phone", "city", "created_at", "id"]),
    "emailit_contacts": dict(
        source="Emailit contacts (import and export file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="emailit.com/docs/contacts/import-export.md (example contacts.csv)",
        header=["email", "first_name", "last_name", "company", "birthday"]),
    "civicrm_export": dict(
        source="CiviCRM (contact export)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the export query's column names in github.com/civicrm/civicrm-core/pull/17458; the stored copy"
              " breaks off after prefix_id, so the list ends before it",
        header=["contact_id", "contact_type", "contact_sub_type", "sort_name", "display_name", "do_not_email",
                "do_not_phone", "do_not_mail", "do_not_sms", "do_not_trade", "is_opt_out", "legal_identifier",
                "external_identifier", "nick_name", "legal_name", "image_URL", "preferred_communication_method",
                "preferred_language", "preferred_mail_format", "hash", "contact_source", "first_name",
                "middle_name", "last_name"]),
    "cvent_contacts": dict(
        source="Cvent (Contact object, as its exports name the fields)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="developers.cvent.com/docs/legacy-api/soap-api/object-definitions/contact_objects/contact; the"
              " stored copy breaks off after WorkCountry, so the list ends there",
        header=["SourceId", "FirstName", "LastName", "EmailAddress", "CCEmailAddress", "Company", "Title",
                "ContactType", "ContactTypeCode", "Salutation", "Nickname", "MiddleName", "Designation", "Active",
                "ExcludedFromEmail", "LastOptOutDate", "LastOptOutBy", "OptedIn", "ImageURL", "CreatedDate",
                "CreatedBy", "LastModifiedDate", "LastModifiedBy", "EmailAddressStatus", "LogDate", "LogReason",
                "LogResponse", "PrimaryAddressType", "HomeAddress1", "HomeAddress2", "HomeAddress3", "HomeCity",
                "HomeState", "HomeStateCode", "HomePostalCode", "HomeCountry", "HomeCountryCode", "HomePhone",
                "HomeFax", "WorkAddress1", "WorkAddress2", "WorkAddress3", "WorkCity", "WorkState",
                "WorkStateCode", "WorkPostalCode", "WorkCountry"]),
    "alamode_contact_import": dict(
        source="a la mode XSites contact import sheet", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="help.alamode.com/mortgage/xsites/importingcsvfiles.htm (the accepted column headings, in the"
              " documented order); Title is the name's prefix there, JobTitle the job",
        header=["FirstName", "LastName", "MiddleName", "JobTitle", "Company", "Suffix", "Title", "HomeAddress1",
                "HomeAddress2", "HomeCity", "HomeState", "HomeZip", "HomeCountry", "BusinessAddress1",
                "BusinessAddress2", "BusinessCity", "BusinessState", "Fax", "BusinessZip", "BusinessCountry",
                "HomeEmail", "HomeEmailDisplayName", "BusinessEmail", "BusinessEmailDisplayName",
                "MobileDeviceEmail", "MobileDeviceEmailDisplayName", "HomePhone", "BusinessPhone", "CellPhone",
                "Notes", "BirthDate"]),
    # Dolibarr ERP/CRM writes the labels of the fields chosen in its export
    # wizard, in the interface language, in the order of the module's export
    # list: htdocs/core/modules/modSociete.class.php, dataset
    # ExportDataset_company_2 ("Contacts and properties"): IdContact,
    # CivilityCode, Lastname, Firstname, PostOrFunction, DateCreation,
    # DateLastModification, ContactPrivate, Address, Zip, Town, State, Country,
    # CountryCode, Phone, Fax, Mobile, EMail, IdCompany, CompanyName, Status,
    # CustomerCode, SupplierCode, Customer, Supplier. The translations are the
    # language files htdocs/langs/<lang>/companies.lang and main.lang of
    # Dolibarr/dolibarr. Mobile is left out: no stored language file
    # translates that key.
    "dolibarr_contacts_sl": dict(
        source="Dolibarr ERP/CRM (contacts export)", language="sl",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Dolibarr/dolibarr htdocs/core/modules/modSociete.class.php (export fields of"
              " ExportDataset_company_2) with htdocs/langs/sl_SI/companies.lang and main.lang (DateLastModification"
              " is not translated there: the English text stands)",
        header=["ID kontakta", "Vljudnostni naziv", "Priimek", "Ime", "Položaj/Funkcija", "Datum kreiranja",
                "Latest modification date", "Zasebni", "Naslov", "Poštna številka", "Mesto", "Dežela/Provinca",
                "Država", "Koda države", "Telefon", "Faks", "E-pošta", "ID podjetja", "Ime podjetja", "Status",
                "Koda kupca", "Koda dobavitelja", "Kupec", "Dobavitelj"]),
    "dolibarr_contacts_hr": dict(
        source="Dolibarr ERP/CRM (contacts export)", language="hr",
        separator=";", encoding="cp1250", documented_as="field list",
        where="Dolibarr/dolibarr htdocs/core/modules/modSociete.class.php with htdocs/langs/hr_HR/companies.lang"
              " (Phone=Telefon: with its colon) and main.lang; separator and code page as the export's settings"
              " (EXPORT_CSV_SEPARATOR_TO_USE, EXPORT_CSV_FORCE_CHARSET)",
        header=["Id kontakta", "Kod uljudnosti", "Prezime", "Ime", "Radno mjesto", "Datum izrade",
                "Datum zadnje izmjene", "Privatno", "Adresa", "Poštanski broj", "Grad", "Država/provincija",
                "Država", "Šifra države", "Telefon:", "Faks", "E-pošta", "ID Tvrtke", "Naziv tvrtke", "Stanje",
                "Kod kupca", "Kod dobavljača", "Kupac", "Dobavljač"]),
    "dolibarr_contacts_ro": dict(
        source="Dolibarr ERP/CRM (contacts export)", language="ro",
        separator=";", encoding="utf-8", documented_as="field list",
        where="Dolibarr/dolibarr htdocs/core/modules/modSociete.class.php with htdocs/langs/ro_RO/companies.lang"
              " and main.lang; EMail has no Romanian text there, so the column is left out",
        header=["Id-ul Contact", "Politeţe cod", "Nume", "Prenume", "Post / Funcţia", "Data creării",
                "Ultima modificare data", "Privata", "Adresă", "Cod postal", "Oraş", "Membru / Canton", "Ţară",
                "Cod ţară", "Telefon", "Fax", "Id-ul de companie", "Denumirea companiei", "Statut", "Cod Client",
                "Furnizor cod", "Client", "Furnizor"]),
    "dolibarr_contacts_cs": dict(
        source="Dolibarr ERP/CRM (contacts export)", language="cs",
        separator=";", encoding="cp1250", documented_as="field list",
        where="Dolibarr/dolibarr htdocs/core/modules/modSociete.class.php with htdocs/langs/cs_CZ/companies.lang"
              " and main.lang (CivilityCode and Status as that translation words them)",
        header=["ID kontaktu", "Etický kodex", "Příjmení", "Křestní jméno", "Post / Funkce", "Datum vytvoření",
                "Datum poslední změny", "Privátní", "Adresa", "PSČ", "Město", "Stát / Provincie", "Země",
                "Kód země", "Telefon", "Fax", "E-mail", "ID společnosti", "Název společnosti", "Postavení",
                "Kód zákazníka", "Kód dodavatele", "Zákazník", "Dodavatel"]),
    "dolibarr_contacts_hu": dict(
        source="Dolibarr ERP/CRM (contacts export)", language="hu",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Dolibarr/dolibarr htdocs/core/modules/modSociete.class.php with htdocs/langs/hu_HU/companies.lang"
              " (IdContact is left in English there; CountryCode reads 'the country's calling code') and"
              " main.lang; the dates and EMail are not chosen in this export (no stored Hungarian text for EMail)",
        header=["Contact ID", "Udvariassági kód", "Vezetéknév", "Keresztnév", "Beosztás / Szerepkör", "Magán",
                "Cím", "Irányítószám", "Város", "Állam / Tartomány", "Ország", "Az ország hívószáma", "Telefon",
                "Fax", "Cég ID", "Cégnév", "Állapot", "Vevőkód", "Szállító kódja", "Vevő", "Szállító"]),
    "google_contacts": dict(
        source="Google Contacts (Google CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the current Google CSV header as tests/prep/layouts_test.py builds it (google_current); labels"
              " are the user's own words, as Google writes custom labels",
        header=["First Name", "Middle Name", "Last Name", "Phonetic First Name", "Phonetic Middle Name",
                "Phonetic Last Name", "Name Prefix", "Name Suffix", "Nickname", "File As", "Organization Name",
                "Organization Title", "Organization Department", "Birthday", "Notes", "Photo", "Labels",
                "E-mail 1 - Label", "E-mail 1 - Value", "E-mail 2 - Label", "E-mail 2 - Value", "Phone 1 - Label",
                "Phone 1 - Value", "Phone 2 - Label", "Phone 2 - Value", "Phone 3 - Label", "Phone 3 - Value",
                "Address 1 - Label", "Address 1 - Formatted", "Address 1 - Street", "Address 1 - City",
                "Address 1 - PO Box", "Address 1 - Region", "Address 1 - Postal Code", "Address 1 - Country",
                "Address 1 - Extended Address", "Website 1 - Label", "Website 1 - Value"]),
    "thunderbird": dict(
        source="Thunderbird address book (Export, comma separated)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the row as tests/prep/layouts_test.py carries it (thunderbird), with its trailing comma",
        header=("First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,Work Phone,"
                "Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,Home City,Home State,"
                "Home ZipCode,Home Country,Work Address,Work Address 2,Work City,Work State,Work ZipCode,"
                "Work Country,Job Title,Department,Organization,Web Page 1,Web Page 2,Birth Year,Birth Month,"
                "Birth Day,Custom 1,Custom 2,Custom 3,Custom 4,Notes,").split(",")),
    "outlook_english": dict(
        source="Microsoft Outlook (Export to a file, CSV), English", language="en",
        separator=",", encoding="cp1252", documented_as="header row",
        where="www.spstechnical.com/outlook_contacts_schema.htm (Outlook Contact Fields; the stored copy shows"
              " them up to Home Fax) and the whole row as tests/prep/layouts_test.py carries it (outlook_english)",
        header=("Title,First Name,Middle Name,Last Name,Suffix,Company,Department,Job Title,Business Street,"
                "Business Street 2,Business Street 3,Business City,Business State,Business Postal Code,"
                "Business Country/Region,Home Street,Home Street 2,Home Street 3,Home City,Home State,"
                "Home Postal Code,Home Country/Region,Other Street,Other Street 2,Other Street 3,Other City,"
                "Other State,Other Postal Code,Other Country/Region,Assistant's Phone,Business Fax,Business Phone,"
                "Business Phone 2,Callback,Car Phone,Company Main Phone,Home Fax,Home Phone,Home Phone 2,ISDN,"
                "Mobile Phone,Other Fax,Other Phone,Pager,Primary Phone,Radio Phone,TTY/TDD Phone,Telex,Account,"
                "Anniversary,Assistant's Name,Billing Information,Birthday,Business Address PO Box,Categories,"
                "Children,Directory Server,E-mail Address,E-mail Type,E-mail Display Name,E-mail 2 Address,"
                "E-mail 2 Type,E-mail 2 Display Name,E-mail 3 Address,E-mail 3 Type,E-mail 3 Display Name,Gender,"
                "Government ID Number,Hobby,Home Address PO Box,Initials,Internet Free Busy,Keywords,Language,"
                "Location,Manager's Name,Mileage,Notes,Office Location,Organizational ID Number,"
                "Other Address PO Box,Priority,Private,Profession,Referred By,Sensitivity,Spouse,User 1,User 2,"
                "User 3,User 4,Web Page").split(",")),
    "outlook_german": dict(
        source="Microsoft Outlook (Export to a file, CSV), German", language="de",
        separator=",", encoding="cp1252", documented_as="header row",
        where="the row as tests/prep/layouts_test.py carries it (outlook_german)",
        header=("Anrede,Vorname,Weitere Vornamen,Nachname,Suffix,Firma,Abteilung,Position,Straße geschäftlich,"
                "Straße geschäftlich 2,Straße geschäftlich 3,Ort geschäftlich,Region geschäftlich,"
                "Postleitzahl geschäftlich,Land/Region geschäftlich,Straße privat,Straße privat 2,Straße privat 3,"
                "Ort privat,Bundesland/Kanton privat,Postleitzahl privat,Land/Region privat,Weitere Straße,"
                "Weiterer Ort,Weiteres/r Bundesland/Kanton,Weitere Postleitzahl,Weiteres/r Land/Region,"
                "Telefon Assistent,Fax geschäftlich,Telefon geschäftlich,Telefon geschäftlich 2,Rückmeldung,"
                "Autotelefon,Telefon Firma,Fax privat,Telefon privat,Telefon privat 2,ISDN,Mobiltelefon,"
                "Weiteres Fax,Weiteres Telefon,Pager,Haupttelefon,Mobiltelefon 2,Telefon für Hörbehinderte,Telex,"
                "Abrechnungsinformation,Benutzer 1,Benutzer 2,Büro,E-Mail-Adresse,E-Mail-Typ,"
                "E-Mail: Angezeigter Name,E-Mail 2: Adresse,E-Mail 2: Typ,E-Mail 2: Angezeigter Name,Geburtstag,"
                "Geschlecht,Initialen,Kategorien,Notizen,Priorität,Privat,Vertraulichkeit,Webseite").split(",")),
    "outlook_czech": dict(
        source="Microsoft Outlook (Export to a file, CSV), Czech", language="cs",
        separator=",", encoding="cp1250", documented_as="header row",
        where="the row as tests/prep/layouts_test.py carries it (outlook_czech)",
        header=("Oslovení,Křestní jméno,Druhé jméno,Příjmení,Přípona,Společnost,Oddělení,Funkce,"
                "Ulice v zaměstnání,Ulice 2 v zaměstnání,Ulice 3 v zaměstnání,Město v zaměstnání,"
                "Kraj v zaměstnání,PSČ v zaměstnání,Země nebo oblast v zaměstnání,Ulice (domů),Ulice 2 (domů),"
                "Město (domů),Kraj (domů),PSČ (domů),Země nebo oblast (domů),Telefon asistenta,"
                "Fax do zaměstnání,Telefon do zaměstnání,Telefon 2 do zaměstnání,Fax domů,Telefon domů,"
                "Mobilní telefon,Jiný telefon,Pager,Hlavní telefon,E-mailová adresa,Typ e-mailu,"
                "Zobrazované jméno e-mailu,E-mailová adresa 2,Typ e-mailu 2,Zobrazované jméno e-mailu 2,"
                "Narozeniny,Pohlaví,Iniciály,Kategorie,Poznámky,Priorita,Soukromé,Citlivost,"
                "Webová stránka").split(",")),
}

# The Outlook columns the exports fill, by language (the same meaning on one
# line), for the layout-change tests.
OUTLOOK_COLUMNS = {
    "en": dict(prefix="Title", given="First Name", family="Last Name", org="Company", job="Job Title",
               work_street="Business Street", work_city="Business City", work_code="Business Postal Code",
               work_country="Business Country/Region", home_street="Home Street", home_city="Home City",
               home_code="Home Postal Code", home_country="Home Country/Region", fax="Business Fax",
               work="Business Phone", home="Home Phone", cell="Mobile Phone", email="E-mail Address",
               email_type="E-mail Type", email_shown="E-mail Display Name", email2="E-mail 2 Address",
               birthday="Birthday", web="Web Page", gender="Gender", priority="Priority", private="Private",
               sensitivity="Sensitivity"),
    "de": dict(prefix="Anrede", given="Vorname", family="Nachname", org="Firma", job="Position",
               work_street="Straße geschäftlich", work_city="Ort geschäftlich",
               work_code="Postleitzahl geschäftlich", work_country="Land/Region geschäftlich",
               home_street="Straße privat", home_city="Ort privat", home_code="Postleitzahl privat",
               home_country="Land/Region privat", fax="Fax geschäftlich", work="Telefon geschäftlich",
               home="Telefon privat", cell="Mobiltelefon", email="E-Mail-Adresse", email_type="E-Mail-Typ",
               email_shown="E-Mail: Angezeigter Name", email2="E-Mail 2: Adresse", birthday="Geburtstag",
               web="Webseite", gender="Geschlecht", priority="Priorität", private="Privat",
               sensitivity="Vertraulichkeit"),
    "cs": dict(prefix="Oslovení", given="Křestní jméno", family="Příjmení", org="Společnost", job="Funkce",
               work_street="Ulice v zaměstnání", work_city="Město v zaměstnání", work_code="PSČ v zaměstnání",
               work_country="Země nebo oblast v zaměstnání", home_street="Ulice (domů)", home_city="Město (domů)",
               home_code="PSČ (domů)", home_country="Země nebo oblast (domů)", fax="Fax do zaměstnání",
               work="Telefon do zaměstnání", home="Telefon domů", cell="Mobilní telefon", email="E-mailová adresa",
               email_type="Typ e-mailu", email_shown="Zobrazované jméno e-mailu", email2="E-mailová adresa 2",
               birthday="Narozeniny", web="Webová stránka", gender="Pohlaví", priority="Priorita",
               private="Soukromé", sensitivity="Citlivost"),
}

# Sources looked for and not found with a documented column list in the
# stored material searched (docs, pages, code and issues).
NOT_FOUND = [
    "Seznam.cz Email (Czech webmail) contacts export",
    "Centrum.cz / Atlas.cz, Azet.sk, Interia, WP Poczta, Onet, Freemail.hu webmail contacts export",
    "Outlook in Slovene, Croatian and Romanian (only Microsoft's Business Contact Manager import pages)",
    "Thunderbird's CSV export in other interface languages",
    "Proton Mail, Nextcloud Contacts, Roundcube, Horde (their contact exports are vCards, no CSV column list)",
    "Microsoft Dynamics 365, Odoo, SuiteCRM/SugarCRM, vtiger: no export column list in the stored copies",
    "Mailchimp audience export: column names appear only in part (MEMBER_RATING, OPTIN_TIME, CONFIRM_IP,"
    " LATITUDE), not as a list",
    "Pohoda, Money S3, Helios (Czech accounting address books)",
    "Android / phone-app 'contacts to CSV' exports (a PBX's contact file, Yeastar, stands for the phone side)",
    "Apple iCloud via third-party CSV tools",
]
