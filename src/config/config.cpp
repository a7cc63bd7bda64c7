// Reading "rowcard.ini": every line is a file name, a separator or a column,
// told apart by its content alone.
#include "config/config.hpp"

#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

constexpr std::string_view TABLE_MARK = ".CSV";

// Returns `line` without one trailing line feed.
std::string_view without_line_feed(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    return line;
}

// Returns the column that the upper-cased column line `upper` describes.
column_spec column_of(std::string_view upper) {
    column_spec column;
    column.name = trim_right(copy_left(upper, NAME_LEN));
    column.mandatory = !column.name.empty() && column.name.back() == '%';
    return column;
}

}  // namespace

config_line_kind kind_of_config_line(std::string_view line, std::string_view upper) {
    if (find_text(upper, TABLE_MARK, 0) != NOT_FOUND) return config_line_kind::file_name;
    if (find_text(SEPARATOR_SET, without_line_feed(line), 0) != NOT_FOUND) return config_line_kind::separator;
    return config_line_kind::column;
}

bool apply_config_line(conversion_settings& settings, std::string_view line) {
    std::string upper(line);
    upper_in_place(upper);
    switch (kind_of_config_line(line, upper)) {
    case config_line_kind::file_name:
        settings.input_base = copy_left(line, static_cast<std::size_t>(find_text(upper, TABLE_MARK, 0)));
        settings.output_base = settings.input_base;
        break;
    case config_line_kind::separator:
        settings.separator = line.front();
        break;
    case config_line_kind::column:
        settings.columns.push_back(column_of(upper));
        break;
    }
    return settings.columns.size() < MAX_COLUMNS;
}

bool read_config(conversion_settings& settings) {
    text_reader reader;
    if (!open_for_reading(reader, std::string(CONFIG_NAME))) return true;
    skip_signature(reader);
    std::string line;
    while (read_line(reader, line) && apply_config_line(settings, line)) {
    }
    close_reader(reader);
    return !reader.failed;
}

}  // namespace rowcard
