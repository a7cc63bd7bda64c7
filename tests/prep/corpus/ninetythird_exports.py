"""Ninety-third held-out set: business tools from Indonesia, Vietnam, Uganda,
India and the Philippines: a distributor's accounting customers, a drug
distributor's pharmacies and clinics, a savings cooperative's members, a
chartered accountant's clients, a food distributor's customers and a
school's pupils. Each maker returns a dict as crm_exports.py's do."""
import re

from export_kit import ANY, card
from people import person
from ninetythird_headers import SOURCES
from ninetythird_people import ESCHOOL93, FINEXO93, HUMEDIT93, MAS93, PHARMAPOC93, ZIMBA93

# A postal code before the town, as Czech, Polish and Hungarian addresses write it.
CODE_FIRST = re.compile(r"^(\d{3} \d{2}|\d{2}-\d{3}|\d{4}) (.+)$")
# A postal code after the town, as Indonesian addresses write it.
CODE_LAST = re.compile(r"^(.+) (\d{5})$")


def whole_address(cell):
    """'Jl. Braga No. 88, Bandung 40111' or 'Korunní 42, 120 00 Praha 2' as an
    untyped address without a country: the street before the last comma, the
    town and postal code after it in either order."""
    street, rest = cell.rsplit(", ", 1)
    first = CODE_FIRST.match(rest)
    if first:
        code, town = first.groups()
    else:
        town, code = CODE_LAST.match(rest).groups()
    return (None, street, town, "", code, "")


def day_first(text):
    """'14-03-2009' as (2009, 3, 14)."""
    day, month, year = (int(x) for x in text.split("-"))
    return year, month, day


def mas_customer():
    """A Surabaya coffee trader's customers for MAS Software, saved as 'CSV
    UTF-8' by an Indonesian Excel: firms with the person one deals with and
    the post (`Manajer Pembelian`, `Jednatel`), two shops with nobody named,
    roasters in Prague, Brno, Kraków, Warsaw and Budapest, the address whole
    in one cell with the postal code after the town (Indonesia) or before it
    (Central Europe), NPWP numbers and an owner's own tax address, two
    mailboxes in one cell, a Hungarian contact family name first, NIK and
    passport numbers, credit limits and terms (`D30`)."""
    s = SOURCES["mas_customer"]
    rows, want = [s["header"]], []
    for row in MAS93:
        (_, firm, _, _, _, _, _, _, address, _, _, _, phone, contact, post, mail, _, _) = row
        rows.append(list(row))
        # 'Nama Customer' is the firm; 'HubunganDengan' the person one deals there, with 'Jabatan' the post; no
        # person, the firm alone. 'Alamat' is the address, street before the last comma, town and postal code
        # after it; 'AlamatPajak' is where the tax invoices go, for the NPWP's holder (an owner's home for one),
        # so it is left off. 'Telepon' names no kind. Two mailboxes in 'Email' joined by '; ' are two. NPWP,
        # identity numbers, region, currency, terms, limit and salesman are nobody's.
        emails = mail.split("; ") if mail else []
        fn = None
        if contact == "Kovács Gábor":
            # Written the Hungarian way, family name first, and kept so for the display name.
            given, family, fn = "Gábor", "Kovács", contact
        elif contact:
            given, family = contact.split(" ")
        else:
            given, family = "", ""
        p = person(given, family, org=firm, job=post, emails=emails)
        want.append(card(p, fn=fn, tels=[(ANY, phone)], adrs=[whole_address(address)]))
    return dict(source="mas_customer", rows=rows, want=want, bom=True)


# Owners who write their name given name first; the others are Vietnamese, family name first.
GIVEN_FIRST = {"Martin Horák", "Katarzyna Lewandowska", "Ondřej Svoboda"}


def pharmapoc_customers():
    """A drug distributor's pharmacies, clinics and hospitals for Pharmapoc's
    Customers.csv: Vietnamese province and district names (`Tỉnh An Giang`,
    `Quận Ba Đình`), wards apart from the street, owners' names family name
    first, three foreign doctors given name first, sales regions, types and
    segments, one customer with neither phone nor mailbox and two with no
    owner, an empty action column."""
    s = SOURCES["pharmapoc_customers"]
    rows, want = [s["header"]], []
    for row in PHARMAPOC93:
        (_, name, _, area, subarea, _, address, _, _, phone, mail, owner, _) = row
        rows.append(list(row))
        # 'Name' is the pharmacy or clinic, the organisation; 'Owner's name' the person who runs it, as written
        # for the display name; a Vietnamese name is family name first (the first word the family name, the
        # rest the given name), the foreign doctors' given name first. No owner: the organisation alone.
        # 'Address' is the street; 'Subarea' (the district) the town and 'Area' (the province or the centrally
        # run city) the region; 'Ward' is a part of the district, left off. 'Phone' names no kind. Code,
        # region, type, segment and action are nobody's.
        if not owner:
            given, family = "", ""
        elif owner in GIVEN_FIRST:
            given, family = owner.split(" ")
        else:
            family, given = owner.split(" ", 1)
        p = person(given, family, org=name, emails=[mail] if mail else [])
        want.append(card(p, fn=owner or None, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, address, subarea, area, "", "")]))
    return dict(source="pharmapoc_customers", rows=rows, want=want)


def zimba_clients():
    """A Kampala savings cooperative's members for Zimba's client importer:
    numbers with 256 and no plus, a second number for some (one Czech with
    420, one landline), members running a business (registered or not) with
    its address line, occupations from tailor to boda boda rider, ISO birth
    dates, national ids, three Czech and Polish members without one, fees and
    0/1 consents, the next of kin's name, id and relationship."""
    s = SOURCES["zimba_clients"]
    rows, want = [s["header"]], []
    for row in ZIMBA93:
        (given, family, mail, _, _, _, _, born, _, phone, phone2, business, _, occupation, business_address) = row[:15]
        rows.append(list(row))
        # Each row is a member: 'First Name' and 'Last Name'; 'Email' the mailbox; 'Date of Birth' the birthday.
        # Both telephone numbers name no kind. 'Business Name' is the member's own business, the organisation;
        # 'Occupation' the job title; 'Business Address Line 1' is where the business is, a work address whose
        # street is the cell as written. The next of kin is another person, no part of the card; ids, fee,
        # consent and savings officer are nobody's.
        tels = [(ANY, phone)] + ([(ANY, phone2)] if phone2 else [])
        adrs = [("WORK", business_address, "", "", "", "")] if business_address else []
        p = person(given, family, org=business, job=occupation, emails=[mail] if mail else [],
                   birthday=tuple(int(x) for x in born.split("-")))
        want.append(card(p, tels=tels, adrs=adrs, birthday=True))
    return dict(source="zimba_clients", rows=rows, want=want)


def finexo_clients():
    """A Pune chartered accountant's clients for Finexo PMS, saved as 'CSV
    UTF-8' by an Indian Excel: individuals (a Czech and a Polish one among
    them), sole proprietors with their trade names, companies, a partnership,
    an LLP, a trust and a Hindu undivided family, file numbers, PAN, TAN and
    GSTIN numbers, ten-digit mobiles without +91, one grouped `98220 55667`,
    two foreign numbers, one without a mobile and one without a mailbox."""
    s = SOURCES["finexo_clients"]
    rows, want = [s["header"]], []
    for row in FINEXO93:
        (name, kind, _, _, _, trade, _, mobile, mail) = row
        rows.append(list(row))
        # 'Type of Client' says who 'Name' is. 'Individual': a person, the first word the given name and the
        # last the family name ('Rajesh Kumar Sharma' keeps 'Kumar' in the display name only). 'Proprietorship':
        # the proprietor, and 'Trade Name' the business, the organisation. Any other type (a company, firm,
        # LLP, trust, HUF) is a body: 'Name' the organisation alone; its trade name is left off. 'Mobile' is a
        # mobile; 'Email' the mailbox. File number, PAN, TAN and GSTIN are nobody's.
        tels = [("CELL", mobile)] if mobile else []
        emails = [mail] if mail else []
        if kind in ("Individual", "Proprietorship"):
            words = name.split(" ")
            p = person(words[0], words[-1], org=trade if kind == "Proprietorship" else "", emails=emails)
            want.append(card(p, fn=name, tels=tels))
        else:
            want.append(card(person(org=name, emails=emails), tels=tels))
    return dict(source="finexo_clients", rows=rows, want=want, bom=True)


# Customers that are people, as given and family name: senior citizens, a disabled customer with an abbreviated
# 'Ma.' (Maria) and a sole proprietor; a two-word family name stays whole.
HUMEDIT_PEOPLE = {
    "Juan Dela Cruz": ("Juan", "Dela Cruz"),
    "Ma. Lourdes Reyes": ("Ma. Lourdes", "Reyes"),
    "Roberto Villanueva": ("Roberto", "Villanueva"),
    "Carmelita Bautista": ("Carmelita", "Bautista"),
}


def humedit_customers():
    """A Cebu food distributor's customers for Humedit's optimized upload,
    saved by a Philippine Excel in code page 1252: corporations with a trade
    name (`SRT Grocery Depot`) and a contact person (a Czech, a Hungarian and
    an Austrian among them), senior citizens and a disabled customer with
    their discount card numbers, `Ma.` for Maria, `Dela Cruz`, a sole
    proprietor's sari-sari store, a shop named after a family, a school,
    TINs with branch codes, only the postal code of an address (the
    documented columns end before any phone or mailbox)."""
    s = SOURCES["humedit_customers"]
    rows, want = [s["header"]], []
    for row in HUMEDIT93:
        (_, customer, _, _, _, zipcode, style, contact) = row
        rows.append(list(row))
        # A 'Customer' that is a person's name is that person, no organisation, except a sole proprietor's
        # 'BusinessStyle', his store, which is. Any other 'Customer' is a body, the organisation; its
        # 'BusinessStyle' (a trade name) is left off, and 'ContactPerson' is the person there; no contact, the
        # body alone. 'Zipcode' is the whole untyped address. Category, discount card and TIN are nobody's.
        adrs = [(None, "", "", "", zipcode, "")]
        if customer in HUMEDIT_PEOPLE:
            given, family = HUMEDIT_PEOPLE[customer]
            want.append(card(person(given, family, org=style), fn=customer, adrs=adrs))
        else:
            given, family = contact.split(" ") if contact else ("", "")
            want.append(card(person(given, family, org=customer), adrs=adrs))
    return dict(source="humedit_customers", rows=rows, want=want)


def eschool_students():
    """A Yogyakarta secondary school's pupils for eSchool SIAKAD Plus: two
    pupils with one name only (`last_name` empty, as the page allows), a
    double given name, birth and admission dates `dd-mm-yyyy`, the current
    and the permanent address whole in one cell (the same for most, a
    village's `Dusun ... RT 03 RW 05` for one), two pupils without a mobile,
    the guardian's mailbox, given name, sex and number (Czech, Polish and
    Hungarian parents abroad)."""
    s = SOURCES["eschool_students"]
    rows, want = [s["header"]], []
    for row in ESCHOOL93:
        (given, family, mobile, _, born, _, current, permanent) = row[:8]
        rows.append(list(row))
        # Each row is a pupil: 'first_name' and 'last_name' (one name alone is the given name, FN that name);
        # 'mobile' is a mobile; 'dob' the birthday, day first. 'current_address' is the address, street before
        # the last comma, town and postal code after it; 'permanent_address' a second one where it differs, the
        # same address once. The guardian's mailbox, name and number are another person's, no part of the
        # pupil's card; sex and admission date nobody's.
        adrs = [whole_address(current)] + ([whole_address(permanent)] if permanent != current else [])
        p = person(given, family, birthday=day_first(born))
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [], adrs=adrs, birthday=True))
    return dict(source="eschool_students", rows=rows, want=want)
