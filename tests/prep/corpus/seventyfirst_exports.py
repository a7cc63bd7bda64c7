"""Seventy-first held-out set: the lists people keep in spreadsheets and
templates: a conference app's attendee sheet, a Rotary club's recipient
list, a cycling club's member template, a wedding's and a gala's guest lists,
and a Polish school's teachers for the ministry's information system. Each
maker returns a dict as crm_exports.py's do."""
import json

from export_kit import ANY, card, csv_text
from people import person
from seventyfirst_headers import SOURCES
from seventyfirst_people import CONBOP71, CYQL71, DREAMPLAN71, POLARIS71, SIO71, YOUAREINVITED71

# Honorifics a conference sheet's 'Title' holds; anything else there is the attendee's position.
HONORIFICS = {"Dr", "Prof.", "Ing.", "Mgr."}


def links(url):
    """Conbop's 'Links' cell: a JSON list of one globe icon with its url."""
    return json.dumps([{"icon": "icon-globe", "color": "#009EDB", "url": url}], separators=(",", ":")) if url else ""


def conbop_attendees():
    """A Birmingham rail-industry conference's attendees for Conbop's bulk
    import, saved as 'CSV UTF-8' by Excel: 'Title' holding honorifics ('Dr',
    'Ing.') and once a position ('CEO'), a bio in HTML or with quotes and
    commas, groups joined by commas, links as JSON, bracketed speaker and
    attendee ids, 'Yes'/'No'; Czech, Polish, German, Hungarian, Slovak and
    Austrian attendees, one without a mailbox, one without a phone, a
    student without a company."""
    s = SOURCES["conbop_attendees"]
    rows, want = [s["header"]], []
    for (title, given, family, mail, phone, company, bio, note, groups, url, speaker, attendee,
         is_speaker) in CONBOP71:
        rows.append([title, given, family, mail, phone, company, bio, note, groups, links(url), speaker, attendee,
                     is_speaker])
        # Each row is an attendee: 'First_Name' and 'Last_Name'; 'Company' the organisation; 'Email' the mailbox;
        # 'Phone' names no kind. 'Title' is an honorific in front of the name, the name's prefix; a position
        # there ('CEO') is no honorific but the job title. The url inside 'Links' is the web page. Bio, notes,
        # groups, ids and the speaker flag are the event's own.
        prefix, job = (title, "") if title in HONORIFICS or not title else ("", title)
        p = person(given, family, prefix, org=company, job=job, emails=[mail] if mail else [], url=url)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], url=bool(url)))
    return dict(source="conbop_attendees", rows=rows, want=want, bom=True)


def polaris_empfaenger():
    """A Zurich Rotary club's guests for its charity evening, kept as
    Polaris's recipient sheet and saved as 'CSV UTF-8' by a Swiss Excel:
    RI-IDs for the Rotarians, none for the guests, salutations in German,
    French and Italian ('Herr', 'Monsieur', 'Signora') and one 'Dr.', language
    codes (some empty); Czech, Polish, Hungarian and Slovak guests from
    partner clubs."""
    s = SOURCES["polaris_empfaenger"]
    rows, want = [s["header"]], []
    for ri_id, given, family, salutation, language, mail in POLARIS71:
        rows.append([ri_id, given, family, salutation, language, mail])
        # Each row is a person: 'Vorname' and 'Nachname'; 'Mail' the mailbox. 'Anrede', a salutation or a
        # title, is the name's prefix. Where the RI-ID is given Polaris would take its own data, but the names
        # and mailbox on the row are still that member's. RI-ID and language are nobody's.
        want.append(card(person(given, family, salutation, emails=[mail])))
    return dict(source="polaris_empfaenger", rows=rows, want=want, bom=True)


def cyql_members():
    """An Odense cycling club's members in Cyql's three-column template,
    downloaded from Google Sheets: Danish letters (Æ, Ø), a double family
    name, a mailbox typed with capitals; Czech, Polish, German and Hungarian
    riders among them."""
    s = SOURCES["cyql_members"]
    rows, want = [s["header"]], []
    for given, family, mail in CYQL71:
        rows.append([given, family, mail])
        # 'firstname' and 'lastname' the member's names, 'email' the mailbox, as typed.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="cyql_members", rows=rows, want=want)


def dreamplan_guests():
    """A Kent wedding's guests for DreamPlan's CSV import, written as its
    guide shows (every value quoted, the header not): the whole name in one
    cell, a Czech bride's family, Polish, German, Hungarian and Irish friends,
    British, Czech, Irish and Polish phones, a guest without a mailbox, two
    without a phone, dietary needs, table numbers and roles in the notes."""
    s = SOURCES["dreamplan_guests"]
    rows, want = [s["header"]], []
    for name, mail, phone, dietary, notes in DREAMPLAN71:
        rows.append([name, mail, phone, dietary, notes])
        # 'name' is the guest's full name, given name then family name, and FN as written; 'email' the mailbox;
        # 'phone' names no kind. A role in the notes ('Best man', 'mother of the groom') is the wedding's, no job
        # title; table numbers are no phones; dietary needs nobody's.
        given, family = name.rsplit(" ", 1)
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, fn=name, tels=[(ANY, phone)] if phone else []))
    text = csv_text(rows[:1], s["separator"]) + csv_text(rows[1:], s["separator"], quote_all=True)
    return dict(source="dreamplan_guests", rows=rows, want=want, text=text)


def youareinvited_guests():
    """A Prague gala dinner's guests for You Are Invited's template: the whole
    name in one cell, seat numbers of one to three digits and letters ('104',
    'A4'), one guest on the waiting list without a seat, tags; Czech, English,
    Polish and Hungarian guests."""
    s = SOURCES["youareinvited_guests"]
    rows, want = [s["header"]], []
    for name, seat, tag in YOUAREINVITED71:
        rows.append([name, seat, tag])
        # 'name' is given name then family name, FN as written. The seat is no phone and the tag no organisation
        # nor job title: both are the evening's own.
        given, family = name.rsplit(" ", 1)
        want.append(card(person(given, family), fn=name))
    return dict(source="youareinvited_guests", rows=rows, want=want)


def sio_nauczyciele():
    """A Cieszyn secondary school's teachers for SIO's import of identifying
    data, made in a Polish Excel: PESEL numbers of eleven digits, and for a
    Czech and a Ukrainian teacher without PESEL the empty third column and the
    birth date in a fourth that has no name, which Excel pads onto every row
    (the header ends in ';')."""
    s = SOURCES["sio_nauczyciele"]
    rows, want = [s["header"] + [""]], []
    for given, family, pesel, born in SIO71:
        rows.append([given, family, pesel, born])
        # Each row is a teacher: 'imię' and 'nazwisko'. PESEL is an identity number, no phone, and its birth date
        # is not read out of it; where there is none, the fourth column is the birth date the ministry's layout
        # puts there, the birthday.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        want.append(card(person(given, family, birthday=birthday), birthday=bool(born)))
    return dict(source="sio_nauczyciele", rows=rows, want=want)
