// Batched whole reads of one small file: through io_uring, per read an open into
// a direct descriptor, one read and a close, linked, RING_READS of them with one
// system call; or, without a ring, one plain call a step.
#include "text/text.hpp"

#include <algorithm>
#include <cstring>

#ifdef ROWCARD_HAVE_URING
#include <fcntl.h>
#include <liburing.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#endif

namespace rowcard {
namespace {

// Returns the offset of read `index`'s room in `batch.rooms`.
std::size_t room_of(const read_batch& batch, std::size_t index) { return index * (batch.size + 1); }

// Makes reads [from, from + count) of `batch` with plain calls, through
// `reader`. One byte more than the file holds is asked, so that a read of the
// whole file is a short one, which ends it.
void plain_reads(read_batch& batch, std::size_t from, std::size_t count, text_reader& reader) {
    reader.whole_size = batch.size;
    for (std::size_t slot = from; slot < from + count; ++slot) {
        if (!open_for_reading(reader, batch.path, batch.size + 1)) continue;
        batch.whole[slot] = reader.at_end && !reader.failed && reader.end == batch.size;
        if (batch.whole[slot]) std::memcpy(batch.rooms.data() + room_of(batch, slot), reader.block.data(), batch.size);
        close_reader(reader);
    }
}

}  // namespace

#ifdef ROWCARD_HAVE_URING

struct batch_ring {
    io_uring ring{};
};

namespace {

// Each read takes three entries: the open, the read and the close.
constexpr unsigned STEPS = 3;
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
    open->user_data = slot * STEPS;
    // One byte more than the file holds is asked, so that a read of the whole
    // file is a short one, as with the plain reads.
    io_uring_sqe* read = io_uring_get_sqe(&ring);
    io_uring_prep_read(read, static_cast<int>(descriptor), batch.rooms.data() + room_of(batch, slot),
                       static_cast<unsigned>(batch.size + 1), 0);
    // A short read would cut a plain link, and the close must follow anyway.
    read->flags |= IOSQE_FIXED_FILE | IOSQE_IO_HARDLINK;
    read->user_data = slot * STEPS + 1;
    io_uring_sqe* close = io_uring_get_sqe(&ring);
    io_uring_prep_close_direct(close, descriptor);
    close->user_data = slot * STEPS + 2;
}

// Makes reads [from, from + count) of `batch` through `ring` with one system
// call and sets `whole` for each. Returns false when some read was not whole
// or the ring itself failed; when it may still be at work, the batch's rooms
// are retired first, so that nothing it writes late lands in a later read.
bool ring_reads(batch_ring& rings, read_batch& batch, std::size_t from, std::size_t count) {
    io_uring& ring = rings.ring;
    for (std::size_t slot = from; slot < from + count; ++slot) queue_read(ring, batch, slot, from);
    const auto expected = static_cast<unsigned>(count * STEPS);
    std::array<bool, RING_READS> opened{};
    // A signal may cut the wait short, but only after the entries went in.
    const int submitted = io_uring_submit_and_wait(&ring, expected);
    bool settled = submitted >= 0 || submitted == -EINTR;
    for (unsigned seen = 0; settled && seen < expected;) {
        io_uring_cqe* done = nullptr;
        int waited = 0;
        do {
            waited = io_uring_wait_cqe(&ring, &done);
        } while (waited == -EINTR);
        if (waited < 0) {
            settled = false;
            break;
        }
        // Every completion that has arrived is taken in one sweep.
        unsigned head = 0;
        unsigned taken = 0;
        io_uring_for_each_cqe(&ring, head, done) {
            const std::size_t slot = done->user_data / STEPS;
            const std::size_t step = done->user_data % STEPS;
            // A direct open gives 0. A kernel that ignored the descriptor table
            // gives a plain descriptor, which is closed here and never read.
            if (step == 0 && done->res > 0) ::close(done->res);
            if (step == 0) opened[slot - from] = done->res == 0;
            if (step == 1) batch.whole[slot] = done->res == static_cast<int>(batch.size);
            ++taken;
        }
        io_uring_cq_advance(&ring, taken);
        seen += taken;
    }
    if (!settled) {
        batch.retired.push_back(std::move(batch.rooms));
        batch.rooms.assign(batch.capacity * (batch.size + 1), '\0');
        std::fill_n(batch.whole.begin() + static_cast<std::ptrdiff_t>(from), count, false);
        return false;
    }
    bool all_whole = true;
    for (std::size_t slot = from; slot < from + count; ++slot) {
        batch.whole[slot] = batch.whole[slot] && opened[slot - from];
        all_whole = all_whole && batch.whole[slot];
    }
    return all_whole;
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

#else

// Without liburing there is no ring: every read is a plain one.
struct batch_ring {};
batch_ring* open_ring() { return nullptr; }
void close_ring(batch_ring*& ring) { ring = nullptr; }

namespace {

// Never called: without liburing no ring is ever open.
bool ring_reads(batch_ring&, read_batch&, std::size_t, std::size_t) { return false; }

}  // namespace

#endif

void run_reads(read_batch& batch, batch_ring*& ring) {
    std::fill_n(batch.whole.begin(), batch.queued, false);
    text_reader reader;
    for (std::size_t from = 0; from < batch.queued; from += RING_READS) {
        const std::size_t count = std::min(RING_READS, batch.queued - from);
        if (ring == nullptr) {
            plain_reads(batch, from, count, reader);
        } else if (!ring_reads(*ring, batch, from, count)) {
            close_ring(ring);
        }
    }
}

void prepare_batch(read_batch& batch, const std::string& path, std::size_t size) {
    batch.path = path;
    batch.size = size;
    batch.capacity = std::min(BATCH_READS, BATCH_ROOM / (size + 1));
    batch.rooms.assign(batch.capacity * (size + 1), '\0');
    batch.queued = 0;
}

std::string_view read_result(const read_batch& batch, std::size_t index) {
    return std::string_view(batch.rooms).substr(room_of(batch, index), batch.size);
}

}  // namespace rowcard
