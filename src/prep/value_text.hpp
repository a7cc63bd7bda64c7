// Inside rowcard-prep's reading of values: the small byte tests and the
// front-to-back reader that the shapes of values and the dates share.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard::values {

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// True for an ASCII letter, or a code page 1250 letter that rowcard folds.
inline bool is_letter(char c) {
    const char folded = clean_byte(static_cast<unsigned char>(c));
    return (folded >= 'a' && folded <= 'z') || (folded >= 'A' && folded <= 'Z');
}

inline bool is_ascii_alnum(char c) { return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Returns `c` folded to a small ASCII letter where it is a letter, else itself.
inline char small(char c) {
    const auto b = static_cast<unsigned char>(c);
    return lower_byte(b >= 0x80 ? clean_byte(b) : c);
}

// True when `text`, letters folded to small ones, is one of `words`; empty text is none.
template <std::size_t N>
bool one_of(std::string_view text, const std::string_view (&words)[N]) {
    return std::any_of(std::begin(words), std::end(words), [text](std::string_view w) {
        return w.size() == text.size() && std::equal(w.begin(), w.end(), text.begin(), [](char a, char b) {
                   return a == small(b);
               });
    });
}

// True when `a` and `b` are the same text in any case of their letters; two empty texts are.
inline bool same_folded(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return small(x) == small(y); });
}

// True when `text` starts with `start` in any case of its letters.
inline bool starts_folded(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
               return a == small(b);
           });
}

// Words for "or" between two numbers or mailboxes of one cell ('0171 1234567 oder 030 1234567'), in the
// languages of the exports.
inline constexpr std::string_view OR_WORDS[] = {"or", "oder", "nebo", "alebo", "lub", "albo", "vagy", "ali", "ili",
                                                "sau", "ou", "o", "eller", "of", "tai"};

// Returns the length of " or " (in any of OR_WORDS, any case) at the start of `rest`; 0 where none is.
inline std::size_t or_word_at(std::string_view rest) {
    for (const std::string_view w : OR_WORDS) {
        if (rest.size() > w.size() + 1 && rest[0] == ' ' && rest[w.size() + 1] == ' ' && starts_folded(rest.substr(1), w)) {
            return w.size() + 2;
        }
    }
    return 0;
}

// Returns the mailbox a value names: the address inside "Name <addr>" or
// "<addr>", the one after "mailto:", else the value as it is.
inline std::string_view mailbox(std::string_view v) {
    if (const std::size_t open = v.rfind('<'); open != std::string_view::npos && v.ends_with('>')) {
        v = v.substr(open + 1, v.size() - open - 2);
    }
    constexpr std::string_view SCHEME = "mailto:";
    if (starts_folded(v, SCHEME)) v.remove_prefix(SCHEME.size());
    return v;
}

inline bool all_digits(std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), is_digit); }

// Returns the number the digits `s` (at most nine) spell.
inline int number(std::string_view s) {
    int n = 0;
    for (const char c : s) n = n * 10 + (c - '0');
    return n;
}

// A place in a value, read from the front.
struct cursor {
    std::string_view s;
    std::size_t at = 0;
};

inline bool at_end(const cursor& c) { return c.at >= c.s.size(); }

// Moves past `ch` and returns true when it is next.
inline bool take(cursor& c, char ch) {
    if (at_end(c) || c.s[c.at] != ch) return false;
    ++c.at;
    return true;
}

// Returns the digits next at the cursor, moved past them; empty when none.
inline std::string_view take_digits(cursor& c) {
    const std::size_t from = c.at;
    while (!at_end(c) && is_digit(c.s[c.at])) ++c.at;
    return c.s.substr(from, c.at - from);
}

}  // namespace rowcard::values
