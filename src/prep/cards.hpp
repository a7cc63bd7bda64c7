// rowcard-prep's last step: the cards, written in the prepared folder by
// rowcard's own run, and a few lines on what rowcard-check sees there.
#pragma once

#include <filesystem>
#include <string>

namespace rowcard {

// What writing the cards came to.
struct cards_outcome {
    bool problems = false;  // rowcard-check sees problems in the folder
    std::string summary;    // for stdout: the cards, the output's path, the problems
    std::string failure;    // when the run failed: what went wrong, in words, and what to do
};

// Sums up the conversion of the working folder, shown to the user as
// `folder` (a full path), that ended with rowcard's `run_status`: when it
// wrote the cards, what rowcard-check sees there now. The caller runs the
// conversion itself, and makes its change to the folder final between the two.
cards_outcome sum_up_cards(const std::filesystem::path& folder, int run_status);

}  // namespace rowcard
