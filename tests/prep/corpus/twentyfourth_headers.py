"""Headers of the twenty-fourth held-out set (tests/prep/corpus/twentyfourth):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to
twentythird_headers.py nor layouts_test.py, nor in their NOT_FOUND lists.
Four have their columns in German (a home care service's weekly backup of its
clients, a utility billing portal's users, an Austrian firm's customer
import template, a trade firm's customer export), two in Slovak (a payroll
program's address list, a competition's participants), one in Czech (a
family course organiser's carers) and one in Romanian (a school platform's
rejected user import). The entries are as in headers.py.

Nothing here is made up: each row is known from a program that reads or
writes the file, named by its stored file. Where the separator, encoding or
line end is not shown, the note says what was taken and why.
"""

SOURCES = {
    "pflege_kunden": dict(
        source="a home care service's office app (Pflegedienst): the clients' table in its weekly backup",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the backup job (stored file id 66654964006): kdHeader = 'ID;Vorname;Nachname;Straße;PLZ;Ort;"
              "Telefon;Pflegegrad;Paragraph;Aktiv;Angelegt am', each row [...].join(';') (nothing quoted), aktiv"
              " written 'Ja'/'Nein', createdAt as toLocaleDateString('de-DE') (3.2.2024, no leading zeros);"
              " '\\uFEFF' + lines.join('\\n'): UTF-8 with a signature, LF, no line end after the last row",
        header=["ID", "Vorname", "Nachname", "Straße", "PLZ", "Ort", "Telefon", "Pflegegrad", "Paragraph", "Aktiv",
                "Angelegt am"]),
    "portal_nutzer": dict(
        source="a utility billing portal (heating and water costs of rented flats): its users exported by the"
               " administrator", language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the portal's admin page (stored file id 52596601788): exportUsersCSV writes 'Anrede;Vorname;"
              "Nachname;Straße;PLZ;Ort;Telefon;E-Mail;Objekt;Kundennummer;Status;Erstellt' and one line per user"
              " of role USER from its profile (`${...};${...}`, nothing quoted); UTF-8 (a browser's Blob) and LF"
              " taken",
        header=["Anrede", "Vorname", "Nachname", "Straße", "PLZ", "Ort", "Telefon", "E-Mail", "Objekt",
                "Kundennummer", "Status", "Erstellt"]),
    "kunden_vorlage": dict(
        source="an Austrian craft firm's office app: customers filled into its import template ('Vorlage')",
        language="de", separator=";", encoding="cp1252", documented_as="header row",
        where="the app's importer (stored file id 68614973400): VORLAGE = 'Firma;Vorname;Nachname;Straße;PLZ;"
              "Ort;Telefon;E-Mail;UID;Notiz\\r\\n' + 'Muster Bau GmbH;Anna;Muster;Hauptstraße 1;1010;Wien;"
              "+43 1 234567;office@muster.at;ATU12345678;' + ';Franz;Huber;Dorfweg 3;3100;St. Pölten;0664 1234567;"
              ";;Schlüssel beim Nachbarn', 'mit Strichpunkt, wie Excel in Österreich sie öffnet'; its test"
              " (stored file id 68312328357) has a firm without a person ('Maier GmbH;;;;;;;;'); CRLF as the"
              " template has it; Windows-1252 taken (the template filled in and saved again by Excel)",
        header=["Firma", "Vorname", "Nachname", "Straße", "PLZ", "Ort", "Telefon", "E-Mail", "UID", "Notiz"]),
    "kunden_export": dict(
        source="a German trade firm's customer administration (PHP): the customers exported as CSV",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the customer model's exportCsv (stored file id 31750128915): \"Kundennummer;Anrede;Titel;Vorname;"
              "Nachname;Firma;Strasse;PLZ;Ort;Telefon;Mobil;E-Mail;Kunde seit\\n\", each row sprintf(\"%s;%s;%s;"
              "%s;%s;%s;%s %s;%s;...\\n\") (street and house number joined by a blank, nothing quoted), LF;"
              " UTF-8 taken (the database's), 'Kunde seit' as the database writes a date (2019-03-14)",
        header=["Kundennummer", "Anrede", "Titel", "Vorname", "Nachname", "Firma", "Strasse", "PLZ", "Ort", "Telefon",
                "Mobil", "E-Mail", "Kunde seit"]),
    "mzdy_adresy": dict(
        source="a Slovak payroll program (Delphi): employees' addresses for sending the certificates of taxable"
               " wages", language="sk", separator=";", encoding="cp1250", documented_as="header row",
        where="the program's report unit (stored file id 9248680316): SL.Add('Zoznam adries pre zaslanie"
              " potvrdení o zdaniteľnej mzde'); SL.Add('Meno;Priezvisko;Titul;Ulica;Mesto;PSC;'); each employee"
              " Name+';'+Surname+';'+Title+';'+Tp_street+';'+Tp_city+';'+Tp_zip+';' (a ';' closing every line,"
              " nothing quoted); a TStringList saved on Windows: the code page (1250) and CRLF",
        header=["Meno", "Priezvisko", "Titul", "Ulica", "Mesto", "PSC", ""]),
    "pecouni": dict(
        source="a Czech organiser of family courses: its course carers ('pečouni') exported from the old"
               " database for its new one", language="cs", separator=";", encoding="cp1250",
        documented_as="field list",
        where="the new database's import of EXPORT-pecouni.csv (stored file id 37813202170): fgetcsv($f, 1000,"
              " \";\"), the first line skipped, '// příjmení;jméno;ulice;obec;psč;rč;narození;kurz;rok;funkce;"
              "telefon;email'; psč read as 'stát-psč' where a '-' is in it (SK-811 01), rč 10 digits or with '/',"
              " narození where no rč, telefon and email with blanks; code page 1250 and CRLF taken (an export"
              " from a Windows database of 1995-2012)",
        header=["příjmení", "jméno", "ulice", "obec", "psč", "rč", "narození", "kurz", "rok", "funkce", "telefon",
                "email"]),
    "policka": dict(
        source="a Slovak competition's registration app (entrants drawn to numbered plots): participants"
               " exported", language="sk", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's export route (stored file id 67538001380): 'Kategória;Meno;Priezvisko;Bydlisko;Dátum"
              " narodenia;Číslo políčka', rows [cat.name, p.firstName, p.lastName, p.city, p.dateOfBirth ?? '',"
              " entry.plotNumber ?? ''].join(';'), sent as rows.join('\\r\\n') after BOM = '' (UTF-8 without a"
              " signature, CRLF between rows, none after the last); the birth date as the form stores it"
              " (1984-05-12) taken",
        header=["Kategória", "Meno", "Priezvisko", "Bydlisko", "Dátum narodenia", "Číslo políčka"]),
    "import_erori": dict(
        source="a Romanian school platform's user import: the rows it refused, written to <file>_ERRORS.csv",
        language="ro", separator=";", encoding="utf-8", documented_as="header row",
        where="the importer (stored file ids 39089082000, 39264257544): \"\\\"sep=;\\\"\\nNume;Prenume;Email;"
              "DataNasterii;Utilizator;Parola;Motiv\\n\" written first, then each refused line as it was read and"
              " ';' + motiv + '\\n' (a FileWriter: LF); UTF-8 taken (Java 18 and later), DataNasterii dd.MM.yyyy"
              " as its date parsing",
        header=["Nume", "Prenume", "Email", "DataNasterii", "Utilizator", "Parola", "Motiv"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (files of public repositories), beyond the other header
# modules' lists.
NOT_FOUND = [
    "Hungarian: a school's attendance export ('Vezetéknév;Keresztnév;Felhasználó;Dátum;Óra sorszáma;...'), a"
    " work clothes inventory ('Költséghely;...;Vezetéknév;Keresztnév;Cikksz.;...'), a pupils' file"
    " ('Azonosító;Vezetéknév;Keresztnév;Születési év;Kor;Átlag'): no contact columns",
    "Croatian: a cloud lab's users ('ime;prezime;rola'), students ('ime;prezime;brojIndeksa'): no contact"
    " columns",
    "Slovak: municipal election results ('Kod kraja;...;Meno;Priezvisko;Politicky subjekt'): no contact"
    " columns; a university's students ('ISIC;Meno;Priezvisko'): no contact columns",
    "Slovene: a school lunch sign-up ('Ime;Priimek;Uporabniško ime;Status'): no contact columns",
    "Polish: guest house bookings ('...;Nazwisko;Imię;Telefon;E-mail;...'): Mobile Calendar, used already",
    "Romanian: a library's staff file ('ID;Nume;Prenume;Email;Telefon;DataN;...;Parola;...'): a class"
    " exercise, no program's export",
]
