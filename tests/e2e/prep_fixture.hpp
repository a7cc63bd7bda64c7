// End-to-end fixture for rowcard-prep: a fresh folder per test, rowcard-prep
// and rowcard run in it through the shell, and what they printed kept.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/fixture.hpp"
#include "support/files.hpp"

namespace rowcard::testing {

// Returns the path of rowcard-prep, which lies beside rowcard: on Windows it
// is found there at run time.
inline std::string prep_binary() {
    return (fs::path(rowcard_binary()).parent_path() / fs::path(PREP_BINARY).filename()).string();
}

class Prep : public ::testing::Test {
protected:
    void SetUp() override { root = testing::make_scratch(); }
    void TearDown() override { testing::remove_scratch(root); }

    // Runs `program` in `root` with `arguments`; returns its exit status and
    // keeps what it printed in `out` and `err`.
    int run(const std::string& program, const std::string& arguments) {
        const std::string out_file = (root / ".out").string();
        const std::string err_file = (root / ".err").string();
        const int status = run_program(root, program, arguments, out_file, err_file);
        out = read_file(out_file);
        err = read_file(err_file);
        fs::remove(out_file);
        fs::remove(err_file);
        return status;
    }
    int prep(const std::string& arguments) { return run(prep_binary(), arguments); }

    // The names in `folder`, sorted, one per line.
    std::string listing(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string text;
        for (const std::string& name : names) text += name + "\n";
        return text;
    }

    // Every file in `folder`, sorted, each as its name, a line feed and its
    // bytes; a folder in it as its name and a slash.
    std::string snapshot(const fs::path& folder) {
        std::string text;
        for (const std::string& name : lines_of(listing(folder))) {
            text += fs::is_directory(folder / name) ? name + "/\n" : name + "\n" + read_file(folder / name) + "\n";
        }
        return text;
    }

    // The lines of `text`, without their line feeds.
    static std::vector<std::string> lines_of(const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
            end = text.find('\n', at);
            lines.push_back(text.substr(at, end - at));
        }
        return lines;
    }

    fs::path root;
    std::string out;
    std::string err;
};

}  // namespace rowcard::testing
