// rowcard-check's command line: which argument decides, and the exact line
// that bad usage gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/check.hpp"
#include "support/files.hpp"

namespace rowcard {
namespace {

// Returns the command that `arguments` ask for.
check_command read(const std::vector<std::string>& arguments) { return read_check_command(arguments); }

TEST(CheckCommand, TheFirstDecidingArgumentWins) {
    EXPECT_EQ(read({}).action, check_action::report);
    EXPECT_FALSE(read({}).folder_given);
    EXPECT_EQ(read({"--json", "--help"}).action, check_action::help);
    EXPECT_EQ(read({"-h", "--bogus"}).action, check_action::help);
    EXPECT_EQ(read({"--version", "--help"}).action, check_action::version);
    // A bad argument before --help stops the reading there.
    const check_command bad = read({"--bogus", "--help"});
    EXPECT_EQ(bad.action, check_action::bad_usage);
    EXPECT_EQ(bad.error, "rowcard-check: unknown option '--bogus'; see rowcard-check --help\n");

    const std::filesystem::path folder = testing::make_scratch();
    const check_command json = read({"--json", folder.string()});
    EXPECT_EQ(json.action, check_action::report);
    EXPECT_TRUE(json.json);
    EXPECT_EQ(json.folder, folder.string());
    EXPECT_EQ(read({folder.string(), "b\t"}).error,
              "rowcard-check: one folder only, but 'b\\t' follows '" + folder.string() + "'; see rowcard-check --help\n");
    testing::remove_scratch(folder);
    // An empty argument names a folder too, and there is none by that name.
    EXPECT_EQ(read({""}).error,
              "rowcard-check: there is no folder ''; give the folder that holds rowcard.ini and master.vcf\n");
    EXPECT_EQ(cannot_enter("x"), "rowcard-check: cannot enter the folder 'x'\n");
}

}  // namespace
}  // namespace rowcard
