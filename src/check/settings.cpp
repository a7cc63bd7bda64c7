// rowcard-check's view of "rowcard.ini": what each line is to rowcard, read
// once by rowcard's own `read_config`, and the column lines meant as comments.
#include "check/findings.hpp"

namespace rowcard::checking {
namespace {

// Returns the kind of a configuration line as the report names it.
std::string kind_name(config_line_kind kind) {
    switch (kind) {
    case config_line_kind::file_name: return "file-name";
    case config_line_kind::separator: return "separator";
    case config_line_kind::unread: return "unread";
    case config_line_kind::column: break;
    }
    return "column";
}

// True when a column line starts the way a comment does in other settings files.
bool looks_like_comment(std::string_view text) {
    return text.starts_with('#') || text.starts_with(';') || text.starts_with("//");
}

}  // namespace

void check_settings(check_report& report, read_facts& facts) {
    if (!safe_to_open(std::string(CONFIG_NAME))) return;
    config_listing listing;
    facts.settings_failed = !read_config(report.settings, &listing);
    report.config_found = listing.found;
    std::size_t number = 0;
    for (const config_line& line : listing.lines) {
        ++number;
        report.config_lines.push_back({number, kind_name(line.kind), line.text});
        if (line.kind != config_line_kind::column) continue;
        report.column_lines.push_back(number);
        if (!looks_like_comment(line.text)) continue;
        const std::size_t column = report.column_lines.size();
        add_problem(report, "column-looks-like-comment", std::string(CONFIG_NAME), number, 0,
                    report.settings.columns[column - 1].name,
                    "rowcard has no comments: it reads this line as column " + std::to_string(column) +
                        ", so every later column takes the next field of the table; delete the line, or keep a "
                        "field's place with a plain name");
    }
}

}  // namespace rowcard::checking
