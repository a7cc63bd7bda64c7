// rowcard-prep's reading and starter files: RFC 4180 corners, each encoding,
// the cleaning of characters, and the starter card for each known export.
#include <gtest/gtest.h>

#include <string>

#include "prep/prep.hpp"

namespace rowcard {
namespace {

// Reads `bytes` with everything detected and ';' between the table's columns.
export_result read(std::string_view bytes, export_reading how = {}) { return read_export(bytes, how, ';'); }

// ---- fields ----

TEST(PrepFields, QuotesSeparatorsAndLineBreaksInsideQuotes) {
    const export_result r = read(
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
        "\r\n"                 // an empty line is no record
        "\"\"\"\",\"q\"tail,\n"  // a lone doubled quote; text after a closing quote stays
        "last,,");             // no line feed at the end
    EXPECT_EQ(r.table, "a;b;c\nx, y;say \"hi\";two lines\n\";qtail;\nlast;;\n");
    EXPECT_EQ(r.records, 3u);
    EXPECT_EQ(r.changes.spaces.lines, std::vector<std::size_t>{2});
    EXPECT_EQ(r.changes.unterminated_quote, 0u);
}

TEST(PrepFields, UnterminatedQuoteIsReportedAndLosesNothing) {
    const export_result r = read("n,m\n1,2\n\"open,3\n4,5\n6,7\n");
    EXPECT_EQ(r.changes.unterminated_quote, 3u);
    EXPECT_EQ(r.table, "n;m\n1;2\n\"open;3\n4;5\n6;7\n");
    EXPECT_EQ(r.records, 4u);
}

TEST(PrepFields, ShortRowsArePaddedAndExtraFieldsDropped) {
    const export_result r = read("a,b,c\n1\n1,2,3,4\n");
    EXPECT_EQ(r.table, "a;b;c\n1;;\n1;2;3\n");
    EXPECT_EQ(r.changes.extra_fields.count, 1u);
    EXPECT_EQ(r.changes.extra_fields.lines, std::vector<std::size_t>{3});
}

TEST(PrepFields, SeparatorIsDetectedOrNamedOrGiven) {
    // Commas inside the values must not outvote the semicolons that split them.
    EXPECT_EQ(read("Name;Street\nA, B;C, D\nE, F;G\n").separator, ';');
    EXPECT_EQ(read("a\tb|c\n1\t2|3\n").separator, '\t');
    // Excel's first line names the separator and is dropped.
    const export_result named = read("sep=|\r\na|b,c\n1|2,3\n");
    EXPECT_EQ(named.separator, '|');
    EXPECT_EQ(named.table, "a;b,c\n1;2,3\n");
    export_reading given;
    given.separator = ',';
    EXPECT_EQ(read("a;b,c\n1;2,3\n", given).table, "a b;c\n1 2;3\n");
}

// ---- encodings ----

// "Jméno\nŽofie Łoś\n" in each encoding.
constexpr std::string_view UTF8_TEXT = "Jm\xC3\xA9no\n\xC5\xBD" "ofie \xC5\x81o\xC5\x9B\n";
constexpr std::string_view CP1250_TEXT = "Jm\xE9no\n\x8E" "ofie \xA3o\x9C\n";

std::string utf16(std::string_view utf8, bool big) {
    // Every character of the sample lies below U+0800.
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t at = 0; at < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[at]);
        unsigned c = b;
        if (b >= 0xC0) {
            c = (b & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[at + 1]) & 0x3Fu);
            at += 2;
        } else {
            ++at;
        }
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        out += big ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

TEST(PrepEncodings, EachEncodingGivesTheSameTable) {
    // é is a letter rowcard folds: its code page 1250 byte. Ž too; Ł and ś are
    // not, and are written as their base letters.
    const std::string expected = "Jm\xE9no\n\x8E" "ofie Los\n";
    const struct {
        std::string bytes;
        export_encoding encoding;
    } cases[] = {
        {std::string(UTF8_TEXT), export_encoding::utf8},
        {"\xEF\xBB\xBF" + std::string(UTF8_TEXT), export_encoding::utf8_signed},
        {utf16(UTF8_TEXT, false), export_encoding::utf16le},
        {utf16(UTF8_TEXT, true), export_encoding::utf16be},
        {std::string(CP1250_TEXT), export_encoding::cp1250},
    };
    for (const auto& c : cases) {
        const export_result r = read(c.bytes);
        EXPECT_EQ(r.encoding, c.encoding);
        EXPECT_EQ(r.table, expected);
        EXPECT_EQ(r.changes.invalid.count, 0u);
    }
}

TEST(PrepEncodings, InvalidSequencesAreReportedByLineAndDropped) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const export_result r = read("a\nok\nb\xC3(\n\xFF\n", utf8);
    EXPECT_EQ(r.table, "a\nok\nb(\n\n");
    EXPECT_EQ(r.changes.invalid.count, 2u);
    EXPECT_EQ(r.changes.invalid.lines, (std::vector<std::size_t>{3, 4}));
    // Left to itself the same bytes are no UTF-8, so code page 1250.
    EXPECT_EQ(read("a\nb\xC3(\n").encoding, export_encoding::cp1250);
    // A lone surrogate and an odd last byte in UTF-16.
    const export_result wide = read(std::string("\xFF\xFE" "a\0\n\0\x00\xD8" "b\0z", 11));
    EXPECT_EQ(wide.table, "a\nb\n");
    EXPECT_EQ(wide.changes.invalid.count, 2u);
}

// ---- characters ----

TEST(PrepCharacters, LettersFoldSpellOrDrop) {
    const export_result r = read(
        "h\n"
        "\xC5\x82\xC5\x81\xC3\x9F\xC3\xA6\xC3\xB8\xC4\x85\xC4\xBD\xC5\xAE\xC3\x84\n"  // łŁßæøąĽŮÄ
        "\xC3\xA1\xC5\x99\xC3\xBC\n"                                                 // ářü: rowcard folds them
        "A\xF0\x9F\x98\x80 \xE2\x82\xAC" "5\xCE\xB1\n"                                 // emoji, €, Greek alpha
        "Jan\xC2\xA0Nov\xC3\xA1k\n"                                                   // a no-break space
        "x;y\x01z\n");
    EXPECT_EQ(r.table, "h\nlLssaeoaLUA\n\xE1\xF8\xFC\nA 5\nJan Nov\xE1k\nx yz\n");
    EXPECT_EQ(r.changes.base_letters.lines, std::vector<std::size_t>{2});
    EXPECT_EQ(r.changes.dropped.lines, (std::vector<std::size_t>{4, 6}));
    EXPECT_EQ(r.changes.spaces.lines, std::vector<std::size_t>{5});
    EXPECT_EQ(r.changes.separators.lines, std::vector<std::size_t>{6});
}

}  // namespace
}  // namespace rowcard
