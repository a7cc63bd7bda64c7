// Fuzzing rowcard-prep's export reader: any bytes, read in every encoding and
// with every separator, give one table line per record, the same number of
// fields on every line, no separator or line break inside a value, and only
// bytes that rowcard keeps or folds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support.hpp"
#include "prep/prep.hpp"
#include "record/record.hpp"

namespace rowcard::fuzz {
namespace {

// Bytes at the front of an input that choose how to read the rest.
constexpr std::size_t SETUP_BYTES = 1;

// The encodings tried, detection first.
constexpr std::optional<export_encoding> ENCODINGS[] = {
    std::nullopt, export_encoding::utf8, export_encoding::utf16le, export_encoding::utf16be, export_encoding::cp1250,
    export_encoding::cp1252};
// The export separators tried ('\0': detect) and the table separators written.
constexpr char SEPARATORS_TRIED[] = {'\0', ',', ';', '\t', '|'};
constexpr char TABLE_SEPARATORS[] = {';', ',', '|'};

// True for a byte a table value may hold: printable ASCII, or a code page 1250
// letter that rowcard's cleaning folds.
bool allowed(unsigned char b) { return (b >= 0x20 && b < 0x7F) || (b >= 0x80 && clean_byte(b) != '\0'); }

// Checks the properties of one reading.
void check(const export_result& read, char table_separator) {
    const std::string& table = read.table;
    if (read.header.empty()) {
        require(table.empty() && read.records == 0, "no header, yet a table");
        return;
    }
    require(!table.empty() && table.back() == '\n', "the table does not end with a line");
    std::size_t lines = 0;
    std::size_t fields = 1;
    std::size_t value_start = 0;
    for (std::size_t at = 0; at < table.size(); ++at) {
        const auto b = static_cast<unsigned char>(table[at]);
        if (b == '\n' || b == static_cast<unsigned char>(table_separator)) {
            if (at > value_start) {
                require(table[value_start] != ' ' && table[at - 1] != ' ', "a value with spaces around it");
            }
            value_start = at + 1;
            if (b == '\n') {
                require(fields == read.header.size(), "a line with another number of fields than the header");
                ++lines;
                fields = 1;
            } else {
                ++fields;
            }
            continue;
        }
        require(allowed(b), "a byte that rowcard neither keeps nor folds");
    }
    require(lines == read.records + 1, "not one table line per record");
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
    if (const char c = SEPARATORS_TRIED[(setup / 6) % std::size(SEPARATORS_TRIED)]; c != '\0') how.separator = c;
    const char table_separator = TABLE_SEPARATORS[(setup / 30) % std::size(TABLE_SEPARATORS)];
    const std::string bytes = bytes_of(data + SETUP_BYTES, size - SETUP_BYTES);

    const export_result read = read_export(bytes, how, table_separator);
    check(read, table_separator);
    require(read.filled.size() == read.header.size(), "not one filled mark per column");

    // The card's table keeps every property: one line per record, as many
    // fields as its header, at most MAX_COLUMNS, and a framed card for it.
    if (read.header.empty()) return 0;
    export_result table = read;
    const contact_table made = make_contact_table(read, table_separator);
    require(made.header.size() <= MAX_COLUMNS, "a table wider than rowcard reads");
    table.table = made.table;
    table.header = made.header;
    check(table, table_separator);
    const starter_files starter = make_starter(made.header, "cards.csv");
    require(starter.master.starts_with("BEGIN:VCARD\n") && starter.master.ends_with("END:VCARD\n"),
            "a card that is not framed");
    return 0;
}
