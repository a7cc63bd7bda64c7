"""The people of the thirty-fifth held-out set, as each source holds them."""

# A Sydney Polish-Australian club secretary's webmail contacts (CheaperDomains): given, family, display name,
# mailbox, group.
CHEAPERDOMAINS35 = [
    ("Katarzyna", "Nowak", "Kasia Nowak", "kasia.nowak@bigpond.com", "Committee"),
    ("Peter", "Jackson", "Peter Jackson", "peter.jackson@optusnet.com.au", "Committee"),
    ("Tomasz", "Wiśniewski", "", "t.wisniewski@gmail.com", "Members"),
    ("", "", "", "bookings@bondihall.com.au", ""),
    ("Olivia", "Brown", "Olivia Brown", "olivia.brown@outlook.com", "Members"),
    ("Jiří", "Novák", "Jiří Novák", "jiri.novak@seznam.cz", ""),
    ("Małgorzata", "Zielińska", "Gosia Zielińska", "gosia.z@wp.pl", "Members"),
    ("James", "O'Brien", "James O'Brien", "jobrien@iinet.net.au", "Volunteers"),
    ("Ágnes", "Farkas", "", "agnes.farkas@freemail.hu", "Volunteers"),
    ("", "", "", "newsletter@polishclub.org.au", "Committee"),
    ("Chloe", "Nguyen", "Chloe Nguyen", "chloe.nguyen@tpg.com.au", "Members"),
    ("Marek", "Kowalczyk", "Marek Kowalczyk", "marek.kowalczyk@onet.pl", "Members"),
]

# A Leicester primary school's office webmail contacts (NetManager): name as shown, mailbox, groups.
NETMANAGER35 = [
    ("Mrs Patel", "r.patel@stmarys-leics.sch.uk", "Staff"),
    ("Ewa Kowalska", "ewa.kowalska@gmail.com", "Parents;Year 3"),
    ("Daniel Hughes", "d.hughes@stmarys-leics.sch.uk", "Staff;SLT"),
    ("Ionela Popa", "ionela.popa@yahoo.ro", "Parents"),
    ("", "office@leicesterbuses.co.uk", "Suppliers"),
    ("Mr Khan", "a.khan@stmarys-leics.sch.uk", "Staff"),
    ("Tereza Dvořáková", "tereza.dvorakova@email.cz", "Parents;Year 5"),
    ("Sophie Walker", "sophie.walker@btinternet.com", "Governors"),
    ("Gábor Nagy", "nagy.gabor@gmail.com", "Parents;Year 1"),
    ("Liam Turner", "liam.turner@leicester.gov.uk", ""),
    ("Andreea Munteanu", "andreea.munteanu@gmail.com", "Parents;Year 3;PTA"),
]

# A Vienna-based logistics firm's company phone book (TheVoĉo): given, family, firm, mobile, mailbox, tags.
THEVOCO35 = [
    ("Lukas", "Gruber", "Donau Logistik GmbH", "+43 664 1234567", "l.gruber@donau-logistik.at", "Staff"),
    ("Zuzana", "Kováčová", "Tatra Spedícia s.r.o.", "+421 905 334 221", "kovacova@tatraspedicia.sk", "Customer"),
    ("Piotr", "Lewandowski", "Trans-Pol Sp. z o.o.", "+48 601 778 990", "p.lewandowski@trans-pol.pl", "VIP"),
    ("Anna", "Huber", "", "+43 676 9876543", "anna.huber@gmx.at", ""),
    ("Miroslav", "Černý", "Černý Kamiony", "+420 777 456 123", "", "Vendor"),
    ("Eszter", "Balogh", "Pannon Cargo Kft.", "+36 30 555 1212", "balogh.eszter@pannoncargo.hu", "Customer"),
    ("Michael", "Steiner", "Donau Logistik GmbH", "+43 664 2223344", "m.steiner@donau-logistik.at", "Staff"),
    ("Nina", "Kranjc", "Adria Transport d.o.o.", "+386 41 222 333", "nina.kranjc@adria-transport.si", "Customer"),
    ("Ivan", "Babić", "", "+385 98 123 4567", "ivan.babic@gmail.com", "Driver"),
    ("Sarah", "Wimmer", "Donau Logistik GmbH", "+43 664 5556677", "s.wimmer@donau-logistik.at", "Staff"),
]

# A Brno engineering firm's auto attendant directory (AudioCodes Voca): id, given, family, extension, mobile,
# department, mailbox, given-name aliases, family-name aliases, full-name aliases.
VOCA35 = [
    ("E1001", "Jakub", "Horák", "2101", "+420 602 111 201", "Sales", "jakub.horak@moravatech.cz", "Kuba", "", ""),
    ("E1002", "Lenka", "Svobodová", "2102", "", "Finance", "lenka.svobodova@moravatech.cz", "", "Svobodka", ""),
    ("E1003", "Martin", "Král", "2103", "+420 731 222 303", "Engineering", "martin.kral@moravatech.cz",
     "Martine", "", "Šéf vývoje"),
    ("E1004", "Agnieszka", "Mazur", "2104", "+420 608 333 404", "Engineering", "agnieszka.mazur@moravatech.cz",
     "Agnes;Aga", "", ""),
    ("E1005", "Petr", "Veselý", "2105", "", "IT", "petr.vesely@moravatech.cz", "", "", "Helpdesk;IT podpora"),
    ("E1006", "Kateřina", "Marková", "2106", "+420 724 444 505", "HR", "katerina.markova@moravatech.cz", "Katka",
     "", ""),
    ("E1007", "Tomáš", "Pokorný", "2107", "+420 739 555 606", "Sales", "", "", "", ""),
    ("E1008", "Zoltán", "Kiss", "2108", "+420 605 666 707", "Engineering", "zoltan.kiss@moravatech.cz", "", "",
     ""),
    ("E1009", "Eva", "Dvořáková", "2100", "", "Reception", "recepce@moravatech.cz", "", "", "Recepce;Reception"),
    ("E1010", "Radek", "Němec", "2110", "+420 776 777 808", "Logistics", "radek.nemec@moravatech.cz", "Radek",
     "", ""),
]

# A Leipzig energy supplier's call campaign (jtel): import time, campaign, key, client, service, reference,
# family, given, salutation, title, firm, street, postal code, city, country, IBAN, amount, phones 1 to 3,
# fax, mailbox, web page, comment.
JTEL35 = [
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500101", "Stadtwerke", "Vertrieb", "V-88101", "Schneider",
     "Katrin", "Frau", "", "", "Karl-Liebknecht-Straße 45", "04275", "Leipzig", "Deutschland",
     "DE89370400440532013000", "120.50", "+493412345678", "+491701234567", "", "", "k.schneider@web.de", "", ""),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500102", "Stadtwerke", "Vertrieb", "V-88102", "Kowalski",
     "Jan", "Herr", "", "", "Eisenbahnstraße 112", "04315", "Leipzig", "Deutschland", "", "89.00",
     "+4915112345678", "", "", "", "jan.kowalski@gmail.com", "", "spricht Polnisch"),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500103", "Stadtwerke", "Gewerbe", "V-88103", "Hoffmann",
     "Thomas", "Herr", "Dr.", "Praxis Dr. Hoffmann", "Gohliser Straße 8", "04155", "Leipzig", "Deutschland", "",
     "410.00", "+49341555010", "+49341555011", "+491729876543", "+49341555019", "praxis@dr-hoffmann-leipzig.de",
     "https://www.dr-hoffmann-leipzig.de", "Rückruf nach 14 Uhr"),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500104", "Stadtwerke", "Vertrieb", "V-88104", "Nováková",
     "Petra", "Frau", "", "", "Zschochersche Straße 60", "04229", "Leipzig", "Deutschland", "", "75.20",
     "+4917655566677", "", "", "", "", "", ""),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500105", "Stadtwerke", "Vertrieb", "V-88105", "Becker",
     "Uwe", "Herr", "", "", "Riebeckstraße 21", "04317", "Leipzig", "Deutschland", "DE12500105170648489890",
     "140.00", "+49341876543", "", "", "", "uwe.becker@t-online.de", "", ""),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500106", "Stadtwerke", "Gewerbe", "V-88106", "Szabó",
     "László", "Herr", "", "Szabó Gastro GmbH", "Karl-Heine-Straße 99", "04229", "Leipzig", "Deutschland", "",
     "980.00", "+49341998877", "+4916099887766", "", "", "info@szabo-gastro.de", "", "Gaststätte"),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500107", "Stadtwerke", "Vertrieb", "V-88107", "Wagner",
     "Sabine", "Frau", "Prof. Dr.", "", "Beethovenstraße 6", "04107", "Leipzig", "Deutschland", "", "65.00",
     "+49341112233", "", "", "", "s.wagner@uni-leipzig.de", "", ""),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500108", "Stadtwerke", "Vertrieb", "V-88108", "Wójcik",
     "Agata", "Frau", "", "", "Lützner Straße 150", "04179", "Leipzig", "Deutschland", "", "0",
     "+4915223344556", "+49341445566", "", "", "agata.wojcik@interia.pl", "", "nicht vor 10 Uhr"),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500109", "Stadtwerke", "Vertrieb", "V-88109", "Fischer",
     "Jens", "Herr", "", "", "Prager Straße 200", "04299", "Leipzig", "Deutschland", "", "99.90",
     "+49341667788", "", "", "", "", "", ""),
    ("2026-03-02 08:15:00", "Tarifwechsel 2026", "K-500110", "Stadtwerke", "Gewerbe", "V-88110", "Popescu",
     "Mihai", "Herr", "", "Popescu Bau UG", "Torgauer Straße 233", "04347", "Leipzig", "Deutschland", "",
     "1250.00", "+49341223344", "+4917711122233", "", "+49341223345", "m.popescu@popescu-bau.de",
     "www.popescu-bau.de", ""),
]

# A Bratislava co-working space's newsletter list (Plunk): mailbox, given name, plan, sign-up time.
PLUNK35 = [
    ("martina.horvathova@gmail.com", "Martina", "pro", "2026-01-15T09:12:00Z"),
    ("jozef.kralik@azet.sk", "Jozef", "free", "2025-11-02T17:40:00Z"),
    ("anna.bauer@gmx.at", "Anna", "enterprise", "2026-02-20T08:00:00Z"),
    ("info@kaviarenmodra.sk", "", "free", "2026-03-01T12:30:00Z"),
    ("peter.molnar@centrum.sk", "Peter", "pro", "2025-12-11T10:05:00Z"),
    ("dominika.szabova@gmail.com", "Dominika", "free", "2026-01-30T19:22:00Z"),
    ("lukasz.dabrowski@o2.pl", "Łukasz", "pro", "2026-02-03T07:45:00Z"),
    ("hello@studiopixel.sk", "", "enterprise", "2025-10-21T14:00:00Z"),
    ("ondrej.balaz@outlook.sk", "Ondrej", "free", "2026-03-05T21:10:00Z"),
    ("zsofia.toth@freemail.hu", "Zsófia", "free", "2026-02-14T11:11:00Z"),
]
