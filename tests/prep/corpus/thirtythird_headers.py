"""Headers of the thirty-third held-out set (tests/prep/corpus/thirtythird):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyfirst_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself, or a program that writes the file spells it out; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting (most of these are sheets saved from Excel),
or the source does not show it, the note says which was taken. Two rows are
known only from a program that writes or reads the file (a Swedish school
reports app's export for Skolon, an Italian school app's teachers' upload);
the note names the stored file.
"""

SOURCES = {
    "indy_clients": dict(
        source="Indy (French bookkeeping for the self-employed: 'Importer des clients')", language="fr",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Comment exporter un fichier CSV et l'importer dans Indy ?'"
              " (wikicompta.indy.fr/fr/articles/11008960): 'Vous devez ajouter les colonnes suivantes, dans cet"
              " ordre précis': Type | Nom de famille | Prénom | Nom d'entreprise | N° SIRET | N° de TVA | Adresse"
              " facturation | Ville facturation | Code postal | Pays (Alpha-2) | Adresse livraison | Ville"
              " livraison | Code postal | Pays | Téléphone | Email(s) | Informations supplémentaires; Type"
              " 'ENTREPRISE ou PARTICULIER'; 'plusieurs adresses e-mails, vous devez les séparer par des"
              " virgules'; it advises 'CSV (délimité par des virgules)': ',' taken, saved as 'CSV UTF-8' by a"
              " French Excel (a signature, CRLF: code page 1252 would lose the Czech and Polish clients' letters)",
        header=["Type", "Nom de famille", "Prénom", "Nom d'entreprise", "N° SIRET", "N° de TVA",
                "Adresse facturation", "Ville facturation", "Code postal", "Pays (Alpha-2)", "Adresse livraison",
                "Ville livraison", "Code postal", "Pays", "Téléphone", "Email(s)", "Informations supplémentaires"]),
    "sage_contacts": dict(
        source="Sage Accounting (UK and Ireland: 'Customers and suppliers file format', the customer import)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base (gb-kb.sage.com, solution 240701101019900 'Customers and suppliers"
              " file format', and 240228194230723 'How to import customer or supplier contacts'), columns A to"
              " Z: Reference, Company Name, Currency, Credit Limit, Main Address Type ('Delivery, Accounts,"
              " Sales, Purchasing'), Main Address Line 1, Main Address Line 2, Main Address Town, Main Address"
              " County, Main Address Post Code, Main Address Country ('Maximum 2 characters'), Main Contact Name,"
              " Main Contact Phone, Main Contact Type, Main Contact Mobile, Main Contact Email, Main Contact Fax,"
              " Address 2 Type, Address 2 Line 1, Address 2 Line 2, Address 2 Town, Address 2 County, Address 2"
              " Post Code, Address 2 Country, VAT Number, Ledger Account; the stored copies break off after"
              " Ledger Account, so the list ends there; 'the header row in your CSV file must use the same"
              " headings'; ',' and UTF-8 without a signature, CRLF taken",
        header=["Reference", "Company Name", "Currency", "Credit Limit", "Main Address Type", "Main Address Line 1",
                "Main Address Line 2", "Main Address Town", "Main Address County", "Main Address Post Code",
                "Main Address Country", "Main Contact Name", "Main Contact Phone", "Main Contact Type",
                "Main Contact Mobile", "Main Contact Email", "Main Contact Fax", "Address 2 Type",
                "Address 2 Line 1", "Address 2 Line 2", "Address 2 Town", "Address 2 County", "Address 2 Post Code",
                "Address 2 Country", "VAT Number", "Ledger Account"]),
    "outputbooks_parties": dict(
        source="Output Books (Indian GST accounting: 'How to import customers or suppliers')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's article (support.outputbooks.com/how-to-import-customers-or-suppliers-into-output-"
              "books), its table of fields: name, company, csType ('C – Customer/S-Supplier'), [the e-mail's"
              " row, whose name the stored copy lost: left out], contactPerson, contactPersonMobile, taxNo"
              " ('GSTIN'), conTaxScheme ('C-Composition Scheme/U-Unregistered/R-Registered'), balance, 'address1 ,"
              " address2, city, StateName, zip, country,' (one row of the table, in that order), phone; 'Don't"
              " change the header column name'; ',' (Import CSV), UTF-8 without a signature and CRLF taken",
        header=["name", "company", "csType", "contactPerson", "contactPersonMobile", "taxNo", "conTaxScheme",
                "balance", "address1", "address2", "city", "StateName", "zip", "country", "phone"]),
    "k3_customers": dict(
        source="K3 Imagine (UK retail point of sale: 'Export Customers')", language="en", separator="\t",
        encoding="utf-16-le", documented_as="field list",
        where="the vendor's documentation (k3imagine.com/documentation/ExportCustomers.html): 'The exported"
              " information contains the following data': External Unique ID, First Name, Last Name, Email,"
              " Mobile Phone Number, Phone Number, Associated Company, Primary Billing Address, Primary Shipping"
              " Address, Birthdate, Language, Currency, Credit Limit, Total Spent, No. of Visits, then under"
              " 'Loyalty Points.' Currently Available, Not Yet Available, Total Used, Loyalty Points Currently"
              " Available (Converted), Date Created, Last Visit ('Loyalty Points.' is a heading there, not a"
              " column). The export is 'an Excel Spreadsheet': the file here is that sheet saved by a UK Excel"
              " as 'Unicode Text' (UTF-16 little-endian with a signature, tab-separated, CRLF), which keeps the"
              " Polish and Czech customers' letters",
        header=["External Unique ID", "First Name", "Last Name", "Email", "Mobile Phone Number", "Phone Number",
                "Associated Company", "Primary Billing Address", "Primary Shipping Address", "Birthdate",
                "Language", "Currency", "Credit Limit", "Total Spent", "No. of Visits", "Currently Available",
                "Not Yet Available", "Total Used", "Loyalty Points Currently Available (Converted)", "Date Created",
                "Last Visit"]),
    "klubbadmin_medlemmer": dict(
        source="KlubbAdmin (the Norwegian sports confederation's member system: 'Format ved import av"
               " medlemmer')", language="nb", separator=";", encoding="cp1252", documented_as="field list",
        where="the confederation's page (www.idrettsforbundet.no/digital/klubbadmin/medlem/format-ved-import-av-"
              "medlemmer/): 'I excel-filen som skal danne grunnlaget for import, må følgende informasjon om"
              " medlemmene være med': Fornavn, Etternavn, Fødselsdato, Kjønn, E-postadresse, Postnummer,"
              " Telefonnummer (valgfritt); 'Importen støtter ikke utenlandske adresser'. The template is an Excel"
              " sheet: the file here is that sheet saved by a Norwegian Excel as 'CSV (semikolondelt)' (';',"
              " code page 1252, CRLF; the members' names all fit that code page)",
        header=["Fornavn", "Etternavn", "Fødselsdato", "Kjønn", "E-postadresse", "Postnummer", "Telefonnummer"]),
    "sportrick_customers": dict(
        source="Sportrick (gym and sports centre management: the 'Customers' sheet of its data import, Spanish"
               " help)", language="en", separator=";", encoding="cp1252", documented_as="field list",
        where="the vendor's Spanish help article 'Importación del directorio' (sportrickhelp.freshdesk.com/es/"
              "support/solutions/articles/1000313167), 'Columnas fijas de importación': IdentificationNumber,"
              " LastName ('Introducir los apellidos separados por espacios'), FirstName, DateOfBirth ('es posible"
              " insertar una fecha genérica 01/01/1900'), BirthPlace, Gender ('M y F'), TaxCode ('NIF/CIF'),"
              " Address ('Dirección completa'), City, ZipCode, State, Phone ('Teléfono fijo'), MobilePhone, EMail;"
              " the stored copy breaks off after EMail, so the list ends there; 'NO modificar la plantilla'. The"
              " template is an Excel sheet: the file here is that sheet saved by a Spanish Excel as 'CSV"
              " (delimitado por punto y coma)' (';', code page 1252, CRLF; the customers' names all fit it)",
        header=["IdentificationNumber", "LastName", "FirstName", "DateOfBirth", "BirthPlace", "Gender", "TaxCode",
                "Address", "City", "ZipCode", "State", "Phone", "MobilePhone", "EMail"]),
    "skolon_anvandare": dict(
        source="Skolon (a Swedish school platform: its user import, as a school reports app writes it)",
        language="sv", separator=";", encoding="utf-8", documented_as="header row",
        where="the school reports app's SkolonExportUsersService (stored file id 4760423695), makeFileContent:"
              " 'Förnamn;Efternamn;E-post;Användartyp;Användarnamn;EPPN;Idp identifierare;Hemtelefonnummer;"
              "Mobiltelefonnummer;Adress;Stad;Postnummer;Födelsedatum;Studievägskod;Personnummer;Skolform;Årskurs;"
              "Undervisningsgrupper;Klasser', each cell of a row in '\"' (the header not), ';' removed from"
              " values, the e-mail also the user name, a number beginning '07', '+467' or '00467' under"
              " Mobiltelefonnummer and any other under Hemtelefonnummer, 'Elev' or 'Lärare', the birth date"
              " 'Y-m-d', courses joined with '|', rows joined by PHP_EOL (LF on the app's Linux host); UTF-8",
        header=["Förnamn", "Efternamn", "E-post", "Användartyp", "Användarnamn", "EPPN", "Idp identifierare",
                "Hemtelefonnummer", "Mobiltelefonnummer", "Adress", "Stad", "Postnummer", "Födelsedatum",
                "Studievägskod", "Personnummer", "Skolform", "Årskurs", "Undervisningsgrupper", "Klasser"]),
    "focus360_docenti": dict(
        source="Focus360 AI (an Italian school app: the teachers' CSV upload, 'CSV docenti')", language="it",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the app's README (stored file id 55408009229), 'CSV docenti', 'Separatore `;`':"
              " 'cognome;nome;disciplina;mail;telefono;classe' with 'Rossi;Mario;Informatica;m.rossi@scuola.it;"
              "3331111111;3A'; UTF-8 without a signature and CRLF (a school office's sheet saved as 'CSV UTF-8'"
              " by LibreOffice) taken",
        header=["cognome", "nome", "disciplina", "mail", "telefono", "classe"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Dutch: SnelStart (its example import file is a download, the names not shown), Tixly (columns only in a"
    " screenshot), AdreZ (no fixed header), Springest Suite (an example file linked, not shown)",
    "Swedish and Norwegian: Bokio (columns chosen at import), Severa (a template download), Memlist (field"
    " lengths listed, not the file's order; XLSX only), Cardskipper and Desky (no column list),"
    " pameldingssystem.no (columns matched by hand)",
    "Spanish and Portuguese: Reviso and Contasol (a template download or a PDF not stored), Owner.com (columns"
    " mapped), Vindi (field descriptions, not the template's names), Sienge (order set per import), Assina+"
    " (its file has no header row), Gerencianet (a template download)",
    "Italian: guide.pec.it invoicing (columns matched by hand), Delera (only common headings named), MailUp and"
    " Skebby (mailing tools, columns mapped)",
    "French: Sage Accounting Canada in French (the stored copy breaks off after 'Référence')",
    "English: Halaxy (a template download per data type), Loyverse and Clover customers (API fields or columns"
    " mapped at upload), RetailCloud vendors (suppliers only), Checkfront (nothing stored), TidyHQ (nothing"
    " stored), Sage 50 Accounts customer records (whether its file has a header row is not shown)",
]
