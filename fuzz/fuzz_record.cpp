// Fuzzing record values: any table line, separator and choice of mandatory
// columns gives one clean value per column and the verdict those values call for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config.hpp"
#include "fuzz/support.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard::fuzz {
namespace {

// Bytes at the front of an input that set up the columns; the rest is the line.
constexpr std::size_t SETUP_BYTES = 3;

// True for the bytes a cleaned value may hold: ASCII letters, digits, space,
// '@', '+' and '.', and in an e-mail address (`address`: it holds '@') '-' and '_'.
bool allowed(unsigned char b, bool address) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == ' ' ||
           b == '@' || b == '+' || b == '.' || (address && (b == '-' || b == '_'));
}

// Checks the values and the verdict that a line gave under `settings`.
void check_record(const conversion_settings& settings, const record_values& values, bool accepted) {
    require(values.size() == settings.columns.size(), "not one value per column");
    bool blank_mandatory = false;
    for (std::size_t p = 0; p < values.size(); ++p) {
        const std::string& value = values[p];
        require(value.size() <= VALUE_LEN, "a value longer than VALUE_LEN");
        const bool address = value.find('@') != std::string::npos;
        for (const char c : value) {
            require(allowed(static_cast<unsigned char>(c), address), "a value with a dropped byte");
        }
        if (settings.columns[p].mandatory && (value.empty() || value.front() == ' ')) blank_mandatory = true;
    }
    require(accepted == !blank_mandatory, "verdict not from the mandatory values");
}

}  // namespace
}  // namespace rowcard::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rowcard;
    using namespace rowcard::fuzz;
    if (size < SETUP_BYTES) return 0;
    conversion_settings settings;
    settings.separator = static_cast<char>(data[0]);
    const std::size_t count = data[1] % (MAX_COLUMNS + 1);
    for (std::size_t p = 0; p < count; ++p) {
        const bool mandatory = ((data[2] >> (p % 8)) & 1U) != 0;
        settings.columns.push_back({mandatory ? "C%" : "C", mandatory});
    }
    const std::string line = bytes_of(data + SETUP_BYTES, size - SETUP_BYTES);

    record_values values;
    const bool accepted = take_record(line, settings, values);
    check_record(settings, values, accepted);
    if (count == 0) require(accepted && values.empty(), "no columns, yet values or a rejection");

    // Storage reused from an earlier, longer record keeps nothing of it.
    record_values reused(count, std::string(VALUE_LEN, 'X'));
    require(take_record(line, settings, reused) == accepted && reused == values,
            "an earlier record shows through reused storage");

    // The line feed that ends a line read from the table ends its last field.
    if (line.find('\n') == std::string::npos) {
        record_values fed;
        require(take_record(line + "\n", settings, fed) == accepted && fed == values,
                "a final line feed changes the record");
    }
    return 0;
}
