// An export's text taken one field at a time: quotes, doubled quotes,
// separators and line breaks inside quotes, and separators a backslash escapes.
#include "prep/fields.hpp"

namespace rowcard {
namespace {

// Returns the index of the first separator or line break at or after `from`, or the end.
std::size_t plain_end(const field_cursor& cursor, std::size_t from) {
    const std::string_view text = cursor.text;
    while (from < text.size()) {
        const char c = text[from];
        if (c == '\n' || c == '\r') break;
        if (c == cursor.separator && !(cursor.escapes && from > cursor.at && text[from - 1] == '\\')) break;
        ++from;
    }
    return from;
}

// Returns the plain field from the cursor to `end`: as it stands, or, where
// escapes are on and it holds an escaped separator, without the backslash
// before each (in the cursor's buffer).
std::string_view plain_text(field_cursor& cursor, std::size_t end) {
    const std::string_view raw = cursor.text.substr(cursor.at, end - cursor.at);
    const char escaped[] = {'\\', cursor.separator};
    if (!cursor.escapes || raw.find(std::string_view(escaped, 2)) == std::string_view::npos) return raw;
    cursor.quoted.clear();
    for (std::size_t k = 0; k < raw.size(); ++k) {
        if (!(raw[k] == '\\' && k + 1 < raw.size() && raw[k + 1] == cursor.separator)) cursor.quoted.push_back(raw[k]);
    }
    return cursor.quoted;
}

}  // namespace

void pass_line_break(field_cursor& cursor) {
    if (cursor.text[cursor.at] == '\r' && cursor.at + 1 < cursor.text.size() && cursor.text[cursor.at + 1] == '\n') {
        ++cursor.at;
    }
    ++cursor.at;
    ++cursor.line;
}

bool start_record(field_cursor& cursor) {
    while (cursor.at < cursor.text.size() && (cursor.text[cursor.at] == '\n' || cursor.text[cursor.at] == '\r')) {
        pass_line_break(cursor);
    }
    return cursor.at < cursor.text.size();
}

raw_field next_field(field_cursor& cursor) {
    const std::string_view text = cursor.text;
    raw_field field;
    field.line = cursor.line;
    std::size_t end = cursor.at;
    // Some tools write ", " between fields: spaces before an opening quote are no part of the field.
    std::size_t first = cursor.at;
    while (first < text.size() && text[first] == ' ') ++first;
    if (first < text.size() && text[first] == '"' && first > cursor.at) cursor.at = first;
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
        field.text = plain_text(cursor, end);
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

}  // namespace rowcard
