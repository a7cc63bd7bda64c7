"""Headers of the seventieth held-out set (tests/prep/corpus/seventieth): none
of these sources is in headers.py nor in any of the later *_headers.py files
(unseen_headers.py to sixtyseventh_headers.py), nor in layouts_test.py, nor in
their NOT_FOUND lists. All are member or supporter files of bodies people
join: a union's personnel upload, a chamber federation's member roster, a
club's duty rota, an alumni association's member passes, an association's
ballot and a political campaign's canvassing list. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "uniontrack_personnel": dict(
        source="UnionTrack Engage (union membership administration: 'Personnel File Uploads')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Membership Admin - Personnel File Uploads' (engagesupport.uniontrack.com/"
              "support/solutions/articles/35000299959): 'The spelling of column names must exactly match ...',"
              " 'The order of columns does not matter', its table 'Required & Supported Columns': Member Number ('The"
              " union member number'), Employment Number ('The EIN or employer identifier assigned to the employee'),"
              " First Name, Middle Name, Last Name, Occupation ('occupation or job title'), Work Level ('full-time,"
              " part-time'), Address 1, Address 2, City ('where the employee resides'), State Province, Zip Postal,"
              " Home Phone, Mobile Phone, Primary Email, Secondary Email; the stored copy breaks off after Secondary"
              " Email, so the list ends there. CSV or Excel; UTF-8 without a signature and CRLF taken",
        header=["Member Number", "Employment Number", "First Name", "Middle Name", "Last Name", "Occupation",
                "Work Level", "Address 1", "Address 2", "City", "State Province", "Zip Postal", "Home Phone",
                "Mobile Phone", "Primary Email", "Secondary Email"]),
    "uschamber_roster": dict(
        source="U.S. Chamber of Commerce Federation (a partner chamber's member roster for the federation's"
               " membership data system)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the federation's page 'Membership Roster Guidelines' (uschamber.com/federation/partners/roster.htm),"
              " 'REQUIRED FIELDS FOR ROSTERS': 'Your unique member ID for each individual record' (written 'Member"
              " ID' here), Contact prefix ('such as Mr., Ms., Col.'), Contact first name, Contact middle name,"
              " Contact last name, Contact job title, Company name, Street # and name, Street extra line, City,"
              " State, ZIP, ZIP extension, Phone ('with area code'), Fax, Email ('an email column is required,"
              " though it is not necessary to have an email address for each account'); 'primary contacts only',"
              " 'Data CANNOT contain double quotes'. Sent as Excel: the sheet saved as 'CSV UTF-8' by Excel (',', a"
              " signature, CRLF) taken",
        header=["Member ID", "Contact prefix", "Contact first name", "Contact middle name", "Contact last name",
                "Contact job title", "Company name", "Street # and name", "Street extra line", "City", "State",
                "ZIP", "ZIP extension", "Phone", "Fax", "Email"]),
    "dutyman_members": dict(
        source="DutyMan (duty rotas for clubs: 'Member Upload File Format')", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the DutyMan Administrators' Guide 'Member Upload File Format' (dutyman.biz/dmahelp/members1_1.aspx):"
              " 'The first row of your CSV file must contain column headings', its table: First Name, Last Name,"
              " Member Name ('Either First Name/Last Name or Member Name'), Name Qualifier ('Optional text to make"
              " duplicate names unique'), Email Address, Phone, Phone 2, Address 1 to Address 5 ('The member's"
              " postal address'), Postal Code, Country, Member ('Yes or No to indicate whether or not this person is"
              " a member of your club'); the stored copy breaks off after Member, so the list ends there. UTF-8"
              " without a signature and CRLF taken",
        header=["First Name", "Last Name", "Member Name", "Name Qualifier", "Email Address", "Phone", "Phone 2",
                "Address 1", "Address 2", "Address 3", "Address 4", "Address 5", "Postal Code", "Country",
                "Member"]),
    "frontcover_members": dict(
        source="Frontcover (digital membership cards in the phone's wallet: 'Member Import function')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Member Import function - Advanced use' (help.frontcover.io/en/articles/"
              "11151108), 'Summary of Template ... the Downloadable CSV Template': MemberID (Optional), First Name"
              " (Required), Last Name (Recommended), Email (Required), Phone number (Recommended), Expire At"
              " (Optional; 'ISO 8601', '2025-04-27' or '20250427'); UTF-8 without a signature and CRLF taken",
        header=["MemberID", "First Name", "Last Name", "Email", "Phone number", "Expire At"]),
    "electionbuddy_voters": dict(
        source="ElectionBuddy (online votes for associations, unions and boards: the voter list's CSV template)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Importing Your CSV File' (support.electionbuddy.com/article/544-importing-your-csv-"
              "file): 'The CSV voter information headers in your file must exactly match the template', '\"ID\" must"
              " be the first column and \"Label\" must be the second column', and 'Voters - Voter Labels' (support."
              "electionbuddy.com/en/articles/4869841): 'the \"Label\" column will be required before the \"Email\""
              " column'; a vote with ballot IDs, labels and e-mail notices: ID, Label, Email. Several voters may"
              " share one mailbox where ballot IDs are used ('Allowing for Duplicate Voter Contact Information');"
              " UTF-8 without a signature and CRLF taken",
        header=["ID", "Label", "Email"]),
    "organizer_canvassing": dict(
        source="Organizer Canvassing (door-to-door canvassing for campaigns: 'Prepare Your File for Import')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Prepare Your File for Import' (organizercanvassing.zendesk.com/hc/en-us/articles/"
              "7093844830605), 'Minimum Requirements ... Include the following fields': Primary ID ('a unique"
              " identifier assigned to each voter or contact'), First Name, Last Name, Street Number, Street Name and"
              " Type, Apartment Number, City, State, Zip Code; 'Street number, street name, and apartment must be"
              " separate fields'; 'File type must be CSV'. UTF-8 without a signature and CRLF taken",
        header=["Primary ID", "First Name", "Last Name", "Street Number", "Street Name and Type", "Apartment Number",
                "City", "State", "Zip Code"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Associations and clubs: ClubExpress (its bulk load template's columns are not in the stored copy), Memberful"
    " (the field list is below the part stored), Tendenci (a template download only), BannerView (rules, no"
    " names), Viadesk (the address card's fields, not listed)",
    "Campaigns and advocacy: ActionKit (only the first accepted headers, alphabetically, are stored), Action"
    " Network and VoterVoice (columns mapped by hand), SupporterBase and CampaignCTRL (no column restrictions)",
    "Unions: UnionConnect (roster columns named by the user)",
    "Alumni: 360Alumni and Marching Order / Tassel (already listed elsewhere), aumik (a mock-up)",
    "Nonprofits: Givebacks and GiveSmart (template downloads only), Beacon CRM (API records only)",
    "Political parties in Catalonia: the Generalitat's candidates' sheet ('sense capçaleres', no header row)",
]
