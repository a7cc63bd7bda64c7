"""Eighty-sixth held-out set: libraries' reader files (a Swiss town library,
a German school library, an international school's library), a literary
magazine's members, a travel magazine's digital subscribers and a bookshop's
customers. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from eightysixth_headers import SOURCES
from eightysixth_people import BIBLIOMAKER86, GHOST86, MAXANT86, PAPYRUS86, SCHULLOGISTIK86, YUDU86
from people import person


def german_date(text):
    """'14.03.1981' as (1981, 3, 14)."""
    day, month, year = (int(x) for x in text.split("."))
    return year, month, day


def compact_date(text):
    """'14031978' (ddMMyyyy) as (1978, 3, 14)."""
    return int(text[4:]), int(text[2:4]), int(text[:2])


def whole_name(name):
    """A whole name given name first, parted at its first blank."""
    given, _, family = name.partition(" ")
    return given, family


def private_phone(number):
    """The kind a careful reader gives a 'Privates Telefon': home, where a
    Swiss mobile number (07x) may as well be kept as the mobile it is."""
    return "HOME|CELL" if number.startswith("07") else "HOME"


def bibliomaker_adressen():
    """A Winterthur town library's readers in BiblioMaker's 'Einfach' format,
    tab-separated: reader codes, salutations for most, a child without phone
    or mailbox whose parents are named in the remark, a post-office box and a
    floor in 'Adresse 2', Swiss numbers with blanks (landlines and mobiles in
    'Privates Telefon'), a joiner with fax and web page whose loans are
    blocked, a kindergarten borrowing for its class with a contact person, a
    cross-border reader from Konstanz, a reader from Lugano; Czech, Polish,
    Hungarian and Slovak readers among the Swiss ones."""
    s = SOURCES["bibliomaker_adressen"]
    rows, want = [s["header"]], []
    for (code, salutation, given, name, street, street2, postcode, town, phone, category, status, sex, born,
         allowance, country, language, fax, canton, mail, web, remark, last_loan, blocked,
         contact) in BIBLIOMAKER86:
        rows.append([code, salutation, given, name, street, street2, postcode, town, "", phone, category, status,
                     sex, born, allowance, country, "", "", "", "", language, fax, canton, mail, web, remark, "",
                     last_loan, blocked, "", contact])
        # 'Vorname' and 'Name' the reader; 'Anrede' the prefix. 'Adresse 1' the street, 'Adresse 2' its second
        # line (a post-office box, a floor); 'Stadt', 'PLZ', 'Kanton' (the region) and 'Land' as written, the
        # address untyped. 'Privates Telefon' a home number, 'Telefax' a fax, 'E-mail' the mailbox, 'Webseite'
        # the web page, 'Geburtsdatum' the birthday, day first. A row with 'Name' and no 'Vorname' whose name is
        # a body's (a kindergarten) is that organisation alone; its number is of no kind. 'Kontaktperson' and
        # the parents in a remark are other people, no part of the card; code, category, status, sex, allowance,
        # language, dates of loans and the block flag nobody's.
        adrs = [(None, street, town, canton, postcode, country)]
        emails = [mail] if mail else []
        if not given:
            want.append(card(person(org=name, emails=emails), tels=[(ANY, phone)] if phone else [], adrs=adrs))
            continue
        tels = ([(private_phone(phone), phone)] if phone else []) + ([("FAX", fax)] if fax else [])
        p = person(given, name, prefix=salutation, emails=emails, birthday=german_date(born), url=web)
        want.append(card(p, tels=tels, adrs=adrs, birthday=True, url=True))
    return dict(source="bibliomaker_adressen", rows=rows, want=want)


def schullogistik_personen():
    """A Zittau grammar school's pupils and two teachers for SchulLogistik's
    person import, saved as 'CSV UTF-8' by a German Excel: family name first,
    hyphenated and double given names, a double family name, birth dates
    'dd.mm.yyyy' (one on 29 February), none for the teachers, classes and
    'Lehrer'; Czech, Polish and Hungarian pupils among the German ones."""
    s = SOURCES["schullogistik_personen"]
    rows, want = [s["header"]], []
    for family, given, born, klass in SCHULLOGISTIK86:
        rows.append([family, given, born, klass])
        # 'Vorname' the given name as written ('Emma Sophie' both), 'Nachname' the family name; FN the two,
        # given name first. 'Geburtsdatum' the birthday, day first. The class (or 'Lehrer') is nobody's.
        p = person(given, family, birthday=german_date(born) if born else None)
        want.append(card(p, birthday=True))
    return dict(source="schullogistik_personen", rows=rows, want=want, bom=True)


def papyrus_members():
    """A Brno international school's library members for Papyrus's import:
    member numbers (pupils' digits, staff's 'S0031'), two first names in
    'FirstNames' for two pupils, grade codes 'GR05' to 'GR12' and 'STAFF';
    Czech, Polish, Hungarian, English, Irish, German and Indian names."""
    s = SOURCES["papyrus_members"]
    rows, want = [s["header"]], []
    for number, first_names, surname, admin_type in PAPYRUS86:
        rows.append([number, first_names, surname, admin_type])
        # 'FirstNames' the given name as written, both names where there are two ('Tomáš Jan'); 'Surname' the
        # family name; FN the two. The member number and the grade code are the library's, nobody's card.
        want.append(card(person(first_names, surname)))
    return dict(source="papyrus_members", rows=rows, want=want)


def ghost_members():
    """A Prague English-language literary magazine's members for Ghost's
    import: whole names in 'name', Czech, Polish, Hungarian, German, Slovak,
    English and Irish readers, a research library and a bookshop as members,
    one mailbox without a name, notes and labels with commas (quoted),
    'true'/'false' flags, Stripe ids and 'auto', ISO timestamps."""
    s = SOURCES["ghost_members"]
    rows, want = [s["header"]], []
    for row in GHOST86:
        mail, name = row[0], row[1]
        rows.append(list(row))
        # 'email' the mailbox; 'name' the member's whole name, given name first: FN as written, parted at the
        # first blank. A name that is a body's (a library, a bookshop) makes the card that organisation alone.
        # A mailbox with no name is a card of that mailbox alone. Note, flags, Stripe id, labels and the date
        # are the magazine's, nobody's card.
        if name in ("Moravskoslezská vědecká knihovna", "Knihkupectví Pod Hradem"):
            want.append(card(person(org=name, emails=[mail])))
            continue
        given, family = whole_name(name)
        want.append(card(person(given, family, emails=[mail]), fn=name or None))
    return dict(source="ghost_members", rows=rows, want=want)


def yudu_subscribers():
    """A London publisher's subscribers to the digital edition of a travel
    magazine for YUDU's bulk upload: passwords and user names beside the
    mailboxes (the user name the mailbox for some), two first names in
    'firstnames', town, region and country only (some regions, one country
    and one whole place missing), British and Central European readers,
    subscription dates day first."""
    s = SOURCES["yudu_subscribers"]
    rows, want = [s["header"]], []
    for row in YUDU86:
        mail, _, first_names, surname, town, region, country = row[:7]
        rows.append(list(row))
        # 'firstnames' the given name as written, 'surname' the family name; 'email' the mailbox. 'town/city',
        # 'region' and 'country' an untyped address with no street nor postal code. The password is a secret,
        # never on a card; the user name (a login, even where it is the mailbox) and the dates are nobody's.
        adrs = [(None, "", town, region, "", country)] if town or region or country else []
        want.append(card(person(first_names, surname, emails=[mail]), adrs=adrs))
    return dict(source="yudu_subscribers", rows=rows, want=want)


def maxant_bookstore_customers():
    """A Vienna English bookshop's customers for maxant BookStore's generic
    import: titles ('Mrs', 'Dr'), a law firm and a book club beside their
    people, an adult-education centre's library with no person, Austrian
    numbers dialled at home and foreign ones, a phone and a mobile, birthdays
    'ddMMyyyy' without separators, categories and children's names listed
    with ';', a customer without a mailbox, one with only a mobile and a
    mailbox; Czech, Polish, Hungarian and Slovak customers among them."""
    s = SOURCES["maxant_bookstore_customers"]
    rows, want = [s["header"]], []
    for row in MAXANT86:
        (title, given, family, firm, street, street2, town, state, postcode, country, phone, mobile, born, _, _,
         mail) = row[:16]
        rows.append(list(row))
        # 'First name' and 'Last name' the customer, 'Title' the prefix; 'Business Name' the organisation. The
        # address untyped: 'Address Line 1' the street, 'Address Line 2' its second line, 'City', 'State' (the
        # region), 'Postal Code' and 'Country' as written. 'Phone' names no kind, 'Mobile' the mobile. 'Email
        # Address' the mailbox; 'Birthday' the birthday (day, month, year without separators). A row with a
        # business name and no person is that organisation alone. The children's names are other people's;
        # categories, gender, notes and referer nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        adrs = [(None, street, town, state, postcode, country)] if street or town else []
        emails = [mail] if mail else []
        if not given and not family:
            want.append(card(person(org=firm, emails=emails), tels=tels, adrs=adrs))
            continue
        p = person(given, family, prefix=title, org=firm, emails=emails,
                   birthday=compact_date(born) if born else None)
        want.append(card(p, tels=tels, adrs=adrs, birthday=True))
    return dict(source="maxant_bookstore_customers", rows=rows, want=want)
