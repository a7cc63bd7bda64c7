"""Headers of the sixty-first held-out set (tests/prep/corpus/sixtyfirst):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftyninth_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. Every one names its columns in
a language other than English. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself; "field
list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "fivaldi_yritykset": dict(
        source="Fivaldi (Visma's Finnish accounting suite: 'CSV-siirto', the company register's fields)",
        language="fi", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'CSV-siirto yritysrekisterin kentät' (support.fivaldi.fi/support/"
              "solutions/articles/77000566956): 'Ohjelma tunnistaa CSV-kentän nimi -sarakkeessa olevat"
              " sarakenimet': ASIAKASTUNNUS ('Yritystunnus (Pakollinen)'), NIMI1 ('Yrityksen nimi'), NIMI2"
              " ('Yrityksen lisänimi'), PUHELIN, MATKAPUHELIN, TELEFAX, YHTEYDENOTTOTAPA ('001', '002' ...),"
              " KORONESTO and KARHUESTO (' ' or 'X'), MAKSUEHTO, ASIAKASRYHMA, ASIAKASSEGMENTTI, LUOTTOKIELTO,"
              " KIELIKOODI ('FIN', 'SWE', 'ENG'), LUOTTORAJA (N16,6); the stored copy breaks off at LUOTTORAJA, so"
              " the list ends there (no address or mailbox columns are in it). Separator and encoding are not"
              " shown: ';' (a Finnish Excel), UTF-8 with a signature (so the Czech, Polish and Hungarian firms keep"
              " their letters) and CRLF taken",
        header=["ASIAKASTUNNUS", "NIMI1", "NIMI2", "PUHELIN", "MATKAPUHELIN", "TELEFAX", "YHTEYDENOTTOTAPA",
                "KORONESTO", "KARHUESTO", "MAKSUEHTO", "ASIAKASRYHMA", "ASIAKASSEGMENTTI", "LUOTTOKIELTO",
                "KIELIKOODI", "LUOTTORAJA"]),
    "sacoche_eleves": dict(
        source="SACoche (Sésamath's competence assessment for schools: 'Import d'utilisateurs avec un tableur',"
               " the pupils)", language="fr", separator=";", encoding="utf-8", documented_as="header row",
        where="the project's documentation 'Import d'utilisateurs avec un tableur' (sacoche.sesamath.net/"
              "index.php?page=documentation__support_administrateur__import_users_tableur), 'Importer les élèves"
              " (avec leurs affectations)': the sheet's first row numéro, genre, nom, prenom, date naiss.,"
              " courriel, classe, groupes, with rows like 'ele_534 F LAFERMETURET Claire 29/05/2002"
              " moi@domaine.fr 3E C3 latin|ODP'; genre '1', 'G', 'M' or 'M.' for a boy, '2', 'F' or 'MME' for a"
              " girl, or empty; the procedure is for schools outside the French system. The page shows the"
              " sheet, not the file: a French Excel's 'CSV UTF-8' (';', a signature, CRLF) taken",
        header=["numéro", "genre", "nom", "prenom", "date naiss.", "courriel", "classe", "groupes"]),
    "amn_deelnemers": dict(
        source="AMN Insight (Dutch career and talent tests for vocational schools: 'Inlezen deelnemers')",
        language="nl", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importbestand maken' (docs.amn.nl/insight-help/knop-deelnemers/"
              "importbestand-maken): 'Verplichte velden' deelnemersnummer, voornaam, voorvoegsel ('alleen als er"
              " een voorvoegsel is'), achternaam; 'Vaak verplichte velden' geboortedatum, geslacht, groep,"
              " crebonummer, email ('handig om de uitnodiging- of resultaten vanuit AMN toe te sturen'),"
              " gebruikersnaam ('Gebruikersnaam is altijd een e-mailadres'), in this order; 'Excel (xlsx) of"
              " comma-gescheiden bestand (csv)'. A school administration system's export: ',' as the page says,"
              " UTF-8 without a signature and CRLF taken",
        header=["deelnemersnummer", "voornaam", "voorvoegsel", "achternaam", "geboortedatum", "geslacht", "groep",
                "crebonummer", "email", "gebruikersnaam"]),
    "testcorrect_klaslijst": dict(
        source="Test-Correct (Dutch digital testing for secondary schools: 'Klaslijst uploaden')",
        language="nl", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Klaslijst uploaden' (support.test-correct.nl/knowledge/klas-uploaden):"
              " without its own template a file must hold 'De volgende gegevens ieder in een eigen kolom:"
              " Voornaam, Tussenvoegsel, Achternaam, Stamnummer, E-mailadres'; the two optional columns (time"
              " dispensation, text to speech) are described but not named, so they are left out. 'Excel-format"
              " ... of een ander spreadsheet format': a Dutch Excel's 'CSV UTF-8' (';', a signature, CRLF) taken",
        header=["Voornaam", "Tussenvoegsel", "Achternaam", "Stamnummer", "E-mailadres"]),
    "bjs_teilnehmer": dict(
        source="Bundesjugendspiele (the German school sports games' evaluation tool: 'Teilnehmer/innendaten"
               " importieren')", language="de", separator=";", encoding="cp1252", documented_as="field list",
        where="the games' help answer 'Der Importvorgang der Teilnehmerinnen- und Teilnehmerdaten gelingt nicht'"
              " (beta.bundesjugendspiele.de/?p=12220): 'Halten Sie sich an die hier aufgeführte Spaltenanzahl und"
              " Bezeichnung': Spalte1 Name, Spalte2 Vorname, Spalte3 Klasse, Spalte4 Geburtsdatum, Spalte5"
              " Geschlecht ('m oder w'), Spalte6 Startklasse Handicap ('kann entfallen'); Excel or CSV. A German"
              " Excel's 'CSV (Trennzeichen-getrennt)': ';', code page 1252, CRLF taken",
        header=["Name", "Vorname", "Klasse", "Geburtsdatum", "Geschlecht", "Startklasse Handicap"]),
    "bbsverwaltung_schueler": dict(
        source="BBS-Verwaltung (administration for German vocational schools: 'Import aus Excel- oder"
               " CSV-Tabellen', the pupils)", language="de", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help 'CSV-Format' (bbs-verwaltung.zammad.com/help/de-de/"
              "14-import-aus-excel-oder-csv-tabellen/37-csv-format): 'Die Spalten der CSV-Datei müssen mit \";\""
              " getrennt werden', 'Die Reihenfolge der Spalten ist egal', the keywords GUID or Import-ID, EMAIL,"
              " Klasse, Vorname, Nachname or Name, KURSE or Kursnamen ('mit Komma getrennt'), Account"
              " ('Accountname (vorderer Teil der EMail-Adresse)'), BG, KlSt, P1 to P5; one keyword of each is"
              " taken (Import-ID, Nachname, KURSE), GUID left out. 'Eine automatische UTF8-Erkennung ist beim"
              " Zeichensatz möglich': UTF-8 without a signature and CRLF taken",
        header=["Import-ID", "Vorname", "Nachname", "Klasse", "EMAIL", "Account", "KURSE", "BG", "KlSt", "P1",
                "P2", "P3", "P4", "P5"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "French: Evaluation21 (cse.ch: the pupils' column titles are in its sample file only), Stunov (the staff"
    " template's columns are below the stored part), idruide (the education template's names are English)",
    "Dutch and Flemish: Informat (only the new import fields are named), Colibris (a template download),"
    " Kwizl (the file's conditions are not in the stored copy), Toetsplatform Taal / TaalPerfect (English"
    " labels in brackets), Genkgo (columns mapped by hand), WebLab (a proposed format in an issue, not a"
    " documented one)",
    "German: SDS / CSS Group till (fields mapped by hand), TraiNex (any five headings), Surface Solutions (an"
    " export re-imported, no names)",
    "Spanish and Italian: Doctoralia / Docplanner and Timp (columns mapped by hand), Uidapo (six free columns),"
    " Danze (Latin American, English names)",
    "Nordic and Baltic: Heyloyalty (field values only), Opter's Estonian customer import and Norgate OTrader"
    " (columns chosen or mapped by hand)",
]
