"""Sixty-second held-out set: education, a Spanish language academy's
students, a Dutch vocational school's participants in an assessment platform,
an English nursery's children for funding claims, a US music studio's
students of an online lessons service, a German academy's course
participants and a French lycée's pupils in an assessment platform. Each
maker returns a dict as crm_exports.py's do."""
from export_kit import card
from people import person
from sixtysecond_headers import SOURCES
from sixtysecond_people import AMN62, ATENEA62, EARLYTREE62, MUSICLEARNING62, SACOCHE62, TRAINEX62


def day_first(text):
    """'14/03/2010' or '14-02-2007' as (2010, 3, 14)."""
    day, month, year = (int(x) for x in text.replace("-", "/").split("/"))
    return year, month, day


def atenea_alumnos():
    """A Madrid language academy's students for Atenea's importer, saved as
    'CSV UTF-8' by a Spanish Excel: two surnames (the second empty for the
    foreign students, 'de la Torre' for one, a Polish mother's for another),
    a landline and a mobile, in-company learners with their firm, children
    with their school and both parents' names, DNIs, phones and mailboxes,
    remarks with a ';', the direct debit split over a dozen columns with the
    bank's country code 'ES' and the paying client's own street; Polish,
    Czech, Romanian, Hungarian and Croatian students among the Spanish."""
    s = SOURCES["atenea_alumnos"]
    rows, want = [s["header"]], []
    for row in ATENEA62:
        (given, first, second, born, _, landline, mobile, mail, firm, _, town, street, code, _, _, _,
         _, _, _, _, _, _, _, _, country, province, iban, mandate, client, client_id, client_street,
         client_code) = row
        rows.append(list(row[:26]) + ["", "", "ES" if iban else "", "", "", "", "", "", iban, mandate, client,
                                      client_id, client_street, client_code])
        # Each row is a student: 'Nombre' the given name, 'Apellido 1' and 'Apellido 2' together the family
        # name ('García López'), as Spain writes it. 'Teléfono fijo' is a landline (home or untyped, never a
        # mobile), 'Teléfono movil' the cell; 'Email' the mailbox; 'Empresa' the organisation. 'Dirección',
        # 'CP', 'Población', 'Provincia' (the region) and 'Pais' the address, untyped. The school ('Colegio'),
        # the parents, the debit's bank code and the paying client (with its own street) are no part of the
        # student's card.
        tels = ([("HOME|VOICE", landline)] if landline else []) + ([("CELL", mobile)] if mobile else [])
        p = person(given, " ".join(x for x in (first, second) if x), org=firm, emails=[mail] if mail else [],
                   birthday=day_first(born))
        want.append(card(p, tels=tels, adrs=[(None, street, town, province, code, country)], birthday=True))
    return dict(source="atenea_alumnos", rows=rows, want=want, bom=True)


def amn_deelnemers():
    """An Amsterdam vocational school's participants for AMN Insight: the
    Dutch prefix of the family name in its own column ('van der', 'de',
    'ter'), birth dates 'dd-mm-jjjj', M/V, groups and qualification codes,
    private mailboxes beside the school logins (one the same, two missing,
    one login missing); Polish, Czech, Romanian and Hungarian students
    among them."""
    s = SOURCES["amn_deelnemers"]
    rows, want = [s["header"]], []
    for row in AMN62:
        _, given, prefix, family, born, _, _, _, mail, login = row
        rows.append(list(row))
        # Each row is a participant: 'voorvoegsel' belongs to the family name, before it ('van der Berg'), and
        # FN is 'Sanne van der Berg'; it is no honorific prefix. 'email' is the mailbox; 'gebruikersnaam', a
        # mailbox too (the school's), is the second where it differs. 'geboortedatum' the birthday, day first;
        # number, sex, group and qualification code nobody's.
        mails = [m for m in (mail, login) if m]
        p = person(given, " ".join(x for x in (prefix, family) if x), emails=list(dict.fromkeys(mails)),
                   birthday=day_first(born))
        want.append(card(p, birthday=True))
    return dict(source="amn_deelnemers", rows=rows, want=want)


def earlytree_children():
    """A Leeds nursery's children for EarlyTree's funding claims: codes, NHS
    numbers spaced like phones (some empty), the house number apart from the
    street ('12a', one empty), localities and a flat on the further lines,
    the county for some, both parents' names, mailboxes and mobiles (the
    second parent often missing), funding types and criteria; Polish,
    Slovak, Romanian and Hungarian families among the English."""
    s = SOURCES["earlytree_children"]
    rows, want = [s["header"]], []
    for row in EARLYTREE62:
        _, given, family, born, _, number, street, _, _, town, county, postcode = row[:12]
        rows.append(list(row))
        # Each row is a child: 'FirstName', 'LastName', 'DateOfBirth' the birthday, day first. The address is
        # 'AddressHouseNo' before 'AddressLine1' ('14 Acacia Avenue'), the further lines after it or apart,
        # 'Town', 'County' (the region), 'Postcode', untyped, no country. The parents' names, mailboxes and
        # mobiles are theirs, no part of the child's card; the NHS number, a spaced ten digits, is no phone.
        p = person(given, family, birthday=day_first(born))
        address = " ".join(x for x in (number, street) if x)
        want.append(card(p, adrs=[(None, address, town, county, postcode, "")], birthday=True))
    return dict(source="earlytree_children", rows=rows, want=want)


def musiclearning_students():
    """A music studio's students for Music Learning Community's upload:
    user names, passwords for a few (the rest left for the service to make),
    'Y' or nothing for active, the teacher as 'Lastname, Firstname', course
    ids; American names with Czech, Polish and Hungarian ones, two with
    their marks ('Zoë Dvořák')."""
    s = SOURCES["musiclearning_students"]
    rows, want = [s["header"]], []
    for row in MUSICLEARNING62:
        given, family = row[:2]
        rows.append(list(row))
        # Each row is a student: 'Student First Name' and 'Student Last Name', nothing else of theirs. The
        # teacher's 'Lastname, Firstname' is another person, never the student's name nor organisation; user
        # name, password, status and course nobody's.
        want.append(card(person(given, family)))
    return dict(source="musiclearning_students", rows=rows, want=want)


def trainex_teilnehmer():
    """A Cologne academy's course participants for TraiNex's import, saved
    by a German Excel in code page 1252: the mailbox first (two rows
    without), 'Frau'/'Herr', the family name before the given name, a
    matriculation number for all but one; Czech, Polish and Hungarian
    participants, a Czech name typed without the 'ř' the code page lacks."""
    s = SOURCES["trainex_teilnehmer"]
    rows, want = [s["header"]], []
    for mail, salutation, family, given, number in TRAINEX62:
        rows.append([mail, salutation, family, given, number])
        # Each row is a participant: 'VName' the given name, 'NName' the family name; 'Mail' the mailbox.
        # 'Geschlecht' ('Frau', 'Herr') may stand as the name's prefix, nowhere else; 'KNr' nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="trainex_teilnehmer", rows=rows, want=want)


def sacoche_eleves():
    """The French lycée in Prague's pupils for SACoche: pupil numbers, the
    sex in all the codes the import takes ('G', '1', 'M.', 'F', '2', 'MME',
    empty), family names in capitals with their marks ('NOVÁKOVÁ',
    'DE LA FONTAINE'), birth dates 'dd/mm/yyyy', three without a mailbox,
    classes and groups joined by '|'; Czech, Hungarian and Polish pupils
    among the French."""
    s = SOURCES["sacoche_eleves"]
    rows, want = [s["header"]], []
    for row in SACOCHE62:
        _, _, family, given, born, mail, _, _ = row
        rows.append(list(row))
        # Each row is a pupil: 'prenom' the given name, 'nom' the family name as written, in capitals; FN
        # 'Eliška NOVÁKOVÁ'. 'courriel' the mailbox, 'date naiss.' the birthday, day first. Number, sex, class
        # and groups nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born))
        want.append(card(p, birthday=True))
    return dict(source="sacoche_eleves", rows=rows, want=want)
