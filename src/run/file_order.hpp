// The order in which a run meets its files before the first record, and the
// fault that each failure there gives. rowcard takes these steps one by one;
// rowcard-check walks the same steps with each outcome foreseen.
#pragma once

#include "run/run.hpp"

namespace rowcard {

// A run's steps with its files, in the order it takes them.
enum class file_step {
    read_settings,  // read "rowcard.ini": a read error is a fault, but the run goes on
    guard_inputs,   // the output must not name the template, the table or the settings
    open_table,     // open the table before anything is created
    create_output,  // create or truncate the output
    guard_created,  // a dangling link may have made the new output an input
    convert,        // every file is ready: convert the records
    stop,           // a step failed: the run ends with the status of its faults
};

// Returns the step that follows `step` once it went well (`went_well`) or not;
// a failure marks its fault in `faults`. `convert` and `stop` lead nowhere and
// are returned as they are.
file_step next_file_step(file_step step, bool went_well, run_faults& faults);

}  // namespace rowcard
