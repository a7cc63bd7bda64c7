// Text files read line by line and written in large blocks, the same way on
// every system: the one routine that reads lines and the one that writes text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rowcard {

// Bytes asked of the system per read of the settings or the template: more
// than either ever holds, so that one read takes it whole.
inline constexpr std::size_t READ_BLOCK = 64 * 1024;
// Bytes per read of the table and per write of the cards: a run of a million
// rows then makes a few hundred calls, at 2 MiB of memory for the pair.
inline constexpr std::size_t BULK_BLOCK = 1024 * 1024;
// Bytes gathered before one write.
inline constexpr std::size_t WRITE_BLOCK = BULK_BLOCK;

// A text file open for reading, taken line by line through `read_line`.
struct text_reader {
    int handle = -1;
    std::string block;     // the bytes of the last read
    std::size_t next = 0;  // first byte of `block` not yet taken
    std::size_t end = 0;   // bytes of `block` that hold data
    bool at_end = false;   // the end, a 0x1A byte or a read error was met
    bool failed = false;   // a read error ended the file early
    // Given to `open_for_reading`: a read that gives exactly this many bytes,
    // fewer than asked, is the whole file. 0: the file is read until a read
    // gives nothing.
    std::size_t whole_size = 0;
};

// A file being written through `write_text`, gathered into large blocks.
struct text_writer {
    int handle = -1;
    std::string block;     // bytes waiting to be written
    bool failed = false;   // a write failed; later text is dropped
    bool emptied = false;  // the file's earlier bytes are gone (done by the first write or the close)
};

// Opens `path` for reading only and reads its first block of `block_size`
// bytes. `whole_size` is the size the file showed (from `whole_read_size`), or
// 0 when it is not known: a read of exactly that many bytes, fewer than asked,
// then ends the file without the further read that would give nothing.
// Returns false, with nothing left open, when the file is missing, refused, or
// a directory.
[[nodiscard]] bool open_for_reading(text_reader& reader, const std::string& path,
                                    std::size_t block_size = READ_BLOCK, std::size_t whole_size = 0);

// Returns the size of `path` when it is a regular file of at least one byte and
// fewer than READ_BLOCK, else 0 (missing, empty, a folder, a device, or a
// system file such as /proc/self/mem, which shows the size 0).
std::size_t whole_read_size(const std::string& path);

// Returns the bytes of a read block for `path`: one more than its size where
// it is a regular file smaller than `most` (a small table is then read whole,
// and no memory beyond it is touched), else `most`.
std::size_t block_for(const std::string& path, std::size_t most);

// Opens `path` for reading only, reads up to `room` bytes from its start into
// `into` with one call and closes it again: the read of a small regular file
// whose bytes fit, for callers that need no lines. Returns the bytes read, or
// -1 when the file cannot be opened or read.
long read_start(const std::string& path, char* into, std::size_t room);

// Points `reader` at `bytes`, a whole file already read, so that `read_line`
// and `skip_signature` take it as they take a file, without a system call.
void read_from_bytes(text_reader& reader, std::string_view bytes);

// Skips the UTF-8 signature (EF BB BF) that Windows editors put at the start
// of a file, so that it never reaches a file name or a card. Call it right
// after opening; it looks at the first block only, which holds the file's
// first bytes whole. Any other start, a short file included, stays as it is.
void skip_signature(text_reader& reader);

// Takes the next line into `line` (reusing its storage): its bytes up to and
// including the line feed, however long. CR LF comes back as a line feed, a lone
// CR stays, a zero byte ends the line's text, and a 0x1A byte or a read error
// ends the file. Returns false when no line is left.
bool read_line(text_reader& reader, std::string& line);

// Closes the file; `reader.failed` still tells whether a read error cut it short.
void close_reader(text_reader& reader);

// Creates `path` for writing, or opens it to be overwritten. An existing file
// keeps its bytes until the first block goes out or the file is closed, so
// that a run that stops before then (memory ran out) leaves it as it was.
// Returns false when it cannot be created or opened.
[[nodiscard]] bool create_for_writing(text_writer& writer, const std::string& path);

// Queues `text` for the file with each line feed written as CR LF; the queue
// goes out in large blocks. After a failed write, text is dropped.
void write_text(text_writer& writer, std::string_view text);

// Appends `text` to `out` as `write_text` writes it: each line feed as CR LF.
// Empty text appends nothing.
void append_as_written(std::string& out, std::string_view text);

// Queues `bytes` for the file as they stand, for text already in its written
// form (from `append_as_written`); the queue goes out as with `write_text`.
void write_bytes(text_writer& writer, std::string_view bytes);

// Empties the file, writes what is queued and closes it. Returns true only
// when every write and the close succeeded.
[[nodiscard]] bool close_writer(text_writer& writer);

}  // namespace rowcard
