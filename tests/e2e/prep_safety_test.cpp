// End to end: rowcard-prep never harms what a folder holds. No file is replaced
// unasked, the export is never written, and a run that fails or is killed at
// any system call leaves the folder as it was or as a whole run leaves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "e2e/prep_child.hpp"
#include "e2e/prep_fixture.hpp"

#ifndef _WIN32
#include <sys/stat.h>

#include <chrono>
#include <thread>
#endif

namespace rowcard {
namespace {

namespace fs = std::filesystem;
using testing::Prep;
using testing::read_file;
using testing::write_file;

constexpr std::string_view EXPORT = "Name,Phone,E-mail\nJan Novak,+420 777 1,jan@x.cz\nEva Mala,,eva@x.cz\n";

// A phone's backup named like the cards is kept unless --force says otherwise.
TEST_F(Prep, CardsAlreadyThereAreNotReplacedUnasked) {
    write_file(root / "export.csv", EXPORT);
    write_file(root / "cards.vcf", "BEGIN:VCARD\r\nFN:Backup\r\nEND:VCARD\r\n");
    const std::string before = snapshot(root);
    EXPECT_EQ(prep("export.csv"), 1);
    // (The folder is shown as the system writes it.)
    EXPECT_EQ(err.rfind("rowcard-prep: the cards ", 0), 0u) << err;
    EXPECT_NE(err.find("cards.vcf is already there; run again with --force to replace it"), std::string::npos) << err;
    EXPECT_EQ(snapshot(root), before);

    // Told to, it replaces them, and keeps the old ones as .old all the same.
    ASSERT_EQ(prep("--force export.csv"), 0) << err;
    EXPECT_NE(read_file(root / "cards.vcf").find("FN:Jan Novak\r\n"), std::string::npos);
    EXPECT_EQ(read_file(root / "cards.vcf.old"), "BEGIN:VCARD\r\nFN:Backup\r\nEND:VCARD\r\n");
    EXPECT_EQ(listing(root), "cards.csv\ncards.vcf\ncards.vcf.old\nexport.csv\nmaster.vcf\nrowcard.ini\n");
}

// An export saved under a name the run writes is read, never written over,
// whatever the options say.
TEST_F(Prep, TheExportIsNeverWrittenWhateverItsName) {
    for (const std::string name : {"cards.vcf", "cards.csv", "master.vcf"}) {
        SCOPED_TRACE(name);
        fs::remove_all(root);
        fs::create_directories(root);
        write_file(root / name, EXPORT);
        const std::string before = snapshot(root);
        EXPECT_EQ(prep("--force --new-starter " + name), 1);
        EXPECT_NE(err.find("the export"), std::string::npos) << err;
        EXPECT_EQ(snapshot(root), before);
    }
}

// A row with a field fewer than the header, or a stray byte in UTF-8, is written
// but named, and the status says the cards need a look.
TEST_F(Prep, RowsOrBytesThatNeedALookAreStatus3) {
    write_file(root / "export.csv", "Name,Phone,E-mail\nJan Novak,+420 777 1,jan@x.cz\nPetr Kos,petr@x.cz\n");
    EXPECT_EQ(prep("export.csv"), 3) << err;
    EXPECT_NE(out.find("(line 3)"), std::string::npos) << out;
    fs::remove_all(root);
    fs::create_directories(root);
    std::string utf8 = "Name,E-mail\n";
    for (int k = 0; k < 50; ++k) utf8 += "Ji\xC5\x99\xC3\xAD Dvo\xC5\x99\xC3\xA1k,j@x.cz\n";
    utf8 += "Eva\xA0Mala,e@x.cz\n";
    write_file(root / "export.csv", utf8);
    EXPECT_EQ(prep("export.csv"), 3) << err;
    EXPECT_NE(read_file(root / "cards.vcf").find("FN:Jiri Dvorak\r\n"), std::string::npos);
    EXPECT_NE(out.find("(line 52)"), std::string::npos) << out;
}

#ifndef _WIN32

// Returns true when strace runs here, for the tests that fail or kill a
// chosen system call.
bool have_strace() { return std::system("strace -V >/dev/null 2>&1") == 0; }

// Runs rowcard-prep with `arguments` in `folder` under strace, which does
// `inject` (an strace -e inject= expression) to it. Returns the shell's status.
int prep_under_strace(const fs::path& folder, const std::string& inject, const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && strace -f -qq -o /dev/null -e inject=" + inject +
                                " '" + testing::prep_binary() + "' " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str());
}

// A folder of an earlier run, with every kind of file the next run changes:
// starter files kept as .old, a table and cards replaced.
class PrepOverEarlierRun : public Prep {
protected:
    void SetUp() override {
        Prep::SetUp();
        write_file(root / "old.csv", "Company,Phone\nACME,601\n");
        ASSERT_EQ(prep("old.csv"), 0) << err;
        write_file(root / "export.csv", EXPORT);
    }
};

// A step that fails after the new starter files are in place puts the old
// ones back: "nothing there changed" is true.
TEST_F(PrepOverEarlierRun, AFailedStepPutsEveryOldFileBack) {
    if (!have_strace()) GTEST_SKIP() << "strace is not installed";
    const std::string before = snapshot(root);
    // The fourth link puts the table in place, after the journal, rowcard.ini and master.vcf.
    EXPECT_EQ(prep_under_strace(root, "linkat:error=EIO:when=4", "--force --new-starter export.csv") >> 8, 1);
    EXPECT_EQ(snapshot(root), before);
}

// kill -9 at each system call of a run in turn: the folder is as it was, or as
// the whole run leaves it, or a journal says what to undo and the next run
// undoes it and finishes. No temporary name stays.
TEST_F(PrepOverEarlierRun, AKillAtAnySystemCallLeavesTheOldOrTheNewFolder) {
    if (!have_strace()) GTEST_SKIP() << "strace is not installed";
#ifdef ROWCARD_SANITIZED
    // Some hundred runs under strace outlast a test's minute in a sanitized
    // build; the plain build runs them, and memory faults show in the others.
    GTEST_SKIP() << "too slow in a sanitized build";
#endif
    const std::string arguments = "--force --new-starter export.csv";
    const fs::path pristine = root.string() + "-before";
    fs::copy(root, pristine, fs::copy_options::recursive);
    const std::string before = snapshot(root);
    ASSERT_EQ(prep(arguments), 0) << err;
    const std::string whole = snapshot(root);
    int undone = 0;
    for (const std::string call : {"openat", "write", "fdatasync", "linkat", "rename", "unlink", "close", "flock"}) {
        // More calls of one kind than a run of three rows makes.
        for (int when = 1; when < 400; ++when) {
            fs::remove_all(root);
            fs::copy(pristine, root, fs::copy_options::recursive);
            const int status = prep_under_strace(root, call + ":signal=SIGKILL:when=" + std::to_string(when), arguments);
            const std::string now = snapshot(root);
            if (status == 0 && now == whole) break;  // the run ended before the call came again
            SCOPED_TRACE(call + " " + std::to_string(when));
            if (now == before || now == whole) continue;
            ASSERT_TRUE(fs::exists(root / "rowcard-prep.unfinished")) << now;
            // rowcard-check reports the folder meanwhile.
            if (undone == 0) {
                EXPECT_EQ(run(CHECK_BINARY, "."), 1);
                EXPECT_NE(out.find("unfinished-prep"), std::string::npos) << out;
            }
            EXPECT_EQ(prep(arguments), 0) << err;
            EXPECT_NE(out.find("Undid what a rowcard-prep run cut short here had begun"), std::string::npos) << out;
            EXPECT_EQ(snapshot(root), whole);
            ++undone;
        }
    }
    EXPECT_GT(undone, 0);
    fs::remove_all(pristine);
}

// A report that never reached standard output is a failure, status 74, with
// one line on standard error; the cards were written all the same.
TEST_F(Prep, AReportThatIsLostIsAFailure) {
    write_file(root / "export.csv", EXPORT);
    const auto status_to = [this](const std::string& arguments) {
        const std::string command = "cd '" + root.string() + "' && '" + testing::prep_binary() + "' " + arguments +
                                    " >/dev/full 2>.err </dev/null";
        const int raw = std::system(command.c_str());
        err = read_file(root / ".err");
        fs::remove(root / ".err");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status_to("--help"), 74);
    EXPECT_EQ(status_to("export.csv"), 74);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(err.rfind("rowcard-prep: what it printed did not all reach standard output", 0), 0u) << err;
    EXPECT_NE(read_file(root / "cards.vcf").find("FN:Jan Novak"), std::string::npos);
}

// A conversion that fails says rowcard's status in words, on one line: status
// 4, with the table and the starter files in place for a rerun.
TEST_F(Prep, AConversionThatFailsIsStatus4) {
    std::string rows = "Name,Phone\n";
    for (int k = 0; k < 40; ++k) rows += "Jan Novak " + std::to_string(k) + ",+420 777 123 456\n";
    write_file(root / "export.csv", rows);
    fs::create_directory(root / "cards");
    // 4,000 bytes take the table and the starter files, not 40 cards.
    const int status = testing::wait_for(testing::start_prep(root / "cards", {"../export.csv", "."}, {RLIMIT_FSIZE, 4000}), err);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 4) << status;
    EXPECT_EQ(err.rfind("rowcard-prep: the cards were not written: ", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(listing(root / "cards"), "cards.csv\ncards.vcf\nmaster.vcf\nrowcard.ini\n");
}

// A table on another file system than the folder is written there: the new
// file is made beside it, never moved across.
TEST_F(Prep, ATableOnAnotherFileSystemIsWritten) {
    struct stat here, shm;
    if (stat(root.c_str(), &here) != 0 || stat("/dev/shm", &shm) != 0 || here.st_dev == shm.st_dev) {
        GTEST_SKIP() << "no second file system at /dev/shm";
    }
    const fs::path away = fs::path("/dev/shm") / root.filename();
    fs::create_directories(away);
    write_file(root / "export.csv", EXPORT);
    ASSERT_EQ(prep("export.csv"), 0) << err;
    const std::string settings = read_file(root / "rowcard.ini");
    write_file(root / "rowcard.ini", (away / "contacts.csv").string() + settings.substr(settings.find('\r')));
    EXPECT_EQ(prep("--cards export.csv"), 0) << err;
    EXPECT_NE(read_file(away / "contacts.csv").find("Jan Novak"), std::string::npos);
    EXPECT_NE(read_file(away / "contacts.vcf").find("FN:Jan Novak"), std::string::npos);
    fs::remove_all(away);
}

// A FIFO where rowcard.ini, master.vcf, the table or the cards would be is
// refused at once: reading or writing it would wait for ever.
TEST_F(Prep, AFifoInTheFolderIsRefusedWithoutWaiting) {
    write_file(root / "export.csv", EXPORT);
    for (const std::string name : {"rowcard.ini", "master.vcf", "cards.csv", "cards.vcf"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(mkfifo((root / name).c_str(), 0600), 0);
        const testing::child process = testing::start_prep(root, {"--force", "export.csv"});
        // Five seconds at most; the run is left to end by itself, or killed.
        siginfo_t ended{};
        for (int k = 0; k < 100 && ended.si_pid == 0; ++k) {
            waitid(P_PID, static_cast<id_t>(process.pid), &ended, WEXITED | WNOHANG | WNOWAIT);
            if (ended.si_pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(process.pid, SIGKILL);
        const int status = testing::wait_for(process, err);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_NE(err.find(name + " is no file (a FIFO, a device or a socket)"), std::string::npos) << err;
        fs::remove(root / name);
    }
}

#endif

}  // namespace
}  // namespace rowcard
