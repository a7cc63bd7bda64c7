"""Headers of the nineteenth held-out set (tests/prep/corpus/nineteenth): none
of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, sixth_headers.py to
eighteenth_headers.py nor layouts_test.py, nor in their NOT_FOUND lists. The
entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up. Where the separator, encoding or line end is not
shown, the note says what was taken and why.
"""

SOURCES = {
    "clio_contacts": dict(
        source="Clio Manage (practice management for law firms: contacts by its migration template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="https://help.clio.com/hc/en-au/articles/9228623050139-Migration-Templates-for-Importing-Into-Clio-Manage"
              " ('Import contacts': title, job_title, first_name, last_name, company, business_street,"
              " business_city, business_state ('You can also enter the country'), business_postal_code,"
              " email_address, primary_phone; 'Save the file in CSV format'; a person or a company contact, the"
              " person linked to its company); a spreadsheet saved as 'CSV UTF-8' (with its signature) and CRLF"
              " taken, as the firm's names have diacritics",
        header=["title", "job_title", "first_name", "last_name", "company", "business_street", "business_city",
                "business_state", "business_postal_code", "email_address", "primary_phone"]),
    "contractors_kontakty": dict(
        source="Contractors.es (field service and CRM for contractors: the 'Kontakty' import, Polish help)",
        language="pl", separator=";", encoding="utf-8", documented_as="field list",
        where="https://help.contractors.es/pl/first-setup/3 ('Import danych', 'Przykład: Dane do importu należące"
              " do grupy \"Kontakty\"': Imię, Nazwisko, Tytuł, Firma, Firma - ID rekordu, Firma - Zewnętrzne ID,"
              " Telefon służbowy, Telefon komórkowy, Faks, Email, Adres www, Adres 1, 2, Miasto, Kraj, Kod państwa"
              " w systemie ISO, Województwo, Kod województwa, Dział, Grupy; groups 'oddzielone przecinkami lub"
              " kreską pionową'); 'Adres 1, 2' taken as two columns 'Adres 1' and 'Adres 2'; a Polish Excel's"
              " ';' and 'CSV UTF-8' (with its signature), CRLF taken",
        header=["Imię", "Nazwisko", "Tytuł", "Firma", "Firma - ID rekordu", "Firma - Zewnętrzne ID",
                "Telefon służbowy", "Telefon komórkowy", "Faks", "Email", "Adres www", "Adres 1", "Adres 2",
                "Miasto", "Kraj", "Kod państwa w systemie ISO", "Województwo", "Kod województwa", "Dział",
                "Grupy"]),
    "apex_kunder": dict(
        source="Apex (Norwegian software for housing developers: the buyers' customer import)",
        language="no", separator=";", encoding="utf-8", documented_as="field list",
        where="https://help.apexapp.io/forklaring-av-felter-p%C3%A5-kunde ('Kundeimport felt-forklaring': Navn"
              " ('For-, mellom-, og etternavn'), E-post, Mobil, Adresse ('bostedsadresse'), Postnummer, Poststed,"
              " Fødselsdato (dd.mm.yyyy), Kjønn (Mann/Kvinne), Telefon (private), Telefon (jobb); 'hver kunde"
              " knyttes til en bolig ... med Bolignummer eller Bolig ID'); 'Bolignummer' put last, its place not"
              " being shown; a Norwegian Excel's ';' and 'CSV UTF-8' (with its signature), CRLF taken",
        header=["Navn", "E-post", "Mobil", "Adresse", "Postnummer", "Poststed", "Fødselsdato", "Kjønn",
                "Telefon (private)", "Telefon (jobb)", "Bolignummer"]),
    "palm_address_csv": dict(
        source="Palm Desktop's address book as JAddressCSV2PDB's Address2CSV writes it (a desktop address book"
               " of a German maker's converter)", language="en", separator=",", encoding="cp1250",
        documented_as="field list",
        where="http://www.jswi.de/Zip/JAddressCSV2PDB.zip:Address2CSV.html (the column table: UID, Categorie,"
              " Lastname, Firstname, Title, Company, Phone_1_Index, Phone_1 ... Phone_5_Index, Phone_5,"
              " Display_Tel, Address, City, State, Country, Custom1 ... Custom4, Note; the phone's label is an"
              " index into the labels of a separate IFO file; 'Categorie' an index or the category's label); no"
              " postal code column; the Windows code page of a Czech desktop (1250) and CRLF taken",
        header=["UID", "Categorie", "Lastname", "Firstname", "Title", "Company", "Phone_1_Index", "Phone_1",
                "Phone_2_Index", "Phone_2", "Phone_3_Index", "Phone_3", "Phone_4_Index", "Phone_4",
                "Phone_5_Index", "Phone_5", "Display_Tel", "Address", "City", "State", "Country", "Custom1",
                "Custom2", "Custom3", "Custom4", "Note"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), beyond the
# other header modules' lists.
NOT_FOUND = [
    "German: Lexware Office (the contacts table breaks off after column D, as blind_headers.py found), casavi"
    " (property management: the contacts' columns break off after 'Referenz-ID'), allthings and zevvy (tenant"
    " fields described, the templates are downloads), rapidmail and Inxmail (columns mapped at import),"
    " appointmed (a patient's form fields, no file), OM-BM's 'Zweitadressen' (its files have no header row)",
    "Polish: wFirma CRM (the table of columns is not in the stored copy), inFakt, Firmao, SALESmanago (one name"
    " column, mapped), Thulium (columns not listed), Sugester (form fields, no file), IdoSell (the old export"
    " with Polish headers is named, its columns not shown), Centrium and CRM Vision (columns mapped or XLSX)",
    "Czech and Slovak: Caflou, FAPI, Leadhub (email, firstname, lastname, city and then '...'), 1CLICK and IPEX"
    " (template downloads), Billdu, deratix.sk (a screen's columns, no file)",
    "Hungarian: MiniCRM (columns inside XLSX samples), SalesAutopilot (nothing stored)",
    "Romanian, Slovene and Croatian: Oblio (form fields), Taschi CRM and Kumulator (columns mapped), Pantheon"
    " (nothing stored), Croatian practice software (nothing stored)",
    "Phone apps: 123 Contacts Backup And Transfer (its 'CSV file format' section is not in the stored copy),"
    " MyPhoneExplorer (nothing stored)",
    "Booking: Bookzo (its template is an attachment, a few columns described), Versum and Bookero (nothing"
    " stored)",
]
