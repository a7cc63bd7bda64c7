// Template filling: whole values, word placeholders, letter case, the order of
// columns, names inside words, and the bound on runaway word fills.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>

#include "record/record.hpp"
#include "template/template.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

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

// The filling rule step by step, as plainly as it can be written: an upper-cased
// copy searched from its start for each column, the whole line rebuilt after
// every find. The fast filling must agree with it on any line.
std::string filled_step_by_step(std::string line, const std::vector<column_spec>& columns,
                                const record_values& values) {
    std::size_t p = 0;
    std::size_t word_fills = 0;
    while (p < columns.size()) {
        std::string upper = line;
        upper_in_place(upper);
        const std::string& name = columns[p].name;
        const std::ptrdiff_t found = find_text(upper, name, 0);
        if (found == NOT_FOUND) {
            ++p;
            word_fills = 0;
            continue;
        }
        const auto at = static_cast<std::size_t>(found);
        const char before = at > 0 ? upper[at - 1] : ' ';
        const bool word = before >= '1' && before <= '9';
        if (word && word_fills == 2000) {
            ++p;
            word_fills = 0;
            continue;
        }
        const std::size_t start = word ? at - 1 : at;
        const std::string replacement(word ? field_at(values[p], ' ', static_cast<std::size_t>(before - '1'))
                                           : std::string_view(values[p]));
        line = line.substr(0, start) + replacement + line.substr(at + name.size());
        ++word_fills;
        if (!word) {
            ++p;
            word_fills = 0;
        }
    }
    return line;
}

// Returns a random piece of template or value text: names in any case, word
// digits, spaces, accented and other bytes, so that names meet, overlap and
// come back inside values.
std::string random_text(std::mt19937& random, std::size_t pieces) {
    static const char* const PARTS[] = {"name", "NAME", "Na", "me", "N", "TEL%", "tel", "%", "1", "2", "3",
                                        "0",    " ",    " ",  ":",  ";", "\xE8", "\xC8", "ECH", "x",
                                        "@",    "\n"};
    std::string text;
    const std::size_t count = random() % (pieces + 1);
    for (std::size_t i = 0; i < count; ++i) text += PARTS[random() % std::size(PARTS)];
    return text;
}

// Both ways of filling agree with the rule: `fill_line`, and `fill_planned`
// whether its plan serves or it falls back, with a plan kept across records
// and renewed when the line at its place changes.
TEST(FillLine, AgreesWithTheStepByStepRule) {
    static const char* const NAMES[] = {"NAME", "N", "TEL%", "ME", ("\xC8" "ECH"), "", "A B", "1N"};
    std::mt19937 random(20261208);
    fill_buffers buffers;  // shared by every round, as the run shares it
    fill_plans plans;
    std::size_t planned = 0;
    std::size_t unplanned = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<column_spec> columns;
        const std::size_t count = random() % 4;
        for (std::size_t c = 0; c < count; ++c) columns.push_back({NAMES[random() % std::size(NAMES)], false});
        prepare_plans(plans, columns);
        const std::string lines[] = {random_text(random, 8), random_text(random, 8)};
        for (int record = 0; record < 3; ++record) {
            record_values values;
            // Plain words often, so that plans serve; the random pieces make them fail.
            for (std::size_t c = 0; c < count; ++c) values.push_back(random() % 2 ? "Eva Kral" : random_text(random, 4));
            const std::string& line = lines[record / 2];
            const std::string expected = filled_step_by_step(line, columns, values);
            std::string fast = line;
            fill_line(fast, columns, values, buffers);
            ASSERT_EQ(fast, expected) << "round " << round << ": " << line;
            std::string from_plan = line;
            (fill_planned(from_plan, 0, values, plans, buffers) ? planned : unplanned) += 1;
            ASSERT_EQ(from_plan, expected) << "round " << round << ", record " << record << ": " << line;
        }
    }
    EXPECT_GT(planned, 10000U);
    EXPECT_GT(unplanned, 5000U);
}

// Returns `line` filled through a plan with the given (name, value) columns;
// `served` tells whether the plan served or the line fell back.
std::string planned(std::string line, named_values cols, bool& served) {
    std::vector<column_spec> columns;
    record_values values;
    lay_columns(cols, columns, values);
    fill_plans plans;
    prepare_plans(plans, columns);
    fill_buffers buffers;
    served = fill_planned(line, 0, values, plans, buffers);
    return line;
}

// A plan serves ordinary cards, and steps aside wherever a value would form a
// name with its neighbours or lend a word digit.
TEST(FillLine, PlansServeOnlyWhereValuesCannotFormNames) {
    bool served = false;
    EXPECT_EQ(planned("N:2NAME;1NAME;;;\n", {{"NAME", "Jan Novak"}, {"TEL", "+420 777"}}, served), "N:Novak;Jan;;;\n");
    EXPECT_TRUE(served);
    EXPECT_EQ(planned("TEL:TEL;NAME", {{"TEL", ""}, {"NAME", "Eva"}}, served), ":TEL;Eva");
    EXPECT_TRUE(served);
    // An empty value joins 'Na' and 'me' into a later name.
    EXPECT_EQ(planned("NaTEL%me", {{"TEL%", ""}, {"NAME", "Eva"}}, served), "Eva");
    EXPECT_FALSE(served);
    // An empty word leaves the digit '2' before TEL, which then takes a word.
    EXPECT_EQ(planned("23NAMETEL", {{"NAME", "Eva Kral"}, {"TEL", "7"}}, served), "");
    EXPECT_FALSE(served);
    // A value's last digit makes the name after it a word placeholder.
    EXPECT_EQ(planned("NAMETEL", {{"NAME", "Eva 2"}, {"TEL", "a b"}}, served), "Eva b");
    EXPECT_FALSE(served);
    // A value ends in the first bytes of a later name that the template completes.
    EXPECT_EQ(planned("NAMEL", {{"NAME", "xTE"}, {"TEL", "7"}}, served), "x7");
    EXPECT_FALSE(served);
    // A word that holds its own name again: the search goes on into it.
    EXPECT_EQ(planned("1NAME NAME", {{"NAME", "2name b"}}, served), "b 2name b");
    EXPECT_FALSE(served);
}

// Returns the card that filling each of `lines` and writing it out, then the
// closing line end, gives: what a card plan must give at once.
std::string written_line_by_line(const std::vector<std::string>& lines, const std::vector<column_spec>& columns,
                                 const record_values& values) {
    std::string card;
    fill_buffers buffers;
    for (std::string line : lines) {
        fill_line(line, columns, values, buffers);
        append_as_written(card, line);
    }
    append_as_written(card, "\n");
    return card;
}

// A card filled at once is the card filled line by line, for values as
// `take_record` cleans them, both where the card plan serves and where it
// steps aside; a plan is kept across records as the run keeps it.
TEST(FillCard, AgreesWithFillingLineByLine) {
    static const char* const NAMES[] = {"NAME", "N", "TEL%", "ME", "{TEL}", "", "A B", "1N"};
    std::mt19937 random(20261209);
    fill_plans plans;
    std::size_t served = 0;
    std::size_t declined = 0;
    for (int round = 0; round < 20000; ++round) {
        conversion_settings settings;
        const std::size_t count = random() % 5;
        for (std::size_t c = 0; c < count; ++c) settings.columns.push_back({NAMES[random() % std::size(NAMES)], false});
        prepare_plans(plans, settings.columns);
        std::vector<std::string> lines(random() % 4);
        for (std::string& line : lines) line = random_text(random, 6) + (random() % 4 ? "\n" : "\r");
        if (!lines.empty() && random() % 3 == 0) lines.back().pop_back();  // a last line without its line feed
        plan_card(plans, lines);
        for (int record = 0; record < 4; ++record) {
            std::string table_line;
            for (std::size_t c = 0; c < count; ++c) table_line += (random() % 2 ? "Eva Kral" : random_text(random, 4)) + ",";
            record_values values;
            take_record(table_line, settings, values);
            std::string_view card;
            if (!fill_card(values, plans, card)) {
                ++declined;
                continue;
            }
            ++served;
            ASSERT_EQ(card, written_line_by_line(lines, settings.columns, values)) << "round " << round;
        }
    }
    EXPECT_GT(served, 5000U);
    EXPECT_GT(declined, 1000U);
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
