"""Headers of the twenty-ninth held-out set (tests/prep/corpus/twentyninth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to twentyseventh_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting (most of these are sheets saved from Excel for
an import), or the source does not show it, the note says which was taken.
"""

SOURCES = {
    "fiken_kunder": dict(
        source="Fiken (Norwegian accounting for small firms: 'Kundeimport', the customers' sheet for other systems)",
        language="nb", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help page 'Import av kunder' (hjelp.fiken.no/support/solutions/articles/5000506375):"
              " 'Navn, Orgnr, Adresse, Adresse2, Postnr, Poststed, Land, E-post, Telefon, Medlemsnummer' as the"
              " template's headings; 'blank om det er feks en privatperson'; 'Land blir satt til Norge hvis"
              " blank'; the import reads rows 'til det kommer en blank rad'. The template is an Excel sheet: the"
              " file here is that sheet saved as 'CSV UTF-8' by a Norwegian Excel (';', a signature, CRLF: code"
              " page 1252 would lose the Polish and Czech customers' letters)",
        header=["Navn", "Orgnr", "Adresse", "Adresse2", "Postnr", "Poststed", "Land", "E-post", "Telefon",
                "Medlemsnummer"]),
    "puzzel_kontakter": dict(
        source="Puzzel Contact Centre (Norwegian contact centre: the Agent Assist contact list's file)",
        language="nb", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's page 'Filformat for kontakter' (help.puzzel.com/nb/product-documents/user-guide/"
              "puzzel-contact-centre/.../filformat-for-kontakter): 'Ekstern ID, Fornavn, Etternavn, Telefon, Mobil,"
              " E-post 1, E-post 2, Tittel, Organisasjon, Avdeling, Gatenavn, Gatenummer, Postnummer, Sted, Land'"
              " as the recommended heading row; numbers in E.164 ('+4712345678'); CSV for the FTP import. The"
              " separator and encoding are not named: ';' and UTF-8 with a signature taken (Excel's 'CSV UTF-8'"
              " in a Norwegian locale), CRLF",
        header=["Ekstern ID", "Fornavn", "Etternavn", "Telefon", "Mobil", "E-post 1", "E-post 2", "Tittel",
                "Organisasjon", "Avdeling", "Gatenavn", "Gatenummer", "Postnummer", "Sted", "Land"]),
    "brp_kunder": dict(
        source="BRP Systems (Swedish booking and membership system for gyms: 'Import och export av kunder')",
        language="sv", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's documentation 'Import och export av kunder' (dok.brpsystems.se/display/DOK22):"
              " 'id, kundnummer, förnamn, efternamn, organisation, kortnummer, födelsedag, personnummer, kön,"
              " e-post, gatuadress, postnummer, postort, telefon hem, telefon jobb, telefon mobil, medlemskap,"
              " startdatum, slutdatum, kategori, region, grupper, lösenord, värdekort, klipp' in this order"
              " with exactly these names; 'id' left empty; personnummer 'yymmdd-xxxx'; kön 'Man' or 'Kvinna';"
              " grupper 'en semikolonseparerad lista'; Excel may drop a number's leading zero. The import takes"
              " an Excel 97-2003 sheet: the file here is that sheet saved as 'CSV UTF-8' by a Swedish Excel (';',"
              " a signature, CRLF)",
        header=["id", "kundnummer", "förnamn", "efternamn", "organisation", "kortnummer", "födelsedag",
                "personnummer", "kön", "e-post", "gatuadress", "postnummer", "postort", "telefon hem",
                "telefon jobb", "telefon mobil", "medlemskap", "startdatum", "slutdatum", "kategori", "region",
                "grupper", "lösenord", "värdekort", "klipp"]),
    "nordisk_kunder": dict(
        source="Nordisk e-handel (Swedish web shop platform: 'Kundexport och kundimport', the simplified import)",
        language="sv", separator="\t", encoding="utf-8", documented_as="field list",
        where="the vendor's support page 'Kundexport och kundimport' (support.nordiskehandel.se/portal/sv/kb/"
              "articles/kundexport-och-kundimport): 'Kundnr, Företagsnamn, Förnamn, efternamn, e-post, Login,"
              " Adressrad 1, Adressrad 2, Postnr, Ort, Telefonnr, Mobilnr, Fax, Land(enligt ISO-3166-2),"
              " Kundtyp(COMPANY/PERSON/GOVERMENT), Person/orgnr' for 'förenklad import'; the field separator is"
              " the user's choice: tab taken, UTF-8 without a signature, CRLF; 'Land' headed as the page writes"
              " it without its note",
        header=["Kundnr", "Företagsnamn", "Förnamn", "efternamn", "e-post", "Login", "Adressrad 1", "Adressrad 2",
                "Postnr", "Ort", "Telefonnr", "Mobilnr", "Fax", "Land", "Kundtyp", "Person/orgnr"]),
    "sevenoffice_kontakter": dict(
        source="24SevenOffice (Norwegian and Swedish ERP: 'Importfält för Kontakter', contacts and private"
               " customers)", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's Swedish help page 'Importfält för Kontakter' (help.24sevenoffice.com/sv/kom-igang/"
              "importfalt-kontakter): ContactFirstName, ContactLastName, ContactRolePhone ('Telefonnummer Jobb'),"
              " ContactRoleEmail, ContactRoleMobile, ContactRoleFax, ContactRolePosition, ContactDateRegistrered"
              " (so spelt), ContactDateChanged, ContactDateOfBirth (dates 'dag.månad.år'), ContactAdressStreet,"
              " ContactAdressPostCode, ContactAdressPostArea, ContactCountry, ContactPhone ('Telefonnummer"
              " Privat'), ContactEmail, ContactMobile, ContactFax, ContactMobile2, ContactName ('Förnamn"
              " Efternamn' where the name is not split), ContactIsConsumer, ContactIsEmployee, ContactCustomerId,"
              " ContactNickname, ContactNote, ContactOwner; the stored copy breaks off after that, so the list"
              " ends there; 'Alla kolumner ... formateras som text i CSV-filen': ';' and 'CSV UTF-8' (a signature) of a"
              " Swedish Excel taken, CRLF",
        header=["ContactFirstName", "ContactLastName", "ContactRolePhone", "ContactRoleEmail", "ContactRoleMobile",
                "ContactRoleFax", "ContactRolePosition", "ContactDateRegistrered", "ContactDateChanged",
                "ContactDateOfBirth", "ContactAdressStreet", "ContactAdressPostCode", "ContactAdressPostArea",
                "ContactCountry", "ContactPhone", "ContactEmail", "ContactMobile", "ContactFax", "ContactMobile2",
                "ContactName", "ContactIsConsumer", "ContactIsEmployee", "ContactCustomerId", "ContactNickname",
                "ContactNote", "ContactOwner"]),
    "freshbooks_clients": dict(
        source="FreshBooks (Canadian invoicing: 'How do I import clients from a file?')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article (support.freshbooks.com/hc/en-us/articles/360003248452): the required"
              " headers 'First Name', 'Last Name' or 'Company Name', then the optional 'First Name Last Name"
              " Company Name Email Address Phone Number Address Line 1 Address Line 2 City State Zip Code"
              " Country'; ',' and UTF-8 without a signature, CRLF (a sheet saved as CSV)",
        header=["First Name", "Last Name", "Company Name", "Email Address", "Phone Number", "Address Line 1",
                "Address Line 2", "City", "State", "Zip Code", "Country"]),
    "godaddy_clients": dict(
        source="GoDaddy Bookkeeping (US invoicing: 'Client Import')", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Client Import' (help.bookkeeping.godaddy.com/hc/en-us/articles/"
              "223815027): 'Name, Email, Company, Address 1, Address 2, City, State/Province, Zip/Postal,"
              " Country, Phone, URL'; 'save the spreadsheet as a CSV (.csv) file': ',' and UTF-8, CRLF taken",
        header=["Name", "Email", "Company", "Address 1", "Address 2", "City", "State/Province", "Zip/Postal",
                "Country", "Phone", "URL"]),
    "everaccounting_customers": dict(
        source="WP Ever Accounting (a WordPress accounting plugin: 'How to import customers', its sample file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the plugin's documentation (wpeveraccounting.com/docs/general/how-to-import-customers), its"
              " table of the sample CSV's fields: 'Name*, Email*, Phone, Fax, Birth Date, Address, Country,"
              " Website, Tax Number, Currency Code, Note' (the asterisks mark required fields, not part of the"
              " names); ',' and UTF-8, LF (a PHP plugin's file) taken",
        header=["Name", "Email", "Phone", "Fax", "Birth Date", "Address", "Country", "Website", "Tax Number",
                "Currency Code", "Note"]),
    "manifestations_chats": dict(
        source="a French cat fanciers' show calendar (its file of shows to be sent in,"
               " 'fichier_manifestations.csv')", language="fr", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the calendar's own template, stored as www.chatsderace.com/calendrier/fichier_manifestations.csv:"
              " 'Libellé manifestation*;Type manifestation*;Date début (jj/mm/aaaa)*;Date fin (jj/mm/aaaa);Type"
              " récompense;Race concernée;Nom contact;Adresse;Code postal*;Ville*;Pays*;Téléphone contact;EMail"
              " contact*;Nombre personnes attendus;Commentaire' (the asterisks part of the names); ';' as the"
              " file has it; the encoding is not shown: a French Excel's 'CSV UTF-8' (a signature) taken, CRLF",
        header=["Libellé manifestation*", "Type manifestation*", "Date début (jj/mm/aaaa)*", "Date fin (jj/mm/aaaa)",
                "Type récompense", "Race concernée", "Nom contact", "Adresse", "Code postal*", "Ville*", "Pays*",
                "Téléphone contact", "EMail contact*", "Nombre personnes attendus", "Commentaire"]),
    "remonline_clientes": dict(
        source="RemOnline (a CRM for repair shops, Spanish interface: '¿Cómo importar clientes a RemOnline?')",
        language="es", separator=";", encoding="cp1252", documented_as="field list",
        where="the vendor's help article (help.remonline.app/es/articles/3280707): 'ID de cliente', 'Nombre'"
              " (obligatory), 'Apellidos', 'Teléfono' ('Si necesita añadir más de un número, introdúzcalos"
              " separados por una coma'), 'La dirección', 'Email', in this order; the stored copy breaks off"
              " there, so the list ends with 'Email'; 'Dirección' headed without its article. The template is an"
              " Excel file: the file here is it saved as 'CSV (delimitado por comas)' by a Spanish Excel (';', code page"
              " 1252, CRLF)",
        header=["ID de cliente", "Nombre", "Apellidos", "Teléfono", "Dirección", "Email"]),
    "qhub_clienti": dict(
        source="QHub FTE (an Italian e-invoicing service: 'Import Clienti' for firms)", language="it",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the service's manual 'Import Clienti' (fte.qhub.it/assets/Manuale/import_per_aziende.htm): Tipo"
              " Anagrafica (1 PA, 2 Azienda, 3 Privato, 4 Altro, 5 Condominio), 'Denominazione, Cognome e Nome:"
              " compilare sempre il campo Denominazione ... Nome e Cognome solamente in presenza di Privati',"
              " Codice Destinazione, 'Indirizzo, Civico, Comune, CAP e Nazione', 'Telefono, Fax, E-Mail e PEC',"
              " 'Banca, IBAN, ABI, CAB', SplitPayment (0/1), RiferimentoAmministrazione, in this order; the header"
              " row itself is an image of the Excel file not stored, so the names are the manual's words; the"
              " file here is the sheet saved as 'CSV UTF-8' by an Italian Excel (';', a signature, CRLF)",
        header=["Tipo Anagrafica", "Denominazione", "Cognome", "Nome", "Codice Destinazione", "Indirizzo", "Civico",
                "Comune", "CAP", "Nazione", "Telefono", "Fax", "E-Mail", "PEC", "Banca", "IBAN", "ABI", "CAB",
                "SplitPayment", "RiferimentoAmministrazione"]),
    "twelve_leden": dict(
        source="Twelve (a Dutch football club app: 'Voorbeeldbestand goede ledenlijst', members from All United)",
        language="nl", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help article (help.twelve.eu/hc/nl/articles/200988005): 'Bondsnummer, Voorletters"
              " (Lid), Tussenvoegsel (Lid), Achternaam (Lid), Roepnaam (Lid), Geboortedatum (Lid), E-mail' as the"
              " data the import needs; the sample file's further columns are not stored, so the list ends there;"
              " 'De headers ... mogen niet aangepast' ; ';' and UTF-8 with a signature (a Dutch Excel's"
              " 'CSV UTF-8'), CRLF taken",
        header=["Bondsnummer", "Voorletters (Lid)", "Tussenvoegsel (Lid)", "Achternaam (Lid)", "Roepnaam (Lid)",
                "Geboortedatum (Lid)", "E-mail"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "French: HelloAsso and AssoConnect member exports (only pages about the firms), Axonaut and Sellsy contact"
    " imports (no column names stored), a map tool's import labels (appligeo: only the required labels)",
    "Italian: Banana's 'vista Indirizzo' (Banana is used already, in German), a webmail's contacts CSV (pec.it:"
    " only a sample line), Webex's personal contacts (no names)",
    "Portuguese: Improxy Gecond's 33-column entity sheet (the stored copy breaks off before the names), Officegest"
    " and Gestwin (screens, no file)",
    "Spanish: Mercately ('algunos de ellos son': not the whole row), Owner (four required fields only)",
    "Dutch: Congressus (its fields as prose, no names of columns), AdreZ and PerfectView (no column names)",
    "Swedish and Norwegian: Abicart (the stored copy breaks off at the thirteenth of twenty columns), Severa (a"
    " template not shown), Rackbeat (used already)",
    "English: WorkflowMax and Paystand (the sample file is not stored), IRIS Taxfiler (no names)",
]
