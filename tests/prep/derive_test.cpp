// rowcard-prep's cards worked out row by row where the export's shape needs
// a look: tables of companies, rows that are organisations, and addresses
// written whole, over several lines, or with the code in the town's cell.
#include <gtest/gtest.h>

#include <string>

#include "made_table.hpp"

namespace rowcard {
namespace {

// ---- companies ----

TEST(PrepCompanies, ATableOfCompaniesNamesTheCompany) {
    // A CRM's accounts, as SugarCRM names their fields: no person's name is
    // there, the trade and size say whose they are, and who made, changed or
    // owns each record is the CRM's user, never the company's contact.
    const contact_table t = made(
        "Name,Industry,Annual_Revenue,Employees,Billing_Address_City,Phone_Office,Email1,Created_By_Name,"
        "Modified_By_Email,Assigned_User_Name\n"
        "Pekárna U Zlatého klasu,Food,1200000,12,Tábor,+420 381 000 111,info@pekarna.cz,Petra Malá,"
        "petra@crm.cz,Jan Horák\n");
    EXPECT_TRUE(has_line(t.table, "Pek\xE1rna U Zlat\xE9ho klasu;Pek\xE1rna U Zlat\xE9ho klasu;+420 381 000 111;"
                                  "WORK;info@pekarna.cz;POSTAL;T\xE1\x62or;Food;1200000;12"))
        << t.table;
    EXPECT_EQ(t.table.find("petra@crm.cz"), std::string::npos) << t.table;
    EXPECT_NE(t.reading.find("'Name': company"), std::string::npos) << t.reading;
    EXPECT_NE(t.left_off.find("'Industry' (about a company)"), std::string::npos) << t.left_off;
    EXPECT_NE(t.left_off.find("'Modified_By_Email' (not for the card)"), std::string::npos) << t.left_off;
    // One company fact may stand in a list of people: its names stay people's.
    const contact_table people = made("Name,Industry,E-mail\nJan Novák,Food,jan@x.cz\n");
    EXPECT_TRUE(has_line(people.table, "Jan Nov\xE1k;Jan;Nov\xE1k;jan@x.cz;Food")) << people.table;
    // Given and family names say it is a list of people, whatever else it holds.
    const contact_table named = made("First Name,Last Name,Industry,Employees\nJan,Novák,Food,12\n");
    EXPECT_TRUE(has_line(named.table, "Jan Nov\xE1k;Jan;Nov\xE1k;Food;12")) << named.table;
}

TEST(PrepCompanies, ARowAColumnOfKindsCallsAnOrganisationIsACompanyCard) {
    // CiviCRM writes each record's kind; an organisation has no person's name.
    const contact_table t = made("contact_type,display_name,first_name,last_name,email\n"
                                 "Individual,Jan Novák,Jan,Novák,jan@x.cz\n"
                                 "Organization,Městská knihovna Jihlava,,,info@knihovna.cz\n"
                                 "Individual,Eva Malá,,,eva@y.cz\n");
    EXPECT_TRUE(has_line(t.table, "M\xECstsk\xE1 knihovna Jihlava;;;M\xECstsk\xE1 knihovna Jihlava;info@knihovna.cz"))
        << t.table;
    // A person whose name parts are empty is still split as a person.
    EXPECT_TRUE(has_line(t.table, "Eva Mal\xE1;Eva;Mal\xE1;;eva@y.cz")) << t.table;
    EXPECT_EQ(t.table.find("Individual"), std::string::npos) << t.table;
}

// ---- addresses ----

TEST(PrepAddresses, AWholeAddressIsTakenApartInAnyOrderOfTownAndCode) {
    const contact_table t = made("Name;Adresa\n"
                                 "Jan Novak;Hlavná 12  Košice  040 01  Slovensko\n"
                                 "Eva Mala;Dlouhá 5  301 00  Plzeň\n"
                                 "Petr Dvorak;Dlouhá 5  Plzeň  Česko\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;POSTAL;Hlavn\xE1 12;Ko\x9Aice;040 01;Slovensko")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;POSTAL;Dlouh\xE1 5;Plze\xF2;301 00;")) << t.table;
    // With no code among its parts it may be anything: it stays the street, whole.
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;POSTAL;Dlouh\xE1 5  Plze\xF2  \xC8" "esko;;;")) << t.table;
}

TEST(PrepAddresses, AStreetOfSeveralLinesLosesWhatItsRowRepeats) {
    // A CRM's street field is a box of lines; the town, code and country also have their own.
    const contact_table t = made(
        "Name,Street,City,Zip,Country\n"
        "Jan Novak,\"Mlynské nivy 48\n821 09 Bratislava\nSlovensko\",Bratislava,821 09,Slovensko\n"
        "Eva Mala,\"Dlouhá 5\nPlzeň 301 00\",Plzeň,301 00,Česko\n"
        "Petr Dvorak,Brněnská Brno,Brno,,Česko\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;POSTAL;Mlynsk\xE9 nivy 48;Bratislava;821 09;Slovensko"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;POSTAL;Dlouh\xE1 5;Plze\xF2;301 00;\xC8" "esko")) << t.table;
    // Without the code, a street that ends in its town's name keeps it.
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;POSTAL;Brn\xECnsk\xE1 Brno;Brno;;\xC8" "esko")) << t.table;
}

TEST(PrepAddresses, ATownWrittenWithItsCodeWhereTheCodeColumnIsEmpty) {
    const contact_table t = made("Name,ZIP Code,Street,City\n"
                                 "Jan Novak,,Trubarjeva 15,1000 Ljubljana\n"
                                 "Eva Mala,8501,Šmarješka cesta 6,Novo mesto\n"
                                 "Petr Dvorak,160 00,Technická 2,Praha 6\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;POSTAL;Trubarjeva 15;Ljubljana;1000")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;POSTAL;\x8Amarje\x9Ak\x61 cesta 6;Novo mesto;8501")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;POSTAL;Technick\xE1 2;Praha 6;160 00")) << t.table;
}

TEST(PrepAddresses, ARegionAloneBesideAnAddressIsNoAddress) {
    // An account's sales region beside its billing address.
    const contact_table t = made("Account Name,Region,Billing Street,Billing City\nFirma s.r.o.,East,Hlavni 5,Brno\n");
    EXPECT_TRUE(has_line(t.table, "Firma s.r.o.;Firma s.r.o.;POSTAL;Hlavni 5;Brno;East")) << t.table;
    EXPECT_NE(t.left_off.find("'Region' (a region with no address of its own)"), std::string::npos) << t.left_off;
    // A region in its address stays.
    const contact_table own = made("Name,Street,City,Region\nJan Novak,Hlavni 5,Brno,Jihomoravsky kraj\n");
    EXPECT_TRUE(has_line(own.table, "Jan Novak;Jan;Novak;POSTAL;Hlavni 5;Brno;Jihomoravsky kraj")) << own.table;
}

}  // namespace
}  // namespace rowcard
