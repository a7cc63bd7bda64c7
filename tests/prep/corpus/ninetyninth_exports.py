"""Ninety-ninth held-out set: insurance tools. A surplus lines association's
bulk filing of a broker's insureds, an adjusting firm's roster for a claims
management service, an agency's policies for a notice program, an insurance
agent's leads for his CRM and the members of a carrier's commission
statement mapped for an agency's reconciliation. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import card
from ninetyninth_headers import SOURCES
from ninetyninth_people import APIZEAL99, CLICKCLAIMS99, LEADADVANTAGE99, ODEN99, SLAIDAHO99
from people import person

# The insureds of the Idaho filings that are people, not firms: the 'Insured'
# cell says nothing of its kind, and these four are plain names, given first.
SLAIDAHO_PEOPLE = {"Pavel Dvořák", "Jana Kowalczyk", "Tomasz Wiśniewski", "Kateřina Svobodová"}


def us_date(text):
    """'03/14/1960' as (1960, 3, 14)."""
    month, day, year = (int(x) for x in text.split("/"))
    return year, month, day


def split_name(whole):
    """'Pavel Dvořák' as ('Pavel', 'Dvořák'): the first word is the given
    name, the rest the family name."""
    given, _, family = whole.partition(" ")
    return given, family


def slaidaho_filings():
    """A Boise surplus lines broker's filings for the association's bulk
    upload, saved as 'CSV UTF-8' by Excel: one transaction a row, the
    'Insured' in one cell for firms ('Owyhee Crane Services, Inc.' quoted for
    its comma, an association, a rescue without a business form) and for four
    people (Czech and Polish names), a suite and a flat in the second street
    line, a post office box, risks at another place than the insured's
    (a lake cabin, a crane yard), two insurers split by '|' with their shares,
    premiums without decimals, NPNs, flags and a flat cancellation."""
    s = SOURCES["slaidaho_filings"]
    rows, want = [s["header"]], []
    for row in SLAIDAHO99:
        insured, street, _, city, state, zip_code = row[3], row[10], row[11], row[12], row[13], row[14]
        assert len(row) == len(s["header"])
        rows.append(list(row))
        # Each row is a policy's filing and its 'Insured' is the contact: a firm, an association or a rescue is
        # the organisation alone, a plain name a person, given name first. 'Insured Street Address 1' and 2,
        # 'Insured City', 'Insured State' and 'Insured ZIP' are the insured's address, untyped, no country; the
        # location columns are the insured risk's place (a cabin, a yard), no address of the insured's. NPN
        # (the broker's), transaction, policy, dates, flags, coverage, insurers and money are nobody's.
        if insured in SLAIDAHO_PEOPLE:
            given, family = split_name(insured)
            p = person(given, family)
        else:
            p = person(org=insured)
        want.append(card(p, adrs=[(None, street, city, state, zip_code, "")]))
    return dict(source="slaidaho_filings", rows=rows, want=want, bom=True)


def clickclaims_adjusters():
    """A Houston adjusting firm's field adjusters for ClickClaims' bulk
    upload: user names (one the Xactnet-like 'MREYES.GCA', one the mailbox
    itself), two firms and two independents without one, 'LastName' before
    'FirstName', prefixes and suffixes in their own columns ('Dr' with
    'PhD', 'Jr', 'III'), a second mailbox for some ('n/a' for one, the
    primary again for another), mobiles in the three forms the template
    allows; Czech, Polish, Hungarian, Slovak and Vietnamese names."""
    s = SOURCES["clickclaims_adjusters"]
    rows, want = [s["header"]], []
    for row in CLICKCLAIMS99:
        _, firm, prefix, family, given, suffix, mail, mail2, mobile = row
        rows.append(list(row))
        # Each row is an adjuster: 'FirstName' and 'LastName' (in that column order or not); 'NamePrefix' and
        # 'NameSuffix' the name's prefix and suffix, FN without them; 'CompanyName' the firm. 'PrimaryEmail'
        # and 'SecondaryEmail' the mailboxes, a second that is no address ('n/a') dropped, as the vendor does,
        # and one that repeats the first held once. 'MobilePhone' the cell phone. The user name is a login, no
        # part of the card, even where it is the mailbox.
        emails = [mail] + ([mail2] if "@" in mail2 and mail2 != mail else [])
        p = person(given, family, prefix, suffix, org=firm, emails=emails)
        want.append(card(p, tels=[("CELL", mobile)]))
    return dict(source="clickclaims_adjusters", rows=rows, want=want)


def oden_policies():
    """A Cleveland agency's personal and commercial policies exported from
    Policy Terminator with field names, in code page 1252: 'P' and 'C' for
    the kind, states, policies, print titles, NAIC codes, branches and
    producers, the named insured's first line (people, one with 'Jr.', a
    bakery, a body shop, a parish committee), a second line that is a
    co-insured ('& Martin Hlavac') or an 'Attn:' line, a misc line naming a
    mortgagee or a rental's street, empty type ids and user fields with a
    customer number or a note."""
    s = SOURCES["oden_policies"]
    rows, want = [s["header"]], []
    for row in ODEN99:
        kind, line1 = row[0], row[9]
        assert len(row) == len(s["header"])
        rows.append(list(row))
        # Each row is a policy, its 'Named Insured Line 1' the contact: the organisation alone for commercial
        # lines ('C'), the person for personal lines ('P'), given name first, a 'Jr.' the name's suffix with
        # FN as written. 'Named Insured Line 2' carries on the first: a co-insured ('& ...') is another person
        # and an 'Attn:' line no name, neither on the card. The misc line (a mortgagee, a rental's street) is
        # no part of it; policy, titles, NAIC, branch, producer, territory and user fields are nobody's.
        if kind == "C":
            want.append(card(person(org=line1)))
        elif line1.endswith(" Jr."):
            given, family = split_name(line1[:-len(" Jr.")])
            want.append(card(person(given, family, suffix="Jr."), fn=line1))
        else:
            given, family = split_name(line1)
            want.append(card(person(given, family)))
    return dict(source="oden_policies", rows=rows, want=want, encoding="cp1252")


def leadadvantage_leads():
    """A Tampa Medicare agent's leads for Lead Advantage Pro's template:
    lead dates and birth dates both 'mm/dd/yyyy', prefixes with a dot ('Mr.',
    'Dr.') or none, middle initials in their own column, one-letter sex and
    marital status, heights and weights (some empty), two SSNs; Polish,
    Czech, Slovak, Hungarian, Irish and Hispanic names."""
    s = SOURCES["leadadvantage_leads"]
    rows, want = [s["header"]], []
    for row in LEADADVANTAGE99:
        _, prefix, given, _, family, born = row[:6]
        rows.append(list(row))
        # Each row is a lead: 'First_Name' and 'Last_Name', 'Prefix_Title' the name's prefix, FN the two names
        # (the middle initial may stand between them); 'DOB' the birthday, month first. 'Lead_Date' is the
        # lead's, no birthday; sex, marital status, height, weight and SSN are no part of the card.
        p = person(given, family, prefix, birthday=us_date(born))
        want.append(card(p, birthday=True))
    return dict(source="leadadvantage_leads", rows=rows, want=want)


def apizeal_comisiones():
    """A Miami agency's ACA members from a carrier's commission statement,
    mapped for Apizeal and saved as 'CSV UTF-8' by Excel: the first column
    empty, its header cell too, as the map demands, member ids, the client's
    name in one 'FULL NAME' cell; Spanish, Czech, Croatian, Polish and
    Hungarian names."""
    s = SOURCES["apizeal_comisiones"]
    rows, want = [s["header"]], []
    for row in APIZEAL99:
        _, _, full = row
        rows.append(list(row))
        # Each row is a member: 'FULL NAME' ('Nombre y Apellido'), given name first, is the card's FN and
        # gives its two names. The empty first column is nothing; the member 'ID' is the carrier's, nobody's.
        given, family = split_name(full)
        want.append(card(person(given, family)))
    return dict(source="apizeal_comisiones", rows=rows, want=want, bom=True)
