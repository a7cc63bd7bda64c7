"""People of the eleventh held-out set, none of them in the other sets'
people modules: a Brno architects' office's staff with its Olomouc branch, a
Žilina grammar school's teachers, pupils and parents, a Zagreb adult
education centre's learners and teachers, a Kraków accounting office's
mailboxes, Graz and Maribor customers of an outdoor shop, Bavarian and
Austrian customers of a wholesaler. Same shape as people.py."""
from people import person

_BRNO = ("Veveří 102", "Brno", "Jihomoravský kraj", "616 00", "Czech Republic")
_OLOMOUC = ("Horní náměstí 17", "Olomouc", "Olomoucký kraj", "779 00", "Czech Republic")

# An architects' office in Brno with a branch in Olomouc, as Microsoft 365 users: login, given, family,
# display name, job, department, office number, office line, mobile, fax, private mailbox, office.
STAFF11 = [
    ("tomas.hruby@atelierveveri.cz", "Tomáš", "Hrubý", "Ing. arch. Tomáš Hrubý", "Jednatel", "Vedení", "2.01",
     "+420 541 210 300", "+420 603 118 227", "", "tomas.hruby@seznam.cz", _BRNO),
    ("lenka.bartosova@atelierveveri.cz", "Lenka", "Bartošová", "Mgr. Lenka Bartošová", "Office manažerka",
     "Vedení", "1.03", "+420 541 210 301", "+420 731 402 915", "+420 541 210 399", "", _BRNO),
    ("jakub.sedlacek@atelierveveri.cz", "Jakub", "Sedláček", "Jakub Sedláček", "Projektant", "Projekce", "2.14",
     "+420 541 210 314", "+420 724 550 163", "", "", _BRNO),
    ("petra.mala@atelierveveri.cz", "Petra", "Malá", "Petra Malá", "Architektka", "Projekce", "2.15",
     "+420 541 210 315", "", "", "petra.mala.arch@gmail.com", _BRNO),
    ("ondrej.vlcek@atelierveveri.cz", "Ondřej", "Vlček", "Ondřej Vlček", "Statik", "Statika", "3.02",
     "+420 541 210 322", "+420 608 771 340", "", "", _BRNO),
    ("marketa.dolezalova@atelierveveri.cz", "Markéta", "Doležalová", "Markéta Doležalová", "Účetní",
     "Ekonomika", "1.05", "+420 541 210 305", "", "+420 541 210 399", "", _BRNO),
    ("radek.simek@atelierveveri.cz", "Radek", "Šimek", "Radek Šimek", "Vizualizace", "Projekce", "2.16", "",
     "+420 777 904 218", "", "radek.simek@email.cz", _BRNO),
    ("veronika.kratochvilova@atelierveveri.cz", "Veronika", "Kratochvílová", "Veronika Kratochvílová",
     "Asistentka projekce", "Projekce", "2.10", "+420 541 210 310", "+420 739 220 517", "", "", _BRNO),
    ("martin.blaha@atelierveveri.cz", "Martin", "Bláha", "Martin Bláha", "Rozpočtář", "Ekonomika", "1.06",
     "+420 541 210 306", "+420 605 330 981", "", "", _BRNO),
    ("zuzana.holubova@atelierveveri.cz", "Zuzana", "Holubová", "Zuzana Holubová", "Architektka", "Projekce",
     "OL-5", "+420 585 224 105", "+420 736 118 402", "", "", _OLOMOUC),
    ("filip.navratil@atelierveveri.cz", "Filip", "Navrátil", "Filip Navrátil", "Vedoucí pobočky", "Pobočka Olomouc",
     "OL-1", "+420 585 224 101", "+420 602 517 733", "+420 585 224 199", "filip.navratil@centrum.cz", _OLOMOUC),
    ("tereza.cerna@atelierveveri.cz", "Tereza", "Černá", "Tereza Černá", "Projektantka", "Pobočka Olomouc", "OL-6",
     "+420 585 224 106", "", "", "", _OLOMOUC),
    ("david.kopecky@atelierveveri.cz", "David", "Kopecký", "David Kopecký", "Správce IT", "IT", "0.04", "",
     "+420 774 306 519", "", "", _BRNO),
    ("alena.pokorna@atelierveveri.cz", "Alena", "Pokorná", "Alena Pokorná", "Inženýrská činnost", "Inženýring",
     "3.05", "+420 541 210 325", "+420 721 845 006", "", "alena.pokorna@volny.cz", _BRNO),
    ("lukas.benes@atelierveveri.cz", "Lukáš", "Beneš", "Lukáš Beneš", "Praktikant", "Projekce", "2.16", "", "", "",
     "", _BRNO),
]

# A grammar school in Žilina, as SDS users: id, role letter (t teacher, s pupil, g guardian), given, family,
# the school login (empty for a guardian), the mailbox, phone, sms.
SCHOOL11 = [
    ("T1001", "t", "Jana", "Kováčová", "jana.kovacova@gymza.sk", "jana.kovacova@gymza.sk", "", ""),
    ("T1002", "t", "Milan", "Hrušovský", "milan.hrusovsky@gymza.sk", "milan.hrusovsky@gymza.sk", "421905812330", ""),
    ("T1003", "t", "Eva", "Šuteková", "eva.sutekova@gymza.sk", "eva.sutekova@gymza.sk", "", ""),
    ("T1004", "t", "Peter", "Chovanec", "peter.chovanec@gymza.sk", "peter.chovanec@gymza.sk", "421907114226", ""),
    ("S2301", "s", "Adam", "Mikuláš", "adam.mikulas@student.gymza.sk", "adam.mikulas@student.gymza.sk", "", ""),
    ("S2302", "s", "Nina", "Rybárová", "nina.rybarova@student.gymza.sk", "nina.rybarova@student.gymza.sk", "", ""),
    ("S2303", "s", "Samuel", "Oravec", "samuel.oravec@student.gymza.sk", "samuel.oravec@student.gymza.sk", "", ""),
    ("S2304", "s", "Lea", "Kubincová", "lea.kubincova@student.gymza.sk", "lea.kubincova@student.gymza.sk", "", ""),
    ("S2305", "s", "Matej", "Hlinka", "matej.hlinka@student.gymza.sk", "matej.hlinka@student.gymza.sk", "", ""),
    ("S2306", "s", "Ema", "Dubovská", "ema.dubovska@student.gymza.sk", "ema.dubovska@student.gymza.sk", "", ""),
    ("G3101", "g", "Martina", "Mikulášová", "", "martina.mikulasova@gmail.com", "421915330718", "421915330718"),
    ("G3102", "g", "Roman", "Rybár", "", "roman.rybar@azet.sk", "421903225164", ""),
    ("G3103", "g", "Katarína", "Oravcová", "", "k.oravcova@centrum.sk", "421948602117", "421948602117"),
    ("G3104", "g", "Jozef", "Hlinka", "", "jozef.hlinka1975@gmail.com", "421417234560", ""),
    ("G3105", "g", "Zuzana", "Dubovská", "", "zuzka.dubovska@post.sk", "421908441903", "421908441903"),
]

# A Zagreb adult education centre's Chamilo users: family, given, mailbox, login, password, OIB, phone,
# status, courses.
LEARNERS11 = [
    ("Horvat", "Ivana", "ivana.horvat@gmail.com", "ihorvat", "Uciliste24", "48213096775", "091 234 5678", "user",
     "ENG-B1|EXCEL-1"),
    ("Kovačević", "Marko", "marko.kovacevic@net.hr", "mkovacevic", "", "17490326158", "+385 98 765 4321", "user",
     "NJEM-A2"),
    ("Babić", "Petra", "petra.babic@zg.t-com.hr", "pbabic", "Zagreb#77", "60281744390", "01 4567 890", "user",
     "KNJIG-1|EXCEL-2"),
    ("Marić", "Tomislav", "tomislav.maric@pou-zagreb.hr", "tmaric", "Predavac1", "", "+385 1 4881 220", "teacher",
     "EXCEL-1|EXCEL-2"),
    ("Jurić", "Ana", "ana.juric@yahoo.com", "ajuric", "Ana2024!", "35917260448", "095 301 2284", "user",
     "ENG-B1"),
    ("Novak", "Luka", "luka.novak@gmail.com", "lnovak", "", "82740615932", "", "user", "TALIJ-A1"),
    ("Knežević", "Maja", "maja.knezevic@pou-zagreb.hr", "mknezevic", "Predavac2", "", "01 4881 224", "teacher",
     "ENG-B1|ENG-B2"),
    ("Vuković", "Ivan", "ivan.vukovic@hotmail.com", "ivukovic", "Vuk0vic", "29506318471", "099 442 1187", "user",
     "KNJIG-1"),
    ("Pavlović", "Marija", "marija.pavlovic@gmail.com", "mpavlovic", "", "70183954206", "+385 91 522 0943",
     "user", "NJEM-A2|ENG-B1"),
    ("Blažević", "Josip", "josip.blazevic@inet.hr", "jblazevic", "Josip1985", "43815027769", "098 1175 330",
     "user", "EXCEL-1"),
    ("Grgić", "Nikolina", "nikolina.grgic@gmail.com", "ngrgic", "", "91560428317", "092 334 5519", "user",
     "TALIJ-A1"),
    ("Šarić", "Dario", "", "dsaric", "Saric!22", "56204871930", "091 887 2046", "user", "EXCEL-2"),
    ("Lovrić", "Ivona", "ivona.lovric@pou-zagreb.hr", "ilovric", "Predavac3", "", "+385 1 4881 226", "teacher",
     "KNJIG-1|NJEM-A2"),
    ("Tomić", "Kristijan", "kristijan.tomic@gmail.com", "ktomic", "", "38017562914", "+385 95 118 7740", "user",
     "ENG-B2"),
    ("Matić", "Helena", "helena.matic@email.t-com.hr", "hmatic", "Helena.M", "64392015873", "01 3821 507", "user",
     "ENG-B1|EXCEL-1|KNJIG-1"),
]

# A Kraków accounting office's mailboxes for a hosted Exchange: given, family (both empty where the help lets
# them be left out), mailbox, display name, office label, street, city, code, phone, mobile.
_KRK = ("ul. Grodzka 28", "Kraków", "31-044")
_TAR = ("ul. Wałowa 10", "Tarnów", "33-100")
MAILBOXES11 = [
    ("Anna", "Wiśniewska", "anna.wisniewska@wawelrachunki.pl", "Anna Wiśniewska", "Kraków – siedziba", _KRK,
     "12 345 66 01", "601 234 567"),
    ("Piotr", "Zieliński", "piotr.zielinski@wawelrachunki.pl", "Piotr Zieliński", "Kraków – siedziba", _KRK,
     "12 345 66 02", "+48 602 118 334"),
    ("Katarzyna", "Lewandowska", "k.lewandowska@wawelrachunki.pl", "Katarzyna Lewandowska", "Kraków – siedziba",
     _KRK, "12 345 66 05", ""),
    ("Michał", "Wójcik", "michal.wojcik@wawelrachunki.pl", "Michał Wójcik", "Kraków – siedziba", _KRK, "",
     "503 771 204"),
    ("Agnieszka", "Kamińska", "agnieszka.kaminska@wawelrachunki.pl", "Agnieszka Kamińska", "Oddział Tarnów", _TAR,
     "14 621 30 11", "+48 691 220 845"),
    ("", "", "ewa.zajac@wawelrachunki.pl", "Ewa Zając", "Kraków – siedziba", _KRK, "12 345 66 07", ""),
    ("Tomasz", "Szymański", "t.szymanski@wawelrachunki.pl", "Tomasz Szymański", "Kraków – siedziba", _KRK,
     "12 345 66 08", "604 552 917"),
    ("Magdalena", "Woźniak", "magdalena.wozniak@wawelrachunki.pl", "Magdalena Woźniak", "Oddział Tarnów", _TAR,
     "14 621 30 12", ""),
    ("Paweł", "Dąbrowski", "pawel.dabrowski@wawelrachunki.pl", "Paweł Dąbrowski", "Kraków – siedziba", _KRK,
     "12 345 66 10", "+48 512 660 471"),
    ("Joanna", "Kozłowska", "joanna.kozlowska@wawelrachunki.pl", "Joanna Kozłowska", "Kraków – siedziba", _KRK,
     "", "698 130 562"),
    ("Krzysztof", "Jankowski", "k.jankowski@wawelrachunki.pl", "Krzysztof Jankowski", "Oddział Tarnów", _TAR,
     "14 621 30 15", "501 447 380"),
    ("Aleksandra", "Mazur", "aleksandra.mazur@wawelrachunki.pl", "Aleksandra Mazur", "Kraków – siedziba", _KRK,
     "12 345 66 12", ""),
    ("Grzegorz", "Krawczyk", "grzegorz.krawczyk@wawelrachunki.pl", "Grzegorz Krawczyk", "Kraków – siedziba",
     _KRK, "12 345 66 14", "+48 607 903 228"),
    ("Monika", "Piotrowska", "m.piotrowska@wawelrachunki.pl", "Monika Piotrowska", "Oddział Tarnów", _TAR, "",
     "789 204 116"),
]


def shopper(anrede, titel, given, family, firm, street, number, extra, code, town, land, region, tel, mobil, fax,
            mail, vat, www, birthday):
    """A JTL-Shop customer and the person the card must hold."""
    phones = [(t, n) for t, n in (("*", tel), ("CELL", mobil), ("FAX", fax)) if n]
    p = person(given, family, prefix=" ".join(x for x in (anrede, titel) if x), org=firm, phones=phones,
               emails=[mail] if mail else [], adr=[(None, f"{street} {number}", town, region, code, land)],
               birthday=birthday, url=www)
    return dict(p=p, anrede=anrede, titel=titel, street=street, number=number, extra=extra, vat=vat)


# Customers of a Graz outdoor shop, four of them firms, two from Maribor.
SHOPPERS11 = [
    shopper("Herr", "", "Florian", "Pichler", "", "Herrengasse", "12", "", "8010", "Graz", "Österreich",
            "Steiermark", "0316 82 11 40", "0664 123 45 67", "", "florian.pichler@gmx.at", "", "", (1981, 4, 12)),
    shopper("Frau", "Mag.", "Sabine", "Kollmann", "", "Annenstraße", "44", "2. Stock", "8020", "Graz", "Österreich",
            "Steiermark", "", "+43 676 550 12 90", "", "s.kollmann@aon.at", "", "", (1975, 9, 3)),
    shopper("Herr", "", "Gerald", "Reiter", "Alpinschule Reiter GmbH", "Hauptplatz", "3", "", "8970", "Schladming",
            "Österreich", "Steiermark", "03687 22 310", "0664 302 77 15", "03687 22 311",
            "office@alpinschule-reiter.at", "ATU57283904", "https://www.alpinschule-reiter.at", None),
    shopper("Frau", "", "Katharina", "Strohmaier", "", "Grazer Straße", "7a", "Hinterhaus", "8200", "Gleisdorf",
            "Österreich", "Steiermark", "", "0650 412 88 03", "", "katharina.strohmaier@gmail.com", "", "",
            (1990, 1, 27)),
    shopper("Herr", "Dr.", "Wolfgang", "Hödl", "", "Elisabethstraße", "28", "", "8010", "Graz", "Österreich",
            "Steiermark", "0316 36 40 18", "", "", "w.hoedl@medgraz.at", "", "", (1964, 11, 8)),
    shopper("Frau", "", "Julia", "Lechner", "Naturfreunde Leoben", "Franz-Josef-Straße", "15", "", "8700", "Leoben",
            "Österreich", "Steiermark", "03842 45 120", "0699 104 55 21", "", "leoben@naturfreunde.at", "", "", None),
    shopper("Herr", "", "Matej", "Kovač", "", "Partizanska cesta", "21", "", "2000", "Maribor", "Slowenien", "",
            "", "+386 41 552 730", "", "matej.kovac@siol.net", "", "", (1987, 6, 19)),
    shopper("Frau", "", "Eva", "Gruber", "", "Hauptstraße", "102", "", "8530", "Deutschlandsberg", "Österreich",
            "Steiermark", "03462 25 17", "0664 877 40 16", "", "eva.gruber@a1.net", "", "", (1979, 3, 5)),
    shopper("Herr", "Ing.", "Thomas", "Schwarzl", "Schwarzl Bau GmbH", "Gewerbepark", "5", "Eingang Hofseite",
            "8143", "Dobl", "Österreich", "Steiermark", "03136 521 40", "0664 240 18 93", "03136 521 49",
            "t.schwarzl@schwarzl-bau.at", "ATU64820317", "https://www.schwarzl-bau.at", None),
    shopper("Frau", "", "Lena", "Hofer", "", "Kaiser-Josef-Platz", "9", "", "8010", "Graz", "Österreich",
            "Steiermark", "", "0676 315 28 40", "", "lena.hofer@outlook.at", "", "", (1996, 8, 30)),
    shopper("Herr", "", "Markus", "Url", "", "Bahnhofstraße", "4", "", "8330", "Feldbach", "Österreich",
            "Steiermark", "03152 27 05", "", "", "markus.url@gmx.net", "", "", None),
    shopper("Frau", "Dr.", "Barbara", "Pongratz", "", "Ragnitzstraße", "66", "", "8047", "Graz", "Österreich",
            "Steiermark", "0316 30 22 18", "0664 915 33 07", "", "barbara.pongratz@uni-graz.at", "", "",
            (1972, 5, 14)),
    shopper("Herr", "", "Andrej", "Kranjc", "Planinsko društvo Maribor", "Trg svobode", "6", "", "2000", "Maribor",
            "Slowenien", "", "+386 2 250 14 60", "+386 31 774 210", "", "info@pd-maribor.si", "SI43617190", "",
            None),
    shopper("Frau", "", "Michaela", "Zach", "", "Lendkai", "33", "", "8020", "Graz", "Österreich", "Steiermark", "",
            "0660 723 41 98", "", "michaela.zach@chello.at", "", "", (1985, 12, 2)),
    shopper("Herr", "", "Stefan", "Kainz", "", "Wiener Straße", "180", "", "8051", "Graz", "Österreich",
            "Steiermark", "0316 68 40 33", "0664 550 71 26", "", "stefan.kainz@icloud.com", "", "", (1983, 7, 21)),
]

# A Bavarian wholesaler's customers in JTL-Wawi: family, given, street, code, town, country code, mailbox, group.
WAWI11 = [
    ("Huber", "Josef", "Ludwigstraße 7", "84028", "Landshut", "DE", "josef.huber@t-online.de", "Endkunden"),
    ("Maier", "Theresia", "Innstr. 24a", "94032", "Passau", "DE", "theresia.maier@web.de", "Endkunden"),
    ("Wimmer", "Georg", "Marktplatz 3", "83278", "Traunstein", "DE", "g.wimmer@wimmer-eisenwaren.de", "Händler"),
    ("Brandstätter", "Rosa", "Kirchenweg 11", "5020", "Salzburg", "AT", "rosa.brandstaetter@sbg.at", "Endkunden"),
    ("Schöberl", "Andreas", "Bahnhofstraße 45", "94469", "Deggendorf", "DE", "", "Endkunden"),
    ("Fischer", "Monika", "Sonnenleite 2", "84347", "Pfarrkirchen", "DE", "monika.fischer@gmx.de", "Endkunden"),
    ("Gschwendtner", "Alois", "Am Stadtplatz 19", "84489", "Burghausen", "DE", "alois@gschwendtner-hof.de",
     "Händler"),
    ("Pöschl", "Franziska", "Linzer Straße 8", "4780", "Schärding", "AT", "f.poeschl@aon.at", "Endkunden"),
    ("Lindner", "Christian", "Regensburger Str. 101", "94315", "Straubing", "DE", "c.lindner@lindner-gartenbau.de",
     "Händler"),
    ("Eder", "Magdalena", "Hofmark 4", "84066", "Mallersdorf-Pfaffenberg", "DE", "", "Endkunden"),
    ("Novotný", "Pavel", "Zlatá stezka 12", "38401", "Vimperk", "CZ", "pavel.novotny@email.cz", "Händler"),
    ("Stadler", "Korbinian", "Dorfstraße 27", "84180", "Loiching", "DE", "korbinian.stadler@gmx.net", "Endkunden"),
    ("Aigner", "Walburga", "Salzachstraße 6", "5110", "Oberndorf bei Salzburg", "AT", "w.aigner@salzburg.at",
     "Endkunden"),
    ("Zehetmair", "Ludwig", "Gewerbering 14", "84130", "Dingolfing", "DE", "einkauf@zehetmair-kfz.de", "Händler"),
    ("Reisinger", "Anna", "Am Anger 5", "94405", "Landau an der Isar", "DE", "anna.reisinger@freenet.de",
     "Endkunden"),
]
