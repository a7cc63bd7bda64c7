"""Headers of the sixty-third held-out set (tests/prep/corpus/sixtythird):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftyninth_headers.py), nor in
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
    "syncro_end_users": dict(
        source="Syncro (PSA and RMM for managed service providers: the Contacts/End Users CSV template)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's documentation 'Import or Export Existing Contacts/End Users' (docs.syncromsp.com/"
              "importsexports/import-or-export-existing-contacts): 'The first row of the CSV template file contains"
              " the names of the columns, which include: customer_id, contact_id, name, title, email, phone,"
              " extension, mobile, address1, address2, city, state, zip, notes, direct_report,"
              " ticket_matching_emails, notification_billing, notification_marketing, notification_reports,"
              " vendor_id, custom_fields'; 'It is possible to create Contacts/End Users that contain just a name or"
              " just an email address'; UTF-8 without a signature and CRLF taken",
        header=["customer_id", "contact_id", "name", "title", "email", "phone", "extension", "mobile", "address1",
                "address2", "city", "state", "zip", "notes", "direct_report", "ticket_matching_emails",
                "notification_billing", "notification_marketing", "notification_reports", "vendor_id",
                "custom_fields"]),
    "deskpro_users": dict(
        source="Deskpro (help desk: 'CSV User Import', the user fields a column is mapped to)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's legacy admin guide 'CSV User Import' (support.deskpro.com/en-US/guides/legacy-admin-"
              "guide/csv-user-import): 'you can map each column to one of Deskpro's user fields': First Name, Last"
              " Name, Name, Title (Mr., Mrs., etc), Primary Email (required), Secondary Email, Password,"
              " Organization, Organization Position, Language (the language's id number), Brand, Phone Number"
              " ('unspaced and prefixed with country code e.g. +447700900315'), Website URL, IM, Twitter account,"
              " LinkedIn profile URL, Facebook profile URL, Address Line 1, Address Line 2, City, State; the stored"
              " copy breaks off after State, so the list ends there. The file written with the fields' names as"
              " its header row (the current guide 'Importing User, Organization and Ticket CSV Data' asks for a"
              " header row and UTF-8); no signature and CRLF taken",
        header=["First Name", "Last Name", "Name", "Title", "Primary Email", "Secondary Email", "Password",
                "Organization", "Organization Position", "Language", "Brand", "Phone Number", "Website URL", "IM",
                "Twitter account", "LinkedIn profile URL", "Facebook profile URL", "Address Line 1",
                "Address Line 2", "City", "State"]),
    "nable_servicedesk_users": dict(
        source="N-able Service Desk (formerly SolarWinds MSP Service Desk: 'Importing Customers, Assets and Users',"
               " the customers' end-users)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's user guide 'Importing Customers, Assets and Users' (documentation.n-able.com/service-"
              "desk/userguide/Content/sd-qsg/Import/ImportingCustomersAssetsUsers.htm) and the older 'Manually"
              " Importing Customer End-users' (documentation.solarwindsmsp.com/service-desk): 'Your CSV file should"
              " include columns for Name (required), Email (required), Customer (required) and Phone', mapped to"
              " the fields at import; the four named so; UTF-8 without a signature and CRLF taken",
        header=["Name", "Email", "Customer", "Phone"]),
    "hexnode_users": dict(
        source="Hexnode UEM (unified endpoint and mobile device management: 'How to bulk import users with a CSV"
               " file')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help (hexnode.com/mobile-device-management/help/how-to-bulk-import-users-with-a-csv-"
              "file): 'Only the following fields provided in the CSV file will be mapped': Display Name (mandatory),"
              " Email (mandatory), Mobile, Ownership ('Personal, Corporate, or Allow User to Select'), Device Name,"
              " Serial Number, Platform ('iOS, macOS, Android, Windows, or tvOS'), in this order. A sheet saved as"
              " 'CSV UTF-8' by Excel (a signature, CRLF) taken",
        header=["Display Name", "Email", "Mobile", "Ownership", "Device Name", "Serial Number", "Platform"]),
    "optimidoc_users": dict(
        source="Optimidoc Cloud (Czech print management: the admin console's CSV user import)", language="en",
        separator=";", encoding="cp1250", documented_as="header row",
        where="the vendor's help 'CSV import sample' (cloud.optimidoc.com/Content/Help/CSVimportsample.html):"
              " 'FirstName,LastName,Email,Password,Department,SsoUsername,IsEnabled,IsAdmin,Pin,CardNumber,"
              "NotifyAboutNews', 'The \"FirstName\", \"LastName\", \"Email\" fields are required', 'The \"Pin\" field"
              " is a number', flags 'True' or 'False'; its page 'CSV' (cloud.optimidoc.com/content/help/"
              "adminconsole/CSV.html): 'Define encoding of the file', 'Select delimiter or specify your own'. A"
              " Czech Excel's ';' and code page 1250, CRLF, taken",
        header=["FirstName", "LastName", "Email", "Password", "Department", "SsoUsername", "IsEnabled", "IsAdmin",
                "Pin", "CardNumber", "NotifyAboutNews"]),
    "targetprocess_requesters": dict(
        source="Targetprocess (work management with an integrated Service Desk: 'Import Requesters from CSV file')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's guide 'Import Requesters from CSV file' (targetprocess.com/guide/data-import-export/"
              "import-csv-files/import-requesters-from-csv-file): 'the fields that can be mapped as columns during"
              " import': ID ('Update an existing Requester who has specified numeric ID. New Requester is created"
              " when ID value is blank'), Email ('Must be unique'), First Name, Last Name, Company ('Used to split"
              " visibility of Requests in Service Desk portal by companies'); the stored copy breaks off after"
              " Company, so the list ends there. UTF-8 without a signature and CRLF taken",
        header=["ID", "Email", "First Name", "Last Name", "Company"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "PSA and RMM: Autotask (the contact template's table is cut off in the stored copy), HaloPSA (the template"
    " guide stored as style sheets only), NinjaOne (the end-user columns cut off after Email), SuperOps, ConnectWise"
    " PSA, Kaseya BMS, IT Glue and Hudu (nothing stored with a column list)",
    "Help desks: ManageEngine ServiceDesk Plus and SysAid (columns mapped at import, no names), Jira Service"
    " Management (only 'Email' and the project's own fields), HappyFox, BoldDesk, Desk365 and Jitbit (nothing"
    " stored)",
    "Device and password management: TinyMDM (rows without a header), Workspace ONE UEM (the settings named, not"
    " the template's columns), Keeper (vault records, no people), LastPass (the template is a download)",
    "Czech, Dutch, French and German tools: IPEXAS ticketing (the columns in the sample files only), TOPdesk (the"
    " template is a download), GLPI and Znuny (nothing stored with a column list)",
]
