"""People of the eighth held-out set, none of them in the other sets' people
modules: a Brno athletics club, Czech shoppers and callers, Austrian hotel
guests and applicants, staff of a Franconian care home, Kraków library
patrons, Slovene and Croatian students and families, Hungarian customers, Slovak
hotel guests, Central European firms billed for a subscription. Same shape as
people.py."""
from people import company, person

# Given names of women that do not end in -a.
WOMEN8 = {"Ingeborg", "Gudrun", "Elisabeth", "Astrid", "Margit", "Hildegard", "Karin", "Ines", "Ruth", "Judit",
          "Edit", "Ildikó", "Erzsébet", "Anikó", "Beatrix", "Ágnes", "Nives", "Mirjam", "Dagmar", "Miriam", "Iris"}


def at(street, city, code, country, region=""):
    return [("HOME", street, city, region, code, country)]


def who(given, family, cell, email, adr=(), birthday=None, prefix="", home="", work="", org="", job="", fax=""):
    phones = [(t, n) for t, n in (("CELL", cell), ("HOME", home), ("WORK", work), ("FAX", fax)) if n]
    return person(given, family, prefix=prefix, org=org, job=job, phones=phones, emails=[email] if email else [],
                  adr=list(adr), birthday=birthday)


def firm(name, work, email, adr=(), fax=""):
    phones = [(t, n) for t, n in (("WORK", work), ("FAX", fax)) if n]
    return company(name, phones=phones, emails=[email] if email else [], adr=list(adr))


_CZ = "Česko"
# A Brno athletics club's athletes and coaches, who also buy from its shop and call its office.
CZECH8 = [
    who("Radim", "Kopeček", "+420 731 204 518", "radim.kopecek@seznam.cz", at("Bratislavská 31", "Brno", "602 00", _CZ),
        (1987, 3, 9), org="Kopeček Elektro s.r.o.", job="Jednatel"),
    who("Hana", "Bednaříková", "+420 604 881 230", "hana.bednarikova@email.cz",
        at("Kounicova 12", "Brno", "602 00", _CZ), (1993, 11, 21)),
    who("Libor", "Šindelář", "+420 777 310 642", "libor.sindelar@centrum.cz", at("Palackého třída 88", "Brno", "612 00", _CZ),
        (1979, 6, 30), org="Šindelář a partneři", job="Daňový poradce"),
    who("Petra", "Šmerdová", "+420 736 502 119", "petra.smerdova@gmail.com", at("Cejl 47", "Brno", "602 00", _CZ),
        (2001, 1, 15)),
    who("Vojtěch", "Hrubý", "+420 603 442 870", "vojta.hruby@volny.cz", at("Lidická 5", "Brno", "602 00", _CZ),
        (2004, 8, 2)),
    who("Kristýna", "Ondráčková", "+420 725 118 904", "kristyna.ondrackova@seznam.cz",
        at("Vídeňská 140", "Brno", "619 00", _CZ), (1998, 4, 27), org="Fakultní nemocnice Brno", job="Fyzioterapeutka"),
    who("Milan", "Pospíšil", "+420 608 730 215", "m.pospisil@post.cz", at("Nádražní 214", "Blansko", "678 01", _CZ),
        (1962, 12, 4)),
    who("Zdeňka", "Vlčková", "+420 739 661 408", "zdenka.vlckova@email.cz", at("Masarykova 9", "Kuřim", "664 34", _CZ),
        (1971, 5, 18), org="Město Kuřim", job="Referentka"),
    who("Tadeáš", "Sedláček", "+420 702 455 316", "tadeas.sedlacek@gmail.com",
        at("Štefánikova 63", "Brno", "612 00", _CZ), (2003, 2, 11)),
    who("Lenka", "Kratochvílová", "+420 605 219 774", "lenka.kratochvilova@seznam.cz",
        at("Husova 120", "Tišnov", "666 01", _CZ), (1985, 9, 6), org="ZŠ Tišnov", job="Učitelka"),
    who("Ondřej", "Mikulášek", "+420 720 384 115", "ondrej.mikulasek@centrum.cz",
        at("Křížová 18", "Brno", "603 00", _CZ), (1990, 7, 23)),
    who("Barbora", "Řezníčková", "+420 733 905 462", "barbora.reznickova@gmail.com",
        at("Jihlavská 3", "Brno", "625 00", _CZ), (2005, 10, 30)),
    who("Stanislav", "Fiala", "+420 602 117 389", "stanislav.fiala@volny.cz",
        at("Sokolská 27", "Rosice", "665 01", _CZ), (1958, 3, 1), org="Fiala Transport", job="Majitel"),
    who("Eliška", "Navrátilová", "+420 776 248 031", "eliska.navratilova@email.cz",
        at("Merhautova 51", "Brno", "613 00", _CZ), (2000, 6, 12)),
    who("Dominik", "Jelínek", "+420 731 880 267", "dominik.jelinek@seznam.cz",
        at("Gajdošova 34", "Brno", "615 00", _CZ), (1996, 12, 19), org="Jelínek Sport", job="Prodejce"),
    who("Miroslava", "Tichá", "+420 604 395 728", "miroslava.ticha@post.cz", at("Zahradní 6", "Modřice", "664 42", _CZ),
        (1968, 8, 8)),
]
# Second given names the register keeps apart, and birth numbers' last four digits.
MIDDLE8 = {"Vojtěch": "Jan", "Kristýna": "Marie", "Tadeáš": "Josef", "Barbora": "Anna"}

_AT = "Österreich"
# Guests of an Upper Austrian spa hotel, several of whom later applied for a job there.
AUSTRIAN8 = [
    who("Gernot", "Haberl", "+43 664 218 4470", "gernot.haberl@aon.at",
        at("Linzer Straße 44", "Wels", "4600", _AT, "Oberösterreich"), (1969, 2, 14), prefix="Mag.",
        org="Haberl Steuerberatung GmbH", job="Steuerberater", work="+43 7242 45 118"),
    who("Ingeborg", "Reisinger", "+43 676 330 1258", "ingeborg.reisinger@gmx.at",
        at("Hauptplatz 7", "Freistadt", "4240", _AT, "Oberösterreich"), (1955, 7, 3)),
    who("Florian", "Hinterleitner", "+43 650 712 0934", "florian.hinterleitner@gmail.com",
        at("Dametzstraße 18", "Linz", "4020", _AT, "Oberösterreich"), (1992, 10, 25), job="Koch"),
    who("Theresa", "Pöchhacker", "+43 664 905 2217", "theresa.poechhacker@a1.net",
        at("Stelzhamerstraße 2", "Ried im Innkreis", "4910", _AT, "Oberösterreich"), (1988, 1, 8),
        org="Bezirkshauptmannschaft Ried", job="Sachbearbeiterin"),
    who("Klemens", "Aichinger", "+43 699 114 7720", "k.aichinger@liwest.at",
        at("Stadtplatz 31", "Steyr", "4400", _AT, "Oberösterreich"), (1975, 5, 29), prefix="DI",
        org="Aichinger Planung", job="Bauingenieur", work="+43 7252 53 990", fax="+43 7252 53 991"),
    who("Gudrun", "Schwaiger", "+43 664 402 8816", "gudrun.schwaiger@aon.at",
        at("Bahnhofstraße 12", "Vöcklabruck", "4840", _AT, "Oberösterreich"), (1961, 11, 17)),
    who("Lukas", "Eibensteiner", "+43 676 841 3305", "lukas.eibensteiner@gmx.at",
        at("Wiener Straße 150", "Enns", "4470", _AT, "Oberösterreich"), (1997, 4, 4), job="Rezeptionist"),
    who("Verena", "Moser-Kainz", "+43 650 228 6614", "verena.moser-kainz@gmail.com",
        at("Kaiser-Josef-Platz 9", "Wels", "4600", _AT, "Oberösterreich"), (1983, 8, 21), prefix="Dr.",
        org="Klinikum Wels-Grieskirchen", job="Oberärztin"),
    who("Herbert", "Pichlmayr", "+43 664 337 0082", "herbert.pichlmayr@aon.at",
        at("Marktplatz 4", "Bad Ischl", "4820", _AT, "Oberösterreich"), (1950, 9, 12), home="+43 6132 23 448"),
    who("Katharina", "Lindinger", "+43 699 206 4473", "katharina.lindinger@outlook.at",
        at("Urfahraner Straße 61", "Linz", "4040", _AT, "Oberösterreich"), (1999, 3, 16), job="Masseurin"),
    who("Roland", "Wiesmayr", "+43 676 509 1146", "roland.wiesmayr@a1.net",
        at("Grazer Straße 22", "Graz", "8020", _AT, "Steiermark"), (1972, 12, 1), org="Wiesmayr Holzbau",
        job="Zimmermeister"),
    who("Astrid", "Hofinger", "+43 664 771 5039", "astrid.hofinger@gmx.at",
        at("Mozartstraße 15", "Salzburg", "5020", _AT, "Salzburg"), (1986, 6, 9), prefix="Mag.",
        org="Hofinger Consulting", job="Beraterin"),
    who("Manfred", "Kranzl", "+43 650 113 8827", "manfred.kranzl@aon.at",
        at("Pfarrgasse 3", "Schärding", "4780", _AT, "Oberösterreich"), (1958, 4, 22), home="+43 7712 31 07"),
    who("Elisabeth", "Zauner", "+43 676 424 9910", "elisabeth.zauner@gmail.com",
        at("Rainerstraße 27", "Wien", "1040", _AT, "Wien"), (1994, 2, 28), job="Hotelfachfrau"),
    who("Johannes", "Ortner", "+43 699 340 2265", "johannes.ortner@liwest.at",
        at("Sandgasse 11", "Gmunden", "4810", _AT, "Oberösterreich"), (1980, 7, 7)),
    firm("Traunsee Reisen GmbH", "+43 7612 770 40", "buchung@traunsee-reisen.at",
         [("WORK", "Esplanade 5", "Gmunden", "Oberösterreich", "4810", _AT)], fax="+43 7612 770 49"),
]

_DE = "Deutschland"
# Staff of a care home in Franconia.
GERMAN8 = [
    who(g, f, "", "") for g, f in (
        ("Sieglinde", "Raab"), ("Markus", "Dötsch"), ("Tanja", "Gebhardt"), ("Uwe", "Reichold"), ("Sandra", "Kestler"),
        ("Thorsten", "Pfaffenberger"), ("Hildegard", "Wunderlich"), ("Benedikt", "Schmitt"), ("Nadine", "Höfner"),
        ("Jürgen", "Lößlein"), ("Karin", "Ebersberger"), ("Dominik", "Zehelein"), ("Simone", "Strobel"),
        ("Reinhold", "Büttner"), ("Aylin", "Demirci"))]

_PL = "Polska"
# Patrons of a Kraków public library.
POLISH8 = [
    who("Bartłomiej", "Kwiecień", "+48 601 274 339", "bartek.kwiecien@onet.pl", at("Długa 47", "Kraków", "31-147", _PL),
        (1984, 5, 3), home="+48 12 633 41 20"),
    who("Aleksandra", "Mrozek", "+48 512 908 441", "ola.mrozek@gmail.com", at("Karmelicka 19", "Kraków", "31-131", _PL),
        (2002, 9, 14)),
    who("Grzegorz", "Pietrzak", "+48 693 115 802", "g.pietrzak@interia.pl",
        at("Królewska 58", "Kraków", "30-081", _PL), (1970, 1, 28), org="Politechnika Krakowska", job="Adiunkt",
        work="+48 12 628 20 00"),
    who("Weronika", "Zając", "+48 730 442 618", "weronika.zajac@wp.pl", at("Wielicka 112", "Kraków", "30-552", _PL),
        (1995, 12, 2)),
    who("Stanisław", "Gąsienica", "+48 605 338 917", "stanislaw.gasienica@o2.pl",
        at("Zakopiańska 9", "Kraków", "30-418", _PL), (1948, 3, 19), home="+48 12 266 05 31"),
    who("Natalia", "Wrona", "+48 667 290 135", "natalia.wrona@gmail.com", at("Kalwaryjska 33", "Kraków", "30-509", _PL),
        (2008, 6, 25)),
    who("Mateusz", "Kołodziej", "+48 508 661 247", "mateusz.kolodziej@onet.pl",
        at("Mogilska 70", "Kraków", "31-546", _PL), (1991, 10, 10), org="Comarch S.A.", job="Programista",
        work="+48 12 646 10 00"),
    who("Halina", "Bielecka", "+48 692 804 553", "halina.bielecka@interia.pl",
        at("Starowiślna 21", "Kraków", "31-038", _PL), (1956, 8, 31)),
    who("Jakub", "Sowiński", "+48 534 117 906", "jakub.sowinski@gmail.com", at("Rakowicka 14", "Kraków", "31-511", _PL),
        (2006, 2, 7)),
    who("Dorota", "Kubacka", "+48 601 553 784", "dorota.kubacka@wp.pl", at("Słowackiego 40", "Wieliczka", "32-020", _PL),
        (1979, 11, 11), org="Kopalnia Soli Wieliczka", job="Przewodniczka"),
    who("Przemysław", "Żurek", "+48 726 390 421", "przemek.zurek@o2.pl", at("Bora-Komorowskiego 25", "Kraków", "31-476",
                                                                            _PL), (1988, 4, 16)),
    who("Julia", "Szczepańska", "+48 511 628 330", "julia.szczepanska@gmail.com",
        at("Pawia 5", "Kraków", "31-154", _PL), (2004, 7, 29)),
    who("Ryszard", "Wołoszyn", "+48 604 229 158", "r.woloszyn@interia.pl", at("Kościuszki 88", "Skawina", "32-050", _PL),
        (1953, 1, 5), home="+48 12 276 14 82"),
    who("Magdalena", "Fijałkowska", "+48 789 014 562", "magda.fijalkowska@onet.pl",
        at("Lea 160", "Kraków", "30-133", _PL), (1983, 9, 22), org="Szpital Uniwersytecki", job="Pielęgniarka"),
    who("Kacper", "Nowicki", "+48 695 773 204", "kacper.nowicki@wp.pl", at("Dobrego Pasterza 3", "Kraków", "31-416", _PL),
        (2010, 12, 13)),
]

# Students and staff of Slovene and Croatian universities, and families at an Istrian water park.
SOUTH8 = [
    who("Žiga", "Kranjc", "+386 41 552 318", "ziga.kranjc@student.um.si", at("Koroška cesta 46", "Maribor", "2000", "SI"),
        (2002, 4, 19)),
    who("Tjaša", "Vidmar", "+386 40 228 917", "tjasa.vidmar@gmail.com", at("Gosposvetska 12", "Maribor", "2000", "SI"),
        (2001, 11, 3)),
    who("Matevž", "Rozman", "+386 31 704 662", "matevz.rozman@um.si", at("Partizanska 30", "Maribor", "2000", "SI"),
        (1978, 6, 27), org="Univerza v Mariboru", job="Docent", work="+386 2 235 52 10"),
    who("Nives", "Ferjančič", "+386 51 339 405", "nives.ferjancic@siol.net", at("Ljubljanska 9", "Celje", "3000", "SI"),
        (1999, 2, 8)),
    who("Rok", "Pečnik", "+386 41 886 204", "rok.pecnik@gmail.com", at("Cankarjeva 4", "Ptuj", "2250", "SI"),
        (2003, 9, 30)),
    who("Urška", "Kolenc", "+386 40 612 773", "urska.kolenc@um.si", at("Tyrševa 17", "Maribor", "2000", "SI"),
        (1985, 12, 12), org="Univerza v Mariboru", job="Asistentka", work="+386 2 229 40 15"),
    who("Blaž", "Golob", "+386 31 450 128", "blaz.golob@student.um.si", at("Glavni trg 20", "Slovenj Gradec", "2380",
                                                                          "SI"), (2002, 1, 24)),
    who("Mirjam", "Zupanc", "+386 51 207 936", "mirjam.zupanc@gmail.com", at("Prešernova 8", "Murska Sobota", "9000",
                                                                           "SI"), (2000, 5, 5)),
    who("Domagoj", "Babić", "+385 91 338 2047", "domagoj.babic@fer.hr", at("Ilica 212", "Zagreb", "10000", "HR"),
        (2001, 8, 14)),
    who("Petra", "Jurković", "+385 98 172 5530", "petra.jurkovic@gmail.com",
        at("Vukovarska 77", "Zagreb", "10000", "HR"), (2003, 3, 2)),
    who("Krešimir", "Matić", "+385 95 604 1189", "kresimir.matic@fer.hr", at("Savska cesta 41", "Zagreb", "10000", "HR"),
        (1976, 10, 18), org="Sveučilište u Zagrebu", job="Izvanredni profesor", work="+385 1 612 99 00"),
    who("Ivana", "Perković", "+385 91 885 2406", "ivana.perkovic@net.hr", at("Riva 6", "Rijeka", "51000", "HR"),
        (1998, 7, 21)),
    who("Luka", "Šimunović", "+385 99 217 4430", "luka.simunovic@gmail.com",
        at("Trg bana Jelačića 3", "Zagreb", "10000", "HR"), (2004, 12, 9)),
    who("Dragana", "Novosel", "+385 92 440 3178", "dragana.novosel@net.hr", at("Istarska 15", "Pula", "52100", "HR"),
        (1990, 4, 1)),
    who("Tin", "Vuković", "+385 98 630 9925", "tin.vukovic@fer.hr", at("Kneza Branimira 22", "Osijek", "31000", "HR"),
        (2002, 6, 16)),
]
SECOND8 = {"Žiga": "Anže", "Domagoj": "Ivan", "Petra": "Marija", "Tin": "Josip"}

# Hungarian customers of an insurance broker, names as Hungarians write them (family name first).
HUNGARIAN8 = [
    who(g, f, n, "") for g, f, n in (
        ("Zoltán", "Fekete", "+36 30 415 2276"), ("Ágnes", "Vörös", "+36 20 338 9104"),
        ("Balázs", "Szekeres", "+36 70 552 4187"), ("Erzsébet", "Lakatos", "+36 30 219 6653"),
        ("Gergely", "Halász", "+36 20 774 0381"), ("Judit", "Bognár", "+36 70 305 8826"),
        ("Csaba", "Mészáros", "+36 30 661 4290"), ("Anikó", "Kelemen", "+36 20 492 1735"),
        ("Tamás", "Rácz", "+36 70 218 5549"), ("Edit", "Szilágyi", "+36 30 847 0162"),
        ("Levente", "Fodor", "+36 20 563 7718"), ("Ildikó", "Pintér", "+36 70 934 2051"),
        ("Attila", "Gulyás", "+36 30 172 8834"), ("Beatrix", "Veres", "+36 20 681 3307"),
        ("Norbert", "Hegedűs", "+36 70 426 1198"))]
HU_OWNERS8 = ("Kiss Dóra", "Takács Márton", "Kiss Dóra", "Simon Réka")

_SK = "Slovakia"
# Guests of a hotel in the High Tatras.
SLOVAK8 = [
    who("Igor", "Lipták", "+421 905 412 338", "igor.liptak@zoznam.sk",
        at("Hlavná 88", "Prešov", "080 01", _SK, "Prešovský kraj"), prefix="Ing."),
    who("Zuzana", "Baranová", "+421 911 230 574", "zuzana.baranova@gmail.com",
        at("Štúrova 14", "Poprad", "058 01", _SK, "Prešovský kraj")),
    who("Martin", "Krajčír", "+421 948 551 207", "martin.krajcir@azet.sk",
        at("Mlynská 6", "Košice", "040 01", _SK, "Košický kraj")),
    who("Dagmar", "Hudáková", "+421 903 778 416", "dagmar.hudakova@post.sk",
        at("Kukučínova 21", "Bardejov", "085 01", _SK, "Prešovský kraj"), prefix="Mgr.", home="+421 54 472 31 18"),
    who("Peter", "Jurčišin", "+421 917 605 239", "peter.jurcisin@gmail.com",
        at("Nám. sv. Egídia 40", "Poprad", "058 01", _SK, "Prešovský kraj")),
    who("Silvia", "Gregorová", "+421 944 128 650", "silvia.gregorova@zoznam.sk",
        at("Južná trieda 9", "Košice", "040 01", _SK, "Košický kraj")),
    who("Juraj", "Mlynár", "+421 902 339 781", "juraj.mlynar@centrum.sk",
        at("Obchodná 52", "Bratislava", "811 06", _SK, "Bratislavský kraj"), prefix="JUDr.", fax="+421 2 5443 2210"),
    who("Monika", "Šoltésová", "+421 915 446 027", "monika.soltesova@azet.sk",
        at("Levočská 3", "Spišská Nová Ves", "052 01", _SK, "Košický kraj")),
    who("Dušan", "Vaško", "+421 908 217 954", "dusan.vasko@post.sk",
        at("Sládkovičova 17", "Banská Bystrica", "974 01", _SK, "Banskobystrický kraj"), home="+421 48 415 60 27"),
    who("Jana", "Petríková", "+421 949 803 312", "jana.petrikova@gmail.com",
        at("Dlhá 105", "Žilina", "010 09", _SK, "Žilinský kraj")),
    who("Rastislav", "Oravec", "+421 904 652 180", "rastislav.oravec@zoznam.sk",
        at("Partizánska 44", "Liptovský Mikuláš", "031 01", _SK, "Žilinský kraj"), prefix="Ing."),
    who("Lucia", "Kmeťová", "+421 918 374 926", "lucia.kmetova@azet.sk",
        at("Hviezdoslavova 8", "Trnava", "917 01", _SK, "Trnavský kraj")),
    who("Vladimír", "Šimon", "+421 905 930 441", "vladimir.simon@centrum.sk",
        at("Bernolákova 61", "Nitra", "949 01", _SK, "Nitriansky kraj"), home="+421 37 652 28 03"),
    who("Miriam", "Dzurová", "+421 940 512 688", "miriam.dzurova@gmail.com",
        at("Komenského 27", "Kežmarok", "060 01", _SK, "Prešovský kraj"), prefix="Mgr."),
    who("Tomáš", "Hrivnák", "+421 911 068 734", "tomas.hrivnak@post.sk",
        at("Rázusova 12", "Trenčín", "911 01", _SK, "Trenčiansky kraj")),
]

# Firms billed for a subscription, each with the person who receives the invoices.
FIRMS8 = [
    who(row[0], row[1], "", row[2], org=row[3], work=row[4], adr=[(None, "", "", "", "", row[5])]) for row in (
        ("Vratislav", "Kubeš", "vratislav.kubes@agrotrade.cz", "Agrotrade Vysočina s.r.o.", "+420 567 214 900",
         "Czechia"),
        ("Renata", "Holubová", "holubova@stavebniny-holub.cz", "Stavebniny Holub a.s.", "+420 585 331 270", "Czechia"),
        ("Marián", "Kollár", "kollar@tatrasoft.sk", "TatraSoft s.r.o.", "+421 52 772 4410", "Slovakia"),
        ("Agnieszka", "Stępień", "a.stepien@mebleorzel.pl", "Meble Orzeł Sp. z o.o.", "+48 22 811 40 25", "Poland"),
        ("Wolfgang", "Brunner", "w.brunner@brunner-metall.at", "Brunner Metallbau GmbH", "+43 2742 35 220", "Austria"),
        ("Katalin", "Oláh", "olah.katalin@dunaprint.hu", "Dunaprint Kft.", "+36 1 453 2870", "Hungary"),
        ("Primož", "Zorman", "primoz.zorman@alpsport.si", "Alpsport d.o.o.", "+386 4 202 31 50", "Slovenia"),
        ("Hrvoje", "Knežević", "hrvoje.knezevic@adriaplov.hr", "Adriaplov d.o.o.", "+385 21 340 118", "Croatia"),
        ("Lucian", "Dobre", "lucian.dobre@carpatlog.ro", "Carpat Logistic SRL", "+40 268 415 720", "Romania"),
        ("Jitka", "Macháčková", "machackova@pivovar-lipno.cz", "Pivovar Lipno s.r.o.", "+420 380 712 455", "CZE"),
        ("Tobias", "Kraemer", "tobias.kraemer@kraemer-it.de", "Kraemer IT-Service GmbH", "+49 911 477 3820",
         "Germany"),
        ("Eva", "Jakubcová", "eva.jakubcova@kupelepiestany.sk", "Kúpele Piešťany a.s.", "+421 33 775 1200", "SVK"),
        ("Paweł", "Ostrowski", "pawel.ostrowski@logbalt.pl", "LogBalt S.A.", "+48 58 620 14 80", "POL"),
        ("Iris", "Steinacher", "iris.steinacher@alpenbrot.at", "Alpenbrot Bäckerei KG", "+43 512 58 33 70", "AUT"),
        ("Gábor", "Vincze", "vincze.gabor@tiszavill.hu", "Tiszavill Zrt.", "+36 62 540 310", "HUN"))]
