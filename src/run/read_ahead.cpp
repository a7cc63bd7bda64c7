// Templates read ahead of the cards by a second thread, a batch at a time,
// through io_uring or plain calls, so that their system calls overlap the
// filling of the cards. It must give what `write_card` gives card by card: the
// end-to-end tests run every case through it, through plain reads, and on
// tables just short of and just past the first full batch.
#include "run/read_ahead.hpp"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "record/record.hpp"
#include "run/cards.hpp"
#include "text/read_batch.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

// Batches in turn: while the templates of one are read, the records of the
// next are taken and the cards of the one before are written. They take
// turns, so the other of batch `current` is `current ^ 1`.
constexpr std::size_t BATCHES = 2;

// Accepted records waiting for their cards, and the reads of their templates.
struct waiting_batch {
    read_batch reads;
    std::array<record_values, BATCH_READS> records;
    bool read = true;  // no read of it is outstanding; guarded by the mailbox's lock
};

// What the run shares with the thread that reads templates ahead: the batches
// handed to it, oldest first, and whether the run has done with it, guarded by
// `lock`; and what only the reading thread touches while it runs.
struct read_mailbox {
    std::mutex lock;
    std::condition_variable changed;
    std::array<waiting_batch*, BATCHES> handed{};
    std::size_t count = 0;
    bool finished = false;
    template_reads reads = template_reads::batched;  // whether to try a ring
    ring_faults faults;                               // the tests' failures for it
    batch_ring* ring = nullptr;
    bool broken = false;  // something was thrown while reading: no more reads are made
};

// The reading thread's mailbox and the batches it reads.
struct read_ahead {
    read_mailbox mailbox;
    std::array<waiting_batch, BATCHES> batches;
};

// Makes the reads of `batch`, on the reading thread. After anything thrown
// (memory ran out), this batch and every later one is left with no read
// whole, so that the run reads those templates itself; the ring is closed,
// and rooms it may have been writing into are never used again.
void make_reads(read_mailbox& mailbox, waiting_batch& batch) {
    if (!mailbox.broken) {
        try {
            run_reads(batch.reads, mailbox.ring);
            return;
        } catch (...) {
            mailbox.broken = true;
            close_ring(mailbox.ring);
        }
    }
    std::fill_n(batch.reads.whole.begin(), batch.reads.queued, false);
}

// Sets up the reading thread's ring, when the run asks for one; where memory
// runs out, the thread goes without and reads with plain calls.
void start_ring(read_mailbox& mailbox) {
    if (mailbox.reads != template_reads::batched) return;
    try {
        mailbox.ring = open_ring();
    } catch (...) {
        mailbox.ring = nullptr;
    }
    inject_ring_faults(mailbox.ring, mailbox.faults);
}

// The reading thread: sets up the ring while the run takes the next records,
// then makes the reads of each batch handed over, in turn, until the run has
// done with it and none is left.
void read_handed(read_mailbox& mailbox) {
    start_ring(mailbox);
    std::unique_lock<std::mutex> hold(mailbox.lock);
    for (;;) {
        while (mailbox.count == 0 && !mailbox.finished) mailbox.changed.wait(hold);
        if (mailbox.count == 0) return;
        waiting_batch& batch = *mailbox.handed[0];
        hold.unlock();
        make_reads(mailbox, batch);
        hold.lock();
        mailbox.handed[0] = mailbox.handed[1];
        mailbox.handed[1] = nullptr;
        --mailbox.count;
        batch.read = true;
        mailbox.changed.notify_all();
    }
}

// Hands `batch`, whose records are all taken, to the reading thread.
void hand_over(read_mailbox& mailbox, waiting_batch& batch) {
    const std::lock_guard<std::mutex> hold(mailbox.lock);
    batch.read = false;
    mailbox.handed[mailbox.count++] = &batch;
    mailbox.changed.notify_all();
}

// Waits until the reads of `batch` are made, then writes its cards in order
// and empties it. A card whose read the batch could not vouch for is read
// again with plain calls, which decide what it gets.
void write_batch(text_writer& output, waiting_batch& batch, read_mailbox& mailbox, card_buffers& card,
                 run_faults& faults) {
    {
        std::unique_lock<std::mutex> hold(mailbox.lock);
        while (!batch.read) mailbox.changed.wait(hold);
    }
    const read_batch& reads = batch.reads;
    for (std::size_t i = 0; i < reads.queued; ++i) {
        if (reads.whole[i]) {
            write_whole(output, read_result(reads, i), batch.records[i], card);
        } else {
            write_card(output, batch.records[i], card, faults);
        }
    }
    batch.reads.queued = 0;
}

// Takes the rest of `table` a batch at a time: while the templates of one
// batch are read, the records of the next are taken and the cards of the one
// before written.
void convert_rest(text_reader& table, const conversion_settings& settings, text_writer& output, read_ahead& ahead,
                  card_buffers& card, run_faults& faults, std::string& line) {
    read_mailbox& mailbox = ahead.mailbox;
    std::size_t current = 0;  // the batch being filled; the other is handed over, or empty
    while (!output.failed && read_line(table, line)) {
        waiting_batch& batch = ahead.batches[current];
        if (!take_record(line, settings, batch.records[batch.reads.queued])) continue;
        if (++batch.reads.queued < batch.reads.capacity) continue;
        hand_over(mailbox, batch);
        write_batch(output, ahead.batches[current ^ 1], mailbox, card, faults);
        current ^= 1;
    }
    waiting_batch& last = ahead.batches[current];
    if (last.reads.queued > 0) hand_over(mailbox, last);
    write_batch(output, ahead.batches[current ^ 1], mailbox, card, faults);
    if (last.reads.queued > 0) write_batch(output, last, mailbox, card, faults);
}

// Tells the reading thread that the run has done with it, waits until it has
// made the reads handed to it and ended, and closes the ring.
void stop_reading(read_mailbox& mailbox, std::thread& reading) {
    {
        const std::lock_guard<std::mutex> hold(mailbox.lock);
        mailbox.finished = true;
        mailbox.changed.notify_all();
    }
    reading.join();
    close_ring(mailbox.ring);
}

}  // namespace

bool convert_read_ahead(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults, template_reads reads, const ring_faults& ring_faults) {
    const std::size_t size = card.template_size;
    if (size == 0 || size > BATCH_FILE_MAX) return false;
    // A table that ends within its first batch of accepted records is too
    // short to pay for starting a thread and a ring, as most tables are: those
    // cards are written one by one, through the run's own record.
    const std::size_t capacity = batch_capacity(size);
    std::string line;
    for (std::size_t taken = 0; taken < capacity;) {
        if (output.failed || !read_line(table, line)) return true;
        if (!take_record(line, settings, card.values)) continue;
        write_card(output, card.values, card, faults);
        ++taken;
    }
    auto ahead = std::make_unique<read_ahead>();
    for (waiting_batch& batch : ahead->batches) prepare_batch(batch.reads, TEMPLATE_NAME, size);
    read_mailbox& mailbox = ahead->mailbox;
    mailbox.reads = reads;
    mailbox.faults = ring_faults;
    std::thread reading;
    try {
        reading = std::thread(read_handed, std::ref(mailbox));
    } catch (const std::system_error&) {
        return false;
    }
    // The thread is always told to end and waited for, even when memory runs out.
    try {
        convert_rest(table, settings, output, *ahead, card, faults, line);
    } catch (...) {
        stop_reading(mailbox, reading);
        throw;
    }
    stop_reading(mailbox, reading);
    return true;
}

}  // namespace rowcard
