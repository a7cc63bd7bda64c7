"""The people of the sixty-first held-out set, as each source holds them."""

# A Lahti wholesaler's customer firms (Fivaldi): customer id, name, additional name, phone, mobile, fax, contact
# way, interest and dunning stops, payment term, group, segment, credit stop, language, credit limit.
FIVALDI61 = [
    ("3001", "Rautakauppa Virtanen Oy", "Ostoreskontra", "03 4242 3000", "", "03 4242 3001", "001", "", "", "14",
     "TUKKU", "A", "", "FIN", "5000"),
    ("3002", "Oy Nordic Timber Ab", "c/o Tilitoimisto Lahtinen", "06 318 2200", "040 712 3344", "", "002", "X", "",
     "30", "TUKKU", "B", "", "SWE", "10000"),
    ("3003", "Kahvila Aalto Tmi", "", "", "050 381 9922", "", "003", "", "", "7", "VÄHIT", "C", "", "FIN", "0"),
    ("3004", "Stavby Brno s.r.o.", "Nákupní oddělení", "+420 541 000 111", "+420 777 123 456", "", "001", "", "",
     "30", "VIENTI", "B", "", "ENG", "20000"),
    ("3005", "Budimex S.A.", "", "+48 22 623 60 00", "", "+48 22 623 60 01", "001", "", "X", "30", "VIENTI", "A",
     "", "ENG", "50000"),
    ("3006", "Lahden Sähkö ja Putki Ky", "Huolto", "03 878 4400", "044 556 7788", "", "001", "", "", "14",
     "URAKKA", "B", "X", "FIN", "0"),
    ("3007", "Hollolan kunta", "Tekninen toimi", "03 880 11", "", "", "004", "X", "X", "21", "JULKINEN", "A", "",
     "FIN", "100000"),
    ("3008", "Pekárna U Zlatého klasu", "", "+420 499 555 666", "", "+420 499 555 667", "001", "", "", "14",
     "VIENTI", "C", "", "ENG", "3000"),
    ("3009", "Ålands Fisk Ab", "", "018 22 310", "0457 345 6789", "", "002", "", "", "14", "TUKKU", "B", "", "SWE",
     "8000"),
    ("3010", "Győri Keksz Kft.", "Beszerzés", "+36 96 512 400", "", "", "001", "", "", "30", "VIENTI", "B", "",
     "ENG", "15000"),
    ("3011", "Kuljetus Mäkinen Oy", "", "020 765 4321", "040 123 4567", "020 765 4329", "001", "", "", "14",
     "URAKKA", "C", "", "FIN", "2500"),
    ("3012", "Tallinna Kaubamaja AS", "Ostuosakond", "+372 667 3100", "", "", "001", "", "", "30", "VIENTI", "A",
     "", "ENG", "25000"),
]

# A Prague bilingual grammar school's French section (SACoche): number, sex, family name (capitals), given name,
# birth date, mailbox, class, groups.
SACOCHE61 = [
    ("ele_2101", "F", "NOVÁKOVÁ", "Tereza", "14/03/2010", "tereza.novakova@seznam.cz", "2nde A", "latin"),
    ("ele_2102", "G", "DUBOIS", "Hugo", "02/11/2009", "", "2nde A", ""),
    ("ele_2103", "2", "SVOBODOVÁ", "Eliška", "27/06/2010", "eliska.svobodova@email.cz", "2nde B", "latin|ODP"),
    ("ele_2104", "1", "DVOŘÁK", "Matyáš", "09/01/2010", "matyas.dvorak@gmail.com", "2nde B", ""),
    ("ele_2105", "MME", "MARTIN", "Chloé", "30/09/2008", "chloe.martin@laposte.net", "1re A", "ODP"),
    ("ele_2106", "M.", "KOWALSKI", "Jakub", "12/12/2008", "jakub.kowalski@wp.pl", "1re A", ""),
    ("ele_2107", "", "LEFÈVRE-HORÁK", "Inès", "05/05/2009", "ines.lefevre@free.fr", "1re B", "latin"),
    ("", "F", "BERNARD", "Camille", "11/07/2009", "camille.bernard@gmail.com", "1re B", ""),
    ("ele_2108", "G", "NÉMETH", "Bence", "21/02/2008", "", "Tle A", ""),
    ("ele_2109", "F", "PROCHÁZKOVÁ", "Anna", "17/08/2007", "anna.prochazkova@centrum.cz", "Tle A", "ODP"),
    ("ele_2110", "G", "ROUSSEAU", "Léo", "03/04/2008", "leo.rousseau@orange.fr", "Tle B", ""),
    ("ele_2111", "F", "WIŚNIEWSKA", "Zofia", "25/10/2007", "zofia.wisniewska@onet.pl", "Tle B", "latin|ODP"),
]

# An Eindhoven vocational college's intake for the talent scan (AMN): number, given, particle, family, birth
# date, sex, group, qualification number, mailbox, login (the school's address).
AMN61 = [
    ("210451", "Daan", "van der", "Berg", "14-02-2007", "M", "ICT-1A", "25604", "daanvdberg@gmail.com",
     "210451@student.summacollege.nl"),
    ("210452", "Sanne", "", "Jansen", "03-09-2006", "V", "ICT-1A", "25604", "sanne.jansen@hotmail.com",
     "210452@student.summacollege.nl"),
    ("210453", "Kacper", "", "Nowak", "21-11-2006", "M", "ICT-1A", "25604", "", "210453@student.summacollege.nl"),
    ("210454", "Fleur", "de", "Wit", "30-05-2007", "V", "ZW-1B", "25480", "fleur.dewit@outlook.com",
     "fleur.dewit@outlook.com"),
    ("210455", "Tomáš", "", "Horák", "08-01-2006", "M", "ZW-1B", "25480", "tomas.horak@seznam.cz",
     "210455@student.summacollege.nl"),
    ("210456", "Emma", "van", "Dijk", "17-07-2007", "V", "ZW-1B", "25480", "emma.vandijk@gmail.com",
     "210456@student.summacollege.nl"),
    ("210457", "Bram", "", "Smits", "25-04-2006", "M", "TECH-2A", "25191", "", ""),
    ("210458", "Zsófia", "", "Kiss", "12-12-2006", "V", "TECH-2A", "25191", "zsofia.kiss@gmail.com",
     "210458@student.summacollege.nl"),
    ("210459", "Lucas", "van den", "Heuvel", "02-03-2007", "M", "TECH-2A", "25191", "lucas.vdheuvel@ziggo.nl",
     "210459@student.summacollege.nl"),
    ("210460", "Julia", "", "Wójcik", "19-10-2006", "V", "ICT-1A", "25604", "julia.wojcik@wp.pl",
     "julia.wojcik@wp.pl"),
    ("210461", "Noah", "", "Peeters", "06-06-2007", "", "ZW-1B", "25480", "noah.peeters@kpnmail.nl",
     "210461@student.summacollege.nl"),
    ("210462", "Lotte", "'t", "Hart", "28-08-2006", "V", "ICT-1A", "25604", "lotte.thart@gmail.com",
     "210462@student.summacollege.nl"),
]

# A Utrecht havo class for Test-Correct: given, particle, family, pupil number, mailbox.
TESTCORRECT61 = [
    ("Mila", "", "de Jong", "120334", "120334@leerling.stedelijkgym.nl"),
    ("Finn", "van", "Leeuwen", "120335", "120335@leerling.stedelijkgym.nl"),
    ("Zuzanna", "", "Kamińska", "120336", "120336@leerling.stedelijkgym.nl"),
    ("Sem", "", "Bakker", "120337", ""),
    ("Tess", "van der", "Linden", "120338", "120338@leerling.stedelijkgym.nl"),
    ("Jan", "", "Procházka", "120339", "120339@leerling.stedelijkgym.nl"),
    ("Yara", "", "El Amrani", "120340", "120340@leerling.stedelijkgym.nl"),
    ("Levi", "de", "Graaf", "120341", "levi.degraaf2009@gmail.com"),
    ("Noor", "van 't", "Hof", "120342", "120342@leerling.stedelijkgym.nl"),
    ("Dávid", "", "Tóth", "120343", "120343@leerling.stedelijkgym.nl"),
    ("Sophie", "", "Visser", "120344", "120344@leerling.stedelijkgym.nl"),
]

# A Passau primary school's pupils for the games (Bundesjugendspiele): family, given, class, birth date, sex,
# handicap start class.
BJS61 = [
    ("Huber", "Lukas", "3a", "14.05.2016", "m", ""),
    ("Wagner", "Marie", "3a", "02.11.2015", "w", ""),
    ("Nowak", "Zofia", "3a", "27.01.2016", "w", ""),
    ("Schön", "Felix", "3b", "09.09.2015", "m", ""),
    ("Horváth", "Lili", "3b", "18.03.2016", "w", ""),
    ("Maier", "Jonas", "4a", "30.06.2014", "m", ""),
    ("Wójcik", "Antoni", "4a", "11.12.2014", "m", ""),
    ("Gruber", "Emilia", "4a", "05.04.2015", "w", ""),
    ("Szabó", "Máté", "4b", "22.08.2014", "m", ""),
    ("Müller-Lüdenscheidt", "Hannah", "4b", "13.02.2015", "w", ""),
    ("Kowalczyk", "Julian", "4b", "07.07.2014", "m", ""),
    ("Bauer", "Anna", "3b", "24.10.2015", "w", ""),
]

# A Hanover vocational school's pupils (BBS-Verwaltung): import id, given, family, class, mailbox, account, courses,
# course of education, class level, five exam subjects.
BBS61 = [
    ("4711", "Lena", "Schulz", "FGE21A", "lena.schulz@gmx.de", "lena.schulz", "Mathe-GK,Englisch-LK", "FGEXV", "2",
     "DE", "MA", "EN", "TEE", "BWL"),
    ("4712", "Piotr", "Zieliński", "FGE21A", "piotr.zielinski@o2.pl", "piotr.zielinski", "Mathe-GK", "FGEXV", "2",
     "DE", "MA", "EN", "TEE", "BWL"),
    ("4713", "Moritz", "Krüger", "FGE21A", "", "moritz.krueger", "Mathe-LK,Informatik", "FGEXV", "2", "DE", "MA",
     "EN", "TEE", "INF"),
    ("4714", "Klára", "Veselá", "FGE21B", "klara.vesela@seznam.cz", "klara.vesela", "Englisch-LK", "FGEXV", "2",
     "DE", "MA", "EN", "TEE", "BWL"),
    ("4715", "Jannik", "Hoffmann", "FGE21B", "j.hoffmann@t-online.de", "jannik.hoffmann", "", "FGEXV", "2", "DE",
     "MA", "EN", "TEE", "BWL"),
    ("4716", "Ayşe", "Yılmaz", "FWI22A", "ayse.yilmaz@web.de", "ayse.yilmaz", "Wirtschaft-LK", "FWIXV", "1", "DE",
     "MA", "EN", "BWL", "VWL"),
    ("4717", "Nina", "Becker", "FWI22A", "", "nina.becker", "Wirtschaft-LK,Spanisch", "FWIXV", "1", "DE", "MA",
     "EN", "BWL", "VWL"),
    ("4718", "Bálint", "Farkas", "FWI22A", "balint.farkas@freemail.hu", "balint.farkas", "", "FWIXV", "1", "DE",
     "MA", "EN", "BWL", "VWL"),
    ("4719", "Tim", "Schröder", "FWI22B", "tim.schroeder@gmail.com", "tim.schroeder", "Wirtschaft-LK", "FWIXV",
     "1", "DE", "MA", "EN", "BWL", "VWL"),
    ("4720", "Marta", "Dąbrowska", "FWI22B", "marta.dabrowska@interia.pl", "marta.dabrowska", "Spanisch", "FWIXV",
     "1", "DE", "MA", "EN", "BWL", "VWL"),
    ("4721", "Leon", "Fischer", "FGE21B", "leon.fischer@posteo.de", "leon.fischer", "Mathe-GK", "FGEXV", "2", "DE",
     "MA", "EN", "TEE", "BWL"),
    ("4722", "Sophie", "Wolff", "FWI22B", "sophie.wolff@icloud.com", "sophie.wolff", "", "FWIXV", "1", "DE", "MA",
     "EN", "BWL", "VWL"),
]
