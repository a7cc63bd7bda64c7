// One card: the template read by plain calls and filled line by line, or, when
// it was read whole, filled at once from its card plan.
#include "run/cards.hpp"

namespace rowcard {
namespace {

// Returns the lines of the template whose whole bytes are `bytes`. They, and
// the card plan, are worked out again only when the bytes differ from the last
// template's: comparing them is what lets every card trust its fresh read.
const std::vector<std::string>& lines_of_template(card_buffers& card, std::string_view bytes) {
    if (card.template_known && bytes == card.template_bytes) return card.template_lines;
    card.template_bytes.assign(bytes);
    card.template_lines.clear();
    text_reader copy;
    read_from_bytes(copy, bytes);
    skip_signature(copy);
    std::string line;
    while (read_line(copy, line)) card.template_lines.push_back(line);
    plan_card(card.plans, card.template_lines);
    card.template_known = true;
    return card.template_lines;
}

}  // namespace

void write_whole(text_writer& output, std::string_view bytes, const record_values& values, card_buffers& card) {
    const std::vector<std::string>& lines = lines_of_template(card, bytes);
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
    text_reader& template_file = card.template_file;
    // A block a byte bigger than the template's size takes it whole in one read.
    const std::size_t block = card.template_size == 0 ? READ_BLOCK : card.template_size + 1;
    if (!open_for_reading(template_file, TEMPLATE_NAME, block, card.template_size)) {
        faults.no_template = true;
        write_text(output, "\n");
        return;
    }
    if (template_file.at_end && !template_file.failed && template_file.next == 0) {
        write_whole(output, std::string_view(template_file.block.data(), template_file.end), values, card);
    } else {
        skip_signature(template_file);
        for (std::size_t index = 0; !output.failed && read_line(template_file, card.line); ++index) {
            fill_planned(card.line, index, values, card.plans, card.fill);
            write_text(output, card.line);
        }
        write_text(output, "\n");
    }
    faults.read_error |= template_file.failed;
    close_reader(template_file);
}

}  // namespace rowcard
