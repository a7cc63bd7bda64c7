"""Headers of the eighty-first held-out set (tests/prep/corpus/eightyfirst):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to seventyninth_headers.py), nor in
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
    "lrp_deelnemers": dict(
        source="LRP (Leden Registratie Protestantse kerk, the Dutch Protestant Church's member register:"
               " Bijdragenadministratie, 'Export deelnemers' of a fund such as Kerkbalans)",
        language="nl", separator=";", encoding="utf-8", documented_as="field list",
        where="the register's documentation 'Export' under Bijdragenadministratie > Fondsen-overzichten > Overig"
              " (lrp-doc.pkn.nl/bijdragenadministratie/fondsen-overzichten/overig/export): 'De beschikbare"
              " exportvelden zijn': Geregistreerde_nummer, Voorletters, Tussenvoegsels, Achternaam, Aanschrijfnaam,"
              " Adres, Straat, Huisnummer, Huisletter, Huisnummer_toevoeging, Postcode, Plaats, Land,"
              " Telefoonnummer_vast, Telefoonnummer_mobiel, Emailadres, Geboortedatum, Burgerlijke_staat, PE_nummer,"
              " PE_naam, PE_relatie, Kerkelijke_staat, Voorkeurlid, Wenst_geen_contact, SelectieNaam, SelectieNummer,"
              " SelectieOmschrijving, IBAN, MachtigingsID, Toegezegd, Ontvangen, Nog_te_ontvangen, Achterstand,"
              " Meer_ontvangen, Invoerdatum, Bron, Betaalschema, Betaalwijze, Doorlopend, LooptTM, Typering_overig,"
              " Toezeggingscommentaar, Wijkgem_eigenaar_naam, Wijkgem_eigenaar_nummer, Wijk_relatie_eigenaar,"
              " Sectie_eigenaar, Aanhef, Vrije_gebieden, all of them in this order. The file's form is not shown:"
              " the export opened and saved as 'CSV UTF-8' by a Dutch Excel taken (';', a signature, CRLF)",
        header=["Geregistreerde_nummer", "Voorletters", "Tussenvoegsels", "Achternaam", "Aanschrijfnaam", "Adres",
                "Straat", "Huisnummer", "Huisletter", "Huisnummer_toevoeging", "Postcode", "Plaats", "Land",
                "Telefoonnummer_vast", "Telefoonnummer_mobiel", "Emailadres", "Geboortedatum", "Burgerlijke_staat",
                "PE_nummer", "PE_naam", "PE_relatie", "Kerkelijke_staat", "Voorkeurlid", "Wenst_geen_contact",
                "SelectieNaam", "SelectieNummer", "SelectieOmschrijving", "IBAN", "MachtigingsID", "Toegezegd",
                "Ontvangen", "Nog_te_ontvangen", "Achterstand", "Meer_ontvangen", "Invoerdatum", "Bron",
                "Betaalschema", "Betaalwijze", "Doorlopend", "LooptTM", "Typering_overig", "Toezeggingscommentaar",
                "Wijkgem_eigenaar_naam", "Wijkgem_eigenaar_nummer", "Wijk_relatie_eigenaar", "Sectie_eigenaar",
                "Aanhef", "Vrije_gebieden"]),
    "churchteams_giving": dict(
        source="Churchteams (church management: the giving export, as Port's giving import reads it)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Port's guide 'Giving import: Churchteams' (docs.port.church/giving-import/providers/churchteams):"
              " required TaxDeductible, MemberID, FirstName, LastName, EmailAddress, MobilePhone, Designation,"
              " Amount, Method, Date, Check/Reference Number; optional Address1, Address2, City, State, ZipCode"
              " ('Header matching is case-insensitive'); Port's own campus, labels, payment source and person id"
              " left out, they are no part of Churchteams' file. UTF-8 without a signature and CRLF taken",
        header=["TaxDeductible", "MemberID", "FirstName", "LastName", "EmailAddress", "MobilePhone", "Designation",
                "Amount", "Method", "Date", "Check/Reference Number", "Address1", "Address2", "City", "State",
                "ZipCode"]),
    "aware3_giving": dict(
        source="FACTS Giving / Aware3 (church and school giving platform: the giving export, as Port's giving"
               " import reads it)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Port's guide 'Giving import: FACTS / Aware3' (docs.port.church/giving-import/providers/facts-aware3):"
              " required User ID, First Name, Last Name, Street, City, State, Postal Code, Country, Fund, Amount,"
              " Type, Initiated Date; optional Organization, Transaction ID; Port's own campus, label, payment"
              " source and person id left out. UTF-8 without a signature and CRLF taken",
        header=["User ID", "First Name", "Last Name", "Street", "City", "State", "Postal Code", "Country", "Fund",
                "Amount", "Type", "Initiated Date", "Organization", "Transaction ID"]),
    "fundriver_constituents": dict(
        source="Fundriver Impact (donor impact reporting for foundations and universities: the 'Default"
               " Constituent' import for organisations without Raiser's Edge)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Imports: Default Constituent - how to use it for reporting and"
              " delivery' (support.fundriverimpact.com/support/solutions/articles/47001242783), the template"
              " ConstituentImpactDefault_template.xlsx: 'Below are the fields the file includes': Constituent ID,"
              " First Name, Last Name ('org name can go here'), Organization ('is this an organization record? yes"
              " or no'), Addressee, Salutation, Address Line 1, Address Line 2, Address Line 3, City, State, Zip,"
              " Country, Primary Solicitor, 'Status Org Record ID', Filter Attribute. The stored copy runs 'Status"
              " Org Record ID' into one line; the same article names three statuses (Active, Inactive, Deceased),"
              " so 'Status' and 'Org Record ID' are taken as two columns. The sheet saved as 'CSV UTF-8' by Excel"
              " (',', a signature, CRLF)",
        header=["Constituent ID", "First Name", "Last Name", "Organization", "Addressee", "Salutation",
                "Address Line 1", "Address Line 2", "Address Line 3", "City", "State", "Zip", "Country",
                "Primary Solicitor", "Status", "Org Record ID", "Filter Attribute"]),
    "raisers_edge_business": dict(
        source="The Raiser's Edge 7 (Blackbaud's donor database: a constituent import with the individual's"
               " primary business as an organization relationship)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="Blackbaud's knowledgebase article 38948 (kb.blackbaud.com/articles/Article/38948), 'Include the"
              " following fields in the data file', 'Headers': ImportID*, Titl1, FirstName, LastName, ORFullName,"
              " ORIsPrimary, ORIsEmp, ORImpID ('Although headers are not required in The Raiser's Edge 7, we"
              " recommend using them'); the stored copy ends after ORImpID, so the header does. The file made in"
              " Excel and saved as 'CSV UTF-8' (',', a signature, CRLF): the charity's Polish and Czech donors'"
              " letters are not in code page 1252",
        header=["ImportID", "Titl1", "FirstName", "LastName", "ORFullName", "ORIsPrimary", "ORIsEmp", "ORImpID"]),
    "churchwindows_donations": dict(
        source="Church Windows (church management: the donation log export, as Port's giving import reads it)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Port's guide 'Giving import: Church Windows' (docs.port.church/giving-import/providers/"
              "church-windows): 'Configure the Church Windows donation log export with repeating transaction data"
              " suppressed, then include these columns': Trans. #, Donation Date, Batch Code, Check #, Account,"
              " Amount, Account ID, Account Name, Pymt. Method, Line Item Comments, Giver Name, Giver #; 'Multiple"
              " line items from the same Church Windows transaction are combined into a single donation'. UTF-8"
              " without a signature and CRLF taken",
        header=["Trans. #", "Donation Date", "Batch Code", "Check #", "Account", "Amount", "Account ID",
                "Account Name", "Pymt. Method", "Line Item Comments", "Giver Name", "Giver #"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: Better Impact (the column definitions are past the stored part of the page), Givebutter, Zeffy and"
    " Neon CRM (nothing stored with a column list), Bloomerang Volunteer (the template depends on the"
    " organisation's questions), Liberty Accounts' donor upload (the field list breaks off after"
    " donor_type_code), The Donation App (the first column's name lost), ChurchSpring (a template download),"
    " Donarius (fields to map, not a file's columns)",
    "German: ChurchTools and FundraisingBox (columns mapped by hand, no names), COM.fundraising / iSpende (the"
    " 'Standard CSV' is a separate page not stored), kOOL (no import columns)",
    "Swedish, Norwegian and Danish: Hypersys (the template is under 'Kolonner' in the app), ForeningLet"
    " (nothing stored)",
    "Czech and Polish: Darujme.cz (no export columns stored), parish card indexes (described, no file)",
]
