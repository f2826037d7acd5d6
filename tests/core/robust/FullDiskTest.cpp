// Writes that fail for want of space, permission or size leave the old file as it was, leave no
// temporary behind, and tell the user why. Small disks and read-only folders are a private tmpfs in
// a mount namespace of a child process (skipped where the system refuses one); the file size limit
// of a process needs no privileges and runs everywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include "ChildProcess.h"
#include "SampleZone.h"
#include "app/Questions.h"
#include "core/generate/TempFolder.h"
#include "generate/Generator.h"
#include "universe/TemplateLibrary.h"
#include "world/Document.h"
#include "world/Files.h"

using namespace tarnholt;
using tarnholt::testing::TempFolder;

namespace {

constexpr const char* kSkip = "SKIP ";

// Runs `work` in a child process that alone sees a tmpfs of `size` bytes mounted on `folder`.
// Returns what `work` reported, or a text starting with kSkip.
std::string onSmallDisk(const TempFolder& folder, std::size_t size, const std::function<std::string()>& work)
{
    auto report = tarnholt::testing::runInChild([&]() -> std::string {
        const std::string options = "size=" + std::to_string(size);
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tarnholt-test", folder.path().c_str(), "tmpfs", 0, options.c_str()) != 0)
            return std::string(kSkip) + "no private tmpfs: " + std::strerror(errno);
        return work();
    });
    return report.exited ? report.output : std::string("the child process crashed");
}

#define SKIP_UNLESS_MOUNTED(report)                                                                                    \
    if ((report).rfind(kSkip, 0) == 0)                                                                                 \
    GTEST_SKIP() << (report).substr(std::strlen(kSkip))

// Whether `name` still holds `oldBytes`, and what the folder holds, as report lines.
std::string fileAndFolder(const TempFolder& folder, const std::string& name, const std::string& oldBytes)
{
    std::string out = std::string("file: ") + (folder.read(name) == oldBytes ? "old" : "changed") + "\nfolder:";
    for (const auto& entry : folder.names())
        out += " " + entry;
    return out + "\n";
}

World zoneWithDescription(std::size_t descriptionBytes)
{
    World world = sample::makeZone(4, 9);
    world.rooms[0].description.assign(descriptionBytes, 'x');
    return world;
}

} // namespace

TEST(FullDisk, SavingTheDocumentKeepsTheOldFile)
{
    TempFolder folder;
    const std::string report = onSmallDisk(folder, 256 * 1024, [&] {
        Document doc;
        doc.world() = zoneWithDescription(100 * 1024);
        if (!doc.save(folder.file("zone.rlm")).empty())
            return std::string("the first save failed");
        const std::string oldBytes = folder.read("zone.rlm");
        doc.world() = zoneWithDescription(200 * 1024);
        doc.world().basePath = "before";
        doc.setModified();
        std::string out = "save: " + doc.save(folder.file("zone.rlm")) + "\n";
        out += "save as: " + doc.save(folder.file("other.rlm")) + "\n" + fileAndFolder(folder, "zone.rlm", oldBytes);
        return out + "document: " + (doc.isModified() ? "modified" : "clean") + ", " + doc.title() + ", "
            + doc.world().basePath + "\n";
    });
    SKIP_UNLESS_MOUNTED(report);
    EXPECT_EQ(report, "save: Destination disk drive is full.\n"
                      "save as: Destination disk drive is full.\n"
                      "file: old\n"
                      "folder: zone.rlm\n"
                      "document: modified, zone.rlm, before\n");
}

TEST(FullDisk, GenerationStopsAndLeavesEveryFileWhole)
{
    TempFolder folder;
    const std::string report = onSmallDisk(folder, 512 * 1024, [&] {
        Universe universe;
        ScriptedQuestions questions;
        World small = sample::makeZone(20, 5);
        if (!Generator(universe, small).generate(folder.path(), questions).written)
            return std::string("the first run failed");
        std::map<std::string, std::string> oldFiles;
        for (const char* name : {"42.obj", "42.mob", "42.wld", "42.zon"})
            oldFiles[name] = folder.read(name);

        World large = sample::makeZone(20, 6); // the objects fit; the rooms' long descriptions do not
        for (Room& room : large.rooms)
            room.description.assign(40 * 1024, 'x');
        const GenerateResult result = Generator(universe, large).generate(folder.path(), questions);
        std::string out = std::string("written: ") + (result.written ? "yes" : "no") + "\nmessage: " + result.message
            + "\ntold: " + (questions.messages.empty() ? std::string() : questions.messages.back()) + "\n";
        // The ".wld" is written while the objects and mobs are, so whether those two still found room
        // depends on which got to the disk first; either way each file is whole.
        for (const auto& [name, bytes] : oldFiles) {
            const bool replaced = std::count(result.files.begin(), result.files.end(), folder.file(name)) > 0;
            const bool old = folder.read(name) == bytes;
            const bool eitherWay = name == "42.obj" || name == "42.mob";
            out += name + ": " + (eitherWay && (old || replaced) ? "whole" : old ? "old" : replaced ? "new" : "damaged")
                + "\n";
        }
        return out + fileAndFolder(folder, "42.zon", oldFiles["42.zon"]);
    });
    SKIP_UNLESS_MOUNTED(report);
    EXPECT_EQ(report, "written: no\n"
                      "message: Destination disk drive is full.\n"
                      "told: Destination disk drive is full.\n"
                      "42.mob: whole\n"
                      "42.obj: whole\n"
                      "42.wld: old\n"
                      "42.zon: old\n"
                      "file: old\n"
                      "folder: 42.mob 42.obj 42.wld 42.zon\n");
}

TEST(FullDisk, TemplateLibraryKeepsItsOldFile)
{
    TempFolder folder;
    const std::string report = onSmallDisk(folder, 128 * 1024, [&] {
        ScriptedQuestions questions;
        TemplateLibrary library(folder.path());
        if (!library.save(questions))
            return std::string("the first save failed");
        const std::string oldBytes = folder.read("template.dat");
        Room big;
        big.description.assign(200 * 1024, 'x');
        library.rooms().add(big, "big room", questions);
        std::string out = std::string("saved: ") + (library.save(questions) ? "yes" : "no") + "\n";
        out += "told: " + (questions.messages.empty() ? std::string() : questions.messages.back()) + "\n";
        return out + fileAndFolder(folder, "template.dat", oldBytes);
    });
    SKIP_UNLESS_MOUNTED(report);
    EXPECT_EQ(report, "saved: no\n"
                      "told: Unable to save template library.\n"
                      "file: old\n"
                      "folder: template.dat\n");
}

TEST(ReadOnlyFolder, SavingIsRefusedAndOpeningStillWorks)
{
    TempFolder folder;
    const std::string target = folder.file("zone.rlm");
    const std::string report = onSmallDisk(folder, 1024 * 1024, [&] {
        Document doc;
        doc.world() = sample::makeZone(10, 1);
        if (!doc.save(target).empty())
            return std::string("the first save failed");
        const std::string oldBytes = folder.read("zone.rlm");
        if (::mount(nullptr, folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return std::string(kSkip) + "no read-only remount: " + std::strerror(errno);
        doc.world().zoneName = "changed";
        std::string out = "save: " + doc.save(target) + "\n" + fileAndFolder(folder, "zone.rlm", oldBytes);
        Document reopened;
        out += "open: " + reopened.open(target);
        return out + reopened.world().zoneName + "\n";
    });
    SKIP_UNLESS_MOUNTED(report);
    EXPECT_EQ(report, "save: Unable to write to " + target + ", it is read-only or opened by someone else.\n"
                      "file: old\n"
                      "folder: zone.rlm\n"
                      "open: Sample zone of 10 rooms\n");
}

// A process limit on file sizes fails the write part way, as a disk that fills up while it is written.
TEST(FileSizeLimit, SaveBeyondTheLimitFailsAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string target = folder.file("zone.rlm");
    auto report = tarnholt::testing::runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        Document doc;
        doc.world() = zoneWithDescription(10 * 1024);
        if (!doc.save(target).empty())
            return std::string("the first save failed");
        const std::string oldBytes = folder.read("zone.rlm");
        const struct rlimit limit{64 * 1024, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return std::string("no file size limit");
        doc.world() = zoneWithDescription(100 * 1024);
        return "save: " + doc.save(target) + "\n" + fileAndFolder(folder, "zone.rlm", oldBytes);
    });
    ASSERT_TRUE(report.exited);
    EXPECT_EQ(report.output, "save: An unexpected error occurred while writing " + target + ".\n"
                             "file: old\n"
                             "folder: zone.rlm\n");
}
