"""The people of the thirty-ninth held-out set, as each source holds them."""

# A Madrid language school's CRM contacts (Sisfox): work mailbox, subscription flag, given name, family name(s),
# the mailing lists (several joined by commas).
SISFOX39 = [
    ("lucia.fernandez@iberdrola.es", "1", "Lucía", "Fernández Ruiz", "Alumnos,Empresas"),
    ("pavel.horak@skoda-auto.cz", "1", "Pavel", "Horák", "Alumnos"),
    ("m.garcia@gmail.com", "0", "Miguel Ángel", "García", "Antiguos alumnos"),
    ("agnieszka.wrobel@lot.pl", "1", "Agnieszka", "Wróbel", "Alumnos,Zona Norte"),
    ("juan.ramon@telefonica.es", "1", "Juan", "Ramón López", "Empresas"),
    ("info@academia-sol.es", "0", "", "", "Proveedores"),
    ("eszter.nagy@mol.hu", "1", "Eszter", "Nagy", "Alumnos"),
    ("carmen.ortega@ayto-madrid.es", "1", "Carmen", "Ortega de la Fuente", "Empresas,Zona Centro"),
    ("lukas.brenner@siemens.com", "0", "Lukas", "Brenner", "Antiguos alumnos"),
    ("jana.kollarova@slsp.sk", "1", "Jana", "Kollárová", "Alumnos"),
    ("pablo.iglesias.m@hotmail.com", "1", "Pablo", "Iglesias Moreno", "Alumnos,Zona Sur"),
    ("tomasz.zielinski@orange.pl", "1", "Tomasz", "Zieliński", "Empresas"),
]

# A Passau cultural association's newsletter readers (sitepackage): given, family, mailbox, postal code, town.
# Only letters code page 1252 holds: the Czech readers' names and towns are chosen so.
SITEPACKAGE39 = [
    ("Franziska", "Huber", "franziska.huber@t-online.de", "94032", "Passau"),
    ("Tomáš", "Novák", "tomas.novak@seznam.cz", "350 02", "Cheb"),
    ("Georg", "Wimmer", "g.wimmer@gmx.at", "4780", "Schärding"),
    ("Jana", "Dušková", "jana.duskova@centrum.cz", "344 01", "Domažlice"),
    ("Martin", "Eder", "martin.eder@posteo.de", "", ""),
    ("", "", "kulturbuero@landkreis-passau.de", "94034", "Passau"),
    ("Zoltán", "Kiss", "zoltan.kiss@freemail.hu", "9400", "Sopron"),
    ("Petra", "Schön", "petra.schoen@web.de", "94081", "Fürstenzell"),
    ("Petr", "Svoboda", "petr.svoboda@email.cz", "339 01", "Klatovy"),
    ("Anneliese", "Gruber-Maier", "a.gruber-maier@aon.at", "4020", "Linz"),
    ("Sebastian", "Weiß", "sebastian.weiss@uni-passau.de", "94032", ""),
]

# A Frankfurt (Oder) bicycle shop's customers for its mailings (Esendex): mailbox, given, family, age, a note.
ESENDEX39 = [
    ("julia.krueger@gmx.de", "Julia", "Krüger", "34", ""),
    ("marek.nowicki@wp.pl", "Marek", "Nowicki", "41", "Słubice, kauft E-Bikes"),
    ("ralf.schubert@web.de", "Ralf", "Schubert", "", "Stammkunde"),
    ("k.lewandowska@gmail.com", "Katarzyna", "Lewandowska", "29", ""),
    ("jiri.maly@seznam.cz", "Jiří", "Malý", "52", "Radtour Oder-Neiße, Gruppe von 6"),
    ("anja.zimmermann@t-online.de", "Anja", "Zimmermann", "47", ""),
    ("service@viadrina-kurier.de", "", "", "", "Firmenkunde, Lastenräder"),
    ("piotr.kaczmarek@onet.pl", "Piotr", "Kaczmarek", "38", ""),
    ("laszlo.farkas@citromail.hu", "László", "Farkas", "61", "über Messe Cottbus"),
    ("sophie.lange@posteo.de", "Sophie", "Lange", "23", "Studentin, Viadrina"),
]

# A Bolzano cooperative's board and members for its document flows (myGovernance): family, given, mailbox,
# phone (mobiles mostly without +39), the user's filter group.
MYGOVERNANCE39 = [
    ("Pichler", "Johann", "johann.pichler@kellerei-bozen.com", "3356781234", "CdA"),
    ("Rossi", "Mario", "mario.rossi@libero.it", "3334567899", "Soci"),
    ("Mair", "Verena", "verena.mair@rolmail.net", "+39 348 112 2334", "CdA"),
    ("Kovačič", "Andrej", "andrej.kovacic@siol.net", "+386 41 555 010", "Soci"),
    ("Bianchi", "Giulia", "giulia.bianchi@pec.it", "", "Revisori"),
    ("Gruber", "Maria Theresia", "mt.gruber@brennercom.net", "0471 978 112", "Soci"),
    ("Hofer", "Lukas", "lukas.hofer@tirol.at", "+43 664 3021177", "Soci"),
    ("Colombo", "Francesca", "f.colombo@studiocolombo.it", "3471203040", "Revisori"),
    ("Zanetti", "Paolo", "paolo.zanetti@gmail.com", "3209988776", "CdA"),
    ("Novotná", "Kateřina", "katerina.novotna@seznam.cz", "+420 603 112 445", "Soci"),
    ("Oberhofer", "Sepp", "sepp.oberhofer@gmail.com", "", "Soci"),
]

# A Vienna association's hybrid conference (streamboxy): given, family, mailbox, role, notifications,
# template, reminder.
STREAMBOXY39 = [
    ("Katharina", "Leitner", "katharina.leitner@oeaw.ac.at", "SPEAKER", "TRUE", "de", "TRUE"),
    ("Jakub", "Procházka", "jakub.prochazka@cvut.cz", "SPEAKER", "1", "en", "1"),
    ("Réka", "Szabó", "reka.szabo@bme.hu", "PARTICIPANT", "WAHR", "en", "WAHR"),
    ("Florian", "Berger", "florian.berger@tuwien.ac.at", "PARTICIPANT", "TRUE", "de", "FALSE"),
    ("Monika", "Bieleková", "monika.bielekova@stuba.sk", "SPEAKER", "TRUE", "custom1", "TRUE"),
    ("Michał", "Wojciechowski", "m.wojciechowski@agh.edu.pl", "PARTICIPANT", "0", "en", "0"),
    ("Elisabeth", "Schwarz", "elisabeth.schwarz@wien.gv.at", "PARTICIPANT", "FALSCH", "de", "FALSCH"),
    ("Nina", "Zupan", "nina.zupan@fri.uni-lj.si", "PARTICIPANT", "TRUE", "en", "TRUE"),
    ("Andreas", "Steiner", "a.steiner@ait.ac.at", "SPEAKER", "TRUE", "de", "TRUE"),
    ("Gergely", "Tóth", "gergely.toth@elte.hu", "PARTICIPANT", "1", "en", "1"),
    ("Lucia", "Moretti", "lucia.moretti@polimi.it", "PARTICIPANT", "TRUE", "it", "TRUE"),
    ("Barbara", "Haas", "barbara.haas@fh-campuswien.ac.at", "PARTICIPANT", "TRUE", "de", "TRUE"),
]

# A Curitiba furniture shop's chat customers (Agendor Chat): the whole name, phone with +55, mailbox.
AGENDOR39 = [
    ("Mariana Kowalski", "+5541998765432", "mariana.kowalski@gmail.com"),
    ("João da Silva", "+5541991234567", "joao.silva@hotmail.com"),
    ("Tadeu Wiśniewski", "+5541988776655", ""),
    ("Fernanda Oliveira", "+5541987654321", "fernanda.oliveira@uol.com.br"),
    ("Rafael Schmidt", "+5547999112233", "rafael.schmidt@terra.com.br"),
    ("Marcenaria Kowalski Ltda", "+554133221100", "contato@marcenariakowalski.com.br"),
    ("Helena Nováková", "+420731222333", "helena.novakova@seznam.cz"),
    ("Bruno Zanella", "+5541996655443", "bruno.zanella@gmail.com"),
    ("Luiza Hoffmann", "+5541995544332", "luiza.hoffmann@yahoo.com.br"),
    ("Ana Wrublewski", "+5541993322110", "ana.wrublewski@gmail.com"),
    ("Gábor Horváth", "+5541992211009", "gabor.horvath@gmail.com"),
]
