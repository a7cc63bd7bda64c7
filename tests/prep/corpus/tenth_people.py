"""People of the tenth held-out set, none of them in the other sets' people
modules: Slovak job sites' caretakers, a Silesian builder's clients, Viennese
and Budapest clients of a cleaning firm, Zagreb restaurant guests, Czech and
Slovak magazine readers, a Kraków salon's clients, a Brno firm's mail users,
a Split firm's phone directory, Budapest office staff, Canadian delis and
bakeries, a Bohemian glassworks' buyers, engineers licensing software. Same
shape as people.py."""
from people import company, person


def pp(given, family, cell="", email="", adr=None, org="", job="", work="", home="", birthday=None, nickname="",
       emails=None, url=""):
    """A person; `adr` is (street, city, code, country, region) or None."""
    phones = [(t, n) for t, n in (("CELL", cell), ("WORK", work), ("HOME", home)) if n]
    adrs = [(None,) + (adr[0], adr[1], adr[4] if len(adr) > 4 else "", adr[2], adr[3])] if adr else []
    return person(given, family, org=org, job=job, phones=phones,
                  emails=emails if emails is not None else ([email] if email else []), adr=adrs, birthday=birthday,
                  nickname=nickname, url=url)


def ff(name, work="", email="", adr=None, url=""):
    phones = [("WORK", work)] if work else []
    adrs = [(None,) + (adr[0], adr[1], adr[4] if len(adr) > 4 else "", adr[2], adr[3])] if adr else []
    return company(name, phones=phones, emails=[email] if email else [], adr=adrs, url=url)


# Job sites of a Slovak fire-safety service firm, with the caretaker at each (two without one):
# (site, street, city, region code, postal code, latitude, longitude, site phone), then the contact
# (given, family, kind, phone, mobile, e-mail) or None.
SITES10 = [
    (("Tesco Hypermarket Zlaté Piesky", "Cesta na Senec 2", "Bratislava", "BL", "821 04", "48.1672", "17.1834",
      "+421 2 4820 1100"), ("Martin", "Kostolný", "On-Site", "+421 2 4820 1133", "+421 905 334 120",
                            "martin.kostolny@tesco.sk")),
    (("Poliklinika Trnava", "Starohájska 2", "Trnava", "TA", "917 01", "48.3688", "17.5912", "+421 33 593 1111"),
     ("Eva", "Šimková", "Management", "", "+421 908 410 227", "simkova@poliklinika-tt.sk")),
    (("Kaufland Žilina Hliny", "Veľká okružná 59", "Žilina", "ZI", "010 01", "49.2203", "18.7431", ""),
     ("Juraj", "Hanuliak", "On-Site", "", "+421 911 205 618", "juraj.hanuliak@kaufland.sk")),
    (("Hotel Patria Štrbské Pleso", "Štrbské Pleso 27", "Vysoké Tatry", "PV", "059 85", "49.1207", "20.0629",
      "+421 52 784 8999"), ("Peter", "Glevaňák", "Owner", "+421 52 784 8911", "+421 903 644 015",
                            "riaditel@hotelpatria.sk")),
    (("ZŠ Komenského Nitra", "Komenského 6", "Nitra", "NI", "949 01", "48.3079", "18.0870", "+421 37 652 2240"),
     ("Lucia", "Vargová", "Scheduling", "+421 37 652 2241", "", "lucia.vargova@zskomnr.sk")),
    (("Aupark Košice", "Námestie osloboditeľov 1", "Košice", "KI", "040 01", "48.7166", "21.2598", ""),
     ("Marek", "Danko", "On-Site", "+421 55 720 3300", "+421 915 830 442", "marek.danko@aupark.sk")),
    (("Skladový areál Senec", "Diaľničná cesta 22", "Senec", "BL", "903 01", "48.2130", "17.3950",
      "+421 2 4020 6600"), None),
    (("Nemocnica Banská Bystrica, pavilón B", "Námestie L. Svobodu 1", "Banská Bystrica", "BC", "975 17",
      "48.7392", "19.1478", "+421 48 441 1111"), ("Ján", "Urbančok", "Financial", "+421 48 441 2050",
                                                   "+421 907 118 330", "urbancok@nspbb.sk")),
    (("Mestský úrad Trenčín", "Mierové námestie 2", "Trenčín", "TC", "911 64", "48.8945", "18.0444",
      "+421 32 650 4111"), ("Zuzana", "Kršková", "Management", "+421 32 650 4215", "",
                            "zuzana.krskova@trencin.sk")),
    (("Penzión Pod Lipou", "Hlavná 14", "Bardejov", "PV", "085 01", "49.2921", "21.2755", ""),
     ("Milan", "Dzurko", "Owner", "", "+421 918 502 774", "")),
    (("Slovnaft, brána 3", "Vlčie hrdlo 1", "Bratislava", "BL", "824 12", "48.1330", "17.1660", "+421 2 4055 1111"),
     ("Radoslav", "Mikuš", "On-Site", "+421 2 4055 8120", "+421 917 220 036", "radoslav.mikus@slovnaft.sk")),
    (("Gymnázium Ľudovíta Štúra", "1. mája 170/2", "Trenčín", "TC", "911 01", "48.8950", "18.0400", ""),
     ("Katarína", "Bieliková", "Scheduling", "+421 32 743 4400", "", "bielikova@gymtn.sk")),
    (("Logistické centrum Nitra-Sever", "Priemyselná 14", "Nitra", "NI", "949 01", "48.3402", "18.0655",
      "+421 37 692 7000"), None),
    (("OC Mirage", "Národná 12", "Žilina", "ZI", "010 01", "49.2230", "18.7400", "+421 41 500 2300"),
     ("Tomáš", "Belko", "On-Site", "", "+421 949 660 318", "tomas.belko@mirage.sk")),
    (("Kúpele Piešťany, Thermia Palace", "Kúpeľný ostrov 1", "Piešťany", "TA", "921 29", "48.5960", "17.8420",
      "+421 33 775 1111"), ("Andrea", "Pavlíková", "Owner", "+421 33 775 2201", "+421 905 778 014",
                            "andrea.pavlikova@spa-piestany.sk")),
]

# Clients of a Silesian renovation firm: private households and firms with a contact (two firms alone).
CLIENTS10 = [
    pp("Tomasz", "Mazur", "+48 601 334 870", "tomasz.mazur@gmail.com", ("ul. Kasztanowa 12", "Gliwice", "44-100",
                                                                      "", "śląskie")),
    pp("Agata", "Kubica", "+48 508 220 415", "agata.kubica@wp.pl", ("ul. Polna 3", "Pyskowice", "44-120", "",
                                                                  "śląskie")),
    pp("Krzysztof", "Wojtala", "+48 693 410 522", "k.wojtala@bud-wojtala.pl", ("ul. Przemysłowa 8", "Zabrze",
                                                                               "41-800", "", "śląskie"),
       org="Wojtala Budownictwo Sp. z o.o.", job="Prezes", work="+48 32 271 33 00", url="http://bud-wojtala.pl"),
    pp("Magdalena", "Pietrzyk", "+48 512 887 300", "magda.pietrzyk@onet.pl", ("ul. Słoneczna 44", "Mikołów",
                                                                              "43-190", "", "śląskie")),
    pp("Paweł", "Gajda", "+48 602 155 904", "pawel.gajda@hotel-silesia.pl", ("ul. Zwycięstwa 20", "Gliwice",
                                                                             "44-100", "", "śląskie"),
       org="Hotel Silesia Gliwice", job="Kierownik techniczny", work="+48 32 330 44 10"),
    pp("Joanna", "Szczepanik", "+48 788 012 645", "", ("ul. Lipowa 7", "Knurów", "44-190", "", "śląskie")),
    ff("Przedszkole Miejskie nr 4 w Rybniku", "+48 32 422 17 65", "pm4@rybnik.edu.pl",
       ("ul. Kościuszki 31", "Rybnik", "44-200", "", "śląskie")),
    pp("Andrzej", "Skowronek", "+48 600 721 338", "andrzej.skowronek@gmail.com", ("ul. Mickiewicza 19",
                                                                                  "Bytom", "41-902", "", "śląskie")),
    pp("Beata", "Lach", "+48 605 994 213", "b.lach@apteka-zdrowie.pl", ("ul. Wolności 102", "Zabrze", "41-800",
                                                                        "", "śląskie"),
       org="Apteka Zdrowie s.c.", job="Właścicielka"),
    pp("Grzegorz", "Pyka", "+48 697 330 118", "grzegorz.pyka@interia.pl", ("ul. Wiejska 5", "Sośnicowice",
                                                                            "44-153", "", "śląskie")),
    ff("Wspólnota Mieszkaniowa Zwycięstwa 14", "+48 32 231 90 40", "wm.zwyciestwa14@zarzadca.pl",
       ("ul. Zwycięstwa 14", "Gliwice", "44-100", "", "śląskie")),
    pp("Katarzyna", "Badura", "+48 511 604 927", "kasia.badura@gmail.com", ("ul. Ogrodowa 28", "Tarnowskie Góry",
                                                                            "42-600", "", "śląskie")),
    pp("Marek", "Kołodziej", "+48 694 218 506", "m.kolodziej@kolodziej-auto.pl", ("ul. Toszecka 101",
                                                                                  "Gliwice", "44-100", "",
                                                                                  "śląskie"),
       org="Kołodziej Auto Serwis", job="Właściciel", work="+48 32 238 51 15"),
    pp("Ewelina", "Ślusarczyk", "+48 535 702 441", "ewelina.slusarczyk@o2.pl", ("ul. Różana 2", "Chorzów",
                                                                                 "41-500", "", "śląskie")),
    pp("Dariusz", "Bednorz", "+48 602 409 771", "", ("ul. Leśna 16", "Pilchowice", "44-145", "", "śląskie")),
]

# Client accounts of a Vienna cleaning firm in Austria and Hungary, with the firm's own account managers.
MANAGERS10 = [("Sabine", "Hofer", "s.hofer@glanzwerk.at", "+43 1 604 22 70 11"),
              ("Zoltán", "Kerekes", "z.kerekes@glanzwerk.at", "+43 1 604 22 70 14")]
ACCOUNTS10 = [
    pp("Gerhard", "Wieser", "+43 664 201 4470", "g.wieser@donauplaza.at", ("Wagramer Straße 94", "Wien", "1220",
                                                                          "Austria"),
       org="Donauplaza Bürocenter GmbH", work="+43 1 203 45 00"),
    pp("Elisabeth", "Moser", "", "elisabeth.moser@ordination-moser.at", ("Landstraßer Hauptstraße 71", "Wien",
                                                                         "1030", "Austria"),
       org="Ordination Dr. Moser", work="+43 1 712 66 81"),
    ff("Hausverwaltung Berger & Partner", adr=("Neubaugasse 12", "Wien", "1070", "Austria")),
    pp("Markus", "Steindl", "+43 676 330 1912", "markus.steindl@autohaus-steindl.at", ("Triester Straße 301",
                                                                                      "Wien", "1230", "Austria"),
       org="Autohaus Steindl KG"),
    pp("Anikó", "Horváth", "+36 30 418 2250", "aniko.horvath@dunairoda.hu", ("Váci út 33.", "Budapest", "1134",
                                                                             "Hungary"),
       org="Duna Irodaház Kft.", work="+36 1 450 3300"),
    pp("Barbara", "Koller", "+43 699 104 5521", "b.koller@kanzlei-koller.at", ("Schottenring 16", "Wien", "1010",
                                                                               "Austria"),
       org="Kanzlei Koller Rechtsanwälte"),
    pp("Péter", "Fodor", "+36 20 511 7834", "fodor.peter@gyorplaza.hu", ("Vasvári Pál utca 1/a", "Győr", "9024",
                                                                         "Hungary"),
       org="Győr Pláza Üzemeltető Kft."),
    ff("Volksschule Bernhardtstalgasse", adr=("Bernhardtstalgasse 16", "Wien", "1100", "Austria")),
    pp("Christian", "Ebner", "", "christian.ebner@hotel-ebner.at", ("Mariahilfer Straße 156", "Wien", "1150",
                                                                    "Austria"),
       org="Hotel Ebner Westbahnhof", work="+43 1 892 33 44"),
    pp("Katalin", "Szilágyi", "+36 70 224 9031", "szilagyi.katalin@mom-park.hu", ("Alkotás utca 53.", "Budapest",
                                                                                  "1123", "Hungary"),
       org="MOM Park Irodaház Kft.", work="+36 1 487 5500"),
    pp("Wolfgang", "Lechner", "+43 664 880 2315", "w.lechner@lechner-logistik.at", ("Industriestraße 7",
                                                                                    "Schwechat", "2320",
                                                                                    "Austria"),
       org="Lechner Logistik GmbH"),
    pp("Eszter", "Molnár", "", "molnar.eszter@pannonklinika.hu", ("Szent István körút 12.", "Budapest", "1137",
                                                                  "Hungary"),
       org="Pannon Klinika Zrt.", work="+36 1 349 2200"),
    pp("Thomas", "Gruber", "+43 676 551 0083", "thomas.gruber@fitness-west.at", ("Hütteldorfer Straße 130",
                                                                                 "Wien", "1140", "Austria"),
       org="Fitnesscenter West GmbH"),
    ff("Mátyás Ház Társasház", adr=("Mátyás tér 4.", "Budapest", "1084", "Hungary")),
    pp("Ingrid", "Pichler", "+43 699 302 7716", "ingrid.pichler@steuerberatung-pichler.at",
       ("Kärntner Ring 5", "Wien", "1010", "Austria"), org="Steuerberatung Pichler & Co KG", work="+43 1 512 40 90"),
]

# Guests of a Zagreb restaurant: mobile, sometimes a second number, the address for some, birthdays.
GUESTS10 = [
    pp(g, f, c, e, a, home=h, birthday=b) for g, f, c, h, e, a, b in (
        ("Ivana", "Horvat", "+385 91 330 2781", "", "ivana.horvat@gmail.com", ("Ilica 112", "Zagreb", "10000", ""),
         (1988, 4, 21)),
        ("Marko", "Babić", "+385 98 172 4405", "+385 1 4655 210", "marko.babic@t-com.hr", None, (1979, 11, 3)),
        ("Petra", "Knežević", "+385 95 881 0372", "", "petra.knezevic@gmail.com", ("Vlaška 40", "Zagreb", "10000",
                                                                                   ""), (1993, 2, 14)),
        ("Dario", "Šarić", "+385 99 604 1128", "", "", None, None),
        ("Maja", "Pavlović", "+385 91 775 6640", "", "maja.pavlovic@yahoo.com", ("Ulica Ivana Gundulića 8",
                                                                                 "Velika Gorica", "10410", ""),
         (1985, 7, 9)),
        ("Tomislav", "Vuković", "+385 92 318 9057", "+385 1 3821 405", "tvukovic@hep.hr", None, (1970, 1, 30)),
        ("Ana", "Marić", "", "", "ana.maric@gmail.com", None, (1996, 9, 12)),
        ("Goran", "Jurković", "+385 98 930 2216", "", "goran.jurkovic@gmail.com", ("Savska cesta 41", "Zagreb",
                                                                                  "10000", ""), None),
        ("Helena", "Tomić", "+385 91 402 8830", "", "helena.tomic@net.hr", None, (1982, 5, 27)),
        ("Ivan", "Perković", "+385 95 217 6691", "+385 1 6608 144", "", ("Avenija Dubrovnik 15", "Zagreb",
                                                                          "10020", ""), (1975, 12, 8)),
        ("Lana", "Kovačić", "+385 99 811 2045", "", "lana.kovacic@gmail.com", None, (2000, 3, 3)),
        ("Zoran", "Radić", "+385 91 556 3019", "", "zoran.radic@iskon.hr", ("Zagrebačka 22", "Samobor", "10430",
                                                                            ""), (1968, 8, 16)),
        ("Martina", "Lovrić", "+385 98 760 4412", "", "martina.lovric@gmail.com", None, None),
        ("Nikola", "Grgurić", "+385 92 404 7781", "", "nikola.grguric@gmail.com", ("Trg bana Jelačića 3", "Zagreb",
                                                                                  "10000", ""), (1991, 10, 19)),
        ("Sanja", "Bošnjak", "+385 95 330 9126", "+385 1 2345 678", "sanja.bosnjak@kbc-zagreb.hr", None,
         (1984, 6, 2)))]

# Readers of a Prague travel magazine, some subscribed by an agency, a few sending it to another address.
READERS10 = [
    pp(g, f, c, e, (s, t, z, k)) for g, f, c, e, s, t, z, k in (
        ("Jakub", "Novotný", "+420 604 218 335", "jakub.novotny@seznam.cz", "Korunní 88", "Praha", "130 00", "CZ"),
        ("Veronika", "Machová", "+420 731 904 226", "veronika.machova@email.cz", "Cejl 41", "Brno", "602 00", "CZ"),
        ("Ondřej", "Pokorný", "", "ondrej.pokorny@gmail.com", "Husova 12", "Liberec", "460 01", "CZ"),
        ("Tereza", "Kučerová", "+420 777 510 648", "tereza.kucerova@centrum.cz", "Masarykova 215", "Pardubice",
         "530 02", "CZ"),
        ("Michal", "Beneš", "+420 602 330 917", "michal.benes@seznam.cz", "Palackého 7", "Olomouc", "779 00", "CZ"),
        ("Lenka", "Svobodová", "+420 736 120 884", "lenka.svobodova@volny.cz", "Nádražní 23", "Ostrava",
         "702 00", "CZ"),
        ("Filip", "Dušek", "", "filip.dusek@gmail.com", "Jiráskova 9", "Hradec Králové", "500 02", "CZ"),
        ("Barbora", "Kratochvílová", "+420 725 443 190", "b.kratochvilova@seznam.cz", "Sokolská 1602", "Zlín",
         "760 01", "CZ"),
        ("Matúš", "Kováčik", "+421 905 612 337", "matus.kovacik@gmail.com", "Dunajská 14", "Bratislava", "811 08",
         "SK"),
        ("Simona", "Hudecová", "+421 907 884 015", "simona.hudecova@azet.sk", "Hlavná 66", "Prešov", "080 01",
         "SK"),
        ("Adam", "Řezníček", "+420 608 771 052", "adam.reznicek@email.cz", "Vídeňská 102", "České Budějovice",
         "370 01", "CZ"),
        ("Klára", "Zemanová", "+420 739 265 801", "klara.zemanova@gmail.com", "Bělehradská 58", "Praha",
         "120 00", "CZ"),
        ("Roman", "Slanina", "+421 918 332 604", "roman.slanina@azet.sk", "Štúrova 3", "Košice", "040 01", "SK"),
        ("Hana", "Vlčková", "+420 724 098 163", "hana.vlckova@seznam.cz", "Plzeňská 177", "Praha", "150 00", "CZ"),
        ("Daniel", "Jelínek", "+420 603 550 274", "daniel.jelinek@post.cz", "Komenského 30", "Jihlava",
         "586 01", "CZ"))]
# Readers who have the magazine sent elsewhere (their office), by row.
SHIPPED10 = {2: ("Údolní 53", "Brno", "602 00", "CZ"), 7: ("Gočárova třída 1754", "Hradec Králové", "500 02",
                                                            "CZ"), 12: ("Vinohradská 184", "Praha", "130 00", "CZ")}

# Clients of a Kraków hair salon as the stylists typed them.
SALON10 = [
    pp(g, f, c, e) for g, f, c, e in (
        ("Aleksandra", "Zając", "601 224 781", "ola.zajac@gmail.com"), ("Natalia", "Kruk", "+48 512 330 904", ""),
        ("Monika", "", "698 110 452", ""), ("Karolina", "Gil", "503-227-118", "karolina.gil@wp.pl"),
        ("Dominika", "Bielecka", "604 998 315", "dominika.bielecka@onet.pl"),
        ("Weronika", "Sroka", "+48 600 441 273", "weronika.sroka@gmail.com"),
        ("Patrycja", "Wrona", "", "patrycja.wrona@interia.pl"), ("Iwona", "Kaczor", "12 421 55 08", ""),
        ("Julia", "Sowa", "733 902 114", "julia.sowa@gmail.com"), ("Marta", "Chmiel", "+48 666 015 432", ""),
        ("Bartek", "Nowacki", "509 774 266", "bartek.nowacki@gmail.com"),
        ("Zuzanna", "Dudek", "792 330 518", "zuzia.dudek@o2.pl"), ("Renata", "", "", "renata.k@poczta.fm"),
        ("Elżbieta", "Kulig", "12 656 30 77", ""), ("Oliwia", "Mróz", "+48 535 880 126", "oliwia.mroz@gmail.com"),
        ("Kamil", "Żak", "601-550-903", "kamil.zak@op.pl"))]

# Mail users of a Brno engineering firm: login, full name, department, aliases, groups.
STAFF10 = [
    ("jnovak", "Jan Novák", "Vedení", "jnovak,jan.novak", "vedeni,all"),
    ("pdvorakova", "Petra Dvořáková", "Účtárna", "pdvorakova,ucetni", "ucetni,all"),
    ("mhorak", "Miroslav Horák", "Konstrukce", "mhorak", "konstrukce,all"),
    ("kcerna", "Kristýna Černá", "Obchod", "kcerna,kristyna.cerna,obchod", "obchod,all"),
    ("lmarek", "Lukáš Marek", "Konstrukce", "lmarek", "konstrukce,all"),
    ("zprochazkova", "Zdeňka Procházková", "Personální oddělení", "zprochazkova,personalni", "hr,all"),
    ("rkolar", "Radek Kolář", "IT", "rkolar,admin", "it,admin,all"),
    ("ehavlova", "Eliška Havlová", "Obchod", "ehavlova", "obchod,all"),
    ("vsedlacek", "Vojtěch Sedláček", "Výroba", "vsedlacek", "vyroba,all"),
    ("jfialova", "Jitka Fialová", "Recepce", "jfialova,recepce", "all"),
    ("tkriz", "Tomáš Kříž", "Výroba", "tkriz,tomas.kriz", "vyroba,all"),
    ("mjanouskova", "Markéta Janoušková", "Nákup", "mjanouskova,nakup", "nakup,all"),
    ("psimek", "Pavel Šimek", "Servis", "psimek", "servis,all"),
    ("avanek", "Alena Vaňková", "Účtárna", "avanek", "ucetni,all"),
    ("dbartos", "David Bartoš", "Konstrukce", "dbartos,david.bartos", "konstrukce,all"),
]
