"""The people of the eighty-second held-out set, as each source holds them."""

# A Cleveland parish's texting list (Clearstream): mobile, given, family, mailbox, tags.
CLEARSTREAM82 = [
    ("216-555-0143", "Mary", "Kovach", "mkovach@gmail.com", "choir"),
    ("(440) 555-0178", "Stephen", "Hruska", "", "ushers,men's club"),
    ("+12165550199", "Anna", "Wiśniewska", "anna.wisniewska@yahoo.com", "youth,parents"),
    ("2165550112", "Joseph", "Novak", "joe.novak@sbcglobal.net", ""),
    ("216.555.0187", "Katarína", "Dubovská", "katka.dubovska@gmail.com", "choir"),
    ("+421 905 123 456", "Martin", "Šťastný", "martin.stastny@kbs.sk", "clergy"),
    ("330-555-0134", "Theresa", "Zelinski", "tzelinski@outlook.com", "volunteers,fish fry"),
    ("(216) 555-0166", "Gábor", "Szabó", "", "hungarian mass"),
    ("440-555-0121", "Marek", "", "marek.p@icloud.com", "youth"),
    ("216-555-0155", "Linda", "O'Malley-Polák", "linda.omalley@gmail.com", "parents"),
    ("12165550108", "Dorothy", "Sekerak", "", "bereavement"),
    ("216-555-0190", "Paul", "Horvath", "paul.horvath@cox.net", "men's club,volunteers"),
]

# An Austin coffee roaster's SMS subscribers (Trackly SMS): number, mailbox, given, family, carrier, line type,
# ad network and its campaign id.
TRACKLY82 = [
    ("+15125550143", "emma.novak@gmail.com", "Emma", "Novak", "T-Mobile", "CELL PHONE", "facebook", "camp_8841"),
    ("(512) 555-0178", "", "Tomasz", "Kowalczyk", "Verizon", "CELL PHONE", "", ""),
    ("512-555-0199", "jhorvath@utexas.edu", "Jan", "Horváth", "AT&T", "CELL PHONE", "google", "gclid_55120"),
    ("5125550112", "olivia.brooks@yahoo.com", "Olivia", "Brooks", "Twilio", "VOIP", "tiktok", "ttc_2207"),
    ("+1 737 555 0187", "petra.dvorakova@seznam.cz", "Petra", "Dvořáková", "T-Mobile", "CELL PHONE", "facebook",
     "camp_8841"),
    ("15125550134", "", "Miguel", "Alvarez", "Verizon", "CELL PHONE", "instagram", "ig_3312"),
    ("(512) 555-0166", "lukas.meier@gmx.at", "Lukas", "Meier", "", "LANDLINE", "", ""),
    ("512-555-0121", "z.molnar@gmail.com", "Zsófia", "Molnár", "AT&T", "CELL PHONE", "google", "gclid_55188"),
    ("+420 731 456 789", "ondrej.krejci@email.cz", "Ondřej", "Krejčí", "", "UNKNOWN", "", ""),
    ("+15125550155", "sarah.kim@outlook.com", "Sarah", "Kim", "T-Mobile", "CELL PHONE", "facebook", "camp_9012"),
    ("737-555-0190", "", "Dominik", "Wójcik", "Mint Mobile", "CELL PHONE", "referral", ""),
    ("512.555.0108", "jessica.t@icloud.com", "Jessica", "Taylor", "Verizon", "CELL PHONE", "tiktok", "ttc_2207"),
]

# A Kraków bookshop's newsletter readers (EmailLabs): mailbox, mobile, given, family, firm.
EMAILLABS82 = [
    ("anna.zielinska@gmail.com", "+48 601 234 567", "Anna", "Zielińska", ""),
    ("biuro@ksiegarnia-pod-globusem.pl", "", "", "", "Księgarnia Pod Globusem s.c."),
    ("p.grabowski@onet.pl", "48600100200", "Piotr", "Grabowski", ""),
    ("m.lewandowska@uj.edu.pl", "", "Magdalena", "Lewandowska", "Uniwersytet Jagielloński"),
    ("tomas.benes@seznam.cz", "+420 604 111 222", "Tomáš", "Beneš", ""),
    ("jakub.wozniak@wp.pl", "512 345 678", "Jakub", "Woźniak", ""),
    ("k.nagy@freemail.hu", "", "Katalin", "Nagy", ""),
    ("e.mazur@interia.pl", "+48 698 765 432", "Ewa", "Mazur", "Biblioteka Kraków"),
    ("zamowienia@antykwariat-rara.pl", "", "", "", "Antykwariat Rara"),
    ("lukas.pokorny@gmail.com", "", "Lukáš", "Pokorný", ""),
    ("s.kaminski@agh.edu.pl", "+48 505 111 999", "Stanisław", "Kamiński", "AGH"),
    ("marta.krol@gmail.com", "693 222 111", "Marta", "Król", ""),
]

# A Denver heating and cooling firm's customers (Launch SMS): whole name, mobile, mailbox, birthday, tags, job
# title, firm.
LAUNCHSMS82 = [
    ("Robert Kowalski", "(303) 555-0143", "rkowalski@comcast.net", "1968-04-12", "Residential", "", ""),
    ("Jana Procházková", "720-555-0178", "jana.prochazkova@gmail.com", "1985-09-30", "Residential,Maintenance plan",
     "", ""),
    ("Michael Brennan", "303-555-0199", "mbrennan@summitproperties.com", "", "Commercial", "Facilities Manager",
     "Summit Properties LLC"),
    ("Eszter Tóth", "+17205550112", "eszter.toth@yahoo.com", "1990-02-14", "Residential", "", ""),
    ("David Nguyen", "3035550187", "", "1977-11-03", "Residential", "", ""),
    ("Karolina Lis", "(720) 555-0134", "karolina.lis@outlook.com", "", "Commercial", "Office Manager",
     "Lis Dental Studio"),
    ("Thomas Weber", "303-555-0166", "tweber@rockymtnbrew.com", "1972-06-21", "Commercial,HVAC", "Owner",
     "Rocky Mountain Brewing Co."),
    ("Peter Hudák", "+421 903 456 789", "peter.hudak@gmail.com", "", "Residential", "", ""),
    ("Linda Martinez", "720-555-0121", "lmartinez@gmail.com", "1981-08-08", "Residential,Maintenance plan", "", ""),
    ("Marek Dvořák", "303-555-0155", "marek@dvorak-builders.com", "1966-01-25", "Commercial", "Project Manager",
     "Dvořák Builders Inc."),
    ("Susan Clarke", "(303) 555-0190", "", "1959-12-01", "Residential", "", ""),
    ("Agnieszka Nowicka-Baker", "720-555-0108", "aga.baker@gmail.com", "1988-03-17", "Residential", "", ""),
]

# A Leeds housing association's contact centre directory of staff and contractors (storm): given, family, home,
# work, mobile, alternative number, mailbox.
STORM82 = [
    ("Karen", "Whitfield", "0113 496 0301", "0113 496 0522", "07700 900356", "",
     "karen.whitfield@leedshomes.org.uk"),
    ("Paweł", "Zając", "", "0113 496 0788", "07700 900412", "", "p.zajac@zajac-plumbing.co.uk"),
    ("Gareth", "Evans", "0113 496 0145", "", "07700 900127", "07700 900128", "gareth.evans@btinternet.com"),
    ("Lenka", "Marková", "", "0113 496 0655", "", "", "lenka.markova@leedshomes.org.uk"),
    ("Darren", "Booth", "", "", "07700 900533", "0113 496 0999", ""),
    ("Ágnes", "Fekete", "0113 496 0210", "", "07700 900219", "", "agnes.fekete@gmail.com"),
    ("Siobhan", "O'Neill", "", "0113 496 0344", "07700 900390", "", "s.oneill@leedshomes.org.uk"),
    ("Tomasz", "Wróbel", "", "01924 496120", "07700 900641", "", "tomasz@wrobel-electrical.co.uk"),
    ("Helen", "Atkinson", "0113 496 0477", "0113 496 0588", "", "", "helen.atkinson@leedshomes.org.uk"),
    ("Jiří", "Svoboda", "", "", "07700 900702", "", ""),
    ("Mohammed", "Iqbal", "0113 496 0812", "", "07700 900815", "", "m.iqbal@leedshomes.org.uk"),
    ("Vesna", "Kranjc", "", "0113 496 0923", "", "+386 41 555 222", "vesna.kranjc@leedshomes.org.uk"),
]

# A Passau sports club's members for its SMS program (SMSout): family, given, mobile; only names a German
# Windows code page can write.
SMSOUT82 = [
    ("Huber", "Johanna", "0171 2545254"),
    ("Šimek", "Tomáš", "+420 604 123 456"),
    ("Schäfer", "Anja", "0151 23456789"),
    ("Nowak", "Zofia", "+48 601 234 567"),
    ("Weiß", "Günter", "0160 9876543"),
    ("Horváth", "Zoltán", "+36 30 123 4567"),
    ("Krüger", "Lea", "01761234567"),
    ("Žáková", "Jana", "00420 731 222 333"),
    ("Brandl", "Maximilian", "0170/5566778"),
    ("Szabó", "Márta", "+36 20 555 1234"),
    ("Wójcik", "Agnieszka", "0157 33445566"),
    ("Gruber", "Sebastian", "+49 171 9988776"),
]
