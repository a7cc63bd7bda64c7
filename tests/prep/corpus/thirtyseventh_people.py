"""The people of the thirty-seventh held-out set, as each source holds them."""

# A Leeds Central European grocery web shop's parcel recipients (Royal Mail Click & Drop): address book
# reference, title, given, family, firm, three address lines, city, county, postcode, country, mailbox, phone,
# business flag. Royal Mail takes Roman letters only, so the shop wrote the names without their accents.
CLICKDROP37 = [
    ("AB-1001", "Mrs", "Malgorzata", "Nowak", "", "14 Harehills Lane", "", "", "Leeds", "West Yorkshire",
     "LS8 4HA", "United Kingdom", "gosia.nowak@gmail.com", "07700900123", "No"),
    ("AB-1002", "Mr", "Tomas", "Dvorak", "", "Flat 3", "22 Cardigan Road", "", "Leeds", "", "LS6 3AG", "GBR",
     "tomas.dvorak@seznam.cz", "07700900456", "N"),
    ("", "", "", "", "Krakowianka Delikatesy Ltd", "Unit 5 Kirkstall Industrial Park", "Kirkstall Road", "",
     "Leeds", "West Yorkshire", "LS4 2AZ", "United Kingdom", "orders@krakowianka.co.uk", "01132 496000", "Yes"),
    ("AB-1004", "Ms", "Eszter", "Kovacs", "", "7 Clarendon Place", "", "", "York", "North Yorkshire", "YO1 7HB",
     "United Kingdom", "eszter.kovacs@outlook.com", "", "0"),
    ("AB-1005", "Mr", "Jan", "Novak", "Slovenian Wines UK", "Arch 12", "Granary Wharf", "Dark Neville Street",
     "Leeds", "", "LS1 4BR", "United Kingdom", "jan@slovenianwines.co.uk", "07700900789", "Y"),
    ("AB-1006", "Mrs", "Ioana", "Popescu", "", "31 Burley Road", "", "", "Leeds", "", "LS3 1JT", "United Kingdom",
     "", "07700900321", "False"),
    ("AB-1007", "", "Oliver", "Brennan", "", "2 Mill Hill", "", "", "Pudsey", "West Yorkshire", "LS28 7DW",
     "United Kingdom", "oliver.brennan@btinternet.com", "01132 555014", "No"),
    ("AB-1008", "Dr", "Petra", "Horvat", "", "Ilica 85", "", "", "Zagreb", "", "10000", "HRV",
     "petra.horvat@t-com.hr", "385915550123", "No"),
    ("AB-1009", "Mr", "Lukas", "Schmid", "Alpenbrot GmbH", "Kaiserstrasse 21", "", "", "Frankfurt am Main",
     "Hessen", "60311", "Germany", "l.schmid@alpenbrot.de", "496955501234", "Yes"),
    ("AB-1010", "Miss", "Zuzana", "Hrusovska", "", "9 Oakwood Grove", "", "", "Leeds", "West Yorkshire", "LS8 2PA",
     "United Kingdom", "zuzka.h@azet.sk", "07700900654", "No"),
]

# A Chicago importer's receivers (Worldwide Express): receiver id, firm, two address lines, suite or department,
# city, state, zip, attention, phone, mailbox, bill-to, receiver and third-party accounts, notes, country, tax
# id, parties-related flag.
WWEX37 = [
    ("R1001", "Kowalski Sausage Co", "2270 N Milwaukee Ave", "", "", "Chicago", "IL", "60647", "Marek Kowalski",
     "(773) 555-0141", "marek@kowalskisausage.com", "N", "", "", "Dock in the alley", "US", "", "N"),
    ("R1002", "Bohemian Crystal Imports", "118 W Main St", "", "Suite 200", "Cedar Rapids", "IA", "52401",
     "Jana Procházková", "319-555-0188", "jana@bohemiancrystal.us", "S", "", "", "", "US", "", "N"),
    ("R1003", "Paprika Market", "1605 S Wolcott Ave", "", "", "Chicago", "IL", "60608", "", "312-555-0110",
     "info@paprikamarket.com", "R", "A7731", "", "", "US", "", "N"),
    ("R1004", "Polish Museum of America", "984 N Milwaukee Ave", "", "Shipping Dept", "Chicago", "IL", "60642",
     "Agnieszka Wiśniewska", "773-555-0167", "a.wisniewska@polishmuseum.org", "S", "", "", "", "US", "", "N"),
    ("R1005", "Danube Deli LLC", "45 Ferry St", "Building B", "", "Newark", "NJ", "07105", "Gábor Tóth",
     "973-555-0132", "", "N", "", "", "", "US", "", "N"),
    ("R1006", "Slovenian Catholic Mission", "1011 E 25th St", "", "", "Cleveland", "OH", "44114", "", "",
     "mission@slovenianmission.org", "S", "", "", "Closed Mondays", "US", "", "N"),
    ("R1007", "Lakeside Hardware", "8120 W North Ave", "", "", "Milwaukee", "WI", "53213", "Brian O'Neill",
     "414-555-0199", "brian@lakesidehw.com", "3", "", "TP-5521", "", "US", "", "Y"),
    ("R1008", "Maple Leaf Distributors", "300 Bay St", "Unit 1204", "", "Toronto", "ON", "M5H 2S8",
     "Ivana Kovačević", "416-555-0175", "ikovacevic@mapleleafdist.ca", "S", "", "", "", "Canada",
     "CA123456789", "N"),
    ("R1009", "Tatra Bakery", "5560 W Belmont Ave", "", "", "Chicago", "IL", "60641", "Ján Hruška",
     "773-555-0123", "orders@tatrabakery.com", "S", "", "", "", "US", "", "N"),
]

# A Tampere web shop's customers (MyCashflow): customer number, login flag, language, mailbox, given, family,
# street address.
MYCASHFLOW37 = [
    ("A-10021", "1", "fi", "aino.virtanen@gmail.com", "Aino", "Virtanen", "Hämeenkatu 12 B 7"),
    ("A-10022", "1", "fi", "mikko.korhonen@elisanet.fi", "Mikko", "Korhonen", "Pyynikintie 3"),
    ("A-10023", "0", "en", "katarzyna.nowak@wp.pl", "Katarzyna", "Nowak", ""),
    ("A-10024", "1", "sv", "johanna.lindqvist@telia.com", "Johanna", "Lindqvist", "Storgatan 8"),
    ("A-10025", "1", "en", "petr.svoboda@email.cz", "Petr", "Svoboda", "Vinohradská 48"),
    ("", "1", "fi", "liisa.makinen@outlook.com", "Liisa", "Mäkinen", "Satakunnankatu 20 A 4"),
    ("A-10027", "1", "en", "reka.nagy@freemail.hu", "Réka", "Nagy", "Andrássy út 12"),
    ("A-10028", "0", "fi", "juha.heikkinen@gmail.com", "Juha", "Heikkinen", ""),
    ("A-10029", "1", "en", "andrej.kovac@siol.net", "Andrej", "Kovač", "Trubarjeva cesta 15"),
    ("A-10030", "1", "fi", "sanna.lehtonen@kolumbus.fi", "Sanna", "Lehtonen", "Itsenäisyydenkatu 5"),
]

# A Ljubljana developers' conference's attendees (alf.io): given, family, mailbox, language, the attendee's id
# in the organiser's own list.
ALFIO37 = [
    ("Matej", "Žagar", "matej.zagar@gorenje.com", "en", "SPK-001"),
    ("Špela", "Kranjc", "spela.kranjc@siol.net", "en", "SPK-002"),
    ("Lukas", "Hofer", "lukas.hofer@a1.net", "de", ""),
    ("Giulia", "Rossi", "giulia.rossi@libero.it", "it", "PRT-0193"),
    ("Ivan", "Horvat", "ivan.horvat@koncar.hr", "en", ""),
    ("Zsófia", "Horváth", "horvath.zsofia@u-szeged.hu", "en", "PRT-0194"),
    ("Marie-Claire", "Dubois", "mc.dubois@orange.fr", "fr", ""),
    ("Jakub", "Wiśniewski", "jakub.wisniewski@o2.pl", "en", "PRT-0195"),
    ("Anna", "Bäcker", "anna.baecker@uni-leipzig.de", "de", ""),
    ("Primož", "Kovačič", "primoz.kovacic@gmail.com", "en", "VOL-07"),
    ("Tereza", "Nováková", "tereza.novakova@seznam.cz", "en", ""),
]

# A Budapest freight forwarder's shared phone contacts (Aircall): given, family, firm, up to four numbers.
AIRCALL37 = [
    ("Gábor", "Kiss", "Duna Logisztika Kft.", "+36301234567", "+3614567890", "", ""),
    ("Katalin", "Fekete", "", "+36209876543", "", "", ""),
    ("", "", "Magyar Posta Zrt.", "+3614215000", "", "", ""),
    ("Petr", "Černý", "ČD Cargo, a.s.", "+420972123456", "+420602123456", "", ""),
    ("Ľubomír", "Kováč", "Tatry Invest, a.s.", "+421905123456", "+421254431000", "+421254431001", ""),
    ("Ana", "Marić", "Luka Rijeka d.d.", "+385912345678", "", "", ""),
    ("", "", "Koper Port Terminal", "+38656656100", "+38656656101", "", ""),
    ("Stefan", "Hübner", "", "+491520987654", "", "", ""),
    ("Bogdan", "Ionescu", "Trans Carpatic SRL", "+40721234567", "+40213456789", "", "+40213456790"),
    ("Emese", "Balogh", "Duna Logisztika Kft.", "+36301112233", "", "", ""),
]

# A Vienna mail-order pharmacy's shipping address book (SendPro Enterprise): reference, attention, firm, three
# address lines, city, region, postal code, country, two phones, notes, residential flag.
SENDPRO37 = [
    ("C-2201", "Eva Hudecová", "Lekáreň Pod Hradom", "Hlavná 12", "", "", "Banská Bystrica", "", "974 01",
     "SK", "+421 48 555 0101", "", "Deliver before noon", "false"),
    ("C-2202", "Maria Gruber", "", "Mariahilfer Straße 88", "Top 14", "", "Wien", "Wien", "1070", "AT",
     "+43 664 5550202", "", "", "true"),
    ("C-2203", "", "Apotheke Zum Hirschen", "Hauptplatz 3", "", "", "Graz", "Steiermark", "8010", "AT",
     "+43 316 555030", "+43 316 555031", "", "false"),
    ("C-2204", "Jiří Dvořák", "Lékárna U Zlatého lva", "Křenová 12", "", "", "Brno", "", "602 00", "CZ",
     "+420 541 555 040", "+420 777 123 456", "", "false"),
    ("C-2205", "Franz Huber", "", "Linzer Gasse 5", "", "", "Salzburg", "Salzburg", "5020", "Austria",
     "", "", "Ring twice", "true"),
    ("C-2206", "Zsuzsanna Szabó", "Szent Anna Patika", "Fő utca 12.", "", "", "Sopron", "", "9400", "HU",
     "+36 99 555 060", "", "", "false"),
    ("C-2207", "", "Krankenhaus Nord Einkauf", "Brünner Straße 68", "Gebäude C", "Warenannahme", "Wien", "Wien",
     "1210", "AT", "+43 1 555 07000", "", "Loading bay 4", "false"),
    ("C-2208", "Nataša Horvat", "", "Slomškov trg 15", "", "", "Maribor", "", "2000", "SI",
     "+386 2 555 0808", "+386 41 123 456", "", "true"),
    ("C-2209", "Andreas Wolf", "Wolf Medizintechnik GmbH", "Industriestraße 9", "", "", "Linz",
     "Oberösterreich", "4020", "AT", "+43 732 555090", "", "", "false"),
]
