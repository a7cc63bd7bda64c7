// rowcard-prep's writing into the folder: whether existing starter files fit
// the new table, and the table and starter files put in place all together.
#include "prep/folder.hpp"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "prep/journal.hpp"
#include "prep/os.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

namespace fs = std::filesystem;

// Names tried for an old file kept aside (name.old, name.old2, ...): more
// than anyone keeps; past them the run refuses rather than overwrite one.
constexpr int OLD_NAMES = 1000;

// Returns `name` without the '%' that marks a column mandatory.
std::string_view bare(std::string_view name) {
    if (!name.empty() && name.back() == '%') name.remove_suffix(1);
    return name;
}

// Returns a placeholder name as a message shows it; an empty one as "an empty name".
std::string shown(std::string_view name) { return name.empty() ? "an empty name" : std::string(name); }

// Returns the settings that the text of a rowcard.ini, `text`, gives rowcard.
conversion_settings settings_of(std::string_view text) {
    conversion_settings settings;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
        text.remove_prefix(line.size());
        if (!apply_config_line(settings, line)) break;
    }
    return settings;
}

// Returns what keeps the columns `have` from being the columns `want`, a '%'
// mark aside, as a clause of a message; empty when they are the same.
std::string columns_misfit(const std::vector<column_spec>& have, const std::vector<column_spec>& want) {
    for (std::size_t k = 0; k < have.size() && k < want.size(); ++k) {
        if (bare(have[k].name) != bare(want[k].name)) {
            return "its column " + std::to_string(k + 1) + " is " + shown(bare(have[k].name)) + ", this table's is " +
                   shown(bare(want[k].name));
        }
    }
    if (have.size() == want.size()) return "";
    return "it names " + std::to_string(have.size()) + (have.size() == 1 ? " column" : " columns") +
           ", this table has " + std::to_string(want.size());
}

// Returns the first braced placeholder ('{' to '}' within one line, at most
// NAME_LEN bytes) of the template at `path` that is none of `columns`; empty
// when there is none. `braced` tells whether it holds any, and `marked`
// receives those that a '%' follows, which are mandatory. A template that is
// no regular file, or cannot be read, holds none.
std::string stray_placeholder(const fs::path& path, const std::vector<column_spec>& columns, bool& braced,
                              std::vector<std::string>& marked) {
    braced = false;
    text_reader reader;
    if (!regular_file(path) || !open_for_reading(reader, path.string())) return "";
    std::string line;
    std::string stray;
    while (stray.empty() && read_line(reader, line)) {
        for (std::size_t open = line.find('{'); open != std::string::npos; open = line.find('{', open + 1)) {
            const std::size_t close = line.find_first_of("{}\n", open + 1);
            if (close == std::string::npos || line[close] != '}' || close - open + 1 > NAME_LEN) continue;
            const std::string_view name = std::string_view(line).substr(open, close - open + 1);
            braced = true;
            if (close + 1 < line.size() && line[close + 1] == '%') marked.emplace_back(name);
            bool known = false;
            for (const column_spec& column : columns) known = known || bare(column.name) == name;
            if (!known) {
                stray = name;
                break;
            }
        }
    }
    close_reader(reader);
    return stray;
}

// Writes `file.text` into a new pending file as rowcard reads it, line feeds
// as CR LF, block by block, and puts it on the disk. Returns an empty string,
// or what went wrong (the pending file is then left for the caller to discard).
std::string stage(const folder_file& file, pending_file& pending) {
    if (std::string why = create_pending(pending, file.name); !why.empty()) return why;
    std::string block;
    for (std::size_t at = 0; at < file.text.size(); at += WRITE_BLOCK) {
        block.clear();
        append_as_written(block, file.text.substr(at, WRITE_BLOCK));
        if (!write_pending(pending, block)) return "cannot write " + file.name + ": " + std::strerror(errno);
    }
    if (!finish_pending(pending)) return "cannot write " + file.name + ": " + std::strerror(errno);
    return "";
}

// Returns a free .old name for `name` (name.old, name.old2, ...), or empty
// when every one is taken: the folder lock keeps it free until it is used.
std::string free_old_name(const std::string& name) {
    for (int k = 1; k <= OLD_NAMES; ++k) {
        const std::string aside = name + ".old" + (k == 1 ? "" : std::to_string(k));
        if (!present(aside)) return aside;
    }
    return "";
}

// Returns the journal's entries for a change that puts `files` in place and
// then writes `later` itself: the .old name that each file standing at one of
// those names is to be kept under. `why` receives what keeps the change from
// starting.
std::vector<journal_entry> plan_entries(const std::vector<folder_file>& files, const std::vector<std::string>& later,
                                        std::string& why) {
    std::vector<journal_entry> entries;
    for (const folder_file& file : files) entries.push_back({file.name, ""});
    for (const std::string& name : later) entries.push_back({name, ""});
    for (journal_entry& entry : entries) {
        if (!present(entry.name)) continue;
        entry.kept_as = free_old_name(entry.name);
        if (entry.kept_as.empty()) why = "no free name to keep " + entry.name + " as: remove some of its .old files";
    }
    return entries;
}

// Writes the journal for `entries` and puts it on the disk. Returns an empty
// string, or what went wrong; nothing then stays.
std::string write_journal(const std::vector<journal_entry>& entries) {
    if (present(JOURNAL_NAME)) return JOURNAL_NAME + " is there already: another change is under way";
    const std::string text = journal_text(process_number(), entries);
    pending_file journal;
    std::string why = stage({JOURNAL_NAME, text}, journal);
    if (why.empty()) why = publish_pending(journal, JOURNAL_NAME);
    discard_pending(journal);
    return why;
}

// Moves each file standing at a name of `entries` to where it waits, and puts
// the staged `files`, the first entries, in place; the names after them are
// only cleared. Returns an empty string, or what went wrong.
std::string publish_all(const std::vector<journal_entry>& entries, std::vector<pending_file>& pending) {
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const journal_entry& entry = entries[k];
        if (!entry.kept_as.empty()) {
            std::error_code error;
            std::filesystem::rename(entry.name, entry.kept_as, error);
            if (error) return "cannot move " + entry.name + " aside to " + entry.kept_as + ": " + error.message();
        }
        if (k >= pending.size()) continue;
        if (std::string why = publish_pending(pending[k], entry.name); !why.empty()) return why;
    }
    return "";
}

}  // namespace

folder_plan plan_folder(const starter_files& starter, bool new_starter, const fs::path& folder) {
    folder_plan plan;
    const conversion_settings wanted = settings_of(starter.settings);
    const bool has_settings = present(std::string(CONFIG_NAME));
    const bool has_master = present(TEMPLATE_NAME);
    if (new_starter || (!has_settings && !has_master)) {
        plan.write_settings = plan.write_master = true;
        plan.settings = wanted;
        return plan;
    }
    if (has_settings && !read_config(plan.settings)) {
        plan.refusal = "a read error cut " + (folder / CONFIG_NAME).string() + " short; mend it and run again";
        return plan;
    }
    if (has_settings) {
        if (const std::string misfit = columns_misfit(plan.settings.columns, wanted.columns); !misfit.empty()) {
            plan.refusal = (folder / CONFIG_NAME).string() + " does not fit this export: " + misfit;
            plan.stale = true;
            return plan;
        }
    }
    bool braced = false;
    if (has_master) {
        const std::string stray = stray_placeholder(TEMPLATE_NAME, wanted.columns, braced, plan.marked);
        if (!stray.empty()) {
            plan.refusal = (folder / TEMPLATE_NAME).string() + " does not fit this export: it uses " + stray +
                           ", which is no column of this table";
            plan.stale = true;
            return plan;
        }
    }
    // A file that fits shows the other one missing is prep's to write.
    plan.write_master = has_settings && !has_master;
    plan.write_settings = !has_settings && braced;
    plan.unfinished = !has_settings && !braced;
    if (plan.write_settings) plan.settings = wanted;
    // A file written beside a kept one takes its mandatory marks from it.
    if (plan.write_master) {
        plan.marked.clear();
        for (const column_spec& column : plan.settings.columns) {
            if (column.mandatory) plan.marked.emplace_back(bare(column.name));
        }
    }
    return plan;
}

std::string starter_report(const folder_plan& plan, const starter_files& starter,
                           const std::vector<std::string>& kept) {
    std::string report;
    if (plan.write_settings && plan.write_master) {
        report += "Wrote rowcard.ini (the table's name, ';' and one line per column) and master.vcf, "
                  "a vCard " + std::string(version_name(starter.version)) + " card using " +
                  std::to_string(starter.recognised.size()) + " recognised columns:";
        for (const std::string& name : starter.recognised) report += " " + name;
        report += ".\n";
        report += "  A row with nothing in it makes no card: {FN}% is mandatory. To skip rows with\n"
                  "  another value empty, end its line in rowcard.ini with '%' ({EMAIL1}%) and\n"
                  "  write the placeholder with '%' in master.vcf too.\n";
    } else if (plan.write_settings || plan.write_master) {
        report += std::string("Wrote ") +
                  (plan.write_settings ? "rowcard.ini to go with master.vcf" : "master.vcf to go with rowcard.ini") +
                  ", which fits this table.\n";
    } else if (plan.unfinished) {
        report += "Wrote no rowcard.ini or master.vcf: master.vcf is there already and uses no column of this table,"
                  " so the folder is yours to finish.\n";
    }
    for (const std::string& name : kept) {
        report += "Kept the old " + name.substr(0, name.rfind(".old")) + " as " + name + ".\n";
    }
    return report;
}

std::string begin_change(const std::vector<folder_file>& files, const std::vector<std::string>& later,
                         folder_change& change) {
    change = folder_change{};
    hold_signals(change.signals);
    std::string why;
    change.entries = plan_entries(files, later, why);
    if (why.empty()) why = write_journal(change.entries);
    if (!why.empty()) {
        release_signals(change.signals);
        return why;
    }
    change.open = true;
    std::vector<pending_file> pending(files.size());
    try {
        for (std::size_t k = 0; k < files.size() && why.empty(); ++k) why = stage(files[k], pending[k]);
        // A stop asked for now still finds the folder as it was.
        if (why.empty() && signal_waiting(change.signals)) why = "stopped by a signal before anything was written";
        if (why.empty()) why = publish_all(change.entries, pending);
    } catch (...) {
        why = "stopped by an unexpected failure";
    }
    for (pending_file& file : pending) discard_pending(file);
    if (!why.empty()) {
        if (const std::string stuck = undo_change(change); !stuck.empty()) why += "; and " + stuck;
    }
    return why;
}

std::vector<std::string> kept_names(const folder_change& change) {
    std::vector<std::string> kept;
    for (const journal_entry& entry : change.entries) {
        if (!entry.kept_as.empty()) kept.push_back(entry.kept_as);
    }
    return kept;
}

void commit_change(folder_change& change) {
    if (!change.open) return;
    // The journal's going is the one step that makes the change final.
    std::error_code error;
    std::filesystem::remove(JOURNAL_NAME, error);
    change.open = false;
    release_signals(change.signals);
}

std::string undo_change(folder_change& change) {
    if (!change.open) return "";
    std::string stuck = undo_entries(change.entries, process_number());
    std::error_code error;
    if (stuck.empty()) std::filesystem::remove(JOURNAL_NAME, error);
    change.open = false;
    release_signals(change.signals);
    return stuck;
}

std::string made_folder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return "";
    if (fs::exists(fs::symlink_status(folder, error))) {
        return "FOLDER " + folder.string() + " is no folder; name a folder, or a new one to make";
    }
    fs::path last = folder.lexically_normal();
    if (!last.has_filename()) last = last.parent_path();  // "cards/"
    const fs::path parent = last.has_parent_path() ? last.parent_path() : fs::path(".");
    if (!fs::is_directory(parent, error)) {
        return "the folder " + parent.string() + " does not exist; rowcard-prep makes only the last folder of " +
               folder.string() + ", so create the others or name another one";
    }
    if (!fs::create_directory(last, error) && !fs::is_directory(last, error)) {
        return "cannot make the folder " + folder.string() + ": " + error.message();
    }
    return "";
}

}  // namespace rowcard
