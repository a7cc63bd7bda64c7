"""Hundred-and-first held-out set: a Colombian ERP's third parties (esnumera,
built on Tryton) and a French customer data platform's profiles (SPREAD).
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from hundredfirst_headers import SOURCES
from hundredfirst_people import ESNUMERA101, SPREAD101, TORNILLO
from people import person


def split_name(whole):
    """'Andrés Restrepo Gómez' as ('Andrés', 'Restrepo Gómez'): the first word
    is the given name, the rest the family name (both surnames, as a
    Colombian writes them)."""
    given, _, family = whole.partition(" ")
    return given, family


def french_date(text):
    """'03/04/1985' as (1985, 4, 3): day first."""
    day, month, year = (int(x) for x in text.split("/"))
    return year, month, day


def esnumera_terceros():
    """A Medellín hardware wholesaler's third parties for esnumera's CSV:
    suppliers, customers and an employee in one file, firms and people told
    apart only by 'Es una empresa', 'verdadero'/'falso' flags, account
    numbers, Colombian two-surname names beside Czech, Polish, Hungarian and
    Slovak ones, 'Cra. 43A # 1 Sur-100' streets, one inactive customer, a
    carrier without a mailbox, a customer with only a town, notes with commas
    and quotes, and the book-keeping firm's own name in every row."""
    s = SOURCES["esnumera_terceros"]
    rows, want = [s["header"]], []
    for (active, street, city, mail, payable, receivable, doc_type, employee, customer, supplier, firm, mobile,
         tax_no, name, notes, country, fiscal, web, phone) in ESNUMERA101:
        rows.append([active, street, city, mail, payable, receivable, doc_type, employee, customer, supplier, firm,
                     mobile, tax_no, name, TORNILLO, notes, country, fiscal, web, phone])
        # 'Nombre' is a firm's name where 'Es una empresa' says so (the card is that organisation alone), else a
        # person's whole name: the first word the given name, the rest both surnames. 'Nombre de la empresa' is
        # the same in every row, the firm that keeps the books (the accounts and fiscal position are its), no
        # one's employer: no organisation on a person's card. 'Móvil' a cell phone, 'Teléfono' of no kind;
        # 'Calle', 'Ciudad' and 'País' the untyped address, no postal code. An inactive third party or an
        # employee is still a contact. Flags, accounts, document, tax number, notes and fiscal position nobody's.
        tels = ([("CELL", mobile)] if mobile else []) + ([(ANY, phone)] if phone else [])
        adrs = [(None, street, city, "", "", country)]
        if firm == "verdadero":
            p = person(org=name, emails=[mail] if mail else [], url=web)
        else:
            given, family = split_name(name)
            p = person(given, family, emails=[mail] if mail else [], url=web)
        want.append(card(p, tels=tels, adrs=adrs, url=bool(web)))
    return dict(source="esnumera_terceros", rows=rows, want=want)


def spread_profils():
    """A Strasbourg bookshop's loyal customers for SPREAD's import, saved as
    'CSV UTF-8' by a French Excel: family names in capitals for some and with
    a particle ('de La Fontaine'), a hyphened given name, Czech, Polish,
    Slovak, Hungarian and German customers, birthdays day first with one
    that could be read either way ('03/04/1985') and a 29 February, genders
    spelt nine ways, consents as '1', 'oui', 'accepté', 'refusé', 'non',
    their dates and times, external ids for most, a bindery known only by
    its mailbox and a customer known only by the family name."""
    s = SOURCES["spread_profils"]
    rows, want = [s["header"]], []
    for family, given, mail, ext_id, born, gender, consent, consent_date in SPREAD101:
        rows.append([family, given, mail, ext_id, born, gender, consent, consent_date])
        # 'Prénom' the given name and 'Nom' the family name as written (capitals and particle kept); 'Email' the
        # mailbox, FN where there is no name. 'Anniversaire' the birthday, day first: the help allows one form
        # for the whole file and '23/11/1990' shows which, so '03/04/1985' is the 3rd of April. The consent's
        # date is no birthday; gender, consent and external id nobody's.
        p = person(given, family, emails=[mail], birthday=french_date(born) if born else None)
        want.append(card(p, birthday=bool(born)))
    return dict(source="spread_profils", rows=rows, want=want, bom=True)
