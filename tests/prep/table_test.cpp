// rowcard-prep's layouts and the card's columns it works out per row: which
// header means what in which language, names split, lists numbered, phone
// types, display names never blank, the room rowcard leaves, and the card.
#include <gtest/gtest.h>

#include <string>

#include "prep/prep.hpp"
#include "made_table.hpp"
#include "prep/starter.hpp"

namespace rowcard {
namespace {

TEST(PrepLayouts, SignsBetweenTwoWordsBecomeSpacesOutsideAddresses) {
    // rowcard drops such a sign and would join the words; a sign at an end or
    // beside a space it drops alone; an address keeps '-' and '_' and is left
    // whole, its other signs for rowcard-check to report.
    const contact_table t = made("Name,Company,E-mail\nJan Nov\xC3\xA1kov\xC3\xA1-Kos,(Sales/IT) -a-,o'b_c@x-y.cz\n");
    EXPECT_EQ(t.table, "FN;GIVEN;FAMILY;ORG;EMAIL1\nJan Nov\xE1kov\xE1 Kos;Jan;Nov\xE1kov\xE1 Kos;(Sales IT) -a-;o'b_c@x-y.cz\n");
    ASSERT_EQ(t.joiners.count, 1u);
    EXPECT_EQ(t.joiners.lines.front(), 2u);
    std::string cut(98, 'x');
    cut += "-y@";
    EXPECT_TRUE(space_joiners(cut, 0));  // an '@' past the 100 bytes rowcard keeps is no address
    std::string within = "a-b@c";
    EXPECT_FALSE(space_joiners(within, 0));
    EXPECT_EQ(within, "a-b@c");
}

TEST(PrepLayouts, TitleKrajAndHomeMeanWhatTheirLayoutSays) {
    // Outlook's Title is the name's prefix; Yahoo's is the job.
    EXPECT_EQ(made("Title,First Name,Last Name,E-mail Address\nIng.,Jan,Novák,j@x.cz\n").table,
              "FN;GIVEN;FAMILY;PREFIX;EMAIL1\nJan Nov\xE1k;Jan;Nov\xE1k;Ing.;j@x.cz\n");
    EXPECT_EQ(made("First,Last,Title,Home,Work,Email\nJan,Novák,Architekt,+420 1,+420 2,j@x.cz\n").table,
              "FN;GIVEN;FAMILY;ORG TITLE;TEL1;TEL1 TYPE;TEL2;TEL2 TYPE;EMAIL1\n"
              "Jan Nov\xE1k;Jan;Nov\xE1k;Architekt;+420 1;HOME;+420 2;WORK;j@x.cz\n");
    // Polish 'Kraj' is the country; Czech 'Kraj' the region.
    EXPECT_EQ(made("Imię;Nazwisko;Miasto;Kraj\nJan;Kos;Kraków;Polska\n").header,
              (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "ADR1 TYPE", "ADR1 CITY", "ADR1 COUNTRY"}));
    EXPECT_EQ(made("Jméno;Příjmení;Město;Kraj\nJan;Kos;Brno;Jihomoravský\n").header,
              (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "ADR1 TYPE", "ADR1 CITY", "ADR1 REGION"}));
    EXPECT_EQ(made("Imię;Nazwisko;Miasto;Kraj\nJan;Kos;Kraków;Polska\n").layout, "a table with Polish headers");
    // Signs around a header do not hide it.
    EXPECT_EQ(made("\"Name:\",(Mobil)\nJan Kos,+420 1\n").header,
              (std::vector<std::string>{"FN", "GIVEN", "FAMILY", "TEL1", "TEL1 TYPE"}));
    // Any column may be a part of an address, the first one too.
    EXPECT_EQ(made("Ort,Name\nWien,Jan Kos\n").table,
              "FN;GIVEN;FAMILY;ADR1 TYPE;ADR1 CITY\nJan Kos;Jan;Kos;HOME;Wien\n");
}

TEST(PrepLayouts, AWholeNameIsSplitIntoItsParts) {
    const contact_table t = made(
        "Meno;Firma\n"
        "\"Ing. Přemysl Ondříček, Ph.D.\";\n"
        "\"Novák, Jan\";\n"
        "Anna Marie Nováková;\n"
        "Mgr. et Mgr. Eva Malá CSc.;\n"
        "\"Nová Malá, Jana\";\n"
        "\"Alena Veselá, ArtD.\";\n"
        ";Pekárna Klas\n");
    EXPECT_EQ(t.table,
              "FN;GIVEN;FAMILY;PREFIX;SUFFIX;ORG\n"
              "Ing. P\xF8" "emysl Ond\xF8\xED\xE8" "ek, Ph.D.;P\xF8" "emysl;Ond\xF8\xED\xE8" "ek;Ing.;Ph.D.;\n"
              "Jan Nov\xE1k;Jan;Nov\xE1k;;;\n"
              "Anna Marie Nov\xE1kov\xE1;Anna Marie;Nov\xE1kov\xE1;;;\n"
              "Mgr. et Mgr. Eva Mal\xE1 CSc.;Eva;Mal\xE1;Mgr. et Mgr.;CSc.;\n"
              "Jana Nov\xE1 Mal\xE1;Jana;Nov\xE1 Mal\xE1;;;\n"
              "Alena Vesel\xE1, ArtD.;Alena;Vesel\xE1;;ArtD.;\n"
              "Pek\xE1rna Klas;;;;;Pek\xE1rna Klas\n");
    // Small words before a family name belong to it; a second given name stays
    // given, though the family name column comes first.
    EXPECT_EQ(made("Full Name\nLudwig van Beethoven\nJan Kos\nTomás Ó Conaire\n").table,
              "FN;GIVEN;FAMILY\nLudwig van Beethoven;Ludwig;van Beethoven\nJan Kos;Jan;Kos\n"
              "Tom\xE1s \xD3 Conaire;Tom\xE1s;\xD3 Conaire\n");
    // A first word that looks like such a small word is a given name when one word follows.
    EXPECT_EQ(made("Full Name\nVan Morrison\nDe Niro\n").table,
              "FN;GIVEN;FAMILY\nVan Morrison;Van;Morrison\nDe Niro;De;Niro\n");
    EXPECT_EQ(made("Příjmení;Jméno\nNováková;Anna Marie\n").table,
              "FN;GIVEN;FAMILY\nAnna Marie Nov\xE1kov\xE1;Anna Marie;Nov\xE1kov\xE1\n");
    // A given-name column alone holds whole names only when most of them are several words.
    EXPECT_EQ(made("Jméno;Telefon\nAnna Marie;601\nJan;602\nEva;603\n").table,
              "FN;GIVEN;TEL1;TEL1 TYPE\nAnna Marie;Anna Marie;601;VOICE\nJan;Jan;602;VOICE\nEva;Eva;603;VOICE\n");
    // A psychologist's or a doctor of philosophy's degree is a title before the name.
    EXPECT_EQ(made("Titel;Vorname;Nachname\nDipl.-Psych.;Claudia;Rehberg\nDr. phil.;Jan;Kohl\nDipl. Psych.;Eva;Lang\n").table,
              "FN;GIVEN;FAMILY;PREFIX\nClaudia Rehberg;Claudia;Rehberg;Dipl. Psych.\nJan Kohl;Jan;Kohl;Dr. phil.\n"
              "Eva Lang;Eva;Lang;Dipl. Psych.\n");  // the dash made a space
    // Hungarian writes the family name first.
    EXPECT_EQ(made("Név,Cég\ndr. Kovács János,\n").table,
              "FN;GIVEN;FAMILY;PREFIX\ndr. Kov\xE1" "cs J\xE1nos;J\xE1nos;Kov\xE1" "cs;dr.\n");
    // A title after a single word is still a title.
    EXPECT_EQ(made("Name,Phone\nKos Ph.D.,601\n").table,
              "FN;GIVEN;SUFFIX;TEL1;TEL1 TYPE\nKos Ph.D.;Kos;Ph.D.;601;VOICE\n");
    // 'Family, Given': titles after the comma go to their places, with or
    // without a space after it; a family name that is a title word too ('Pan')
    // stays the family name, and one word after the comma stays the given
    // name, titles before it or not.
    EXPECT_EQ(made("Name;Firma\n"
                   "\"Nov\xC3\xA1k, Ing. Jan Ph.D.\";\n"
                   "\"Pan, Petr\";\n"
                   "\"Kos,Jan\";\n"
                   "\"Kos, Ing.\";\n"
                   "\"Kos, Ing. Ph.D.\";\n")
                  .table,
              "FN;GIVEN;FAMILY;PREFIX;SUFFIX\n"
              "Jan Nov\xE1k;Jan;Nov\xE1k;Ing.;Ph.D.\n"
              "Petr Pan;Petr;Pan;;\n"
              "Jan Kos;Jan;Kos;;\n"
              "Ing. Kos;Ing.;Kos;;\n"
              "Ph.D. Kos;Ph.D.;Kos;Ing.;\n");
    // A name of titles alone keeps its last word as the given name.
    EXPECT_EQ(made("Name\nMBA\n").table, "FN;GIVEN\nMBA;MBA\n");
}

TEST(PrepLayouts, GoogleLegacyIsKnownByEitherOfItsMarks) {
    // Its Given Name with Family Name, or with Group Membership: either one names it.
    EXPECT_EQ(made("Name,Given Name,Family Name,E-mail 1 - Value\nJan Kos,Jan,Kos,j@x.cz\n").layout,
              "Google Contacts (legacy)");
    EXPECT_EQ(made("Name,Given Name,Group Membership,E-mail 1 - Value\nJan Kos,Jan,* myContacts,j@x.cz\n").layout,
              "Google Contacts (legacy)");
}

TEST(PrepLayouts, GoogleListsGetNumberedColumnsAndLabelsTheirTypes) {
    const contact_table t = made(
        "First Name,Last Name,E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,"
        "Phone 2 - Label,Phone 2 - Value,Address 1 - Label,Address 1 - Street,Address 1 - Formatted,"
        "Address 2 - Label,Address 2 - Street\n"
        "Jan,Kos,* Home,a_b@x-y.cz  :::  c@d.cz,* Mobile,+420 1 ::: +420 2,Work Fax,+420 3,Home,A 1,A 1 Brno,Work,B 2\n"
        "Eva,Lis,,,Main,+420 4,,,,,\"Dlouhá 5\nPraha\",,\n");
    // A formatted address stands in only for a row whose parts are empty.
    EXPECT_EQ(t.table,
              "FN;GIVEN;FAMILY;TEL1;TEL1 TYPE;TEL2;TEL2 TYPE;TEL3;TEL3 TYPE;EMAIL1;EMAIL2;ADR1 TYPE;ADR1 STREET;"
              "ADR2 TYPE;ADR2 STREET\n"
              "Jan Kos;Jan;Kos;+420 1;CELL;+420 2;CELL;+420 3;FAX;a_b@x-y.cz;c@d.cz;HOME;A 1;WORK;B 2\n"
              "Eva Lis;Eva;Lis;+420 4;VOICE;;;;;;;POSTAL;Dlouh\xE1 5 Praha;;\n");
    EXPECT_EQ(t.layout, "Google Contacts");
}

TEST(PrepLayouts, DisplayNameFallsBackAndStreetLinesJoin) {
    const contact_table t = made(
        "First Name,Last Name,Company,E-mail Address,Business Street,Business Street 2,Business City,Birthday\n"
        ",,Stavby Brno,,\"Křenová 12\",2. patro,Brno,\n"
        ",,,info_desk@firma-x.cz,,,,\n"
        ",,,,,,,1.1.1990\n"
        ",,,,,,,\n"
        "(Jan),Kos,,,,,,\n");
    EXPECT_EQ(t.table,
              "FN;GIVEN;FAMILY;ORG;BDAY;EMAIL1;ADR1 TYPE;ADR1 STREET;ADR1 CITY\n"
              "Stavby Brno;;;Stavby Brno;;;WORK;K\xF8" "enov\xE1 12, 2. patro;Brno\n"
              "info_desk@firma-x.cz;;;;;info_desk@firma-x.cz;;;\n"
              "1.1.1990;;;;19900101;;;;\n"
              ";;;;;;;;\n"
              "Jan) Kos;(Jan);Kos;;;;;;\n");
}

TEST(PrepLayouts, ThePhonesGiveWayWhenRowcardRunsOutOfColumns) {
    std::string header = "Name";
    std::string row = "Jan Kos";
    for (int k = 1; k <= 30; ++k) {
        header += ",Phone " + std::to_string(k);
        row += ",+420 " + std::to_string(k);
    }
    const contact_table t = made(header + ",Notes\n" + row + ",n\n");
    // FN, GIVEN, FAMILY and NOTE, then 23 phones of two columns each: 50 of the 51.
    ASSERT_EQ(t.header.size(), 50u);
    EXPECT_EQ(t.header.back(), "TEL23 TYPE");
    EXPECT_EQ(t.dropped_items, 7u);
}

TEST(PrepLayouts, NothingKnownIsRefusedWithTheHeadersSeen) {
    const contact_table t = made("Kód,Částka\n1,2\n");
    EXPECT_FALSE(t.recognised);
    EXPECT_EQ(t.refusal,
              "no column is a name, an organisation or an e-mail (headers: 'K\xC3\xB3" "d', '\xC4\x8C\xC3\xA1stka'); name a column "
              "'Name' or 'E-mail', or run again with --force to take it as it is");
    EXPECT_EQ(t.table, "K\xF3" "d;\xC8\xE1stka\n1;2\n");
    // Too wide for rowcard: the filled columns stay, then the first empty ones.
    std::string header = "C1";
    std::string row;
    for (int k = 2; k <= 60; ++k) {
        header += ",C" + std::to_string(k);
        row += k == 58 ? ",x" : ",";
    }
    const contact_table wide = made(header + "\n" + row + "\n");
    ASSERT_EQ(wide.header.size(), 51u);
    EXPECT_EQ(wide.header.front(), "C1");
    EXPECT_EQ(wide.header[49], "C50");
    EXPECT_EQ(wide.header.back(), "C58");
    EXPECT_EQ(wide.dropped_columns, 9u);
}

TEST(PrepLayouts, LinkedInPreambleAndThunderbirdTrailingCommaAreNoAlarm) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const export_result linked = read_export(
        "Notes:\r\n\"When exporting your connection data, you may notice that some, or all, are missing.\"\r\n\r\n"
        "First Name,Last Name,URL,Email Address,Company,Position,Connected On\r\nJan,Kos,https://x,,Firma,CEO,1 Jan 2024\r\n",
        utf8);
    EXPECT_EQ(linked.header_line, 4u);
    EXPECT_EQ(linked.records, 1u);
    EXPECT_EQ(make_contact_table(linked, ';').layout, "LinkedIn Connections");
    const export_result bird = read_export("First Name,Last Name,Primary Email,Notes,\nJan,Kos,j@x.cz,,\n", utf8);
    EXPECT_EQ(bird.changes.extra_fields.count, 0u);
    const contact_table bird_table = make_contact_table(bird, ';');
    EXPECT_EQ(bird_table.table, "FN;GIVEN;FAMILY;EMAIL1\nJan Kos;Jan;Kos;j@x.cz\n");
    EXPECT_EQ(bird_table.dropped_columns, 1u);  // the empty column after the trailing comma
}

TEST(PrepStarter, TheCardHasALineForEachColumnItsTableFills) {
    const starter_files files = make_starter(
        {"FN", "GIVEN", "FAMILY", "PREFIX", "ORG", "ORG TITLE", "TEL1", "TEL1 TYPE", "TEL2", "TEL2 TYPE", "EMAIL1",
         "ADR1 TYPE", "ADR1 STREET", "ADR1 CODE", "Birthday"},
        "cards.csv");
    EXPECT_EQ(files.settings,
              "cards.csv\n;\n{FN}%\n{GIVEN}\n{FAMILY}\n{PREFIX}\n{ORG}\n{ORG TITLE}\n{TEL1}\n{TEL1 TYPE}\n{TEL2}\n"
              "{TEL2 TYPE}\n{EMAIL1}\n{ADR1 TYPE}\n{ADR1 STREET}\n{ADR1 CODE}\n{BIRTHDAY}\n");
    EXPECT_EQ(files.master,
              "BEGIN:VCARD\nVERSION:3.0\nN:{FAMILY};{GIVEN};;{PREFIX};\nFN:{FN}%\nORG:{ORG}\nTITLE:{ORG TITLE}\n"
              "TEL;TYPE={TEL1 TYPE}:{TEL1}\nTEL;TYPE={TEL2 TYPE}:{TEL2}\nEMAIL;TYPE=INTERNET:{EMAIL1}\n"
              "ADR;TYPE={ADR1 TYPE}:;;{ADR1 STREET};;;{ADR1 CODE};\nEND:VCARD\n");
    EXPECT_EQ(files.recognised,
              (std::vector<std::string>{"{FAMILY}", "{GIVEN}", "{PREFIX}", "{FN}%", "{ORG}", "{ORG TITLE}", "{TEL1}",
                                        "{TEL1 TYPE}", "{TEL2}", "{TEL2 TYPE}", "{EMAIL1}", "{ADR1 TYPE}",
                                        "{ADR1 STREET}", "{ADR1 CODE}"}));
    // With no card column, the first column names the card, its words split for N.
    EXPECT_EQ(make_starter({"A very long column name indeed", "x"}, "cards.csv").master,
              "BEGIN:VCARD\nVERSION:3.0\nN:2{A VERY LONG COLUMN};1{A VERY LONG COLUMN};;;\n"
              "FN:{A VERY LONG COLUMN}\nEND:VCARD\n");
}

TEST(PrepStarter, EachVersionWritesItsOwnForms) {
    const std::vector<std::string> header = {"FN", "GIVEN", "FAMILY", "NICKNAME", "BDAY", "URL", "CATEGORIES", "TEL1",
                                             "TEL1 TYPE", "EMAIL1", "ADR1 TYPE", "ADR1 CITY"};
    const std::string_view tail = "URL:{URL}\nCATEGORIES:{CATEGORIES}\nEND:VCARD\n";
    const std::string head = "N:{FAMILY};{GIVEN};;;\nFN:{FN}%\nNICKNAME:{NICKNAME}\nBDAY:{BDAY}\n";
    EXPECT_EQ(make_starter(header, "cards.csv", vcard_version::v21).master,
              "BEGIN:VCARD\nVERSION:2.1\n" + head +
                  "TEL;{TEL1 TYPE}:{TEL1}\nEMAIL;INTERNET:{EMAIL1}\nADR;{ADR1 TYPE}:;;;{ADR1 CITY};;;\n" + std::string(tail));
    EXPECT_EQ(make_starter(header, "cards.csv").master,
              "BEGIN:VCARD\nVERSION:3.0\n" + head +
                  "TEL;TYPE={TEL1 TYPE}:{TEL1}\nEMAIL;TYPE=INTERNET:{EMAIL1}\nADR;TYPE={ADR1 TYPE}:;;;{ADR1 CITY};;;\n" +
                  std::string(tail));
    EXPECT_EQ(make_starter(header, "cards.csv", vcard_version::v40).master,
              "BEGIN:VCARD\nVERSION:4.0\n" + head +
                  "TEL;TYPE={TEL1 TYPE}:{TEL1}\nEMAIL:{EMAIL1}\nADR;TYPE={ADR1 TYPE}:;;;{ADR1 CITY};;;\n" + std::string(tail));
    // A day without its year keeps the '--' that cleaning would drop in the card's own text.
    EXPECT_EQ(make_starter({"FN", "BDAY NO YEAR"}, "cards.csv", vcard_version::v40).master,
              "BEGIN:VCARD\nVERSION:4.0\nN:;;;;\nFN:{FN}%\nBDAY:--{BDAY NO YEAR}\nEND:VCARD\n");
}

TEST(PrepLayouts, TheRecordsOwnNameIsAPersonsOnlyWhereNoOtherColumnNamesOne) {
    // A venue's bookings: 'Booking' heads three columns, and its 'Name' is the event's, not the contact's.
    const contact_table booked = made("Booking Name,Booking Reference,Booking Status,Contact - Full Name\n"
                                      "Board Dinner,MEL-1,Confirmed,Jan Novak\n");
    EXPECT_NE(booked.table.find("\nJan Novak;Jan;Novak"), std::string::npos) << booked.table;
    EXPECT_EQ(booked.table.find("\nBoard Dinner"), std::string::npos) << booked.table;
    // Where the record's 'Name' is the only name, it is the contact's.
    const contact_table alone = made("Gst Name,Gst Phone,Gst Email\nJan Novak,+420 602 1,j@x.cz\n");
    EXPECT_NE(alone.table.find("\nJan Novak;Jan;Novak"), std::string::npos) << alone.table;
}


TEST(PrepLayouts, RegressionAnUnnamedLastColumnShiftedRowcardIni) {
    // A note column with no header, last: the table's header ended in an empty
    // field, which rowcard reads as one field fewer than rowcard.ini lists.
    const contact_table note = made("Name,Email,\nJan Novak,j@x.cz,note 1\n");
    EXPECT_EQ(note.table.substr(0, note.table.find('\n')), "FN;GIVEN;FAMILY;EMAIL1;COLUMN 5") << note.table;
    // Headers in a script the code page has no letters for are named alike.
    const contact_table han = made("\xE5\xA7\x93\xE5\x90\x8D,Email,\xE6\x89\x8B\xE6\x9C\xBA\nA,a@x.cz,1\n");
    EXPECT_EQ(han.table.substr(0, han.table.find('\n')), "FN;EMAIL1;COLUMN 3;COLUMN 4") << han.table;
}

TEST(PrepLayouts, AColumnLeavesItsFieldToABetterOne) {
    // Google's old export has an empty 'Occupation' before the organisation's title.
    const contact_table t = made("Name,Occupation,Organization 1 - Title\nJan Novak,,Baker\nEva Mala,,\n");
    EXPECT_TRUE(has_line(t.table, "Jan Novak;Jan;Novak;Baker")) << t.table;
    EXPECT_NE(t.reading.find("'Occupation': left off (empty"), std::string::npos) << t.reading;
    // A field its values alone give yields to a column whose header names it: a French commune's
    // official code beside its postal code, a school's name beside the employer's.
    const contact_table code = made("nom,prenom,adresse,code_ville,code_postal_ville\nMuller,Odile,12 rue Haute,67482,67000\n"
                                    "Kos,Jan,5 rue Basse,67218,67100\n");
    EXPECT_TRUE(has_line(code.table, "Odile Muller;Odile;Muller;HOME;12 rue Haute;67000;67482")) << code.table;
    EXPECT_NE(code.reading.find("'code_ville': left off (its values alone say what a column beside it is headed)"),
              std::string::npos) << code.reading;
    const contact_table firm = made("FirstName,LastName,School,Company\nMarek,Kos,,Stelco Inc.\nEva,Bila,Mohawk College,Stelco Inc.\n"
                                    "Jan,Maly,,Stelco Inc.\n");
    EXPECT_TRUE(has_line(firm.table, "Eva Bila;Eva;Bila;Stelco Inc.;Mohawk College")) << firm.table;
}

TEST(PrepLayouts, ACustomerOfWordsNamesTheFirmAndOneOfYesOrNoIsAFlag) {
    // A help desk's end users, each under the firm it serves.
    const contact_table users = made("Name,Email,Customer\nAoife Byrne,a@l.ie,Liffey Accountants\nJan Kos,j@x.cz,Acme Ltd\n"
                                     "Eva Mala,e@x.cz,Liffey Accountants\nOta Bily,o@b.cz,Brno Steel\n");
    EXPECT_TRUE(has_line(users.table, "Aoife Byrne;Aoife;Byrne;Liffey Accountants;a@l.ie")) << users.table;
    const contact_table flags = made("Name,Email,Customer\nJan Kos,j@x.cz,yes\nEva Mala,e@x.cz,no\n");
    EXPECT_NE(flags.reading.find("'Customer': left off (a flag)"), std::string::npos) << flags.reading;
    // One practice's name in every row is the export's own, no patient's firm.
    const contact_table one = made("Name,Email,Client\nJan Kos,j@x.cz,Park Medicine\nEva Mala,e@x.cz,Park Medicine\n"
                                   "Ota Bily,o@b.cz,Park Medicine\nIva Bila,i@b.cz,Park Medicine\nAna Pop,a@p.ro,Park Medicine\n");
    EXPECT_TRUE(has_line(one.table, "Jan Kos;Jan;Kos;j@x.cz;Park Medicine")) << one.table;  // kept as it is, off the card
}

TEST(PrepLayouts, LoginsOfMailboxesAndUserNamesGiveTheMailboxes) {
    // A fleet app's drivers: most log in with their mailbox, some with a bare name.
    const contact_table t = made("First Name,Last Name,App Username\nSean,Murphy,sean@vans.ie\nPiotr,Kos,Piotr.Kos\n"
                                 "Aoife,Byrne,aoife@vans.ie\nMarek,Horvath,Marek.Horvath\n");
    EXPECT_TRUE(has_line(t.table, "Sean Murphy;Sean;Murphy;sean@vans.ie")) << t.table;
    EXPECT_TRUE(has_line(t.table, "Piotr Kos;Piotr;Kos;")) << t.table;
    // A 'Login' of mailboxes but for one: the bare user name is no e-mail.
    const contact_table hr = made("Login,Imie,Nazwisko\na@k.pl,Anna,Nowak\nb@k.pl,Jan,Kos\nc@k.pl,Eva,Bila\n"
                                  "d@k.pl,Ota,Maly\nm.kaminska,Magda,Kaminska\n");
    EXPECT_TRUE(has_line(hr.table, "Magda Kaminska;Magda;Kaminska;")) << hr.table;
    EXPECT_EQ(hr.table.find("m.kaminska"), std::string::npos) << hr.table;
    // One accountant's login in most rows is hers, no client's.
    const contact_table one = made("Name,Default user\nJan Kos,kadri@arv.ee\nEva Mala,kadri@arv.ee\nOta Bily,ota@b.cz\n"
                                   "Iva Bila,Iva.Bila\n");
    EXPECT_EQ(one.table.find("EMAIL1"), std::string::npos) << one.table;
}

TEST(PrepLayouts, TwoNumbersEachInItsTextMarksAreTwoPhones) {
    // A sync service's export: a spreadsheet's text mark around each of two numbers in one cell.
    const contact_table t = made("given_name,family_name,phone_work\nPavel,Horak,'+420377123456';'+420377123457'\n");
    EXPECT_TRUE(has_line(t.table, "Pavel Horak;Pavel;Horak;+420377123456;WORK;+420377123457;WORK")) << t.table;
}
}  // namespace
}  // namespace rowcard
