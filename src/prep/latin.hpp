// Inside rowcard-prep: letters of another script written in the Latin letters
// rowcard's code page holds, so that a name in Cyrillic is not lost.
#pragma once

#include <string_view>

namespace rowcard {

// Returns the Latin spelling of the Cyrillic letter `c` as the scholarly
// transliteration writes it with háčeks ('Ж' "Ž", 'ш' "š", 'Ю' "Ju", Serbian
// 'ђ' "đ", 'љ' "lj"), and Icelandic 'ð' and 'þ' as "d" and "th": every letter
// it gives is one code page 1250 holds; Greek as Greece's own plain
// transliteration ('Γιώργος' "Giorgos"). A soft sign gives empty; any other
// character gives nullptr.
const char32_t* latin_spelling(char32_t c);

}  // namespace rowcard
