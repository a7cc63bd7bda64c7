"""Eighty-seventh held-out set: public-sector registers kept as hosted tables
of a map service and exported as CSV (a town cemetery's plot owners, a fire
department's building contacts, a state permit register's facility owners, a
council's caravan park sites, a Portuguese green-belt programme's landowners,
a county's owners' mailing list). Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from eightyseventh_headers import SOURCES
from eightyseventh_people import CARAVAN87, CORDAO87, HOLBROOK87, MAILING87, PREPLAN87, TDI87
from people import person

# Names in a whole-name column that belong to a firm or a public body, not to a person: written down here rather
# than guessed from the words, so that the expectations hold whatever a rule would make of them.
BODIES = {
    "ADT Security Services", "We Energies",
    "Lone Star Storage Partners LLC", "Gulf Coast Terminals Inc.", "City of Bryan", "Brazos Valley Cold Storage, Ltd.",
    "Permian Fuel & Supply Co.", "Hill Country Propane LP", "Rio Grande Valley Ag Co-op", "Victoria County",
    "Alamo Fleet Services Inc",
    "Junta de Freguesia de Castanheira", "Herdade do Vale Escuro, Lda.",
    "CITY OF CARROLLTON", "SOUTHERN PINE HOLDINGS LLC", "FIRST BAPTIST CHURCH OF WHITESBURG",
    "CARROLL COUNTY BOARD OF EDUCATION",
}


def whole_name(name, **kw):
    """The person or body a whole-name cell names: a body alone, or a person
    parted at the first blank (given name, then the family name)."""
    if name in BODIES:
        return person(org=name, **kw)
    given, _, family = name.partition(" ")
    return person(given, family, **kw)


def holbrook_cemetery():
    """A Massachusetts town cemetery's plot owners: family and given name in
    their own columns, a middle initial with some given names ('Stanley J.',
    'Francis X.'), the town and a parish owning plots with no given name,
    sections, rows, an empty lot, deed numbers like '1954-117', one missing;
    Polish, Czech, Lithuanian and Hungarian families among Irish and Italian
    ones."""
    s = SOURCES["holbrook_cemetery"]
    rows, want = [s["header"]], []
    for row in HOLBROOK87:
        (_, family, given) = row[:3]
        rows.append(list(row))
        # Each row is a plot's owner: 'Own_First_Name' and 'Own_Last_Name', the first as written, a middle initial
        # with it. A body's name in 'Own_Last_Name' with no first name (the town, a parish) is that organisation
        # alone. Section, row, lot, graves, plot and deed are the plot's, nobody's card.
        p = person(given, family) if given else person(org=family)
        want.append(card(p))
    return dict(source="holbrook_cemetery", rows=rows, want=want)


def preplan_contacts():
    """A Wisconsin fire department's contacts of preplanned buildings: two for
    each building under its GUID, whole names, American phones in three
    styles and one with an extension, three without a mailbox and one without
    a phone, an alarm company and a utility as contacts, 'y'/'n' flags;
    Polish, Czech and Hungarian names."""
    s = SOURCES["preplan_contacts"]
    rows, want = [s["header"]], []
    for row in PREPLAN87:
        (_, _, name, phone, mail) = row[:5]
        rows.append(list(row))
        # Each row is a contact of a building: 'con_name' the whole name, FN as written, parted at the first blank;
        # an alarm company's or a utility's name is that organisation alone. 'con_phone' names no kind and keeps
        # its extension; 'con_email' the mailbox. The building's GUID and the manager, occupant and emergency
        # flags are nobody's.
        p = whole_name(name, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="preplan_contacts", rows=rows, want=want)


def tdi_facility_owners():
    """A state permit register's facility owners: owner ids, firms (LLC,
    Inc., Ltd. with a comma, LP, a co-op, '&'), a city and a county, four
    people; suites on the street line, post office boxes and a rural route,
    ZIP+4 for two; Czech, Slovak, Polish and Hungarian names among them."""
    s = SOURCES["tdi_facility_owners"]
    rows, want = [s["header"]], []
    for row in TDI87:
        (_, _, name, street, city, state, code) = row
        rows.append(list(row))
        # Each row is an owner: 'NameofOwner' is a firm or a public body, that organisation alone, or a person,
        # FN as written and parted at the first blank. 'MailAddress' the street (a box or a rural route as
        # written), 'MailCity', 'MailState' the region and 'MailZip', untyped, no country. The ids are nobody's.
        want.append(card(whole_name(name), adrs=[(None, street, city, state, code, "")]))
    return dict(source="tdi_facility_owners", rows=rows, want=want)


def caravan_ownership():
    """A Welsh county council's caravan park sites: site and account numbers,
    prefixes (one empty), Welsh names with their letters ('Tŷ Gwyn', 'ap
    Iwan'), a holiday-let firm owning two sites with its name in
    'Last_Name', an address line with a comma (quoted), one owner with no
    address; Polish, Czech and Hungarian owners."""
    s = SOURCES["caravan_ownership"]
    rows, want = [s["header"]], []
    for row in CARAVAN87:
        (_, _, _, _, _, prefix, given, family, line) = row
        rows.append(list(row))
        # Each row is a site's owner: 'Prefix' the name's prefix, 'First_Name' and 'Last_Name' the names; a firm's
        # name in 'Last_Name' with no first name and no prefix is that organisation alone, once for each site it
        # owns. 'Address1' is the owner's first address line, the street, untyped; nothing else of the address is
        # in the file. Park, site and account are nobody's.
        p = person(given, family, prefix=prefix) if given else person(org=family)
        want.append(card(p, adrs=[(None, line, "", "", "", "")] if line else []))
    return dict(source="caravan_ownership", rows=rows, want=want)


def cordao_verde_proprietarios():
    """A Portuguese green-belt programme's landowners, saved again by a
    Portuguese Excel: whole names with two family names, a parish council and
    a farm company ('Lda.' after a comma), mobiles as bare nine-digit numbers,
    four without one, two without a mailbox, braced GUIDs, tax numbers;
    Czech, German and Polish owners of plots."""
    s = SOURCES["cordao_verde_proprietarios"]
    rows, want = [s["header"]], []
    for row in CORDAO87:
        (_, name, mail, mobile) = row[:4]
        rows.append(list(row))
        # Each row is an owner: 'Nome' the whole name, FN as written, given name the first word and the family
        # name the rest ('Ferreira da Silva'); a parish council's or a company's name is that organisation alone.
        # 'Email' the mailbox; 'Telemovel' a mobile, CELL, as written. The GUID and the tax number are nobody's.
        p = whole_name(name, emails=[mail] if mail else [])
        want.append(card(p, tels=[("CELL", mobile)] if mobile else []))
    return dict(source="cordao_verde_proprietarios", rows=rows, want=want, bom=True)


def mailing_addresses_owners():
    """A Georgia county's owners' mailing list: location ids, owners in
    capitals as the tax roll writes them, family name first, a city, a firm,
    a church and the board of education among them, post office boxes, a
    second line for a flat, a suite and a 'C/O' line before the street, an
    owner in Alabama, no postal code; Czech, Polish and Hungarian owners."""
    s = SOURCES["mailing_addresses_owners"]
    rows, want = [s["header"]], []
    for row in MAILING87:
        (_, _, owner, line1, line2, city, state) = row
        rows.append(list(row))
        # Each row is an owner: 'OWNER' a firm or a public body, that organisation alone, or a person in the tax
        # roll's order, family name first ('WILLIAMS ROBERT'): family the first word, given the rest, FN given
        # then family, in the capitals written. 'MAILADD1' the street (a box or a 'C/O' line as written),
        # 'MAILADD2' its second line, 'PO_NAME' the city, 'STATE_ABBR' the region, untyped, no code, no country.
        if owner in BODIES:
            p = person(org=owner)
        else:
            family, _, given = owner.partition(" ")
            p = person(given, family)
        want.append(card(p, adrs=[(None, line1, city, state, "", "")]))
    return dict(source="mailing_addresses_owners", rows=rows, want=want)
