// Inside rowcard-prep: an export's bytes made UTF-8, in the encoding its
// signature, its bytes and its headers' language point to, and each value cleaned.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "prep/reading.hpp"
#include "text/codecs.hpp"

namespace rowcard {

// Counts one change on `line`, naming the line while few are named.
void note(change_tally& tally, std::size_t line);

// The export as UTF-8, with the encoding it was found or told to be in, and why.
struct decoded_text {
    export_encoding encoding = export_encoding::utf8;
    std::string reason;      // one clause: why this encoding
    std::string converted;   // the text, when it had to be converted
    std::string_view text;   // the text: `converted`, or part of the export's own bytes
};

// Decodes `bytes` in `chosen`, or, when unset, in what its signature says,
// else UTF-8 when it is valid UTF-8 throughout, else code page 1250 or 1252,
// told apart by the bytes where they differ and the headers' language.
// Invalid sequences become U+FFFD and are noted by line in `invalid`.
decoded_text decode(std::string_view bytes, std::optional<export_encoding> chosen, change_tally& invalid);

// The code page 1250 byte of each character that rowcard folds, by character;
// 0 for the rest. Every folded letter lies below U+0180.
inline constexpr char32_t FOLDED_BELOW = 0x180;
struct folded_chart {
    std::array<unsigned char, FOLDED_BELOW> byte{};
};

// Builds the chart from rowcard's own cleaning: a byte from 0x80 up that
// cleaning keeps is one that it folds.
folded_chart make_folded_chart();

// Appends the raw field `raw` to `out`, cleaned: line breaks, tabs and space
// signs as spaces, ASCII as it is (the table's separator is the table's to
// handle when it is written; a ' ::: ' list
// stays whole, for its items to be split into columns), letters rowcard folds
// as their code page 1250 byte, other Latin letters as their base letters;
// everything else dropped. Spaces around the value are trimmed; an empty
// field appends nothing.
void clean_value(std::string_view raw, std::size_t line, const folded_chart& chart,
                 std::string& out, export_changes& changes);

}  // namespace rowcard
