"""The people of the fifty-fifth held-out set, as each source holds them."""

# A Toronto law firm's clients (PCLaw, code page 1252, so Polish and Czech letters are typed without their
# marks): client number, given, family, firm, title, display as, address lines, city, province, postal code,
# billing address lines, city, province, postal code, business, home, other and cell phone, fax, mailbox.
PCLAW55 = [
    ("1001", "Anna", "Kowalczyk", "", "Ms", "Kowalczyk, Anna", "88 Roncesvalles Ave", "Unit 3", "Toronto", "ON",
     "M6R 2K9", "", "", "", "", "", "", "416-555-0141", "", "647-555-0190", "", "anna.kowalczyk@rogers.com"),
    ("1002", "Lukasz", "Wisniewski", "", "Mr", "Wisniewski, Lukasz", "1450 Dundas St W", "", "Mississauga", "ON",
     "L5C 1E4", "", "", "", "", "", "905-555-0122", "", "", "416-555-0177", "", "lukasz.w@gmail.com"),
    ("1003", "", "", "Maple Ridge Dental Corp.", "", "Maple Ridge Dental Corp.", "2300 Yonge St", "Suite 1500",
     "Toronto", "ON", "M4P 1E4", "PO Box 2401", "", "Toronto", "ON", "M4P 2E7", "416-555-0100", "", "", "",
     "416-555-0101", "accounts@mapleridgedental.ca"),
    ("1004", "Jean-François", "Gagné", "", "Mr", "Gagné, Jean-François", "45 Elm Dr E", "", "Mississauga", "ON",
     "L5A 4C5", "", "", "", "", "", "", "905-555-0155", "", "", "", "jf.gagne@videotron.ca"),
    ("1005", "Petra", "Novák", "Novák Import Ltd.", "Ms", "Novák, Petra", "120 Eglinton Ave E", "Suite 801",
     "Toronto", "ON", "M4P 1E2", "", "", "", "", "", "416-555-0166", "", "", "416-555-0167", "", "petra@novakimport.ca"),
    ("1006", "Margaret", "O'Sullivan", "", "Mrs", "O'Sullivan, Margaret", "17 Glen Manor Dr", "", "Toronto", "ON",
     "M4E 2X2", "", "", "", "", "", "", "416-555-0133", "416-555-0134", "", "", ""),
    ("1007", "", "", "Lakeshore Roofing Inc.", "", "Lakeshore Roofing", "9 Shorncliffe Rd", "", "Etobicoke", "ON",
     "M8Z 5K2", "", "", "", "", "", "416-555-0188", "", "", "", "416-555-0189", "office@lakeshoreroofing.ca"),
    ("1008", "Tamás", "Horváth", "", "Dr", "Horváth, Tamás", "310 Bloor St W", "Apt 1204", "Toronto", "ON",
     "M5S 1W4", "Department of Medicine", "200 Elizabeth St", "Toronto", "ON", "M5G 2C4", "416-555-0111", "", "",
     "647-555-0112", "", "t.horvath@utoronto.ca"),
    ("1009", "Chantal", "Tremblay", "", "", "", "66 Rue Principale", "", "Gatineau", "QC", "J9H 3L7", "", "", "",
     "", "", "", "819-555-0144", "", "819-555-0145", "", "chantal.tremblay@videotron.ca"),
    ("1010", "Jürgen", "Müller", "", "Mr", "Müller, Jürgen", "5 Lawrence Ave W", "", "Toronto", "ON", "M5M 1A1",
     "", "", "", "", "", "", "416-555-0199", "", "", "", "j.mueller@sympatico.ca"),
    ("1011", "", "", "Estate of Stanislaw Nowak", "", "Nowak, Stanislaw (Estate)", "c/o 22 Evans Ave", "",
     "Toronto", "ON", "M8Z 1H3", "", "", "", "", "", "", "", "416-555-0120", "", "", ""),
    ("1012", "Zuzana", "Dvorakova", "", "Ms", "Dvorakova, Zuzana", "77 Harbour Sq", "Suite 2410", "Toronto", "ON",
     "M5J 2S2", "", "", "", "", "", "", "", "", "437-555-0173", "", "zuzana.dvorakova@outlook.com"),
]

# An Ottawa accounting firm's clients (CCH iFirm): code, entity, name, title, given names, family names, mailing
# name, partner, manager, office, team, postal addressee.
CCHIFIRM55 = [
    ("CLT001", "Individual", "", "Mr", "Marek", "Zielinski", "", "Ian Jones", "Carla Cowan", "Ottawa", "Tax",
     "Mr M Zielinski"),
    ("CLT002", "Corporation", "Rideau Valley Plumbing Ltd", "", "", "", "", "Ian Jones", "Carla Cowan", "Ottawa",
     "Assurance", "Rideau Valley Plumbing Ltd"),
    ("CLT003", "Individual", "", "Mrs", "Eva", "Kovács", "", "Sophie Lavoie", "Carla Cowan", "Ottawa", "Tax",
     "Mrs E Kovács"),
    ("CLT004", "Corporation", "2468013 Ontario Inc", "", "", "", "Glebe Family Dental", "Sophie Lavoie",
     "Derek Wong", "Ottawa", "Assurance", "Glebe Family Dental"),
    ("CLT005", "Sole proprietor", "", "Ms", "Hana", "Procházková", "", "Ian Jones", "Derek Wong", "Kanata", "Tax",
     "Ms H Procházková"),
    ("CLT006", "Individual", "", "Dr", "Pierre", "Bélanger", "", "Sophie Lavoie", "Derek Wong", "Ottawa", "Tax",
     "Dr P Bélanger"),
    ("CLT007", "Non-Profit Organization", "Ottawa Slovak Heritage Society", "", "", "", "", "Ian Jones",
     "Carla Cowan", "Ottawa", "Assurance", "The Treasurer"),
    ("CLT008", "Individual", "", "Ms", "Aleksandra", "Nowicka", "", "Sophie Lavoie", "Carla Cowan", "Kanata", "Tax",
     ""),
    ("CLT009", "Partnership", "Byward Market Law LLP", "", "", "", "", "Ian Jones", "Derek Wong", "Ottawa",
     "Assurance", "Byward Market Law LLP"),
    ("CLT010", "Individual", "", "Mr", "Ondrej", "Svoboda", "", "Ian Jones", "Carla Cowan", "Ottawa", "Tax",
     "Mr O Svoboda"),
    ("CLT011", "Trust - Inter-Vivos", "The Brown Family Trust", "", "", "", "", "Sophie Lavoie",
     "Derek Wong", "Ottawa", "Tax", "The Trustees"),
    ("CLT012", "Individual", "", "Mrs", "Gabriele", "Schneider", "", "Sophie Lavoie", "Derek Wong", "Kanata", "",
     "Mrs G Schneider"),
]

# A Chicago litigation firm's case contacts (Casefleet): given, family, entity name, address lines, city, state,
# ZIP, phone, mailbox.
CASEFLEET55 = [
    ("Katarzyna", "Mazur", "", "5420 S Archer Ave", "", "Chicago", "IL", "60638", "(773) 555-0141",
     "kasia.mazur@gmail.com"),
    ("Robert", "Hayes", "", "233 S Wacker Dr", "Suite 8400", "Chicago", "IL", "60606", "312-555-0190",
     "rhayes@hayeslaw.com"),
    ("", "", "Midwest Freight Logistics LLC", "1200 W 35th St", "", "Chicago", "IL", "60609", "312-555-0177",
     "legal@mwfreight.com"),
    ("Jozef", "Kováč", "", "3018 N Harlem Ave", "Apt 2", "Chicago", "IL", "60634", "", ""),
    ("Dr. Linda", "Park", "", "675 N St Clair St", "Floor 19", "Chicago", "IL", "60611", "312-555-0123",
     "lpark@nm.org"),
    ("Tomasz", "Lewandowski", "", "7601 W Irving Park Rd", "", "Norridge", "IL", "60706", "708.555.0166", ""),
    ("", "", "Cook County Circuit Court Clerk", "50 W Washington St", "Room 1001", "Chicago", "IL", "60602",
     "312-603-5030", ""),
    ("Marcus", "Johnson", "", "", "", "", "", "", "773-555-0112", "marcus.j@yahoo.com"),
    ("Ilona", "Szabó", "", "1847 W Cortland St", "", "Chicago", "IL", "60622", "+36 30 555 0148",
     "ilona.szabo@freemail.hu"),
    ("", "", "State Farm Insurance", "1 State Farm Plaza", "", "Bloomington", "IL", "61710", "309-555-0100",
     "claims@statefarm.com"),
    ("Patricia", "Doyle", "", "401 N Michigan Ave", "", "Chicago", "IL", "60611", "", "pdoyle@doyleexperts.com"),
    ("Miroslav", "Černý", "", "2211 S Ridgeway Ave", "", "Chicago", "IL", "60623", "773-555-0185",
     "mirek.cerny@seznam.cz"),
]

# A Leeds accountancy's clients (Pixie): the client's name, mailbox, street, town, county, postcode.
PIXIE55 = [
    ("Aire Valley Joinery Ltd", "accounts@airevalleyjoinery.co.uk", "Unit 4, Kirkstall Industrial Park", "Leeds",
     "West Yorkshire", "LS5 3BT"),
    ("Sarah Whitaker", "sarah.whitaker@btinternet.com", "12 Otley Road", "Leeds", "West Yorkshire", "LS6 2AD"),
    ("Tomasz Zieliński", "tomasz.zielinski@gmail.com", "48 Harehills Lane", "Leeds", "", "LS8 4HA"),
    ("Headingley Physiotherapy LLP", "info@headingleyphysio.co.uk", "3 North Lane", "Leeds", "West Yorkshire",
     "LS6 3HE"),
    ("Kateřina Nováková", "", "7 Chapel Allerton Mews", "Leeds", "", "LS7 3PQ"),
    ("Mohammed Iqbal", "m.iqbal@outlook.com", "221 Roundhay Road", "Leeds", "West Yorkshire", "LS8 4HS"),
    ("Dales Cycle Hire Ltd", "hello@dalescyclehire.co.uk", "The Old Station", "Skipton", "North Yorkshire",
     "BD23 1QP"),
    ("Zsuzsanna Tóth", "zsuzsa.toth@freemail.hu", "Flat 5, 90 Wellington Street", "Leeds", "West Yorkshire",
     "LS1 4LT"),
    ("James O'Neill", "james.oneill@sky.com", "15 Victoria Road", "Harrogate", "North Yorkshire", "HG1 1EL"),
    ("Bäckerei Schulz UK Ltd", "office@baeckerei-schulz.co.uk", "2 Kirkgate", "Wakefield", "West Yorkshire",
     "WF1 1HZ"),
    ("Emily Hartley", "emily.hartley@icloud.com", "", "", "", ""),
    ("Marek Kováč", "marek.kovac@azet.sk", "33 Burley Road", "Leeds", "West Yorkshire", "LS3 1JT"),
]

# A Ghent accountancy's personal income tax clients (Accounton): the fixed 'person', given, family, mailbox,
# mobile.
ACCOUNTON55 = [
    ("person", "Pieter", "De Smet", "pieter.desmet@telenet.be", "+32 475 12 34 56"),
    ("person", "Marie", "Dubois", "marie.dubois@skynet.be", "0476 23 45 67"),
    ("person", "Jan", "Van den Broeck", "jan.vandenbroeck@gmail.com", ""),
    ("person", "Agnieszka", "Wójcik", "agnieszka.wojcik@wp.pl", "+48 601 234 567"),
    ("person", "Els", "Claes", "els.claes@proximus.be", "0486 34 56 78"),
    ("person", "Tomáš", "Dvořák", "tomas.dvorak@seznam.cz", "+32 494 45 67 89"),
    ("person", "Lieve", "Vermeulen", "lieve.vermeulen@hotmail.com", "0477 56 78 90"),
    ("person", "Koen", "Maes", "koen.maes@ugent.be", "+32 9 264 00 00"),
    ("person", "Réka", "Kiss", "reka.kiss@gmail.com", "0468 11 22 33"),
    ("person", "Sofie", "Jacobs", "sofie.jacobs@telenet.be", "0495 98 76 54"),
    ("person", "Luc", "Wouters", "luc.wouters@icloud.com", ""),
    ("person", "Nathalie", "Lambert", "nathalie.lambert@skynet.be", "+32 471 22 33 44"),
]

# A Dublin accounting practice's clients for proposals (Ignition): client, contact's whole name, contact's
# mailbox, client id, contact id (empty for clients not yet in Ignition).
IGNITION55 = [
    ("Liffey Coffee Roasters Ltd", "Aoife Byrne", "aoife@liffeycoffee.ie", "cl_10231", "ct_50411"),
    ("Liffey Coffee Roasters Ltd", "Dariusz Kamiński", "dariusz@liffeycoffee.ie", "cl_10231", "ct_50412"),
    ("Seán Murphy", "Seán Murphy", "sean.murphy@eircom.net", "cl_10232", "ct_50413"),
    ("Kovács Electrical", "Gábor Kovács", "gabor@kovacselectrical.ie", "", ""),
    ("Dún Laoghaire Dental Practice", "Niamh O'Brien", "niamh@dldental.ie", "cl_10234", "ct_50415"),
    ("Dún Laoghaire Dental Practice", "Ciarán Walsh", "accounts@dldental.ie", "cl_10234", "ct_50416"),
    ("Jana Horáková", "Jana Horáková", "jana.horakova@gmail.com", "", ""),
    ("Phoenix Park Physio", "Orla Kennedy", "orla@ppphysio.ie", "cl_10236", "ct_50418"),
    ("Nowak Construction Ltd", "Krzysztof Nowak", "k.nowak@nowakconstruction.ie", "", ""),
    ("Patrick Doyle", "Patrick Doyle", "pdoyle@gmail.com", "cl_10238", "ct_50420"),
    ("Grafton Street Books", "Emer Gallagher", "emer@graftonbooks.ie", "cl_10239", "ct_50421"),
    ("Šimek Software Ltd", "Martin Šimek", "martin@simeksoftware.ie", "", ""),
]
