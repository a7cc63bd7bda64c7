// Inside rowcard-prep: what a column means beside the others, once each has
// been read alone; the last step of read_columns.
#pragma once

#include <string_view>
#include <vector>

#include "prep/columns.hpp"

namespace rowcard {

// Settles what `columns` mean together: each type column tied to the phone or
// address beside it, a whole address left off beside another address's
// parts, a region left off that is all its address has, a country's code
// taken as the country where no name of it stands, a 'Name' beside a given
// name taken as the family name, the names of firms beside their contact
// persons, house numbers after their streets, a register's codes and a
// salutation beside titles left off, an account's own mailbox in every row
// left off, and in an export with no header line
// (`headerless`), or none names a company or an e-mail, the first column of names as the name. Corrections the user gave stand.
void read_together(std::vector<column_reading>& columns, bool headerless);

// Settles what `columns` mean where their values, row by row, tell more than
// each column's alone (`values`: one vector per column, in row order): a
// company column that repeats another wherever that one is filled and names
// private persons elsewhere is the row's name; so is a column of firms whose
// other rows name persons with no contact person; a column whose values end
// the whole names is the family name. Corrections the user gave stand.
void read_rows_together(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values);

// Splits the address parts under no place into the numbered addresses they
// repeat ('street1' 'city1' 'zip1' 'street2' 'city2' 'zip2', or 'Address1'
// 'Address2' 'City1' 'City2' in the alphabet's order; `header` their
// headers): where a town or postal code is headed twice under two numbers and
// some row fills both differently, each number is an address of its own, its
// second street line its street, and a part with no number the first's.
// Elsewhere a second column of a part only stands in for an empty first (a US
// state beside an international province).
void repeated_addresses(std::vector<column_reading>& columns, const std::vector<std::string>& header,
                        const std::vector<std::vector<std::string_view>>& values);

}  // namespace rowcard
