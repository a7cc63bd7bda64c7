"""Thirty-third held-out set: French, English (Irish, Indian, UK), Norwegian,
Spanish, Swedish and Italian sources (a designer's clients in a bookkeeping
service, an IT firm's customers in an accounting service, a dealer's parties
in a GST accounting service, a delicatessen's loyalty customers from a till
system, a sports club's members, a gym's customers, a school's pupils and
teachers for a learning platform, and a school's teachers for a school app).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtythird_headers import SOURCES
from thirtythird_people import FOCUS33, INDY33, K3_33, KLUBB33, OUTPUT33, SAGE33, SKOLON33, SPORTRICK33


def given_first(name):
    """'Pavel Novák' as ('Pavel', 'Novák'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def day_first(text, sep):
    """'14.03.1985' (or '14/03/1985') as (1985, 3, 14)."""
    day, month, year = (int(x) for x in text.split(sep))
    return year, month, day


def indy_clients():
    """A Lyon graphic designer's clients for Indy's import, saved as 'CSV
    UTF-8' by a French Excel: firms with SIRET and VAT numbers, some with the
    owner's name beside, private clients (Czech, Polish, Hungarian and
    Croatian ones among them), two mailboxes joined by ', ' in one cell, a
    delivery address for two, a Czech firm, two columns named 'Code postal'
    and a note column."""
    s = SOURCES["indy_clients"]
    rows, want = [s["header"]], []
    for (kind, family, given, firm, siret, vat, street, town, code, country, dstreet, dtown, dcode, dcountry, phone,
         mails, note) in INDY33:
        rows.append([kind, family, given, firm, siret, vat, street, town, code, country, dstreet, dtown, dcode,
                     dcountry, phone, mails, note])
        # 'PARTICULIER' is a person; 'ENTREPRISE' a firm, with 'Prénom' and 'Nom de famille' the person at it (the
        # owner), else the firm alone. 'Email(s)' holds one or more mailboxes joined by ', ', each the card's;
        # 'Téléphone' names no kind. The billing address is untyped (no home or work), the country as written;
        # a delivery address is a second one. SIRET, VAT number and the note are nobody's.
        adrs = [(None, street, town, "", code, country)]
        if dstreet:
            adrs.append((None, dstreet, dtown, "", dcode, dcountry))
        emails = [m.strip() for m in mails.split(",") if m.strip()]
        tels = [(ANY, phone)] if phone else []
        p = person(given, family, org=firm, emails=emails)
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="indy_clients", rows=rows, want=want, bom=True)


def sage_contacts():
    """A Cork IT firm's customers for Sage Accounting's import: Irish firms
    (Czech, Polish, Hungarian and Croatian owners among them) and one in
    Belfast, Eircodes, 'Unit 7' with the business park on the second line, a
    delivery address for two, Sage's 'Main Contact' left as the contact's
    name, a role ('Club Secretary') where a name belongs, VAT numbers, credit
    limits and the ledger account."""
    s = SOURCES["sage_contacts"]
    rows, want = [s["header"]], []
    for (ref, firm, currency, limit, kind, line1, line2, town, county, code, country, contact, phone, ckind, mobile,
         mail, fax, kind2, a2line1, a2line2, a2town, a2county, a2code, a2country, vat) in SAGE33:
        rows.append([ref, firm, currency, limit, kind, line1, line2, town, county, code, country, contact, phone,
                     ckind, mobile, mail, fax, kind2, a2line1, a2line2, a2town, a2county, a2code, a2country, vat,
                     "4000"])
        # The row is a firm: with a person's name under 'Main Contact Name' the card is that person at the firm
        # (FN as written, its first word the given name); Sage's default 'Main Contact', a role ('Club
        # Secretary') or nothing leave the firm alone. 'Main Contact Phone' is a business number (WORK or
        # VOICE), 'Main Contact Mobile' CELL, 'Main Contact Fax' FAX. Both addresses are untyped (delivery or
        # accounts is neither home nor work): line 1 the street, line 2 its second line, the county the
        # region, the country code as written. Reference, currency, limit, VAT and ledger are nobody's.
        adrs = [(None, line1, town, county, code, country)]
        if a2line1:
            adrs.append((None, a2line1, a2town, a2county, a2code, a2country))
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("CELL", mobile), ("FAX", fax)) if n]
        if contact and contact not in ("Main Contact", "Club Secretary"):
            p = person(*given_first(contact), org=firm, emails=[mail])
            want.append(card(p, fn=contact, tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=firm, emails=[mail]), tels=tels, adrs=adrs))
    return dict(source="sage_contacts", rows=rows, want=want)


def outputbooks_parties():
    """A Pune machine-tool dealer's customers and suppliers for Output Books'
    import: firms with a contact person (a Czech, a Polish and a Hungarian
    one among them), firms without, private customers by whole name, GSTINs,
    opening balances (negative for suppliers), addresses with commas (so
    quoted), two mobiles a spreadsheet turned into '9.19823E+11'."""
    s = SOURCES["outputbooks_parties"]
    rows, want = [s["header"]], []
    for (name, firm, kind, contact, mobile, gstin, scheme, balance, line1, line2, city, state, pin, country,
         phone) in OUTPUT33:
        rows.append([name, firm, kind, contact, mobile, gstin, scheme, balance, line1, line2, city, state, pin,
                     country, phone])
        # Customers and suppliers alike are contacts. With 'company' the row is a firm: with 'contactPerson' the
        # card is that person at the company (FN as written, first word the given name), else the company
        # alone. Without it 'name' is a private customer's whole name (FN as written, first word the given
        # name). 'contactPersonMobile' is CELL, lost where the spreadsheet wrote it as '9.19823E+11'; 'phone'
        # names no kind. The address is untyped: address1 the street, address2 its second line, StateName the
        # region. GSTIN, scheme and balance are nobody's.
        adrs = [(None, line1, city, state, pin, country)]
        tels = [(t, n) for t, n in (("CELL", mobile), (ANY, phone)) if n and "E+" not in n]
        if firm and contact:
            want.append(card(person(*given_first(contact), org=firm), fn=contact, tels=tels, adrs=adrs))
        elif firm:
            want.append(card(person(org=firm), tels=tels, adrs=adrs))
        else:
            want.append(card(person(*given_first(name)), fn=name, tels=tels, adrs=adrs))
    return dict(source="outputbooks_parties", rows=rows, want=want)


def k3_customers():
    """A Bradford Polish and Czech delicatessen's loyalty customers exported
    from K3 Imagine and saved by Excel as 'Unicode Text': Polish, Czech and
    Slovak names, the billing address as one cell 'street, town, postcode,
    country', a shipping address for one, birth dates dd/mm/yyyy (some
    missing), two firms, loyalty points and spend."""
    s = SOURCES["k3_customers"]
    rows, want = [s["header"]], []
    for row in K3_33:
        (_, given, family, mail, mobile, phone, firm, billing, shipping, born) = row[:10]
        rows.append(list(row))
        # Each row is a person: 'First Name' and 'Last Name'; 'Associated Company' the organisation; 'Mobile Phone
        # Number' CELL, 'Phone Number' no kind; 'Birthdate' the birthday, day first. 'Primary Billing Address' is
        # one cell: its last three parts after commas the town, the postcode and the country, the rest the
        # street ('Unit 4, Kirkstall Road'); a shipping address is a second one; both untyped. Ids, language,
        # money and points are nobody's.
        adrs = []
        for text in (billing, shipping):
            if text:
                parts = text.split(", ")
                adrs.append((None, ", ".join(parts[:-3]), parts[-3], "", parts[-2], parts[-1]))
        tels = [(t, n) for t, n in (("CELL", mobile), (ANY, phone)) if n]
        birthday = day_first(born, "/") if born else None
        p = person(given, family, org=firm, emails=[mail], birthday=birthday)
        want.append(card(p, tels=tels, adrs=adrs, birthday=bool(birthday)))
    return dict(source="k3_customers", rows=rows, want=want, bom=True)


def klubbadmin_medlemmer():
    """An Oslo sports club's members in KlubbAdmin's import sheet, saved by a
    Norwegian Excel as 'CSV (semikolondelt)': Czech, Slovak and Hungarian
    members among the Norwegian ones, children without a mailbox, a double
    given name, postal codes whose leading zero Excel dropped ('465'), a
    Hungarian mobile, birth dates dd.mm.yyyy."""
    s = SOURCES["klubbadmin_medlemmer"]
    rows, want = [s["header"]], []
    for given, family, born, sex, mail, code, phone in KLUBB33:
        rows.append([given, family, born, sex, mail, code, phone])
        # Each row is a member: 'Fornavn' (two words in 'Lars Erik') and 'Etternavn'; 'Telefonnummer' names no
        # kind; 'Fødselsdato' the birthday, day first. 'Postnummer' is an address of its postal code alone, as
        # the cell holds it: Excel's '465' for 0465 is not put right. 'Kjønn' is nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=day_first(born, "."))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, "", "", "", code, "")],
                         birthday=True))
    return dict(source="klubbadmin_medlemmer", rows=rows, want=want)


def sportrick_customers():
    """A Valencia gym's customers in Sportrick's 'Customers' sheet, saved by a
    Spanish Excel as 'CSV (delimitado por punto y coma)': two family names
    in one cell, Czech, Hungarian and Polish customers, '01/01/1900' for an
    unknown birth date, NIE and NIF numbers, floors in the street ('3º 5ª'),
    landlines and mobiles, a minor without her own mobile."""
    s = SOURCES["sportrick_customers"]
    rows, want = [s["header"]], []
    for number, family, given, born, place, sex, nif, street, city, code, state, phone, mobile, mail in SPORTRICK33:
        rows.append([number, family, given, born, place, sex, nif, street, city, code, state, phone, mobile, mail])
        # Each row is a customer: 'FirstName' the given name, 'LastName' the family name (both of a Spanish
        # one). 'Phone' (a landline) names no kind, 'MobilePhone' is CELL; 'DateOfBirth' the birthday, day first,
        # but '01/01/1900' is the template's stand-in for an unknown date and no birthday. The address is
        # untyped, 'State' the region, no country. Number, birthplace, sex and NIF are nobody's.
        birthday = day_first(born, "/")
        birthday = None if birthday == (1900, 1, 1) else birthday
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile)) if n]
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday)
        want.append(card(p, tels=tels, adrs=[(None, street, city, state, code, "")], birthday=bool(birthday)))
    return dict(source="sportrick_customers", rows=rows, want=want)


def skolon_anvandare():
    """A Malmö school's pupils and teachers as a school reports app writes them
    for Skolon: every cell of a row in quotes (the header's not), the e-mail
    twice (also the user name), a home number or a mobile, Polish, Croatian,
    Hungarian and Czech pupils and a Polish teacher, personal numbers,
    courses joined with '|', LF and no line end after the last row."""
    s = SOURCES["skolon_anvandare"]
    rows, want = [s["header"]], []
    for (given, family, mail, role, home, mobile, street, town, code, born, pnr, school, grade, courses,
         klass) in SKOLON33:
        rows.append([given, family, mail, role, mail, "", "", home, mobile, street, town, code, born, "", pnr,
                     school, grade, courses, klass])
        # Each row is a person, pupil or teacher: 'Förnamn' and 'Efternamn'; 'E-post' the mailbox ('Användarnamn'
        # the same address again, one mailbox); 'Hemtelefonnummer' HOME, 'Mobiltelefonnummer' CELL; 'Födelsedatum'
        # the birthday. The address is untyped, no country. 'Användartyp' ('Elev', 'Lärare') is the platform's
        # role, no job title; personal number, school type, year, courses and class are nobody's.
        year, month, day = (int(x) for x in born.split("-"))
        tels = [(t, n) for t, n in (("HOME", home), ("CELL", mobile)) if n]
        p = person(given, family, emails=[mail], birthday=(year, month, day))
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "")], birthday=True))
    text = "\n".join([";".join(rows[0])] + [";".join('"' + v + '"' for v in row) for row in rows[1:]])
    return dict(source="skolon_anvandare", rows=rows, want=want, text=text)


def focus360_docenti():
    """A Trieste secondary school's teachers for Focus360's upload: Slovene and
    Croatian teachers of the Slovene-speaking minority among the Italian
    ones, the subject each teaches, mobiles written without blanks, one
    without a phone."""
    s = SOURCES["focus360_docenti"]
    rows, want = [s["header"]], []
    for family, given, subject, mail, phone, klass in FOCUS33:
        rows.append([family, given, subject, mail, phone, klass])
        # Each row is a teacher: 'nome' and 'cognome'; 'mail' the mailbox; 'telefono' names no kind. 'disciplina'
        # is the subject taught, no job title; 'classe' is nobody's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="focus360_docenti", rows=rows, want=want)
