// The journal of a change to the working folder, and the undoing of a change
// that a run cut short left behind.
#include "prep/journal.hpp"

#include <filesystem>
#include <system_error>

#include "prep/os.hpp"
#include "text/system.hpp"

namespace rowcard {
namespace {

namespace fs = std::filesystem;

// The journal's first word: a file of that name that does not start with it
// is not this program's, and is left alone.
constexpr std::string_view JOURNAL_MARK = "rowcard-prep";
// Splits an entry's name from where the old file waits: no name that rowcard
// or rowcard-prep writes holds a tab.
constexpr char ENTRY_SPLIT = '\t';

// Returns the next line of `text` without its line feed, and takes it off
// `text`; false when `text` holds no whole line.
bool take_line(std::string_view& text, std::string_view& line) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return false;
    line = text.substr(0, end);
    // The journal is written as every text file, with CR LF line ends.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    text.remove_prefix(end + 1);
    return true;
}

// Renames `from` to `to`, replacing what is there. Returns an empty string,
// or what went wrong.
std::string put_back(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return error ? "cannot put " + from + " back as " + to + ": " + error.message() : "";
}

}  // namespace

std::string journal_text(int process, const std::vector<journal_entry>& entries) {
    std::string text = std::string(JOURNAL_MARK) + " " + std::to_string(process) + "\n";
    for (const journal_entry& entry : entries) {
        text += entry.name + ENTRY_SPLIT + entry.kept_as + "\n";
    }
    return text;
}

bool parse_journal(std::string_view text, int& process, std::vector<journal_entry>& entries) {
    std::string_view line;
    if (!take_line(text, line) || line.substr(0, JOURNAL_MARK.size() + 1) != std::string(JOURNAL_MARK) + " ") {
        return false;
    }
    line.remove_prefix(JOURNAL_MARK.size() + 1);
    if (line.empty() || line.find_first_not_of("0123456789") != std::string_view::npos || line.size() > 9) return false;
    process = std::stoi(std::string(line));
    entries.clear();
    while (take_line(text, line)) {
        const std::size_t split = line.find(ENTRY_SPLIT);
        if (split == 0 || split == std::string_view::npos) return false;
        entries.push_back({std::string(line.substr(0, split)), std::string(line.substr(split + 1))});
    }
    return text.empty();
}

std::string undo_entries(const std::vector<journal_entry>& entries, int process) {
    std::string failure;
    std::error_code error;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        for (int k = 0; k < TEMPORARY_TRIES; ++k) fs::remove(temporary_name(entry->name, process, k), error);
        if (!entry->kept_as.empty() && present(entry->kept_as)) {
            if (std::string why = put_back(entry->kept_as, entry->name); !why.empty() && failure.empty()) failure = why;
        } else if (entry->kept_as.empty() && present(entry->name)) {
            if (!fs::remove(entry->name, error) && failure.empty()) failure = "cannot remove " + entry->name;
        }
    }
    return failure;
}

std::string undo_unfinished(std::string& failure) {
    failure.clear();
    if (!present(JOURNAL_NAME)) return "";
    std::string text;
    if (!regular_file(JOURNAL_NAME) || !read_whole(JOURNAL_NAME, text).empty()) {
        failure = JOURNAL_NAME + " is there but cannot be read; remove it by hand if no rowcard-prep runs";
        return "";
    }
    int process = 0;
    std::vector<journal_entry> entries;
    if (!parse_journal(text, process, entries)) {
        failure = JOURNAL_NAME + " is not one that rowcard-prep wrote; remove it by hand, then run again";
        return "";
    }
    if (failure = undo_entries(entries, process); !failure.empty()) return "";
    std::error_code error;
    if (!fs::remove(JOURNAL_NAME, error)) {
        failure = "cannot remove " + JOURNAL_NAME + ": " + error.message();
        return "";
    }
    return "Undid what a rowcard-prep run cut short here had begun to change; the folder was as before it.\n";
}

}  // namespace rowcard
