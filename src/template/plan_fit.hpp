// What the line plans and the card plans share: whether a value put in takes
// the place of a plan's marker as the marker did, and a line's plan looked up.
// For the template folder alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "template/name_search.hpp"
#include "template/plan.hpp"

namespace rowcard {

// Returns the columns from `first` on, as a mask; none when `first` is past them.
inline std::uint64_t columns_from(std::size_t first) { return first >= PLAN_COLUMNS ? 0 : ~std::uint64_t{0} << first; }

// True when the name of some column of `searched` lies inside `text`, none
// of whose names is shorter than `shortest`. Empty text holds no name. Most
// bytes start no name: two at a time are ruled out with one test, and a name
// is compared only where the text's bytes may be its first two (past the
// text's end any byte may follow).
bool holds_name(std::string_view text, std::uint64_t searched, std::size_t shortest, const fill_plans& plans);

// True when `fill`, put in for the column of `piece` (a word of it when
// `piece.word` is not 0), behaves like the plan's marker in its place, as
// template/plan.cpp describes the markers. An empty fill behaves so only where
// `piece.empty_ok` says it may.
inline bool behaves_as_marker(std::string_view fill, const plan_piece& piece, const fill_plans& plans) {
    if (fill.empty()) return piece.empty_ok;
    const unsigned char first = UPPER[static_cast<unsigned char>(fill.front())];
    const unsigned char last = UPPER[static_cast<unsigned char>(fill.back())];
    if (!piece.left_safe && plans.inner_or_last[first]) return false;
    if (!piece.right_safe && plans.first_or_inner[last]) return false;
    if (!piece.right_no_start && word_number(fill.back()) != 0) return false;
    // The names searched after it went in: later columns, and its own after a word.
    const std::uint64_t searched = columns_from(piece.word != 0 ? piece.column : piece.column + 1);
    return !holds_name(fill, searched, plans.shortest_name, plans);
}

// Returns the usable plan of line `index` with the bytes `line`, making it
// when the line at that place has changed; null when the line gets no plan.
const line_plan* plan_for(fill_plans& plans, std::size_t index, std::string_view line);

}  // namespace rowcard
