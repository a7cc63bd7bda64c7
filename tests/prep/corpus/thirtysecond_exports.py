"""Thirty-second held-out set: German-language sources from Germany, Austria
and Switzerland (a parcel service's address import, a school administration's
pupil list and a charity's donor import), with Czech, Slovak, Polish,
Hungarian, Slovene, Croatian and Romanian names among the people. Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtysecond_headers import SOURCES
from thirtysecond_people import CUORA32, HERMES32, SOKRATES32


def hermes_versand():
    """A Leipzig tea shop's parcels for the Hermes address import: the field
    lengths in the column names, the house number apart from the street,
    address additions ('bei Schulz', 'Hinterhaus, 3. OG', a Packstation),
    the area code apart from the number, firms with no given name, order
    numbers with '#', parcel classes and a bulky-goods flag; LF."""
    s = SOURCES["hermes_versand"]
    rows, want = [s["header"]], []
    for given, family, extra, street, house, code, town, area, number, mail, order, size in HERMES32:
        rows.append([given, family, extra, street, house, code, town, area, number, mail, order, size, "0"])
        # With 'Vorname' the row is a person, 'Nachname/Firmenname' the family name; without it the cell is a
        # firm and the card that firm alone. The street is 'Strasse' and 'Hausnummer' together; 'Adresszusatz'
        # is an addition (c/o, a back building, a firm's gate) and no part of the street; no country. The area
        # code and the number are one phone, written with a blank between them, of no kind. The order number,
        # parcel class and bulky flag are nobody's.
        adrs = [(None, f"{street} {house}", town, "", code, "")]
        tels = [(ANY, f"{area} {number}")] if number else []
        emails = [mail] if mail else []
        if given:
            want.append(card(person(given, family, emails=emails), tels=tels, adrs=adrs))
        else:
            want.append(card(person(org=family, emails=emails), tels=tels, adrs=adrs))
    return dict(source="hermes_versand", rows=rows, want=want, line_end="\n")


def sokrates_schueler():
    """A Vienna secondary school's pupils from Sokrates' query '111 Schüler
    (Erziehungsberechtigte)': classes, pupils' numbers, social insurance
    numbers ('2213 140312', one missing), m/w, birth dates 'dd.mm.yyyy',
    Viennese door numbers ('88/4/12'), the parents' mailboxes and phones
    (Czech, Slovak, Slovene and Hungarian ones among them), one without a
    mailbox and one without a phone."""
    s = SOURCES["sokrates_schueler"]
    rows, want = [s["header"]], []
    for row in SOKRATES32:
        (_, _, family, given, _, _, born, code, town, street, house, mail, phone) = row
        rows.append(list(row))
        # Each row is a pupil: 'Vorname' and 'Familienname'; 'Geburtsdatum' the birthday, day first. The mailbox
        # and phone are the parents', the only way the school reaches the pupil, and are the card's: the phone
        # of no kind. The street is 'Straße' and 'Hausnummer' together (stair and door numbers with it), no
        # country. Class, numbers and sex are nobody's; the insurance number is no phone.
        day, month, year = (int(x) for x in born.split("."))
        p = person(given, family, emails=[mail] if mail else [], birthday=(year, month, day))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, f"{street} {house}", town, "",
                                                                             code, "")], birthday=True))
    return dict(source="sokrates_schueler", rows=rows, want=want, bom=True)


def cuora_kontakte():
    """A Zurich charity's donors and partners for cuora's import, saved as
    'CSV UTF-8' by a Swiss German Excel: salutations Frau, Herr, Familie,
    Firma and Verein, Czech, Slovak, Polish and Hungarian donors, people at
    firms and a foundation, firms and a club alone, a family by its name,
    additions before and after the street ('c/o Meier', 'Postfach'),
    countries as codes and names, Swiss phones with blanks, flags 'x' and
    categories joined with commas."""
    s = SOURCES["cuora_kontakte"]
    rows, want = [s["header"]], []
    for row in CUORA32:
        (salutation, family, given, firm, before, street, house, after, code, town, country, phone, mobile, mail,
         mail2, _, _, _, _) = row
        rows.append(list(row))
        # 'Anrede' Firma or Verein: the card is 'Firma' alone. Else a person, 'Name' the family name, with
        # 'Firma' the organisation; 'Familie' has no given name and the card is the family name alone. 'Telefon'
        # names no kind, 'Mobile' is CELL; both mailboxes are the card's. The street is 'Strasse' and
        # 'Hausnummer' together; the additions before and after it are no part of it; the country as written.
        # Remarks, flags and categories are nobody's.
        adrs = [(None, f"{street} {house}", town, "", code, country)]
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile)) if n]
        emails = [m for m in (mail, mail2) if m]
        if salutation in ("Firma", "Verein"):
            want.append(card(person(org=firm, emails=emails), tels=tels, adrs=adrs))
        else:
            want.append(card(person(given, family, org=firm, emails=emails), tels=tels, adrs=adrs))
    return dict(source="cuora_kontakte", rows=rows, want=want, bom=True)
