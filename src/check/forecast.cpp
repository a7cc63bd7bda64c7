// rowcard-check's forecast: rowcard's own file steps walked with each outcome
// foreseen, links followed as the system follows them, and no file opened that
// could make the check wait: FIFOs and devices are judged by their kind alone.
#include <filesystem>
#include <system_error>

#include "check/findings.hpp"
#include "prep/journal.hpp"
#include "run/file_order.hpp"
#include "text/system.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rowcard::checking {
namespace {

namespace fs = std::filesystem;

// Links followed in a row before the system gives up (Linux stops at 40).
constexpr int LINKS_FOLLOWED = 40;

// What a path reaches once the system has followed its links.
enum class file_kind { none, folder, regular, fifo, device, other };

// Returns what `path` reaches; a dangling link, a loop or an empty path reach none.
file_kind kind_of(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    switch (status.type()) {
    case fs::file_type::regular: return file_kind::regular;
    case fs::file_type::directory: return file_kind::folder;
    case fs::file_type::fifo: return file_kind::fifo;
    case fs::file_type::block:
    case fs::file_type::character: return file_kind::device;
    case fs::file_type::socket:
    case fs::file_type::unknown: return file_kind::other;
    default: return file_kind::none;
    }
}

// True when `path` reaches the device `device`, such as "/dev/null". (The
// library refuses to compare two devices as files, so their paths are compared.)
bool is_device(const fs::path& path, const char* device) {
    std::error_code error;
    return kind_of(path) == file_kind::device && fs::canonical(path, error) == fs::path(device);
}

// Returns the path the system reaches from `path` with every link followed,
// a dangling one too, its folder made absolute; empty when the links loop.
fs::path reached(fs::path path) {
    std::error_code error;
    for (int hop = 0; hop <= LINKS_FOLLOWED; ++hop) {
        const fs::path folder = fs::weakly_canonical(fs::absolute(path, error).parent_path(), error);
        if (error || path.filename().empty()) return {};
        path = folder / path.filename();
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return {};
        path = target.is_absolute() ? target : folder / target;
    }
    return {};
}

// True when rowcard could create or truncate `path`, found without creating
// or changing it: an existing regular file must open for writing, a device
// takes the cards, and a new file, at the end of its links, needs a folder.
bool can_create(const fs::path& path) {
    switch (kind_of(path)) {
    case file_kind::regular: {
#ifdef _WIN32
        const int handle = _wopen(path.c_str(), _O_WRONLY | _O_BINARY);
        if (handle < 0) return false;
        _close(handle);
#else
        const int handle = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (handle < 0) return false;
        ::close(handle);
#endif
        return true;
    }
    case file_kind::device: return true;
    case file_kind::none: break;
    default: return false;
    }
    const fs::path target = reached(path);
    std::error_code error;
    if (target.empty() || !fs::is_directory(target.parent_path(), error)) return false;
#ifdef _WIN32
    return true;
#else
    return ::access(target.parent_path().c_str(), W_OK | X_OK) == 0;
#endif
}

// True when creating the output, which does not exist yet, would make it one
// of the inputs: a dangling link among them leads where the output is made.
bool creation_meets_input(const check_report& report) {
    const fs::path output = reached(report.output_name);
    if (output.empty()) return false;
    for (const std::string& input : {TEMPLATE_NAME, report.table_name, std::string(CONFIG_NAME)}) {
        if (reached(input) == output) return true;
    }
    return false;
}

// Returns why reading `path` would never end, or an empty text when it ends:
// a FIFO waits for a writer, and a device other than /dev/null may run on.
std::string read_stall(const std::string& path) {
    const file_kind kind = kind_of(path);
    if (kind == file_kind::fifo) return "waits for a writer on the FIFO " + in_quotes(path);
    if (kind == file_kind::device && !is_device(path, "/dev/null")) {
        return "reads the device " + in_quotes(path) + " without end";
    }
    return {};
}

// Returns what the file step `step` is foreseen to do: whether it goes well,
// and in `stall` why rowcard would stop there for good.
bool foresee(file_step step, const check_report& report, const read_facts& facts, std::string& stall) {
    const std::string& output = report.output_name;
    switch (step) {
    case file_step::read_settings:
        stall = read_stall(std::string(CONFIG_NAME));
        return !facts.settings_failed;
    case file_step::guard_inputs: return !overwrites_input(output, report.table_name);
    case file_step::open_table:
        stall = read_stall(report.table_name);
        return report.table_found || is_device(report.table_name, "/dev/null");
    case file_step::create_output:
        if (kind_of(output) == file_kind::fifo) stall = "waits for a reader on the FIFO " + in_quotes(output);
        return can_create(output);
    case file_step::guard_created: return kind_of(output) != file_kind::none || !creation_meets_input(report);
    case file_step::convert:
    case file_step::stop:
        break;
    }
    return false;
}

// Returns what rowcard makes of `path`, which is no regular file, folder or
// nothing, as its output when `output`, else as an input; empty for those
// three.
std::string special_kind(const std::string& path, bool output) {
    switch (kind_of(path)) {
    case file_kind::fifo:
        return " is a FIFO: rowcard would wait for a " + std::string(output ? "reader" : "writer");
    case file_kind::device:
        if (is_device(path, "/dev/null")) {
            return output ? " is the device /dev/null: the cards would be thrown away"
                          : " is the device /dev/null: rowcard reads it as an empty file";
        }
        if (output) {
            if (!is_device(path, "/dev/full")) return " is a device: the cards would go to it, not to a file";
            return " is the device /dev/full: every card fails to be written, so rowcard exits " +
                   std::to_string(STATUS_WRITE_FAILED);
        }
        return " is a device: rowcard would read it, and may wait or never come to its end";
    case file_kind::other: return " is no regular file (a socket, say): rowcard cannot open it";
    default: return {};
    }
}

// Adds a problem for each of the four files that is a FIFO, a device or a socket.
void report_special_files(check_report& report) {
    for (const std::string& path : {std::string(CONFIG_NAME), report.table_name, TEMPLATE_NAME, report.output_name}) {
        const std::string what = special_kind(path, path == report.output_name);
        if (what.empty()) continue;
        add_problem(report, "special-file", path, 0, 0, "",
                    in_quotes(path) + what + "; put a regular file named " + in_quotes(path) + " in its place");
    }
}

// Adds a problem when a rowcard-prep run was cut short here: its journal
// stands, and the files it names may be a mix of old and new ones.
void report_unfinished_prep(check_report& report) {
    if (!present(JOURNAL_NAME)) return;
    add_problem(report, "unfinished-prep", JOURNAL_NAME, 0, 0, "",
                "a rowcard-prep run was cut short here, so the table and starter files may not go together; "
                "run rowcard-prep here again, which first puts back what that run changed");
}

// Returns what stands at the input `path`, which was not read: a folder, a
// link that leads to nothing or loops, a file that refuses to open, or a FIFO,
// a device or a socket, which are never opened. Empty when nothing is there.
std::string unread_kind(const std::string& path) {
    std::error_code error;
    const fs::file_status own = fs::symlink_status(path, error);
    if (error || !fs::exists(own)) return {};
    switch (kind_of(path)) {
    case file_kind::folder: return "a folder";
    case file_kind::regular: return "a file that cannot be opened for reading";
    case file_kind::fifo: return "a FIFO";
    case file_kind::device: return "a device";
    case file_kind::other: return "a socket or another special file";
    case file_kind::none: break;
    }
    if (!fs::is_symlink(own)) return "a file that cannot be reached";
    if (reached(path).empty()) return "a link that loops back on itself";
    return "a link to " + in_quotes(fs::read_symlink(path, error).string()) + ", where nothing is";
}

// Adds the problem of the input `path`, which is there as `what` but cannot be
// read, with what rowcard does `instead`.
void add_unreadable(check_report& report, const std::string& path, const std::string& what,
                    const std::string& instead) {
    add_problem(report, "unreadable-file", path, 0, 0, "",
                in_quotes(path) + " is there but cannot be read: it is " + what + "; " + instead +
                    "; put a readable file named " + in_quotes(path) + " in its place");
}

// Notes what stands at each input that was not read, and adds the problems
// of those that are missing, or there but unreadable, with what rowcard does
// instead. FIFOs and devices are special files, told apart.
void report_unread(check_report& report) {
    const std::string settings(CONFIG_NAME);
    if (!report.config_found) report.config_unread = unread_kind(settings);
    if (!report.table_found) report.table_unread = unread_kind(report.table_name);
    if (!report.template_found) report.template_unread = unread_kind(TEMPLATE_NAME);
    if (!report.config_unread.empty() && safe_to_open(settings)) {
        add_unreadable(report, settings, report.config_unread,
                       "rowcard takes the defaults (the table import.csv, the separator ',' and no columns), so it "
                       "fills no placeholder");
    }
    const bool table_unopened = !report.table_found && safe_to_open(report.table_name);
    if (table_unopened && !report.table_unread.empty()) {
        add_unreadable(report, report.table_name, report.table_unread, "rowcard writes no card and no output file");
    } else if (table_unopened) {
        add_problem(report, "missing-table", report.table_name, 0, 0, "",
                    "there is no table " + in_quotes(report.table_name) +
                        ", so rowcard writes no card and no output file, and exits " +
                        std::to_string(STATUS_NO_TABLE) +
                        "; put the table here, or name it in rowcard.ini with a line such as 'contacts.csv'");
    }
    const bool template_unopened = !report.template_found && safe_to_open(TEMPLATE_NAME);
    if (template_unopened && !report.template_unread.empty()) {
        add_unreadable(report, TEMPLATE_NAME, report.template_unread, "each card rowcard writes is an empty line");
    } else if (template_unopened) {
        add_problem(report, "missing-template", TEMPLATE_NAME, 0, 0, "",
                    "there is no master.vcf, so each card is an empty line and rowcard exits " +
                        std::to_string(STATUS_NO_TEMPLATE) + "; put the template master.vcf beside rowcard.ini");
    }
}

// Foresees the record phase: the cards, a template that cannot be opened or
// would stall, read errors, and a device that refuses every write.
void foresee_records(check_report& report, const read_facts& facts, run_faults& faults) {
    report.output_made = true;
    report.cards = report.accepted;
    faults.read_error |= facts.table_failed;
    if (report.accepted > 0) {
        report.stall = read_stall(TEMPLATE_NAME);
        faults.no_template |= !report.template_found && !is_device(TEMPLATE_NAME, "/dev/null");
        faults.read_error |= facts.template_failed;
    }
    faults.write_failed |= report.cards > 0 && is_device(report.output_name, "/dev/full");
}

}  // namespace

bool safe_to_open(const std::string& path) {
    const file_kind kind = kind_of(path);
    return kind == file_kind::none || kind == file_kind::folder || kind == file_kind::regular;
}

void predict_run(check_report& report, const read_facts& facts) {
    run_faults faults;
    file_step step = file_step::read_settings;
    while (step != file_step::convert && step != file_step::stop && report.stall.empty()) {
        const bool went_well = foresee(step, report, facts, report.stall);
        if (step == file_step::guard_inputs && !went_well) {
            add_problem(report, "output-overwrites-input", report.output_name, 0, 0, "",
                        "the output " + in_quotes(report.output_name) +
                            " would be one of rowcard's inputs, so rowcard writes nothing and exits " +
                            std::to_string(STATUS_NO_OUTPUT) +
                            "; name a table in rowcard.ini whose base name differs from master and rowcard");
        }
        step = next_file_step(step, went_well, faults);
    }
    if (step == file_step::convert && report.stall.empty()) foresee_records(report, facts, faults);
    report_special_files(report);
    report_unfinished_prep(report);
    report_unread(report);
    report.status = status_of(faults);
}

std::string outcome_text(const check_report& report) {
    if (!report.stall.empty()) return report.stall + ", and does not finish by itself";
    std::string text = "writes no file";
    if (report.output_made) {
        text = "writes " + std::to_string(report.cards) + (report.cards == 1 ? " card" : " cards") + " to " +
               report.output_name;
    }
    return text + ", and exits " + std::to_string(report.status) + " (" + status_meaning(report.status) + ")";
}

}  // namespace rowcard::checking
