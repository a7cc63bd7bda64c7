// rowcard-prep on the exports of parcel, delivery and order tools: the
// recipient's name under a delivery's words, the sender's address beside the
// recipient's, a calling code apart, address parts its header misspells or
// places, and whose a record's owner is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "made_table.hpp"
#include "prep/vocabulary.hpp"
#include "read_header_cases.hpp"

namespace rowcard {
namespace {

using enum field_role;

TEST(PrepDeliveries, TheRecipientUnderADeliverysWords) {
    expect_read({{"deliveryName", full}, {"deliverySurname", family}, {"deliveryNameAndSurname", full},
                 {"destinationAttention", contact}, {"AttentionTo", contact}, {"Attention To", contact},
                 {"For the attention of", contact}, {"Invoice address: for the attention of", ignored},
                 {"Forename", given}, {"Contact1Forename", given, 1},
                 {"adresat", full}, {"Empfänger", full}, {"recipientName", full}, {"firm", org},
                 {"departureAddress", ignored}, {"Absender Ort", ignored}},
                export_language::unknown);
    // A name's single words beside its surname are the given name; the whole one is the card's.
    const contact_table t = made("deliveryName;deliverySurname;deliveryNameAndSurname;deliveryStreet;deliveryHouseNumber\n"
                                 "Kamil;Brabec;Kamil Brabec;Cechova;1021/7\nJana;Mala;Jana Mala;Dlouha;5\n");
    EXPECT_TRUE(has_line(t.table, "Kamil Brabec;Kamil;Brabec;POSTAL;Cechova 1021 7")) << t.table;
}

TEST(PrepDeliveries, TheSendersAddressIsNoContacts) {
    const contact_table t = made("departureAddress,destinationAddress,destinationCountry,recipientName\n"
                                 "\"Vaci ut 178, 1138 Budapest\",\"1117 Budapest, Oktober utca 8.\",hu,Boros Zsuzsanna\n");
    // A Hungarian name family name first; the country beside a whole address stays.
    EXPECT_TRUE(has_line(t.table, "Boros Zsuzsanna;Zsuzsanna;Boros;POSTAL;Oktober utca 8.;Budapest;1117;hu")) << t.table;
}

TEST(PrepDeliveries, ACallingCodeWithItsPlusAndPartsFromTheirValues) {
    std::string text = "Name;PhonePrefix;PhoneNumber;Street;City;Postcal code;ContryCode\n";
    const char* rows[] = {"Jan Novak;+49;1715520984;Hauptstr. 5;Kiel;24103;DE\n",
                          "Eva Mala;+49;1701234567;Ring 2;Flensburg;24941;DE\n",
                          "Petr Kral;+43;6641234567;Gasse 1;Wien;1010;AT\n",
                          "Ivan Bily;+49;1601234567;Weg 3;Berlin;10435;DE\n",
                          "Ota Cerny;+49;1511234567;Platz 4;Hamburg;20095;DE\n"};
    for (const char* row : rows) text += row;
    const contact_table t = made(text);
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+491715520984;VOICE;HOME;Hauptstr. 5;Kiel;24103;DE;+49")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Kral;Petr;Kral;+436641234567;VOICE;HOME;Gasse 1;Wien;1010;AT;+43")) << t.table;
    // A running number of the same shape is no postal code; codes in small letters are languages'.
    const contact_table ids = made("Name;Street;City;Ref;Lang\nJan Novak;Hlavni 5;Brno;10041;cs\n"
                                   "Eva Mala;Dlouha 2;Plzen;10042;de\nPetr Kral;Kratka 1;Praha;10043;sk\n");
    EXPECT_EQ(ids.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "ADR1 TYPE", "ADR1 STREET", "ADR1 CITY",
                                                    "Ref", "Lang"}));
    // Nor is one number in every row (an account's), however shaped.
    const contact_table same = made("Name;Street;City;Account\nJan Novak;Hlavni 5;Brno;4111\nEva Mala;Dlouha 2;Plzen;4111\n"
                                    "Petr Kral;Kratka 1;Praha;4111\nIvan Bily;Dlha 3;Nitra;4111\n");
    EXPECT_EQ(same.header.back(), "Account");
}

TEST(PrepDeliveries, TheReceiversNameAndThePlaceBeforeAnAddressPart) {
    expect_read({{"Receiver name", full}, {"to_name", full}, {"Consignee", full}, {"Shipper Name", ignored},
                 {"ship_addr1", street, -7, "POSTAL"}, {"ship_addr2", street2, -7, "POSTAL"}, {"ship_postal", postal, -7, "POSTAL"},
                 {"bill_postal", postal, -4}, {"Street Name and Type", street, -4}, {"BIK banka", company_fact}},
                export_language::unknown);
    // The shipping address is a second one beside the billing address, each whole.
    const contact_table t = made("name_first;name_last;bill_addr1;bill_city;bill_postal;ship_addr1;ship_city;ship_postal\n"
                                 "Anna;Novak;2 Vine Dr;Reno;89501;5 Oak Ave;Boise;83701\n");
    EXPECT_TRUE(has_line(t.table, "Anna Novak;Anna;Novak;HOME;2 Vine Dr;Reno;89501;POSTAL;5 Oak Ave;Boise;83701")) << t.table;
    // A street's name and type after its number, as US voter files write them.
    // With no country, a state's code says the number goes first.
    const contact_table us = made("First Name;Last Name;Street Number;Street Name and Type;City;State\n"
                                  "Jan;Dvorak;2931;Yemans St;Hamtramck;MI\nEva;Mala;12;Dlouha;Brno;\n");
    EXPECT_TRUE(has_line(us.table, "Jan Dvorak;Jan;Dvorak;HOME;2931 Yemans St;Hamtramck;MI")) << us.table;
    EXPECT_TRUE(has_line(us.table, "Eva Mala;Eva;Mala;HOME;Dlouha 12;Brno;")) << us.table;
}

TEST(PrepDeliveries, AnOwnersColumnsAreTheContactsOnlyWhereNoOneElseIsNamed) {
    // A homeowners' register names the owner alone: the owner is the contact.
    const contact_table hoa = made("Unit Id;Owner Name;Owner Email\n12;Petra Novak;petra@n.cz\n14;Karel Maly;karel@m.cz\n");
    EXPECT_TRUE(has_line(hoa.table, "Petra Novak;Petra;Novak;petra@n.cz;12")) << hoa.table;
    // A CRM's owner is its user: beside the contact's name, or a firm's, the owner's mailbox is no one's on the card.
    // They stay in the table under their own headers, off the card.
    const contact_table crm = made("First Name;Last Name;Contact Owner;Owner Email\nJan;Kral;Eva Mala;eva@crm.cz\n");
    EXPECT_EQ(crm.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "Contact Owner", "Owner Email"}));
    const contact_table firm = made("Account Name;Owner Name;Owner Email\nHolzbau AG;Eva Mala;eva@crm.cz\n");
    EXPECT_EQ(firm.header, (std::vector<std::string>{"FN", "ORG", "Owner Name", "Owner Email"}));
}

TEST(PrepDeliveries, MembersAndGuestsOfOtherTools) {
    // A house number under the address's own word after its street; a calling code under a country's header.
    std::string text = "firma_name;kontakt_person;adresse_strasse;adresse_nr;telefon;codigo pais\n";
    for (int k = 0; k < 5; ++k) {
        text += "Holzbau AG;Reto Meier;Seestrasse;" + std::to_string(100 + k) + ";7941234" + std::to_string(k) + ";+41\n";
    }
    const contact_table t = made(text);
    EXPECT_TRUE(has_line(t.table, "Reto Meier;Reto;Meier;Holzbau AG;+4179412340;VOICE;POSTAL;Seestrasse 100;+41")) << t.table;
    EXPECT_EQ(t.disagreements, 0u);
    // A firm's salutation is no prefix: the row is the firm's.
    const contact_table firm = made("Anrede;Vorname;Nachname;Firma\nFirma;;;Baeckerei Huber\nHerr;Jan;Novak;\n");
    EXPECT_TRUE(has_line(firm.table, "Baeckerei Huber;;;;Baeckerei Huber")) << firm.table;
    EXPECT_TRUE(has_line(firm.table, "Jan Novak;Jan;Novak;Herr;")) << firm.table;
    // A given name beside the whole name leaves the family name its other word.
    const contact_table rest = made("name;first_name\nSzalai Gabor;Gabor\nAnna Kral;Anna\nIng. Petr Maly;Petr\n");
    EXPECT_TRUE(has_line(rest.table, "Szalai Gabor;Gabor;Szalai")) << rest.table;
    EXPECT_TRUE(has_line(rest.table, "Anna Kral;Anna;Kral")) << rest.table;
    EXPECT_TRUE(has_line(rest.table, "Ing. Petr Maly;Petr;")) << rest.table;  // titles are no family name
}

}  // namespace
}  // namespace rowcard
