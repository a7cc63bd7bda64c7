// The table rowcard reads, worked out row by row: since rowcard fills every
// template line as it stands, each card property gets a column of its own
// that holds, for each row, just what the card needs there.
#include <algorithm>
#include <array>
#include <utility>

#include "config/config.hpp"
#include "prep/derive.hpp"
#include "prep/layouts.hpp"
#include "prep/prep.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Returns the items of a ' ::: ' list, each without spaces around it; a plain
// value is one item, and empty items (an empty value too) are none.
std::vector<std::string_view> items(std::string_view value) {
    std::vector<std::string_view> out;
    while (!value.empty()) {
        const std::size_t mark = value.find(LIST_MARK);
        if (const std::string_view item = trimmed(value.substr(0, mark)); !item.empty()) out.push_back(item);
        value = mark == std::string_view::npos ? std::string_view() : value.substr(mark + LIST_MARK.size());
    }
    return out;
}

// Returns the first item of `value`, the whole of it when it is no list.
std::string_view first_item(std::string_view value) { return trimmed(value.substr(0, value.find(LIST_MARK))); }

// Returns the address of `role`'s group in `plan`, made when it is new.
address_source& address_of(export_plan& plan, const column_role& role) {
    for (address_source& a : plan.addresses) {
        if (a.group == role.group) return a;
    }
    plan.addresses.push_back({role.group, role.type, {-1, -1, -1, -1, -1, -1}, {}, -1, -1});
    return plan.addresses.back();
}

// Takes the column `c` of role `role` into the plan. Returns false when the
// card has no use for it, as for a second column of a single property.
bool take_column(export_plan& plan, const column_role& role, int c) {
    // A bare 'Title' stays the name's prefix until its values are weighed.
    constexpr std::array<std::pair<field_role, single>, 11> SINGLE_ROLES = {{
        {field_role::full, FN}, {field_role::given, GIVEN}, {field_role::middle, MIDDLE},
        {field_role::family, FAMILY}, {field_role::prefix, PREFIX}, {field_role::title, PREFIX},
        {field_role::suffix, SUFFIX},
        {field_role::org, ORG}, {field_role::department, DEPT}, {field_role::job, JOB}, {field_role::note, NOTE}}};
    for (const auto& [what, slot] : SINGLE_ROLES) {
        if (role.what != what) continue;
        if (plan.single[slot] >= 0) return false;
        plan.single[slot] = c;
        return true;
    }
    switch (role.what) {
    case field_role::phone: plan.phones.push_back({c, -1, role.type}); return true;
    case field_role::email: plan.emails.push_back(c); return true;
    case field_role::phone_label: return true;  // tied to its value below
    case field_role::ignored: case field_role::email_label: return true;
    case field_role::formatted: address_of(plan, role).formatted = c; return true;
    case field_role::address_label: address_of(plan, role).label = c; return true;
    case field_role::street2: address_of(plan, role).more_streets.push_back(c); return true;
    case field_role::pobox: case field_role::street: case field_role::city: case field_role::region:
    case field_role::postal: case field_role::postal_city: case field_role::country: {
        const std::size_t part = role.what == field_role::pobox    ? POBOX
                                 : role.what == field_role::street ? STREET
                                 : role.what == field_role::city   ? CITY
                                 : role.what == field_role::region ? REGION
                                 : role.what != field_role::country ? POSTAL
                                                                   : COUNTRY;
        int& column = address_of(plan, role).part[part];
        if (column >= 0) return false;
        column = c;
        return true;
    }
    default: return false;
    }
}

// Returns `value` without the leading bytes rowcard would drop, so that a
// mandatory display name never starts blank; empty input gives empty.
std::string_view keepable_start(std::string_view value) {
    std::size_t at = 0;
    while (at < value.size() && (clean_byte(static_cast<unsigned char>(value[at])) == '\0' || value[at] == ' ')) ++at;
    return value.substr(at);
}

// Appends `word` to `out`, after `joiner` when `out` holds something; an
// empty word appends nothing.
void join(std::string& out, std::string_view word, std::string_view joiner) {
    if (word.empty()) return;
    if (!out.empty()) out.append(joiner);
    out.append(word);
}

// Fills the name parts and the display name of `row` from the row `v`, whose
// phones and e-mails `row` holds already; a row of empty values leaves them empty.
void derive_names(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    const auto at = [&](single s) { return plan.single[s] < 0 ? std::string_view() : first_item(v[plan.single[s]]); };
    std::string full(at(FN));
    for (const single s : {GIVEN, MIDDLE, FAMILY, PREFIX, SUFFIX, ORG, DEPT, JOB, NOTE}) row.single[s] = at(s);
    if (plan.given_is_full) full = std::exchange(row.single[GIVEN], std::string());
    bool full_as_written = !full.empty();
    if (row.single[GIVEN].empty() && row.single[FAMILY].empty() && !full.empty()) {
        const name_parts parts = split_full_name(full, plan.family_first);
        row.single[GIVEN] = parts.given;
        row.single[FAMILY] = parts.family;
        if (row.single[PREFIX].empty()) row.single[PREFIX] = parts.prefix;
        if (row.single[SUFFIX].empty()) row.single[SUFFIX] = parts.suffix;
        full_as_written = !parts.reversed;
    }
    std::string fn;
    if (full_as_written) {
        fn = full;
    } else {
        // Hungarian puts the family name first, as its exports write it whole.
        const std::array<single, 3> order =
            plan.family_first ? std::array<single, 3>{FAMILY, GIVEN, MIDDLE} : std::array<single, 3>{GIVEN, MIDDLE, FAMILY};
        for (const single s : order) join(fn, row.single[s], " ");
    }
    std::string_view shown = keepable_start(fn);
    if (shown.empty()) shown = keepable_start(row.single[ORG]);
    if (shown.empty() && !row.emails.empty()) shown = keepable_start(row.emails.front());
    if (shown.empty() && !row.phones.empty()) shown = keepable_start(row.phones.front().first);
    for (std::size_t c = 0; shown.empty() && c < v.size(); ++c) shown = keepable_start(v[c]);
    row.single[FN] = shown;
}

}  // namespace

export_plan make_plan(const layout_guess& layout) {
    export_plan plan;
    plan.single.fill(-1);
    plan.family_first = layout.language == export_language::hungarian;
    plan.consumed.assign(layout.roles.size(), false);
    for (std::size_t c = 0; c < layout.roles.size(); ++c) {
        plan.consumed[c] = take_column(plan, layout.roles[c], static_cast<int>(c));
    }
    // Each Google label belongs to the phone of its number.
    for (std::size_t c = 0; c < layout.roles.size(); ++c) {
        if (layout.roles[c].what != field_role::phone_label) continue;
        for (auto& phone : plan.phones) {
            if (layout.roles[static_cast<std::size_t>(phone.column)].group == layout.roles[c].group) {
                phone.label = static_cast<int>(c);
            }
        }
    }
    return plan;
}

card_row derive_row(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view joiner) {
    card_row row;
    for (const auto& phone : plan.phones) {
        const std::vector<std::string_view> numbers = items(v[static_cast<std::size_t>(phone.column)]);
        const std::vector<std::string_view> labels =
            phone.label < 0 ? std::vector<std::string_view>() : items(v[static_cast<std::size_t>(phone.label)]);
        for (std::size_t k = 0; k < numbers.size(); ++k) {
            const std::string_view label = k < labels.size() ? labels[k] : labels.empty() ? "" : labels.back();
            row.phones.emplace_back(numbers[k], phone.label < 0 ? phone.type : type_from_label(label, false));
        }
    }
    for (const int c : plan.emails) {
        for (const std::string_view mail : items(v[static_cast<std::size_t>(c)])) row.emails.emplace_back(mail);
    }
    for (const address_source& a : plan.addresses) {
        std::array<std::string, PARTS> parts;
        for (std::size_t p = 0; p < PARTS; ++p) {
            if (a.part[p] >= 0) parts[p] = first_item(v[static_cast<std::size_t>(a.part[p])]);
        }
        for (const int c : a.more_streets) join(parts[STREET], first_item(v[static_cast<std::size_t>(c)]), joiner);
        const bool empty = std::all_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
        if (empty && a.formatted >= 0) parts[STREET] = first_item(v[static_cast<std::size_t>(a.formatted)]);
        if (std::all_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); })) continue;
        const std::string_view type = a.label >= 0 ? type_from_label(first_item(v[static_cast<std::size_t>(a.label)]), true)
                                      : a.type.empty() ? std::string_view("POSTAL") : a.type;
        row.addresses.emplace_back(type, parts);
    }
    derive_names(plan, v, row);
    return row;
}

void split_line(std::string_view line, char separator, std::vector<std::string_view>& v) {
    v.clear();
    for (;;) {
        const std::size_t at = line.find(separator);
        v.push_back(line.substr(0, at));
        if (at == std::string_view::npos) return;
        line.remove_prefix(at + 1);
    }
}

}  // namespace rowcard
