// rowcard-prep's reading and starter files: RFC 4180 corners, each encoding,
// the cleaning of characters, and the starter card for each known export.
#include <gtest/gtest.h>

#include <string>

#include "prep/prep.hpp"
#include "prep/report.hpp"
#include "made_table.hpp"

namespace rowcard {
namespace {

// Reads `bytes` with everything detected and ';' between the table's columns.
export_result read(std::string_view bytes, export_reading how = {}) { return read_export(bytes, how); }

// ---- fields ----

TEST(PrepFields, QuotesSeparatorsAndLineBreaksInsideQuotes) {
    const export_result r = read(
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
        "\r\n"                 // an empty line is no record
        "\"\"\"\",\"q\"tail,\n"  // a lone doubled quote; text after a closing quote stays
        "last,,");             // no line feed at the end
    EXPECT_EQ(table_text(r), "a;b;c\nx, y;say \"hi\";two lines\n\";qtail;\nlast;;\n");
    EXPECT_EQ(r.records, 3u);
    EXPECT_EQ(r.changes.spaces.lines, std::vector<std::size_t>{2});
    EXPECT_EQ(r.changes.unterminated_quote, 0u);
    // A blank line inside a value is a space for each line break, CR LF or LF alike.
    EXPECT_EQ(table_text(read("h\n\"a\n\nb\"\n\"c\r\n\r\nd\"\n")), "h\na  b\nc  d\n");
}

TEST(PrepFields, UnterminatedQuoteIsReportedAndLosesNothing) {
    const export_result r = read("n,m\n1,2\n\"open,3\n4,5\n6,7\n");
    EXPECT_EQ(r.changes.unterminated_quote, 3u);
    EXPECT_EQ(table_text(r), "n;m\n1;2\n\"open;3\n4;5\n6;7\n");
    EXPECT_EQ(r.records, 4u);
}

TEST(PrepFields, ShortRowsArePaddedAndExtraFieldsDropped) {
    const export_result r = read("a,b,c\n1\n1,2,3,4\n");
    EXPECT_EQ(table_text(r), "a;b;c\n1;;\n1;2;3\n");
    EXPECT_EQ(r.changes.extra_fields.count, 1u);
    EXPECT_EQ(r.changes.extra_fields.lines, std::vector<std::size_t>{3});
}

TEST(PrepFields, ASeparatorABackslashEscapesIsAValuesWhereThatFitsTheHeader) {
    const export_result r = read("id;comment;city\nG1;Stammgast\\; Zimmer 214;Freistadt\nG2;;Linz\nG3;Hund\\; 8 kg;Wels\n");
    EXPECT_EQ(r.changes.extra_fields.count, 0u);
    EXPECT_EQ(value_at(r.rows, 0, 1), "Stammgast; Zimmer 214");
    EXPECT_EQ(value_at(r.rows, 2, 2), "Wels");
    // Where splitting at every separator fits the header, a backslash is a value's own (a folder's path).
    const export_result paths = read("id;path;city\nG1;C:\\dir\\;Linz\nG2;D:\\x\\;Wels\nG3;none;Graz\n");
    EXPECT_EQ(value_at(paths.rows, 0, 1), "C:\\dir\\");
    EXPECT_EQ(value_at(paths.rows, 1, 2), "Wels");
}

TEST(PrepFields, AnOpenQuoteRightBeforeASeparatorEndsItsFieldThere) {
    const export_result r = read("n,m\n\",3\n4,5\n");
    EXPECT_EQ(table_text(r), "n;m\n\";3\n4;5\n");
    EXPECT_EQ(r.changes.unterminated_quote, 2u);
    EXPECT_EQ(r.changes.short_rows.count, 0u);
}

TEST(PrepFields, TheHeaderAndTwentyRecordsTellTheSeparatorAndTenLinesMayBeAPreamble) {
    // Ten records split by ';', then ten by ',': a tie, which ',' wins, as
    // the first of the separators; the twenty-first record is not looked at.
    std::string mixed = "a,b;c\n";
    for (int k = 0; k < 10; ++k) mixed += "1;2\n";
    for (int k = 0; k < 10; ++k) mixed += "3,4\n";
    EXPECT_EQ(read(mixed + "5;6\n").separator, ',');
    // Excel's separator line ends with LF as well as CR LF.
    const export_result named = read("sep=|\na|b,c\n1|2,3\n");
    EXPECT_EQ(named.separator, '|');
    EXPECT_EQ(table_text(named), "a;b,c\n1;2,3\n");
    // Nine lines of notes above the header are a preamble; ten are not.
    std::string notes;
    for (int k = 0; k < 9; ++k) notes += "note\n";
    EXPECT_EQ(read(notes + "\nName,E-mail\nJan,j@x.cz\n").header_line, 11u);
    EXPECT_EQ(read(notes + "note\n\nName,E-mail\nJan,j@x.cz\n").header_line, 1u);
}

TEST(PrepFields, RowsWithMoreOrFewerFieldsThanTheHeaderAreNoted) {
    // Petr's phone and its separator were lost: his e-mail sits in the phone
    // column, and only the report can say so. Empty fields beyond the header
    // (Thunderbird's) and rows that hold nothing are no change.
    const export_result r = read(
        "Name,Phone,E-mail\n"
        "Jan Novak,+420 111,jan@x.cz\n"
        "Petr Kos,petr@x.cz\n"
        "Eva Bila,+420 333,eva@x.cz,x\n"
        "  \n"
        ",,\n"
        "Iva,1,i@x.cz,,\n"
        "Ota\n");
    EXPECT_EQ(table_text(r),
              "Name;Phone;E-mail\nJan Novak;+420 111;jan@x.cz\nPetr Kos;petr@x.cz;\nEva Bila;+420 333;eva@x.cz\n"
              ";;\n;;\nIva;1;i@x.cz\nOta;;\n");
    EXPECT_EQ(r.changes.short_rows.count, 2u);
    EXPECT_EQ(r.changes.short_rows.lines, (std::vector<std::size_t>{3, 8}));
    EXPECT_EQ(r.changes.extra_fields.lines, std::vector<std::size_t>{4});
    EXPECT_TRUE(export_needs_care(r.changes));
    EXPECT_NE(read_report("x.csv", r, make_contact_table(r, ';'))
                  .find("\n  fewer fields than the header's columns, the last ones left empty (a lost separator puts "
                        "the values after it in the wrong columns: check these rows): 2 rows (lines 3, 8)\n"),
              std::string::npos);
    // A header ending in a separator has an empty field that no row need fill.
    const export_result bird = read("a,b,c,\n1,2,3\n1,2\n1,2,3,,\n");
    EXPECT_EQ(bird.changes.short_rows.lines, std::vector<std::size_t>{3});
    EXPECT_EQ(bird.changes.extra_fields.count, 0u);
    // Rows as long as the header need no care.
    const export_result fine = read("a,b\n1,2\n,\n3,\n");
    EXPECT_EQ(fine.changes.short_rows.count, 0u);
    EXPECT_FALSE(export_needs_care(fine.changes));
}

TEST(PrepFields, EachFindingThatNeedsCareIsEnough) {
    EXPECT_FALSE(export_needs_care(export_changes{}));
    export_changes changes;
    changes.spaces.count = 3;
    changes.dropped.count = 2;
    changes.base_letters.count = 1;
    EXPECT_FALSE(export_needs_care(changes));  // cleaning the values loses nothing the user must see to
    for (change_tally export_changes::*kind :
         {&export_changes::invalid, &export_changes::short_rows, &export_changes::extra_fields}) {
        export_changes one;
        (one.*kind).count = 1;
        EXPECT_TRUE(export_needs_care(one));
    }
}

TEST(PrepFields, SeparatorIsDetectedOrNamedOrGiven) {
    // Commas inside the values must not outvote the semicolons that split them.
    EXPECT_EQ(read("Name;Street\nA, B;C, D\nE, F;G\n").separator, ';');
    EXPECT_EQ(read("a\tb|c\n1\t2|3\n").separator, '\t');
    // Excel's first line names the separator and is dropped.
    const export_result named = read("sep=|\r\na|b,c\n1|2,3\n");
    EXPECT_EQ(named.separator, '|');
    EXPECT_EQ(table_text(named), "a;b,c\n1;2,3\n");
    export_reading given;
    given.separator = ',';
    const export_result commas = read("a;b,c\n1;2,3\n", given);
    EXPECT_EQ(commas.header, (std::vector<std::string>{"a;b", "c"}));
    EXPECT_EQ(value_at(commas.rows, 0, 0), "1;2");
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
        EXPECT_EQ(table_text(r), expected);
        EXPECT_EQ(r.changes.invalid.count, 0u);
    }
}

TEST(PrepEncodings, InvalidSequencesAreReportedByLineAndDropped) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const export_result r = read("a\nok\nb\xC3(\n\xFF\n", utf8);
    EXPECT_EQ(table_text(r), "a\nok\nb(\n\n");
    EXPECT_EQ(r.changes.invalid.count, 2u);
    EXPECT_EQ(r.changes.invalid.lines, (std::vector<std::size_t>{3, 4}));
    // Left to itself the same bytes are no UTF-8, so code page 1250.
    EXPECT_EQ(read("a\nb\xC3(\n").encoding, export_encoding::cp1250);
    // A lone surrogate and an odd last byte in UTF-16.
    const export_result wide = read(std::string("\xFF\xFE" "a\0\n\0\x00\xD8" "b\0z", 11));
    EXPECT_EQ(table_text(wide), "a\nb\n");
    EXPECT_EQ(wide.changes.invalid.count, 2u);
}

TEST(PrepEncodings, OverlongFormsSurrogatesAndBeyondUnicodeAreInvalid) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    // '/' in two and in three bytes, the first and last surrogates, a character
    // past U+10FFFF, then a real 'é'.
    const export_result r =
        read("h\n\xC0\xAF\n\xE0\x80\xAF\n\xED\xA0\x80\xED\xBF\xBF\n\xF4\x90\x80\x80\n\xC3\xA9\n", utf8);
    EXPECT_EQ(table_text(r), "h\n\n\n\n\n\xE9\n");
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
        EXPECT_EQ(table_text(r), "Jm\xE9no\n\x8E" "ofie Los\n");
        EXPECT_EQ(r.changes.dropped.count, 0u);  // no U+FEFF left to drop
    }
    // A pair of surrogates is one character, from the first high one on: U+10000.
    const export_result pair = read(std::string("\xFF\xFE" "a\0\x00\xD8\x00\xDC\n\0", 10));
    EXPECT_EQ(table_text(pair), "a\n");
    EXPECT_EQ(pair.changes.invalid.count, 0u);
    EXPECT_EQ(pair.changes.dropped.count, 1u);
    // Without a signature, UTF-16 must be named; its line breaks then count as usual.
    export_reading wide;
    wide.encoding = export_encoding::utf16le;
    const export_result r = read(utf16("a\r\nb\rc\n", false).substr(2) + std::string("\xFF", 1), wide);
    EXPECT_EQ(table_text(r), "a\nb\nc\n\n");  // the odd last byte is a row of its own, made empty
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
    EXPECT_EQ(table_text(german), "Vorname;Nachname\nMichele;M\xFCller\n");
    EXPECT_NE(german.encoding_reason.find("German"), std::string::npos) << german.encoding_reason;
    // One German word tells the language too.
    EXPECT_EQ(read("Postleitzahl;Stadt\n1010;Mich\xE8le\n").encoding, export_encoding::cp1252);
    // French, Italian or Swedish headers too: Jaurès, not Jaurčs.
    const export_result french = read("Nom;Pr\xE9nom;Ville\nJaur\xE8s;Jean;Toulouse\n");
    EXPECT_EQ(french.encoding, export_encoding::cp1252);
    EXPECT_NE(french.encoding_reason.find("western European"), std::string::npos) << french.encoding_reason;
    EXPECT_EQ(read("Nome;Cognome\nNicol\xF2;Ros\xEC\n").encoding, export_encoding::cp1252);
    // English headers over a Spanish address: after a digit, 1252's ordinal signs, not 1250's 'ş'.
    EXPECT_EQ(read("Name;Address\nMaria Lopez;Calle de Cuba 31, 3\xBA 5\xAA\n").encoding, export_encoding::cp1252);
    EXPECT_EQ(read("Name;Address\nAyse Kaya;\xBA\xAA Sokak\n").encoding, export_encoding::cp1250);
    // A byte that is a letter in 1250 alone outweighs German headers: Ł, not £.
    const export_result polish = read("Vorname;Nachname\n\xA3ukasz;Nowak\n");
    EXPECT_EQ(polish.encoding, export_encoding::cp1250);
    EXPECT_EQ(table_text(polish), "Vorname;Nachname\nLukasz;Nowak\n");
    // Czech headers, and bytes that are letters in both: rowcard's own 1250.
    const export_result czech = read("Jm\xE9no;P\xF8\xEDjmen\xED\nJi\xF8\xED;Dvo\xF8\xE1k\n");
    EXPECT_EQ(czech.encoding, export_encoding::cp1250);
    EXPECT_EQ(table_text(czech), "Jm\xE9no;P\xF8\xEDjmen\xED\nJi\xF8\xED;Dvo\xF8\xE1k\n");
    export_reading western;
    western.encoding = export_encoding::cp1252;
    EXPECT_EQ(table_text(read("x\n\xF8\xE8\x8D\n", western)), "x\noe\n");
    // A Russian warehouse's contractors: whole words of bytes beyond ASCII are Cyrillic in code page 1251.
    const export_result russian = read("\xd4\xe0\xec\xe8\xeb\xe8\xff;\xc8\xec\xff;\xd2\xe5\xeb\xe5\xf4\xee\xed\n"
                                       "\xc8\xe2\xe0\xed\xee\xe2;\xcf\xb8\xf2\xf0;+7 495 1\n");
    EXPECT_EQ(russian.encoding, export_encoding::cp1251);
    EXPECT_EQ(table_text(russian), "Familija;Imja;Telefon\nIvanov;Petr;+7 495 1\n");
}

TEST(PrepNames, RussianHeadersAndANameInTwoSpellings) {
    // A help desk's staff, its headers in Russian, each name in Cyrillic and in Latin letters.
    const contact_table t = made("\xD0\x98\xD0\xBC\xD1\x8F \xD0\xB8 \xD1\x84\xD0\xB0\xD0\xBC\xD0\xB8\xD0\xBB\xD0\xB8\xD1\x8F,"
                                 "Email\nAnna Kowalska|Anna Kowalska,a@x.lv\n");
    EXPECT_TRUE(has_line(t.table, "Anna Kowalska;Anna;Kowalska;a@x.lv")) << t.table;
}

TEST(PrepEncodings, StrayBytesInUtf8AreDroppedNotTakenForACodePage) {
    // 200 Czech rows in UTF-8, and one no-break space pasted from code page
    // 1252 on line 102: the names stay whole, the one byte goes and is named.
    std::string czech = "Jm\xC3\xA9no;P\xC5\x99\xC3\xADjmen\xC3\xAD;E-mail\n";
    for (int row = 0; row < 200; ++row) {
        czech += "Ji\xC5\x99\xC3\xAD;Dvo\xC5\x99\xC3\xA1k;" + std::string(row == 100 ? "\xA0" : "") + "j" +
                 std::to_string(row) + "@x.cz\n";
    }
    const export_result r = read(czech);
    EXPECT_EQ(r.encoding, export_encoding::utf8);
    const std::string head = "Jm\xE9no;P\xF8\xEDjmen\xED;E-mail\nJi\xF8\xED;Dvo\xF8\xE1k;j0@x.cz\n";
    EXPECT_EQ(table_text(r).substr(0, head.size()), head);
    EXPECT_NE(table_text(r).find("\nJi\xF8\xED;Dvo\xF8\xE1k;j100@x.cz\n"), std::string::npos);
    EXPECT_EQ(r.changes.invalid.count, 1u);
    EXPECT_EQ(r.changes.invalid.lines, std::vector<std::size_t>{102});
    EXPECT_EQ(r.encoding_reason, "804 characters beyond ASCII are valid UTF-8 against 1 stray byte, which the "
                                 "reading dropped (mend the lines named below)");
    EXPECT_TRUE(export_needs_care(r.changes));
    // German in UTF-8 with René's é written by code page 1252.
    const export_result german =
        read("Vorname;Nachname;Stadt\nJ\xC3\xBCrgen;M\xC3\xBCller;K\xC3\xB6ln\nRen\xE9;Wei\xC3\x9F;D\xC3\xBCsseldorf\n");
    EXPECT_EQ(german.encoding, export_encoding::utf8);
    EXPECT_EQ(table_text(german), "Vorname;Nachname;Stadt\nJ\xFCrgen;M\xFCller;K\xF6ln\nRen;Weiss;D\xFCsseldorf\n");
    EXPECT_EQ(german.changes.invalid.lines, std::vector<std::size_t>{3});
    // Four valid characters beyond ASCII for each stray byte make UTF-8; three are too few.
    const export_result four = read("Name\nJi\xC5\x99\xC3\xAD Dvo\xC5\x99\xC3\xA1k\xA0\n");
    EXPECT_EQ(four.encoding, export_encoding::utf8);
    EXPECT_EQ(table_text(four), "Name\nJi\xF8\xED Dvo\xF8\xE1k\n");
    const export_result three = read("Name\nJi\xC5\x99\xC3\xAD Nov\xC3\xA1k\xA0\n");
    EXPECT_EQ(three.encoding, export_encoding::cp1250);
    EXPECT_NE(three.encoding_reason.find("only 3 byte sequences would be valid UTF-8, against 1 byte that would not "
                                         "(use --encoding utf-8 if letters look garbled)"),
              std::string::npos)
        << three.encoding_reason;
}

TEST(PrepEncodings, CodePagesStayCodePagesThoughSomePairsLookLikeUtf8) {
    // Capitals before Ž, Ż, Ł or a no-break space make valid UTF-8 pairs by
    // chance: KŘÍŽ, RÓŻA ŻÓŁW, ERDŐ KFT.; the other high bytes make none.
    const export_result central = read(
        "Jm\xE9no;P\xF8\xEDjmen\xED;Pozn\xE1mka\nJAN;K\xD8\xCD\x8E;R\xD3\xAF" "A \xAF\xD3\xA3W\n"
        "Lubo\x9A;Dvo\xF8\xE1k;ERD\xD5\xA0KFT.\n\xC9va;Kov\xE1" "cs;Sz\xF5l\xF5 utca\n");
    EXPECT_EQ(central.encoding, export_encoding::cp1250);
    EXPECT_EQ(table_text(central),
              "Jm\xE9no;P\xF8\xEDjmen\xED;Pozn\xE1mka\nJAN;K\xD8\xCD\x8E;R\xD3ZA Z\xD3LW\n"
              "Lubo\x9A;Dvo\xF8\xE1k;ERD\xD5 KFT.\n\xC9va;Kov\xE1" "cs;Sz\xF5l\xF5 utca\n");
    EXPECT_EQ(central.changes.invalid.count, 0u);
    EXPECT_EQ(central.encoding_reason,
              "3 bytes are letters only in code page 1250, 0 only in 1252; only 4 byte sequences would be valid "
              "UTF-8, against 14 bytes that would not (use --encoding utf-8 if letters look garbled)");
    EXPECT_FALSE(export_needs_care(central.changes));
    // German in code page 1252: ß before a closing quote is such a pair.
    const export_result german = read("Vorname;Nachname;Notiz\nJ\xFCrgen;M\xFCller;\x84GRO\xDF\x93\nRen\xE9;Wei\xDF;Caf\xE9\n");
    EXPECT_EQ(german.encoding, export_encoding::cp1252);
    EXPECT_EQ(table_text(german), "Vorname;Nachname;Notiz\nJ\xFCrgen;M\xFCller;GROss\nRen\xE9;Weiss;Caf\xE9\n");
    EXPECT_EQ(german.changes.invalid.count, 0u);
    EXPECT_NE(german.encoding_reason.find("; only 1 byte sequence would be valid UTF-8, against 6 bytes that would not"),
              std::string::npos)
        << german.encoding_reason;
    // Without a German header, a byte that is a letter in 1252 alone (0x83, ƒ) decides.
    const export_result western = read("Bob;\x83x\n");
    EXPECT_EQ(western.encoding, export_encoding::cp1252);
    EXPECT_EQ(table_text(western), "Bob;fx\n");
    EXPECT_EQ(western.encoding_reason, "0 bytes are letters only in code page 1250, 1 only in 1252");
}

TEST(PrepEncodings, InvalidBytesAreNamedOnTheirLinesWhateverTheLineBreaks) {
    // A CR LF is one line break in every encoding, a lone CR one too.
    EXPECT_EQ(read("h\r\na\r\n\x81\n").changes.invalid.lines, std::vector<std::size_t>{3});
    EXPECT_EQ(read("h\r\na\rb\r\n\x81\n").changes.invalid.lines, std::vector<std::size_t>{4});
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    EXPECT_EQ(read("h\r\na\r\n\xFF\n", utf8).changes.invalid.lines, std::vector<std::size_t>{3});
    const export_result wide = read(std::string("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n\0z", 15));
    EXPECT_EQ(table_text(wide), "a\nb\n\n");
    EXPECT_EQ(wide.changes.invalid.lines, std::vector<std::size_t>{3});
    // U+10FFFF, the last character, is a pair of surrogates and no invalid one;
    // rowcard keeps no character past U+FFFF, so it is dropped. A lone low
    // surrogate is invalid.
    const export_result last = read(std::string("\xFF\xFE" "a\0\xFF\xDB\xFF\xDF\n\0", 10));
    EXPECT_EQ(table_text(last), "a\n");
    EXPECT_EQ(last.changes.invalid.count, 0u);
    EXPECT_EQ(last.changes.dropped.count, 1u);
    const export_result low = read(std::string("\xFF\xFE" "a\0\xFF\xDF\n\0", 8));
    EXPECT_EQ(table_text(low), "a\n");
    EXPECT_EQ(low.changes.invalid.lines, std::vector<std::size_t>{1});
}

TEST(PrepEncodings, NothingPastTheExportsLastByteIsRead) {
    // The export may be part of a larger buffer: the byte after it is no part of it.
    const std::string utf8_buffer = "h\n\xC3(\n\x80";
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const export_result mended = read(std::string_view(utf8_buffer).substr(0, utf8_buffer.size() - 1), utf8);
    EXPECT_EQ(mended.changes.invalid.count, 1u);
    EXPECT_EQ(table_text(mended), "h\n(\n");
    const std::string central_buffer = "h\n\x81\n\x81";
    export_reading central;
    central.encoding = export_encoding::cp1250;
    EXPECT_EQ(read(std::string_view(central_buffer).substr(0, central_buffer.size() - 1), central).changes.invalid.count,
              1u);
    // The field reader: an empty last field, and a closing quote as the last byte.
    for (const std::string buffer : {"a,b\n1,\"", "a,b\n1,\"x\"\""}) {
        const std::string_view bytes = std::string_view(buffer).substr(0, buffer.size() - 1);
        const export_result r = read(bytes, utf8);
        EXPECT_EQ(table_text(r), buffer.size() == 7 ? "a;b\n1;\n" : "a;b\n1;x\n") << bytes;
        EXPECT_EQ(r.changes.unterminated_quote, 0u) << bytes;
    }
}

TEST(PrepEncodings, TheFirstThreeLinesTellTheHeadersLanguage) {
    // 'Straße' is spelled STRASSE, a German header: è is 1252's then.
    const export_result german = read("Stra\xDF" "e;E-mail\nRue Mich\xE8le;x@y\n");
    EXPECT_EQ(german.encoding, export_encoding::cp1252);
    EXPECT_EQ(table_text(german), "Strasse;E-mail\nRue Michele;x@y\n");
    // German words on the third line count; on the fourth they are values.
    EXPECT_EQ(read("Jm\xE9no;E-mail\nA;B\nStra\xDF" "e;Vorname\nMich\xE8le;x\n").encoding, export_encoding::cp1252);
    EXPECT_EQ(read("Jm\xE9no;E-mail\nA;B\nC;D\nStra\xDF" "e;Vorname\nMich\xE8le;x\n").encoding, export_encoding::cp1250);
    // The euro sign is a letter in neither code page: dropped, and counted.
    const export_result euro = read("Cena\n5\x80\n");
    EXPECT_EQ(table_text(euro), "Cena\n5\n");
    EXPECT_EQ(euro.changes.dropped.lines, std::vector<std::size_t>{2});
}

TEST(PrepEncodings, FiveLinesOfAChangeAreNamedThenAnEllipsis) {
    // 0x81 is a letter in neither code page; line 3 holds two, named once.
    const export_result six = read("h\n\x81\n\x81\x81\n\x81\n\x81\n\x81\n\x81\n");
    EXPECT_EQ(six.changes.invalid.count, 7u);
    EXPECT_EQ(six.changes.invalid.lines, (std::vector<std::size_t>{2, 3, 4, 5, 6}));
    EXPECT_TRUE(six.changes.invalid.more_lines);
    EXPECT_NE(read_report("x.csv", six, make_contact_table(six, ';'))
                  .find("\n  byte sequences invalid in the encoding, dropped: 7 sequences (lines 2, 3, 4, 5, 6, ...)\n"),
              std::string::npos);
    const export_result five = read("h\n\x81\n\x81\n\x81\n\x81\n\x81\n");
    EXPECT_EQ(five.changes.invalid.lines, (std::vector<std::size_t>{2, 3, 4, 5, 6}));
    EXPECT_FALSE(five.changes.invalid.more_lines);
}

TEST(PrepEncodings, WhatIsPlainlyNoTableIsNamed) {
    EXPECT_EQ(not_a_table("\xEF\xBB\xBF\r\nbegin:vcard\r\nVERSION:3.0\r\n"), "a vCard file, already cards");
    EXPECT_EQ(not_a_table(std::string("PK\x03\x04\x14\0", 6)), "a ZIP archive, such as an Excel workbook (.xlsx) or an .ods sheet");
    EXPECT_EQ(not_a_table("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), "an old Excel workbook (.xls)");
    EXPECT_EQ(not_a_table("  <!doctype html><html>"), "an HTML or XML page");
    EXPECT_EQ(not_a_table("BEGIN:VCARD"), "a vCard file, already cards");
    EXPECT_EQ(not_a_table("BEGIN:VCAR"), "");
    EXPECT_EQ(not_a_table("XEGIN:VCARD\n"), "");  // every letter of the mark counts
    EXPECT_EQ(not_a_table("Name,Notes\nJan,BEGIN:VCARD\n"), "");
    EXPECT_EQ(not_a_table(""), "");
}

// ---- characters ----

TEST(PrepCharacters, LettersFoldSpellOrDrop) {
    const export_result r = read(
        "h\n"
        "\xC5\x82\xC5\x81\xC3\x9F\xC3\xA6\xC3\xB8\xC4\x85\xC4\xBD\xC5\xAE\xC3\x84\n"  // łŁßæøąĽŮÄ
        "\xC3\xA1\xC5\x99\xC3\xBC\n"                                                 // ářü: rowcard folds them
        "A\xF0\x9F\x98\x80 \xE2\x82\xAC" "5\xD7\x90\n"                                 // emoji, €, Hebrew alef
        "\xC2\xA0Jan\xC2\xA0Nov\xC3\xA1k\n"                                           // no-break spaces
        "x;y\x01z\n");
    EXPECT_EQ(table_text(r), "h\nlLssaeoaLUA\n\xE1\xF8\xFC\nA 5\nJan Nov\xE1k\nx;yz\n");
    EXPECT_EQ(r.changes.base_letters.lines, std::vector<std::size_t>{2});
    EXPECT_EQ(r.changes.dropped.lines, (std::vector<std::size_t>{4, 6}));
    EXPECT_EQ(r.changes.spaces.lines, std::vector<std::size_t>{5});
    // The table's separator inside a value is made a space where the table is written.
    const contact_table t = make_contact_table(r, ';');
    EXPECT_TRUE(t.table.ends_with("\nx yz\n")) << t.table;
    EXPECT_EQ(t.separators.lines, std::vector<std::size_t>{6});
}

TEST(PrepCharacters, CyrillicAndGreekAreWrittenInLatinLettersTheCodePageHolds) {
    // Ukrainian, Bulgarian, Serbian and Greek names, whose letters code page 1250 lacks.
    const export_result r = read(
        "h\n"
        "\xD0\xA8\xD0\xB5\xD0\xB2\xD1\x87\xD0\xB5\xD0\xBD\xD0\xBA\xD0\xBE \xD0\x86\xD0\xB2\xD0\xB0\xD0\xBD\n"  // Шевченко Іван
        "\xD0\xA9\xD0\xB5\xD1\x80\xD1\x8E \xD0\x90\xD0\x94\n"                        // Щерю АД
        "\xD0\x88\xD0\xBE\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x8B\xD0\xBE\xD1\x80\xD0\xB8\xD1\x9B \xD1\x9F\xD1\x99\n"  // Јован Ћорић џљ: no 'ć' in what rowcard keeps
        "\xD0\x98\xD0\xB3\xD0\xBE\xD1\x80\xD1\x8C \xCE\x93\xCE\xB9\xCF\x8E\xCF\x81\xCE\xB3\xCE\xBF\xCF\x82\n"  // Игорь Γιώργος
        "Gu\xC3\xB0r\xC3\xBAn \xC3\x9E\xC3\xB3r Ey\xC3\xBE\xC3\xB3r\n"                          // Guðrún Þór Eyþór
        "\xD0\x80 \xD2\x90\xD2\x91 \xD1\xA0\xCF\xBF\n");                                          // the block's ends: Ѐ Ґґ, Ѡ and Ͽ past them
    EXPECT_EQ(table_text(r), "h\n\x8A" "ev\xE8" "enko Ivan\n\x8A" "terju AD\nJovan Coric d\x9Elj\nIgor Giorgos\nGudr\xFAn Th\xF3r Eyth\xF3r\nE Gg\n");
    EXPECT_EQ(r.changes.latin_letters.count, 6u);  // the first five lines are named
    EXPECT_EQ(r.changes.dropped.lines, std::vector<std::size_t>{7});
}

TEST(PrepCharacters, AValueInSquareBracketsIsTheValueInside) {
    // A network scanner's address list writes every value so; brackets inside a value stay.
    const export_result r = read("h;g\n[jan@firma.cz];[]\n[a] [b]; [1] \n");
    EXPECT_EQ(table_text(r), "h;g\njan@firma.cz;\n[a] [b];1\n");
}

TEST(PrepCharacters, ASpreadsheetsFormulaOfTextIsTheTextItGives) {
    // Written so that a number keeps its leading zero; any other formula, or quotes inside, stay as they are.
    const export_result r = read("h\n\"=\"\"0737 550 129\"\"\"\n \"=\"\"680412/1187\"\" \"\n=SUM(A1)\n"
                                 "\"=\"\"a\"\"b\"\"\"\n=\"\n");
    EXPECT_EQ(table_text(r), "h\n0737 550 129\n680412/1187\n=SUM(A1)\n=\"a\"b\"\n=\"\n");
    EXPECT_EQ(r.changes.formulas.lines, (std::vector<std::size_t>{2, 3}));
}

}  // namespace
}  // namespace rowcard
