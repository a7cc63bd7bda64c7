"""Headers of the eighty-ninth held-out set (tests/prep/corpus/eightyninth):
none of these sources is in headers.py nor in any of the later
*_headers.py files, nor in layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "netvisor_asiakkaat": dict(
        source="Netvisor (Finnish accounting: 'Customer data import', the customer register's CSV)",
        language="fi", separator=";", encoding="cp1252", documented_as="field list",
        where="the vendor's support article 'Customer data import' (support.netvisor.fi/en/support/solutions/"
              "articles/77000498438), its table 'Imported data in Finnish': Asiakaskoodi, Nimi, Osoite,"
              " Postinumero, Postitoimipaikka, Aktiivinen ('0' passive, '1' active), Alennusprosentti,"
              " Asiakasryhmä, Hintaryhmä, Kotisivut, Laskutuskieli, Lisätietoja, Maa, Maksuehto, Nimen jatke,"
              " Oletusmyyjä; the stored copy breaks off at the next name, so the list ends there (mailbox and"
              " phone columns come later in the table and are not taken). 'CSV (Comma delimited /"
              " Luetteloerotin)' from a Finnish Excel: ';', code page 1252 and CRLF taken",
        header=["Asiakaskoodi", "Nimi", "Osoite", "Postinumero", "Postitoimipaikka", "Aktiivinen",
                "Alennusprosentti", "Asiakasryhmä", "Hintaryhmä", "Kotisivut", "Laskutuskieli", "Lisätietoja",
                "Maa", "Maksuehto", "Nimen jatke", "Oletusmyyjä"]),
    "solteq_customers": dict(
        source="Solteq Commerce Cloud (Finnish till and retail back office: 'Customer Export/Import Excel"
               " Fields')", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's manual 'Customer Export/Import Excel Fields' (manual.solteqpos.com/en/cpume/current/"
              "customer-export-import-excel-fields, in Finnish 'Asiakastieto-Excelin kentät'): id,"
              " sequenceNumber, email, firstName, lastName, gdprRestricted, customNote, creditAllowed as the"
              " later copy lists them, then marketingSms, marketingEmail and ssn, which follow creditAllowed in"
              " the earlier copy; the 'customerCard:{index}' columns after them are left out. The file the back"
              " office exports is an Excel sheet; saved as 'CSV UTF-8' by a Finnish Excel (';', a signature, CRLF,"
              " truth values as 'TOSI'/'EPÄTOSI'). The export hides social security numbers, so 'ssn' is empty",
        header=["id", "sequenceNumber", "email", "firstName", "lastName", "gdprRestricted", "customNote",
                "creditAllowed", "marketingSms", "marketingEmail", "ssn"]),
    "memlist_medlemmar": dict(
        source="Memlist (Swedish member register for associations: 'Kriterier för import av medlemmar med"
               " Excel-lista')", language="sv", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Kriterier för import av medlemmar med Excel-lista' (memlist.se/docs/"
              "kriterier-for-import-av-medlemmar-med-excel-lista): the mandatory MEDLEMSNUMMER and"
              " FÖRENINGSNUMMER (written 'Medlemsnummer' and 'Föreningsnummer' as the page's list does), then the"
              " columns in the order of its list of lengths: Avdelning, Gatuadress, Postnummer, Postort, Epost,"
              " Telefon, Förnamn, Efternamn, C/O, Företagsnamn, Orgnummer, Faktura Förnamn, Faktura Efternamn,"
              " Faktura Gatuadress, Faktura Postkod, Faktura Postort, Faktura Landskod, Faktura Epost, Faktura"
              " Telefon, Eget kön ('M', 'F', 'O', 'U'), Landskod, Kommunkod, Regionskod; the membership article"
              " and its dates left out. The page asks for an XLSX sheet; saved as 'CSV UTF-8' by a Swedish Excel"
              " (';', a signature, CRLF)",
        header=["Medlemsnummer", "Föreningsnummer", "Avdelning", "Gatuadress", "Postnummer", "Postort", "Epost",
                "Telefon", "Förnamn", "Efternamn", "C/O", "Företagsnamn", "Orgnummer", "Faktura Förnamn",
                "Faktura Efternamn", "Faktura Gatuadress", "Faktura Postkod", "Faktura Postort",
                "Faktura Landskod", "Faktura Epost", "Faktura Telefon", "Eget kön", "Landskod", "Kommunkod",
                "Regionskod"]),
    "storeshop_customers": dict(
        source="Storeshop (Norwegian B2B web shop platform: 'How to import customers')", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'How to import customers' (www.storeshop.no/knowledge-base/"
              "how-to-import-customers), its 'Explanation of columns': Customer Id, Customer name ('Customer name"
              " or company name'), Email, Address, State ('State/country'), ZIP code, Mobile ('Phone number');"
              " the template's own list leaves out Email, the explanation has it after the name, and that order"
              " is taken. No town column. An Excel sheet; saved as 'CSV UTF-8' by a Norwegian Excel (';', a"
              " signature, CRLF)",
        header=["Customer Id", "Customer name", "Email", "Address", "State", "ZIP code", "Mobile"]),
    "rackbeat_kunder": dict(
        source="Rackbeat (Danish inventory and order system: 'Import/eksport: Kunder')", language="da",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's page 'Import/eksport: Kunder' (rackbeat.com/dk/import-eksport-kunder), its table of"
              " the columns that can be read: Kundenr ('Maksimum 9 tegn'), Navn, Gruppe (the group's number),"
              " Adresse1, Adresse2, Postnummer, By, Land; the stored copy breaks off after Land, so the list ends"
              " there. 'CSV UTF-8 (kommasepareret)' from a Danish Excel, whose list separator is ';': a"
              " signature and CRLF",
        header=["Kundenr", "Navn", "Gruppe", "Adresse1", "Adresse2", "Postnummer", "By", "Land"]),
    "heeros_customers": dict(
        source="Heeros (Finnish financial management: the sales invoicing's customer register import)",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importing and Exporting Customer Data' (helpcenter.heeros.com/hc/en-us/articles/"
              "360025812774), 'Supported columns in the Excel file': Code, Name, Name2 ('Customer name 2'),"
              " Address, Postal code, City, Country ('Finland=FI'), Nationality ('default value from country"
              " field'), Short name, Business ID, VAT ID, Delivery name, Delivery address, Delivery postal code;"
              " the stored copy breaks off there, so the list does. 'The order of the columns can be as desired',"
              " the page's order taken. 'separated by a semicolon (;)': a sheet saved by a Finnish Excel as 'CSV"
              " UTF-8' (a signature, CRLF) taken, code page 1252 would lose the Latvian and Lithuanian letters",
        header=["Code", "Name", "Name2", "Address", "Postal code", "City", "Country", "Nationality", "Short name",
                "Business ID", "VAT ID", "Delivery name", "Delivery address", "Delivery postal code"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Swedish: Severa's customer import (the column names are in its template only), Cardskipper (the member"
    " sheet is the program's own export, its columns not listed), Webshop Plus on e-handel.info (17 columns"
    " named only in a sample file, and the header row must be removed)",
    "Norwegian: påmeldingssystem.no (columns mapped by hand), 24SevenOffice's firms (24SevenOffice is already"
    " in twentyninth_headers.py)",
    "Danish: Effihub (fields mapped by hand), CreatingSite (the template is an .xls download), e-conomic C5"
    " (a conversion guide, not a header), Rackbeat's customer contacts (named in prose, not as columns),"
    " Previsto (already in sixth_headers.py)",
    "Finnish: Ecomjet (fields mapped by hand), Laskupiste, Desky and CRM-service (no column names stored)",
    "Estonian, Latvian, Lithuanian and Icelandic: Opter's Estonian help (columns mapped by hand), Merit Aktiva"
    " (the column names are inside the program), Payday's creditors (Payday is already in"
    " thirtysixth_headers.py)",
]
