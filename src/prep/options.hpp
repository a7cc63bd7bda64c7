// rowcard-prep's command line: the options it takes, its usage and help, and
// the arguments taken apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "prep/prep.hpp"

namespace rowcard {

// The program's name, as its messages begin.
inline constexpr std::string_view PREP_PROGRAM = "rowcard-prep";

// Takes the command line `arguments` (without the program's name) apart into
// `options`. Returns an empty string, or the one line that says what is wrong
// with it. No arguments: "name the export to read".
std::string parse_arguments(const std::vector<std::string>& arguments, prep_options& options);

// Returns the usage line and the help, each exit status told by its constant.
std::string prep_help();

}  // namespace rowcard
