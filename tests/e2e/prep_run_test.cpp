// End to end: rowcard-prep as a user runs it, in a fresh folder: the refusals,
// what each leaves on disk, and the cards of one drop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/prep_fixture.hpp"

namespace rowcard {
namespace {

namespace fs = std::filesystem;
using testing::Prep;
using testing::read_file;
using testing::write_file;

TEST_F(Prep, BadUsageIsStatus64WithOneLine) {
    for (const char* arguments : {"", "--encoding latin9 x.csv", "--separator ab x.csv", "--bogus x.csv", "a b c",
                                  "--cards --no-cards x.csv", "--vcard 5.0 x.csv", "--vcard x.csv"}) {
        EXPECT_EQ(prep(arguments), 64) << arguments;
        EXPECT_EQ(out, "");
        EXPECT_EQ(err.rfind("rowcard-prep: ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_EQ(prep("--version"), 0);
    EXPECT_EQ(out.rfind("rowcard-prep ", 0), 0u);
}

TEST_F(Prep, AFolderNotThereIsMadeItsLastPartOnly) {
    write_file(root / "a.csv", "Name,Birthday,Nickname,Mobile\nJan Novak,12.4.1985,Honza,+420 777 123 456\n");
    EXPECT_EQ(prep("--vcard 2.1 a.csv cards/"), 0) << err;
    EXPECT_EQ(read_file(root / "cards" / "cards.vcf"),
              "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Novak;Jan;;;\r\nFN:Jan Novak\r\nNICKNAME:Honza\r\nBDAY:19850412\r\n"
              "TEL;CELL:+420 777 123 456\r\nEND:VCARD\r\n\r\n");
    EXPECT_NE(out.find("a vCard 2.1 card"), std::string::npos) << out;
    // Two folders that are not there are no typing slip to mend: nothing is made.
    EXPECT_EQ(prep("a.csv new/deeper"), 1);
    EXPECT_NE(err.find("rowcard-prep makes only the last folder of new/deeper"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(root / "new"));
    write_file(root / "file", "x");
    EXPECT_EQ(prep("a.csv file"), 1);
    EXPECT_NE(err.find("is no folder"), std::string::npos) << err;
}

TEST_F(Prep, MissingOrUnreadableExportIsStatus2) {
    EXPECT_EQ(prep("nothing.csv"), 2);
    fs::create_directory(root / "folder.csv");
    EXPECT_EQ(prep("folder.csv"), 2);
    EXPECT_NE(err.find("folder.csv"), std::string::npos);
    EXPECT_EQ(listing(root), "folder.csv\n");
}

// One drop: the export in, the table, the starter files and the cards out,
// byte for byte what rowcard then writes there, the table left as it was.
TEST_F(Prep, OneDropWritesTheCardsRowcardWould) {
    write_file(root / "export.csv",
               "Last Name,First Name,Mobile Phone,E-mail Address\n\"Nov\xC3\xA1k\",\"Jan\",\"+420 777 1\",\n"
               "Nov\xC3\xA1kov\xC3\xA1-T\xC3\xB3thov\xC3\xA1,M\xC3\xA1ria,,m_t@x-y.sk\n");
    ASSERT_EQ(prep("export.csv"), 0) << err << out;
    EXPECT_EQ(err, "");
    EXPECT_EQ(listing(root), "cards.csv\ncards.vcf\nexport.csv\nmaster.vcf\nrowcard.ini\n");
    // The card's columns, worked out per row, stand first; a '-' between two
    // words of a name is a space, as rowcard would drop it and join the words.
    const std::string table = "FN;GIVEN;FAMILY;TEL1;TEL1 TYPE;EMAIL1\r\nJan Nov\xE1k;Jan;Nov\xE1k;+420 777 1;CELL;\r\n"
                              "M\xE1ria Nov\xE1kov\xE1 T\xF3thov\xE1;M\xE1ria;Nov\xE1kov\xE1 T\xF3thov\xE1;;;m_t@x-y.sk\r\n";
    EXPECT_EQ(read_file(root / "cards.csv"), table);
    const std::string cards = read_file(root / "cards.vcf");
    EXPECT_EQ(cards,
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Novak;Jan;;;\r\nFN:Jan Novak\r\nTEL;TYPE=CELL:+420 777 1\r\n"
              "EMAIL;TYPE=INTERNET:\r\nEND:VCARD\r\n\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Novakova Tothova;Maria;;;\r\nFN:Maria Novakova Tothova\r\n"
              "TEL;TYPE=:\r\nEMAIL;TYPE=INTERNET:m_t@x-y.sk\r\nEND:VCARD\r\n\r\n");
    EXPECT_NE(out.find("Wrote 2 cards from 2 rows to "), std::string::npos) << out;
    EXPECT_NE(out.find("cards.vcf."), std::string::npos) << out;
    EXPECT_NE(out.find("rowcard-check sees no problem there."), std::string::npos) << out;
    ASSERT_EQ(run(testing::rowcard_binary(), ""), 0);
    EXPECT_EQ(read_file(root / "cards.vcf"), cards);
    EXPECT_EQ(read_file(root / "cards.csv"), table);
}

// The cards are written, and what rowcard-check sees is told in the same
// breath, at most three problems, with the way to the full report: status 3.
TEST_F(Prep, ProblemsLeftInTheCardsAreStatus3) {
    // Legal addresses that rowcard would turn into others; the '/' in the
    // company is spaced by rowcard-prep itself and is no problem.
    write_file(root / "export.csv",
               "Name,E-mail 1 - Value,E-mail 2 - Value,E-mail 3 - Value,E-mail 4 - Value,Organization 1 - Name\n"
               "Jan,o'brien@x.ie,a!b@x.cz,c#d@x.cz,e&f@x.cz,Sales/IT\n");
    fs::create_directory(root / "my cards");
    EXPECT_EQ(prep("export.csv \"my cards\""), 3) << err;
    EXPECT_EQ(err, "");
    // Regression: a FOLDER given relative to where rowcard-prep started was shown
    // relative to itself once entered ('.../my cards/my cards/cards.vcf').
    EXPECT_NE(out.find("Wrote 1 card from 1 row to " + (root / "my cards" / "cards.vcf").string() + "."),
              std::string::npos) << out;
    EXPECT_NE(out.find("rowcard-check sees 4 problems there:"), std::string::npos) << out;
    EXPECT_NE(out.find("  cards.csv, row 2, column {EMAIL3}: "), std::string::npos) << out;
    EXPECT_EQ(out.find("column {EMAIL4}"), std::string::npos) << out;
    EXPECT_NE(out.find("  and 1 more"), std::string::npos) << out;
    // A folder with a space in its name is quoted, so that the command can be pasted.
    EXPECT_NE(out.find("For the full report: rowcard-check \""), std::string::npos) << out;
    EXPECT_NE(read_file(root / "my cards" / "cards.vcf").find("ORG:Sales IT\r\n"), std::string::npos);
}

// A folder where the cards would go is refused before anything is written:
// the cards could never go there.
TEST_F(Prep, AFolderWhereTheCardsGoIsRefused) {
    write_file(root / "export.csv", "Name\nJan\n");
    fs::create_directory(root / "cards.vcf");
    EXPECT_EQ(prep("--force export.csv"), 1);
    EXPECT_EQ(err.rfind("rowcard-prep: the cards ", 0), 0u) << err;
    EXPECT_NE(err.find("cards.vcf is a folder; rename or remove it, or give another FOLDER"), std::string::npos) << err;
    EXPECT_EQ(listing(root), "cards.vcf\nexport.csv\n");
}

// The user's own starter files are run only with --cards; --no-cards stops
// once the files are in place.
TEST_F(Prep, OwnStarterFilesMakeCardsOnlyWhenAsked) {
    write_file(root / "export.csv", "Name\nJan\n");
    ASSERT_EQ(prep("--no-cards export.csv"), 0) << err;
    EXPECT_EQ(listing(root), "cards.csv\nexport.csv\nmaster.vcf\nrowcard.ini\n");
    EXPECT_EQ(out.find("Wrote 1 card"), std::string::npos) << out;
    write_file(root / "master.vcf", "FN:{FN}%\n");
    write_file(root / "export.csv", "Name\nEva\n");
    ASSERT_EQ(prep("--force export.csv"), 0) << err;
    EXPECT_FALSE(fs::exists(root / "cards.vcf"));
    EXPECT_NE(out.find("with --cards, rowcard-prep runs it too"), std::string::npos) << out;
    ASSERT_EQ(prep("--force --cards export.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "cards.vcf"), "FN:Eva\r\n\r\n");
    EXPECT_NE(out.find("Wrote 1 card from 1 row to "), std::string::npos) << out;
}

TEST_F(Prep, AnExportThatIsNoContactsTableIsRefused) {
    // Cards, not a table: status 2, one line naming what it is, nothing written.
    write_file(root / "cards.csv", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jan\r\nEND:VCARD\r\n");
    EXPECT_EQ(prep("cards.csv out"), 2);
    EXPECT_EQ(err.rfind("rowcard-prep: cards.csv is a vCard file, already cards, not a table of contacts; export "
                        "the contacts as CSV", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // No name, organisation or e-mail: status 1 with the headers seen, unless --force.
    fs::create_directory(root / "out");
    write_file(root / "codes.csv", "Code,Amount\n1,2\n");
    EXPECT_EQ(prep("codes.csv out"), 1);
    EXPECT_NE(err.find("(headers: 'Code', 'Amount')"), std::string::npos) << err;
    EXPECT_EQ(listing(root / "out"), "");
    EXPECT_EQ(prep("--force codes.csv out"), 0) << err;
    EXPECT_EQ(read_file(root / "out" / "cards.csv"), "Code;Amount\r\n1;2\r\n");
}

TEST_F(Prep, RefusesToReplaceATableWithoutForce) {
    write_file(root / "export.csv", "a,b\n1,2\n");
    write_file(root / "cards.csv", "old\n");
    write_file(root / "rowcard.ini", "cards.csv\n;\n{A}\n{B}\n");
    write_file(root / "master.vcf", "N:{A}\n");
    EXPECT_EQ(prep("export.csv"), 1);
    EXPECT_NE(err.find("--force"), std::string::npos) << err;
    EXPECT_EQ(read_file(root / "cards.csv"), "old\n");
    EXPECT_EQ(prep("--force export.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "cards.csv"), "a;b\r\n1;2\r\n");
    // The table replaced is kept as .old, the starter files that fit stay as
    // they were, and no temporary file stays.
    EXPECT_EQ(read_file(root / "cards.csv.old"), "old\n");
    EXPECT_NE(out.find("Kept the old cards.csv as cards.csv.old."), std::string::npos) << out;
    EXPECT_EQ(read_file(root / "rowcard.ini"), "cards.csv\n;\n{A}\n{B}\n");
    EXPECT_EQ(read_file(root / "master.vcf"), "N:{A}\n");
    EXPECT_EQ(listing(root), "cards.csv\ncards.csv.old\nexport.csv\nmaster.vcf\nrowcard.ini\n");
}

TEST_F(Prep, NeverWritesOverTheExport) {
    // With only a master.vcf, rowcard's own default table, import.csv, is the target.
    write_file(root / "master.vcf", "X\n");
    write_file(root / "import.csv", "a,b\n1,2\n");
    EXPECT_EQ(prep("--force import.csv"), 1);
    EXPECT_NE(err.find("export itself"), std::string::npos) << err;
    EXPECT_EQ(read_file(root / "import.csv"), "a,b\n1,2\n");
#ifndef _WIN32
    // The same export reached through a link from another folder.
    fs::create_directory(root / "elsewhere");
    fs::create_symlink(root / "import.csv", root / "elsewhere" / "export.csv");
    EXPECT_EQ(prep("--force elsewhere/export.csv ."), 1);
    EXPECT_EQ(read_file(root / "import.csv"), "a,b\n1,2\n");
#endif
    // With only one of the two files, it writes neither and says so.
    write_file(root / "other.csv", "a;b\n1;2\n");
    EXPECT_EQ(prep("--force other.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "import.csv"), "a,b\r\n1,2\r\n");
    EXPECT_NE(out.find("Wrote no rowcard.ini or master.vcf"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(root / "rowcard.ini"));
}

// A Ukrainian's name in Cyrillic reaches the card in Latin letters, and the report says so.
TEST_F(Prep, CyrillicReachesTheCardInLatinLetters) {
    write_file(root / "export.csv", "Name,Email\n\xD0\xA8\xD0\xB5\xD0\xB2\xD1\x87\xD0\xB5\xD0\xBD\xD0\xBA\xD0\xBE "
                                    "\xD0\x86\xD0\xB2\xD0\xB0\xD0\xBD,iv@x.ua\n");
    ASSERT_EQ(prep("export.csv"), 0) << err << out;
    EXPECT_NE(out.find("Cyrillic, Greek, '\xC3\xB0' or '\xC3\xBE' written in Latin letters, which rowcard's code page holds: 1 value"),
              std::string::npos)
        << out;
    EXPECT_NE(read_file(root / "cards.vcf").find("FN:Sevcenko Ivan\r\n"), std::string::npos) << read_file(root / "cards.vcf");
}

// --columns shows the reading and writes nothing; --column corrects it, and
// one that names no column or field is wrong usage with the choices.
TEST_F(Prep, TheReadingOfTheColumnsIsShownAndCorrected) {
    write_file(root / "export.csv", "Name,Firm,Kod,Email Opt Out\nJan Novak,ACME,X1,false\n");
    EXPECT_EQ(prep("--columns export.csv"), 0) << err;
    EXPECT_NE(out.find("  1. 'Name': whole name"), std::string::npos) << out;
    EXPECT_NE(out.find("  4. 'Email Opt Out': left off (a flag)"), std::string::npos) << out;
    EXPECT_EQ(listing(root), "export.csv\n");

    EXPECT_EQ(prep("--column Firm=company --column Kod=skip export.csv"), 0) << err;
    EXPECT_NE(out.find("company <- 'Firm'"), std::string::npos) << out;
    EXPECT_NE(read_file(root / "cards.vcf").find("ORG:ACME\r\n"), std::string::npos);
    EXPECT_EQ(read_file(root / "cards.csv").find("X1"), std::string::npos);

    EXPECT_EQ(prep("--column Firma=company export.csv"), 64);
    EXPECT_NE(err.find("--column names 'Firma', which is no column of export.csv (its columns: 'Name', 'Firm'"),
              std::string::npos)
        << err;
    EXPECT_EQ(prep("--column Firm=firma export.csv"), 64);
    EXPECT_NE(err.find("unknown field 'firma' in --column: use name, given,"), std::string::npos) << err;
}

}  // namespace
}  // namespace rowcard
