// End to end: rowcard-prep as a user runs it, in a fresh folder: the refusals,
// what each leaves on disk, and a started folder that rowcard converts at once.
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
    for (const char* arguments : {"", "--encoding latin9 x.csv", "--separator ab x.csv", "--bogus x.csv", "a b c"}) {
        EXPECT_EQ(prep(arguments), 64) << arguments;
        EXPECT_EQ(out, "");
        EXPECT_EQ(err.rfind("rowcard-prep: ", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_EQ(prep("--version"), 0);
    EXPECT_EQ(out.rfind("rowcard-prep ", 0), 0u);
}

TEST_F(Prep, MissingOrUnreadableExportIsStatus2) {
    EXPECT_EQ(prep("nothing.csv"), 2);
    fs::create_directory(root / "folder.csv");
    EXPECT_EQ(prep("folder.csv"), 2);
    EXPECT_NE(err.find("folder.csv"), std::string::npos);
    EXPECT_EQ(listing(root), "folder.csv\n");
}

TEST_F(Prep, StartsAFolderThatRowcardConvertsAtOnce) {
    write_file(root / "export.csv", "Last Name,First Name,Mobile Phone\n\"Nov\xC3\xA1k\",\"Jan\",\"+420 777 1\"\n");
    ASSERT_EQ(prep("export.csv"), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(listing(root), "cards.csv\nexport.csv\nmaster.vcf\nrowcard.ini\n");
    // The card's columns, worked out per row, stand first.
    EXPECT_EQ(read_file(root / "cards.csv"), "FN;GIVEN;FAMILY;TEL1;TEL1 TYPE\r\nJan Nov\xE1k;Jan;Nov\xE1k;+420 777 1;CELL\r\n");
    EXPECT_NE(out.find("1 rows"), std::string::npos) << out;
    ASSERT_EQ(run(testing::rowcard_binary(), ""), 0);
    EXPECT_EQ(read_file(root / "cards.vcf"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Novak;Jan;;;\r\nFN:Jan Novak\r\nTEL;TYPE=CELL:+420 777 1\r\n"
              "END:VCARD\r\n\r\n");
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
    // The starter files that fit stay as they were, and no temporary file stays.
    EXPECT_EQ(read_file(root / "rowcard.ini"), "cards.csv\n;\n{A}\n{B}\n");
    EXPECT_EQ(read_file(root / "master.vcf"), "N:{A}\n");
    EXPECT_EQ(listing(root), "cards.csv\nexport.csv\nmaster.vcf\nrowcard.ini\n");
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

}  // namespace
}  // namespace rowcard
