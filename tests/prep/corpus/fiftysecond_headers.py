"""Headers of the fifty-second held-out set (tests/prep/corpus/fiftysecond):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftieth_headers.py), nor in
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
    "canvas_patients": dict(
        source="Canvas Medical (an outpatient EHR: the 'Patient CSV Loader' plugin's template for bulk patient"
               " creation)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the plugin's guide in the Medical Software Foundation's canvas repository"
              " (extensions/patient-csv-loader/README.md), its 'Field Reference': first_name, last_name, birthdate"
              " ('YYYY-MM-DD'), sex_at_birth ('F', 'M', 'O' or 'UNK'), phone ('Primary mobile phone', ten digits,"
              " formatting allowed), middle_name, prefix, suffix, nickname ('Preferred name'); address_line1,"
              " address_line2, address_city, address_state_code, address_postal_code, address_country (alpha-2),"
              " address_use ('home', 'work', 'temp' or 'old'); contact_N_system ('phone', 'fax', 'email', 'pager',"
              " 'other'), contact_N_value, contact_N_use ('home', 'work', 'mobile'...) for slots 1 and 2. The"
              " social security number, notes, ranks, consents and external ids are left out; UTF-8 without a"
              " signature and CRLF taken",
        header=["first_name", "last_name", "birthdate", "sex_at_birth", "phone", "middle_name", "prefix", "suffix",
                "nickname", "address_line1", "address_line2", "address_city", "address_state_code",
                "address_postal_code", "address_country", "address_use", "contact_1_system", "contact_1_value",
                "contact_1_use", "contact_2_system", "contact_2_value", "contact_2_use"]),
    "cashpractice_clients": dict(
        source="Cash Practice (payment plans and patient e-mail for chiropractic and cash-based practices:"
               " 'Import Patients')", language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'How do I import my client list?' (cashpracticehelp.groovehq.com/help/"
              "how-do-i-import-my-client-list): 'Your CSV file must have the following as the first row (header)':"
              " \"ClientID\",\"TPSID\",\"Email\",\"FirstName\",\"LastName\",\"Address\",\"City\",\"State\",\"Zip\","
              "\"Phone\",\"WorkPhone\",\"Cell\", 'etc.' (the full header is in a sample file that is not stored),"
              " so the header ends at Cell; 'You only have to include the fields your data contains'. TPSID is the"
              " third-party software's account number (the ChiroTouch article). Every field quoted as in the"
              " shown row; UTF-8 without a signature and CRLF taken",
        header=["ClientID", "TPSID", "Email", "FirstName", "LastName", "Address", "City", "State", "Zip", "Phone",
                "WorkPhone", "Cell"]),
    "imtm_patients": dict(
        source="IMTM (Czech clinical registry and study software from Olomouc: batch import of patients into a"
               " study)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's user guide page on batch import (confluence.imtm.cz, 'Data import in a txt/csv batch"
              " file'): 'The file encoding is UTF-8 without BOM', 'The first row contains a header', 'The column"
              " separator is a comma', 'Dates are in the format DD/MM/YYYY'; the patient's identifiers firstName,"
              " lastName, sex ('M', 'F'), address, personalID ('700101/1111'), email, telephone"
              " ('(+420)731111111'), healthInsurance (the insurer's code, '111' to '747'), city, postalCode"
              " ('60100'), birthDate ('08/01/2012'), in this order; the study form's own parameters left out; CRLF"
              " taken",
        header=["firstName", "lastName", "sex", "address", "personalID", "email", "telephone", "healthInsurance",
                "city", "postalCode", "birthDate"]),
    "dentrixascend_users": dict(
        source="Dentrix Ascend (cloud dental practice management: 'Import Users from File', the practice's staff"
               " and providers)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the product's help 'Importing users' (hsps.pro/DentrixAscend/Help/Importing_users.htm): 'The first"
              " row of the spreadsheet contains the column headers': First Name, Last Name, Username, Email, Phone"
              " Number ('The primary contact phone number of the user (for example, a home phone number)'),"
              " Provider (YES/NO), Shortname, Address ('the provider's work address'), City; the stored copy breaks"
              " off there (the vendor's blog goes on with state, ZIP code, NPI, DEA, TIN and state ID but not by"
              " their column names), so the list ends at City. The template saved by Excel as CSV: UTF-8 without"
              " a signature and CRLF taken",
        header=["First Name", "Last Name", "Username", "Email", "Phone Number", "Provider (YES/NO)", "Shortname",
                "Address", "City"]),
    "emtrack_patients": dict(
        source="EMTrack (Juvare: patient tracking for emergency services and hospitals, 'Set up Patient Import"
               " File')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the product's help 'Set up Patient Import File' (docs.juvare.com/emtrack/help/import/"
              "set-up-patient-import-file.htm), 'Template Data Columns': ID# (required), First Name, Middle Name,"
              " Last Name, Alternate ID, Gender, Ethnic Background, Date of Birth ('yyyy-MM-dd MM/dd/yy"
              " MM/dd/yyyy'), Age, Age Unit, Triage Category, Complaint Category; the stored copy breaks off"
              " there, so the list does. 'Some characters, such as apostrophes and quotation marks, may cause an"
              " upload failure'; UTF-8 without a signature and CRLF taken",
        header=["ID#", "First Name", "Middle Name", "Last Name", "Alternate ID", "Gender", "Ethnic Background",
                "Date of Birth", "Age", "Age Unit", "Triage Category", "Complaint Category"]),
    "openvpm_clients": dict(
        source="OpenVPM (veterinary practice management: 'Migrating to OpenVPM', the clients (pet owners) CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the project's guide docs/migrating-to-openvpm.md (evangauer/openvpm): 'Clients: firstName/first/"
              "owner first name, lastName/surname, email, phone/cell phone/mobile, address/address1/street, city,"
              " state/province, zip/postal code'; the first name of each taken, in the order listed; 'deduped by"
              " email'. UTF-8 without a signature and CRLF taken",
        header=["firstName", "lastName", "email", "phone", "address", "city", "state", "zip"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: Physitrack PT Direct (client import: 'Do not include header rows', no header to take), Anagram"
    " and PetalBooking (the template is a download), splose (templates attached, columns not listed),"
    " Metriport bulk patient create (the example file is a shared sheet; the page shows only zip and email-N),"
    " Barti (frames inventory only), Rx-Universe (lens costs only)",
    "Polish and Czech: no dental or medical practice's import with its column names in the stored pages",
    "German: PraxiFix, vivoinform and GOÄ-direkt (patient screens described, no file)",
]
