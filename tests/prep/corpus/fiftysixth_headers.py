"""Headers of the fifty-sixth held-out set (tests/prep/corpus/fiftysixth):
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
    "sirvoy_bookings": dict(
        source="Sirvoy (Swedish booking system for hotels, B&Bs and hostels: 'Import bookings')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Can I import my existing bookings into Sirvoy?' (sirvoy.ca/blog/topic/"
              "switching-to-sirvoy/import-bookings/can-i-import-my-existing-bookings-into-sirvoy): 'Fields are"
              " separated by a comma (,)', 'The following headers are required: Room No., Check-in, Check-out,"
              " Number of Guests, Price per Night, First Name', 'The following headers are optional: Booking ID,"
              " Last Name, Company, Address, Post/Zip Code, City, Country, Phone, Email, Guest Message, Comment,"
              " Confirmed (put in \"0\" for an unconfirmed and \"1\" for a confirmed booking), Guest Name (used for"
              " one room of a combined booking), Room Comment, Language (two-letter code)', 'The"
              " spelling of these headers has to be exactly as mentioned above'; the German and Swedish copies"
              " give the dates as 'JJJJ-mm-tt' or 'tt-mm-JJJJ' and a decimal point in the price. The order as"
              " listed; UTF-8 without a signature and CRLF taken",
        header=["Room No.", "Check-in", "Check-out", "Number of Guests", "Price per Night", "First Name",
                "Booking ID", "Last Name", "Company", "Address", "Post/Zip Code", "City", "Country", "Phone", "Email",
                "Guest Message", "Comment", "Confirmed", "Guest Name", "Room Comment", "Language"]),
    "rentyournest_tenants": dict(
        source="RentYourNest (the-roommate: Italian rooms-to-rent and co-living management, 'How to import"
               " tenants')", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to import tenants' (helpcenter.the-roommate.com/en/articles/6808308-how-to-"
              "import-tenants), step 3 'Fill in the following information for each tenant': Name, Surname, DoB,"
              " Gender, Tax Code, Address, City, Postal Code, Region, Country, Email, Phone, Guarantor Name,"
              " Guarantor Surname, Guarantor Phone; 'There is one email per tenant'. The French copy of the same"
              " article gives 'Nom' for Name and 'Pays d'origine' for Country. The downloaded template filled in"
              " and saved by an Italian Excel as 'CSV UTF-8' (';', a signature, CRLF taken)",
        header=["Name", "Surname", "DoB", "Gender", "Tax Code", "Address", "City", "Postal Code", "Region",
                "Country", "Email", "Phone", "Guarantor Name", "Guarantor Surname", "Guarantor Phone"]),
    "autohost_reservations": dict(
        source="Autohost (guest screening for short-term rentals: 'Importing Reservations using CSV')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Importing Reservations using CSV' (help.autohost.ai/knowledge/importing-"
              "reservations-using-csv), its field table (status 'INQUIRY, CONFIRMED, or CANCELED', source"
              " 'Example: Airbnb', confirmation_code, number_of_guests, total_price, check_in_date, check_out_date,"
              " listing_id, first_name, last_name, email, phone, location 'The guest home town', birth_date"
              " 'The guest date of birth') and its example table with the header 'status source confirmation_code"
              " number_of_guests total_price check_in_date check_out_date listing_id first_name last_name email"
              " phone location birth_date' and rows like 'CONFIRMED Airbnb abc1556 2 156 12-05-2025 11:00:00"
              " 12-10-2025 16:00:00 AWiWXnMn8a4 James Bond'. The birth date's form is not shown: ISO taken; UTF-8"
              " without a signature and CRLF taken",
        header=["status", "source", "confirmation_code", "number_of_guests", "total_price", "check_in_date",
                "check_out_date", "listing_id", "first_name", "last_name", "email", "phone", "location",
                "birth_date"]),
    "wework_members": dict(
        source="WeWork (coworking: Account Central's upload of team members from a CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="WeWork's page 'Creating a CSV file' (wework.com/ru-RU/info/creating-a-csv-file, in English): 'Column"
              " names should be \"email\" \"name\" \"phone number\" \"keycard left hotstamp\" \"keycard right"
              " hotstamp\"', 'Headers are case sensitive. Enter all title fields in lower case', 'left keycard"
              " hotstamp should be 9-10 digits while the right keycard hotstamp should be 6-7 digits', and the"
              " file downloaded from a spreadsheet as 'Comma-separated values (.csv)'; UTF-8 without a signature"
              " and CRLF taken",
        header=["email", "name", "phone number", "keycard left hotstamp", "keycard right hotstamp"]),
    "hostaway_reservations": dict(
        source="Hostaway (holiday-rental property management: 'Importing external reservations through CSV')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to import external reservations through CSV?' (support.hostaway.com/hc/en-us/"
              "articles/360049566274): 'Columns must have the same names as the template, but the column order can"
              " be different. The only exception is the * symbol, which can be removed', then 'The fields are the"
              " following': guestEmail *, guestFirstName * // guestLastName *, guestName ('If missing, it will be"
              " composed of the guest's first name and guest's last name'), numberOfGuests *, numberOfAdults //"
              " numberOfChildren // numberOfInfants // numberOfPets, arrivalDate * / departureDate * ('If the"
              " format is DD/MM/YYYY, it must be chosen in the import process'). The stored copy breaks off there,"
              " so the list does (the channel and the prices after it are left out); the * symbols removed as"
              " allowed."
              " UTF-8 without a signature and CRLF taken",
        header=["guestEmail", "guestFirstName", "guestLastName", "guestName", "numberOfGuests", "numberOfAdults",
                "numberOfChildren", "numberOfInfants", "numberOfPets", "arrivalDate", "departureDate"]),
    "enso_guests": dict(
        source="Enso Booking (a booking platform's guest database: 'Importing guests via CSV')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importing guests via CSV' (ensobooking.com/help/articles/csv-guest-import): 'Your"
              " CSV file should have columns for: Name (required): The guest's full name, Email (required): The"
              " guest's email address, Phone (optional): Contact phone number'; 'Check for duplicate emails before"
              " importing'. UTF-8 without a signature and CRLF taken",
        header=["Name", "Email", "Phone"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Holiday rentals: Guesty (the reservations sheet's field names are not in the stored copy), Hostfully (the"
    " spreadsheet instructions break off before the columns), Little Hotelier (the booking template is a"
    " download)",
    "Coworking: OfficeRnD (only the three required member columns are named, the rest in a download), Cobot"
    " (the member spreadsheet is a download), Coworks (a promotion of its own report, 'company_name' alone"
    " named), Spacebring (exports described, no columns)",
    "Landlords: 123Landlord (tenants typed as lines into a box, no header row), Rentila (templates are"
    " downloads), the-roommate's French copy (the same source as RentYourNest), Lockimmo (a form, no file)",
    "Hotels: SIHOT (the name list's columns are shown in pictures only), GuestGoodie (a form, no file)",
]
