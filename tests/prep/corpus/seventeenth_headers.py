"""Headers of the seventeenth held-out set (tests/prep/corpus/seventeenth):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to sixteenth_headers.py
nor layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself, in its help, in a sample file, or a program that reads or writes
the file spells it out; "field list": it lists the names in this order) and
where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the export's setting rather than a fixed property, or the source
does not show it, the note says so too. The sources are CRMs and sales tools,
lead capture at a trade fair, a non-profit's import of a parliamentary
directory, a scholarship office's donors, club membership, an event's
suppliers, a personal trainer's booking app and a school's alerting app.
"""

SOURCES = {
    "leadradar_leads": dict(
        source="LeadRadar (Swiss trade-fair lead capture: its admin export of leads, contacts and form data)",
        language="en", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's 'CSV Contract — LeadRadar Export' v1.1 (stored file id 22589857949, and v1.0 as"
              " 22596115742): 'Beispiel: Header (gekürzt)' 'tenant_slug;event_id;event_name;form_id;form_name;"
              "lead_id;lead_created_at;lead_updated_at;contact_source;contact_first_name;contact_last_name;"
              "contact_full_name;contact_company;contact_title;contact_email;contact_phone;contact_mobile;"
              "contact_website;contact_linkedin_url;contact_street;contact_zip;contact_city;contact_country;"
              "ocr_status;ocr_confidence;ocr_warnings;business_card_attachment_id;business_card_image_url;"
              "business_card_image_sha256;f_interest_product;f_notes': 29 fixed columns, then the form's own"
              " ('f_<fieldKey>', the two of the example taken); ';' by default, UTF-8 ('BOM optional; empfohlen"
              " für Excel/Windows'), LF recommended; ISO UTC times, booleans 'true'/'false', multi-select values"
              " joined by ';' whatever the separator, cells quoted only when they hold the separator, '\"' or a"
              " line break",
        header=["tenant_slug", "event_id", "event_name", "form_id", "form_name", "lead_id", "lead_created_at",
                "lead_updated_at", "contact_source", "contact_first_name", "contact_last_name", "contact_full_name",
                "contact_company", "contact_title", "contact_email", "contact_phone", "contact_mobile",
                "contact_website", "contact_linkedin_url", "contact_street", "contact_zip", "contact_city",
                "contact_country", "ocr_status", "ocr_confidence", "ocr_warnings", "business_card_attachment_id",
                "business_card_image_url", "business_card_image_sha256", "f_interest_product", "f_notes"]),
    "kuerschner_liste": dict(
        source="Kürschner (the German parliamentary directory: its list export, as a non-profit's CiviCRM reads"
               " it with SYSTOPIA's committees extension)", language="de", separator=";",
        encoding="iso-8859-1", documented_as="header row",
        where="systopia/de.systopia.committees, docs/importer/kuerschner/index.md (stored file id 9261907657):"
              " 'You need a CSV file, ISO-8859-1 encoded with the following set of headers present' and the row"
              " 'LfdNr;AusgabeGesNamenszeile;Nachname;Vorname;Praefix;Titel;Geschlecht;Fraktion;Parlament;"
              "Funktion_Amt;Gremien;AnredeHerrnFrau;PosAnrede;Email1;Internet;Facebook;Twitter;Instagram;"
              "AdresseParl;AdresszusatzParl;StrassePostfachParl;PLZParl;OrtParl;EUMitgliedslandParl;"
              "TelefonvorwahlParl;TelefonnummerParl;MitarbeiterPARL;MinisteriumAmtReg;RAdresszusatz1;"
              "RAdresszusatz2;RAdresszusatz3;StrassePostfachReg;PLZReg;OrtReg;EUMitgliedslandReg;"
              "TelefonvorwahlReg;TelefonnummerReg;Wahlkreis;AdresszusatzWK;StrassePostfachWK;PLZWK;OrtWK;"
              "EUMitgliedslandWK;TelefonvorwahlWK;TelefonnummerWK' (45 columns), set up in Kürschner's export"
              " backend (screenshots only); the line end is not shown (CRLF taken: a Windows export backend)",
        header=["LfdNr", "AusgabeGesNamenszeile", "Nachname", "Vorname", "Praefix", "Titel", "Geschlecht",
                "Fraktion", "Parlament", "Funktion_Amt", "Gremien", "AnredeHerrnFrau", "PosAnrede", "Email1",
                "Internet", "Facebook", "Twitter", "Instagram", "AdresseParl", "AdresszusatzParl",
                "StrassePostfachParl", "PLZParl", "OrtParl", "EUMitgliedslandParl", "TelefonvorwahlParl",
                "TelefonnummerParl", "MitarbeiterPARL", "MinisteriumAmtReg", "RAdresszusatz1", "RAdresszusatz2",
                "RAdresszusatz3", "StrassePostfachReg", "PLZReg", "OrtReg", "EUMitgliedslandReg",
                "TelefonvorwahlReg", "TelefonnummerReg", "Wahlkreis", "AdresszusatzWK", "StrassePostfachWK",
                "PLZWK", "OrtWK", "EUMitgliedslandWK", "TelefonvorwahlWK", "TelefonnummerWK"]),
    "campuslogic_donors": dict(
        source="CampusLogic (a university's scholarship management: its donors' import file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Import Donors' (campuslogicinc.freshdesk.com/support/solutions/"
              "articles/5000786004-import-donors): 'The bulk user import process uses a CSV file with the"
              " following fields': Name, Description, Active, Alumni, Public, Internal ID, Internal Note, Address"
              " Line 1, Address Line 2, Country, City, State, Zipcode, Phone 1, Phone 1 Ext, Phone 2, Phone 2 Ext,"
              " Email, Website; 'The user import file requires the headers given above for any situation, in the"
              " same format and in the order listed'; Active, Alumni and Public 'Y'/'N', the state abbreviated"
              " ('AZ'), a phone 'a complete 10 digit number', values with commas quoted; the encoding and line"
              " end are not given (UTF-8 and CRLF taken, a file saved from Excel)",
        header=["Name", "Description", "Active", "Alumni", "Public", "Internal ID", "Internal Note",
                "Address Line 1", "Address Line 2", "Country", "City", "State", "Zipcode", "Phone 1",
                "Phone 1 Ext", "Phone 2", "Phone 2 Ext", "Email", "Website"]),
    "obchodnici_kpi": dict(
        source="a Slovak sales team's KPI tool (its manager's weekly CSV export of the salespeople,"
               " 'view_reports_Tyden<week>.csv')", language="sk", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the tool's script (stored file id 43290256241), exportCSV: the row ['Meno','Priezvisko','E-mail',"
              "'Kontakty','Oslovenia','Stretnutia','Ponuky','Objednávky','Obrat (€)','Provízia','Bonus','KPI'],"
              " then per salesperson the name kept as one string split at its first space (the first word"
              " 'Meno', the rest 'Priezvisko'), the mailbox as imported in lower case, counts, revenue, the"
              " commission as (revenue*0.2).toFixed(2), a bonus of 200 or 0 and 'Splnené' or 'Nesplnené';"
              " cells joined by ';' unquoted, rows by '\\n' with none after the last; a Blob of"
              " 'text/csv;charset=utf-8' with no signature",
        header=["Meno", "Priezvisko", "E-mail", "Kontakty", "Oslovenia", "Stretnutia", "Ponuky", "Objednávky",
                "Obrat (€)", "Provízia", "Bonus", "KPI"]),
    "schach_mitglieder": dict(
        source="a German chess club's administration app (its members' import, filled in from the app's"
               " template 'mitglieder-import-vorlage.csv')", language="de", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the app's import page (stored file id 53204350773): the template 'Vorname;Nachname;E-Mail;"
              "Telefon;Geburtsdatum;Geschlecht;DWZ;Elo;DWZ-ID;Lichess-Benutzername;Chess.com-Benutzername;Rolle;"
              "Status;Foto-Einwilligung;Newsletter-Einwilligung;Notizen' with two sample rows, and its notes:"
              " 'Trennzeichen: Semikolon (;)', 'Kodierung: UTF-8 empfohlen', 'Datum: YYYY-MM-DD oder DD.MM.YYYY',"
              " roles 'admin, vorstand, sportwart, jugendwart, kassenwart, trainer, mitglied, eltern', statuses"
              " 'active, inactive, resigned, honorary', flags 'ja/nein, yes/no, true/false'; the file is the"
              " club's own, saved from the template (Excel's 'CSV UTF-8': the signature and CRLF taken)",
        header=["Vorname", "Nachname", "E-Mail", "Telefon", "Geburtsdatum", "Geschlecht", "DWZ", "Elo", "DWZ-ID",
                "Lichess-Benutzername", "Chess.com-Benutzername", "Rolle", "Status", "Foto-Einwilligung",
                "Newsletter-Einwilligung", "Notizen"]),
    "grossanlass_anfragen": dict(
        source="a Swiss event organiser's app for a large event (Grossanlass: its suppliers' inquiry sheet)",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's inquiry sheet parser test (stored file id 63355076971) and its page's CSV template"
              " (stored file id 66564417558): 'Firma;Ort / Adresse;Webseite;Branche / Typ;Was;Hinweise;Anrede;"
              "Vorname;Nachname;E-Mail;Telefon;Bemerkung' with the row 'Muster AG;Bern;https://muster.example;"
              "Fahrzeuge;Anhänger;nur Anfrage;Herr;Hans;Muster;info@muster.example;031 000 00 00;intern', a"
              " Blob of 'text/csv;charset=utf-8' (no signature), LF",
        header=["Firma", "Ort / Adresse", "Webseite", "Branche / Typ", "Was", "Hinweise", "Anrede", "Vorname",
                "Nachname", "E-Mail", "Telefon", "Bemerkung"]),
    "trener_klienci": dict(
        source="a Polish personal trainer's booking app (PTScheduler: its clients' CSV export)", language="pl",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the app's DataExportService (stored file id 61522319689), ExportClientsCsvAsync: 'Id;Imię;"
              "Nazwisko;Email;Telefon;Cel treningowy;Data urodzenia;Status;Utworzono;Samorezerwacja', the clients"
              " ordered by family then given name, the mailbox of the client's account (empty without one), the"
              " birth date 'yyyy-MM-dd', the status's enum name, the creation 'yyyy-MM-dd HH:mm', 'Tak'/'Nie';"
              " a cell quoted only when it holds ';', '\"' or a line break; UTF-8's signature in front;"
              " AppendLine's line end (LF taken: a .NET server on Linux)",
        header=["Id", "Imię", "Nazwisko", "Email", "Telefon", "Cel treningowy", "Data urodzenia", "Status",
                "Utworzono", "Samorezerwacja"]),
    "crm_import_kontaktu": dict(
        source="a Czech CRM of an HR training programme (its contacts' import from CSV, synced to Airtable)",
        language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the CRM's import page (stored file id 54268281253): the sample 'Jméno;Příjmení;Email;Telefon;"
              "Firma;Pozice' / 'Jan;Novák;jan@firma.cz;+420 123 456 789;Firma s.r.o.;HR Manager', 'CSV soubor s"
              " oddělovačem čárkou (,) nebo středníkem (;)'; the page names further headers it reads (Oddělení,"
              " LinkedIn, Poznámka, Program), not in the sample row, so not taken; the file is read as UTF-8"
              " (a Czech Excel's 'CSV UTF-8 (oddělený středníkem)': the signature and CRLF taken)",
        header=["Jméno", "Příjmení", "Email", "Telefon", "Firma", "Pozice"]),
    "krisen_benutzer": dict(
        source="a Swiss special school's emergency and crisis alerting app (SOBE: its users' CSV import)",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's README (stored file id 59716757255), 'Benutzerverwaltung: manuelle Erfassung,"
              " CSV-Import (`Vorname;Nachname;E-Mail;Telefon;Rolle`), Rollen/Berechtigungen (Admin, Krisenstab,"
              " Mitarbeiter)'; the encoding and line end are not given (a staff list saved from Excel as 'CSV"
              " UTF-8': the signature and CRLF taken)",
        header=["Vorname", "Nachname", "E-Mail", "Telefon", "Rolle"]),
}

NOT_FOUND = [
    "Newsletter tools: Mailjet, Brevo under its old name Sendinblue (an API's import body only), a Slovak"
    " realtor's newsletter (already in sixteenth_headers.py's NOT_FOUND)",
    "Help desks: Zendesk Support and Freshdesk (already in seventh_headers.py's NOT_FOUND), Help Scout, Kayako,"
    " Gorgias: no column row found in the stored pages",
    "Non-profit donors: Bloomerang (only integration pages), Donorbox (its import page names fields by kind,"
    " not as a row), Donarius (fields that can be exported, chosen by the user: no fixed row)",
    "Booking: SimplyBook.me, Calendly (no column list found)",
    "Event registration: an event check-in app's ticket import ('Order #,Ticket Type,First Name,Last Name,"
    "Email,Status', read from Humanitix, which is in thirteenth_headers.py's NOT_FOUND)",
    "HR: an ADP job-change report (one row per change, several per employee: no contact list)",
    "Hungarian: a class reunion site's person fields (shown on a page, no file), a CRM reader's test (already"
    " in sixteenth_headers.py's NOT_FOUND)",
]
