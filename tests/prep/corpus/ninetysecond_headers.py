"""Headers of the ninety-second held-out set (tests/prep/corpus/ninetysecond):
none of these sources is in headers.py nor in any of the later
*_headers.py files, nor in layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.

Four sources, not six: field-service and home-service tools have been looked
at for several earlier sets, and of the ones left most keep their columns in
a template download or map them by hand (see NOT_FOUND).
"""

SOURCES = {
    "pooli_pools": dict(
        source="Pooli (pool service app: the customers' and pools' CSV import)", language="en", separator=",",
        encoding="utf-8", documented_as="header row",
        where="the vendor's 'CSV Import Guide' (pooli.app/csv-import), its example 'organizationId,customer_id,"
              "pool_id,customer_name,first_name,last_name,email,phone,address1,city,state,zip,country,pool_name,"
              "gallons,is_indoor,sanitizer,filter,pool_type' with rows like 'abc123,,,,Jane Doe,Jane,Doe,"
              "jane@example.com,555-111-2222,123 Main St,Austin,TX,78701,US,Backyard Pool,15000,false,chlorine,"
              "cartrige,plaster': 'Each row usually represents one pool. Customers can have multiple pools'; the"
              " customer group also names notes and address2, which the example row leaves out, and so does this"
              " header; 'cartrige' is the guide's own spelling of the filter. UTF-8 without a signature and CRLF"
              " taken",
        header=["organizationId", "customer_id", "pool_id", "customer_name", "first_name", "last_name", "email",
                "phone", "address1", "city", "state", "zip", "country", "pool_name", "gallons", "is_indoor",
                "sanitizer", "filter", "pool_type"]),
    "cleanmanager_customers": dict(
        source="CleanManager (Danish cleaning-company software, its UK edition: customers in the CleanManager"
               " format)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Set up customer data for file import' (support.cleanmanager.com/en/"
              "set-up-customer-data-for-file-import, also on cleanmanager.zendesk.com), its table 'Column name /"
              " Data format / Example': Customer no. ('Letters and numbers (min. 1 character, max. 10"
              " characters)', '100'), Debtor no. (Billing) ('Customer debtor number'), Customer name ('Customer"
              " A'), Address ('14 Brushfield St, Bishops Square'), ZIP code ('E1 6EG'), City ('London'), Country"
              " ('Two letters', 'UK'), CI no. ('Numbers, 8 characters'), EAN no. ('Numbers, 13 characters'); the"
              " stored copy breaks off after EAN no., so the list ends there. 'How does a file import from Excel"
              " work?': CSV or XLSX, 'Customer No. and Customer Name' enough for a file to be read. A sheet saved"
              " as 'CSV UTF-8' by an English Excel (',', a signature, CRLF)",
        header=["Customer no.", "Debtor no. (Billing)", "Customer name", "Address", "ZIP code", "City", "Country",
                "CI no.", "EAN no."]),
    "plyrium_customers": dict(
        source="Plyrium (lead handling and job management for home-service contractors: 'Importing customers')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base on the customers' import (www.plyrium.com/kb/customers-import): 'We"
              " accept any CSV. Common headers (Name, Email, Phone, Address, City, State, ZIP, Notes) auto-map';"
              " its article on recurring contracts names the trades ('weekly mowing, biweekly cleaning, ..."
              " quarterly HVAC tune-up'). Only these eight names are documented, so the header is they, in that"
              " order; UTF-8 without a signature and CRLF taken",
        header=["Name", "Email", "Phone", "Address", "City", "State", "ZIP", "Notes"]),
    "creativejobhub_clients": dict(
        source="Creative Job Hub (field service for home-service firms: clients, properties and jobs; 'Importing"
               " Clients via CSV')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Client Management' (support.creativejobhub.com/en/article/"
              "client-management-ho07l7): 'Download the CSV template ... Required columns: name, email OR phone"
              " (at least one)'; the template's other columns are not named on the page (Address and Notes are"
              " fields of the form for one client, not column names), so only these three are taken, in the"
              " order the page gives them. UTF-8 without a signature and CRLF taken",
        header=["name", "email", "phone"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Pool service: Skimmer (customers entered on a form, nothing stored about an import's columns), PoolOps (what"
    " a file should hold, matched by a parser, no column names), Chisel Tide (columns mapped by hand)",
    "Snow removal and landscaping: Flokon (Quebec: the template's structure described, its column names not in"
    " the stored copy), LawnSnowPro, Lawn Pro and SingleOps (no import columns)",
    "Cleaning: Clean Smarts (an Excel workbook with several sheets, the users' columns only), Cleantie (a template"
    " download)",
    "Field service at large: Synchroteam (an API's fields, no file), Zuper, BigChange, Launch27 (nothing stored"
    " with a column list), Reveal Field (Verizon Connect: mapped by hand), Klearcut (the mailbox column's name"
    " lost in the stored copy), Persat (Argentina: mapped by hand), Service Factory AdaClima (Italy: only the"
    " contracts' import described), Crafter (Netherlands: columns chosen by hand, the sheet a download), mWork365"
    " (Czech: a form for one customer only)",
]
