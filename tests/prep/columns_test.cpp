// rowcard-prep's reading of the columns: values veto a header that says the
// wrong thing, values alone read a header that says nothing, type columns go
// with their phone or address, several values in one cell are split, and the
// user's corrections win.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prep/columns.hpp"
#include "prep/prep.hpp"
#include "made_table.hpp"

namespace rowcard {
namespace {

TEST(PrepColumns, ValuesVetoAHeaderThatSaysTheWrongThing) {
    // A CRM's mailing address and its opt-out flag are no e-mails; a message count neither.
    const contact_table t = made(
        "First Name,Last Name,Email,Mailing Street,Mailing City,Mailing Zip,Email Opt Out,Emails Sent\n"
        "Jan,Novak,jan@x.cz,Hlavna 5,Zvolen,960 01,false,0\n"
        "Eva,Mala,eva@y.sk,Dlha 2,Nitra,949 01,true,3\n");
    // Columns the card does not take follow its own, as they are.
    EXPECT_EQ(t.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "EMAIL1", "ADR1 TYPE", "ADR1 STREET",
                                                  "ADR1 CITY", "ADR1 CODE", "Email Opt Out", "Emails Sent"}));
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;jan@x.cz;POSTAL;Hlavna 5;Zvolen;960 01;false;0")) << t.table;
    EXPECT_NE(t.left_off.find("'Email Opt Out' (a flag)"), std::string::npos) << t.left_off;
    EXPECT_NE(t.left_off.find("'Emails Sent' (a count)"), std::string::npos) << t.left_off;
    EXPECT_EQ(t.disagreements, 0u);

    // A header that says e-mail over towns is left off, and said to disagree.
    const contact_table odd = made("Name,E-mail\nJan Novak,Zvolen\nEva Mala,Nitra\n");
    EXPECT_EQ(odd.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "E-mail"}));
    EXPECT_EQ(odd.disagreements, 1u);
    EXPECT_NE(odd.left_off.find("'E-mail' (its header says e-mail, but its values are no addresses)"),
              std::string::npos)
        << odd.left_off;
}

TEST(PrepColumns, AHeaderThatSaysNothingIsReadFromItsValues) {
    const contact_table t = made("Name,Kontakt 1,Kontakt 2,Poznamka X,Id\n"
                                 "Jan Novak,jan@x.cz,+420 777 123 456,abc,10023\n"
                                 "Eva Mala,eva@y.cz,+420 602 111 222,def,10024\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+420 777 123 456;VOICE;jan@x.cz;abc;10023")) << t.table;
    EXPECT_NE(t.left_off.find("'Id' (an id)"), std::string::npos) << t.left_off;
}

TEST(PrepColumns, ValuesAloneAtTheirMarks) {
    // A number with its country's code is written for dialling, spaces or none.
    const contact_table plus = made("Name,X\nJan Novak,+420777123456\nEva Mala,+421905111222\n");
    EXPECT_TRUE(has_line(plus.table, "Jan Novak;Jan;Novak;+420777123456;VOICE")) << plus.table;
    // Half the names with a legal form make a column of companies.
    const contact_table half = made("Email,X\na@x.cz,Stavby s.r.o.\nb@y.cz,U zlateho klasu\n");
    EXPECT_TRUE(has_line(half.table, "Stavby s.r.o.;Stavby s.r.o.;a@x.cz")) << half.table;
    // A trunk '0' alone marks a number for dialling too; a third of companies is no column of them.
    const contact_table trunk = made("Name,X\nJan Novak,0602111222\nEva Mala,0603222333\n");
    EXPECT_TRUE(has_line(trunk.table, "Jan Novak;Jan;Novak;0602111222;VOICE")) << trunk.table;
    const contact_table third = made("Email,X\na@x.cz,Stavby s.r.o.\nb@y.cz,U zlateho klasu\nc@z.cz,Kovarna\n");
    EXPECT_TRUE(has_line(third.table, "a@x.cz;a@x.cz;Stavby s.r.o.")) << third.table;
    // Over forty different values are no column of record kinds (nor of type words).
    std::string many = "Name,X\n";
    for (int k = 0; k < 45; ++k) {
        many += "Jan Novak," + std::string(1, static_cast<char>('A' + k % 26)) + "lpin" +
                std::string(1, static_cast<char>('a' + k / 26)) + "\n";
    }
    EXPECT_NE(made(many).left_off.find("'X' (unknown)"), std::string::npos) << made(many).left_off;
    // A phone named by --column alone is a voice number.
    const contact_table asked = made("Name,Linka\nJan Novak,541 000 111\n", {{"Linka", "phone"}});
    EXPECT_TRUE(has_line(asked.table, "Jan Novak;Jan;Novak;541 000 111;VOICE")) << asked.table;
    // An 'other' address is one of its own, beside parts of no place.
    const contact_table other = made("Name,Jinde,Ulice,Mesto\nJan Novak,Kratka 2,Dlouha 1,Brno\n", {{"Jinde", "street:other"}});
    EXPECT_TRUE(has_line(other.table, "Jan Novak;Jan;Novak;POSTAL;Kratka 2;;HOME;Dlouha 1;Brno")) << other.table;
}

TEST(PrepColumns, NumbersWithoutAHeaderAreNoPhonesUnlessWrittenForDialling) {
    // A mailing tool's ids and the addresses it saw a subscriber at.
    const contact_table t = made("Email,LEID,CONFIRM_IP,X\njan@x.cz,44877882,91.219.3.41,+420 777 123 456\n"
                                 "eva@y.cz,44877919,91.219.6.42,0602 111 222\n");
    EXPECT_TRUE(has_line(t.table, "jan@x.cz;+420 777 123 456;VOICE;jan@x.cz;44877882;91.219.3.41")) << t.table;
    EXPECT_NE(t.left_off.find("'CONFIRM_IP' (an id)"), std::string::npos) << t.left_off;
}

TEST(PrepColumns, ATypeColumnGivesThePhoneBesideItsType) {
    const contact_table t = made("Name;Telefon;Typ\nJan Novak;+420 777 123 456;mobil\nEva Mala;+420 541 000 111;Work\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+420 777 123 456;CELL")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;+420 541 000 111;WORK")) << t.table;
    // A phone's type a flag away from the export's one phone is still its type, never an address's.
    const contact_table apart = made("Name;City;Phone type;Is US phone;Phone number\nJan Novak;Chicago;Mobile;True;7735550142\n"
                                     "Eva Mala;Chicago;Home;True;3125550199\n");
    EXPECT_TRUE(has_line(apart.table, "Jan Novak;Jan;Novak;7735550142;CELL;HOME;Chicago;True")) << apart.table;
    EXPECT_TRUE(has_line(apart.table, "Eva Mala;Eva;Mala;3125550199;HOME;HOME;Chicago;True")) << apart.table;
}

TEST(PrepColumns, ATitleIsAnHonorificOrAJobByItsValues) {
    EXPECT_TRUE(has_line(made("Title,First Name,Last Name\nIng.,Jan,Novak\nDr.,Eva,Mala\n").table,
                         "Jan Novak;Jan;Novak;Ing."));
    const contact_table job = made("Title,First Name,Last Name\nDisponent,Jan,Novak\nstolar,Eva,Mala\n");
    EXPECT_EQ(job.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "ORG TITLE"}));
}

TEST(PrepColumns, SeveralValuesInOneCellAreSplit) {
    const contact_table t = made("Name,E-mail,Phone\nJan Novak,\"jan@x.cz, jan.novak@y.cz\",\"+420 777 123 456, +420 602 111 222\"\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+420 777 123 456;VOICE;+420 602 111 222;VOICE;jan@x.cz;"
                                  "jan.novak@y.cz"))
        << t.table;
}

TEST(PrepColumns, APostalCodeAndTownInOneCellAreSplit) {
    const contact_table t = made("Name;Ulice;PSČ a obec\nJan Novak;Hlavní 5;602 00 Brno\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;HOME;Hlavn\xED 5;Brno;602 00")) << t.table;
}

TEST(PrepColumns, AWholeAddressIsUsedOnlyWithoutItsParts) {
    const contact_table beside = made("Name,Street,City,Formatted Address\nJan Novak,Severinstrasse 88,Koln,"
                                      "Severinstrasse 88 50678 Koln Deutschland\n");
    EXPECT_TRUE(has_line(beside.table, "Jan Novak;Jan;Novak;HOME;Severinstrasse 88;Koln")) << beside.table;
    EXPECT_EQ(beside.table.find("50678"), std::string::npos) << beside.table;
    // Alone, its parts set apart by double spaces are taken apart.
    const contact_table alone = made("Name,Address\nJan Novak,Severinstrasse 88  50678 Koln  Deutschland\n");
    EXPECT_TRUE(has_line(alone.table, "Jan Novak;Jan;Novak;HOME;Severinstrasse 88;Koln;50678;Deutschland"))
        << alone.table;
}

TEST(PrepColumns, ANumberASpreadsheetDamagedIsNoPhone) {
    const contact_table t = made("Name,Mobile\nJan Novak,\"4,20604E+11\"\nEva Mala,+420 602 111 222\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;;")) << t.table;
    EXPECT_EQ(t.lost_numbers.count, 1u);
    EXPECT_EQ(t.lost_numbers.lines, (std::vector<std::size_t>{2}));
}

TEST(PrepColumns, ACompanyInTheNameColumnIsNoPerson) {
    const contact_table t = made("Name,E-mail\nStavby Brno s.r.o.,info@stavby.cz\nJan Novak,jan@x.cz\n");
    EXPECT_TRUE(has_line(t.table, "Stavby Brno s.r.o.;;;Stavby Brno s.r.o.;info@stavby.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;;jan@x.cz")) << t.table;
}

TEST(PrepColumns, TheUsersCorrectionsWin) {
    const std::string text = "Name,Firm,Kod\nJan Novak,ACME,X1\n";
    const contact_table t = made(text, {{"Firm", "company"}, {"Kod", "skip"}});
    EXPECT_EQ(t.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "ORG"}));
    EXPECT_NE(t.left_off.find("'Kod' (left off as asked)"), std::string::npos) << t.left_off;
    const contact_table phone = made("Name,Linka\nJan Novak,+420 541 000 111\n", {{"Linka", "phone:work"}});
    EXPECT_TRUE(has_line(phone.table, "Jan Novak;Jan;Novak;+420 541 000 111;WORK")) << phone.table;
    EXPECT_NE(phone.reading.find("'Linka': work phone, as asked"), std::string::npos) << phone.reading;
}

TEST(PrepColumns, CorrectionsNameThePlaceOfAPhoneOrAnAddress) {
    const contact_table t = made("Name,Ulice,Mesto,Linka,Fax\nJan Novak,Hlavni 5,Brno,+420 541 000 111,+420 541 000 112\n",
                                 {{"Ulice", "street:work"}, {"Mesto", "city:work"}, {"Linka", "phone:cell"},
                                  {"Fax", "phone:fax"}});
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+420 541 000 111;CELL;+420 541 000 112;FAX;WORK;Hlavni 5;Brno"))
        << t.table;
    EXPECT_NE(t.reading.find("'Linka': mobile phone, as asked"), std::string::npos) << t.reading;
    EXPECT_NE(t.reading.find("'Fax': fax phone, as asked"), std::string::npos) << t.reading;
    EXPECT_NE(t.reading.find("'Ulice': street (work address), as asked"), std::string::npos) << t.reading;
    const contact_table home = made("Name,Ulice\nJan Novak,Hlavni 5\n", {{"Ulice", "street:home"}});
    EXPECT_TRUE(has_line(home.table, "Jan Novak;Jan;Novak;HOME;Hlavni 5")) << home.table;
    EXPECT_NE(home.reading.find("street (home address)"), std::string::npos) << home.reading;
    // Work and home are two addresses, and a home phone says so.
    const contact_table two = made("Name,Ulice,Domov,Tel\nJan Novak,Hlavni 5,Dlouha 1,+420 541 000 111\n",
                                   {{"Ulice", "street:work"}, {"Domov", "street:home"}, {"Tel", "phone:home"}});
    EXPECT_TRUE(has_line(two.table, "Jan Novak;Jan;Novak;+420 541 000 111;HOME;WORK;Hlavni 5;HOME;Dlouha 1")) << two.table;
    EXPECT_NE(two.reading.find("'Tel': home phone, as asked"), std::string::npos) << two.reading;
    const contact_table places = made("Name,Domov,Jinde\nJan Novak,Dlouha 1,Kratka 2\n",
                                      {{"Domov", "street:home"}, {"Jinde", "street:other"}});
    EXPECT_TRUE(has_line(places.table, "Jan Novak;Jan;Novak;HOME;Dlouha 1;POSTAL;Kratka 2")) << places.table;
    // A place a field cannot have is no correction.
    column_role role;
    EXPECT_FALSE(field_by_name("street:cell", role));
    EXPECT_FALSE(field_by_name("email:work", role));
    EXPECT_FALSE(field_by_name("phone:", role));
    EXPECT_FALSE(field_by_name("phone:bogus", role));
    EXPECT_FALSE(field_by_name("bogus", role));
    EXPECT_TRUE(field_by_name("phone:pager", role));
    EXPECT_EQ(role.type, "PAGER");
}

TEST(PrepColumns, APhoneColumnOfNamesDisagreesAndTypeWordsNeedFourInFive) {
    EXPECT_EQ(made("Name,Phone\nJan Novak,Eva\nEva Mala,Petr\n").disagreements, 1u);
    // Four type words in five values make a type column; three in five do not.
    const std::string four = "Name;Telefon;Typ\nA B;+420 1;mobil\nC D;+420 2;mobil\nE F;+420 3;Work\nG H;+420 4;Home\n"
                             "I J;+420 5;Brno\n";
    EXPECT_TRUE(has_line(made(four).table, "A B;A;B;+420 1;CELL")) << made(four).table;
    const std::string three = "Name;Telefon;Typ\nA B;+420 1;mobil\nC D;+420 2;mobil\nE F;+420 3;Work\nG H;+420 4;Praha\n"
                              "I J;+420 5;Brno\n";
    EXPECT_TRUE(has_line(made(three).table, "A B;A;B;+420 1;VOICE;mobil")) << made(three).table;
}

TEST(PrepColumns, WordsOfAPersonOrCompanyAreNoAddressesOrNumbers) {
    for (const char* header : {"Company", "Last Name", "First Name", "Middle Name", "Title", "Job Title", "Street",
                               "City", "Nickname", "Groups", "Name Prefix", "Suffix", "Birthday"}) {
        const contact_table t = made(std::string("Name,") + header + "\nJan Novak,jan@x.cz\nEva Mala,eva@y.cz\n");
        EXPECT_EQ(t.disagreements, 1u) << header << "\n" << t.table;
    }
    // The report says what the header said; a bare 'Title' is neither prefix nor job until its values say.
    EXPECT_NE(made("Name,Title\nJan Novak,jan@x.cz\n").left_off.find(
                  "'Title' (its header says title, but its values are e-mails or phones)"),
              std::string::npos);
    EXPECT_NE(made("Name,Company\nJan Novak,jan@x.cz\n").left_off.find(
                  "'Company' (its header says company, but its values are e-mails or phones)"),
              std::string::npos);
}

TEST(PrepColumns, TheWholeReadingNamesEachColumnsFieldOrWhyItIsOff) {
    const contact_table t = made("Name,Id,Empty,Firma\nJan Novak,10023,,ACME\nEva Mala,10024,,\n",
                                 {{"Firma", "company"}});
    EXPECT_NE(t.reading.find("  1. 'Name': whole name; 2 filled\n"), std::string::npos) << t.reading;
    EXPECT_NE(t.reading.find("  2. 'Id': left off (an id); 2 filled\n"), std::string::npos) << t.reading;
    EXPECT_NE(t.reading.find("  3. 'Empty': left off (empty); 0 filled\n"), std::string::npos) << t.reading;
    EXPECT_NE(t.reading.find("  4. 'Firma': company, as asked; 1 filled\n"), std::string::npos) << t.reading;
    // Every column left off with data says why, a row's kind and an unknown one among them.
    const contact_table kinds = made("Name,Contributor_Type,Mood\nJan Novak,Individual,calm\nACME,Organization,busy\n");
    EXPECT_NE(kinds.reading.find("'Contributor_Type': left off (whether a row is a person's or a firm's)"), std::string::npos)
        << kinds.reading;
    EXPECT_EQ(kinds.reading.find("()"), std::string::npos) << kinds.reading;
    const contact_table other = made("Name,Company\nJan Novak,ACME\n", {{"Company", "department"}});
    EXPECT_NE(other.reading.find("  2. 'Company': department, as asked; 1 filled, the header says company\n"),
              std::string::npos)
        << other.reading;
}

TEST(PrepColumns, ARowNamedByNothingKnownShowsItsWordsNotItsCodes) {
    // A help desk's people: the kind's code first, the name under a header no table knows.
    const contact_table t = made("Tipo;Perfil;Nome fantasia;Razao social\n1;2;Ricardo Souza;\n2;2;Metal Sul;Metal Sul Ltda\n"
                                 "1;2;;\n");
    EXPECT_NE(t.table.find("\nRicardo Souza;"), std::string::npos) << t.table;
    EXPECT_NE(t.table.find("\nMetal Sul Ltda;"), std::string::npos) << t.table;  // the firm before any other value
    EXPECT_NE(t.table.find("\n1;"), std::string::npos) << t.table;  // a row of codes alone still has a name
}

TEST(PrepColumns, SeveralUnnamedColumnsOfOrganisationsAreNoneTheContacts) {
    // A congregation's members: the churches of baptism and profession are other bodies.
    const std::string text = "first_name,last_name,baptism_church,profession_church\n"
                             "Pieter,Vandermeer,Kampen Reformed Church,Ancaster Reformed Church\n";
    const contact_table two = made(text);
    EXPECT_NE(two.reading.find("'baptism_church': left off (one of several columns of organisations"), std::string::npos)
        << two.reading;
    EXPECT_NE(two.reading.find("'profession_church': left off (one of several"), std::string::npos) << two.reading;
    // One such column alone is the contact's organisation.
    const contact_table one = made("first_name,last_name,workplace_x\nPieter,Vandermeer,Kampen Reformed Church\n");
    EXPECT_NE(one.reading.find("'workplace_x': company"), std::string::npos) << one.reading;
}

TEST(PrepColumns, SingleLettersAreNoTitleJobOrFirm) {
    // A shop's 'Titel' of M and V is a sex's code; 'Dr.' and a job of words stay what the header says.
    const contact_table codes = made("Titel;Voornaam;Achternaam\nM;Jan;Dijk\nV;Anna;Berg\n");
    EXPECT_NE(codes.reading.find("'Titel': left off (single letters: a code, such as a sex's)"), std::string::npos)
        << codes.reading;
    const contact_table job = made("Name;Job Title\nJan Dijk;Baker\nAnna Berg;X\n");
    EXPECT_NE(job.reading.find("'Job Title': job title"), std::string::npos) << job.reading;
}

TEST(PrepColumns, AnUnknownColumnInsideAnAddressIsItsTown) {
    // 'Location' between the code and the country is the town; away from the address, or of numbers, it is not.
    const contact_table t = made("Name;Street;Postal code;Location;Country\nJan Novak;Oudlaan 4;3515 GA;Utrecht;Nederland\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;HOME;Oudlaan 4;Utrecht;3515 GA;Nederland")) << t.table;
    const contact_table away = made("Name;Location;Street;Postal code;Country\nJan Novak;Utrecht;Oudlaan 4;3515 GA;Nederland\n");
    EXPECT_NE(away.reading.find("'Location': left off (unknown)"), std::string::npos) << away.reading;
    const contact_table numbers = made("Name;Street;Postal code;Site;Country\nJan Novak;Oudlaan 4;3515 GA;Hall 7;Nederland\n");
    EXPECT_NE(numbers.reading.find("'Site': left off"), std::string::npos) << numbers.reading;
    // A column whose header says something else stays off, whatever stands around it.
    const contact_table said = made("Name;Street;Postal code;Telefon;Country\nJan Novak;Oudlaan 4;3515 GA;Utrecht;Nederland\n");
    EXPECT_NE(said.reading.find("'Telefon': left off"), std::string::npos) << said.reading;
}

TEST(PrepColumns, ATypeColumnBeforeItsPhoneAndAWholeAddressOfItsOwn) {
    // The type may come first; a column of types with no phone beside it goes.
    const contact_table t = made("Typ;Telefon;Name\nmobil;+420 777 123 456;Jan Novak\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+420 777 123 456;CELL")) << t.table;
    const contact_table lone = made("Name;Typ;E-mail\nJan Novak;mobil;jan@x.cz\n");
    EXPECT_NE(lone.left_off.find("'Typ' (types with no phone or address beside them)"), std::string::npos)
        << lone.left_off;
    // A whole address beside another address's parts is left off; asked for, it stays.
    const std::string text = "Name,Address 1 - Street,Address 1 - City,Address 2 - Formatted\n"
                             "Jan Novak,Hlavni 5,Brno,Dlouha 1  602 00 Brno\n";
    const contact_table beside = made(text);
    EXPECT_NE(beside.left_off.find("'Address 2 - Formatted' (a whole address beside its parts)"), std::string::npos)
        << beside.left_off << beside.reading;
    const contact_table asked = made(text, {{"Address 2 - Formatted", "address"}});
    EXPECT_NE(asked.table.find("Dlouha 1"), std::string::npos) << asked.table;
}

TEST(PrepColumns, ACountersNumberIsNoHousesAndAPlaceAloneTypesWhatTheValuesSay) {
    // 'Nr.' counting the rows beside the house number: a record's, not a second house number.
    const std::string rows = "Nr.;Vorname;Nachname;Strasse;Hausnummer;Ort\n"
                             "1;Jan;Novak;Hauptweg;14;Bonn\n2;Eva;Mala;Am Hof;3;Bonn\n3;Ota;Bily;Ring;201a;Bonn\n"
                             "4;Ida;Cerna;Gasse;9;Bonn\n5;Petr;Maly;Allee;57;Bonn\n";
    const contact_table counted = made(rows);
    EXPECT_TRUE(has_line(counted.table, "Jan Novak;Jan;Novak;HOME;Hauptweg 14;Bonn;1")) << counted.table;
    EXPECT_NE(counted.reading.find("'Nr.': left off (a running number)"), std::string::npos) << counted.reading;
    // Four rows may ascend by chance, and numbers that fall back are houses'.
    const contact_table few = made("Nr.;Name;Strasse\n1;Jan Novak;Hauptweg\n2;Eva Mala;Ring\n3;Ota Bily;Gasse\n4;Ida Cerna;Allee\n");
    EXPECT_TRUE(has_line(few.table, "Jan Novak;Jan;Novak;HOME;Hauptweg 1")) << few.table;
    const contact_table again = made("Nr.;Name;Strasse\n1;Jan Novak;Hauptweg\n2;Eva Mala;Ring\n2;Ota Bily;Gasse\n"
                                     "4;Ida Cerna;Allee\n5;Petr Maly;Dlouha\n");
    EXPECT_TRUE(has_line(again.table, "Ota Bily;Ota;Bily;HOME;Gasse 2")) << again.table;
    const contact_table back = made("Nr.;Name;Strasse\n1;Jan Novak;Hauptweg\n2;Eva Mala;Ring\n3;Ota Bily;Gasse\n"
                                    "40;Ida Cerna;Allee\n12;Petr Maly;Dlouha\n");
    EXPECT_TRUE(has_line(back.table, "Petr Maly;Petr;Maly;HOME;Dlouha 12")) << back.table;
    // A place with no field ('Privatnr', 'Privatadr'): the values say which, the place its type.
    const contact_table home = made("Vorname;Nachname;Privatnr;Nr. dienstlich;Privatadr\n"
                                    "Lea;Brand;0551 3702218;0551 39 0;Weender Landstrasse 52, 37075 Goettingen\n");
    EXPECT_TRUE(has_line(home.table, "Lea Brand;Lea;Brand;0551 3702218;HOME;0551 39 0;WORK;HOME;Weender Landstrasse 52;"
                                     "Goettingen;37075"))
        << home.table;
}

TEST(PrepColumns, AResidenceOfTownsAloneIsTheTown) {
    const contact_table towns = made("Meno;Priezvisko;Bydlisko\nMarian;Stefanka;Nitra\nDusan;Kollar;Zlate Moravce\n");
    EXPECT_TRUE(has_line(towns.table, "FN;GIVEN;FAMILY;ADR1 TYPE;ADR1 CITY")) << towns.table;
    // A number in one value makes the column streets; so does a town column beside it.
    const contact_table street = made("Meno;Priezvisko;Bydlisko\nMarian;Stefanka;Nitra\nDusan;Kollar;Trnava\n"
                                      "Ivan;Bily;Presov\nOta;Maly;Zilina\nJan;Cerny;Levice\nEva;Mala;Hlavna 5\n");
    EXPECT_TRUE(has_line(street.table, "FN;GIVEN;FAMILY;ADR1 TYPE;ADR1 STREET")) << street.table;
    const contact_table beside = made("Meno;Priezvisko;Bydlisko;Obec\nMarian;Stefanka;Pod hajom;Nitra\n");
    EXPECT_TRUE(has_line(beside.table, "Marian Stefanka;Marian;Stefanka;HOME;Pod hajom;Nitra")) << beside.table;
}

}  // namespace
}  // namespace rowcard

namespace rowcard {
namespace {

TEST(PrepShape, ATitleAboveTheHeaderAndAFooterBelowTheDataAreNoContacts) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const export_result r = read_export("Contacts - Slovakia,,\nName,E-mail,Phone\nJan Novak,jan@x.cz,+421 2 1\n"
                                        ",info@firma.sk,\nTotal: 2,,\nExported 12.4.2024\n",
                                        utf8);
    EXPECT_EQ(r.header_line, 2u);
    EXPECT_EQ(r.records, 2u);
    EXPECT_EQ(table_text(r), "Name;E-mail;Phone\nJan Novak;jan@x.cz;+421 2 1\n;info@firma.sk;\n");
    EXPECT_EQ(r.changes.footer_lines.lines, (std::vector<std::size_t>{5, 6}));
    // A totals line of a label and numbers is a footer too; a contact whose only values are numbers is none.
    const export_result totals = read_export("No;Client Name;Paid Hours;Pro-bono Hours\n1;Jana Novak;12;0\n"
                                             "Total Hours (Paid & Pro Bono):;;87,5;13\nCelkem;;3;1\n", utf8);
    EXPECT_EQ(totals.records, 1u);
    EXPECT_EQ(totals.changes.footer_lines.lines, (std::vector<std::size_t>{3, 4}));
    const export_result numbers = read_export("Name;Phone;Fax\nJana Novak;602 555 184;602 555 185\n", utf8);
    EXPECT_EQ(numbers.records, 1u);
    // A last row of one name, with no digit, is a contact.
    const export_result name = read_export("Name,E-mail\nJan Novak,jan@x.cz\nEva Mala,\n", utf8);
    EXPECT_EQ(name.records, 2u);
    EXPECT_EQ(name.changes.footer_lines.count, 0u);
}

TEST(PrepShape, ATitleOfSeveralFieldsAndAFooterSetApartByAGap) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    // A report names its lists in its title; its footer is a total, a notice and a copyright.
    const export_result r = read_export("Members of list-a, list-b\nId,Email,Name,List\n1,jan@x.cz,Jan Novak,list-a\n"
                                        "2,eva@y.cz,Eva Mala,list-b\n\"\"\n\"Total (2 records)\"\n\"\"\n"
                                        "\"Confidential - Do Not Distribute\"\n\"Copyright (c) 2026 Firma\"\n",
                                        utf8);
    EXPECT_EQ(r.header_line, 2u);
    EXPECT_EQ(r.records, 2u);
    EXPECT_EQ(r.changes.footer_lines.lines, (std::vector<std::size_t>{5, 6, 7, 8, 9}));
    // A header that ',' never splits is no title because ',' splits the rows' quoted values alike.
    const export_result quoted = read_export("\"Nr\";\"Name\";\"Anrede\"\n\"1\";\"Bruckner\";\"Sehr geehrter Herr,\"\n"
                                             "\"2\";\"Kessler\";\"Sehr geehrte Frau,\"\n",
                                             utf8);
    EXPECT_EQ(quoted.header_line, 1u);
    EXPECT_EQ(quoted.header, (std::vector<std::string>{"Nr", "Name", "Anrede"}));
    // A header of two columns over rows of two is the first line, however narrow.
    const export_result two = read_export("Name,E-mail\nJan Novak,jan@x.cz\nEva Mala,eva@y.cz\n", utf8);
    EXPECT_EQ(two.header_line, 1u);
    // Empty rows at the end are no footer; and a list of one column keeps its rows after a gap.
    const export_result gaps = read_export("Name,E-mail\nJan Novak,jan@x.cz\n,\n,\n", utf8);
    EXPECT_EQ(gaps.changes.footer_lines.count, 0u);
    const export_result names = read_export("Name\nJan Novak\n\"\"\nEva Mala\n", utf8);
    EXPECT_EQ(names.changes.footer_lines.count, 0u);
    EXPECT_EQ(names.records, 3u);
    // Without a gap, a line of words after the data is a contact's, as before.
    const export_result worded = read_export("Name,E-mail\nJan Novak,jan@x.cz\nEva Mala,\nPetr Dvorak,\n", utf8);
    EXPECT_EQ(worded.changes.footer_lines.count, 0u);
}

}  // namespace
}  // namespace rowcard
