// rowcard-prep's journal of a change to a folder: its text read back as
// written, a file that is no journal of its left alone, and a change undone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "prep/journal.hpp"
#include "support/files.hpp"

namespace rowcard {
namespace {

namespace fs = std::filesystem;

TEST(PrepJournal, ItsTextReadsBackAsWritten) {
    const std::vector<journal_entry> entries = {{"rowcard.ini", "rowcard.ini.old"}, {"cards.csv", ""},
                                                {"sub folder/cards.vcf", "sub folder/cards.vcf.old2"}};
    int process = 0;
    std::vector<journal_entry> back;
    ASSERT_TRUE(parse_journal(journal_text(40213, entries), process, back));
    EXPECT_EQ(process, 40213);
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t k = 0; k < back.size(); ++k) {
        EXPECT_EQ(back[k].name, entries[k].name);
        EXPECT_EQ(back[k].kept_as, entries[k].kept_as);
    }
    // Written as every text file, with CR LF.
    ASSERT_TRUE(parse_journal("rowcard-prep 7\r\ncards.csv\tcards.csv.old\r\n", process, back));
    EXPECT_EQ(process, 7);
    EXPECT_EQ(back.front().kept_as, "cards.csv.old");
}

TEST(PrepJournal, AFileThatIsNoJournalOfItsIsLeftAlone) {
    int process = 0;
    std::vector<journal_entry> entries;
    for (const std::string text : {"", "notes\n", "rowcard-prep\n", "rowcard-prep x1\n", "rowcard-prep 1234567890\n",
                                   "rowcard-prep 12", "rowcard-prep 12\ncards.csv\n", "rowcard-prep 12\n\tcards.csv\n",
                                   "rowcard-prep 12\ncards.csv\tcards.csv.old"}) {
        EXPECT_FALSE(parse_journal(text, process, entries)) << text;
    }
}

class PrepJournalUndo : public ::testing::Test {
protected:
    void SetUp() override { root = testing::make_scratch(); }
    void TearDown() override { testing::remove_scratch(root); }
    std::string at(const char* name) const { return (root / name).string(); }
    fs::path root;
};

TEST_F(PrepJournalUndo, OldFilesGoBackAndNewOnesGo) {
    testing::write_file(root / "a", "new a");
    testing::write_file(root / "a.old", "old a");
    testing::write_file(root / "b", "new b");
    testing::write_file(root / "c.prep-31-0.tmp", "half");
    // "d" was to be moved aside but the change stopped before it: it stays.
    testing::write_file(root / "d", "old d");
    const std::vector<journal_entry> entries = {
        {at("a"), at("a.old")}, {at("b"), ""}, {at("c"), ""}, {at("d"), at("d.old")}};
    EXPECT_EQ(undo_entries(entries, 31), "");
    EXPECT_EQ(testing::read_file(root / "a"), "old a");
    EXPECT_EQ(testing::read_file(root / "d"), "old d");
    EXPECT_FALSE(fs::exists(root / "a.old"));
    EXPECT_FALSE(fs::exists(root / "b"));
    EXPECT_FALSE(fs::exists(root / "c.prep-31-0.tmp"));
}

TEST_F(PrepJournalUndo, WhatCannotBePutBackIsSaidFirstAndTheRestIsStillDone) {
    // A folder, not empty, stands where each old file must go back.
    for (const char* name : {"a", "b"}) {
        fs::create_directories(root / name / "x");
        testing::write_file(root / (std::string(name) + ".old"), "old");
    }
    testing::write_file(root / "c", "new c");
    const std::vector<journal_entry> entries = {{at("a"), at("a.old")}, {at("b"), at("b.old")}, {at("c"), ""}};
    const std::string stuck = undo_entries(entries, 1);
    // The last entry is undone first: c goes, then b is the first that fails.
    EXPECT_EQ(stuck.rfind("cannot put " + at("b.old") + " back as " + at("b"), 0), 0u) << stuck;
    EXPECT_FALSE(fs::exists(root / "c"));
}

}  // namespace
}  // namespace rowcard
