// The card table rowcard-prep makes of a small export written in a test, and
// a look for one of its lines: shared by the tests of reading the columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "prep/prep.hpp"

namespace rowcard {

// The table made from the UTF-8 export `text`, with ';' between its columns,
// read with the corrections `overrides`.
inline contact_table made(std::string_view text, const std::vector<column_override>& overrides = {}) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    return make_contact_table(read_export(text, utf8, ';'), ';', overrides);
}

// True when `line` is one of the lines of `table`.
inline bool has_line(const std::string& table, const std::string& line) {
    return ("\n" + table).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace rowcard
