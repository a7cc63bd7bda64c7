"""Headers of the eighty-eighth held-out set (tests/prep/corpus/eightyeighth):
none of these sources is in headers.py nor in any of the later *_headers.py
files, nor in layouts_test.py, nor in their NOT_FOUND lists. The entries are
as in headers.py: source, language of the columns' names, separator and
encoding of the export, how the header is documented ("header row": the
source shows the row itself; "field list": it lists the names in this order)
and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.

Four sources, not six: the German-language club, trades, practice and office
tools looked at are mostly in the earlier sets already, and of the rest most
name a template download or map columns by hand (see NOT_FOUND).
"""

SOURCES = {
    "verbandonline_mitglieder": dict(
        source="VerbandOnline (German club and association administration: the members' import)",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the import's field table of the vendor's demo (verbandonline.org/demo/?action=members_import&cmd="
              "felder): 'Feldname / Bedeutung / mögliche Werte': id ('aus dem Export - unverändert belassen'),"
              " anrede ('Herr', 'Frau', 'Herr*Frau', 'Familie'), titel, vorname, nachname, mitgliedsnummer,"
              " funktion, foto, suchwoerter, emailgp ('E-Mail an': privat, geschäftlich, Vereinsemail, keine"
              " E-Mails), emailapp, postgp, rechnunggp, ansprache ('per Du', 'per Sie'), then the private address"
              " and numbers p_co ('privat: c/o'), p_strasse, p_land, p_plz, p_ort, p_telefon, p_fax, p_mobil,"
              " p_email, p_homepage, p_familienstand, p_freigabe, then firma ('Name der Firma') and the business"
              " address g_co, g_strasse, g_land, g_plz, g_ort, g_postfach, g_land_postfach, g_plz_postfach,"
              " g_ort_postfach; the stored copy breaks off there, so the list does. Separator and code page are"
              " not shown: a sheet saved as 'CSV UTF-8' by a German Excel (';', a signature, CRLF) taken",
        header=["id", "anrede", "titel", "vorname", "nachname", "mitgliedsnummer", "funktion", "foto",
                "suchwoerter", "emailgp", "emailapp", "postgp", "rechnunggp", "ansprache", "p_co", "p_strasse",
                "p_land", "p_plz", "p_ort", "p_telefon", "p_fax", "p_mobil", "p_email", "p_homepage",
                "p_familienstand", "p_freigabe", "firma", "g_co", "g_strasse", "g_land", "g_plz", "g_ort",
                "g_postfach", "g_land_postfach", "g_plz_postfach", "g_ort_postfach"]),
    "pccaddie_personen": dict(
        source="PC CADDIE (golf club administration in Germany, Austria and Switzerland: 'Daten aus anderen"
               " Programmen importieren', the persons)", language="de", separator="\t", encoding="cp1252",
        documented_as="header row",
        where="the vendor's manual 'Datenimport' (doku.pccaddie.net, de:personen:datenimport:datenimport): 'nutzen"
              " Sie die erste Zeile für eine Überschrift pro Spalte, z.B. Titel, Vorname, Nachname, PLZ, Ort,"
              " Straße, Geburtsdatum', 'Titel und Nachname getrennt in zwei Spalten'; 'Die verschiedenen Felder"
              " sollten durch einen Tabulator oder ein Semikolon voneinander getrennt sein'. That example row is"
              " the header; a tab, a German Excel's 'Text (Tabstopp-getrennt)' in code page 1252 and CRLF taken",
        header=["Titel", "Vorname", "Nachname", "PLZ", "Ort", "Straße", "Geburtsdatum"]),
    "centron_kunden": dict(
        source="c-entron (ERP and CRM for IT service firms: 'Kundenstammdatenimport', the sheet 'Kunden')",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Kundenstammdatenimport' (hilfe.c-entron.de/de/systemhaus-erp/Working-version/"
              "kundenstammdatenimport), its 'Feldbeschreibungen': Kundennummer, Buchhaltungsnummer, Matchcode,"
              " Name ('Firmenbezeichnung des Kunden'), Telefon ('(Zentrale)'), Fax, Email, Faxverteiler and"
              " Mailverteiler ('1= aktiv / 0=inaktiv'), Website, Steuernummer, Umsatzsteueridentifikationsnummer,"
              " Handelsregister, 'Firmenkunde / Endkunde / Händler / Interessent' ('1= aktiv / 0=inaktiv;"
              " schließen sich gegenseitig aus', taken as four columns); the stored copy breaks off after them"
              " (the main address and main contact person the sheet also holds are not named), so the list does."
              " The template's sheet saved as 'CSV UTF-8' by a German Excel (';', a signature, CRLF) taken",
        header=["Kundennummer", "Buchhaltungsnummer", "Matchcode", "Name", "Telefon", "Fax", "Email",
                "Faxverteiler", "Mailverteiler", "Website", "Steuernummer", "Umsatzsteueridentifikationsnummer",
                "Handelsregister", "Firmenkunde", "Endkunde", "Händler", "Interessent"]),
    "ice_adressen": dict(
        source="ICE (icesoftware.de: a German small-business program's customers and suppliers with their"
               " contact persons, 'Daten importieren - Adressen')", language="de", separator=";",
        encoding="cp1252", documented_as="field list",
        where="the vendor's help 'Daten importieren - Adressen' (icesoftware.de/hilfe/import_address.htm), its"
              " table 'Feld / Beschreibung': Nr ('Adressennummer'), Typ ('0 = Kunde und Wert 1 für Lieferant'),"
              " Name1 ('Name der Firma. Falls dieser fehlt ... einen Einzelkontakt anzulegen'), Land ('als"
              " Länderkennzeichen (z.B. D) oder in Langform (z.B. Deutschland)'), PLZ, Kategorie, then 'Felder"
              " für Ansprechpartner und Einzelkontakte': AP-name ('nur der Nachname der Person'), AP-zusatz"
              " ('Jun. oder Sen.'), AP-anrede, whose note names AP-Titel and AP-Vorname as written here. The"
              " stored copy has blank rows where further fields stand (street, town and the numbers are not"
              " named), so only these are taken. Separator and code page are not shown: ';', code page 1252 (a"
              " German Windows program) and CRLF taken",
        header=["Nr", "Typ", "Name1", "Land", "PLZ", "Kategorie", "AP-name", "AP-zusatz", "AP-anrede", "AP-Titel",
                "AP-Vorname"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Clubs: Vereinsplaner (Austria: only the template's columns S to V are named), Verein.cloud (headers"
    " recognised, none listed), netxp-verein (one 'X' column per group or fee, the rest not named), ComMusic"
    " (the field order is set by the user), intelliverein and GLS Vereinsmeister (entry screens only), the Swiss"
    " Alpine Club's member list (its column names stored only in a page comparison mixing French and German),"
    " DFBnet Verein (club data only)",
    "Trades and office: erwin (CompanyName and the location's columns named, the contact's family name column"
    " not), TopKontor Handwerk (upgrade notes only), bswork (fields mapped by hand), ounuo, 1Tool, Lukify and"
    " CAS genesisWorld (fields mapped by hand or only described), c-entron's sheets 'Anschriften' and"
    " 'Ansprechpartner' (their column names not stored)",
    "Practices: lemniscus (imports from eTermin over its API), RoCas Heilpraxis, ChiroCloud, prophysio and"
    " latido (patient screens described, no file), GTDS (no header row allowed)",
    "Law and tax offices: RA-MICRO, Advoware and diekanzleiverwaltung (address screens only), Actaport (nothing"
    " stored), GrundsteuerDigital and TaxDome (templates are downloads)",
]
