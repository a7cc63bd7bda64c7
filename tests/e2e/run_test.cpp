// End to end: the conversion as a user sees it, from the files laid in a
// fresh folder to the exact bytes of the cards and the exit status.
#include <string>

#include "e2e/fixture.hpp"

namespace rowcard {
namespace {

using testing::MISSING;
using testing::Rowcard;
namespace fs = std::filesystem;

// ---- the run without configuration ----

TEST_F(Rowcard, CopiesTheTemplateOncePerRecord) {
    put("import.csv", "header\none\ntwo\nthree\n");
    put("master.vcf", "BEGIN:VCARD\nEND:VCARD\n");
    testing::write_file(work / "import.vcf", std::string(500, 'o'));
    EXPECT_EQ(run(), 0);
    const std::string card = "BEGIN:VCARD\r\nEND:VCARD\r\n\r\n";
    EXPECT_EQ(output(), card + card + card);
}

TEST_F(Rowcard, HeaderOnlyOrEmptyTableGivesEmptyOutput) {
    put("master.vcf", "X\n");
    put("import.csv", "header\n");
    testing::write_file(work / "import.vcf", "cards of an earlier run\r\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "");
    put("import.csv", "");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "");
}

TEST_F(Rowcard, TemplateWithoutFinalLineFeed) {
    put("import.csv", "h\n1\n2\n");
    put("master.vcf", "A\nB");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "A\r\nB\r\nA\r\nB\r\n");
}

TEST_F(Rowcard, BlankLineAndLastLineWithoutFeedAreRecords) {
    put("import.csv", "h\n\nlast");
    put("master.vcf", "C\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "C\r\n\r\nC\r\n\r\n");
}

TEST_F(Rowcard, CrLfInputsAndCtrlZ) {
    put("import.csv", "h\r\n1\r\n\x1A");
    put("master.vcf", "A\r\nB\rC\r\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "A\r\nB\rC\r\n\r\n");
}

TEST_F(Rowcard, LongHeaderIsDroppedWhole) {
    put("import.csv", std::string(2500, 'h') + "\nrow\n");
    put("master.vcf", "A\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

TEST_F(Rowcard, ArgumentsAreIgnored) {
    put_one_record();
    EXPECT_EQ(run("--help other.csv"), 0);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

// ---- settings ----

TEST_F(Rowcard, SettingsNameTheTableAndTheOutput) {
    fs::create_directory(work / "data");
    put("rowcard.ini", "data/List.CSV\r\n");
    put("data/List.csv", "h\n1\n");
    put("master.vcf", "A\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output("data/List.vcf"), "A\r\n\r\n");
    EXPECT_EQ(output(), MISSING);
}

TEST_F(Rowcard, LongBaseNameIsUsedWhole) {
    const std::string base(150, 'b');
    put("rowcard.ini", base + ".csv\n");
    put(base + ".csv", "h\n1\n");
    put("master.vcf", "A\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(base + ".vcf"), "A\r\n\r\n");
}

TEST_F(Rowcard, BaseNameTheSystemRefusesIsATableThatCannotBeOpened) {
    put("rowcard.ini", std::string(300, 'b') + ".csv\n");
    EXPECT_EQ(run(), 2);
}

// Regression: the UTF-8 signature of a Windows editor became part of the table's
// name, and was copied to the front of every card. Only the very start of the
// two files is skipped: elsewhere, and anywhere in the table, the bytes are text
// (EF is a code page 1250 letter that folds to 'd').
TEST_F(Rowcard, SignatureOfSettingsAndTemplateIsSkipped) {
    put("rowcard.ini", "\xEF\xBB\xBFkontakty.csv\n{NAME}\n");
    put("kontakty.csv", "\xEF\xBB\xBFh\nEva\n\xEF\xBB\xBFIva\n");
    put("master.vcf", "\xEF\xBB\xBF" "FN:{NAME}\n\xEF\xBB\xBF\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output("kontakty.vcf"), "FN:Eva\r\n\xEF\xBB\xBF\r\n\r\nFN:dIva\r\n\xEF\xBB\xBF\r\n\r\n");
}

TEST_F(Rowcard, OutputThatWouldBeTheTemplateIsRefused) {
    put("rowcard.ini", "master.csv\n");
    put("master.csv", "h\n1\n");
    put("master.vcf", "TEMPLATE\n");
    EXPECT_EQ(run(), 1);
}

TEST_F(Rowcard, OutputThatWouldBeAMissingTemplateIsRefused) {
    put("rowcard.ini", "./master.csv\n");
    put("master.csv", "h\n1\n");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(output("master.vcf"), MISSING);
}

TEST_F(Rowcard, RowsWithoutAMandatoryValueLeaveNoTrace) {
    put("rowcard.ini", ";\nNAME\nTEL%\n");
    put("import.csv", "name;tel\nEva;1\nPetr;\nJan; \nIva;2\n");
    put("master.vcf", "C\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "C\r\n\r\nC\r\n\r\n");
}

TEST_F(Rowcard, RejectedRowsNeedNoTemplate) {
    put("rowcard.ini", "TEL%\n");
    put("import.csv", "h\n\n\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "");
}

// ---- whole conversions ----

TEST_F(Rowcard, FillsCardsFromACodePage1250Table) {
    put("rowcard.ini", "contacts.csv\r\n;\r\nNAME\r\nPHONE%\r\nMAILBOX\r\n");
    put("contacts.csv", "Jm\xE9no;Telefon;E-mail\r\n"
                        "Jan Nov\xE1k;+420 (777) 12-3;jan_novak@firma.cz\r\n"
                        "\x8A\xE1rka \xC8" "ern\xE1;;sarka@firma.cz\r\n"
                        "\x8Atefan \xDAlehla;602-111-222\r\n");
    put("master.vcf", "BEGIN:VCARD\r\nFN:name\r\nN:2NAME;1NAME;;;\r\nTEL;TYPE=CELL:PHONE%\r\n"
                      "EMAIL:MAILBOX\r\nEND:VCARD\r\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output("contacts.vcf"),
              "BEGIN:VCARD\r\nFN:Jan Novak\r\nN:Novak;Jan;;;\r\nTEL;TYPE=CELL:+420 777 123\r\n"
              "EMAIL:jan_novak@firma.cz\r\nEND:VCARD\r\n\r\n"
              "BEGIN:VCARD\r\nFN:Stefan Ulehla\r\nN:Ulehla;Stefan;;;\r\nTEL;TYPE=CELL:602111222\r\n"
              "EMAIL:\r\nEND:VCARD\r\n\r\n");
}

// Every card of a batch through its card plan, one whose address holds a
// later bare name (found there first), and one without '@', whose '-' goes.
TEST_F(Rowcard, AddressesKeepHyphensAndUnderscoresOnEveryPath) {
    put("rowcard.ini", "E\nX-Y\n");
    std::string table = "h\n";
    for (int row = 0; row < 3000; ++row) table += row % 1000 == 7 ? "a@x-y.cz,Q\n" : "j_n-1@b-c.cz,x-y\n";
    put("import.csv", table);
    put("master.vcf", "E X-Y\n");
    EXPECT_EQ(run(), 0);
    std::string cards;
    for (int row = 0; row < 3000; ++row) cards += row % 1000 == 7 ? "a@Q.cz X-Y\r\n\r\n" : "j_n-1@b-c.cz xy\r\n\r\n";
    EXPECT_EQ(output(), cards);
}

TEST_F(Rowcard, LongTableLineIsOneRecord) {
    put("rowcard.ini", "NOTE\n");
    put("import.csv", "h\n" + std::string(2500, 'x') + "\n");
    put("master.vcf", "[NOTE]\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "[" + std::string(100, 'x') + "]\r\n\r\n");
}

// A template over 64 KiB takes more than one read: it is copied whole, and
// filled to its last line.
TEST_F(Rowcard, TemplateOverOneReadIsCopiedWhole) {
    put("rowcard.ini", "{NAME}\n");
    put("import.csv", "h\nEva\nIva\n");
    const std::string pad(70 * 1024, 'x');
    put("master.vcf", pad + "\nN:{NAME}\n");
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(output() == pad + "\r\nN:Eva\r\n\r\n" + pad + "\r\nN:Iva\r\n\r\n");
}

TEST_F(Rowcard, RunawayWordPlaceholderEnds) {
    put("rowcard.ini", "NAME\n");
    put("import.csv", "h\n1name\n");
    put("master.vcf", "1NAME NAME\n");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "1name NAME\r\n\r\n");
}

// Templates are read ahead of the cards, round a circle of slots: the cards
// still come in table order, none lost or doubled, over several laps and a
// last part one. A bigger template makes a smaller circle, and one over 16 KiB
// is read card by card; all three give the same cards.
TEST_F(Rowcard, CardsKeepTableOrderAcrossBatches) {
    put("rowcard.ini", "{NAME}%\n");
    std::string table = "h\n";
    for (int i = 0; i < 2600; ++i) table += i % 7 == 3 ? "\n" : std::to_string(i) + "\n";
    put("import.csv", table);
    for (const std::size_t padding : {0, 9000, 20000}) {
        const std::string pad = padding == 0 ? "" : std::string(padding, 'x') + "\n";
        put("master.vcf", pad + "N:{NAME}%\n");
        std::string expected;
        for (int i = 0; i < 2600; ++i) {
            if (i % 7 != 3) expected += (padding == 0 ? "" : std::string(padding, 'x') + "\r\n") + "N:" + std::to_string(i) + "\r\n\r\n";
        }
        EXPECT_EQ(run(), 0) << padding;
        EXPECT_TRUE(output() == expected) << "template of " << padding << " bytes more";
    }
}

// After 8 accepted records the run looks whether the rest of the table is
// long, 128 times their bytes or more, and only then reads templates ahead:
// a table just short of the look, at it and just past it, a table too short
// at the look and one long enough give the same cards, in order, rejected
// rows between them.
TEST_F(Rowcard, CardsAreTheSameEitherSideOfTheThreadsStart) {
    put("rowcard.ini", "{NAME}%\n");
    put("master.vcf", "N:{NAME}%\n");
    for (const int accepted : {7, 8, 9, 300, 1300}) {
        std::string table = "h\n\n";
        std::string expected;
        for (int i = 0; i < accepted; ++i) {
            table += std::to_string(i) + (i % 100 == 50 ? "\n\n" : "\n");
            expected += "N:" + std::to_string(i) + "\r\n\r\n";
        }
        put("import.csv", table);
        EXPECT_EQ(run(), 0);
        EXPECT_TRUE(output() == expected) << accepted << " cards";
    }
}

}  // namespace
}  // namespace rowcard
