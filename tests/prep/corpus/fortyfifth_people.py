"""The people of the forty-fifth held-out set, as each source holds them."""

# A Brno engineering office's scan-to-e-mail list (Ricoh): program number, type, name, key label, frequent flag,
# the three title tabs, mailbox. Type 'G' is a group of destinations, no person.
RICOH45 = [
    ("00001", "A", "Jana Nováková", "Nováková", "1", "1", "6", "1", "jana.novakova@projekt-brno.cz"),
    ("00002", "A", "Petr Dvořák", "Dvořák P.", "1", "1", "2", "1", "petr.dvorak@projekt-brno.cz"),
    ("00003", "A", "Lukáš Svoboda", "Svoboda", "0", "1", "8", "1", "lukas.svoboda@projekt-brno.cz"),
    ("00004", "G", "Účtárna", "Účtárna", "1", "1", "10", "1", ""),
    ("00005", "A", "Markéta Černá", "Černá", "1", "1", "2", "2", "marketa.cerna@seznam.cz"),
    ("00006", "A", "Tomasz Wójcik", "Wójcik", "0", "1", "9", "2", "t.wojcik@projekt-brno.cz"),
    ("00007", "A", "Eva Horáková", "Horáková E.", "1", "1", "4", "1", "eva.horakova@projekt-brno.cz"),
    ("00008", "A", "Martin Kučera", "Kučera", "0", "1", "6", "3", "martin.kucera@projekt-brno.cz"),
    ("00009", "A", "Zsolt Varga", "Varga", "0", "1", "9", "2", "zsolt.varga@gmail.com"),
    ("00010", "A", "Klára Veselá", "Veselá", "1", "1", "10", "1", "klara.vesela@projekt-brno.cz"),
]

# A Bratislava law office's copier (TopAccess): name (20 letters at most), mailbox, fax number, abbreviated and
# one-touch numbers, search letter.
TOPACCESS45 = [
    ("Ján Kováč", "jan.kovac@ak-kovac.sk", "+421 2 5441 2200", "001", "1", "K"),
    ("Mária Horváthová", "horvathova@notar-ba.sk", "+421 2 5263 1180", "002", "2", "H"),
    ("Peter Novotný", "peter.novotny@stavebniny.sk", "", "003", "", "N"),
    ("Zuzana Balážová", "", "+421 33 551 4410", "004", "3", "B"),
    ("Michal Šimko", "michal.simko@azet.sk", "+421 2 4342 7788", "005", "", "S"),
    ("Anna Kowalska", "a.kowalska@kancelaria.pl", "+48 22 826 1440", "006", "4", "K"),
    ("Ľudmila Ďurišová", "durisova@ak-kovac.sk", "", "007", "5", "D"),
    ("Tibor Nagy", "", "+421 35 773 2210", "008", "", "N"),
    ("Róbert Hudec", "robert.hudec@financie.sk", "+421 2 3240 5511", "009", "6", "H"),
]

# A Vienna accounting firm's network scanner (ScanSnap N1800): user name, group, distribution list, given name,
# family name, mailbox.
SCANSNAP45 = [
    ("Anna Huber", "\\Buchhaltung", "Monatsabschluss", "Anna", "Huber", "anna.huber@kanzlei-wien.at"),
    ("Stefan Gruber", "\\Buchhaltung", "", "Stefan", "Gruber", "stefan.gruber@kanzlei-wien.at"),
    ("Katarzyna Lewandowska", "\\Lohn", "Monatsabschluss", "Katarzyna", "Lewandowska", "k.lewandowska@kanzlei-wien.at"),
    ("Thomas Bauer", "\\Leitung", "", "Thomas", "Bauer", "thomas.bauer@kanzlei-wien.at"),
    ("Jiří Procházka", "\\Lohn", "", "Jiří", "Procházka", "jiri.prochazka@kanzlei-wien.at"),
    ("Sabine Wimmer", "\\Buchhaltung\\Mandanten", "Steuer", "Sabine", "Wimmer", "s.wimmer@gmx.at"),
    ("Ivana Kovačević", "\\Steuer", "Steuer", "Ivana", "Kovačević", "ivana.kovacevic@kanzlei-wien.at"),
    ("Michael Pichler", "\\Leitung", "", "Michael", "Pichler", "m.pichler@kanzlei-wien.at"),
    ("Gábor Szűcs", "\\Steuer", "", "Gábor", "Szűcs", "gabor.szucs@kanzlei-wien.at"),
]

# A Budapest office's copier (Canon): destination type, destination name (as it would be said: Hungarian names
# family first), phonetic, one-touch name, with the given and the family name the careful reader sees in it.
# A 'remotefilesystem' row is a shared folder, no person.
CANON45 = [
    ("email", "Kovács Péter", "", "Kovács P.", "Péter", "Kovács"),
    ("email", "Szabó Eszter", "", "Szabó E.", "Eszter", "Szabó"),
    ("remotefilesystem", "Szkennelt dokumentumok", "", "Szken", "", ""),
    ("email", "Tóth Gergely", "", "", "Gergely", "Tóth"),
    ("email", "Nagy Anikó", "", "Nagy A.", "Anikó", "Nagy"),
    ("email", "Horváth Zoltán", "", "Horváth", "Zoltán", "Horváth"),
    ("email", "Molnár Krisztina", "", "", "Krisztina", "Molnár"),
    ("email", "Farkas Bence", "", "Farkas", "Bence", "Farkas"),
    ("email", "Kiss Réka", "", "Kiss R.", "Réka", "Kiss"),
]

# A São Paulo import firm's phone system (SNEP): name, postal code (CEP), phone, street with number; the given
# and family name or the firm the careful reader sees in the name.
SNEP45 = [
    ("Ana Souza", "01310-100", "+55 11 3251-4400", "Avenida Paulista 1578", "Ana", "Souza", ""),
    ("Carlos Oliveira", "04543-011", "+55 11 98765-4321", "Rua Funchal 418", "Carlos", "Oliveira", ""),
    ("Marek Novák", "", "+420 602 311 455", "", "Marek", "Novák", ""),
    ("Transportes Kowalski Ltda.", "07190-100", "+55 11 2445-8800", "Rodovia Hélio Smidt 500", "", "",
     "Transportes Kowalski Ltda."),
    ("Juliana Pereira", "01414-001", "+55 11 99123-8877", "Rua Haddock Lobo 595", "Juliana", "Pereira", ""),
    ("Rafael Santos", "", "+55 11 3045-1200", "", "Rafael", "Santos", ""),
    ("Katarzyna Zielińska", "", "+48 601 445 223", "", "Katarzyna", "Zielińska", ""),
    ("Fernanda Lima", "05426-100", "+55 11 97654-3210", "Rua dos Pinheiros 870", "Fernanda", "Lima", ""),
    ("Thiago Almeida", "22041-001", "+55 21 2543-7000", "Avenida Atlântica 1702", "Thiago", "Almeida", ""),
]

# A Poznań family's webmail contacts for nazwa.pl Cloud Mail: given, family, mailbox (one by mailbox alone).
NAZWA45 = [
    ("Jan", "Kowalczyk", "jan.kowalczyk@wp.pl"),
    ("Agnieszka", "Wiśniewska", "agnieszka.wisniewska@onet.pl"),
    ("Paweł", "Mazur", "pawel.mazur@interia.pl"),
    ("", "", "biuro@przedszkole-slonko.pl"),
    ("Małgorzata", "Kamińska", "gosia.kaminska@gmail.com"),
    ("Krzysztof", "Dąbrowski", "k.dabrowski@o2.pl"),
    ("Hana", "Horáková", "hana.horakova@seznam.cz"),
    ("Grzegorz", "Szymański", "grzegorz.szymanski@poczta.fm"),
    ("Julia", "Wójcik", "julia.wojcik@gmail.com"),
]
