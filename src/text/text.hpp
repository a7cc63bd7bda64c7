// Bytes and text files: the string primitives the other parts share, and the one
// routine that reads lines from a text file and the one that writes text to a file.
#pragma once

#include <cstddef>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rowcard {

// Capacity of the line buffer of old: it now bounds only how often one column's
// word placeholders may be filled in one line, so that a runaway fill ends.
inline constexpr std::size_t LINE_LEN = 2000;
// Longest value or word kept from a field: longer text is cut, as users expect.
inline constexpr std::size_t VALUE_LEN = 100;
// What `find_text` returns when the text sought does not occur.
inline constexpr std::ptrdiff_t NOT_FOUND = -1;

// Returns `c` upper-cased if it is an ASCII letter, else `c` itself.
constexpr char upper_byte(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Upper-cases the ASCII letters of `s`; every other byte, accented letters of
// code page 1250 included, stays. The length never changes.
void upper_in_place(std::string& s);

// Returns the index of the first `sought` in `text` at or after `start`,
// comparing bytes exactly; NOT_FOUND when there is none, when `sought` is empty
// or when `start` lies beyond the end of `text`.
std::ptrdiff_t find_text(std::string_view text, std::string_view sought, std::size_t start);

// Returns the first `n` bytes of `s`, or all of `s` when it is shorter.
std::string_view copy_left(std::string_view s, std::size_t n);

// Returns at most `n` bytes of `s` from `start`; empty when `start` is at or past the end.
std::string_view copy_from(std::string_view s, std::size_t start, std::size_t n);

// Returns `s` without its trailing run of spaces and line feeds; other bytes,
// tabs and CRs among them, end the run. Empty input gives empty output.
std::string_view trim_right(std::string_view s);

// Returns the field at the front of `rest`, which runs to the next `sep`, line
// feed or end, and moves `rest` past the next `sep` (to empty when there is
// none), so that repeated calls walk the fields in one pass. Fields are not cut.
std::string_view split_field(std::string_view& rest, char sep);

// Returns field `k` (0 is the first) of `s` split at `sep`, cut after VALUE_LEN
// bytes; empty when `s` has fewer fields. No quoting: spaces and quotes stay.
std::string_view field_at(std::string_view s, char sep, std::size_t k);

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
    // Set by the caller, kept by `open_for_reading`: a read that gives exactly
    // this many bytes, fewer than asked, is the whole file (see `whole_read_size`).
    // 0: every file is read until a read gives nothing.
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
// bytes. Returns false, with nothing left open, when the file is missing,
// refused, or a directory.
[[nodiscard]] bool open_for_reading(text_reader& reader, const std::string& path,
                                    std::size_t block_size = READ_BLOCK);

// Returns the size of `path` when it is a regular file of at least one byte and
// fewer than READ_BLOCK, else 0 (missing, empty, a folder, a device, or a
// system file such as /proc/self/mem, which shows the size 0).
std::size_t whole_read_size(const std::string& path);

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

// Most template reads one batch holds. The run hands whole batches to the
// thread that reads them, and at this size handing them over costs little
// per card.
inline constexpr std::size_t BATCH_READS = 1024;
// Reads given to the kernel with one system call when batching through io_uring.
inline constexpr std::size_t RING_READS = 64;
// Bytes of room for the reads of one batch: a batch of a bigger file holds fewer.
inline constexpr std::size_t BATCH_ROOM = 512 * 1024;
// Largest file read in batches: 31 reads of it still fit a batch's room.
inline constexpr std::size_t BATCH_FILE_MAX = 16 * 1024;

// The kernel's rings, where the system has them and rowcard was built with them.
struct batch_ring;

// Whole reads of one small file, queued and then made together: each read
// still opens the file, reads it once and closes it.
struct read_batch {
    std::string path;                      // the file read
    std::size_t size = 0;                  // its size: a read of this many bytes is the whole file
    std::size_t capacity = 0;              // reads the batch holds
    std::string rooms;                     // `capacity` rooms of size + 1 bytes
    std::array<bool, BATCH_READS> whole{}; // after `run_reads`: that read gave the whole file
    std::size_t queued = 0;                // reads queued, and after `run_reads` made
    // Rooms a torn-down ring might still write into: kept, and never used again.
    std::vector<std::string> retired;
};

// Returns how many reads a batch of a file of `size` bytes (1 to
// BATCH_FILE_MAX) holds: BATCH_READS, or fewer for a file too big for that
// many in BATCH_ROOM.
std::size_t batch_capacity(std::size_t size);

// Readies `batch` for reads of `path`, a regular file of `size` bytes (1 to
// BATCH_FILE_MAX, from `whole_read_size`), with none queued.
void prepare_batch(read_batch& batch, const std::string& path, std::size_t size);

// Sets up the rings. Returns null when batching through io_uring is not built
// in or the system refuses it (an old kernel, a sysctl, a container's filter).
batch_ring* open_ring();

// Rounds of a ring count from 0, one per RING_READS reads or fewer; no round
// has this number.
inline constexpr std::size_t NO_ROUND = static_cast<std::size_t>(-1);

// For the tests alone: failures that a ring's calls into the kernel give in
// place of their real results, so that every way a round can go wrong is
// reached. The tool never sets them.
struct ring_faults {
    std::size_t failed_submit = NO_ROUND;   // this round's submission fails
    std::size_t failed_wait = NO_ROUND;     // this round's first wait for completions fails
    std::size_t short_submit = NO_ROUND;    // this round's first submission says it took only some entries
    std::size_t stalled_submit = NO_ROUND;  // this round's submissions take nothing
    std::size_t thrown = NO_ROUND;          // memory runs out as this round is submitted
};

// Makes the later rounds of `ring` meet `faults`, counting rounds afresh; a
// null ring stays as it is.
void inject_ring_faults(batch_ring* ring, const ring_faults& faults);

// Releases `ring` and sets it to null; a null ring stays as it is.
void close_ring(batch_ring*& ring);

// Makes the queued reads of `batch` and sets `whole` for each: RING_READS at
// a time through `ring`, or one plain call a step when `ring` is null. A read
// the ring could not vouch for (the file changed, vanished or failed), or a
// round the kernel would not take or finish, closes the ring for good, and the
// later reads are plain. A read that is not whole is for the caller to make
// again the plain way, which decides what went wrong. None queued: nothing done.
void run_reads(read_batch& batch, batch_ring*& ring);

// Returns the bytes of read `index` of the last `run_reads`, when `whole`.
std::string_view read_result(const read_batch& batch, std::size_t index);

}  // namespace rowcard
