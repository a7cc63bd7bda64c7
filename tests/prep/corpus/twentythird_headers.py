"""Headers of the twenty-third held-out set (tests/prep/corpus/twentythird):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to
twentysecond_headers.py nor layouts_test.py, nor in their NOT_FOUND lists.
Seven have their columns in German (a firm's contact manager, a council
information system, Bavaria's volunteer card import, a Stud.IP course's
participants, a psychotherapists' search, a Swiss customer list, a
foundation's newsletter list) and one in Czech (a small address book
program). The entries are as in headers.py.

Nothing here is made up: each row is known from a program that reads or
writes the file, named by its stored file. Where the separator, encoding or
line end is not shown, the note says what was taken and why.
"""

SOURCES = {
    "kontakte_crm": dict(
        source="a small firm's contact manager (C#/.NET): its contacts exported to CSV", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the export's code (stored file id 53496780207): sb.AppendLine(\"Anrede;Titel;Vorname;Nachname;"
              "Position;Abteilung;Firma;E-Mail;Telefon;Mobil;Fax;Straße;PLZ;Ort;Land;Notizen\"), each field"
              " written '\"{Esc(...)}\"' (all quoted); AppendLine gives CRLF on Windows; UTF-8 with a signature"
              " taken (a file meant for Excel)",
        header=["Anrede", "Titel", "Vorname", "Nachname", "Position", "Abteilung", "Firma", "E-Mail", "Telefon",
                "Mobil", "Fax", "Straße", "PLZ", "Ort", "Land", "Notizen"]),
    "ratsmitglieder": dict(
        source="a council information system: the council's members imported as persons", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the system's test of the import (stored file id 70375036700): PERSONEN = 'kennung;anrede;titel;"
              "vorname;nachname;email;telefon;adresse;kontoinhaber;iban;bic;zustellweg;mandat_beginn;mandat_ende;"
              "aktiv' with rows 'P1;Frau;Dr.;Erika;Musterfrau;erika@example.org;0123 4567;Am Markt 1, 12345"
              " Musterdorf;Erika Musterfrau;{IBAN};;Portal;01.11.2021;;ja' and 'P2;Herr;;Max;Mustermann;"
              "max@example.org;;;;;;E-Mail;01.11.2021;;' (the address whole in one cell, empty for some);"
              " UTF-8 and LF as the test writes it",
        header=["kennung", "anrede", "titel", "vorname", "nachname", "email", "telefon", "adresse", "kontoinhaber",
                "iban", "bic", "zustellweg", "mandat_beginn", "mandat_ende", "aktiv"]),
    "ehrenamtskarte": dict(
        source="Bavaria's volunteer card (Ehrenamtskarte): a county's card holders for the cards' CSV import",
        language="de", separator=";", encoding="cp1252", documented_as="header row",
        where="the card portal's test of the import (stored file id 40706341925), 'bayern freinet':"
              " 'inhaber_ehrenamtskarte;eak_datum;eak_karten_status;co_name;anrede;titel;vorname;nachname;strasse;"
              "plz;ort' with rows '\u201eBlau\u201c;01.12.2029;Karte abgelaufen;;Herr;;Maxim;Musterin;Kirchgasse 30;"
              "97346;Iphofen' and '\u201eGold\u201c;;Karte an EA verschickt;;Herr;;Max;Muster;Kleinlangheimer"
              " Stra\u00dfe 12;97355;Kleinlangheim' (the quotes and \u00df stored as single bytes: Windows-1252);"
              " CRLF taken (the county's office program)",
        header=["inhaber_ehrenamtskarte", "eak_datum", "eak_karten_status", "co_name", "anrede", "titel", "vorname",
                "nachname", "strasse", "plz", "ort"]),
    "studip_teilnehmer": dict(
        source="Stud.IP (university learning platform): a course's participants exported", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="a generator of test participant lists in Stud.IP's layout (stored file ids 33572264579,"
              " 33472761891): 'Anrede;Titel;Vorname;Nachname;Titel2;' 'Nutzernamen;Privatadr;Privatnr;E-Mail;"
              "Anmeldedatum;' 'Studiengaenge;Matrikelnr;Bemerkung'; a seat planner's notes on the files it reads"
              " (stored file id 62515736553): 'Stud.IP-Export | Status;Anrede;Titel;Vorname;Nachname;...;E-Mail;"
              "Anmeldedatum;Matrikelnummer;Studiengänge;Position (alle Felder in \")'; all fields quoted as those"
              " notes say; UTF-8 with a signature and CRLF taken (a file for Excel)",
        header=["Anrede", "Titel", "Vorname", "Nachname", "Titel2", "Nutzernamen", "Privatadr", "Privatnr", "E-Mail",
                "Anmeldedatum", "Studiengaenge", "Matrikelnr", "Bemerkung"]),
    "therapeuten": dict(
        source="a search of psychotherapists (the doctors' association's search results saved as CSV)",
        language="de", separator=";", encoding="cp1252", documented_as="header row",
        where="the search program (stored file id 16654447967): header = 'Anrede;Titel;Vorname;Nachname;nur privat;"
              "Ort;Straße;Telefon;Email;Homepage;Praxissprechzeit;Telefonsprechzeit\\n' written by a"
              " java.io.FileWriter to 'Therapieergebnisse.csv' on a Windows desktop (the platform's default"
              " code page, Windows-1252), LF; one row per therapist, mailboxes kept unique",
        header=["Anrede", "Titel", "Vorname", "Nachname", "nur privat", "Ort", "Straße", "Telefon", "Email",
                "Homepage", "Praxissprechzeit", "Telefonsprechzeit"]),
    "kunden_ch": dict(
        source="a Swiss contact manager's customers, read from a CSV saved from Excel", language="de",
        separator=";", encoding="cp1252", documented_as="header row",
        where="the manager's importer (stored file id 61426860925): 'Liest Kundendaten aus einer CSV-Datei ein"
              " (z.B. aus Excel exportiert)', 'Aufbau einer Zeile, getrennt mit Strichpunkt: Anrede;Titel;Vorname;"
              "Nachname;Geburtsdatum;Geschlecht; TelefonGeschaeft;Mobiltelefon;EMail;Status', 'Die erste Zeile"
              " darf eine Überschriftszeile sein'; Windows-1252 and CRLF taken (Excel's 'CSV (Trennzeichen-"
              "getrennt)')",
        header=["Anrede", "Titel", "Vorname", "Nachname", "Geburtsdatum", "Geschlecht", "TelefonGeschaeft",
                "Mobiltelefon", "EMail", "Status"]),
    "newsletter_personen": dict(
        source="a foundation's address database of newsletter readers (persons table as CSV)", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the database's Perl script (stored file id 5943537622): '#Nr.;Anrede;Titel;Vorname;Nachname;"
              "Geburtsdatum;Straße;Hausnummer;Postleitzahl;Stadt;Telefon;Mobil;Telefax;EMail;Newsletter;"
              "Eintragsdatum'; UTF-8 and LF taken (a Perl script on a Unix server)",
        header=["Nr.", "Anrede", "Titel", "Vorname", "Nachname", "Geburtsdatum", "Straße", "Hausnummer",
                "Postleitzahl", "Stadt", "Telefon", "Mobil", "Telefax", "EMail", "Newsletter", "Eintragsdatum"]),
    "adresar": dict(
        source="a small Czech address book program (Windows Forms): its table saved as CSV", language="cs",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the program (stored file id 30301559175): new StreamWriter(cesta, false, Encoding.UTF8) (UTF-8"
              " with a signature), writer.WriteLine(\"Jméno;Příjmení;Ulice;Číslo popisné;PSČ;Město;Email\"), each"
              " row string.Join(\";\", cells) (nothing quoted); WriteLine gives CRLF on Windows",
        header=["Jméno", "Příjmení", "Ulice", "Číslo popisné", "PSČ", "Město", "Email"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (files of public repositories), beyond the other header
# modules' lists.
NOT_FOUND = [
    "Slovene: employees of a school exercise ('ID;Priimek;Ime;Naslov;Pošta;Kraj;...': a class's task file, no"
    " program's export)",
    "Hungarian: an invoicing program's partner import ('Partner megnevezése:;Irányítószám;Település;...': an"
    " invoice layout, the partner's columns twice and no person)",
    "Polish: a shooting federation's judges ('Symbol;Nazwisko;Imię;Miejscowość;Kraj;Id;Kategoria'): already"
    " used; an attendance sheet ('Nazwisko;Imię;Rocznik;<dates>'): no contact columns",
    "Romanian: payroll and student lists ('CNP;Nume;Prenume;Nr contract', 'Nr;Nume;Prenume;Vârsta'): no"
    " contact columns",
    "Croatian: lab terms and payroll ('JMBAG;Prezime;Ime;Termin', 'MATICNIBR;PREZIME;IME;...'): no contact"
    " columns",
]
