// Reading an export: its encoding made UTF-8, a preamble skipped, its fields
// split as RFC 4180 quotes them, and every value cleaned (values.cpp).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "prep/decode.hpp"
#include "prep/prep.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Records looked at to tell the separator: enough for a steady count, little time.
constexpr std::size_t RECORDS_SAMPLED = 20;
// Excel's first line naming the separator, 'sep=;'.
constexpr std::string_view SEPARATOR_LINE = "sep=";
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

// Returns the most fields that any likely separator splits the record at the
// cursor into; the cursor stays where it is.
std::size_t most_fields(const field_cursor& cursor) {
    std::size_t most = 0;
    for (const char separator : EXPORT_SEPARATORS) {
        field_cursor probe = cursor;
        probe.separator = separator;
        std::size_t fields = 1;
        while (!next_field(probe).ends_record) ++fields;
        most = std::max(most, fields);
    }
    return most;
}

// Moves the cursor past a preamble: lines of one field each, ended by an
// empty line, above the header, as LinkedIn puts its "Notes:" there. A first
// line of several fields, or no such header within PREAMBLE_RECORDS, moves nothing.
void skip_preamble(field_cursor& cursor) {
    field_cursor probe = cursor;
    std::size_t end_line = 0;  // the line after the last record passed
    for (std::size_t record = 0; record < PREAMBLE_RECORDS && start_record(probe); ++record) {
        if (most_fields(probe) > 1) {
            if (record > 0 && probe.line > end_line) {
                cursor.at = probe.at;
                cursor.line = probe.line;
            }
            return;
        }
        while (!next_field(probe).ends_record) {
        }
        end_line = probe.line;
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
    while (start_record(cursor)) {
        put_record(cursor, false, columns, named, table_separator, result);
        ++result.records;
    }
    result.changes.unterminated_quote = cursor.unterminated;
    return result;
}

bool export_needs_care(const export_changes& changes) {
    return changes.invalid.count != 0 || changes.short_rows.count != 0 || changes.extra_fields.count != 0;
}

}  // namespace rowcard
