// The run's settings and "rowcard.ini", the file that sets them: table name,
// field separator and the ordered columns with their placeholder names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rowcard {

// The settings file, looked for in the working directory.
inline constexpr std::string_view CONFIG_NAME = "rowcard.ini";
// Longest placeholder name: longer column lines are cut, as they always were.
inline constexpr std::size_t NAME_LEN = 20;
// Most columns a table may have; column lines after the last are not read.
inline constexpr std::size_t MAX_COLUMNS = 51;
// A line made of a run of these characters sets the separator to its first one.
inline constexpr std::string_view SEPARATOR_SET = "|!/#$&?=-+,.:;<>()[]{}";
// The separators that spreadsheets and address books write, in the order ties are settled.
inline constexpr std::string_view EXPORT_SEPARATORS = ",;\t|";

// One column of the table, in the order of the table's fields.
struct column_spec {
    std::string name;        // placeholder name: upper case, possibly empty
    bool mandatory = false;  // the name ends in '%': a blank value drops the record
};

// Everything a run is told; the defaults stand where "rowcard.ini" is silent.
struct conversion_settings {
    std::string input_base = "import";   // the table is input_base + ".csv"
    std::string output_base = "import";  // the cards go to output_base + ".vcf"
    char separator = ',';
    std::vector<column_spec> columns;
};

// What a line of "rowcard.ini" is to the run: the three kinds it reads, and
// `unread` for a line after the last column, which the run never looks at.
enum class config_line_kind { file_name, separator, column, unread };

// One line of "rowcard.ini" as the run took it.
struct config_line {
    config_line_kind kind = config_line_kind::column;
    std::string text;  // the line without its line feed
};

// What `read_config` saw, for a caller that explains the file line by line.
struct config_listing {
    bool found = false;              // the file opened
    std::vector<config_line> lines;  // every line of the file, the unread ones too
};

// Applies one line of "rowcard.ini" (with or without its line feed) to
// `settings`: a line holding ".csv" in any case names the table, a run of
// SEPARATOR_SET sets the separator, any other line, empty ones too, adds a
// column. Returns false once MAX_COLUMNS columns are held: read no further.
bool apply_config_line(conversion_settings& settings, std::string_view line);

// Reads "rowcard.ini" into `settings`; a file that cannot be opened leaves them
// as they are. Returns false when a read error cut the file short; what was
// read before it stands. Given a `listing`, also says whether the file opened
// and lists every line with its kind, reading on past the last column for the
// unread lines; a read error there does not change what is returned.
[[nodiscard]] bool read_config(conversion_settings& settings, config_listing* listing = nullptr);

}  // namespace rowcard
