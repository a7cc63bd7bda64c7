// rowcard-prep on the layouts of registers and ERPs: a name written over
// numbered columns, a firm beside its contact person, a house number under a
// bare 'Number', a calling code under a phone's header, a whole address with
// its code and town first, a register's own codes beside the real values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "made_table.hpp"

namespace rowcard {
namespace {

// A register whose family name is its first column, beside a company's facts.
contact_table make_table_first_family() {
    return made("Příjmení;Jméno;IČO;DIČ\nNovotna;;12345678;CZ12345678\nDvorak;Jiri;;\n");
}

TEST(PrepRegisters, ANameOverNumberedColumnsIsOneName) {
    // Name1 Name2 Name3, as German ERPs write a firm's name over three lines.
    // A bare 'Nr' first, with no street to go after, counts the rows.
    const contact_table t = made("Nr;Name1;Name2;Name3;Ort\n"
                                 "1;Brückner;Haustechnik;GmbH;Dresden\n"
                                 "2;Weiss;Consulting;;Rosenheim\n");
    EXPECT_TRUE(has_line(t.table, "Br\xFC" "ckner Haustechnik GmbH;Br\xFC" "ckner Haustechnik GmbH;WORK;Dresden;1"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Weiss Consulting;Weiss Consulting;WORK;Rosenheim;2")) << t.table;  // a trade's word
    EXPECT_NE(t.left_off.find("'Nr' (a number with no street)"), std::string::npos) << t.left_off;
    // A company over two columns, its legal form in the second.
    const contact_table org = made("Vorname;Nachname;Firmenname1;Firmenname2\nJan;Novak;Siemens;AG\n");
    EXPECT_TRUE(has_line(org.table, "Jan Novak;Jan;Novak;Siemens AG")) << org.table;
    // Two company columns apart are no lines of one name: the first is the company.
    const contact_table apart = made("Firmenname1;Vorname;Firmenname2\nSiemens;Jan;AG\n");
    EXPECT_EQ(apart.table.find("Siemens AG"), std::string::npos) << apart.table;
    // A whole firm's name with its legal form on the first line: the next is a department or a 'c/o'.
    const contact_table dept = made("NIMI1;NIMI2;PUHELIN\nRautakauppa Virtanen Oy;Ostoreskontra;03 4242 3000\n"
                                    "Backerei Kohler;KG;07 1\nWeiss;Consulting;08 2\n");
    EXPECT_TRUE(has_line(dept.table, "Rautakauppa Virtanen Oy;Rautakauppa Virtanen Oy;03 4242 3000;WORK")) << dept.table;
    EXPECT_TRUE(has_line(dept.table, "Backerei Kohler KG;Backerei Kohler KG;07 1;WORK")) << dept.table;
}

TEST(PrepRegisters, AFirmBesideItsContactPerson) {
    const contact_table t = made("NAZWA,ULICA,NUMER,TELEFON,OSOBA KONTAKTOWA\n"
                                 "Budimex S.A.,ul. Siedmiogrodzka,9,22 623 60 00,Łukasz Wąsowski\n"
                                 "Chrząszcz i Wspólnicy sp. z o.o.,ul. Święty Marcin,29a,+48 61 852 00 00,\n");
    // The person's name is the card's, the firm its company; the bare 'NUMER' after the street its house number.
    EXPECT_TRUE(has_line(t.table, "Lukasz Wasowski;Lukasz;Wasowski;Budimex S.A.;22 623 60 00;VOICE;"
                                  "POSTAL;ul. Siedmiogrodzka 9"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Chrzaszcz i Wsp\xF3lnicy sp. z o.o.;;;Chrzaszcz i Wsp\xF3lnicy sp. z o.o.;"
                                  "+48 61 852 00 00;WORK;WORK;ul. Swiety Marcin 29a"))
        << t.table;
    // A count after a street whose values are no house numbers stays off.
    const contact_table count = made("Name;Street;Visits\nJan Novak;Hlavni;0012\nEva Mala;Dlouha;0003\n");
    EXPECT_EQ(count.table.find("Hlavni 0012"), std::string::npos) << count.table;
}

TEST(PrepRegisters, ASecondBirthdayAndACodeWithASpreadsheetsMark) {
    // A second birthday column is kept as it is, off the card; a code a spreadsheet marked as text is dialled,
    // and kept without its mark.
    const contact_table t = made("Name;Birthday;Geburtstag;Phone;dialCode\nJan Novak;1985-04-12;12.4.1985;905123456;'421\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;19850412;+421905123456;VOICE;12.4.1985;421")) << t.table;
    // So are a postal code and a phone (an orienteering club's directory writes "'60200").
    const contact_table marked = made("Name;Adresa;Mesto;PSC;Telefon\nVit Adamek;Kotlarska 51;Brno;'60200;'603228117\n");
    EXPECT_TRUE(has_line(marked.table, "Vit Adamek;Vit;Adamek;603228117;VOICE;HOME;Kotlarska 51;Brno;60200")) << marked.table;
    // A name's apostrophe before a letter is the name's ('t Hart).
    EXPECT_TRUE(has_line(made("Voornaam;Achternaam\nAnne;'t Hart\n").table, "Anne 't Hart;Anne;'t Hart")) << t.table;
    // A row with nothing the card takes shows the first value it has.
    const contact_table bare = made("Poznamka;Name;Email\nsoused;;\n;Eva Mala;eva@x.cz\n");
    EXPECT_TRUE(has_line(bare.table, "soused;;;soused;")) << bare.table;
}

TEST(PrepRegisters, ACallingCodeUnderAPhonesHeader) {
    const contact_table t = made("Meno,Telefónne číslo Kód krajiny,Telefónne číslo\n"
                                 "Jan Novak,421,905123456\nEva Mala,421,908765432\nPetr Dvorak,420,605222333\n"
                                 "Ivan Kral,421,0905111222\nJana Mala,421,905000111\nIgor Ziak,421,905000222\n"
                                 "Hana Duskova,420,602000333\nEma Kova,421,905000444\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;+421905123456;VOICE;421")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Petr Dvorak;Petr;Dvorak;+420605222333;VOICE;420")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Ivan Kral;Ivan;Kral;0905111222;VOICE;421")) << t.table;  // dialled at home already
    // Extensions differ from row to row: they are no calling code but the end of the number before them.
    const contact_table ext = made("Name;Phone;Phone Extension\nJan Novak;+420 541 000 111;12\n"
                                   "Eva Mala;+420 541 000 222;\nPetr Dvorak;;45\n");
    EXPECT_TRUE(has_line(ext.table, "Jan Novak;Jan;Novak;+420 541 000 111 x12;VOICE")) << ext.table;
    EXPECT_TRUE(has_line(ext.table, "Eva Mala;Eva;Mala;+420 541 000 222;VOICE")) << ext.table;
    EXPECT_TRUE(has_line(ext.table, "Petr Dvorak;Petr;Dvorak;;")) << ext.table;  // an extension of no number
    // An extension with no number right before it is a desk's own line.
    const contact_table desk = made("Name;Extension number\nJan Novak;2101\nEva Mala;2102\n");
    EXPECT_TRUE(has_line(desk.table, "Jan Novak;Jan;Novak;2101;WORK")) << desk.table;
    const contact_table apart = made("Name;Phone;Email;Extension\nJan Novak;+420 541 000 111;j@x.cz;2101\n");
    EXPECT_TRUE(has_line(apart.table, "Jan Novak;Jan;Novak;+420 541 000 111;VOICE;2101;WORK;j@x.cz")) << apart.table;
}

TEST(PrepRegisters, AWholeAddressWithItsCodeAndTownFirst) {
    const contact_table t = made("Name;Address\nJanos Kovacs;1138 Budapest, Dunavirág utca 2-6., Magyarország\n"
                                 "Vasile Ceban;str. Ismail 88, MD-2001 Chișinău\n");
    // rowcard drops '-', so prep writes it a space already.
    EXPECT_TRUE(has_line(t.table, "Janos Kovacs;Janos;Kovacs;HOME;Dunavir\xE1g utca 2 6.;Budapest;1138;"
                                  "Magyarorsz\xE1g"))
        << t.table;
    EXPECT_TRUE(has_line(t.table, "Vasile Ceban;Vasile;Ceban;HOME;str. Ismail 88;Chisinau;MD 2001;")) << t.table;
}

TEST(PrepRegisters, ARegistersOwnCodesBesideTheRealValues) {
    // SecuTix: a constant organisation code, the record's number, honorifics
    // under 'TITLE' with its own word for none, the job under 'FUNCTION'.
    const contact_table t = made("ORGANIZATION,CONTACT_NR,TITLE,FUNCTION,FIRSTNAME,LASTNAME,OFFICIAL_NAME,LINE1,TOWN\n"
                                 "NDB,00004701,MRS,Dispecerka,Marketa,Vondrackova,Trans s.r.o.,Opavska 12,Ostrava\n"
                                 "NDB,00004702,MR,Architekt,Zdenek,Horejsi,Atelier Horejsi,Vinohradska 190,Praha\n"
                                 "NDB,00004703,UNDEFINED,,Bozena,Krizova,,Na Hrebenech 7,Plzen\n"
                                 "NDB,00004704,MR,,Radek,Simunek,,Duhova 2,Praha\n");
    EXPECT_TRUE(has_line(t.table, "Marketa Vondrackova;Marketa;Vondrackova;MRS;Trans s.r.o.;Dispecerka;POSTAL;"
                                  "Opavska 12;Ostrava;NDB;00004701"))
        << t.table;
    EXPECT_NE(t.left_off.find("'ORGANIZATION' (the same few values in every row)"), std::string::npos) << t.left_off;
    EXPECT_NE(t.left_off.find("'CONTACT_NR' (an id)"), std::string::npos) << t.left_off;
    // A department between a town and a country is the French 'département', a region.
    const contact_table region = made("FIRSTNAME;LASTNAME;TOWN;DEPARTMENT;COUNTRY;FUNCTION;DEPARTMENT\n"
                                      "Hana;Duskova;Jihlava;Kraj Vysocina;CZ;Referentka;Financni odbor\n");
    EXPECT_TRUE(has_line(region.table, "Hana Duskova;Hana;Duskova;Financni odbor;Referentka;HOME;Jihlava;"
                                       "Kraj Vysocina;CZ"))
        << region.table;
    // A register's abbreviations of a natural and a legal person tell a company's row.
    const contact_table kinds = made("Jméno;Příjmení / Název;Subjekt\nJiri;Dvorak;FO\n;Pekarna U klasu;PO\n");
    EXPECT_TRUE(has_line(kinds.table, "Pekarna U klasu;;;Pekarna U klasu")) << kinds.table;
    EXPECT_TRUE(has_line(kinds.table, "Jiri Dvorak;Jiri;Dvorak;")) << kinds.table;
    // Where the table has name columns, they say who is a person, whatever a company's facts say.
    const contact_table facts = make_table_first_family();
    EXPECT_TRUE(has_line(facts.table, "Novotna;;Novotna;12345678;CZ12345678")) << facts.table;
    // Without a kind, a family name alone that is no company's stays a person's.
    const contact_table alone = made("Jméno;Příjmení / Název\nJiri;Dvorak\n;Novotna Dvorakova\n;Pekarna U klasu\n");
    EXPECT_TRUE(has_line(alone.table, "Novotna Dvorakova;;Novotna Dvorakova;")) << alone.table;
    EXPECT_TRUE(has_line(alone.table, "Pekarna U klasu;;;Pekarna U klasu")) << alone.table;  // a trade's word
}

TEST(PrepRegisters, AFirmNamedAfterItsOwner) {
    // The record named after the field ('Ime partnerja'), a firm's name beside its owner's names.
    const contact_table t = made("Name;Priimek partnerja;Ime partnerja\n"
                                 "Uslugi Remontowe Marek Wojcik;Wojcik;Marek\n"
                                 "Ing. Jan Maria Novak;Novak;Jan\n"
                                 "Frizerstvo Mojca s.p.;Potocnik;Mojca\n");
    EXPECT_TRUE(has_line(t.table, "Marek Wojcik;Marek;Wojcik;Uslugi Remontowe Marek Wojcik")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Mojca Potocnik;Mojca;Potocnik;Frizerstvo Mojca s.p.")) << t.table;
    // Titles and one more given name are the person's own.
    EXPECT_TRUE(has_line(t.table, "Ing. Jan Maria Novak;Jan;Novak;")) << t.table;
    // A Polish register's kinds: a firm's row is a company card even with no legal form.
    const contact_table kinds = made("Nazwa;Podmiot;Imię;Nazwisko\nUrzad Miasta Wroclawia;Firma;;\n"
                                     "Anna Lewandowska;Osoba Fizyczna;Anna;Lewandowska\n"
                                     "Biuro Rachunkowe Anna Lis;Osoba fizyczna (firma);Anna;Lis\n");
    EXPECT_TRUE(has_line(kinds.table, "Urzad Miasta Wroclawia;;;Urzad Miasta Wroclawia")) << kinds.table;
    EXPECT_TRUE(has_line(kinds.table, "Anna Lewandowska;Anna;Lewandowska;")) << kinds.table;
    EXPECT_TRUE(has_line(kinds.table, "Anna Lis;Anna;Lis;Biuro Rachunkowe Anna Lis")) << kinds.table;
}

}  // namespace
}  // namespace rowcard

namespace rowcard {
namespace {

TEST(PrepRegisters, AContactPersonNamesTheRowsWithoutAPerson) {
    // A person's own names win; a firm's row is its contact person's card, at the firm.
    const contact_table t = made("Geschäftlicher Name;Vorname;Nachname;Name der Kontaktperson\n"
                                 ";Matthias;Oberhofer;\nApfelhof Pircher;;;Verena Pircher\nHotel Sonnenhof KG;;;\n");
    EXPECT_TRUE(has_line(t.table, "Matthias Oberhofer;Matthias;Oberhofer;")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Verena Pircher;Verena;Pircher;Apfelhof Pircher")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Hotel Sonnenhof KG;;;Hotel Sonnenhof KG")) << t.table;
    // A contact person alone is the name column itself.
    const contact_table alone = made("Ansprechpartner;Telefon\nJan Novak;+420 777 123 456\n");
    EXPECT_TRUE(alone.recognised);
    EXPECT_TRUE(has_line(alone.table, "Jan Novak;Jan;Novak;+420 777 123 456;VOICE")) << alone.table;
    // Two people named in one cell are no one person: the card is the firm's; "Family, Given" is one person.
    const contact_table two = made("NAZWA,OSOBA KONTAKTOWA\nHurtownia Baluty sp. j.,\"Jerzy Pawlak, Renata Sowa\"\n"
                                   "Drukarnia Swit S.A.,\"Lis, Tomasz\"\n");
    EXPECT_TRUE(has_line(two.table, "Hurtownia Baluty sp. j.;;;Hurtownia Baluty sp. j.")) << two.table;
    EXPECT_TRUE(has_line(two.table, "Tomasz Lis;Tomasz;Lis;Drukarnia Swit S.A.")) << two.table;
    // Beside a whole name of people and firms alike, the firm is the row's name.
    const contact_table named = made("Name;Kontaktperson\nTheresa Hofer;\nPichler Bau;Markus Pichler\n");
    EXPECT_TRUE(has_line(named.table, "Theresa Hofer;Theresa;Hofer;")) << named.table;
    EXPECT_TRUE(has_line(named.table, "Markus Pichler;Markus;Pichler;Pichler Bau")) << named.table;
}

TEST(PrepRegisters, TitlesBeforeASalutationAndANumberWrittenTwiceOnce) {
    const contact_table t = made("Anrede;Titel;Vorname;Name;Telefon;Lieferung Telefon\n"
                                 "Frau;Dr.;Friederike;Lammert;+49 351 8047 220;+49 351 8047 220\n"
                                 "Herr;;Joachim;Reuter;0341 2256 104;0341 2256 105\n");
    EXPECT_TRUE(has_line(t.table, "Friederike Lammert;Friederike;Lammert;Dr.;+49 351 8047 220;VOICE;;;Frau")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Joachim Reuter;Joachim;Reuter;;0341 2256 104;VOICE;0341 2256 105;VOICE;Herr"))
        << t.table;
    EXPECT_NE(t.left_off.find("'Anrede' (a salutation beside the titles)"), std::string::npos) << t.left_off;
    // A Slovak register's titles before the name, beside its salutation.
    const contact_table sk = made("Oslovenie;Titul pred menom;Meno;Priezvisko\nVazeny pan;Ing.;Jan;Balaz\n");
    EXPECT_TRUE(has_line(sk.table, "Jan Balaz;Jan;Balaz;Ing.;Vazeny pan")) << sk.table;
    // Alone, the salutation is the prefix.
    EXPECT_TRUE(has_line(made("Anrede;Vorname;Name\nFrau;Eva;Mala\n").table, "Eva Mala;Eva;Mala;Frau"));
}

}  // namespace
}  // namespace rowcard

namespace rowcard {
namespace {

TEST(PrepRegisters, AHungarianNameWrittenFamilyFirstInAnyLayout) {
    const contact_table t = made("Customer Name;Email\nKovács János;k@x.hu\nFekete-Molnár Katalin;f@x.hu\n"
                                 "Dr. Szabó Anna Mária;s@x.hu\nMartin Peter;m@x.sk\nPeter Nagy;p@x.sk\n"
                                 "Simon Berger;b@x.de\n");
    // As written, family name first, in the card's own FN.
    EXPECT_TRUE(has_line(t.table, "Kov\xE1" "cs J\xE1nos;J\xE1nos;Kov\xE1" "cs;;k@x.hu")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Fekete Moln\xE1r Katalin;Katalin;Fekete Moln\xE1r;;f@x.hu")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Dr. Szab\xF3 Anna M\xE1ria;Anna M\xE1ria;Szab\xF3;Dr.;s@x.hu")) << t.table;
    // Only both ends together say so.
    EXPECT_TRUE(has_line(t.table, "Martin Peter;Martin;Peter;;m@x.sk")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Peter Nagy;Peter;Nagy;;p@x.sk")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Simon Berger;Simon;Berger;;b@x.de")) << t.table;
    // A header whose own words put the family name first says so for every name under it.
    for (const char* header : {"Nazwisko i imię", "Příjmení a jméno", "last_first_name", "Name, Vorname"}) {
        const contact_table first = made(std::string(header) + ";Email\nNowak Anna;a@x.pl\nMartin Peter;m@x.sk\n");
        EXPECT_TRUE(has_line(first.table, "Nowak Anna;Anna;Nowak;a@x.pl")) << header << "\n" << first.table;
        EXPECT_TRUE(has_line(first.table, "Martin Peter;Peter;Martin;m@x.sk")) << header << "\n" << first.table;
    }
    // Given names apart ('Imiona'), beside the family name.
    const contact_table given = made("Nazwisko;Imiona\nKowalski;Jan\n");
    EXPECT_TRUE(has_line(given.table, "Jan Kowalski;Jan;Kowalski")) << given.table;
}

TEST(PrepRegisters, ASecondNumberedPersonsItemsAreNotTheFirsts) {
    // A homeowners' register numbers its owners: the second's mailbox and phone are no one's on the first's card.
    const contact_table t = made("Unit Id;Owner Name 1;Owner Email 1;Owner Phone 1;Owner Name 2;Owner Email 2;Owner Phone 2\n"
                                 "6780;John Haley;jhaley@x.net;7178906178;Paula Haley;phaley@x.net;7178906179\n");
    EXPECT_TRUE(has_line(t.table, "John Haley;John;Haley;7178906178;VOICE;jhaley@x.net;6780;Paula Haley;phaley@x.net;7178906179"))
        << t.table;
    // Where the first owner's name is empty in every row, the second is the only one named: the contact.
    const contact_table only = made("Unit;Owner Name 1;Owner Name 2;Owner Email 2\n1;;Jan Kos;j@k.cz\n2;;Eva Mala;e@m.cz\n");
    EXPECT_TRUE(has_line(only.table, "Jan Kos;Jan;Kos;j@k.cz;1")) << only.table;
    // Numbered phones and mailboxes of one person, with no second name, are all the person's.
    const contact_table one = made("Name;Phone 1;Phone 2;E-mail 1;E-mail 2\nJan Kos;602 111 222;602 333 444;a@k.cz;b@k.cz\n");
    EXPECT_TRUE(has_line(one.table, "Jan Kos;Jan;Kos;602 111 222;VOICE;602 333 444;VOICE;a@k.cz;b@k.cz")) << one.table;
    // A name's second part has no items of its own: it is the same person's ('Apellido 1' 'Apellido 2').
    const contact_table lines = made("Nombre;Apellido 1;Apellido 2;Email\nLucia;Garcia;Lopez;l@g.es\n");
    EXPECT_TRUE(has_line(lines.table, "Lucia Garcia Lopez;Lucia;Garcia Lopez;l@g.es")) << lines.table;
}

TEST(PrepRegisters, AFlatsNumberAfterTheHouses) {
    const contact_table t = made("Name;Address;No;Unit;City\nAttila Szucs;Baross ter;3;5;Gyor\nEva Mala;Dlha;12;;Nitra\n");
    // rowcard drops '/', so prep joins the numbers with a space already.
    EXPECT_TRUE(has_line(t.table, "Attila Szucs;Attila;Szucs;HOME;Baross ter 3 5;Gyor")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Eva Mala;Eva;Mala;HOME;Dlha 12;Nitra")) << t.table;
}

}  // namespace
}  // namespace rowcard

namespace rowcard {
namespace {

TEST(PrepRegisters, ANameThatIsTheCompanyAndARecordsKindOfAddress) {
    // A phone system's directory: the name is the company's where the name's parts are empty.
    const contact_table t = made("company,name,firstname,lastname\nKoncar d.d.,Ivan Horvat,Ivan,Horvat\n"
                                 "Jadrolinija,Jadrolinija,,\n");
    EXPECT_TRUE(has_line(t.table, "Jadrolinija;;;Jadrolinija")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Ivan Horvat;Ivan;Horvat;Koncar d.d.")) << t.table;
    // A name with a word of an institution or a trade is a company's, legal form or none.
    const contact_table trade = made("Name,Email\nMetzgerei Huber,office@huber.at\nSzegedi Tudomanyegyetem,info@u.hu\n"
                                     "Universitatea din Bucuresti,rector@unibuc.ro\nAnna Huber,anna@x.at\nBrauerei,b@x.de\n");
    EXPECT_TRUE(has_line(trade.table, "Metzgerei Huber;;;Metzgerei Huber;office@huber.at")) << trade.table;
    EXPECT_TRUE(has_line(trade.table, "Szegedi Tudomanyegyetem;;;Szegedi Tudomanyegyetem;info@u.hu")) << trade.table;
    EXPECT_TRUE(has_line(trade.table, "Universitatea din Bucuresti;;;Universitatea din Bucuresti;rector@unibuc.ro"))
        << trade.table;
    EXPECT_TRUE(has_line(trade.table, "Anna Huber;Anna;Huber;;anna@x.at")) << trade.table;
    // An American broker's insureds: 'Co.' and a family's 'Brothers' name firms.
    const contact_table us = made("Name,Zip Code\nGreat Lakes Tool & Die Co.,44114\nNovak Brothers Masonry,44102\nAnn Lee,44103\n");
    EXPECT_TRUE(has_line(us.table, "Great Lakes Tool & Die Co.;;;Great Lakes Tool & Die Co.;WORK;44114")) << us.table;
    EXPECT_TRUE(has_line(us.table, "Novak Brothers Masonry;;;Novak Brothers Masonry;WORK;44102")) << us.table;
    // Lithuanian and Russian forms lead the name; a Lithuanian code carries its country's mark.
    const contact_table lead = made("Name;Address\nUAB Baltijos medis;Savanoriu pr. 176, LT-50179 Kaunas\n"
                                    "OOO Baltstroj;Lenina 5, 236000 Kaliningrad\n");
    EXPECT_TRUE(has_line(lead.table, "UAB Baltijos medis;UAB Baltijos medis;WORK;Savanoriu pr. 176;Kaunas;LT 50179")) << lead.table;
    EXPECT_TRUE(has_line(lead.table, "OOO Baltstroj;OOO Baltstroj;WORK;Lenina 5;Kaliningrad;236000")) << lead.table;
    // A town's office and a school group, in the languages beyond the first few.
    const contact_table office = made("Name,Email\nGmina Nowa Wies,ug@nowawies.pl\nAgrupamento de Escolas de Benfica,a@e.pt\n"
                                      "Anna Huber,anna@x.at\nSofijski hlebni izdelija EOOD,s@h.bg\n"
                                      "Landesklinikum Wiener Neustadt,l@k.at\nPlomberie Roy et Fils ltee,p@r.ca\n"
                                      "Marcenaria Kowalski Ltda,m@k.br\nLondon Borough of Ealing,e@e.uk\nLincoln Elementary PTA,p@l.us\n");
    EXPECT_TRUE(has_line(office.table, "Gmina Nowa Wies;;;Gmina Nowa Wies;ug@nowawies.pl")) << office.table;
    EXPECT_TRUE(has_line(office.table, "Agrupamento de Escolas de Benfica;;;Agrupamento de Escolas de Benfica;a@e.pt"))
        << office.table;
    EXPECT_TRUE(has_line(office.table, "Sofijski hlebni izdelija EOOD;;;Sofijski hlebni izdelija EOOD;s@h.bg")) << office.table;
    for (const char* firm : {"Landesklinikum Wiener Neustadt", "Marcenaria Kowalski Ltda", "London Borough of Ealing",
                             "Lincoln Elementary PTA", "Plomberie Roy et Fils ltee"}) {
        EXPECT_NE(office.table.find(std::string(firm) + ";;;" + firm + ";"), std::string::npos) << firm << office.table;
    }
    EXPECT_TRUE(has_line(trade.table, "Brauerei;Brauerei;;;b@x.de")) << trade.table;  // one word may be a given name
    // One whole-name column alone: a private person's name in the company column stays a person's.
    const contact_table own = made("Meno,Spolocnost\nZuzana Hrusovska,Zuzana Hrusovska\n");
    EXPECT_TRUE(has_line(own.table, "Zuzana Hrusovska;Zuzana;Hrusovska")) << own.table;
    // A record's kind far from its one address types it.
    const contact_table kind = made("Typ;Name;Vorname;Strasse;Ort\ngeschäftlich;Brückner;Günther;Hauptstr. 5;Dresden\n"
                                    "privat;Huber;Anna;Ring 2;Wien\n");
    EXPECT_TRUE(has_line(kind.table, "G\xFCnther Br\xFC" "ckner;G\xFCnther;Br\xFC" "ckner;WORK;Hauptstr. 5;Dresden"))
        << kind.table;
    EXPECT_TRUE(has_line(kind.table, "Anna Huber;Anna;Huber;HOME;Ring 2;Wien")) << kind.table;
}

TEST(PrepRegisters, FieldLengthsInTheHeadersAdditionsAndHouseholds) {
    // A parcel service's field lengths in brackets number no item: 'Strasse (27)' is the street.
    const contact_table parcel = made("Vorname (20);Nachname/Firmenname (30);Strasse (27);Hausnummer (5);PLZ (10);Ort (30)\n"
                                      "Tomas;Dvorak;Karl-Liebknecht-Str.;112;04275;Leipzig\n");
    EXPECT_TRUE(has_line(parcel.table, "Tomas Dvorak;Tomas;Dvorak;HOME;Karl Liebknecht Str. 112;Leipzig;04275"))
        << parcel.table;
    EXPECT_NE(parcel.reading.find("'Strasse (27)': street;"), std::string::npos) << parcel.reading;
    // A school's 'Familienname'; a charity's additions before and after the street are no street of their own.
    const contact_table school = made("Familienname;Vorname;Zusatz vor Strasse;Strasse;Hausnummer;Zusatz nach Strasse;Ort\n"
                                      "Novak;Jakub;c/o Meier;Hohlstrasse;201;;Wien\n");
    EXPECT_TRUE(has_line(school.table, "Jakub Novak;Jakub;Novak;HOME;Hohlstrasse 201, c o Meier;Wien")) << school.table;
    // A club's or a family's salutation is no one's prefix.
    const contact_table donors = made("Anrede;Name;Vorname;Firma\nVerein;;;Tschechischer Verein Zurich\n"
                                      "Familie;Keller;;\nFrau;Novotna;Jana;\n");
    EXPECT_TRUE(has_line(donors.table, "Tschechischer Verein Zurich;;;;Tschechischer Verein Zurich")) << donors.table;
    EXPECT_TRUE(has_line(donors.table, "Keller;;Keller;;")) << donors.table;
    EXPECT_TRUE(has_line(donors.table, "Jana Novotna;Jana;Novotna;Frau;")) << donors.table;
}

}  // namespace
}  // namespace rowcard
