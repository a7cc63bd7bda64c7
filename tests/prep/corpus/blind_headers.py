"""Headers of the fifth held-out set (tests/prep/corpus/blind): none of these
sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py nor layouts_test.py. The entries are as in headers.py:
source, language of the columns' names, separator and encoding of the
export, how the header is documented ("header row": the source shows the row
itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "finesse_phonebook": dict(
        source="Cisco Finesse (contact centre desktop: a phone book's contact list export)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="developer.cisco.com/docs/finesse/phonebook—export-contact-list: 'PhoneBook—Export Contact List',"
              " the example exported CSV file '\"First Name\",\"Last Name\",\"Phone Number\",\"Notes\"' with every"
              " value quoted and the numbers as bare digits ('6511234', a note 'Sales')",
        header=["First Name", "Last Name", "Phone Number", "Notes"]),
    "uccx_campaign_contacts": dict(
        source="Cisco Unified Contact Center Express (outbound campaign contacts file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="developer.cisco.com/docs/contact-center-express/data-structure-for-campaign-contacts: csvdata, 'a"
              " comma-separated text file', the first non-empty line the header, these case-insensitive headers"
              " in this order (Phone1 mandatory; Dial Time only for Agent Direct Preview campaigns); the encoding"
              " is the file's setting",
        header=["Account Number", "First Name", "Last Name", "Phone1", "Phone2", "Phone3", "Dial Time"]),
    "firetms_kontrahenci": dict(
        source="fireTMS (Polish transport management: contractors' import template)", language="pl",
        separator=";", encoding="cp1250", documented_as="field list",
        where="pomoc.firetms.com/support/solutions/articles/1000322085 ('Import kontrahentów z pliku CSV'): the"
              " template's obligatory fields marked with an asterisk, in this order (Nazwa ... Osoba kontaktowa -"
              " e-mail; 'Klient / Przewoźnik' and the payment terms of each); only those fields are taken; ';' and"
              " code page 1250 as a Polish Excel saves CSV (that setting)",
        header=["Nazwa", "Nazwa skrócona", "Ulica i numer", "Kod pocztowy", "Miasto", "Kod kraju", "Numer NIP",
                "Identyfikator EU VAT", "Klient / Przewoźnik", "Klient: Termin płatności dni",
                "Klient: Termin płatności punkt odniesienia", "Przewoźnik: Termin płatności dni",
                "Przewoźnik: Termin płatności punkt odniesienia", "Osoba kontaktowa - imię",
                "Osoba kontaktowa - nazwisko", "Osoba kontaktowa - tel. komórkowy", "Osoba kontaktowa - e-mail"]),
    "licensespring_customers": dict(
        source="LicenseSpring (software licensing: customers from CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.licensespring.com/management-api/customer/import-customers-from-csv: 'Possible CSV headers'"
              " email, first_name, last_name, company_name, phone, reference, address, postcode, state, city,"
              " country, in this order (the page asks for ASCII text; the file here is UTF-8, as a German"
              " customer list is)",
        header=["email", "first_name", "last_name", "company_name", "phone", "reference", "address", "postcode",
                "state", "city", "country"]),
    "selldone_customers": dict(
        source="Selldone (online shop: customers import sheet)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="github.com/selldone/excel/wiki/Customer-Import: the customers-import template's columns in this"
              " order with sample values (Segments 'VIP,Local', Birthday YYYY-MM-DD, Country a two-letter code,"
              " Address the street, No the house number, Unit the flat, Address Name the recipient); the sheet"
              " saved as CSV UTF-8 with its signature (that setting)",
        header=["Name", "Phone", "Email", "Level", "Segments", "Birthday", "Sex", "Currency", "Country", "State",
                "City", "Address", "No", "Unit", "Postal", "Message", "Address Phone", "Address Name", "Lat",
                "Lng"]),
    "signinghub_contacts": dict(
        source="Ascertia SigningHub (e-signature: contacts from a CSV file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.ascertia.com/signinghub-web ('Import contacts via CSV file'): 'A CSV file should contain the"
              " following information: \"Email Address\" ... \"Last Name\" ... \"First Name\" ... \"Mobile Number\"',"
              " in this order; the contact is named by the part before '@' where no name is given",
        header=["Email Address", "Last Name", "First Name", "Mobile Number"]),
    "collmex_kunden": dict(
        source="Collmex (German accounting and ERP: customers, record type CMXKND)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="collmex.de/cgi-bin/cgi.exe?1005,1,help,daten_importieren_kunde: 'Satzbeschreibung Kunde', the"
              " numbered fields in this order (1 Satzart, fixed value CMXKND; 14 Inaktiv 0/1; 15 Land an ISO"
              " code); the stored copy breaks off at field 40, so the list ends with 39; Collmex's own files open"
              " each row with its record type and carry no header, so the field names are written as the header"
              " row here; ';' and code page 1252 as a German spreadsheet saves it (that setting)",
        header=["Satzart", "Kundennummer", "Firma Nr", "Anrede", "Titel", "Vorname", "Name", "Firma", "Abteilung",
                "Straße", "PLZ", "Ort", "Bemerkung", "Inaktiv", "Land", "Telefon", "Telefax", "E-Mail",
                "Kontonummer", "Blz", "Iban", "Bic", "Bankname", "Steuernummer", "USt.IdNr", "Zahlungsbedingung",
                "Rabattgruppe", "Lieferbedingung", "Lieferbedingung Zusatz", "Ausgabemedium", "Kontoinhaber",
                "Adressgruppe", "eBay-Mitgliedsname", "Preisgruppe", "Währung (ISO-Codes)", "Vermittler",
                "Kostenstelle", "Wiedervorlage am", "Liefersperre"]),
    "infeo_kundenliste": dict(
        source="infeo awm (Austrian waste management software: customer list)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="support.infeo.at/help/awm/index.php?title=Kundenliste: a text file with a header row of defined"
              " column names, each with its accepted spellings ('Straße, Strasse', 'Hausnummer, HNr.', 'Telefon,"
              " Tel.', 'E-Mail, Mail'), the order of no matter; Name is the customer (a private person or a"
              " property manager's firm), Firmenname the firm's full name with its legal form, Kontaktperson the"
              " person responsible, whose are Telefon, Fax and E-Mail; the shorter spellings are the ones taken,"
              " in the list's order; ';' and code page 1252 are the file's setting",
        header=["ID", "Name", "Firmenname", "Strasse", "HNr.", "PLZ", "Ort", "Objekt", "Kontaktperson", "Tel.",
                "Fax", "Mail"]),
    "banana_kontakte": dict(
        source="Banana Buchhaltung Plus (Swiss accounting: the Contacts table)", language="de",
        separator="\t", encoding="utf-8", documented_as="field list",
        where="banana.ch/doc10/de/node/9756 ('Tabelle Kontakte', 'Die Spalten'): ID, Organisation, Anrede"
              " (Prefix), Vorname, Nachname, Strasse, Haus-Nr. ('die Hausnummer kann entweder in der Spalte"
              " Strasse oder in der separaten Spalte Haus-Nr. erfasst werden'), Extra, Postfach, PLZ, Ort,"
              " Nationskennzeichen (the country's code); the stored copy breaks off there, so the list ends with"
              " it; the table exported as tab-separated text with its signature (that setting)",
        header=["ID", "Organisation", "Anrede", "Vorname", "Nachname", "Strasse", "Haus-Nr.", "Extra", "Postfach",
                "PLZ", "Ort", "Nationskennzeichen"]),
    "finom_kontakte": dict(
        source="FINOM (business account and invoicing: contacts list, German)", language="de",
        separator=";", encoding="utf-8", documented_as="field list",
        where="help.finom.co/de/articles/5490343 ('Wie du deine Kontaktliste in FINOM importierst'): the"
              " properties a file's columns are given, in this order (Empfängernummer and Provinz 'nur für"
              " Italien'); the file written with them as its header; ';' and UTF-8 are the file's setting",
        header=["Geschäftlicher Name", "Vorname", "Nachname", "Kundennummer", "Umsatzsteuer-Nr./Steuernummer",
                "Empfängernummer", "Land", "Adresse", "Stadt", "Postleitzahl", "Provinz", "Name der Kontaktperson",
                "E-Mail", "Telefon", "IBAN"]),
    "tofino_guests": dict(
        source="Tofino Auctions (charity events: guest and ticket import)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.tofinoauctions.com/hc/en-us/articles/115001142351 ('Fields available for Ticket Imports'):"
              " Bidder Number, Guest Full Name ('John Doe; Doe, John'), Full Address ('125 Main St. Portland, OR"
              " 97211'), Email Primary, Phone Primary ('accepts any format'), Ticket Type or Name; only these of"
              " the list are taken, in its order (the second guest's fields are left out); the encoding is the"
              " file's setting",
        header=["Bidder Number", "Guest Full Name", "Full Address", "Email Primary", "Phone Primary",
                "Ticket Type or Name"]),
    "docendorse_contacts": dict(
        source="DocEndorse (e-signature: contacts uploaded from CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docendorse.com/guide/adding_a_contact: 'There must be a \"name\", an \"email address\", and a"
              " telephone column. The telephone column entries can be left empty ... but you must have the"
              " heading'; the encoding is the file's setting",
        header=["name", "email address", "telephone"]),
    "dataflor_adressen": dict(
        source="DATAflor BUSINESS (German landscaping software: addresses import)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="wiki.dataflor.de/doku.php/de/produkte/business_2019/adressen/feldzuordnung_adressimort: 'Enthält"
              " eine CSV-Datei eine Überschriftszeile, kann der Import die Felder automatisch zuordnen', the"
              " recognised headings of each field in the table's order (Anrede, Titel, Kundennummer, Vorname,"
              " '2. Vorname', Nachname, Namenszusatz, Zusatz, then the address: Straße, Postfach, PLZ, Ort,"
              " Bundesland, Land); the stored copy breaks off in the home address, so the list ends with the"
              " business address; ';' and code page 1252 as a German Excel saves CSV (that setting)",
        header=["Anrede", "Titel", "Kundennummer", "Vorname", "2. Vorname", "Nachname", "Namenszusatz", "Zusatz",
                "Straße", "Postfach", "PLZ", "Ort", "Bundesland", "Land"]),
    "openair_contacts": dict(
        source="NetSuite OpenAir / SuiteProjects Pro (professional services: Contact records)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.oracle.com/en/cloud/saas/netsuite-openair/nsoa-online-help/article_0202051449.html: the Contact"
              " record's fields with their export and import marks, in this (alphabetical) order; customer_company"
              " the customer's name; can_bill_to, can_ship_to, can_sold_to flags; the placeholder"
              " customer_<field_name> and the invoice_ fields, marked for one direction only, are left out; the"
              " stored copy breaks off after mobile, so the list ends there (no phone, state or postal code);"
              " the encoding is the export's setting",
        header=["acct_code", "active", "address1", "address2", "address3", "address4", "can_bill_to", "can_ship_to",
                "can_sold_to", "city", "country", "created", "customer_company", "customer_externalid",
                "customer_id", "email", "external_id", "fax", "firstname", "id", "job_title", "lastname", "middle",
                "mobile"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs and pages), beyond the other header modules' lists.
NOT_FOUND = [
    "CRMs: Agile CRM, Freshsales, Insightly, Keap, Capsule, Nimble (columns mapped at import)",
    "Webmail: Proton Mail (vCards), Zimbra (its contact-fields.xml is not stored), Zoner/Czechia (the list of"
    " columns breaks off)",
    "Phones: 3CX, FreePBX, Grandstream (no CSV column list; Yeastar's other products are the same family as"
    " headers.py's)",
    "Invoicing: Fakturoid, iDoklad (reads Outlook and Gmail files), SuperFaktúra (API only), Billingo and"
    " Számlázz.hu (form fields), SmartBill (form fields), sevDesk and Billomat (columns mapped at import),"
    " FastBill (the list breaks off), lexoffice (the table breaks off after column D), Fakturia (its file has no"
    " header row), Quibi (columns mapped), Maverix (invoice items, not contacts)",
    "Events: Eventbrite (API objects only)",
    "e-pity's briefcase of people and firms: named in final_headers.py's list, so left to it",
]
