// The rowcard-check executable: reads its command line, enters the folder it
// names, runs the check there, says so in one line when memory runs out rather
// than aborting, on Windows keeps a window opened just for it until Enter, and
// fails when what it printed never reached standard output.
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "check/check.hpp"
#include "text/system.hpp"

int main(int argc, char** argv) {
    int status = rowcard::CHECK_FAILS;
    try {
        rowcard::check_command command = rowcard::read_check_command(std::vector<std::string>(argv + 1, argv + argc));
        if (command.action == rowcard::check_action::report && command.folder_given) {
            std::error_code error;
            std::filesystem::current_path(command.folder, error);
            if (error) {
                command.action = rowcard::check_action::bad_usage;
                command.error = rowcard::cannot_enter(command.folder);
            }
        }
        if (command.action == rowcard::check_action::report && !command.json) {
            command.colour = rowcard::colour_console();
        }
        status = rowcard::run_check_command(command);
    } catch (const std::bad_alloc&) {
        std::fputs("rowcard-check: out of memory; free some memory, or check a smaller table\n", stderr);
    }
    rowcard::wait_if_own_console(stderr);
    if (!rowcard::close_standard_output()) {
        std::fputs("rowcard-check: what it printed did not all reach standard output (a full disk?); free some "
                   "space, or send the output elsewhere\n",
                   stderr);
        status = rowcard::CHECK_UNWRITTEN;
    }
    return status;
}
