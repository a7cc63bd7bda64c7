// The card table rowcard-prep makes of a small export written in a test, and
// a look for one of its lines: shared by the tests of reading the columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "prep/reading.hpp"
#include "prep/table.hpp"

namespace rowcard {

// The table made from the UTF-8 export `text`, with ';' between its columns,
// read with the corrections `overrides`.
inline contact_table made(std::string_view text, const std::vector<column_override>& overrides = {}) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    return make_contact_table(read_export(text, utf8), ';', overrides);
}

// True when `line` is one of the lines of `table`.
inline bool has_line(const std::string& table, const std::string& line) {
    return ("\n" + table).find("\n" + line + "\n") != std::string::npos;
}

// Returns the header and rows of `read` as lines, ';' between their values,
// each line ending in a line feed: the fields as a test writes them out.
inline std::string table_text(const export_result& read) {
    std::string text;
    const auto line = [&](const std::vector<std::string_view>& values) {
        for (std::size_t c = 0; c < values.size(); ++c) text.append(c ? ";" : "").append(values[c]);
        text.push_back('\n');
    };
    line(std::vector<std::string_view>(read.header.begin(), read.header.end()));
    std::vector<std::string_view> v;
    for (std::size_t r = 0; r < row_count(read.rows); ++r) {
        row_values(read.rows, r, v);
        line(v);
    }
    return text;
}

}  // namespace rowcard
