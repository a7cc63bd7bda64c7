// rowcard-prep's header keys, the language its headers tell, and the layout
// named from them: where Outlook's many placed address parts begin.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prep/layouts.hpp"

namespace rowcard {
namespace {

// Returns `stem` with the number `k` after it.
std::string numbered(std::string_view stem, std::size_t k) {
    std::string out(stem);
    out.append(std::to_string(k));
    return out;
}

// Returns `count` headers that name nothing the card keeps.
std::vector<std::string> filler(std::size_t count) {
    std::vector<std::string> out;
    for (std::size_t k = 1; k <= count; ++k) out.push_back(numbered("Benutzer ", k));
    return out;
}

TEST(PrepLayoutNames, OutlookHasSixPlacedAddressPartsAmongTwentyHeaders) {
    // Six parts of the business address alone, the first column one of them, among 20 headers.
    const std::vector<std::string> parts = {"Postfach geschaftlich", "Strasse geschaftlich", "Ort geschaftlich",
                                            "Region geschaftlich", "Postleitzahl geschaftlich",
                                            "Land geschaftlich"};
    std::vector<std::string> header = parts;
    for (const std::string& h : filler(12)) header.push_back(h);
    header.insert(header.end(), {"Vorname", "Nachname"});
    ASSERT_EQ(header.size(), 20u);
    EXPECT_EQ(recognise_layout(header).name, "Outlook (German)");
    // One header fewer, or one part fewer, is a table.
    std::vector<std::string> fewer_headers = header;
    fewer_headers.erase(fewer_headers.begin() + 6);
    EXPECT_EQ(recognise_layout(fewer_headers).name, "a table with German headers");
    std::vector<std::string> fewer_parts = header;
    fewer_parts[0] = "Benutzer 99";
    EXPECT_EQ(recognise_layout(fewer_parts).name, "a table with German headers");
    // Home parts count as well; headers of no known language name English.
    std::vector<std::string> home = {"Home Street", "Home City", "Home State", "Home Postal Code", "Home Country",
                                     "Home Address PO Box"};
    for (std::size_t k = 1; k <= 14; ++k) home.push_back(numbered("C", k));
    EXPECT_EQ(recognise_layout(home).name, "Outlook (English)");
    std::vector<std::string> unknown = {"Work Adresse", "Work Town", "Work Zip", "Work State", "Work Land",
                                        "Work PO Box"};
    for (std::size_t k = 1; k <= 14; ++k) unknown.push_back(numbered("C", k));
    const layout_guess guess = recognise_layout(unknown);
    EXPECT_EQ(guess.language, export_language::unknown);
    EXPECT_EQ(guess.name, "Outlook (English)");
}

TEST(PrepLayoutNames, AnyOneOfGooglesMarksNamesIt) {
    EXPECT_EQ(recognise_layout({"First Name", "File As"}).name, "Google Contacts");
    EXPECT_EQ(recognise_layout({"E-mail 1 - Label", "E-mail 1 - Value"}).name, "Google Contacts");
    EXPECT_EQ(recognise_layout({"Phone 1 - Label", "Phone 1 - Value"}).name, "Google Contacts");
    EXPECT_EQ(recognise_layout({"Name Prefix", "Organization Name"}).name, "Google Contacts");
    EXPECT_EQ(recognise_layout({"Name", "Organization Name"}).name, "a table with English headers");
}

TEST(PrepLayoutNames, KeysFoldLettersAndKeepHyphensWhenAsked) {
    EXPECT_EQ(header_key("  P\xF8\xEDjmen\xED / ZIP-Code (09) "), "PRIJMENI ZIP CODE 09");
    EXPECT_EQ(header_key("E-Mail-Adresse", true), "E-MAIL-ADRESSE");
    EXPECT_EQ(header_key("a_b.c", true), "A B C");
    EXPECT_EQ(header_key("---"), "");
    EXPECT_EQ(header_key(""), "");
}

TEST(PrepLayoutNames, TheLanguageIsTheOneMostWordsBelongTo) {
    EXPECT_EQ(guess_language({"VORNAME"}), export_language::german);
    EXPECT_EQ(guess_language({"VORNAME", "NACHNAME", "JMENO"}), export_language::german);
    EXPECT_EQ(guess_language({"JMENO", "VORNAME", "NACHNAME"}), export_language::german);
    EXPECT_EQ(guess_language({"VORNAME", "JMENO"}), export_language::unknown);
    EXPECT_EQ(guess_language({"PRIIMEK", "NASLOV", "PREZIME"}), export_language::slovene);
    EXPECT_EQ(guess_language({"CUSTOM 1"}), export_language::unknown);
    EXPECT_EQ(guess_language({}), export_language::unknown);
}

}  // namespace
}  // namespace rowcard
