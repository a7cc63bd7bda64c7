// Bytes: the string primitives the other parts share, ASCII upper-casing, search,
// cutting, trimming and field splitting.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rowcard {

// Capacity of the line buffer of old: it now bounds only how often one column's
// word placeholders may be filled in one line, so that a runaway fill ends.
inline constexpr std::size_t LINE_LEN = 2000;
// Longest value or word kept from a field: longer text is cut, as users expect.
inline constexpr std::size_t VALUE_LEN = 100;
// What `find_text` returns when the text sought does not occur.
inline constexpr std::ptrdiff_t NOT_FOUND = -1;

// Returns `c` upper-cased if it is an ASCII letter, else `c` itself.
constexpr char upper_byte(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Returns `c` lower-cased if it is an ASCII letter, else `c` itself.
constexpr char lower_byte(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Upper-cases the ASCII letters of `s`; every other byte, accented letters of
// code page 1250 included, stays. The length never changes.
void upper_in_place(std::string& s);

// Returns the index of the first `sought` in `text` at or after `start`,
// comparing bytes exactly; NOT_FOUND when there is none, when `sought` is empty
// or when `start` lies beyond the end of `text`.
std::ptrdiff_t find_text(std::string_view text, std::string_view sought, std::size_t start);

// Returns the first `n` bytes of `s`, or all of `s` when it is shorter.
std::string_view copy_left(std::string_view s, std::size_t n);

// Returns at most `n` bytes of `s` from `start`; empty when `start` is at or past the end.
std::string_view copy_from(std::string_view s, std::size_t start, std::size_t n);

// Returns `line` without the one line feed `read_line` leaves at its end, if
// any; empty input gives empty output.
constexpr std::string_view without_line_feed(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    return line;
}

// Returns `s` without its trailing run of spaces and line feeds; other bytes,
// tabs and CRs among them, end the run. Empty input gives empty output.
std::string_view trim_right(std::string_view s);

// Returns the field at the front of `rest`, which runs to the next `sep`, line
// feed or end, and moves `rest` past the next `sep` (to empty when there is
// none), so that repeated calls walk the fields in one pass. Fields are not cut.
std::string_view split_field(std::string_view& rest, char sep);

// Returns field `k` (0 is the first) of `s` split at `sep`, cut after VALUE_LEN
// bytes; empty when `s` has fewer fields. No quoting: spaces and quotes stay.
std::string_view field_at(std::string_view s, char sep, std::size_t k);

}  // namespace rowcard
