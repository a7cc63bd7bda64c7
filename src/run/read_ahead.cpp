// Templates read ahead of the cards by a second thread, through io_uring or
// plain calls, whichever the thread finds cheaper (see read_choice.hpp), so
// that their system calls overlap the taking of records and the filling of
// cards; the run makes rounds too where it would otherwise wait. It must give
// what `write_card` gives card by card: the end-to-end tests run every case
// through it, forced to plain reads and to the ring, and on tables just short
// of and just past the point where the thread starts.
#include "run/read_ahead.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "record/record.hpp"
#include "run/cards.hpp"
#include "run/read_choice.hpp"
#include "text/read_batch.hpp"
#include "text/system.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

// Accepted records whose cards are written one by one before the run looks
// whether the rest of the table is long enough to pay for a reading thread:
// enough rows to judge a row's length by, few because each is read with plain
// calls (where a call is dear, 64 of them made 5,000 rows 1.05 times the
// batched floor; 8, 0.87).
constexpr std::size_t FIRST_LOOK = 8;
// The rest of a table is long enough when it holds this many times the bytes
// of those first records, some 1,000 rows more: below that, on two cores, the
// thread's start costs about what it saves.
constexpr std::size_t LONG_TABLE = 128;
// Looks a waiting thread takes at the other's count before it gives its
// processor away: a microsecond or so.
constexpr unsigned SPIN_LOOKS = 1U << 10U;
// Turns a waiting thread then gives its processor away before it sleeps, some
// hundred microseconds: the run waits a ring's round of 64 reads at a time,
// and a wake costs the reading thread a system call and the sleeper tens of
// microseconds (waits an eighth as long made 200,000 rows 9% slower). A turn,
// unlike a look, lets the other thread run at once where the two share a
// processor (beside a busy program, 5,000 rows took 1.51 times the floor
// spinning, 1.36 turning).
constexpr unsigned YIELD_TURNS = 256;

// Bytes of a cache line on the processors this runs on: a count one thread
// writes and the other reads has one to itself.
constexpr std::size_t CACHE_LINE = 64;

// One waiting thread's side of the hand-over: whether it sleeps, for the other
// to wake it. The run and the reading thread each have one.
struct sleeper {
    std::atomic<bool> asleep{false};
};

// One thread's way of making reads: its own ring (each ring's direct
// descriptors are its own) and what its rounds cost each way.
struct read_side {
    batch_ring* ring = nullptr;
    read_choice choice;
};

// The slots the run and the reading thread pass along, in a circle: the run
// takes a record into the next free slot, the reading thread reads the
// template for each taken slot, and the run writes each read slot's card, all
// in table order. A round of reads is claimed before it is made, by the
// reading thread or, where it would otherwise wait, by the run, so that both
// processors share the kernel's work. Counts run from the start and never
// wrap; slot `n` is `n % reads.capacity`.
struct read_ahead {
    read_batch reads;                                // the rooms and what each read gave
    std::array<record_values, BATCH_READS> records;  // the record in each slot
    // Each count on a cache line of its own, where no other thread writes.
    alignas(CACHE_LINE) std::atomic<std::size_t> taken{0};    // records taken: the run's count
    alignas(CACHE_LINE) std::atomic<std::size_t> claimed{0};  // reads claimed by either thread
    alignas(CACHE_LINE) std::atomic<bool> finished{false};    // the run takes no more records
    // In each slot, one more than the count of the last read made there.
    alignas(CACHE_LINE) std::array<std::atomic<std::size_t>, BATCH_READS> done{};
    std::atomic<bool> placed{false};                 // the run has placed the thread apart
    std::mutex lock;                                 // held only to fall asleep or wake one
    std::condition_variable changed;
    sleeper run;
    sleeper reader;
    template_reads how = template_reads::measured;  // whether to try a ring, and to time it
    ring_faults faults;                             // the tests' failures for the rings
    batch_ring* ring = nullptr;                     // set up by the run, used and closed by the reading thread
};

// Returns whether the count the waiter waits on has passed `seen` (or, for the
// reading thread, the run has finished).
bool passed(const read_ahead& ahead, const std::atomic<std::size_t>& count, std::size_t seen, bool until_finished) {
    return count.load() > seen || (until_finished && ahead.finished.load());
}

// Waits until `count` passes `seen` (or, with `until_finished`, the run has
// finished): spins a while, then gives its processor away a while, then
// sleeps until the other thread wakes it.
void wait_past(read_ahead& ahead, sleeper& self, const std::atomic<std::size_t>& count, std::size_t seen,
               bool until_finished) {
    for (unsigned look = 0; look < SPIN_LOOKS; ++look) {
        if (passed(ahead, count, seen, until_finished)) return;
    }
    // Waiting for a ring's round too: a sleeping run costs the reading thread,
    // the busier one, a wake after every round (sleeping at once through
    // rounds made 2,000,000 rows 1.15 times the batched floor on a host of
    // dear calls; turning, 0.88).
    for (unsigned turn = 0; turn < YIELD_TURNS; ++turn) {
        std::this_thread::yield();
        if (passed(ahead, count, seen, until_finished)) return;
    }
    std::unique_lock<std::mutex> hold(ahead.lock);
    // Said before looking again: the other thread changes the count before it
    // looks whether to wake, so one of the two always sees the other.
    self.asleep = true;
    while (!passed(ahead, count, seen, until_finished)) ahead.changed.wait(hold);
    self.asleep = false;
}

// Wakes the other thread if it sleeps, after its count has been changed.
void wake(read_ahead& ahead, const sleeper& other) {
    if (!other.asleep.load()) return;
    const std::lock_guard<std::mutex> hold(ahead.lock);
    ahead.changed.notify_all();
}

// Makes reads [from, from + count) of the circle as one round, `way` (plain
// calls where `side` has no ring), and times the round for the side's choice.
void make_round(read_ahead& ahead, read_side& side, read_way way, std::size_t from, std::size_t count) {
    batch_ring* none = nullptr;
    if (side.ring == nullptr) {
        run_reads(ahead.reads, none, from, count);
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    run_reads(ahead.reads, way == read_way::ring ? side.ring : none, from, count);
    const auto took = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start);
    note_round(side.choice, way, count, static_cast<std::uint64_t>(took.count()));
}

// Claims the oldest taken reads no thread has claimed, a round's worth at
// most and never past the end of the circle, makes them the way the side's
// choice says (the ring always where the tests ask for it), and marks each
// slot's read done. Returns false, having done nothing, when none is waiting.
bool read_round(read_ahead& ahead, read_side& side) {
    const std::size_t capacity = ahead.reads.capacity;
    std::size_t from = ahead.claimed.load();
    std::size_t count = 0;
    read_way way = read_way::plain;
    do {
        const std::size_t taken = ahead.taken.load();
        if (taken == from) return false;
        count = std::min({taken - from, RING_READS, capacity - from % capacity});
        if (side.ring != nullptr) {
            way = ahead.how == template_reads::ring ? read_way::ring : next_way(side.choice);
            count = round_reads(side.choice, way, count);
        }
    } while (!ahead.claimed.compare_exchange_weak(from, from + count));
    make_round(ahead, side, way, from % capacity, count);
    for (std::size_t n = from; n < from + count; ++n) ahead.done[n % capacity] = n + 1;
    return true;
}

// Sets up a thread's ring, when the run asks for one; where memory runs out,
// the thread goes without and reads with plain calls.
batch_ring* start_ring(const read_ahead& ahead) {
    if (ahead.how == template_reads::plain) return nullptr;
    batch_ring* ring = nullptr;
    try {
        ring = open_ring();
    } catch (...) {
        ring = nullptr;
    }
    inject_ring_faults(ring, ahead.faults);
    return ring;
}

// The reading thread: reads the template for every slot taken and not yet
// claimed, in order, as many at once as are waiting (see `read_round`),
// until the run has finished and none is left. It allocates nothing: a
// thread's first allocation makes the C library reserve it an arena of 64 MiB
// of address space, which under a limit on that space took the room a long
// row needed.
void read_taken(read_ahead& ahead) {
    read_side side{ahead.ring, {}};
    bool freed = false;
    for (;;) {
        // Freed only once placed: the other way round it would stay pinned.
        if (!freed && ahead.placed) {
            free_placement();
            freed = true;
        }
        if (read_round(ahead, side)) {
            wake(ahead, ahead.run);
            continue;
        }
        const std::size_t claimed = ahead.claimed.load();
        if (ahead.finished && ahead.taken == claimed) break;
        wait_past(ahead, ahead.reader, ahead.taken, claimed, true);
    }
    close_ring(side.ring);
}

// True when the read of slot count `written` is done.
bool read_done(const read_ahead& ahead, std::size_t written) {
    return ahead.done[written % ahead.reads.capacity].load() > written;
}

// Writes the card of slot count `written`, once its read is done: rounds
// still unclaimed the run reads itself meanwhile, rather than wait. The card
// comes from the bytes read ahead, or, where that read could not vouch for
// them, from a read of its own with plain calls, which decides what went wrong.
void write_slot(text_writer& output, read_ahead& ahead, read_side& side, std::size_t written, card_buffers& card,
                run_faults& faults) {
    const std::size_t slot = written % ahead.reads.capacity;
    while (!read_done(ahead, written) && read_round(ahead, side)) {
    }
    wait_past(ahead, ahead.run, ahead.done[slot], written, false);
    if (ahead.reads.whole[slot]) {
        write_whole(output, read_result(ahead.reads, slot), ahead.records[slot], card);
    } else {
        write_card(output, ahead.records[slot], card, faults);
    }
}

// Takes the rest of `table` into slots, handing each to the reading thread,
// and writes every card whose read is made as it goes; when every slot is
// taken, waits for the oldest. Ends by writing every card left.
void convert_rest(text_reader& table, const conversion_settings& settings, text_writer& output, read_ahead& ahead,
                  read_side& side, card_buffers& card, run_faults& faults, std::string& line) {
    const std::size_t capacity = ahead.reads.capacity;
    std::size_t taken = 0;
    std::size_t written = 0;
    while (!output.failed && read_line(table, line)) {
        if (taken - written == capacity) write_slot(output, ahead, side, written++, card, faults);
        if (!take_record(line, settings, ahead.records[taken % capacity])) continue;
        ahead.taken = ++taken;
        wake(ahead, ahead.reader);
        while (written < taken && read_done(ahead, written)) write_slot(output, ahead, side, written++, card, faults);
    }
    ahead.finished = true;
    wake(ahead, ahead.reader);
    while (written < taken) write_slot(output, ahead, side, written++, card, faults);
}

// Tells the reading thread that the run has done with it and waits until it
// has ended.
void stop_reading(read_ahead& ahead, std::thread& reading) {
    ahead.finished = true;
    wake(ahead, ahead.reader);
    reading.join();
}

// True when what is left of `table`, whose records so far began at byte
// `from` of its block, is long (see LONG_TABLE). A full block, or one read
// since, means a megabyte of rows and more.
bool long_table(const text_reader& table, std::size_t from) {
    if (table.end == table.block.size() || table.next < from) return true;
    return table.end - table.next >= LONG_TABLE * (table.next - from);
}

}  // namespace

bool convert_read_ahead(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults, template_reads reads, const ring_faults& ring_faults) {
    const std::size_t size = card.template_size;
    if (size == 0 || size > BATCH_FILE_MAX || usable_processors() < 2) return false;
    std::string line;
    const std::size_t from = table.next;
    for (std::size_t taken = 0; taken < FIRST_LOOK;) {
        if (output.failed || !read_line(table, line)) return true;
        if (!take_record(line, settings, card.values)) continue;
        write_card(output, card.values, card, faults);
        ++taken;
    }
    if (!long_table(table, from)) return false;
    auto ahead = std::make_unique<read_ahead>();
    prepare_batch(ahead->reads, TEMPLATE_NAME, size);
    ahead->how = reads;
    ahead->faults = ring_faults;
    ahead->ring = start_ring(*ahead);
    read_side own{start_ring(*ahead), {}};
    std::thread reading;
    try {
        reading = std::thread(read_taken, std::ref(*ahead));
    } catch (const std::system_error&) {
        close_ring(ahead->ring);
        close_ring(own.ring);
        return false;
    }
    place_apart(reading);
    ahead->placed = true;
    // The thread is always told to end and waited for, even when memory runs out.
    try {
        convert_rest(table, settings, output, *ahead, own, card, faults, line);
    } catch (...) {
        stop_reading(*ahead, reading);
        close_ring(own.ring);
        throw;
    }
    stop_reading(*ahead, reading);
    close_ring(own.ring);
    return true;
}

}  // namespace rowcard
