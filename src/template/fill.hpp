// The filling rule: the placeholders of one template line replaced by the
// values of one record, whole or one word at a time, and where names lie in a line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"
#include "record/record.hpp"

namespace rowcard {

// Working storage that `fill_line` reuses from line to line.
struct fill_buffers {
    std::string settled;  // while a runaway column is filled: the front of the line, searched for good
};

// Fills `line` in place. For each column in order, a digit '1'-'9' before its
// name (matched in any ASCII case) selects that word of the value, and the
// search repeats; the first plain occurrence takes the whole value and ends the
// column's turn. After LINE_LEN word fills of one column a further word
// placeholder ends its turn unfilled. Returns true when that bound stopped some
// column. With no columns, or no name found, the line stays as it is, its line
// feed included; it may grow without cap, and the time taken grows with the
// filled line, not with its square.
bool fill_line(std::string& line, const std::vector<column_spec>& columns, const record_values& values,
               fill_buffers& buffers);

// One occurrence of a column's name in a line, as `fill_line` searches for it.
struct name_at {
    std::size_t column;  // index of the column in the list searched
    std::size_t at;      // where the name begins in the line
    std::size_t word;    // the word digit 1-9 just before the name, or 0: the whole value
};

// Sets `found` to every occurrence of every column's name in `line`, matched as
// `fill_line` matches (any ASCII case), column by column and, within a column,
// from the start of the line. An empty name is never found. The line is read
// as it stands: no value is put in.
void find_names(std::string_view line, const std::vector<column_spec>& columns, std::vector<name_at>& found);

}  // namespace rowcard
