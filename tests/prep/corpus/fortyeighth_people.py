"""The people of the forty-eighth held-out set, as each source holds them."""

# A Tallinn accounting firm's client businesses (Uku): town, country code, street, postal code, client group,
# language, initials, client code, the firm's own user in charge, note, name, register code, status, time
# required, topic required, VAT number.
UKU48 = [
    ("Tallinn", "EE", "Pärnu mnt 139", "11317", "Raamatupidamine", "Estonian", "PKT", "K-001",
     "kadri.tamm@arvestus.ee", "", "Puidukoda OÜ", "14522871", "1", "1", "0", "EE102345678"),
    ("Tartu", "EE", "Riia 15b", "51010", "Raamatupidamine, Palgad", "Estonian", "TKS", "K-002",
     "kadri.tamm@arvestus.ee", "Aasta aruanne mai lõpuks", "Tartu Kohvisõbrad OÜ", "12877345", "1", "1", "1",
     ""),
    ("Riga", "LV", "Brīvības iela 68", "LV-1011", "Palgad", "English", "BAL", "K-003", "Mart Kask", "",
     "Baltijas Loģistika SIA", "40103987654", "1", "0", "0", "LV40103987654"),
    ("Tallinn", "EE", "Telliskivi 60a", "10412", "Raamatupidamine", "English", "CZD", "K-004",
     "mart.kask@arvestus.ee", "Omanik Tomáš Dvořák, suhtlus inglise keeles", "Czech Design Studio OÜ", "16011223",
     "1", "1", "0", ""),
    ("Pärnu", "EE", "Rüütli 40", "80010", "", "Estonian", "RAN", "K-005", "", "", "Rannahotell AS", "10234567",
     "0", "0", "0", "EE100987654"),
    ("Helsinki", "FI", "Mannerheimintie 12", "00100", "Konsultatsioon", "Finnish", "NOR", "K-006",
     "kadri.tamm@arvestus.ee", "", "Nordic Saunas Oy", "FI28765432", "1", "1", "1", "FI28765432"),
    ("Narva", "EE", "Tallinna mnt 19c", "20304", "Raamatupidamine", "Russian", "NRV", "K-007", "Mart Kask",
     "Arved paberil", "Narva Metall OÜ", "11998877", "1", "1", "0", ""),
    ("Tallinn", "EE", "Ahtri 12", "10151", "Palgad", "English", "PLB", "", "mart.kask@arvestus.ee", "",
     "Polska Baltic Trade OÜ", "16554433", "1", "0", "0", "EE102998877"),
    ("Viljandi", "EE", "Tallinna 5", "71003", "Raamatupidamine", "Estonian", "VIK", "K-009",
     "kadri.tamm@arvestus.ee", "", "Viljandi Käsitöö MTÜ", "80123456", "1", "0", "0", ""),
    ("Vilnius", "LT", "Gedimino pr. 9", "LT-01103", "Konsultatsioon", "Lithuanian", "ŽAL", "K-010",
     "Kadri Tamm", "", "Žalgirio Prekyba UAB", "305123456", "1", "1", "1", "LT100012345678"),
]

# An Izmir furniture maker's customers for AI Agent TR: full name, phone in E.164, mailbox, firm, segment.
AIAGENTTR48 = [
    ("Ahmet Yılmaz", "+905301234567", "ahmet.yilmaz@gmail.com", "Yılmaz Mobilya Ltd. Şti.", "VIP"),
    ("Ayşe Demir", "+905401234568", "ayse.demir@hotmail.com", "", "Normal"),
    ("Mehmet Ali Öztürk", "+905322223344", "m.ali.ozturk@ozturkinsaat.com.tr", "Öztürk İnşaat A.Ş.", "VIP"),
    ("Tomasz Wójcik", "+48601234567", "tomasz.wojcik@meblewojcik.pl", "Meble Wójcik Sp. z o.o.", "Potansiyel"),
    ("Zeynep Çelik", "+905359876543", "", "", "Risk"),
    ("Jana Procházková", "+420777123456", "jana.prochazkova@seznam.cz", "Interiéry Brno s.r.o.", "Normal"),
    ("Emre Şahin", "+905051112233", "emre.sahin@sahinotel.com", "Şahin Otelcilik", "Normal"),
    ("Gábor Szabó", "+36301234567", "szabo.gabor@lakberendezes.hu", "", "Potansiyel"),
    ("Elif Nur Aydın", "+905467778899", "elifnur.aydin@yandex.com.tr", "", "Normal"),
    ("Hakan Koç", "+905334445566", "hakan.koc@kocticaret.com", "Koç Ticaret", "Risk"),
]

# An Istanbul coffee roaster's web shop customers (ikas): id, given, family, mailbox, orders, deleted, phone,
# note, account status, newsletter consent.
IKAS48 = [
    ("27a6ffc2-5a17-4e43-9b36-ade23a01", "Selin", "Arslan", "selin.arslan@gmail.com", "12", "FALSE",
     "+905321234567", "Öğütülmüş kahve tercih ediyor", "ACTIVE_ACCOUNT", "SUBSCRIBED"),
    ("27a6ffc2-5a17-4e43-9b36-ade23a02", "Murat", "Kaya", "murat.kaya@outlook.com", "3", "FALSE", "+905551112233",
     "", "ACTIVE_ACCOUNT", "NOT_SUBSCRIBED"),
    ("27a6ffc2-5a17-4e43-9b36-ade23a03", "Katarzyna", "Lewandowska", "k.lewandowska@wp.pl", "1", "FALSE",
     "+48512345678", "Wysyłka do Polski", "ACTIVE_ACCOUNT", "SUBSCRIBED"),
    ("", "Deniz", "Yıldız", "deniz.yildiz@icloud.com", "0", "FALSE", "", "", "", "NOT_SUBSCRIBED"),
    ("27a6ffc2-5a17-4e43-9b36-ade23a05", "Burak", "Güneş", "burak@gunesdesign.com", "27", "FALSE",
     "+905307654321", "Kurumsal sipariş, fatura şirkete", "ACTIVE_ACCOUNT", "SUBSCRIBED"),
    ("27a6ffc2-5a17-4e43-9b36-ade23a06", "Petra", "Horvátová", "petra.horvatova@azet.sk", "2", "FALSE",
     "+421905123456", "", "ACTIVE_ACCOUNT", "NOT_SUBSCRIBED"),
    ("27a6ffc2-5a17-4e43-9b36-ade23a07", "Ece", "Polat", "ece.polat@gmail.com", "5", "FALSE", "+905421239876",
     "", "ACTIVE_ACCOUNT", "SUBSCRIBED"),
    ("", "Jürgen", "Weiß", "j.weiss@web.de", "0", "FALSE", "+491701234567", "", "", "NOT_SUBSCRIBED"),
    ("27a6ffc2-5a17-4e43-9b36-ade23a09", "Oğuz", "Erdoğan", "oguz.erdogan@yandex.com", "8", "FALSE",
     "+905389998877", "Kapıda ödeme", "ACTIVE_ACCOUNT", "SUBSCRIBED"),
]

# A Thessaloniki language school's SMS contacts (WorldSMS): phone, family name, given name, comment.
WORLDSMS48 = [
    ("6944123456", "Παπαδόπουλος", "Γιώργος", "γονέας, τμήμα Β2"),
    ("6977654321", "Κωνσταντίνου", "Μαρία", ""),
    ("306932112233", "Nowak", "Agnieszka", "καθηγήτρια πολωνικών"),
    ("6945566778", "Γεωργίου", "Ελένη", "πληρωμή Σεπτεμβρίου"),
    ("420604112233", "Dvořák", "Petr", "Erasmus, Πράγα"),
    ("6981122334", "Αθανασίου", "Νίκος", ""),
    ("6973344556", "Ιωάννου", "Δήμητρα", "γονέας, τμήμα A1"),
    ("359888123456", "Петрова", "Иванка", "φοιτήτρια από Σόφια"),
    ("6955667788", "Οικονόμου", "Χρήστος", "ΠΡΟΣΟΧΗ: μόνο απογεύματα"),
]
