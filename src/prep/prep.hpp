// rowcard-prep's run: the command line and the exit statuses. Its stages
// follow each other, one header each: reading.hpp (the export into rows of
// fields), columns.hpp (what each column means), table.hpp (the card rows as
// rowcard's table), starter.hpp (rowcard.ini and master.vcf), folder.hpp (the
// folder changed all or nothing) and report.hpp (what was done).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "prep/columns.hpp"
#include "prep/reading.hpp"
#include "prep/vcard.hpp"

namespace rowcard {

// Exit statuses of rowcard-prep.
inline constexpr int PREP_DONE = 0;       // the table (and the starter files) were written
inline constexpr int PREP_REFUSED = 1;    // nothing was written: it would harm a file, or writing failed
inline constexpr int PREP_NO_EXPORT = 2;  // the export is missing or cannot be read
inline constexpr int PREP_PROBLEMS = 3;   // the cards were written, and rowcard-check sees problems
inline constexpr int PREP_NO_CARDS = 4;   // the files are in place, but the conversion failed
inline constexpr int PREP_USAGE = 64;     // the command line is wrong
inline constexpr int PREP_UNWRITTEN = 74; // the report, help or version did not reach standard output

// The command line, taken apart.
struct prep_options {
    bool force = false;
    bool new_starter = false;
    bool cards = false;     // convert through the user's own starter files too
    bool no_cards = false;  // stop once the files are in place
    bool show_columns = false;  // print the reading of the columns and write nothing
    vcard_version vcard = vcard_version::v30;  // the starter card's version
    std::vector<column_override> overrides;  // --column corrections, in order
    bool help = false;
    bool version = false;
    export_reading reading;
    std::string export_path;
    std::string folder;
};

// rowcard-prep's run as far as it goes before it enters FOLDER.
struct prep_request {
    int status = PREP_DONE;              // the exit status, when the run ends before FOLDER
    bool enter = false;                  // FOLDER is to be entered, and finish_prep called there
    prep_options options;
    std::string bytes;                   // the export's bytes
    std::filesystem::path export_path;   // the export, made absolute
    std::filesystem::path folder;        // FOLDER as given, or the export's folder
    std::filesystem::path full_folder;   // FOLDER made absolute before it is entered, to show to the user
};

// Starts rowcard-prep on the command-line `arguments` (without the program's
// name): answers --help and --version, reads the export, and decides FOLDER,
// which must be a folder. Errors go to stderr, the help to stdout. When the
// request says `enter`, the caller makes FOLDER the working folder, since the
// names in rowcard.ini are taken from the folder rowcard runs in, and calls
// finish_prep; else `status` is the exit status.
prep_request start_prep(const std::vector<std::string>& arguments);

// Finishes rowcard-prep in the working folder, which the caller tried to make
// `request.folder`; `entered` is what that gave, and an error ends the run.
// Writes the table, the starter files and the cards; returns the exit status,
// the report on stdout and errors on stderr.
int finish_prep(const prep_request& request, const std::error_code& entered);

}  // namespace rowcard
