// rowcard-prep on registers of people kept by someone else's body: a party's
// or a federation's members, a clinic's patients, a firm's customers whose
// contact line names a department, the relatives and second persons such
// registers list, headers in Italian and Norwegian, a campaign's sheet whose
// one contact column holds a mailbox here and a number there.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "made_table.hpp"
#include "prep/vocabulary.hpp"
#include "read_header_cases.hpp"
#include "text/codecs.hpp"

namespace rowcard {
namespace {

using enum field_role;

// Returns the card table `table`, written in code page 1250, in UTF-8.
std::string in_utf8(const std::string& table) {
    std::string text;
    for (const char b : table) append_utf8(text, cp1250_char(static_cast<unsigned char>(b)));
    return text;
}

TEST(PrepMembers, TheRegistersOwnWordsNameTheirPeople) {
    expect_read({{"Mobilfunknummer", phone, 0, "CELL"}, {"Sportoló neve", full}, {"Ügyfél neve", full},
                 {"Lakcím", street, -2, "HOME"}, {"patient_first_name", given}, {"PatientLastName", family},
                 {"student_email", email}, {"ATTENTION LINE", contact},
                 {"customerInternationalMailCode", postal, -4}},
                export_language::unknown);
}

TEST(PrepMembers, ItalianAndScandinavianHeadersAndCounts) {
    expect_read({{"NOME", given}, {"COGNOME", family}, {"INDIRIZZO", street, -4}, {"CAP", postal, -4},
                 {"CITTA", city, -4}, {"CELLULARE", phone, 0, "CELL"}, {"Fornavn", given}, {"Etternavn", family},
                 {"Tittel", title}, {"Postnummer", postal, -4}, {"Poststed", city, -4}, {"Grupper", category},
                 // A count beside the address is no house number; a guardian's locality is the town.
                 {"Liczba spotkań", count}, {"Počet návštěv", count}, {"Gondviselő cím helység név", city, -4},
                 {"Názov pracovnej pozície", job}, {"elektronskaPosta", email}, {"Poczta elektroniczna", email},
                 // A person's national number is no number to call.
                 {"Rodné číslo", record_id}, {"PESEL", record_id}, {"CNP", record_id},
                 // An orienteering entry's given name; a staff file's branch is the firm.
                 {"Jméno (křest.)", given}, {"Pobočka název", org}},
                export_language::unknown);
    // A Hungarian postal code abbreviated, an order's sum; a Romanian rank and year, a Croatian town.
    expect_read({{"Irsz", postal, -4}, {"Összeg", count}, {"Amount", count}}, export_language::hungarian);
    expect_read({{"Grad", none}, {"An Inscriere", date}}, export_language::romanian);
    expect_read({{"Grad", city, -4}}, export_language::croatian);
    const contact_table t = made("Imię;Nazwisko;Adres;Liczba spotkań\nJan;Nowak;ul. Długa 5, 30-001 Kraków;7\n"
                                 "Ewa;Lis;ul. Krótka 2, 80-244 Gdańsk;3\n");
    EXPECT_TRUE(has_line(in_utf8(t.table), "Jan Nowak;Jan;Nowak;HOME;ul. Dluga 5;Kraków;30 001;7")) << t.table;
}

TEST(PrepMembers, RelativesAndEmergencyContactsAreOtherPeople) {
    expect_read({{"Anyja neve", ignored}, {"Mother's maiden name", ignored}, {"Emergency contact phone", ignored},
                 {"Jméno matky", ignored}, {"Name der Mutter", ignored}, {"Parent email", ignored},
                 {"Spouse", ignored}, {"SecondaryTenantPhone", ignored},
                 {"SecondaryTenantEmail", ignored}, {"Co-applicant email", ignored}, {"TenantPhone", phone, 0, "VOICE"}},
                export_language::unknown);
    const contact_table t = made("Sportoló neve;Anyja neve;Email\nKovács Péter;Szabó Erzsébet;kp@freemail.hu\n"
                                 "Nagy Anna;Tóth Ilona;na@freemail.hu\n");
    EXPECT_TRUE(has_line(in_utf8(t.table), "Kovács Péter;Péter;Kovács;kp@freemail.hu")) << t.table;
}

TEST(PrepMembers, ADonorsLetterLinesAreNoName) {
    // A donor database's 'Salutation' opens a letter, and its 'Addressee' heads one: beside the name's parts, neither
    // goes on the card. Alone, an addressee is the name, as a post's tools write it.
    const contact_table t = made("First Name;Last Name;Addressee;Salutation;Giver Name\n"
                                 "Margaret;Novak;Mrs. Margaret Novak;Dear Margaret;\nPetr;Kral;Mr. Petr Kral;Dear Petr;\n");
    EXPECT_TRUE(has_line(t.table, "Margaret Novak;Margaret;Novak;Mrs. Margaret Novak;Dear Margaret")) << t.table;
    EXPECT_NE(t.left_off.find("'Salutation' (a letter's salutation)"), std::string::npos) << t.left_off;
    const contact_table dutch = made("Achternaam;Voorletters;Aanhef\nBerg;J.H.;Geachte heer Van der Berg\nKos;P.;Beste Petr\n");
    EXPECT_TRUE(has_line(dutch.table, "J.H. Berg;J.H.;Berg;Geachte heer Van der Berg")) << dutch.table;
    const contact_table given = made("First Name;Addressee;Email\nMargaret;Mrs. Margaret Novak;m@n.us\n");
    EXPECT_TRUE(has_line(given.table, "Mrs. Margaret Novak;Margaret;m@n.us")) << given.table;  // a given name alone names no whole
    const contact_table alone = made("Addressee;Email\nMrs. Margaret Novak;m@n.us\n");
    EXPECT_TRUE(has_line(alone.table, "Mrs. Margaret Novak;Margaret;Novak;Mrs.;m@n.us")) << alone.table;
    // A giver is the record's person, as a donor is; a landline is a phone, no country.
    const contact_table giver = made("Giver Name;Landline\nJoseph Baca;030 1234567\n");
    EXPECT_TRUE(has_line(giver.table, "Joseph Baca;Joseph;Baca;030 1234567;VOICE")) << giver.table;
}

TEST(PrepMembers, ABackersNameAPayeesBankAndAHouseNamedInItsNumbersPlace) {
    expect_read({{"Backer name", full}, {"Supporter Name", full}, {"BANK_NAME", ignored}, {"Bank City", ignored},
                 {"RECIPIENT_COUNTRY_CODE_ISO", country_code, -4}, {"FName", given}, {"Lname", family}},
                export_language::unknown);
    // A payee's bank is no firm of the payee's.
    const contact_table bank = made("RECIPIENT_NAME;RECIPIENT_STREET;BANK_NAME;BANK_CITY\nMuhle GmbH;Muhlenweg 4;Sparkasse Dresden;Dresden\n");
    EXPECT_TRUE(has_line(bank.table, "Muhle GmbH;Muhle GmbH;WORK;Muhlenweg 4")) << bank.table;
    // A British form asks for the house's name or number beside the postcode: the address's first line.
    const contact_table gift = made("Title;First name;Last name;House name or number;Postcode\nMrs;Margaret;Holroyd;14;BD9 4RN\n"
                                    "Mr;Jan;Kos;Rose Cottage;LS6 3AB\n");
    EXPECT_TRUE(has_line(gift.table, "Margaret Holroyd;Margaret;Holroyd;Mrs;HOME;14;BD9 4RN")) << gift.table;
    EXPECT_TRUE(has_line(gift.table, "Jan Kos;Jan;Kos;Mr;HOME;Rose Cottage;LS6 3AB")) << gift.table;
}

TEST(PrepMembers, AGuardiansColumnIsAnotherPersonsBesideThePupilsOwn) {
    // A class list: the pupil's own e-mail, and the guardian's beside it.
    const contact_table pupils = made("imię;nazwisko;e-mail;e-mail opiekuna prawnego;Guardian name\n"
                                      "Jakub;Kaminski;jk@lo5.pl;m.kaminska@interia.pl;Maria Kaminska\n"
                                      "Zuzanna;Wojcik;zw@lo5.pl;;\n");
    EXPECT_TRUE(has_line(pupils.table, "Jakub Kaminski;Jakub;Kaminski;jk@lo5.pl;m.kaminska@interia.pl;Maria Kaminska"))
        << pupils.table;
    EXPECT_NE(pupils.left_off.find("(another person's (a guardian's or guarantor's) beside the contact's own)"), std::string::npos)
        << pupils.left_off;
    // A student residence's tenants and their guarantors.
    const contact_table tenants = made("Name;Surname;Phone;Guarantor Name;Guarantor Surname;Guarantor Phone\n"
                                       "Giulia;Bianchi;+39 347 1;Marco;Rossi;+39 335 2\n");
    EXPECT_TRUE(has_line(tenants.table, "Giulia Bianchi;Giulia;Bianchi;+39 347 1;VOICE;Marco;Rossi;+39 335 2")) << tenants.table;
    // A school's pupils with their parents' numbers and no parent's name: the pupil's card has none of them.
    const contact_table school = made("Rufname;Alle Vornamen;Nachname;Telefonnummer Elternteil 1;E-Mail-Adresse Elternteil 1\n"
                                      "Sophie;Sophie Marie;Bauer;089 1234567;k.bauer@gmx.de\n");
    EXPECT_TRUE(has_line(school.table, "Sophie Bauer;Sophie;Bauer;089 1234567;k.bauer@gmx.de")) << school.table;
    EXPECT_NE(school.reading.find("'Telefonnummer Elternteil 1': left off (another person's"), std::string::npos)
        << school.reading;
    // A school bus's pupils with their mother's names after their own: the second names are hers.
    const contact_table bus = made("NAME;VORNAME;ORT;TITEL_W;NAME_W;VORNAME_W;TITEL_M;NAME_M;VORNAME_M\n"
                                   "Meyer;Jonas;Peine;;Meyer;Sabine;;Meyer;Tom\nKaminska;Julia;Peine;;Kaminska;Anna;Dr.;Kaminski;Jan\n");
    EXPECT_TRUE(has_line(bus.table, "Jonas Meyer;Jonas;Meyer;HOME;Peine;Meyer;Sabine;;Meyer;Tom")) << bus.table;
    EXPECT_NE(bus.reading.find("'VORNAME_W': left off (another person's"), std::string::npos) << bus.reading;
    // The contact's own family name right before the second given name stays the contact's; the title after is hers.
    const contact_table own = made("VORNAME;NAME;VORNAME_W;NAME_W;TITEL_W\nJonas;Meyer;Sabine;Lang;\nJulia;Kaminska;Anna;Nowak;Dr.\n");
    EXPECT_TRUE(has_line(own.table, "Jonas Meyer;Jonas;Meyer;Sabine;Lang;")) << own.table;
    // A list of the guardians themselves: their name, number and mailbox are the card's.
    const contact_table guardians = made("Tanuló neve;Gondviselő neve;Gondviselő telefonszáma;Gondviselő email címe\n"
                                         "Kiss Bence;Kiss Gábor;+36 30 412 5567;kiss.gabor@gmail.com\n");
    EXPECT_TRUE(has_line(in_utf8(guardians.table), "Kiss Gábor;Gábor;Kiss;+36 30 412 5567;VOICE;kiss.gabor@gmail.com;Kiss Bence"))
        << guardians.table;
}

TEST(PrepMembers, ADepartmentInTheContactsPlaceLeavesTheFirmsCard) {
    const contact_table t = made("CUSTOMER NAME;ATTENTION LINE;MAIN VOICE TELEPHONE\n"
                                 "Glashaus Wachau GmbH;Nákupní oddělení;+43 2713 8200\n"
                                 "Herend Porcelánház Kft.;Kovácsné Tóth Mária;+36 88 523 190\n"
                                 "Galerie Bohemia Glass;Ondřej Malý;+420 224 213 509\n");
    EXPECT_TRUE(has_line(t.table, "Glashaus Wachau GmbH;;;Glashaus Wachau GmbH;+43 2713 8200;WORK")) << t.table;
    // A Hungarian wife's name: her husband's family name with '-né', then her own.
    EXPECT_TRUE(has_line(in_utf8(t.table), "Kovácsné Tóth Mária;Mária;Kovácsné Tóth;Herend Porcelánház Kft.;+36 88 523 190;VOICE"))
        << t.table;
    EXPECT_TRUE(has_line(in_utf8(t.table), "Ondřej Malý;Ondřej;Malý;Galerie Bohemia Glass;+420 224 213 509;VOICE"))
        << t.table;
    // In a Hungarian register, a short family name ending so is still one name.
    const contact_table hu = made("Név;E-mail\nKovácsné Tóth Mária;ktm@freemail.hu\nBene János Péter;bjp@freemail.hu\n");
    EXPECT_TRUE(has_line(in_utf8(hu.table), "Kovácsné Tóth Mária;Mária;Kovácsné Tóth;ktm@freemail.hu")) << hu.table;
    EXPECT_TRUE(has_line(in_utf8(hu.table), "Bene János Péter;János Péter;Bene;bjp@freemail.hu")) << hu.table;
}

TEST(PrepMembers, AForeignersNameInAHungarianRegisterIsWrittenGivenNameFirst) {
    const contact_table t = made("Név;Telefonszám\nKovács Péter;+36 30 111 2233\nJán Baláž;+421 905 111 222\n"
                                 "Zuzana Novakova;+421 905 333 444\nPeter Horváth;+36 30 555 6677\n"
                                 "Balázs Gergely;+36 30 777 8899\nHorváth Anna;+36 30 999 0011\nPál Tóth;+36 30 222 3344\n");
    const std::string table = in_utf8(t.table);
    EXPECT_TRUE(has_line(table, "Kovács Péter;Péter;Kovács;+36 30 111 2233;VOICE")) << table;
    // A letter Hungarian never writes, a Slovak woman's family name, a Hungarian given name first.
    EXPECT_TRUE(has_line(table, "Ján Baláž;Ján;Baláž;+421 905 111 222;VOICE")) << table;
    EXPECT_TRUE(has_line(table, "Zuzana Novakova;Zuzana;Novakova;+421 905 333 444;VOICE")) << table;
    EXPECT_TRUE(has_line(table, "Peter Horváth;Peter;Horváth;+36 30 555 6677;VOICE")) << table;
    EXPECT_TRUE(has_line(table, "Pál Tóth;Pál;Tóth;+36 30 222 3344;VOICE")) << table;
    // Words that are both a family and a given name keep the layout's order.
    EXPECT_TRUE(has_line(table, "Balázs Gergely;Gergely;Balázs;+36 30 777 8899;VOICE")) << table;
    EXPECT_TRUE(has_line(table, "Horváth Anna;Anna;Horváth;+36 30 999 0011;VOICE")) << table;
}

TEST(PrepMembers, AFirmsContactIsAPersonAndASecondColumnFillsAnEmptyPart) {
    const contact_table t = made("customerName;customerContactName;customerTaxNbr;customerCityName;customerStateCode;"
                                 "customerAddressInternationalProvinceName;customerZipCode;customerInternationalMailCode\n"
                                 "Univerzita Karlova;Jana Novakova;CZ00216208;Praha 1;;Hlavni mesto Praha;;116 36\n"
                                 "Pacific Marine LLC;Kevin Nakamura;99-1234567;Kapolei;HI;;96707;\n"
                                 "Semmelweis Egyetem;;HU15329735;Budapest;;Budapest;;1085\n");
    // First or not, the contact column names the person of a row with none of its own.
    const contact_table first = made("contact;name;vat;tax number\nVerena Koller;Buchhandlung Thalia;ATU12345678;FN 12a\n"
                                     "Jitka Benesova;Papirnictvi Pero s.r.o.;CZ12345678;C 1234\n");
    EXPECT_TRUE(has_line(first.table, "Verena Koller;Verena;Koller;Buchhandlung Thalia;ATU12345678;FN 12a")) << first.table;
    // The contact person's card at the firm, whatever the firm's facts say of the row.
    EXPECT_TRUE(has_line(t.table, "Jana Novakova;Jana;Novakova;Univerzita Karlova;POSTAL;Praha 1;Hlavni mesto Praha;116 36;"
                                  "CZ00216208"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Kevin Nakamura;Kevin;Nakamura;Pacific Marine LLC;POSTAL;Kapolei;HI;96707;99 1234567"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Semmelweis Egyetem;;;Semmelweis Egyetem;WORK;Budapest;Budapest;1085;HU15329735"))
        << t.table;
}

TEST(PrepMembers, AThirdColumnOfOnePartStaysInTheTable) {
    // The first column fills the part, the second where the first is empty; a third is the table's own.
    const contact_table t = made("State;Province;City;County;Email\nHI;;Kapolei;Honolulu County;k@x.us\n"
                                 ";Hlavni mesto Praha;Praha 1;;j@x.cz\nIL;;Chicago;Cook County;c@x.us\n");
    EXPECT_TRUE(has_line(t.table, "k@x.us;k@x.us;POSTAL;Kapolei;HI;Honolulu County")) << t.table;
    EXPECT_TRUE(has_line(t.table, "j@x.cz;j@x.cz;POSTAL;Praha 1;Hlavni mesto Praha;")) << t.table;
}

TEST(PrepMembers, ARowOfOnlyAnAddressIsAnotherAddressOfTheContactAbove) {
    const contact_table t = made("customerName;customerEmail;customerLine1StreetAddress;customerCityName\n"
                                 ";;Hauptplatz 1;Graz\n"  // before any contact: a row of its own
                                 "Alfa s.r.o.;info@alfa.cz;Dlouha 5;Praha\n;;Skladova 9;Kladno\n;;Dlouha 5;Praha\n"
                                 "Beta a.s.;info@beta.cz;Kratka 2;Brno\nGama k.s.;info@gama.cz;Nova 7;Olomouc\n");
    EXPECT_TRUE(has_line(t.table, "Alfa s.r.o.;Alfa s.r.o.;info@alfa.cz;WORK;Dlouha 5;Praha;POSTAL;Skladova 9;Kladno"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Beta a.s.;Beta a.s.;info@beta.cz;WORK;Kratka 2;Brno;;;")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Hauptplatz 1;;;POSTAL;Hauptplatz 1;Graz;;;")) << t.table;
    EXPECT_EQ(t.more_addresses.lines, (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(t.rows, 4U);  // one table line a card: six rows, two taken into the card above
    // After an empty row, which makes no card, such a row is a card of its own.
    const contact_table gap = made("Firma;Mail;Ulice;Mesto\nAlfa s.r.o.;a@alfa.cz;Dlouha 5;Praha\n;;;\n;;Skladova 9;Kladno\n"
                                   "Beta a.s.;b@beta.cz;Kratka 2;Brno\nGama k.s.;g@gama.cz;Nova 7;Olomouc\n");
    EXPECT_EQ(gap.more_addresses.count, 0U);
    EXPECT_TRUE(has_line(gap.table, "Skladova 9;;;POSTAL;Skladova 9;Kladno")) << gap.table;
    // As many such rows as the others: the names stand in a column not read, and each row stays a card.
    const contact_table half = made("Firma;Mail;Ulice;Mesto\nAlfa s.r.o.;a@alfa.cz;Dlouha 5;Praha\n;;Skladova 9;Kladno\n");
    EXPECT_EQ(half.more_addresses.count, 0U);
    EXPECT_TRUE(has_line(half.table, "Skladova 9;;;POSTAL;Skladova 9;Kladno")) << half.table;
}

TEST(PrepMembers, AMailboxInAPhonesSlotIsAnEmail) {
    // An old organiser's five slots: numbers and mailboxes in any of them, a slot's label as its index.
    const contact_table t = made("Lastname,Firstname,Phone_1_Index,Phone_1,Phone_2_Index,Phone_2,Phone_3\n"
                                 "Vondrak,Jaroslav,0,+420 224 812 300,4,vondrak@stavby.cz,a@b.cz\n"
                                 "Simkova,Helena,1,+420 235 301 442,7,+420 737 220 418,c@d.cz\n");
    EXPECT_TRUE(has_line(t.table, "Jaroslav Vondrak;Jaroslav;Vondrak;+420 224 812 300;VOICE;;;vondrak@stavby.cz;a@b.cz;0;4"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Helena Simkova;Helena;Simkova;+420 235 301 442;VOICE;+420 737 220 418;VOICE;c@d.cz;;1;7"))
        << t.table;
    // A region of two capitals is a region's code, though 'ON' says yes elsewhere.
    const contact_table codes = made("first_name,business_city,business_state\nTomas,Toronto,ON\nAnna,Ottawa,ON\n");
    EXPECT_TRUE(has_line(codes.table, "FN;GIVEN;ADR1 TYPE;ADR1 CITY;ADR1 REGION")) << codes.table;
    EXPECT_TRUE(has_line(codes.table, "Tomas;Tomas;WORK;Toronto;ON")) << codes.table;
    // 'NO' in capitals beside 'YES' still says no.
    const contact_table flags = made("Name;Email;Newsletter\nJan Novak;j@x.cz;YES\nEva Mala;e@x.cz;NO\nOta Kral;o@x.cz;NO\n");
    EXPECT_NE(flags.left_off.find("'Newsletter' (a flag)"), std::string::npos) << flags.left_off;
}

TEST(PrepMembers, AnOrderOrAPaymentIsItsBuyersCard) {
    // A marketplace's order: the tax is an amount, no firm's fact; a US ZIP+4 is a postal code.
    const contact_table order = made("buyer-name\titem-tax\tship-address-1\tship-city\tship-postal-code\n"
                                     "Karen Kowalczyk\t1.50\t1408 Brownsville Rd\tPittsburgh\t15210-2613\n"
                                     "Emily Carter\t0.00\t9 Elm St\tAkron\t44308\n");
    EXPECT_TRUE(has_line(order.table, "Karen Kowalczyk;Karen;Kowalczyk;POSTAL;1408 Brownsville Rd;Pittsburgh;15210 2613;1.50"))
        << order.table;
    // A payment: the name on the card is the payer's.
    const contact_table paid = made("Customer Description,Customer Email,Card Name\nMember 0412,sk@gmail.com,Siobhan Keane\n");
    EXPECT_TRUE(has_line(paid.table, "Siobhan Keane;Siobhan;Keane;Member 0412;sk@gmail.com")) << paid.table;
    // The account's own mailbox the payments went to is no payer's.
    const contact_table received = made("Name,From Email Address,To Email Address\nOliver Hughes,oh@gmail.com,sales@avon.co.uk\n"
                                        "Beata Kaminska,bk@o2.pl,sales@avon.co.uk\nIan Reid,ir@bt.com,sales@avon.co.uk\n"
                                        "Ola Berg,ob@web.de,sales@avon.co.uk\n");
    EXPECT_TRUE(has_line(received.table, "Oliver Hughes;Oliver;Hughes;oh@gmail.com;sales@avon.co.uk")) << received.table;
    EXPECT_NE(received.left_off.find("'To Email Address' (the same few values in every row)"), std::string::npos)
        << received.left_off;
}

TEST(PrepMembers, AFirmInTheFamilyNamesPlaceLeavesTheCardToItsContact) {
    const contact_table t = made("Co./Last Name,First Name,Contact Name\nFitzroy Organic Grocer,,Marta Horvat\n"
                                 "Kowalski,,Tomasz Kowalski\nNovak,Jan,Eva Mala\n");
    EXPECT_TRUE(has_line(t.table, "Marta Horvat;Marta;Horvat;Fitzroy Organic Grocer")) << t.table;
    // A family name that is part of the contact's is the contact's own; a row with a given name keeps its person.
    EXPECT_TRUE(has_line(t.table, "Tomasz Kowalski;Tomasz;Kowalski;")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;")) << t.table;
}

TEST(PrepMembers, AHomeWithNoOneInItIsARecordOfItsOwn) {
    // A meter list: a home no one is named for has its own key, 'null' for the names and '0' for the number.
    const contact_table t = made("ID Person;Nachname;Vorname;Telefon;Strasse;Hausnummer\n"
                                 "17;Bergmann;Helga;3518041227;Bautzner Strasse;41\n0;null;null;0;Bautzner Strasse;45\n"
                                 "23;(null);Werner;(null);Glacisstrasse;12\n31;Koehler;Sven;1607731940;Glacisstrasse;14\n"
                                 "41;Lang;Eva;N/A;none;3\n");
    EXPECT_EQ(t.more_addresses.count, 0U);
    EXPECT_TRUE(has_line(t.table, "Helga Bergmann;Helga;Bergmann;3518041227;VOICE;HOME;Bautzner Strasse 41;17")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Bautzner Strasse 45;;;;;POSTAL;Bautzner Strasse 45;0")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Werner;Werner;;;;HOME;Glacisstrasse 12;23")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Lang;Eva;Lang;;;HOME;3;41")) << t.table;  // 'N/A' and 'none' are no values
}

TEST(PrepMembers, ABareContactIsTheFirmsPersonOrHowToReachIt) {
    const contact_table people = made("name;contact;email\nBuchhandlung Thalia;Verena Koller;einkauf@thalia.at\n"
                                      "Papirnictvi Pero s.r.o.;Jitka Benesova;pero@pero.cz\nKarl Huber;;karl@huber.at\n");
    EXPECT_TRUE(has_line(people.table, "Verena Koller;Verena;Koller;Buchhandlung Thalia;einkauf@thalia.at")) << people.table;
    EXPECT_TRUE(has_line(people.table, "Karl Huber;Karl;Huber;;karl@huber.at")) << people.table;
    // Addresses under it are the e-mail, as its values say.
    const contact_table mails = made("Firma;Contact\nAlfa s.r.o.;jan@alfa.cz\nBeta a.s.;petr@beta.cz\nGama k.s.;eva@gama.cz\n");
    EXPECT_TRUE(has_line(mails.table, "Alfa s.r.o.;Alfa s.r.o.;jan@alfa.cz")) << mails.table;
}

TEST(PrepMembers, AColumnOfMailboxesAndNumbersMixedGivesEachItsPlace) {
    const std::string rows = "Novak;Jan;jan@novak.cz\nSvoboda;Petr;+420 603 411 275\nDvorak;Ota;ota@dvorak.cz\n"
                             "Mala;Eva;eva@mala.cz\nCerna;Iva;\nBily;Karel;777 219 804\n";
    const contact_table t = made("Prijmeni;Jmeno;Kontakt pro dobrovolniky\n" + rows);
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;;;jan@novak.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Svoboda;Petr;Svoboda;+420 603 411 275;VOICE;")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Iva Cerna;Iva;Cerna;;;")) << t.table;
    // Said so by a correction, a column of either is read the same way.
    const contact_table said = made("Prijmeni;Jmeno;Spojeni\n" + rows, {column_override{"Spojeni", "email-or-phone"}});
    EXPECT_TRUE(has_line(said.table, "Karel Bily;Karel;Bily;777 219 804;VOICE;")) << said.table;
    // Two numbers of a dozen make a column of both; one number in ten is a stray value: no column of both.
    const contact_table two = made("Client Name;Contact Info\nA B;a@x.cz\nC D;+420 602 555 184\nE F;e@x.cz\nG H;g@x.cz\n"
                                   "I J;i@x.cz\nK L;k@x.cz\nM N;m@x.cz\nO P;o@x.cz\nQ R;q@x.cz\nS T;s@x.cz\nU V;u@x.cz\n"
                                   "W X;+420 777 555 902\n");
    EXPECT_TRUE(has_line(two.table, "C D;C;D;+420 602 555 184;VOICE;")) << two.table;
    EXPECT_TRUE(has_line(two.table, "A B;A;B;;;a@x.cz")) << two.table;
    const contact_table both = made("Client Name;Contact Info\nA B;a@x.cz\nC D;\"c@x.sk; +421 905 555 276\"\nE F;+420 777 555 902\n"
                                    "G H;g@x.cz\nI J;i@x.cz\nK L;k@x.cz\nM N;m@x.cz\nO P;o@x.cz\nQ R;q@x.cz\nS T;s@x.cz\n"
                                    "U V;u@x.cz\nW X;+420 602 555 184\n");
    EXPECT_TRUE(has_line(both.table, "C D;C;D;+421 905 555 276;VOICE;c@x.sk")) << both.table;
    const contact_table mails = made("Prijmeni;Jmeno;Kontakt\nA;Jan;a@x.cz\nB;Jan;b@x.cz\nC;Jan;c@x.cz\nD;Jan;d@x.cz\n"
                                     "E;Jan;e@x.cz\nF;Jan;f@x.cz\nG;Jan;g@x.cz\nH;Jan;777 219 804\nI;Jan;viz web\nJ;Jan;neuvedeno\n");
    EXPECT_EQ(std::count(mails.header.begin(), mails.header.end(), "TEL1"), 0) << mails.table;
}

TEST(PrepNames, AFamilyNameInCapitalsOrAWifesNameWrittenFirst) {
    const contact_table t = made("Name;E-mail\nNOVAK Jan;jn@x.cz\nDUPONT Jean Pierre;jp@x.fr\nSvobodova Marie;ms@x.cz\n"
                                 "JAN NOVAK;nj@x.cz\nJ. Novak;j@x.cz\nMarie Svobodova;sm@x.cz\nPetra Novakova;pn@x.cz\n"
                                 "Novakova Jana Marie;nm@x.cz\n");
    EXPECT_TRUE(has_line(t.table, "Jan NOVAK;Jan;NOVAK;jn@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jean Pierre DUPONT;Jean Pierre;DUPONT;jp@x.fr")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Marie Svobodova;Marie;Svobodova;ms@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Jana Marie Novakova;Jana Marie;Novakova;nm@x.cz")) << t.table;
    // All in capitals, an initial, or written given name first: as written.
    EXPECT_TRUE(has_line(t.table, "JAN NOVAK;JAN;NOVAK;nj@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "J. Novak;J.;Novak;j@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Marie Svobodova;Marie;Svobodova;sm@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petra Novakova;Petra;Novakova;pn@x.cz")) << t.table;
}

TEST(PrepNames, OneWordAfterATitleIsTheFamilyName) {
    // A school's webmail names its staff as the pupils address them.
    const contact_table t = made("Name,Email\nMrs Patel,rp@school.uk\nIng. Novak,in@x.cz\nDaniel Hughes,dh@school.uk\n"
                                 "Anna,a@x.cz\n");
    EXPECT_TRUE(has_line(t.table, "Mrs Patel;;Patel;Mrs;rp@school.uk")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Ing. Novak;;Novak;Ing.;in@x.cz")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Daniel Hughes;Daniel;Hughes;;dh@school.uk")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Anna;Anna;;;a@x.cz")) << t.table;  // one word alone may be a given name
    // A litigation file's contacts: a title before the given name is the prefix; 'LLP' is a firm's form.
    const contact_table law = made("first_name,last_name,company\nDr. Linda,Park,\nJan,Kos,\n,,Headingley Physio LLP\n");
    EXPECT_TRUE(has_line(law.table, "Linda Park;Linda;Park;Dr.;")) << law.table;
    EXPECT_TRUE(has_line(law.table, "Headingley Physio LLP;;;;Headingley Physio LLP")) << law.table;
    // A firm's desk where its person's name stands: the card is the firm's, the desk its department.
    const contact_table desk = made("First Name,Last Name,Company,Email\nAccounts,Payable,Nordlicht GmbH,ap@n.de\n"
                                    "Reception,,Kensington Hotel,r@k.uk\nJan,Kos,Acme,j@a.cz\nSales,,,s@x.cz\n");
    EXPECT_TRUE(has_line(desk.table, "Nordlicht GmbH;;;Nordlicht GmbH;Accounts Payable;ap@n.de")) << desk.table;
    EXPECT_TRUE(has_line(desk.table, "Kensington Hotel;;;Kensington Hotel;Reception;r@k.uk")) << desk.table;
    EXPECT_TRUE(has_line(desk.table, "Sales;Sales;;;;s@x.cz")) << desk.table;  // with no firm, a name as written
}

}  // namespace
}  // namespace rowcard
