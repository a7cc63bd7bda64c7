"""Headers of the thirty-fourth held-out set (tests/prep/corpus/thirtyfourth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyfirst_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "anmeldung_schueler": dict(
        source="anmeldung.schule (German school enrolment portal: 'Schülerdaten hochladen' for the school office)",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the portal's guide 'Anleitung: Schülerdaten hochladen' (demosvp1.anmeldung.schule/anleitungen/"
              "anleitung_upload.html), its 'Beispielzeilen (CSV, Semikolon)': schueler_nachname;schueler_vorname;"
              "schueler_geburtsdatum;schueler_geburtsort;schueler_geschlecht;schueler_email; 'Trennzeichen:"
              " Semikolon', 'UTF-8 als Dateikodierung (empfohlen)', the date 'dd.mm.yyyy', sex 'M', 'W' or 'D' or"
              " empty; no signature and CRLF taken",
        header=["schueler_nachname", "schueler_vorname", "schueler_geburtsdatum", "schueler_geburtsort",
                "schueler_geschlecht", "schueler_email"]),
    "elaisa_schueler": dict(
        source="Elaisa (KSE Software: pupils' school-transport tickets, the Excel sheet for schools without the"
               " SIBANK interface)", language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Kann man über die SIBANK-Schnittstelle auch Daten aus anderen"
              " Programm einlesen?' (ksesoftware.freshdesk.com/support/solutions/articles/9000022607): 'Die"
              " Beschriftung und Reihenfolge Exceltabelle darf nicht geändert werden': NAME, VORNAME, KLASSE,"
              " GEBOREN ('01.01.2001'), STRASSE ('Straße und Hausnummer'), PLZ, ORT ('Nur die Gemeinde'), ORTSTEIL,"
              " LINIE ('X' for a ticket), HALTESTELL, TITEL_W, NAME_W, VORNAME_W (the mother), TITEL_M, NAME_M,"
              " VORNAME_M (the father); the stored copy ends there, so the list does. The sheet saved as 'CSV"
              " UTF-8' by a German Excel (';', a signature, CRLF: code page 1252 would lose the Polish and Czech"
              " pupils' letters)",
        header=["NAME", "VORNAME", "KLASSE", "GEBOREN", "STRASSE", "PLZ", "ORT", "ORTSTEIL", "LINIE", "HALTESTELL",
                "TITEL_W", "NAME_W", "VORNAME_W", "TITEL_M", "NAME_M", "VORNAME_M"]),
    "schulmanager_schueler": dict(
        source="Schulmanager Online (German school management: 'Importe aus CSV-/Excel-Dateien', the pupils)",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importe aus CSV-/Excel-Dateien' (schulmanager.zammad.com/help/de-de/9-datenimport/"
              "204-importe-aus-csv-excel-dateien): Geschlecht, Rufname, Alle Vornamen, Nachname, Fremdschlüssel,"
              " Eintrittsdatum, Austrittsdatum, Klasse, Geburtstag/Geburtsdatum (written 'Geburtsdatum' here),"
              " Geburtsort, Jahrgangsstufe, E-Mail-Adresse Elternteil 1, E-Mail-Adresse Elternteil 2,"
              " Telefonnummer Elternteil 1, Telefonnummer Elternteil 2, E-Mail-Adresse Schüler:in, in this order;"
              " the single-sign-on address left out. A sheet saved as 'CSV UTF-8' by a German Excel (';', a"
              " signature, CRLF)",
        header=["Geschlecht", "Rufname", "Alle Vornamen", "Nachname", "Fremdschlüssel", "Eintrittsdatum",
                "Austrittsdatum", "Klasse", "Geburtsdatum", "Geburtsort", "Jahrgangsstufe",
                "E-Mail-Adresse Elternteil 1", "E-Mail-Adresse Elternteil 2", "Telefonnummer Elternteil 1",
                "Telefonnummer Elternteil 2", "E-Mail-Adresse Schüler:in"]),
    "eyecare_customers": dict(
        source="Eyecare Studio (an optician's web shop: 'Import Customers')", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the shop's admin page 'Import Customers' (www.eyecare-studio.com/admin/customers/import): 'First row"
              " of the CSV file should be the column name': Username, First Name, Last Name, Email, Phone, DOB"
              " ('ISO 8601 Format (YYYY-MM-DD)'), Company, Address 1, Address 2, City, Postal Code, State, Country"
              " ('English Shortname or ISO 3166-1 Alpha-2 or ... Alpha-3'), User Group, Reward Points, Membership"
              " Tier ('1, 2 or 3'), Membership Expiry, Membership Accumulation, Accumulation Date, Accept Marketing"
              " ('Yes/No'); UTF-8 without a signature and CRLF taken",
        header=["Username", "First Name", "Last Name", "Email", "Phone", "DOB", "Company", "Address 1", "Address 2",
                "City", "Postal Code", "State", "Country", "User Group", "Reward Points", "Membership Tier",
                "Membership Expiry", "Membership Accumulation", "Accumulation Date", "Accept Marketing"]),
    "aylocare_customers": dict(
        source="Aylocare (care and appointment booking: 'Mass import your customers')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's docs 'Importing Users Through Template' (docs.aylocare.com/docs/customer-records/"
              "import-customers): 'Do Not Alter Column Names', the example 'First Name,Last Name,Country Code,Phone"
              " Number,Email,Send Invitation (Yes/No)' with rows like 'John,Doe,+1,5551234567,...,No': the"
              " country's code apart from the number; CSV or TXT; UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Country Code", "Phone Number", "Email", "Send Invitation (Yes/No)"]),
    "portos_zakaznici": dict(
        source="PORTOS (Slovak till system: PORTOS Link, 'Zákaznícke účty', the customer cards' CSV)",
        language="en", separator=";", encoding="cp1250", documented_as="field list",
        where="the vendor's docs 'Zákaznícke účty' (docs.portos.sk/link/import-a-export-udajov/zakaznicke-ucty),"
              " 'Formát CSV pre verziu aplikácie 4 a novšiu': CardSerialNumber, FirstName, LastName, FullName"
              " ('Názov zákazníckej karty ... Ak nie je uvedené, použije sa kombinácia mena a priezviska'),"
              " DiscountRate, CreditRate; the stored copy breaks off after CreditRate, so the list ends there. The"
              " same file serves export and import; separator and code page are not shown: ';' and code page 1250"
              " (a Slovak Windows) and CRLF taken",
        header=["CardSerialNumber", "FirstName", "LastName", "FullName", "DiscountRate", "CreditRate"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Czech: EOS club platform (eos.cz 'Import členů': the column names are in the sample file only),"
    " pohodlne.info (membership described, no import columns)",
    "Polish: DEWELOPER System consents (deweloperserwer.eu: 'Plik bez nagłówka', no header row to take)",
    "Slovene and Croatian: Quibi (fields mapped by hand, no names)",
    "German: KissCal, Salonized and keinaufwand (fields mapped by hand or only described), fehlzeitenerfassung.de"
    " (the column names are not in the stored copy), Inteo (the same engine as Flox / ByznysWeb, already in"
    " unseen_headers.py)",
    "English: SuperSaaS, Setmore, Sendcloud, Holvi (nothing stored with a column list)",
]
