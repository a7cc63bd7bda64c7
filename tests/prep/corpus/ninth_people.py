"""People of the ninth held-out set, none of them in the other sets' people
modules: Slovene and Croatian buyers of a sales team, Czech and Polish leads,
Slovak alumni, north German and Bavarian callers, Slovak and Czech firms,
German and Austrian business partners, Hungarian newsletter readers, members
of an Austrian-Slovak chamber, Polish survey respondents, Baltic and Finnish
parcel recipients, Slovene gym members. Same shape as people.py."""
from people import company, person

# Given names of women that do not end in -a.
WOMEN9 = {"Ines", "Ingrid", "Ruth", "Heike", "Birgit", "Doris", "Gertrud", "Kerstin", "Sigrid", "Mirjam", "Katrin",
          "Judit", "Eszter", "Ágnes", "Enikő", "Piret", "Kadri", "Kristiina", "Liis", "Tiina", "Karin", "Urška",
          "Nives", "Anett", "Dagny", "Meeri"}


# Given names of men that end in -a.
MEN9 = {"Luka", "Juha"}


def female(p):
    return p["given"] in WOMEN9 or (p["given"].endswith("a") and p["given"] not in MEN9)


def pp(given, family, cell="", email="", adr=None, org="", job="", work="", home="", fax="", birthday=None,
       prefix=""):
    """A person; `adr` is (street, city, code, country, region) or None."""
    phones = [(t, n) for t, n in (("CELL", cell), ("WORK", work), ("HOME", home), ("FAX", fax)) if n]
    adrs = [("HOME",) + (adr[0], adr[1], adr[4] if len(adr) > 4 else "", adr[2], adr[3])] if adr else []
    return person(given, family, prefix=prefix, org=org, job=job, phones=phones, emails=[email] if email else [],
                  adr=adrs, birthday=birthday)


def ff(name, work="", email="", adr=None, fax=""):
    phones = [(t, n) for t, n in (("WORK", work), ("FAX", fax)) if n]
    adrs = [("WORK",) + (adr[0], adr[1], adr[4] if len(adr) > 4 else "", adr[2], adr[3])] if adr else []
    return company(name, phones=phones, emails=[email] if email else [], adr=adrs)


# Buyers of an industrial supplier's sales team in Slovenia and Croatia, each at a firm.
SOUTH9 = [
    pp("Gregor", "Oblak", "+386 41 220 417", "", ("Tržaška cesta 132", "Ljubljana", "1000", "Slovenija"),
       org="Kolektor Etra d.o.o.", job="Nabavnik"),
    pp("Maja", "Hribar", "+386 31 508 226", "", ("Ljubljanska cesta 24", "Kamnik", "1241", "Slovenija"),
       org="Calcit d.o.o."),
    pp("Aleš", "Jereb", "+386 40 714 389", "", ("Titova cesta 2", "Jesenice", "4270", "Slovenija"),
       org="SIJ Acroni d.o.o."),
    pp("Polona", "Rupnik", "+386 51 332 908", "", ("Industrijska cesta 1", "Idrija", "5280", "Slovenija"),
       org="Hidria d.o.o."),
    pp("Damjan", "Kastelic", "+386 41 905 773", "", ("Cesta Ceneta Štuparja 12", "Ljubljana", "1231", "Slovenija"),
       org="Plastika Trček d.o.o."),
    pp("Urška", "Erjavec", "+386 31 617 045", "", ("Partizanska 78", "Velenje", "3320", "Slovenija"),
       org="Gorenje gospodinjski aparati d.o.o."),
    pp("Boštjan", "Pirc", "+386 40 298 661", "", ("Obrtna cesta 5", "Šentjernej", "8310", "Slovenija"),
       org="Pirc inženiring d.o.o."),
    pp("Tanja", "Kuhar", "+386 51 446 120", "", ("Kolodvorska 11", "Murska Sobota", "9000", "Slovenija"),
       org="Pomurske mlekarne d.d."),
    pp("Ivan", "Bošnjak", "+385 91 774 2108", "", ("Radnička cesta 47", "Zagreb", "10000", "Hrvatska"),
       org="Končar d.d."),
    pp("Marina", "Kovačević", "+385 98 332 5471", "", ("Sjeverna obala 14", "Pula", "52100", "Hrvatska"),
       org="Uljanik d.o.o."),
    pp("Tomislav", "Grgić", "+385 95 180 6627", "", ("Industrijska zona 3", "Vinkovci", "32100", "Hrvatska"),
       org="Grgić strojarstvo d.o.o."),
    pp("Ana", "Jurić", "+385 99 406 2215", "", ("Domovinskog rata 70", "Split", "21000", "Hrvatska"),
       org="Brodosplit d.d."),
    pp("Mario", "Perić", "+385 91 553 8094", "", ("Ulica grada Vukovara 271", "Zagreb", "10000", "Hrvatska"),
       org="Perić i sinovi d.o.o."),
    pp("Lucija", "Matijević", "+385 92 219 4603", "", ("Osječka 88", "Đakovo", "31400", "Hrvatska"),
       org="Žito d.o.o."),
    pp("Nina", "Zorko", "+386 41 387 512", "", ("Mariborska cesta 7", "Celje", "3000", "Slovenija"),
       org="Cinkarna Celje d.d."),
]

# Leads of a Brno software firm, from a trade fair and its web forms.
LEADS9 = [
    pp("Jakub", "Doležal", "+420 731 508 224", "jakub.dolezal@stavmont.cz", org="Stavmont s.r.o."),
    pp("Kateřina", "Veselá", "+420 608 144 937", "k.vesela@autodilykv.cz", org="Autodíly Karlovy Vary a.s."),
    pp("Martin", "Šťastný", "+420 777 862 015", "stastny@pekarnasumava.cz", org="Pekárna Šumava"),
    pp("Lenka", "Horáková", "+420 602 339 481", "lenka.horakova@zs-brezova.cz", org="ZŠ Březová"),
    pp("Petr", "Kadlec", "+420 725 601 738", "petr.kadlec@gmail.com"),
    pp("Michaela", "Benešová", "+420 736 218 594", "benesova@ekofarma-hana.cz", org="Ekofarma Haná"),
    pp("Tomasz", "Zieliński", "+48 602 481 335", "t.zielinski@metalbud.pl", org="Metalbud Sp. z o.o."),
    pp("Katarzyna", "Wójtowicz", "+48 513 770 128", "k.wojtowicz@drukarnia-opole.pl", org="Drukarnia Opole"),
    pp("Paweł", "Jabłoński", "+48 691 245 807", "pawel.jablonski@wp.pl"),
    pp("Agata", "Lis", "+48 784 330 916", "agata.lis@logistyka-lis.pl", org="Logistyka Lis s.c."),
    pp("Radek", "Vacek", "+420 605 772 140", "radek.vacek@vacek-truhlarstvi.cz", org="Truhlářství Vacek"),
    pp("Jana", "Procházková", "+420 739 025 663", "prochazkova@hotel-vysocina.cz", org="Hotel Vysočina"),
    pp("Łukasz", "Mazur", "+48 605 911 472", "lukasz.mazur@mazur-transport.pl", org="Mazur Transport"),
    pp("Vít", "Sýkora", "+420 720 448 396", "vit.sykora@seznam.cz"),
    pp("Monika", "Kubíková", "+420 604 557 210", "monika.kubikova@kubik-elektro.cz", org="Kubík Elektro s.r.o."),
]

# Alumni of a Bratislava university.
ALUMNI9 = [
    pp("Matej", "Horváth", "+421 905 331 482", "matej.horvath@gmail.com", birthday=(1988, 4, 12)),
    pp("Veronika", "Kráľová", "+421 911 208 554", "veronika.kralova@azet.sk", birthday=(1991, 9, 3)),
    pp("Michal", "Baláž", "+421 944 760 318", "michal.balaz@eset.com", birthday=(1985, 1, 27)),
    pp("Simona", "Tóthová", "+421 903 482 771", "simona.tothova@gmail.com", birthday=(1994, 6, 30)),
    pp("Andrej", "Kučera", "+421 917 335 026", "andrej.kucera@zoznam.sk", birthday=(1979, 11, 8)),
    pp("Barbora", "Nemcová", "+421 948 119 604", "barbora.nemcova@centrum.sk", birthday=(1997, 2, 14)),
    pp("Filip", "Straka", "+421 902 674 213", "filip.straka@gmail.com", birthday=(1990, 8, 21)),
    pp("Lenka", "Šimková", "+421 915 540 387", "lenka.simkova@post.sk", birthday=(1983, 5, 5)),
    pp("Roman", "Danko", "+421 908 227 649", "roman.danko@slsp.sk", birthday=(1976, 12, 19)),
    pp("Kristína", "Polakovičová", "+421 949 863 120", "kristina.polakovic@gmail.com", birthday=(1999, 3, 9)),
    pp("Marek", "Urban", "+421 904 118 975", "marek.urban@azet.sk", birthday=(1987, 10, 2)),
    pp("Dominika", "Bartošová", "+421 918 702 346", "dominika.bartosova@gmail.com", birthday=(1995, 7, 17)),
    pp("Juraj", "Kollár", "+421 905 461 830", "juraj.kollar@tatrabanka.sk", prefix="Ing.", birthday=(1981, 1, 4)),
    pp("Ivana", "Hudecová", "+421 911 935 204", "ivana.hudecova@zoznam.sk", birthday=(1992, 11, 25)),
    pp("Patrik", "Mikuš", "+421 940 385 517", "patrik.mikus@gmail.com", birthday=(2000, 4, 28)),
]

_DE = "Deutschland"
# Callers of a Holstein contact centre: people and firms with their street addresses.
HOLSTEIN9 = [
    pp("Jens", "Petersen", "", "jens.petersen@t-online.de", ("Lübecker Straße 41", "Ahrensburg", "22926", _DE),
       home="04102-457812"),
    pp("Heike", "Brandt", "", "heike.brandt@gmx.de", ("Hamburger Straße 8", "Bad Oldesloe", "23843", _DE),
       home="04531-88 21 04"),
    pp("Sönke", "Thomsen", "", "soenke.thomsen@web.de", ("Mühlenstraße 3a", "Trittau", "22946", _DE),
       home="04154-70 93 12"),
    pp("Birgit", "Ohlsen", "", "", ("Kirchweg 17", "Reinfeld", "23858", _DE), home="04533-61 48"),
    pp("Hauke", "Jensen", "0171 4482 907", "hauke.jensen@gmail.com", ("Rathausplatz 2", "Reinbek", "21465", _DE)),
    pp("Kerstin", "Möller", "", "k.moeller@freenet.de", ("Stormarnstraße 55", "Bargteheide", "22941", _DE),
       home="04532-26 71 90"),
    pp("Arne", "Clausen", "0160 9375 118", "", ("Am Markt 9", "Glinde", "21509", _DE)),
    pp("Doris", "Lüth", "", "doris.lueth@t-online.de", ("Bahnhofstraße 27", "Bad Segeberg", "23795", _DE),
       home="04551-94 02 37"),
    pp("Malte", "Hansen", "0152 2841 6630", "malte.hansen@posteo.de", ("Kastanienallee 12", "Ahrensburg", "22926",
                                                                       _DE)),
    pp("Ingrid", "Wulf", "", "", ("Dorfstraße 44", "Delingsdorf", "22941", _DE), home="04532-40 15 63"),
    pp("Björn", "Carstensen", "0176 3329 4105", "bjoern.carstensen@gmx.de", ("Schulstraße 6", "Elmenhorst",
                                                                             "23869", _DE)),
    pp("Gertrud", "Lange", "", "gertrud.lange@web.de", ("Lindenstraße 19", "Ammersbek", "22949", _DE),
       home="040-605 22 81"),
    pp("Finn", "Asmussen", "0157 7710 2348", "finn.asmussen@icloud.com", ("Hagener Allee 80", "Ahrensburg",
                                                                          "22926", _DE)),
    pp("Sigrid", "Kröger", "", "sigrid.kroeger@gmx.net", ("Fischerstraße 21", "Lübeck", "23552", _DE),
       home="0451-70 33 64"),
    ff("Autohaus Stormarn GmbH", "04532-50 60 0", "service@autohaus-stormarn.de",
       ("Industriestraße 14", "Bargteheide", "22941", _DE)),
    ff("Tischlerei Rehder KG", "04102-88 43 0", "info@tischlerei-rehder.de",
       ("Bei der Doppeleiche 7", "Ahrensburg", "22926", _DE)),
]

# Callers in a Lower Bavarian town's phone book.
BAVARIA9 = [
    pp("Florian", "Huber", "01512 3348 091"), pp("Katrin", "Wimmer", "0171 4290 335"),
    pp("Andreas", "Gruber", "", home="08731 32 18 40"), pp("Stefanie", "Bauer", "0160 8812 734"),
    pp("Josef", "Hofbauer", "", home="08731 96 44 12"), pp("Ruth", "Kammermeier", "", home="08702 14 90"),
    pp("Tobias", "Eder", "0176 5507 2283"), pp("Veronika", "Schmalhofer", "0152 0937 4461"),
    pp("Georg", "Lechner", "", work="0871 92 33 105"), pp("Theresa", "Aigner", "0170 3318 905"),
    pp("Maximilian", "Ertl", "0151 6624 0137"), pp("Martina", "Stadler", "", home="08731 40 27 55"),
    pp("Xaver", "Brunner", "0175 2289 604"),
    ff("Elektro Pichlmaier GmbH", "08731 37 07 0"), ff("Praxis Dr. Seidl", "08731 22 41"),
]

# Slovak and Czech firms in an accounting firm's address book.
FIRMS9 = [
    ff("Drevona Liptov s.r.o.", adr=("Priemyselná 12", "Liptovský Mikuláš", "031 01", "Slovensko")),
    ff("Agro Záhorie a.s.", adr=("Hlavná 88", "Senica", "905 01", "Slovensko")),
    ff("Kvetinárstvo Ruža", adr=("Nám. SNP 5", "Zvolen", "960 01", "Slovensko")),
    ff("TechnoServis Žilina s.r.o.", adr=("Kamenná 6", "Žilina", "010 01", "Slovensko")),
    ff("Pekáreň u Šimona s.r.o.", adr=("Štúrova 30", "Nitra", "949 01", "Slovensko")),
    ff("Autodoprava Lacko", adr=("Družstevná 211", "Stropkov", "091 01", "Slovensko")),
    ff("Stavebniny Hron s.r.o.", adr=("Partizánska cesta 101", "Banská Bystrica", "974 01", "Slovensko")),
    ff("Reklama Plus s.r.o.", adr=("Mlynské nivy 44", "Bratislava", "821 09", "Slovensko")),
    ff("Zámočníctvo Vrábel", adr=("Poľná 3", "Piešťany", "921 01", "Slovensko")),
    ff("Kaviareň Dobrá čajovňa s.r.o.", adr=("Hlavná 41", "Košice", "040 01", "Slovensko")),
    ff("Lesy Orava s.r.o.", adr=("Bysterecká 1", "Dolný Kubín", "026 01", "Slovensko")),
    ff("Mlékárna Valašské Meziříčí s.r.o.", adr=("Zašovská 750", "Valašské Meziříčí", "757 01", "Česko")),
    ff("Tiskárna Hodonín a.s.", adr=("Národní třída 28", "Hodonín", "695 01", "Česko")),
    ff("Účtovná kancelária Jánošíková", adr=("Kollárova 17", "Trenčín", "911 01", "Slovensko")),
    ff("Vinárstvo Malé Karpaty s.r.o.", adr=("Vinohradnícka 9", "Pezinok", "902 01", "Slovensko")),
]

# Business partners of a Munich wholesaler: buyers at firms, and private customers.
PARTNERS9 = [
    pp("Markus", "Obermaier", org="Obermaier Haustechnik GmbH"), pp("Claudia", "Reiter", org="Reiter Bau KG"),
    pp("Stefan", "Kögl", org="Kögl Sanitär e.K."), pp("Birgit", "Lindner", org="Lindner Fliesen GmbH"),
    pp("Thomas", "Wagner", org="Wagner & Söhne OHG"), pp("Petra", "Schuster", org="Alpenland Heizung AG"),
    pp("Jürgen", "Maier", org="Maier Elektro GmbH"), pp("Sabine", "Holzer", org="Holzer Dach GmbH"),
    pp("Wolfgang", "Pfeiffer", org="Pfeiffer Installationen GmbH"), pp("Nadine", "Fuchs", org="Fuchs Gebäudetechnik"),
    pp("Helmut", "Strasser", org="Strasser Bau GmbH"),
    pp("Anna", "Zellner"), pp("Michael", "Rauscher"), pp("Gabriele", "Moosbrugger"), pp("Christian", "Thaler"),
]
# Each partner's country and region acronym, as the wholesaler's country and region lists keep them.
PARTNER_PLACES9 = [("DE", "BY"), ("DE", "BY"), ("AT", "T"), ("DE", "BW"), ("DE", "BY"), ("AT", "S"), ("DE", "BY"),
                   ("DE", "BY"), ("AT", "OÖ"), ("DE", "BW"), ("AT", "T"), ("DE", "BY"), ("DE", "BY"), ("AT", "V"),
                   ("DE", "BY")]

_HU = "Hungary"
# Readers of a Budapest bookshop's newsletter.
READERS9 = [
    pp("Eszter", "Nagy", "+36 30 512 4478", "nagy.eszter@gmail.com", ("Bartók Béla út 44.", "Budapest", "1114", _HU)),
    pp("Gábor", "Bíró", "+36 20 331 2906", "biro.gabor@freemail.hu", ("Rákóczi út 12.", "Debrecen", "4024", _HU,
                                                                       "Hajdú-Bihar")),
    pp("Réka", "Kiss", "", "kiss.reka@citromail.hu", ("Kossuth Lajos utca 3.", "Szentendre", "2000", _HU, "Pest")),
    pp("Dániel", "Szabó", "+36 70 248 5519", "szabo.daniel@gmail.com", ("Váci út 81.", "Budapest", "1139", _HU)),
    pp("Judit", "Csonka", "+36 30 906 1837", "csonka.judit@t-online.hu", ("Széchenyi tér 9.", "Pécs", "7621", _HU,
                                                                             "Baranya")),
    pp("Bence", "Varga", "", "varga.bence@gmail.com", ("Tisza Lajos körút 50.", "Szeged", "6720", _HU,
                                                       "Csongrád-Csanád")),
    pp("Ágnes", "Pálfi", "+36 20 775 6023", "palfi.agnes@freemail.hu", ("Fő utca 21.", "Gödöllő", "2100", _HU,
                                                                          "Pest")),
    pp("Péter", "Farkas", "+36 30 227 8841", "farkas.peter@gmail.com", ("Andrássy út 66.", "Budapest", "1062", _HU)),
    pp("Enikő", "Balogh", "", "balogh.eniko@indamail.hu", ("Baross utca 7.", "Győr", "9021", _HU, "Győr-Moson-Sopron")),
    pp("Zsolt", "Papp", "+36 70 612 9904", "papp.zsolt@gmail.com", ("Petőfi Sándor utca 15.", "Eger", "3300", _HU,
                                                                    "Heves")),
    pp("Krisztina", "Takács", "+36 20 418 3362", "takacs.krisztina@t-online.hu", ("Thököly út 120.", "Budapest",
                                                                                  "1146", _HU)),
    pp("Márton", "Juhász", "", "juhasz.marton@freemail.hu", ("Dózsa György út 2.", "Kecskemét", "6000", _HU,
                                                              "Bács-Kiskun")),
    pp("Anna", "Lakatos", "+36 30 733 0458", "lakatos.anna@gmail.com", ("Bem József utca 11.", "Veszprém", "8200", _HU,
                                                                        "Veszprém")),
    pp("Levente", "Simon", "+36 20 590 7126", "simon.levente@citromail.hu", ("Hunyadi utca 4.", "Miskolc", "3530", _HU,
                                                                             "Borsod-Abaúj-Zemplén")),
    pp("Dóra", "Fekete", "", "fekete.dora@gmail.com", ("Király utca 27.", "Budapest", "1061", _HU)),
]
# Second mailboxes some readers gave.
SECOND_MAIL9 = {1: "eszter.nagy@ceu.edu", 4: "daniel.szabo@otpbank.hu, dszabo@proton.me", 11: "tkrisztina@mol.hu"}

# Members of an Austrian-Slovak chamber: firms with their contact, and a few individual members.
MEMBERS9 = [
    pp("Harald", "Koller", "+43 664 310 2298", "h.koller@koller-logistik.at", ("Hafenstraße 47", "Wien", "1020",
                                                                              "Austria"),
       org="Koller Logistik GmbH", job="Geschäftsführer", work="+43 1 728 44 10", fax="+43 1 728 44 19"),
    pp("Zuzana", "Marková", "+421 905 774 120", "markova@danubiasoft.sk", ("Karadžičova 8", "Bratislava", "821 08",
                                                                           "Slovakia"),
       org="Danubia Soft s.r.o.", job="Konateľka", work="+421 2 5020 1140"),
    pp("Erich", "Haas", "+43 676 882 4015", "erich.haas@haas-maschinen.at", ("Industriezeile 12", "Linz", "4020",
                                                                             "Austria"),
       org="Haas Maschinenbau GmbH", job="Vertriebsleiter", work="+43 732 66 20 31"),
    pp("Peter", "Hrnčiar", "+421 917 448 302", "peter.hrnciar@vahostav.sk", ("Priemyselná 5", "Žilina", "010 01",
                                                                             "Slovakia"),
       org="Váhostav Invest a.s.", job="Riaditeľ obchodu", work="+421 41 562 81 00"),
    pp("Christine", "Wallner", "+43 699 102 7735", "c.wallner@wallner-recht.at", ("Graben 19", "Wien", "1010",
                                                                                  "Austria"),
       org="Wallner Rechtsanwälte", job="Partnerin", work="+43 1 533 91 20", fax="+43 1 533 91 29"),
    pp("Jozef", "Ondrejka", "+421 903 226 519", "ondrejka@tatramed.sk", ("Hlavná 101", "Poprad", "058 01",
                                                                         "Slovakia"),
       org="Tatramed s.r.o.", job="Konateľ"),
    pp("Gerald", "Steininger", "+43 664 540 1182", "g.steininger@alpinholz.at", ("Sägewerkstraße 3", "Leoben",
                                                                                 "8700", "Austria"),
       org="Alpinholz GmbH", job="Prokurist", work="+43 3842 250 40"),
    pp("Miroslava", "Gašparová", "+421 911 520 734", "gasparova@agrovin.sk", ("Vinárska 14", "Modra", "900 01",
                                                                             "Slovakia"),
       org="Agrovin s.r.o.", job="Obchodná manažérka"),
    pp("Rainer", "Pölzl", "+43 676 310 9920", "rainer.poelzl@poelzl-it.at", ("Annenstraße 29", "Graz", "8020",
                                                                             "Austria"),
       org="Pölzl IT-Services e.U.", job="Inhaber"),
    pp("Ľuboš", "Švec", "+421 948 663 015", "lubos.svec@svec-preklady.sk", ("Obchodná 3", "Bratislava", "811 06",
                                                                            "Slovakia"),
       org="Švec preklady", job="Tlmočník"),
    pp("Andrea", "Mrázová", "+421 902 118 446", "andrea.mrazova@gmail.com", ("Mierová 22", "Bratislava", "821 05",
                                                                            "Slovakia")),
    pp("Klaus", "Eichinger", "+43 664 227 6501", "klaus.eichinger@aon.at", ("Linzer Gasse 8", "Salzburg", "5020",
                                                                            "Austria")),
    pp("Sandra", "Pichler", "+43 699 418 3302", "sandra.pichler@gmx.at", ("Mariahilfer Straße 101", "Wien", "1060",
                                                                          "Austria")),
    pp("Tibor", "Varga", "+421 915 306 288", "tibor.varga@post.sk", ("Hlavná 7", "Komárno", "945 01", "Slovakia")),
    pp("Monika", "Hauser", "+43 676 905 1144", "monika.hauser@a1.net", ("Burggasse 4", "Eisenstadt", "7000",
                                                                        "Austria")),
]

# Customers of a Polish insurer asked to rate its service.
POLES9 = [
    pp(g, f, n, e) for g, f, n, e in (
        ("Marcin", "Kowalczyk", "48601224318", "marcin.kowalczyk@wp.pl"),
        ("Joanna", "Sikora", "48512830447", "joanna.sikora@gmail.com"),
        ("Krzysztof", "Baran", "48693115702", "k.baran@onet.pl"),
        ("Ewa", "Michalska", "48605448219", "ewa.michalska@interia.pl"),
        ("Piotr", "Szulc", "48788302156", "piotr.szulc@o2.pl"),
        ("Monika", "Górecka", "48530671994", "monika.gorecka@gmail.com"),
        ("Adam", "Pawlak", "48609227483", "adam.pawlak@wp.pl"),
        ("Beata", "Kaczmarek", "48517904362", "beata.kaczmarek@onet.pl"),
        ("Rafał", "Wróbel", "48662318740", "rafal.wrobel@gmail.com"),
        ("Izabela", "Krawczyk", "48724561083", "izabela.krawczyk@interia.pl"),
        ("Damian", "Czarnecki", "48698110257", "damian.czarnecki@o2.pl"),
        ("Sylwia", "Brzezińska", "48501776624", "sylwia.brzezinska@wp.pl"),
        ("Wojciech", "Nowakowski", "48606332910", "w.nowakowski@gmail.com"),
        ("Renata", "Sobczak", "48787045531", "renata.sobczak@onet.pl"),
        ("Grzegorz", "Wilk", "48692580146", "grzegorz.wilk@interia.pl"))]

# Parcel recipients of a Tallinn web shop in Estonia, Latvia and Finland.
BALTIC9 = [
    pp("Mart", "Tamm", "+372 5123 4567", "mart.tamm@gmail.com", ("Narva mnt 25-14", "Tallinn", "10120", "EE")),
    pp("Kadri", "Saar", "+372 5346 1182", "kadri.saar@hot.ee", ("Riia 12", "Tartu", "51010", "EE")),
    pp("Andres", "Kask", "+372 5590 2274", "andres.kask@telia.ee", ("Pärnu mnt 102", "Tallinn", "11312", "EE"),
       org="Kask Ehitus OÜ"),
    pp("Piret", "Mägi", "+372 5208 7731", "piret.magi@gmail.com", ("Rüütli 18", "Pärnu", "80010", "EE")),
    pp("Toomas", "Lepik", "+372 5662 0149", "toomas@lepikdisain.ee", ("Tartu mnt 83", "Tallinn", "10115", "EE"),
       org="Lepik Disain OÜ"),
    pp("Liis", "Rebane", "+372 5017 3388", "liis.rebane@mail.ee", ("Jaama 4", "Viljandi", "71003", "EE")),
    pp("Rein", "Kuusk", "+372 5381 6620", "rein.kuusk@gmail.com", ("Lossi 9", "Kuressaare", "93815", "EE")),
    pp("Kristiina", "Ilves", "+372 5274 9902", "kristiina.ilves@hot.ee", ("Vabaduse 6", "Rakvere", "44307", "EE")),
    pp("Jānis", "Bērziņš", "+371 2914 5520", "janis.berzins@inbox.lv", ("Brīvības iela 88", "Rīga", "LV-1001", "LV")),
    pp("Ilze", "Ozola", "+371 2633 0817", "ilze.ozola@gmail.com", ("Lielā iela 21", "Jelgava", "LV-3001", "LV")),
    pp("Māris", "Kalniņš", "+371 2208 4416", "maris@kalninsbuve.lv", ("Krasta iela 44", "Rīga", "LV-1003", "LV"),
       org="Kalniņš Būve SIA"),
    pp("Tiina", "Virtanen", "+358 40 512 3348", "tiina.virtanen@gmail.com", ("Mannerheimintie 40 B 12", "Helsinki",
                                                                            "00100", "FI")),
    pp("Juha", "Korhonen", "+358 50 334 7721", "juha.korhonen@elisa.fi", ("Hämeenkatu 15", "Tampere", "33100", "FI")),
    pp("Meeri", "Laine", "+358 44 208 6613", "meeri.laine@outlook.com", ("Aurakatu 8", "Turku", "20100", "FI")),
    pp("Siim", "Põder", "+372 5455 1206", "siim.poder@gmail.com", ("Kalda tee 30", "Tallinn", "10916", "EE")),
]

# Members of a Ljubljana gym who get its messages.
GYM9 = [
    pp("Luka", "Novak", "+386 40 118 225", "luka.novak@gmail.com", birthday=(1990, 3, 14)),
    pp("Nika", "Horvat", "+386 31 442 810", "nika.horvat@siol.net", birthday=(1995, 8, 2)),
    pp("Jan", "Krajnc", "+386 41 307 554", "jan.krajnc@gmail.com", birthday=(1987, 12, 21)),
    pp("Eva", "Zupančič", "+386 51 660 219", "eva.zupancic@gmail.com", birthday=(1999, 5, 30)),
    pp("Žan", "Potočnik", "+386 40 855 031", "zan.potocnik@t-2.net", birthday=(2001, 1, 9)),
    pp("Sara", "Kovač", "+386 31 224 976", "sara.kovac@gmail.com", birthday=(1993, 10, 17)),
    pp("Miha", "Mlakar", "+386 41 590 448", "miha.mlakar@amis.net", birthday=(1984, 7, 6)),
    pp("Katja", "Kos", "+386 40 331 705", "katja.kos@gmail.com", birthday=(1991, 2, 24)),
    pp("Matic", "Vidic", "+386 51 102 683", "matic.vidic@siol.net", birthday=(1997, 9, 11)),
    pp("Ines", "Golob", "+386 31 778 320", "ines.golob@gmail.com", birthday=(1989, 4, 3)),
    pp("Rok", "Turk", "+386 41 263 917", "rok.turk@gmail.com", birthday=(1982, 11, 28)),
    pp("Ajda", "Božič", "+386 40 904 162", "ajda.bozic@t-2.net", birthday=(2003, 6, 15)),
    pp("Nejc", "Kavčič", "+386 51 437 208", "nejc.kavcic@gmail.com", birthday=(1994, 12, 1)),
    pp("Tina", "Hočevar", "+386 31 016 554", "tina.hocevar@siol.net", birthday=(1986, 8, 19)),
    pp("Primož", "Rozman", "+386 41 845 390", "primoz.rozman@gmail.com", birthday=(1979, 3, 27)),
]
