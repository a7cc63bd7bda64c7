// Reading an export: its encoding made UTF-8, its fields split as RFC 4180
// quotes them, and every value cleaned into bytes that rowcard keeps or folds.
#include <array>
#include <cstdint>
#include <cstring>

#include "prep/prep.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Lines of each kind of change that the report names; the count covers the rest.
constexpr std::size_t LINES_NAMED = 5;
// Records looked at to tell the separator: enough for a steady count, little time.
constexpr std::size_t RECORDS_SAMPLED = 20;
// The separators an export is likely to use, in the order ties are settled.
constexpr std::string_view SEPARATOR_CHOICES = ",;\t|";
// Excel's first line naming the separator, 'sep=;'.
constexpr std::string_view SEPARATOR_LINE = "sep=";
// Google's way of putting several values into one field.
constexpr std::string_view LIST_MARK = " ::: ";
// What an invalid sequence becomes in the UTF-8 text: U+FFFD.
constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";
constexpr char32_t REPLACEMENT_CHAR = 0xFFFD;

// Counts one change on `line`, naming the line while few are named.
void note(change_tally& tally, std::size_t line) {
    ++tally.count;
    if (!tally.lines.empty() && tally.lines.back() == line) return;
    if (tally.lines.size() < LINES_NAMED) {
        tally.lines.push_back(line);
    } else {
        tally.more_lines = true;
    }
}

// Appends the UTF-8 form of `c` to `out`.
void put_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Returns the length of the valid UTF-8 sequence at `at`, and its character in
// `c`; 0 when the bytes there are no valid sequence (overlong forms,
// surrogates and characters past U+10FFFF are not). `at` lies inside `text`.
std::size_t utf8_sequence(std::string_view text, std::size_t at, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

// True when `text` is UTF-8 throughout. Plain ASCII runs are passed eight bytes at a time.
bool valid_utf8(std::string_view text) {
    std::size_t at = 0;
    char32_t c = 0;
    while (at < text.size()) {
        if (text.size() - at >= sizeof(byte_word)) {
            byte_word word;
            std::memcpy(&word, text.data() + at, sizeof word);
            if ((word & (EACH_BYTE * 0x80)) == 0) {
                at += sizeof word;
                continue;
            }
        }
        const std::size_t length = utf8_sequence(text, at, c);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

// Returns `text` as UTF-8 with each invalid sequence replaced by U+FFFD and noted.
std::string mend_utf8(std::string_view text, change_tally& invalid) {
    std::string out;
    out.reserve(text.size());
    std::size_t line = 1;
    char32_t c = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8_sequence(text, at, c);
        if (length == 0) {
            note(invalid, line);
            out.append(REPLACEMENT);
            ++at;
            continue;
        }
        line += text[at] == '\n';
        out.append(text, at, length);
        at += length;
    }
    return out;
}

// Returns the code page 1250 `text` as UTF-8; the five undefined bytes are invalid.
std::string from_cp1250(std::string_view text, change_tally& invalid) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t line = 1;
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out.push_back(byte);
            line += byte == '\n';
        } else if (const char32_t c = cp1250_char(b); c != 0) {
            put_utf8(out, c);
        } else {
            note(invalid, line);
            out.append(REPLACEMENT);
        }
    }
    return out;
}

// Returns the UTF-16 `text` as UTF-8. A lone surrogate or an odd last byte is invalid.
std::string from_utf16(std::string_view text, bool big_endian, change_tally& invalid) {
    std::string out;
    out.reserve(text.size());
    std::size_t line = 1;
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(text[at]);
        const auto second = static_cast<unsigned char>(text[at + 1]);
        return static_cast<char32_t>(big_endian ? first << 8 | second : second << 8 | first);
    };
    std::size_t at = 0;
    for (; at + 1 < text.size(); at += 2) {
        char32_t c = unit(at);
        if (c >= 0xD800 && c <= 0xDBFF && at + 3 < text.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            note(invalid, line);
            c = REPLACEMENT_CHAR;
        }
        line += c == '\n';
        put_utf8(out, c);
    }
    if (at < text.size()) {
        note(invalid, line);
        out.append(REPLACEMENT);
    }
    return out;
}

// The export as UTF-8, with the encoding it was found or told to be in.
struct decoded_text {
    export_encoding encoding = export_encoding::utf8;
    std::string converted;   // the text, when it had to be converted
    std::string_view text;   // the text: `converted`, or part of the export's own bytes
};

// Decodes `bytes` in `chosen`, or, when unset, in what its signature says,
// else UTF-8 when it is valid UTF-8 throughout, else code page 1250.
decoded_text decode(std::string_view bytes, std::optional<export_encoding> chosen, change_tally& invalid) {
    constexpr std::string_view UTF8_SIGN = "\xEF\xBB\xBF";
    constexpr std::string_view UTF16LE_SIGN = "\xFF\xFE";
    constexpr std::string_view UTF16BE_SIGN = "\xFE\xFF";
    decoded_text out;
    if (!chosen) {
        if (bytes.starts_with(UTF8_SIGN)) {
            chosen = export_encoding::utf8_signed;
        } else if (bytes.starts_with(UTF16LE_SIGN)) {
            chosen = export_encoding::utf16le;
        } else if (bytes.starts_with(UTF16BE_SIGN)) {
            chosen = export_encoding::utf16be;
        } else {
            chosen = valid_utf8(bytes) ? export_encoding::utf8 : export_encoding::cp1250;
        }
    }
    out.encoding = *chosen;
    switch (*chosen) {
    case export_encoding::utf8:
    case export_encoding::utf8_signed:
        if (bytes.starts_with(UTF8_SIGN)) {
            bytes.remove_prefix(UTF8_SIGN.size());
            out.encoding = export_encoding::utf8_signed;
        }
        if (valid_utf8(bytes)) {
            out.text = bytes;
            return out;
        }
        out.converted = mend_utf8(bytes, invalid);
        break;
    case export_encoding::utf16le:
    case export_encoding::utf16be: {
        const bool big = *chosen == export_encoding::utf16be;
        if (bytes.starts_with(big ? UTF16BE_SIGN : UTF16LE_SIGN)) bytes.remove_prefix(2);
        out.converted = from_utf16(bytes, big, invalid);
        break;
    }
    case export_encoding::cp1250:
        out.converted = from_cp1250(bytes, invalid);
        break;
    }
    out.text = out.converted;
    return out;
}

// A reading position in the export's UTF-8 text, taken one field at a time.
struct field_cursor {
    std::string_view text;
    std::size_t at = 0;
    std::size_t line = 1;           // the export line at `at`
    char separator = ',';
    std::size_t unterminated = 0;   // line of the first quote that never closed
    std::string quoted;             // a quoted field's text, reused
};

// One field, as the cursor found it.
struct raw_field {
    std::string_view text;
    std::size_t line = 0;     // the line it starts on
    bool ends_record = false;
};

// Moves past the line break at the cursor, CR LF or LF or a lone CR.
void pass_line_break(field_cursor& cursor) {
    if (cursor.text[cursor.at] == '\r' && cursor.at + 1 < cursor.text.size() && cursor.text[cursor.at + 1] == '\n') {
        ++cursor.at;
    }
    ++cursor.at;
    ++cursor.line;
}

// Skips empty lines, which hold no record. Returns false at the end of the text.
bool start_record(field_cursor& cursor) {
    while (cursor.at < cursor.text.size() && (cursor.text[cursor.at] == '\n' || cursor.text[cursor.at] == '\r')) {
        pass_line_break(cursor);
    }
    return cursor.at < cursor.text.size();
}

// Returns the index of the first separator or line break at or after `from`, or the end.
std::size_t plain_end(const field_cursor& cursor, std::size_t from) {
    const std::string_view text = cursor.text;
    while (from < text.size()) {
        const char c = text[from];
        if (c == cursor.separator || c == '\n' || c == '\r') break;
        ++from;
    }
    return from;
}

// Takes the next field of the current record. A quoted field keeps its line
// breaks and separators and turns "" into "; text after its closing quote is
// kept as it stands. A quote that never closes is taken as a plain character,
// so that its field ends at its line's end and no later record is swallowed.
raw_field next_field(field_cursor& cursor) {
    const std::string_view text = cursor.text;
    raw_field field;
    field.line = cursor.line;
    std::size_t end = cursor.at;
    if (cursor.at < text.size() && text[cursor.at] == '"') {
        std::string& quoted = cursor.quoted;
        quoted.clear();
        std::size_t at = cursor.at + 1;
        std::size_t lines = 0;
        bool closed = false;
        while (at < text.size()) {
            const std::size_t quote = text.find('"', at);
            const std::size_t stop = quote == std::string_view::npos ? text.size() : quote;
            for (std::size_t k = at; k < stop; ++k) {
                lines += text[k] == '\n' || (text[k] == '\r' && (k + 1 == stop || text[k + 1] != '\n'));
            }
            quoted.append(text, at, stop - at);
            if (stop == text.size()) break;
            if (stop + 1 < text.size() && text[stop + 1] == '"') {
                quoted.push_back('"');
                at = stop + 2;
                continue;
            }
            closed = true;
            at = stop + 1;
            break;
        }
        if (closed) {
            end = plain_end(cursor, at);
            quoted.append(text, at, end - at);
            cursor.line += lines;
            field.text = quoted;
        } else {
            if (cursor.unterminated == 0) cursor.unterminated = cursor.line;
            end = plain_end(cursor, cursor.at + 1);
            field.text = text.substr(cursor.at, end - cursor.at);
        }
    } else {
        end = plain_end(cursor, cursor.at);
        field.text = text.substr(cursor.at, end - cursor.at);
    }
    cursor.at = end;
    if (end < text.size() && text[end] == cursor.separator) {
        ++cursor.at;
        return field;
    }
    field.ends_record = true;
    if (end < text.size()) pass_line_break(cursor);
    return field;
}

// Returns the separator that splits the first records most steadily into the
// most fields: the one for which most sampled records have as many fields as
// the header, the header's field count settling a tie. ',' when none splits.
char detect_separator(std::string_view text) {
    char best = SEPARATOR_CHOICES.front();
    std::size_t best_steady = 0;
    std::size_t best_fields = 1;
    for (const char separator : SEPARATOR_CHOICES) {
        field_cursor cursor{text, 0, 1, separator, 0, {}};
        std::size_t header_fields = 0;
        std::size_t steady = 0;
        for (std::size_t record = 0; record <= RECORDS_SAMPLED && start_record(cursor); ++record) {
            std::size_t fields = 1;
            while (!next_field(cursor).ends_record) ++fields;
            if (record == 0) {
                header_fields = fields;
            } else {
                steady += fields == header_fields;
            }
        }
        if (header_fields < 2) continue;
        if (steady > best_steady || (steady == best_steady && header_fields > best_fields)) {
            best = separator;
            best_steady = steady;
            best_fields = header_fields;
        }
    }
    return best;
}

// The code page 1250 byte of each character that rowcard folds, by character;
// 0 for the rest. Every folded letter lies below U+0180.
constexpr char32_t FOLDED_BELOW = 0x180;
struct folded_chart {
    std::array<unsigned char, FOLDED_BELOW> byte{};
};

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

// Which kinds of change one value underwent.
struct value_marks {
    bool spaces = false;
    bool separators = false;
    bool base_letters = false;
    bool dropped = false;
};

// Appends the raw field `raw` to `out`, cleaned: its first ' ::: ' item only,
// line breaks, tabs and space signs as spaces, the separator as a space, ASCII
// as it is, letters rowcard folds as their code page 1250 byte, other Latin
// letters as their base letters; everything else dropped. Spaces around the
// value are trimmed; an empty field appends nothing.
void clean_value(std::string_view raw, std::size_t line, char separator, const folded_chart& chart,
                 std::string& out, export_changes& changes) {
    const std::size_t list = raw.find(LIST_MARK);
    if (list != std::string_view::npos) {
        for (std::size_t at = list; at != std::string_view::npos; at = raw.find(LIST_MARK, at + LIST_MARK.size())) {
            note(changes.list_items, line);
        }
        raw = raw.substr(0, list);
    }
    const std::size_t start = out.size();
    value_marks marks;
    for (std::size_t at = 0; at < raw.size();) {
        const auto b = static_cast<unsigned char>(raw[at]);
        if (b >= 0x20 && b < 0x7F && b != static_cast<unsigned char>(separator)) {
            if (b != ' ' || out.size() > start) out.push_back(static_cast<char>(b));
            ++at;
            continue;
        }
        if (b < 0x80) {
            ++at;
            if (b == static_cast<unsigned char>(separator)) {
                marks.separators = true;
            } else if (b == '\n' || b == '\r' || b == '\t') {
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
    if (marks.spaces) note(changes.spaces, line);
    if (marks.separators) note(changes.separators, line);
    if (marks.base_letters) note(changes.base_letters, line);
    if (marks.dropped) note(changes.dropped, line);
}

}  // namespace

export_result read_export(std::string_view bytes, const export_reading& how, char table_separator,
                          const std::vector<bool>& keep) {
    export_result result;
    const decoded_text decoded = decode(bytes, how.encoding, result.changes.invalid);
    result.encoding = decoded.encoding;
    std::string_view text = decoded.text;

    field_cursor cursor;
    cursor.line = 1;
    // Excel's 'sep=;' line names the separator and is no part of the table.
    std::optional<char> named;
    if (text.starts_with(SEPARATOR_LINE) && text.size() > SEPARATOR_LINE.size()) {
        const std::size_t after = SEPARATOR_LINE.size() + 1;
        if (after == text.size() || text[after] == '\n' || text[after] == '\r') {
            named = text[SEPARATOR_LINE.size()];
            cursor.text = text;
            cursor.at = after;
            if (after < text.size()) pass_line_break(cursor);
        }
    }
    result.separator = how.separator ? *how.separator : named ? *named : detect_separator(text.substr(cursor.at));
    cursor.text = text;
    cursor.separator = result.separator;

    static const folded_chart chart = make_folded_chart();
    std::string& table = result.table;
    table.reserve(text.size() + text.size() / 4);
    bool header = true;
    std::size_t columns = 0;
    while (start_record(cursor)) {
        const std::size_t record_line = cursor.line;
        std::size_t column = 0;
        bool written = false;  // a value of this line is out, so the next needs a separator first
        bool extra = false;
        for (bool last = false; !last; ++column) {
            const raw_field field = next_field(cursor);
            last = field.ends_record;
            if (!header && column >= columns) {
                extra = true;
                continue;
            }
            if (!keep.empty() && (column >= keep.size() || !keep[column])) {
                if (header) {
                    result.header.emplace_back();
                    clean_value(field.text, field.line, table_separator, chart, result.header.back(), result.changes);
                }
                continue;
            }
            if (written) table.push_back(table_separator);
            written = true;
            const std::size_t start = table.size();
            clean_value(field.text, field.line, table_separator, chart, table, result.changes);
            if (header) {
                result.header.emplace_back(table, start);
            } else if (table.size() > start) {
                result.filled[column] = true;
            }
        }
        if (header) {
            columns = column;
            result.filled.assign(columns, false);
            header = false;
        } else {
            // A short record gets the separators of its missing values, so that
            // every line of the table has as many fields as the header.
            for (; column < columns; ++column) {
                if (!keep.empty() && (column >= keep.size() || !keep[column])) continue;
                if (written) table.push_back(table_separator);
                written = true;
            }
            if (extra) note(result.changes.extra_fields, record_line);
            ++result.records;
        }
        table.push_back('\n');
    }
    result.changes.unterminated_quote = cursor.unterminated;
    return result;
}

}  // namespace rowcard
