// String primitives on bytes: ASCII upper-casing, search, cutting, trimming and
// field splitting. Bytes from 0x80 up are never touched by a case rule.
#include "text/text.hpp"

#include "text/words.hpp"

namespace rowcard {
namespace {

// Returns the index of the first byte of `s` that is `a` or `b`, or the size
// of `s` when there is none.
std::size_t find_either(std::string_view s, char a, char b) {
    std::size_t at = 0;
    while (s.size() - at >= WORD_BYTES) {
        const byte_word word = load_word(s.data() + at);
        const byte_word hits = bytes_equal(word, static_cast<unsigned char>(a)) |
                               bytes_equal(word, static_cast<unsigned char>(b));
        if (hits != 0) {
            at += first_marked(hits);
            break;
        }
        at += WORD_BYTES;
    }
    while (at < s.size() && s[at] != a && s[at] != b) ++at;
    return at;
}

}  // namespace

void upper_in_place(std::string& s) {
    for (char& c : s) c = upper_byte(c);
}

std::ptrdiff_t find_text(std::string_view text, std::string_view sought, std::size_t start) {
    if (sought.empty() || start > text.size()) return NOT_FOUND;
    const std::size_t at = text.find(sought, start);
    return at == std::string_view::npos ? NOT_FOUND : static_cast<std::ptrdiff_t>(at);
}

std::string_view copy_left(std::string_view s, std::size_t n) { return s.substr(0, n); }

std::string_view copy_from(std::string_view s, std::size_t start, std::size_t n) {
    if (start >= s.size()) return {};
    return s.substr(start, n);
}

std::string_view trim_right(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && (s[end - 1] == ' ' || s[end - 1] == '\n')) --end;
    return s.substr(0, end);
}

std::string_view split_field(std::string_view& rest, char sep) {
    const std::size_t end = find_either(rest, sep, '\n');
    const std::string_view field = rest.substr(0, end);
    if (end < rest.size() && rest[end] == sep) {
        rest.remove_prefix(end + 1);
        return field;
    }
    // A line feed ends the field, but the next field still begins after the next sep.
    const std::size_t next_sep = rest.find(sep, end);
    rest = next_sep == std::string_view::npos ? std::string_view{} : rest.substr(next_sep + 1);
    return field;
}

std::string_view field_at(std::string_view s, char sep, std::size_t k) {
    std::string_view rest = s;
    for (std::size_t i = 0; i < k && !rest.empty(); ++i) split_field(rest, sep);
    return copy_left(split_field(rest, sep), VALUE_LEN);
}

}  // namespace rowcard
