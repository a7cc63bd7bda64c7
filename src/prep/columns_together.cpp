// What a column means beside the others: types tied to their items, whole
// addresses and lone regions beside real addresses, codes of countries.
#include "prep/columns_together.hpp"

#include <algorithm>
#include <array>

#include "prep/columns_people.hpp"

namespace rowcard {
namespace {

// Group numbers given to a type column and the item beside it, above any an
// export numbers its own items with.
constexpr int PAIRED_GROUPS = 1000;

// Returns the group of the one address `columns` has parts of; 0 where none, or several.
int one_address(const std::vector<column_reading>& columns) {
    int group = 0;
    for (const column_reading& r : columns) {
        if (!address_field(r.role.what)) continue;
        if (group != 0 && r.role.group != group) return 0;
        group = r.role.group;
    }
    return group;
}

// Returns the group of the one address `columns` has parts of, where no
// column types it yet; 0 where none, or several.
int only_address(const std::vector<column_reading>& columns) {
    const bool typed = std::any_of(columns.begin(), columns.end(),
                                   [](const column_reading& r) { return r.role.what == field_role::address_label; });
    return typed ? 0 : one_address(columns);
}

// Ties the phone type column `label` of `columns` to the export's one phone
// column, where it has exactly one; with none or several, nothing changes.
void pair_with_only_phone(std::vector<column_reading>& columns, std::size_t label) {
    const auto phone = [](const column_reading& r) { return r.role.what == field_role::phone; };
    const auto first = std::find_if(columns.begin(), columns.end(), phone);
    if (first == columns.end() || std::find_if(first + 1, columns.end(), phone) != columns.end()) return;
    first->role.group = PAIRED_GROUPS + static_cast<int>(first - columns.begin());
    columns[label].role.group = first->role.group;
}

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
        // Far from any phone, a phone's type is the export's one phone's ('Phone type', 'Is US phone', 'Phone number').
        const bool phone_said = columns[c].header_role.what == field_role::phone_label;
        if (phone_said && type.group == 0) pair_with_only_phone(columns, c);
        // Far from any item, another type column types the export's one address: a
        // record's kind, business or private ('Typ': geschäftlich, privat).
        const int address = phone_said ? 0 : only_address(columns);
        if (type.group == 0 && address != 0) {
            type = {field_role::address_label, address, {}};
        } else if (type.group == 0) {
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

// True when the address `group` of `columns` has a part of role `what`.
bool has_part(const std::vector<column_reading>& columns, int group, field_role what) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](const column_reading& r) { return r.role.what == what && r.role.group == group; });
}

// Leaves a region off where it is all its address has: a sales region or a
// territory, or where a mailing tool placed a subscriber, is no place to write to.
void drop_lone_regions(std::vector<column_reading>& columns) {
    for (column_reading& r : columns) {
        if (r.role.what != field_role::region || r.overridden) continue;
        const bool alone = std::none_of(columns.begin(), columns.end(), [&](const column_reading& o) {
            return address_field(o.role.what) && o.role.what != field_role::region && o.role.group == r.role.group;
        });
        if (!alone) continue;
        r.role = {};
        r.why = "a region with no address of its own";
    }
}

// Takes a country's code as its address's country where no country's name
// stands beside it and the address has a street, a town or a region (a
// partner's 'BY' and 'DE'); else leaves it off: a code beside only a postal
// code is where a subscriber signed up.
void settle_country_codes(std::vector<column_reading>& columns) {
    for (column_reading& r : columns) {
        if (r.role.what != field_role::country_code) continue;
        const int group = r.role.group;
        const bool placed = has_part(columns, group, field_role::street) || has_part(columns, group, field_role::city) ||
                            has_part(columns, group, field_role::postal_city) ||
                            has_part(columns, group, field_role::region);
        if (!has_part(columns, group, field_role::country) && (placed || r.overridden)) {
            r.role.what = field_role::country;
        } else {
            r.why = placed ? "a country's code beside its name" : "a country's code with no address";
            r.role = {};
        }
    }
}

// Joins an address that an export writes under two places: a street under
// one ("Rechnungsadresse") and the town, code and country under none, or the
// street under none and the rest under one (Etsy's 'Street 1' beside 'Ship
// City'), where these are its only addresses and each has what the other lacks.
// A second line under none goes with the street it follows ('BusinessAddress', 'AddressLine2').
void join_split_address(std::vector<column_reading>& columns) {
    const auto street_part = [](field_role what) { return what == field_role::street || what == field_role::house_number; };
    int placed = 0;
    std::array<bool, 2> placed_has{};  // its street, the rest
    std::array<bool, 2> loose_has{};
    for (const column_reading& r : columns) {
        if (!address_field(r.role.what)) continue;
        if (r.role.what == field_role::street2 && r.role.group == NO_PLACE_GROUP) continue;
        const std::size_t part = street_part(r.role.what) || r.role.what == field_role::street2 ? 0 : 1;
        if (r.role.group != NO_PLACE_GROUP && placed != 0 && placed != r.role.group) return;  // two placed addresses
        if (r.role.group != NO_PLACE_GROUP) placed = r.role.group;
        (r.role.group == NO_PLACE_GROUP ? loose_has : placed_has)[part] = true;
    }
    const bool apart = placed_has[0] != placed_has[1] && loose_has[0] != loose_has[1] && placed_has[0] == loose_has[1];
    if (placed >= 0 || !apart) return;
    const auto at = std::find_if(columns.begin(), columns.end(), [&](const column_reading& r) { return r.role.group == placed; });
    for (column_reading& r : columns) {
        if (address_field(r.role.what) && r.role.group == NO_PLACE_GROUP && !r.overridden) {
            r.role.group = placed, r.role.type = at->role.type;
        }
    }
}

// Takes a column whose header says nothing known, or says street over
// numbers, as the house number of the street right before it, where its
// values are house numbers ('ULICA', 'NUMER'; 'adresse_strasse', 'adresse_nr').
void number_after_street(std::vector<column_reading>& columns) {
    for (std::size_t c = 1; c < columns.size(); ++c) {
        column_reading& r = columns[c];
        const column_role& street = columns[c - 1].role;
        const field_role said = r.header_role.what;
        const bool unread = said == field_role::none || ((said == field_role::street || said == field_role::street2) && r.disagrees);
        if (r.role.what != field_role::none || !unread || r.overridden || !r.house_numbers || street.what != field_role::street) {
            continue;
        }
        r.role = {field_role::house_number, street.group, street.type};
        r.why.clear();
        r.disagrees = false;
    }
}

// Takes a column whose header says nothing known, of postal codes or of
// countries' codes, as that part of the export's one address where it lacks
// one, and has a street or a town ('Postcal code', 'destinationContryCode').
void parts_from_values(std::vector<column_reading>& columns) {
    const int address = one_address(columns);
    if (address == 0 || (!has_part(columns, address, field_role::street) && !has_part(columns, address, field_role::city))) {
        return;  // a lone region or code is where a subscriber signed up, no address
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        column_reading& r = columns[c];
        if (r.role.what != field_role::none || r.header_role.what != field_role::none || r.overridden) continue;
        // Two letters name a country only beside the address ('Skolform' "GR" is a school's form).
        const auto part = [&](std::size_t k) { return k < columns.size() && address_field(columns[k].role.what); };
        if (r.postal_codes && !has_part(columns, address, field_role::postal) &&
            !has_part(columns, address, field_role::postal_city)) {
            r.role = {field_role::postal, address, {}};
        } else if (r.country_codes && (part(c - 1) || part(c + 1)) && !has_part(columns, address, field_role::country) &&
                   !has_part(columns, address, field_role::country_code)) {
            r.role = {field_role::country_code, address, {}};
        } else {
            continue;
        }
        const auto placed = std::find_if(columns.begin(), columns.end(), [&](const column_reading& o) {
            return address_field(o.role.what) && o.role.group == address;
        });
        r.role.type = placed->role.type;
        r.why.clear();
    }
}

// Takes a department between two parts of one address as its region: a
// French 'département' ('TOWN', 'DEPARTMENT', 'COUNTRY'), no unit of a firm.
void department_in_address(std::vector<column_reading>& columns) {
    for (std::size_t c = 1; c + 1 < columns.size(); ++c) {
        column_reading& r = columns[c];
        const column_role& before = columns[c - 1].role;
        const column_role& after = columns[c + 1].role;
        if (r.role.what != field_role::department || r.overridden || !address_field(before.what) ||
            !address_field(after.what) || before.group != after.group || has_part(columns, before.group, field_role::region)) {
            continue;
        }
        r.role = {field_role::region, before.group, before.type};
    }
}

// Leaves a salutation ('Anrede': Herr, Frau, Firma) off where a column of
// titles ('Titel', 'Titul před jménem': Dr., Ing.) stands beside it: the titles are the name's
// prefix, the salutation only a letter's greeting.
void titles_before_salutation(std::vector<column_reading>& columns) {
    const bool titles = std::any_of(columns.begin(), columns.end(), [](const column_reading& r) {
        return r.role.what == field_role::prefix && (r.header_role.what == field_role::title || r.header_role.type == TITLES);
    });
    if (!titles) return;
    for (column_reading& r : columns) {
        const bool salutation = r.header_role.what == field_role::prefix && r.header_role.type != TITLES;
        if (r.role.what != field_role::prefix || !salutation || r.overridden) continue;
        r.role = {};
        r.why = "a salutation beside the titles";
    }
}

// Leaves a house number or a second street line off where its address has no
// street: a bare 'Nr' first in a table counts the rows, and a floor or 'c/o'
// alone is no street ('Adresszusatz' of an export that leaves the street out).
// A house's name or number beside its postcode is the address's first line.
void drop_numbers_without_street(std::vector<column_reading>& columns) {
    for (column_reading& r : columns) {
        const bool number = r.role.what == field_role::house_number;
        if ((!number && r.role.what != field_role::street2) || r.overridden) continue;
        if (has_part(columns, r.role.group, field_role::street)) continue;
        if (number && r.header_role.type == HOUSE_NAMED && has_part(columns, r.role.group, field_role::postal)) {
            r.role = {field_role::street, r.role.group, {}};
            continue;
        }
        r.role = {};
        r.why = number ? "a number with no street" : "a second line with no street";
    }
}

// Leaves a company or e-mail column off where a second one names the varied
// ones and it holds the same few values in every row: a register's own code
// ('NDB'), the account's own mailbox a payment went to ('To Email Address').
void drop_same_values(std::vector<column_reading>& columns) {
    for (const field_role what : {field_role::org, field_role::email}) {
        const bool varied = std::any_of(columns.begin(), columns.end(), [what](const column_reading& r) {
            return r.role.what == what && !same_few(r.evidence);
        });
        for (column_reading& r : columns) {
            if (!varied || r.role.what != what || r.overridden || !same_few(r.evidence)) continue;
            r.role = {};
            r.why = "the same few values in every row";
        }
    }
}

// Takes the first column of names, where no column is a name at all in an
// export with no header line, or none that names a company or an e-mail:
// values mostly of two to four words each.
void names_from_values(std::vector<column_reading>& columns) {
    for (const field_role what : {field_role::full, field_role::given, field_role::family}) {
        if (has_role(columns, what)) return;
    }
    for (column_reading& r : columns) {
        if (r.role.what == field_role::none && r.header_role.what == field_role::none && !r.overridden &&
            r.evidence.filled > 0 && mostly(r.evidence, {value_shape::words})) {
            r.role = {field_role::full, 0, {}};
            r.why.clear();
            return;
        }
    }
}

}  // namespace

void read_together(std::vector<column_reading>& columns, bool headerless) {
    pair_type_columns(columns);
    drop_formatted_beside_parts(columns);
    join_split_address(columns);
    parts_from_values(columns);
    department_in_address(columns);
    drop_lone_regions(columns);
    settle_country_codes(columns);
    settle_names_beside(columns);
    number_after_street(columns);
    drop_numbers_without_street(columns);
    drop_same_values(columns);
    titles_before_salutation(columns);
    // An export no header of which names anyone ('cid', 'cidname') is read as
    // one with no header line, rather than refused.
    const bool unnamed = std::none_of(columns.begin(), columns.end(), [](const column_reading& r) {
        return r.role.what == field_role::org || r.role.what == field_role::email;
    });
    if (headerless || unnamed) names_from_values(columns);
}

}  // namespace rowcard
