// Batched whole reads of one file: through the ring and with plain calls, and
// every way a round of the ring can go wrong.
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>

#include "support/files.hpp"
#include "text/read_batch.hpp"
#include "text/text_file.hpp"

namespace rowcard {
namespace {

using testing::make_scratch;
using testing::remove_scratch;
using testing::write_file;

class ReadBatch : public ::testing::Test {
protected:
    void SetUp() override { folder = make_scratch(); }
    void TearDown() override { remove_scratch(folder); }

    std::filesystem::path folder;
};

#ifdef __linux__
// Batched reads give the file's bytes, through the ring (in more than one
// submission) and with plain calls; a read that cannot be vouched for (the
// file is gone) is not whole, and closes the ring for good.
TEST_F(ReadBatch, BatchedReadsGiveTheWholeFileOrStepAside) {
    const auto path = (folder / "master.vcf").string();
    for (const bool through_ring : {true, false}) {
        write_file(path, "\xEF\xBB\xBFN:1NAME\r\n");
        batch_ring* ring = through_ring ? open_ring() : nullptr;
        if (through_ring && ring == nullptr) continue;  // no io_uring on this system
        read_batch batch;
        prepare_batch(batch, path, whole_read_size(path));
        run_reads(batch, ring, 0, 100);
        EXPECT_EQ(ring != nullptr, through_ring);
        for (std::size_t i = 0; i < 100; ++i) {
            ASSERT_TRUE(batch.whole[i]) << i;
            EXPECT_EQ(read_result(batch, i), "\xEF\xBB\xBFN:1NAME\r\n");
        }
        std::filesystem::remove(path);
        run_reads(batch, ring, 0, 1);
        EXPECT_FALSE(batch.whole[0]);
        EXPECT_EQ(ring, nullptr);
        close_ring(ring);
    }
}

#ifdef ROWCARD_HAVE_URING
// Whatever goes wrong in a round of the ring, no read is ever marked whole
// without the file's bytes: a round the kernel would not take or finish, or
// in which memory ran out, is left to the plain reads, and so is every round after it, through a closed
// ring. A round it took only part of is submitted again, never waited on.
// 200 reads make rounds of 64, 64, 64 and 8.
TEST_F(ReadBatch, BatchedReadsSurviveEveryRingFault) {
    const auto path = (folder / "master.vcf").string();
    const std::string bytes = "BEGIN:VCARD\r\nFN:{NAME}\r\nEND:VCARD\r\n";
    write_file(path, bytes);
    enum fault_kind { failed_submit, failed_wait, stalled_submit, short_submit, thrown };
    for (const fault_kind kind : {failed_submit, failed_wait, stalled_submit, short_submit, thrown}) {
        for (std::size_t round = 0; round < 4; ++round) {
            batch_ring* ring = open_ring();
            if (ring == nullptr) GTEST_SKIP() << "no io_uring on this system";
            ring_faults faults;
            (kind == failed_submit    ? faults.failed_submit
             : kind == failed_wait    ? faults.failed_wait
             : kind == stalled_submit ? faults.stalled_submit
             : kind == short_submit   ? faults.short_submit
                                      : faults.thrown) = round;
            inject_ring_faults(ring, faults);
            read_batch batch;
            prepare_batch(batch, path, bytes.size());
            run_reads(batch, ring, 0, 200);
            std::size_t not_whole = 0;
            for (std::size_t i = 0; i < 200; ++i) {
                if (!batch.whole[i]) {
                    ++not_whole;
                    EXPECT_EQ(i / 64, round) << "kind " << kind << ", read " << i;
                    continue;
                }
                ASSERT_EQ(read_result(batch, i), bytes) << "kind " << kind << ", round " << round << ", read " << i;
            }
            const std::size_t in_round = round < 3 ? 64 : 8;
            EXPECT_EQ(not_whole, kind == short_submit ? 0 : in_round) << "kind " << kind << ", round " << round;
            EXPECT_EQ(ring == nullptr, kind != short_submit) << "kind " << kind << ", round " << round;
            close_ring(ring);
        }
    }
}
#endif

// A file that is no longer the size its batch was prepared for is read whole
// by neither path: the run reads it again itself.
TEST_F(ReadBatch, BatchedReadOfAFileThatChangedSizeIsNotWhole) {
    const auto path = (folder / "master.vcf").string();
    for (const bool through_ring : {true, false}) {
        for (const std::string changed : {"N:{NAME}\n!", "N:{NAME}"}) {
            write_file(path, "N:{NAME}\n");
            batch_ring* ring = through_ring ? open_ring() : nullptr;
            if (through_ring && ring == nullptr) continue;  // no io_uring on this system
            read_batch batch;
            prepare_batch(batch, path, whole_read_size(path));
            write_file(path, changed);
            run_reads(batch, ring, 0, 3);
            for (std::size_t i = 0; i < 3; ++i) EXPECT_FALSE(batch.whole[i]) << through_ring << " " << changed;
            close_ring(ring);
        }
    }
}
#endif

}  // namespace
}  // namespace rowcard
