"""The people of the seventy-sixth held-out set, as each source holds them."""

# A Melbourne tennis club's family package for ClubSpark: contact id, the family's primary contact id, given,
# family, birth date, mailbox (none for the juniors), start, expiry, package cost, amount paid, postcode.
CLUBSPARK76 = [
    ("101", "101", "Tomasz", "Kowalczyk", "14/03/1981", "tomasz.kowalczyk@bigpond.com", "01/09/2025", "31/08/2026",
     "$420", "$420", "3146"),
    ("102", "101", "Agnieszka", "Kowalczyk", "02/11/1983", "aga.kowalczyk@gmail.com", "01/09/2025", "31/08/2026",
     "$0", "$0", "3146"),
    ("103", "101", "Olivia", "Kowalczyk", "19/06/2013", "", "01/09/2025", "31/08/2026", "$0", "$0", "3146"),
    ("104", "101", "Jakub", "Kowalczyk", "07/01/2016", "", "01/09/2025", "31/08/2026", "$0", "$0", "3146"),
    ("105", "105", "Sarah", "Mitchell", "23/08/1979", "sarah.mitchell@outlook.com.au", "01/09/2025", "31/08/2026",
     "$420", "$210", "3122"),
    ("106", "105", "Liam", "Mitchell", "30/04/2012", "", "01/09/2025", "31/08/2026", "$0", "$0", "3122"),
    ("107", "107", "Petr", "Dvořák", "11/12/1976", "petr.dvorak@seznam.cz", "15/10/2025", "31/08/2026", "$385",
     "$385", "3144"),
    ("108", "107", "Lucie", "Dvořáková", "05/05/1980", "lucie.dvorakova@gmail.com", "15/10/2025", "31/08/2026",
     "$0", "$0", "3144"),
    ("109", "107", "Ema", "Dvořáková", "28/02/2014", "", "15/10/2025", "31/08/2026", "$0", "$0", "3144"),
    ("110", "110", "Andrew", "Nguyen", "16/09/1985", "andrew.nguyen@iinet.net.au", "01/09/2025", "31/08/2026",
     "$420", "$0", "3181"),
    ("111", "110", "Chloe", "Nguyen", "09/07/2015", "", "01/09/2025", "31/08/2026", "$0", "$0", "3181"),
    ("112", "112", "Zsuzsanna", "Kiss", "03/03/1974", "zsuzsa.kiss@freemail.hu", "01/02/2026", "31/08/2026", "$250",
     "$250", "3143"),
]

# A Leeds badminton club's club-night roster for ePegboard: the whole name, gender as the guide allows it,
# mailbox, phone, membership type, rating (some blank).
EPEGBOARD76 = [
    ("Alice Thornton", "Female", "alice.thornton@btinternet.com", "07700 900123", "Full", "1500"),
    ("Marek Nowicki", "M", "marek.nowicki@gmail.com", "07700 900456", "Full", "1900"),
    ("Katarína Horváthová", "F", "katka.horvathova@azet.sk", "", "Trial", ""),
    ("James O'Brien", "Man", "", "07700 900789", "Guest", "1100"),
    ("Priya Shah", "Woman", "priya.shah@yahoo.co.uk", "0113 496 0021", "Full", "1500"),
    ("Jan Svoboda", "Male", "jan.svoboda@email.cz", "+420 603 112 233", "Full", "2300"),
    ("Emily Walsh", "Female", "", "", "Trial", "800"),
    ("Dániel Farkas", "Male", "daniel.farkas@gmail.com", "07700 900321", "", "1500"),
    ("Zofia Wójcik-Baker", "Female", "zofia.wb@outlook.com", "07700 900654", "Full", "1900"),
    ("Tom Hughes", "M", "tom.hughes@sky.com", "07700 900987", "Guest", ""),
]

# A Chicago-area swim team's roster for a dual meet in HY-TEK's MEET MANAGER: swimming id, given, middle,
# family, gender, birth date month first, team, preferred name.
HYTEK76 = [
    ("031512KATMNOWA", "Katarzyna", "Maria", "Nowak", "F", "03/15/2012", "Park Ridge Piranhas", "Kasia"),
    ("110811ETHJOBRI", "Ethan", "James", "O'Brien", "M", "11/08/2011", "Park Ridge Piranhas", ""),
    ("072013ANN*SZAB", "Anna", "", "Szabó", "F", "07/20/2013", "Park Ridge Piranhas", ""),
    ("020410MATTKOWA", "Matthew", "Tadeusz", "Kowalski", "M", "02/04/2010", "Park Ridge Piranhas", "Matt"),
    ("091212OLIRBROW", "Olivia", "Rose", "Brown", "F", "09/12/2012", "Park Ridge Piranhas", "Liv"),
    ("051511TOMJCERN", "Tomáš", "Jan", "Černý", "M", "05/15/2011", "Park Ridge Piranhas", "Tom"),
    ("120112SOPAGARC", "Sophia", "Ann", "Garcia", "F", "12/01/2012", "Park Ridge Piranhas", ""),
    ("081009ALEMWISN", "Aleksander", "Michał", "Wiśniewski", "M", "08/10/2009", "Park Ridge Piranhas", "Olek"),
    ("043014EMIKDUDA", "Emily", "Kate", "Duda", "F", "04/30/2014", "Park Ridge Piranhas", "Em"),
    ("061811NOA*PETE", "Noah", "", "Petersen", "M", "06/18/2011", "Park Ridge Piranhas", ""),
    ("022912ZOEEHORV", "Zoé", "Eszter", "Horváth", "F", "02/29/2012", "Park Ridge Piranhas", ""),
    ("101510JACPMILL", "Jacob", "Paul", "Miller", "M", "10/15/2010", "Park Ridge Piranhas", "Jake"),
]

# A Kraków CrossFit box's members for WodGuru: family and given name in one cell, mailbox, phone, gender, pass,
# its expiry, sessions left, card code, two address lines, city, postal code, birthday, country, injury note,
# VAT id (a member whose firm pays).
WODGURU76 = [
    ("Nowak Anna", "anna.nowak@gmail.com", "+48600100200", "female", "Open 12m", "2026-08-31", "", "04A1F2",
     "ul. Długa 12", "m. 4", "Kraków", "31-147", "1991-04-18", "Polska", "", ""),
    ("Wiśniewski Piotr", "piotr.wisniewski@onet.pl", "601-234-567", "male", "Open 12m", "2026-03-31", "", "04A1F3",
     "ul. Wielicka 28", "", "Kraków", "30-552", "1987-11-02", "Polska", "bark lewy", "6792812345"),
    ("Kowalska-Zając Ewa", "ewa.kz@wp.pl", "+48 512 334 556", "female", "Karnet 10 wejść", "", "7", "04A1F4",
     "os. Centrum A 5", "", "Kraków", "31-923", "", "Polska", "", ""),
    ("Svoboda Martin", "martin.svoboda@seznam.cz", "+420731456789", "male", "Drop-in", "", "3", "",
     "Vinohradská 48", "", "Praha 2", "120 00", "1990-07-07", "Czechia", "", ""),
    ("Lewandowska Julia", "julia.lewandowska@gmail.com", "698-765-432", "female", "Open 12m", "2026-12-31", "",
     "04A1F6", "ul. Mogilska 40", "lok. 12", "Kraków", "31-546", "1996-02-29", "Polska", "kolano", ""),
    ("Zieliński Marek", "", "+48604555666", "male", "Karnet 10 wejść", "", "0", "04A1F7", "ul. Kalwaryjska 9", "",
     "Kraków", "30-504", "1979-09-23", "Polska", "", ""),
    ("Tóth Bence", "bence.toth@freemail.hu", "+36-30-123-4567", "male", "Open 1m", "2026-02-28", "", "04A1F8",
     "ul. Grzegórzecka 67", "m. 15", "Kraków", "31-559", "1994-12-12", "Polska", "", ""),
    ("Mazur Karolina", "karolina.mazur@interia.pl", "", "other", "Open 12m", "2026-06-30", "", "04A1F9",
     "ul. Rakowicka 3", "", "Kraków", "31-511", "1985-05-05", "Polska", "kręgosłup lędźwiowy", "9452198765"),
    ("Dąbrowski Kacper", "kacper.dabrowski@gmail.com", "+48 790 111 222", "male", "Student 3m", "2026-04-30", "",
     "04A1FA", "ul. Reymonta 17", "DS Żaczek p. 214", "Kraków", "30-059", "2004-08-14", "Polska", "", ""),
    ("Novotná Klára", "klara.novotna@centrum.cz", "+420-605-987-654", "female", "Drop-in", "", "1", "",
     "Masarykova 12", "", "Brno", "602 00", "1998-01-30", "CZ", "", ""),
    ("Wójcik Tomasz", "t.wojcik@firma-wojcik.pl", "603-222-111", "male", "Open 12m", "2026-09-30", "", "04A1FC",
     "ul. Lea 114", "", "Kraków", "30-133", "1982-06-01", "Polska", "", "6771234567"),
    ("Kaczmarek Natalia", "natalia.kaczmarek@o2.pl", "+48501600700", "female", "Open 1m", "2026-01-31", "",
     "04A1FD", "ul. Bronowicka 77", "m. 2", "Kraków", "30-084", "", "", "", ""),
]

# A judo tournament in Görlitz: the entry lists of a host club and its Czech and Polish neighbours, as
# JudoShiai's generator reads them: family, given, birth year, grade, club, country, category, sex, remark.
JUDOSHIAI76 = [
    ("Müller", "Lukas", "2009", "2k", "JC Görlitz", "GER", "U18m-66", "m", ""),
    ("Schneider", "Hannah", "2010", "3k", "JC Görlitz", "GER", "U18w-52", "w", "Erstkampf nach Verletzung"),
    ("Krause", "Paul", "2008", "1k", "JC Görlitz", "GER", "U18m-81", "m", ""),
    ("Dvořák", "Matěj", "2009", "2k", "Judo Liberec", "CZE", "U18m-73", "m", "Trainer: Jan Novák, Tel. 602 123 456"),
    ("Procházková", "Tereza", "2010", "3k", "Judo Liberec", "CZE", "U18w-57", "w", ""),
    ("Kowalczyk", "Zofia", "2009", "2k", "UKS Judo Zgorzelec", "POL", "U18w-48", "w", "Betreuerin: Anna Nowak"),
    ("Wiśniewski", "Jakub", "2008", "1k", "UKS Judo Zgorzelec", "POL", "U18m-90", "m", ""),
    ("Lehmann", "Emil", "2010", "4k", "SV Zittau", "GER", "U18m-60", "m", "kommt erst am Sonntag"),
    ("Šimková", "Anna", "2009", "1k", "Judo Liberec", "CZE", "U18w-63", "w", ""),
    ("Richter", "Mia", "2008", "1d", "SV Zittau", "GER", "U18w-70", "w", "Kadernominierung, bitte setzen"),
    ("Horváth", "Bence", "2009", "2k", "JC Görlitz", "HUN", "U18m-66", "m", "Doppelstartrecht, Verein in Győr"),
    ("Nowak", "Wiktoria", "2010", "5k", "UKS Judo Zgorzelec", "POL", "U18w-44", "w", ""),
]

# A Chicago CrossFit gym's athletes for BoxScore Fitness: mailbox, given, family, phone, two address lines, city,
# state, zip, country (written four ways, one missing), membership uid.
BOXSCORE76 = [
    ("anna.kaminski@gmail.com", "Anna", "Kaminski", "(773) 555-0142", "5120 N Milwaukee Ave", "Apt 2R", "Chicago",
     "IL", "60630", "US", "mbr_7Hq2Lx9a"),
    ("mike.obrien@yahoo.com", "Michael", "O'Brien", "312-555-0177", "1455 W Belmont Ave", "", "Chicago", "IL",
     "60657", "USA", "mbr_7Hq2Lx9a"),
    ("jwojcik@outlook.com", "Jan", "Wójcik", "773.555.0199", "3321 N Harlem Ave", "Unit 3", "Chicago", "IL",
     "60634", "United States", "mbr_K3p8Zs1d"),
    ("tereza.novakova@seznam.cz", "Tereza", "Nováková", "+420 602 987 654", "Dlouhá 5", "", "Plzeň", "",
     "301 00", "Czech Republic", "mbr_Dropin01"),
    ("dszabo@gmail.com", "Dávid", "Szabó", "7735550123", "6200 W Irving Park Rd", "", "Chicago", "IL", "60634", "US",
     "mbr_7Hq2Lx9a"),
    ("emma.johnson@icloud.com", "Emma", "Johnson", "", "2020 N Lincoln Ave", "Apt 1105", "Chicago", "IL", "60614",
     "US", "mbr_K3p8Zs1d"),
    ("pkowalski@kowalski-law.com", "Paweł", "Kowalski", "(847) 555-0110", "120 S Northwest Hwy", "Suite 200",
     "Park Ridge", "IL", "60068", "", "mbr_7Hq2Lx9a"),
    ("lucia.hruskova@azet.sk", "Lucia", "Hrušková", "+421 905 123 456", "4700 N Western Ave", "", "Chicago", "IL",
     "60625", "US", "mbr_Dropin01"),
    ("chris.miller@gmail.com", "Chris", "Miller", "312 555 0188", "", "", "", "", "", "", "mbr_K3p8Zs1d"),
    ("k.zielinska@interia.pl", "Katarzyna", "Zielińska", "(708) 555-0155", "7600 W Belmont Ave", "", "Elmwood Park",
     "IL", "60707", "US", "mbr_7Hq2Lx9a"),
]
