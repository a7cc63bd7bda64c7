// rowcard-check's findings: the table read as rowcard reads it, row by row,
// and the order of the checks; the other files each check one part.
#include "check/check.hpp"
#include "check/findings.hpp"

#include <algorithm>
#include <string_view>

#include "record/record.hpp"
#include "run/run.hpp"
#include "template/fill.hpp"
#include "text/codecs.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

using namespace checking;

// The table's first record, the line after its header.
constexpr std::size_t FIRST_RECORD_ROW = HEADER_ROW + 1;

// Returns the UTF-16 encoding that the first bytes of a table show, by a
// signature or by zero bytes in every other place, or an empty text.
std::string utf16_in(std::string_view start) {
    switch (utf16_order_of(start)) {
    case utf16_order::little_endian: return "utf-16le";
    case utf16_order::big_endian: return "utf-16be";
    case utf16_order::none: break;
    }
    return "";
}

// True when a field opens a quote that the separator cut: it starts with '"'
// and does not end with one.
bool cut_quote(std::string_view field) {
    field = trim_right(field);
    return !field.empty() && field.front() == '"' && (field.size() == 1 || field.back() != '"');
}

// Returns the name of the first column whose value holds that name, or an
// empty text: a word that recreates its placeholder must hold its name.
std::string runaway_name(const std::vector<column_spec>& columns, table_scan& scan) {
    for (std::size_t p = 0; p < columns.size(); ++p) {
        find_names(scan.values[p], columns, scan.names);
        for (const name_at& found : scan.names) {
            if (found.column == p) return columns[p].name;
        }
    }
    return {};
}

// Counts the row `row` when a value of a filled column loses more than its
// spelling to cleaning (against its field, from `note_shape`), or holds the
// name of a later column.
void check_values(const check_report& report, const template_scan& tmpl, table_scan& scan, std::size_t row) {
    const std::vector<column_spec>& columns = report.settings.columns;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view raw = scan.fields[p];
        if (!tmpl.used[p]) continue;
        tally& changed = scan.value_changed[p];
        const value_loss loss = loss_in(raw, scan.values[p], scan.folded);
        if (loss.kind != loss_kind::none) {
            if (changed.count == 0) changed.detail = loss_detail(loss, raw, scan.values[p]);
            add_row(changed, row);
        }
        find_names(scan.values[p], columns, scan.names);
        for (const name_at& found : scan.names) {
            if (found.column <= p) continue;
            tally& brought = scan.name_in_value[p];
            if (brought.count == 0) brought.detail = columns[found.column].name;
            add_row(brought, row);
            break;
        }
    }
}

// Runs the checks of one accepted record: its values, its card's name, the
// values its EMAIL and TEL lines get, and the word placeholders that its
// values make run away.
void check_accepted(const check_report& report, const template_scan& tmpl, table_scan& scan, std::size_t row) {
    const std::vector<column_spec>& columns = report.settings.columns;
    check_values(report, tmpl, scan, row);
    check_card_name(columns, scan.values, tmpl.lines, row, scan.card_names);
    check_fit(columns, scan.values, tmpl.lines, row, scan.fits);
    for (std::size_t i = 0; i < tmpl.lines.size(); ++i) {
        if (!tmpl.has_word[i]) continue;
        scan.filled = tmpl.lines[i];
        if (fill_line(scan.filled, columns, scan.values, scan.fill)) {
            if (scan.runaway.count == 0) {
                scan.runaway_line = i + 1;
                scan.runaway_column = runaway_name(columns, scan);
            }
            add_row(scan.runaway, row);
            break;
        }
    }
}

// Notes what the bytes of the line `text`, numbered `row`, say of the table's
// encoding: UTF-8 while every line is valid UTF-8, and the rows with UTF-8
// beyond ASCII until then.
void note_bytes(table_scan& scan, std::string_view text, std::size_t row) {
    const utf8_shape shape = utf8_shape_of(text);
    if (shape == utf8_shape::invalid) scan.utf8 = false;
    if (scan.utf8 && shape == utf8_shape::utf8) add_row(scan.utf8_rows, row);
}

// Notes the shape of the record `line`, numbered `row`: its count of fields,
// a quoted field that the separator cuts, and the fields of the columns as
// rowcard cuts them (views into `line`; empty for a missing one).
void note_shape(check_report& report, table_scan& scan, std::string_view line, std::size_t row) {
    const char separator = report.settings.separator;
    // One walk gives all three, counting as `fields_in` does: a trailing
    // separator leaves an empty last field, which the walk does not reach.
    std::string_view rest = without_line_feed(line);
    std::size_t fields = rest.ends_with(separator) ? 1 : 0;
    scan.fields.assign(report.settings.columns.size(), {});
    bool cut = false;
    for (std::size_t index = 0;; ++index) {
        const std::string_view field = split_field(rest, separator);
        if (index < scan.fields.size()) scan.fields[index] = copy_left(field, VALUE_LEN);
        cut = cut_quote(field) || cut;
        ++fields;
        if (rest.empty()) break;
    }
    ++report.rows;
    report.fewest_fields = report.rows == 1 ? fields : std::min(report.fewest_fields, fields);
    report.most_fields = std::max(report.most_fields, fields);
    if (cut) add_row(scan.quote_cut, row);
}

// Takes the record `line`, numbered `row`, as rowcard does, and checks it when
// accepted, or lists its blank mandatory columns when rejected.
void take_row(check_report& report, const template_scan& tmpl, table_scan& scan, std::string_view line,
              std::size_t row) {
    const std::vector<column_spec>& columns = report.settings.columns;
    if (take_record(line, report.settings, scan.values)) {
        ++report.accepted;
        check_accepted(report, tmpl, scan, row);
        return;
    }
    rejected_row rejected{row, {}};
    for (std::size_t p = 0; p < columns.size(); ++p) {
        if (columns[p].mandatory && blank_value(scan.values[p])) rejected.columns.push_back(columns[p].name);
    }
    report.rejected.push_back(std::move(rejected));
}

// Returns the encoding the table's bytes show: UTF-16 when its first bytes
// show it, else UTF-8 or code page 1250 when some byte is from 0x80 up.
std::string encoding_of(const table_scan& scan) {
    if (!scan.utf16.empty()) return scan.utf16;
    // A line that is no UTF-8 holds a byte from 0x80 up, as a UTF-8 row does.
    if (!scan.utf8) return "cp1250";
    return scan.utf8_rows.count > 0 ? "utf-8" : "ascii";
}

// Reads the table as rowcard does, record by record, checks every row, and
// then reports what the whole table shows. A table that cannot be opened, or
// could make the check wait, is left unread.
void check_table(check_report& report, const template_scan& tmpl, table_scan& scan) {
    const std::size_t column_count = report.settings.columns.size();
    scan.name_in_value.assign(column_count, {});
    scan.value_changed.assign(column_count, {});
    scan_name_lines(report, tmpl.lines, scan.card_names);
    scan_fit_lines(report, tmpl.lines, scan.fits);
    text_reader table;
    if (!safe_to_open(report.table_name) || !open_for_reading(table, report.table_name)) return;
    report.table_found = true;
    scan.utf16 = utf16_in(std::string_view(table.block).substr(0, table.end));
    if (read_line(table, scan.header)) {
        note_bytes(scan, scan.header, HEADER_ROW);
        report.header_fields = fields_in(without_line_feed(scan.header), report.settings.separator);
    }
    std::string line;
    for (std::size_t row = FIRST_RECORD_ROW; read_line(table, line); ++row) {
        if (row == FIRST_RECORD_ROW) scan.first_record = line;
        note_bytes(scan, line, row);
        note_shape(report, scan, line, row);
        take_row(report, tmpl, scan, line, row);
    }
    scan.failed = table.failed;
    close_reader(table);
    report.encoding = encoding_of(scan);
    report_table_problems(report, scan);
}

}  // namespace

check_report check_folder() {
    check_report report;
    read_facts facts;
    check_settings(report, facts);
    report.table_name = report.settings.input_base + TABLE_EXTENSION;
    report.output_name = report.settings.output_base + OUTPUT_EXTENSION;
    template_scan tmpl;
    check_template(report, tmpl);
    table_scan scan;
    check_table(report, tmpl, scan);
    report_version(report, scan.fits);
    report_names(report, scan.card_names);
    facts.table_failed = scan.failed;
    facts.template_failed = tmpl.failed;
    predict_run(report, facts);
    return report;
}

int check_status(const check_report& report) {
    if (report.status != STATUS_DONE || !report.stall.empty()) return CHECK_FAILS;
    return report.problems.empty() ? CHECK_CLEAN : CHECK_PROBLEMS;
}

std::string status_meaning(int status) {
    switch (status) {
    case STATUS_DONE: return "done";
    case STATUS_NO_OUTPUT: return "no output: it cannot be created, or it would overwrite an input";
    case STATUS_NO_TABLE: return "the table cannot be opened";
    case STATUS_NO_TEMPLATE: return "the template cannot be opened, so the cards are empty lines";
    case STATUS_READ_ERROR: return "a read error cut an input short";
    case STATUS_NO_MEMORY: return "memory ran out";
    case STATUS_WRITE_FAILED: return "writing or closing the output failed";
    default: return "unknown";
    }
}

}  // namespace rowcard
