// rowcard-prep's reading of the columns: what each export column holds, weighed
// from what its header says and what its values look like, with the user's
// corrections on top. The stage between reading the export and the card rows.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "prep/evidence.hpp"
#include "prep/layouts.hpp"

namespace rowcard {

// A user's correction of the reading of the columns: the export column
// headed `header` (as the export writes it) is the card field `field`, or is
// left off ("skip").
struct column_override {
    std::string header;
    std::string field;
};

// One column's reading.
struct column_reading {
    column_role header_role;   // what its header alone says
    column_role role;          // what the card takes it as; none: left off
    column_evidence evidence;  // what its values look like
    std::string why;           // left off with data: why, in a few words ("a flag", "unknown")
    bool disagrees = false;    // header and values disagree, so it is left off
    bool companies = false;    // half its filled values at least name a company by its legal form
    bool house_numbers = false;  // most filled values are short and start with a digit ("12", "5a", "1105/12")
    bool postal_codes = false;   // most filled values are postal codes, in no order (no running number)
    bool country_codes = false;  // most filled values are countries' two-letter codes ("CZ", "de")
    bool overridden = false;   // the user said what it is
};

// True when some column of `columns` is taken as `what`; none for no columns.
inline bool has_role(const std::vector<column_reading>& columns, field_role what) {
    return std::any_of(columns.begin(), columns.end(), [&](const column_reading& r) { return r.role.what == what; });
}

// The reading of every column of an export.
struct columns_reading {
    layout_guess layout;                  // the layout, each role the one the card takes
    std::vector<column_reading> columns;  // one per export column
};

// Returns the reading of the export columns headed `header`, whose values are
// `values` (one vector of cleaned values per column, in row order), with
// `overrides` applied. A column whose header and values disagree is left off
// with the reason; one whose header says nothing is read from its values alone
// (e-mails, phones), and where the export has no header line (`headerless`)
// the first column of names is the name. An empty header gives no columns.
columns_reading read_columns(const std::vector<std::string>& header,
                             const std::vector<std::vector<std::string_view>>& values,
                             const std::vector<column_override>& overrides, bool headerless = false);

// True when `given`, a header as the user typed it, names the column whose
// cleaned header is `header`: its bytes, or its letters as UTF-8.
bool names_column(std::string_view given, const std::string& header);

// Returns the role a --column correction names ("company", "phone-work", "skip",
// ...); false when the name is none of them.
bool field_by_name(std::string_view name, column_role& role);

// Returns the names --column takes, for a usage message: "given, family, ...".
std::string field_choices();

// Returns the card field that `role` fills, as a report names it ("e-mail",
// "work phone", "street of the home address"); empty for none.
std::string field_label(const column_role& role);

// Returns the lines of the whole reading, every column with its field and
// evidence, as --columns prints it.
std::string reading_report(const std::vector<std::string>& header, const columns_reading& reading);

}  // namespace rowcard
