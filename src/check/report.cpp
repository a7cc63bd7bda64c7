// rowcard-check's words: the report as JSON and for a person, and the command
// line: options, the folder and colour.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "check/check.hpp"
#include "check/findings.hpp"
#include "run/run.hpp"
#include "text/codecs.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
// Older Windows headers lack the console mode that lets escape codes colour text.
#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif
#else
#include <unistd.h>
#endif

#ifndef ROWCARD_VERSION
#define ROWCARD_VERSION "unknown"
#endif

namespace rowcard {
namespace {

// Problems of one code shown to a person; the rest are counted.
constexpr std::size_t PROBLEMS_SHOWN = 3;
// Rejected rows listed to a person; the rest are counted.
constexpr std::size_t REJECTED_SHOWN = 5;

constexpr std::string_view USAGE = "usage: rowcard-check [--json] [FOLDER]\n";

constexpr std::string_view HELP =
    "Says what rowcard will do in FOLDER (the current folder by default), and why:\n"
    "the settings as rowcard reads them, the table, the template's placeholders, the\n"
    "cards and the exit status rowcard would give, and the problems found, each with\n"
    "where it is and how to fix it. No file is created, changed or removed.\n"
    "\n"
    "  --json     print the report as one JSON object\n"
    "  --help     print this help\n"
    "  --version  print the version\n"
    "\n"
    "Exit status: 0 no problem, 1 problems found, 2 rowcard would fail, 64 bad usage.\n"
    "Colour is used on a terminal only, and never when NO_COLOR is set.\n";

// Appends `text` to `out` as a JSON string. A byte from 0x80 up that starts
// no UTF-8 sequence is read as a letter of code page 1250.
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
        } else if (const std::size_t length = utf8_length(text.substr(i)); length != 0) {
            out.append(text.substr(i, length));
            i += length - 1;
        } else if (!checking::append_cp1250(out, b)) {
            out += "\ufffd";
        }
    }
    out += '"';
}

// Returns `text` for a terminal: a byte that is no UTF-8 as its code page 1250
// letter, and control bytes, tabs among them, as \t or \xNN.
std::string shown(std::string_view text) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b >= 0x80 ? utf8_length(text.substr(i)) : 1;
        if (b == '\t') {
            out += "\\t";
        } else if (b >= 0x20 && b != 0x7F && length != 0) {
            out.append(text.substr(i, length));
            i += length - 1;
        } else if (b < 0x80 || !checking::append_cp1250(out, b)) {
            out += "\\x";
            out += HEX[b >> 4];
            out += HEX[b & 15];
        }
    }
    return out;
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

// Terminal colours, or nothing when colour is off.
struct paint {
    std::string_view heading;
    std::string_view bad;
    std::string_view off;
};

// Returns whether stdout is a terminal that may take colour.
bool colour_wanted() {
    if (std::getenv("NO_COLOR") != nullptr) return false;
#ifdef _WIN32
    if (_isatty(_fileno(stdout)) == 0) return false;
    const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) != 0 &&
           SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

// Writes `text` to `stream` whole.
void print(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

// Returns where `found` is, as "FILE, line L, row R, column C", each part only
// where it applies.
std::string place_of(const problem& found) {
    std::string place = shown(found.file);
    if (found.line != 0) place += ", line " + std::to_string(found.line);
    if (found.row != 0) place += ", row " + std::to_string(found.row);
    if (!found.column.empty()) place += ", column " + shown(found.column);
    return place;
}

}  // namespace

std::string report_json(const check_report& report) {
    const conversion_settings& settings = report.settings;
    std::string out = "{";
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
    json_key(out, "template");
    out += std::string("{\"found\": ") + (report.template_found ? "true" : "false") + ", \"placeholders\": [";
    for (std::size_t i = 0; i < report.placeholders.size(); ++i) {
        const placeholder_report& found = report.placeholders[i];
        if (i > 0) out += ", ";
        out += "{\"line\": " + std::to_string(found.line) + ", \"position\": " + std::to_string(found.position) + ", ";
        json_text(out, "column", settings.columns[found.column].name);
        out += ", \"word\": " + std::to_string(found.word) + "}";
    }
    out += "]}, ";
    out += "\"cards\": " + std::to_string(report.cards) + ", \"status\": " +
           (report.stall.empty() ? std::to_string(report.status) : "null") + ", ";
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
    out += "]}\n";
    return out;
}

std::string report_text(const check_report& report, const std::string& folder, bool colour) {
    const paint ink = colour ? paint{"\x1b[1m", "\x1b[31m", "\x1b[0m"} : paint{"", "", ""};
    const conversion_settings& settings = report.settings;
    const auto heading = [&ink](std::string_view text) {
        return std::string(ink.heading) + std::string(text) + std::string(ink.off) + "\n";
    };
    std::string out = "rowcard-check " + shown(folder) + "\n\n";

    out += heading(report.config_found ? "Settings (rowcard.ini)" : "Settings (no rowcard.ini: the defaults)");
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

    out += heading("Table (" + shown(report.table_name) + ")");
    if (!report.table_found) {
        out += "  cannot be opened\n";
    } else {
        out += "  encoding " + report.encoding + "; " + std::to_string(report.rows) + (report.rows == 1 ? " row" : " rows") + " after the header; " +
               std::to_string(report.header_fields) + " fields in the header, " +
               std::to_string(report.fewest_fields) + " to " + std::to_string(report.most_fields) + " per row\n";
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
    }
    out += "\n";

    out += heading("Template (master.vcf)");
    if (!report.template_found) out += "  cannot be opened\n";
    for (const placeholder_report& found : report.placeholders) {
        out += "  line " + std::to_string(found.line) + ", byte " + std::to_string(found.position) + ": " +
               shown(settings.columns[found.column].name) +
               (found.word == 0 ? ", the whole value" : ", word " + std::to_string(found.word)) + "\n";
    }
    out += "\n";

    out += heading("What rowcard would do");
    out += "  " + shown(checking::outcome_text(report)) + "\n\n";

    if (report.problems.empty()) {
        out += heading("No problems");
        return out;
    }
    out += heading("Problems (" + std::to_string(report.problems.size()) + ")");
    for (std::size_t i = 0; i < report.problems.size(); ++i) {
        const problem& found = report.problems[i];
        std::size_t same_before = 0;
        std::size_t same = 0;
        for (std::size_t k = 0; k < report.problems.size(); ++k) {
            if (report.problems[k].code != found.code) continue;
            same_before += k < i;
            ++same;
        }
        if (same_before >= PROBLEMS_SHOWN) continue;
        out += "  " + place_of(found) + ": " + std::string(ink.bad) + found.code + std::string(ink.off) + "\n    " + shown(found.message) + "\n";
        if (same_before + 1 == PROBLEMS_SHOWN && same > PROBLEMS_SHOWN) {
            out += "  and " + std::to_string(same - PROBLEMS_SHOWN) + " more " + found.code + "\n";
        }
    }
    return out;
}

int check_main(const std::vector<std::string>& arguments) {
    bool json = false;
    std::string folder;
    bool folder_given = false;
    int status = CHECK_CLEAN;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            print(stdout, USAGE);
            print(stdout, HELP);
            return CHECK_CLEAN;
        }
        if (argument == "--version") {
            print(stdout, "rowcard-check " ROWCARD_VERSION "\n");
            return CHECK_CLEAN;
        }
        if (argument == "--json") {
            json = true;
        } else if (argument.size() > 1 && argument.front() == '-') {
            print(stderr, "rowcard-check: unknown option '" + shown(argument) + "'; see rowcard-check --help\n");
            status = CHECK_USAGE;
        } else if (folder_given) {
            print(stderr, "rowcard-check: one folder only, but '" + shown(argument) + "' follows '" +
                              shown(folder) + "'; see rowcard-check --help\n");
            status = CHECK_USAGE;
        } else {
            folder = argument;
            folder_given = true;
        }
        if (status == CHECK_USAGE) break;
    }
    std::error_code error;
    if (status != CHECK_USAGE && folder_given) {
        if (!std::filesystem::is_directory(folder, error)) {
            print(stderr, "rowcard-check: there is no folder '" + shown(folder) +
                              "'; give the folder that holds rowcard.ini and master.vcf\n");
            status = CHECK_USAGE;
        } else {
            std::filesystem::current_path(folder, error);
            if (error) {
                print(stderr, "rowcard-check: cannot enter the folder '" + shown(folder) + "'\n");
                status = CHECK_USAGE;
            }
        }
    }
    if (status != CHECK_USAGE) {
        const check_report report = check_folder();
        print(stdout, json ? report_json(report)
                           : report_text(report, folder_given ? folder : std::string("."), colour_wanted()));
        status = check_status(report);
    }
    return status;
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
