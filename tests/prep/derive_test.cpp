// rowcard-prep's cards worked out row by row where the export's shape needs
// a look: tables of companies, rows that are organisations, and addresses
// written whole, over several lines, or with the code in the town's cell.
#include <gtest/gtest.h>

#include <string>

#include "made_table.hpp"
#include "prep/vcard.hpp"

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
    // A row whose company facts are all empty is a private person's, as invoicing tools list them.
    const contact_table mixed = made("Name,Industry,VAT Number\nStavby Brno,Construction,\nJan Novák,,\n");
    EXPECT_TRUE(has_line(mixed.table, "Stavby Brno;;;Stavby Brno;Construction")) << mixed.table;
    EXPECT_TRUE(has_line(mixed.table, "Jan Nov\xE1k;Jan;Nov\xE1k;;")) << mixed.table;
    EXPECT_NE(t.left_off.find("'Industry' (about a company)"), std::string::npos) << t.left_off;
    EXPECT_NE(t.left_off.find("'Modified_By_Email' (not for the card)"), std::string::npos) << t.left_off;
    // One company fact may stand in a list of people: its names stay people's.
    const contact_table people = made("Name,Industry,E-mail\nJan Novák,Food,jan@x.cz\n");
    EXPECT_TRUE(has_line(people.table, "Jan Nov\xE1k;Jan;Nov\xE1k;jan@x.cz;Food")) << people.table;
    // Two facts are enough.
    const contact_table two = made("Name,Industry,VAT Number\nPekárna U klasu,Food,CZ123\n");
    EXPECT_TRUE(has_line(two.table, "Pek\xE1rna U klasu;Pek\xE1rna U klasu;Food;CZ123")) << two.table;
    // Given and family names say it is a list of people, whatever else it holds.
    const contact_table named = made("First Name,Last Name,Industry,Employees\nJan,Novák,Food,12\n");
    EXPECT_TRUE(has_line(named.table, "Jan Nov\xE1k;Jan;Nov\xE1k;Food;12")) << named.table;
    const contact_table whole = made("Name,Last Name,Industry,Employees\nJan Novák,Novák,Food,12\n");
    EXPECT_TRUE(has_line(whole.table, "Jan Nov\xE1k;Nov\xE1k;Food;12")) << whole.table;
}

TEST(PrepCompanies, ARowAColumnOfKindsCallsAnOrganisationIsACompanyCard) {
    // CiviCRM writes each record's kind; an organisation has no person's name.
    const contact_table t = made("contact_type,display_name,first_name,last_name,email\n"
                                 "Individual,Jan Novák,Jan,Novák,jan@x.cz\n"
                                 "Organization,Městská knihovna Jihlava,,,info@knihovna.cz\n"
                                 "Individual,Eva Malá,,,eva@y.cz\n");
    EXPECT_TRUE(has_line(t.table, "M\xECstsk\xE1 knihovna Jihlava;;;M\xECstsk\xE1 knihovna Jihlava;info@knihovna.cz"))
        << t.table;
    // Kinds in three values of five are no column of kinds.
    const contact_table few = made("Typ,Name\nFirma,Jan Novak\nFirma,Eva Mala\nFirma,Petr Dvorak\nx1,Ota Kral\ny2,Ana Horvat\n");
    EXPECT_TRUE(has_line(few.table, "Jan Novak;Jan;Novak;Firma")) << few.table;
    // One row is enough to tell a column of kinds.
    const contact_table one = made("contact_type,display_name\nOrganization,Městská knihovna\n");
    EXPECT_TRUE(has_line(one.table, "M\xECstsk\xE1 knihovna;M\xECstsk\xE1 knihovna")) << one.table;
    // A person whose name parts are empty is still split as a person.
    EXPECT_TRUE(has_line(t.table, "Eva Mal\xE1;Eva;Mal\xE1;;eva@y.cz")) << t.table;
    EXPECT_EQ(t.table.find("Individual"), std::string::npos) << t.table;
}

// ---- addresses ----

TEST(PrepPhones, ATrunkZeroInBracketsIsNotDialledFromAbroad) {
    const contact_table t = made("Name;Telefon\nJan Kohl;+49 (0)30 1234567\nEva Berg;0043 (0) 1 234 5678\n");
    EXPECT_TRUE(has_line(t.table, "Jan Kohl;Jan;Kohl;+49 30 1234567;VOICE")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Berg;Eva;Berg;0043 1 234 5678;VOICE")) << t.table;
    // A country's calling code apart goes before the number, and the reading says so.
    const contact_table code = made("First Name,Last Name,Country Code,Phone Number\nMargaret,Evans,+44,7700900101\n");
    EXPECT_TRUE(has_line(code.table, "Margaret Evans;Margaret;Evans;+447700900101;VOICE;+44")) << code.table;
    EXPECT_NE(code.reading.find("'Country Code': left off (a dialling code, put before the row's numbers)"), std::string::npos)
        << code.reading;
}

TEST(PrepPhones, ACodeOfLettersAndDigitsInAPhonesSlotIsNoNumber) {
    // A dealer system's pager slot holds a pager's id among numbers; the id goes on no card as a phone.
    const contact_table t = made("FirstName;LastName;MobilePhone;BeeperPhone\nMichael;Kovalchik;412-555-0198;AB1234\n"
                                 "Eva;Mala;412-555-0111;412-555-0112 x12\n");
    EXPECT_TRUE(has_line(t.table, "Michael Kovalchik;Michael;Kovalchik;412 555 0198;CELL;;")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;412 555 0111;CELL;412 555 0112 x12;PAGER")) << t.table;
    // A column of such ids alone is no phone at all.
    const contact_table ids = made("Name;Pager\nJan Kos;AB1234\nEva Mala;CD5678\n");
    EXPECT_NE(ids.left_off.find("'Pager' (its header says"), std::string::npos) << ids.left_off;
}

TEST(PrepMailboxes, TheAddressAloneGoesOnTheCard) {
    // A mail program's display name with the address, a web page's link to it: the card carries the address.
    const contact_table t = made("Name;E-mail\nJan Novak;\"Jan Novak <jan@x.cz>\"\nEva Mala;mailto:eva@y.cz\n"
                                 "Ida Berg;IDA@Z.CZ\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;jan@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;eva@y.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Ida Berg;Ida;Berg;IDA@Z.CZ")) << t.table;
}

TEST(PrepAddresses, AWholeAddressIsTakenApartInAnyOrderOfTownAndCode) {
    const contact_table t = made("Name;Adresa\n"
                                 "Jan Novak;Hlavná 12  Košice  040 01  Slovensko\n"
                                 "Eva Mala;Dlouhá 5  301 00  Plzeň\n"
                                 "Petr Dvorak;Dlouhá 5  Plzeň  Česko\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;HOME;Hlavn\xE1 12;Ko\x9Aice;040 01;Slovensko")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;HOME;Dlouh\xE1 5;Plze\xF2;301 00;")) << t.table;
    // Parts set apart by "; " or ", " where no double space does.
    const contact_table semi = made("Name,Adresa\nJan Novak,Hlavná 12; 040 01 Košice\n");
    EXPECT_TRUE(has_line(semi.table, "Jan Novak;Jan;Novak;HOME;Hlavn\xE1 12;Ko\x9Aice;040 01")) << semi.table;
    const contact_table commas = made("Name;Adresa\nJan Novak;Hlavná 12, 040 01 Košice\n");
    EXPECT_TRUE(has_line(commas.table, "Jan Novak;Jan;Novak;HOME;Hlavn\xE1 12;Ko\x9Aice;040 01")) << commas.table;
    // With no code among its parts it may be anything: it stays the street, whole.
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;HOME;Dlouh\xE1 5  Plze\xF2  \xC8" "esko;;;")) << t.table;
    // A town's column with a whole address in some rows: the place alone elsewhere, or a town with a comma.
    const contact_table towns = made("Name;Ort / Adresse\nUrs Gerber;Oberburgstrasse 12, 3400 Burgdorf\n"
                                     "Eva Aebi;Langnau i.E.\nJan Kohl;Frankfurt, Main\n");
    EXPECT_TRUE(has_line(towns.table, "Urs Gerber;Urs;Gerber;HOME;Oberburgstrasse 12;Burgdorf;3400")) << towns.table;
    EXPECT_TRUE(has_line(towns.table, "Eva Aebi;Eva;Aebi;HOME;;Langnau i.E.;")) << towns.table;
    EXPECT_TRUE(has_line(towns.table, "Jan Kohl;Jan;Kohl;HOME;;Frankfurt, Main;")) << towns.table;
    // With no town column, a town of words after the street's house number is the town; a floor or a
    // street with no number stays the street.
    const contact_table ro = made("Denumire;Adresa\nRadu Pop;Str. Fabricii 46, Cluj-Napoca\nEva Mala;Dlouha 5, 2. patro\n"
                                  "Ota Kral;Na Prikope, Praha\n");
    EXPECT_TRUE(has_line(ro.table, "Radu Pop;Radu;Pop;HOME;Str. Fabricii 46;Cluj Napoca")) << ro.table;
    EXPECT_TRUE(has_line(ro.table, "Eva Mala;Eva;Mala;HOME;Dlouha 5, 2. patro;")) << ro.table;
    EXPECT_TRUE(has_line(ro.table, "Ota Kral;Ota;Kral;HOME;Na Prikope, Praha;")) << ro.table;
    const contact_table back = made("Name;Strasse;Ort\nJan Kohl;Hauptstrasse 5, Hinterhaus;Wels\nIda Berg;Ring 2, Hinterhaus;\n");
    EXPECT_TRUE(has_line(back.table, "Jan Kohl;Jan;Kohl;HOME;Hauptstrasse 5, Hinterhaus;Wels")) << back.table;
    EXPECT_TRUE(has_line(back.table, "Ida Berg;Ida;Berg;HOME;Ring 2, Hinterhaus;")) << back.table;
    // Beside a street of its own, the town is the town, whatever it holds.
    const contact_table street = made("Name;Strasse;Ort\nUrs Gerber;Lyssachstrasse 91;Burgdorf, 3400 Burgdorf\n");
    EXPECT_TRUE(has_line(street.table, "Urs Gerber;Urs;Gerber;HOME;Lyssachstrasse 91;Burgdorf, 3400 Burgdorf")) << street.table;
}

TEST(PrepAddresses, AHeaderNamingThePartsHeadsAWholeAddressBesideItsCode) {
    // The parts in the header's own words: street, town and region, the code and country apart.
    const contact_table t = made("Nome;Endereço (Rua, Cidade, Região);Código Postal;País\n"
                                 "Beatriz Almeida;Rua Augusta, 120, Lisboa, Lisboa;1100-053;PT\n"
                                 "Petr Svoboda;Rua da Prata 45, Porto;4000-001;PT\n"
                                 "Ana Lima;Rua Nova, 7, Braga, Minho, Norte;4700-001;PT\n"
                                 "Rui Paz;Travessa do Carmo;1200-001;PT\n"
                                 "Eva Sousa;Rua Velha, Bairro Alto, Lisboa;1200-002;PT\n");
    EXPECT_TRUE(has_line(t.table, "Beatriz Almeida;Beatriz;Almeida;HOME;Rua Augusta, 120;Lisboa;Lisboa;1100 053;PT"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Svoboda;Petr;Svoboda;HOME;Rua da Prata 45;Porto;;4000 001;PT")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Sousa;Eva;Sousa;HOME;Rua Velha;Bairro Alto;Lisboa;1200 002;PT")) << t.table;
    // More pieces than a street, its number, a town and a region, or one alone: the street, whole.
    EXPECT_TRUE(has_line(t.table, "Ana Lima;Ana;Lima;HOME;Rua Nova, 7, Braga, Minho, Norte;;;4700 001;PT")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Rui Paz;Rui;Paz;HOME;Travessa do Carmo;;;1200 001;PT")) << t.table;
    // A street beside a postal code and town named as one.
    const contact_table de = made("Name;Anschrift (Straße, PLZ/Ort);E-Mail\nUrs Gerber;Hauptstr. 5, 10115 Berlin;u@g.de\n");
    EXPECT_TRUE(has_line(de.table, "Urs Gerber;Urs;Gerber;u@g.de;HOME;Hauptstr. 5;Berlin;10115")) << de.table;
    // Two parts named are no whole address: a town's column that may hold one.
    const contact_table towns = made("Name;Ort / Adresse;PLZ\nUrs Gerber;Burgdorf;3400\n");
    EXPECT_TRUE(has_line(towns.table, "Urs Gerber;Urs;Gerber;HOME;Burgdorf;3400")) << towns.table;
}

TEST(PrepAddresses, ABlockOfFlatsPartsFollowTheStreetEachAfterItsMark) {
    const contact_table t = made("Nume;Prenume;Strada;Numar;Bloc;Scara;Etaj;Apartament;Localitate\n"
                                 "Popescu;Ion;Str. Lunga;12;A1;B;3;14;Brasov\nIonescu;Maria;Str. Mica;5;;;;;Cluj\n"
                                 "Pop;Ana;Calea Aradului;7;bl. C2;;;ap. 9;Timisoara\n");
    EXPECT_TRUE(has_line(t.table, "Ion Popescu;Ion;Popescu;HOME;Str. Lunga 12, bl. A1, sc. B, et. 3, ap. 14;Brasov")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Maria Ionescu;Maria;Ionescu;HOME;Str. Mica 5;Cluj")) << t.table;
    // A value written with its mark keeps it once.
    EXPECT_TRUE(has_line(t.table, "Ana Pop;Ana;Pop;HOME;Calea Aradului 7, bl. C2, ap. 9;Timisoara")) << t.table;
    // A second line of a placed address has no mark.
    const contact_table hu = made("Név;Lakcím;Lakcím 2\nKiss Bence;Fo utca 1;2. emelet\n");
    EXPECT_TRUE(has_line(hu.table, "Kiss Bence;Bence;Kiss;HOME;Fo utca 1, 2. emelet")) << hu.table;
}

TEST(PrepAddresses, AStreetOfSeveralLinesLosesWhatItsRowRepeats) {
    // A CRM's street field is a box of lines; the town, code and country also have their own.
    const contact_table t = made(
        "Name,Street,City,Zip,Country\n"
        "Jan Novak,\"Mlynské nivy 48\n821 09 Bratislava\nSlovensko\",Bratislava,821 09,Slovensko\n"
        "Eva Mala,\"Dlouhá 5\nPlzeň 301 00\",Plzeň,301 00,Česko\n"
        "Petr Dvorak,Brněnská Brno,Brno,,Česko\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;HOME;Mlynsk\xE9 nivy 48;Bratislava;821 09;Slovensko"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;HOME;Dlouh\xE1 5;Plze\xF2;301 00;\xC8" "esko")) << t.table;
    // Without the code, a street that ends in its town's name keeps it.
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;HOME;Brn\xECnsk\xE1 Brno;Brno;;\xC8" "esko")) << t.table;
}

TEST(PrepAddresses, ATownWrittenWithItsCodeWhereTheCodeColumnIsEmpty) {
    const contact_table t = made("Name,ZIP Code,Street,City\n"
                                 "Jan Novak,,Trubarjeva 15,1000 Ljubljana\n"
                                 "Eva Mala,8501,Šmarješka cesta 6,Novo mesto\n"
                                 "Petr Dvorak,160 00,Technická 2,Praha 6\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;HOME;Trubarjeva 15;Ljubljana;1000")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;HOME;\x8Amarje\x9Ak\x61 cesta 6;Novo mesto;8501")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;HOME;Technick\xE1 2;Praha 6;160 00")) << t.table;
}

TEST(PrepAddresses, RegressionASecondTownAndCodeUnderNoPlaceWereDropped) {
    // 'city2' and 'zip2' filled beside 'city1' and 'zip1' were lost: the second column of a part only
    // stood in for an empty first. Each numbered block is an address, its second line its street.
    const contact_table t = made("Given Name;Surname;street1;city1;zip1;street2;city2;zip2\n"
                                 "Anna;Novak;12 Main St;Reno;89501;1 Elm;Boise;83701\nJan;Kos;5 Oak;Reno;89502;;;\n");
    EXPECT_TRUE(has_line(t.table, "Anna Novak;Anna;Novak;HOME;12 Main St;Reno;89501;HOME;1 Elm;Boise;83701")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jan Kos;Jan;Kos;HOME;5 Oak;Reno;89502;;;;")) << t.table;
    // Numbered from 0, as an API counts.
    const contact_table zero = made("Name;street0;city0;street1;city1\nAnna Novak;12 Main St;Reno;1 Elm;Boise\n");
    EXPECT_TRUE(has_line(zero.table, "Anna Novak;Anna;Novak;HOME;12 Main St;Reno;HOME;1 Elm;Boise")) << zero.table;
    // A part with no number, after them, is the first address's.
    const contact_table shared = made("Name;street1;city1;street2;city2;Country\nAnna Novak;12 Main St;Reno;1 Elm;Boise;US\n");
    EXPECT_TRUE(has_line(shared.table, "Anna Novak;Anna;Novak;HOME;12 Main St;Reno;US;HOME;1 Elm;Boise;")) << shared.table;
    // In the alphabet's order, as an API's fields come, the numbers tell the addresses apart.
    const contact_table abc = made("Address1;Address2;City1;City2;FirstName;LastName;Zip1;Zip2\n"
                                   "Dlouha 12;Vaclavske namesti 19;Praha 1;Brno;Vojtech;Kral;110 00;602 00\n");
    EXPECT_TRUE(has_line(abc.table, "Vojtech Kral;Vojtech;Kral;HOME;Dlouha 12;Praha 1;110 00;HOME;Vaclavske namesti 19;Brno;602 00"))
        << abc.table;
    // Where no row fills both, the second still stands in for an empty first.
    const contact_table in = made("Name;street1;city1;street2;city2\nAnna Novak;12 Main St;Reno;Apt 2;\nJan Kos;5 Oak;;;Boise\n");
    EXPECT_TRUE(has_line(in.table, "Jan Kos;Jan;Kos;HOME;5 Oak;Boise")) << in.table;
}

TEST(PrepAddresses, ARegionAloneBesideAnAddressIsNoAddress) {
    // An account's sales region beside its billing address.
    const contact_table t = made("Account Name,Region,Billing Street,Billing City\nFirma s.r.o.,East,Hlavni 5,Brno\n");
    EXPECT_TRUE(has_line(t.table, "Firma s.r.o.;Firma s.r.o.;POSTAL;Hlavni 5;Brno;East")) << t.table;
    EXPECT_NE(t.left_off.find("'Region' (a region with no address of its own)"), std::string::npos) << t.left_off;
    // A region that is all the export's address is no place to write to either.
    const contact_table alone = made("Name,Region\nJan Novak,Jihomoravsky kraj\n");
    EXPECT_TRUE(has_line(alone.table, "Jan Novak;Jan;Novak;Jihomoravsky kraj")) << alone.table;
    EXPECT_NE(alone.left_off.find("'Region' (a region with no address of its own)"), std::string::npos);
    // A region in its address stays.
    const contact_table own = made("Name,Street,City,Region\nJan Novak,Hlavni 5,Brno,Jihomoravsky kraj\n");
    EXPECT_TRUE(has_line(own.table, "Jan Novak;Jan;Novak;HOME;Hlavni 5;Brno;Jihomoravsky kraj")) << own.table;
}

TEST(PrepAddresses, AHouseNumberApartAndACountrysCode) {
    // A Czech house's descriptive and orientation numbers, each in a column of its own.
    const contact_table t = made("name;address_street;address_descriptive_number;address_orientation_number;address_city\n"
                                 "Jan Novak;Opavská;1105;12;Ostrava\nEva Mala;Dlouhá;5;;Plzeň\nPetr Dvorak;;27;;Lhota\n");
    // The "/" between them is a space, as rowcard would drop it and join the numbers.
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;HOME;Opavsk\xE1 1105 12;Ostrava")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;HOME;Dlouh\xE1 5;Plze\xF2")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;HOME;27;Lhota")) << t.table;  // a village with no streets
    // A header of the street and its number, whose values hold both, is the street.
    const contact_table whole = made("Vorname;Nachname;Straße und Hausnummer;Ort\nJan;Kohl;Hauptstrasse 5;Wels\n"
                                    "Eva;Berg;Ringstrasse 12a;Linz\nIda;Lang;Am Hang 3;Enns\n");
    EXPECT_TRUE(has_line(whole.table, "Jan Kohl;Jan;Kohl;HOME;Hauptstrasse 5;Wels")) << whole.table;
    EXPECT_TRUE(has_line(whole.table, "Eva Berg;Eva;Berg;HOME;Ringstrasse 12a;Linz")) << whole.table;
    // Numbers with their sign ('Nr. 5') and letters ('12a') are house numbers still.
    const contact_table signs = made("Strasse;Hausnummer;Name\nRing;Nr. 5;Jan Kohl\nHang;Nr. 12a;Eva Berg\nAu;No. 3;Ida Lang\n");
    EXPECT_TRUE(has_line(signs.table, "Jan Kohl;Jan;Kohl;HOME;Ring Nr. 5")) << signs.table;
    // A country's code is the country where no name of it stands; beside one, or with no street or town, it goes.
    const contact_table code = made("Name;Street;City;Country Code\nJan Novak;Hlavni 5;Brno;CZ\n");
    EXPECT_TRUE(has_line(code.table, "Jan Novak;Jan;Novak;HOME;Hlavni 5;Brno;CZ")) << code.table;
    const contact_table both = made("Name;Street;Country;Country Code\nJan Novak;Hlavni 5;Česko;CZ\n");
    EXPECT_NE(both.left_off.find("'Country Code' (a country's code beside its name)"), std::string::npos) << both.left_off;
    const contact_table lone = made("E-mail;ZipCode;ISOCountryCode\njan@x.cz;1010;DE\n");
    EXPECT_NE(lone.left_off.find("'ISOCountryCode' (a country's code with no address)"), std::string::npos)
        << lone.left_off;
}

TEST(PrepCompanies, NamesAsDumpsAndOtherLanguagesWriteThem) {
    // A database's dump writes NULL for what is not there; a German 'Name' beside 'Vorname' is the family name.
    const contact_table t = made("Vorname;Name;Firma;Telefon\nGünther;Brückner;NULL;+49 351 4567 890\n");
    EXPECT_TRUE(has_line(t.table, "G\xFCnther Br\xFC\x63kner;G\xFCnther;Br\xFC\x63kner;+49 351 4567 890;VOICE")) << t.table;
    // A Croatian 'Naziv' of companies is the company, not a title.
    const contact_table naziv = made("Šifra;Naziv;Mjesto pošte\n1101;Končar d.d.;Zagreb\n1102;Podravka d.d.;Koprivnica\n");
    EXPECT_TRUE(has_line(naziv.table, "Kon\xE8\x61r d.d.;Kon\xE8\x61r d.d.;WORK;Zagreb;1101")) << naziv.table;
    // A private person's own name in the company column is no company.
    const contact_table own = made("Imię;Nazwisko;Nazwa firmy\nJan;Kowalski;Jan Kowalski\nEwa;Nowak;Budimex S.A.\n");
    EXPECT_TRUE(has_line(own.table, "Jan Kowalski;Jan;Kowalski;")) << own.table;
    EXPECT_TRUE(has_line(own.table, "Ewa Nowak;Ewa;Nowak;Budimex S.A.")) << own.table;
    // Each field named after its record ('_par', '_adr') is read without that name.
    const contact_table named = made("cod_par;den_par;loc_adr;str_adr;nr_adr;tel_par\n"
                                     "1598001;Dacia Automobile SA;Mioveni;Strada Uzinei;1;0248 500 000\n");
    EXPECT_TRUE(has_line(named.table, "Dacia Automobile SA;Dacia Automobile SA;0248 500 000;WORK;WORK;"
                                      "Strada Uzinei 1;Mioveni;1598001"))
        << named.table;
}

TEST(PrepShapes, AnExportWithNoHeaderLineIsReadFromItsValues) {
    // A phone system's list: the first line is a contact, the columns are numbered.
    const contact_table t = made("Janez Novak;+386 41 123 456;Krka d.d.;janez.novak@krka.biz\n"
                                 "Špela Kranjc;+386 31 987 654;;spela@siol.net\n");
    EXPECT_EQ(t.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "ORG", "TEL1", "TEL1 TYPE", "EMAIL1"}));
    EXPECT_TRUE(has_line(t.table, "Janez Novak;Janez;Novak;Krka d.d.;+386 41 123 456;VOICE;janez.novak@krka.biz"))
        << t.table;
    EXPECT_NE(t.reading.find("'Column 1': whole name"), std::string::npos) << t.reading;
    // A header of words is a header, however few of them are known.
    const contact_table words = made("Meno a priezvisko;Telefon\nJan Novak;+421 2 1234\n");
    EXPECT_EQ(words.header.front(), "FN");
    EXPECT_TRUE(has_line(words.table, "Jan Novak;Jan;Novak;+421 2 1234;VOICE")) << words.table;
}

TEST(PrepShapes, TheExportsOwnNamesAroundItsFields) {
    // A prefix shared by every field ('Kontr', a contractor's) and records named in English words.
    const contact_table t = made("KontrNazwa;KontrAdres;KontrAdresMiasto;KontrTel1\nBudimex S.A.;ul. Dluga 5;Warszawa;22 623 60 00\n");
    EXPECT_TRUE(has_line(t.table, "Budimex S.A.;Budimex S.A.;22 623 60 00;WORK;WORK;ul. Dluga 5;Warszawa")) << t.table;
    const contact_table customer = made("Customer Email,Customer Name,Invoice Address,Delivery Address\n"
                                        "jan@x.cz,Jan Novak,Hlavni 5 Brno,Hlavni 5 Brno\n");
    // One address written twice is one address.
    EXPECT_TRUE(has_line(customer.table, "Jan Novak;Jan;Novak;jan@x.cz;POSTAL;Hlavni 5 Brno")) << customer.table;
    // 'Name' beside 'Surname' is the given name; a Slovene 'Pošta' is a town, a Croatian one a postal code.
    EXPECT_TRUE(has_line(made("Name,Surname\nJohn,Smith\n").table, "John Smith;John;Smith")) << made("Name,Surname\nJohn,Smith\n").table;
    const contact_table sl = made("Ime;Priimek;Ulica;Poštna številka;Pošta\nJanez;Novak;Trubarjeva 15;1000;Ljubljana\n");
    EXPECT_TRUE(has_line(sl.table, "Janez Novak;Janez;Novak;HOME;Trubarjeva 15;Ljubljana;1000")) << sl.table;
    // Two names for a column joined by a word for 'or'.
    EXPECT_TRUE(has_line(made("Name,TitleOrPosition\nJan Novak,Disponent\n").table, "Jan Novak;Jan;Novak;Disponent"));
}

TEST(PrepShapes, WhatAColumnsValuesSayAgainstItsHeaderOrBeside) {
    // 'Firma' holding Firma or Osoba tells each row's kind; the name column is the company's where it says Firma.
    const contact_table kinds = made("Nazwa;Firma;Telefon\nTatry Invest;Firma;+421 2 1\nJan Kowalski;Osoba;+48 601 1\n");
    EXPECT_TRUE(has_line(kinds.table, "Tatry Invest;;;Tatry Invest;+421 2 1;WORK")) << kinds.table;
    EXPECT_TRUE(has_line(kinds.table, "Jan Kowalski;Jan;Kowalski;;+48 601 1;VOICE")) << kinds.table;
    // An account manager's e-mail in every row of a column no header names is no contact's.
    const contact_table same = made("Name,E-mail,Field 2\nA B,a@x.cz,m@crm.cz\nC D,c@x.cz,m@crm.cz\nE F,e@x.cz,m@crm.cz\n"
                                    "G H,g@x.cz,m@crm.cz\nI J,i@x.cz,m@crm.cz\n");
    EXPECT_TRUE(has_line(same.table, "A B;A;B;a@x.cz;m@crm.cz")) << same.table;
    EXPECT_NE(same.left_off.find("'Field 2' (the same few values in every row)"), std::string::npos) << same.left_off;
    // A calling code kept apart goes before the row's numbers that lack one.
    const contact_table dial = made("Name;phoneNumber;dialCode\nJan Kowalski;601234567;'+48\nEwa Nowak;0601 234 567;+48\n"
                                    "Ota Kral;602 111 222;420\n");
    EXPECT_TRUE(has_line(dial.table, "Jan Kowalski;Jan;Kowalski;+48601234567;VOICE;+48")) << dial.table;
    EXPECT_TRUE(has_line(dial.table, "Ewa Nowak;Ewa;Nowak;0601 234 567;VOICE;+48")) << dial.table;
    EXPECT_TRUE(has_line(dial.table, "Ota Kral;Ota;Kral;+420 602 111 222;VOICE;420")) << dial.table;
    // An area code with its trunk '0' goes before the number of its own place;
    // '0049' is a country's code after the international prefix.
    const contact_table area = made("Name;Vorwahl;Telefon;Mobil;Vorwahl WK;Telefon WK\n"
                                    "Jan Schulz;030;227 71432;0171 2345678;0351;8104477\nEva Kohl;0049;30 1234567;;;\n"
                                    "Ota Kral;;602 111 222;;;\nIva Bila;4711;777 000 111;;;\n");
    EXPECT_TRUE(has_line(area.table, "Jan Schulz;Jan;Schulz;030 227 71432;VOICE;0171 2345678;CELL;0351 8104477;VOICE;030;0351"))
        << area.table;
    EXPECT_TRUE(has_line(area.table, "Eva Kohl;Eva;Kohl;+49 30 1234567;VOICE;;;;;0049;")) << area.table;
    // No code, or digits too many for a country's, leave the number as written.
    EXPECT_TRUE(has_line(area.table, "Ota Kral;Ota;Kral;602 111 222;VOICE;;;;;;")) << area.table;
    EXPECT_TRUE(has_line(area.table, "Iva Bila;Iva;Bila;777 000 111;VOICE;;;;;4711;")) << area.table;
    // An American area code has no trunk '0', and is no country's code.
    const contact_table us = made("Name;Area Code;7 digit Phone\nSarah Miller;610;555-0143\nJan Kos;;555-0150\n");
    EXPECT_TRUE(has_line(us.table, "Sarah Miller;Sarah;Miller;610 555 0143;VOICE;610")) << us.table;
    EXPECT_TRUE(has_line(us.table, "Jan Kos;Jan;Kos;555 0150;VOICE;")) << us.table;
    // Each code right after its number, as the first phone shows; or right before it, as the first phone shows.
    const contact_table after = made("First name;phone;phone country code;mobile number;mobile country code\n"
                                     "Martin;52 772 1130;421;905 412 338;420\n");
    EXPECT_TRUE(has_line(after.table, "Martin;Martin;+421 52 772 1130;VOICE;+420 905 412 338;CELL;421;420")) << after.table;
    const contact_table before = made("Name;phone_std;phone_no;mobile_std;mobile_no\nAroha Ngata;03;4771234;021;5550123\n");
    EXPECT_TRUE(has_line(before.table, "Aroha Ngata;Aroha;Ngata;03 4771234;VOICE;021 5550123;CELL;03;021")) << before.table;
    // A billing street with the town, code and country under no place is one address.
    const contact_table split = made("Name;Rechnungsadresse;Postleitzahl;Ort;country_id;Telefon;Typ\n"
                                     "Jan Novak;Hauptstr. 5;1010;Wien;at;+43 1 234;mobil\n");
    EXPECT_TRUE(has_line(split.table, "Jan Novak;Jan;Novak;+43 1 234;CELL;POSTAL;Hauptstr. 5;Wien;1010;at")) << split.table;
    // Its second line alone is no street (a floor, 'c/o'); a loose street of its own keeps the two apart.
    const contact_table lines = made("Name;Billing Street 2;City\nJan Novak;2. patro;Brno\n");
    EXPECT_TRUE(has_line(lines.table, "Jan Novak;Jan;Novak;POSTAL;Brno;2. patro")) << lines.table;
    const contact_table two = made("Name;Billing Street;Street;City\nJan Novak;Hlavni 5;Dlouha 1;Brno\n");
    EXPECT_TRUE(has_line(two.table, "Jan Novak;Jan;Novak;POSTAL;Hlavni 5;;HOME;Dlouha 1;Brno")) << two.table;
    // The street under no place and the rest under one (a shop's orders) is one address too.
    const contact_table shop = made("Full Name,Street 1,Street 2,Ship City,Ship State,Ship Zipcode\n"
                                    "Helena Kowalczyk,2280 Pandosy St,Suite 104,Kelowna,BC,V1Y 1T4\n");
    EXPECT_TRUE(has_line(shop.table, "Helena Kowalczyk;Helena;Kowalczyk;POSTAL;2280 Pandosy St, Suite 104;Kelowna;BC;V1Y 1T4"))
        << shop.table;
    // A loose second line goes with the placed street it follows, and the town with them.
    const contact_table work = made("FirstName;LastName;BusinessAddress;City;ZipCode;AddressLine2\n"
                                    "Katarzyna;Mazur;1200 W Wisconsin Ave;Milwaukee;53233;Suite 300\n");
    EXPECT_TRUE(has_line(work.table, "Katarzyna Mazur;Katarzyna;Mazur;WORK;1200 W Wisconsin Ave, Suite 300;Milwaukee;53233"))
        << work.table;
}

TEST(PrepShapes, WordsOfEmployeeListsPostalFormsAndBankAccounts) {
    const contact_table t = made("Title before name;First name;Surname;WORK_POSITION;UF_PHONE_INNER;TRR;Emailová adresa 1\n"
                                 "Ing.;Jiří;Dvořák;Stavbyvedoucí;201;0510 0801 2346 178;jiri@stavby.cz\n");
    // An inner extension is no number to dial from outside; a bank account is no phone.
    EXPECT_EQ(t.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "PREFIX", "ORG TITLE", "EMAIL1", "TRR"}));
    // A Czech post's addressee: 'Příjmení / Název' holds a company where no given name stands.
    const contact_table post = made("Jméno;Příjmení / Název;Ulice;Č. popisné;Obec;Pošta\n"
                                    "Jiří;Dvořák;Křenová;12;Brno;60200\n;Stavby Brno s.r.o.;Dlouhá;5;Plzeň;30100\n");
    EXPECT_TRUE(has_line(post.table, "Ji\xF8\xED Dvo\xF8\xE1k;Ji\xF8\xED;Dvo\xF8\xE1k;;HOME;K\xF8" "enov\xE1 12;Brno;60200"))
        << post.table;
    EXPECT_TRUE(has_line(post.table, "Stavby Brno s.r.o.;;;Stavby Brno s.r.o.;WORK;Dlouh\xE1 5;Plze\xF2;30100"))
        << post.table;
    // Fields written ", " apart, quoted after the space.
    const contact_table spaced = made("first name, last name, business address\nJanos, Kovacs, \"Fo utca 1, 1011 Budapest\"\n");
    EXPECT_TRUE(has_line(spaced.table, "Janos Kovacs;Janos;Kovacs;WORK;Fo utca 1;Budapest;1011")) << spaced.table;
}

// ---- birthdays, nicknames, web pages, groups ----

// The table made from the UTF-8 export `text` for the cards of `version`.
contact_table made_for(std::string_view text, vcard_version version) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    return make_contact_table(read_export(text, utf8), ';', {}, version);
}

TEST(PrepExtras, ABirthdayInAnyFormIsItsBasicForm) {
    // An English layout writes the month first, unless its dates say otherwise.
    const contact_table us = made("Name,Birthday\nJan Novak,4/12/1985\nEva Mala,31149\nPetr Dvorak,12.4.\n");
    EXPECT_TRUE(has_line(us.table, "Jan Novak;Jan;Novak;19850412")) << us.table;
    EXPECT_TRUE(has_line(us.table, "Eva Mala;Eva;Mala;19850412")) << us.table;
    EXPECT_TRUE(has_line(us.table, "Petr Dvorak;Petr;Dvorak;")) << us.table;
    EXPECT_EQ(us.unread_birthdays.count, 1u);
    EXPECT_EQ(us.unread_birthdays.example, "12.4.");
    EXPECT_EQ(us.birthdays, 2u);
    const contact_table shown = made("Name,Birthday\nJan Novak,4/12/1985\nEva Mala,31/12/1970\n");
    EXPECT_TRUE(has_line(shown.table, "Jan Novak;Jan;Novak;19851204")) << shown.table;
    const contact_table czech = made("Jméno;Příjmení;Datum narození\nJan;Novák;4/12/1985\n");
    EXPECT_TRUE(has_line(czech.table, "Jan Nov\xE1k;Jan;Nov\xE1k;19851204")) << czech.table;
    // Year, month and day in columns of their own.
    const contact_table parts = made("First Name,Birth Year,Birth Month,Birth Day\nJan,1985,4,12\nEva,,12,31\nPetr,1990,,\n");
    EXPECT_TRUE(has_line(parts.table, "Jan;Jan;19850412")) << parts.table;
    EXPECT_EQ(parts.yearless_birthdays.count, 1u);  // 3.0 carries no day without a year
    EXPECT_EQ(parts.unread_birthdays.count, 1u);    // a year alone is no day
    // A 'birthDay' of whole dates is the birthday, not its day of the month.
    EXPECT_TRUE(has_line(made("firstName,birthDay\nJan,1978-03-14\n").table, "Jan;Jan;19780314"));
}

TEST(PrepExtras, ADayWithoutItsYearOnlyIn40AndOnlyAlone) {
    const std::string_view yearless = "Name,Birthday\nJan Novak,--04-12\nEva Mala,\n";
    const contact_table v40 = made_for(yearless, vcard_version::v40);
    EXPECT_EQ(v40.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "BDAY NO YEAR"}));
    EXPECT_TRUE(has_line(v40.table, "Jan Novak;Jan;Novak;0412")) << v40.table;
    const contact_table v30 = made_for(yearless, vcard_version::v30);
    EXPECT_EQ(v30.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY"}));
    EXPECT_EQ(v30.yearless_birthdays.count, 1u);
    // Beside a birthday with its year, the day without one goes, even in 4.0.
    const contact_table mixed = made_for("Name,Birthday\nJan Novak,--04-12\nEva Mala,1970-12-31\n", vcard_version::v40);
    EXPECT_TRUE(has_line(mixed.table, "Jan Novak;Jan;Novak;")) << mixed.table;
    EXPECT_TRUE(has_line(mixed.table, "Eva Mala;Eva;Mala;19701231")) << mixed.table;
    EXPECT_EQ(mixed.yearless_birthdays.example, "--04-12");
}

TEST(PrepExtras, AWebPageIsItsHostAndGroupsTheFirstOne) {
    const contact_table t = made("Name;Nickname;Web Page;Groups\n"
                                 "Jan Novak;Honza;https://www.firma.cz/;Friends ::: Work\n"
                                 "Eva Mala;;http://firma.cz/kontakt?x=1;* myContacts ::: Rodina\n"
                                 "Petr Dvorak;;www.stavby-brno.cz;VIP, Partner\n"
                                 "Ota Kral;;mailto:ota;\n"
                                 "Ana Horvat;;www.horvat.hr;\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;Honza;www.firma.cz;Friends")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;;firma.cz;Rodina")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;;;VIP")) << t.table;
    EXPECT_EQ(t.web_cut.count, 1u);
    EXPECT_EQ(t.web_cut.example, "http://firma.cz/kontakt?x=1");
    EXPECT_EQ(t.web_lost.count, 2u);  // a host with '-' would be another host; 'mailto:' is no web page
    EXPECT_EQ(t.groups_cut.count, 2u);
    // A web column of no web addresses disagrees with its header.
    EXPECT_EQ(made("Name,Website\nJan Novak,yes\nEva Mala,no\n").disagreements, 1u);
}

TEST(PrepExtras, TypesAreWrittenAsTheVersionWritesThem) {
    const std::string_view text = "Name,Mobile Phone,E-mail,Home Street,Street\nJan Novak,+420 1,j@x.cz,Dlouha 5,Hlavni 1\n";
    const contact_table v40 = made_for(text, vcard_version::v40);
    EXPECT_TRUE(has_line(v40.table, "Jan Novak;Jan;Novak;+420 1;cell;j@x.cz;home;Dlouha 5;home;Hlavni 1")) << v40.table;
    const contact_table v21 = made_for(text, vcard_version::v21);
    EXPECT_TRUE(has_line(v21.table, "Jan Novak;Jan;Novak;+420 1;CELL;j@x.cz;HOME;Dlouha 5;HOME;Hlavni 1")) << v21.table;
}

}  // namespace
}  // namespace rowcard
