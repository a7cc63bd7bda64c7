"""Headers of the eighty-third held-out set (tests/prep/corpus/eightythird):
none of these sources is in headers.py nor in any of the later *_headers.py
files, nor in layouts_test.py, nor in their NOT_FOUND lists. The entries are
as in headers.py: source, language of the columns' names, separator and
encoding of the export, how the header is documented ("header row": the
source shows the row itself; "field list": it lists the names in this order)
and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "wavepm_reservations": dict(
        source="WavePM (vacation rental property management: 'Import past and future reservations')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Import past and future reservations' (kb.wavepm.com/knowledge-base/"
              "import-past-and-future-reservations): 'Create a CSV/Excel/Numbers spreadsheet with columns in the"
              " following order', 37 names from FirstName, Last Name, Address1, Address2, City, State, PostCode,"
              " Country, Phone, Email to Do Not Move, 'Cxcl' in ResTypeDesc for a cancellation. One stored copy"
              " lacks Email; the numbered copy, which has it, is taken. UTF-8 without a signature and CRLF taken",
        header=["FirstName", "Last Name", "Address1", "Address2", "City", "State", "PostCode", "Country", "Phone",
                "Email", "UnitCode", "UnitName", "Bedrooms", "Active Unit", "Book Number", "ResTypeDesc",
                "Date Booked", "Start Date", "End Date", "Nights", "Adults", "Children", "PetType",
                "Source Category", "Source SubCategory", "Rent Total", "ChargeTotal", "TaxTotal", "BookingTotal",
                "Payment Total", "Notes", "Rate Code", "Occ Tax Percent", "Sales Tax Percent", "Occ Tax Number",
                "Sales Tax Number", "Do Not Move"]),
    "planyo_users": dict(
        source="Planyo (online reservation system for rentals, guest houses and campsites: 'Import users')",
        language="en", separator=", ", encoding="utf-8", documented_as="field list",
        where="the page 'Import users' of Planyo's backend and its docs (static.planyo.com/import-users.php,"
              " planyo.com/docs/import-users.php): 'The standard user property names that you can use in the CSV"
              " file': first name, last name, email; country, address, city, zip, state; phone, phone country"
              " code, mobile number, mobile country code ('country codes as fields separate from the number"
              " itself'); language ('two-letter language codes'); 'First name and email fields are obligatory'."
              " Taken in that order, without 'preapproved', written as the page's sample writes them ('First"
              " name, Last name, email, country, city, phone, phone country code, language' over 'John, Doe,"
              " jd@foo.com, England, London, 22334455, 44, EN'): a blank after every comma. UTF-8 and CRLF taken",
        header=["First name", "Last name", "email", "country", "address", "city", "zip", "state", "phone",
                "phone country code", "mobile number", "mobile country code", "language"]),
    "resmio_gaeste": dict(
        source="resmio (German restaurant table reservations: the guest database import)", language="en",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Gästemanagement' (www.resmio.com/hilfe/gaestemanager-faq/): 'Mustertabelle"
              " (bereits korrekt formartiert)' with the columns name, email, phone, street, zip, city, note ('Die"
              " oberen Spalten müssen korrekt in Englisch betitelt sein', 'mindestens „name“ und „email“', 'Vor-"
              " und Nachnamen bitte in einer Spalte „name“ zusammenführen', 'Nur ein Wert pro Zeile'); the stored"
              " copy's table loses the word 'email' in its header cell, but its rows and the text put it second."
              " Separator and code page are not shown: a sheet saved as 'CSV UTF-8' by an Austrian Excel (';', a"
              " signature, CRLF) taken",
        header=["name", "email", "phone", "street", "zip", "city", "note"]),
    "clock_guests": dict(
        source="Clock PMS+ (hotel property management by Clock Software: the 'guests' table of its data share for"
               " developers)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's developer pages 'guests' (developers.clock-software.com/support/solutions/articles/"
              "9000221970-guests): 'Guest profile list with the up to date guest's details': id, created_at,"
              " updated_at, deleted_at, e_mail, accept_marketing_emails, person_title_id ('Guest title"
              " identification', an integer), accompany ('Travelling with field'), first_name, middle_name,"
              " last_name, country ('ALPHA-2'), state, city, address, zip_code, phone_number, fax_number, notes,"
              " level, age ('static'), language, then custom_fields, which 'depend on the Clock PMS+ account"
              " configuration' and are left out. Timestamps 'in UTC'. UTF-8, ',' and LF taken",
        header=["id", "created_at", "updated_at", "deleted_at", "e_mail", "accept_marketing_emails",
                "person_title_id", "accompany", "first_name", "middle_name", "last_name", "country", "state", "city",
                "address", "zip_code", "phone_number", "fax_number", "notes", "level", "age", "language"]),
    "roomkey_guests": dict(
        source="RoomKey PMS (hotel property management: the Guest resource of its API, written to CSV by a"
               " hotel's own script)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the API's help page 'Guest' (www.welcometorsi.net/RoomKeyApi/Help/ResourceModel?modelName=Guest),"
              " its names in the page's order: Address1 ('Guests main address'), Address2 ('Guests secondary"
              " Address'), Cell1, Cell2 ('secondary Cell-Phone (e.g. work)'), City1, City2, Country1, Country2"
              " ('ISO-Country-Code'), CreatedDate, Email1, Email2 ('secondary email (e.g. work)'), EmailPromotion,"
              " FirstName, GuestId, GuestType ('like wholeseler, travel agent etc.'), HotelId, IsGuestTaxExtempt,"
              " LastName, LoyaltyNumber, Phone1, Phone2 ('secondary phone (e.g. work)'), State1, State2"
              " ('ISO-State-Code'), Title, VIP, VIPCode, Zip1, Zip2. UTF-8, ',' and CRLF taken",
        header=["Address1", "Address2", "Cell1", "Cell2", "City1", "City2", "Country1", "Country2", "CreatedDate",
                "Email1", "Email2", "EmailPromotion", "FirstName", "GuestId", "GuestType", "HotelId",
                "IsGuestTaxExtempt", "LastName", "LoyaltyNumber", "Phone1", "Phone2", "State1", "State2", "Title",
                "VIP", "VIPCode", "Zip1", "Zip2"]),
    "stays_contacts": dict(
        source="Stays (Brazilian vacation rental management, stays.net: the contacts spreadsheet for e-mail"
               " marketing)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'What are the variables for email spreadsheet?' (stays.freshdesk.com and"
              " academy.stays.net, article 36000292447): 'Column Name in Spreadsheet': FNAME, LNAME, LANG, ISUSER"
              " ('yes = 1, no = 0'), REGDATE, BIRTHDATE, ROLE ('owner = landlord ou guest = client'), RCOUNT,"
              " LAST RESERVE CHECKIN, LAST RESERVE CHECKOUT, LAST REQUEST CHECKIN, LAST REQUEST CHECKOUT, CITY,"
              " COUNTRY, DTBIRTH. The first row, 'Email address', shows no column name in either stored copy, so"
              " that column is left out and the list starts at FNAME. Dates day first as Brazil writes them;"
              " UTF-8, ',' and CRLF taken",
        header=["FNAME", "LNAME", "LANG", "ISUSER", "REGDATE", "BIRTHDATE", "ROLE", "RCOUNT", "LAST RESERVE CHECKIN",
                "LAST RESERVE CHECKOUT", "LAST REQUEST CHECKIN", "LAST REQUEST CHECKOUT", "CITY", "COUNTRY",
                "DTBIRTH"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Czech and Slovak: Previo (already listed), Plazaro and evidenčka.cz (guest books printed or exported, no"
    " column names), trevlix (screens only), Dish Reservation (downloads named, not their columns)",
    "Polish: KWHotel (feature lists and a scrambled manual), Hotelgram (a guest book as PDF or XLS, no columns)",
    "Hungarian: Hotelsystem's partner import (the headers are in a downloadable sheet, not on the page)",
    "German, Austrian and Swiss: CampOne (its guests' export named by kind, not by column), Lodgit Desk and tablex"
    " (fields mapped by hand or only screens), easycamp (features only), GuestGoodie (screens only)",
    "English: Campground Master (fields picked in a dialog), ResortData Processing (the stored copy of its guest"
    " import stops at the reservation type), Revinate and Owner.com's restaurant guests (columns mapped by hand),"
    " OwnerRez (export named, not its columns), SevenRooms and OpenTable (nothing stored with a column list),"
    " Tiquo (already listed; its e-mail column unnamed in the stored copy), Zavo (export named, not its columns)",
]
