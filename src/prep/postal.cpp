// Postal codes and towns as exports write them: the shapes of a code, and a
// code and town told apart in one cell.
#include "prep/postal.hpp"

#include <algorithm>

#include "prep/layouts.hpp"
#include "prep/value_text.hpp"

namespace rowcard {
namespace {

using namespace values;

// Digits of a town's district at most ("Praha 10").
constexpr std::size_t DISTRICT_MAX_DIGITS = 2;
// Country marks written before a postal code ("D-50678", "SK-811 01"), small
// letters here, capitals in a value.
constexpr std::string_view COUNTRY_MARKS[] = {"a",  "at", "b",  "be", "ch", "cz", "d",  "de", "dk", "ee", "f",  "fr",
                                              "h",  "hr", "hu", "i",  "it", "l",  "lt", "lu", "lv", "md", "nl", "pl",
                                              "ro", "si", "sk", "slo"};
// True for `s` of capital letters A to Z alone; empty input is none.
bool capitals(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// True for a Dutch postcode ("1017 DK", "1017DK") or a British one ("LS1 4BR",
// "SW1A 1AA", "M1 1AE"): letters and digits no town or number has.
bool lettered_postcode(std::string_view s) {
    const std::size_t space = s.find(' ');
    if (s.size() == 6 || (s.size() == 7 && space == 4)) {
        if (all_digits(s.substr(0, 4)) && capitals(s.substr(s.size() - 2))) return true;
    }
    // The British inward code is a digit and two letters; the outward one starts with a letter.
    if (space == std::string_view::npos || s.size() - space != 4 || space < 2 || space > 4) return false;
    const std::string_view out = s.substr(0, space);
    const std::string_view in = s.substr(space + 1);
    const bool outward = capitals(out.substr(0, 1)) && std::any_of(out.begin(), out.end(), is_digit) &&
                         std::all_of(out.begin(), out.end(), [](char c) { return is_digit(c) || (c >= 'A' && c <= 'Z'); });
    return outward && is_digit(in[0]) && capitals(in.substr(1));
}

// True for a postal code without a country mark: 4 to 6 digits, "602 00", "00-950", a US "15210-2613", a Portuguese
// "1000-001", a Brazilian "01310-100", a Dutch or British one of letters and digits.
bool postal_body(std::string_view s) {
    if (lettered_postcode(s)) return true;
    if (all_digits(s)) return s.size() >= POSTAL_MIN_DIGITS && s.size() <= POSTAL_MAX_DIGITS;
    if (s.size() == 10 && s[5] == '-' && all_digits(s.substr(0, 5)) && all_digits(s.substr(6))) return true;
    if (s.size() == 8 && s[4] == '-' && all_digits(s.substr(0, 4)) && all_digits(s.substr(5))) return true;
    if (s.size() == 9 && s[5] == '-' && all_digits(s.substr(0, 5)) && all_digits(s.substr(6))) return true;  // Brazil's CEP
    cursor c{s};
    const std::size_t first = take_digits(c).size();
    const char sep = first == 3 ? ' ' : '-';
    if ((first != 3 && first != 2) || !take(c, sep)) return false;
    return take_digits(c).size() == 5 - first && at_end(c);
}

// True for a town's name: it starts with a letter, holds letters and the signs
// of place names, and may end in a district's number ("Praha 10").
bool is_town(std::string_view t) {
    if (t.empty() || !is_letter(t.front())) return false;
    std::size_t end = t.size();
    while (end > 0 && is_digit(t[end - 1])) --end;
    if (end < t.size()) {
        if (t.size() - end > DISTRICT_MAX_DIGITS || t[end - 1] != ' ') return false;
        --end;
    }
    return std::all_of(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(end), [](char c) {
        return is_letter(c) || c == ' ' || c == '-' || c == '.' || c == '\'' || c == '(' || c == ')';
    });
}

// Returns `s` without spaces and one comma at either end.
std::string_view without_comma(std::string_view s) {
    s = trimmed(s);
    if (!s.empty() && s.front() == ',') s = trimmed(s.substr(1));
    if (!s.empty() && s.back() == ',') s = trimmed(s.substr(0, s.size() - 1));
    return s;
}

}  // namespace

bool is_postal_code(std::string_view s) {
    if (postal_body(s)) return true;
    const std::size_t dash = s.find('-');
    return dash != std::string_view::npos && one_of(s.substr(0, dash), COUNTRY_MARKS) &&
           capitals(s.substr(0, dash)) &&
           postal_body(s.substr(dash + 1));
}

bool is_headed_postal_code(std::string_view v) {
    // Digits of Iceland's codes, of Israel's and Chile's, and of Brazil's CEP written without its '-'.
    constexpr std::size_t SHORT_CODE = 3;
    constexpr std::size_t LONG_CODE = 7;
    constexpr std::size_t CEP_DIGITS = 8;
    const std::string_view t = trimmed(v);
    if ((t.size() == SHORT_CODE || t.size() == LONG_CODE || t.size() == CEP_DIGITS) && all_digits(t)) return true;
    return t.size() == 8 && t[3] == '-' && all_digits(t.substr(0, 3)) && all_digits(t.substr(4));  // Japan's NNN-NNNN
}

bool is_lettered_postal_code(std::string_view v) {
    // Letters and digits of the shortest and longest such codes ("1234 AB", "SW1A 1AA").
    constexpr std::size_t LEAST = 5;
    constexpr std::size_t MOST = 7;
    std::size_t letters = 0;
    std::size_t digits = 0;
    std::size_t gaps = 0;
    for (const char c : trimmed(v)) {
        letters += is_letter(c) && static_cast<unsigned char>(c) < 0x80;
        digits += is_digit(c);
        gaps += c == ' ' || c == '-';
    }
    return letters > 0 && digits > 0 && gaps <= 1 && letters + digits + gaps == trimmed(v).size() &&
           letters + digits >= LEAST && letters + digits <= MOST;
}

bool split_postal_city(std::string_view value, std::string_view& code, std::string_view& town) {
    const std::string_view v = trimmed(value);
    if (is_postal_code(v)) return false;  // "1017 DK" is one code, no town
    // The code is one word ("60200", "SK-811") or two ("602 00", "SK-811 01"), first or last.
    for (std::size_t words = 2; words >= 1; --words) {
        std::size_t cut = 0;
        for (std::size_t k = 0; k < words && cut != std::string_view::npos; ++k) {
            cut = v.find(' ', v.find_first_not_of(' ', cut));
        }
        if (cut == std::string_view::npos) continue;
        const std::string_view first = without_comma(v.substr(0, cut));
        const std::string_view rest = without_comma(v.substr(cut));
        if (is_postal_code(first) && is_town(rest)) {
            code = first;
            town = rest;
            return true;
        }
    }
    for (std::size_t words = 2; words >= 1; --words) {
        std::size_t cut = v.size();
        // `v` is trimmed: a space is never its first byte, and no word is empty.
        for (std::size_t k = 0; k < words && cut != std::string_view::npos; ++k) {
            cut = v.rfind(' ', v.find_last_not_of(' ', cut - 1));
        }
        if (cut == std::string_view::npos) continue;
        const std::string_view last = without_comma(v.substr(cut));
        const std::string_view rest = without_comma(v.substr(0, cut));
        // A town then four bare digits is a street and its house number.
        if (is_postal_code(last) && !(all_digits(last) && last.size() == POSTAL_MIN_DIGITS) && is_town(rest)) {
            code = last;
            town = rest;
            return true;
        }
    }
    return false;
}

}  // namespace rowcard
