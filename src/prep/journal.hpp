// The journal of a change that rowcard-prep makes in the working folder: the
// names it puts files at and where the files that stood there wait, so that a
// change cut short, even by kill -9, is undone by the next run in the folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rowcard {

// The journal's name: it stands in the folder only while a change is under
// way, and rowcard-check reports a folder that holds one.
inline const std::string JOURNAL_NAME = "rowcard-prep.unfinished";

// One name that a change puts a file at.
struct journal_entry {
    std::string name;       // the name, in the working folder or below it
    std::string kept_as;    // the .old name the file that stood at `name` is kept under; empty: none stood there
};

// Returns the journal's text for the change of the process `process` that
// puts files at the names of `entries`, one line each.
std::string journal_text(int process, const std::vector<journal_entry>& entries);

// Reads the journal's `text` into `process` and `entries`. Returns false when
// it is no journal this program wrote (a line cut short, an empty text).
bool parse_journal(std::string_view text, int& process, std::vector<journal_entry>& entries);

// Undoes the change of the process `process` that `entries` record, the last
// name first: each file that was moved aside goes back to its name, a file at
// a name where none stood goes, and so do the process's temporary names.
// Returns an empty string, or what could not be put back.
std::string undo_entries(const std::vector<journal_entry>& entries, int process);

// Undoes the change that a journal in the working folder records, if one is
// there, and removes the journal. Returns an empty string when there was none
// and `failure` stays empty; else a line for the report, or `failure` says
// why it could not be undone (the journal then stays).
std::string undo_unfinished(std::string& failure);

}  // namespace rowcard
