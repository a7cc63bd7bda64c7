// The line plans: a template line filled once with markers in place of values,
// then every record's values put where the markers went. Must equal
// `fill_line`, the rule; tests/template/plan_test.cpp proves it.
#include "template/plan.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "template/name_search.hpp"
#include "template/plan_fit.hpp"
#include "text/text.hpp"

namespace rowcard {

// A plan is made by filling the line with markers in place of values: a
// marker matches no name and is no word digit. Real values give the same
// result, and so the plan's layout, whenever each one behaves like a marker:
// no name searched after it goes in lies inside it; none runs across its
// edges (its first or last byte can be no inner byte of a name, or the
// template byte beside it is in no name); its last byte gives no word digit to
// a name that could start right after it; and an empty one leaves no two
// neighbours that could join into a name or lend a digit. A template byte that
// stands beside a value in the finished line stood there from the moment the
// value went in, so checking the finished layout covers every step.

namespace {

// Marks atoms of a line being planned: template bytes carry their index in the
// line, markers a negative number.
using atom_tag = std::int32_t;

// Returns the index of the first occurrence of `name` in `bytes` at or after
// `from` that lies on template bytes only, or NOT_FOUND.
std::ptrdiff_t find_unmarked(std::string_view bytes, const std::vector<atom_tag>& tags, std::string_view name,
                             std::size_t from) {
    for (;;) {
        const std::ptrdiff_t at = find_upper(bytes, name, from);
        if (at == NOT_FOUND) return NOT_FOUND;
        const auto start = static_cast<std::size_t>(at);
        bool clear = true;
        for (std::size_t i = start; i < start + name.size() && clear; ++i) clear = tags[i] >= 0;
        if (clear) return at;
        from = start + 1;
    }
}

// Works out `plan` for its key with `plans.columns`, as described above.
// Leaves it unusable when the bound on word fills would be met.
void make_plan(line_plan& plan, const fill_plans& plans) {
    plan.usable = false;
    plan.pieces.clear();
    std::string bytes = plan.key;
    std::vector<atom_tag> tags(bytes.size());
    for (std::size_t i = 0; i < tags.size(); ++i) tags[i] = static_cast<atom_tag>(i);
    struct origin {
        std::uint32_t column;
        std::uint32_t word;
    };
    std::vector<origin> origins;
    for (std::size_t p = 0; p < plans.columns.size(); ++p) {
        const std::string_view name = plans.columns[p].name;
        for (std::size_t word_fills = 0;; ++word_fills) {
            const std::ptrdiff_t found = find_unmarked(bytes, tags, name, 0);
            if (found == NOT_FOUND) break;
            const auto at = static_cast<std::size_t>(found);
            const std::size_t word = at > 0 && tags[at - 1] >= 0 ? word_number(bytes[at - 1]) : 0;
            if (word != 0 && word_fills == LINE_LEN) return;
            const std::size_t start = word != 0 ? at - 1 : at;
            const std::size_t end = at + name.size();
            bytes.replace(start, end - start, 1, '\0');
            tags.erase(tags.begin() + static_cast<std::ptrdiff_t>(start + 1),
                       tags.begin() + static_cast<std::ptrdiff_t>(end));
            tags[start] = -1 - static_cast<atom_tag>(origins.size());
            origins.push_back({static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(word)});
            if (word == 0) break;
        }
    }
    // The finished layout: each marker with the template bytes before it.
    auto upper_at = [&](std::size_t i) { return UPPER[static_cast<unsigned char>(bytes[i])]; };
    std::uint32_t text_from = 0;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (tags[i] >= 0) continue;
        plan_piece piece;
        piece.text_from = text_from;
        piece.text_to = i > 0 && tags[i - 1] >= 0 ? static_cast<std::uint32_t>(tags[i - 1] + 1) : text_from;
        const origin& from = origins[static_cast<std::size_t>(-1 - tags[i])];
        piece.column = from.column;
        piece.word = from.word;
        const bool left_edge = i == 0;
        const bool left_template = !left_edge && tags[i - 1] >= 0;
        const bool right_edge = i + 1 == tags.size();
        const bool right_template = !right_edge && tags[i + 1] >= 0;
        const bool left_breaker = left_template && !plans.in_name[upper_at(i - 1)];
        const bool right_breaker = right_template && !plans.in_name[upper_at(i + 1)];
        piece.left_safe = left_edge || left_breaker;
        piece.right_safe = right_edge || right_breaker;
        piece.right_no_start = right_edge || (right_template && !plans.starts_name[upper_at(i + 1)]);
        const bool left_digit = left_template && word_number(bytes[i - 1]) != 0;
        piece.empty_ok = (left_edge || left_template) && (right_edge || right_template) &&
                         (piece.left_safe || piece.right_safe) && (left_edge || piece.right_no_start || !left_digit);
        plan.pieces.push_back(piece);
        // The next run of template bytes starts beside this marker; after
        // the last marker of the line there is none.
        text_from = right_template ? static_cast<std::uint32_t>(tags[i + 1])
                    : right_edge   ? static_cast<std::uint32_t>(plan.key.size())
                                   : piece.text_to;
    }
    plan.tail_from = text_from;
    plan.usable = true;
}

}  // namespace

bool holds_name(std::string_view text, std::uint64_t searched, std::size_t shortest, const fill_plans& plans) {
    if (searched == 0 || text.size() < shortest) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::uint64_t* first_of = plans.first_of.data();
    const std::size_t starts = text.size() - std::max<std::size_t>(shortest, 1) + 1;
    for (std::size_t at = 0; at < starts; at += 2) {
        const std::uint64_t either = first_of[bytes[at]] | (at + 1 < starts ? first_of[bytes[at + 1]] : 0);
        if ((either & searched) == 0) continue;
        for (std::size_t from = at; from < std::min(at + 2, starts); ++from) {
            const std::uint64_t seconds = from + 1 < text.size() ? plans.second_of[bytes[from + 1]] : ~std::uint64_t{0};
            for (std::uint64_t candidates = first_of[bytes[from]] & seconds & searched; candidates != 0;
                 candidates &= candidates - 1) {
                const std::string& name = plans.columns[static_cast<std::size_t>(std::countr_zero(candidates))].name;
                if (name.size() <= text.size() - from && matches_at(text, from, name)) return true;
            }
        }
    }
    return false;
}

const line_plan* plan_for(fill_plans& plans, std::size_t index, std::string_view line) {
    if (!plans.usable || index >= PLANNED_LINES || line.size() > PLAN_LINE_MAX) return nullptr;
    if (plans.lines.size() <= index) plans.lines.resize(index + 1);
    line_plan& plan = plans.lines[index];
    if (plan.key != line) {
        plan.key = line;
        make_plan(plan, plans);
    }
    return plan.usable ? &plan : nullptr;
}

void prepare_plans(fill_plans& plans, const std::vector<column_spec>& columns) {
    plans.columns = columns;
    plans.lines.clear();
    plans.usable = columns.size() <= PLAN_COLUMNS;
    plans.in_name.fill(false);
    plans.starts_name.fill(false);
    plans.inner_or_last.fill(false);
    plans.first_or_inner.fill(false);
    plans.first_of.fill(0);
    plans.second_of.fill(0);
    plans.shortest_name = 0;
    plans.value_names = 0;
    plans.shortest_value_name.fill(0);
    plans.card = card_plan{};
    if (!plans.usable) return;
    for (std::size_t q = 0; q < columns.size(); ++q) {
        const std::string& name = columns[q].name;
        if (name.empty()) continue;  // never found, so it stands in no one's way
        for (std::size_t i = 0; i < name.size(); ++i) {
            const auto b = static_cast<unsigned char>(name[i]);
            plans.in_name[b] = true;
            if (i > 0) plans.inner_or_last[b] = true;
            if (i + 1 < name.size()) plans.first_or_inner[b] = true;
        }
        const auto first = static_cast<unsigned char>(name.front());
        plans.starts_name[first] = true;
        const std::uint64_t bit = std::uint64_t{1} << q;
        plans.first_of[first] |= bit;
        plans.first_of[static_cast<unsigned char>(lower_byte(static_cast<char>(first)))] |= bit;
        if (name.size() == 1) {
            for (std::uint64_t& seconds : plans.second_of) seconds |= bit;
        } else {
            const auto second = static_cast<unsigned char>(name[1]);
            plans.second_of[second] |= bit;
            plans.second_of[static_cast<unsigned char>(lower_byte(static_cast<char>(second)))] |= bit;
        }
        if (plans.shortest_name == 0 || name.size() < plans.shortest_name) plans.shortest_name = name.size();
        const auto in_value = [](char c) { return kept_in_address(static_cast<unsigned char>(c)); };
        if (std::all_of(name.begin(), name.end(), in_value)) {
            plans.value_names |= bit;
        }
    }
    for (std::size_t q = columns.size(); q-- > 0;) {
        std::size_t& shortest = plans.shortest_value_name[q];
        shortest = plans.shortest_value_name[q + 1];
        const std::size_t size = columns[q].name.size();
        if ((plans.value_names >> q & 1) != 0 && (shortest == 0 || size < shortest)) shortest = size;
    }
}

bool fill_planned(std::string& line, std::size_t index, const record_values& values, fill_plans& plans,
                  fill_buffers& buffers) {
    const line_plan* found = plan_for(plans, index, line);
    if (found == nullptr) {
        fill_line(line, plans.columns, values, buffers);
        return false;
    }
    const line_plan& plan = *found;
    if (plan.pieces.empty()) return true;
    // Built aside, so that a value found unfit leaves the line as it was read.
    std::string& built = plans.built;
    built.clear();
    const std::string_view key = plan.key;
    for (const plan_piece& piece : plan.pieces) {
        const std::string_view value =
            piece.column < values.size() ? std::string_view(values[piece.column]) : std::string_view();
        const std::string_view fill = piece.word != 0 ? field_at(value, ' ', piece.word - 1) : value;
        if (!behaves_as_marker(fill, piece, plans)) {
            fill_line(line, plans.columns, values, buffers);
            return false;
        }
        built.append(key.substr(piece.text_from, piece.text_to - piece.text_from));
        built.append(fill);
    }
    built.append(key.substr(plan.tail_from));
    line.swap(built);
    return true;
}

}  // namespace rowcard
