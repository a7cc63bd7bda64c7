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
    {"name-in-value", false,
     {{"rowcard.ini", "Company\nCity\n"}, {"master.vcf", "ORG:COMPANY\nADR:CITY\n"},
      {"import.csv", "h\nTours,City\n"}}},
    // The UTF-8 guess: each limit of a valid sequence, and the byte past it.
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJan\xC3\xA1;j@x.cz\n"}}},
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJan\xC2\x80\xDF\xBF;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan\xC1\xBF;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan\xE1;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan\xC3\xC0;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan\xC3\x7F;j@x.cz\n"}}},
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJ\xE0\xA0\x80\xED\x9F\xBF;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xE0\x9F\xBF;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xED\xA0\x80;j@x.cz\n"}}},
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJ\xF0\x90\x80\x80\xF4\x8F\xBF\xBF;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xF0\x8F\xBF\xBF;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xF4\x90\x80\x80;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xF5\x80\x80\x80;j@x.cz\n"}}},
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJan;j@x.cz \xC3\xA1"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan;j@x.cz \xE1\x80"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan;j@x.cz\n"}}},
    // The UTF-16 guess: a signature, or zeros on one side of at least half
    // the byte pairs and on the other side of fewer than an eighth.
    {"table-utf16", true, {{"import.csv", std::string("N\0;\0M\0\n\0J\0;\0j\0@\0x\0\n\0", 20)}}},
    {"table-utf16", true, {{"import.csv", "\xFF\xFEN"}}},
    {"table-utf16", true, {{"import.csv", "\xFE\xFF\0N"}}},
    {"table-utf16", false, {{"import.csv", std::string("Name;Mail\nJ\0an;j@x.cz\n", 22)}}},
    {"table-utf16", true, {{"import.csv", std::string("A\0B\0", 4)}}},
    {"table-utf16", false, {{"import.csv", std::string("A\0", 2)}}},
    {"table-utf16", true, {{"import.csv", std::string("a\0b\0c\0d\0efghijkl", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("a\0b\0c\0defghijklm", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("a\0b\0c\0d\0\0fghijkl", 16)}}},
    {"table-utf16", true, {{"import.csv", std::string("a\0b\0c\0d\0e\0\0hijklmn", 18)}}},
    {"table-utf16", true, {{"import.csv", std::string("\0a\0b\0c\0dhijklmnop", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("\0a\0b\0cdefghijklm", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("\0a\0b\0c\0dh\0jklmno", 16)}}},
    // A field that opens a quote the separator cut, and near misses.
    {"quoted-separator", true, {{"import.csv", "Name;Mail\n\"Jan;Eva\";j@x.cz\n"}}},
    {"quoted-separator", true, {{"import.csv", "Name;Mail\n\";j@x.cz\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\n\"Jan Eva\";j@x.cz\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\n\"Jan\"  ;\"\"\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\nJan\";j@x.cz\n"}}},
    {"separator-mismatch", true, {{"rowcard.ini", "{Name}\n{Mail}\n"}}},
    {"separator-mismatch", false, {{"rowcard.ini", "{Name}\n{Mail}\n"}, {"import.csv", "Name;Mail\nJan\n"}}},
    // What cleaning loses; the value is compared with what rowcard made of it.
    {"value-changed", true, {{"import.csv", "h\nJan;jan!novak@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan;jan@!x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan;<jan_novak-1@x.cz>\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan;j@x.cz, \n"}}},
    {"value-changed", true, {{"import.csv", "h\nNovak-Dvorak;j@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\n-Novak;j@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\nNovak 1-2;j@x.cz\n"}}},
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
    // A header that looks like a row: an '@', or a run of five digits, in one field of both.
    {"missing-header", true, {{"import.csv", "Jan;jan@x.cz\nEva;eva@y.cz\n"}}},
    {"missing-header", true, {{"import.csv", "Jan;77712\nEva;60212\n"}}},
    {"missing-header", false, {{"import.csv", "Jan;7771\nEva;6021\n"}}},
    {"missing-header", false, {{"import.csv", "Name;Mail 1234\nJan;jan@x.cz\n"}}},
    {"missing-header", false, {{"import.csv", "jan@x.cz;Mail\nJan;jan@x.cz\n"}}},
    {"missing-header", false, {{"import.csv", "Jan;jan@x.cz\n"}}},
    // rowcard.ini against the header: the count, and names prep made from other fields.
    {"header-mismatch", true, {{"rowcard.ini", "import.csv\n;\n{Name}\n{Mail}\n{Tel}\n"}}},
    {"header-mismatch", true, {{"rowcard.ini", "import.csv\n;\n{Name}\n"}}},
    {"header-mismatch", true, {{"rowcard.ini", "import.csv\n;\n{Mail}%\n{Name}\n"}}},
    {"header-mismatch", false, {{"rowcard.ini", "import.csv\n;\n{Mail2}\n{Name2}\n"}}},
    {"header-mismatch", false, {{"rowcard.ini", "import.csv\n;\nMail\nName\n"}}},
    {"header-mismatch", false, {{"import.csv", "Name;Mail;\nJan;jan@example.cz;\n"}}},
    {"header-mismatch", false, {{"rowcard.ini", "{Name}\n{Mail}\n{Tel}\n"}}},
    // Cards without a name.
    {"no-name-column", true, {{"master.vcf", "EMAIL:{MAIL}\n"}}},
    {"no-name-column", true, {{"master.vcf", "FN:Jan\nNOTE:{NAME}\n"}}},
    {"no-name-column", false, {{"master.vcf", "N:{NAME};;;;\n"}}},
    {"no-name-column", false, {{"master.vcf", "item1.fn;CHARSET=x:{NAME}\n"}}},
    {"no-name-column", false, {{"master.vcf", GONE}}},
    {"empty-name", true, {{"import.csv", "h\n-;j@x.cz\n"}}},
    {"empty-name", true, {{"master.vcf", "FN: {NAME}\n"}, {"import.csv", "h\n;j@x.cz\n"}}},
    {"empty-name", false, {{"master.vcf", "FN:{NAME}.\n"}, {"import.csv", "h\n;j@x.cz\n"}}},
    {"empty-name", false, {{"rowcard.ini", "import.csv\n;\n{Name}%\n{Mail}\n"}, {"import.csv", "h\n;j@x.cz\n"}}},
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
        check_with({{"import.csv", "h\nA;a,b@x.cz\nB;b_c@x.cz\nC;c'd@x.cz\n"}});
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

TEST(CheckReport, LettersAreReadableAndNoOutputIsSaid) {
    // Code page 1250 bytes reach a person, and JSON, as the letters they stand
    // for: 0x9E is 'ž' there (U+017E), though U+009E in Latin-1.
    const check_report report = check_with({{"import.csv", "h\nDvo\xF8\xE1k \x9E\xE1k\xA3;j@x.cz\n"}});
    const std::string text = report_text(report, ".", false);
    EXPECT_NE(text.find("'Dvo\xC5\x99\xC3\xA1k \xC5\xBE\xC3\xA1k\xC5\x81' becomes 'Dvorak zak'"), std::string::npos)
        << text;
    EXPECT_NE(text.find("write it as 'L' in the table"), std::string::npos) << text;
    EXPECT_NE(report_json(report).find("Dvo\xC5\x99\xC3\xA1k \xC5\xBE"), std::string::npos);
    EXPECT_NE(text.find("writes 1 card to import.vcf, and exits 0"), std::string::npos) << text;
    // The five bytes the code page leaves out stay visible as escapes.
    EXPECT_NE(report_text(check_with({{"rowcard.ini", "import.csv\n;\n{N\x98}\n{Mail}\n"}}), ".", false)
                  .find("{N\\x98}"),
              std::string::npos);

    const check_report missing = check_with({{"import.csv", GONE}});
    EXPECT_NE(report_text(missing, ".", false).find("writes no file, and exits 2"), std::string::npos);
    EXPECT_EQ(missing.output_made, false);
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
