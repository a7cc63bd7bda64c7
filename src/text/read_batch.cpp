// Batched whole reads of one small file: through io_uring, per read an open into
// a direct descriptor, one read and a close, linked, RING_READS of them with one
// system call; or, without a ring, one plain call a step.
#include "text/read_batch.hpp"

#include <algorithm>

#ifdef ROWCARD_HAVE_URING
#include <fcntl.h>
#include <liburing.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <new>
#endif

#include "text/text_file.hpp"

namespace rowcard {
namespace {

// Bytes a room holds, and a read asks for, beyond the file's size: a read of
// the whole file is then a short one, which ends it.
constexpr std::size_t ROOM_SPARE = 1;

// Returns the bytes of one room, and of one read, for a file of `size` bytes.
constexpr std::size_t room_size(std::size_t size) { return size + ROOM_SPARE; }

// Returns the offset of read `index`'s room in `batch.rooms`.
std::size_t room_of(const read_batch& batch, std::size_t index) { return index * room_size(batch.size); }

// Makes reads [from, from + count) of `batch` with plain calls, each asking
// for a room's bytes straight into its room.
void plain_reads(read_batch& batch, std::size_t from, std::size_t count) {
    for (std::size_t slot = from; slot < from + count; ++slot) {
        if (batch.lost[slot]) continue;
        const long got = read_start(batch.path, batch.rooms.get() + room_of(batch, slot), room_size(batch.size));
        batch.whole[slot] = got == static_cast<long>(batch.size);
    }
}

}  // namespace

#ifdef ROWCARD_HAVE_URING

struct batch_ring {
    io_uring ring{};
    ring_faults faults;      // the tests' failures; none in the tool
    std::size_t round = 0;   // rounds made since `faults` was set
};

namespace {

// Each read takes three entries, told apart by their place in its user data:
// the open, the read and the close.
constexpr std::size_t OPEN_STEP = 0;
constexpr std::size_t READ_STEP = 1;
constexpr std::size_t CLOSE_STEP = 2;
constexpr unsigned STEPS = 3;
// A short submission the tests inject takes this share of the entries: half.
constexpr unsigned SHORT_SHARE = 2;
// Entries of the submission ring: room for RING_READS reads at once.
constexpr unsigned RING_ENTRIES = 256;
static_assert(RING_READS * STEPS <= RING_ENTRIES);

// True when the kernel knows every operation a batch uses.
bool ring_can_batch(io_uring& ring) {
    io_uring_probe* probe = io_uring_get_probe_ring(&ring);
    if (probe == nullptr) return false;
    const bool can = io_uring_opcode_supported(probe, IORING_OP_OPENAT) &&
                     io_uring_opcode_supported(probe, IORING_OP_READ) &&
                     io_uring_opcode_supported(probe, IORING_OP_CLOSE);
    io_uring_free_probe(probe);
    return can;
}

// Queues read `slot` of `batch`: its open into direct descriptor `slot - from`,
// the read and the close.
void queue_read(io_uring& ring, read_batch& batch, std::size_t slot, std::size_t from) {
    const auto descriptor = static_cast<unsigned>(slot - from);
    io_uring_sqe* open = io_uring_get_sqe(&ring);
    io_uring_prep_openat_direct(open, AT_FDCWD, batch.path.c_str(), O_RDONLY, 0, descriptor);
    open->flags |= IOSQE_IO_LINK;
    open->user_data = slot * STEPS + OPEN_STEP;
    // A room's bytes are asked, as with the plain reads.
    io_uring_sqe* read = io_uring_get_sqe(&ring);
    io_uring_prep_read(read, static_cast<int>(descriptor), batch.rooms.get() + room_of(batch, slot),
                       static_cast<unsigned>(room_size(batch.size)), 0);
    // A short read would cut a plain link, and the close must follow anyway.
    read->flags |= IOSQE_FIXED_FILE | IOSQE_IO_HARDLINK;
    read->user_data = slot * STEPS + READ_STEP;
    io_uring_sqe* close = io_uring_get_sqe(&ring);
    io_uring_prep_close_direct(close, descriptor);
    close->user_data = slot * STEPS + CLOSE_STEP;
}

// The seam where a round's entries go to the kernel. Returns what
// io_uring_submit_and_wait returns (the entries it took, or -errno), or the
// failure the tests set for this round (or throws it, for running out of
// memory); `first` marks the round's first try.
int submit_entries(batch_ring& rings, unsigned expected, bool first) {
    const ring_faults& faults = rings.faults;
    if (rings.round == faults.thrown) throw std::bad_alloc();
    if (rings.round == faults.failed_submit) return -EIO;
    // The kernel is entered with nothing to take, as when it takes nothing.
    if (rings.round == faults.stalled_submit) return io_uring_enter(rings.ring.ring_fd, 0, 0, 0, nullptr);
    if (first && rings.round == faults.short_submit) return static_cast<int>(expected / SHORT_SHARE);
    return io_uring_submit_and_wait(&rings.ring, expected);
}

// The seam where a round waits for its next completion. Returns 0 with `done`
// set, or -errno (a signal is waited through), or the failure the tests set
// for this round's first wait.
int wait_completion(batch_ring& rings, io_uring_cqe*& done, bool first) {
    if (first && rings.round == rings.faults.failed_wait) return -EIO;
    int waited = 0;
    do {
        waited = io_uring_wait_cqe(&rings.ring, &done);
    } while (waited == -EINTR);
    return waited;
}

// Hands the round's `expected` entries to the kernel, again and again while it
// takes only some of them (it then leaves the rest queued). Returns false when
// a try fails or takes nothing, so that no wait is ever made for entries that
// never went in.
bool submit_round(batch_ring& rings, unsigned expected) {
    unsigned taken = 0;
    for (bool first = true; taken < expected; first = false) {
        const int got = submit_entries(rings, expected, first);
        if (got == -EINTR) continue;  // a signal came before any entry went in
        if (got <= 0) return false;
        taken += static_cast<unsigned>(got);
    }
    return true;
}

// What the completions of one round said of each of its reads.
struct round_results {
    std::array<bool, RING_READS> opened{};  // the open gave the direct descriptor
    std::array<bool, RING_READS> full{};    // the read gave the file's size
};

// Takes the `expected` completions of the round of reads from `from`, every
// one that has arrived in one sweep, into `results`. Returns false when a wait
// fails: some reads may still be at work.
bool reap_round(batch_ring& rings, const read_batch& batch, std::size_t from, unsigned expected,
                round_results& results) {
    for (unsigned seen = 0; seen < expected;) {
        io_uring_cqe* done = nullptr;
        if (wait_completion(rings, done, seen == 0) < 0) return false;
        unsigned head = 0;
        unsigned taken = 0;
        io_uring_for_each_cqe(&rings.ring, head, done) {
            const std::size_t slot = done->user_data / STEPS;
            const std::size_t step = done->user_data % STEPS;
            // A direct open gives 0. A kernel that ignored the descriptor table
            // gives a plain descriptor, which is closed here and never read.
            if (step == OPEN_STEP && done->res > 0) ::close(done->res);
            if (step == OPEN_STEP) results.opened[slot - from] = done->res == 0;
            if (step == READ_STEP) results.full[slot - from] = done->res == static_cast<int>(batch.size);
            ++taken;
        }
        io_uring_cq_advance(&rings.ring, taken);
        seen += taken;
    }
    return true;
}

// Gives up the round of reads [from, from + count), which the kernel may still
// be at work on: their rooms are lost for good. The other rooms stay where
// they are, as the results in them may be taken meanwhile.
void give_up_round(read_batch& batch, std::size_t from, std::size_t count) {
    std::fill_n(batch.lost.begin() + static_cast<std::ptrdiff_t>(from), count, true);
}

// Makes reads [from, from + count) of `batch` through `rings`, as one round,
// and sets `whole` for each once the round has settled; a round given up
// leaves them all not whole. Returns false when some read was not whole.
bool ring_reads(batch_ring& rings, read_batch& batch, std::size_t from, std::size_t count) {
    for (std::size_t slot = from; slot < from + count; ++slot) queue_read(rings.ring, batch, slot, from);
    const auto expected = static_cast<unsigned>(count * STEPS);
    round_results results;
    const bool settled = submit_round(rings, expected) && reap_round(rings, batch, from, expected, results);
    ++rings.round;
    if (!settled) {
        give_up_round(batch, from, count);
        return false;
    }
    bool all_whole = true;
    for (std::size_t slot = from; slot < from + count; ++slot) {
        batch.whole[slot] = results.opened[slot - from] && results.full[slot - from];
        all_whole = all_whole && batch.whole[slot];
    }
    return all_whole;
}

// Makes the round as `ring_reads` does; memory running out meanwhile gives the
// round up as a failed submission does, its rooms lost, since the kernel may
// have taken some of its entries. Returns false when some read was not whole.
bool guarded_ring_reads(batch_ring& rings, read_batch& batch, std::size_t from, std::size_t count) {
    try {
        return ring_reads(rings, batch, from, count);
    } catch (...) {
        give_up_round(batch, from, count);
        return false;
    }
}

}  // namespace

batch_ring* open_ring() {
    auto ring = std::make_unique<batch_ring>();
    // Refused outright by a filter (EPERM, ENOSYS) or a sysctl (EPERM); an old
    // kernel lacks the probe, the opcodes or the sparse descriptor table.
    if (io_uring_queue_init(RING_ENTRIES, &ring->ring, 0) < 0) return nullptr;
    if (!ring_can_batch(ring->ring) || io_uring_register_files_sparse(&ring->ring, RING_READS) < 0) {
        io_uring_queue_exit(&ring->ring);
        return nullptr;
    }
    return ring.release();
}

void close_ring(batch_ring*& ring) {
    if (ring == nullptr) return;
    io_uring_queue_exit(&ring->ring);
    delete ring;
    ring = nullptr;
}

void inject_ring_faults(batch_ring* ring, const ring_faults& faults) {
    if (ring == nullptr) return;
    ring->faults = faults;
    ring->round = 0;
}

#else

// Without liburing there is no ring: every read is a plain one.
struct batch_ring {};
batch_ring* open_ring() { return nullptr; }
void close_ring(batch_ring*& ring) { ring = nullptr; }
void inject_ring_faults(batch_ring*, const ring_faults&) {}

namespace {

// Never called: without liburing no ring is ever open.
bool guarded_ring_reads(batch_ring&, read_batch&, std::size_t, std::size_t) { return false; }

}  // namespace

#endif

void run_reads(read_batch& batch, batch_ring*& ring, std::size_t from, std::size_t count) {
    const std::size_t end = from + count;
    std::fill(batch.whole.begin() + from, batch.whole.begin() + end, false);
    for (std::size_t first = from; first < end; first += RING_READS) {
        const std::size_t round = std::min(RING_READS, end - first);
        if (ring == nullptr) {
            plain_reads(batch, first, round);
        } else if (!guarded_ring_reads(*ring, batch, first, round)) {
            close_ring(ring);
        }
    }
}

void prepare_batch(read_batch& batch, const std::string& path, std::size_t size) {
    batch.path = path;
    batch.size = size;
    batch.capacity = std::min(BATCH_READS, BATCH_ROOM / room_size(size));
    batch.rooms = std::make_unique_for_overwrite<char[]>(batch.capacity * room_size(size));
}

std::string_view read_result(const read_batch& batch, std::size_t index) {
    return std::string_view(batch.rooms.get() + room_of(batch, index), batch.size);
}

}  // namespace rowcard
