"""Headers of the thirty-seventh held-out set (tests/prep/corpus/thirtyseventh):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyfourth_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "royalmail_clickdrop": dict(
        source="Royal Mail Click & Drop (UK parcel carrier: orders and their recipients imported from a spreadsheet)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the carrier's help page on the order import spreadsheet's fields (help.parcel.royalmail.com/hc/"
              "en-gb/articles/360000250093): under 'Address Book Information' and 'Shipping address': Address book"
              " reference, Address Line 1 (mandatory), Address Line 2, Address Line 3, City (mandatory), Company Name"
              " ('Yes if no First name or Last name fields are present'), Country ('Full name of country ... or"
              " 3-digit ISO code'), County, Customer title, Email, First Name ('Standard Roman characters only'),"
              " Last Name, Phone ('Numeric'), Postcode (mandatory), Recipient is a business ('True, False, Yes, No,"
              " Y, N, 1, 0'); the page lists them alphabetically and lets the columns stand in any order, so a"
              " shop's own order is taken; the order-information fields left out. UTF-8 without a signature and"
              " CRLF taken",
        header=["Address book reference", "Customer title", "First Name", "Last Name", "Company Name",
                "Address Line 1", "Address Line 2", "Address Line 3", "City", "County", "Postcode", "Country",
                "Email", "Phone", "Recipient is a business"]),
    "wwex_receivers": dict(
        source="Worldwide Express (US parcel and freight shipping: 'Address Book File Import' of receivers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the shipping site's page 'Import Addresses From File' (www.wwexship.com/rates/"
              "ImportAddressesFromFile.jsp): 'Each import field must be present and in the following order':"
              " Receiver ID ('Must be unique'), Company Name, Address Line 1, Address Line 2, Suite/Department,"
              " City, State (2 characters), Zip Code, Attention To, Phone Number, Email Address, Bill To ('N', 'S',"
              " 'R' or '3'), Receiver Account, Third Party Account, Notes ('Does not print on label'), Country,"
              " Tax ID/VAT#, Parties Related; the page asks whether the first row holds column headers: the row of"
              " these names is taken; comma, no signature and CRLF ('carriage return/line feed')",
        header=["Receiver ID", "Company Name", "Address Line 1", "Address Line 2", "Suite/Department", "City",
                "State", "Zip Code", "Attention To", "Phone Number", "Email Address", "Bill To", "Receiver Account",
                "Third Party Account", "Notes", "Country", "Tax ID/VAT#", "Parties Related"]),
    "mycashflow_customers": dict(
        source="MyCashflow (Finnish web shop platform: customers by its CSV import)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the platform's user guide 'MyCashflow's CSV identifiers' (support.mycashflow.com/en/user-guide/"
              "mycashflows-csv-identifiers), 'Customers': CustomerID (left out: 'Do not use it, when adding new"
              " customers'), CustomerCode, CustomerLoginAllowed ('0' or '1'), CustomerLanguage, CustomerVersionID"
              " (left out), CustomerEmail, CustomerFirstName, CustomerLastName, CustomerStreetAddress; the stored"
              " copy breaks off after CustomerStreetAddress, so the list ends there. 'The basics of using CSV':"
              " comma or semicolon, the top row only identifiers; ';' (a Finnish spreadsheet's list separator),"
              " UTF-8 without a signature and CRLF taken",
        header=["CustomerCode", "CustomerLoginAllowed", "CustomerLanguage", "CustomerEmail", "CustomerFirstName",
                "CustomerLastName", "CustomerStreetAddress"]),
    "alfio_attendees": dict(
        source="alf.io (open-source event ticketing: attendees uploaded for a ticket category)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the admin's file format notes beside 'Attendees for Category' (alf.io 2.0-M2, as stored):"
              " 'Please create a CSV file with header, using commas (,) as separator, double quotes (\") as quote"
              " character', the header it names: firstName,lastName,email,lang,reference,additionalData:"
              " firstName, lastName, email and lang required, reference 'the attendee ID in the existing system',"
              " additionalData named by each event, so left out; UTF-8 without a signature and CRLF taken",
        header=["firstName", "lastName", "email", "lang", "reference"]),
    "aircall_contacts": dict(
        source="Aircall (cloud phone system: shared contacts imported from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article on importing contacts by CSV (support.aircall.io/hc/en-gb/articles/"
              "10375397035293), 'Required file structure': first_name, last_name, company_name, phone1, phone2,"
              " phone3, phone4, the numbers 'with the country code and follow the E.164 format, with no spaces';"
              " a file 'smaller than 1 MB'; saved from Google Sheets as the article advises: UTF-8 without a"
              " signature, CRLF taken",
        header=["first_name", "last_name", "company_name", "phone1", "phone2", "phone3", "phone4"]),
    "sendpro_addressbook": dict(
        source="Pitney Bowes SendPro Enterprise (multi-carrier parcel shipping: the address book import)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article on the address book and list import files of SendPro Enterprise"
              " (www.pitneybowes.com/us/support/article/000071393): 'Fields may be in any order"
              " provided the column headers match exactly': CustomerReference, AttentionTo, Organization, Address1,"
              " Address2, Address3, City, Region, PostalCode, Country, Phone, AlternatePhone, one row whose name the"
              " stored copy has lost (left out), Notes, Residential ('true/false'); DUNS and the columns after it"
              " left out. UTF-8 without a signature and CRLF taken",
        header=["CustomerReference", "AttentionTo", "Organization", "Address1", "Address2", "Address3", "City",
                "Region", "PostalCode", "Country", "Phone", "AlternatePhone", "Notes", "Residential"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Bulgarian: CloudCart (customers' columns mapped by hand, addresses and phones not importable), Speedy"
    " (nothing stored with a column list)",
    "Czech: Webareal (only two column names, 'DAname' and 'DAadress', in the stored copy)",
    "Polish: Orlen Paczka, Evenea (nothing stored with a column list), polkurier.pl (columns mapped by letter)",
    "Croatian: Tisak paket (nothing stored)",
    "Finnish: Vilkas (no customer columns stored), Solteq Commerce Cloud (the stored copy ends after a few"
    " consent columns)",
    "English: Omniva, Packlink PRO (nothing stored with a column list), Guest Manager and Eventmaker (columns"
    " named freely and mapped by hand), SessionTalk (header words matched, no header), Bookwhen (columns"
    " explained, not listed)",
]
