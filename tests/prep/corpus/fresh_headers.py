"""Headers of the third held-out set (tests/prep/corpus/fresh): none of these
sources is in headers.py, unseen_headers.py nor layouts_test.py. The entries
are as in headers.py: source, language of the columns' names (the tool's own
language where its documentation is in it), separator and encoding of the
export, how the header is documented ("header row": the source shows the row
itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "e_racuni_partners": dict(
        source="e-računi (Slovene invoicing: partners, as exported to a spreadsheet and imported)", language="sl",
        separator=";", encoding="cp1250", documented_as="field list",
        where="e-racuni.com/WikiDoc/WikiPage?page=Partnerji-uvoz+partnerjev&lang=Slovene: 'Datoteka mora vsebovati"
              " podatke v naslednjem vrstnem redu' 1-20, then '......', so the list ends at Pravna oblika; the file's"
              " structure is that of the partners' export to a spreadsheet; the postal code's column may be left"
              " empty and the code written in the town's column ('2000 Maribor'); ';' and code page 1250 as a"
              " Slovene Excel saves CSV (the export's setting)",
        header=["Šifra partnerja", "Naziv partnerja", "Priimek partnerja", "Ime partnerja", "Ulica",
                "Poštna številka", "Pošta kraj", "Telefon", "FAX", "ID št. za DDV ali davčna številka",
                "Matična številka", "Šifra kupca", "STM kupca", "Šifra dobavitelja", "STM dobavitelja", "TRR",
                "Email naslov", "Homepage naslov", "Mobilni telefon", "Pravna oblika"]),
    "comarch_erp_xt_partners": dict(
        source="Comarch ERP XT (German ERP: business partners' sheet)", language="de",
        separator=";", encoding="utf-8", documented_as="field list",
        where="hilfe.erpxt.de/knowledge-base/wie-soll-die-struktur-des-tabellenblattes-aussehen-um-die-"
              "geschaeftspartnerdaten-zu-importieren/: 'Spaltenname im Tabellenblatt DE' in this order (Name1,"
              " Name2 and Name3 make the one name; Klassifikation 0 Inland, 3 innergemeinschaftlich, 1 Extra-EU);"
              " the stored copy breaks off after Kundenart, so the list ends there; the sheet saved as CSV UTF-8"
              " by a German Excel (';' and the signature are that setting)",
        header=["Zeilennummer", "Name1", "Name2", "Name3", "Straße", "Hausnr", "Wohnungsnr", "PLZ", "Ort",
                "Telefonnr", "Mobil", "Fax", "Email", "WWW", "Land", "Steuernummer", "Klassifikation", "Rabatt",
                "Präfix", "Umsatzsteuer-ID", "Kundenart"]),
    "isolta_contacts": dict(
        source="Isolta (invoicing: contacts file, German help)", language="de",
        separator=",", encoding="utf-8", documented_as="field list",
        where="help.isolta.com/de/articles/1583843-auf-zu-isolta-so-importieren-sie-ihre-kontakte-aus-anderen-"
              "tools: 'Die zu importierende Datei sollte die folgenden Felder haben', in this order, 'genau wie"
              " oben erwähnt'; a person's first and last name go into the one field Name; commas between the"
              " fields (the encoding is the file's setting)",
        header=["Name", "Abteilung / Kontakt", "Zusätzliche Zeile", "Rechnungsadresse", "Postleitzahl", "Ort",
                "Ländercode", "E-Mail-Adresse", "Telefonnummer", "Reg. Nr.", "Kundennummer", "Memo", "Privatkunde",
                "Sprache", "e-invoice-Adresse", "Operator Code"]),
    "symfonia_contractors": dict(
        source="Symfonia ERP (Polish: contractors' sheet for its special import)", language="pl",
        separator="\t", encoding="utf-16-le", documented_as="field list",
        where="pomoc.symfonia.pl/data/hm/ERP/2023/data/import_kontrahentow_z_ms_excel.htm: 'Importowane kolumny'"
              " in this order (Podmiot: Firma, Osoba fizyczna (firma), Osoba Fizyczna; flags PRAWDA/FAŁSZ); the"
              " stored copy breaks off after Limit kredytu, so the list ends there; the sheet saved by Excel as"
              " Unicode text (UTF-16 with tabs is that setting)",
        header=["Nazwa", "Kod", "Podmiot", "NIP", "REGON", "PESEL", "Zarejestrowany w VIES", "Podatnik VAT czynny",
                "Jednostka powiązana", "Kod pocztowy", "Miejscowość", "Ulica", "Nr budynku", "Nr lokalu",
                "Województwo", "Kraj", "Imię", "Nazwisko", "Telefon 1", "Telefon 2", "Fax", "Email",
                "Rejestr płatności", "Forma płatności", "% Rabatu", "Limit kredytu"]),
    "faqt_contractors": dict(
        source="faqt (Polish invoicing on FileMaker: the contractors' base)", language="pl",
        separator="\t", encoding="cp1250", documented_as="field list",
        where="faqt.pl/pobierz/dokumentacja/: 'Opis pól bazy kontrahentów', KontrID_k1 to KontrFirma in this"
              " order (KontrFirma: Firma or Prywatny; KontrAdres the street with house and flat number); text"
              " files with tabs among the accepted formats (the code page is the file's setting)",
        header=["KontrID_k1", "KontrNazwa", "KontrIdent", "KontrAdres", "KontrAdresKod", "KontrAdresMiasto",
                "KontrNip", "KontrNipPrefUE", "KontrAdresKraj", "KontrPoziomCen", "KontrRodzajPlatosci",
                "KontrTel1", "KontrFaks", "KontrEmail", "KontrUwagi", "KontrKontoNr", "KontrKontoBank",
                "KontrFirma"]),
    "necto_partners": dict(
        source="Necto (Croatian invoicing: partners' template)", language="en",
        separator=";", encoding="cp1250", documented_as="field list",
        where="docs.necto.ltd/en/customers/import-partners: 'Template columns' in this order (oib of 11 digits,"
              " classification domestic / eu_intra_community / third_country, addressCountry an ISO code); an"
              " XLSX template saved as CSV by a Croatian Excel (';' and code page 1250 are that setting)",
        header=["companyName", "tradeName", "oib", "classification", "addressStreet", "addressCity",
                "addressPostalCode", "addressCounty", "addressCountry", "paymentNetDays", "isSupplier", "notes"]),
    "autenti_contacts": dict(
        source="Autenti (Polish e-signature: address book file)", language="pl",
        separator=";", encoding="utf-8", documented_as="field list",
        where="help.autenti.com/pl/knowledge/jak-zaimportowac-liste-kontaktow: the sample file's fields"
              " 'firstName … country' in this order; ';' between fields, no commas and no blanks inside a value;"
              " the dial code apart from the number and written with an apostrophe before the '+' (''+48');"
              " street with house and flat number; country and taxCountry as codes",
        header=["firstName", "lastName", "email", "companyName", "taxNumber", "taxCountry", "jobTitle",
                "phoneNumber", "dialCode", "street", "regon", "pesel", "postalCode", "city", "country"]),
    "dotypos_customers": dict(
        source="Dotykačka / Dotypos (Czech point of sale: customers' file)", language="cs",
        separator=";", encoding="utf-8", documented_as="field list",
        where="manual.dotykacka.cz/importzakazniku.html (the same on manual.dotykacka.sk and manual.dotypos.com):"
              " 'Popis sloupců v importním souboru', the file the customers' export writes and the import reads,"
              " in this order; customerId left empty; phone 'bez mezer (00420111222333 …)'; country a code; the"
              " stored copy breaks off after discountGroup_id, so the list ends there (separator and signature"
              " as a Czech Excel saves the .xls template as CSV UTF-8: that setting)",
        header=["externalId", "customerId", "vatNo", "firstName", "lastName", "barCode", "email", "phone",
                "birthDay", "address", "city", "zip", "country", "companyName", "discountGroup_id"]),
    "shoptec_customers": dict(
        source="Shoptec (Slovak e-shop: customers' CSV)", language="sk",
        separator=",", encoding="utf-8", documented_as="field list",
        where="shoptec.sk/manual/zakaznici/import: the table of the CSV's columns in the order listed ('nezáleží"
              " na poradí stĺpcov'), delivery_name and invoice_name the whole name of a person or body, country"
              " ids as two-letter codes (sk); the stored copy breaks off after company_vatpayer, so the list ends"
              " there (separator and encoding the file's setting)",
        header=["email", "first_name", "last_name", "phone", "web", "gender", "birthday", "enabled", "password",
                "password_salt", "delivery_name", "delivery_street", "delivery_postcode", "delivery_city",
                "delivery_country_id", "invoice_name", "invoice_street", "invoice_postcode", "invoice_city",
                "invoice_country_id", "company_name", "company_uid", "company_taxid", "company_vatid",
                "company_vatpayer"]),
    "cooltix_purchases": dict(
        source="Cooltix (Hungarian ticketing: an event's purchases export)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.cooltix.com/en/articles/10644522-content-of-export: 'each column of the downloaded table'"
              " in this order (Customer Name as typed at checkout, Invoice Address the billing address whole,"
              " Invoice Number 0 where nothing was invoiced); the stored copy breaks off after Invoice Number, so"
              " the list ends there (separator and encoding the export's setting)",
        header=["Attendee ID", "Order ID", "Order Date", "Occasion Start Date", "Occasion End Date",
                "Customer Email", "Customer Name", "Invoice Name", "Invoice Address", "Invoice Number"]),
    "voispeed_phonebook": dict(
        source="VoiSpeed (phone system: phonebook upload)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="voispeed.co.uk/create-new-contacts: 'The first line of the file should not be amended', the"
              " fields it can specify in this order, 'separated by semi-colons' (the encoding is the file's"
              " setting)",
        header=["Name", "Surname", "Company", "Office number", "Mobile number", "Home number", "Other number",
                "Fax number", "Visible to everyone", "Can be edited by anyone", "Favourite"]),
    "audian_contacts": dict(
        source="Audian (phone service: contacts list upload)", language="en",
        separator="\t", encoding="utf-8", documented_as="field list",
        where="audian.atlassian.net/wiki/pages/diffpagesbyversion.action?pageId=50331649: 'The following headings"
              " are allowed', in this order (name, or firstname and lastname; several numbers of a kind in"
              " columns of the same heading); values 'separated by either a semicolon, comma or tab' (tab chosen)",
        header=["name", "mobile", "mobile", "phone", "phone", "fax", "organization", "position", "department",
                "email", "about"]),
    "xarios_directory": dict(
        source="Xarios Cloud (phone system: contact directory import)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="docs.na.xarios.cloud/en-gb/config/contactdirectories/import/: 'The field order required for the"
              " CSV is displayed on the Import form' ('Title,Full Name,…,Field 10') and its example rows ('Mrs,"
              "Carol Smith,XYZ Inc.,Sales Manager,480-123-4567,,,,…,567,Contact,,,,,,,,,')",
        header=["Title", "Full Name", "Company Name", "Job Title", "Telephone 1", "Telephone 2", "Telephone 3",
                "Telephone 4", "Email", "CRM ID"] + [f"Field {n}" for n in range(1, 11)]),
    "bluetick_contacts": dict(
        source="Bluetick (e-mail follow-up tool: contacts import template)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="support.bluetick.io/general/importing-contacts: the template's row 'FirstName,LastName,Email,Phone,"
              "TitleOrPosition,Company,Tags', tags quoted and joined by commas ('\"tag1,tag2\"'), a custom field a"
              " further column named 'cf_' and the field's name (the two taken here, cf_Source and cf_Owner, are"
              " the user's own)",
        header=["FirstName", "LastName", "Email", "Phone", "TitleOrPosition", "Company", "Tags", "cf_Source",
                "cf_Owner"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages, code and issues), beyond the lists of
# headers.py and unseen_headers.py, most of them there already.
NOT_FOUND = [
    "CRMs: Odoo res.partner (only generic import guides), Microsoft Dynamics 365, Zoho Bigin, Freshsales,"
    " Capsule CRM (columns mapped at import), Copper (field definitions, no file order), Keap, Agile CRM,"
    " Teamleader Focus (its template is an attachment), Raynet and MiniCRM (columns inside XLSX samples),"
    " Pipedrive organizations, vtiger, EspoCRM, SuiteCRM, Nutshell, Salesflare, Streak, Close",
    "Mailing tools: Brevo (attributes chosen per export), MailerLite, ActiveCampaign, Constant Contact,"
    " GetResponse, Klaviyo, Ecomail and SmartEmailing (columns mapped at import), Sendy, Mautic",
    "Webmail and address books: Yahoo, Outlook.com, Zimbra (its formats in a contact-fields.xml not stored),"
    " Roundcube, Nextcloud, Proton, Fastmail, Seznam (Zoner's webmail list of columns breaks off)",
    "Phones: 3CX, FreePBX, Yealink, Grandstream and Snom phonebooks (XML, or CSV without a column list),"
    " Android and Samsung contacts as CSV, Swyx (its phonebook file has no header row)",
    "Invoicing and accounting: Pohoda, Money S3, iDoklad (it reads Outlook and Gmail files), Fakturoid,"
    " SuperFaktúra (API only), Számlázz.hu, Billingo (form fields), wFirma (its CRM table is not in the stored"
    " copy), inFakt, SmartBill and Oblio (form fields), Lexware Office (columns A to D only), UPgates (the list"
    " breaks off after [CODE]), Kulcs-Soft in Hungarian (only its English help), OM-BM (its files have no"
    " header row)",
    "Events and members: Eventbrite (only the API's attendee object), Meetup, Wild Apricot",
]
