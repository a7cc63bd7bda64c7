"""Headers of the sixteenth held-out set (tests/prep/corpus/sixteenth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to fifteenth_headers.py
nor layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself, in its help, in a sample file, or a program that reads or writes
the file spells it out; "field list": it lists the names in this order) and
where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the export's setting rather than a fixed property, or the source
does not show it, the note says so too. Every row here is known from a
program that reads or writes the file; the note names the stored file.
"""

SOURCES = {
    "ocena_kontakti": dict(
        source="a Slovene consultancy's AI-readiness questionnaire (its leads' CSV export, /api/score/export.csv)",
        language="sl", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's end-to-end test (stored file id 71166863781), '9. CSV izvoz': the export is 'text/csv'"
              " with the signature EF BB BF in front ('Excel needs EF BB BF'), rows split by '\\r\\n', its header"
              " row beginning 'Ime;Priimek;E-pošta;Telefon;Podjetje' and going on with the score, grade and"
              " consent columns, whose names the test does not show; only those five columns are taken",
        header=["Ime", "Priimek", "E-pošta", "Telefon", "Podjetje"]),
    "pacienti": dict(
        source="a Romanian family practice's patient register (its patients' import from a spreadsheet)",
        language="ro", separator=";", encoding="utf-8", documented_as="header row",
        where="the register's import test (stored file id 71357408297), test_import_upsert_and_invalid_rows:"
              " 'Nume;Prenume;CNP;Telefon\\nPop;Ana;6250101123456;0712345678\\nPop;Dan;invalid;\\n' (UTF-8 without"
              " a signature, LF, the personal number CNP as its 13 digits, the phone at home with its 0)",
        header=["Nume", "Prenume", "CNP", "Telefon"]),
    "bilete_utilizatori_evenimente": dict(
        source="a Romanian event ticketing app (its users' file: clients, organisers, check-in agents, admins)",
        language="ro", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's user store (stored file id 62299449144), save(): writer.write('id;rol;username;parola;"
              "nume;prenume;email;telefon;extra'), then per user its id, its role's name (CLIENT, ORGANIZATOR,"
              " ADMIN, AGENT_CHECK_IN), user name, password, family name, given name, mailbox, phone and, for an"
              " organiser alone, its organisations joined by ','; fields joined by ';' with no quoting;"
              " BufferedWriter.newLine() and FileWriter's default charset (LF and UTF-8 taken, a Linux server)",
        header=["id", "rol", "username", "parola", "nume", "prenume", "email", "telefon", "extra"]),
    "ziaci_import": dict(
        source="a Slovak school platform (a school administrator's import of pupils into a class)",
        language="sk", separator=";", encoding="utf-8", documented_as="header row",
        where="the platform's import test (stored file id 70630383651): '\\xEF\\xBB\\xBFmeno;priezvisko;email\\n"
              "Jana;Kováčová;JANA@example.com\\n...' uploaded as 'ziaci.csv'; its import page (stored file id"
              " 70220416578) shows the same row and says 'V Exceli použite „Uložiť ako → CSV UTF-8“ alebo „CSV"
              " (oddelený bodkočiarkou)“' (UTF-8 with the signature, ';', LF as in the test)",
        header=["meno", "priezvisko", "email"]),
    "portal_contacte": dict(
        source="a Romanian organisations' portal (its contacts' import, one organisation's address book)",
        language="ro", separator=";", encoding="utf-8", documented_as="header row",
        where="the portal's import page (stored file id 71288537085): '<pre>prenume;nume;email;telefon\\nMaria;"
              "Popescu;maria@exemplu.ro;0722123456\\nIon;Ionescu;;0733111222</pre>', 'Telefoanele în orice formă"
              " (0722 123 456, +40722123456)'; the page names a 'firma' column besides, not in the sample row, so"
              " it is not taken; UTF-8 without a signature and LF as the sample is written",
        header=["prenume", "nume", "email", "telefon"]),
}

NOT_FOUND = [
    "Slovak: a children's sports club's registrations import (its page shows 'Meno;Priezvisko;Email;Tel.;...;"
    "Email(rodič);...' with gaps: the whole row is not shown), a realtor's newsletter list ('Meno;Priezvisko;"
    "email' typed into a box, no file)",
    "Hungarian: a contacts reader's test ('Cégnév;E-mail;Telefonszám;Kedvenc szín': made up for the test, no"
    " export), a school's attendance export (no contact columns besides the name)",
    "Romanian: WinMENTOR's staff list (already in twelfth_headers.py's NOT_FOUND), a payroll preview (CNP and"
    " IBAN, no contact columns)",
    "Croatian and Bosnian: a payroll import ('PREZIME;IME;DATUM PRIJAVE;ZIRO RACUN': no contact columns), lab"
    " term lists of students (no contact columns)",
    "Webmail and address books in Czech, Slovak, Polish or Hungarian, AOL, Vario: no column list found in the"
    " stored pages",
]
