// Birthdays as exports write them: year first, day or month first, Google's
// day without a year, a spreadsheet's date number, or three columns apart.
#include "prep/dates.hpp"

#include "prep/numbers.hpp"
#include "prep/value_text.hpp"

namespace rowcard {
namespace {

using namespace values;

// The highest month and day of any month.
constexpr int LAST_MONTH = 12;
// A spreadsheet's date numbers of five digits: 10000 is 18 May 1927, and
// shorter numbers are years as often as days.
constexpr std::size_t SERIAL_DIGITS = 5;
// Days from 1 March of year 0 to 30 December 1899, a spreadsheet's day 0
// (after its day 60, the 29 February 1900 that never was).
constexpr long SERIAL_EPOCH = 693899;
// Two-digit years up to this one are this century's, later ones the last's.
constexpr int CENTURY_PIVOT = 29;

// True for a leap year of the Gregorian calendar.
bool leap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Returns the days of `month` in `year`; February has 29 in a year of 0 (none given).
int days_in(int year, int month) {
    constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && (year == 0 || leap(year))) return 29;
    return DAYS[month - 1];
}

// True when `d` is a day of the calendar; its year may be 0 (none given).
bool exists(const calendar_day& d) {
    return d.month >= 1 && d.month <= LAST_MONTH && d.day >= 1 && d.day <= days_in(d.year, d.month);
}

// Returns the day that lies `n` days after 1 March of year 0, by the
// Gregorian calendar's 400-year cycles of 146097 days.
calendar_day civil_day(long n) {
    const long era = n / 146097;
    const long in_era = n - era * 146097;
    const long year_of_era = (in_era - in_era / 1460 + in_era / 36524 - in_era / 146096) / 365;
    const long day_of_year = in_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const long shifted_month = (5 * day_of_year + 2) / 153;
    calendar_day d;
    d.day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
    d.month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
    d.year = static_cast<int>(year_of_era + era * 400 + (d.month <= 2 ? 1 : 0));
    return d;
}

// Returns a year as written: four digits as they are, two digits in the century the pivot gives.
int full_year(std::string_view digits) {
    const int y = number(digits);
    if (digits.size() != 2) return y;
    return y <= CENTURY_PIVOT ? 2000 + y : 1900 + y;
}

// The three digit groups of a date, and whether the year comes first.
struct date_groups {
    std::string_view g[3];
    bool year_first = false;
    bool slashed = false;  // written with '/', the one sign that puts the month first anywhere
};

// Takes the digit groups of a date that date_reading accepts ("12. 4. 1985",
// "1985-04-12 10:00"); false for Google's yearless form and anything else.
bool groups_of(std::string_view v, date_groups& out) {
    if (date_reading(v) != value_shape::date || v.starts_with("--")) return false;
    cursor c{v};
    for (std::string_view& g : out.g) {
        while (!at_end(c) && !is_digit(c.s[c.at])) ++c.at;
        g = take_digits(c);
    }
    out.year_first = out.g[0].size() == 4;
    out.slashed = v.find('/') != std::string_view::npos;
    return true;
}

}  // namespace

day_order order_shown(const std::vector<std::string_view>& values, day_order usual) {
    bool day_first = false;
    bool month_first = false;
    for (const std::string_view v : values) {
        date_groups groups;
        if (!groups_of(v, groups) || groups.year_first || !groups.slashed) continue;
        day_first |= number(groups.g[0]) > LAST_MONTH;
        month_first |= number(groups.g[1]) > LAST_MONTH;
    }
    if (day_first != month_first) return day_first ? day_order::day_first : day_order::month_first;
    return usual;
}

bool read_day(std::string_view v, day_order order, calendar_day& out) {
    if (all_digits(v) && v.size() == SERIAL_DIGITS) {
        out = civil_day(SERIAL_EPOCH + number(v));
        return true;
    }
    if (v.starts_with("--") && date_reading(v) == value_shape::date) {
        cursor c{v, 2};
        const std::string_view month = take_digits(c);
        take(c, '-');
        return day_of_parts("", month, take_digits(c), out);
    }
    date_groups groups;
    if (!groups_of(v, groups)) return false;
    if (groups.year_first) return day_of_parts(groups.g[0], groups.g[1], groups.g[2], out);
    // Dots and dashes put the day first wherever they are written ("12.4.1985").
    const bool month_first = order == day_order::month_first && groups.slashed;
    return day_of_parts(groups.g[2], groups.g[month_first ? 0 : 1], groups.g[month_first ? 1 : 0], out);
}

bool day_of_parts(std::string_view year, std::string_view month, std::string_view day, calendar_day& out) {
    const auto fits = [](std::string_view s, std::size_t most) { return all_digits(s) && s.size() <= most; };
    if (!fits(month, 2) || !fits(day, 2) || !(year.empty() || (fits(year, 4) && year.size() != 3 && year.size() != 1))) {
        return false;
    }
    calendar_day d{year.empty() ? 0 : full_year(year), number(month), number(day)};
    if (!year.empty() && d.year == 0) return false;
    if (!exists(d)) return false;
    out = d;
    return true;
}

std::string basic_form(const calendar_day& d) {
    const auto two = [](int n) { return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10); };
    std::string text;
    if (d.year != 0) text = two(d.year / 100) + two(d.year % 100);
    return text + two(d.month) + two(d.day);
}

}  // namespace rowcard
