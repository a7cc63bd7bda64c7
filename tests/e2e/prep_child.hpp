// End-to-end helper for rowcard-prep on POSIX systems: a run started as a
// child process under a system limit, and its end awaited.
#pragma once

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/prep_fixture.hpp"

// Sanitized builds run several times slower, and reserve more address space
// than any limit a test can set.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROWCARD_SANITIZED 1
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define ROWCARD_SANITIZED 1
#endif

namespace rowcard::testing {

// A system limit set on a child process: which one, and its value.
struct child_limit {
    int resource = -1;  // none
    rlim_t value = 0;
};

// A rowcard-prep process started by `start_prep`.
struct child {
    pid_t pid = -1;
    int errors = -1;  // the reading end of its standard error
};

// Starts rowcard-prep with `arguments` in `folder`, under `limit`, with the
// termination signals at their defaults.
inline child start_prep(const fs::path& folder, std::vector<std::string> arguments, child_limit limit = {}) {
    arguments.insert(arguments.begin(), testing::prep_binary());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::string folder_name = folder.string();
    int errors[2];
    if (pipe(errors) != 0) return {};
    const pid_t pid = fork();
    if (pid != 0) {
        close(errors[1]);
        return {pid, errors[0]};
    }
    if (chdir(folder_name.c_str()) != 0) _exit(127);
    dup2(open("/dev/null", O_RDWR), 0);
    dup2(open("/dev/null", O_RDWR), 1);
    dup2(errors[1], 2);
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) signal(sig, SIG_DFL);
    // A write past a file-size limit then fails, as on a full disk, instead of ending the process.
    signal(SIGXFSZ, SIG_IGN);
    if (limit.resource >= 0) {
        const rlimit value{limit.value, limit.value};
        setrlimit(limit.resource, &value);
    }
    execv(argv[0], argv.data());
    _exit(127);
}

// Waits for `process` to end; returns its raw wait status, and what it wrote
// on standard error in `errors`.
inline int wait_for(const child& process, std::string& errors) {
    char block[4096];
    errors.clear();
    for (ssize_t got; (got = read(process.errors, block, sizeof block)) != 0;) {
        if (got > 0) errors.append(block, static_cast<std::size_t>(got));
        if (got < 0 && errno != EINTR) break;
    }
    close(process.errors);
    int status = 0;
    while (waitpid(process.pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace rowcard::testing
#endif
