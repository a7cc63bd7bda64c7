// rowcard-prep on exports whose columns tell only together: an ERP's partners
// under names in two languages, a membership tool's accounts that are a firm's
// or a private person's, a phone book whose headers name nothing it knows, a
// library's patrons, a billing tool's bill-to contacts, a venue's guests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "made_table.hpp"
#include "prep/columns.hpp"
#include "prep/vocabulary.hpp"
#include "read_header_cases.hpp"

namespace rowcard {
namespace {

using enum field_role;

// Returns the field each column of `header` is read as, over `rows` (one
// vector of values per row).
std::vector<field_role> read_as(const std::vector<std::string>& header, const std::vector<std::vector<std::string_view>>& rows) {
    std::vector<std::vector<std::string_view>> columns(header.size());
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < header.size(); ++c) columns[c].push_back(row[c]);
    }
    std::vector<field_role> out;
    for (const column_reading& r : read_columns(header, columns, {}).columns) out.push_back(r.role.what);
    return out;
}

TEST(PrepPartners, ANameInTwoLanguagesIsReadWhereItsHalvesAgree) {
    expect_read({{"Firstname_Vorname", given}, {"Lastname_Nachname", family}, {"Companyname_Firmenname", org},
                 {"CountryCode_ISO-Ländercode", country_code, -4}, {"ISO-Ländercode", country_code, -4},
                 {"RegionName_Region", region, -4}, {"Road", street, -4}, {"Additional address", street2, -4},
                 // Halves that differ keep the whole header's reading: a mobile phone, not a plain one.
                 {"phone_mobile", phone, 0, "CELL"}, {"home_phone", phone, 0, "HOME"}, {"Value_Suchschlüssel", none},
                 // A contact person's whole name is the card's name.
                 {"Contact person full name", full}},
                export_language::unknown);
}

TEST(PrepPartners, ARegionAndItsCountrysCodeAreAnAddress) {
    const contact_table t = made("Firstname;Lastname;CountryCode;Region\nMarkus;Obermaier;DE;BY\nStefan;Kogl;AT;T\n");
    EXPECT_TRUE(has_line(t.table, "Markus Obermaier;Markus;Obermaier;HOME;BY;DE")) << t.table;
    // A country's code beside only a postal code is where a subscriber signed up.
    const contact_table signup = made("Email;ZipCode;ISOCountryCode\njan@firma.cz;1010;DE\neva@firma.cz;10435;DE\n");
    EXPECT_EQ(signup.header.back(), "ISOCountryCode") << signup.table;
}

TEST(PrepPartners, TheFirmsNameAgainInTheNameColumnLeavesThePersonsName) {
    const contact_table t = made("Companyname;Name;Firstname;Lastname\n"
                                 "Reiter Bau KG;Reiter Bau KG;Claudia;Reiter\nAnna Zellner;Anna Zellner;Anna;Zellner\n");
    EXPECT_TRUE(has_line(t.table, "Claudia Reiter;Claudia;Reiter;Reiter Bau KG")) << t.table;
    // A private customer's own name in the firm's column is no firm.
    EXPECT_TRUE(has_line(t.table, "Anna Zellner;Anna;Zellner;")) << t.table;
}

TEST(PrepPartners, AnAccountIsAFirmsOrAPrivatePersons) {
    const std::string text = "Account name;Contact name;Organization name;Email\n"
                             "Koller Logistik GmbH;Harald Koller;Koller Logistik GmbH;hk@koller.at\n"
                             "Andrea Mrazova;;;andrea@gmail.com\n";
    const contact_table t = made(text);
    EXPECT_TRUE(has_line(t.table, "Harald Koller;Harald;Koller;Koller Logistik GmbH;hk@koller.at")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Andrea Mrazova;Andrea;Mrazova;;andrea@gmail.com")) << t.table;
    // Where the account differs from the firm in a row, it is a second firm column, as read before.
    const contact_table other = made("Account name;Organization name;Email\nKoller GmbH;Koller Logistik GmbH;hk@koller.at\n"
                                     "Andrea Mrazova;;andrea@gmail.com\n");
    EXPECT_FALSE(has_line(other.table, "Andrea Mrazova;Andrea;Mrazova;;andrea@gmail.com")) << other.table;
    // An account that is always its firm, or beside a firm column never filled, is the firm still.
    EXPECT_EQ(read_as({"Account name", "Organization name", "Email"},
                      {{"Koller GmbH", "Koller GmbH", "hk@koller.at"}, {"Wagner KG", "Wagner KG", "w@wagner.at"}})[0],
              org);
    EXPECT_EQ(read_as({"Account name", "Organization name", "Email"}, {{"Koller GmbH", "", "hk@koller.at"},
                                                                        {"Wagner KG", "", "w@wagner.at"}})[0],
              org);
    // The contact person's column, first or not, becomes the person's where the account is the row's name.
    EXPECT_EQ(read_as({"Contact name", "Account name", "Organization name"},
                      {{"Harald Koller", "Koller GmbH", "Koller GmbH"}, {"", "Andrea Mrazova", ""}}),
              (std::vector<field_role>{contact, full, org}));
    // Where a contact person's column stands already, the reading stays as it was.
    EXPECT_EQ(read_as({"Attention", "Name", "Account name", "Organization name"},
                      {{"Eva Mala", "Harald Koller", "Koller GmbH", "Koller GmbH"}, {"", "", "Andrea Mrazova", ""}}),
              (std::vector<field_role>{contact, full, org, org}));
    EXPECT_EQ(read_as({"Name", "Attention", "Account name", "Organization name"},
                      {{"Harald Koller", "Eva Mala", "Koller GmbH", "Koller GmbH"}, {"", "", "Andrea Mrazova", ""}}),
              (std::vector<field_role>{full, contact, org, org}));
    // A correction stands: the account kept as the company.
    const contact_table asked = made(text, {{"Account name", "company"}});
    EXPECT_FALSE(has_line(asked.table, "Andrea Mrazova;Andrea;Mrazova;;andrea@gmail.com")) << asked.table;
}

TEST(PrepPartners, AnInvoicesNameIsThePersonsOrTheirFirms) {
    const contact_table t = made("Customer Name;Invoice Name;Email\nKovacs Janos;Kovacs Janos;k@posta.hu\n"
                                 "Nagy Odon;Nagy es Tarsa Bt.;n@nagy.hu\nSzabo Laszlo;Szabo Laszlo;sz@posta.hu\n"
                                 "Toth Gabor;Toth Gabor;t@posta.hu\nOlah Reka;Miskolci Egyetem;o@uni.hu\n");
    EXPECT_TRUE(has_line(t.table, "Kovacs Janos;Janos;Kovacs;;k@posta.hu")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Nagy Odon;Odon;Nagy;Nagy es Tarsa Bt.;n@nagy.hu")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Olah Reka;Reka;Olah;Miskolci Egyetem;o@uni.hu")) << t.table;
    // Another person's name in some row: the column is no firm's.
    const contact_table other = made("Customer Name;Invoice Name\nJan Novak;Eva Mala\nPetr Dvorak;Alfa s.r.o.\n"
                                     "Ota Kral;Ota Kral\n");
    EXPECT_EQ(other.table.find("ORG"), std::string::npos) << other.table;
}

TEST(PrepPartners, ALegalFormEndsAFirmsNameButNotAFloorsNumber) {
    const contact_table t = made("Name;Strasse;Ort\nSchreibwaren Wagner OG;Linzer Strasse 5;Wels\n"
                                 "Petra Aigner;Hauptplatz 3;Steyr\n");
    // Austria's partnership ('OG') is a firm; the same letters after a number are a floor.
    EXPECT_TRUE(has_line(t.table, "Schreibwaren Wagner OG;;;Schreibwaren Wagner OG;WORK;Linzer Strasse 5;Wels")) << t.table;
    EXPECT_EQ(read_as({"Vorname", "Nachname", "Info"}, {{"Petra", "Aigner", "2. OG"}, {"Jonas", "Mayr", "3. OG"}})[2], none);
    // A floor or 'c/o' as the only line of an address that has no street is no street.
    const contact_table floors = made("Vorname;Nachname;Adresszusatz;PLZ;Ort\nPetra;Aigner;2. OG;4400;Steyr\n"
                                      "Jonas;Mayr;bei Huber;4470;Enns\n");
    EXPECT_TRUE(has_line(floors.table, "Petra Aigner;Petra;Aigner;HOME;Steyr;4400;2. OG")) << floors.table;
    // A society, a fund or a union is no person, though its name holds a family's.
    const contact_table donors = made("Name;Email\nKowalski Family Foundation;kff@example.org\n"
                                      "Dvorak Memorial Fund;fund@example.org\nJana Dvorak;jana@example.org\n");
    EXPECT_TRUE(has_line(donors.table, "Kowalski Family Foundation;;;Kowalski Family Foundation;kff@example.org")) << donors.table;
    EXPECT_TRUE(has_line(donors.table, "Dvorak Memorial Fund;;;Dvorak Memorial Fund;fund@example.org")) << donors.table;
    EXPECT_TRUE(has_line(donors.table, "Jana Dvorak;Jana;Dvorak;;jana@example.org")) << donors.table;
    // A club is a firm's name too, but a column whose values alone say so, the same in every row, is the
    // club that keeps the list.
    std::string members = "Name;Main Club\nSteel Valley Rotary Club;\n";
    for (const char* name : {"Eva Mala", "Jan Novak", "Ota Kral", "Iva Bila", "Petr Maly"}) {
        members += std::string(name) + ";Ealing Sub Aqua Club\n";
    }
    const contact_table clubs = made(members);
    EXPECT_TRUE(has_line(clubs.table, "Steel Valley Rotary Club;;;Steel Valley Rotary Club;")) << clubs.table;
    EXPECT_NE(clubs.left_off.find("'Main Club' (the same few values in every row)"), std::string::npos) << clubs.left_off;
    // A garden centre, and a Romanian authorised person's firm ('PFA'), are firms too.
    const contact_table firms = made("Nazwa;Email\nCentrum Ogrodnicze Rosa;rosa@ogrod.pl\nANDRONACHE MARIA PFA;am@pfa.ro\n"
                                     "Jan Kowalski;jk@wp.pl\nKwiaciarnia Bratek Anna Kubiak;ak@bratek.pl\n");
    EXPECT_TRUE(has_line(firms.table, "Centrum Ogrodnicze Rosa;;;Centrum Ogrodnicze Rosa;rosa@ogrod.pl")) << firms.table;
    EXPECT_TRUE(has_line(firms.table, "ANDRONACHE MARIA PFA;;;ANDRONACHE MARIA PFA;am@pfa.ro")) << firms.table;
    // A florist's before its owner's name is the florist's; a person alone is a person.
    EXPECT_TRUE(has_line(firms.table, "Kwiaciarnia Bratek Anna Kubiak;;;Kwiaciarnia Bratek Anna Kubiak;ak@bratek.pl"))
        << firms.table;
    EXPECT_TRUE(has_line(firms.table, "Jan Kowalski;Jan;Kowalski;;jk@wp.pl")) << firms.table;
    // Schools by their kind: a lyceum, a kindergarten.
    const contact_table schools = made("Nazwa;Email\nV Liceum Ogolnoksztalcace w Krakowie;lo5@krakow.pl\n"
                                       "Przedszkole nr 3 w Nowym Saczu;p3@sacz.pl\n");
    EXPECT_TRUE(has_line(schools.table, "Przedszkole nr 3 w Nowym Saczu;Przedszkole nr 3 w Nowym Saczu;p3@sacz.pl"))
        << schools.table;
}

TEST(PrepPartners, HeadersThatNameNothingAreReadByTheirValues) {
    const contact_table t = made("cid;cidname\n015123348091;Florian Huber\n08731321840;Praxis Dr. Seidl\n"
                                 "01714290335;Katrin Wimmer\n");
    EXPECT_TRUE(has_line(t.table, "Florian Huber;Florian;Huber;;015123348091;VOICE")) << t.table;
    // A doctor's practice is a firm, whatever titles its name holds.
    EXPECT_TRUE(has_line(t.table, "Praxis Dr. Seidl;;;Praxis Dr. Seidl;08731321840;WORK")) << t.table;
}

TEST(PrepPartners, APatronsAddressesAndABillToContactsName) {
    expect_read({{"streetnumber", house_number, -4}, {"contry", country, -4}, {"BillToContact.FirstName", given},
                 {"ShipToContact.LastName", family}, {"BillTo.FirstName", given}},
                export_language::unknown);
    // 'alternate' is a second address, not more of the first.
    const contact_table t = made("surname;firstname;streetnumber;address line;city;alternate streetnumber;"
                                 "alternate address line 1;alternate city\nKwiecien;Bartek;47;Dluga;Krakow;4;Rynek;Nowy Targ\n");
    EXPECT_TRUE(has_line(t.table, "Bartek Kwiecien;Bartek;Kwiecien;HOME;Dluga 47;Krakow;POSTAL;Rynek 4;Nowy Targ")) << t.table;
}

TEST(PrepPartners, AFlagTypesAPhoneAndWordsAreNoNumber) {
    const contact_table t = made("Name;PrimaryPhone;IsPrimaryPhoneMobile\nZiga Kranjc;041552318;TRUE\n"
                                 "Ana Novak;012345678;FALSE\nTin Vukovic;031704662;1\n");
    EXPECT_TRUE(has_line(t.table, "Ziga Kranjc;Ziga;Kranjc;041552318;CELL")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Ana Novak;Ana;Novak;012345678;VOICE")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Tin Vukovic;Tin;Vukovic;031704662;CELL")) << t.table;
    // A delivery's note under 'other' is no phone; a number with a word is one.
    const contact_table notes = made("Name;other;phone\nHana Mala;zvonit 2x;604881230\nJan Bily;;604881231\n"
                                     "Eva Zelena;Durchwahl 12;604881232\n");
    EXPECT_EQ(notes.header, (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "TEL1", "TEL1 TYPE", "other"}))
        << notes.table;
    const contact_table numbers = made("Name;other\nHana Mala;602 123 456 (mobil)\nJan Bily;603 123 456\n");
    EXPECT_EQ(numbers.header[3], "TEL1") << numbers.table;
}

TEST(PrepPartners, ServiceAndFreightToolsSitesTownsAndCodes) {
    expect_read({{"AccountContactFirstName", given}, {"AccountContactLastName", family}, {"AddressContact", contact},
                 {"location_name", org}, {"Suburb", city, -4}, {"Work Address Locality", city, -1, "WORK"},
                 // A shipment's recipient after its address's words; the address's own lines stay its own.
                 {"address_shipping_first_name", given}, {"address_billing_line1", street, -6, "POSTAL"}},
                export_language::unknown);
    // Codes of letters and digits under a header that says postal code are postal codes.
    const contact_table t = made("ContactName;City;PostalCode\nKrystyna Nowicka;Toronto;M6P1Z2\n"
                                 "Jerzy Malinowski;Mississauga;L5E 1E9\nAnna Kowal;London;SW1A 1AA\n");
    EXPECT_TRUE(has_line(t.table, "Krystyna Nowicka;Krystyna;Nowicka;HOME;Toronto;M6P1Z2")) << t.table;
    const contact_table ids = made("ContactName;City;PostalCode\nKrystyna Nowicka;Toronto;AB12CD34\n"
                                   "Jerzy Malinowski;Mississauga;XY99ZZ11\n");
    EXPECT_EQ(ids.header.back(), "PostalCode") << ids.table;
}

TEST(PrepPartners, ALoginBesideTheWholeNameIsNoName) {
    const contact_table t = made("Name;FullName;Description\njnovak;Jan Novak;Vedeni\npsvoboda;Petr Svoboda;Sklad\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;Vedeni;jnovak")) << t.table;
    // Alone, single words are names still.
    const contact_table alone = made("Name;Email\nHonza;honza@firma.cz\nPetr;petr@firma.cz\n");
    EXPECT_EQ(alone.header[0], "FN") << alone.table;
    EXPECT_TRUE(has_line(alone.table, "Honza;Honza;honza@firma.cz")) << alone.table;
}

TEST(PrepPartners, OfficeSuitesAndShopsLoginsTypeLettersAndRooms) {
    // A type's letter before the name is no word of it; 'EmailID' is the address.
    expect_read({{"cVorname", given}, {"cNachname", family}, {"dGeburtstag", birthday}, {"eMail", email},
                 {"EmailID", email}},
                export_language::unknown);
    const contact_table t = made("User Name;First Name;Last Name;Office Number;Office Phone;Alternate email address\n"
                                 "tomas@atelier.cz;Tomas;Hruby;2.01;+420 541 210 300;tomas@seznam.cz\n"
                                 "lenka@atelier.cz;Lenka;Mala;3.14;+420 541 210 301;\n");
    // A login that is an e-mail is the person's; a room's number is no phone.
    EXPECT_TRUE(has_line(t.table, "Tomas Hruby;Tomas;Hruby;+420 541 210 300;WORK;tomas@atelier.cz;tomas@seznam.cz;2.01"))
        << t.table;
    // A login of no e-mail stays off; an address written twice in a row is one, whatever its case.
    const contact_table twice = made("username;email;Name\njkovac;JKovac@gym.sk;Jana Kovac\npmal;p@gym.sk;Petr Mal\n"
                                     "x;jk@gym.sk, JK@gym.sk;Ota Bily\n");
    EXPECT_TRUE(has_line(twice.table, "Jana Kovac;Jana;Kovac;JKovac@gym.sk")) << twice.table;
    EXPECT_TRUE(has_line(twice.table, "Ota Bily;Ota;Bily;jk@gym.sk")) << twice.table;
    const contact_table logins = made("username;email;Name\njk@gym.sk;JK@gym.sk;Jana Kovac\npm@gym.sk;p.m@gym.sk;Petr Mal\n");
    EXPECT_TRUE(has_line(logins.table, "Jana Kovac;Jana;Kovac;jk@gym.sk;")) << logins.table;
    EXPECT_TRUE(has_line(logins.table, "Petr Mal;Petr;Mal;pm@gym.sk;p.m@gym.sk")) << logins.table;
}

TEST(PrepPartners, ADisplayNameOfThePersonAndTheFirmAndPrivatePersonsAmongFirms) {
    // 'Grzegorz Wójcik - Energoprojekt-Katowice SA': the person's names, then the firm's.
    const contact_table shown = made("Imie;Nazwisko;Nazwa wyswietlana;Lokalizacja\n"
                                     "Grzegorz;Wojcik;Grzegorz Wojcik - Energoprojekt SA;Katowice\n"
                                     "Beata;Soltys;Beata Soltys;Katowice\n");
    EXPECT_TRUE(has_line(shown.table, "Grzegorz Wojcik;Grzegorz;Wojcik;Energoprojekt SA;POSTAL;Katowice")) << shown.table;
    EXPECT_TRUE(has_line(shown.table, "Beata Soltys;Beata;Soltys;;HOME;Katowice")) << shown.table;
    const contact_table plain = made("Imie;Nazwisko;Nazwa wyswietlana\nGrzegorz;Wojcik;Grzegorz Wojcik - Energoprojekt\n"
                                     "Beata;Soltys;Beata Soltys - Hutnik Katowice\n");
    EXPECT_TRUE(has_line(plain.table, "Grzegorz Wojcik;Grzegorz;Wojcik;Energoprojekt")) << plain.table;
    // Firms with their contact persons, and private persons with none, in one column: each row's own name.
    const contact_table mixed = made("firma_name;kontakt_person;email\nBaumgartner Holzbau AG;Reto Baumgartner;r@b.ch\n"
                                     "Lukas Scharer;;l@s.ch\nRochat Vins Sarl;Beatrice Rochat;b@r.ch\nUrs Imhof;;u@i.ch\n"
                                     "Wyss AG;Fabian Wyss;f@w.ch\nNadine Keller;;n@k.ch\nEgli GmbH;Simon Egli;s@e.ch\n");
    EXPECT_TRUE(has_line(mixed.table, "Lukas Scharer;Lukas;Scharer;;l@s.ch")) << mixed.table;
    EXPECT_TRUE(has_line(mixed.table, "Reto Baumgartner;Reto;Baumgartner;Baumgartner Holzbau AG;r@b.ch")) << mixed.table;
    // Where most rows without a legal form have a contact person, the column is the firms'.
    const contact_table firms = made("firma_name;kontakt_person;email\nBaumgartner Holzbau AG;Reto Baumgartner;r@b.ch\n"
                                     "Z Treuhand GmbH;Corinne Z;c@z.ch\nWyss AG;Fabian Wyss;f@w.ch\n"
                                     "Frick Architektur;Andreas Frick;a@f.ch\nEgli Gartenbau;Simon Egli;s@e.ch\nUrs Imhof;;u@i.ch\n");
    EXPECT_TRUE(has_line(firms.table, "Urs Imhof;;;Urs Imhof;u@i.ch")) << firms.table;
}

TEST(PrepPartners, ADoctorsTitlesInTheFamilyNameAndAPracticesFormerName) {
    const contact_table t = made("Anrede;Nachname;Vorname;Praxisname;Praxisname_alt\n"
                                 "Frau;Dr. Brandl;Christine;Zahnarztpraxis Dr. Brandl;\n"
                                 "Herr;Dr. med. dent. Kaltenbach;Michael;Praxis Kaltenbach;Praxis Dr. Huber sen.\n");
    EXPECT_TRUE(has_line(t.table, "Christine Brandl;Christine;Brandl;Frau Dr.;Zahnarztpraxis Dr. Brandl")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Michael Kaltenbach;Michael;Kaltenbach;Herr Dr. med. dent.;Praxis Kaltenbach")) << t.table;
    EXPECT_NE(t.reading.find("'Praxisname_alt': left off (not for the card)"), std::string::npos) << t.reading;
    // A particle stays with the family name; a title already in the prefix is not written twice.
    const contact_table noble = made("Titel;Nachname;Vorname\nDr.;Dr. von Spee;Elisabeth\n;Dr. Novak, Ph.D.;Jan\n");
    EXPECT_TRUE(has_line(noble.table, "Elisabeth von Spee;Elisabeth;von Spee;Dr.;")) << noble.table;
    EXPECT_TRUE(has_line(noble.table, "Jan Novak;Jan;Novak;Dr.;Ph.D.")) << noble.table;
}

TEST(PrepPartners, AFirmsPlainPhoneBesideAPrivateOneIsTheOffices) {
    const std::string rows = "Brandl;Christine;Praxis Brandl;089 331 2040;089 551 0001;0171 440 2190\n";
    const contact_table t = made("Nachname;Vorname;Praxisname;Telefon;Telefon privat;Mobil\n" + rows);
    EXPECT_TRUE(has_line(t.table, "Christine Brandl;Christine;Brandl;Praxis Brandl;089 331 2040;WORK;089 551 0001;HOME;0171 440 2190;CELL")) << t.table;
    // No firm named: a plain number says nothing of whose it is.
    const contact_table own = made("Nachname;Vorname;Telefon;Telefon privat\nBrandl;Christine;089 331 2040;089 551 0001\n");
    EXPECT_TRUE(has_line(own.table, "Christine Brandl;Christine;Brandl;089 331 2040;VOICE;089 551 0001;HOME")) << own.table;
    // A work number of its own beside the private one leaves the plain one untyped.
    const contact_table both = made("Nachname;Vorname;Firma;Telefon;Telefon privat;Telefon geschäftlich\n"
                                    "Brandl;Christine;Praxis Brandl;089 331 2040;089 551 0001;089 331 2042\n");
    EXPECT_TRUE(has_line(both.table, "Christine Brandl;Christine;Brandl;Praxis Brandl;089 331 2040;VOICE;089 551 0001;HOME;089 331 2042;WORK")) << both.table;
}

TEST(PrepPartners, FirmsByTheirFormBeforeOrAfterOrByACompoundsHead) {
    const contact_table t = made("Name;E-Mail\nWeinhaus Pfeiffer e.K.;w@p.de\nStadtwerke Kelheim;s@k.de\n"
                                 "VZW Jeugdhuis De Kroon;j@k.be\nPPHU Marek Sowa;m@s.pl\nLars Ek;l@e.se\n"
                                 "Anna Cooper;a@c.uk\nPhuong Nguyen;p@n.vn\n");
    for (const std::string_view firm : {"Weinhaus Pfeiffer e.K.;w@p.de", "Stadtwerke Kelheim;s@k.de",
                                        "VZW Jeugdhuis De Kroon;j@k.be", "PPHU Marek Sowa;m@s.pl"}) {
        const std::string name(firm.substr(0, firm.find(';')));
        EXPECT_TRUE(has_line(t.table, name + ";;;" + std::string(firm))) << t.table;
    }
    // A Swedish 'Ek', an English name ending in a compound's head, a name opening with a form's letters.
    EXPECT_TRUE(has_line(t.table, "Lars Ek;Lars;Ek;;l@e.se")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Anna Cooper;Anna;Cooper;;a@c.uk")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Phuong Nguyen;Phuong;Nguyen;;p@n.vn")) << t.table;
}

TEST(PrepPartners, WholeAddressesUnderAHeaderThatSaysNothing) {
    const std::string rows = "Matej Zupan;\"Dunajska cesta 21, 1000 Ljubljana, Slovenia\";\"Stammkunde, seit 2009\"\n"
                             "Ursa Kranjc;\"Trzaska cesta 40, 2000 Maribor, Slovenia\";\"neu, 2024\"\n";
    // A shipping address is a postal one, as under 'Shipping Address'.
    const contact_table t = made("contactName;shipAddr;remark\n" + rows);
    EXPECT_TRUE(has_line(t.table, "Matej Zupan;Matej;Zupan;Stammkunde, seit 2009;POSTAL;Dunajska cesta 21;Ljubljana;1000;Slovenia"))
        << t.table;
    // Beside an address's own parts it is no second address.
    const contact_table parts = made("contactName;shipAddr;remark;City\n" + std::string("Matej Zupan;\"Dunajska cesta 21, 1000 Ljubljana, "
                                     "Slovenia\";x;Kranj\nUrsa Kranjc;\"Trzaska cesta 40, 2000 Maribor, Slovenia\";y;Celje\n"));
    EXPECT_TRUE(has_line(parts.table, "Matej Zupan;Matej;Zupan;x;POSTAL;Dunajska cesta 21, 1000 Ljubljana, Slovenia;Kranj"))
        << parts.table;
}

}  // namespace
}  // namespace rowcard
