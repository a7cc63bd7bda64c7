// The rowcard-prep executable: the arguments go to start_prep, the working
// folder becomes FOLDER for finish_prep, on Windows a window opened just for
// it waits for Enter before it closes, and a report that never reached
// standard output is a failure.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "prep/prep.hpp"
#include "text/system.hpp"

int main(int argc, char** argv) {
    const rowcard::prep_request request = rowcard::start_prep(std::vector<std::string>(argv + (argc > 0), argv + argc));
    int status = request.status;
    if (request.enter) {
        std::error_code entered;
        std::filesystem::current_path(request.folder, entered);
        status = rowcard::finish_prep(request, entered);
    }
    rowcard::wait_if_own_console(stdout);
    if (!rowcard::close_standard_output()) {
        std::fputs("rowcard-prep: what it printed did not all reach standard output (a full disk?); the files in "
                   "FOLDER are as the run left them; send the output elsewhere to read the report\n",
                   stderr);
        status = rowcard::PREP_UNWRITTEN;
    }
    return status;
}
