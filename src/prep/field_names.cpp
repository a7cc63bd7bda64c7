// The card fields as people name them: what --column takes, and how a report
// names the field a column fills, with its phone's or address's type.
#include <algorithm>

#include "check/findings.hpp"
#include "prep/columns.hpp"

namespace rowcard {
namespace {

// The fields --column names, and what each gives; a place after ':' (home,
// work, other, cell, fax, pager) says which phone or address.
struct named_field {
    std::string_view name;
    field_role what;
    std::string_view label;  // as a report names it
};
constexpr named_field FIELDS[] = {
    {"name", field_role::full, "whole name"},       {"given", field_role::given, "given name"},
    {"contact", field_role::contact, "contact person"},
    {"middle", field_role::middle, "middle name"},  {"family", field_role::family, "family name"},
    {"prefix", field_role::prefix, "name prefix"},  {"suffix", field_role::suffix, "name suffix"},
    {"company", field_role::org, "company"},        {"department", field_role::department, "department"},
    {"job", field_role::job, "job title"},          {"note", field_role::note, "note"},
    {"phone", field_role::phone, "phone"},          {"phone-type", field_role::phone_label, "phone type"},
    {"email", field_role::email, "e-mail"},         {"email-or-phone", field_role::reach, "e-mail or phone"},
    {"street", field_role::street, "street"},
    {"street2", field_role::street2, "street line"}, {"pobox", field_role::pobox, "PO box"},
    {"city", field_role::city, "town"},             {"region", field_role::region, "region"},
    {"postal-code", field_role::postal, "postal code"}, {"postal-city", field_role::postal_city, "postal code and town"},
    {"country", field_role::country, "country"},    {"address", field_role::formatted, "whole address"},
    {"house-number", field_role::house_number, "house number"},
    {"address-type", field_role::address_label, "address type"}, {"nickname", field_role::nickname, "nickname"},
    {"birthday", field_role::birthday, "birthday"}, {"birth-year", field_role::birth_year, "birthday's year"},
    {"birth-month", field_role::birth_month, "birthday's month"}, {"birth-day", field_role::birth_day, "birthday's day"},
    {"web", field_role::web, "web page"},           {"groups", field_role::category, "groups"},
    {"skip", field_role::none, ""},
};

// The places a correction can give after ':', and the vCard type or address each means.
struct named_place {
    std::string_view name;
    std::string_view type;
    int address;  // the address group, as the vocabulary numbers places
};
constexpr named_place PLACES[] = {
    {"work", "WORK", -1}, {"home", "HOME", -2}, {"other", "POSTAL", -3},
    {"cell", "CELL", 0},  {"fax", "FAX", 0},    {"pager", "PAGER", 0},
};

// The vCard types of phones and addresses, as a report names them.
struct named_type {
    std::string_view type;
    std::string_view word;
};
constexpr named_type TYPE_NAMES[] = {
    {"CELL", "mobile"}, {"FAX", "fax"}, {"WORK", "work"}, {"HOME", "home"},
    {"PAGER", "pager"}, {"CAR", "car"}, {"ISDN", "ISDN"},
};

}  // namespace

bool names_column(std::string_view given, const std::string& header) {
    return given == header || given == checking::readable(header);
}

bool field_by_name(std::string_view name, column_role& role) {
    const std::size_t colon = name.find(':');
    const std::string_view field = name.substr(0, colon);
    const std::string_view place = colon == std::string_view::npos ? "" : name.substr(colon + 1);
    const auto known = std::find_if(std::begin(FIELDS), std::end(FIELDS), [&](const named_field& f) { return f.name == field; });
    if (known == std::end(FIELDS)) return false;
    role = {known->what, 0, known->what == field_role::phone ? "VOICE" : ""};
    if (address_field(known->what)) role.group = NO_PLACE_GROUP;
    if (place.empty()) return colon == std::string_view::npos;
    const auto at = std::find_if(std::begin(PLACES), std::end(PLACES), [&](const named_place& p) { return p.name == place; });
    if (at == std::end(PLACES)) return false;
    if (known->what == field_role::phone) {
        role.type = at->type;
        return true;
    }
    if (!address_field(known->what) || at->address == 0) return false;
    role.group = at->address;
    role.type = at->type;
    return true;
}

std::string field_choices() {
    std::string text;
    for (const named_field& f : FIELDS) text += (text.empty() ? "" : ", ") + std::string(f.name);
    return text + "; a phone or an address part may add :work, :home or :other (phones also :cell, :fax, :pager)";
}

std::string field_label(const column_role& role) {
    const auto word = [&](std::string_view fallback) {
        for (const named_type& t : TYPE_NAMES) {
            if (t.type == role.type) return std::string(t.word);
        }
        return std::string(fallback);
    };
    for (const named_field& f : FIELDS) {
        if (f.what != role.what || f.label.empty()) continue;
        std::string label(f.label);
        if (role.what == field_role::phone && !role.type.empty() && role.type != "VOICE") label = word("other") + " phone";
        if (role.what == field_role::phone && role.type == "EXT") label = "a phone's extension";
        if (address_field(role.what) && !role.type.empty() && role.type != "POSTAL") {
            label += " (" + word("other") + " address)";
        }
        return label;
    }
    return "";
}

}  // namespace rowcard
