// The order of a run's file steps and the fault each failure gives: the one
// rule that both the run and rowcard-check's forecast follow.
#include "run/file_order.hpp"

namespace rowcard {

file_step next_file_step(file_step step, bool went_well, run_faults& faults) {
    switch (step) {
    case file_step::read_settings:
        faults.read_error |= !went_well;
        return file_step::guard_inputs;
    case file_step::guard_inputs:
        faults.no_output |= !went_well;
        return went_well ? file_step::open_table : file_step::stop;
    case file_step::open_table:
        // A run that can write no card (the wrong folder, say) must leave an
        // earlier output as it was: the table is opened before the output.
        faults.no_table |= !went_well;
        return went_well ? file_step::create_output : file_step::stop;
    case file_step::create_output:
        faults.no_output |= !went_well;
        return went_well ? file_step::guard_created : file_step::stop;
    case file_step::guard_created:
        faults.no_output |= !went_well;
        return went_well ? file_step::convert : file_step::stop;
    case file_step::convert:
    case file_step::stop:
        break;
    }
    return step;
}

}  // namespace rowcard
