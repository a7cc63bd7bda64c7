"""Headers of the ninetieth held-out set (tests/prep/corpus/ninetieth): none of
these sources is in headers.py nor in any of the later *_headers.py files, nor
in layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "adapter_contatos": dict(
        source="Adapter / Telco (Brazilian ERP for internet providers: 'Migração Contato Cliente', the customers'"
               " contact people)", language="pt-BR", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki 'Migração Contato Cliente' (wiki.adapter.net.br/wiki/index.php?title="
              "Migra%C3%A7%C3%A3o_Contato_Cliente): 'Deve ser criado um arquivo \"xlsx\" com todos os campos abaixo':"
              " IDClienteMigracao (the customer's CPF/CNPJ, 'apenas números'), Email, NomeOutorgado, Telefone"
              " ('dd +numero'), TipoContato (ADMINISTRATIVO, COMERCIAL, FINANCEIRO, OUTORGADO, SINDICO or TECNICO),"
              " Celular, Cargo, RG, CPF ('os 11 dígitos apenas numero iniciando com a letra C'), DataNascimento"
              " ('yyyy-mm-dd'), in this order. The sheet saved as 'CSV UTF-8' by a Brazilian Excel (';', a"
              " signature, CRLF)",
        header=["IDClienteMigracao", "Email", "NomeOutorgado", "Telefone", "TipoContato", "Celular", "Cargo", "RG",
                "CPF", "DataNascimento"]),
    "nuvola_tutori": dict(
        source="Nuvola (Madisoft, Italian school register: the parents' and guardians' import,"
               " 'nuvola-modello-importazione-custom-tutori.xls')", language="it", separator=";",
        encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Tutori (genitori): preparazione file excel per importazione delle"
              " anagrafiche' (supporto.madisoft.it/portal/it/kb/articles/tutori-genitori-prepararazione-file-excel-"
              "per-importazione-delle-anagrafiche), its table of columns: A 'CODICE FISCALE ALUNNO *', B"
              " 'CELLULARE', C 'CELLULARE 2 / TELEFONO FISSO', D 'EMAIL TUTORE', E 'RUOLO DEL TUTORE *' (PADRE,"
              " MADRE, ..., TUTORE, NON DISPONIBILE / GENERICO), F 'COGNOME TUTORE *', G 'NOME TUTORE *', H"
              " 'CODICE FISCALE TUTORE', I 'ORDINAMENTO' ('Lasciarlo vuoto'); the names as the table writes them,"
              " the star marking the required ones. The stored copy ends at column I, so the list does. Numbers"
              " 'solo i numeri', names advised in capitals, one row per guardian. Saved as 'CSV UTF-8' by an"
              " Italian Excel (';', a signature, CRLF)",
        header=["CODICE FISCALE ALUNNO *", "CELLULARE", "CELLULARE 2 / TELEFONO FISSO", "EMAIL TUTORE",
                "RUOLO DEL TUTORE *", "COGNOME TUTORE *", "NOME TUTORE *", "CODICE FISCALE TUTORE", "ORDINAMENTO"]),
    "vendus_fornecedores": dict(
        source="Vendus (Portuguese and Angolan invoicing and till: 'Como migrar Fornecedores para o Vendus?')",
        language="pt", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help centre 'Como migrar Fornecedores para o Vendus?' (vendus.co.ao/ajuda/"
              "migrar-fornecedores): 'Organize as colunas pela ordem seguinte: Nome, NIF, Morada, Código Postal,"
              " Localidade, País, Telefone, Telemóvel, Fax, E-Mail, Website'; the country as its code ('para"
              " Portugal coloque PT'). A CSV; separator and encoding not shown: ',' with every field quoted, UTF-8"
              " without a signature and CRLF taken",
        header=["Nome", "NIF", "Morada", "Código Postal", "Localidade", "País", "Telefone", "Telemóvel", "Fax",
                "E-Mail", "Website"]),
    "upflow_contacts": dict(
        source="Upflow (French receivables and dunning tool: 'Import et mise à jour de vos contacts par CSV')",
        language="fr", separator="|", encoding="utf-8", documented_as="field list",
        where="the vendor's help centre 'Import et mise à jour de vos contacts par CSV' (support.upflow.io/hc/fr/"
              "articles/34258938427409): 'Créez autant de lignes par clients que de contacts', the columns Nom du"
              " client, Identifiant Externe du client, Adresse mail, Contact principal ('un \"1\" ... sur la ligne"
              " du contact ... principal'), Prénom, Nom de famille, Numéro de téléphone, Référence, Position"
              " ('Choisissez entre Comptable, Commercial, Acheteur ou Finance'), in this order; the same article in"
              " English allows ';', ',' and '|' as separators: '|' taken, UTF-8 without a signature, CRLF",
        header=["Nom du client", "Identifiant Externe du client", "Adresse mail", "Contact principal", "Prénom",
                "Nom de famille", "Numéro de téléphone", "Référence", "Position"]),
    "dux_clientes": dict(
        source="Dux Software (Argentine ERP for shops and distributors: 'Importar Clientes')", language="es-AR",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importar Clientes' (intercom.help/duxsoftware/es/articles/7856098-importar-"
              "clientes), 'Datos personales': ID ('no se completa en la primera carga'), Apellido razón social"
              " ('el apellido o razón social de tu cliente', required), Nombre, Nombre de fantasía, Código, Sexo"
              " ('Femenino o Masculino'), Tipo cliente; the stored copy breaks off there, so the list does (the"
              " '(*)' of the required field is the page's mark, left out). The Excel 97-2003 sheet saved as CSV"
              " UTF-8 by an Argentine Excel (';', a signature, CRLF)",
        header=["ID", "Apellido razón social", "Nombre", "Nombre de fantasía", "Código", "Sexo", "Tipo cliente"]),
    "defontana_clientes": dict(
        source="Defontana (Chilean ERP: 'Importador de clientes en ERP')", language="es-CL", separator=";",
        encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importador de clientes en ERP' (intercom.help/defontanaerp/es/articles/3952215-"
              "importador-de-clientes-en-erp), its table of required cells: A 'Código del Cliente' ('Por ejemplo"
              " 11.111.111-1'), B 'RUT del Cliente', C 'Cliente Activo' ('S (Activo) / N (Inactivo)'), D 'Nombre"
              " del Cliente' ('Nombre o razón social del cliente'); it then goes on at H, leaving E to G unnamed,"
              " so only A to D are taken. Saved as CSV UTF-8 by a Chilean Excel (';', a signature, CRLF)",
        header=["Código del Cliente", "RUT del Cliente", "Cliente Activo", "Nombre del Cliente"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Portuguese: Sicredi Organizador PJ (the stored copy breaks off after 'Nome Fantasia'), Assina+ (its file has"
    " no header row), Adapter's customer migration (the vendor already taken for its contacts)",
    "Spanish: SiFactura (names without their order), Simla (part of the template's names, no order), Colppy and"
    " Facturama (the template's columns not in the stored copy), STEL Order (columns mapped by hand)",
    "French: Evoliz (the contacts' template not listed), iPaidThat (the page translates the template's columns"
    " rather than naming them), Atimeüs (two names for each field, which heads the file not shown)",
    "Italian: Asso360 (the members' columns in the sample file only)",
]
