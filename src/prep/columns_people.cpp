// Whose a column is: a pupil's guardian's or parent's columns beside the
// pupil's own, and a second person's names after the contact's, are another
// person's; in a list of the guardians themselves they are the contact's. A
// firm's plain phone beside a private one is the office's. Initials beside a called
// name are that name's; of several unnamed organisations none is the contact's.
// The names read beside each other: a part's other part, a firms' column, a contact person.
#include <algorithm>
#include <string_view>

#include "prep/columns_people.hpp"

namespace rowcard {
namespace {

// The kind of a name's columns among value_kind's.
constexpr int NAME_KIND = 1;

// The kind of contact value `what` is, as far as whose it is goes: 0 for none.
int value_kind(field_role what) {
    switch (what) {
    case field_role::full: case field_role::given: case field_role::family: case field_role::contact:
    case field_role::middle: case field_role::prefix: case field_role::suffix: case field_role::title: return NAME_KIND;
    case field_role::email: return 2;
    case field_role::phone: return 3;
    default: return address_field(what) ? 4 : 0;
    }
}

// Marks as another person's a second given name column after the contact's
// ('VORNAME_W' after 'VORNAME', a pupil's mother's) and the name columns right
// around it ('TITEL_W', 'NAME_W'): a register of one person with a second one's names.
void mark_second_names(std::vector<column_reading>& columns) {
    const auto given = [](const column_reading& r) { return r.role.what == field_role::given && r.role.group == 0; };
    const auto name_part = [](const column_reading& r) {
        const bool part = value_kind(r.role.what) == NAME_KIND && r.role.what != field_role::given && r.role.what != field_role::contact;
        return part && !r.role.other && !r.overridden;
    };
    const auto first = std::find_if(columns.begin(), columns.end(), given);
    if (first == columns.end()) return;
    const auto next = [&](auto from) { return std::find_if(from, columns.end(), given); };
    for (auto it = next(first + 1); it != columns.end(); it = next(it + 1)) {
        if (it->overridden) continue;
        it->role.other = true;
        // The name parts around it are the other person's, where the contact's own name stands before them.
        for (auto before = it - 1; before > first && name_part(*before) && std::any_of(columns.begin(), before, name_part); --before) {
            before->role.other = true;
        }
        // After it, a family name is the other's only where the contact has one already ('NAME_W' after
        // 'NAME'); after a legal and a preferred given name ('Legal_First', 'First_Name', 'Last_Name') it
        // and the parts after it are the contact's.
        const bool own_family = std::any_of(columns.begin(), it, [](const column_reading& r) {
            return r.role.what == field_role::family && !r.role.other;
        });
        for (auto after = it + 1; after != columns.end() && name_part(*after) &&
                                  (after->role.what != field_role::family || own_family); ++after) {
            after->role.other = true;
        }
    }
}

// Leaves the initials off ('Voorletters' "J.P.") where a given name stands
// beside them ('Roepnaam' "Jan"): they are that name's, no second person's.
void initials_beside_given(std::vector<column_reading>& columns) {
    const auto named = [](const column_reading& r) { return r.role.what == field_role::given && r.role.type != INITIALS; };
    if (std::none_of(columns.begin(), columns.end(), named)) return;
    for (column_reading& r : columns) {
        if (r.role.what != field_role::given || r.role.type != INITIALS || r.overridden) continue;
        r.role = {};
        r.why = "initials beside the given name";
    }
}

// Leaves an addressee's line off ('Addressee' "Mrs. Margaret Novak") where
// given and family name columns stand beside it: it is how letters are
// addressed, which the name's parts already give.
void addressee_beside_parts(std::vector<column_reading>& columns) {
    if (!has_role(columns, field_role::given) || !has_role(columns, field_role::family)) return;
    for (column_reading& r : columns) {
        if (r.role.what != field_role::full || r.role.type != ADDRESSED || r.overridden) continue;
        r.role = {};
        r.why = "an addressee's line beside the name's parts";
    }
}

// Leaves off organisations read from their values alone where two columns
// or more hold them and no header names one ('baptism_church' beside
// 'profession_church'): none is plainly the contact's own.
void unnamed_organisations(std::vector<column_reading>& columns) {
    const auto unnamed = [](const column_reading& r) {
        return r.role.what == field_role::org && r.header_role.what == field_role::none && !r.overridden;
    };
    if (std::count_if(columns.begin(), columns.end(), unnamed) < 2) return;
    for (column_reading& r : columns) {
        if (!unnamed(r)) continue;
        r.role = {};
        r.why = "one of several columns of organisations, none named the contact's";
    }
}

// Takes a whole-name column of single words as the other part of a name
// where a given or a family name column stands beside it alone: a German
// 'Name' beside 'Vorname' is the family name, an English 'Name' beside
// 'Surname' the given one.
void name_beside_part(std::vector<column_reading>& columns) {
    const bool given = has_role(columns, field_role::given);
    if (given == has_role(columns, field_role::family)) return;
    for (column_reading& r : columns) {
        if (r.role.what == field_role::full && !r.overridden && mostly(r.evidence, {value_shape::word})) {
            r.role.what = given ? field_role::family : field_role::given;
            return;
        }
    }
}

// Takes a contact person's column as the name where no other column holds a
// person's name or the company's; beside one, it names the person of a row
// that has none, at the firm of the row.
void settle_contact_person(std::vector<column_reading>& columns) {
    const bool person = std::any_of(columns.begin(), columns.end(), [](const column_reading& r) {
        return (r.role.what == field_role::full && !r.companies) || r.role.what == field_role::given ||
               r.role.what == field_role::family || r.role.what == field_role::org;
    });
    for (column_reading& r : columns) {
        if (r.role.what == field_role::contact && !r.overridden && !person) r.role.what = field_role::full;
    }
}

// Takes a whole-name column of companies as the company where another column
// holds persons' names and no column is the company: a register of firms
// with its contact person ('NAZWA' beside 'OSOBA KONTAKTOWA').
void companies_beside_person(std::vector<column_reading>& columns) {
    if (has_role(columns, field_role::org)) return;
    column_reading* firms = nullptr;
    bool person = false;
    for (column_reading& r : columns) {
        const field_role what = r.role.what;
        if (what == field_role::full && r.companies && firms == nullptr && !r.overridden) firms = &r;
        // A name's second line ('Name2') is no person's name beside it.
        else person |= (what == field_role::full && !r.companies && r.role.group < 2) || what == field_role::given ||
                       what == field_role::family || what == field_role::contact;
    }
    if (firms != nullptr && person) firms->role = {field_role::org, 0, {}};
}

}  // namespace

void settle_other_people(std::vector<column_reading>& columns) {
    initials_beside_given(columns);
    addressee_beside_parts(columns);
    unnamed_organisations(columns);
    mark_second_names(columns);
    const auto has = [&columns](int kind, bool other) {
        return std::any_of(columns.begin(), columns.end(), [kind, other](const column_reading& o) {
            return o.role.other == other && value_kind(o.role.what) == kind;
        });
    };
    // The contact named, or the firm: the other's number or mailbox is no one's on this card.
    const bool named = has(NAME_KIND, false) || std::any_of(columns.begin(), columns.end(), [](const column_reading& o) {
                           return o.role.what == field_role::org && !o.role.other;
                       });
    for (column_reading& r : columns) {
        const int kind = value_kind(r.role.what);
        if (!r.role.other || r.overridden || kind == 0) continue;
        if (!has(kind, false) && !named) continue;
        r.role = {};
        r.why = "another person's (a guardian's or guarantor's) beside the contact's own";
    }
}

void settle_office_phones(std::vector<column_reading>& columns) {
    const auto taken = [&columns](field_role what, std::string_view type) {
        return std::any_of(columns.begin(), columns.end(), [what, type](const column_reading& o) {
            return o.role.what == what && !o.role.other && (type.empty() || o.role.type == type);
        });
    };
    if (!taken(field_role::org, "") || !taken(field_role::phone, "HOME") || taken(field_role::phone, "WORK")) return;
    for (column_reading& r : columns) {
        if (r.role.what == field_role::phone && !r.role.other && !r.overridden && r.role.type == "VOICE") r.role.type = "WORK";
    }
}

namespace {

// Leaves off a second person's items where a register numbers its people
// ('Owner Name 1' 'Owner Email 1' ... 'Owner Name 2' 'Owner Email 2'): the
// name under a number past the first's, and the e-mails and phones under
// that number, are no one's on the first person's card.
void second_persons(std::vector<column_reading>& columns) {
    const auto name = [](field_role what) { return what == field_role::full || what == field_role::given || what == field_role::family; };
    for (column_reading& second : columns) {
        const int n = second.role.group;
        if (!name(second.role.what) || n < 2 || second.overridden || second.evidence.filled == 0) continue;
        const bool first = std::any_of(columns.begin(), columns.end(), [&](const column_reading& o) {
            return o.role.what == second.role.what && o.role.group < n && o.evidence.filled > 0;
        });
        // A name's second line ('Name2', 'Apellido 2') has no mailbox or number of its own.
        const bool own_items = std::any_of(columns.begin(), columns.end(), [&](const column_reading& o) {
            return (o.role.what == field_role::email || o.role.what == field_role::phone) && o.role.group == n;
        });
        if (!first || !own_items) continue;
        for (column_reading& r : columns) {
            const bool item = r.role.what == field_role::email || r.role.what == field_role::phone || &r == &second;
            if (!item || r.role.group != n || r.overridden) continue;
            r.role = {}, r.why = "a second person's, as the number of their name says";
        }
    }
}

}  // namespace

void settle_twins(std::vector<column_reading>& columns) {
    for (column_reading& r : columns) {
        // A name, the firm, the job: one column each; numbered phones and addresses have their own places.
        const bool single = r.role.what >= field_role::given && r.role.what <= field_role::birthday;
        const bool code = r.role.what == field_role::postal;
        if (r.overridden || (!single && !code)) continue;
        // Another filled column of the field (of the same address, for a code), its header naming it where `named`.
        const auto twin = [&r, &columns, code](bool named) {
            return std::any_of(columns.begin(), columns.end(), [&r, code, named](const column_reading& o) {
                return &o != &r && o.evidence.filled > 0 && o.role.what == r.role.what && o.role.other == r.role.other &&
                       (!code || o.role.group == r.role.group) && (!named || o.header_role.what == o.role.what);
            });
        };
        if (r.evidence.filled == 0 && single && twin(false)) {
            r.role = {}, r.why = "empty, beside a filled column of its field";
        } else if (r.evidence.filled > 0 && r.header_role.what != r.role.what && twin(true)) {
            r.role = {}, r.why = "its values alone say what a column beside it is headed";
        }
    }
    second_persons(columns);
}

void settle_names_beside(std::vector<column_reading>& columns) {
    name_beside_part(columns);
    companies_beside_person(columns);
    settle_contact_person(columns);
}

}  // namespace rowcard
