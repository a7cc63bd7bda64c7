"""More people and companies for the third held-out set, beside people.py's
and unseen_people.py's: Slovene sole traders and private people, Hungarian,
Croatian and Czech customers. Same shape as people.py."""
from people import company, person

SLOVENE3 = [
    person("Marjan", "Kos", org="Avtoprevozništvo Marjan Kos s.p.", job="Lastnik",
           phones=[("WORK", "+386 4 532 11 00"), ("CELL", "+386 41 777 888")], emails=["marjan.kos@siol.net"],
           adr=[("WORK", "Kidričeva cesta 14", "Kranj", "", "4000", "Slovenija")]),
    person("Mojca", "Potočnik", org="Frizerstvo Mojca, Mojca Potočnik s.p.", job="Frizerka",
           phones=[("WORK", "+386 2 250 44 10")], emails=["frizerstvo.mojca@gmail.com"],
           adr=[("WORK", "Gosposka ulica 8", "Maribor", "", "2000", "Slovenija")]),
    person("Aleš", "Golob", phones=[("CELL", "+386 40 321 654")], emails=["ales.golob@amis.net"],
           adr=[("HOME", "Prešernova ulica 22", "Celje", "", "3000", "Slovenija")], birthday=(1981, 11, 3)),
    person("Tjaša", "Mlakar", phones=[("CELL", "+386 31 456 789"), ("HOME", "+386 5 333 22 11")],
           emails=["tjasa.mlakar@gmail.com"], adr=[("HOME", "Bevkova ulica 3", "Nova Gorica", "", "5000",
                                                      "Slovenija")]),
    company("Pekarna Grosuplje d.d.", phones=[("WORK", "+386 1 786 40 00"), ("FAX", "+386 1 786 40 10")],
            emails=["info@pekarna-grosuplje.si"], adr=[("WORK", "Gasilska cesta 2", "Grosuplje", "", "1290",
                                                        "Slovenija")], url="https://www.pekarna-grosuplje.si"),
]

HUNGARIAN3 = [
    person("Anikó", "Pintér", org="Pintér Rendezvény Kft.", job="Ügyvezető",
           phones=[("CELL", "+36 30 555 1212")], emails=["pinter.aniko@pinterrendezveny.hu"],
           adr=[("WORK", "Bartók Béla út 43.", "Budapest", "", "1114", "Magyarország")]),
    person("Bence", "Kiss", phones=[("CELL", "+36 20 318 4455")], emails=["kiss.bence@gmail.com"],
           adr=[("HOME", "Tisza Lajos körút 12.", "Szeged", "", "6720", "Magyarország")]),
    person("Réka", "Oláh", org="Miskolci Egyetem", job="Tanszéki mérnök", phones=[("WORK", "+36 46 565 111")],
           emails=["olah.reka@uni-miskolc.hu"], adr=[("WORK", "Egyetemváros", "Miskolc", "", "3515",
                                                      "Magyarország")]),
]

CROATIAN3 = [
    person("Luka", "Perić", org="Perić Gradnja d.o.o.", job="Direktor",
           phones=[("WORK", "+385 21 345 678"), ("CELL", "+385 98 123 4567")], emails=["luka@peric-gradnja.hr"],
           adr=[("WORK", "Put Supavla 1", "Split", "", "21000", "Hrvatska")]),
    person("Ivana", "Knežević", phones=[("CELL", "+385 91 765 4321")], emails=["ivana.knezevic@gmail.com"],
           adr=[("HOME", "Vukovarska 58", "Osijek", "", "31000", "Hrvatska")]),
]

POLISH3 = [
    person("Marek", "Wójcik", org="Usługi Remontowe Marek Wójcik", job="Właściciel",
           phones=[("WORK", "+48 81 532 44 10"), ("CELL", "+48 604 311 922")], emails=["biuro@remonty-wojcik.pl"],
           adr=[("WORK", "ul. Narutowicza 21/4", "Lublin", "lubelskie", "20-016", "Polska")]),
    person("Anna", "Lewandowska", org="Biuro Rachunkowe Anna Lewandowska", job="Księgowa",
           phones=[("WORK", "+48 89 527 30 30")], emails=["a.lewandowska@br-lewandowska.pl"],
           adr=[("WORK", "ul. Kościuszki 40", "Olsztyn", "warmińsko-mazurskie", "10-504", "Polska")]),
]

CZECH3 = [
    person("Jana", "Benešová", phones=[("CELL", "+420 605 222 333")], emails=["jana.benesova@seznam.cz"],
           adr=[("HOME", "Jiráskova 1284/7", "Hradec Králové", "", "500 02", "Česko")], birthday=(1979, 5, 16)),
    person("Tomáš", "Veselý", phones=[("CELL", "+420 731 908 070")], emails=["tomas.vesely@email.cz"],
           birthday=(1993, 9, 2)),
]
