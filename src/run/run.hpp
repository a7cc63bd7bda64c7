// The conversion run: the names of its files, the exit status that is the
// tool's only report, and the routine that runs it.
#pragma once

#include <string>

#include "text/read_batch.hpp"

namespace rowcard {

// The template, read afresh for every card, and the endings of the table and
// output names, added to the bases that "rowcard.ini" gives.
inline const std::string TEMPLATE_NAME = "master.vcf";
inline const std::string TABLE_EXTENSION = ".csv";
inline const std::string OUTPUT_EXTENSION = ".vcf";

// Exit statuses. When several apply, the first in this list wins:
// WRITE_FAILED, NO_OUTPUT, NO_TABLE, READ_ERROR, NO_TEMPLATE, DONE.
// NO_MEMORY stops the run where it stands, whatever went wrong before.
inline constexpr int STATUS_DONE = 0;           // every accepted record was written with its template
inline constexpr int STATUS_NO_OUTPUT = 1;      // the output could not be created, or would destroy an input
inline constexpr int STATUS_NO_TABLE = 2;       // the table could not be opened; no output is made
inline constexpr int STATUS_NO_TEMPLATE = 3;    // the template could not be opened for a record
inline constexpr int STATUS_READ_ERROR = 4;     // a read error ended an input early
inline constexpr int STATUS_NO_MEMORY = 5;      // memory ran out; an output given no card yet is as it was
inline constexpr int STATUS_WRITE_FAILED = 255; // writing or closing the output failed

// What went wrong during one run; `status_of` ranks it.
struct run_faults {
    bool write_failed = false;
    bool no_output = false;
    bool no_table = false;
    bool read_error = false;
    bool no_template = false;
};

// Returns the exit status for `faults`: the gravest fault decides.
int status_of(const run_faults& faults);

// True when writing `output` would overwrite an input: the template, the table
// named `table`, or the settings file, which a link could make the output.
bool overwrites_input(const std::string& output, const std::string& table);
// How the templates are read when a second thread reads them ahead of the
// cards: through io_uring or with one plain call per step, whichever the
// thread measures cheaper as it goes, where rowcard is built with liburing
// (ROWCARD_IO_URING) and the system allows a ring; else with plain calls. All
// give the same cards and status. The tool measures; the tests also force
// each way.
enum class template_reads { measured, ring, plain };

// Converts the table named by "rowcard.ini" (or "import.csv") in the working
// directory into cards and returns the exit status. Prints nothing and never
// throws: a run that runs out of memory returns STATUS_NO_MEMORY. `faults` is
// for the tests alone, to make the ring fail.
int run_conversion(template_reads reads = template_reads::measured, const ring_faults& faults = {}) noexcept;

}  // namespace rowcard
