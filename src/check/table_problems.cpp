// rowcard-check's problems of the table, told once every row is read: its
// encoding, separator and header, quotes, cleaned values, runaway words and
// values that do not fit their property.
#include "check/findings.hpp"
#include "run/run.hpp"
#include "text/text.hpp"

namespace rowcard::checking {
namespace {

// A run of this many digits is a phone number or a postcode, never a heading.
constexpr std::size_t LONG_DIGITS = 5;
// Fields a line must split into for a separator to be taken as its own.
constexpr std::size_t SPLITS = 2;

// The kinds of value that no heading holds.
enum class field_shape { plain, address, number };

// Returns the shape of one field: an e-mail address, a run of LONG_DIGITS
// digits, or plain; empty is plain.
field_shape shape_of(std::string_view field) {
    if (field.find('@') != std::string_view::npos) return field_shape::address;
    std::size_t run = 0;
    for (const char c : field) {
        run = c >= '0' && c <= '9' ? run + 1 : 0;
        if (run >= LONG_DIGITS) return field_shape::number;
    }
    return field_shape::plain;
}

// Returns the number of the first field that holds '@', or a run of
// LONG_DIGITS digits, in both `a` and `b`, split at `separator`; 0 when none.
std::size_t shared_shape(std::string_view a, std::string_view b, char separator) {
    for (std::size_t k = 1; !a.empty() && !b.empty(); ++k) {
        const field_shape shape_a = shape_of(split_field(a, separator));
        if (shape_a != field_shape::plain && shape_a == shape_of(split_field(b, separator))) return k;
        if (shape_a == field_shape::plain) split_field(b, separator);
    }
    return 0;
}

// Adds the problems of a table in UTF-16 or UTF-8, which rowcard reads as code page 1250.
void report_encoding(check_report& report, const table_scan& scan) {
    const std::string& name = report.table_name;
    if (!scan.utf16.empty()) {
        add_problem(report, "table-utf16", name, 0, HEADER_ROW, "",
                    "the table is " + scan.utf16 + ": a zero byte ends a line's text for rowcard, so values come "
                    "out empty or cut; save the table as Windows-1250 (ANSI, Central European), or convert it "
                    "with rowcard-prep");
    }
    if (report.encoding == "utf-8") {
        add_problem(report, "table-utf8", name, 0, scan.utf8_rows.rows.front(), "",
                    "the table is UTF-8 (" + rows_of(scan.utf8_rows) +
                        "), but rowcard reads code page 1250, so accented letters are garbled or dropped; save "
                        "the table as Windows-1250 (ANSI, Central European), or convert it with rowcard-prep",
                    scan.utf8_rows.count);
    }
}

// Adds a problem when the header is one field at the configured separator but
// splits at a separator that spreadsheets write, and the first row does too.
void report_separator(check_report& report, const table_scan& scan) {
    const char separator = report.settings.separator;
    const std::string_view header = without_line_feed(scan.header);
    // A table without a header line has no header fields.
    if (report.header_fields != 1 || header.empty()) return;
    for (const char candidate : EXPORT_SEPARATORS) {
        if (candidate == separator) continue;
        const std::size_t split = fields_in(header, candidate);
        if (split < SPLITS || (report.rows > 0 && fields_in(without_line_feed(scan.first_record), candidate) < SPLITS)) {
            continue;
        }
        const std::string named = candidate == '\t' ? "a tab" : in_quotes(std::string(1, candidate));
        const std::string fix = candidate == '\t'
                                    ? "rowcard cannot split at a tab: save the table with ';' between "
                                      "fields, or convert it with rowcard-prep"
                                    : "put a line holding only " + named + " in rowcard.ini";
        add_problem(report, "separator-mismatch", report.table_name, 0, HEADER_ROW, "",
                    "with the separator " + in_quotes(std::string(1, separator)) + " the header is one field, while " +
                        named + " splits it into " + std::to_string(split) +
                        ", so every value lands in the first column; " + fix);
        return;
    }
}

// Adds a problem when the first line, skipped as a header, looks like the
// contact after it.
void report_missing_header(check_report& report, const table_scan& scan) {
    if (report.rows == 0) return;
    const std::size_t field =
        shared_shape(without_line_feed(scan.header), without_line_feed(scan.first_record), report.settings.separator);
    if (field == 0) return;
    add_problem(report, "missing-header", report.table_name, 0, HEADER_ROW, "",
                "the first line, which rowcard always skips as a header, looks like a contact: field " +
                    std::to_string(field) +
                    " holds the same kind of value as the row after it, so that contact gets no card; add a header "
                    "line, such as the column names, at the top of the table");
}

// Adds a problem for the rows where a quoted field holds the separator.
void report_quotes(check_report& report, const table_scan& scan) {
    if (scan.quote_cut.count == 0) return;
    add_problem(report, "quoted-separator", report.table_name, 0, scan.quote_cut.rows.front(), "",
                "a field opens with '\"' and the separator " + in_quotes(std::string(1, report.settings.separator)) +
                    " stands inside the quotes (" + rows_of(scan.quote_cut) +
                    "); rowcard has no quoting, so it splits there and the later columns shift; remove the "
                    "separator from quoted values, or convert the table with rowcard-prep",
                scan.quote_cut.count);
}

// Adds, column by column, the values that bring a later column's name, and
// the values that cleaning changes.
void report_values(check_report& report, const table_scan& scan) {
    for (std::size_t p = 0; p < report.settings.columns.size(); ++p) {
        const std::string& column = report.settings.columns[p].name;
        const tally& brought = scan.name_in_value[p];
        if (brought.count > 0) {
            add_problem(report, "name-in-value", report.table_name, 0, brought.rows.front(), column,
                        "a value of " + column + " holds " + in_quotes(brought.detail) +
                            ", the name of a later column, whose value rowcard then puts inside it (" +
                            rows_of(brought) + "); give every column a braced name such as " +
                            braced(brought.detail) + ": braces never stay in a value",
                        brought.count);
        }
        const tally& changed = scan.value_changed[p];
        if (changed.count > 0) {
            add_problem(report, "value-changed", report.table_name, 0, changed.rows.front(), column,
                        "cleaning changes values of " + column + " (" + rows_of(changed) + "): " + changed.detail,
                        changed.count);
        }
    }
}

// Adds a problem for the rows whose value fills a word placeholder until its bound.
void report_runaway(check_report& report, const table_scan& scan) {
    if (scan.runaway.count == 0) return;
    add_problem(report, "runaway-fill", TEMPLATE_NAME, scan.runaway_line, scan.runaway.rows.front(),
                scan.runaway_column,
                "a word of a value recreates its own word placeholder, so rowcard fills it until its bound and "
                "leaves the placeholder in the card (" + rows_of(scan.runaway) + "); " +
                    fix_braces(scan.runaway_column),
                scan.runaway.count);
}

}  // namespace

void report_table_problems(check_report& report, const table_scan& scan) {
    report_encoding(report, scan);
    report_separator(report, scan);
    report_missing_header(report, scan);
    report_quotes(report, scan);
    report_values(report, scan);
    check_header(report, without_line_feed(scan.header));
    report_runaway(report, scan);
    report_fits(report, scan.fits);
}

}  // namespace rowcard::checking
