"""Headers of the seventy-fifth held-out set (tests/prep/corpus/seventyfifth):
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
"""

SOURCES = {
    "tourplan_rooming": dict(
        source="Tourplan (tour operator software: 'Groupbook Names List Import', a group booking's rooming list)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki 'Groupbook Names List Import' (wiki.tourplan.com/display/TWP/Groupbook+Names+List"
              "+Import), 'The CSV file needs to contain the following headings': RoomKey ('a numerical value to link"
              " passengers together to rooms'), RoomType ('SG, TW, TR, QD'), Title ('Mr, Mrs, Ms, Miss, Master'),"
              " Forename, Surname, PaxType ('A for Adult, C for Child, I for Infant'), BirthDate ('Use either Age or"
              " Date', 'dd/mm/yyyy', 'Use 0 if Age or Date of Birth is not known'), PassportNumber, Notes (60"
              " characters); 'entered in Microsoft Excel ... and saved as a CSV file': saved as 'CSV UTF-8' (a"
              " signature, CRLF), as code page 1252 would lose the Czech and Polish letters",
        header=["RoomKey", "RoomType", "Title", "Forename", "Surname", "PaxType", "BirthDate", "PassportNumber",
                "Notes"]),
    "airgateway_travelers": dict(
        source="AirGateway BookingPad (travel agencies' air booking: 'Traveller Profiles Import' into a corporate"
               " account)", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Traveller Profiles Import' (support.airgateway.com/en-US/kb/article/83/"
              "traveller-profiles-import), 'Use the following standardized headers in the first row': traveler_code,"
              " first_name, last_name, email, phone, date_of_birth ('DD/MM/YYYY, DD-MM-YYYY, YYYY/MM/DD,"
              " YYYY-MM-DD'), gender ('male or female'), homebase ('Preferred airport code'); 'either semicolon ( ; )"
              " or comma ( , ) as delimiters': ';' taken; UTF-8 without a signature and CRLF taken",
        header=["traveler_code", "first_name", "last_name", "email", "phone", "date_of_birth", "gender",
                "homebase"]),
    "travelbooster_agents": dict(
        source="Travel Booster (travel agency and tour operator back office: 'Importing travel agents/corporate"
               " clients')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importing travel agents/corporate clients' (www.assets.travelbooster.com/Help/"
              "Importing_travel_agents_corporate_clients.htm), 'The Microsoft Excel file you want to import needs to"
              " contain the following columns': Company Name, Account Currency, Credit Limit, The company is ('Travel"
              " agent/corporate client'), Payment terms, Days, Pay cash on non-refundable, Hide non-refundable"
              " services, Invoice amount ('Gross/Net'), Association number, VAT number, Company number, IATA number,"
              " General ledger Acc#, Online GDS code, File GDS code, Report reservation by ('Fax/Email'), Manager,"
              " Accounting department, Address, City, Province/State, Country, Postal code, E-mail, MainPhone, Main"
              " fax, Market, Agent Type. The sheet saved as 'CSV UTF-8' (',', a signature, CRLF)",
        header=["Company Name", "Account Currency", "Credit Limit", "The company is", "Payment terms", "Days",
                "Pay cash on non-refundable", "Hide non-refundable services", "Invoice amount", "Association number",
                "VAT number", "Company number", "IATA number", "General ledger Acc#", "Online GDS code",
                "File GDS code", "Report reservation by", "Manager", "Accounting department", "Address", "City",
                "Province/State", "Country", "Postal code", "E-mail", "MainPhone", "Main fax", "Market",
                "Agent Type"]),
    "umbrella_travellers": dict(
        source="Umbrella Faces (Swiss traveller profile hub for travel management companies: the traveller CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Standard Fields' (tornado.umbrellanet.ch/confluence/display/KBUF/"
              "Standard+Fields): metadata.action ('SAVE', 'DELETE'), uuid, username, email, language ('cs_CZ',"
              " 'de_CH', ...), gender ('MR', 'MRS', 'U'), title ('DR', 'PROF'), name (surname), middlename,"
              " firstname, birthdate ('dd.mm.yyyy'), nationality, additionalFormOfPayment, hotelGuarantee,"
              " carGuarantee, webPayment, phoneBusiness, phonePrivate, phoneMobile, receivedocs, preferredSeat,"
              " preferredFood ('VGML'), smoker, traveller, arranger, approver, comment, company.recordlocator,"
              " company.uuid, company.name; the rail and rail-card columns after them are left out. 'Create, Update,"
              " delete using a CSV File': 'The second line in the CSV is the actual name of the field in Faces ..."
              " The first and second lines must always be present': the second line holds the 'Description' column"
              " of the list. Separator and encoding not shown: ',' and UTF-8 without a signature, CRLF taken",
        header=["metadata.action", "uuid", "username", "email", "language", "gender", "title", "name", "middlename",
                "firstname", "birthdate", "nationality", "additionalFormOfPayment", "hotelGuarantee", "carGuarantee",
                "webPayment", "phoneBusiness", "phonePrivate", "phoneMobile", "receivedocs", "preferredSeat",
                "preferredFood", "smoker", "traveller", "arranger", "approver", "comment", "company.recordlocator",
                "company.uuid", "company.name"]),
    "tourpilot_participants": dict(
        source="TourPilot (trip organisers' app: 'Managing Participants', import from a file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Managing Participants' (help.tourpilot.app/en/trips/participants), 'Required File"
              " Format': First Name, Last Name, Email, Phone, Date of Birth ('Format: DD.MM.YYYY'); 'Excel or CSV':"
              " ',' and UTF-8 without a signature, CRLF taken",
        header=["First Name", "Last Name", "Email", "Phone", "Date of Birth"]),
    "podiumio_customers": dict(
        source="PodiumIO (online booking platform: 'How can I import and export my customers?')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'How can I import and export my customers?' (support.podiumio.com/"
              "knowledge-base/importing-and-exporting-customers), 'an overview of each field in the PodiumIO .csv':"
              " Customer No, Email Address, First Name, Last Name, Gender ('female, male, or unspecified'),"
              " Address1, Address2, Address Unit, City, Province/State ('must be written out'), Country ('written"
              " out'), Postal Code/Zipcode, Phone Number ('+1 (123) 456-7890'), Mobile Number; the stored copy breaks"
              " off there, so the list does. UTF-8 without a signature and CRLF taken",
        header=["Customer No", "Email Address", "First Name", "Last Name", "Gender", "Address1", "Address2",
                "Address Unit", "City", "Province/State", "Country", "Postal Code/Zipcode", "Phone Number",
                "Mobile Number"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Turkish group e-Visa transfer file (the Foreign Ministry's 'File Preparation Guide': tab, UTF-16, the column"
    " names not in the stored copy)",
    "LATAM group purchases and Seychelles port FAL 6 passenger lists (columns described, not named)",
    "AeroCRS manifest templates (printout options, no file), cteleport traveller groups (columns mapped by hand)",
    "German, Polish and Czech coach and tour operators (nothing stored with a column list)",
]
