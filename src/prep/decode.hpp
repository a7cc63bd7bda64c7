// Inside rowcard-prep: an export's bytes made UTF-8, in the encoding its
// signature, its bytes and its headers' language point to.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "prep/prep.hpp"

namespace rowcard {

// Counts one change on `line`, naming the line while few are named.
void note(change_tally& tally, std::size_t line);

// Returns the length of the valid UTF-8 sequence at `at`, and its character in
// `c`; 0 when the bytes there are no valid sequence (overlong forms,
// surrogates and characters past U+10FFFF are not). `at` lies inside `text`.
std::size_t utf8_sequence(std::string_view text, std::size_t at, char32_t& c);

// What U+FFFD, the mark of an invalid sequence, is.
inline constexpr char32_t REPLACEMENT_CHAR = 0xFFFD;

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

}  // namespace rowcard
