// Fuzzing "rowcard.ini": whatever the file holds, the settings read from it keep
// their limits, and a file with CR LF line ends configures as one with line feeds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config.hpp"
#include "fuzz/support.hpp"

namespace rowcard::fuzz {
namespace {

// Returns the settings that `read_config` makes of a "rowcard.ini" holding `bytes`.
conversion_settings settings_from(const std::string& bytes) {
    const fs::path& folder = private_folder();
    require(write_file(folder / std::string(CONFIG_NAME), bytes), "cannot lay rowcard.ini");
    return settings_in(folder);
}

// True when `s` holds no byte from 'a' to 'z'.
bool no_lower_case(const std::string& s) {
    for (const char c : s) {
        if (c >= 'a' && c <= 'z') return false;
    }
    return true;
}

// Checks what holds for settings read from any file.
void check_limits(const conversion_settings& settings) {
    require(settings.columns.size() <= MAX_COLUMNS, "more than MAX_COLUMNS columns");
    for (const column_spec& column : settings.columns) {
        const std::string& name = column.name;
        require(name.size() <= NAME_LEN, "a name longer than NAME_LEN");
        require(no_lower_case(name), "a name with a lower-case letter");
        require(name.find('\n') == std::string::npos, "a name holding a line feed");
        require(name.empty() || name.back() != ' ', "a name ending in a space");
        require(column.mandatory == (!name.empty() && name.back() == '%'), "mandatory mark not from '%'");
    }
    require(settings.input_base == settings.output_base, "table and output bases differ");
    require(settings.input_base.find('\n') == std::string::npos, "a base holding a line feed");
    require(settings.separator == ',' || SEPARATOR_SET.find(settings.separator) != std::string_view::npos,
            "a separator outside SEPARATOR_SET");
}

// True when `a` and `b` are the same settings.
bool same(const conversion_settings& a, const conversion_settings& b) {
    if (a.input_base != b.input_base || a.output_base != b.output_base || a.separator != b.separator ||
        a.columns.size() != b.columns.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.columns.size(); ++i) {
        if (a.columns[i].name != b.columns[i].name || a.columns[i].mandatory != b.columns[i].mandatory) {
            return false;
        }
    }
    return true;
}

// Returns `bytes` with every line feed written as CR LF.
std::string with_crlf(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

}  // namespace
}  // namespace rowcard::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rowcard::fuzz;
    const std::string bytes = bytes_of(data, size);
    const rowcard::conversion_settings settings = settings_from(bytes);
    check_limits(settings);
    // A CR of its own would turn into a different line once a line feed follows it.
    if (bytes.find('\r') == std::string::npos) {
        require(same(settings_from(with_crlf(bytes)), settings), "CR LF line ends configure differently");
    }
    return 0;
}
