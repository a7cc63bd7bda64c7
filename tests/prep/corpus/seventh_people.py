"""People of the seventh held-out set, none of them in the other sets' people
modules: a Slovak parish's families, a Saxon sports club's members and the
firms that sponsor it, Hungarian colleagues and customers, Polish flat buyers,
a Czech paediatric practice's children. Same shape as people.py;
seventh_clients.py holds the firms and the other customers."""
from people import company, person

# Given names of women that do not end in -a.
WOMEN7 = {"Ingrid", "Dagmar", "Edit", "Erzsébet", "Ildikó", "Judit", "Kinga", "Ágnes", "Anett", "Karin", "Gudrun",
          "Heidrun", "Doris", "Ruth", "Noémi", "Emília", "Beáta", "Liesl", "Gertraud", "Anneliese", "Nicole",
          "Carmen", "Ester", "Miriam", "Laure", "Béatrice", "Isabelle", "Sigrid", "Agnes", "Zoé", "Ines",
          "Žaneta", "Nives", "Dragica", "Ivančica", "Mirjam", "Brigitte", "Sabine", "Elisabeth", "Mandy", "Antje",
          "Katrin", "Corinne", "Nadine"}


def at(street, city, code, country, region="", kind="HOME"):
    return [(kind, street, city, region, code, country)]


def someone(given, family, cell, email, adr, birthday=None, prefix="", suffix="", home="", work="", org="",
            job="", url="", fax=""):
    phones = [(t, n) for t, n in (("CELL", cell), ("HOME", home), ("WORK", work), ("FAX", fax)) if n]
    return person(given, family, prefix=prefix, suffix=suffix, org=org, job=job, phones=phones,
                  emails=[email] if email else [], adr=adr, birthday=birthday, url=url)


def firm(name, work, email, adr, url="", fax=""):
    phones = [(t, n) for t, n in (("WORK", work), ("FAX", fax)) if n]
    return company(name, phones=phones, emails=[email] if email else [], adr=adr, url=url)


_ZA = "Žilinský kraj"
# A parish in the north of Slovakia: families sharing a home number and an address.
SLOVAK7 = [
    someone("Štefan", "Kubica", "+421 905 318 442", "stefan.kubica@gmail.com",
            at("Bernolákova 14", "Kysucké Nové Mesto", "024 01", "Slovensko", _ZA), (1963, 5, 21), prefix="Ing.",
            home="+421 41 421 3318", work="+421 41 421 7700"),
    someone("Mária", "Kubicová", "+421 907 442 106", "maria.kubicova@gmail.com",
            at("Bernolákova 14", "Kysucké Nové Mesto", "024 01", "Slovensko", _ZA), (1966, 9, 2),
            home="+421 41 421 3318"),
    someone("Anton", "Šimko", "+421 918 240 573", "anton.simko@zoznam.sk",
            at("Ulica 1. mája 52", "Čadca", "022 01", "Slovensko", _ZA), (1950, 1, 17)),
    someone("Terézia", "Šimková", "", "terezia.simkova@zoznam.sk",
            at("Ulica 1. mája 52", "Čadca", "022 01", "Slovensko", _ZA), (1953, 11, 8), home="+421 41 433 1205"),
    someone("Marek", "Hlavatý", "+421 944 107 385", "marek.hlavaty@centrum.sk",
            at("Sládkovičova 3", "Žilina", "010 01", "Slovensko", _ZA), (1985, 4, 30), prefix="Mgr.", suffix="PhD.",
            work="+421 41 513 4420"),
    someone("Veronika", "Hlavatá", "+421 949 661 020", "veronika.hlavata@centrum.sk",
            at("Sládkovičova 3", "Žilina", "010 01", "Slovensko", _ZA), (1988, 12, 11), prefix="Mgr."),
    someone("Jozef", "Ďurica", "+421 903 575 214", "jozef.durica@post.sk",
            at("Kamenná 8", "Turzovka", "023 54", "Slovensko", _ZA), (1971, 7, 4)),
    someone("Emília", "Ďuricová", "+421 915 302 867", "", at("Kamenná 8", "Turzovka", "023 54", "Slovensko", _ZA),
            (1974, 3, 25)),
    someone("Pavol", "Macek", "+421 911 864 230", "pavol.macek@azet.sk",
            at("Hurbanova 40", "Rajec", "015 01", "Slovensko", _ZA), (1958, 10, 14), home="+421 41 542 2091"),
    someone("Božena", "Macková", "", "bozena.mackova@azet.sk", at("Hurbanova 40", "Rajec", "015 01", "Slovensko", _ZA),
            (1960, 6, 6), home="+421 41 542 2091"),
    someone("Michal", "Staník", "+421 902 447 618", "michal.stanik@gmail.com",
            at("Dolná 127", "Krásno nad Kysucou", "023 02", "Slovensko", _ZA), (1992, 2, 9), work="+421 41 400 2315"),
    someone("Lenka", "Staníková", "+421 948 290 741", "lenka.stanikova@gmail.com",
            at("Dolná 127", "Krásno nad Kysucou", "023 02", "Slovensko", _ZA), (1994, 8, 19)),
    someone("Rudolf", "Gavenda", "+421 905 630 158", "r.gavenda@stonline.sk",
            at("Štúrova 21", "Bytča", "014 01", "Slovensko", _ZA), (1947, 12, 24), prefix="MUDr.",
            home="+421 41 552 1930"),
    someone("Katarína", "Jurčová", "+421 917 480 322", "katarina.jurcova@azet.sk",
            at("Nábrežná 6", "Martin", "036 01", "Slovensko", _ZA), (1981, 1, 31)),
    someone("Ladislav", "Vrabec", "+421 904 211 870", "ladislav.vrabec@zoznam.sk",
            at("Pod Hradom 19", "Strečno", "013 24", "Slovensko", _ZA), (1969, 5, 5), work="+421 41 569 3101"),
    someone("Ružena", "Vrabcová", "+421 910 775 436", "", at("Pod Hradom 19", "Strečno", "013 24", "Slovensko", _ZA),
            (1970, 9, 28)),
]
# Second given names the register keeps in its own column, and wedding days.
MIDDLE7 = {"Štefan": "Jozef", "Marek": "Ján", "Rudolf": "Karol", "Lenka": "Mária"}
WEDDINGS7 = {"Kubica": "1988-06-18", "Šimko": "1974-09-07", "Hlavatý": "2015-05-30", "Macek": "1981-08-22"}

_SN = "Sachsen"
# A Saxon sports club: members at home, and firms that sponsor it.
GERMAN7 = [
    someone("Frank", "Löschner", "+49 171 442 3018", "frank.loeschner@web.de",
            at("Bautzner Straße 31", "Dresden", "01099", "Deutschland", _SN), (1968, 2, 14),
            home="+49 351 802 4417", org="Elbtal Haustechnik GmbH", job="Installateurmeister"),
    someone("Ingrid", "Pöge", "+49 160 933 2075", "ingrid.poege@t-online.de",
            at("Am Lindenhof 4", "Radebeul", "01445", "Deutschland", _SN), (1957, 7, 1), home="+49 351 837 2290"),
    someone("Sven", "Kretzschmar", "+49 152 2841 7730", "sven.kretzschmar@gmx.de",
            at("Hauptstraße 88", "Pirna", "01796", "Deutschland", _SN), (1979, 11, 23), prefix="Dr.",
            work="+49 3501 470 215", job="Zahnarzt"),
    someone("Dagmar", "Wünsche", "+49 176 5520 1894", "dagmar.wuensche@web.de",
            at("Kirchgasse 2", "Meißen", "01662", "Deutschland", _SN), (1962, 3, 8)),
    someone("Ronny", "Gläser", "+49 173 600 4129", "ronny.glaeser@gmx.de",
            at("Leipziger Straße 120", "Freital", "01705", "Deutschland", _SN), (1988, 9, 30), job="Elektroniker"),
    someone("Katrin", "Zschiesche", "+49 157 7302 6618", "katrin.zschiesche@t-online.de",
            at("Rosenweg 15", "Heidenau", "01809", "Deutschland", _SN), (1975, 12, 5), home="+49 3529 512 007",
            job="Lehrerin"),
    someone("Uwe", "Heinitz", "", "uwe.heinitz@web.de", at("Am Markt 6", "Coswig", "01640", "Deutschland", _SN),
            (1951, 4, 19), home="+49 3523 742 113"),
    someone("Mandy", "Rülke", "+49 162 415 8807", "mandy.ruelke@gmx.de",
            at("Grillparzerstraße 9", "Dresden", "01157", "Deutschland", _SN), (1990, 6, 12), job="Physiotherapeutin"),
    someone("Jens", "Tietze", "+49 170 258 3349", "jens.tietze@posteo.de",
            at("Gartenstraße 44", "Großenhain", "01558", "Deutschland", _SN), (1972, 8, 27),
            home="+49 3522 503 318", work="+49 3522 520 140", org="Landbäckerei Tietze", job="Bäckermeister"),
    someone("Heidrun", "Förster", "+49 151 4478 0326", "heidrun.foerster@web.de",
            at("Schillerplatz 3", "Dresden", "01309", "Deutschland", _SN), (1949, 1, 26)),
    someone("Maik", "Lehmann", "+49 176 3021 5584", "maik.lehmann@gmx.de",
            at("Dorfstraße 17", "Moritzburg", "01468", "Deutschland", _SN), (1984, 10, 3), job="Kfz-Mechatroniker"),
    someone("Antje", "Scholze", "+49 160 772 4401", "antje.scholze@t-online.de",
            at("Weinbergstraße 22", "Radebeul", "01445", "Deutschland", _SN), (1966, 5, 17), prefix="Dr.",
            job="Apothekerin"),
    someone("Tilo", "Kunath", "+49 172 509 3316", "tilo.kunath@web.de",
            at("Lindenallee 10", "Bischofswerda", "01877", "Deutschland", _SN), (1977, 3, 29), home="+49 3594 700 412"),
    firm("Elbtal Haustechnik GmbH", "+49 351 420 8830", "info@elbtal-haustechnik.de",
         at("Industriestraße 12", "Dresden", "01129", "Deutschland", _SN, "WORK"), fax="+49 351 420 8839"),
    firm("Autohaus Grille KG", "+49 3501 58 420", "service@autohaus-grille.de",
         at("Dresdner Straße 150", "Pirna", "01796", "Deutschland", _SN, "WORK")),
    firm("Sparkassen-Versicherung Agentur Rößler", "+49 351 658 2710", "agentur.roessler@sv-sachsen.de",
         at("Königsbrücker Straße 61", "Dresden", "01099", "Deutschland", _SN, "WORK")),
]

# Hungarian colleagues and customers, with their Hungarian numbers of every kind.
HUNGARIAN7 = [
    someone("Gábor", "Szalai", "+36 30 418 2277", "szalai.gabor@freemail.hu",
            at("Rákóczi út 28", "Debrecen", "4024", "Magyarország"), (1977, 4, 2), home="+36 52 418 330",
            work="+36 52 512 900", org="Hajdú Agro Kft.", job="kereskedelmi vezető", url="https://www.hajduagro.hu"),
    someone("Edit", "Bakó", "+36 20 551 8403", "bako.edit@gmail.com",
            at("Kossuth Lajos utca 7", "Szeged", "6720", "Magyarország"), (1983, 8, 15)),
    someone("Zsolt", "Farkas", "+36 70 302 6619", "farkas.zsolt@citromail.hu",
            at("Petőfi Sándor utca 41", "Pécs", "7621", "Magyarország"), work="+36 72 510 244", org="Mecsek Print Zrt.",
            job="nyomdavezető"),
    someone("Ildikó", "Varga", "+36 30 775 0142", "varga.ildiko@t-online.hu",
            at("Szent István tér 3", "Győr", "9021", "Magyarország"), (1969, 12, 20), home="+36 96 317 806"),
    someone("Tamás", "Németh", "+36 20 914 3360", "nemeth.tamas@gmail.com",
            at("Bajcsy-Zsilinszky utca 12", "Miskolc", "3530", "Magyarország"), (1991, 6, 9),
            url="https://www.nemethfoto.hu"),
    someone("Judit", "Horváth", "+36 30 260 7784", "horvath.judit@vipmail.hu",
            at("Fő utca 65", "Kecskemét", "6000", "Magyarország"), work="+36 76 481 120", org="Kecskeméti Ügyvédi Iroda",
            job="ügyvéd", prefix="dr."),
    someone("László", "Kiss", "+36 70 418 9025", "kiss.laszlo@freemail.hu",
            at("Arany János utca 9", "Eger", "3300", "Magyarország"), (1958, 2, 28), home="+36 36 413 552"),
    someone("Kinga", "Tóth", "+36 20 337 5108", "toth.kinga@gmail.com",
            at("Dózsa György út 101", "Budapest", "1068", "Magyarország"), (1995, 9, 13)),
    someone("Attila", "Balogh", "+36 30 602 4471", "balogh.attila@balogh-epito.hu",
            at("Széchenyi utca 22", "Nyíregyháza", "4400", "Magyarország"), work="+36 42 500 318",
            org="Balogh Építő Bt.", job="ügyvezető", url="https://www.balogh-epito.hu"),
    someone("Ágnes", "Molnár", "+36 70 905 2236", "molnar.agnes@citromail.hu",
            at("Deák Ferenc tér 4", "Szombathely", "9700", "Magyarország"), (1973, 11, 1)),
    someone("Péter", "Lakatos", "+36 20 481 7759", "lakatos.peter@t-online.hu",
            at("Vörösmarty utca 16", "Székesfehérvár", "8000", "Magyarország"), (1986, 3, 7), home="+36 22 329 641"),
    someone("Erzsébet", "Fekete", "+36 30 218 6604", "fekete.erzsebet@freemail.hu",
            at("Béke tér 2", "Veszprém", "8200", "Magyarország"), (1952, 7, 30)),
    someone("Dániel", "Papp", "+36 70 330 1892", "papp.daniel@gmail.com",
            at("Jókai Mór utca 33", "Sopron", "9400", "Magyarország"), work="+36 99 508 210", org="Soproni Borház Kft.",
            job="borász", url="https://www.soproniborhaz.hu"),
    someone("Noémi", "Szűcs", "+36 20 767 4425", "szucs.noemi@vipmail.hu",
            at("Hunyadi utca 5", "Szolnok", "5000", "Magyarország"), (1999, 1, 4)),
    someone("Zoltán", "Oláh", "+36 30 941 3357", "olah.zoltan@freemail.hu",
            at("Kodály Zoltán utca 18", "Kaposvár", "7400", "Magyarország"), (1964, 10, 22), home="+36 82 412 075"),
    someone("Anett", "Simon", "+36 70 225 6810", "simon.anett@gmail.com",
            at("Ady Endre utca 27", "Tatabánya", "2800", "Magyarország"), (1988, 5, 18)),
]

_KP = "kujawsko-pomorskie"
# Buyers of flats from a developer in Bydgoszcz, some buying through their firm.
POLISH7 = [
    someone("Grzegorz", "Mazurek", "+48 603 227 418", "grzegorz.mazurek@wp.pl",
            at("ul. Gdańska 45/7", "Bydgoszcz", "85-005", "Polska", _KP), (1976, 3, 11), org="Mazurek Transport",
            job="właściciel"),
    someone("Agnieszka", "Wójcik", "+48 512 880 341", "agnieszka.wojcik@onet.pl",
            at("ul. Dworcowa 12", "Toruń", "87-100", "Polska", _KP), (1989, 7, 24)),
    someone("Łukasz", "Kamiński", "+48 694 105 722", "lukasz.kaminski@gmail.com",
            at("ul. Jagiellońska 3/14", "Bydgoszcz", "85-027", "Polska", _KP), (1993, 1, 5)),
    someone("Ewa", "Szymańska", "+48 501 643 219", "ewa.szymanska@interia.pl",
            at("ul. Kilińskiego 18", "Inowrocław", "88-100", "Polska", _KP), (1968, 10, 30), org="Apteka Pod Lwem",
            job="kierowniczka"),
    someone("Michał", "Dąbrowski", "+48 664 217 905", "michal.dabrowski@o2.pl",
            at("ul. Fordońska 210", "Bydgoszcz", "85-790", "Polska", _KP)),
    someone("Natalia", "Kozłowska", "+48 798 532 610", "natalia.kozlowska@gmail.com",
            at("ul. Chełmińska 9", "Grudziądz", "86-300", "Polska", _KP), (1997, 4, 16)),
    someone("Jacek", "Pietrzak", "+48 605 771 348", "jacek.pietrzak@wp.pl",
            at("ul. Toruńska 88", "Włocławek", "87-800", "Polska", _KP), org="Pietrzak i Syn sp. j.", job="wspólnik"),
    someone("Karolina", "Grabowska", "+48 532 408 176", "karolina.grabowska@onet.pl",
            at("ul. Świecka 4", "Chełmno", "86-200", "Polska", _KP), (1985, 12, 2)),
    someone("Wojciech", "Zieliński", "+48 691 360 524", "w.zielinski@interia.pl",
            at("ul. Nakielska 51/3", "Bydgoszcz", "85-347", "Polska", _KP), (1959, 8, 8)),
    someone("Justyna", "Lewandowska", "+48 519 226 093", "justyna.lewandowska@gmail.com",
            at("ul. Szosa Chełmińska 26", "Toruń", "87-100", "Polska", _KP), (1991, 11, 27), org="Studio Urody Justyna",
            job="kosmetolog"),
    someone("Piotr", "Woźniak", "+48 608 914 275", "piotr.wozniak@o2.pl",
            at("ul. Kościelna 2", "Nakło nad Notecią", "89-100", "Polska", _KP)),
    someone("Izabela", "Kwiatkowska", "+48 786 402 551", "izabela.kwiatkowska@wp.pl",
            at("ul. Mostowa 11", "Brodnica", "87-300", "Polska", _KP), (1980, 5, 3)),
    someone("Rafał", "Krawczyk", "+48 697 115 830", "rafal.krawczyk@gmail.com",
            at("ul. Wojska Polskiego 66", "Bydgoszcz", "85-171", "Polska", _KP), (1987, 2, 20), org="Krawczyk IT",
            job="programista"),
    someone("Sylwia", "Adamczyk", "+48 503 286 447", "sylwia.adamczyk@interia.pl",
            at("ul. Rynek 15", "Żnin", "88-400", "Polska", _KP), (1972, 9, 9)),
    someone("Mateusz", "Michalski", "+48 665 923 108", "mateusz.michalski@onet.pl",
            at("ul. Polna 7", "Solec Kujawski", "86-050", "Polska", _KP), (2000, 6, 1)),
    someone("Marzena", "Sadowska", "+48 600 471 292", "marzena.sadowska@wp.pl",
            at("ul. Lipowa 23", "Tuchola", "89-500", "Polska", _KP), (1964, 4, 14)),
]

# Children of a Czech paediatric practice, each with the parent's mailbox.
KIDS7 = [someone(g, f, "", e, [], b) for g, f, e, b in (
    ("Matyáš", "Pokorný", "pokorna.lenka@seznam.cz", (2012, 3, 14)),
    ("Eliška", "Němcová", "tomas.nemec@email.cz", (2015, 8, 2)),
    ("Vojtěch", "Černý", "cerni.rodina@gmail.com", (2009, 11, 27)),
    ("Adéla", "Marešová", "jana.maresova@centrum.cz", (2018, 1, 9)),
    ("Štěpán", "Kolář", "kolar.petr@seznam.cz", (2011, 6, 30)),
    ("Zoé", "Urbanová", "m.urbanova@post.cz", (2020, 4, 18)),
    ("Ondřej", "Šťastný", "stastni@volny.cz", (2014, 12, 3)),
    ("Anežka", "Fialová", "fialova.hana@gmail.com", (2016, 9, 21)),
    ("Jáchym", "Vlček", "vlcek.martin@email.cz", (2010, 2, 5)),
    ("Barbora", "Kratochvílová", "b.kratochvilova@seznam.cz", (2013, 7, 16)),
    ("Kryštof", "Blažek", "blazkovi@centrum.cz", (2019, 10, 8)),
    ("Rozálie", "Havlíková", "havlikova.eva@gmail.com", (2017, 5, 25)),
    ("Tadeáš", "Jireš", "jires.ondrej@post.cz", (2008, 8, 12)),
    ("Sofie", "Doležalová", "dolezalova.k@seznam.cz", (2021, 3, 1)),
    ("Vilém", "Sýkora", "sykora.rodina@email.cz", (2012, 12, 19)),
    ("Amálie", "Veselá", "vesela.marketa@volny.cz", (2014, 1, 28)),
)]
