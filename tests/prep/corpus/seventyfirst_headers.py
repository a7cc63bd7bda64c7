"""Headers of the seventy-first held-out set (tests/prep/corpus/seventyfirst):
spreadsheets and templates people keep their lists in (a conference app's
attendee sheet, a Rotary club's recipient list, a cycling club's member
template, two guest lists of event and wedding tools, a Polish government
school form). None of these sources is in headers.py nor in any of the later
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
    "conbop_attendees": dict(
        source="Conbop (event app: the attendees' bulk import spreadsheet)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Bulk import' for attendees (docs.conbop.com/CMS/Attendees/bulkImport), its"
              " 'Spreadsheet template' table: Title ('The title for the attendee DR, CEO, MD'), First_Name,"
              " Last_Name, Email, Phone, Company, Description (the bio, text or HTML), Attendee_Only, Groups ('a"
              " comma deliminated list'), Links ('JSON Object': icon, color and url), SpeakerID and AttendeeID"
              " ('String in brackets'), Is_Speaker ('Yes/No'); the stored copy breaks off in Is_Speaker's"
              " description, so the list ends there. The template is a spreadsheet: saved as 'CSV UTF-8' by"
              " Excel (',', a signature, CRLF) taken",
        header=["Title", "First_Name", "Last_Name", "Email", "Phone", "Company", "Description", "Attendee_Only",
                "Groups", "Links", "SpeakerID", "AttendeeID", "Is_Speaker"]),
    "polaris_empfaenger": dict(
        source="Rotary Polaris (club management of Rotary clubs in Switzerland, Liechtenstein and other districts:"
               " e-mail addresses for a custom recipient group)", language="de", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the Polaris team's article on importing e-mail addresses into custom recipient groups"
              " (team.polaris.rotary.ch/de/content/various/show/21618): the first line is a header and is skipped,"
              " 'die RI-ID in der ersten Spalte', and for people not in Polaris 'eine Datei mit den Spalten:"
              " Vorname, Nachname, Anrede, Sprache und Mail' with the RI-ID left empty; a missing language code"
              " takes the club's. The template itself is an Excel workbook; the club's sheet is kept here as a"
              " Swiss German Excel saves it as 'CSV UTF-8' (';', a signature, CRLF)",
        header=["RI-ID", "Vorname", "Nachname", "Anrede", "Sprache", "Mail"]),
    "cyql_members": dict(
        source="Cyql (cycling club app: inviting club members from its CSV template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's Danish help article on importing and exporting club members: the template 'indeholder"
              " tre kolonner': 'Fornavn (firstname)', 'Efternavn (lastname)', 'E-mailadresse (email)', filled in"
              " Excel or Google Sheets and saved as CSV; 'data adskilles med kommaer'. Downloaded from Google"
              " Sheets: UTF-8 without a signature, cells quoted only where needed, CRLF taken",
        header=["firstname", "lastname", "email"]),
    "dreamplan_guests": dict(
        source="DreamPlan (wedding and event planner: importing guests from CSV)", language="en", separator=",",
        encoding="utf-8", documented_as="header row",
        where="the app's 'Guest Management Guide' (docs.dreamplan.sagargandecha.dev/events/guests), 'CSV Format':"
              " the row 'name,email,phone,dietary,notes' and rows like '\"Jane Smith\",\"jane@example.com\",\"+44"
              " 7700 900000\",\"Vegetarian\",\"Table 3\"': every value quoted, the header not; 'name' the guest's"
              " full name and the only required column; UTF-8 and CRLF taken",
        header=["name", "email", "phone", "dietary", "notes"]),
    "youareinvited_guests": dict(
        source="You Are Invited (event invitations and check-in: the guest import template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's 'CSV Import Guide' (www.youare-invited.com/csv-import-guide): 'one guest per row',"
              " 'Fill the columns exactly as name, seat_number, and tag', not 'seat or category', and no change of"
              " the columns' names or order; UTF-8 without a signature and CRLF taken",
        header=["name", "seat_number", "tag"]),
    "sio_nauczyciele": dict(
        source="SIO, System Informacji Oświatowej (Polish education information system, module NAUCZYCIEL: a"
               " school's teachers for the import of their identifying data)", language="pl", separator=";",
        encoding="utf-8", documented_as="field list",
        where="the ministry's SIO help 'Szkoła – Nauczyciel – Tworzenie pliku do importu danych identyfikacyjnych'"
              " (pomocsio.men.gov.pl/?p=3255): ';' between values, UTF-8, the first row the columns' names"
              " 'imię, nazwisko, PESEL'; a teacher without PESEL is 'Imię', 'Nazwisko', 'Pusta kolumna', 'Data"
              " urodzenia w formacie (RRRR-MM-DD)', a fourth column the page gives no name. The file is made in"
              " Excel and saved as CSV; CRLF taken",
        header=["imię", "nazwisko", "PESEL"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Guest lists: LibreWeddingPlanner, Halito and Owner.com's guest import (columns mapped by hand), BigDayHQ"
    " (only kinds of columns described), PerfectTablePlan (a guest's properties, mapped at import), Aisle and"
    " SocialLoop (tools' descriptions, no file's columns)",
    "Conferences: Swapcard (the sheet's columns named by letter only), Converia (a few mandatory columns named,"
    " the template not stored), Adobe Connect's attendee list and Peoplix (files without a header row)",
    "Clubs: Fairgate (the values' formats, not the template's columns), mote.ax (no header row), Sportmeo (the"
    " columns in a demo file only)",
    "Czech and Slovak: Saal Digital's photo jobs (the participants' table on screen, not the file's columns),"
    " EduPage's olympiad import (the data named, no columns)",
]
