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
#include "prep/value_text.hpp"
#include "prep/vocabulary.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Digits of the longest area code with its trunk '0' (Germany's '033203').
constexpr std::size_t AREA_CODE_DIGITS = 6;
// Digits of the shortest number one calls: an internal line, '112'.
constexpr std::ptrdiff_t SHORTEST_NUMBER_DIGITS = 3;

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
    plan.addresses.push_back({role.group, role.type, {-1, -1, -1, -1, -1, -1}, {}, {}, -1, -1, -1, {-1, -1, -1, -1, -1, -1}});
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
        // A name's next line is numbered on right beside its last one; a second family name too ('Apellido 2').
        std::vector<int>& more = plan.more_lines[slot];
        const bool next_line = (slot == FN || slot == ORG || slot == FAMILY) && role.group >= 2 &&
                               c == (more.empty() ? plan.single[slot] : more.back()) + 1;
        if (next_line) more.push_back(c);
        return next_line;
    }
    switch (role.what) {
    case field_role::phone: plan.phones.push_back({c, -1, role.type, {}}); return true;
    case field_role::email: plan.emails.push_back(c); return true;
    case field_role::reach: plan.reaches.push_back(c); return true;
    case field_role::phone_label: return true;  // tied to its value below
    case field_role::ignored: case field_role::email_label: return true;
    case field_role::record_kind: plan.kind = c; return true;
    case field_role::contact: return plan.contact < 0 ? (plan.contact = c, true) : false;
    case field_role::company_fact: plan.company_facts.push_back(c); return false;  // the table keeps them
    case field_role::record_id: plan.record_ids.push_back(c); return false;
    case field_role::dial_code:
        if (plan.dial_code < 0) plan.dial_code = c, plan.dial_area = role.type == "AREA";
        return false;
    case field_role::birthday: return plan.birthday < 0 ? (plan.birthday = c, true) : false;
    case field_role::birth_year: case field_role::birth_month: case field_role::birth_day: {
        int& part = plan.birth_parts[role.what == field_role::birth_year ? 0 : role.what == field_role::birth_month ? 1 : 2];
        return part < 0 ? (part = c, true) : false;
    }
    case field_role::formatted: address_of(plan, role).formatted = c; return true;
    case field_role::postal_city: address_of(plan, role).postal_city = c; return true;
    case field_role::address_label: address_of(plan, role).label = c; return true;
    case field_role::street2: address_of(plan, role).more_streets.emplace_back(c, role.mark); return true;
    case field_role::house_number: address_of(plan, role).numbers.push_back(c); return true;
    case field_role::pobox: case field_role::street: case field_role::city: case field_role::region:
    case field_role::postal: case field_role::country: {
        const std::size_t part = role.what == field_role::pobox    ? POBOX
                                 : role.what == field_role::street ? STREET
                                 : role.what == field_role::city   ? CITY
                                 : role.what == field_role::region ? REGION
                                 : role.what == field_role::postal ? POSTAL
                                                                   : COUNTRY;
        address_source& address = address_of(plan, role);
        int& column = address.part[part] < 0 ? address.part[part] : address.second[part];
        if (column >= 0) return false;
        column = c;
        return true;
    }
    default: return false;
    }
}

// Returns the phone number `number` with the code of column `code` of the row
// `v` in front, where the export keeps that code apart: a country's calling
// code ("+48" and "601234567"), an area code with its trunk '0' ("030" and
// "227-71432") or one under an area code's header (`area_code`: "610" and
// "555-0143"). A number with its own code or trunk '0', or a code column of
// -1, empty or no code, leaves the number as it is.
std::string dialled(int code_column, bool area_code, const std::vector<std::string_view>& v, std::string_view number) {
    if (code_column < 0 || number.starts_with('+') || number.starts_with('0')) return std::string(number);
    std::string_view code = trimmed(v[static_cast<std::size_t>(code_column)]);
    if (code.starts_with('\'')) code.remove_prefix(1);  // a spreadsheet's mark of text
    if (code.starts_with('+')) code.remove_prefix(1);
    else if (code.starts_with("00")) code.remove_prefix(2);  // the international prefix
    const bool area = area_code || code.starts_with('0');
    if (code.empty() || code.size() > (area ? AREA_CODE_DIGITS : 3) ||
        code.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::string(number);
    }
    std::string out = area ? "" : "+";
    out.append(code);
    if (area || number.find(' ') != std::string_view::npos) out.push_back(' ');
    return out.append(number);
}

// Adds `number` of type `type` to `row`: a number written twice (a shop's
// customer and delivery phone alike) is one number, typed by its first.
void add_phone(card_row& row, std::string number, std::string_view type) {
    // A trunk zero in brackets after the country's code ('+49 (0)30 1234567') is never dialled with it.
    if (const std::size_t zero = number.find("(0)"); zero != std::string::npos && (number.starts_with('+') || number.starts_with("00"))) {
        number.erase(zero, number.compare(zero, 4, "(0) ") == 0 ? 4 : 3);
    }
    if (std::any_of(row.phones.begin(), row.phones.end(), [&](const auto& p) { return p.first == number; })) return;
    row.phones.emplace_back(std::move(number), type);
}

// Adds `mail` to `row`: an address written twice (a login and the mail column
// alike) is one address, whatever its letters' case.
void add_email(card_row& row, std::string_view value) {
    const std::string_view mail = values::mailbox(value);
    const auto same = [&](const std::string& m) { return values::same_folded(m, mail); };
    if (std::none_of(row.emails.begin(), row.emails.end(), same)) row.emails.emplace_back(mail);
}

// Adds the value `value` of a column of e-mails and phones mixed to `row`
// where its shape says; a cell of both ("peter@azet.sk  +421 905 555 276")
// gives its mailboxes and the number the rest writes. A value of neither adds nothing.
void take_reach(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view value, card_row& row) {
    std::string rest;
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t end = std::min(value.find_first_of(" ,;", at), value.size());
        const std::string_view word = value.substr(at, end - at);
        if (shape_of(word) == value_shape::email) add_email(row, word);
        else if (!word.empty()) join_words(rest, word, " ");
        at = end + 1;
    }
    if (shape_of(rest) == value_shape::phone) add_phone(row, dialled(plan.dial_code, plan.dial_area, v, rest), "VOICE");
}

}  // namespace

bool only_an_address(const export_plan& plan, const std::vector<std::string_view>& v, const card_row& row) {
    const auto empty_at = [&](int c) { return c < 0 || first_item(v[static_cast<std::size_t>(c)]).empty(); };
    return !row.addresses.empty() && row.phones.empty() && row.emails.empty() && row.single[GIVEN].empty() &&
           row.single[FAMILY].empty() && row.single[ORG].empty() && empty_at(plan.single[FN]) && empty_at(plan.contact) &&
           std::all_of(plan.record_ids.begin(), plan.record_ids.end(), empty_at);
}

void take_addresses(card_row& row, const card_row& more) {
    for (const auto& address : more.addresses) {
        const auto same = [&](const auto& a) { return a.second == address.second; };
        if (std::none_of(row.addresses.begin(), row.addresses.end(), same)) row.addresses.push_back(address);
    }
}

std::string_view first_item(std::string_view value) { return trimmed(value.substr(0, value.find(LIST_MARK))); }

void join_words(std::string& out, std::string_view word, std::string_view joiner) {
    if (word.empty()) return;
    if (!out.empty()) out.append(joiner);
    out.append(word);
}

// Ties each extension to the phone in the column right before it ('Phone1',
// 'Phone1 Extension'): it is the end of that number. One with no number
// before it is a desk's own line in the firm's phone system, a work phone.
void tie_extensions(export_plan& plan) {
    for (auto ext = plan.phones.begin(); ext != plan.phones.end();) {
        if (ext->type != "EXT") {
            ++ext;
            continue;
        }
        const int column = ext->column;
        const auto number = std::find_if(plan.phones.begin(), ext, [column](const export_plan::phone_source& p) {
            return p.column + 1 == column && p.type != "EXT";
        });
        if (number == ext) {
            ext->type = "WORK";
            ++ext;
            continue;
        }
        number->extension = column;
        ext = plan.phones.erase(ext);
    }
}

export_plan make_plan(const layout_guess& layout) {
    export_plan plan;
    plan.single.fill(-1);
    plan.family_first = layout.language == export_language::hungarian;
    plan.one_given = layout.language == export_language::western;
    plan.number_first = layout.language == export_language::english;
    plan.consumed.assign(layout.roles.size(), false);
    for (std::size_t c = 0; c < layout.roles.size(); ++c) {
        plan.consumed[c] = take_column(plan, layout.roles[c], static_cast<int>(c));
    }
    tie_extensions(plan);
    if (plan.single[FN] >= 0 && layout.roles[static_cast<std::size_t>(plan.single[FN])].type == FAMILY_FIRST) plan.family_first = true;
    // Each phone takes the code written apart nearest before it in its place ('TelefonvorwahlWK' before
    // 'TelefonnummerWK'), or else the export's first; where the export writes each code right after its
    // number, as its first phone shows ('phone', 'phone country code'), the one right after it.
    const auto dial_at = [&](int c) {
        return c >= 0 && static_cast<std::size_t>(c) < layout.roles.size() &&
               layout.roles[static_cast<std::size_t>(c)].what == field_role::dial_code;
    };
    const bool code_after = !plan.phones.empty() && !dial_at(plan.phones.front().column - 1) && dial_at(plan.phones.front().column + 1);
    for (auto& phone : plan.phones) {
        phone.dial = plan.dial_code;
        phone.area = plan.dial_area;
        const int group = layout.roles[static_cast<std::size_t>(phone.column)].group;
        if (const int next = phone.column + 1; code_after && dial_at(next)) {
            phone.dial = next;
            phone.area = layout.roles[static_cast<std::size_t>(next)].type == "AREA";
            continue;
        }
        for (int c = phone.column - 1; c >= 0; --c) {
            const column_role& r = layout.roles[static_cast<std::size_t>(c)];
            if (r.what == field_role::dial_code && r.group == group) {
                phone.dial = c;
                phone.area = r.type == "AREA";
                break;
            }
        }
    }
    // Each Google label belongs to the phone of its number.
    for (std::size_t c = 0; c < layout.roles.size(); ++c) {
        if (layout.roles[c].what != field_role::phone_label) continue;
        for (auto& phone : plan.phones) {
            if (layout.roles[static_cast<std::size_t>(phone.column)].group == layout.roles[c].group) {
                phone.label = static_cast<int>(c);
                phone.flag_type = layout.roles[c].type;
            }
        }
    }
    return plan;
}

namespace {

// Types the addresses and phones no column typed by whose card they are on: a firm's alone are its
// work address and line, a private person's address is home. A person with a firm keeps the neutral
// type, since a CRM's contact gives the firm's address and a club's member gives a home.
void settle_untyped(card_row& row) {
    const bool person = !row.single[GIVEN].empty() || !row.single[FAMILY].empty();
    const bool firm = !row.single[ORG].empty();
    const std::string_view kind = firm && !person ? "WORK" : person && !firm ? "HOME" : "POSTAL";
    for (auto& a : row.addresses) {
        if (a.first.empty()) a.first = kind;
    }
    if (firm && !person) {
        for (auto& p : row.phones) {
            if (p.second == "VOICE") p.second = "WORK";
        }
    }
}

}  // namespace

card_row derive_row(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view joiner) {
    card_row row;
    for (const auto& phone : plan.phones) {
        std::vector<std::string_view> numbers = items(v[static_cast<std::size_t>(phone.column)], value_shape::phone);
        // A spreadsheet's exponent form kept only the first digits: no number to call.
        const auto damaged = std::remove_if(numbers.begin(), numbers.end(),
                                            [](std::string_view n) { return shape_of(n) == value_shape::exponent_number; });
        row.lost_numbers += static_cast<std::size_t>(numbers.end() - damaged);
        numbers.erase(damaged, numbers.end());
        // '0' or '-1' for no number, as a table of integers writes it; a code of letters and digits ("AB1234") is none.
        std::erase_if(numbers, [](std::string_view n) {
            const value_shape shape = shape_of(n);
            return shape == value_shape::id ||
                   (std::count_if(n.begin(), n.end(), values::is_digit) < SHORTEST_NUMBER_DIGITS && shape != value_shape::email);
        });
        const std::vector<std::string_view> labels =
            phone.label < 0 ? std::vector<std::string_view>() : items(v[static_cast<std::size_t>(phone.label)]);
        for (std::size_t k = 0; k < numbers.size(); ++k) {
            // A mailbox kept in a phone's slot (an old organiser's) is an e-mail.
            if (shape_of(numbers[k]) == value_shape::email) {
                add_email(row, numbers[k]);
                continue;
            }
            const std::string_view label = k < labels.size() ? labels[k] : labels.empty() ? "" : labels.back();
            std::string_view type = phone.label < 0 ? phone.type : type_from_label(label, false);
            if (!phone.flag_type.empty()) type = says_yes(label) ? phone.flag_type : phone.type;
            std::string number = dialled(phone.dial, phone.area, v, numbers[k]);
            // The extension goes after its number, as a desk dials it ("303-555-0142 x12").
            if (const std::string_view ext = phone.extension < 0 || k > 0 ? "" : trimmed(v[static_cast<std::size_t>(phone.extension)]);
                !ext.empty()) {
                number.append(" x").append(ext);
            }
            add_phone(row, std::move(number), type);
        }
    }
    // A value with no '@' in a column of addresses is none ('m.kaminska' among logins that mostly are).
    for (const int c : plan.emails) {
        for (const std::string_view mail : items(v[static_cast<std::size_t>(c)], value_shape::email)) {
            if (mail.find('@') != std::string_view::npos) add_email(row, mail);
        }
    }
    // Each value of a column of both goes where its shape says; another shape is no contact value.
    for (const int c : plan.reaches) take_reach(plan, v, first_item(v[static_cast<std::size_t>(c)]), row);
    derive_addresses(plan, v, joiner, row);
    derive_names(plan, v, row);
    derive_extras(plan, v, row);
    settle_untyped(row);
    return row;
}

}  // namespace rowcard
