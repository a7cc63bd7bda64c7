"""Headers of the fifteenth held-out set (tests/prep/corpus/fifteenth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py, ninth_headers.py, tenth_headers.py, eleventh_headers.py,
twelfth_headers.py, thirteenth_headers.py, fourteenth_headers.py nor
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself, in its help, in a sample file, or a program that reads or writes
the file spells it out; "field list": it lists the names in this order) and
where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the export's setting rather than a fixed property, or the source
does not show it, the note says so too. Most rows are known from a program
that reads or writes the file, or from its own help page stored in its
repository; the note names the stored file.
"""

SOURCES = {
    "pls_pacienti": dict(
        source="an occupational health practice's system, module PLS (the stapro-galen help wiki: its 'Import"
               " pacientů PLS', the firms' employees as patients)", language="cs", separator=";", encoding="cp1250",
        documented_as="header row",
        where="the vendor's help page 'Import pacientů PLS' (stapro-galen.atlassian.net/wiki/spaces/fg/pages/"
              "435617798) as stored in a repository (stored file id 61839680278): 'Vzor souboru — Pouze doplňení"
              " (25 sloupců)': 'IČO;Pobočka název;Příjmení;Jméno;Pohlaví;Datum narození RČ;RČ;stávající skupina"
              " PLS;Nová Skupina PLS;Pozice;Zaměstnán od;Zaměstnán do;Výsledek poslední prohlídky;Datum platnosti"
              " posudku;Osobní číslo;Středisko;Mobil;e-Mail;Ulice;Č. popisné;Č. orientační;PSČ;Obec;Pozastaveno;"
              "Hodnost', with sample rows whose address and contact columns are empty; dates dd.MM.yyyy, the birth"
              " number without its slash; 'Ulož v kódování Windows-1250. V Excelu: Uložit jako → CSV (MS-DOS)'"
              " (code page 1250, ';' and CRLF as that Excel writes them)",
        header=["IČO", "Pobočka název", "Příjmení", "Jméno", "Pohlaví", "Datum narození RČ", "RČ",
                "stávající skupina PLS", "Nová Skupina PLS", "Pozice", "Zaměstnán od", "Zaměstnán do",
                "Výsledek poslední prohlídky", "Datum platnosti posudku", "Osobní číslo", "Středisko", "Mobil",
                "e-Mail", "Ulice", "Č. popisné", "Č. orientační", "PSČ", "Obec", "Pozastaveno", "Hodnost"]),
    "pracanti": dict(
        source="a Czech summer work camp's web app (its workers' CSV export, 'pracanti-<date>.csv')",
        language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's export handler (stored file id 53432368972): 'Příjmení;Jméno;Datum narození;Email;"
              "Telefon', a cell with ';', '\"' or a line break quoted with its quotes doubled, the birth date as"
              " dd.MM.yyyy, the signature '\\uFEFF' in front, rows joined by '\\r\\n' and one after the last",
        header=["Příjmení", "Jméno", "Datum narození", "Email", "Telefon"]),
    "skola_uzivatele": dict(
        source="a Czech school's administration app (its users' CSV export: teachers and staff)", language="cs",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the app's school service (stored file id 57392404292), exportUsersCSV: 'Příjmení;Jméno;Email;Role;"
              "Status;Úvazek;Poslední přihlášení;Datum vytvoření', the fields joined with ';' unquoted, the"
              " workload a number or empty, the last login and the creation as ISO times (toISOString), rows"
              " joined by '\\n' with none after the last; no signature is written",
        header=["Příjmení", "Jméno", "Email", "Role", "Status", "Úvazek", "Poslední přihlášení", "Datum vytvoření"]),
    "oe_prihlasky": dict(
        source="SportSoftware OE2010 (orienteering event software, Czech interface: the entries' CSV, OE0001)",
        language="cs", separator=";", encoding="cp1250", documented_as="header row",
        where="a Czech club's helper that reads the file (stored file id 49412977698), its comment on OE0001:"
              " 'OE0001;StČí;Xčís.;Číslo čipu;Id databáze;Příjmení;Jméno (křest.);RN;S;Blok;ms;Start;Cíl;Čas;"
              "Klasifikace;Kredit -;Penalizace +;Komentář;Č. oddílu;Název oddílu;Město;Stát;Místo;Zkratka;Kat. č.;"
              "Krátký;Dlouhý;Kat. č.;Kat. (krátká);Kat. (dlouhá);Ranking;Rankingové body;Num1;Num2;Num3;Text1;"
              "Text2;Text3;Příjmení;Jméno;Ulice;2.řádek;PSČ;Město;Tel;Mobil;Fax;E-mail;Půjčeno;Vklady;Placeno;"
              "Družstvo;Číslo tratě;Trať;km;m;Kontroly tratě', with two sample rows: texts quoted, numbers not,"
              " the club's whole name under the first 'Město' and its code under 'Zkratka', the entry fee"
              " '\"120,00\"'; the names 'Příjmení', 'Jméno', 'Kat. č.' and 'Město' twice; the encoding is a Czech"
              " Windows program's (code page 1250, CRLF)",
        header=["OE0001", "StČí", "Xčís.", "Číslo čipu", "Id databáze", "Příjmení", "Jméno (křest.)", "RN", "S",
                "Blok", "ms", "Start", "Cíl", "Čas", "Klasifikace", "Kredit -", "Penalizace +", "Komentář",
                "Č. oddílu", "Název oddílu", "Město", "Stát", "Místo", "Zkratka", "Kat. č.", "Krátký", "Dlouhý",
                "Kat. č.", "Kat. (krátká)", "Kat. (dlouhá)", "Ranking", "Rankingové body", "Num1", "Num2", "Num3",
                "Text1", "Text2", "Text3", "Příjmení", "Jméno", "Ulice", "2.řádek", "PSČ", "Město", "Tel", "Mobil",
                "Fax", "E-mail", "Půjčeno", "Vklady", "Placeno", "Družstvo", "Číslo tratě", "Trať", "km", "m",
                "Kontroly tratě"]),
    "sedziowie": dict(
        source="a Polish dance competition's results program (its judges' and scrutineers' list, 'Judges <part>"
               " <category>.csv')", language="pl", separator=";", encoding="cp1250", documented_as="header row",
        where="the program's SaveJudge2CSV (stored file id 12089903112): the file name converted to CP1250,"
              " writeLine('Symbol;Nazwisko;Imię;Miejscowość;Kraj;Id;Kategoria'), the head judge's symbol"
              " 'Główny', the others 'A', 'B', ...; then the scrutineers numbered 1, 2, ...; an empty seat"
              " written as its symbol and ';;;;;'; the country 'Polska' where none is kept; the program reads"
              " such files with explode(';') and converts them from CP1250; the line end is the FileCSV class's,"
              " not shown (CRLF taken: the files go to a Windows scoring program)",
        header=["Symbol", "Nazwisko", "Imię", "Miejscowość", "Kraj", "Id", "Kategoria"]),
    "pracownicy_bpp": dict(
        source="BPP (a Polish university's bibliography of its staff's publications: the staff import)",
        language="pl", separator=";", encoding="utf-8", documented_as="header row",
        where="the import's test (stored file id 55682175948), test_naglowki_i_probka: 'Nazwisko;Imię;Nazwa"
              " jednostki\\nKowalski;Jan;Katedra\\nNowak;Ewa;Zakład\\n' encoded as UTF-8 (no signature, LF);"
              " the form's optional 'stanowisko' and the rest are not in that file, so the list ends there",
        header=["Nazwisko", "Imię", "Nazwa jednostki"]),
    "zencart_kundendaten": dict(
        source="Zen Cart, German edition (an e-shop: the add-on 'Kundendatenexport', customer data as CSV)",
        language="de", separator=",", encoding="utf-8", documented_as="field list",
        where="the add-on's German language file (zencartpro/zencart-german-grundsystem, zc139_addon/"
              "export_customerdata_csv/.../german/extra_definitions/export_customerdata.php): 'Exportiert werden:"
              " Vorname, Nachname, Emailadresse, Firma, Strasse, Adresszeile 2, Postleitzahl, Ort,"
              " Telefonnummer', the file 'kundendaten.csv', to be opened in Excel as 'Unicode (UTF-8)' with"
              " 'Trennzeichen: Komma' (UTF-8 without a signature, ','); the line end is not named (CRLF taken)",
        header=["Vorname", "Nachname", "Emailadresse", "Firma", "Strasse", "Adresszeile 2", "Postleitzahl", "Ort",
                "Telefonnummer"]),
    "oscmax_kunden": dict(
        source="osCmax (an osCommerce e-shop, German admin: 'Customer Export')", language="de", separator=";",
        encoding="latin-1", documented_as="field list",
        where="the German language file of the export (theozsnowman/oscmax2, catalog/admin/includes/languages/"
              "german/customer_export.php): ID, Vorname, Nachname, E-Mail, Newsletter, Geschlecht, Geburtstag,"
              " Firma, Straße (the stored copy has lost the 'ß' byte: 'Strae', a file in ISO-8859-1), PLZ, Ort,"
              " Bundesland, Ortsteil, Land, Telefon, Fax, and 'Trennzeichen:' (the separator is the user's"
              " choice: ';' taken); the shop's German files are ISO-8859-1, so is the export; CRLF taken",
        header=["ID", "Vorname", "Nachname", "E-Mail", "Newsletter", "Geschlecht", "Geburtstag", "Firma", "Straße",
                "PLZ", "Ort", "Bundesland", "Ortsteil", "Land", "Telefon", "Fax"]),
    "atomic_crm_contacts": dict(
        source="Atomic CRM (marmelab's open CRM: contacts, as its import sample and export lay them out)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the CRM's own documentation, 'Importing And Exporting Data': 'An example of the expected CSV file"
              " is available in the contact import modal: first_name,last_name,gender,title,background,"
              "first_seen,last_seen,has_newsletter,status,tags,linkedin_url,company,email_work,email_home,"
              "email_other,phone_work,phone_home,phone_other' with 'John,Doe,male,Sales Executive,,2024-07-01T00:"
              "00:00+00:00,...,false,...'; ',' and UTF-8 (no signature); the line end is not shown (LF taken)",
        header=["first_name", "last_name", "gender", "title", "background", "first_seen", "last_seen",
                "has_newsletter", "status", "tags", "linkedin_url", "company", "email_work", "email_home",
                "email_other", "phone_work", "phone_home", "phone_other"]),
    "mrets_contacts": dict(
        source="M-RETS (a renewable energy certificate tracking system: account contacts)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="its operating procedures' contacts data dictionary (mrets/operating_procedures,"
              " contacts-data-dictionary.md): Contact Name, Job Title, Email, Phone, Fax, Website ('Website of"
              " contact's organization'), Street Address, Street Address Line 2, City, State/Province, Postal"
              " Code, Country, in this order, the names as the export's labels; ',' and UTF-8, CRLF (that"
              " setting)",
        header=["Contact Name", "Job Title", "Email", "Phone", "Fax", "Website", "Street Address",
                "Street Address Line 2", "City", "State/Province", "Postal Code", "Country"]),
    "crmhub_contacts": dict(
        source="CRMHub (a .NET CRM hub over several CRMs: its contacts' export)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the export's class (nigampattahyd/MVCFramework, CRMHub/ExtendedProperties/ExportContact.cs):"
              " ContactId, ContactName, Title, Account_Name, Phone, Mobile, Email, MailingZip, CreatedDate, in"
              " this order, the property names as the columns; ',' and UTF-8 with CRLF (that setting)",
        header=["ContactId", "ContactName", "Title", "Account_Name", "Phone", "Mobile", "Email", "MailingZip",
                "CreatedDate"]),
    "salescrm_contacts": dict(
        source="Andersen Sales.CRM (an outsourcing firm's sales CRM: the contacts report of its database tools)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the report's row class (Andersen-soft/Sales.CRM, Backend/src/main/java/com/andersenlab/crm/dbtools/"
              "dto/ContactReport.java):"
              " firstName, lastName, company, position, email, skype, socialNetwork, socialNetworkUser, phone,"
              " personalEmail, country, sex, mainContact, sales, sources, dateOfBirth, in this order, the field"
              " names as the columns; ',' and UTF-8 with CRLF (that setting)",
        header=["firstName", "lastName", "company", "position", "email", "skype", "socialNetwork",
                "socialNetworkUser", "phone", "personalEmail", "country", "sex", "mainContact", "sales", "sources",
                "dateOfBirth"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Hungarian: a school media studio's user import (the same FTV app as thirteenth_headers.py's), attendance and"
    " workwear exports (no contact columns besides the name)",
    "Polish: a staff rota export (names, PESEL, shifts: no contact columns), athletics results (PZLA: names,"
    " birth dates and clubs only), the dance program's couples list (two people a row: left for another set)",
    "Czech: a team app's CSV for members ('Příjmení;Jméno;Klub;Role;Licence': licences, no contact columns), a"
    " cycling race's registrations (written as an HTML page, not a file)",
    "English warehouse tables: Close, Help Scout (the stored copies of Fivetran's pages break off before the"
    " contact table's names), Microsoft Dynamics 365 (already in earlier lists)",
    "Phone apps: a simple Android contacts app with a CSV export (its writing code is not stored)",
]
