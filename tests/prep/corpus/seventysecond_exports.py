"""Seventy-second held-out set: small health practices' patient and client
files, a pharmacy's vaccination record and a home equipment provider in
French, a hearing test service, a functional medicine practice, a
psychotherapists' notes tool and an optometry practice's messaging service in
English. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventysecond_headers import SOURCES
from seventysecond_people import COLIBRI72, E4BIZZ72, HEADSUP72, RHINOGRAM72, SHOEBOX72, UPHEAL72


def day_first(text):
    """'14/03/1948' as (1948, 3, 14)."""
    day, month, year = (int(x) for x in text.split("/"))
    return year, month, day


def iso_date(text):
    """'1987-07-22' or '19870722' as (1987, 7, 22)."""
    digits = text.replace("-", "")
    return int(digits[:4]), int(digits[4:6]), int(digits[6:8])


def colibri_patients():
    """A Strasbourg pharmacy's vaccinated patients for Colibri's import, every
    value quoted: campaign tags, sex, birth dates day first, a guardian and an
    allergy in the note, the commune's INSEE code beside the postal code and
    no town's name, three without a mailbox, one without a phone; Czech,
    Polish and Hungarian patients among the Alsatians."""
    s = SOURCES["colibri_patients"]
    rows, want = [s["header"]], []
    for tag, sex, family, given, born, note, street, insee, code, phone, mail in COLIBRI72:
        rows.append([tag, sex, family, given, born, note, street, insee, code, phone, mail])
        # Each row is a patient: 'prenom' and 'nom'; 'telephone' names no kind; 'date_de_naissance' the
        # birthday, day first. 'adresse' and 'code_postal_ville' the address, untyped: 'code_ville' is the
        # INSEE code, a number no one writes on an envelope, so the card has no town rather than '67482'. The
        # note names a guardian at most, no one's card; tag and sex nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, "", "", code, "")],
                         birthday=True))
    return dict(source="colibri_patients", rows=rows, want=want, quote_all=True)


def e4bizz_patients():
    """A Lille home equipment provider's patients for e4-bizz MAD, saved as
    'CSV UTF-8' by a French Excel: family names in capitals as the tool
    keeps them, a second address line for flats and homes, social security
    numbers, a landline and a mobile apart, CRM codes, equipment notes, an
    inactive patient, one with nothing but a mobile and a mailbox."""
    s = SOURCES["e4bizz_patients"]
    rows, want = [s["header"]], []
    for row in E4BIZZ72:
        given, family, street, code, town, born, _, _, phone, mobile, mail = row[:11]
        rows.append(list(row))
        # 'Prénom' and 'Nom' (capitals kept: that is how the tool holds them, and no one can tell 'DE LA
        # FONTAINE' from 'de La Fontaine' again); 'Téléphone' is 'fixe ou mobile', so of no kind, 'Mobile' a
        # cell phone; 'Adresse', 'Complément d'adresse' (its second line), 'Code postal' and 'Ville' the
        # untyped address, no country. Social security number, CRM code, note and the active flag nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born) if born else None)
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "")], birthday=bool(born)))
    return dict(source="e4bizz_patients", rows=rows, want=want, separator=";", bom=True)


def shoebox_patients():
    """An Ontario hearing conservation provider's tested workers for
    SHOEBOX's patient import: ids, middle initials, ISO dates (birth, hire,
    test), a unit and a floor in the second and third address lines,
    employers and positions, a college for an apprentice, statuses as 'A',
    'I' and 'Active'; Polish, Czech, Hungarian and Croatian workers among
    them, two without a mailbox, one without a phone."""
    s = SOURCES["shoebox_patients"]
    rows, want = [s["header"]], []
    for row in SHOEBOX72:
        (_, family, given, _, _, born, _, mail, _, cell, street, _, _, city, state, country, code, _, _, firm, _,
         _, _, position) = row[:24]
        rows.append(list(row))
        # Each row is a worker: 'FirstName' and 'LastName' ('MI' the middle initial at most); 'Company' the
        # organisation and 'JobPosition' the title ('JobClassification' is a class, 'Department' and
        # 'Facility' places in the firm); 'CellPhone' a cell phone; 'Addr1' the street, 'Addr2'/'Addr3' its
        # further lines, 'City', 'State', 'Zip', 'Country' the untyped address; 'BirthDate' the birthday.
        # Ids, employee numbers, the college, dates of hire and test and the status are nobody's.
        p = person(given, family, org=firm, job=position, emails=[mail] if mail else [],
                   birthday=iso_date(born))
        want.append(card(p, tels=[("CELL", cell)] if cell else [], adrs=[(None, street, city, state, code,
                                                                          country)], birthday=True))
    return dict(source="shoebox_patients", rows=rows, want=want)


def headsup_clients():
    """A Denver functional medicine practice's clients for Heads Up Health:
    the mailbox first, temporary passwords in clear, birth dates as
    'YYYYMMDD', 'male'/'female', tags (some empty), external ids but one;
    Czech, Polish and Hungarian clients among them."""
    s = SOURCES["headsup_clients"]
    rows, want = [s["header"]], []
    for mail, password, given, family, born, gender, tag, key in HEADSUP72:
        rows.append([mail, password, given, family, born, gender, tag, key])
        # Each row is a client: 'first_name' and 'last_name'; 'email_address' the mailbox; 'birthdate' the
        # birthday, digits only. The password must never reach a card; gender, tag and id nobody's.
        p = person(given, family, emails=[mail], birthday=iso_date(born))
        want.append(card(p, birthday=True))
    return dict(source="headsup_clients", rows=rows, want=want)


def upheal_clients():
    """A Chicago group therapy practice's clients for Upheal: pronouns
    ('They/them'), preferred names for some ('Kate' for Katherine), phones in
    three US shapes and one Hungarian, one client without a mailbox and one
    without a phone; Polish, Czech and Hungarian clients among them."""
    s = SOURCES["upheal_clients"]
    rows, want = [s["header"]], []
    for given, family, pronouns, preferred, mail, phone in UPHEAL72:
        rows.append([given, family, pronouns, preferred, mail, phone])
        # Each row is a client: 'first_name' and 'last_name' are the name and FN; 'preferred_name' is what
        # the client is called, the card's nickname, never the given name. 'email' the mailbox, 'phone' of no
        # kind; pronouns nobody's property on a card.
        p = person(given, family, emails=[mail] if mail else [], nickname=preferred)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], nickname=True))
    return dict(source="upheal_clients", rows=rows, want=want)


def rhinogram_patients():
    """A Phoenix optometry practice's patients for Rhinogram's import: the
    four recommended columns only, numeric ids and one UUID, ISO birth dates
    (one missing); Polish, Czech, Hungarian, Slovak and Vietnamese names."""
    s = SOURCES["rhinogram_patients"]
    rows, want = [s["header"]], []
    for key, family, given, born in RHINOGRAM72:
        rows.append([key, family, given, born])
        # Each row is a patient: 'firstName' and 'lastName', 'birthday' the birthday; the id nobody's. A card
        # with a name alone is still the patient's card.
        p = person(given, family, birthday=iso_date(born) if born else None)
        want.append(card(p, birthday=bool(born)))
    return dict(source="rhinogram_patients", rows=rows, want=want)
