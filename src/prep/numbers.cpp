// Numbers and dates as exports write them: a spreadsheet's exponent form, a
// signed or decimal number, and dates year first, day or month first, or
// Google's day without a year, each maybe with a time of day.
#include "prep/numbers.hpp"

#include "prep/layouts.hpp"
#include "prep/value_text.hpp"

namespace rowcard {
namespace {

using namespace values;

// The highest month and day of a date.
constexpr int LAST_MONTH = 12;
constexpr int LAST_DAY = 31;

// True when `month` and `day`, one or two digits each, can be a month and a day.
bool month_day(std::string_view month, std::string_view day) {
    return month.size() <= 2 && day.size() <= 2 && number(month) >= 1 && number(month) <= LAST_MONTH &&
           number(day) >= 1 && number(day) <= LAST_DAY;
}

// True when the rest at `c` is nothing, or a time of day after ' ' or 'T'
// ("10:00", "0:00:00", "10:00:00.5+01:00", "12:00:00 AM", "10:00Z").
bool time_or_end(cursor& c) {
    if (at_end(c)) return true;
    if (!take(c, ' ') && !take(c, 'T')) return false;
    const std::string_view hours = take_digits(c);
    if (hours.empty() || hours.size() > 2 || !take(c, ':') || take_digits(c).size() != 2) return false;
    if (take(c, ':') && take_digits(c).size() != 2) return false;
    if ((take(c, '.') || take(c, ',')) && take_digits(c).empty()) return false;
    const std::string_view rest = c.s.substr(c.at);
    if (rest.empty() || rest == "Z" || starts_folded(rest, " am") || starts_folded(rest, " pm")) {
        return rest.size() <= 3;
    }
    cursor zone{rest, 1};
    if (rest[0] != '+' && rest[0] != '-') return false;
    if (take_digits(zone).size() == 4) return at_end(zone);
    zone.at = 1;
    return take_digits(zone).size() == 2 && take(zone, ':') && take_digits(zone).size() == 2 && at_end(zone);
}

}  // namespace

// Returns date for a date, maybe with its time: year first ("1985-04-12",
// Hungary's "1985. 04. 12."), day or month first ("12.4.1985", "12. 4. 1985",
// "4/12/1985", "12.04.85"), or Google's day without a year ("--04-12"). Returns
// text for a value laid out as a date that is none ("13.13.1985", a broken
// time), so that it passes for no phone; empty for any other value.
value_shape date_reading(std::string_view v) {
    cursor c{v};
    if (take(c, '-') && take(c, '-')) {
        const std::string_view month = take_digits(c);
        return take(c, '-') && month_day(month, take_digits(c)) && at_end(c) ? value_shape::date : value_shape::empty;
    }
    c.at = 0;
    std::string_view g[3];
    g[0] = take_digits(c);
    if (g[0].empty() || at_end(c)) return value_shape::empty;
    const char sep = c.s[c.at];
    if (sep != '.' && sep != '-' && sep != '/') return value_shape::empty;
    for (int k = 1; k < 3; ++k) {
        if (!take(c, sep)) return value_shape::empty;
        if (sep == '.') take(c, ' ');
        g[k] = take_digits(c);
    }
    if (sep == '.') take(c, '.');
    bool real = false;
    if (g[0].size() == 4 && !g[1].empty() && g[1].size() <= 2 && !g[2].empty() && g[2].size() <= 2) {
        real = month_day(g[1], g[2]);
    } else if (!g[0].empty() && g[0].size() <= 2 && !g[1].empty() && g[1].size() <= 2 && (g[2].size() == 2 || g[2].size() == 4)) {
        real = month_day(g[0], g[1]) || month_day(g[1], g[0]);
    } else {
        return value_shape::empty;
    }
    return real && time_or_end(c) ? value_shape::date : value_shape::text;
}

// True for a number such as a spreadsheet writes one it thinks too long,
// "4,20604E+11" or "1E+09": digits, maybe a decimal part, 'E', a sign, digits.
bool is_exponent_number(std::string_view v) {
    cursor c{v};
    if (take_digits(c).empty()) return false;
    if ((take(c, '.') || take(c, ',')) && take_digits(c).empty()) return false;
    if (!take(c, 'E') && !take(c, 'e')) return false;
    if (!take(c, '+') && !take(c, '-')) return false;
    return !take_digits(c).empty() && at_end(c);
}

// True for a number with a sign or a decimal part ("-2", "3,5", "45292.41").
bool is_signed_or_decimal(std::string_view v) {
    cursor c{v};
    const bool sign = take(c, '-');
    if (take_digits(c).empty()) return false;
    const bool part = take(c, '.') || take(c, ',');
    if (part && take_digits(c).empty()) return false;
    return (sign || part) && at_end(c);
}

bool is_ip_address(std::string_view v) {
    cursor c{v};
    for (int group = 0; group < 4; ++group) {
        if (group > 0 && !take(c, '.')) return false;
        const std::string_view part = take_digits(c);
        if (part.empty() || part.size() > 3 || number(part) > 255) return false;
    }
    return at_end(c);
}

}  // namespace rowcard
