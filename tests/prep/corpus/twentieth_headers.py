"""Headers of the twentieth held-out set (tests/prep/corpus/twentieth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to
eighteenth_headers.py nor layouts_test.py, nor in their NOT_FOUND lists. The
set is made of form tools' response sheets, public lists of bodies with
their contact columns, and spreadsheets kept by hand for a club, a school
project or a parcel run. The entries are as in headers.py: source, language
of the columns' names, separator and encoding of the export, how the header
is documented ("header row": the source shows the row itself, in its help,
in a sample file, or a program that reads or writes the file spells it out;
"field list": it lists the names in this order) and where.

Nothing here is made up: each row is known from a published list or from a
program that reads or writes the file, named by its stored file. Where the
separator, encoding or line end is not shown, the note says what was taken
and why.
"""

SOURCES = {
    "prihlasky": dict(
        source="Google Forms, Czech interface (a live-action game's registration form: the responses sheet"
               " downloaded as CSV)", language="cs", separator=",", encoding="utf-8", documented_as="header row",
        where="a game organisers' app that reads the download, its test (stored file id 70743394056):"
              " 'Invented answers in the shape Google Forms exports them': '\"Časová značka\",\"E-mailová adresa\","
              "\"Jméno a příjmení\",\"Datum narození\",\"Máš nějaké alergie nebo dietní omezení?\",\"Kontakt v"
              " případě nouze (jméno a telefon)\"' with rows '\"2027/03/01 10:00:00\",\"hana@example.test\",\"Hana"
              " Hráčka\",\"1.1.1999\",\"bez lepku\",\"Matka, 600 000 001\"': every cell quoted, rows joined by"
              " '\\r\\n'; UTF-8 without a signature (Google's download)",
        header=["Časová značka", "E-mailová adresa", "Jméno a příjmení", "Datum narození",
                "Máš nějaké alergie nebo dietní omezení?", "Kontakt v případě nouze (jméno a telefon)"]),
    "lekarny": dict(
        source="SÚKL, Seznam lékáren (the Czech medicines agency's open-data list of pharmacies,"
               " lekarny_seznam.csv of the monthly ZIP)", language="cs", separator=";", encoding="cp1250",
        documented_as="field list",
        where="an open-data survey's note on the list (stored file id 71052770372): 'ZIP of 3 CSV files"
              " (';'-separated, cp1250): lekarny_seznam.csv, ...', 'Columns: NAZEV, KOD_PRACOVISTE (11-digit ...),"
              " KOD_LEKARNY, ICZ, ICO, MESTO, ULICE, PSC, head pharmacist (name ...), WWW, EMAIL, TELEFON, ERP,"
              " TYP_LEKARNY, ZASILKOVY_PRODEJ (mail order ...), POHOTOVOST (emergency service ...)', ULICE"
              " 'street č.p./č.o.'; the head pharmacist's columns named as a viewer of the file names them"
              " (stored file id 100408355): LEKARNIK_PRIJMENI, LEKARNIK_JMENO (their order taken); a map's"
              " loader (stored file id 41604462267) splits EMAIL, TELEFON and WWW at ',' (several in one cell);"
              " a reader opens it with encoding='windows-1250' and delimiter=';' (stored file id 53460551326);"
              " CRLF taken (a Windows export)",
        header=["NAZEV", "KOD_PRACOVISTE", "KOD_LEKARNY", "ICZ", "ICO", "MESTO", "ULICE", "PSC",
                "LEKARNIK_PRIJMENI", "LEKARNIK_JMENO", "WWW", "EMAIL", "TELEFON", "ERP", "TYP_LEKARNY",
                "ZASILKOVY_PRODEJ", "POHOTOVOST"]),
    "skoly_kontakty": dict(
        source="a Czech schools' programme register (the schools taking part, with their contact person:"
               " its CSV export)", language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the register's export handler (stored file id 55077521709): output.write('Název"
              " školy;Město;Email;Kontaktní osoba;Telefon;Status;Datum registrace\\n'), each row written with"
              " f'{row[0]};{row[1] or ''};...' (no quoting), a school without a contact (LEFT JOIN) with its"
              " contact's cells empty, the date as '%d.%m.%Y'; UTF-8 without a signature, LF",
        header=["Název školy", "Město", "Email", "Kontaktní osoba", "Telefon", "Status", "Datum registrace"]),
    "gemeinden": dict(
        source="a public list of Austria's municipalities with their web pages and mailboxes (after"
               " Statistik Austria's municipality codes)", language="de", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the list's CSV (bresu/oe_gemeinden, gemeinden_CSV.csv, stored file id 21727152614):"
              " 'Gemeindekennziffer;Gemeindename;Postleitzahl;urls;mail' with rows such as"
              " '10304;Hornstein;2491 7053;http://www.hornstein.at;post@hornstein.bgld.gv.at' (several postal"
              " codes in one cell), '10827;Weingraben;7374;none;none' ('none' where nothing was found) and"
              " '10408;Kukmirn;7543;...;\"\"\"post@kukmirn.bgld.gv.at\"' (a stray quote before the mailbox); the"
              " README: 'Formate: .csv (UTF-8)'; LF taken (a Python scraper's file)",
        header=["Gemeindekennziffer", "Gemeindename", "Postleitzahl", "urls", "mail"]),
    "clanovi": dict(
        source="a gym's member list kept as a sheet for a renewal reminder app ('the same minimum CSV a client"
               " would provide')", language="hr", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's demo data and its test (stored file ids 70948397958 and 70894616853): ['Ime i"
              " prezime;Telefon;Cijena;Datum isteka', ...rows].join('\\n') with rows such as 'Tamara"
              " Mugoša;+382 67 608 339;35;<ISO date>' (the app is Montenegrin; the four names are the same words"
              " in Croatian); rows joined by '\\n' with none after the last; UTF-8 taken (JavaScript's text)",
        header=["Ime i prezime", "Telefon", "Cijena", "Datum isteka"]),
    "rendelesek": dict(
        source="a pizzeria's order sheet in Google Sheets, Hungarian (filled by its web form through Apps"
               " Script, downloaded as CSV)", language="hu", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the sheet's Apps Script (stored file id 68375773460): appendRow([\"Időbélyeg\", \"Név\","
              " \"Telefonszám\", \"Pizzák\", \"Megjegyzés\", \"Státusz\", \"Végösszeg (€)\", \"Nyelv\"]), each"
              " order written as [timestamp, data.name, \"'\" + phone, data.pizza, notes (a time such as '20:00'"
              " kept as text), data.status || \"Új\", total, data.lang || \"hu\"], customers from Hungary and"
              " Slovakia ('hu' or 'sk'); the download is Google Sheets' CSV (',' , cells quoted only where"
              " needed, UTF-8 without a signature; CRLF taken), the times and amounts as the Hungarian sheet"
              " shows them",
        header=["Időbélyeg", "Név", "Telefonszám", "Pizzák", "Megjegyzés", "Státusz", "Végösszeg (€)", "Nyelv"]),
    "posiljke": dict(
        source="a Slovene web shop's orders written into Pošta Slovenije's parcel sheet (posta.csv, for the"
               " post's bulk entry)", language="sl", separator=";", encoding="cp1250", documented_as="header row",
        where="the shop's script that writes it (stored file id 129502495): 'Tip posiljke;;Ime in Priimek;;"
              "Naslov;Poštna številka;Mesto;Država;Telefon;Email;;Opomba;;Plačilo;Znesek;;;;;Sklic ;;;;' (24"
              " columns, nine without a name, 'Sklic ' with a space), each row tip;;Name Surname;Company;"
              "Address;PostCode;City;country's name;Phone;Email;;Address2;;'ODKBN' and the amount with a"
              " decimal comma for cash on delivery;;;;;InvoiceID;;;; (the company under the nameless fourth"
              " column, the second address line under 'Opomba'), the type '109' at home and '302' abroad;"
              " iconv to Windows-1250; PHP_EOL (LF, a Linux server)",
        header=["Tip posiljke", "", "Ime in Priimek", "", "Naslov", "Poštna številka", "Mesto", "Država",
                "Telefon", "Email", "", "Opomba", "", "Plačilo", "Znesek", "", "", "", "", "Sklic ", "", "", "",
                ""]),
    "accessions": dict(
        source="Microsoft Forms (a university library's 'New Accession Intake Form': the responses sheet saved"
               " as CSV)", language="en", separator=",", encoding="cp1252", documented_as="header row",
        where="the library's script that reads the file 'New Accession Intake Form copy.csv' (stored file id"
              " 33291595823): usecols = [\"ID\",\"Start time\",\"Completion time\",\"Email\",\"Name\",\"Collection"
              " name:\",\"New or addition?\",\"Donor or vendor name:\",\"Date of donation/purchase:\",\"Creator (if"
              " different from donor):\",\"Estimated creation dates:\",\"Descriptive summary of content:\","
              "\"Estimated physical extent (linear feet):\",\"Estimated digital extent (MB):\",\"Number and type of"
              " containers (e.g. 2 record storage boxes):\",\"Legal restrictions or donor restrictions specified in"
              " the gift agreement?\",\"Preservation concerns?\",\"Please select gift agreement (or invoice)"
              " status:\",\"Optional: attach gift agreement or invoice here\",\"Have the materials been delivered"
              " to Knight Library?\",\"Where is the collection currently located? (Room 38, Room 303, mailbox,"
              " etc)\",\"Collection identifier (e.g. Coll 100, for additions only):\"], the first five as Microsoft"
              " Forms' own columns (other scripts read the same five: stored file ids 46744706121, 43586797615);"
              " Forms gives an Excel book, saved by Excel as 'CSV (Comma delimited)': code page 1252, CRLF",
        header=["ID", "Start time", "Completion time", "Email", "Name", "Collection name:", "New or addition?",
                "Donor or vendor name:", "Date of donation/purchase:", "Creator (if different from donor):",
                "Estimated creation dates:", "Descriptive summary of content:",
                "Estimated physical extent (linear feet):", "Estimated digital extent (MB):",
                "Number and type of containers (e.g. 2 record storage boxes):",
                "Legal restrictions or donor restrictions specified in the gift agreement?",
                "Preservation concerns?", "Please select gift agreement (or invoice) status:",
                "Optional: attach gift agreement or invoice here",
                "Have the materials been delivered to Knight Library?",
                "Where is the collection currently located? (Room 38, Room 303, mailbox, etc)",
                "Collection identifier (e.g. Coll 100, for additions only):"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Spreadsheet templates for contact lists (Vertex42, Microsoft Create, Smartsheet, Google Sheets' gallery):"
    " their column lists are not in the stored pages",
    "Typeform and Jotform response downloads: only their APIs' answer objects, no file's columns (one Jotform"
    " header seen is a class's grade sheet: name and score, no contact columns)",
    "Google Forms downloads in German, Hungarian, Slovak, Slovene, Croatian and Romanian with contact columns:"
    " the timestamp's column name appears ('Időbélyeg', 'Časová pečiatka', 'Vremenska oznaka', 'Marcaj de"
    " timp') but in logs and interfaces, not in a responses sheet; a Polish one ('Sygnatura czasowa', 'Adres"
    " e-mail') is a field study's sheet whose other columns are not shown",
    "Czech school directory (the ministry's 'Adresář škol', read by an R package as XLS: its columns not"
    " shown), Slovak school lists, Austrian and German school lists (JSON or map layers, no CSV columns)",
    "A Slovene contacts table of a mail filter ('Ime in priimek;Naslov;Mail;Datum rojstva;Kraj rojstva': a"
    " table on screen, not a file)",
]
