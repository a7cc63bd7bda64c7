"""Headers of the twenty-second held-out set (tests/prep/corpus/twentysecond):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to twentieth_headers.py
nor layouts_test.py, nor in their NOT_FOUND lists. Every source has its
columns in German, Czech, Slovene, Polish, Croatian or Romanian: a
district's birthday letters, an insurance broker's transfer list, a sports
club's membership applications, a club's accommodation list, a charity's
donor contracts, a school's class list, a plant nursery's customers, a flood
defence's licensed firms and two Romanian client lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": a program that reads
or writes the file spells the row out) and where.

Nothing here is made up: each row is known from a program that reads or
writes the file, named by its stored file. Where the separator, encoding or
line end is not shown, the note says what was taken and why.
"""

SOURCES = {
    "geburtstage": dict(
        source="a Berlin district's birthday and jubilee letters app (citizens by its CSV import, the list the"
               " registry office hands over)", language="de", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the app's script (stored file ids 55732660352, 55726632092, 55612751573), 'sample-import':"
              " 'Anrede;Vorname;Nachname;Straße;Hausnummer;PLZ;Ortsteil;Geburtsdatum;Telefon;E-Mail' with rows"
              " such as 'Frau;Martha;Seidel;Alt-Lübars;9;13469;Lübars;1931-07-26;;' (no phone nor mailbox for"
              " most), rows joined by '\\n'; the letters' address written '${street} ${houseNo}, ${postalCode}"
              " Berlin' (the town is no column); UTF-8 and LF as the app's own files",
        header=["Anrede", "Vorname", "Nachname", "Straße", "Hausnummer", "PLZ", "Ortsteil", "Geburtsdatum",
                "Telefon", "E-Mail"]),
    "bestandsuebertragung": dict(
        source="a German insurance broker's platform: the list of clients' mandates sent to an insurer for a"
               " transfer of their contracts ('<yymmdd>_inquiry.csv')", language="de", separator=";",
        encoding="cp1252", documented_as="header row",
        where="the platform's test of the transfer (stored file id 37315725128): 'Makler-FS;Anrede;Vorname;"
              "Nachname;Straße;PLZ;Ort;Telefon Vorwahl;Telefon Nummer;Geburtsdatum;HauptZielOrgaNr;Dateiname"
              " Mandat;Datum des Mandats;VSNR1;OrgaNr1;...;VSNR10;OrgaNr10' with rows '42;Frau;Lea;Müsterfrau;;"
              "12345;Musterstadt;;;01.01.1980;6036007275;kunde-lea-müsterfrau.pdf;30.06.2018;;;...' (the mandate's"
              " id first, the street often empty, dates dd.mm.yyyy, two clients of the same name apart); the file"
              " is encoded to the insurer's 'csv_encoding' (not shown: Windows-1252 taken, a German insurer's"
              " Excel); LF as Ruby's CSV writes it",
        header=["Makler-FS", "Anrede", "Vorname", "Nachname", "Straße", "PLZ", "Ort", "Telefon Vorwahl",
                "Telefon Nummer", "Geburtsdatum", "HauptZielOrgaNr", "Dateiname Mandat", "Datum des Mandats"]
               + [f"{k}{n}" for n in range(1, 11) for k in ("VSNR", "OrgaNr")]),
    "mitgliedsantraege": dict(
        source="a Göttingen sports club's online membership applications (the chosen applications exported for"
               " the club's member administration)", language="de", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the applications' page (stored file id 42233464937), exportCSV: 'UID;Anrede;Vorname;Nachname;"
              "Straße;PLZ;Ort;Land;Geburtsdatum;Geschlecht;E-Mail;Telefon;Vereinseintritt am;Status(Verein);"
              "Abteilung;IBAN;Zahlungsweise;GehörtZu;' (a ';' after the last name, so a nameless last column),"
              " each row ['', anrede, vorname, ..., 'aktiv', abteilung, iban, zahlungsweise, gehörtZu].join(';')"
              " + '\\n' (the UID empty, no ';' after the last cell, nothing quoted), 'männlich'/'weiblich' from"
              " the salutation; a data: URI 'charset=utf-8' (UTF-8 without a signature), LF",
        header=["UID", "Anrede", "Vorname", "Nachname", "Straße", "PLZ", "Ort", "Land", "Geburtsdatum",
                "Geschlecht", "E-Mail", "Telefon", "Vereinseintritt am", "Status(Verein)", "Abteilung", "IBAN",
                "Zahlungsweise", "GehörtZu", ""]),
    "ubytovani": dict(
        source="a Czech club's member administration: the accommodation list for a trip (the members' identity"
               " cards and addresses for the lodging's register)", language="cs", separator=";",
        encoding="utf-8", documented_as="header row",
        where="the club's task list for the export (stored file id 55667023778): 'CSV with ';' delimiter, a"
              " Czech header row (Jméno;Příjmení;Číslo OP;Platnost OP;Datum narození;Adresa), one row per member,"
              " and the address rendered as a single combined column matching the print layout', written with"
              " Apache Commons CSV (CRLF, cells quoted only where needed); UTF-8 taken (a Java server's default)",
        header=["Jméno", "Příjmení", "Číslo OP", "Platnost OP", "Datum narození", "Adresa"]),
    "donatorji": dict(
        source="a Slovene charity's donor administration: donors' contracts and instalments ('obroki') exported"
               " to CSV", language="sl", separator=";", encoding="cp1250", documented_as="header row",
        where="the administration's test (stored file id 11050637051): 'id pogodbe;id donatorja;pravna oseba;"
              "naziv podjetja;prednaziv;ime;priimek;ulica;ulicna stevilka;stara pogodba;id vnasalca;id projekta;"
              "id zaposlenega;id dogodka;id pogodbe;stara pogodba;st obroka;datum aktivacije' with the row"
              " '2090201100033;13;;;Gospa;Zdenka;Flisek;Mosenik;5 A;;;2;11;02;2090201100033;;1;18/08/2009' (two"
              " columns named twice, the salutation under 'prednaziv', the place's name as the street, no town"
              " column), file name '2009-07-30_obroki.csv'; code page 1250 taken (a Slovene Perl application of"
              " 2009), LF as the test writes it",
        header=["id pogodbe", "id donatorja", "pravna oseba", "naziv podjetja", "prednaziv", "ime", "priimek",
                "ulica", "ulicna stevilka", "stara pogodba", "id vnasalca", "id projekta", "id zaposlenega",
                "id dogodka", "id pogodbe", "stara pogodba", "st obroka", "datum aktivacije"]),
    "lista_klasy": dict(
        source="a Polish secondary school's project app: a coordinator's list of a class (pupils imported with"
               " their guardians' mailboxes)", language="pl", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the app's test of the import (stored file id 69111312674): HEADER = 'imię;nazwisko;e-mail;rok"
              " urodzenia;klasa;telefon;e-mail opiekuna prawnego', the file 'lista.csv' (another test, stored"
              " file id 71373179085, uploads 'imię;nazwisko;e-mail;rok urodzenia;klasa\\nA;B;c@example.test;"
              "2008;2\\n'); UTF-8 and LF as the tests write it",
        header=["imię", "nazwisko", "e-mail", "rok urodzenia", "klasa", "telefon", "e-mail opiekuna prawnego"]),
    "kontrahenci": dict(
        source="a Polish plant nursery's customers (Kontrahenci.csv from its old sales program, read by its new"
               " order manager)", language="pl", separator=";", encoding="utf-8", documented_as="header row",
        where="the order manager's import script (stored file id 62222907891): 'Pomijamy nagłówki (2 linie)',"
              " 'Kolumny: Nazwa;NIP;e-mail;grupa rabatowa;ulica;kod pocztowy;Miasto;numer telefonu', rows split"
              " at ';' with 8 cells, NIPs with blanks or dashes and Czech ones with 'CZ', price groups"
              " ('Podstawowa', 'Rabat 10%', 'Hurt', 'DETAL', empty), a NIP met twice skipped; read as 'utf-8', lines split"
              " at '\\n' (CRLF taken, a Windows program's file; the first of the two header lines taken as the"
              " program's title line)",
        header=["Nazwa", "NIP", "e-mail", "grupa rabatowa", "ulica", "kod pocztowy", "Miasto", "numer telefonu"]),
    "licencirane_firme": dict(
        source="a Croatian flood defence centre's program (goCOP): the licensed firms exported and imported as"
               " licencirane-firme.csv", language="hr", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the program's import guide (stored file id 70451987013): '### licencirane-firme.csv', 'Naziv;"
              "Kratki naziv;OIB;Adresa;Telefon;E-pošta;Osoba za obranu;Gdje radi;Aktivan;Napomena', the OIB"
              " 'u omotu =\"12345678900\", kako ga piše izvoz' (as a formula, so Excel keeps it), 'Gdje radi'"
              " a list parted by ',' ('BP 1, Sektor P'), 'Aktivan' 'ne' or anything else; the guide says the"
              " program reads UTF-8 or Windows-1250: UTF-8 with a signature taken (an export meant for Excel),"
              " CRLF",
        header=["Naziv", "Kratki naziv", "OIB", "Adresa", "Telefon", "E-pošta", "Osoba za obranu", "Gdje radi",
                "Aktivan", "Napomena"]),
    "clienti_livrare": dict(
        source="a Romanian distributor's clients with their delivery address (the accounting program's list read"
               " by a sales agents' route app)", language="ro", separator=";", encoding="cp1250",
        documented_as="header row",
        where="the route app's test (stored file id 63270151619, again 63273750616): 'Denumire;CUI;Agent;Adresa"
              " livrare;Localitate livrare' with rows 'ANDRONACHE MARIA PFA;12345678;Costin Vlad;Strada Cucului"
              " 6;Darabani', 'MAGAZIN MIXT DOINA SRL;23456789;Costin Vlad;Principala 12;Siret' and a last row"
              " 'TOTAL;;;;' (firms' names in capitals, the sales agent beside each); another test of the same"
              " reader (stored file id 63381438713) reads it in Windows-1250 ('MĂGAZIN LA ŢARĂ SRL'), an empty"
              " CUI; CRLF taken (a Windows program's file)",
        header=["Denumire", "CUI", "Agent", "Adresa livrare", "Localitate livrare"]),
    "clienti_contabilitate": dict(
        source="a Romanian accounting firm's client CRM (its clients imported from a sheet)", language="ro",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the CRM's test of the import (stored file id 65954108396): HEADER = 'Denumire;CUI;Nr. reg. com.;"
              "Adresă;Status;Persoană de contact;Email;Telefon;WhatsApp', rows joined by '\\r\\n'; UTF-8"
              " without a signature as the test writes it",
        header=["Denumire", "CUI", "Nr. reg. com.", "Adresă", "Status", "Persoană de contact", "Email", "Telefon",
                "WhatsApp"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (files of public repositories), beyond the other header
# modules' lists.
NOT_FOUND = [
    "Hungarian: a restaurants' list of a school exercise ('Azonosító;Név;Telefonszám;Első_nyitás;...':"
    " a class's task, no program's export), a company monitor ('Cégnév;Adószám;Aktuális létszám;...': no"
    " contact columns), a workwear inventory ('Költséghely;...;Vezetéknév;Keresztnév;...': no contact"
    " columns)",
    "Slovak: lists of runners and exam candidates ('Por;PorKat;Číslo;Priezvisko;Meno;Ročník;Klub;Kat.;Čas',"
    " 'Por.;Priezvisko;Meno;Narodenie;Reg. č.;E-mail;...': results and exam terms, no contact beyond a"
    " mailbox)",
    "Czech: a referees' and coaches' list ('Příjmení;Jméno;Klub;Role;Licence': no contact columns), an"
    " app's workers ('Příjmení;Jméno;Datum narození;Email;Telefon': likely the work camp app already used)",
    "Croatian: client totals of a bookkeeping app ('Naziv;OIB;Prihodi (EUR);...': amounts, no contact columns)",
    "Slovene: a questionnaire's leads ('Ime;Priimek;E-pošta;Telefon;Podjetje'): the consultancy's export"
    " already used",
]
