"""The people of the sixteenth held-out set, as each source holds them."""

# A Ljubljana consultancy's questionnaire leads: given, family, mailbox, phone (as typed), company.
LEADS16 = [
    ("Matej", "Kovačič", "matej.kovacic@kovinar-vransko.si", "041 522 318", "Kovinar Vransko d.o.o."),
    ("Nina", "Zupančič", "nina.zupancic@gmail.com", "", ""),
    ("Tadej", "Horvat", "tadej@mizarstvo-horvat.si", "+386 31 744 210", "Mizarstvo Horvat s.p."),
    ("Špela", "Kranjc", "spela.kranjc@elektro-kranjc.si", "040 118 905", "Elektro Kranjc d.o.o."),
    ("Žiga", "Potočnik", "ziga.potocnik@siol.net", "051 330 772", ""),
    ("Urška", "Mlakar", "urska.mlakar@lesnina-celje.si", "03 428 11 50", "Lesnina Celje d.d."),
    ("Andrej", "Vidmar", "andrej.vidmar@vidmar-transport.si", "", "Vidmar Transport d.o.o."),
    ("Mojca", "Kos", "mojca.kos@pekarna-kos.si", "+386 41 902 417", "Pekarna Kos"),
    ("Boštjan", "Golob", "bostjan.golob@golob-inzeniring.si", "068 155 209", "Golob inženiring d.o.o."),
    ("Tjaša", "Turk", "tjasa.turk@t-2.net", "031 207 664", ""),
    ("Rok", "Žagar", "rok.zagar@zagar-avto.si", "041 660 083", "Avtohiša Žagar d.o.o."),
    ("Petra", "Bizjak Šuštar", "petra.bizjak@ortopedija-bs.si", "01 423 55 80", "Ortopedija B&Š d.o.o."),
    ("Gašper", "Kolar", "gasper.kolar@kolar-gradnje.si", "040 772 361", "Kolar gradnje d.o.o."),
]

# A Cluj family practice's patients as the spreadsheet holds them: family, given, CNP (one as Excel shows a
# 13-digit number), phone (as typed: at home, +40, a landline, two in one cell, none).
PATIENTS16 = [
    ("Mureșan", "Ioana", "2850314125781", "0745 218 330"),
    ("Pop", "Ana Maria", "6020717124410", "0722 118 406 / 0264 430 118"),
    ("Țîrlea", "Ștefan", "1670922125803", "0264 591 220"),
    ("Sabău", "Mihai", "1780503124418", "+40 733 905 117"),
    ("Pop-Moldovan", "Elena", "2910111125539", "0751 204 662"),
    ("Crișan", "Gheorghe", "1520608120075", ""),
    ("Bălan", "Raluca", "2880229125406", "0766 318 045"),
    ("Rus", "Vasile", "1,60123E+12", "0740 552 901"),
    ("Moldovan", "Andreea Ioana", "6050412125092", "0723 660 418"),
    ("Oltean", "Florin", "1830817124766", "+40 744 120 309"),
    ("Câmpean", "Maria", "2491203120014", "0264 532 871"),
    ("Szabó", "Attila", "1751030124401", "0728 901 336"),
    ("Dumitrescu", "Cristina", "2930505125617", "0756 013 722"),
    ("Onu", "Lucian", "5080119125233", "0741 870 254"),
]

# A Romanian ticketing app's users: id, role, user name, password, family, given, mailbox, phone, organisations.
USERS16 = [
    ("1", "ADMIN", "admin", "admin123", "Ionescu", "Radu", "radu.ionescu@bilete-cluj.ro", "0740 100 200", ""),
    ("2", "ORGANIZATOR", "jazzcluj", "Jazz2026!", "Mărginean", "Dorin", "dorin@jazzcluj.ro", "0744 318 905",
     "Asociația Jazz in the Park"),
    ("3", "ORGANIZATOR", "filarmonica", "Simfonia#9", "Vlad", "Corina", "corina.vlad@filarmonica-cluj.ro",
     "0264 430 060", "Filarmonica de Stat Transilvania"),
    ("4", "AGENT_CHECK_IN", "agent.sala", "poarta1", "Nistor", "Bogdan", "bogdan.nistor@gmail.com", "0755 620 118",
     ""),
    ("5", "CLIENT", "andreeap", "andreea95", "Pătrașcu", "Andreea", "andreea.patrascu@yahoo.com", "0721 904 336", ""),
    ("6", "CLIENT", "tudor.s", "tudor!2026", "Suciu", "Tudor", "tudor.suciu@gmail.com", "", ""),
    ("7", "CLIENT", "ilinca", "ilinca2003", "Hossu", "Ilinca", "ilinca.hossu@student.ubbcluj.ro", "0770 215 448", ""),
    ("8", "ORGANIZATOR", "teatrulmaghiar", "Szinhaz2026", "Kovács", "Réka", "kovacs.reka@huntheater.ro",
     "0264 593 468", "Teatrul Maghiar de Stat Cluj"),
    ("9", "CLIENT", "mircea.d", "parola", "Dobre", "Mircea", "mircea.dobre@outlook.com", "+40 745 771 093", ""),
    ("10", "AGENT_CHECK_IN", "agent.intrare2", "poarta2", "Chiorean", "Larisa", "larisa.chiorean@gmail.com",
     "0766 402 917", ""),
    ("11", "CLIENT", "georgianab", "gb1999", "Bercea", "Georgiana", "georgiana.bercea@gmail.com", "0731 558 206", ""),
    ("12", "CLIENT", "sebi.t", "sebi123", "Todea", "Sebastian", "sebastian.todea@yahoo.ro", "0749 060 384", ""),
    ("13", "CLIENT", "oanam", "Oana!88", "Man", "Oana", "oana.man@gmail.com", "0722 871 530", ""),
]

# A Žilina grammar school's pupils of one class: given, family, mailbox (one in capitals as typed).
PUPILS16 = [
    ("Adam", "Bednár", "adam.bednar@gymza.sk"), ("Barbora", "Čierna", "barbora.cierna@gymza.sk"),
    ("Dávid", "Ďurčo", "david.durco@gymza.sk"), ("Ema", "Hlinková", "ema.hlinkova@gymza.sk"),
    ("Filip", "Jánošík", "filip.janosik@gymza.sk"), ("Hana", "Kubíková", "HANA.KUBIKOVA@GYMZA.SK"),
    ("Jakub", "Lauko", "jakub.lauko@gymza.sk"), ("Ľubica", "Mikulová", "lubica.mikulova@gymza.sk"),
    ("Matúš", "Oravec", "matus.oravec@gymza.sk"), ("Natália", "Pavlíková", "natalia.pavlikova@gymza.sk"),
    ("Patrik", "Rybár", "patrik.rybar@gymza.sk"), ("Simona", "Šuláková", "simona.sulakova@gymza.sk"),
    ("Šimon", "Tóth", "simon.toth@gymza.sk"), ("Viktória", "Uhrínová", "viktoria.uhrinova@gymza.sk"),
    ("Tomáš", "Žiak", "tomas.ziak@gymza.sk"),
]

# A Timișoara choir's contacts in its portal: given, family, mailbox, phone (in any form, as the page allows).
CHOIR16 = [
    ("Maria", "Popescu", "maria.popescu@exemplu.ro", "0722 123 456"),
    ("Ion", "Ionescu", "", "0733111222"),
    ("Alexandra", "Stănescu", "alexandra.stanescu@gmail.com", "+40722905118"),
    ("Cătălin", "Georgescu", "catalin.georgescu@yahoo.com", "0744 215 903"),
    ("Ileana", "Drăgan", "ileana.dragan@gmail.com", ""),
    ("Răzvan", "Munteanu", "razvan.munteanu@upt.ro", "0256 403 211"),
    ("Diana", "Lungu", "diana.lungu@gmail.com", "+40 755 318 662"),
    ("Zoltán", "Farkas", "farkas.zoltan@freemail.hu", "+36 30 455 1290"),
    ("Laura", "Iordache", "laura.iordache@e-uvt.ro", "0768 220 417"),
    ("Sorin", "Vasilescu", "", "0727 630 095"),
    ("Gabriela", "Nedelcu", "gabriela.nedelcu@gmail.com", "0741.302.558"),
    ("Emil", "Brânzei", "emil.branzei@yahoo.com", "0723 419 770"),
]
