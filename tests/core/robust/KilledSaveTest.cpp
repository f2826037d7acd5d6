// A save killed at any moment leaves the document file whole: either the old version or the new
// one, byte for byte, and the next save that completes leaves nothing else in the folder.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <map>
#include <sys/wait.h>
#include <thread>

#include "ChildProcess.h"
#include "SampleZone.h"
#include "app/Questions.h"
#include "core/generate/TempFolder.h"
#include "generate/Generator.h"
#include "universe/Universe.h"
#include "world/Document.h"
#include "world/Files.h"

using namespace tarnholt;
using tarnholt::testing::TempFolder;

namespace {

constexpr int kRounds = 60;

// The bytes a save of `world` to `path` puts on disk: the World with the base path of `path`.
std::string savedBytes(const World& world, const std::string& path)
{
    World copy = world;
    copy.basePath = Document::basePathFor(path);
    return Document::storeWorld(copy);
}

bool childEnded(pid_t child)
{
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
}

// Waits until a file other than zone.rlm holds at least `bytes` bytes, or `child` ended.
void waitForBytesBeside(const TempFolder& folder, std::uintmax_t bytes, pid_t child)
{
    for (std::error_code error; !childEnded(child); std::this_thread::sleep_for(std::chrono::microseconds(20)))
        for (const auto& entry : std::filesystem::directory_iterator(folder.path(), error))
            if (entry.path().filename() != "zone.rlm" && entry.file_size(error) >= bytes && !error)
                return;
}

// Waits until zone.rlm alone is left with `size` bytes (the new file renamed into place), or `child` ended.
void waitForRename(const TempFolder& folder, std::uintmax_t size, pid_t child)
{
    for (std::error_code error; !childEnded(child); std::this_thread::sleep_for(std::chrono::microseconds(20)))
        if (folder.names() == std::vector<std::string>{"zone.rlm"}
            && std::filesystem::file_size(folder.file("zone.rlm"), error) == size && !error)
            return;
}

} // namespace

TEST(KilledSave, TargetIsAlwaysTheWholeOldOrTheWholeNewFile)
{
    TempFolder folder;
    const std::string target = folder.file("zone.rlm");

    Document before;
    before.world() = sample::makeZone(2000, 1);
    Document after;
    after.world() = sample::makeZone(2000, 2);
    after.world().zoneName = "the new version";
    const std::string oldBytes = savedBytes(before.world(), target);
    const std::string newBytes = savedBytes(after.world(), target);
    ASSERT_NE(oldBytes, newBytes);
    ASSERT_GT(newBytes.size(), 1u << 20) << "the save must take long enough to be killed midway";

    // The kills are placed by the save's progress, not by the clock: right after the start, when
    // the new bytes beside the target reach 2%, 4%, ... 100% of the file, a little after that (while
    // they are flushed and renamed), and just after the rename.
    int endedOld = 0, endedNew = 0, killedMidway = 0, temporariesLeft = 0;
    for (int round = 0; round < kRounds; ++round) {
        ASSERT_EQ(writeFileAtomically(target, oldBytes), FileError::None) << "round " << round;
        pid_t child = tarnholt::testing::startChild([&] { after.save(target).empty() ? ::_exit(0) : ::_exit(1); });
        ASSERT_GT(child, 0);
        if (round >= kRounds - 4)
            waitForRename(folder, newBytes.size(), child);
        else if (round > 0)
            waitForBytesBeside(folder, newBytes.size() * std::min(round * 2, 100) / 100, child);
        if (round > 50)
            std::this_thread::sleep_for(std::chrono::microseconds(500 * (round - 50)));
        ::kill(child, SIGKILL);
        bool killed = false;
        tarnholt::testing::waitForChild(child, &killed);
        killedMidway += killed ? 1 : 0;

        std::string bytes = folder.read("zone.rlm");
        if (bytes == oldBytes)
            ++endedOld;
        else if (bytes == newBytes)
            ++endedNew;
        else
            FAIL() << "round " << round << ": the file holds " << bytes.size() << " bytes of neither version";
        if (folder.names().size() > 1)
            ++temporariesLeft;

        // The next save that completes replaces whatever the killed one left behind.
        ASSERT_EQ(after.save(target), "") << "round " << round;
        EXPECT_EQ(folder.names(), std::vector<std::string>{"zone.rlm"}) << "round " << round;
        EXPECT_EQ(folder.read("zone.rlm"), newBytes);
    }
    Document reopened;
    ASSERT_EQ(reopened.open(target), "");
    EXPECT_EQ(reopened.world().zoneName, "the new version");
    std::cout << "[ rounds   ] " << kRounds << " kills: " << endedOld << " left the old file, " << endedNew
              << " the new one; " << killedMidway << " saves were killed before they ended, "
              << temporariesLeft << " left a temporary file\n";
}

// Generation writes one file after another; killed at any point, each file holds one whole version
// and a completed run tidies up.
TEST(KilledSave, GenerationLeavesEveryAreaFileWhole)
{
    TempFolder folder;
    TempFolder reference;
    Universe universe;
    ScriptedQuestions questions;
    World before = sample::makeZone(2000, 3);
    World after = sample::makeZone(2000, 4);
    auto generate = [&](World& world, const std::string& dir) {
        return Generator(universe, world).generate(dir, questions).written;
    };
    auto filesOf = [&](World& world) {
        EXPECT_TRUE(generate(world, reference.path()));
        std::map<std::string, std::string> files;
        for (const std::string& name : reference.names())
            files[name] = reference.read(name);
        return files;
    };
    std::map<std::string, std::string> oldFiles = filesOf(before), newFiles = filesOf(after);
    ASSERT_EQ(oldFiles.size(), newFiles.size());
    ASSERT_GE(oldFiles.size(), 5u); // four area files and the component lists

    for (int round = 0; round < 12; ++round) {
        ASSERT_TRUE(generate(before, folder.path()));
        pid_t child = tarnholt::testing::startChild([&] { generate(after, folder.path()); });
        std::this_thread::sleep_for(std::chrono::milliseconds(round * 6));
        ::kill(child, SIGKILL);
        tarnholt::testing::waitForChild(child);
        for (const auto& [name, oldBytes] : oldFiles) {
            const std::string bytes = folder.read(name);
            EXPECT_TRUE(bytes == oldBytes || bytes == newFiles[name])
                << "round " << round << ", " << name << ": " << bytes.size() << " bytes of neither version";
        }
        ASSERT_TRUE(generate(after, folder.path()));
        EXPECT_EQ(folder.names(), reference.names()) << "round " << round;
    }
}
