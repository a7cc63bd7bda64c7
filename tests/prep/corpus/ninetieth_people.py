"""The people of the ninetieth held-out set, as each source holds them."""

# A Curitiba internet provider's customers' contact people (Adapter / Telco): the customer's CNPJ or CPF, mailbox,
# whole name, phone and mobile as area code and number, the contact's type, job, RG, CPF with its 'C', birth date.
ADAPTER90 = [
    ("12345678000190", "financeiro@madeireiraiguacu.com.br", "Renata Kowalski", "4133224455", "FINANCEIRO",
     "41991234567", "Analista financeira", "", "", ""),
    ("12345678000190", "ti@madeireiraiguacu.com.br", "Jakub Nowicki", "4133224460", "TECNICO", "41998765432",
     "Técnico de redes", "", "C04512378910", "1988-03-14"),
    ("98765432000155", "sindico@condominiobosque.com.br", "Helena Dvořáková", "", "SINDICO", "41987651234",
     "Síndica", "123456789", "C31245678902", "1962-11-02"),
    ("98765432000155", "", "Marcos Oliveira", "4132109876", "ADMINISTRATIVO", "", "Zelador", "", "", ""),
    ("45678912000133", "compras@padariaportela.com.br", "Ana Portela", "4130301122", "COMERCIAL", "41999887766",
     "Sócia-gerente", "", "", "1979-06-25"),
    ("45678912000133", "contabil@escritoriobranco.com.br", "Paulo Branco", "4132223344", "FINANCEIRO", "",
     "Contador", "", "", ""),
    ("11223344000100", "outorgado@clinicasaoluiz.com.br", "Rafael Zieliński", "", "OUTORGADO", "41991112233",
     "Procurador", "987654321", "C70011122233", "1975-01-09"),
    ("11223344000100", "suporte.ti@clinicasaoluiz.com.br", "Camila Nogueira", "4135556677", "TECNICO",
     "41984443322", "", "", "", ""),
    ("04578912306", "", "Ivan Horvat", "", "ADMINISTRATIVO", "41996655443", "", "", "", ""),
    ("56473829000177", "financeiro@construtorahorvat.com.br", "Lucia Horvatová", "4133336699", "FINANCEIRO", "",
     "Gerente financeira", "", "C55566677788", "1984-09-30"),
    ("33445566000122", "gabriel.szabo@cooperativaverde.coop.br", "GABRIEL SZABÓ", "4232201100", "COMERCIAL",
     "42999001122", "Diretor comercial", "", "", ""),
    ("33445566000122", "nf@cooperativaverde.coop.br", "Beatriz Wolff", "4232201101", "FINANCEIRO", "", "", "", "",
     ""),
]

# A Trieste primary school's parents and guardians (Nuvola): the pupil's tax code, mobile, second mobile or
# landline, mailbox, role, family and given name (capitals as advised, one family typed otherwise), own tax code.
NUVOLA90 = [
    ("RSSMRA15C12L424X", "3351234567", "040771234", "giulia.russo@libero.it", "MADRE", "RUSSO", "GIULIA",
     "RSSGLI82D52L424K", ""),
    ("RSSMRA15C12L424X", "3389876543", "", "marco.russo@gmail.com", "PADRE", "RUSSO", "MARCO", "", ""),
    ("ZPNLNA14E48L424T", "3471122334", "", "mateja.zupancic@siol.net", "MADRE", "ZUPANČIČ", "MATEJA",
     "ZPNMTJ85A41Z150P", ""),
    ("NVKTMS16H05L424B", "3205556677", "3336667788", "", "PADRE", "NOVÁK", "TOMÁŠ", "", ""),
    ("KWLZFA15T60L424M", "3294433221", "", "anna.kowalska@wp.pl", "MADRE", "KOWALSKA", "ANNA", "KWLNNA88P50Z127Q",
     ""),
    ("CSTLCU14B10L424R", "", "040367788", "nonni.costa@alice.it", "NONNA", "COSTA", "LUCIANA", "", ""),
    ("PPSNDR16M20L424Z", "3931234000", "", "elena.popescu@yahoo.it", "MADRE", "POPESCU", "ELENA",
     "PPSLNE90R55Z129A", ""),
    ("BNCSFO15L51L424S", "3402233445", "040412233", "f.bianchi@tiscali.it", "PADRE", "BIANCHI", "FRANCESCO", "",
     ""),
    ("HRVLKA14D20L424E", "3457788990", "", "", "TUTORE", "HORVÁTH", "GÁBOR", "", ""),
    ("FRRGPP15S08L424U", "3286655443", "", "sara.ferrari@outlook.it", "MADRE", "FERRARI", "SARA", "", ""),
    ("FRRGPP15S08L424U", "", "", "", "NON DISPONIBILE / GENERICO", "FERRARI", "PAOLO", "", ""),
    ("MLRKTR16A45L424F", "3511002003", "", "katarina.moler@gmail.com", "MADRE", "Moler", "Katarina", "", ""),
]

# A Porto café-restaurant's suppliers (Vendus): name, tax number, address, postal code, town, country code,
# phone, mobile, fax, mailbox, web site. Firms, and four people trading in their own name.
VENDUS90 = [
    ("Lacticínios do Paiva, Lda.", "503456789", "Zona Industrial de Castro Daire, Lote 12", "3600-215",
     "Castro Daire", "PT", "232382100", "", "232382101", "encomendas@lacticiniospaiva.pt",
     "www.lacticiniospaiva.pt"),
    ("Padaria Ribeiro & Filhos, Lda.", "508112233", "Rua do Bonjardim, 455", "4000-124", "Porto", "PT", "222005566",
     "912345678", "", "geral@padariaribeiro.pt", ""),
    ("Tomasz Kowalczyk", "PL5261234567", "ul. Marszałkowska 84/92", "00-514", "Warszawa", "PL", "",
     "+48 601 234 567", "", "tomasz.kowalczyk@gmail.com", ""),
    ("Torrefação Atlântico, S.A.", "500987654", "Avenida da República, 1200", "4430-192", "Vila Nova de Gaia",
     "PT", "223771000", "", "223771099", "comercial@torrefacaoatlantico.pt", "https://torrefacaoatlantico.pt"),
    ("Pivovar Lipnice s.r.o.", "CZ26451231", "Náměstí Míru 15", "582 32", "Lipnice nad Sázavou", "CZ",
     "+420 569 486 111", "", "", "export@pivovarlipnice.cz", "www.pivovarlipnice.cz"),
    ("Rosa Ferreira", "212345670", "Rua da Fonte, 3", "4740-123", "Esposende", "PT", "", "936112233", "", "", ""),
    ("Hortofrutícola do Oeste, Unipessoal Lda.", "514223344", "Estrada Nacional 8, km 52", "2560-320",
     "Torres Vedras", "PT", "261330440", "961234500", "", "vendas@hortoeste.pt", ""),
    ("Distribuciones Gallegas del Mar, S.L.", "ESB36123456", "Rúa do Porto, 7", "36202", "Vigo", "ES",
     "+34 986 221 100", "", "+34 986 221 101", "pedidos@distrigamar.es", ""),
    ("Vinhos Quinta da Várzea, Lda.", "509876543", "Quinta da Várzea", "5050-011", "Peso da Régua", "PT",
     "254321987", "", "", "quinta.varzea@sapo.pt", "www.quintadavarzea.pt"),
    ("Kalocsai Fűszer Kft.", "HU12345678", "Szent István király út 18.", "6300", "Kalocsa", "HU", "+36 78 462 100",
     "", "", "info@kalocsaifuszer.hu", ""),
    ("Energia Norte Comercial, S.A.", "507111222", "Rua Sá da Bandeira, 60", "4000-427", "Porto", "PT",
     "808505505", "", "", "", "www.energianorte.pt"),
    ("Jiří Procházka", "", "Vinohradská 112", "130 00", "Praha 3", "CZ", "", "+420 777 888 999", "",
     "jiri@prochazka-keramika.cz", ""),
    ("Marta Zielińska", "PL7811223344", "ul. Półwiejska 17", "61-885", "Poznań", "PL", "", "+48 502 111 222", "",
     "marta@zielinska-ceramika.pl", ""),
]

# A Paris software house's customers' billing contacts (Upflow): the customer, its id, mailbox, main-contact
# flag, given and family name, phone, the contact's reference, the reminders' position.
UPFLOW90 = [
    ("Boulangeries Lefèvre SAS", "C-10021", "claire.lefevre@boulangeries-lefevre.fr", "1", "Claire", "Lefèvre",
     "+33 1 45 67 89 10", "CT-5501", "Finance"),
    ("Boulangeries Lefèvre SAS", "C-10021", "compta@boulangeries-lefevre.fr", "", "", "", "", "CT-5502",
     "Comptable"),
    ("Studio Novák Architectes", "C-10022", "petr.novak@studionovak.fr", "1", "Petr", "Novák", "06 12 34 56 78",
     "CT-5503", "Acheteur"),
    ("Transports Dubois & Fils", "C-10023", "m.dubois@transports-dubois.fr", "1", "Michel", "Dubois",
     "03 88 12 34 56", "", "Finance"),
    ("Transports Dubois & Fils", "C-10023", "a.wisniewska@transports-dubois.fr", "", "Agnieszka", "Wiśniewska", "",
     "", "Comptable"),
    ("Hôtel du Lac Annecy SARL", "C-10024", "direction@hoteldulac-annecy.fr", "1", "Sophie", "Girard",
     "+33 4 50 12 34 56", "CT-5510", "Commercial"),
    ("Clinique vétérinaire des Vosges", "C-10025", "facturation@cliniqueveto-vosges.fr", "1", "", "",
     "03 29 45 67 89", "", "Finance"),
    ("Kovács Consulting SARL", "C-10026", "gabor.kovacs@kovacs-consulting.fr", "1", "Gábor", "Kovács",
     "07 81 22 33 44", "CT-5520", "Acheteur"),
    ("Librairie des Quais SARL", "C-10027", "jeanne.moreau@librairiedesquais.fr", "1", "Jeanne", "Moreau",
     "05 56 11 22 33", "", "Comptable"),
    ("Librairie des Quais SARL", "C-10027", "lukas.schneider@librairiedesquais.fr", "", "Lukas", "Schneider", "", "",
     "Acheteur"),
    ("Agence Horvat Immobilier", "C-10028", "i.horvat@horvat-immo.fr", "1", "Ivana", "Horvat", "+385 91 234 5678",
     "CT-5530", "Finance"),
    ("Menuiserie Petit", "C-10029", "menuiserie.petit@orange.fr", "1", "Thierry", "Petit", "06 98 76 54 32", "",
     "Commercial"),
]

# A Posadas (Misiones) food distributor's customers (Dux Software): id left empty, family name or firm, given
# name, trade name, code, sex, customer type.
DUX90 = [
    ("", "Kowalczuk", "Marta", "", "CLI-0001", "Femenino", "Minorista"),
    ("", "Distribuidora Oberá S.R.L.", "", "Distri Oberá", "CLI-0002", "", "Mayorista"),
    ("", "Fernández", "Martín", "Almacén Don Martín", "CLI-0003", "Masculino", "Minorista"),
    ("", "Novák", "Tomáš", "", "CLI-0004", "Masculino", "Consumidor final"),
    ("", "Yerbatera Apóstoles S.A.", "", "", "CLI-0005", "", "Mayorista"),
    ("", "Szymański", "Piotr", "Aserradero Szymański", "CLI-0006", "Masculino", "Mayorista"),
    ("", "González", "Lucía", "", "CLI-0007", "Femenino", "Consumidor final"),
    ("", "Cooperativa Agrícola Mixta de Montecarlo Ltda.", "", "Coop Montecarlo", "CLI-0008", "", "Mayorista"),
    ("", "Bondarenko", "Oksana", "Panadería La Ucraniana", "CLI-0009", "Femenino", "Minorista"),
    ("", "Horváth", "Zsófia", "", "", "Femenino", "Consumidor final"),
    ("", "Municipalidad de Posadas", "", "", "CLI-0011", "", "Organismo público"),
    ("", "Pereyra Iraola", "Ignacio", "", "CLI-0012", "Masculino", "Minorista"),
]

# A Puerto Montt wholesaler's customers (Defontana): code (mostly the RUT again), RUT, active flag, and the name
# or business name in one cell; (given, family) where the name is a person's, else None.
DEFONTANA90 = [
    ("76.123.456-7", "76.123.456-7", "S", "Comercial Andes SpA", None),
    ("76.987.654-3", "76.987.654-3", "S", "Constructora Valdivia Ltda.", None),
    ("12.345.678-5", "12.345.678-5", "S", "Jan Novák", ("Jan", "Novák")),
    ("CLI-004", "77.456.789-0", "S", "Viña Los Robles Ltda.", None),
    ("9.876.543-2", "9.876.543-2", "N", "Katarzyna Lewandowska", ("Katarzyna", "Lewandowska")),
    ("76.555.444-K", "76.555.444-K", "S", "Transportes Kowalski y Cía. Ltda.", None),
    ("77.888.999-1", "77.888.999-1", "S", "Ferretería El Roble SpA", None),
    ("15.432.198-K", "15.432.198-K", "S", "Matías González", ("Matías", "González")),
    ("61.704.000-K", "61.704.000-K", "S", "Municipalidad de Puerto Varas", None),
    ("CLI-010", "76.321.654-9", "N", "Panadería Alemana Frutillar Ltda.", None),
    ("18.765.432-1", "18.765.432-1", "S", "Milan Horvat", ("Milan", "Horvat")),
    ("77.234.567-8", "77.234.567-8", "S", "Hotel Lago Llanquihue S.A.", None),
]
