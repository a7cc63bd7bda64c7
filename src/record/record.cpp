// Record values: a table line taken into cleaned values and the verdict on its
// mandatory columns, with the folding and the character filter cleaning applies.
#include "record/record.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "record/fields_fast.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Accented letters of code page 1250 and the ASCII letters they fold to, pair by
// pair. Upper-case Ä, Ô, Ů, Ľ and lower-case ĺ are not folded; they are dropped.
constexpr std::string_view FOLD_FROM =
    "\xC1\xC8\xCF\xC9\xCC\xCD\xC5\xD2\xD3\xD6\xD5\xD8\x8A\x8D\xDA\xDC\xDB\xDD\x8E"
    "\xE1\xE4\xE8\xEF\xE9\xEC\xED\xBE\xF2\xF3\xF6\xF4\xF5\xF8\x9A\x9D\xFA\xF9\xFC\xFB\xFD\x9E";
constexpr std::string_view FOLD_TO = "ACDEEILNOOORSTUUUYZaacdeeilnoooorstuuuuyz";
static_assert(FOLD_FROM.size() == FOLD_TO.size());

// Maps every byte to its folded byte; bytes outside FOLD_FROM map to themselves.
constexpr std::array<char, 256> make_fold_table() {
    std::array<char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) table[b] = static_cast<char>(b);
    for (std::size_t i = 0; i < FOLD_FROM.size(); ++i) {
        table[static_cast<unsigned char>(FOLD_FROM[i])] = FOLD_TO[i];
    }
    return table;
}
constexpr std::array<char, 256> FOLD = make_fold_table();

// Maps every byte to what folding and filtering make of it together: its
// folded byte when `keeps` it, or 0 when it is dropped (0 itself is never
// kept). One table for values in general, one for values that hold '@'.
constexpr std::array<char, 256> make_clean_table(bool (*keeps)(unsigned char)) {
    std::array<char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        const char folded = FOLD[b];
        table[b] = keeps(static_cast<unsigned char>(folded)) ? folded : '\0';
    }
    return table;
}
constexpr std::array<char, 256> CLEAN = make_clean_table(kept_in_value);
constexpr std::array<char, 256> CLEAN_ADDRESS = make_clean_table(kept_in_address);

// Folding never makes an '@', so a value holds one after folding exactly when
// its raw bytes do, and the raw bytes can choose the table.
static_assert(std::all_of(FOLD_TO.begin(), FOLD_TO.end(), [](char c) { return c != '@'; }));

// Returns the first `b` from `at` up to `end`, or `end` when there is none
// (an empty range too, whose pointers may be null: memchr is not asked then).
const char* find_byte(const char* at, const char* end, char b) {
    if (at == end) return end;
    const void* found = std::memchr(at, b, static_cast<std::size_t>(end - at));
    return found == nullptr ? end : static_cast<const char*>(found);
}

}  // namespace

bool take_record(std::string_view line, const conversion_settings& settings, record_values& values) {
    values.resize(settings.columns.size());
    // Kept in locals: the cleaned bytes are written through a char pointer,
    // which could otherwise alias every field read from memory.
    const char sep = settings.separator;
    const column_spec* column = settings.columns.data();
    const column_spec* const last_column = column + settings.columns.size();
    std::string* value = values.data();
    const char* const start = line.data();
    const char* const end = start + line.size();
    const char* at = start;
    // A field ends at a line feed too; the first one is found once, so that
    // each field is sought for the separator alone.
    const char* feed = find_byte(at, end, '\n');
    // The next '@' at or after the field, sought again only once passed: a
    // row has one address or none, so most rows search for it once.
    const char* mark = find_byte(at, end, '@');
    bool accepted = true;
    for (; column != last_column; ++column, ++value) {
        // The field runs to the next separator or line feed (as `split_field`
        // has it), is cut after VALUE_LEN bytes, and loses its trailing spaces
        // before it is cleaned, so 'Smith -' keeps its space and '---' ends up
        // empty. A field never holds a line feed, so spaces are all there is to trim.
        const char* const field_end = find_separator(at, feed, start, sep);
        const char* raw_end = field_end - at > static_cast<std::ptrdiff_t>(VALUE_LEN) ? at + VALUE_LEN : field_end;
        while (raw_end != at && raw_end[-1] == ' ') --raw_end;
        const auto raw_size = static_cast<std::size_t>(raw_end - at);
        // Grown only when the last record's value was shorter; shrinking is free.
        if (value->size() < raw_size) value->resize(raw_size);
        char* const out = value->data();
        if (mark < at) mark = find_byte(at, end, '@');
        const char* const clean = mark < raw_end ? CLEAN_ADDRESS.data() : CLEAN.data();
        const std::size_t count = clean_run(at, raw_size, out, clean);
        value->resize(count);
        accepted &= !column->mandatory || !blank_value(std::string_view(out, count));
        if (field_end != feed) {
            at = field_end + 1;  // the separator
        } else if (feed == end) {
            at = end;
        } else if (column + 1 != last_column) {
            // A line feed ends the field, but the next field still begins after
            // the next separator (the line feed itself when it is the separator).
            at = sep == '\n' ? feed : find_byte(feed, end, sep);
            at += at != end;
            feed = find_byte(at, end, '\n');
        }
    }
    return accepted;
}

char clean_byte(unsigned char b) { return CLEAN[b]; }

void transliterate(std::string& value) {
    for (char& c : value) c = FOLD[static_cast<unsigned char>(c)];
}

void filter_chars(std::string& value) {
    const bool address = value.find('@') != std::string::npos;
    std::size_t count = 0;
    for (const char c : value) {
        const auto b = static_cast<unsigned char>(c);
        if (address ? kept_in_address(b) : kept_in_value(b)) value[count++] = c;
    }
    value.resize(count);
}

}  // namespace rowcard
