"""Headers of the eighty-sixth held-out set (tests/prep/corpus/eightysixth):
libraries' reader files, publishers' subscriber lists and a bookshop's
customers. None of these sources is in headers.py nor in any of the later
*_headers.py files, nor in layouts_test.py, nor in their NOT_FOUND lists. The
entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself; "field list": it lists the names in
this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "bibliomaker_adressen": dict(
        source="BiblioMaker (Swiss library software: the address format 'Einfach' for readers, e.g. the pupils a"
               " school office registered)", language="de", separator="\t", encoding="utf-8",
        documented_as="field list",
        where="the vendor's knowledge base article 'Import- und Exportformat von Adressen \"Einfach\"'"
              " (om-bm.knowledgebase.co/article-1566.html): 'Die Reihenfolge der Felder ist vordefiniert', columns"
              " A to AE: Code, Anrede, Vorname, Name ('obligatorisch'), Adresse 1 ('1. Zeile der Adresse'), Adresse 2"
              " ('2. Zeile der Adresse', e.g. 'Postfach'), PLZ, Stadt, Region, Privates Telefon, Kategorie, Status,"
              " Geschlecht ('1 = männlich, 2 = weiblich'), Geburtsdatum ('27.12.2018'), Bewilligung, Land, Frei 1 to"
              " Frei 4, Sprache, Telefax, Kanton, E-mail, Webseite, Bemerkungen, Notizen, Letzte Entleihung,"
              " Ausleihen blockieren ('0 = nein, 1 = ja'), Kundenreferenz, Kontaktperson; the stored copy ends at"
              " AE, so the list does. 'Tabulatormarkierung zwischen den Rubriken', 'UTF-8, Windows oder macOS':"
              " UTF-8 taken; the field names written as the first row, as the sheet the article suggests"
              " preparing carries them; CRLF taken",
        header=["Code", "Anrede", "Vorname", "Name", "Adresse 1", "Adresse 2", "PLZ", "Stadt", "Region",
                "Privates Telefon", "Kategorie", "Status", "Geschlecht", "Geburtsdatum", "Bewilligung", "Land",
                "Frei 1", "Frei 2", "Frei 3", "Frei 4", "Sprache", "Telefax", "Kanton", "E-mail", "Webseite",
                "Bemerkungen", "Notizen", "Letzte Entleihung", "Ausleihen blockieren", "Kundenreferenz",
                "Kontaktperson"]),
    "schullogistik_personen": dict(
        source="SchulLogistik (a school library's lending system on the school network: 'Personendaten"
               " importieren')", language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="IT-Zukunft-Schule's wiki page 'Technik/Nutzungshinweise/SchulLogistik' (wiki.it-zukunft-schule.de),"
              " 'Importieren von neuen Benutzern / einer aktualisierten Benutzerliste': 'Im-/Export >"
              " Personendaten importieren', the source file '.csv mit den vorhandenen Daten Nachname, Vorname,"
              " Geburtsdatum, Klasse'. Separator, encoding and date form are not shown: the school office's sheet"
              " saved as 'CSV UTF-8' by a German Excel (';', a signature, CRLF), dates 'dd.mm.yyyy'",
        header=["Nachname", "Vorname", "Geburtsdatum", "Klasse"]),
    "papyrus_members": dict(
        source="Papyrus (school library software: Routines > Member Routines > Import Members)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Member Routines' (papyruscloud.org/cloud/HelpV2/papyrus-routines-members.aspx),"
              " 'File format': 'The first row must contain column headings', MemberNo ('Must be the first"
              " column'), FirstNames ('Member's first name(s)'), Surname, AdminType ('The grade or type code from"
              " your school administration system'); 'Any other columns' are optional and unnamed ('e.g. email, ID"
              " number'), so only the four are taken. Excel or CSV: a CSV in UTF-8 without a signature and CRLF"
              " taken",
        header=["MemberNo", "FirstNames", "Surname", "AdminType"]),
    "ghost_members": dict(
        source="Ghost (publishing platform for magazines and newsletters: 'Import members')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import members' (ghost.org/docs/members/import-members/ and"
              " ghost.org/help/import-members/), 'Prepare your CSV file': email ('[required]'), name ('full"
              " names'), note, subscribed_to_emails ('[true/false]'), stripe_customer_id ('cus_GdsYH4fZbHx9hF' or"
              " 'auto'), complimentary_plan ('[true/false]'), labels ('Labels need to be in quotes and comma"
              " separated e.g. \"label 1, label 2\"'), created_at ('ISO 8601: 2019-10-30T14:52:08.000Z'); UTF-8"
              " without a signature and CRLF taken",
        header=["email", "name", "note", "subscribed_to_emails", "stripe_customer_id", "complimentary_plan",
                "labels", "created_at"]),
    "yudu_subscribers": dict(
        source="YUDU (digital editions of magazines: a subscription group's 'Bulk Upload' of subscribers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk Upload Subscribers' (help.yudu.com/hc/en-us/articles/204011909): email,"
              " password, firstnames, surname, town/city, region, country, username, start date, end date; 'The"
              " order of the fields can be changed if their names (written as above) are included as headers on"
              " the first line of the file'. The dates' form is not shown: 'dd/mm/yyyy' (a British publisher)"
              " taken; UTF-8 without a signature and CRLF taken",
        header=["email", "password", "firstnames", "surname", "town/city", "region", "country", "username",
                "start date", "end date"]),
    "maxant_bookstore_customers": dict(
        source="maxant BookStore (bookshop software: the 'Import Customers Wizard', the generic CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the program's help 'Import Customers Wizard' (bookstorehelp.maxant.co.uk/topic/BookStore/help/html/"
              "dialogs/ImportCustomersWizard.html): 'This file should have the following columns, separated by"
              " commas': Title, First name, Last name, Business Name, Address Line 1, Address Line 2, City, State,"
              " Postal Code, Country, Phone, Mobile, Birthday ('format ddMMyyyy'), Category ('a list of ;"
              " separated categories'), Childrens names ('separated by ;'), Email Address, Gender ('m or f or"
              " empty'), Notes ('must not contain the separator of the file!'), Referer. The names written as the"
              " first row; UTF-8 without a signature and CRLF taken",
        header=["Title", "First name", "Last name", "Business Name", "Address Line 1", "Address Line 2", "City",
                "State", "Postal Code", "Country", "Phone", "Mobile", "Birthday", "Category", "Childrens names",
                "Email Address", "Gender", "Notes", "Referer"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Libraries, English: Libib (only first_name and last_name are named as the CSV's columns; the rest are the"
    " form's fields), Auto-Graphics VERSO (the stored copy of 'Preparing an Import File' breaks off after"
    " 'question'), OPALS (the example import line is not in the stored copy), Librarika (the import columns are"
    " not in the stored copy), Beeshelf (an import named, no columns), CBORD ResCenter (a housing system, its"
    " columns mapped by an .ini file)",
    "Libraries, Nordic: BIBSYS (Norwegian 'Standard importformat': one 'code:value' line a field, no CSV),"
    " Axiell BOOK-IT and Quria (no file columns in the stored copies)",
    "Libraries, Czech, Polish and Hungarian: nothing stored with an import column list (library rules and"
    " articles only)",
    "Publishers and newspapers: Uberflip and Apazine (the columns are shown as pictures), CivicPlus News Flash"
    " (no header row), Leaky Paywall (an export add-on described, no columns), Substack and beehiiv (nothing"
    " stored with a column list), German subscription and delivery tools (nothing stored with columns)",
]
