"""Headers of the sixty-fifth held-out set (tests/prep/corpus/sixtyfifth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to sixtythird_headers.py), nor in
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
    "winedirect_clubmembers": dict(
        source="WineDirect (winery direct-to-consumer platform: 'Club Member Importer', the sample file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Club Member Importer' (docs.winedirect.com/docs/club-member-importer), 'the list"
              " of definitions found on the Club Member Importer Sample File': Customer Number ('must be numeric',"
              " may be left blank), BirthDate ('YYYY-MM-DD'), *FirstName, *Lastname (so spelt), Company, *Address,"
              " Address2 ('unit#, apt#'), *City, *StateCode ('two-character'), *ZipCode, MainPhone; the stored copy"
              " breaks off after MainPhone, so the list ends there. UTF-8 without a signature and CRLF taken",
        header=["Customer Number", "BirthDate", "FirstName", "Lastname", "Company", "Address", "Address2", "City",
                "StateCode", "ZipCode", "MainPhone"]),
    "completedtc_customers": dict(
        source="CompleteDTC (winery direct-to-consumer platform: 'Customer Data', the customer import template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Customer Data' (docs.completedtc.com/docs/customer-data): billing bill_email"
              " ('required; unique'), name_first, name_last, partner ('the name of the person's partner'),"
              " salutation ('\"William\" might prefer to be addressed as \"Bill\"'), bill_dob ('YYYY-MM-DD'),"
              " bill_addr1, bill_addr2 ('company name or apartment number'), bill_postal, bill_city, bill_state,"
              " bill_phone, crm_note1, crm_note2; shipping ship_name ('the ship-to individual'), ship_addr1,"
              " ship_addr2, ship_city, ship_state, ship_postal, ship_phone, ship_addr_type ('residential' or"
              " 'commercial'), ship_email, which_ship, ship_method; in this order, the second ship-to set"
              " ('ship_name2' and the rest) left out. UTF-8 without a signature and CRLF taken",
        header=["bill_email", "name_first", "name_last", "partner", "salutation", "bill_dob", "bill_addr1",
                "bill_addr2", "bill_postal", "bill_city", "bill_state", "bill_phone", "crm_note1", "crm_note2",
                "ship_name", "ship_addr1", "ship_addr2", "ship_city", "ship_state", "ship_postal", "ship_phone",
                "ship_addr_type", "ship_email", "which_ship", "ship_method"]),
    "oncloudwine_contacts": dict(
        source="OnCloudWine (wine club management: 'Importing & Exporting Contacts', the CSV template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Importing & Exporting Contacts' (oncloudwine.io/docs/contacts-import-export),"
              " 'CSV columns reference': firstName, lastName, email, phone ('E.164 preferred'), status ('ACTIVE,"
              " INACTIVE, ON_HOLD, or CANCELLED'), clubs ('Comma-separated club names'), tags, dateOfBirth"
              " ('YYYY-MM-DD'), membershipStartDate, then 'shippingStreet, shippingCity, shippingState,"
              " shippingPostalCod...': the stored copy breaks off inside the fourth shipping name, so the list"
              " ends with shippingState. UTF-8 without a signature and CRLF taken",
        header=["firstName", "lastName", "email", "phone", "status", "clubs", "tags", "dateOfBirth",
                "membershipStartDate", "shippingStreet", "shippingCity", "shippingState"]),
    "foodics_customers": dict(
        source="Foodics (restaurant and bakery till with delivery: 'Importing Customers using CSV')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importing Customers using CSV' (foodics.helpjuice.com/96010-manage-customers/"
              "594507-importing-customers-using-csv), 'CSV Template Details': dial code ('966 or 971'), phone,"
              " name, gender ('MALE or Female'), email, birth date ('YYYY-MM-DD', required), delivery zone"
              " reference ('d001'), address name ('Home or Work'), is loyalty enabled, is house account enabled,"
              " house account limit, is blacklisted ('YES or NO'); 'Save as CSV UTF-8' (Excel's, so a signature)"
              " and CRLF taken",
        header=["dial code", "phone", "name", "gender", "email", "birth date", "delivery zone reference",
                "address name", "is loyalty enabled", "is house account enabled", "house account limit",
                "is blacklisted"]),
    "camoag_contacts": dict(
        source="CamoAg (CRM for agricultural retailers and seed companies: 'CamoAg Contact Import')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'CamoAg Contact Import' (docs.camo.ag/hc/en-us/articles/33203809266711):"
              " 'Column names must appear as written below': contact_id or email, and name, required; then the"
              " optional contact_type ('account, contact, lead, or prospect'), date_of_birth ('YYYYMMDD'),"
              " approximate_date_of_birth ('Used to approximate age'), network_id, network_name ('Acme Seed"
              " Company'), market_segments and products ('pipe delimited'); the stored copy ends inside the"
              " products' examples, so the list ends there; email once, beside contact_id, as the page names"
              " them first. UTF-8 without a signature and CRLF taken",
        header=["contact_id", "email", "name", "contact_type", "date_of_birth", "approximate_date_of_birth",
                "network_id", "network_name", "market_segments", "products"]),
    "cin7_crm": dict(
        source="Cin7 Omni (inventory and wholesale orders: 'CRM import template', customers and suppliers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'CRM import template' (help.omni.cin7.com/hc/en-us/articles/9128546190735),"
              " 'Spreadsheet fields': Company ('Required field (if First Name is not used)'), First Name, Last"
              " Name, Job Title, Contact Type ('\"Customer\", \"Supplier\", or \"Branch\"'), Primary Company ('will"
              " list the contact as a secondary contact for the company listed'), Pricing Option, Payment Terms,"
              " Alternative GL, Tax Status, Tax Number, Group, Sub Group, Mobile, Phone; the stored copy breaks off"
              " inside Phone's explanation, so the list ends there. 'save the file as a .CSV': UTF-8 without a"
              " signature and CRLF taken",
        header=["Company", "First Name", "Last Name", "Job Title", "Contact Type", "Primary Company",
                "Pricing Option", "Payment Terms", "Alternative GL", "Tax Status", "Tax Number", "Group",
                "Sub Group", "Mobile", "Phone"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "German: Winestro.Cloud 'Kundendatenimport' (the columns are in the downloadable template only),"
    " Bäckerei Plus! (articles only, no customer import), SDS and CSS Group tills (fields mapped by hand)",
    "English: FlexiBake 'Data Collection: Customers' (only four columns named, by their letters), Local Line"
    " (required fields described, no column names), GrownBy and Harvie (customers added one by one), Breww and"
    " BrewMan (fields of the entry form, no import file), Vinosmith (only 'Account ID' and 'Name' named),"
    " farmerswife (a studio scheduler, not a farm tool)",
    "French: Cagette.net (nothing stored with a column list)",
    "Polish and Italian: bakery and winery programs (nothing stored with a column list)",
]
