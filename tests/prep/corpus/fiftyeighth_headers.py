"""Headers of the fifty-eighth held-out set (tests/prep/corpus/fiftyeighth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftythird_headers.py), nor in
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
    "jeyla_clients": dict(
        source="Jeyla Studio (salon and spa booking: 'Bulk Client Import')", language="en", separator=",",
        encoding="utf-8", documented_as="header row",
        where="the vendor's docs 'Bulk Client Import' (jeylastudio.com/docs/client-import): 'Jeyla Studio requires"
              " the following field format: Title,First-Name,Last-Name,Street-Address,City,State,Zip-Code,"
              "Date-Of-Birth,Gender,Cell-Phone,Other-Phone,Email,Occupation', 'only the first name and last name"
              " fields are mandatory'. The date's form is not shown: a US studio's month first (MM/DD/YYYY) taken;"
              " UTF-8 without a signature and CRLF taken",
        header=["Title", "First-Name", "Last-Name", "Street-Address", "City", "State", "Zip-Code", "Date-Of-Birth",
                "Gender", "Cell-Phone", "Other-Phone", "Email", "Occupation"]),
    "hiboutik_clients": dict(
        source="Hiboutik (French point of sale: 'Import customers', the customer template)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import customers' (www.pos-software-free.com/import-customers/): the template"
              " 'is a .CSV file (semicolon as delimiter and with an UTF-8 character encoding)', 'You should not"
              " alter the order of the columns': Last name, First name, Email, Title ('Gender of your customer: 1"
              " for male or 2 for female'), Company, Address, Postal code, City, State, Country ('ISO 3161-1"
              " alpha-3 format (ex: GBR ...)'), Phone ('format these cells as text to keep the initial 0'), Date"
              " of birth ('format AAAA-MM-JJ'), Note, Loyalty points, EAN; no signature and CRLF taken",
        header=["Last name", "First name", "Email", "Title", "Company", "Address", "Postal code", "City", "State",
                "Country", "Phone", "Date of birth", "Note", "Loyalty points", "EAN"]),
    "epos_customers": dict(
        source="EPOS (Singapore point of sale: 'Customer Bulk Import Column List')", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's page 'Customer Bulk Import Column List' (www.epos.com.sg/customer-bulk-import-column-"
              "list/), columns A to Y in order: full_name, address_street_1, address_street_2, address_postal_code,"
              " address_city, address_state, address_country, notes, email, phone_number ('home, office number,"
              " etc.'), identifier_value, identifier_type, date_of_birth ('DD/MM/YY format'), gender, prefix ('Mr/"
              " Mrs/ Ms/ Dr'), mobile_number, fax_number, lookup_id ('ID number or phone number or membership ID'),"
              " membership_tier, membership_point, membership_expire_date, credit_balance, customer_group_names,"
              " allow_credit_transactions, allow_account_transactions ('TRUE or FALSE'); the stored copy breaks"
              " off after column Y, so the list ends there. The sheet saved as 'CSV UTF-8' by Excel (',', a"
              " signature, CRLF) taken",
        header=["full_name", "address_street_1", "address_street_2", "address_postal_code", "address_city",
                "address_state", "address_country", "notes", "email", "phone_number", "identifier_value",
                "identifier_type", "date_of_birth", "gender", "prefix", "mobile_number", "fax_number", "lookup_id",
                "membership_tier", "membership_point", "membership_expire_date", "credit_balance",
                "customer_group_names", "allow_credit_transactions", "allow_account_transactions"]),
    "guestbook247_bookings": dict(
        source="Guestbook 24/7 (bed and breakfast booking: 'Booking Import', the general CSV format)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'General CSV Format' (help.guestbook247.com/help-topics/import-data/general-csv-"
              "format): 'The order of the columns must be as prescribed here. The first line must be a header"
              " line', its mandatory columns ChannelBookingID, ArrivalDate, DepartureDate, RequestDate ('dd-mmm-yy"
              " - example 08-Aug-2014'), NumberOfGuest, Status ('Confirmed', 'Unconfirmed', 'Request', 'Cancelled',"
              " 'NoShow'), TotalRate, MainGuestTitle, MainGuestFirstname, MainGuestSurname, MainGuestEmail ('Can"
              " be empty string but if so must supply a telephone number'), MainGuestPhone, AllocatedRoomsAsList"
              " (room names 'separated by a comma'); the stored copy breaks off there"
              " and shows none of the optional fields, so the list ends there. UTF-8 without a signature and CRLF"
              " taken",
        header=["ChannelBookingID", "ArrivalDate", "DepartureDate", "RequestDate", "NumberOfGuest", "Status",
                "TotalRate", "MainGuestTitle", "MainGuestFirstname", "MainGuestSurname", "MainGuestEmail",
                "MainGuestPhone", "AllocatedRoomsAsList"]),
    "ibookfishing_reservations": dict(
        source="ibookfishing (fishing trip and boat booking: 'How can I import reservations using a CSV file?')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's FAQ Q285 (ibookfishing.com/faq.php?q=285): 'The header row is obligatory. The"
              " ordering of the columns is not set, iBookfishing detects the meaning of each column by the header"
              " cell': Resource name, First name, Last name, Email, Start time ('2015-07-01 12:30:00'), End time;"
              " the stored copy breaks off in the description of End time, so the list ends there. UTF-8 without"
              " a signature and CRLF taken",
        header=["Resource name", "First name", "Last name", "Email", "Start time", "End time"]),
    "ivvy_bookings": dict(
        source="iVvy (venue and function booking: 'How to use the booking import function')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base answer 1525 (www.ivvy.com.au/support/knowledgebase/answer?answer=1525):"
              " Booking Name, Event Date ('DD/MM/YYYY'), Booking Reference, Booking Status ('Prospective, Tentative"
              " or Confirmed'), Coordinator ('Must match the username of a user in the account'), Total Amount,"
              " Attendees #, Function Space, Session Start Time, Session End Time ('HH:MM:SS'), Company Name,"
              " Contact - Full Name ('Must be in the format: \"Lastname, Firstname\"'), Contact - Email, Contact -"
              " Phone; 'For Multi-Day or Multi-Space events ... each additional day/space as a separate line'."
              " UTF-8 without a signature and CRLF taken",
        header=["Booking Name", "Event Date", "Booking Reference", "Booking Status", "Coordinator", "Total Amount",
                "Attendees #", "Function Space", "Session Start Time", "Session End Time", "Company Name",
                "Contact - Full Name", "Contact - Email", "Contact - Phone"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Salon and spa: Zenoti (the guest form's fields, no import columns), Vish (the columns in its template file"
    " only), SpaGuru (the guide joins several columns in one entry, 'Home / Mobile / Business Phone', so their"
    " names are not certain), StudioCloud (columns chosen by hand), ADVANTAGE Salon Software (fields mapped by hand)",
    "Restaurants: ResDiary (the stored copy lists the booking fields only), Eat App, Owner, Tablein (nothing"
    " stored with a column list)",
    "Booking: Enso Booking (three columns described, not named as a header), ApptOnly (the stored list lost a"
    " name), Timify (the columns in its template file only)",
    "Point of sale: Idealpos (the customer fields on another page, not stored), CSS Group Kassensoftware (fields"
    " mapped by hand)",
]
