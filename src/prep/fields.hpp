// Inside rowcard-prep: an export's UTF-8 text taken one field at a time, its
// quotes read as RFC 4180 writes them; read by reading.cpp alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rowcard {

// A reading position in the export's UTF-8 text, taken one field at a time.
struct field_cursor {
    std::string_view text;
    std::size_t at = 0;
    std::size_t line = 1;           // the export line at `at`
    char separator = ',';
    std::size_t unterminated = 0;   // line of the first quote that never closed
    std::string quoted;             // a quoted field's text, or an escaped one's, reused
    bool escapes = false;           // a backslash before the separator makes it part of the value
};

// One field, as the cursor found it.
struct raw_field {
    std::string_view text;
    std::size_t line = 0;     // the line it starts on
    bool ends_record = false;
};

// Moves past the line break at the cursor, CR LF or LF or a lone CR.
void pass_line_break(field_cursor& cursor);

// Skips empty lines, which hold no record. Returns false at the end of the text.
bool start_record(field_cursor& cursor);

// Takes the next field of the current record. A quoted field keeps its line
// breaks and separators and turns "" into "; text after its closing quote is
// kept as it stands. A quote that never closes is taken as a plain character,
// so that its field ends at its line's end and no later record is swallowed.
// With `escapes`, a plain field's '\;' is a ';' of its value (for ';' the separator).
raw_field next_field(field_cursor& cursor);

}  // namespace rowcard
