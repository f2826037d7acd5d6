#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "world/Files.h"

using namespace tarnholt;
namespace fs = std::filesystem;

namespace {

fs::path freshDir(const std::string& name)
{
    fs::path dir = fs::temp_directory_path() / ("tarnholt-files-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(Files, AtomicWriteReplacesTheFileAndLeavesNoTemporary)
{
    fs::path dir = freshDir("replace");
    fs::path target = dir / "castle.rlm";
    ASSERT_EQ(writeFileAtomically(target.string(), "old"), FileError::None);
    ASSERT_EQ(writeFileAtomically(target.string(), "new contents"), FileError::None);
    EXPECT_EQ(slurp(target), "new contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // A temporary left behind by a save that was killed is replaced by the next save.
    std::ofstream(dir / ".castle.rlm.saving") << "half";
    ASSERT_EQ(writeFileAtomically(target.string(), "third"), FileError::None);
    EXPECT_EQ(slurp(target), "third");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(Files, ReadOnlyFolderKeepsTheOldFileAndSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    fs::path dir = freshDir("readonly");
    fs::path target = dir / "castle.rlm";
    ASSERT_EQ(writeFileAtomically(target.string(), "old"), FileError::None);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    FileError e = writeFileAtomically(target.string(), "new");
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(e, FileError::AccessDenied);
    EXPECT_EQ(slurp(target), "old");
    EXPECT_EQ(fileErrorMessage(e, "castle.rlm"),
              "Unable to write to castle.rlm, it is read-only or opened by someone else.");
    fs::remove_all(dir);
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

TEST(Files, CrLfAndPathParts)
{
    EXPECT_EQ(toCrLf("a\nb\n\n"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(toCrLf("a\r\n"), "a\r\r\n"); // text mode: every line feed gains a carriage return
    EXPECT_EQ(directoryOf("/zones/castle.rlm"), "/zones");
    EXPECT_EQ(directoryOf("castle.rlm"), "");
    EXPECT_EQ(directoryOf("/castle.rlm"), "/");
    EXPECT_EQ(fileNameOf("/zones/castle.rlm"), "castle.rlm");
    EXPECT_EQ(joinPath("/zones", "30.wld"), "/zones/30.wld");
    EXPECT_EQ(joinPath("", "30.wld"), "30.wld");
}
