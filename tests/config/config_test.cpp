// "rowcard.ini": the three kinds of line, column names and marks, the column
// limit, and reading the file itself.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "config/config.hpp"
#include "support/files.hpp"

namespace rowcard {
namespace {

// Returns the settings that the lines, applied in turn from the defaults, give.
conversion_settings settings_from(std::initializer_list<std::string> lines) {
    conversion_settings settings;
    for (const auto& line : lines) {
        if (!apply_config_line(settings, line)) break;
    }
    return settings;
}

TEST(ConfigLines, TypicalFile) {
    const auto settings = settings_from({"Contacts.CSV\n", ";\n", "Name\n", "Phone%\n"});
    EXPECT_EQ(settings.input_base, "Contacts");
    EXPECT_EQ(settings.output_base, "Contacts");
    EXPECT_EQ(settings.separator, ';');
    ASSERT_EQ(settings.columns.size(), 2u);
    EXPECT_EQ(settings.columns[0].name, "NAME");
    EXPECT_FALSE(settings.columns[0].mandatory);
    EXPECT_EQ(settings.columns[1].name, "PHONE%");
    EXPECT_TRUE(settings.columns[1].mandatory);
}

TEST(ConfigLines, FileNames) {
    EXPECT_EQ(settings_from({"data/list.csv\n"}).input_base, "data/list");
    EXPECT_EQ(settings_from({"x.csv.old\n"}).input_base, "x");
    EXPECT_EQ(settings_from({"  data.csv\n"}).input_base, "  data");
    EXPECT_EQ(settings_from({".csv"}).input_base, "");
    EXPECT_EQ(settings_from({"a.csv\n", "b.CsV\n"}).output_base, "b");
    EXPECT_EQ(settings_from({";.csv\n"}).separator, ',');
    EXPECT_TRUE(settings_from({"Names.csv\n"}).columns.empty());
}

TEST(ConfigLines, EverySeparatorCharacterAloneSetsTheSeparator) {
    for (const char c : std::string("|!/#$&?=-+,.:;<>()[]{}")) {
        // An earlier separator line first, so that ',' cannot pass as the default.
        const std::string earlier = c == ';' ? "|\n" : ";\n";
        EXPECT_EQ(settings_from({earlier, std::string(1, c) + "\n"}).separator, c) << c;
    }
}

TEST(ConfigLines, Separators) {
    EXPECT_EQ(settings_from({";"}).separator, ';');
    EXPECT_EQ(settings_from({";\n"}).separator, ';');
    EXPECT_EQ(settings_from({"()\n"}).separator, '(');
    EXPECT_EQ(settings_from({"|\n", "#\n"}).separator, '#');
    EXPECT_EQ(settings_from({"\t\n"}).separator, ',');
    const auto not_a_run = settings_from({"+-\n"});
    EXPECT_EQ(not_a_run.separator, ',');
    ASSERT_EQ(not_a_run.columns.size(), 1u);
    EXPECT_EQ(not_a_run.columns[0].name, "+-");
}

TEST(ConfigLines, ColumnNamesAndMarks) {
    const auto settings = settings_from({"%\n", "tel%   \n", "tel%\t\n", "\n", "   \n",
                                         "   Very Long Column Name\n",
                                         "abcdefghijklmnopqrst%\n", "\xE8" "ech\n"});
    ASSERT_EQ(settings.columns.size(), 8u);
    EXPECT_EQ(settings.columns[0].name, "%");
    EXPECT_TRUE(settings.columns[0].mandatory);
    EXPECT_EQ(settings.columns[1].name, "TEL%");
    EXPECT_TRUE(settings.columns[1].mandatory);
    EXPECT_EQ(settings.columns[2].name, "TEL%\t");
    EXPECT_FALSE(settings.columns[2].mandatory);
    EXPECT_EQ(settings.columns[3].name, "");
    EXPECT_FALSE(settings.columns[3].mandatory);
    EXPECT_EQ(settings.columns[4].name, "");
    EXPECT_EQ(settings.columns[5].name, "   VERY LONG COLUMN");
    EXPECT_EQ(settings.columns[6].name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_FALSE(settings.columns[6].mandatory);
    EXPECT_EQ(settings.columns[7].name, "\xE8" "ECH");
}

TEST(ConfigLines, OnlyTheFirstMaxColumnsAreRead) {
    conversion_settings settings;
    std::size_t applied = 0;
    std::string line = "c?\n";
    for (char i = 0; i < 52 && apply_config_line(settings, line); ++i) {
        ++applied;
        line[1] = static_cast<char>('0' + i);
    }
    EXPECT_EQ(applied, 50u);
    EXPECT_EQ(settings.columns.size(), 51u);
    EXPECT_EQ(settings.columns[1].name, "C0");
    EXPECT_EQ(settings.columns.back().name, "CA");  // '0' + 49, upper-cased
}

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override { folder = testing::make_scratch(); }
    void TearDown() override { testing::remove_scratch(folder); }
    std::filesystem::path folder;
};

TEST_F(ConfigFile, ReadsCrLfLinesAndStopsAtTheColumnLimit) {
    std::string file = ";\r\n";
    for (int i = 0; i < 52; ++i) file += "col\r\n";
    file += "other.csv\r\n";
    testing::write_file(folder / "rowcard.ini", file);
    const testing::working_folder here(folder);
    conversion_settings settings;
    EXPECT_TRUE(read_config(settings));
    EXPECT_EQ(settings.separator, ';');
    EXPECT_EQ(settings.columns.size(), 51u);
    EXPECT_EQ(settings.columns[0].name, "COL");
    EXPECT_EQ(settings.input_base, "import");
}

// The listing names every line with what the run made of it, the lines after
// the last column too, which leave the settings as they were.
TEST_F(ConfigFile, ListsEveryLineWithItsKind) {
    std::string file = "\xEF\xBB\xBF" "data.csv\r\n;\n";
    for (int i = 0; i < 51; ++i) file += "c\n";
    file += "other.csv\n|";
    testing::write_file(folder / "rowcard.ini", file);
    const testing::working_folder here(folder);
    conversion_settings settings;
    config_listing listing;
    EXPECT_TRUE(read_config(settings, &listing));
    EXPECT_TRUE(listing.found);
    ASSERT_EQ(listing.lines.size(), 55u);
    EXPECT_EQ(listing.lines[0].kind, config_line_kind::file_name);
    EXPECT_EQ(listing.lines[0].text, "data.csv");
    EXPECT_EQ(listing.lines[1].kind, config_line_kind::separator);
    EXPECT_EQ(listing.lines[52].kind, config_line_kind::column);
    EXPECT_EQ(listing.lines[53].kind, config_line_kind::unread);
    EXPECT_EQ(listing.lines[53].text, "other.csv");
    EXPECT_EQ(listing.lines[54].text, "|");
    EXPECT_EQ(settings.input_base, "data");
    EXPECT_EQ(settings.separator, ';');
    std::filesystem::remove(folder / "rowcard.ini");
    config_listing none;
    EXPECT_TRUE(read_config(settings, &none));
    EXPECT_FALSE(none.found);
    EXPECT_TRUE(none.lines.empty());
}

TEST_F(ConfigFile, MissingOrADirectoryLeavesTheDefaults) {
    const testing::working_folder here(folder);
    conversion_settings settings;
    EXPECT_TRUE(read_config(settings));
    std::filesystem::create_directory(folder / "rowcard.ini");
    EXPECT_TRUE(read_config(settings));
    EXPECT_EQ(settings.input_base, "import");
    EXPECT_EQ(settings.separator, ',');
    EXPECT_TRUE(settings.columns.empty());
}

#ifdef __linux__
TEST_F(ConfigFile, ReadErrorIsReportedAndDefaultsStand) {
    std::filesystem::create_symlink("/proc/self/mem", folder / "rowcard.ini");
    const testing::working_folder here(folder);
    conversion_settings settings;
    EXPECT_FALSE(read_config(settings));
    EXPECT_EQ(settings.input_base, "import");
    EXPECT_TRUE(settings.columns.empty());
}
#endif

}  // namespace
}  // namespace rowcard
