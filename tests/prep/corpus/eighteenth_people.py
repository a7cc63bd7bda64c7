"""The people of the eighteenth held-out set, as each source holds them."""

# A Jihlava small-animal practice's owners as WinVet lists them: family, given, phone (as the reception typed
# it), mailbox, animal's name, species, breed, chip number (some animals without one).
OWNERS18 = [
    ("Habrmanová", "Alena", "603 418 227", "alena.habrmanova@seznam.cz", "Bella", "pes", "labradorský retrívr",
     "203094100127733"),
    ("Krejčí", "Vladimír", "+420 731 552 908", "", "Mourek", "kočka", "evropská krátkosrstá", ""),
    ("Štefánková", "Jarmila", "567 300 415", "j.stefankova@email.cz", "Aron", "pes", "německý ovčák",
     "203098100441920"),
    ("Šlechta", "Pavel", "777 204 655", "pavel.slechta@gmail.com", "Ťapka", "pes", "jezevčík",
     "203094100218064"),
    ("Vokřálová", "Dagmar", "", "dagmar.vokralova@centrum.cz", "Líza", "kočka", "britská modrá", ""),
    ("Zedník", "Jaroslav", "608 911 370", "", "Rex", "pes", "kříženec", "203098100552107"),
    ("Beranová", "Michaela", "+420 724 108 336", "misa.beranova@seznam.cz", "Čiko", "morče", "", ""),
    ("Doležalová-Fialová", "Ivana", "736 418 902", "ivana.fialova@post.cz", "Dasty", "pes", "border kolie",
     "203094100390517"),
    ("Křivánek", "Luboš", "567 213 884", "", "Ferda", "králík", "zakrslý beran", ""),
    ("Nováčková", "Šárka", "605 702 113", "sarka.novackova@volny.cz", "Mici", "kočka", "perská", ""),
    ("Pospíšil", "Radim", "721 336 405", "radim.pospisil@gmail.com", "Baron", "pes", "bernský salašnický pes",
     "203098100617288"),
    ("Jirátková", "Ludmila", "567 308 221", "", "Pepíček", "andulka", "", ""),
    ("Řeháček", "Tomáš", "774 550 819", "tomas.rehacek@seznam.cz", "Max", "pes", "zlatý retrívr",
     "203094100472605"),
    ("Čechová", "Věra", "", "", "Micka", "kočka", "domácí", ""),
]

# A county's postal staff for the SMS tool: family, given, job, badge, phone, county, town, post office.
POSTAL18 = [
    ("Popescu", "Ion", "factor poștal", "PR-1", "0712 383 492", "Olt", "Slatina", "OP Slatina 3"),
    ("Ionescu", "Ana-Maria", "oficiant", "PR-2", "0733 111 222", "Olt", "Slatina", "OP Slatina 1"),
    ("Stănescu", "Gheorghe", "factor poștal", "PR-7", "+40 745 602 318", "Olt", "Caracal", "OP Caracal 1"),
    ("Dumitru", "Elena", "șef oficiu", "PR-9", "0249 431 200", "Olt", "Balș", "OP Balș"),
    ("Mihăilă", "Florin", "factor poștal", "PR-12", "0766 204 917", "Olt", "Corabia", "OP Corabia"),
    ("Țurcanu", "Mihaela", "oficiant", "PR-15", "0722 518 034", "Olt", "Slatina", "OP Slatina 3"),
    ("Neagu", "Constantin", "agent curierat", "PR-18", "0751 339 470", "Olt", "Scornicești", "OP Scornicești"),
    ("Bălan", "Ioana", "factor poștal", "PR-21", "0740 882 156", "Olt", "Drăgănești-Olt", "OP Drăgănești-Olt"),
    ("Vasilescu", "Marian", "șofer", "PR-22", "0728 403 661", "Olt", "Slatina", "OP Slatina 1"),
    ("Ciobanu", "Alexandra", "oficiant", "PR-25", "0769 117 382", "Olt", "Caracal", "OP Caracal 2"),
    ("Răduță", "Ștefan", "factor poștal", "PR-28", "0736 250 049", "Olt", "Potcoava", "OP Potcoava"),
    ("Georgescu", "Daniela", "diriginte", "PR-30", "0249 562 011", "Olt", "Caracal", "OP Caracal 1"),
    ("Pârvu", "Nicolae", "factor poștal", "PR-33", "0745 930 286", "Olt", "Piatra-Olt", "OP Piatra-Olt"),
]

# A Trnava chess club's players for the club tournament: given, family, mailbox, group, rating.
CHESS18 = [
    ("Ľubomír", "Ďurica", "lubomir.durica@gmail.com", "A", "2114"),
    ("Katarína", "Šimková", "simkova.katka@azet.sk", "A", "1987"),
    ("Matúš", "Kollár", "matus.kollar@centrum.sk", "A", "2032"),
    ("Peter", "Hudec", "", "B", "1766"),
    ("Jozef", "Bednárik", "jozef.bednarik@zoznam.sk", "B", "1804"),
    ("Zuzana", "Oravcová", "zuzana.oravcova@gmail.com", "B", "1652"),
    ("Šimon", "Kováčik", "simon.kovacik@zstrnava.sk", "C", "1420"),
    ("Ondrej", "Lacko", "ondrej.lacko@post.sk", "C", ""),
    ("Ema", "Čierna", "", "C", "1288"),
    ("Marek", "Púchovský", "marek.puchovsky@gmail.com", "B", "1711"),
    ("Tomáš", "Žiak", "tomas.ziak@azet.sk", "A", "2201"),
    ("Viera", "Gálová", "viera.galova@gmail.com", "C", "1350"),
    ("Dávid", "Mrázik", "david.mrazik@stuba.sk", "B", "1839"),
]

# The federation's persons for onboarding: mailbox, given, family, tracks (several in one cell).
FEDERATION18 = [
    ("jan.novak@sfz.sk", "Ján", "Novák", "Rozhodcovia 2026, Delegáti"),
    ("martina.hrubcova@sfz.sk", "Martina", "Hrubcová", "Nový zamestnanec"),
    ("igor.baran@gmail.com", "Igor", "Baran", "Rozhodcovia 2026"),
    ("lukas.stefanik@azet.sk", "Lukáš", "Štefánik", "Rozhodcovia 2026"),
    ("miroslav.toth@sfz.sk", "Miroslav", "Tóth", "Delegáti"),
    ("andrea.kmetova@sfz.sk", "Andrea", "Kmeťová", "Nový zamestnanec, Rozhodcovia 2026"),
    ("r.palka@centrum.sk", "Róbert", "Páľka", "Rozhodcovia 2026"),
    ("vladimir.hornak@sfz.sk", "Vladimír", "Horňák", "Delegáti"),
    ("simona.ballova@gmail.com", "Simona", "Bállová", "Rozhodcovia 2026"),
    ("eduard.sykora@sfz.sk", "Eduard", "Sýkora", "Nový zamestnanec"),
    ("jana.drahosova@sfz.sk", "Jana", "Drahošová", "Delegáti, Nový zamestnanec"),
    ("filip.cernak@gmail.com", "Filip", "Čerňák", "Rozhodcovia 2026"),
    ("pavol.krajci@sfz.sk", "Pavol", "Krajčí", "zaklad"),
    ("dominika.uhrova@azet.sk", "Dominika", "Uhrová", "Rozhodcovia 2026"),
]

# A Vienna transport firm's drivers: staff id, family, given, phone, mailbox, postal code.
DRIVERS18 = [
    ("EMP-001", "Gruber", "Thomas", "+43 664 5120 338", "thomas.gruber@gmx.at", "1100"),
    ("EMP-002", "Novaković", "Dragan", "+43 676 3302 118", "dragan.novakovic@gmail.com", "1160"),
    ("EMP-004", "Huber", "Sabine", "+43 699 1420 7765", "sabine.huber@aon.at", "1210"),
    ("EMP-007", "Kovačević", "Ivana", "+436604415902", "ivana.kovacevic@gmx.at", "1200"),
    ("EMP-009", "Wimmer", "Christoph", "0664 230 5581", "c.wimmer@chello.at", "2320"),
    ("EMP-010", "Yılmaz", "Mehmet", "+43 660 812 4409", "mehmet.yilmaz@gmail.com", "1150"),
    ("EMP-012", "Pichler-Hofbauer", "Martina", "+43 650 224 1897", "martina.pichler@a1.net", "1030"),
    ("EMP-015", "Nowak", "Krzysztof", "+48 601 772 315", "krzysztof.nowak@wp.pl", "1140"),
    ("EMP-016", "Szabó", "Gergely", "+36 30 415 8872", "szabo.gergely@freemail.hu", "2460"),
    ("EMP-018", "Leitner", "Andreas", "+43 664 8821 004", "andreas.leitner@gmx.at", "01230"),
    ("EMP-021", "Horvat", "Marko", "+43 676 7715 220", "marko.horvat@gmail.com", "1100"),
    ("EMP-022", "Stojanović", "Milica", "+43 681 2033 6410", "milica.stojanovic@gmx.at", ""),
    ("EMP-025", "Brandstetter", "Josef", "+43 664 1302 775", "josef.brandstetter@aon.at", "3400"),
    ("EMP-027", "Dvořák", "Petr", "+420 606 771 204", "petr.dvorak@seznam.cz", "1020"),
]

# A Leipzig studio's visitors entered twice: the report's three counts, id, customer number, salutation, family,
# given, phone, mailbox, active flag, taken on, last visit.
VISITORS18 = [
    ("2", "1", "1", "311", "K-10311", "Frau", "Schulze", "Katrin", "0341 2234 118", "katrin.schulze@web.de", "1",
     "2024-03-11", "2026-05-02"),
    ("2", "1", "1", "1207", "K-11207", "Frau", "Schulze", "Katrin", "0341 2234 118", "k.schulze@gmx.de", "0",
     "2025-09-30", "2025-10-14"),
    ("2", "2", "2", "415", "K-10415", "Herr", "Müller", "Jürgen", "0172 5530 221", "juergen.mueller@t-online.de",
     "1", "2024-04-02", "2026-04-27"),
    ("2", "2", "2", "1310", "K-11310", "Herr", "Müller", "Jürgen", "0172 5530 221", "juergen.mueller@t-online.de",
     "1", "2025-11-05", "2026-03-19"),
    ("2", "1", "0", "522", "K-10522", "Frau", "Weißenborn", "Anja", "0157 3318 4402", "anja.weissenborn@gmail.com",
     "1", "2024-05-17", "2026-05-06"),
    ("2", "0", "0", "1342", "K-11342", "Frau", "Weißenborn", "Anja", "", "", "1", "2025-12-01", ""),
    ("2", "1", "1", "618", "K-10618", "Herr", "Öztürk", "Emre", "0176 2240 9917", "emre.oeztuerk@web.de", "1",
     "2024-06-20", "2026-04-30"),
    ("2", "1", "1", "1405", "K-11405", "Herr", "Öztürk", "Emre", "0176 2240 9917", "", "0", "2026-01-14",
     "2026-01-14"),
    ("2", "1", "1", "702", "K-10702", "Frau", "Lehmann", "Franziska", "0341 9012 337", "franzi.lehmann@posteo.de",
     "1", "2024-07-08", "2026-05-04"),
    ("2", "1", "1", "1498", "K-11498", "Frau", "Lehmann", "Franziska", "0341 9012 337", "franzi.lehmann@posteo.de",
     "1", "2026-02-21", "2026-02-21"),
    ("2", "0", "0", "833", "K-10833", "Herr", "Kühn", "Sebastian", "0160 4417 203", "s.kuehn@freenet.de", "1",
     "2024-08-29", "2026-03-08"),
    ("2", "0", "0", "1502", "K-11502", "Herr", "Kühn", "Sebastian", "0341 4418 590", "", "1", "2026-02-27", ""),
    ("2", "1", "1", "904", "K-10904", "Frau", "Dvořáková", "Lenka", "+420 603 221 907", "lenka.dvorakova@seznam.cz",
     "1", "2024-09-12", "2026-04-11"),
    ("2", "1", "1", "1533", "K-11533", "Frau", "Dvořáková", "Lenka", "+420 603 221 907", "", "1", "2026-03-15",
     "2026-03-15"),
]

# A Dresden utility's homes not yet read: person id (0 where no person is known), meter, family, given, phone as
# the program writes it (an int: no leading zero, 0 where none), street, house number, done.
METERS18 = [
    ("17", "1ESY1160427311", "Bergmann", "Helga", "3518041227", "Bautzner Straße", "41", "0"),
    ("23", "1ESY1160431905", "Richter", "Werner", "1715520418", "Bautzner Straße", "43", "0"),
    ("0", "1ESY1160432218", "null", "null", "0", "Bautzner Straße", "45", "0"),
    ("31", "1ESY1160440167", "Köhler", "Sven", "1607731940", "Glacisstraße", "12", "0"),
    ("34", "1ESY1160440889", "Schönfeld", "Ingrid", "351563301", "Glacisstraße", "14", "0"),
    ("38", "1ESY1160451002", "Großmann", "Dieter", "0", "Hoyerswerdaer Straße", "3", "0"),
    ("40", "1ESY1160451377", "Pfennig", "Ute", "1523308842", "Hoyerswerdaer Straße", "5", "0"),
    ("0", "1ESY1160452290", "null", "null", "0", "Hoyerswerdaer Straße", "7", "0"),
    ("45", "1ESY1160460518", "Nguyen", "Van Duc", "1766204581", "Königsbrücker Straße", "28", "0"),
    ("47", "1ESY1160461133", "Wagner-Lößnitz", "Birgit", "3518473310", "Königsbrücker Straße", "30", "0"),
    ("52", "1ESY1160470092", "Schreiber", "Klaus", "351802211", "Alaunstraße", "9", "0"),
    ("55", "1ESY1160470847", "Jähnig", "Monika", "1704412095", "Alaunstraße", "11", "0"),
    ("58", "1ESY1160471526", "Zimmermann", "Paul", "1629903318", "Alaunstraße", "13", "0"),
    ("61", "1ESY1160480011", "Hübner", "Gisela", "351804477", "Louisenstraße", "2", "0"),
    ("64", "1ESY1160480734", "Lorenz", "Matthias", "1577320485", "Louisenstraße", "4", "0"),
]

# A phone's contacts saved as a Czech CSV: given, family, phone. Some entries as people save them on a phone: a
# first name alone, a nickname, a firm in the family name's place.
PHONEBOOK18 = [
    ("Jiří", "Dvořák", "+420 737 104 552"),
    ("Máma", "", "+420 604 228 913"),
    ("Kateřina", "Zelená", "+420 776 310 448"),
    ("Ondřej", "Šťastný", "608 455 120"),
    ("Pavla", "Hrušková", "+420 721 900 314"),
    ("Instalatér", "Kubíček", "+420 603 557 201"),
    ("Radka", "Nováková", "+420 739 218 066"),
    ("Vojta", "", "+420 775 402 993"),
    ("Milan", "Čermák", "+420 602 118 450"),
    ("Lucie", "Benešová", "+421 905 318 772"),
    ("Zdeněk", "Král", "+420 731 660 245"),
    ("Hana", "Vondrová", "+420 724 099 518"),
    ("Tomáš", "Řezníček", "+420 777 301 842"),
    ("Eva", "Jelínková", "+49 151 2230 7741"),
]
