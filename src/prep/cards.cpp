// rowcard-prep's last step: runs the conversion in the prepared folder and sums
// up the cards and the problems that rowcard-check finds there.
#include "prep/cards.hpp"

#include <new>

#include "check/check.hpp"
#include "run/run.hpp"

namespace rowcard {
namespace {

namespace fs = std::filesystem;

// Problems shown in the summary: a few lines; rowcard-check's report has them all.
constexpr std::size_t SUMMARY_PROBLEMS = 3;

// Returns `path` as a word a user can paste into a command: quoted when it
// holds a space.
std::string command_word(const fs::path& path) {
    const std::string text = path.string();
    return text.find(' ') == std::string::npos ? text : "\"" + text + "\"";
}

// Returns `count` and `noun`, made plural when `count` is not one.
std::string counted(std::size_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

cards_outcome sum_up_cards(const fs::path& folder, int run_status) {
    cards_outcome outcome;
    if (run_status != STATUS_DONE) {
        outcome.failure = "the cards were not written: " + status_meaning(run_status) +
                          " (rowcard's status " + std::to_string(run_status) +
                          "); the table and the settings are in place, so run rowcard-check " + command_word(folder) +
                          " to see why, mend it, and run rowcard there";
        return outcome;
    }
    check_report report;
    try {
        report = check_folder();
    } catch (const std::bad_alloc&) {
        // The cards are written: only the look at the folder is lost.
        report.problems.push_back({"", "rowcard-check", 0, 0, "", "it ran out of memory here; run it by itself", 1});
    }
    outcome.problems = !report.problems.empty();
    outcome.summary = "Wrote " + counted(report.cards, "card") + " from " + counted(report.rows, "row") + " to " +
                      (folder / report.output_name).string() + ".\n";
    if (outcome.problems) {
        outcome.summary += "rowcard-check sees " + counted(report.problems.size(), "problem") + " there:\n" +
                           problems_in_brief(report, SUMMARY_PROBLEMS) +
                           "For the full report: rowcard-check " + command_word(folder) + "\n";
    } else {
        outcome.summary += "rowcard-check sees no problem there.\n";
    }
    outcome.summary += "After editing master.vcf, run rowcard in " + command_word(folder) + " to write them again.\n";
    return outcome;
}

}  // namespace rowcard
