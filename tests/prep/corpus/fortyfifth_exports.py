"""Forty-fifth held-out set: the address books of a Ricoh scanner, a Toshiba
copier, a Fujitsu ScanSnap, a Canon copier, a Brazilian phone system and a
Polish hosting's webmail. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, csv_text
from fortyfifth_headers import SOURCES
from fortyfifth_people import CANON45, NAZWA45, RICOH45, SCANSNAP45, SNEP45, TOPACCESS45
from people import person


def ricoh_program_info():
    """A Brno engineering office's scan-to-e-mail list as the Ricoh scanner's
    Web Status Monitor writes it: five '#' lines of the device, the header
    itself behind a '#', every value in square brackets with ', ' between,
    program numbers, key labels ('Dvořák P.'), frequent flags, title tabs, a
    group of destinations among the users; Czech, Polish and Hungarian
    names."""
    s = SOURCES["ricoh_program_info"]
    rows, want = [s["header"]], []
    lines = ["#Entered Program Information", "#Format Version:3.1.1.0", "#Obtained Date:16/04/2026 07:35:36",
             "#Device Name:RNP7983AD", "#Address:scanner-2np.projekt-brno.cz",
             "#" + ",".join(s["header"][:-1]) + ", " + s["header"][-1]]
    for number, kind, name, label, freq, title1, title2, title3, mail in RICOH45:
        values = [number, kind, name, label, freq, title1, title2, title3, mail, "1" if mail else "0", "", "", ""]
        lines.append(", ".join(f"[{v}]" for v in values))
        if kind == "G":
            # A group gathers other destinations: no contact of its own.
            continue
        rows.append(values)
        # Each user is a card: 'Name' the FN as written, given name then family name; 'E-mail' the mailbox.
        # 'Displayed Name' is the key's label on the panel, no name of the card; the brackets are the file's
        # quoting, never part of a value. Program number, flags, titles and sender flag are nobody's.
        given, family = name.split(" ", 1)
        want.append(card(person(given, family, emails=[mail])))
    text = "\r\n".join(lines) + "\r\n"
    return dict(source="ricoh_program_info", rows=rows, want=want, text=text)


def topaccess_addressbook():
    """A Bratislava law office's copier book for TopAccess, every value
    quoted: one NAME column with given and family name, mailboxes (two
    missing), fax numbers in 'Tel Number' (two missing), abbreviated numbers
    with their zeros ('001'), empty one-touch numbers, search letters;
    Slovak, Polish and Hungarian names."""
    s = SOURCES["topaccess_addressbook"]
    rows, want = [s["header"]], []
    for name, mail, fax, abbreviated, one_touch, letter in TOPACCESS45:
        rows.append([name, mail, fax, abbreviated, one_touch, letter])
        # 'NAME' is the person, given name then family name; 'Tel Number' is what the copier dials to send a
        # fax, so the card's fax number; 'Email Address' the mailbox. The speed-dial numbers and the search
        # letter are the copier's, nobody's.
        given, family = name.split(" ", 1)
        want.append(card(person(given, family, emails=[mail] if mail else []),
                         tels=[("FAX", fax)] if fax else []))
    return dict(source="topaccess_addressbook", rows=rows, want=want, quote_all=True)


def scansnap_mail_address_book():
    """A Vienna accounting firm's ScanSnap N1800 mail address book, every
    value quoted: the user's name beside first and last name, groups written
    as paths ('\\Buchhaltung\\Mandanten'), distribution lists for some;
    Austrian, Polish, Czech, Croatian and Hungarian staff."""
    s = SOURCES["scansnap_mail_address_book"]
    rows, want = [s["header"]], []
    for row in SCANSNAP45:
        user, _, _, given, family, mail = row
        rows.append(list(row))
        # 'User Name' is the entry's name, the FN; 'First Name' and 'Last Name' its parts; 'E-mail Address' the
        # mailbox. Group and distribution list sort the book: no organisation, department or category.
        want.append(card(person(given, family, emails=[mail]), fn=user))
    return dict(source="scansnap_mail_address_book", rows=rows, want=want, quote_all=True)


def canon_addressbook():
    """A Budapest office's Canon address list as its Remote UI exports it:
    the '# ...' header lines, then objectclass, cn, cnread and cnshort;
    Hungarian names family first ('Kovács Péter'), empty phonetics,
    one-touch names ('Kovács P.'), a shared folder among the mail
    destinations."""
    s = SOURCES["canon_addressbook"]
    rows, want = [s["header"]], []
    lines = ["# Canon AddressBook CSV version: 0x0002", "# CharSet: UTF-8", "# SubAddressBookName: Iroda",
             "# DB Version: 0x010a", ",".join(s["header"])]
    for kind, name, phonetic, short, given, family in CANON45:
        lines.append(csv_text([[kind, name, phonetic, short]], ",", line_end=""))
        if kind == "remotefilesystem":
            # A file server destination is a folder, no contact.
            continue
        rows.append([kind, name, phonetic, short])
        # 'cn' is the destination's name as the office says it, Hungarian family name first: FN as written,
        # its parts the given and family name. 'cnshort' is the button's label, no name of the card; the
        # object class is the destination's kind, nobody's. No mailbox column is documented, so none is asked.
        want.append(card(person(given, family), fn=name))
    text = "\r\n".join(lines) + "\r\n"
    return dict(source="canon_addressbook", rows=rows, want=want, text=text)


def snep_contatos():
    """A São Paulo import firm's contacts for the SNEP phone system:
    Portuguese column names, names in one column, CEPs ('01310-100'),
    Brazilian numbers with nine-digit mobiles ('+55 11 98765-4321'), streets
    with their numbers, a carrier firm ('Ltda.'), Czech and Polish partners
    without a CEP or a street."""
    s = SOURCES["snep_contatos"]
    rows, want = [s["header"]], []
    for name, cep, phone, street, given, family, firm in SNEP45:
        rows.append([name, cep, phone, street])
        # 'nome' is a person, given name then family name, or a firm ('Ltda.'), which is the organisation
        # alone; 'telefone' names no kind; 'endereço' the street with its number and 'CEP' its postal code,
        # untyped, no town or country in the file.
        adrs = [(None, street, "", "", cep, "")] if street or cep else []
        p = person(org=firm) if firm else person(given, family)
        want.append(card(p, tels=[(ANY, phone)], adrs=adrs))
    return dict(source="snep_contatos", rows=rows, want=want)


def nazwa_cloud_mail():
    """A Poznań family's contacts for nazwa.pl Cloud Mail: the three columns of
    the host's example, Polish and Czech names with their letters, a
    kindergarten's mailbox without a name."""
    s = SOURCES["nazwa_cloud_mail"]
    rows, want = [s["header"]], []
    for given, family, mail in NAZWA45:
        rows.append([given, family, mail])
        # 'First Name' and 'Last Name' the names; 'E-mail Address' the mailbox. A mailbox without a name is a
        # card whose FN is the mailbox: nothing says it is a firm.
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="nazwa_cloud_mail", rows=rows, want=want)
