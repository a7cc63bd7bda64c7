// The conversion run: reads the settings, guards the inputs, converts every
// record of the table into a card and turns what went wrong into the exit status.
#include "run/run.hpp"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "config/config.hpp"
#include "record/record.hpp"
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
    read_batch batch;    // templates read ahead, one per record of `waiting`
    std::array<record_values, BATCH_READS> waiting;
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

// Reads the template for every waiting record in one batch and writes their
// cards in order. A card whose read the batch could not vouch for is read
// again with plain calls, which decide what it gets.
void write_waiting(text_writer& output, card_buffers& card, run_faults& faults) {
    read_batch& batch = card.batch;
    run_reads(batch);
    for (std::size_t i = 0; i < batch.queued; ++i) {
        if (batch.whole[i]) {
            write_whole(output, read_result(batch, i), card.waiting[i], card);
        } else {
            write_card(output, card.waiting[i], card, faults);
        }
    }
    batch.queued = 0;
}

}  // namespace

int run_conversion(template_reads reads) {
    conversion_settings settings;
    run_faults faults;
    faults.read_error = !read_config(settings);

    const std::string output_name = settings.output_base + OUTPUT_EXTENSION;
    const std::string table_name = settings.input_base + TABLE_EXTENSION;
    if (overwrites_input(output_name, table_name)) {
        faults.no_output = true;
        return status_of(faults);
    }
    // The table is opened before the output is created: a run that can write no
    // card (the wrong folder, say) must leave an earlier output as it was.
    text_reader table;
    if (!open_for_reading(table, table_name, BULK_BLOCK)) {
        faults.no_table = true;
        return status_of(faults);
    }
    text_writer output;
    if (!create_for_writing(output, output_name)) {
        close_reader(table);
        faults.no_output = true;
        return status_of(faults);
    }
    // A dangling link can make the new output the template or the table only
    // once it exists: undo the creation rather than feed the output to itself.
    if (overwrites_input(output_name, table_name)) {
        close_reader(table);
        faults.no_output = true;
        faults.write_failed = !close_writer(output);
        remove_created(output_name);
        return status_of(faults);
    }

    std::string line;
    read_line(table, line);  // the header
    // The template is sized up once: the run expects it to stay as it is, and
    // a read that finds it otherwise is not trusted to be whole (see refill).
    auto card = std::make_unique<card_buffers>();
    card->master.whole_size = whole_read_size(TEMPLATE_NAME);
    prepare_plans(card->plans, settings.columns);
    read_batch& batch = card->batch;
    if (reads == template_reads::batched) start_batches(batch, TEMPLATE_NAME, card->master.whole_size);
    while (!output.failed && read_line(table, line)) {
        // While batching, each accepted record waits with its template read
        // queued, and a full batch is written at once.
        record_values& values = card->waiting[batch.ring != nullptr ? batch.queued : 0];
        if (!take_record(line, settings, values)) continue;
        if (batch.ring == nullptr) {
            write_card(output, values, *card, faults);
            continue;
        }
        queue_read(batch);
        if (batch.queued == BATCH_READS) write_waiting(output, *card, faults);
    }
    write_waiting(output, *card, faults);
    end_batches(batch);
    faults.read_error |= table.failed;
    close_reader(table);
    faults.write_failed = !close_writer(output);
    return status_of(faults);
}

}  // namespace rowcard
