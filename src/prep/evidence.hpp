// Inside rowcard-prep: what an export's values look like, one by one and column
// by column, so that a column's values can confirm, veto or replace its header.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace rowcard {

// What one value looks like.
enum class value_shape : unsigned char {
    empty, email, phone, postal_code, postal_city, date, flag, count, id, url, exponent_number,
    honorific /* Ing., Dr., Mr, Mrs, Frau, Herr, pan, pani, Ph.D. */, word /* letters only, one word */,
    words /* letters and spaces: names, towns, job titles */, text /* anything else */, SHAPES
};
inline constexpr std::size_t SHAPE_COUNT = static_cast<std::size_t>(value_shape::SHAPES);

// Share of a column's filled values, in percent, that must have a shape for the
// column to be read as that shape: a few stray or damaged values do not decide.
inline constexpr std::size_t MOST_SHARE = 80;
// Half of a column's filled values, as a share in a hundred: enough where a
// column's other values say nothing against it (firms beside private persons).
inline constexpr std::size_t HALF_SHARE = 50;

// Returns the shape of one cleaned value (rowcard-prep's reader has made it
// ASCII plus the code page 1250 letters rowcard folds); empty input, or spaces
// alone, give empty. A value of 0 to 3 digits is a count, 0 and 1 included.
value_shape shape_of(std::string_view value);

// True when the flag `value` says yes ("TRUE", "ano", "1"); any other value, empty included, says no.
bool says_yes(std::string_view value);

// Several items in one cell: returns the items of `value` when it holds two or
// more e-mails, or two or more phones (as `item` says), joined by ',', ';',
// ' / ' or ' ::: ' (each trimmed, empty ones skipped); else an empty vector,
// as for any other `item`. "Novak, Jan" is no list.
std::vector<std::string_view> split_items(std::string_view value, value_shape item);


// What a column's filled values look like, counted over all its rows.
struct column_evidence {
    std::size_t filled = 0;                      // values that are not empty
    std::array<std::size_t, SHAPE_COUNT> shapes{};  // filled values of each shape (a list is text)
    std::size_t distinct = 0;                    // distinct filled values, byte for byte
    std::size_t lists = 0;                       // values that split_items splits (of e-mails or phones)
    std::size_t email_lists = 0;                 // of those, lists of e-mails; the rest are of phones
    std::size_t multi_word = 0;                  // values of two words or more
    std::size_t max_length = 0;                  // bytes of the longest value
};

// A column holds the same few values in most rows when it has one different
// value in this many filled ones at most: a CRM's own address, a register's
// code, a country's calling code, never a contact's own values.
inline constexpr std::size_t SAME_FOR_ALL = 4;

// True when the column `evidence` counts holds the same few values in most
// rows (see SAME_FOR_ALL); true for a column with no filled value.
inline bool same_few(const column_evidence& evidence) { return evidence.distinct * SAME_FOR_ALL <= evidence.filled; }

// Returns the evidence of the values of `column`; no values, or empty ones
// only, give filled 0.
column_evidence weigh_column(const std::vector<std::string_view>& column);

// True when at least MOST_SHARE percent of the filled values have one of
// `shapes` (lists of e-mails count as e-mails, of phones as phones); false for
// a column with no filled value, and for no shapes.
bool mostly(const column_evidence& evidence, std::initializer_list<value_shape> shapes);

// True when half the filled values of `values` at least open a letter
// ("Dear Margaret", "Geachte heer Van der Berg"): a salutation to write,
// no title of the name. No filled value gives false.
bool mostly_letter_openings(const std::vector<std::string_view>& values, const column_evidence& evidence);

}  // namespace rowcard
