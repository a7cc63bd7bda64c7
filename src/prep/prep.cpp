// rowcard-prep's run: the export read and FOLDER decided, then, in FOLDER, the
// safety checks around the files it writes, the files and the cards.
#include "prep/prep.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <stdexcept>

#include "config/config.hpp"
#include "prep/cards.hpp"
#include "prep/folder.hpp"
#include "prep/options.hpp"
#include "prep/os.hpp"
#include "prep/report.hpp"
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

// Reads all of `path` into `bytes`. Returns an empty string, or why it could not.
std::string read_whole(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (fs::is_directory(path, error)) return "it is a folder, not a file";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::strerror(errno);
    std::string block(READ_BLOCK, '\0');
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        bytes.append(block, 0, got);
        if (got < block.size()) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int saved = errno;
    std::fclose(file);
    return failed ? std::string("read error: ") + std::strerror(saved) : "";
}

// Returns the export `bytes` read as `how` says, into `made`: rowcard's table
// with `separator` between its columns. Empty input gives no header.
export_result read_contacts(std::string_view bytes, const export_reading& how, char separator, contact_table& made) {
    export_result read = read_export(bytes, how, separator);
    made = make_contact_table(read, separator);
    return read;
}

// Returns why the table may not be written at `table` in the working folder,
// as the end of a sentence that names it; empty when it may. It must not be
// the export or a starter file, and replaces a table only with `force`.
std::string table_refusal(const fs::path& table, const fs::path& export_path, bool force) {
    if (same_file(table, export_path)) {
        return " would be the export itself; name another table in " + std::string(CONFIG_NAME) +
               ", or give another FOLDER";
    }
    if ((present(std::string(CONFIG_NAME)) && same_file(table, CONFIG_NAME)) ||
        (present(TEMPLATE_NAME) && same_file(table, TEMPLATE_NAME))) {
        return " would be rowcard.ini or master.vcf; name another table in " + std::string(CONFIG_NAME);
    }
    if (present(table) && !force) return " is already there; run again with --force to replace it";
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
    export_result read = read_contacts(request.bytes, options.reading, STARTER_SEPARATOR, made);
    if (read.header.empty()) {
        complain("the export " + options.export_path + " is empty: there is no header line to start from");
        status = PREP_REFUSED;
    } else if (!made.recognised && !options.force) {
        complain(options.export_path + ": " + made.refusal);
        status = PREP_REFUSED;
    }
    return read;
}

// Writes the starter files that `plan` calls for and the table at `table`,
// the table last: a run cut short there leaves starter files that fit it.
// Returns false, having said why, when nothing was written.
bool write_files(const folder_plan& plan, const starter_files& starter, const contact_table& made,
                 const fs::path& table, const fs::path& folder, std::vector<std::string>& kept) {
    std::vector<folder_file> files;
    if (plan.write_settings) files.push_back({std::string(CONFIG_NAME), starter.settings, true});
    if (plan.write_master) files.push_back({TEMPLATE_NAME, starter.master, true});
    files.push_back({table.string(), made.table, false});
    if (const std::string why = write_together(files, kept); !why.empty()) {
        complain("writing into " + folder.string() + " failed, so nothing there changed: " + why);
        return false;
    }
    return true;
}

// Prints `report`, then, where `plan` and the options call for them, writes
// the cards and prints what rowcard-check sees. Returns the exit status.
int finish_with_cards(std::string report, const folder_plan& plan, const prep_request& request) {
    const prep_options& options = request.options;
    // Starter files the user made are run only when asked: they fit the table,
    // but only the user knows whether they are the card wanted now.
    const bool fresh_starter = plan.write_settings && plan.write_master;
    if (options.no_cards || (!fresh_starter && !options.cards)) {
        report += "Next: run rowcard in " + request.folder.string() + " (or rowcard-check there first)" +
                  (options.no_cards ? "" : "; with --cards, rowcard-prep runs it too") + ".\n";
        say(report);
        return PREP_DONE;
    }
    say(report);
    const cards_outcome cards = write_cards(request.full_folder);
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
    export_result read = read_or_refuse(request, made, status);
    if (status != PREP_DONE) return status;
    const starter_files starter = make_starter(made.header, STARTER_TABLE);
    const folder_plan plan = plan_folder(starter, options.new_starter, folder);
    if (!plan.refusal.empty()) {
        complain(plan_refusal(plan, options));
        return PREP_REFUSED;
    }
    if (plan.settings.separator != STARTER_SEPARATOR) {
        export_reading fixed = options.reading;
        fixed.encoding = read.encoding;
        fixed.separator = read.separator;
        read = read_contacts(request.bytes, fixed, plan.settings.separator, made);
    }
    const fs::path table = plan.settings.input_base + TABLE_EXTENSION;
    const std::string where = (folder / table).lexically_normal().string();
    if (const std::string why = table_refusal(table, request.export_path, options.force); !why.empty()) {
        complain("the table " + where + why);
        return PREP_REFUSED;
    }
    std::vector<std::string> kept;
    if (!write_files(plan, starter, made, table, folder, kept)) return PREP_REFUSED;
    std::string report = read_report(options.export_path, read, made);
    report += table_report(where, read.records, made.header.size(), plan.settings.separator);
    report += starter_report(plan, starter, kept);
    return finish_with_cards(std::move(report), plan, request);
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
    if (!fs::is_directory(request.folder, error)) {
        complain("the folder " + request.folder.string() + " does not exist; create it or name another one");
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
        const int status = prepare_here(request);
        unlock_folder(lock);
        return status;
    } catch (...) {
        return stopped_by(std::current_exception());
    }
}

}  // namespace rowcard
