// rowcard-check's view of values against their vCard property: an EMAIL line
// that gets a value without '@', a TEL line that gets one without a digit,
// judged on the line as rowcard fills it, row by row in the table's one walk.
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
};

constexpr value_need VALUE_NEEDS[] = {
    {"EMAIL", "@", "an '@'"},
    {"TEL", "0123456789", "a digit"},
};

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
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = without_line_feed(lines[i]);
        const std::string property = property_of(line);
        for (std::size_t need = 0; need < std::size(VALUE_NEEDS); ++need) {
            if (property != VALUE_NEEDS[need].property) continue;
            const std::string fixed = fixed_value_text(report, line, i);
            // Fixed text that holds what is needed makes every card fit.
            if (fixed.find_first_of(VALUE_NEEDS[need].any_of) != std::string::npos) continue;
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
        const std::string_view needed = VALUE_NEEDS[judged.need].any_of;
        bool content = judged.fixed_content;
        bool fits = false;
        for (const auto& [column, word] : judged.pieces) {
            const std::string_view value = column < values.size() ? std::string_view(values[column]) : "";
            const std::string_view piece = word == 0 ? value : field_at(value, ' ', word - 1);
            content |= has_content(piece);
            fits |= piece.find_first_of(needed) != std::string_view::npos;
        }
        // An empty value leaves an empty property, which cards may have.
        if (fits || !content) continue;
        if (judged.misfits.count == 0) {
            scan.filled = lines[judged.line];
            fill_line(scan.filled, columns, values, scan.fill);
            judged.example = value_part(without_line_feed(scan.filled));
        }
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

}  // namespace rowcard::checking
