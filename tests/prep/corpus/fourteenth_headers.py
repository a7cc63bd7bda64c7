"""Headers of the fourteenth held-out set (tests/prep/corpus/fourteenth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py, ninth_headers.py, tenth_headers.py, eleventh_headers.py,
twelfth_headers.py, thirteenth_headers.py nor layouts_test.py, nor in their
NOT_FOUND lists (Zendesk's help desk is in seventh_headers.py's list; Zendesk
Sell, the CRM, is another product). The entries are as in headers.py:
source, language of the columns' names, separator and encoding of the export,
how the header is documented ("header row": the source shows the row itself,
in its help, in a sample file, or a program that reads or writes the file
spells it out; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
Eight rows are known only from a program that reads or writes the file (a
Czech advisers' CRM, a Czech studio's booking app, a Polish school's
messaging app, a Polish CRM, a Slovene address book, a Slovene lead form, a
Romanian messaging app, a German club's administration); the note names the
stored file. Four are warehouse tables as Fivetran's connectors write them,
saved as CSV from the warehouse.
"""

SOURCES = {
    "blogic_klienti": dict(
        source="BlogicCRM (a Czech CRM for financial advisers: the clients' export)", language="cs",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the CRM's CsvExportService (stored file id 55705444282), GenerateClientsCsv: 'Jméno;Příjmení;"
              "E-mail;Telefon;Rodné číslo;Věk', the phone and the birth number written as '=\"' + value + '\"'"
              " (a formula, so that Excel keeps them as text), a cell with '\"' quoted and its quotes doubled,"
              " AppendLine (the platform's line end; the firm's server is Windows: CRLF), ToUtf8BomBytes (UTF-8"
              " with a signature)",
        header=["Jméno", "Příjmení", "E-mail", "Telefon", "Rodné číslo", "Věk"]),
    "studio_klienti": dict(
        source="a Czech fitness studio's booking app (clients, credits and passes imported from a sheet)",
        language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's test of its import (stored file id 69545879069): 'Jméno;Příjmení;E-mail;Telefon;Kredit;"
              "Zbývající vstupy;Platnost do;Newsletter' with 'Jana;Nová;JANA@example.cz;777 111 222;3;5;"
              "31.12.2099;ano' and 'Petr;Bez;;777000000;0;0;;ne', joined by LF; numbers with or without spaces,"
              " 'ano'/'ne' flags, day-first dates; the encoding is the app's (UTF-8)",
        header=["Jméno", "Příjmení", "E-mail", "Telefon", "Kredit", "Zbývající vstupy", "Platnost do",
                "Newsletter"]),
    "szkola_odbiorcy": dict(
        source="a Polish school's messaging app (parents and pupils imported as recipients)", language="pl",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the app's test of its reader (stored file ids 70260301426 and 70401544647), 'polish header,"
              " semicolon delimiter, BOM, extra column, trimmed values': '\\xEF\\xBB\\xBFImię;Nazwisko;E-mail;"
              "Telefon;Typ;Klasa' with ' Zofia ; Wiśniewska ;;+48 500-100-104; Rodzic ;3A' and 'Kacper;Kowalski;"
              "kacper.kowalski@example.test;;uczeń;3A'; 'save the file as \"CSV UTF-8\"' (Excel's, with a"
              " signature and CRLF; a Polish Excel separates with ';': that setting)",
        header=["Imię", "Nazwisko", "E-mail", "Telefon", "Typ", "Klasa"]),
    "crm_kontakty": dict(
        source="a Polish small-business CRM ('Kontakty': firms and people imported from a sheet)", language="pl",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the CRM's check of its contact helpers (stored file id 62967727107), 'CSV: header aliases,"
              " semicolon separator, quoted commas': 'Firma;Imię;Nazwisko;E-mail;Telefon;NIP' (a seventh name,"
              " 'Nieznana', is the test's unknown column and is left out) with 'Legia Warszawa S.A.;;;"
              "esklep@legia.pl;+48 22 318 20 00;521-30-15-379' and ';Anna;Sowińska;a.sowinska@ksiegowa.pl;;;',"
              " a firm's name '\"Kowalski, s.c.\"' quoted; saved by a Polish Excel as 'CSV UTF-8' (a signature,"
              " ';', CRLF: that setting)",
        header=["Firma", "Imię", "Nazwisko", "E-mail", "Telefon", "NIP"]),
    "imenik_kontakti": dict(
        source="a Slovene address book program (its contacts saved as CSV)", language="sl", separator=";",
        encoding="cp1250", documented_as="header row",
        where="the program's Kontakt class (stored file id 33859148237): prvaVrsticaCSV 'id;ime;priimek;naslov;"
              "elektronskaPosta;telefon;mobilniTelefon;opomba\\n', podatkiCSV joins the fields with ';' and no"
              " quoting, '\\n' after each; the whole address in 'naslov'; the file is written in the platform's"
              " encoding (a Slovene Windows: code page 1250)",
        header=["id", "ime", "priimek", "naslov", "elektronskaPosta", "telefon", "mobilniTelefon", "opomba"]),
    "score_leadi": dict(
        source="a Slovene consultancy's 'AI Business Score' questionnaire (its leads' CSV export)", language="sl",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the form's API test (stored file id 71166863781), '9. CSV izvoz': the export starts with the"
              " bytes EF BB BF, lines split on '\\r\\n', the header includes 'Ime;Priimek;E-pošta;Telefon;"
              "Podjetje'; the test names only those five, so the list ends there (the score, lead class and"
              " consent columns that follow are not named)",
        header=["Ime", "Priimek", "E-pošta", "Telefon", "Podjetje"]),
    "posta_destinatari": dict(
        source="a Romanian messaging app's recipients (a postal region's staff list, made in a spreadsheet)",
        language="ro", separator=";", encoding="cp1250", documented_as="header row",
        where="the app's test of its import (stored file id 67530721052): 'Nume;Prenume;Functie;Marca;Telefon;"
              "Judet;Localitate;Oficiu' with 'Popescu;Ion;factor;PR-1;0712383492;Olt;Slatina;OP Slatina 3';"
              " numbers with a zero, international or without the zero (712383492); a cell with the separator"
              " quoted ('\"Slatina, jud. Olt\"'); the sheet is saved by a Romanian Excel as CSV (';', code page"
              " 1250, whose letters are the cedilla ones: that setting)",
        header=["Nume", "Prenume", "Functie", "Marca", "Telefon", "Judet", "Localitate", "Oficiu"]),
    "mitglieder_export": dict(
        source="a German club's administration web app (the members' CSV export)", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the app's MembersController (stored file ids 52097787879 and 51868336466), exportCsv: BOM"
              " '\\uFEFF', 'Mitglieds-Nr.;Vorname;Nachname;E-Mail;Telefon;Mobil;Straße;PLZ;Ort;Land;Status;"
              "Beitragsklasse;Geburtsdatum;Mitglied seit;Notizen', fields joined with ';' unquoted, lines with"
              " '\\n', the country 'DE' where none is set, dates toLocaleDateString('de-DE') ('3.7.1985'), the"
              " notes' ';' and line breaks replaced by spaces",
        header=["Mitglieds-Nr.", "Vorname", "Nachname", "E-Mail", "Telefon", "Mobil", "Straße", "PLZ", "Ort", "Land",
                "Status", "Beitragsklasse", "Geburtsdatum", "Mitglied seit", "Notizen"]),
    "zendesk_sell_leads": dict(
        source="Zendesk Sell (sales CRM: leads as a warehouse table, Fivetran connector)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="fivetran.com/docs/connectors/applications/zendesk-sell/connector-schema.md, table lead_history:"
              " id, creator_id, owner_id, source_id, unqualified_reason_id, created_at, description, email,"
              " facebook, fax, first_name, industry, last_name, linkedin, mobile, organization_name, phone,"
              " skype, status, title, twitter, updated_at, website, then 'address_**' (the address's columns,"
              " not named, so left out); saved from the warehouse as CSV (',', UTF-8, LF: that setting)",
        header=["id", "creator_id", "owner_id", "source_id", "unqualified_reason_id", "created_at", "description",
                "email", "facebook", "fax", "first_name", "industry", "last_name", "linkedin", "mobile",
                "organization_name", "phone", "skype", "status", "title", "twitter", "updated_at", "website"]),
    "oncehub_contacts": dict(
        source="OnceHub (appointment scheduling and chat: contacts as a warehouse table, Fivetran connector)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="fivetran.com/docs/connectors/applications/oncehub/connector-schema.md, table contact: id, owner,"
              " bot, city, company, company_size, country, creation_time, email, employees, first_name, form,"
              " has_consent, job_title, last_interacted_time, last_name, last_updated_time, mobile_phone, phone,"
              " post_code, salutation, state; the stored copy breaks off after state, so the list ends there;"
              " saved from the warehouse as CSV (',', UTF-8, LF: that setting)",
        header=["id", "owner", "bot", "city", "company", "company_size", "country", "creation_time", "email",
                "employees", "first_name", "form", "has_consent", "job_title", "last_interacted_time", "last_name",
                "last_updated_time", "mobile_phone", "phone", "post_code", "salutation", "state"]),
    "drift_contacts": dict(
        source="Drift (conversational marketing: contacts as a warehouse table, Fivetran connector)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="fivetran.com/docs/connectors/applications/drift/connector-schema.md, table contact: id,"
              " created_at, email, events (Json), name, phone, social_profiles (Json), then 'custom_**' (the"
              " account's own attributes, not named, so left out); saved from the warehouse as CSV (',', UTF-8,"
              " LF: that setting)",
        header=["id", "created_at", "email", "events", "name", "phone", "social_profiles"]),
    "missive_contacts": dict(
        source="Missive (a team's shared inbox: its contact books as a warehouse table, Fivetran connector)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="fivetran.com/docs/connectors/applications/missive/connector-schema.md, table contact: id,"
              " contact_book_id, deleted, first_name, last_name, middle_name, modified_at, starred (the numbers"
              " and mailboxes are rows of contact_info, another table); saved from the warehouse as CSV (',',"
              " UTF-8, LF: that setting)",
        header=["id", "contact_book_id", "deleted", "first_name", "last_name", "middle_name", "modified_at",
                "starred"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Central European imports and exports: iFirma's contractors (a JSON API's fields, no file), a Hungarian"
    " portal's partner import (its test names three columns and a made-up fourth), a Czech firm's staff"
    " attendance exports (no contact columns)",
    "CRMs: Follow Up Boss, Salesmate, EngageBay, Apptivo, NetHunt, Flowlu (columns mapped at import or nothing"
    " stored), Little Green Light (API fields only), Luma and Partiful guest lists (tools' descriptions, no"
    " column list)",
    "Webmail and phones: SmarterMail (nothing stored), Open-Xchange (columns by number), Android exporters"
    " (XlContactExport's XLS only, named in earlier lists)",
    "Schools and practices: brightwheel (no file documented), SimplePractice (no export list stored), Breeze"
    " ChMS (nothing stored)",
]
