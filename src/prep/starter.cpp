// The starter files: a rowcard.ini naming every column of the table, and a
// master.vcf card with one line for each property that the table's columns fill.
#include <algorithm>

#include "config/config.hpp"
#include "prep/layouts.hpp"
#include "prep/starter.hpp"
#include "prep/vcard.hpp"
#include "text/text.hpp"

namespace rowcard {

namespace {

// The braces around every placeholder name: they keep one name from matching
// inside another ({TEL1} inside {TEL1 TYPE}) and from matching card text.
constexpr char OPEN = '{';
constexpr char CLOSE = '}';
// The starter table's separator: ';' rarely stands inside a contact's values.
constexpr char STARTER_SEPARATOR = ';';
// The mark of a mandatory column: a row whose display name is blank makes no card.
constexpr char MANDATORY = '%';
// The parts of an address column's header after 'ADR1 ', in the order of vCard's ADR.
constexpr std::string_view ADDRESS_PARTS[] = {"STREET", "CITY", "REGION", "CODE", "COUNTRY"};

// How each vCard version writes a type before a phone's or an address's
// value, and an e-mail's line: 2.1's bare type words, TYPE= in 3.0 and 4.0,
// and 4.0's e-mail with no INTERNET type.
struct version_lines {
    vcard_version version;
    std::string_view type;   // before a type column's placeholder
    std::string_view email;  // an e-mail line up to its value
};
constexpr version_lines LINES[] = {
    {vcard_version::v21, ";", "EMAIL;INTERNET:"},
    {vcard_version::v30, ";TYPE=", "EMAIL;TYPE=INTERNET:"},
    {vcard_version::v40, ";TYPE=", "EMAIL:"},
};

// Returns the lines of `version`.
const version_lines& lines_of(vcard_version version) {
    for (const version_lines& l : LINES) {
        if (l.version == version) return l;
    }
    return LINES[1];
}

// Returns `stem`, the number `k` and `tail` as one header ("TEL1 TYPE").
std::string numbered(std::string_view stem, std::size_t k, std::string_view tail = "") {
    std::string key(stem);
    key.append(std::to_string(k));
    key.append(tail);
    return key;
}

// Returns the placeholder of the column headed `key` in `header`, or empty
// when the table has no such column.
std::string placeholder(const std::vector<std::string>& header, const std::vector<std::string>& names,
                        std::string_view key) {
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c] == key) return names[c];
    }
    return "";
}

// Returns the card's lines for the numbered columns ('TEL1', 'EMAIL2', 'ADR1
// STREET') of the table, one line per number while the table has it.
std::string numbered_lines(const std::vector<std::string>& header, const std::vector<std::string>& names,
                           const version_lines& form, std::vector<std::string>& used) {
    std::string lines;
    const auto get = [&](const std::string& key) {
        std::string name = placeholder(header, names, key);
        if (!name.empty()) used.push_back(name);
        return name;
    };
    for (std::size_t k = 1;; ++k) {
        const std::string tel = get(numbered("TEL", k));
        if (tel.empty()) break;
        lines += "TEL" + std::string(form.type) + get(numbered("TEL", k, " TYPE")) + ":" + tel + "\n";
    }
    for (std::size_t k = 1;; ++k) {
        const std::string mail = get(numbered("EMAIL", k));
        if (mail.empty()) break;
        lines += std::string(form.email) + mail + "\n";
    }
    for (std::size_t k = 1;; ++k) {
        const std::string type = get(numbered("ADR", k, " TYPE"));
        if (type.empty()) break;
        lines += "ADR" + std::string(form.type) + type + ":" + get(numbered("ADR", k, " POBOX")) + ";";
        for (const std::string_view part : ADDRESS_PARTS) {
            std::string tail(1, ' ');
            tail += part;
            lines += ';';
            lines += get(numbered("ADR", k, tail));
        }
        lines += "\n";
    }
    return lines;
}

}  // namespace

std::vector<std::string> placeholder_names(const std::vector<std::string>& header) {
    const std::size_t room = NAME_LEN - 2;  // the two braces
    std::vector<std::string> names;
    for (std::size_t column = 0; column < header.size(); ++column) {
        std::string inner = header_key(header[column], true);
        if (inner.empty()) inner.assign("COLUMN ").append(std::to_string(column + 1));
        std::string name;
        for (std::size_t copy = 1;; ++copy) {
            std::string number;
            if (copy > 1) number.append(1, ' ').append(std::to_string(copy));
            name.clear();
            name.push_back(OPEN);
            name.append(trim_right(copy_left(inner, room - number.size())));
            name.append(number);
            name.push_back(CLOSE);
            if (std::find(names.begin(), names.end(), name) == names.end()) break;
        }
        names.push_back(name);
    }
    return names;
}

starter_files make_starter(const std::vector<std::string>& header, std::string_view table_name, vcard_version version) {
    starter_files files;
    files.version = version;
    std::vector<std::string> names = placeholder_names(header);
    const auto fn = std::find(header.begin(), header.end(), "FN");
    if (fn != header.end()) names[static_cast<std::size_t>(fn - header.begin())] += MANDATORY;
    files.settings = std::string(table_name) + "\n" + STARTER_SEPARATOR + "\n";
    for (const std::string& name : names) files.settings += name + "\n";

    std::vector<std::string>& used = files.recognised;
    const auto get = [&](std::string_view key) {
        std::string name = placeholder(header, names, key);
        if (!name.empty()) used.push_back(name);
        return name;
    };
    std::string& card = files.master;
    card = "BEGIN:VCARD\nVERSION:" + std::string(version_name(version)) + "\n";
    if (fn == header.end()) {
        // No column the card knows: the first column names it, its words split for N.
        const std::string first = names.empty() ? std::string() : names.front();
        if (!first.empty()) used.push_back(first);
        card += "N:" + (first.empty() ? ";" : "2" + first + ";1" + first) + ";;;\nFN:" + first + "\n";
        card += "END:VCARD\n";
        return files;
    }
    const std::string family = get("FAMILY");
    const std::string given = get("GIVEN");
    const std::string middle = get("MIDDLE");
    const std::string prefix = get("PREFIX");
    card += "N:" + family + ";" + given + ";" + middle + ";" + prefix + ";" + get("SUFFIX") + "\n";
    card += "FN:" + get("FN") + "\n";
    const std::string org = get("ORG");
    const std::string department = get("DEPT");
    if (!org.empty() || !department.empty()) card += "ORG:" + org + (department.empty() ? "" : ";" + department) + "\n";
    if (const std::string job = get("ORG TITLE"); !job.empty()) card += "TITLE:" + job + "\n";
    if (const std::string nick = get("NICKNAME"); !nick.empty()) card += "NICKNAME:" + nick + "\n";
    // A day without its year is written after '--', which rowcard's cleaning would drop from a value.
    if (const std::string day = get("BDAY"); !day.empty()) card += "BDAY:" + day + "\n";
    if (const std::string day = get("BDAY NO YEAR"); !day.empty()) card += "BDAY:--" + day + "\n";
    card += numbered_lines(header, names, lines_of(version), used);
    if (const std::string web = get("URL"); !web.empty()) card += "URL:" + web + "\n";
    if (const std::string groups = get("CATEGORIES"); !groups.empty()) card += "CATEGORIES:" + groups + "\n";
    if (const std::string note = get("NOTE"); !note.empty()) card += "NOTE:" + note + "\n";
    card += "END:VCARD\n";
    return files;
}

starter_files with_marks(starter_files files, const std::vector<std::string>& marked) {
    std::string settings;
    std::string_view lines = files.settings;
    for (std::size_t k = 0; !lines.empty(); ++k) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        // The table's name and the separator come first; then one column a line.
        if (k >= 2 && !line.empty()) {
            if (line.back() == MANDATORY) line.remove_suffix(1);
            const std::string bare(line);
            const bool mandatory = std::find(marked.begin(), marked.end(), bare) != marked.end();
            std::string& card = files.master;
            for (std::size_t at = card.find(bare); at != std::string::npos; at = card.find(bare, at + 1)) {
                const std::size_t after = at + bare.size();
                const bool has_mark = after < card.size() && card[after] == MANDATORY;
                if (has_mark && !mandatory) card.erase(after, 1);
                if (!has_mark && mandatory) card.insert(after, 1, MANDATORY);
            }
            settings += bare + (mandatory ? std::string(1, MANDATORY) : std::string()) + "\n";
            continue;
        }
        settings.append(line);
        settings += '\n';
    }
    files.settings = settings;
    return files;
}

}  // namespace rowcard
