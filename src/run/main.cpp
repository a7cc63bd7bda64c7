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
    mallopt(M_ARENA_MAX, 1);
#endif
    return rowcard::run_conversion();
}
