// rowcard-prep's system pieces: the termination signals held back while files
// are written, and let through afterwards.
#include <gtest/gtest.h>

#include "prep/os.hpp"

#ifndef _WIN32
#include <csignal>

namespace rowcard {
namespace {

// What a person or the system sends to stop a run.
constexpr int STOPS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Signals that reached the handler below; a handler can only count through a global.
volatile std::sig_atomic_t delivered = 0;

extern "C" void count_signal(int) { delivered = delivered + 1; }

// Returns true when `sig` is blocked in this thread.
bool blocked(int sig) {
    sigset_t mask;
    sigprocmask(SIG_BLOCK, nullptr, &mask);
    return sigismember(&mask, sig) == 1;
}

TEST(PrepSignals, EachStopWaitsForTheReleaseAndAnEarlierBlockStays) {
    struct sigaction counting {};
    counting.sa_handler = count_signal;
    struct sigaction before[std::size(STOPS)];
    for (std::size_t k = 0; k < std::size(STOPS); ++k) sigaction(STOPS[k], &counting, &before[k]);
    // The caller's own block on SIGHUP is not this code's to lift.
    sigset_t hangup;
    sigemptyset(&hangup);
    sigaddset(&hangup, SIGHUP);
    sigprocmask(SIG_BLOCK, &hangup, nullptr);

    delivered = 0;
    held_signals held;
    hold_signals(held);
    EXPECT_FALSE(signal_waiting(held));
    raise(SIGHUP);
    EXPECT_FALSE(signal_waiting(held));
    for (const int sig : {SIGINT, SIGTERM, SIGQUIT}) raise(sig);
    EXPECT_EQ(delivered, 0);
    EXPECT_TRUE(signal_waiting(held));
    release_signals(held);
    EXPECT_EQ(delivered, 3);
    EXPECT_TRUE(blocked(SIGHUP));
    EXPECT_FALSE(blocked(SIGTERM));

    sigprocmask(SIG_UNBLOCK, &hangup, nullptr);
    EXPECT_EQ(delivered, 4);
    for (std::size_t k = 0; k < std::size(STOPS); ++k) sigaction(STOPS[k], &before[k], nullptr);
}

}  // namespace
}  // namespace rowcard
#endif
