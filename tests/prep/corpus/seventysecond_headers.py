"""Headers of the seventy-second held-out set (tests/prep/corpus/seventysecond):
small health practices' patient and client files. None of these sources is in
headers.py nor in any of the later *_headers.py files, nor in layouts_test.py,
nor in their NOT_FOUND lists. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself; "field
list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "colibri_patients": dict(
        source="Colibri by MesVaccins (French vaccination record for pharmacies and practices: 'Module"
               " Import-Export', the patients' import)", language="fr", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the vendor's help article 'Module Import-Export' (support-colibri.mesvaccins.net/hc/fr/articles/"
              "18302348211345): its sample file's first line \"tag\",\"sexe\",\"nom\",\"prenom\",\"date_de_naissance\","
              "\"commentaire\",\"adresse\",\"code_ville\",\"code_postal_ville\",\"telephone\",\"email\", 'La première"
              " ligne doit être identique', every value in double quotes, the date '18/12/1963', 'code_ville' the"
              " commune's INSEE code ('33063') beside the postal code ('33000'), no town's name; UTF-8 and CRLF"
              " taken",
        header=["tag", "sexe", "nom", "prenom", "date_de_naissance", "commentaire", "adresse", "code_ville",
                "code_postal_ville", "telephone", "email"]),
    "e4bizz_patients": dict(
        source="e4-bizz MAD (French home medical equipment providers: 'Créer un patient', patients imported at"
               " once from an Excel sheet)", language="fr", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the vendor's docs 'Créer un patient' (docs.beta.e4-bizz.com/mad/patients/creation): 'importer"
              " plusieurs patients d'un seul coup via Excel', the patient's fields in this order: Prénom, Nom"
              " ('automatiquement en MAJUSCULES'), Adresse, Code postal ('5 chiffres'), Ville, Date de naissance"
              " ('JJ/MM/AAAA'), N° Sécurité sociale, Complément d'adresse, Téléphone, Mobile, Email, Code CRM"
              " ('Must G5, Lomaco'), Commentaires, Actif; the admin-only fields left out. The sheet saved as CSV"
              " by a French Excel (';', code page 1252 would lose the Polish and Czech patients' letters, so 'CSV"
              " UTF-8' with a signature, CRLF)",
        header=["Prénom", "Nom", "Adresse", "Code postal", "Ville", "Date de naissance", "N° Sécurité sociale",
                "Complément d'adresse", "Téléphone", "Mobile", "Email", "Code CRM", "Commentaires", "Actif"]),
    "shoebox_patients": dict(
        source="SHOEBOX Audiometry (Canadian hearing tests: 'Template Explanations', the generic patient import)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Template Explanations' (help.shoebox.md/Content/SHOEBOX_Data_Management/"
              "Importing_Data/Template_Explanations.htm): ExternalID, LastName, FirstName, MI, Sex ('M or F'),"
              " BirthDate, HireDate, the mailbox's row (its name hidden in the stored copy, 'Email address';"
              " 'Email' taken), TestDate, CellPhone, Addr1, Addr2, Addr3, City, State, Country, Zip, School,"
              " JobClassification, Company, EmployeeNumber, Facility, Department, JobPosition, Status ('A, I,"
              " Active, Inactive'), ActiveDate; the stored copy breaks off at ProjectName, so the list ends"
              " before it. UTF-8 without a signature and CRLF taken",
        header=["ExternalID", "LastName", "FirstName", "MI", "Sex", "BirthDate", "HireDate", "Email", "TestDate",
                "CellPhone", "Addr1", "Addr2", "Addr3", "City", "State", "Country", "Zip", "School",
                "JobClassification", "Company", "EmployeeNumber", "Facility", "Department", "JobPosition",
                "Status", "ActiveDate"]),
    "headsup_clients": dict(
        source="Heads Up Health (US health coaching and functional medicine practices: 'How do I bulk import my"
               " Clients?')", language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help article (help.headsuphealth.com/en/articles/4999751): 'Row 1 of the spreadsheet"
              " is for column headers: email_address (A), initial_password (B), first_name (C), last_name (D),"
              " birthdate (E), and gender (F)', the birth date 'YYYYMMDD', gender 'male or female', then the"
              " optional 'tag' and 'external_id'; the stored copy breaks off there, so the list does. UTF-8 and"
              " CRLF taken",
        header=["email_address", "initial_password", "first_name", "last_name", "birthdate", "gender", "tag",
                "external_id"]),
    "upheal_clients": dict(
        source="Upheal (US notes and practice tool for psychotherapists: 'Importing multiple clients at once from"
               " other EHRs')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article (upheal.io/support/en/articles/15202501): the fields with their"
              " 'Accepted column names': First name (first_name), Last name (last_name), Pronouns (pronouns,"
              " 'She/her, He/him, or They/them'), Preferred name (preferred_name), Email (email), Phone (phone,"
              " 'Any common format'); the stored copy breaks off at Phone, so the list ends there. 'The order of"
              " your columns doesn't matter'; UTF-8 and CRLF taken",
        header=["first_name", "last_name", "pronouns", "preferred_name", "email", "phone"]),
    "rhinogram_patients": dict(
        source="Rhinogram (US patient messaging for practices: 'Importing Patients and Responsible Parties')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article (rhinogram.freshdesk.com/support/solutions/articles/36000188881):"
              " 'Column Headers (Recommended)': externalId, lastName, firstName ('must not contain comma'),"
              " birthday ('YYYY-MM-DD'); 'All column headers must match formatting exactly'; the stored copy"
              " breaks off at the other columns, so only the recommended four are taken. UTF-8 and CRLF taken",
        header=["externalId", "lastName", "firstName", "birthday"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "German and Austrian: Psido and appointmed (patients entered by hand, no import columns), CGM MEDISTAR (the"
    " patient form's fields, no file), THERAPIEplus (manual without the import's names)",
    "French: Winoptics (optician's manual, no import columns), PetalMD (the order only in a sample file)",
    "Polish, Czech and Dutch: no practice's patient import with its column names stored",
    "English: Therabill (the column labels cut from the stored copy), Procentive (names only in its"
    " spreadsheet), Carepatron (columns matched at import), Auditdata and HearAid (no import columns)",
]
