// The rowcard-check executable: hands its arguments to check_main.
#include <string>
#include <vector>

#include "check/check.hpp"

int main(int argc, char** argv) { return rowcard::check_main(std::vector<std::string>(argv + 1, argv + argc)); }
