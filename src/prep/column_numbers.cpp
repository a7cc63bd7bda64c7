// What most values of one column are, where numbers tell it.
#include "prep/column_numbers.hpp"

#include <algorithm>

#include "prep/layouts.hpp"
#include "prep/value_text.hpp"
#include "prep/vocabulary.hpp"

namespace rowcard {
namespace {

// Shapes of values that hold no phone number at all: a code of letters and digits ("AB1234") is a pager's or
// a card's id, never a number to dial.
constexpr std::initializer_list<value_shape> NO_NUMBERS = {
    value_shape::email, value_shape::word, value_shape::words, value_shape::flag, value_shape::date, value_shape::url,
    value_shape::honorific, value_shape::id};

}  // namespace

bool share_at_least(std::size_t count, const column_evidence& evidence, std::size_t percent) {
    return evidence.filled > 0 && count * 100 >= percent * evidence.filled;
}

bool mostly_no_numbers(const std::vector<std::string_view>& column, const column_evidence& evidence) {
    // The shapes that hold none are counted already; text and counts are looked into.
    std::size_t none = 0;
    for (const value_shape shape : NO_NUMBERS) none += evidence.shapes[static_cast<std::size_t>(shape)];
    for (const std::string_view v : column) {
        const value_shape shape = shape_of(v);
        if (shape == value_shape::count) none += !values::all_digits(v);
        if (shape == value_shape::text) none += std::count_if(v.begin(), v.end(), values::is_letter) > std::count_if(v.begin(), v.end(), values::is_digit);
    }
    return share_at_least(none, evidence, MOST_SHARE);
}

bool mostly_dialled(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    std::size_t dialled = 0;
    for (const std::string_view v : values) {
        const std::string_view t = trimmed(v);
        dialled += !t.empty() && (t.front() == '+' || t.front() == '0' || t.find_first_of(" -/().") != std::string_view::npos);
    }
    return share_at_least(dialled, evidence, MOST_SHARE);
}

// Characters of a house number at most ("1105/12a"); longer runs of digits are keys and numbers.
constexpr std::size_t HOUSE_NUMBER_MAX = 8;

bool house_number_value(std::string_view value) {
    const std::string_view t = trimmed(value);
    return !t.empty() && t.size() <= HOUSE_NUMBER_MAX && t.front() >= '1' && t.front() <= '9' &&
           t.find(' ') == std::string_view::npos;
}

bool mostly_house_numbers(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    std::size_t numbers = 0;
    for (const std::string_view v : values) numbers += house_number_value(v);
    return share_at_least(numbers, evidence, MOST_SHARE);
}

// Letters a street's name has at least; 'Nr. 5' and 'čp. 12' are a house number's.
constexpr std::size_t STREET_LETTERS = 4;

namespace {

// True when `v` holds a street's name: enough letters for one, not only a house number's mark.
bool street_named(std::string_view v) {
    return static_cast<std::size_t>(std::count_if(v.begin(), v.end(), values::is_letter)) >= STREET_LETTERS;
}

}  // namespace

bool mostly_numbered_streets(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    const auto streets = static_cast<std::size_t>(std::count_if(values.begin(), values.end(), street_named));
    return share_at_least(streets, evidence, MOST_SHARE);
}

bool mostly_streets_with_numbers(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    const auto streets = static_cast<std::size_t>(std::count_if(values.begin(), values.end(), [](std::string_view v) {
        return street_named(v) && std::any_of(v.begin(), v.end(), values::is_digit) && v.find('@') == std::string_view::npos;
    }));
    return share_at_least(streets, evidence, MOST_SHARE);
}

// Digits of a country's calling code at most ("421").
constexpr std::size_t CALLING_CODE_MAX = 3;

bool calling_codes(const std::vector<std::string_view>& values, const column_evidence& e) {
    std::size_t codes = 0;
    std::size_t plus = 0;
    for (const std::string_view v : values) {
        std::string_view t = trimmed(v);
        const bool marked = t.starts_with('+');
        if (marked) t.remove_prefix(1);
        const bool code = !t.empty() && t.size() <= CALLING_CODE_MAX && t.find_first_not_of("0123456789") == std::string_view::npos;
        codes += code;
        plus += code && marked;
    }
    return share_at_least(codes, e, MOST_SHARE) &&
           (share_at_least(plus, e, MOST_SHARE) || same_few(e));
}

bool mostly_country_codes(const std::vector<std::string_view>& values, const column_evidence& e) {
    std::size_t codes = 0;
    for (const std::string_view v : values) codes += country_code_value(trimmed(v));
    return share_at_least(codes, e, MOST_SHARE);
}

bool unordered_postal_codes(const std::vector<std::string_view>& values, const column_evidence& e) {
    if (!mostly(e, {value_shape::postal_code}) || same_few(e)) return false;
    std::string_view last;
    for (const std::string_view v : values) {
        const std::string_view t = trimmed(v);
        if (t.empty()) continue;
        if (!last.empty() && (t.size() < last.size() || (t.size() == last.size() && t <= last))) return true;
        last = t;
    }
    return false;
}

// Rows a running number counts at least: fewer house numbers may ascend by chance.
constexpr std::size_t RUNNING_MIN = 5;
// Digits of a row's running number at most; more are a key's, which need not ascend.
constexpr std::size_t RUNNING_DIGITS = 9;

bool running_numbers(const std::vector<std::string_view>& values, const column_evidence& e) {
    if (e.filled < RUNNING_MIN || e.filled * 100 < values.size() * MOST_SHARE) return false;
    unsigned long last = 0;
    for (const std::string_view v : values) {
        const std::string_view t = trimmed(v);
        if (t.empty()) continue;
        if (t.size() > RUNNING_DIGITS || !values::all_digits(t)) return false;
        unsigned long n = 0;
        for (const char c : t) n = n * 10 + static_cast<unsigned long>(c - '0');
        if (n <= last) return false;
        last = n;
    }
    return true;
}

}  // namespace rowcard
