// What a column means beside the others: types tied to their items, whole
// addresses and lone regions beside real addresses, tables of companies.
#include "prep/columns_together.hpp"

#include <algorithm>

namespace rowcard {
namespace {

// Group numbers given to a type column and the item beside it, above any an
// export numbers its own items with.
constexpr int PAIRED_GROUPS = 1000;

// Columns of what only a company has (its trade, revenue, tax number) that
// make a table of no given or family names one of companies: one may stand
// in a list of people, as the trade of each one's employer.
constexpr std::size_t COMPANY_FACTS = 2;

// Ties each type column to the phone or address beside it (the next column
// first, then the one before), each pair under a group of its own; a type
// column with neither beside it is left off.
void pair_type_columns(std::vector<column_reading>& columns) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        column_role& type = columns[c].role;
        const bool phone = type.what == field_role::phone_label;
        if (!phone && type.what != field_role::address_label) continue;
        if (type.group != 0) continue;  // numbered by the export: the vocabulary tied it
        for (const std::size_t n : {c + 1, c - 1}) {
            if (n >= columns.size()) continue;
            column_role& item = columns[n].role;
            if (phone ? item.what == field_role::phone : address_field(item.what)) {
                if (phone) item.group = PAIRED_GROUPS + static_cast<int>(n);
                type.group = item.group;
                break;
            }
        }
        if (type.group == 0) {
            columns[c].why = "types with no phone or address beside them";
            type = {};
        }
    }
}

// Leaves a whole-address column off where the export names the parts of
// another address but none of its own: its text would repeat them. Beside
// parts of its own address it stands in for a row whose parts are empty.
void drop_formatted_beside_parts(std::vector<column_reading>& columns) {
    const auto parts_of = [&](int group) {
        return std::any_of(columns.begin(), columns.end(), [&](const column_reading& r) {
            return address_field(r.role.what) && (group == 0 || r.role.group == group);
        });
    };
    for (column_reading& r : columns) {
        if (r.role.what != field_role::formatted || r.overridden) continue;
        if (parts_of(r.role.group) || !parts_of(0)) continue;
        r.role = {field_role::ignored, 0, {}};
        r.why = "a whole address beside its parts";
    }
}

// Leaves a region off where it is all its address has and another address
// of the export has a street, town or code: a sales region or a territory
// beside an account's billing address, not a place to write to.
void drop_lone_regions(std::vector<column_reading>& columns) {
    const auto only_region = [&](int group) {
        return std::none_of(columns.begin(), columns.end(), [&](const column_reading& r) {
            return address_field(r.role.what) && r.role.what != field_role::region && r.role.group == group;
        });
    };
    const bool other_address = std::any_of(columns.begin(), columns.end(), [&](const column_reading& r) {
        return address_field(r.role.what) && r.role.what != field_role::region && r.role.what != field_role::country;
    });
    for (column_reading& r : columns) {
        if (r.role.what != field_role::region || r.overridden || !other_address || !only_region(r.role.group)) continue;
        r.role = {};
        r.why = "a region with no address of its own";
    }
}

// Takes the whole-name column of a table of companies as the company: where
// no column gives a person's given or family name, and columns of what only
// a company has stand beside it (a CRM's accounts).
void names_of_companies(std::vector<column_reading>& columns) {
    std::size_t facts = 0;
    column_reading* name = nullptr;
    for (column_reading& r : columns) {
        if (r.role.what == field_role::given || r.role.what == field_role::family) return;
        facts += r.header_role.what == field_role::company_fact;
        if (r.role.what == field_role::full && !r.overridden && name == nullptr) name = &r;
    }
    if (name == nullptr || facts < COMPANY_FACTS) return;
    for (const column_reading& r : columns) {
        if (r.role.what == field_role::org) return;
    }
    name->role = {field_role::org, 0, {}};
}

}  // namespace

void read_together(std::vector<column_reading>& columns) {
    pair_type_columns(columns);
    drop_formatted_beside_parts(columns);
    drop_lone_regions(columns);
    names_of_companies(columns);
}

}  // namespace rowcard
