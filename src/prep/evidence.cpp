// What an export's values look like: the rule of each shape, several items in
// one cell, and a column's values counted.
#include "prep/evidence.hpp"

#include <algorithm>
#include <string>

#include "prep/numbers.hpp"
#include "prep/postal.hpp"
#include "prep/layouts.hpp"
#include "prep/value_text.hpp"
#include "prep/reading.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

using namespace values;

// A value of at most this many digits alone is a count: 4 to 6 are postal codes.
constexpr std::size_t COUNT_MAX_DIGITS = 3;
// Four digits alone in these years are a year: no AT, HU or SI postal code lies there (2000 is Maribor's).
constexpr int YEAR_ALONE_FIRST = 1900;
constexpr int YEAR_ALONE_LAST = 1999;
// A phone's digits: fewer are a postal code, a year or a count; more than
// E.164's fifteen are an id.
constexpr std::size_t PHONE_MIN_DIGITS = 6;
constexpr std::size_t PHONE_MAX_DIGITS = 15;
// Digits after a phone's '/' at least: "1511/23" is a house number.
constexpr std::size_t PHONE_MIN_AFTER_SLASH = 4;
// Digits of a register's number before its year ("112/2021") at most.
constexpr std::size_t YEAR_NUMBER_DIGITS = 4;
// Digits of a phone's extension ("kl. 25") at most.
constexpr std::size_t EXTENSION_MAX_DIGITS = 6;
// A mixed code of letters and digits this long at least is an id; "2B" or "O2" is no record's key.
constexpr std::size_t ID_MIN_LENGTH = 5;
// Hex digits that alone make an id, a GUID's 32 among them: shorter runs may be words or numbers.
constexpr std::size_t HEX_ID_MIN_DIGITS = 16;
// Words a value of titles holds at most ("Mgr. et Mgr." is three).
constexpr std::size_t HONORIFIC_MAX_WORDS = 4;
// MOST_SHARE is a share of this many.
constexpr std::size_t WHOLE = 100;

// Yes and no as exports and spreadsheets (in their languages) write them, small letters.
constexpr std::string_view YES_WORDS[] = {"yes", "y", "x", "true", "on", "ano", "ja", "igen", "tak", "da", "wahr",
                                          "pravda", "prawda", "igaz"};
constexpr std::string_view NO_WORDS[] = {"no", "n", "false", "off", "ne", "nein", "nem", "nie", "nu", "falsch",
                                         "nepravda", "falsz", "hamis"};
// A record's state as CRMs write it ('Estado': Activo), small letters: a flag's kind of value, no region's.
constexpr std::string_view STATUS_WORDS[] = {"active", "inactive", "activo", "inactivo", "ativo", "inativo", "attivo",
                                             "inattivo", "actif", "inactif", "aktiv", "inaktiv", "aktivni", "neaktivni",
                                             "pending", "pendiente", "blocked", "bloqueado"};
// Words that open a phone's extension ("+420 221 123 456 kl. 25"), small letters.
constexpr std::string_view EXTENSION_WORDS[] = {"ext", "x", "kl", "klapka", "linka", "wew", "dw", "durchwahl",
                                                "mellek", "int"};

// Returns `v` without an extension at its end ("kl. 25", "ext 12"); `v` itself without one.
std::string_view without_extension(std::string_view v) {
    std::size_t digits = v.size();
    while (digits > 0 && is_digit(v[digits - 1])) --digits;
    if (digits == v.size() || v.size() - digits > EXTENSION_MAX_DIGITS) return v;
    std::size_t word_end = digits;
    while (word_end > 0 && v[word_end - 1] == ' ') --word_end;
    if (word_end > 0 && v[word_end - 1] == '.') --word_end;
    std::size_t word = word_end;
    while (word > 0 && is_letter(v[word - 1])) --word;
    if (word == 0 || v[word - 1] != ' ' || !one_of(v.substr(word, word_end - word), EXTENSION_WORDS)) return v;
    return trimmed(v.substr(0, word));
}

// True for a phone number: 6 to 15 digits among spaces and + ( ) - / ., the '+'
// first ("+420 777 123 456", "(0)221 123 45-6", "0221/1234567"), maybe an extension after it.
bool is_phone(std::string_view value) {
    const std::string_view v = without_extension(value);
    if (v.empty() || !is_digit(v.back())) return false;
    std::size_t digits = 0;
    for (std::size_t k = 0; k < v.size(); ++k) {
        const char c = v[k];
        if (is_digit(c)) {
            ++digits;
        } else if (c == '+') {
            if (k != 0 && !(k == 1 && v[0] == '(')) return false;
        } else if (c != ' ' && c != '(' && c != ')' && c != '-' && c != '/' && c != '.') {
            return false;
        }
    }
    if (digits < PHONE_MIN_DIGITS || digits > PHONE_MAX_DIGITS) return false;
    const std::size_t slash = v.rfind('/');
    if (slash == std::string_view::npos) return true;
    const std::string_view after = v.substr(slash + 1);
    // A register's number of its year ("112/2021") is no phone: a few digits, then a year alone.
    const bool of_a_year = slash <= YEAR_NUMBER_DIGITS && all_digits(v.substr(0, slash)) && after.size() == 4 &&
                           all_digits(after) && (after.starts_with("19") || after.starts_with("20"));
    return !of_a_year && static_cast<std::size_t>(std::count_if(after.begin(), after.end(), is_digit)) >= PHONE_MIN_AFTER_SLASH;
}

// True for one e-mail address alone: one '@' with something before it, a
// domain of dotted names after it ending in two letters or more, no space.
bool is_email(std::string_view value) {
    const std::string_view v = mailbox(value);  // "Jan Novák <jan@x.cz>", "mailto:jan@x.cz"
    const std::size_t at = v.find('@');
    if (at == 0 || at == std::string_view::npos || v.find('@', at + 1) != std::string_view::npos) return false;
    if (v.find_first_of(" ,;<>()[]\"") != std::string_view::npos) return false;
    const std::string_view domain = v.substr(at + 1);
    const std::size_t dot = domain.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || domain.find("..") != std::string_view::npos) return false;
    const std::string_view top = domain.substr(dot + 1);
    return top.size() >= 2 && std::all_of(top.begin(), top.end(), [](char c) { return is_letter(c); });
}

// True for a web address: "http://" or "https://" or "www." and more, or a
// bare host of dotted names ending in small letters ("firma.cz/kontakt"); never a space or '@'.
bool is_url(std::string_view v) {
    if (v.find_first_of(" @") != std::string_view::npos) return false;
    for (const std::string_view start : {"http://", "https://", "www."}) {
        if (starts_folded(v, start)) return v.size() > start.size();
    }
    const std::string_view host = v.substr(0, v.find('/'));
    const std::size_t dot = host.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || host.find("..") != std::string_view::npos) return false;
    const std::string_view top = host.substr(dot + 1);
    const auto in_host = [](char c) { return is_ascii_alnum(c) || c == '-' || c == '.'; };
    return top.size() >= 2 && std::all_of(top.begin(), top.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
           std::all_of(host.begin(), host.end(), in_host);
}

// True for a record's key: a GUID or a long run of hex digits, or a code of
// letters and digits both ("003A000001XyZ", "C-10023", "people/c12345"); no space.
bool is_id(std::string_view v) {
    std::string_view bare = v;
    if (bare.size() > 2 && bare.front() == '{' && bare.back() == '}') bare = bare.substr(1, bare.size() - 2);
    const auto hex = [](char c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); };
    if (std::all_of(bare.begin(), bare.end(), [hex](char c) { return hex(c) || c == '-'; }) &&
        static_cast<std::size_t>(std::count_if(bare.begin(), bare.end(), hex)) >= HEX_ID_MIN_DIGITS) {
        return true;
    }
    const auto in_code = [](char c) { return is_ascii_alnum(c) || c == '-' || c == '_' || c == '/' || c == '.' || c == ':'; };
    return v.size() >= ID_MIN_LENGTH && std::all_of(v.begin(), v.end(), in_code) &&
           std::any_of(v.begin(), v.end(), is_digit) &&
           std::any_of(v.begin(), v.end(), [](char c) { return is_letter(c); });
}

// True for titles alone, before a name ("Ing.", "Mgr. et Mgr.", "Frau", "pan")
// or after one ("Ph.D."): the one table of titles is the name splitter's.
bool is_honorific(std::string_view v) {
    if (!std::all_of(v.begin(), v.end(), [](char c) { return is_letter(c) || c == '.' || c == ' ' || c == '-'; }) ||
        static_cast<std::size_t>(std::count(v.begin(), v.end(), ' ')) >= HONORIFIC_MAX_WORDS) {
        return false;
    }
    // The splitter keeps a name's last word: with titles alone before "x", or
    // after it, nothing is left for a family name.
    return split_full_name(std::string(v) + " x", false).family.empty() ||
           split_full_name("x " + std::string(v), false).family.empty();
}

// Returns the shape of a value of digits alone.
value_shape digits_shape(std::string_view v) {
    if (v.size() <= COUNT_MAX_DIGITS) return value_shape::count;
    if (v.size() == 4 && number(v) >= YEAR_ALONE_FIRST && number(v) <= YEAR_ALONE_LAST) return value_shape::date;
    if (v.size() <= POSTAL_MAX_DIGITS) return value_shape::postal_code;
    return v.size() <= PHONE_MAX_DIGITS ? value_shape::phone : value_shape::id;
}

// Returns word for one word of letters (maybe with the signs names and towns
// hold: - ' . , & ( ) /), words for several, text for anything else.
value_shape words_shape(std::string_view v) {
    const auto in_word = [](char c) {
        return is_letter(c) || c == '-' || c == '\'' || c == '.' || c == ',' || c == '&' || c == '(' || c == ')' || c == '/';
    };
    if (!std::all_of(v.begin(), v.end(), [in_word](char c) { return in_word(c) || c == ' '; }) ||
        !std::any_of(v.begin(), v.end(), [](char c) { return is_letter(c); })) {
        return value_shape::text;
    }
    return v.find(' ') == std::string_view::npos ? value_shape::word : value_shape::words;
}

// Returns the length of the item separator at `at` of `v`, or 0 when none starts there.
std::size_t separator_at(std::string_view v, std::size_t at) {
    const std::string_view rest = v.substr(at);
    if (rest.starts_with(LIST_MARK)) return LIST_MARK.size();
    if (rest.starts_with(" / ")) return 3;
    if (const std::size_t word = or_word_at(rest); word > 0) return word;  // '... nebo +420 777 ...'
    return rest.front() == ',' || rest.front() == ';' ? 1 : 0;
}

}  // namespace

bool says_yes(std::string_view value) { return trimmed(value) == "1" || one_of(trimmed(value), YES_WORDS); }

value_shape shape_of(std::string_view value) {
    const std::string_view v = trimmed(value);
    if (v.empty()) return value_shape::empty;
    if (is_email(v)) return value_shape::email;
    if (is_url(v)) return value_shape::url;
    if (all_digits(v)) return digits_shape(v);
    if (is_signed_or_decimal(v)) return value_shape::count;
    if (is_exponent_number(v)) return value_shape::exponent_number;
    if (is_ip_address(v)) return value_shape::id;
    if (const value_shape date = date_reading(v); date != value_shape::empty) return date;
    if (is_postal_code(v)) return value_shape::postal_code;
    // Two phones set apart by " / " make a list, which is text.
    if (is_phone(v)) return split_items(v, value_shape::phone).empty() ? value_shape::phone : value_shape::text;
    // 'ON' in capitals is Ontario's code, where 'NO', 'NE' or 'JA' in capitals are flags as often as codes.
    if (v != "ON" && (one_of(v, YES_WORDS) || one_of(v, NO_WORDS) || one_of(v, STATUS_WORDS))) return value_shape::flag;
    if (is_id(v)) return value_shape::id;
    std::string_view code, town;
    if (split_postal_city(v, code, town)) return value_shape::postal_city;
    if (is_honorific(v)) return value_shape::honorific;
    return words_shape(v);
}

std::vector<std::string_view> split_items(std::string_view value, value_shape item) {
    std::vector<std::string_view> items;
    if (item != value_shape::email && item != value_shape::phone) return items;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= value.size();) {
        const std::size_t mark = at == value.size() ? 0 : separator_at(value, at);
        if (mark == 0 && at < value.size()) {
            ++at;
            continue;
        }
        std::string_view piece = trimmed(value.substr(start, at - start));
        // Each item in a spreadsheet's text marks ("'+420377123456';'+420377123457'"), the first one's taken already.
        if (piece.starts_with('\'')) piece.remove_prefix(1);
        if (piece.ends_with('\'')) piece.remove_suffix(1);
        if (!piece.empty()) items.push_back(piece);
        at += std::max<std::size_t>(mark, 1);
        start = at;
    }
    if (items.size() < 2 || !std::all_of(items.begin(), items.end(), [item](std::string_view x) { return shape_of(x) == item; })) {
        items.clear();
    }
    return items;
}

column_evidence weigh_column(const std::vector<std::string_view>& column) {
    column_evidence e;
    std::vector<std::string_view> seen;
    seen.reserve(column.size());
    for (const std::string_view raw : column) {
        const std::string_view v = trimmed(raw);
        const value_shape shape = shape_of(v);
        if (shape == value_shape::empty) continue;
        ++e.filled;
        ++e.shapes[static_cast<std::size_t>(shape)];
        seen.push_back(v);
        e.multi_word += v.find(' ') != std::string_view::npos;
        e.max_length = std::max(e.max_length, v.size());
        if (shape != value_shape::text) continue;
        if (!split_items(v, value_shape::email).empty()) {
            ++e.lists;
            ++e.email_lists;
        } else if (!split_items(v, value_shape::phone).empty()) {
            ++e.lists;
        }
    }
    std::sort(seen.begin(), seen.end());
    e.distinct = static_cast<std::size_t>(std::unique(seen.begin(), seen.end()) - seen.begin());
    return e;
}

namespace {

// The words a letter opens with before the name ("Dear Margaret", "Sehr geehrte Frau Huber", "Vážený pane
// Nováku"), as header_key writes them: a letter's salutation, no title of the name.
constexpr std::string_view LETTER_OPENINGS[] = {
    "DEAR", "DEAREST", "GEACHTE", "BESTE", "LIEBE", "LIEBER", "SEHR", "VAZENY", "VAZENA", "VAZENI", "MILY", "MILA",
    "DRAHY", "DRAHA", "SZANOWNY", "SZANOWNA", "SZANOWNI", "DROGI", "DROGA", "KEDVES", "TISZTELT", "SPOSTOVANI",
    "SPOSTOVANA", "POSTOVANI", "POSTOVANA", "DRAGI", "DRAGA", "STIMATE", "STIMATA", "CHER", "CHERE", "ESTIMADO",
    "ESTIMADA", "QUERIDO", "QUERIDA", "CARO", "CARA", "GENTILE", "EGREGIO", "KAERE", "KARE", "HI", "HELLO", "HALLO"};

}  // namespace

bool mostly_letter_openings(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    std::size_t openings = 0;
    for (const std::string_view v : values) {
        const std::string key = header_key(v);
        const std::string_view first = std::string_view(key).substr(0, key.find(' '));
        openings += std::find(std::begin(LETTER_OPENINGS), std::end(LETTER_OPENINGS), first) != std::end(LETTER_OPENINGS);
    }
    return openings * WHOLE >= evidence.filled * HALF_SHARE && openings > 0;
}

bool mostly(const column_evidence& evidence, std::initializer_list<value_shape> shapes) {
    if (evidence.filled == 0) return false;
    std::array<bool, SHAPE_COUNT> asked{};
    for (const value_shape s : shapes) asked[static_cast<std::size_t>(s)] = true;
    std::size_t matching = 0;
    for (std::size_t s = 0; s < SHAPE_COUNT; ++s) matching += asked[s] ? evidence.shapes[s] : 0;
    if (asked[static_cast<std::size_t>(value_shape::email)]) matching += evidence.email_lists;
    if (asked[static_cast<std::size_t>(value_shape::phone)]) matching += evidence.lists - evidence.email_lists;
    return matching * WHOLE >= evidence.filled * MOST_SHARE;
}

}  // namespace rowcard
