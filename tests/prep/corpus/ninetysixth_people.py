"""The people of the ninety-sixth held-out set, as each source holds them."""

# A Chicago refugee welcome centre's volunteers (POINT): given, family, mailbox, birth date, gender, bio, shirt
# size, diet, languages, notes, phone, two street lines, city, state, ZIP. One pasted the whole address into the
# first line, as the help allows; one is a visitor from Poland with no address here.
POINT96 = [
    ("Agnieszka", "Nowak", "agnieszka.nowak@gmail.com", "1986-03-14", "Female", "Teacher, tutors adults in English",
     "M", "", "pl, en", "Weekend shifts only", "(773) 555-0142", "5420 W Belmont Ave", "Apt 2", "Chicago", "IL",
     "60641"),
    ("Tomáš", "Procházka", "tomas.prochazka@seznam.cz", "1994-11-02", "Male", "", "L", "Vegetarian", "cs, sk, en", "",
     "312-555-0199", "1611 W Division St", "Unit 3F", "Chicago", "IL", "60622"),
    ("Dorota", "Wiśniewska", "dorota.wisniewska@o2.pl", "", "Female", "", "S", "", "pl, uk, ru", "Drives; has a van",
     "+48 601 234 567", "", "", "", "", ""),
    ("Marcus", "Johnson", "mjohnson@uchicago.edu", "1979-06-30", "Male", "Retired social worker", "XL", "Gluten-free",
     "en, es", "", "7735550173", "1850 W Cortland St, Chicago, IL 60622", "", "", "", ""),
    ("Zsófia", "Kovács", "zsofia.kovacs@freemail.hu", "2001-09-21", "Non-Binary", "Student at UIC", "M", "Vegan",
     "hu, en, de", "Available Tuesdays, Thursdays", "(312) 555-0118", "920 S Loomis St", "", "Chicago", "IL",
     "60607"),
    ("Olena", "Shevchenko", "olena.shevchenko@ukr.net", "1990-01-05", "Female", "Interpreter", "M", "", "uk, pl, en",
     "", "773-555-0164", "2345 W Chicago Ave", "2nd floor", "Chicago", "IL", "60622"),
    ("Jakub", "Horák", "jakub.horak@gmail.com", "1988-07-17", "Male", "", "L", "Nut allergy", "cs, en",
     "Background check done 2025-02", "(872) 555-0130", "3612 N Kedzie Ave", "", "Chicago", "IL", "60618"),
    ("Emily", "O'Brien", "emily.obrien@outlook.com", "1997-12-08", "Female", "Nurse at Rush", "S", "", "en", "",
     "+1 312 555 0155", "1400 W Jackson Blvd", "Suite 210", "Chicago", "IL", "60607"),
    ("Andrzej", "Zając", "andrzej.zajac@wp.pl", "1962-04-25", "Male", "Carpenter, fixes donated furniture", "XXL", "",
     "pl", "No email updates please", "708-555-0188", "7712 W Lawrence Ave", "", "Norridge", "IL", "60706"),
    ("Lucia", "Mikulová", "lucia.mikulova@azet.sk", "1999-02-11", "Female", "", "S", "Lactose intolerant",
     "sk, cs, en, de", "", "(773) 555-0107", "4801 N Milwaukee Ave", "Apt 5C", "Chicago", "IL", "60630"),
    ("Daniel", "Reyes", "dreyes@northwestern.edu", "1984-10-03", "Male", "", "M", "", "es, en",
     "Spanish-speaking families", "847-555-0121", "1012 Church St", "", "Evanston", "IL", "60201"),
    ("Katarzyna", "Lewandowska", "k.lewandowska@interia.pl", "1975-05-19", "Female", "Accountant; helps with tax forms",
     "M", "", "pl, en", "", "", "6127 S Archer Ave", "", "Chicago", "IL", "60638"),
]

# A Pittsburgh state House campaign's get-out-the-vote text list (Spoke): first and last name, cell, ZIP, VAN id,
# polling place. 'friend' and 'there' stand for unknown first names, as the tool expects; one name in capitals.
SPOKE96 = [
    ("Mary", "Sabol", "(412) 555-0134", "15203", "10482213", "St. Adalbert Church Hall"),
    ("Joseph", "Kovalchik", "412-555-0178", "15210", "10482297", "Arlington Rec Center"),
    ("friend", "Dudek", "4125550190", "15203", "", "St. Adalbert Church Hall"),
    ("Anna", "Novak", "+14125550111", "15217-2213", "10491120", "Allentown Senior Center, 631 E Warrington Ave"),
    ("Zuzana", "Hricová", "412.555.0156", "15207", "10491188", "Greenfield Elementary"),
    ("there", "Sabol", "+1(412)5550127", "15203", "", "St. Adalbert Church Hall"),
    ("Michael", "Petrovsky", "(412) 555-0163", "", "10503341", ""),
    ("Krisztina", "Tóth", "412-555-0102", "15213", "10503377", "Carnegie Library, Oakland"),
    ("Stanley", "Wojcik", "4125550145", "15210", "10512006", "Arlington Rec Center"),
    ("PAUL", "HUDAK", "(412) 555-0189", "15207", "10512041", "Greenfield Elementary"),
    ("Dominika", "Krajewska", "+1 412 555 0197", "15203", "", "St. Adalbert Church Hall"),
    ("Robert", "Mazur", "412-555-0120", "15236", "10519930", "Baldwin Borough Building"),
    ("Ivana", "Babić", "(412) 555-0158", "15217", "10519955", "Squirrel Hill Library"),
    ("Gregory", "Yurkovich", "412-555-0133", "15210", "10520102", "Arlington Rec Center"),
]

# A Cleveland ballot-issue campaign's phone-bank group (GetThru): first name, last name, phone. 'friend' for an
# unknown first name and 'Null' for an unknown last name, as the help advises.
GETTHRU96 = [
    ("Helen", "Kaminski", "216-555-0147"),
    ("friend", "Szabo", "(216) 555-0163"),
    ("Frank", "Null", "+1 440 555 0102"),
    ("Barbara", "Novotny", "2165550188"),
    ("Věra", "Jelínková", "216.555.0171"),
    ("Dennis", "Hrabak", "440-555-0139"),
    ("Magdalena", "Sikora", "(330) 555-0116"),
    ("Laszlo", "Farkas", "216-555-0125"),
    ("Tamika", "Washington", "+12165550194"),
    ("Jozef", "Mrázik", "(216) 555-0152"),
]

# A Minneapolis tenants' union's volunteer texters (Hustle): full name, preferred name, mailbox.
HUSTLE96 = [
    ("Kateřina Nováková", "Katka", "katerina.novakova@gmail.com"),
    ("Bartłomiej Wójcik", "Bartek", "bartek.wojcik@protonmail.com"),
    ("Zsófia Kiss", "Zsófi", "zsofia.kiss@gmail.com"),
    ("Abdi Hassan", "", "abdi.hassan@umn.edu"),
    ("Jana Novak-Miller", "", "jana.novakmiller@outlook.com"),
    ("Margaret O'Neill", "Peggy", "peggy.oneill@comcast.net"),
    ("Ľubomír Hudák", "Ľubo", "lubomir.hudak@gmail.com"),
    ("Thomas Lindqvist", "Tom", "tlindqvist@gmail.com"),
    ("Małgorzata Zielińska", "Gosia", "gosia.zielinska@wp.pl"),
]

# A Milwaukee high school's service-hours roster (MobileServe): mailbox, first and last name, organisation codes,
# admin flag, birth date month first. Two teachers join the parent organisation as admins, with no birth date.
MOBILESERVE96 = [
    ("kinga.szabo@mps-students.org", "Kinga", "Szabó", "PHS-2026", "FALSE", "03-14-2008"),
    ("mateusz.zielinski@mps-students.org", "Mateusz", "Zieliński", "PHS-2026,PHS-NHS", "FALSE", "11-02-2007"),
    ("aiden.schultz@mps-students.org", "Aiden", "Schultz", "PHS-2027", "FALSE", "07-30-2009"),
    ("zuzana.dvorakova@mps-students.org", "Zuzana", "Dvořáková", "PHS-2027,PHS-KEY", "", "01-09-2009"),
    ("hkowalski@milwaukee.k12.wi.us", "Helena", "Kowalski", "PHS", "TRUE", ""),
    ("destiny.jackson@mps-students.org", "Destiny", "Jackson", "PHS-2026", "FALSE", "05-22-2008"),
    ("tomas.bartos@mps-students.org", "Tomáš", "Bartoš", "PHS-2028", "FALSE", "09-17-2010"),
    ("maria.garcia@mps-students.org", "María José", "García", "PHS-2026,PHS-NHS,PHS-KEY", "FALSE", "12-01-2007"),
    ("jnemeth@milwaukee.k12.wi.us", "János", "Németh", "PHS", "TRUE", ""),
    ("olivia.wrobel@mps-students.org", "Olivia", "Wróbel", "PHS-2026", "", "02-29-2008"),
    ("eliska.cerna@mps-students.org", "Eliška", "Černá", "PHS-2027", "FALSE", "06-05-2009"),
]

# A Bradford food bank's Gift Aid donors (HMRC's schedule): title, first name or initial, last name, house name or
# number, postcode, sponsored-event flag, donation date, amount. A double-barrelled name has a space for its hyphen,
# as the guidance asks; two runners of a sponsored walk.
GIFTAID96 = [
    ("Mrs", "Margaret", "Holroyd", "14", "BD9 4RN", "", "15/03/26", "120.00"),
    ("Mr", "J", "Walker", "Rose Cottage", "BD13 3HE", "", "02/03/26", "50.00"),
    ("Dr", "Agnieszka", "Kowalska Brown", "27a", "LS6 2AB", "", "28/02/26", "250.00"),
    ("", "Piotr", "Nowicki", "Flat 3", "BD1 4QL", "Yes", "21/03/26", "345.50"),
    ("Rev", "David", "Ackroyd", "The Vicarage", "BD3 0HD", "", "31/03/26", "600.00"),
    ("Ms", "Zdenka", "Horváthová", "52", "BD7 1DP", "", "10/03/26", "30.00"),
    ("Mrs", "Erzsébet", "Nagy", "8", "HD1 5JS", "", "04/03/26", "75.00"),
    ("Prof", "Richard", "Hargreaves", "Moorside House", "BD16 1AA", "", "30/01/26", "1000.00"),
    ("Mr", "Tomasz", "Lis", "119", "BD8 7AD", "Yes", "21/03/26", "180.00"),
    ("Miss", "Aisha", "Patel", "6", "BD9 5LX", "", "12/03/26", "20.00"),
    ("Mr", "Ondřej", "Svoboda", "Flat 12", "LS2 7HY", "", "29/03/26", "40.00"),
    ("Mrs", "S", "Brear", "3", "BD22 8NT", "", "17/02/26", "15.00"),
]
# Small gifts added together on one line with a description and no donor, as the guidance allows.
GIFTAID96_AGGREGATED = ("Saturday coffee morning donors", "28/03/26", "146.50")
