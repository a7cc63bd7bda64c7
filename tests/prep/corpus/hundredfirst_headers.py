"""Headers of the hundred-and-first held-out set (tests/prep/corpus/hundredfirst):
a Colombian ERP's third parties and a French customer data platform's
profiles. None of these sources is in headers.py nor in any of the other
*_headers.py files, nor in layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.

Only two sources were found within the time given to the search: most of the
stored help pages with a documented column list in a language other than
English are in the earlier sets already. NOT_FOUND lists the rest.
"""

SOURCES = {
    "esnumera_terceros": dict(
        source="esnumera (a Colombian ERP built on Tryton: 'Parametrización', the CSV that creates third parties)",
        language="es", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki page 'Parametrización' (wiki.esnumera.com/wiki/index.php?title=Parametrizaci%C3%B3n"
              "&oldid=787): 'Archivo CSV para crear terceros, las columnas deben estar organizadas de la siguiente"
              " manera', columns 0 to 19: Activo ('verdadero o falso'), Calle, Ciudad, Correo electrónico, Cuenta a"
              " pagar, Cuenta por cobrar ('el numero de cuenta'), Document Type ('NIT, cédula, etc', the one name in"
              " English), Empleado, Es cliente, Es un proveedor, Es una empresa, Móvil, NIF o NIT ('sin espacios,"
              " puntos ni dígito de verificación'), Nombre, Nombre de la empresa, Notas, País, Posición Fiscal, Sitio"
              " web, Teléfono; 'debe tener en la primera fila los encabezados, no importa el valor solo que exista la"
              " fila', so the listed names are written there. Separator and encoding are not shown: ',', UTF-8"
              " without a signature and CRLF taken",
        header=["Activo", "Calle", "Ciudad", "Correo electrónico", "Cuenta a pagar", "Cuenta por cobrar",
                "Document Type", "Empleado", "Es cliente", "Es un proveedor", "Es una empresa", "Móvil", "NIF o NIT",
                "Nombre", "Nombre de la empresa", "Notas", "País", "Posición Fiscal", "Sitio web", "Teléfono"]),
    "spread_profils": dict(
        source="SPREAD (a French customer data platform for retailers: 'Format des données' of the profiles' import)",
        language="fr", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Format des données' (help.spreadfamily.fr/import--export/8UR8yhGymGoz2sn79H2YJk/"
              "format-des-donn%C3%A9es/1d1pLDbaUJQuWPAwpEnRLf), 'Description des champs': Nom, Prénom, Email, ID"
              " Externe, Anniversaire ('yyyy-mm-dd mm/dd/yyyy dd/mm/yyyy', one form for the whole file), Genre ('f,"
              " mlle, mme., femme, madame' ... 'h, m, m., homme, monsieur, male'), Consentement : valeur ('1, oui,"
              " yes, accepted, accepté' or '0, non, no, refused, refusé'), Consentement : date; the stored copy breaks"
              " off at the next field ('Base ...'), so the list ends there. Separator and encoding are not shown: the"
              " sheet saved as 'CSV UTF-8' by a French Excel taken (';', a signature, CRLF)",
        header=["Nom", "Prénom", "Email", "ID Externe", "Anniversaire", "Genre", "Consentement : valeur",
                "Consentement : date"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "French: Splio (its contacts' columns are English names under a French help: email, lastname, firstname),"
    " Eventmaker and Skebby (columns named by the user), Kalisport (no column list), SPREAD's older help (the same"
    " source as spread_profils)",
    "Italian: INI-PEC's upload for professional orders (the fields only in their order, no header row),"
    " uidapo (up to six columns of the user's choosing)",
    "German: ASV Bayern's import of external applicants (no header row, fields numbered), the EDL portal of MST"
    " (only the address's required columns, no name)",
    "Spanish: SISA's SUMAR and BNDO import dictionaries (the stored copies break off before the names' columns),"
    " Rexmas (no column names), Hunab and Oclulearn (a form and a list on screen, no file)",
    "Portuguese: Airdesk and Perfectia (columns mapped at import, or ids only)",
    "Nordic: Cyql (English column names), mote.ax (no header row), Påmeldingssystem (columns mapped by hand)",
]
