// Inside rowcard-prep: the header vocabulary as data, one table of phrases
// and what each says; read by vocabulary.cpp alone.
#pragma once

#include <span>
#include <string_view>

#include "prep/layouts.hpp"

namespace rowcard {

// What a phrase of a header says about its column.
enum class says : unsigned char {
    whole,    // the column's role, when the phrase is all the header is
    role,     // the column's role, wherever the phrase stands (the highest-ranked wins)
    place,    // which address or phone: its group and type
    kind,     // the vCard type of a phone, and (with role phone) that it is one
    label,    // the column holds its item's type
    display,  // the column holds its item's display name
    record,   // a record's or table's name before the words that matter
    stop,     // the column holds no value of the contact's own
    other,    // another person's (a guardian's or guarantor's), where the contact's own of its kind stands beside
    filler,   // a word that says nothing by itself
    either,   // 'or': two names for one column stand on either side
};

// One phrase: upper-case ASCII words, one space between them.
struct phrase_meaning {
    std::string_view words;
    says what;
    field_role role = field_role::none;
    std::string_view type = {};  // a place's or a kind's vCard type
    int group = 0;               // a place's address group (negative)
    unsigned languages = 0;      // bit (1 << language) for each language it is read in; 0: all
    bool value_word = false;     // also a type word when it is all a value holds
};

// Returns an entry that settles the column when it is the whole header, and
// one that settles it wherever the phrase stands: one line per meaning.
constexpr phrase_meaning whole(std::string_view w, field_role r, std::string_view type = {}) {
    return {w, says::whole, r, type};
}
constexpr phrase_meaning role(std::string_view w, field_role r, int group = 0, std::string_view type = {}) {
    return {w, says::role, r, type, group};
}

// Returns every phrase; where one phrase has several entries, the first whose
// language fits is the one read (language-bound entries come first).
std::span<const phrase_meaning> header_phrases();

}  // namespace rowcard
