"""Forty-sixth held-out set: sales, marketing and customer-service tools
documented in Portuguese, French and Spanish (a Brazilian marketing
automation's lead template, a Brazilian help desk's people, a French
marketing platform's contacts, a cloud phone system's contacts, a messaging
platform's audience and a Brazilian service portal's clients). Each maker
returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fortysixth_headers import SOURCES
from fortysixth_people import BIRD46, MOVIDESK46, RDSTATION46, SPLIO46, TRAY46, VOIPSTUDIO46


def rdstation_leads():
    """A Curitiba marketing agency's leads from RD Station's template: Polish,
    Ukrainian and Czech names among the Brazilian ones, Brazilian numbers in
    '(41) 3322-4455' form beside foreign ones, a lead with no surname, leads
    without a firm or a phone, the town alone, the form that caught each lead
    and when."""
    s = SOURCES["rdstation_leads"]
    rows, want = [s["header"]], []
    for mail, given, family, phone, firm, job, town, form, created in RDSTATION46:
        rows.append([mail, given, family, phone, firm, job, town, form, created])
        # Each row is a lead: 'Nome' and 'Sobrenome' the names, 'Sobrenome' may be empty; 'Email' the mailbox;
        # 'Telefone' names no kind; 'Empresa' and 'Cargo' the organisation and the job. 'Cidade' is an address of
        # the town alone. 'Identificador' (the form) and 'Created_at' belong to the campaign, not the person.
        p = person(given, family, org=firm, job=job, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, "", town, "", "", "")]))
    return dict(source="rdstation_leads", rows=rows, want=want)


def movidesk_pessoas():
    """A Joinville IT service firm's help desk people for Movidesk, saved as
    'CSV UTF-8' by a Brazilian Excel: companies and persons in one sheet told
    apart by 'Tipo' (2 and 1), agents and clients by 'Perfil', the trade name
    beside the legal name, a cooperative with the legal name only, logins;
    Polish, Czech and Hungarian names among the Brazilian ones."""
    s = SOURCES["movidesk_pessoas"]
    rows, want = [s["header"]], []
    for kind, profile, name, legal, login in MOVIDESK46:
        rows.append([kind, profile, name, legal, login])
        if kind == "2":
            # A company is the organisation alone: its trade name, which the desk calls it by, or the legal name
            # where no trade name is given. The legal name beside a trade name is no second organisation.
            want.append(card(person(org=name or legal)))
            continue
        # A person's 'Nome fantasia' holds the name, given name then family name. 'Perfil' (agent or client)
        # and 'Usuário' (a login, no mailbox) are nobody's on the card.
        given, family = name.split(" ", 1)
        want.append(card(person(given, family)))
    return dict(source="movidesk_pessoas", rows=rows, want=want, bom=True)


def splio_contacts():
    """A Strasbourg wine merchant's loyalty contacts for Splio's Datahub:
    mobiles written '0033612457890' with the double zero, German, Polish,
    Czech and Hungarian customers, two without a mobile, a tasting-room
    mailbox with no name at all, creation dates and language codes."""
    s = SOURCES["splio_contacts"]
    rows, want = [s["header"]], []
    for mail, mobile, given, family, created, language in SPLIO46:
        rows.append([mail, mobile, given, family, created, language])
        # 'firstname' and 'lastname' the names; 'email' the mailbox; 'cellphone' the mobile, as written. A row
        # with a mailbox and nothing else is a card of that mailbox alone (FN the mailbox, no firm guessed from
        # it). 'dateOfCreation' and 'language' are the platform's.
        p = person(given, family, emails=[mail])
        want.append(card(p, tels=[("CELL", mobile)] if mobile else []))
    return dict(source="splio_contacts", rows=rows, want=want, line_end="\n")


def voipstudio_contactos():
    """A Guadalajara electronics distributor's phone contacts for VoIPstudio:
    a compound given name ('María Fernanda'), landlines and mobiles apart,
    each missing for some, Polish, Czech, German and Hungarian suppliers,
    groups, labels with commas inside the cell."""
    s = SOURCES["voipstudio_contactos"]
    rows, want = [s["header"]], []
    for given, family, phone, mobile, group, labels in VOIPSTUDIO46:
        rows.append([given, family, phone, mobile, group, labels])
        # 'First name' and 'Last name' the names; 'Mobile' is CELL, 'Phone' names no kind. 'Group' and 'Labels'
        # sort the book: no organisation, nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        want.append(card(person(given, family), tels=tels))
    return dict(source="voipstudio_contactos", rows=rows, want=want)


def bird_contactos():
    """A Valencia online tea shop's audience for Bird's CSV importer: the
    country as a code of two letters, phones or mailboxes missing for some,
    one contact without a country; Czech, Polish, Hungarian and Austrian
    customers among the Spanish ones."""
    s = SOURCES["bird_contactos"]
    rows, want = [s["header"]], []
    for given, family, country, phone, mail in BIRD46:
        rows.append([given, family, country, phone, mail])
        # 'firstName' and 'lastName' the names; 'email' the mailbox; 'phone' names no kind. 'country' is an
        # address of the country alone, as written ('CZ'); none where it is empty.
        p = person(given, family, emails=[mail] if mail else [])
        adrs = [(None, "", "", "", "", country)] if country else []
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=adrs))
    return dict(source="bird_contactos", rows=rows, want=want)


def tray_usuarios():
    """A Porto Alegre accounting office's clients for its service portal's
    import, saved as 'CSV UTF-8': one name column, numbers written '51-3333-4821'
    as the example does, a Czech number, firms for most, Polish and Czech
    clients among the Brazilian ones."""
    s = SOURCES["tray_usuarios"]
    rows, want = [s["header"]], []
    for name, mail, phone, firm in TRAY46:
        rows.append([name, mail, phone, firm])
        # 'nome' holds the client's name, given name then family name; 'email' the mailbox; 'telefone' names no
        # kind; 'empresa' the organisation the client works for.
        given, family = name.split(" ", 1)
        p = person(given, family, org=firm, emails=[mail])
        want.append(card(p, tels=[(ANY, phone)] if phone else []))
    return dict(source="tray_usuarios", rows=rows, want=want, bom=True)
