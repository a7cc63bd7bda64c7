// The filling rule: whole values, word placeholders, letter case, the order of
// columns, names inside words, and the bound on runaway word fills.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "record/record.hpp"
#include "template/fill.hpp"

namespace rowcard {
namespace {

using named_values = std::initializer_list<std::pair<const char*, const char*>>;

// Sets `columns` and `values` to the given (name, value) pairs, none mandatory.
void lay_columns(named_values cols, std::vector<column_spec>& columns, record_values& values) {
    for (const auto& [name, value] : cols) {
        columns.push_back({name, false});
        values.emplace_back(value);
    }
}

// Returns `line` filled with the given (name, value) columns.
std::string filled(std::string line, named_values cols) {
    std::vector<column_spec> columns;
    record_values values;
    lay_columns(cols, columns, values);
    fill_buffers buffers;
    fill_line(line, columns, values, buffers);
    return line;
}

TEST(FillLine, WholeValuesAndWords) {
    const std::initializer_list<std::pair<const char*, const char*>> cols = {{"NAME", "Jan Novak"},
                                                                             {"PHONE", "+420 777 123"}};
    EXPECT_EQ(filled("FN:name\n", cols), "FN:Jan Novak\n");
    EXPECT_EQ(filled("N:2NAME;1NAME;;;\n", cols), "N:Novak;Jan;;;\n");
    EXPECT_EQ(filled("TEL;TYPE=CELL:PHONE\n", cols), "TEL;TYPE=CELL:+420 777 123\n");
    EXPECT_EQ(filled("NAME:Phone", cols), "Jan Novak:+420 777 123");
}

TEST(FillLine, OnlyTheFirstPlainOccurrenceIsFilled) {
    EXPECT_EQ(filled("TEL;TYPE=CELL:TEL\n", {{"TEL", "1"}}), "1;TYPE=CELL:TEL\n");
    EXPECT_EQ(filled("NAME NAME", {{"NAME", "Eva"}}), "Eva NAME");
    EXPECT_EQ(filled("NAME 1NAME", {{"NAME", "Eva Kral"}}), "Eva Kral 1NAME");
    EXPECT_EQ(filled("1NAME 2NAME NAME", {{"NAME", "Eva Kral"}}), "Eva Kral Eva Kral");
}

TEST(FillLine, WordDigits) {
    EXPECT_EQ(filled("[3NAME]", {{"NAME", "Eva Kral"}}), "[]");
    EXPECT_EQ(filled("0NAME", {{"NAME", "Eva"}}), "0Eva");
    EXPECT_EQ(filled("NAME", {{"NAME", "Eva"}}), "Eva");
    EXPECT_EQ(filled("[2NAME]", {{"NAME", "Eva  Kral"}}), "[]");
    EXPECT_EQ(filled("[9NAME]", {{"NAME", "a b c d e f g h i"}}), "[i]");
}

TEST(FillLine, CaseAndAccents) {
    EXPECT_EQ(filled("nAmE", {{"NAME", "x"}}), "x");
    EXPECT_EQ(filled("BEGIN:VCARD", {{"N", "x"}}), "BEGIx:VCARD");
    EXPECT_EQ(filled("\xE8" "ECH \xC8" "ECH", {{"\xC8" "ECH", "x"}}), "\xE8" "ECH x");
    EXPECT_EQ(filled("Email:mail", {{"MAIL", "a@b"}}), "Ea@b:mail");
}

TEST(FillLine, LinesWithoutNamesStayAsTheyAre) {
    EXPECT_EQ(filled("BEGIN:VCARD\n", {}), "BEGIN:VCARD\n");
    EXPECT_EQ(filled("VERSION:3.0\r\n", {{"NAME", "x"}}), "VERSION:3.0\r\n");
    EXPECT_EQ(filled("a\n", {{"", "x"}}), "a\n");
    EXPECT_EQ(filled("", {{"A", "x"}}), "");
}

TEST(FillLine, ColumnsAreFilledInOrderOverEarlierValues) {
    EXPECT_EQ(filled("A B", {{"A", "my b"}, {"B", "z"}}), "my z B");
    EXPECT_EQ(filled("B A", {{"A", "b"}, {"B", "z"}}), "z b");
}

TEST(FillLine, LongLinesAreFilledWhole) {
    const std::string pad(3000, '.');
    EXPECT_EQ(filled(pad + "NAME" + pad + "\n", {{"NAME", "Eva"}}), pad + "Eva" + pad + "\n");
}

// Regression: a word that recreates its own placeholder ('1name' for '1NAME')
// used to make the search repeat for ever.
TEST(FillLine, RunawayWordPlaceholderEnds) {
    EXPECT_EQ(filled("X:1NAME NAME", {{"NAME", "1name"}}), "X:1name NAME");
    // A growing word stops after 2000 fills; the plain name after it stays.
    const std::string grown = filled("1NAME", {{"NAME", "1name1name"}});
    EXPECT_EQ(grown.size(), 5 * (2000 + 1));
    EXPECT_EQ(filled("1NAME|TEL", {{"NAME", "1name"}, {"TEL", "7"}}), "1name|7");
}

// Regression: the 2000th word fill ended the column's turn at once, so a plain
// name after exactly 2000 word placeholders was left unfilled.
TEST(FillLine, PlainNameAfterExactly2000WordFillsIsFilled) {
    std::string line;
    std::string expected;
    for (int i = 0; i < 2000; ++i) line += "1NAME", expected += "Eva";
    EXPECT_EQ(filled(line + " NAME", {{"NAME", "Eva"}}), expected + " Eva");
    EXPECT_EQ(filled(line + "1NAME", {{"NAME", "Eva"}}), expected + "1NAME");
}

TEST(FillLine, ManyWordPlaceholdersOfOneColumn) {
    const std::string words = "a b c d e f g h i";
    std::string line;
    std::string expected;
    for (int round = 0; round < 4; ++round) {
        for (char d = '1'; d <= '9'; ++d) {
            line += std::string(1, d) + "name,";
            expected += std::string(1, static_cast<char>('a' + (d - '1'))) + ",";
        }
    }
    EXPECT_EQ(filled(line + "NAME 1NAME", {{"NAME", words.c_str()}}), expected + words + " 1NAME");
    EXPECT_EQ(filled("9" + line, {{"NAME", words.c_str()}}), "9" + expected);
}

// Regression: every word fill copied the whole line, so a runaway word in each
// of many columns took time in the square of the grown line (about ten minutes
// for one template line with 51 such columns). The result is unchanged; it now
// takes time in proportion to it.
TEST(FillLine, RunawayWordsInEveryColumnFillInLinearTime) {
    std::string pairs;
    for (std::size_t i = 0; i < 100 / 2; ++i) pairs += "1a";
    const std::vector<column_spec> columns(51, column_spec{"A", false});
    const record_values values(51, pairs);
    std::string line = "1A\n";
    fill_buffers buffers;
    const auto start = std::chrono::steady_clock::now();
    fill_line(line, columns, values, buffers);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    // Each fill swaps one "1A" for 100 / 2 pairs "1a".
    const std::size_t grown = 1 + 51 * 2000 * (100 / 2 - 1);
    EXPECT_EQ(line.size(), 2 * grown + 1);
    EXPECT_EQ(line.find_first_not_of("1a"), line.size() - 1);
    EXPECT_LT(took.count(), 10.0);
}

TEST(FillLine, BuffersCarryNothingFromLineToLine) {
    const std::vector<column_spec> columns = {{"NAME", false}, {"TEL", false}};
    const record_values values = {"Eva Kral", "7"};
    fill_buffers buffers;
    std::string first = "1NAME 2NAME TEL " + std::string(500, '.') + "\n";
    fill_line(first, columns, values, buffers);
    std::string second = "2name:tel";
    fill_line(second, columns, values, buffers);
    EXPECT_EQ(first, "Eva Kral 7 " + std::string(500, '.') + "\n");
    EXPECT_EQ(second, "Kral:7");
}

}  // namespace
}  // namespace rowcard
