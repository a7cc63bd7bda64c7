"""The people of the forty-sixth held-out set, as each source holds them."""

# A Curitiba marketing agency's leads (RD Station): mailbox, given, family, phone, firm, job, city, the form
# that caught the lead, when.
RDSTATION46 = [
    ("marcos.kowalski@madeirasparana.com.br", "Marcos", "Kowalski", "(41) 3322-4455", "Madeiras Paraná Ltda.",
     "Diretor Comercial", "Curitiba", "pagina-contato", "2026-02-03 09:14"),
    ("juliana.wisniewski@gmail.com", "Juliana", "Wisniewski", "(41) 99812-3344", "", "", "São José dos Pinhais",
     "ebook-marketing-digital", "2026-02-03 11:52"),
    ("tomas.dvorak@brnotech.cz", "Tomáš", "Dvořák", "+420 602 118 933", "BrnoTech s.r.o.", "Head of Sales", "Brno",
     "webinar-vendas", "2026-02-04 15:03"),
    ("fernanda.lima@clinicasorriso.com.br", "Fernanda", "Lima", "(41) 3029-7788", "Clínica Sorriso",
     "Gerente de Marketing", "Curitiba", "pagina-contato", "2026-02-05 08:40"),
    ("agnieszka@cafepolska.com.br", "Agnieszka", "", "(41) 99701-2200", "Café Polska", "Proprietária", "Curitiba",
     "cupom-desconto", "2026-02-05 19:27"),
    ("rafael.oliveira@transoliveira.com.br", "Rafael", "Oliveira", "", "Transportes Oliveira", "Coordenador de"
     " Logística", "Ponta Grossa", "ebook-marketing-digital", "2026-02-06 10:05"),
    ("piotr.zielinski@zielinski.pl", "Piotr", "Zieliński", "+48 601 334 210", "Zieliński Meble Sp. z o.o.",
     "Prezes", "Poznań", "feira-moveis-2026", "2026-02-07 13:30"),
    ("carolina.mazur@hotmail.com", "Carolina", "Mazur", "(42) 99915-6677", "", "", "Prudentópolis",
     "cupom-desconto", "2026-02-08 21:11"),
    ("eduardo.santos@vidrosul.com.br", "Eduardo", "Santos", "(41) 3344-9090", "Vidrosul Indústria de Vidros S.A.",
     "Analista de Compras", "Araucária", "webinar-vendas", "2026-02-09 14:48"),
    ("lucia.novakova@seznam.cz", "Lucie", "Nováková", "+420 731 225 640", "", "", "Olomouc", "feira-moveis-2026",
     "2026-02-10 09:02"),
    ("bruno.horvath@horvath-arquitetura.com.br", "Bruno", "Horváth", "(41) 98877-1122", "Horváth Arquitetura",
     "Sócio", "Curitiba", "pagina-contato", "2026-02-11 16:20"),
    ("patricia.gomes@escolaaurora.com.br", "Patrícia", "Gomes", "(41) 3255-0101", "Escola Aurora", "Diretora",
     "Colombo", "ebook-marketing-digital", "2026-02-12 07:58"),
]

# A Joinville IT service firm's help desk (Movidesk): kind (1 person, 2 company), profile (1 agent, 2 client,
# 3 both), trade name or the person's name, legal name, login.
MOVIDESK46 = [
    ("2", "2", "Metalúrgica Sul", "Metalúrgica Sul Indústria e Comércio Ltda.", ""),
    ("1", "2", "Ricardo Souza", "", "rsouza"),
    ("1", "2", "Katarzyna Lewandowska", "", "klewandowska"),
    ("2", "2", "Hotel Vista Alegre", "Vista Alegre Hotelaria Ltda.", ""),
    ("1", "1", "Diego Ferreira", "", "dferreira"),
    ("1", "3", "Jan Novotný", "", "jnovotny"),
    ("2", "2", "", "Cooperativa Agroindustrial Witmarsum", ""),
    ("1", "2", "Camila Ribeiro", "", "cribeiro"),
    ("1", "1", "Ewa Kamińska", "", "ekaminska"),
    ("2", "2", "Farmácia Bem Estar", "", ""),
    ("1", "2", "Gustavo Schmidt", "", "gschmidt"),
    ("1", "2", "Zsófia Varga", "", "zvarga"),
]

# A Strasbourg wine merchant's loyalty contacts (Splio): mailbox, mobile, given, family, created, language.
SPLIO46 = [
    ("claire.muller@orange.fr", "0033612457890", "Claire", "Muller", "2025-09-14 10:12:00", "fr"),
    ("j.schneider@gmx.de", "0049171234567", "Jonas", "Schneider", "2025-09-20 17:45:00", "de"),
    ("marta.kowalczyk@wp.pl", "0048601223344", "Marta", "Kowalczyk", "2025-10-02 09:30:00", "pl"),
    ("pierre.lefebvre@free.fr", "", "Pierre", "Lefebvre", "2025-10-11 12:00:00", "fr"),
    ("ondrej.prochazka@email.cz", "00420603445566", "Ondřej", "Procházka", "2025-10-19 18:05:00", "cz"),
    ("sophie.weber@laposte.net", "0033688123456", "Sophie", "Weber", "2025-11-03 11:22:00", "fr"),
    ("degustation@caveduvieuxport.fr", "0033388451200", "", "", "2025-11-08 15:40:00", "fr"),
    ("eva.szabo@freemail.hu", "0036301234567", "Éva", "Szabó", "2025-11-21 20:14:00", "en"),
    ("lucas.meyer@sfr.fr", "0033645789012", "Lucas", "Meyer", "2025-12-01 08:55:00", "fr"),
    ("tereza.kralova@seznam.cz", "", "Tereza", "Králová", "2025-12-12 13:37:00", "cz"),
    ("antoine.roth@wanadoo.fr", "0033670991122", "Antoine", "Roth", "2026-01-06 16:16:00", "fr"),
    ("m.wojcik@onet.pl", "0048512778899", "Michał", "Wójcik", "2026-01-19 10:48:00", "pl"),
]

# A Guadalajara electronics distributor's phone contacts (VoIPstudio): given, family, phone, mobile, group,
# labels.
VOIPSTUDIO46 = [
    ("Alejandro", "Ramírez", "+52 33 3615 2200", "+52 33 1234 5678", "Clientes", "VIP,Mayoreo"),
    ("María Fernanda", "López", "+52 33 3817 4400", "", "Clientes", "Mayoreo"),
    ("Paweł", "Nowicki", "+48 22 535 40 00", "+48 602 441 980", "Proveedores", "Importación"),
    ("Jorge", "Hernández", "", "+52 33 2890 1133", "Técnicos", "Soporte"),
    ("Veronika", "Horáková", "+420 222 333 444", "+420 777 654 321", "Proveedores", "Importación,Componentes"),
    ("Sofía", "Castillo", "+52 55 5280 7100", "", "Clientes", ""),
    ("Ricardo", "Núñez", "+52 33 3678 9012", "+52 33 3300 4455", "Clientes", "VIP"),
    ("Lukas", "Bauer", "+49 89 2180 7700", "", "Proveedores", "Componentes"),
    ("Daniela", "Torres", "", "+52 81 1655 3322", "Técnicos", "Soporte,Norte"),
    ("Gábor", "Kiss", "+36 1 450 6600", "+36 20 345 6789", "Proveedores", ""),
    ("Fernando", "Aguilar", "+52 33 3122 8800", "", "Clientes", "Mayoreo"),
    ("Andrea", "Morales", "+52 33 3641 0055", "+52 33 1987 6543", "Clientes", "VIP,Mayoreo"),
]

# A Valencia online tea shop's audience (Bird): given, family, country, phone, mailbox.
BIRD46 = [
    ("Lucía", "García", "ES", "+34 612 345 678", "lucia.garcia@gmail.com"),
    ("Javier", "Martínez", "ES", "", "javimartinez@hotmail.es"),
    ("Zuzana", "Kučerová", "CZ", "+420 604 556 677", "zuzana.kucerova@seznam.cz"),
    ("Carmen", "Ruiz", "ES", "+34 699 112 233", ""),
    ("Bartosz", "Nowak", "PL", "+48 503 221 908", "bartosz.nowak@interia.pl"),
    ("Pablo", "Fernández", "", "", "pablo.fdez@yahoo.es"),
    ("Marta", "Sánchez", "ES", "+34 655 908 112", "marta.sanchez@telefonica.net"),
    ("Katalin", "Nagy", "HU", "", "nagy.katalin@citromail.hu"),
    ("Elena", "Navarro", "ES", "+34 622 440 119", "elena.navarro@gmail.com"),
    ("Matthias", "Gruber", "AT", "+43 664 123 4567", "m.gruber@aon.at"),
    ("Irene", "Jiménez", "ES", "+34 677 301 245", "irene.jimenez@outlook.es"),
    ("Vojtěch", "Černý", "CZ", "", "vojtech.cerny@centrum.cz"),
]

# A Porto Alegre accounting office's clients on its service portal: name, mailbox, phone, firm.
TRAY46 = [
    ("Roberto Almeida", "roberto@almeidaconstrucoes.com.br", "51-3333-4821", "Almeida Construções"),
    ("Fernanda Costa", "fernanda.costa@gmail.com", "51-99876-1234", ""),
    ("Marek Wiśniewski", "marek@wisniewski-import.com.br", "51-3025-7700", "Wiśniewski Importação Ltda."),
    ("Luciana Pereira", "luciana@padariaalvorada.com.br", "51-3341-0922", "Padaria Alvorada"),
    ("Tiago Carvalho", "tiago.carvalho@outlook.com", "", ""),
    ("Hana Svobodová", "hana.svobodova@svoboda-sklo.cz", "+420 495 221 300", "Svoboda Sklo a.s."),
    ("André Becker", "andre@beckerautopecas.com.br", "51-3062-4455", "Becker Auto Peças"),
    ("Beatriz Rocha", "beatriz.rocha@yahoo.com.br", "51-98123-4567", ""),
    ("Krzysztof Mazur", "k.mazur@mazurtextil.com.br", "54-3221-8899", "Mazur Têxtil"),
    ("Juliana Martins", "juliana@escritoriomartins.adv.br", "51-3211-6060", "Martins Advocacia"),
]
