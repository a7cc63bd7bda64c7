// Reading an export: its encoding made UTF-8, a preamble skipped, its fields
// split as RFC 4180 quotes them, and every value cleaned (values.cpp).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "prep/decode.hpp"
#include "prep/prep.hpp"
#include "prep/layouts.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Records looked at to tell the separator: enough for a steady count, little time.
constexpr std::size_t RECORDS_SAMPLED = 20;
// Excel's first line naming the separator, 'sep=;'.
constexpr std::string_view SEPARATOR_LINE = "sep=";
// Records at the end that hold one value at most and may be a report's footer.
constexpr std::size_t FOOTER_RECORDS = 3;
// Records of a footer that an empty record sets apart from the data: a
// report's totals, its notice and its copyright, with gaps between them.
constexpr std::size_t GAPPED_FOOTER_RECORDS = 6;
// Lines above a header that may be a preamble, as LinkedIn's "Notes:" is.
constexpr std::size_t PREAMBLE_RECORDS = 10;

// A reading position in the export's UTF-8 text, taken one field at a time.
struct field_cursor {
    std::string_view text;
    std::size_t at = 0;
    std::size_t line = 1;           // the export line at `at`
    char separator = ',';
    std::size_t unterminated = 0;   // line of the first quote that never closed
    std::string quoted;             // a quoted field's text, reused
};

// One field, as the cursor found it.
struct raw_field {
    std::string_view text;
    std::size_t line = 0;     // the line it starts on
    bool ends_record = false;
};

// Moves past the line break at the cursor, CR LF or LF or a lone CR.
void pass_line_break(field_cursor& cursor) {
    if (cursor.text[cursor.at] == '\r' && cursor.at + 1 < cursor.text.size() && cursor.text[cursor.at + 1] == '\n') {
        ++cursor.at;
    }
    ++cursor.at;
    ++cursor.line;
}

// Skips empty lines, which hold no record. Returns false at the end of the text.
bool start_record(field_cursor& cursor) {
    while (cursor.at < cursor.text.size() && (cursor.text[cursor.at] == '\n' || cursor.text[cursor.at] == '\r')) {
        pass_line_break(cursor);
    }
    return cursor.at < cursor.text.size();
}

// Returns the index of the first separator or line break at or after `from`, or the end.
std::size_t plain_end(const field_cursor& cursor, std::size_t from) {
    const std::string_view text = cursor.text;
    while (from < text.size()) {
        const char c = text[from];
        if (c == cursor.separator || c == '\n' || c == '\r') break;
        ++from;
    }
    return from;
}

// Takes the next field of the current record. A quoted field keeps its line
// breaks and separators and turns "" into "; text after its closing quote is
// kept as it stands. A quote that never closes is taken as a plain character,
// so that its field ends at its line's end and no later record is swallowed.
raw_field next_field(field_cursor& cursor) {
    const std::string_view text = cursor.text;
    raw_field field;
    field.line = cursor.line;
    std::size_t end = cursor.at;
    if (cursor.at < text.size() && text[cursor.at] == '"') {
        std::string& quoted = cursor.quoted;
        quoted.clear();
        std::size_t at = cursor.at + 1;
        std::size_t lines = 0;
        bool closed = false;
        while (at < text.size()) {
            const std::size_t quote = text.find('"', at);
            const std::size_t stop = quote == std::string_view::npos ? text.size() : quote;
            for (std::size_t k = at; k < stop; ++k) {
                lines += text[k] == '\n' || (text[k] == '\r' && (k + 1 == stop || text[k + 1] != '\n'));
            }
            quoted.append(text, at, stop - at);
            if (stop == text.size()) break;
            if (stop + 1 < text.size() && text[stop + 1] == '"') {
                quoted.push_back('"');
                at = stop + 2;
                continue;
            }
            closed = true;
            at = stop + 1;
            break;
        }
        if (closed) {
            end = plain_end(cursor, at);
            quoted.append(text, at, end - at);
            cursor.line += lines;
            field.text = quoted;
        } else {
            if (cursor.unterminated == 0) cursor.unterminated = cursor.line;
            end = plain_end(cursor, cursor.at + 1);
            field.text = text.substr(cursor.at, end - cursor.at);
        }
    } else {
        end = plain_end(cursor, cursor.at);
        field.text = text.substr(cursor.at, end - cursor.at);
    }
    cursor.at = end;
    if (end < text.size() && text[end] == cursor.separator) {
        ++cursor.at;
        return field;
    }
    field.ends_record = true;
    if (end < text.size()) pass_line_break(cursor);
    return field;
}

// Returns the separator that splits the first records most steadily into the
// most fields: the one for which most sampled records have as many fields as
// the header, the header's field count settling a tie. ',' when none splits.
char detect_separator(std::string_view text) {
    char best = EXPORT_SEPARATORS.front();
    std::size_t best_steady = 0;
    std::size_t best_fields = 1;
    for (const char separator : EXPORT_SEPARATORS) {
        field_cursor cursor{text, 0, 1, separator, 0, {}};
        std::size_t header_fields = 0;
        std::size_t steady = 0;
        for (std::size_t record = 0; record <= RECORDS_SAMPLED && start_record(cursor); ++record) {
            std::size_t fields = 1;
            while (!next_field(cursor).ends_record) ++fields;
            if (record == 0) {
                header_fields = fields;
            } else {
                steady += fields == header_fields;
            }
        }
        if (header_fields < 2) continue;
        if (steady > best_steady || (steady == best_steady && header_fields > best_fields)) {
            best = separator;
            best_steady = steady;
            best_fields = header_fields;
        }
    }
    return best;
}

// The fields of one record as one separator splits it.
struct record_width {
    std::size_t all = 0;
    std::size_t filled = 0;
};

// Returns the fields of the record at `probe` split at `separator`, and
// moves `probe` past it; at the end of the text, none.
record_width width_of(field_cursor& probe, char separator) {
    record_width width;
    if (!start_record(probe)) return width;
    probe.separator = separator;
    for (bool last = false; !last;) {
        const raw_field field = next_field(probe);
        last = field.ends_record;
        ++width.all;
        width.filled += field.text.find_first_not_of(" \t") != std::string_view::npos;
    }
    return width;
}

// Returns the most filled fields that any likely separator splits the record
// at the cursor into; the cursor stays where it is.
std::size_t most_fields(const field_cursor& cursor) {
    std::size_t most = 0;
    for (const char separator : EXPORT_SEPARATORS) {
        field_cursor probe = cursor;
        most = std::max(most, width_of(probe, separator).filled);
    }
    return most;
}

// True when the record at the cursor is a title of several fields above a
// header ("Report: members of list-a, list-b"): under some separator the
// next record has at least twice its filled fields, and the record after
// that is wider than it too, as the header's rows are.
bool title_of_fields(const field_cursor& cursor) {
    for (const char separator : EXPORT_SEPARATORS) {
        field_cursor probe = cursor;
        const record_width title = width_of(probe, separator);
        const record_width header = width_of(probe, separator);
        const record_width row = width_of(probe, separator);
        if (header.filled >= 2 * title.filled && header.all > title.all && row.all > title.all) return true;
    }
    return false;
}

// Moves the cursor past a preamble: lines of one filled field each, or a
// title far narrower than the header below it, above the header and a row
// of several, as LinkedIn puts its "Notes:" there and a report its title.
// A first line that is a header, or no such header within
// PREAMBLE_RECORDS, moves nothing.
void skip_preamble(field_cursor& cursor) {
    field_cursor probe = cursor;
    for (std::size_t record = 0; record < PREAMBLE_RECORDS && start_record(probe); ++record) {
        if (most_fields(probe) > 1 && !title_of_fields(probe)) {
            // A header is followed by rows of several fields too; else the
            // export has one column, and one of its lines only looks split.
            field_cursor row = probe;
            while (!next_field(row).ends_record) {
            }
            if (record > 0 && start_record(row) && most_fields(row) > 1) {
                cursor.at = probe.at;
                cursor.line = probe.line;
            }
            return;
        }
        while (!next_field(probe).ends_record) {
        }
    }
}

// Sets `cursor` on the export's header, past Excel's 'sep=;' line, which names
// the separator and is no part of the table, and past any preamble. Returns
// the separator: the one `how` gives, else the one that line names, else the
// one the first lines show.
char find_header(std::string_view text, const export_reading& how, field_cursor& cursor) {
    cursor.line = 1;
    std::optional<char> named;
    if (text.starts_with(SEPARATOR_LINE) && text.size() > SEPARATOR_LINE.size()) {
        const std::size_t after = SEPARATOR_LINE.size() + 1;
        if (after == text.size() || text[after] == '\n' || text[after] == '\r') {
            named = text[SEPARATOR_LINE.size()];
            cursor.text = text;
            cursor.at = after;
            if (after < text.size()) pass_line_break(cursor);
        }
    }
    cursor.text = text;
    skip_preamble(cursor);
    return how.separator ? *how.separator : named ? *named : detect_separator(text.substr(cursor.at));
}

// Appends the record at `cursor` to `result`'s table, each value cleaned and
// `table_separator` between them: the header's values also go to
// `result.header`; a record's fields beyond the header's `columns` are
// dropped and noted, and a short record gets the separators of the values it
// lacks, and is noted when it ends before the header's last `named` column:
// its values after a lost separator sit in the wrong columns. A record that
// holds no value is noted for neither. Returns the number of fields the record had.
std::size_t put_record(field_cursor& cursor, bool header, std::size_t columns, std::size_t named,
                       char table_separator, export_result& result) {
    static const folded_chart chart = make_folded_chart();
    std::string& table = result.table;
    const std::size_t record_line = cursor.line;
    std::size_t column = 0;
    bool extra = false;
    bool holds = false;  // some value of the record is not empty
    for (bool last = false; !last; ++column) {
        const raw_field field = next_field(cursor);
        last = field.ends_record;
        if (!header && column >= columns) {
            extra = extra || !field.text.empty();
            continue;
        }
        if (column > 0) table.push_back(table_separator);
        const std::size_t start = table.size();
        clean_value(field.text, field.line, table_separator, chart, table, result.changes);
        if (header) {
            result.header.emplace_back(table, start);
        } else if (table.size() > start) {
            result.filled[column] = true;
            holds = true;
        }
    }
    if (!header) {
        // Every line of the table has as many fields as the header.
        if (column < columns) table.append(columns - column, table_separator);
        if (extra) note(result.changes.extra_fields, record_line);
        if (column < named && holds) note(result.changes.short_rows, record_line);
    }
    table.push_back('\n');
    return column;
}

// How a table line at the end may belong to a report's footer.
enum class tail { data, gap, line, words };

// Returns what the table line `line` (ending in a line feed) is at the end
// of an export: a gap when it holds no value; a footer line when it holds one
// value that is no contact's (no e-mail, and a digit or a ':' as "Total: 23"
// or "Exported 12.4.2024" have and names never do); words when its one value
// has neither, a footer only below a gap; else data.
tail tail_of(std::string_view line, char separator) {
    std::string_view found;
    for (std::size_t at = 0; at < line.size();) {
        std::size_t end = line.find_first_of(std::string{separator, '\n'}, at);
        if (end == std::string_view::npos) end = line.size();
        const std::string_view value = trimmed(line.substr(at, end - at));
        if (!value.empty()) {
            if (!found.empty()) return tail::data;
            found = value;
        }
        at = end + 1;
    }
    if (found.empty()) return tail::gap;
    if (found.find('@') != std::string_view::npos) return tail::data;
    return found.find_first_of("0123456789:") != std::string_view::npos ? tail::line : tail::words;
}

// Takes a report's footer off the end of `result`'s table, whose records
// start at `starts` and were read from `lines`, each noted: at most
// FOOTER_RECORDS records at the end that each hold one footer line; or, in a
// table of several columns, at most GAPPED_FOOTER_RECORDS records of one
// value or none that a record of no value sets apart from the data.
void drop_footer(const std::vector<std::size_t>& starts, const std::vector<std::size_t>& lines, char separator,
                 std::size_t columns, export_result& result) {
    const std::string_view table = result.table;
    const auto kind = [&](std::size_t k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : table.size();
        return tail_of(table.substr(starts[k], end - starts[k]), separator);
    };
    std::size_t first = starts.size();
    while (first > 0 && starts.size() - first < FOOTER_RECORDS && kind(first - 1) == tail::line) --first;
    std::size_t gapped = starts.size();
    while (gapped > 0 && starts.size() - gapped < GAPPED_FOOTER_RECORDS && kind(gapped - 1) != tail::data) --gapped;
    while (gapped < starts.size() && kind(gapped) != tail::gap) ++gapped;  // the block starts at its gap
    bool worded = false;  // the block holds some line, not only gaps
    for (std::size_t k = gapped; k < starts.size(); ++k) worded = worded || kind(k) != tail::gap;
    if (columns >= 2 && worded && gapped > 0 && gapped < first) first = gapped;
    if (first == 0 || first == starts.size()) return;
    for (std::size_t k = first; k < starts.size(); ++k) note(result.changes.footer_lines, lines[k]);
    result.table.resize(starts[first]);
    result.records -= starts.size() - first;
}

}  // namespace

export_result read_export(std::string_view bytes, const export_reading& how, char table_separator) {
    export_result result;
    const decoded_text decoded = decode(bytes, how.encoding, result.changes.invalid);
    result.encoding = decoded.encoding;
    result.encoding_reason = decoded.reason;
    const std::string_view text = decoded.text;

    field_cursor cursor;
    result.separator = find_header(text, how, cursor);
    result.header_line = cursor.line;
    cursor.separator = result.separator;
    result.table.reserve(text.size() + text.size() / 4);
    std::size_t columns = 0;
    if (start_record(cursor)) {
        columns = put_record(cursor, true, 0, 0, table_separator, result);
        result.filled.assign(columns, false);
    }
    // A header ending in a separator has an empty last field that no row need fill.
    std::size_t named = columns;
    while (named > 0 && result.header[named - 1].empty()) --named;
    // Where each record starts in the table, and its line in the export.
    std::vector<std::size_t> starts;
    std::vector<std::size_t> lines;
    while (start_record(cursor)) {
        starts.push_back(result.table.size());
        lines.push_back(cursor.line);
        put_record(cursor, false, columns, named, table_separator, result);
        ++result.records;
    }
    drop_footer(starts, lines, table_separator, columns, result);
    result.changes.unterminated_quote = cursor.unterminated;
    return result;
}

bool export_needs_care(const export_changes& changes) {
    return changes.invalid.count != 0 || changes.short_rows.count != 0 || changes.extra_fields.count != 0;
}

}  // namespace rowcard
