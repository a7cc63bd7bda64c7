"""Headers of the eighteenth held-out set (tests/prep/corpus/eighteenth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to
sixteenth_headers.py nor layouts_test.py, nor in their NOT_FOUND lists. The
entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in its help, in a sample file, or a
program that reads or writes the file spells it out; "field list": it lists
the names in this order) and where.

Nothing here is made up: each row is known from a program that reads or
writes the file, named by its stored file. Where the separator, encoding or
line end is not shown, the note says what was taken and why.
"""

SOURCES = {
    "winvet_majitele": dict(
        source="WinVet (a Czech veterinary practice program: 'Přehled majitelů a zvířat', exported to a file)",
        language="cs", separator=";", encoding="cp1250", documented_as="header row",
        where="a practice's booking app that takes the file over (stored file id 48249126524): 'V programu"
              " WinVet → Přehledy → Přehled majitelů a zvířat → Exportovat do souboru (CSV/TXT)', 'Podporované"
              " formáty: CSV, TXT (oddělovač ; nebo TAB)', 'Očekávaná struktura: Příjmení;Jméno;Telefon;Email;"
              "Zvíře;Druh;Plemeno;Čip'; WinVet is a Windows program (a Firebird database), so code page 1250"
              " and CRLF are taken",
        header=["Příjmení", "Jméno", "Telefon", "Email", "Zvíře", "Druh", "Plemeno", "Čip"]),
    "destinatari_postasi": dict(
        source="a Romanian postal operator's staff list for an SMS tool ('import destinatari': postmen and"
               " clerks with their office)", language="ro", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the import's test (stored file id 67530721052): 'Nume;Prenume;Functie;Marca;Telefon;Judet;"
              "Localitate;Oficiu' with 'Popescu;Ion;factor;PR-1;0712383492;Olt;Slatina;OP Slatina 3'; ';' or ','"
              " told apart by the header, names without diacritics in the header; rows joined by '\\n'; UTF-8"
              " taken (the test's text is JavaScript's)",
        header=["Nume", "Prenume", "Functie", "Marca", "Telefon", "Judet", "Localitate", "Oficiu"]),
    "sach_hraci": dict(
        source="a Slovak chess club's tournament app (adding several players at once from a file)",
        language="sk", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's player form (stored file id 45876084870): 'Pridať viacero hráčov' with the placeholder"
              " 'meno;priezvisko;email;skupina;elo;' (a ';' closing every line, so a sixth, nameless column),"
              " and 'import-players-from-file'; UTF-8 and LF taken (a web app's text)",
        header=["meno", "priezvisko", "email", "skupina", "elo", ""]),
    "sfz_osoby": dict(
        source="an onboarding app of a Slovak sports federation (the persons' import: referees, delegates,"
               " new staff, with their training tracks)", language="sk", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the import's test (stored file id 71011472842): 'email;meno;priezvisko;trasy\\njan@sfz.sk;Ján;"
              "Novák;Rozhodcovia 2026, novy-zamestnanec, Delegáti' (several tracks in one cell, parted by ', ');"
              " UTF-8 and LF as the test writes it",
        header=["email", "meno", "priezvisko", "trasy"]),
    "fahrer_import": dict(
        source="a Vienna transport firm's driver app (its drivers' list, German headers)", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the driver import's test (stored file id 68859006268): 'semicolon DE':"
              " 'mitarbeiter_id;Nachname;Vorname;Telefon;E-Mail;PLZ\\nE2;Muster;Max;+43100000001;"
              "max@example.invalid;1020'; postal codes kept as text; UTF-8 and LF as the test writes it",
        header=["mitarbeiter_id", "Nachname", "Vorname", "Telefon", "E-Mail", "PLZ"]),
    "besucher_doppelt": dict(
        source="a German studio's customer database (the report of visitors entered twice)", language="de",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the report's handler (stored file id 61604140606): 'v_n_t;v_n_e;v_n_t_e;id;KundenNr;Anrede;"
              "Nachname;Vorname;Telefon;EMail;Aktiv;AufnDatum;LetztBesuch\\n', each row the query's thirteen"
              " values joined by ';' unquoted with '\\n'; UTF-8 (a Python string served as text)",
        header=["v_n_t", "v_n_e", "v_n_t_e", "id", "KundenNr", "Anrede", "Nachname", "Vorname", "Telefon", "EMail",
                "Aktiv", "AufnDatum", "LetztBesuch"]),
    "zaehler_ablesung": dict(
        source="a German utility's meter reading list (homes not yet read, with the person to call)",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="the export program (stored file id 8518483740), ToCSV.java: 'ID Person;Zählernummer;Nachname;"
              "Vorname;Telefon;Straße;Hausnummer;Erledigt\\n', the homes LEFT JOINed to their persons (a home"
              " without one gives 0 and 'null'), the phone number read with getInt (so its leading zero is"
              " lost), fields joined by ';' unquoted, '\\n'; FileWriter's default encoding (UTF-8 on the Linux"
              " it runs on)",
        header=["ID Person", "Zählernummer", "Nachname", "Vorname", "Telefon", "Straße", "Hausnummer", "Erledigt"]),
    "kontakty_telefon": dict(
        source="a phone's contacts saved as a Czech CSV and read by a messaging tool's command line (its"
               " 'localized exports')", language="cs", separator=";", encoding="utf-16",
        documented_as="header row",
        where="the tool's test (stored file id 65746606072), test_custom_columns_and_cli_decoding: 'Jméno;"
              "Příjmení;Telefon\\nJiří;Dvořák;+15550000001\\n' written as UTF-16 (with its signature, as Python's"
              " 'utf-16' writes it) and as code page 1250; UTF-16 taken, LF",
        header=["Jméno", "Příjmení", "Telefon"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Slovak invoicing: SuperFaktura's client import (no column list stored)",
    "German invoicing: Papierkram, orgaMAX (only the optional fields of the customer import: Laenderkuerzel,"
    " Geburtstag, Debitorennummer, Rabatt, Anmerkungen, Individuell1-20, Nettorechnung, Kundenart), RechnungsFee"
    " (its Muster-CSV is named, its columns not shown)",
    "Slovene invoicing: Cebelca.biz; Polish: enova365 contractors (nothing stored)",
    "Invoice Ninja's client import (the mapping is chosen at import; no fixed header)",
    "Slovak: a language school's CSV import ('Meno;Priezvisko;Email;Tel.;...;Email(rodič);...': the list"
    " elided), a real estate newsletter's 'Meno;Priezvisko;e-mail' (a newsletter: left to the other set)",
    "Hungarian: a partners' Excel export (XLSX, not a text file)",
]
