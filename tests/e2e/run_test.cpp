// End to end: lays files in a fresh folder, runs the real rowcard there and
// checks the exact bytes it wrote, its exit status, and that it printed nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "run/run.hpp"
#include "support/files.hpp"
#include "text/text.hpp"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace rowcard {
namespace {

namespace fs = std::filesystem;
using testing::make_scratch;
using testing::read_file;
using testing::remove_scratch;
using testing::write_file;

constexpr const char* MISSING = "<missing>";

class Rowcard : public ::testing::Test {
protected:
    void SetUp() override {
        root = make_scratch();
        work = root / "work";
        fs::create_directory(work);
    }

    // Checks that the inputs laid by `put` are unchanged, then removes the folder.
    void TearDown() override {
        for (const auto& [name, bytes] : inputs) EXPECT_EQ(read_file(work / name), bytes) << name;
        remove_scratch(root);
    }

    // Lays an input file; it must come through every run unchanged.
    void put(const std::string& name, const std::string& bytes) {
        write_file(work / name, bytes);
        inputs[name] = bytes;
    }

    // Runs rowcard in the work folder and returns its exit status; fails the test
    // if it printed anything.
    int run() {
        const std::string out = (root / "stdout").string();
        const std::string err = (root / "stderr").string();
#ifdef _WIN32
        const std::string command = "cd /d \"" + work.string() + "\" && \"" ROWCARD_BINARY "\" >\"" +
                                    out + "\" 2>\"" + err + "\"";
        const int status = std::system(("\"" + command + "\"").c_str());
#else
        const std::string command = "cd '" + work.string() + "' && '" ROWCARD_BINARY "' >'" + out +
                                    "' 2>'" + err + "' </dev/null";
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        EXPECT_EQ(read_file(out), "");
        EXPECT_EQ(read_file(err), "");
        return status;
    }

    std::string output(const std::string& name = "import.vcf") { return read_file(work / name); }

    fs::path root;
    fs::path work;
    std::map<std::string, std::string> inputs;
};

// ---- the run without configuration ----

TEST_F(Rowcard, CopiesTheTemplateOncePerRecord) {
    put("import.csv", "header\none\ntwo\nthree\n");
    put("master.vcf", "BEGIN:VCARD\nEND:VCARD\n");
    EXPECT_EQ(run(), STATUS_DONE);
    const std::string card = "BEGIN:VCARD\r\nEND:VCARD\r\n\r\n";
    EXPECT_EQ(output(), card + card + card);
}

TEST_F(Rowcard, HeaderOnlyOrEmptyTableGivesEmptyOutput) {
    put("master.vcf", "X\n");
    put("import.csv", "header\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "");
    put("import.csv", "");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "");
}

TEST_F(Rowcard, TemplateWithoutFinalLineFeed) {
    put("import.csv", "h\n1\n2\n");
    put("master.vcf", "A\nB");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "A\r\nB\r\nA\r\nB\r\n");
}

TEST_F(Rowcard, BlankLineAndLastLineWithoutFeedAreRecords) {
    put("import.csv", "h\n\nlast");
    put("master.vcf", "C\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "C\r\n\r\nC\r\n\r\n");
}

TEST_F(Rowcard, CrLfInputsAndCtrlZ) {
    put("import.csv", "h\r\n1\r\n\x1A");
    put("master.vcf", "A\r\nB\rC\r\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "A\r\nB\rC\r\n\r\n");
}

TEST_F(Rowcard, LongHeaderIsDroppedWhole) {
    put("import.csv", std::string(2500, 'h') + "\nrow\n");
    put("master.vcf", "A\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

TEST_F(Rowcard, ArgumentsAreIgnored) {
    put("import.csv", "h\n1\n");
    put("master.vcf", "A\n");
#ifndef _WIN32
    const std::string command = "cd '" + work.string() + "' && '" ROWCARD_BINARY "' --help x.csv >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), STATUS_DONE);
#endif
    EXPECT_EQ(output(), "A\r\n\r\n");
}

// ---- settings ----

TEST_F(Rowcard, SettingsNameTheTableAndTheOutput) {
    fs::create_directory(work / "data");
    put("rowcard.ini", "data/List.CSV\r\n");
    put("data/List.csv", "h\n1\n");
    put("master.vcf", "A\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output("data/List.vcf"), "A\r\n\r\n");
    EXPECT_EQ(output(), MISSING);
}

TEST_F(Rowcard, LongBaseNameIsUsedWhole) {
    const std::string base(150, 'b');
    put("rowcard.ini", base + ".csv\n");
    put(base + ".csv", "h\n1\n");
    put("master.vcf", "A\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(base + ".vcf"), "A\r\n\r\n");
}

TEST_F(Rowcard, BaseNameTheSystemRefuses) {
    put("rowcard.ini", std::string(300, 'b') + ".csv\n");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
}

TEST_F(Rowcard, OutputThatWouldBeTheTemplateIsRefused) {
    put("rowcard.ini", "master.csv\n");
    put("master.csv", "h\n1\n");
    put("master.vcf", "TEMPLATE\n");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
}

TEST_F(Rowcard, OutputThatWouldBeAMissingTemplateIsRefused) {
    put("rowcard.ini", "./master.csv\n");
    put("master.csv", "h\n1\n");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
    EXPECT_EQ(output("master.vcf"), MISSING);
}

TEST_F(Rowcard, RowsWithoutAMandatoryValueLeaveNoTrace) {
    put("rowcard.ini", ";\nNAME\nTEL%\n");
    put("import.csv", "name;tel\nEva;1\nPetr;\nJan; \nIva;2\n");
    put("master.vcf", "C\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "C\r\n\r\nC\r\n\r\n");
}

TEST_F(Rowcard, RejectedRowsNeedNoTemplate) {
    put("rowcard.ini", "TEL%\n");
    put("import.csv", "h\n\n\n");
    EXPECT_EQ(run(), STATUS_DONE);
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
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output("contacts.vcf"),
              "BEGIN:VCARD\r\nFN:Jan Novak\r\nN:Novak;Jan;;;\r\nTEL;TYPE=CELL:+420 777 123\r\n"
              "EMAIL:jannovak@firma.cz\r\nEND:VCARD\r\n\r\n"
              "BEGIN:VCARD\r\nFN:Stefan Ulehla\r\nN:Ulehla;Stefan;;;\r\nTEL;TYPE=CELL:602111222\r\n"
              "EMAIL:\r\nEND:VCARD\r\n\r\n");
}

TEST_F(Rowcard, LongTableLineIsOneRecord) {
    put("rowcard.ini", "NOTE\n");
    put("import.csv", "h\n" + std::string(2500, 'x') + "\n");
    put("master.vcf", "[NOTE]\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "[" + std::string(VALUE_LEN, 'x') + "]\r\n\r\n");
}

TEST_F(Rowcard, RunawayWordPlaceholderEnds) {
    put("rowcard.ini", "NAME\n");
    put("import.csv", "h\n1name\n");
    put("master.vcf", "1NAME NAME\n");
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "1name NAME\r\n\r\n");
}

// ---- files that cannot be opened, read or written ----

TEST_F(Rowcard, OutputFolderMissing) {
    put("rowcard.ini", "nowhere/list.csv\n");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
}

TEST_F(Rowcard, MissingTableGivesEmptyOutput) {
    put("master.vcf", "A\n");
    write_file(work / "import.vcf", "old cards");
    EXPECT_EQ(run(), STATUS_NO_TABLE);
    EXPECT_EQ(output(), "");
}

TEST_F(Rowcard, TableThatIsADirectory) {
    fs::create_directory(work / "import.csv");
    EXPECT_EQ(run(), STATUS_NO_TABLE);
    EXPECT_EQ(output(), "");
}

TEST_F(Rowcard, MissingTemplateGivesOneLineFeedPerRecord) {
    put("import.csv", "h\n1\n2\n");
    EXPECT_EQ(run(), STATUS_NO_TEMPLATE);
    EXPECT_EQ(output(), "\r\n\r\n");
}

TEST_F(Rowcard, TemplateThatIsADirectory) {
    put("import.csv", "h\n1\n");
    fs::create_directory(work / "master.vcf");
    EXPECT_EQ(run(), STATUS_NO_TEMPLATE);
    EXPECT_EQ(output(), "\r\n");
}

TEST_F(Rowcard, MissingTemplateWithoutRecordsIsNoFault) {
    put("import.csv", "h\n");
    EXPECT_EQ(run(), STATUS_DONE);
}

TEST_F(Rowcard, OutputThatIsADirectory) {
    put("import.csv", "h\n1\n");
    put("master.vcf", "A\n");
    fs::create_directory(work / "import.vcf");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
}

TEST_F(Rowcard, ReadOnlyInputsAreConverted) {
    put("import.csv", "h\n1\n");
    put("master.vcf", "A\n");
    const auto read_only = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(work / "import.csv", read_only, fs::perm_options::remove);
    fs::permissions(work / "master.vcf", read_only, fs::perm_options::remove);
    EXPECT_EQ(run(), STATUS_DONE);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

#ifdef __linux__
TEST_F(Rowcard, OutputLinkedToAFullDevice) {
    put("import.csv", "h\n1\n");
    put("master.vcf", "A\n");
    fs::create_symlink("/dev/full", work / "import.vcf");
    EXPECT_EQ(run(), STATUS_WRITE_FAILED);
}

TEST_F(Rowcard, ReadErrorInTheTable) {
    put("master.vcf", "A\n");
    fs::create_symlink("/proc/self/mem", work / "import.csv");
    EXPECT_EQ(run(), STATUS_READ_ERROR);
    EXPECT_EQ(output(), "");
}

TEST_F(Rowcard, ReadErrorInTheSettingsLeavesTheDefaults) {
    put("import.csv", "h\n1\n");
    put("master.vcf", "A\n");
    fs::create_symlink("/proc/self/mem", work / "rowcard.ini");
    EXPECT_EQ(run(), STATUS_READ_ERROR);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

TEST_F(Rowcard, ReadErrorInTheTemplate) {
    put("import.csv", "h\n1\n");
    fs::create_symlink("/proc/self/mem", work / "master.vcf");
    EXPECT_EQ(run(), STATUS_READ_ERROR);
    EXPECT_EQ(output(), "\r\n");
}

TEST_F(Rowcard, OutputLinkedToTheTableIsRefused) {
    put("import.csv", "h\n1\n");
    put("master.vcf", "A\n");
    fs::create_symlink("import.csv", work / "import.vcf");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
}

TEST_F(Rowcard, DanglingLinkThatWouldMakeTheOutputTheTemplate) {
    put("import.csv", "h\n1\n");
    fs::create_symlink("import.vcf", work / "master.vcf");
    EXPECT_EQ(run(), STATUS_NO_OUTPUT);
    EXPECT_FALSE(fs::exists(work / "import.vcf"));
    EXPECT_TRUE(fs::is_symlink(work / "master.vcf"));
}
#endif

}  // namespace
}  // namespace rowcard
