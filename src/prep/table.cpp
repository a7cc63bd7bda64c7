// The table made from an export: the card's columns, as many as some row
// fills and MAX_COLUMNS allows, then the export's other columns that hold a value.
#include <algorithm>

#include "config/config.hpp"
#include "check/findings.hpp"
#include "prep/columns.hpp"
#include "prep/decode.hpp"
#include "prep/derive.hpp"
#include "prep/table.hpp"

namespace rowcard {
namespace {

// Headers named in the message about an export with no known column.
constexpr std::size_t HEADERS_NAMED = 12;
// Columns that each phone takes: its number and its vCard type.
constexpr std::size_t PHONE_COLUMNS = 2;
// The kinds of item cut in turn when the card has no room: phones, e-mails, addresses.
constexpr std::size_t KINDS_CUT = 3;
// One name column holds whole names when at least one filled value in this many has a space.
constexpr std::size_t WHOLE_NAMES_SHARE = 2;

// The birthday's column where every birthday is a day without its year.
constexpr std::string_view YEARLESS_BIRTHDAY = "BDAY NO YEAR";

// How many columns of each kind the table gets: what some row fills.
struct table_shape {
    std::array<bool, SINGLES> single{};
    std::size_t phones = 0;
    std::size_t emails = 0;
    std::size_t addresses = 0;
    std::array<bool, PARTS> part{};
    std::vector<bool> source;  // per export column: it goes into the table as it is
    vcard_version version = vcard_version::v30;  // how the types are written
    bool yearless = false;     // the birthdays are days without a year, as 4.0 writes them after '--'

    // Returns the number of columns the card's properties take.
    std::size_t card_columns() const {
        std::size_t parts = 1;  // the type
        for (const bool p : part) parts += p;
        return static_cast<std::size_t>(std::count(single.begin(), single.end(), true)) + PHONE_COLUMNS * phones + emails +
               addresses * parts;
    }
};

// Returns, for each row, whether it continues the card of the row above: it
// holds only an address, after a row that holds a contact's own values (a
// register's further addresses of one customer). None does where such rows are
// as many as the others: then the names stand in a column not read.
std::vector<bool> continuing_rows(const export_plan& plan, const export_result& read, std::string_view joiner) {
    std::vector<bool> continues(row_count(read.rows), false);
    std::vector<std::string_view> v;
    std::size_t count = 0;
    bool after_contact = false;
    for (std::size_t r = 0; r < continues.size(); ++r) {
        row_values(read.rows, r, v);
        const card_row row = derive_row(plan, v, joiner);
        const bool address = only_an_address(plan, v, row);
        continues[r] = address && after_contact;
        count += continues[r];
        // An empty row makes no card, so what follows it continues none.
        after_contact = continues[r] || (!address && !row.single[FN].empty());
    }
    if (count * 2 >= continues.size()) continues.assign(continues.size(), false);
    return continues;
}

// Returns what the rows fill, with the phones, e-mails and addresses cut so
// that the card fits in MAX_COLUMNS (the items cut counted in `dropped`), and
// the export's other filled columns while room is left.
table_shape measure(const export_plan& plan, const export_result& read, std::string_view joiner, vcard_version version,
                    const std::vector<bool>& continues, std::size_t& dropped) {
    table_shape shape;
    shape.version = version;
    shape.single[FN] = true;
    std::size_t dated = 0;     // birthdays with a year
    std::size_t yearless = 0;  // and without
    card_row card;
    std::vector<std::string_view> v;
    for (std::size_t r = 0; r < row_count(read.rows); ++r) {
        row_values(read.rows, r, v);
        const card_row row = derive_row(plan, v, joiner);
        // The addresses of the card the row belongs to, with those of the rows continuing it.
        if (!continues[r]) card.addresses.clear();
        take_addresses(card, row);
        shape.addresses = std::max(shape.addresses, card.addresses.size());
        for (std::size_t s = 0; s < SINGLES; ++s) shape.single[s] = shape.single[s] || !row.single[s].empty();
        if (!row.single[BDAY].empty()) ++(row.yearless ? yearless : dated);
        shape.phones = std::max(shape.phones, row.phones.size());
        shape.emails = std::max(shape.emails, row.emails.size());
        for (const auto& address : row.addresses) {
            for (std::size_t p = 0; p < PARTS; ++p) shape.part[p] = shape.part[p] || !address.second[p].empty();
        }
    }
    // One BDAY line carries either form: '--' and a day in 4.0 only, and only where no birthday has a year.
    shape.yearless = version == vcard_version::v40 && dated == 0 && yearless > 0;
    shape.single[BDAY] = dated > 0 || shape.yearless;
    for (std::size_t turn = 0; shape.card_columns() > MAX_COLUMNS; ++turn) {
        std::size_t& cut = turn % KINDS_CUT == 0 ? shape.phones : turn % KINDS_CUT == 1 ? shape.emails : shape.addresses;
        if (cut > 1) --cut, ++dropped;
    }
    std::size_t room = MAX_COLUMNS - shape.card_columns();
    shape.source.assign(read.header.size(), false);
    for (std::size_t c = 0; c < read.header.size() && room > 0; ++c) {
        if (!plan.consumed[c] && read.filled[c]) shape.source[c] = true, --room;
    }
    return shape;
}

// Appends one table line of `cells` to `table`, with `separator` between
// them: a separator inside a value is made a space, and the line `line`
// noted in `separators` when one was; in a row (`joiners` given) each value
// has its joining signs spaced (see space_joiners), and `line` noted there when some were.
void put_line(std::string& table, const std::vector<std::string_view>& cells, char separator, std::size_t line,
              change_tally& separators, change_tally* joiners) {
    bool split = false;
    bool spaced = false;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (k > 0) table.push_back(separator);
        const std::size_t start = table.size();
        table.append(cells[k]);
        for (std::size_t at = table.find(separator, start); at != std::string::npos; at = table.find(separator, at + 1)) {
            table[at] = ' ';
            split = true;
        }
        if (joiners != nullptr) spaced |= space_joiners(table, start);
    }
    table.push_back('\n');
    if (split) note(separators, line);
    if (spaced) note(*joiners, line);
}

// Returns the header cell `cell` of the table's column `position` (from 0). A
// cell that cleaning left empty ('姓名') is named as its placeholder is
// ("COLUMN 7"): rowcard reads a header that ends in an empty field as one
// field shorter, which would shift the columns rowcard.ini lists.
std::string named_cell(std::string_view cell, std::size_t position) {
    if (!trimmed(cell).empty()) return std::string(cell);
    return "COLUMN " + std::to_string(position + 1);
}

// Returns the table's header: the card's columns, then the export's own.
std::vector<std::string> shape_header(const table_shape& shape, const std::vector<std::string>& export_header) {
    std::vector<std::string> header;
    for (std::size_t s = 0; s < SINGLES; ++s) {
        if (shape.single[s]) header.emplace_back(s == BDAY && shape.yearless ? YEARLESS_BIRTHDAY : SINGLE_NAMES[s]);
    }
    const auto numbered = [](std::string_view stem, std::size_t k, std::string_view tail) {
        std::string key(stem);
        key.append(std::to_string(k)).append(tail);
        return key;
    };
    for (std::size_t k = 1; k <= shape.phones; ++k) {
        header.push_back(numbered("TEL", k, ""));
        header.push_back(numbered("TEL", k, " TYPE"));
    }
    for (std::size_t k = 1; k <= shape.emails; ++k) header.push_back(numbered("EMAIL", k, ""));
    for (std::size_t k = 1; k <= shape.addresses; ++k) {
        header.push_back(numbered("ADR", k, " TYPE"));
        for (std::size_t p = 0; p < PARTS; ++p) {
            if (shape.part[p]) header.push_back(numbered("ADR", k, " ").append(PART_NAMES[p]));
        }
    }
    for (std::size_t c = 0; c < export_header.size(); ++c) {
        if (shape.source[c]) header.push_back(named_cell(export_header[c], header.size()));
    }
    return header;
}

// Appends the cells of `row` that `shape` has columns for to `cells`.
void row_cells(const table_shape& shape, const card_row& row, std::vector<std::string_view>& cells) {
    for (std::size_t s = 0; s < SINGLES; ++s) {
        if (shape.single[s]) cells.push_back(s != BDAY || row.yearless == shape.yearless ? std::string_view(row.single[s]) : "");
    }
    for (std::size_t k = 0; k < shape.phones; ++k) {
        cells.push_back(k < row.phones.size() ? std::string_view(row.phones[k].first) : "");
        cells.push_back(k < row.phones.size() ? type_word(shape.version, row.phones[k].second) : "");
    }
    for (std::size_t k = 0; k < shape.emails; ++k) {
        cells.push_back(k < row.emails.size() ? std::string_view(row.emails[k]) : std::string_view());
    }
    for (std::size_t k = 0; k < shape.addresses; ++k) {
        cells.push_back(k < row.addresses.size() ? type_word(shape.version, row.addresses[k].first) : "");
        for (std::size_t p = 0; p < PARTS; ++p) {
            if (shape.part[p]) cells.push_back(k < row.addresses.size() ? std::string_view(row.addresses[k].second[p]) : "");
        }
    }
}

// Fills `out` with the table of an export with no column the card knows: its
// own columns, all while they fit in MAX_COLUMNS, else those that hold a
// value first, then the first empty ones.
void export_as_it_is(const export_result& read, char separator, contact_table& out) {
    std::vector<bool> keep(read.header.size(), read.header.size() <= MAX_COLUMNS);
    std::size_t room = read.header.size() <= MAX_COLUMNS ? 0 : MAX_COLUMNS;
    // The filled columns first, then the empty ones from the front, while room is left.
    for (const bool filled : {true, false}) {
        for (std::size_t c = 0; c < keep.size() && room > 0; ++c) {
            if (!keep[c] && read.filled[c] == filled) keep[c] = true, --room;
        }
    }
    std::vector<std::string_view> v;
    std::vector<std::string_view> cells;
    for (std::size_t c = 0; c < keep.size(); ++c) {
        if (keep[c]) out.header.push_back(named_cell(read.header[c], out.header.size()));
        out.dropped_columns += !keep[c];
    }
    cells.assign(out.header.begin(), out.header.end());
    put_line(out.table, cells, separator, read.header_line, out.separators, nullptr);
    for (std::size_t r = 0; r < row_count(read.rows); ++r) {
        row_values(read.rows, r, v);
        cells.clear();
        for (std::size_t c = 0; c < keep.size(); ++c) {
            if (keep[c]) cells.push_back(v[c]);
        }
        put_line(out.table, cells, separator, read.rows.lines[r], out.separators, nullptr);
        ++out.rows;
    }
}

// Notes what the card of `row`, from export line `line`, carries of its
// extras and what it left off, in `out`; `yearless` says which form of
// birthday the table carries.
void note_extras(const card_row& row, bool yearless, std::size_t line, contact_table& out) {
    const auto noted = [&](change_tally& tally, std::string_view example) {
        if (example.empty()) return;
        note(tally, line);
        if (tally.example.empty()) tally.example = example;
    };
    const bool carried = !row.single[BDAY].empty() && row.yearless == yearless;
    out.birthdays += carried;
    noted(out.unread_birthdays, row.unread_birthday);
    if (!row.single[BDAY].empty() && !carried) noted(out.yearless_birthdays, row.birthday_written);
    noted(out.web_cut, row.web_cut);
    noted(out.web_lost, row.web_lost);
    noted(out.groups_cut, row.groups_cut);
}

// Returns the values of each column of `rows`, in row order.
std::vector<std::vector<std::string_view>> column_values(const field_rows& rows) {
    std::vector<std::vector<std::string_view>> values(rows.columns);
    for (std::size_t r = 0; r < row_count(rows); ++r) {
        for (std::size_t c = 0; c < rows.columns; ++c) values[c].push_back(value_at(rows, r, c));
    }
    return values;
}

// Fills the report's lines on `reading` of the columns headed `header` into
// `out`: where each card field comes from, what is left off and why.
void describe_reading(const std::vector<std::string>& header, const columns_reading& reading, contact_table& out) {
    out.reading = reading_report(header, reading);
    for (std::size_t c = 0; c < header.size(); ++c) {
        const column_reading& r = reading.columns[c];
        const std::string field = field_label(r.role);
        std::string shown(1, '\'');
        shown += checking::readable(header[c]);
        shown += '\'';
        std::string& list = !field.empty() ? out.sources : out.left_off;
        if (field.empty() && (r.evidence.filled == 0 || r.why.empty())) continue;
        if (!list.empty()) list += ", ";
        if (!field.empty()) {
            list += field;
            list += " <- ";
            list += shown;
        } else {
            list += shown;
            list += " (";
            list += r.why;
            list += ")";
        }
        out.disagreements += r.disagrees;
    }
}

}  // namespace

contact_table make_contact_table(const export_result& read, char table_separator,
                                 const std::vector<column_override>& overrides, vcard_version version) {
    contact_table out;
    const std::vector<std::vector<std::string_view>> values = column_values(read.rows);
    const columns_reading reading = read_columns(read.header, values, overrides, read.headerless);
    export_plan plan = make_plan(reading.layout);
    if (plan.birthday >= 0) {
        // English layouts write the month first, as Outlook's and Google's do; the dates themselves may say otherwise.
        const bool english = reading.layout.language == export_language::english;
        plan.birthday_order = order_shown(values[static_cast<std::size_t>(plan.birthday)],
                                          english ? day_order::month_first : day_order::day_first);
    }
    describe_reading(read.header, reading, out);
    out.layout = reading.layout.name;
    out.recognised = plan.single[FN] >= 0 || plan.single[GIVEN] >= 0 || plan.single[FAMILY] >= 0 ||
                     plan.single[ORG] >= 0 || !plan.emails.empty();
    out.recognised_columns = static_cast<std::size_t>(std::count(plan.consumed.begin(), plan.consumed.end(), true));
    if (!out.recognised) {
        out.refusal = "no column is a name, an organisation or an e-mail (headers: ";
        for (std::size_t c = 0; c < read.header.size() && c < HEADERS_NAMED; ++c) {
            out.refusal += (c ? ", '" : "'") + checking::readable(read.header[c]) + "'";
        }
        out.refusal += read.header.size() > HEADERS_NAMED ? ", ...)" : ")";
        out.refusal += "; name a column 'Name' or 'E-mail', or run again with --force to take it as it is";
        export_as_it_is(read, table_separator, out);
        return out;
    }
    const std::string_view joiner = table_separator == ',' ? " " : ", ";
    std::vector<std::string_view> v;
    // One name column whose values are mostly several words holds whole names.
    if (plan.single[GIVEN] >= 0 && plan.single[FAMILY] < 0 && plan.single[FN] < 0) {
        std::size_t filled = 0;
        std::size_t spaced = 0;
        for (std::size_t r = 0; r < row_count(read.rows); ++r) {
            const std::string_view given = value_at(read.rows, r, static_cast<std::size_t>(plan.single[GIVEN]));
            filled += !given.empty();
            spaced += given.find(' ') != std::string_view::npos;
        }
        plan.given_is_full = spaced * WHOLE_NAMES_SHARE >= filled && spaced > 0;
    }
    const std::vector<bool> continues = continuing_rows(plan, read, joiner);
    const table_shape shape = measure(plan, read, joiner, version, continues, out.dropped_items);
    for (std::size_t c = 0; c < read.header.size(); ++c) out.dropped_columns += !plan.consumed[c] && !shape.source[c];
    out.header = shape_header(shape, read.header);
    std::vector<std::string_view> cells(out.header.begin(), out.header.end());
    put_line(out.table, cells, table_separator, read.header_line, out.separators, nullptr);
    std::vector<std::string_view> more;
    for (std::size_t r = 0; r < row_count(read.rows); ++r) {
        if (continues[r]) continue;
        row_values(read.rows, r, v);
        card_row row = derive_row(plan, v, joiner);
        for (std::size_t k = r + 1; k < continues.size() && continues[k]; ++k) {
            row_values(read.rows, k, more);
            take_addresses(row, derive_row(plan, more, joiner));
            note(out.more_addresses, read.rows.lines[k]);
        }
        if (row.lost_numbers != 0) note(out.lost_numbers, read.rows.lines[r]);
        note_extras(row, shape.yearless, read.rows.lines[r], out);
        cells.clear();
        row_cells(shape, row, cells);
        for (std::size_t c = 0; c < shape.source.size(); ++c) {
            if (shape.source[c]) cells.push_back(v[c]);
        }
        put_line(out.table, cells, table_separator, read.rows.lines[r], out.separators, &out.joiners);
        ++out.rows;
    }
    return out;
}

}  // namespace rowcard
