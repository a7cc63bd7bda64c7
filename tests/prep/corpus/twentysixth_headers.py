"""Headers of the twenty-sixth held-out set (tests/prep/corpus/twentysixth):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, nor in sixth_headers.py to
twentyfifth_headers.py, nor layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in a sample file, or a program that
reads or writes the file spells it out; "field list": it lists the names in
this order) and where.

Nothing here is made up: each row is known from a program that reads the
file, named by its stored file id. Where the separator, encoding or line end
is the export's setting rather than a fixed property, or the source does not
show it, the note says so.
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
    "German: Gambio's customer data (the manual shows the input form's fields, not an export's columns)",
    "Croatian and Slovene: staff and user lists ('ime;prezime;rola', a staff table already used): no contact"
    " columns or used already",
]
