"""Headers of the forty-ninth held-out set (tests/prep/corpus/fortyninth):
accounting, bookkeeping and invoicing tools of Spain, Belgium, Norway,
Denmark, France and Australia. None of these sources is in headers.py nor in
any of the later *_headers.py files (unseen_headers.py to
fortyseventh_headers.py), nor in layouts_test.py, nor in their NOT_FOUND
lists. The entries are as in headers.py: source, language of the columns'
names, separator and encoding of the export, how the header is documented
("header row": the source shows the row itself; "field list": it lists the
names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "keme_auxiliares": dict(
        source="KEME Contabilidad (Spanish free accounting program: 'Importar cuentas auxiliares con datos', the"
               " clients' and suppliers' sub-accounts)", language="es", separator="\t", encoding="utf-8",
        documented_as="field list",
        where="the program's manual, chapter 20 (dibosajm.github.io/ch20.html): 'La disposición de cada campo se"
              " realiza por columnas dispuestas con el siguiente orden': Nombre/Razón social, Nombre comercial, Nif,"
              " Domicilio, Población, Código Postal, Provincia, País, IBAN, Teléfono, Observaciones; 'csv con"
              " tabuladores como separadores de campos, sin delimitadores de cadenas de caracteres, y con"
              " codificación unicode (utf8)'. The names as the manual writes them taken as the header row; LF"
              " taken (the program's own platform)",
        header=["Nombre/Razón social", "Nombre comercial", "Nif", "Domicilio", "Población", "Código Postal",
                "Provincia", "País", "IBAN", "Teléfono", "Observaciones"]),
    "billtobox_clients": dict(
        source="Billtobox (Unifiedpost, Belgian bookkeeping document exchange: an accountant's 'Activating clients"
               " in bulk' sheet)", language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to activate my client's Billtobox account' (support.billtobox.com/en/articles/"
              "402419, the same text on help.billtobox.com and, in French, on intercom-help.eu/unifiedpost): 'A."
              " Client name, B. Address, C. ZIP, D. City, E. Country' ('all full-length country names ... 2-letter"
              " abbreviations'), 'F. KBO/KVK/SIREN', 'G. VAT', 'H. IBAN', 'I. BIC', 'J. Language', 'K. Contact"
              " name', 'L. Contact language' ('fr ... Français ... EN ... English'); the stored copies break off"
              " after L, so the list ends there. The sheet saved as 'CSV UTF-8' by a Belgian Excel (';', a"
              " signature, CRLF)",
        header=["Client name", "Address", "ZIP", "City", "Country", "KBO/KVK/SIREN", "VAT", "IBAN", "BIC", "Language",
                "Contact name", "Contact language"]),
    "timerabbit_kunder": dict(
        source="Timerabbit (Norwegian time tracking and invoicing: 'Import av kundelister')", language="nb",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import av kundelister' (hjelp.timerabbit.no/kunde-og-prosjekt/import-av-"
              "kundelister): 'kolonner i følgende rekkefølge': Navn, Adresse, Postnummer, Sted, Land ('blir satt"
              " til Norge hvis tomt'), Telefon, E-post, Nettsted, Kontaktperson, Mobil, E-post ('til"
              " kontaktperson'), Tittel ('til kontaktperson'); 'CSV (Semikolondelt) (*.csv) og UTF-8'. 'E-post'"
              " twice, as the list has it; no signature and CRLF taken",
        header=["Navn", "Adresse", "Postnummer", "Sted", "Land", "Telefon", "E-post", "Nettsted", "Kontaktperson",
                "Mobil", "E-post", "Tittel"]),
    "minuba_kunder": dict(
        source="Minuba (Danish business system for tradesmen: its Norwegian help, 'Importer fra .csv-fil')",
        language="nb", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's support page 'Hvordan importerer jeg en eksisterende kundeliste?' (minuba.no/support/"
              "hvordan-importerer-jeg-en-eksisterende-kundeliste): 'Kunde': Kundenavn, Beskrivelse,"
              " Organisasjonsnummer, Betalingsfrist, Kundenummer; 'Adresse': Att:, Adresse, Adresse 2, Postnummer,"
              " By, Postnummer og by, Land, Beskrivelse, Telefonnummer, Mobilnummer, E-postadresse; 'en fordel hvis"
              " kundelista har kolonnenavn navngitt som ovenfor i første rad'. 'Beskrivelse' twice, as the page"
              " has it; separator and encoding not shown: ';', UTF-8 without a signature and CRLF taken",
        header=["Kundenavn", "Beskrivelse", "Organisasjonsnummer", "Betalingsfrist", "Kundenummer", "Att:", "Adresse",
                "Adresse 2", "Postnummer", "By", "Postnummer og by", "Land", "Beskrivelse", "Telefonnummer",
                "Mobilnummer", "E-postadresse"]),
    "dext_clients": dict(
        source="Dext (bookkeeping automation, French edition: 'Importer sa base de données clients' for the sales"
               " module)", language="fr", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importer sa base de données clients' (help.dext.com/fr/s/article/importer-sa-base-"
              "de-donnees-clients): 'Les informations attendues pour la facturation, dans des colonnes titrées':"
              " Libellé du client, Compte client, Adresse e-mail, Adresse, Code postal, Ville, Pays. Separator and"
              " encoding not shown: ';' (a French spreadsheet), UTF-8 with a signature and CRLF taken",
        header=["Libellé du client", "Compte client", "Adresse e-mail", "Adresse", "Code postal", "Ville", "Pays"]),
    "btm_payers": dict(
        source="BTMSoft PAYG (Australian payment summary software: 'Import clients from Excel', payers and"
               " employers)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's how-to 'Import clients from Excel' (www.btmsoft.com.au/payg/how-to/import-clients-from-"
              "excel/), 'Available fields': Reference, Tax Code, Contact Type ('Customer', 'Supplier', 'Other'),"
              " Contact/Company Name, First name, Last name, Other name ('e.g. middle name'), Legal form"
              " ('Individual', 'Partnership', 'Company', 'SuperFund', 'Trust', 'Other'), Salut ('e.g. Mr Jones -"
              " will be used in correspondence'), Is Male ('M or F'), Main e-mail, Other e-mail, Main phone, Other"
              " phone, Address 1, Address 2, Suburb, Region, PostCode, Country. The columns are matched by hand in"
              " the program, so the field names are taken as the header; UTF-8 without a signature and CRLF taken",
        header=["Reference", "Tax Code", "Contact Type", "Contact/Company Name", "First name", "Last name",
                "Other name", "Legal form", "Salut", "Is Male", "Main e-mail", "Other e-mail", "Main phone",
                "Other phone", "Address 1", "Address 2", "Suburb", "Region", "PostCode", "Country"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Finnish: Heeros (only the mandatory fields are named, and Customer_type's values are in a file not stored)",
    "Danish: e-conomic, Dinero (nothing stored with a column list)",
    "Estonian: Merit Aktiva (only an integration page, no import columns)",
    "Belgian: Billit (columns mapped by hand, the sample list not stored)",
    "Italian: guide.pec.it's e-invoicing client import (fields mapped by hand, only the mandatory ones named),"
    " fatturapertutti (the column layout is in a file not stored)",
    "Austrian: FreeFinance (the customer import's columns are not in the stored copy)",
    "Australian: LodgeiT (the client pattern is an attachment not stored), Reckon (nothing stored)",
]
