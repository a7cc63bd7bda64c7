"""Headers of the twelfth held-out set (tests/prep/corpus/twelfth): none of
these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py, seventh_headers.py,
eighth_headers.py, ninth_headers.py, tenth_headers.py, eleventh_headers.py
nor layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself, in its help, in a sample file it ships, or a program that reads
or writes the file spells it out; "field list": it lists the names in this
order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too. Two
rows are known only from a program of a third party that reads or writes the
file (Mobile Calendar, RSPO); the note names the stored file.
"""

SOURCES = {
    "mobile_calendar_rezerwacje": dict(
        source="Mobile Calendar (Polish booking calendar for guest houses and holiday homes: its reservations"
               " export)", language="pl", separator=";", encoding="utf-8", documented_as="header row",
        where="the native export as a holiday-home booking app's import test quotes it byte for byte (stored"
              " file id 56726085074, 'parses the native Mobile Calendar export with quoted multiline notes'):"
              " '\\uFEFFID;Numer rezerwacji;Grupa;Nazwa pomieszczenia;ID pokoju;Przyjazd;Wyjazd;Dorośli;Dzieci;"
              "Status płatności;Kwota zadatku;Termin zadatku;Cena za dobę;Cena za pobyt;Razem;Waluta;Nazwisko;Imię;"
              "Telefon;E-mail;Źródło rezerwacji;Informacje dodatkowe;Wyżywienie;Porcje Dorośli;Porcje Dzieci;"
              "Usługi dodatkowe;Data dodania;Data edycji;Status\\r\\n8395593;566;;Dom Rybaka;26905;2026-07-15;"
              "2026-07-19;1;0;Brak wpłaty;0;;575;2300;2500;PLN;Noack;Bianka;+49123;;Booking.com;\"przyjazd 18:30"
              "\\r\\nprosi o ciszę\";OV - Bez wyżywienia;...': UTF-8 with signature, ';', CRLF, a note over two"
              " lines quoted",
        header=["ID", "Numer rezerwacji", "Grupa", "Nazwa pomieszczenia", "ID pokoju", "Przyjazd", "Wyjazd",
                "Dorośli", "Dzieci", "Status płatności", "Kwota zadatku", "Termin zadatku", "Cena za dobę",
                "Cena za pobyt", "Razem", "Waluta", "Nazwisko", "Imię", "Telefon", "E-mail", "Źródło rezerwacji",
                "Informacje dodatkowe", "Wyżywienie", "Porcje Dorośli", "Porcje Dzieci", "Usługi dodatkowe",
                "Data dodania", "Data edycji", "Status"]),
    "rspo_placowki": dict(
        source="RSPO, Rejestr Szkół i Placówek Oświatowych (the Polish register of schools: its list of schools"
               " as a CSV download)", language="pl", separator=";", encoding="cp1250", documented_as="header row",
        where="the header a school-photography firm's program checks the downloaded register against (stored"
              " file id 42324392780, CsvCustomReader.checkIfColumnsNamesAreCorrect, read with ';'): Numer RSPO;"
              "Typ;Nazwa;Ulica;Numer budynku;Numer lokalu;Kod pocztowy;Miejscowość;Kod terytorialny ulica;Kod"
              " terytorialny miejscowosc;Kod terytorialny gmina;Telefon;Faks;E-mail;Strona www;Województwo;"
              "Powiat;Gmina;REGON;NIP;Publiczność status;Kategoria uczniów;Specyfika placówki;Imię i nazwisko"
              " dyrektora;Nazwa organu prowadzącego;Typ organu prowadzącego;Województwo organu prowadzącego;"
              "Powiat organu prowadzącego;Gmina organu prowadzącego;Data założenia;Data likwidacji;Miejsce w"
              " strukturze;Typ podmiotu nadrzędnego;RSPO podmiotu nadrzędnego;Nazwa podmiotu nadrzędnego;Liczba"
              " uczniów; the list here was opened in Excel and saved again on a Polish Windows, so code page"
              " 1250 (that file's setting)",
        header=["Numer RSPO", "Typ", "Nazwa", "Ulica", "Numer budynku", "Numer lokalu", "Kod pocztowy",
                "Miejscowość", "Kod terytorialny ulica", "Kod terytorialny miejscowosc", "Kod terytorialny gmina",
                "Telefon", "Faks", "E-mail", "Strona www", "Województwo", "Powiat", "Gmina", "REGON", "NIP",
                "Publiczność status", "Kategoria uczniów", "Specyfika placówki", "Imię i nazwisko dyrektora",
                "Nazwa organu prowadzącego", "Typ organu prowadzącego", "Województwo organu prowadzącego",
                "Powiat organu prowadzącego", "Gmina organu prowadzącego", "Data założenia", "Data likwidacji",
                "Miejsce w strukturze", "Typ podmiotu nadrzędnego", "RSPO podmiotu nadrzędnego",
                "Nazwa podmiotu nadrzędnego", "Liczba uczniów"]),
    "vespa_sportolok": dict(
        source="VESPA (Vitarex's WordPress register of a Hungarian disability sports federation: athletes by"
               " its CSV sample)", language="hu", separator=";", encoding="utf-8", documented_as="header row",
        where="the plugin's own sample download (stored file id 60759882786, download_csv, 'vespa_athletes.csv'):"
              " 'Sportoló neve;Születési hely;Születési dátum;Anyja neve;Telefonszám;Email;Irányítószám;Település;"
              "Lakcím;Állampolgárság;Igazolványszám;Nem;Fogyatékosság típusa;Nyilvántartásba vétele;Megjegyzés;"
              "Aktív;' (the header ends in a ';' the rows do not have), rows '\"Sportoló 1\";\"Budapest\";"
              "\"2000-05-01\";...;\"+1235468213\";...;\"Verseny utca, 12.\";\"Magyar\";...' every value quoted,"
              " joined by LF, a UTF-8 signature in front",
        header=["Sportoló neve", "Születési hely", "Születési dátum", "Anyja neve", "Telefonszám", "Email",
                "Irányítószám", "Település", "Lakcím", "Állampolgárság", "Igazolványszám", "Nem",
                "Fogyatékosság típusa", "Nyilvántartásba vétele", "Megjegyzés", "Aktív", ""]),
    "partei_mitglieder": dict(
        source="a German party's federal member administration (its member file; the refcodes for LiquidFeedback"
               " and the Landesverband/Bezirksverband/Kreisverband/Ortsverband columns are the Piratenpartei's)",
        language="de", separator=";", encoding="utf-8", documented_as="header row",
        where="a Landesverband's export script writes the header row for the federal file (stored file id"
              " 6934192110): 'Mitgliedsnummer;Anrede;Vorname;Zusatz;Nachname;Straße;Land;PLZ;Ort;Telefon;Telefax;"
              "E-Mail;Aufnahmedatum;LV (als Abkürzung);BzV;KV;OV;Wahlkreis;Stimmkreis;Landkreis;Gemeinde;"
              "Bundesland (als Abkürzung);Erstbetrag;reduzierter Betrag (0 für nein, -1 für ja);...;Mobilfunknummer;"
              "Kontoinhaber;Bankleitzahl;Kontonummer;Kreditinstitut;Eintrittsdatum;Austrittsdatum;Stimmberechtigt"
              " (0 für nein, -1 für ja)', its rows from SQLite with 'Deutschland' made 'DE' by sed; written by"
              " echo, so LF; the encoding is the database's (UTF-8)",
        header=["Mitgliedsnummer", "Anrede", "Vorname", "Zusatz", "Nachname", "Straße", "Land", "PLZ", "Ort",
                "Telefon", "Telefax", "E-Mail", "Aufnahmedatum", "LV (als Abkürzung)", "BzV", "KV", "OV",
                "Wahlkreis", "Stimmkreis", "Landkreis", "Gemeinde", "Bundesland (als Abkürzung)", "Erstbetrag",
                "reduzierter Betrag (0 für nein, -1 für ja)", "Staatsbürgerschaft", "Geb-Datum",
                "Ausweis angefordert", "Ausweis exportiert", "Ausweis versendet", "Umfrage  (0 für nein, -1 für ja)",
                "Aktionen  (0 für nein, -1 für ja)", "Newsletter  (0 für nein, -1 für ja)", "Token", "RefCode LQFB",
                "RefCode LS", "RefCode", "RefCode4", "LF-Optout  (0 für nein, -1 für ja)", "Batchnummer",
                "RefCode zu sperren  (0 für nein, -1 für ja)", "Art der Sperrung", "Grund der Sperrung",
                "Sperrung übermittelt", "Sperrung bestätigt", "ehemalige Refcodes", "Mobilfunknummer",
                "Kontoinhaber", "Bankleitzahl", "Kontonummer", "Kreditinstitut", "Eintrittsdatum",
                "Austrittsdatum", "Stimmberechtigt (0 für nein, -1 für ja)"]),
    "verein_mitglieder": dict(
        source="a German-language club administration web app (members by its import template, 'Vorlage';"
               " the stored file does not name the product)", language="de", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the app's 'Mitglieder importieren' page builds the template it offers (stored file id 58357684869,"
              " downloadTemplate, 'mitglieder-import-vorlage.csv'): 'externe_id;mitgliedsnummer;anrede;vorname;"
              "nachname;geburtsdatum;strasse;hausnummer;plz;ort;land;email;telefon;mobil;mitgliedstyp;"
              "eintrittsdatum;status;${structureColumn};iban;bic;bank_name\\n' with ';1001;Frau;Erika;Muster;"
              "15.04.1980;Musterweg;12;12345;Musterstadt;Deutschland;erika@example.org;;;Aktiv Erwachsene;"
              "01.01.2020;Aktiv;Tennis|Turnen;;;' ('abteilungen' for a club of departments, several joined by"
              " '|'); 'UTF-8, maximal 2 MB'",
        header=["externe_id", "mitgliedsnummer", "anrede", "vorname", "nachname", "geburtsdatum", "strasse",
                "hausnummer", "plz", "ort", "land", "email", "telefon", "mobil", "mitgliedstyp", "eintrittsdatum",
                "status", "abteilungen", "iban", "bic", "bank_name"]),
    "bsac_members": dict(
        source="British Sub-Aqua Club's club management system (the membership data it gives club officers as"
               " CSV)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="gitlab.com/wjdp/xSACdb/-/issues/326 ('BSAC CSV import'): 'The full list of fields are: Member"
              " Number, Name, Membership Class, Membership Status, Plan Status, Plan Valid From, Expiry Date,"
              " Medical Status, Diver Grade, Snorkel Grade, Diving Instructor Grade, Snorkel Instructor Grade,"
              " Contact Type, Address Line 1, Address Line 2, Address Line 3, Town, County, Country, Home Telephone"
              " Number, Mobile Telephone Number, Work Telephone Number, Email Address, Main Club, Join Date, Date"
              " Of Birth, Registered Web User'; separator and encoding are the file's setting",
        header=["Member Number", "Name", "Membership Class", "Membership Status", "Plan Status", "Plan Valid From",
                "Expiry Date", "Medical Status", "Diver Grade", "Snorkel Grade", "Diving Instructor Grade",
                "Snorkel Instructor Grade", "Contact Type", "Address Line 1", "Address Line 2", "Address Line 3",
                "Town", "County", "Country", "Home Telephone Number", "Mobile Telephone Number",
                "Work Telephone Number", "Email Address", "Main Club", "Join Date", "Date Of Birth",
                "Registered Web User"]),
    "kfs_customers": dict(
        source="Kuali Financial System (a university's accounts receivable: customers by the Customer CSV"
               " Upload)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="kfs.hawaii.edu/kfs-prd6/static/help/WordDocuments/customercsvuploadformat.htm ('Customer CSV Upload"
              " Format'): columns A to AC customerNumber, customerName, customerParentCompanyNumber,"
              " customerTypeCode, ..., customerAddressTypeCode; 'If customerName is empty, the system treats the"
              " record as an alternate address for the preceding Customer record'",
        header=["customerNumber", "customerName", "customerParentCompanyNumber", "customerTypeCode",
                "customerLastActivityDate", "customerTaxTypeCode", "customerTaxNbr", "customerActiveIndicator",
                "customerPhoneNumber", "customer800PhoneNumber", "customerContactName", "customerContactPhoneNumber",
                "customerFaxNumber", "customerBirthDate", "customerTaxExemptIndicator", "customerCreditLimitAmount",
                "customerCreditApprovedByName", "customerEmailAddress", "customerAddressName",
                "customerLine1StreetAddress", "customerLine2StreetAddress", "customerCityName", "customerStateCode",
                "customerZipCode", "customerCountryCode", "customerAddressInternationalProvinceName",
                "customerInternationalMailCode", "customerAddressEmail", "customerAddressTypeCode"]),
    "bizwizard_customers": dict(
        source="BizWizard Order Manager (Windows order management: customers by its import file)", language="en",
        separator="\t", encoding="cp1250", documented_as="field list",
        where="netsoftstudio.com/support/bizwizard-order-manager-help/WebHelp/importCustomers.htm ('Import"
              " Customers'): 'an ASCII Tab Delimited version of the spreadsheet', 'The first row of the spreadsheet"
              " contains the column header names', fields CUSTOMER ACCOUNT NUMBER, CUSTOMER NAME, ATTENTION LINE,"
              " MAIN VOICE TELEPHONE, MAIN FAX TELEPHONE, SALES REPRESENTATIVE, TAX EXEMPTION NUMBER, CREDIT LIMIT,"
              " PAYMENT TERMS, BILLING ADDRESS LINE ONE, ... SHIPPING ADDRESS COUNTRY; the stored copy breaks off"
              " there, so the list ends there; the program writes the code page of the Windows it runs on, here a"
              " Czech one (1250)",
        header=["CUSTOMER ACCOUNT NUMBER", "CUSTOMER NAME", "ATTENTION LINE", "MAIN VOICE TELEPHONE",
                "MAIN FAX TELEPHONE", "SALES REPRESENTATIVE", "TAX EXEMPTION NUMBER", "CREDIT LIMIT", "PAYMENT TERMS",
                "BILLING ADDRESS LINE ONE", "BILLING ADDRESS LINE TWO", "BILLING CITY", "BILLING STATE",
                "BILLING ZIP CODE", "BILLING ADDRESS COUNTRY", "SHIPPING METHOD", "SHIPPING ADDRESS LINE ONE",
                "SHIPPING ADDRESS LINE TWO", "SHIPPING CITY", "SHIPPING STATE", "SHIPPING ZIP CODE",
                "SHIPPING ADDRESS COUNTRY"]),
    "docketmanager_vendor_contacts": dict(
        source="DocketManager (print shop management: vendor contacts, exported and imported as CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="docketmanager.freshdesk.com/support/solutions/articles/4000140288-vendor-contact-import-csv"
              " ('Vendor Contact Import CSV'): Id, Name ('Refers to contact name'), Title, Security Role, Username,"
              " Password, Vendor Number, Vendor Name ('Refers to the DM Vendor Name'), Phone Number, Fax Number,"
              " Email Address, Is Deleted ('True/False'); 'Overwrites will be performed on any data that has been"
              " changed between exporting/importing'",
        header=["Id", "Name", "Title", "Security Role", "Username", "Password", "Vendor Number", "Vendor Name",
                "Phone Number", "Fax Number", "Email Address", "Is Deleted"]),
    "webship_customers": dict(
        source="Webship Online (shipping software for web shops: customers by its import template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="webship.online/docs/kunden/kunden-importieren/?lang=de ('Kunden importieren'): 'die richtige"
              " Spaltenüberschrift in Klammern': client_number, name, contact, email, phone, mobile, vat,"
              " billing_address_1, billing_address_2, billing_postal_code, billing_city, billing_province_state,"
              " billing_country, shipping_name, shipping_address_1, shipping_address_2, shipping_postal_code,"
              " shipping_city, shipping_province_state, shipping_country; the encoding is the file's setting",
        header=["client_number", "name", "contact", "email", "phone", "mobile", "vat", "billing_address_1",
                "billing_address_2", "billing_postal_code", "billing_city", "billing_province_state",
                "billing_country", "shipping_name", "shipping_address_1", "shipping_address_2",
                "shipping_postal_code", "shipping_city", "shipping_province_state", "shipping_country"]),
    "link2md_patients": dict(
        source="Link2MD (patient portal: a client administrator's patient list for import)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="support.link2mdgroup.com/m/51442/l/533688-create-a-patient-list-for-import-as-a-client-administrator:"
              " 'the field headers that you will need to enter in the first row of cells: A1: username, B1:"
              " portal_user_id, C1: email, D1: first_name, E1: last_name, F1: suffix, G1: dob, H1: sex, I1:timezone,"
              " J1: phone, K1: cell, L1: address1, ..., U1: insurance_first_name, V1: insurance_last_name, ..., AB1:"
              " client, AC1: language'; saved from a spreadsheet as CSV",
        header=["username", "portal_user_id", "email", "first_name", "last_name", "suffix", "dob", "sex",
                "timezone", "phone", "cell", "address1", "address2", "city", "state", "zip", "country",
                "client_identifier", "primary_client_identifier", "active", "insurance_first_name",
                "insurance_last_name", "insurance_dob", "insurance_sex", "insurance_member_id", "insurance_group_id",
                "insurance_payer_id", "client", "language"]),
    "workflowhealth_patients": dict(
        source="Workflow Health (patient screening and outreach: patients by its import template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="docs.workflowhealth.com/docs/patient-import ('Import Template'): patient_first_name,"
              " patient_middle_name, patient_last_name, patient_dob, patient_gender, patient_ethnicity, patient_race,"
              " patient_phone_number, patient_email, patient_street, patient_city, patient_state, patient_zip_code,"
              " patient_county, patient_organization, patient_location, patient_authorization_status,"
              " patient_screening_status; 'Column header names ... must match exactly'; examples '1/01/2000',"
              " '100-999-2000'",
        header=["patient_first_name", "patient_middle_name", "patient_last_name", "patient_dob", "patient_gender",
                "patient_ethnicity", "patient_race", "patient_phone_number", "patient_email", "patient_street",
                "patient_city", "patient_state", "patient_zip_code", "patient_county", "patient_organization",
                "patient_location", "patient_authorization_status", "patient_screening_status"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "Webmail and phones in Central European languages: WEB.DE, Posteo and mailbox.org address books (no CSV"
    " column list), sipgate contacts (nothing stored), MyPhoneExplorer and '123 Contacts Backup And Transfer'"
    " (the stored copy stops before its field section)",
    "Czech, Slovak, Polish, Hungarian, Croatian and Romanian tools: EOS club platform (its columns are in sample"
    " downloads only), FAN Courier AWB import (no column list stored), WinMentor"
    " (a DLL's string, no file), casavi (property management: columns mapped at import, the list breaks off)",
    "German business software: DATEV master data (only third parties' pastes and validators), easybill, weclapp,"
    " Billbee ('Billbee CSV' is its own export, no list), FastBill and Billomat (columns mapped at import),"
    " allthings and resivo (templates are downloads), Coupa's remit-to export (its German help translates the"
    " column names; whether the file does is not said)",
    "Phone apps: Android contact exporters (XlContactExport: an XLS with no fixed column list)",
]
