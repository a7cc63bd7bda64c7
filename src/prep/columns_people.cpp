// Whose a column is: a pupil's guardian's or parent's columns beside the
// pupil's own are another person's; in a list of the guardians themselves they
// are the contact's. A firm's plain phone beside a private one is the office's.
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
    case field_role::full: case field_role::given: case field_role::family: case field_role::contact: return NAME_KIND;
    case field_role::email: return 2;
    case field_role::phone: return 3;
    default: return address_field(what) ? 4 : 0;
    }
}

}  // namespace

void settle_other_people(std::vector<column_reading>& columns) {
    const auto has = [&columns](int kind, bool other) {
        return std::any_of(columns.begin(), columns.end(), [kind, other](const column_reading& o) {
            return o.role.other == other && value_kind(o.role.what) == kind;
        });
    };
    // The contact named: the other's number or mailbox is no one's on this card.
    const bool named = has(NAME_KIND, false);
    for (column_reading& r : columns) {
        const int kind = value_kind(r.role.what);
        if (!r.role.other || r.overridden || kind == 0) continue;
        if (!has(kind, false) && !named) continue;
        r.role = {};
        r.why = "another person's (a guardian's) beside the contact's own";
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

}  // namespace rowcard
