"""Fifty-second held-out set: practices' patient and client files (an
outpatient EHR's patient loader, a chiropractor's payment-plan service, a
Czech clinical registry, a dental group's staff import, an emergency
patient-tracking import and a veterinary clinic's pet owners). Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from fiftysecond_headers import SOURCES
from fiftysecond_people import CANVAS52, CASHPRACTICE52, DENTRIX52, EMTRACK52, IMTM52, OPENVPM52
from people import person

# Canvas's contact uses as a card's phone types; 'other', 'temp' and 'old' say nothing of the kind.
CANVAS_USES = {"home": "HOME", "work": "WORK", "mobile": "CELL"}


def iso_date(text):
    """'1984-03-17' as (1984, 3, 17)."""
    year, month, day = (int(x) for x in text.split("-"))
    return year, month, day


def us_date(text):
    """'03/28/1956' (month first) as (1956, 3, 28)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def day_first(text):
    """'12/03/1958' (day first) as (1958, 3, 12)."""
    day, month, year = (int(x) for x in text.split("/"))
    return year, month, day


def canvas_patients():
    """A Chicago family-medicine clinic's new patients for Canvas's patient
    loader: middle names, prefixes and suffixes ('Jr.', 'III', 'MD'),
    preferred names, mobiles written five ways, suites and units on the
    second street line, home and work addresses, one without a use and two
    without an address, two contact slots holding a mailbox, a home or work
    phone or a fax (some slots empty); Polish, Czech, Slovak and Hungarian
    patients among them."""
    s = SOURCES["canvas_patients"]
    rows, want = [s["header"]], []
    for row in CANVAS52:
        (given, family, born, _, mobile, _, prefix, suffix, nickname, street, _, city, state, code, country,
         use) = row[:16]
        slots = [row[16:19], row[19:22]]
        rows.append(list(row))
        # 'first_name' and 'last_name' the patient, FN without the middle name; 'prefix' and 'suffix' the name's;
        # 'nickname' the preferred name; 'birthdate' the birthday. 'phone' is the primary mobile: CELL. A slot's
        # 'contact_N_system' says what its value is: an 'email' a mailbox, a 'phone' typed by 'contact_N_use'
        # (home, work, mobile; 'other' or none untyped), a 'fax' FAX. 'address_use' types the address; an empty
        # one leaves it untyped (home is the loader's default, not the file's). Sex nobody's.
        tels, emails = [("CELL", mobile)], []
        for system, value, kind in slots:
            if system == "email":
                emails.append(value)
            elif system == "phone":
                tels.append((CANVAS_USES.get(kind, ANY), value))
            elif system == "fax":
                tels.append(("FAX", value))
        adrs = [({"home": "HOME", "work": "WORK"}.get(use), street, city, state, code, country)] if street else []
        p = person(given, family, prefix, suffix, emails=emails, birthday=iso_date(born), nickname=nickname)
        want.append(card(p, tels=tels, adrs=adrs, birthday=True, nickname=True))
    return dict(source="canvas_patients", rows=rows, want=want)


def cashpractice_clients():
    """A Tampa chiropractor's patients for Cash Practice's import, every field
    quoted as in its header: the practice's numbers and ChiroTouch's account
    numbers (two missing), a patient without a mailbox, one without an
    address, the flat in the street ('#1204'), phone, work phone and cell
    each empty for some; Czech, Polish, Hungarian and Croatian patients."""
    s = SOURCES["cashpractice_clients"]
    rows, want = [s["header"]], []
    for row in CASHPRACTICE52:
        (_, _, mail, given, family, street, city, state, code, phone, work, cell) = row
        rows.append(list(row))
        # 'FirstName' and 'LastName' the patient; 'Email' the mailbox. 'Phone' names no kind; 'WorkPhone' WORK;
        # 'Cell' CELL. 'Address', 'City', 'State', 'Zip' the untyped address, no country. 'ClientID' and 'TPSID'
        # are the two programs' account numbers, nobody's.
        tels = [t for t in ((ANY, phone), ("WORK", work), ("CELL", cell)) if t[1]]
        adrs = [(None, street, city, state, code, "")] if street else []
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="cashpractice_clients", rows=rows, want=want, quote_all=True)


def imtm_patients():
    """An Olomouc cardiology registry's patients for IMTM's batch import:
    Czech, Slovak and Polish names with their letters, birth numbers with and
    without the fourth digit after the slash, phones as '(+420)731111111',
    four without a mailbox (one of them without a phone), insurers' codes, birth dates day first
    with slashes, the street alone in 'address' and the town apart."""
    s = SOURCES["imtm_patients"]
    rows, want = [s["header"]], []
    for row in IMTM52:
        (given, family, _, street, _, mail, phone, _, city, code, born) = row
        rows.append(list(row))
        # 'firstName' and 'lastName' the patient; 'email' the mailbox; 'telephone' names no kind, its code in
        # brackets kept. 'address' is the street, 'city' and 'postalCode' the rest of one untyped address, no
        # country. 'birthDate' the birthday, day first ('12/03/1958' is 12 March). Birth number, sex and insurer
        # nobody's on a card.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, "", code, "")],
                         birthday=True))
    return dict(source="imtm_patients", rows=rows, want=want)


def dentrixascend_users():
    """A Cleveland dental group's staff for Dentrix Ascend's user import:
    dentists and hygienists ('YES') with short names and their work
    addresses (street and city only), front-desk staff ('NO') with none,
    the group's mailboxes, log-in names; Czech, Slovak, Polish, Hungarian
    and Croatian names among them."""
    s = SOURCES["dentrixascend_users"]
    rows, want = [s["header"]], []
    for row in DENTRIX52:
        (given, family, _, mail, phone, _, _, street, city) = row
        rows.append(list(row))
        # Each row is a person: 'First Name' and 'Last Name'; 'Email' the mailbox; 'Phone Number' names no kind
        # (the help's home number is an example). 'Address' and 'City' are the provider's work address, WORK,
        # no state, code or country. User name, provider flag and short name are the program's.
        adrs = [("WORK", street, city, "", "", "")] if street else []
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)], adrs=adrs))
    return dict(source="dentrixascend_users", rows=rows, want=want)


def emtrack_patients():
    """A regional hospital's patients from a tour-bus accident drill for
    EMTrack: tag ids, passengers' list numbers as alternate ids (some
    empty), middle names for two, birth dates as 'yyyy-MM-dd' and
    'MM/dd/yyyy', one unknown with an age only, a toddler's age in months,
    ethnic backgrounds, triage colours and complaints; Polish, Czech,
    Hungarian and Serbian passengers among local people."""
    s = SOURCES["emtrack_patients"]
    rows, want = [s["header"]], []
    for row in EMTRACK52:
        (_, given, _, family, _, _, _, born) = row[:8]
        rows.append(list(row))
        # 'First Name' and 'Last Name' the patient, FN without 'Middle Name'; 'Date of Birth' the birthday,
        # read by its form: with '-' year first, with '/' month first. Ids, gender, background, age, triage and
        # complaint are the incident's, nobody's on a card.
        birthday = (iso_date(born) if "-" in born else us_date(born)) if born else None
        want.append(card(person(given, family, birthday=birthday), birthday=bool(born)))
    return dict(source="emtrack_patients", rows=rows, want=want)


def openvpm_clients():
    """A Pittsburgh animal clinic's pet owners for OpenVPM's client import:
    phones written four ways, one owner without a phone, one without an
    address, a flat in the street ('Apt 3'), towns around the city; Slovak,
    Polish, Hungarian and Czech owners among them."""
    s = SOURCES["openvpm_clients"]
    rows, want = [s["header"]], []
    for row in OPENVPM52:
        given, family, mail, phone, street, city, state, code = row
        rows.append(list(row))
        # Each row is an owner: 'firstName' and 'lastName'; 'email' the mailbox; 'phone' names no kind.
        # 'address', 'city', 'state', 'zip' the untyped address, no country. The pets are in another file.
        adrs = [(None, street, city, state, code, "")] if street else []
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="openvpm_clients", rows=rows, want=want)
