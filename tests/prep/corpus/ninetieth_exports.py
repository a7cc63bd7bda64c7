"""Ninetieth held-out set: Portuguese-, Italian-, French- and Spanish-language
business tools: a Brazilian internet provider's ERP (the customers' contact
people), an Italian school register (parents and guardians), a Portuguese
invoicing tool's suppliers, a French dunning tool's billing contacts, an
Argentine ERP's customers and a Chilean ERP's customers. Each maker returns a
dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from ninetieth_headers import SOURCES
from ninetieth_people import ADAPTER90, DEFONTANA90, DUX90, NUVOLA90, UPFLOW90, VENDUS90


def iso_date(text):
    """'1988-03-14' as (1988, 3, 14), an empty cell as None."""
    return tuple(int(x) for x in text.split("-")) if text else None


def split_name(whole):
    """A whole name of two words, as its given and family name."""
    given, family = whole.split(" ")
    return given, family


def adapter_contatos():
    """A Curitiba internet provider's customers' contact people for Adapter /
    Telco, saved as 'CSV UTF-8' by a Brazilian Excel: the customer only as
    its CNPJ or CPF in digits, two or three people for some customers, the
    contact's type in capitals in its own column, phones as area code and
    number in digits, CPFs starting with 'C', RGs, ISO birth dates for a
    few; Polish, Czech, Slovak, Croatian and Hungarian names among the
    Brazilian ones, one typed in capitals."""
    s = SOURCES["adapter_contatos"]
    rows, want = [s["header"]], []
    for row in ADAPTER90:
        (_, mail, whole, phone, _, mobile, job, _, _, born) = row
        rows.append(list(row))
        # Each row is a person at a customer: 'NomeOutorgado' the whole name, given then family, as written
        # (capitals kept). The customer is only its CNPJ or CPF, a number, so no organisation; the number, the
        # RG and the CPF are nobody's (a CPF is no phone). 'Telefone' names no kind, 'Celular' is a mobile.
        # 'Cargo' is the job title; 'TipoContato' only sorts the contacts (FINANCEIRO, TECNICO) and is no title.
        given, family = split_name(whole)
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        p = person(given, family, job=job, emails=[mail] if mail else [], birthday=iso_date(born))
        want.append(card(p, tels=tels, birthday=bool(born)))
    return dict(source="adapter_contatos", rows=rows, want=want, bom=True)


def nuvola_tutori():
    """A Trieste primary school's parents and guardians for Nuvola, saved as
    'CSV UTF-8' by an Italian Excel: the pupil's tax code first, a row per
    guardian (two rows for a pupil with both parents), numbers in digits
    only, a landline in the second phone's column for some, names in
    capitals as the template advises but for one family, roles (MADRE,
    NONNA, TUTORE, NON DISPONIBILE / GENERICO), a guardian with nothing but a
    name; Slovene, Czech, Polish, Romanian and Hungarian families among the
    Italian ones."""
    s = SOURCES["nuvola_tutori"]
    rows, want = [s["header"]], []
    for row in NUVOLA90:
        (_, mobile, other, mail, _, family, given, _, _) = row
        rows.append(list(row))
        # Each row is a guardian, not the pupil: 'NOME TUTORE' and 'COGNOME TUTORE', as written (capitals kept);
        # 'EMAIL TUTORE' the mailbox. 'CELLULARE' is a mobile; 'CELLULARE 2 / TELEFONO FISSO' may be either, so it
        # names no kind. The pupil's tax code, the guardian's own, the role and the ordering are nobody's.
        tels = ([("CELL", mobile)] if mobile else []) + ([(ANY, other)] if other else [])
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    return dict(source="nuvola_tutori", rows=rows, want=want, bom=True)


def vendus_fornecedores():
    """A Porto café-restaurant's suppliers for Vendus, every field quoted:
    firms with their legal form (Lda., S.A., s.r.o., Kft.) and four people
    trading in their own name, Portuguese tax numbers and foreign VAT
    numbers with their country's letters, one supplier without one, postal
    codes of five countries, countries as codes, fixed lines, mobiles and
    faxes apart, web sites with and without 'https://', two without a
    mailbox."""
    s = SOURCES["vendus_fornecedores"]
    rows, want = [s["header"]], []
    for row in VENDUS90:
        (name, _, street, code, town, country, phone, mobile, fax, mail, site) = row
        rows.append(list(row))
        # 'Nome' is the supplier: a firm (a legal form in its name) is the organisation alone; a person's name,
        # given then family, is that person, with no organisation. 'Telefone' names no kind, 'Telemóvel' is a
        # mobile, 'Fax' a fax. 'Morada', 'Código Postal', 'Localidade' and 'País' (as its code) the address,
        # untyped. 'Website' the web page. The tax number is nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else []) + (
            [("FAX", fax)] if fax else [])
        emails = [mail] if mail else []
        if any(form in name for form in ("Lda.", "S.A.", "s.r.o.", "Kft.", "S.L.")):
            p = person(org=name, emails=emails, url=site)
        else:
            given, family = split_name(name)
            p = person(given, family, emails=emails, url=site)
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, country)], url=bool(site)))
    return dict(source="vendus_fornecedores", rows=rows, want=want, quote_all=True)


def upflow_contacts():
    """A Paris software house's customers' billing contacts for Upflow,
    separated by '|': a row per contact, the customer's name and id repeated
    on each of its rows, a '1' for the main contact, two rows with a
    mailbox and no person (an accounting mailbox, a clinic's invoicing
    mailbox with its phone), French, Czech, Polish, Hungarian, German and
    Croatian names, phones in French and international forms, references
    for some, the reminders' positions."""
    s = SOURCES["upflow_contacts"]
    rows, want = [s["header"]], []
    for row in UPFLOW90:
        (customer, _, mail, _, given, family, phone, _, _) = row
        rows.append(list(row))
        # 'Prénom' and 'Nom de famille' the person, 'Nom du client' the organisation, 'Adresse mail' the
        # mailbox; 'Numéro de téléphone' names no kind. A row without a person is the customer's own mailbox:
        # the card is the organisation alone. 'Position' picks who gets which reminder from four fixed words and
        # is no job title; the main-contact flag, the ids and the reference are nobody's.
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family, org=customer, emails=[mail]), tels=tels))
    return dict(source="upflow_contacts", rows=rows, want=want)


def dux_clientes():
    """A Posadas food distributor's customers for Dux Software, saved as CSV
    UTF-8 by an Argentine Excel: an empty 'ID' on every row (a first load),
    firms in 'Apellido razón social' with 'Nombre' empty, people with their
    shop's trade name beside them, a double family name in one cell, sexes,
    codes (one missing), customer types; Polish, Ukrainian, Czech and
    Hungarian names among the Argentine ones."""
    s = SOURCES["dux_clientes"]
    rows, want = [s["header"]], []
    for row in DUX90:
        (_, family_or_firm, given, trade, _, _, _) = row
        rows.append(list(row))
        # 'Apellido razón social' holds a person's family name or a firm's name: with 'Nombre' beside it, it
        # is the family name (two words kept together) and 'Nombre' the given name, and a person's 'Nombre de
        # fantasía' is the business they trade as, so the organisation. Without 'Nombre' it is a firm, the
        # organisation alone; a firm's trade name is a second name for it and left off. Code, sex and type are
        # nobody's.
        if given:
            want.append(card(person(given, family_or_firm, org=trade)))
        else:
            want.append(card(person(org=family_or_firm)))
    return dict(source="dux_clientes", rows=rows, want=want, bom=True)


def defontana_clientes():
    """A Puerto Montt wholesaler's customers for Defontana, saved as CSV
    UTF-8 by a Chilean Excel: the RUT twice for most (the code is the RUT),
    an own code for two, RUTs ending in 'K', 'S'/'N' for active, and the
    name or business name in one cell: firms (SpA, Ltda., S.A.), a town
    hall, and four people of Czech, Polish, Chilean and Croatian names."""
    s = SOURCES["defontana_clientes"]
    rows, want = [s["header"]], []
    for code, rut, active, name, person_name in DEFONTANA90:
        rows.append([code, rut, active, name])
        # 'Nombre del Cliente' is a person's name or a business name: a person's is given then family; a
        # business (a legal form, a town hall, a hotel) is the organisation alone. Code, RUT and flag are
        # nobody's.
        if person_name:
            want.append(card(person(*person_name)))
        else:
            want.append(card(person(org=name)))
    return dict(source="defontana_clientes", rows=rows, want=want, bom=True)
