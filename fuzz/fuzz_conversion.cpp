// Fuzzing the whole conversion: a configuration, a table and a template laid in a
// fresh folder and the real run_conversion run there. It never changes an input,
// never prints, writes nowhere but its output, and exits with a documented status.
// A failing case leaves the working folder inside the case folder: give
// libFuzzer an absolute -artifact_prefix, as scripts/fuzz.sh does.
#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "config/config.hpp"
#include "fuzz/support.hpp"
#include "run/run.hpp"

namespace rowcard::fuzz {
namespace {

const std::set<int> STATUSES = {STATUS_DONE,        STATUS_NO_OUTPUT,  STATUS_NO_TABLE,
                                STATUS_NO_TEMPLATE, STATUS_READ_ERROR, STATUS_WRITE_FAILED};

// Bits of the first input byte that say which files are laid at all.
constexpr unsigned LAY_TABLE = 1U;
constexpr unsigned LAY_TEMPLATE = 2U;
constexpr unsigned LAY_CONFIG = 4U;

// Largest file a case may write. A word that recreates its placeholder may
// grow each template line by LINE_LEN words for every record, so a few
// kilobytes of input can ask for gigabytes of cards; past this size the
// write fails, and the run must then end with STATUS_WRITE_FAILED.
constexpr rlim_t MAX_FILE_BYTES = 8 * 1024 * 1024;

// The descriptors of the real stdout and stderr, kept while the run's own go
// to a capture file; sanitizer reports keep going to the real stderr.
struct standard_streams {
    int out = -1;
    int err = -1;
};

const standard_streams& real_streams() {
    static const standard_streams streams = [] {
        standard_streams kept{dup(STDOUT_FILENO), dup(STDERR_FILENO)};
        require(kept.out >= 0 && kept.err >= 0, "cannot keep stdout and stderr");
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(kept.err)));
        return kept;
    }();
    return streams;
}

// True when `name`, taken relative to the case folder, stays inside it: not
// absolute and never climbing with "..". The folder holds no links, so such a
// name cannot lead out of it.
bool confined(const std::string& name) {
    const fs::path path(name);
    if (path.has_root_name() || path.has_root_directory()) return false;
    for (const fs::path& part : path) {
        if (part == "..") return false;
    }
    return true;
}

// Returns `name` written the one way the folder listing writes it.
std::string normal(const std::string& name) { return fs::path(name).lexically_normal().string(); }

// Runs the conversion in `folder` with stdout and stderr sent to `capture`, and
// returns its exit status.
int run_captured(const fs::path& folder, const fs::path& capture) {
    const standard_streams& real = real_streams();
    const int printed = open(capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    require(printed >= 0, "cannot make the capture file");
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(printed, STDOUT_FILENO);
    dup2(printed, STDERR_FILENO);
    close(printed);
    const fs::path previous = enter(folder);
    const int status = run_conversion();
    leave(previous);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(real.out, STDOUT_FILENO);
    dup2(real.err, STDERR_FILENO);
    return status;
}

// True when every '\n' in `bytes` is written as CR LF.
bool crlf_only(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    }
    return true;
}

}  // namespace
}  // namespace rowcard::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace rowcard::fuzz;
    const rlimit size = {MAX_FILE_BYTES, MAX_FILE_BYTES};
    require(setrlimit(RLIMIT_FSIZE, &size) == 0, "cannot limit the size of files");
    real_streams();
    return 0;
}

// The input is one byte of LAY_ bits, then the table, PART_MARK, the template,
// PART_MARK and the configuration.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rowcard;
    using namespace rowcard::fuzz;
    if (size == 0) return 0;
    // An over-long write then fails with EFBIG instead of killing the process;
    // libFuzzer sets its own handler after LLVMFuzzerInitialize, so this is
    // said again on every run.
    std::signal(SIGXFSZ, SIG_IGN);
    const unsigned lay = data[0];
    const std::string bytes = bytes_of(data + 1, size - 1);
    std::string_view rest = bytes;
    const std::string_view table = take_part(rest, PART_MARK);
    const std::string_view master = take_part(rest, PART_MARK);
    const std::string_view config = rest;

    const fs::path folder = private_folder() / "case";
    const fs::path capture = private_folder() / "printed";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directory(folder);

    std::map<std::string, std::string> laid;  // name within the folder -> bytes
    if ((lay & LAY_CONFIG) != 0U) laid[std::string(CONFIG_NAME)] = config;
    for (const auto& [name, content] : laid) require(write_file(folder / name, content), "cannot lay a file");
    const conversion_settings settings = settings_in(folder);
    const std::string table_name = normal(settings.input_base + ".csv");
    const std::string output_name = normal(settings.output_base + ".vcf");
    // A configuration may name any path; only names inside the folder are run,
    // so that a fuzzed "../x.csv" or "/etc/x.csv" cannot touch anything else.
    if (!confined(table_name) || !confined(output_name)) return 0;

    if ((lay & LAY_TEMPLATE) != 0U && write_file(folder / TEMPLATE_NAME, master)) laid[TEMPLATE_NAME] = master;
    if ((lay & LAY_TABLE) != 0U) {
        fs::create_directories((folder / table_name).parent_path(), ignored);
        if (!laid.count(table_name) && write_file(folder / table_name, table)) laid[table_name] = table;
    }

    const int status = run_captured(folder, capture);
    require(STATUSES.count(status) == 1, "an undocumented exit status");
    require(fs::file_size(capture) == 0, "the run printed something");
    bool found = false;
    for (const auto& [name, content] : laid) {
        require(read_file(folder / name, found) == content && found, "an input changed");
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_directory()) continue;
        const std::string name = fs::relative(entry.path(), folder).string();
        require(laid.count(name) == 1 || name == output_name,
                "a file besides the inputs and the output");
    }
    const std::string output = read_file(folder / output_name, found);
    if (status == STATUS_NO_OUTPUT || status == STATUS_NO_TABLE) {
        require(!found || laid.count(output_name) == 1, "output made by a run that could write no card");
    } else if (status != STATUS_WRITE_FAILED) {
        require(found, "no output, yet no refusal");
        require(crlf_only(output), "a line feed written without its CR");
    }
    return 0;
}
