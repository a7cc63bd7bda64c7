"""Headers of the forty-eighth held-out set (tests/prep/corpus/fortyeighth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fortyseventh_headers.py), nor in
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
    "uku_kliendid": dict(
        source="Uku (Estonian practice management for accounting firms: 'Kuidas importida kliente?')",
        language="et", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Kuidas importida kliente?' (help.getuku.com/en/articles/1346247-kuidas-importida-"
              "kliente): 'Tabeli veergude pealkirjad on vastavate väljade nimetused Ukus', a table of UKU VÄLI:"
              " Linn, Riik ('koodi kaudu nt. EE, SE, LT'), Aadress ('Tänava nimi ja number'), Postiindeks,"
              " Kliendigrupp, Keel ('Estonian, english, ...'), Tähis ('kuni 3 tähte'), Kliendikood, Vaikimisi"
              " kasutaja ('Ukuga liitunud kasutaja email' or name: the firm's own user), Märkmed, Nimi, Registrikood,"
              " Staatus, Aja märkimine on kohustuslik ('1 - Sees', '0 - Väljas'), Teema on kohustuslik, KMKR, in"
              " this order. The import takes XLSX; the sheet saved as 'CSV UTF-8' by an Estonian Excel (';', a"
              " signature, CRLF) taken",
        header=["Linn", "Riik", "Aadress", "Postiindeks", "Kliendigrupp", "Keel", "Tähis", "Kliendikood",
                "Vaikimisi kasutaja", "Märkmed", "Nimi", "Registrikood", "Staatus", "Aja märkimine on kohustuslik",
                "Teema on kohustuslik", "KMKR"]),
    "aiagenttr_musteriler": dict(
        source="AI Agent TR (Turkish CRM with call agents: 'Toplu Müşteri Ekleme', Excel or CSV)", language="tr",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's docs 'Müşteri ekleme' (docs.aiagenttr.com/customer-management/add-customer): columns"
              " 'isim veya name' (required), 'telefon veya phone' ('E.164 format', required), 'email', 'sirket veya"
              " company', 'segment' ('VIP, Normal, Risk, veya Potansiyel'), and the 'Örnek CSV' whose first row is"
              " isim,telefon,email,sirket,segment with rows like 'Ahmet Yılmaz,+905301234567,...,ABC Ltd.,Normal';"
              " 'CSV dosyasını UTF-8 encoding ile kaydedin'; no signature and CRLF taken",
        header=["isim", "telefon", "email", "sirket", "segment"]),
    "ikas_customers": dict(
        source="ikas (Turkish e-commerce platform: 'How to export, edit, and import customers')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to export, edit, and import customers' (support.ikas.com/how-to-export-edit-"
              "and-import-customers): 'Columns and Their Meaning': Customer ID ('Leave blank for new customers'),"
              " First Name, Last Name, E-Mail, Total Orders, Deleted ('TRUE ... FALSE'), Phone Number"
              " ('+491234567890'), Note, Account Status ('ACTIVE_ACCOUNT'), Membership Status ('SUBSCRIBED',"
              " 'NOT_SUBSCRIBED'); the stored copy breaks off there, so the list ends there. The export is '.csv';"
              " ',' and UTF-8 without a signature and CRLF taken",
        header=["Customer ID", "First Name", "Last Name", "E-Mail", "Total Orders", "Deleted", "Phone Number", "Note",
                "Account Status", "Membership Status"]),
    "worldsms_epafes": dict(
        source="WorldSMS (Greek bulk SMS service: 'Βιβλίο Επαφών', 'Εισαγωγή Επαφών')", language="el",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the service's FAQ 'Πως δημιουργώ ομάδες για τις επαφές μου;' and 'Πως μπορώ να προσθέσω και να"
              " επεξεργαστώ τις επαφές στο προφίλ μου;' (www.worldsms.gr/greek/faq/organize-administrate-contacts/):"
              " 'Τα πεδία ... είναι τηλέφωνο, επίθετο, όνομα και σχόλια', 'στην πρώτη στήλη ... το τηλέφωνο, στην"
              " δεύτερη το επίθετο, στην τρίτη το όνομα και στην τέταρτη κάποιο σχόλιο'; csv, txt or xls. The"
              " sample's own header row is not stored: a row of the four named fields, capitalised, taken; a sheet"
              " saved as 'CSV UTF-8' by a Greek Excel (';', a signature, CRLF: code page 1253 would lose the Polish"
              " and Czech names)",
        header=["Τηλέφωνο", "Επίθετο", "Όνομα", "Σχόλια"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Bulgarian: Fakturirane.eu (the header row must be deleted: 'ако има изтрийте реда'), CloudCart and GombaShop"
    " (columns mapped by hand), inv.bg (invoices only)",
    "Ukrainian: KeyCRM (funnel cards: the example table is not stored), Uspacy and Planfix (fields mapped by"
    " hand), Nova Poshta and Ukrposhta (no bulk-shipment columns stored)",
    "Turkish: Paraşüt and BirFatura (the columns are in the downloadable Excel template only), Raklet (the"
    " template's columns not stored)",
    "Greek: Elorus (any file taken, columns only in the sample), Apifon (phones in column A, other columns free),"
    " Epsilon Net tax system (a few columns named in prose), Anaconda and Arbicash (columns chosen by hand)",
    "Latvian and Estonian: Zalktis ('Fails veidojams bez galvenes': no header row), PMen (columns by letter and"
    " content, no names), Merit Aktiva (clients reach Uku by its interface, no file)",
    "Lithuanian: B1.lt and TAMO (no client import columns stored), Briox LT (the stored attachment is the invoice"
    " import)",
    "Serbian: Sors and SEF (no customer import columns stored); Minimax's Serbian edition is the Minimax already in"
    " headers.py",
]
