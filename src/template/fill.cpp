// The filling rule: finds each column's name in the line, case-insensitively,
// and splices in the whole value or one of its words.
#include "template/fill.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

#include "template/name_search.hpp"
#include "text/text.hpp"
#include "text/words.hpp"

namespace rowcard {
namespace {

// A rough record of the bytes a line holds: bit (u % MARK_BITS) for each
// upper-cased byte u. It may hold more than the line (bytes share bits, and
// replaced text stays in it) but never less, so a name with a byte missing from
// it is truly absent from the line and need not be searched for.
using byte_marks = std::uint64_t;
// Bits of one `byte_marks`: one word, so that marking and testing take an instruction each.
constexpr unsigned MARK_BITS = 64;
static_assert(MARK_BITS == std::numeric_limits<byte_marks>::digits && std::has_single_bit(MARK_BITS));

// Returns the mark of one byte, its letter case ignored.
byte_marks mark_of(char c) { return byte_marks{1} << (UPPER[static_cast<unsigned char>(c)] & (MARK_BITS - 1)); }

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

std::ptrdiff_t find_upper(std::string_view line, std::string_view name, std::size_t from) {
    if (name.empty() || name.size() > line.size()) return NOT_FOUND;
    const auto first = static_cast<unsigned char>(name.front());
    const auto lower = static_cast<unsigned char>(lower_byte(name.front()));
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

bool fill_line(std::string& line, const std::vector<column_spec>& columns, const record_values& values,
               fill_buffers& buffers) {
    if (columns.empty()) return false;
    byte_marks present = marks_of(line);
    const std::size_t with_values = std::min(columns.size(), values.size());
    bool bounded = false;
    for (std::size_t p = 0; p < columns.size(); ++p) {
        const std::string_view value = p < with_values ? std::string_view(values[p]) : std::string_view();
        bounded |= fill_column(line, columns[p].name, value, present, buffers);
    }
    return bounded;
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
}  // namespace rowcard
