// The I/O floor: only the file work that a conversion cannot do without, as
// fast as plain system calls allow, to measure rowcard against. It reads the
// table, and for every line after the header opens, reads and closes the
// template and writes its bytes with CR LF line ends, then the empty line that
// ends a card. Nothing is parsed or filled.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/text.hpp"

namespace {

// rowcard's own block sizes are used for the reads and writes, so that only
// the work between the system calls differs.
using rowcard::READ_BLOCK;
using rowcard::WRITE_BLOCK;

// Room for the template: bigger than any template this is run with.
constexpr std::size_t TEMPLATE_ROOM = 64 * 1024;

// The output file and the bytes queued for it.
struct output_file {
    int handle = -1;
    std::string block;
};

// Stops the program with the system's message for what failed.
[[noreturn]] void fail(const char* what, const char* path) {
    std::fprintf(stderr, "io_floor: %s %s: %s\n", what, path, std::strerror(errno));
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
void queue_crlf(output_file& out, const char* bytes, std::size_t size) {
    const char* end = bytes + size;
    while (bytes < end) {
        const auto* feed = static_cast<const char*>(std::memchr(bytes, '\n', static_cast<std::size_t>(end - bytes)));
        if (feed == nullptr) {
            out.block.append(bytes, end);
            break;
        }
        const bool after_cr = feed > bytes && feed[-1] == '\r';
        out.block.append(bytes, after_cr ? feed - 1 : feed);
        out.block.append("\r\n");
        bytes = feed + 1;
    }
    if (out.block.size() >= WRITE_BLOCK) flush(out);
}

// Opens, reads to its end and closes the template at `path`, into `room`.
// Returns the number of bytes read.
std::size_t read_template(const char* path, std::string& room) {
    const int handle = ::open(path, O_RDONLY | O_CLOEXEC);
    if (handle < 0) fail("cannot open", path);
    std::size_t size = 0;
    for (;;) {
        const ssize_t got = ::read(handle, room.data() + size, room.size() - size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("cannot read", path);
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
        if (size == room.size()) fail("too big:", path);
    }
    ::close(handle);
    return size;
}

}  // namespace

// Usage: rowcard_io_floor TABLE TEMPLATE OUTPUT.
int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TABLE TEMPLATE OUTPUT\n", argv[0]);
        return EXIT_FAILURE;
    }
    const char* template_path = argv[2];
    const int table = ::open(argv[1], O_RDONLY | O_CLOEXEC);
    if (table < 0) fail("cannot open", argv[1]);
    output_file out;
    out.handle = ::open(argv[3], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out.handle < 0) fail("cannot create", argv[3]);
    out.block.reserve(WRITE_BLOCK + TEMPLATE_ROOM);

    std::string block(READ_BLOCK, '\0');
    std::string room(TEMPLATE_ROOM, '\0');
    bool header = true;  // the first line feed ends the header, which gets no card
    bool open_line = false;  // bytes of a record seen since the last line feed
    for (;;) {
        const ssize_t got = ::read(table, block.data(), block.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("cannot read", argv[1]);
        if (got == 0) break;
        const char* at = block.data();
        const char* end = at + got;
        while (at < end) {
            const auto* feed = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
            if (feed == nullptr) {
                open_line = true;
                break;
            }
            if (header) {
                header = false;
            } else {
                queue_crlf(out, room.data(), read_template(template_path, room));
                queue_crlf(out, "\n", 1);
            }
            open_line = false;
            at = feed + 1;
        }
    }
    // A last record without a line feed still gets its card.
    if (open_line && !header) {
        queue_crlf(out, room.data(), read_template(template_path, room));
        queue_crlf(out, "\n", 1);
    }
    ::close(table);
    flush(out);
    if (::close(out.handle) != 0) fail("cannot close", argv[3]);
    return EXIT_SUCCESS;
}
