// Templates read ahead of the cards by a second thread, through io_uring or
// plain calls, whichever the thread finds cheaper (see read_choice.hpp), so
// that their system calls overlap the taking of records and the filling of
// cards. It must give what `write_card` gives card by card: the end-to-end
// tests run every case through it, forced to plain reads and to the ring, and
// on tables just short of and just past the point where the thread starts.
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

// The slots the run and the reading thread pass along, in a circle: the run
// takes a record into the next free slot, the reading thread reads the
// template for each taken slot, and the run writes each read slot's card, all
// in table order. Counts run from the start and never wrap; slot `n` is
// `n % reads.capacity`.
struct read_ahead {
    read_batch reads;                                // the rooms and what each read gave
    std::array<record_values, BATCH_READS> records;  // the record in each slot
    // Each count on a cache line of its own, where no other thread writes.
    alignas(CACHE_LINE) std::atomic<std::size_t> taken{0};  // records taken: the run's count
    alignas(CACHE_LINE) std::atomic<std::size_t> made{0};   // reads made: the reading thread's count
    alignas(CACHE_LINE) std::atomic<bool> finished{false};  // the run takes no more records
    std::atomic<bool> placed{false};                 // the run has placed the thread apart
    std::mutex lock;                                 // held only to fall asleep or wake one
    std::condition_variable changed;
    sleeper run;
    sleeper reader;
    template_reads how = template_reads::measured;  // whether to try a ring, and to time it
    ring_faults faults;                             // the tests' failures for it
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

// Makes the reads of slots from `from` on the reading thread, up to `count`
// of them, as one round: through the ring or with plain calls, as `choice`
// says from the rounds it timed (the ring always where the tests ask for it;
// plain calls where there is none), and times the round for it. Returns the
// reads made, each slot's mark set from this round's read alone.
std::size_t make_round(read_ahead& ahead, batch_ring*& ring, read_choice& choice, std::size_t from,
                       std::size_t count) {
    batch_ring* none = nullptr;
    if (ring == nullptr) {
        run_reads(ahead.reads, none, from, count);
        return count;
    }
    const read_way way = ahead.how == template_reads::ring ? read_way::ring : next_way(choice);
    count = round_reads(choice, way, count);
    const auto start = std::chrono::steady_clock::now();
    run_reads(ahead.reads, way == read_way::ring ? ring : none, from, count);
    const auto took = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start);
    note_round(choice, way, count, static_cast<std::uint64_t>(took.count()));
    return count;
}

// Sets up the reading thread's ring, when the run asks for one; where memory
// runs out, the thread goes without and reads with plain calls.
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

// The reading thread: reads the template for every slot the run has taken,
// in order, as many at once as are waiting (up to a ring's round, and never
// past the end of the circle), until the run has finished and none is left.
// It allocates nothing: a thread's first allocation makes the C library
// reserve it an arena of 64 MiB of address space, which under a limit on
// that space took the room a long row needed.
void read_taken(read_ahead& ahead) {
    batch_ring* ring = ahead.ring;
    read_choice choice;
    bool freed = false;
    const std::size_t capacity = ahead.reads.capacity;
    for (std::size_t made = 0;;) {
        // Freed only once placed: the other way round it would stay pinned.
        if (!freed && ahead.placed) {
            free_placement();
            freed = true;
        }
        wait_past(ahead, ahead.reader, ahead.taken, made, true);
        const std::size_t taken = ahead.taken.load();
        if (taken == made) break;
        const std::size_t slot = made % capacity;
        // Plain reads too are handed over a ring's round at a time: the two
        // threads then seldom work on one cache line of results at once.
        made += make_round(ahead, ring, choice, slot, std::min({taken - made, RING_READS, capacity - slot}));
        ahead.made = made;
        wake(ahead, ahead.run);
    }
    close_ring(ring);
}

// Writes the card of slot count `written`, once its read is made: from the
// bytes read ahead, or, where that read could not vouch for them, from a read
// of its own with plain calls, which decides what went wrong.
void write_slot(text_writer& output, read_ahead& ahead, std::size_t written, card_buffers& card, run_faults& faults) {
    wait_past(ahead, ahead.run, ahead.made, written, false);
    const std::size_t slot = written % ahead.reads.capacity;
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
                  card_buffers& card, run_faults& faults, std::string& line) {
    const std::size_t capacity = ahead.reads.capacity;
    std::size_t taken = 0;
    std::size_t written = 0;
    while (!output.failed && read_line(table, line)) {
        if (taken - written == capacity) write_slot(output, ahead, written++, card, faults);
        if (!take_record(line, settings, ahead.records[taken % capacity])) continue;
        ahead.taken = ++taken;
        wake(ahead, ahead.reader);
        for (const std::size_t made = ahead.made.load(); written < made;) {
            write_slot(output, ahead, written++, card, faults);
        }
    }
    ahead.finished = true;
    wake(ahead, ahead.reader);
    while (written < taken) write_slot(output, ahead, written++, card, faults);
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
    std::thread reading;
    try {
        reading = std::thread(read_taken, std::ref(*ahead));
    } catch (const std::system_error&) {
        close_ring(ahead->ring);
        return false;
    }
    place_apart(reading);
    ahead->placed = true;
    // The thread is always told to end and waited for, even when memory runs out.
    try {
        convert_rest(table, settings, output, *ahead, card, faults, line);
    } catch (...) {
        stop_reading(*ahead, reading);
        throw;
    }
    stop_reading(*ahead, reading);
    return true;
}

}  // namespace rowcard
