// Inside rowcard-prep: one header, or one value naming a type, read by its
// words against the header vocabulary (the words themselves are data, in
// vocabulary_table.cpp).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include <vector>

#include "prep/layouts.hpp"

namespace rowcard {

// Returns the words of the cleaned header `cleaned`, upper-case ASCII with one
// space between them: split at signs, between digits and letters, at the humps
// of camelCase ('firstName', 'MailingStreet', 'CCEmail'), and a run of letters
// the vocabulary does not know split into words it does where they make up
// the whole run ('MAILINGSTREET', 'firstname'). Empty input gives empty.
std::string split_header(std::string_view cleaned);

// Returns the words of a key that split_header or header_key wrote, split at
// its single spaces. Empty input gives none.
std::vector<std::string_view> split_words(std::string_view key);

// Returns the role of the column headed `cleaned` in an export of `language`:
// what the card does with it, the item number or the place of its address as
// `group`, and the vCard type the header gives. A leading record word
// ('Contact', 'Person', 'user.') and the export's own name `table`, when given,
// are dropped where the rest is known, and so is a last word among
// `suffixes` (the export's own name for its records, "den_par", "tel_par").
// An empty or unknown header gives none.
column_role read_header(std::string_view cleaned, export_language language, std::string_view table = {},
                        std::span<const std::string> suffixes = {});

// True when `word` (upper-case ASCII) is a word of the header vocabulary.
bool known_word(std::string_view word);

// Returns the vCard type that a value which is only a type word or two gives
// ('Mobile', 'Práce', 'Work Fax', 'Otthoni'), written as rowcard-prep cleans
// values; empty for any other value (a number, a name, a town) and for empty input.
std::string_view item_type_word(std::string_view cleaned_value);

// Returns the vCard type that the words of the header key `key` give a phone
// (FAX, CELL, PAGER, CAR, ISDN, WORK, HOME; VOICE when none), or an address
// when `address` (WORK, HOME; POSTAL when none). Empty input gives VOICE or POSTAL.
std::string_view type_of_key(std::string_view key, bool address);

// Whose record a row is, as a column of record kinds says ("Individual",
// "Organization", "Firma").
enum class record_kind { unknown, person, organisation, household /* a family: no one person */ };

// Returns the kind of record that the cleaned value `cleaned_value` names;
// unknown for any other value and for empty input.
record_kind kind_of_record(std::string_view cleaned_value);

// One value word that names a kind of record.
struct kind_word {
    std::string_view words;  // upper-case ASCII, one space between words
    record_kind kind;
};

// Returns the table of record kinds' words.
std::span<const kind_word> record_kind_words();

// True when `cleaned_value` is a country's two-letter code in capitals
// ("CZ", "DE"); small letters are as often a language's. Empty input is none.
bool country_code_value(std::string_view cleaned_value);

// Words each language's headers use and the others' do not.
struct language_words {
    export_language language;
    std::span<const std::string_view> list;
};

// Returns the table of language markers, one entry per language.
std::span<const language_words> language_markers();

}  // namespace rowcard
