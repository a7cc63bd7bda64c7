// rowcard-prep's writing into the folder: whether the starter files there fit
// a new table, and the files written all together or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"
#include "prep/prep.hpp"
#include "run/run.hpp"
#include "text/system.hpp"

namespace rowcard {

// What rowcard-prep writes beside the table in the working folder.
struct folder_plan {
    std::string refusal;           // not empty: write nothing, and say this
    bool stale = false;            // refused because a starter file there does not fit
    bool write_settings = false;   // write the starter rowcard.ini
    bool write_master = false;     // write the starter master.vcf
    bool unfinished = false;       // master.vcf alone is there, and prep cannot tell what fits it
    conversion_settings settings;  // the table's name and separator, as rowcard will read them
};

// Returns what to write beside the table, given `starter`, the starter files
// for this export, and what the working folder (shown to people as `folder`)
// holds. With `new_starter` both starter files are written. Otherwise files
// that are there are kept when they fit the table: rowcard.ini when it names
// the starter's columns in order (a '%' mark aside), master.vcf when each
// braced placeholder in it is one of them. A missing one is then written when
// the other shows what fits; a file that does not fit refuses the run.
folder_plan plan_folder(const starter_files& starter, bool new_starter, const std::filesystem::path& folder);

// Returns the report's lines on the starter files that `plan` wrote from
// `starter`: which were written, the names in `kept` that old ones were kept
// under, or why none were written. Nothing to say gives an empty string.
std::string starter_report(const folder_plan& plan, const starter_files& starter,
                           const std::vector<std::string>& kept);

// A file to write into the working folder.
struct folder_file {
    std::string name;          // its name in the folder
    std::string_view text;     // its text; each line feed is written as CR LF
    bool keep_old = false;     // a file already at `name` is kept as name.old (or .old2, .old3, ...)
};

// Writes `files` into the working folder all together: each into a file of
// its own that has no name yet (or a temporary one), and only once all are
// whole on the disk, puts them in place in their order. Termination signals
// wait meanwhile; one that came before the first is put in place stops the
// run with nothing changed. Returns an empty string, or what went wrong, and
// then no file changed and no temporary file stays. `kept` receives the names
// that old files were kept under. An empty `files` writes nothing.
std::string write_together(const std::vector<folder_file>& files, std::vector<std::string>& kept);

}  // namespace rowcard
