#include <gtest/gtest.h>

#include <filesystem>
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
    ASSERT_EQ(writeFileAtomically(target, "new contents"), FileError::None);
    EXPECT_EQ(dir.read("castle.rlm"), "new contents");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"castle.rlm"});

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

TEST(Files, MissingFileAndFolderMessages)
{
    std::string out = "stale";
    FileError e = readWholeFile("/nonexistent-folder/castle.rlm", out);
    EXPECT_EQ(e, FileError::NotFound);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(fileErrorMessage(e, "/x/castle.rlm"),
              "/x/castle.rlm\nCannot find this file.\nPlease verify that the correct path and file name are given.");
    EXPECT_NE(writeFileAtomically("/nonexistent-folder/castle.rlm", "x"), FileError::None);
    EXPECT_EQ(fileErrorMessage(FileError::DiskFull, "x"), "Destination disk drive is full.");
}

TEST(Files, ReadWholeFileAtBufferBoundaries)
{
    TempFolder dir;
    for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(65535), std::size_t(65536),
                             std::size_t(65537), std::size_t(300001)}) {
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
    EXPECT_EQ(toCrLf("a\nb\n\n"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(toCrLf("no line end"), "no line end");
    EXPECT_EQ(toCrLf("\n"), "\r\n");
    EXPECT_EQ(toCrLf("a\r\n"), "a\r\r\n"); // text mode: every line feed gains a carriage return
    // Line feeds at every place of the 16-byte blocks the copy works in, alone and in runs (every
    // byte a line feed included), and texts that end inside a block.
    EXPECT_EQ(toCrLf("0123456789abcde\nf"), "0123456789abcde\r\nf");
    EXPECT_EQ(toCrLf("0123456789abcdef\n"), "0123456789abcdef\r\n");
    for (std::size_t length = 0; length <= 50; ++length)
        for (std::size_t every = 1; every <= 19; ++every) {
            std::string text;
            std::string expected;
            for (std::size_t i = 0; i < length; ++i) {
                const bool feed = (i + 1) % every == 0;
                text += feed ? '\n' : static_cast<char>('a' + i % 26);
                expected += feed ? "\r\n" : std::string(1, static_cast<char>('a' + i % 26));
            }
            ASSERT_EQ(toCrLf(text), expected) << length << " " << every;
        }
    EXPECT_EQ(directoryOf("/zones/castle.rlm"), "/zones");
    EXPECT_EQ(directoryOf("castle.rlm"), "");
    EXPECT_EQ(directoryOf("/castle.rlm"), "/");
    EXPECT_EQ(fileNameOf("/zones/castle.rlm"), "castle.rlm");
    EXPECT_EQ(joinPath("/zones", "30.wld"), "/zones/30.wld");
    EXPECT_EQ(joinPath("", "30.wld"), "30.wld");
}
