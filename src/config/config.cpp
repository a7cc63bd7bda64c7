// Reading "rowcard.ini": every line is a file name, a separator or a column,
// told apart by its content alone.
#include "config/config.hpp"

#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

constexpr std::string_view TABLE_MARK = ".CSV";

// Returns the column that the upper-cased column line `upper` describes.
column_spec column_of(std::string_view upper) {
    column_spec column;
    column.name = trim_right(copy_left(upper, NAME_LEN));
    column.mandatory = !column.name.empty() && column.name.back() == '%';
    return column;
}

// Returns the kind of one line (with or without its line feed), given `upper`,
// the line upper-cased: a line holding ".csv" in any case names the table, a
// run of SEPARATOR_SET sets the separator, and every other line, an empty one
// too, is a column.
config_line_kind kind_of_line(std::string_view line, std::string_view upper) {
    if (find_text(upper, TABLE_MARK, 0) != NOT_FOUND) return config_line_kind::file_name;
    if (find_text(SEPARATOR_SET, without_line_feed(line), 0) != NOT_FOUND) return config_line_kind::separator;
    return config_line_kind::column;
}

// Applies `line` to `settings` as `apply_config_line` does, and returns its kind.
config_line_kind apply_line(conversion_settings& settings, std::string_view line) {
    std::string upper(line);
    upper_in_place(upper);
    const config_line_kind kind = kind_of_line(line, upper);
    switch (kind) {
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
    case config_line_kind::unread:
        break;
    }
    return kind;
}

// Lists the lines that `reader` still holds as unread; a read error ends the list.
void list_unread(text_reader& reader, config_listing& listing) {
    std::string line;
    while (read_line(reader, line)) {
        listing.lines.push_back({config_line_kind::unread, std::string(without_line_feed(line))});
    }
}

}  // namespace

bool apply_config_line(conversion_settings& settings, std::string_view line) {
    apply_line(settings, line);
    return settings.columns.size() < MAX_COLUMNS;
}

bool read_config(conversion_settings& settings, config_listing* listing) {
    text_reader reader;
    if (!open_for_reading(reader, std::string(CONFIG_NAME))) return true;
    if (listing != nullptr) listing->found = true;
    skip_signature(reader);
    std::string line;
    while (read_line(reader, line)) {
        const config_line_kind kind = apply_line(settings, line);
        if (listing != nullptr) listing->lines.push_back({kind, std::string(without_line_feed(line))});
        if (settings.columns.size() >= MAX_COLUMNS) break;
    }
    // Only what the run reads may fail it; the unread lines are listed after.
    const bool whole = !reader.failed;
    if (listing != nullptr) list_unread(reader, *listing);
    close_reader(reader);
    return whole;
}

}  // namespace rowcard
