"""Sixty-eighth held-out set: Polish HR and payroll tools (an HR suite, a
leave planner, employee capital plans), a Lithuanian accounting program's
clients, a Russian warehouse program's contractors and a Russian help desk's
staff. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtyeighth_headers import SOURCES
from sixtyeighth_people import COMARCH68, HRNEST68, OMNIDESK68, RIVILE68, TOMHRM68, WSTORE68


def one_cell_address(text):
    """'Savanorių pr. 176, LT-50179 Kaunas' as an untyped address: the part
    after the last comma is the postal code and the town, the rest the
    street."""
    street, _, place = text.rpartition(",")
    code, _, town = place.strip().partition(" ")
    return (None, street.strip(), town, "", code, "")


def tomhrm_pracownicy():
    """A Kraków software house's staff for tomHRM's employee import: logins
    that are the work mailbox for most and bare user names for two, ids with
    an 'ID' type beside them (one row without either), sex words of the
    template ('non_binary' among them), job positions in Polish and English,
    one empty; Czech, Hungarian, Slovak and Ukrainian colleagues among them."""
    s = SOURCES["tomhrm_pracownicy"]
    rows, want = [s["header"]], []
    for row in TOMHRM68:
        login, _, _, given, family, _, job = row
        rows.append(list(row))
        # 'Imię' and 'Nazwisko' are the employee; 'Job position' the title. 'Login' is the mailbox where it is
        # one ('anna.nowak@kodeo.pl'); a bare user name ('m.kaminska') is no address and stays off. No column
        # names the employer, so no card has one. Id, its type and sex are nobody's.
        mails = [login] if "@" in login else []
        want.append(card(person(given, family, job=job, emails=mails)))
    return dict(source="tomhrm_pracownicy", rows=rows, want=want)


def hrnest_pracownicy():
    """A Wrocław logistics firm's staff for HRnest, the template saved by a
    Polish Excel in code page 1250: family name first, departments, 'Tak' and
    'Nie' for managers, daily hours with a decimal comma ('7,5'); a Czech, a
    Hungarian and a Ukrainian employee among them."""
    s = SOURCES["hrnest_pracownicy"]
    rows, want = [s["header"]], []
    for family, given, department, manager, hours in HRNEST68:
        rows.append([family, given, department, manager, hours])
        # 'Imię' and 'Nazwisko' are the employee, whatever their order in the file. 'Dział' is a department of
        # a firm the file never names: no organisation on the card. The manager flag and the hours are nobody's.
        want.append(card(person(given, family)))
    return dict(source="hrnest_pracownicy", rows=rows, want=want)


def comarch_ppk_pracownicy():
    """A Gdańsk shipyard supplier's staff for Comarch PPK, saved as 'CSV UTF-8'
    by a Polish Excel: sex letters K, M and N, citizenship codes, PESEL
    numbers for Poles, a document's type and number and an ISO birth date for
    the Ukrainian, Lithuanian, Czech and Hungarian staff, the country of
    residence as a code with the town beside it, two living abroad."""
    s = SOURCES["comarch_ppk_pracownicy"]
    rows, want = [s["header"]], []
    for row in COMARCH68:
        given, family, _, _, _, _, _, born, country, town = row
        rows.append(list(row))
        # 'Imię' and 'Nazwisko' are the employee. 'Kraj' and 'Miejscowość' belong to the 'Adres zamieszkania':
        # a HOME address of a town and a country code as written, no street. 'Obywatelstwo' is a citizenship,
        # no address. 'Data urodzenia' is the birthday where it is given; nobody's birthday is read out of a
        # PESEL. Sex, PESEL and the document are nobody's.
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        want.append(card(person(given, family, birthday=birthday), adrs=[("HOME", "", town, "", "", country)],
                         birthday=bool(born)))
    return dict(source="comarch_ppk_pracownicy", rows=rows, want=want, bom=True)


def rivile_clients():
    """A Kaunas bookkeeping office's clients from Rivile's 'Clients' sheet,
    saved as 'CSV UTF-8' by a Lithuanian Excel: companies with their legal
    form and quoted names ('UAB "Baltijos medis"'), people (TypeId 1) by their
    full name, registration codes for bodies only, 'true'/'false', the whole
    address in one cell (three empty), a Polish and two Latvian clients, the
    office's own company in 'companyName' for most rows."""
    s = SOURCES["rivile_clients"]
    rows, want = [s["header"]], []
    for row in RIVILE68:
        _, name, _, kind, _, _, address, _, _, _ = row
        rows.append(list(row))
        # 'TypeId' 1 is a person: 'Name' is given then family name. 'TypeId' 0 is a body: 'Name' is the
        # organisation alone, legal form and quotes as written. 'address' is untyped: after its last comma the
        # postal code and the town, before it the street. 'companyName' is the bookkeeping office's own company
        # the client is kept under, no employer of the client's. Codes, flags and categories are nobody's.
        adrs = [one_cell_address(address)] if address else []
        if kind == "1":
            given, _, family = name.partition(" ")
            want.append(card(person(given, family), adrs=adrs))
        else:
            want.append(card(person(org=name), adrs=adrs))
    return dict(source="rivile_clients", rows=rows, want=want, bom=True)


def wstore_kontragenty():
    """A Kaliningrad building supplies shop's contractors in wStore, in code
    page 1251: 'Физ', 'ИП' and 'Юр' in their own column, people's names
    family name first with and without a patronymic, sole traders and bodies
    with guillemets ('ООО «Балтстрой»'), phones with '+7', with a trunk '8'
    and bare, twelve- and ten-digit tax numbers, twenty-digit accounts and
    bank codes; Polish and Lithuanian names in Cyrillic among them."""
    s = SOURCES["wstore_kontragenty"]
    rows, want = [s["header"]], []
    for kind, name, phone, inn, account, bik in WSTORE68:
        rows.append([kind, name, phone, inn, account, bik])
        # 'Физ' is a person: 'Наименование' is family name, given name and patronymic; FN the given and the
        # family name, the patronymic at most the middle name. 'ИП' and 'Юр' are businesses: the name as written
        # is the organisation alone ('ИП Ковальский Ян Станиславович' is a trading name). 'Телефон' is untyped.
        # 'ИНН', 'Р/С' and 'БИК банка' are numbers of tax and bank, never phones.
        tels = [(ANY, phone)]
        if kind == "Физ":
            family, given = name.split()[:2]
            want.append(card(person(given, family), tels=tels))
        else:
            want.append(card(person(org=name), tels=tels))
    return dict(source="wstore_kontragenty", rows=rows, want=want)


def omnidesk_sotrudniki():
    """A Riga hosting company's support desk for Omnidesk's staff import: the
    name in Cyrillic and in Latin letters in one cell split by '|'
    ('Янис Берзиньш|Jānis Bērziņš'), the mailbox that is the login, a first
    password, the desk roles, the trailing empty column of the template;
    Latvian, Polish, Czech, Ukrainian and Russian staff."""
    s = SOURCES["omnidesk_sotrudniki"]
    rows, want = [s["header"]], []
    for names, mail, password, role in OMNIDESK68:
        rows.append([names, mail, password, role, ""])
        # 'Имя и фамилия' holds the name twice: the spelling before '|' is the name, given then family, and FN;
        # the Latin spelling after it is the same name again, no second person and no part of the card.
        # 'Email-адрес (логин)' is the mailbox. The password is nobody's; the role is a place in the help desk,
        # no job title.
        given, family = names.split("|")[0].split()
        want.append(card(person(given, family, emails=[mail])))
    return dict(source="omnidesk_sotrudniki", rows=rows, want=want)
