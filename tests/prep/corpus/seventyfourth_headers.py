"""Headers of the seventy-fourth held-out set (tests/prep/corpus/seventyfourth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to seventyfirst_headers.py), nor in
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
    "harvest_contacts": dict(
        source="Harvest (time tracking and invoicing for consultants and agencies: 'Importing Client Contacts')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Managing clients' (support.getharvest.com/hc/en-us/articles/360048181312 and"
              " help.getharvest.com/harvest/manage/more-on-manage/managing-clients/): 'Organize the spreadsheet with"
              " the following 8 columns (in the same order)': Client, First Name, Last Name, Title, Email, Office"
              " Phone, Mobile Phone, Fax; saved as CSV, UTF-8 without a signature and CRLF taken",
        header=["Client", "First Name", "Last Name", "Title", "Email", "Office Phone", "Mobile Phone", "Fax"]),
    "photobiz_contacts": dict(
        source="PhotoBiz (photographers' websites and client tools: 'Import My Existing Client Information into"
               " the Contact Tool')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'How to Import Contacts into PhotoBiz' (support.photobiz.com/blog-post/"
              "import-my-existing-client-information-into-the-contact-tool and supportstore1.photobiz.com/blog/"
              "import-my-existing-client-information-into-the-contact-tool): 'You must include a column labeled"
              " Email', then the optional First Name, Last Name, Phone, Work Phone Number, Company Name, Birthday,"
              " Facebook, Address Line 1, Address Line 2, City, Country, State or Province, Zip Code, Shipping"
              " Address, Shipping City, Shipping Country, Shipping State or Province, Shipping Zip Code, Notes, in"
              " this order ('Facebook' from the second copy); 'column titles in English'. The birthday's form is"
              " not shown: a US Excel's month/day/year taken; UTF-8 without a signature and CRLF taken",
        header=["Email", "First Name", "Last Name", "Phone", "Work Phone Number", "Company Name", "Birthday",
                "Facebook", "Address Line 1", "Address Line 2", "City", "Country", "State or Province", "Zip Code",
                "Shipping Address", "Shipping City", "Shipping Country", "Shipping State or Province",
                "Shipping Zip Code", "Notes"]),
    "clerq_clients": dict(
        source="Clerq (time tracking and invoicing for freelancers: 'Clients & import')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's guide 'Clients & import' (useclerq.net/docs/guides/clients-and-import), its '# a minimal"
              " clients.csv': company,contact_name,email,vat_number,default_rate,currency with rows like 'Northwind"
              " Ltd,Sam Rivera,...,,80,GBP' (an empty VAT number); 'header row first'; UTF-8 without a signature"
              " and CRLF taken",
        header=["company", "contact_name", "email", "vat_number", "default_rate", "currency"]),
    "invoicexpress_faturas": dict(
        source="InvoiceXpress (Portuguese invoicing for freelancers and small firms: 'Batch Invoice Import')",
        language="pt", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Batch Invoice Import' (invoicexpress.helpscoutdocs.com/article/491-invoice-batch),"
              " its 'CSV Field Guide', one invoice a row: data ('YYYY-MM-DD'), due_date, referencia, observations,"
              " tax_exemption_reason, retention, Discount type ('percentagem' or 'montante fixo'), Discount, then"
              " the client's cliente_fiscal_id (the NIF), cliente_Country ('Portugal'), cliente_name ('Acme Lda'),"
              " cliente_code ('CLI-001'), cliente_email, cliente_Address, cliente_Postcode ('1000-001'),"
              " cliente_City, cliente_Phone ('+351 123 456 789'); the stored copy breaks off there, so the list"
              " ends there (the item columns are left out). The template filled in a Portuguese Excel and saved as"
              " 'CSV UTF-8' (';', a signature, CRLF): code page 1252 would lose the Czech and Polish clients' letters",
        header=["data", "due_date", "referencia", "observations", "tax_exemption_reason", "retention",
                "Discount type", "Discount", "cliente_fiscal_id", "cliente_Country", "cliente_name", "cliente_code",
                "cliente_email", "cliente_Address", "cliente_Postcode", "cliente_City", "cliente_Phone"]),
    "alegra_contactos": dict(
        source="Alegra México (cloud invoicing for the self-employed and small firms: 'Importación masiva de"
               " contactos')", language="es", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Importación masiva de contactos en Alegra México' (ayudas.alegra.com/es/articles/"
              "1711982-importacion-masiva-de-contactos-en-alegra-mexico): 'Estos son los títulos para cada columna':"
              " RFC, Razón social, Email, Teléfono 1, Teléfono 2, Fax, Celular, Comentarios, Calle, Exterior,"
              " Interior, Colonia, Localidad, Municipio / Delegación, Estado, País, Código postal; a foreign RFC"
              " with 'el país abreviado en formato ISO (de 3 letras)'. The sheet saved as 'CSV UTF-8' by a Mexican"
              " Excel (',', a signature, CRLF)",
        header=["RFC", "Razón social", "Email", "Teléfono 1", "Teléfono 2", "Fax", "Celular", "Comentarios", "Calle",
                "Exterior", "Interior", "Colonia", "Localidad", "Municipio / Delegación", "Estado", "País",
                "Código postal"]),
    "solarstaff_freelancers": dict(
        source="Solar Staff (paying freelancers: 'Freelancers import', the sample sheet)", language="en",
        separator=";", encoding="cp1250", documented_as="field list",
        where="the vendor's help 'Freelancers import' (help.solarstaff.com/en/articles/1965161-freelancers-import):"
              " 'Only the email field is mandatory': email, phone ('phone number without +'), fname ('first name'),"
              " sname ('surname'), specialization_code, invite_in_english ('1 – yes, 0 – no'), note ('up to 50"
              " characters'), in this order. The code list is not in the stored copy: small numbers taken. The"
              " sheet saved as CSV by a Czech Excel (';', code page 1250, CRLF)",
        header=["email", "phone", "fname", "sname", "specialization_code", "invite_in_english", "note"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: HoneyBook, Dubsado, Studio Ninja, 17hats, ShootProof and Bonsai (fields mapped by hand, no names),"
    " Pixieset Studio Manager (the template's headers only in a picture), Protemos (the clients' templates only"
    " in pictures), Assembly (the stored copy breaks off after the required names), Snapizzi (any headers)",
    "French: Kiwili, Henrri and Freebe (no column list stored)",
    "German: RechnungPro X (the stored copy breaks off after 'Vorname')",
    "Spanish: Quipu (the template's columns not in the stored copy), Contasiscorp (Peruvian, not for freelancers)",
]
