// rowcard-prep on exports of western Europe's and the Americas' tools: their
// national and tax numbers, a Portuguese postal code, a surname column named
// as a nickname elsewhere, a firm's name again in the family name's place,
// trades before an owner's name, and a report's blocks, each under its title
// and the header again.
#include <gtest/gtest.h>

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
                 {"Gatuadress", street, -4}, {"Privatadr", street, -2, "HOME"}},
                export_language::unknown);
    // Formatted as a number to dial, they stay off the card all the same.
    const contact_table t = made("Nome;CPF;Telefone\nRafael Moura;529.982.247-25;(82) 99999-0000\n"
                                 "Ana Souza;318.440.902-61;(82) 98812-4430\n");
    EXPECT_TRUE(has_line(t.table, "Rafael Moura;Rafael;Moura;(82) 99999 0000;VOICE;529.982.247 25")) << t.table;
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
    EXPECT_TRUE(has_line(t.table, "Beata Kaminska;Beata;Kaminska;POSTAL;27 Stokes Croft, Flat 4;Bristol")) << t.table;
}

TEST(PrepWestern, APortuguesePostalCodeAndASurnameByTheWholeNamesItEnds) {
    const std::string rows = "Nome;Apelido;Nome Completo;codigo_postal;localidade\n"
                             "Carlos;Silva;Carlos Alberto Silva;1000-001;Lisboa\n"
                             "Ana;Ferreira;Ana Rita Ferreira;4100-114;Porto\n";
    const contact_table t = made(rows);
    EXPECT_TRUE(has_line(t.table, "FN;GIVEN;FAMILY;ADR1 TYPE;ADR1 CITY;ADR1 CODE")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Carlos Alberto Silva;Carlos;Silva;POSTAL;Lisboa;1000 001")) << t.table;
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
    EXPECT_TRUE(has_line(trade.table, "Papeterie du Midi;;;Papeterie du Midi;POSTAL;Toulouse")) << trade.table;
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

}  // namespace
}  // namespace rowcard
