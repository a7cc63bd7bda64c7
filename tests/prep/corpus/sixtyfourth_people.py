"""The people of the sixty-fourth held-out set, as each source holds them."""

# A Cham garage's customers moved into Werkstatt.NXT: old customer number, debtor number, salutation, title,
# given name, family name, organisation (for a firm or a body, the person's columns then empty).
WERKSTATTNXT64 = [
    ("K-10231", "10231", "Herr", "", "Markus", "Huber", ""),
    ("K-10232", "", "Frau", "Dr.", "Sabine", "Wimmer", ""),
    ("K-10233", "10233", "Herr", "", "Jiří", "Kučera", ""),
    ("K-10234", "10234", "", "", "", "", "Spedition Rötzer GmbH & Co. KG"),
    ("10235", "", "keine Angabe", "", "Alex", "Brunner", ""),
    ("K-10236", "10236", "Frau", "", "Agnieszka", "Dąbrowska", ""),
    ("K-10237", "", "Herr", "Dipl.-Ing.", "Thomas", "Gschwendtner", ""),
    ("K-10238", "10238", "", "", "", "", "Caritas-Sozialstation Cham e.V."),
    ("K-10239", "10239", "Frau", "", "Petra", "Šimková", ""),
    ("K-10240", "", "Herr", "Prof. Dr.", "Ludwig", "Aschenbrenner", ""),
    ("K-10241", "10241", "Herr", "", "Zoltán", "Farkas", ""),
    ("", "10242", "", "", "", "", "Autopůjčovna Novák s.r.o."),
    ("K-10243", "10243", "Frau", "", "Maria", "Müller-Lindner", ""),
]

# A Napier garage's customers for Auxo Workshop: type (I or C), id, given, family, firm, mobile and phone (digits
# only, dialled at home), mailbox, business number, billing and delivery address (each whole in one cell), GST
# number, tax rate, terms, notes.
AUXO64 = [
    ("I", "C1001", "Aroha", "Ngata", "", "0211234567", "", "aroha.ngata@xtra.co.nz", "",
     "12 Hastings Street, Napier, 4110", "", "", "15%", "Cash", "WOF due in March"),
    ("I", "C1002", "Tomáš", "Dvořák", "", "0274455667", "068351234", "tomas.dvorak@gmail.com", "",
     "45 Kennedy Road, Napier, 4110", "", "", "15%", "Cash", "Skoda Octavia, prefers texts"),
    ("C", "C1003", "", "", "Hawke's Bay Couriers Ltd", "", "068431122", "accounts@hbcouriers.co.nz",
     "9429041234567", "PO Box 2045, Napier, 4140", "23 Thames Street, Napier, 4110", "111-222-333", "15%",
     "[Credit] 20th Day of Next Month", "Fleet of 6 vans, key box at the gate"),
    ("C", "C1004", "Katarzyna", "Wiśniewska", "Wiśniewska Cleaning Ltd", "0225566778", "",
     "kasia@wcleaning.co.nz", "9429049876543", "8 Gloucester Street, Taradale, 4112", "", "123-987-654", "15%",
     "[Credit] 14 Days", ""),
    ("I", "C1005", "Hemi", "Walker", "", "0212223334", "068789012", "", "",
     "301 Heretaunga Street East, Hastings, 4122", "", "", "15%", "Cash", "No e-mail, ring the landline"),
    ("I", "C1006", "Ivana", "Horvat", "", "", "068355667", "ivana.horvat@outlook.com", "",
     "17 Marine Parade, Napier, 4110", "", "", "15%", "Cash", ""),
    ("C", "C1007", "", "", "Bay View Orchards Limited", "", "068366001", "office@bayvieworchards.co.nz",
     "9429030011223", "420 Main Road, Bay View, 4104", "", "098-765-432", "0%", "[Credit] 14 Days",
     "Tractors and utes, call before 8am"),
    ("I", "C1008", "Sophie", "O'Brien", "", "0278889990", "", "sophie.obrien@gmail.com", "",
     "5 Puketapu Road, Taradale, 4112", "", "", "15%", "Cash", ""),
    ("I", "C1009", "Miklós", "Szabó", "", "0215550123", "", "miklos.szabo@gmail.com", "", "", "", "", "15%",
     "Cash", "Visitor, NZ mobile only"),
    ("C", "C1010", "Jan", "Procházka", "Procházka Builders Ltd", "0273334445", "068441234",
     "jan@prochazkabuilders.co.nz", "9429045556667", "14 Station Street, Napier, 4110", "", "123-456-789", "15%",
     "[Credit] 30th Day of Next Month", ""),
    ("I", "C1011", "Grace", "Te Huia", "", "0229876543", "", "grace.tehuia@xtra.co.nz", "",
     "88 Avenue Road, Hastings, 4122", "", "", "15%", "Cash", "Courtesy car, always"),
    ("C", "C1012", "", "", "Napier City Council", "", "068357579", "fleet@napier.govt.nz", "",
     "215 Hastings Street, Napier, 4110", "", "", "15%", "[Credit] 20th Day of Next Month",
     "Council fleet - purchase order required"),
]

# A London chauffeur and airport transfer firm's customers for Gazoop: given name (or the whole name), family
# name, firm, number (international digits), its kind, mailbox, two address lines (or the whole address in the
# first), city, county.
GAZOOP64 = [
    ("Oliver", "Bennett", "", "447700900123", "mobile", "oliver.bennett@gmail.com", "14 Elgin Crescent", "",
     "London", ""),
    ("Magdalena Kowalczyk", "", "", "447700900456", "mobile", "magda.kowalczyk@wp.pl", "27 Ravenscourt Road",
     "Flat 3", "London", ""),
    ("Ewa", "Horáková", "Horáková Interiors Ltd", "442079460321", "landline", "ewa@horakova-interiors.co.uk",
     "5 Shad Thames", "", "London", ""),
    ("Reception", "", "The Kensington Grand Hotel", "442079460500", "landline", "concierge@kensingtongrand.co.uk",
     "109 Cromwell Road", "", "London", ""),
    ("James", "Whitfield", "", "447700900789", "", "", "22 High Street", "", "Guildford", "Surrey"),
    ("Gábor Tóth", "", "", "36301234567", "mobile", "gabor.toth@freemail.hu", "", "", "", ""),
    ("Priya", "Sharma", "Sharma & Co Solicitors", "442074960111", "landline", "priya.sharma@sharmaco.co.uk",
     "48 Chancery Lane", "2nd Floor", "London", ""),
    ("Tomasz", "Zieliński", "", "447700900321", "mobile", "tomasz.zielinski@gmail.com",
     "9 Meadow Way, Reading, Berkshire", "", "", ""),
    ("Emily", "Clarke", "", "447700900654", "mobile", "emily.clarke@outlook.com", "3 Church Lane", "", "Windsor",
     "Berkshire"),
    ("Lukáš", "Beneš", "", "420602123456", "mobile", "lukas.benes@seznam.cz", "", "", "", ""),
    ("Margaret", "Hughes", "", "441483555019", "landline", "", "7 The Green", "", "Esher", "Surrey"),
    ("Daniel", "Novotný", "Novotný Events Ltd", "447700900987", "mobile", "daniel@novotnyevents.co.uk",
     "41 Brewery Road", "Studio 12", "London", ""),
]

# A Dublin van delivery fleet's drivers for Whip Around: given, family, app login (a mailbox or
# firstname.lastname), first password, team, mobile (dialled at home, one foreign).
WHIPAROUND64 = [
    ("Seán", "Murphy", "sean.murphy@dublinvans.ie", "Van2024!", "North Depot", "0871234567"),
    ("Piotr", "Kowalski", "Piotr.Kowalski", "Kowal123", "North Depot", "0857654321"),
    ("Aoife", "Byrne", "aoife.byrne@dublinvans.ie", "Aoife#1", "Office", "0861112233"),
    ("Jonas", "Petrauskas", "jonas.petrauskas@gmail.com", "Jonas2024", "South Depot", "0894445566"),
    ("Marek", "Horváth", "Marek.Horvath", "Marek99", "South Depot", "0830001122"),
    ("Ciarán", "O'Sullivan", "ciaran.osullivan@dublinvans.ie", "Ciaran1", "North Depot", ""),
    ("Tereza", "Svobodová", "tereza.svobodova@dublinvans.ie", "Tereza22", "South Depot", "0877778899"),
    ("Declan", "Walsh", "Declan.Walsh", "Walsh2024", "Mechanics", "0851239876"),
    ("Ana", "Kovač", "ana.kovac@dublinvans.ie", "AnaK2024", "South Depot", "0864567890"),
    ("Bartosz", "Lewandowski", "Bartosz.Lewandowski", "Bart2024", "North Depot", "+48601234567"),
]

# A Chicago car hauler's drivers for Vehichaul: whole name (two family name first), driver id, phone in any US
# form, mailbox, MC and DOT numbers (an owner-operator's own), driver's licence.
VEHICHAUL64 = [
    ("Jan Kowalczyk", "DRV-001", "(708) 555-0141", "jan.kowalczyk@gmail.com", "MC-123456", "1234567",
     "K41275019832"),
    ("Kowalski, Adam", "DRV-002", "708-555-0177", "", "MC-123456", "1234567", "K41290112233"),
    ("Mike Thompson", "DRV-003", "6305550199", "mike.thompson@midwestautohaul.com", "MC-123456", "1234567",
     "T51220987654"),
    ("Dragan Petrović", "DRV-004", "(773) 555-0123", "dragan.petrovic@yahoo.com", "MC-778899", "3344556",
     "P31265432109"),
    ("Oleksandr Bondarenko", "DRV-005", "773.555.0188", "oleks.bondarenko@gmail.com", "MC-123456", "1234567",
     "B53687654321"),
    ("Luis Hernandez", "DRV-006", "(815) 555-0102", "luis.h@midwestautohaul.com", "MC-123456", "1234567",
     "H56512345678"),
    ("Novák, Pavel", "DRV-007", "312-555-0166", "pavel.novak@seznam.cz", "MC-123456", "1234567", "N14298765432"),
    ("Tom Brennan", "DRV-008", "", "tom.brennan@midwestautohaul.com", "MC-123456", "1234567", ""),
    ("Marek Wiśniewski", "DRV-009", "(708) 555-0155", "marek.wisniewski@wp.pl", "", "", "W25298761234"),
    ("Kevin O'Neill", "DRV-010", "630-555-0133", "kevin.oneill@gmail.com", "MC-556677", "2233445", "O54187650987"),
]

# A Joliet trucking carrier's drivers for Loadsmart's Carrier TMS: whole name, mailbox, two phones, active flag,
# truck and trailer numbers, social security number (dotted as the template shows, or dashed).
LOADSMART64 = [
    ("Robert Kaminski", "robert.kaminski@lakeshorefreight.com", "(815) 555-0110", "", "TRUE", "101", "5301",
     "318.44.2291"),
    ("Andrzej Nowicki", "andrzej.nowicki@gmail.com", "815-555-0123", "(815) 555-0199", "TRUE", "102", "5302",
     "402.51.7788"),
    ("Tanya Brooks", "tanya.brooks@lakeshorefreight.com", "8155550145", "", "TRUE", "103", "", ""),
    ("Milan Jovanović", "milan.jovanovic@gmail.com", "(773) 555-0161", "", "TRUE", "104", "5304", ""),
    ("Petr Černý", "petr.cerny@lakeshorefreight.com", "312-555-0172", "312-555-0173", "FALSE", "", "",
     "221-60-4417"),
    ("Darnell Hayes", "darnell.hayes@lakeshorefreight.com", "(708) 555-0184", "", "TRUE", "106", "5306", ""),
    ("Sebastian Mazur", "seba.mazur@onet.pl", "630-555-0191", "", "TRUE", "107", "5307", "509.22.1180"),
    ("Carlos Ruiz", "carlos.ruiz@lakeshorefreight.com", "(815) 555-0107", "(815) 555-0108", "TRUE", "108", "", ""),
    ("István Kiss", "istvan.kiss@gmail.com", "773-555-0114", "", "TRUE", "109", "5309", ""),
    ("Jennifer Walsh", "jennifer.walsh@lakeshorefreight.com", "(815) 555-0126", "", "FALSE", "", "", ""),
    ("Tomasz Wróbel", "tomasz.wrobel@gmail.com", "708-555-0138", "", "TRUE", "111", "5311", "611-73-2045"),
]
