// rowcard-prep's first stage: an export's bytes read into a header and rows
// of fields, every value cleaned for rowcard, with what reading changed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rowcard {

// How an export's bytes stand for characters.
enum class export_encoding { utf8, utf8_signed, utf16le, utf16be, cp1250, cp1252, cp1251 };

// Google's way of putting several values into one field.
inline constexpr std::string_view LIST_MARK = " ::: ";

// One kind of change made to the values: how many values it touched, and the
// export lines of the first few of them.
struct change_tally {
    std::size_t count = 0;
    std::vector<std::size_t> lines;  // the first few lines, each once
    bool more_lines = false;         // lines beyond those were touched too
    std::string example;             // the first value touched, where the report shows one
};

// Everything reading an export changed, kind by kind.
struct export_changes {
    change_tally invalid;       // byte sequences the encoding does not allow, dropped
    change_tally spaces;        // values whose line breaks, tabs or other spaces became plain spaces
    change_tally list_items;    // Google's ' ::: ' lists, each item of which gets a column of its own
    change_tally base_letters;  // values with letters written as their Latin base letter
    change_tally latin_letters;  // values with Cyrillic, Greek, 'ð' or 'þ' written in Latin letters
    change_tally formulas;      // a spreadsheet's text marks ('="0737 550 129"', "'60200"), written as their text
    change_tally dropped;       // values that lost signs, emoji, other scripts or control bytes
    change_tally extra_fields;  // records with fields beyond the header's, which were dropped
    change_tally short_rows;    // records with fewer fields than the header's, their last columns left empty
    change_tally footer_lines;  // lines after the data that hold one value, as a report's footer: no contacts, left out
    change_tally headers_again;  // the header written again over a block of rows, and the block's title: no contacts
    std::size_t unterminated_quote = 0;  // line where a quote that never closes opened; 0: none
};

// What the user fixed on the command line; unset means detect it.
struct export_reading {
    std::optional<export_encoding> encoding;
    std::optional<char> separator;
};

// An export's records after its header, as fields, each value cleaned once:
// `columns` values a row, row after row, each ending where `ends` says in
// `text`. A row shorter than the header has empty values for those it lacks.
struct field_rows {
    std::size_t columns = 0;
    std::string text;                 // the values, one after another
    std::vector<std::size_t> ends;    // where each value ends in `text`
    std::vector<std::size_t> lines;   // per row: the export line it starts on
};

// Returns the number of rows of `rows`.
std::size_t row_count(const field_rows& rows);

// Returns the value of row `row` in column `column` (both within bounds).
std::string_view value_at(const field_rows& rows, std::size_t row, std::size_t column);

// Fills `v` with the `rows.columns` values of row `row`.
void row_values(const field_rows& rows, std::size_t row, std::vector<std::string_view>& v);

// An export read, its values cleaned into fields.
struct export_result {
    export_encoding encoding = export_encoding::utf8;
    std::string encoding_reason;       // why that encoding, one clause
    char separator = ',';              // the export's separator
    std::size_t header_line = 1;       // the export line of the header, after any preamble
    bool headerless = false;           // the first line is a row: the header is "Column 1", "Column 2", ...
    std::vector<std::string> header;   // every header value, cleaned
    std::vector<bool> filled;          // per column: some record holds a value there
    std::size_t records = 0;           // records after the header
    field_rows rows;                   // the records after the header, a footer left out
    export_changes changes;
};

// Reads the export `bytes`: detects what `how` leaves open, finds the header
// below any preamble (LinkedIn's "Notes:"), splits the fields (quotes, doubled
// quotes, separators and line breaks inside quotes), and cleans each value for
// rowcard once. Empty lines are no records; a record with fewer fields than
// the header gets empty values, and empty fields beyond it (as Thunderbird
// ends its lines) are no change. Empty input gives no header and no rows.
export_result read_export(std::string_view bytes, const export_reading& how);

// Returns whether reading the export found what the user must look at before
// trusting the cards: invalid bytes dropped, or rows with more or fewer fields
// than the header, whose values may sit in the wrong columns.
bool export_needs_care(const export_changes& changes);

// Returns what the export `bytes` looks like when it is plainly no contacts
// table ("a vCard file", "an Excel workbook (.xlsx) or another ZIP archive",
// "an HTML page", ...); empty when it may be one. Empty input gives empty.
std::string not_a_table(std::string_view bytes);

}  // namespace rowcard
