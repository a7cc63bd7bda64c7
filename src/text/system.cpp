// The operating system's shared pieces: file identity through std::filesystem,
// the reading thread's processor, colour on a console, the console wait,
// which only Windows needs, and the last flush of standard output.
#include "text/system.hpp"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
// Older Windows headers lack the console mode that lets escape codes colour text.
#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif
#else
#include <unistd.h>
#endif
#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace rowcard {

namespace fs = std::filesystem;

bool same_file(const fs::path& a, const fs::path& b) {
    if (a.lexically_normal() == b.lexically_normal()) return true;
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

bool present(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

bool regular_file(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(fs::status(path, error)) && !error;
}

std::size_t usable_processors() {
#ifdef __linux__
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) return static_cast<std::size_t>(std::max(1, CPU_COUNT(&allowed)));
#endif
    return std::max(1U, std::thread::hardware_concurrency());
}

void place_apart(std::thread& thread) {
#ifdef __linux__
    cpu_set_t others;
    CPU_ZERO(&others);
    const int here = sched_getcpu();
    if (here < 0 || sched_getaffinity(0, sizeof others, &others) != 0) return;
    CPU_CLR(here, &others);
    // A failure only leaves the thread where the scheduler put it.
    if (CPU_COUNT(&others) > 0) pthread_setaffinity_np(thread.native_handle(), sizeof others, &others);
#else
    (void)thread;
#endif
}

void free_placement() {
#ifdef __linux__
    // The process's first thread keeps the set the process was given.
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(getpid(), sizeof allowed, &allowed) == 0) sched_setaffinity(0, sizeof allowed, &allowed);
#endif
}

bool colour_console() {
    if (std::getenv("NO_COLOR") != nullptr) return false;
#ifdef _WIN32
    if (_isatty(_fileno(stdout)) == 0) return false;
    const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) != 0 &&
           SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

void wait_if_own_console(std::FILE* prompt) {
#ifdef _WIN32
    // A console shared with no other process was opened for this one: it
    // closes as soon as the program ends. Room for two shows whether another shares it.
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) {
        std::fflush(stdout);
        std::fputs("Press Enter to close this window.", prompt);
        std::fflush(prompt);
        std::getchar();
    }
#else
    static_cast<void>(prompt);
#endif
}

bool close_standard_output() {
    // A write that failed may have left nothing for the flush to fail on: the
    // stream's error mark tells. The close may fail on its own, too.
    const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    return std::fclose(stdout) == 0 && written;
}

}  // namespace rowcard
