"""The people of the forty-fourth held-out set, as each source holds them."""

# A Sydney social futsal competition's players (SportsM8): record Guid (carried-over players only), login id,
# the association's player number, given, family, phone, mailbox, notes.
SPORTSM8_44 = [
    ("", "", "FNSW-20931", "Liam", "Nguyen", "0412 345 678", "liam.nguyen@gmail.com", "Captain, Thursday div 2"),
    ("3f2b9c1e-8d4a-4c6e-9b1f-2a7d5e8c0f13", "", "FNSW-20932", "Tomáš", "Dvořák", "0423 118 907",
     "tomas.dvorak@outlook.com", ""),
    ("", "", "", "Aleksandra", "Wójcik", "+61 433 902 114", "ola.wojcik@yahoo.com.au", "Pays weekly"),
    ("", "", "FNSW-20934", "Jack", "O'Brien", "0401 777 260", "jackob@bigpond.com",
     "Goalkeeper; emergency contact Mary O'Brien 0400 111 222"),
    ("a91c44d0-5e7b-4f38-8c2d-61b0e9f7a245", "", "FNSW-20935", "Chloe", "Papadopoulos", "(02) 9518 4470",
     "chloe.papadopoulos@unsw.edu.au", ""),
    ("", "", "FNSW-20936", "Márton", "Szalai", "0455 630 019", "marton.szalai@gmail.com", "Transfer from Budapest"),
    ("", "", "", "Priya", "Sharma", "", "priya.sharma@hotmail.com", "No phone given"),
    ("", "", "FNSW-20938", "Jakub", "Horák", "+420 602 118 554", "jakub.horak@seznam.cz",
     "Working holiday visa until March"),
    ("", "", "FNSW-20939", "Emily", "Walsh", "0488 204 511", "", ""),
    ("", "", "FNSW-20940", "Zuzana", "Kováčová", "0431 552 870", "zuzana.kovacova@gmail.com", "Plays with her sister"),
    ("", "", "FNSW-20941", "Ethan", "Tran", "0410 009 332", "ethan.tran@icloud.com", ""),
    ("", "", "FNSW-20942", "Katarzyna", "Lewandowska-Smith", "0422 761 045", "kasia.ls@gmail.com",
     "Married name since 2024"),
]

# A Ghent cycling club's members (Events Made Easy): family, given, mailbox, phone, two street lines, town,
# province, postal code, country, mass mail flag, membership, status, automatic status, paid, start, end and
# creation dates.
EME44 = [
    ("Claes", "Pieter", "pieter.claes@telenet.be", "+32 475 12 34 56", "Kortrijksesteenweg 112", "", "Gent",
     "Oost-Vlaanderen", "9000", "BE", "1", "Wielerclub 2026", "active", "1", "1", "2026-01-01", "2026-12-31",
     "2025-12-14"),
    ("Novák", "Ondřej", "ondrej.novak@seznam.cz", "+420 731 220 418", "Sint-Pietersnieuwstraat 41", "bus 3",
     "Gent", "Oost-Vlaanderen", "9000", "Belgium", "1", "Wielerclub 2026", "active", "1", "1", "2026-01-01",
     "2026-12-31", "2025-12-20"),
    ("De Smet", "Lotte", "lotte.desmet@gmail.com", "0486 55 21 09", "Dorpsstraat 7", "", "Merelbeke",
     "Oost-Vlaanderen", "9820", "BE", "0", "Wielerclub 2026", "active", "1", "1", "2026-01-01", "2026-12-31",
     "2026-01-03"),
    ("Wiśniewska", "Magdalena", "m.wisniewska@onet.pl", "", "Brugse Poort 18", "app. 2B", "Gent",
     "Oost-Vlaanderen", "9000", "BE", "1", "Jeugd 2026", "pending", "1", "0", "2026-02-01", "2026-12-31",
     "2026-01-28"),
    ("Van den Broeck", "Jonas", "jonas.vandenbroeck@skynet.be", "+32 9 225 18 40", "Coupure Links 653", "",
     "Gent", "Oost-Vlaanderen", "9000", "BE", "1", "Wielerclub 2026", "active", "1", "1", "2026-01-01",
     "2026-12-31", "2025-11-30"),
    ("Horváth", "Bence", "bence.horvath@freemail.hu", "+36 30 412 7788", "Nederkouter 92", "", "Gent",
     "Oost-Vlaanderen", "9000", "Belgium", "0", "Wielerclub 2026", "expired", "0", "0", "2025-01-01",
     "2025-12-31", "2024-12-18"),
    ("Peeters", "An", "an.peeters@proximus.be", "0479 90 12 33", "Grote Markt 3", "", "Lochristi",
     "Oost-Vlaanderen", "9080", "BE", "1", "Wielerclub 2026", "active", "1", "1", "2026-01-01", "2026-12-31",
     "2026-01-09"),
    ("Mertens", "Wout", "wout.mertens@outlook.be", "0472 31 88 04", "Antwerpsesteenweg 210", "", "Destelbergen",
     "Oost-Vlaanderen", "9070", "BE", "0", "Jeugd 2026", "active", "1", "1", "2026-01-01", "2026-12-31",
     "2026-01-11"),
    ("Kowalski", "Michał", "michal.kowalski@wp.pl", "+48 601 455 120", "Rue Neuve 14", "", "Bruxelles",
     "Bruxelles-Capitale", "1000", "BE", "1", "Wielerclub 2026", "active", "1", "1", "2026-01-01", "2026-12-31",
     "2026-01-15"),
    ("Janssens", "Els", "els.janssens@telenet.be", "", "Hoogpoort 25", "", "Gent", "Oost-Vlaanderen", "9000", "BE",
     "1", "Steunend lid", "active", "1", "1", "2026-01-01", "2026-12-31", "2025-12-01"),
    ("Šimek", "Lukáš", "lukas.simek@email.cz", "+420 604 773 019", "Vrijdagmarkt 9", "", "Gent", "Oost-Vlaanderen",
     "9000", "CZ", "0", "Wielerclub 2026", "pending", "1", "0", "2026-03-01", "2026-12-31", "2026-02-22"),
    ("Maes", "Thomas", "thomas.maes@ugent.be", "09 264 41 11", "Sint-Pietersplein 5", "", "Gent", "", "9000", "BE",
     "1", "Wielerclub 2026", "active", "1", "1", "2026-01-01", "2026-12-31", "2026-01-02"),
]

# A Leeds camera club's members (ImagePrepare): given, family, distinctions, mailbox, code number.
IMAGEPREPARE44 = [
    ("Margaret", "Hughes", "ARPS", "margaret.hughes@btinternet.com", "1"),
    ("David", "Sutcliffe", "", "dave.sutcliffe@gmail.com", "2"),
    ("Pavel", "Černý", "LRPS", "pavel.cerny@centrum.cz", "3"),
    ("Susan", "Ackroyd", "CPAGB", "sue.ackroyd@outlook.com", "4"),
    ("Andrzej", "Nowicki", "AFIAP", "andrzej.nowicki@o2.pl", "5"),
    ("Ian", "Whitaker", "ARPS EFIAP", "ian@whitakerphoto.co.uk", "6"),
    ("Eszter", "Tóth", "", "eszter.toth@gmail.com", "7"),
    ("Robert", "Hirst", "", "", "8"),
    ("Helen", "Baxter-Wood", "LRPS CPAGB", "helen.baxterwood@yahoo.co.uk", "9"),
    ("Michal", "Kučera", "", "michal.kucera@email.cz", "58"),
]

# A Kraków youth athletics meet's entries (Roster Athletics): entry id, start list, relay team, full name,
# given, middle, family, sex, country, school grade, birth date, birth year, Tilastopaja id, relay id.
ROSTER44 = [
    ("1", "1", "", "", "Zuzanna", "", "Kamińska", "Female", "POL", "", "2008-04-17", "", "", ""),
    ("2", "1", "", "", "Maja", "Aleksandra", "Wróbel", "Female", "POL", "", "2009-01-30", "", "", ""),
    ("3", "1", "", "", "Tereza", "", "Procházková", "Female", "CZE", "", "2008-11-02", "", "1190442", ""),
    ("4", "1", "", "", "Lilla", "", "Nagy", "Female", "HUN", "", "", "2009", "", ""),
    ("5", "2", "", "", "Szymon", "", "Zieliński", "Male", "POL", "", "2008-06-21", "", "", ""),
    ("6", "2", "", "", "Jan", "Paweł", "Mazur", "Male", "POL", "", "2009-09-09", "", "", ""),
    ("7", "2", "", "", "Samuel", "", "Baláž", "Male", "SVK", "", "2008-03-14", "", "1204517", ""),
    ("8", "2", "", "Matyáš Kratochvíl", "", "", "", "Male", "CZE", "", "2009-07-25", "", "", ""),
    ("9", "3", "", "", "Oliwia", "", "Dąbrowska-Kot", "Female", "POL", "", "2010-02-12", "", "", ""),
    ("10", "3", "", "", "Hanna", "", "Pietrzyk", "Female", "POL", "", "", "2010", "", ""),
    ("11", "3", "", "", "Natália", "", "Hudáková", "Female", "SVK", "", "2010-05-05", "", "", ""),
    ("12", "4", "", "", "Kacper", "Jakub", "Górski", "Male", "POL", "", "2010-12-01", "", "", ""),
    ("13", "4", "", "", "Dominik", "", "Szűcs", "Male", "HUN", "", "2010-08-19", "", "1211880", ""),
    ("14", "4", "", "Filip Łukasiewicz", "", "", "", "Male", "POL", "", "", "2010", "", ""),
]

# An Ontario provincial cycling association's clubs' members (Sportlomo): given, family, mailbox, club,
# membership type.
SPORTLOMO44 = [
    ("Olivia", "Tremblay", "olivia.tremblay@gmail.com", "Ottawa Bicycle Club", "Adult Recreational"),
    ("Marek", "Kowalczyk", "marek.kowalczyk@rogers.com", "Toronto Hustle", "Adult Competitive"),
    ("Ethan", "MacDonald", "ethan.macdonald@sympatico.ca", "Kingston Velo Club", "Adult Recreational"),
    ("Zoë", "Novotná", "zoe.novotna@gmail.com", "Toronto Hustle", "U17 Competitive"),
    ("Noah", "Singh", "noah.singh@outlook.com", "Hamilton Cycling Club", "Adult Recreational"),
    ("Ilona", "Varga", "ilona.varga@bell.net", "Ottawa Bicycle Club", "Masters"),
    ("Liam", "Gagnon", "gagnon.family@videotron.ca", "Ottawa Bicycle Club", "U15 Recreational"),
    ("Emma", "Gagnon", "gagnon.family@videotron.ca", "Ottawa Bicycle Club", "U13 Recreational"),
    ("Andrij", "Kovalenko", "andrij.kovalenko@gmail.com", "Hamilton Cycling Club", "Adult Competitive"),
    ("Sophie", "Campbell", "sophie.campbell@queensu.ca", "Kingston Velo Club", "Student"),
    ("Martin", "Hronec", "martin.hronec@yahoo.ca", "London Centennial Wheelers", "Masters"),
]

# A Valby football club's players (KlubOffice): given, family, street, postal code, birth date, sex (0 man,
# 1 woman), mailbox, joining date.
KLUBOFFICE44 = [
    ("Mads", "Jørgensen", "Valby Langgade 84, 2. th.", "2500", "14-03-2011", "0", "jorgensen.familie@gmail.com",
     "01-08-2019"),
    ("Freja", "Søndergaard", "Toftegårds Allé 12", "2500", "02-07-2012", "1", "freja.s@hotmail.dk", "15-01-2020"),
    ("Oskar", "Nowak", "Gammel Køge Landevej 301", "2500", "22-11-2011", "0", "", "10-08-2021"),
    ("Ida", "Mølgaard", "Vigerslevvej 45, st. tv.", "2500", "30-05-2012", "1", "molgaard@youmail.dk", "03-02-2020"),
    ("Jakub", "Svoboda", "Ålholmvej 7", "2500", "19-09-2011", "0", "petra.svobodova@seznam.cz", "01-08-2022"),
    ("Emil", "Christensen", "Sjælør Boulevard 20, 3. mf.", "2450", "08-01-2011", "0", "emil.christensen@live.dk",
     "01-08-2018"),
    ("Laura", "Kiss", "Folehaven 66", "2500", "150312", "1", "kiss.laura.szulok@gmail.com", "040920"),
    ("Victor", "Holm", "Kulbanevej 33", "2450", "11-04-2012", "0", "holm.victor@gmail.com", "01-08-2020"),
    ("Zofia", "Wróblewska", "Hesselager 3", "2500", "27-10-2012", "1", "", "12-01-2023"),
    ("Noah", "Andersen", "Retortvej 18, 1.", "2500", "05-06-2011", "0", "andersen.noah@mail.dk", "01-08-2019"),
    ("Clara", "Østergaard", "Trekronergade 126", "2500", "16-12-2011", "1", "clara.ostergaard@gmail.com",
     "01-08-2018"),
    ("Anton", "Bæk", "Valbyholm 9", "2500", "23-02-2012", "0", "baek.anton@outlook.dk", "05-09-2021"),
    ("Matěj", "Král", "Lyshøjgårdsvej 52", "2500", "07-08-2012", "0", "matej.kral@email.cz", "01-03-2024"),
]
