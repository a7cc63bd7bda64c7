// Test support: scratch folders and byte-exact file access.
#include "support/files.hpp"

#include <fstream>
#include <iterator>
#include <random>

namespace rowcard::testing {

std::filesystem::path make_scratch() {
    std::random_device entropy;
    for (;;) {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("rowcard-test-" + std::to_string(entropy()) + std::to_string(entropy()));
        if (std::filesystem::create_directory(folder)) return folder;
    }
}

void remove_scratch(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    // Windows refuses to delete a read-only file: make every file writable first.
    for (fs::recursive_directory_iterator it(folder, ignored), end; it != end; it.increment(ignored)) {
        if (it->is_symlink(ignored)) continue;
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, ignored);
}

void write_file(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

working_folder::working_folder(const std::filesystem::path& folder)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

working_folder::~working_folder() { std::filesystem::current_path(previous); }

}  // namespace rowcard::testing
