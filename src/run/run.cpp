// The conversion run: reads the settings, guards the inputs, converts every
// record of the table into a card and turns what went wrong into the exit status.
#include "run/run.hpp"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "config/config.hpp"
#include "record/record.hpp"
#include "run/cards.hpp"
#include "run/file_order.hpp"
#include "run/read_ahead.hpp"
#include "template/plan.hpp"
#include "text/system.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

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

// Writes a card for every accepted record left in `table`, reading the
// template for each card as it is written.
void convert_one_by_one(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults) {
    std::string line;
    while (!output.failed && read_line(table, line)) {
        if (take_record(line, settings, card.values)) write_card(output, card.values, card, faults);
    }
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
    case file_step::open_table:
        return open_for_reading(run.table, run.table_name, block_for(run.table_name, BULK_BLOCK));
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

// The run, which `run_conversion` guards: returns the exit status, and
// throws when memory runs out.
int convert_folder(template_reads reads, const ring_faults& ring_faults) {
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
    // The template is sized up once, for every card of the run.
    auto card = std::make_unique<card_buffers>();
    card->template_size = whole_read_size(TEMPLATE_NAME);
    prepare_plans(card->plans, settings.columns);
    if (!convert_read_ahead(table, settings, output, *card, faults, reads, ring_faults)) {
        convert_one_by_one(table, settings, output, *card, faults);
    }
    faults.read_error |= table.failed;
    close_reader(table);
    faults.write_failed = !close_writer(output);
    return status_of(faults);
}

}  // namespace

int run_conversion(template_reads reads, const ring_faults& faults) noexcept {
    // Memory runs out on a table or template line of many megabytes, say. The
    // run stops silently; the cards queued are dropped, and the output, which
    // is emptied only by its first write, keeps an earlier run's cards unless
    // some of the new ones had gone out.
    try {
        return convert_folder(reads, faults);
    } catch (...) {
        return STATUS_NO_MEMORY;
    }
}

}  // namespace rowcard
