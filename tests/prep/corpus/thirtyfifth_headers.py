"""Headers of the thirty-fifth held-out set (tests/prep/corpus/thirtyfifth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyfourth_headers.py), nor in
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
    "cheaperdomains_webmail": dict(
        source="CheaperDomains (Australian hosting: the webmail's contacts, 'Importing Contacts', its CSV template)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the host's knowledge base 'Importing Contacts' (www.cheaperdomains.com.au/index.php?rp=/"
              "knowledgebase/63/Importing-Contacts.html), 'CSV Template ... the format that is accepted by the"
              " webmail service': \"first_name\",\"last_name\",\"display_name\",\"email\",\"group\" ('required at"
              " the top of file'), every cell quoted as in its example row, blank fields left empty; UTF-8"
              " without a signature and CRLF taken",
        header=["first_name", "last_name", "display_name", "email", "group"]),
    "netmanager_webmail": dict(
        source="Precedence NetManager (a UK schools' network server: its webmail's contacts CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's knowledge base 'Webmail-Contacts-CSV' (precedence.co.uk/wiki/Support-KB-NetManager/"
              "Webmail-Contacts-CSV): 'First line must contain a list of field names', the example 'Name,Email,"
              "Group' with 'Mr Bloggs,jbloggs@bloggs.com,Work;Play' (several groups joined by ';'), fields not"
              " quoted, line ends CR, LF or CRLF: LF taken (the server's own), UTF-8 without a signature. The"
              " page's own product, not the webmail it is built on (whose exports are vCards, as earlier lists"
              " say)",
        header=["Name", "Email", "Group"]),
    "thevoco_contacts": dict(
        source="TheVoĉo (cloud PBX: 'Add Contacts', the company contacts' bulk import)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's docs 'Add Contacts' (www.thevoco.com/docs/cloud-pbx-admin/contacts/add-contacts),"
              " 'Example CSV': First Name,Last Name,Company,Mobile Phone,Email,Tags ('First Name', 'Last Name'"
              " and one phone required); UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Company", "Mobile Phone", "Email", "Tags"]),
    "voca_contacts": dict(
        source="AudioCodes Voca (speech-enabled auto attendant: 'Importing Contact Information', the directory)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's administrator's guide, version 11.1, 'Importing Contact Information' (techdocs."
              "audiocodes.com/ac-voca/administrators-guide/version-11-1/...): 'The CSV file to be imported should"
              " contain the following': UID ('an employee ID or any unique number'), First name, Last name,"
              " Extension number, Mobile number, Department, Email, First Name Aliases, Last Name Aliases, Full"
              " Name Aliases ('separated by \";\"'); 'highly recommended ... UTF-8'. Without a signature and CRLF"
              " taken",
        header=["UID", "First name", "Last name", "Extension number", "Mobile number", "Department", "Email",
                "First Name Aliases", "Last Name Aliases", "Full Name Aliases"]),
    "jtel_dialler": dict(
        source="jtel (German contact centre platform: dialler contacts, the legacy import and export scheme)",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki on dialler contacts (wiki.jtel.de/x/eAAOAQ): 'Fields in each record are"
              " separated by a semicolon', 'Values in text and date / time fields are surrounded by quotation"
              " marks', DiallerContact ('Fixed, must contain \"DiallerContact\"'), dtImported, DiallerCampaignsName,"
              " UserData, Client, Service, ReferenceNumber, Name ('Surname'), FirstName, Salutation, Title"
              " ('Dr. etc.'), Company, Address ('Street'), PostalCode, City, Country, AccountOwner, AccountBank,"
              " AccountNationalBankCode, AccountBIC, AccountNumber, AccountIBAN, Amount, PhoneNumber1 to"
              " PhoneNumber6 ('E.164 format'), FaxNumber, Email, Website, Comment; the stored copy breaks off"
              " after Comment, so the list ends there. Every cell quoted (the amounts too, as a spreadsheet"
              " saves them), UTF-8 without a signature and CRLF taken; whether a header row is written is not"
              " said: one taken",
        header=["DiallerContact", "dtImported", "DiallerCampaignsName", "UserData", "Client", "Service",
                "ReferenceNumber", "Name", "FirstName", "Salutation", "Title", "Company", "Address", "PostalCode",
                "City", "Country", "AccountOwner", "AccountBank", "AccountNationalBankCode", "AccountBIC",
                "AccountNumber", "AccountIBAN", "Amount", "PhoneNumber1", "PhoneNumber2", "PhoneNumber3",
                "PhoneNumber4", "PhoneNumber5", "PhoneNumber6", "FaxNumber", "Email", "Website", "Comment"]),
    "plunk_contacts": dict(
        source="Plunk (e-mail platform: 'Importing contacts from CSV')", language="en", separator=",",
        encoding="utf-8", documented_as="header row",
        where="the vendor's guide 'Importing contacts from CSV' (docs.useplunk.com/guides/importing-contacts):"
              " 'A richer file with custom fields': email,firstName,plan,signupDate, dates in ISO 8601"
              " ('2026-01-15T00:00:00Z'), 'Encoding: UTF-8'; no signature and LF taken",
        header=["email", "firstName", "plan", "signupDate"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Webmail in Czech, Slovak and Polish: FORPSI's webmail (exports vCard, CSV or LDIF, no column names shown),"
    " hellcore-mailer (a Polish mail program: columns matched by hand)",
    "Webmail in English: Mailfence, Runbox (vCard only), hosting.xyz's WebMail classic (reads Outlook's and"
    " Thunderbird's files, exports vCard), AfterLogic and Axigen (nothing stored)",
    "Phone apps: MOBILedit, Nokia PC Suite, Oxygen Phone Manager (no column list stored), Skype (vCards)",
    "Slovene and Romanian: 1Tool and Kumulator (columns mapped at import)",
    "Phone systems: Mitel's contact directories (the maker is named in sixth_headers.py's list), talkif.ai"
    " (columns mapped at import), speechmobility (export named, no columns)",
]
