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
    // A blank line inside a value is a space for each line break, CR LF or LF alike.
    EXPECT_EQ(read("h\n\"a\n\nb\"\n\"c\r\n\r\nd\"\n").table, "h\na  b\nc  d\n");
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

TEST(PrepEncodings, OverlongFormsSurrogatesAndBeyondUnicodeAreInvalid) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    // '/' in two and in three bytes, the first and last surrogates, a character
    // past U+10FFFF, then a real 'é'.
    const export_result r =
        read("h\n\xC0\xAF\n\xE0\x80\xAF\n\xED\xA0\x80\xED\xBF\xBF\n\xF4\x90\x80\x80\n\xC3\xA9\n", utf8);
    EXPECT_EQ(r.table, "h\n\n\n\n\n\xE9\n");
    EXPECT_EQ(r.changes.invalid.count, 15u);
    EXPECT_EQ(r.changes.invalid.lines, (std::vector<std::size_t>{2, 3, 4, 5}));
    // Left to itself, the same bytes are no UTF-8; the highest two-, three- and
    // four-byte characters are.
    EXPECT_EQ(read("h\n\xED\xA0\x80\n").encoding, export_encoding::cp1250);
    const export_result edges = read("h\n\xDF\xBF\xEF\xBF\xBC\xF4\x8F\xBF\xBF\n");
    EXPECT_EQ(edges.encoding, export_encoding::utf8);
    EXPECT_EQ(edges.changes.invalid.count, 0u);
}

TEST(PrepEncodings, SignaturesAreDroppedEvenWhenTheEncodingIsGiven) {
    for (const export_encoding e : {export_encoding::utf16le, export_encoding::utf16be, export_encoding::utf8}) {
        export_reading given;
        given.encoding = e;
        const std::string bytes = e == export_encoding::utf8 ? "\xEF\xBB\xBF" + std::string(UTF8_TEXT)
                                                               : utf16(UTF8_TEXT, e == export_encoding::utf16be);
        const export_result r = read(bytes, given);
        EXPECT_EQ(r.table, "Jm\xE9no\n\x8E" "ofie Los\n");
        EXPECT_EQ(r.changes.dropped.count, 0u);  // no U+FEFF left to drop
    }
    // A pair of surrogates is one character, from the first high one on: U+10000.
    const export_result pair = read(std::string("\xFF\xFE" "a\0\x00\xD8\x00\xDC\n\0", 10));
    EXPECT_EQ(pair.table, "a\n");
    EXPECT_EQ(pair.changes.invalid.count, 0u);
    EXPECT_EQ(pair.changes.dropped.count, 1u);
    // Without a signature, UTF-16 must be named; its line breaks then count as usual.
    export_reading wide;
    wide.encoding = export_encoding::utf16le;
    const export_result r = read(utf16("a\r\nb\rc\n", false).substr(2) + std::string("\xFF", 1), wide);
    EXPECT_EQ(r.table, "a\nb\nc\n\n");  // the odd last byte is a row of its own, made empty
    EXPECT_EQ(r.changes.invalid.lines, std::vector<std::size_t>{4});
}

TEST(PrepEncodings, LineNumbersCountCrLfOnceInsideQuotesAndOut) {
    const export_result r = read(
        "h1,h2\r\n"
        "\"a\r\nb\",x\r\n"  // lines 2 and 3
        "\"c\rd\",y\r\n"     // lines 4 and 5: a lone CR breaks a line too
        "z\tw,v\r\n");        // line 6
    EXPECT_EQ(r.changes.spaces.lines, (std::vector<std::size_t>{2, 4, 6}));
    // The decoder names the same lines: an invalid byte after a lone CR and a CR LF.
    const export_result code_page = read("h\ra\r\n\x81\n");
    EXPECT_EQ(code_page.changes.invalid.lines, std::vector<std::size_t>{3});
}

TEST(PrepEncodings, CodePage1252ToldFrom1250ByBytesAndHeaders) {
    // German headers: è is 1252's; in 1250 the same byte would be č.
    const export_result german = read("Vorname;Nachname\nMich\xE8le;M\xFCller\n");
    EXPECT_EQ(german.encoding, export_encoding::cp1252);
    EXPECT_EQ(german.table, "Vorname;Nachname\nMichele;M\xFCller\n");
    EXPECT_NE(german.encoding_reason.find("German"), std::string::npos) << german.encoding_reason;
    // One German word tells the language too.
    EXPECT_EQ(read("Postleitzahl;Stadt\n1010;Mich\xE8le\n").encoding, export_encoding::cp1252);
    // A byte that is a letter in 1250 alone outweighs German headers: Ł, not £.
    const export_result polish = read("Vorname;Nachname\n\xA3ukasz;Nowak\n");
    EXPECT_EQ(polish.encoding, export_encoding::cp1250);
    EXPECT_EQ(polish.table, "Vorname;Nachname\nLukasz;Nowak\n");
    // Czech headers, and bytes that are letters in both: rowcard's own 1250.
    const export_result czech = read("Jm\xE9no;P\xF8\xEDjmen\xED\nJi\xF8\xED;Dvo\xF8\xE1k\n");
    EXPECT_EQ(czech.encoding, export_encoding::cp1250);
    EXPECT_EQ(czech.table, "Jm\xE9no;P\xF8\xEDjmen\xED\nJi\xF8\xED;Dvo\xF8\xE1k\n");
    export_reading western;
    western.encoding = export_encoding::cp1252;
    EXPECT_EQ(read("x\n\xF8\xE8\x8D\n", western).table, "x\noe\n");
}

TEST(PrepEncodings, WhatIsPlainlyNoTableIsNamed) {
    EXPECT_EQ(not_a_table("\xEF\xBB\xBF\r\nbegin:vcard\r\nVERSION:3.0\r\n"), "a vCard file, already cards");
    EXPECT_EQ(not_a_table(std::string("PK\x03\x04\x14\0", 6)), "a ZIP archive, such as an Excel workbook (.xlsx) or an .ods sheet");
    EXPECT_EQ(not_a_table("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), "an old Excel workbook (.xls)");
    EXPECT_EQ(not_a_table("  <!doctype html><html>"), "an HTML or XML page");
    EXPECT_EQ(not_a_table("BEGIN:VCARD"), "a vCard file, already cards");
    EXPECT_EQ(not_a_table("BEGIN:VCAR"), "");
    EXPECT_EQ(not_a_table("Name,Notes\nJan,BEGIN:VCARD\n"), "");
    EXPECT_EQ(not_a_table(""), "");
}

// ---- characters ----

TEST(PrepCharacters, LettersFoldSpellOrDrop) {
    const export_result r = read(
        "h\n"
        "\xC5\x82\xC5\x81\xC3\x9F\xC3\xA6\xC3\xB8\xC4\x85\xC4\xBD\xC5\xAE\xC3\x84\n"  // łŁßæøąĽŮÄ
        "\xC3\xA1\xC5\x99\xC3\xBC\n"                                                 // ářü: rowcard folds them
        "A\xF0\x9F\x98\x80 \xE2\x82\xAC" "5\xCE\xB1\n"                                 // emoji, €, Greek alpha
        "\xC2\xA0Jan\xC2\xA0Nov\xC3\xA1k\n"                                           // no-break spaces
        "x;y\x01z\n");
    EXPECT_EQ(r.table, "h\nlLssaeoaLUA\n\xE1\xF8\xFC\nA 5\nJan Nov\xE1k\nx yz\n");
    EXPECT_EQ(r.changes.base_letters.lines, std::vector<std::size_t>{2});
    EXPECT_EQ(r.changes.dropped.lines, (std::vector<std::size_t>{4, 6}));
    EXPECT_EQ(r.changes.spaces.lines, std::vector<std::size_t>{5});
    EXPECT_EQ(r.changes.separators.lines, std::vector<std::size_t>{6});
}

}  // namespace
}  // namespace rowcard
