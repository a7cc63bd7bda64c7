// The I/O floors: only the file work that a conversion cannot do without, as
// fast as the system allows, to measure rowcard against. Both read the table in
// large blocks and, for every row after the header whose mandatory field is not
// empty, open, read once and close the template and queue its bytes with CR LF
// line ends, then the empty line that ends a card. Nothing else is parsed and
// nothing is filled. The classic floor makes one call per step; the batched one
// chains each row's open, read and close in io_uring and submits many rows at once.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#ifdef ROWCARD_HAVE_URING
#include <liburing.h>
#endif

namespace {

// Table and output move in blocks this big: a handful of calls for the run.
constexpr std::size_t BLOCK = 1024 * 1024;
// Room for the template: bigger than any template this is run with, so that
// one short read is its whole text.
constexpr std::size_t TEMPLATE_ROOM = 64 * 1024;
// Rows whose templates the batched floor opens, reads and closes per submission.
constexpr unsigned BATCH_ROWS = 64;

// The output file and the bytes queued for it.
struct output_file {
    int handle = -1;
    std::string block;
};

// Stops the program with the system's message for what failed.
[[noreturn]] void fail(const char* what, const char* path, int error = errno) {
    std::fprintf(stderr, "io_floor: %s %s: %s\n", what, path, std::strerror(error));
    std::exit(EXIT_FAILURE);
}

// Writes out everything queued in `out`.
void flush(output_file& out) {
    const char* from = out.block.data();
    std::size_t left = out.block.size();
    while (left > 0) {
        const ssize_t put = ::write(out.handle, from, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) fail("cannot write", "the output");
        from += put;
        left -= static_cast<std::size_t>(put);
    }
    out.block.clear();
}

// Queues `bytes` with every line feed not already after a CR written as CR LF.
void queue_crlf(output_file& out, std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t feed = bytes.find('\n');
        if (feed == std::string_view::npos) {
            out.block.append(bytes);
            break;
        }
        const bool after_cr = feed > 0 && bytes[feed - 1] == '\r';
        out.block.append(bytes.substr(0, after_cr ? feed - 1 : feed));
        out.block.append("\r\n");
        bytes.remove_prefix(feed + 1);
    }
    if (out.block.size() >= BLOCK) flush(out);
}

// Queues one card: the template's bytes and the empty line after them.
void queue_card(output_file& out, std::string_view template_bytes) {
    queue_crlf(out, template_bytes);
    queue_crlf(out, "\n");
}

// Opens, reads once and closes the template at `path`, into `room`; the floor
// knows the template to be a small regular file. Returns its bytes.
std::string_view read_template(const char* path, std::string& room) {
    const int handle = ::open(path, O_RDONLY | O_CLOEXEC);
    if (handle < 0) fail("cannot open", path);
    ssize_t got = 0;
    do {
        got = ::read(handle, room.data(), room.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) fail("cannot read", path);
    if (static_cast<std::size_t>(got) == room.size()) fail("too big:", path);
    ::close(handle);
    return {room.data(), static_cast<std::size_t>(got)};
}

// True when the row `row` (no line feed) gets a card: its field number `field`
// split at `separator` is neither empty nor starts with a space, the one test
// of a mandatory value that needs no cleaning. A field of -1 accepts every row.
bool accepted(std::string_view row, char separator, long field) {
    if (field < 0) return true;
    for (long i = 0; i < field; ++i) {
        const std::size_t at = row.find(separator);
        if (at == std::string_view::npos) return false;
        row.remove_prefix(at + 1);
    }
    return !row.empty() && row.front() != separator && row.front() != '\r' && row.front() != ' ';
}

// Calls `card` for every accepted row of the table after its header, in order.
template <typename Card>
void for_each_row(const char* path, char separator, long field, Card&& card) {
    const int table = ::open(path, O_RDONLY | O_CLOEXEC);
    if (table < 0) fail("cannot open", path);
    std::string block(BLOCK, '\0');
    std::string partial;  // a row split across two blocks
    bool header = true;   // the first line feed ends the header, which gets no card
    for (;;) {
        const ssize_t got = ::read(table, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("cannot read", path);
        if (got == 0) break;
        std::string_view rest(block.data(), static_cast<std::size_t>(got));
        for (;;) {
            const std::size_t feed = rest.find('\n');
            if (feed == std::string_view::npos) {
                partial.append(rest);
                break;
            }
            std::string_view row = rest.substr(0, feed);
            if (!partial.empty()) {
                partial.append(row);
                row = partial;
            }
            if (!header && accepted(row, separator, field)) card();
            header = false;
            partial.clear();
            rest.remove_prefix(feed + 1);
        }
    }
    // A last row without a line feed still gets its card.
    if (!partial.empty() && !header && accepted(partial, separator, field)) card();
    ::close(table);
}

void classic(const char* table, const char* template_path, char separator, long field, output_file& out) {
    std::string room(TEMPLATE_ROOM, '\0');
    for_each_row(table, separator, field, [&] { queue_card(out, read_template(template_path, room)); });
}

#ifdef ROWCARD_HAVE_URING
// The batched floor's ring and the rows waiting in it.
struct batch {
    io_uring ring{};
    std::string rooms;      // one TEMPLATE_ROOM per row of the batch
    unsigned queued = 0;    // rows waiting
};

// Queues row `slot`'s open into direct descriptor `slot`, its read and its close.
void queue_row(batch& b, const char* template_path) {
    const unsigned slot = b.queued++;
    io_uring_sqe* open = io_uring_get_sqe(&b.ring);
    io_uring_prep_openat_direct(open, AT_FDCWD, template_path, O_RDONLY, 0, slot);
    open->flags |= IOSQE_IO_LINK;
    open->user_data = slot * 3;
    io_uring_sqe* read = io_uring_get_sqe(&b.ring);
    io_uring_prep_read(read, static_cast<int>(slot), b.rooms.data() + slot * TEMPLATE_ROOM, TEMPLATE_ROOM, 0);
    // A hard link: the read is always short, and the close must follow anyway.
    read->flags |= IOSQE_FIXED_FILE | IOSQE_IO_HARDLINK;
    read->user_data = slot * 3 + 1;
    io_uring_sqe* close = io_uring_get_sqe(&b.ring);
    io_uring_prep_close_direct(close, slot);
    close->user_data = slot * 3 + 2;
}

// Submits the waiting rows, waits for all of them and queues their cards.
void run_rows(batch& b, const char* template_path, output_file& out, std::vector<long>& got) {
    if (b.queued == 0) return;
    const int sent = io_uring_submit_and_wait(&b.ring, b.queued * 3);
    if (sent < 0) fail("cannot submit reads of", template_path, -sent);
    unsigned seen = 0;
    while (seen < b.queued * 3) {
        io_uring_cqe* done = nullptr;
        const int waited = io_uring_wait_cqe(&b.ring, &done);
        if (waited < 0) fail("cannot wait for", template_path, -waited);
        const auto step = done->user_data % 3;
        if (step < 2 && done->res < 0) fail(step == 0 ? "cannot open" : "cannot read", template_path, -done->res);
        if (step == 1) got[done->user_data / 3] = done->res;
        io_uring_cqe_seen(&b.ring, done);
        ++seen;
    }
    for (unsigned slot = 0; slot < b.queued; ++slot) {
        queue_card(out, {b.rooms.data() + slot * TEMPLATE_ROOM, static_cast<std::size_t>(got[slot])});
    }
    b.queued = 0;
}

void batched(const char* table, const char* template_path, char separator, long field, output_file& out) {
    batch b;
    const int made = io_uring_queue_init(BATCH_ROWS * 4, &b.ring, 0);
    if (made < 0) fail("cannot set up io_uring for", template_path, -made);
    const int registered = io_uring_register_files_sparse(&b.ring, BATCH_ROWS);
    if (registered < 0) fail("cannot register descriptors for", template_path, -registered);
    b.rooms.assign(BATCH_ROWS * TEMPLATE_ROOM, '\0');
    std::vector<long> got(BATCH_ROWS);
    for_each_row(table, separator, field, [&] {
        queue_row(b, template_path);
        if (b.queued == BATCH_ROWS) run_rows(b, template_path, out, got);
    });
    run_rows(b, template_path, out, got);
    io_uring_queue_exit(&b.ring);
}
#endif

}  // namespace

// Usage: rowcard_io_floor classic|batched TABLE TEMPLATE OUTPUT [SEPARATOR FIELD].
int main(int argc, char** argv) {
    if ((argc != 5 && argc != 7) || (std::strcmp(argv[1], "classic") != 0 && std::strcmp(argv[1], "batched") != 0)) {
        std::fprintf(stderr,
                     "usage: %s classic|batched TABLE TEMPLATE OUTPUT [SEPARATOR FIELD]\n"
                     "  rows whose field FIELD (0 is the first) split at SEPARATOR is empty or starts\n  with a space get no card\n",
                     argv[0]);
        return EXIT_FAILURE;
    }
    const char* table = argv[2];
    const char* template_path = argv[3];
    const char separator = argc == 7 ? argv[5][0] : ',';
    const long field = argc == 7 ? std::strtol(argv[6], nullptr, 10) : -1;
    output_file out;
    out.handle = ::open(argv[4], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out.handle < 0) fail("cannot create", argv[4]);
    out.block.reserve(BLOCK + TEMPLATE_ROOM);
    if (std::strcmp(argv[1], "classic") == 0) {
        classic(table, template_path, separator, field, out);
    } else {
#ifdef ROWCARD_HAVE_URING
        batched(table, template_path, separator, field, out);
#else
        std::fprintf(stderr, "io_floor: built without liburing; only the classic floor runs here\n");
        return EXIT_FAILURE;
#endif
    }
    flush(out);
    if (::close(out.handle) != 0) fail("cannot close", argv[4]);
    return EXIT_SUCCESS;
}
