// The words of a header: split at signs, between digits and letters, at the
// humps of camelCase, and runs of letters the vocabulary knows taken apart.
#include <algorithm>
#include <array>
#include <vector>

#include "prep/value_text.hpp"
#include "prep/vocabulary.hpp"
#include "prep/vocabulary_table.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Runs of letters shorter than this are no words run together ('ID', 'PK'
// stay whole); longer than the second, no header writes them, and the search
// for their words grows with their length.
constexpr std::size_t SHORTEST_RUN = 4;
constexpr std::size_t LONGEST_RUN = 40;
// A word found inside a run is at least this long ('OF', 'DO', 'ID').
constexpr std::size_t SHORTEST_PART = 2;
using word_list = std::vector<std::string_view>;

// Returns every word of the vocabulary's phrases, sorted, once each.
word_list sorted_words() {
    word_list out;
    for (const phrase_meaning& p : header_phrases()) {
        for (std::string_view rest = p.words; !rest.empty();) {
            const std::size_t space = rest.find(' ');
            out.push_back(rest.substr(0, space));
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        }
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

// Appends to `parts` words of `known` (sorted) that make up all of `run` from
// `from` on, longest first; returns false, and leaves `parts` as it was, when
// none do. `dead` marks the places found not to start such words, so that no
// place is searched twice. The end of the run is true.
bool split_run(std::string_view run, std::size_t from, const word_list& known, word_list& parts,
               std::array<bool, LONGEST_RUN>& dead) {
    if (from == run.size()) return true;
    if (dead[from]) return false;
    for (std::size_t size = run.size() - from; size >= SHORTEST_PART; --size) {
        if (!std::binary_search(known.begin(), known.end(), run.substr(from, size))) continue;
        parts.push_back(run.substr(from, size));
        if (split_run(run, from + size, known, parts, dead)) return true;
        parts.pop_back();
    }
    dead[from] = true;
    return false;
}

// Appends the word `word` to `out`, upper-cased, after a space when `out`
// holds some: as the known words it is made of, when it is an unknown run of
// them. `known` is the vocabulary's words, made here when first needed.
// Empty input appends nothing; `word` is emptied.
void end_word(std::string& word, std::string& out, word_list& known) {
    if (word.empty()) return;
    upper_in_place(word);
    word_list parts;
    std::array<bool, LONGEST_RUN> dead{};
    const bool letters = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    const bool run = letters && word.size() >= SHORTEST_RUN && word.size() <= LONGEST_RUN;
    if (run && known.empty()) known = sorted_words();
    const bool unknown = run && !std::binary_search(known.begin(), known.end(), std::string_view(word));
    if (!unknown || !split_run(word, 0, known, parts, dead)) parts = {word};
    for (const std::string_view part : parts) {
        if (!out.empty()) out.push_back(' ');
        out.append(part);
    }
    word.clear();
}

// Returns the byte `c` of a cleaned header as an ASCII letter, digit or sign:
// a letter rowcard folds as its plain letter, in its case.
char folded(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 ? clean_byte(b) : c;
}

// True when the folded byte `c` is an upper-case or a lower-case letter.
bool upper(char c) { return c >= 'A' && c <= 'Z'; }
bool lower(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

// The least field length an export writes in brackets after a name ('Hausnummer (5)'): below it, an item's number.
constexpr int FIELD_LENGTH_LEAST = 4;
// Digits of a field's length read at most; a longer run is as long.
constexpr std::size_t LENGTH_DIGITS = 4;

std::string split_header(std::string_view cleaned) {
    std::string out;
    std::string word;
    word_list known;
    // A type's letter before the name, as a programmer's table writes them
    // ('cVorname', 'dGeburtstag', 'fRabatt'), says nothing of the column.
    const bool typed = cleaned.size() > 2 && lower(folded(cleaned[0])) && upper(folded(cleaned[1])) && lower(folded(cleaned[2]));
    for (std::size_t k = typed ? 1 : 0; k < cleaned.size(); ++k) {
        // A field's length in brackets ('Strasse (27)') says nothing of the column, and numbers no item;
        // a small number ('Telefon (2)') is the item's.
        if (const std::size_t close = cleaned.find_first_not_of("0123456789", k + 1);
            cleaned[k] == '(' && close != std::string_view::npos && cleaned[close] == ')' &&
            values::number(cleaned.substr(k + 1, std::min(close - k - 1, LENGTH_DIGITS))) >= FIELD_LENGTH_LEAST) {
            end_word(word, out, known);
            k = close;
            continue;
        }
        const char c = folded(cleaned[k]);
        const char next = k + 1 < cleaned.size() ? folded(cleaned[k + 1]) : '\0';
        if (!upper(c) && !lower(c) && !values::is_digit(c)) {
            end_word(word, out, known);
            continue;
        }
        const char before = word.empty() ? '\0' : word.back();
        const bool hump = (lower(before) && upper(c)) || (upper(before) && upper(c) && lower(next));
        if (hump || values::is_digit(before) != values::is_digit(c)) end_word(word, out, known);
        word.push_back(c);
    }
    end_word(word, out, known);
    return out;
}

std::vector<std::string_view> split_words(std::string_view key) {
    std::vector<std::string_view> out;
    while (!key.empty()) {
        const std::size_t space = key.find(' ');
        out.push_back(key.substr(0, space));
        key = space == std::string_view::npos ? std::string_view() : key.substr(space + 1);
    }
    return out;
}

bool known_word(std::string_view word) {
    static const word_list known = sorted_words();
    return std::binary_search(known.begin(), known.end(), word);
}

}  // namespace rowcard
