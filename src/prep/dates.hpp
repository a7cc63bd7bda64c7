// Inside rowcard-prep: a birthday read from the forms exports write it in,
// and written in the one form every vCard version and rowcard's cleaning keep.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rowcard {

// A day of the calendar; `year` is 0 for a day written without its year.
struct calendar_day {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Which of day and month comes first in a date written "4/12/1985".
enum class day_order { day_first, month_first };

// Returns the order that the dates among `values` written day and month
// first with '/' show: month first when some has a second part above 12 and none a
// first part above 12, day first in the other case, else `usual` (the
// layout's own). Values of other forms, and empty input, show nothing.
day_order order_shown(const std::vector<std::string_view>& values, day_order usual);

// Reads the date `v` into `out`: year first ("1985-04-12", "1985. 04. 12.",
// "1985/04/12"), day first with dots or dashes ("12.4.1985", "12-04-1985"),
// day and month first in `order` with '/' ("12/04/1985", "4/12/85"), maybe with a time of day after it; Google's day without a year
// ("--04-12"); or a spreadsheet's date number of five digits ("31149", days
// counted from 30 December 1899). Returns false for any other value, for a
// day that does not exist (31 April, 29 February of a common year) and for
// empty input.
bool read_day(std::string_view v, day_order order, calendar_day& out);

// Returns the day `year`, `month`, `day` (each as a birthday's own column
// writes it: "1985", "4" or "04", "12") in `out`; false when one is no
// number or the day does not exist. An empty `year` gives a day without its year.
bool day_of_parts(std::string_view year, std::string_view month, std::string_view day, calendar_day& out);

// Returns `d` in vCard's basic form, which has no sign for rowcard's cleaning
// to drop: "19850412", or "0412" for a day without its year.
std::string basic_form(const calendar_day& d);

}  // namespace rowcard
