// The rule that picks, from what each cost lately, whether the reading thread
// reads the templates with plain calls or through the kernel's ring: where a
// system call is cheap, plain calls win; where it is dear (a virtual machine
// that isolates page tables, a tracer), the ring's one call per round does.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rowcard {

// Rounds timed each way at every look: the cheapest read of them counts, so
// that a ring's first round, which starts the kernel's workers, or a round
// the scheduler cut, does not decide alone.
inline constexpr unsigned TRIAL_ROUNDS = 2;
// Most reads of a plain round timed at a look: a plain read costs the same in
// a round of any size, and where plain calls are dear the look then costs a
// quarter of a ring's round of them.
inline constexpr std::size_t PLAIN_TRIAL_READS = 16;
// Reads made between two looks: a machine's load changes, so the way not
// taken is timed again now and then. A look costs far more than its few
// reads (measured on a host whose calls are dear: looks every 16,384 reads
// made a 2,000,000-row run 10% slower than the ring alone; every 262,144, none).
inline constexpr std::size_t LOOK_AGAIN = 256 * 1024;

// The two ways of reading.
enum class read_way { plain, ring };

// What one way cost at the current look.
struct way_timing {
    unsigned rounds = 0;             // rounds timed since the look began
    std::uint64_t best_per_read = 0; // least nanoseconds per read of those rounds
};

// The reading thread's choice between the two ways, and what it rests on.
struct read_choice {
    way_timing plain;
    way_timing ring;
    std::size_t reads_since_look = 0;  // reads made since the look ended
};

// Returns the way the next round takes: while a look lasts, the way timed in
// fewer rounds (the ring first); then the cheaper per read, plain calls where
// the two cost the same.
read_way next_way(const read_choice& choice);

// Returns how many of the `waiting` reads the next round, made `way`, takes:
// all of them but while a look times plain calls, PLAIN_TRIAL_READS at most.
std::size_t round_reads(const read_choice& choice, read_way way, std::size_t waiting);

// Notes a round of `reads` reads (0: nothing noted) made `way` in
// `nanoseconds`. After LOOK_AGAIN reads past a look's end a new look begins.
void note_round(read_choice& choice, read_way way, std::size_t reads, std::uint64_t nanoseconds);

}  // namespace rowcard
