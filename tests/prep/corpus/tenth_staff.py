"""More people of the tenth held-out set: a Split shipping firm's phone
directory, a Budapest office's staff, Canadian delis and bakeries, a
Bohemian glassworks' buyers, engineers who license a design program. Same
shape as people.py."""
from tenth_people import pp

# A Split shipping agency's phone directory: name, nickname, account, department, post, employee id.
DIRECTORY10 = [
    pp(g, f, org="Jadran Pomorska Agencija d.o.o.", job=j, nickname=n) for g, f, n, j in (
        ("Ante", "Bilić", "Tonći", "Direktor"), ("Mirela", "Jukić", "", "Voditeljica računovodstva"),
        ("Josip", "Matić", "Jole", "Brodski agent"), ("Katarina", "Vidović", "Kate", "Brodski agent"),
        ("Luka", "Perić", "", "Špediter"), ("Nikolina", "Barišić", "Nina", "Referentica carine"),
        ("Stipe", "Grubišić", "Stipica", "Voditelj luke"), ("Ivona", "Kalebić", "", "Tajnica uprave"),
        ("Mate", "Ivanković", "", "Informatičar"), ("Dijana", "Petrić", "Didi", "Knjigovotkinja"),
        ("Frane", "Bašić", "", "Vozač"), ("Marija", "Radovniković", "", "Referentica za posadu"),
        ("Duje", "Vrdoljak", "Dujo", "Špediter"), ("Tea", "Šimunović", "", "Pravnica"),
        ("Roko", "Mandić", "", "Pripravnik"))]
DEPARTMENTS10 = ("Uprava", "Računovodstvo", "Agencija", "Agencija", "Špedicija", "Carina", "Luka", "Uprava",
                 "IT", "Računovodstvo", "Logistika", "Posada", "Špedicija", "Pravna služba", "Agencija")

_BP = ("Bocskai út 134-146.", "Budapest", "1113", "Hungary")
# Staff of a Budapest engineering office: display names family name first, middle names for some.
EMPLOYEES10 = [
    pp(g, f, c, e, org="Mérnökiroda Pannon Kft.", job=j, work=w, home=h) for g, f, c, e, j, w, h in (
        ("Gergely", "Takács", "+36 30 441 2093", "takacs.gergely@pannonmernok.hu", "Ügyvezető", "+36 1 371 4400",
         ""),
        ("Andrea", "Kovács", "+36 20 330 8171", "kovacs.andrea@pannonmernok.hu", "Irodavezető", "+36 1 371 4401",
         ""),
        ("Balázs", "Nagy", "+36 70 220 4615", "nagy.balazs@pannonmernok.hu", "Statikus", "+36 1 371 4412",
         "+36 1 252 3090"),
        ("Orsolya", "Szűcs", "", "szucs.orsolya@pannonmernok.hu", "Építészmérnök", "+36 1 371 4415", ""),
        ("Attila", "Lukács", "+36 30 902 5512", "lukacs.attila@pannonmernok.hu", "Projektvezető", "", ""),
        ("Nóra", "Halász", "+36 20 615 3349", "halasz.nora@pannonmernok.hu", "Tervező", "+36 1 371 4420", ""),
        ("Csaba", "Pintér", "+36 30 118 7724", "pinter.csaba@pannonmernok.hu", "Épületgépész", "",
         "+36 23 330 412"),
        ("Zsuzsanna", "Antal", "", "antal.zsuzsanna@pannonmernok.hu", "Könyvelő", "+36 1 371 4403", ""),
        ("Tamás", "Vincze", "+36 70 556 0217", "vincze.tamas@pannonmernok.hu", "Tervező", "+36 1 371 4421", ""),
        ("Viktória", "Mészáros", "+36 20 447 9902", "meszaros.viktoria@pannonmernok.hu", "Asszisztens", "", ""),
        ("Ádám", "Sipos", "+36 30 770 1486", "sipos.adam@pannonmernok.hu", "Rendszergazda", "+36 1 371 4430", ""),
        ("Edit", "Fehér", "", "feher.edit@pannonmernok.hu", "Jogtanácsos", "+36 1 371 4405", "+36 1 466 2817"),
        ("Bálint", "Oláh", "+36 70 318 5540", "olah.balint@pannonmernok.hu", "Gyakornok", "", ""),
        ("Rita", "Balogh", "+36 20 905 2263", "balogh.rita@pannonmernok.hu", "Költségvetés-készítő",
         "+36 1 371 4424", ""),
        ("Levente", "Bognár", "+36 30 284 6611", "bognar.levente@pannonmernok.hu", "Műszaki ellenőr", "", ""))]
MIDDLE10 = {2: "Mária", 7: "József", 12: "Anna"}
HOME_MAIL10 = {1: "gtakacs@freemail.hu", 5: "lukacs.attila@gmail.com", 10: "mviki@citromail.hu"}
DEPTS10 = ("Vezetés", "Iroda", "Tartószerkezet", "Építészet", "Projektek", "Építészet", "Gépészet",
           "Pénzügy",
           "Építészet", "Iroda", "IT", "Jog", "Tartószerkezet", "Pénzügy", "Projektek")

# Delis and bakeries in Ontario and Quebec that a Polish-Czech food importer ships to: the buyer at each.
CONSIGNEES10 = [
    pp(g, f, "", e, (s, t, z, "CA", r), org=o, work=w) for g, f, o, s, t, r, z, e, w in (
        ("Krystyna", "Nowicka", "Polonia Deli", "2932 Dundas St W", "Toronto", "ON", "M6P1Z2",
         "orders@poloniadeli.ca", "4167627730"),
        ("Jerzy", "Malinowski", "Malinowski Bakery", "1140 Lakeshore Rd E", "Mississauga", "ON", "L5E1E9",
         "jerzy@malinowskibakery.ca", "9052741180"),
        ("Zdeněk", "Hruška", "Praha Market", "410 Queen St W", "Toronto", "ON", "M5V2A7", "zdenek@prahamarket.ca",
         "4163604418"),
        ("Halina", "Wojcik", "Euro Food Depot", "7250 Yonge St", "Thornhill", "ON", "L4J1V8",
         "noemail@noemail.com", "9057313325"),
        ("Pierre", "Kowalski", "Épicerie Cracovie", "4321 Rue Ontario E", "Montreal", "QC", "H1V1K2",
         "pierre@epiceriecracovie.ca", "5142559087"),
        ("Andrea", "Tóthová", "Slovak Corner Ltd", "1895 Danforth Ave", "Toronto", "ON", "M4C1J5",
         "andrea@slovakcorner.ca", "4164235120"),
        ("Stanisław", "Rybak", "Rybak Sausage Co", "55 Bertrand Ave", "Scarborough", "ON", "M1L2P3",
         "stan@rybaksausage.ca", "4167551244"),
        ("Irena", "Dziedzic", "Wawel Pastry", "2310 Hurontario St", "Mississauga", "ON", "L5B1M8",
         "irena@wawelpastry.ca", "9052777731"),
        ("Tomáš", "Bláha", "Bohemia Imports Inc", "88 Industrial Pkwy N", "Aurora", "ON", "L4G4C3",
         "tomas@bohemiaimports.ca", "9057271190"),
        ("Marta", "Kaminski", "Kaminski Meat Market", "1601 Rue Bélanger", "Montreal", "QC", "H2G1A7",
         "noemail@noemail.com", "5147219935"),
        ("Robert", "Zielinski", "Zielinski Foods", "320 Main St", "Hamilton", "ON", "L8N1H3",
         "robert@zielinskifoods.ca", "9055282210"),
        ("Danuta", "Grabowska", "Babcia's Kitchen", "745 Wonderland Rd S", "London", "ON", "N6K1M6",
         "danuta@babciaskitchen.ca", "5194714470"),
        ("Josef", "Novak", "Golden Prague Deli", "36 King St E", "Kitchener", "ON", "N2G2K6",
         "josef@goldenpraguedeli.ca", "5197452268"),
        ("Ewa", "Lis", "Krakus Market", "1320 Boulevard Décarie", "Montreal", "QC", "H4L3N1",
         "ewa@krakusmarket.ca", "5147488810"))]

# Buyers of a Bohemian glassworks across Europe, each at a firm's main office (two firms with no contact).
CUSTOMERS10 = [
    pp(g, f, c, e, (s, t, z, k), org=o, work=w, home=h) for o, g, f, s, t, z, k, w, h, c, e in (
        ("Glas Galerie Wagner GmbH", "Stefan", "Wagner", "Kaufingerstraße 9", "München", "80331", "Germany",
         "+49 89 2302 4410", "", "+49 171 220 4418", ""),
        ("Kristallhaus Salzburg", "Monika", "Eder", "Getreidegasse 21", "Salzburg", "5020", "Austria",
         "+43 662 84 33 20", "", "", ""),
        ("Crystal & Co Ltd", "Oliver", "Bennett", "14 Burlington Arcade", "London", "W1J 0PD", "United Kingdom",
         "+44 20 7493 1180", "", "+44 7700 900 412", ""),
        ("Szkło Artystyczne Nowak Sp. z o.o.", "Piotr", "Nowak", "ul. Floriańska 30", "Kraków", "31-019",
         "Poland", "+48 12 421 08 44", "", "+48 601 448 220", ""),
        ("Maison du Cristal SARL", "Claire", "Dubois", "12 Rue du Faubourg Saint-Honoré", "Paris", "75008",
         "France", "+33 1 42 65 30 10", "", "", ""),
        ("Kristály Üzletház Kft.", "Judit", "Varga", "Váci utca 18.", "Budapest", "1052", "Hungary",
         "+36 1 318 2250", "", "+36 30 552 1907", ""),
        ("Vetreria Bianchi S.r.l.", "Luca", "Bianchi", "Fondamenta dei Vetrai 44", "Murano", "30141", "Italy",
         "+39 041 739 221", "", "+39 347 220 1188", ""),
        ("Glashandel Van Dijk B.V.", "", "", "Kalverstraat 112", "Amsterdam", "1012 PK", "Netherlands",
         "+31 20 624 7710", "", "", ""),
        ("Sklo Design s.r.o.", "Martina", "Horváthová", "Obchodná 48", "Bratislava", "811 06", "Slovakia",
         "+421 2 5292 4410", "", "+421 905 330 611", ""),
        ("Kristall Sommer AG", "Urs", "Sommer", "Bahnhofstrasse 61", "Zürich", "8001", "Switzerland",
         "+41 44 211 35 60", "+41 44 380 22 17", "", ""),
        ("Nordic Glass AB", "Anna", "Lindqvist", "Drottninggatan 53", "Stockholm", "111 21", "Sweden",
         "+46 8 411 20 30", "", "+46 70 512 33 80", ""),
        ("Steklarna Kovač d.o.o.", "Boštjan", "Kovač", "Čopova ulica 14", "Ljubljana", "1000", "Slovenia",
         "+386 1 425 33 10", "", "+386 41 330 218", ""),
        ("Glaswerk Reiter KG", "", "", "Landstraße 31", "Linz", "4020", "Austria", "+43 732 77 12 40", "", "", ""),
        ("Cristalería Ortega S.L.", "Javier", "Ortega", "Calle Mayor 27", "Madrid", "28013", "Spain",
         "+34 915 22 47 10", "", "+34 612 330 448", ""),
        ("Bohemia Glas Schmidt e.K.", "Heike", "Schmidt", "Schildergasse 72", "Köln", "50667", "Germany",
         "+49 221 257 61 30", "", "", ""))]

# Engineers who license a structural design program, each with a shipping address for the dongle.
LICENSEES10 = [
    pp(g, f, "", e, (s, t, z, k)) for g, f, e, s, t, z, k in (
        ("Matej", "Zupan", "matej.zupan@elea.si", "Dunajska cesta 21", "Ljubljana", "1000", "Slovenia"),
        ("Urša", "Kranjc", "ursa.kranjc@ps-projekt.si", "Tržaška cesta 40", "Maribor", "2000", "Slovenia"),
        ("Hrvoje", "Novosel", "hrvoje.novosel@ipz.hr", "Savska cesta 163", "Zagreb", "10000", "Croatia"),
        ("Tanja", "Blažević", "tanja.blazevic@konstruktor.hr", "Put Supavla 21", "Split", "21000", "Croatia"),
        ("Vojtěch", "Procházka", "prochazka@statika-brno.cz", "Purkyňova 99", "Brno", "612 00",
         "Czech Republic"),
        ("Alžběta", "Králová", "kralova@pontex.cz", "Bezová 1658", "Praha", "147 00", "Czech Republic"),
        ("Branislav", "Kollár", "kollar@dopravoprojekt.sk", "Kominárska 2", "Bratislava", "832 03", "Slovakia"),
        ("Michal", "Rusnák", "michal.rusnak@ekoprojekt.sk", "Hlavná 25", "Košice", "040 01", "Slovakia"),
        ("Dorota", "Wieczorek", "d.wieczorek@transprojekt.pl", "ul. Rydygiera 8", "Warszawa", "01-793", "Poland"),
        ("Sebastian", "Kasprzak", "s.kasprzak@mostprojekt.pl", "ul. Piotrkowska 270", "Łódź", "90-361",
         "Poland"),
        ("Zsolt", "Németh", "nemeth.zsolt@uvaterv.hu", "Dombóvári út 17-19.", "Budapest", "1117", "Hungary"),
        ("Gabriela", "Popescu", "gabriela.popescu@searchcorp.ro", "Strada Povernei 15", "București", "010642",
         "Romania"),
        ("Primož", "Kos", "primoz.kos@lineal.si", "Jezdarska ulica 3", "Maribor", "2000", "Slovenia"),
        ("Ivana", "Jurčić", "ivana.jurcic@gradevinar.hr", "Ulica Frana Supila 9", "Rijeka", "51000", "Croatia"),
        ("Jiří", "Veselý", "vesely@mottmac.cz", "Národní 984/15", "Praha", "110 00", "Czech Republic"))]
