"""Ninety-second held-out set: field-service and home-service tools (a pool
service app's customers and pools, a cleaning company's customers, a
heating and cooling contractor's customers, a handyman business's clients).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from ninetysecond_headers import SOURCES
from ninetysecond_people import CLEANMANAGER92, CREATIVEJOBHUB92, ORG92, PLYRIUM92, POOLI92

# Names in a single name column that are a firm's or a body's, not a person's.
BODIES = {"Spitalfields Dental Practice Ltd", "Nowak Builders Ltd", "London Borough of Hounslow", "Prague Bistro Ltd",
          "Danske Foods UK Ltd", "Polish Social and Cultural Association", "Nordhavn Shipping ApS",
          "Ealing Hungarian School CIC", "Kovač & Partners LLP", "Desert Bloom Dental", "Saguaro Ridge HOA",
          "Bucktown Dental Care", "Logan Square Lofts Condo Assn"}


def whole_name(name, **rest):
    """A single name cell: a firm or a body as the organisation alone, else a
    person's whole name, given name first, parted at its first blank."""
    if name in BODIES:
        return person(org=name, **rest)
    given, _, family = name.partition(" ")
    return person(given, family, **rest)


def pooli_pools():
    """A Sarasota pool service's customers for Pooli's import, one row a
    pool: the firm's own account id on every row, customer and pool ids for
    the ones already known, a customer with a pool and a spa on two rows,
    a condominium association and a swim club without a person, a household
    label ('Kowalski Residence') beside the owner's names, Czech and German
    owners with their home numbers, one without a mailbox, one without a
    phone, gallons, 'true'/'false', the guide's own 'cartrige'."""
    s = SOURCES["pooli_pools"]
    rows, want = [s["header"]], []
    for row in POOLI92:
        (_, _, name, given, family, mail, phone, street, city, state, code, country) = row[:12]
        rows.append([ORG92] + list(row))
        # Each row is a pool, and its customer the card: 'first_name' and 'last_name', FN the two ('customer_name'
        # labels the account, 'Kowalski Residence' no organisation). Without them, 'customer_name' is a body's,
        # the organisation alone. A customer with two pools is the same card twice. 'email' the mailbox; 'phone'
        # untyped; 'address1', 'city', 'state' (the region), 'zip' and 'country' as written the untyped address
        # (where the pool is, neither home nor work). Ids and the pool's columns are nobody's.
        emails = [mail] if mail else []
        p = person(given, family, emails=emails) if given or family else person(org=name, emails=emails)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, city, state, code, country)]))
    return dict(source="pooli_pools", rows=rows, want=want)


def cleanmanager_customers():
    """A London office cleaner's customers in the CleanManager format,
    saved as 'CSV UTF-8' by an English Excel: customer and debtor numbers
    (none for the households), practices, builders, a borough council with
    its EAN number, a bistro, a Danish shipping firm with its CVR and EAN
    numbers, associations and a school, a law firm's LLP number, three
    households under their owner's name (Polish, Hungarian, Slovak);
    addresses with a flat, unit or floor and a comma ('Unit 3, 56 Bollo
    Lane'), countries as 'UK' and 'DK'."""
    s = SOURCES["cleanmanager_customers"]
    rows, want = [s["header"]], []
    for number, debtor, name, address, code, city, country, ci, ean in CLEANMANAGER92:
        rows.append([number, debtor, name, address, code, city, country, ci, ean])
        # 'Customer name' is a firm's or a body's name, the organisation alone, or a household's owner, a whole
        # name given first. 'Address' is the street as written, its flat or floor with it; 'ZIP code', 'City'
        # and 'Country' as written ('UK') the rest of the untyped address. Numbers, CI and EAN are nobody's.
        want.append(card(whole_name(name), adrs=[(None, address, city, "", code, country)]))
    return dict(source="cleanmanager_customers", rows=rows, want=want, bom=True)


def plyrium_customers():
    """A Tucson heating and cooling contractor's customers for Plyrium:
    whole names (Czech, Polish, Hungarian, Slovak and Irish among them), a
    dental practice and a homeowners' association, American numbers in
    brackets, notes with commas (gate codes, warranties), one without a
    mailbox, one without a phone, a new lead without an address."""
    s = SOURCES["plyrium_customers"]
    rows, want = [s["header"]], []
    for name, mail, phone, street, city, state, code, notes in PLYRIUM92:
        rows.append([name, mail, phone, street, city, state, code, notes])
        # 'Name' is a firm's or a body's name, the organisation alone, or a person's whole name, given first.
        # 'Email' the mailbox; 'Phone' untyped; 'Address', 'City', 'State' (the region) and 'ZIP' the untyped
        # service address, no country. 'Notes' are nobody's.
        p = whole_name(name, emails=[mail] if mail else [])
        adrs = [(None, street, city, state, code, "")] if street or city else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="plyrium_customers", rows=rows, want=want)


def creativejobhub_clients():
    """A Chicago handyman business's clients for Creative Job Hub's import:
    three columns only, whole names (Polish, Czech, Hungarian and Irish
    among them), a dental practice and a condominium association, one client
    without a mailbox and one without a phone."""
    s = SOURCES["creativejobhub_clients"]
    rows, want = [s["header"]], []
    for name, mail, phone in CREATIVEJOBHUB92:
        rows.append([name, mail, phone])
        # 'name' is a firm's or a body's name, the organisation alone, or a person's whole name, given first;
        # 'email' the mailbox; 'phone' untyped.
        p = whole_name(name, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="creativejobhub_clients", rows=rows, want=want)
