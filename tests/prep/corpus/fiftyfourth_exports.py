"""Fifty-fourth held-out set: event registration, conference, webinar and
meeting tools (a Polish event app's participant file, a Montreal conference
planner's people, a conference-call service's participants, an association
conference site's registrants, a convention's voting attendees and a webinar
platform's guest list). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fiftyfourth_headers import SOURCES
from fiftyfourth_people import (DIGITALSAMBA54, GRENADINE54, HIGHERLOGIC54, MEETINGAPP54, MEETINGPULSE54,
                                ZIPDX54)


def meetingapp_users():
    """A Poznań urban logistics congress's participants for Meeting
    Application: Polish, Czech, Slovak, German and Hungarian speakers,
    exhibitors' staff (two of one stand), attendees, an organiser without a
    ticket, biographies with commas, countries in Polish ('Czechy',
    'Niemcy'), one without a country nor a phone, photos, uuids, ticket
    numbers, exhibitor ids, and invoice details for some, twice for another
    firm than the participant's own."""
    s = SOURCES["meetingapp_users"]
    rows, want = [s["header"]], []
    for row in MEETINGAPP54:
        assert len(row) == len(s["header"]), row
        given, family, mail, position, company, country, _, phone = row[:8]
        rows.append(list(row))
        # Each row is a participant: 'first_name' and 'last_name'; 'position' the job title, 'company' the
        # organisation; 'email' the mailbox; 'phone_number' names no kind. 'country' is the participant's and
        # makes an address of the country alone, as written. The invoice's firm, tax number and address are
        # whoever pays, often another firm than the participant's: no part of the card. Biography, groups,
        # tags, photo, ids and tickets are the event's own.
        p = person(given, family, org=company, job=position, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, "", "", "", "", country)] if country else []))
    return dict(source="meetingapp_users", rows=rows, want=want)


def grenadine_people():
    """A Montreal urban mobility conference's people for Grenadine: Quebec
    names with hyphens and accents, Czech, Polish, Hungarian and German
    speakers and exhibitors, prefixes ('Dr.', 'Mme', 'M.', 'Ing.', 'Mgr.')
    and suffixes ('Ph.D.', 'Jr.') apart, the building and the office in
    'line2', province codes, foreign addresses without a state, phones in
    three forms, one without a phone, a student without a firm nor an
    address, registration numbers, types and the ticketing system's ids."""
    s = SOURCES["grenadine_people"]
    rows, want = [s["header"]], []
    for row in GRENADINE54:
        (prefix, given, family, suffix, job, company, line1, _, city, code, state, country, phone, mail) = row[:14]
        rows.append(list(row))
        # Each row is a person: 'first_name' and 'last_name', FN the two; 'prefix' and 'suffix' the name's
        # prefix and suffix, never part of the given or family name. 'job_title' the title, 'company' the
        # organisation; 'email' the mailbox; 'phone' names no kind. 'line1' the street, 'line2' its second
        # line, 'state' the region, 'country' as written; the address names no kind. Registration number, type
        # and the other system's id are the conference's own.
        p = person(given, family, prefix, suffix, org=company, job=job, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, line1, city, state, code, country)] if line1 or city or country else []))
    return dict(source="grenadine_people", rows=rows, want=want)


def zipdx_participants():
    """A Chicago rail freight association's conference-call participants for
    ZipDX: US, Czech, Polish, Hungarian, German and Croatian railway people,
    ISO language codes and time zones, two organizers with the account's id,
    the admin's mailbox on the others' rows, numbers in E.164 form, up to
    three phones each with extensions on some, TRUE/FALSE flags, one spam
    trap flag, one participant without a company."""
    s = SOURCES["zipdx_participants"]
    rows, want = [s["header"]], []
    for row in ZIPDX54:
        mail, given, family, company = row[:4]
        rows.append(list(row))
        # Each row is a participant: 'First Name' and 'Last Name', 'Company' the organisation, 'Email' the
        # mailbox. 'Admin User Email' is the mailbox of the one who manages the row, another person's: no part
        # of this card. Phone1, Phone2 and Phone3 name no kind; an extension beside a number belongs to it and
        # is kept after it ('+420972242111 x2418'). Language, time zone, password, organizer account and the
        # call flags are the service's own.
        tels = []
        for k in (10, 14, 18):
            number, extension = row[k], row[k + 1]
            if number:
                tels.append((ANY, f"{number} x{extension}" if extension else number))
        p = person(given, family, org=company, emails=[mail])
        want.append(card(p, tels=tels))
    return dict(source="zipdx_participants", rows=rows, want=want)


def higherlogic_registrants():
    """A water utilities association's conference registrants for Higher
    Logic Event Engagement: keys of letters and digits, staff of the
    association itself, US utilities and a vendor, Slovak, Czech, Polish and
    Austrian utilities' people with their firms' full names, one registrant
    without a company."""
    s = SOURCES["higherlogic_registrants"]
    rows, want = [s["header"]], []
    for key, given, family, mail, company in HIGHERLOGIC54:
        rows.append([key, given, family, mail, company])
        # Each row is a registrant: 'FirstName' and 'LastName', 'EmailAddress' the mailbox, 'CompanyName' the
        # organisation. The key is the association's own.
        want.append(card(person(given, family, org=company, emails=[mail])))
    return dict(source="higherlogic_registrants", rows=rows, want=want)


def meetingpulse_attendees():
    """A Czech and Slovak benefit society's convention attendees for
    MeetingPulse's weighted voting: five-digit access codes, Slovak-American
    names, a given name of two words ('Mary Ann'), guests from Brno and
    Prešov, two without a mailbox, vote weights 0 to 2, the lodge in
    'Department' and the convention role in 'Role'."""
    s = SOURCES["meetingpulse_attendees"]
    rows, want = [s["header"]], []
    for code, given, family, mail, weight, lodge, role in MEETINGPULSE54:
        rows.append([code, given, family, mail, weight, lodge, role])
        # Each row is an attendee: 'FirstName' and 'LastName', 'Email' the mailbox where given. 'Department'
        # holds the lodge and 'Role' the part at the convention (delegate, guest): custom fields of the
        # meeting, neither an organisation nor a job title. Code and vote weight are the meeting's own.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="meetingpulse_attendees", rows=rows, want=want)


def digitalsamba_guests():
    """A Barcelona chamber of commerce's webinar guests for Digital Samba:
    Spanish and Catalan names with both family names in 'last_name' ('García
    López', 'Puig i Serra', 'de la Fuente Martín'), Czech, Polish and
    Hungarian guests, roles as numbers (1 speaker, 2 audience, 3 custom)."""
    s = SOURCES["digitalsamba_guests"]
    rows, want = [s["header"]], []
    for given, family, mail, role in DIGITALSAMBA54:
        rows.append([given, family, mail, role])
        # Each row is a guest: 'first_name' the given name, 'last_name' the whole family name, both Spanish
        # family names and the particles with them; 'email' the mailbox. The role's number is the webinar's.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="digitalsamba_guests", rows=rows, want=want)
