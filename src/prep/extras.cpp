// The card's extras, each carried whole or left off: a birthday in vCard's
// basic form, a web page as its host, and the first of a row's groups.
#include <algorithm>

#include "prep/derive.hpp"
#include "prep/evidence.hpp"
#include "prep/reading.hpp"
#include "prep/value_text.hpp"

namespace rowcard {
namespace {

using namespace values;

// Google marks its own groups, which no one made, with this: "* myContacts".
constexpr char SYSTEM_GROUP = '*';
// The schemes a web page's address starts with; the card's line is read
// without one, as address books take a bare host.
constexpr std::string_view SCHEMES[] = {"https://", "http://"};
// Where a web address's host ends: its path, query, fragment or port.
constexpr std::string_view HOST_END = "/?#:";

// Returns the value of column `c` of the row `v` without the spaces around
// it; empty for a column of -1.
std::string_view cell(const std::vector<std::string_view>& v, int c) {
    return c < 0 ? std::string_view() : trimmed(v[static_cast<std::size_t>(c)]);
}

// Reads the row's birthday into `row`: from its one column in any form
// read_day knows, or from its year, month and day columns. A row with none
// gives none; one that cannot be read is noted in `row` and left off.
void take_birthday(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    calendar_day day;
    std::string_view written;
    bool read = false;
    if (plan.birthday >= 0) {
        written = cell(v, plan.birthday);
        if (written.empty()) return;
        read = read_day(written, plan.birthday_order, day);
    } else {
        const std::string_view year = cell(v, plan.birth_parts[0]);
        const std::string_view month = cell(v, plan.birth_parts[1]);
        const std::string_view day_part = cell(v, plan.birth_parts[2]);
        if (year.empty() && month.empty() && day_part.empty()) return;
        written = !day_part.empty() ? day_part : !month.empty() ? month : year;
        read = day_of_parts(year, month, day_part, day);
    }
    row.birthday_written = written;
    if (!read) {
        row.unread_birthday = written;
        return;
    }
    row.single[BDAY] = basic_form(day);
    row.yearless = day.year == 0;
}

// Returns the host of the web address `v` ("www.firma.cz" of
// "https://www.firma.cz/kontakt"), and in `cut` whether more than its scheme
// and a last '/' stays behind. Empty when the host holds a sign rowcard drops
// ('-', '_') or a letter it folds, which would make it another host.
std::string_view web_host(std::string_view v, bool& cut) {
    for (const std::string_view scheme : SCHEMES) {
        if (starts_folded(v, scheme)) v.remove_prefix(scheme.size());
    }
    const std::size_t end = v.find_first_of(HOST_END);
    const std::string_view host = v.substr(0, end);
    const std::string_view rest = end == std::string_view::npos ? std::string_view() : v.substr(end);
    cut = !rest.empty() && rest != "/";
    const bool whole = host.find('.') != std::string_view::npos && host.front() != '.' && host.back() != '.' &&
                       std::all_of(host.begin(), host.end(), [](char c) { return is_ascii_alnum(c) || c == '.'; });
    return whole ? host : std::string_view();
}

// Takes the row's web page into `row` as its host; one that is no web
// address, or whose host rowcard would damage, is noted and left off.
void take_web(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    const std::string_view written = cell(v, plan.single[URL]);
    const std::string_view first = first_item(written);
    if (first.empty()) return;
    bool cut = false;
    const std::string_view host = shape_of(first) == value_shape::url ? web_host(first, cut) : std::string_view();
    if (host.empty()) {
        row.web_lost = written;
        return;
    }
    row.single[URL] = host;
    if (cut || first.size() != written.size()) row.web_cut = written;
}

// Takes the first group the row's own user made into `row`: vCard's
// CATEGORIES parts its groups with ',', which rowcard drops, so the others
// are noted and left off.
void take_groups(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    const std::string_view written = cell(v, plan.single[CATS]);
    std::size_t kept = 0;
    for (std::string_view rest = written; !rest.empty();) {
        std::size_t end = rest.find(LIST_MARK);
        std::size_t step = LIST_MARK.size();
        if (const std::size_t sign = rest.find_first_of(",;"); sign < end) end = sign, step = 1;
        const std::string_view group = trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + step);
        if (group.empty() || group.front() == SYSTEM_GROUP) continue;
        if (kept++ == 0) row.single[CATS] = group;
    }
    if (kept > 1) row.groups_cut = written;
}

}  // namespace

void derive_extras(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    take_birthday(plan, v, row);
    take_web(plan, v, row);
    take_groups(plan, v, row);
}

}  // namespace rowcard
