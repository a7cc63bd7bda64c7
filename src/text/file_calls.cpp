// The system calls on file handles, one set per system: Windows' C runtime in
// binary mode, POSIX, and on Linux the kernel entered directly where it pays.
#include "text/file_calls.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/syscall.h>
#endif

#include "text/system.hpp"

namespace rowcard {

#ifdef _WIN32
int system_open_read(const char* path) { return _open(path, _O_RDONLY | _O_BINARY); }
int system_create(const char* path) { return _open(path, _O_WRONLY | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE); }
bool system_empty(int handle) {
    struct _stat64 status;
    if (_fstat64(handle, &status) != 0) return false;
    return (status.st_mode & _S_IFREG) == 0 || _chsize_s(handle, 0) == 0;
}
long system_read(int handle, char* into, std::size_t count) {
    return _read(handle, into, static_cast<unsigned>(count));
}
long system_write(int handle, const char* from, std::size_t count) {
    return _write(handle, from, static_cast<unsigned>(count));
}
int system_close(int handle) { return _close(handle); }
long system_read_start(int handle, char* into, std::size_t count) { return system_read(handle, into, count); }
#else
int system_create(const char* path) { return ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC, NEW_FILE_MODE); }
bool system_empty(int handle) {
    struct stat status;
    if (::fstat(handle, &status) != 0) return false;
    return !S_ISREG(status.st_mode) || ::ftruncate(handle, 0) == 0;
}
long system_write(int handle, const char* from, std::size_t count) {
    return ::write(handle, from, count);
}
#ifdef __linux__
// Every card opens, reads and closes the template. The C library makes these
// three calls points where another thread may cancel this one, which costs two
// atomic operations a call once the reading thread exists, some 5% of a card;
// rowcard cancels no thread, so it enters the kernel directly.
int system_open_read(const char* path) {
    return static_cast<int>(::syscall(SYS_openat, AT_FDCWD, path, O_RDONLY | O_CLOEXEC));
}
long system_read(int handle, char* into, std::size_t count) { return ::syscall(SYS_read, handle, into, count); }
// A read at a given place leaves the file's position alone, which spares the
// kernel its lock once a second thread shares the descriptors.
long system_read_start(int handle, char* into, std::size_t count) {
    return ::syscall(SYS_pread64, handle, into, count, 0);
}
int system_close(int handle) { return static_cast<int>(::syscall(SYS_close, handle)); }
#else
int system_open_read(const char* path) { return ::open(path, O_RDONLY | O_CLOEXEC); }
long system_read(int handle, char* into, std::size_t count) { return ::read(handle, into, count); }
long system_read_start(int handle, char* into, std::size_t count) { return ::read(handle, into, count); }
int system_close(int handle) { return ::close(handle); }
#endif
#endif

}  // namespace rowcard
