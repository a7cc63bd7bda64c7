// Times programs side by side for scripts/bench.sh: round after round, each
// program once a round in turn, so that a busy machine slows all alike. Prints
// one line per timed run: LABEL ROUND WALL_US CPU_US PEAK_KIB, tab-separated.
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One program to time: its label and its command line.
struct program {
    std::string label;
    std::vector<char*> argv;  // null-terminated
};

// Runs `p` with its output thrown away and returns false when it could not be
// run or did not exit 0 or 1 (rowcard-check's "problems found"); fills the
// wall and processor microseconds and the peak resident KiB.
bool run_once(const program& p, long& wall_us, long& cpu_us, long& peak_kib) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDOUT_FILENO);
        execvp(p.argv[0], p.argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) return false;
    }
    const auto end = std::chrono::steady_clock::now();
    wall_us = static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(end - start).count());
    cpu_us = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    peak_kib = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) <= 1;
}

}  // namespace

// Usage: rowcard_bench_time RUNS [-r FILE]... -- LABEL COMMAND [ARGS...] [-- LABEL COMMAND ...]
// Each FILE is removed before every run, so that each starts as a first
// conversion does. One untimed round comes first, to warm the caches.
int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s RUNS [-r FILE]... -- LABEL COMMAND [ARGS...] [-- LABEL COMMAND ...]\n", argv[0]);
        return EXIT_FAILURE;
    }
    const long runs = std::strtol(argv[1], nullptr, 10);
    std::vector<const char*> removed;
    int at = 2;
    for (; at + 1 < argc && std::strcmp(argv[at], "-r") == 0; at += 2) removed.push_back(argv[at + 1]);
    std::vector<program> programs;
    for (; at < argc; ++at) {
        if (std::strcmp(argv[at], "--") == 0) {
            programs.emplace_back();
            continue;
        }
        if (programs.empty()) break;
        program& p = programs.back();
        if (p.label.empty()) {
            p.label = argv[at];
        } else {
            p.argv.push_back(argv[at]);
        }
    }
    if (runs < 1 || at < argc || programs.empty()) {
        std::fprintf(stderr, "rowcard_bench_time: bad arguments\n");
        return EXIT_FAILURE;
    }
    for (program& p : programs) p.argv.push_back(nullptr);
    for (long round = 0; round <= runs; ++round) {
        for (const program& p : programs) {
            for (const char* file : removed) unlink(file);
            long wall = 0, cpu = 0, peak = 0;
            if (!run_once(p, wall, cpu, peak)) {
                std::fprintf(stderr, "rowcard_bench_time: %s failed\n", p.label.c_str());
                return EXIT_FAILURE;
            }
            if (round > 0) std::printf("%s\t%ld\t%ld\t%ld\t%ld\n", p.label.c_str(), round, wall, cpu, peak);
        }
    }
    return EXIT_SUCCESS;
}
