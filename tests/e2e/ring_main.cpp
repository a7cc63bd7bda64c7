// rowcard with every template read ahead made through the ring, where the
// system has one: the end-to-end tests run it beside the real tool, which
// takes whichever way it measures cheaper.
#include "run/run.hpp"

int main() { return rowcard::run_conversion(rowcard::template_reads::ring); }
