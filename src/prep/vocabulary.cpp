// How rowcard-prep reads one header or one type value: each phrase of its
// words (header_words.cpp splits them) looked up in the vocabulary, and the
// column's role worked out from what its phrases say.
#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "prep/vocabulary.hpp"
#include "prep/value_text.hpp"
#include "prep/vocabulary_lookup.hpp"
#include "prep/vocabulary_table.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

using namespace vocabulary_lookup;

// A value of more words than this is no type label.
constexpr std::size_t TYPE_WORDS = 3;
// Parts of an address, a street and a town among them, a header names to head the whole ('Rua, Cidade, Região').
constexpr int WHOLE_ADDRESS_PARTS = 3;

// What the phrases of one header say.
struct reading {
    const phrase_meaning* role = nullptr;  // the highest-ranked role named
    std::string_view type;                 // the highest-ranked type named, a place's included
    int place = 0;                         // the first place's group
    std::string_view place_type;
    bool label = false, display = false, stop = false, other = false;  // what says::label and the others said
    bool numbered_item = false;  // the number follows the item's words, and more words follow it
    unsigned parts = 0;          // the parts of an address named, a bit each
};

// Returns the bit of the address part `what` in reading::parts; 0 for what is none.
unsigned part_bits(field_role what) {
    if (what < field_role::street || what > field_role::country) return 0;
    return 1U << (static_cast<unsigned>(what) - static_cast<unsigned>(field_role::street));
}

// Takes what the phrase `p` says into `r`.
void take(const phrase_meaning& p, reading& r) {
    r.label |= p.what == says::label;
    r.display |= p.what == says::display;
    r.stop |= p.what == says::stop;
    r.other |= p.what == says::other;
    const bool names_role = p.what == says::role || (p.what == says::kind && p.role != field_role::none);
    if (names_role && (r.role == nullptr || rank(p.role) < rank(r.role->role))) r.role = &p;
    if (names_role) r.parts |= part_bits(p.role);
    if (p.group != 0 && r.place == 0) r.place = p.group, r.place_type = p.type;
    if (type_rank(p.type) < type_rank(r.type)) r.type = p.type;
}

// Returns what the phrases of `w` say in `language`; numbers and unknown words say nothing.
reading read_words(const word_list& w, export_language language) {
    reading r;
    std::size_t role_end = 0;
    for (std::size_t at = 0; at < w.size();) {
        if (values::is_digit(w[at].front())) {
            r.numbered_item |= at > 0 && role_end == at && at + 1 < w.size();
            ++at;
            continue;
        }
        std::size_t size = 0;
        const phrase_meaning* p = longest_at(w, at, language, size);
        if (p == nullptr) {
            ++at;
            continue;
        }
        take(*p, r);
        at += size;
        if (p->role != field_role::none) role_end = at;
    }
    return r;
}

// Returns the role of an address part `what` read as `r`, numbered `number`.
column_role address_role(field_role what, const reading& r, int number) {
    const bool placed = r.place != 0;
    if (r.label) what = field_role::address_label;
    else if (what == field_role::street && number >= 2 && (placed || !r.numbered_item)) what = field_role::street2;  // 'Street 2'
    const bool own = r.place_type == "WORK" || r.place_type == "HOME";
    column_role out = placed ? column_role{what, r.place, own ? r.place_type : std::string_view("POSTAL")}
                             : column_role{what, r.numbered_item && number > 0 ? number : NO_PLACE_GROUP, {}};
    // A part of a building ('Bloc', 'Scara') is written after its mark ("bl. A1").
    if (what == field_role::street2 && r.role != nullptr && r.role->group == 0) out.mark = r.role->type;
    return out;
}

// Returns the column's role from what its words say, `number` its item's number.
column_role decide(const reading& r, int number) {
    if (r.stop) return {field_role::ignored, 0, {}};  // the record's owner or a chat name: never the contact's
    const bool own = r.place_type == "WORK" || r.place_type == "HOME";
    if (r.role == nullptr) return own ? column_role{field_role::none, r.place, r.place_type} : column_role{};  // 'Privatnr'
    const unsigned street_and_town = part_bits(field_role::street) | part_bits(field_role::city);
    const bool whole = (r.parts & street_and_town) == street_and_town && std::popcount(r.parts) >= WHOLE_ADDRESS_PARTS;
    const field_role what = whole ? field_role::formatted : r.role->role;
    if (what == field_role::phone) {
        if (r.label) return {field_role::phone_label, number, {}};
        return {field_role::phone, number, r.type.empty() ? "VOICE" : r.type};
    }
    if (what == field_role::email) {
        if (r.display) return {field_role::ignored, 0, {}};
        if (r.label) return {field_role::email_label, number, {}};
        return {field_role::email, number, own ? r.place_type : std::string_view()};
    }
    if (what >= field_role::pobox) return address_role(what, r, number);
    if (r.label) return {};  // the type of an item the card does not keep
    return {what, number, {}};
}

// Returns the name phrase after a place's words at the start of `plain`
// ('deliveryName', 'destinationAttention', 'BillToContact.FirstName',
// 'address_shipping_first_name') or an address's word alone ('Address First
// Name'): the place, an address's word before it and the record after it say
// nothing of a name. Null where no name follows.
const phrase_meaning* name_after_place(const word_list& plain, export_language language) {
    std::size_t at = 0, size = 0;
    const phrase_meaning* p = longest_at(plain, 0, language, size);
    if (p != nullptr && p->what == says::role && p->role == field_role::street) {
        at = size;
        // A sheet of addresses names its own columns after its word ('Address First Name', 'Address Company').
        const phrase_meaning* own = whole_of(plain, at);
        if (own != nullptr && own->role >= field_role::given && own->role <= field_role::job) return own;
        p = longest_at(plain, at, language, size);
    }
    if (p == nullptr || p->what != says::place) return nullptr;
    at += size;
    if (const phrase_meaning* record = longest_at(plain, at, language, size); record != nullptr && record->what == says::record) {
        at += size;
    }
    const phrase_meaning* named = whole_of(plain, at);
    return named != nullptr && named->role >= field_role::given && named->role <= field_role::job ? named : nullptr;
}

// Reads `plain`, a header's words without its item's number `number`, as
// one whole phrase, maybe past the record's, a place's or a contact person's
// words around it. Returns true with `out` set where those words settle the
// column; false where the header's words one by one must decide, as for no words.
bool read_whole(const word_list& plain, export_language language, int number, column_role& out) {
    const phrase_meaning* whole = whole_of(plain, 0);
    if (whole == nullptr && plain.size() > 1) {
        std::size_t size = 0;
        const phrase_meaning* first = longest_at(plain, 0, language, size);
        // The record's words before the field's, one or two ('AccountContactFirstName'), or a guardian's.
        const bool record = first != nullptr && (first->what == says::record || first->what == says::other);
        for (std::size_t at = 0, more = size; whole == nullptr && record && more > 0;) {
            at += more;
            whole = whole_of(plain, at);
            const phrase_meaning* next = longest_at(plain, at, language, more);
            if (next == nullptr || next->what != says::record) break;
        }
        // 'CONTACT_NR', 'Kunde Nr': the record's own number, no house's.
        if (whole != nullptr && first->what == says::record && whole->role == field_role::house_number) {
            return out = {field_role::record_id, 0, {}}, true;
        }
        const phrase_meaning* named = whole == nullptr ? name_after_place(plain, language) : nullptr;
        if (named != nullptr) return out = {named->role, number, named->type}, true;
        // The record or another person named after the field, as Slovene, Croatian and Italian write it
        // ('Ime partnerja', 'Cognome tutore').
        const phrase_meaning* last = longest_at(plain, plain.size() - 1, language, size);
        if (whole == nullptr && last != nullptr && (last->what == says::record || last->what == says::other)) {
            whole = whole_in(plain, 0, plain.size() - 1);
        }
    }
    // A part of the contact person's name ('Osoba kontaktowa - imię') is the card's.
    for (std::size_t k = 1; whole == nullptr && k < plain.size(); ++k) {
        const phrase_meaning* who = whole_in(plain, 0, k);
        const phrase_meaning* part = who != nullptr && who->role == field_role::contact ? whole_of(plain, k) : nullptr;
        if (part != nullptr && (part->role == field_role::given || part->role == field_role::family ||
                                part->role == field_role::full || part->role == field_role::prefix)) {
            return out = {part->role, number, {}}, true;
        }
    }
    if (whole == nullptr) return false;
    out = whole->role >= field_role::pobox ? address_role(whole->role, reading{}, number)
                                           : column_role{whole->role, number, whole->type};
    if (whole->role == field_role::house_number) out.type = whole->type;  // a house's name in its place
    return true;
}

// True for no phrase, or one that names no role of its own: a type ('Main'),
// the record's word, or another person's.
bool names_no_role(const phrase_meaning* p) {
    return p == nullptr || (p->role == field_role::none &&
                            (p->what == says::kind || p->what == says::record || p->what == says::other));
}

// Returns the whole phrase that `plain` names around a joining word: two names
// for one column ("Post / Funkce", "TitleOrPosition"), the first that says
// something; or a field of its owner named after 'of' ('Name of the contact'
// as 'Contact Name'). Null where there is none.
const phrase_meaning* whole_around(const word_list& plain) {
    for (std::size_t at = 1; at + 1 < plain.size(); ++at) {
        if (is_or_word(plain[at])) {
            const phrase_meaning* one = whole_in(plain, 0, at);
            if (one == nullptr) one = whole_in(plain, at + 1, plain.size());
            if (one != nullptr) return one;
        } else if (plain[at] == "OF") {
            const std::size_t owner = at + 1 + (plain[at + 1] == "THE" && at + 2 < plain.size());
            word_list swapped(plain.begin() + static_cast<std::ptrdiff_t>(owner), plain.end());
            swapped.insert(swapped.end(), plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(at));
            if (const phrase_meaning* one = whole_in(swapped, 0, swapped.size()); one != nullptr) return one;
        }
    }
    return nullptr;
}

// Returns the address part that the last word of `plain` names after words
// that name no role of their own ('bill_postal', 'bill_addr1') or a place
// ('ship_addr1', whose place the caller reads from all its words); null where
// there is none.
const phrase_meaning* address_part_last(const word_list& plain, export_language language) {
    const phrase_meaning* part = plain.size() < 2 ? nullptr : whole_of(plain, plain.size() - 1);
    // A bare 'Nr' or 'Unit' after other words counts or measures something else ('AnredeNr', 'Age Unit').
    if (part == nullptr || part->role < field_role::pobox || part->role == field_role::house_number ||
        part->role == field_role::street2) {
        return nullptr;
    }
    for (std::size_t at = 0, size = 0; at + 1 < plain.size(); at += std::max<std::size_t>(size, 1)) {
        const phrase_meaning* p = longest_at(plain, at, language, size);
        if (!names_no_role(p) && p->what != says::place) return nullptr;  // 'ship_addr1': the place's
    }
    return part;
}

// Returns true with `out` set where the header `cleaned` is two names of one
// column: in two languages ('Firstname_Vorname') that read alike, or a
// numbered item named again after a slash ('Address Line 2/District'); false
// for any other header, as read_header reads it.
bool read_halves(std::string_view cleaned, export_language language, std::string_view table,
                 std::span<const std::string> suffixes, column_role& out) {
    if (const std::size_t under = cleaned.find('_');
        under != std::string_view::npos && cleaned.find('_', under + 1) == std::string_view::npos) {
        const column_role one = read_header(cleaned.substr(0, under), language, table, suffixes);
        const column_role other = read_header(cleaned.substr(under + 1), language, table, suffixes);
        if (one.what != field_role::none && one.what == other.what && one.group == other.group && one.type == other.type) {
            return out = one, true;
        }
    }
    if (const std::size_t slash = cleaned.find('/');
        slash != std::string_view::npos && std::any_of(cleaned.begin(), cleaned.begin() + static_cast<std::ptrdiff_t>(slash), values::is_digit)) {
        const column_role one = read_header(cleaned.substr(0, slash), language, table, suffixes);
        if (one.what != field_role::none) return out = one, true;
    }
    return false;
}

}  // namespace

column_role read_header(std::string_view cleaned, export_language language, std::string_view table,
                        std::span<const std::string> suffixes) {
    if (column_role halves; read_halves(cleaned, language, table, suffixes, halves)) return halves;
    const std::string key = split_header(cleaned);
    const std::string table_key = split_header(table);
    word_list w = split_words(key);
    if (w.size() > 1 && std::find(suffixes.begin(), suffixes.end(), w.back()) != suffixes.end()) w.pop_back();
    const word_list own = split_words(table_key);
    if (!own.empty() && w.size() > own.size() && std::equal(own.begin(), own.end(), w.begin())) {
        w.erase(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(own.size()));
    }
    std::size_t number_at = 0;
    const int number = item_number(w, number_at);
    word_list plain = w;
    if (number_at < plain.size()) plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(number_at));
    const reading words = read_words(w, language);
    if (column_role whole; read_whole(plain, language, number, whole)) return whole.other = words.other, whole;
    column_role read = decide(words, number);
    read.other = words.other;
    // 'IsPrimaryPhoneMobile': a flag that says, row by row, the phone's type.
    if (std::size_t size = 0; read.what == field_role::flag && w.size() > 1) {
        const phrase_meaning* is = longest_at(w, 0, language, size);
        const column_role phone = decide(read_words(word_list(w.begin() + 1, w.end()), language), number);
        const bool typed = phone.what == field_role::phone && phone.type != "VOICE";
        if (typed && is != nullptr && is->role == field_role::flag && size == 1) return {field_role::phone_label, number, phone.type};
    }
    // A person's name under a role of theirs the table names ('Agency Manager First Name'): words that say nothing
    // before a given or family name, or a whole name of two words; 'Agency Name' and 'Card Last4' name no person.
    // A type or the record's word may stand among them ('MainGuestFirstname').
    for (std::size_t at = 0, size = 0; read.what == field_role::none && number_at == w.size() && at + 1 < plain.size() &&
                                       names_no_role(longest_at(plain, at, language, size)); ++at) {
        const phrase_meaning* name = whole_of(plain, at + 1);
        const field_role what = name == nullptr ? field_role::none : name->role;
        if (what == field_role::given || what == field_role::family || (what == field_role::full && at + 2 < plain.size())) {
            return {what, number, name->type};
        }
    }
    if (const phrase_meaning* part = read.what == field_role::none ? address_part_last(plain, language) : nullptr) {
        return address_role(part->role, read_words(word_list(plain.begin(), plain.end() - 1), language), number);
    }
    if (const phrase_meaning* one = read.what == field_role::none ? whole_around(plain) : nullptr; one != nullptr) {
        return {one->role, number, one->type};
    }
    for (std::string_view rest = cleaned; read.what == field_role::none && rest.size() < cleaned.size() + 1;) {
        const std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos && rest.size() == cleaned.size()) break;  // no slash at all
        if (const column_role one = read_header(rest.substr(0, slash), language, table, suffixes);
            one.what != field_role::none) {
            return one;
        }
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return read;
}

std::string_view item_type_word(std::string_view cleaned_value) {
    const std::string key = header_key(cleaned_value);
    const word_list w = split_words(key);
    if (w.empty() || w.size() > TYPE_WORDS) return {};
    std::string_view type;
    for (std::size_t at = 0; at < w.size();) {
        std::size_t size = 0;
        const phrase_meaning* p = longest_at(w, at, export_language::unknown, size);
        if (p == nullptr) return {};
        const bool noun = p->what == says::role && p->role == field_role::phone && p->type.empty();
        if (!p->value_word && !noun) return {};
        if (type_rank(p->type) < type_rank(type)) type = p->type;
        at += size;
    }
    return type;
}

std::string_view type_of_key(std::string_view key, bool address) {
    const reading r = read_words(split_words(key), export_language::unknown);
    if (address) return r.place_type == "WORK" || r.place_type == "HOME" ? r.place_type : "POSTAL";
    return r.type.empty() ? "VOICE" : r.type;
}

}  // namespace rowcard
