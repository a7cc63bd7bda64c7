"""Seventieth held-out set: the files of bodies people join (a union local's
personnel upload, a chamber's member roster for its federation, a sailing
club's duty rota, an alumni association's wallet cards, a nurses'
association's ballot and a city council campaign's canvassing list). Each
maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventieth_headers import SOURCES
from seventieth_people import (DUTYMAN70, ELECTIONBUDDY70, FRONTCOVER70, ORGANIZER70, UNIONTRACK70,
                               USCHAMBER70)


def split_label(label):
    """A voter's label as a careful reader splits it: 'Family, Given' at the
    comma, else given name first and the last word the family name."""
    if "," in label:
        family, given = (x.strip() for x in label.split(",", 1))
        return given, family
    given, _, family = label.rpartition(" ")
    return given, family


def uniontrack_personnel():
    """A Cleveland steelworkers' local's members for UnionTrack Engage's
    personnel upload: member and employer numbers shaped like dates and
    codes, middle names and initials, occupations and work levels ('Retired',
    'Probation'), a flat or unit in 'Address 2', ZIP+4 once, home and mobile
    phones (either missing), a second mailbox for some, one member with no
    mailbox at all; Czech, Polish, Hungarian, Slovene, Croatian and Romanian
    names among them."""
    s = SOURCES["uniontrack_personnel"]
    rows, want = [s["header"]], []
    for row in UNIONTRACK70:
        (_, _, given, _, family, job, _, street, _, city, state, code, home, mobile, mail, mail2) = row
        rows.append(list(row))
        # Each row is a member: 'First Name' and 'Last Name', the middle name neither; 'Occupation' the job title.
        # 'Home Phone' is HOME and 'Mobile Phone' CELL; 'Primary Email' and 'Secondary Email' both the member's.
        # The address is where the member lives ('City ... where the employee resides'): HOME, 'Address 2' after
        # the street or apart, 'State Province' the region, 'Zip Postal' the code as written, no country. The
        # member and employment numbers and the work level are the union's own.
        tels = [(kind, number) for kind, number in (("HOME", home), ("CELL", mobile)) if number]
        p = person(given, family, job=job, emails=[m for m in (mail, mail2) if m])
        want.append(card(p, tels=tels, adrs=[("HOME", street, city, state, code, "")]))
    return dict(source="uniontrack_personnel", rows=rows, want=want)


def uschamber_roster():
    """A Wilkes-Barre chamber's business members for the federation's roster,
    saved as 'CSV UTF-8' by Excel: member ids, prefixes ('Col.', 'Dr.') and
    middle initials, one contact without a title or mailbox, suites and
    buildings on the extra line, the ZIP extension apart from the ZIP for
    some, business phones and faxes (a few without a fax); Polish, Slovak,
    Hungarian and Czech owners among them."""
    s = SOURCES["uschamber_roster"]
    rows, want = [s["header"]], []
    for row in USCHAMBER70:
        (_, prefix, given, _, family, job, firm, street, _, city, state, code, extension, phone, fax, mail) = row
        rows.append(list(row))
        # Each row is the primary contact of a member business: 'Contact first name' and 'Contact last name', the
        # prefix the name's prefix, the middle name neither; 'Contact job title' the job, 'Company name' the
        # organisation. Street, extra line (after the street or apart), City, State (the region) are the business's
        # address, WORK, no country; the ZIP with its extension is one postal code ('18702-3410'). 'Phone' is the
        # business's, WORK, and 'Fax' FAX; 'Email' the contact's mailbox. The member id is the chamber's own.
        zip_code = f"{code}-{extension}" if extension else code
        tels = [("WORK", phone)] + ([("FAX", fax)] if fax else [])
        p = person(given, family, prefix=prefix, org=firm, job=job, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=[("WORK", street, city, state, zip_code, "")]))
    return dict(source="uschamber_roster", rows=rows, want=want, bom=True)


def dutyman_members():
    """A Hampshire sailing club's members for DutyMan's duty rota: two James
    Clarkes told apart by 'Name Qualifier' ('keelboat', 'dinghy'), the empty
    'Member Name' column, UK numbers national and foreign ones with their
    codes, a flat and house name before the road ('Flat 4, Quay House', so
    quoted), villages on the second line, the town always on the third and
    the county on the fourth, a member with nothing but a mailbox, Czech and
    Croatian visitors ('Member' No) with their countries."""
    s = SOURCES["dutyman_members"]
    rows, want = [s["header"]], []
    for row in DUTYMAN70:
        (given, family, _, _, mail, phone, phone2, line1, _, town, county, _, code, country, _) = row
        rows.append(list(row))
        # Each row is a member: 'First Name' and 'Last Name'; 'Name Qualifier' only tells two members apart and
        # is no part of the name. 'Email Address' the mailbox; 'Phone' and 'Phone 2' are of no kind. The postal
        # address is untyped: 'Address 1' the street, 'Address 2' (a road or a village) after it or apart,
        # 'Address 3' the town, 'Address 4' the county (the region), then 'Postal Code' and 'Country' as written.
        # The 'Member' flag is the club's own.
        tels = [(ANY, number) for number in (phone, phone2) if number]
        adrs = [(None, line1, town, county, code, country)] if line1 else []
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels, adrs=adrs))
    return dict(source="dutyman_members", rows=rows, want=want)


def frontcover_members():
    """A Melbourne university alumni association's wallet cards for
    Frontcover's member import: 'ALU' member ids (one missing), an alumna
    with a single name and no 'Last Name', Australian mobiles national, with
    +61 and one landline '+61 (0)3 ...', a Czech mobile, one without a
    phone, expiry dates in both ISO forms ('2026-06-30', '20251231') or
    empty; Czech, Hungarian, Polish, Croatian and Slovak alumni among them."""
    s = SOURCES["frontcover_members"]
    rows, want = [s["header"]], []
    for row in FRONTCOVER70:
        _, given, family, mail, phone, _ = row
        rows.append(list(row))
        # Each row is a member: 'First Name' and 'Last Name' (a single name is the given name alone); 'Email' the
        # mailbox; 'Phone number' of no kind, as written. The member id and expiry date are the pass's.
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family, emails=[mail]), tels=tels))
    return dict(source="frontcover_members", rows=rows, want=want)


def electionbuddy_voters():
    """A Toronto nurses' association's board election in ElectionBuddy: ballot
    ids, each voter's name as the free 'Label' (one 'Family, Given'), a
    mother and daughter sharing one mailbox under their own ballot ids;
    Polish, Czech, Hungarian, Croatian and Romanian names among them."""
    s = SOURCES["electionbuddy_voters"]
    rows, want = [s["header"]], []
    for ballot, label, mail in ELECTIONBUDDY70:
        rows.append([ballot, label, mail])
        # Each row is a voter: 'Label' is the voter's name, given name first ('Anna Kowalczyk') or 'Family, Given'
        # at a comma; FN the given and family name. 'Email' the mailbox, the same on two cards where two voters
        # share it. The ballot id is the vote's own.
        given, family = split_label(label)
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="electionbuddy_voters", rows=rows, want=want)


def organizer_canvassing():
    """A Hamtramck city council campaign's canvassing list for Organizer
    Canvassing: voter file ids, Polish, Bosnian, Bangladeshi and Yemeni
    names, a married couple at one door, the house number apart from the
    street with its type, apartments and units in their own column, one
    voter in the Detroit part of the same ZIP."""
    s = SOURCES["organizer_canvassing"]
    rows, want = [s["header"]], []
    for row in ORGANIZER70:
        _, given, family, number, street, _, city, state, code = row
        rows.append(list(row))
        # Each row is a voter: 'First Name' and 'Last Name'. 'Street Number' and 'Street Name and Type' together
        # are the street ('2931 Yemans St'); 'Apartment Number' after it or apart; City, State (the region) and
        # 'Zip Code' complete the untyped address, no country. The voter id is the campaign's own.
        want.append(card(person(given, family), adrs=[(None, f"{number} {street}", city, state, code, "")]))
    return dict(source="organizer_canvassing", rows=rows, want=want)
