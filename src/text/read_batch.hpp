// Batched whole reads of one small file, through io_uring where the system has
// it: speed machinery beside `open_for_reading`, whose bytes each read must give
// or else step aside (read_batch_test.cpp; the end-to-end tests run both ways).
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace rowcard {

// Most template reads one batch holds. The run passes its slots round to the
// thread that reads them; with fewer the two wait on each other more often
// on long tables.
inline constexpr std::size_t BATCH_READS = 1024;
// Reads given to the kernel with one system call when batching through io_uring.
inline constexpr std::size_t RING_READS = 64;
// Bytes of room for the reads of one batch: a batch of a bigger file holds fewer.
inline constexpr std::size_t BATCH_ROOM = 512 * 1024;
// Largest file read in batches: 31 reads of it still fit a batch's room.
inline constexpr std::size_t BATCH_FILE_MAX = 16 * 1024;

// The kernel's rings, where the system has them and rowcard was built with them.
struct batch_ring;

// Whole reads of one small file, made a range at a time: each read still
// opens the file, reads it once and closes it.
struct read_batch {
    std::string path;                      // the file read
    std::size_t size = 0;                  // its size: a read of this many bytes is the whole file
    std::size_t capacity = 0;              // reads the batch holds
    // `capacity` rooms, each a byte bigger than the file: left as they come,
    // since a room is read from only after a read has filled it.
    std::unique_ptr<char[]> rooms;
    std::array<bool, BATCH_READS> whole{}; // after `run_reads`: that read gave the whole file
    // Rooms of a round given up while the kernel might still write into them:
    // never read into, nor read from, again.
    std::array<bool, BATCH_READS> lost{};
};

// Readies `batch` for reads of `path`, a regular file of `size` bytes (1 to
// BATCH_FILE_MAX, from `whole_read_size`): BATCH_READS rooms, or fewer for a
// file too big for that many in BATCH_ROOM.
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
    std::size_t thrown = NO_ROUND;          // memory runs out as this round is submitted (given up)
};

// Makes the later rounds of `ring` meet `faults`, counting rounds afresh; a
// null ring stays as it is.
void inject_ring_faults(batch_ring* ring, const ring_faults& faults);

// Releases `ring` and sets it to null; a null ring stays as it is.
void close_ring(batch_ring*& ring);

// Makes reads [from, from + count) of `batch` and sets `whole` for each,
// touching no other room, so that another thread may meanwhile take the
// results of the reads outside the range: RING_READS at a time through
// `ring`, or one plain call a step when `ring` is null. A read the ring could
// not vouch for (the file changed, vanished or failed), a round the kernel
// would not take or finish, or memory running out in a round, closes the ring
// for good, and the later reads are plain; every read of the range is marked
// afresh, whole or not, whatever the earlier reads of its slot gave. A read that is not whole is for the caller to make again the plain
// way, which decides what went wrong. A count of 0: nothing done.
void run_reads(read_batch& batch, batch_ring*& ring, std::size_t from, std::size_t count);

// Returns the bytes of read `index`, made by `run_reads`, when `whole`.
std::string_view read_result(const read_batch& batch, std::size_t index);

}  // namespace rowcard
