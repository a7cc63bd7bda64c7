"""The people of the sixty-eighth held-out set, as each source holds them."""

# A Kraków software house's staff for tomHRM: login (mostly the work mailbox, some bare user names), id, id type,
# given, family, sex, job position.
TOMHRM68 = [
    ("anna.nowak@kodeo.pl", "EMP-0101", "ID", "Anna", "Nowak", "female", "Kierownik projektu"),
    ("piotr.wisniewski@kodeo.pl", "EMP-0102", "ID", "Piotr", "Wiśniewski", "male", "Programista Java"),
    ("m.kaminska", "EMP-0103", "ID", "Magdalena", "Kamińska", "female", "Księgowa"),
    ("tomas.dvorak@kodeo.pl", "EMP-0104", "ID", "Tomáš", "Dvořák", "male", "Tester"),
    ("katarzyna.zielinska@kodeo.pl", "EMP-0105", "ID", "Katarzyna", "Zielińska-Bąk", "female", "Specjalistka HR"),
    ("lukasz.grabowski@kodeo.pl", "", "", "Łukasz", "Grabowski", "male", ""),
    ("eszter.nagy@kodeo.pl", "EMP-0107", "ID", "Eszter", "Nagy", "female", "UX Designer"),
    ("k.szymanski", "EMP-0108", "ID", "Krzysztof", "Szymański", "male", "Administrator systemów"),
    ("aleksandra.wojcik@kodeo.pl", "EMP-0109", "ID", "Aleksandra", "Wójcik", "non_binary", "Analityk biznesowy"),
    ("jakub.lewandowski@kodeo.pl", "EMP-0110", "ID", "Jakub", "Lewandowski", "male", "Dyrektor techniczny"),
    ("zuzana.horvathova@kodeo.pl", "EMP-0111", "ID", "Zuzana", "Horváthová", "female", "Programistka Python"),
    ("oleksandr.shevchenko@kodeo.pl", "EMP-0112", "ID", "Oleksandr", "Shevchenko", "male", "DevOps"),
]

# A Wrocław logistics firm's staff for HRnest: family, given, department, manager flag, daily hours.
HRNEST68 = [
    ("Kowalczyk", "Marek", "Magazyn", "Tak", "8"),
    ("Mazur", "Ewa", "Księgowość", "Nie", "8"),
    ("Krawczyk", "Paweł", "Transport", "Tak", "8"),
    ("Novák", "Jiří", "Transport", "Nie", "8"),
    ("Piotrowska", "Joanna", "Obsługa klienta", "Nie", "7,5"),
    ("Dąbrowski", "Grzegorz", "Magazyn", "Nie", "8"),
    ("Kiss", "Réka", "Obsługa klienta", "Nie", "4"),
    ("Pawlak", "Beata", "Kadry", "Tak", "8"),
    ("Michalski", "Rafał", "Magazyn", "Nie", "6"),
    ("Bondarenko", "Iryna", "Magazyn", "Nie", "8"),
    ("Jabłońska", "Natalia", "Zarząd", "Tak", "8"),
]

# A Gdańsk shipyard supplier's staff for Comarch PPK: given, family, sex, citizenship, PESEL, document type and
# number, birth date (foreigners only), country and town of residence.
COMARCH68 = [
    ("Tomasz", "Wróbel", "M", "PL", "85021412345", "", "", "", "PL", "Gdańsk"),
    ("Agnieszka", "Sikora", "K", "PL", "90110854321", "", "", "", "PL", "Gdynia"),
    ("Mykola", "Kovalenko", "M", "UA", "", "P", "FE123456", "1988-03-17", "PL", "Gdańsk"),
    ("Barbara", "Kaczmarek", "K", "PL", "76052098765", "", "", "", "PL", "Sopot"),
    ("Mindaugas", "Kazlauskas", "M", "LT", "", "D", "23456789", "1992-07-01", "LT", "Klaipėda"),
    ("Dorota", "Zając", "N", "PL", "99123112345", "", "", "", "PL", "Pruszcz Gdański"),
    ("Ondřej", "Svoboda", "M", "CZ", "", "D", "211456789", "1984-11-23", "PL", "Gdańsk"),
    ("Robert", "Wieczorek", "M", "PL", "81030567891", "", "", "", "PL", "Rumia"),
    ("Hanna", "Lysenko", "K", "UA", "", "K", "PL0012345", "1995-02-28", "PL", "Gdynia"),
    ("Michał", "Górski", "M", "PL", "02270112345", "", "", "", "PL", "Gdańsk"),
    ("Ilona", "Balogh", "K", "HU", "", "P", "BA7654321", "1979-09-09", "HU", "Szeged"),
]

# A Kaunas bookkeeping office's clients in Rivile: reference, name, code, type (0 body, 1 person), registration or
# personal code, fill-in flag, address in one cell, accounting category, reconciliation type, the office's own
# company the client is kept under.
RIVILE68 = [
    ("REF0000001", "UAB \"Baltijos medis\"", "K0001", "0", "302345678", "false",
     "Savanorių pr. 176, LT-50179 Kaunas", "01", "0", "UAB Apskaitos namai"),
    ("REF0000002", "Jonas Petraitis", "K0002", "1", "", "false", "Laisvės al. 53-4, LT-44309 Kaunas", "01", "0",
     "UAB Apskaitos namai"),
    ("REF0000003", "MB \"Žalias kiemas\"", "K0003", "0", "305987654", "true", "", "01", "1", ""),
    ("REF0000004", "Rūta Kazlauskienė", "K0004", "1", "", "false", "Vytauto g. 12, LT-44352 Kaunas", "02", "0",
     "UAB Apskaitos namai"),
    ("REF0000005", "AB \"Nemuno vaistinė\"", "K0005", "0", "110234567", "false",
     "Gedimino pr. 9, LT-01103 Vilnius", "01", "1", "UAB Apskaitos namai"),
    ("REF0000006", "Tomasz Nowicki", "K0006", "1", "", "false", "ul. Sejneńska 18, 16-400 Suwałki", "02", "0",
     ""),
    ("REF0000007", "IĮ \"Vilkaviškio duona\"", "", "0", "174567890", "false", "Vytauto g. 41, LT-70124 Vilkaviškis",
     "01", "0", "UAB Apskaitos namai"),
    ("REF0000008", "Laura Bērziņa", "K0008", "1", "", "false", "Brīvības iela 88, LV-1001 Rīga", "02", "0", ""),
    ("REF0000009", "VšĮ \"Kauno sporto klubas\"", "K0009", "0", "300112233", "true", "", "03", "0",
     "UAB Apskaitos namai"),
    ("REF0000010", "Darius Jankauskas", "K0010", "1", "", "false", "Kęstučio g. 7, LT-44312 Kaunas", "02", "1",
     "UAB Apskaitos namai"),
    ("REF0000011", "SIA \"Daugavas loģistika\"", "K0011", "0", "40103456789", "false",
     "Krasta iela 52, LV-1019 Rīga", "01", "0", ""),
    ("REF0000012", "Gintarė Vaitkutė", "K0012", "1", "", "false", "", "02", "0", "UAB Apskaitos namai"),
]

# A Kaliningrad building supplies shop's contractors in wStore: type (Физ a person, ИП a sole trader, Юр a body),
# name (family name first for a person), phone, tax number, account, bank code.
WSTORE68 = [
    ("Юр", "ООО «Балтстрой»", "+7 4012 55-12-34", "3906123456", "40702810500000012345", "042748634"),
    ("Физ", "Иванов Сергей Петрович", "+7 911 456-78-90", "", "", ""),
    ("ИП", "ИП Ковальский Ян Станиславович", "+7 906 234-56-78", "390612345678", "40802810900000054321",
     "042748634"),
    ("Физ", "Петрайтис Йонас", "+7 921 111-22-33", "", "", ""),
    ("Юр", "АО «Янтарьэнерго»", "+7 4012 57-60-00", "3903007130", "40702810100000000777", "042748634"),
    ("Физ", "Смирнова Ольга Викторовна", "8 (4012) 33-44-55", "", "", ""),
    ("ИП", "ИП Новак Марта Юзефовна", "+7 963 290-11-22", "391400123456", "40802810200000011111", "044525225"),
    ("Физ", "Кузнецов Андрей", "+79114567788", "", "", ""),
    ("Юр", "ООО «Калининград-Тепло»", "+7 4012 99-00-11", "3904012345", "40702810800000099999", "042748634"),
    ("Физ", "Вишневская Анна Михайловна", "+7 962 258-14-70", "", "", ""),
    ("Юр", "ГБУ «Областная больница»", "+7 4012 57-85-01", "3906004530", "", ""),
    ("Физ", "Новиков Дмитрий Олегович", "+7 900 567-00-12", "", "", ""),
]

# A Riga hosting company's support desk for Omnidesk: the name in Cyrillic and in Latin letters, split by '|', the
# mailbox (the login), a first password, the desk role.
OMNIDESK68 = [
    ("Янис Берзиньш|Jānis Bērziņš", "janis.berzins@hostlv.lv", "x7Kp-22Qa-91Lm", "Первая линия поддержки"),
    ("Анна Ковальская|Anna Kowalska", "anna.kowalska@hostlv.lv", "Qw81-pL0z-Tt3e", "Первая линия поддержки"),
    ("Дмитрий Орлов|Dmitry Orlov", "dmitry.orlov@hostlv.lv", "mN42-vB9c-Xy7u", "Вторая линия поддержки"),
    ("Илзе Озола|Ilze Ozola", "ilze.ozola@hostlv.lv", "Rr55-aS1d-Ff8g", "Первая линия поддержки"),
    ("Томас Новак|Tomáš Novák", "tomas.novak@hostlv.lv", "Hh90-jK2l-Zz4x", "Вторая линия поддержки"),
    ("Екатерина Смирнова|Ekaterina Smirnova", "ekaterina.smirnova@hostlv.lv", "Pp13-oI7u-Yy6t",
     "Топ-менеджмент"),
    ("Андрис Калниньш|Andris Kalniņš", "andris.kalnins@hostlv.lv", "Ll66-kJ5h-Gg2f", "Администратор"),
    ("Марта Вишневска|Marta Wiśniewska", "marta.wisniewska@hostlv.lv", "Cc38-vB1n-Mm0q", "Первая линия поддержки"),
    ("Олег Бондаренко|Oleh Bondarenko", "oleh.bondarenko@hostlv.lv", "Ee21-rT4y-Uu9i", "Вторая линия поддержки"),
    ("Лига Лиепа|Līga Liepa", "liga.liepa@hostlv.lv", "Ww77-qA3s-Dd5f", "Первая линия поддержки"),
]
