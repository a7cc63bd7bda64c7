// rowcard-prep's run: the export read and FOLDER decided, then, in FOLDER, the
// safety checks around the files it writes, the files and the cards.
#include "prep/prep.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <stdexcept>

#include "config/config.hpp"
#include "prep/cards.hpp"
#include "prep/columns.hpp"
#include "check/findings.hpp"
#include "prep/folder.hpp"
#include "prep/journal.hpp"
#include "prep/options.hpp"
#include "prep/os.hpp"
#include "prep/report.hpp"
#include "prep/starter.hpp"
#include "prep/table.hpp"
#include "run/run.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

#ifndef ROWCARD_VERSION
#define ROWCARD_VERSION "unknown"
#endif

namespace rowcard {
namespace {

namespace fs = std::filesystem;

// The table that a started folder reads; rowcard then writes cards.vcf beside it.
const std::string STARTER_TABLE = "cards" + TABLE_EXTENSION;
// read_or_refuse's word that the reading was shown and nothing is to be written.
constexpr int PREP_SHOWN = -1;
// The starter rowcard.ini's separator, which the export is first read with.
constexpr char STARTER_SEPARATOR = ';';

// Says why the run stopped on the exception `failure`, and returns PREP_REFUSED.
// An exception of no standard kind goes on to the caller.
int stopped_by(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        complain("out of memory; close other programs or split the export, and run again");
    } catch (const std::exception& unexpected) {
        complain(std::string("stopped by an unexpected failure: ") + unexpected.what());
    }
    return PREP_REFUSED;
}

// Returns the export `bytes` read as `how` says, and its table in `made`,
// with `separator` between its columns. Empty input gives no header.
export_result read_contacts(std::string_view bytes, const prep_options& options, const export_reading& how,
                            char separator, contact_table& made) {
    export_result read = read_export(bytes, how);
    made = make_contact_table(read, separator, options.overrides, options.vcard);
    return read;
}

// Returns the --column correction of `options` that names no column of the
// cleaned `header`, as a message with the headers there; empty when all do.
std::string stray_override(const prep_options& options, const std::vector<std::string>& header) {
    for (const column_override& o : options.overrides) {
        if (std::any_of(header.begin(), header.end(), [&](const std::string& h) { return names_column(o.header, h); })) {
            continue;
        }
        std::string known;
        for (const std::string& h : header) known += (known.empty() ? "'" : ", '") + checking::readable(h) + "'";
        return "--column names '" + o.header + "', which is no column of " + options.export_path + " (its columns: " +
               known + ")";
    }
    return "";
}

// Returns why `path`, a file of the run in the working folder, may not be
// written, as the end of a sentence that names it; empty when it may. It must
// not be the export, rowcard.ini or master.vcf, nor something no file is (a
// FIFO would stall the run); it replaces a file only with `force`.
std::string write_refusal(const fs::path& path, const fs::path& export_path, bool force) {
    if (same_file(path, export_path)) {
        return " would be the export itself; name another table in " + std::string(CONFIG_NAME) +
               ", or give another FOLDER";
    }
    if ((present(std::string(CONFIG_NAME)) && same_file(path, CONFIG_NAME)) ||
        (present(TEMPLATE_NAME) && same_file(path, TEMPLATE_NAME))) {
        return " would be rowcard.ini or master.vcf; name another table in " + std::string(CONFIG_NAME);
    }
    if (!checking::safe_to_open(path.string())) return " is no file (a FIFO, a device or a socket); remove it, or give another FOLDER";
    std::error_code error;
    if (fs::is_directory(path, error)) return " is a folder; rename or remove it, or give another FOLDER";
    if (present(path) && !force) return " is already there; run again with --force to replace it";
    return "";
}

// Returns why the run may not write `files` and then `later` (the cards) in
// the working folder, shown to people as `folder`; empty when it may. No file
// is the export; the table and the cards replace files only with --force.
std::string files_refusal(const std::vector<folder_file>& files, const std::vector<std::string>& later,
                          const prep_request& request, const fs::path& folder) {
    // The starter files come first, and keep what they replace as .old, but
    // the export must stay where it is.
    for (std::size_t k = 0; k + 1 < files.size(); ++k) {
        if (same_file(files[k].name, request.export_path)) {
            return "the export " + request.options.export_path + " is the " + files[k].name +
                   " of this folder; move it elsewhere, or give another FOLDER";
        }
    }
    // The table comes last among the files, the cards after it.
    std::vector<std::string> names{files.back().name};
    names.insert(names.end(), later.begin(), later.end());
    for (const std::string& name : names) {
        if (std::string why = write_refusal(name, request.export_path, request.options.force); !why.empty()) {
            return std::string(name == names.front() ? "the table " : "the cards ") +
                   (folder / name).lexically_normal().string() + why;
        }
    }
    return "";
}

// Returns why rowcard.ini or master.vcf in the working folder, shown to
// people in `folder`, cannot be read without waiting; empty when they can.
std::string starter_refusal(const fs::path& folder) {
    for (const std::string& name : {std::string(CONFIG_NAME), TEMPLATE_NAME}) {
        if (!checking::safe_to_open(name)) {
            return (folder / name).string() + " is no file (a FIFO, a device or a socket), and reading it would "
                   "wait for ever; remove it, or give another FOLDER";
        }
    }
    return "";
}

// Returns the message that refuses the run for `plan`, with the options that
// would let a run go on when a starter file there does not fit.
std::string plan_refusal(const folder_plan& plan, const prep_options& options) {
    if (!plan.stale) return plan.refusal;
    const bool need_force = !options.force && present(STARTER_TABLE);
    return plan.refusal + "; run again with " + (need_force ? "--force " : "") +
           "--new-starter to write new starter files (the old ones are kept as .old), or give another FOLDER";
}

// Reads the export for `request` into `made`, and then refuses, saying why,
// an empty export and, without --force, one with no column the card takes;
// `status` receives PREP_REFUSED then.
export_result read_or_refuse(const prep_request& request, contact_table& made, int& status) {
    const prep_options& options = request.options;
    export_result read = read_contacts(request.bytes, options, options.reading, STARTER_SEPARATOR, made);
    if (read.header.empty()) {
        complain("the export " + options.export_path + " is empty: there is no header line to start from");
        status = PREP_REFUSED;
    } else if (const std::string stray = stray_override(options, read.header); !stray.empty()) {
        complain(stray + "; see rowcard-prep --help");
        status = PREP_USAGE;
    } else if (options.show_columns) {
        say(made.reading);
        status = PREP_SHOWN;
    } else if (!made.recognised && !options.force) {
        complain(options.export_path + ": " + made.refusal);
        status = PREP_REFUSED;
    }
    return read;
}

// Returns the files that `plan` calls for: the starter files, then the table
// at `table`, each a file rowcard reads.
std::vector<folder_file> files_to_write(const folder_plan& plan, const starter_files& starter,
                                        const contact_table& made, const fs::path& table) {
    std::vector<folder_file> files;
    if (plan.write_settings) files.push_back({std::string(CONFIG_NAME), starter.settings});
    if (plan.write_master) files.push_back({TEMPLATE_NAME, starter.master});
    files.push_back({table.string(), made.table});
    return files;
}

// True when the run writes the cards too: new starter files are run at once;
// starter files the user made only when asked, since only the user knows
// whether they are the card wanted now.
bool writes_cards(const folder_plan& plan, const prep_options& options) {
    return !options.no_cards && ((plan.write_settings && plan.write_master) || options.cards);
}

// Prints `report`, then, where `plan` and the options call for them, writes
// the cards, makes `change` final and prints what rowcard-check sees; else
// makes `change` final at once. Returns the exit status.
int finish_with_cards(std::string report, const folder_plan& plan, const prep_request& request,
                      folder_change& change) {
    const prep_options& options = request.options;
    if (!writes_cards(plan, options)) {
        commit_change(change);
        report += "Next: run rowcard in " + request.folder.string() + " (or rowcard-check there first)" +
                  (options.no_cards ? "" : "; with --cards, rowcard-prep runs it too") + ".\n";
        say(report);
        return PREP_DONE;
    }
    say(report);
    const int run_status = run_conversion();
    // The cards are the change's last file: the folder is whole before rowcard-check looks.
    commit_change(change);
    const cards_outcome cards = sum_up_cards(request.full_folder, run_status);
    if (!cards.failure.empty()) {
        complain(cards.failure);
        return PREP_NO_CARDS;
    }
    say(cards.summary);
    return cards.problems ? PREP_PROBLEMS : PREP_DONE;
}

// Converts the export of `request` into the working folder, holding the
// folder's lock. Returns the exit status; prints the report.
int prepare_here(const prep_request& request) {
    const prep_options& options = request.options;
    const fs::path& folder = request.folder;
    int status = PREP_DONE;
    contact_table made;
    const export_result read = read_or_refuse(request, made, status);
    if (status == PREP_SHOWN) return PREP_DONE;
    if (status != PREP_DONE) return status;
    if (const std::string why = starter_refusal(folder); !why.empty()) {
        complain(why);
        return PREP_REFUSED;
    }
    const starter_files fresh = make_starter(made.header, STARTER_TABLE, options.vcard);
    const folder_plan plan = plan_folder(fresh, options.new_starter, folder);
    if (!plan.refusal.empty()) {
        complain(plan_refusal(plan, options));
        return PREP_REFUSED;
    }
    // A starter file written beside a kept one takes the kept one's '%' marks.
    const bool one_kept = plan.write_settings != plan.write_master;
    const starter_files starter = one_kept ? with_marks(fresh, plan.marked) : fresh;
    // A kept rowcard.ini's own separator: the rows read stay as they are.
    if (plan.settings.separator != STARTER_SEPARATOR) {
        made = make_contact_table(read, plan.settings.separator, options.overrides, options.vcard);
    }
    const fs::path table = plan.settings.input_base + TABLE_EXTENSION;
    const std::vector<folder_file> files = files_to_write(plan, starter, made, table);
    std::vector<std::string> later;
    if (writes_cards(plan, options)) later.push_back(plan.settings.output_base + OUTPUT_EXTENSION);
    if (const std::string why = files_refusal(files, later, request, folder); !why.empty()) {
        complain(why);
        return PREP_REFUSED;
    }
    folder_change change;
    if (const std::string why = begin_change(files, later, change); !why.empty()) {
        complain("writing into " + folder.string() + " failed, so nothing there changed: " + why);
        return PREP_REFUSED;
    }
    try {
        std::string report = read_report(options.export_path, read, made);
        report += table_report((folder / table).lexically_normal().string(), made.rows, made.header.size(),
                               plan.settings.separator);
        report += starter_report(plan, starter, kept_names(change));
        status = finish_with_cards(std::move(report), plan, request, change);
    } catch (...) {
        undo_change(change);
        throw;
    }
    // Rows whose values may sit in the wrong columns, bytes dropped, columns
    // left off for disagreeing or numbers lost need a look too.
    const bool care = export_needs_care(read.changes) || made.disagreements != 0 || made.lost_numbers.count != 0;
    return status == PREP_DONE && care ? PREP_PROBLEMS : status;
}

// Reads the export that `request.options` name and decides the folder.
// Returns the exit status when the run ends here (a message said why); else
// PREP_DONE, with `request` ready to enter its folder.
int resolve(prep_request& request) {
    const prep_options& options = request.options;
    std::error_code error;
    request.export_path = fs::absolute(options.export_path, error);
    if (const std::string why = read_whole(options.export_path, request.bytes); !why.empty()) {
        complain("cannot read the export " + options.export_path + ": " + why);
        return PREP_NO_EXPORT;
    }
    if (const std::string what = not_a_table(request.bytes); !what.empty()) {
        complain(options.export_path + " is " + what + ", not a table of contacts; export the contacts as CSV");
        return PREP_NO_EXPORT;
    }
    request.folder = options.folder.empty() ? request.export_path.parent_path() : fs::path(options.folder);
    if (const std::string why = made_folder(request.folder); !why.empty()) {
        complain(why);
        return PREP_REFUSED;
    }
    request.full_folder = fs::absolute(request.folder, error).lexically_normal();
    if (request.full_folder.filename().empty()) request.full_folder = request.full_folder.parent_path();
    request.enter = true;
    return PREP_DONE;
}

}  // namespace

prep_request start_prep(const std::vector<std::string>& arguments) {
    prep_request request;
    try {
        if (const std::string wrong = parse_arguments(arguments, request.options); !wrong.empty()) {
            complain(wrong + "; see rowcard-prep --help");
            request.status = PREP_USAGE;
        } else if (request.options.help) {
            say(prep_help());
        } else if (request.options.version) {
            say(std::string(PREP_PROGRAM) + " " + ROWCARD_VERSION + "\n");
        } else {
            request.status = resolve(request);
        }
    } catch (...) {
        request.enter = false;
        request.status = stopped_by(std::current_exception());
    }
    return request;
}

int finish_prep(const prep_request& request, const std::error_code& entered) {
    if (entered) {
        complain("cannot enter the folder " + request.folder.string() + ": " + entered.message());
        return PREP_REFUSED;
    }
    try {
        // One run at a time: a second one would mix its files with the first's.
        folder_lock lock;
        if (lock_folder(lock) == lock_outcome::busy) {
            complain("another rowcard-prep is writing in " + request.folder.string() +
                     "; let it finish, then run again");
            return PREP_REFUSED;
        }
        std::string failure;
        const std::string undone = undo_unfinished(failure);
        if (!failure.empty()) {
            complain("a rowcard-prep run cut short in " + request.folder.string() + " cannot be undone: " + failure);
            unlock_folder(lock);
            return PREP_REFUSED;
        }
        say(undone);
        const int status = prepare_here(request);
        unlock_folder(lock);
        return status;
    } catch (...) {
        return stopped_by(std::current_exception());
    }
}

}  // namespace rowcard
