"""Headers of the fortieth held-out set (tests/prep/corpus/fortieth): none of
these sources is in headers.py nor in any of the later *_headers.py files
(unseen_headers.py to thirtyninth_headers.py), nor in layouts_test.py, nor in
their NOT_FOUND lists. The entries are as in headers.py: source, language of
the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "iteras_medlemmer": dict(
        source="ITERAS (Danish subscription and membership system: members of a group membership from its import"
               " template)", language="da", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Import of subscribers/members on group subscription/membership'"
              " (helpdesk.iteras.com/en/articles/11693936): 'the column headers must be written EXACTLY as shown"
              " below', the template 'currently only exist in danish': E-mail, Adgangskode, Telefonnummer, Navn"
              " ('All first and last names are entered here, in one single field'), Firma, Adresselinje 1-5 ('one"
              " line in each column. Postal code and city must be in the same field'), Land (ISO 3166 alpha-2);"
              " the Danish names taken. The sheet saved as 'CSV UTF-8' by a Danish Excel (';', a signature, CRLF)",
        header=["E-mail", "Adgangskode", "Telefonnummer", "Navn", "Firma", "Adresselinje 1", "Adresselinje 2",
                "Adresselinje 3", "Adresselinje 4", "Adresselinje 5", "Land"]),
    "pcleden_leden": dict(
        source="PC Leden (Dutch member administration for associations and churches: the member file)",
        language="nl", separator=";", encoding="cp1252", documented_as="field list",
        where="the vendor's factsheet 'PC Leden: Ledenadministratie' (www.pcleden.nl/factsheet/"
              "pc-leden-ledenadministratie): 'De 27 standaardvelden zijn: Lidnummer, hoofd/medebewoner, geslacht,"
              " titulatuur, voorletters, tussenvoegsel, naam, extra naam, straat, huisnummer, toevoeging, postcode,"
              " plaats, landnaam, telefoonnummer, mobielenummer, e-mail adres, geboortedatum, inschrijfdatum,"
              " categorie, opzegdatum, bedragcode, IBAN, betaalwijze, betaalperiode, groepsaanduiding,"
              " contributie'; BIC and mandate (for direct debit only) left out. Written as the factsheet spells"
              " them; ';' and code page 1252 of a Dutch Windows and CRLF taken",
        header=["Lidnummer", "hoofd/medebewoner", "geslacht", "titulatuur", "voorletters", "tussenvoegsel", "naam",
                "extra naam", "straat", "huisnummer", "toevoeging", "postcode", "plaats", "landnaam",
                "telefoonnummer", "mobielenummer", "e-mail adres", "geboortedatum", "inschrijfdatum", "categorie",
                "opzegdatum", "bedragcode", "IBAN", "betaalwijze", "betaalperiode", "groepsaanduiding",
                "contributie"]),
    "galaxy_agencies": dict(
        source="Galaxy Digital (volunteer management: a volunteer center's partner agencies, 'Agency Imports')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's FAQ on imports (galaxydigital.freshdesk.com/support/solutions/articles/36000041001):"
              " 'Each item listed should be a separate column in your spreadsheet': Agency Manager First Name,"
              " Agency Manager Last Name, Agency Manager Email, Agency Name, Street Address 1, Street Address 2,"
              " City, State, ZIP Code, Contact Name, Contact Title Name, Contact Email, Phone Number, Phone"
              " Extension, Fax Number, Additional Notification Recipients, Additional Location Information, Who We"
              " Are; the stored copy breaks off after 'Who We Are', so the list ends there. A spreadsheet saved as"
              " CSV: UTF-8 without a signature and CRLF taken",
        header=["Agency Manager First Name", "Agency Manager Last Name", "Agency Manager Email", "Agency Name",
                "Street Address 1", "Street Address 2", "City", "State", "ZIP Code", "Contact Name",
                "Contact Title Name", "Contact Email", "Phone Number", "Phone Extension", "Fax Number",
                "Additional Notification Recipients", "Additional Location Information", "Who We Are"]),
    "vome_volunteers": dict(
        source="Vome (Canadian volunteer management: 'How should I format my fields to successfully upload them to"
               " my database')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base (support.vomevolunteer.com/portal/en/kb/articles/"
              "how-should-i-format-my-fields-to-successfully-upload-them-to-my-database), its table of default"
              " fields: Email, First Name, Last Name, Phone Number, Profile picture, Date of Birth ('YYYY-MM-DD'),"
              " Gender ('0= Male 1= Female 2= Other 3= Rather not say'), Gender Text, Occupation ('0=Student,"
              " 1=Professional, 2=Retiree, 3=Other'), Organization, Address (one string, 'Ex: 298 Bd Décarie"
              " Montréal, QC H4N 2M2, Canada'), Emergency Contact (Name); the stored copy breaks off there, so the"
              " list does. UTF-8 without a signature and CRLF taken",
        header=["Email", "First Name", "Last Name", "Phone Number", "Profile picture", "Date of Birth", "Gender",
                "Gender Text", "Occupation", "Organization", "Address", "Emergency Contact (Name)"]),
    "vtevents_people": dict(
        source="VT Events (Australian event staff and volunteer rostering: 'Importing people')", language="en",
        separator="\t", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki 'Importing people' (vtevents.atlassian.net/wiki/spaces/VTE/pages/262395):"
              " 'from a CSV (tab-delimited) or Excel file', 'The first row in the file should contain the column"
              " names': First name, Last name (required), the example's Email, then 'Other fields which can also"
              " be imported are': Title, Suffix, Preferred first name, Reference number, Address (line 1), Address"
              " (line 2), City, State, Postcode, Postal address (line 1), Postal address (line 2), Postal City,"
              " Postal State, Postal Postcode, Phone (Home), Phone (Work), Phone (Mobile); the stored copy breaks"
              " off in the next name ('Phone (Alterna...'), so the list ends before it. UTF-8 and CRLF taken",
        header=["First name", "Last name", "Email", "Title", "Suffix", "Preferred first name", "Reference number",
                "Address (line 1)", "Address (line 2)", "City", "State", "Postcode", "Postal address (line 1)",
                "Postal address (line 2)", "Postal City", "Postal State", "Postal Postcode", "Phone (Home)",
                "Phone (Work)", "Phone (Mobile)"]),
    "fellowshipone_giving": dict(
        source="FellowshipOne (church management: the contributions export, as Port's giving import reads it)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Port's guide 'Giving import: FellowshipOne' (docs.port.church/giving-import/providers/"
              "fellowshipone): required Contributor_ID, Contributor_Name, Preferred_Phone, Preferred_Email, Fund,"
              " Fund_Type, Received_Date, Type, Reference, Amount; optional City, Contributor_Type, Postal_Code,"
              " State_Province, Street_1, Street_2, Street_3 ('Header matching is case-insensitive'); Port's own"
              " columns (campus, labels, payment source, person id) left out. Taken in that order; UTF-8 without"
              " a signature and CRLF taken",
        header=["Contributor_ID", "Contributor_Name", "Preferred_Phone", "Preferred_Email", "Fund", "Fund_Type",
                "Received_Date", "Type", "Reference", "Amount", "City", "Contributor_Type", "Postal_Code",
                "State_Province", "Street_1", "Street_2", "Street_3"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Church management: ChurchSuite (its import page describes layouts, the column list is not in the stored"
    " copy), Breeze and Planning Center People (no column list stored), Tithe.ly ChMS People (a template"
    " download), e360 (a sample file download), OneBody (only 'minimum recommended columns')",
    "Donors and fundraising: Donorfy (fields named by kind, not as columns), Givebacks (a template download),"
    " GiveSmart Donor CRM (only a third party's copy of its description), Donary (the list breaks off early),"
    " Little Green Light (nothing stored)",
    "Volunteers: VolunteerHub (keys the user sets), Ludus (the header list is on the import page only),"
    " Volgistics (a conversion guide, no columns)",
    "Members: a Dutch association's member site (kwaliteitopmaat.org: field names with their formats, not a file's"
    " row), Laubenmeister (form fields), Desky (advice, no names)",
]
