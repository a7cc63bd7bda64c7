// rowcard-check's findings: the settings, table and template read as rowcard
// reads them, and the problems found in them; forecast.cpp foresees the run.
#include "check/check.hpp"
#include "check/findings.hpp"

#include <algorithm>
#include <string_view>

#include "record/record.hpp"
#include "run/run.hpp"
#include "template/fill.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

using namespace checking;

// A run of this many digits is a phone number or a postcode, never a heading.
constexpr std::size_t LONG_DIGITS = 5;
// Leading bytes of the table looked at for the zero bytes of UTF-16: plenty for
// a pattern, and they always lie in the first block read.
constexpr std::size_t UTF16_SAMPLE = 4096;
// Separators that spreadsheets write, tried when the configured one does not split.
constexpr std::string_view LIKELY_SEPARATORS = ",;\t|";

// Returns the advice that cures a name found where it is not meant: braces,
// which the cleaning drops from every value and no vCard word holds.
std::string fix_braces(std::string_view name) {
    const std::string cure = braced(name);
    return "give the column a braced name in rowcard.ini, such as " + cure + ", and write " + cure +
           " in master.vcf where the value belongs";
}

// True for an ASCII letter.
bool ascii_letter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }

// True for a byte that belongs to a word: an ASCII letter or digit, or any byte
// from 0x80 up, which is a letter of code page 1250 or part of one in UTF-8.
bool word_byte(unsigned char b) { return ascii_letter(b) || (b >= '0' && b <= '9') || b >= 0x80; }

// Returns the number of fields of a line split at `separator`.
std::size_t fields_in(std::string_view line, char separator) {
    return 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), separator));
}

// Returns the kind of a configuration line as the report names it.
std::string kind_name(config_line_kind kind) {
    switch (kind) {
    case config_line_kind::file_name: return "file-name";
    case config_line_kind::separator: return "separator";
    case config_line_kind::column: break;
    }
    return "column";
}

// Reads the settings with `read_config`, then "rowcard.ini" line by line with
// the routines it runs, to say what each line is. Lines after the last column
// that rowcard reads are listed as unread.
void check_settings(check_report& report, read_facts& facts) {
    if (!safe_to_open(std::string(CONFIG_NAME))) return;
    facts.settings_failed = !read_config(report.settings);
    text_reader reader;
    if (!open_for_reading(reader, std::string(CONFIG_NAME))) return;
    report.config_found = true;
    skip_signature(reader);
    conversion_settings replay;
    std::string line;
    std::string upper;
    bool reading = true;
    for (std::size_t number = 1; read_line(reader, line); ++number) {
        const std::string text(text_of(line));
        if (!reading) {
            report.config_lines.push_back({number, "unread", text});
            continue;
        }
        upper = line;
        upper_in_place(upper);
        const config_line_kind kind = kind_of_config_line(line, upper);
        report.config_lines.push_back({number, kind_name(kind), text});
        reading = apply_config_line(replay, line);
        if (kind != config_line_kind::column) continue;
        report.column_lines.push_back(number);
        if (text.starts_with('#') || text.starts_with(';') || text.starts_with("//")) {
            add_problem(report, "column-looks-like-comment", std::string(CONFIG_NAME), number, 0,
                        replay.columns.back().name,
                        "rowcard has no comments: it reads this line as column " +
                            std::to_string(replay.columns.size()) +
                            ", so every later column takes the next field of the table; delete the line, or "
                            "keep a field's place with a plain name");
        }
    }
    close_reader(reader);
}

// The template as rowcard reads it, with what the checks need of it.
struct template_scan {
    std::vector<std::string> lines;
    std::vector<bool> has_word;  // the line holds a word placeholder, which could run away
    std::vector<bool> used;      // per column: its name is filled somewhere
    bool failed = false;         // a read error cut the template short
};

// Returns the word of `line` around the bytes from `start` to `end`.
std::string_view word_around(std::string_view line, std::size_t start, std::size_t end) {
    while (start != 0 && word_byte(static_cast<unsigned char>(line[start - 1]))) --start;
    while (end != line.size() && word_byte(static_cast<unsigned char>(line[end]))) ++end;
    return line.substr(start, end - start);
}

// Reads "master.vcf" and lists the placeholders that fill each column: its
// word placeholders up to the first plain one, which ends the column's turn.
// Reports a name that stands inside a longer word or in a property name.
void check_template(check_report& report, template_scan& scan) {
    const std::vector<column_spec>& columns = report.settings.columns;
    scan.used.assign(columns.size(), false);
    text_reader reader;
    if (!safe_to_open(TEMPLATE_NAME) || !open_for_reading(reader, TEMPLATE_NAME)) return;
    report.template_found = true;
    skip_signature(reader);
    std::string line;
    std::vector<name_at> names;
    while (read_line(reader, line)) {
        const std::size_t number = scan.lines.size() + 1;
        scan.lines.push_back(line);
        const std::string_view text = text_of(line);
        find_names(text, columns, names);
        bool word = false;
        std::size_t filled = 0;
        std::size_t ended = columns.size();  // the column whose plain placeholder was taken
        for (const name_at& found : names) {
            if (found.column == ended) continue;
            if (found.word == 0) ended = found.column;
            word |= found.word != 0;
            scan.used[found.column] = true;
            report.placeholders.push_back({number, found.at + 1, found.column, found.word});
            ++filled;
            const std::string& name = columns[found.column].name;
            const std::size_t start = found.word != 0 ? found.at - 1 : found.at;
            const std::size_t end = found.at + name.size();
            const std::size_t colon = text.find(':');
            std::string where;
            // A name that ends in a brace or a '%' has that edge marked already.
            const bool open_front = word_byte(static_cast<unsigned char>(text[start]));
            const bool open_back = word_byte(static_cast<unsigned char>(name.back()));
            if ((open_front && start > 0 && word_byte(static_cast<unsigned char>(text[start - 1]))) ||
                (open_back && end < text.size() && word_byte(static_cast<unsigned char>(text[end])))) {
                where = "inside the word " + in_quotes(word_around(text, start, end));
            } else if ((open_front || open_back) && colon != std::string_view::npos && found.at < colon) {
                // A braced name there was put there on purpose (TEL;TYPE={TEL1 TYPE}); a bare
                // one most likely matched the property's own letters.
                where = "in the property part " + in_quotes(text.substr(0, colon)) + ", before the first ':'";
            }
            if (!where.empty()) {
                add_problem(report, "name-in-text", TEMPLATE_NAME, number, 0, name,
                            "column " + name + " is found " + where + ", and rowcard puts the value there; " +
                                fix_braces(name));
            }
        }
        scan.has_word.push_back(word);
        std::stable_sort(report.placeholders.end() - static_cast<std::ptrdiff_t>(filled), report.placeholders.end(),
                         [](const placeholder_report& a, const placeholder_report& b) { return a.position < b.position; });
    }
    scan.failed = reader.failed;
    close_reader(reader);
}

// Returns true when `line` is valid UTF-8; sets `multibyte` when it holds a
// sequence of more than one byte.
bool valid_utf8(std::string_view line, bool& multibyte) {
    for (std::size_t i = 0; i < line.size();) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;  // nothing past U+10FFFF
        } else {
            return false;
        }
        if (line.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(line[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
        }
        multibyte = true;
        i += length;
    }
    return true;
}

// Returns the UTF-16 encoding that the first bytes of a table show, by a
// signature or by zero bytes in every other place, or an empty text.
std::string utf16_in(std::string_view start) {
    if (start.starts_with("\xFF\xFE")) return "utf-16le";
    if (start.starts_with("\xFE\xFF")) return "utf-16be";
    start = start.substr(0, UTF16_SAMPLE);
    std::size_t pairs = start.size() / 2;
    std::size_t even_zeros = 0;
    std::size_t odd_zeros = 0;
    for (std::size_t i = 0; i + 1 < start.size(); i += 2) {
        even_zeros += start[i] == '\0';
        odd_zeros += start[i + 1] == '\0';
    }
    // Latin text in UTF-16 has a zero in most pairs, always on the same side.
    if (pairs < 2) return "";
    if (odd_zeros * 2 >= pairs && even_zeros * 8 < pairs) return "utf-16le";
    if (even_zeros * 2 >= pairs && odd_zeros * 8 < pairs) return "utf-16be";
    return "";
}

// True when a field opens a quote that the separator cut: it starts with '"'
// and does not end with one.
bool cut_quote(std::string_view field) {
    field = trim_right(field);
    return !field.empty() && field.front() == '"' && (field.size() == 1 || field.back() != '"');
}

// Returns the number of the first field that holds '@', or a run of
// LONG_DIGITS digits, in both `a` and `b`, split at `separator`; 0 when none.
std::size_t shared_shape(std::string_view a, std::string_view b, char separator) {
    const auto shape = [](std::string_view field) {
        if (field.find('@') != std::string_view::npos) return 1;
        std::size_t run = 0;
        for (const char c : field) {
            run = c >= '0' && c <= '9' ? run + 1 : 0;
            if (run >= LONG_DIGITS) return 2;
        }
        return 0;
    };
    for (std::size_t k = 1; !a.empty() && !b.empty(); ++k) {
        const int shape_a = shape(split_field(a, separator));
        if (shape_a != 0 && shape_a == shape(split_field(b, separator))) return k;
        if (shape_a == 0) split_field(b, separator);
    }
    return 0;
}

// Per-table state of the row checks, kept across rows so no row allocates.
struct table_scan {
    record_values values;
    std::string folded;
    fill_buffers fill;
    std::string filled;
    std::vector<name_at> names;
    std::vector<tally> name_in_value;
    std::vector<tally> value_changed;
    tally quote_cut;
    tally runaway;
    std::size_t runaway_line = 0;
    std::string runaway_column;  // a column whose value holds its own name, likely the one that ran away
    name_scan card_names;
    tally utf8_rows;
    bool utf8 = true;
    bool high = false;
    bool failed = false;
};

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

// Runs the checks of one accepted record, whose line is `line`.
void check_accepted(const check_report& report, const template_scan& tmpl, table_scan& scan, std::string_view line,
                    std::size_t row) {
    const std::vector<column_spec>& columns = report.settings.columns;
    std::string_view rest = line;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view raw = copy_left(split_field(rest, report.settings.separator), VALUE_LEN);
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
    check_card_name(columns, scan.values, tmpl.lines, row, scan.card_names);
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

// Reads the table as rowcard does, record by record, and checks every row.
void check_table(check_report& report, const template_scan& tmpl, table_scan& scan) {
    const conversion_settings& settings = report.settings;
    const std::size_t column_count = settings.columns.size();
    scan.name_in_value.assign(column_count, {});
    scan.value_changed.assign(column_count, {});
    scan_name_lines(report, tmpl.lines, scan.card_names);
    text_reader table;
    if (!safe_to_open(report.table_name) || !open_for_reading(table, report.table_name)) return;
    report.table_found = true;
    const std::string utf16 = utf16_in(std::string_view(table.block).substr(0, table.end));
    std::string header;
    std::string first_record;
    std::string line;
    const bool has_header = read_line(table, header);
    const auto scan_bytes = [&scan](std::string_view text, std::size_t row) {
        bool multibyte = false;
        if (scan.utf8 && !valid_utf8(text, multibyte)) scan.utf8 = false;
        if (multibyte) add_row(scan.utf8_rows, row);
        scan.high |= multibyte || std::any_of(text.begin(), text.end(), [](char c) {
                         return static_cast<unsigned char>(c) >= 0x80;
                     });
    };
    if (has_header) {
        scan_bytes(header, 1);
        report.header_fields = fields_in(text_of(header), settings.separator);
    }
    for (std::size_t row = 2; read_line(table, line); ++row) {
        if (row == 2) first_record = line;
        scan_bytes(line, row);
        ++report.rows;
        const std::size_t fields = fields_in(text_of(line), settings.separator);
        report.fewest_fields = report.rows == 1 ? fields : std::min(report.fewest_fields, fields);
        report.most_fields = std::max(report.most_fields, fields);
        std::string_view rest = line;
        while (!rest.empty()) {
            if (cut_quote(split_field(rest, settings.separator))) {
                add_row(scan.quote_cut, row);
                break;
            }
        }
        if (take_record(line, settings, scan.values)) {
            ++report.accepted;
            check_accepted(report, tmpl, scan, line, row);
        } else {
            rejected_row rejected{row, {}};
            for (std::size_t p = 0; p < column_count; ++p) {
                if (settings.columns[p].mandatory && blank_value(scan.values[p])) {
                    rejected.columns.push_back(settings.columns[p].name);
                }
            }
            report.rejected.push_back(std::move(rejected));
        }
    }
    scan.failed = table.failed;
    close_reader(table);

    const std::string& name = report.table_name;
    if (!utf16.empty()) {
        report.encoding = utf16;
        add_problem(report, "table-utf16", name, 0, 1, "",
                    "the table is " + utf16 + ": a zero byte ends a line's text for rowcard, so values come out "
                    "empty or cut; save the table as Windows-1250 (ANSI, Central European), or convert it with "
                    "rowcard-prep");
    } else if (scan.high) {
        report.encoding = scan.utf8 && scan.utf8_rows.count > 0 ? "utf-8" : "cp1250";
    }
    if (report.encoding == "utf-8") {
        add_problem(report, "table-utf8", name, 0, scan.utf8_rows.rows.front(), "",
                    "the table is UTF-8 (" + rows_of(scan.utf8_rows) +
                        "), but rowcard reads code page 1250, so accented letters are garbled or dropped; save "
                        "the table as Windows-1250 (ANSI, Central European), or convert it with rowcard-prep",
                    scan.utf8_rows.count);
    }
    if (has_header && report.header_fields == 1 && !text_of(header).empty()) {
        for (const char candidate : LIKELY_SEPARATORS) {
            if (candidate == settings.separator) continue;
            const std::size_t split = fields_in(text_of(header), candidate);
            if (split < 2 || (report.rows > 0 && fields_in(text_of(first_record), candidate) < 2)) continue;
            const std::string shown = candidate == '\t' ? "a tab" : in_quotes(std::string(1, candidate));
            const std::string fix = candidate == '\t'
                                        ? "rowcard cannot split at a tab: save the table with ';' between "
                                          "fields, or convert it with rowcard-prep"
                                        : "put a line holding only " + shown + " in rowcard.ini";
            add_problem(report, "separator-mismatch", name, 0, 1, "",
                        "with the separator " + in_quotes(std::string(1, settings.separator)) +
                            " the header is one field, while " + shown + " splits it into " +
                            std::to_string(split) + ", so every value lands in the first column; " + fix);
            break;
        }
    }
    if (report.rows > 0) {
        const std::size_t field = shared_shape(text_of(header), text_of(first_record), settings.separator);
        if (field != 0) {
            add_problem(report, "missing-header", name, 0, 1, "",
                        "the first line, which rowcard always skips as a header, looks like a contact: field " +
                            std::to_string(field) +
                            " holds the same kind of value as the row after it, so that contact gets no card; "
                            "add a header line, such as the column names, at the top of the table");
        }
    }
    if (scan.quote_cut.count > 0) {
        add_problem(report, "quoted-separator", name, 0, scan.quote_cut.rows.front(), "",
                    "a field opens with '\"' and the separator " + in_quotes(std::string(1, settings.separator)) +
                        " stands inside the quotes (" + rows_of(scan.quote_cut) +
                        "); rowcard has no quoting, so it splits there and the later columns shift; remove the "
                        "separator from quoted values, or convert the table with rowcard-prep",
                    scan.quote_cut.count);
    }
    for (std::size_t p = 0; p < column_count; ++p) {
        const std::string& column = settings.columns[p].name;
        const tally& brought = scan.name_in_value[p];
        if (brought.count > 0) {
            add_problem(report, "name-in-value", name, 0, brought.rows.front(), column,
                        "a value of " + column + " holds " + in_quotes(brought.detail) +
                            ", the name of a later column, whose value rowcard then puts inside it (" +
                            rows_of(brought) + "); give every column a braced name such as " +
                            braced(brought.detail) + ": braces never stay in a value",
                        brought.count);
        }
        const tally& changed = scan.value_changed[p];
        if (changed.count > 0) {
            add_problem(report, "value-changed", name, 0, changed.rows.front(), column,
                        "cleaning changes values of " + column + " (" + rows_of(changed) + "): " + changed.detail,
                        changed.count);
        }
    }
    check_header(report, text_of(header));
    if (scan.runaway.count > 0) {
        add_problem(report, "runaway-fill", TEMPLATE_NAME, scan.runaway_line, scan.runaway.rows.front(),
                    scan.runaway_column,
                    "a word of a value recreates its own word placeholder, so rowcard fills it until its "
                    "bound and leaves the placeholder in the card (" + rows_of(scan.runaway) + "); " +
                        fix_braces(scan.runaway_column),
                    scan.runaway.count);
    }
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
