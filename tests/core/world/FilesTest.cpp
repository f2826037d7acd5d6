#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

#include "core/generate/TempFolder.h"
#include "world/Files.h"

using namespace tarnholt;
namespace fs = std::filesystem;
using tarnholt::testing::TempFolder;

TEST(Files, AtomicWriteReplacesTheFileAndLeavesNoTemporary)
{
    TempFolder dir;
    const std::string target = dir.file("castle.rlm");
    ASSERT_EQ(writeFileAtomically(target, "old"), FileError::None);
    // A temporary left behind by a save that was killed is replaced by the next save.
    dir.write(".castle.rlm.saving", "half");
    ASSERT_EQ(writeFileAtomically(target, "third"), FileError::None);
    EXPECT_EQ(dir.read("castle.rlm"), "third");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"castle.rlm"});
}

TEST(Files, ReadOnlyFolderKeepsTheOldFileAndSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    TempFolder dir;
    ASSERT_EQ(writeFileAtomically(dir.file("castle.rlm"), "old"), FileError::None);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    FileError e = writeFileAtomically(dir.file("castle.rlm"), "new");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(e, FileError::AccessDenied);
    EXPECT_EQ(dir.read("castle.rlm"), "old");
    EXPECT_EQ(fileErrorMessage(e, "castle.rlm"),
              "Unable to write to castle.rlm, it is read-only or opened by someone else.");
}

TEST(Files, BackgroundWriterKeepsThePiecesInOrderAndGivesBuffersBack)
{
    TempFolder dir;
    const std::string target = dir.file("castle.rlm");
    ASSERT_EQ(writeFileAtomically(target, "old"), FileError::None);
    {
        // Given up before its commit: the old file stays and the temporary goes.
        BackgroundFileWriter abandoned(target);
        std::string piece(5000, 'x');
        abandoned.write(piece);
        EXPECT_TRUE(piece.empty());
    }
    EXPECT_EQ(dir.read("castle.rlm"), "old");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"castle.rlm"});

    // Far more pieces than may wait, of different sizes, some empty: the file is all of them in order.
    BackgroundFileWriter writer(target);
    ASSERT_EQ(writer.openError(), FileError::None);
    std::string expected, piece;
    for (int i = 0; i < 200; ++i) {
        piece.assign(static_cast<std::size_t>(i * 37 % 1000), static_cast<char>('a' + i % 26));
        piece += std::to_string(i) + ";";
        expected += piece;
        writer.write(piece);
        ASSERT_TRUE(piece.empty()) << i;
    }
    EXPECT_EQ(dir.read("castle.rlm"), "old");
    ASSERT_EQ(writer.commit(), FileError::None);
    EXPECT_EQ(dir.read("castle.rlm"), expected);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"castle.rlm"});

    BackgroundFileWriter nowhere("/nonexistent-folder/castle.rlm");
    EXPECT_NE(nowhere.openError(), FileError::None);
    piece = "lost";
    nowhere.write(piece);
    EXPECT_EQ(nowhere.commit(), nowhere.openError());
}

// A large file that is replaced is let go on another thread: its descriptor must be closed there,
// or the old contents would keep their disk space for as long as the program runs.
TEST(Files, ReplacedLargeFilesAreLetGo)
{
    auto openDescriptors = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
    };
    TempFolder dir;
    const std::string big(3 << 20, 'o');
    ASSERT_EQ(writeFileAtomically(dir.file("zone.wld"), big), FileError::None);
    const auto before = openDescriptors();
    for (int round = 0; round < 3; ++round)
        ASSERT_EQ(writeFileAtomically(dir.file("zone.wld"), big), FileError::None);
    EXPECT_EQ(dir.read("zone.wld"), big);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"zone.wld"});
    for (int waited = 0; waited < 200 && openDescriptors() != before; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(openDescriptors(), before);
}

TEST(Files, MissingFileAndFolderMessages)
{
    std::string out = "stale";
    FileError e = readWholeFile("/nonexistent-folder/castle.rlm", out);
    EXPECT_EQ(e, FileError::NotFound);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(writeFileAtomically("/nonexistent-folder/castle.rlm", "x"), FileError::None);
    EXPECT_EQ(fileErrorMessage(FileError::DiskFull, "x"), "Destination disk drive is full.");
}

TEST(Files, ReadWholeFileAtBufferBoundaries)
{
    TempFolder dir;
    for (std::size_t size : {0u, 1u, 65535u, 65536u, 65537u, 300001u}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 131 % 251);
        dir.write("f.bin", bytes);
        std::string read = "stale";
        ASSERT_EQ(readWholeFile(dir.file("f.bin"), read), FileError::None);
        EXPECT_EQ(read, bytes) << size;
    }
}

TEST(Files, CrLfAndPathParts)
{
    EXPECT_EQ(toCrLf("a\r\n"), "a\r\r\n"); // text mode: every line feed gains a carriage return
    // Line feeds at every place of the 16-byte blocks the copy works in, alone and in runs (every
    // byte a line feed included), and texts that end inside a block.
    for (std::size_t length = 0; length <= 50; ++length)
        for (std::size_t every = 1; every <= 19; ++every) {
            std::string text, expected;
            for (std::size_t i = 0; i < length; ++i) {
                const bool feed = (i + 1) % every == 0;
                text += feed ? '\n' : static_cast<char>('a' + i % 26);
                expected += feed ? "\r\n" : std::string(1, static_cast<char>('a' + i % 26));
            }
            ASSERT_EQ(toCrLf(text), expected) << length << " " << every;
        }
    // Any bytes, line feeds as thick or thin as they come.
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const auto length = static_cast<std::size_t>(random() % 300);
        const unsigned feedsIn = 1 + random() % 40;
        std::string text, expected;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = random() % feedsIn == 0 ? '\n' : static_cast<char>(random() % 256);
            text += c;
            expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        ASSERT_EQ(toCrLf(text), expected) << "round " << round;
    }
    EXPECT_EQ(directoryOf("castle.rlm"), "");
    EXPECT_EQ(directoryOf("/castle.rlm"), "/");
    EXPECT_EQ(fileNameOf("/zones/castle.rlm"), "castle.rlm");
    EXPECT_EQ(joinPath("", "30.wld"), "30.wld");
}
