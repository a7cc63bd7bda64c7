// The vCard versions: their names and how each writes a type.
#include "prep/vcard.hpp"

namespace rowcard {
namespace {

// The versions and their names, in one table.
struct named_version {
    vcard_version version;
    std::string_view name;
};
constexpr named_version VERSIONS[] = {
    {vcard_version::v21, "2.1"}, {vcard_version::v30, "3.0"}, {vcard_version::v40, "4.0"}};

// Each type word and how vCard 4.0 writes it: in lower case, and POSTAL and
// INTERNET not at all, as 4.0 dropped them (an address is postal by nature).
struct type_spelling {
    std::string_view word;
    std::string_view in_4;
};
constexpr type_spelling TYPES[] = {
    {"CELL", "cell"}, {"WORK", "work"}, {"HOME", "home"},   {"VOICE", "voice"}, {"FAX", "fax"},
    {"PAGER", "pager"}, {"CAR", "car"}, {"ISDN", "isdn"}, {"POSTAL", ""},       {"INTERNET", ""},
};

}  // namespace

bool version_by_name(std::string_view name, vcard_version& out) {
    for (const named_version& v : VERSIONS) {
        if (v.name == name) {
            out = v.version;
            return true;
        }
    }
    return false;
}

std::string_view version_name(vcard_version version) {
    for (const named_version& v : VERSIONS) {
        if (v.version == version) return v.name;
    }
    return "";
}

std::string_view type_word(vcard_version version, std::string_view type) {
    if (version != vcard_version::v40) return type;
    for (const type_spelling& t : TYPES) {
        if (t.word == type) return t.in_4;
    }
    return type;
}

}  // namespace rowcard
