// Record values: one table line split into the configured columns, each value
// folded to ASCII, trimmed and filtered, and the verdict whether it is written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"

namespace rowcard {

// The cleaned values of one record, one per column in column order, each at
// most VALUE_LEN bytes. Kept by the caller so that its storage is reused.
using record_values = std::vector<std::string>;

// True for the bytes every value may keep (an address keeps two more, below).
constexpr bool kept_in_value(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= '@' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == ' ' ||
           b == '+' || b == '.';
}

// True for the bytes a value that holds '@' may keep: an e-mail address keeps
// its '-' and '_', which would otherwise make it another, valid-looking address.
constexpr bool kept_in_address(unsigned char b) { return kept_in_value(b) || b == '-' || b == '_'; }

// True when `value` counts as blank: empty, or starting with a space. A
// mandatory column with a blank value rejects the record.
inline bool blank_value(std::string_view value) { return value.empty() || value.front() == ' '; }

// Fills `values` from the table line `line`, one value per column of
// `settings`; missing fields give empty values. Returns false when a
// mandatory column is blank (empty, or starting with a space).
bool take_record(std::string_view line, const conversion_settings& settings, record_values& values);

// Returns what cleaning makes of the byte `b` in a value without '@': the
// ASCII byte a value keeps for it (folded, when it is an accented letter of
// code page 1250), or 0 when cleaning drops it. A value with '@' keeps '-'
// and '_' too; every other byte is cleaned the same in both.
char clean_byte(unsigned char b);

// Folds the accented letters of code page 1250 in `value` to plain ASCII letters.
void transliterate(std::string& value);

// Removes from `value` every byte but ASCII letters, digits, space, '@', '+'
// and '.', keeping the order of the rest; a value that holds '@' keeps its
// '-' and '_' as well. An empty value stays empty.
void filter_chars(std::string& value);

}  // namespace rowcard
