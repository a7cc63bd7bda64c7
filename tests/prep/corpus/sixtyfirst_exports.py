"""Sixty-first held-out set: tools that name their columns in Finnish,
French, Dutch and German: a Finnish accounting suite's company register, a
school assessment tool's pupil sheet, a Dutch talent scan's and a Dutch
testing platform's class lists, the German school sports games' entrants and
a German vocational school administration's pupils. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtyfirst_headers import SOURCES
from sixtyfirst_people import AMN61, BBS61, BJS61, FIVALDI61, SACOCHE61, TESTCORRECT61


def day_first(text, sep):
    """'14/03/2010' (or with '-' or '.') as (2010, 3, 14)."""
    day, month, year = (int(x) for x in text.split(sep))
    return year, month, day


def with_particle(particle, family):
    """The Dutch family name as a card holds it: the particle before it ('van der Berg')."""
    return f"{particle} {family}" if particle else family


def fivaldi_yritykset():
    """A Lahti wholesaler's customer firms from Fivaldi's company register:
    customer ids, the firm's name and an additional name (a department, a
    'c/o' line), landlines dialled at home and abroad, mobiles and faxes half
    empty, contact ways, 'X' flags, payment terms, groups, language codes and
    credit limits; Czech, Polish, Hungarian and Estonian firms among them."""
    s = SOURCES["fivaldi_yritykset"]
    rows, want = [s["header"]], []
    for row in FIVALDI61:
        _, name, _, phone, mobile, fax = row[:6]
        rows.append(list(row))
        # The register holds firms: NIMI1 is the organisation and the card is that firm alone. NIMI2, the
        # 'lisänimi', is a department or a 'c/o' line: it may stand as the organisation's unit, never as its name
        # nor as FN. PUHELIN names no kind; MATKAPUHELIN is the mobile, TELEFAX the fax. Ids, flags, terms,
        # groups, language and credit limit are the ledger's own.
        tels = [(kind, n) for kind, n in ((ANY, phone), ("CELL", mobile), ("FAX", fax)) if n]
        want.append(card(person(org=name), tels=tels))
    return dict(source="fivaldi_yritykset", rows=rows, want=want, bom=True)


def sacoche_eleves():
    """A Prague bilingual grammar school's French section for SACoche's pupil
    import: pupil numbers (one missing), sex in every shape the tool allows
    ('F', 'G', '1', '2', 'M.', 'MME', empty), family names in capitals with
    their accents, day-first birth dates, two pupils without a mailbox,
    classes and groups joined by '|'; Czech, Polish and Hungarian pupils
    beside French ones."""
    s = SOURCES["sacoche_eleves"]
    rows, want = [s["header"]], []
    for number, sex, family, given, born, mail, klass, groups in SACOCHE61:
        rows.append([number, sex, family, given, born, mail, klass, groups])
        # Each row is a pupil: 'prenom' the given name, 'nom' the family name as written (capitals kept);
        # 'courriel' the mailbox; 'date naiss.' the birthday, day first. 'genre' is the pupil's sex, even where
        # it reads 'M.' or 'MME': no prefix. Number, class and groups are the school's own.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born, "/"))
        want.append(card(p, birthday=True))
    return dict(source="sacoche_eleves", rows=rows, want=want, bom=True)


def amn_deelnemers():
    """An Eindhoven vocational college's intake for AMN's talent scan:
    participant numbers, particles apart ('van der', 'de', "'t"), day-first
    birth dates, 'M'/'V' and one empty sex, groups and qualification numbers,
    private mailboxes (two missing) beside the school login, which is always
    an address and for two the private one again; Polish, Czech and
    Hungarian students among them."""
    s = SOURCES["amn_deelnemers"]
    rows, want = [s["header"]], []
    for row in AMN61:
        _, given, particle, family, born, _, _, _, mail, login = row
        rows.append(list(row))
        # Each row is a participant: 'voornaam' the given name; 'voorvoegsel' and 'achternaam' together the family
        # name ('van der Berg'), FN given name first. 'email' is the mailbox; 'gebruikersnaam' is always an
        # address, the participant's own school mailbox, so a second e-mail after 'email' (once only where the
        # two are the same). 'geboortedatum' the birthday, day first. Number, sex, group and qualification
        # number are the college's own.
        emails = [m for m in (mail, login) if m]
        emails = [m for k, m in enumerate(emails) if m not in emails[:k]]
        p = person(given, with_particle(particle, family), emails=emails, birthday=day_first(born, "-"))
        want.append(card(p, birthday=True))
    return dict(source="amn_deelnemers", rows=rows, want=want)


def testcorrect_klaslijst():
    """A Utrecht havo class list for Test-Correct, saved as 'CSV UTF-8' by a
    Dutch Excel: particles in their own column ('van', 'van der', "van 't")
    and one left inside the family name ('de Jong'), pupil numbers, the
    school's mailboxes made of the number, one private mailbox and one
    missing; Polish, Czech and Hungarian pupils and a Moroccan-Dutch one
    with a two-word family name."""
    s = SOURCES["testcorrect_klaslijst"]
    rows, want = [s["header"]], []
    for given, particle, family, number, mail in TESTCORRECT61:
        rows.append([given, particle, family, number, mail])
        # Each row is a pupil: 'Voornaam' the given name; 'Tussenvoegsel' and 'Achternaam' together the family
        # name, as the school writes it ('van 't Hof', 'de Jong', 'El Amrani'). 'E-mailadres' the mailbox, even
        # where it is the pupil number at the school's domain. 'Stamnummer' is the school's own.
        p = person(given, with_particle(particle, family), emails=[mail] if mail else [])
        want.append(card(p))
    return dict(source="testcorrect_klaslijst", rows=rows, want=want, bom=True)


def bjs_teilnehmer():
    """A Passau primary school's entrants for the Bundesjugendspiele, saved
    by a German Excel in code page 1252: 'Name' before 'Vorname', classes,
    day-first birth dates, 'm'/'w', the handicap start class empty for all;
    Polish and Hungarian pupils whose letters the code page keeps, a double
    family name."""
    s = SOURCES["bjs_teilnehmer"]
    rows, want = [s["header"]], []
    for family, given, klass, born, sex, handicap in BJS61:
        rows.append([family, given, klass, born, sex, handicap])
        # Each row is a pupil: beside 'Vorname', 'Name' is the family name alone, FN given name first.
        # 'Geburtsdatum' the birthday, day first. Class, sex and start class are nobody's on the card.
        want.append(card(person(given, family, birthday=day_first(born, ".")), birthday=True))
    return dict(source="bjs_teilnehmer", rows=rows, want=want)


def bbsverwaltung_schueler():
    """A Hanover vocational school's pupils for BBS-Verwaltung's import:
    import ids, classes, private mailboxes (two missing), the school
    account's name (the mailbox's part before '@', no domain), courses
    joined by commas, education codes, class levels and five exam subjects;
    Polish, Czech, Hungarian and Turkish pupils among German ones."""
    s = SOURCES["bbsverwaltung_schueler"]
    rows, want = [s["header"]], []
    for row in BBS61:
        _, given, family, _, mail = row[:5]
        rows.append(list(row))
        # Each row is a pupil: 'Vorname' and 'Nachname'. 'EMAIL' is the mailbox; 'Account' is only the part of
        # the school address before '@' (the school adds its domain), so no mailbox of its own and never made
        # into one. Import id, class, courses, BG, KlSt and exam subjects are the school's own.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="bbsverwaltung_schueler", rows=rows, want=want)
