// rowcard-check's parts share these: how a problem is recorded and worded, the
// scans of the three files, the forecast of the run, and the checks of names.
// Only src/check includes it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/check.hpp"
#include "record/record.hpp"
#include "template/fill.hpp"

namespace rowcard::checking {

// The table's first line, which rowcard skips as a header: rows are lines of
// the table file, counted from 1.
inline constexpr std::size_t HEADER_ROW = 1;

// Rows where a kind of problem stands: how many, and the first few.
struct tally {
    std::size_t count = 0;
    std::vector<std::size_t> rows;
    std::string detail;  // what the first row showed
};

// Counts row `row` in `t`; only the first few rows are kept by number.
void add_row(tally& t, std::size_t row);

// Returns "row 3", "rows 3 and 7", or "rows 3, 7, 9 and 4 more" for `t`; an
// empty tally gives "rows ".
std::string rows_of(const tally& t);

// Appends a problem to `report`.
void add_problem(check_report& report, std::string code, std::string file, std::size_t line, std::size_t row,
                 std::string column, std::string message, std::size_t count = 1);

// Returns `text` in single quotes, its bytes as they stand (empty gives '').
std::string in_quotes(std::string_view text);

// Returns `name` written with braces, a mandatory mark kept after them:
// "{TEL}%" for "TEL%", "{NAME}" for an empty name; a braced name stays as it is.
std::string braced(std::string_view name);

// Returns the advice that cures a name found where it is not meant: braces,
// which the cleaning drops from every value and no vCard word holds.
std::string fix_braces(std::string_view name);

// True for an ASCII letter; the bytes from 0x80 up are not, in any encoding.
constexpr bool ascii_letter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }

// Returns the number of fields of a line split at `separator`; an empty line is one.
std::size_t fields_in(std::string_view line, char separator);

// Appends the letter that the byte at `at` of `text`, one from 0x80 up,
// begins: a UTF-8 sequence as it stands, else that byte's code page 1250
// letter. Returns the bytes taken; 0, appending nothing, for a byte that is
// neither. The three ways check shows text to a person or a script share it.
std::size_t append_letter(std::string& out, std::string_view text, std::size_t at);

// Returns `bytes` as readable letters: UTF-8 kept, every other byte from 0x80
// up read as code page 1250; empty gives empty.
std::string readable(std::string_view bytes);

// How cleaning a value loses more than spelling.
enum class loss_kind { none, letter, address, joined };

// One loss, with the first byte dropped (as it stood in the field).
struct value_loss {
    loss_kind kind = loss_kind::none;
    char dropped = 0;
};

// Returns how rowcard's cleaning of the field `raw` (cut as rowcard cuts it)
// into `value` (what rowcard made of it) loses more than spelling: a letter it
// does not fold, a sign from inside an e-mail address, or a sign between two
// letters. Dropped phone punctuation, and brackets around an address, are no
// loss. Empty fields lose nothing. `folded` is scratch storage.
value_loss loss_in(std::string_view raw, std::string_view value, std::string& folded);

// Returns the example and the advice for `loss` in the field `raw`.
std::string loss_detail(value_loss loss, std::string_view raw, std::string_view value);

// The template's name lines, and the rows whose card would have an empty FN.
struct name_scan {
    std::vector<std::size_t> fn_lines;  // template lines, from 0, of the FN property
    bool has_name_line = false;         // the template holds an FN or N line
    bool name_filled = false;           // some column is filled into an FN or N line
    std::string fn_columns;             // the columns filled into FN, for the advice
    tally empty_fn;
    std::string filled;  // scratch: an FN line being filled
    fill_buffers fill;
};

// Finds the FN and N lines among the template's `lines` and whether a column
// of `report.placeholders` is filled into them. No lines: no name lines.
void scan_name_lines(const check_report& report, const std::vector<std::string>& lines, name_scan& scan);

// Counts row `row` when the FN lines filled with `values` leave the name empty.
void check_card_name(const std::vector<column_spec>& columns, const record_values& values,
                     const std::vector<std::string>& lines, std::size_t row, name_scan& scan);

// Adds the problems of cards without a name: no column in FN or N, or rows
// whose FN would be empty. A template that cannot be read adds none.
void report_names(check_report& report, const name_scan& scan);

// Returns the vCard property of a template line, upper case, without its
// group and parameters ("FN" for "item1.fn;CHARSET=x:..."); empty when the
// line has no ':'.
std::string property_of(std::string_view line);

// A template line whose property needs something of its value, and the rows
// whose filled value lacks it.
struct fit_line {
    std::size_t line;    // template line, from 0
    std::size_t need;    // what its property needs of its value
    std::string column;  // the first column filled into its value
    std::vector<std::pair<std::size_t, std::size_t>> pieces;  // column and word of each value put in its value
    bool fixed_content = false;  // its value part holds fixed text besides spaces
    tally misfits;
    std::string example;  // the first misfit value, as rowcard writes it
};

// The template's lines judged by their property, and their scratch.
struct fit_scan {
    std::vector<fit_line> lines;
    std::string version;  // the card's vCard version, as its VERSION line names it
    std::size_t version_line = 0;  // that line, from 1; 0: none
    std::string filled;  // scratch: a line being filled
    fill_buffers fill;
};

// Finds the EMAIL, TEL and BDAY lines among the template's `lines` whose
// value part holds a placeholder of `report.placeholders`, and the card's
// vCard version. No lines: none.
void scan_fit_lines(const check_report& report, const std::vector<std::string>& lines, fit_scan& scan);

// Counts row `row` for each judged line that, filled with `values`, gets a
// value without what its property needs; an empty value is no misfit.
void check_fit(const std::vector<column_spec>& columns, const record_values& values,
               const std::vector<std::string>& lines, std::size_t row, fit_scan& scan);

// Adds a problem when the template's VERSION line names a version other than
// 2.1, 3.0 and 4.0. A template with no VERSION line has none.
void report_version(check_report& report, const fit_scan& scan);

// Adds a problem for each judged line with misfit rows: how many, and one example.
void report_fits(check_report& report, const fit_scan& scan);

// Adds a problem when rowcard.ini's columns do not fit the table's `header`
// line (its line feed left out): columns named from other header fields, as
// rowcard-prep names them, or another count (a trailing separator, as some
// exports write, adds no field). No columns or no header: none.
void check_header(check_report& report, std::string_view header);

// What the forecast needs of the files as check read them.
struct read_facts {
    bool settings_failed = false;  // a read error cut "rowcard.ini" short
    bool table_failed = false;     // ... the table
    bool template_failed = false;  // ... the template
};

// True when reading `path` cannot wait or run without end: it reaches a
// regular file, a folder, or nothing. FIFOs and devices are never opened.
bool safe_to_open(const std::string& path);

// Foresees the end of the run by rowcard's own order of file steps, and adds
// the problems of files that cannot be opened or are no regular files.
void predict_run(check_report& report, const read_facts& facts);

// Returns the sentence that says what rowcard would do, for a person.
std::string outcome_text(const check_report& report);

// Reads the settings with `read_config`, listing what each line of
// "rowcard.ini" is, and reports a column line that looks like a comment. A
// file that is no regular file or folder is not opened.
void check_settings(check_report& report, read_facts& facts);

// The template as rowcard reads it, with what the table's checks need of it.
struct template_scan {
    std::vector<std::string> lines;
    std::vector<bool> has_word;  // the line holds a word placeholder, which could run away
    std::vector<bool> used;      // per column: its name is filled somewhere
    std::vector<std::pair<std::size_t, std::size_t>> filled_spans;  // scratch: where a line's filled names lie
    bool failed = false;         // a read error cut the template short
};

// Reads "master.vcf" and lists the placeholders that fill each column: its
// word placeholders up to the first plain one, which ends the column's turn.
// Reports a name that stands inside a longer word or in a property name.
void check_template(check_report& report, template_scan& scan);

// What reading the table found, kept across rows so that no row allocates.
struct table_scan {
    // Per row, scratch.
    record_values values;
    std::string folded;
    fill_buffers fill;
    std::string filled;
    std::vector<name_at> names;
    std::vector<std::string_view> fields;  // the row's column fields, cut as values are
    // Found in the rows, told as problems once the table is read.
    std::string utf16;  // the UTF-16 encoding the table's first bytes show, or empty
    std::string header;        // the header line, as read; empty without one
    std::string first_record;  // the line after it, as read
    std::vector<tally> name_in_value;
    std::vector<tally> value_changed;
    tally quote_cut;
    tally runaway;
    std::size_t runaway_line = 0;
    std::string runaway_column;  // a column whose value holds its own name, likely the one that ran away
    name_scan card_names;
    fit_scan fits;
    tally utf8_rows;
    bool utf8 = true;
    bool failed = false;
};

// Adds the problems that the whole table shows once read: its encoding, its
// separator and header, quotes, what cleaning does to each column's values,
// word placeholders that run away, and values that do not fit their property;
// for a table that was read.
void report_table_problems(check_report& report, const table_scan& scan);

// Returns `text` for a terminal: a byte that is no UTF-8 as its code page 1250
// letter, and control bytes, tabs among them, as \t or \xNN.
std::string shown(std::string_view text);

}  // namespace rowcard::checking
