// The choice between plain calls and the ring for the reading thread: a look
// times both ways a few rounds, the cheaper is kept, and a new look follows
// after LOOK_AGAIN reads.
#include "run/read_choice.hpp"

namespace rowcard {
namespace {

// True when both ways have had their trial rounds at this look.
bool look_done(const read_choice& choice) {
    return choice.plain.rounds >= TRIAL_ROUNDS && choice.ring.rounds >= TRIAL_ROUNDS;
}

}  // namespace

read_way next_way(const read_choice& choice) {
    if (!look_done(choice)) return choice.ring.rounds <= choice.plain.rounds ? read_way::ring : read_way::plain;
    return choice.ring.best_per_read < choice.plain.best_per_read ? read_way::ring : read_way::plain;
}

std::size_t round_reads(const read_choice& choice, read_way way, std::size_t waiting) {
    if (way == read_way::plain && !look_done(choice) && waiting > PLAIN_TRIAL_READS) return PLAIN_TRIAL_READS;
    return waiting;
}

void note_round(read_choice& choice, read_way way, std::size_t reads, std::uint64_t nanoseconds) {
    if (reads == 0) return;
    if (look_done(choice)) {
        choice.reads_since_look += reads;
        if (choice.reads_since_look >= LOOK_AGAIN) choice = read_choice{};
        return;
    }
    way_timing& timing = way == read_way::ring ? choice.ring : choice.plain;
    const std::uint64_t per_read = nanoseconds / reads;
    if (timing.rounds == 0 || per_read < timing.best_per_read) timing.best_per_read = per_read;
    ++timing.rounds;
}

}  // namespace rowcard
