// Plans: the filling of template lines, and of a whole card, worked out once
// per template and reused for every record. Speed machinery: whatever a plan
// fills must equal what `fill_line` (template/fill.hpp), the rule, fills; where
// a value could make the two differ, the plan steps aside for the rule.
// tests/template/plan_test.cpp proves it (random lines and cards, and name
// fragments drawn from a few letters, against the rule), as does the fuzz target.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"
#include "record/record.hpp"
#include "template/fill.hpp"

namespace rowcard {

// Template lines at most this long get a plan: real lines are far shorter, and
// working one out takes time in the square of the line.
inline constexpr std::size_t PLAN_LINE_MAX = 1000;
// Template lines that get a plan, from the first: a card is a few dozen lines.
inline constexpr std::size_t PLANNED_LINES = 256;
// Most columns plans serve: one bit each in a 64-bit mask (MAX_COLUMNS fits).
inline constexpr std::size_t PLAN_COLUMNS = 64;

// One value put in by a plan: the template bytes before it, and where it
// comes from, with what its neighbours in the filled line allow it to be.
struct plan_piece {
    std::uint32_t text_from = 0;  // template bytes [text_from, text_to) come first
    std::uint32_t text_to = 0;
    std::uint32_t column = 0;     // the column whose value goes in
    std::uint32_t word = 0;       // 1-9: that word of it; 0: the whole value
    bool left_safe = false;       // no name can run into it from the left
    bool right_safe = false;      // no name can run out of it to the right
    bool right_no_start = false;  // no name can start right after it
    bool empty_ok = false;        // it may be empty: its neighbours cannot join into a name
};

// What filling one template line comes to when no value takes part in any
// name: its own bytes (the key) and the values that go where.
struct line_plan {
    std::string key;
    bool usable = false;  // false: this line is always filled by `fill_line`
    std::vector<plan_piece> pieces;
    std::uint32_t tail_from = 0;  // the template bytes after the last piece start here
};

// One value put in by a card plan: the card's written text [text_from,
// text_to) comes before it, and `piece` says where it comes from and what its
// neighbours allow it to be.
struct card_slot {
    std::uint32_t text_from = 0;
    std::uint32_t text_to = 0;
    std::uint32_t refuse = 0;  // the facts of a whole value that keep this slot from serving it
    plan_piece piece;
};

// A whole template filled at once: the plans of all its lines joined, with
// the text already in the form written out (CR LF), the card's closing line
// end included. Values from `take_record` hold no line feed, so filling never
// adds one, and the written form of a card is its text and values side by side.
struct card_plan {
    bool usable = false;  // false: some line has no usable plan, the card goes line by line
    std::string text;
    std::vector<card_slot> slots;
    std::uint32_t tail_from = 0;        // the text after the last slot starts here
    std::uint32_t text_end = 0;         // and ends here; spare bytes follow
    std::uint64_t whole_columns = 0;    // the columns some slot takes whole
    std::string built;                  // room for a filled card: the text and VALUE_LEN a slot
};

// Plans for the lines of one template and the columns they were made for.
// Made by `prepare_plans`; `fill_planned` adds and renews line plans in it,
// and `plan_card` the plan of the whole card.
struct fill_plans {
    std::vector<column_spec> columns;
    bool usable = false;  // false: too many columns, every line goes to `fill_line`
    // Per byte, upper-cased: it occurs in some name, starts one, occurs after
    // a name's first byte, occurs before a name's last byte; and, for every
    // byte as it stands, the columns whose names start with it in any case,
    // and those whose second byte it may be (every one-byte name).
    std::array<bool, 256> in_name{};
    std::array<bool, 256> starts_name{};
    std::array<bool, 256> inner_or_last{};
    std::array<bool, 256> first_or_inner{};
    std::array<std::uint64_t, 256> first_of{};
    std::array<std::uint64_t, 256> second_of{};
    std::size_t shortest_name = 0;  // bytes of the shortest name that is not empty
    // The columns whose names a value from `take_record` can hold, which is
    // none with a byte that cleaning drops from every value, and per column the shortest of
    // those names from that column on.
    std::uint64_t value_names = 0;
    std::array<std::size_t, PLAN_COLUMNS + 1> shortest_value_name{};
    std::vector<line_plan> lines;
    std::string built;  // the filled line, swapped into place
    card_plan card;
    std::array<std::uint32_t, PLAN_COLUMNS> facts{};  // per column, what `fill_card` found in its value
};

// Readies `plans` for `columns`, dropping any plans made for other columns.
void prepare_plans(fill_plans& plans, const std::vector<column_spec>& columns);

// Fills `line`, line number `index` of a template, exactly as `fill_line`
// fills it with the columns of `plans` and `values`. Where a plan of that line,
// made for the same bytes, serves (no value forms, hides or breaks a name, or
// gives a word digit), it fills from the plan and returns true; otherwise it
// calls `fill_line` and returns false. A line over PLAN_LINE_MAX bytes, or
// numbered PLANNED_LINES or beyond, always goes to `fill_line`.
bool fill_planned(std::string& line, std::size_t index, const record_values& values, fill_plans& plans,
                  fill_buffers& buffers);

// Works out the card plan of the template whose lines, as `read_line` gives
// them, are `lines`, renewing the line plans it is made of. With no lines the
// card is its closing line end alone. A line with no usable plan (see
// `fill_planned`) leaves the card plan unusable.
void plan_card(fill_plans& plans, const std::vector<std::string>& lines);

// Sets `card` to the whole card for `values`, as written out: what filling
// each line of the planned template with `fill_line`, then writing the lines
// and the closing line end with `write_text`, would write. `values` must be
// as `take_record` makes them. Returns false, with `card` untouched, when the
// card plan is unusable or some value could form, hide or break a name or give
// a word digit; the caller then fills line by line. `card` stays valid until
// the next call.
bool fill_card(const record_values& values, fill_plans& plans, std::string_view& card);

}  // namespace rowcard
