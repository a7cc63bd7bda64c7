"""Headers of the fiftieth held-out set (tests/prep/corpus/fiftieth): none
of these sources is in headers.py nor in any of the later *_headers.py files
(unseen_headers.py to fortyninth_headers.py), nor in layouts_test.py, nor in
their NOT_FOUND lists. The entries are as in headers.py: source, language of
the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "rms_guests": dict(
        source="RMS (hotel and holiday park property management: 'Client/Guest Import', guests and owners)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Client/Guest Import' (kb.rms.com.au/kb.rms.com.au/Importing_Data/Client/"
              "Guest_Import.html, the same list in its help centre's 'Guest &/or Owner Import'): 'comma delimited CSV"
              " format', 'RMS is able to determine whether the first record is a header record', 'Each line should"
              " have either a Groupname OR a Surname'; fields 1 to 18: Groupname, Surname, Given, Title, Address Line"
              " 1 to 3, Town/City, State, Postcode, AH Phone, BH Phone, Mobile Phone, Fax, Email, Spare 1, Legacy"
              " Guest ID, Notes; the stored copy breaks off after Notes, so the list ends there. UTF-8 without a"
              " signature and CRLF taken",
        header=["Groupname", "Surname", "Given", "Title", "Address Line 1", "Address Line 2", "Address Line 3",
                "Town/City", "State", "Postcode", "AH Phone", "BH Phone", "Mobile Phone", "Fax", "Email", "Spare 1",
                "Legacy Guest ID", "Notes"]),
    "nexsure_policies": dict(
        source="Nexsure (insurance agency management: 'Basic Microsoft Excel Import Format (Zurich Format)', a"
               " client with its policy header)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the program's help 'Importing Microsoft Excel Files' (login.nexsure.com/help/Content/Utility_menu/"
              "Home_menu/Interface/Importing Excel Files.htm): 'All columns are required and must be present even if"
              " they will not be used', in this order: LOB, Policy Number, Effective Date, Expiration Date, Named"
              " Insured, Client Type, SIC Code, Premium, Primary Contact, Primary Contact Email, Location Address,"
              " Location City, Location State, Location Zip, Business Phone, Business Fax, Agency, Branch,"
              " Department, Producer First Name, Producer Last Name, NAIC. The sheet saved as 'CSV UTF-8' by Excel"
              " (',', a signature, CRLF)",
        header=["LOB", "Policy Number", "Effective Date", "Expiration Date", "Named Insured", "Client Type",
                "SIC Code", "Premium", "Primary Contact", "Primary Contact Email", "Location Address",
                "Location City", "Location State", "Location Zip", "Business Phone", "Business Fax", "Agency",
                "Branch", "Department", "Producer First Name", "Producer Last Name", "NAIC"]),
    "gemcar_customers": dict(
        source="GEM-CAR (car repair shop and dealer management, Québec: 'Customer list' importation)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's user manual 'Customer list' (docs.gem-car.com/user-manuals/gem-car/customer-management/"
              "customer-list/): 'organize the list sorting it with the following columns': Customer number, Customer"
              " name, Address, City, Province/State, Postal/Zip code, Telephone, Car make, Model, Year, VIN, Mileage;"
              " 'The first line is(are) header(s)', 'Enter a comma (,) in the CSV file delimiter field'. Saved as"
              " 'CSV UTF-8' by Excel (a signature, CRLF)",
        header=["Customer number", "Customer name", "Address", "City", "Province/State", "Postal/Zip code",
                "Telephone", "Car make", "Model", "Year", "VIN", "Mileage"]),
    "spms_master": dict(
        source="Oracle Hospitality Cruise Shipboard Property Management System (Data Import: the 'Master Data"
               " (Guests) File (MASTER)')", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's Data Import guide, 'Importable Columns' (docs.oracle.com/cd/F34189_01/doc.201/f33466/"
              "c_importable_columns.htm), Table 4-1: RES_V_GUESTID ('Unique Guest Identifier'), PAX_NAME ('Person"
              " Surname'), PAX_FSTN ('Person Forename'), PAX_MNAME, PAX_OTHNAME ('Person Non Latin Name'),"
              " PAX_SALUT ('Person Greeting'), PAX_TITEL ('Person Title, for example Dr.'), PAX_STREET, PAX_STREET2,"
              " PAX_ZIP, PAX_STATE, PAX_CITY; the stored copy breaks off at PAX_CITY, so the list ends there. Its"
              " 'Import File Format' reads 'a flat or comma delimited file'; a header row of the column names,"
              " UTF-8 without a signature and CRLF taken",
        header=["RES_V_GUESTID", "PAX_NAME", "PAX_FSTN", "PAX_MNAME", "PAX_OTHNAME", "PAX_SALUT", "PAX_TITEL",
                "PAX_STREET", "PAX_STREET2", "PAX_ZIP", "PAX_STATE", "PAX_CITY"]),
    "buyingbuddy_leads": dict(
        source="Buying Buddy (real estate agents' IDX website and CRM: lead import)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Lead Import API Guide' (support.buyingbuddy.com/knowledge-base/"
              "add-lead-import-api/), its table 'Example Fields': api_key, email, fname, lname, phone,"
              " request_subject, request_details, notes, campaign_id, rating, buyer_status, tags, welcome_email"
              " ('0/1'); the same names serve 'Import Leads from CSV' (support.buyingbuddy.com/knowledge-base/"
              "import-leads-csv/, 'For a full explanation of these fields ... read Import API Field Reference')."
              " api_key, the user's own key, is left out of a file; UTF-8 without a signature and CRLF taken",
        header=["email", "fname", "lname", "phone", "request_subject", "request_details", "notes", "campaign_id",
                "rating", "buyer_status", "tags", "welcome_email"]),
    "deltek_leads": dict(
        source="Deltek Vision 7.6 (project firms' ERP and CRM: 'Leads Table Formats' for the import utility)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Leads Table Formats (Leads)' (help.deltek.com/Product/Vision/7.6/UT_TF_Leads.html):"
              " LeadID, Prefix, FirstName, MiddleName, LastName ('required field'), Suffix, Title ('Lead's title'),"
              " Description, Company, Rating, Status, StatusReason, Source, Industry, Address1, Address2, Address3,"
              " City, State, Zip, Country, BusinessPhone, BusinessFax, Mobile, Home, Pager; the stored copy loses"
              " the next column's name (the lead's mailbox) and breaks off after Website, so the list ends at"
              " Pager. ',' , UTF-8 without a signature and CRLF taken",
        header=["LeadID", "Prefix", "FirstName", "MiddleName", "LastName", "Suffix", "Title", "Description",
                "Company", "Rating", "Status", "StatusReason", "Source", "Industry", "Address1", "Address2",
                "Address3", "City", "State", "Zip", "Country", "BusinessPhone", "BusinessFax", "Mobile", "Home",
                "Pager"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "German: casavi (its contacts' columns only described, 'Nachname', 'Vorname', 'Straße und Hausnummer'),"
    " allthings (the stored copy breaks off before the tenants' optional columns), onpreo (fields mapped by hand)",
    "English: TenantCloud (the columns shown in pictures only), AgencyBloc (only the required fields"
    " per template), Access Group's hospitality CRM (fields mapped by hand), dealr.cloud (columns only described),"
    " CENTURY 21 Business Builder (the template not in the stored copy)",
    "Polish: Centrium and CRM Vision (fields mapped by hand or only from an export)",
]
