// rowcard-prep: turns a contacts export (quoted CSV in any common encoding) into
// rowcard's table, and starts a folder with a rowcard.ini and a master.vcf for it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace rowcard {

// Exit statuses of rowcard-prep.
inline constexpr int PREP_DONE = 0;       // the table (and the starter files) were written
inline constexpr int PREP_REFUSED = 1;    // nothing was written: it would harm a file, or writing failed
inline constexpr int PREP_NO_EXPORT = 2;  // the export is missing or cannot be read
inline constexpr int PREP_PROBLEMS = 3;   // the cards were written, and rowcard-check sees problems
inline constexpr int PREP_NO_CARDS = 4;   // the files are in place, but the conversion failed
inline constexpr int PREP_USAGE = 64;     // the command line is wrong
inline constexpr int PREP_UNWRITTEN = 74; // the report, help or version did not reach standard output

// How an export's bytes stand for characters.
enum class export_encoding { utf8, utf8_signed, utf16le, utf16be, cp1250, cp1252 };

// Google's way of putting several values into one field.
inline constexpr std::string_view LIST_MARK = " ::: ";

// One kind of change made to the values: how many values it touched, and the
// export lines of the first few of them.
struct change_tally {
    std::size_t count = 0;
    std::vector<std::size_t> lines;  // the first few lines, each once
    bool more_lines = false;         // lines beyond those were touched too
};

// Everything reading an export changed, kind by kind.
struct export_changes {
    change_tally invalid;       // byte sequences the encoding does not allow, dropped
    change_tally spaces;        // values whose line breaks, tabs or other spaces became plain spaces
    change_tally separators;    // values holding the table's separator, made a space
    change_tally list_items;    // Google's ' ::: ' lists, each item of which gets a column of its own
    change_tally base_letters;  // values with letters written as their Latin base letter
    change_tally dropped;       // values that lost signs, emoji, other scripts or control bytes
    change_tally extra_fields;  // records with fields beyond the header's, which were dropped
    change_tally short_rows;    // records with fewer fields than the header's, their last columns left empty
    change_tally footer_lines;  // lines after the data that hold one value, as a report's footer: no contacts, left out
    std::size_t unterminated_quote = 0;  // line where a quote that never closes opened; 0: none
};

// What the user fixed on the command line; unset means detect it.
struct export_reading {
    std::optional<export_encoding> encoding;
    std::optional<char> separator;
};

// An export read and cleaned into table lines.
struct export_result {
    export_encoding encoding = export_encoding::utf8;
    std::string encoding_reason;       // why that encoding, one clause
    char separator = ',';              // the export's separator
    std::size_t header_line = 1;       // the export line of the header, after any preamble
    std::vector<std::string> header;   // every header value, cleaned
    std::vector<bool> filled;          // per column: some record holds a value there
    std::size_t records = 0;           // records after the header
    std::string table;                 // the header and records, kept columns only, each line ending in a line feed
    export_changes changes;
};

// Reads the export `bytes`: detects what `how` leaves open, finds the header
// below any preamble (LinkedIn's "Notes:"), splits the fields (quotes, doubled
// quotes, separators and line breaks inside quotes), and cleans each value for
// rowcard with `table_separator` between them. Empty lines are no records; a
// record with fewer fields than the header gets empty values, and empty
// fields beyond it (as Thunderbird ends its lines) are no change. Empty input
// gives no header and an empty table.
export_result read_export(std::string_view bytes, const export_reading& how, char table_separator);

// Returns whether reading the export found what the user must look at before
// trusting the cards: invalid bytes dropped, or rows with more or fewer fields
// than the header, whose values may sit in the wrong columns.
bool export_needs_care(const export_changes& changes);

// Returns what the export `bytes` looks like when it is plainly no contacts
// table ("a vCard file", "an Excel workbook (.xlsx) or another ZIP archive",
// "an HTML page", ...); empty when it may be one. Empty input gives empty.
std::string not_a_table(std::string_view bytes);

// A user's correction of the reading of the columns: the export column
// headed `header` (as the export writes it) is the card field `field`, or is
// left off ("skip").
struct column_override {
    std::string header;
    std::string field;
};

// The table rowcard reads, made from an export: first the columns the card
// needs, worked out row by row, then the export's other columns that hold a value.
struct contact_table {
    std::string layout;                // "Outlook (German)", "a table with Czech headers", ...
    bool recognised = false;           // some column is a name, an organisation or an e-mail
    std::vector<std::string> header;   // the table's header values
    std::size_t recognised_columns = 0;  // export columns the card takes
    std::string refusal;               // when nothing is recognised: why, with the headers seen, and what to do
    std::string table;                 // the header and the rows, each line ending in a line feed
    std::size_t dropped_columns = 0;   // export columns left out: empty, or beyond MAX_COLUMNS
    std::size_t dropped_items = 0;     // phones, e-mails or addresses beyond the room MAX_COLUMNS leaves
    change_tally joiners;              // table lines with a sign between two words made a space
    change_tally lost_numbers;         // phone numbers a spreadsheet wrote in exponent form, left off
    std::string sources;               // the report's lines: each card field and the export columns it came from
    std::string left_off;              // the report's lines: columns with data left off the card, and why
    std::string reading;               // every column with its field and evidence, as --columns shows it
    std::size_t disagreements = 0;     // columns whose header and values disagree, left off
};

// Returns the table for the read export `read`, whose values are split by
// `table_separator`: a display name never blank when a row holds anything,
// the name's parts from a full name, each phone, e-mail and address in
// numbered columns with its vCard type, street lines joined; at most
// MAX_COLUMNS columns. With no column recognised the export's own columns
// stand, the first MAX_COLUMNS that matter.
contact_table make_contact_table(const export_result& read, char table_separator,
                                 const std::vector<column_override>& overrides = {});

// Turns each ASCII sign that rowcard drops ('-', '/', '_', ...) standing
// between two words of the value that begins at `start` of `out` into a
// space, unless the value holds '@', and returns whether any did: rowcard
// would join 'Novakova-Tothova' or 'Sales/IT' into one word. A sign at either
// end or beside a space is left for rowcard to drop.
bool space_joiners(std::string& out, std::size_t start);

// Returns the report's lines on the layout of `made`, read as `read`: its
// name, the columns known, a preamble skipped, and the items left out for want of room.
std::string layout_report(const export_result& read, const contact_table& made);

// The two starter files for a table of `header` columns, and what they used.
struct starter_files {
    std::string settings;                 // rowcard.ini: the table's name, ';', one column line each
    std::string master;                   // master.vcf: one vCard 3.0 card, lines ending in a line feed
    std::vector<std::string> recognised;  // the placeholders the card uses
};

// Returns the starter files for the table `table_name` whose columns are the
// cleaned `header` values (at most MAX_COLUMNS), as make_contact_table makes
// them: each column is named by its header in braces, upper case, at most
// NAME_LEN bytes and unique; the card has one line for each property a
// column fills ({FN}, {TEL1 TYPE}, ...), FN mandatory so that an empty row
// makes no card, and the first column for the name when there is no {FN}.
starter_files make_starter(const std::vector<std::string>& header, std::string_view table_name);

// Returns `files` with the mandatory mark '%' on exactly the columns whose
// bare placeholders ("{EMAIL1}") are in `marked`, in rowcard.ini and at each
// use in master.vcf alike, so that a starter file written beside a kept one
// agrees with it. An empty `marked` leaves no column mandatory.
starter_files with_marks(starter_files files, const std::vector<std::string>& marked);

// Returns the placeholder names that starter files give the columns of the
// cleaned `header`: each header in braces, upper case and folded, cut to fit
// NAME_LEN with its braces and made unique; an empty header is named by its
// column's number. rowcard-check compares them with rowcard.ini's columns.
std::vector<std::string> placeholder_names(const std::vector<std::string>& header);

// The command line, taken apart.
struct prep_options {
    bool force = false;
    bool new_starter = false;
    bool cards = false;     // convert through the user's own starter files too
    bool no_cards = false;  // stop once the files are in place
    bool show_columns = false;  // print the reading of the columns and write nothing
    std::vector<column_override> overrides;  // --column corrections, in order
    bool help = false;
    bool version = false;
    export_reading reading;
    std::string export_path;
    std::string folder;
};

// rowcard-prep's run as far as it goes before it enters FOLDER.
struct prep_request {
    int status = PREP_DONE;              // the exit status, when the run ends before FOLDER
    bool enter = false;                  // FOLDER is to be entered, and finish_prep called there
    prep_options options;
    std::string bytes;                   // the export's bytes
    std::filesystem::path export_path;   // the export, made absolute
    std::filesystem::path folder;        // FOLDER as given, or the export's folder
    std::filesystem::path full_folder;   // FOLDER made absolute before it is entered, to show to the user
};

// Starts rowcard-prep on the command-line `arguments` (without the program's
// name): answers --help and --version, reads the export, and decides FOLDER,
// which must be a folder. Errors go to stderr, the help to stdout. When the
// request says `enter`, the caller makes FOLDER the working folder, since the
// names in rowcard.ini are taken from the folder rowcard runs in, and calls
// finish_prep; else `status` is the exit status.
prep_request start_prep(const std::vector<std::string>& arguments);

// Finishes rowcard-prep in the working folder, which the caller tried to make
// `request.folder`; `entered` is what that gave, and an error ends the run.
// Writes the table, the starter files and the cards; returns the exit status,
// the report on stdout and errors on stderr.
int finish_prep(const prep_request& request, const std::error_code& entered);

}  // namespace rowcard
