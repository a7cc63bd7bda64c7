// rowcard with every template read made by plain calls: the end-to-end tests
// run it beside the real tool, which takes whichever way it measures cheaper.
#include "run/run.hpp"

int main() { return rowcard::run_conversion(rowcard::template_reads::plain); }
