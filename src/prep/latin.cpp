// Cyrillic, Greek, and the Latin letters with no base letter ('ð', 'þ'),
// written in the Latin letters rowcard keeps: the one table, by code point.
#include "prep/latin.hpp"

#include <array>
#include <utility>

namespace rowcard {
namespace {

// The Cyrillic block's first letters and Ukrainian 'Ґ', the only letters read.
constexpr char32_t CYRILLIC_FIRST = 0x400;
constexpr char32_t CYRILLIC_LAST = 0x45F;
constexpr char32_t GHE_UPTURN = 0x490;

// U+0400 to U+040F, the letters of Serbian, Macedonian, Ukrainian and
// Belarusian beyond Russian's, upper case; U+0450 to U+045F are their small ones.
constexpr std::array<const char32_t*, 16> EXTRA_UPPER = {
    U"E", U"\u00CB", U"\u0110", U"Gj", U"Je", U"Dz", U"I", U"Ji", U"J", U"Lj", U"Nj", U"\u0106", U"Kj", U"I", U"U",
    U"D\u017E"};
constexpr std::array<const char32_t*, 16> EXTRA_LOWER = {
    U"e", U"\u00EB", U"\u0111", U"gj", U"je", U"dz", U"i", U"ji", U"j", U"lj", U"nj", U"\u0107", U"kj", U"i", U"u",
    U"d\u017E"};

// U+0410 to U+042F, А to Я; U+0430 to U+044F are their small ones. 'Щ' is
// Bulgarian's "Št", 'Ъ' its "A"; the soft sign is left out.
constexpr std::array<const char32_t*, 32> BASIC_UPPER = {
    U"A", U"B", U"V", U"G", U"D", U"E", U"\u017D", U"Z", U"I", U"J", U"K", U"L", U"M", U"N", U"O", U"P",
    U"R", U"S", U"T", U"U", U"F", U"H", U"C", U"\u010C", U"\u0160", U"\u0160t", U"A", U"Y", U"", U"E", U"Ju",
    U"Ja"};
constexpr std::array<const char32_t*, 32> BASIC_LOWER = {
    U"a", U"b", U"v", U"g", U"d", U"e", U"\u017E", U"z", U"i", U"j", U"k", U"l", U"m", U"n", U"o", U"p",
    U"r", U"s", U"t", U"u", U"f", U"h", U"c", U"\u010D", U"\u0161", U"\u0161t", U"a", U"y", U"", U"e", U"ju",
    U"ja"};

// U+0391 to U+03A9, Α to Ω (U+03A2 is unassigned), and U+03B1 to U+03C9, α to
// ω with the final ς, as Greece's own transliteration writes them plainly.
constexpr char32_t GREEK_UPPER_FIRST = 0x391;
constexpr char32_t GREEK_LOWER_FIRST = 0x3B1;
constexpr std::array<const char32_t*, 25> GREEK_UPPER = {
    U"A", U"V", U"G", U"D", U"E", U"Z", U"I", U"Th", U"I", U"K", U"L", U"M", U"N", U"X", U"O", U"P", U"R", U"",
    U"S", U"T", U"Y", U"F", U"Ch", U"Ps", U"O"};
constexpr std::array<const char32_t*, 25> GREEK_LOWER = {
    U"a", U"v", U"g", U"d", U"e", U"z", U"i", U"th", U"i", U"k", U"l", U"m", U"n", U"x", U"o", U"p", U"r", U"s",
    U"s", U"t", U"y", U"f", U"ch", U"ps", U"o"};
// Greek's accented vowels, each with the plain one it stands for.
constexpr std::array<std::pair<char32_t, char32_t>, 20> GREEK_ACCENTED = {{
    {0x386, 0x391}, {0x388, 0x395}, {0x389, 0x397}, {0x38A, 0x399}, {0x38C, 0x39F}, {0x38E, 0x3A5}, {0x38F, 0x3A9},
    {0x390, 0x3B9}, {0x3AA, 0x399}, {0x3AB, 0x3A5}, {0x3AC, 0x3B1}, {0x3AD, 0x3B5}, {0x3AE, 0x3B7}, {0x3AF, 0x3B9},
    {0x3B0, 0x3C5}, {0x3CA, 0x3B9}, {0x3CB, 0x3C5}, {0x3CC, 0x3BF}, {0x3CD, 0x3C5}, {0x3CE, 0x3C9}}};

// The Greek letters read, from the first accented capital to the last accented small letter.
constexpr char32_t GREEK_FIRST = 0x386;
constexpr char32_t GREEK_LAST = 0x3CE;

// Latin letters with no base letter to fold to, Icelandic and Old English's, each with its spelling.
constexpr std::array<std::pair<char32_t, const char32_t*>, 4> NO_BASE_LETTER = {{
    {0xD0, U"D"}, {0xF0, U"d"}, {0xDE, U"Th"}, {0xFE, U"th"}}};

// Returns the Latin spelling of the Greek letter `c`; nullptr for any other character.
const char32_t* greek_spelling(char32_t c) {
    if (c < GREEK_FIRST || c > GREEK_LAST) return nullptr;
    for (const auto& [accented, plain] : GREEK_ACCENTED) {
        if (c == accented) c = plain;
    }
    if (c >= GREEK_UPPER_FIRST && c < GREEK_UPPER_FIRST + GREEK_UPPER.size()) return GREEK_UPPER[c - GREEK_UPPER_FIRST];
    if (c >= GREEK_LOWER_FIRST && c < GREEK_LOWER_FIRST + GREEK_LOWER.size()) return GREEK_LOWER[c - GREEK_LOWER_FIRST];
    return nullptr;
}

}  // namespace

const char32_t* latin_spelling(char32_t c) {
    if (const char32_t* greek = greek_spelling(c)) return greek;
    for (const auto& [letter, spelling] : NO_BASE_LETTER) {
        if (c == letter) return spelling;
    }
    if (c == GHE_UPTURN) return U"G";
    if (c == GHE_UPTURN + 1) return U"g";
    if (c < CYRILLIC_FIRST || c > CYRILLIC_LAST) return nullptr;
    // The block runs in the tables' order: the extra capitals, А to Я, а to я, the extra small letters.
    std::size_t at = c - CYRILLIC_FIRST;
    if (at < EXTRA_UPPER.size()) return EXTRA_UPPER[at];
    at -= EXTRA_UPPER.size();
    if (at < BASIC_UPPER.size()) return BASIC_UPPER[at];
    at -= BASIC_UPPER.size();
    if (at < BASIC_LOWER.size()) return BASIC_LOWER[at];
    return EXTRA_LOWER[at - BASIC_LOWER.size()];
}

}  // namespace rowcard
