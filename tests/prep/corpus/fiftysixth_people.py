"""The people of the fifty-sixth held-out set, as each source holds them."""

# A Södermalm hostel's bookings (Sirvoy): room, check-in, check-out, guests, price per night, given name, booking
# id, family name, firm, address, postal code, city, country, phone, mailbox, guest's message, staff comment,
# confirmed flag, room guest's name, room comment, language.
SIRVOY56 = [
    ("Dorm 6 Bed 2", "2026-06-03", "2026-06-06", "1", "329", "Mateusz", "SV-40211", "Kowalczyk", "",
     "ul. Ogrodowa 14 m. 5", "00-896", "Warszawa", "Poland", "+48 601 223 344", "mateusz.kowalczyk@gmail.com",
     "Arriving by the night train, around 23:30", "", "1", "", "", "pl"),
    ("12", "2026-06-04", "2026-06-07", "2", "890.50", "Tereza", "SV-40212", "Horáková", "", "Husova 8", "602 00",
     "Brno", "Czech Republic", "+420 604 111 222", "tereza.horakova@seznam.cz", "",
     "Deposit paid, the rest at check-in", "1", "", "Bunk beds OK", "cs"),
    ("Dorm 4 Bed 1", "2026-06-05", "2026-06-08", "1", "349", "Erik", "SV-40213", "Lindqvist", "", "Ringvägen 52",
     "118 67", "Stockholm", "Sweden", "070-123 45 67", "erik.lindqvist@telia.com", "", "", "1", "", "", "sv"),
    ("21", "2026-06-08", "2026-06-12", "1", "990", "Katarzyna", "SV-40214", "Mazur", "Nordic Baltic Logistics AB",
     "Hammarby allé 93", "120 63", "Stockholm", "Sweden", "+46 8 555 123 40", "katarzyna.mazur@nbl.se",
     "Invoice to the company, please", "Invoice, 30 days", "1", "", "", "en"),
    ("Dorm 6 Bed 5", "2026-06-10", "2026-06-11", "1", "299", "Bence", "SV-40215", "", "", "", "", "", "", "",
     "bence1998@freemail.hu", "", "Walk-in", "1", "", "", "hu"),
    ("14", "2026-06-12", "2026-06-14", "2", "920", "Jonas", "SV-40216", "Becker", "", "Lindenstraße 3", "10969",
     "Berlin", "Germany", "+49 151 2345 6789", "jonas.becker@web.de", "Do you rent out bikes?", "", "0", "", "",
     "de"),
    ("Dorm 4 Bed 3", "2026-06-15", "2026-06-20", "1", "329", "Ana", "SV-40217", "Kovačević", "", "Vukovarska 12",
     "21000", "Split", "Croatia", "+385 98 765 4321", "ana.kovacevic@gmail.com", "", "", "1", "", "Lower bunk",
     "hr"),
    ("16", "2026-06-18", "2026-06-21", "3", "1190", "Martina", "SV-40218", "Hrušková", "", "Obchodná 22",
     "811 06", "Bratislava", "Slovakia", "+421 905 333 444", "martina.hruskova@azet.sk",
     "Travelling with our son (9), no cot needed", "", "1", "", "", "sk"),
    ("Dorm 6 Bed 1", "2026-06-20", "2026-06-22", "1", "329", "Liam", "SV-40219", "O'Brien", "", "", "", "Cork",
     "Ireland", "+353 87 123 4567", "liam.obrien@eircom.net", "", "", "1", "", "", "en"),
    ("22", "2026-06-22", "2026-06-26", "2", "1050", "Zsófia", "SV-40220", "Nagy", "", "Király utca 40.", "1061",
     "Budapest", "HU", "+36 30 987 6543", "zsofia.nagy@gmail.com", "", "Booked by phone", "1", "", "", "hu"),
    ("Dorm 4 Bed 4", "2026-06-25", "2026-06-27", "1", "349", "Agnieszka", "SV-40221", "Wróbel", "",
     "ul. Piotrkowska 88", "90-103", "Łódź", "Polska", "", "a.wrobel@o2.pl", "", "", "1", "", "", "pl"),
    ("11", "2026-06-28", "2026-07-02", "2", "890", "Astrid", "SV-40222", "Johansson", "", "Storgatan 7", "903 26",
     "Umeå", "Sweden", "+46 70 987 65 43", "astrid.johansson@hotmail.se", "", "Returning guest", "1", "", "",
     "sv"),
]

# A Bologna student residence's tenants (RentYourNest): given, family, birth date, sex, Italian tax code, home
# street, city, postal code, region, country, mailbox, phone, guarantor's given and family name and phone.
RENTYOURNEST56 = [
    ("Giulia", "Bianchi", "14/03/2003", "F", "BNCGLI03C54F257K", "Via Marconi 21", "Modena", "41121",
     "Emilia-Romagna", "Italia", "giulia.bianchi@studio.unibo.it", "+39 347 123 4567", "Marco", "Bianchi",
     "+39 335 765 4321"),
    ("Jakub", "Nowak", "02/11/2002", "M", "", "ul. Długa 17/4", "Kraków", "31-147", "małopolskie", "Polonia",
     "jakub.nowak@student.uj.edu.pl", "+48 512 345 678", "Ewa", "Nowak", "+48 601 987 654"),
    ("Kateřina", "Dvořáková", "25/07/2003", "F", "", "Náměstí Míru 9", "Praha 2", "120 00", "",
     "Repubblica Ceca", "katerina.dvorakova@email.cz", "+420 731 222 333", "Pavel", "Dvořák", "+420 602 444 555"),
    ("Lorenzo", "Ricci", "09/01/2001", "M", "RCCLNZ01A09F205Z", "Corso Buenos Aires 45", "Milano", "20124",
     "Lombardia", "Italia", "lorenzo.ricci@gmail.com", "3391234567", "Anna", "Ricci", "3389876543"),
    ("Lena", "Hofer", "30/05/2002", "F", "", "Maria-Theresien-Straße 18", "Innsbruck", "6020", "Tirol", "Austria",
     "lena.hofer@student.uibk.ac.at", "+43 664 1234567", "", "", ""),
    ("Dávid", "Szabó", "17/08/2003", "M", "", "Rákóczi út 12.", "Debrecen", "4024", "Hajdú-Bihar", "Ungheria",
     "david.szabo@freemail.hu", "+36 20 333 4455", "Katalin", "Szabó", "+36 30 555 6677"),
    ("Chiara", "Esposito", "21/12/2002", "F", "SPSCHR02T61F839B", "Via Toledo 156", "Napoli", "80134", "Campania",
     "Italia", "chiara.esposito@outlook.it", "+39 328 444 5566", "Giuseppe", "Esposito", "+39 081 552 1234"),
    ("Marek", "Kováč", "11/04/2001", "M", "", "Hlavná 45", "Košice", "040 01", "", "Slovacchia",
     "marek.kovac@gmail.com", "", "Jana", "Kováčová", "+421 908 111 222"),
    ("Nina", "Zupan", "03/09/2003", "F", "", "Prešernova cesta 5", "Ljubljana", "1000", "", "Slovenia",
     "nina.zupan@gmail.com", "+386 41 222 333", "Tomaž", "Zupan", "+386 31 444 555"),
    ("Francesca", "Romano", "28/02/2002", "F", "RMNFNC02B68L219U", "Via Garibaldi 3", "Torino", "10122", "Piemonte",
     "Italia", "francesca.romano@libero.it", "+39 340 111 2233", "Laura", "Conti", "+39 011 546 7788"),
    ("Maximilian", "Wagner", "15/06/2001", "M", "", "Leopoldstraße 77", "München", "80802", "Bayern", "Germania",
     "max.wagner@gmx.de", "+49 170 5566778", "Thomas", "Wagner", "+49 89 12345678"),
]

# A Toronto short-term rental operator's reservations (Autohost): status, channel, confirmation code, guests,
# total, check-in and check-out (month first), listing, given, family, mailbox, phone, home town, birth date.
AUTOHOST56 = [
    ("CONFIRMED", "Airbnb", "HMQ4T2ZX8A", "2", "612.40", "07-03-2026 16:00:00", "07-06-2026 11:00:00",
     "AWiWXnMn8a4", "Piotr", "Zając", "", "", "Gdańsk", ""),
    ("CONFIRMED", "Booking.com", "4127733018", "3", "845", "07-05-2026 15:00:00", "07-09-2026 11:00:00",
     "AWiWXnMn8a4", "Lucie", "Marková", "lmarko.512345@guest.booking.com", "+420 777 888 999", "Olomouc",
     "1991-02-17"),
    ("CONFIRMED", "Direct", "DIR-2026-0141", "2", "980.00", "07-10-2026 16:00:00", "07-14-2026 11:00:00",
     "BXk2PqL7rT1", "Sarah", "Thompson", "sarah.thompson@rogers.com", "(416) 555-0142", "Toronto", "1985-09-30"),
    ("INQUIRY", "Vrbo", "HA-9XZ2KQ", "4", "1320.00", "07-18-2026 16:00:00", "07-22-2026 10:00:00", "BXk2PqL7rT1",
     "Gergely", "Varga", "gergely.varga@gmail.com", "+36 70 123 4567", "Szeged", ""),
    ("CANCELED", "Airbnb", "HMB7N4WQ2C", "1", "0", "07-19-2026 16:00:00", "07-21-2026 11:00:00", "AWiWXnMn8a4",
     "Émilie", "Tremblay", "", "", "Montréal", ""),
    ("CONFIRMED", "Booking.com", "4127790255", "2", "702.50", "07-24-2026 15:00:00", "07-27-2026 11:00:00",
     "CQz9RmT3vV8", "Stefan", "Huber", "shuber.876543@guest.booking.com", "+43 676 1234567", "Graz",
     "1978-11-05"),
    ("CONFIRMED", "Direct", "DIR-2026-0147", "2", "1150.00", "08-01-2026 16:00:00", "08-05-2026 11:00:00",
     "CQz9RmT3vV8", "Michael", "O'Connor", "m.oconnor@bell.net", "647-555-0199", "Ottawa", "1990-06-12"),
    ("CONFIRMED", "Airbnb", "HMK3V8TY6D", "5", "1890.00", "08-07-2026 16:00:00", "08-12-2026 11:00:00",
     "BXk2PqL7rT1", "Monika", "Nováková", "", "+421 911 456 789", "Bratislava", ""),
    ("CONFIRMED", "Expedia", "72918364", "2", "560.00", "08-14-2026 15:00:00", "08-16-2026 11:00:00",
     "AWiWXnMn8a4", "Tomasz", "Lewandowski", "tomasz.lewandowski@wp.pl", "+48 600 700 800", "Poznań",
     "1983-04-22"),
    ("CONFIRMED", "Direct", "DIR-2026-0152", "1", "410.00", "08-20-2026 16:00:00", "08-22-2026 11:00:00",
     "CQz9RmT3vV8", "Priya", "Sharma", "priya.sharma@gmail.com", "905 555 0177", "Mississauga", "1996-01-08"),
    ("CONFIRMED", "Booking.com", "4127815590", "2", "735.20", "08-27-2026 15:00:00", "08-30-2026 11:00:00",
     "BXk2PqL7rT1", "Jan", "Černý", "jcerny.445566@guest.booking.com", "+420 603 222 111", "Plzeň", ""),
]

# A Warsaw software firm's team at a WeWork building (Account Central): mailbox, whole name, phone, the two
# numbers stamped on each keycard.
WEWORK56 = [
    ("katarzyna.wojcik@bitfalcon.pl", "Katarzyna Wójcik", "+48 601 234 567", "3817264590", "482913"),
    ("piotr.zielinski@bitfalcon.pl", "Piotr Zieliński", "+48 512 998 877", "2749163850", "573820"),
    ("anna.kowalska-nowak@bitfalcon.pl", "Anna Kowalska-Nowak", "+48 698 111 222", "918273645", "1029384"),
    ("tomas.novotny@bitfalcon.pl", "Tomáš Novotný", "+420 737 654 321", "5647382910", "657483"),
    ("oleksandra.shevchenko@bitfalcon.pl", "Oleksandra Shevchenko", "+48 797 456 123", "1203948576", "394857"),
    ("lukas.schneider@bitfalcon.pl", "Lukas Schneider", "+49 160 9876543", "8473629105", "102938"),
    ("marta.dabrowska@bitfalcon.pl", "Marta Dąbrowska", "605 333 444", "6574839201", "5647382"),
    ("reka.toth@bitfalcon.pl", "Réka Tóth", "+36 30 765 4321", "7382910465", "837261"),
    ("jakub.lis@bitfalcon.pl", "Jakub Lis", "", "2938475610", "918273"),
    ("michal.kaczmarek@bitfalcon.pl", "Michał Kaczmarek", "+48 22 555 12 34", "4857392016", "293847"),
    ("zuzana.kralova@bitfalcon.pl", "Zuzana Králová", "+421 944 222 333", "5938271046", "746352"),
    ("grzegorz.pawlak@bitfalcon.pl", "Grzegorz Pawlak", "+48 501 765 432", "3049586712", "4958671"),
]

# A Zell am See holiday-flat manager's reservations (Hostaway): mailbox, given, family, the guest's name as the
# booking shows it (often empty), guests, adults, children, infants, pets, arrival and departure day first.
HOSTAWAY56 = [
    ("markus.leitner@aon.at", "Markus", "Leitner", "Dr. Markus Leitner", "4", "2", "2", "0", "0", "27/12/2026",
     "03/01/2027"),
    ("jana.novakova@seznam.cz", "Jana", "Nováková", "", "3", "2", "1", "0", "0", "02/01/2027", "09/01/2027"),
    ("p.wisniewski.123456@guest.booking.com", "Paweł", "Wiśniewski", "Paweł Wiśniewski", "2", "2", "0", "0", "1",
     "09/01/2027", "16/01/2027"),
    ("sabine.gruber@gmx.at", "Sabine", "Gruber", "", "2", "2", "0", "0", "0", "16/01/2027", "23/01/2027"),
    ("thomas.mueller@t-online.de", "Thomas", "Müller", "Thomas Müller", "5", "2", "2", "1", "0", "30/01/2027",
     "06/02/2027"),
    ("eva.horvathova@azet.sk", "Eva", "Horváthová", "", "2", "2", "0", "0", "0", "06/02/2027", "13/02/2027"),
    ("andras.kiss@gmail.com", "András", "Kiss", "Kiss András", "4", "2", "2", "0", "0", "13/02/2027",
     "20/02/2027"),
    ("ondrej.pospisil@gmail.com", "Ondřej", "Pospíšil", "", "4", "4", "0", "0", "0", "20/02/2027", "27/02/2027"),
    ("katharina.bauer@gmail.com", "Katharina", "Bauer", "", "4", "2", "2", "0", "1", "27/02/2027", "06/03/2027"),
    ("joanna.mazurek@onet.pl", "Joanna", "Mazurek", "", "2", "2", "0", "0", "0", "06/03/2027", "13/03/2027"),
    ("lukas.steiner@a1.net", "Lukas", "Steiner", "Lukas Steiner", "3", "2", "1", "0", "0", "13/03/2027",
     "20/03/2027"),
    ("mateja.horvat@gmail.com", "Mateja", "Horvat", "", "2", "2", "0", "0", "0", "20/03/2027", "27/03/2027"),
]

# A Dubrovnik apartment host's guests (Enso Booking): whole name, mailbox, phone; a travel agency among them.
ENSO56 = [
    ("Ivana Marić", "ivana.maric@gmail.com", "+385 91 234 5678"),
    ("Luka Babić", "luka.babic@hotmail.com", ""),
    ("Petra Schmidt", "petra.schmidt@gmx.de", "+49 171 4455667"),
    ("Krzysztof Nowicki", "k.nowicki@interia.pl", "+48 604 555 666"),
    ("Barbora Svobodová", "barbora.svobodova@centrum.cz", "+420 736 121 212"),
    ("Ante Jurić", "ante.juric@t-com.hr", "020 412 345"),
    ("Adriatic Explorer d.o.o.", "bookings@adriatic-explorer.hr", "+385 20 313 777"),
    ("Helena Varga", "helena.varga@gmail.com", "+36 20 888 9900"),
    ("Matthias Wimmer", "matthias.wimmer@aon.at", "+43 699 12345678"),
    ("Marija Novak", "marija.novak@siol.net", "+386 40 123 456"),
]
