// rowcard-check: reads a folder as rowcard would, predicts the cards and the exit
// status through rowcard's own routines, and reports the problems it sees.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/config.hpp"

namespace rowcard {

// Exit statuses of rowcard-check.
inline constexpr int CHECK_CLEAN = 0;     // no problem, and rowcard would exit 0
inline constexpr int CHECK_PROBLEMS = 1;  // problems found, and rowcard would exit 0
inline constexpr int CHECK_FAILS = 2;     // rowcard would fail or not finish; or the check ran out of memory
inline constexpr int CHECK_USAGE = 64;    // bad usage: an unknown option, a missing folder
inline constexpr int CHECK_UNWRITTEN = 74;  // the report, help or version did not reach standard output

// One line of "rowcard.ini" and what rowcard makes of it.
struct config_line_report {
    std::size_t line;  // 1 is the first line
    std::string kind;  // "file-name", "separator", "column" or "unread"
    std::string text;  // the line without its line feed
};

// A table row that rowcard drops, with its blank mandatory columns.
struct rejected_row {
    std::size_t row;  // line of the table file; 1 is the header
    std::vector<std::string> columns;
};

// A placeholder of the template that rowcard fills.
struct placeholder_report {
    std::size_t line;      // line of the template; 1 is the first
    std::size_t position;  // byte of the line where the name begins; 1 is the first
    std::size_t column;    // index into the columns
    std::size_t word;      // the word it selects, 0 for the whole value
};

// One problem: where it is, what rowcard will do and how to avoid it. `line`
// and `row` are 0 where they do not apply.
struct problem {
    std::string code;
    std::string file;
    std::size_t line = 0;
    std::size_t row = 0;
    std::string column;
    std::string message;
    std::size_t count = 1;          // rows or places it stands for
};

// Everything rowcard-check found in a folder.
struct check_report {
    conversion_settings settings;
    bool config_found = false;
    std::string config_unread;  // what stands at "rowcard.ini" when it is there but cannot be read; else empty
    std::vector<std::size_t> column_lines;  // the config line of each column
    std::vector<config_line_report> config_lines;

    std::string table_name;
    bool table_found = false;
    std::string table_unread;  // ... the table
    std::string encoding = "ascii";
    std::size_t rows = 0;  // records after the header
    std::size_t accepted = 0;
    std::size_t header_fields = 0;
    std::size_t fewest_fields = 0;
    std::size_t most_fields = 0;
    std::vector<rejected_row> rejected;

    bool template_found = false;
    std::string template_unread;  // ... "master.vcf"
    std::vector<placeholder_report> placeholders;

    std::string output_name;
    std::size_t cards = 0;     // cards rowcard would write
    bool output_made = false;  // rowcard would leave an output file, cards or none
    int status = 0;            // the exit status rowcard would give, when it finishes
    std::string stall;         // why rowcard would not finish by itself; empty when it would
    std::vector<problem> problems;
};

// Checks the working folder, reading exactly what rowcard would read there and
// never creating, changing or removing a file.
check_report check_folder();

// Returns the exit status of rowcard-check for `report`: CHECK_FAILS when
// rowcard would fail or not finish, else CHECK_PROBLEMS or CHECK_CLEAN.
int check_status(const check_report& report);

// Returns `report` as one JSON object. Bytes that are not UTF-8 are written as
// the code page 1250 letters they stand for.
std::string report_json(const check_report& report);

// Returns `report` for a person, in colour when `colour` is set, with a few
// examples of each kind of problem.
std::string report_text(const check_report& report, const std::string& folder, bool colour);

// Returns the first `most` problems of `report`, one line each ("  FILE, row R,
// column C: MESSAGE"), and a line that counts the rest; empty when there are
// none. Bytes that are not UTF-8 are shown as cp1250 letters.
std::string problems_in_brief(const check_report& report, std::size_t most);

// Returns the meaning of rowcard's exit status `status`.
std::string status_meaning(int status);

// What the command line asks of rowcard-check.
enum class check_action { report, help, version, bad_usage };

// rowcard-check's command line, read.
struct check_command {
    check_action action = check_action::report;
    bool json = false;          // --json: the report as one JSON object
    bool folder_given = false;  // a folder was named; else the working folder is checked
    bool colour = false;        // the report may be coloured: the main decides, as it owns the console
    std::string folder;
    std::string error;  // for bad usage: the line for stderr
};

// Reads the command line `arguments` (the program name left out). The first
// of --help, --version and a bad argument decides; without one, the report of
// the folder named, which must exist, or of the working folder. No argument
// asks for the report of the working folder.
check_command read_check_command(const std::vector<std::string>& arguments);

// Returns the line for stderr that says the folder `folder` cannot be entered.
std::string cannot_enter(const std::string& folder);

// Carries out `command` in the working folder, which the caller has made the
// folder named: prints the help, the version or the report on stdout, or the
// bad usage on stderr, and returns the exit status.
int run_check_command(const check_command& command);

}  // namespace rowcard
