// The framing of each card: the template read by plain calls and filled line by
// line, or, when it was read whole, filled at once; and the storage cards reuse.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "record/record.hpp"
#include "run/run.hpp"
#include "template/fill.hpp"
#include "template/plan.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

namespace rowcard {

// Storage that lives for the whole run, so that the per-record work reuses it.
struct card_buffers {
    text_reader template_file;  // the template, opened afresh for every card
    // The template's size, taken once per run (see `whole_read_size`): the run
    // expects the template to stay as it is, and a read that finds it otherwise
    // is not trusted to be whole. 0: it is no small regular file.
    std::size_t template_size = 0;
    std::string line;    // the template line being filled
    fill_buffers fill;
    fill_plans plans;    // how each template line, and the whole card, fills
    // The last template read whole, and its lines as `read_line` gave them:
    // a card whose template reads the same bytes takes these lines, and the
    // card plan made of them, at once.
    bool template_known = false;
    std::string template_bytes;
    std::vector<std::string> template_lines;
    record_values values;  // the record being written, when templates are not read ahead
};

// Writes the card of `values` from the template read whole as `bytes` (empty:
// a card of the line feed alone); a runaway template stops at a failed write.
void write_whole(text_writer& output, std::string_view bytes, const record_values& values, card_buffers& card);

// Writes one card, opening and reading the template with plain calls. A
// template that cannot be opened gives the line feed alone and marks
// `faults.no_template`; a read error marks `faults.read_error`.
void write_card(text_writer& output, const record_values& values, card_buffers& card, run_faults& faults);

}  // namespace rowcard
