"""Headers of the fifty-ninth held-out set (tests/prep/corpus/fiftyninth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftythird_headers.py), nor in
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
    "brightmove_candidates": dict(
        source="BrightMove (staffing and recruiting ATS: the candidate mass-import spreadsheet)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Candidate XLS Template File' (support.brightmove.com/hc/en-us/articles/"
              "360044548112), its 'Available Import Fields' in this order: Last Name, First Name, Current Title,"
              " Current Company, Address 1, Address 2, City, State ('Abbreviations are acceptable'), Zip, Country"
              " Code ('US for United States'), Email, Work Email, Source, Phone, Fax, Home, Mobile phone, Other"
              " phone, Primary Skills; names as the article writes them. The template is a spreadsheet: here it is"
              " saved as 'CSV UTF-8' by Excel (',', a signature, CRLF)",
        header=["Last Name", "First Name", "Current Title", "Current Company", "Address 1", "Address 2", "City",
                "State", "Zip", "Country Code", "Email", "Work Email", "Source", "Phone", "Fax", "Home",
                "Mobile phone", "Other phone", "Primary Skills"]),
    "arcoro_applicants": dict(
        source="Arcoro (HR for construction firms: the applicant tracking's 'Applicants Import Layout')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Applicants Import Layout' (arcoro.zendesk.com/hc/en-us/articles/1260804537690,"
              " also support.arcoro.com as '... for Core HR'): 'Column Headers must be provided ... the order of the"
              " columns must match': First Name, Middle Name, Last Name ('If not supplied then default will be"
              " \"Unknown\"'), Street 1, Street 2, City, State ('valid state abbreviation'), Zip, Home Phone, Work"
              " Phone, Birth Date, Gender ('M', 'F', 'Male', or 'Female'), EEOC Ethnicity, Email, Work Status"
              " ('I am authorized to work in this country for any employer.' ...), Employee ID; the stored copy"
              " ends with Employee ID, so the list does. The date's form is not shown: M/D/YYYY taken; UTF-8"
              " without a signature and CRLF taken",
        header=["First Name", "Middle Name", "Last Name", "Street 1", "Street 2", "City", "State", "Zip",
                "Home Phone", "Work Phone", "Birth Date", "Gender", "EEOC Ethnicity", "Email", "Work Status",
                "Employee ID"]),
    "quickin_candidates": dict(
        source="Quickin (Brazilian recruiting ATS: candidates brought over from other platforms)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Learn how to process candidate data for import' (intercom.help/quickin/pt-BR/"
              "articles/10072636, in Spanish as 10072680): 'Basic Data' name, headline ('Job Title'), email,"
              " phones ('If the candidate has more than one phone number, separate them with \";\"'), summary,"
              " disability, disability_comment, gender, country ('BR, AR, US'), region ('State'), city,"
              " neighborhood, address, zipcode, salary, source ('URL only'), tags (';' between), birth_date"
              " ('yyyy-mm-dd'); 'Professional Experience' experiences.0.company, experiences.0.position,"
              " experiences.0.attributes, experiences.0.start_date, experiences.0.end_date,"
              " experiences.0.current_job ('0 (not working) or 1 (currently working)'). The 'Academic Background'"
              " columns after them are left out. Separator and encoding are not shown: ',' and UTF-8 without a"
              " signature, CRLF taken",
        header=["name", "headline", "email", "phones", "summary", "disability", "disability_comment", "gender",
                "country", "region", "city", "neighborhood", "address", "zipcode", "salary", "source", "tags",
                "birth_date", "experiences.0.company", "experiences.0.position", "experiences.0.attributes",
                "experiences.0.start_date", "experiences.0.end_date", "experiences.0.current_job"]),
    "applitrack_applicants": dict(
        source="AppliTrack (Frontline's applicant tracking for school districts: 'Download applicant data')",
        language="en", separator="\t", encoding="cp1252", documented_as="field list",
        where="the product's user docs 'Exporting Applicant Data' (www.applitrack.com/olaUserDocs/02.FAQs/"
              "Exporting_Applicant_Data_to_a_tab_delimited_file.htm), 'Default Applicant Fields in tab-delimited"
              " (.txt) format': a header record that 'Contains Column Headers' whose 'Last Field' is"
              " '**EndOfHeader**', then detail records: Applicant Number, Email Address, First Name, Middle"
              " Initial, Last Name, Other First Name, Other Middle Initial, Other Last Name, Address 1, Address 2,"
              " City, State, Zip, Area Code, 7 digit Phone; the stored copy breaks off at 'Perm Addre...', so the"
              " list ends with 7 digit Phone and the header with '**EndOfHeader**'. The detail records are taken"
              " to end with an empty field under it; code page 1252 (a US Windows desk) and CRLF taken",
        header=["Applicant Number", "Email Address", "First Name", "Middle Initial", "Last Name", "Other First Name",
                "Other Middle Initial", "Other Last Name", "Address 1", "Address 2", "City", "State", "Zip",
                "Area Code", "7 digit Phone", "**EndOfHeader**"]),
    "testpartnership_candidates": dict(
        source="Test Partnership (UK psychometric tests for recruitment: 'CSV Upload Candidates')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'CSV Upload Candidates' (testpartnership.zendesk.com/hc/en-us/articles/"
              "115001726413), its sample CSV's fields: ProjectId, Title ('not mandatory'), FirstName, LastName,"
              " Email ('the candidate invitation emails'), Username, PhoneNumber, BccEmail ('Email address you"
              " would like to BCC into the candidate invitation emails'), TimeFactor (TRUE for extra time),"
              " FactorPercentage; the stored copy's list ends with FactorPercentage, so the header does. UTF-8"
              " without a signature and CRLF taken",
        header=["ProjectId", "Title", "FirstName", "LastName", "Email", "Username", "PhoneNumber", "BccEmail",
                "TimeFactor", "FactorPercentage"]),
    "pobits_candidates": dict(
        source="the hiring platform whose help centre is pobits.zohodesk.com ('Importing Candidates')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the help article 'Importing Candidates' (pobits.zohodesk.com/portal/en/kb/articles/importing-"
              "candidates): 'Your column headers must use the same case as shown and do not include the << >>"
              " symbols': Candidate.LastName, Candidate.FirstName, Candidate.MiddleName, Candidate.DateOfBirth"
              " ('MM/DD/YYYY format'), Candidate.EmailAddress, Candidate.SSN ('###-##-#### format'),"
              " Candidate.Ethnicity ('from the available selections'); the stored copy breaks off there, so the"
              " list ends with Candidate.Ethnicity. 'You can import as few as needed'. UTF-8 without a signature"
              " and CRLF taken",
        header=["Candidate.LastName", "Candidate.FirstName", "Candidate.MiddleName", "Candidate.DateOfBirth",
                "Candidate.EmailAddress", "Candidate.SSN", "Candidate.Ethnicity"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: Freshteam (only the mandatory fields named), Recruitee and Inrecruiting (the template is a"
    " download), Hireflix, Recruit CRM and Traffit (columns mapped at import), DASATS / HireOnTheGo /"
    " PrismHR Hire (the one address column's parts not clear), Fountain (only the least columns named),"
    " Evalart (three columns without a header row)",
    "German: the Heroes / telum applicant manager (e-mail applications only), BAconn's ProSoft import (the"
    " columns named only in part, and in English)",
    "Czech and Slovak: Pinya HR, Profesia (import and export described, no columns)",
]
