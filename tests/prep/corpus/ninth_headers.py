"""Headers of the ninth held-out set (tests/prep/corpus/ninth): none of these
sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py nor layouts_test.py, nor in their NOT_FOUND lists. The
entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "onpipeline_contacts": dict(
        source="Onpipeline (sales CRM: persons and their organizations from a CSV file)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="support.onpipeline.com/article/import-contacts-into-onpipeline: 'The file must be CSV UTF-8 ..."
              " (delimited with comma or semicolon)'; fields First Name *, Family Name *, Full Name *, Phone,"
              " Organization Name, Address, Apt./Floor, City, Postcode, State, Country ('+ Custom fields', none"
              " taken here); 'Your CSV file must include the same number of fields ... All fields must be there"
              " regardless their value. Fields with * must have a value for every record'; the semicolon is one"
              " of the two separators it names",
        header=["First Name", "Family Name", "Full Name", "Phone", "Organization Name", "Address", "Apt./Floor",
                "City", "Postcode", "State", "Country"]),
    "highimpact_contacts": dict(
        source="HighImpact (a HighLevel-style sales CRM: contacts from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="highmpact-help.pages.dev/using/contacts/csv-import-format ('CSV Format for Importing Contacts'),"
              " its 'Sample column structure': First Name | Last Name | Email | Phone | Company | Tags | Status |"
              " Created Date, with 'John | Doe | john@acme.com | +11234567890 | Acme Inc | VIP, Lead | New |"
              " 01/01/2024'; 'The header row is required'; phone numbers E.164 recommended; dates MM/DD/YYYY and"
              " others, 'use it consistently'",
        header=["First Name", "Last Name", "Email", "Phone", "Company", "Tags", "Status", "Created Date"]),
    "graduway_contacts": dict(
        source="Graduway (alumni relationship and engagement platform: contacts by bulk import)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="graduwayhelp.zendesk.com/hc/en-us/articles/6656237909916-How-To-Bulk-Import-Contact-Columns:"
              " recommended columns Email, First Name, Last Name, Custom User Id; optional Salutation ('The full"
              " name you want to use when addressing a contact ... \"Dr. and Mrs. Smith\"'), Cell Number, Opted"
              " Into Text ('TRUE'), Custom Account Id, Birthday ('MM/DD/YYYY, YYYY/MM/DD, or MM/DD'); the stored"
              " copy breaks off at 'Date Of Birth - Day', so the list ends with Birthday",
        header=["Email", "First Name", "Last Name", "Custom User Id", "Salutation", "Cell Number",
                "Opted Into Text", "Custom Account Id", "Birthday"]),
    "avaya_cie_address_book": dict(
        source="Avaya Customer Interaction Express 1.0 WebClient (contact centre desktop: personal address book"
               " import)", language="en", separator="; ", encoding="utf-8", documented_as="header row",
        where="manualshive.com, User Manual CIE 1.0 WebClient p. 53 'Sample import file for a personal address"
              " book': 'EntryId; LastName; FirstName; Street; PostalCode; City; PhoneNumber; MailAddress' with"
              " rows '123; Utzer; Ben; Dorfstraße 34c; 22941; Bargteheide; 04532-1234567; ...', '124; Comergo"
              " Bargteheide; ; Bahnhofstraße 24; ...' (a firm in LastName, FirstName empty) and '125; Bredet;"
              " Vera;;;;;...'; 'Leading or trailing blanks in the values are ignored', 'Columns may be left"
              " empty'; the encoding is not stated, UTF-8 here",
        header=["EntryId", "LastName", "FirstName", "Street", "PostalCode", "City", "PhoneNumber", "MailAddress"]),
    "voipmanager_phonebook": dict(
        source="VoIP-Manager (Asterisk phone book web tool: CSV export and import)", language="en",
        separator=";", encoding="utf-8", documented_as="header row",
        where="voip-manager.net/phonebook_help_en_import_csv.php: 'The CSV file format is identical to the CSV"
              " Export function ... It includes a header line and a semicolon as delimiting character ...'"
              " 'Special characters, such as Umlauts, are UTF-8 coded', its example '\"cid\";\"cidname\"' with"
              " '\"01728714277\";\"Dennis Meier\"' (every value quoted)",
        header=["cid", "cidname"]),
    "uctoplus_kontakty": dict(
        source="Účto+ (Slovak online accounting: contacts by its universal CSV import)", language="sk",
        separator=";", encoding="cp1250", documented_as="field list",
        where="moje.uctoplus.sk/help/document-archive/upload-files/universal-import ('Univerzálny import'): 'nahrať"
              " CSV ... adresy do adresára', keys for Kontakt: 'Spoločnosť / Meno a Priezvisko', 'Ulica a číslo',"
              " 'Mesto', 'PSČ', 'Štát [Country]', 'IČ DPH', 'IBAN', 'IČO', 'DIČ'; the keys are the header here; the"
              " file is saved from Excel on a Slovak desk, so ';' and code page 1250",
        header=["Spoločnosť / Meno a Priezvisko", "Ulica a číslo", "Mesto", "PSČ", "Štát", "IČ DPH", "IBAN",
                "IČO", "DIČ"]),
    "metasfresh_bpartners": dict(
        source="metasfresh (German open-source ERP: business partners by its import format)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="docs.metasfresh.org/webui_collection/EN/Import_format_example_bpartner.html, the column names of"
              " its table: Value_Suchschlüssel (search key), Companyname_Firmenname, Name_Name ('Partner name (for"
              " individuals)'), Firstname_Vorname, Lastname_Nachname ('only required in connection with contacts'),"
              " CountryCode_ISO-Ländercode, GroupValue_Gruppen-Schlüssel, RegionName_Region ('NRW'),"
              " OrgValue_Organisations-Schlüssel; the stored copy breaks off at the location data, so the list"
              " ends with OrgValue; the file is 'an Excel file prior to its conversion to a CSV', saved on a"
              " German desk: ';' and code page 1252",
        header=["Value_Suchschlüssel", "Companyname_Firmenname", "Name_Name", "Firstname_Vorname",
                "Lastname_Nachname", "CountryCode_ISO-Ländercode", "GroupValue_Gruppen-Schlüssel",
                "RegionName_Region", "OrgValue_Organisations-Schlüssel"]),
    "sendgrid_contacts": dict(
        source="Twilio SendGrid Marketing Campaigns (newsletter contacts by CSV upload, reserved fields)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="twilio.com/docs/sendgrid/glossary/reserved-fields ('fields such as email, first_name, and"
              " last_name') and /docs/sendgrid/api-reference/contacts/import-contacts ('a CSV upload ... map the"
              " uploaded CSV columns to ... the reserved field'); the reserved fields in the order of its"
              " ContactRequest: email, first_name, last_name, address_line_1, address_line_2, city,"
              " state_province_region, postal_code, country, phone_number, alternate_emails ('Enter multiple as"
              " comma-separated values')",
        header=["email", "first_name", "last_name", "address_line_1", "address_line_2", "city",
                "state_province_region", "postal_code", "country", "phone_number", "alternate_emails"]),
    "membershipworks_members": dict(
        source="MembershipWorks (membership management: members imported from a spreadsheet)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.membershipworks.com/portal/en/kb/articles/import-members: 'use the following column"
              " headings': Account name ('If your spreadsheet lists your member's names as separate First Name,"
              " Last Name columns, you can use those'), Contact name, Organization name, Position, Phone, Mobile,"
              " Fax, Skype, Email, Website, Address 1, City, State, Country, Zip, Tagline, Profile description,"
              " Label, Membership level, Membership add-on, Join date, Renewal date, Directory, ...; dates 'MMM"
              " DD YYYY (e.g. Jan 01 2026)'; the columns up to Directory are taken",
        header=["Account name", "Contact name", "Organization name", "Position", "Phone", "Mobile", "Fax",
                "Skype", "Email", "Website", "Address 1", "City", "State", "Country", "Zip", "Tagline",
                "Profile description", "Label", "Membership level", "Membership add-on", "Join date",
                "Renewal date", "Directory"]),
    "surveylab_contacts": dict(
        source="SurveyLab (Polish survey platform: respondents' contacts from a text file)", language="en",
        separator="; ", encoding="utf-8", documented_as="header row",
        where="surveylab.com/help/contacts/import-contacts: 'we recommend to prepare a file with the following"
              " structure: Email; First name; Last name; Phone; C1; C2; C3; C4; C5; C6; C7; C8', its example"
              " '...; John; Smith; 48501501501; New York; IT Specialist'; phone 'in format xxxxxxxxxx or"
              " 48xxxxxxxxx'; custom fields 1 ... 8",
        header=["Email", "First name", "Last name", "Phone", "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8"]),
    "dpd_csv_import": dict(
        source="DPD Estonia (parcel shipping: consignments from a CSV file)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="dpd.com/ee/ru/faq/wie-funktioniert-der-csv-import ('How does the CSV import work?'): 'The file must"
              " consist of 12 fields in the following order ...: Company (30); Name (30); Road (50); Additional"
              " address (30); Postal code (10); City (50); Country (3); Telephone number (15); E-mail (50);"
              " Customer No (25); Reference (25); contents (30)'; no header line is named, so the names are"
              " written as the header row here; the separator is not stated, ';' here",
        header=["Company", "Name", "Road", "Additional address", "Postal code", "City", "Country",
                "Telephone number", "E-mail", "Customer No", "Reference", "contents"]),
    "smscentral_contacts": dict(
        source="SMS Central (SMS messaging: contacts imported from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.smscentral.com.au/hc/en-us/articles/215610963: '.csv (comma delimted) format ... The"
              " columns must also be in this order (mobile phone is the only required field): mobile phone |"
              " first name | last name | email address | date of birth | country | custom 1 | custom 2 | custom"
              " 3', its example '61411111111 | Anna | Smith | anna@smith.com | 10/03/81 | Australia | Female';"
              " 'Date of Birth should be DD/MM/YY'",
        header=["mobile phone", "first name", "last name", "email address", "date of birth", "country", "custom 1",
                "custom 2", "custom 3"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs and pages), beyond the other header modules' lists.
NOT_FOUND = [
    "Central European accounting and e-shops: IMA ERP (Hungarian, only a wiki feed), Quibi and Keepi.sk (columns"
    " mapped at import), 4D Wand (Croatian; the stored copy shows its format rules, not the partner columns),"
    " iFirma, Bliskapaczka.pl (its template's headers are not listed), Slovenská pošta's ePodací hárok (XML or"
    " XLS), Poczta Polska's Elektroniczny Nadawca, DUEL, SAGA C (DBF)",
    "CRMs: Less Annoying CRM, Close, OnePageCRM (its sample file is a download), One Community (the stored copy"
    " breaks off after 'infix'), Swell (columns mapped at import)",
    "Webmail and address books: eM Client, IceWarp (no CSV column list found)",
    "School: Canvas SIS users.csv (the stored copies show its rules, not the table of its fields)",
]
