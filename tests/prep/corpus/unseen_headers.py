"""Headers of the held-out exports (tests/prep/corpus/unseen), as their sources
document them: none of these sources is in headers.py nor in layouts_test.py,
so rowcard-prep's developers have not looked at them. The entries are as in
headers.py: source, interface language, separator and encoding of the export,
how the header is documented ("header row": the source shows the row itself;
"field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "sugarcrm_contacts_migration": dict(
        source="SugarCRM 4.2 (contacts table written to CSV for a migration)", language="en",
        separator=", ", encoding="utf-8", documented_as="header row",
        where="github.com/keepmeupdatedplease/migracion_sugar, migra_csv_contacts.php: the header row it echoes"
              " (the campaign_id column under an empty name), and its rows, each field quoted and followed by"
              " '\", ' (a comma and a space, one after the last field too), no quote inside a value doubled",
        header=["id", "date_entered", "date_modified", "modified_user_id", "created_by", "description", "deleted",
                "assigned_user_id", "salutation", "first_name", "last_name", "title", "department", "phone_home",
                "phone_mobile", "phone_work", "phone_other", "primary_address_street", "primary_address_city",
                "primary_address_state", "primary_address_postalcode", "primary_address_country",
                "alt_address_street", "alt_address_city", "alt_address_state", "alt_address_postalcode",
                "alt_address_country", "assistant", "assistant_phone", "lead_source", "reports_to_id",
                "birthdate", "", "phone_fax", "email1", "email2", "portal_name", "portal_app"]),
    "sugarcrm_accounts_table": dict(
        source="SugarCRM CE 6.5 (accounts table, dumped with mysql --batch)", language="en",
        separator="\t", encoding="utf-8", documented_as="field list",
        where="github.com/core-cookbooks/sugarcrm_ce, files/default/sugarcrm.sql: CREATE TABLE `accounts`, its"
              " columns in this order; tabs, a header line, NULL for a null and \\n for a line break are what"
              " mysql --batch writes (the export's setting)",
        header=["id", "name", "date_entered", "date_modified", "modified_user_id", "created_by", "description",
                "deleted", "assigned_user_id", "account_type", "industry", "annual_revenue", "phone_fax",
                "billing_address_street", "billing_address_city", "billing_address_state",
                "billing_address_postalcode", "billing_address_country", "rating", "phone_office",
                "phone_alternate", "website", "ownership", "employees", "ticker_symbol", "shipping_address_street",
                "shipping_address_city", "shipping_address_state", "shipping_address_postalcode",
                "shipping_address_country", "parent_id", "sic_code", "campaign_id"]),
    "mailchimp_audience": dict(
        source="Mailchimp (audience export, subscribed members)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/buren/honey_format, its CSV test of a Mailchimp export: that export's header row"
              " quoted as its 'diabolical' example (names with spaces and the dates quoted)",
        header=["Email Address", "First Name", "Last Name", "MEMBER_RATING", "OPTIN_TIME", "OPTIN_IP",
                "CONFIRM_TIME", "CONFIRM_IP", "LATITUDE", "LONGITUDE", "GMTOFF", "DSTOFF", "TIMEZONE", "CC",
                "REGION", "LAST_CHANGED", "LEID", "EUID", "NOTES"]),
    "bitfaktura_clients": dict(
        source="BitFaktura.sk (clients file for its import)", language="sk",
        separator=",", encoding="utf-8", documented_as="header row",
        where="pomocnik.bitfaktura.sk/147556148-Import-fakt-r-z-kazn-kov-a-produktov: the example row of a"
              " clients import, with 'Priezvisko ' and ' Individuálny bankový účet ...' as written there; the"
              " page accepts .TXT and .TSV as well (the saved file's encoding and separator are its setting)",
        header=["Číslo", "ID", "Skrátený názov", "Názov firmy", "DIČ", "Mesto", "PSČ", "Ulica", "Krajina",
                "Korespondenčná adresa", "Firma", "E-mail", "WWW stránky", "Telefónne číslo", "Mobilné číslo",
                "Fax", "Meno", "Priezvisko ", "Banka", "Bankový účet",
                " Individuálny bankový účet (alebo koncovka účtu)", "Poznámky"]),
    "fakturownia_clients": dict(
        source="Fakturownia.pl (clients file for its import)", language="pl",
        separator=",", encoding="utf-8", documented_as="header row",
        where="pomoc.fakturownia.pl/2646838-Import-innych-dokumentow-niz-faktury: 'Przykład ustawienia kolumn"
              " podczas importu klientów' (the file's encoding and separator are its setting)",
        header=["Lp", "Nazwa skrócona (systemowa)", "Nazwa firmy", "Numer NIP", "Miejscowość", "Kod pocztowy",
                "Ulica", "Kraj", "E-mail", "Strona WWW", "Telefon", "Tel. komórkowy", "Fax", "Imię", "Nazwisko",
                "Bank", "Numer rachunku", "Indywidualne konto bankowe (lub końcówka konta)", "Dodatkowy opis"]),
    "softpro_partners": dict(
        source="SoftPro (Romanian accounting: partners as CSV)", language="ro",
        separator=",", encoding="utf-8", documented_as="field list",
        where="softpro.ro/import-parteneri-csv/: the 20 columns in this order, ',' between fields, '\"' around"
              " texts, a header required (the encoding is the file's setting)",
        header=["cod_par", "rrr_par", "den_par", "reg_com_p", "jud_par", "loc_adr", "adr_par", "tara_adr",
                "str_adr", "nr_adr", "bloc_adr", "ap_adr", "det_adr", "id_pf", "cont_cli", "cont_fur", "entit_par",
                "target_par", "e_mail_par", "tel_par"]),
    "europroof_customers": dict(
        source="Europroof (Hungarian invoicing: customer import template)", language="hu",
        separator=";", encoding="cp1250", documented_as="field list",
        where="www.europroof.hu/kezikonyv/380/VevokimportalasaCSVfajlbol.html: 'Az importálási sablon"
              " tartalma', the field names in this order; the stored copy breaks off after 'Gazdasági típus"
              " (0-4)', so the list ends there (separator and code page as a Hungarian Excel saves CSV)",
        header=["Név", "Ország ISO kód (pl. HU)", "Irányítószám", "Település", "Utca", "Telefonszám #1",
                "Telefonszám #2", "Fax #1", "Fax #2", "Mobiltelefonszám #1", "Mobiltelefonszám #2", "Email #1",
                "Email #2", "Vevőcsoport", "Honlap", "Bankszámlaszám", "Adóazonosító / adószám", "EU adószám",
                "Ár típus (1-10)", "Fizetési mód (1 – kp, 2 - átutalás, 3 - bankkártya)",
                "Fizetési határidő (nap)", "Gazdasági típus (0-4)"]),
    "swoppen_addresses": dict(
        source="swoppen (German business software: addresses import and export)", language="de",
        separator=";", encoding="utf-8", documented_as="field list",
        where="services.swoppen.com/de/hilfe/stammdaten/adressen-importieren.html: UTF-8, ';' between columns,"
              " '\"' around texts, the importable fields in this order ('Typ' is geschäftlich or privat; 'Land'"
              " an ISO 3166 code: the page's notes in parentheses are left off the names, as its example row"
              " writes 'E-Mail 1')",
        header=["Kunden-Nr.", "Lieferanten-Nr", "Suchname", "ADRESSE ID", "Hauptadresse", "Typ", "Bemerkung",
                "Anrede", "Firma", "Zusatz", "Straße", "PLZ", "Ort", "Titel", "Name", "Vorname", "Geburtstag",
                "Abteilung", "Position", "Telefon 1", "Telefon 2", "Fax", "Mobil", "E-Mail 1", "E-Mail 2",
                "Internet", "Land", "Briefanrede", "Bearbeitet"]),
    "copilot_contacts": dict(
        source="co*pilot CRM by ov2b (contacts import file)", language="de",
        separator=";", encoding="utf-8", documented_as="field list",
        where="support.ov2b.de/docs/kontakt-import/: the fields of the file in this order (title is the"
              " 'Titel, z.B. Dr.', position the employee's position), UTF-8; the list ends with memoInfo2 ('...'"
              " after it); the separator is the file's setting",
        header=["firstName", "lastName", "title", "salutation", "gender", "birthday", "memo", "personStreet",
                "personAddStreet", "personZip", "personCity", "personCountryIsoCode", "personLat", "personLng",
                "personPhone", "personMobile", "personFax", "personEmail", "personUrl", "company", "department",
                "position", "companyStreet", "companyAddStreet", "companyZip", "companyCity",
                "companyCountryIsoCode", "companyLat", "companyLng", "companyPostBox", "companyPostBoxZip",
                "companyPostBoxCity", "companyPostBoxCountryIsoCode", "companyPhone", "companyMobile",
                "companyFax", "companyEmail", "companyUrl", "group1", "group2", "group3", "infoUst-Id",
                "infoSteuer-Nr", "memoInfo1", "memoInfo2"]),
    "wazo_phonebook": dict(
        source="Wazo / XiVO phone system (CSV file directory)", language="en",
        separator="|", encoding="utf-8", documented_as="header row",
        where="wazo.readthedocs.io/en/wazo-18.03/administration/directories/csv_file.html: the first example"
              " file, '|' between fields, title 'mr'/'ms', displayname family name first ('Brown Emmett')",
        header=["title", "firstname", "lastname", "displayname", "society", "mobilenumber", "email"]),
    "nethcti_phonebook": dict(
        source="NethServer NethCTI (phone system phonebook, CSV import file)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="github.com/nethesis/dev/issues/5411: 'The file format must to be:' and the row",
        header=["owner_id", "type", "homeemail", "workemail", "homephone", "workphone", "cellphone", "fax", "title",
                "company", "notes", "name", "homestreet", "homepob", "homecity", "homeprovince", "homepostalcode",
                "homecountry", "workstreet", "workpob", "workcity", "workprovince", "workpostalcode", "workcountry",
                "url", "extension", "speeddial_num"]),
    "innovate_webphone_contacts": dict(
        source="Innovate webphone (company contacts upload)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="innovate.gitbook.io/webphone/admin-guide/company-contacts: the example file, its header and rows"
              " ending with a comma (an empty last column); optional phones are saved as 'other'",
        header=["contact-name", "position", "email", "work-phone", "optional-phone-1", "optional-phone-2", ""]),
    "flox_companies": dict(
        source="Flox / ByznysWeb (Czech e-shop and CRM: companies import)", language="cs",
        separator=";", encoding="cp1250", documented_as="header row",
        where="byznysweb.cz/a/1052/import-firem (and the same row on web.floxi.sk/sk/a/1096/import-firiem):"
              " the column names of the first row (a house's descriptive and orientation numbers apart from the"
              " street); the sheet saved as CSV by a Czech Excel (separator and code page are that setting)",
        header=["cid", "company_id", "name", "vat_id", "vat_id2", "website", "email", "address_address_id",
                "address_street", "address_descriptive_number", "address_orientation_number", "address_city",
                "address_zip", "address_state", "address_country", "address_phone", "main_user",
                "group_assign"]),
    "minimax_customers_hr": dict(
        source="Minimax (Croatian accounting: customers import template)", language="hr",
        separator=";", encoding="cp1250", documented_as="field list",
        where="help.minimax.hr/help/sifrarnik-stranke-upute-za-uvoz-u-minimax-excel: 'Sadržaj i poredak stupaca"
              " ne smiju se mijenjati', the columns in this order; the stored copy breaks off after 'Mjesto"
              " pošte', so the list ends there (Država is a country code, 'HR')",
        header=["Šifra", "Naziv", "Adresa", "Država", "Pošta", "Mjesto pošte"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages, code and issues), beyond headers.py's list.
NOT_FOUND = [
    "Odoo res.partner export (only a how-to's field list of unknown origin), Microsoft Dynamics 365 contacts"
    " (field mappings, not an export's columns), Bitrix24 contacts (only the users' import header), Raynet"
    " (an XLSX template whose columns are not listed), Freshsales, Insightly, Pipedrive organizations, Agile CRM",
    "Brevo, ActiveCampaign, Constant Contact, MailerLite, Ecomail, SmartEmailing (columns chosen by the user)",
    "Zoner / czechia.com webmail (the list of accepted columns breaks off), Seznam.cz, WP Poczta, Onet,"
    " Freemail, Outlook.com, Zimbra (its formats live in a contact-fields.xml not stored)",
    "Pohoda, Money S3 (XML or dBase), iDoklad (it imports Outlook and Gmail files), Fakturoid, Számlázz.hu,"
    " Billingo, ABRA Flexi (column names without an order)",
    "Android or Samsung contacts as CSV, 3CX phonebook",
]
