// Inside rowcard-prep: what a column means beside the others, once each has
// been read alone; the last step of read_columns.
#pragma once

#include <vector>

#include "prep/columns.hpp"

namespace rowcard {

// Settles what `columns` mean together: each type column tied to the phone or
// address beside it, a whole address left off beside another address's
// parts, a region left off that is all its address has, a country's code
// taken as the country where no name of it stands, a 'Name' beside a given
// name taken as the family name, the names of firms beside their contact
// persons, house numbers after their streets, a register's codes and a
// salutation beside titles left off, and in an export with no header line
// (`headerless`) the first column of names as the name. Corrections the user gave stand.
void read_together(std::vector<column_reading>& columns, bool headerless);

}  // namespace rowcard
