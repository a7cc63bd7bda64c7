"""Headers of the sixty-second held-out set (tests/prep/corpus/sixtysecond):
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
    "atenea_alumnos": dict(
        source="Atenea (Spanish management program for academies: language, tutoring and training schools;"
               " 'Importador de alumnos')", language="es", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help 'Importación de alumnos' (ayuda.myatenea.com/temas/importacion-de-alumnos):"
              " 'Los datos y el orden de los mismos en las distintas columnas son los siguientes': Nombre;"
              " Apellido 1; Apellido 2; Nacimiento; DNI; Teléfono fijo; Teléfono movil; Email; Empresa; Colegio;"
              " Población; Dirección; CP; Fecha ingreso; centro; Observaciones; Nombre/apellidos Padre; DNI Padre;"
              " Telefono Padre; Email Padre; Nombre/Apellidos Madre; DNI Madre; Telefono Madre; Email Madre; Pais;"
              " Provincia; Centro de coste; Nº Empleado; Código pais (2 letras); NºControl (2 Digitos); Entidad (2"
              " Digitos); Sucursal (4 Digitos); Control (2 Digitos); Nº Cuenta (10 Digitos); IBAN; FECHA MANDATO;"
              " NOMBRE CLIENTE; CIF/NIF CLIENTE; DIRECCION CLIENTE; CP CLIENTE, written as given (accents and"
              " capitals too); 'Si no sabemos qué poner en alguna de las columnas la dejaremos en blanco'. The"
              " program reads the Excel sheet; the sheet saved as 'CSV UTF-8' by a Spanish Excel (';', a"
              " signature, CRLF) taken",
        header=["Nombre", "Apellido 1", "Apellido 2", "Nacimiento", "DNI", "Teléfono fijo", "Teléfono movil",
                "Email", "Empresa", "Colegio", "Población", "Dirección", "CP", "Fecha ingreso", "centro",
                "Observaciones", "Nombre/apellidos Padre", "DNI Padre", "Telefono Padre", "Email Padre",
                "Nombre/Apellidos Madre", "DNI Madre", "Telefono Madre", "Email Madre", "Pais", "Provincia",
                "Centro de coste", "Nº Empleado", "Código pais (2 letras)", "NºControl (2 Digitos)",
                "Entidad (2 Digitos)", "Sucursal (4 Digitos)", "Control (2 Digitos)", "Nº Cuenta (10 Digitos)",
                "IBAN", "FECHA MANDATO", "NOMBRE CLIENTE", "CIF/NIF CLIENTE", "DIRECCION CLIENTE", "CP CLIENTE"]),
    "amn_deelnemers": dict(
        source="AMN Insight (Dutch assessment and career-learning platform for schools: 'Inlezen deelnemers')",
        language="nl", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importbestand maken' (docs.amn.nl/insight-help/knop-deelnemers/"
              "importbestand-maken): required deelnemersnummer ('leerlingnummer, personeelsnummer, klantnummer'),"
              " voornaam, voorvoegsel ('alleen als er een voorvoegsel is'), achternaam; often required"
              " geboortedatum, geslacht, groep, crebonummer, email, gebruikersnaam ('Gebruikersnaam is altijd een"
              " e-mailadres'), in this order; 'een tekstbestand (comma seperated, csv)'; UTF-8 without a"
              " signature and CRLF taken",
        header=["deelnemersnummer", "voornaam", "voorvoegsel", "achternaam", "geboortedatum", "geslacht", "groep",
                "crebonummer", "email", "gebruikersnaam"]),
    "earlytree_children": dict(
        source="EarlyTree Funding (English nurseries' early-years funding portal: 'Bulk Import Children')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk Import Children' (demo-funding.earlytree.co.uk/Help/Article/bulk-import,"
              " the same article on test.funding.1stsafari.com): 'The import template supports 24 columns':"
              " InternalCode, FirstName, LastName, DateOfBirth ('DD/MM/YYYY format'), NhsNumber, AddressHouseNo,"
              " AddressLine1 ('Street name'), AddressLine2, AddressLine3, Town, County, Postcode,"
              " PrimaryParentFirstName, PrimaryParentLastName, PrimaryParentEmail, PrimaryParentPhone ('Mobile"
              " number'), SecondParentFirstName, SecondParentLastName, SecondParentEmail, SecondParentPhone,"
              " FundingType ('Universal' or 'Extended'), FundingEligibilityCriteria, HoursPerWeek,"
              " SessionClaimType; 'a CSV or Excel file'; UTF-8 without a signature and CRLF taken",
        header=["InternalCode", "FirstName", "LastName", "DateOfBirth", "NhsNumber", "AddressHouseNo",
                "AddressLine1", "AddressLine2", "AddressLine3", "Town", "County", "Postcode",
                "PrimaryParentFirstName", "PrimaryParentLastName", "PrimaryParentEmail", "PrimaryParentPhone",
                "SecondParentFirstName", "SecondParentLastName", "SecondParentEmail", "SecondParentPhone",
                "FundingType", "FundingEligibilityCriteria", "HoursPerWeek", "SessionClaimType"]),
    "musiclearning_students": dict(
        source="Music Learning Community (online music lessons for school and studio students: 'Upload csv of"
               " new students')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Dashboard - \"Resources\"' (help.musiclearningcommunity.com/article/62/"
              "dashboard-resources): 'its columns are in the same order as the template': (1) Student First Name,"
              " (2) Student Last Name, (3) Student User Name, (4) Student Password (blank: one made from musical"
              " terms), (5) Active Status ('Y' for active), (6) Teacher Real Name ('exactly as the teacher name"
              " appears in the Dashboard', the real name being 'Lastname, Firstname'), (7) Course Assignment (an ID"
              " number); the template's own row is not shown, so the names are the list's. UTF-8 without a"
              " signature and CRLF taken",
        header=["Student First Name", "Student Last Name", "Student User Name", "Student Password", "Active Status",
                "Teacher Real Name", "Course Assignment"]),
    "trainex_teilnehmer": dict(
        source="TraiNex (German campus and course management for academies and private universities: the"
               " course participants' 'csv-Import')", language="de", separator=";", encoding="cp1252",
        documented_as="header row",
        where="the vendor's wiki 'NutzerImport' (wiki.trainex44.de, the revision of 9 May 2012): 'In der ersten"
              " Zeile stehen 5 beliebige Überschriften, z.B. Mail,Geschlecht, NName, VName und KNr'; column A 'eine"
              " oder keine E-Mail-Adresse', B the sex as 'Frau' or 'Herr', C the family name, D the given name, E"
              " (optional) 'die Kundennummer oder MatrikelNummer'; 'Das Excel ist im Format CSV abzuspeichern'."
              " The example's names taken as the header; a German Excel's 'CSV (Trennzeichen-getrennt)': ';',"
              " code page 1252, CRLF",
        header=["Mail", "Geschlecht", "NName", "VName", "KNr"]),
    "sacoche_eleves": dict(
        source="SACoche (French competency-based assessment platform: 'Import d'utilisateurs avec un tableur',"
               " the pupils)", language="fr", separator=";", encoding="utf-8", documented_as="header row",
        where="the project's documentation 'Import d'utilisateurs avec un tableur' (sacoche.sesamath.net,"
              " page documentation__support_administrateur__import_users_tableur): columns A to H 'numéro genre nom"
              " prenom date naiss. courriel classe groupes' with rows like 'ele_534;F;LAFERMETURET;Claire;"
              "29/05/2002;moi@domaine.fr;3E C;3latin|ODP': the family name in capitals, genre '1', 'G', 'M' or"
              " 'M.' for a boy, '2', 'F' or 'MME' for a girl, or empty, groups joined by '|'. The sheet saved as"
              " CSV by a French spreadsheet: ';', UTF-8 without a signature and CRLF taken",
        header=["numéro", "genre", "nom", "prenom", "date naiss.", "courriel", "classe", "groupes"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: ReadyRule (the roster columns break off after the first parent), Cirrus Group's family import"
    " sheet (its child tab breaks off), parent.cloud (columns only described), KidKare (the template is a"
    " download), LearnWorlds (Username, Email and custom fields only), Thinkific, Teachable, TalentLMS (nothing"
    " stored with a column list)",
    "Spanish: Danze (one column given only in Spanish words, the guardian's columns not named), Innovamat and"
    " Clickedu (the pupils' columns cut off or in a download)",
    "French: Zeus (sio2.be: the stored copy breaks off at 'courriel'), evaluation21 (the column table not"
    " stored)",
    "German: Bundesjugendspiele's evaluation tool (sports results, not a contact list), mnspro Cloud (the columns"
    " only in a picture), elsen-online's Sprachstand (fields mapped by hand)",
    "Polish and Czech: SIO (identifiers only: PESEL, card numbers), a kindergarten enrolment app (only 'Jméno,"
    " Příjmení, Narození' as a minimum)",
]
