"""Headers of the thirteenth held-out set (tests/prep/corpus/thirteenth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py, ninth_headers.py, tenth_headers.py, eleventh_headers.py,
twelfth_headers.py nor layouts_test.py, nor in their NOT_FOUND lists. The
entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in its help, in a sample file, or a
program that reads or writes the file spells it out; "field list": it lists
the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too. Six
rows are known only from a program that reads or writes the file (a school
TV's crew app, a campaign's candidate list, a card system's employee file, a
console phone book, a project's participant list, a ticketing app); the note
names the stored file.
"""

SOURCES = {
    "kreta_gondviselok": dict(
        source="KRÉTA (the Hungarian schools' administration system: pupils' guardians, exported and imported"
               " as a sheet)", language="hu", separator=";", encoding="cp1250", documented_as="field list",
        where="tudasbazis.ekreta.hu, 'Gondviselők importálása' (page source of pageId 88933096): the sheet is"
              " downloaded empty or with the guardians in the system ('ki lehet exportálni a rendszerben levő"
              " gondviselők aktuális adatait'); 'Tanulói adatok a kapcsolódó diák azonosítására: Tanuló neve, A"
              " tanuló oktatási azonosítója; Gondviselő adatai: Gondviselő neve, Gondviselő rokonsági foka,"
              " Törvényes képviselő, Gondviselő telefonszáma, Telefon típus, Gondviselő email címe, Email típus,"
              " Gondviselő cím típusa, Gondviselő cím ország, Gondviselő cím irányítószám, Gondviselő cím helység"
              " név, Gondviselő cím kö...'; the stored excerpt breaks off in the next name, so the list ends with"
              " the town; the sheet is Excel, here saved as CSV by a Hungarian Excel (';', code page 1250: that"
              " setting)",
        header=["Tanuló neve", "A tanuló oktatási azonosítója", "Gondviselő neve", "Gondviselő rokonsági foka",
                "Törvényes képviselő", "Gondviselő telefonszáma", "Telefon típus", "Gondviselő email címe",
                "Email típus", "Gondviselő cím típusa", "Gondviselő cím ország", "Gondviselő cím irányítószám",
                "Gondviselő cím helység név"]),
    "ftv_stab": dict(
        source="a Budapest grammar school's TV and radio crew web app (FTV: its users' import template)",
        language="hu", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's import-template route (stored file id 844071637, 'FTV felhasználó import sablon'):"
              " example_csv 'Vezetéknév;Keresztnév;E-mail cím;Telefonszám;Stáb;Kezdés éve;Tagozat;Rádió;"
              "Gyártásvezető?;Médiatanár;Osztályfőnök;Osztályai\\nNagy;Imre;nagy.imre@example.com;+36301234567;A"
              " stáb;2025;F;;;;;', 'required_encoding: UTF-8', ';' among its delimiters, flags 'Igen' or empty,"
              " 'Multiple classes separated by semicolon (e.g., 9.A;9.B;10.C)'",
        header=["Vezetéknév", "Keresztnév", "E-mail cím", "Telefonszám", "Stáb", "Kezdés éve", "Tagozat", "Rádió",
                "Gyártásvezető?", "Médiatanár", "Osztályfőnök", "Osztályai"]),
    "senat_kandidati": dict(
        source="a Czech civic campaign's table of Senate candidates (a shared spreadsheet's export, read by the"
               " campaign's web site)", language="cs", separator=";", encoding="utf-8", documented_as="header row",
        where="the site's test of its reader (stored file id 62773625584, 'Header has multi-line quoted cells,"
              " like the real export'): 'Okres;\"Podporujeme?\\n(Ano/Ne)\";Příjmení;Jméno;Tituly;\"Datum\\n"
              "narození\";Povolání;Nominace;Podpora;Hlídač státu;FB;Insta;Web;Média 1;Média 2;Podepsána"
              " Deklarace?;Kontakt pro dobrovolníky', rows '3 – Cheb;ANO;Plevný;Miroslav;prof. Dr. Ing.;1965;"
              "senátor;STAN;TOP09, Zelení;https://www.hlidacstatu.cz/osoba/...;...' joined by LF, '0' where a link"
              " is missing, a quoted Média cell with '&amp;' in it; the encoding is the export's (UTF-8)",
        header=["Okres", "Podporujeme?\n(Ano/Ne)", "Příjmení", "Jméno", "Tituly", "Datum\nnarození", "Povolání",
                "Nominace", "Podpora", "Hlídač státu", "FB", "Insta", "Web", "Média 1", "Média 2",
                "Podepsána Deklarace?", "Kontakt pro dobrovolníky"]),
    "zaposleni": dict(
        source="a Slovene firm's staff register as a spreadsheet (Zaposleni.csv, the file a Slovene programming"
               " course's exercises read)", language="sl", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the exercises quote the file's first lines (stored file ids 34147302640 and 34168681188): 'ID;"
              "Priimek;Ime;Naslov;Pošta;Kraj;Datum rojstva;Spol;Izobrazba;Oddelek;Delovno mesto;Datum zaposlitve;"
              "Plača' and '1;Oblak;Miha;Glavni trg 12;3000;Celje;22.10.1953;m;VIII;Vodstvo;Direktor;1.01.2002;"
              "2.352,52 €', opened with encoding='utf-8-sig' (UTF-8 with a signature, as Excel's 'CSV UTF-8'"
              " saves it)",
        header=["ID", "Priimek", "Ime", "Naslov", "Pošta", "Kraj", "Datum rojstva", "Spol", "Izobrazba", "Oddelek",
                "Delovno mesto", "Datum zaposlitve", "Plača"]),
    "stim_zamestnanci": dict(
        source="a Slovak group's employee list for its card and attendance system (STIM coordinators, Anet ids:"
               " the HR department's export the system uploads)", language="sk", separator=";", encoding="cp1250",
        documented_as="header row",
        where="the upload's column configuration (stored file id 45620476706) quotes the file's header: 'Login;"
              "PW;User ID (E,F,U);Anet ID;Priezvisko;Meno;Deň narodenia;Firemné číslo;Firemný mail;Nadriadený;"
              "Názov pracovnej pozície;Dcérska spoločnosť;Divízia;Oddelenie;Mesto;STIM Koordnátor ID;STIM"
              " Koordnátor ID;Nadriadený ID;Nadriadený ID;' (two names twice, a ';' closing the line, so a"
              " nameless last column); the list is an Excel sheet saved as CSV on a Slovak Windows, so code page"
              " 1250 (that setting)",
        header=["Login", "PW", "User ID (E,F,U)", "Anet ID", "Priezvisko", "Meno", "Deň narodenia", "Firemné číslo",
                "Firemný mail", "Nadriadený", "Názov pracovnej pozície", "Dcérska spoločnosť", "Divízia",
                "Oddelenie", "Mesto", "STIM Koordnátor ID", "STIM Koordnátor ID", "Nadriadený ID", "Nadriadený ID",
                ""]),
    "telefonny_zoznam": dict(
        source="a Slovak console phone book (its '.dbf' text files: 'suborovaDatabaza')", language="sk",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the program's DB class (stored file id 31260544193) writes the file as lines: the database's"
              " name ('<name>.dbf'), its record count, the header 'priezvisko;meno;telefon1;telefon2;email', then"
              " one record a line, priezvisko;meno;telefon1;telefon2;email unquoted; Files.write with"
              " Charset UTF-8 and the platform's line ends (it runs on Windows: CRLF)",
        header=["priezvisko", "meno", "telefon1", "telefon2", "email"]),
    "projekt_uczestnicy": dict(
        source="a Polish social project's meeting app (its participants' export)", language="pl", separator=";",
        encoding="utf-8", documented_as="header row",
        where="the app's export (stored file id 71058983077, toProjectParticipantsCsv): HEADER = 'Imię;Nazwisko;"
              "Telefon;E-mail;Adres;Liczba spotkań', the rows firstName, lastName, phone, email, address (one"
              " field), meetingCount; the encoding is the app's (UTF-8)",
        header=["Imię", "Nazwisko", "Telefon", "E-mail", "Adres", "Liczba spotkań"]),
    "bilete_utilizatori": dict(
        source="a Romanian event ticketing app (organisers, check-in agents and customers: its users.csv)",
        language="ro", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's README (stored file id 62121028478, 'Exemplu de structură pentru users.csv'): 'tip;id;"
              "username;parola;nume;prenume;email;telefon;extra' with 'ORGANIZATOR;2;robert.events;parola;Robert;"
              "Popescu;robert@example.com;0722000000;Events SRL|Demo Org' and 'AGENT_CHECK_IN;3;agent.ion;parola;"
              "Ion;Vasile;ion@example.com;0733000000;1,2,3'; 'Persistența este realizată prin fișiere CSV,"
              " folosind separatorul ;' (Java, UTF-8, LF)",
        header=["tip", "id", "username", "parola", "nume", "prenume", "email", "telefon", "extra"]),
    "giunti_clienti": dict(
        source="Giunti Testing (Italian platform for psychologists' tests: clients imported from a file)",
        language="it", separator=";", encoding="utf-8", documented_as="header row",
        where="progetti.giuntitesting.com/guida/it_IT/upload_soggetti.htm ('Import/Export clienti'): 'L'Header da"
              " inserire è la seguente: CODICE CLIENTE;SESSO;NOME;COGNOME;E-MAIL;DATA DI NASCITA;TELEFONO;"
              "INDIRIZZO;CAP;CITTA;' (a ';' closing it, so a nameless last column), 'formato UTF-8', sesso 'm' or"
              " 'f', 'data di nascita, nel formato numerico giorno/mese/anno (gg/mm/aaaa)'",
        header=["CODICE CLIENTE", "SESSO", "NOME", "COGNOME", "E-MAIL", "DATA DI NASCITA", "TELEFONO", "INDIRIZZO",
                "CAP", "CITTA", ""]),
    "flashcrm_clienti": dict(
        source="FlashCRM (Italian CRM: customers imported from CSV, its sample file's columns)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="help.flashcrm.it/moduli-base/importazione-clienti ('Importazione Clienti'): 'Prima riga ="
              " intestazioni colonne', 'Codifica: UTF-8', 'Separatore: virgola'; 'Colonne standard obbligatorie:"
              " company | Nome azienda, vat | Partita IVA, phonenumber | Telefono, country | Paese (es. Italy,"
              " United States), city, zip, state | Provincia/Stato, address | Indirizzo completo, website';"
              " 'Colonne opzionali ma utili: groups | Gruppi (separati da virgola), default_language (es. italian,"
              " english), default_currency (es. EUR, USD), shipping_street, shipping_city, shipping_state,"
              " shipping_zip, shipping_country'",
        header=["company", "vat", "phonenumber", "country", "city", "zip", "state", "address", "website", "groups",
                "default_language", "default_currency", "shipping_street", "shipping_city", "shipping_state",
                "shipping_zip", "shipping_country"]),
    "zelo_mottakere": dict(
        source="Zelo (Norwegian app for messages to a firm's staff: recipients imported from a CSV file)",
        language="no", separator=";", encoding="utf-8", documented_as="field list",
        where="support.zeloapp.com/hvordan-skal-csv-fil-med-mottakere-settes-opp: 'Korrekte kolonner: Fornavn"
              " (obligatorisk), Etternavn (obligatorisk), E-post (obligatorisk), Telefon, Tittel, Grupper',"
              " 'CSV-filen bør være i formatet \"CSV UTF-8\"' (Excel's, with a signature; a Norwegian Excel"
              " separates with ';': that setting)",
        header=["Fornavn", "Etternavn", "E-post", "Telefon", "Tittel", "Grupper"]),
    "vantaca_tenants": dict(
        source="Vantaca (community association management: tenant records imported from a spreadsheet)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="support.vantaca.com/hc/en-us/articles/360004550471-How-to-Import-Tenant-Records: 'required"
              " columns: AssocCode, Account or OldAccount (Account is the account number of the Owner, not the"
              " Tenant)'; 'can be included ...: FirstName, LastName, SecondaryTenantFirstName,"
              " SecondaryTenantLastName, Phone, MoveIn (must be in MM/DD/YYYY date format), MoveOut, TenantPhone2,"
              " TenantPhone2Label, TenantPhone3, TenantPhone3Label, SecondaryTenantPhone, SecondaryTenantPhoneLabel,"
              " SecondaryTenantEmail, SecondaryTenantEmailLabel'; Account taken of the two; saved as CSV",
        header=["AssocCode", "Account", "FirstName", "LastName", "SecondaryTenantFirstName", "SecondaryTenantLastName",
                "Phone", "MoveIn", "MoveOut", "TenantPhone2", "TenantPhone2Label", "TenantPhone3", "TenantPhone3Label",
                "SecondaryTenantPhone", "SecondaryTenantPhoneLabel", "SecondaryTenantEmail",
                "SecondaryTenantEmailLabel"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Webmail in English and Central European languages: Zoho Mail, Tuta (only other tools' import pages),"
    " Zoznam.sk, T-Online (nothing stored), Slovaknet's and Zoner's webmails (Zoner's list breaks off, named in"
    " earlier lists)",
    "Czech, Slovak, Polish, Hungarian, Slovene, Croatian and Romanian tools: Daktela (nothing stored), Taschi CRM"
    " and Kumulator (columns mapped at import), Systell Contact Center and Centrium (columns mapped), SALESmanago"
    " and wFirma (named in earlier lists), UPS CampusShip's Czech address book (its file has no header row),"
    " Foxpost, Sameday and Cargus AWB files (no column list stored), KRÉTA's guardians beyond the town (the"
    " stored excerpt breaks off)",
    "Event ticketing: Ticket Tailor, Humanitix (nothing stored; WordPress ticket plugins' exports are filters"
    " in code, no fixed list)",
    "Property management: Buildium (its tenant template is a download; the help names only the required"
    " fields), MI Property Portal (the list names some columns in prose only), Streamline (a download)",
]
