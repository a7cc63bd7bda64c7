"""Twelfth held-out set: a guest house's bookings, a register of schools, a
sports federation's athletes, a party's members, a sports club's members, a
diving club's members. Each maker returns a dict as crm_exports.py's do."""
from datetime import date, timedelta

from export_kit import ANY, card, csv_text, fill
from people import company, person
from twelfth_headers import SOURCES
from twelfth_people import ATHLETES12, CLUB12, DIVERS12, GUESTS12, MEMBERS12, ROOMS12, SCHOOLS12


def given_first(name):
    """'Anna Kowalska' as ('Anna', 'Kowalska')."""
    given, family = name.split(" ", 1)
    return given, family


def family_first(name):
    """'Nagy Anna Réka' as ('Anna Réka', 'Nagy'): a Hungarian name, family name first."""
    family, given = name.split(" ", 1)
    return given, family


def dmy(text):
    """'14.03.1979' or '14/03/1979' as (1979, 3, 14)."""
    d, m, y = text.replace("/", ".").split(".")
    return int(y), int(m), int(d)


def mobile_calendar_rezerwacje():
    """A Zakopane guest house's reservations from Mobile Calendar's own
    export: family name before given name, prices and deposits, booking
    channels, Booking.com's relay mailboxes, two guests without a mailbox and
    one without a number, a name in capitals, notes over two lines; UTF-8
    with a signature and CRLF as the export writes them."""
    s = SOURCES["mobile_calendar_rezerwacje"]
    rows, want = [s["header"]], []
    for k, (family, given, phone, mail, channel, note, room, arrival, nights, adults, children, paid) in enumerate(
            GUESTS12):
        room_id, price = ROOMS12[room]
        start = date.fromisoformat(arrival)
        total = price * nights + (200 if room != "Pokój Giewont" else 0)
        deposit = str(round(total * 0.3)) if paid != "Brak wpłaty" else "0"
        rows.append(fill(s["header"], {
            "ID": str(8395610 + 37 * k), "Numer rezerwacji": str(601 + k), "Nazwa pomieszczenia": room,
            "ID pokoju": room_id, "Przyjazd": arrival, "Wyjazd": (start + timedelta(days=nights)).isoformat(),
            "Dorośli": str(adults), "Dzieci": str(children), "Status płatności": paid, "Kwota zadatku": deposit,
            "Termin zadatku": (start - timedelta(days=14)).isoformat() if paid != "Opłacona" else "",
            "Cena za dobę": str(price), "Cena za pobyt": str(price * nights), "Razem": str(total), "Waluta": "PLN",
            "Nazwisko": family, "Imię": given, "Telefon": phone, "E-mail": mail, "Źródło rezerwacji": channel,
            "Informacje dodatkowe": note, "Wyżywienie": "BB - Śniadanie" if k % 3 == 0 else "OV - Bez wyżywienia",
            "Porcje Dorośli": str(adults) if k % 3 == 0 else "0", "Porcje Dzieci": str(children) if k % 3 == 0 else "0",
            "Usługi dodatkowe": "" if room == "Pokój Giewont" else "Opłata za sprzątanie - 200PLN",
            "Data dodania": (start - timedelta(days=20 + k)).isoformat(),
            "Data edycji": (start - timedelta(days=3 + k % 4)).isoformat(), "Status": "Rezerwacja"}))
        # A guest's card is the name as typed, capitals and all; Booking.com's relay mailbox is the guest's
        # e-mail all the same; 'Telefon' names no kind; the room, prices and channel are nobody's.
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=[(ANY, phone)] if phone else [],
                         adrs=[]))
    return dict(source="mobile_calendar_rezerwacje", rows=rows, want=want, bom=True)


def rspo_placowki():
    """Małopolska schools from the register of schools, saved again from
    Excel: names with patrons, the street without its number, building and
    flat apart, villages without streets, numbers at home in three shapes,
    one turned into '4,81264E+10', the voivodeship, district and municipality
    in capitals or not, REGON and NIP, the running body, the headmaster's name
    (none for a language school and a counselling centre), founding dates and
    pupil counts."""
    s = SOURCES["rspo_placowki"]
    rows, want = [s["header"]], []
    for k, (number, kind, name, street, building, flat, code, place, phone, fax, mail, www, district,
            municipality, head, body, founded, pupils) in enumerate(SCHOOLS12, 1):
        lost = ["4,81264E+10"] if k == 10 else []
        rows.append(fill(s["header"], {
            "Numer RSPO": number, "Typ": kind, "Nazwa": name, "Ulica": street, "Numer budynku": building,
            "Numer lokalu": flat, "Kod pocztowy": code, "Miejscowość": place,
            "Kod terytorialny ulica": f"{10000 + 377 * k:05d}" if street else "",
            "Kod terytorialny miejscowosc": f"0{950000 + 1311 * k}", "Kod terytorialny gmina": f"12{610 + k:04d}1",
            "Telefon": lost[0] if lost else phone, "Faks": fax, "E-mail": mail, "Strona www": www,
            "Województwo": "MAŁOPOLSKIE", "Powiat": district.upper() if k % 2 else district,
            "Gmina": municipality, "REGON": f"{351000000 + 10007 * k}", "NIP": f"67{61000000 + 4099 * k}",
            "Publiczność status": "niepubliczna" if body.endswith(("sp. z o.o.", "Ul")) else "publiczna",
            "Kategoria uczniów": "Dzieci lub młodzież" if kind != "Szkoła językowa" else "Dorośli",
            "Specyfika placówki": "brak specyfiki", "Imię i nazwisko dyrektora": head,
            "Nazwa organu prowadzącego": body,
            "Typ organu prowadzącego": "Gmina" if body.startswith(("Gmina", "Miasto")) else (
                "Powiat" if body.startswith("Powiat") else "Inna"),
            "Województwo organu prowadzącego": "MAŁOPOLSKIE", "Powiat organu prowadzącego": district,
            "Gmina organu prowadzącego": municipality, "Data założenia": founded,
            "Miejsce w strukturze": "Samodzielna", "Liczba uczniów": pupils}))
        # The street is its name, building and flat ('ul. Karmelicka 34/2'); a village without streets is the
        # place and building ('Zawoja 1250'); the voivodeship is the region, the district and municipality are
        # not; no column names a country. 'Telefon' is WORK or VOICE, 'Faks' FAX; the damaged number is lost.
        street_line = f"{street or place} {building}" + (f"/{flat}" if flat else "")
        phones = [(t, n) for t, n in (("WORK|VOICE", "" if lost else phone), ("FAX", fax)) if n]
        adr = (None, street_line, place, "MAŁOPOLSKIE", code, "")
        if head:
            # The headmaster is the person at the school; the running body and parent unit are no organisation.
            given, family = given_first(head)
            p = person(given, family, org=name, phones=phones, emails=[mail], url=www)
        else:
            p = company(name, phones=phones, emails=[mail], url=www)
        want.append(dict(card(p, tels=phones, adrs=[adr], url=bool(www)), lost=lost))
    return dict(source="rspo_placowki", rows=rows, want=want)


def vespa_text(rows):
    """The rows as VESPA's sample writes them: the header bare and ending in
    ';', every value of a row quoted, LF between lines, no LF after the last."""
    head = ";".join(rows[0])
    body = [";".join('"' + v.replace('"', '""') + '"' for v in row[:-1]) for row in rows[1:]]
    return "\n".join([head] + body)


def vespa_sportolok():
    """A Hungarian disability sports federation's athletes in VESPA's
    layout: the name family name first, birthplaces, mothers' names,
    numbers as +36..., 06-30-..., 0036 ... or bare, a street with a comma
    before its number, one athlete living in Slovakia, two minors with a
    parent's mailbox or none, ID card numbers, notes with ';'."""
    s = SOURCES["vespa_sportolok"]
    rows, want = [s["header"]], []
    for (name, born_in, born, mother, phone, mail, code, town, street, citizen, card_no, sex, disability,
         registered, note, active) in ATHLETES12:
        rows.append([name, born_in, born, mother, phone, mail, code, town, street, citizen, card_no, sex,
                     disability, registered, note, active, ""])
        given, family = family_first(name)
        # FN is the name as written, family name first; the mother is nobody on the card; the birthplace is no
        # address; citizenship is no country; 'Telefonszám' names no kind.
        p = person(given, family, emails=[mail] if mail else [], birthday=tuple(int(x) for x in born.split("-")))
        want.append(card(p, fn=name, tels=[(ANY, phone)] if phone else [],
                         adrs=[(None, street, town, "", code, "")], birthday=True))
    return dict(source="vespa_sportolok", rows=rows, want=want, text="\ufeff" + vespa_text(rows))


def partei_mitglieder():
    """A party's members in Lower Saxony in the federal member file: the
    academic title as 'Zusatz', the country as 'DE', the party's state,
    district and constituency codes, flags as 0 and -1, tokens and refcodes,
    the account holder's name and bank, one member who has left."""
    s = SOURCES["partei_mitglieder"]
    rows, want = [s["header"]], []
    for k, (number, salutation, given, title, family, street, code, town, phone, fax, mail, mobile, district,
            county, citizen, born, joined, left) in enumerate(MEMBERS12, 1):
        y, m, d = born
        holder = f"{given} {family}" if k % 4 else ("Katrin Ostermann" if family == "Ostermann" else
                                                     f"{given} {family}")
        rows.append(fill(s["header"], {
            "Mitgliedsnummer": number, "Anrede": salutation, "Vorname": given, "Zusatz": title, "Nachname": family,
            "Straße": street, "Land": "DE", "PLZ": code, "Ort": town, "Telefon": phone, "Telefax": fax,
            "E-Mail": mail, "Aufnahmedatum": joined, "LV (als Abkürzung)": "NI", "KV": district,
            "Wahlkreis": str(34 + k % 9), "Stimmkreis": str(20 + k % 11), "Landkreis": county,
            "Bundesland (als Abkürzung)": "NI", "reduzierter Betrag (0 für nein, -1 für ja)": "-1" if y > 1994 else "0",
            "Staatsbürgerschaft": citizen, "Geb-Datum": f"{d:02d}.{m:02d}.{y}", "Ausweis angefordert": "-1" if k % 3
            else "0", "Ausweis versendet": "-1" if k % 3 else "0", "Umfrage  (0 für nein, -1 für ja)": "0",
            "Aktionen  (0 für nein, -1 für ja)": "-1" if k % 2 else "0",
            "Newsletter  (0 für nein, -1 für ja)": "-1", "Token": f"{(k * 2654435761) % 16 ** 8:08x}",
            "RefCode LQFB": f"NI{number}Q{k * 7:03d}", "RefCode LS": f"LS{k * 131:05d}",
            "LF-Optout  (0 für nein, -1 für ja)": "0", "Batchnummer": "2026-02",
            "RefCode zu sperren  (0 für nein, -1 für ja)": "-1" if left else "0",
            "Art der Sperrung": "Austritt" if left else "", "Mobilfunknummer": mobile, "Kontoinhaber": holder,
            "Bankleitzahl": "25050180", "Kontonummer": f"{900112000 + 317 * k}", "Kreditinstitut":
            "Sparkasse Hannover", "Eintrittsdatum": joined, "Austrittsdatum": left,
            "Stimmberechtigt (0 für nein, -1 für ja)": "0" if left else "-1"}))
        tels = [(t, n) for t, n in ((ANY, phone), ("FAX", fax), ("CELL", mobile)) if n]
        # Salutation and title are the name's prefix; the account holder is nobody on the card; 'DE' is the
        # country as written; the Bundesland and Landkreis columns are the party's structure, no part of the
        # postal address; a member who has left is a contact all the same.
        p = person(given, family, prefix=" ".join(x for x in (salutation, title) if x), emails=[mail],
                   birthday=born)
        want.append(card(p, tels=tels, adrs=[(None, street, town, "", code, "DE")], birthday=True))
    return dict(source="partei_mitglieder", rows=rows, want=want, line_end="\n")


def verein_mitglieder():
    """A Viennese sports club's members in its club app's import template:
    the street and its door number ('112/2/14') apart, children without a
    salutation under a parent's mailbox and landline, landlines at home and
    mobiles, member types and departments joined by '|', old ids for the
    members taken over from the former software, IBANs for some."""
    s = SOURCES["verein_mitglieder"]
    rows, want = [s["header"]], []
    for k, (number, salutation, given, family, born, street, house, code, mail, phone, mobile, kind, joined,
            status, departments, old_id) in enumerate(CLUB12, 1):
        payer = kind != "Jugend" and k % 3 != 0
        rows.append(fill(s["header"], {
            "externe_id": old_id, "mitgliedsnummer": number, "anrede": salutation, "vorname": given,
            "nachname": family, "geburtsdatum": born, "strasse": street, "hausnummer": house, "plz": code,
            "ort": "Wien", "land": "Österreich", "email": mail, "telefon": phone, "mobil": mobile,
            "mitgliedstyp": kind, "eintrittsdatum": joined, "status": status, "abteilungen": departments,
            "iban": f"AT{61 + k} 2011 1{k:03d} {4410 + 7 * k:04d} {1100 + k:04d}" if payer else "",
            "bic": "GIBAATWWXXX" if payer else "", "bank_name": "Erste Bank" if payer else ""}))
        tels = [(t, n) for t, n in ((ANY, phone), ("CELL", mobile)) if n]
        # The street is its name and number; 'telefon' names no kind, 'mobil' is CELL; a child's row carries the
        # parent's mailbox and landline, which are the child's card's all the same; the departments are no
        # organisation; the country is the name written.
        p = person(given, family, prefix=salutation, emails=[mail] if mail else [], birthday=dmy(born))
        want.append(card(p, tels=tels, adrs=[(None, f"{street} {house}", "Wien", "", code, "Österreich")],
                         birthday=True))
    return dict(source="verein_mitglieder", rows=rows, want=want, line_end="\n")


def bsac_members():
    """A London diving club's members as the club management system gives
    them to its officers: one name column, classes and grades, plan and
    medical status, a flat or room as Address Line 2, the county, home,
    mobile and work numbers, day-first dates, a married couple with one
    home number."""
    s = SOURCES["bsac_members"]
    rows, want = [s["header"]], []
    for k, (number, name, kind, grade, instructor, street, extra, town, county, home, mobile, work, mail, joined,
            born, web) in enumerate(DIVERS12, 1):
        rows.append(fill(s["header"], {
            "Member Number": number, "Name": name, "Membership Class": kind, "Membership Status": "Current",
            "Plan Status": "Paid" if k % 5 else "Renewal Due", "Plan Valid From": "01/04/2025",
            "Expiry Date": "31/03/2026", "Medical Status": "Referee Required" if k % 6 == 0 else "Self Certified",
            "Diver Grade": grade, "Diving Instructor Grade": instructor, "Contact Type": "Member",
            "Address Line 1": street, "Address Line 2": extra, "Town": town, "County": county,
            "Country": "United Kingdom", "Home Telephone Number": home, "Mobile Telephone Number": mobile,
            "Work Telephone Number": work, "Email Address": mail, "Main Club": "Ealing Sub-Aqua Club (0127)",
            "Join Date": joined, "Date Of Birth": born, "Registered Web User": web}))
        given, family = given_first(name)
        tels = [(t, n) for t, n in (("HOME", home), ("CELL", mobile), ("WORK", work)) if n]
        # FN is the name as written; the flat or room in Address Line 2 is no part of the street; the county is
        # the region; the branch is no organisation; the grades are no job title.
        want.append(card(person(given, family, emails=[mail], birthday=dmy(born)), fn=name, tels=tels,
                         adrs=[(None, street, town, county, "", "United Kingdom")], birthday=True))
    return dict(source="bsac_members", rows=rows, want=want)
