// The system calls behind rowcard-prep's safe writing, for POSIX systems and
// for Windows: the folder lock, pending files, and held-back signals.
#include "prep/os.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>

#include "text/system.hpp"
#include "text/text_file.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <atomic>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

namespace rowcard {

int process_number() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

std::string temporary_name(const std::string& name, int process, int k) {
    return name + ".prep-" + std::to_string(process) + "-" + std::to_string(k) + ".tmp";
}

// Reads all of `path` into `bytes`. Returns an empty string, or why it could not.
std::string read_whole(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return "it is a folder, not a file";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::strerror(errno);
    std::string block(READ_BLOCK, '\0');
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        bytes.append(block, 0, got);
        if (got < block.size()) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int saved = errno;
    std::fclose(file);
    return failed ? std::string("read error: ") + std::strerror(saved) : "";
}

namespace {

// Returns this run's `k`-th temporary name for `name`.
std::string own_temporary_name(const std::string& name, int k) { return temporary_name(name, process_number(), k); }

// Returns the handle of the new file `path`, opened for writing only if no
// file has that name yet, and kept from child processes; -1 with errno set
// when it cannot be made.
int open_exclusive(const std::string& path);

// Opens `file` under the first free temporary name beside `name`. Returns
// why none could be made; empty when `file` is open.
std::string create_named(pending_file& file, const std::string& name) {
    for (int k = 0; k < TEMPORARY_TRIES; ++k) {
        const std::string candidate = own_temporary_name(name, k);
        file.handle = open_exclusive(candidate);
        if (file.handle >= 0) {
            file.temporary = candidate;
            return "";
        }
        if (errno != EEXIST) return "cannot create " + name + ": " + std::strerror(errno);
    }
    return "no free temporary name beside " + name;
}

}  // namespace

#ifdef _WIN32

namespace {

// The lock is a file that no second process may open; the system deletes it
// when the process ends, however it ends.
constexpr const char* LOCK_NAME = "rowcard-prep.lock";

// The console's Ctrl-C handler runs on a thread of its own: this flag is how
// it tells the writing that a Ctrl-C came. The only state shared that way.
std::atomic<bool> control_c_came{false};

// Holds back Ctrl-C and Ctrl-Break while files are written; other events
// (the window closing) go on to the default handler.
BOOL WINAPI on_console_event(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    control_c_came = true;
    return TRUE;
}

int open_exclusive(const std::string& path) {
    return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

}  // namespace

lock_outcome lock_folder(folder_lock& lock) {
    const HANDLE file = CreateFileA(LOCK_NAME, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        lock.handle = reinterpret_cast<std::intptr_t>(file);
        return lock_outcome::held;
    }
    const DWORD error = GetLastError();
    // A lock file being deleted as its holder ends refuses access.
    const bool taken = error == ERROR_SHARING_VIOLATION ||
                       (error == ERROR_ACCESS_DENIED && GetFileAttributesA(LOCK_NAME) != INVALID_FILE_ATTRIBUTES);
    return taken ? lock_outcome::busy : lock_outcome::unsupported;
}

void unlock_folder(folder_lock& lock) {
    if (lock.handle == -1) return;
    CloseHandle(reinterpret_cast<HANDLE>(lock.handle));
    lock.handle = -1;
}

std::string create_pending(pending_file& file, const std::string& name) {
    file = pending_file{};
    return create_named(file, name);
}

bool write_pending(pending_file& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const int put = _write(file.handle, bytes.data(), static_cast<unsigned>(bytes.size()));
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool finish_pending(pending_file& file) {
    const bool synced = _commit(file.handle) == 0;
    const bool closed = _close(file.handle) == 0;
    file.handle = -1;
    return synced && closed;
}

std::string publish_pending(pending_file& file, const std::string& name) {
    if (!MoveFileExA(file.temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        discard_pending(file);
        return "cannot put " + name + " in place (Windows error " + std::to_string(GetLastError()) + ")";
    }
    file.temporary.clear();
    return "";
}

void discard_pending(pending_file& file) {
    if (file.handle >= 0) _close(file.handle);
    if (!file.temporary.empty()) DeleteFileA(file.temporary.c_str());
    file = pending_file{};
}

void hold_signals(held_signals& signals) {
    control_c_came = false;
    signals.active = SetConsoleCtrlHandler(on_console_event, TRUE) != 0;
}

bool signal_waiting(const held_signals& signals) { return signals.active && control_c_came; }

void release_signals(held_signals& signals) {
    if (!signals.active) return;
    SetConsoleCtrlHandler(on_console_event, FALSE);
    signals.active = false;
    // End as the Ctrl-C would have ended the process.
    if (control_c_came) ExitProcess(STATUS_CONTROL_C_EXIT);
}

#else

namespace {

// The signals that end a process by default and that a person or the system
// sends to stop it: the ones that must not cut a write in half.
constexpr int TERMINATION_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Returns the set of the termination signals whose bits are set in `which`.
sigset_t signal_set(unsigned which) {
    sigset_t set;
    sigemptyset(&set);
    for (unsigned k = 0; k < std::size(TERMINATION_SIGNALS); ++k) {
        if (which & (1u << k)) sigaddset(&set, TERMINATION_SIGNALS[k]);
    }
    return set;
}

int open_exclusive(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, NEW_FILE_MODE);
}

// Returns the folder that holds `name`: "." for a bare name.
std::string folder_of(const std::string& name) {
    const std::string folder = std::filesystem::path(name).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Gives the nameless file `handle`, which /proc shows as `self`, the name
// `path`. Returns false with errno set (EEXIST: the name is taken).
bool link_nameless(int handle, const std::string& self, const std::string& path) {
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    // Without /proc, a process with the right to do so links the handle itself.
    return errno == ENOENT && ::linkat(handle, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0;
}

}  // namespace

lock_outcome lock_folder(folder_lock& lock) {
    const int folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return lock_outcome::unsupported;
    if (::flock(folder, LOCK_EX | LOCK_NB) == 0) {
        lock.handle = folder;
        return lock_outcome::held;
    }
    const bool taken = errno == EWOULDBLOCK;
    ::close(folder);
    return taken ? lock_outcome::busy : lock_outcome::unsupported;
}

void unlock_folder(folder_lock& lock) {
    if (lock.handle < 0) return;
    const int folder = static_cast<int>(lock.handle);
    ::fsync(folder);
    ::close(folder);
    lock.handle = -1;
}

std::string create_pending(pending_file& file, const std::string& name) {
    file = pending_file{};
#ifdef O_TMPFILE
    // A file with no name vanishes with the process, even after kill -9. It
    // is made in the folder of `name`: a link cannot cross file systems.
    const std::string folder = folder_of(name);
    file.handle = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, NEW_FILE_MODE);
    if (file.handle >= 0) return "";
#endif
    return create_named(file, name);
}

bool write_pending(pending_file& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(file.handle, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool finish_pending(pending_file& file) {
    // Some file systems cannot sync; their writes were checked as they went.
    if (::fdatasync(file.handle) != 0 && errno != EINVAL) return false;
    if (file.temporary.empty()) return true;  // a nameless file stays open until it is linked
    const int closed = ::close(file.handle);
    file.handle = -1;
    return closed == 0 || errno == EINTR;
}

std::string publish_pending(pending_file& file, const std::string& name) {
    std::string why;
    if (file.temporary.empty()) {
        // A nameless file takes a free name with one link, all at once; a
        // link never replaces, so a taken name needs a temporary one first.
        const std::string self = "/proc/self/fd/" + std::to_string(file.handle);
        bool linked = link_nameless(file.handle, self, name);
        for (int k = 0; !linked && errno == EEXIST && k < TEMPORARY_TRIES; ++k) {
            if (link_nameless(file.handle, self, own_temporary_name(name, k))) file.temporary = own_temporary_name(name, k);
        }
        if (!linked && file.temporary.empty()) why = "cannot put " + name + " in place: " + std::strerror(errno);
        ::close(file.handle);
        file.handle = -1;
        if (linked || !why.empty()) return why;
    }
    if (::rename(file.temporary.c_str(), name.c_str()) != 0) {
        why = "cannot put " + name + " in place: " + std::strerror(errno);
        discard_pending(file);
        return why;
    }
    file.temporary.clear();
    return "";
}

void discard_pending(pending_file& file) {
    if (file.handle >= 0) ::close(file.handle);
    if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    file = pending_file{};
}

void hold_signals(held_signals& signals) {
    const unsigned all = (1u << std::size(TERMINATION_SIGNALS)) - 1;
    const sigset_t block = signal_set(all);
    sigset_t before;
    sigprocmask(SIG_BLOCK, &block, &before);
    signals.held = 0;
    for (unsigned k = 0; k < std::size(TERMINATION_SIGNALS); ++k) {
        if (sigismember(&before, TERMINATION_SIGNALS[k]) == 0) signals.held |= 1u << k;
    }
    signals.active = true;
}

bool signal_waiting(const held_signals& signals) {
    sigset_t waiting;
    if (!signals.active || sigpending(&waiting) != 0) return false;
    for (unsigned k = 0; k < std::size(TERMINATION_SIGNALS); ++k) {
        if ((signals.held & (1u << k)) && sigismember(&waiting, TERMINATION_SIGNALS[k]) == 1) return true;
    }
    return false;
}

void release_signals(held_signals& signals) {
    if (!signals.active) return;
    const sigset_t unblock = signal_set(signals.held);
    signals.active = false;
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
}

#endif

}  // namespace rowcard
