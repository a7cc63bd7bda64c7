"""Twenty-fifth held-out set: a Swedish role-play's players, a Norwegian
sailing club's members, a padel travel organiser's bookings, a Swedish trail
race's entries, a Dutch football club's members, a Toulouse printer's
customers and suppliers, a Portuguese federation's members, a Brazilian gym's
students and a Bologna accounting office's clients. Each maker returns a dict
as crm_exports.py's do."""
from export_kit import ANY, card, csv_text
from people import person
from twentyfifth_headers import SOURCES
from twentyfifth_people import (ACADEMIA25, CLIENTI25, FEDERACAO25, LAIV25, LOPP25, MEDLEMMER25, PADEL25,
                                SPORTLINK25, TIERS25)


def dmy(text, sep):
    """'15/06/1985' as (1985, 6, 15)."""
    d, m, y = text.split(sep)
    return int(y), int(m), int(d)


def given_first(name):
    """'Lucas Ferreira Lima' as ('Lucas', 'Ferreira Lima'): the first word and the rest."""
    given, _, family = name.partition(" ")
    return given, family


def laiv_fraktioner():
    """A Swedish role-play's players as the organisers copy them off the
    site: each faction's name on a line of its own, the header again under
    it, an empty line after its players; personnummer, allergies ('Gluten|
    Laktos', the line break turned into '| '), character names, groups with
    ','; second phones and public mailboxes for a few; nothing quoted, LF."""
    s = SOURCES["laiv_fraktioner"]
    rows, want, lines, faction = [s["header"]], [], [], None
    for entry in LAIV25:
        (name, given, family, pnr, sex, street, code, town, mail, phone1, phone2, public, allergies, medicine, info,
         role, culture, concept, concept_text, groups) = entry
        if name != faction:
            if faction is not None:
                lines.append("")
            lines += [name, ";".join(s["header"])]
            faction = name
        row = [given, family, pnr, sex, street, code, town, mail, phone1, phone2, public, allergies, medicine, info,
               role, name, culture, concept, concept_text, groups]
        rows.append(row)
        lines.append(";".join(row))
        # The faction's name above its block and the header again are no contacts. The mailbox and the public one
        # are both the player's; 'Telefon 1' and 'Telefon 2' name no kind; the address is the player's, neither
        # home nor work, without a country. 'Rollnamn' is the character played, no name of the player's (no
        # nickname either); personnummer, sex, allergies, medicine, notes, faction, culture, concept and groups
        # are nobody's.
        tels = [(ANY, n) for n in (phone1, phone2) if n]
        p = person(given, family, emails=[m for m in (mail, public) if m])
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "")]))
    text = "\n".join(lines) + "\n\n"
    return dict(source="laiv_fraktioner", rows=rows, want=want, text=text)


def medlemmer():
    """A Bærum and Oslo sailing club's members as the board keeps them:
    member ids, couples and children at one address, mobiles written three
    ways, an honorary and a life member without payment flags, a member
    without an address, joining dates as dd.mm.yyyy, a year or ISO; CRLF."""
    s = SOURCES["medlemmer"]
    rows, want = [s["header"]], []
    for row in MEDLEMMER25:
        (number, given, family, street, code, town, mobile, mail, born, kind, joined, paid, paid_before) = row
        rows.append(list(row))
        # 'Mobil' is CELL; the address is the member's, neither home nor work, no country; the birth year is no
        # birth date; id, type, joining date and payment flags are nobody's.
        adrs = [(None, street, town, "", code, "")] if street else []
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[("CELL", mobile)] if mobile else [], adrs=adrs))
    return dict(source="medlemmer", rows=rows, want=want)


def padelreiser():
    """A padel travel organiser's bookings for two camps: couples and
    friends sharing a room, each naming the other under 'Deler rom med';
    Czech guests with a Czech number; a cancelled booking; numbers with and
    without +47; extras joined with ', '; the signature and CRLF."""
    s = SOURCES["padelreiser"]
    rows, want = [s["header"]], []
    for row in PADEL25:
        booked, status, trip, given, family, mail, phone, level, room, sharing, extras = row
        rows.append(list(row))
        # Each booking is a card; 'Telefon' names no kind; 'Deler rom med' names another guest, nobody on this
        # card; date, status, trip, level, room and extras are nobody's (a cancelled booking is still a contact).
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="padelreiser", rows=rows, want=want, bom=True)


def lopp_anmalningar():
    """A Gothenburg trail race's entries: classes, clubs (empty for those
    without), licence numbers for some, birth years, a girl with her
    father's number, late entries unpaid, a Czech and a Hungarian runner
    with their own countries' numbers; CRLF."""
    s = SOURCES["lopp_anmalningar"]
    rows, want = [s["header"]], []
    for row in LOPP25:
        number, given, family, klass, club, licence, sex, born, mail, phone, paid, source = row
        rows.append(list(row))
        # 'Klubb' is the runner's sports club, no organisation of the card's (as the earlier race entries have it);
        # 'Telefon' names no kind; a number written for two runners is on both cards; the birth year is no birth
        # date; start number, class, licence, sex, payment and source are nobody's.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="lopp_anmalningar", rows=rows, want=want)


def sportlink_leden():
    """A Dutch football club's members from its Sportlink export: relation
    numbers, family names with their particles ('van den Berg', ''t Hart'),
    a boy without a mailbox, teams, 'Ja'/'Nee'; LF."""
    s = SOURCES["sportlink_leden"]
    rows, want = [s["header"]], []
    for row in SPORTLINK25:
        number, given, family, mail, team, active = row
        rows.append(list(row))
        # The particle is part of the family name; the team is no organisation; relation number and the season's
        # flag are nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else [])))
    return dict(source="sportlink_leden", rows=rows, want=want, line_end="\n")


def extraction_tiers():
    """A Toulouse printer's customers and suppliers as its management suite
    extracts them: civilities, a nickname for two, customer and supplier
    codes, firms by their name alone (suppliers, with their SIRET and VAT
    numbers), private customers, people at a firm, a second address line for
    four, the department beside the postal code, booleans 1/0, comments,
    dates dd/mm/yyyy; code page 1252."""
    s = SOURCES["extraction_tiers"]
    rows, want = [s["header"]], []
    for row in TIERS25:
        (family, given, street, second, third, code, town, country, _, civility, nickname, _, firm, _, _, _, _, _,
         _, _, _, phone, mail, web, _, _, _, _) = row
        rows.append(list(row))
        # A row without a given name whose 'Nom' is the firm's is the firm alone; 'Nom entreprise' is the
        # organisation; the civility is the name's prefix; 'Surnom' the nickname, 'Web' the web page. The address
        # is the street of 'Adresse 1' (the further lines no part of it), postal code, town and country, neither
        # home nor work; 'Département' is the postal code's first two digits, no region. 'Tel' names no kind. Codes,
        # flags, types, comments, VAT and SIRET numbers and dates are nobody's.
        if given:
            p = person(given, family, prefix=civility, org=firm, emails=[mail] if mail else [], nickname=nickname,
                       url=web)
        else:
            p = person(org=firm, emails=[mail] if mail else [], url=web)
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", code, country)],
                         nickname=bool(nickname), url=bool(web)))
    return dict(source="extraction_tiers", rows=rows, want=want)


def federacao_individuos():
    """A Portuguese federation's members from the clubs' files: the given
    name, the surname ('Apelido') and the whole name with middle names,
    member numbers, birth dates dd/mm/yyyy, countries in Portuguese (a Pole,
    a Romanian, a Czech), citizen card and tax numbers, a floor and side
    after the street ('3.º Esq.'), districts, landlines and mobiles; LF."""
    s = SOURCES["federacao_individuos"]
    rows, want = [s["header"]], []
    for row in FEDERACAO25:
        (given, family, full, _, born, country, _, _, _, street, code, town, district, phone, mobile, mail, _, _,
         _) = row
        rows.append(list(row))
        # 'Apelido' is the surname (European Portuguese); FN is 'Nome Completo' as written. The address is 'morada',
        # 'codigo_postal', 'localidade' and the district as its region, with the country written, neither home nor
        # work. 'telefone' names no kind, 'telemovel' is CELL; 'data_nascimento' is the birthday. The club is no
        # organisation; member, card and tax numbers, sex and zone are nobody's.
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile)) if n]
        p = person(given, family, emails=[mail], birthday=dmy(born, "/"))
        want.append(card(p, fn=full, tels=tels, adrs=[(None, street, town, district, code, country)],
                         birthday=True))
    return dict(source="federacao_individuos", rows=rows, want=want, line_end="\n")


def academia_alunos():
    """A Maceió gym's students as its app exports them: the whole name in
    one cell, nicknames ('Apelido', Brazilian Portuguese), formatted CPFs,
    numbers as '(82) 99999-0000', one without, birth dates dd/mm/yyyy, the
    personal trainer's and the nutritionist's names, tags with ', ',
    statuses and payments; CRLF."""
    s = SOURCES["academia_alunos"]
    rows, want = [s["header"]], []
    for row in ACADEMIA25:
        name, nickname, _, mail, phone, born, _, _, _, _, _, _, _, _, _ = row
        rows.append(list(row))
        # FN is 'Nome' as written, its first word the given name; 'Apelido' is the nickname here (not the surname);
        # 'Telefone' names no kind; 'Nascimento' is the birthday. 'Personal' and 'Nutricionista' name the gym's
        # staff, nobody on the student's card; CPF, sex, modules, tags, status, payment and dates are nobody's.
        given, family = given_first(name)
        p = person(given, family, emails=[mail], birthday=dmy(born, "/"), nickname=nickname)
        want.append(card(p, fn=name, tels=[(ANY, phone)] if phone else [], birthday=True,
                         nickname=bool(nickname)))
    return dict(source="academia_alunos", rows=rows, want=want)


def clienti_riepilogo():
    """A Bologna accounting office's clients: private clients, sole traders
    and firms, two firms without a contact person, tax codes and VAT
    numbers, provinces as codes, landlines and mobiles, ordinary and
    certified (PEC) mailboxes, SDI codes ('0000000' for private clients),
    an IBAN for three, notes (one with ';', so quoted); CRLF."""
    s = SOURCES["clienti_riepilogo"]
    rows, want = [s["header"]], []
    for row in CLIENTI25:
        given, family, firm, _, _, street, code, town, province, phone, mobile, mail, pec, _, _, _ = row
        rows.append(list(row))
        # 'Ragione Sociale' is the organisation, a row without a name the firm alone; the mailbox and the PEC
        # are both the client's; 'Telefono' names no kind, 'Cellulare' is CELL; the address is street, postal code,
        # town and the province as its region, no country, neither home nor work. Tax code, VAT number, SDI code,
        # IBAN and notes are nobody's.
        emails = [m for m in (mail, pec) if m]
        p = person(given, family, org=firm, emails=emails) if given else person(org=firm, emails=emails)
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile)) if n]
        want.append(card(p, tels=tels, adrs=[(None, street, town, province, code, "")]))
    return dict(source="clienti_riepilogo", rows=rows, want=want)
