"""Fifty-ninth held-out set: recruiting tools' candidate files (a staffing
agency's ATS, a builder's applicant tracking, a Brazilian recruiting ATS, a
school district's applicant tracking, an online test platform and a hiring
platform's paperwork). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fiftyninth_headers import SOURCES
from fiftyninth_people import (APPLITRACK59, ARCORO59, BRIGHTMOVE59, POBITS59, QUICKIN59,
                               TESTPARTNERSHIP59)


def us_date(text):
    """'3/14/1986' or '04/07/1991' (month first) as (1986, 3, 14)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def brightmove_candidates():
    """A Chicago staffing agency's candidates for BrightMove's mass import,
    saved as 'CSV UTF-8' by Excel: the current title and employer for most,
    a unit or floor in 'Address 2', a ZIP+4 and a New Jersey ZIP with its
    leading zero, a Czech and a Hungarian candidate abroad with their
    country codes, a second mailbox at work for some, phones in five
    columns (a Czech number among 'Other phone'), skills joined by commas;
    Polish, Czech and Hungarian names with their letters."""
    s = SOURCES["brightmove_candidates"]
    rows, want = [s["header"]], []
    for row in BRIGHTMOVE59:
        (family, given, title, firm, street, _, city, state, code, country, mail, work_mail, _, phone, fax, home,
         mobile, other, _) = row
        rows.append(list(row))
        # Each row is a candidate: 'First Name' and 'Last Name'; 'Current Title' the job title and 'Current
        # Company' the organisation, the candidate's present ones. 'Email' and 'Work Email' are both the
        # candidate's mailboxes. 'Home' is HOME, 'Mobile phone' CELL, 'Fax' the fax; 'Phone' and 'Other phone'
        # name no kind. 'Address 1' the street with 'Address 2' after it or apart, then City, State (the
        # region), Zip and 'Country Code' as written, untyped. Source and skills are the agency's own.
        tels = [(kind, number) for kind, number in ((ANY, phone), ("FAX", fax), ("HOME", home), ("CELL", mobile),
                                                     (ANY, other)) if number]
        p = person(given, family, org=firm, job=title, emails=[m for m in (mail, work_mail) if m])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="brightmove_candidates", rows=rows, want=want, bom=True)


def arcoro_applicants():
    """A Pittsburgh builder's applicants for Arcoro's applicant import:
    middle names (some an initial, most empty), home and work phones in
    their own columns, birth dates month first without leading zeros,
    'M'/'Male' and 'F'/'Female', EEOC ethnicity for some, the work status
    as the long sentences the layout demands, an employee id for internal
    applicants; one job-fair applicant with nothing but a given name, a
    phone and a mailbox, one without a mailbox; Slovak, Polish, Hungarian
    and Czech applicants among them."""
    s = SOURCES["arcoro_applicants"]
    rows, want = [s["header"]], []
    for row in ARCORO59:
        (given, _, family, street, _, city, state, code, home, work, born, _, _, mail, _, _) = row
        rows.append(list(row))
        # Each row is an applicant: 'First Name' and 'Last Name' (an empty last name stays empty: the layout's
        # 'Unknown' is the import's stand-in, not the person's name); 'Middle Name' may be the card's middle
        # name. 'Home Phone' is HOME and 'Work Phone' WORK; 'Email' the mailbox; 'Birth Date' the birthday,
        # month first. 'Street 1' with 'Street 2' after it or apart, City, State and Zip the untyped address,
        # no country. Gender, ethnicity, work status and employee id are nobody's on a card.
        tels = [(kind, number) for kind, number in (("HOME", home), ("WORK", work)) if number]
        p = person(given, family, emails=[mail] if mail else [], birthday=us_date(born) if born else None)
        adrs = [(None, street, city, state, code, "")] if street else []
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(born)))
    return dict(source="arcoro_applicants", rows=rows, want=want)


def quickin_candidates():
    """A São Paulo recruiting agency's candidate pool for Quickin's import:
    whole names in one cell (a double given name among them), several
    phones joined by ';' in 'phones', the neighbourhood apart from the
    street, streets with commas (quoted), ISO birth dates, a disability and
    its comment, salaries, job-board addresses as the source, tags joined by
    ';', the last job's block with 'current_job' 1 or 0 (two without any
    job); Czech, Hungarian and Polish candidates living abroad."""
    s = SOURCES["quickin_candidates"]
    rows, want = [s["header"]], []
    for row in QUICKIN59:
        (name, headline, mail, phones, _, _, _, _, country, region, city, _, street, code, _, _, _, born,
         company, _, _, _, _, current) = row
        rows.append(list(row))
        # Each row is a candidate: 'name' the whole name, given name first, the last word the family name.
        # 'headline' is the candidate's job title. The experience block is the CV's last job: its company is
        # the card's organisation only while 'current_job' is 1; a past employer is history, and its position
        # and dates are nobody's. Each number in 'phones' is a phone of no kind. 'address' the street (the
        # neighbourhood after it or apart), then city, region (the state), zipcode and country as written,
        # untyped. 'birth_date' the birthday. Salary, source, tags and the disability are the agency's own.
        given, family = name.rsplit(" ", 1)
        p = person(given, family, org=company if current == "1" else "", job=headline, emails=[mail],
                   birthday=tuple(int(x) for x in born.split("-")))
        tels = [(ANY, number) for number in phones.split(";") if number]
        want.append(card(p, tels=tels, adrs=[(None, street, city, region, code, country)], birthday=True))
    return dict(source="quickin_candidates", rows=rows, want=want)


def applitrack_applicants():
    """A Pennsylvania school district's teaching applicants downloaded from
    AppliTrack as tab-delimited text in code page 1252: a header record
    ending with '**EndOfHeader**' over detail records ending with an empty
    field, applicant numbers, middle initials, earlier names in the 'Other'
    columns (a maiden name, a short given name), the phone's area code apart
    from its seven digits, one applicant without a phone; Slovak, Czech and
    Hungarian names with the letters the code page has."""
    s = SOURCES["applitrack_applicants"]
    rows, want = [s["header"]], []
    for row in APPLITRACK59:
        (_, mail, given, _, family, _, _, _, street, _, city, state, code, area, number) = row
        rows.append(list(row) + [""])
        # Each record is an applicant: 'First Name' and 'Last Name', 'Middle Initial' the card's middle name
        # at most. The 'Other' names are names the applicant went by before (a maiden name, a short form):
        # not the card's names. 'Area Code' and '7 digit Phone' together are one phone ('610 555-0143') of no
        # kind. 'Address 1' with 'Address 2' after it or apart, City, State and Zip the untyped address, no
        # country. '**EndOfHeader**' closes the header and names no column of data; the applicant number is
        # the district's own.
        tels = [(ANY, f"{area} {number}")] if number else []
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, "")]))
    return dict(source="applitrack_applicants", rows=rows, want=want)


def testpartnership_candidates():
    """A Manchester engineering firm's graduate and apprentice candidates
    for Test Partnership's CSV upload: two project ids, honorifics in
    'Title' (two empty), a few user names, UK mobiles and landlines, Polish
    and Czech numbers, one candidate without a phone, the recruiting team's
    address in 'BccEmail' on every row, TRUE/FALSE extra time and its
    percentage for some; Polish, Czech, Hungarian and Romanian students."""
    s = SOURCES["testpartnership_candidates"]
    rows, want = [s["header"]], []
    for row in TESTPARTNERSHIP59:
        (_, title, given, family, mail, _, phone, _, _, _) = row
        rows.append(list(row))
        # Each row is a candidate: 'FirstName' and 'LastName', 'Title' the name's prefix; 'Email' the
        # candidate's mailbox. 'BccEmail' is the recruiter's copy, another person's mailbox: never the
        # candidate's. 'PhoneNumber' names no kind. Project, user name and extra time are the test's own.
        p = person(given, family, prefix=title, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="testpartnership_candidates", rows=rows, want=want)


def pobits_candidates():
    """A Houston security firm's candidates for its hiring platform's
    import: 'Candidate.'-prefixed column names, middle names for most,
    birth dates month first with leading zeros ('04/07/1991'), social
    security numbers with dashes, ethnicity for some, one candidate without
    a mailbox; Polish, Czech and Hungarian names with their letters."""
    s = SOURCES["pobits_candidates"]
    rows, want = [s["header"]], []
    for row in POBITS59:
        (family, given, _, born, mail, _, _) = row
        rows.append(list(row))
        # Each row is a candidate: 'Candidate.FirstName' and 'Candidate.LastName', 'Candidate.MiddleName' the
        # card's middle name at most; 'Candidate.EmailAddress' the mailbox; 'Candidate.DateOfBirth' the
        # birthday, month first. The social security number is no phone nor anything else on a card, and the
        # ethnicity nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=us_date(born))
        want.append(card(p, birthday=True))
    return dict(source="pobits_candidates", rows=rows, want=want)
