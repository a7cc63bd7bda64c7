// Inside rowcard-prep's reading of an export: the rows around its data that
// hold no contact, taken off and noted.
#pragma once

#include "prep/reading.hpp"

namespace rowcard {

// Takes a report's footer off the end of `result`'s rows, each noted: at
// most a few rows at the end that each hold one footer line; or, in a table
// of several columns, a few rows of one value or none that a row of no value
// sets apart from the data. A table with no such rows stays as it is.
void drop_footer(export_result& result);

// Takes off `result`'s rows that repeat its header, as a report writes it
// over each block of rows, and the block's title of one value just above
// each, all noted. A table of one column keeps its rows: a name may be its header's word.
void drop_headers_again(export_result& result);

}  // namespace rowcard
