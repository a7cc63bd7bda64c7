// The table rowcard reads, worked out row by row: since rowcard fills every
// template line as it stands, each card property gets a column of its own
// that holds, for each row, just what the card needs there.
#include <algorithm>
#include <array>
#include <utility>

#include "config/config.hpp"
#include "prep/derive.hpp"
#include "prep/evidence.hpp"
#include "prep/layouts.hpp"
#include "prep/reading.hpp"
#include "prep/vocabulary.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Columns of what only a company has (its trade, revenue, tax number) that
// make a table of no given or family names one of companies: one may stand
// in a list of people, as the trade of each one's employer.
constexpr std::size_t COMPANY_FACTS = 2;

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

// Returns the items of a phone or e-mail value of the shape `item`: those of a
// ' ::: ' list, or of a list joined by ',' or ';' ("a@x.cz, b@y.cz").
std::vector<std::string_view> items(std::string_view value, value_shape item) {
    std::vector<std::string_view> out = items(value);
    if (out.size() != 1) return out;
    std::vector<std::string_view> split = split_items(out.front(), item);
    return split.empty() ? out : split;
}

// Returns the address of `role`'s group in `plan`, made when it is new.
address_source& address_of(export_plan& plan, const column_role& role) {
    for (address_source& a : plan.addresses) {
        if (a.group == role.group) return a;
    }
    plan.addresses.push_back({role.group, role.type, {-1, -1, -1, -1, -1, -1}, {}, {}, -1, -1, -1});
    return plan.addresses.back();
}

// Takes the column `c` of role `role` into the plan. Returns false when the
// card has no use for it, as for a second column of a single property.
bool take_column(export_plan& plan, const column_role& role, int c) {
    // A bare 'Title' stays the name's prefix until its values are weighed.
    constexpr std::array<std::pair<field_role, single>, 14> SINGLE_ROLES = {{
        {field_role::full, FN}, {field_role::given, GIVEN}, {field_role::middle, MIDDLE},
        {field_role::family, FAMILY}, {field_role::prefix, PREFIX}, {field_role::title, PREFIX},
        {field_role::suffix, SUFFIX}, {field_role::org, ORG}, {field_role::department, DEPT},
        {field_role::job, JOB}, {field_role::note, NOTE}, {field_role::nickname, NICK}, {field_role::web, URL},
        {field_role::category, CATS}}};
    for (const auto& [what, slot] : SINGLE_ROLES) {
        if (role.what != what) continue;
        if (plan.single[slot] < 0) {
            plan.single[slot] = c;
            return true;
        }
        // A name's next line is numbered on right beside its last one.
        std::vector<int>& more = plan.more_lines[slot];
        const bool next_line = (slot == FN || slot == ORG) && role.group >= 2 &&
                               c == (more.empty() ? plan.single[slot] : more.back()) + 1;
        if (next_line) more.push_back(c);
        return next_line;
    }
    switch (role.what) {
    case field_role::phone: plan.phones.push_back({c, -1, role.type}); return true;
    case field_role::email: plan.emails.push_back(c); return true;
    case field_role::phone_label: return true;  // tied to its value below
    case field_role::ignored: case field_role::email_label: return true;
    case field_role::record_kind: plan.kind = c; return true;
    case field_role::contact: return plan.contact < 0 ? (plan.contact = c, true) : false;
    case field_role::company_fact: plan.company_facts.push_back(c); return false;  // the table keeps them
    case field_role::dial_code: plan.dial_code = c; return false;
    case field_role::birthday: return plan.birthday < 0 ? (plan.birthday = c, true) : false;
    case field_role::birth_year: case field_role::birth_month: case field_role::birth_day: {
        int& part = plan.birth_parts[role.what == field_role::birth_year ? 0 : role.what == field_role::birth_month ? 1 : 2];
        return part < 0 ? (part = c, true) : false;
    }
    case field_role::formatted: address_of(plan, role).formatted = c; return true;
    case field_role::postal_city: address_of(plan, role).postal_city = c; return true;
    case field_role::address_label: address_of(plan, role).label = c; return true;
    case field_role::street2: address_of(plan, role).more_streets.push_back(c); return true;
    case field_role::house_number: address_of(plan, role).numbers.push_back(c); return true;
    case field_role::pobox: case field_role::street: case field_role::city: case field_role::region:
    case field_role::postal: case field_role::country: {
        const std::size_t part = role.what == field_role::pobox    ? POBOX
                                 : role.what == field_role::street ? STREET
                                 : role.what == field_role::city   ? CITY
                                 : role.what == field_role::region ? REGION
                                 : role.what == field_role::postal ? POSTAL
                                                                   : COUNTRY;
        int& column = address_of(plan, role).part[part];
        if (column >= 0) return false;
        column = c;
        return true;
    }
    default: return false;
    }
}

// True when the row `v` of a table with no given or family name column, but
// columns of what only a company has, fills one of them: a CRM's account or
// an invoicing tool's business partner, whose name is a company's even
// without a legal form. A private person among them has none filled.
bool company_row(const export_plan& plan, const std::vector<std::string_view>& v) {
    if (plan.company_facts.size() < COMPANY_FACTS || plan.single[GIVEN] >= 0 || plan.single[FAMILY] >= 0) return false;
    return std::any_of(plan.company_facts.begin(), plan.company_facts.end(),
                       [&](int c) { return !trimmed(v[static_cast<std::size_t>(c)]).empty(); });
}

// Returns the phone number `number` of the row `v` with its country's calling
// code in front where the export keeps that code apart ("+48" and
// "601234567"); a number with its own code or trunk '0' stays as it is.
std::string dialled(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view number) {
    if (plan.dial_code < 0 || number.starts_with('+') || number.starts_with('0')) return std::string(number);
    std::string_view code = trimmed(v[static_cast<std::size_t>(plan.dial_code)]);
    if (code.starts_with('\'')) code.remove_prefix(1);  // a spreadsheet's mark of text
    if (code.starts_with('+')) code.remove_prefix(1);
    if (code.empty() || code.size() > 3 || code.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::string(number);
    }
    std::string out = "+";
    out.append(code);
    if (number.find(' ') != std::string_view::npos) out.push_back(' ');
    return out.append(number);
}

// Returns `value` without the leading bytes rowcard would drop, so that a
// mandatory display name never starts blank; empty input gives empty.
std::string_view keepable_start(std::string_view value) {
    std::size_t at = 0;
    while (at < value.size() && (clean_byte(static_cast<unsigned char>(value[at])) == '\0' || value[at] == ' ')) ++at;
    return value.substr(at);
}

// Returns the words of the whole name `full` other than those of `given`,
// where all of given's are among them ("Szalai Gábor" less "Gábor" is
// "Szalai"); empty where they are not, or nothing is left.
std::string rest_of_name(const std::string& full, const std::string& given) {
    const std::string name = header_key(full);
    const std::string own = header_key(given);
    if (own.empty() || name.size() <= own.size()) return {};
    std::string_view rest;
    if (name.starts_with(own + " ")) rest = std::string_view(full).substr(full.find(' ', full.find_first_not_of(' ')));
    else if (name.ends_with(" " + own)) rest = std::string_view(full).substr(0, full.rfind(' '));
    // One word more on either side only: a name of titles or several given names is split as written.
    rest = trimmed(rest);
    return rest.empty() || rest.find(' ') != std::string_view::npos ? std::string() : std::string(rest);
}

// True when `names` holds two people's names set apart by a comma or ';'
// ("Renata Sowa, Jerzy Pawlak"): each piece of two words or more, so that
// "Nowak, Jan" stays one person written family name first.
bool two_people(std::string_view names) {
    const std::size_t mark = names.find_first_of(",;");
    if (mark == std::string_view::npos) return false;
    const auto several = [](std::string_view piece) {
        const std::string_view t = trimmed(piece);
        return !t.empty() && t.find(' ') != std::string_view::npos;
    };
    return several(names.substr(0, mark)) && several(names.substr(mark + 1));
}

// Words of a firm's name beside its owner's at least ("Biuro Rachunkowe"): one
// word more is as likely a second given name.
constexpr std::size_t FIRM_WORDS = 2;

// True when `full`, a whole name beside the row's own given and family names
// `row`, is a firm named after its owner ("Usługi Remontowe Marek Wójcik"):
// a legal form, or two words or more besides the owner's names and titles.
bool firm_of_owner(const std::string& full, const card_row& row) {
    if (full.empty() || row.single[GIVEN].empty() || row.single[FAMILY].empty()) return false;
    if (company_name(full)) return true;
    const auto words = [](const std::string& key) {
        std::vector<std::string> out;
        for (std::size_t at = 0; at < key.size();) {
            const std::size_t end = std::min(key.find(' ', at), key.size());
            if (end > at) out.push_back(key.substr(at, end - at));
            at = end + 1;
        }
        return out;
    };
    std::vector<std::string> own;
    for (const single s : {GIVEN, MIDDLE, FAMILY}) {
        for (std::string& w : words(header_key(row.single[s]))) own.push_back(std::move(w));
    }
    const name_parts parts = split_full_name(full, false);
    std::size_t other = 0;
    for (const std::string& w : words(header_key(parts.given + " " + parts.family))) {
        other += std::find(own.begin(), own.end(), w) == own.end();
    }
    return other >= FIRM_WORDS;
}

// Fills the name parts and the display name of `row` from the row `v`, whose
// phones and e-mails `row` holds already; a row of empty values leaves them empty.
void derive_names(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    const auto at = [&](single s) {
        std::string value(plan.single[s] < 0 ? std::string_view() : first_item(v[plan.single[s]]));
        for (const int c : plan.more_lines[s]) join_words(value, first_item(v[static_cast<std::size_t>(c)]), " ");
        return value;
    };
    std::string full = at(FN);
    for (const single s : {GIVEN, MIDDLE, FAMILY, PREFIX, SUFFIX, ORG, DEPT, JOB, NOTE, NICK}) row.single[s] = at(s);
    if (plan.given_is_full) full = std::exchange(row.single[GIVEN], std::string());
    // A row with no person's name of its own is its contact person's card, at
    // the firm it names; with two people named, it stays the firm's.
    const std::string_view contact = plan.contact < 0 ? std::string_view() : first_item(v[static_cast<std::size_t>(plan.contact)]);
    if (!contact.empty() && row.single[GIVEN].empty() && row.single[FAMILY].empty() && !two_people(contact)) {
        if (row.single[ORG].empty()) row.single[ORG] = full;
        full = contact;
    }
    // Two people in the name column of a firm's row: the card is the firm's.
    if (two_people(full) && !row.single[ORG].empty()) full.clear();
    bool full_as_written = !full.empty();
    // A salutation of a firm ('Anrede': Firma) is no prefix of a name, and says the row is a company's.
    const bool firm_salutation = kind_of_record(row.single[PREFIX]) == record_kind::organisation;
    if (firm_salutation) row.single[PREFIX].clear();
    // A given name beside the whole name: the family name is the rest of it ("Szalai Gábor", "Gábor").
    if (!row.single[GIVEN].empty() && row.single[FAMILY].empty() && !full.empty()) {
        row.single[FAMILY] = rest_of_name(full, row.single[GIVEN]);
    }
    const bool no_person = row.single[GIVEN].empty() && row.single[FAMILY].empty();
    const bool organisation = firm_salutation || (plan.kind >= 0 && kind_of_record(v[static_cast<std::size_t>(plan.kind)]) == record_kind::organisation) ||
                              company_row(plan, v);
    // 'Příjmení / Název': a family name with no given name that is a company's,
    // or in a row its kind calls an organisation's, is the company.
    if (row.single[GIVEN].empty() && full.empty() && (organisation || company_name(row.single[FAMILY]))) {
        if (row.single[ORG].empty()) row.single[ORG] = std::exchange(row.single[FAMILY], std::string());
    }
    // A whole name that is the row's company, where the export's name parts are empty, is the company's.
    const bool parts_kept = (plan.single[GIVEN] >= 0 && !plan.given_is_full) || plan.single[FAMILY] >= 0;
    const bool named_as_company = parts_kept && !full.empty() && header_key(full) == header_key(row.single[ORG]);
    if (no_person && (organisation || named_as_company || company_name(full))) {
        // A company in the name column: its card is the company's, with no person's name.
        if (row.single[ORG].empty()) row.single[ORG] = full;
    } else if (no_person && !full.empty()) {
        name_parts parts = split_full_name(full, plan.family_first);
        // A Hungarian name in a layout of another language is written family name first too.
        if (!plan.family_first && !parts.reversed && written_family_first(parts)) parts = split_full_name(full, true);
        row.single[GIVEN] = parts.given;
        row.single[FAMILY] = parts.family;
        if (row.single[PREFIX].empty()) row.single[PREFIX] = parts.prefix;
        if (row.single[SUFFIX].empty()) row.single[SUFFIX] = parts.suffix;
        full_as_written = !parts.reversed;
    }
    // A firm in the name column beside its owner's names is the company.
    if (row.single[ORG].empty() && !organisation && firm_of_owner(full, row)) {
        row.single[ORG] = std::exchange(full, std::string());
        full_as_written = false;
    }
    std::string fn;
    if (full_as_written) {
        fn = full;
    } else {
        // Hungarian puts the family name first, as its exports write it whole.
        const std::array<single, 3> order =
            plan.family_first ? std::array<single, 3>{FAMILY, GIVEN, MIDDLE} : std::array<single, 3>{GIVEN, MIDDLE, FAMILY};
        for (const single s : order) join_words(fn, row.single[s], " ");
    }
    // A private person's own name in the company column is no company ("Jan Novak" for Jan Novak).
    if (!row.single[GIVEN].empty() && !row.single[FAMILY].empty()) {
        const std::string org = header_key(row.single[ORG]);
        if (org == header_key(row.single[GIVEN] + " " + row.single[FAMILY]) ||
            org == header_key(row.single[FAMILY] + " " + row.single[GIVEN])) {
            row.single[ORG].clear();
        }
    }
    std::string_view shown = keepable_start(fn);
    if (shown.empty()) shown = keepable_start(row.single[ORG]);
    if (shown.empty() && !row.emails.empty()) shown = keepable_start(row.emails.front());
    if (shown.empty() && !row.phones.empty()) shown = keepable_start(row.phones.front().first);
    for (std::size_t c = 0; shown.empty() && c < v.size(); ++c) shown = keepable_start(v[c]);
    row.single[FN] = shown;
}

}  // namespace

std::string_view first_item(std::string_view value) { return trimmed(value.substr(0, value.find(LIST_MARK))); }

void join_words(std::string& out, std::string_view word, std::string_view joiner) {
    if (word.empty()) return;
    if (!out.empty()) out.append(joiner);
    out.append(word);
}

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
        std::vector<std::string_view> numbers = items(v[static_cast<std::size_t>(phone.column)], value_shape::phone);
        // A spreadsheet's exponent form kept only the first digits: no number to call.
        const auto damaged = std::remove_if(numbers.begin(), numbers.end(),
                                            [](std::string_view n) { return shape_of(n) == value_shape::exponent_number; });
        row.lost_numbers += static_cast<std::size_t>(numbers.end() - damaged);
        numbers.erase(damaged, numbers.end());
        const std::vector<std::string_view> labels =
            phone.label < 0 ? std::vector<std::string_view>() : items(v[static_cast<std::size_t>(phone.label)]);
        for (std::size_t k = 0; k < numbers.size(); ++k) {
            const std::string_view label = k < labels.size() ? labels[k] : labels.empty() ? "" : labels.back();
            std::string number = dialled(plan, v, numbers[k]);
            // A number written twice (a shop's customer and delivery phone alike) is one number, typed by its first.
            if (std::any_of(row.phones.begin(), row.phones.end(), [&](const auto& p) { return p.first == number; })) continue;
            row.phones.emplace_back(std::move(number), phone.label < 0 ? phone.type : type_from_label(label, false));
        }
    }
    for (const int c : plan.emails) {
        for (const std::string_view mail : items(v[static_cast<std::size_t>(c)], value_shape::email)) {
            row.emails.emplace_back(mail);
        }
    }
    derive_addresses(plan, v, joiner, row);
    derive_names(plan, v, row);
    derive_extras(plan, v, row);
    return row;
}

}  // namespace rowcard
