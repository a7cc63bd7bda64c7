// The rowcard-check executable: hands its arguments to check_main, says so in
// one line when memory runs out rather than aborting, and on Windows keeps a
// window opened just for it until Enter is pressed.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "check/check.hpp"
#include "text/system.hpp"

int main(int argc, char** argv) {
    int status = rowcard::CHECK_FAILS;
    try {
        status = rowcard::check_main(std::vector<std::string>(argv + (argc > 0), argv + argc));
    } catch (const std::bad_alloc&) {
        std::fputs("rowcard-check: out of memory; free some memory, or check a smaller table\n", stderr);
    }
    rowcard::wait_if_own_console(stderr);
    return status;
}
