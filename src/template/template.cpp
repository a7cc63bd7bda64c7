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
// lies at the end of `rest` from index `front` on, with free room before it:
// every splice happens at the front of the rest, so it costs the bytes it
// moves rather than the length of the line. A word that recreates its
// placeholder would otherwise copy the whole growing line on each of its
// LINE_LEN fills.

// Makes room for at least `count` bytes before the front of the rest. The room
// grows with the rest, so regrowing costs little over a run of splices.
void make_room(fill_buffers& b, std::size_t count) {
    if (b.front >= count) return;
    const std::size_t room = count + (b.rest.size() - b.front);
    b.rest.insert(0, room - b.front, '\0');
    b.upper_rest.insert(0, room - b.front, '\0');
    b.front = room;
}

// Puts `text` before the front of the rest, with its upper-cased twin.
void put_front(fill_buffers& b, std::string_view text) {
    make_room(b, text.size());
    b.front -= text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        b.rest[b.front + i] = text[i];
        b.upper_rest[b.front + i] = upper_byte(text[i]);
    }
}

// Moves `count` bytes from the front of the rest to the end of the settled text.
void settle(fill_buffers& b, std::size_t count) {
    b.settled.append(b.rest, b.front, count);
    b.front += count;
}

// Moves `count` bytes from the end of the settled text back to the front of the rest.
void unsettle(fill_buffers& b, std::size_t count) {
    put_front(b, std::string_view(b.settled).substr(b.settled.size() - count));
    b.settled.resize(b.settled.size() - count);
}

// Fills the placeholders of the column `name` with `value`, searching the
// line from its start: word placeholders until the first plain occurrence,
// which takes the whole value, or until LINE_LEN word fills. An empty name is
// never found.
void fill_column(const std::string& name, std::string_view value, fill_buffers& b) {
    if (name.empty()) return;
    unsettle(b, b.settled.size());
    for (std::size_t word_fills = 0; word_fills < LINE_LEN; ++word_fills) {
        const std::ptrdiff_t found = find_text(std::string_view(b.upper_rest).substr(b.front), name, 0);
        if (found == NOT_FOUND) return;
        const auto at = static_cast<std::size_t>(found);  // index in the rest
        const std::size_t word = at > 0 ? word_number(b.rest[b.front + at - 1]) : 0;
        if (word == 0) {
            settle(b, at);
            b.front += name.size();
            put_front(b, value);
            return;
        }
        settle(b, at - 1);
        b.front += name.size() + 1;
        put_front(b, field_at(value, ' ', word - 1));
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
    buffers.rest.assign(line);
    buffers.upper_rest.assign(line);
    upper_in_place(buffers.upper_rest);
    buffers.front = 0;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view value = p < values.size() ? std::string_view(values[p]) : std::string_view();
        fill_column(columns[p].name, value, buffers);
    }
    line.assign(buffers.settled);
    line.append(buffers.rest, buffers.front);
}

}  // namespace rowcard
