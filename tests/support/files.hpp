// Test support: fresh scratch folders and whole-file reads and writes of bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rowcard::testing {

// A new empty folder under the system's temporary folder, removed again by
// `remove_scratch`.
std::filesystem::path make_scratch();
void remove_scratch(const std::filesystem::path& folder);

// Writes `bytes` to `path` exactly, creating or truncating it.
void write_file(const std::filesystem::path& path, std::string_view bytes);

// Returns the bytes of `path`, or "<missing>" when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// Makes the working directory `folder` for as long as it lives.
struct working_folder {
    explicit working_folder(const std::filesystem::path& folder);
    ~working_folder();
    working_folder(const working_folder&) = delete;
    working_folder& operator=(const working_folder&) = delete;
    std::filesystem::path previous;
};

}  // namespace rowcard::testing
