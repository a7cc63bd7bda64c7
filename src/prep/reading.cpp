// Reading an export: its encoding made UTF-8, a preamble skipped, its fields
// split as RFC 4180 quotes them, and every value cleaned (values.cpp).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "prep/decode.hpp"
#include "prep/evidence.hpp"
#include "prep/fields.hpp"
#include "prep/reading.hpp"
#include "prep/reading_shape.hpp"
#include "prep/layouts.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Records looked at to tell the separator: enough for a steady count, little time.
constexpr std::size_t RECORDS_SAMPLED = 20;
// Excel's first line naming the separator, 'sep=;'.
constexpr std::string_view SEPARATOR_LINE = "sep=";
// How a database's dump, a script's, a C program's or a spreadsheet's writes a value that is not there.
constexpr std::string_view DUMPED_NULLS[] = {"NULL", "null", "(null)", "None", "none", "N/A", "n/a", "#N/A"};
// Lines above a header that may be a preamble, as LinkedIn's "Notes:" is.
constexpr std::size_t PREAMBLE_RECORDS = 10;

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
// that has as many fields as that one, as a header's rows have.
bool title_of_fields(const field_cursor& cursor) {
    for (const char separator : EXPORT_SEPARATORS) {
        field_cursor probe = cursor;
        const record_width title = width_of(probe, separator);
        const record_width header = width_of(probe, separator);
        const record_width row = width_of(probe, separator);
        // The header and its row split alike: this is the table's separator, not one that only splits values.
        // A title split by a separator that never splits it (1 field) says nothing of that separator.
        if (title.all >= 2 && header.filled >= 2 * title.filled && header.all > title.all && row.all == header.all) {
            return true;
        }
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

// Reads the record at `cursor`, each value cleaned: the header's into
// `result.header`, a row's into `result.rows`. A row's fields beyond the
// header's are dropped and noted; a short row gets empty values for those it
// lacks, and is noted when it ends before the header's last `named` column:
// its values after a lost separator sit in the wrong columns. A row that
// holds no value is noted for neither. Returns the number of fields the record had.
std::size_t put_record(field_cursor& cursor, bool header, std::size_t named, export_result& result) {
    static const folded_chart chart = make_folded_chart();
    field_rows& rows = result.rows;
    const std::size_t record_line = cursor.line;
    const std::size_t columns = rows.columns;
    std::size_t column = 0;
    bool extra = false;
    bool holds = false;  // some value of the record is not empty
    std::string value;   // the header's values, one at a time
    for (bool last = false; !last; ++column) {
        const raw_field field = next_field(cursor);
        last = field.ends_record;
        if (header) {
            value.clear();
            clean_value(field.text, field.line, chart, value, result.changes);
            result.header.push_back(value);
            continue;
        }
        if (column >= columns) {
            extra = extra || !field.text.empty();
            continue;
        }
        const std::size_t start = rows.text.size();
        clean_value(field.text, field.line, chart, rows.text, result.changes);
        // A dump or a sheet writes a value that is not there as NULL, None or #N/A.
        for (const std::string_view none : DUMPED_NULLS) {
            if (std::string_view(rows.text).substr(start) == none) rows.text.resize(start);
        }
        rows.ends.push_back(rows.text.size());
        if (rows.text.size() > start) result.filled[column] = true, holds = true;
    }
    if (!header) {
        // Every row has as many values as the header.
        for (std::size_t c = column; c < columns; ++c) rows.ends.push_back(rows.text.size());
        rows.lines.push_back(record_line);
        if (extra) note(result.changes.extra_fields, record_line);
        if (column < named && holds) note(result.changes.short_rows, record_line);
    }
    return column;
}

// True when the first record holds an e-mail address or a number written for
// dialling: a contact's values, never a header's names. Such an export (a
// phone's list, an import template) has no header line.
bool holds_contact_values(const std::vector<std::string>& first) {
    return std::any_of(first.begin(), first.end(), [](const std::string& v) {
        const value_shape shape = shape_of(v);
        return shape == value_shape::email || (shape == value_shape::phone && v.starts_with('+'));
    });
}

// Makes the header record of `result` its first row, and names the columns
// by their numbers, as an export with no header line needs.
void take_header_as_row(export_result& result) {
    field_rows& rows = result.rows;
    for (std::size_t c = 0; c < result.header.size(); ++c) {
        std::string& value = result.header[c];
        rows.text += value;
        rows.ends.push_back(rows.text.size());
        result.filled[c] = !value.empty();
        value = "Column " + std::to_string(c + 1);
    }
    rows.lines.push_back(result.header_line);
    ++result.records;
    result.headerless = true;
}

// True when the rows after `at` hold a separator after a backslash, and more
// of them have the header's `fields` with such separators kept in their
// values than without: a tool that escapes them rather than quote the value
// ("Stammgast\; Zimmer 214"). Looks no further where none is written.
bool escapes_fit_better(const field_cursor& at, std::size_t fields) {
    const char escaped[] = {'\\', at.separator};
    if (at.text.find(std::string_view(escaped, 2), at.at) == std::string_view::npos) return false;
    std::array<std::size_t, 2> fit{};
    for (const bool escapes : {false, true}) {
        field_cursor probe = at;
        probe.escapes = escapes;
        while (start_record(probe)) {
            std::size_t n = 1;
            while (!next_field(probe).ends_record) ++n;
            fit[escapes] += n == fields;
        }
    }
    return fit[1] > fit[0];
}

}  // namespace

export_result read_export(std::string_view bytes, const export_reading& how) {
    export_result result;
    const decoded_text decoded = decode(bytes, how.encoding, result.changes.invalid);
    result.encoding = decoded.encoding;
    result.encoding_reason = decoded.reason;
    const std::string_view text = decoded.text;

    field_cursor cursor;
    result.separator = find_header(text, how, cursor);
    result.header_line = cursor.line;
    cursor.separator = result.separator;
    const std::size_t header_fields = start_record(cursor) ? put_record(cursor, true, 0, result) : 0;
    cursor.escapes = escapes_fit_better(cursor, header_fields);
    field_rows& rows = result.rows;
    rows.columns = result.header.size();
    result.filled.assign(rows.columns, false);
    if (holds_contact_values(result.header)) take_header_as_row(result);
    rows.text.reserve(text.size());
    // A header ending in a separator has an empty last field that no row need fill.
    std::size_t named = rows.columns;
    while (named > 0 && result.header[named - 1].empty()) --named;
    while (start_record(cursor)) {
        put_record(cursor, false, named, result);
        ++result.records;
    }
    drop_headers_again(result);
    drop_footer(result);
    result.changes.unterminated_quote = cursor.unterminated;
    return result;
}

std::size_t row_count(const field_rows& rows) { return rows.columns == 0 ? 0 : rows.ends.size() / rows.columns; }

std::string_view value_at(const field_rows& rows, std::size_t row, std::size_t column) {
    const std::size_t k = row * rows.columns + column;
    const std::size_t start = k == 0 ? 0 : rows.ends[k - 1];
    return std::string_view(rows.text).substr(start, rows.ends[k] - start);
}

void row_values(const field_rows& rows, std::size_t row, std::vector<std::string_view>& v) {
    v.clear();
    for (std::size_t c = 0; c < rows.columns; ++c) v.push_back(value_at(rows, row, c));
}

bool export_needs_care(const export_changes& changes) {
    return changes.invalid.count != 0 || changes.short_rows.count != 0 || changes.extra_fields.count != 0;
}

}  // namespace rowcard
