// rowcard-prep's words: errors on stderr, and the report on stdout of what
// was read, what changed and what was written.
#pragma once

#include <string>
#include <string_view>

#include "prep/reading.hpp"
#include "prep/table.hpp"

namespace rowcard {

// Prints `message` on stderr after the program's name.
void complain(const std::string& message);

// Prints `text` on stdout.
void say(const std::string& text);

// Returns the report's lines on the export at `export_path` as it was read:
// the encoding and why, the separator, the counts, its layout and what
// cleaning changed in `read` and `made`.
std::string read_report(std::string_view export_path, const export_result& read, const contact_table& made);

// Returns the report's line on the table written at `where`, with `rows`
// rows, `columns` columns and `separator` between them.
std::string table_report(std::string_view where, std::size_t rows, std::size_t columns, char separator);

}  // namespace rowcard
