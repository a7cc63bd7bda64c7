"""Thirty-ninth held-out set: a Spanish-language CRM's contacts for its
mailings, a German newsletter system's distribution list, an SMS and e-mail
marketing service's contacts, an Italian board platform's address book, a
virtual event platform's participants and a Brazilian CRM's chat contacts.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from thirtyninth_headers import SOURCES
from thirtyninth_people import (AGENDOR39, ESENDEX39, MYGOVERNANCE39, SISFOX39, SITEPACKAGE39,
                                STREAMBOXY39)

# Words that make a whole name in a chat's single name cell a firm's.
FIRM_WORDS = ("Ltda", "S.A.", "EIRELI")


def sisfox_contactos():
    """A Madrid language school's CRM contacts for Sisfox's import sheet:
    Spanish double family names ('Fernández Ruiz', 'Ortega de la Fuente'), a
    double given name, a 1/0 subscription flag beside the mailbox, several
    lists in one cell joined by commas (so quoted), a supplier's mailbox with
    no name; Czech, Polish, Hungarian, Slovak and German students."""
    s = SOURCES["sisfox_contactos"]
    rows, want = [s["header"]], []
    for mail, subscribed, given, family, lists in SISFOX39:
        rows.append([mail, subscribed, given, family, lists])
        # 'nombre' is the given name and 'apellido' the family name, both family names kept in it; 'email_trabajo'
        # the mailbox. 'email_suscripcion_trabajo' is that mailbox's subscription flag, no mailbox and no phone;
        # the lists are the CRM's, nobody's property. A mailbox with no name is a card whose FN is the mailbox.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="sisfox_contactos", rows=rows, want=want)


def sitepackage_verteiler():
    """A Passau cultural association's newsletter readers for sitepackage's
    distribution list, in code page 1252 with every cell quoted: Czech,
    Austrian and Hungarian readers across the borders with their own postal
    codes ('350 02', '4780', '9400'), a reader with neither postal code nor
    town, one with a postal code but no town, the district office's mailbox
    with no name."""
    s = SOURCES["sitepackage_verteiler"]
    rows, want = [s["header"]], []
    for given, family, mail, code, town in SITEPACKAGE39:
        rows.append([given, family, mail, code, town])
        # 'Vorname' and 'Nachname' the names, 'E-Mail' the mailbox. 'PLZ' and 'Ort' are an address of no kind
        # with no street: the postal code and the town as written, no country guessed from the code's shape.
        # A mailbox with no name is a card whose FN is the mailbox.
        adrs = [(None, "", town, "", code, "")] if code or town else []
        want.append(card(person(given, family, emails=[mail]), adrs=adrs))
    return dict(source="sitepackage_verteiler", rows=rows, want=want, quote_all=True)


def esendex_kontakte():
    """A Frankfurt (Oder) bicycle shop's customers for Esendex, written as the
    help's example is: a blank after every comma, in the header too (' Vorname'),
    ages, notes with commas (so quoted, the blank inside the quotes), a firm
    known only by its mailbox and a note; Polish, Czech and Hungarian customers
    from across the Oder."""
    s = SOURCES["esendex_kontakte"]
    rows, want = [s["header"]], []
    for mail, given, family, age, note in ESENDEX39:
        rows.append([mail] + [" " + v if v else "" for v in (given, family, age, note)])
        # 'E-Mail' the mailbox, ' Vorname' and ' Nachname' the names without the blank the file puts before them.
        # The age is no birthday and the note is nobody's property: a note naming a firm ('Firmenkunde') makes
        # no organisation, so that row is a card whose FN is the mailbox.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="esendex_kontakte", rows=rows, want=want)


def mygovernance_utenti():
    """A Bolzano cooperative's board and members for myGovernance's user
    upload: family name first, Italian mobiles without +39 ('3334567899'),
    foreign ones with their code, a Bolzano landline, two without a phone
    (an empty cell), a double given name, the user's own filter column;
    South Tyrolean, Slovene, Austrian and Czech members among Italians."""
    s = SOURCES["mygovernance_utenti"]
    rows, want = [s["header"]], []
    for family, given, mail, phone, group in MYGOVERNANCE39:
        rows.append([family, given, mail, phone, group])
        # 'nome' the given name and 'cognome' the family name, though the family comes first; 'email' the mailbox;
        # 'telefono' a phone of no kind, as written (no +39 made up for it). 'gruppo' is the user's filter, a
        # board or a committee, no organisation and no job title.
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family, emails=[mail]), tels=tels))
    return dict(source="mygovernance_utenti", rows=rows, want=want)


def streamboxy_teilnehmer():
    """A Vienna association's hybrid conference for streamboxy's user import,
    saved as 'CSV UTF-8' by a German Excel: 'NAME' for the family name beside
    'FIRSTNAME', speakers and participants, flags as TRUE, WAHR, 1, FALSE,
    FALSCH and 0, template languages; Czech, Hungarian, Slovak, Polish,
    Slovene and Italian speakers and guests."""
    s = SOURCES["streamboxy_teilnehmer"]
    rows, want = [s["header"]], []
    for row in STREAMBOXY39:
        given, family, mail = row[:3]
        rows.append(list(row))
        # 'FIRSTNAME' the given name and 'NAME' the family name (the help says so: 'Der Nachname'), never the
        # whole name; 'EMAIL' the mailbox. 'ROLE' is the part at the event, SPEAKER or PARTICIPANT, no job title;
        # the flags and the template's language nobody's.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="streamboxy_teilnehmer", rows=rows, want=want, bom=True)


def agendor_chat_contatos():
    """A Curitiba furniture shop's chat customers for Agendor Chat: the whole
    name in 'name', phones with +55 and no blanks, one Czech number, one
    customer without a mailbox, the joinery the shop buys from as a customer
    by its firm's name ('Ltda'); Polish, German, Czech and Hungarian names of
    Curitiba's families among Brazilian ones."""
    s = SOURCES["agendor_chat_contatos"]
    rows, want = [s["header"]], []
    for name, phone, mail in AGENDOR39:
        rows.append([name, phone, mail])
        # 'name' is the whole name, FN as written: its first word the given name, the rest the family name
        # ('da Silva'). A name ending in a firm's form ('Ltda') is the firm: the card is that organisation alone.
        # 'phone_number' a phone of no kind, as written; 'email' the mailbox.
        emails = [mail] if mail else []
        if name.split()[-1] in FIRM_WORDS:
            want.append(card(person(org=name, emails=emails), tels=[(ANY, phone)]))
            continue
        given, _, family = name.partition(" ")
        want.append(card(person(given, family, emails=emails), tels=[(ANY, phone)]))
    return dict(source="agendor_chat_contatos", rows=rows, want=want)
