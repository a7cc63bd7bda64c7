// rowcard-check's command line: its options, the one folder it may name, and
// the line that says what is wrong with it.
#include <filesystem>
#include <system_error>

#include "check/check.hpp"
#include "check/findings.hpp"

namespace rowcard {

check_command read_check_command(const std::vector<std::string>& arguments) {
    check_command command;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            command.action = check_action::help;
            return command;
        }
        if (argument == "--version") {
            command.action = check_action::version;
            return command;
        }
        if (argument == "--json") {
            command.json = true;
        } else if (argument.size() > 1 && argument.front() == '-') {
            command.action = check_action::bad_usage;
            command.error = "rowcard-check: unknown option '" + checking::shown(argument) +
                            "'; see rowcard-check --help\n";
            return command;
        } else if (command.folder_given) {
            command.action = check_action::bad_usage;
            command.error = "rowcard-check: one folder only, but '" + checking::shown(argument) + "' follows '" +
                            checking::shown(command.folder) + "'; see rowcard-check --help\n";
            return command;
        } else {
            command.folder = argument;
            command.folder_given = true;
        }
    }
    std::error_code error;
    if (command.folder_given && !std::filesystem::is_directory(command.folder, error)) {
        command.action = check_action::bad_usage;
        command.error = "rowcard-check: there is no folder '" + checking::shown(command.folder) +
                        "'; give the folder that holds rowcard.ini and master.vcf\n";
    }
    return command;
}

std::string cannot_enter(const std::string& folder) {
    return "rowcard-check: cannot enter the folder '" + checking::shown(folder) + "'\n";
}

}  // namespace rowcard
