// rowcard-check's name checks, for what a new user cannot see: rowcard.ini's
// columns against the table's header, and cards whose name would be empty.
#include <algorithm>

#include "check/findings.hpp"
#include "prep/starter.hpp"
#include "run/run.hpp"
#include "text/text.hpp"

namespace rowcard::checking {
namespace {

// Returns the field number (from 1) of `name` among `names` other than
// `field`, or 0 when it is there only, or not at all.
std::size_t elsewhere(const std::vector<std::string>& names, std::string_view name, std::size_t field) {
    std::size_t number = 0;
    for (const std::string& other : names) {
        ++number;
        if (number != field && other == name) return number;
    }
    return 0;
}

}  // namespace

std::string property_of(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return {};
    std::string_view name = line.substr(0, std::min(colon, line.find(';')));
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name.remove_prefix(dot + 1);
    std::string upper(name);
    upper_in_place(upper);
    return upper;
}

void scan_name_lines(const check_report& report, const std::vector<std::string>& lines, name_scan& scan) {
    std::vector<bool> name_line(lines.size(), false);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string property = property_of(without_line_feed(lines[i]));
        if (property == "FN") scan.fn_lines.push_back(i);
        name_line[i] = property == "FN" || property == "N";
        scan.has_name_line |= name_line[i];
    }
    for (const placeholder_report& found : report.placeholders) {
        if (!name_line[found.line - 1]) continue;
        scan.name_filled = true;
        const bool in_fn = std::find(scan.fn_lines.begin(), scan.fn_lines.end(), found.line - 1) != scan.fn_lines.end();
        const std::string name = braced(report.settings.columns[found.column].name);
        if (!in_fn || scan.fn_columns.find(name) != std::string::npos) continue;
        scan.fn_columns += (scan.fn_columns.empty() ? "" : " or ") + name;
    }
}

void check_card_name(const std::vector<column_spec>& columns, const record_values& values,
                     const std::vector<std::string>& lines, std::size_t row, name_scan& scan) {
    for (const std::size_t i : scan.fn_lines) {
        scan.filled = lines[i];
        fill_line(scan.filled, columns, values, scan.fill);
        const std::string_view text = scan.filled;
        if (trim_right(text.substr(text.find(':') + 1)).empty()) {
            add_row(scan.empty_fn, row);
            return;
        }
    }
}

void report_names(check_report& report, const name_scan& scan) {
    if (report.template_found && !scan.name_filled) {
        add_problem(report, "no-name-column", TEMPLATE_NAME, 0, 0, "",
                    scan.has_name_line
                        ? "no column is filled into the FN or N line, so every card gets the same name; put the "
                          "name's column there, such as FN:{NAME}"
                        : "master.vcf has no FN or N line, so the cards have no name; add a line such as "
                          "FN:{NAME} (FN is the name a phone shows)");
    }
    if (scan.empty_fn.count == 0) return;
    const std::string fix = scan.fn_columns.empty()
                                ? "write a column such as {NAME} in the FN line of master.vcf"
                                : "fill " + scan.fn_columns +
                                      " in those rows of the table (the company or the e-mail address will do "
                                      "where there is no name)";
    add_problem(report, "empty-name", report.table_name, 0, scan.empty_fn.rows.front(), "",
                rows_of(scan.empty_fn) + " would give a card whose FN, the name a phone shows, is empty; " + fix,
                scan.empty_fn.count);
}

void check_header(check_report& report, std::string_view header) {
    const std::vector<column_spec>& columns = report.settings.columns;
    if (columns.empty() || header.empty()) return;
    std::vector<std::string> fields;
    for (std::string_view rest = header; !rest.empty();) fields.emplace_back(split_field(rest, report.settings.separator));
    const std::vector<std::string> names = placeholder_names(fields);
    for (std::size_t p = 0; p < columns.size() && p < fields.size(); ++p) {
        std::string_view name = columns[p].name;
        if (name.ends_with('%')) name.remove_suffix(1);
        if (!name.starts_with('{') || name == names[p]) continue;
        const std::size_t field = elsewhere(names, name, p + 1);
        if (field == 0) continue;
        const std::size_t line = p < report.column_lines.size() ? report.column_lines[p] : 0;
        add_problem(report, "header-mismatch", std::string(CONFIG_NAME), line, 0, columns[p].name,
                    "column " + std::to_string(p + 1) + " is named after the header's field " + std::to_string(field) +
                        " (" + in_quotes(readable(fields[field - 1])) + "), but rowcard fills it from field " +
                        std::to_string(p + 1) + " (" + in_quotes(readable(fields[p])) +
                        "), so the values land in the wrong places; list the columns in rowcard.ini in the order "
                        "of the table's header");
        return;
    }
    if (fields.size() == 1 || fields.size() == columns.size()) return;
    add_problem(report, "header-mismatch", std::string(CONFIG_NAME), 0, 0, "",
                "rowcard.ini lists " + std::to_string(columns.size()) + " columns, but the table's header has " +
                    std::to_string(fields.size()) +
                    " fields; rowcard fills column 1 from field 1 and so on, so a column missing or extra in the "
                    "middle shifts every later one; give rowcard.ini one column line per header field, in the "
                    "header's order (an empty line keeps the place of a field you do not use)");
}

}  // namespace rowcard::checking
