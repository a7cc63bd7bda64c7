// Reading lines and writing text: line ends, Ctrl-Z, zero bytes, long lines,
// and failures to open, read and write.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/files.hpp"
#include "text/text_file.hpp"

#ifdef __linux__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#endif

namespace rowcard {
namespace {

using testing::make_scratch;
using testing::read_file;
using testing::remove_scratch;
using testing::write_file;

class TextFile : public ::testing::Test {
protected:
    void SetUp() override { folder = make_scratch(); }
    void TearDown() override { remove_scratch(folder); }

    // Returns every line that `read_line` yields for a file holding `bytes`.
    std::vector<std::string> lines_of(std::string_view bytes) {
        const auto path = folder / "in.txt";
        write_file(path, bytes);
        text_reader reader;
        EXPECT_TRUE(open_for_reading(reader, path.string()));
        std::vector<std::string> lines;
        std::string line;
        while (read_line(reader, line)) lines.push_back(line);
        EXPECT_FALSE(reader.failed);
        close_reader(reader);
        return lines;
    }

    // Returns the bytes that writing `pieces` in turn leaves in a file.
    std::string written(const std::vector<std::string>& pieces) {
        const auto path = folder / "out.txt";
        text_writer writer;
        EXPECT_TRUE(create_for_writing(writer, path.string()));
        for (const auto& piece : pieces) write_text(writer, piece);
        EXPECT_TRUE(close_writer(writer));
        return read_file(path);
    }

    std::filesystem::path folder;
};

using lines = std::vector<std::string>;

TEST_F(TextFile, LineEnds) {
    EXPECT_EQ(lines_of("a\r\nb\r\n"), (lines{"a\n", "b\n"}));
    EXPECT_EQ(lines_of("a\rb\n"), (lines{"a\rb\n"}));
    EXPECT_EQ(lines_of("a\r\r\n"), (lines{"a\r\n"}));
    EXPECT_EQ(lines_of("a\r"), (lines{"a\r"}));
    EXPECT_EQ(lines_of("last"), (lines{"last"}));
    EXPECT_EQ(lines_of("\n\n"), (lines{"\n", "\n"}));
    EXPECT_EQ(lines_of(""), lines{});
}

TEST_F(TextFile, CtrlZEndsTheFile) {
    EXPECT_EQ(lines_of("a\n\x1A"), (lines{"a\n"}));
    EXPECT_EQ(lines_of("a\nb\x1A" "c\nd\n"), (lines{"a\n", "b"}));
    EXPECT_EQ(lines_of("a\r\x1A\n"), (lines{"a\r"}));
    EXPECT_EQ(lines_of("\x1A" "a\n"), lines{});
}

TEST_F(TextFile, ZeroByteEndsTheTextOfItsLine) {
    EXPECT_EQ(lines_of(std::string("ab\0cd\nef\n", 9)), (lines{"ab", "ef\n"}));
    EXPECT_EQ(lines_of(std::string("\0\nx", 3)), (lines{"", "x"}));
}

TEST_F(TextFile, LongLinesComeWhole) {
    const std::string long_line(3 * READ_BLOCK + 17, 'x');
    EXPECT_EQ(lines_of(long_line + "\n" + long_line), (lines{long_line + "\n", long_line}));
}

TEST_F(TextFile, CarriageReturnAtABlockBoundary) {
    const std::string head(READ_BLOCK - 1, 'x');
    EXPECT_EQ(lines_of(head + "\r\nnext\n"), (lines{head + "\n", "next\n"}));
    EXPECT_EQ(lines_of(head + "\rnext\n"), (lines{head + "\rnext\n"}));
}

// Splits `bytes` into lines by the text-file rules, one byte at a time: the
// plainest statement of what `read_line` must give back.
std::vector<std::string> lines_step_by_step(std::string_view bytes) {
    std::vector<std::string> result;
    std::string line;
    bool taken = false;
    bool dropping = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\x1A') break;
        taken = true;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        if (c == '\0') dropping = true;
        if (!dropping) line.push_back(c);
        if (c == '\n') {
            result.push_back(line);
            line.clear();
            taken = dropping = false;
        }
    }
    if (taken) result.push_back(line);
    return result;
}

// The block keeps the bytes of the read before beyond the last read's end,
// and those of the last read once the file has ended; neither is text. A
// template over 64 KiB whose last read (11 bytes, the first a line feed) ends
// in a lone CR, where the read before held a line feed just past that point,
// keeps its CR, and its reading ends.
TEST_F(TextFile, LoneCarriageReturnEndingALaterRead) {
    std::string first(64 * 1024, 'a');
    first[100] = '\n';
    first[11] = '\n';
    const std::string bytes = first + "\nx\nabcdefg\r";
    const std::vector<std::string> got = lines_of(bytes);
    EXPECT_EQ(got, lines_step_by_step(bytes));
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), "abcdefg\r");
}

// Lines past a mebibyte are measured to their end before they grow: they
// still come whole, up to their line feed, 0x1A or zero byte.
TEST_F(TextFile, LinesPastAMebibyteComeWhole) {
    const std::string huge(3 * 1024 * 1024 + 5, 'y');
    for (const std::string& bytes : {huge + "\r\nnext\n", huge + "\r" + huge + "\nlast", huge + "\x1A" + "after\n",
                                     huge + std::string(1, '\0') + huge + "\nnext\n"}) {
        EXPECT_EQ(lines_of(bytes), lines_step_by_step(bytes));
    }
}

TEST_F(TextFile, AgreesWithTheByteByByteRule) {
    // Long runs of plain text with the bytes that matter scattered between
    // them, across several blocks.
    static const char* const PARTS[] = {"abcdefgh", "ijklmnopqrstuvw", "\xE1\x9A", " ", "\r", "\n", "\r\n", "\t"};
    std::mt19937 random(20261208);
    for (int round = 0; round < 40; ++round) {
        std::string bytes;
        const std::size_t size = random() % (3 * READ_BLOCK);
        while (bytes.size() < size) bytes += PARTS[random() % std::size(PARTS)];
        if (round % 4 == 1) bytes[random() % bytes.size()] = '\0';
        if (round % 4 == 2) bytes[random() % bytes.size()] = '\x1A';
        ASSERT_EQ(lines_of(bytes), lines_step_by_step(bytes)) << "round " << round;
    }
}

TEST_F(TextFile, OpenFailures) {
    text_reader reader;
    EXPECT_FALSE(open_for_reading(reader, (folder / "missing").string()));
    EXPECT_FALSE(open_for_reading(reader, folder.string()));
    text_writer writer;
    EXPECT_FALSE(create_for_writing(writer, (folder / "no" / "such").string()));
    EXPECT_FALSE(create_for_writing(writer, folder.string()));
}

#ifdef __linux__
TEST_F(TextFile, ReadErrorEndsTheFileAndIsRemembered) {
    text_reader reader;
    ASSERT_TRUE(open_for_reading(reader, "/proc/self/mem"));
    std::string line;
    EXPECT_FALSE(read_line(reader, line));
    EXPECT_TRUE(reader.failed);
    close_reader(reader);
}

// A short read ends a file only when it gives the size the file showed:
// system files show no size, and a file replaced by a pipe is read to its end.
TEST_F(TextFile, OneReadIsTrustedOnlyAtTheSizeTheFileShowed) {
    const auto path = (folder / "master.vcf").string();
    write_file(path, "A\nB\n");
    EXPECT_EQ(whole_read_size(path), 4U);
    EXPECT_EQ(whole_read_size(folder.string()), 0U);
    EXPECT_EQ(whole_read_size("/proc/self/mem"), 0U);
    EXPECT_EQ(whole_read_size("/proc/self/status"), 0U);
    // A pipe in the file's place gives its bytes in two short reads.
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    std::thread writer([&] {
        const int handle = ::open(path.c_str(), O_WRONLY);
        EXPECT_EQ(::write(handle, "A\n", 2), 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(::write(handle, "B\n", 2), 2);
        ::close(handle);
    });
    text_reader reader;
    ASSERT_TRUE(open_for_reading(reader, path, READ_BLOCK, 4));
    std::string text;
    std::string line;
    while (read_line(reader, line)) text += line;
    writer.join();
    EXPECT_EQ(text, "A\nB\n");
    close_reader(reader);
}

TEST_F(TextFile, WriteFailureIsReportedAtClose) {
    text_writer writer;
    ASSERT_TRUE(create_for_writing(writer, "/dev/full"));
    write_text(writer, "card\n");
    EXPECT_FALSE(close_writer(writer));
}
#endif

// An existing file keeps its bytes until the first write or the close, and
// then none of them is left, whatever the writer wrote before.
TEST_F(TextFile, AnOverwrittenFileIsEmptiedByItsFirstWriteOrItsClose) {
    const auto first = folder / "first.vcf";
    const auto second = folder / "second.vcf";
    write_file(first, "old cards, more of them than the new\n");
    write_file(second, "old\n");
    text_writer writer;
    ASSERT_TRUE(create_for_writing(writer, first.string()));
    EXPECT_EQ(read_file(first), "old cards, more of them than the new\n");
    write_text(writer, "new\n");
    EXPECT_TRUE(close_writer(writer));
    EXPECT_EQ(read_file(first), "new\r\n");
    ASSERT_TRUE(create_for_writing(writer, second.string()));
    EXPECT_TRUE(close_writer(writer));
    EXPECT_EQ(read_file(second), "");
}

TEST_F(TextFile, WritingTurnsLineFeedsIntoCrLf) {
    EXPECT_EQ(written({"a\n", "b", "\n", "\r\n", "c\rd"}), "a\r\nb\r\n\r\r\nc\rd");
    const std::string big(2 * WRITE_BLOCK + 5, 'y');
    EXPECT_EQ(written({big + "\n", big}), big + "\r\n" + big);
}

}  // namespace
}  // namespace rowcard
