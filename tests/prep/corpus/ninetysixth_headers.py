"""Headers of the ninety-sixth held-out set (tests/prep/corpus/ninetysixth):
none of these sources is in headers.py nor in any of the later
*_headers.py files, nor in layouts_test.py, nor in their NOT_FOUND lists.
All are files of people who back a cause: a volunteer platform's import, two
campaigns' text and call lists, a volunteer texting tool's agents, a school's
service-hours roster and a charity's Gift Aid donors. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "point_volunteers": dict(
        source="POINT (volunteer platform for nonprofits: 'Contact data import', the volunteer database)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Build Your Report: The Data Construction Set (Import Guide)' (support.pointapp.org/"
              "knowledge/contact-data-import): '1. Contact Personal Information': firstName, lastName, email"
              " ('Critical Field. This is the unique identifier'), birthdate ('YYYY-MM-DD'), gender ('Male, Female,"
              " Non-Binary'), bio, tShirtSize, dietaryRestrictionsAllergies, languageSkills ('2-letter ... codes',"
              " several 'separate them with a comma'), notes, phone ('Any valid phone number format'); '2. Address"
              " Details': addressLine1 ('Street number and name'), addressLine2 ('Apartment, Suite, Floor'), city,"
              " state ('2-letter code'), zipCode, and 'Can't separate the address? You can paste the full address"
              " into one column'. The hours columns further down the page are not taken. CSV or Excel; UTF-8"
              " without a signature and CRLF taken",
        header=["firstName", "lastName", "email", "birthdate", "gender", "bio", "tShirtSize",
                "dietaryRestrictionsAllergies", "languageSkills", "notes", "phone", "addressLine1", "addressLine2",
                "city", "state", "zipCode"]),
    "spoke_contacts": dict(
        source="Spoke Rewired (peer-to-peer texting for campaigns: 'Upload a Contact List')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Upload a Contact List' (docs.spokerewired.com/article/64-contact-lists): 'a comma"
              " separated values (CSV) file with the following column headings in the first row': firstName"
              " (Required), lastName (Required), cell (Required, 'Cell number of your contacts'), zip (Recommended,"
              " 'used to estimate your contact's timezone'), external_id (Recommended, 'often made up of VAN IDs');"
              " 'additional custom fields' may follow, the page's own example being {polling_location}, taken as"
              " the one custom column; names are capitalised 'for all values other than common placeholders for"
              " unknown names: \"friend\" and \"there\"'. UTF-8 without a signature and CRLF taken",
        header=["firstName", "lastName", "cell", "zip", "external_id", "polling_location"]),
    "getthru_group": dict(
        source="GetThru (ThruText and ThruTalk, texting and calling for campaigns: 'Uploading a Group')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's help 'Uploading a Group' (help.getthru.io/support/solutions/articles/44001060210):"
              " 'Include a header row: Put your column names in the first row (for example, first_name, last_name,"
              " phone)', the three 'Required Fields: first name, last name, and phone number', 'a placeholder word"
              " such as \"friend\"' for a missing first name; and 'Standard fields' (…/44001060211): 'add a column"
              " called last name and enter some value (e.g., Null)'. The page's example row is the header; custom"
              " fields are mapped by hand, so none is taken. UTF-8 without a signature and CRLF taken",
        header=["first_name", "last_name", "phone"]),
    "hustle_agents": dict(
        source="Hustle (peer-to-peer texting for organisers: agents, the volunteer texters, added 'via a CSV file')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'How do I add agents to Hustle?' (help.hustle.com/hc/en-us/articles/360006155514):"
              " 'Admins can add agents to their group in bulk using a CSV file with the agents: Full name: The name"
              " that admins will use to identify agents ... Preferred name: The name that will be replace the <agent"
              " name> variable in scripts ... Email: The email address that is associated with the Hustle account';"
              " the columns are then matched in a drop-down, so the names are as the page writes them. Another"
              " stored version of the page has 'Phone number' where this one has 'Email'; this one is taken. UTF-8"
              " without a signature and CRLF taken",
        header=["Full name", "Preferred name", "Email"]),
    "mobileserve_users": dict(
        source="MobileServe (service-hours tracking for schools and nonprofits: 'Admin: User Import')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Admin: User Import' (intercom.help/mobileserve/en/articles/4211587-admin-user-"
              "import): 'The import file must have column headers that match exactly for email, first_name, last_name"
              " and org_codes', several codes for one user 'separated by a comma', 'additional columns for"
              " is_org_admin (values must be TRUE or FALSE) and dob (in MM-DD-YYYY format)'; 'Make sure email"
              " addresses in the file are entirely lowercase'. UTF-8 without a signature and CRLF taken",
        header=["email", "first_name", "last_name", "org_codes", "is_org_admin", "dob"]),
    "giftaid_schedule": dict(
        source="HMRC Charities Online (a UK charity's Gift Aid donation schedule spreadsheet, its donors)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="HM Revenue & Customs' guidance 'How to complete the Gift Aid donation schedule spreadsheet'"
              " (hmrc.gov.uk/charities/online/giftaid-spreadsheet.htm) and its successor 'Schedule spreadsheet to"
              " claim back tax on Gift Aid donations' (gov.uk/guidance/schedule-spreadsheet-to-claim-back-tax-on-gift-aid-"
              "donations): Title ('maximum of 4 characters', 'Prof',"
              " 'Rev'), First name ('first initial is acceptable'), Last name ('If the last name is double-barreled,"
              " use a space instead of the hyphen'), House name or number, Postcode ('capital letters and include a"
              " space'), Aggregated donations ('a simple description like \"Thursday club donors\"', no donor's name"
              " on that line), Sponsored event, Donation date ('DD/MM/YY', the latest of a donor's series), Amount"
              " ('without using £ signs', '200.00'); the names as the guidance writes them. The schedule is an"
              " OpenDocument sheet: the rows saved as 'CSV UTF-8' by Excel (',', a signature, CRLF) taken",
        header=["Title", "First name", "Last name", "House name or number", "Postcode", "Aggregated donations",
                "Sponsored event", "Donation date", "Amount"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Petitions: Change.org, openPetition and petities.nl (signature lists described, no export columns),"
    " Citizen Builder's petition export for Convention of States (only its first five columns named), Cambridge"
    " Open Systems / e-voice petitions (downloads described, no columns)",
    "Advocacy and supporter CRMs: Engaging Networks (fields matched to the account's data structure; the"
    " file-preparation article's columns are in an attachment), Salsa Engage (matched by hand), Salsa CRM (its"
    " Column Definitions table is not in the stored copy), CQRC Engage (the stored copy breaks off after prefix and"
    " firstName), Solidarity Tech, Ecanvasser, VoterVoice and Qomon (matched by hand or a template download),"
    " Stoked (brand advocates, not a cause's supporters)",
    "Campaign data: a state party's MyVoters bulk upload (VAN ID, date, phone and result, no names: not a contact"
    " list), UpVote and CampaignSidekick (mapped by hand), Mobilize (no import or export columns stored)",
    "Participation and signature collection: Decidim (private participants' CSV named only as names and mails),"
    " the Polish citizens' initiative support list and Slovak and Czech petition and referendum sheets (paper"
    " forms prescribed by law, no file), Piratenpartei's PRM (no column list), Proca (a command-line tool, no"
    " documented file)",
    "Already listed elsewhere: RumbleUp (seventh_headers.py), OpenSlides (fiftyfourth_headers.py), ActionKit,"
    " Action Network and Organizer Canvassing (seventieth_headers.py), Galaxy Digital and Vome (fortieth_headers.py)",
]
