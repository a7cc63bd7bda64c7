// Writing the cards of accepted records: with the template read by plain calls
// for each card, or, for speed, read ahead a batch at a time by a second thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"
#include "record/record.hpp"
#include "run/run.hpp"
#include "template/fill.hpp"
#include "template/plan.hpp"
#include "text/text.hpp"

namespace rowcard {

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

// Writes the card of `values` from the template read whole as `bytes` (empty:
// a card of the line feed alone); a runaway template stops at a failed write.
void write_whole(text_writer& output, std::string_view bytes, const record_values& values, card_buffers& card);

// Writes one card, opening and reading the template with plain calls. A
// template that cannot be opened gives the line feed alone and marks
// `faults.no_template`; a read error marks `faults.read_error`.
void write_card(text_writer& output, const record_values& values, card_buffers& card, run_faults& faults);

// Writes the cards of the accepted records left in `table` as `write_card`
// would, one by one, but with the templates read ahead by a second thread (in
// batches through io_uring when `reads` asks and the system allows), which
// starts only once a batch of accepted records is full: a shorter table is
// done with plain calls alone. `ring_faults` is for the tests. Returns false,
// having written every record it took, when the template is no small regular
// file or no thread can be started: the caller goes on with the rest.
// Equal to the one-by-one rule; the end-to-end tests run both paths.
bool convert_read_ahead(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults, template_reads reads, const ring_faults& ring_faults);

}  // namespace rowcard
