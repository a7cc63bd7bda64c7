// rowcard with its templates read through the ring and one failure of the ring
// injected, for the end-to-end tests: `rowcard_ring_faults KIND ROUND`, KIND one
// of submit, wait, stall, short, throw.
#include <cstdlib>
#include <cstring>

#include "run/run.hpp"

int main(int argc, char** argv) {
    if (argc != 3) return EXIT_FAILURE;
    rowcard::ring_faults faults;
    const auto round = static_cast<std::size_t>(std::strtoul(argv[2], nullptr, 10));
    if (std::strcmp(argv[1], "submit") == 0) faults.failed_submit = round;
    if (std::strcmp(argv[1], "wait") == 0) faults.failed_wait = round;
    if (std::strcmp(argv[1], "stall") == 0) faults.stalled_submit = round;
    if (std::strcmp(argv[1], "short") == 0) faults.short_submit = round;
    if (std::strcmp(argv[1], "throw") == 0) faults.thrown = round;
    return rowcard::run_conversion(rowcard::template_reads::ring, faults);
}
