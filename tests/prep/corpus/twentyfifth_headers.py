"""Headers of the twenty-fifth held-out set (tests/prep/corpus/twentyfifth):
none of these sources is in headers.py, unseen_headers.py, fresh_headers.py,
final_headers.py, blind_headers.py, nor in sixth_headers.py to
twentythird_headers.py, nor layouts_test.py, nor in their NOT_FOUND lists.
The entries are as in headers.py: source, language of the columns' names,
separator and encoding of the export, how the header is documented ("header
row": the source shows the row itself, in a sample file, or a program that
reads or writes the file spells it out; "field list": it lists the names in
this order) and where.

Nothing here is made up: each row is known from a program that reads or
writes the file, named by its stored file id. Where the separator, encoding
or line end is the export's setting rather than a fixed property, or the
source does not show it, the note says so.
"""

SOURCES = {
    "laiv_fraktioner": dict(
        source="a Swedish live-action role-play's registration site (the organisers' per-faction participant list"
               " as CSV)", language="sv", separator=";", encoding="utf-8", documented_as="header row",
        where="the site's view that writes the list (stored file id 23542589572): for each faction its name on a"
              " line of its own, then 'Förnamn;Efternamn;Personnummer;Kön;Gatuadress;Postnr;Ort;E-postadress;"
              "Telefon 1;Telefon 2;Publik epost;Allergier;Medicinsk info;Beskrivning;Rollnamn;Fraktion;Kultur;"
              "Koncept;Specialiserat koncept;Grupper', one row per player (nothing quoted; the line breaks of"
              " allergies, medicine and notes turned into '| '), and an empty line after the faction; rows end"
              " with '\\n'; the page is UTF-8, so is the list copied out of it",
        header=["Förnamn", "Efternamn", "Personnummer", "Kön", "Gatuadress", "Postnr", "Ort", "E-postadress",
                "Telefon 1", "Telefon 2", "Publik epost", "Allergier", "Medicinsk info", "Beskrivning", "Rollnamn",
                "Fraktion", "Kultur", "Koncept", "Specialiserat koncept", "Grupper"]),
    "medlemmer": dict(
        source="a Norwegian association's member app (its member list read from the board's CSV)", language="nb",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the app's member CSV import test (stored file id 56934892917): 'ID;Fornavn;Etternavn;Adresse;Postnr;"
              "Poststed;Mobil;Epost;Fødselsår;Type;Innmeldt;Bet. 2026;Bet. 25 i fjor' with the row '100;Ada;"
              "Lovelace;Gate 1;0123;Oslo;912 34 567;ada@example.com;1990;Æres;15.12.2020;ja;nei'; the joining"
              " date dd.mm.yyyy, a year or ISO, the payment flags ja/nei; ';' and UTF-8 (a signature is stripped"
              " when there is one: none taken); line ends not fixed (CRLF taken, a spreadsheet's)",
        header=["ID", "Fornavn", "Etternavn", "Adresse", "Postnr", "Poststed", "Mobil", "Epost", "Fødselsår", "Type",
                "Innmeldt", "Bet. 2026", "Bet. 25 i fjor"]),
    "padelreiser": dict(
        source="a Norwegian padel travel organiser's booking admin (the bookings' CSV for Excel)", language="nb",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the admin's bookingsToCsv test (stored file id 70402746131): 'starter med BOM og overskriftsrad med"
              " semikolon (Excel nb-NO)': 'Reservert dato;Status;Tur;Fornavn;Etternavn;E-post;Telefon;Padelnivå;"
              "Romtype;Deler rom med;Tilvalg', rows joined by '\\r\\n', an empty cell for what is missing, the"
              " row '2026-10-03;Reservert;Costa Blanca Camp – Påske 2027;Kari;Nordmann;kari@examp...', extras"
              " joined in one cell",
        header=["Reservert dato", "Status", "Tur", "Fornavn", "Etternavn", "E-post", "Telefon", "Padelnivå", "Romtype",
                "Deler rom med", "Tilvalg"]),
    "lopp_anmalningar": dict(
        source="a Swedish race registration service (the organiser's entries export for the timing program)",
        language="sv", separator=";", encoding="utf-8", documented_as="header row",
        where="the organiser's export page (stored file id 41711762209): 'Filen använder semikolon (;) som"
              " separator och UTF-8 encoding.' and the row 'Startnummer;Förnamn;Efternamn;Klass;Klubb;Licens;Kön;"
              "Födelseår;E-post;Telefon;Betald;Källa'; the line end is not shown (CRLF taken)",
        header=["Startnummer", "Förnamn", "Efternamn", "Klass", "Klubb", "Licens", "Kön", "Födelseår", "E-post",
                "Telefon", "Betald", "Källa"]),
    "sportlink_leden": dict(
        source="a Dutch football club's volunteer app (members read from the club's Sportlink export)",
        language="nl", separator=";", encoding="utf-8", documented_as="header row",
        where="the app's browser test of the Sportlink preview (stored file id 61945319058): 'Relatienummer;"
              "Voornaam;Achternaam;E-mailadres;Team;Actief voor seizoen' with the row 'DSV-BROWSER-IMPORT;Browser;"
              "Importlid;browser-import@example.invalid;JO19-1;Ja', joined by '\\n'; the app takes these columns of"
              " the club's export, and only these are written here",
        header=["Relatienummer", "Voornaam", "Achternaam", "E-mailadres", "Team", "Actief voor seizoen"]),
    "extraction_tiers": dict(
        source="a French small-business management suite (Bdg by Legrain: the 'extraction Tiers' report of"
               " customers and suppliers)", language="fr", separator=";", encoding="cp1252",
        documented_as="field list",
        where="the suite's report definition kept in its result class (stored file id 230077275): the columns"
              " 'Nom;Prénom;Adresse 1;Adresse 2;Adresse 3;Code poastal;Ville;Pays;Département;Civilité;Surnom;"
              "Code tiers;Nom entreprise;Actif;TTC;Type tiers;Libellé type;Commentaire;Type entité;Tva intra;"
              "Siret;Tel;Email;Web;Date création;Date dernière facture;Date dernier bonliv;Date dernier devis'"
              " ('Code poastal' so spelt), the department the postal code's first two digits, Actif and TTC"
              " booleans, dates; the separator ';' as the list itself; the encoding is a French Windows desktop"
              " program's (code page 1252 and CRLF taken)",
        header=["Nom", "Prénom", "Adresse 1", "Adresse 2", "Adresse 3", "Code poastal", "Ville", "Pays", "Département",
                "Civilité", "Surnom", "Code tiers", "Nom entreprise", "Actif", "TTC", "Type tiers", "Libellé type",
                "Commentaire", "Type entité", "Tva intra", "Siret", "Tel", "Email", "Web", "Date création",
                "Date dernière facture", "Date dernier bonliv", "Date dernier devis"]),
    "federacao_individuos": dict(
        source="a Portuguese sports federation's portal (individual members imported from the clubs' CSV)",
        language="pt", separator=";", encoding="utf-8", documented_as="header row",
        where="the portal's import test (stored file id 54667904836), 'semicolon delimited csv is parsed"
              " correctly': 'Nome;Apelido;Nome Completo;filiado;data_nascimento;Country;cc;nif;genero;morada;"
              "codigo_postal;localidade;distrito;telefone;telemovel;email;Clube Filiado;Nome Clube;Zona' with the"
              " row 'Carlos;Silva;Carlos Alberto Silva;12345;15/06/1985;Portugal;123456789;987654321;Masculino;"
              "Rua das Flores 123;1000-001;L...', rows joined by '\\n'; UTF-8, no signature",
        header=["Nome", "Apelido", "Nome Completo", "filiado", "data_nascimento", "Country", "cc", "nif", "genero",
                "morada", "codigo_postal", "localidade", "distrito", "telefone", "telemovel", "email",
                "Clube Filiado", "Nome Clube", "Zona"]),
    "academia_alunos": dict(
        source="a Brazilian gym's member app (its students' CSV export)", language="pt-BR", separator=";",
        encoding="utf-8", documented_as="header row",
        where="the app's montarCSV test (stored file id 71204533103): the file starts with 'Nome;Apelido;CPF;"
              "E-mail;Telefone;Nascimento;Gênero;Módulos;Personal;Nutricionista;Tags;Situação;Pagamento;Cadastro;"
              "Modificado em\\r\\n' (15 columns, no signature), the row 'Rafael Moura;Rafa;529.982.247-25;"
              "rafael@x.com;(82) 99999-0000;10/03/1998;Masculino;Treino + N...', a name with ';' quoted ('Ana;"
              " Souza'); 'Apelido' is the nickname ('Rafa'), the CPF formatted, the birth date dd/mm/yyyy",
        header=["Nome", "Apelido", "CPF", "E-mail", "Telefone", "Nascimento", "Gênero", "Módulos", "Personal",
                "Nutricionista", "Tags", "Situação", "Pagamento", "Cadastro", "Modificado em"]),
    "clienti_riepilogo": dict(
        source="an Italian accounting office's client intake workflow (its summary CSV of the clients, for Excel"
               " or the accounting program)", language="it", separator=";", encoding="utf-8",
        documented_as="header row",
        where="the workflow's node 'Genera CSV Riepilogo' (stored file id 53030465434): 'Colonne: Nome;Cognome;"
              "Ragione Sociale;CF;P.IVA;Indirizzo;CAP;Città;Prov;Telefono;Cellulare;Email;PEC;SDI;IBAN;Note. Una"
              " riga per ogni cliente. Separatore: punto e virgola.'; encoding and line end not named (UTF-8 and"
              " CRLF taken)",
        header=["Nome", "Cognome", "Ragione Sociale", "CF", "P.IVA", "Indirizzo", "CAP", "Città", "Prov", "Telefono",
                "Cellulare", "Email", "PEC", "SDI", "IBAN", "Note"]),
}

# Looked for and not found with a documented column list in the stored
# material searched (docs, pages and files of public repositories), or left
# out, beyond the other header modules' lists.
NOT_FOUND = [
    "Swedish, Norwegian, Dutch, Spanish and Italian accounting: Fortnox, Tripletex, Moneybird, Holded, Fatture in"
    " Cloud (only automation pages listing API fields, no file's columns)",
    "French shipping: ColiShip's import file (the program found writes its rows without a header row, the"
    " columns only in a comment), Chronopost's address book (left for another set)",
    "Spanish: a clinic's WhatsApp reminders ('nombre;apellidos;telefono;fecha;hora': an appointment, left out),"
    " school staff lists without contact columns",
    "Swedish orienteering start lists (names, clubs, chips: no contact columns)",
    "Italian staff and pupil lists of schools (a name and a class; no address)",
]
