// Template filling: finds each column's name in the line, case-insensitively,
// and splices in the whole value or one of its words.
#include "template/template.hpp"

#include <array>
#include <cstdint>

#include "text/text.hpp"

namespace rowcard {
namespace {

// Maps every byte to its ASCII upper case; other bytes map to themselves, as
// `upper_in_place` does.
constexpr std::array<unsigned char, 256> make_upper_table() {
    std::array<unsigned char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        table[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
    }
    return table;
}
constexpr std::array<unsigned char, 256> UPPER = make_upper_table();

// A rough record of the bytes a line holds: bit (u & 63) for each upper-cased
// byte u. It may hold more than the line (bytes share bits, and replaced text
// stays in it) but never less, so a name with a byte missing from it is truly
// absent from the line and need not be searched for.
using byte_marks = std::uint64_t;

// Returns the mark of one byte, its letter case ignored.
byte_marks mark_of(char c) {
    return byte_marks{1} << (UPPER[static_cast<unsigned char>(c)] & 63);
}

// Returns the marks of every byte of `text`.
byte_marks marks_of(std::string_view text) {
    byte_marks marks = 0;
    for (const char c : text) marks |= mark_of(c);
    return marks;
}

// True unless `marks` show that the upper-case `name` cannot occur: its first,
// middle and last bytes are checked, which rules out most names at once. An
// empty name passes, and is then not found by `find_upper`.
bool may_hold(byte_marks marks, std::string_view name) {
    if (name.empty()) return true;
    const byte_marks needed = mark_of(name.front()) | mark_of(name[name.size() / 2]) | mark_of(name.back());
    return (needed & ~marks) == 0;
}

// Returns the index of the first occurrence of the upper-case `name` in `line`
// read as upper case (what `find_text` gives on an upper-cased copy), or
// NOT_FOUND; an empty name or one longer than the line is never found.
std::ptrdiff_t find_upper(std::string_view line, std::string_view name) {
    if (name.empty() || name.size() > line.size()) return NOT_FOUND;
    const auto first = static_cast<unsigned char>(name.front());
    const std::size_t last_start = line.size() - name.size();
    for (std::size_t at = 0; at <= last_start; ++at) {
        if (UPPER[static_cast<unsigned char>(line[at])] != first) continue;
        std::size_t i = 1;
        while (i < name.size() && UPPER[static_cast<unsigned char>(line[at + i])] == static_cast<unsigned char>(name[i])) ++i;
        if (i == name.size()) return static_cast<std::ptrdiff_t>(at);
    }
    return NOT_FOUND;
}

// Returns the word number (1-9) that the byte before a name selects, or 0.
std::size_t word_number(char before) {
    return before >= '1' && before <= '9' ? static_cast<std::size_t>(before - '0') : 0;
}

}  // namespace

void fill_line(std::string& line, const std::vector<column_spec>& columns, const record_values& values) {
    if (columns.empty()) return;
    byte_marks present = marks_of(line);
    std::size_t p = 0;
    std::size_t word_fills = 0;  // word placeholders of column p filled in this line
    while (p < columns.size()) {
        const std::string& name = columns[p].name;
        const std::ptrdiff_t found = may_hold(present, name) ? find_upper(line, name) : NOT_FOUND;
        if (found == NOT_FOUND) {
            ++p;
            word_fills = 0;
            continue;
        }
        const auto at = static_cast<std::size_t>(found);
        const std::string_view value = p < values.size() ? std::string_view(values[p]) : std::string_view();
        const std::size_t word = at > 0 ? word_number(line[at - 1]) : 0;
        if (word == 0) {
            line.replace(at, name.size(), value);
            present |= marks_of(value);
            ++p;
            word_fills = 0;
            continue;
        }
        const std::string_view chosen = field_at(value, ' ', word - 1);
        line.replace(at - 1, name.size() + 1, chosen);
        present |= marks_of(chosen);
        // A word may recreate its own placeholder ('1name' for '1NAME'): bound the repeats.
        if (++word_fills == LINE_LEN) {
            ++p;
            word_fills = 0;
        }
    }
}

}  // namespace rowcard
