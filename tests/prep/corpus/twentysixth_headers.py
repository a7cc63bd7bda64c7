"""Headers of the twenty-sixth held-out set (tests/prep/corpus/twentysixth):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, nor in sixth_headers.py to
twentyfifth_headers.py, nor layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in a sample file, or a program that
reads or writes the file spells it out; "field list": it lists the names in
this order) and where.

Nothing here is made up: each row is known from a program that reads or
writes the file, named by its stored file id. Where the separator, encoding
or line end is the export's setting rather than a fixed property, or the
source does not show it, the note says so.
"""

SOURCES = {
    "prijimacky_uchadzaci": dict(
        source="a Slovak faculty's admission test list (the applicants of one test day as the admissions office"
               " exports them, read by a test-sheet scanning app)", language="sk", separator=";",
        encoding="utf-8", documented_as="header row",
        where="the scanning app's CSV import (stored file id 57530318164), ImportStudentsFromFullCSV: 'the full"
              " 11-column export format (Por.;Priezvisko;Meno;Narodenie;Reg. č.;E-mail;Termín;Čas;Dátum;"
              "Miestnosť;Program)', read with ';' and lazy quotes, the birth date day first with or without"
              " leading zeros and with spaces around the dots ('30. 01. 2007'), the registration number with a"
              " '/' ('2026/014'), the room cut to five letters; the encoding is not named (UTF-8 taken, a Go"
              " string), nor the line end (CRLF taken, a spreadsheet's)",
        header=["Por.", "Priezvisko", "Meno", "Narodenie", "Reg. č.", "E-mail", "Termín", "Čas", "Dátum",
                "Miestnosť", "Program"]),
    "praxisakte_export": dict(
        source="PraxisAkte (a German therapy practice's records: its CSV export of treatments with the patients'"
               " data, read by the practice's billing helper)", language="de", separator=";",
        encoding="utf-8", documented_as="header row",
        where="the billing helper's test 'PraxisAkte-CSV-Export' (stored file id 68943087023): the signature"
              " '\\uFEFF', then 'Patienten-Nr.;Nachname;Vorname;Geburtsdatum;Straße;PLZ;Ort;E-Mail;Telefon;"
              "Rechnungsempfänger abweichend;Abweichender Empfänger;Datum;Leistung;Menge;Abrechnungsabschnitt;"
              "Therapeut;Bemerkung', rows joined by '\\r\\n', one row per treatment with the patient's data"
              " repeated, dates dd.MM.yyyy, 'ja'/'nein', the other recipient as 'Mustermann, Erika, Am Käppele"
              " 15, 88487 Walpertshofen' (quoted), a remark with ';' quoted, the quantity with a point",
        header=["Patienten-Nr.", "Nachname", "Vorname", "Geburtsdatum", "Straße", "PLZ", "Ort", "E-Mail", "Telefon",
                "Rechnungsempfänger abweichend", "Abweichender Empfänger", "Datum", "Leistung", "Menge",
                "Abrechnungsabschnitt", "Therapeut", "Bemerkung"]),
    "ksiazka_adresowa": dict(
        source="a Polish company intranet's address book (its contacts' CSV import, as exported from the firm's"
               " directory)", language="pl", separator=";", encoding="utf-8", documented_as="header row",
        where="the address book's import handler test (stored file id 2002910805): 'Imię;Nazwisko;Dział;Telefon"
              " służbowy;Telefon komórkowy;Adres e-mail;Nazwa wyświetlana;Stanowisko;Lokalizacja' with the row"
              " '\"John\";\"Doe\";\"IT\";\"+48123456789\";\"+48987654321\";\"john.doe@example.com\";\"John Doe"
              " - Tech Corp\";\"Developer\";\"Warsaw\"' (every cell quoted, empty ones as '\"\"'; the firm taken"
              " from the display name after ' - ': 'ExtractsCompanyFromDisplayName'); its validator's test (stored"
              " file id 1626604238) has the same header; the encoding and line end are not shown (UTF-8 and CRLF"
              " taken)",
        header=["Imię", "Nazwisko", "Dział", "Telefon służbowy", "Telefon komórkowy", "Adres e-mail",
                "Nazwa wyświetlana", "Stanowisko", "Lokalizacja"]),
    "oddil_adresar": dict(
        source="a Czech orienteering club's members' site ('members', its directory export 'Export adresáře')",
        language="cs", separator=";", encoding="cp1250", documented_as="header row",
        where="the site's export (arnost00/members, members/export_directory_exc.php, stored file id 38326366571,"
              " the form in members/export_directory.php): the header written as 'příjmeni;jméno;datum narození;"
              "reg;email;adresa;mesto;psc;tel.domů;tel.práce; tel.mobilní;si.čip;licence OB;licence MTBO;licence"
              " LOB;' (so spelt, with the blank before 'tel.mobilní' and a ';' at the end; the stored copy shows"
              " the code page 1250 letters as Latin-1: 'pøíjmeni', 'domù', 'èip'), then per member the cells"
              " each followed by the separator, by default ';' (or a tab), quoted (by default) and with an"
              " apostrophe before a numeric value (by default), the birth date as dd.mm.yyyy (SQLDate2String),"
              " the registration as the club's code and number; rows end with '\\n' and an empty line follows"
              " the last; the site's pages are in code page 1250",
        header=["příjmeni", "jméno", "datum narození", "reg", "email", "adresa", "mesto", "psc", "tel.domů",
                "tel.práce", " tel.mobilní", "si.čip", "licence OB", "licence MTBO", "licence LOB", ""]),
    "gottesdienst_besucher": dict(
        source="a German parish's registration site for church services (the visitors of one service,"
               " 'gottesdienstbesucher.csv')", language="de", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the site's export (Byggvir/ev-anmeldung, html/export/event-visitors.php, stored file id"
              " 47392932733): the header as the first row of the query, 'Nr', 'Name', 'Vorname', 'Straße', 'PLZ',"
              " 'Ort', 'Telefon', 'E-Mail', 'Bestätigt', then the tickets' contacts ordered by name with a running"
              " number and the confirmation flag; written by PHP's fputcsv (html/lib/db.php, stored file id"
              " 47260242827: ',' and '\"', a cell quoted where it holds a blank or a sign, '\\n' after each row),"
              " sent as 'text/csv; charset=utf-8'",
        header=["Nr", "Name", "Vorname", "Straße", "PLZ", "Ort", "Telefon", "E-Mail", "Bestätigt"]),
    "membri_asociatie": dict(
        source="a Romanian retired officers' association's member register (its members' CSV export, every"
               " field chosen)", language="ro", separator=",", encoding="utf-8", documented_as="field list",
        where="the register's export module (stored file id 35629849005): EXPORT_FIELDS 'ID Membru', 'Nume'"
              " (the member's firstName), 'Prenume' (lastName), 'Vârstă', 'Data Nașterii', 'CNP', 'Grad', 'UM',"
              " 'Profil Principal', 'Status', 'An Înscriere', 'An Pensionare', 'Proveniență', 'Telefon', 'Email',"
              " 'Adresă' in this order, the labels joined by ',' as the header; a cell with ',', '\"' or a line"
              " break quoted with its quotes doubled; the birth date as dd.MM.yyyy; rows joined by '\\n', none"
              " after the last; a Blob 'text/csv;charset=utf-8' (UTF-8, no signature); sorted by lastName, then"
              " firstName",
        header=["ID Membru", "Nume", "Prenume", "Vârstă", "Data Nașterii", "CNP", "Grad", "UM", "Profil Principal",
                "Status", "An Înscriere", "An Pensionare", "Proveniență", "Telefon", "Email", "Adresă"]),
    "gls_csomagok": dict(
        source="a Hungarian webshop's cart (its shipping export for GLS, 'export_gls.csv')", language="hu",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the cart's ShipExportDriver (stored file id 5126798544), scheme 'gls': 'Összeg;Név;Ország;Irsz;"
              "Város;Utca/Hsz;Megjegyzés;Telefon;Email;Rendelésazonosító;Szolgaltatasok;Utánvét', then per order"
              " the amount, the name, 'HU', postal code, town, street name, its kind, house number, floor and"
              " door joined by blanks, the note, phone, mailbox, order number and two empty cells, joined by ';'"
              " unquoted with '\\n' after each row; the response is the shop's text (UTF-8)",
        header=["Összeg", "Név", "Ország", "Irsz", "Város", "Utca/Hsz", "Megjegyzés", "Telefon", "Email",
                "Rendelésazonosító", "Szolgaltatasok", "Utánvét"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Hungarian: Számlázz.hu's partner list and MyGLS's parcel import (no stored column list; the Számlázz.hu"
    " invoice import is in twentythird_headers.py), a school's attendance export (no contact columns)",
    "Polish: BaseLinker's and Allegro's order exports (only API field names stored), a guest house's bookings"
    " (Mobile Calendar, used already)",
    "Romanian: a SAGA payroll list (CNP, names, contract and salary: no contact columns), WinMENTOR's staff list"
    " (used already in a NOT_FOUND list)",
    "Slovene: a radio club's member app (its exports are Excel workbooks, no CSV)",
    "German: Gambio's customer data (the manual shows the input form's fields, not an export's columns)",
    "Croatian and Slovene: staff and user lists ('ime;prezime;rola', a staff table already used): no contact"
    " columns or used already",
]
