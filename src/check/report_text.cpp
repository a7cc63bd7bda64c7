// rowcard-check's report for a person: the settings, table, template and
// outcome in turn, then a few examples of each kind of problem.
#include <algorithm>
#include <map>
#include <string_view>

#include "check/check.hpp"
#include "check/findings.hpp"

namespace rowcard {
namespace checking {

std::string shown(std::string_view text) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\t') {
            out += "\\t";
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else if (const std::size_t taken = b >= 0x80 ? append_letter(out, text, i) : 0; taken != 0) {
            i += taken - 1;
        } else {
            out += "\\x";
            out += HEX[b >> 4];
            out += HEX[b & 15];
        }
    }
    return out;
}

}  // namespace checking

namespace {

using checking::shown;

// Problems of one code shown to a person; the rest are counted.
constexpr std::size_t PROBLEMS_SHOWN = 3;
// Rejected rows listed to a person; the rest are counted.
constexpr std::size_t REJECTED_SHOWN = 5;

// Terminal colours, or nothing when colour is off.
struct paint {
    std::string_view heading;
    std::string_view bad;
    std::string_view off;
};

// Returns `text` as a heading line in the colours `ink`.
std::string heading(const paint& ink, std::string_view text) {
    return std::string(ink.heading) + std::string(text) + std::string(ink.off) + "\n";
}

// Returns where `found` is, as "FILE, line L, row R, column C", each part only
// where it applies.
std::string place_of(const problem& found) {
    std::string place = shown(found.file);
    if (found.line != 0) place += ", line " + std::to_string(found.line);
    if (found.row != 0) place += ", row " + std::to_string(found.row);
    if (!found.column.empty()) place += ", column " + shown(found.column);
    return place;
}

// Returns the line that says why an input was not read, from what stands
// there (`what`), which is empty when nothing does.
std::string unread_line(const std::string& what) {
    return what.empty() ? "  not there\n" : "  there, but not read: it is " + shown(what) + "\n";
}

// Returns the settings part: each line of "rowcard.ini" and what it set.
std::string settings_part(const check_report& report, const paint& ink) {
    const conversion_settings& settings = report.settings;
    std::string out = heading(ink, report.config_found             ? "Settings (rowcard.ini)"
                                   : report.config_unread.empty() ? "Settings (no rowcard.ini: the defaults)"
                                                                  : "Settings (rowcard.ini is " +
                                                                        shown(report.config_unread) +
                                                                        ", not read: the defaults)");
    std::size_t column = 0;
    for (const config_line_report& line : report.config_lines) {
        out += "  line " + std::to_string(line.line) + ": " + line.kind;
        if (line.kind == "column") {
            const column_spec& described = settings.columns[column++];
            out += ' ';
            out += std::to_string(column) + ", named " + shown(described.name);
            if (described.mandatory) out += ", mandatory";
        } else {
            out += ", '" + shown(line.text) + "'";
        }
        out += "\n";
    }
    out += "  table " + shown(report.table_name) + ", output " + shown(report.output_name) + ", separator '" +
           shown(std::string(1, settings.separator)) + "'" + ", " + std::to_string(settings.columns.size()) +
           " columns\n\n";
    return out;
}

// Returns the table part: its shape, and the first rejected rows.
std::string table_part(const check_report& report, const paint& ink) {
    std::string out = heading(ink, "Table (" + shown(report.table_name) + ")");
    if (!report.table_found) return out + unread_line(report.table_unread) + "\n";
    out += "  encoding " + report.encoding + "; " + std::to_string(report.rows) +
           (report.rows == 1 ? " row" : " rows") + " after the header; " + std::to_string(report.header_fields) +
           " fields in the header, " + std::to_string(report.fewest_fields) + " to " +
           std::to_string(report.most_fields) + " per row\n";
    out += "  " + std::to_string(report.accepted) + " accepted, " + std::to_string(report.rejected.size()) +
           " rejected\n";
    for (std::size_t i = 0; i < report.rejected.size() && i < REJECTED_SHOWN; ++i) {
        out += "  row " + std::to_string(report.rejected[i].row) + ": blank";
        for (const std::string& name : report.rejected[i].columns) {
            out += ' ';
            out += shown(name);
        }
        out += "\n";
    }
    if (report.rejected.size() > REJECTED_SHOWN) {
        out += "  and " + std::to_string(report.rejected.size() - REJECTED_SHOWN) + " more\n";
    }
    return out + "\n";
}

// Returns the template part: each placeholder and what it fills in.
std::string template_part(const check_report& report, const paint& ink) {
    std::string out = heading(ink, "Template (master.vcf)");
    if (!report.template_found) out += unread_line(report.template_unread);
    for (const placeholder_report& found : report.placeholders) {
        out += "  line " + std::to_string(found.line) + ", byte " + std::to_string(found.position) + ": " +
               shown(report.settings.columns[found.column].name) +
               (found.word == 0 ? ", the whole value" : ", word " + std::to_string(found.word)) + "\n";
    }
    return out + "\n";
}

// Returns the problems part: the first PROBLEMS_SHOWN of each code, and a
// line that counts the rest of that code.
std::string problems_part(const check_report& report, const paint& ink) {
    if (report.problems.empty()) return heading(ink, "No problems");
    std::string out = heading(ink, "Problems (" + std::to_string(report.problems.size()) + ")");
    // Each code counted in one pass: a long template can give a problem on
    // every line, and the list must not be walked again for each of them.
    std::map<std::string_view, std::size_t> of_code;
    for (const problem& found : report.problems) ++of_code[found.code];
    std::map<std::string_view, std::size_t> told;
    for (const problem& found : report.problems) {
        const std::size_t same_before = told[found.code]++;
        const std::size_t same = of_code[found.code];
        if (same_before >= PROBLEMS_SHOWN) continue;
        out += "  " + place_of(found) + ": " + std::string(ink.bad) + found.code + std::string(ink.off) + "\n    " +
               shown(found.message) + "\n";
        if (same_before + 1 == PROBLEMS_SHOWN && same > PROBLEMS_SHOWN) {
            out += "  and " + std::to_string(same - PROBLEMS_SHOWN) + " more " + found.code + "\n";
        }
    }
    return out;
}

}  // namespace

std::string report_text(const check_report& report, const std::string& folder, bool colour) {
    const paint ink = colour ? paint{"\x1b[1m", "\x1b[31m", "\x1b[0m"} : paint{"", "", ""};
    return "rowcard-check " + shown(folder) + "\n\n" + settings_part(report, ink) + table_part(report, ink) +
           template_part(report, ink) + heading(ink, "What rowcard would do") + "  " +
           shown(checking::outcome_text(report)) + "\n\n" + problems_part(report, ink);
}

std::string problems_in_brief(const check_report& report, std::size_t most) {
    std::string out;
    const std::size_t shown_here = std::min(most, report.problems.size());
    for (std::size_t i = 0; i < shown_here; ++i) {
        const problem& found = report.problems[i];
        out += "  " + place_of(found) + ": " + shown(found.message) + "\n";
    }
    if (report.problems.size() > shown_here) {
        out += "  and " + std::to_string(report.problems.size() - shown_here) + " more\n";
    }
    return out;
}

}  // namespace rowcard
