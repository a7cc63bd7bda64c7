"""Headers of the forty-seventh held-out set (tests/prep/corpus/fortyseventh):
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
    "churchsocial_members": dict(
        source="Church Social (Canadian church management: 'How to use the member import tool')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to use the member import tool' (help.churchsocial.com/article/39-data-import,"
              " also churchsocial.com/support/how-to-use-the-member-import-tool): a table of Field, Format and"
              " Required: first_name, last_name, birth_first_name, birth_middle_names, birth_last_name, gender"
              " ('Male, Female'), birth_date ('YYYY-MM-DD'), death_date, was_baptized ('Yes, No'), baptism_date,"
              " baptism_church, baptism_minister, did_profession, profession_date, profession_church,"
              " profession_minister, address, city, country ('Valid 2-digit country code'), region ('Valid"
              " province/state/territory code'), postal_code, mailing_address; the stored copies break off at"
              " mailing_city, so the list ends before it. '.csv (comma-separated values)'; UTF-8 without a"
              " signature and CRLF taken",
        header=["first_name", "last_name", "birth_first_name", "birth_middle_names", "birth_last_name", "gender",
                "birth_date", "death_date", "was_baptized", "baptism_date", "baptism_church", "baptism_minister",
                "did_profession", "profession_date", "profession_church", "profession_minister", "address", "city",
                "country", "region", "postal_code", "mailing_address"]),
    "parishsoft_members": dict(
        source="ParishSOFT Family Suite (US parish management: Family Directory, 'Import Member Contact Info')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How to import member contact information' (help.parishsoftfamilysuite.com/fd/"
              "import/how_to_import_member_contact_information.htm): the sample template '.csv'; 'You can import"
              " data into these fields': Member Last, Member First, Nick Name, Middle Name, Maiden Name, Family"
              " Last Name, Member E-Mail, Home Phone, Mobile Phone, Work Phone, Member Pager, Member Fax, Gender,"
              " Birth Date, Date of Death, Member Language; and 'the Member DUID field ... is a required field in"
              " the import file', put first here as the matching key. Encoding not shown: UTF-8 without a"
              " signature and CRLF taken",
        header=["Member DUID", "Member Last", "Member First", "Nick Name", "Middle Name", "Maiden Name",
                "Family Last Name", "Member E-Mail", "Home Phone", "Mobile Phone", "Work Phone", "Member Pager",
                "Member Fax", "Gender", "Birth Date", "Date of Death", "Member Language"]),
    "weblibrarian_patrons": dict(
        source="Web Librarian (Deepwoods Software's library plugin for WordPress: 'Add Patrons in Bulk')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the plugin's own help page 'Add Patrons in Bulk (upload from a CSV file)' in its distribution"
              " (files.deepsoft.com/Products/WebLibrarian/WebLibrarian-2.6.1.zip): 'The recognized column names"
              " are': id, firstname, lastname, extraname ('usually middle name'), address1, address2, city, state,"
              " zip, telephone, outstandingfines, expiration; the first line the column headers. UTF-8 without a"
              " signature and CRLF taken",
        header=["id", "firstname", "lastname", "extraname", "address1", "address2", "city", "state", "zip",
                "telephone", "outstandingfines", "expiration"]),
    "pickatime_people": dict(
        source="Pick-A-Time (school conference scheduling: the 'People File' of an event)", language="en",
        separator="\t", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'People File' (pickatime.com/help/PeopleFile.html): required columns ID, First,"
              " Last, Email ('Only one email address per row'), 'a tab-delimited text file (*.txt or *.tsv)',"
              " 'Field names ... must exactly match', teachers, students, parents or staff each a row; UTF-8"
              " without a signature and CRLF taken",
        header=["ID", "First", "Last", "Email"]),
    "cantook_patrons": dict(
        source="Cantook Library (De Marque's digital library for public libraries: 'Batch importing patrons')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's admin guide 'Batch importing patrons' (confluence.demarque.com/confluence/"
              "cantook-library-admin/en/usagers/importer-des-usagers-par-lot): Identifier (the patron's login,"
              " mandatory), Name ('the first name followed by the last name', optional), Email address, Password"
              " (optional where the e-mail is given); its 'Tabular representation of expected data' heads the"
              " columns 'Identifier | Name | Email address', the fourth named in the list. UTF-8 without a"
              " signature and CRLF taken",
        header=["Identifier", "Name", "Email address", "Password"]),
    "activedonor_donors": dict(
        source="ActiveDonor (South African donor management for non-profits: 'Importing Donors')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Importing Donors' (help.activedonor.com/knowledgebase/importing-donors),"
              " 'Correct Format to Upload Donors': Salutation ('Mr | Mrs | Miss, etc'), First Name and Last Name"
              " ('If the donor is an Individual'), Entity Name ('Company, CC, NPC, Trust, Association, Estate'),"
              " Tax Number ('10 digits and can only start with 0, 1, 2, 3, or 9'), ID/Registration Number,"
              " Country of Issue; the stored copy breaks off there, so the list does. The template's sheet saved"
              " as 'CSV UTF-8' by Excel (',', a signature, CRLF)",
        header=["Salutation", "First Name", "Last Name", "Entity Name", "Tax Number", "ID/Registration Number",
                "Country of Issue"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Czech: Tritius library system ('Import čtenářů z excelové tabulky': the stored copies break off after"
    " CCISLO and KDE), NRPZS health providers' register (contents described, no column list stored)",
    "English: ChurchTrac (only columns A and B in the stored copy), Power Diary and Follett Destiny (the vendor"
    " imports, or the format page is not stored), Donor Tools (the example's last header cell lost), ChurchSuite"
    " (layouts described, no column names stored), Network for Good Donor Management (field names in prose only)",
]
