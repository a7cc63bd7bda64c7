// Reading text eight bytes at a time: a word of bytes, the bytes in it that are
// below a bound or equal to a byte, and where the first of them lies.
#pragma once

#include <bit>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace rowcard {

// A 64-bit word holds eight bytes of text.
using byte_word = std::uint64_t;
inline constexpr std::size_t WORD_BYTES = sizeof(byte_word);
inline constexpr byte_word EACH_BYTE = 0x0101010101010101ULL;
inline constexpr byte_word HIGH_BITS = EACH_BYTE * 0x80;

// Returns the eight bytes at `at`, in the machine's byte order.
inline byte_word load_word(const char* at) {
    byte_word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Returns `word` with the high bit set in each byte below `limit` (at most
// 0x80), and maybe in some bytes after the first one: the borrow of the
// subtraction only spreads upwards from a byte truly below, so the lowest
// marked byte is always exact.
inline constexpr byte_word bytes_below(byte_word word, unsigned char limit) {
    return (word - EACH_BYTE * limit) & ~word & HIGH_BITS;
}

// Returns the marks of the bytes of `word` equal to `b`, exact as in
// `bytes_below` up to the first.
inline constexpr byte_word bytes_equal(byte_word word, unsigned char b) {
    return bytes_below(word ^ EACH_BYTE * b, 1);
}

// Returns the offset in memory of the first byte that `marks` (not zero)
// marks, where the byte order allows it to be read off: bytes in memory order
// are a word's bytes from its lowest up on a little-endian machine. Elsewhere
// returns 0, so that the caller goes on byte by byte from the word's start.
inline constexpr std::size_t first_marked(byte_word marks) {
    if constexpr (std::endian::native == std::endian::little) {
        return static_cast<std::size_t>(std::countr_zero(marks)) / CHAR_BIT;
    }
    return 0;
}

}  // namespace rowcard
