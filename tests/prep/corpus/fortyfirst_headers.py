"""Headers of the forty-first held-out set (tests/prep/corpus/fortyfirst):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyninth_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "nookal_clients": dict(
        source="Nookal (Australian practice management for physiotherapy and allied health: 'Moving to Nookal: Do It"
               " Yourself', the clients' CSV)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help 'Moving to Nookal: Do It Yourself' (www.nookal.com/help/moving-to-nookal-do-it-"
              "yourself), 'Columns - the pillars of your data', data type Clients: Title ('Mrs'), First Name, Middle"
              " Name, Last Name, Gender ('M/F/O'), Date of Birth ('YYYY-MM-DD'), Notes, Date Registered, Address Line"
              " 1 ('Level 1/2a'), Address Line 2 ('345 Main Street'), City / Suburb, State ('Abbreviated', 'QLD'),"
              " Country, Postcode, Home Phone, Mobile Phone, Work Phone, Email Address; the rows after it (Company,"
              " Type 'Insurer', ...) are the Contacts data type, kept apart ('You must not have your Clients and"
              " Contacts details in the same CSV file'). UTF-8 without a signature and CRLF taken",
        header=["Title", "First Name", "Middle Name", "Last Name", "Gender", "Date of Birth", "Notes",
                "Date Registered", "Address Line 1", "Address Line 2", "City / Suburb", "State", "Country",
                "Postcode", "Home Phone", "Mobile Phone", "Work Phone", "Email Address"]),
    "vetdata_clients": dict(
        source="VetData (US veterinary data conversion: the practice's 'Client.CSV' for a move between practice"
               " management systems)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Client' (vetdata.freshdesk.com/support/solutions/articles/8000111889-"
              "client): 'all Clients configured for the practice which can include referral hospitals and referral"
              " doctors', fields AccountId, FileNumber ('integer'), ClientTypeCode ('A' active, 'S' senior),"
              " Salutation, LastName (required), FirstName, MiddleName, Address1, Address2, City, State ('State"
              " abbreviation'), Zip, Country, County, Language, the primary e-mail address (its name lost in the"
              " stored copy; 'Email' as the same vendor's Vendors entity writes it), Phone1AsIs ('as recorded'),"
              " PhoneType1 ('Cell, Home, Work etc'), Phone2AsIs, PhoneType2, Phone3AsIs, PhoneType3, Employer,"
              " SpouseNameFirst, SpouseNameLast, Alert; the stored copy breaks off there, so the list does. 'The"
              " Type defines how the sample file handles the CSV data type to produce the double quote delimiters':"
              " every string quoted, the integer not; UTF-8 without a signature and CRLF taken",
        header=["AccountId", "FileNumber", "ClientTypeCode", "Salutation", "LastName", "FirstName", "MiddleName",
                "Address1", "Address2", "City", "State", "Zip", "Country", "County", "Language", "Email",
                "Phone1AsIs", "PhoneType1", "Phone2AsIs", "PhoneType2", "Phone3AsIs", "PhoneType3", "Employer",
                "SpouseNameFirst", "SpouseNameLast", "Alert"]),
    "gympoint_members": dict(
        source="GymPoint (US gym management: 'CSV Import Step-by-Step Guide', the members' import template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'CSV Import Step-by-Step Guide' (gympoint.ai/knowledge-base/migration/"
              "csv-import-guide), 'Step 2: Understand Required vs. Optional Columns': first_name, last_name, email"
              " (required); phone, membership_plan, status ('active, frozen, canceled, or lead'), join_date"
              " (recommended); address, city, state, zip, date_of_birth, gender, emergency_contact_name,"
              " emergency_contact_phone, notes, barcode (optional), in this order; 'Dates (MM/DD/YYYY)'; custom"
              " fields left out. UTF-8 without a signature and CRLF taken",
        header=["first_name", "last_name", "email", "phone", "membership_plan", "status", "join_date", "address",
                "city", "state", "zip", "date_of_birth", "gender", "emergency_contact_name",
                "emergency_contact_phone", "notes", "barcode"]),
    "tutorcruncher_clients": dict(
        source="TutorCruncher (British tutoring agency platform: 'Import', the clients' file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import' (help.tutorcruncher.com/en/articles/8250343-import), 'What default"
              " fields can be used for importing users': Status ('Prospect, Live, Dormant'), Email (may be empty;"
              " 'a blank space ... at the beginning or end of the email address'), First Name, Last name ('a"
              " required field'), Mobile, Phone, Street, Town, then State ('US companies only', left out for a"
              " London agency); the stored copy breaks off there, so the list ends at Town. CSV or XLSX; UTF-8"
              " without a signature and CRLF taken",
        header=["Status", "Email", "First Name", "Last name", "Mobile", "Phone", "Street", "Town"]),
    "planaday_cursisten": dict(
        source="Planaday (Dutch planning software for training institutes: 'Cursisten importeren')", language="nl",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Cursisten importeren' (planaday.freshdesk.com/support/solutions/"
              "articles/11000022573): 'De volgende velden kunnen geïmporteerd worden': bedrijfsnaam, achternaam,"
              " voornaam, meisjesnaam, tussenvoegsel, adres_1, huisnummer, huisnummer_ext, plaats, land, adres_2,"
              " postcode, actief ('ja/nee'), employeeId, voornaam (listed twice, taken once), geslacht,"
              " datum_geboortedatum, telefoonnummer_1, telefoonnummer_2, titel, language ('NL', 'FR', 'EN'),"
              " languagePortal, emailadres, geboortestad, bsn_nummer, ext_debiteur_no, functie; free fields ('e:')"
              " left out. 'Enkel importeren mogelijk met CSV'; a sheet saved as 'CSV UTF-8' by a Dutch Excel (';',"
              " a signature, CRLF) taken",
        header=["bedrijfsnaam", "achternaam", "voornaam", "meisjesnaam", "tussenvoegsel", "adres_1", "huisnummer",
                "huisnummer_ext", "plaats", "land", "adres_2", "postcode", "actief", "employeeId", "geslacht",
                "datum_geboortedatum", "telefoonnummer_1", "telefoonnummer_2", "titel", "language",
                "languagePortal", "emailadres", "geboortestad", "bsn_nummer", "ext_debiteur_no", "functie"]),
    "uniradio_clinics": dict(
        source="UniRadio (Brazilian veterinary tele-radiology: the radiologist's clinic accounts, 'Client import"
               " field definitions')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help centre 'Client import field definitions' (helpcenter.uniradio.vet.br/en/"
              "radiologists/fields/fields-clients-import.html): 'Use the account export as your CSV template':"
              " Name ('Central Veterinary Clinic'), Owner Name ('Full name of the user who will be created as the"
              " owner', 'Dr. John Silva'), Owner Email, Account Name ('Alternative label for Name ... appears in"
              " the system exported CSV'), Account Email ('Main email for the clinic account'), Billing Name ('Name"
              " used for fiscal and billing purposes'); User Name left out ('Not an import field'); the stored copy"
              " breaks off after Billing Name, so the list does. UTF-8 without a signature and CRLF taken",
        header=["Name", "Owner Name", "Owner Email", "Account Name", "Account Email", "Billing Name"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Booking and salons: Phorest, Lodgify, Smoobu, Lodgit Desk (columns mapped at import, no names), eTermin"
    " (fields picked in the file's order), AirLST (fields listed for the form, the import maps them), Doctoralia"
    " (template is a download)",
    "Fitness: Eversports (nothing stored), Gymflow (its template is an attachment, the column names not in the"
    " stored copy), Fitness GM (the stored copy breaks off after four columns)",
    "Practices: Nookal's Contacts data type (the stored copy breaks off after six columns), TutorBird and"
    " Teachworks (nothing stored)",
]
