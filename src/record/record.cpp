// Record values: folding of code page 1250 letters, the character filter and
// the mandatory-column verdict.
#include "record/record.hpp"

#include <array>

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
// folded byte when that is kept, or 0 when it is dropped (0 itself is never kept).
constexpr std::array<char, 256> make_clean_table() {
    std::array<char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        const char folded = FOLD[b];
        table[b] = kept(static_cast<unsigned char>(folded)) ? folded : '\0';
    }
    return table;
}
constexpr std::array<char, 256> CLEAN = make_clean_table();

// Sets `value` to the field `raw` cleaned: folded, trimmed and filtered in one
// pass. Folding never makes or removes a space or a line feed, so trimming the
// raw field first trims exactly what trimming the folded one would.
void clean_into(std::string& value, std::string_view raw) {
    raw = trim_right(raw);
    value.resize(raw.size());
    char* out = value.data();
    std::size_t count = 0;
    for (const char c : raw) {
        const char k = clean_byte(static_cast<unsigned char>(c));
        out[count] = k;
        count += k != '\0';
    }
    value.resize(count);
}

}  // namespace

char clean_byte(unsigned char b) { return CLEAN[b]; }

void transliterate(std::string& value) {
    for (char& c : value) c = FOLD[static_cast<unsigned char>(c)];
}

void filter_chars(std::string& value) {
    std::size_t count = 0;
    for (const char c : value) {
        if (kept(static_cast<unsigned char>(c))) value[count++] = c;
    }
    value.resize(count);
}

bool take_record(std::string_view line, const conversion_settings& settings, record_values& values) {
    values.resize(settings.columns.size());
    bool accepted = true;
    std::string_view rest = line;
    for (std::size_t p = 0; p < settings.columns.size(); ++p) {
        std::string& value = values[p];
        // Trimming comes before filtering, so 'Smith -' keeps its space and
        // '---' ends up empty.
        clean_into(value, copy_left(split_field(rest, settings.separator), VALUE_LEN));
        if (settings.columns[p].mandatory && blank(value)) accepted = false;
    }
    return accepted;
}

}  // namespace rowcard
