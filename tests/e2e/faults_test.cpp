// End to end: every way a file can fail to open, read or write, and the exit
// status and output each one gives.
#include <chrono>
#include <string>

#include "e2e/fixture.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

using testing::MISSING;
using testing::Rowcard;
using testing::write_file;
namespace fs = std::filesystem;

// Regression: the output was created before the table was opened, so a run in
// the wrong folder truncated the cards of an earlier run to nothing.
TEST_F(Rowcard, MissingTableLeavesAnEarlierOutputAlone) {
    put("master.vcf", "A\n");
    write_file(work / "import.vcf", "old cards");
    EXPECT_EQ(run(), 2);
    EXPECT_EQ(output(), "old cards");
}

TEST_F(Rowcard, TableThatCannotBeOpenedCreatesNoOutput) {
    fs::create_directory(work / "import.csv");
    EXPECT_EQ(run(), 2);
    EXPECT_EQ(output(), MISSING);
    put("rowcard.ini", "nowhere/list.csv\n");
    EXPECT_EQ(run(), 2);
    EXPECT_FALSE(fs::exists(work / "nowhere"));
}

TEST_F(Rowcard, MissingTemplateGivesOneLineFeedPerRecord) {
    put("import.csv", "h\n1\n2\n");
    EXPECT_EQ(run(), 3);
    EXPECT_EQ(output(), "\r\n\r\n");
}

TEST_F(Rowcard, MissingTemplateGivesOneLineFeedPerAcceptedRecordOnly) {
    put("rowcard.ini", "NAME\nTEL%\n");
    put("import.csv", "h\nEva,1\nPetr,\nJan,2\n");
    EXPECT_EQ(run(), 3);
    EXPECT_EQ(output(), "\r\n\r\n");
}

TEST_F(Rowcard, TemplateThatIsADirectory) {
    put("import.csv", "h\n1\n");
    fs::create_directory(work / "master.vcf");
    EXPECT_EQ(run(), 3);
    EXPECT_EQ(output(), "\r\n");
}

TEST_F(Rowcard, MissingTemplateWithoutRecordsIsNoFault) {
    put("import.csv", "h\n");
    EXPECT_EQ(run(), 0);
}

TEST_F(Rowcard, OutputThatIsADirectory) {
    put_one_record();
    fs::create_directory(work / "import.vcf");
    EXPECT_EQ(run(), 1);
}

TEST_F(Rowcard, ReadOnlyInputsAreConverted) {
    put_one_record();
    const auto read_only = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(work / "import.csv", read_only, fs::perm_options::remove);
    fs::permissions(work / "master.vcf", read_only, fs::perm_options::remove);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

#ifdef __linux__
TEST_F(Rowcard, OutputLinkedToAFullDevice) {
    put_one_record();
    fs::create_symlink("/dev/full", work / "import.vcf");
    EXPECT_EQ(run(), 255);
}

// Regression: after a failed write the rest of the card was still filled, and
// a template of runaway word placeholders kept the run busy for a long while
// with nothing left that could reach the output.
TEST_F(Rowcard, RunawayCardStopsAtTheFirstFailedWrite) {
    std::string pairs;
    for (std::size_t i = 0; i < 100 / 2; ++i) pairs += "1n";
    put("rowcard.ini", "N\n");
    put("import.csv", "h\n" + pairs + "\n");
    std::string runaway;
    for (int line = 0; line < 5000; ++line) runaway += "1N\n";
    put("master.vcf", runaway);
    fs::create_symlink("/dev/full", work / "import.vcf");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(run(), 255);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 5.0);
}

TEST_F(Rowcard, ReadErrorInTheTable) {
    put("master.vcf", "A\n");
    fs::create_symlink("/proc/self/mem", work / "import.csv");
    EXPECT_EQ(run(), 4);
    EXPECT_EQ(output(), "");
}

TEST_F(Rowcard, ReadErrorInTheSettingsLeavesTheDefaults) {
    put_one_record();
    fs::create_symlink("/proc/self/mem", work / "rowcard.ini");
    EXPECT_EQ(run(), 4);
    EXPECT_EQ(output(), "A\r\n\r\n");
}

TEST_F(Rowcard, ReadErrorInTheTemplate) {
    put("import.csv", "h\n1\n");
    fs::create_symlink("/proc/self/mem", work / "master.vcf");
    EXPECT_EQ(run(), 4);
    EXPECT_EQ(output(), "\r\n");
}

TEST_F(Rowcard, OutputLinkedToTheTableIsRefused) {
    put_one_record();
    fs::create_symlink("import.csv", work / "import.vcf");
    EXPECT_EQ(run(), 1);
}

TEST_F(Rowcard, OutputHardLinkedToTheTableIsRefused) {
    put_one_record();
    fs::create_hard_link(work / "import.csv", work / "import.vcf");
    EXPECT_EQ(run(), 1);
}

TEST_F(Rowcard, OutputLinkedToTheTemplateIsRefused) {
    put_one_record();
    fs::create_symlink("master.vcf", work / "import.vcf");
    EXPECT_EQ(run(), 1);
}

// Regression: an output linked to "rowcard.ini" was created over it, so the
// run destroyed the settings it had just read.
TEST_F(Rowcard, OutputLinkedToTheSettingsIsRefused) {
    put("rowcard.ini", "NAME\n");
    put_one_record();
    fs::create_symlink("rowcard.ini", work / "import.vcf");
    EXPECT_EQ(run(), 1);
}

TEST_F(Rowcard, DanglingLinkThatWouldMakeTheOutputTheTemplate) {
    put("import.csv", "h\n1\n");
    fs::create_symlink("import.vcf", work / "master.vcf");
    EXPECT_EQ(run(), 1);
    EXPECT_FALSE(fs::exists(work / "import.vcf"));
    EXPECT_TRUE(fs::is_symlink(work / "master.vcf"));
}

// ---- several faults in one run: the gravest decides ----

TEST_F(Rowcard, WriteFailureOutranksATemplateReadError) {
    put("import.csv", "h\n1\n");
    fs::create_symlink("/proc/self/mem", work / "master.vcf");
    fs::create_symlink("/dev/full", work / "import.vcf");
    EXPECT_EQ(run(), 255);
}

TEST_F(Rowcard, RefusedOutputOutranksASettingsReadError) {
    put_one_record();
    fs::create_symlink("/proc/self/mem", work / "rowcard.ini");
    fs::create_directory(work / "import.vcf");
    EXPECT_EQ(run(), 1);
}

TEST_F(Rowcard, MissingTableOutranksASettingsReadError) {
    put("master.vcf", "A\n");
    fs::create_symlink("/proc/self/mem", work / "rowcard.ini");
    EXPECT_EQ(run(), 2);
    EXPECT_EQ(output(), MISSING);
}

TEST_F(Rowcard, ReadErrorOutranksAMissingTemplate) {
    put("import.csv", "h\n1\n");
    fs::create_symlink("/proc/self/mem", work / "rowcard.ini");
    EXPECT_EQ(run(), 4);
    EXPECT_EQ(output(), "\r\n");
}
#endif

}  // namespace
}  // namespace rowcard
