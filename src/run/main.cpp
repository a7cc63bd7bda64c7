// The rowcard executable: arguments and environment are ignored.
#include <cstdlib>  // names the C library, so that glibc can be told apart
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "run/run.hpp"

int main() {
#if defined(__GLIBC__)
    // The reading thread allocates next to nothing, yet glibc would reserve
    // it a heap of its own, 64 MiB of address space, at its first allocation:
    // under a memory limit that race could fail a run that fits in one heap.
    constexpr int HEAPS = 1;
    mallopt(M_ARENA_MAX, HEAPS);
#endif
    return rowcard::run_conversion();
}
