// Inside rowcard-prep: a header's words looked up in the vocabulary table,
// phrase by phrase; read by vocabulary.cpp alone.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "prep/layouts.hpp"
#include "prep/vocabulary_table.hpp"

namespace rowcard::vocabulary_lookup {

using word_list = std::vector<std::string_view>;

// Returns the position of `r` among the roles a header's words may name, the
// one that decides first lowest; past their end for a role no word ranks.
std::size_t rank(field_role r);

// Returns the position of the phone type `type` among the types, the one that
// decides first lowest (a work fax is a fax); past their end for empty input.
std::size_t type_rank(std::string_view type);

// Returns the number among `w` (of at most two digits) and sets `at` to its
// position; 0, and `at` past the end, when there is none.
int item_number(const word_list& w, std::size_t& at);

// Returns the longest phrase (not a whole-header one) that `w` holds from
// `at` on, the first of equal ones read in `language`, and its length in
// `size`; null when none starts there.
const phrase_meaning* longest_at(const word_list& w, std::size_t at, export_language language, std::size_t& size);

// Returns the whole-header phrase that is all of `w` from `from` to `to`,
// null when none is (and for an empty span); whole_of reads from `from` to the end.
const phrase_meaning* whole_in(const word_list& w, std::size_t from, std::size_t to);
const phrase_meaning* whole_of(const word_list& w, std::size_t from);

// True when `word` joins two names for one column ("or" in any language).
bool is_or_word(std::string_view word);

}  // namespace rowcard::vocabulary_lookup
