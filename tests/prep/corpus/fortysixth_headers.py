"""Headers of the forty-sixth held-out set (tests/prep/corpus/fortysixth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fortyfifth_headers.py), nor in
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
    "rdstation_leads": dict(
        source="RD Station (Brazilian marketing automation: the template for importing leads)", language="pt",
        separator=",", encoding="utf-8", documented_as="header row",
        where="'RD Station - Arquivo template para importação de Leads' (gist.github.com/brunogh/5320854): the"
              " header Nome | Sobrenome | Telefone | Empresa | Cargo | Cidade | Identificador | Created_at behind a"
              " first column whose cells are the mailboxes ('fulano@rdstation.com.br'); that column's name is not"
              " legible in the stored copy, so 'Email' is taken. The example row: 'Fulano', 'Da Silva', '(11)"
              " 1234-5678', 'SBT', 'Diretor', 'São Paulo', 'pagina-contato', '2011-10-25 17:35'. UTF-8 without a"
              " signature and CRLF taken",
        header=["Email", "Nome", "Sobrenome", "Telefone", "Empresa", "Cargo", "Cidade", "Identificador",
                "Created_at"]),
    "movidesk_pessoas": dict(
        source="Movidesk (Brazilian help desk: 'Importação de pessoas', clients, agents and companies)",
        language="pt", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Importação de pessoas' (atendimento.movidesk.com/kb/article/4694/"
              "importacao-de-pessoas), its 'Layout': Tipo ('Pessoa = 1, Empresa = 2 ou Departamento = 4'), Perfil"
              " ('Agente = 1, Cliente = 2 ou Agente e Cliente = 3'), Nome fantasia ('Nome fantasia para empresas ou"
              " Nome para pessoas e departamentos'), Razão social ('obrigatório quando a pessoa é do tipo Empresa e"
              " o Nome fantasia não foi informado'), Usuário; the stored copy breaks off in the note on Usuário, so"
              " the list ends there. The layout sheet saved as 'CSV UTF-8' by a Brazilian Excel (';', a signature,"
              " CRLF)",
        header=["Tipo", "Perfil", "Nome fantasia", "Razão social", "Usuário"]),
    "splio_contacts": dict(
        source="Splio (French customer-data and marketing platform: the Datahub 'contacts' import file)",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Imports - Contacts' (support.splio.com/hc/it/articles/360000628585) and its French"
              " guide '(fr) Contacts' (dev-scp.splio.com/docs/fr-datahub-contacts): 'use semicolons (\";\") to"
              " separate columns', 'UTF-8 encoding without BOM'; the columns email, customer_key (only where the"
              " universe keys contacts on a custom field: left out), cellphone ('0033XXXXXXXXX'), firstname,"
              " lastname, dateOfCreation, language ('codes are lowercase'), subscriptions (a list of groups: left"
              " out). LF taken",
        header=["email", "cellphone", "firstname", "lastname", "dateOfCreation", "language"]),
    "voipstudio_contactos": dict(
        source="VoIPstudio (cloud phone system for sales and support teams: 'Contactos', the CSV import)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's Spanish manual 'Contactos' (voipstudio.mx/docs/administrador/contactos): 'Archivo CSV"
              " con las cabeceras: First name, Last name, Phone, Mobile, Group, Labels'. UTF-8 without a signature"
              " and CRLF taken",
        header=["First name", "Last name", "Phone", "Mobile", "Group", "Labels"]),
    "bird_contactos": dict(
        source="Bird (marketing and messaging platform: 'Importa tus contactos en Bird', the CSV importer)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's Spanish knowledge base 'Importa tus contactos en Bird' (bird.com/es-es/knowledge-base/"
              "marketing/sync-your-contacts/import-your-contacts-into-bird): 'Si formatea su archivo CSV como el de"
              " abajo': firstName, lastName, country, phone, email, with 'no todos los campos están completos, pero"
              " cada contacto tiene datos en las columnas de teléfono o correo electrónico'; the example's columns"
              " are taken, nothing more. UTF-8 without a signature and CRLF taken",
        header=["firstName", "lastName", "country", "phone", "email"]),
    "tray_usuarios": dict(
        source="tray.net.br (Brazilian service portal: 'Como importar seus usuários (clientes) via planilha')",
        language="pt", separator=";", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Importação de clientes' (tray.net.br/importacao-de-clientes/): 'Coloque o nome"
              " dos campos nesta primeira linha, como por exemplo: nome, email, telefone, empresa', the row"
              " 'Cliente A, clientea@homail.com, 11-3333-3333, Empresa A', 'Os campos “nome” e “e-mail” são"
              " obrigatórios', 'No arquivo CSV, os campos devem estar separados por ponto e vírgula'; the example's"
              " four columns are taken. The encoding is not shown: a Brazilian Excel's 'CSV UTF-8' (a signature,"
              " CRLF) taken",
        header=["nome", "email", "telefone", "empresa"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Polish: SerwerSMS (import columns A to N named by their meaning, no header names), Centrium CRM, Livespace,"
    " CRM Vision and Systell Contact Center (columns mapped by hand or taken from an export)",
    "Czech: Emailkampane.cz, Boldem, Mailkit, Mail-Komplet (attributes mapped by hand), Peoplix (no header row),"
    " ipexas help desk (the names only in the sample files)",
    "German: Superchat, Mateo, LINK Mobility Messaging Portal, keinaufwand (columns mapped by hand)",
    "Italian: magnews, Antherica Mail, TIMP, Mysched (fields mapped by hand or only described)",
    "Spanish: SumaCRM ('Nombre, Apellidos, Empresa, Cargo, etc.': not the whole row), Zenvia Customer Cloud (the"
    " variables' names are the user's), Sarbacane (columns detected, no list)",
    "Portuguese: Kommo, Leucotron Conecta, Reev (mapped by hand), Perfectia (only the id columns"
    " named)",
    "French: Simple CRM (columns by letter only), Initiative CRM, noCRM.io, Prokeep (template not shown)",
]
