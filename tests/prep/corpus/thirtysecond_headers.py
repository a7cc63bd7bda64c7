"""Headers of the thirty-second held-out set (tests/prep/corpus/thirtysecond):
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
    "hermes_versand": dict(
        source="Hermes Germany (parcel service: the CSV address import of its shipping portal, a small web shop's"
               " parcels)", language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="a stored Miller script that writes the Hermes address import from a Shopify orders export"
              " (gist.github.com/xoquox/c107cc153a2a79ff846f8b83d6ab9875, 'converting to Shopify oders_export.csv"
              " to the Hermes (Germany) CSV format for address import'): its output columns, in the order its"
              " 'cut -o -f' writes them: Vorname (20), Nachname/Firmenname (30), Adresszusatz (50), Strasse (27),"
              " Hausnummer (5), PLZ (10), Ort (30), Tel. Vorwahl (6), Telefonnummer (14), E-Mail-Adresse (70),"
              " Kundenreferenznummer (20), Paketklasse, Sperrgutkennzeichen; the stored copy breaks off there, so"
              " the list ends with it (the numbers in brackets are the portal's field lengths and part of the"
              " names); ';' as the script's '--ofs' sets it; UTF-8 without a signature and LF as Miller writes",
        header=["Vorname (20)", "Nachname/Firmenname (30)", "Adresszusatz (50)", "Strasse (27)", "Hausnummer (5)",
                "PLZ (10)", "Ort (30)", "Tel. Vorwahl (6)", "Telefonnummer (14)", "E-Mail-Adresse (70)",
                "Kundenreferenznummer (20)", "Paketklasse", "Sperrgutkennzeichen"]),
    "sokrates_schueler": dict(
        source="Sokrates Bund (Austrian federal school administration: the dynamic query '111 Schüler"
               " (Erziehungsberechtigte)' exported as CSV)", language="de", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the stored README of HaschekSolutions/lead_horizon_csv (github.com/HaschekSolutions/"
              "lead_horizon_csv), which reads this export: 'Dynamische Suche', query '111 Schüler"
              " (Erziehungsberechtigte)', 'Exportieren(CSV)', with the points chosen in this order: Klasse,"
              " Schülerkennzahl, Familienname, Vorname, Sozialversicherungsnummer, Geschlecht, Geburtsdatum, PLZ,"
              " Ort, Straße, Hausnummer, Mailadresse, TelefonNr 1; the README says the mail addresses are the"
              " parents' ('statt jene der Eltern aus dem Sokrates'); the separator and encoding are not shown:"
              " ';' (an Austrian Windows list separator), UTF-8 with a signature and CRLF taken",
        header=["Klasse", "Schülerkennzahl", "Familienname", "Vorname", "Sozialversicherungsnummer", "Geschlecht",
                "Geburtsdatum", "PLZ", "Ort", "Straße", "Hausnummer", "Mailadresse", "TelefonNr 1"]),
    "cuora_kontakte": dict(
        source="cuora (Swiss fundraising software for small charities: 'Anleitung: Kontakte importieren')",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's guide (www.mitcuora.ch/anleitung/kontakte-importieren): 'Folgende Spalten und Werte"
              " werden unterstützt': Anrede (Frau, Herr, Familie, Firma, Verein), Name, Vorname, Firma, Zusatz vor"
              " Strasse, Strasse, Hausnummer, Zusatz nach Strasse, PLZ, Ort, Land ('Ländercode ... oder"
              " Ländername'), Telefon, Mobile, Email, Zweite Email, Bemerkungen, Wünscht keinen Kontakt ('x = Ja'),"
              " Nicht verdanken, Kategorien ('mehrere Kategorien mit Komma separiert'); 'Die Schreibweise der"
              " Spaltentitel muss genau so sein'; the list is an Excel sheet: the file here is that sheet saved as"
              " 'CSV UTF-8' by a Swiss German Excel (';', a signature, CRLF: code page 1252 would lose the Czech"
              " donors' letters)",
        header=["Anrede", "Name", "Vorname", "Firma", "Zusatz vor Strasse", "Strasse", "Hausnummer",
                "Zusatz nach Strasse", "PLZ", "Ort", "Land", "Telefon", "Mobile", "Email", "Zweite Email",
                "Bemerkungen", "Wünscht keinen Kontakt", "Nicht verdanken", "Kategorien"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Polish: SMSAPI (only a repository name), WAPRO Mag (its exchange file is no CSV; no column names), SARE and"
    " e-pity (already used or no list)",
    "Czech: Bakaláři (only a third party's note on a column list the user picks), 1CLICK (a template download, no"
    " names), Mail-Komplet (no names), Zoner webmail (English column names)",
    "Slovak: PORTOS (English column names), Skladonline (a sample file, no names in the stored page)",
    "Romanian: Gomag, Taschi CRM and Kumulator (no column names)",
    "Croatian: necto (English column names, already used), e-računi (already used)",
    "German: AGFEO, shipcloud, WebUntis (nothing stored with a column list), KVS (only field positions in a"
    " script), Coachview (a template download, partly listed)",
]
