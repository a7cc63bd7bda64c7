"""Ninety-fourth held-out set: learning platforms and schools (a US college's
alumni office, a Brazilian online course platform and members' community, a
publisher's placement tests for language schools, a Ukrainian school
platform and a language school's group enrolment). Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from ninetyfourth_headers import SOURCES
from ninetyfourth_people import CAMPUSCAFE94, CLOUDBASE94, EDOOLS94, NICHOOS94, OXFORD94, PROSVITA94


def day_first(text):
    """'14/03/1998' as (1998, 3, 14)."""
    day, month, year = (int(x) for x in text.split("/"))
    return year, month, day


def campuscafe_constituents():
    """A Scranton college's alumni for Campus Cafe's constituent upload, saved
    as 'CSV UTF-8' by Excel: SSNs (one whose leading zero Excel dropped, the
    rest missing for some), middle initials, Spanish and American second
    family names in 'LAST_NAME_2', birth dates 'YYYYMMDD' (one missing), home
    phones as digits and as '570.342.9981', flats in 'ADDRESS_2', a ZIP with
    its leading zero, departments, majors, classes and degree codes, spouses
    (two of them dead); Slovak, Czech, Polish and Hungarian alumni among them."""
    s = SOURCES["campuscafe_constituents"]
    rows, want = [s["header"]], []
    for row in CAMPUSCAFE94:
        (_, given, _, family1, family2, born, _, home, street, _, city, state, code, _, _, _, mail,
         mobile) = row[:18]
        rows.append(list(row))
        # Each row is a constituent: 'FIRST_NAME' the given name; 'LAST_NAME_1' the family name and
        # 'LAST_NAME_2', which the vendor says is appended to it, the rest of it ('Fernández Ruiz'). The middle
        # initial may stand as the middle name, never in the given or family name. 'PHONE_NUMBER' is the home
        # phone, 'MOBILE_PHONE' the cell phone, both as written; 'EMAIL' the mailbox; 'BIRTH_DATE' the
        # birthday. 'ADDRESS_1' the street with 'ADDRESS_2' its second line, 'CITY', 'STATE' the region, 'ZIP'
        # as the cell holds it; no country, no type. The spouse is another person, no part of the card; SSN,
        # department, major, class and degree are nobody's.
        family = f"{family1} {family2}" if family2 else family1
        birthday = (int(born[:4]), int(born[4:6]), int(born[6:])) if born else None
        tels = ([("HOME", home)] if home else []) + ([("CELL", mobile)] if mobile else [])
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, "")], birthday=bool(born)))
    return dict(source="campuscafe_constituents", rows=rows, want=want, bom=True)


def edools_alunos():
    """A Curitiba online school's students for Edools' invitation with a
    header: CPFs and RGs with their dots and dashes, Brazilian phones as
    '(41) 99876-5432' and with '+55', foreign ones, Skype names, a firm and a
    position for three, ISO birth dates (one missing), biographies, a cover
    image's address, user names, a second phone for three, 'true'/'false'
    flags and product ids; Polish, Czech and Hungarian names among them."""
    s = SOURCES["edools_alunos"]
    rows, want = [s["header"]], []
    for row in EDOOLS94:
        given, family, mail, _, phone, _, firm, position, born, _, _, _, _, extra = row[:14]
        rows.append(list(row))
        # Each row is a student: 'first_name' and 'last_name'; 'email' the mailbox; 'company_name' the
        # organisation and 'company_position' the job title. 'phone' and 'extra_phone' are phones of no kind;
        # 'born_at' the birthday. A Skype name is no phone and no mailbox; CPF and RG are no phones; the
        # biography, the cover image's address (no web page of the student's), user name, flags and product
        # are nobody's.
        tels = [(ANY, n) for n in (phone, extra) if n]
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, org=firm, job=position, emails=[mail], birthday=birthday)
        want.append(card(p, tels=tels, birthday=bool(born)))
    return dict(source="edools_alunos", rows=rows, want=want)


def nichoos_membros():
    """An online Portuguese course's community invited to Nichoos: the whole
    name in 'Nome', the same number in 'WhatsApp' and 'Celular' for some,
    only one of them or two different ones for others, foreign WhatsApp
    numbers, birth dates 'dd/mm/yyyy' (one missing, one on 29 February),
    CPFs and RGs as digits, CEPs without their dash, the house number apart
    from the street, flats and rooms in 'Complemento', members in Prague and
    Zagreb, expiry dates and tags like '3,7'; Czech, Polish, Hungarian and
    Croatian members among them."""
    s = SOURCES["nichoos_membros"]
    rows, want = [s["header"]], []
    for row in NICHOOS94:
        (name, mail, whatsapp, mobile, born, _, _, _, code, street, number, _, city, state, country) = row[:15]
        rows.append(list(row))
        # Each row is a member: 'Nome' is the given name then the family name. 'Email' the mailbox. 'Celular'
        # is a cell phone; 'WhatsApp' a phone of no stated kind, the same number as 'Celular' only once, as the
        # cell phone. 'Nascimento' the birthday, day first. The street is 'Logradouro' and 'Número' together;
        # 'Complemento' (a flat, a room) is no part of it, a further line at most; 'Cidade', 'Estado' the
        # region, 'CEP' as the cell holds it and 'País' as written; no type. Sex, CPF, RG, expiry and tags are
        # nobody's.
        given, family = name.split(" ", 1)
        tels = [(ANY, whatsapp)] if whatsapp and whatsapp != mobile else []
        tels += [("CELL", mobile)] if mobile else []
        p = person(given, family, emails=[mail], birthday=day_first(born) if born else None)
        want.append(card(p, tels=tels, adrs=[(None, f"{street} {number}", city, state, code, country)],
                         birthday=bool(born)))
    return dict(source="nichoos_membros", rows=rows, want=want)


def oxfordtesting_students():
    """A London English school's learners for Oxford English Testing: learner
    ids, classes (one empty), the family name before the given name, user
    names and a password for a few, birth dates 'dd/mm/yyyy' (one missing),
    first languages and sexes (one empty); Polish, Czech, Hungarian, Slovak,
    Romanian, Slovene, Croatian and Austrian learners beside British ones,
    one with a double family name."""
    s = SOURCES["oxfordtesting_students"]
    rows, want = [s["header"]], []
    for row in OXFORD94:
        _, _, family, given, mail, _, _, born = row[:8]
        rows.append(list(row))
        # Each row is a learner: 'First name' and 'Last name', though the family name comes first; 'Email' the
        # mailbox; 'Date of birth' the birthday, day first. Id, class, user name, password, first language and
        # sex are nobody's: a password is never a name or a note on the card.
        p = person(given, family, emails=[mail], birthday=day_first(born) if born else None)
        want.append(card(p, birthday=bool(born)))
    return dict(source="oxfordtesting_students", rows=rows, want=want)


def prosvita_students():
    """A Ukrainian Saturday school in Warsaw for Prosvita's student template:
    names in Cyrillic, the school's language, with patronymics in 'Middle
    Name', one Ukrainian pupil written in Latin letters, Polish and Czech
    pupils without a patronymic, sections and classes in Cyrillic ('1-А'),
    groups with their subject and the teacher's full name for some, parents'
    or pupils' mailboxes, two without one."""
    s = SOURCES["prosvita_students"]
    rows, want = [s["header"]], []
    for row in PROSVITA94:
        family, given = row[0], row[1]
        mail = row[8]
        rows.append(list(row))
        # Each row is a pupil: 'First Name' and 'Last Name' as written, Cyrillic or Latin; 'Middle Name' (the
        # patronymic) may stand as the middle name but is neither the given nor the family name. 'Email' the
        # mailbox. 'Teacher' is another person's name, never the pupil's nor an organisation; sections, group
        # and subject are nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="prosvita_students", rows=rows, want=want)


def cloudbase_group():
    """A Brno school's group at an Eastbourne summer course, uploaded to
    Cloud-Base's group enrolment: three leaders marked 'Yes' (two Czech
    teachers and the British course leader), pupils born 2010 and 2011, two
    given names in one cell, a family name in capitals, one birth date
    missing, a Slovak pupil; no mailbox, phone or address at all."""
    s = SOURCES["cloudbase_group"]
    rows, want = [s["header"]], []
    for given, family, born, leader in CLOUDBASE94:
        rows.append([given, family, born, leader])
        # Each row is a group member: 'First Name' (both names where there are two) and 'Last Name' as written,
        # capitals kept; 'Date of Birth' the birthday, day first. 'Group Leader' is a flag, no job title.
        p = person(given, family, birthday=day_first(born) if born else None)
        want.append(card(p, birthday=bool(born)))
    return dict(source="cloudbase_group", rows=rows, want=want)
