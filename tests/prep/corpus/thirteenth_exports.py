"""Thirteenth held-out set, the Central European half: a school's guardians,
a school TV's crew, a campaign's Senate candidates, a firm's staff register,
a group's employee file, a console phone book, a project's participants and
a ticketing app's users. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill
from people import person
from thirteenth_headers import SOURCES
from thirteenth_people import (CANDIDATES13, CREW13, EMPLOYEES13, GUARDIANS13, PARTICIPANTS13, PHONEBOOK13,
                               STAFF13, TICKET_USERS13)


def dmy(text):
    """'22.10.1953' or '14/03/1982' as (1953, 10, 22)."""
    d, m, y = text.replace("/", ".").split(".")
    return int(y), int(m), int(d)


def hungarian_name(name):
    """'Kissné Szabó Erika' as ('', 'Erika', 'Kissné Szabó'), 'dr. Farkas Ödön' as ('dr.', 'Ödön', 'Farkas'):
    family name first; a wife's name in -né keeps her own family name after it."""
    prefix = ""
    if name.startswith("dr. "):
        prefix, name = "dr.", name[4:]
    words = name.split(" ")
    cut = 2 if words[0].endswith("né") else 1
    return prefix, " ".join(words[cut:]), " ".join(words[:cut])


def kreta_gondviselok():
    """A Debrecen school's guardians as KRÉTA's sheet holds them, saved again
    from a Hungarian Excel: the pupil and the pupil's education id in front,
    the guardian's name family name first (wives' -né names, one 'dr.'), the
    relation and the legal-representative flag, numbers in four shapes with a
    kind beside them, one turned into '3,67051E+10', mailboxes with a kind,
    an address of postal code, town and country only (one in Slovakia), both
    parents of two pupils on rows of their own, three without a mailbox."""
    s = SOURCES["kreta_gondviselok"]
    rows, want = [s["header"]], []
    for (pupil, pupil_id, name, relation, legal, phone, phone_kind, mail, mail_kind, adr_kind, country, code,
         town) in GUARDIANS13:
        lost = ["3,67051E+10"] if phone == "36705128844" else []
        rows.append(fill(s["header"], {
            "Tanuló neve": pupil, "A tanuló oktatási azonosítója": pupil_id, "Gondviselő neve": name,
            "Gondviselő rokonsági foka": relation, "Törvényes képviselő": legal,
            "Gondviselő telefonszáma": lost[0] if lost else phone, "Telefon típus": phone_kind,
            "Gondviselő email címe": mail, "Email típus": mail_kind, "Gondviselő cím típusa": adr_kind,
            "Gondviselő cím ország": country, "Gondviselő cím irányítószám": code,
            "Gondviselő cím helység név": town}))
        prefix, given, family = hungarian_name(name)
        # The guardian is the card, FN the name as written; the pupil and the pupil's education id are nobody's
        # (the id is no number); the number's kind column is left to the reader, so any type will do; the
        # address kind (permanent or temporary) says neither home nor work; the damaged number is lost.
        p = person(given, family, prefix=prefix, emails=[mail] if mail else [])
        tels = [] if lost else [(ANY, phone)]
        want.append(dict(card(p, fn=name, tels=tels, adrs=[(None, "", town, "", code, country)]), lost=lost))
    return dict(source="kreta_gondviselok", rows=rows, want=want)


def ftv_stab():
    """A Budapest grammar school's TV and radio crew in its app's import
    template: pupils by crew, first year and stream, teachers flagged
    'Igen' as media or form teachers with their classes joined by ';' in a
    ';' file, numbers written three ways or missing, LF line ends."""
    s = SOURCES["ftv_stab"]
    rows, want = [s["header"]], []
    for family, given, mail, phone, crew, start, stream, radio, manager, media, form, classes in CREW13:
        rows.append([family, given, mail, phone, crew, start, stream, radio, manager, media, form, classes])
        # A Hungarian layout with the name in parts: FN family name first; the crew, the radio crew and the
        # flags are nobody's organisation or title; 'Telefonszám' names no kind.
        want.append(card(person(given, family, emails=[mail]), fn=f"{family} {given}",
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="ftv_stab", rows=rows, want=want, line_end="\n")


def senat_kandidati():
    """A campaign's Senate candidates: two header cells over two lines,
    districts with their numbers, family name before given name, academic
    titles before and after the name in one cell ('Mgr., MBA'), birth years,
    occupations, parties and supporting parties, '0' for a missing link,
    handles with '@', a quoted media link holding '&amp;', a contact for
    volunteers that is a mailbox, a number or nothing; LF line ends."""
    s = SOURCES["senat_kandidati"]
    rows, want = [s["header"]], []
    for (district, supported, family, given, before, after, year, job, party, support, watchdog, fb, insta, web,
         media1, media2, declared, contact) in CANDIDATES13:
        titles = ", ".join(t for t in (before, after) if t)
        rows.append([district, supported, family, given, titles, year, job, party, support, watchdog, fb, insta,
                     web, media1, media2, declared, contact])
        # The occupation is the title; the titles before the name are its prefix, those after it its suffix;
        # the party and the supporting parties are no organisation; the district is no address; a mailbox in
        # the volunteers' contact is the card's e-mail, a number its phone (no kind named).
        emails = [contact] if "@" in contact else []
        tels = [(ANY, contact)] if contact and not emails else []
        p = person(given, family, prefix=before, suffix=after, job=job, emails=emails, url=web)
        want.append(card(p, tels=tels, url=bool(web)))
    return dict(source="senat_kandidati", rows=rows, want=want, line_end="\n")


def zaposleni():
    """A Celje firm's staff register as Excel saves it ('CSV UTF-8', with a
    signature): ids, the street, postal code and town apart, day-first birth
    dates, sex and education grades, departments and posts, pay with a
    thousands dot, a decimal comma and '€'; no phone and no mailbox column."""
    s = SOURCES["zaposleni"]
    rows, want = [s["header"]], []
    for number, family, given, street, code, town, born, sex, grade, department, post, since, pay in STAFF13:
        rows.append([number, family, given, street, code, town, born, sex, grade, department, post, since, pay])
        # The post is the title; the department is no organisation and the firm, its own register, names none;
        # the address says neither home nor work and no column names a country.
        p = person(given, family, job=post, birthday=dmy(born))
        want.append(card(p, adrs=[(None, street, town, "", code, "")], birthday=True))
    return dict(source="zaposleni", rows=rows, want=want, bom=True)


def stim_zamestnanci():
    """A Slovak group's employees for its card system, saved from Excel in
    code page 1250: logins and first passwords in clear, user kinds, Anet
    ids, family name before given name, birth dates, the business number,
    the manager's name with his title, the post, the subsidiary, division,
    department and the workplace's town, coordinator and manager ids under
    names written twice, a ';' closing every line."""
    s = SOURCES["stim_zamestnanci"]
    rows, want = [s["header"]], []
    for (login, password, kind, anet, family, given, born, phone, mail, manager, post, firm, division, department,
         town, coord1, coord2, boss1, boss2) in EMPLOYEES13:
        rows.append([login, password, kind, anet, family, given, born, phone, mail, manager, post, firm, division,
                     department, town, coord1, coord2, boss1, boss2, ""])
        # The subsidiary is the organisation, the post the title; the manager is nobody on the card; the
        # division and department are no organisation; the workplace's town is no postal address; the login is
        # no e-mail; 'Firemné číslo' is the business number, WORK or VOICE whatever the number looks like.
        p = person(given, family, org=firm, job=post, emails=[mail], birthday=dmy(born))
        want.append(card(p, tels=[("WORK|VOICE", phone)], birthday=True))
    return dict(source="stim_zamestnanci", rows=rows, want=want)


def telefonny_zoznam():
    """A Bratislava household's phone book as the console program saves it:
    the database's name and its record count on the two lines above the
    header, no quoting, numbers at home ('0908 765 432', '041/706 3111') or
    international, second numbers for some, three without a mailbox."""
    s = SOURCES["telefonny_zoznam"]
    rows, want = [s["header"]], []
    for family, given, phone1, phone2, mail in PHONEBOOK13:
        rows.append([family, given, phone1, phone2, mail])
        # Neither number names a kind; the two lines above the header are no contacts.
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[(ANY, n) for n in (phone1, phone2) if n]))
    return dict(source="telefonny_zoznam", rows=rows, want=want, preamble=f"osobne.dbf\r\n{len(PHONEBOOK13)}\r\n")


def projekt_uczestnicy():
    """A Kraków project's participants as its app exports them: numbers with
    and without +48, the whole address in one cell ('ul. Długa 5 m. 3,
    30-001 Kraków'), a village's without a street name, two without an
    address, meeting counts; LF line ends."""
    s = SOURCES["projekt_uczestnicy"]
    rows, want = [s["header"]], []
    for given, family, phone, mail, adr, meetings in PARTICIPANTS13:
        address = f"{adr[0]}, {adr[1]} {adr[2]}" if adr else ""
        rows.append([given, family, phone, mail, address, str(meetings)])
        # The address cell is street, postal code and town; no country; 'Telefon' names no kind.
        adrs = [(None, adr[0], adr[2], "", adr[1], "")] if adr else []
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="projekt_uczestnicy", rows=rows, want=want, line_end="\n")


def bilete_utilizatori():
    """A Cluj ticketing app's users.csv: the user's kind, ids, usernames and
    passwords in clear, 'nume' the family name and 'prenume' the given name
    as a Romanian types them, numbers at home or international, and 'extra'
    holding an organiser's firm and brand ('Cluj Live Events SRL|Cluj
    Live') or an agent's event ids ('1,2,3'); LF line ends."""
    s = SOURCES["bilete_utilizatori"]
    rows, want = [s["header"]], []
    for kind, number, username, password, family, given, mail, phone, extra in TICKET_USERS13:
        rows.append([kind, number, username, password, family, given, mail, phone, extra])
        # The README's own sample row puts 'Robert' under nume; the users here typed their names as the
        # columns ask. 'extra' means something else for each kind of user, so it is nobody's organisation;
        # the username is no name; 'telefon' names no kind.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="bilete_utilizatori", rows=rows, want=want, line_end="\n")
