"""Ninety-first held-out set: an engineering firm's digital business cards
(Profyle Card), an event platform's lead list (talque), a Taiwanese contact
manager's import (toomaker) and the lead lists of two sales apps (Tuco AI,
Intelous). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from ninetyfirst_headers import SOURCES
from ninetyfirst_people import INTELOUS91, PROFYLE91, TALQUE91, TOOMAKER91, TUCO91


def profyle_address(cell):
    """'street;line 2;city;region;postcode;country' as a card's address, the
    second line after the street; None for an empty cell."""
    if not cell:
        return None
    street, line2, city, region, code, country = cell.split(";")
    return (None, ", ".join(x for x in (street, line2) if x), city, region, code, country)


def profyle_people():
    """An engineering consultancy's staff from Profyle Card's People export:
    Czech, Slovak, Polish and Hungarian staff beside the Manchester office,
    prefixes ('Ing.', 'Dr.', 'Mr'), post-nominals in their own column ('PhD,
    FREng'), pronouns, bios with commas, NFC card ids and 'true'/'false', a
    LinkedIn page as a link or a bare name, handles, groups, an address in
    one cell split by semicolons for a few (a second line for one), location
    modes and quoted location ids; one engineer without a mobile."""
    s = SOURCES["profyle_people"]
    rows, want = [s["header"]], []
    for row in PROFYLE91:
        (_, prefix, given, family, mail, mobile, position, _, nominals, _, _, _, _, _, _, _, _, address) = row[:18]
        rows.append(list(row))
        # Each row is a member of staff: 'first_name' and 'last_name'; 'prefix' the name's prefix and 'nominals'
        # its suffix; 'position' the job title. 'mobile' CELL, 'email' the mailbox. 'address' is one cell of six
        # parts split by ';': street, a second street line, city, region, postcode and country, the address
        # untyped. There is no company column: 'department' and 'group' are units of the account, no organisation.
        # Pronouns, bio, NFC card, social handles and location settings are nobody's field on the card.
        p = person(given, family, prefix, nominals, job=position, emails=[mail])
        adr = profyle_address(address)
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [], adrs=[adr] if adr else []))
    return dict(source="profyle_people", rows=rows, want=want)


def talque_leads():
    """Exhibitor leads after a Munich logistics congress from talque's lead
    list: German, Austrian, Czech, Polish, Hungarian, Slovak, Slovene and
    Croatian contacts, firms with '&', '+' and apostrophes, German job titles,
    'Chat' and 'Profile' origins, a freelancer and a private mailbox without
    a firm, one lead without a country."""
    s = SOURCES["talque_leads"]
    rows, want = [s["header"]], []
    for given, family, mail, firm, job, origin, country in TALQUE91:
        rows.append([given, family, mail, firm, job, origin, country])
        # Each row is a person: 'First Name' and 'Last Name'; 'Company Name' the organisation; 'Job title' the
        # title; 'Email' the mailbox. 'Country' is an address of the country alone, as written, none where empty.
        # 'Origin' says how the lead came (a chat, the profile), nobody's field.
        p = person(given, family, org=firm, job=job, emails=[mail])
        want.append(card(p, adrs=[(None, "", "", "", "", country)] if country else []))
    return dict(source="talque_leads", rows=rows, want=want)


def toomaker_contacts():
    """A Taipei machine-tool trader's contacts for toomaker's import: Chinese
    names with the display name family first and without a blank ('陳怡君'),
    an English display name over Chinese parts ('Kevin Huang'), Czech,
    Polish, Hungarian and German suppliers, a middle name, one display name
    empty, Taiwanese numbers dialled at home ('02-2758-1234', '0912-345-678')
    and foreign ones with '+', a contact without a mailbox, one with nothing
    but name and mailbox."""
    s = SOURCES["toomaker_contacts"]
    rows, want = [s["header"]], []
    for display, family, given, middle, mail, phone, position in TOOMAKER91:
        rows.append([display, family, given, middle, mail, phone, position])
        # 'displayName' is FN as written ('陳怡君', 'Kevin Huang'), else the given and family names; 'givenName'
        # and 'familyName' the parts; 'middleName' at most the middle name. 'phone' names no kind; 'position' the
        # job title. No organisation: the trader's contacts carry none.
        p = person(given, family, job=position, emails=[mail] if mail else [])
        want.append(card(p, fn=display or None, tels=[(ANY, phone)] if phone else []))
    return dict(source="toomaker_contacts", rows=rows, want=want)


def tuco_leads():
    """A Chicago packaging supplier's leads from a trade fair for Tuco AI:
    US numbers with '+1', Czech, Polish and Hungarian leads, further phones
    and mailboxes in 'altPhone1'..'altEmail3' (most empty), LinkedIn pages
    for a few, notes with commas, quotes and dates, a consultant without a
    firm."""
    s = SOURCES["tuco_leads"]
    rows, want = [s["header"]], []
    for row in TUCO91:
        (given, family, mail, phone, alt1, alt2, alt3, altmail1, altmail2, altmail3, firm, job) = row[:12]
        rows.append(list(row))
        # Each row is a person: 'firstName' and 'lastName'; 'companyName' the organisation; 'jobTitle' the title.
        # 'phone' and each 'altPhone' are the lead's numbers, of no kind; 'email' and each 'altEmail' the lead's
        # mailboxes. The LinkedIn page is a profile, no web page of the card; notes nobody's field.
        tels = [(ANY, n) for n in (phone, alt1, alt2, alt3) if n]
        mails = [m for m in (mail, altmail1, altmail2, altmail3) if m]
        want.append(card(person(given, family, org=firm, job=job, emails=mails), tels=tels))
    return dict(source="tuco_leads", rows=rows, want=want)


def intelous_leads():
    """A Vienna software vendor's prospects for Intelous: whole names in
    'FullName' with Czech, Hungarian, Polish, Slovene and Slovak letters,
    firms with commas and dots ('Krka, d. d.'), countries as English names
    ('Czechia'), one without a country, numbers with the country's code,
    three without one, LinkedIn pages for a few."""
    s = SOURCES["intelous_leads"]
    rows, want = [s["header"]], []
    for full, mail, title, firm, country, phone, linkedin in INTELOUS91:
        rows.append([full, mail, title, firm, country, phone, linkedin])
        # 'FullName' is FN as written, parted at its blank, given first; 'Title' the job title, 'Company' the
        # organisation, 'Email' the mailbox, 'PhoneNumber' of no kind. 'Country' an address of the country alone,
        # as written, none where empty. The LinkedIn page is a profile, no web page of the card.
        given, family = full.split(" ", 1)
        p = person(given, family, org=firm, job=title, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, "", "", "", "", country)] if country else []))
    return dict(source="intelous_leads", rows=rows, want=want)
