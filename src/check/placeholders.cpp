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
    for (const name_at& found : names) {
        if (found.column == ended) continue;
        if (found.word == 0) ended = found.column;
        word |= found.word != 0;
        scan.used[found.column] = true;
        report.placeholders.push_back({number, found.at + 1, found.column, found.word});
        ++filled;
        const std::string& name = columns[found.column].name;
        const std::string where = misplaced(text, name, found);
        if (where.empty()) continue;
        add_problem(report, "name-in-text", TEMPLATE_NAME, number, 0, name,
                    "column " + name + " is found " + where + ", and rowcard puts the value there; " +
                        fix_braces(name));
    }
    std::stable_sort(report.placeholders.end() - static_cast<std::ptrdiff_t>(filled), report.placeholders.end(),
                     [](const placeholder_report& a, const placeholder_report& b) { return a.position < b.position; });
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
