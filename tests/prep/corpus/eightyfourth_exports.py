"""Eighty-fourth held-out set: company directories and IT tools (an identity
service's user pool, a hosted phone system's users, a push-to-talk team
messenger, a scheduling and video meeting service, a Japanese office
platform's staff directory and a Teams phone connector's PBX users). Each
maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from eightyfourth_headers import SOURCES
from eightyfourth_people import CONNECTOR84, COGNITO84, MEETERGO84, OFFICESUITE84, VOXER84, WORKSTYLE84


def cognito_users():
    """A Pittsburgh engineering firm's partner portal users for Cognito's
    import: user names as handles, a mailbox or a UUID, 'name' beside
    'given_name' and 'family_name' (one 'name' left empty), a middle name
    kept apart, nicknames, an avatar under 'picture' and a firm's page under
    'website', 'true'/'false' flags, ISO birth dates (two missing), zones and
    locales, E.164 phones without blanks, one user reached only by phone, the
    address column empty throughout, epoch seconds in 'updated_at'."""
    s = SOURCES["cognito_users"]
    rows, want = [s["header"]], []
    for row in COGNITO84:
        (_, name, given, family, _, nickname, _, _, _, website, mail, _, _, born, _, _, phone) = row[:17]
        rows.append(list(row))
        # Each row is a user: 'given_name' and 'family_name' the name's parts; 'name' is FN as written, else the
        # two make it ('middle_name' stays out of FN where 'name' leaves it out). 'email' the mailbox, whether
        # verified or not; 'phone_number' names no kind; 'birthdate' the birthday; 'nickname' the nickname,
        # 'website' the web page. The user name, 'preferred_username', 'profile' and 'picture' (an avatar's
        # address) are no name, no page of the person's; flags, zone, locale and times nobody's.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday, nickname=nickname, url=website)
        want.append(card(p, fn=name or None, tels=[(ANY, phone)] if phone else [], birthday=bool(born),
                         nickname=bool(nickname), url=bool(website)))
    return dict(source="cognito_users", rows=rows, want=want)


def officesuite_users():
    """A Buffalo importer's phone users for OfficeSuite's import: every row
    'User', numbers as bare digits (two Central European mobiles with their
    country's code but no '+'), extensions, direct numbers for most, one user
    without a mailbox, 'y'/'n' flags, caller id choices ('0', '-1', empty),
    profile numbers, empty PINs; Polish, Czech and Hungarian staff among
    them."""
    s = SOURCES["officesuite_users"]
    rows, want = [s["header"]], []
    for row in OFFICESUITE84:
        (_, given, family, mail, home, mobile, _, _, direct) = row[:9]
        rows.append(list(row))
        # Each row is an employee: 'FirstName' and 'LastName'; 'Email' the mailbox. 'HomePhone' HOME, 'MobilePhone'
        # CELL, 'IncomingDID' (the line dialled from outside straight to the user) WORK, each as written. The
        # extension alone reaches nobody from outside: no phone. 'OutgoingCLID' is a choice ('0', '-1'), no
        # number; the language, flags, profiles and PINs nobody's.
        tels = [("HOME", home)] if home else []
        tels += [("CELL", mobile)] if mobile else []
        tels += [("WORK", direct)] if direct else []
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    return dict(source="officesuite_users", rows=rows, want=want)


def voxer_users():
    """A Denver builder's field crews for Voxer Business's bulk upload: the
    four required columns, phones as each foreman typed them ('(720)
    555-0193', '303.555.0128', '3035550174', '+48 512 345 678'), one without
    a phone; Polish, Czech, Hungarian and Slovak crew members among them."""
    s = SOURCES["voxer_users"]
    rows, want = [s["header"]], []
    for given, family, mail, phone in VOXER84:
        rows.append([given, family, mail, phone])
        # Each row is a user: 'First' and 'Last'; 'E-mail' the mailbox; 'Phone' names no kind and stays as written.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="voxer_users", rows=rows, want=want)


def meetergo_users():
    """A Düsseldorf consultancy's staff for meetergo's user import: German job
    titles, phones international and one dialled at home ('0211 98765-22'),
    extensions after a hyphen, two without a phone, 'true'/'false', teams
    ('Vertrieb DACH') and team roles, one user with no team, the bookings'
    shared mailbox without a name; Polish, Austrian, Czech, Hungarian and
    Slovak staff among them."""
    s = SOURCES["meetergo_users"]
    rows, want = [s["header"]], []
    for row in MEETERGO84:
        mail, given, family, title, phone = row[:5]
        rows.append(list(row))
        # Each row is a user: 'firstName' and 'lastName'; 'email' the mailbox; 'title' the job title; 'phone' names
        # no kind. 'teamName' is a team inside the firm, no organisation; the shared bookings mailbox with no name
        # is a card of that mailbox alone, FN the mailbox. Zone, language, admin flag and team role nobody's.
        p = person(given, family, job=title, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="meetergo_users", rows=rows, want=want)


def workstyleos_workers():
    """A Tokyo office of a Czech-Japanese machine maker for Workstyle OS's
    worker import, saved as 'CSV UTF-8': kanji names with their hiragana
    readings, Czech and Polish staff in Latin letters without readings,
    display names family first for the Japanese, one display name empty,
    permissions, groups, SMS numbers with hyphens, extensions, search keys,
    '0', '1' and empty in 離職 (one who left), worker codes, status messages,
    Slack ids."""
    s = SOURCES["workstyleos_workers"]
    rows, want = [s["header"]], []
    for row in WORKSTYLE84:
        (mail, family, given, _, _, shown, _, _, _, mobile) = row[:10]
        rows.append(list(row))
        # Each row is a worker, one who left (離職 '1') too: 名(漢字) the given name, 姓(漢字) the family name,
        # 表示名 FN as written; where it is empty, family then given as a Japanese name is said ('佐藤 健'). The
        # hiragana readings and the search key are no name. メールアドレス the mailbox; SMS通知用の電話番号 a mobile,
        # CELL; 内線番号 an extension, no phone. The group (a department) is no organisation; permission, password,
        # code, message and Slack id nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, fn=shown or f"{family} {given}", tels=[("CELL", mobile)] if mobile else []))
    return dict(source="workstyleos_workers", rows=rows, want=want, bom=True)


def connector_pbx_users():
    """A Manchester accountancy's PBX users for the Teams connector's bulk
    import: SIP user names, whole names in 'Name', Teams mailboxes, E.164
    numbers without blanks, SIP auth names and passwords full of punctuation,
    external ids for most; Polish, Hungarian and Czech staff among them."""
    s = SOURCES["connector_pbx_users"]
    rows, want = [s["header"]], []
    for sip, name, mail, number, auth, password, external in CONNECTOR84:
        rows.append([sip, name, mail, number, auth, password, external])
        # Each row is a user: 'Name' is FN as written, parted at the blank into given and family name; 'Email' the
        # mailbox; 'PhoneNumber', the user's number on the firm's PBX, WORK. SIP user and auth names, the SIP
        # password and the external id are nobody's.
        given, family = name.split(" ", 1)
        want.append(card(person(given, family, emails=[mail]), tels=[("WORK", number)]))
    return dict(source="connector_pbx_users", rows=rows, want=want)
