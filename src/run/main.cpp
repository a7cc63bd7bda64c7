// The rowcard executable: arguments and environment are ignored.
#include "run/run.hpp"

int main() { return rowcard::run_conversion(); }
