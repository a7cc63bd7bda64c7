"""Headers of the seventy-sixth held-out set (tests/prep/corpus/seventysixth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to seventyfifth_headers.py), nor in
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
    "clubspark_members": dict(
        source="ClubSpark (Tennis Australia's club platform: 'Memberships: How to import from an External File')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Tennis Australia's support article 'Memberships: How to import from an External File'"
              " (support.tennis.com.au/articles/memberships-how-to-import-from-an-external-file): 'a separate CSV"
              " file for each membership package', the fields Contact ID ('a unique number for each member'),"
              " First Name, Last Name, Date of Birth, Email Address, Start Date, Expiry Date, Package Cost ('e.g."
              " $150'), Amount Paid ('$0 if unpaid'), Postcode, and for junior and family packages Primary Contact"
              " ID, which links a child to the parent's own row ('Junior contacts don't require an email"
              " address'); its example puts Contact ID, Primary Contact ID, First Name, Last Name, Email Address"
              " first, so Primary Contact ID stands second here. The optional fields (gender, address, phone)"
              " are only described, so they are left out. The date's form is not shown: an Australian"
              " 'dd/mm/yyyy' taken; UTF-8 without a signature and CRLF taken",
        header=["Contact ID", "Primary Contact ID", "First Name", "Last Name", "Date of Birth", "Email Address",
                "Start Date", "Expiry Date", "Package Cost", "Amount Paid", "Postcode"]),
    "epegboard_roster": dict(
        source="ePegboard (club-night rotation and ratings app for racket clubs: 'Import your roster')",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's guide 'Import your roster' (docs.epegboard.com/how-to/import-your-roster/): 'A .csv"
              " file with a header row and one member per line', the columns Name ('The member's name'), Gender"
              " ('Male or Female (also accepts M, F, Man, Woman)'), Email and Phone ('Stored as-is'),"
              " MembershipType ('Full, Trial or Guest. Blank counts as Full'), Rating ('a number'), and the example"
              " 'Name,Gender,Email,Phone,MembershipType,Rating' with rows like 'Alice Adams,Female,...,07111"
              " 111111,Full,1500' and 'Bob Baker,Male,,,Trial,'; UTF-8 without a signature and CRLF taken",
        header=["Name", "Gender", "Email", "Phone", "MembershipType", "Rating"]),
    "hytek_rosters": dict(
        source="HY-TEK's MEET MANAGER for swimming (Active Network: File, Import, 'Rosters Only' from a CSV file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the program's user guide 'Import Rosters' (hytek.active.com/user_guides_html/swmm8/"
              "importrosters.htm), 'Importing rosters from a CSV file': 'The first row must contain the following"
              " headings': Swimming ID ('must be in the first column'), Athlete First Name, Athlete Middle Name"
              " (optional), Athlete Last Name, Athlete Gender, Athlete date of birth, Team name, Pref name"
              " (optional), 'one athlete per row'. The date's form is not shown: the US 'MM/DD/YYYY' taken;"
              " UTF-8 without a signature and CRLF taken",
        header=["Swimming ID", "Athlete First Name", "Athlete Middle Name", "Athlete Last Name", "Athlete Gender",
                "Athlete date of birth", "Team name", "Pref name"]),
    "wodguru_members": dict(
        source="WodGuru (Polish booking and membership system for CrossFit boxes and gyms: 'Data migration to"
               " WodGuru', the migration file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Data migration to WodGuru' (help.wod.guru/en/article/data-migration-to-wodguru-"
              "1smk30/) and the sheet it links (docs.google.com/spreadsheets/d/1iW_05JBAZGV9JylaUtZof-AW7Bssyw4kEq"
              "nqKpwLXG8): 'Decide which columns your file will consist of', 'Uwaga! Wszystkie nazwy kolumn muszą"
              " pozostać w języku angielskim': first_name and last_name, or first_last_name, or last_first_name"
              " ('Letters only, space as separator'), email, phone ('Only numbers, \"+\", \"-\" sign'), gender,"
              " pass_name, pass_expiration_date, sessions_left, sessions_used, card_code ('For scanner'),"
              " address_1, address_2, city, postal_code, birthday, country, note_some_text ('In notes you will see:"
              " some_text: row value'), vatId; the stored copy breaks off after vatId, so the list ends there. A"
              " box's file with last_first_name, one note column (note_kontuzja, the injury) and neither"
              " sessions_used nor the other name columns; the date's form is on the sheet's example card, which"
              " is not stored: 'YYYY-MM-DD' taken; ',' and UTF-8 without a signature (a Google sheet's CSV) and"
              " CRLF taken",
        header=["last_first_name", "email", "phone", "gender", "pass_name", "pass_expiration_date", "sessions_left",
                "card_code", "address_1", "address_2", "city", "postal_code", "birthday", "country", "note_kontuzja",
                "vatId"]),
    "judoshiai_meldungen": dict(
        source="JudoShiai Registration Generator (a judo tournament's entry lists for the JudoShiai program:"
               " 'Input A', the clubs' Meldungen*.csv)",
        language="de", separator=",", encoding="utf-8", documented_as="header row",
        where="the tool's wiki page 'Input A' (github.com/lusmdl/JudoShiaiRegistrationGenerator/wiki/Input-A):"
              " 'Die Input Datei wird von jedem Turnier-Teilnehmer-Verein als Meldungsliste eingereicht', 'die"
              " folgenden Spalten in dieser exakten Reihenfolge': Name ('Nachname des Kämpfers'), Vorname,"
              " Geburtsjahr ('Ganzzahl, 4 Ziffern'), Graduierung ('1k oder 2d'), Verein, Land ('ISO 3166-1"
              " Alpha-3 Code', 'GER'), Kategorie ('U18m-81'), Geschlecht ('m', 'w'), Kommentar, and the example"
              " 'Name,Vorname,Geburtsjahr,Graduierung,Verein,Land,Kategorie,Geschlecht,Kommentar'; UTF-8 without"
              " a signature and CRLF taken",
        header=["Name", "Vorname", "Geburtsjahr", "Graduierung", "Verein", "Land", "Kategorie", "Geschlecht",
                "Kommentar"]),
    "boxscore_athletes": dict(
        source="BoxScore Fitness (gym and coaching platform: 'Import Athlete List')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's blog guide 'Import Athlete List!' (boxscorefitness.com/blog/importAthleteList.html):"
              " 'Select a CSV file with the following columns': Email Address (Required), First Name (Required),"
              " Last Name (Required), Phone Number, Address Line 1, Address Line 2, City, State, Zip Code, Country,"
              " Membership Uid (Required), in this order; the sample file is a link, not stored. UTF-8 without a"
              " signature and CRLF taken",
        header=["Email Address", "First Name", "Last Name", "Phone Number", "Address Line 1", "Address Line 2",
                "City", "State", "Zip Code", "Country", "Membership Uid"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Gyms: GymOS (the member template is an attachment, its columns not in the stored copy), WodBoard and"
    " PerfectGym (migrations described, no column names), Trainzilla (columns mapped by hand)",
    "Clubs: Badminton Clubhouse (fields only described: 'Phone number', 'Address details'), ClubPal and Kolva"
    " (columns mapped by hand or by guess), MemberTracker (the sample is a picture), SportsEngine Motion (swim"
    " members' fields described, no names)",
    "Dance and music schools: DanceFlow (a list of recommended columns that leaves out the mailbox it requires),"
    " Clefora (columns mapped by hand)",
    "Swimming: Splash Meet Manager's entries file (swimrankings wiki: only part of its column list came back"
    " from the search)",
    "Czech, Polish and Hungarian clubs: the Czech judo union's central register (an NSA report, no columns shown),"
    " fitness-rezervace.cz and inrs.cz (terms only), Hungarian federations (nothing with columns stored)",
]
