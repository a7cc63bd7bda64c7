"""Fifty-fifth held-out set: the client and contact files of law firms (a law
practice's accounts, a litigation case manager) and of tax and accounting
practices (a Canadian and a British practice manager, a Belgian tax-return
platform, a proposals and billing service). Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card
from fiftyfifth_headers import SOURCES
from fiftyfifth_people import ACCOUNTON55, CASEFLEET55, CCHIFIRM55, IGNITION55, PCLAW55, PIXIE55
from people import person


def pclaw_clients():
    """A Toronto law firm's clients from PCLaw, in code page 1252: client
    numbers, individuals and firms (a dental corporation, a roofer, an
    estate), a person at her own import firm, 'Mr'/'Ms'/'Dr' titles, a
    'Last, First' display name, second address lines (units, suites), a
    billing address for two, the five phone columns half empty, Polish and
    Czech names typed without their marks, one client without a mailbox."""
    s = SOURCES["pclaw_clients"]
    rows, want = [s["header"]], []
    for row in PCLAW55:
        (_, given, family, firm, title, _, line1, _, city, prov, code, bline1, _, bcity, bprov, bcode, bus, home,
         other, cell, fax, mail) = row
        rows.append(list(row))
        # FIRST NAME and LAST NAME make an individual, FIRM NAME alone a company (the card is the firm alone);
        # with both, FIRM NAME is the person's organisation. TITLE is a salutation, the name's prefix. DISPLAY
        # AS is the firm's sorting form ('Kowalczyk, Anna'): FN stays the names in their natural order. The
        # address and the billing address are both untyped (neither is surely home or work), the billing one
        # second; LINE2 is the street's second line; no country. BUSPHONE work, HOMEPHONE home, OTHER PHONE of
        # no kind, CELL cell, FAX fax. The client number is the firm's own.
        tels = [(kind, n) for kind, n in (("WORK", bus), ("HOME", home), (ANY, other), ("CELL", cell), ("FAX", fax))
                if n]
        adrs = [(None, line1, city, prov, code, "")]
        if bline1:
            adrs.append((None, bline1, bcity, bprov, bcode, ""))
        p = person(given, family, title, org=firm, emails=[mail] if mail else [])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="pclaw_clients", rows=rows, want=want)


def cchifirm_contacts():
    """An Ottawa accounting firm's clients for CCH iFirm's import (its
    documented first twelve columns): codes, entity types (individuals, a
    sole proprietor, corporations, a numbered company with its operating
    name, a partnership, a non-profit, a trust), 'Mr'/'Mrs'/'Ms'/'Dr'
    without a period, the firm's partner and manager by name, office and
    team groups, envelope addressees; Polish, Hungarian, Czech and German
    clients among them."""
    s = SOURCES["cchifirm_contacts"]
    rows, want = [s["header"]], []
    for row in CCHIFIRM55:
        _, entity, name, title, given, family, mailing = row[:7]
        rows.append(list(row))
        # 'Individual' and 'Sole proprietor' rows are people: FirstNames and LastNames, Title the prefix. Every
        # other entity is an organisation alone: Name the organisation, and MailingName, where given, the name
        # it goes by (a numbered company's operating name), so FN. Partner and Manager are the firm's own staff,
        # other people, never this contact; groups, code and the envelope's addressee are no part of the card.
        if entity in ("Individual", "Sole proprietor"):
            want.append(card(person(given, family, title)))
        else:
            want.append(card(person(org=name), fn=mailing or None))
    return dict(source="cchifirm_contacts", rows=rows, want=want)


def casefleet_contacts():
    """A Chicago litigation firm's case contacts for Casefleet: witnesses,
    opposing counsel, an expert, a court clerk's office, an insurer and a
    carrier as entities under 'name', 'Dr.' typed into a first name, suites
    and apartments on the second line, phones with brackets, dashes or dots
    and one Hungarian number, one contact with no address."""
    s = SOURCES["casefleet_contacts"]
    rows, want = [s["header"]], []
    for given, family, entity, line1, line2, city, state, zipc, phone, mail in CASEFLEET55:
        rows.append([given, family, entity, line1, line2, city, state, zipc, phone, mail])
        # 'first name' and 'last name' are a person, 'name' alone an entity, the organisation alone. A title
        # typed before the given name ('Dr. Linda') is the prefix, not part of the given name. 'phone' names no
        # kind; the address is untyped, 'address line 2' the street's second line, no country.
        prefix = ""
        if given.startswith("Dr. "):
            prefix, given = "Dr.", given[4:]
        p = person(given, family, prefix, org=entity, emails=[mail] if mail else [])
        adrs = [(None, line1, city, state, zipc, "")] if line1 else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="casefleet_contacts", rows=rows, want=want)


def pixie_clients():
    """A Leeds accountancy's clients for Pixie: limited companies, an LLP and
    private clients under one 'Name' column, units and flats before the
    street in 'Address', counties sometimes left out, one client without a
    mailbox and one without an address; Polish, Czech, Hungarian, Slovak and
    German names with their marks."""
    s = SOURCES["pixie_clients"]
    rows, want = [s["header"]], []
    for row in PIXIE55:
        name, mail, street, city, county, code = row
        rows.append(list(row))
        # 'Name' is the client: a firm (its legal form says so: 'Ltd', 'LLP') is the organisation alone, a
        # private client a person, given name first, the last word the family name. 'Email' the mailbox;
        # 'Address' the street as one cell (a unit or flat before it stays in it), 'City' the town, 'State' the
        # county as the region, 'Postcode'; untyped, no country.
        if name.endswith((" Ltd", " LLP")):
            p = person(org=name, emails=[mail] if mail else [])
        else:
            given, family = name.rsplit(" ", 1)
            p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, adrs=[(None, street, city, county, code, "")] if street else []))
    return dict(source="pixie_clients", rows=rows, want=want)


def accounton_clients():
    """A Ghent accountancy's personal income tax clients for Accounton, saved
    as 'CSV UTF-8' by a Belgian Excel: the fixed 'person' in the first
    column, Flemish, Walloon, Polish, Czech and Hungarian names, mobiles with
    '+32' or a leading zero, a landline in the mobile column, two without."""
    s = SOURCES["accounton_clients"]
    rows, want = [s["header"]], []
    for row in ACCOUNTON55:
        _, given, family, mail, mobile = row
        rows.append(list(row))
        # Each row is a tax payer: 'Firstname' and 'Lastname', 'Email' the mailbox, 'Mobile Number' the cell
        # (as the column says, even where the number looks like a landline). 'person' is the row's kind, nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[("CELL", mobile)] if mobile else []))
    return dict(source="accounton_clients", rows=rows, want=want, bom=True)


def ignition_clients():
    """A Dublin accounting practice's clients for Ignition: two clients with
    two contacts each on rows of the same 'Client Name', individual clients
    whose client name is the contact's own, the contact's whole name in one
    cell, ids for clients already in Ignition and none for new ones; Polish,
    Hungarian, Czech and Irish names with their marks."""
    s = SOURCES["ignition_clients"]
    rows, want = [s["header"]], []
    for row in IGNITION55:
        client, contact, mail = row[:3]
        rows.append(list(row))
        # Each row is a contact: 'Contact Name' given name first, the last word the family name; 'Client Name'
        # the organisation, unless it is the contact's own name (an individual client), then none. 'Contact
        # Email' the mailbox. Client and contact ids are Ignition's own.
        given, family = contact.rsplit(" ", 1)
        p = person(given, family, org="" if client == contact else client, emails=[mail])
        want.append(card(p))
    return dict(source="ignition_clients", rows=rows, want=want)

