// What a column means beside the others where their values tell: a record's
// own name that is a company's in some rows and a person's in others, a login
// beside the whole name, a residence of towns alone, a family name by the
// whole names it ends or a family name column of whole names, private
// persons among a column of firms, and addresses whose parts repeat.
#include <algorithm>

#include "prep/column_numbers.hpp"
#include "prep/columns_together.hpp"
#include "prep/postal.hpp"
#include "prep/value_text.hpp"

namespace rowcard {
namespace {

// Returns the first column read as `what`, or -1 where none is.
int first_of(const std::vector<column_reading>& columns, field_role what) {
    const auto it = std::find_if(columns.begin(), columns.end(), [&](const column_reading& r) { return r.role.what == what; });
    return it == columns.end() ? -1 : static_cast<int>(it - columns.begin());
}

// True when column `record` repeats column `firm` in every row `firm` fills,
// and fills some row that `firm` leaves empty: a record's name, which is its
// company's where it has one and else the private person's own.
bool names_the_record(const std::vector<std::string_view>& record, const std::vector<std::string_view>& firm) {
    bool repeats = false;
    bool beyond = false;
    for (std::size_t row = 0; row < record.size() && row < firm.size(); ++row) {
        const std::string_view own = trimmed(record[row]);
        const std::string_view company = trimmed(firm[row]);
        if (company.empty()) {
            beyond |= !own.empty();
        } else if (header_key(own) != header_key(company)) {
            return false;
        } else {
            repeats = true;
        }
    }
    return repeats && beyond;
}

// True when column `second` holds, row by row, the name in column `person`
// or a company's, and a company's in some row: an invoice's name, which is
// the firm's where the person buys for one ('Nagy és Társa Bt.').
bool person_or_firm(const std::vector<std::string_view>& second, const std::vector<std::string_view>& person) {
    bool firm = false;
    for (std::size_t row = 0; row < second.size() && row < person.size(); ++row) {
        const std::string_view own = trimmed(second[row]);
        if (own.empty() || header_key(own) == header_key(trimmed(person[row]))) continue;
        if (!company_name(own)) return false;
        firm = true;
    }
    return firm;
}

// True when `value` is a whole address in one value: pieces set apart by
// ", ", one of the first three a postal code and town ("Dunajska cesta 21,
// 1000 Ljubljana, Slovenia"). A note with commas has no such piece.
bool whole_address(std::string_view value) {
    // Pieces before the postal code and town at most: a street and its second line.
    constexpr std::size_t CODE_PIECE = 3;
    std::size_t piece = 0;
    for (std::size_t at = 0; at <= value.size() && piece < CODE_PIECE; ++piece) {
        const std::size_t comma = value.find(", ", at);
        std::string_view code;
        std::string_view town;
        const std::string_view text = value.substr(at, comma == std::string_view::npos ? comma : comma - at);
        if (piece > 0 && split_postal_city(trimmed(text), code, town)) return true;
        if (comma == std::string_view::npos) break;
        at = comma + 2;
    }
    return false;
}

// Takes a column whose header says nothing known, of whole addresses in
// most of its filled values, as the address where no column is part of one.
void address_from_values(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const auto part = [](const column_reading& r) { return address_field(r.role.what) || r.role.what == field_role::formatted; };
    if (std::any_of(columns.begin(), columns.end(), part)) return;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::none || r.header_role.what != field_role::none || r.overridden) continue;
        const auto whole = static_cast<std::size_t>(std::count_if(values[c].begin(), values[c].end(), whole_address));
        if (r.evidence.filled == 0 || whole * 100 < r.evidence.filled * MOST_SHARE) continue;
        r.role = {field_role::formatted, NO_PLACE_GROUP, {}};
        r.why.clear();
        return;
    }
}

// Takes the one column of an address that its header calls the street
// ('Bydlisko', a residence) as the town where no value holds a digit and no
// column is the town or the house number: a street without a number is rare.
void town_from_street(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const auto is = [&](field_role what) { return [what](const column_reading& r) { return r.role.what == what; }; };
    if (std::count_if(columns.begin(), columns.end(), is(field_role::street)) != 1 ||
        std::any_of(columns.begin(), columns.end(), is(field_role::city)) ||
        std::any_of(columns.begin(), columns.end(), is(field_role::house_number))) {
        return;
    }
    const auto c = static_cast<std::size_t>(std::find_if(columns.begin(), columns.end(), is(field_role::street)) - columns.begin());
    const auto digit = [](std::string_view v) { return std::any_of(v.begin(), v.end(), values::is_digit); };
    column_reading& r = columns[c];
    if (r.overridden || r.evidence.filled == 0 || std::any_of(values[c].begin(), values[c].end(), digit)) return;
    r.role.what = field_role::city;
}

// Takes a column whose header says nothing known, standing between two parts
// of one address that has no town ('Postal code', 'Location', 'Country'), as
// that town where no value holds a digit: a place's name inside its address.
void town_between_parts(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const auto digit = [](std::string_view v) { return std::any_of(v.begin(), v.end(), values::is_digit); };
    for (std::size_t c = 1; c + 1 < columns.size(); ++c) {
        column_reading& r = columns[c];
        const column_role& before = columns[c - 1].role;
        const column_role& after = columns[c + 1].role;
        if (r.role.what != field_role::none || r.header_role.what != field_role::none || r.overridden || r.evidence.filled == 0 ||
            !address_field(before.what) || !address_field(after.what) || before.group != after.group) {
            continue;
        }
        const bool has_town = std::any_of(columns.begin(), columns.end(), [&](const column_reading& o) {
            return o.role.what == field_role::city && o.role.group == before.group;
        });
        if (has_town || std::any_of(values[c].begin(), values[c].end(), digit)) continue;
        r.role = {field_role::city, before.group, before.type};
        r.why.clear();
    }
}

// True when most filled values of `column` end the whole name of their row
// in `full` as its last words ('Silva' of "Carlos Alberto Silva"): a family
// name, whatever the header calls it (Portuguese 'Apelido' is one; Brazilian a nickname).
bool ends_the_names(const std::vector<std::string_view>& column, const std::vector<std::string_view>& full,
                    const column_evidence& e) {
    std::size_t ends = 0;
    for (std::size_t row = 0; row < column.size() && row < full.size(); ++row) {
        const std::string own = header_key(trimmed(column[row]));
        const std::string name = header_key(trimmed(full[row]));
        ends += !own.empty() && name.size() > own.size() + 1 && name.ends_with(" " + own);
    }
    return share_at_least(ends, e, MOST_SHARE);
}

// Takes a column the header does not tell, whose values end the whole names,
// as the family name where no column is one.
void family_from_values(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const int full = first_of(columns, field_role::full);
    if (full < 0 || first_of(columns, field_role::family) >= 0) return;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::none || r.overridden || r.evidence.filled == 0) continue;
        if (!ends_the_names(values[c], values[static_cast<std::size_t>(full)], r.evidence)) continue;
        r.role = {field_role::family, 0, {}};
        r.why.clear();
        return;
    }
}

// Takes back a whole-name column made the company beside a contact person
// where most of its rows without a company's legal form have no contact
// person either: those are private persons, and the column is the row's
// name, a firm's or a person's ('firma_name' beside 'kontakt_person').
void private_persons_among_firms(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const int contact = first_of(columns, field_role::contact);
    for (std::size_t c = 0; contact >= 0 && c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::org || r.header_role.what != field_role::full || r.overridden) continue;
        std::size_t alone = 0;
        std::size_t beside = 0;
        for (std::size_t row = 0; row < values[c].size(); ++row) {
            const std::string_view own = trimmed(values[c][row]);
            if (own.empty() || company_name(own)) continue;
            (trimmed(values[static_cast<std::size_t>(contact)][row]).empty() ? alone : beside) += 1;
        }
        if (alone > beside) r.role = {field_role::full, 0, {}};
    }
}

// Takes a family name column as the whole name where no column is a given or
// a whole name and most of its values are names of several words ('Nom
// contact' "Hélène Muller"): French 'Nom' is a name as often as a surname.
void family_as_whole_name(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const int family = first_of(columns, field_role::family);
    if (family < 0 || first_of(columns, field_role::given) >= 0 || first_of(columns, field_role::full) >= 0) return;
    column_reading& r = columns[static_cast<std::size_t>(family)];
    const auto& column = values[static_cast<std::size_t>(family)];
    const auto several = static_cast<std::size_t>(std::count_if(column.begin(), column.end(), [](std::string_view v) {
        return trimmed(v).find(' ') != std::string_view::npos;
    }));
    if (!r.overridden && share_at_least(several, r.evidence, MOST_SHARE)) r.role = {field_role::full, 0, {}};
}

// Leaves a column of attention lines ('FactuurTAV': "t.a.v. administratie")
// off where a column of persons' names stands beside it: whom a letter is for
// inside the firm, not the card's person.
void attention_lines(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    const bool names = std::any_of(columns.begin(), columns.end(), [](const column_reading& r) {
        return (r.role.what == field_role::full && !r.companies) || r.role.what == field_role::given ||
               r.role.what == field_role::family;
    });
    for (std::size_t c = 0; names && c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::contact || r.overridden) continue;
        const auto marked = static_cast<std::size_t>(std::count_if(values[c].begin(), values[c].end(), [](std::string_view v) {
            return !trimmed(v).empty() && contact_person(v) != v;
        }));
        if (!share_at_least(marked, r.evidence, HALF_SHARE)) continue;
        r.role = {};
        r.why = "attention lines beside the persons' names";
    }
}

// True when columns `a` and `b` hold two different values in some one row.
bool differ_in_a_row(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    for (std::size_t row = 0; row < a.size() && row < b.size(); ++row) {
        const std::string_view x = trimmed(a[row]);
        const std::string_view y = trimmed(b[row]);
        if (!x.empty() && !y.empty() && x != y) return true;
    }
    return false;
}

// Returns the number the header `h` holds (the first run of its digits), -1 where it holds none.
int header_number(std::string_view h) {
    const std::size_t at = h.find_first_of("0123456789");
    if (at == std::string_view::npos) return -1;
    int n = 0;
    for (std::size_t i = at; i < h.size() && values::is_digit(h[i]) && n < 1000; ++i) n = n * 10 + (h[i] - '0');
    return n;
}

}  // namespace

void repeated_addresses(std::vector<column_reading>& columns, const std::vector<std::string>& header,
                        const std::vector<std::vector<std::string_view>>& values) {
    constexpr int REPEATED_GROUPS = 2000;  // apart from the items an export numbers and the pairs of a type and its phone
    std::vector<std::size_t> loose;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (address_field(columns[c].role.what) && columns[c].role.group == NO_PLACE_GROUP && !columns[c].overridden) loose.push_back(c);
    }
    const auto numbered_twins = [&](std::size_t a, std::size_t b) {
        const field_role what = columns[b].role.what;
        const int n = header_number(header[b]);
        return (what == field_role::city || what == field_role::postal) && columns[a].role.what == what &&
               columns[a].header_role.what == what && columns[b].header_role.what == what && n >= 0 &&
               header_number(header[a]) >= 0 && header_number(header[a]) != n && differ_in_a_row(values[a], values[b]);
    };
    bool twins = false;
    int first = -1;
    for (std::size_t j = 0; j < loose.size(); ++j) {
        for (std::size_t i = 0; i < j && !twins; ++i) twins = numbered_twins(loose[i], loose[j]);
        const int n = header_number(header[loose[j]]);
        if (n >= 0 && (first < 0 || n < first)) first = n;
    }
    if (!twins) return;
    for (const std::size_t c : loose) {
        column_role& role = columns[c].role;
        const int n = header_number(header[c]);
        if (n > first && role.what == field_role::street2) role.what = field_role::street;  // 'street2' beside 'city2'
        role.group = REPEATED_GROUPS + (n < 0 ? first : n);
    }
}

void read_rows_together(std::vector<column_reading>& columns, const std::vector<std::vector<std::string_view>>& values) {
    attention_lines(columns, values);
    // A mail server's 'Name' of single words ('jnovak') beside its 'FullName' is a login.
    const auto names = [](const column_reading& r) {
        return r.role.what == field_role::full && mostly(r.evidence, {value_shape::words});
    };
    if (std::any_of(columns.begin(), columns.end(), names)) {
        for (column_reading& r : columns) {
            if (r.role.what != field_role::full || r.overridden || !mostly(r.evidence, {value_shape::word})) continue;
            r.role = {};
            r.why = "single words beside whole names: a login";
        }
    }
    address_from_values(columns, values);
    town_from_street(columns, values);
    town_between_parts(columns, values);
    family_from_values(columns, values);
    family_as_whole_name(columns, values);
    private_persons_among_firms(columns, values);
    // A second whole name that is the person's or a firm's is the firm's, and the person's own name there no firm's.
    const int person = first_of(columns, field_role::full);
    for (std::size_t c = 0; person >= 0 && c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::full || r.overridden || static_cast<int>(c) == person) continue;
        if (!person_or_firm(values[c], values[static_cast<std::size_t>(person)])) continue;
        r.role = {field_role::org, 0, {}};
        r.why.clear();
    }
    // 'Account name' beside 'Organization name': the account is a member's,
    // a firm or a private person, so it is the row's name, and the column of
    // the firm's contact person becomes the name where the row has one.
    for (std::size_t c = 0; c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::org || r.overridden) continue;
        const auto firm = std::find_if(columns.begin(), columns.end(), [&](const column_reading& o) {
            return &o != &r && o.role.what == field_role::org &&
                   names_the_record(values[c], values[static_cast<std::size_t>(&o - columns.data())]);
        });
        if (firm == columns.end()) continue;
        const int person = first_of(columns, field_role::full);
        if (person >= 0 && first_of(columns, field_role::contact) >= 0) continue;
        if (person >= 0 && columns[static_cast<std::size_t>(person)].overridden) continue;
        if (person >= 0) columns[static_cast<std::size_t>(person)].role = {field_role::contact, 0, {}};
        r.role = {field_role::full, 0, {}};
        return;
    }
}

}  // namespace rowcard
