// rowcard-prep's writing into the folder: whether the starter files there fit
// a new table, and the files written all together or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.hpp"
#include "prep/journal.hpp"
#include "prep/os.hpp"
#include "prep/starter.hpp"
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
    std::vector<std::string> marked;  // with one starter file kept: the placeholders it makes mandatory
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

// A file to write into the working folder; a file already at its name is
// kept as name.old (or .old2, .old3, ...).
struct folder_file {
    std::string name;          // its name in the folder
    std::string_view text;     // its text; each line feed is written as CR LF
};

// A change to the working folder under way: the journal that undoes it, and
// the termination signals held back until it is final or undone.
struct folder_change {
    std::vector<journal_entry> entries;
    held_signals signals;
    bool open = false;  // the journal stands: commit_change or undo_change must follow
};

// Begins a change that puts `files` into the working folder and leaves the
// names `later` free for the caller to write (the cards): first a journal of
// every name, then each file written into a file of its own that has no name
// yet (or a temporary one beside it), and only once all are whole on the disk,
// each old file moved to its .old name and the new one put in place, in order. Termination signals wait until the change ends. Returns an empty
// string, with the change open; or what went wrong, and then the folder is as
// it was. An empty `files` and `later` changes nothing but the journal.
std::string begin_change(const std::vector<folder_file>& files, const std::vector<std::string>& later,
                         folder_change& change);

// Returns the .old names that the open or finished `change` keeps old files under.
std::vector<std::string> kept_names(const folder_change& change);

// Makes `change` final: the journal goes. A change that is not open is left
// as it is.
void commit_change(folder_change& change);

// Undoes the open `change`: the old files back at their names, the new ones
// gone, then the journal. Returns an empty string, or what could not be put
// back (the journal then stays for the next run).
std::string undo_change(folder_change& change);

// Makes the folder `folder` where it does not exist yet, the last part of its
// path only: people name a new folder for the cards, not a new tree. Returns
// why it cannot be had; empty when it is a folder now.
std::string made_folder(const std::filesystem::path& folder);

}  // namespace rowcard
