"""Headers of the seventy-third held-out set (tests/prep/corpus/seventythird):
customer lists of trades and installers (a window and door installer's
business system, a field-service tool for handymen and heating firms, a
roofing contractor's CRM, a solar installer's lead list, an auto-glass shop's
accounts, a carpet cleaner's accounts). None of these sources is in
headers.py nor in any of the later *_headers.py files, nor in layouts_test.py,
nor in their NOT_FOUND lists. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself; "field
list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "solatech_customers": dict(
        source="Solatech Focus (business system of window, door and remodelling installers: customers from"
               " external sources)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Importing Customers from External Sources'"
              " (solatechinc935.zohodesk.com/portal/en/kb/articles/importing-customers-from-external-sources):"
              " 'saved as a comma delimited file (.csv)', 'The first row of data must be the column headers. These"
              " headers can be in any order'; the columns customername, middleinitial, lastname, accountnumber,"
              " companyname, terms, leadsource, salesrepsolatechid, then phone*, phonelabel*, email*, emaillabel*,"
              " addresstype*, address1_*, address2_*, city*, state*, zip*, country*, where '*' is 'a number ... at"
              " the end of the column name' ('Email1, Email2'), phonelabel 'the label to be used (home, mobile,"
              " etc.)'. Two phones, two mailboxes and one address are taken; the tax code and the billing and"
              " shipping columns are left out. UTF-8 without a signature and CRLF taken",
        header=["customername", "middleinitial", "lastname", "accountnumber", "companyname", "terms", "leadsource",
                "salesrepsolatechid", "phone1", "phonelabel1", "phone2", "phonelabel2", "email1", "emaillabel1",
                "email2", "emaillabel2", "addresstype1", "address1_1", "address2_1", "city1", "state1", "zip1",
                "country1"]),
    "serviceworks_customers": dict(
        source="ServiceWorks (field service for handymen, heating and cooling firms: 'Import Customer')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's tutorial 'Customer Management' (blog.service.works/tutorial/customer-management/):"
              " 'Make sure you have this columns in your files. First Name, Last name, Email, Phone, Secondary"
              " Phone, Address1. Address2, City, State, Zip' (written so, 'Last name' with a small n); the"
              " customer page of the same tutorials: 'if there are multiple emails you can enter comma separated"
              " list'. A sheet saved as 'CSV (Comma delimited)', no signature, CRLF",
        header=["First Name", "Last name", "Email", "Phone", "Secondary Phone", "Address1", "Address2", "City",
                "State", "Zip"]),
    "jobsiteon_contacts": dict(
        source="JobsiteOn (contractors' job and contact management: 'Import Contacts from a Spreadsheet')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import Contacts from a Spreadsheet' (help.jobsiteon.com/c/contacts/"
              "import-contacts-from-csv): required First Name, Last Name, Email, Phone ('at least one contact"
              " method'), optional Company, Address Line 1, Address Line 2 ('Suite, unit, or apartment'), City,"
              " State ('Two-letter state abbreviation'), ZIP ('Five-digit or ZIP+4'), Notes, Tags"
              " ('Comma-separated tags'); UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Email", "Phone", "Company", "Address Line 1", "Address Line 2", "City",
                "State", "ZIP", "Notes", "Tags"]),
    "solarnexus_leads": dict(
        source="SolarNexus (solar installers' project and lead management: a lead's fields)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the lead platform's integration page 'SolarNexus Integration' (activeprospect.com/leadconduit/"
              "integrations/solarnexus): First Name, Last Name, Email, Phone 1 ('Primary phone number of"
              " contact'), Company Name ('If this participant is a business or government'), Salutation"
              " ('Example: \"Dr.\"'), Phone 2, Phone 3, Time To Contact, Comments ('descriptions about the"
              " prospective job site'), City, Address 1, Postal Code, Country ('2 letter ISO code, defaults to"
              " \"US\"'), State, Utility Electric Company Name, Utility Electric Monthly Amount, in this order; the"
              " custom fields after them left out. SolarNexus's own CSV sample for leads is not stored, so these"
              " are the names of a lead list handed to it; UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Email", "Phone 1", "Company Name", "Salutation", "Phone 2", "Phone 3",
                "Time To Contact", "Comments", "City", "Address 1", "Postal Code", "Country", "State",
                "Utility Electric Company Name", "Utility Electric Monthly Amount"]),
    "omegaedi_accounts": dict(
        source="Omega EDI (auto-glass installers' shop management: the account import CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Definitions of Account Import Headers' (help.omegaedi.com/en/articles/"
              "8840037-definitions-of-account-import-headers): Company ('The Name of the Account'), Type"
              " ('insurance, ... commercial_fleet, ... commercial_dealership, commercial, individual, vendor, non"
              " billable'), address, address2, city, State, postal_code, telephone, alternate_phone, contact_name"
              " ('Name of Primary Contact'), pricing_profile_id, instructions, account_manager_id, terms, tax_exempt,"
              " tax_exempt_number, use_on_invoice, processor, pid, suppress_receipts,"
              " suppress_automated_communication, campaign, written so; the mailbox's row lost its column name in"
              " the stored copy ('The Customer's Contact Email'), so that column is left out. UTF-8 without a"
              " signature and CRLF taken",
        header=["Company", "Type", "address", "address2", "city", "State", "postal_code", "telephone",
                "alternate_phone", "contact_name", "pricing_profile_id", "instructions", "account_manager_id",
                "terms", "tax_exempt", "tax_exempt_number", "use_on_invoice", "processor", "pid",
                "suppress_receipts", "suppress_automated_communication", "campaign"]),
    "servicemonster_accounts": dict(
        source="ServiceMonster (field service for carpet cleaners and restoration firms: 'Self Importing"
               " Accounts')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Self Importing Accounts' (www.help.servicemonster.net/help-articles/"
              "self-importing-accounts), its 'Import Fields': Active ('True or False'), Salutation ('Mr., Miss,"
              " Ms.'), First Name, Last Name; the stored copy breaks off at the next field's name, so the list"
              " ends there. 'creating a CSV file ... in Microsoft Excel': ',' and UTF-8 without a signature, CRLF"
              " taken",
        header=["Active", "Salutation", "First Name", "Last Name"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Field service: JobNimbus (columns spelled as the user's own fields), GorillaDesk, Kickserv, ZenMaid, PestPac"
    " and Spraye (nothing stored with a column list, or a sample file only), HindSite (the column table not in the"
    " stored copy), Cadulis (only 'reference' named in the stored copy), Roundsman (only the start date and the"
    " days' columns named), Jobman (a sample file only)",
    "Solar and roofing: SolarPlus (the CRM described, no import columns), Roofr (a catalogue's columns, no"
    " customers'), Contractor Accelerator (imports done by the vendor)",
    "German, French and Spanish trades' tools: Handwerker programs searched by name and by kind found none with"
    " column names beyond those already taken; Batappli (price lists only)",
]
