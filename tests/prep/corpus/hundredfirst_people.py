"""The people of the hundred-and-first held-out set, as each source holds them."""

# The book-keeping firm whose ERP holds the third parties: its name stands in every row's 'Nombre de la empresa'.
TORNILLO = "Ferretería El Tornillo S.A.S."

# A Medellín hardware wholesaler's third parties (esnumera): active, street, city, mailbox, payable and receivable
# accounts, document type, employee, customer, supplier and firm flags, mobile, tax number, name, notes, country,
# fiscal position, web site, phone.
ESNUMERA101 = [
    ("verdadero", "Cra. 43A # 1 Sur-100", "Medellín", "ventas@cementosdelvalle.com.co", "220505", "", "NIT",
     "falso", "falso", "verdadero", "verdadero", "", "890900123", "Cementos del Valle S.A.",
     "Pedidos los martes, entrega en obra", "Colombia", "Gran contribuyente", "https://www.cementosdelvalle.com.co",
     "+57 604 444 1200"),
    ("verdadero", "Calle 10 # 38-25 Apto 502", "Medellín", "andres.restrepo@gmail.com", "", "130505",
     "Cédula de ciudadanía", "falso", "verdadero", "falso", "falso", "+57 310 555 2231", "71654321",
     "Andrés Restrepo Gómez", "", "Colombia", "Régimen simplificado", "", ""),
    ("verdadero", "Vinohradská 112", "Praha", "tomas.novotny@seznam.cz", "", "130505", "Pasaporte", "falso",
     "verdadero", "falso", "falso", "+420 603 111 222", "P4411872", "Tomáš Novotný", "Cliente de exportación",
     "República Checa", "Extranjero", "", ""),
    ("verdadero", "ul. Piotrkowska 217", "Łódź", "eksport@lodzkienarzedzia.pl", "220505", "",
     "Documento extranjero", "falso", "falso", "verdadero", "verdadero", "", "7251234567",
     "Łódzkie Narzędzia sp. z o.o.", 'Importación, pago a 60 días, "FOB Gdańsk"', "Polonia", "Extranjero",
     "https://www.lodzkienarzedzia.pl", "+48 42 630 15 00"),
    ("verdadero", "Cra. 70 # 44-12", "Medellín", "carolina.mejia@eltornillo.com.co", "", "", "Cédula de ciudadanía",
     "verdadero", "falso", "falso", "falso", "+57 300 212 4455", "43987654", "Carolina Mejía Arango",
     "Jefe de bodega", "Colombia", "", "", ""),
    ("falso", "Andrássy út 60", "Budapest", "kiss.zoltan@freemail.hu", "", "130505", "Cédula de extranjería",
     "falso", "verdadero", "falso", "falso", "+36 30 987 6543", "455120", "Zoltán Kiss",
     "Ya no compra, conservar historial", "Hungría", "Extranjero", "", ""),
    ("verdadero", "Autopista Norte Km 12", "Bello", "", "220505", "", "NIT", "falso", "falso", "verdadero",
     "verdadero", "+57 315 700 8899", "811022334", "Transportes Antioquia Ltda.", "", "Colombia",
     "Régimen común", "", "+57 604 481 7700"),
    ("verdadero", "Obchodná 23", "Bratislava", "marek.hudak@azet.sk", "220505", "130505", "Pasaporte", "falso",
     "verdadero", "verdadero", "falso", "", "EK9921034", "Marek Hudák", "", "Eslovaquia", "Extranjero", "",
     "+421 2 5443 2211"),
    ("verdadero", "Calle 5 Sur # 25-80 Of. 301", "Medellín", "santiago@zapataarquitectos.com", "", "130505",
     "Cédula de ciudadanía", "falso", "verdadero", "falso", "falso", "+57 311 402 9911", "98765432",
     "Santiago Zapata Vélez", "Arquitecto, compra para obras", "Colombia", "Régimen común",
     "https://www.zapataarquitectos.com", "+57 604 266 3030"),
    ("verdadero", "Dědická 15", "Vyškov", "obchod@kovarnavyskov.cz", "220505", "", "Documento extranjero", "falso",
     "falso", "verdadero", "verdadero", "", "26912345", "Kovárna Vyškov s.r.o.", "", "República Checa",
     "Extranjero", "https://www.kovarnavyskov.cz", "+420 517 333 444"),
    ("verdadero", "", "Envigado", "vale.cardenas@hotmail.com", "", "130505", "Cédula de ciudadanía", "falso",
     "verdadero", "falso", "falso", "", "1037654321", "Valentina Cárdenas", "", "Colombia", "", "", ""),
    ("verdadero", "ul. Floriańska 14 m. 3", "Kraków", "k.wojcik@onet.pl", "", "130505", "Pasaporte", "falso",
     "verdadero", "falso", "falso", "+48 601 234 567", "EA4455667", "Katarzyna Wójcik", "", "Polonia",
     "Extranjero", "", ""),
]

# A Strasbourg bookshop's loyal customers (SPREAD): family and given name, mailbox, external id, birthday
# (day first), gender in its many spellings, consent and its date.
SPREAD101 = [
    ("MARTIN", "Sophie", "sophie.martin@orange.fr", "CLI-000184", "14/02/1986", "f", "oui", "2024-03-12 10:15"),
    ("Dvořáková", "Petra", "petra.dvorakova@seznam.cz", "CLI-000185", "03/04/1985", "mme", "1", "2024-03-12 10:17"),
    ("Wiśniewski", "Piotr", "piotr.wisniewski@wp.pl", "CLI-000190", "23/11/1990", "m.", "accepté",
     "2024-04-02 18:40"),
    ("de La Fontaine", "Hélène", "helene.delafontaine@free.fr", "", "07/09/1972", "Madame", "0", "2023-11-20 09:00"),
    ("Nagy", "Bence", "bence.nagy@gmail.com", "CLI-000201", "", "homme", "non", ""),
    ("Müller", "Jean-Baptiste", "jb.muller@laposte.net", "CLI-000202", "29/02/1988", "h", "yes", "2024-05-06 14:22"),
    ("", "", "contact@atelier-reliure.fr", "CLI-000210", "", "", "1", "2024-05-10 16:00"),
    ("Horváthová", "Zuzana", "zuzana.horvathova@azet.sk", "CLI-000214", "01/12/1979", "femme", "oui",
     "2024-06-01 08:05"),
    ("Le Goff", "Yann", "yann.legoff@wanadoo.fr", "", "18/06/1965", "monsieur", "refusé", "2022-01-15 11:30"),
    ("Kowalczyk", "Agnieszka", "agnieszka.kowalczyk@interia.pl", "CLI-000230", "10/10/2001", "mlle", "1",
     "2024-09-30 19:45"),
    ("Schneider", "Lucas", "lucas.schneider@gmx.de", "CLI-000231", "05/01/1995", "male", "accepted",
     "2024-10-02 12:00"),
    ("Novák", "Jiří", "jiri.novak@email.cz", "CLI-000240", "31/07/1958", "M", "0", "2024-11-11 11:11"),
    ("BERNARD", "", "m.bernard@sfr.fr", "CLI-000250", "", "", "oui", "2024-12-01 09:30"),
]
