// One card: the template read by plain calls and filled line by line, or, when
// it was read whole, filled at once from its card plan.
#include "run/cards.hpp"

namespace rowcard {
namespace {

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

}  // namespace

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

}  // namespace rowcard
