// How a column's name is found in a template line, in any ASCII case: the
// search that the filling rule and its plans share. For the template folder alone.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "text/text.hpp"

namespace rowcard {

// Every byte's `upper_byte`, looked up: filling upper-cases each byte it searches.
inline constexpr std::array<unsigned char, 256> UPPER = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        table[b] = static_cast<unsigned char>(upper_byte(static_cast<char>(b)));
    }
    return table;
}();

// True when the upper-case `name` starts at `at` in `line` read as upper case.
// The caller makes sure the name fits in the line from `at`.
inline bool matches_at(std::string_view line, std::size_t at, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (UPPER[static_cast<unsigned char>(line[at + i])] != static_cast<unsigned char>(name[i])) return false;
    }
    return true;
}

// Returns the index of the first occurrence of the upper-case `name` in `line`
// at or after `from`, reading the line as upper case (what `find_text` gives on
// an upper-cased copy), or NOT_FOUND; an empty name is never found.
std::ptrdiff_t find_upper(std::string_view line, std::string_view name, std::size_t from);

// Returns the word number (1-9) that the byte before a name selects, or 0.
constexpr std::size_t word_number(char before) {
    return before >= '1' && before <= '9' ? static_cast<std::size_t>(before - '0') : 0;
}

}  // namespace rowcard
