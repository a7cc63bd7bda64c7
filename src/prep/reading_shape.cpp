// The shape of an export's rows around its data: a report's footer after
// it, and the header written again above each block of rows, with the
// block's title over it.
#include "prep/reading_shape.hpp"

#include <algorithm>

#include "prep/decode.hpp"
#include "prep/layouts.hpp"

namespace rowcard {
namespace {

// Records at the end that hold one value at most and may be a report's footer.
constexpr std::size_t FOOTER_RECORDS = 3;
// Records of a footer that an empty record sets apart from the data: a
// report's totals, its notice and its copyright, with gaps between them.
constexpr std::size_t GAPPED_FOOTER_RECORDS = 6;

// How a table line at the end may belong to a report's footer.
enum class tail { data, gap, line, words };

// The words a totals line opens with, as header_key writes them ("Total Hours:", "Celkem", "Summe").
constexpr std::string_view TOTAL_WORDS[] = {"TOTAL", "TOTALS", "SUM", "SUMA", "SUMME", "GESAMT", "CELKEM", "SPOLU",
                                            "RAZEM", "OSSZESEN", "SKUPAJ", "UKUPNO", "TOTAL GENERAL", "GRAND TOTAL"};

// True when the values `values` of a row are a totals line: a label that
// ends in ':' or opens with a totals word, then numbers alone ("Total Hours
// (Paid & Pro Bono):", "87,5", "13"). Fewer than two values give false.
bool totals_line(const std::vector<std::string_view>& values) {
    if (values.size() < 2) return false;
    const std::string key = header_key(values.front());
    const std::string_view first_word = std::string_view(key).substr(0, key.find(' '));
    const bool label = values.front().ends_with(':') ||
                       std::find(std::begin(TOTAL_WORDS), std::end(TOTAL_WORDS), first_word) != std::end(TOTAL_WORDS);
    return label && std::all_of(values.begin() + 1, values.end(), [](std::string_view v) {
               return v.find_first_not_of("0123456789,.- ") == std::string_view::npos;
           });
}

// Returns what row `row` of `rows` is at the end of an export: a gap when it
// holds no value; a footer line when it holds one value that is no contact's
// (no e-mail, and a digit or a ':' as "Total: 23" or "Exported 12.4.2024"
// have and names never do), or is a totals line; words when its one value
// has neither, a footer only below a gap; else data.
tail tail_of(const field_rows& rows, std::size_t row) {
    std::vector<std::string_view> held;
    for (std::size_t c = 0; c < rows.columns; ++c) {
        if (const std::string_view value = trimmed(value_at(rows, row, c)); !value.empty()) held.push_back(value);
    }
    if (totals_line(held)) return tail::line;
    if (held.size() > 1) return tail::data;
    const std::string_view found = held.empty() ? std::string_view() : held.front();
    if (found.empty()) return tail::gap;
    if (found.find('@') != std::string_view::npos) return tail::data;
    return found.find_first_of("0123456789:") != std::string_view::npos ? tail::line : tail::words;
}

// True when row `row` of `rows` holds the header `header` again, value by value.
bool header_again(const field_rows& rows, std::size_t row, const std::vector<std::string>& header) {
    for (std::size_t c = 0; c < rows.columns; ++c) {
        if (trimmed(value_at(rows, row, c)) != trimmed(header[c])) return false;
    }
    return true;
}

// Returns the number of values row `row` of `rows` holds.
std::size_t values_held(const field_rows& rows, std::size_t row) {
    std::size_t held = 0;
    for (std::size_t c = 0; c < rows.columns; ++c) held += !trimmed(value_at(rows, row, c)).empty();
    return held;
}

}  // namespace

void drop_footer(export_result& result) {
    field_rows& rows = result.rows;
    const std::size_t count = row_count(rows);
    const auto kind = [&](std::size_t k) { return tail_of(rows, k); };
    std::size_t first = count;
    while (first > 0 && count - first < FOOTER_RECORDS && kind(first - 1) == tail::line) --first;
    std::size_t gapped = count;
    while (gapped > 0 && count - gapped < GAPPED_FOOTER_RECORDS && kind(gapped - 1) != tail::data) --gapped;
    while (gapped < count && kind(gapped) != tail::gap) ++gapped;  // the block starts at its gap
    bool worded = false;  // the block holds some line, not only gaps
    for (std::size_t k = gapped; k < count; ++k) worded = worded || kind(k) != tail::gap;
    if (rows.columns >= 2 && worded && gapped > 0 && gapped < first) first = gapped;
    if (first == 0 || first == count) return;
    for (std::size_t k = first; k < count; ++k) note(result.changes.footer_lines, rows.lines[k]);
    rows.text.resize(first == 0 ? 0 : rows.ends[first * rows.columns - 1]);
    rows.ends.resize(first * rows.columns);
    rows.lines.resize(first);
    result.records -= count - first;
}

void drop_headers_again(export_result& result) {
    field_rows& rows = result.rows;
    const std::size_t count = row_count(rows);
    std::vector<bool> drop(count, false);
    bool any = false;
    for (std::size_t row = 0; row < count; ++row) {
        if (rows.columns < 2 || !header_again(rows, row, result.header)) continue;
        drop[row] = any = true;
        // The block's title above its header: one value alone, as "Nordvakten".
        if (row > 0 && values_held(rows, row - 1) == 1) drop[row - 1] = true;
    }
    if (!any) return;
    field_rows kept;
    kept.columns = rows.columns;
    kept.text.reserve(rows.text.size());
    for (std::size_t row = 0; row < count; ++row) {
        if (drop[row]) {
            note(result.changes.headers_again, rows.lines[row]);
            continue;
        }
        for (std::size_t c = 0; c < rows.columns; ++c) {
            kept.text += value_at(rows, row, c);
            kept.ends.push_back(kept.text.size());
        }
        kept.lines.push_back(rows.lines[row]);
    }
    result.records -= count - row_count(kept);
    rows = std::move(kept);
}

}  // namespace rowcard
