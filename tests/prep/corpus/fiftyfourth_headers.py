"""Headers of the fifty-fourth held-out set (tests/prep/corpus/fiftyfourth):
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
    "meetingapp_users": dict(
        source="Meeting Application (Polish event app and ticketing: 'Users import' of an event's participants)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Users import' (intercom.help/meetingapp/en/articles/4843389-users-import): 'a"
              " file with csv format extension ... which will contain the following columns: first_name,"
              " last_name, email, position, company, country, biography, phone_number, user_groups, user_tags,"
              " image_url, user_external_uuid, ticket_id, exhibitor_moderator_ids, want_invoice,"
              " invoice_company_name, invoice_nip, invoice_street, invoice_street_no, invoice_city, invoice_state,"
              " invoice_country, invoice_post_code ... all of the above columns should be present in the file, in"
              " the order given'; 'Unicode UTF-8' (help.meetingapplication.com/en/articles/4842491-user-import:"
              " 'to avoid errors with Polish characters'). The separator is not shown: ',' and CRLF taken",
        header=["first_name", "last_name", "email", "position", "company", "country", "biography", "phone_number",
                "user_groups", "user_tags", "image_url", "user_external_uuid", "ticket_id",
                "exhibitor_moderator_ids", "want_invoice", "invoice_company_name", "invoice_nip", "invoice_street",
                "invoice_street_no", "invoice_city", "invoice_state", "invoice_country", "invoice_post_code"]),
    "grenadine_people": dict(
        source="Grenadine Event Planner (Montreal conference and event management: importing a list of people)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's page 'Importing a list of people into Grenadine Event Manager'"
              " (events.grenadine.co/importing-a-list-of-people-into-grenadine-event-planner/), its 'Importable"
              " fields' table with each field's name: prefix, first_name, last_name ('MANDATORY'), suffix,"
              " job_title, company, line1, line2 ('for example \"Suite 203\"'), city, postcode, state, country,"
              " phone, email, registration_number, registration_type ('Student', 'Advance-purchase', 'Speaker'),"
              " datasource_dbid; 'comma-delimited file format with an extension of \".CSV\"', 'saved using UTF-8"
              " encoding' for accented letters; no signature and CRLF taken",
        header=["prefix", "first_name", "last_name", "suffix", "job_title", "company", "line1", "line2", "city",
                "postcode", "state", "country", "phone", "email", "registration_number", "registration_type",
                "datasource_dbid"]),
    "zipdx_participants": dict(
        source="ZipDX (multilingual conference calls and webinars: bulk registering participants)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Bulk registering participants' (www.zipdx.info/knowledgebase/"
              "bulk-registering-participants/), 'the required and optional content possible in the CSV file':"
              " Email, First Name, Last Name, Company, Language ('2-letter ISO 639-1'), Timezone, Spam Trap"
              " Workaround ('TRUE' or blank or 'FALSE'), Password, Admin User Email ('An email address known to"
              " the system'), Organizer ('Account ID'), then Phone1, Phone1 Extension, Phone1 Call Me, Phone1 Auto"
              " ID and the same for Phone2 and Phone3; the stored copy breaks off after Phone3 Auto ID, so the"
              " list ends there. Encoding not shown: UTF-8 without a signature and CRLF taken",
        header=["Email", "First Name", "Last Name", "Company", "Language", "Timezone", "Spam Trap Workaround",
                "Password", "Admin User Email", "Organizer", "Phone1", "Phone1 Extension", "Phone1 Call Me",
                "Phone1 Auto ID", "Phone2", "Phone2 Extension", "Phone2 Call Me", "Phone2 Auto ID", "Phone3",
                "Phone3 Extension", "Phone3 Call Me", "Phone3 Auto ID"]),
    "higherlogic_registrants": dict(
        source="Higher Logic Event Engagement (an association's conference site: uploading registrants)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article on uploading registrants (support.higherlogic.com/hc/en-us/articles/"
              "360041040332): 'the following required fields (column headers) and the field names appear exactly"
              " as shown': LegacyContactKey ('any unique ID ... only alpha and numeric characters'), FirstName,"
              " LastName, EmailAddress ('must be unique'), CompanyName; 'The order of the columns is not"
              " important'; 'Additional fields are acceptable' but none is named, so the five are taken, in the"
              " order shown. UTF-8 without a signature and CRLF taken",
        header=["LegacyContactKey", "FirstName", "LastName", "EmailAddress", "CompanyName"]),
    "meetingpulse_attendees": dict(
        source="MeetingPulse (meeting engagement and voting: uploading the attendee list)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'CSV formatting' (help.meetingpulse.net/en/articles/5140158-csv-formatting):"
              " 'Code: Leave empty. It will get automatically generated', 'FirstName, LastName ... Both are"
              " required', 'Email: Optional field', 'VoteWeight: Optional field. Used with Weighted Voting polls',"
              " 'Session1 ID .... Session2 ID' (one column per bookable session, named after it: left out, the"
              " meeting has no schedule), 'Department, Role: Custom fields'; in the order the guide names them. 'If"
              " you need to add more attendees ... download the file, make your updates and re-upload': the file"
              " downloaded holds the codes. UTF-8 without a signature and CRLF taken",
        header=["Code", "FirstName", "LastName", "Email", "VoteWeight", "Department", "Role"]),
    "digitalsamba_guests": dict(
        source="Digital Samba (Barcelona video conferencing and webinars: 'Import guest list from CSV')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's knowledge base 'Import guest list from CSV' (support.digitalsamba.com/knowledge/"
              "import-guest-list-from-csv): 'The list must be uploaded as a .csv file and have the following"
              " format: first_name last_name email role', rows 'first_name_of_person1 ... 1', 'role 1 represents"
              " speakers, 2 pertains to audience members, while 3 is a custom role'. Saved as CSV: ',', UTF-8"
              " without a signature and CRLF taken",
        header=["first_name", "last_name", "email", "role"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Registration and ticketing: Accelevents (three required columns named, the rest are each event's own order"
    " form questions), Eventfinity and Eventdrive (a few columns named, the rest in a sample file only), Nunify,"
    " GEVME, webcastcloud and getregistered (the columns are in each event's own template), Smeetz and"
    " Tripleseat (fields mapped by hand), TicketsCandy (the attendees table, no export columns)",
    "Webinars and meetings: Zoom (email, first and last name only), Livestorm (through Zapier, no file),"
    " ClickMeeting and Whova (nothing stored with a column list), OpenSlides (the participant columns are in the"
    " program's own files only)",
    "Event apps in French: Digitevent (fields mapped by hand)",
    "Trade fairs: exhibitor directories seen only through scrapers' outputs, not the organisers' own exports",
]
