"""The people of the seventy-eighth held-out set, as each source holds them."""

# An Auckland customs broker's shippers and consignees (SpeEDI Cargo): name, client flag, two address lines,
# city, region, postcode, country, contact person, phone, mailbox, customs client code, CCA flag, quarantine
# premises, tax number, Accord id, payment method, quarantine account, billing code, notes.
SPEEDI78 = [
    ("Kiwi Amber Imports Ltd", "Y", "12 Vestey Drive", "Unit 4", "Auckland", "Auckland", "1060", "NZ",
     "Marta Nowicka", "+64 9 573 1180", "marta@kiwiamber.co.nz", "KIWIAMB01", "N", "", "123-456-789", "",
     "A", "", "KAI01", "Amber from Gdańsk, monthly LCL"),
    ("Dvořák Glassworks s.r.o.", "N", "Sklářská 15", "", "Nový Bor", "Liberecký kraj", "473 01", "CZ",
     "Pavel Dvořák", "+420 487 722 110", "export@dvorak-glass.cz", "", "", "", "CZ25417891", "", "", "", "",
     "Shipper for Kiwi Amber, FOB Hamburg"),
    ("Harbour Deli Ltd", "Y", "88 Ponsonby Road", "", "Auckland", "Auckland", "1011", "NZ", "",
     "+64 9 376 4420", "accounts@harbourdeli.co.nz", "HARDEL02", "N", "", "098-765-432", "", "D", "", "HDL01",
     ""),
    ("Zsófia Kertész", "Y", "27 Karaka Street", "Flat 2", "Wellington", "Wellington", "6011", "NZ", "",
     "+64 21 555 0192", "zsofia.kertesz@gmail.com", "", "", "", "", "", "C", "", "",
     "Personal effects, returning resident"),
    ("Tatra Foods Sp. z o.o.", "N", "ul. Przemysłowa 7", "", "Nowy Targ", "małopolskie", "34-400", "PL",
     "Piotr Zieliński", "+48 18 264 50 10", "p.zielinski@tatrafoods.pl", "", "", "", "PL7352871420", "", "", "",
     "", "Oscypek, chilled, reefer"),
    ("Southern Cross Forwarding Ltd", "N", "3 Tidal Road", "Mangere", "Auckland", "Auckland", "2022", "NZ",
     "Aroha Ngata", "+64 9 255 0700", "aroha.ngata@scforwarding.co.nz", "", "N", "", "111-222-333",
     "SCF-883", "", "", "", "Agent, deconsolidates at CCA 8590B"),
    ("Šumava Timber a.s.", "N", "Pivovarská 220", "", "Vimperk", "Jihočeský kraj", "385 01", "CZ",
     "Jana Králová", "+420 388 411 270", "kralova@sumava-timber.cz", "", "", "", "CZ26045231", "", "", "", "",
     ""),
    ("Ōtaki Olive Grove", "Y", "412 State Highway 1", "", "Ōtaki", "Wellington", "5512", "NZ", "Hemi Walker",
     "+64 6 364 8810", "hemi@otakiolives.co.nz", "OTAKIOL1", "N", "QAP-4471", "", "", "A", "QA-20931",
     "OOG01", "Bottles from Koper, pallets fumigated"),
    ("Bled Honey d.o.o.", "N", "Ljubljanska cesta 5", "", "Bled", "", "4260", "SI", "", "",
     "orders@bledhoney.si", "", "", "", "SI48211560", "", "", "", "", "No phone given"),
    ("Liam O'Connor", "Y", "9 Marine Parade", "", "Napier", "Hawke's Bay", "4110", "NZ", "",
     "+64 27 440 1188", "", "", "", "", "", "", "C", "", "", "Car parts from Graz"),
]

# A Chicago bakery-supply shop's recipients in one batch (Instant Shipping Labels): to name, two street lines,
# city, state, ZIP, country, phone, mailbox, parcel measures, weight, carrier, service, insurance.
INSTANTLABELS78 = [
    ("Anna M. Kowalski", "1811 S Laflin St", "", "Chicago", "IL", "60608", "US", "+1 312 555 0110",
     "anna.kowalski@gmail.com", "12", "10", "6", "3.2", "usps", "usps_priority", ""),
    ("Tomáš Novotný", "455 W 52nd St", "Apt 14C", "New York", "NY", "10019", "US", "", "tomas.novotny@seznam.cz",
     "10", "8", "4", "1.5", "usps", "usps_ground_advantage", ""),
    ("Pilsen Community Kitchen", "1634 W 18th St", "", "Chicago", "IL", "60608", "US", "+1 312 555 0177",
     "hello@pilsenkitchen.org", "18", "14", "12", "14", "ups", "ups_ground", "150.00"),
    ("Réka Varga", "2201 Lakeshore Blvd W", "Unit 1502", "Toronto", "ON", "M8V 3X7", "CA", "+1 416 555 0133",
     "reka.varga@outlook.com", "12", "10", "6", "2.8", "usps", "usps_priority_mail_international", "60.00"),
    ("Mary Ellen O'Brien", "77 Maple Ave", "", "Oak Park", "IL", "60302", "US", "", "", "8", "6", "4", "0.9",
     "usps", "usps_ground_advantage", ""),
    ("Katarzyna Wiśniewska", "ul. Piotrkowska 112", "m. 8", "Łódź", "", "90-006", "PL", "+48 601 222 333",
     "kasia.wisniewska@wp.pl", "12", "10", "6", "2.2", "usps", "usps_priority_mail_international", ""),
    ("David Chen", "3030 N Broadway", "Ste 200", "Chicago", "IL", "60657", "US", "+1 773 555 0190",
     "dchen@lakeviewcafe.com", "20", "16", "12", "18", "fedex", "fedex_ground", "300.00"),
    ("Ivana Horvat", "1200 Main St", "", "Kansas City", "MO", "64105", "US", "+1 816 555 0142",
     "ivana.horvat@gmail.com", "10", "8", "4", "1.1", "usps", "usps_ground_advantage", ""),
    ("Jakub Procházka", "560 Mission St", "Fl 9", "San Francisco", "CA", "94105", "US", "+1 415 555 0168",
     "jakub@prochazka.dev", "12", "10", "6", "3.0", "ups", "ups_2nd_day_air", "100.00"),
    ("St. Hedwig Parish Bake Sale", "2226 N Hoyne Ave", "", "Chicago", "IL", "60647", "US", "", "",
     "24", "18", "12", "22", "ups", "ups_ground", ""),
]

# A Melbourne ceramics studio's courier orders (Transdirect): order id, goods, carrier, pickup date, address
# type, receiver's full name, mailbox.
TRANSDIRECT78 = [
    ("TD-10231", "Ceramic mugs (4)", "Toll", "14/08/2026", "Residential", "Charlotte Evans",
     "charlotte.evans@bigpond.com"),
    ("TD-10232", "Serving platter", "", "14/08/2026", "", "Bogdan Nowak", "bogdan.nowak@gmail.com"),
    ("TD-10233", "Vases, fragile", "TNT", "15/08/2026", "Business", "Eszter Tóth", "eszter.toth@studiototh.com.au"),
    ("TD-10234", "Dinner set (12 pcs)", "Couriers Please", "15/08/2026", "Residential", "Jack Thompson", ""),
    ("TD-10235", "Planter", "Fastway", "18/08/2026", "Private", "Lucie Svobodová", "lucie.svobodova@email.cz"),
    ("TD-10236", "Workshop glazes", "Toll", "18/08/2026", "Commercial", "Mei Lin Wong",
     "meilin@brunswickclay.com.au"),
    ("TD-10237", "Ceramic mugs (2)", "", "19/08/2026", "Residential", "Matteo Rossi", "matteo.rossi@outlook.com"),
    ("TD-10238", "Teapot", "TNT", "19/08/2026", "Residential", "Zuzana Kráľová", "zuzana.kralova@azet.sk"),
    ("TD-10239", "Bowls (6)", "Couriers Please", "20/08/2026", "Business", "Olivia Brown",
     "olivia@fitzroyhome.com.au"),
]

# A Dandenong wholesaler's receivers for SendIT: search term, company, two address lines, suburb, state,
# postcode, contact, phone, mailbox, delivery instructions.
SENDIT78 = [
    ("BAKEPOL", "Polish Bakery Dandenong", "45 Thomas Street", "", "Dandenong", "VIC", "3175", "Agnieszka Mazur",
     "0397912233", "orders@polishbakery.com.au", "Rear door, before 7am"),
    ("HRVDELI", "Adriatic Deli Pty Ltd", "Shop 3", "210 Sydney Road", "Brunswick", "VIC", "3056", "Marko Babić",
     "0412345678", "marko@adriaticdeli.com.au", ""),
    ("HORAKOVA", "Kateřina Horáková", "18 Elm Grove", "", "Mount Waverley", "VIC", "3149", "Kateřina Horáková",
     "0423456789", "katka.horakova@gmail.com", "Leave at door"),
    ("DARWINMK", "Top End Continental Foods", "7 Bishop Street", "", "Stuart Park", "NT", "800", "", "0889410022",
     "", "Call on arrival"),
    ("SZEGED", "Szeged Paprika Imports", "Unit 9", "33 Eastern Road", "South Melbourne", "VIC", "3205",
     "Gábor Szabó", "0398761234", "gabor@szegedpaprika.com.au", "Forklift on site"),
    ("GEELONG1", "Geelong Harvest Co-op", "120 Moorabool Street", "", "Geelong", "VIC", "3220", "", "0352214400",
     "info@geelongharvest.org.au", ""),
    ("KOVAC", "Slavko Kovač", "4 Banksia Court", "", "Frankston", "VIC", "3199", "Slavko Kovač", "0434567890", "",
     ""),
    ("BALTIC", "Baltic Smokehouse", "62 Chapel Street", "", "Windsor", "VIC", "3181", "Ruta Petraitis",
     "0395101122", "ruta@balticsmokehouse.com.au", "Chilled, keep cold"),
    ("ADLDELI", "Hahndorf Pantry", "57 Main Street", "", "Hahndorf", "SA", "5245", "Emma Schultz", "0883887700",
     "emma@hahndorfpantry.com.au", ""),
]

# A Leipzig web shop's parcel recipients for devega: three name lines, street, house number, postal code,
# town. Excel dropped the leading zero of Saxony's and Thuringia's codes.
DEVEGA78 = [
    ("Jana Procházková", "", "", "Karl-Liebknecht-Straße", "112", "4275", "Leipzig"),
    ("Druckerei Weber GmbH", "z. Hd. Frau Agnieszka Wójcik", "Wareneingang", "Industriestraße", "8", "4442",
     "Zwenkau"),
    ("Lukas Schneider", "", "3. OG links", "Sternwartenstraße", "4", "4103", "Leipzig"),
    ("Kanzlei Richter & Partner", "", "", "Königstraße", "21a", "1097", "Dresden"),
    ("Dr. Miroslav Krejčí", "", "", "Am Brühl", "9", "8056", "Zwickau"),
    ("Stadtbibliothek Halle", "Frau Ilona Varga", "Abt. Einkauf", "Salzgrafenstraße", "2", "06108", "Halle (Saale)"),
    ("Magdalena Kowalczyk", "", "", "Johannisplatz", "6", "99817", "Eisenach"),
    ("Café Krause", "Herrn Tobias Krause", "", "Markt", "14", "7743", "Jena"),
    ("Hotel am Ring Berlin", "", "Rezeption", "Landsberger Allee", "106", "10249", "Berlin"),
    ("Ewa Nowak-Schmidt", "", "", "Gohliser Straße", "30", "4155", "Leipzig"),
]

# A Mississauga Polish deli's mailing list for Canada Post's Smart Data Cleaner: record id, two address lines,
# municipality, province, postal code, title, given, family, business.
CANADAPOST78 = [
    ("10001", "3045 Mavis Rd", "Unit 5", "Mississauga", "ON", "L5C 1T7", "Mrs.", "Halina", "Kowalczyk", ""),
    ("10002", "88 Park Lawn Rd", "Apt 1203", "Toronto", "ON", "M8Y 3H8", "Mr.", "Tomasz", "Wójcik", ""),
    ("10003", "1250 Dundas St E", "", "Mississauga", "ON", "L4Y 2C5", "", "", "", "Wawel Catering Inc."),
    ("10004", "45 Elm Dr W", "", "Mississauga", "ON", "L5B 3C2", "Dr.", "Petr", "Svoboda", "Svoboda Dental Clinic"),
    ("10005", "600 Main St W", "", "Hamilton", "ON", "L8P 1K3", "Ms.", "Emily", "Walsh", ""),
    ("10006", "2100 Bloor St W", "Suite 300", "Toronto", "ON", "M6S 1M7", "", "Krisztina", "Nagy",
     "Roncesvalles Travel"),
    ("10007", "17 Oakwood Cres", "", "Oakville", "ON", "L6J 2W9", "Mr.", "Jan", "Lewandowski", ""),
    ("10008", "310 Queen St", "", "Brampton", "ON", "L6V 1C2", "", "", "", "St. Stanislaus Credit Union"),
    ("10009", "92 Lakeshore Rd E", "Apt 4", "Mississauga", "ON", "L5G 1E3", "Mrs.", "Zuzana", "Hrašková", ""),
    ("10010", "5 Riverside Dr", "", "London", "ON", "N6H 1B4", "Mr.", "Robert", "MacDonald", ""),
]
