"""More people and companies for the fourth held-out set, beside the other
sets' people modules: a Slovene firm's staff at their home addresses, Swiss
customers, Polish shops, Moldovan traders and private clients. Same shape as
people.py."""
from people import company, person


def _home(street, city, code, country="Slovenija"):
    return [("HOME", street, city, "", code, country)]


# A Slovene employer's staff: home addresses and birthdays, as a payroll keeps them.
SLOVENE_STAFF = [
    person("Gregor", "Kastelic", adr=_home("Dunajska cesta 158", "Ljubljana", "1000"), birthday=(1983, 5, 19)),
    person("Maja", "Zorko", adr=_home("Ptujska cesta 33", "Maribor", "2000"), birthday=(1990, 11, 2)),
    person("Rok", "Petek", adr=_home("Mariborska cesta 7", "Celje", "3000"), birthday=(1978, 2, 27)),
    person("Nina", "Bizjak", adr=_home("Kidričeva ulica 41", "Nova Gorica", "5000"), birthday=(1995, 7, 8)),
    person("Jure", "Kolar", adr=_home("Ljubljanska cesta 12a", "Domžale", "1230"), birthday=(1986, 9, 30)),
    person("Tanja", "Rozman", adr=_home("Glavni trg 5", "Kranj", "4000"), birthday=(1972, 12, 12)),
    person("Miha", "Jereb", adr=_home("Cankarjeva ulica 18", "Škofja Loka", "4220"), birthday=(1999, 4, 3)),
    person("Barbara", "Kralj", adr=_home("Trg svobode 2", "Ptuj", "2250"), birthday=(1981, 1, 15)),
    person("Andrej", "Šuštar", adr=_home("Koroška cesta 54", "Velenje", "3320"), birthday=(1969, 6, 21)),
    person("Petra", "Žnidaršič", adr=_home("Cesta komandanta Staneta 4", "Litija", "1270"), birthday=(1993, 10, 10)),
    person("Damir", "Novosel", adr=_home("Ulica Matice hrvatske 9", "Čakovec", "40000", "Hrvatska"),
           birthday=(1975, 3, 5)),
    person("Luka", "Hribar", adr=_home("Prešernova cesta 21", "Radovljica", "4240"), birthday=(1988, 8, 18)),
    person("Eva", "Korošec", adr=_home("Partizanska cesta 30", "Sežana", "6210"), birthday=(1997, 2, 14)),
]

SWISS = [
    person("Reto", "Brunner", phones=[("CELL", "+41 79 345 67 89")], emails=["reto.brunner@bluewin.ch"],
           adr=_home("Bahnhofstrasse 12", "Zürich", "8001", "Schweiz")),
    person("Claudia", "Meier", phones=[("CELL", "+41 76 412 33 90"), ("HOME", "+41 31 311 45 67")],
           emails=["claudia.meier@gmx.ch"], adr=_home("Kramgasse 49", "Bern", "3011", "Schweiz")),
    person("Urs", "Zimmermann", phones=[("HOME", "+41 61 261 88 10")], emails=["urs.zimmermann@sunrise.ch"],
           adr=_home("Spalenberg 22", "Basel", "4051", "Schweiz")),
    person("Sandra", "Keller", phones=[("CELL", "+41 78 600 12 34")], emails=["sandra.keller@hispeed.ch"],
           adr=_home("Hertensteinstrasse 8", "Luzern", "6004", "Schweiz")),
    person("Beat", "Huber", phones=[("CELL", "+41 79 888 21 43")], emails=["beat.huber@bluewin.ch"],
           adr=_home("Marktgasse 13", "Winterthur", "8400", "Schweiz")),
    company("Schreinerei Bühler GmbH", phones=[("WORK", "+41 71 222 45 60")], emails=["info@schreinerei-buehler.ch"],
            adr=[("WORK", "Rorschacher Strasse 150", "St. Gallen", "", "9000", "Schweiz")],
            url="https://www.schreinerei-buehler.ch"),
    company("Apotheke am Rösslitor AG", phones=[("WORK", "+41 71 227 40 40")],
            emails=["kontakt@apotheke-roesslitor.ch"],
            adr=[("WORK", "Multergasse 26", "St. Gallen", "", "9000", "Schweiz")]),
    company("Velo Brändli AG", phones=[("WORK", "+41 44 462 11 80")], emails=["velo@braendli.ch"],
            adr=[("WORK", "Badenerstrasse 320", "Zürich", "", "8004", "Schweiz")]),
]

POLISH4 = [
    company("Piekarnia Pod Wawelem sp. z o.o.", phones=[("WORK", "+48 12 422 15 15")],
            adr=[("WORK", "ul. Grodzka 40", "Kraków", "małopolskie", "31-044", "Polska")],
            url="https://www.piekarnia-wawel.pl"),
    company("Apteka Centralna s.c.", phones=[("WORK", "+48 85 742 11 20")],
            adr=[("WORK", "ul. Lipowa 14", "Białystok", "podlaskie", "15-424", "Polska")]),
]

# Two people named in one contact-person cell, as the help's own example has it.
TWO_CONTACTS = {"Drukarnia Świt S.A.": "Tomasz Lis, Ewa Marczak",
                "Hurtownia Łódź-Bałuty sp. j.": "Jerzy Pawlak, Renata Sowa"}

MOLDOVAN = [
    person("Vasile", "Ceban", org="Î.I. Ceban Vasile", phones=[("CELL", "+373 69 123 456")],
           emails=["ceban.vasile@mail.md"],
           adr=[("WORK", "str. Ismail 88", "Chișinău", "", "MD-2001", "Republica Moldova")]),
    person("Natalia", "Rusu", org="Î.I. Rusu Natalia", phones=[("CELL", "+373 79 555 012")],
           emails=["natalia.rusu@gmail.com"],
           adr=[("WORK", "bd. Independenței 17", "Bălți", "", "MD-3100", "Republica Moldova")]),
    person("Ion", "Cojocaru", phones=[("CELL", "+373 68 321 654")], emails=["ion.cojocaru@yahoo.com"],
           adr=[("HOME", "str. Mihai Eminescu 5", "Orhei", "", "MD-3501", "Republica Moldova")]),
    person("Elena", "Lupu", phones=[("CELL", "+373 78 900 111")], emails=["elena.lupu@mail.ru"],
           adr=[("HOME", "str. Alexandru cel Bun 21", "Chișinău", "", "MD-2012", "Republica Moldova")]),
]
