// Birthdays as exports write them: each written form read to its day, the
// order of day and month told from the dates themselves, and days that do
// not exist refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prep/dates.hpp"

namespace rowcard {
namespace {

// Returns the basic form of `v` read in `order`, or "-" when it is not read.
std::string read_as(std::string_view v, day_order order = day_order::day_first) {
    calendar_day d;
    return read_day(v, order, d) ? basic_form(d) : "-";
}

TEST(Dates, EveryWrittenFormGivesItsDay) {
    EXPECT_EQ(read_as("1985-04-12"), "19850412");
    EXPECT_EQ(read_as("1985-04-12 00:00:00"), "19850412");
    EXPECT_EQ(read_as("1985-04-12T10:00:00Z"), "19850412");
    EXPECT_EQ(read_as("1985. 04. 12."), "19850412");
    EXPECT_EQ(read_as("1985/4/12"), "19850412");
    EXPECT_EQ(read_as("12.4.1985"), "19850412");
    EXPECT_EQ(read_as("12. 4. 1985"), "19850412");
    EXPECT_EQ(read_as("12/04/1985"), "19850412");
    EXPECT_EQ(read_as("4/12/1985", day_order::month_first), "19850412");
    EXPECT_EQ(read_as("12.4.1985", day_order::month_first), "19850412");  // dots put the day first anywhere
    EXPECT_EQ(read_as("12-04-1985", day_order::month_first), "19850412");
    EXPECT_EQ(read_as("12.04.85"), "19850412");
    EXPECT_EQ(read_as("12.04.05"), "20050412");
    EXPECT_EQ(read_as("--04-12"), "0412");
    // A spreadsheet's date number counts days from 30 December 1899.
    EXPECT_EQ(read_as("31149"), "19850412");
    EXPECT_EQ(read_as("10000"), "19270518");
    EXPECT_EQ(read_as("45292"), "20240101");
}

TEST(Dates, WhatIsNoDayIsRefused) {
    for (const std::string_view v : {"31.4.1985", "29.2.1985", "1985-13-01", "0.1.1985", "1985", "12.4.", "4/12",
                                     "April 12, 1985", "3112", "123456", "--13-01", "--02-30", "12.4.198", ""}) {
        EXPECT_EQ(read_as(v), "-") << v;
    }
    EXPECT_EQ(read_as("29.2.1984"), "19840229");
    EXPECT_EQ(read_as("29.2.2000"), "20000229");
    EXPECT_EQ(read_as("29.2.1900"), "-");
    EXPECT_EQ(read_as("--02-29"), "0229");  // any year's day, a leap year's among them
}

TEST(Dates, TheDatesTellWhetherTheDayOrTheMonthComesFirst) {
    const std::vector<std::string_view> us = {"4/12/1985", "12/31/1970", ""};
    EXPECT_EQ(order_shown(us, day_order::day_first), day_order::month_first);
    const std::vector<std::string_view> europe = {"4/12/1985", "31/12/1970"};
    EXPECT_EQ(order_shown(europe, day_order::month_first), day_order::day_first);
    // Nothing above 12, or dates both ways, or year first: the layout's order stands.
    const std::vector<std::string_view> unclear = {"4/12/1985", "1985-12-31", "x"};
    EXPECT_EQ(order_shown(unclear, day_order::month_first), day_order::month_first);
    EXPECT_EQ(order_shown(unclear, day_order::day_first), day_order::day_first);
    const std::vector<std::string_view> dotted = {"4.12.1985", "31.12.1970"};  // no '/': nothing shown
    EXPECT_EQ(order_shown(dotted, day_order::month_first), day_order::month_first);
    const std::vector<std::string_view> both = {"13/12/1985", "12/13/1985"};
    EXPECT_EQ(order_shown(both, day_order::day_first), day_order::day_first);
}

TEST(Dates, ThreeColumnsApart) {
    calendar_day d;
    ASSERT_TRUE(day_of_parts("1985", "4", "12", d));
    EXPECT_EQ(basic_form(d), "19850412");
    ASSERT_TRUE(day_of_parts("", "04", "12", d));
    EXPECT_EQ(basic_form(d), "0412");
    EXPECT_FALSE(day_of_parts("1985", "", "12", d));
    EXPECT_FALSE(day_of_parts("1985", "April", "12", d));
    EXPECT_FALSE(day_of_parts("198", "4", "12", d));
    EXPECT_FALSE(day_of_parts("1985", "4", "31", d));
    EXPECT_FALSE(day_of_parts("0000", "4", "12", d));
}

}  // namespace
}  // namespace rowcard
