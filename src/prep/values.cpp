// Cleaning one value of an export into the bytes rowcard keeps or folds, and
// counting what the cleaning changed.
#include "prep/decode.hpp"
#include "prep/latin.hpp"
#include "prep/layouts.hpp"
#include "prep/value_text.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// The ordinal indicators of Spanish, Portuguese and Italian addresses ('3.º Esq.', '6ª'),
// spelled as their letters, as Unicode's compatibility decomposition spells them.
constexpr char32_t ORDINAL_A = 0x00AA;
constexpr char32_t ORDINAL_O = 0x00BA;

// Which kinds of change one value underwent.
struct value_marks {
    bool spaces = false;
    bool base_letters = false;
    bool latin = false;
    bool dropped = false;
};

// Returns the text a spreadsheet's formula of text gives ('="0737 550 129"',
// written so that the leading zero stays), or a number after its text mark
// ("'60200"), noting it; any other value ("'t Hart") as it is.
std::string_view formula_text(std::string_view raw, std::size_t line, export_changes& changes) {
    const std::string_view t = trimmed(raw);
    if (t.size() > 1 && t.front() == '\'' && (values::is_digit(t[1]) || t[1] == '+')) {
        note(changes.formulas, line);
        return t.substr(1);
    }
    if (t.size() < 3 || !t.starts_with("=\"") || !t.ends_with('"') || t.substr(2, t.size() - 3).find('"') != std::string_view::npos) {
        return raw;
    }
    note(changes.formulas, line);
    return t.substr(2, t.size() - 3);
}

// Appends the Latin letter `c` of a transliteration to `out` as rowcard keeps
// it: folded where it does, else as its base letter ('ć' "c"), as when the
// export has it; a letter with neither adds nothing.
void append_latin(char32_t c, const folded_chart& chart, std::string& out) {
    if (c < 0x80) out.push_back(static_cast<char>(c));
    else if (c < FOLDED_BELOW && chart.byte[c] != 0) out.push_back(static_cast<char>(chart.byte[c]));
    else if (const char* plain = plain_spelling(c)) out.append(plain);
}

}  // namespace

// Builds the chart from rowcard's own cleaning: a byte from 0x80 up that
// cleaning keeps is one that it folds.
folded_chart make_folded_chart() {
    folded_chart chart;
    for (unsigned b = 0x80; b < 0x100; ++b) {
        const char32_t c = cp1250_char(static_cast<unsigned char>(b));
        if (clean_byte(static_cast<unsigned char>(b)) != '\0' && c < FOLDED_BELOW) {
            chart.byte[c] = static_cast<unsigned char>(b);
        }
    }
    return chart;
}

void clean_value(std::string_view raw, std::size_t line, const folded_chart& chart,
                 std::string& out, export_changes& changes) {
    for (std::size_t at = raw.find(LIST_MARK); at != std::string_view::npos; at = raw.find(LIST_MARK, at + 1)) {
        note(changes.list_items, line);
    }
    raw = formula_text(raw, line, changes);
    const std::size_t start = out.size();
    value_marks marks;
    for (std::size_t at = 0; at < raw.size();) {
        const auto b = static_cast<unsigned char>(raw[at]);
        if (b >= 0x20 && b < 0x7F) {
            if (b != ' ' || out.size() > start) out.push_back(static_cast<char>(b));
            ++at;
            continue;
        }
        if (b < 0x80) {
            ++at;
            if (b == '\n' || b == '\r' || b == '\t') {
                marks.spaces = true;
                if (b == '\r' && at < raw.size() && raw[at] == '\n') continue;
            } else {
                marks.dropped = true;
                continue;
            }
            if (out.size() > start) out.push_back(' ');
            continue;
        }
        char32_t c = 0;
        const std::size_t length = utf8_sequence(raw, at, c);
        at += length == 0 ? 1 : length;
        if (length == 0 || c == REPLACEMENT_CHAR) continue;  // counted as invalid when decoded
        if (c < FOLDED_BELOW && chart.byte[c] != 0) {
            out.push_back(static_cast<char>(chart.byte[c]));
        } else if (c == ORDINAL_A || c == ORDINAL_O) {
            marks.base_letters = true;
            out.push_back(c == ORDINAL_A ? 'a' : 'o');
        } else if (const char32_t* latin = latin_spelling(c)) {
            marks.latin = true;
            for (; *latin != U'\0'; ++latin) append_latin(*latin, chart, out);
        } else if (const char* plain = plain_spelling(c)) {
            if (plain[0] == ' ') {
                marks.spaces = true;
                if (out.size() > start) out.push_back(' ');
            } else {
                marks.base_letters = true;
                out.append(plain);
            }
        } else {
            marks.dropped = true;
        }
    }
    while (out.size() > start && out.back() == ' ') out.pop_back();
    // A device that writes every value in square brackets ("[jan@firma.cz]", "[]") means the value inside.
    const std::string_view whole = std::string_view(out).substr(start);
    if (whole.size() >= 2 && whole.front() == '[' && whole.back() == ']' && whole.find_first_of("[]", 1) == whole.size() - 1) {
        out.pop_back();
        out.erase(start, 1);
    }
    if (marks.spaces) note(changes.spaces, line);
    if (marks.base_letters) note(changes.base_letters, line);
    if (marks.latin) note(changes.latin_letters, line);
    if (marks.dropped) note(changes.dropped, line);
}

bool space_joiners(std::string& out, std::size_t start) {
    // rowcard looks for the '@' within the bytes it keeps of a value.
    const std::string_view value = std::string_view(out).substr(start, VALUE_LEN);
    if (value.find('@') != std::string_view::npos) return false;
    bool changed = false;
    for (std::size_t at = start + 1; at + 1 < out.size(); ++at) {
        const auto b = static_cast<unsigned char>(out[at]);
        if (b < 0x80 && !kept_in_value(b) && out[at - 1] != ' ' && out[at + 1] != ' ') {
            out[at] = ' ';
            changed = true;
        }
    }
    return changed;
}

}  // namespace rowcard
