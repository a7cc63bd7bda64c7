"""Eighty-first held-out set: churches' and charities' registers and giving
exports (a Dutch Protestant congregation's Kerkbalans participants, three
church giving exports as a migration service reads them, a community
foundation's constituents, a charity's donors with their primary business).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import card, csv_text, fill
from people import person
from eightyfirst_headers import SOURCES
from eightyfirst_people import AWARE81, CHURCHTEAMS81, CHURCHWINDOWS81, FUNDRIVER81, LRP81, RAISERS81


def dutch_date(text):
    """'14-03-1958' as (1958, 3, 14)."""
    day, month, year = (int(x) for x in text.split("-"))
    return year, month, day


def lrp_street(street, number, letter, addition):
    """The street line as LRP's 'Adres' writes it: the letter joined to the
    number ('27A'), a numeric addition after a hyphen ('301-2'), a word after
    a space ('88 bis')."""
    line = f"{street} {number}{letter}"
    if addition:
        line += f"-{addition}" if addition.isdigit() else f" {addition}"
    return line


def still_due(pledged, received):
    """What is still to come of a pledge, with LRP's decimal comma; nothing
    where nothing was pledged."""
    if not pledged:
        return ""
    rest = float(pledged.replace(",", ".")) - float(received.replace(",", "."))
    return f"{rest:.2f}".replace(".", ",")


def lrp_deelnemers():
    """An Enschede congregation's Kerkbalans participants exported from LRP
    and saved by a Dutch Excel as 'CSV UTF-8': initials ('J.H.') and particles
    ('van der', 'ter') apart from the family name, the street line beside its
    parts (house letter, addition 'bis' and '-2'), a member across the border
    in Gronau with German numbers, couples in one pastoral unit sharing the
    address and the landline, one with no birth date, a no-contact flag,
    IBANs, pledged and received amounts with a decimal comma; Polish, Czech,
    Hungarian, Slovak and Slovene members among the Dutch."""
    s = SOURCES["lrp_deelnemers"]
    rows, want = [s["header"]], []
    for (number, initials, particle, family, addressing, street, house, letter, addition, code, town, country,
         landline, mobile, mail, born, civil, unit, relation, church, no_contact, iban, pledged, received, paying,
         salutation) in LRP81:
        line = lrp_street(street, house, letter, addition)
        unit_name = " ".join(x for x in (particle.capitalize(), family) if x)
        values = {
            "Geregistreerde_nummer": number, "Voorletters": initials, "Tussenvoegsels": particle,
            "Achternaam": family, "Aanschrijfnaam": addressing, "Adres": line, "Straat": street,
            "Huisnummer": house, "Huisletter": letter, "Huisnummer_toevoeging": addition, "Postcode": code,
            "Plaats": town, "Land": country, "Telefoonnummer_vast": landline, "Telefoonnummer_mobiel": mobile,
            "Emailadres": mail, "Geboortedatum": born, "Burgerlijke_staat": civil, "PE_nummer": unit,
            "PE_naam": unit_name, "PE_relatie": relation, "Kerkelijke_staat": church,
            "Voorkeurlid": "Ja" if church == "voorkeurlid" else "Nee", "Wenst_geen_contact": no_contact,
            "SelectieNaam": "Kerkbalans 2026", "SelectieNummer": "12", "SelectieOmschrijving": "Actie Kerkbalans",
            "IBAN": iban, "MachtigingsID": f"KB26-{number}" if paying == "machtiging" else "",
            "Toegezegd": pledged, "Ontvangen": received, "Nog_te_ontvangen": still_due(pledged, received),
            "Achterstand": "0,00" if pledged else "", "Meer_ontvangen": "0,00" if pledged else "",
            "Invoerdatum": "24-01-2026" if pledged else "", "Bron": "toezeggingsformulier" if pledged else "",
            "Betaalschema": "jaarlijks" if pledged else "", "Betaalwijze": paying,
            "Doorlopend": "Ja" if paying == "machtiging" else "Nee" if pledged else "",
            "Wijkgem_eigenaar_naam": "Wijkgemeente Oost", "Wijkgem_eigenaar_nummer": "3",
            "Wijk_relatie_eigenaar": "wijk 3", "Sectie_eigenaar": "3b", "Aanhef": salutation,
        }
        rows.append(fill(s["header"], values))
        # Each row is a participant: 'Voorletters' is the given name as the file has it (initials only);
        # 'Tussenvoegsels' and 'Achternaam' together the family name ('van der Berg'); FN the three. The
        # addressing name ('Dhr. J.H. van der Berg') and 'Aanhef' are for letters, no name of the card. 'Adres' is
        # the street line (the same as 'Straat', 'Huisnummer', 'Huisletter' and 'Huisnummer_toevoeging'), then
        # 'Postcode', 'Plaats' and 'Land' as written, untyped. 'Telefoonnummer_vast' is the household's landline,
        # HOME; 'Telefoonnummer_mobiel' CELL; 'Geboortedatum' the birthday, day first. The pastoral unit, church
        # state, selection, IBAN, mandate, amounts and the no-contact flag are nobody's.
        tels = ([("HOME", landline)] if landline else []) + ([("CELL", mobile)] if mobile else [])
        family_name = " ".join(x for x in (particle, family) if x)
        p = person(initials, family_name, emails=[mail] if mail else [], birthday=dutch_date(born) if born else None)
        want.append(card(p, tels=tels, adrs=[(None, line, town, "", code, country)], birthday=bool(born)))
    return dict(source="lrp_deelnemers", rows=rows, want=want, bom=True)


def churchteams_giving():
    """A Pittsburgh Slovak Lutheran congregation's gifts of one Sunday from
    Churchteams: member ids (a visitor without one), 'Yes'/'No' for tax
    deduction, mobiles written four ways ('(412) 555-0143', '412-555-0187',
    '412.555.0164', a Slovak '+421'), a unit or flat on 'Address2', a ZIP+4,
    a visitor without address or mailbox, a member abroad with no state,
    funds, card and ACH references; a married couple with a mailbox each."""
    s = SOURCES["churchteams_giving"]
    rows, want = [s["header"]], []
    for row in CHURCHTEAMS81:
        (_, _, given, family, mail, mobile, _, _, _, _, _, street, _, city, state, code) = row
        rows.append(list(row))
        # Each row is a gift and its giver: 'FirstName' and 'LastName', FN the two; 'EmailAddress' the mailbox;
        # 'MobilePhone' CELL as written. 'Address1' the street, 'Address2' its second line, then 'City', 'State'
        # (the region) and 'ZipCode', untyped, no country. Fund, amount, method, date, reference and the tax
        # flag are the gift's, nobody's.
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[("CELL", mobile)] if mobile else [],
                         adrs=[(None, street, city, state, code, "")] if street else []))
    return dict(source="churchteams_giving", rows=rows, want=want)


def aware3_giving():
    """An Omaha Czech parish school's gifts from FACTS Giving (Aware3): user
    ids, two businesses giving with no person named, two gifts by a person on
    behalf of a firm ('Vondrasek Dental Group'), a Brno parishioner with a
    Czech postal code, countries 'US', 'United States' and 'CZ', recurring and
    one-time gifts, timestamps, transaction ids; no phone or mailbox column."""
    s = SOURCES["aware3_giving"]
    rows, want = [s["header"]], []
    for row in AWARE81:
        (_, given, family, street, city, state, code, country, _, _, _, _, org, _) = row
        rows.append(list(row))
        # 'First Name' and 'Last Name' are the giver, 'Organization' the firm or body the gift comes from: with a
        # name, that person at it (its ORG); with no name, the organisation alone. 'Street', 'City', 'State' (the
        # region), 'Postal Code' and 'Country' as written, untyped. Fund, amount, type, date and ids nobody's.
        adrs = [(None, street, city, state, code, country)]
        if given or family:
            want.append(card(person(given, family, org=org), adrs=adrs))
        else:
            want.append(card(person(org=org), adrs=adrs))
    return dict(source="aware3_giving", rows=rows, want=want)


def fundriver_constituents():
    """A Minnesota community foundation's constituents for Fundriver Impact's
    default import, saved as 'CSV UTF-8': organisations with their name in
    'Last Name' and 'Yes' in 'Organization' (a family foundation, an arts
    council on a PO box, a Sokol), addressees for couples ('Dr. and Mrs.
    Stanislav Kučera') and salutations, suites and mail routes on the second
    and third lines, a Kraków donor with 'm. 4', countries 'USA', 'Poland' or
    none, a gift officer's name, an inactive donor, record ids and funds."""
    s = SOURCES["fundriver_constituents"]
    rows, want = [s["header"]], []
    for row in FUNDRIVER81:
        (_, given, family, is_org, _, _, line1, _, _, city, state, code, country) = row[:13]
        rows.append(list(row))
        # 'Organization' says what the row is: 'Yes' an organisation, whose name is 'Last Name', the card that
        # body alone; 'No' a person, 'First Name' and 'Last Name', FN the two. 'Addressee' and 'Salutation' are
        # for letters ('Dr. and Mrs. ...' names two), no name of the card. 'Address Line 1' the street, lines 2
        # and 3 its further lines, then 'City', 'State' (the region), 'Zip' and 'Country' as written, untyped.
        # 'Primary Solicitor' is the gift officer, another person; status, ids and the filter nobody's.
        adrs = [(None, line1, city, state, code, country)]
        if is_org == "Yes":
            want.append(card(person(org=family), adrs=adrs))
        else:
            want.append(card(person(given, family), adrs=adrs))
    return dict(source="fundriver_constituents", rows=rows, want=want, bom=True)


def raisers_edge_business():
    """A London Polish community charity's donors imported into The Raiser's
    Edge 7 with their primary business, saved as 'CSV UTF-8': import ids,
    titles ('Mr', 'Revd', 'Prof', one empty), businesses with a comma or an
    ampersand ('PKO Bank Polski, London Branch', quoted; 'Bennett & Hart
    Solicitors LLP'), 'Yes'/'No' flags (a priest's mission and a volunteer's
    centre are no employer), donors without a business; Polish, Czech and
    Hungarian names among the English."""
    s = SOURCES["raisers_edge_business"]
    rows, want = [s["header"]], []
    for row in RAISERS81:
        (_, title, given, family, business, _, _, _) = row
        rows.append(list(row))
        # Each row is a donor: 'FirstName' and 'LastName', FN the two; 'Titl1' the name's prefix. 'ORFullName' is
        # the donor's primary business (the import exists to set it), the card's organisation, whether or not
        # 'ORIsEmp' calls it the employer. The import ids and flags are nobody's.
        want.append(card(person(given, family, prefix=title, org=business)))
    return dict(source="raisers_edge_business", rows=rows, want=want, bom=True)


def churchwindows_donations():
    """A Praha, Texas parish's donation log from Church Windows with repeating
    transaction data suppressed: a gift split over two or three accounts
    continues on lines with only the account, amount and comment, the giver's
    name on the first line alone; checks with a leading zero, cash and online
    gifts, a fraternal society giving as a body ('KJT Society No. 23'); Czech
    names, some with their letters, among the Texans."""
    s = SOURCES["churchwindows_donations"]
    rows, want = [s["header"]], []
    lines = [s["header"]]
    for trans, date, batch, check, items, method, giver, number in CHURCHWINDOWS81:
        for k, (account, amount, account_id, account_name, comment) in enumerate(items):
            if k == 0:
                line = [trans, date, batch, check, account, amount, account_id, account_name, method, comment, giver,
                        number]
                rows.append(line)
            else:
                # The transaction's own columns are left empty on its further line items: no contact of their
                # own, they belong to the giver above.
                line = ["", "", "", "", account, amount, account_id, account_name, "", comment, "", ""]
            lines.append(line)
        # 'Giver Name' is the giver as Church Windows writes it, given name then family name: FN as written, split
        # at the space. A giver whose name is a society's is that body alone. Transaction, batch, check, accounts,
        # amounts, method and the giver's number are nobody's.
        if giver.startswith("KJT"):
            want.append(card(person(org=giver)))
        else:
            given, family = giver.split(" ", 1)
            want.append(card(person(given, family)))
    text = csv_text(lines, ",")
    return dict(source="churchwindows_donations", rows=rows, want=want, text=text)

