"""Headers of the eighty-second held-out set (tests/prep/corpus/eightysecond):
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
    "clearstream_subscribers": dict(
        source="Clearstream (SMS texting for churches and organisations: 'Import CSV/Excel' of subscribers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'How do I import from Excel?' (help.clearstream.io/commonly-asked-"
              "questions/lists-and-subscribers/how-do-i-import-from-excel): 'The first row should be a header row"
              " with columns named: Mobile, First, Last, Email, and Tags. Only the Mobile column is required.', 'Most"
              " phone number formats are accepted (123-456-7890, 1234567890, +12345678900, etc.)'; CSV or Excel:"
              " UTF-8 without a signature and CRLF taken",
        header=["Mobile", "First", "Last", "Email", "Tags"]),
    "trackly_contacts": dict(
        source="Trackly SMS (SMS marketing platform: 'Importing contacts', the CSV format)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's guide 'Importing contacts' (docs.tracklysms.com/guides/contacts/importing), 'CSV"
              " Format': the required column 'phone_number or phone or msisdn' (phone_number taken), then the"
              " optional email, first_name, last_name, carrier, line_type ('CELL PHONE, VOIP, LANDLINE, UNKNOWN'),"
              " ad_network_source and ad_network_id, in this order; numbers with or without '+1', '(415) 555-1234'"
              " among them. UTF-8 without a signature and CRLF taken",
        header=["phone_number", "email", "first_name", "last_name", "carrier", "line_type", "ad_network_source",
                "ad_network_id"]),
    "emaillabs_contacts": dict(
        source="EmailLabs (Polish e-mail sending and newsletter platform: 'Importing Contacts from a File')",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's panel docs 'Importing Contacts from a File' (newpanel.docs.emaillabs.io/en/contacts/"
              "import/importing-contacts-from-a-file): the file summary shows 'Separator: ;', 'The system"
              " automatically matches columns with the same names', and the 'Available Platform Fields' are"
              " E-mail, Mobile Phone, First Name, Last Name, Company Name: a file whose columns carry those names,"
              " in that order, is taken; UTF-8 without a signature and CRLF taken",
        header=["E-mail", "Mobile Phone", "First Name", "Last Name", "Company Name"]),
    "launchsms_people": dict(
        source="Launch SMS (SMS marketing for small firms: People, 'Upload Bulk Contact')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Bulk upload with custom fields' (help.launchsms.com/knowledge-base/"
              "bulk-upload-with-custom-fields): 'Required Columns: Name (required), Mobile (required)'; 'Standard"
              " Optional Columns: Email, Birthday, Tags, Title, Business Name, Address fields' (the address"
              " columns' names are not given, so they are left out); dates 'YYYY-MM-DD', several choices"
              " 'Comma-separated' in one quoted cell; UTF-8 without a signature and CRLF taken",
        header=["Name", "Mobile", "Email", "Birthday", "Tags", "Title", "Business Name"]),
    "storm_directory": dict(
        source="storm (ContentGuru's contact centre platform: a corporate directory's contacts, 'Adding Contacts"
               " to a Directory (In Bulk)')", language="en", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the vendor's help 'Create Corporate Directories' (timeforstorm.com/RedCentrex/help/General_tasks/"
              "Create_Corporate_Directories.htm): 'The CSV file must contain a header row in the following"
              " format: First Name,Last Name,Home,Work,Mobile,Alternative,Email Address', 'the field headings are"
              " case sensitive, and must be entered in the order shown'; the same file comes from 'Export All"
              " Directory Contacts'. Its sample's row without a mailbox ends in one comma too many ('...,,,'),"
              " as the rows without one here do; UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Home", "Work", "Mobile", "Alternative", "Email Address"]),
    "smsout_empfaenger": dict(
        source="SMSout (German SMS sending program: 'Empfänger importieren' from a text file)", language="de",
        separator=";", encoding="cp1252", documented_as="header row",
        where="the program's help 'Textdatei' (www.smsout.de/SMS-out-hilfe/smsout_web/html/textdatei.htm):"
              " 'Beispiel für das Format einer Textdatei: Name; Vorname; Handy-Nummer' over 'Mustermann; Max;"
              " 0171254525421', each separator followed by a blank, 'Alle Angaben sind mit dem Zeichen Semikolon"
              " voneinander getrennt'; options to strip quotes and leading blanks and a 'DOS (OEM) in Windows"
              " (ANSI)' conversion say the file is Windows text: code page 1252 and CRLF taken",
        header=["Name", "Vorname", "Handy-Nummer"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Phone backup apps: 123 Contacts Backup And Transfer (its section 'CSV file format, imported and exported"
    " fields' is not in the stored copy), the Android SIM contacts libraries (name and number, no file)",
    "Dialers and contact centres: VICIdial (lead files without a header row unless mapped by hand), CloudTalk"
    " (the template is a download), Dialpad and Retell (files mapped through an API), LiveVox (layouts defined"
    " by the user)",
    "SMS: ClickSend, SMS Broadcast, MessageMedia and Novadial (columns mapped by hand), Intellisms (the column"
    " letters only), sms4.de (number lists without a header), the Portech MV-370 gateway (columns lettered,"
    " unnamed), Salesforce Mobile Studio (no name columns), OVH SMS (the sample file is not in the stored"
    " copy), LINK Mobility's messaging portal (fields mapped by hand)",
    "Newsletters: Emailkampane.cz and Boldem (the table is a picture), Mail-Komplet (user columns),"
    " Flatrate-Newsletter (no names), the German onelogin newsletter system (fields only described)",
]
