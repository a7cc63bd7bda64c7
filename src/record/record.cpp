// Record values: folding of code page 1250 letters, the character filter and
// the mandatory-column verdict.
#include "record/record.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#include "text/text.hpp"
#include "text/words.hpp"

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

// Bytes read as one word when a field's end is sought.
constexpr auto WORD = static_cast<std::ptrdiff_t>(sizeof(byte_word));

// Returns the first `sep` from `at` up to `stop`, or `stop` when there is none
// (an empty range too). `line` is where the line starts: when fewer than eight
// bytes are left but the line holds eight before `stop`, the eight bytes that
// end at `stop` are read as one word, so a last field is not sought byte by byte.
const char* find_separator(const char* at, const char* stop, const char* line, char sep) {
    // The tail word below is read off by its lowest bytes, which are the first
    // ones in memory on a little-endian machine only.
    if constexpr (std::endian::native == std::endian::little) {
        const auto byte = static_cast<unsigned char>(sep);
        while (stop - at >= WORD) {
            const byte_word hits = bytes_equal(load_word(at), byte);
            if (hits != 0) return at + first_marked(hits);
            at += WORD;
        }
        const auto left = static_cast<int>(stop - at);
        if (left != 0 && stop - line >= WORD) {
            // The word that ends at `stop`, moved down so that its lowest byte
            // is `at`; the zero bytes moved in at the top are masked off.
            const byte_word word = load_word(stop - WORD) >> (8 * (WORD - left));
            const byte_word hits = bytes_equal(word, byte) & ((byte_word{1} << (8 * left)) - 1);
            return hits == 0 ? stop : at + first_marked(hits);
        }
    }
    while (at != stop && *at != sep) ++at;
    return at;
}

// Returns the first `b` from `at` up to `end`, or `end` when there is none
// (an empty range too, whose pointers may be null: memchr is not asked then).
const char* find_byte(const char* at, const char* end, char b) {
    if (at == end) return end;
    const void* found = std::memchr(at, b, static_cast<std::size_t>(end - at));
    return found == nullptr ? end : static_cast<const char*>(found);
}

// Cleans the byte at `b` through `clean` into `out` at `count` and returns the
// count after it: one more, or the same when cleaning drops the byte.
inline std::size_t take(char* out, std::size_t count, const char* b, const char* clean) {
    const char k = clean[static_cast<unsigned char>(*b)];
    out[count] = k;
    return count + (k != '\0');
}

// Returns how many bytes cleaning writes to `out` for the `size` bytes at `at`
// (none when `size` is 0): each byte through the table `clean`, the dropped
// ones leaving no gap. `out` has room for `size` bytes. Eight bytes go per
// step, and the rest through one jump into the same steps.
std::size_t clean_run(const char* at, std::size_t size, char* out, const char* clean) {
    std::size_t count = 0;
    for (; size >= sizeof(byte_word); size -= sizeof(byte_word), at += sizeof(byte_word)) {
        count = take(out, count, at, clean);
        count = take(out, count, at + 1, clean);
        count = take(out, count, at + 2, clean);
        count = take(out, count, at + 3, clean);
        count = take(out, count, at + 4, clean);
        count = take(out, count, at + 5, clean);
        count = take(out, count, at + 6, clean);
        count = take(out, count, at + 7, clean);
    }
    const char* const last = at + size;
    switch (size) {
        case 7: count = take(out, count, last - 7, clean); [[fallthrough]];
        case 6: count = take(out, count, last - 6, clean); [[fallthrough]];
        case 5: count = take(out, count, last - 5, clean); [[fallthrough]];
        case 4: count = take(out, count, last - 4, clean); [[fallthrough]];
        case 3: count = take(out, count, last - 3, clean); [[fallthrough]];
        case 2: count = take(out, count, last - 2, clean); [[fallthrough]];
        case 1: count = take(out, count, last - 1, clean); break;
        default: break;
    }
    return count;
}

}  // namespace

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

}  // namespace rowcard
