// Fuzzing template filling: columns named by configuration lines, values cleaned
// from a table line, and any template line; filling ends within its bound, keeps
// the line's line feeds, ignores the letter case of the template, and a
// line filled through a plan, or as a card, comes out as `fill_line` fills it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config.hpp"
#include "fuzz/support.hpp"
#include "record/record.hpp"
#include "template/fill.hpp"
#include "template/plan.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard::fuzz {
namespace {

// Returns how often `c` occurs in `s`.
std::size_t count_of(const std::string& s, char c) {
    std::size_t count = 0;
    for (const char b : s) count += b == c ? 1 : 0;
    return count;
}

// Returns `s` with its ASCII letters upper-cased.
std::string upper(std::string s) {
    upper_in_place(s);
    return s;
}

// Returns the longest line that filling `line` may give: each column may fill
// LINE_LEN word placeholders and one whole value, none longer than VALUE_LEN.
std::size_t bound_for(const std::string& line, std::size_t columns) {
    return line.size() + columns * (LINE_LEN + 1) * VALUE_LEN;
}

// True when some column's name occurs in `line`, in any ASCII case.
bool names_occur(const std::string& line, const std::vector<column_spec>& columns) {
    const std::string searched = upper(line);
    for (const column_spec& column : columns) {
        if (find_text(searched, column.name, 0) != NOT_FOUND) return true;
    }
    return false;
}

}  // namespace
}  // namespace rowcard::fuzz

// The input is the template line, then PART_MARK and a table line (fields split
// at ','), then PART_MARK and configuration lines naming the columns.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rowcard;
    using namespace rowcard::fuzz;
    const std::string bytes = bytes_of(data, size);
    std::string_view rest = bytes;
    const std::string line(take_part(rest, PART_MARK));
    const std::string_view table_line = take_part(rest, PART_MARK);

    conversion_settings settings;
    std::string_view names = rest;
    while (!names.empty() && apply_config_line(settings, take_part(names, '\n'))) {
    }
    settings.separator = ',';
    record_values values;
    take_record(table_line, settings, values);

    fill_buffers buffers;
    std::string filled = line;
    fill_line(filled, settings.columns, values, buffers);
    if (settings.columns.empty() || !names_occur(line, settings.columns)) {
        require(filled == line, "a line without placeholders changed");
    }
    require(filled.size() <= bound_for(line, settings.columns.size()), "filling grew past its bound");
    require(count_of(filled, '\n') == count_of(line, '\n'), "filling changed the line feeds");
    require(line.empty() || line.back() != '\n' || filled.back() == '\n', "filling lost the final line feed");

    // Placeholders match in any case and only the template's own text keeps its
    // case, so an upper-cased template fills to the same text but for case.
    std::string filled_upper = upper(line);
    fill_line(filled_upper, settings.columns, values, buffers);
    require(upper(filled) == upper(filled_upper), "the template's letter case changed what was filled");

    // A plan fills the line to the same bytes whether it serves or steps
    // aside: made fresh for this line, then kept for a second record whose
    // values are the first record's reversed.
    fill_plans plans;
    prepare_plans(plans, settings.columns);
    for (int record = 0; record < 2; ++record) {
        std::string by_fill = line;
        fill_line(by_fill, settings.columns, values, buffers);
        std::string by_plan = line;
        fill_planned(by_plan, 0, values, plans, buffers);
        require(by_plan == by_fill, "a plan filled a line otherwise than fill_line");
        std::reverse(values.begin(), values.end());
    }

    // A card of this line filled at once is what the line filled and written
    // out, with the closing line end, would be.
    plan_card(plans, {line});
    std::string_view card;
    if (fill_card(values, plans, card)) {
        std::string by_fill = line;
        fill_line(by_fill, settings.columns, values, buffers);
        std::string written;
        append_as_written(written, by_fill);
        append_as_written(written, "\n");
        require(card == written, "a card plan filled otherwise than fill_line");
    }
    return 0;
}
