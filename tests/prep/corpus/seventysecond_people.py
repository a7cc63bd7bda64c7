"""The people of the seventy-second set, as each source holds them."""

# A Strasbourg pharmacy's vaccinated patients (Colibri): tag, sex, family, given, birth date, note, street,
# INSEE code, postal code, phone, mailbox.
COLIBRI72 = [
    ("grippe2025", "F", "Muller", "Odile", "14/03/1948", "", "12 rue des Orfèvres", "67482", "67000",
     "0388321456", "odile.muller@orange.fr"),
    ("grippe2025", "M", "Nowak", "Tomasz", "02/11/1979", "Travaille à Kehl", "5 quai Saint-Nicolas", "67482",
     "67000", "0612345678", "tomasz.nowak@wp.pl"),
    ("covid", "F", "Dvořáková", "Jana", "21/07/1955", "", "8 allée de la Robertsau", "67482", "67000", "",
     "jana.dvorakova@seznam.cz"),
    ("grippe2025", "M", "Schmitt", "Bernard", "30/01/1941", "Tuteur légal: Mme Schmitt Claire",
     "3 rue du Général Leclerc", "67218", "67400", "0388654321", ""),
    ("hpv", "F", "Kovács", "Eszter", "09/09/2009", "", "27 avenue de Colmar", "67482", "67100", "0698765432",
     "kovacs.csalad@freemail.hu"),
    ("covid", "M", "Lefèvre", "Jean-Pierre", "17/05/1952", "", "1 place Kléber", "67482", "67000",
     "0388112233", "jp.lefevre@free.fr"),
    ("grippe2025", "F", "Wiśniewska", "Halina", "11/12/1946", "Allergie oeuf", "44 route de Bischwiller",
     "67365", "67300", "0388445566", ""),
    ("hpv", "M", "Horváth", "Lukas", "03/04/2010", "", "15 rue de Molsheim", "67482", "67000", "0677889900",
     "s.horvath@gmx.de"),
    ("covid", "F", "Klein", "Marie-Thérèse", "25/08/1939", "", "6 rue Principale", "67519", "67540", "0388990011",
     ""),
]

# A Lille home equipment provider's patients (e4-bizz MAD): given, family in capitals, street, postal code,
# town, birth date, social security number, address extra, phone, mobile, mailbox, CRM code, note, active.
E4BIZZ72 = [
    ("Monique", "DUBOIS", "14 rue Nationale", "59000", "Lille", "12/06/1938", "238065935012345", "Apt 12, 3e étage",
     "03 20 12 34 56", "", "", "MG5-10021", "Lit médicalisé", "Oui"),
    ("Kazimierz", "KOWALSKI", "7 rue de Paris", "59100", "Roubaix", "04/02/1944", "144029912345678", "",
     "03 20 70 11 22", "06 11 22 33 44", "k.kowalski@wanadoo.fr", "MG5-10022", "", "Oui"),
    ("Věra", "NOVOTNÁ", "22 boulevard Vauban", "59000", "Lille", "30/09/1951", "251099935001122", "",
     "", "06 22 33 44 55", "vera.novotna@centrum.cz", "MG5-10023", "Fille à Prague", "Oui"),
    ("André", "LECLERCQ", "5 place du Général de Gaulle", "59200", "Tourcoing", "19/11/1935", "135115911223344",
     "Résidence Les Tilleuls", "03 20 25 36 47", "", "", "MG5-10024", "Oxygène", "Non"),
    ("Irena", "ZIELIŃSKA", "91 rue Solférino", "59000", "Lille", "08/03/1947", "247039912121212", "Bât. B",
     "03 20 54 65 76", "06 33 44 55 66", "", "MG5-10025", "", "Oui"),
    ("Gérard", "MARTIN", "3 rue de la Gare", "59650", "Villeneuve-d'Ascq", "", "", "", "", "06 44 55 66 77",
     "gerard.martin59@gmail.com", "MG5-10026", "", "Oui"),
    ("Zsuzsanna", "NAGY", "40 rue d'Arras", "59000", "Lille", "14/07/1958", "258079912343434", "",
     "03 20 88 99 00", "", "zsuzsa.nagy@gmail.com", "MG5-10027", "Fauteuil roulant", "Oui"),
    ("Françoise", "DELATTRE", "18 avenue de la République", "59110", "La Madeleine", "02/01/1942",
     "242015935067890", "", "03 20 31 42 53", "06 55 66 77 88", "f.delattre@laposte.net", "MG5-10028", "",
     "Oui"),
]

# An Ontario hearing conservation provider's tested workers (SHOEBOX): id, family, given, middle initial, sex,
# birth date, hire date, mailbox, test date, cell phone, three address lines, city, province, country, postal
# code, school, job class, employer, employee number, facility, department, position, status, active date.
SHOEBOX72 = [
    ("HC-2001", "Kowalczyk", "Marek", "J", "M", "1978-04-12", "2015-03-02", "marek.kowalczyk@stelco.ca",
     "2025-10-14", "905-555-0142", "88 Barton St E", "Unit 3", "", "Hamilton", "ON", "Canada", "L8L 2V8", "",
     "Millwright", "Stelco Inc.", "E4471", "Lake Erie Works", "Maintenance", "Millwright", "A", "2025-10-14"),
    ("HC-2002", "Tremblay", "Sophie", "", "F", "1985-09-30", "2019-06-17", "", "2025-10-14", "905-555-0178",
     "14 King St W", "", "", "Hamilton", "ON", "Canada", "L8P 1A1", "", "Operator", "Stelco Inc.", "E5102",
     "Lake Erie Works", "Rolling Mill", "Crane Operator", "Active", "2025-10-14"),
    ("HC-2003", "Novák", "Petr", "A", "M", "1969-01-22", "2001-09-10", "petr.novak@dofasco.ca", "2025-09-03",
     "", "230 Ottawa St N", "", "", "Hamilton", "ON", "Canada", "L8H 3Z9", "", "Welder", "ArcelorMittal Dofasco",
     "D1187", "Plant 2", "Fabrication", "Welder", "A", "2025-09-03"),
    ("HC-2004", "Singh", "Harpreet", "K", "F", "1991-12-05", "2022-01-04", "harpreet.singh@gmail.com",
     "2025-09-03", "289-555-0111", "5 Mountain Ave", "Apt 1204", "", "Hamilton", "ON", "Canada", "L9A 4K1", "",
     "Technician", "ArcelorMittal Dofasco", "D2290", "Plant 2", "Quality", "Lab Technician", "A", "2025-09-03"),
    ("HC-2005", "Szabó", "Gábor", "", "M", "1958-06-18", "1990-05-14", "", "2024-11-20", "905-555-0190",
     "71 Concession St", "", "", "Hamilton", "ON", "Canada", "L9A 1B2", "", "Labourer", "Hamilton Port Authority",
     "P0098", "Pier 12", "Operations", "Stevedore", "I", "2024-11-20"),
    ("HC-2006", "Gagnon", "Luc", "R", "M", "2006-02-27", "2025-06-30", "luc.gagnon@mohawkcollege.ca", "2025-07-02",
     "905-555-0163", "135 Fennell Ave W", "", "", "Hamilton", "ON", "Canada", "L9C 1E9", "Mohawk College",
     "Apprentice", "Stelco Inc.", "E6010", "Lake Erie Works", "Maintenance", "Electrical Apprentice", "A",
     "2025-07-02"),
    ("HC-2007", "Horvat", "Ana", "", "F", "1982-08-08", "2010-10-01", "ana.horvat@hamilton.ca", "2025-05-21",
     "905-555-0127", "71 Main St W", "City Hall", "Floor 2", "Hamilton", "ON", "Canada", "L8P 4Y5", "",
     "Inspector", "City of Hamilton", "C7731", "City Hall", "Public Works", "Noise Inspector", "A", "2025-05-21"),
    ("HC-2008", "MacDonald", "Ian", "", "M", "1974-03-15", "2008-02-11", "ian.macdonald@stelco.ca", "2025-10-15",
     "905-555-0185", "400 Kenilworth Ave N", "", "", "Hamilton", "ON", "Canada", "L8H 4T2", "", "Operator",
     "Stelco Inc.", "E3350", "Lake Erie Works", "Coke Ovens", "Shift Supervisor", "Active", "2025-10-15"),
]

# A Denver functional medicine practice's clients (Heads Up Health): mailbox, password, given, family, birth
# date, gender, tag, external id.
HEADSUP72 = [
    ("rachel.adams@gmail.com", "Welcome#2025a", "Rachel", "Adams", "19811120", "female", "metabolic", "PT-0341"),
    ("jakub.prochazka@outlook.com", "Welcome#2025b", "Jakub", "Procházka", "19760304", "male", "thyroid", "PT-0342"),
    ("lmorales@yahoo.com", "Welcome#2025c", "Lucia", "Morales", "19900615", "female", "", "PT-0343"),
    ("kamil.wojcik@gmail.com", "Welcome#2025d", "Kamil", "Wójcik", "19850929", "male", "metabolic", "PT-0344"),
    ("d.thompson@comcast.net", "Welcome#2025e", "David", "Thompson", "19640211", "male", "cardio", ""),
    ("eva.toth@icloud.com", "Welcome#2025f", "Éva", "Tóth", "19930107", "female", "gut", "PT-0346"),
    ("sarah.oconnell@gmail.com", "Welcome#2025g", "Sarah", "O'Connell", "19870722", "female", "thyroid", "PT-0347"),
    ("mike.brennan@protonmail.com", "Welcome#2025h", "Michael", "Brennan", "19791030", "male", "", "PT-0348"),
    ("zuzana.kralova@gmail.com", "Welcome#2025i", "Zuzana", "Králová", "19950518", "female", "gut", "PT-0349"),
]

# A Chicago group therapy practice's clients (Upheal): given, family, pronouns, preferred name, mailbox, phone.
UPHEAL72 = [
    ("Katherine", "Novak", "She/her", "Kate", "kate.novak@gmail.com", "(312) 555-0141"),
    ("Witold", "Grabowski", "He/him", "", "w.grabowski@att.net", "312-555-0177"),
    ("Jordan", "Lee", "They/them", "Jo", "jordan.lee@gmail.com", "+1 773 555 0102"),
    ("Marta", "Kučerová", "She/her", "", "marta.kucerova@gmail.com", ""),
    ("Robert", "Johnson", "He/him", "Bobby", "", "(773) 555-0196"),
    ("Agnieszka", "Lis", "She/her", "Aga", "aga.lis@outlook.com", "872-555-0133"),
    ("Daniel", "Fischer", "He/him", "Dan", "dfischer@uchicago.edu", "(312) 555-0168"),
    ("Ilona", "Farkas", "She/her", "", "ilona.farkas@gmail.com", "+36 30 555 0187"),
]

# A Phoenix optometry practice's patients (Rhinogram): id, family, given, birth date.
RHINOGRAM72 = [
    ("3456", "Martinez", "Elena", "1987-07-22"),
    ("3457", "Kowalski", "Adam", "1972-02-14"),
    ("3458", "Nguyen", "Linh", "2001-11-09"),
    ("3459", "Dvořák", "Tomáš", "1966-05-30"),
    ("c3ba714d-47e7-4eb4-8713-b60730179c89", "Baker", "Samuel", "1958-12-01"),
    ("3461", "Szűcs", "Réka", "1994-03-17"),
    ("3462", "Walker", "Emma", ""),
    ("3463", "Zielinski", "Paul", "1980-09-05"),
    ("3464", "Horváthová", "Mária", "1949-01-28"),
]
