// Templates read ahead of the cards by a second thread, a batch at a time:
// the speed machinery beside `write_card`, which it must equal card for card.
#pragma once

#include "config/config.hpp"
#include "run/cards.hpp"
#include "run/run.hpp"
#include "text/read_batch.hpp"
#include "text/text_file.hpp"

namespace rowcard {

// Writes the cards of the accepted records left in `table` as `write_card`
// would, one by one, but with the templates read ahead by a second thread (in
// rounds through io_uring where `reads` allows it, the system has a ring and,
// unless the ring is forced, it measures cheaper; where it would wait for a
// read, the run makes the next rounds itself the same way). The thread starts
// after the first 8 accepted records, where the rest of the table holds 128
// times their bytes or more, and the process may use two processors.
// `ring_faults` is for the tests. Returns false, having written every record
// it took, when the template is no small regular file, the table is shorter,
// or no thread can be started: the caller goes on with the rest. Equal to the
// one-by-one rule; the end-to-end tests run both paths.
bool convert_read_ahead(text_reader& table, const conversion_settings& settings, text_writer& output,
                        card_buffers& card, run_faults& faults, template_reads reads, const ring_faults& ring_faults);

}  // namespace rowcard
