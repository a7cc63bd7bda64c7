// The conversion run: reads the settings, guards the inputs, converts every
// record of the table into a card and turns what went wrong into the exit status.
#include "run/run.hpp"

#include <array>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "config/config.hpp"
#include "record/record.hpp"
#include "run/file_order.hpp"
#include "template/template.hpp"
#include "text/text.hpp"

namespace rowcard {

// Returns the exit status for `faults`: the gravest fault decides.
int status_of(const run_faults& faults) {
    if (faults.write_failed) return STATUS_WRITE_FAILED;
    if (faults.no_output) return STATUS_NO_OUTPUT;
    if (faults.no_table) return STATUS_NO_TABLE;
    if (faults.read_error) return STATUS_READ_ERROR;
    if (faults.no_template) return STATUS_NO_TEMPLATE;
    return STATUS_DONE;
}

// True when `a` and `b` name one file: the same path written two ways, or one
// existing file reached through a link. Missing files are never the same.
bool same_file(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    if (fs::path(a).lexically_normal() == fs::path(b).lexically_normal()) return true;
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

// True when writing `output` would overwrite an input: the template, the table,
// or the settings file, which a link could make the output.
bool overwrites_input(const std::string& output, const std::string& table) {
    return same_file(output, TEMPLATE_NAME) || same_file(output, table) ||
           same_file(output, std::string(CONFIG_NAME));
}

namespace {

// Removes the file that `path` ended up naming, following a link, so that a file
// this run has just created and must not keep is gone again.
void remove_created(const std::string& path) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    std::filesystem::remove(error ? std::filesystem::path(path) : target, error);
}

// Storage that lives for the whole run, so that the per-record work reuses it.
struct card_buffers {
    text_reader master;  // the template, opened afresh for every card
    std::string line;    // the template line being filled
    fill_buffers fill;
    fill_plans plans;    // how each template line, and the whole card, fills
    // The last template read whole, and its lines as `read_line` gave them:
    // a card whose template reads the same bytes takes these lines, and the
    // card plan made of them, at once.
    bool master_known = false;
    std::string master_bytes;
    std::vector<std::string> master_lines;
    record_values values;  // the record being written, when templates are not read ahead
};

// Returns the lines of the template whose whole bytes are `bytes`. They, and
// the card plan, are worked out again only when the bytes differ from the last
// template's: comparing them is what lets every card trust its fresh read.
const std::vector<std::string>& template_lines(card_buffers& card, std::string_view bytes) {
    if (card.master_known && bytes == card.master_bytes) return card.master_lines;
    card.master_bytes.assign(bytes);
    card.master_lines.clear();
    text_reader copy;
    read_from_bytes(copy, bytes);
    skip_signature(copy);
    std::string line;
    while (read_line(copy, line)) card.master_lines.push_back(line);
    plan_card(card.plans, card.master_lines);
    card.master_known = true;
    return card.master_lines;
}

// Writes the card of `values` from the template read whole as `bytes`: at once
// when its card plan serves the values, else line by line.
void write_whole(text_writer& output, std::string_view bytes, const record_values& values, card_buffers& card) {
    const std::vector<std::string>& lines = template_lines(card, bytes);
    std::string_view filled;
    if (fill_card(values, card.plans, filled)) {
        write_bytes(output, filled);
        return;
    }
    // Once a write has failed nothing more reaches the output: filling the
    // rest of a runaway template would only burn time.
    for (std::size_t index = 0; !output.failed && index < lines.size(); ++index) {
        card.line.assign(lines[index]);
        fill_planned(card.line, index, values, card.plans, card.fill);
        write_text(output, card.line);
    }
    write_text(output, "\n");
}

// Writes one card, opening and reading the template with plain calls. A
// template that cannot be opened gives the line feed alone.
void write_card(text_writer& output, const record_values& values, card_buffers& card, run_faults& faults) {
    text_reader& master = card.master;
    if (!open_for_reading(master, TEMPLATE_NAME)) {
        faults.no_template = true;
        write_text(output, "\n");
        return;
    }
    if (master.at_end && !master.failed && master.next == 0) {
        write_whole(output, std::string_view(master.block.data(), master.end), values, card);
    } else {
        skip_signature(master);
        for (std::size_t index = 0; !output.failed && read_line(master, card.line); ++index) {
            fill_planned(card.line, index, values, card.plans, card.fill);
            write_text(output, card.line);
        }
        write_text(output, "\n");
    }
    faults.read_error |= master.failed;
    close_reader(master);
}

// Accepted records waiting for their cards, and the reads of their templates.
struct waiting_batch {
    read_batch reads;
    std::array<record_values, BATCH_READS> records;
    bool read = false;  // its reads are made; guarded by the reader's lock
};

// What the run shares with the thread that reads templates ahead: the batches
// handed to it, oldest first, and whether the run has done with it. All but
// `ring`, which only the reading thread touches while it runs, are guarded by `lock`.
struct template_reader {
    std::mutex lock;
    std::condition_variable changed;
    std::array<waiting_batch*, 2> handed{};
    std::size_t count = 0;
    bool finished = false;
    batch_ring* ring = nullptr;
};

// Two batches: while the templates of one are read, the records of the next
// are taken and the cards of the one before are written.
struct read_ahead {
    template_reader reader;
    std::array<waiting_batch, 2> batches;
};

// The reading thread: makes the reads of each batch handed over, in turn,
// until the run has done with it.
void read_handed(template_reader& reader) {
    std::unique_lock<std::mutex> hold(reader.lock);
    for (;;) {
        while (reader.count == 0 && !reader.finished) reader.changed.wait(hold);
        if (reader.count == 0) return;
        waiting_batch& batch = *reader.handed[0];
        hold.unlock();
        run_reads(batch.reads, reader.ring);
        hold.lock();
        reader.handed[0] = reader.handed[1];
        reader.handed[1] = nullptr;
        --reader.count;
        batch.read = true;
        reader.changed.notify_all();
    }
}

// Hands `batch`, whose records are all taken, to the reading thread.
void hand_over(template_reader& reader, waiting_batch& batch) {
    const std::lock_guard<std::mutex> hold(reader.lock);
    batch.read = false;
    reader.handed[reader.count++] = &batch;
    reader.changed.notify_all();
}

// Waits until the reads of `batch` are made, then writes its cards in order
// and empties it. A card whose read the batch could not vouch for is read
// again with plain calls, which decide what it gets.
void write_batch(text_writer& output, waiting_batch& batch, template_reader& reader, card_buffers& card,
                 run_faults& faults) {
    {
        std::unique_lock<std::mutex> hold(reader.lock);
        while (!batch.read) reader.changed.wait(hold);
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

// Writes a card for every accepted record left in `table`, reading the
// template for each card as it is written.
void convert_one_by_one(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults) {
    std::string line;
    while (!output.failed && read_line(table, line)) {
        if (take_record(line, settings, card.values)) write_card(output, card.values, card, faults);
    }
}

// As `convert_one_by_one`, with the templates read ahead, a batch at a time,
// by a second thread (through io_uring when `reads` asks for it and the system
// allows), so that their system calls and the run's own work overlap. Returns
// false, having taken no record, when the template is no small regular file
// or no thread can be started.
bool convert_read_ahead(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults, template_reads reads) {
    const std::size_t size = card.master.whole_size;
    if (size == 0 || size > BATCH_FILE_MAX) return false;
    auto ahead = std::make_unique<read_ahead>();
    for (waiting_batch& batch : ahead->batches) prepare_batch(batch.reads, TEMPLATE_NAME, size);
    template_reader& reader = ahead->reader;
    if (reads == template_reads::batched) reader.ring = open_ring();
    std::thread reading;
    try {
        reading = std::thread(read_handed, std::ref(reader));
    } catch (const std::system_error&) {
        close_ring(reader.ring);
        return false;
    }
    std::string line;
    std::size_t current = 0;
    bool earlier = false;  // the other batch is handed over, its cards not yet written
    while (!output.failed && read_line(table, line)) {
        waiting_batch& batch = ahead->batches[current];
        if (!take_record(line, settings, batch.records[batch.reads.queued])) continue;
        if (++batch.reads.queued < batch.reads.capacity) continue;
        hand_over(reader, batch);
        if (earlier) write_batch(output, ahead->batches[current ^ 1], reader, card, faults);
        earlier = true;
        current ^= 1;
    }
    waiting_batch& last = ahead->batches[current];
    if (last.reads.queued > 0) hand_over(reader, last);
    if (earlier) write_batch(output, ahead->batches[current ^ 1], reader, card, faults);
    if (last.reads.queued > 0) write_batch(output, last, reader, card, faults);
    {
        const std::lock_guard<std::mutex> hold(reader.lock);
        reader.finished = true;
        reader.changed.notify_all();
    }
    reading.join();
    close_ring(reader.ring);
    return true;
}

// The files and settings of a run while its file steps are taken.
struct run_opening {
    conversion_settings settings;
    run_faults faults;
    std::string output_name;
    std::string table_name;
    text_reader table;
    text_writer output;
};

// Takes one file step (see file_order.hpp) and returns whether it went well. A
// step that fails closes what the steps before it opened, and removes an output
// it created.
bool take_file_step(file_step step, run_opening& run) {
    switch (step) {
    case file_step::read_settings: {
        const bool read = read_config(run.settings);
        run.output_name = run.settings.output_base + OUTPUT_EXTENSION;
        run.table_name = run.settings.input_base + TABLE_EXTENSION;
        return read;
    }
    case file_step::guard_inputs: return !overwrites_input(run.output_name, run.table_name);
    case file_step::open_table: return open_for_reading(run.table, run.table_name, BULK_BLOCK);
    case file_step::create_output:
        if (create_for_writing(run.output, run.output_name)) return true;
        close_reader(run.table);
        return false;
    case file_step::guard_created:
        // Undo the creation rather than feed the output to itself.
        if (!overwrites_input(run.output_name, run.table_name)) return true;
        close_reader(run.table);
        run.faults.write_failed = !close_writer(run.output);
        remove_created(run.output_name);
        return false;
    case file_step::convert:
    case file_step::stop:
        break;
    }
    return false;
}

}  // namespace

int run_conversion(template_reads reads) {
    run_opening opening;
    run_faults& faults = opening.faults;
    file_step step = file_step::read_settings;
    while (step != file_step::convert && step != file_step::stop) {
        step = next_file_step(step, take_file_step(step, opening), faults);
    }
    if (step == file_step::stop) return status_of(faults);
    const conversion_settings& settings = opening.settings;
    text_reader& table = opening.table;
    text_writer& output = opening.output;

    std::string header;
    read_line(table, header);
    // The template is sized up once: the run expects it to stay as it is, and
    // a read that finds it otherwise is not trusted to be whole (see refill).
    auto card = std::make_unique<card_buffers>();
    card->master.whole_size = whole_read_size(TEMPLATE_NAME);
    prepare_plans(card->plans, settings.columns);
    if (!convert_read_ahead(table, settings, output, *card, faults, reads)) {
        convert_one_by_one(table, settings, output, *card, faults);
    }
    faults.read_error |= table.failed;
    close_reader(table);
    faults.write_failed = !close_writer(output);
    return status_of(faults);
}

}  // namespace rowcard
