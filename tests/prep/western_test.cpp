// rowcard-prep on exports of western Europe's and the Americas' tools: their
// national and tax numbers, a Portuguese postal code, a surname column named
// as a nickname elsewhere, a firm's name again in the family name's place,
// trades before an owner's name, and a report's blocks, each under its title
// and the header again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "made_table.hpp"
#include "prep/vocabulary.hpp"
#include "read_header_cases.hpp"

namespace rowcard {
namespace {

using enum field_role;

TEST(PrepWestern, NationalAndTaxNumbersAreNoPhones) {
    expect_read({{"Personnummer", record_id}, {"CPF", record_id}, {"Codice Fiscale", record_id}, {"CF", record_id},
                 {"nif", record_id}, {"P.IVA", company_fact}, {"Partita IVA", company_fact}, {"Siret", company_fact},
                 {"Nome Completo", full}, {"Nom entreprise", org}, {"Civilité", prefix}, {"Surnom", nickname},
                 {"morada", street, -4}, {"localidade", city, -4}, {"distrito", region, -4}, {"Prov", region, -4},
                 {"Gatuadress", street, -4}, {"Privatadr", street, -2, "HOME"}, {"Piso", street2, -4},
                 {"Nom de famille", family}, {"Main Contact Name", contact}, {"Observaciones", note}, {"Commentaires", note}, {"Merknader", note}, {"Notat", note},
                 {"Complément d'adresse", street2, -4}, {"Toevoeging", house_number, -4}, {"Site internet", web}},
                export_language::unknown);
    // Formatted as a number to dial, they stay off the card all the same.
    const contact_table t = made("Nome;CPF;Telefone\nRafael Moura;529.982.247-25;(82) 99999-0000\n"
                                 "Ana Souza;318.440.902-61;(82) 98812-4430\n");
    EXPECT_TRUE(has_line(t.table, "Rafael Moura;Rafael;Moura;(82) 99999 0000;VOICE;529.982.247 25")) << t.table;
}

TEST(PrepWestern, AGuardiansNamesAfterTheirWordsAndTheRegistersOwnNumbers) {
    expect_read({{"Apellido razón social", family}, {"NomeOutorgado", full}, {"COGNOME TUTORE *", family},
                 {"NOME TUTORE", given}, {"Postort", city, -4}, {"Landskod", country_code, -4}, {"Orgnummer", company_fact}},
                export_language::unknown);
    // An Italian register of the guardians alone names them after their word: they are the contacts.
    const contact_table t = made("CODICE FISCALE ALUNNO;EMAIL TUTORE;COGNOME TUTORE *;NOME TUTORE *\n"
                                 "RSSGLI80A01H501U;giulia.russo@libero.it;RUSSO;GIULIA\n");
    EXPECT_TRUE(has_line(t.table, "GIULIA RUSSO;GIULIA;RUSSO;giulia.russo@libero.it;RSSGLI80A01H501U")) << t.table;
    // A member's invoices going to a parent: the parent's mailbox is no one's on the member's card.
    const contact_table inv = made("Förnamn;Efternamn;Epost;Faktura Förnamn;Faktura Epost\nElsa;Lind;;Karin;karin@t.se\n");
    EXPECT_EQ(std::count(inv.header.begin(), inv.header.end(), "EMAIL1"), 0) << inv.table;
}

TEST(PrepWestern, AMexicanRazonSocialIsAFirmsOrAPersonsAndEstadoAState) {
    // An invoicing tool's legal name is a firm's, by its form after a comma, or a private person's.
    const contact_table t = made("Razón social;Calle;Localidad;Estado\n\"Editorial Jacarandá, S.A. de C.V.\";Av. Obregón 121;"
                                 "Ciudad de México;Ciudad de México\nJosé Hernández;Av. Chapultepec 480;Guadalajara;Jalisco\n"
                                 "Tallinna Metall OÜ;Pärnu mnt 10;Tallinn;\n");
    EXPECT_TRUE(has_line(t.table, "Editorial Jacarand\xE1, S.A. de C.V.;;;Editorial Jacarand\xE1, S.A. de C.V.;WORK;Av. Obreg\xF3n 121;"
                                  "Ciudad de M\xE9xico;Ciudad de M\xE9xico")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jos\xE9 Hern\xE1ndez;Jos\xE9;Hern\xE1ndez;;HOME;Av. Chapultepec 480;Guadalajara;Jalisco")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Tallinna Metall O\xDC;;;Tallinna Metall O\xDC;WORK;P\xE4rnu mnt 10;Tallinn;")) << t.table;
    // A CRM's 'Estado' of Activo and Inactivo is a record's state, no region.
    const contact_table state = made("Nombre;Calle;Ciudad;Estado\nJan;Hlavni 1;Brno;Activo\nEva;Dlouha 2;Praha;Inactivo\n");
    EXPECT_NE(state.left_off.find("'Estado' (its header says region, but its values are a flag)"), std::string::npos) << state.left_off;
}

TEST(PrepWestern, IndonesianHeadersAndAsiasTaxNumbersAreNoPhones) {
    expect_read({{"Nama Customer", full}, {"Alamat", street, -4}, {"Telepon", phone, 0, "VOICE"}, {"HubunganDengan", contact},
                 {"Jabatan", job}, {"NPWP", company_fact}, {"TIN", company_fact}, {"GSTIN", company_fact}},
                export_language::unknown);
    const contact_table t = made("Nama Customer;NPWP;Telepon;HubunganDengan;Jabatan\n"
                                 "PT Sinar Mas Abadi;01.234.567.8-073.000;021-6345678;Budi Santoso;Manajer Pembelian\n"
                                 "Toko Roti Makmur;;0274 512 345;;\n");
    EXPECT_TRUE(has_line(t.table, "Budi Santoso;Budi;Santoso;PT Sinar Mas Abadi;Manajer Pembelian;021 6345678;VOICE;01.234.567.8 073.000"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Toko Roti Makmur;;;Toko Roti Makmur;;0274 512 345;WORK;")) << t.table;
}

TEST(PrepWestern, ABrazilianAddressWithItsCepWithoutItsDash) {
    expect_read({{"Logradouro", street, -4}, {"RG", record_id},
                 {"Nom et numéro de la rue", street, -4}, {"Nom et prénom", full, 0, "FAMILY_FIRST"}},
                export_language::unknown);
    const contact_table t = made("Nome;CEP;Logradouro;Número;Cidade\nFernanda Alves;01310100;Avenida Paulista;1578;São Paulo\n"
                                 "Marek Novotny;04538133;Rua Funchal;418;São Paulo\n");
    EXPECT_TRUE(has_line(t.table, "Fernanda Alves;Fernanda;Alves;HOME;Avenida Paulista 1578;Sao Paulo;01310100")) << t.table;
}

TEST(PrepWestern, TheCommonestHeadersOfEachLanguage) {
    expect_read({{"Departamento", department}, {"Fecha de nacimiento", birthday}, {"Apodo", nickname},
                 {"Tratamiento", prefix}, {"Número", house_number, -4}, {"Notas", note}, {"Società", org},
                 {"Reparto", department}, {"Civico", house_number, -4}, {"Titolo", title}, {"Data di nascita", birthday},
                 {"Service", department}, {"Télécopie", phone, 0, "FAX"}, {"Remarques", note},
                 {"Date de naissance", birthday}, {"Afdeling", department}, {"Aanhef", prefix},
                 {"Geboortedatum", birthday}, {"Provincie", region, -4}, {"Complemento", street2, -4},
                 {"CEP", postal, -4}, {"Observações", note}, {"Stilling", job}, {"Nettside", web},
                 {"Företag", org}, {"Födelsedag", birthday}, {"Postnr.", postal, -4}, {"Hjemmeside", web},
                 {"Etunimi", given}, {"Sukunimi", family}, {"Matkapuhelin", phone, 0, "CELL"},
                 {"Postitoimipaikka", city, -4}, {"Sähköposti", email}},
                export_language::unknown);
}

TEST(PrepWestern, NamesAfterASlashNameTheNumberedItemAgain) {
    const contact_table t = made("Name;Address Line 1;Address Line 2/District/Neighborhood;Town/City\n"
                                 "Beata Kaminska;27 Stokes Croft;Flat 4;Bristol\n");
    EXPECT_TRUE(has_line(t.table, "FN;GIVEN;FAMILY;ADR1 TYPE;ADR1 STREET;ADR1 CITY")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Beata Kaminska;Beata;Kaminska;HOME;27 Stokes Croft, Flat 4;Bristol")) << t.table;
}

TEST(PrepWestern, AFamilyNameColumnOfWholeNamesAloneIsTheWholeName) {
    const contact_table t = made("Nom contact;EMail contact\nHelene Muller;h@x.fr\nJan Novak;j@y.cz\n");
    EXPECT_TRUE(has_line(t.table, "Helene Muller;Helene;Muller;h@x.fr")) << t.table;
    // Beside a given name, or of single words, it stays the family name.
    EXPECT_TRUE(has_line(made("Nom;Prénom\nDe la Tour;Anne\nVan Damme;Luc\n").table, "Anne De la Tour;Anne;De la Tour"));
    EXPECT_TRUE(has_line(made("Nom;Email\nMuller;m@x.fr\nDupont;d@y.fr\n").table, "Muller;Muller;m@x.fr"));
}

TEST(PrepWestern, APortuguesePostalCodeAndASurnameByTheWholeNamesItEnds) {
    const std::string rows = "Nome;Apelido;Nome Completo;codigo_postal;localidade\n"
                             "Carlos;Silva;Carlos Alberto Silva;1000-001;Lisboa\n"
                             "Ana;Ferreira;Ana Rita Ferreira;4100-114;Porto\n";
    const contact_table t = made(rows);
    EXPECT_TRUE(has_line(t.table, "FN;GIVEN;FAMILY;ADR1 TYPE;ADR1 CITY;ADR1 CODE")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Carlos Alberto Silva;Carlos;Silva;HOME;Lisboa;1000 001")) << t.table;
    // An ordinal indicator is its letter, as compatibility decomposition spells it: "3.º Esq." is "3.o Esq.".
    const contact_table floor = made("Nome;Morada\nAna Rita;Avenida da Boavista 1560, 3.\u00BA Esq.\n"
                                     "Rui Costa;Calle de Sueca 42, 3\u00BA 6\u00AA\n");
    EXPECT_TRUE(has_line(floor.table, "Ana Rita;Ana;Rita;HOME;Avenida da Boavista 1560, 3.o Esq.")) << floor.table;
    EXPECT_TRUE(has_line(floor.table, "Rui Costa;Rui;Costa;HOME;Calle de Sueca 42, 3o 6a")) << floor.table;
    // A nickname ends no whole name: it stays off.
    const contact_table nick = made("Nome;Apelido\nRafael Moura;Rafa\nAna Souza;Aninha\n");
    EXPECT_TRUE(has_line(nick.table, "Rafael Moura;Rafael;Moura;Rafa")) << nick.table;
    // Nor does the end of a word: 'Rina' of "Ana Karina".
    const contact_table part = made("Nome Completo;Apelido\nAna Karina;Rina\nMaria Cristina;Tina\n");
    EXPECT_TRUE(has_line(part.table, "Ana Karina;Ana;Karina;Rina")) << part.table;
}

TEST(PrepWestern, AFirmsNameAgainInTheFamilyNamesPlaceIsTheFirmAlone) {
    const contact_table t = made("Nom;Prénom;Nom entreprise\nDupuis;Martine;\nLacoste SARL;;Lacoste SARL\n"
                                 "Imprimerie Lacoste;;Imprimerie Lacoste\nGarnier;Julien;Garnier Architecture\n");
    EXPECT_TRUE(has_line(t.table, "Imprimerie Lacoste;;;Imprimerie Lacoste")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Julien Garnier;Julien;Garnier;Garnier Architecture")) << t.table;
    // A trade before the owner's name makes a firm of a family name with no given name.
    const contact_table trade = made("Nom;Prénom;Ville\nDupuis;Martine;Toulouse\nPapeterie du Midi;;Toulouse\n");
    EXPECT_TRUE(has_line(trade.table, "Papeterie du Midi;;;Papeterie du Midi;WORK;Toulouse")) << trade.table;
}

TEST(PrepWestern, EachBlocksTitleAndItsHeaderAgainAreNoContacts) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const export_result r = read_export("Nordvakten\nFornamn;Efternamn;E-post\nElin;Lindqvist;elin@x.se\n\n"
                                        "Sydriket\nFornamn;Efternamn;E-post\nMarek;Kowalczyk;marek@y.se\n",
                                        utf8);
    EXPECT_EQ(r.header_line, 2u);
    EXPECT_EQ(table_text(r), "Fornamn;Efternamn;E-post\nElin;Lindqvist;elin@x.se\nMarek;Kowalczyk;marek@y.se\n");
    EXPECT_EQ(r.changes.headers_again.lines, (std::vector<std::size_t>{5, 6}));
    EXPECT_EQ(r.records, 2u);
    // A block with no title: the row above the header again is a contact's.
    const export_result untitled = read_export("Fornamn;Efternamn;E-post\nElin;Lindqvist;\n"
                                               "Fornamn;Efternamn;E-post\nMarek;Kowalczyk;marek@y.se\n", utf8);
    EXPECT_EQ(table_text(untitled), "Fornamn;Efternamn;E-post\nElin;Lindqvist;\nMarek;Kowalczyk;marek@y.se\n");
    // A one-value row with no header after it is data; a table of one column keeps its rows.
    const export_result lone = read_export("Name;E-mail\nJan Novak;jan@x.cz\nEva Mala;\nOta Bily;ota@x.cz\n", utf8);
    EXPECT_EQ(lone.records, 3u);
    const export_result one = read_export("Name\nJan Novak\nName\nEva Mala\n", utf8);
    EXPECT_EQ(one.records, 3u);
}

TEST(PrepWestern, OneGivenNameThenTheFamilyNamesButTwoGivenNamesUpNorth) {
    // Spanish, Portuguese and Dutch names: the first word is the given name.
    const contact_table es = made("Nombre;Correo;Ciudad\nLucia Martin Ortega;lucia@x.es;Valencia\n"
                                  "Marta Soler i Puig;marta@y.es;Girona\nMaria Jose Sanchez Ruiz;mj@z.es;Murcia\n"
                                  "Ayuntamiento de Molina de Segura;a@m.es;Molina\nSAS Rhone Medical;r@m.fr;Lyon\n");
    EXPECT_TRUE(has_line(es.table, "Lucia Martin Ortega;Lucia;Martin Ortega;;lucia@x.es;HOME;Valencia")) << es.table;
    EXPECT_TRUE(has_line(es.table, "Marta Soler i Puig;Marta;Soler i Puig;;marta@y.es;HOME;Girona")) << es.table;
    // Four words: two given names and two family names, unless 'and' joins two family names.
    EXPECT_TRUE(has_line(es.table, "Maria Jose Sanchez Ruiz;Maria Jose;Sanchez Ruiz;;mj@z.es;HOME;Murcia")) << es.table;
    EXPECT_TRUE(has_line(es.table, "SAS Rhone Medical;;;SAS Rhone Medical;r@m.fr;WORK;Lyon")) << es.table;
    EXPECT_TRUE(has_line(es.table, "Ayuntamiento de Molina de Segura;;;Ayuntamiento de Molina de Segura;a@m.es;WORK;Molina"))
        << es.table;
    // A Norwegian's second given name stays a given name.
    const contact_table no = made("Navn;E-post;Poststed\nLars Erik Haugen;lars@x.no;Bergen\n");
    EXPECT_TRUE(has_line(no.table, "Lars Erik Haugen;Lars Erik;Haugen;lars@x.no;HOME;Bergen")) << no.table;
    // A record kind of a freelancer or a company, and a Spanish firm's legal form.
    const contact_table kinds = made("Nombre;Tipo de contacto;Correo\nCarlos Perez Blasco;freelancer;c@x.es\n"
                                     "Imprenta La Safor SL;company;i@y.es\nEstudio Arquitectos SLP;company;e@z.es\n");
    EXPECT_TRUE(has_line(kinds.table, "Estudio Arquitectos SLP;;;Estudio Arquitectos SLP;e@z.es")) << kinds.table;
}

TEST(PrepWestern, AnAddressWithItsCodeLastAsEnglishWritesIt) {
    const contact_table t = made("Name;Address\nDeclan Fahy;Apt 7, The Elms, Oranmore, Co. Galway, H91 P6C2\n"
                                 "Mary Smith;1 High Street, Leeds, LS1 4AB\nJohn Doe;5 Main St, Pittsburgh, PA 15213\n"
                                 "Ann Lee;1 High Street, LS1 4AB\n");
    EXPECT_TRUE(has_line(t.table, "Declan Fahy;Declan;Fahy;HOME;Apt 7, The Elms;Oranmore;Co. Galway;H91 P6C2")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Mary Smith;Mary;Smith;HOME;1 High Street;Leeds;;LS1 4AB")) << t.table;
    EXPECT_TRUE(has_line(t.table, "John Doe;John;Doe;HOME;5 Main St;Pittsburgh;PA;15213")) << t.table;
    const contact_table ca = made("Name;Address\nPavel Svoboda;100 King St W, Toronto, ON M5X 1A9\n");
    EXPECT_TRUE(has_line(ca.table, "Pavel Svoboda;Pavel;Svoboda;HOME;100 King St W;Toronto;ON;M5X 1A9")) << ca.table;
    // The house's number first is no postal code, and the country may follow the province and code.
    const contact_table qc = made("Name,Address\nJulie Tremblay,\"4820 Rue Saint-Denis, Montreal, QC H2J 2L6, Canada\"\n");
    EXPECT_TRUE(has_line(qc.table, "Julie Tremblay;Julie;Tremblay;HOME;4820 Rue Saint Denis;Montreal;QC;H2J 2L6;Canada"))
        << qc.table;
    // A country's name after the code (a till's 'Primary Billing Address').
    const contact_table uk = made("Name;Address\nKatarzyna Nowak;14 Manningham Lane, Bradford, BD1 3EA, United Kingdom\n");
    EXPECT_TRUE(has_line(uk.table, "Katarzyna Nowak;Katarzyna;Nowak;HOME;14 Manningham Lane;Bradford;BD1 3EA;United Kingdom"))
        << uk.table;
    // Two letters away from the address are no country ('Skolform' "GR"): a school's form.
    const contact_table school = made("Fornamn;Efternamn;Adress;Stad;Postnummer;Fodelsedatum;Skolform\n"
                                      "Elsa;Lindqvist;Foreningsgatan 12;Malmo;211 52;2012-03-04;GR\nOla;Berg;Storgatan 1;Lund;222 20;2009-01-02;GY\n");
    EXPECT_TRUE(has_line(school.table, "Elsa Lindqvist;Elsa;Lindqvist;20120304;HOME;Foreningsgatan 12;Malmo;211 52;GR"))
        << school.table;
    const contact_table codes = made("Name;Street;City;x1\nJan Novak;Hlavni 5;Brno;CZ\nEva Berg;Ring 2;Wien;AT\n");
    EXPECT_TRUE(has_line(codes.table, "Jan Novak;Jan;Novak;HOME;Hlavni 5;Brno;CZ")) << codes.table;
    // A street and a code with no town between them: nothing tells which piece is which.
    EXPECT_TRUE(has_line(t.table, "Ann Lee;Ann;Lee;HOME;1 High Street, LS1 4AB;;;")) << t.table;
    // GnuCash's address lines, one part each, are read the same; a town and no code stays the street's.
    const contact_table lines = made("name,addr1,addr2,addr3,addr4\nDeclan Fahy,Unit 4 Liosban Business Park,Galway,"
                                     "Co. Galway,H91 K2F7\nAine Burke,14 Ashgrove,Oranmore,,\n");
    EXPECT_TRUE(has_line(lines.table, "Declan Fahy;Declan;Fahy;HOME;Unit 4 Liosban Business Park;Galway;Co. Galway;H91 K2F7"))
        << lines.table;
    EXPECT_TRUE(has_line(lines.table, "Aine Burke;Aine;Burke;HOME;14 Ashgrove, Oranmore;;;")) << lines.table;
}

TEST(PrepWestern, NordicAddressPartsAndFirmsInAGivenNamesPlace) {
    expect_read({{"Adressrad 1", street, -4}, {"Gatenavn", street, -4}, {"Gatenummer", house_number, -4},
                 {"Sted", city, -4}, {"ContactAdressPostArea", city, -4}, {"Organisasjon", org}, {"Kundnr", record_id},
                 {"Roepnaam", given}, {"Denominazione", org}, {"Naam", full}, {"Gemeente", city, -4},
                 {"Nome Contacto", contact}, {"TAV", contact}, {"voorletters", given, 0, "INITIALS"}, {"titulatuur", prefix},
                 {"mobielenummer", phone, 0, "CELL"}, {"Heimilisfang", street, -4}, {"Netfang", email},
                 {"Kennitala", record_id}, {"Farsimi", phone, 0, "CELL"}, {"Initialen", given, 0, "INITIALS"},
                 {"Voorvoegsel", middle}, {"Persoon", full}, {"Telefoonnummer noodgeval", ignored},
                 {"Nombre/Razón social", full}, {"Domicilio", street, -4}, {"Libellé du client", full},
                 {"isim", full}, {"sirket", org}, {"Soyadı", family}, {"Eesnimi", given}, {"Perekonnanimi", family},
                 {"Postiindeks", postal, -4}, {"Registrikood", company_fact}, {"Tilefono", phone, 0, "VOICE"},
                 {"Epitheto", family}, {"Onoma", given}},
                export_language::unknown);
    // Danish and Norwegian 'By' is the town; elsewhere 'by' is whoever made a record.
    expect_read({{"By", city, -4}, {"Postnummer og by", postal_city, -4}}, export_language::nordic);
    expect_read({{"Created by", ignored}}, export_language::unknown);
    // A firm under the given name, with no family name, is the firm alone: Spanish 'S.L.', Norwegian 'AS'.
    const contact_table t = made("Nombre;Apellidos;Email\nJordi;Puig Ferrer;j@x.es\nTaller Gracia S.L.;;t@y.es\n"
                                 "Drammen Eiendom AS;;d@z.no\n");
    EXPECT_TRUE(has_line(t.table, "Taller Gracia S.L.;;;Taller Gracia S.L.;t@y.es")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Drammen Eiendom AS;;;Drammen Eiendom AS;d@z.no")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jordi Puig Ferrer;Jordi;Puig Ferrer;;j@x.es")) << t.table;
    // Iceland's postal codes have three digits; its firms end in 'ehf.'.
    const contact_table is = made("Nafn;Heimilisfang;Postnumer;Stadur;Netfang\nJon Gudmundsson;Hraunbaer 102;110;Reykjavik;j@s.is\n"
                                  "Fiskvinnslan Hafid ehf.;Hafnargata 12;240;Grindavik;f@h.is\n");
    EXPECT_TRUE(has_line(is.table, "Jon Gudmundsson;Jon;Gudmundsson;;j@s.is;HOME;Hraunbaer 102;Reykjavik;110")) << is.table;
    EXPECT_TRUE(has_line(is.table, "Fiskvinnslan Hafid ehf.;;;Fiskvinnslan Hafid ehf.;f@h.is;WORK;Hafnargata 12;Grindavik;240"))
        << is.table;
    // A conference's people from several countries: Canadian, Czech, German, Japanese and Israeli codes in one column.
    const contact_table mixed = made("first_name,last_name,city,postcode\nIsabelle,Tremblay,Montreal,H3T 1J4\n"
                                     "Marc,Gagnon,Laval,J7R 5A5\nJan,Kos,Praha,110 00\nUrs,Maier,Munchen,81739\n"
                                     "Naoki,Okada,Kurashiki,701-0192\nDana,Levi,Jerusalem,9434007\n");
    EXPECT_TRUE(has_line(mixed.table, "Isabelle Tremblay;Isabelle;Tremblay;HOME;Montreal;H3T 1J4")) << mixed.table;
    EXPECT_TRUE(has_line(mixed.table, "Jan Kos;Jan;Kos;HOME;Praha;110 00")) << mixed.table;
    EXPECT_TRUE(has_line(mixed.table, "Naoki Okada;Naoki;Okada;HOME;Kurashiki;701 0192")) << mixed.table;
    EXPECT_TRUE(has_line(mixed.table, "Dana Levi;Dana;Levi;HOME;Jerusalem;9434007")) << mixed.table;
    // Initials alone are the given name; with a called name beside them they are left off.
    const contact_table initials = made("voorletters;tussenvoegsel;naam;e-mail adres\nJ.A.;van der;Berg;j@x.nl\n");
    EXPECT_TRUE(has_line(initials.table, "J.A. van der Berg;J.A.;van der Berg;j@x.nl")) << initials.table;
    // Numbered address lines with no code or town of their own: the line of the code and town gives them.
    const contact_table lines = made("Navn;Adresselinje 1;Adresselinje 2;Adresselinje 3;Land\n"
                                     "Mette Holm;Jagtvej 88;2200 Kobenhavn N;;DK\nIda Lind;Storgatan 3;Lgh 1102;211 42 Malmo;SE\n");
    EXPECT_TRUE(has_line(lines.table, "Mette Holm;Mette;Holm;HOME;Jagtvej 88;Kobenhavn N;2200;DK")) << lines.table;
    EXPECT_TRUE(has_line(lines.table, "Ida Lind;Ida;Lind;HOME;Storgatan 3, Lgh 1102;Malmo;211 42;SE")) << lines.table;
    // A Dutch family name's particles written apart open it; a housing co-operative is no person.
    const contact_table dutch = made("Voorletters;Tussenvoegsel;Achternaam;Roepnaam\nJ.P.;van der;Linden;Jan\n"
                                     "A.;in 't;Veld;Anna\nM.;;Kowalski;Mateusz\n");
    EXPECT_TRUE(has_line(dutch.table, "Jan van der Linden;Jan;van der Linden;J.P.")) << dutch.table;
    EXPECT_TRUE(has_line(dutch.table, "Anna in 't Veld;Anna;in 't Veld;A.")) << dutch.table;
    EXPECT_TRUE(has_line(dutch.table, "Mateusz Kowalski;Mateusz;Kowalski;M.")) << dutch.table;
    // Belgian relations: 'Naam' is the family name where 'Voornaam' is filled and it does not hold it.
    const contact_table rel = made("Naam;Voornaam;Gemeente\nDe Smet;Pieter;Gent\nPieter Claes;Pieter;Gent\n");
    EXPECT_TRUE(has_line(rel.table, "Pieter De Smet;Pieter;De Smet;HOME;Gent")) << rel.table;
    EXPECT_TRUE(has_line(rel.table, "Pieter Claes;Pieter;Claes;HOME;Gent")) << rel.table;
    const contact_table coop = made("Navn;E-post\nBorettslaget Fjell Terrasse;styret@fjell.no\nKari Nordmann;kari@x.no\n");
    EXPECT_TRUE(has_line(coop.table, "Borettslaget Fjell Terrasse;;;Borettslaget Fjell Terrasse;styret@fjell.no")) << coop.table;
}

TEST(PrepWestern, ADutchDebtorsFirmsTheirPeopleAttentionLinesAndPostBoxes) {
    expect_read({{"DebiteurNaam", full}, {"FactuurAdres", street, -6, "POSTAL"}, {"PostAdres", street, -5, "POSTAL"},
                 {"PostPlaats", city, -5, "POSTAL"}, {"FactuurProvStaat", region, -6, "POSTAL"}, {"Post Code", postal, -4},
                 {"E-post", email}},
                export_language::western);
    const contact_table t = made(
        "DebiteurNaam;FactuurTAV;FactuurAdres;FactuurHuisnummer;FactuurHuisnummerToev;FactuurPlaats;FactuurCodeLand;"
        "PostAdres;PostPlaats;ContactNaam\n"
        "Bakkerij De Korenschoof B.V.;t.a.v. administratie;Oudegracht;112;;Utrecht;NL;;;Marieke de Graaf\n"
        "Novak Stucadoors;;Hoofdstraat;7;a;Driebergen;NL;Postbus 88;Driebergen;Tomas Novak\n"
        "Zorgcentrum Het Baken;t.a.v. crediteuren;Bakenlaan;2;;Zeist;NL;;;\n"
        "Schoonmaakbedrijf Glans;t.a.v. J. Dvorak;Amsterdamseweg;201;;Amersfoort;NL;;;Ilona Szabo\n");
    // The firm is the organisation, the contact's own name the card's; the attention line is nobody's.
    EXPECT_TRUE(has_line(t.table, "Marieke de Graaf;Marieke;de Graaf;Bakkerij De Korenschoof B.V.;POSTAL;Oudegracht 112;"
                                  "Utrecht;NL;;;;;t.a.v. administratie"))
        << t.table;
    // A letter added to the house number joins it; the post box is a second address.
    EXPECT_TRUE(has_line(t.table, "Tomas Novak;Tomas;Novak;Novak Stucadoors;POSTAL;Hoofdstraat 7a;Driebergen;NL;POSTAL;"
                                  "Postbus 88;Driebergen;;"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Zorgcentrum Het Baken;;;Zorgcentrum Het Baken;POSTAL;Bakenlaan 2;Zeist;NL;;;;;t.a.v. crediteuren"))
        << t.table;
    EXPECT_NE(t.left_off.find("'FactuurTAV' (attention lines beside the persons' names)"), std::string::npos) << t.left_off;
    // Beside a firm's name alone, an attention line to a person names the card; to a department, no one.
    const contact_table firms = made("Firma;z. Hd.\nGlans GmbH;z. Hd. Frau Eva Berg\nHaus Kft.;Attn: Accounts\n"
                                     "Korn AG;z.H. Jan Kohl\nCafe SRL;Tavi Ursu\n");
    EXPECT_TRUE(has_line(firms.table, "Frau Eva Berg;Eva;Berg;Frau;Glans GmbH")) << firms.table;
    EXPECT_TRUE(has_line(firms.table, "Haus Kft.;;;;Haus Kft.")) << firms.table;
    EXPECT_TRUE(has_line(firms.table, "Jan Kohl;Jan;Kohl;;Korn AG")) << firms.table;
    EXPECT_TRUE(has_line(firms.table, "Tavi Ursu;Tavi;Ursu;;Cafe SRL")) << firms.table;  // no 't.a.v.' in 'Tavi'
    // A column of contact persons with an attention line here and there is the contact persons' still.
    const contact_table few = made("Firma;Name;Kontaktperson\nGlans GmbH;Ida Lang;Eva Berg\nKorn AG;;z. Hd. Jan Kohl\n"
                                   "Haus Kft.;;Ota Kral\n");
    EXPECT_TRUE(has_line(few.table, "Ota Kral;Ota;Kral;Haus Kft.")) << few.table;
    // A country alone is no address beside the row's own, but its country.
    const contact_table lone = made("Naam;FactuurAdres;FactuurPlaats;PostCodeLand\nJan de Vries;Dorpsstraat 1;Ede;NL\nEva Bos;;;NL\n");
    EXPECT_TRUE(has_line(lone.table, "Jan de Vries;Jan;de Vries;POSTAL;Dorpsstraat 1;Ede;NL")) << lone.table;
}


TEST(PrepWestern, TheHouseNumberWhereTheAddressesCountryWritesIt) {
    // An English nursery's children: the number first, before the street, by a British postcode.
    const std::string header = "FirstName,LastName,AddressHouseNo,AddressLine1,Town,Postcode\n";
    const contact_table uk = made(header + "Oliver,Smith,14,Acacia Avenue,Leeds,LS6 3AB\nJan,Kos,7,Dlouha,Brno,602 00\n");
    EXPECT_TRUE(has_line(uk.table, "Oliver Smith;Oliver;Smith;HOME;14 Acacia Avenue;Leeds;LS6 3AB")) << uk.table;
    EXPECT_TRUE(has_line(uk.table, "Jan Kos;Jan;Kos;HOME;Dlouha 7;Brno;602 00")) << uk.table;
    // A country says it where it stands; a German export keeps the number after the street.
    const contact_table us = made("Name,Street Number,Street,Country\nAnn Lee,5,Main St,USA\nEva Bila,47,Dluga,Polska\n");
    EXPECT_TRUE(has_line(us.table, "Ann Lee;Ann;Lee;HOME;5 Main St;USA")) << us.table;
    EXPECT_TRUE(has_line(us.table, "Eva Bila;Eva;Bila;HOME;Dluga 47;Polska")) << us.table;
    const contact_table de = made("Name;Hausnummer;Strasse;PLZ\nUrs Gerber;5;Hauptstrasse;10115\n");
    EXPECT_TRUE(has_line(de.table, "Urs Gerber;Urs;Gerber;HOME;Hauptstrasse 5;10115")) << de.table;
}

TEST(PrepWestern, SpanishSecondSurnamesAndAPupilsParents) {
    // An academy's pupils: two family names, the postal code as 'CP', the parents' columns.
    const contact_table t = made("Nombre;Apellido 1;Apellido 2;Direccion;CP;Telefono Padre;Email Madre\n"
                                 "Lucia;Garcia;Lopez;Calle Mayor 5;28009;600 111 222;m@x.es\n");
    EXPECT_TRUE(has_line(t.table, "Lucia Garcia Lopez;Lucia;Garcia Lopez;HOME;Calle Mayor 5;28009")) << t.table;
    EXPECT_EQ(t.table.find("600 111 222"), std::string::npos) << t.table;
    // A German course's participants, their names cut short.
    const contact_table cut = made("Mail;NName;VName\na@web.de;Schafer;Anna\n");
    EXPECT_TRUE(has_line(cut.table, "Anna Schafer;Anna;Schafer;a@web.de")) << cut.table;
}
}  // namespace
}  // namespace rowcard
