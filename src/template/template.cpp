// Template filling: finds each column's name in the line, case-insensitively,
// and splices in the whole value or one of its words.
#include "template/template.hpp"

#include <algorithm>

#include "text/text.hpp"

namespace rowcard {
namespace {

// Returns the word number (1-9) that the byte before a name selects, or 0.
std::size_t word_number(char before) {
    return before >= '1' && before <= '9' ? static_cast<std::size_t>(before - '0') : 0;
}

// During one column's turn the line is `settled` followed by the rest, which
// is held last byte first: the front of the rest, where every splice happens,
// is then the end of a string, and a splice costs the bytes it moves rather
// than the length of the line. A word that recreates its placeholder would
// otherwise copy the whole growing line on each of its LINE_LEN fills.

// Moves `count` bytes from the front of the rest to the end of the settled text.
void settle(fill_buffers& b, std::size_t count) {
    for (; count > 0; --count) {
        b.settled.push_back(b.rest.back());
        b.rest.pop_back();
        b.upper_rest.pop_back();
    }
}

// Moves `count` bytes from the end of the settled text back to the front of the rest.
void unsettle(fill_buffers& b, std::size_t count) {
    for (; count > 0; --count) {
        b.rest.push_back(b.settled.back());
        b.upper_rest.push_back(upper_byte(b.settled.back()));
        b.settled.pop_back();
    }
}

// Replaces the first `span` bytes of the rest by `replacement`.
void splice_front(fill_buffers& b, std::size_t span, std::string_view replacement) {
    const std::size_t front = b.rest.size() - span;
    b.rest.resize(front);
    b.rest.append(replacement.rbegin(), replacement.rend());
    b.upper_rest.resize(front);
    b.upper_rest.append(replacement.rbegin(), replacement.rend());
    for (std::size_t i = front; i < b.upper_rest.size(); ++i) b.upper_rest[i] = upper_byte(b.upper_rest[i]);
}

// Fills the placeholders of the column `name` with `value`, searching the
// line from its start: word placeholders until the first plain occurrence,
// which takes the whole value, or until LINE_LEN word fills. An empty name is
// never found.
void fill_column(const std::string& name, std::string_view value, fill_buffers& b) {
    if (name.empty()) return;
    unsettle(b, b.settled.size());
    b.name.assign(name.rbegin(), name.rend());
    for (std::size_t word_fills = 0; word_fills < LINE_LEN; ++word_fills) {
        // The last match in the reversed rest is the first one in the line.
        const std::size_t found = b.upper_rest.rfind(b.name);
        if (found == std::string::npos) return;
        const std::size_t at = b.rest.size() - found - name.size();  // index in the rest
        const std::size_t word = at > 0 ? word_number(b.rest[b.rest.size() - at]) : 0;
        if (word == 0) {
            settle(b, at);
            splice_front(b, name.size(), value);
            return;
        }
        settle(b, at - 1);
        splice_front(b, name.size() + 1, field_at(value, ' ', word - 1));
        // The text before the splice held no match, so the next one starts at
        // most name.size() - 1 bytes before it; one byte more keeps its digit
        // in the rest. Only that much settled text is searched again.
        unsettle(b, std::min(name.size(), b.settled.size()));
    }
}

}  // namespace

void fill_line(std::string& line, const std::vector<column_spec>& columns, const record_values& values,
               fill_buffers& buffers) {
    if (columns.empty()) return;
    buffers.settled.clear();
    buffers.rest.assign(line.rbegin(), line.rend());
    buffers.upper_rest.assign(buffers.rest);
    upper_in_place(buffers.upper_rest);
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view value = p < values.size() ? std::string_view(values[p]) : std::string_view();
        fill_column(columns[p].name, value, buffers);
    }
    line.assign(buffers.settled);
    line.append(buffers.rest.rbegin(), buffers.rest.rend());
}

}  // namespace rowcard
