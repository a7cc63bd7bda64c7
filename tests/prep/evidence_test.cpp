// What rowcard-prep reads from an export's values: each shape beside the
// near-misses of the others, items and a postal code with its town in one cell,
// and whole columns as exports fill them. Values are as the reader cleans them:
// accented letters are code page 1250 bytes ("K\xF6ln" is Köln).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "prep/evidence.hpp"
#include "prep/postal.hpp"
#include "prep/numbers.hpp"

namespace rowcard {
namespace {

struct shape_case {
    const char* value;
    value_shape shape;
};

// The shapes' names, for the messages of failed cases.
const char* name_of(value_shape shape) {
    static const char* const names[] = {"empty", "email",  "phone",     "postal_code", "postal_city",
                                        "date",  "flag",   "count",     "id",          "url",
                                        "exponent_number", "honorific", "word", "words", "text"};
    static_assert(std::size(names) == SHAPE_COUNT);
    return names[static_cast<std::size_t>(shape)];
}

// Checks every case of `cases` and names the value of each that fails.
void expect_shapes(const std::vector<shape_case>& cases) {
    for (const shape_case& c : cases) {
        EXPECT_STREQ(name_of(shape_of(c.value)), name_of(c.shape)) << '"' << c.value << '"';
    }
}

using vs = value_shape;

TEST(EvidenceShapes, EmailsAreOneAddressAlone) {
    expect_shapes({
        {"jan.novak@firma.cz", vs::email},
        {"o'b_c@x-y.cz", vs::email},
        {"  jan@firma.cz ", vs::email},
        {"Zvolen", vs::word},                       // a mailing town is no address
        {"false", vs::flag},                        // an opt-out flag is none
        {"0", vs::count},                           // a message count is none
        {"jan@firma", vs::text},                    // no domain's dot
        {"jan@firma.c", vs::text},                  // a one-letter ending
        {"jan@.cz", vs::text},
        {"jan@firma..cz", vs::text},
        {"@firma.cz", vs::text},
        {"jan@@firma.cz", vs::text},
        {"Jan Novak <jan@firma.cz>", vs::email},    // a display name with the address: the address
        {"mailto:jan@firma.cz", vs::email},         // a link to it
        {"Jan Novak <jan@firma>", vs::text},
        {"Jan <jan@firma.czz", vs::text},           // no closing sign
        {"jan@firma.cz, eva@firma.cz", vs::text},   // a list
        {"jan@firma.c1", vs::text},
    });
}

TEST(EvidenceShapes, PhonesHaveSixToFifteenDigitsInAPhonesSigns) {
    expect_shapes({
        {"+420 777 123 456", vs::phone},
        {"777123456", vs::phone},
        {"(0)221 123 45-6", vs::phone},
        {"+36 1 234 5678", vs::phone},
        {"0049 221 1234567", vs::phone},
        {"+385 1 4567 890", vs::phone},
        {"+40 21 312 4567", vs::phone},
        {"0221/1234567", vs::phone},
        {"777.123.456", vs::phone},
        {"(+420) 777 123 456", vs::phone},
        {"123 456", vs::phone},                      // six digits with a space
        {"1234567", vs::phone},                      // seven bare digits
        {"123456789012345", vs::phone},              // fifteen
        {"+420 221 123 456 kl. 25", vs::phone},      // an extension
        {"0221 123456 ext 12", vs::phone},
        {"0221 123456 Durchwahl 123456", vs::phone},
        {"602 00", vs::postal_code},                 // near-misses: a postal code
        {"1985", vs::date},                          // a year
        {"3", vs::count},                            // a count
        {"12.04.1985", vs::date},                    // a date
        {"1234567890123456", vs::id},                // sixteen digits: an id
        {"12 345", vs::text},                        // five digits
        {"4,20604E+11", vs::exponent_number},        // a damaged number
        {"777 123 456-", vs::text},                  // a sign at its end
        {"777+123456", vs::text},                    // a '+' inside
        {"(+420 777 123 456", vs::phone},
        {"777 123 456 ext 1234567", vs::text},       // no extension is that long
        {"777 123 456 kl25", vs::phone},
        {"777 123 456 room 25", vs::text},
        {"1511/23", vs::text},                       // a house number
        {"1511/2345", vs::phone},
        {"112/2021", vs::text},                      // a register's number of its year
        {"0221/2021999", vs::phone},
        {"777 123 456 (mobil)", vs::text},
        {"kl. 25", vs::text},                        // an extension without its number
        {"777 123 456 / 602 111 222", vs::text},     // two phones: a list
    });
}

TEST(EvidenceShapes, PostalCodesOfCentralEurope) {
    expect_shapes({
        {"602 00", vs::postal_code},     {"60200", vs::postal_code},    {"811 01", vs::postal_code},
        {"00-950", vs::postal_code},     {"1051", vs::postal_code},     {"D-50678", vs::postal_code},
        {"SK-811 01", vs::postal_code},  {"10000", vs::postal_code},    {"1000", vs::postal_code},
        {"010011", vs::postal_code},     {"PL-00-950", vs::postal_code}, {"SLO-1000", vs::postal_code}, {"A-1010", vs::postal_code}, {"AT-1010", vs::postal_code},
        {"2000", vs::postal_code},       // Maribor: no year
        {"2099", vs::postal_code},       {"1899", vs::postal_code},
        {"C-10023", vs::id},             // no country's mark
        {"d-50678", vs::id},             // a mark is written in capitals
        {"D-506", vs::id},
        {"602 0", vs::text},  {"00-95", vs::text},  {"6020 0", vs::text},            {"60 200", vs::text},          {"00-9500", vs::phone},
        {"000-95", vs::text},            {"602-00", vs::text},          {"602 000", vs::phone},
        {"1234567", vs::phone},
    });
}

TEST(EvidenceShapes, DatesWithOrWithoutTheirTime) {
    expect_shapes({
        {"1985-04-12", vs::date},           {"12.4.1985", vs::date},          {"12. 4. 1985", vs::date},
        {"12/04/1985", vs::date},           {"4/12/1985", vs::date},          {"2024-01-31T10:00:00", vs::date},
        {"1985. 04. 12.", vs::date},        {"12.04.85", vs::date},           {"31-12-1999", vs::date},
        {"--04-12", vs::date},              {"1985/4/12", vs::date},
        {"12.4.1985 0:00:00", vs::date},    {"4/12/1985 12:00:00 AM", vs::date},
        {"2024-01-31 10:00", vs::date},     {"2024-01-31T10:00:00Z", vs::date},
        {"2024-01-31T10:00:00.5+01:00", vs::date}, {"2024-01-31T10:00:00+0100", vs::date},
        {"1.1.2000", vs::date},             {"4/13/1985", vs::date},          {"13/4/1985", vs::date},
        {"1900", vs::date},                 {"1999", vs::date},               // a year alone
        {"45292", vs::postal_code},         // a spreadsheet's day number reads as a code
        {"1985-123-45", vs::phone},         {"12..1985", vs::phone},          // no date's layout
        {"13.13.1985", vs::text},           {"32.1.1985", vs::text},          {"0.1.1985", vs::text},
        {"12.0.1985", vs::text},            {"1985-13-01", vs::text},         {"1985-04-32", vs::text},
        {"1985-00-12", vs::text},           {"12.4.198", vs::phone},           {"123.4.1985", vs::phone},
        {"12.4-1985", vs::phone},            {"--13-01", vs::text},            {"--04-12x", vs::id},
        {"12.4.", vs::text},                {"1985-04-12 10", vs::text},      {"1985-04-12 10:0", vs::text},
        {"1985-04-12 10:00:0", vs::text},   {"1985-04-12 10:00:00.", vs::text}, {"1985-04-12x10:00", vs::text},
        {"1985-04-12 100:00", vs::text},    {"1985-04-12 10:00 XM", vs::text}, {"1985-04-12 10:00+1", vs::text},
        {"1985-04-12 10:00+01:0", vs::text}, {"1985-04-12 10:00*01:00", vs::text}, {"1985-04-12 10:00 AMX", vs::text},
    });
}

TEST(EvidenceShapes, PostalCodesOfLettersAndDigitsUnderTheirHeader) {
    for (const char* code : {"M6P 1Z2", "M6P1Z2", "L5E-1E9", "SW1A 1AA", "1234 AB", " W1A 0AX "}) {
        EXPECT_TRUE(is_lettered_postal_code(code)) << code;
    }
    // Digits or letters alone, too short or long, two gaps or another sign: none.
    for (const char* other : {"12345", "ABCDE", "A1B2", "AB12CD34", "A1 B2 C3", "M6P  1Z2", "M6P.1Z2", "M6P 1Z2 X", ""}) {
        EXPECT_FALSE(is_lettered_postal_code(other)) << other;
    }
}

TEST(EvidenceShapes, FlagsInTheExportsLanguages) {
    expect_shapes({
        {"yes", vs::flag},   {"No", vs::flag},    {"TRUE", vs::flag},  {"FALSE", vs::flag}, {"y", vs::flag},
        {"n", vs::flag},     {"x", vs::flag},     {"X", vs::flag},     {"ano", vs::flag},   {"ne", vs::flag},
        {"Ja", vs::flag},    {"nein", vs::flag},  {"igen", vs::flag},  {"nem", vs::flag},   {"tak", vs::flag},
        {"nie", vs::flag},   {"da", vs::flag},    {"nu", vs::flag},    {"WAHR", vs::flag},  {"FALSCH", vs::flag},
        {"PRAVDA", vs::flag},         {"FALSZ", vs::flag}, {"IGAZ", vs::flag},
        {"0", vs::count},    {"1", vs::count},    // a lone 0 or 1 is a count; the column tells a flag
        {"yess", vs::word},  {"noe", vs::word},   {"yes no", vs::words},
    });
    // What says yes, as a flag that types a phone reads it; anything else says no.
    for (const char* yes : {"yes", "TRUE", "ano", "Ja", "igen", "tak", "1", " x "}) EXPECT_TRUE(says_yes(yes)) << yes;
    for (const char* no : {"no", "FALSE", "ne", "0", "", "maybe", "11"}) EXPECT_FALSE(says_yes(no)) << no;
}

TEST(EvidenceShapes, CountsAndNumbers) {
    expect_shapes({
        {"0", vs::count},  {"3", vs::count},     {"250", vs::count},  {"-2", vs::count},     {"3,5", vs::count},
        {"45292.41", vs::count}, {"007", vs::count},
        {"-", vs::text},   {"3,", vs::text},     {"-x", vs::word},    {"3.5.", vs::text},
    });
}

TEST(EvidenceShapes, IdsAreKeysNotValues) {
    expect_shapes({
        {"3F2504E0-4F89-11D3-9A0C-0305E82C3301", vs::id},
        {"{3F2504E0-4F89-11D3-9A0C-0305E82C3301}", vs::id},
        {"0123456789abcdef", vs::id},
        {"003A000001XyZ", vs::id},
        {"C-10023", vs::id},
        {"people/c1234567890", vs::id},
        {"12345678901234567890", vs::id},
        {"AB123", vs::id},
        {"AB12", vs::text},           // too short for a key
        {"0123456789abcde", vs::id},  // fifteen hex digits: letters and digits still make a code
        {"deadbeefdeadbee", vs::word},
        {"deadbeefdeadbeef", vs::id},
        {"Praha 1", vs::text},
        {"ABC-DEF", vs::word},
        {"{}", vs::text},
    });
}

TEST(EvidenceShapes, WebAddresses) {
    expect_shapes({
        {"http://firma.cz", vs::url},  {"https://firma.cz/kontakt", vs::url}, {"HTTPS://FIRMA.CZ", vs::url},
        {"www.firma.cz", vs::url},     {"firma.cz", vs::url},                 {"firma.cz/kontakt", vs::url},
        {"my-firma2.co.uk", vs::url},  {"firma.at", vs::url},                 {"firma.za", vs::url},
        {"http://", vs::text},         {"www.", vs::word},                    {"Ph.D.", vs::honorific},
        {"J.Novak", vs::word},         {"s.r.o.", vs::word},                  {"firma.c", vs::word},
        {".cz", vs::word},             {"firma..cz", vs::word},               {"firma.cz1", vs::id},
        {"fir_ma.cz", vs::text},       {"www.firma.cz x", vs::words},          {"jan@firma.cz/x", vs::text},
    });
}

TEST(EvidenceShapes, DamagedSpreadsheetNumbers) {
    expect_shapes({
        {"4,20604E+11", vs::exponent_number}, {"4.20604E+11", vs::exponent_number}, {"1E+09", vs::exponent_number},
        {"1.5e-3", vs::exponent_number},
        {"1E09", vs::text},  // no sign: a spreadsheet never writes that
        {"E+09", vs::text}, {"4,E+11", vs::text}, {"4,2E+", vs::text}, {"4,2E+11x", vs::text}, {"4,2F+11", vs::text},
    });
}

TEST(EvidenceShapes, TitlesWordsAndText) {
    expect_shapes({
        {"Ing.", vs::honorific},  {"Dr.", vs::honorific},   {"Mr", vs::honorific},    {"Mrs", vs::honorific},
        {"Frau", vs::honorific},  {"Herr", vs::honorific},  {"pan", vs::honorific},   {"pani", vs::honorific},
        {"Mgr. et Mgr.", vs::honorific}, {"Ph.D.", vs::honorific}, {"Prof. Ing.", vs::honorific}, {"Ph.D.  MBA", vs::honorific},
        {"Ing. Jan", vs::words},  {"Jan", vs::word},        {"Jan Ph.D.", vs::words},
        {"Ing. Ing. Ing. Ing. Ing.", vs::words},            // more titles than anyone writes
        {"mobil", vs::word},      {"dom\xF9", vs::word},    {"K\xF6ln", vs::word},    {"Nov\xE1kov\xE1-T\xF3thov\xE1", vs::word},
        {"Jan Nov\xE1k", vs::words}, {"Nov\xE1k, Jan", vs::words}, {"Sales Manager (EMEA)", vs::words},
        {"Hlavn\xED 12", vs::text}, {"Na P\xF8\xEDkop\xEC 33", vs::text}, {"...", vs::text}, {"#1", vs::text},
        {"   ", vs::empty},        {"", vs::empty},
    });
}

TEST(EvidenceSplits, ListsOfAddressesOrPhones) {
    using items = std::vector<std::string_view>;
    EXPECT_EQ(split_items("jan@firma.cz, eva@firma.cz", vs::email), (items{"jan@firma.cz", "eva@firma.cz"}));
    EXPECT_EQ(split_items("jan@firma.cz;eva@firma.cz;", vs::email), (items{"jan@firma.cz", "eva@firma.cz"}));
    EXPECT_EQ(split_items("jan@firma.cz ::: eva@firma.cz", vs::email), (items{"jan@firma.cz", "eva@firma.cz"}));
    EXPECT_EQ(split_items("a@b.cz / c@d.cz / e@f.cz", vs::email), (items{"a@b.cz", "c@d.cz", "e@f.cz"}));
    EXPECT_EQ(split_items("+420 777 123 456, 602 111 222", vs::phone), (items{"+420 777 123 456", "602 111 222"}));
    // "or" written out between them, in any case; inside a word it joins nothing.
    EXPECT_EQ(split_items("+420 603 123 456 nebo +420 777 111 222", vs::phone), (items{"+420 603 123 456", "+420 777 111 222"}));
    EXPECT_EQ(split_items("0171 1234567 ODER 030 1234567", vs::phone), (items{"0171 1234567", "030 1234567"}));
    EXPECT_EQ(split_items("jan@firma.cz or eva@firma.cz", vs::email), (items{"jan@firma.cz", "eva@firma.cz"}));
    EXPECT_TRUE(split_items("0171 1234567 nebo", vs::phone).empty());
    EXPECT_TRUE(split_items("jan@firma.cz vagyon eva@firma.cz", vs::email).empty());
    EXPECT_EQ(split_items("777 123 456 / 602 111 222", vs::phone), (items{"777 123 456", "602 111 222"}));
    EXPECT_EQ(split_items("777123456;602111222", vs::phone), (items{"777123456", "602111222"}));
    EXPECT_EQ(split_items(";jan@firma.cz;eva@firma.cz", vs::email), (items{"jan@firma.cz", "eva@firma.cz"}));
    // No lists: one item, names, a phone with its area code set apart, a mixed list, the wrong item.
    EXPECT_TRUE(split_items("Novak, Jan", vs::email).empty());
    EXPECT_TRUE(split_items("Novak, Jan", vs::phone).empty());
    EXPECT_TRUE(split_items("jan@firma.cz", vs::email).empty());
    EXPECT_TRUE(split_items("jan@firma.cz;", vs::email).empty());
    EXPECT_TRUE(split_items("0221 / 1234567", vs::phone).empty());
    EXPECT_TRUE(split_items("jan@firma.cz, 602 111 222", vs::email).empty());
    EXPECT_TRUE(split_items("jan@firma.cz, eva@firma.cz", vs::phone).empty());
    EXPECT_TRUE(split_items("jan@firma.cz, eva@firma.cz", vs::text).empty());
    EXPECT_TRUE(split_items("", vs::email).empty());
    EXPECT_TRUE(split_items("a@b.cz/c@d.cz", vs::email).empty());  // '/' without spaces sets nothing apart
}

TEST(EvidenceSplits, PostalCodeAndTownInOneCell) {
    struct split_case {
        const char* value;
        const char* code;
        const char* town;
    };
    const split_case cases[] = {
        {"602 00 Brno", "602 00", "Brno"},
        {"50678 K\xF6ln", "50678", "K\xF6ln"},
        {"SK-811 01 Bratislava", "SK-811 01", "Bratislava"},
        {"00-950 Warszawa", "00-950", "Warszawa"},
        {"H-1051 Budapest", "H-1051", "Budapest"},
        {"1051 Budapest", "1051", "Budapest"},
        {"Brno 602 00", "602 00", "Brno"},
        {"Brno, 602 00", "602 00", "Brno"},
        {"602 00, Brno", "602 00", "Brno"},
        {"602 00 ,Brno", "602 00", "Brno"},
        {"110 00 Praha 1", "110 00", "Praha 1"},
        {"Praha 10 110 00", "110 00", "Praha 10"},
        {"K\xF6ln 50678", "50678", "K\xF6ln"},
        {"Bratislava SK-811 01", "SK-811 01", "Bratislava"},
        {"15230 Frankfurt (Oder)", "15230", "Frankfurt (Oder)"},
        {"400 01 \xDAst\xED n. L.", "400 01", "\xDAst\xED n. L."},
        {"  602 00   Brno  ", "602 00", "Brno"},
        // Dutch and British codes of digits and letters.
        {"1017 DK Amsterdam", "1017 DK", "Amsterdam"},
        {"Leeds LS1 4BR", "LS1 4BR", "Leeds"},
        {"01310-100 Sao Paulo", "01310-100", "Sao Paulo"},
        {"London SW1A 1AA", "SW1A 1AA", "London"},
    };
    for (const split_case& c : cases) {
        std::string_view code = "unset", town = "unset";
        EXPECT_TRUE(split_postal_city(c.value, code, town)) << c.value;
        EXPECT_EQ(code, c.code) << c.value;
        EXPECT_EQ(town, c.town) << c.value;
        EXPECT_EQ(shape_of(c.value), vs::postal_city) << c.value;
    }
    const char* no_splits[] = {
        "Vinohradsk\xE1 1511",     // a street and its house number
        "Hlavn\xED 12",  "Brno",  "602 00",  "602 00 12",  "Brno 602",  "602 00 Brno 123",  "Hlavn\xED 12, 602 00 Brno",
        "602 00 Brno1",  "C-10023 Brno",  "Praha1 110 00",  "1 110 00",  "602 00 Br#no",  "",  "602 00 ,",
        "3521 CB",  "3521CB",  "LS1 4BR",  "M1 1AE",  // one code each, no town in it
        "Leeds AB1 CDE",
    };
    for (const char* value : no_splits) {
        std::string_view code = "unset", town = "unset";
        EXPECT_FALSE(split_postal_city(value, code, town)) << value;
        EXPECT_EQ(code, "unset") << value;
        EXPECT_EQ(town, "unset") << value;
    }
}

// The column of `values`, weighed.
column_evidence weighed(const std::vector<std::string_view>& values) { return weigh_column(values); }

TEST(EvidenceColumns, MailingAddressPartsAreNoEmails) {
    const column_evidence street = weighed({"Hlavn\xED 12", "Na P\xF8\xEDkop\xEC 33", "", "N\xE1m\xECst\xED 1", "Mierov\xE1 5"});
    EXPECT_EQ(street.filled, 4u);
    EXPECT_EQ(street.shapes[static_cast<std::size_t>(vs::text)], 4u);
    EXPECT_FALSE(mostly(street, {vs::email}));
    EXPECT_EQ(street.multi_word, 4u);
    const column_evidence town = weighed({"Zvolen", "Brno", "Praha", "Zvolen", "\xDAst\xED nad Labem"});
    EXPECT_FALSE(mostly(town, {vs::email}));
    EXPECT_TRUE(mostly(town, {vs::word, vs::words}));
    EXPECT_EQ(town.distinct, 4u);
    EXPECT_EQ(town.multi_word, 1u);
    EXPECT_EQ(town.max_length, 14u);
    const column_evidence postal = weighed({"602 00", "811 01", "1051", "D-50678", "60200"});
    EXPECT_TRUE(mostly(postal, {vs::postal_code}));
    EXPECT_FALSE(mostly(postal, {vs::phone}));
    const column_evidence country = weighed({"Slovensko", "\xC8" "esk\xE1 republika", "Magyarorsz\xE1g"});
    EXPECT_FALSE(mostly(country, {vs::email}));
}

TEST(EvidenceColumns, OptOutsAndCountsAreNeverContactValues) {
    const column_evidence opt_out = weighed({"false", "false", "true", "FALSE", "", "false"});
    EXPECT_EQ(opt_out.filled, 5u);
    EXPECT_TRUE(mostly(opt_out, {vs::flag}));
    EXPECT_FALSE(mostly(opt_out, {vs::email}));
    EXPECT_EQ(opt_out.distinct, 3u);
    const column_evidence messages = weighed({"0", "0", "3", "12", "0", "250"});
    EXPECT_TRUE(mostly(messages, {vs::count}));
    EXPECT_FALSE(mostly(messages, {vs::email}));
    EXPECT_FALSE(mostly(messages, {vs::phone}));
    EXPECT_EQ(messages.distinct, 4u);
    EXPECT_EQ(messages.multi_word, 0u);
    const column_evidence zero_one = weighed({"0", "1", "1", "0"});
    EXPECT_TRUE(mostly(zero_one, {vs::flag, vs::count}));
    EXPECT_EQ(zero_one.distinct, 2u);
    const column_evidence ids = weighed({"003A000001XyZ", "003A000001XzA", "003A000001Xzb"});
    EXPECT_TRUE(mostly(ids, {vs::id}));
    EXPECT_EQ(ids.distinct, 3u);
}

TEST(EvidenceColumns, APhoneColumnWithEmptiesAndOneDamagedNumber) {
    const column_evidence phones = weighed({"+420 777 123 456", "", "602 111 222", "4,20604E+11", "+421 905 123 456",
                                            " ", "0049 221 1234567", "777123456", "603 222 333, 604 333 444"});
    EXPECT_EQ(phones.filled, 7u);
    EXPECT_EQ(phones.shapes[static_cast<std::size_t>(vs::phone)], 5u);
    EXPECT_EQ(phones.shapes[static_cast<std::size_t>(vs::exponent_number)], 1u);
    EXPECT_EQ(phones.lists, 1u);
    EXPECT_EQ(phones.email_lists, 0u);
    EXPECT_TRUE(mostly(phones, {vs::phone}));   // 6 of 7, the list among them
    EXPECT_FALSE(mostly(phones, {vs::email}));
    EXPECT_EQ(phones.max_length, 24u);
}

TEST(EvidenceColumns, ListsCountForTheirItemsOnly) {
    const column_evidence mails = weighed({"a@b.cz", "c@d.cz; e@f.cz", "g@h.cz", "i@j.cz, k@l.cz", "Novak, Jan"});
    EXPECT_EQ(mails.lists, 2u);
    EXPECT_EQ(mails.email_lists, 2u);
    EXPECT_EQ(mails.shapes[static_cast<std::size_t>(vs::text)], 2u);
    EXPECT_TRUE(mostly(mails, {vs::email}));     // 4 of 5: the share itself
    EXPECT_FALSE(mostly(mails, {vs::phone}));
    EXPECT_FALSE(mostly(mails, {vs::words}));
    const column_evidence mixed = weighed({"a@b.cz", "c@d.cz", "g@h.cz", "Novak, Jan"});
    EXPECT_FALSE(mostly(mixed, {vs::email}));    // 3 of 4 is short of it
    EXPECT_TRUE(mostly(mixed, {vs::email, vs::words}));
    EXPECT_TRUE(mostly(mixed, {vs::email, vs::email, vs::words}));
    EXPECT_FALSE(mostly(mixed, {vs::email, vs::email}));  // an asked shape counts once
    EXPECT_FALSE(mostly(mixed, {}));
    EXPECT_TRUE(mostly(weighed({"jan@firma.cz"}), {vs::email}));
    // 103 of 130 is 79.2%: short of the share, however near.
    std::vector<std::string_view> near(130, "Brno");
    std::fill(near.begin(), near.begin() + 103, "jan@firma.cz");
    EXPECT_FALSE(mostly(weighed(near), {vs::email}));
    near[103] = "eva@firma.cz";
    EXPECT_TRUE(mostly(weighed(near), {vs::email}));  // 104 of 130 is 80%
}

TEST(EvidenceColumns, TypeWordsAndEmptyColumns) {
    const column_evidence types = weighed({"mobil", "dom\xF9", "pr\xE1" "ce", "mobil", ""});
    EXPECT_TRUE(mostly(types, {vs::word}));
    EXPECT_EQ(types.distinct, 3u);
    EXPECT_EQ(types.filled, 4u);
    const column_evidence none = weighed({"", " ", ""});
    EXPECT_EQ(none.filled, 0u);
    EXPECT_EQ(none.distinct, 0u);
    EXPECT_FALSE(mostly(none, {vs::empty}));
    EXPECT_FALSE(mostly(weighed({}), {vs::word}));
    // Trimmed before it is weighed: the same value twice, whatever its spaces.
    EXPECT_EQ(weighed({"Brno", " Brno "}).distinct, 1u);
    EXPECT_EQ(weighed({"Brno", " Brno "}).max_length, 4u);
}

}  // namespace
}  // namespace rowcard
