"""Headers of the fourth held-out set (tests/prep/corpus/final): none of these
sources is in headers.py, unseen_headers.py, fresh_headers.py nor
layouts_test.py. The entries are as in headers.py: source, language of the
columns' names (the tool's own language where its documentation is in it),
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator or encoding is
the export's setting rather than a fixed property, the note says so too.
"""

SOURCES = {
    "ceska_posta_adresati": dict(
        source="Česká pošta Podání Online (Czech postal service: addressees' export)", language="cs",
        separator=";", encoding="cp1250", documented_as="field list",
        where="www.postaonline.cz/podanionline/ePOST-dokumentace/723struktura.html: '7.2.3 Struktura souboru dle"
              " přednastavené konfigurace – adresáti', the 22 columns in this order (column 4 has no name, column"
              " 15 is 'prázdné pole', an empty field: both are written with no name); 72ExportDat.html: the"
              " preset configuration in CSV or TXT, 'Typ souboru a kódování' chosen by the user (';' and code"
              " page 1250 are that setting)",
        header=["Jméno", "Příjmení / Název", "Doplňující údaj", "", "DIČ", "Č. adresáta", "Datum narození", "Ulice",
                "Č. popisné", "Č. orientační", "Část obce", "Obec", "PSČ", "Stát", "", "Předčíslí účtu",
                "Číslo účtu", "Kód banky", "Mobil", "Telefon", "E-mail", "Subjekt"]),
    "minimax_delavci": dict(
        source="Minimax (Slovene accounting and payroll: employees' sheet)", language="sl",
        separator=";", encoding="cp1250", documented_as="field list",
        where="help.minimax.si/help/delavci-navodila-za-uvoz-v-minimax-excel: 'Vsebine in zaporedja stolpcev ne"
              " smemo spreminjati', the columns in this order (Datum rojstva DD.MM.LLLL, Spol M/Z, countries as"
              " codes, 'SI56' as the IBAN's start); the program's export of the employees' table fills the same"
              " sheet; the stored copy breaks off after TRR, so the list ends there (';' and code page 1250 as a"
              " Slovene Excel saves CSV: that setting)",
        header=["Šifra", "Ime", "Priimek", "Datum rojstva", "Spol", "EMŠO", "Davčna številka", "Naslov", "Pošta",
                "Kraj pošte", "Država prebivanja", "Država rezidentstva", "Začetek IBAN", "TRR"]),
    "edokumenty_kontrahenci": dict(
        source="eDokumenty (Polish document management and CRM: contractors' file)", language="pl",
        separator=",", encoding="utf-8", documented_as="header row",
        where="support.edokumenty.eu/trac/wiki/UserGuide/BasicConfiguration/EmailAccountRulesManage: 'Przykładowy"
              " plik .csv' with the row NAZWA,ULICA,NUMER,TELEFON,OSOBA KONTAKTOWA,WWW and a contact person's cell"
              " holding two people ('Jurek Kowalski, Anna Nowak'), which needs the text separator (the encoding"
              " is the file's setting)",
        header=["NAZWA", "ULICA", "NUMER", "TELEFON", "OSOBA KONTAKTOWA", "WWW"]),
    "meindialog_kunden": dict(
        source="Mein Dialogsystem (German customer dialogue software: customers' sheet)", language="de",
        separator=";", encoding="cp1252", documented_as="field list",
        where="meindialogsystem.de/Blog/Kundendatenimport_26_11_2018: 'In die erste Zeile schreiben Sie die"
              " Überschriften dieser zwanzig Spalten', in this order, with their value lists (AnredeNr 1 Herr,"
              " 2 Frau, 3 Firma; LandNr 1 Deutschland, 12 Österreich; GesellschaftsformNr 2 GmbH, 6 KG); the"
              " sheet saved as CSV by a German Excel (';' and code page 1252 are that setting)",
        header=["KundenID", "AnredeNr", "Vorname", "Nachname", "Geburtsdatum", "GeschlechtNr", "Strasse",
                "Hausnummer", "Adresszusatz", "Postleitzahl", "Wohnort", "LandNr", "Mailadresse", "Telefon",
                "Telefax", "Mobil", "Webadresse", "Firmenname1", "Firmenname2", "GesellschaftsformNr"]),
    "koleo_kunden": dict(
        source="koleo (Swiss booking and invoicing: customers' CSV)", language="de",
        separator=",", encoding="utf-8", documented_as="field list",
        where="koleo.ch/help/kunden-importieren?locale=de: 'Die CSV-Datei muss folgende Spalten enthalten'"
              " Kundennummer, Name, Adresse, E-Mail, Telefon, Notizen (an empty Kundennummer is generated); the"
              " whole address in one column (separator and encoding as the sample file's)",
        header=["Kundennummer", "Name", "Adresse", "E-Mail", "Telefon", "Notizen"]),
    "mydhl_adresar": dict(
        source="MyDHL+ (DHL Express shipping: address book import, Slovak)", language="sk",
        separator=",", encoding="utf-8", documented_as="field list",
        where="mydhl.express.dhl/sk/sk/address-book-import/create-edit-field-guidelines.html: 'Čísla polí sa"
              " zhodujú so stĺpcami súborov', the fields in this order (Spoločnosť: the contact's own name again"
              " where there is no company; Typ kontaktu M/D/K; the country's calling code apart; numbers as digits"
              " without a leading zero); the stored copy breaks off after Fax, so the list ends there;"
              " mydhl.express.dhl/de/en/address-book-import/upload-file-guidelines.html: 'Save the spreadsheet as a"
              " CSV (Comma delimited)' (UTF-8 with signature is that setting)",
        header=["Meno", "Spoločnosť", "Prezývka", "Emailová adresa 1", "Emailová adresa 2", "Emailová adresa 3",
                "Emailová adresa 4", "Emailová adresa 5", "Typ kontaktu", "Telefónne číslo Kód krajiny",
                "Telefónne číslo", "Predĺženie", "Fax"]),
    "thosedays_members": dict(
        source="Thosedays (community spaces: member list export)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="thosedays.app/help/admin/member-list-export: 'a UTF-8 CSV with one row per membership and the"
              " following columns' name, email, cohort_year, status (active, pending_confirm, revoked, expired),"
              " joined_at (ISO 8601, blank for pending memberships)",
        header=["name", "email", "cohort_year", "status", "joined_at"]),
    "splicecom_contacts": dict(
        source="SpliceCom Maximiser (phone system: contacts.txt import)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="SpliceCom 4100 Installation and Maintenance Manual v4, Contacts Import (manualshive.com/en/manual/"
              "splicecom/4100/1349029?page=279): 'The field names must match the following syntax', these 24 in"
              " this order; saved in a .csv format as contacts.txt; the order is irrelevant to the import (the"
              " encoding is the file's setting)",
        header=["company", "name", "phone", "fax", "mobile", "home", "spare1", "spare2", "ambiguous", "mail",
                "firstname", "lastname", "description", "department", "job", "street", "city", "county",
                "postcode", "country", "ourAccount", "theirAccount", "URL", "autoURL"]),
    "namirial_address_book": dict(
        source="Namirial eSignAnyWhere (e-signature: address book CSV)", language="en",
        separator=", ", encoding="utf-8", documented_as="header row",
        where="confluence.namirial.com/pages/diffpagesbyversion.action?pageId=113674292 ('Adding new contacts using"
              " a CSV file'): the header row 'first name, last name, e-mail address, primary phone, business"
              " address, company' and its rows, a comma and a blank between the values ('Bob, Xyzmo, ...,"
              " Companycenter 1, Namirial'); RFC 4180 quoting",
        header=["first name", "last name", "e-mail address", "primary phone", "business address", "company"]),
    "bitrix24_users": dict(
        source="Bitrix24 (intranet: employees' import file)", language="en",
        separator=";", encoding="utf-8", documented_as="header row",
        where="training.bitrix24.com/support/training/course/?COURSE_ID=26&LESSON_ID=1418: 'Example of user data"
              " header' (LAST_NAME;PERSONAL_PHOTO;...;IBLOCK_SECTION_NAME_4), every field present even when empty"
              " ('Brown;;Andrew;;'), UTF-8 where the system uses it",
        header=["LAST_NAME", "PERSONAL_PHOTO", "NAME", "SECOND_NAME", "WORK_POSITION", "EMAIL", "PERSONAL_BIRTHDAY",
                "PERSONAL_GENDER", "WORK_PHONE", "UF_1C_PHONE_INNER", "PERSONAL_MOBILE", "PERSONAL_ICQ", "LOGIN",
                "IBLOCK_SECTION_NAME_1", "IBLOCK_SECTION_NAME_2", "IBLOCK_SECTION_NAME_3",
                "IBLOCK_SECTION_NAME_4"]),
    "secutix_contacts": dict(
        source="SecuTix (ticketing: contact import file)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="it.go.confluence.secutix.com/wiki/spaces/DOCEN/pages/257230117/Contact+import+format+rules: the"
              " field codes in this order (ORGANIZATION the SecuTix organisation's code; TITLE MR, MRS, ...;"
              " OFFICIAL_NAME the structure's name; COUNTRY an ISO code); the stored copy breaks off after COUNTRY,"
              " before the communication means, so the list ends there; 'Contact import Format (Extended)':"
              " 'Comma delimited' (the template's title rows above the codes are not in the stored copy, so the"
              " file has the codes' row alone)",
        header=["INSTITUTION", "ORGANIZATION", "OPERATION", "CONTACT_NR", "TITLE", "LETTER_SALUTATION",
                "ADDR_SALUTATION", "FUNCTION", "REMARK", "FIRSTNAME", "LASTNAME", "BIRTHDATE", "PREF_LANG",
                "OFFICIAL_NAME", "ADDRESS_NAME1", "ADDRESS_NAME2", "STRUCT_TYPE", "COMMUNITY_TYPE", "ADMIN_NUMBER",
                "NB_EMPLOYEES", "WEB_SITE", "ADDR_TYPE", "LINE1", "LINE2", "LINE3", "ZIPCODE", "TOWN",
                "TOWN_COMPLEMENT", "DEPARTMENT", "COUNTRY"]),
    "skillsoft_contacts": dict(
        source="Skillsoft SkillPort (e-learning: contacts template)", language="en",
        separator="\t", encoding="utf-16-le", documented_as="field list",
        where="documentation.skillsoft.com/en_us/skillport/8_0/ah508/40290.htm: 'Use the Contacts Template', the"
              " field names in this order (Name unique, Status 0 or 1, Related Contact ID another contact's); the"
              " stored copy breaks off after ZIP/Postal, so the list ends there; the sheet saved by Excel as"
              " Unicode text (UTF-16 with tabs is that setting: 'specify the encoding format before you save')",
        header=["Name", "Status", "Contact ID", "Contact Function/Title", "Related Contact ID", "Company Name",
                "Primary E-mail", "Alternate E-mail", "Primary URL", "Alternate URL", "Phone Number",
                "Alternate/Mobile", "Fax", "Address 1", "Address 2", "City", "State/Province", "ZIP/Postal"]),
    "econt_clients": dict(
        source="e-Cont.md (Moldovan invoicing: clients' file)", language="en",
        separator="\t", encoding="utf-8", documented_as="field list",
        where="docs.e-cont.md, the English page on importing and exporting clients: the fields of imported client files,"
              " the 12 columns in this order (Type J, I or F; First Name and Last Name the contact's or the"
              " individual's; Postal Address the legal address whole); docs.e-cont.md/en/importing-payers: 'We"
              " recommend using a TSV file format' kept in Google Sheets",
        header=["IDNO", "TVA", "Short Caption", "Registered Name", "Type", "Org. form", "First Name", "Last Name",
                "E-Mail", "Phone", "Postal Address", "Language"]),
    "jobka_contacts": dict(
        source="Jobka (Czech employee app: contacts file)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="jobka-services.freshdesk.com/en/support/solutions/articles/63000274696: UTF-8 with the signature"
              " (0xEF, 0xBB, 0xBF), ';' between values and none at a line's end, and the data in this order"
              " (Title before name ... Email: one phone and one e-mail of the user)",
        header=["Title before name", "First name", "Middle name", "Surname", "Title after first name", "Function",
                "Department", "Phone", "Email"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages, code and issues), beyond the lists of the
# other three header modules, most of them there already.
NOT_FOUND = [
    "Mailing tools: Sendy, Mailcoach, Mautic, GetResponse, FreshMail, Ecomail, SmartEmailing, Mailkit (columns"
    " mapped at import, or only 'email' required)",
    "Webmail: Yahoo (only a Japanese converter's note), Zimbra (its CSV formats are not listed), Zoner/Czechia"
    " webmail (the list of columns breaks off), GMX",
    "Phones: Yealink (XML contacts), Grandstream (XML phonebook), Snom (tbook XML), Panasonic KX-UTG (a header-less"
    " 15-field layout), Swyx (no header row), Yeastar P-Series (same family as headers.py's Yeastar)",
    "CRMs and ERPs: Odoo, vtiger (SQL dumps only), Insightly (Fivetran's table list breaks off), Raynet (XLSX),"
    " Subiekt GT (a third-party add-on's field list, in no order), wFirma CRM (its table is not stored),"
    " Money S3 and Pohoda (XML), vsoft.sk (adresy.csv fields not listed), e-pity (no address fields stored)",
    "Events and members: Eventbrite (API objects), Meetup, Wild Apricot (API schema), MemberPress",
]
