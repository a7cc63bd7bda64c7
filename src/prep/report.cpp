// rowcard-prep's words: the lines of its report on the export read and the
// table written, and where its messages go.
#include "prep/report.hpp"

#include <cstdio>

#include "config/config.hpp"
#include "prep/options.hpp"
#include "prep/table.hpp"

namespace rowcard {
namespace {

// Returns the name of an encoding as the report gives it.
std::string encoding_name(export_encoding encoding) {
    switch (encoding) {
    case export_encoding::utf8: return "UTF-8";
    case export_encoding::utf8_signed: return "UTF-8 with signature";
    case export_encoding::utf16le: return "UTF-16 LE";
    case export_encoding::utf16be: return "UTF-16 BE";
    case export_encoding::cp1250: return "code page 1250";
    case export_encoding::cp1252: return "code page 1252";
    case export_encoding::cp1251: return "code page 1251";
    }
    return "";
}

// Returns a separator as the report shows it.
std::string separator_name(char separator) {
    if (separator == '\t') return "tab";
    return std::string("'") + separator + "'";
}

// Returns one report line for a kind of change, or nothing when there was none.
std::string tally_line(const change_tally& tally, std::string_view what, std::string_view unit) {
    if (tally.count == 0) return "";
    std::string line = "  " + std::string(what) + ": " + std::to_string(tally.count) + " " + std::string(unit);
    line += tally.count == 1 ? "" : "s";
    line += tally.lines.size() > 1 ? " (lines " : " (line ";
    for (std::size_t k = 0; k < tally.lines.size(); ++k) line += (k ? ", " : "") + std::to_string(tally.lines[k]);
    line += tally.more_lines ? ", ...)" : ")";
    if (!tally.example.empty()) line += ", as '" + tally.example + "'";
    return line + "\n";
}

// The width a report line is folded to, as a terminal shows it whole.
constexpr std::size_t REPORT_WIDTH = 100;

// Returns `items` (", " between them) after `lead`, folded before an item
// that would pass REPORT_WIDTH; each line ends in a line feed.
std::string wrapped(const std::string& lead, const std::string& items) {
    std::string text = lead;
    std::size_t line_start = 0;
    for (std::size_t at = 0; at < items.size();) {
        std::size_t end = items.find(", ", at);
        end = end == std::string::npos ? items.size() : end + 2;
        if (text.size() - line_start + (end - at) > REPORT_WIDTH && text.size() - line_start > lead.size()) {
            while (!text.empty() && text.back() == ' ') text.pop_back();
            text += "\n";
            line_start = text.size();
            text.append(lead.size(), ' ');
        }
        text.append(items, at, end - at);
        at = end;
    }
    return text + "\n";
}

// Returns the report's lines on the layout of `made`, read as `read`: its
// name, the columns known, a preamble skipped, and the items left out for want of room.
std::string layout_report(const export_result& read, const contact_table& made) {
    std::string text = "  Layout: " + made.layout + "; " + std::to_string(made.recognised_columns) +
                       (made.recognised ? " columns known.\n" : " columns known, none a name, an organisation or an e-mail.\n");
    if (read.headerless) {
        text += "  No header line: the first line holds contacts' values, so the columns are read from their values"
                " alone; --column 'Column 1=name' says what one holds.\n";
    } else if (read.header_line > 1) {
        text += "  The header is line " + std::to_string(read.header_line) + "; the lines above it were skipped.\n";
    }
    if (made.dropped_items != 0) {
        text += "  " + std::to_string(made.dropped_items) + " phone, e-mail or address columns left out: rowcard takes " +
                std::to_string(MAX_COLUMNS) + " columns.\n";
    }
    if (!made.sources.empty()) text += wrapped("  On the card: ", made.sources + ".");
    if (!made.left_off.empty()) text += wrapped("  Left off: ", made.left_off + ".");
    if (made.disagreements != 0) {
        text += "  Check the columns left off because header and values disagree; --column HEADER=FIELD says what\n"
                "  one holds, --columns shows the whole reading.\n";
    }
    if (made.lost_numbers.count != 0) {
        text += "  " + std::to_string(made.lost_numbers.count) + " phone numbers in a spreadsheet's exponent form "
                "(4,20604E+11) lost their digits and were left off; export that column as text.\n";
    }
    const std::size_t unread = made.unread_birthdays.count + made.yearless_birthdays.count;
    if (made.birthdays + unread != 0) {
        text += "  Birthdays: " + std::to_string(made.birthdays) + " on the cards, " + std::to_string(unread) +
                " left off.\n";
    }
    return text;
}

// Returns the "what it changed" part of the report.
std::string changes_report(const export_changes& changes, const contact_table& made) {
    std::string text;
    if (changes.unterminated_quote != 0) {
        text += "  a quote opened on line " + std::to_string(changes.unterminated_quote) +
                " never closes: it was read as a plain character, and its field ends with that line\n";
    }
    text += tally_line(changes.invalid, "byte sequences invalid in the encoding, dropped", "sequence");
    text += tally_line(changes.spaces, "line breaks, tabs or special spaces made plain spaces", "value");
    text += tally_line(made.separators, "the table's separator inside a value made a space", "row");
    text += tally_line(changes.list_items, "items of ' ::: ' lists given columns of their own", "item");
    text += tally_line(changes.base_letters, "letters written as their base letter (a stroke or ring dropped)", "value");
    text += tally_line(changes.latin_letters, "Cyrillic, Greek, 'ð' or 'þ' written in Latin letters, which rowcard's"
                                              " code page holds", "value");
    text += tally_line(changes.formulas, "a spreadsheet's text marks (=\"...\" or ') written as the text they give", "value");
    text += tally_line(changes.dropped, "signs, emoji or letters of other scripts dropped", "value");

    text += tally_line(changes.extra_fields, "fields beyond the header's columns dropped", "row");
    text += tally_line(changes.short_rows, "fewer fields than the header's columns, the last ones left empty (a"
                                           " lost separator puts the values after it in the wrong columns: check"
                                           " these rows)", "row");
    text += tally_line(changes.footer_lines, "lines after the data taken for a report's footer, no contacts, left out", "line");
    text += tally_line(changes.headers_again, "lines repeating the header, or a block's title above it, left out", "line");
    text += tally_line(made.joiners, "signs such as '-' or '/' between two words made a space, which rowcard would"
                                     " drop", "row");
    text += tally_line(made.unread_birthdays, "birthdays in no date form known, left off", "row");
    text += tally_line(made.yearless_birthdays, "birthdays without a year, left off (only vCard 4.0 carries them,"
                                                " and only where no birthday has a year)", "row");
    text += tally_line(made.web_cut, "web addresses cut to their host (rowcard drops '/' and ':')", "row");
    text += tally_line(made.more_addresses, "rows of only an address taken as more addresses of the contact above, their"
                                           " other values left out", "row");
    text += tally_line(made.web_lost, "web addresses left off: rowcard would change their host ('-', '_', a"
                                      " letter it folds)", "row");
    text += tally_line(made.groups_cut, "groups after the first left off (rowcard drops the ',' between them)", "row");
    if (made.dropped_columns != 0) {
        text += "  " + std::to_string(made.dropped_columns) + " columns left out: empty ones, and beyond the " +
                std::to_string(MAX_COLUMNS) + " columns rowcard takes\n";
    }
    return text.empty() ? "  nothing\n" : text;
}

}  // namespace

void complain(const std::string& message) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(PREP_PROGRAM.size()), PREP_PROGRAM.data(), message.c_str());
}

void say(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

std::string read_report(std::string_view export_path, const export_result& read, const contact_table& made) {
    std::string report = "Read " + std::string(export_path) + ": " + encoding_name(read.encoding) + ", separator " +
                         separator_name(read.separator) + ", " + std::to_string(read.records) + " rows, " +
                         std::to_string(read.header.size()) + " columns.\n";
    report += "  Encoding " + encoding_name(read.encoding) + ": " + read.encoding_reason + ".\n";
    report += layout_report(read, made);
    report += "Changed:\n" + changes_report(read.changes, made);
    return report;
}

std::string table_report(std::string_view where, std::size_t rows, std::size_t columns, char separator) {
    return "Wrote " + std::string(where) + ": " + std::to_string(rows) + " rows and a header, " +
           std::to_string(columns) + " columns, separator " + separator_name(separator) + ".\n";
}

}  // namespace rowcard
