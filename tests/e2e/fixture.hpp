// End-to-end fixture: a fresh folder per test, the real rowcard run in it, and
// a check after every test that the inputs it was given are byte for byte intact.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "run/run.hpp"
#include "support/files.hpp"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace rowcard::testing {

namespace fs = std::filesystem;

inline constexpr const char* MISSING = "<missing>";

class Rowcard : public ::testing::Test {
protected:
    void SetUp() override {
        root = make_scratch();
        work = root / "work";
        fs::create_directory(work);
    }

    void TearDown() override {
        for (const auto& [name, bytes] : inputs) EXPECT_EQ(read_file(work / name), bytes) << name;
        remove_scratch(root);
    }

    // Lays an input file; it must come through every run unchanged.
    void put(const std::string& name, const std::string& bytes) {
        write_file(work / name, bytes);
        inputs[name] = bytes;
    }

    // Runs rowcard in the work folder with `arguments` and returns its exit
    // status; fails the test if it printed anything.
    int run(const std::string& arguments = "") {
        const std::string out = (root / "stdout").string();
        const std::string err = (root / "stderr").string();
#ifdef _WIN32
        const std::string command = "cd /d \"" + work.string() + "\" && \"" ROWCARD_BINARY "\" " + arguments +
                                    " >\"" + out + "\" 2>\"" + err + "\"";
        const int status = std::system(("\"" + command + "\"").c_str());
#else
        const std::string command = "cd '" + work.string() + "' && '" ROWCARD_BINARY "' " + arguments + " >'" +
                                    out + "' 2>'" + err + "' </dev/null";
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        EXPECT_EQ(read_file(out), "");
        EXPECT_EQ(read_file(err), "");
        return status;
    }

    // Returns the bytes of a file in the work folder, or MISSING.
    std::string output(const std::string& name = "import.vcf") { return read_file(work / name); }

    fs::path root;
    fs::path work;
    std::map<std::string, std::string> inputs;
};

}  // namespace rowcard::testing
