// The conversion run: the order of files, the record loop, the framing of each
// card and the exit status that is the tool's only report.
#pragma once

namespace rowcard {

// Exit statuses. When several apply, the first in this list wins:
// WRITE_FAILED, NO_OUTPUT, NO_TABLE, READ_ERROR, NO_TEMPLATE, DONE.
inline constexpr int STATUS_DONE = 0;           // every accepted record was written with its template
inline constexpr int STATUS_NO_OUTPUT = 1;      // the output could not be created, or would destroy an input
inline constexpr int STATUS_NO_TABLE = 2;       // the table could not be opened; the output is empty
inline constexpr int STATUS_NO_TEMPLATE = 3;    // the template could not be opened for a record
inline constexpr int STATUS_READ_ERROR = 4;     // a read error ended an input early
inline constexpr int STATUS_WRITE_FAILED = 255; // writing or closing the output failed

// How the template is read for each card: in batches where the system allows
// it, or always with one plain call per step. Both give the same cards and
// status; the tool always asks for batches, and the tests run both.
enum class template_reads { batched, plain };

// Converts the table named by "rowcard.ini" (or "import.csv") in the working
// directory into cards and returns the exit status. Prints nothing.
int run_conversion(template_reads reads = template_reads::batched);

}  // namespace rowcard
