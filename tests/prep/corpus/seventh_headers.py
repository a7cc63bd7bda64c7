"""Headers of the seventh held-out set (tests/prep/corpus/seventh): none of
these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py nor layouts_test.py, nor
in their NOT_FOUND lists. The entries are as in headers.py: source, language
of the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "churchcrm_people": dict(
        source="ChurchCRM (church membership: people from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="github.com/ChurchCRM/CRM/wiki/Data-Import: 'The list of possible fields that ChurchCRM will import'"
              " Title, First Name, Middle Name, Last Name, Suffix, Gender, Donation Envelope, Address1, Address2,"
              " City, State, Zip, Country, Home Phone, Work Phone, Mobile Phone, Work/Other Email, Birth Date,"
              " Membership Date, Wedding Date, in this order; dates YYYY-MM-DD, MM-DD-YYYY or DD-MM-YYYY; the"
              " columns are matched at import, so the list's names are the header here",
        header=["Title", "First Name", "Middle Name", "Last Name", "Suffix", "Gender", "Donation Envelope",
                "Address1", "Address2", "City", "State", "Zip", "Country", "Home Phone", "Work Phone", "Mobile Phone",
                "Work/Other Email", "Birth Date", "Membership Date", "Wedding Date"]),
    "linear_mitglieder": dict(
        source="Linear Vereinsverwaltung (German club software: members' master data import)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="support.linear-software.de/926856 ('Welche Daten können in die Mitgliederverwaltung importiert"
              " werden'): the overview of importable member data, alphabetical, Abteilungszugehörigkeit ('bis zu"
              " zehn Abteilungen') ... Zahlungsweise; no street and no e-mail among them; the entry 'Abweichende"
              " Kontoinhaber mit Namen, Adresse und E-Mail-Kontakt' names several fields at once and is left out;"
              " the overview's names in its order are the header; ';' and code page 1252 as a German Excel saves"
              " CSV (that setting)",
        header=["Abteilungszugehörigkeit", "Adressnummer", "Adresszusatz", "Anrede", "Austrittsdatum",
                "Bankbezeichnung", "Beruf", "BIC", "BLZ", "Ehrungen", "Eintrittsdatum", "Erinnerungsdatum",
                "Familienstand", "Fax", "Firma", "Funktion", "Geburtsdatum", "Geschlecht", "IBAN", "Kennungen",
                "Kontonummer", "Land", "Mitgliedsnummer", "Mobiltelefon", "Nachname", "Ort", "PLZ",
                "SEPA-Mandatsreferenz", "Staatsangehörigkeit", "Status", "Telefon (privat)",
                "Telefon (geschäftlich)", "Titel", "Versandart", "Vorname", "Vorwahl", "Zahlungsart",
                "Zahlungsweise"]),
    "tiimi_address_book": dict(
        source="a hosted team service's Personal Address Book (help page at tiimi.manttavilppula.fi)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="tiimi.manttavilppula.fi/help/import.en?service=template ('Importing to the Personal Address Book'):"
              " 'Each entry in the file must follow this pattern with 11 data fields: [User name, Last name, First"
              " name, Internet Address, Description, TelephoneType1, TelephoneNumber1, Telephone Type2,"
              " TelephoneNumber2, TelephoneType3, TelephoneNumber3]' (the second type so spelt, with a blank);"
              " types 'business', 'home', 'mobile', 'pager' in lower case; commas, line feeds between entries,"
              " quotes where a value holds a comma ('Andrews, Morgan, Andrews Ltd'); the pattern has no header"
              " line, so its names are written as the header row here",
        header=["User name", "Last name", "First name", "Internet Address", "Description", "TelephoneType1",
                "TelephoneNumber1", "Telephone Type2", "TelephoneNumber2", "TelephoneType3", "TelephoneNumber3"]),
    "post_at_adresscheck": dict(
        source="Österreichische Post AdressCheck (Austrian postal service: an address file for checking)",
        language="de", separator="\t", encoding="cp1252", documented_as="field list",
        where="adressmanagement.post.at/AdressCheck/Info: 'In der ersten Zeile der Datei muss der Feldname stehen';"
              " required 'Name oder Firma, Vorname, Straße, Hausnummer, sofern sie nicht Bestandteil des Straßen-"
              " (Adress-) Feldes ist, PLZ (max. 5-stellig), Ort', then 'Kundenkennzeichen oder Kundennummer',"
              " 'Land', optional 'Anrede' (the stored copy breaks off there, so the list ends with Anrede);"
              " 'Semikolon, Tabulator' separators and Excel's 'Text (Tabstopp-getrennt)', which writes code"
              " page 1252",
        header=["Name", "Vorname", "Straße", "Hausnummer", "PLZ", "Ort", "Kundennummer", "Land", "Anrede"]),
    "deweloper_zgody": dict(
        source="DEWELOPER System (Polish software for housing developers: buyers' consents from a file)",
        language="pl", separator=";", encoding="utf-8", documented_as="field list",
        where="deweloperserwer.eu/rodo/AcceptsFromFile.aspx: 'Struktura pliku CSV: 1 kolumna: adres email, 2"
              " kolumna: Imie, 3 kolumna: Nazwisko, 4 kolumna: Telefon, 5 kolumna: Data (opcjinalnie), dalej w"
              " kolejnych kolumnach identyfikatory zgód'; ';' with a blank after it in the example"
              " ('jan.kowalski@poczta.pl; Jan; Kowalski; 601602603; 20191231; 1; 2; 3'); dates rrrrmmdd; UTF-8;"
              " 'Plik bez nagłówka', so the list's names are written as the header row here, the consents' column"
              " three times",
        header=["adres email", "Imie", "Nazwisko", "Telefon", "Data", "identyfikator zgody", "identyfikator zgody",
                "identyfikator zgody"]),
    "docnote_patients": dict(
        source="Docnote (paediatric practice software: bulk patient upload)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="help.docnote.com/en/articles/4993: 'The column headers in the file must include First Name,"
              " Surname, Health Number (10 digits), Birthdate, and E-Mail Address', names to be kept as written;"
              " 'Birthdates must follow the dd-mm-yyyy format'; the encoding is the file's setting",
        header=["First Name", "Surname", "Health Number", "Birthdate", "E-Mail Address"]),
    "smilepass_patients": dict(
        source="SmilePass (dental membership plans: existing patients from CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="smilepass.co/wiki/daily-operations/importing-patients: 'Per row, fill in: name — full name, email,"
              " phone — ... mobile, digits only, address — full street address, date of birth — ... (typically"
              " YYYY-MM-DD or DD/MM/YYYY)'; the template's own header is a download, so the list's names are"
              " the header here",
        header=["name", "email", "phone", "address", "date of birth"]),
    "peopleforce_employees": dict(
        source="PeopleForce (HR system: employees from the import template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="help.peopleforce.io/en/articles/6668099: 'Here's the list of possible fields': employee_id,"
              " first_name, middle_name, last_name, email ('Work email address'), personal_email, date_of_birth,"
              " gender, hired_on, phone_number ('Work phone number'), mobile_number ('Personal phone number'),"
              " employment_type, position ('Job title of the employee'), department, ...; the stored copy breaks"
              " off after department, so the list ends there; .csv or .xlsx",
        header=["employee_id", "first_name", "middle_name", "last_name", "email", "personal_email", "date_of_birth",
                "gender", "hired_on", "phone_number", "mobile_number", "employment_type", "position",
                "department"]),
    "personeelssysteem_employees": dict(
        source="Personeelssysteem (Dutch staff planning and payroll: employees' import file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.personeelssysteem.nl/knowledge-base/importing-employees: 'The first line of the file contains"
              " the field names': email, first_name, last_name, middle_name, date_of_birth (1985-02-16),"
              " birthplace, nationality, SSN, address, postal_code, city, iban, phone, mobile, employee_nr,"
              " department, team, contract_type, title ('contract description'), start_date, end_date,"
              " contract_hours, hourly_wage, works_on_monday ... works_on_sunday, in this order",
        header=["email", "first_name", "last_name", "middle_name", "date_of_birth", "birthplace", "nationality",
                "SSN", "address", "postal_code", "city", "iban", "phone", "mobile", "employee_nr", "department",
                "team", "contract_type", "title", "start_date", "end_date", "contract_hours", "hourly_wage",
                "works_on_monday", "works_on_tuesday", "works_on_wednesday", "works_on_thursday",
                "works_on_friday", "works_on_saturday", "works_on_sunday"]),
    "einzly_kunden": dict(
        source="einzly (Swiss accounting for the self-employed: customers from CSV)", language="de",
        separator=";", encoding="utf-8", documented_as="field list",
        where="einzly.ch/de/blog/kunden-importieren-csv-einzly: the columns firma_name ('Firmenname oder Name des"
              " Kunden'), kontakt_person ('Vorname und Nachname in einem Feld'), email, adresse_strasse,"
              " adresse_nr, adresse_plz, adresse_ort, adresse_land ('Ländercode (z.B. CH, DE, AT)'); ';' or ',',"
              " UTF-8",
        header=["firma_name", "kontakt_person", "email", "adresse_strasse", "adresse_nr", "adresse_plz",
                "adresse_ort", "adresse_land"]),
    "gleno_kunden": dict(
        source="Gleno (German field service software: customers' CSV template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="gleno.de/docs/csv-vorlagen ('CSV-Vorlage: Kunden (Import)'): first_name, last_name, company, street,"
              " zip, city, email ('erforderlich, wenn kein Telefon'), phone, notes; 'UTF-8 • Komma-Trenner •"
              " Header nicht ändern'",
        header=["first_name", "last_name", "company", "street", "zip", "city", "email", "phone", "notes"]),
    "sterling_trading_partners": dict(
        source="IBM Sterling B2B Integrator (trading partners: the BasicCustomerImport file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="ibm.com/support/knowledgecenter/SS3JSW_6.1.0/administering/administering/integrator/"
              "SI_TP_CSV_file_layout.html: 'The file layout is as follows: Tag,Company_Name,Reference_URL,"
              "DUNS_Number,Address_1,Address_2,City,State,Zip_Code,TimeZone,Country,Email_address,Phone_number',"
              " its example row 'A,RomansFloorsAndMore,www.romansfloors.com,01234567899,13 Measle Lane,2nd"
              " Floor,Powell,OH,43065,-05,US,...'",
        header=["Tag", "Company_Name", "Reference_URL", "DUNS_Number", "Address_1", "Address_2", "City", "State",
                "Zip_Code", "TimeZone", "Country", "Email_address", "Phone_number"]),
    "hiro_clientes": dict(
        source="Hiro CRM (restaurant guest CRM: customers from CSV files)", language="es",
        separator=";", encoding="utf-8", documented_as="field list",
        where="mintlify.com/David-Cabeza/hiro-crm/api/admin/import-csv: 'Supported CSV columns (auto-detected,"
              " semicolon-separated)': email, phone, código país, nombre, apellido, cumpleaños, empresa, cargo,"
              " dirección, etiquetas, in this order",
        header=["email", "phone", "código país", "nombre", "apellido", "cumpleaños", "empresa", "cargo", "dirección",
                "etiquetas"]),
    "rumbleup_contacts": dict(
        source="RumbleUp (SMS outreach: contacts uploaded as CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="rumbleup.readme.io/reference/csv-file-format: 'phone (required), name (required if first_name is"
              " not present), first_name, email, url, icon, source, notes, question, custom1: Custom fields 1-5,"
              " custom2, custom3, custom4, custom5'",
        header=["phone", "name", "first_name", "email", "url", "icon", "source", "notes", "question", "custom1",
                "custom2", "custom3", "custom4", "custom5"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs and pages), beyond the other header modules' lists.
NOT_FOUND = [
    "Help desks: Zendesk (users only through the API), Freshdesk, osTicket (columns matched to its form at"
    " import), Help Scout",
    "Marketing: CleverReach, Newsletter2Go, SALESmanago, Campaign.Plus (columns mapped at import)",
    "HR: Personio (its template is a download of attributes chosen per account), Jobka (named in"
    " final_headers.py)",
    "Clubs: WISO MeinVerein (an Excel template not listed), easyVerein, SPG-Verein (columns mapped)",
    "Hotels: Mews, OPERA Cloud (templates are downloads); Oracle Hospitality Cruise's guest master (the stored"
    " copy breaks off in the address, and Oracle's CRM is already in headers.py)",
    "Dental and medical: Dentally (screens, no file), Dentare and OdontoX (columns mapped or support-run)",
    "Post and print: adressdruck.de's standard (the stored copy breaks off before the address), Fakturia (no"
    " header row, named in blind_headers.py)",
    "Webmail and address books in Czech, Polish, Hungarian, Croatian or Romanian: no column list found",
    "Phones: Portech's GSM gateway (columns by letter only), IZT voice (the same family as Yeastar),"
    " Panasonic KX-UTG and Swyx (named in earlier lists)",
]
