// The card plans: the line plans of a whole template joined into one card as
// written out, filled at once for each record. Must equal each line filled by
// `fill_line`, the rule, then written by `write_text`; tests/template/plan_test.cpp proves it.
#include "template/plan.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "template/name_search.hpp"
#include "template/plan_fit.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

// Bytes a card's text is copied by at a time, and spare at the end of the
// text and of the room for a card, so that no copy runs past either.
constexpr std::size_t CARD_SLACK = 16;

// What a whole value may do that a card slot cannot always allow, as bits of
// `fill_plans::facts`; a card slot refuses those its neighbours do not allow.
constexpr std::uint32_t FACT_EMPTY = 1;         // it is empty
constexpr std::uint32_t FACT_FIRST_JOINS = 2;   // its first byte could continue a name
constexpr std::uint32_t FACT_LAST_JOINS = 4;    // its last byte could begin or continue one
constexpr std::uint32_t FACT_LAST_DIGIT = 8;    // its last byte is a word digit
constexpr std::uint32_t FACT_NAME_INSIDE = 16;  // a later column's name lies inside it
constexpr std::uint32_t FACT_TOO_LONG = 32;     // it is longer than a card's room for it

// A cleaned value holds no line feed, so the line feeds of a filled card are
// the template's own and its written form can be worked out ahead.
static_assert(!kept_in_address('\n'));

// True when every byte a value may keep, an address's '-' and '_' included,
// upper-cases to such a byte: then a name byte that cleaning drops from every
// value matches no byte of a cleaned value, in any case.
constexpr bool kept_bytes_stay_kept() {
    for (int b = 0; b < 256; ++b) {
        if (kept_in_address(static_cast<unsigned char>(b)) &&
            !kept_in_address(static_cast<unsigned char>(upper_byte(static_cast<char>(b))))) {
            return false;
        }
    }
    return true;
}
static_assert(kept_bytes_stay_kept());

// Returns the facts of `value`, put in whole for column `column`. An empty
// value is FACT_EMPTY alone: then nothing else about it matters.
std::uint32_t facts_of(std::string_view value, std::size_t column, const fill_plans& plans) {
    if (value.empty()) return FACT_EMPTY;
    std::uint32_t facts = 0;
    if (value.size() > VALUE_LEN) facts |= FACT_TOO_LONG;
    if (plans.inner_or_last[UPPER[static_cast<unsigned char>(value.front())]]) facts |= FACT_FIRST_JOINS;
    if (plans.first_or_inner[UPPER[static_cast<unsigned char>(value.back())]]) facts |= FACT_LAST_JOINS;
    if (word_number(value.back()) != 0) facts |= FACT_LAST_DIGIT;
    if (holds_name(value, plans.value_names & columns_from(column + 1), plans.shortest_value_name[column + 1],
                   plans)) {
        facts |= FACT_NAME_INSIDE;
    }
    return facts;
}

// Returns the facts that keep a whole value out of the place of `piece`.
std::uint32_t refused_at(const plan_piece& piece) {
    std::uint32_t refuse = FACT_NAME_INSIDE | FACT_TOO_LONG;
    if (!piece.empty_ok) refuse |= FACT_EMPTY;
    if (!piece.left_safe) refuse |= FACT_FIRST_JOINS;
    if (!piece.right_safe) refuse |= FACT_LAST_JOINS;
    if (!piece.right_no_start) refuse |= FACT_LAST_DIGIT;
    return refuse;
}

// Bytes of one register move, wide and narrow: a value of up to twice as many
// bytes goes as two moves that overlap, rather than a call to copy it.
constexpr std::size_t WIDE_MOVE = 8;
constexpr std::size_t NARROW_MOVE = 4;

// Copies `count` bytes from `from` to `to` and returns the end of the copy.
// Values are short: up to 2 * WIDE_MOVE bytes go as two overlapping moves.
char* put(char* to, const char* from, std::size_t count) {
    if (count >= WIDE_MOVE && count <= 2 * WIDE_MOVE) {
        std::memcpy(to, from, WIDE_MOVE);
        std::memcpy(to + count - WIDE_MOVE, from + count - WIDE_MOVE, WIDE_MOVE);
    } else if (count >= NARROW_MOVE && count < WIDE_MOVE) {
        std::memcpy(to, from, NARROW_MOVE);
        std::memcpy(to + count - NARROW_MOVE, from + count - NARROW_MOVE, NARROW_MOVE);
    } else if (count != 0) {
        std::memcpy(to, from, count);
    }
    return to + count;
}

// Copies `count` bytes of a card's text, and up to CARD_SLACK - 1 bytes more,
// from `from` to `to`; returns the end of the `count` bytes. The text and the
// room for a card both end in CARD_SLACK spare bytes, so the copy moves whole
// blocks and the bytes beyond the end are overwritten by what comes next.
char* put_text(char* to, const char* from, std::size_t count) {
    for (std::size_t done = 0; done < count; done += CARD_SLACK) std::memcpy(to + done, from + done, CARD_SLACK);
    return to + count;
}

}  // namespace

void plan_card(fill_plans& plans, const std::vector<std::string>& lines) {
    card_plan& card = plans.card;
    card.usable = false;
    card.text.clear();
    card.slots.clear();
    card.whole_columns = 0;
    std::uint32_t from = 0;  // where the text before the next slot begins
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const line_plan* plan = plan_for(plans, index, lines[index]);
        if (plan == nullptr) return;
        const std::string_view key = plan->key;
        for (const plan_piece& piece : plan->pieces) {
            append_as_written(card.text, key.substr(piece.text_from, piece.text_to - piece.text_from));
            card_slot slot;
            slot.text_from = from;
            slot.text_to = from = static_cast<std::uint32_t>(card.text.size());
            slot.refuse = refused_at(piece);
            slot.piece = piece;
            card.slots.push_back(slot);
            if (piece.word == 0) card.whole_columns |= std::uint64_t{1} << piece.column;
        }
        append_as_written(card.text, key.substr(plan->tail_from));
    }
    append_as_written(card.text, "\n");
    card.tail_from = from;
    card.text_end = static_cast<std::uint32_t>(card.text.size());
    card.text.append(CARD_SLACK, '\0');
    card.built.assign(card.text.size() + card.slots.size() * VALUE_LEN, '\0');
    card.usable = true;
}

bool fill_card(const record_values& values, fill_plans& plans, std::string_view& card) {
    card_plan& plan = plans.card;
    // Missing values are rare enough to leave to the line by line filling.
    if (!plan.usable || values.size() < plans.columns.size()) return false;
    // A value's facts are found once, however many slots it goes into.
    for (std::uint64_t columns = plan.whole_columns; columns != 0; columns &= columns - 1) {
        const auto column = static_cast<std::size_t>(std::countr_zero(columns));
        plans.facts[column] = facts_of(values[column], column, plans);
    }
    const char* text = plan.text.data();
    char* out = plan.built.data();
    for (const card_slot& slot : plan.slots) {
        const plan_piece& piece = slot.piece;
        const std::string_view value = values[piece.column];
        std::string_view fill = value;
        if (piece.word == 0) {
            if ((plans.facts[piece.column] & slot.refuse) != 0) return false;
        } else {
            fill = field_at(value, ' ', piece.word - 1);
            if (!behaves_as_marker(fill, piece, plans)) return false;
        }
        out = put_text(out, text + slot.text_from, slot.text_to - slot.text_from);
        out = put(out, fill.data(), fill.size());
    }
    out = put_text(out, text + plan.tail_from, plan.text_end - plan.tail_from);
    card = std::string_view(plan.built.data(), static_cast<std::size_t>(out - plan.built.data()));
    return true;
}

}  // namespace rowcard
