"""Headers of the fifty-third held-out set (tests/prep/corpus/fiftythird):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftieth_headers.py), nor in
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
    "fieldified_clients": dict(
        source="Fieldified (field service management: 'Import clients')", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import clients' (fieldified.com/help/clients/import-clients), its 'Supported"
              " column headers': First Name, Last Name, Title, Company Name, 'Is Company? (TRUE or FALSE)', Main"
              " Phone, Mobile Phone, Work Phone, Email ('multiple addresses separated by commas'), Street, City,"
              " State, Postal Code, Country, Account Balance, Archived, Note, Tags ('separated by commas'), Lead"
              " Source; the client basics page gives 'Title, such as Mr., Mrs., Ms., Miss, or Dr.'. The headers"
              " are matched by name, so a file carries the ones it needs: this one leaves out the aliases, Full"
              " Name, Name, the other phones, the billing address and the reminder flags. 'CSV is the standard"
              " format'; UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Title", "Company Name", "Is Company?", "Main Phone", "Mobile Phone",
                "Work Phone", "Email", "Street", "City", "State", "Postal Code", "Country", "Account Balance",
                "Archived", "Note", "Tags", "Lead Source"]),
    "skynet_addresses": dict(
        source="Skynet Software (Genisys Systems, courier and delivery management: 'Import Customer Addresses"
               " From CSV')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki page 'Import Addresses' (wiki.genisys-systems.co.uk, revision 1024): Customer ID"
              " ('or company Name'), Delivery Company Name, Phone Number, Address line 1, address line 2, Town/City,"
              " County, Address Line 5 ('only for IE systems'), Postcode, Fax Number, Active, Default Delivery"
              " Address, Default Invoice Address ('yes 1 no or 0'), Assigned contact ('Full name of the customer"
              " contact ... (Forename and Surname) only'), Address Name; 'address line 2' written 'Address line 2'"
              " as the other lines are. Separator, encoding and line end not shown: ',', UTF-8 and CRLF taken",
        header=["Customer ID", "Delivery Company Name", "Phone Number", "Address line 1", "Address line 2",
                "Town/City", "County", "Address Line 5", "Postcode", "Fax Number", "Active",
                "Default Delivery Address", "Default Invoice Address", "Assigned contact", "Address Name"]),
    "hvacbizpro_customers": dict(
        source="HVAC Biz Pro (HVAC contractors' marketing service: 'Submit your customer list')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Submit your customer list' (help.hvacbizpro.com/en/articles/797029), its"
              " 'Example of a Properly Formatted Row': Company | Customer Name | Address | City | State | ZIP |"
              " Phone, then a column whose name the stored copy lost, so the row ends at Phone. 'Leave Column A"
              " (Company) blank unless you already know your company ID with us'; no '#', '&', quotes, '@' or"
              " parentheses. UTF-8 without a signature and CRLF taken",
        header=["Company", "Customer Name", "Address", "City", "State", "ZIP", "Phone"]),
    "managecasa_contacts": dict(
        source="ManageCasa (property management: 'Bulk Upload Contacts', the contact template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk Upload Contacts: Guide to Contact Template Columns' (help.managecasa.com/hc/"
              "en-us/articles/27437118643099): Contact Type ('Property Owner, Property Manager, Tenant, Occupant,"
              " Service Pro, Landlord, and Vendor'), First Name, Last Name, Company, Show as Company ('Yes or No"
              " ... displays the Company name instead of the First and Last name'), Email, Phone Number ('For"
              " non-US numbers, include the country code'), Phone Type ('Home, Mobile, Work, or Fax'), Address"
              " Line, Address City, Address State, Address ZipCode, Country (the 'MAILING address'); the stored"
              " copy breaks off at its eighth point, so the list ends at Country. UTF-8 without a signature and"
              " CRLF taken",
        header=["Contact Type", "First Name", "Last Name", "Company", "Show as Company", "Email", "Phone Number",
                "Phone Type", "Address Line", "Address City", "Address State", "Address ZipCode", "Country"]),
    "prism_users": dict(
        source="Building Engines Prism (commercial building operations: 'Bulk Import: Users')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk Import Users' (buildingengines-prism.zendesk.com/hc/en-us/articles/"
              "360057795094), its 'Guidelines for Bulk Import': First Name, Last Name, Properties (several in one"
              " quoted cell, one a line: '\"1 Post Office Sq,\\n75 State St,\\nPrudential Building\"'), Email, Phone,"
              " Title ('Title of the user within their property/organization'), Job Function, Company Name,"
              " External Key ('currently required'); CSV or XLS, and 'Do not save your spreadsheet as a CSV file"
              " if it contains lots of UTF-8 characters' (a few here). UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Properties", "Email", "Phone", "Title", "Job Function", "Company Name",
                "External Key"]),
    "resvu_users": dict(
        source="Resvu (Australian strata and building community platform: 'Bulk importing users into your site')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk importing users into your site' (help.resvu.com.au/en/articles/4709355):"
              " 'Ensure the required fields are included (First Name, Last Name, Unit / Apartment Number, Primary"
              " Email, User Type, Mobile Phone)', as the example CSV names them ('you may need to change \"email\""
              " to \"Primary Email\" or \"Phone Number\" to \"Mobile Phone\"'); the other headings are in the"
              " example file only, so the list is these six. UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Unit / Apartment Number", "Primary Email", "User Type", "Mobile Phone"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Field service: Workiz (the client import's field table lost its names in the stored copy), FieldPulse (the"
    " customer record's table has a row without its name), Fergus, Commusoft, ServiceTitan, Joblogic (nothing"
    " stored with a column list)",
    "Logistics: ShipStation (the customer import's columns are in its sample file only), Route4Me (the address"
    " book's column table breaks off after Phone in the stored copy), Shippit (template only), ShipBoss (the"
    " import part not stored), Onfleet (recipients through the API only)",
    "Construction and buildings: Procore (nothing stored), viProjekt (the columns in an Excel template only),"
    " casavi (the contact columns described, not named)",
]
