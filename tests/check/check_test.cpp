// rowcard-check's findings: every problem code raised by a folder that has the
// fault, and kept quiet by a near miss that does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "check/check.hpp"
#include "support/files.hpp"

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// Returns `found` as "FILE line L row R column C: MESSAGE", 0 where none.
std::string where_and_what(const problem& found) {
    return found.file + " line " + std::to_string(found.line) + " row " + std::to_string(found.row) + " column " +
           found.column + ": " + found.message;
}

struct code_case {
    const char* code;
    bool raised;
    std::map<std::string, std::string> changes;
    std::string shows = "";  // when raised: a part of its `where_and_what`
};

const std::vector<code_case> CASES = {
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "TEL;TYPE=CELL:TEL\n"}}},
    {"name-in-text", true, {{"rowcard.ini", "Surname\nName\n"}, {"master.vcf", "N:SURNAME\n"}}},
    {"name-in-text", false, {{"rowcard.ini", "{Tel}\n"}, {"master.vcf", "TEL;TYPE=CELL:2{tel}x{TEL}y\n"}}},
    // Regression: the starter card's own TEL;TYPE={TEL1 TYPE} was reported.
    {"name-in-text", false, {{"rowcard.ini", "{Tel1 type}\n"}, {"master.vcf", "TEL;TYPE={TEL1 TYPE}:x\n"}}},
    {"name-in-text", true, {{"rowcard.ini", "Type\n"}, {"master.vcf", "TEL;TYPE=x:y\n"}}, "in the property part"},
    // A name inside a word: the bytes at each edge of the letters, digits and
    // bytes from 0x80 up that make a word.
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "ZTEL:x\n"}},
     "master.vcf line 1 row 0 column TEL: column TEL is found inside the word 'ZTEL', and rowcard puts the value "
     "there; give the column a braced name in rowcard.ini, such as {TEL}"},
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "FN:x\nX:ATEL\n"}}, "line 2 row 0 column TEL: column TEL is found inside the word 'ATEL'"},
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "X:TEL9\n"}}, "inside the word 'TEL9'"},
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "X:aTELz\n"}}, "inside the word 'aTELz'"},
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "X:TEL0\n"}}, "inside the word 'TEL0'"},
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "X:A2TEL\n"}}, "inside the word 'A2TEL'"},
    {"name-in-text", true, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "X:TEL\x80\n"}}},
    {"name-in-text", false, {{"rowcard.ini", "Tel\n"}, {"master.vcf", "X:TEL-\n"}}},
    {"name-in-text", true, {{"rowcard.ini", "Tel}\n"}, {"master.vcf", "X:ZTEL}\n"}}, "such as {TEL}}, and write"},
    {"name-in-value", true,
     {{"rowcard.ini", "Company\nCity\n"}, {"master.vcf", "ORG:COMPANY\nADR:CITY\n"},
      {"import.csv", "h\nCity Tours,Brno\n"}},
     "import.csv line 0 row 2 column COMPANY: a value of COMPANY holds 'CITY', the name of a later column"},
    {"name-in-value", true,
     {{"rowcard.ini", "Company\nCity\nStreet\n"}, {"master.vcf", "ORG:COMPANY\nADR:STREET CITY\n"},
      {"import.csv", "h\nCity Street,Brno,Main\n"}},
     "holds 'CITY', the name of a later column, whose value rowcard then puts inside it (row 2)"},
    {"name-in-value", false,
     {{"rowcard.ini", "City\nCompany\n"}, {"master.vcf", "ORG:COMPANY\nADR:CITY\n"},
      {"import.csv", "h\nBrno,City Tours\n"}}},
    {"name-in-value", false,
     {{"rowcard.ini", "Company\nCity\n"}, {"master.vcf", "ORG:COMPANY\nADR:CITY\n"},
      {"import.csv", "h\nTours,City\n"}}},
    // The UTF-8 guess: each limit of a valid sequence, and the byte past it.
    {"table-utf8", true, {{"import.csv", "Name;Mail\nJan\xC3\xA1;j@x.cz\n"}}, "import.csv line 0 row 2 column : the table is UTF-8 (row 2)"},
    {"table-utf8", true, {{"import.csv", "Name;Mail\n\xC3\xA1n;j@x.cz\n"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xC3\xA1n \x80;j@x.cz\n"}}},
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
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJ\xC3\xA1n;j@x.cz \xE1\x80"}}},
    {"table-utf8", false, {{"import.csv", "Name;Mail\nJan;j@x.cz\n"}}},
    // The UTF-16 guess: a signature, or zeros on one side of at least half
    // the byte pairs and on the other side of fewer than an eighth.
    {"table-utf16", true, {{"import.csv", std::string("N\0;\0M\0\n\0J\0;\0j\0@\0x\0\n\0", 20)}},
     "import.csv line 0 row 1 column : the table is utf-16le"},
    {"table-utf16", true, {{"import.csv", "\xFF\xFEN"}}},
    {"table-utf16", true, {{"import.csv", "\xFE\xFF\0N"}}},
    {"table-utf16", false, {{"import.csv", std::string("Name;Mail\nJ\0an;j@x.cz\n", 22)}}},
    {"table-utf16", true, {{"import.csv", std::string("A\0B\0", 4)}}},
    {"table-utf16", false, {{"import.csv", std::string("A\0", 2)}}},
    {"table-utf16", true, {{"import.csv", std::string("a\0b\0c\0d\0efghijkl", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("a\0b\0c\0defghijklm", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("a\0b\0c\0d\0\0fghijkl", 16)}}},
    {"table-utf16", true, {{"import.csv", std::string("a\0b\0c\0d\0e\0\0hijklmn", 18)}}},
    {"table-utf16", true, {{"import.csv", std::string("abcdefghi\0j\0k\0l\0", 16)}}},
    {"table-utf16", true, {{"import.csv", std::string("\0a\0b\0c\0d\0ef\0ghijkl", 18)}}},
    {"table-utf16", true, {{"import.csv", std::string("\0a\0b\0c\0dhijklmnop", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("\0a\0b\0cdefghijklm", 16)}}},
    {"table-utf16", false, {{"import.csv", std::string("\0a\0b\0c\0dh\0jklmno", 16)}}},
    // A field that opens a quote the separator cut, and near misses.
    {"quoted-separator", true, {{"import.csv", "Name;Mail\n\"Jan;Eva\";j@x.cz\n"}},
     "import.csv line 0 row 2 column : a field opens with '\"' and the separator ';' stands inside the quotes (row 2)"},
    {"quoted-separator", true, {{"import.csv", "Name;Mail\n\";j@x.cz\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\n\"Jan Eva\";j@x.cz\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\n\"Jan\"  ;\"\"\n"}}},
    {"quoted-separator", false, {{"import.csv", "Name;Mail\nJan\";j@x.cz\n"}}},
    {"separator-mismatch", true, {{"rowcard.ini", "{Name}\n{Mail}\n"}},
     "import.csv line 0 row 1 column : with the separator ',' the header is one field, while ';' splits it into 2"},
    {"separator-mismatch", true, {{"rowcard.ini", "{Name}\n{Mail}\n"}, {"import.csv", "Name;Mail\n"}}},
    {"separator-mismatch", false, {{"import.csv", "Name;Mail,Tel\nJan;j@x.cz,1\n"}}},
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
    {"value-changed", false, {{"master.vcf", "FN:{NAME}\n"}, {"import.csv", "h\nJan;j!x@x.cz\n"}}},
    // Inside an address: a sign between any two bytes an address keeps.
    {"value-changed", true, {{"import.csv", "h\nJan;a1!2@x.cz\n"}}, "'a1!2@x.cz' becomes 'a12@x.cz', another address"},
    {"value-changed", true, {{"import.csv", "h\nJan;a.!.b@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan;a-!-b@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan;a_!_b@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan;a+!+b@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan;a@x.cz !x\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan;a@x.cz! x\n"}}},
    // Between two letters, and the near misses on each side.
    {"value-changed", true, {{"import.csv", "h\nNovak-D;j@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan Z-a;j@x.cz\n"}}},
    {"value-changed", true, {{"import.csv", "h\nJan a-z;j@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan 1-a;j@x.cz\n"}}},
    {"value-changed", false, {{"import.csv", "h\nJan a-1;j@x.cz\n"}}},
    // A byte from 0x80 up that is no folded letter, shown as the letter it is.
    {"value-changed", true, {{"import.csv", "h\nJan\x80x;j@x.cz\n"}},
     "'Jan\xE2\x82\xACx' becomes 'Janx': rowcard drops '\xE2\x82\xAC', a letter it does not fold"},
    {"value-changed", true, {{"import.csv", "h\nJan\x98x;j@x.cz\n"}}, "rowcard drops '\x98', a letter"},
    {"value-changed", true, {{"import.csv", "h\nA-b;j@x.cz\nB-b;j@x.cz\nC-c;j@x.cz\nD-d;j@x.cz\nE-e;j@x.cz\n"}},
     "cleaning changes values of {NAME} (rows 2, 3, 4 and 2 more): 'A-b' becomes 'Ab'"},
    {"value-changed", false, {{"import.csv", "h\nDvo\xF8\xE1k\xE4 -;j@x.cz\n"}}},
    {"column-looks-like-comment", true, {{"rowcard.ini", "import.csv\n;\n{Name}\n# mail\n"}},
     "rowcard.ini line 4 row 0 column # MAIL: rowcard has no comments: it reads this line as column 2"},
    {"column-looks-like-comment", true, {{"rowcard.ini", "import.csv\n;\n// name\n{Name}\n"}}},
    {"column-looks-like-comment", false, {{"rowcard.ini", "import.csv\n#\n;\n{Name}\n{Mail}\n"}}},
    {"missing-table", true, {{"import.csv", GONE}}, "import.csv line 0 row 0 column : there is no table 'import.csv'"},
    {"missing-table", false, {{"import.csv", ""}}},
    {"missing-template", true, {{"master.vcf", GONE}}, "master.vcf line 0 row 0 column : there is no master.vcf"},
    {"missing-template", false, {{"master.vcf", ""}}},
    {"output-overwrites-input", true, {{"rowcard.ini", "master.csv\n"}, {"master.csv", "h\n"}}},
    {"output-overwrites-input", false, {{"rowcard.ini", "masters.csv\n"}, {"masters.csv", "h\n"}}},
    {"runaway-fill", true, {{"rowcard.ini", "Name\n"}, {"master.vcf", "FN:x\nX:1NAME\n"}, {"import.csv", "h\n1name\n"}},
     "master.vcf line 2 row 2 column NAME: a word of a value recreates"},
    {"runaway-fill", false, {{"rowcard.ini", "Name\n"}, {"master.vcf", "X:1NAME\n"}, {"import.csv", "h\nname\n"}}},
    // A header that looks like a row: an '@', or a run of five digits, in one field of both.
    {"missing-header", true, {{"import.csv", "Jan;jan@x.cz\nEva;eva@y.cz\n"}},
     "import.csv line 0 row 1 column : the first line, which rowcard always skips as a header, looks like a "
     "contact: field 2 holds the same kind of value"},
    {"missing-header", false, {{"import.csv", "Jan;1234 5678\nEva;4321 8765\n"}}},
    {"missing-header", true, {{"import.csv", "Jan;77712\nEva;60212\n"}}},
    {"missing-header", false, {{"import.csv", "Jan;7771\nEva;6021\n"}}},
    {"missing-header", false, {{"import.csv", "Name;Mail 1234\nJan;jan@x.cz\n"}}},
    {"missing-header", false, {{"import.csv", "jan@x.cz;Mail\nJan;jan@x.cz\n"}}},
    {"missing-header", false, {{"import.csv", "Jan;jan@x.cz\n"}}},
    // rowcard.ini against the header: the count, and names prep made from other fields.
    {"header-mismatch", true, {{"rowcard.ini", "import.csv\n;\n{Name}\n{Mail}\n{Tel}\n"}},
     "rowcard.ini line 0 row 0 column : rowcard.ini lists 3 columns, but the table's header has 2 fields"},
    {"header-mismatch", true, {{"rowcard.ini", "import.csv\n;\n{Name}\n"}}},
    {"header-mismatch", true, {{"rowcard.ini", "import.csv\n;\n{Mail}%\n{Name}\n"}},
     "rowcard.ini line 3 row 0 column {MAIL}%: column 1 is named after the header's field 2 ('Mail'), but rowcard "
     "fills it from field 1 ('Name')"},
    {"header-mismatch", false, {{"rowcard.ini", "import.csv\n;\n{Mail2}\n{Name2}\n"}}},
    {"header-mismatch", false, {{"rowcard.ini", "import.csv\n;\nMail\nName\n"}}},
    {"header-mismatch", false, {{"import.csv", "Name;Mail;\nJan;jan@example.cz;\n"}}},
    {"header-mismatch", false, {{"rowcard.ini", "{Name}\n{Mail}\n{Tel}\n"}}},
    // Cards without a name.
    {"no-name-column", true, {{"master.vcf", "EMAIL:{MAIL}\n"}}, "master.vcf line 0 row 0 column : master.vcf has no FN or N line"},
    {"no-name-column", true, {{"master.vcf", "FN:Jan\nNOTE:{NAME}\n"}}, "no column is filled into the FN or N line"},
    {"no-name-column", false, {{"master.vcf", "N:{NAME};;;;\n"}}},
    {"no-name-column", false, {{"master.vcf", "item1.fn;CHARSET=x:{NAME}\n"}}},
    {"no-name-column", false, {{"master.vcf", GONE}}},
    {"empty-name", true, {{"import.csv", "h\n-;j@x.cz\n"}}},
    {"empty-name", true, {{"master.vcf", "FN:1{NAME} {NAME}\n"}, {"import.csv", "h\nJan;j@x.cz\n;j@x.cz\n"}},
     "import.csv line 0 row 3 column : row 3 would give a card whose FN, the name a phone shows, is empty; fill "
     "{NAME} in those rows"},
    {"empty-name", true, {{"master.vcf", "FN:\nN:{NAME}\n"}}, "write a column such as {NAME} in the FN line"},
    {"empty-name", true, {{"master.vcf", "FN: {NAME}\n"}, {"import.csv", "h\n;j@x.cz\n"}}},
    {"empty-name", false, {{"master.vcf", "FN:{NAME}.\n"}, {"import.csv", "h\n;j@x.cz\n"}}},
    {"empty-name", false, {{"rowcard.ini", "import.csv\n;\n{Name}%\n{Mail}\n"}, {"import.csv", "h\n;j@x.cz\n"}}},
    // Braced names that no column fills reach every card as they stand; braced
    // text that is no name (lower case, a colon, a space at an edge, too long
    // for a column) is meant as it stands.
    {"unfilled-placeholder", true, {{"master.vcf", "FN:{NAME}\nEMAIL:{MAIL}\nEMAIL;TYPE=HOME:{EMAIL1}\n"}},
     "master.vcf line 3 row 0 column {EMAIL1}: '{EMAIL1}' is filled by no column, so every card shows it as it "
     "stands; add the column line {EMAIL1} to rowcard.ini, at the place of its field in the table, or remove it "
     "from master.vcf"},
    {"unfilled-placeholder", true, {{"master.vcf", "FN:{NAME}\nX:2{E-MAIL_2/A.B}%\n"}},
     "line 2 row 0 column {E-MAIL_2/A.B}%: '{E-MAIL_2/A.B}%' is filled by no column, so every card shows it as it "
     "stands; add the column line {E-MAIL_2/A.B}% to rowcard.ini"},
    {"unfilled-placeholder", true, {{"master.vcf", "FN:{NAME}\nX:{{X}}\n"}}, "column {X}:"},
    {"unfilled-placeholder", true, {{"master.vcf", "FN:{NAME}\nX:{A23456789012345678}\n"}}},
    {"unfilled-placeholder", false, {{"master.vcf", "FN:{NAME}\nX:{A234567890123456789}\n"}}},
    {"unfilled-placeholder", true, {{"master.vcf", "FN:{NAME}\nX:{A B}\n"}}},
    {"unfilled-placeholder", false, {{"master.vcf", "FN:{NAME}\nX:{A }{ A}{}{a}{Note}{1A}{A:1}{\"A\"}{A\n"}}},
    {"unfilled-placeholder", false, {{"master.vcf", "FN:{NAME}\nX:{A,B}{A;B}{A=B}{A+B}{A'}{1}\n"}}},
    {"unfilled-placeholder", false, {{"master.vcf", "FN:{name}\nEMAIL:{Mail}\n"}}},
    // The column meant: a mandatory mark left out, or a name filled once a line already.
    {"unfilled-placeholder", true, {{"rowcard.ini", "import.csv\n;\n{Name}%\n{Mail}\n"}, {"master.vcf", "FN:{NAME}\n"}},
     "'{NAME}' is filled by no column, so every card shows it as it stands; the column is {NAME}% in rowcard.ini: "
     "write {NAME}% here"},
    {"unfilled-placeholder", true, {{"master.vcf", "FN:{NAME} {MAIL} {Name}\n"}},
     "line 1 row 0 column {Name}: '{Name}' is filled by no column, so every card shows it as it stands; rowcard "
     "fills a column once a line, at its first whole {NAME}, and this one stands after it"},
    {"unfilled-placeholder", true, {{"rowcard.ini", "import.csv\n;\n{Name}%\n{Mail}\n"},
                                    {"master.vcf", "FN:{NAME}% {NAME}%\n"}}, "at its first whole {NAME}%"},
    {"unfilled-placeholder", false, {{"rowcard.ini", "import.csv\n;\n{Name}%\n{Mail}\n"}, {"master.vcf", "FN:{NAME}%\n"}}},
    {"unfilled-placeholder", false, {{"master.vcf", "N:2{NAME};1{NAME};{MAIL}\n"}}},
    {"unfilled-placeholder", false, {{"rowcard.ini", "import.csv\n;\nName\n{Mail}\n"}, {"master.vcf", "FN:{NAME}\n"}}},
    // Values that do not fit their property, judged on the line as rowcard
    // fills it: an EMAIL without '@', a TEL without a digit. Empty is no misfit.
    {"value-misfit", true, {{"import.csv", "h\nJan;jan@x.cz\nEva;eva.x.cz\nPetr;;\nOta;(ota) x.cz\n"}},
     "import.csv line 0 row 3 column {MAIL}: the EMAIL line of master.vcf (line 3) gets a value without an '@' "
     "(rows 3 and 5), such as 'eva.x.cz' in row 3; check that rowcard.ini lists the columns in the order of the "
     "table's fields, or correct those values in the table"},
    {"value-misfit", false, {{"import.csv", "h\nJan;jan@x.cz\nPetr;\nOta; \n"}}},
    {"value-misfit", true,
     {{"rowcard.ini", "import.csv\n;\n{Name}\n{Tel}\n"}, {"master.vcf", "FN:{NAME}\nTEL;TYPE=CELL:{TEL}%\n"},
      {"import.csv", "h\nJan;+420 1\nEva;+\nOta;-1-\n"}},
     "import.csv line 0 row 3 column {TEL}: the TEL line of master.vcf (line 2) gets a value without a digit "
     "(row 3), such as '+%' in row 3"},
    {"value-misfit", false,
     {{"rowcard.ini", "import.csv\n;\n{Name}\n{Tel}\n"}, {"master.vcf", "FN:{NAME}\nTEL;TYPE=CELL:{TEL}\n"},
      {"import.csv", "h\nJan;+420 1\nEva;0\nOta;9\nIva;\n"}}},
    // The property by its name: grouped, in any case, with parameters; others are not judged.
    {"value-misfit", true, {{"master.vcf", "FN:{NAME}\nitem1.email;TYPE=INTERNET:{MAIL}\n"}, {"import.csv", "h\nJan;x\n"}},
     "(line 2) gets a value without an '@' (row 2), such as 'x' in row 2"},
    {"value-misfit", true, {{"master.vcf", "FN:{NAME}\nTEL:{NAME}\n"}}, "column {NAME}: the TEL line"},
    {"value-misfit", true, {{"master.vcf", "FN:{NAME}\nEMAIL:<{MAIL}>\n"}, {"import.csv", "h\nJan;x\n"}}, "'<x>'"},
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nNOTE:{MAIL}\nTELEX:{NAME}\nX-EMAIL:{NAME}\n"}}},
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nEMAIL:{MAIL}\nEMAIL:office\nTEL:none\n"}}},
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nEMAIL;X={NAME}:{MAIL}\n"}}},
    // Fixed text that holds what is needed, right before a word's digit, makes every card fit.
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nTEL:51{NAME}\n"}}},
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nEMAIL:@{NAME}\n"}}},
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nEMAIL:{NAME}@\n"}}},
    {"value-misfit", true, {{"master.vcf", "EMAIL:{MAIL}\nFN:{NAME}\n"}, {"import.csv", "h\nJan;x\n"}}, "(line 1)"},
    {"value-misfit", false, {{"master.vcf", "FN:{NAME}\nEMAIL:2{MAIL}\n"}, {"import.csv", "h\nJan;jan@x.cz\n"}}},
    {"value-misfit", true, {{"master.vcf", "FN:{NAME}\nEMAIL:1{MAIL}\n"}, {"import.csv", "h\nJan;j x@x.cz\n"}}, "'j'"},
    // A birthday must be a date the card's version reads; a day without its year only in 4.0.
    {"value-misfit", true, {{"master.vcf", "VERSION:3.0\nFN:{NAME}\nBDAY:{MAIL}\n"}, {"import.csv", "h\nJan;12.4.85\n"}},
     "the BDAY line of master.vcf (line 3) gets a value without a date in a form its vCard version reads"},
    {"value-misfit", false, {{"master.vcf", "VERSION:3.0\nFN:{NAME}\nBDAY:{MAIL}\n"}, {"import.csv", "h\nJan;19850412\nEva;\n"}}},
    {"value-misfit", true, {{"master.vcf", "VERSION:3.0\nFN:{NAME}\nBDAY:--{MAIL}\n"}, {"import.csv", "h\nJan;0412\n"}},
     "such as '--0412'"},
    {"value-misfit", false, {{"master.vcf", "VERSION:4.0\nFN:{NAME}\nBDAY:--{MAIL}\n"}, {"import.csv", "h\nJan;0412\n"}}},
    {"value-misfit", true, {{"master.vcf", "VERSION:4.0\nFN:{NAME}\nBDAY:--{MAIL}\n"}, {"import.csv", "h\nJan;041\n"}}},
    {"value-misfit", true, {{"master.vcf", "FN:{NAME}\nBDAY:--{MAIL}\n"}, {"import.csv", "h\nJan;0412\n"}}},
    // A version no reader knows; none at all is no problem.
    {"unknown-version", true, {{"master.vcf", "BEGIN:VCARD\nVERSION:3\nFN:{NAME}\nEND:VCARD\n"}},
     "master.vcf line 2 row 0 column : master.vcf says VERSION:3, which phones and mail programs may not read"},
    {"unknown-version", false, {{"master.vcf", "BEGIN:VCARD\nversion:2.1\nFN:{NAME}\nEND:VCARD\n"}}},
    {"unknown-version", false, {{"master.vcf", "BEGIN:VCARD\nVERSION:4.0\nFN:{NAME}\nEND:VCARD\n"}}},
};

TEST(CheckProblems, EachCodeIsRaisedByItsFaultAndNotByANearMiss) {
    EXPECT_EQ(codes(check_with({})), std::vector<std::string>{});
    for (const code_case& c : CASES) {
        const check_report report = check_with(c.changes);
        const std::vector<std::string> found = codes(report);
        const bool raised = std::find(found.begin(), found.end(), c.code) != found.end();
        std::string shown;
        for (const std::string& code : found) shown += code + " ";
        EXPECT_EQ(raised, c.raised) << c.code << " case " << (&c - CASES.data()) << " raised: " << shown;
        if (c.shows.empty()) continue;
        std::string said;
        for (const problem& p : report.problems) {
            if (p.code == c.code) said += where_and_what(p) + "\n";
        }
        EXPECT_NE(said.find(c.shows), std::string::npos) << c.code << " case " << (&c - CASES.data()) << ":\n" << said;
    }
}

// Checks CLEAN with the input `name` made `what`: GONE, "folder", or
// "link:TARGET", and returns the report.
check_report check_with_unread(const std::string& name, const std::string& what) {
    const fs::path folder = testing::make_scratch();
    for (const auto& [file, bytes] : CLEAN) {
        if (file != name) testing::write_file(folder / file, bytes);
    }
    if (what == "folder") fs::create_directory(folder / name);
    if (what.starts_with("link:")) fs::create_symlink(what.substr(5), folder / name);
    check_report report;
    {
        const testing::working_folder inside(folder);
        report = check_folder();
    }
    testing::remove_scratch(folder);
    return report;
}

// Each input that is there but cannot be read is told from one that is not
// there, with what rowcard does instead; the forecast stays rowcard's.
TEST(CheckInputs, ThereButUnreadableIsToldFromMissing) {
    const check_report folder_ini = check_with_unread("rowcard.ini", "folder");
    // Without columns the template's braced names reach every card as they stand.
    EXPECT_EQ(codes(folder_ini), (std::vector<std::string>{"unfilled-placeholder", "unfilled-placeholder",
                                                           "separator-mismatch", "no-name-column", "unreadable-file"}));
    ASSERT_EQ(folder_ini.problems.size(), 5U);
    EXPECT_EQ(where_and_what(folder_ini.problems[4]),
              "rowcard.ini line 0 row 0 column : 'rowcard.ini' is there but cannot be read: it is a folder; rowcard "
              "takes the defaults (the table import.csv, the separator ',' and no columns), so it fills no "
              "placeholder; put a readable file named 'rowcard.ini' in its place");
    EXPECT_EQ(folder_ini.status, 0);
    EXPECT_NE(report_text(folder_ini, ".", false).find("\nSettings (rowcard.ini is a folder, not read: the defaults)\n"),
              std::string::npos);
    const check_report no_ini = check_with_unread("rowcard.ini", GONE);
    EXPECT_EQ(codes(no_ini), (std::vector<std::string>{"unfilled-placeholder", "unfilled-placeholder",
                                                       "separator-mismatch", "no-name-column"}));
    EXPECT_NE(report_text(no_ini, ".", false).find("\nSettings (no rowcard.ini: the defaults)\n"), std::string::npos);

    const check_report folder_table = check_with_unread("import.csv", "folder");
    EXPECT_EQ(codes(folder_table), std::vector<std::string>{"unreadable-file"});
    EXPECT_EQ(where_and_what(folder_table.problems[0]),
              "import.csv line 0 row 0 column : 'import.csv' is there but cannot be read: it is a folder; rowcard "
              "writes no card and no output file; put a readable file named 'import.csv' in its place");
    EXPECT_EQ(folder_table.status, 2);
    EXPECT_NE(report_text(folder_table, ".", false).find("Table (import.csv)\n  there, but not read: it is a folder\n"),
              std::string::npos);
    const check_report no_table = check_with_unread("import.csv", GONE);
    EXPECT_EQ(codes(no_table), std::vector<std::string>{"missing-table"});
    EXPECT_NE(report_text(no_table, ".", false).find("Table (import.csv)\n  not there\n"), std::string::npos);

    const check_report folder_template = check_with_unread("master.vcf", "folder");
    EXPECT_EQ(codes(folder_template), std::vector<std::string>{"unreadable-file"});
    EXPECT_EQ(where_and_what(folder_template.problems[0]),
              "master.vcf line 0 row 0 column : 'master.vcf' is there but cannot be read: it is a folder; each card "
              "rowcard writes is an empty line; put a readable file named 'master.vcf' in its place");
    EXPECT_EQ(folder_template.status, 3);
    EXPECT_NE(report_text(folder_template, ".", false).find("Template (master.vcf)\n  there, but not read: it is a folder\n"),
              std::string::npos);
    const check_report no_template = check_with_unread("master.vcf", GONE);
    EXPECT_EQ(codes(no_template), std::vector<std::string>{"missing-template"});
    EXPECT_NE(report_text(no_template, ".", false).find("Template (master.vcf)\n  not there\n"), std::string::npos);

#ifndef _WIN32
    // Links that lead nowhere, and links that loop, are there all the same.
    for (const std::string name : {"rowcard.ini", "import.csv", "master.vcf"}) {
        const check_report dangling = check_with_unread(name, "link:none.txt");
        const check_report loop = check_with_unread(name, "link:" + name);
        for (const check_report* report : {&dangling, &loop}) {
            const std::vector<std::string> found = codes(*report);
            EXPECT_NE(std::find(found.begin(), found.end(), "unreadable-file"), found.end()) << name;
            EXPECT_EQ(std::find(found.begin(), found.end(), "missing-table"), found.end()) << name;
            EXPECT_EQ(std::find(found.begin(), found.end(), "missing-template"), found.end()) << name;
        }
        EXPECT_NE(report_text(dangling, ".", false).find("it is a link to 'none.txt', where nothing is"),
                  std::string::npos)
            << name;
        EXPECT_NE(report_text(loop, ".", false).find("it is a link that loops back on itself"), std::string::npos)
            << name;
        EXPECT_FALSE(dangling.config_found && dangling.table_found && dangling.template_found);
    }
    // A FIFO is never opened: it is a special file, not an unreadable one.
    const fs::path folder = testing::make_scratch();
    for (const auto& [file, bytes] : CLEAN) testing::write_file(folder / file, bytes);
    fs::remove(folder / "master.vcf");
    ASSERT_EQ(::mkfifo((folder / "master.vcf").c_str(), 0600), 0);
    check_report fifo;
    {
        const testing::working_folder inside(folder);
        fifo = check_folder();
    }
    testing::remove_scratch(folder);
    EXPECT_EQ(codes(fifo), std::vector<std::string>{"special-file"});
    EXPECT_NE(report_text(fifo, ".", false).find("Template (master.vcf)\n  there, but not read: it is a FIFO\n"),
              std::string::npos);
#endif
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
    EXPECT_NE(report.problems[0].message.find("(rows 2 and 4):"), std::string::npos) << report.problems[0].message;
    EXPECT_TRUE(report.config_found);
    EXPECT_EQ(report.encoding, "ascii");
    EXPECT_EQ(check_with({{"import.csv", "h\nJan \x80;j@x.cz\n"}}).encoding, "cp1250");
    EXPECT_FALSE(check_with({{"rowcard.ini", GONE}}).config_found);

    const check_report shapes = check_with({{"rowcard.ini", ";\n{Name}%\n{Tel}\n"}, {"import.csv", "h\nA\n;2\nB;1;x\n"}});
    EXPECT_EQ(shapes.fewest_fields, 1U);
    EXPECT_EQ(shapes.most_fields, 3U);
    ASSERT_EQ(shapes.rejected.size(), 1U);
    EXPECT_EQ(shapes.rejected[0].columns, std::vector<std::string>{"{NAME}%"});

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

    // A whole-value placeholder ends its column's turn in the line, so a
    // second one stays unfilled; the columns after it are still listed.
    const check_report twice = check_with({{"master.vcf", "FN:{NAME}\nNOTE:{NAME} {NAME} {MAIL}\n"}});
    ASSERT_EQ(twice.placeholders.size(), 3U);
    EXPECT_EQ(twice.placeholders[1].line, 2U);
    EXPECT_EQ(twice.placeholders[1].position, 6U);
    EXPECT_EQ(twice.placeholders[1].column, 0U);
    EXPECT_EQ(twice.placeholders[2].line, 2U);
    EXPECT_EQ(twice.placeholders[2].position, 20U);
    EXPECT_EQ(twice.placeholders[2].column, 1U);
    EXPECT_EQ(twice.placeholders[2].word, 0U);
}

TEST(CheckReport, LettersAreReadableAndNoOutputIsSaid) {
    // UTF-8 of two, three and four bytes passes as it is; a cut sequence is
    // read as code page 1250 ('\xF0' is 'đ', '\x9F' is 'ź').
    check_report made;
    const std::string passes = "\xC2\xA0\xC3\xA1\xE0\xA0\x80\xE2\x82\xAC\xF0\x9F\x98\x80|";
    made.problems.push_back({"x", "f", 0, 0, "", passes + "\xF0\x9F\x80", 1});
    EXPECT_NE(report_text(made, ".", false).find(passes + "\xC4\x91\xC5\xBA\xE2\x82\xAC\n"), std::string::npos);
    EXPECT_NE(report_json(made).find(passes + "\xC4\x91\xC5\xBA\xE2\x82\xAC\""), std::string::npos);

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

// The report as a person and a script read it, pinned byte for byte: colour,
// the rows and problems shown and counted, nulls, escapes, and letters of code
// page 1250 (0xC9 'É', 0x9E 'ž') where a byte is no UTF-8; 0x98, which the page
// leaves out, stays an escape for a person and is U+FFFD for scripts.
TEST(CheckReport, TextAndJsonAsPinned) {
    check_report r;
    r.settings.input_base = "kontakty";
    r.settings.separator = ';';
    r.settings.columns = {{"{JM\xC9NO}", false}, {"{TEL}%", true}};
    r.config_found = true;
    r.column_lines = {3};
    r.config_lines = {{1, "file-name", "kontakty.csv"}, {2, "separator", ";"}, {3, "column", "{Jm\xE9no}"},
                      {4, "column", "{Tel}%"}, {5, "unread", "x\t\"\\\x01\x1F"}};
    r.table_name = "kontakty.csv";
    r.table_found = true;
    r.encoding = "cp1250";
    r.rows = 9;
    r.accepted = 2;
    r.header_fields = 2;
    r.fewest_fields = 1;
    r.most_fields = 3;
    for (std::size_t row = 2; row < 9; ++row) r.rejected.push_back({row, {"{TEL}%"}});
    r.rejected[0].columns.insert(r.rejected[0].columns.begin(), "{JM\xC9NO}");
    r.template_found = true;
    r.placeholders = {{3, 4, 0, 2}, {4, 1, 1, 0}};
    r.output_name = "kontakty.vcf";
    r.cards = 2;
    r.output_made = true;
    r.status = 3;
    for (std::size_t row = 2; row < 6; ++row) {
        r.problems.push_back({"empty-name", "kontakty.csv", 0, row, "", "m\x9E\x98", 2});
    }
    r.problems.push_back({"name-in-text", "master.vcf", 7, 0, "{TEL}%", "x", 1});
    EXPECT_EQ(report_text(r, "slo\x9Eka", true),
              "rowcard-check slo\xC5\xBEka\n"
              "\n"
              "\x1B[1mSettings (rowcard.ini)\x1B[0m\n"
              "  line 1: file-name, 'kontakty.csv'\n"
              "  line 2: separator, ';'\n"
              "  line 3: column 1, named {JM\xC3\x89NO}\n"
              "  line 4: column 2, named {TEL}%, mandatory\n"
              "  line 5: unread, 'x\\t\"\\\\x01\\x1F'\n"
              "  table kontakty.csv, output kontakty.vcf, separator ';', 2 columns\n"
              "\n"
              "\x1B[1mTable (kontakty.csv)\x1B[0m\n"
              "  encoding cp1250; 9 rows after the header; 2 fields in the header, 1 to 3 per row\n"
              "  2 accepted, 7 rejected\n"
              "  row 2: blank {JM\xC3\x89NO} {TEL}%\n"
              "  row 3: blank {TEL}%\n"
              "  row 4: blank {TEL}%\n"
              "  row 5: blank {TEL}%\n"
              "  row 6: blank {TEL}%\n"
              "  and 2 more\n"
              "\n"
              "\x1B[1mTemplate (master.vcf)\x1B[0m\n"
              "  line 3, byte 4: {JM\xC3\x89NO}, word 2\n"
              "  line 4, byte 1: {TEL}%, the whole value\n"
              "\n"
              "\x1B[1mWhat rowcard would do\x1B[0m\n"
              "  writes 2 cards to kontakty.vcf, and exits 3 (the template cannot be opened, so the cards are empty lines)\n"
              "\n"
              "\x1B[1mProblems (5)\x1B[0m\n"
              "  kontakty.csv, row 2: \x1B[31mempty-name\x1B[0m\n"
              "    m\xC5\xBE\\x98\n"
              "  kontakty.csv, row 3: \x1B[31mempty-name\x1B[0m\n"
              "    m\xC5\xBE\\x98\n"
              "  kontakty.csv, row 4: \x1B[31mempty-name\x1B[0m\n"
              "    m\xC5\xBE\\x98\n"
              "  and 1 more empty-name\n"
              "  master.vcf, line 7, column {TEL}%: \x1B[31mname-in-text\x1B[0m\n"
              "    x\n");
    EXPECT_EQ(report_json(r),
              "{\"settings\": {\"input\": \"kontakty.csv\", \"output\": \"kontakty.vcf\", "
              "\"separator\": \";\", \"columns\": [{\"position\": 1, \"name\": \"{JM\xC3\x89NO}\", "
              "\"mandatory\": false, \"config_line\": 3}, {\"position\": 2, "
              "\"name\": \"{TEL}%\", \"mandatory\": true, \"config_line\": null}]}, "
              "\"config_lines\": [{\"line\": 1, \"kind\": \"file-name\", "
              "\"text\": \"kontakty.csv\"}, {\"line\": 2, \"kind\": \"separator\", \"text\": \";\"}, "
              "{\"line\": 3, \"kind\": \"column\", \"text\": \"{Jm\xC3\xA9no}\"}, {\"line\": 4, "
              "\"kind\": \"column\", \"text\": \"{Tel}%\"}, {\"line\": 5, \"kind\": \"unread\", "
              "\"text\": \"x\\u0009\\\"\\\\\\u0001\\u001f\"}], \"table\": {\"found\": true, "
              "\"encoding\": \"cp1250\", \"rows\": 9, \"accepted\": 2, \"header_fields\": 2, "
              "\"fewest_fields\": 1, \"most_fields\": 3, \"rejected\": [{\"row\": 2, "
              "\"columns\": [\"{JM\xC3\x89NO}\", \"{TEL}%\"]}, {\"row\": 3, \"columns\": [\"{TEL}%\"]}, {\"row\": 4, "
              "\"columns\": [\"{TEL}%\"]}, {\"row\": 5, \"columns\": [\"{TEL}%\"]}, {\"row\": 6, "
              "\"columns\": [\"{TEL}%\"]}, {\"row\": 7, \"columns\": [\"{TEL}%\"]}, {\"row\": 8, "
              "\"columns\": [\"{TEL}%\"]}]}, \"template\": {\"found\": true, "
              "\"placeholders\": [{\"line\": 3, \"position\": 4, \"column\": \"{JM\xC3\x89NO}\", "
              "\"word\": 2}, {\"line\": 4, \"position\": 1, \"column\": \"{TEL}%\", "
              "\"word\": 0}]}, \"cards\": 2, \"status\": 3, "
              "\"problems\": [{\"code\": \"empty-name\", \"file\": \"kontakty.csv\", "
              "\"line\": null, \"row\": 2, \"column\": null, \"count\": 2, "
              "\"message\": \"m\xC5\xBE\xEF\xBF\xBD\"}, {\"code\": \"empty-name\", \"file\": \"kontakty.csv\", "
              "\"line\": null, \"row\": 3, \"column\": null, \"count\": 2, "
              "\"message\": \"m\xC5\xBE\xEF\xBF\xBD\"}, {\"code\": \"empty-name\", \"file\": \"kontakty.csv\", "
              "\"line\": null, \"row\": 4, \"column\": null, \"count\": 2, "
              "\"message\": \"m\xC5\xBE\xEF\xBF\xBD\"}, {\"code\": \"empty-name\", \"file\": \"kontakty.csv\", "
              "\"line\": null, \"row\": 5, \"column\": null, \"count\": 2, "
              "\"message\": \"m\xC5\xBE\xEF\xBF\xBD\"}, {\"code\": \"name-in-text\", \"file\": \"master.vcf\", "
              "\"line\": 7, \"row\": null, \"column\": \"{TEL}%\", \"count\": 1, "
              "\"message\": \"x\"}]}\n");
    r.column_lines.clear();  // columns whose lines are unknown have none
    EXPECT_NE(report_json(r).find("\"config_line\": null}, {\"position\": 2"), std::string::npos);
    r.rows = 1;
    EXPECT_NE(report_text(r, ".", false).find("; 1 row after the header;"), std::string::npos);
    r.problems.erase(r.problems.begin());  // three of a kind are all shown, with nothing more to count
    EXPECT_EQ(report_text(r, ".", false).find("more empty-name"), std::string::npos);
    r.stall = "waits for a writer on the FIFO 'master.vcf'";
    EXPECT_NE(report_json(r).find("\"cards\": 2, \"status\": null, "), std::string::npos);
    EXPECT_NE(report_text(r, ".", false).find("\n  waits for a writer on the FIFO 'master.vcf', and does not finish "
                                              "by itself\n"),
              std::string::npos);
    EXPECT_EQ(check_status(r), CHECK_FAILS);
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
