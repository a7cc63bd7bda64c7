"""Eighteenth held-out set: a veterinary practice's owners, a postal
operator's staff, a chess club's players, a sports federation's persons, a
transport firm's drivers, a studio's visitors entered twice, a utility's
meter reading list and a phone's contacts saved as a Czech CSV. Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from eighteenth_headers import SOURCES
from eighteenth_people import CHESS18, DRIVERS18, FEDERATION18, METERS18, OWNERS18, PHONEBOOK18, POSTAL18, VISITORS18


def winvet_majitele():
    """A Jihlava practice's owners and their animals as WinVet exports
    them: family name first, phones at home or with +420, landlines and
    mobiles, owners without a mailbox or a phone (one with neither), the
    animal's name, species and breed, a chip number for dogs; code page
    1250, CRLF."""
    s = SOURCES["winvet_majitele"]
    rows, want = [s["header"]], []
    for family, given, phone, mail, animal, species, breed, chip in OWNERS18:
        rows.append([family, given, phone, mail, animal, species, breed, chip])
        # 'Telefon' names no kind; the animal, its species, breed and chip are nobody's on the owner's card.
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="winvet_majitele", rows=rows, want=want)


def destinatari_postasi():
    """A county's postal staff as the SMS tool takes them: family name
    first, a double given name, jobs in Romanian with comma-below letters,
    badge numbers, mobiles at home or with +40, two office landlines, the
    county and the town, the post office; UTF-8, LF."""
    s = SOURCES["destinatari_postasi"]
    rows, want = [s["header"]], []
    for family, given, job, badge, phone, county, town, office in POSTAL18:
        rows.append([family, given, job, badge, phone, county, town, office])
        # 'Functie' is the job title; 'Judet' and 'Localitate' an address without a street (the county the region),
        # neither home nor work; 'Oficiu' is a unit of the employer, no organisation (as a department is not);
        # the badge ('Marca') is nobody's; 'Telefon' names no kind.
        want.append(card(person(given, family, job=job), tels=[(ANY, phone)],
                         adrs=[(None, "", town, county, "", "")]))
    return dict(source="destinatari_postasi", rows=rows, want=want, line_end="\n")


def sach_hraci():
    """A Trnava chess club's players as its tournament app takes them: given
    name first, a ';' closing every line (an empty sixth column, nameless in
    the header), groups A to C, ratings (one player without); two without a
    mailbox; UTF-8, LF."""
    s = SOURCES["sach_hraci"]
    rows, want = [s["header"]], []
    for given, family, mail, group, rating in CHESS18:
        rows.append([given, family, mail, group, rating, ""])
        # The group and the rating are nobody's; a player without a mailbox is a card with the name alone.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="sach_hraci", rows=rows, want=want, line_end="\n")


def sfz_osoby():
    """A sports federation's persons for its onboarding app: the mailbox
    first, the federation's and private mailboxes, training tracks in one
    cell parted by ', ' (an old key 'zaklad' for one); UTF-8, LF."""
    s = SOURCES["sfz_osoby"]
    rows, want = [s["header"]], []
    for mail, given, family, tracks in FEDERATION18:
        rows.append([mail, given, family, tracks])
        # The tracks ('trasy') are training courses, no job title and no organisation.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="sfz_osoby", rows=rows, want=want, line_end="\n")


def fahrer_import():
    """A Vienna transport firm's drivers with German headers: staff ids,
    family name first, mobiles with +43 (one without spaces, one at home
    '0664 ...'), drivers from Poland, Hungary and Czechia with their home
    numbers, postal codes as text (one with a leading zero, one missing);
    UTF-8, LF."""
    s = SOURCES["fahrer_import"]
    rows, want = [s["header"]], []
    for staff, family, given, phone, mail, code in DRIVERS18:
        rows.append([staff, family, given, phone, mail, code])
        # 'Telefon' names no kind; 'PLZ' is an address with its postal code alone (none where empty); the staff
        # id is nobody's.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)],
                         adrs=[(None, "", "", "", code, "")] if code else []))
    return dict(source="fahrer_import", rows=rows, want=want, line_end="\n")


def besucher_doppelt():
    """A Leipzig studio's visitors entered twice, as its report lists them:
    three counts of the pair's likeness, ids, customer numbers, 'Frau' or
    'Herr', each visitor's two records one below the other (a second
    mailbox, a missing phone or mailbox, another number), active 1/0, ISO
    dates, a last visit missing; unquoted, LF."""
    s = SOURCES["besucher_doppelt"]
    rows, want = [s["header"]], []
    for row in VISITORS18:
        _, _, _, _, _, _, family, given, phone, mail, _, _, _ = row
        rows.append(list(row))
        # Each record is a card, as the report lists it (merging them is not the export's word); 'Anrede' is the
        # salutation, not scored; 'Telefon' names no kind; counts, ids, customer numbers, flag and dates are
        # nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="besucher_doppelt", rows=rows, want=want, line_end="\n")


def zaehler_ablesung():
    """A Dresden utility's homes not yet read, as its program writes them:
    person ids, meter numbers, family name first, phone numbers read as
    integers (the leading zero lost: '3518041227', mobiles '1715520418';
    '0' where none is known), the street and the house number apart, the
    done flag; homes without a person as '0;...;null;null;0;...'; unquoted,
    LF."""
    s = SOURCES["zaehler_ablesung"]
    rows, want = [s["header"]], []
    lines = [";".join(s["header"])]
    for person_id, meter, family, given, phone, street, number, done in METERS18:
        line = [person_id, meter, family, given, phone, street, number, done]
        lines.append(";".join(line))
        if person_id == "0":
            # A home without a person ('null', id 0) is no contact.
            continue
        rows.append(line)
        # The phone is the number as the file has it ('0' is none); the street is name and house number, no town
        # or postal code in the file, neither home nor work; the id, meter and flag are nobody's.
        want.append(card(person(given, family), tels=[(ANY, phone)] if phone != "0" else [],
                         adrs=[(None, f"{street} {number}", "", "", "", "")]))
    text = "\n".join(lines) + "\n"
    return dict(source="zaehler_ablesung", rows=rows, want=want, text=text)


def kontakty_telefon():
    """A phone's contacts saved as a Czech CSV: given name first, entries
    with a first name or a nickname alone ('Máma', 'Vojta'), a trade in the
    given name's place ('Instalatér Kubíček'), numbers with +420 (one at
    home), a Slovak and a German one; UTF-16 with its signature, LF."""
    s = SOURCES["kontakty_telefon"]
    rows, want = [s["header"]], []
    for given, family, phone in PHONEBOOK18:
        rows.append([given, family, phone])
        # The names as the phone holds them ('Instalatér' is the given name's cell, no job title); 'Telefon'
        # names no kind.
        want.append(card(person(given, family), tels=[(ANY, phone)]))
    return dict(source="kontakty_telefon", rows=rows, want=want, line_end="\n")
