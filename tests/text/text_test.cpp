// The string primitives: case, search, cutting, trimming and field splitting.
#include <gtest/gtest.h>

#include <string>

#include "text/text.hpp"

namespace rowcard {
namespace {

TEST(UpperInPlace, AsciiLettersOnly) {
    std::string s = "aZ09 \xE8\xC8\x9a\xff{}`@-_zb";
    upper_in_place(s);
    EXPECT_EQ(s, "AZ09 \xE8\xC8\x9a\xff{}`@-_ZB");
}

TEST(FindText, Matches) {
    EXPECT_EQ(find_text("AAB", "AB", 0), 1);
    EXPECT_EQ(find_text("NNAME", "NAME", 0), 1);
    EXPECT_EQ(find_text("X..CSV", ".CSV", 0), 2);
    EXPECT_EQ(find_text("ABC", "ABC", 0), 0);
    EXPECT_EQ(find_text("ABCABC", "ABC", 1), 3);
    EXPECT_EQ(find_text("AB", "ABC", 0), NOT_FOUND);
    EXPECT_EQ(find_text("ab", "AB", 0), NOT_FOUND);
}

TEST(FindText, EmptySoughtAndStartPastTheEnd) {
    EXPECT_EQ(find_text("ABC", "", 0), NOT_FOUND);
    EXPECT_EQ(find_text("", "", 0), NOT_FOUND);
    EXPECT_EQ(find_text("ABC", "C", 4), NOT_FOUND);
    EXPECT_EQ(find_text("ABC", "C", 3), NOT_FOUND);
}

TEST(Copy, LeftAndFrom) {
    EXPECT_EQ(copy_left("abc", 5), "abc");
    EXPECT_EQ(copy_left("abc", 2), "ab");
    EXPECT_EQ(copy_left("abc", 0), "");
    EXPECT_EQ(copy_from("abcdef", 2, 3), "cde");
    EXPECT_EQ(copy_from("abcdef", 2, std::string::npos), "cdef");
    EXPECT_EQ(copy_from("abc", 3, 1), "");
    EXPECT_EQ(copy_from("abc", 9, 1), "");
}

TEST(TrimRight, SpacesAndLineFeedsOnly) {
    EXPECT_EQ(trim_right("ab \n"), "ab");
    EXPECT_EQ(trim_right("ab\n \n "), "ab");
    EXPECT_EQ(trim_right("ab\t"), "ab\t");
    EXPECT_EQ(trim_right("ab\r"), "ab\r");
    EXPECT_EQ(trim_right("  ab"), "  ab");
    EXPECT_EQ(trim_right(" "), "");
    EXPECT_EQ(trim_right(""), "");
}

TEST(FieldAt, Fields) {
    const std::string line = "a,b,,c\n";
    EXPECT_EQ(field_at(line, ',', 0), "a");
    EXPECT_EQ(field_at(line, ',', 1), "b");
    EXPECT_EQ(field_at(line, ',', 2), "");
    EXPECT_EQ(field_at(line, ',', 3), "c");
    EXPECT_EQ(field_at(line, ',', 4), "");
    EXPECT_EQ(field_at("a,", ',', 1), "");
    EXPECT_EQ(field_at("a,", ',', 2), "");
    EXPECT_EQ(field_at("", ',', 0), "");
    EXPECT_EQ(field_at(" a ,\"b", ',', 0), " a ");
    EXPECT_EQ(field_at(" a ,\"b", ',', 1), "\"b");
}

TEST(FieldAt, ALineFeedEndsTheFieldItStandsIn) {
    EXPECT_EQ(field_at("ab\ncd,e", ',', 0), "ab");
    EXPECT_EQ(field_at("a,b\nc,d", ',', 1), "b");
    EXPECT_EQ(field_at("a,b\nc,d", ',', 2), "d");
    EXPECT_EQ(field_at("Eva\nKral", ' ', 0), "Eva");
}

TEST(FieldAt, Words) {
    EXPECT_EQ(field_at("Eva  Kral", ' ', 0), "Eva");
    EXPECT_EQ(field_at("Eva  Kral", ' ', 1), "");
    EXPECT_EQ(field_at("Eva  Kral", ' ', 2), "Kral");
    EXPECT_EQ(field_at("Eva  Kral", ' ', 3), "");
}

TEST(FieldAt, CutAfterValueLen) {
    const std::string field(150, 'x');
    EXPECT_EQ(field_at(field, ',', 0), field.substr(0, 100));
    EXPECT_EQ(field_at("a," + field + ",b", ',', 1), field.substr(0, 100));
    EXPECT_EQ(field_at("a," + field + ",b", ',', 2), "b");
}

TEST(SplitField, WalksEveryFieldOnce) {
    std::string_view rest = "one;two;;four\n";
    EXPECT_EQ(split_field(rest, ';'), "one");
    EXPECT_EQ(split_field(rest, ';'), "two");
    EXPECT_EQ(split_field(rest, ';'), "");
    EXPECT_EQ(split_field(rest, ';'), "four");
    EXPECT_TRUE(rest.empty());
    EXPECT_EQ(split_field(rest, ';'), "");
}

}  // namespace
}  // namespace rowcard
