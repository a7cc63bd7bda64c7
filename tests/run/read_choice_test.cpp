// The choice between plain calls and the ring: a look times both, the cheaper
// way per read is kept, and the look comes again after 262,144 reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "run/read_choice.hpp"

namespace rowcard {
namespace {

// Times rounds of up to 64 reads the way `next_way` says and of the size
// `round_reads` says, at `plain` and `ring` nanoseconds per read, until
// `reads` reads are made; returns how many of them went through the ring.
std::size_t run_rounds(read_choice& choice, std::size_t reads, std::uint64_t plain, std::uint64_t ring) {
    std::size_t through_ring = 0;
    for (std::size_t made = 0; made < reads;) {
        const read_way way = next_way(choice);
        const std::size_t count = round_reads(choice, way, std::min<std::size_t>(64, reads - made));
        if (way == read_way::ring) through_ring += count;
        note_round(choice, way, count, count * (way == read_way::ring ? ring : plain));
        made += count;
    }
    return through_ring;
}

// A look times two rounds each way, the ring first and the two by turns
// (plain rounds of 16 reads at most), and then keeps the way whose cheapest
// round cost less per read.
TEST(ReadChoice, ALookTimesBothWaysThenKeepsTheCheaper) {
    read_choice choice;
    const read_way expected[] = {read_way::ring, read_way::plain, read_way::ring, read_way::plain};
    // A dear host: plain reads of 20 us, ring reads of 3 us, but the ring's
    // first round starts the kernel's workers and costs 50 us a read.
    const std::uint64_t costs[] = {50'000, 20'000, 3'000, 21'000};
    for (int round = 0; round < 4; ++round) {
        ASSERT_EQ(next_way(choice), expected[round]) << round;
        note_round(choice, expected[round], 64, 64 * costs[round]);
    }
    EXPECT_EQ(choice.ring.best_per_read, 3'000U);
    EXPECT_EQ(choice.plain.best_per_read, 20'000U);
    EXPECT_EQ(next_way(choice), read_way::ring);
    // A cheap host: plain reads of 1 us, ring reads of 1.2 us. The look's
    // plain rounds take 16 reads, its ring rounds all that wait.
    read_choice cheap;
    EXPECT_EQ(round_reads(cheap, read_way::plain, 64), 16U);
    EXPECT_EQ(round_reads(cheap, read_way::plain, 9), 9U);
    EXPECT_EQ(round_reads(cheap, read_way::ring, 64), 64U);
    EXPECT_EQ(run_rounds(cheap, 64 + 16 + 64 + 16, 1'000, 1'200), 64U * 2);
    EXPECT_EQ(round_reads(cheap, read_way::plain, 64), 64U);
    EXPECT_EQ(next_way(cheap), read_way::plain);
    EXPECT_EQ(run_rounds(cheap, 10'000, 1'000, 1'200), 0U);
    // The same cost both ways keeps plain calls; a round of no reads is no round.
    read_choice even;
    run_rounds(even, 64 + 16 + 64 + 16, 2'000, 2'000);
    note_round(even, read_way::ring, 0, 0);
    EXPECT_EQ(next_way(even), read_way::plain);
}

// Rounds of different sizes are weighed per read: 64 reads in 128 us beat 8
// reads in 24 us; a round of one read counts too.
TEST(ReadChoice, RoundsAreWeighedPerRead) {
    read_choice choice;
    note_round(choice, read_way::ring, 64, 128'000);
    note_round(choice, read_way::plain, 8, 24'000);
    note_round(choice, read_way::ring, 64, 200'000);
    note_round(choice, read_way::plain, 8, 30'000);
    EXPECT_EQ(choice.ring.best_per_read, 2'000U);
    EXPECT_EQ(choice.plain.best_per_read, 3'000U);
    EXPECT_EQ(next_way(choice), read_way::ring);
    // A round of one read counts like any other.
    read_choice single;
    note_round(single, read_way::ring, 1, 900);
    EXPECT_EQ(single.ring.rounds, 1U);
    EXPECT_EQ(single.ring.best_per_read, 900U);
}

// After 262,144 reads the way kept, a new look times both again, so that a
// change of the machine's load changes the way: plain calls while they are
// cheap, the ring once a tracer makes each system call dear.
TEST(ReadChoice, ALookComesAgainAfterAQuarterOfAMillionReads) {
    read_choice choice;
    EXPECT_EQ(run_rounds(choice, 64 + 16 + 64 + 16, 1'000, 1'500), 64U * 2);
    // 262,080 reads: the look is still the old one.
    EXPECT_EQ(run_rounds(choice, 262'080, 30'000, 2'000), 0U);
    EXPECT_EQ(next_way(choice), read_way::plain);
    // The 262,144th read ends it: the next look times the ring first.
    EXPECT_EQ(run_rounds(choice, 64, 30'000, 2'000), 0U);
    EXPECT_EQ(choice.plain.rounds, 0U);
    EXPECT_EQ(run_rounds(choice, 64 + 16 + 64 + 16, 30'000, 2'000), 64U * 2);
    EXPECT_EQ(next_way(choice), read_way::ring);
    EXPECT_EQ(run_rounds(choice, 8'000, 30'000, 2'000), 8'000U);
}

}  // namespace
}  // namespace rowcard
