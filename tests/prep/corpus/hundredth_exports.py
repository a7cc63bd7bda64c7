"""Hundredth held-out set: a real estate brokerage's books, an employee
intranet, a clinic's patient register, an access governance tool's staff
import, an enterprise mapping tool's people and a publisher's advertising CRM.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from hundredth_headers import SOURCES
from hundredth_people import ADORBIT100, KYDSO100, LYOSIS100, MANGOAPPS100, OCONECT100, SKYSLOPE100
from people import person


def short_us_date(text):
    """'03/14/76' as (1976, 3, 14): everyone in the directory is grown up, so a
    two-digit year is of the last century."""
    month, day, year = (int(x) for x in text.split("/"))
    return 1900 + year, month, day


def day_first_date(text):
    """'12/03/1946' as (1946, 3, 12); a month and year, or a year alone, is no
    birthday (None)."""
    parts = text.split("/")
    if len(parts) != 3:
        return None
    day, month, year = (int(x) for x in parts)
    return year, month, day


def skyslope_contacts():
    """A Denver brokerage's contacts for SkySlope Books: buyers and sellers,
    vendors whose display name is the firm (a title company, an inspector, a
    stager) and cooperating agents; 'Country Code' twice, the phone's ('+1',
    '+420', '+48', empty) and the address's ('US'); a telephone beside the
    coded number in three US shapes; street number, name and unit apart;
    internal keys, classes and payroll columns with a legal name and tax ids;
    Czech, Polish, Hungarian, Slovak and German customers."""
    s = SOURCES["skyslope_contacts"]
    rows, want = [s["header"]], []
    for row in SKYSLOPE100:
        (_, display, firm, given, family, preferred, mail, telephone, code, number, fax, _, house, street, _,
         city, state, postal, country) = row[:19]
        rows.append(list(row))
        # Each row is a contact: 'Display Name' is FN as written (for a vendor, the firm), 'First Name' and
        # 'Last Name' the person's name, 'Company Name' the organisation, 'Preferred Name' the nickname. The
        # phone's 'Country Code' and 'Phone Number' make one number, of no kind; 'Telephone' another, as
        # written; 'Fax Number' a fax. The street is its number and name, the unit after it; 'State' the
        # region, the second 'Country Code' the country, untyped. Keys, location, category, class and the
        # payroll columns (a legal name, a tax id) are nobody's.
        tels = [(ANY, telephone)] if telephone else []
        if number:
            tels.append((ANY, f"{code} {number}" if code else number))
        if fax:
            tels.append(("FAX", fax))
        adrs = [(None, f"{house} {street}", city, state, postal, country)] if street else []
        p = person(given, family, org=firm, emails=[mail], nickname=preferred)
        want.append(card(p, fn=display, tels=tels, adrs=adrs, nickname=True))
    return dict(source="skyslope_contacts", rows=rows, want=want)


def mangoapps_users():
    """A Chicago controls maker's intranet users with its Brno plant and CEE
    offices, for MangoApps: the whole name beside given and family name, two logins that
    are no mailbox ('jsvoboda'), birth dates 'MM/DD/YY' (one missing), the
    firm and its subsidiary as organisations, desk phones with their
    extensions, mobiles, managers' names, 'TRUE'/'FALSE', locales, offices,
    nicknames, profile text with commas and '&', employee ids, picture links."""
    s = SOURCES["mangoapps_users"]
    rows, want = [s["header"]], []
    for row in MANGOAPPS100:
        (name, given, family, login, born, job, org, phone, _, mobile, _, _, _, _, aka) = row[:15]
        rows.append(list(row))
        # Each row is a user: 'name' is FN as written, 'firstname' and 'lastname' the name, 'title' the job and
        # 'organization' the organisation. 'email/login' is the mailbox only where it is one; a bare login is
        # nobody's mailbox. 'dob' the birthday, month first. 'phone' names no kind, 'mobile' is a mobile; the
        # desk extension alone is no number anyone can dial. 'also known as' the nickname. The manager is
        # another person; flags, locale, office, education, experience, expertise, id, picture and gender
        # nobody's.
        tels = [(ANY, phone)] if phone else []
        if mobile:
            tels.append(("CELL", mobile))
        p = person(given, family, org=org, job=job, emails=[login] if "@" in login else [],
                   birthday=short_us_date(born) if born else None, nickname=aka)
        want.append(card(p, fn=name, tels=tels, birthday=True, nickname=True))
    return dict(source="mangoapps_users", rows=rows, want=want)


def lyosis_patients():
    """A Brussels geriatric oncology unit's patients for Lyosis, the file the
    server reads from its import folder: birth dates 'DD/MM/YYYY', one month
    and year, one year alone; a death date; ids; Dutch, French, Polish, Czech,
    Hungarian, Croatian and German patients; 'Boîte 5' and a floor as second
    lines; Belgian and foreign mobiles, home and work numbers; three without a
    mailbox; 'true'/'false'; a refusal's reason with a comma; each patient's
    GP with title, name, language and address, one patient without."""
    s = SOURCES["lyosis_patients"]
    rows, want = [s["header"]], []
    for row in LYOSIS100:
        (born, _, _, family, given, _, _, _, _, street, _, postal, city, country, mobile, home, work, mail) = row[:18]
        rows.append(list(row))
        # Each row is a patient: 'firstname' and 'lastname'; 'dateOfBirth' the birthday where it is a whole
        # date, day first (a month and year, or a year, is none). 'phoneMobile' a mobile, 'phoneHome' a home
        # phone, 'phoneWork' a work phone; 'email' the mailbox. 'addressLine1' the street, 'addressLine2' its
        # second line, then 'postCode', 'city' and 'country' as written, untyped. The death date makes the
        # card no less the patient's. The GP's columns are another person's; id, sex, language, race and the
        # assessment flags nobody's.
        tels = [(kind, n) for kind, n in (("CELL", mobile), ("HOME", home), ("WORK", work)) if n]
        birthday = day_first_date(born)
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=tels, adrs=[(None, street, city, "", postal, country)], birthday=True))
    return dict(source="lyosis_patients", rows=rows, want=want, line_end="\n")


def kydso_persons():
    """A Stuttgart machine builder's staff and two contractors for KYDSO's
    person import, every value quoted: ids ('MA4711', 'EXT0031'), office
    phones, mobiles and faxes in the international form, a shared fax, the
    form of address as '0' and '1', contractors without an office mailbox;
    Polish, Czech, Hungarian and Slovene names."""
    s = SOURCES["kydso_persons"]
    rows, want = [s["header"]], []
    for row in KYDSO100:
        _, family, given, phone, mail, mobile, fax, _ = row
        rows.append(list(row))
        # Each row is a person: 'FirstName' and 'LastName'; the office columns are work ones: 'OfficePhone' a
        # work phone, 'OfficeCellPhone' a mobile, 'OfficeFax' a fax, 'OfficeEmail' the mailbox. 'FormOfAddress'
        # is a code, no salutation to write; the id nobody's.
        tels = [(kind, n) for kind, n in (("WORK", phone), ("CELL", mobile), ("FAX", fax)) if n]
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=tels))
    return dict(source="kydso_persons", rows=rows, want=want, quote_all=True)


def oconect_people():
    """The people a consultancy mapped at a Vienna insurer for Oconect: the
    insurer's staff and suppliers' people, positions with a comma ('Underwriting
    Lead, Motor'), 'Internal'/'External'; Czech, Hungarian, Polish, Slovak and
    Slovene names among the Austrian ones."""
    s = SOURCES["oconect_people"]
    rows, want = [s["header"]], []
    for given, family, position, mail, kind in OCONECT100:
        rows.append([given, family, position, mail, kind])
        # Each row is a person: 'First Name' and 'Last Name'; 'Position' the job title; 'Email' the mailbox.
        # 'Type' says whose staff the person is, no organisation to name; nobody's.
        want.append(card(person(given, family, job=position, emails=[mail])))
    return dict(source="oconect_people", rows=rows, want=want)


def adorbit_contacts():
    """A Cleveland city magazine's advertisers' contacts for Ad Orbit: the
    company as an id ('1042'), a name or '0', the magazine's placeholder
    mailbox ('noemail@...') and placeholder name ('Advertising Contact')
    where none was known, phones as digits only, one missing; Polish, Czech,
    Slovene, Hungarian and Slovak names."""
    s = SOURCES["adorbit_contacts"]
    rows, want = [s["header"]], []
    for firm, mail, given, family, phone in ADORBIT100:
        rows.append([firm, mail, given, family, phone])
        # 'Company ID' is the organisation where it is a name; an id or '0' names none. The placeholders the
        # help prescribes are nobody's: 'noemail@' is no mailbox, 'Advertising Contact' no name, and a row whose
        # only name is the placeholder is the company alone. 'Primary Phone' names no kind.
        org = "" if firm.isdigit() else firm
        emails = [] if mail.startswith("noemail@") else [mail]
        tels = [(ANY, phone)] if phone else []
        if (given, family) == ("Advertising", "Contact"):
            p = person(org=org, emails=emails)
        else:
            p = person(given, family, org=org, emails=emails)
        want.append(card(p, tels=tels))
    return dict(source="adorbit_contacts", rows=rows, want=want)
