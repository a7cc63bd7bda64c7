// rowcard-check's report for a script: one JSON object holding the settings,
// the lines of "rowcard.ini", the table, the template, the outcome and the problems.
#include "check/check.hpp"
#include "check/findings.hpp"
#include "text/codecs.hpp"

namespace rowcard {
namespace {

// Appends `text` to `out` as a JSON string. A byte from 0x80 up that starts
// no UTF-8 sequence is read as a letter of code page 1250, or as U+FFFD for
// the bytes the page leaves out.
void json_string(std::string& out, std::string_view text) {
    static constexpr char HEX[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b < 0x20) {
            out += "\\u00";
            out += HEX[b >> 4];
            out += HEX[b & 15];
        } else if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (const std::size_t taken = checking::append_letter(out, text, i); taken != 0) {
            i += taken - 1;
        } else {
            out += REPLACEMENT_UTF8;
        }
    }
    out += '"';
}

// Appends `number`, or null for 0, to `out`.
void json_number_or_null(std::string& out, std::size_t number) {
    out += number == 0 ? "null" : std::to_string(number);
}

// Appends `"key": ` to `out`.
void json_key(std::string& out, std::string_view key) {
    json_string(out, key);
    out += ": ";
}

// Appends `"key": "text"` to `out`, the text escaped as `json_string` does.
void json_text(std::string& out, std::string_view key, std::string_view text) {
    json_key(out, key);
    json_string(out, text);
}

// Appends the settings: the file names, the separator and every column, with
// the line of "rowcard.ini" that made it (null where unknown).
void json_settings(std::string& out, const check_report& report) {
    const conversion_settings& settings = report.settings;
    json_key(out, "settings");
    out += "{";
    json_text(out, "input", report.table_name);
    out += ", ";
    json_text(out, "output", report.output_name);
    out += ", ";
    json_text(out, "separator", std::string(1, settings.separator));
    out += ", ";
    json_key(out, "columns");
    out += "[";
    for (std::size_t p = 0; p < settings.columns.size(); ++p) {
        if (p > 0) out += ", ";
        out += "{\"position\": " + std::to_string(p + 1) + ", ";
        json_text(out, "name", settings.columns[p].name);
        out += std::string(", \"mandatory\": ") + (settings.columns[p].mandatory ? "true" : "false");
        out += ", \"config_line\": ";
        json_number_or_null(out, p < report.column_lines.size() ? report.column_lines[p] : 0);
        out += "}";
    }
    out += "]}, ";
}

// Appends every line of "rowcard.ini" with its kind.
void json_config_lines(std::string& out, const check_report& report) {
    json_key(out, "config_lines");
    out += "[";
    for (std::size_t i = 0; i < report.config_lines.size(); ++i) {
        const config_line_report& line = report.config_lines[i];
        if (i > 0) out += ", ";
        out += "{\"line\": " + std::to_string(line.line) + ", ";
        json_text(out, "kind", line.kind);
        out += ", ";
        json_text(out, "text", line.text);
        out += "}";
    }
    out += "], ";
}

// Appends the table's shape and its rejected rows.
void json_table(std::string& out, const check_report& report) {
    json_key(out, "table");
    out += std::string("{\"found\": ") + (report.table_found ? "true" : "false") + ", ";
    json_text(out, "encoding", report.encoding);
    out += ", \"rows\": " + std::to_string(report.rows) + ", \"accepted\": " + std::to_string(report.accepted);
    out += ", \"header_fields\": " + std::to_string(report.header_fields);
    out += ", \"fewest_fields\": " + std::to_string(report.fewest_fields);
    out += ", \"most_fields\": " + std::to_string(report.most_fields) + ", \"rejected\": [";
    for (std::size_t i = 0; i < report.rejected.size(); ++i) {
        if (i > 0) out += ", ";
        out += "{\"row\": " + std::to_string(report.rejected[i].row) + ", \"columns\": [";
        for (std::size_t k = 0; k < report.rejected[i].columns.size(); ++k) {
            if (k > 0) out += ", ";
            json_string(out, report.rejected[i].columns[k]);
        }
        out += "]}";
    }
    out += "]}, ";
}

// Appends the template's placeholders.
void json_template(std::string& out, const check_report& report) {
    json_key(out, "template");
    out += std::string("{\"found\": ") + (report.template_found ? "true" : "false") + ", \"placeholders\": [";
    for (std::size_t i = 0; i < report.placeholders.size(); ++i) {
        const placeholder_report& found = report.placeholders[i];
        if (i > 0) out += ", ";
        out += "{\"line\": " + std::to_string(found.line) + ", \"position\": " + std::to_string(found.position) + ", ";
        json_text(out, "column", report.settings.columns[found.column].name);
        out += ", \"word\": " + std::to_string(found.word) + "}";
    }
    out += "]}, ";
}

// Appends the problems, each with where it is (null where a part does not apply).
void json_problems(std::string& out, const check_report& report) {
    json_key(out, "problems");
    out += "[";
    for (std::size_t i = 0; i < report.problems.size(); ++i) {
        const problem& found = report.problems[i];
        if (i > 0) out += ", ";
        out += "{";
        json_text(out, "code", found.code);
        out += ", ";
        json_text(out, "file", found.file);
        out += ", \"line\": ";
        json_number_or_null(out, found.line);
        out += ", \"row\": ";
        json_number_or_null(out, found.row);
        out += ", \"column\": ";
        if (found.column.empty()) {
            out += "null";
        } else {
            json_string(out, found.column);
        }
        out += ", \"count\": " + std::to_string(found.count) + ", ";
        json_text(out, "message", found.message);
        out += "}";
    }
    out += "]";
}

}  // namespace

std::string report_json(const check_report& report) {
    std::string out = "{";
    json_settings(out, report);
    json_config_lines(out, report);
    json_table(out, report);
    json_template(out, report);
    out += "\"cards\": " + std::to_string(report.cards) + ", \"status\": " +
           (report.stall.empty() ? std::to_string(report.status) : "null") + ", ";
    json_problems(out, report);
    out += "}\n";
    return out;
}

}  // namespace rowcard
