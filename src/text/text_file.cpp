// Reading and writing text files the same way on every system: files are opened
// in binary mode and the Windows text-mode rules are applied here, byte by byte.
#include "text/text_file.hpp"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "text/codecs.hpp"
#include "text/file_calls.hpp"
#include "text/system.hpp"
#include "text/words.hpp"

namespace rowcard {
namespace {

constexpr unsigned char LINE_FEED = '\n';
constexpr unsigned char CARRIAGE_RETURN = '\r';
constexpr unsigned char TEXT_END = '\0';
// Ctrl-Z: old DOS and Windows programs end text files with it.
constexpr unsigned char FILE_END = 0x1A;

// Values a byte can take: the stop table has an entry for each.
constexpr std::size_t BYTE_VALUES = 256;

// Marks the bytes that stop the plain copying of a line.
constexpr std::array<bool, BYTE_VALUES> make_stop_table() {
    std::array<bool, BYTE_VALUES> stops{};
    stops[LINE_FEED] = stops[CARRIAGE_RETURN] = stops[TEXT_END] = stops[FILE_END] = true;
    return stops;
}
constexpr std::array<bool, BYTE_VALUES> STOPS = make_stop_table();

// Reads the next block. Returns false at the end of the file, after a 0x1A or
// a read error, which are remembered so that no further read is tried.
bool refill(text_reader& reader) {
    if (reader.at_end) return false;
    for (;;) {
        const long got = system_read(reader.handle, reader.block.data(), reader.block.size());
        if (got > 0) {
            reader.next = 0;
            reader.end = static_cast<std::size_t>(got);
            // A read of a regular file gives fewer bytes than asked only at its
            // end, but a file under /proc or on a device may give a short read
            // and more later. So a short read ends the file only when it gives
            // exactly the size the file showed as a regular file: that spares
            // the read that would give nothing, a system call per card.
            if (reader.end == reader.whole_size && reader.end < reader.block.size()) reader.at_end = true;
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        reader.failed = got < 0;
        reader.at_end = true;
        reader.next = reader.end = 0;
        return false;
    }
}

// Every stop byte lies below this one, so a run of eight bytes with none below
// it holds no stop and can be passed over at once.
constexpr unsigned char FIRST_PLAIN_BYTE = 0x20;
static_assert(LINE_FEED < FIRST_PLAIN_BYTE && CARRIAGE_RETURN < FIRST_PLAIN_BYTE &&
              TEXT_END < FIRST_PLAIN_BYTE && FILE_END < FIRST_PLAIN_BYTE);

// Returns the index of the first byte from `from` that stops plain copying, or
// `end` when there is none. Text is mostly printable: eight bytes are tested
// at a time, and a word with a control byte is entered at its first one.
std::size_t find_stop(const std::string& block, std::size_t from, std::size_t end) {
    const char* bytes = block.data();
    while (from < end) {
        if (end - from >= WORD_BYTES) {
            const byte_word low = bytes_below(load_word(bytes + from), FIRST_PLAIN_BYTE);
            if (low == 0) {
                from += WORD_BYTES;
                continue;
            }
            from += first_marked(low);
        }
        if (STOPS[static_cast<unsigned char>(bytes[from])]) return from;
        ++from;  // a control byte that is no stop, a tab say
    }
    return end;
}

// A line that outgrows this is measured to its end before it grows further:
// room doubled as the line comes would hold it almost twice over at times.
constexpr std::size_t LONG_LINE = 1024 * 1024;

// Returns how many bytes the file holds from the reader's position up to and
// including the next line feed, or up to a 0x1A or the end, read at an offset
// that leaves the position alone; 0 where the file cannot be read so (a pipe,
// or on Windows, where a long line grows as it comes).
std::size_t rest_of_line(const text_reader& reader) {
#ifdef _WIN32
    static_cast<void>(reader);
    return 0;
#else
    const off_t here = ::lseek(reader.handle, 0, SEEK_CUR);
    if (here < 0) return 0;
    std::string ahead(READ_BLOCK, '\0');
    std::size_t rest = 0;
    for (;;) {
        const long got = ::pread(reader.handle, ahead.data(), ahead.size(), here + static_cast<off_t>(rest));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return rest;
        const auto size = static_cast<std::size_t>(got);
        const void* feed = std::memchr(ahead.data(), LINE_FEED, size);
        const std::size_t line_part = feed == nullptr ? size : static_cast<const char*>(feed) - ahead.data() + 1;
        const void* file_end = std::memchr(ahead.data(), FILE_END, line_part);
        if (file_end != nullptr) return rest + static_cast<std::size_t>(static_cast<const char*>(file_end) - ahead.data());
        rest += line_part;
        if (feed != nullptr) return rest;
    }
#endif
}

// Gives `line`, about to take the rest of the block, room for all it still
// runs to in the file at once, when that rest would outgrow its room and the
// line is past LONG_LINE. `measured` keeps it to once a line.
void make_room(const text_reader& reader, std::string& line, bool& measured) {
    const std::size_t needed = line.size() + (reader.end - reader.next);
    if (measured || needed <= line.capacity() || needed < LONG_LINE) return;
    measured = true;
    line.reserve(needed + rest_of_line(reader));
}

// Writes out the queued bytes, after emptying the file if that is not yet
// done (a device or a pipe has nothing to empty). On failure the file is
// marked failed and the queue dropped, since nothing later can make the output
// whole again.
void flush(text_writer& writer) {
    if (!writer.emptied && !writer.failed) {
        writer.emptied = true;
        writer.failed = !system_empty(writer.handle);
    }
    const char* from = writer.block.data();
    std::size_t left = writer.block.size();
    while (left > 0 && !writer.failed) {
        const long put = system_write(writer.handle, from, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            writer.failed = true;
            break;
        }
        from += put;
        left -= static_cast<std::size_t>(put);
    }
    writer.block.clear();
}

}  // namespace

bool open_for_reading(text_reader& reader, const std::string& path, std::size_t block_size,
                      std::size_t whole_size) {
    reader.handle = system_open_read(path.c_str());
    if (reader.handle < 0) return false;
    reader.block.resize(block_size);
    reader.whole_size = whole_size;
    reader.next = reader.end = 0;
    reader.at_end = reader.failed = false;
    // A directory opens on some systems and fails only when read: that is a
    // file that cannot be opened, not a read error.
    if (!refill(reader) && reader.failed && errno == EISDIR) {
        close_reader(reader);
        return false;
    }
    return true;
}

std::size_t whole_read_size(const std::string& path) {
    if (!regular_file(path)) return 0;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size < READ_BLOCK ? static_cast<std::size_t>(size) : 0;
}

std::size_t block_for(const std::string& path, std::size_t most) {
    if (!regular_file(path)) return most;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size < most ? static_cast<std::size_t>(size) + 1 : most;
}

void read_from_bytes(text_reader& reader, std::string_view bytes) {
    reader.block.assign(bytes);
    reader.next = 0;
    reader.end = bytes.size();
    reader.at_end = true;
    reader.failed = false;
}

void skip_signature(text_reader& reader) {
    if (std::string_view(reader.block).substr(reader.next, reader.end - reader.next).starts_with(UTF8_SIGNATURE)) {
        reader.next += UTF8_SIGNATURE.size();
    }
}

bool read_line(text_reader& reader, std::string& line) {
    // Most lines lie whole in the block and end in a line feed or CR LF, with
    // no other stop byte: they are taken in one piece.
    const std::size_t first_stop = find_stop(reader.block, reader.next, reader.end);
    if (first_stop < reader.end) {
        const char* text = reader.block.data() + reader.next;
        const char stop_byte = reader.block[first_stop];
        const std::size_t length = first_stop - reader.next;
        if (stop_byte == '\n') {
            line.assign(text, length + 1);
            reader.next = first_stop + 1;
            return true;
        }
        if (stop_byte == '\r' && first_stop + 1 < reader.end && reader.block[first_stop + 1] == '\n') {
            line.assign(text, length + 1);
            line.back() = '\n';
            reader.next = first_stop + 2;
            return true;
        }
    }
    line.clear();
    bool taken = false;     // some byte of this line was consumed
    bool dropping = false;  // a zero byte ended the text; skip to the line feed
    bool measured = false;  // the line has been given room for all of it
    for (;;) {
        if (reader.next == reader.end && !refill(reader)) return taken;
        const std::size_t stop = find_stop(reader.block, reader.next, reader.end);
        if (stop > reader.next) {
            taken = true;
            if (!dropping && stop == reader.end) make_room(reader, line, measured);
            if (!dropping) line.append(reader.block, reader.next, stop - reader.next);
            reader.next = stop;
        }
        if (stop == reader.end) continue;
        const auto byte = static_cast<unsigned char>(reader.block[reader.next++]);
        if (byte == FILE_END) {
            // The 0x1A itself is no text: a file ending "...\n\x1A" has no last, empty line.
            reader.at_end = true;
            reader.next = reader.end = 0;
            return taken;
        }
        taken = true;
        if (byte == LINE_FEED) {
            if (!dropping) line.push_back('\n');
            return true;
        }
        if (byte == TEXT_END) {
            dropping = true;
            continue;
        }
        // A CR: dropped when a line feed follows, kept otherwise.
        if (reader.next == reader.end) refill(reader);
        const bool before_line_feed =
            reader.next < reader.end && reader.block[reader.next] == '\n';
        if (!before_line_feed && !dropping) line.push_back('\r');
    }
}

long read_start(const std::string& path, char* into, std::size_t room) {
    const int handle = system_open_read(path.c_str());
    if (handle < 0) return -1;
    long got = 0;
    do {
        got = system_read_start(handle, into, room);
    } while (got < 0 && errno == EINTR);
    system_close(handle);
    return got;
}

void close_reader(text_reader& reader) {
    if (reader.handle >= 0) system_close(reader.handle);
    reader.handle = -1;
}

bool create_for_writing(text_writer& writer, const std::string& path) {
    writer.handle = system_create(path.c_str());
    writer.block.clear();
    writer.block.reserve(WRITE_BLOCK);
    writer.failed = writer.emptied = false;
    return writer.handle >= 0;
}

void write_text(text_writer& writer, std::string_view text) {
    while (!text.empty() && !writer.failed) {
        const std::size_t feed = text.find('\n');
        const std::string_view line = text.substr(0, feed == std::string_view::npos ? text.size() : feed + 1);
        // Out before it would overflow, so the queue never outgrows the
        // room reserved for it (only a line longer than that grows it).
        if (!writer.block.empty() && writer.block.size() + line.size() + 1 > writer.block.capacity()) flush(writer);
        append_as_written(writer.block, line);
        text.remove_prefix(line.size());
        if (writer.block.size() >= WRITE_BLOCK) flush(writer);
    }
}

void append_as_written(std::string& out, std::string_view text) {
    for (std::size_t feed = text.find('\n'); feed != std::string_view::npos; feed = text.find('\n')) {
        out.append(text.substr(0, feed));
        out.append("\r\n");
        text.remove_prefix(feed + 1);
    }
    out.append(text);
}

void write_bytes(text_writer& writer, std::string_view bytes) {
    if (writer.failed) return;
    if (!writer.block.empty() && writer.block.size() + bytes.size() > writer.block.capacity()) flush(writer);
    writer.block.append(bytes);
    if (writer.block.size() >= WRITE_BLOCK) flush(writer);
}

bool close_writer(text_writer& writer) {
    flush(writer);
    const bool closed = system_close(writer.handle) == 0;
    writer.handle = -1;
    return closed && !writer.failed;
}

}  // namespace rowcard
