// Template filling: finds each column's name in the line, case-insensitively,
// and splices in the whole value or one of its words.
#include "template/template.hpp"

#include "text/text.hpp"

namespace rowcard {
namespace {

// Returns the word number (1-9) that the byte before a name selects, or 0.
std::size_t word_number(char before) {
    return before >= '1' && before <= '9' ? static_cast<std::size_t>(before - '0') : 0;
}

// Replaces `line[start, end)` by `replacement` and refreshes the upper-cased copy.
void splice(std::string& line, std::size_t start, std::size_t end, std::string_view replacement,
            fill_buffers& buffers) {
    buffers.next.assign(copy_left(line, start));
    buffers.next.append(replacement);
    buffers.next.append(copy_from(line, end, std::string::npos));
    line.swap(buffers.next);
    buffers.upper.assign(line);
    upper_in_place(buffers.upper);
}

}  // namespace

void fill_line(std::string& line, const std::vector<column_spec>& columns, const record_values& values,
               fill_buffers& buffers) {
    if (columns.empty()) return;
    buffers.upper.assign(line);
    upper_in_place(buffers.upper);
    std::size_t p = 0;
    std::size_t word_fills = 0;  // word placeholders of column p filled in this line
    while (p < columns.size()) {
        const std::string& name = columns[p].name;
        const std::ptrdiff_t found = find_text(buffers.upper, name, 0);
        if (found == NOT_FOUND) {
            ++p;
            word_fills = 0;
            continue;
        }
        const auto at = static_cast<std::size_t>(found);
        const std::string_view value = p < values.size() ? std::string_view(values[p]) : std::string_view();
        const std::size_t word = at > 0 ? word_number(buffers.upper[at - 1]) : 0;
        if (word == 0) {
            splice(line, at, at + name.size(), value, buffers);
            ++p;
            word_fills = 0;
            continue;
        }
        splice(line, at - 1, at + name.size(), field_at(value, ' ', word - 1), buffers);
        // A word may recreate its own placeholder ('1name' for '1NAME'): bound the repeats.
        if (++word_fills == LINE_LEN) {
            ++p;
            word_fills = 0;
        }
    }
}

}  // namespace rowcard
