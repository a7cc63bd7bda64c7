// The vocabulary table looked up: the phrases a header's words hold, the
// longest first, and the ranks that settle which of them decides.
#include "prep/vocabulary_lookup.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "prep/value_text.hpp"

namespace rowcard::vocabulary_lookup {
namespace {

// A field number of an export has at most two digits.
constexpr std::size_t NUMBER_DIGITS = 2;
// The roles a header's words may name, the one that decides first: an e-mail
// that the header says was opted out of is a flag, a street of a city no street.
constexpr std::array RANKED = {
    field_role::ignored, field_role::birthday, field_role::birth_year, field_role::birth_month, field_role::birth_day,
    field_role::date, field_role::record_kind, field_role::company_fact, field_role::record_id, field_role::dial_code,
    field_role::code, field_role::flag, field_role::count, field_role::category, field_role::nickname, field_role::web,
    field_role::email, field_role::phone, field_role::pobox, field_role::formatted, field_role::country_code,
    field_role::country, field_role::postal_city, field_role::postal, field_role::city, field_role::region,
    field_role::house_number, field_role::street2, field_role::street};
// Phone types, the one that decides first: a work fax is a fax, and a phone's extension ('Phone1 Extension') is
// no number of its own but the end of the one before it.
constexpr std::array<std::string_view, 9> TYPES = {"EXT", "FAX", "CELL", "PAGER", "CAR", "ISDN", "WORK", "HOME", "VOICE"};

// Returns how many words of `phrase` stand in `w` from `at` on, all of them
// in order; 0 when they do not (and for an empty phrase).
std::size_t matched(std::string_view phrase, const word_list& w, std::size_t at) {
    std::size_t count = 0;
    while (!phrase.empty()) {
        const std::size_t space = phrase.find(' ');
        if (at + count >= w.size() || w[at + count] != phrase.substr(0, space)) return 0;
        ++count;
        phrase = space == std::string_view::npos ? std::string_view() : phrase.substr(space + 1);
    }
    return count;
}

}  // namespace

// Returns the position of `r` among RANKED; past its end for a role no word ranks.
std::size_t rank(field_role r) {
    return static_cast<std::size_t>(std::find(RANKED.begin(), RANKED.end(), r) - RANKED.begin());
}

// Returns the position of `type` among TYPES; past its end for empty input.
std::size_t type_rank(std::string_view type) {
    return static_cast<std::size_t>(std::find(TYPES.begin(), TYPES.end(), type) - TYPES.begin());
}

// Returns the number among `w` (of at most two digits) and sets `at` to its
// position; 0, and `at` past the end, when there is none.
int item_number(const word_list& w, std::size_t& at) {
    for (at = 0; at < w.size(); ++at) {
        const std::string_view x = w[at];
        if (x.size() <= NUMBER_DIGITS && std::all_of(x.begin(), x.end(), values::is_digit)) return std::stoi(std::string(x));
    }
    return 0;
}

// Returns the longest phrase (not a whole-header one) that `w` holds from
// `at` on, the first of equal ones read in `language`, and its length in
// `size`; null when none starts there.
const phrase_meaning* longest_at(const word_list& w, std::size_t at, export_language language, std::size_t& size) {
    const phrase_meaning* best = nullptr;
    size = 0;
    const unsigned bit = 1U << static_cast<unsigned>(language);
    for (const phrase_meaning& p : header_phrases()) {
        if (p.what == says::whole || (p.languages != 0 && (p.languages & bit) == 0)) continue;
        const std::size_t count = matched(p.words, w, at);
        if (count > size) best = &p, size = count;
    }
    return best;
}

// Returns the whole-header phrase that is all of `w` from `from` to `to`,
// null when none is (and for an empty span).
const phrase_meaning* whole_in(const word_list& w, std::size_t from, std::size_t to) {
    for (const phrase_meaning& p : header_phrases()) {
        if (p.what == says::whole && from < to && matched(p.words, w, from) == to - from) return &p;
    }
    return nullptr;
}

// Returns the whole-header phrase that is all of `w` from `from` on; null when none is.
const phrase_meaning* whole_of(const word_list& w, std::size_t from) { return whole_in(w, from, w.size()); }

// True when `word` joins two names for one column ("or" in any language).
bool is_or_word(std::string_view word) {
    return std::any_of(header_phrases().begin(), header_phrases().end(),
                       [&](const phrase_meaning& p) { return p.what == says::either && p.words == word; });
}

}  // namespace rowcard::vocabulary_lookup
