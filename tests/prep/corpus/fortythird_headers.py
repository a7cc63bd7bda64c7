"""Headers of the forty-third held-out set (tests/prep/corpus/fortythird):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fortyfirst_headers.py), nor in
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
    "deputy_team": dict(
        source="Deputy (workforce scheduling and timesheets: 'Bulk import or bulk update team member data')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk import or bulk update team member data' (help.deputy.com/hc/en-au/articles/"
              "5898002694287), its 'Employee' table: First Name, Last Name, Preferred Name (Display Name), Mobile"
              " ('0401000000'), the mailbox ('jackjohnson@email.com', 'Unique'; the stored copy kept the row's"
              " example but lost its label, which the page's text calls the email: 'Email' taken), Main Location,"
              " Location Code, DOB ('1999-09-09'), Gender, Address ('103 Home'), City, Post Code, State ('NSW'),"
              " Country ('Australia'), Emergency Contact Name, Emergency Contact Phone, User Name, Termination Date,"
              " Send Invite (Y/N); the stored copy breaks off there, so the list does. A sheet saved as CSV: UTF-8"
              " without a signature and CRLF taken",
        header=["First Name", "Last Name", "Preferred Name (Display Name)", "Mobile", "Email", "Main Location",
                "Location Code", "DOB", "Gender", "Address", "City", "Post Code", "State", "Country",
                "Emergency Contact Name", "Emergency Contact Phone", "User Name", "Termination Date",
                "Send Invite (Y/N)"]),
    "traccloud_students": dict(
        source="TracCloud (Redrock Software: tutoring and learning centre scheduling, the student import file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki 'TracCloudTechImport' (wiki.go-redrock.com/index.php/TracCloudTechImport),"
              " 'Available Student Import Fields': ID, Other_ID, Other_ID2, Barcode, Status, OtherStatus, Legal_First"
              " ('The legal first name'), First_Name ('The preferred first name'), Last_Name, Middle, Street, Apt"
              " ('Apartment Number', '#46'), City, State ('Two-letter formatting displays best'), Zip, Country,"
              " Home_Phone, Work_Phone, Cell_Phone, Email, Preferred ('1 = Home, 2 = Work, 3 = Cell ...'),"
              " Username, Birthdate ('YYYY-MM-DD'), Gender, Ethnicity; the list goes on with the student's college"
              " data, taken up to Ethnicity. 'Comma delimited files must have quotes surrounding every field',"
              " 'UTF-8', 'A header row is required'; the header is quoted too, LF taken (a student information"
              " system's job on a server)",
        header=["ID", "Other_ID", "Other_ID2", "Barcode", "Status", "OtherStatus", "Legal_First", "First_Name",
                "Last_Name", "Middle", "Street", "Apt", "City", "State", "Zip", "Country", "Home_Phone",
                "Work_Phone", "Cell_Phone", "Email", "Preferred", "Username", "Birthdate", "Gender", "Ethnicity"]),
    "portfolium_alumni": dict(
        source="Portfolium (Instructure: a university's e-portfolio network, the admin's alumni upload)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Instructure's community article 'How do I format CSV files to upload data to my account as an"
              " admin?' (community.instructure.com/en/kb/articles/664233), its 'Alumni' list: firstname*,"
              " lastname*, email*, gradyear* ('the year the user graduated'), major*, degree*, phone, student_id;"
              " the asterisks mark required columns, not part of the names. UTF-8 without a signature and CRLF"
              " taken",
        header=["firstname", "lastname", "email", "gradyear", "major", "degree", "phone", "student_id"]),
    "clickboarding_candidates": dict(
        source="Click Boarding (employee onboarding: the candidate import template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article on importing candidates (clickboarding.zendesk.com/hc/en-us/articles/"
              "15424728379795): Email Address, First Name, Last Name, Middle Name, Phone Number ('10-20 numbers"
              " without any formatting. For example - 7775556584'), SSO Identifier, Source System Identifier; 'If"
              " using Unicode Characters save your file as CSV-UTF-8': an Excel's 'CSV UTF-8' (a signature, CRLF)",
        header=["Email Address", "First Name", "Last Name", "Middle Name", "Phone Number", "SSO Identifier",
                "Source System Identifier"]),
    "alg24_uczniowie": dict(
        source="ALG24 Sekretariat (Polish school office program: 'Import z CSV' of the pupils)", language="pl",
        separator=";", encoding="cp1250", documented_as="field list",
        where="the vendor's page 'Import danych' (alg24.com/pl/programy/sekretariat/import-danych): plec ('m' or"
              " 'k'), nazwisko, imie, imie2 ('drugie imię'), pesel, data_ur, msc_ur ('Warszawa'), msc_ur_m (its"
              " locative, 'Warszawie'), poziom, symbol (the class's level and letter), nr_dz, nr_ku, nr_leg, ob_ue,"
              " ob_polskie ('t lub n'); 'średnikami lub przecinkami', a header row required, any order. The code"
              " page and the date's form are not shown: code page 1250 (a Polish Windows) and 'dd.mm.rrrr' taken,"
              " CRLF",
        header=["plec", "nazwisko", "imie", "imie2", "pesel", "data_ur", "msc_ur", "msc_ur_m", "poziom", "symbol",
                "nr_dz", "nr_ku", "nr_leg", "ob_ue", "ob_polskie"]),
    "schulcloud_nutzer": dict(
        source="HPI Schul-Cloud / dBildungscloud (German school cloud: 'Nutzer per .csv-Datei importieren')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the cloud's guide 'Nutzer per .csv-Datei importieren' (docs.hpi-schul-cloud.org/display/SCDOK/"
              "Nutzer+per+.csv-Datei+importieren): 'die Kopfzeile ... muss die Bezeichnungen firstName lastName"
              " email enthalten; dazu optional class, birthday', 'Kommata werden bevorzugt', 'UTF-8-Kodierung',"
              " several classes joined by '+'. The birthday's form is not shown: 'dd.mm.yyyy' as a German school"
              " office types it taken; no signature, CRLF",
        header=["firstName", "lastName", "email", "class", "birthday"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: Workable and Teamtailor (the candidate templates are downloads, their columns not in the stored"
    " pages), When I Work (nothing stored with a column list), 360Alumni (only a few of the template's columns"
    " described), Marching Order / Tassel (only the required columns named)",
    "Polish: SIO (the teachers' file is three columns without a contact's data)",
]
