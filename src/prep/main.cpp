// The rowcard-prep executable: the arguments go to run_prep; on Windows a
// window opened just for it waits for Enter before it closes.
#include <string>
#include <vector>

#include "prep/prep.hpp"
#include "text/system.hpp"

int main(int argc, char** argv) {
    const int status = rowcard::run_prep(std::vector<std::string>(argv + (argc > 0), argv + argc));
    rowcard::wait_if_own_console(stdout);
    return status;
}
