// Inside rowcard-prep: how a value written as a number or a date is told.
#pragma once

#include <string_view>

#include "prep/evidence.hpp"

namespace rowcard {

// Returns date for a date, maybe with its time: year first ("1985-04-12",
// Hungary's "1985. 04. 12."), day or month first ("12.4.1985", "12. 4. 1985",
// "4/12/1985", "12.04.85"), or Google's day without a year ("--04-12"). Returns
// text for a value laid out as a date that is none ("13.13.1985", a broken
// time), so that it passes for no phone; empty for any other value.
value_shape date_reading(std::string_view v);

// True for a number such as a spreadsheet writes one it thinks too long,
// "4,20604E+11" or "1E+09": digits, maybe a decimal part, 'E', a sign, digits.
bool is_exponent_number(std::string_view v);

// True for an IPv4 address ("91.219.3.41"), which a mailing tool keeps of
// where a subscriber signed up: four numbers up to 255 set apart by dots.
bool is_ip_address(std::string_view v);

// True for a number with a sign or a decimal part ("-2", "3,5", "45292.41").
bool is_signed_or_decimal(std::string_view v);

}  // namespace rowcard
