// End to end: for every way rowcard can end, rowcard-check's forecast on a
// generated folder against what the real rowcard then does there, dangling
// links, unreadable files and FIFOs included; the forecast never waits and
// never changes a file.
#include <string>
#include <vector>

#include "check/check.hpp"
#include "e2e/fixture.hpp"

#ifndef _WIN32
#include <sys/stat.h>

namespace rowcard {
namespace {

namespace fs = std::filesystem;

// The status given for a run that waits or reads for ever instead of ending.
constexpr int WAITS = -1;

// One file of a folder: its name and what stands there. `what` is "folder",
// "fifo", "gone", "link:TARGET", or else the bytes of a regular file.
struct laid {
    std::string name;
    std::string what;
};

struct status_case {
    const char* title;
    std::vector<laid> files;  // laid over a table with one row and a template "A"
    int status;               // rowcard's, pinned; WAITS when it does not end
};

// Returns an output "import.vcf" that reaches the new file "x.vcf" through
// `links` links in a row; the system follows 40 and refuses more.
std::vector<laid> link_chain(int links) {
    // Built by appending: g++ 12 warns wrongly on "l" + std::to_string(i).
    const auto link = [](int i) { return std::string("l").append(std::to_string(i)); };
    std::vector<laid> files;
    for (int i = 2; i < links; ++i) files.push_back({link(i), std::string("link:").append(link(i + 1))});
    files.push_back({link(links), "link:x.vcf"});
    files.push_back({"import.vcf", "link:l2"});
    return files;
}

const std::vector<status_case> CASES = {
    {"one card", {}, 0},
    {"output is a folder", {{"import.vcf", "folder"}}, 1},
    {"output a dangling link into a missing folder", {{"import.vcf", "link:missing/x.vcf"}}, 1},
    {"near miss: a dangling link into a folder that exists", {{"sub", "folder"}, {"import.vcf", "link:sub/x.vcf"}}, 0},
    {"output would be the template", {{"rowcard.ini", "master.csv\n"}, {"master.csv", "h\n1\n"}}, 1},
    {"master.vcf a dangling link to the output", {{"master.vcf", "link:import.vcf"}}, 1},
    {"rowcard.ini a dangling link to the output", {{"rowcard.ini", "link:import.vcf"}}, 1},
    {"output a dangling link to a missing template", {{"master.vcf", "gone"}, {"import.vcf", "link:master.vcf"}}, 1},
    {"output a link to itself", {{"import.vcf", "link:import.vcf"}}, 1},
    {"output a chain of 40 links to a new file", link_chain(40), 0},
    {"output a chain of 41 links to a new file", link_chain(41), 1},
    {"table missing", {{"import.csv", "gone"}}, 2},
    {"table is a folder", {{"import.csv", "folder"}}, 2},
    {"table a dangling link", {{"import.csv", "link:none.csv"}}, 2},
    {"template missing", {{"master.vcf", "gone"}}, 3},
    {"template is a folder", {{"master.vcf", "folder"}}, 3},
    {"near miss: template missing, no row accepted", {{"master.vcf", "gone"}, {"import.csv", "h\n"}}, 0},
    {"near miss: template missing, every row rejected",
     {{"master.vcf", "gone"}, {"rowcard.ini", "{A}%\n"}, {"import.csv", "h\n\n-\n"}}, 0},
    {"settings unreadable", {{"rowcard.ini", "link:/proc/self/mem"}}, 4},
    {"settings a folder: the defaults", {{"rowcard.ini", "folder"}}, 0},
    {"table unreadable", {{"import.csv", "link:/proc/self/mem"}}, 4},
    {"template unreadable", {{"master.vcf", "link:/proc/self/mem"}}, 4},
    {"near miss: template unreadable, no row accepted", {{"master.vcf", "link:/proc/self/mem"}, {"import.csv", "h\n"}}, 0},
    {"unreadable settings, then a missing table", {{"rowcard.ini", "link:/proc/self/mem"}, {"import.csv", "gone"}}, 2},
    {"writing fails", {{"import.vcf", "link:/dev/full"}}, 255},
    {"near miss: nothing to write to a full device", {{"import.vcf", "link:/dev/full"}, {"import.csv", "h\n"}}, 0},
    {"template /dev/null", {{"master.vcf", "link:/dev/null"}}, 0},
    {"table /dev/null", {{"import.csv", "link:/dev/null"}}, 0},
    {"settings a FIFO", {{"rowcard.ini", "fifo"}}, WAITS},
    {"table a FIFO", {{"import.csv", "fifo"}}, WAITS},
    {"template a FIFO", {{"master.vcf", "fifo"}}, WAITS},
    {"template a link to /dev/zero", {{"master.vcf", "link:/dev/zero"}}, WAITS},
    {"output a FIFO", {{"import.vcf", "fifo"}}, WAITS},
    {"near miss: template a FIFO, no row accepted", {{"master.vcf", "fifo"}, {"import.csv", "h\n"}}, 0},
    {"the output guard comes before the FIFO table",
     {{"rowcard.ini", "master.csv\n"}, {"master.csv", "fifo"}}, 1},
};

// Lays `files` over the base folder in `work`.
void lay(const fs::path& work, const std::vector<laid>& files) {
    std::vector<laid> all = {{"import.csv", "h\n1\n"}, {"master.vcf", "A\n"}};
    all.insert(all.end(), files.begin(), files.end());
    for (const laid& file : all) {
        const fs::path path = work / file.name;
        fs::remove_all(path);
        if (file.what == "folder") {
            fs::create_directory(path);
        } else if (file.what == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else if (file.what.starts_with("link:")) {
            fs::create_symlink(file.what.substr(5), path);
        } else if (file.what != "gone") {
            testing::write_file(path, file.what);
        }
    }
}

// Returns every entry under `folder`: a link by its target, a FIFO marked, a
// file by its bytes. Nothing but regular files is opened.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const fs::file_status status = entry.symlink_status();
        // Lexical: a link in the folder is named, never followed.
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        entries[name] = fs::is_symlink(status)        ? "<link " + fs::read_symlink(entry.path()).string() + ">"
                        : fs::is_regular_file(status) ? testing::read_file(entry.path())
                                                      : "<other>";
    }
    return entries;
}

// Runs `binary` in `work` for at most `seconds`; returns its exit status, or
// WAITS when it had to be stopped.
int run_for(const fs::path& work, const std::string& binary, const char* seconds, const std::string& arguments = "") {
    const std::string command = "cd '" + work.string() + "' && timeout " + seconds + " '" + binary + "' " +
                                arguments + " >/dev/null 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -2;
    return status == 124 ? WAITS : status;
}

TEST(CheckForecast, EveryEndOfTheRunIsForeseen) {
    const fs::path root = testing::make_scratch();
    const fs::path work = root / "work";
    for (const status_case& c : CASES) {
        fs::remove_all(work);
        fs::create_directory(work);
        lay(work, c.files);
        const std::map<std::string, std::string> before = snapshot(work);
        check_report report;
        {
            const testing::working_folder inside(work);
            report = check_folder();
        }
        // The binary never waits: it ends at once with the status for its forecast.
        EXPECT_EQ(run_for(work, CHECK_BINARY, "5", "--json"), check_status(report)) << c.title;
        EXPECT_EQ(snapshot(work), before) << c.title << ": the check changed a file";
        const int foreseen = report.stall.empty() ? report.status : WAITS;
        EXPECT_EQ(foreseen, c.status) << c.title << ": " << report.stall;
        if (c.status == WAITS) {
            EXPECT_EQ(check_status(report), CHECK_FAILS) << c.title;
        }
        // A run that ends does so at once; one that waits is stopped after half a second.
        EXPECT_EQ(run_for(work, ROWCARD_BINARY, c.status == WAITS ? "0.5" : "10"), c.status) << c.title;
    }
    testing::remove_scratch(root);
}

// Whether this build runs under AddressSanitizer, which needs more address
// space than a memory limit leaves.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool SANITIZED = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif
#else
constexpr bool SANITIZED = false;
#endif

TEST(CheckForecast, OutOfMemoryIsOneLineAndTheFailureStatus) {
    if (SANITIZED) GTEST_SKIP() << "a memory limit starves the sanitizer";
    const fs::path root = testing::make_scratch();
    testing::write_file(root / "master.vcf", "A\n");
    // One row of 100 MB, read under a limit of 150 MB of address space.
    const std::string make = "cd '" + root.string() +
                             "' && { echo h; head -c 100000000 /dev/zero | tr '\\0' a; } > import.csv";
    ASSERT_EQ(std::system(make.c_str()), 0);
    const std::string command = "cd '" + root.string() + "' && ulimit -v 150000 && '" + CHECK_BINARY +
                                "' >out 2>err </dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_EQ(testing::read_file(root / "err"),
              "rowcard-check: out of memory; free some memory, or check a smaller table\n");
    testing::remove_scratch(root);
}

}  // namespace
}  // namespace rowcard
#endif
