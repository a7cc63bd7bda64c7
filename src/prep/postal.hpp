// Inside rowcard-prep: postal codes and towns as exports write them, alone
// or together in one cell.
#pragma once

#include <cstddef>
#include <string_view>

namespace rowcard {

// Digits of a postal code written bare: 4 (AT, HU, SI, CH), 5 (CZ, SK, DE, HR), 6 (RO).
inline constexpr std::size_t POSTAL_MIN_DIGITS = 4;
inline constexpr std::size_t POSTAL_MAX_DIGITS = 6;

// True for a postal code, maybe with its country mark ("D-50678", "SK-811
// 01"): 4 to 6 digits, "602 00", "00-950", a US "15210-2613", a Portuguese
// "1000-001", a Dutch "1017 DK" or a British "LS1 4BR" in their exact shapes.
// Empty input is none.
bool is_postal_code(std::string_view s);

// True for a postal code of letters and digits, as Canada, Britain or the
// Netherlands write one ("M6P 1Z2", "M6P1Z2", "SW1A 1AA", "1234 AB"): 5 to 7 of
// them, both kinds, a space or a hyphen between at most. Said only under a
// header that says postal code: alone, such a value is as likely an id.
bool is_lettered_postal_code(std::string_view v);

// True for a postal code of digits that only a postal code's header tells
// from a count or a phone number: Iceland's three ("101"), Israel's and
// Chile's seven ("9434007"), Japan's "701-0192". Empty input is none.
bool is_headed_postal_code(std::string_view v);

// A postal code and town in one cell: returns true with the two parts when
// `value` is a postal code then a town ("602 00 Brno", "SK-811 01 Bratislava",
// "50678 Köln", "110 00 Praha 1") or a town then a code ("Brno 602 00"), a comma
// between them allowed; else false, the parts untouched. A town then a bare
// four-digit number is a street and its house number ("Vinohradská 1511"); a
// code alone ("1017 DK") holds no town.
bool split_postal_city(std::string_view value, std::string_view& code, std::string_view& town);

}  // namespace rowcard
