"""Headers of the thirtieth held-out set (tests/prep/corpus/thirtieth): none
of these sources is in headers.py nor in any of the later *_headers.py files
(unseen_headers.py to twentyninth_headers.py), nor in layouts_test.py, nor in
their NOT_FOUND lists. Every source has its columns in German, Czech, Polish
or Hungarian: a time tracker's customer import, a B2B shop's customer import,
an accounting front end's address book, a sports club's members, a football
camp's registrations, an athletics start list, a wrestling coach's
attendance report and a garden firm's partner list. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source, or a
program that reads or writes the file, spells the row out; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is not shown, the note says which was taken and why.
"""

SOURCES = {
    "xperttimer_kunden": dict(
        source="Xpert-Timer (a German time tracking program: 'Kundenimport per .csv' of its customer list)",
        language="de", separator=";", encoding="cp1252", documented_as="header row",
        where="the program's manual (handbuchpro5.xperttimer.de/kundenimport_per__csv.htm): 'Kundennummer;"
              "Kundenname;Straße;Postleitzahl;Ort;Land;UmStID;Telefon;Fax;EMailAdresse;WWWAdresse;"
              "Mobiltelefonnummer' with rows such as '\"2001\";\"Musterkunde\";\"Musterstr.1\";\"98798\";"
              "\"Musterhausen\";\"Demoland\";\"DE546123546\";...' (every value in double quotes, an empty value"
              " as nothing between the ';'); 'Der Kundenname ist dabei das einzige Pflichtfeld'. The encoding is"
              " not named: a German Windows program's code page 1252 taken, CRLF",
        header=["Kundennummer", "Kundenname", "Straße", "Postleitzahl", "Ort", "Land", "UmStID", "Telefon", "Fax",
                "EMailAdresse", "WWWAdresse", "Mobiltelefonnummer"]),
    "osgtrade_kunden": dict(
        source="OSG Trade (a German B2B web shop system: 'Kundendaten importieren' in its back end)",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the system's wiki page backend:kundencsv (doku.osgtrade.de): the import's legend 'Benutzerkennung"
              " (Pflichtfeld), E-Mail (Pflichtfeld), Vorname (Pflichtfeld), Nachname (Pflichtfeld), Firma"
              " (Optional), Firma 2 ('2.Zeile bei mehrzeiligen Firmennamen'), Firma 3 ('3.Zeile ...'),"
              " Benutzerlevel ('1 - Administratoren, 2 - B2B Hau...')'; the stored copy breaks off there, so the"
              " list ends with 'Benutzerlevel'; 'Die CSV-Datei benötigt immer eine Kopfzeile'. The separator and"
              " encoding are the importer's settings: ';' and UTF-8 without a signature taken, CRLF",
        header=["Benutzerkennung", "E-Mail", "Vorname", "Nachname", "Firma", "Firma 2", "Firma 3", "Benutzerlevel"]),
    "flexi_adresar": dict(
        source="a Czech web front end to ABRA Flexi: the address book's 'Export CSV' (adresar.csv)",
        language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the front end's address book page (stored file id 56676867868), exportCSV: header 'Název;IČ;DIČ;"
              "Ulice;Město;PSČ;Email;Telefon', each row the values joined by ';' with nothing quoted, an empty"
              " value as '', rows joined by '\\n' (no line end after the last), written as a Blob"
              " 'text/plain;charset=utf-8' (no signature); every entry a firm ('Název firmy')",
        header=["Název", "IČ", "DIČ", "Ulice", "Město", "PSČ", "Email", "Telefon"]),
    "clenove_klubu": dict(
        source="a Czech sports club administration app: the members' 'Export CSV' (clenove-<date>.csv)",
        language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's members page (stored file ids 55702075893, 55807488339), exportMembersCSV: BOM, then"
              " 'Jméno;Příjmení;Email;Věk;Dres;Pozice;Stav;Týmy;Role\\n', each member's first name, last name,"
              " mailbox, age as '<n> let' or '--', jersey number, position, status (ACTIVE, INACTIVE, INVITED),"
              " teams joined by ', ' and club roles joined by ', ', joined by ';' unquoted, rows joined by '\\n'",
        header=["Jméno", "Příjmení", "Email", "Věk", "Dres", "Pozice", "Stav", "Týmy", "Role"]),
    "tabor_registrace": dict(
        source="a Czech football camp's registration site: a camp's registrations 'exportCsv'"
               " (registrace-<camp>-<date>.csv)", language="cs", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the site's admin registration controller (stored file id 66059412271): BOM ('BOM pro Excel'), then"
              " 'Jméno rodiče;Příjmení rodiče;Email;Telefon;Jméno hráče;Příjmení hráče;Datum narození;Klub;Post;"
              "Velikost dresu;Ulice;Město;PSČ;Země;Varianta;Poznámka;Jazyk;Souhlas s marketingem;Datum registrace'"
              " and '\\n'; each registration the parent's name, mailbox and phone, the player's name and birth date"
              " ('d.m.Y'), club, position and jersey size, the address, variant, note, the language in capitals,"
              " 'Ano'/'Ne', the registration time 'd.m.Y H:i', joined by ';' unquoted",
        header=["Jméno rodiče", "Příjmení rodiče", "Email", "Telefon", "Jméno hráče", "Příjmení hráče",
                "Datum narození", "Klub", "Post", "Velikost dresu", "Ulice", "Město", "PSČ", "Země", "Varianta",
                "Poznámka", "Jazyk", "Souhlas s marketingem", "Datum registrace"]),
    "pzla_startlista": dict(
        source="the Polish athletics federation's (PZLA) start list file, as a meeting's results program reads"
               " it ('format: PZLA')", language="pl", separator=";", encoding="utf-8",
        documented_as="header row",
        where="a results program's test of the start list import (stored file id 15596586200): 'Impreza;NrKonkur;"
              "NazwaPZLA;Pełna nazwa;Runda;Seria;Tor;Miejsce;NrStart;Nazwisko;Imię;DataUr;Klub;Woj;NrLicencji"
              " Klub;AktLic Klub;Wynik;Wiatr;PK;SB;PB;Uczelnia;Licencja OZLA;Licencja OZLA ważność;Licencja PZLA;"
              "Licencja ważność;NrZawodnika;Weryf..;Weryfikacja elektr.;TOKEN;skład;Sztafeta;OOM;Kadra 2025;LDK!;"
              "DataAktualizacji;Trener' with the row '33;11;K1500 m;1500 metrów kobiet;s;;;;416;TESTOWA;Anna;"
              "2000-01-01;Test Club;MZ;99/MZ/99;2025;;;;'4:25.50';4:20.30;;;;Z/9999/99;2025;999999;;;;;; ;TEST ;;"
              "2025-07-18 12:00:00;TEST Trener;' (family names in capitals, ISO birth dates, a season best in"
              " quotes, blanks in 'OOM' and 'Kadra', every row closed by ';'); the program's documentation of"
              " the same header (stored file id 15316084327); UTF-8 without a signature and LF as the test"
              " writes it",
        header=["Impreza", "NrKonkur", "NazwaPZLA", "Pełna nazwa", "Runda", "Seria", "Tor", "Miejsce", "NrStart",
                "Nazwisko", "Imię", "DataUr", "Klub", "Woj", "NrLicencji Klub", "AktLic Klub", "Wynik", "Wiatr",
                "PK", "SB", "PB", "Uczelnia", "Licencja OZLA", "Licencja OZLA ważność", "Licencja PZLA",
                "Licencja ważność", "NrZawodnika", "Weryf..", "Weryfikacja elektr.", "TOKEN", "skład", "Sztafeta",
                "OOM", "Kadra 2025", "LDK!", "DataAktualizacji", "Trener"]),
    "matownik_raport": dict(
        source="Matownik (a Polish attendance app for coaches: 'Raporty', 'Pobierz CSV' of a group)",
        language="pl", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's report page (stored file id 12178011856), exportCSV: a signature, then 'Nazwisko;Imię;"
              "Rocznik;' and the sessions' dates (ISO) joined by ';', '\\n'; each person's last name, first name"
              " and birth year, then 'X' for each session attended or nothing, joined by ';' unquoted; people"
              " sorted by last name; the file named 'Raport_<group>.csv'",
        header=["Nazwisko", "Imię", "Rocznik"]),
    "portal_partnerek": dict(
        source="a Hungarian garden firm's client portal: its partner import (the Portal's CSV reader)",
        language="hu", separator=";", encoding="utf-8", documented_as="header row",
        where="the Portal's test of its CSV import and export (stored file id 71600597626): the partner file"
              " 'Cégnév;E-mail;Telefonszám;Kedvenc szín' with the row 'Rapidkert;a@b.hu;+36 1;kék', the headers"
              " matched in Hungarian or English ('cegnev', 'e-mail', 'telefonszam'), 'Kedvenc szín' reported as"
              " unknown; the Portal's own files start with a BOM, use ';', CRLF and quotes where needed: the same"
              " taken for this sheet kept for the import",
        header=["Cégnév", "E-mail", "Telefonszám", "Kedvenc szín"]),
}

NOT_FOUND = [
    "German: Vereinsflieger, VereinsDesk and Webling member imports (no column names stored), eTermin (the"
    " columns are clicked in the file's order: no names), Zervant, ready2order and CentralStationCRM (nothing"
    " stored), erwin's account import (its column names are English), Laubenmeister (a form, no file),"
    " Klick-Tipp (no columns)",
    "Czech and Slovak: Zaslat.cz, Balíkovna, Toptrans and WeDo shipment imports (no columns stored), Geis G-Client"
    " and Invio (the stored copies break off before the columns), Uloženka (its column names are English codes),"
    " ABRA Flexi's own Excel import (columns mapped by hand, not named), Bakaláři (no contacts export stored), a"
    " Slovak academy's WordPress import (stored file id 19156618333: only five of its 38 columns are named),"
    " 1CLICK and DigiSign (templates not stored), skladonline.sk (its sample file not stored)",
    "Polish: Livespace (columns mapped by hand), edrone (its field names English), Saldeo, FakturaXL and Systell"
    " (no columns stored), Sky-Shop (nothing stored)",
    "Hungarian: Express One (nothing stored), Számlázz.hu's invoice import (used already), Europroof (used"
    " already)",
    "Romanian, Croatian, Slovene: Facturis (no columns), Kumulator (used already), Hrvatska pošta and Overseas"
    " Express shipment imports (nothing stored), Birokrat (nothing stored), Quibi (used already), a Croatian"
    " flood defence's firms and Serbian newsletter imports (used already, or not in this set's languages)",
]
