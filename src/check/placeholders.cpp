// rowcard-check's view of "master.vcf": the placeholders rowcard fills, found
// by rowcard's own `find_names`, and names that stand where no value belongs.
#include <algorithm>

#include "check/findings.hpp"
#include "run/run.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard::checking {
namespace {

// True for a byte that belongs to a word: an ASCII letter or digit, or any byte
// from 0x80 up, which is a letter of code page 1250 or part of one in UTF-8.
bool word_byte(unsigned char b) { return ascii_letter(b) || (b >= '0' && b <= '9') || b >= 0x80; }

// Returns the word of `line` around the bytes from `start` to `end`.
std::string_view word_around(std::string_view line, std::size_t start, std::size_t end) {
    while (start != 0 && word_byte(static_cast<unsigned char>(line[start - 1]))) --start;
    while (end != line.size() && word_byte(static_cast<unsigned char>(line[end]))) ++end;
    return line.substr(start, end - start);
}

// Returns where the name `name`, found at `found` in the template line `text`,
// stands out of place ("inside the word ...", "in the property part ..."), or
// an empty text when it stands where a value belongs.
std::string misplaced(std::string_view text, const std::string& name, const name_at& found) {
    const std::size_t start = found.word != 0 ? found.at - 1 : found.at;
    const std::size_t end = found.at + name.size();
    const std::size_t colon = text.find(':');
    // A name that ends in a brace or a '%' has that edge marked already.
    const bool open_front = word_byte(static_cast<unsigned char>(text[start]));
    const bool open_back = word_byte(static_cast<unsigned char>(name.back()));
    if ((open_front && start > 0 && word_byte(static_cast<unsigned char>(text[start - 1]))) ||
        (open_back && end < text.size() && word_byte(static_cast<unsigned char>(text[end])))) {
        return "inside the word " + in_quotes(word_around(text, start, end));
    }
    if ((open_front || open_back) && colon != std::string_view::npos && found.at < colon) {
        // A braced name there was put there on purpose (TEL;TYPE={TEL1 TYPE}); a bare
        // one most likely matched the property's own letters.
        return "in the property part " + in_quotes(text.substr(0, colon)) + ", before the first ':'";
    }
    return {};
}

// True for a byte that may stand inside a braced placeholder name: an ASCII
// letter, a digit, a space, or one of "-_./", the signs of names such as
// {E-MAIL} or {TEL1 TYPE}. A quote, a colon or a comma marks braced text meant
// as it stands.
bool name_byte(char c) {
    return ascii_letter(static_cast<unsigned char>(c)) || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
           c == '_' || c == '.' || c == '/';
}

// Returns the length of the braced name at `at` of `text`: '{', a letter, more
// name bytes, '}', no space at either edge, and all of it within NAME_LEN, the
// longest name a column can have; 0 when none starts there.
std::size_t braced_name_at(std::string_view text, std::size_t at) {
    if (text[at] != '{' || at + 1 == text.size() || !ascii_letter(static_cast<unsigned char>(text[at + 1]))) return 0;
    for (std::size_t end = at + 2; end < text.size() && end - at < NAME_LEN; ++end) {
        if (text[end] == '}') return text[end - 1] == ' ' ? 0 : end - at + 1;
        if (!name_byte(text[end])) return 0;
    }
    return 0;
}

// Returns the column whose name, its mandatory mark left out, is the braced
// `name` in any letter case, as rowcard matches names; null when none is.
const column_spec* column_named(const std::vector<column_spec>& columns, std::string_view name) {
    for (const column_spec& column : columns) {
        std::string_view plain = column.name;
        if (plain.ends_with('%')) plain.remove_suffix(1);
        if (plain.size() != name.size()) continue;
        std::size_t same = 0;
        while (same < name.size() && upper_byte(name[same]) == plain[same]) ++same;
        if (same == name.size()) return &column;
    }
    return nullptr;
}

// True when the braced `name` is upper case: a placeholder by its looks.
bool upper_case(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// Returns the advice for the braced name `name`, which no column fills in its
// line, and `marked` when a '%' follows it: the column it most likely meant,
// or a new column line.
std::string unfilled_advice(const std::vector<column_spec>& columns, std::string_view name, bool marked) {
    if (const column_spec* meant = column_named(columns, name); meant != nullptr) {
        const std::string& column = meant->name;
        if (meant->mandatory && !marked) {
            return "the column is " + column + " in rowcard.ini: write " + column + " here";
        }
        return "rowcard fills a column once a line, at its first whole " + column +
               ", and this one stands after it: put it on a line of its own";
    }
    return "add the column line " + std::string(name) + (marked ? "%" : "") +
           " to rowcard.ini, at the place of its field in the table, or remove it from master.vcf";
}

// Reports each braced placeholder name of the template line `text`, numbered
// `number`, that no column fills, so that every card shows it as it stands.
// `filled` holds where the line's filled names begin and end.
void report_unfilled(check_report& report, std::string_view text, std::size_t number,
                     const std::vector<std::pair<std::size_t, std::size_t>>& filled) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t length = braced_name_at(text, at);
        if (length == 0) continue;
        const bool covered = std::any_of(filled.begin(), filled.end(), [&](const auto& span) {
            return span.first < at + length && at < span.second;
        });
        const std::string_view name = text.substr(at, length);
        const bool marked = at + length < text.size() && text[at + length] == '%';
        at += length - 1;
        // Braced text with a lower-case letter is a placeholder only where it
        // names a column; else it is meant as it stands, as {x} or {Note} may be.
        if (covered || (!upper_case(name) && column_named(report.settings.columns, name) == nullptr)) continue;
        // A mandatory mark after it goes with it, as in a column line.
        const std::string written = std::string(name) + (marked ? "%" : "");
        add_problem(report, "unfilled-placeholder", TEMPLATE_NAME, number, 0, written,
                    in_quotes(written) + " is filled by no column, so every card shows it as it stands; " +
                        unfilled_advice(report.settings.columns, name, marked));
    }
}

// Lists the placeholders of the template line `line`, numbered `number`, in
// the order they stand, and reports the names out of place. Returns whether
// the line holds a word placeholder.
bool check_template_line(check_report& report, template_scan& scan, std::string_view line, std::size_t number,
                         std::vector<name_at>& names) {
    const std::vector<column_spec>& columns = report.settings.columns;
    const std::string_view text = without_line_feed(line);
    find_names(text, columns, names);
    bool word = false;
    std::size_t filled = 0;
    std::size_t ended = columns.size();  // the column whose plain placeholder was taken
    scan.filled_spans.clear();
    for (const name_at& found : names) {
        if (found.column == ended) continue;
        if (found.word == 0) ended = found.column;
        word |= found.word != 0;
        scan.used[found.column] = true;
        report.placeholders.push_back({number, found.at + 1, found.column, found.word});
        ++filled;
        const std::string& name = columns[found.column].name;
        scan.filled_spans.emplace_back(found.at, found.at + name.size());
        const std::string where = misplaced(text, name, found);
        if (where.empty()) continue;
        add_problem(report, "name-in-text", TEMPLATE_NAME, number, 0, name,
                    "column " + name + " is found " + where + ", and rowcard puts the value there; " +
                        fix_braces(name));
    }
    std::stable_sort(report.placeholders.end() - static_cast<std::ptrdiff_t>(filled), report.placeholders.end(),
                     [](const placeholder_report& a, const placeholder_report& b) { return a.position < b.position; });
    report_unfilled(report, text, number, scan.filled_spans);
    return word;
}

}  // namespace

void check_template(check_report& report, template_scan& scan) {
    scan.used.assign(report.settings.columns.size(), false);
    text_reader reader;
    if (!safe_to_open(TEMPLATE_NAME) || !open_for_reading(reader, TEMPLATE_NAME)) return;
    report.template_found = true;
    skip_signature(reader);
    std::string line;
    std::vector<name_at> names;
    while (read_line(reader, line)) {
        scan.lines.push_back(line);
        scan.has_word.push_back(check_template_line(report, scan, line, scan.lines.size(), names));
    }
    scan.failed = reader.failed;
    close_reader(reader);
}

}  // namespace rowcard::checking
