"""Fifteenth held-out set, the English part: an open CRM's contacts, an
energy certificate registry's account contacts, a CRM hub's contacts and an
outsourcing firm's sales CRM report. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fifteenth_headers import SOURCES
from fifteenth_people import ATOMIC15, HUB15, MRETS15, SALES15


def given_first(name):
    """'Karen Lindqvist' as ('Karen', 'Lindqvist'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def atomic_crm_contacts():
    """An agency's Atomic CRM contacts across Central Europe and beyond:
    gender, job title, background notes with commas and quotes (quoted),
    ISO times, newsletter flags, statuses, tags joined by ',' in one cell,
    LinkedIn links for some, work, home and other mailboxes and phones, a
    freelancer without a company or a work mailbox; LF."""
    s = SOURCES["atomic_crm_contacts"]
    rows, want = [s["header"]], []
    for row in ATOMIC15:
        (given, family, _, title, _, _, _, _, _, _, _, company, mail_work, mail_home, mail_other, phone_work,
         phone_home, phone_other) = row
        rows.append(list(row))
        # 'title' is the job title, 'company' the organisation; each mailbox is one of the card's; 'phone_work' is
        # WORK, 'phone_home' HOME, 'phone_other' names no kind; gender, background, times, flags, status, tags and
        # the LinkedIn link are nobody's.
        emails = [m for m in (mail_work, mail_home, mail_other) if m]
        tels = [(t, n) for t, n in (("WORK", phone_work), ("HOME", phone_home), (ANY, phone_other)) if n]
        want.append(card(person(given, family, org=company, job=title, emails=emails), tels=tels))
    return dict(source="atomic_crm_contacts", rows=rows, want=want, line_end="\n")


def mrets_contacts():
    """Account contacts of M-RETS: one whole name per contact (one with an
    apostrophe, four with letters beyond ASCII), titles with a comma
    (quoted), US numbers as '(612) 555-0147', faxes for four, the
    organisation's web site for five, suites and floors as a second line,
    states and provinces as codes, US and Canadian postal codes."""
    s = SOURCES["mrets_contacts"]
    rows, want = [s["header"]], []
    for name, title, mail, phone, fax, web, street, second, city, state, code, country in MRETS15:
        rows.append([name, title, mail, phone, fax, web, street, second, city, state, code, country])
        # FN is the name as written, its first word the given name; no organisation column; 'Phone' is a business
        # contact's, WORK or VOICE, 'Fax' FAX; the web site is the organisation's, no page of the contact's; the
        # second line is no part of the street; the state or province is the region, the country as written.
        given, family = given_first(name)
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("FAX", fax)) if n]
        want.append(card(person(given, family, job=title, emails=[mail]), fn=name, tels=tels,
                         adrs=[(None, street, city, state, code, country)]))
    return dict(source="mrets_contacts", rows=rows, want=want)


def crmhub_contacts():
    """A distributor's contacts from CRMHub: record ids, one whole name per
    contact, titles, the account, office numbers and mobiles (some missing),
    the mailing postal code alone, creation times."""
    s = SOURCES["crmhub_contacts"]
    rows, want = [s["header"]], []
    for number, name, title, account, phone, mobile, mail, code, created in HUB15:
        rows.append([number, name, title, account, phone, mobile, mail, code, created])
        # FN is the name as written, its first word the given name; 'Account_Name' is the organisation, 'Title' the
        # job title; 'Phone' is WORK or VOICE, 'Mobile' CELL; 'MailingZip' is an address with its postal code
        # alone; the id and time are nobody's.
        given, family = given_first(name)
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("CELL", mobile)) if n]
        want.append(card(person(given, family, org=account, job=title, emails=[mail]), fn=name, tels=tels,
                         adrs=[(None, "", "", "", code, "")]))
    return dict(source="crmhub_contacts", rows=rows, want=want)


def salescrm_contacts():
    """An outsourcing firm's client contacts from its sales CRM's report:
    companies across Europe, positions, Skype names, a social network and
    the profile's link, second (personal) mailboxes for four, office
    numbers (one missing), countries alone, sex in capitals, the main-contact
    flag, the salesperson's name, the lead's source, ISO birth dates for
    some."""
    s = SOURCES["salescrm_contacts"]
    rows, want = [s["header"]], []
    for (given, family, company, position, mail, skype, network, profile, phone, personal, country, sex, main,
         sales, source, born) in SALES15:
        rows.append([given, family, company, position, mail, skype, network, profile, phone, personal, country, sex,
                     main, sales, source, born])
        # 'company' is the organisation, 'position' the job title; 'email' and 'personalEmail' are both the
        # contact's; 'phone' is a business contact's, WORK or VOICE; the country alone is an address of the country
        # only; 'sales' is the firm's salesperson, nobody on the card; Skype, network, profile link, sex, flag and
        # source are nobody's; 'dateOfBirth' is the birthday.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, org=company, job=position, emails=[m for m in (mail, personal) if m],
                   birthday=birthday)
        want.append(card(p, tels=[("WORK|VOICE", phone)] if phone else [],
                         adrs=[(None, "", "", "", "", country)], birthday=bool(born)))
    return dict(source="salescrm_contacts", rows=rows, want=want)
