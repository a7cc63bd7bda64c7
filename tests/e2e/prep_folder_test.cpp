// End to end: what rowcard-prep does to a folder that holds files already, and
// that nothing half-written stays: a full disk, signals, two runs at once, no memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/prep_fixture.hpp"
#include "e2e/prep_child.hpp"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>
#endif

namespace rowcard {
namespace {

namespace fs = std::filesystem;
using testing::Prep;
using testing::read_file;
using testing::write_file;
#ifndef _WIN32
using testing::child;
using testing::start_prep;
using testing::wait_for;
#endif

// Two exports whose columns differ: the starter files of one shift every value of the other.
constexpr std::string_view EXPORT_A = "Name,Phone\nJan,601\n";
constexpr std::string_view EXPORT_B = "Company,E-mail\nACME,eva@x.cz\n";

TEST_F(Prep, StarterFilesOfAnotherExportAreRefusedOrKeptAside) {
    write_file(root / "a.csv", EXPORT_A);
    write_file(root / "b.csv", EXPORT_B);
    fs::create_directory(root / "fresh");
    ASSERT_EQ(prep("b.csv fresh"), 0) << err;
    ASSERT_EQ(prep("a.csv"), 0) << err;
    const std::string ini_a = read_file(root / "rowcard.ini");
    const std::string master_a = read_file(root / "master.vcf");
    const std::string started = snapshot(root);

    // --force replaces the table only, and the old rowcard.ini would shift every column.
    EXPECT_EQ(prep("b.csv"), 1);
    EXPECT_NE(err.find("rowcard.ini does not fit this export: its column 2 is {GIVEN}, this table's is {ORG}; "
                       "run again with --force --new-starter"),
              std::string::npos)
        << err;
    EXPECT_EQ(prep("--force b.csv"), 1);
    EXPECT_NE(err.find("; run again with --new-starter"), std::string::npos) << err;
    EXPECT_EQ(snapshot(root), started);

    // New starter files; each old one is kept, and an earlier kept one is never overwritten.
    ASSERT_EQ(prep("--force --new-starter b.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "rowcard.ini"), read_file(root / "fresh" / "rowcard.ini"));
    EXPECT_EQ(read_file(root / "master.vcf"), read_file(root / "fresh" / "master.vcf"));
    EXPECT_EQ(read_file(root / "cards.csv"), read_file(root / "fresh" / "cards.csv"));
    EXPECT_EQ(read_file(root / "rowcard.ini.old"), ini_a);
    EXPECT_EQ(read_file(root / "master.vcf.old"), master_a);
    ASSERT_EQ(prep("--force --new-starter a.csv"), 0) << err;
    // (On Windows the report's lines end in CR LF.)
    EXPECT_NE(out.find("Kept the old rowcard.ini as rowcard.ini.old2."), std::string::npos) << out;
    EXPECT_NE(out.find("Kept the old master.vcf as master.vcf.old2."), std::string::npos) << out;
    EXPECT_EQ(read_file(root / "rowcard.ini.old"), ini_a);
    EXPECT_EQ(read_file(root / "rowcard.ini.old2"), read_file(root / "fresh" / "rowcard.ini"));
    EXPECT_EQ(read_file(root / "master.vcf"), master_a);

    // Fewer columns, each of them right, still shift nothing but leave some out.
    write_file(root / "rowcard.ini", "cards.csv\n;\n{FN}\n");
    EXPECT_EQ(prep("--force a.csv"), 1);
    EXPECT_NE(err.find("rowcard.ini does not fit this export: it names 1 column, this table has 4;"), std::string::npos)
        << err;
    // A first column that differs is told as any other.
    std::string renamed = ini_a;
    renamed.replace(renamed.find("{FN}"), 4, "{NAME}");
    write_file(root / "rowcard.ini", renamed);
    EXPECT_EQ(prep("--force a.csv"), 1);
    EXPECT_NE(err.find("its column 1 is {NAME}, this table's is {FN}"), std::string::npos) << err;
    write_file(root / "rowcard.ini", ini_a);

    // A master.vcf that uses a column this table lacks is refused as well; a
    // placeholder is at most 20 bytes long with its braces.
    const std::string stray = "FN:{FN}\nEMAIL:{NOT A PLACEHOLDER!!}{{OTHER E-MAIL VALUE}\n";
    write_file(root / "master.vcf", stray);
    EXPECT_EQ(prep("--force a.csv"), 1);
    EXPECT_NE(err.find("master.vcf does not fit this export: it uses {OTHER E-MAIL VALUE}, which is no column of this "
                       "table; run again with --new-starter"),
              std::string::npos)
        << err;
    EXPECT_EQ(read_file(root / "master.vcf"), stray);
}

TEST_F(Prep, StarterFilesThatFitAreKeptAndAMissingOneIsWritten) {
    write_file(root / "a.csv", EXPORT_A);
    ASSERT_EQ(prep("a.csv"), 0) << err;
    const std::string ini_a = read_file(root / "rowcard.ini");
    const std::string master_a = read_file(root / "master.vcf");

    // A user's edits that keep the columns stay: a '%' mark, a template of their own.
    const std::string ini = "cards.csv\r\n;\r\n{FN}\r\n{GIVEN}\r\n{TEL1}%\r\n{TEL1 TYPE}\r\n";
    const std::string master = "BEGIN:VCARD\nFN:{FN}\nNOTE:{ x {GIVEN}\nTEL:{TEL1}%\nEND:VCARD\n";
    write_file(root / "rowcard.ini", ini);
    write_file(root / "master.vcf", master);
    write_file(root / "a.csv", "Name,Phone\nJan,601\nEva,602\n");
    ASSERT_EQ(prep("--force a.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "rowcard.ini"), ini);
    EXPECT_EQ(read_file(root / "master.vcf"), master);
    EXPECT_EQ(read_file(root / "cards.csv"), "FN;GIVEN;TEL1;TEL1 TYPE\r\nJan;Jan;601;VOICE\r\nEva;Eva;602;VOICE\r\n");

    // With one of the two gone, the next run writes it with the kept one's '%' marks: the
    // kept rowcard.ini makes {TEL1} mandatory and {FN} not, and so does the new master.vcf.
    fs::remove(root / "master.vcf");
    ASSERT_EQ(prep("--force a.csv"), 0) << err;
    std::string marked_master = master_a;
    marked_master.replace(marked_master.find("{FN}%"), 5, "{FN}");
    marked_master.replace(marked_master.find("{TEL1}\r"), 7, "{TEL1}%\r");
    EXPECT_EQ(read_file(root / "master.vcf"), marked_master);
    EXPECT_EQ(read_file(root / "rowcard.ini"), ini);
    EXPECT_NE(out.find("Wrote master.vcf to go with rowcard.ini, which fits this table."), std::string::npos) << out;
    // A kept master.vcf that marks {TEL1} gets a rowcard.ini that marks it too, and only it.
    fs::remove(root / "rowcard.ini");
    write_file(root / "master.vcf", master);
    ASSERT_EQ(prep("--force a.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "rowcard.ini"), ini);
    EXPECT_EQ(listing(root), "a.csv\ncards.csv\ncards.csv.old\ncards.csv.old2\ncards.csv.old3\ncards.vcf\n"
                             "master.vcf\nrowcard.ini\n");
    // The cards skip the row without a phone, as both files now say.
    write_file(root / "a.csv", "Name,Phone\nJan,601\nEva,\n");
    fs::remove(root / "rowcard.ini");
    ASSERT_EQ(prep("--force --cards a.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "cards.vcf"), "BEGIN:VCARD\r\nFN:Jan\r\nNOTE:{ x Jan\r\nTEL:601\r\nEND:VCARD\r\n\r\n");

    // A template with no placeholder fits any table; beside a rowcard.ini nothing is left to finish.
    write_file(root / "master.vcf", "BEGIN:VCARD\nFN:Office\nEND:VCARD\n");
    ASSERT_EQ(prep("--force a.csv"), 0) << err;
    EXPECT_EQ(out.find("Wrote no"), std::string::npos) << out;
    EXPECT_EQ(read_file(root / "master.vcf"), "BEGIN:VCARD\nFN:Office\nEND:VCARD\n");
}

TEST_F(Prep, AKeptRowcardIniWithItsOwnSeparatorGetsItsTable) {
    // The export is read once; its rows are written with the kept file's ','
    // and a ',' inside a value is made a space, said by its export line.
    write_file(root / "a.csv", "Contacts\nName;Company;Phone\nJan Nov\xC3\xA1k;Krka, d. d.;601\nEva Mala;;602\n");
    const std::string ini = "cards.csv\r\n,\r\n{FN}%\r\n{GIVEN}\r\n{FAMILY}\r\n{ORG}\r\n{TEL1}\r\n{TEL1 TYPE}\r\n";
    write_file(root / "rowcard.ini", ini);
    write_file(root / "master.vcf", "BEGIN:VCARD\nFN:{FN}%\nORG:{ORG}\nTEL:{TEL1}\nEND:VCARD\n");
    ASSERT_EQ(prep("a.csv"), 0) << err;
    EXPECT_EQ(read_file(root / "cards.csv"), "FN,GIVEN,FAMILY,ORG,TEL1,TEL1 TYPE\r\nJan Nov\xE1k,Jan,Nov\xE1k,Krka  d. d.,601,VOICE\r\n"
                                             "Eva Mala,Eva,Mala,,602,VOICE\r\n");
    EXPECT_NE(out.find("the table's separator inside a value made a space: 1 row (line 3)"), std::string::npos) << out;
    EXPECT_EQ(read_file(root / "rowcard.ini"), ini);
}

#ifndef _WIN32

TEST_F(Prep, AFullDiskChangesNothingAndTheNextRunFinishes) {
    write_file(root / "a.csv", "Name,Phone,E-mail,Company\nJan,601,j@x.cz,ACME\n");
    fs::create_directory(root / "cards");
    // 110 bytes take the journal of the change, rowcard.ini and the table, but not master.vcf.
    const int status = wait_for(start_prep(root / "cards", {"../a.csv", "."}, {RLIMIT_FSIZE, 110}), err);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(err.find("writing into . failed, so nothing there changed: cannot write master.vcf"), std::string::npos)
        << err;
    EXPECT_EQ(listing(root / "cards"), "");

    ASSERT_EQ(prep("a.csv cards"), 0) << err;
    const std::string whole = snapshot(root / "cards");
    // A folder that lacks master.vcf gets it back, the same, and the table it replaced stays as .old.
    fs::remove(root / "cards" / "master.vcf");
    ASSERT_EQ(prep("--force a.csv cards"), 0) << err;
    fs::remove(root / "cards" / "cards.csv.old");
    EXPECT_EQ(snapshot(root / "cards"), whole);
}

TEST_F(Prep, ASignalLeavesNoFileBehind) {
#ifdef ROWCARD_SANITIZED
    // Whether the signal lands while the files are written is a matter of
    // timing, which a sanitized build's pace makes a lottery; the plain build
    // runs it, and memory faults show in the other tests.
    GTEST_SKIP() << "timing too unsure in a sanitized build";
#endif
    // An export large enough that the signal finds the files being written.
    constexpr int rows = 400000;
    std::string big = "Name,Phone,E-mail\n";
    for (int row = 0; row < rows; ++row) big += "Jan Novak " + std::to_string(row) + ",+420 777,jan@example.cz\n";
    write_file(root / "big.csv", big);
    fs::create_directory(root / "cards");
    const std::string folder = fs::canonical(root / "cards").string() + "/";
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        const child process = start_prep(root / "cards", {"--no-cards", "../big.csv", "."});
        const fs::path open_files = "/proc/" + std::to_string(process.pid) + "/fd";
        bool seen = false;
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!seen && std::chrono::steady_clock::now() < give_up) {
            std::error_code error;
            for (fs::directory_iterator it(open_files, error), end; it != end && !seen; it.increment(error)) {
                seen = fs::read_symlink(it->path(), error).string().starts_with(folder);
            }
            if (error) {
                // Unreadable for a moment while the program starts, or gone for good when it ended.
                siginfo_t ended{};
                waitid(P_PID, static_cast<id_t>(process.pid), &ended, WEXITED | WNOHANG | WNOWAIT);
                if (ended.si_pid != 0) break;
            }
            // Leave the processor to rowcard-prep: on a busy machine a tight loop starves it.
            if (!seen) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(seen) << "rowcard-prep ended before it wrote, signal " << sig;
        kill(process.pid, sig);
        const int status = wait_for(process, err);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << status;
        // Nothing was put in place: only kill -9, which no program can hold, may
        // leave the journal, for the next run to undo.
        const std::string left = listing(root / "cards");
        if (sig == SIGKILL && left == "rowcard-prep.unfinished\n") continue;
        EXPECT_EQ(left, "") << "signal " << sig;
    }
}

TEST_F(Prep, OfTwoRunsOnOneFolderOneWinsWhole) {
    // Exports long enough that two runs overlap, with columns that would shift if mixed.
    std::string a(EXPORT_A);
    std::string b = "Phone,Company,E-mail\n+420 602 111 222,ACME,eva@x.cz\n";
    for (int row = 0; row < 3000; ++row) {
        a += "Jan " + std::to_string(row) + ",601\n";
        b += "+420 777 123 456,Eva " + std::to_string(row) + ",eva@x.cz\n";
    }
    write_file(root / "a.csv", a);
    write_file(root / "b.csv", b);
    fs::create_directories(root / "only-a");
    fs::create_directories(root / "only-b");
    ASSERT_EQ(prep("a.csv only-a"), 0) << err;
    ASSERT_EQ(prep("b.csv only-b"), 0) << err;
    const std::string whole_a = snapshot(root / "only-a");
    const std::string whole_b = snapshot(root / "only-b");
    // Well within the test's own minute, on a slow or sanitized build too.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(35);
    for (int pair = 0; pair < 100 && std::chrono::steady_clock::now() < give_up; ++pair) {
        const fs::path folder = root / ("pair" + std::to_string(pair));
        fs::create_directory(folder);
        // Half the pairs force: that replaces a table, and still never mixes two exports.
        const std::string force = pair % 2 ? "--force" : "--";
        const child first = start_prep(folder, {force, "../a.csv", "."});
        const child second = start_prep(folder, {force, "../b.csv", "."});
        std::string err_b;
        const int status_a = wait_for(first, err);
        const int status_b = wait_for(second, err_b);
        ASSERT_TRUE(WIFEXITED(status_a) && WIFEXITED(status_b)) << status_a << " " << status_b;
        EXPECT_EQ(WEXITSTATUS(status_a) + WEXITSTATUS(status_b), 1) << "pair " << pair;
        const std::string left = snapshot(folder);
        EXPECT_EQ(left, WEXITSTATUS(status_a) == 0 ? whole_a : whole_b) << "pair " << pair;
    }
}

#ifndef ROWCARD_SANITIZED
TEST_F(Prep, RunningOutOfMemoryIsOneLineAndStatus1) {
    // An export larger than all the memory the run may have.
    const std::string row = "Jan Novak,+420 777 123 456,jan.novak@example.cz\n";
    std::string big = "Name,Phone,E-mail\n";
    while (big.size() < 48u * 1024 * 1024) big += row;
    write_file(root / "big.csv", big);
    fs::create_directory(root / "cards");
    const int status = wait_for(start_prep(root / "cards", {"../big.csv", "."}, {RLIMIT_AS, 32u * 1024 * 1024}), err);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(err, "rowcard-prep: out of memory; close other programs or split the export, and run again\n");
    EXPECT_EQ(listing(root / "cards"), "");
}
#endif

#endif

}  // namespace
}  // namespace rowcard
