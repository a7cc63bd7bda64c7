// What cleaning does to a value, told in letters a person can read: the bytes
// rowcard drops, found by comparing a field with the value rowcard made of it,
// and code page 1250 shown as the letters it stands for.
#include "check/findings.hpp"
#include "record/record.hpp"
#include "text/codecs.hpp"
#include "text/text.hpp"

namespace rowcard::checking {
namespace {

// True for a byte that may stand inside an e-mail address as rowcard keeps it:
// what cleaning keeps in an address, but a space.
bool address_byte(unsigned char b) { return b != ' ' && kept_in_address(b); }

// Appends the letter that the code page 1250 byte `b` (0x80 up) stands for,
// in UTF-8; returns false, appending nothing, for the bytes the page leaves out.
bool append_cp1250(std::string& out, unsigned char b) {
    const char32_t letter = cp1250_char(b);
    if (letter == 0) return false;
    append_utf8(out, letter);
    return true;
}

}  // namespace

std::size_t append_letter(std::string& out, std::string_view text, std::size_t at) {
    const std::size_t length = utf8_length(text.substr(at));
    if (length != 0) {
        out.append(text.substr(at, length));
        return length;
    }
    return append_cp1250(out, static_cast<unsigned char>(text[at])) ? 1 : 0;
}

std::string readable(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t taken = b >= 0x80 ? append_letter(out, bytes, i) : 0;
        if (taken == 0) {
            out += static_cast<char>(b);
        } else {
            i += taken - 1;
        }
    }
    return out;
}

value_loss loss_in(std::string_view raw, std::string_view value, std::string& folded) {
    folded.assign(raw);
    transliterate(folded);
    const std::string_view trimmed = trim_right(folded);
    // Cleaning only drops bytes, and a byte it keeps in a value it never drops
    // there, so walking both at once finds each dropped byte exactly.
    std::size_t kept_count = 0;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (kept_count < value.size() && trimmed[i] == value[kept_count]) {
            ++kept_count;
            continue;
        }
        const auto b = static_cast<unsigned char>(trimmed[i]);
        if (b >= 0x80) return {loss_kind::letter, raw[i]};
        if (i == 0 || i + 1 == trimmed.size()) continue;
        const auto before = static_cast<unsigned char>(trimmed[i - 1]);
        const auto after = static_cast<unsigned char>(trimmed[i + 1]);
        // Brackets or quotes around an address cost nothing; a sign inside it
        // makes another address.
        if (value.find('@') != std::string_view::npos) {
            if (address_byte(before) && address_byte(after)) return {loss_kind::address, trimmed[i]};
        } else if (ascii_letter(before) && ascii_letter(after)) {
            return {loss_kind::joined, trimmed[i]};
        }
    }
    return {};
}

std::string loss_detail(value_loss loss, std::string_view raw, std::string_view value) {
    std::string text = in_quotes(readable(without_line_feed(raw))) + " becomes " + in_quotes(value);
    std::string dropped;
    if (!append_cp1250(dropped, static_cast<unsigned char>(loss.dropped))) dropped.assign(1, loss.dropped);
    switch (loss.kind) {
    case loss_kind::letter: {
        const char* plain = plain_spelling(cp1250_char(static_cast<unsigned char>(loss.dropped)));
        return text + ": rowcard drops " + in_quotes(dropped) + ", a letter it does not fold to ASCII; write it " +
               (plain != nullptr && *plain != ' ' ? "as " + in_quotes(plain) : std::string("as a plain letter")) +
               " in the table";
    }
    case loss_kind::address:
        return text + ", another address: rowcard drops " + in_quotes(dropped) +
               " from inside it; correct the address in the table if it is a typing error, or else add the "
               "address to the contact by hand after the import";
    case loss_kind::joined:
        return text + ": rowcard drops the " + in_quotes(dropped) +
               " between two letters; write a space in its place in the table to keep the words apart";
    case loss_kind::none: break;
    }
    return text;
}

}  // namespace rowcard::checking
