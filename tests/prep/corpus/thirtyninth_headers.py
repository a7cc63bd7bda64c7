"""Headers of the thirty-ninth held-out set (tests/prep/corpus/thirtyninth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyseventh_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "sisfox_contactos": dict(
        source="Sisfox (Spanish-language CRM with the NXPost mailing module: 'Importar contactos')",
        language="es", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Importar contactos' (www.sisfox.com/importar-contactos.htm): the contacts are"
              " kept in a Google sheet, its example row of titles 'email_trabajo email_suscripcion_trabajo nombre"
              " apellido id_lista' with rows like 'pedro@perez.com 1 Pedro Perez Clientes,Zona Norte' and 'Juan"
              " Ramón López': the subscription a 1 or 0, several lists in one cell joined by commas. The sheet"
              " downloaded as CSV by Google Sheets (',', UTF-8 without a signature, CRLF) taken",
        header=["email_trabajo", "email_suscripcion_trabajo", "nombre", "apellido", "id_lista"]),
    "sitepackage_verteiler": dict(
        source="sitepackage:// Newsletter-System (a German CMS's newsletter: 'Vorbereitung von Daten im"
               " CSV-Format' for a distribution list)", language="de", separator=";", encoding="cp1252",
        documented_as="header row",
        where="the vendor's documentation 'Vorbereitung von Daten im CSV-Format' (www.sitepackage.de/service/"
              "dokumentation/24-vorbereitung-von-daten-im-csv-format.html), its 'Beispiel für eine importierbare"
              " CSV-Datei': \"Vorname\";\"Nachname\";\"E-Mail\";\"PLZ\";\"Ort\", every cell quoted, the first row"
              " the column titles. The page calls the files plain text without naming a code page: code page"
              " 1252 (a German Windows) and CRLF taken",
        header=["Vorname", "Nachname", "E-Mail", "PLZ", "Ort"]),
    "esendex_kontakte": dict(
        source="Esendex (SMS and e-mail marketing, German help: 'Wie erstellt man eine CSV-Datei?')",
        language="de", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's product help 'Wie erstellt man eine CSV-Datei?' (productsupport.esendex.com/de/"
              "wie-man-eine-csv-datei-erstellt): the examples 'E-Mail, Vorname, Nachname, Alter' and 'E-Mail,"
              " Vorname, Nachname, Alter, Notiz', a blank after each comma in the header and the rows"
              " ('julie@example.com, Julie, Braun, 52'), a note with a comma in double quotes; the five columns"
              " taken as shown, blanks included. UTF-8 without a signature and CRLF taken",
        header=["E-Mail", " Vorname", " Nachname", " Alter", " Notiz"]),
    "mygovernance_utenti": dict(
        source="myGovernance (Italian board and document-flow platform: 'Caricare massivamente una nuova"
               " anagrafica utenti utilizzando un file CSV')", language="it", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's knowledge base article of 15-10-2025 (assistenza.mygovernance.it/portal/it/kb/"
              "articles/caricare-massivamente-una-nuova-anagrafica-utenti-utilizzando-un-file-csv-15-10-2025):"
              " 'intestazione colonna 1: cognome', '2: nome', '3: email', '4: telefono (non è obbligatorio...)',"
              " the row 'rossi,mario,mario.rossi@test.com,3334567899, ' (mobiles without +39, a trailing empty"
              " cell), and up to five more columns 'solo ed esclusivamente come filtro', whose names are the"
              " user's: one, 'gruppo', taken. UTF-8 without a signature and CRLF taken",
        header=["cognome", "nome", "email", "telefono", "gruppo"]),
    "streamboxy_teilnehmer": dict(
        source="streamboxy (German virtual and hybrid event platform: 'Nutzerimport-Datei erstellen')",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Nutzerimport-Datei erstellen' (service.streamboxy.com/support/"
              "solutions/articles/50000086980-nutzerimport-datei-erstellen): 'Vorname (Spaltenname FIRSTNAME)',"
              " 'Name (Spaltenname NAME) Der Nachname der Teilnehmer', 'Mailadresse (Spaltenname EMAIL)', 'Rolle"
              " (Spaltenname ROLE)' SPEAKER or PARTICIPANT, 'SEND_NOTIFICATIONS' (TRUE, WAHR or 1; FALSE, FALSCH"
              " or 0), 'NOTIFICATION_TEMPLATE' (de, en, it, es, fr, custom1 ...), 'SEND_REMINDER'; the stored"
              " copy breaks off there, so the list does. The import reads the xlsx template; here the organiser's"
              " sheet saved as 'CSV UTF-8' by a German Excel (';', a signature, CRLF)",
        header=["FIRSTNAME", "NAME", "EMAIL", "ROLE", "SEND_NOTIFICATIONS", "NOTIFICATION_TEMPLATE",
                "SEND_REMINDER"]),
    "agendor_chat_contatos": dict(
        source="Agendor Chat (Brazilian CRM's customer-service chat: 'Como importar e exportar contatos')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Agendor Chat: como importar e exportar contatos' (ajuda.agendor.com.br/pt-BR/"
              "articles/9354350): the sample sheet also lists id, identifier, ip_address, custom_attribute_1 and"
              " _2, which the chat does not take, 'use somente as opções: name, phone_number, email'; 'No nome dos"
              " campos, não coloque nome, telefone em português, precisa estar em inglês'; 'O sinal +55 é"
              " obrigatório no telefone'; name and phone required, e-mail not; CSV 'separado por vírgulas'. UTF-8"
              " without a signature (a Google sheet's download) and CRLF taken",
        header=["name", "phone_number", "email"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Dutch: Laposta (columns mapped by hand), DatHuis (only 'Naam', 'Email' and 'Uitgeschreven' named, the"
    " template not shown), Momice and aanmelder.nl (the columns follow each event's form)",
    "French: Weezevent, Billetweb (exports described, no column names), deskbird (a desk booking tool, off the"
    " theme)",
    "Spanish: Acumbamail, Sarbacane / Mailify (columns mapped by hand), SumaCRM (field names without their"
    " order), SendPulse (mapped by hand)",
    "Portuguese: E-goi (mapped by hand), InEvent (the template's names not shown), HelenaCRM (mapped by hand),"
    " SUAP events (columns by position only, no names)",
    "German: Newsletter2Go, Contao newsletter, invitario, evenito, converia, yolawo (columns mapped by hand or the"
    " template not shown)",
    "Italian: Skebby, 4dem, Esendex Italia, Qlara (columns mapped by hand)",
]
