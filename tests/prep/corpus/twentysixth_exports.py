"""Twenty-sixth held-out set: a Slovak faculty's admission test list and a
German therapy practice's treatments with its patients. Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from twentysixth_headers import SOURCES
from twentysixth_people import APPLICANTS26, PATIENTS26


def dmy(text):
    """'30. 01. 2007', '7.5.2007' as (2007, 1, 30), (2007, 5, 7)."""
    d, m, y = text.replace(" ", "").split(".")
    return int(y), int(m), int(d)


def prijimacky_uchadzaci():
    """A Košice faculty's applicants for one test day as its admissions
    office exports them: order numbers, family name first, birth dates typed
    four ways ('14.03.2007', '3. 9. 2007', '30. 01. 2007', '7.5.2007'),
    registration numbers with a slash, private mailboxes, three sittings in
    three rooms, the programme; no phone and no address."""
    s = SOURCES["prijimacky_uchadzaci"]
    rows, want = [s["header"]], []
    for row in APPLICANTS26:
        _, family, given, born, _, mail, _, _, _, _, _ = row
        rows.append(list(row))
        # 'Narodenie' is the birthday however it is typed; the order, registration number, term, time, date, room
        # and programme are nobody's (the programme is no organisation: the applicant is not in it yet).
        want.append(card(person(given, family, emails=[mail], birthday=dmy(born)), birthday=True))
    return dict(source="prijimacky_uchadzaci", rows=rows, want=want)


def praxisakte_export():
    """A Biberach physiotherapy practice's treatments of one week as
    PraxisAkte exports them, one row per treatment with the patient's data:
    patient numbers, birth dates, German, Czech, Polish, Hungarian, Slovene
    and Romanian patients, three without a mailbox, numbers at home and
    abroad, another recipient of the bill for three (a parent, a firm, a
    son: the whole address in one quoted cell), services, a quantity '1.5',
    remarks (one with ';', quoted); the signature and CRLF."""
    s = SOURCES["praxisakte_export"]
    rows, want = [s["header"]], []
    for row in PATIENTS26:
        _, family, given, born, street, code, town, mail, phone, _, _, _, _, _, _, _, _ = row
        rows.append(list(row))
        # The address is the patient's, neither home nor work by its column, no country; 'Telefon' names no kind;
        # the other recipient is someone else (or a firm) and nobody on the card, its address no second address;
        # the patient number, service, quantity, section, therapist and remark are nobody's; 'Geburtsdatum' is
        # the birthday.
        p = person(given, family, emails=[mail] if mail else [], birthday=dmy(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, "")],
                         birthday=True))
    return dict(source="praxisakte_export", rows=rows, want=want, bom=True)
