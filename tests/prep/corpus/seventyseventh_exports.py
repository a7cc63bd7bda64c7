"""Seventy-seventh held-out set: homeowners' associations (a unit and owner
import, a property roster), a Polish housing community's flats, a home
inspector's recommended contractors, a landlord's tenants and a mortgage
broker's service providers for home purchases. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from seventyseventh_headers import SOURCES
from seventyseventh_people import DLSN77, HOMEHERALD77, LOKALE77, RUNHOA77, SPECTORA77, SPHERELOS77

# Owners and tenants that are bodies, not people: their name is the organisation.
BODIES = {"Keystone Rentals LLC", "Hollow Creek Homes LLC", "Asbury Bait & Tackle", "Shore Surf School LLC"}


def named(full, **fields):
    """A person from one name column written given name first, or 'Family,
    Given'; a body's name is its organisation."""
    if full in BODIES:
        return person(org=full, **fields)
    if "," in full:
        family, given = (x.strip() for x in full.split(",", 1))
        return person(given, family, **fields)
    given, family = full.rsplit(" ", 1)
    return person(given, family, **fields)


def runhoa_owners():
    """A Harrisburg townhome association's units and owners for RunHOA: the
    first owner beside a second (a spouse, once with the same mailbox and
    phone), phones written four ways and one Hungarian, alternate addresses
    for winter residents, a landlord's post box and owners abroad, a rental
    firm as an owner, Czech, Polish, Hungarian, Slovak and German owners."""
    s = SOURCES["runhoa_owners"]
    rows, want = [s["header"]], []
    for row in RUNHOA77:
        (_, street, city, state, code, name, mail, phone, _, _, _, street2, city2, state2, code2) = row
        rows.append(list(row))
        # Each row is a unit, and its contact the first owner: 'Owner Name 1' written given name first, 'Owner
        # Email 1' and 'Owner Phone 1' (untyped) theirs. The second owner is another person, no part of the card,
        # even where the two share a mailbox or a phone. The unit's address is the owner's, untyped; the
        # alternate address, where given, a second one. The unit id is nobody's.
        adrs = [(None, street, city, state, code, "")]
        if street2 or city2:
            adrs.append((None, street2, city2, state2, code2, ""))
        p = named(name, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="runhoa_owners", rows=rows, want=want)


def homeherald_roster():
    """An Austin subdivision's property roster for Home Herald: lots and
    blocks, dues monthly ('$85.00', '85') or yearly ('$1,020.00', a comma in a
    quoted cell), balances carried over, one negative, a builder's firm
    holding a lot, one owner without a mailbox; Czech, Polish and Hungarian
    owners among Texans."""
    s = SOURCES["homeherald_roster"]
    rows, want = [s["header"]], []
    for row in HOMEHERALD77:
        street, _, _, _, _, _, name, mail = row
        rows.append(list(row))
        # Each row is a property, and its contact the owner: 'Owner Name' given name first, 'Owner Email' the
        # mailbox. 'Address' is the roster's one address, the owner's in the community: the street alone,
        # untyped, with no town written. Lot, block, dues and balance are nobody's.
        p = named(name, emails=[mail] if mail else [])
        want.append(card(p, adrs=[(None, street, "", "", "", "")]))
    return dict(source="homeherald_roster", rows=rows, want=want)


def bazawiedzy365_lokale():
    """A Gdańsk housing community's flats for the service's 'Import listy
    lokali', saved as 'CSV UTF-8' by a Polish Excel: building, staircase,
    floor and flat, shares as numerator and denominator, land register
    numbers, areas with a decimal comma; owners as 'Nazwisko' and 'Imiona',
    a married couple as 'Janusz i Grażyna', the town and a pharmacy in
    'Nazwa'; a Czech and a German owner among Poles."""
    s = SOURCES["bazawiedzy365_lokale"]
    rows, want = [s["header"]], []
    for row in LOKALE77:
        body, family, givens = row[7], row[8], row[9]
        rows.append(list(row))
        # Each row is a flat, and its contact the owner. A body ('Nazwa': the town, a firm) is the organisation
        # alone. A person is 'Imiona' and 'Nazwisko'; where 'Imiona' names a married couple ('Janusz i
        # Grażyna'), FN names both as the row does ('Janusz i Grażyna Nowak') and N holds the first. The
        # building's name is no postal address; shares, register number, persons and area are nobody's.
        if body:
            want.append(card(person(org=body)))
            continue
        first = givens.split(" i ")[0]
        want.append(card(person(first, family), fn=f"{givens} {family}" if first != givens else None))
    return dict(source="bazawiedzy365_lokale", rows=rows, want=want, bom=True)


def recommended_contractors():
    """A Chicago home inspector's recommended contractors for Spectora:
    contractor types split by semicolons, firms with their owner, three
    firms and two tradesmen alone, phones as '312-555-0148', '(630)
    555-0177' and ten digits, web pages with and without a scheme, a
    Toronto firm with 'CA', one without any address, 'active' and
    'inactive'; Polish, Czech and Hungarian tradespeople."""
    s = SOURCES["recommended_contractors"]
    rows, want = [s["header"]], []
    for row in SPECTORA77:
        (_, given, family, firm, mail, phone, web, street, city, state, code, country, _, _) = row
        rows.append(list(row))
        # Each row is a contractor: 'first name' and 'last name' the person, 'company name' the organisation
        # (alone where no name is given); 'email' the mailbox, 'phone' untyped, 'website' the web page. The
        # address parts make one untyped address, 'country' as written ('US'); none where they are all empty.
        # Types, description and status are nobody's.
        p = person(given, family, org=firm, emails=[mail], url=web)
        adrs = [(None, street, city, state, code, country)] if street or city or code else []
        want.append(card(p, tels=[(ANY, phone)], adrs=adrs, url=True))
    return dict(source="recommended_contractors", rows=rows, want=want)


def dlsn_tenants():
    """A Jersey Shore landlord's tenants for DLSN Properties' office app, LF
    line ends: properties as a house number ('107') or a short name ('1020
    Asbury'), units, monthly, yearly and seasonal rents with the season's
    months, ISO lease dates (open-ended ones empty), notes; a shop and a surf
    school renting, one tenant written 'Varga, Eszter'; Polish, Czech and
    Hungarian tenants."""
    s = SOURCES["dlsn_tenants"]
    rows, want = [s["header"]], []
    for row in DLSN77:
        name = row[1]
        rows.append(list(row))
        # Each row is a lease, and its contact the tenant: 'tenant_name' given name first, or family name first
        # before a comma ('Varga, Eszter' is Eszter Varga, and so FN); a business renting is the organisation
        # alone. The property is a house number or a name with no town: no address. Rent, dates and notes are
        # nobody's.
        want.append(card(named(name)))
    return dict(source="dlsn_tenants", rows=rows, want=want, line_end="\n")


def spherelos_providers():
    """A Pittsburgh mortgage broker's service providers for SphereLOS: title,
    appraisal, insurance, survey, escrow and law firms with a point of
    contact, two with none, short names (once the firm's name again), role
    types as one word ('HazardInsurance'), suites in the street; Slovak,
    Polish and Hungarian contacts."""
    s = SOURCES["spherelos_providers"]
    rows, want = [s["header"]], []
    for row in SPHERELOS77:
        firm, _, _, contact, mail, street, city, state, code = row
        rows.append(list(row))
        # Each row is a firm: 'Name' the organisation, 'Point of Contact' the person at it, given name first
        # (the firm alone where it is empty); 'Email' the mailbox; 'Street', 'City', 'State', 'ZipCode' one
        # untyped address. The short name is no organisation and the role type no job title: nobody's.
        adrs = [(None, street, city, state, code, "")]
        if contact:
            given, family = contact.rsplit(" ", 1)
            p = person(given, family, org=firm, emails=[mail])
        else:
            p = person(org=firm, emails=[mail])
        want.append(card(p, adrs=adrs))
    return dict(source="spherelos_providers", rows=rows, want=want)
