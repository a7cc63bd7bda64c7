"""Headers of the fifty-fifth held-out set (tests/prep/corpus/fiftyfifth):
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
    "pclaw_clients": dict(
        source="PCLaw (LexisNexis law practice accounting: the client columns of its CSV, as Wise Owl Legal's"
               " importer reads them)", language="en", separator=",", encoding="cp1252", documented_as="field list",
        where="Wise Owl Legal's help 'PC Law CSV Format' (wiseowllegal.atlassian.net/wiki/x/g8sc), its 'Field"
              " Mappings (Client)': CLIENT, FIRST NAME, LAST NAME, FIRM NAME ('If FIRM NAME is present, the client"
              " is made a Company'), TITLE, DISPLAY AS, ADDRESS LINE1, ADDRESS LINE2, CITY, STATE, ZIP, BILLING"
              " ADDR_LINE1, BILLING ADDR_LINE2, BILLING CITY, BILLING STATE, BILLING ZIP, BUSPHONE, HOMEPHONE,"
              " OTHER PHONE, CELL, FAX, E-MAIL; the matter columns of the same file are left out. The headings are"
              " added by hand in Notepad ('DO NOT Open in Excel'); a Windows program's code page 1252 and CRLF"
              " taken",
        header=["CLIENT", "FIRST NAME", "LAST NAME", "FIRM NAME", "TITLE", "DISPLAY AS", "ADDRESS LINE1",
                "ADDRESS LINE2", "CITY", "STATE", "ZIP", "BILLING ADDR_LINE1", "BILLING ADDR_LINE2", "BILLING CITY",
                "BILLING STATE", "BILLING ZIP", "BUSPHONE", "HOMEPHONE", "OTHER PHONE", "CELL", "FAX", "E-MAIL"]),
    "cchifirm_contacts": dict(
        source="CCH iFirm (Wolters Kluwer practice management for accounting firms, Canada: 'Import Clients')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's 'Guide for preparing a .csv file for contact records' (support.cchifirm.ca/en/content/"
              "cch_ifirm/contacts_-_guide_for_preparing_a_.csv_file.html): Code ('CLT001'), Entity"
              " ('Corporation/Individual/.../Partnership/Sole proprietor/...'), Name ('If the contact is an"
              " individual or a sole proprietor, leave this cell blank'), Title ('[Mr/Ms/Mrs]'), FirstNames,"
              " LastNames, MailingName ('As a best practice for numbered companies, you can enter the name under"
              " which you are operating'), Partner, Manager (the firm's users), Group1, Group2, PostalAddressee;"
              " the stored copy breaks off there, so the list does. 'You can remove empty columns'; the sample"
              " ClientImport.csv saved by Excel: UTF-8 without a signature and CRLF taken",
        header=["Code", "Entity", "Name", "Title", "FirstNames", "LastNames", "MailingName", "Partner", "Manager",
                "Group1", "Group2", "PostalAddressee"]),
    "casefleet_contacts": dict(
        source="Casefleet (litigation case management: 'Importing Case Contacts in Bulk')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Creating Contacts' (support.casefleet.com/case-setup/working-with-contacts/"
              "creating-contacts-inline): 'prepare a CSV file with the following headers': first name*, last"
              " name*, name* ('for entity/organization contacts'), address line 1, address line 2, city, state,"
              " zip, phone, email; UTF-8 without a signature and CRLF taken",
        header=["first name", "last name", "name", "address line 1", "address line 2", "city", "state", "zip",
                "phone", "email"]),
    "pixie_clients": dict(
        source="Pixie (practice management for accountants, UK: 'Importing your clients')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Importing your clients' (help.usepixie.com/en/articles/3020655): 'The first row"
              " of the file should mandatorily have the column headings', the example exported from Excel 'Name,"
              " Email, Address, City, State, Postcode' with rows like 'Client A,, ABC Street, Some City, Some"
              " State, 123456'; clients are 'matched by name'. The example's blanks after the commas are left out;"
              " 'ensure that your file is UTF-8 encoded': UTF-8 without a signature and CRLF taken",
        header=["Name", "Email", "Address", "City", "State", "Postcode"]),
    "accounton_clients": dict(
        source="Accounton (Silverfin's personal income tax platform for Belgian accountants: 'Importing customers"
               " via an Excel file')", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Accounton: Importing customers via an Excel file' (support.silverfin.com/en/"
              "support/solutions/articles/101000551076): 'person: Keep this as person', Firstname, Lastname, Email"
              " ('to which the questionnaire should be sent'), Mobile Number ('the customer's personal phone"
              " number'); the contact in columns B-F, the partner's national number in column O: the stored copy"
              " breaks off after Mobile Number, so the list does. The template is a workbook; here it is saved as"
              " 'CSV UTF-8' by a Belgian Excel (';', a signature, CRLF)",
        header=["person", "Firstname", "Lastname", "Email", "Mobile Number"]),
    "ignition_clients": dict(
        source="Ignition (proposals and billing for accounting practices: 'Import and edit your clients in bulk')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import and edit your clients in bulk' (support.ignitionapp.com/en/articles/"
              "600809): 'Each client row MUST have at least these three columns filled in: Client Name, Contact"
              " Name, Contact Email', 'leave the Client ID and Contact ID columns blank' for new clients, several"
              " contacts of one client on rows with 'the exact same name in the Client Name field'. The page names"
              " these five columns and shows no order, so they stand in the order it names them; the tracking"
              " columns are left out. UTF-8 without a signature and CRLF taken",
        header=["Client Name", "Contact Name", "Contact Email", "Client ID", "Contact ID"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Law firms: MyCase, PracticePanther, Smokeball, CosmoLex, Actionstep (template or mapping only, no names),"
    " CounselLink (the contact form's fields, not the template's), Esqase (the template's columns not listed),"
    " j-lawyer (vCard import only), a-jur (the address window, no file), Cliens (no import columns), InsoSB"
    " (Mandanten import: a file without a header row)",
    "Tax and accounting practices: TaxDome, Karbon, Canopy (the template's column table breaks off after"
    " Contact Type), Financial Cents, Senta (column groups only), TaxCaddy (required fields described,"
    " not named), Kleisteen (already in twentyseventh_headers.py), GrundsteuerDigital (the import template is not stored), AdminPulse (some columns of a"
    " workbook, their order not shown)",
]
