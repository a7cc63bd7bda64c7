// rowcard-check's view of values against their vCard property: an EMAIL line
// that gets a value without '@', a TEL line that gets one without a digit,
// judged on the line as rowcard fills it, row by row in the table's one walk.
#include <algorithm>
#include <iterator>
#include <utility>

#include "check/findings.hpp"
#include "run/run.hpp"
#include "text/text.hpp"

namespace rowcard::checking {
namespace {

// What the value of a property must hold: one of the bytes `any_of`, which
// the advice calls `needed`. A value without one is no address, or no number,
// to the phone or mail program that imports the card.
struct value_need {
    std::string_view property;
    std::string_view any_of;
    std::string_view needed;
    bool date = false;  // the whole value must be a date of the card's vCard version
};

constexpr value_need VALUE_NEEDS[] = {
    {"EMAIL", "@", "an '@'"},
    {"TEL", "0123456789", "a digit"},
    {"BDAY", "", "a date in a form its vCard version reads (19850412; --0412, a day without its year, in 4.0 only)",
     true},
};

// The vCard versions a card may name, as phones and mail programs read them.
constexpr std::string_view VERSIONS[] = {"2.1", "3.0", "4.0"};
// The vCard version of a template with no VERSION line, as readers take it.
constexpr std::string_view UNNAMED_VERSION = "2.1";

// True when `value` is a birthday that vCard `version` reads: a date in the
// basic form "19850412" or the extended "1985-04-12", maybe with a time after
// 'T'; in 4.0 also a day without its year, "--0412" or "--04-12". Empty is none.
bool date_fits(std::string_view value, std::string_view version) {
    const auto digits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (const std::size_t t = value.find('T'); t != std::string_view::npos) value = value.substr(0, t);
    if (value.starts_with("--")) {
        if (version != "4.0") return false;
        value.remove_prefix(2);
        return (value.size() == 4 && digits(value)) ||
               (value.size() == 5 && value[2] == '-' && digits(value.substr(0, 2)) && digits(value.substr(3)));
    }
    if (value.size() == 8) return digits(value);
    return value.size() == 10 && value[4] == '-' && value[7] == '-' && digits(value.substr(0, 4)) &&
           digits(value.substr(5, 2)) && digits(value.substr(8));
}

// Returns the value part of a template or card line: what follows its first
// ':', without the line feed and trailing spaces; empty without a ':'.
std::string_view value_part(std::string_view line) {
    const std::size_t colon = line.find(':');
    return colon == std::string_view::npos ? std::string_view() : trim_right(line.substr(colon + 1));
}

// True when `text` holds more than spaces.
bool has_content(std::string_view text) { return text.find_first_not_of(' ') != std::string_view::npos; }

// Returns the fixed text of the value part of template line `i` (from 0): the
// bytes after its first ':' that no placeholder of `report` covers.
std::string fixed_value_text(const check_report& report, std::string_view line, std::size_t i) {
    const std::size_t colon = line.find(':');
    std::string fixed;
    for (std::size_t at = colon + 1; at < line.size(); ++at) {
        bool covered = false;
        for (const placeholder_report& found : report.placeholders) {
            const std::size_t start = found.position - 1 - (found.word != 0 ? 1 : 0);
            covered |= found.line == i + 1 && start <= at &&
                       at < found.position - 1 + report.settings.columns[found.column].name.size();
        }
        if (!covered) fixed.push_back(line[at]);
    }
    return fixed;
}

}  // namespace

void scan_fit_lines(const check_report& report, const std::vector<std::string>& lines, fit_scan& scan) {
    scan.version = UNNAMED_VERSION;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = without_line_feed(lines[i]);
        const std::string property = property_of(line);
        if (property == "VERSION") scan.version = value_part(line), scan.version_line = i + 1;
        for (std::size_t need = 0; need < std::size(VALUE_NEEDS); ++need) {
            if (property != VALUE_NEEDS[need].property) continue;
            const std::string fixed = fixed_value_text(report, line, i);
            // Fixed text that holds what is needed makes every card fit.
            if (!VALUE_NEEDS[need].date && fixed.find_first_of(VALUE_NEEDS[need].any_of) != std::string::npos) continue;
            fit_line judged{i, need, {}, {}, has_content(fixed), {}, {}};
            for (const placeholder_report& found : report.placeholders) {
                if (found.line != i + 1 || found.position <= line.find(':') + 1) continue;
                if (judged.pieces.empty()) judged.column = report.settings.columns[found.column].name;
                judged.pieces.emplace_back(found.column, found.word);
            }
            // Only a line whose value is filled is judged: fixed text is the template's own choice.
            if (!judged.pieces.empty()) scan.lines.push_back(std::move(judged));
        }
    }
}

void check_fit(const std::vector<column_spec>& columns, const record_values& values,
               const std::vector<std::string>& lines, std::size_t row, fit_scan& scan) {
    // The values are judged as they go into the value part: each whole, or
    // the word its digit selects; filling the line is left for the example.
    for (fit_line& judged : scan.lines) {
        const value_need& need = VALUE_NEEDS[judged.need];
        bool content = need.date ? false : judged.fixed_content;
        bool fits = false;
        for (const auto& [column, word] : judged.pieces) {
            const std::string_view value = column < values.size() ? std::string_view(values[column]) : "";
            const std::string_view piece = word == 0 ? value : field_at(value, ' ', word - 1);
            content |= has_content(piece);
            fits |= !need.date && piece.find_first_of(need.any_of) != std::string_view::npos;
        }
        // An empty value leaves an empty property, which cards may have.
        if (fits || !content) continue;
        // A date is judged whole, with the fixed text around its values ("--" before a day of 4.0).
        if (need.date || judged.misfits.count == 0) {
            scan.filled = lines[judged.line];
            fill_line(scan.filled, columns, values, scan.fill);
        }
        if (need.date && date_fits(value_part(without_line_feed(scan.filled)), scan.version)) continue;
        if (judged.misfits.count == 0) judged.example = value_part(without_line_feed(scan.filled));
        add_row(judged.misfits, row);
    }
}

void report_fits(check_report& report, const fit_scan& scan) {
    for (const fit_line& judged : scan.lines) {
        if (judged.misfits.count == 0) continue;
        const value_need& need = VALUE_NEEDS[judged.need];
        add_problem(report, "value-misfit", report.table_name, 0, judged.misfits.rows.front(), judged.column,
                    "the " + std::string(need.property) + " line of master.vcf (line " +
                        std::to_string(judged.line + 1) + ") gets a value without " + std::string(need.needed) +
                        " (" + rows_of(judged.misfits) + "), such as " + in_quotes(judged.example) + " in row " +
                        std::to_string(judged.misfits.rows.front()) +
                        "; check that rowcard.ini lists the columns in the order of the table's fields, or correct "
                        "those values in the table",
                    judged.misfits.count);
    }
}

void report_version(check_report& report, const fit_scan& scan) {
    if (std::find(std::begin(VERSIONS), std::end(VERSIONS), scan.version) == std::end(VERSIONS)) {
        add_problem(report, "unknown-version", TEMPLATE_NAME, scan.version_line, 0, "",
                    "master.vcf says VERSION:" + scan.version +
                        ", which phones and mail programs may not read; write VERSION:2.1, 3.0 or 4.0, the one "
                        "whose forms its lines use",
                    1);
    }
}

}  // namespace rowcard::checking
