// Template filling: finds each column's name in the line, case-insensitively,
// and splices in the whole value or one of its words.
#include "template/template.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "text/text.hpp"
#include "text/text_file.hpp"
#include "text/words.hpp"

namespace rowcard {
namespace {

// Every byte's `upper_byte`, looked up: filling upper-cases each byte it searches.
constexpr std::array<unsigned char, 256> make_upper_table() {
    std::array<unsigned char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        table[b] = static_cast<unsigned char>(upper_byte(static_cast<char>(b)));
    }
    return table;
}
constexpr std::array<unsigned char, 256> UPPER = make_upper_table();

// A rough record of the bytes a line holds: bit (u & 63) for each upper-cased
// byte u. It may hold more than the line (bytes share bits, and replaced text
// stays in it) but never less, so a name with a byte missing from it is truly
// absent from the line and need not be searched for.
using byte_marks = std::uint64_t;

// Returns `c` lower-cased if it is an ASCII letter, else `c` itself.
constexpr char lower_byte(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Returns the mark of one byte, its letter case ignored.
byte_marks mark_of(char c) { return byte_marks{1} << (UPPER[static_cast<unsigned char>(c)] & 63); }

// Returns the marks of every byte of `text`.
byte_marks marks_of(std::string_view text) {
    // Two bytes a turn into two sums, which the processor can work on at once.
    byte_marks even = 0;
    byte_marks odd = 0;
    std::size_t i = 0;
    for (; i + 1 < text.size(); i += 2) {
        even |= mark_of(text[i]);
        odd |= mark_of(text[i + 1]);
    }
    if (i < text.size()) even |= mark_of(text[i]);
    return even | odd;
}

// True unless `marks` show that the upper-case `name` cannot occur: its first
// and last bytes are checked, which rules out most names at once (a third
// byte costs more than the searches it spares). An empty name passes, and is
// then not found by `find_upper`.
bool may_hold(byte_marks marks, std::string_view name) {
    if (name.empty()) return true;
    const byte_marks needed = mark_of(name.front()) | mark_of(name.back());
    return (needed & ~marks) == 0;
}

// True when the upper-case `name` starts at `at` in `line` read as upper case.
bool matches_at(std::string_view line, std::size_t at, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (UPPER[static_cast<unsigned char>(line[at + i])] != static_cast<unsigned char>(name[i])) return false;
    }
    return true;
}

// Returns the index of the first occurrence of the upper-case `name` in `line`
// at or after `from`, reading the line as upper case (what `find_text` gives on
// an upper-cased copy), or NOT_FOUND; an empty name is never found.
std::ptrdiff_t find_upper(std::string_view line, std::string_view name, std::size_t from) {
    if (name.empty() || name.size() > line.size()) return NOT_FOUND;
    const auto first = static_cast<unsigned char>(name.front());
    const auto lower = static_cast<unsigned char>(first >= 'A' && first <= 'Z' ? first - 'A' + 'a' : first);
    const std::size_t last_start = line.size() - name.size();
    std::size_t at = from;
    while (at <= last_start) {
        if (line.size() - at >= WORD_BYTES) {
            const byte_word word = load_word(line.data() + at);
            const byte_word hits = bytes_equal(word, first) | bytes_equal(word, lower);
            if (hits == 0) {
                at += WORD_BYTES;
                continue;
            }
            at += first_marked(hits);
            if (at > last_start) break;
        }
        if (matches_at(line, at, name)) return static_cast<std::ptrdiff_t>(at);
        ++at;
    }
    return NOT_FOUND;
}

// Returns the word number (1-9) that the byte before a name selects, or 0.
std::size_t word_number(char before) {
    return before >= '1' && before <= '9' ? static_cast<std::size_t>(before - '0') : 0;
}

// One placeholder found in a line: the bytes it spans and what takes its place.
struct placeholder {
    std::size_t start;       // where the span begins: the word digit, if any
    std::size_t end;         // just past the name
    std::string_view fill;   // the whole value, or the word the digit selects
    bool word;               // a word placeholder: the column's search goes on
};

// Finds the first placeholder of column `name` in `line` at or after `from`;
// the byte before `from` may still be its word digit. Returns false when the
// name is not there, as it never is when empty. Callers ask `may_hold` first,
// which rules out most columns before any search.
inline bool find_placeholder(std::string_view line, std::size_t from, std::string_view name,
                             std::string_view value, placeholder& found) {
    const std::ptrdiff_t at = find_upper(line, name, from);
    if (at == NOT_FOUND) return false;
    const auto name_at = static_cast<std::size_t>(at);
    const std::size_t word = name_at > 0 ? word_number(line[name_at - 1]) : 0;
    found.word = word != 0;
    found.start = found.word ? name_at - 1 : name_at;
    found.end = name_at + name.size();
    found.fill = found.word ? field_at(value, ' ', word - 1) : value;
    return true;
}

// Returns where the search for a column goes on after a word was put in at
// `start`: no match began before it, so a new one can only begin within the
// name's length before the word (the byte before that may be its digit).
std::size_t resume_at(std::size_t start, std::string_view name) {
    return start + 1 > name.size() ? start + 1 - name.size() : 0;
}

// Word fills of one column made in place, each moving the rest of the line:
// real templates need a few; more means a word that recreates its placeholder.
constexpr std::size_t IN_PLACE_FILLS = 16;

// For a runaway column the line is split in two: `settled`, which the search
// has passed for good, and the rest, which lies in `text` from `front` on, with
// free room before it. Every splice happens at the front of the rest, so it
// costs the bytes it writes, not the length of the line that follows.
struct split_line {
    std::string& text;
    std::size_t front;
    std::string& settled;
};

// Puts `piece` just before the front of the rest. When the room runs out it is
// grown to the size of the rest, so a run of splices regrows it rarely.
void put_front(split_line& line, std::string_view piece) {
    if (line.front < piece.size()) {
        const std::size_t grow = piece.size() + (line.text.size() - line.front);
        line.text.insert(0, grow, '\0');
        line.front += grow;
    }
    line.front -= piece.size();
    line.text.replace(line.front, piece.size(), piece);
}

// Moves the last `count` settled bytes back to the front of the rest.
void unsettle(split_line& line, std::size_t count) {
    put_front(line, std::string_view(line.settled).substr(line.settled.size() - count));
    line.settled.resize(line.settled.size() - count);
}

// Goes on with a column after IN_PLACE_FILLS word fills, for at most `fills`
// more, searching `text` from `from`: as `fill_column`, but each splice costs
// only what it writes. The line is whole again on return. Returns true when the
// bound stopped a word fill.
bool fill_runaway(std::string& text, std::size_t from, std::string_view name, std::string_view value,
                  std::size_t fills, byte_marks& present, std::string& settled) {
    // The byte before `from` stays in the rest: it may be a match's word digit.
    const std::size_t front = from > 0 ? from - 1 : 0;
    settled.assign(text, 0, front);
    split_line line{text, front, settled};
    placeholder found{};
    bool bounded = false;
    for (;;) {
        const std::string_view rest = std::string_view(text).substr(line.front);
        if (!may_hold(present, name) || !find_placeholder(rest, 0, name, value, found)) break;
        if (found.word && fills == 0) {
            bounded = true;
            break;
        }
        settled.append(text, line.front, found.start);
        line.front += found.end;
        put_front(line, found.fill);
        present |= marks_of(found.fill);
        if (!found.word) break;
        --fills;
        // Back into the rest goes what `resume_at` says may hold a new match,
        // and the byte before it.
        unsettle(line, std::min(name.size(), settled.size()));
    }
    text.replace(0, line.front, settled);
    return bounded;
}

// Fills the placeholders of one column in `line`, searching from its start:
// word placeholders until the first plain occurrence, which takes the whole
// value. A word may recreate its own placeholder ('1name' for '1NAME'), so
// after LINE_LEN word fills the next word placeholder ends the turn unfilled; a
// plain one found first is still filled. Adds what it writes to `present`.
// Returns true when the bound ended the turn.
bool fill_column(std::string& line, std::string_view name, std::string_view value, byte_marks& present,
                 fill_buffers& buffers) {
    std::size_t from = 0;
    placeholder found{};
    for (std::size_t word_fills = 0;; ++word_fills) {
        if (word_fills == IN_PLACE_FILLS) {
            return fill_runaway(line, from, name, value, LINE_LEN - word_fills, present, buffers.settled);
        }
        if (!may_hold(present, name) || !find_placeholder(line, from, name, value, found)) return false;
        line.replace(found.start, found.end - found.start, found.fill);
        present |= marks_of(found.fill);
        if (!found.word) return false;
        from = resume_at(found.start, name);
    }
}

}  // namespace

void fill_line(std::string& line, const std::vector<column_spec>& columns, const record_values& values,
               fill_buffers& buffers) {
    buffers.bounded = false;
    if (columns.empty()) return;
    byte_marks present = marks_of(line);
    const std::size_t with_values = std::min(columns.size(), values.size());
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view value = p < with_values ? std::string_view(values[p]) : std::string_view();
        buffers.bounded |= fill_column(line, columns[p].name, value, present, buffers);
    }
}

void find_names(std::string_view line, const std::vector<column_spec>& columns, std::vector<name_at>& found) {
    found.clear();
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view name = columns[p].name;
        for (std::ptrdiff_t at = find_upper(line, name, 0); at != NOT_FOUND;
             at = find_upper(line, name, static_cast<std::size_t>(at) + 1)) {
            const auto start = static_cast<std::size_t>(at);
            found.push_back({p, start, start > 0 ? word_number(line[start - 1]) : 0});
        }
    }
}


// ---- Plans: the filling of a template line worked out once per run ----
//
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

// Returns the columns from `first` on, as a mask; none when `first` is past them.
std::uint64_t columns_from(std::size_t first) { return first >= PLAN_COLUMNS ? 0 : ~std::uint64_t{0} << first; }

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

// True when the name of some column of `searched` lies inside `text`, none
// of whose names is shorter than `shortest`. Empty text holds no name. Most
// bytes start no name: two at a time are ruled out with one test, and a name
// is compared only where the text's bytes may be its first two (past the
// text's end any byte may follow).
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

// True when `fill`, put in for column `column` (a word of it when `word`),
// behaves like the plan's marker in the place of `piece`.
bool behaves_as_marker(std::string_view fill, const plan_piece& piece, const fill_plans& plans) {
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

// Copies `count` bytes from `from` to `to` and returns the end of the copy.
// Values are short: up to 16 bytes go as two overlapping moves.
char* put(char* to, const char* from, std::size_t count) {
    if (count >= 8 && count <= 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + count - 8, from + count - 8, 8);
    } else if (count >= 4 && count < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + count - 4, from + count - 4, 4);
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
    buffers.bounded = false;
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
