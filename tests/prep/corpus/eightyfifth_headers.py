"""Headers of the eighty-fifth held-out set (tests/prep/corpus/eightyfifth):
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
    "everfit_clients": dict(
        source="Everfit (online and in-person personal training: 'Bulk upload clients with CSV file')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Bulk upload clients with CSV file' (help.everfit.io/en/articles/3620631): 'If"
              " you open the saved file using a simple text editor ... it should look like this: FIRST NAME,LAST"
              " NAME,EMAIL,CATEGORY,SEND INVITE'; First Name and Last Name required, Email 'required if want to"
              " send invite', Category 'Hybrid, In-Person, or Online (the default if left blank)', Send Invite"
              " 'Yes or No (the default if left blank)'. UTF-8 without a signature and CRLF taken",
        header=["FIRST NAME", "LAST NAME", "EMAIL", "CATEGORY", "SEND INVITE"]),
    "truecoach_clients": dict(
        source="TrueCoach (strength and fitness coaching: 'Bulk Importing Clients')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk Importing Clients' (help.truecoach.co/en/articles/3835017): 'Listed below"
              " are the column headers ... The column headers and cell contents much exactly match': A. Client"
              " Email*, B. Client First Name*, C. Client Last Name*, D. Client Type (remote, dual, in-person)*, E."
              " Coach Email*, F. Group Names (optional), G. Metric Set Names (optional), H. Program Name*, I."
              " Program Start Date* (m/d/yy); the asterisks and the notes in brackets are the page's, not the"
              " names'. UTF-8 without a signature and CRLF taken",
        header=["Client Email", "Client First Name", "Client Last Name", "Client Type", "Coach Email",
                "Group Names", "Metric Set Names", "Program Name", "Program Start Date"]),
    "floranext_customers": dict(
        source="Floranext (florists' point of sale and web shop: 'What information can be imported into"
               " Floranext?')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'What information can be imported into Floranext?'"
              " (floranext.freshdesk.com/support/solutions/articles/60000364198): 'We can accept customer"
              " spreadsheets with the following values': Customer ID, First Name, Last Name, Company, Address Line"
              " 1, Address Line 2, City, State, Zip/Postal Code, Phone, Email (an older copy on"
              " support.floranext.com has Phone 1, Phone 2, Notes and a balance instead; the newer list is"
              " taken). CSV, XLS or XLSX; UTF-8 without a signature and CRLF taken",
        header=["Customer ID", "First Name", "Last Name", "Company", "Address Line 1", "Address Line 2", "City",
                "State", "Zip/Postal Code", "Phone", "Email"]),
    "stx_clients": dict(
        source="STX (salon, spa and wellness software for the Mac and the web: 'Import Clients')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's desktop support article 'Import Clients' (desktopsupport.stxsoftware.com/portal/en/"
              "kb/articles/import-clients): 'Your file must have a header row that has an appropriate title (case"
              " sensitive) for each column', 'Columns that may be imported': firstName, middleName, lastName,"
              " addressLine1, addressLine2, city, state, postalCode, gender, emailAddress, driversLicense,"
              " eveningPhone, daytimePhone, cellPhone, otherPhoneName ('Other Phone 1 Name'), otherPhone,"
              " otherPhoneName2, otherPhone2, emergencyContactName, emergencyContactPhone, birthDate,"
              " clientProfile, generalNotes, bookingProfile, otherProfileName, otherProfile, membershipID,"
              " houseAccountBalance, in this order; 'If a row has data in either or both city or state, the"
              " postalCode is required'. The values of gender and the form of birthDate are not in the stored"
              " copy: 'F'/'M' and a US date, month first, taken. A sheet saved as 'CSV UTF-8' by Excel for the Mac"
              " (',', a signature, CRLF) taken",
        header=["firstName", "middleName", "lastName", "addressLine1", "addressLine2", "city", "state",
                "postalCode", "gender", "emailAddress", "driversLicense", "eveningPhone", "daytimePhone",
                "cellPhone", "otherPhoneName", "otherPhone", "otherPhoneName2", "otherPhone2",
                "emergencyContactName", "emergencyContactPhone", "birthDate", "clientProfile", "generalNotes",
                "bookingProfile", "otherProfileName", "otherProfile", "membershipID", "houseAccountBalance"]),
    "cogito_membres": dict(
        source="Cogito-Sport (Swiss management of sports clubs and schools, their courses and groups: 'Importation"
               " des membres')", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's French help 'Importation des membres' (cogito-sport.ch/help/fr/members/"
              "importation-des-membres), its table 'Colonne | Données | Format': COURTESY (a code of Cogito's"
              " own table of civilities), FIRST_NAME, LAST_NAME, MAIDEN_NAME ('Nom de jeune fille'),"
              " FIRST_NAME_LEGAL and LAST_NAME_LEGAL ('du responsable légal'), SEX ('M', 'F'), ADDRESS,"
              " ZIP_CODE ('4 ou 5 chiffres'), CITY, COUNTRY and NATIONALITY (codes, 'Ex: CH. FR'), LICENCED"
              " ('true'/'false'), CATEGORY, BIRTHDATE, CALL_DATE, START_DATE, END_DATE ('01.02.2013'), PHONE1"
              " ('Natel'), PHONE2 and PHONE3 ('Autre téléphone'), PHONE4; the stored copy breaks off in PHONE4's"
              " row, so the list ends there (no mailbox among what it shows). English names under a French"
              " manual. Separator and code page are not shown: a sheet saved as 'CSV UTF-8' by a Swiss French"
              " Excel (';', a signature, CRLF) taken",
        header=["COURTESY", "FIRST_NAME", "LAST_NAME", "MAIDEN_NAME", "FIRST_NAME_LEGAL", "LAST_NAME_LEGAL", "SEX",
                "ADDRESS", "ZIP_CODE", "CITY", "COUNTRY", "NATIONALITY", "LICENCED", "CATEGORY", "BIRTHDATE",
                "CALL_DATE", "START_DATE", "END_DATE", "PHONE1", "PHONE2", "PHONE3", "PHONE4"]),
    "icf_coaching_log": dict(
        source="ICF client coaching log (the International Coaching Federation's log of coaching clients and hours"
               " for a credential, as a coaching school's sample template)", language="en", separator=";",
        encoding="cp1250", documented_as="header row",
        where="Coach Transformation Academy's guide 'Guide to creating & maintaining a coaching log'"
              " (coachtransformation.com/guide-to-creating-maintaining-a-coaching-log/): 'Here's an ICF coaching"
              " log sample template': Sr. No. | Client Name | Individual/Group | No. of individuals in Group |"
              " Contact Info | Start Date | End Date | Paid Hours | Pro-bono Hours, and under it 'Total Hours (Paid"
              " & Pro Bono):'; ICF's own support page asks for the client's name and e-mail address or 'contact"
              " information', the start and end dates and the paid and pro bono hours. A spreadsheet: saved as"
              " CSV by a Czech Excel (';', code page 1250, CRLF), its total row kept below, taken",
        header=["Sr. No.", "Client Name", "Individual/Group", "No. of individuals in Group", "Contact Info",
                "Start Date", "End Date", "Paid Hours", "Pro-bono Hours"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Photographers: Pixieset Studio Manager (its template is a download, the page shows no columns), Sprout"
    " Studio (the import named, no columns), ShootPath (profile fields only)",
    "Wedding and event planners: CentralPlanner (Excel columns mapped by hand), LibreWeddingPlanner and BigDay HQ"
    " (guest columns mapped by hand or only described), Everywhere Bridal (template a download)",
    "Florists and caterers: Digital Florists (product import only), flowerSoft (export steps, no columns)",
    "Coaches, trainers and therapists: ABC Trainerize and Practice Better (only integration pages),"
    " CoachAccountable (template a download), CoachIQ and Assistant Coach (fields mapped by hand or only name"
    " and email), Clarivia's Coaching Log (reads columns A to H by position; its French labels are not a"
    " header), TheraPsy (form fields, no import), Physitrack PT Direct (no header row)",
    "Tutors and music teachers: My Music Staff and Momoyoga (nothing stored with a column list), Music Learning"
    " Community (no contact columns)",
    "Czech, Polish, German and French: meety.so (fields on screen), Systell and Centrium (columns mapped by"
    " hand), Dance Master Pro and kursweb.ch (no import columns)",
]
