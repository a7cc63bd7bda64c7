// Batched whole reads of one small file through io_uring: per read an open into
// a direct descriptor, one read and a close, linked, and a whole batch of them
// submitted with one system call. Without liburing the batch never starts.
#include "text/text.hpp"

#ifdef ROWCARD_HAVE_URING
#include <fcntl.h>
#include <liburing.h>

#include <cerrno>
#include <unistd.h>

#include <memory>
#endif

namespace rowcard {

#ifdef ROWCARD_HAVE_URING

struct batch_ring {
    io_uring ring{};
};

namespace {

// Each queued read takes three entries: the open, the read and the close.
constexpr unsigned STEPS = 3;
// Entries of the submission ring: room for a whole batch at once.
constexpr unsigned RING_ENTRIES = 256;
static_assert(BATCH_READS * STEPS <= RING_ENTRIES);

// Returns the offset of read `index`'s room in `batch.rooms`.
std::size_t room_of(const read_batch& batch, std::size_t index) { return index * (batch.size + 1); }

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

}  // namespace

bool start_batches(read_batch& batch, const std::string& path, std::size_t size) {
    end_batches(batch);
    if (size == 0 || size > BATCH_FILE_MAX) return false;
    auto ring = std::make_unique<batch_ring>();
    // Refused outright by a filter (EPERM, ENOSYS) or a sysctl (EPERM); an old
    // kernel lacks the probe, the opcodes or the sparse descriptor table.
    if (io_uring_queue_init(RING_ENTRIES, &ring->ring, 0) < 0) return false;
    if (!ring_can_batch(ring->ring) || io_uring_register_files_sparse(&ring->ring, BATCH_READS) < 0) {
        io_uring_queue_exit(&ring->ring);
        return false;
    }
    batch.ring = ring.release();
    batch.path = path;
    batch.size = size;
    batch.rooms.assign(BATCH_READS * (size + 1), '\0');
    batch.queued = 0;
    return true;
}

void queue_read(read_batch& batch) {
    io_uring& ring = batch.ring->ring;
    const auto slot = static_cast<unsigned>(batch.queued++);
    io_uring_sqe* open = io_uring_get_sqe(&ring);
    io_uring_prep_openat_direct(open, AT_FDCWD, batch.path.c_str(), O_RDONLY, 0, slot);
    open->flags |= IOSQE_IO_LINK;
    open->user_data = slot * STEPS;
    // One byte more than the file holds is asked, so that a read of the whole
    // file is a short one, as with the plain reads.
    io_uring_sqe* read = io_uring_get_sqe(&ring);
    io_uring_prep_read(read, static_cast<int>(slot), batch.rooms.data() + room_of(batch, slot),
                       static_cast<unsigned>(batch.size + 1), 0);
    // A short read would cut a plain link, and the close must follow anyway.
    read->flags |= IOSQE_FIXED_FILE | IOSQE_IO_HARDLINK;
    read->user_data = slot * STEPS + 1;
    io_uring_sqe* close = io_uring_get_sqe(&ring);
    io_uring_prep_close_direct(close, slot);
    close->user_data = slot * STEPS + 2;
}

void run_reads(read_batch& batch) {
    batch.whole.fill(false);
    if (batch.queued == 0) return;
    io_uring& ring = batch.ring->ring;
    const auto expected = static_cast<unsigned>(batch.queued * STEPS);
    std::array<bool, BATCH_READS> opened{};
    // A signal may cut the wait short, but only after the entries went in.
    const int submitted = io_uring_submit_and_wait(&ring, expected);
    bool all_whole = submitted >= 0 || submitted == -EINTR;
    for (unsigned seen = 0; all_whole && seen < expected;) {
        io_uring_cqe* done = nullptr;
        int waited = 0;
        do {
            waited = io_uring_wait_cqe(&ring, &done);
        } while (waited == -EINTR);
        if (waited < 0) {
            all_whole = false;
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
            if (step == 0) opened[slot] = done->res == 0;
            if (step == 1) batch.whole[slot] = done->res == static_cast<int>(batch.size);
            ++taken;
        }
        io_uring_cq_advance(&ring, taken);
        seen += taken;
    }
    for (std::size_t slot = 0; slot < batch.queued; ++slot) {
        batch.whole[slot] = batch.whole[slot] && opened[slot];
        all_whole = all_whole && batch.whole[slot];
    }
    // A ring in doubt is torn down and the plain reads take over; the rooms
    // stay allocated, so an entry the kernel still finishes writes no freed memory.
    if (!all_whole) end_batches(batch);
}

void end_batches(read_batch& batch) {
    if (batch.ring == nullptr) return;
    io_uring_queue_exit(&batch.ring->ring);
    delete batch.ring;
    batch.ring = nullptr;
}

#else

// Without liburing there is nothing to set up: the plain reads serve.
bool start_batches(read_batch& batch, const std::string&, std::size_t) {
    batch.ring = nullptr;
    return false;
}
void queue_read(read_batch&) {}
void run_reads(read_batch& batch) { batch.whole.fill(false); }
void end_batches(read_batch& batch) { batch.ring = nullptr; }

#endif

std::string_view read_result(const read_batch& batch, std::size_t index) {
    return std::string_view(batch.rooms).substr(index * (batch.size + 1), batch.size);
}

}  // namespace rowcard
