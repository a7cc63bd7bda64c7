"""Headers of the seventy-seventh held-out set (tests/prep/corpus/seventyseventh):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to seventyfifth_headers.py), nor in
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
    "runhoa_owners": dict(
        source="RunHOA (homeowners' association management: 'Import Units and Owners')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Import Units and Owners' (runhoa.com/kb/import-units-and-owners): 'The"
              " first row must serve as the header': Column 1 Unit Id, 2 Address, 3 City, 4 State, 5 Zip, 6 Owner"
              " Name 1, 7 Owner Email 1, 8 Owner Phone 1, 9 Owner Name 2, 10 Owner Email 2, 11 Owner Phone 2, and"
              " 'an alternate addresses for one or more owner(s)' in 12 Address 2, 13 City 2, 14 State 2, 15 Zip 2;"
              " the example's phone '7178906178'; 'saved as a comma delimited csv file'; UTF-8 without a signature"
              " and CRLF taken",
        header=["Unit Id", "Address", "City", "State", "Zip", "Owner Name 1", "Owner Email 1", "Owner Phone 1",
                "Owner Name 2", "Owner Email 2", "Owner Phone 2", "Address 2", "City 2", "State 2", "Zip 2"]),
    "homeherald_roster": dict(
        source="Home Herald (homeowners' association portal: 'Importing your property roster')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's handbook 'Importing your property roster' (homeherald.ai/handbook/getting-started/"
              "importing-your-property-roster), its 'Recommended columns': Address ('Full street address'), Lot,"
              " Block, Monthly Dues ('e.g. 225 or $225.00'), Annual Dues, Initial Balance ('Positive = owes,"
              " negative = credit'), Owner Name, Owner Email; 'A CSV or Excel file'; UTF-8 without a signature and"
              " CRLF taken",
        header=["Address", "Lot", "Block", "Monthly Dues", "Annual Dues", "Initial Balance", "Owner Name",
                "Owner Email"]),
    "bazawiedzy365_lokale": dict(
        source="a Polish housing-community management service's 'Import listy lokali' (bazawiedzy365.pl, flats and"
               " their owners)", language="pl", separator=";", encoding="utf-8", documented_as="field list",
        where="the service's knowledge base 'Import listy lokali' (bazawiedzy365.pl/baza-wiedzy/import-listy-lokali):"
              " 'Wymagane są następujące nagłówki kolumn': Budynek, Klatka, Piętro ('0 to parter'), Lokal, Licznik,"
              " Mianownik, KW ('ZZ1A/0012345/7'), Nazwa ('nazwa właściciela, jeśli jest inny niż osoba fizyczna -"
              " na przykład gmina, stowarzyszenie lub firma'), Nazwisko ('jeśli jest jedno'), Imiona ('imiona wpisz"
              " ze spójnikiem i, na przykład Janusz i Grażyna'), Osób, Powierzchnia ('do 4 miejsc po przecinku');"
              " the stored copy breaks off there, so the list does. 'Standardowy format CSV' from any spreadsheet:"
              " a Polish Excel's 'CSV UTF-8' taken (';' beside the decimal comma, a signature, CRLF)",
        header=["Budynek", "Klatka", "Piętro", "Lokal", "Licznik", "Mianownik", "KW", "Nazwa", "Nazwisko", "Imiona",
                "Osób", "Powierzchnia"]),
    "recommended_contractors": dict(
        source="Spectora (home inspection software: 'Importing Multiple Contractors', the recommended contractors)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Importing Multiple Contractors' (support.spectora.com/en/articles/"
              "9487563-importing-multiple-contractors): 'a list of ALL the fields we accept': contractor types ('IDs"
              " split by semicolons. Example: appliance;cabinet;carpenter;'), first name, last name, company name"
              " ('required if no full name'), email, phone ('312-555-5555'), website, address, city,"
              " state/province, zip code, country ('use initials: \"US\", \"CA\"'), description, status ('active' or"
              " 'inactive'); the stored copy ends with status, so the list does; UTF-8 without a signature and CRLF"
              " taken",
        header=["contractor types", "first name", "last name", "company name", "email", "phone", "website",
                "address", "city", "state/province", "zip code", "country", "description", "status"]),
    "dlsn_tenants": dict(
        source="DLSN Properties' office app (a property manager's rent roll: 'Import Data', tenants and leases)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the app's import page (office.dlsnproperties.com/va/imports/new), its 'Expected Columns': property"
              " ('Property street number or name (e.g., \"107\", \"1020 Asbury\")'), tenant_name, unit_name"
              " ('optional'), payment_type ('monthly, yearly, seasonal'), amount, season_start ('May'), season_end,"
              " start_date ('YYYY-MM-DD'), end_date ('leave blank for ongoing'), notes; 'CSV files only'; UTF-8"
              " without a signature and LF taken",
        header=["property", "tenant_name", "unit_name", "payment_type", "amount", "season_start", "season_end",
                "start_date", "end_date", "notes"]),
    "spherelos_providers": dict(
        source="SphereLOS (mortgage loan origination: 'Importing Service Provider Contacts', title, appraisal and"
               " insurance firms of a home purchase)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's knowledge base 'Importing Service Provider Contacts via Spreadsheet to SphereLOS'"
              " (spherelos.com/kb/importing-service-provider-contacts-via-spreadsheet-to-spherelos), the template's"
              " required fields: Name ('Company Name'), Short Name ('if not available, enter the Company Name'),"
              " Role ('must match the Available Role Types tab', 'HazardInsurance'), Point of Contact, Email, and"
              " 'Address( Street, City, State, ZipCode)' as four columns; only these are shown, so only they are"
              " taken. The template's sheet saved as CSV: ',', UTF-8 without a signature and CRLF taken",
        header=["Name", "Short Name", "Role", "Point of Contact", "Email", "Street", "City", "State", "ZipCode"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Czech: Hlasování SVJ (a CSV import named, no columns), svjo.cz, SVJ Manažer, Domsys and Zvládneme.cz (no"
    " import columns in the stored help)",
    "Hungarian: Vitarex Társasház (sub-units from the land registry's or its own Excel template, no names)",
    "German: Propstack (the contacts' import columns not stored; only users and deals), SCALARA (the owners'"
    " columns of its Excel template not in the stored copy), eddi24 (no import)",
    "English: HOA Express and HOA Start (templates are downloads), HOALife (the property list's columns not in the"
    " stored copy), CONDUIT by ShiftSuite (tabs described, no column names), Spark for developers' sales"
    " (fields mapped by hand), CENTURY 21 Business Builder (only the minimum columns, no header row), Tesoro"
    " (a form, no file)",
]
