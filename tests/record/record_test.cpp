// Record values: splitting, folding, trimming, filtering and the verdict on
// mandatory columns.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Returns settings with separator `sep` and one column per name.
conversion_settings columns(char sep, std::initializer_list<const char*> names) {
    conversion_settings settings;
    settings.separator = sep;
    for (const char* name : names) {
        const std::string_view n = name;
        settings.columns.push_back({std::string(n), !n.empty() && n.back() == '%'});
    }
    return settings;
}

TEST(TakeRecord, TypicalLine) {
    const auto settings = columns(';', {"FIRST", "LAST", "PHONE%"});
    record_values values;
    EXPECT_TRUE(take_record("Anna;Nov\xE1kov\xE1;+420 (777) 12-3\n", settings, values));
    EXPECT_EQ(values, (record_values{"Anna", "Novakova", "+420 777 123"}));
}

TEST(TakeRecord, FieldsAndSplitting) {
    record_values values;
    EXPECT_TRUE(take_record("a;;b\n", columns(';', {"A", "B", "C", "D", "E"}), values));
    EXPECT_EQ(values, (record_values{"a", "", "b", "", ""}));
    EXPECT_TRUE(take_record("\"x;y\";z\n", columns(';', {"A", "B", "C"}), values));
    EXPECT_EQ(values, (record_values{"x", "y", "z"}));
    EXPECT_TRUE(take_record("", columns(',', {"A"}), values));
    EXPECT_EQ(values, record_values{""});
    // Regression: a line with no bytes at all, whose data may be null, was
    // searched with memchr, which must not be given a null pointer.
    EXPECT_FALSE(take_record(std::string_view(), columns(',', {"A", "B%"}), values));
    EXPECT_EQ(values, (record_values{"", ""}));
    EXPECT_TRUE(take_record("anything\n", columns(',', {}), values));
    EXPECT_TRUE(values.empty());
}

TEST(TakeRecord, ValuesAreCutBeforeCleaning) {
    const std::string field = std::string(95, 'a') + "-----" + std::string(30, 'b');
    record_values values;
    take_record(field + "\n", columns(',', {"A"}), values);
    EXPECT_EQ(values[0], std::string(95, 'a'));
}

TEST(TakeRecord, OrderOfCleaningShows) {
    record_values values;
    take_record("Smith -,---,j_doe-1.x,a@b.cz,Dvo\xF8\xE1k,Stra\xDF" "e,x\r,  \n",
                columns(',', {"A", "B", "C", "D", "E", "F", "G", "H"}), values);
    EXPECT_EQ(values, (record_values{"Smith ", "", "jdoe1.x", "a@b.cz", "Dvorak", "Strae", "x", ""}));
}

TEST(TakeRecord, MandatoryColumns) {
    const auto settings = columns(';', {"NAME", "TEL%"});
    record_values values;
    EXPECT_TRUE(take_record("Eva;1\n", settings, values));
    EXPECT_FALSE(take_record("Eva;\n", settings, values));
    EXPECT_FALSE(take_record("Eva\n", settings, values));
    EXPECT_FALSE(take_record("Eva; x\n", settings, values));
    EXPECT_FALSE(take_record("Eva;   \n", settings, values));
    EXPECT_FALSE(take_record("Eva;--\n", settings, values));
    EXPECT_TRUE(take_record(";-1\n", settings, values));
    // Every column is still cleaned after a rejection.
    EXPECT_FALSE(take_record("x;;\n", columns(';', {"A%", "B%", "C"}), values));
    EXPECT_EQ(values[0], "x");
}

TEST(Transliterate, FoldsTheTableAndNothingElse) {
    std::string all_folded =
        "\xC1\xC8\xCF\xC9\xCC\xCD\xC5\xD2\xD3\xD6\xD5\xD8\x8A\x8D\xDA\xDC\xDB\xDD\x8E"
        "\xE1\xE4\xE8\xEF\xE9\xEC\xED\xBE\xF2\xF3\xF6\xF4\xF5\xF8\x9A\x9D\xFA\xF9\xFC\xFB\xFD\x9E";
    transliterate(all_folded);
    EXPECT_EQ(all_folded, "ACDEEILNOOORSTUUUYZaacdeeilnoooorstuuuuyz");
    // Upper-case Ä, Ô, Ů, Ľ and lower-case ĺ stay as they are.
    std::string kept = "\xC4\xD4\xD9\xBC\xE5 az";
    transliterate(kept);
    EXPECT_EQ(kept, "\xC4\xD4\xD9\xBC\xE5 az");
}

TEST(FilterChars, KeepsLettersDigitsSpaceAtPlusDot) {
    std::string value = "aZ09 +.-_,;\"'\t\r[]^`{}~!#%&*()/:<=>?\\|\x7F\x80\xFF";
    filter_chars(value);
    EXPECT_EQ(value, "aZ09 +.");
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    filter_chars(all);
    EXPECT_EQ(all, " +-.0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
    all.erase(all.find('@'), 1);
    filter_chars(all);
    EXPECT_EQ(all, " +.0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

// Regression: '-' and '_' were dropped from e-mail addresses too, which made
// each one another, valid-looking address. A value that holds '@' once cut
// keeps them; every other sign still goes, and a value without '@' is as before.
TEST(TakeRecord, AddressesKeepHyphensAndUnderscores) {
    record_values values;
    EXPECT_TRUE(take_record("<Dvo\xF8\xE1k_Nov\xE1>(x)@stavby-brno.cz;j_doe-1.x;a@b_c- ;_@\n",
                            columns(';', {"A", "B", "C", "D"}), values));
    EXPECT_EQ(values, (record_values{"Dvorak_Novax@stavby-brno.cz", "jdoe1.x", "a@b_c-", "_@"}));
    // A lone '-' or '_' is still blank in a mandatory column.
    EXPECT_FALSE(take_record("x;-\n", columns(';', {"A", "B%"}), values));
    EXPECT_FALSE(take_record("x;_\n", columns(';', {"A", "B%"}), values));
    // An '@' beyond the cut after 100 bytes does not count; one at byte 100 does.
    const std::string dashes = std::string(50, '-') + std::string(50, 'a');
    take_record(dashes + "@x\n", columns(',', {"A"}), values);
    EXPECT_EQ(values[0], std::string(50, 'a'));
    take_record(dashes.substr(1) + "@x\n", columns(',', {"A"}), values);
    EXPECT_EQ(values[0], std::string(49, '-') + std::string(50, 'a') + "@");
}

// Takes a record step by step, as plainly as it can be written: each field cut,
// folded, trimmed and filtered in turn. The fast taking must agree with it.
bool taken_step_by_step(std::string_view line, const conversion_settings& settings, record_values& values) {
    values.clear();
    bool accepted = true;
    for (std::size_t p = 0; p < settings.columns.size(); ++p) {
        std::string value(field_at(line, settings.separator, p));
        transliterate(value);
        value = std::string(trim_right(value));
        filter_chars(value);
        if (settings.columns[p].mandatory && (value.empty() || value.front() == ' ')) accepted = false;
        values.push_back(value);
    }
    return accepted;
}

// Takes a record through the public text routines, one field after another:
// split, cut, trimmed, folded and filtered, as plainly as the rule reads.
bool taken_by_text_routines(std::string_view line, const conversion_settings& settings, record_values& values) {
    values.clear();
    bool accepted = true;
    std::string_view rest = line;
    for (const column_spec& column : settings.columns) {
        std::string value(trim_right(copy_left(split_field(rest, settings.separator), VALUE_LEN)));
        transliterate(value);
        filter_chars(value);
        if (column.mandatory && (value.empty() || value.front() == ' ')) accepted = false;
        values.push_back(value);
    }
    return accepted;
}

TEST(TakeRecord, AgreesWithTheTextRoutinesOnOddLines) {
    // Separators of the settings file, kept bytes among them, and bytes no
    // settings file gives but a caller may: space, line feed, an accented
    // letter, a letter and the zero byte.
    static const char SEPARATORS[] = {';', ',', '|', '.', '+', '-', ' ', '\n', '\xE1', 'a', '\0'};
    static const char* const PIECES[] = {"a", "Zq", "7", " ", "   ", "\n", "\r", "-", "_", ".", "@", "+",
                                         "\xE1", "\xC4", "\x8A", "\xF8\xE1", "\xDF", "\t", "\"", "x y", "\x7F"};
    std::mt19937 random(20261209);
    record_values fast;
    record_values slow;
    for (int round = 0; round < 40000; ++round) {
        const char sep = SEPARATORS[random() % std::size(SEPARATORS)];
        std::string line;
        const std::size_t pieces = random() % 30;
        for (std::size_t i = 0; i < pieces; ++i) {
            if (random() % 4 == 0) {
                line += sep;
            } else if (random() % 16 == 0) {
                // A field longer than a value, often with spaces where it is cut.
                line += std::string(VALUE_LEN - 3 + random() % 6, 'b');
                line += std::string(random() % 5, ' ');
            } else {
                line += PIECES[random() % std::size(PIECES)];
            }
        }
        if (random() % 2 == 0) line += '\n';
        conversion_settings settings;
        settings.separator = sep;
        for (std::size_t p = random() % 10; p > 0; --p) settings.columns.push_back({"C", random() % 3 == 0});
        const bool verdict = take_record(line, settings, fast);
        ASSERT_EQ(verdict, taken_by_text_routines(line, settings, slow)) << "round " << round;
        ASSERT_EQ(fast, slow) << "round " << round;
        // Each field on its own, folded before it is trimmed, comes to the same.
        ASSERT_EQ(verdict, taken_step_by_step(line, settings, slow)) << "round " << round;
        ASSERT_EQ(fast, slow) << "round " << round;
    }
}

}  // namespace
}  // namespace rowcard
