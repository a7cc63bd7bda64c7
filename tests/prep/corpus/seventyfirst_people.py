"""The people of the seventy-first held-out set, as each source holds them."""

# A Birmingham rail-industry conference's attendees (Conbop): title, given, family, mailbox, phone, company, bio,
# attendee-only note, groups, web page (the one link's url), speaker id, attendee id, speaker flag.
CONBOP71 = [
    ("Dr", "Helen", "Whitfield", "h.whitfield@railresearch.ac.uk", "+44 121 414 3344", "University of Birmingham",
     "<p>Leads the rail systems research group.</p>", "Your badge is at desk B.", "Speakers,Delegates",
     "https://www.birmingham.ac.uk/rail", "[S101]", "[A2001]", "Yes"),
    ("Ing.", "Tomáš", "Kovář", "tomas.kovar@kovar-rail.cz", "+420 602 345 678", "Kovář Rail s.r.o.",
     "Signalling engineer, 20 years in ETCS.", "", "Delegates,Exhibitors", "https://www.kovar-rail.cz", "",
     "[A2002]", "No"),
    ("", "Gary", "Holt", "gary.holt@networkrail.co.uk", "+44 7700 900412", "Network Rail", "", "", "Delegates", "",
     "", "[A2003]", "No"),
    ("Prof.", "Agnieszka", "Wróblewska", "a.wroblewska@pw.edu.pl", "+48 22 234 72 11", "Politechnika Warszawska",
     "Works on timetable optimisation, freight and passenger.", "Dinner: vegetarian.", "Speakers",
     "https://www.pw.edu.pl", "[S102]", "[A2004]", "Yes"),
    ("CEO", "Martin", "Schuster", "m.schuster@schuster-gleisbau.de", "+49 711 889 200", "Schuster Gleisbau GmbH",
     "", "", "Sponsors,Delegates", "https://www.schuster-gleisbau.de", "", "[A2005]", "No"),
    ("", "Priya", "Shah", "priya.shah@hs2.org.uk", "+44 7700 900588", "HS2 Ltd", "Programme manager, stations.", "",
     "Delegates", "", "", "[A2006]", "No"),
    ("Dr", "Gábor", "Fekete", "fekete.gabor@mav.hu", "+36 1 511 4000", "MÁV Zrt.", "", "", "Delegates", "", "",
     "[A2007]", "No"),
    ("", "Lucy", "Brennan", "", "+44 7700 900634", "Brennan Events", "", "Staff lanyard.", "Staff", "", "",
     "[A2008]", "No"),
    ("Mgr.", "Zuzana", "Hlaváčová", "zuzana.hlavacova@zsr.sk", "", "Železnice Slovenskej republiky",
     "Heads procurement, rolling stock.", "", "Delegates", "", "", "[A2009]", "No"),
    ("", "Oliver", "Grant", "oliver.grant@siemens.com", "+44 7700 900771", "Siemens Mobility",
     "Talks about digital signalling, \"the quiet revolution\".", "", "Speakers,Sponsors",
     "https://www.siemens.com/mobility", "[S103]", "[A2010]", "Yes"),
    ("", "Kasia", "Nowicka", "kasia.nowicka@gmail.com", "+48 601 222 333", "", "", "Student pass.", "Students", "",
     "", "[A2011]", "No"),
    ("Dr", "Anna", "Lindner", "anna.lindner@oebb.at", "+43 1 93000 0", "ÖBB-Infrastruktur AG", "", "",
     "Delegates", "https://infrastruktur.oebb.at", "", "[A2012]", "No"),
]

# A Zurich Rotary club's guests for its charity evening (Polaris): RI-ID, given, family, salutation, language,
# mailbox.
POLARIS71 = [
    ("8402117", "Urs", "Brunner", "Herr", "de", "urs.brunner@bluewin.ch"),
    ("8402118", "Regula", "Keller", "Frau", "de", "regula.keller@keller-treuhand.ch"),
    ("", "Jana", "Dvořáková", "Frau", "de", "jana.dvorakova@seznam.cz"),
    ("", "Pierre", "Favre", "Monsieur", "fr", "pierre.favre@gmail.com"),
    ("9013355", "Beat", "Meier", "Herr", "", "beat.meier@meier-ag.ch"),
    ("", "Katarzyna", "Zielińska", "Frau", "en", "k.zielinska@onet.pl"),
    ("", "Stefan", "Huber", "Dr.", "de", "stefan.huber@usz.ch"),
    ("", "Giulia", "Bernasconi", "Signora", "it", "giulia.bernasconi@ti.ch"),
    ("8877001", "Peter", "Novák", "Herr", "de", "peter.novak@novak-bau.ch"),
    ("", "Réka", "Szabó", "", "", "reka.szabo@freemail.hu"),
    ("", "Andrea", "Schmid", "Frau", "de", "andrea.schmid@sunrise.ch"),
    ("", "Miroslav", "Hudec", "Herr", "en", "miroslav.hudec@stuba.sk"),
]

# An Odense cycling club's members (Cyql): given, family, mailbox.
CYQL71 = [
    ("Mads", "Jørgensen", "mads.jorgensen@gmail.com"),
    ("Sofie", "Ærø", "sofie.aero@hotmail.dk"),
    ("Jakub", "Novotný", "jakub.novotny@seznam.cz"),
    ("Line", "Nielsen-Kowalska", "line.nk@outlook.dk"),
    ("Henrik", "Østergaard", "Henrik.Ostergaard@Mail.dk"),
    ("Ewa", "Mazur", "ewa.mazur@wp.pl"),
    ("Frederik", "Andersen", "frederik@andersen-cykler.dk"),
    ("Lukas", "Becker", "lukas.becker@web.de"),
    ("Ida", "Holm", "ida.holm@live.dk"),
    ("Tamás", "Varga", "varga.tamas@gmail.com"),
]

# A Kent wedding's guests, the bride Czech, the groom English (DreamPlan): full name, mailbox, phone, dietary
# need, notes.
DREAMPLAN71 = [
    ("Eleanor Hughes", "eleanor.hughes@btinternet.com", "+44 7700 900101", "", "Table 1, mother of the groom"),
    ("Věra Procházková", "vera.prochazkova@seznam.cz", "+420 731 222 333", "Vegetarian", "Table 1"),
    ("James Whitaker", "james.whitaker@gmail.com", "+44 7700 900202", "", "Best man, Table 1"),
    ("Petra Šimková", "petra.simkova@email.cz", "+420 604 555 111", "Gluten-free", "Table 2"),
    ("Tom Baxter", "", "+44 7700 900303", "", "Staying at the hotel"),
    ("Anna-Lena Schmidt", "annalena.schmidt@gmx.de", "", "Vegan", "Table 4"),
    ("Ondřej Král", "ondrej.kral@centrum.cz", "+420 777 888 999", "Nut allergy", "Table 2, speech"),
    ("Margaret O'Brien", "maggie.obrien@eircom.net", "+353 87 123 4567", "", "Needs wheelchair access"),
    ("Krzysztof Lis", "krzysztof.lis@interia.pl", "+48 512 345 678", "", "Table 5"),
    ("Sarah Collins", "sarah.collins@outlook.com", "+44 7700 900404", "Vegetarian", ""),
    ("Zsófia Németh", "zsofi.nemeth@gmail.com", "", "", "Table 4"),
    ("Daniel Price", "dan.price@yahoo.co.uk", "+44 7700 900505", "", "Table 3"),
]

# A Prague gala dinner's guests (You Are Invited): full name, seat, tag.
YOUAREINVITED71 = [
    ("Jan Novák", "12", "VIP"),
    ("Marie Nováková", "13", "VIP"),
    ("Lukáš Černý", "104", "sponsor"),
    ("Emily Carter", "A4", "press"),
    ("Tereza Horáková", "27", "guest"),
    ("Michael Brown", "28", "guest"),
    ("Barbora Veselá", "31", "staff"),
    ("Jiří Svoboda", "5", "family"),
    ("Łucja Kamińska", "44", "guest"),
    ("David Miller", "101", "sponsor"),
    ("Kristýna Malá", "", "waiting list"),
    ("Ferenc Kiss", "46", "guest"),
    ("Hana Pokorná", "7", "family"),
    ("Robert Wilson", "A5", "press"),
]

# A Cieszyn secondary school's teachers for SIO: given, family, PESEL, birth date (only where there is no PESEL).
SIO71 = [
    ("Anna", "Kowalczyk", "78031204567", ""),
    ("Piotr", "Wiśniewski", "85110912345", ""),
    ("Małgorzata", "Szczepańska", "69072301234", ""),
    ("Tomasz", "Zając", "90020507891", ""),
    ("Jana", "Nováková", "", "1984-06-19"),
    ("Krzysztof", "Grabowski", "74121408765", ""),
    ("Olena", "Kovalenko", "", "1988-04-12"),
    ("Ewa", "Dąbrowska", "82050306543", ""),
    ("Grzegorz", "Pawlak", "66091102468", ""),
    ("Joanna", "Michalska-Król", "93081713579", ""),
    ("Łukasz", "Jankowski", "88102611223", ""),
    ("Beata", "Sikora", "71040409876", ""),
]
