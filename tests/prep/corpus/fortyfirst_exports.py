"""Forty-first held-out set: booking and practice tools: an Australian
physiotherapy practice system, a US veterinary data conversion, a US gym's
member import, a London tutoring agency platform, a Dutch training
institute's planner and a Brazilian veterinary tele-radiology service's
clinic accounts. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from fortyfirst_headers import SOURCES
from fortyfirst_people import GYMPOINT41, NOOKAL41, PLANADAY41, TUTORCRUNCHER41, UNIRADIO41, VETDATA41
from people import person


def iso_date(text):
    """'1954-03-17' as (1954, 3, 17), '' as None."""
    return tuple(int(x) for x in text.split("-")) if text else None


def us_date(text):
    """'08/22/1986' (month first) as (1986, 8, 22), '' as None."""
    if not text:
        return None
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def dutch_date(text):
    """'12-03-1984' (day first) as (1984, 3, 12), '' as None."""
    if not text:
        return None
    day, month, year = (int(x) for x in text.split("-"))
    return year, month, day


def nookal_clients():
    """An Adelaide physiotherapy clinic's clients for Nookal: titles, middle
    names, ISO birth dates (one missing), notes with commas and another
    person's phone, units on the first address line and the street on the
    second ('Unit 3', '22 Grote Street'), a Darwin postcode with its leading
    zero ('0800'), one empty country, home, mobile and work phones apart, a
    child whose mailbox is his mother's, two without a mailbox; Polish,
    Czech, Austrian, Hungarian and Croatian clients among them."""
    s = SOURCES["nookal_clients"]
    rows, want = [s["header"]], []
    for row in NOOKAL41:
        (title, given, _, family, _, born, _, _, line1, line2, suburb, state, country, code, home, mobile, work,
         mail) = row
        rows.append(list(row))
        # Each row is a client: 'Title' the name's prefix, 'First Name' and 'Last Name' the name ('Middle Name'
        # the middle one, FN without it); 'Date of Birth' the birthday. 'Home Phone' HOME, 'Mobile Phone' CELL,
        # 'Work Phone' WORK. The address is untyped: 'Address Line 1' the street with 'Address Line 2' after it
        # (Nookal puts the unit or level first), 'City / Suburb' the town, 'State' the region, 'Postcode' as
        # written, 'Country' as written or none. Notes, gender and the registration date are nobody's: a
        # number or a name in the notes is another person's.
        tels = [(kind, number) for kind, number in (("HOME", home), ("CELL", mobile), ("WORK", work)) if number]
        p = person(given, family, title, emails=[mail] if mail else [], birthday=iso_date(born))
        want.append(card(p, tels=tels, adrs=[(None, line1 or line2, suburb, state, code, country)],
                         birthday=bool(born)))
    return dict(source="nookal_clients", rows=rows, want=want)


VETDATA_KINDS = {"Home": "HOME", "Cell": "CELL", "Work": "WORK", "Fax": "FAX"}


def vetdata_text(rows):
    """The file as VetData's typed sample writes it: every string in double
    quotes, the empty ones too, the integer FileNumber bare."""
    def field(k, value, header):
        if not header and k == 1:
            return value
        return '"' + value.replace('"', '""') + '"'
    return "".join(",".join(field(k, v, n == 0) for k, v in enumerate(row)) + "\r\n" for n, row in enumerate(rows))


def vetdata_clients():
    """A Cleveland animal hospital's clients in VetData's Client.CSV: every
    string quoted and the file number bare (empty for some), salutations,
    middle initials, second address lines ('Apt 3B', 'Suite 200'), the county
    beside the state, languages, up to three phones each with its type in
    the next column ('Home', 'Cell', 'Work', 'Fax', 'Other' and one empty),
    employers, spouses' names, alerts; two referral hospitals with nothing but
    their name in LastName and a referring doctor at her practice; Slovene,
    Hungarian, Polish, Czech, Serbian, Slovak and German names."""
    s = SOURCES["vetdata_clients"]
    rows, want = [s["header"]], []
    for row in VETDATA41:
        (_, _, _, salutation, family, given, _, street, _, city, state, code, country, _, _, mail, phone1, kind1,
         phone2, kind2, phone3, kind3, employer) = row[:23]
        rows.append(list(row))
        # 'FirstName' and 'LastName' the name, 'Salutation' its prefix, 'MiddleName' the middle one (FN without
        # it); 'Employer' the organisation. A row with a 'LastName' and no 'FirstName' is a referral hospital:
        # the organisation alone. Each 'PhoneNAsIs' is a phone of the kind its 'PhoneTypeN' names ('Cell' CELL,
        # 'Home' HOME, 'Work' WORK, 'Fax' FAX; 'Other' or nothing untyped). 'Address1' the street, 'Address2'
        # after it, 'City', 'State' the region, 'Zip', 'Country' as written; the county is no part of the
        # card. Spouse, alert, language, type code and numbers are nobody's.
        tels = [(VETDATA_KINDS.get(kind, ANY), number)
                for number, kind in ((phone1, kind1), (phone2, kind2), (phone3, kind3)) if number]
        emails = [mail] if mail else []
        if given:
            p = person(given, family, salutation, org=employer, emails=emails)
        else:
            p = person(org=family, emails=emails)
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, country)]))
    return dict(source="vetdata_clients", rows=rows, want=want, text=vetdata_text(rows))


def gympoint_members():
    """A Pittsburgh gym's members for GymPoint: birth and join dates month
    first (one birth date missing), phones written three ways, an emergency
    contact with a phone for most (a couple each other's), plans and statuses,
    a lead with nothing but a phone and a note, a New Jersey zip with its
    leading zero, barcodes; Slovak, Hungarian, Czech, Polish and Croatian
    family names."""
    s = SOURCES["gympoint_members"]
    rows, want = [s["header"]], []
    for row in GYMPOINT41:
        (given, family, mail, phone, _, _, _, street, city, state, code, born) = row[:12]
        rows.append(list(row))
        # Each row is a member: 'first_name' and 'last_name'; 'email' the mailbox; 'phone' of no kind;
        # 'date_of_birth' the birthday, month first. 'address', 'city', 'state' (the region) and 'zip' the
        # untyped address, no country; none where all are empty. The emergency contact and that phone are
        # another person's, no part of the card; plan, status, dates, notes and barcode nobody's.
        adrs = [(None, street, city, state, code, "")] if street or city or code else []
        p = person(given, family, emails=[mail] if mail else [], birthday=us_date(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs, birthday=bool(born)))
    return dict(source="gympoint_members", rows=rows, want=want)


def tutorcruncher_clients():
    """A London tutoring agency's clients for TutorCruncher: parents, a
    school and a borough council that pay for pupils, with their name in
    'Last name' alone, statuses, a mailbox with a blank after it, mobiles and
    phones apart, foreign mobiles, a street with a flat and a comma (quoted),
    two prospects without an address; Polish, Hungarian, Czech and German
    parents among them."""
    s = SOURCES["tutorcruncher_clients"]
    rows, want = [s["header"]], []
    for row in TUTORCRUNCHER41:
        _, mail, given, family, mobile, phone, street, town = row
        rows.append(list(row))
        # Each row is a client: 'First Name' and 'Last name' the name; with 'Last name' alone the client is a
        # school or a council: the organisation alone. 'Email' the mailbox without the blanks around it;
        # 'Mobile' CELL, 'Phone' of no kind; 'Street' and 'Town' an untyped address without postcode or
        # country, none where both are empty. The status is nobody's.
        tels = [("CELL", mobile)] if mobile else []
        tels += [(ANY, phone)] if phone else []
        emails = [mail.strip()] if mail.strip() else []
        p = person(given, family, emails=emails) if given else person(org=family, emails=emails)
        adrs = [(None, street, town, "", "", "")] if street or town else []
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="tutorcruncher_clients", rows=rows, want=want)


def planaday_cursisten():
    """An Eindhoven first-aid and safety training institute's participants
    for Planaday, saved as 'CSV UTF-8' by a Dutch Excel: the family name's
    prefix apart ('van den', 'de'), maiden names, the street, house number and
    its addition apart ('12', 'a'), a building and floor on the second line,
    Dutch postal codes and a Belgian one, titles ('ing.', 'dr.', 'mr.',
    'drs.'), birth dates day first, BSN numbers, employee and debtor numbers,
    two private participants without a firm; Polish, Hungarian, Czech and
    German employees among them."""
    s = SOURCES["planaday_cursisten"]
    rows, want = [s["header"]], []
    for row in PLANADAY41:
        (firm, family, given, _, prefix, street, number, addition, town, country, _, code, _, _, _, born, phone1,
         phone2, title, _, _, mail) = row[:22]
        job = row[25]
        rows.append(list(row))
        # Each row is a participant: 'voornaam' the given name; 'tussenvoegsel' and 'achternaam' together the
        # family name ('van den Berg'); 'meisjesnaam' no part of it. 'titel' the name's prefix; 'bedrijfsnaam'
        # the organisation, 'functie' the job title. 'adres_1' with 'huisnummer' and its addition straight
        # after it is the street ('Kerkstraat 12a'), 'adres_2' after it; 'plaats', 'postcode' and 'land' as
        # written, untyped. Both phones of no kind; 'emailadres' the mailbox; 'datum_geboortedatum' the
        # birthday, day first. BSN, employee and debtor numbers, birthplace, sex, languages and 'actief' are
        # nobody's.
        full_family = f"{prefix} {family}" if prefix else family
        tels = [(ANY, n) for n in (phone1, phone2) if n]
        p = person(given, full_family, title, org=firm, job=job, emails=[mail] if mail else [],
                   birthday=dutch_date(born))
        want.append(card(p, tels=tels, adrs=[(None, f"{street} {number}{addition}", town, "", code, country)],
                         birthday=True))
    return dict(source="planaday_cursisten", rows=rows, want=want, bom=True)


def owner_name(text):
    """'Dra. Fernanda Kowalski' as ('Dra.', 'Fernanda', 'Kowalski'), 'Mariana
    da Silva' as ('', 'Mariana', 'da Silva')."""
    words = text.split()
    prefix = words.pop(0) if words[0] in ("Dr.", "Dra.") else ""
    return prefix, words[0], " ".join(words[1:])


def uniradio_clinics():
    """A Curitiba veterinary tele-radiologist's clinic accounts for UniRadio:
    the owner's whole name in one cell, some with 'Dr.' or 'Dra.', a family
    name with its particle ('da Silva'), the account's name repeating the
    clinic's (empty once), the account's mailbox beside the owner's (the same
    for some, empty once), legal names ending in 'Ltda' or 'ME'; owners of
    Polish, German, Ukrainian and Hungarian descent among them."""
    s = SOURCES["uniradio_clinics"]
    rows, want = [s["header"]], []
    for row in UNIRADIO41:
        clinic, owner, owner_mail, _, account_mail, _ = row
        rows.append(list(row))
        # Each row is a clinic's owner at the clinic: 'Owner Name' FN as written, a leading 'Dr.' or 'Dra.' the
        # name's prefix, the next word the given name and the rest the family name; 'Name' the organisation
        # ('Account Name' only repeats it). 'Owner Email' and then 'Account Email' the mailboxes, once where
        # they are the same. 'Billing Name', the legal name, is no part of the card.
        prefix, given, family = owner_name(owner)
        emails = [owner_mail] + ([account_mail] if account_mail and account_mail != owner_mail else [])
        p = person(given, family, prefix, org=clinic, emails=emails)
        want.append(card(p, fn=owner))
    return dict(source="uniradio_clinics", rows=rows, want=want)
