// Speed machinery of `take_record`: a field's end sought a word at a time,
// and a field cleaned eight bytes a step through a table. Together they must
// equal each field split by `split_field`, cut after VALUE_LEN bytes, trimmed,
// folded and filtered (`transliterate`, `filter_chars`); the test
// TakeRecord.AgreesWithTheTextRoutinesOnOddLines in tests/record/record_test.cpp
// proves it. For the record folder alone.
#pragma once

#include <bit>
#include <climits>
#include <cstddef>

#include "text/words.hpp"

namespace rowcard {

// Bytes read as one word when a field's end is sought.
inline constexpr auto FIELD_WORD = static_cast<std::ptrdiff_t>(WORD_BYTES);

// Returns the first `sep` from `at` up to `stop`, or `stop` when there is none
// (an empty range too). `line` is where the line starts: when fewer than eight
// bytes are left but the line holds eight before `stop`, the eight bytes that
// end at `stop` are read as one word, so a last field is not sought byte by byte.
inline const char* find_separator(const char* at, const char* stop, const char* line, char sep) {
    // The tail word below is read off by its lowest bytes, which are the first
    // ones in memory on a little-endian machine only.
    if constexpr (std::endian::native == std::endian::little) {
        const auto byte = static_cast<unsigned char>(sep);
        while (stop - at >= FIELD_WORD) {
            const byte_word hits = bytes_equal(load_word(at), byte);
            if (hits != 0) return at + first_marked(hits);
            at += FIELD_WORD;
        }
        const auto left = static_cast<int>(stop - at);
        if (left != 0 && stop - line >= FIELD_WORD) {
            // The word that ends at `stop`, moved down so that its lowest byte
            // is `at`; the zero bytes moved in at the top are masked off.
            const byte_word word = load_word(stop - FIELD_WORD) >> (CHAR_BIT * (FIELD_WORD - left));
            const byte_word hits = bytes_equal(word, byte) & ((byte_word{1} << (CHAR_BIT * left)) - 1);
            return hits == 0 ? stop : at + first_marked(hits);
        }
    }
    while (at != stop && *at != sep) ++at;
    return at;
}

// Cleans the byte at `b` through `clean` into `out` at `count` and returns the
// count after it: one more, or the same when cleaning drops the byte.
inline std::size_t take_byte(char* out, std::size_t count, const char* b, const char* clean) {
    const char k = clean[static_cast<unsigned char>(*b)];
    out[count] = k;
    return count + (k != '\0');
}

// Returns how many bytes cleaning writes to `out` for the `size` bytes at `at`
// (none when `size` is 0): each byte through the table `clean`, the dropped
// ones leaving no gap. `out` has room for `size` bytes. Eight bytes go per
// step, and the rest through one jump into the same steps.
inline std::size_t clean_run(const char* at, std::size_t size, char* out, const char* clean) {
    std::size_t count = 0;
    for (; size >= sizeof(byte_word); size -= sizeof(byte_word), at += sizeof(byte_word)) {
        count = take_byte(out, count, at, clean);
        count = take_byte(out, count, at + 1, clean);
        count = take_byte(out, count, at + 2, clean);
        count = take_byte(out, count, at + 3, clean);
        count = take_byte(out, count, at + 4, clean);
        count = take_byte(out, count, at + 5, clean);
        count = take_byte(out, count, at + 6, clean);
        count = take_byte(out, count, at + 7, clean);
    }
    const char* const last = at + size;
    switch (size) {
        case 7: count = take_byte(out, count, last - 7, clean); [[fallthrough]];
        case 6: count = take_byte(out, count, last - 6, clean); [[fallthrough]];
        case 5: count = take_byte(out, count, last - 5, clean); [[fallthrough]];
        case 4: count = take_byte(out, count, last - 4, clean); [[fallthrough]];
        case 3: count = take_byte(out, count, last - 3, clean); [[fallthrough]];
        case 2: count = take_byte(out, count, last - 2, clean); [[fallthrough]];
        case 1: count = take_byte(out, count, last - 1, clean); break;
        default: break;
    }
    return count;
}

}  // namespace rowcard
