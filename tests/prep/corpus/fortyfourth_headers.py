"""Headers of the forty-fourth held-out set (tests/prep/corpus/fortyfourth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fortythird_headers.py), nor in
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
    "sportsm8_members": dict(
        source="SportsM8 (sports competition platform: 'Managing Competition Members - Import Members')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Managing Competition Members - Import Members' (docs.sportsm8.com/docs/"
              "competitions/administration/competitionmember-admin-import): the CSV is pasted into a box 'Including"
              " the headers row as this tells the app the order of columns'; 'The columns which can be imported"
              " are': id ('a unique Guid', empty for a new record), personid, personexrefnum ('a code/number that"
              " relates to an external system'), firstname, surname, phone, email, notes; the stored copy breaks"
              " off in the note on notes, so the list ends there. UTF-8 without a signature and CRLF taken",
        header=["id", "personid", "personexrefnum", "firstname", "surname", "phone", "email", "notes"]),
    "eme_members": dict(
        source="Events Made Easy (e-dynamics' WordPress plugin for events and memberships: 'CSV import members')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's page 'CSV import members' (www.e-dynamics.be/wordpress/csv-import-members/): 'The first"
              " line should indicate the names of the columns ... Currently these names are recognized':"
              " lastname, firstname, email, phone, address1, address2, city, state, zip, country, massmail ('0' or"
              " '1'), membership, status ('pending', 'active' or 'expired'), status_automatic, paid ('0' or '1'),"
              " start_date, end_date, creation_date ('YYYY-MM-DD'), in this order; its examples quote every"
              " field. Delimiter and enclosure are chosen at import, ',' and '\"' being the defaults; UTF-8"
              " without a signature and CRLF taken",
        header=["lastname", "firstname", "email", "phone", "address1", "address2", "city", "state", "zip",
                "country", "massmail", "membership", "status", "status_automatic", "paid", "start_date",
                "end_date", "creation_date"]),
    "imageprepare_members": dict(
        source="ImagePrepare (photographic club competition software: 'Uploading club membership')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's administration manual 'Uploading club membership' (docs.imageprepare.com/"
              "administration-manual/uploading-club-membership): a CSV or Excel file with First Name, Last Name,"
              " Distinctions ('Any distinctions the member holds, this column may be left blank'), Email Address,"
              " Code Number ('You must assign one'), the example 'First Name,Last Name,Distinctions,Email"
              " Address,Code Number' with a row 'Jean,Doe,LRPS,...,56'; 'save ... as a CSV file using commas as"
              " separators'. UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "Distinctions", "Email Address", "Code Number"]),
    "rosterathletics_entries": dict(
        source="Roster Athletics (athletics meet management: 'Add athletes from a CSV file')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Add athletes from a CSV file' (support.rosterathletics.com/en/support/"
              "solutions/articles/44001359909-add-athletes-from-a-csv-file, also in Polish under /pl/): EntryId,"
              " StartListId, RelayTeamName, FullName ('If FullName is filled out, then FirstName and LastName are"
              " no longer mandatory'), FirstName, MiddleName, LastName, Gender ('Male or Female'), CountryCode"
              " (three letters), SchoolGrade (US school meets only), DateOfBirth ('YYYY-MM-DD'), YearOfBirth,"
              " TilastopajaId, RelayId; the stored copy breaks off at RelayId, so the list ends there. The"
              " vendor's checklist asks for 'CSV UTF-8 (Comma delimited)' from Excel (a signature, CRLF) and no"
              " commas, semicolons or quotation marks in any cell",
        header=["EntryId", "StartListId", "RelayTeamName", "FullName", "FirstName", "MiddleName", "LastName",
                "Gender", "CountryCode", "SchoolGrade", "DateOfBirth", "YearOfBirth", "TilastopajaId", "RelayId"]),
    "sportlomo_members": dict(
        source="Sportlomo (sports membership platform: a provincial sport organisation's 'Bulk upload' sheet)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki page 'Bulk upload' (sportlomo.atlassian.net/wiki/spaces/CCCAS/pages/787611659/"
              "Bulk+upload): 'Fill in the highlighted columns First name, Last name, Email, Club name, Membership"
              " type. When done save as a csv file'; 'Do not delete any columns and leave all headings as is'."
              " The sheet's other columns, left blank for the registration form, are not named in the stored"
              " copy, so only the five highlighted ones are taken, in the order given. UTF-8 without a signature"
              " and CRLF taken",
        header=["First name", "Last name", "Email", "Club name", "Membership type"]),
    "kluboffice_spillere": dict(
        source="KlubOffice (the Danish football association DBU's club system: 'Spiller import')",
        language="da", separator=";", encoding="utf-8", documented_as="field list",
        where="WinKAS' guide 'Eksport af data til Kluboffice' (winkas.dk/tips-tricks-bloggen/"
              "eksport-af-data-til-kluboffice/), 'Type 1: Spiller import' with its '8 stamdatafelter': Fornavn,"
              " Efternavn, Adresse 1, Postnummer, Fødselsdato ('dd-mm-åååå' or 'ddmmåå'), Køn ('0 = mand, 1 ="
              " kvinde'), Email1, Indmeldelsesdato ('dd-mm-åååå eller ddmmåå'), in this order. The sheet saved"
              " as 'CSV UTF-8' by a Danish Excel (';', a signature, CRLF: code page 1252 would lose the Polish and"
              " Czech players' letters)",
        header=["Fornavn", "Efternavn", "Adresse 1", "Postnummer", "Fødselsdato", "Køn", "Email1",
                "Indmeldelsesdato"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Swedish and Danish: SportAdmin (instructions behind a login), Holdsport (nothing stored), ChurchDesk"
    " (column names by example only, not a club tool)",
    "Finnish: Palloliitto's Pelipaikka (the columns are in a sample file; only strAddress1 and strPhoneHome named),"
    " Desky (no column list)",
    "Dutch: Conscribo (columns mapped by hand)",
    "German: sportmember.at (columns mapped automatically, no names), Laubenmeister (a form, no import file)",
    "English: Spond (a pasted sheet, no column names), Member Jungle (only the mandatory fields named), ClubPal"
    " and Kolva (columns mapped by hand), Ticket Tailor and RunSignUp (nothing stored with a column list)",
]
