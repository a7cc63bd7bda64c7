// Shared by the fuzz targets: a private scratch folder for each fuzzing process,
// byte-exact file access, and the check that stops the fuzzer on a broken property.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

#include "config/config.hpp"

namespace rowcard::fuzz {

namespace fs = std::filesystem;

// Stops the run with `what` when a property does not hold; libFuzzer then keeps
// the input that broke it.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// The folder, made once per process, that holds every case this process lays.
// Nothing outside it is ever written; it is removed again when the process exits.
// The path is never destroyed, so that it is still there when the exit
// handler that removes the folder runs.
inline const fs::path& private_folder() {
    static const fs::path* const folder = [] {
        std::string pattern = (fs::temp_directory_path() / "rowcard-fuzz-XXXXXX").string();
        require(mkdtemp(pattern.data()) != nullptr, "cannot make a private scratch folder");
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(private_folder(), ignored);
        });
        return new fs::path(pattern);
    }();
    return *folder;
}

// Writes `bytes` to `path` exactly, creating or truncating it. Returns false
// when the file cannot be written (a folder in its place, say).
inline bool write_file(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// Returns the bytes of `path`; `found` tells whether it could be opened.
inline std::string read_file(const fs::path& path, bool& found) {
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    if (!found) return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Returns `data` of `size` bytes as a string of bytes.
inline std::string bytes_of(const unsigned char* data, std::size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

// Returns the part of `rest` before the first `mark` and moves `rest` past it;
// without a mark, all of `rest` is the part and `rest` becomes empty.
inline std::string_view take_part(std::string_view& rest, char mark) {
    const std::size_t at = rest.find(mark);
    const std::string_view part = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
    return part;
}

// Makes `folder` the working folder and returns the one it replaces, for
// `leave`: rowcard reads and writes relative to the working folder, while
// libFuzzer writes its findings relative to the one it was started in.
inline fs::path enter(const fs::path& folder) {
    fs::path previous = fs::current_path();
    fs::current_path(folder);
    return previous;
}
inline void leave(const fs::path& previous) { fs::current_path(previous); }

// Returns the settings that the "rowcard.ini" in `folder` gives, as rowcard
// reads them; a plain file must read without a read error.
inline conversion_settings settings_in(const fs::path& folder) {
    const fs::path previous = enter(folder);
    conversion_settings settings;
    const bool whole = read_config(settings);
    leave(previous);
    require(whole, "a plain configuration file reads with a read error");
    return settings;
}

// Parts of a fuzz input are split at this byte: a control character that no
// real configuration, table or template needs.
inline constexpr char PART_MARK = '\x1F';

}  // namespace rowcard::fuzz
