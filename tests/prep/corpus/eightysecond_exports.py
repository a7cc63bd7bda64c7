"""Eighty-second held-out set: texting and newsletter tools and a contact
centre's directory (a parish's texting list, a coffee roaster's SMS
subscribers, a bookshop's newsletter readers, a heating firm's customers in
an SMS marketing tool, a housing association's contact centre directory and a
sports club's members in a German SMS program). Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card, csv_text
from eightysecond_headers import SOURCES
from eightysecond_people import CLEARSTREAM82, EMAILLABS82, LAUNCHSMS82, SMSOUT82, STORM82, TRACKLY82
from people import person

# Only a cell phone is a kind a card has; a landline, a VoIP line or an unknown one says nothing of home or work.
TRACKLY_KINDS = {"CELL PHONE": "CELL"}


def iso_date(text):
    """'1968-04-12' as (1968, 4, 12)."""
    year, month, day = (int(x) for x in text.split("-"))
    return year, month, day


def whole_name(name):
    """'Agnieszka Nowicka-Baker' as ('Agnieszka', 'Nowicka-Baker'): the first
    word the given name, the rest the family name."""
    given, _, family = name.partition(" ")
    return given, family


def clearstream_subscribers():
    """A Cleveland parish's texting list for Clearstream: mobiles in every
    American style ('216-555-0143', '(440) 555-0178', '216.555.0187',
    '12165550108') and a visiting Slovak priest's, Slovak, Polish and
    Hungarian names, one subscriber with a given name only, three without a
    mailbox, several tags joined by commas in one quoted cell."""
    s = SOURCES["clearstream_subscribers"]
    rows, want = [s["header"]], []
    for mobile, given, family, mail, tags in CLEARSTREAM82:
        rows.append([mobile, given, family, mail, tags])
        # 'First' and 'Last' are the subscriber's names; the texting tool sends to 'Mobile', a cell phone as
        # written; 'Email' the mailbox. Tags are the parish's groups, nobody's.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[("CELL", mobile)]))
    return dict(source="clearstream_subscribers", rows=rows, want=want)


def trackly_contacts():
    """An Austin coffee roaster's SMS subscribers for Trackly SMS: numbers
    with and without '+1', in brackets, dots or blanks, a Czech one, the
    carrier and the line's kind in their own columns ('CELL PHONE',
    'LANDLINE', 'VOIP', 'UNKNOWN'), ad networks and campaign ids, three
    without a mailbox; Czech, Polish, Hungarian and Austrian names among
    American ones."""
    s = SOURCES["trackly_contacts"]
    rows, want = [s["header"]], []
    for row in TRACKLY82:
        number, mail, given, family, _, line_type, _, _ = row
        rows.append(list(row))
        # 'first_name' and 'last_name' the subscriber, 'email' the mailbox. 'line_type' is the kind of
        # 'phone_number': a cell phone CELL, any other line untyped. Carrier, ad network and its id nobody's.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[(TRACKLY_KINDS.get(line_type, ANY), number)]))
    return dict(source="trackly_contacts", rows=rows, want=want)


def emaillabs_contacts():
    """A Kraków bookshop's newsletter readers for EmailLabs, ';' between
    columns: Polish, Czech and Hungarian readers, mobiles with '+48', with
    '48' and no plus, or national only, employers for some (a university, a
    library), and a bookshop and an antiquarian with nothing but their name
    and mailbox."""
    s = SOURCES["emaillabs_contacts"]
    rows, want = [s["header"]], []
    for mail, mobile, given, family, firm in EMAILLABS82:
        rows.append([mail, mobile, given, family, firm])
        # 'First Name' and 'Last Name' the reader, 'Company Name' the organisation, 'E-mail' the mailbox and
        # 'Mobile Phone' a cell phone as written. A row with a company and no person's name is that
        # organisation alone.
        tels = [("CELL", mobile)] if mobile else []
        want.append(card(person(given, family, org=firm, emails=[mail]), tels=tels))
    return dict(source="emaillabs_contacts", rows=rows, want=want)


def launchsms_people():
    """A Denver heating and cooling firm's customers for Launch SMS: whole
    names in 'Name' (a double family name among them), mobiles in any
    American style, a Slovak one, ISO birthdays (some missing), tags joined
    by commas in one quoted cell, job titles and firms for the commercial
    customers, two without a mailbox; Czech, Hungarian, Polish and Slovak
    names among American ones."""
    s = SOURCES["launchsms_people"]
    rows, want = [s["header"]], []
    for name, mobile, mail, born, tags, title, firm in LAUNCHSMS82:
        rows.append([name, mobile, mail, born, tags, title, firm])
        # 'Name' is the customer's whole name, given name first: FN as written, parted at the first blank.
        # 'Mobile' a cell phone, 'Email' the mailbox, 'Birthday' the birthday. Beside 'Business Name' (the
        # organisation), 'Title' is the job title, never a salutation. Tags are the firm's segments, nobody's.
        given, family = whole_name(name)
        p = person(given, family, org=firm, job=title, emails=[mail] if mail else [],
                   birthday=iso_date(born) if born else None)
        want.append(card(p, fn=name, tels=[("CELL", mobile)], birthday=bool(born)))
    return dict(source="launchsms_people", rows=rows, want=want)


def storm_directory():
    """A Leeds housing association's contact centre directory in storm:
    staff and contractors, home, work, mobile and alternative numbers in
    British national style, a Slovene alternative number, Polish, Czech,
    Hungarian and Slovene names, and the rows without a mailbox ending in one
    comma too many, as the vendor's own sample does."""
    s = SOURCES["storm_directory"]
    rows, want = [s["header"]], []
    for given, family, home, work, mobile, alternative, mail in STORM82:
        rows.append([given, family, home, work, mobile, alternative, mail])
        # 'First Name' and 'Last Name' the person; 'Home' HOME, 'Work' WORK, 'Mobile' CELL, 'Alternative' names
        # no kind; 'Email Address' the mailbox. The stray last comma of a row adds an empty cell, nothing more.
        tels = [(kind, number) for kind, number in (("HOME", home), ("WORK", work), ("CELL", mobile),
                                                     (ANY, alternative)) if number]
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    lines = [",".join(rows[0])] + [",".join(row) + ("," if not row[-1] else "") for row in rows[1:]]
    return dict(source="storm_directory", rows=rows, want=want, text="".join(line + "\r\n" for line in lines))


def smsout_empfaenger():
    """A Passau sports club's members for SMSout, in code page 1252, each
    ';' followed by a blank as the program's help writes it: 'Name' before
    'Vorname', mobiles in German styles ('0171 2545254', '0170/5566778',
    '01761234567') and foreign ones with '+' or '00'; Czech, Polish and
    Hungarian members among German ones."""
    s = SOURCES["smsout_empfaenger"]
    rows, want = [s["header"]], []
    for family, given, mobile in SMSOUT82:
        rows.append([family, given, mobile])
        # 'Name' beside 'Vorname' is the family name; 'Handy-Nummer' a cell phone as written. The blank after
        # each ';' belongs to no value.
        want.append(card(person(given, family), tels=[("CELL", mobile)]))
    text = csv_text(rows, ";").replace(";", "; ")
    return dict(source="smsout_empfaenger", rows=rows, want=want, text=text)
