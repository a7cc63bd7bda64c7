// Plans: a line filled through its plan, and a card filled at once, equal the
// filling rule, which equals the rule written step by step; cases where a
// value meets a later name at its edges or inside.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "record/record.hpp"
#include "template/fill.hpp"
#include "template/plan.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

using named_values = std::initializer_list<std::pair<const char*, const char*>>;

// Returns settings with separator ',' and one column per name, none mandatory.
conversion_settings with_columns(const std::vector<std::string>& names) {
    conversion_settings settings;
    for (const std::string& name : names) settings.columns.push_back({name, false});
    return settings;
}

// Returns what writing each of `lines` filled by `fill_line`, then the
// closing line end, gives: the card every faster way must give.
std::string card_by_rule(const std::vector<std::string>& lines, const std::vector<column_spec>& columns,
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

// Returns the card for the table line `row` (cleaned as the run cleans it)
// through a card plan of `lines`, or "declined" when the plan steps aside;
// then the same through each line's plan, which must equal the rule.
std::string card_by_plan(const std::vector<std::string>& names, const std::vector<std::string>& lines,
                         const std::string& row) {
    const conversion_settings settings = with_columns(names);
    record_values values;
    take_record(row, settings, values);
    fill_plans plans;
    prepare_plans(plans, settings.columns);
    plan_card(plans, lines);
    const std::string expected = card_by_rule(lines, settings.columns, values);
    std::string line_by_line;
    fill_buffers buffers;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        fill_planned(line, i, values, plans, buffers);
        append_as_written(line_by_line, line);
    }
    append_as_written(line_by_line, "\n");
    EXPECT_EQ(line_by_line, expected) << row;
    std::string_view card;
    if (!fill_card(values, plans, card)) return "declined";
    EXPECT_EQ(card, expected) << row;
    return std::string(card);
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
    for (const auto& [name, value] : cols) {
        columns.push_back({name, false});
        values.emplace_back(value);
    }
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
            ASSERT_EQ(card, card_by_rule(lines, settings.columns, values)) << "round " << round;
        }
    }
    EXPECT_GT(served, 5000U);
    EXPECT_GT(declined, 1000U);
}

// A value from an address keeps '-' and '_', so a later name with them can lie
// inside it, and is found there first; the card plan must step aside.
TEST(FillCard, NamesWithHyphensInsideAddresses) {
    EXPECT_EQ(card_by_rule({"E X-Y"}, with_columns({"E", "X-Y"}).columns, {"a@x-y.cz", "Q"}), "a@Q.cz X-Y\r\n");
    EXPECT_EQ(card_by_plan({"E", "X-Y"}, {"E X-Y"}, "a@x-y.cz,Q\n"), "declined");
    EXPECT_EQ(card_by_plan({"E", "X_Y"}, {"E X_Y\n"}, "a@x_y.cz,Q\n"), "declined");
    // Without '@' the value loses its '-' and the later name is not in it.
    EXPECT_EQ(card_by_plan({"E", "X-Y"}, {"E X-Y"}, "ax-y.cz,Q\n"), "axy.cz Q\r\n");
    // Braced names never lie inside a value: the plan serves.
    EXPECT_EQ(card_by_plan({"{E}", "{X-Y}"}, {"{E} {X-Y}"}, "a@x-y.cz,Q\n"), "a@x-y.cz Q\r\n");
}

// Values that meet a later name at their edges: the card plan must step
// aside each time, and each case is one a missing refusal would get wrong.
TEST(FillCard, ValuesThatCompleteALaterName) {
    // The value's last bytes begin a later name that the template completes.
    EXPECT_EQ(card_by_plan({"ME", "NAME"}, {"FN:NAMME"}, "Eva,Jan\n"), "declined");
    EXPECT_EQ(card_by_rule({"FN:NAMME"}, with_columns({"ME", "NAME"}).columns, {"Eva", "Jan"}), "FN:Janva\r\n");
    // The value's first bytes end a later name that the template begins.
    EXPECT_EQ(card_by_plan({"A", "XB"}, {"XA"}, "b,7\n"), "declined");
    // The value's last bytes begin a later name that the template ends.
    EXPECT_EQ(card_by_plan({"A", "NAME"}, {"AME"}, "xna,7\n"), "declined");
    // An empty value joins the template's two halves of a later name.
    EXPECT_EQ(card_by_plan({"A", "NM"}, {"NAM"}, ",7\n"), "declined");
    // A last digit makes the name after it a word placeholder.
    EXPECT_EQ(card_by_plan({"A", "B"}, {"AB"}, "x2,p q\n"), "declined");
    // A later name inside the value.
    EXPECT_EQ(card_by_plan({"A", "TEL"}, {"A:TEL"}, "tel,7\n"), "declined");
    // None of these: the plan serves.
    EXPECT_EQ(card_by_plan({"ME", "NAME"}, {"FN:ME NAME"}, "Eva,Jan\n"), "FN:Eva Jan\r\n");
}

// Returns `count` bytes drawn from `alphabet`.
std::string draw(std::mt19937& random, std::string_view alphabet, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += alphabet[random() % alphabet.size()];
    return text;
}

// Names, values and template lines drawn from a few letters, so that names
// run across the edges of values, lie inside them, and are joined by empty
// ones all the time: every way of filling must still equal the rule. Any
// refusal the plans left out is met within a fraction of a second.
TEST(FillCard, AgreesWithTheRuleOnNameFragments) {
    std::mt19937 random(20261209);
    fill_plans plans;
    std::size_t served = 0;
    std::size_t declined = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 30000; ++round) {
        std::vector<std::string> names(1 + random() % 4);
        for (std::string& name : names) name = draw(random, "AB-_", 1 + random() % 3);
        const conversion_settings settings = with_columns(names);
        prepare_plans(plans, settings.columns);
        std::vector<std::string> lines(1 + random() % 2);
        for (std::string& line : lines) line = draw(random, "ABab-_12 :", random() % 9) + "\n";
        plan_card(plans, lines);
        for (int record = 0; record < 3; ++record) {
            std::string row;
            for (std::size_t c = 0; c < names.size(); ++c) row += draw(random, "aAbB-_@2 x", random() % 5) + ",";
            record_values values;
            take_record(row, settings, values);
            const std::string expected = card_by_rule(lines, settings.columns, values);
            std::string_view card;
            if (!fill_card(values, plans, card)) {
                ++declined;
                continue;
            }
            ++served;
            ASSERT_EQ(card, expected) << "round " << round << ": " << lines[0] << " row " << row;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_GT(served, 10000U);
    EXPECT_GT(declined, 10000U);
    EXPECT_LT(took.count(), 20.0);
}

}  // namespace
}  // namespace rowcard
