"""Headers of the thirty-first held-out set (tests/prep/corpus/thirtyfirst):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to twentyninth_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting (most of these are sheets saved from Excel for
an import), or the source does not show it, the note says which was taken.
"""

SOURCES = {
    "nmbrs_debiteuren": dict(
        source="Nmbrs (Dutch payroll and HR software: the import sheet's tab 'Debiteuren', a payroll bureau's"
               " clients)", language="nl", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Importsheet tab: Debiteuren' (support.nmbrs.nl/hc/nl/articles/"
              "204052916): Debiteurnr, DebiteurNaam, FactuurTAV, Telefoon, Faxnr, FactuurEmailadres, Website"
              " ('Hier mag geen \"http://\" in staan'), FactuurAdres, FactuurHuisnummer, FactuurHuisnummerToev,"
              " FactuurPostcode ('1111AA'), FactuurPlaats, FactuurProvStaat, FactuurCodeLand (ISO code), PostAdres,"
              " PostHuisnummer, PostHuisnummerToev, PostPostcode, PostPlaats, PostCodeLand, ContactNaam,"
              " Contacttelefoonnr, ContactEmail, BankReknr, BankNaam, BankLand, Gironummer, ServiceLevel,"
              " StartPeriodeServicelevel, StartJaarServicelevel, TagNr1 '... t/m TagNr10', Opmerking1, Opmerking2,"
              " Opmerking3 and then '...Opmerking...' (open-ended: the list here stops at Opmerking3). The tab is"
              " an Excel sheet: the file here is that tab saved as 'CSV UTF-8' by a Dutch Excel (';', a"
              " signature, CRLF: code page 1252 would lose the Czech and Polish contacts' letters)",
        header=["Debiteurnr", "DebiteurNaam", "FactuurTAV", "Telefoon", "Faxnr", "FactuurEmailadres", "Website",
                "FactuurAdres", "FactuurHuisnummer", "FactuurHuisnummerToev", "FactuurPostcode", "FactuurPlaats",
                "FactuurProvStaat", "FactuurCodeLand", "PostAdres", "PostHuisnummer", "PostHuisnummerToev",
                "PostPostcode", "PostPlaats", "PostCodeLand", "ContactNaam", "Contacttelefoonnr", "ContactEmail",
                "BankReknr", "BankNaam", "BankLand", "Gironummer", "ServiceLevel", "StartPeriodeServicelevel",
                "StartJaarServicelevel"] + [f"TagNr{k}" for k in range(1, 11)] + ["Opmerking1", "Opmerking2",
                                                                               "Opmerking3"]),
    "octopus_relaties": dict(
        source="Octopus (Belgian accounting: 'Relatiefiches importeren', the tab 'Export relaties')",
        language="nl", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's manual 'Relatiefiches importeren' (login.octopus.be/manual/NL/import_relations.htm):"
              " Actief ('Altijd waarde \"A\"'), Id, Extern relatienummer ('gelijk gesteld aan Id'), Naam"
              " ('Bedrijfsnaam (of achternaam bij natuurlijke persoon)'), Voornaam ('enkel bij natuurlijke"
              " persoon'), Contactpersoon, Straat en nummer, Postcode, Gemeente, in this order; the stored copy"
              " read ends at 'Gemeente', so the list ends there. The template is an XLSX sheet: the file here is"
              " its tab saved as 'CSV UTF-8' by a Flemish Excel (';', a signature, CRLF: code page 1252"
              " would lose the Polish and Czech clients' letters)",
        header=["Actief", "Id", "Extern relatienummer", "Naam", "Voornaam", "Contactpersoon", "Straat en nummer",
                "Postcode", "Gemeente"]),
    "accessgranted_members": dict(
        source="Access Granted Systems (US access control for pools and community centres: 'How to upload your"
               " member list')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's article (support.accessgrantedsystems.com/portal/en/kb/articles/how-to-upload-your-"
              "member-list), its table 'CSV Data and Header Import Details': MEMBERSHIP_ID, LASTNAME, FIRSTNAME,"
              " BARCODE, ADDRESS ('Membership's Address'), PRIMARY_PHONE, SECONDARY_PHONE, EMAIL, BIRTHDATE ('If you"
              " don't know the DOB, use 1/1/1900'), NOTES, MEMBERSHIP_TYPE, EMERGENCY_CONTACT, RELATION,"
              " MEMBER_NOTES, GUEST_PASSES, ENTRY_PASSES, EXPIRATION_DATE, MEMBERSHIP_SUSPENDED, MEMBER_SUSPENDED;"
              " the stored copy breaks off after that, so the list ends there; 'The first line of the file must"
              " be the column headers'; ',' (comma separated), UTF-8 and CRLF taken",
        header=["MEMBERSHIP_ID", "LASTNAME", "FIRSTNAME", "BARCODE", "ADDRESS", "PRIMARY_PHONE", "SECONDARY_PHONE",
                "EMAIL", "BIRTHDATE", "NOTES", "MEMBERSHIP_TYPE", "EMERGENCY_CONTACT", "RELATION", "MEMBER_NOTES",
                "GUEST_PASSES", "ENTRY_PASSES", "EXPIRATION_DATE", "MEMBERSHIP_SUSPENDED", "MEMBER_SUSPENDED"]),
    "groupfire_members": dict(
        source="GroupFire (a member app for associations and chambers: 'Matching CSV columns when importing new"
               " members')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article (help-admin.groupfire.com/en/articles/1506583): 'Our system allows you"
              " to import the following fields: First Name, Last Name, Email, Phone, Company, Business Address';"
              " the file here uses those titles so that nothing needs matching by hand; ',' and UTF-8 without a"
              " signature, CRLF taken",
        header=["First Name", "Last Name", "Email", "Phone", "Company", "Business Address"]),
    "moloni_clientes": dict(
        source="Moloni (Portuguese invoicing: 'Importar clientes a partir de um ficheiro XLS, XLSX ou CSV')",
        language="pt", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's FAQ (www.moloni.pt/suporte/index.php?action=getFaqDetail&id=116): Número, Nome,"
              " Contribuinte, Idioma, Morada, Código Postal, Localidade, País ('o nome do país ... ou apenas o"
              " seu código'), E-mail, Site, Telefone, Fax, Nome Contacto, E-mail Contacto, Telefone Contacto,"
              " Observações Contacto, Dia de Pagamento, Desconto Financeiro, Limite Crédito, Observações; 'não"
              " sendo necessário colocar colunas por uma ordem específica': the listed order taken; the file here"
              " is a sheet saved as 'CSV UTF-8' by a Portuguese Excel (';', a signature, CRLF: code page"
              " 1252 would lose the Czech and Polish clients' letters)",
        header=["Número", "Nome", "Contribuinte", "Idioma", "Morada", "Código Postal", "Localidade", "País",
                "E-mail", "Site", "Telefone", "Fax", "Nome Contacto", "E-mail Contacto", "Telefone Contacto",
                "Observações Contacto", "Dia de Pagamento", "Desconto Financeiro", "Limite Crédito",
                "Observações"]),
    "veripath_patients": dict(
        source="Veripath (a UK GP practice platform: the Data Import Facility's 'Patient Demographics' sheet,"
               " patients migrated from a legacy system)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's wiki 'Data Import' (wiki.veripath.co.uk/infrastructure/on-boarding/data-import), the"
              " patients' table: LegacyPatientID, First Name, Last Name, Date of Birth ('YYYY-MM-DD'), NHS Number,"
              " Email Address, Mobile Phone, Gender ('MALE, FEMALE, UNKNOWN, OTHER, NOT_STATED'), Street Address,"
              " City, Postcode, Emergency Contact Name, Emergency Contact Phone, Role ('Defaults to PATIENT'); read"
              " by 'manage.py import_patients --file patients.csv'; ',' and UTF-8, LF (a legacy system's export"
              " on a Linux host) taken",
        header=["LegacyPatientID", "First Name", "Last Name", "Date of Birth", "NHS Number", "Email Address",
                "Mobile Phone", "Gender", "Street Address", "City", "Postcode", "Emergency Contact Name",
                "Emergency Contact Phone", "Role"]),
    "paytraq_clientes": dict(
        source="PayTraq (a cloud ERP, Portuguese interface: 'Importação de dados CSV', the clients' file)",
        language="pt", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's Portuguese page 'Importação de dados CSV' (paytraq.cv/importacao-de-dados-csv),"
              " 'Importação de Clientes': 'o ficheiro deve conter a seguinte sequência de campos, os campos devem"
              " ser separados por vírgula': Nome, Tipo ('1 – para individuais, 2 – para pessoas"
              " coletivas/organizações'), Número de registo, Número de IVA, Endereço (Rua, Cidade, Região), Código"
              " Postal, País ('o código do país com duas letras'), Telefone, Email do cliente, Nome do Branco (so"
              " spelt), Código do Banco, Conta Bancária / IBAN, Nº. De Contrato, Grupo de cliente, Desconto,"
              " Termos de pagamento, Dias devidos, Grupo de preços; the stored copy breaks off there, so the list"
              " ends with it; UTF-8 without a signature and CRLF taken",
        header=["Nome", "Tipo", "Número de registo", "Número de IVA", "Endereço (Rua, Cidade, Região)",
                "Código Postal", "País", "Telefone", "Email do cliente", "Nome do Branco", "Código do Banco",
                "Conta Bancária / IBAN", "Nº. De Contrato", "Grupo de cliente", "Desconto", "Termos de pagamento",
                "Dias devidos", "Grupo de preços"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Dutch: Moneybird (only an automation service's field names, no file), e-Boekhouden (nothing stored), AFAS"
    " Profit (import described, no column names)",
    "Spanish: Holded (only another tool's note that it reads Holded's Excel), Ninox Argentina ('Normalmente, las"
    " columnas incluyen': not the row itself)",
    "Italian: Fatture in Cloud (only an automation service's fields and a help page naming a few headings as an"
    " example)",
    "Portuguese: Officegest and TOConline (a template download or screens, no names), Gestwin (screens)",
    "Norwegian and Swedish: Tripletex, Fortnox, Visma (nothing stored with a column list)",
    "French: Pennylane (a template download, no names in the stored pages)",
    "English: Wave, Zoho Books, BigCommerce, Lightspeed (API objects or XML only), Membermojo (the member table's"
    " columns are not listed), MotorsportReg and Physitrack (their files have no header row), Patients Know Best"
    " (mandatory and optional columns listed apart, not in the file's order)",
]
