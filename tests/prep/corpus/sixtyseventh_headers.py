"""Headers of the sixty-seventh held-out set (tests/prep/corpus/sixtyseventh):
none of these sources is in headers.py nor in any of the later *_headers.py
files (unseen_headers.py to sixtythird_headers.py), nor in layouts_test.py,
nor in their NOT_FOUND lists. All are client files of financial advisers,
wealth managers, a broker's advisor accounts and insurance brokers. The
entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "advisercot_clients": dict(
        source="AdviserCOT (Singapore financial advisers' client follow-up app: 'Importing clients')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the app's guide 'Importing clients into AdviserCOT' (info.advisercot.com/app-guides/importing-clients),"
              " its table of columns with a template to download: Common Name ('How you usually refer to the"
              " client', the only one required), Tier ('A, B, C, D'), Stage ('Prospect', 'Contacting', ... 'Active'),"
              " On Hold ('Yes, No, Y, N, true, false'), Full name ('as per their NRIC or passport'), NRIC/FIN, Email,"
              " Gender ('Single-letter is recommended'), Date of birth ('YYYY-MM-DD'), Phone number ('including"
              " country code', '+6581234567'), Home address ('including postal code', '123 Orchard Road, #01-01,"
              " Singapore 238888'), Occupation ('occupation or job title'), Company Name, Postal code; the stored"
              " copy breaks off after Postal code, so the list ends there. UTF-8 without a signature and CRLF"
              " taken",
        header=["Common Name", "Tier", "Stage", "On Hold", "Full name", "NRIC/FIN", "Email", "Gender",
                "Date of birth", "Phone number", "Home address", "Occupation", "Company Name", "Postal code"]),
    "ibkr_customer_information": dict(
        source="Interactive Brokers (an advisor's client accounts: the Mass Upload workbook's Customer Information"
               " sheet)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the broker's application guide 'Customer Information Fields' (www.clientam.com.hk/en/software/"
              "applicationguide/mass upload/customerinformationfields.htm), 'Refer to the following table when"
              " completing the fields on the Customer Information ... worksheets in your Mass Upload Excel"
              " workbook': Customer ID, Salutation, First name, Last name, Middle name ('middle initial only'),"
              " Suffix, Date of birth ('MM/DD/YYYY'), Country of Birth, Gender, Marital status, Dependents ('0"
              " through 5'), Home street address, City, State/Province ('2-letter code'), Country ('3-letter"
              " country code'), Zip, Phone Number ('###-###-####'), Phone Type ('Mobile, Home or Work'), Phone"
              " Country, Country of citizenship, Tax Residence Country, Document type, Tax Number, Margin, Market"
              " Data Status. The sheet saved by Excel as 'CSV UTF-8' (',', a signature, CRLF)",
        header=["Customer ID", "Salutation", "First name", "Last name", "Middle name", "Suffix", "Date of birth",
                "Country of Birth", "Gender", "Marital status", "Dependents", "Home street address", "City",
                "State/Province", "Country", "Zip", "Phone Number", "Phone Type", "Phone Country",
                "Country of citizenship", "Tax Residence Country", "Document type", "Tax Number", "Margin",
                "Market Data Status"]),
    "byallaccounts_clients": dict(
        source="ByAllAccounts (Morningstar's account aggregation for advisors: 'Importing clients from a file')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the AccountView advisor help 'Importing clients from a file' (www.byallaccounts.net/Manuals/"
              "Accountview/AVHelp/AV_Advisor_Help/Content/AV_Clients_import_from_file.htm): 'a .csv file with one"
              " header row and one row for each client ... The file must have the five columns as described"
              " here': FIRST_NAME, MIDDLE_NAME ('optional'), LAST_NAME, EMAIL, TAX_ID ('SSN or TIN'); UTF-8"
              " without a signature and CRLF taken",
        header=["FIRST_NAME", "MIDDLE_NAME", "LAST_NAME", "EMAIL", "TAX_ID"]),
    "advicepay_clients": dict(
        source="AdvicePay (fee billing for financial planners: 'Bulk Importing Clients')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help '[Account Owner] Bulk Importing Clients' (advicepay-enterprise.helpscoutdocs.com/"
              "article/406-managing-advisor-bulk-importing-clients): 'Enter your clients' First Name, Last Name,"
              " Email, and Advisor Email (this email must be associated with an advisor existing in your AdvicePay"
              " account)', 'Optional: If you'd like a different name to appear on invoices (a business name or"
              " both names of a couple), enter that under Display Name. You can also enter an internal Client"
              " ID'; the columns in that order. 'If you're using Windows, you may need to save your file as a"
              " .txt': UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Email", "Advisor Email", "Display Name", "Client ID"]),
    "smartpension_clients": dict(
        source="Smart Pension (UK workplace pensions: an adviser's 'Adding multiple clients', the employers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the provider's help 'Adding multiple clients' (www.smartpension.co.uk/support/en/articles/"
              "5496156-adding-multiple-clients), its table 'All Fields and their types': Company Name, Legal"
              " Structure ('Limited Company, ... Sole Trader, Charity, Other'), Registration Number, Registered"
              " Address 1 ('123 Example Street'), Registered Address 2 ('Example Town, UK'), Registered Address"
              " Postcode, Trading Address 1, Trading Address 2, Trading Address Postcode, Director Email, Director"
              " Forename, Director Surname, Director Date of Birth ('23/03/1932 or 23-03-1932'), Director Postcode,"
              " Director Two Email, Director Two Forename, Director Two Surname; the stored copy breaks off there,"
              " so the list does. 'a csv or xls file': UTF-8 without a signature and CRLF taken",
        header=["Company Name", "Legal Structure", "Registration Number", "Registered Address 1",
                "Registered Address 2", "Registered Address Postcode", "Trading Address 1", "Trading Address 2",
                "Trading Address Postcode", "Director Email", "Director Forename", "Director Surname",
                "Director Date of Birth", "Director Postcode", "Director Two Email", "Director Two Forename",
                "Director Two Surname"]),
    "certificatehero_named_insureds": dict(
        source="Certificate Hero (insurance brokers' certificates of insurance: the Named Insured Manager's"
               " 'BULK UPLOAD')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Certificate Blocks - Named Insured Manager' (support.certificatehero.com/"
              "certificate-blocks-named-insured-manager): 'CSV columns include: Name, Address1, Address2, City,"
              " State (Two letter abbreviation), Zip Code'; UTF-8 without a signature and CRLF taken",
        header=["Name", "Address1", "Address2", "City", "State", "Zip Code"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Polish: Berg System (insurance agents' CRM: columns mapped by hand, no names), Insly (reports described,"
    " no client import columns)",
    "English: Wealthbox (API only), Salestrekker (headers mapped by hand), Total Expert (headers mapped to its"
    " fields), Plannr (the stored field guide shows ids and statuses only, the name columns merely named in a"
    " note), LoanPro (the customer sample's headers break off after status), AgencyComp (policy templates, no"
    " column names stored), NowCerts (no client import columns stored)",
    "German and Dutch: no adviser's or broker's client import with its own column names found in the stored"
    " pages",
]
