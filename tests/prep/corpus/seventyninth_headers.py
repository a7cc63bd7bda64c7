"""Headers of the seventy-ninth held-out set (tests/prep/corpus/seventyninth):
none of these sources is in headers.py nor in any of the later *_headers.py
files, nor in layouts_test.py, nor in their NOT_FOUND lists. The entries are
as in headers.py: source, language of the columns' names, separator and
encoding of the export, how the header is documented ("header row": the
source shows the row itself; "field list": it lists the names in this order)
and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "beefree_clients": dict(
        source="Bee Free Software (the 'Generic Connector' that moves a practice's data in, veterinary systems"
               " among them: its clients file)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's wiki pages 'Generic Connector' (beefreesoftware.atlassian.net/wiki/spaces/SVA/pages/"
              "54239040) and 'Clients' (.../pages/54239402): 'Separator: Comma separated', 'Text delimiter: Double"
              " Quotation Marks', 'Field Titles: 1st row', 'Encoding: Unicode (UTF-8)'; the clients' fields"
              " identifier, is_active ('true/false', deceased clients 'false'), title, first_name, last_name"
              " (required), street, postcode, city, state, country, telephone ('Phone number'), mobile_phone,"
              " email, in this order. Every cell quoted, no signature and CRLF taken",
        header=["identifier", "is_active", "title", "first_name", "last_name", "street", "postcode", "city",
                "state", "country", "telephone", "mobile_phone", "email"]),
    "hint_patients": dict(
        source="Hint Health (direct primary care practices: the patient uploader's demographic data)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importing/Upload Patient Data' (support.hint.com/en/articles/2138101): 'upload a"
              " CSV document with your patient data ... by including the following column headers': First name,"
              " Middle name, Last name, Date of birth, Gender, Email, Provider, Joined Practice, Address Line 1,"
              " Address Line 2, City, State, Zip Code, Country, Phone type ('Mobile, Home, Office'), Is US phone"
              " ('True, False'), Phone number ('10 digits if US phone'); the membership columns that may follow"
              " are left out. The date format is not shown there: US 'MM/DD/YYYY' taken (the vendor's eligibility"
              " sheet allows it); UTF-8 without a signature and CRLF taken",
        header=["First name", "Middle name", "Last name", "Date of birth", "Gender", "Email", "Provider",
                "Joined Practice", "Address Line 1", "Address Line 2", "City", "State", "Zip Code", "Country",
                "Phone type", "Is US phone", "Phone number"]),
    "inform_lab_vendors": dict(
        source="Oracle InForm (clinical trials' data capture, its lab administration: the lab vendors' CSV file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the product's user guide 'CSV file operations' (docs.oracle.com/en/industries/life-sciences/inform/"
              "7.0.1.1/lnmt-user/csv-file-operations.html): 'The CSV file a lab vendor contains the following 15"
              " columns': Lab Vendor ID, Lab Vendor Name, Address 1, Address 2, City, State/Province, Postal Code,"
              " Country, Phone Number, Fax Number, Comments, Labdbid, TransactionType(I/U/D), ReasonForChange,"
              " Associated Sites ('the site mnemonics'). The same file is downloaded from the Lab List page and"
              " loaded back; UTF-8 without a signature and CRLF taken",
        header=["Lab Vendor ID", "Lab Vendor Name", "Address 1", "Address 2", "City", "State/Province",
                "Postal Code", "Country", "Phone Number", "Fax Number", "Comments", "Labdbid",
                "TransactionType(I/U/D)", "ReasonForChange", "Associated Sites"]),
    "aestheticc_clients": dict(
        source="Aestheticc (aesthetic medicine clinics' practice software: 'Importing Clients from CSV')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's docs 'Importing Clients from CSV' (aestheti.cc/docs/clients/importing-clients), its"
              " 'Example CSV Structure': firstName,lastName,email,phone,dateOfBirth,address,notes, with rows like"
              " 'Emma,Thompson,...,(555) 123-4567,1985-04-15,\"123 Park Avenue, Suite 100\",VIP client': the"
              " address one quoted cell, dateOfBirth 'YYYY-MM-DD', the phone 'any format'; UTF-8 without a"
              " signature and CRLF taken",
        header=["firstName", "lastName", "email", "phone", "dateOfBirth", "address", "notes"]),
    "adracare_clients": dict(
        source="Adracare (Canadian virtual care and practice management: 'How to Bulk Upload Existing Clients')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to Bulk Upload Existing Clients' (support.adracare.com/hc/en-us/articles/"
              "36070530630925): 'formatted using the attached template': First Name, Last Name, Language"
              " ('English, French, Spanish'), Timezone, Email address, Phone number 1 ('including country code and"
              " no additional symbols', '15555555555'), Phone Type 1 ('Home, Mobile, Work, Fax, Office, Other'),"
              " Phone number 2, Phone Type 2, Voice Communication Consent ('Y, N'), Salutation ('Mr.,Mrs.,Miss,"
              "Ms.,M.,Dr.,...'), Gender, Date of Birth ('Date in the format of MM/DD/YY...'); the stored copy breaks"
              " off there, so the list ends with it and MM/DD/YYYY is taken. UTF-8 without a signature and CRLF"
              " taken",
        header=["First Name", "Last Name", "Language", "Timezone", "Email address", "Phone number 1",
                "Phone Type 1", "Phone number 2", "Phone Type 2", "Voice Communication Consent", "Salutation",
                "Gender", "Date of Birth"]),
    "konexus_users": dict(
        source="Konexus (emergency and shift alerting for hospitals and laboratories: the user import's fields)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support page 'List of User Fields' (support.konexus.com/list-of-user-fields): FirstName"
              " and LastName (required), UserName, Email ('List of Email addresses, separated by ; (semi-colon)'),"
              " BusinessAddress, City, State ('State abbreviation'), ZipCode, Location ('lat/long ... separated by"
              " ;'), Title ('Organizational title'), AgencyBusiness ('Organization name'), WebPage, Notes,"
              " BusinessPhone, HomePhone, Fax, CellPhone, PagerNumber, Email2, AddressLine2 ('apartment, suite,"
              " unit, building, floor'), Country, UniqueID (required), Role, AlertGroups, MandatoryAlertGroups,"
              " AssetID, JobFunction ('A semi-colon separated list'), Metadata ('key-value pairs'), in this order;"
              " the stored copy ends there. UTF-8 without a signature and CRLF taken",
        header=["FirstName", "LastName", "UserName", "Email", "BusinessAddress", "City", "State", "ZipCode",
                "Location", "Title", "AgencyBusiness", "WebPage", "Notes", "BusinessPhone", "HomePhone", "Fax",
                "CellPhone", "PagerNumber", "Email2", "AddressLine2", "Country", "UniqueID", "Role", "AlertGroups",
                "MandatoryAlertGroups", "AssetID", "JobFunction", "Metadata"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Veterinary: petoffice (German animal welfare software: 'CSV-Datenimport' names a sample file, not its"
    " columns), Animal Shelter Manager (the stored copy of its import fields lists the animals' only), Cuddles and"
    " Petboost (templates are downloads, fields only described), Provet Cloud (columns mapped by hand), Animana"
    " (database delivery rules, no columns), Prima (a pathology lab's order file: no contact columns)",
    "Practices: Halaxy, Jane, Power Diary and Carepatron (templates are downloads or the vendor imports),"
    " ContinuousCare, ClinicAid, ThoroughCare and Oracle Health Immunization Management (headers only in a"
    " download), Docplanner/Doctoralia and Dentare (columns mapped by hand), Opticabase (screens only)",
    "German and Austrian: appointmed, latido, prophysio, asys and iatropro (patient screens described, no file)",
    "Polish, Czech, Dutch and Swedish searches for practice or clinic imports found no column list",
]
