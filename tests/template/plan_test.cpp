// Plans: a line filled through its plan, and a card filled at once, equal the
// filling rule; cases where a value meets a later name at its edges or inside.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "record/record.hpp"
#include "template/template.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

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
