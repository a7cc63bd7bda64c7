// Fuzzing rowcard-prep's export reader: any bytes, read in every encoding and
// with every separator, give one row per record as wide as the header, and a
// table of one line per row with no separator or line break inside a value,
// and only bytes that rowcard keeps or folds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support.hpp"
#include "prep/reading.hpp"
#include "prep/starter.hpp"
#include "prep/table.hpp"
#include "record/record.hpp"

namespace rowcard::fuzz {
namespace {

// Bytes at the front of an input that choose how to read the rest.
constexpr std::size_t SETUP_BYTES = 1;

// The encodings tried, detection first.
constexpr std::optional<export_encoding> ENCODINGS[] = {
    std::nullopt, export_encoding::utf8, export_encoding::utf16le, export_encoding::utf16be, export_encoding::cp1250,
    export_encoding::cp1252, export_encoding::cp1251};
// The export separators tried ('\0': detect) and the table separators written.
constexpr char SEPARATORS_TRIED[] = {'\0', ',', ';', '\t', '|'};
constexpr char TABLE_SEPARATORS[] = {';', ',', '|'};

// True for a byte a table value may hold: printable ASCII, or a code page 1250
// letter that rowcard's cleaning folds.
bool allowed(unsigned char b) { return (b >= 0x20 && b < 0x7F) || (b >= 0x80 && clean_byte(b) != '\0'); }

// Checks one value: bytes rowcard keeps or folds, no spaces around it.
void check_value(std::string_view value) {
    for (const char c : value) require(allowed(static_cast<unsigned char>(c)), "a byte that rowcard neither keeps nor folds");
    require(value.empty() || (value.front() != ' ' && value.back() != ' '), "a value with spaces around it");
}

// Checks the properties of one reading: every row as wide as the header,
// its export line known, each value clean.
void check(const export_result& read) {
    const field_rows& rows = read.rows;
    if (read.header.empty()) {
        require(rows.ends.empty() && read.records == 0, "no header, yet rows");
        return;
    }
    require(rows.columns == read.header.size(), "rows of another width than the header");
    require(row_count(rows) == read.records && rows.lines.size() == read.records, "not one row per record");
    require(rows.ends.size() == read.records * rows.columns, "a row with another number of fields than the header");
    for (const std::string& h : read.header) check_value(h);
    for (std::size_t r = 0; r < row_count(rows); ++r) {
        for (std::size_t c = 0; c < rows.columns; ++c) check_value(value_at(rows, r, c));
    }
}

// Checks the table `table` written with `table_separator`: one line per
// card's record (`records`) and the header, each of `columns` fields, no
// separator or line break inside a value.
void check_table(const std::string& table, std::size_t columns, std::size_t records, char table_separator) {
    require(!table.empty() && table.back() == '\n', "the table does not end with a line");
    std::size_t lines = 0;
    std::size_t fields = 1;
    for (const char c : table) {
        if (c == '\n') {
            require(fields == columns, "a line with another number of fields than the header");
            ++lines;
            fields = 1;
        } else if (c == table_separator) {
            ++fields;
        } else {
            require(allowed(static_cast<unsigned char>(c)), "a byte that rowcard neither keeps nor folds");
        }
    }
    require(lines == records + 1, "not one table line per card's record");
}

}  // namespace
}  // namespace rowcard::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rowcard;
    using namespace rowcard::fuzz;
    if (size < SETUP_BYTES) return 0;
    const unsigned setup = data[0];
    export_reading how;
    how.encoding = ENCODINGS[setup % std::size(ENCODINGS)];
    if (const char c = SEPARATORS_TRIED[(setup / std::size(ENCODINGS)) % std::size(SEPARATORS_TRIED)]; c != '\0') how.separator = c;
    const std::size_t tried = std::size(ENCODINGS) * std::size(SEPARATORS_TRIED);
    const char table_separator = TABLE_SEPARATORS[(setup / tried) % std::size(TABLE_SEPARATORS)];
    const std::string bytes = bytes_of(data + SETUP_BYTES, size - SETUP_BYTES);

    const export_result read = read_export(bytes, how);
    check(read);
    require(read.filled.size() == read.header.size(), "not one filled mark per column");

    // The card's table keeps every property: one line per record, but for the
    // rows of only an address taken into the card above, as many fields as its
    // header, at most MAX_COLUMNS, and a framed card for it.
    if (read.header.empty()) return 0;
    const contact_table made = make_contact_table(read, table_separator);
    require(made.header.size() <= MAX_COLUMNS, "a table wider than rowcard reads");
    require(made.rows + made.more_addresses.count == read.records, "a row neither written nor taken into another");
    check_table(made.table, made.header.size(), made.rows, table_separator);
    const starter_files starter = make_starter(made.header, "cards.csv");
    require(starter.master.starts_with("BEGIN:VCARD\n") && starter.master.ends_with("END:VCARD\n"),
            "a card that is not framed");
    return 0;
}
