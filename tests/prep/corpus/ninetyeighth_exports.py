"""Ninety-eighth held-out set: address lists for mailings: a US letter
service's recipients, a US printer's direct mail list, a German e-card
service's recipients, an Austrian print house's mailing addresses, a Dutch
printer's address file and a French handwritten card service's recipients.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import card
from ninetyeighth_headers import SOURCES
from ninetyeighth_people import BANTA98, LETTERSTREAM98, MANUSCRY98, POWERECARD98, PRINTALLIANCE98, SCHOLMA98
from people import person

# Words before or after a whole name in one cell that are the name's prefix or suffix, never a given or family
# name: an envelope carries them ('Dr. Paul Kosir', 'Mme Hélène Dubois').
PREFIXES = ("Dr.", "Dr", "M.", "Mme", "Mlle")
SUFFIXES = ("Jr.", "Sr.")

# A department or a role in a recipient's name line stands for the firm beside it: no person's name.
ROLES = {"Accounts Payable"}

# 'ter attentie van' (for the attention of): it leads a person's name in a Dutch name line and is no part of it.
ATTENTION = "t.a.v. "

# Dutch name lines that are a body, not a person: its kind or legal form says so.
SCHOLMA_BODIES = {"Bouwbedrijf Hoekstra B.V.", "Gemeente Groningen", "Stichting Muziekschool Noord",
                  "Tandartspraktijk Dijkstra", "Boekhandel Van der Velde"}


def envelope_name(whole):
    """'Dr. Paul Kosir' as ('Dr.', 'Paul', 'Kosir', ''): a leading honorific
    and a trailing 'Jr.' apart, then the first word the given name (a
    hyphened one stays whole) and the rest the family name ('de Vries')."""
    words = whole.split()
    prefix = words.pop(0) if words[0] in PREFIXES else ""
    suffix = words.pop() if words[-1] in SUFFIXES else ""
    return prefix, words[0], " ".join(words[1:]), suffix


def letterstream_recipients():
    """A Cleveland Slovenian society's letter to its members for
    LetterStream, every field quoted as its help asks, in code page 1252:
    whole names as they go on the envelope ('Dr. Paul Kosir', 'Louis
    Kastelic Jr.'), spouses in 'Name2', a department ('Accounts Payable') as
    the name of a firm's row, companies beside a few people, apartments and
    suites in 'Address2', a ZIP+4 and a New Jersey ZIP with its leading
    zero; Slovene, Hungarian, Czech and Polish family names, most spelt
    without their marks as Americans write them."""
    s = SOURCES["letterstream_recipients"]
    rows, want = [s["header"]], []
    for row in LETTERSTREAM98:
        name, line1, city, state, code, _, company, _ = row
        rows.append(list(row))
        # 'Name' is the recipient's whole name, FN as written: an honorific before it the prefix, 'Jr.' after it
        # the suffix, the first word between them the given name and the rest the family name. 'Name2' is a
        # second recipient (a spouse), another person, no part of the card. 'Company' the organisation; a
        # department in 'Name' beside it stands for the firm, whose card is that organisation alone. 'Address1'
        # the street, 'Address2' (a suite, a flat) its second line, then 'City', 'State' (the region) and 'Zip'
        # as written, untyped, no country.
        adrs = [(None, line1, city, state, code, "")]
        if name in ROLES:
            want.append(card(person(org=company), adrs=adrs))
            continue
        prefix, given, family, suffix = envelope_name(name)
        want.append(card(person(given, family, prefix, suffix, org=company), fn=name, adrs=adrs))
    return dict(source="letterstream_recipients", rows=rows, want=want, quote_all=True)


def banta_mailing():
    """A Wisconsin dairy equipment maker's catalogue mailing for Banta's
    mailing services, comma-delimited in code page 1252: keylines, job
    titles in 'Title' ('Service Manager', 'IT Manager'), dealers and
    cooperatives with a buyer, three firms with nobody named, a post office
    box as the street, a ZIP+4, a Vermont ZIP with its leading zero, a
    Quebec dealer with its province and French title, countries as 'USA',
    'United States' and 'Canada'; Polish, Czech and Hungarian family names
    as Americans spell them."""
    s = SOURCES["banta_mailing"]
    rows, want = [s["header"]], []
    for row in BANTA98:
        _, given, family, job, company, street, city, state, code, country = row
        rows.append(list(row))
        # Each row is a mailing's recipient: 'FName' and 'Lname' the person, 'Title' the job title (the page's
        # own example has 'IT Manager'), never an honorific; 'Company' the organisation, alone where nobody is
        # named. 'Address' the street (a post office box as written), 'City', 'State' (the region), 'Zip' and
        # 'Country' as written, untyped. The keyline is the mailing's own number, nobody's.
        adrs = [(None, street, city, state, code, country)]
        want.append(card(person(given, family, org=company, job=job), adrs=adrs))
    return dict(source="banta_mailing", rows=rows, want=want)


def powerecard_empfaenger():
    """A Regensburg engineering firm's Christmas e-card recipients for Power
    eCard, UTF-8 with ';' and the empty last column its example rows end
    with: genders typed as 'Herr', 'Frau', 'hr', 'm', 'f' and 'mr', academic
    titles ('Dr', 'Prof.Dr.', 'Ing.', 'Mgr.'), customers, suppliers, the
    press and private friends as groups, a printer's office mailbox with no
    person; Czech, Hungarian, Polish and Slovak recipients among the
    Bavarian ones."""
    s = SOURCES["powerecard_empfaenger"]
    rows, want = [s["header"]], []
    for row in POWERECARD98:
        given, family, mail, _, title, company, _ = row
        rows.append(list(row) + [""])
        # Each row is a recipient: 'firstname' and 'lastname' the person, 'email' the mailbox, 'company' the
        # organisation; a row with only 'company' and 'email' is that firm, the organisation alone with its
        # mailbox. 'title' ('Dr', 'Prof.Dr.') is the name's prefix, not a job title. 'gender' only picks the
        # greeting and 'group' the firm's own list: nobody's.
        want.append(card(person(given, family, title, org=company, emails=[mail])))
    return dict(source="powerecard_empfaenger", rows=rows, want=want)


def printalliance_adressen():
    """A Vienna medical supplier's mailing to practices, pharmacies and
    hospitals for Print Alliance, saved as 'CSV UTF-8' by an Austrian Excel:
    firms with and without a person, a hospital's department over a hundred
    characters long, titles such as 'Mag. pharm.', 'Univ.-Prof. Dr.' and
    'MUDr.', street and house number in one column with door numbers
    ('88/2/14'), 'Land' empty for Austria and written out in capitals
    abroad ('DEUTSCHLAND', 'TSCHECHIEN'), a Dresden postal code with its
    leading zero, Czech and Slovak codes with a blank, customer numbers."""
    s = SOURCES["printalliance_adressen"]
    rows, want = [s["header"]], []
    for row in PRINTALLIANCE98:
        firm, _, title, given, family, street, code, town, country, _ = row
        rows.append(list(row))
        # 'Vorname' and 'Nachname' are the person, 'Titel' the name's prefix; 'Firma' the organisation as
        # written (a department's whole line too), alone where nobody is named. 'Anrede' only picks the
        # greeting. 'Straße und Hausnummer' the street, 'PLZ', 'Ort' and 'Land' as written, untyped: an empty
        # 'Land' (Austria, the sender's own) stays empty. 'Kundennummer' is the supplier's own.
        adrs = [(None, street, town, "", code, country)]
        want.append(card(person(given, family, title, org=firm), adrs=adrs))
    return dict(source="printalliance_adressen", rows=rows, want=want, bom=True)


def scholma_adressen():
    """A Groningen music school's magazine mailing for Scholma, saved as
    'CSV UTF-8' by a Dutch Excel: three free name lines holding a person's
    whole name with its particle ('Jan de Vries', 'Hendrik ter Horst'), a
    firm with its contact under it (plain or after 't.a.v.'), a town hall
    with its department and contact over three lines, a foundation at a
    post office box, a partner on the second line; house number and
    addition ('A', 'bis') apart from the street; Polish, Czech and Hungarian
    names among the Dutch ones."""
    s = SOURCES["scholma_adressen"]
    rows, want = [s["header"]], []
    for row in SCHOLMA98:
        line1, line2, line3, street, number, addition, code, town, country = row
        rows.append(list(row))
        # The name lines: a body's name ('Bouwbedrijf', 'Gemeente', 'Stichting', 'B.V.') in 'Naamveld1' is the
        # organisation; its contact is the next line that is a person's name, 't.a.v.' left off; a department's
        # line ('Afdeling Cultuur') is nobody's name. A person's whole name in 'Naamveld1' is FN as written, the
        # first word the given name and the rest the family name with its particle ('de Vries'); a second person
        # under it (a partner) is another contact's, no part of the card. 'Straat', 'Huisnummer' and
        # 'Toevoeging' make the street, parted by blanks ('Herestraat 101 A', 'Postbus 1234'); 'Postcode',
        # 'Plaats' and 'Land' as written, untyped.
        line = " ".join(x for x in (street, number, addition) if x)
        adrs = [(None, line, town, "", code, country)]
        if line1 in SCHOLMA_BODIES:
            contact = next((x[len(ATTENTION):] if x.startswith(ATTENTION) else x for x in (line2, line3)
                            if x and not x.startswith("Afdeling ")), "")
            if contact:
                _, given, family, _ = envelope_name(contact)
                want.append(card(person(given, family, org=line1), adrs=adrs))
            else:
                want.append(card(person(org=line1), adrs=adrs))
            continue
        _, given, family, _ = envelope_name(line1)
        want.append(card(person(given, family), fn=line1, adrs=adrs))
    return dict(source="scholma_adressen", rows=rows, want=want, bom=True)


def manuscry_contacts():
    """A Nantes wine merchant's New Year cards for Manuscry, UTF-8: the
    identifier a mailbox for some and a CRM number for the others, the name
    on the envelope with 'M.', 'Mme' or 'Dr' for a few, hyphened given
    names ('Jean-Pierre', 'Marie-Thérèse'), a residence, a building, a
    floor or a practice on the second line, no country; Czech, Polish and
    Hungarian customers among the French."""
    s = SOURCES["manuscry_contacts"]
    rows, want = [s["header"]], []
    for row in MANUSCRY98:
        identifier, name, line1, _, code, town = row
        rows.append(list(row))
        # 'address_name' is the recipient's whole name as the envelope has it, FN as written: 'M.', 'Mme' or 'Dr'
        # before it the prefix, then the given name (hyphened ones whole) and the family name. 'identifier' is
        # the mailbox where it is one, else the merchant's CRM number, nobody's. 'address_line1' the street,
        # 'address_line2' its second line, 'address_zip' and 'address_city'; untyped, no country (the list is
        # for France, but the file does not say it).
        prefix, given, family, _ = envelope_name(name)
        emails = [identifier] if "@" in identifier else []
        want.append(card(person(given, family, prefix, emails=emails), fn=name,
                         adrs=[(None, line1, town, "", code, "")]))
    return dict(source="manuscry_contacts", rows=rows, want=want)
