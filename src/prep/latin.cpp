// Cyrillic, and the Latin letters with no base letter ('ð', 'þ'), written in
// the Latin letters rowcard keeps: the one table, by code point.
#include "prep/latin.hpp"

#include <array>

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

}  // namespace

const char32_t* latin_spelling(char32_t c) {
    // Icelandic and Old English letters with no base letter to fold to.
    switch (c) {
    case U'\u00D0': return U"D";
    case U'\u00F0': return U"d";
    case U'\u00DE': return U"Th";
    case U'\u00FE': return U"th";
    default: break;
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
