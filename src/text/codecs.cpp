// UTF-8 read, checked and written, and UTF-16 told from its first bytes; the
// code page charts are generated into letters.cpp.
#include "text/codecs.hpp"

#include "text/words.hpp"

namespace rowcard {
namespace {

// Leading bytes looked at for the zero bytes of UTF-16: plenty for a pattern,
// and they always lie in the first block a reader takes.
constexpr std::size_t UTF16_SAMPLE = 4096;
// Pairs needed before zero bytes show a pattern rather than chance.
constexpr std::size_t UTF16_LEAST_PAIRS = 2;
// Latin text in UTF-16 has a zero on one side of at least one pair in two...
constexpr std::size_t ZERO_SIDE_SHARE = 2;
// ... and on the other side of fewer than one pair in eight (a U+xx00 letter is rare).
constexpr std::size_t OTHER_SIDE_SHARE = 8;

// The bits of a continuation byte's value, and the marks of each kind of byte.
constexpr char32_t CONTINUATION_BITS = 0x3F;
constexpr unsigned char CONTINUATION_MARK = 0x80;
constexpr unsigned char CONTINUATION_MASK = 0xC0;
// The highest character there is, and the surrogates, which are none.
constexpr char32_t LAST_CHAR = 0x10FFFF;
constexpr char32_t FIRST_SURROGATE = 0xD800;
constexpr char32_t LAST_SURROGATE = 0xDFFF;

}  // namespace

std::size_t utf8_sequence(std::string_view text, std::size_t at, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & CONTINUATION_MASK) != CONTINUATION_MARK) return 0;
        c = (c << 6) | (byte(k) & CONTINUATION_BITS);
    }
    if (c < least || c > LAST_CHAR || (c >= FIRST_SURROGATE && c <= LAST_SURROGATE)) return 0;
    return length;
}

std::size_t utf8_length(std::string_view text) {
    char32_t c = 0;
    return text.empty() ? 0 : utf8_sequence(text, 0, c);
}

void append_utf8(std::string& out, char32_t c) {
    const auto continuation = [](char32_t bits) { return static_cast<char>(CONTINUATION_MARK | (bits & CONTINUATION_BITS)); };
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(continuation(c));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(continuation(c >> 6));
        out.push_back(continuation(c));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(continuation(c >> 12));
        out.push_back(continuation(c >> 6));
        out.push_back(continuation(c));
    }
}

utf8_shape utf8_shape_of(std::string_view text) {
    utf8_shape shape = utf8_shape::ascii;
    std::size_t at = 0;
    char32_t c = 0;
    while (at < text.size()) {
        // Speed only: a word of ASCII bytes is eight one-byte sequences, which
        // the loop below would pass one by one (the encoding tests prove them equal).
        if (text.size() - at >= WORD_BYTES && (load_word(text.data() + at) & HIGH_BITS) == 0) {
            at += WORD_BYTES;
            continue;
        }
        const std::size_t length = utf8_sequence(text, at, c);
        if (length == 0) return utf8_shape::invalid;
        if (length > 1) shape = utf8_shape::utf8;
        at += length;
    }
    return shape;
}

bool valid_utf8(std::string_view text) { return utf8_shape_of(text) != utf8_shape::invalid; }

utf16_order utf16_signature(std::string_view bytes) {
    if (bytes.starts_with(UTF16LE_SIGNATURE)) return utf16_order::little_endian;
    if (bytes.starts_with(UTF16BE_SIGNATURE)) return utf16_order::big_endian;
    return utf16_order::none;
}

utf16_order utf16_order_of(std::string_view start) {
    if (const utf16_order signed_order = utf16_signature(start); signed_order != utf16_order::none) return signed_order;
    start = start.substr(0, UTF16_SAMPLE);
    const std::size_t pairs = start.size() / 2;
    std::size_t even_zeros = 0;
    std::size_t odd_zeros = 0;
    for (std::size_t i = 0; i + 1 < start.size(); i += 2) {
        even_zeros += start[i] == '\0';
        odd_zeros += start[i + 1] == '\0';
    }
    if (pairs < UTF16_LEAST_PAIRS) return utf16_order::none;
    if (odd_zeros * ZERO_SIDE_SHARE >= pairs && even_zeros * OTHER_SIDE_SHARE < pairs) return utf16_order::little_endian;
    if (even_zeros * ZERO_SIDE_SHARE >= pairs && odd_zeros * OTHER_SIDE_SHARE < pairs) return utf16_order::big_endian;
    return utf16_order::none;
}

}  // namespace rowcard
