"""The people of the seventieth held-out set, as each source holds them."""

# A Cleveland steelworkers' local's members (UnionTrack Engage): member number, employer id, given, middle, family,
# occupation, work level, two address lines, city, state, ZIP, home phone, mobile, primary and secondary mailbox.
UNIONTRACK70 = [
    ("1979-0412", "E-204411", "Joseph", "Anthony", "Kovach", "Crane Operator", "Full-time", "6614 St Clair Ave",
     "", "Cleveland", "OH", "44103", "(216) 555-0143", "(216) 555-0198", "jkovach1961@gmail.com", ""),
    ("1985-1120", "E-204512", "Barbara", "", "Nowicki", "Maintenance Mechanic", "Full-time", "3318 Fleet Ave",
     "Apt 2", "Cleveland", "OH", "44105-3126", "", "(440) 555-0172", "bnowicki@sbcglobal.net",
     "barb.nowicki@yahoo.com"),
    ("2003-0077", "E-210034", "Tomáš", "", "Horák", "Electrician", "Full-time", "1275 W 65th St", "", "Cleveland",
     "OH", "44102", "", "(216) 555-0119", "tomas.horak@seznam.cz", "thorak@outlook.com"),
    ("1998-0563", "E-207765", "Dennis", "J.", "Szabo", "Millwright", "Full-time", "5310 Turney Rd", "",
     "Garfield Heights", "OH", "44125", "(216) 555-0166", "", "", ""),
    ("2011-0340", "E-215501", "Krystyna", "Maria", "Wójcik", "Lab Technician", "Part-time", "4402 Pearl Rd",
     "Unit B", "Cleveland", "OH", "44109", "(216) 555-0127", "(216) 555-0180", "kwojcik@gmail.com", ""),
    ("2016-0915", "E-218842", "Marcus", "", "Johnson", "Utility Worker", "Full-time", "13810 Kinsman Rd", "",
     "Cleveland", "OH", "44120", "", "(216) 555-0134", "marcus.johnson44@icloud.com", ""),
    ("2007-0221", "E-212090", "Frank", "", "Zupančič", "Crane Operator", "Retired", "30 Hazel Dr", "", "Euclid",
     "OH", "44123", "(216) 555-0151", "", "fzupancic@roadrunner.com", ""),
    ("2019-0488", "E-220117", "Andreea", "", "Popescu", "Quality Inspector", "Full-time", "2214 Professor Ave",
     "", "Cleveland", "OH", "44113", "", "(216) 555-0108", "andreea.popescu@gmail.com",
     "apopescu@clevelandsteel.com"),
    ("1992-0704", "E-206318", "Steven", "M.", "Hrabak", "Welder", "Full-time", "7007 Lakeview Ln", "",
     "Parma", "OH", "44134", "(440) 555-0191", "(440) 555-0114", "shrabak@wowway.com", ""),
    ("2021-0062", "E-221905", "Gábor", "", "Tóth", "Welder", "Probation", "15501 Madison Ave", "Apt 11",
     "Lakewood", "OH", "44107", "", "(216) 555-0175", "gabor.toth@freemail.hu", ""),
    ("2014-0833", "E-217240", "Lisa", "Marie", "O'Brien", "Clerk", "Part-time", "980 Rocky River Dr", "",
     "Cleveland", "OH", "44111", "(216) 555-0102", "", "lisa.obrien@att.net", ""),
    ("2009-0196", "E-213377", "Dragan", "", "Petrović", "Furnace Operator", "Full-time", "19210 Nottingham Rd",
     "", "Cleveland", "OH", "44110", "", "(216) 555-0187", "", ""),
]

# A Wilkes-Barre chamber's business members for the federation (roster): member id, prefix, given, middle, family,
# job title, company, street, extra line, city, state, ZIP, ZIP extension, phone, fax, mailbox.
USCHAMBER70 = [
    ("WB-00112", "Mr.", "Robert", "J.", "Kowalski", "Owner", "Kowalski's Hardware Inc.", "221 N Main St", "",
     "Wilkes-Barre", "PA", "18702", "3410", "(570) 555-0110", "(570) 555-0111", "bob@kowalskishardware.com"),
    ("WB-00127", "Ms.", "Anna", "", "Novak", "Managing Partner", "Novak & Dudek LLP", "15 Public Sq", "Suite 400",
     "Wilkes-Barre", "PA", "18701", "", "(570) 555-0125", "(570) 555-0126", "anovak@novakdudek.com"),
    ("WB-00131", "Col.", "Michael", "T.", "Sabol", "Executive Director", "Veterans Outreach of Luzerne County",
     "40 E Market St", "", "Wilkes-Barre", "PA", "18701", "1920", "(570) 555-0131", "", "msabol@vetsoutreach.org"),
    ("WB-00145", "", "Katarzyna", "", "Lewandowska", "", "Polish Deli & Bakery", "503 S Main St", "",
     "Wilkes-Barre", "PA", "18701", "", "(570) 555-0145", "", ""),
    ("WB-00152", "Dr.", "Peter", "", "Hudák", "President", "Valley Family Dental PC", "1100 Wyoming Ave",
     "Building 2", "Kingston", "PA", "18704", "", "(570) 555-0152", "(570) 555-0153", "office@valleyfamilydental.com"),
    ("WB-00168", "Mrs.", "Linda", "", "Evans", "Branch Manager", "Penn Security Bank", "65 S Main St", "",
     "Wilkes-Barre", "PA", "18701", "1602", "(570) 555-0168", "(570) 555-0169", "levans@pennsecurity.com"),
    ("WB-00170", "Mr.", "Zoltán", "", "Farkas", "Chef and Owner", "Paprika House", "78 Public Sq", "", "Wilkes-Barre",
     "PA", "18701", "", "(570) 555-0170", "", "zoltan@paprikahouse.com"),
    ("WB-00183", "Ms.", "Jennifer", "L.", "Ruane", "Director of Marketing", "Mohegan Pennsylvania", "1280 Highway 315",
     "", "Wilkes-Barre", "PA", "18702", "7002", "(570) 555-0183", "(570) 555-0184", "jruane@moheganpa.com"),
    ("WB-00191", "Mr.", "Jan", "", "Černý", "General Manager", "Czech Glass Studio LLC", "9 Wilkes-Barre Blvd",
     "Unit 3", "Wilkes-Barre", "PA", "18702", "", "(570) 555-0191", "", "jan@czechglassstudio.com"),
    ("WB-00204", "Ms.", "Maria", "", "Gonzalez", "Office Manager", "Luzerne County Community College",
     "1333 S Prospect St", "", "Nanticoke", "PA", "18634", "3899", "(570) 555-0204", "(570) 555-0205",
     "mgonzalez@luzerne.edu"),
    ("WB-00219", "Mr.", "Stanley", "", "Wiśniewski", "Funeral Director", "Wiśniewski Funeral Home",
     "330 Hazle Ave", "", "Wilkes-Barre", "PA", "18702", "", "(570) 555-0219", "(570) 555-0220", ""),
]

# A Hampshire sailing club's duty rota (DutyMan): given, family, one name, qualifier, mailbox, two phones, five
# address lines (street, flat or village, town, county, unused), postcode, country, member flag.
DUTYMAN70 = [
    ("Richard", "Hughes", "", "", "richard.hughes@btinternet.com", "023 8045 3311", "07700 900112",
     "12 Satchell Lane", "", "Southampton", "Hampshire", "", "SO31 4HQ", "United Kingdom", "Yes"),
    ("Magdalena", "Zielińska", "", "", "magda.zielinska@gmail.com", "07700 900245", "", "Flat 4, Quay House",
     "Shore Road", "Warsash", "Hampshire", "", "SO31 9FR", "United Kingdom", "Yes"),
    ("James", "Clarke", "", "keelboat", "jclarke@sky.com", "01489 573210", "", "3 Brook Avenue", "", "Warsash",
     "Hampshire", "", "SO31 9HN", "United Kingdom", "Yes"),
    ("James", "Clarke", "", "dinghy", "james.clarke.sails@outlook.com", "07700 900388", "", "27 Hamble Lane", "",
     "Hamble-le-Rice", "Hampshire", "", "SO31 4JS", "United Kingdom", "Yes"),
    ("Petr", "Svoboda", "", "", "petr.svoboda@email.cz", "+420 603 112 334", "", "Na Příkopě 14", "", "Praha 1", "",
     "", "110 00", "Czech Republic", "No"),
    ("Helen", "Morris", "", "", "", "023 8040 2275", "07700 900419", "48 Oakley Road", "Bursledon", "Southampton",
     "Hampshire", "", "SO31 8AD", "United Kingdom", "Yes"),
    ("Ferenc", "Kiss", "", "", "ferenc.kiss@yahoo.co.uk", "07700 900521", "", "9 Riverside Court", "", "Fareham",
     "Hampshire", "", "PO16 0TE", "United Kingdom", "Yes"),
    ("Sarah", "Bennett", "", "", "sarah.bennett@hamblesc.org.uk", "", "", "", "", "", "", "", "", "", "Yes"),
    ("Tomasz", "Mazur", "", "", "tomasz.mazur@wp.pl", "07700 900634", "+48 601 223 445", "2 Sydney Road", "",
     "Gosport", "Hampshire", "", "PO12 3BX", "United Kingdom", "No"),
    ("Emma", "Walsh", "", "", "emma.walsh@gmail.com", "07700 900747", "", "The Old Forge", "High Street",
     "Titchfield", "Hampshire", "", "PO14 4AE", "United Kingdom", "Yes"),
    ("Nikola", "Babić", "", "", "nikola.babic@t-com.hr", "+385 91 445 2210", "", "Obala kneza Branimira 6", "",
     "Zadar", "", "", "23000", "Croatia", "No"),
]

# A Melbourne university alumni association's wallet cards (Frontcover): member id, given, family, mailbox, phone,
# expiry.
FRONTCOVER70 = [
    ("ALU0101", "Olivia", "Nguyen", "olivia.nguyen@gmail.com", "0412 345 678", "2026-06-30"),
    ("ALU0102", "Jakub", "Dvořák", "jakub.dvorak@seznam.cz", "+420 731 224 556", "2026-06-30"),
    ("ALU0103", "Liam", "O'Connor", "liam.oconnor@bigpond.com", "+61 423 556 781", "20251231"),
    ("ALU0104", "Zsófia", "Németh", "zsofia.nemeth@outlook.com", "", "2026-06-30"),
    ("ALU0105", "Charlotte", "Smith", "charlotte.smith@unimelb-alumni.org", "0433 129 004", ""),
    ("ALU0106", "Mateusz", "Kamiński", "mateusz.kaminski@gmail.com", "0401 778 210", "2025-12-31"),
    ("ALU0107", "Ngaio", "", "ngaio.design@gmail.com", "0455 213 987", "2026-06-30"),
    ("", "Ivana", "Horvat", "ivana.horvat@optusnet.com.au", "0418 662 001", "2026-06-30"),
    ("ALU0109", "Thomas", "Papadopoulos", "tom.papadopoulos@gmail.com", "+61 (0)3 9654 1120", "2026-06-30"),
    ("ALU0110", "Veronika", "Lukáčová", "veronika.lukacova@azet.sk", "0422 980 311", "20260630"),
]

# A Toronto nurses' association's board election (ElectionBuddy): ballot id, label, mailbox.
ELECTIONBUDDY70 = [
    ("B-1001", "Anna Kowalczyk", "anna.kowalczyk@rogers.com"),
    ("B-1002", "Michael Chen", "michael.chen@uhn.ca"),
    ("B-1003", "Jarmila Novotná", "jarmila.novotna@gmail.com"),
    ("B-1004", "Petra Novotná", "jarmila.novotna@gmail.com"),
    ("B-1005", "Horváth, Zsófia", "zsofia.horvath@sympatico.ca"),
    ("B-1006", "Priya Sharma", "priya.sharma@sickkids.ca"),
    ("B-1007", "Daniel Tremblay", "dtremblay@videotron.ca"),
    ("B-1008", "Marija Kovačević", "marija.kovacevic@hotmail.com"),
    ("B-1009", "Emily Walker", "emily.walker@sunnybrook.ca"),
    ("B-1010", "Ştefan Munteanu", "stefan.munteanu@gmail.com"),
    ("B-1011", "Grace O'Neill", "grace.oneill@stmichaels.ca"),
]

# A Hamtramck city council campaign's canvassing list (Organizer Canvassing): voter id, given, family, house number,
# street with its type, apartment, city, state, ZIP.
ORGANIZER70 = [
    ("MI-0048812", "Stanisław", "Nowak", "2931", "Yemans St", "", "Hamtramck", "MI", "48212"),
    ("MI-0048813", "Halina", "Nowak", "2931", "Yemans St", "", "Hamtramck", "MI", "48212"),
    ("MI-0051190", "Rahim", "Uddin", "11420", "Joseph Campau Ave", "Apt 3", "Hamtramck", "MI", "48212"),
    ("MI-0051207", "Fatima", "Al-Hamdani", "3105", "Caniff St", "", "Hamtramck", "MI", "48212"),
    ("MI-0049934", "Edward", "Wiśniewski", "2620", "Holbrook Ave", "Apt 2B", "Hamtramck", "MI", "48212"),
    ("MI-0052261", "Jasmina", "Begić", "9748", "Conant St", "", "Hamtramck", "MI", "48212"),
    ("MI-0047718", "Dorothy", "Sobczak", "3346", "Evaline St", "", "Hamtramck", "MI", "48212"),
    ("MI-0053382", "Sabbir", "Ahmed", "12017", "Gallagher St", "Unit 1", "Hamtramck", "MI", "48212"),
    ("MI-0050475", "Mark", "Kowalczyk", "2250", "Carpenter St", "", "Hamtramck", "MI", "48212"),
    ("MI-0054409", "Lejla", "Hodžić", "3010", "Commor St", "Apt 5", "Hamtramck", "MI", "48212"),
    ("MI-0046623", "Irene", "Zajac", "11861", "Mitchell St", "", "Detroit", "MI", "48212"),
    ("MI-0055150", "Ali", "Saleh", "2701", "Hanley St", "", "Hamtramck", "MI", "48212"),
]
