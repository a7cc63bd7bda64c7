// The rowcard-check executable: reads its command line, enters the folder it
// names, runs the check there, and says so in one line when memory runs out
// rather than aborting.
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "check/check.hpp"

int main(int argc, char** argv) {
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
        return rowcard::run_check_command(command);
    } catch (const std::bad_alloc&) {
        std::fputs("rowcard-check: out of memory; free some memory, or check a smaller table\n", stderr);
        return rowcard::CHECK_FAILS;
    }
}
