"""Headers of the twenty-eighth held-out set (tests/prep/corpus/twentyeighth):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, nor in sixth_headers.py to
twentyseventh_headers.py, nor layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in its help or a sample; "field list":
it lists the names in this order) and where.

Every column name here is in German or Polish. Nothing is made up: each row
is known from a stored file of a program that reads or writes the export,
cited by its stored id. Where the separator, encoding or line end is the
file's setting rather than a fixed property, or the source does not show it,
the note says so.
"""

SOURCES = {
    "jverein_mitglieder": dict(
        source="JVerein (a German club's member administration: the member import in SPG-Verein's CSV layout)",
        language="de", separator=";", encoding="latin-1", documented_as="header row",
        where="JVerein's handbook page 'Import' as stored in a public repository (stored id 26690865212):"
              " 'Beispieldatei, Mit den Pflichtfeldern' gives the row 'Mitglieds_Nr;Anrede;Titel;Nachname;Vorname;"
              "Straße;Plz;Ort;Geburtsdatum;Geschlecht;BIC;IBAN;Bankleitzahl;Kontonummer;Mandat_Datum;Zahlungsart;"
              "Telefon_privat;Telefon_dienstlich;Email;Eintritt;Beitragsart_1;Beitrag_1;Austritt;Kündigung';"
              " 'Feldseparator: ;', 'Feldeinrahmung: keine', 'Die Eingabedatei muss ISO-8859-1-codiert sein';"
              " 'Herrn / Frau' for Anrede, 'Dr.' for Titel, dates TT.MM.JJJJ, amounts 'xxx,xx', Zahlungsart l, b"
              " or u; CRLF taken (LibreOffice on Windows, as the page's screenshots)",
        header=["Mitglieds_Nr", "Anrede", "Titel", "Nachname", "Vorname", "Straße", "Plz", "Ort", "Geburtsdatum",
                "Geschlecht", "BIC", "IBAN", "Bankleitzahl", "Kontonummer", "Mandat_Datum", "Zahlungsart",
                "Telefon_privat", "Telefon_dienstlich", "Email", "Eintritt", "Beitragsart_1", "Beitrag_1",
                "Austritt", "Kündigung"]),
    "cobra_praxen": dict(
        source="cobra CRM (German address and sales CRM: a medical supplier's export of its practices, 18 columns)",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the tests of a program that imports cobra's export, stored in a public repository (stored id"
              " 58612263447): 'Test importing a CSV file with all 18 Cobra export columns', the row 'Anrede;"
              "Nachname;Vorname;Straße;PLZ;Ort;VNUM1;DSC;DSCNEU;Praxisname;Praxisname_alt;Telefon;Telefon direkt;"
              "Telefon privat;Telefon2;Telefon3;Mobil;Mobil privat' with the sample 'Frau;Dr. Müller;Sabine;...'"
              " (the doctor's title written in 'Nachname'); UTF-8 and LF as the test writes it",
        header=["Anrede", "Nachname", "Vorname", "Straße", "PLZ", "Ort", "VNUM1", "DSC", "DSCNEU", "Praxisname",
                "Praxisname_alt", "Telefon", "Telefon direkt", "Telefon privat", "Telefon2", "Telefon3", "Mobil",
                "Mobil privat"]),
    "protel_gaeste": dict(
        source="a hotel IT service's guest sheet for protel (German hotel software: guests and firms to be"
               " converted for its import)", language="de", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the converter's script as stored in a public repository (stored id 33829514296): '# input' gives"
              " 'Nachname;Vorname;Straße;PLZ;Ort;Land;Sprache;Geschlecht(m=1,w=2,d=3);EMail;Tel;Briefanrede;"
              "Karteityp(Gast=0,Firma=1);VIPcode;Marketingcode' with sample rows (a firm as 'Tesla;;Teslastraße"
              " 1;...;1'); 'encoding möglich mit utf8 und cp1252', delimiter ';': UTF-8 taken, as the Polish guests' letters need; CRLF taken (an Excel sheet's CSV)",
        header=["Nachname", "Vorname", "Straße", "PLZ", "Ort", "Land", "Sprache", "Geschlecht(m=1,w=2,d=3)", "EMail",
                "Tel", "Briefanrede", "Karteityp(Gast=0,Firma=1)", "VIPcode", "Marketingcode"]),
    "klienci_zamowienia": dict(
        source="a Polish e-shop's admin panel (PHP, the 'klienci_zamowienia' report: customers by their orders)",
        language="pl", separator=";", encoding="utf-8", documented_as="header row",
        where="the report's export script as stored in a public repository (stored id 5034111449): the header"
              " 'Imię;Nazwisko;Adres email;Ilość zamówień;Wartość zamówień' then one line a customer, each value"
              " followed by ';' (so a row ends in ';' before the line end, which the header does not), '\\n' line"
              " ends, nothing quoted; the sum as the database gives it ('1234.5600'); UTF-8 taken (the shop's)",
        header=["Imię", "Nazwisko", "Adres email", "Ilość zamówień", "Wartość zamówień"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Czech: a mail host's webmail import (flyweb: Outlook's own columns), 1CLICK (an XLS template), a WinForms"
    " address book and a fitness studio's clients (used by earlier sets)",
    "Polish: fireTMS, faqt, e-pity and wFirma CRM (used or named by earlier sets), a holiday rental calendar's"
    " reservations (used)",
    "Hungarian: Europroof's customer template (used), an attendance export and a workwear inventory (no contact"
    " columns)",
    "Romanian: SoftPro's partners (used), a ticketing app's users and a school platform's rejected users (used)",
    "Slovene and Croatian: an employees' table (used), payroll and lab-term files (no contact columns)",
    "German: a club's members page of a garden association (form fields, no file), Sparkasse's SPG-Verein"
    " itself (named by seventh_headers.py; JVerein's reading of its layout is taken instead)",
]
