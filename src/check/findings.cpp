// How rowcard-check records and words its problems: the tallies of rows, the
// quoting and bracing used in every message, and the lines and fields they name.
#include "check/findings.hpp"

#include <algorithm>

namespace rowcard::checking {
namespace {

// Rows named in one problem's message; the rest are counted, so that a large
// table gives a short message.
constexpr std::size_t ROWS_NAMED = 3;

}  // namespace

void add_row(tally& t, std::size_t row) {
    ++t.count;
    if (t.rows.size() < ROWS_NAMED) t.rows.push_back(row);
}

std::string rows_of(const tally& t) {
    std::string text = t.count == 1 ? "row " : "rows ";
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        if (i > 0) text += i + 1 == t.rows.size() && t.count == t.rows.size() ? " and " : ", ";
        text += std::to_string(t.rows[i]);
    }
    if (t.count > t.rows.size()) text += " and " + std::to_string(t.count - t.rows.size()) + " more";
    return text;
}

void add_problem(check_report& report, std::string code, std::string file, std::size_t line, std::size_t row,
                 std::string column, std::string message, std::size_t count) {
    report.problems.push_back(
        {std::move(code), std::move(file), line, row, std::move(column), std::move(message), count});
}

std::string in_quotes(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text).push_back('\'');
    return quoted;
}

std::string braced(std::string_view name) {
    const bool mandatory = name.ends_with('%');
    if (mandatory) name.remove_suffix(1);
    if (name.starts_with('{') && name.ends_with('}')) return std::string(name) + (mandatory ? "%" : "");
    std::string cure(1, '{');
    cure.append(name.empty() ? "NAME" : name).push_back('}');
    if (mandatory) cure.push_back('%');
    return cure;
}

std::string fix_braces(std::string_view name) {
    const std::string cure = braced(name);
    return "give the column a braced name in rowcard.ini, such as " + cure + ", and write " + cure +
           " in master.vcf where the value belongs";
}

std::size_t fields_in(std::string_view line, char separator) {
    return 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), separator));
}

}  // namespace rowcard::checking
