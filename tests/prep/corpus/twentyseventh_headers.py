"""Headers of the twenty-seventh held-out set (tests/prep/corpus/twentyseventh):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, nor in sixth_headers.py to
twentyfifth_headers.py, nor layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in its help or a sample; "field list":
it lists the names in this order) and where.

Nothing here is made up: each row is known from the vendor's own help page
(its address given) or a stored copy of a program's column map. Where a
source shows only part of its columns, only that part is taken, and the note
says so. Where the separator, encoding or line end is the file's setting
rather than a fixed property, or the source does not show it, the note says
so too.
"""

SOURCES = {
    "gnucash_customers": dict(
        source="GnuCash (the 'Import Customers & Vendors' of its Business menu: a small firm's customers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the GnuCash guide, Italian edition, 18.2 'Importare clienti e venditori' (wiki.gnucash.org/docs/"
              "it/gnucash-guide/import-customers-vendors.html): 'each line in the input file must have the"
              " following structure. id, company, name, addr1, addr2, addr3, addr4, phone, fax, email, notes,"
              " shipname, shipaddr1, shipaddr2, shipaddr3, shipaddr4, shiphone, shipfax, shipmail'; 'Fields can"
              " be separated with commas or semicolons and each field can be in quotes'; the id may be empty;"
              " one line per customer; the names as the guide spells them ('shiphone', 'shipmail') taken as the"
              " header row; ',' and UTF-8 (the importer's choice), LF (a Linux desktop's)",
        header=["id", "company", "name", "addr1", "addr2", "addr3", "addr4", "phone", "fax", "email", "notes",
                "shipname", "shipaddr1", "shipaddr2", "shipaddr3", "shipaddr4", "shiphone", "shipfax",
                "shipmail"]),
    "freeagent_contacts": dict(
        source="FreeAgent (UK accounting for small firms: the contacts CSV it imports)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="FreeAgent's help, 'CSV File Formats for Importing Contacts' (support.freeagent.com/hc/en-us/"
              "articles/115001222864): 'First Name, Last Name, Company, E-mail Address, E-mail 2 Address,"
              " Business Street, Business Street 2, Business Street 3, Business City, Business State, Business"
              " Postal Code, Business Phone and Mobile Phone'; 'either First Name and Last Name, or Company';"
              " 'only supports CSV files with a character delimiter of comma'; the encoding is Excel's 'CSV"
              " UTF-8' (with its signature), CRLF",
        header=["First Name", "Last Name", "Company", "E-mail Address", "E-mail 2 Address", "Business Street",
                "Business Street 2", "Business Street 3", "Business City", "Business State", "Business Postal Code",
                "Business Phone", "Mobile Phone"]),
    "dealerkit_contacts": dict(
        source="DealerKit (a UK motor dealer's CRM: its contacts import template)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="DealerKit's help, 'Importing Contacts' (help.dealerkit.co.uk/en/articles/9797306-importing-"
              "contacts): company_name, title, first_name, last_name, address_line_1, address_line_2,"
              " address_line_3, town, county, post_code, country ('2 digit country code'), primary_telephone,"
              " alternate_telephone, email, referral_source, reference, type ('record, lead, customer, supplier,"
              " finance_provider or trade_customer'), telephone_marketing, email_marketing, sms_marketing ('1 for"
              " yes or 0 for no'); 'CSV files must be saved in UTF8 format' (no signature taken); ',' and CRLF"
              " (the template's spreadsheet)",
        header=["company_name", "title", "first_name", "last_name", "address_line_1", "address_line_2",
                "address_line_3", "town", "county", "post_code", "country", "primary_telephone",
                "alternate_telephone", "email", "referral_source", "reference", "type", "telephone_marketing",
                "email_marketing", "sms_marketing"]),
    "kanboard_users": dict(
        source="Kanboard (a project board: its users' CSV import)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="Kanboard's app/Import/UserImport.php as stored in a public copy (huggingface.co/spaces/xvzan/kb/"
              "blob/main/app/Import/UserImport.php), getColumnMapping: 'username' => 'Username', 'password' =>"
              " 'Password', 'email' => 'Email', 'name' => 'Full Name', 'is_admin' => 'Administrator',"
              " 'is_manager' => 'Manager', 'is_ldap_user' => 'Remote User', in this order, the labels as the"
              " template's header; ',' and UTF-8 (the importer's default), LF",
        header=["Username", "Password", "Email", "Full Name", "Administrator", "Manager", "Remote User"]),
    "kleisteen_relaties": dict(
        source="Kleisteen (Dutch accounting: the relations sheet its support imports, debtors or creditors)",
        language="nl", separator=";", encoding="cp1252", documented_as="field list",
        where="Kleisteen's help, 'Relaties importeren' (support.kleisteen.nl/knowledge-base/relaties-importeren):"
              " 'naam bedrijf, achternaam,voornaam,geslacht (m/v), straat, postcode,plaats,landcode,tel,email,"
              "btw-nummer,kvk,bankrekening/iban,bic/swift'; 'Alle kolommen zijn verplicht, wanneer er geen"
              " gegevens zijn dan kunt u de velden leeg laten'; 'Landcode is volgens iso-code 3166 apha-2';"
              " 'Wanneer zowel de kolom bedrijfsnaam als achternaam is ingevuld dan wordt de achternaam als"
              " contactpersoon ingevoerd'; the sheet is an Excel file: saved by a Dutch Excel as CSV (';', code"
              " page 1252, CRLF)",
        header=["naam bedrijf", "achternaam", "voornaam", "geslacht (m/v)", "straat", "postcode", "plaats",
                "landcode", "tel", "email", "btw-nummer", "kvk", "bankrekening/iban", "bic/swift"]),
    "yoursminc_contacten": dict(
        source="Yoursminc (Dutch online bookkeeping: 'Inlezen Contacten', customers and suppliers)",
        language="nl", separator=",", encoding="utf-8", documented_as="header row",
        where="Yoursminc's knowledge base, 'Inlezen van je contacten' (newknowledgebase.yoursminc.nl/Inlezen-van-"
              "je-contacten): 'BEDRIJF,CONTACTPERSOON,STRAAT,STAD,POSTCODE,LAND,EMAIL,TELEFOONNUMMER' with rows"
              " such as 'Tak van Gils Bandenservice,Ton van Gils,Rederijweg 59,Oosterhout,4906 CX,NL,...' (one"
              " firm twice, with two contact persons; a firm without one); 'Komma gescheiden'; UTF-8 without a"
              " signature and CRLF taken (not shown)",
        header=["BEDRIJF", "CONTACTPERSOON", "STRAAT", "STAD", "POSTCODE", "LAND", "EMAIL", "TELEFOONNUMMER"]),
    "pom_mittenti": dict(
        source="Post Office Manager (an Italian private mail operator's program: its senders' register, the"
               " 'Mittenti' import)", language="it", separator=";", encoding="cp1252",
        documented_as="field list",
        where="the program's help, 'Mittenti' (help.postofficemanager.it/Mittenti.html): 'il file di"
              " importazione deve avere i seguenti campi e nel seguente ordine: SenderID (opzionale), Nome (Nome"
              " o ragione sociale del mittente), CAP, Città, Provincia (Sigla della provincia), Indirizzo, Numero"
              " (Numero civico), Stato, Società, P. IVA, Codice Fiscale, Telefono 1, Telefono 2, Fax, Email, Web,"
              " Sconto, Sconto  P.I., Sconto Corriere esterno, Libero 1, Libero 2, Giorni giacenza, Da"
              " fatturare'; the stored page breaks off there, so the list ends there ('Sconto  P.I.' with its two"
              " spaces); Excel or CSV: an Italian Excel's CSV taken (';', code page 1252, CRLF)",
        header=["SenderID", "Nome", "CAP", "Città", "Provincia", "Indirizzo", "Numero", "Stato", "Società",
                "P. IVA", "Codice Fiscale", "Telefono 1", "Telefono 2", "Fax", "Email", "Web", "Sconto",
                "Sconto  P.I.", "Sconto Corriere esterno", "Libero 1", "Libero 2", "Giorni giacenza",
                "Da fatturare"]),
    "banktrack_contactos": dict(
        source="Banktrack (a Spanish bank reconciliation service: its contacts import template)", language="es",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Banktrack's docs, 'Cómo importar contactos' (docs.banktrack.com/banktrack/contactos/como-importar-"
              "contactos): Nombre, Tipo de contacto ('freelancer (autónomo) o company (empresa)'), Identificador"
              " fiscal, Correo, Teléfono, Dirección, Código postal, Ciudad, Provincia, País ('código ISO (ej: ESP,"
              " MEX)'), Conceptos de categorización ('textos separados por comas, sin espacio'); ',' and UTF-8"
              " taken (a web app's CSV template), CRLF",
        header=["Nombre", "Tipo de contacto", "Identificador fiscal", "Correo", "Teléfono", "Dirección",
                "Código postal", "Ciudad", "Provincia", "País", "Conceptos de categorización"]),
    "dataweb_clientes": dict(
        source="DataWeb (a Spanish online shop platform: the customers' update from CSV)", language="es",
        separator=";", encoding="utf-8", documented_as="field list",
        where="DataWeb's knowledge base, 'Actualización de clientes desde ficheros CSV' (soportedataweb.com/"
              "knowledgebase.php?article=158): 'tipo CSV, conjunto de caracteres Unicode (UTF-8), delimitador de"
              " campo ; (punto y coma), delimitador de valores de campo \" (dobles comillas)'; 'La primera fila"
              " debe contener los [identificadores de campo]. Sólo es necesario indicar los campos que vayas a"
              " actualizar': [cod_cliente], [nombre], [apellidos], [empresa], [direccion], [dondeconocido],"
              " [poblacion], [cod_postal], [provincia], [pais] (ISO 3166-1, two letters), [telefono], [nif],"
              " [cod_tarifa], [email]; the stored page breaks off after [email], so the list ends there; every"
              " value quoted, CRLF (LibreOffice's)",
        header=["[cod_cliente]", "[nombre]", "[apellidos]", "[empresa]", "[direccion]", "[dondeconocido]",
                "[poblacion]", "[cod_postal]", "[provincia]", "[pais]", "[telefono]", "[nif]", "[cod_tarifa]",
                "[email]"]),
    "quickbutik_kunder": dict(
        source="Quickbutik (a Swedish and Norwegian web shop platform: its customer register import, from a"
               " Norwegian shop)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Quickbutik's Norwegian help, 'Hvordan importerer jeg kunder til kunderegistret mitt?'"
              " (help.quickbutik.no/hvordan-importerer-jeg-kunder-til-kunderegistret-mitt/): 'Disse må være nevnt"
              " med følgende kolonnetitler: email, firstname, lastname, address, city, zipcode, phone,"
              " company_name. E-post må være med og skal være først i filen, øvrige spiller ingen rolle';"
              " 'Excel (CSV) med tegnsett UFT-8'; ',' as its examples, CRLF (a spreadsheet's)",
        header=["email", "firstname", "lastname", "address", "city", "zipcode", "phone", "company_name"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Italian: an e-invoicing portal's customer import (pec.it: only the mandatory fields, not the file's"
    " columns), a software house's client import from Excel (help.sistemi.com: the stored page breaks off"
    " after the phone, before any mailbox), Danea Easyfatt (the template is made by the program, not shown)",
    "Dutch and Flemish: DigitaleFactuur (fields described one by one, the page breaks off), numnum.be (its sample"
    " table lost a column's name), MICE Operations (labels of a form, not a file's columns)",
    "Spanish: Ninox (Argentina: 'Nombre / Razón social' and the rest only as 'normalmente'), Reviso and WizERP"
    " (the columns in a downloaded file, not shown), Celoxis (a project tool's clients: no address)",
    "Swedish: Severa's customer import (the template is downloaded, its columns not listed), Rackbeat's contacts"
    " (the mandatory fields only)",
    "French: address book and mailing tools (appligeo, RapidoMail: only some labels or free column names)",
]
