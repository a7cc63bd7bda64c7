"""The people of the ninety-eighth held-out set, as each source holds them."""

# A Cleveland Slovenian society's letter to its members (LetterStream): name as it goes on the envelope, street,
# city, state, ZIP, a joint recipient, company, second street line.
LETTERSTREAM98 = [
    ("Frank Zupancic", "6417 St. Clair Ave", "Cleveland", "OH", "44103", "Mary Zupancic", "", ""),
    ("Anna Kovach", "20750 Lakeland Blvd", "Euclid", "OH", "44119-2710", "", "", "Apt 304"),
    ("Joseph Tomsic", "815 E 185th St", "Cleveland", "OH", "44119", "", "Tomsic Insurance Agency", "Suite 2"),
    ("Accounts Payable", "4500 Euclid Ave", "Cleveland", "OH", "44103", "", "Lake Erie Tool & Die Inc.", ""),
    ("Katarina Novak", "3411 Superior Ave", "Cleveland", "OH", "44114", "", "", "Unit 5B"),
    ("Janez Šuštar", "18607 Neff Rd", "Cleveland", "OH", "44119", "", "", ""),
    ("Elizabeth Toth", "2860 E 130th St", "Cleveland", "OH", "44120", "Steven Toth", "", ""),
    ("Marija Horvat", "129 Bloomfield St", "Hoboken", "NJ", "07030", "", "", "Fl 2"),
    ("Dr. Paul Kosir", "26250 Euclid Ave", "Euclid", "OH", "44132", "", "Euclid Family Dental", "Suite 110"),
    ("Theresa Debevec", "27100 Chardon Rd", "Richmond Heights", "OH", "44143", "", "", ""),
    ("Louis Kastelic Jr.", "1031 E 61st St", "Cleveland", "OH", "44103", "Rose Kastelic", "", ""),
    ("Helena Wojcik", "5210 Fleet Ave", "Cleveland", "OH", "44105", "", "", ""),
    ("Stanislav Hrdlicka", "5620 Mayfield Rd", "Lyndhurst", "OH", "44124", "", "Hrdlicka & Sons Bakery", ""),
]

# A Wisconsin dairy equipment maker's catalogue mailing (Banta): keyline, given, family, job title, company,
# street, city, state, ZIP, country.
BANTA98 = [
    ("1", "Thomas", "Kowalczyk", "Service Manager", "Fox Valley Dairy Supply", "N2840 County Rd K", "Kaukauna",
     "WI", "54130", "USA"),
    ("2", "Linda", "Schultz", "", "", "1207 W College Ave", "Appleton", "WI", "54914-4830", "USA"),
    ("3", "", "", "", "Lakeshore Farm Equipment Inc", "4102 Calumet Ave", "Manitowoc", "WI", "54220", "USA"),
    ("4", "Jan", "Novotny", "Owner", "Novotny Farms", "W5677 Hwy 54", "Black Creek", "WI", "54106", "USA"),
    ("5", "Mark", "Wisniewski", "Purchasing Agent", "Badger Milk Cooperative", "PO Box 318", "Pulaski", "WI",
     "54162", "USA"),
    ("6", "Karen", "Meyer", "Controller", "Meyer Implement Co", "2500 S Broadway", "Green Bay", "WI", "54304",
     "United States"),
    ("7", "Daniel", "Horvath", "", "", "612 Oak St", "Chilton", "WI", "53014", "USA"),
    ("8", "Pierre", "Gagnon", "Directeur des ventes", "Équipements Laitiers Gagnon", "3250 boul. Laframboise",
     "Saint-Hyacinthe", "QC", "J2S 4Z5", "Canada"),
    ("9", "Susan", "Dvorak", "Herd Manager", "Dvorak Holsteins", "N9120 Dvorak Rd", "Kewaunee", "WI", "54216",
     "USA"),
    ("10", "", "", "", "Holstein Association USA", "1 Holstein Pl", "Brattleboro", "VT", "05301", "USA"),
    ("11", "Robert", "Lewandowski", "IT Manager", "Cedar Grove Cheese", "E5904 Mill Rd", "Plain", "WI", "53577",
     "USA"),
    ("12", "Anna", "Krause", "", "", "318 N Main St", "Seymour", "WI", "54165", "USA"),
]

# A Regensburg engineering firm's Christmas e-card list (Power eCard): given, family, mailbox, gender as typed,
# title, company, group.
POWERECARD98 = [
    ("Stefan", "Huber", "s.huber@huber-maschinenbau.de", "Herr", "", "Huber Maschinenbau GmbH", "Kunden"),
    ("Petra", "Wagner", "petra.wagner@t-online.de", "Frau", "Dr", "", "Privat"),
    ("Jiří", "Novotný", "jiri.novotny@strojirny-plzen.cz", "m", "Ing.", "Strojírny Plzeň a.s.", "Kunden"),
    ("Zsófia", "Kiss", "kiss.zsofia@gyorimetal.hu", "f", "", "Győri Metál Kft.", "Lieferanten"),
    ("", "", "info@druckerei-pustet.de", "", "", "Druckerei Pustet", "Lieferanten"),
    ("Andreas", "Bauer", "andreas.bauer@bauer-elektro.de", "hr", "Prof.Dr.", "Bauer Elektrotechnik", "Kunden"),
    ("Magdalena", "Kowalska", "m.kowalska@polmetal.pl", "Frau", "", "Polmetal Sp. z o.o.", "Lieferanten"),
    ("Thomas", "Schmid", "thomas.schmid@mittelbayerische.de", "Herr", "", "Mittelbayerische Zeitung", "Presse"),
    ("Ľubica", "Hrušková", "lubica.hruskova@zoznam.sk", "f", "Mgr.", "", "Privat"),
    ("Johann", "Weinzierl", "j.weinzierl@gmx.de", "mr", "", "", "Privat"),
    ("Katharina", "Obermeier", "k.obermeier@ostbayern-it.de", "Frau", "Dr", "Ostbayern IT GmbH", "Kunden"),
    ("Tomáš", "Marek", "tomas.marek@email.cz", "Herr", "", "", "Privat"),
]

# A Vienna medical supplier's mailing to practices, pharmacies and hospitals (Print Alliance): firm, salutation,
# title, given, family, street with house number, postal code, town, country written out, customer number.
PRINTALLIANCE98 = [
    ("Ordination Dr. Gruber", "Herr", "Dr.", "Martin", "Gruber", "Mariahilfer Straße 88/2/14", "1070", "Wien", "",
     "K-20411"),
    ("Apotheke Zum Goldenen Hirschen", "", "", "", "", "Hauptplatz 12", "8010", "Graz", "", "K-20412"),
    ("", "Frau", "Mag. pharm.", "Eva", "Horváth", "Grazer Straße 5", "7000", "Eisenstadt", "", "K-20413"),
    ("Universitätsklinikum AKH Wien, Universitätsklinik für Innere Medizin II, Klinische Abteilung für Kardiologie",
     "Frau", "Univ.-Prof. Dr.", "Irene", "Lang", "Währinger Gürtel 18-20", "1090", "Wien", "", "K-20414"),
    ("Praxis MUDr. Nováková", "Frau", "MUDr.", "Jana", "Nováková", "Masarykova 20", "602 00", "Brno", "TSCHECHIEN",
     "K-20415"),
    ("", "Herr", "", "Peter", "Steiner", "Linzer Gasse 31", "5020", "Salzburg", "", "K-20416"),
    ("Gemeinschaftspraxis Dr. Köhler & Dr. Weiß", "Herr", "Dr. med.", "Jens", "Köhler", "Prager Straße 14", "01069",
     "Dresden", "DEUTSCHLAND", "K-20417"),
    ("Landesklinikum Baden", "", "", "", "", "Waltersdorfer Straße 75", "2500", "Baden", "", "K-20418"),
    ("", "Frau", "Dr.", "Katalin", "Szabó", "Fő utca 14.", "9400", "Sopron", "UNGARN", "K-20419"),
    ("Apotheke Am Hauptbahnhof", "Herr", "Mag. pharm.", "Lukas", "Hofer", "Südtiroler Platz 3", "4020", "Linz", "",
     "K-20420"),
    ("", "Frau", "MUDr.", "Zuzana", "Kováčová", "Štúrova 12", "811 02", "Bratislava", "SLOWAKEI", "K-20421"),
    ("", "Herr", "Prim. Dr.", "Andrej", "Kranjc", "Tomšičeva 4", "1000", "Ljubljana", "SLOWENIEN", "K-20422"),
]

# A Groningen music school's magazine mailing (Scholma): three name lines, street, house number, addition,
# postal code, town, country code.
SCHOLMA98 = [
    ("Jan de Vries", "", "", "Oosterstraat", "44", "", "9711 NV", "Groningen", "NL"),
    ("Bouwbedrijf Hoekstra B.V.", "Marta Nowak", "", "Industrieweg", "12", "", "9301 LM", "Roden", "NL"),
    ("Anneke van der Meer", "", "", "Herestraat", "101", "A", "9711 LC", "Groningen", "NL"),
    ("Gemeente Groningen", "Afdeling Cultuur", "t.a.v. Eva Horváth", "Kreupelstraat", "1", "", "9712 HW",
     "Groningen", "NL"),
    ("Piotr Zieliński", "", "", "Paterswoldseweg", "212", "bis", "9727 BW", "Groningen", "NL"),
    ("Stichting Muziekschool Noord", "", "", "Postbus", "1234", "", "9701 BE", "Groningen", "NL"),
    ("Klaas Bakker", "", "", "Hoofdweg", "7", "", "9617 AA", "Harkstede", "NL"),
    ("Tandartspraktijk Dijkstra", "t.a.v. Lenka Dvořáková", "", "Zuiderdiep", "58", "", "9711 HK", "Groningen",
     "NL"),
    ("Hendrik ter Horst", "", "", "Verlengde Hereweg", "140", "", "9722 AM", "Groningen", "NL"),
    ("Ágnes Tóth", "", "", "Kerklaan", "3", "", "9751 NN", "Haren", "NL"),
    ("Boekhandel Van der Velde", "", "", "A-Kerkhof", "50", "", "9711 JB", "Groningen", "NL"),
    ("Willem Smit", "Sanne Smit-Kuipers", "", "Esdoornlaan", "9", "", "9401 ED", "Assen", "NL"),
]

# A Nantes wine merchant's New Year cards (Manuscry): identifier (a mailbox or a CRM number), the name on the
# envelope, two address lines, postal code, town.
MANUSCRY98 = [
    ("claire.martin@orange.fr", "Claire Martin", "20 rue Victor Hugo", "", "44000", "Nantes"),
    ("CRM-0412", "Jean-Pierre Lefèvre", "8 allée des Tilleuls", "Résidence Les Pins, bât. B", "44300", "Nantes"),
    ("tomas.kral@seznam.cz", "Tomáš Král", "15 quai de la Fosse", "Appartement 32", "44000", "Nantes"),
    ("CRM-0415", "M. Bernard Roux", "4 rue de la Paix", "", "44000", "Nantes"),
    ("agnieszka.wrobel@gmail.com", "Agnieszka Wróbel", "3 place du Commerce", "", "44000", "Nantes"),
    ("CRM-0417", "Mme Hélène Dubois", "12 boulevard Guist'hau", "", "44000", "Nantes"),
    ("istvan.nagy@freemail.hu", "István Nagy", "27 rue de Strasbourg", "2e étage", "44000", "Nantes"),
    ("p.garnier@wanadoo.fr", "Philippe Garnier", "5 chemin de la Noë", "", "44120", "Vertou"),
    ("CRM-0420", "Marie-Thérèse Bonnet", "1 rue du Port", "", "44210", "Pornic"),
    ("martina.hruba@email.cz", "Martina Hrubá", "44 avenue de la République", "Bâtiment C", "44600",
     "Saint-Nazaire"),
    ("CRM-0422", "Dr Luc Moreau", "9 rue Crébillon", "Cabinet médical", "44000", "Nantes"),
    ("sophie.lambert@free.fr", "Sophie Lambert", "6 impasse des Vignes", "", "49000", "Angers"),
]
