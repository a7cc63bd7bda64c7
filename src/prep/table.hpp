// rowcard-prep's third stage: the card rows, worked out from the export's rows
// and the reading of its columns, written as rowcard's table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "prep/columns.hpp"
#include "prep/reading.hpp"
#include "prep/vcard.hpp"

namespace rowcard {

// The table rowcard reads, made from an export: first the columns the card
// needs, worked out row by row, then the export's other columns that hold a value.
struct contact_table {
    std::string layout;                // "Outlook (German)", "a table with Czech headers", ...
    bool recognised = false;           // some column is a name, an organisation or an e-mail
    std::vector<std::string> header;   // the table's header values
    std::size_t recognised_columns = 0;  // export columns the card takes
    std::string refusal;               // when nothing is recognised: why, with the headers seen, and what to do
    std::string table;                 // the header and the rows, each line ending in a line feed
    std::size_t rows = 0;              // the table's lines after its header: one per card's record
    std::size_t dropped_columns = 0;   // export columns left out: empty, or beyond MAX_COLUMNS
    std::size_t dropped_items = 0;     // phones, e-mails or addresses beyond the room MAX_COLUMNS leaves
    change_tally joiners;              // table lines with a sign between two words made a space
    change_tally separators;           // table lines with the table's separator inside a value, made a space
    change_tally lost_numbers;         // phone numbers a spreadsheet wrote in exponent form, left off
    change_tally more_addresses;       // rows of only an address, taken as more addresses of the contact above
    std::size_t birthdays = 0;         // rows whose card carries a birthday
    change_tally unread_birthdays;     // birthdays in no form that could be read, left off
    change_tally yearless_birthdays;   // birthdays without a year where the version or the others allow none, left off
    change_tally web_cut;              // web addresses cut to their host
    change_tally web_lost;             // web addresses whose host rowcard would change, left off
    change_tally groups_cut;           // groups beyond a row's first, left off
    std::string sources;               // the report's lines: each card field and the export columns it came from
    std::string left_off;              // the report's lines: columns with data left off the card, and why
    std::string reading;               // every column with its field and evidence, as --columns shows it
    std::size_t disagreements = 0;     // columns whose header and values disagree, left off
};

// Returns the table for the read export `read`, with `table_separator`
// between its values (one inside a value is made a space): a display name never blank when a row holds anything,
// the name's parts from a full name, each phone, e-mail and address in
// numbered columns with its type as `version` writes it, street lines joined,
// a birthday in vCard's basic form (a day without a year only for 4.0, and
// only where no birthday has one: its column is then 'BDAY NO YEAR'); at most
// MAX_COLUMNS columns. With no column recognised the export's own columns
// stand, the first MAX_COLUMNS that matter.
contact_table make_contact_table(const export_result& read, char table_separator,
                                 const std::vector<column_override>& overrides = {},
                                 vcard_version version = vcard_version::v30);

// Turns each ASCII sign that rowcard drops ('-', '/', '_', ...) standing
// between two words of the value that begins at `start` of `out` into a
// space, unless the value holds '@', and returns whether any did: rowcard
// would join 'Novakova-Tothova' or 'Sales/IT' into one word. A sign at either
// end or beside a space is left for rowcard to drop.
bool space_joiners(std::string& out, std::size_t start);

}  // namespace rowcard
