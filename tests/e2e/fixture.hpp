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

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace rowcard::testing {

namespace fs = std::filesystem;

inline constexpr const char* MISSING = "<missing>";

// Runs `program` with `arguments` in `folder`, with no input and its output in
// `out_file` and `err_file`, and returns its exit status (-1: it did not end
// by itself, or never started).
inline int run_program(const fs::path& folder, const std::string& program, const std::string& arguments,
                       const std::string& out_file, const std::string& err_file) {
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of the whole command, so it
    // is wrapped in one more pair.
    const std::string command = "\"cd /d \"" + folder.string() + "\" && \"" + program + "\" " + arguments +
                                " >\"" + out_file + "\" 2>\"" + err_file + "\" <NUL\"";
    // Under wine the command processor now and then fails to start at all
    // (-1), or to start the program it was given (9009, "not recognized"),
    // each seen once in some thousand runs; nothing ran, so it is asked again.
    constexpr int NOT_STARTED = 9009;
    int status = std::system(command.c_str());
    for (int again = 0; again < 3 && (status == -1 || status == NOT_STARTED); ++again) {
        status = std::system(command.c_str());
    }
    return status;
#else
    const std::string command = "cd '" + folder.string() + "' && '" + program + "' " + arguments + " >'" +
                                out_file + "' 2>'" + err_file + "' </dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

// Returns the path of the rowcard binary. On Windows it lies beside the test
// program, found at run time, so that no build-host path is compiled in.
inline std::string rowcard_binary() {
#ifdef _WIN32
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    return (fs::path(self).parent_path() / ROWCARD_BINARY).string();
#else
    return ROWCARD_BINARY;
#endif
}

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

    // Lays the smallest table and template that give one card: "A", then the
    // empty line that ends it.
    void put_one_record() {
        put("import.csv", "h\n1\n");
        put("master.vcf", "A\n");
    }

    // Runs rowcard in the work folder with `arguments` and returns its exit
    // status; fails the test if it printed anything.
    int run(const std::string& arguments = "") {
        const std::string out = (root / "stdout").string();
        const std::string err = (root / "stderr").string();
        const int status = run_program(work, rowcard_binary(), arguments, out, err);
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
