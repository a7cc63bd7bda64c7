// The text codecs that rowcard-check and rowcard-prep share: UTF-8 read and
// written, UTF-16 told by its signature or its zero bytes, and two code pages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rowcard {

// The signatures that editors and exports put before their text.
inline constexpr std::string_view UTF8_SIGNATURE = "\xEF\xBB\xBF";
inline constexpr std::string_view UTF16LE_SIGNATURE = "\xFF\xFE";
inline constexpr std::string_view UTF16BE_SIGNATURE = "\xFE\xFF";

// U+FFFD, the mark of an invalid sequence, and its UTF-8 bytes.
inline constexpr char32_t REPLACEMENT_CHAR = 0xFFFD;
inline constexpr std::string_view REPLACEMENT_UTF8 = "\xEF\xBF\xBD";

// Returns the length of the valid UTF-8 sequence at `at`, and its character in
// `c`; 0 when the bytes there are no valid sequence (overlong forms,
// surrogates and characters past U+10FFFF are not). `at` lies inside `text`.
std::size_t utf8_sequence(std::string_view text, std::size_t at, char32_t& c);

// Returns the length of the valid UTF-8 sequence at the front of `text`, or 0
// when it is none (empty text included).
std::size_t utf8_length(std::string_view text);

// Appends the UTF-8 bytes of the character `c` (at most U+10FFFF) to `out`.
void append_utf8(std::string& out, char32_t c);

// What the bytes of a text are as UTF-8.
enum class utf8_shape {
    ascii,    // no byte from 0x80 up: the same in every encoding (empty text too)
    utf8,     // valid UTF-8 with some character beyond ASCII
    invalid,  // some byte sequence is no UTF-8
};

// Returns the shape of `text` as UTF-8.
utf8_shape utf8_shape_of(std::string_view text);

// True when `text` is UTF-8 throughout; empty text is.
bool valid_utf8(std::string_view text);

// The byte order of a UTF-16 text, or none when the text does not look like one.
enum class utf16_order { none, little_endian, big_endian };

// Returns the byte order that the signature at the front of `bytes` names;
// none without one.
utf16_order utf16_signature(std::string_view bytes);

// Returns the byte order of UTF-16 that the first bytes `start` show: by a
// signature, or by zero bytes in most pairs, always on the same side, as Latin
// text has them. Fewer than two pairs show none.
utf16_order utf16_order_of(std::string_view start);

// Returns the character that the code page 1250 byte `b` stands for; 0 for
// the five bytes the code page leaves undefined. (Generated from Unicode's data.)
char32_t cp1250_char(unsigned char b);

// Returns the character that the code page 1252 byte `b` stands for; 0 for
// the five bytes the code page leaves undefined. (Generated, as cp1250_char is.)
char32_t cp1252_char(unsigned char b);

// Returns the plain ASCII spelling of the Latin letter `c` ("l" for 'ł', "ss"
// for 'ß'), " " for a space sign such as the no-break space, and nullptr for
// any other character. (Generated from Unicode's decomposition data.)
const char* plain_spelling(char32_t c);

}  // namespace rowcard
