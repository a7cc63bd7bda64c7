// Decoding an export: signatures, UTF-8 and UTF-16 checked as they are read,
// and the Windows code pages of Central and Western Europe and of Cyrillic told apart.
#include <algorithm>
#include <iterator>

#include "prep/decode.hpp"
#include "prep/layouts.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"
#include "text/words.hpp"

namespace rowcard {
namespace {

// Lines of each kind of change that the report names; the count covers the rest.
constexpr std::size_t LINES_NAMED = 5;
// Lines at the top of a single-byte export whose words tell its language.
constexpr std::size_t HEADER_LINES = 3;
// How many valid multi-byte sequences each invalid byte must be matched by for
// an export to be UTF-8 with stray bytes: a code page makes a valid sequence
// only by chance (a capital letter before a sign or one of a few letters, as
// 'RÓŻA' does), and then beside far more high bytes that make none.
constexpr std::size_t UTF8_ODDS = 4;

// Percent of an export's bytes beyond ASCII that must stand in runs of
// CYRILLIC_RUN for it to be Cyrillic in code page 1251: a Russian word is all
// such bytes, a Czech or Polish one holds one or two together ('ří') among
// plain letters.
constexpr std::size_t CYRILLIC_SHARE = 60;
constexpr std::size_t CYRILLIC_RUN = 3;
// Bytes beyond ASCII fewer than a few words' letters tell no code page from another.
constexpr std::size_t CYRILLIC_LEAST = 12;

// Code page 1251's characters for the bytes 0x80 to 0xBF: the Cyrillic letters
// of Serbian, Macedonian, Ukrainian and Belarusian, and signs; 0 where it has
// none. From 0xC0 on its letters are А to я in order.
constexpr char16_t CP1251_LOW[] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C,
    0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A,
    0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9,
    0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

// Returns the character of the byte `b` in the single-byte code page `page`; 0 where it has none.
char32_t code_page_char(export_encoding page, unsigned char b) {
    if (b < 0x80) return b;
    if (page == export_encoding::cp1252) return cp1252_char(b);
    if (page != export_encoding::cp1251) return cp1250_char(b);
    return b >= 0xC0 ? U'\u0410' + (b - 0xC0) : CP1251_LOW[b - 0x80];
}

// True when the byte at `at` ends a line: a line feed, or a CR that no line
// feed follows, as the field reader counts them.
bool ends_line(std::string_view text, std::size_t at) {
    return text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'));
}

// Returns `text` as UTF-8 with each invalid sequence replaced by U+FFFD and noted.
std::string mend_utf8(std::string_view text, change_tally& invalid) {
    std::string out;
    out.reserve(text.size());
    std::size_t line = 1;
    char32_t c = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8_sequence(text, at, c);
        if (length == 0) {
            note(invalid, line);
            out.append(REPLACEMENT_UTF8);
            ++at;
            continue;
        }
        line += ends_line(text, at);
        out.append(text, at, length);
        at += length;
    }
    return out;
}

// Returns the single-byte `text` as UTF-8, read as the code page `page`; the undefined bytes are invalid.
std::string from_code_page(std::string_view text, export_encoding page, change_tally& invalid) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t line = 1;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char byte = text[at];
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out.push_back(byte);
            line += ends_line(text, at);
        } else if (const char32_t c = code_page_char(page, b); c != 0) {
            append_utf8(out, c);
        } else {
            note(invalid, line);
            out.append(REPLACEMENT_UTF8);
        }
    }
    return out;
}

// Returns the UTF-16 `text` as UTF-8. A lone surrogate or an odd last byte is invalid.
std::string from_utf16(std::string_view text, bool big_endian, change_tally& invalid) {
    std::string out;
    out.reserve(text.size());
    std::size_t line = 1;
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(text[at]);
        const auto second = static_cast<unsigned char>(text[at + 1]);
        return static_cast<char32_t>(big_endian ? first << 8 | second : second << 8 | first);
    };
    std::size_t at = 0;
    for (; at + 1 < text.size(); at += 2) {
        char32_t c = unit(at);
        if (c >= 0xD800 && c <= 0xDBFF && at + 3 < text.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            note(invalid, line);
            c = REPLACEMENT_CHAR;
        }
        line += c == '\n' || (c == '\r' && (at + 3 >= text.size() || unit(at + 2) != '\n'));
        append_utf8(out, c);
    }
    if (at < text.size()) {
        note(invalid, line);
        out.append(REPLACEMENT_UTF8);
    }
    return out;
}

// True when `c` is a letter: one with a plain ASCII spelling.
bool letter(char32_t c) {
    const char* plain = c == 0 ? nullptr : plain_spelling(c);
    return plain != nullptr && plain[0] != ' ';
}

// Returns the first lines of the UTF-8 `text` as one key of plain upper-case
// words, for telling the headers' language.
std::string header_words(std::string_view text) {
    std::string key;
    std::size_t lines = 0;
    char32_t c = 0;
    for (std::size_t at = 0; at < text.size() && lines < HEADER_LINES;) {
        const std::size_t length = utf8_sequence(text, at, c);
        at += length == 0 ? 1 : length;
        lines += c == '\n';
        const char* plain = c < 0x80 ? nullptr : plain_spelling(c);
        const char ascii = upper_byte(c < 0x80 ? static_cast<char>(c) : plain != nullptr ? plain[0] : ' ');
        const bool word = (ascii >= 'A' && ascii <= 'Z') || (ascii >= '0' && ascii <= '9');
        if (word) {
            key.push_back(ascii);
            if (plain != nullptr && plain[0] != '\0' && plain[1] != '\0') key.push_back(upper_byte(plain[1]));
        } else if (!key.empty() && key.back() != ' ') {
            key.push_back(' ');
        }
    }
    return key;
}

// Code page 1252's ordinal indicators º and ª, which are 'ş' and 'Ş' in 1250.
constexpr unsigned char ORDINAL_MASCULINE = 0xBA;
constexpr unsigned char ORDINAL_FEMININE = 0xAA;

// The languages whose exports are written in code page 1252 where not in UTF-8.
constexpr export_language WESTERN_LANGUAGES[] = {export_language::german, export_language::western, export_language::nordic};

// Returns whether the single-byte `bytes` are code page 1252 rather than 1250,
// and says why in `reason`: the bytes that are letters in one code page only
// decide; failing them, German headers point to 1252, and otherwise rowcard's
// own 1250 stands.
bool western_code_page(std::string_view bytes, std::string& reason) {
    std::size_t only_central = 0;
    std::size_t only_western = 0;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const auto b = static_cast<unsigned char>(bytes[k]);
        if (b < 0x80) continue;
        // After a digit, 1252's ordinal signs ('3º', '5ª'), not 1250's 'ş' and 'Ş'.
        const bool ordinal = (b == ORDINAL_MASCULINE || b == ORDINAL_FEMININE) && k > 0 && bytes[k - 1] >= '0' && bytes[k - 1] <= '9';
        const bool central = letter(cp1250_char(b)) && !ordinal;
        const bool western = letter(cp1252_char(b)) || ordinal;
        only_central += central && !western;
        only_western += western && !central;
    }
    change_tally ignored;
    const std::string first_lines =
        from_code_page(bytes.substr(0, std::min(bytes.size(), READ_BLOCK)), export_encoding::cp1250, ignored);
    const export_language language = guess_language({header_words(first_lines)});
    const std::string counts = std::to_string(only_central) + " bytes are letters only in code page 1250, " +
                               std::to_string(only_western) + " only in 1252";
    if (only_central != only_western) {
        reason = counts;
        return only_western > only_central;
    }
    if (std::find(std::begin(WESTERN_LANGUAGES), std::end(WESTERN_LANGUAGES), language) != std::end(WESTERN_LANGUAGES)) {
        reason = "the headers are " + std::string(language_name(language)) + ", and " + counts;
        return true;
    }
    reason = "rowcard's own code page; " + counts + " (use --encoding cp1252 if accents look wrong)";
    return false;
}

// True when most bytes of `bytes` beyond ASCII stand in runs of three or
// more, as the letters of Cyrillic words in code page 1251 do; a text of fewer
// than CYRILLIC_LEAST such bytes (and empty input) is none.
bool cyrillic_code_page(std::string_view bytes) {
    std::size_t beyond = 0;
    std::size_t in_runs = 0;
    std::size_t run = 0;
    for (std::size_t k = 0; k <= bytes.size(); ++k) {
        if (k < bytes.size() && static_cast<unsigned char>(bytes[k]) >= 0x80) {
            ++beyond, ++run;
            continue;
        }
        if (run >= CYRILLIC_RUN) in_runs += run;
        run = 0;
    }
    return beyond >= CYRILLIC_LEAST && in_runs * 100 >= CYRILLIC_SHARE * beyond;
}

// What the bytes of an export that is no valid UTF-8 throughout say for UTF-8.
struct utf8_weight {
    std::size_t sequences = 0;  // valid sequences of two to four bytes
    std::size_t invalid = 0;    // bytes that begin no valid sequence
};

// Returns the valid multi-byte sequences and the invalid bytes of `bytes`,
// each invalid byte counted alone, as mend_utf8 replaces them. Empty gives none.
utf8_weight weigh_utf8(std::string_view bytes) {
    utf8_weight weight;
    char32_t c = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8_sequence(bytes, at, c);
        weight.sequences += length > 1;
        weight.invalid += length == 0;
        at += length == 0 ? 1 : length;
    }
    return weight;
}

// Returns `count` and `noun`, the noun in the plural unless the count is 1.
std::string counted(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

}  // namespace

void note(change_tally& tally, std::size_t line) {
    ++tally.count;
    if (!tally.lines.empty() && tally.lines.back() == line) return;
    if (tally.lines.size() < LINES_NAMED) {
        tally.lines.push_back(line);
    } else {
        tally.more_lines = true;
    }
}

decoded_text decode(std::string_view bytes, std::optional<export_encoding> chosen, change_tally& invalid) {
    decoded_text out;
    std::optional<bool> valid;  // whether the bytes are valid UTF-8 as they stand, once known
    if (chosen) {
        out.reason = "as --encoding says";
    } else if (bytes.starts_with(UTF8_SIGNATURE)) {
        chosen = export_encoding::utf8_signed;
        out.reason = "its signature says so";
    } else if (const utf16_order order = utf16_signature(bytes); order != utf16_order::none) {
        chosen = order == utf16_order::little_endian ? export_encoding::utf16le : export_encoding::utf16be;
        out.reason = "its signature says so";
    } else if (valid_utf8(bytes)) {
        chosen = export_encoding::utf8;
        out.reason = "every byte sequence is valid UTF-8";
        valid = true;
    } else if (const utf8_weight weight = weigh_utf8(bytes); weight.sequences >= UTF8_ODDS * weight.invalid) {
        chosen = export_encoding::utf8;
        out.reason = counted(weight.sequences, "character") + " beyond ASCII are valid UTF-8 against " +
                     counted(weight.invalid, "stray byte") + ", which the reading dropped (mend the lines named below)";
        valid = false;
    } else if (cyrillic_code_page(bytes)) {
        chosen = export_encoding::cp1251;
        out.reason = "most bytes beyond ASCII stand in runs, as the letters of Cyrillic words do in code page 1251";
    } else {
        chosen = western_code_page(bytes, out.reason) ? export_encoding::cp1252 : export_encoding::cp1250;
        if (weight.sequences > 0) {
            out.reason += "; only " + counted(weight.sequences, "byte sequence") + " would be valid UTF-8, against " +
                          counted(weight.invalid, "byte") + " that would not (use --encoding utf-8 if letters look garbled)";
        }
    }
    out.encoding = *chosen;
    switch (*chosen) {
    case export_encoding::utf8:
    case export_encoding::utf8_signed:
        if (bytes.starts_with(UTF8_SIGNATURE)) {
            bytes.remove_prefix(UTF8_SIGNATURE.size());
            out.encoding = export_encoding::utf8_signed;
        }
        if (valid ? *valid : valid_utf8(bytes)) {
            out.text = bytes;
            return out;
        }
        out.converted = mend_utf8(bytes, invalid);
        break;
    case export_encoding::utf16le:
    case export_encoding::utf16be: {
        const bool big = *chosen == export_encoding::utf16be;
        const std::string_view signature = big ? UTF16BE_SIGNATURE : UTF16LE_SIGNATURE;
        if (bytes.starts_with(signature)) bytes.remove_prefix(signature.size());
        out.converted = from_utf16(bytes, big, invalid);
        break;
    }
    case export_encoding::cp1250:
    case export_encoding::cp1252:
    case export_encoding::cp1251:
        out.converted = from_code_page(bytes, *chosen, invalid);
        break;
    }
    out.text = out.converted;
    return out;
}

std::string not_a_table(std::string_view bytes) {
    const auto starts = [&](std::string_view mark) {
        std::string_view b = bytes;
        if (b.starts_with(UTF8_SIGNATURE)) b.remove_prefix(UTF8_SIGNATURE.size());
        while (!b.empty() && (b.front() == ' ' || b.front() == '\r' || b.front() == '\n' || b.front() == '\t')) b.remove_prefix(1);
        if (b.size() < mark.size()) return false;
        for (std::size_t k = 0; k < mark.size(); ++k) {
            if (upper_byte(b[k]) != upper_byte(mark[k])) return false;
        }
        return true;
    };
    if (starts("BEGIN:VCARD")) return "a vCard file, already cards";
    if (bytes.starts_with("PK\x03\x04")) return "a ZIP archive, such as an Excel workbook (.xlsx) or an .ods sheet";
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return "an old Excel workbook (.xls)";
    if (starts("<!DOCTYPE HTML") || starts("<HTML") || starts("<?XML")) return "an HTML or XML page";
    if (bytes.starts_with("%PDF")) return "a PDF document";
    return "";
}

}  // namespace rowcard
