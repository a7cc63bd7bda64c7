// Inside rowcard-prep: what most values of one column are, where numbers
// tell it: numbers to dial or none, house numbers, countries' calling codes
// and codes, postal codes in no order. Each reads the column's values beside
// the counts its evidence keeps.
#pragma once

#include <string_view>
#include <vector>

#include "prep/evidence.hpp"

namespace rowcard {

// True when `count` values are at least `percent` in a hundred of the
// filled values `evidence` counts; never for a column with none filled.
bool share_at_least(std::size_t count, const column_evidence& evidence, std::size_t percent);

// True when most filled values of `column` hold no number to dial: of a shape none has, a
// decimal ('2.01', a room), or more letters than digits ('zvonit 2x'; not '602 123 456 (mobil)').
bool mostly_no_numbers(const std::vector<std::string_view>& column, const column_evidence& evidence);

// True when most filled values of `values` are written as numbers to dial
// are: with '+', a leading 0, or signs between their digits. Bare runs of
// digits under a header that says nothing are keys and counts as often.
bool mostly_dialled(const std::vector<std::string_view>& values, const column_evidence& evidence);

// True when `value` is a house number: short, starting with a digit other
// than 0, with no blank ("12", "5a", "1105/12"). Empty input is none.
bool house_number_value(std::string_view value);

// True when most filled values of `values` look like house numbers: short,
// a digit first, no space; "0012" with its leading zero is a key.
bool mostly_house_numbers(const std::vector<std::string_view>& values, const column_evidence& evidence);

// True when most filled values of `values` are a street and its number
// ("Hauptstraße 5", "ul. Długa 5/3"), or a street alone: a name's letters. A
// house number ("12a", "Nr. 5") has fewer.
bool mostly_numbered_streets(const std::vector<std::string_view>& values, const column_evidence& evidence);

// True when most filled values of `values` are streets with their numbers
// and no mailbox ("2100 Ross Ave", "PO Box 2418"): a 'MailAddress' that is a
// letter's. No filled value gives false.
bool mostly_streets_with_numbers(const std::vector<std::string_view>& values, const column_evidence& evidence);

// True when most filled values of `values` are a country's calling code for
// the numbers beside them ("+48", "421"): small numbers written with '+', or
// the same few in most rows, where a phone's extensions would differ from row to row.
bool calling_codes(const std::vector<std::string_view>& values, const column_evidence& e);

// True when most filled values of `values` are countries' codes ("CZ", "DE").
bool mostly_country_codes(const std::vector<std::string_view>& values, const column_evidence& e);

// True when most filled values of `values` are postal codes in no order: a
// record's running number is a postal code's shape too, but ascends.
bool unordered_postal_codes(const std::vector<std::string_view>& values, const column_evidence& e);

// True when the filled values of `values`, most of them filled, are bare
// numbers that ascend from row to row: a row's running number ('Nr.' 1, 2,
// 3), never a house's. False for a handful of rows, which may ascend by chance.
bool running_numbers(const std::vector<std::string_view>& values, const column_evidence& e);

}  // namespace rowcard
