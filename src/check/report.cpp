// rowcard-check's commands: what each prints and where, and its exit status.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "check/check.hpp"

#ifndef ROWCARD_VERSION
#define ROWCARD_VERSION "unknown"
#endif

namespace rowcard {
namespace {

constexpr std::string_view USAGE = "usage: rowcard-check [--json] [FOLDER]\n";

// Returns the help that follows the usage line, its exit statuses told from
// the constants that the program returns.
std::string help_text() {
    return "Says what rowcard will do in FOLDER (the current folder by default), and why:\n"
           "the settings as rowcard reads them, the table, the template's placeholders, the\n"
           "cards and the exit status rowcard would give, and the problems found, each with\n"
           "where it is and how to fix it. No file is created, changed or removed.\n"
           "\n"
           "  --json     print the report as one JSON object\n"
           "  --help     print this help\n"
           "  --version  print the version\n"
           "\n"
           "Exit status: " +
           std::to_string(CHECK_CLEAN) + " no problem, " + std::to_string(CHECK_PROBLEMS) + " problems found, " +
           std::to_string(CHECK_FAILS) + " rowcard would fail, " + std::to_string(CHECK_USAGE) +
           " bad usage,\n" + std::to_string(CHECK_UNWRITTEN) +
           " this output could not be written (a full disk, say).\n"
           "Colour is used on a terminal only, and never when NO_COLOR is set.\n";
}

// Writes `text` to `stream` whole.
void print(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

}  // namespace

int run_check_command(const check_command& command) {
    int status = CHECK_USAGE;
    switch (command.action) {
    case check_action::help:
        print(stdout, USAGE);
        print(stdout, help_text());
        return CHECK_CLEAN;
    case check_action::version:
        print(stdout, "rowcard-check " ROWCARD_VERSION "\n");
        return CHECK_CLEAN;
    case check_action::bad_usage:
        print(stderr, command.error);
        break;
    case check_action::report: {
        const check_report report = check_folder();
        print(stdout, command.json ? report_json(report)
                                   : report_text(report, command.folder_given ? command.folder : std::string("."),
                                                 command.colour));
        status = check_status(report);
        break;
    }
    }
    return status;
}

}  // namespace rowcard
