// rowcard-check's findings: every problem code raised by a folder that has the
// fault, and kept quiet by a near miss that does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "check/check.hpp"
#include "support/files.hpp"

namespace rowcard {
namespace {

namespace fs = std::filesystem;

constexpr const char* GONE = "<gone>";

// A clean folder with braced names: no problem, one card.
const std::map<std::string, std::string> CLEAN = {
    {"rowcard.ini", "import.csv\n;\n{Name}\n{Mail}\n"},
    {"master.vcf", "BEGIN:VCARD\nFN:{NAME}\nEMAIL:{MAIL}\nEND:VCARD\n"},
    {"import.csv", "Name;Mail\nJan;jan@example.cz\n"},
};

// Lays CLEAN with `changes` over it (GONE removes a file), checks the folder
// and returns the report.
check_report check_with(const std::map<std::string, std::string>& changes) {
    const fs::path folder = testing::make_scratch();
    std::map<std::string, std::string> files = CLEAN;
    for (const auto& [name, bytes] : changes) files[name] = bytes;
    for (const auto& [name, bytes] : files) {
        if (bytes != GONE) testing::write_file(folder / name, bytes);
    }
    check_report report;
    {
        const testing::working_folder inside(folder);
        report = check_folder();
    }
    testing::remove_scratch(folder);
    return report;
}

// Returns the codes of the problems in `report`.
std::vector<std::string> codes(const check_report& report) {
    std::vector<std::string> found;
    for (const problem& p : report.problems) found.push_back(p.code);
    return found;
}

struct code_case {
    const char* code;
    bool raised;
    std::map<std::string, std::string> changes;
};

const std::vector<code_case> CASES = {
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "TEL;TYPE=CELL:TEL\n"}}},
    {"name-in-text", true, {{"rowcard.ini", "Surname\nName\n"}, {"master.vcf", "N:SURNAME\n"}}},
    {"name-in-text", false, {{"rowcard.ini", "{Tel}\n"}, {"master.vcf", "TEL;TYPE=CELL:2{tel}x{TEL}y\n"}}},
    {"name-in-value", true,
     {{"rowcard.ini", "Company\nCity\n"}, {"master.vcf", "ORG:COMPANY\nADR:CITY\n"},
      {"import.csv", "h\nCity Tours,Brno\n"}}},
    {"name-in-value", false,
     {{"rowcard.ini", "City\nCompany\n"}, {"master.vcf", "ORG:COMPANY\nADR:CITY\n"},
      {"import.csv", "h\nBrno,City Tours\n"}}},
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJan\xC3\xA1;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan\xE1;j@x.cz\n"}}},
    {"table-utf16", true, {{"import.csv", std::string("N\0;\0M\0\n\0J\0;\0j\0@\0x\0\n\0", 20)}}},
    {"table-utf16", true, {{"import.csv", "\xFF\xFEN"}}},
    {"table-utf16", false, {{"import.csv", std::string("Name;Mail\nJ\0an;j@x.cz\n", 22)}}},
    {"quoted-separator", true, {{"import.csv", "Name;Mail\n\"Jan;Eva\";j@x.cz\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\n\"Jan Eva\";j@x.cz\n"}}},
    {"separator-mismatch", true, {{"rowcard.ini", "{Name}\n{Mail}\n"}}},
    {"separator-mismatch", false, {{"rowcard.ini", "{Name}\n{Mail}\n"}, {"import.csv", "Name;Mail\nJan\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan;<jan@x.cz>\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan;jan_novak-1@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nNovak-Dvorak;j@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan \x8C;j@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\n+420 (777) 12-3/4;j@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\nDvo\xF8\xE1k\xE4 -;j@x.cz\n"}}},
    {"column-looks-like-comment", true, {{"rowcard.ini", "import.csv\n;\n{Name}\n# mail\n"}}},
    {"column-looks-like-comment", true, {{"rowcard.ini", "import.csv\n;\n// name\n{Name}\n"}}},
    {"column-looks-like-comment", false, {{"rowcard.ini", "import.csv\n#\n;\n{Name}\n{Mail}\n"}}},
    {"missing-table", true, {{"import.csv", GONE}}},
    {"missing-table", false, {{"import.csv", ""}}},
    {"missing-template", true, {{"master.vcf", GONE}}},
    {"missing-template", false, {{"master.vcf", ""}}},
    {"output-overwrites-input", true, {{"rowcard.ini", "master.csv\n"}, {"master.csv", "h\n"}}},
    {"output-overwrites-input", false, {{"rowcard.ini", "masters.csv\n"}, {"masters.csv", "h\n"}}},
    {"runaway-fill", true, {{"rowcard.ini", "Name\n"}, {"master.vcf", "X:1NAME\n"}, {"import.csv", "h\n1name\n"}}},
    {"runaway-fill", false, {{"rowcard.ini", "Name\n"}, {"master.vcf", "X:1NAME\n"}, {"import.csv", "h\nname\n"}}},
    {"missing-header", true, {{"import.csv", "Jan;jan@x.cz\nEva;eva@y.cz\n"}}},
    {"missing-header", true, {{"import.csv", "Jan;777123456\nEva;602123456\n"}}},
    {"missing-header", false, {{"import.csv", "Name;Mail 1234\nJan;jan@x.cz\n"}}},
};

TEST(CheckProblems, EachCodeIsRaisedByItsFaultAndNotByANearMiss) {
    EXPECT_EQ(codes(check_with({})), std::vector<std::string>{});
    for (const code_case& c : CASES) {
        const std::vector<std::string> found = codes(check_with(c.changes));
        const bool raised = std::find(found.begin(), found.end(), c.code) != found.end();
        std::string shown;
        for (const std::string& code : found) shown += code + " ";
        EXPECT_EQ(raised, c.raised) << c.code << " case " << (&c - CASES.data()) << " raised: " << shown;
    }
}

TEST(CheckProblems, WhereAndHowMany) {
    // Rows are lines of the table file, 1 being the header; two addresses of
    // three lose a sign, and the problem counts both but stands once.
    const check_report report =
        check_with({{"import.csv", "h\nA;a,b@x.cz\nB;b_c@x.cz\nC;c d@x.cz (home)\n"}});
    ASSERT_EQ(report.problems.size(), 1U);
    EXPECT_EQ(report.problems[0].row, 2U);
    EXPECT_EQ(report.problems[0].count, 2U);
    EXPECT_EQ(report.problems[0].column, "{MAIL}");
    EXPECT_NE(report.problems[0].message.find("rows 2 and 4"), std::string::npos) << report.problems[0].message;

    // A rejected row names its blank mandatory column; word 0 is the whole value.
    const check_report words = check_with({{"rowcard.ini", ";\n{Name}\n{Tel}%\n"},
                                           {"master.vcf", "N:2{NAME};1{NAME}\nTEL:{TEL}%\n"},
                                           {"import.csv", "h\nJan Novak;1\nEva;\n"}});
    ASSERT_EQ(words.rejected.size(), 1U);
    EXPECT_EQ(words.rejected[0].row, 3U);
    EXPECT_EQ(words.rejected[0].columns, std::vector<std::string>{"{TEL}%"});
    ASSERT_EQ(words.placeholders.size(), 3U);
    EXPECT_EQ(words.placeholders[0].word, 2U);
    EXPECT_EQ(words.placeholders[1].word, 1U);
    EXPECT_EQ(words.placeholders[2].word, 0U);
    EXPECT_EQ(words.placeholders[2].line, 2U);
    EXPECT_EQ(words.cards, 1U);
}

TEST(CheckProblems, LinesAfterTheLastColumnAreUnread) {
    std::string ini;
    for (int i = 0; i < 52; ++i) ini += "{C" + std::to_string(i) + "}\n";
    ini += "other.csv\n";
    const check_report report = check_with({{"rowcard.ini", ini}});
    ASSERT_EQ(report.config_lines.size(), 53U);
    EXPECT_EQ(report.config_lines[50].kind, "column");
    EXPECT_EQ(report.config_lines[51].kind, "unread");
    EXPECT_EQ(report.config_lines[52].kind, "unread");
    EXPECT_EQ(report.settings.columns.size(), 51U);
    EXPECT_EQ(report.table_name, "import.csv");
}

}  // namespace
}  // namespace rowcard
