"""Headers of the thirty-sixth held-out set (tests/prep/corpus/thirtysixth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to thirtyfourth_headers.py), nor in
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
    "nexus_parteneri": dict(
        source="Nexus ERP (Romanian ERP: 'Importul partenerilor', the partners' import table)", language="ro",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Importul partenerilor' (docs.nexuserp.ro/articol/Importul-partenerilor/3099,"
              " also suport.nexuserp.ro/index.php?id=1967), table 'Import parteneri': id_importex, id_partener,"
              " cif_cnp ('Codul fiscal / CNP'), denumire, pers_fizica ('persoana fizica = 1 si persoana juridica"
              " = 0'), registru_comert, banca, contul (IBAN), adresa ('Adresa sediu partener'), email, website,"
              " fax, telefon ('Lista numere de telefon'), telefon_serv ('Telefon serviciu'), manager ('Nume"
              " manager'), cod_tara, id_localitate, den_localitate, id_clasificare; the stored copy breaks off in"
              " id_clasificare's description, so the list ends there. The buffer table filled from a sheet saved"
              " as 'CSV UTF-8' by a Romanian Excel (';', a signature, CRLF) taken",
        header=["id_importex", "id_partener", "cif_cnp", "denumire", "pers_fizica", "registru_comert", "banca",
                "contul", "adresa", "email", "website", "fax", "telefon", "telefon_serv", "manager", "cod_tara",
                "id_localitate", "den_localitate", "id_clasificare"]),
    "idempiere_bpartner": dict(
        source="iDempiere (open-source ERP: 'Import Business Partner', window 172, table I_BPartner)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the project's wiki 'Importazione Business Partner (finestra ID-172)' (wiki.idempiere.org/it/"
              "Importazione_Business_Partner_(finestra_ID-172)) and the table's columns as listed at"
              " sql2diagram.sourceforge.net/example/tables/I_BPartner.html: Value, Name, Name2, Description,"
              " DUNS, TaxID, NAICS, GroupValue, Address1, Address2, Postal, Postal_Add, City, RegionName,"
              " CountryCode ('ISO 3166 2Character code'), Title, ContactName, ContactDescription, Comments, Phone,"
              " Phone2, Fax, EMail, Password, Birthday; the key, client and ID columns before them and the"
              " greeting after Birthday left out. 'NF1.0 ImportCSV' (wiki.idempiere.org): 'The first line of the"
              " CSV file must contain the names of the fields ... the technical column name'. UTF-8 without a"
              " signature, ',' and LF (a Linux server's) taken; dates as yyyy-MM-dd",
        header=["Value", "Name", "Name2", "Description", "DUNS", "TaxID", "NAICS", "GroupValue", "Address1",
                "Address2", "Postal", "Postal_Add", "City", "RegionName", "CountryCode", "Title", "ContactName",
                "ContactDescription", "Comments", "Phone", "Phone2", "Fax", "EMail", "Password", "Birthday"]),
    "payday_vidskiptavinir": dict(
        source="Payday (Icelandic invoicing: 'Innlestur á viðskiptavinum úr Excel', the customers' sheet)",
        language="is", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Innlestur á viðskiptavinum úr Excel' (hjalp.payday.is/is/article/"
              "121-innlestur-a-vidskiptavinum-ur-excel): 'Mikilvægt er að þetta form sé notað'; 'Dálkar':"
              " Kennitala, Nafn ('(Krafist) Nafn viðskiptavinar'), Heimilisfang, Póstnúmer, Staður, Land,"
              " Aukaupplýsingar ('t.d. SWIFT og IBAN númer'), Tengiliður, Sími, Netfang, Athugasemd, Sjálfgefin"
              " athugasemd á reikningum, Senda rafræna reikninga. The form saved as 'CSV UTF-8' by an Icelandic"
              " Excel (';', a signature, CRLF: code page 1252 would lose the Polish and Czech customers' letters)",
        header=["Kennitala", "Nafn", "Heimilisfang", "Póstnúmer", "Staður", "Land", "Aukaupplýsingar",
                "Tengiliður", "Sími", "Netfang", "Athugasemd", "Sjálfgefin athugasemd á reikningum",
                "Senda rafræna reikninga"]),
    "mice_contacts": dict(
        source="MICE Operations (Dutch venue and event CRM: 'Import contacts')", language="en", separator=";",
        encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import contacts' (help.miceoperations.com/en/articles/2868037-import-contacts),"
              " 'Input fields': the customer ('e.g. a company name') with Name, Customer number, E-mail address,"
              " Telephone number, Address line 1 and 2, Postal code, Location, Country, VAT number, KVK Number,"
              " Notes and its invoice address (for the attention of, e-mail address, street name + house number,"
              " postal code, Location, country), then the contact person ('e.g. the client') with First name,"
              " Last name, E-mail address ('Contact Person:' capitalised so), Telephone number, Address line 1"
              " and 2, Postal code, Place, Country, Notes; each written 'Customer: ...' or 'Contact person: ...'"
              " as listed. An Excel sheet saved as 'CSV UTF-8' by a Dutch Excel (';', a signature, CRLF) taken",
        header=["Customer: Name", "Customer: Customer number", "Customer: E-mail address",
                "Customer: Telephone number", "Customer: Address line 1", "Customer: Address line 2",
                "Customer: Postal code", "Customer: Location", "Customer: Country", "Customer: VAT number",
                "Customer: KVK Number", "Customer: Notes", "Customer: Invoice address: for the attention of",
                "Customer: Invoice address: e-mail address",
                "Customer: Invoice address: street name + house number", "Customer: Invoice address: postal code",
                "Customer: Invoice address: Location", "Customer: Invoice address: country",
                "Contact person: First name", "Contact person: Last name", "Contact Person: E-mail address",
                "Contact person: Telephone number", "Contact person: Address line 1",
                "Contact person: Address line 2", "Contact person: Postal code", "Contact person: Place",
                "Contact person: Country", "Contact person: Notes"]),
    "invoicer_rejestr": dict(
        source="invoicer (Polish bookkeeping helper: 'format import CSV', a register of invoices)", language="pl",
        separator=";", encoding="cp1250", documented_as="header row",
        where="the project's wiki 'format import CSV' (github.com/invoicer/invoicer.github.com/wiki/"
              "format-import-CSV): the example 'typ | faktura_nr | klient nazwa | ulica | kod_pocztowy |"
              " miejscowosc | nip | netto23 | vat23 | data_faktury | termin_zapłaty' with 'Nazwy pól zawarte są w"
              " pierwszym wierszu. Następuje detekcja znaku rozdzielającego (TAB albo średnik)'; ';' taken, and"
              " code page 1250 (a Polish Windows) and CRLF; amounts with a decimal comma, dates 'dd.mm.yyyy' as"
              " in the example",
        header=["typ", "faktura_nr", "klient nazwa", "ulica", "kod_pocztowy", "miejscowosc", "nip", "netto23",
                "vat23", "data_faktury", "termin_zapłaty"]),
    "prim_contractors": dict(
        source="Prim (Bulgarian ERP and CRM: 'Import of contractors')", language="en", separator=";",
        encoding="utf-8", documented_as="field list",
        where="the vendor's user guide 'Import of contractors' (docs.prim.io/en/prim-io-user-guide/"
              "initial-data-imports/import-of-contractors), 'Description of the columns': Counterparty Type*,"
              " Name* ('If the customer is an individual ... Ivan Petrov Ivanov will become first name Ivan,"
              " surname Petrov and last name Ivanov'), Alias, Person type* ('Natural person / Legal person'),"
              " UIC/EIN, VAT, MOL, Country, District, Location, Quarterly, Street, Number, Block, Login, Floor,"
              " Apartment, Postal code, Address; the stored copy breaks off at Address, so the list ends there."
              " The asterisks mark the required columns and are left out of the names. The blank form of an"
              " English-language account, filled in Bulgarian and saved as 'CSV UTF-8' by a Bulgarian Excel (';',"
              " a signature, CRLF) taken",
        header=["Counterparty Type", "Name", "Alias", "Person type", "UIC/EIN", "VAT", "MOL", "Country",
                "District", "Location", "Quarterly", "Street", "Number", "Block", "Login", "Floor", "Apartment",
                "Postal code", "Address"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Czech: EET-Agenda (items only, no customers), 1CLICK and IPEXAS (the columns are in sample files only),"
    " eurofaktura.cz (no partner import stored)",
    "Slovak: SkladOnline (already used), Infogate (a form, no file)",
    "Romanian: Taschi CRM and Kumulator (columns mapped or already used), Softmin Field Focus (no column list),"
    " SocrateCloud (import structures defined by the user)",
    "Bulgarian: Fakturiel and fakturirane.eu (the sheet must have no header row)",
    "Hungarian: szamlaprogram.eu (no import), MiniCRM and Kulcs-Soft (already used)",
    "Finnish: Procountor (columns by position, no header row), Netvisor (XML only)",
]
