// The cases of the header vocabulary's tests: a header as rowcard-prep cleans
// it, and the role, item number and type it must be read as.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "prep/layouts.hpp"
#include "prep/reading.hpp"
#include "prep/vocabulary.hpp"

namespace rowcard {

// The UTF-8 header or value `utf8` as rowcard-prep cleans it.
inline std::string cleaned(std::string_view utf8) {
    export_reading how;
    how.encoding = export_encoding::utf8;
    std::string line(1, '"');
    line.append(utf8).append("\"\n");
    const export_result r = read_export(line, how);
    return r.header.empty() ? std::string() : r.header.front();
}

// One header and what it must be read as.
struct header_case {
    std::string_view header;
    field_role what;
    int group = 0;
    std::string_view type = {};
};

// Checks every case of `cases`, read in `language` (and with the table name `table`).
inline void expect_read(const std::vector<header_case>& cases, export_language language, std::string_view table = {}) {
    for (const header_case& c : cases) {
        SCOPED_TRACE(std::string(c.header));
        const column_role got = read_header(cleaned(c.header), language, table);
        EXPECT_EQ(static_cast<int>(got.what), static_cast<int>(c.what));
        EXPECT_EQ(got.group, c.group);
        EXPECT_EQ(got.type, c.type);
    }
}

}  // namespace rowcard
