"""Headers of the hundredth held-out set (tests/prep/corpus/hundredth): none
of these sources is in headers.py nor in any of the other *_headers.py files,
nor in layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "skyslope_contacts": dict(
        source="SkySlope Books (back office and accounting for real estate brokerages: 'Importing Contacts')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Importing Contacts' (bookssupport.skyslope.com/hc/en-us/articles/"
              "15024270143899-Importing-Contacts), 'The fields listed below appear from left to right on the CSV':"
              " Contact Unique Key, Display Name (required), Company Name, First Name, Last Name, Preferred Name,"
              " Email Address (required), Telephone, Country Code ('If blank, Import will default to US Code +1'),"
              " Phone Number ('Do not include spaces'), Fax Number, Location Name, Address Street Number, Address"
              " Street Name, Address Unit Number, City, State ('Do Not Abbreviate'), Postal Code, Country Code ('2"
              " Digit Country Code'), Contact Category, Directory Status, Class, Contact Person Unique Key, Contact"
              " Location Unique Key, Payroll Type ('1099-NEC / W-2 / Blank'), Payroll Name of Recipient, Payroll TIN"
              " Type, Payroll TIN Payroll; the stored copy breaks off in the last one's note, so the list ends"
              " there. 'Country Code' stands twice, the phone's and the address's. UTF-8 without a signature and"
              " CRLF taken",
        header=["Contact Unique Key", "Display Name", "Company Name", "First Name", "Last Name", "Preferred Name",
                "Email Address", "Telephone", "Country Code", "Phone Number", "Fax Number", "Location Name",
                "Address Street Number", "Address Street Name", "Address Unit Number", "City", "State",
                "Postal Code", "Country Code", "Contact Category", "Directory Status", "Class",
                "Contact Person Unique Key", "Contact Location Unique Key", "Payroll Type",
                "Payroll Name of Recipient", "Payroll TIN Type", "Payroll TIN Payroll"]),
    "mangoapps_users": dict(
        source="MangoApps (employee intranet and workplace app: 'Import Users', the users' CSV file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's administrators' guide 'Import Users' (guides.mangoapps.com/admin-guide/"
              "user-provisioning-and-management/add-users/import-users), 'Fields in the CSV File': name, firstname,"
              " lastname, email/login, Date of Birth (dob) ('MM/DD/YY format'; the earlier copy of the page names"
              " the column 'dob', taken here), title, organization, phone, desktop_extension, mobile, manager,"
              " Enabled ('TRUE', 'FALSE', 'DELETED'), locale, Office Locations, also known as ('Alternative names or"
              " nicknames'), education, experience, expertise, employee id, profile image, gender; the list goes"
              " on with further profile items, left out. UTF-8 without a signature and CRLF taken",
        header=["name", "firstname", "lastname", "email/login", "dob", "title", "organization", "phone",
                "desktop_extension", "mobile", "manager", "Enabled", "locale", "Office Locations", "also known as",
                "education", "experience", "expertise", "employee id", "profile image", "gender"]),
    "lyosis_patients": dict(
        source="Lyosis (a clinical application for patients' assessments: 'How to import CSV', the patients)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's technical docs 'How to import CSV' (docs.lyosis.com/en/technical/how-to-import-csv):"
              " 'The first line of the CSV file should be a header line and should always be:' dateOfBirth,"
              "dateOfDeath,patientID,lastname,firstname,gender,language,race,race_other,addressLine1,addressLine2,"
              "postCode,city,country,phoneMobile,phoneHome,phoneWork,email,refusedAssessment,medicallyUnfit,"
              "reasonForRefusal,primaryCarePhysician_title,primaryCarePhysician_lastname,"
              "primaryCarePhysician_firstname,primaryCarePhysician_language,primaryCarePhysician_addressLine1,"
              "primaryCarePhysician_addressLine2,primaryCarePhysician_postCode; the stored copy breaks off in the"
              " next name, so the row ends there. Separator ',', 'true or false, lowercase', dates 'DD/MM/YYYY or"
              " MM/YYYY or YYYY'; the file is put in the server's import folder as patient.csv: UTF-8 without a"
              " signature and LF taken",
        header=["dateOfBirth", "dateOfDeath", "patientID", "lastname", "firstname", "gender", "language", "race",
                "race_other", "addressLine1", "addressLine2", "postCode", "city", "country", "phoneMobile",
                "phoneHome", "phoneWork", "email", "refusedAssessment", "medicallyUnfit", "reasonForRefusal",
                "primaryCarePhysician_title", "primaryCarePhysician_lastname", "primaryCarePhysician_firstname",
                "primaryCarePhysician_language", "primaryCarePhysician_addressLine1",
                "primaryCarePhysician_addressLine2", "primaryCarePhysician_postCode"]),
    "kydso_persons": dict(
        source="KYDSO (German identity and access governance: 'Personenimport (CSV-Datei)', a firm's staff)",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Providing the data for the person import' (docs.kydso.com/en/163793-"
              "personenimport-csv-datei.html), PersonImport.csv: 'Character set: Unicode (UTF-8)', 'Field"
              " separator: semicolon (;)', 'Text delimiter: quotation marks'; mandatory PersonID, LastName,"
              " FirstName, optional OfficePhone, OfficeEmail, OfficeCellPhone, OfficeFax, FormOfAddress ('0 = woman"
              " 1 = Mr'), in the order of the page's example; 'all listed fields ... must be present'. Every value"
              " quoted and CRLF taken",
        header=["PersonID", "LastName", "FirstName", "OfficePhone", "OfficeEmail", "OfficeCellPhone", "OfficeFax",
                "FormOfAddress"]),
    "oconect_people": dict(
        source="Oconect (enterprise mapping of people and systems: 'People (CSV Import)')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's setup guide 'People (CSV Import)' (oconect.gitbook.io/oconect/setup-guides/"
              "enterprise-mapping-via-csv/basic-data-imports/people-csv-import): First Name, Last Name, Position,"
              " Email ('Formatted as an email address'), Type ('Set as either \"Internal\" or \"External\"'), its"
              " example table in that order; UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Position", "Email", "Type"]),
    "adorbit_contacts": dict(
        source="Ad Orbit (advertising sales CRM for publishers: 'Importing Contacts', the contact import file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importing Contacts' (www.adorbit.com/help_docs/en/settings-and-setup/"
              "data-imports/importing-contacts.html), 'Contact Import CSV File', 'Required Fields': Company ID ('The"
              " ID or name of the company ... Zero if the person is not associated with a company'), Email(Primary)"
              " (without one 'the Default Contact Email ... also referred to as the \"placeholder\" email'), First"
              " Name and Last Name (else the Default Contact First and Last Name), Primary Phone ('Numbers only');"
              " the stored copy breaks off there, so the list does. UTF-8 without a signature and CRLF taken",
        header=["Company ID", "Email(Primary)", "First Name", "Last Name", "Primary Phone"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Booking and salons: Vagaro and Jane (moves between their own accounts only, no columns), Mangomint, Rezdy,"
    " Bookeo, Kitomba (nothing stored with a column list), Gingr (a paid import or its template download)",
    "Gyms and clubs: Glofox, PushPress (nothing stored), Zen Planner (the memberships import only, its template"
    " attached), Quoox (rules for its member sheet, the column names in the download only)",
    "Business tools: Skylight and Katipolt (column names in the template download only), Adjutant (the stored"
    " copy breaks off after six fields, in the note on what 'Phone1Code' holds), Ontraport and Campaign Monitor"
    " (fields mapped by hand or through the programming interface)",
    "Others: easybadge's shared directory (its eight column names only in a machine translation, 'Interior' for"
    " the extension), Owl Practice and WriteUpp (no import columns stored)",
]
