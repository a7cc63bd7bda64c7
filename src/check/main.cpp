// The rowcard-check executable: hands its arguments to check_main, and says so
// in one line when memory runs out rather than aborting.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "check/check.hpp"

int main(int argc, char** argv) {
    try {
        return rowcard::check_main(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::fputs("rowcard-check: out of memory; free some memory, or check a smaller table\n", stderr);
        return rowcard::CHECK_FAILS;
    }
}
