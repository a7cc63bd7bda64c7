"""Headers of the ninety-eighth held-out set (tests/prep/corpus/ninetyeighth):
address lists for mail merges, letter and card services and print houses'
mailings. None of these sources is in headers.py nor in any of the other
*_headers.py files, nor in layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "letterstream_recipients": dict(
        source="LetterStream (US letter mailing service: 'Address List Template' for a mailing's recipients)",
        language="en", separator=",", encoding="cp1252", documented_as="field list",
        where="the service's help 'Address List Template' (help.letterstream.com/article/502-address-list-request-"
              "template): 'The header row (row one) of your file should include these columns in this order':"
              " Name, Address1, City, State ('2-letter USPS abbreviation'), Zip; 'Optional Columns': Name2, Company,"
              " Address2, taken after them as the page lists them; 'Name2' for 'spouses or joint recipients'. Saved"
              " with Excel's 'CSV (Comma delimited)' (code page 1252 on a US Windows, CRLF), and 'Quotes (\") should"
              " wrap text fields': every field quoted",
        header=["Name", "Address1", "City", "State", "Zip", "Name2", "Company", "Address2"]),
    "banta_mailing": dict(
        source="Banta (a US printer's direct mail services, bds.banta.com: 'List Requirements' for a mailing list)",
        language="en", separator=",", encoding="cp1252", documented_as="header row",
        where="the printer's page 'List Requirements' (www.bds.banta.com/listRequirements.asp): 'COMMA DELIMITED IS"
              " OUR PREFERENCE', records with 'a carriage return line (CR/LF)', 'Example of a Good File Format':"
              " Keyline, FName, Lname, Title, Company, Address, City, State, Zip, Country, with rows such as '2 | Sue"
              " | Richards | IT Manager | | 1 Main Street | Kansas City | MO | 64105 | USA'; states and Canadian"
              " provinces as two capitals, 'Country names should NOT be abbreviated' (its own example writes 'USA')."
              " 'IBM compatible': code page 1252 taken",
        header=["Keyline", "FName", "Lname", "Title", "Company", "Address", "City", "State", "Zip", "Country"]),
    "powerecard_empfaenger": dict(
        source="Power eCard (German e-greeting cards for firms: 'Empfänger importieren' into the address book)",
        language="en", separator=";", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Legacy Import' (support.power-ecard.com/de/kb/legacy-import/): 'Die zu"
              " importierende Datei muss im CSV-Format oder TXT-Format UTF-8 codiert sein und der vorgegebenen"
              " Struktur entsprechen: firstname;lastname;email;gender;title;company;group;', the rows likewise ending"
              " in ';' (so an empty last column), gender as 'hr', 'm', 'herr', 'mr', ... or 'fr', 'f', 'frau', 'ms',"
              " ..., titles such as 'Dr' and 'Prof.Dr.'; no signature, CRLF taken",
        header=["firstname", "lastname", "email", "gender", "title", "company", "group", ""]),
    "printalliance_adressen": dict(
        source="Print Alliance (Austrian print house: 'Adressdaten für Mailings', the address file for a mailing)",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the print house's customer page 'Adressdaten für Mailings' (printalliance.at/kundenzone/"
              "adressdaten-fuer-mailings): 'Excel und csv-Dateien mit Semikolon als Trenner', 'eigene Spalten':"
              " Firma, Anrede, Titel, Vorname, Nachname, 'Straße und Hausnummer (bitte in einer Spalte)', PLZ, Ort;"
              " for addresses outside Austria 'eine weitere Spalte Land mit dem ausgeschriebenen Empfänger-Land (z.B."
              " DEUTSCHLAND, aber nicht DE oder D-)'; 'Optional kann z.B. noch eine Spalte Kundennummer angelegt"
              " werden', taken last. The street's column named as the page names it. Saved as 'CSV UTF-8' by an"
              " Austrian Excel (';', a signature, CRLF: code page 1252 would lose the Czech and Slovak letters)",
        header=["Firma", "Anrede", "Titel", "Vorname", "Nachname", "Straße und Hausnummer", "PLZ", "Ort", "Land",
                "Kundennummer"]),
    "scholma_adressen": dict(
        source="Scholma (Dutch printer: 'Adresbestanden aanleveren', the address file for mailing its print)",
        language="nl", separator=";", encoding="utf-8", documented_as="header row",
        where="the printer's page 'Adresbestanden aanleveren' (www.scholma.nl/adresbestanden-aanleveren/ and"
              " www.scholma.nl/adresbestanden/): 'CSV (UTF-8)', 'boven elke kolom een kolomnaam ... op de eerste"
              " regel', 'max. 3 naamvelden', the layout 'Naamveld1 Naamveld2 Naamveld3 Straat Huisnummer Toevoeging"
              " Postcode Plaats Land' with rows such as 'Winkelbedrijf | Mister X | Viaweg | 74 | | 8741 ZX |"
              " Woonplek | NL' (each example row also starts with a number, 101 or 102, under no column name: not"
              " taken). The KIX code's own column has no name there, so it is left out. Saved as 'CSV UTF-8' by a"
              " Dutch Excel (';', a signature, CRLF)",
        header=["Naamveld1", "Naamveld2", "Naamveld3", "Straat", "Huisnummer", "Toevoeging", "Postcode", "Plaats",
                "Land"]),
    "manuscry_contacts": dict(
        source="Manuscry (French handwritten cards and letters: 'Importer un CSV de contacts', private recipients"
               " in France)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the service's help 'Importer un CSV de contacts' (help.manuscry.com/fr/article/importer-un-csv-de-"
              "contacts-1xq3j34/), 'Destinataire particulier en France': 'La première ligne du CSV doit toujours"
              " être la ligne d'entête': identifier ('Identifiant unique du contact (email recommandé ou numéro dans"
              " CRM)'), address_name ('Nom et prénom du destinataire sur l'enveloppe'), address_line1, address_line2"
              " ('complément d'adresse facultatif'), address_zip, address_city. The country's line after them is"
              " named 'address_city' again in the stored copy, a slip whose real name it does not give, so the list"
              " ends with the city; the firm's and the foreign recipients' lists are cut off there. UTF-8 without a"
              " signature, ',' and CRLF taken",
        header=["identifier", "address_name", "address_line1", "address_line2", "address_zip", "address_city"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Mail merge and labels: Avery Design & Print and Herma or Zweckform label software (no column list stored),"
    " printformer (its address template is a download), Word's mail merge (fields named by the user)",
    "Letter and card services: Click2Mail (the example is a picture), PostGrid ('You can name columns however"
    " you like'), thanks.io (columns mapped by hand to its fields), Paperless Post and Top Producer's postcards"
    " (no columns in the stored copies)",
    "Postal services: Swiss Post's WebStamp (address import described, no columns), Deutsche Post's Dialogpost"
    " Manager (only the manual's contents stored), Internetmarke (nothing stored)",
    "Print and mailing houses: Modern Postcard and letterprinting.net (free column names), optilyz (placeholders"
    " named after the user's columns), mailwork (the layout is a picture)",
]
