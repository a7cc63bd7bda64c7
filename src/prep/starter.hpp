// rowcard-prep's fourth stage: the starter rowcard.ini and master.vcf for a
// table's columns, and the placeholder names they give them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "prep/vcard.hpp"

namespace rowcard {

// The two starter files for a table of `header` columns, and what they used.
struct starter_files {
    std::string settings;                 // rowcard.ini: the table's name, ';', one column line each
    std::string master;                   // master.vcf: one card, lines ending in a line feed
    std::vector<std::string> recognised;  // the placeholders the card uses
    vcard_version version = vcard_version::v30;  // the card's version
};

// Returns the starter files for the table `table_name` whose columns are the
// cleaned `header` values (at most MAX_COLUMNS), as make_contact_table makes
// them: each column is named by its header in braces, upper case, at most
// NAME_LEN bytes and unique; the card has one line for each property a
// column fills ({FN}, {TEL1 TYPE}, ...) in the forms of `version`, FN
// mandatory so that an empty row makes no card, and the first column for
// the name when there is no {FN}.
starter_files make_starter(const std::vector<std::string>& header, std::string_view table_name,
                           vcard_version version = vcard_version::v30);

// Returns `files` with the mandatory mark '%' on exactly the columns whose
// bare placeholders ("{EMAIL1}") are in `marked`, in rowcard.ini and at each
// use in master.vcf alike, so that a starter file written beside a kept one
// agrees with it. An empty `marked` leaves no column mandatory.
starter_files with_marks(starter_files files, const std::vector<std::string>& marked);

// Returns the placeholder names that starter files give the columns of the
// cleaned `header`: each header in braces, upper case and folded, cut to fit
// NAME_LEN with its braces and made unique; an empty header is named by its
// column's number. rowcard-check compares them with rowcard.ini's columns.
std::vector<std::string> placeholder_names(const std::vector<std::string>& header);

}  // namespace rowcard
